// Device-primitive architecture without processes or subprograms: its
// instances and port maps are all design data.
#include "gatlib/a_0831326109_1532504268.h"

#include "units/snapshot.h"

#include "tovu/zem.h"

extern "C" void gatlib_a_0831326109_1532504268_init(void) {
    zem_register_didat("gatlib_a_0831326109_1532504268", SNAPSHOT_DIDAT("gatlib/a_0831326109_1532504268.didat"));
}
