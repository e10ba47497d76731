// The package globals: each holds the memory block of one package, stored by
// main after the top unit is named and never changed afterwards.
#include "units/globals.h"

#include "tovu/zem.h"

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

void fetch_package_globals() {
    IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
    zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
    STD_STANDARD = zem_get_engine_memory("std_standard");
    IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
    IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
    IEEE_P_1242562249 = zem_get_engine_memory("ieee_p_1242562249");
    GATLIB_P_0947159679 = zem_get_engine_memory("gatlib_p_0947159679");
    IEEE_P_3972351953 = zem_get_engine_memory("ieee_p_3972351953");
    IEEE_P_0774719531 = zem_get_engine_memory("ieee_p_0774719531");
    STD_TEXTIO = zem_get_engine_memory("std_textio");
    IEEE_P_2717149903 = zem_get_engine_memory("ieee_p_2717149903");
    IEEE_P_1367372525 = zem_get_engine_memory("ieee_p_1367372525");
    GATLIB_P_3222816464 = zem_get_engine_memory("gatlib_p_3222816464");
}
