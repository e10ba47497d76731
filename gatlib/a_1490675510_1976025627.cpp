// The plain buffer (unit gatlib_a_1490675510_1976025627): one process that
// drives the output port with std_logic_1164's To_X01 of the input, so that
// the output is always 'X', '0' or '1'. It runs at the start and on every
// event of the input, also when the reduced value does not change.
#include "gatlib/a_1490675510_1976025627.h"

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "units/snapshot.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace {

using namespace tovu::layout;

// signal records, ports first
constexpr size_t kInput = 0x480;      // #1 I (input); #0 O is only driven
constexpr size_t kProcess = 0x520;    // p_0
constexpr size_t kWaitFlag = 0x618;   // p_0's sensitivity-wait flag
constexpr size_t kOutDriver = 0x658;  // p_0 -> O

}  // namespace

extern "C" {

void gatlib_a_1490675510_1976025627_p_0(char *b) {
    const uint8_t v = ieee_p_2592010699_sub_1388759734_503743352(IEEE_P_2592010699, *signal_value(b, kInput));
    *driver_staging(b, kOutDriver) = v;
    zem_driver_first_trans_fast_port(driver_record(b, kOutDriver));
    wait_flag(b, kWaitFlag) = 1;
}

static void *pe[] = {reinterpret_cast<void *>(&gatlib_a_1490675510_1976025627_p_0)};

void gatlib_a_1490675510_1976025627_init(void) {
    zem_register_didat("gatlib_a_1490675510_1976025627", SNAPSHOT_DIDAT("gatlib/a_1490675510_1976025627.didat"));
    zem_register_executes(pe);
}

}  // extern "C"
