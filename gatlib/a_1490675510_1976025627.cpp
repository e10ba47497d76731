// The plain buffer (unit gatlib_a_1490675510_1976025627): its registration. The unit's
// subprograms and processes join its tables as they are built; until then its
// design data announces empty tables.
#include "gatlib/a_1490675510_1976025627.h"

#include "main/snapshot.h"

#include "tovu/zem.h"

extern "C" void gatlib_a_1490675510_1976025627_init(void) {
    zem_register_didat("gatlib_a_1490675510_1976025627", SNAPSHOT_DIDAT("gatlib/a_1490675510_1976025627.didat"));
}
