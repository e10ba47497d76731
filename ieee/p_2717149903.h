// Registration of VITAL_Timing (unit ieee_p_2717149903).
#ifndef TOVU_IEEE_P_2717149903_H
#define TOVU_IEEE_P_2717149903_H

extern "C" {
void ieee_p_2717149903_init(void);
}

#endif
