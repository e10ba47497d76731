// The package globals: each holds the memory block of one package, stored by
// main after the top unit is named and never changed afterwards.
#include "main/globals.h"

char *IEEE_P_2592010699 = nullptr;
char *STD_STANDARD = nullptr;
char *IEEE_P_3620187407 = nullptr;
char *IEEE_P_3499444699 = nullptr;
char *IEEE_P_1242562249 = nullptr;
char *GATLIB_P_0947159679 = nullptr;
char *IEEE_P_3972351953 = nullptr;
char *IEEE_P_0774719531 = nullptr;
char *STD_TEXTIO = nullptr;
char *IEEE_P_2717149903 = nullptr;
char *IEEE_P_1367372525 = nullptr;
char *GATLIB_P_3222816464 = nullptr;
