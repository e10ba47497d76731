// The device-primitive buffers: the plain buffer and the checked buffer, each
// instantiated in a small test bench whose input the kernel drives, with the
// units' real design data. Outputs follow To_X01 of the input; the checked
// buffer's time-zero attribute checks report FAILUREs for values outside the
// allowed sets, once.
#include <string>
#include <utility>
#include <vector>

#include "gatlib/a_0780662263_2014779070.h"
#include "gatlib/a_1490675510_1976025627.h"
#include "ieee/p_2592010699.h"
#include "kernel.h"
#include "units/globals.h"
#include "sim_fixture.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr size_t bench_signal(int n) { return 0x3e0 + 160 * static_cast<size_t>(n); }
constexpr size_t kPlainOut = bench_signal(1);
constexpr size_t kCheckedOut = bench_signal(2);
constexpr size_t kMonitorFlag = 0x1800;
constexpr size_t kFirstTimeFlag = 0x648;  // in the checked buffer's block, through its descriptor
const char kChars[] = "UX01ZWLH-";

// Every change of either output: (time, plain buffer's value, checked buffer's value).
struct Change {
    int64_t time;
    char plain, checked;
    bool operator==(const Change &) const = default;
};
std::vector<Change> g_changes;

void monitor(char *b) {
    if (zem_signal_has_event(signal_record(b, kPlainOut)) || zem_signal_has_event(signal_record(b, kCheckedOut)))
        g_changes.push_back(
            {zem_get_sim_current_time(), kChars[*signal_value(b, kPlainOut)], kChars[*signal_value(b, kCheckedOut)]});
    wait_flag(b, kMonitorFlag) = 1;
}
void *g_monitor_pe[] = {reinterpret_cast<void *>(&monitor)};

const char kBench[] = R"(didat 1
unit t_bench arch entity=tb
block 0x2000
counts pe=1
use ieee_p_2592010699
signal 0 a sig std_logic
signal 1 y_plain sig std_logic
signal 2 y_checked sig std_logic
process 0 record=0x1000 flag=0x1800 sens=y_plain,y_checked
inst pb gatlib_a_1490675510_1976025627 port O=>y_plain I=>a
inst cb gatlib_a_0780662263_2014779070 port O=>y_checked I=>a
)";

const char kCheckedDidat[] = "kest/benchsnap.exe.sim/gatlib/a_0780662263_2014779070.didat";

class GatlibBuffers : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        write("kest/t/bench.didat", kBench);
        g_changes.clear();
        tovu::testing::capture_reports(true);
    }

    int simulate(const std::vector<std::string> &options) {
        start(options);
        ieee_p_2592010699_init();
        gatlib_a_0780662263_2014779070_init();
        gatlib_a_1490675510_1976025627_init();
        zem_register_didat("t_bench", "kest/t/bench.didat");
        zem_register_executes(g_monitor_pe);
        zem_register_tops("t_bench");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    std::string stimulus(const std::string &text) {
        write("stim.txt", text);
        return "--stimulus=" + dir_ + "/stim.txt";
    }

    // Replaces one line of the checked buffer's design data (the attribute
    // values of the instance).
    void patch_checked(const std::string &from, const std::string &to) {
        std::string text = read(kCheckedDidat);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        write(kCheckedDidat, text);
    }

    static char *checked_block() {
        for (const auto &inst : tovu::K().instances)
            if (inst->path == "tb/cb") return inst->block;
        return nullptr;
    }
};

TEST_F(GatlibBuffers, OutputsFollowTheInputReducedToX01) {
    const std::string stim = stimulus(
        "10ps tb/a '0'\n"
        "20ps tb/a '1'\n"
        "30ps tb/a 'H'\n"  // still '1': no event on the outputs
        "40ps tb/a 'L'\n"
        "50ps tb/a 'Z'\n"
        "60ps tb/a '-'\n"
        "70ps tb/a 'W'\n"
        "80ps tb/a 'H'\n"
        "90ps tb/a 'U'\n");
    ASSERT_EQ(simulate({"--stop-time=100ps", stim}), 0);
    // The input starts at 'U': both outputs start at 'X'.
    const std::vector<Change> want = {{0, 'X', 'X'},  {10, '0', '0'}, {20, '1', '1'}, {40, '0', '0'},
                                      {50, 'X', 'X'}, {80, '1', '1'}, {90, 'X', 'X'}};
    EXPECT_EQ(g_changes, want);
    EXPECT_TRUE(tovu::testing::reports().empty());
}

TEST_F(GatlibBuffers, TheAttributeCheckRunsOnceAndPassesWithTheDesignsValues) {
    const std::string stim = stimulus("10ps tb/a '1'\n20ps tb/a '0'\n30ps tb/a '1'\n");
    ASSERT_EQ(simulate({"--stop-time=50ps", stim}), 0);
    EXPECT_TRUE(tovu::testing::reports().empty());
    char *cb = checked_block();
    ASSERT_NE(cb, nullptr);
    EXPECT_EQ(*object_value(cb, kFirstTimeFlag), 0);  // the one-shot flag was cleared
    EXPECT_EQ(g_changes.back(), (Change{30, '1', '1'}));
}

TEST_F(GatlibBuffers, AttributesOutsideTheirSetsGiveOneFailureEachInOrder) {
    patch_checked("text +0 len=9 \"DONT_CARE\"", "text +0 len=9 \"DONT_KNOW\"");
    patch_checked("text +103 len=20 \"00010203040506070809\"", "text +103 len=20 \"A0A1A2A3A4A5A6A7A8A9\"");
    EXPECT_EQ(simulate({"--stop-time=50ps"}), 1);  // a FAILURE ends the run
    const auto &reports = tovu::testing::reports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].message.size(), 85u);
    EXPECT_EQ(reports[1].message.size(), 88u);
    EXPECT_EQ(reports[0].message.find("capacitance") != std::string::npos, true);
    EXPECT_EQ(reports[1].message.find("delay") != std::string::npos, true);
    for (const auto &r : reports) {
        EXPECT_EQ(r.severity, SEV_FAILURE);
        EXPECT_EQ(r.time, 0);
    }
}

TEST_F(GatlibBuffers, EachCheckReportsOnItsOwn) {
    // only the second attribute off; any one allowed value passes the check
    patch_checked("text +103 len=20 \"00010203040506070809\"", "text +103 len=20 \"A0A1A2A3A4A5A6A7A8A9\"");
    EXPECT_EQ(simulate({"--stop-time=10ps"}), 1);
    ASSERT_EQ(tovu::testing::reports().size(), 1u);
    EXPECT_EQ(tovu::testing::reports()[0].message.size(), 88u);

    tovu::testing::reset();
    tovu::testing::capture_reports(true);
    patch_checked("text +103 len=20 \"A0A1A2A3A4A5A6A7A8A9\"", "text +103 len=20 \"A0A1A2A3A4A5A677A8A9\"");
    patch_checked("text +0 len=9 \"DONT_CARE\"", "text +0 len=9 \"dont_care\"");
    EXPECT_EQ(simulate({"--stop-time=10ps"}), 1);
    ASSERT_EQ(tovu::testing::reports().size(), 1u);
    EXPECT_EQ(tovu::testing::reports()[0].message.size(), 85u);
}

}  // namespace
