// The plain buffer (unit gatlib_a_1490675510_1976025627): ports O (out) and
// I (in); O follows To_X01(I).
#ifndef TOVU_GATLIB_A_1490675510_1976025627_H
#define TOVU_GATLIB_A_1490675510_1976025627_H

extern "C" {
void gatlib_a_1490675510_1976025627_init(void);
void gatlib_a_1490675510_1976025627_p_0(char *block);
}

#endif
