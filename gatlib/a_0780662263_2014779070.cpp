// The checked buffer (unit gatlib_a_0780662263_2014779070): a one-bit buffer
// whose output follows its input reduced to 'X', '0' or '1', and which checks
// two string attributes of the instance once, at time zero, reporting a
// FAILURE for each one outside its allowed set.
//
// The attribute values, their allowed values and both report texts are the
// instance's design data, in the check process's literal pool.
#include "gatlib/a_0780662263_2014779070.h"

#include <cstring>

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "units/snapshot.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace {

using namespace tovu::layout;

// signal records, ports first
constexpr size_t kInput = 0x480;       // #1 I (input); #0 O is only driven
constexpr size_t kFirstTime = 0x648;   // p_0's first-time flag (BOOLEAN), through its descriptor
constexpr size_t kCheckProcess = 0xb10;   // p_0
constexpr size_t kOutputFlag = 0xe08;     // p_1's sensitivity-wait flag
constexpr size_t kOutDriver = 0xe58;      // p_1 -> O

// The check process's literal pool.
constexpr size_t kPool = 0x163c;
constexpr size_t kAttr1Value = kPool;            // 9 bytes
constexpr size_t kAttr1Allowed = kPool + 9;      // 9 bytes
constexpr uint32_t kAttr1Length = 9;
constexpr size_t kAttr1Report = kPool + 18;      // 85 bytes
constexpr uint32_t kAttr1ReportLength = 85;
constexpr size_t kAttr2Pairs = kPool + 103;      // ten (value, allowed) byte pairs
constexpr int kAttr2Choices = 10;
constexpr size_t kAttr2Report = kPool + 144;     // 88 bytes
constexpr uint32_t kAttr2ReportLength = 88;

void report(char *b, size_t text, uint32_t length) {
    zem_report(reinterpret_cast<const char *>(b + text), length, SEV_FAILURE);
}

}  // namespace

extern "C" {

// Time-zero check: runs once and then waits for ever.
void gatlib_a_0780662263_2014779070_p_0(char *b) {
    uint8_t *first_time = object_value(b, kFirstTime);
    if (*first_time) {
        if (std::memcmp(b + kAttr1Value, b + kAttr1Allowed, kAttr1Length) != 0)
            report(b, kAttr1Report, kAttr1ReportLength);
        bool allowed = false;
        for (int i = 0; i < kAttr2Choices; ++i) {
            const char *pair = b + kAttr2Pairs + 2 * static_cast<size_t>(i);
            if (pair[0] == pair[1]) allowed = true;
        }
        if (!allowed) report(b, kAttr2Report, kAttr2ReportLength);
        *first_time = 0;
    }
    // wait; : neither a wait time nor the sensitivity flag
    resume_slot(b, kCheckProcess) = reinterpret_cast<void *>(&gatlib_a_0780662263_2014779070_p_0);
}

// Output: O <= To_X01(I), on every event of I.
void gatlib_a_0780662263_2014779070_p_1(char *b) {
    const uint8_t v = ieee_p_2592010699_sub_1388759734_503743352(IEEE_P_2592010699, *signal_value(b, kInput));
    *driver_staging(b, kOutDriver) = v;
    zem_driver_first_trans_fast_port(driver_record(b, kOutDriver));
    wait_flag(b, kOutputFlag) = 1;
}

static void *pe[] = {
    reinterpret_cast<void *>(&gatlib_a_0780662263_2014779070_p_0),
    reinterpret_cast<void *>(&gatlib_a_0780662263_2014779070_p_1),
};

void gatlib_a_0780662263_2014779070_init(void) {
    zem_register_didat("gatlib_a_0780662263_2014779070", SNAPSHOT_DIDAT("gatlib/a_0780662263_2014779070.didat"));
    zem_register_executes(pe);
}

}  // extern "C"
