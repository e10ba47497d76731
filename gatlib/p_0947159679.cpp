// The device-primitive package with one package-level std_ulogic signal; it
// has no subprograms and no processes, so it registers only its design data.
#include "gatlib/p_0947159679.h"

#include "units/snapshot.h"

#include "tovu/zem.h"

extern "C" void gatlib_p_0947159679_init(void) {
    zem_register_didat("gatlib_p_0947159679", SNAPSHOT_DIDAT("gatlib/p_0947159679.didat"));
}
