// VITAL_Timing (unit ieee_p_2717149903): its registration. Its subprograms
// join the table as they are built; the resolution of its four resolved
// subtypes is std_logic_1164's.
#include "ieee/p_2717149903.h"

#include "ieee/p_2592010699.h"
#include "tovu/zem.h"

extern "C" void ieee_p_2717149903_init(void) {
    zem_register_didat("ieee_p_2717149903", "kest/precompiled.exe.sim/ieee/p_2717149903.didat");
    for (int32_t type_number = 11; type_number <= 14; ++type_number)
        zem_register_resolution_function(type_number, 2, reinterpret_cast<void *>(&ieee_p_2592010699_sub_3130575329_503743352), 24);
}
