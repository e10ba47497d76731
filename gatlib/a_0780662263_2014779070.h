// Registration of the buffer with a time-zero attribute check (unit gatlib_a_0780662263_2014779070).
#ifndef TOVU_GATLIB_A_0780662263_2014779070_H
#define TOVU_GATLIB_A_0780662263_2014779070_H

extern "C" {
void gatlib_a_0780662263_2014779070_init(void);
}

#endif
