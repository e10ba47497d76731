// The design's structural clock unit: neither processes nor subprograms;
// what it instantiates is design data.
#include "work/a_1589345586_0912031422.h"

#include "units/snapshot.h"

#include "tovu/zem.h"

extern "C" void work_a_1589345586_0912031422_init(void) {
    zem_register_didat("work_a_1589345586_0912031422", SNAPSHOT_DIDAT("work/a_1589345586_0912031422.didat"));
}
