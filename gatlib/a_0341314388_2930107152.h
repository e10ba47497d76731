// Registration of the clock manager model (unit gatlib_a_0341314388_2930107152).
#ifndef TOVU_GATLIB_A_0341314388_2930107152_H
#define TOVU_GATLIB_A_0341314388_2930107152_H

extern "C" {
void gatlib_a_0341314388_2930107152_init(void);
}

#endif
