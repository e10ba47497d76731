// Registration of the device-primitive support package (unit gatlib_p_3222816464).
#ifndef TOVU_GATLIB_P_3222816464_H
#define TOVU_GATLIB_P_3222816464_H

extern "C" {
void gatlib_p_3222816464_init(void);
}

#endif
