// The buffer with a time-zero attribute check (unit gatlib_a_0780662263_2014779070): its registration. The unit's
// subprograms and processes join its tables as they are built; until then its
// design data announces empty tables.
#include "gatlib/a_0780662263_2014779070.h"

#include "main/snapshot.h"

#include "tovu/zem.h"

extern "C" void gatlib_a_0780662263_2014779070_init(void) {
    zem_register_didat("gatlib_a_0780662263_2014779070", SNAPSHOT_DIDAT("gatlib/a_0780662263_2014779070.didat"));
}
