// The clock manager model (unit gatlib_a_0341314388_2930107152): its registration. The unit's
// subprograms and processes join its tables as they are built; until then its
// design data announces empty tables.
#include "gatlib/a_0341314388_2930107152.h"

#include "units/snapshot.h"

#include "tovu/zem.h"

extern "C" void gatlib_a_0341314388_2930107152_init(void) {
    zem_register_didat("gatlib_a_0341314388_2930107152", SNAPSHOT_DIDAT("gatlib/a_0341314388_2930107152.didat"));
}
