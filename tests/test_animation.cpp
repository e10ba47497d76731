// The colour animation (fpga/animation) in the kernel, driven by a test top
// unit that clocks it, resets it and moves its display address. Every clock
// cycle its registers and outputs are compared with a reference model of the
// shift registers and triangle counters written here from the unit's
// description; other tests check properties that need no model at all (the
// first steps after reset, a held address, turning waves, a bad counter width).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "kernel.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "work/a_3956617804_1516540902.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr const char *kUnit = "work_a_3956617804_1516540902";
constexpr int kChannels = 6;

// std_ulogic positions
constexpr uint8_t kX = 1, k0 = 2, k1 = 3;

// ---- the unit's signals, by their record numbers ------------------------------

size_t record(int n) { return 0x3e0 + 160 * static_cast<size_t>(n); }
constexpr int kPixOut = 3, kStep = 28, kPrevAddr = 29;
int chan(int k) { return 3 + k; }  // k = 1 .. 6
int tri(int k) { return 9 + k; }
int dir(int k) { return 15 + k; }
int lfsr(int k) { return 21 + k; }

// A vector signal read as an unsigned number, leftmost element most
// significant; -1 when an element is neither '0' nor '1'.
int64_t read_vector(char *block, int n, int width) {
    const uint8_t *v = signal_value(block, record(n));
    int64_t x = 0;
    for (int i = 0; i < width; ++i) {
        if (v[i] != k0 && v[i] != k1) return -1;
        x = (x << 1) | (v[i] == k1);
    }
    return x;
}
int read_bit(char *block, int n) {
    uint8_t v = *signal_value(block, record(n));
    return v == k1 ? 1 : v == k0 ? 0 : -1;
}

// ---- reference model -----------------------------------------------------------

// Register k: length n, feedback tap t (x^n + x^(t+1) + 1), and the number m
// of rightmost bits that must be zero for counter k to step.
struct RegisterSpec {
    int n, tap, m;
};
constexpr RegisterSpec kSpec[kChannels] = {{18, 10, 2}, {20, 16, 7}, {23, 17, 6},
                                           {25, 21, 2}, {28, 24, 5}, {31, 27, 3}};

struct Model {
    int width;  // CNT_BITS
    uint32_t lfsr[kChannels];
    uint32_t tri[kChannels];
    bool up[kChannels];
    uint32_t prev_addr = 0;
    bool step = false;

    explicit Model(int k) : width(k) { reset(); }
    void reset() {
        for (int i = 0; i < kChannels; ++i) {
            lfsr[i] = (1u << kSpec[i].n) - 1;
            tri[i] = 0;
            up[i] = true;
        }
    }
    // One rising clock edge; every right-hand side is the value before it.
    void edge(bool reset_active, uint32_t addr) {
        const bool next_step = prev_addr != addr;
        if (reset_active) {
            reset();
        } else if (step) {
            for (int i = 0; i < kChannels; ++i) {
                const RegisterSpec &r = kSpec[i];
                const uint32_t old = lfsr[i];
                const uint32_t feedback = ((old >> (r.n - 1)) ^ (old >> r.tap)) & 1;
                lfsr[i] = ((old << 1) & ((1u << r.n) - 1)) | feedback;
                const uint32_t t = tri[i];
                if ((old & ((1u << r.m) - 1)) == 0) tri[i] = (up[i] ? t + 1 : t - 1) & 0xFFFFFF;
                if (t == (1u << width) - 2) up[i] = false;
                else if (t == 1) up[i] = true;
            }
        }
        prev_addr = addr;
        step = next_step;
    }
    uint32_t channel(int i) const { return (tri[i] >> (width - 8)) & 0xFF; }
    uint64_t pix() const {
        const int order[kChannels] = {6, 4, 2, 5, 3, 1};  // leftmost first
        uint64_t w = 0;
        for (int k : order) w = (w << 8) | channel(k - 1);
        return w;
    }
};

// First difference between the unit's signals and the model, or "".
std::string compare(char *b, const Model &m) {
    std::ostringstream out;
    for (int k = 1; k <= kChannels; ++k) {
        const int i = k - 1;
        if (read_vector(b, lfsr(k), kSpec[i].n) != m.lfsr[i])
            out << "lfsr_" << k << " = " << read_vector(b, lfsr(k), kSpec[i].n) << ", model " << m.lfsr[i] << "; ";
        if (read_vector(b, tri(k), 24) != m.tri[i])
            out << "tri_" << k << " = " << read_vector(b, tri(k), 24) << ", model " << m.tri[i] << "; ";
        if (read_bit(b, dir(k)) != (m.up[i] ? 1 : 0))
            out << "dir_" << k << " = " << read_bit(b, dir(k)) << ", model " << m.up[i] << "; ";
        if (read_vector(b, chan(k), 8) != m.channel(i))
            out << "chan_" << k << " = " << read_vector(b, chan(k), 8) << ", model " << m.channel(i) << "; ";
    }
    if (read_bit(b, kStep) != (m.step ? 1 : 0)) out << "step = " << read_bit(b, kStep) << "; ";
    if (read_vector(b, kPrevAddr, 9) != m.prev_addr) out << "prev_addr = " << read_vector(b, kPrevAddr, 9) << "; ";
    if (read_vector(b, kPixOut, 48) != static_cast<int64_t>(m.pix()))
        out << "pix_out = " << std::hex << read_vector(b, kPixOut, 48) << ", model " << m.pix() << std::dec << "; ";
    return out.str();
}

// ---- test top unit -------------------------------------------------------------

// What the test top drives for the next rising edge.
struct Input {
    uint8_t rst;  // std_ulogic position
    uint32_t addr;
};

// The bench: at time 0 and at every falling clock edge it calls `observe`
// with the number of rising edges so far and the animation's block, then
// drives `schedule(cycle)` for the next rising edge.
struct Bench {
    std::function<Input(int)> schedule;
    std::function<void(int, char *)> observe;
    int cycle = 0;
    char *anim = nullptr;
};
Bench *g_bench = nullptr;

constexpr size_t kTopFlag = 0x1800, kTopRstDriver = 0x1a00, kTopAddrDriver = 0x1a40;

void top_p0(char *b) {
    if (*signal_value(b, record(0)) == k0) {
        const int c = g_bench->cycle++;
        g_bench->observe(c, g_bench->anim);
        const Input in = g_bench->schedule(c);
        *driver_staging(b, kTopRstDriver) = in.rst;
        zem_driver_first_trans_fast(driver_record(b, kTopRstDriver));
        uint8_t *a = driver_staging(b, kTopAddrDriver);
        for (int i = 0; i < 9; ++i) a[i] = (in.addr >> (8 - i)) & 1 ? k1 : k0;
        zem_driver_first_trans_fast(driver_record(b, kTopAddrDriver));
    }
    wait_flag(b, kTopFlag) = 1;
}
void *top_pe[] = {reinterpret_cast<void *>(top_p0)};

class Animation : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
    }

    // Runs `cycles` clock cycles of 10 ps with the animation's CNT_BITS = width.
    int simulate(int width, int cycles, Bench &bench) {
        write("kest/t/anim_top.didat", R"(didat 1
unit t_anim_top arch
block 0x2000
counts pe=1
use ieee_p_2592010699
signal 0 clk sig std_logic := '0'
signal 1 rst sig std_logic := '0'
signal 2 addr sig std_logic_vector(8 downto 0) := (others => '0')
signal 3 pix sig std_logic_vector(47 downto 0)
process 0 record=0x1000 flag=0x1800 sens=clk
driver 0x1a00 p0 rst
driver 0x1a40 p0 addr
inst anim work_a_3956617804_1516540902 generic CNT_BITS=)" + std::to_string(width) +
                                            R"( port clk=>clk rst=>rst disp_addr=>addr pix_out=>pix
)");
        g_bench = &bench;
        start({"--clock=t_anim_top/clk=10ps", "--stop-time=" + std::to_string(10 * cycles) + "ps"});
        ieee_p_2592010699_init();
        ieee_p_3499444699_init();
        ieee_p_3620187407_init();
        work_a_3956617804_1516540902_init();
        zem_register_didat("t_anim_top", "kest/t/anim_top.didat");
        zem_register_executes(top_pe);
        zem_register_tops("t_anim_top");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        bench.anim = zem_get_engine_memory(kUnit);
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }
};

// Reset for the first three edges, then a new address at every edge.
Input reset_then_moving(int c) { return {c < 3 ? k1 : k0, static_cast<uint32_t>((c * 37 + 5) % 512)}; }

// ---- model comparison over long runs ------------------------------------------

struct Turns {
    int64_t last = 0;
    int trend = 0;  // +1 rising, -1 falling, 0 not yet moved
    int top_turns = 0, bottom_turns = 0;
    bool top_at_max = false, top_below_max = false;  // turned at 2**K-1, at 2**K-2
    bool bad_jump = false;
    int64_t highest = 0;
};

struct Schedule {
    // reset at the start and once more later; a window with rst = 'X'; a held
    // address; an address that changes only every other cycle; else a new
    // address at every edge.
    Input operator()(int c) const {
        if (c < 3 || (c >= 300 && c < 302)) return {k1, static_cast<uint32_t>(c % 512)};
        if (c >= 400 && c < 404) return {kX, static_cast<uint32_t>((c * 37) % 512)};
        if (c >= 500 && c < 530) return {k0, 0x1a5};
        if (c >= 600 && c < 1200) return {k0, static_cast<uint32_t>((c / 2 * 37) % 512)};
        return {k0, static_cast<uint32_t>((c * 37) % 512)};
    }
};

class AnimationModel : public Animation, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(AnimationModel, EveryCycleMatchesTheReferenceModel) {
    const int width = GetParam().first, cycles = GetParam().second;
    Model model(width);
    std::string first_mismatch;
    int compared = 0;
    Turns turns[kChannels];
    const int64_t top = (int64_t{1} << width) - 1;

    Bench bench;
    Schedule schedule;
    bench.schedule = [&](int c) {
        Input in = schedule(c);
        model.edge(in.rst == k1, in.addr);
        return in;
    };
    bench.observe = [&](int c, char *b) {
        if (first_mismatch.empty()) {
            std::string d = compare(b, model);
            if (!d.empty()) first_mismatch = "after " + std::to_string(c) + " edges: " + d;
            ++compared;
        }
        if (c <= 302) return;  // follow the waves from the second reset on
        for (int k = 1; k <= kChannels; ++k) {
            Turns &t = turns[k - 1];
            const int64_t v = read_vector(b, tri(k), 24);
            if (v < 0 || v > top || (c > 303 && (v - t.last > 1 || t.last - v > 1))) t.bad_jump = true;
            if (c > 303 && v != t.last) {
                const int trend = v > t.last ? 1 : -1;
                if (t.trend == 1 && trend == -1) {
                    ++t.top_turns;
                    (t.last == top ? t.top_at_max : t.top_below_max) = true;
                    if (t.last < top - 1) t.bad_jump = true;  // turned below 2**K-2
                }
                if (t.trend == -1 && trend == 1) {
                    ++t.bottom_turns;
                    if (t.last > 1) t.bad_jump = true;  // turned above 1
                }
                t.trend = trend;
            }
            t.highest = std::max(t.highest, v);
            t.last = v;
        }
    };
    ASSERT_EQ(simulate(width, cycles, bench), 0);
    EXPECT_EQ(first_mismatch, "");
    EXPECT_GE(compared, cycles);

    for (int k = 1; k <= kChannels; ++k) {
        SCOPED_TRACE("counter " + std::to_string(k));
        EXPECT_FALSE(turns[k - 1].bad_jump);
        EXPECT_LE(turns[k - 1].highest, top);
    }
    if (width == 8) {
        // Long enough for every wave to go up and come back down, and for the
        // fast ones to turn many times, at 2**K-1 and at 2**K-2.
        bool at_max = false, below_max = false;
        for (int k = 1; k <= kChannels; ++k) {
            SCOPED_TRACE("counter " + std::to_string(k));
            EXPECT_GE(turns[k - 1].top_turns, 1);
            EXPECT_GE(turns[k - 1].bottom_turns, 1);
            at_max |= turns[k - 1].top_at_max;
            below_max |= turns[k - 1].top_below_max;
        }
        EXPECT_GE(turns[0].top_turns + turns[0].bottom_turns, 20);
        EXPECT_TRUE(at_max);
        EXPECT_TRUE(below_max);
    }
}

// K = 8 runs long enough for the slowest counter (one step in 128 pulses) to
// sweep up and down; the design's 16 and the widest 24 run shorter.
INSTANTIATE_TEST_SUITE_P(CounterWidths, AnimationModel,
                         ::testing::Values(std::make_pair(8, 70000), std::make_pair(16, 3000),
                                           std::make_pair(24, 1500)),
                         [](const auto &info) { return "K" + std::to_string(info.param.first); });

// ---- properties that need no model --------------------------------------------

// From reset every register holds all ones; each shift then brings in a '0'
// (bits n-1 and t are still '1') for at least t+1 shifts. A counter tests the
// register before the shift, so counter k steps first at pulse m_k + 1 and
// then at every pulse: after p pulses it stands at max(0, p - m_k).
TEST_F(Animation, FirstPulsesAfterReset) {
    std::string problems;
    Bench bench;
    bench.schedule = reset_then_moving;
    bench.observe = [&](int c, char *b) {
        // Reset is released before edge 4, and step is '1' from edge 1 on
        // (the address changes at every edge), so edge 3 + p is pulse p.
        if (c > 14) return;
        const int p = c >= 3 ? c - 3 : 0;
        for (int k = 1; k <= kChannels; ++k) {
            const RegisterSpec &r = kSpec[k - 1];
            const int64_t want_tri = std::max(0, p - r.m);
            const int64_t want_lfsr = ((int64_t{1} << r.n) - 1) & ~((int64_t{1} << p) - 1);
            if (read_vector(b, tri(k), 24) != want_tri || read_vector(b, lfsr(k), r.n) != want_lfsr ||
                read_bit(b, dir(k)) != 1)
                problems += "counter " + std::to_string(k) + " after pulse " + std::to_string(p) + "; ";
        }
        if (c >= 1 && read_bit(b, kStep) != 1) problems += "step low after edge " + std::to_string(c) + "; ";
    };
    ASSERT_EQ(simulate(16, 20, bench), 0);
    EXPECT_EQ(problems, "");
}

// With the address held, step is '0' one edge after the last change and
// nothing moves any more.
TEST_F(Animation, HeldAddressFreezesTheOutput) {
    std::vector<int64_t> pix, tri1;
    std::vector<int> step;
    Bench bench;
    bench.schedule = [](int c) { return c < 20 ? reset_then_moving(c) : Input{k0, 0x0ff}; };
    bench.observe = [&](int, char *b) {
        pix.push_back(read_vector(b, kPixOut, 48));
        tri1.push_back(read_vector(b, tri(1), 24));
        step.push_back(read_bit(b, kStep));
    };
    ASSERT_EQ(simulate(8, 60, bench), 0);
    ASSERT_GE(pix.size(), 60u);
    // edge 21 sees the last change (step '1' after it), edge 22 is the last pulse
    EXPECT_EQ(step[21], 1);
    EXPECT_NE(tri1[22], 0);  // the counters did move before the hold
    for (size_t c = 22; c < pix.size(); ++c) {
        EXPECT_EQ(step[c], 0) << c;
        EXPECT_EQ(pix[c], pix[22]) << c;
        EXPECT_EQ(tri1[c], tri1[22]) << c;
    }
    // chan_1 is the low byte of pix_out and the whole counter for K = 8
    EXPECT_EQ(pix[22] & 0xff, tri1[22]);
}

// A reset at '1' holds everything however the address moves; released, the
// registers start again from all ones.
TEST_F(Animation, ResetMasksClockEdges) {
    std::string problems;
    Bench bench;
    bench.schedule = [](int c) {
        Input in = reset_then_moving(c);
        if (c >= 30 && c < 40) in.rst = k1;
        return in;
    };
    bench.observe = [&](int c, char *b) {
        if (c < 31 || c > 40) return;
        for (int k = 1; k <= kChannels; ++k) {
            if (read_vector(b, tri(k), 24) != 0 || read_vector(b, lfsr(k), kSpec[k - 1].n) != (int64_t{1} << kSpec[k - 1].n) - 1 ||
                read_bit(b, dir(k)) != 1)
                problems += "counter " + std::to_string(k) + " at " + std::to_string(c) + "; ";
        }
        if (read_vector(b, kPixOut, 48) != 0) problems += "pix_out at " + std::to_string(c) + "; ";
    };
    ASSERT_EQ(simulate(8, 45, bench), 0);
    EXPECT_EQ(problems, "");
}

// The channel slice needs 8 <= CNT_BITS <= 24; any other width ends the run
// at time 0 with a FAILURE report instead of reading outside the counter.
TEST_F(Animation, CounterWidthOutsideTheCounterEndsTheRun) {
    for (int width : {7, 25, 0, -3}) {
        SCOPED_TRACE(width);
        tovu::testing::reset();
        Bench bench;
        bench.schedule = reset_then_moving;
        bench.observe = [](int, char *) {};
        tovu::testing::capture_reports(true);
        EXPECT_EQ(simulate(width, 10, bench), 1);
        const auto &reports = tovu::testing::reports();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].message, "animation: the counter width CNT_BITS must be 8 to 24");
        EXPECT_EQ(reports[0].severity, SEV_FAILURE);
        EXPECT_EQ(reports[0].time, 0);
        EXPECT_EQ(tovu::K().now, 0);
    }
}

}  // namespace
