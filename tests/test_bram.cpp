// The frame memory: initial content computed at elaboration from AW and DW,
// the write port on clk_b, the registered read port on clk_a, and generics
// outside the memory's geometry. Each test runs the memory unit inside a
// small test bench whose inputs the kernel drives (--clock, --stimulus).
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "kernel.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "work/a_3000712498_0000452272.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr uint8_t kU = 0, kX = 1, k0 = 2, k1 = 3;

// Test bench layout: signals of the bench, its monitor process.
constexpr size_t bench_signal(int n) { return 0x3e0 + 160 * static_cast<size_t>(n); }
constexpr size_t kBenchDout = bench_signal(6);

// Every change of dout as (time, bits from the left).
std::vector<std::pair<int64_t, std::string>> g_dout;

std::string bits_of(const uint8_t *v, size_t n) {
    static const char kChars[] = "UX01ZWLH-";
    std::string s;
    for (size_t i = 0; i < n; ++i) s += v[i] < 9 ? kChars[v[i]] : '?';
    return s;
}
// `value` as n bits, most significant first.
std::string bits(unsigned value, int n) {
    std::string s;
    for (int i = n - 1; i >= 0; --i) s += (value >> i) & 1 ? '1' : '0';
    return s;
}

void monitor(char *b) {
    if (zem_signal_has_event(signal_record(b, kBenchDout)))
        g_dout.emplace_back(zem_get_sim_current_time(), bits_of(signal_value(b, kBenchDout), 8));
    wait_flag(b, 0x1800) = 1;
}
void *g_monitor_pe[] = {reinterpret_cast<void *>(&monitor)};

class Bram : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        g_dout.clear();
    }

    // A bench with one memory instance; its inputs are signals that only the
    // kernel's stimulus drives. With `shared_clock` both ports run on clk_a.
    void write_bench(int aw, int dw, bool shared_clock = false) {
        char generics[64];
        std::snprintf(generics, sizeof generics, "AW=%d DW=%d", aw, dw);
        write("kest/t/bench.didat", std::string(R"(didat 1
unit t_bench arch entity=tb
block 0x2000
counts pe=1
use ieee_p_2592010699
signal 0 clk_a sig std_logic := '0'
signal 1 clk_b sig std_logic := '0'
signal 2 we sig std_logic := '0'
signal 3 waddr sig std_logic_vector(9 downto 0) := (others => '0')
signal 4 raddr sig std_logic_vector(9 downto 0) := (others => '0')
signal 5 din sig std_logic_vector(7 downto 0) := (others => '0')
signal 6 dout sig std_logic_vector(7 downto 0)
process 0 record=0x1000 flag=0x1800 sens=dout
inst mem work_a_3000712498_0000452272 generic )") +
                                        generics + " port clk_a=>clk_a clk_b=>" + (shared_clock ? "clk_a" : "clk_b") +
                                        " we=>we waddr=>waddr raddr=>raddr din=>din dout=>dout\n");
    }

    // Registers the packages, the memory and the bench, sets the package
    // globals as a program's main does, and runs.
    int simulate(const std::vector<std::string> &options) {
        start(options);
        ieee_p_2592010699_init();
        ieee_p_3499444699_init();
        ieee_p_3620187407_init();
        work_a_3000712498_0000452272_init();
        zem_register_didat("t_bench", "kest/t/bench.didat");
        zem_register_executes(g_monitor_pe);
        zem_register_tops("t_bench");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    // Row i of tb/mem/ram (1023 downto 0 of 7 downto 0) as bits from the left.
    static std::string row(int i) {
        const tovu::SignalView *v = tovu::K().signal_by_path.at("tb/mem/ram");
        return bits_of(v->net->value + static_cast<size_t>(v->first) + static_cast<size_t>(1023 - i) * 8, 8);
    }

    std::string stimulus(const std::string &text) {
        write("stim.txt", text);
        return "--stimulus=" + dir_ + "/stim.txt";
    }
};

// ---- initial content ----------------------------------------------------------

TEST_F(Bram, InitialContentOfTheDesignGeometryIsTheRowNumberModulo256) {
    write_bench(10, 8);
    ASSERT_EQ(simulate({"--stop-time=0ps"}), 0);
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(row(i), bits(static_cast<unsigned>(i % 256), 8)) << "row " << i;
}

TEST_F(Bram, SmallerGeometriesFillOnlyTheirRowsAndLeftmostElements) {
    // Row i < 2**AW holds the DW low bits of (i * 2**(DW+1) / 2**(AW-1)) mod
    // 2**AW from its left end; the rest of the memory stays 'U'.
    const std::pair<int, int> geometries[] = {{9, 4}, {10, 1}, {1, 1}, {3, 8}, {10, 5}, {10, 0}};
    for (auto [aw, dw] : geometries) {
        SCOPED_TRACE("AW=" + std::to_string(aw) + " DW=" + std::to_string(dw));
        tovu::testing::reset();
        write_bench(aw, dw);
        ASSERT_EQ(simulate({"--stop-time=0ps"}), 0);
        for (int i = 0; i < 1024; ++i) {
            std::string want(8, 'U');
            if (i < (1 << aw)) {
                long long v = (static_cast<long long>(i) << (dw + 1)) / (1LL << (aw - 1)) % (1LL << aw);
                want.replace(0, static_cast<size_t>(dw), bits(static_cast<unsigned>(v & ((1 << dw) - 1)), dw));
            }
            ASSERT_EQ(row(i), want) << "row " << i;
        }
    }
}

TEST_F(Bram, GenericsOutsideTheGeometryFailTheRunAndWriteNothing) {
    // AW = 0 would divide by 2**-1; AW > 10 or DW > 8 would write past the
    // memory's rows; a negative DW has no vector.
    const std::pair<int, int> geometries[] = {{0, 8}, {11, 8}, {10, 9}, {10, -1}, {-3, 8}};
    for (auto [aw, dw] : geometries) {
        SCOPED_TRACE("AW=" + std::to_string(aw) + " DW=" + std::to_string(dw));
        tovu::testing::reset();
        tovu::testing::capture_reports(true);
        write_bench(aw, dw);
        EXPECT_EQ(simulate({"--stop-time=100ps", "--clock=tb/clk_a=10ps"}), 1);
        ASSERT_FALSE(tovu::testing::reports().empty());
        EXPECT_EQ(tovu::testing::reports()[0].severity, 3);
        EXPECT_EQ(tovu::testing::reports()[0].message,
                  "frame memory: the address width AW must be 1 to 10 and the data width DW 0 to 8");
        EXPECT_EQ(tovu::K().now, 0);
        for (int i = 0; i < 1024; ++i) ASSERT_EQ(row(i), "UUUUUUUU") << "row " << i;
    }
}

// ---- read port -----------------------------------------------------------------

TEST_F(Bram, ReadIsRegisteredOnClkA) {
    // clk_a rises at 5, 15, 25 ...; the address changes between edges.
    write_bench(10, 8);
    std::string stim = stimulus(
        "0ps tb/raddr \"0100101100\"\n"  // 300: reads 44 until it is written
        "20ps tb/raddr \"0000000111\"\n"
        "40ps tb/raddr \"00000X0101\"\n"  // a metavalue address reads row 0
        "60ps tb/raddr \"1111111111\"\n");
    tovu::testing::capture_reports(true);
    ASSERT_EQ(simulate({"--stop-time=80ps", "--clock=tb/clk_a=10ps", stim}), 0);
    std::vector<std::pair<int64_t, std::string>> want = {
        {5, bits(44, 8)}, {25, bits(7, 8)}, {45, bits(0, 8)}, {65, bits(255, 8)}};
    EXPECT_EQ(g_dout, want);
    // CONV_INTEGER warns about the metavalue address at each read of it
    ASSERT_FALSE(tovu::testing::reports().empty());
    for (const auto &r : tovu::testing::reports()) {
        EXPECT_EQ(r.severity, 1) << r.message;
        EXPECT_TRUE(r.time == 45 || r.time == 55) << r.time;
    }
}

// ---- write port ------------------------------------------------------------------

TEST_F(Bram, WriteOnClkBIsSeenByTheReadPortOnItsOwnClock) {
    // clk_b (period 14) rises at 7; clk_a (period 10) reads row 5 at 5 (old
    // word) and at 15 (new word).
    write_bench(10, 8);
    std::string stim = stimulus(
        "0ps tb/we '1'\n"
        "0ps tb/waddr \"0000000101\"\n"
        "0ps tb/raddr \"0000000101\"\n"
        "0ps tb/din x\"A7\"\n"
        "10ps tb/we '0'\n"
        "10ps tb/din x\"3C\"\n");
    ASSERT_EQ(simulate({"--stop-time=50ps", "--clock=tb/clk_a=10ps", "--clock=tb/clk_b=14ps", stim}), 0);
    std::vector<std::pair<int64_t, std::string>> want = {{5, bits(5, 8)}, {15, bits(0xA7, 8)}};
    EXPECT_EQ(g_dout, want);
    EXPECT_EQ(row(5), bits(0xA7, 8));  // we = '0' at the later clk_b edges
    EXPECT_EQ(row(4), bits(4, 8));
    EXPECT_EQ(row(6), bits(6, 8));
}

TEST_F(Bram, OnlyAWriteEnableOfOneWrites) {
    const std::pair<const char *, bool> enables[] = {{"'1'", true},  {"'H'", false}, {"'X'", false},
                                                     {"'U'", false}, {"'0'", false}, {"'Z'", false}};
    for (auto [we, writes] : enables) {
        SCOPED_TRACE(we);
        tovu::testing::reset();
        write_bench(10, 8);
        std::string stim =
            stimulus(std::string("0ps tb/we ") + we + "\n0ps tb/waddr \"1111111111\"\n0ps tb/din x\"5A\"\n");
        ASSERT_EQ(simulate({"--stop-time=30ps", "--clock=tb/clk_b=10ps", stim}), 0);
        EXPECT_EQ(row(1023), writes ? bits(0x5A, 8) : bits(255, 8));
        EXPECT_EQ(row(1022), bits(254, 8));
    }
}

TEST_F(Bram, ReadAndWriteOfOneRowAtOneEdgeGiveTheOldWordFirst) {
    write_bench(10, 8, true);
    std::string stim = stimulus(
        "0ps tb/we '1'\n"
        "0ps tb/waddr \"0000000101\"\n"
        "0ps tb/raddr \"0000000101\"\n"
        "0ps tb/din x\"C3\"\n");
    ASSERT_EQ(simulate({"--stop-time=20ps", "--clock=tb/clk_a=10ps", stim}), 0);
    std::vector<std::pair<int64_t, std::string>> want = {{5, bits(5, 8)}, {15, bits(0xC3, 8)}};
    EXPECT_EQ(g_dout, want);
}

TEST_F(Bram, EdgesFromMetavaluesAndFallingEdgesNeitherReadNorWrite) {
    // 'X' -> '1' is no rising edge (the last value must be '0' or 'L'). The
    // read port keeps its initial value "00000000".
    write_bench(10, 8);
    std::string stim = stimulus(
        "0ps tb/we '1'\n"
        "0ps tb/raddr \"0000001001\"\n"
        "0ps tb/waddr \"0000001001\"\n"
        "0ps tb/din x\"11\"\n"
        "10ps tb/clk_b 'X'\n"
        "20ps tb/clk_a 'X'\n"
        "20ps tb/clk_b '1'\n"
        "30ps tb/clk_a '1'\n"
        "30ps tb/clk_b '0'\n");
    ASSERT_EQ(simulate({"--stop-time=40ps", stim}), 0);
    EXPECT_TRUE(g_dout.empty());
    EXPECT_EQ(row(9), bits(9, 8));
    const tovu::SignalView *dout = tovu::K().signal_by_path.at("tb/dout");
    EXPECT_EQ(bits_of(dout->net->value + dout->first, 8), "00000000");
}

}  // namespace
