// benchsnap: registers every compiled unit with the simulation kernel, names
// the testbench as top unit, fetches the package blocks into the package
// globals and hands control to the kernel for the whole run.
#include "gatlib/a_0341314388_2930107152.h"
#include "gatlib/a_0780662263_2014779070.h"
#include "gatlib/a_0831326109_1532504268.h"
#include "gatlib/a_1490675510_1976025627.h"
#include "gatlib/p_0947159679.h"
#include "gatlib/p_3222816464.h"
#include "ieee/p_0774719531.h"
#include "ieee/p_1242562249.h"
#include "ieee/p_1367372525.h"
#include "ieee/p_2592010699.h"
#include "ieee/p_2717149903.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "ieee/p_3972351953.h"
#include "units/globals.h"
#include "std/textio.h"
#include "tovu/zem.h"
#include "work/a_0023372960_2372691052.h"
#include "work/a_0280078389_1516540902.h"
#include "work/a_1133041568_1516540902.h"
#include "work/a_1424780173_1516540902.h"
#include "work/a_1589345586_0912031422.h"
#include "work/a_2461098124_1516540902.h"
#include "work/a_3000712498_0000452272.h"
#include "work/a_3956617804_1516540902.h"

// The snapshot's information record: the kernel's to use, untouched here.
static char zem_info[16];

// Packages before the units that use them, the top unit last.
static void (*const registrations[])(void) = {
    ieee_p_2592010699_init,              // std_logic_1164
    ieee_p_3499444699_init,              // std_logic_arith
    ieee_p_3620187407_init,              // std_logic_unsigned
    ieee_p_1242562249_init,              // numeric_std
    gatlib_p_0947159679_init,            // package with the package-level signal
    ieee_p_3972351953_init,              // math_real
    ieee_p_0774719531_init,              // std_logic_signed
    std_textio_init,                     // std.textio
    ieee_p_2717149903_init,              // VITAL_Timing
    ieee_p_1367372525_init,              // VITAL_Primitives
    gatlib_p_3222816464_init,            // device-primitive support package
    gatlib_a_0780662263_2014779070_init, // buffer with a time-zero attribute check
    gatlib_a_0341314388_2930107152_init, // clock manager model
    gatlib_a_0831326109_1532504268_init, // architecture without processes
    gatlib_a_1490675510_1976025627_init, // plain buffer
    work_a_1589345586_0912031422_init,   // structural clock unit
    work_a_3000712498_0000452272_init,   // fpga/bram
    work_a_1133041568_1516540902_init,   // fpga/uart_rx
    work_a_0280078389_1516540902_init,   // fpga/gamma_table
    work_a_1424780173_1516540902_init,   // fpga/display_control
    work_a_3956617804_1516540902_init,   // fpga/animation
    work_a_2461098124_1516540902_init,   // fpga/fpga_top
    work_a_0023372960_2372691052_init,   // fpga/fpga_tb, the top unit
};

int main(int argc, char **argv) {
    zem_init_design(argc, argv);
    zem_register_info(zem_info);
    zem_register_min_prec_unit(-12);
    for (auto registration : registrations) registration();
    zem_register_tops("work_a_0023372960_2372691052");
    fetch_package_globals();
    return zem_run_simulation(argc, argv);
}
