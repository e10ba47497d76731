// VITAL_Primitives (unit ieee_p_1367372525): its registration. The unit's
// subprograms and processes join its tables as they are built; until then its
// design data announces empty tables.
#include "ieee/p_1367372525.h"

#include "tovu/zem.h"

extern "C" void ieee_p_1367372525_init(void) { zem_register_didat("ieee_p_1367372525", "kest/precompiled.exe.sim/ieee/p_1367372525.didat"); }
