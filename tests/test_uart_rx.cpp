// The serial frame receiver with its six frame memories, run inside a small
// test bench: the kernel drives the receiver clock, the display clock and the
// serial line (--clock and a stimulus file written here), a monitor process
// looks at the receiver's signals at every rising clock edge.
//
// Timing convention of these tests: clk has a period of 10 ps, so rising
// edge n is at 10n + 5 ps; the line changes only at falling edges (10n ps),
// and the value it has at edge n is the one set at 10n ps. A bit lasts 128
// cycles (1280 ps).
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "kernel.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "work/a_1133041568_1516540902.h"
#include "work/a_3000712498_0000452272.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr int64_t kClockPeriod = 10;  // ps
constexpr int kCyclesPerBit = 128;
constexpr int kFirstEdge = 20;  // the first edge that sees the first start bit

// Receiver states
constexpr int kIdle = 0, kStartBit = 1, kDataBits = 2, kStopBit = 3;

std::string bits(unsigned value, int n) {
    std::string s;
    for (int i = n - 1; i >= 0; --i) s += (value >> i) & 1 ? '1' : '0';
    return s;
}

// ---- reading the design's signals ---------------------------------------------

const tovu::SignalView *view(const std::string &path) { return tovu::K().signal_by_path.at(path); }
const uint8_t *value_of(const std::string &path) {
    const tovu::SignalView *v = view(path);
    return v->net->value + static_cast<size_t>(v->first) * v->net->esize;
}
std::string text_of(const uint8_t *v, size_t n) {
    static const char kChars[] = "UX01ZWLH-";
    std::string s;
    for (size_t i = 0; i < n; ++i) s += v[i] < 9 ? kChars[v[i]] : '?';
    return s;
}
// A signal of the receiver (tb/rx/NAME) as its elements' characters.
std::string rx(const std::string &name) {
    const tovu::SignalView *v = view("tb/rx/" + name);
    return text_of(value_of("tb/rx/" + name), v->count);
}

// Value pointers of the signals the monitors look at on every edge, found
// once the design is elaborated.
struct Probes {
    const uint8_t *state, *valid, *sync, *bank_rd, *bank_out;
};
Probes g_probe;
int rx_state() { return *g_probe.state; }
// Row i of frame memory `mem` (mem_r0 ...), as bits.
std::string mem_row(const std::string &mem, int i) {
    return text_of(value_of("tb/rx/" + mem + "/ram") + static_cast<size_t>(1023 - i) * 8, 8);
}

// ---- the monitor: a hook called at every rising edge of clk ----------------------

std::function<void(int edge)> g_on_edge;
int g_edge = 0;

void monitor(char *b) {
    const size_t clk = 0x3e0;  // bench signal 0
    if (zem_signal_has_event(signal_record(b, clk)) && *signal_value(b, clk) == 3) {
        if (g_on_edge) g_on_edge(g_edge);
        ++g_edge;
    }
    wait_flag(b, 0x1800) = 1;
}
void *g_monitor_pe[] = {reinterpret_cast<void *>(&monitor)};

// ---- the serial line ----------------------------------------------------------------

// Builds the line's stimulus: a level from a given time on, changes only.
class SerialLine {
public:
    // The line holds `level` from edge `edge` on.
    void at_edge(int edge, char level) {
        if (level == level_) return;
        level_ = level;
        changes_.push_back({edge * kClockPeriod, level});
    }
    // A 10-bit frame whose start bit begins at edge `edge`: start '0', the
    // data bits least significant first, then `stop`. Returns the edge after
    // the frame.
    int frame(int edge, unsigned byte, char stop = '1') {
        at_edge(edge, '0');
        for (int k = 0; k < 8; ++k) at_edge(edge + kCyclesPerBit * (k + 1), (byte >> k) & 1 ? '1' : '0');
        at_edge(edge + kCyclesPerBit * 9, stop);
        return edge + kCyclesPerBit * 10;
    }
    // Back-to-back frames from `edge` on, line idle '1' after them.
    int frames(int edge, const std::vector<unsigned> &bytes) {
        for (unsigned v : bytes) edge = frame(edge, v);
        at_edge(edge, '1');
        return edge;
    }
    std::string text() const {
        std::string s;
        char buf[64];
        for (const auto &c : changes_) {
            std::snprintf(buf, sizeof buf, "%lldps tb/rx '%c'\n", static_cast<long long>(c.time), c.level);
            s += buf;
        }
        return s;
    }

private:
    struct Change {
        int64_t time;
        char level;
    };
    std::vector<Change> changes_;
    char level_ = '1';
};

// What the receiver presents to the memories in a cycle with valid or sync.
struct Accepted {
    int edge;  // the edge that ends the cycle (the memories write at it)
    std::string valid, sync, data, we_r, we_g, we_b, waddr;
};

class UartRx : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        g_on_edge = nullptr;
        g_edge = 0;
        write("kest/t/bench.didat", R"(didat 1
unit t_bench arch entity=tb
block 0x2000
counts pe=1
use ieee_p_2592010699
signal 0 clk sig std_logic := '0'
signal 1 disp_clk sig std_logic := '0'
signal 2 rst sig std_logic := '0'
signal 3 rx sig std_logic := '1'
signal 4 disp_addr sig std_logic_vector(8 downto 0) := (others => '0')
signal 5 red sig std_logic_vector(15 downto 0) := (others => '0')
signal 6 green sig std_logic_vector(15 downto 0) := (others => '0')
signal 7 blue sig std_logic_vector(15 downto 0) := (others => '0')
signal 8 bank_out sig std_logic := '1'
process 0 record=0x1000 flag=0x1800 sens=clk
inst rx work_a_1133041568_1516540902 \
     port red_out=>red green_out=>green blue_out=>blue rst=>rst disp_clk=>disp_clk clk=>clk rx=>rx \
          disp_addr=>disp_addr bank_out=>bank_out
)");
    }
    void TearDown() override {
        g_on_edge = nullptr;
        SimFixture::TearDown();
    }

    // Registers the packages, the memory and the receiver, then the bench;
    // sets the package globals as a program's main does, and runs for
    // `edges` clock cycles with the line and the extra stimulus lines.
    int simulate(int edges, const SerialLine &line, const std::string &extra = "") {
        write("line.stim", "clock tb/clk 10ps\n" + line.text());
        std::vector<std::string> opts = {"--stop-time=" + std::to_string(edges * kClockPeriod) + "ps",
                                         "--stimulus=" + dir_ + "/line.stim"};
        if (!extra.empty()) {
            write("extra.stim", extra);
            opts.push_back("--stimulus=" + dir_ + "/extra.stim");
        }
        start(opts);
        ieee_p_2592010699_init();
        ieee_p_3499444699_init();
        ieee_p_3620187407_init();
        work_a_3000712498_0000452272_init();
        work_a_1133041568_1516540902_init();
        zem_register_didat("t_bench", "kest/t/bench.didat");
        zem_register_executes(g_monitor_pe);
        zem_register_tops("t_bench");
        if (tovu::K().elaborated)
            g_probe = {value_of("tb/rx/state"), value_of("tb/rx/valid"), value_of("tb/rx/sync"),
                       value_of("tb/rx/bank_rd"), value_of("tb/rx/bank_out")};
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    // Records every cycle in which valid or sync is not '0'.
    void record_accepted(std::vector<Accepted> &out) {
        g_on_edge = [&out](int edge) {
            if (*g_probe.valid == 2 && *g_probe.sync == 2) return;  // both '0'
            out.push_back({edge, rx("valid"), rx("sync"), rx("data"), rx("we_r"), rx("we_g"), rx("we_b"), rx("waddr")});
        };
    }
};

// ---- sampling and timing ---------------------------------------------------------------

TEST_F(UartRx, BitsAreSampledOneAndAHalfBitTimesAfterTheStartEdgeThenEveryBitTime) {
    // The line is '0' at every edge but the sampling edges 192 + 128k (data
    // bit k) and 1216 (stop bit), counted from the first edge that sees the
    // start bit; next to each sampling edge it holds the opposite value. A
    // receiver that samples one cycle early or late gets another byte or
    // drops it.
    for (unsigned byte : {0xA5u, 0x5Au, 0xFFu, 0x00u, 0x80u}) {
        SCOPED_TRACE(byte);
        tovu::testing::reset();
        g_edge = 0;
        SerialLine line;
        const int e0 = kFirstEdge;
        auto sample_point = [&](int at, char v) {
            line.at_edge(at - 1, v == '1' ? '0' : '1');
            line.at_edge(at, v);
            line.at_edge(at + 1, v == '1' ? '0' : '1');
        };
        line.at_edge(e0, '0');
        for (int k = 0; k < 8; ++k) {
            sample_point(e0 + 192 + 128 * k, (byte >> k) & 1 ? '1' : '0');
            line.at_edge(e0 + 192 + 128 * k + 2, '0');
        }
        line.at_edge(e0 + 1215, '0');
        line.at_edge(e0 + 1216, '1');

        std::vector<Accepted> accepted;
        record_accepted(accepted);
        ASSERT_EQ(simulate(e0 + 1300, line), 0);
        ASSERT_EQ(accepted.size(), 1u);
        // valid is '1' for exactly the cycle after the stop-bit sample
        EXPECT_EQ(accepted[0].edge, e0 + 1217);
        EXPECT_EQ(accepted[0].valid, "1");
        EXPECT_EQ(accepted[0].data, bits(byte, 8));
        EXPECT_EQ(mem_row("mem_r0", 0), bits(byte, 8));
    }
}

TEST_F(UartRx, ReceiverStatesFollowTheBitTimer) {
    // edge 0 registers the start bit; the state changes at edges 1
    // (start_bit), 65 (data_bits, with cnt 0 and bit_cnt 0), 1089 (stop_bit
    // after the last data bit at 1088) and 1217 (idle).
    SerialLine line;
    const int e0 = kFirstEdge;
    line.frames(e0, {0x3C});
    std::vector<std::pair<int, int>> changes;  // (edge after which, new state)
    int last = kIdle;
    std::string cnt_at_65, bit_cnt_at_65;
    g_on_edge = [&](int edge) {
        // the values seen at edge n are those set by edge n - 1
        if (rx_state() != last) {
            last = rx_state();
            changes.emplace_back(edge - 1, last);
        }
        if (edge == e0 + 66) {
            cnt_at_65 = rx("cnt");
            bit_cnt_at_65 = rx("bit_cnt");
        }
    };
    ASSERT_EQ(simulate(e0 + 1300, line), 0);
    std::vector<std::pair<int, int>> want = {
        {e0 + 1, kStartBit}, {e0 + 65, kDataBits}, {e0 + 1089, kStopBit}, {e0 + 1217, kIdle}};
    EXPECT_EQ(changes, want);
    EXPECT_EQ(cnt_at_65, "0000000");
    EXPECT_EQ(bit_cnt_at_65, "000");
    EXPECT_EQ(rx("data"), bits(0x3C, 8));
    EXPECT_EQ(rx("cnt"), "0000000");  // cleared while idle with the line at '1'
    EXPECT_EQ(rx("bit_cnt"), "111");
}

// ---- frames, strobes, addresses ------------------------------------------------------------

TEST_F(UartRx, ColourBytesRaiseTheStrobeOfTheirColourAndGoToTheirPixel) {
    const std::vector<unsigned> bytes = {0x10, 0x20, 0x30, 0x11, 0x21, 0x31, 0xFE};
    SerialLine line;
    const int end = line.frames(kFirstEdge, bytes);
    std::vector<Accepted> accepted;
    record_accepted(accepted);
    ASSERT_EQ(simulate(end + 10, line), 0);
    ASSERT_EQ(accepted.size(), bytes.size());
    const char *mems[3] = {"mem_r0", "mem_g0", "mem_b0"};
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        const Accepted &a = accepted[n];
        const int colour = static_cast<int>(n % 3);
        const unsigned pixel = static_cast<unsigned>(n / 3);
        EXPECT_EQ(a.edge, kFirstEdge + 1280 * static_cast<int>(n) + 1217);
        EXPECT_EQ(a.data, bits(bytes[n], 8));
        // upper half (pix_ptr(9) = '0'): element 0 of the colour's strobes
        EXPECT_EQ(a.we_r, colour == 0 ? "01" : "00");
        EXPECT_EQ(a.we_g, colour == 1 ? "01" : "00");
        EXPECT_EQ(a.we_b, colour == 2 ? "01" : "00");
        EXPECT_EQ(a.waddr, bits(pixel, 10));
        EXPECT_EQ(mem_row(mems[colour], static_cast<int>(pixel)), bits(bytes[n], 8));
    }
    // the next pixel (2) has had its first byte; nothing went to the lower
    // half's memories
    EXPECT_EQ(rx("byte_idx"), "01");
    EXPECT_EQ(rx("pix_ptr"), bits(2, 11));
    EXPECT_EQ(mem_row("mem_g0", 2), bits(2, 8));
    for (const char *m : {"mem_r1", "mem_g1", "mem_b1"})
        for (int i = 0; i < 3; ++i) EXPECT_EQ(mem_row(m, i), bits(static_cast<unsigned>(i), 8)) << m;
    EXPECT_EQ(rx("we_r") + rx("we_g") + rx("we_b"), "000000");
}

TEST_F(UartRx, BadStopBitDropsTheByte) {
    // A stop bit that is not '1' ('0' or 'H') gives neither valid nor sync;
    // the pointers do not move and the next good byte is the first colour
    // byte of pixel 0.
    for (char stop : {'0', 'H'}) {
        SCOPED_TRACE(stop);
        tovu::testing::reset();
        g_edge = 0;
        SerialLine line;
        int edge = line.frames(kFirstEdge, {0x42});
        const int bad = edge;
        edge = line.frame(bad, 0x99, stop);
        line.at_edge(bad + 1217, '1');  // the line leaves the bad stop bit once it was sampled
        edge = line.frames(edge + 200, {0x77});
        std::vector<Accepted> accepted;
        record_accepted(accepted);
        ASSERT_EQ(simulate(edge + 10, line), 0);
        // valid takes the stop bit's value ('H' shows for one cycle), but
        // only '1' raises a strobe
        std::vector<Accepted> written;
        for (const Accepted &a : accepted) {
            if (a.valid == "1")
                written.push_back(a);
            else
                EXPECT_EQ(a.sync + a.we_r + a.we_g + a.we_b, "0000000") << a.edge;
        }
        EXPECT_EQ(accepted.size(), stop == 'H' ? 3u : 2u);
        ASSERT_EQ(written.size(), 2u);
        EXPECT_EQ(written[0].data, bits(0x42, 8));
        EXPECT_EQ(written[1].data, bits(0x77, 8));
        EXPECT_EQ(written[1].we_g, "01");  // colour byte 1 of pixel 0
        EXPECT_EQ(written[1].waddr, bits(0, 10));
        EXPECT_EQ(mem_row("mem_g0", 0), bits(0x77, 8));
        EXPECT_EQ(rx("byte_idx"), "10");
        EXPECT_EQ(rx("pix_ptr"), bits(0, 11));
    }
}

TEST_F(UartRx, AfterABadStopBitALowLineStartsTheNextByteAtOnce) {
    // The stop bit reads '0' and the line stays low into the next start bit:
    // the receiver leaves the stop state and starts again without waiting
    // for the line to go high; the next byte is received.
    SerialLine line;
    int edge = line.frame(kFirstEdge, 0x99, '0');
    edge = line.frames(edge, {0xD2});  // its start bit continues the low stop bit
    std::vector<Accepted> accepted;
    record_accepted(accepted);
    std::vector<int> start_edges;
    int last = kIdle;
    auto record = g_on_edge;
    g_on_edge = [&](int e) {
        record(e);
        if (rx_state() != last && rx_state() == kStartBit) start_edges.push_back(e - 1);
        last = rx_state();
    };
    ASSERT_EQ(simulate(edge + 10, line), 0);
    std::vector<int> want_starts = {kFirstEdge + 1, kFirstEdge + 1218};
    EXPECT_EQ(start_edges, want_starts);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].valid, "1");
    EXPECT_EQ(accepted[0].data, bits(0xD2, 8));
    EXPECT_EQ(accepted[0].we_r, "01");
    EXPECT_EQ(mem_row("mem_r0", 0), bits(0xD2, 8));
}

TEST_F(UartRx, SyncByteRestartsTheFrameAtPixelZeroWithoutWriting) {
    // Five colour bytes (pixel 1, byte 2 next), then the byte 1: sync pulses
    // for one cycle, no strobe rises, and the next colour byte overwrites
    // pixel 0's first byte.
    SerialLine line;
    const int end = line.frames(kFirstEdge, {0x50, 0x60, 0x70, 0x51, 0x61, 0x01, 0x0A});
    std::vector<Accepted> accepted;
    record_accepted(accepted);
    std::string byte_idx_after_sync, pix_ptr_after_sync;
    auto record = g_on_edge;
    const int sync_write_edge = kFirstEdge + 5 * 1280 + 1217;
    g_on_edge = [&](int e) {
        record(e);
        if (e == sync_write_edge + 1) {
            byte_idx_after_sync = rx("byte_idx");
            pix_ptr_after_sync = rx("pix_ptr");
        }
    };
    ASSERT_EQ(simulate(end + 10, line), 0);
    ASSERT_EQ(accepted.size(), 7u);
    const Accepted &s = accepted[5];
    EXPECT_EQ(s.edge, sync_write_edge);
    EXPECT_EQ(s.sync, "1");
    EXPECT_EQ(s.valid, "0");
    EXPECT_EQ(s.we_r + s.we_g + s.we_b, "000000");
    EXPECT_EQ(byte_idx_after_sync, "00");
    EXPECT_EQ(pix_ptr_after_sync, bits(0, 11));
    EXPECT_EQ(accepted[6].we_r, "01");
    EXPECT_EQ(accepted[6].waddr, bits(0, 10));
    EXPECT_EQ(mem_row("mem_r0", 0), bits(0x0A, 8));
    EXPECT_EQ(mem_row("mem_r0", 1), bits(0x51, 8));
    EXPECT_EQ(mem_row("mem_g0", 1), bits(0x61, 8));
    EXPECT_EQ(mem_row("mem_b0", 1), bits(1, 8));  // never written: its initial content
}

// ---- reset -------------------------------------------------------------------------------

TEST_F(UartRx, ResetClearsThePointersAtOnceAndHoldsTheReceiver) {
    // Four bytes, then rst = '1' in the middle of a fifth: the receiver
    // returns to idle without a clock edge and stays there while the line
    // moves; after the reset the next byte is pixel 0's first.
    SerialLine line;
    int edge = line.frames(kFirstEdge, {0x21, 0x22, 0x23, 0x24});
    const int reset_edge = edge + 600;
    edge = line.frames(edge, {0x25, 0x26});
    const int released = edge;
    edge = line.frames(edge + 50, {0x27});
    char extra[200];
    std::snprintf(extra, sizeof extra, "%lldps tb/rst '1'\n%lldps tb/rst '0'\n",
                  static_cast<long long>(reset_edge * kClockPeriod + 2),  // between edges
                  static_cast<long long>(released * kClockPeriod));
    std::string state_at_reset, pointers_at_reset;
    std::vector<int> states_in_reset;
    std::vector<Accepted> accepted;
    record_accepted(accepted);
    auto record = g_on_edge;
    g_on_edge = [&](int e) {
        record(e);
        if (e == reset_edge + 1) {
            state_at_reset = std::to_string(rx_state()) + rx("data") + rx("rx_reg") + rx("bit_cnt");
            pointers_at_reset = rx("byte_idx") + rx("pix_ptr");
        }
        if (e > reset_edge + 1 && e <= released) states_in_reset.push_back(rx_state());
    };
    ASSERT_EQ(simulate(edge + 10, line, extra), 0);
    EXPECT_EQ(state_at_reset, "0000000001111");
    EXPECT_EQ(pointers_at_reset, "00" + bits(0, 11));
    EXPECT_EQ(states_in_reset, std::vector<int>(states_in_reset.size(), kIdle));
    ASSERT_EQ(accepted.size(), 5u);
    EXPECT_EQ(accepted[4].data, bits(0x27, 8));
    EXPECT_EQ(accepted[4].waddr, bits(0, 10));
    EXPECT_EQ(mem_row("mem_r0", 0), bits(0x27, 8));
    EXPECT_EQ(mem_row("mem_r0", 1), bits(0x24, 8));
}

TEST_F(UartRx, WithoutAnyResetTheRegistersStartAtTheirResetValues) {
    // rst at 'U' (never driven) or 'X' for the whole run masks no clock
    // edge, and the registers' initial values make the first byte go to
    // pixel 0.
    for (const char *rst : {"'U'", "'X'"}) {
        SCOPED_TRACE(rst);
        tovu::testing::reset();
        g_edge = 0;
        SerialLine line;
        const int end = line.frames(kFirstEdge, {0x3E, 0x4E});
        std::vector<Accepted> accepted;
        record_accepted(accepted);
        ASSERT_EQ(simulate(end + 10, line, std::string("0ps tb/rst ") + rst + "\n"), 0);
        ASSERT_EQ(accepted.size(), 2u);
        EXPECT_EQ(accepted[0].we_r, "01");
        EXPECT_EQ(accepted[0].waddr, bits(0, 10));
        EXPECT_EQ(mem_row("mem_r0", 0), bits(0x3E, 8));
        EXPECT_EQ(mem_row("mem_g0", 0), bits(0x4E, 8));
    }
}

// ---- a whole frame and the bank hand-over --------------------------------------------------

TEST_F(UartRx, AFullFrameFillsBankZeroOfEveryHalfAndColourThenHandsItOver) {
    // 1024 pixels of three colour bytes go to rows 0..511 of the six memories
    // (pixels 0..511 the upper half, 512..1023 the lower); the carry of the
    // last pixel flips the write bank; the display clock (period 2000 ps,
    // slow to keep the run short) takes the other bank two registers later. Two more colour bytes and a
    // sync restart the frame in the new bank.
    auto colour_byte = [](int n) {  // never the sync byte 1
        unsigned v = static_cast<unsigned>((n * 7 + n / 3 * 13 + 5) % 256);
        return v == 1 ? 2u : v;
    };
    std::vector<unsigned> bytes;
    for (int n = 0; n < 3072; ++n) bytes.push_back(colour_byte(n));
    SerialLine line;
    int edge = line.frames(kFirstEdge, bytes);
    const int frame_end = edge;
    edge = line.frames(edge + 100, {0xAB, 0xCD, 0x01, 0xEF});
    constexpr int64_t kDispPeriod = 2000, kDispFirstRise = kDispPeriod / 2;
    const std::string extra = "clock tb/disp_clk 2000ps\n0ps tb/disp_addr \"000000101\"\n";

    std::vector<Accepted> accepted;
    record_accepted(accepted);
    auto record = g_on_edge;
    std::vector<std::pair<int64_t, std::string>> bank_changes;  // time, bank_rd & bank_out
    std::string last_bank = "11";
    std::string raddr_after, red_after;
    g_on_edge = [&](int e) {
        record(e);
        std::string bank = text_of(g_probe.bank_rd, 1) + text_of(g_probe.bank_out, 1);
        if (bank != last_bank) {
            bank_changes.emplace_back(zem_get_sim_current_time(), bank);
            last_bank = bank;
        }
        if (e == frame_end + 500) {
            raddr_after = rx("raddr");
            red_after = rx("red_out");
        }
    };
    ASSERT_EQ(simulate(edge + 10, line, extra), 0);

    ASSERT_EQ(accepted.size(), 3076u);
    const char *colours[3] = {"r", "g", "b"};
    for (int n = 0; n < 3072; ++n) {
        const Accepted &a = accepted[static_cast<size_t>(n)];
        const int colour = n % 3, pixel = n / 3, half = pixel / 512;
        const std::string on = half == 0 ? "01" : "10";
        ASSERT_EQ(a.data, bits(bytes[static_cast<size_t>(n)], 8)) << n;
        ASSERT_EQ(a.we_r, colour == 0 ? on : "00") << n;
        ASSERT_EQ(a.we_g, colour == 1 ? on : "00") << n;
        ASSERT_EQ(a.we_b, colour == 2 ? on : "00") << n;
        ASSERT_EQ(a.waddr, bits(static_cast<unsigned>(pixel % 512), 10)) << n;
    }
    for (int n = 0; n < 3072; ++n) {
        const int colour = n % 3, pixel = n / 3;
        const std::string mem = std::string("mem_") + colours[colour] + std::to_string(pixel / 512);
        ASSERT_EQ(mem_row(mem, pixel % 512), bits(bytes[static_cast<size_t>(n)], 8)) << n;
    }

    // the write bank flipped at the last byte's write edge; bank_rd follows
    // at the next display clock edge and bank_out one edge later (the
    // monitor sees each change at the next clk edge)
    const int64_t flip = (kFirstEdge + 3071 * 1280 + 1217) * kClockPeriod + 5;
    ASSERT_GE(bank_changes.size(), 2u);
    const int64_t first_disp_edge = (flip - kDispFirstRise) / kDispPeriod * kDispPeriod + kDispFirstRise + kDispPeriod;
    EXPECT_EQ(bank_changes[0].second, "01");
    EXPECT_LE(bank_changes[0].first - first_disp_edge, kClockPeriod);  // seen at the next clk edge
    EXPECT_GE(bank_changes[0].first, first_disp_edge);
    EXPECT_EQ(bank_changes[1].second, "00");
    EXPECT_GE(bank_changes[1].first, first_disp_edge + kDispPeriod);
    EXPECT_LE(bank_changes[1].first - (first_disp_edge + kDispPeriod), kClockPeriod);
    EXPECT_EQ(bank_changes.size(), 2u);
    // the display now reads bank 0: row 5 of the red memories
    EXPECT_EQ(raddr_after, "0000000101");
    EXPECT_EQ(red_after, bits(bytes[3 * (512 + 5)], 8) + bits(bytes[3 * 5], 8));

    // after the frame: two colour bytes in bank 1, then the sync restarts at
    // pixel 0 of bank 1 (the bank bit is kept), where 0xEF is written
    const Accepted &first_new = accepted[3072];
    EXPECT_EQ(first_new.waddr, "1000000000");
    EXPECT_EQ(first_new.we_r, "01");
    EXPECT_EQ(accepted[3074].sync, "1");
    EXPECT_EQ(accepted[3075].waddr, "1000000000");
    EXPECT_EQ(mem_row("mem_r0", 512), bits(0xEF, 8));
    EXPECT_EQ(mem_row("mem_g0", 512), bits(0xCD, 8));
    EXPECT_EQ(rx("pix_ptr"), "10000000000");
    EXPECT_EQ(rx("byte_idx"), "01");
    EXPECT_EQ(mem_row("mem_r0", 513), bits(513 % 256, 8));  // bank 1 otherwise untouched
}

}  // namespace
