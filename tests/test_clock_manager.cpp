// The clock manager model in a small test bench: locking on a 31250 ps input
// clock, the periods of its channels, its lock indication, its run-time
// checks and the guards against settings that would divide by zero or toggle
// in zero time.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock_manager_bench.h"

using tovu_test::ClockManagerBench;

namespace {

constexpr int64_t kPeriod = 31250;              // input clock (32 MHz)
constexpr int64_t kFirstEdge = kPeriod / 2;     // --clock starts low
constexpr int kMultiply = 18;                   // oscillator = 18 x input
constexpr int64_t kOscPeriod = kPeriod / kMultiply;  // 1736 ps, the remainder spread over the cycles

// Rising edge k of the input clock.
constexpr int64_t edge(int k) { return kFirstEdge + kPeriod * k; }

// The stage counter climbs one stage per measured input edge from edge 1 on
// (edge 0 releases the model's reset); the oscillator is enabled at the
// edge that finds stage 6 and the lock flag rises at the edge that finds the
// first threshold (8).
constexpr int kEnableEdge = 7;
constexpr int kLockEdge = 9;

std::string real_text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%e", v);
    return buf;
}

const std::string kClock = "--clock=tb/clk=31250ps";

TEST_F(ClockManagerBench, LocksOnTheInputClockAndDividesTheOscillator) {
    ASSERT_EQ(simulate({kClock, "--stop-time=2us"}), 0);
    EXPECT_TRUE(reports().empty());

    // the measured period and what the model derives from it
    EXPECT_EQ(time_of("avg_period"), kPeriod);
    EXPECT_EQ(time_of("osc_period"), kOscPeriod);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(time_of("tap_delay" + std::to_string(k)), kOscPeriod * k / 8) << k;
    EXPECT_EQ(integer("divide"), kMultiply);
    EXPECT_EQ(integer("multiply"), 1);

    // lock ladder: stage k after input edge k, up to the stage limit 48
    EXPECT_EQ(integer("stage"), 48);
    EXPECT_EQ(last_change("stage"), edge(48));
    EXPECT_EQ(bits("osc_en"), "1");
    EXPECT_EQ(last_change("osc_en"), edge(kEnableEdge));
    EXPECT_EQ(bits("lock"), "1");
    EXPECT_EQ(last_change("lock"), edge(kLockEdge));
    EXPECT_EQ(bits("lock_d"), "1");  // the lock flag 100 ps later
    EXPECT_EQ(last_change("lock_d"), edge(kLockEdge) + 100);
    EXPECT_EQ(bits("lock_od"), "H");

    // Every channel starts with the first oscillator edge laid onto the
    // taps after the enable, one oscillator period later.
    const int64_t start = edge(kEnableEdge) + kOscPeriod;
    struct Channel {
        int output, divide;
    } channels[] = {{0, 3}, {1, 39}, {2, 1}, {6, 18}};
    for (const Channel &c : channels) {
        SCOPED_TRACE("channel " + std::to_string(c.output));
        const std::vector<int64_t> r = rises(c.output);
        ASSERT_GE(r.size(), 3u);
        EXPECT_EQ(r.front(), start);
        // Over a window of lcm(divide, 18) / divide periods the time is
        // exact; each single period is within 1 ps of divide x 1736.11 ps.
        int window = 1;
        while ((window * c.divide) % kMultiply != 0) ++window;
        const int64_t window_time = kPeriod * window * c.divide / kMultiply;
        for (size_t i = 0; i + window < r.size(); ++i) EXPECT_EQ(r[i + window] - r[i], window_time) << i;
        for (size_t i = 0; i + 1 < r.size(); ++i) {
            const int64_t p = r[i + 1] - r[i];
            EXPECT_LE(std::abs(p * kMultiply - kPeriod * c.divide), kMultiply) << i;
        }
    }
    // 192 MHz, 14.769 MHz, 576 MHz and 32 MHz: the averages over the windows
    EXPECT_NEAR(1e6 * 6 / (rises(0)[6] - rises(0)[0]), 192.0, 1e-9);
    EXPECT_NEAR(1e6 * 6 / (rises(1)[6] - rises(1)[0]), 14.769230769, 1e-6);
    EXPECT_NEAR(1e6 * 18 / (rises(2)[18] - rises(2)[0]), 576.0, 1e-9);
    EXPECT_NEAR(1e6 / (rises(6)[1] - rises(6)[0]), 32.0, 1e-9);
    // the feedback channel is high for half the input period, and every one
    // of its rising edges is a rising edge of the other channels too
    for (const auto &c : tovu_test::output_changes())
        if (c.output == 6 && c.value == '0') {
            EXPECT_EQ((c.time - start) % kPeriod, kPeriod / 2);
        }
    for (int64_t t : rises(6)) {
        for (int out : {0, 2}) {
            const std::vector<int64_t> r = rises(out);
            EXPECT_NE(std::find(r.begin(), r.end(), t), r.end()) << out << " at " << t;
        }
    }
}

TEST_F(ClockManagerBench, OutputsStayLowWithoutAnInputClock) {
    ASSERT_EQ(simulate({"--stop-time=1us"}), 0);
    EXPECT_TRUE(reports().empty());
    EXPECT_TRUE(rises(0).empty());
    EXPECT_EQ(bits("rst_core"), "1");  // held in reset until the first input edge
    EXPECT_EQ(bits("lock"), "0");
    EXPECT_EQ(bits("clkout0") + bits("clkout1") + bits("clkfbout"), "000");
}

// ---- run-time checks -------------------------------------------------------------

const char kRangeText[] =
    " MHz is outside the range that the VCO allows, which is 4.000000e+02 MHz to 1.000000e+03 MHz. With the "
    "feedback through CLKFBOUT it is CLKFBOUT_MULT (18), over DIVCLK_DIVIDE, and the selected input period. Change "
    "the multiply or divide values or the input period to suit.";

TEST_F(ClockManagerBench, RunTimeChecksReportWithTheirTexts) {
    // Input 2 (10 ns) selected: 18 / 10 ns = 1800 MHz, above the range.
    const std::string range = "Clock manager attribute error: the computed VCO frequency, " + real_text(1800.0) + kRangeText;
    const std::string pulse = "Clock manager error: an RST pulse is below 10 ns long.";
    const std::string release =
        "Clock manager error: REL changed to 0 or 1 while the model is out of reset; the input clock can only be "
        "switched while in reset.";
    struct Case {
        const char *what;
        std::vector<std::string> options;
        std::string stimulus;
        std::vector<tovu::testing::Report> expected;
    } cases[] = {
        {"input frequency out of range", {"--force=tb/sel='0'"}, "", {{range, SEV_ERROR, 1}}},
        {"input 1 in range", {kClock}, "", {}},
        {"reset pulse of 5 ns", {}, "100ns tb/rst '1'\n105ns tb/rst '0'\n", {{pulse, SEV_ERROR, 105000}}},
        {"reset pulse of 9999 ps", {}, "100ns tb/rst '1'\n109999ps tb/rst '0'\n", {{pulse, SEV_ERROR, 109999}}},
        {"reset pulse of 10 ns", {}, "100ns tb/rst '1'\n110ns tb/rst '0'\n", {}},
        {"reset pulse rising at 0", {}, "0ps tb/rst '1'\n5ns tb/rst '0'\n", {}},
        {"release input out of reset", {kClock}, "100ns tb/rel '1'\n", {{release, SEV_ERROR, 100000}}},
        {"release input in reset", {}, "100ns tb/rel '1'\n", {}},
        {"release input to 'X'", {kClock}, "100ns tb/rel 'X'\n", {}},
        {"feedback interval of 1300 ns",
         {},
         "100ns tb/fb '1'\n150ns tb/fb '0'\n200ns tb/fb '1'\n250ns tb/fb '0'\n1500ns tb/fb '1'\n",
         {{"Warning: CLKFBIN rose only after 1300 ns, beyond the interval limit of 1000 ns.\n", SEV_WARNING, 1500000}}},
        {"feedback interval of 1000 ns",
         {},
         "100ns tb/fb '1'\n150ns tb/fb '0'\n1100ns tb/fb '1'\n",
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        std::vector<std::string> options = c.options;
        options.push_back("--stop-time=2us");
        if (!c.stimulus.empty()) options.push_back(stimulus(c.stimulus));
        simulate(options);
        const auto &got = reports();
        ASSERT_EQ(got.size(), c.expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].message, c.expected[i].message);
            EXPECT_EQ(got[i].severity, c.expected[i].severity);
            EXPECT_EQ(got[i].time, c.expected[i].time);
        }
    }
}

TEST_F(ClockManagerBench, TimeZeroChecksReportAttributesOutsideTheirSetsOnce) {
    const std::string freq = "Clock manager attribute error: for this input select, the limit ";
    const std::string inputs = "MHz is broken: CLKIN2, CLKIN1 " + real_text(100.0) + "MHz vs " + real_text(32.0) + "MHz.\n";
    struct Case {
        const char *what;
        std::vector<std::pair<std::string, std::string>> patches;
        std::vector<std::string> messages;
    } cases[] = {
        {"the model as built", {}, {}},
        // CLKIN1 31.25 ns (32 MHz) and CLKIN2 10 ns (100 MHz): with select 2
        // '0', input 1 selected must not see input 2 above 31.25 MHz ...
        {"select 1 '1', select 2 '0'",
         {{"signal 73 clkinsel_i sig std_ulogic", "signal 73 clkinsel_i sig std_ulogic := '1'"},
          {"signal 75 sel_check sig std_ulogic := '1'", "signal 75 sel_check sig std_ulogic := '0'"}},
         {freq + real_text(31.25) + inputs}},
        // ... and input 2 selected must not see it above 10 MHz
        {"select 1 '0', select 2 '0'",
         {{"signal 73 clkinsel_i sig std_ulogic", "signal 73 clkinsel_i sig std_ulogic := '0'"},
          {"signal 75 sel_check sig std_ulogic := '1'", "signal 75 sel_check sig std_ulogic := '0'"}},
         {freq + real_text(10.0) + inputs}},
        {"a string attribute outside its set",
         {{"text +84 len=9 \"OPTIMIZED\"", "text +84 len=9 \"OPTIMAL__\""}},
         {"Clock manager error: BANDWIDTH should be OPTIMIZED or LOW_NOISE."}},
        {"the output mode",
         {{"text +1264 len=6 \"DIVIDE\"", "text +1264 len=6 \"BYPASS\""}},
         {"Clock manager attribute error: OUTPUT_MODE must be DIVIDE; the model has no other output modes."}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        for (const auto &p : c.patches) patch_model(p.first, p.second);
        simulate({kClock, "--stop-time=200ns"});
        std::vector<std::string> got;
        for (const auto &r : reports()) {
            got.push_back(r.message);
            EXPECT_EQ(r.severity, SEV_ERROR);
            EXPECT_EQ(r.time, 0);
        }
        EXPECT_EQ(got, c.messages);
        // every check ran to the end: the set-up started and the stage limits are set
        EXPECT_EQ(integer("setup_en"), 1);
        EXPECT_EQ(integer("stage_max"), 48);
    }
}

// ---- guards ------------------------------------------------------------------------

TEST_F(ClockManagerBench, TheFreeOscillatorTogglesEveryHalfPeriodAndAZeroHalfPeriodStopsIt) {
    // the free-running oscillator instead of the pulse train, not stopped
    patch_model("signal 166 train_sel sig std_ulogic := '1'", "signal 166 train_sel sig std_ulogic := '0'");
    ASSERT_EQ(simulate({"--stop-time=10ns"}), 0);
    EXPECT_TRUE(reports().empty());
    // 868 ps half period: toggles at 868, 1736, ... ; the last one before 10 ns
    EXPECT_EQ(last_change("osc"), 868 * (10000 / 868));
    EXPECT_EQ(bits("osc"), (10000 / 868) % 2 ? "1" : "0");

    // A half period of 0 would toggle in zero time for ever: the oscillator
    // reports and stays put, and the run reaches its stop time.
    TearDown();
    SetUp();
    patch_model("signal 166 train_sel sig std_ulogic := '1'", "signal 166 train_sel sig std_ulogic := '0'");
    patch_model("const 0xc870 osc_half_period time := 868 ps", "const 0xc870 osc_half_period time := 0 ps");
    EXPECT_EQ(simulate({"--stop-time=10ns"}), 1);  // the ERROR
    EXPECT_EQ(tovu::K().stop_reason, "stop time reached");
    ASSERT_FALSE(reports().empty());
    EXPECT_EQ(reports()[0].message,
              "Clock manager error: the oscillator half period is not positive; the free-running oscillator stays "
              "stopped.");
    EXPECT_EQ(bits("osc"), "0");
}

TEST_F(ClockManagerBench, AnInputPeriodBeyondThirtyTwoBitsKeepsThePhaseDelay) {
    // An input period of 2^32 ps: the phase delay wraps its period into 32
    // bits, which gives 0 (and negative values while the average climbs);
    // the delay keeps its last value instead of dividing by zero or turning
    // negative.
    ASSERT_EQ(simulate({"--clock=tb/clk=4294967296ps", "--stop-time=30ms"}), 0);
    EXPECT_EQ(tovu::K().stop_reason, "stop time reached");
    EXPECT_EQ(time_of("avg_period"), int64_t{1} << 32);
    EXPECT_GT(time_of("line_delay"), 0);
}

TEST_F(ClockManagerBench, IndexesOutsideTheirRangesEndTheRunInsteadOfReadingBeside) {
    // the register read address and a tap index beyond their ranges
    for (const char *force : {"--force=tb/cm/reg_addr=40", "--force=tb/cm/reg_addr=-1", "--force=tb/cm/tap_index3=8"}) {
        SCOPED_TRACE(force);
        TearDown();
        SetUp();
        capture_stderr();
        const int status = simulate({force, "--stop-time=10ns"});
        const std::string err = captured_stderr();
        EXPECT_EQ(status, 1);
        EXPECT_EQ(tovu::K().stop_reason, "a check failed");
        EXPECT_NE(err.find("index"), std::string::npos) << err;
    }
}

}  // namespace
