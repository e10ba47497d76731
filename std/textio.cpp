// Registration of std.textio. Its subprograms are the kernel's std_textio_
// operations, so the unit has neither processes nor a subprogram table of its
// own; its design data gives the package block with the LINE type.
#include "std/textio.h"

#include "tovu/zem.h"

extern "C" void std_textio_init(void) {
    zem_register_didat("std_textio", "kest/precompiled.exe.sim/std/textio.didat");
}
