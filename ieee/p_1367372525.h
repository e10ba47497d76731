// Registration of VITAL_Primitives (unit ieee_p_1367372525).
#ifndef TOVU_IEEE_P_1367372525_H
#define TOVU_IEEE_P_1367372525_H

extern "C" {
void ieee_p_1367372525_init(void);
}

#endif
