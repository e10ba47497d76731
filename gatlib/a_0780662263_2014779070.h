// The checked buffer (unit gatlib_a_0780662263_2014779070): ports O (out) and
// I (in); O follows To_X01(I), and two attributes are checked at time zero.
#ifndef TOVU_GATLIB_A_0780662263_2014779070_H
#define TOVU_GATLIB_A_0780662263_2014779070_H

extern "C" {
void gatlib_a_0780662263_2014779070_init(void);
void gatlib_a_0780662263_2014779070_p_0(char *block);
void gatlib_a_0780662263_2014779070_p_1(char *block);
}

#endif
