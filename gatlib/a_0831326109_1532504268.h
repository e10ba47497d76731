// Registration of the device-primitive architecture without processes.
#ifndef TOVU_GATLIB_A_0831326109_1532504268_H
#define TOVU_GATLIB_A_0831326109_1532504268_H

extern "C" {
void gatlib_a_0831326109_1532504268_init(void);
}

#endif
