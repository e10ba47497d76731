// Registration of numeric_std (unit ieee_p_1242562249).
#ifndef TOVU_IEEE_P_1242562249_H
#define TOVU_IEEE_P_1242562249_H

extern "C" {
void ieee_p_1242562249_init(void);
}

#endif
