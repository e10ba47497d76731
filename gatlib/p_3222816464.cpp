// The device-primitive support package (unit gatlib_p_3222816464): its registration. The unit's
// subprograms and processes join its tables as they are built; until then its
// design data announces empty tables.
#include "gatlib/p_3222816464.h"

#include "main/snapshot.h"

#include "tovu/zem.h"

extern "C" void gatlib_p_3222816464_init(void) {
    zem_register_didat("gatlib_p_3222816464", SNAPSHOT_DIDAT("gatlib/p_3222816464.didat"));
}
