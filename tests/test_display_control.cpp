// The display scan controller with its six gamma tables: the cycle-by-cycle
// sequence of address, shift clock, latch, blank and row outputs against a
// scan model written here from the documented scan order and state
// durations, the closed-form pass and row lengths, the 257-step PWM seen at
// the shift-clock edges, a reset in the middle of a scan, and the divider
// values that would freeze the scan.
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "ieee/p_3972351953.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "work/a_0280078389_1516540902.h"
#include "work/a_1424780173_1516540902.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr uint8_t k0 = 2, k1 = 3;

constexpr int64_t kPeriodPs = 10000;  // clock period; edge j at 5 ns + j * 10 ns
constexpr int kColumns = 32, kRows = 16, kPasses = 257;

// ---- the test top: the controller with its ports on test signals ----------

constexpr size_t sig(int k) { return 0x3e0 + 160 * static_cast<size_t>(k); }
constexpr size_t kClk = sig(0), kPix = sig(3), kAddr = sig(4), kRgb0 = sig(5), kRgb1 = sig(6), kRow = sig(7),
                 kBlank = sig(8), kSclk = sig(9), kLatch = sig(10);
constexpr size_t kMonitorRecord = 0x1000, kSourceRecord = 0x10f8;
constexpr size_t kMonitorFlag = 0x1800, kSourceFlag = 0x1810;
constexpr size_t kPixDriver = 0x1a00;

std::string top_didat(int clk_div) {
    return R"(didat 1
unit t_disp_top arch entity=tb
block 0x2000
counts pe=2
use ieee_p_2592010699
signal 0 clk sig std_logic := '0'
signal 1 rst sig std_logic := '1'
signal 2 start sig std_logic := '0'
signal 3 pix sig std_logic_vector(47 downto 0) := (others => '0')
signal 4 addr sig std_logic_vector(8 downto 0)
signal 5 rgb_0 sig std_logic_vector(2 downto 0)
signal 6 rgb_1 sig std_logic_vector(2 downto 0)
signal 7 row sig std_logic_vector(3 downto 0)
signal 8 blank sig std_logic
signal 9 sclk sig std_logic
signal 10 latch sig std_logic
process 0 record=0x1000 flag=0x1800 sens=clk
process 1 record=0x10f8 flag=0x1810 sens=clk
driver 0x1a00 p1 pix
inst disp work_a_1424780173_1516540902 generic CLK_DIV=)" +
           std::to_string(clk_div) + R"( \
     port clk=>clk rst=>rst start=>start pix_in=>pix addr_out=>addr rgb_0=>rgb_0 rgb_1=>rgb_1 \
          row_out=>row blank_out=>blank strobe_a_out=>sclk strobe_b_out=>latch
)";
}

// The picture the test's source process shows: colour byte k (k = 2 * colour
// + half) of the pixel at scan address a. Every column of a row has its own
// value; columns 0, 1, 30 and 31 give the extremes 255, 0, 254 and 1.
int picture_byte(int a, int k) {
    const int row = a >> 5, col = a & 31;
    switch (col) {
    case 0: return 255;
    case 1: return 0;
    case 30: return 254;
    case 31: return 1;
    default: return (col * 8 + k * 45 + row * 7) % 256;
    }
}

// The design's gamma curve, computed here with the C library.
int gamma_of(int byte) { return static_cast<int>(std::floor(std::pow(byte / 255.0, 2.2) * 255.0 + 0.5)); }

int as_number(const uint8_t *v, int n) {
    int x = 0;
    for (int e = 0; e < n; ++e) x = x * 2 + (v[e] == k1 ? 1 : 0);
    return x;
}
bool is_01(const uint8_t *v, int n) {
    for (int e = 0; e < n; ++e)
        if (v[e] != k0 && v[e] != k1) return false;
    return true;
}

bool clock_rose(char *b) { return zem_signal_has_event(signal_record(b, kClk)) && *signal_value(b, kClk) == k1; }
bool clock_fell(char *b) { return zem_signal_has_event(signal_record(b, kClk)) && *signal_value(b, kClk) == k0; }

// What the monitor sees during one clock cycle (at its falling edge).
struct Sample {
    int addr = 0;
    bool sclk = false, latch = false, blank = false;
    int row = 0;
    bool rgb[2][3] = {};  // [half][colour]: rgb_h(colour)
    bool defined = true;  // every output element is '0' or '1'
    // The scan outputs; the colour bits are checked by decoding them as a
    // panel would.
    bool operator==(const Sample &o) const {
        return addr == o.addr && sclk == o.sclk && latch == o.latch && blank == o.blank && row == o.row;
    }
};
std::vector<Sample> g_samples;  // index = cycle number j (after edge j)

void monitor(char *b) {
    if (clock_fell(b)) {
        Sample s;
        s.addr = as_number(signal_value(b, kAddr), 9);
        s.sclk = *signal_value(b, kSclk) == k1;
        s.latch = *signal_value(b, kLatch) == k1;
        s.blank = *signal_value(b, kBlank) == k1;
        s.row = as_number(signal_value(b, kRow), 4);
        for (int h = 0; h < 2; ++h) {
            const uint8_t *rgb = signal_value(b, h == 0 ? kRgb0 : kRgb1);
            // rgb_h is (2 downto 0): colour c is element c, at position 2 - c.
            for (int c = 0; c < 3; ++c) s.rgb[h][c] = rgb[2 - c] == k1;
            s.defined = s.defined && is_01(rgb, 3);
        }
        s.defined = s.defined && is_01(signal_value(b, kAddr), 9) && is_01(signal_value(b, kRow), 4) &&
                    is_01(signal_value(b, kSclk), 1) && is_01(signal_value(b, kLatch), 1) &&
                    is_01(signal_value(b, kBlank), 1);
        g_samples.push_back(s);
    }
    wait_flag(b, kMonitorFlag) = 1;
}

// The picture source stands for a frame memory with a registered read port:
// at each rising edge it presents the six bytes of the address shown before
// the edge. pix is (47 downto 0) with byte k in bits 8k+7..8k.
void picture_source(char *b) {
    if (clock_rose(b)) {
        const int a = as_number(signal_value(b, kAddr), 9);
        uint8_t *staging = driver_staging(b, kPixDriver);
        for (int k = 0; k < 6; ++k) {
            const int v = picture_byte(a, k);
            uint8_t *byte = staging + (5 - k) * 8;
            for (int e = 0; e < 8; ++e) byte[e] = (v >> (7 - e)) & 1 ? k1 : k0;
        }
        zem_driver_first_trans_fast(driver_record(b, kPixDriver));
    }
    wait_flag(b, kSourceFlag) = 1;
}

void *g_top_pe[] = {reinterpret_cast<void *>(&monitor), reinterpret_cast<void *>(&picture_source)};

// ---- the scan model -----------------------------------------------------------

enum class Phase { WaitStart, ShiftHigh, ShiftLow, Advance, LatchRow, BlankRow, Unblank };

// One clock cycle of the controller: its state, the scan address and PWM pass
// during it, and whether the blank register is set.
struct Cycle {
    Phase phase = Phase::WaitStart;
    int addr = 0;
    int pass = 0;
    bool blank = false;
};

// How many cycles each state lasts for divider N. With N >= 1: shift_high N
// after an advance and N + 1 after wait_start or unblank, shift_low N + 1,
// latch_row and blank_row 2N + 1, unblank 2N. With N = 0 a compare with 0
// right after a counting step waits for the 3-bit divider to wrap: shift_high
// after an advance and unblank take 8 cycles.
struct Durations {
    int shift_high_after_advance, shift_high_first, shift_low, latch_row, blank_row, unblank;
};
Durations durations(int n) {
    if (n == 0) return {8, 1, 1, 1, 1, 8};
    return {n, n + 1, n + 1, 2 * n + 1, 2 * n + 1, 2 * n};
}

// Appends the scan that starts in the cycle after a wait_start cycle with
// start = '1', until `cycles` holds `total` cycles. Scan order: rows 0..15
// (then 0 again), 257 passes per row, columns 0..31 per pass; pass 0 blanks
// the panel around its latch.
void append_scan(std::vector<Cycle> &cycles, int n, size_t total) {
    const Durations d = durations(n);
    auto emit = [&](Phase ph, int count, int addr, int pass, bool blank) {
        for (int i = 0; i < count && cycles.size() < total; ++i) cycles.push_back({ph, addr, pass, blank});
    };
    bool after_advance = false;
    for (int r = 0; cycles.size() < total; r = (r + 1) % kRows) {
        for (int p = 0; p < kPasses && cycles.size() < total; ++p) {
            for (int c = 0; c < kColumns; ++c) {
                const int a = r * kColumns + c;
                emit(Phase::ShiftHigh, after_advance ? d.shift_high_after_advance : d.shift_high_first, a, p, false);
                emit(Phase::ShiftLow, d.shift_low, a, p, false);
                if (c < kColumns - 1) emit(Phase::Advance, 1, a, p, false);
                after_advance = true;
            }
            const int last = r * kColumns + kColumns - 1;
            const bool blanked = p == 0;
            if (blanked) {
                // the blank register is set from the second blank_row cycle
                emit(Phase::BlankRow, 1, last, p, false);
                emit(Phase::BlankRow, d.blank_row - 1, last, p, true);
            }
            emit(Phase::LatchRow, d.latch_row, last, p, blanked);
            emit(Phase::Advance, 1, last, p, blanked);
            if (blanked) {
                // the advance has already moved to the row's first column
                emit(Phase::Unblank, d.unblank, r * kColumns, p, true);
                after_advance = false;
            }
        }
    }
}

// Idle cycles: wait_start (or reset) at address 0 with the panel unblanked.
void append_idle(std::vector<Cycle> &cycles, size_t count) { cycles.resize(cycles.size() + count, Cycle{}); }

// The registered outputs follow the controller's cycle one clock later: the
// shift clock is '0' after a shift_low cycle, the latch '1' after a latch_row
// cycle, blank_out copies the blank register, and the row address is loaded
// from the scan address at an edge that ends a cycle with the panel blanked
// and the shift clock high. addr_out is the scan address itself.
std::vector<Sample> expected_outputs(const std::vector<Cycle> &cycles) {
    std::vector<Sample> out(cycles.size());
    Cycle before;  // the design's initial values
    int row = 0;
    for (size_t j = 0; j < cycles.size(); ++j) {
        const bool sclk_before = before.phase != Phase::ShiftLow;
        if (before.blank && sclk_before) row = before.addr >> 5;
        out[j].addr = cycles[j].addr;
        out[j].sclk = sclk_before;
        out[j].latch = before.phase == Phase::LatchRow;
        out[j].blank = before.blank;
        out[j].row = row;
        before = cycles[j];
    }
    return out;
}

std::string describe(const Sample &s) {
    char text[96];
    std::snprintf(text, sizeof text, "addr %d sclk %d latch %d blank %d row %d", s.addr, s.sclk, s.latch, s.blank,
                  s.row);
    return text;
}

// Compares the simulated outputs with the model over the model's cycles and
// reports the first difference.
void expect_sequence(const std::vector<Sample> &got, const std::vector<Sample> &want) {
    ASSERT_GE(got.size(), want.size());
    for (size_t j = 0; j < want.size(); ++j) {
        ASSERT_TRUE(got[j].defined) << "metavalue on an output in cycle " << j;
        ASSERT_EQ(got[j], want[j]) << "cycle " << j << ": got " << describe(got[j]) << ", expected "
                                   << describe(want[j]);
    }
}

// ---- decoding what a panel sees ----------------------------------------------

// A panel shifts the six colour bits in at each rising edge of the shift
// clock and takes the shifted row at each rising edge of the latch (after a
// shift at the same edge). Pass 0 is the only latch inside the blank.
struct Latch {
    size_t cycle;  // first cycle with latch_out = '1'
    int row;
    bool blank;
    std::vector<std::array<std::array<bool, 3>, 2>> columns;  // [column][half][colour]
};

std::vector<Latch> decode(const std::vector<Sample> &s) {
    std::vector<Latch> latches;
    std::vector<std::array<std::array<bool, 3>, 2>> shifted;
    for (size_t j = 1; j < s.size(); ++j) {
        if (!s[j - 1].sclk && s[j].sclk) {
            std::array<std::array<bool, 3>, 2> bits;
            for (int h = 0; h < 2; ++h)
                for (int c = 0; c < 3; ++c) bits[h][c] = s[j - 1].rgb[h][c];
            shifted.push_back(bits);
        }
        if (!s[j - 1].latch && s[j].latch) {
            latches.push_back({j, s[j].row, s[j].blank, shifted});
            shifted.clear();
        }
    }
    return latches;
}

// ---- fixture ----------------------------------------------------------------

class DisplayControl : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        g_samples.clear();
    }

    // A stimulus that holds reset for the first three edges and raises start
    // so that cycle `start_cycle` is the wait_start cycle that sees it, plus
    // optional reset pulses [assert cycle, release cycle): reset rises inside
    // the first cycle and falls just before the edge that ends the second.
    std::string stimulus(size_t start_cycle, const std::vector<std::pair<size_t, size_t>> &resets = {}) {
        std::string text = "clock tb/clk 10 ns\n0 ns tb/rst '1'\n32 ns tb/rst '0'\n";
        text += std::to_string(static_cast<int64_t>(start_cycle) * kPeriodPs + 8000) + " ps tb/start '1'\n";
        for (const auto &r : resets) {
            text += std::to_string(static_cast<int64_t>(r.first) * kPeriodPs + 7000) + " ps tb/rst '1'\n";
            text += std::to_string(static_cast<int64_t>(r.second) * kPeriodPs + 2000) + " ps tb/rst '0'\n";
        }
        write("stim.txt", text);
        return "--stimulus=" + dir_ + "/stim.txt";
    }

    int run_top(int clk_div, std::vector<std::string> options) {
        write("kest/t/disp_top.didat", top_didat(clk_div));
        start(options);
        ieee_p_2592010699_init();
        ieee_p_3499444699_init();
        ieee_p_3620187407_init();
        ieee_p_3972351953_init();
        work_a_0280078389_1516540902_init();
        work_a_1424780173_1516540902_init();
        zem_register_didat("t_disp_top", "kest/t/disp_top.didat");
        zem_register_executes(g_top_pe);
        zem_register_tops("t_disp_top");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        IEEE_P_3972351953 = zem_get_engine_memory("ieee_p_3972351953");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    // Runs `cycles` clock cycles (the monitor samples each at its falling
    // edge).
    int run_cycles(int clk_div, size_t cycles, const std::string &stim) {
        const int64_t stop = static_cast<int64_t>(cycles) * kPeriodPs + kPeriodPs / 2 + 1000;
        return run_top(clk_div, {stim, "--stop-time=" + std::to_string(stop) + "ps"});
    }
};

// ---- the scan sequence ----------------------------------------------------------

TEST_F(DisplayControl, ScanSequenceMatchesTheModelForEveryDivider) {
    // Start is raised late, so the first cycles also pin the idle outputs
    // while the controller waits for it.
    constexpr size_t kStartCycle = 20, kCycles = 1400;
    for (int n : {1, 0, 2, 3}) {
        SCOPED_TRACE(testing::Message() << "CLK_DIV " << n);
        tovu::testing::reset();
        g_samples.clear();
        ASSERT_EQ(run_cycles(n, kCycles, stimulus(kStartCycle)), 0);
        std::vector<Cycle> model;
        append_idle(model, kStartCycle + 1);
        append_scan(model, n, kCycles);
        expect_sequence(g_samples, expected_outputs(model));
    }
}

TEST_F(DisplayControl, DividerOneTimingMatchesTheClosedForms) {
    // Cycle counts for divider N, counted from the wait_start cycle that sees
    // start: first shift-clock fall at N + 3 and rise at 2N + 4; first latch
    // (pass 0 of row 0) at 66N + 67; latch to latch 68N + 66 after a pass 0
    // and before the next row's pass 0, 66N + 65 otherwise; a row takes
    // 16966N + 16707 cycles; blank_out is high for 6N + 2 cycles from 2N
    // before the pass-0 latch.
    constexpr int n = 1;
    constexpr size_t kStartCycle = 5;
    constexpr size_t kRowCycles = 16966 * n + 16707;
    const size_t cycles = kStartCycle + 66 * n + 67 + kRowCycles + 200;
    ASSERT_EQ(run_cycles(n, cycles, stimulus(kStartCycle)), 0);
    ASSERT_GE(g_samples.size(), cycles);
    auto rel = [&](size_t j) { return static_cast<int64_t>(j) - static_cast<int64_t>(kStartCycle); };

    size_t first_fall = 0, first_rise = 0;
    for (size_t j = 1; j < g_samples.size() && !first_rise; ++j) {
        if (g_samples[j - 1].sclk && !g_samples[j].sclk && !first_fall) first_fall = j;
        if (first_fall && !g_samples[j - 1].sclk && g_samples[j].sclk) first_rise = j;
    }
    EXPECT_EQ(rel(first_fall), n + 3);
    EXPECT_EQ(rel(first_rise), 2 * n + 4);

    const std::vector<Latch> latches = decode(g_samples);
    ASSERT_GE(latches.size(), static_cast<size_t>(kPasses + 1));
    EXPECT_EQ(rel(latches[0].cycle), 66 * n + 67);
    for (size_t i = 1; i <= static_cast<size_t>(kPasses); ++i) {
        const int64_t gap = static_cast<int64_t>(latches[i].cycle - latches[i - 1].cycle);
        const bool pass0_edge = i == 1 || i == static_cast<size_t>(kPasses);
        ASSERT_EQ(gap, pass0_edge ? 68 * n + 66 : 66 * n + 65) << "latch " << i;
    }
    EXPECT_EQ(latches[kPasses].cycle - latches[0].cycle, kRowCycles);

    // The blank window around each pass-0 latch.
    for (size_t i : {size_t{0}, static_cast<size_t>(kPasses)}) {
        const size_t l0 = latches[i].cycle;
        size_t rise = l0, fall = l0;
        while (g_samples[rise - 1].blank) --rise;
        while (g_samples[fall].blank) ++fall;
        EXPECT_EQ(l0 - rise, 2u * n);
        EXPECT_EQ(fall - rise, 6u * n + 2);
    }
}

TEST_F(DisplayControl, ResetInTheMiddleOfAScanRestartsIt) {
    // Run into row 1 (its row address loaded in its pass-0 blank), reset
    // there for three cycles, and follow the fresh scan from row 0. The row
    // address output has no reset and keeps its value until the next pass-0
    // blank reloads it.
    constexpr int n = 1;
    constexpr size_t kStartCycle = 5;
    constexpr size_t kRowCycles = 16966 * n + 16707;
    const size_t reset_at = kStartCycle + 66 * n + 67 + kRowCycles + 2;  // inside row 1's pass-0 blank
    const size_t release_at = reset_at + 3;
    const size_t cycles = release_at + 600;
    ASSERT_EQ(run_cycles(n, cycles, stimulus(kStartCycle, {{reset_at, release_at}})), 0);

    std::vector<Cycle> model;
    append_idle(model, kStartCycle + 1);
    append_scan(model, n, reset_at);
    append_idle(model, release_at - reset_at);  // reset cycles; the last one sees start with reset gone
    append_scan(model, n, cycles);
    const std::vector<Sample> want = expected_outputs(model);
    ASSERT_TRUE(want[reset_at].blank) << "the reset should fall into the blank window";
    ASSERT_EQ(want[reset_at].row, 1);
    expect_sequence(g_samples, want);
}

// ---- PWM ------------------------------------------------------------------------

TEST_F(DisplayControl, EveryPixelIsLitInPassesBelowItsGammaValue) {
    // One whole row (257 passes) and the start of the next. The panel sees
    // at each shift-clock rise the colour bit of pixel (row, column) in pass
    // p as p < gamma(byte): 255 lights passes 0..254, 0 never, pass 256 is
    // dark everywhere.
    constexpr int n = 1;
    constexpr size_t kStartCycle = 5;
    const size_t cycles = kStartCycle + 66 * n + 67 + (16966 * n + 16707) + 100;
    ASSERT_EQ(run_cycles(n, cycles, stimulus(kStartCycle)), 0);
    const std::vector<Latch> latches = decode(g_samples);
    ASSERT_GE(latches.size(), static_cast<size_t>(kPasses + 1));

    int counts[kColumns][2][3] = {};
    for (int p = 0; p <= kPasses; ++p) {
        const Latch &l = latches[p];
        const int row = p < kPasses ? 0 : 1;
        const int pass = p < kPasses ? p : 0;
        SCOPED_TRACE(testing::Message() << "row " << row << " pass " << pass);
        ASSERT_EQ(l.row, row);
        ASSERT_EQ(l.blank, pass == 0);
        ASSERT_EQ(l.columns.size(), static_cast<size_t>(kColumns));
        for (int c = 0; c < kColumns; ++c)
            for (int h = 0; h < 2; ++h)
                for (int colour = 0; colour < 3; ++colour) {
                    const int v = gamma_of(picture_byte(row * kColumns + c, 2 * colour + h));
                    ASSERT_EQ(l.columns[c][h][colour], pass < v)
                        << "column " << c << " half " << h << " colour " << colour << " value " << v;
                    if (row == 0) counts[c][h][colour] += l.columns[c][h][colour];
                }
    }
    // Over the row each pixel is lit exactly its gamma value of 257 passes.
    for (int c = 0; c < kColumns; ++c)
        for (int h = 0; h < 2; ++h)
            for (int colour = 0; colour < 3; ++colour)
                EXPECT_EQ(counts[c][h][colour], gamma_of(picture_byte(c, 2 * colour + h)));
    EXPECT_EQ(counts[0][0][0], 255);
    EXPECT_EQ(counts[1][0][0], 0);
}

TEST_F(DisplayControl, RowsFollowEachOtherAndTheLastWrapsToTheFirst) {
    // A whole frame and the start of the next: 257 latches per row, the row
    // address presented at each pass-0 latch counting 0..15 and back to 0.
    constexpr int n = 1;
    constexpr size_t kStartCycle = 5;
    constexpr size_t kRowCycles = 16966 * n + 16707;
    const size_t cycles = kStartCycle + 66 * n + 67 + kRows * kRowCycles + 100;
    ASSERT_EQ(run_cycles(n, cycles, stimulus(kStartCycle)), 0);
    const std::vector<Latch> latches = decode(g_samples);
    ASSERT_EQ(latches.size(), static_cast<size_t>(kRows * kPasses + 1));
    for (size_t i = 0; i < latches.size(); ++i) {
        const int row = static_cast<int>(i / kPasses) % kRows;
        ASSERT_EQ(latches[i].row, row) << "latch " << i;
        ASSERT_EQ(latches[i].blank, i % kPasses == 0) << "latch " << i;
        ASSERT_EQ(latches[i].columns.size(), static_cast<size_t>(kColumns)) << "latch " << i;
    }
    EXPECT_EQ(latches[kRows * kPasses].cycle - latches[0].cycle, kRows * kRowCycles);
    // The address output steps from the last pixel of row 15 (511) to the
    // first of row 0 between the last latch of the frame and the next
    // frame's first.
    const size_t last = latches[kRows * kPasses - 1].cycle, next = latches[kRows * kPasses].cycle;
    EXPECT_EQ(g_samples[last].addr, 511);
    EXPECT_EQ(g_samples[next].addr, 31);
    size_t first_zero = 0;
    for (size_t j = last; j < next && !first_zero; ++j)
        if (g_samples[j].addr == 0) first_zero = j;
    ASSERT_NE(first_zero, 0u);
    for (size_t j = last; j < first_zero; ++j) EXPECT_EQ(g_samples[j].addr, 511) << j;
}

// ---- the divider that would freeze the scan -------------------------------------

TEST_F(DisplayControl, DividerBeyondTheCounterIsRefusedWhenTheDesignIsLoaded) {
    for (int n : {4, 7, -1}) {
        SCOPED_TRACE(n);
        tovu::testing::reset();
        capture_stderr();
        const int status = run_cycles(n, 10, stimulus(5));
        const std::string err = captured_stderr();
        EXPECT_EQ(status, 2);
        EXPECT_NE(err.find("outside the range"), std::string::npos) << err;
    }
}

TEST_F(DisplayControl, DividerBeyondTheCounterEndsTheRunWithAFailure) {
    // Design data that declares the divider without its range: the controller
    // itself refuses to run a scan that could never finish a latch.
    const std::string path = "kest/benchsnap.exe.sim/work/a_1424780173_1516540902.didat";
    std::string text = read(path);
    const std::string checked = "generic 0x17c8 CLK_DIV clk_div_t := 1";
    const size_t at = text.find(checked);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, checked.size(), "generic 0x17c8 CLK_DIV integer := 1");
    write(path, text);

    tovu::testing::capture_reports(true);
    EXPECT_EQ(run_cycles(4, 100, stimulus(5)), 1);
    const auto &reports = tovu::testing::reports();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports[0].severity, SEV_FAILURE);
    EXPECT_EQ(reports[0].message, "display controller: the divider CLK_DIV must be 0 to 3");
    EXPECT_EQ(reports[0].time, 0);
    EXPECT_TRUE(g_samples.empty());
}

}  // namespace
