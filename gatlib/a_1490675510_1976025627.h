// Registration of the plain buffer (unit gatlib_a_1490675510_1976025627).
#ifndef TOVU_GATLIB_A_1490675510_1976025627_H
#define TOVU_GATLIB_A_1490675510_1976025627_H

extern "C" {
void gatlib_a_1490675510_1976025627_init(void);
}

#endif
