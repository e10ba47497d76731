// The gamma table: the 256 entries computed at elaboration against the C
// library's pow and fixed values, the registered read port's one-edge
// latency, narrower entries, and the parameters the table function refuses.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "ieee/p_3972351953.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "work/a_0280078389_1516540902.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr uint8_t kU = 0, k0 = 2, k1 = 3;
constexpr const char *kGammaUnit = "work_a_0280078389_1516540902";
constexpr size_t kGammaRom = 0x760;  // object descriptor of the table in the unit's block

// Test top: a clock, the address the test process drives and the table's
// output, around one instance `g`.
constexpr size_t kTopClk = 0x3e0, kTopAddr = 0x480, kTopDout = 0x520;
constexpr size_t kTopRecord = 0x1000, kTopFlag = 0x1800, kTopAddrDriver = 0x1a00;

// Entry i for an 8-bit table: round half away from zero of (i/255)**G * 255,
// with the C library.
int expected_entry(int i, double gamma) { return static_cast<int>(std::floor(std::pow(i / 255.0, gamma) * 255.0 + 0.5)); }

// The 8 elements of v, most significant first.
std::vector<uint8_t> bits8(int v) {
    std::vector<uint8_t> out(8);
    for (int e = 0; e < 8; ++e) out[e] = (v >> (7 - e)) & 1 ? k1 : k0;
    return out;
}

// Row i of a table value (row i at byte (255 - i) * 8).
std::vector<uint8_t> row(const uint8_t *table, int i) {
    const uint8_t *r = table + (255 - i) * 8;
    return std::vector<uint8_t>(r, r + 8);
}

// What the test process saw at each rising edge of the clock, before that
// edge's updates: the address presented and the table's output.
struct EdgeSample {
    int addr;
    std::vector<uint8_t> dout;
};
std::vector<EdgeSample> g_edges;

// The address presented after edge j: a permutation of 0..255.
int address_after_edge(size_t j) { return static_cast<int>((j * 167 + 3) % 256); }

int as_number(const uint8_t *v, int n) {
    int x = 0;
    for (int e = 0; e < n; ++e) x = x * 2 + (v[e] == k1 ? 1 : 0);
    return x;
}

// Test process: at every rising edge records addr and dout, then presents the
// next address.
void drive_addresses(char *b) {
    if (*signal_value(b, kTopClk) == k1) {
        const uint8_t *dout = signal_value(b, kTopDout);
        g_edges.push_back({as_number(signal_value(b, kTopAddr), 8), std::vector<uint8_t>(dout, dout + 8)});
        std::vector<uint8_t> next = bits8(address_after_edge(g_edges.size() - 1));
        std::memcpy(driver_staging(b, kTopAddrDriver), next.data(), 8);
        zem_driver_first_trans_fast(driver_record(b, kTopAddrDriver));
    }
    wait_flag(b, kTopFlag) = 1;
}
void *g_top_pe[] = {reinterpret_cast<void *>(&drive_addresses)};

class GammaTable : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        g_edges.clear();
    }

    // Elaborates and runs a top holding one gamma table with the given
    // generic map; returns the run's status.
    int run_top(const std::string &generics, std::vector<std::string> options) {
        write("kest/t/gamma_top.didat", R"(didat 1
unit t_gamma_top arch entity=tb
block 0x2000
counts pe=1
use ieee_p_2592010699
signal 0 clk sig std_logic := '0'
signal 1 addr sig std_logic_vector(7 downto 0) := "00000000"
signal 2 dout sig std_logic_vector(7 downto 0)
process 0 record=0x1000 flag=0x1800 sens=clk
driver 0x1a00 p0 addr
inst g work_a_0280078389_1516540902 generic )" + generics +
                                                R"( port clk=>clk addr=>addr dout=>dout
)");
        start(options);
        ieee_p_2592010699_init();
        ieee_p_3499444699_init();
        ieee_p_3620187407_init();
        ieee_p_3972351953_init();
        work_a_0280078389_1516540902_init();
        zem_register_didat("t_gamma_top", "kest/t/gamma_top.didat");
        zem_register_executes(g_top_pe);
        zem_register_tops("t_gamma_top");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        IEEE_P_3972351953 = zem_get_engine_memory("ieee_p_3972351953");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    // The table the kernel stored in the instance's constant.
    const uint8_t *table() { return object_value(zem_get_engine_memory(kGammaUnit), kGammaRom); }
};

TEST_F(GammaTable, EveryEntryIsTheRoundedCurveOfTheCLibrary) {
    for (double gamma : {2.2, 1.0, 2.0, 0.45, 3.0}) {
        SCOPED_TRACE(gamma);
        tovu::testing::reset();
        char generics[64];
        std::snprintf(generics, sizeof generics, "WIDTH=8 GAMMA=%.17g", gamma);
        ASSERT_EQ(run_top(generics, {"--stop-time=0ps"}), 0);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(row(table(), i), bits8(expected_entry(i, gamma))) << "entry " << i;
        }
    }
}

TEST_F(GammaTable, DesignCurveAtKnownPoints) {
    struct Point {
        double gamma;
        int i;
        int entry;
    } points[] = {{2.2, 0, 0},     {2.2, 2, 0},     {2.2, 14, 0},    {2.2, 15, 1},   {2.2, 16, 1},
                  {2.2, 64, 12},   {2.2, 128, 56},  {2.2, 200, 149}, {2.2, 254, 253}, {2.2, 255, 255},
                  {2.0, 1, 0},     {2.0, 16, 1},    {2.0, 64, 16},   {2.0, 128, 64},  {2.0, 200, 157},
                  {1.0, 1, 1},     {1.0, 127, 127}, {1.0, 254, 254}};
    double loaded = -1.0;
    for (const Point &p : points) {
        SCOPED_TRACE(testing::Message() << "G " << p.gamma << " entry " << p.i);
        if (p.gamma != loaded) {
            tovu::testing::reset();
            ASSERT_EQ(run_top("WIDTH=8 GAMMA=" + std::to_string(p.gamma), {"--stop-time=0ps"}), 0);
            loaded = p.gamma;
        }
        EXPECT_EQ(row(table(), p.i), bits8(p.entry));
    }
}

TEST_F(GammaTable, ReadPortShowsTheEntryOneEdgeAfterTheAddress) {
    ASSERT_EQ(run_top("WIDTH=8 GAMMA=2.2", {"--clock=tb/clk=10ns", "--stop-time=2600ns"}), 0);
    ASSERT_GE(g_edges.size(), 258u);
    // Before the first edge the output holds its initial value.
    EXPECT_EQ(g_edges[0].dout, bits8(0));
    for (size_t j = 2; j < g_edges.size(); ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(g_edges[j - 1].addr, address_after_edge(j - 2));
        // dout at edge j is the entry of the address that edge j-1 sampled.
        EXPECT_EQ(g_edges[j].dout, bits8(expected_entry(g_edges[j - 1].addr, 2.2)));
    }
}

TEST_F(GammaTable, NarrowEntriesFillTheLeftOfTheirRowsAndLeaveTheRestUndefined) {
    ASSERT_EQ(run_top("WIDTH=4 GAMMA=1.0", {"--stop-time=0ps"}), 0);
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        std::vector<uint8_t> want(8, kU);
        if (i < 16)
            for (int e = 0; e < 4; ++e) want[e] = (i >> (3 - e)) & 1 ? k1 : k0;
        EXPECT_EQ(row(table(), i), want);
    }
}

TEST_F(GammaTable, WidthBeyondTheTableIsRefusedWhenTheDesignIsLoaded) {
    for (const char *width : {"9", "-1"}) {
        SCOPED_TRACE(width);
        tovu::testing::reset();
        capture_stderr();
        int status = run_top(std::string("WIDTH=") + width + " GAMMA=2.2", {"--stop-time=0ps"});
        std::string err = captured_stderr();
        EXPECT_EQ(status, 2);
        EXPECT_NE(err.find("outside the range"), std::string::npos) << err;
    }
}

TEST_F(GammaTable, WidthZeroLeavesEveryEntryUndefined) {
    // M = 2**0 - 1 = 0: the one entry has no elements, so every row stays 'U'.
    EXPECT_EQ(run_top("WIDTH=0 GAMMA=2.2", {"--clock=tb/clk=10ns", "--stop-time=100ns"}), 0);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(row(table(), i), std::vector<uint8_t>(8, kU)) << i;
    EXPECT_EQ(zem_get_sim_current_time(), 100000);  // the run went on to its stop time
}

TEST_F(GammaTable, ExponentZeroReportsAnErrorForEntryZeroAndStillComputesTheTable) {
    // x ** 0.0 is 1.0 for x > 0; 0.0 ** 0.0 is an error of math_real's "**",
    // which gives 0.0.
    tovu::testing::capture_reports(true);
    EXPECT_EQ(run_top("WIDTH=8 GAMMA=0.0", {"--clock=tb/clk=10ns", "--stop-time=100ns"}), 1);  // an ERROR report
    const auto &reports = tovu::testing::reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].severity, SEV_ERROR);
    EXPECT_EQ(reports[0].time, 0);
    EXPECT_EQ(row(table(), 0), bits8(0));
    for (int i = 1; i < 256; ++i) ASSERT_EQ(row(table(), i), bits8(255)) << i;
    EXPECT_FALSE(g_edges.empty());  // the run went on
    EXPECT_EQ(zem_get_sim_current_time(), 100000);
}

TEST_F(GammaTable, NegativeExponentEndsTheRunWithAFailure) {
    for (const char *gamma : {"-2.2", "-0.5"}) {
        SCOPED_TRACE(gamma);
        tovu::testing::reset();
        tovu::testing::capture_reports(true);
        EXPECT_EQ(run_top(std::string("WIDTH=8 GAMMA=") + gamma, {"--clock=tb/clk=10ns", "--stop-time=100ns"}), 1);
        const auto &reports = tovu::testing::reports();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].severity, SEV_FAILURE);
        EXPECT_EQ(reports[0].message,
                  "gamma table: the width WIDTH must be 0 to 8 and GAMMA a non-negative finite number");
        EXPECT_EQ(reports[0].time, 0);
        // No wrapped table: every entry is left undefined.
        for (int i = 0; i < 256; ++i) ASSERT_EQ(row(table(), i), std::vector<uint8_t>(8, kU)) << i;
        EXPECT_TRUE(g_edges.empty());  // the run ended before the first clock edge
    }
}

TEST_F(GammaTable, TableFunctionRefusesExponentsThatAreNotFinite) {
    // Elaborate only, then call the table function directly with the
    // instance's block.
    ASSERT_EQ(run_top("WIDTH=8 GAMMA=2.2", {"--stop-time=0ps"}), 0);
    char *block = zem_get_engine_memory(kGammaUnit);
    for (double gamma : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(gamma);
        tovu::testing::capture_reports(true);
        const uint8_t *t = work_a_0280078389_1516540902_sub_2634708603_2134189630(block, 8, gamma);
        ASSERT_EQ(tovu::testing::reports().size(), 1u);
        EXPECT_EQ(tovu::testing::reports()[0].severity, SEV_FAILURE);
        for (int i = 0; i < 256; ++i) ASSERT_EQ(row(t, i), std::vector<uint8_t>(8, kU)) << i;
    }
}

}  // namespace
