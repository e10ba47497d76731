// fpga/animation (unit work_a_3956617804_1516540902): a slowly and
// irregularly changing 48-bit colour word.
//
// Six 24-bit up/down counters move like triangle waves between 0 and
// 2**CNT_BITS - 1. Counter k steps only when the m_k rightmost bits of its
// own shift register lfsr_k are all '0', and everything advances only on the
// step pulse, which is '1' for one clock after each change of the display
// address. The channel chan_k is the counter's top eight bits
// tri_k(CNT_BITS-1 downto CNT_BITS-8); the six channels are packed into
// pix_out, chan_6 leftmost.
//
// Processes (all wait on their sensitivity lists):
//   p_0       shift registers, asynchronous reset to all '1'
//   p_1       counters (reset to 0) and directions (reset to '1', up)
//   p_2       prev_addr and step, no reset
//   p_3..p_8  channel slices
//   p_9       packing
#include "work/a_3956617804_1516540902.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "ieee/p_2592010699.h"
#include "ieee/p_3620187407.h"
#include "units/globals.h"
#include "tovu/arith_fastpath.h"
#include "units/process_protocol.h"

namespace {

using namespace proto;

// ---- block layout ------------------------------------------------------------

constexpr size_t kSignalBase = 0x3e0;
constexpr size_t signal_at(int n) { return kSignalBase + kSignalRecordSize * static_cast<size_t>(n); }

constexpr size_t kClk = signal_at(0);
constexpr size_t kRst = signal_at(1);
constexpr size_t kDispAddr = signal_at(2);
// signal 3 is the output port pix_out; the code reaches it through its driver
constexpr size_t chan_signal(int k) { return signal_at(3 + k); }   // k = 1 .. 6
constexpr size_t tri_signal(int k) { return signal_at(9 + k); }
constexpr size_t dir_signal(int k) { return signal_at(15 + k); }
constexpr size_t lfsr_signal(int k) { return signal_at(21 + k); }
constexpr size_t kStep = signal_at(28);
constexpr size_t kPrevAddr = signal_at(29);

constexpr size_t kCntBits = 0x1750;  // object descriptor of CNT_BITS (INTEGER)

constexpr size_t wait_flag_of(int process) { return 0x2520 + 16 * static_cast<size_t>(process); }

constexpr size_t kDriverSize = kDriverRecordSize;
constexpr size_t lfsr_driver(int k) { return 0x2600 + kDriverSize * static_cast<size_t>(k - 1); }
constexpr size_t tri_driver(int k) { return 0x2780 + kDriverSize * static_cast<size_t>(k - 1); }
constexpr size_t dir_driver(int k) { return 0x2900 + kDriverSize * static_cast<size_t>(k - 1); }
constexpr size_t kPrevAddrDriver = 0x2a80;
constexpr size_t kStepDriver = 0x2ac0;
constexpr size_t chan_driver(int k) { return 0x2b00 + kDriverSize * static_cast<size_t>(k - 1); }
constexpr size_t kPixOutDriver = 0x2c80;

// Static bounds of the vector signals that the code hands to package
// functions (the design data also has those of the shift registers).
constexpr size_t kTriBounds = 0x2cc0;   // 23 downto 0
constexpr size_t kAddrBounds = 0x2cd0;  // 8 downto 0 (disp_addr, prev_addr)
constexpr size_t kChanBounds = 0x2ce0;  // 7 downto 0
constexpr size_t kWidthText = 0x2d50;  // report text of a counter width outside 8 .. 24
constexpr uint32_t kWidthTextLength = 53;

// std_logic_vector's type descriptor in std_logic_1164's block: the result
// type of the concatenations.
constexpr size_t kStdLogicVectorType = 0xfb8;

// ---- the design's constants -------------------------------------------------

constexpr int kChannels = 6;
constexpr int32_t kTriWidth = 24;
constexpr int32_t kAddrWidth = 9;
constexpr int32_t kChanWidth = 8;
constexpr int32_t kPixWidth = kChannels * kChanWidth;
// The channel slice tri(K-1 downto K-8) lies inside the counter only for these.
constexpr int32_t kMinCounterWidth = kChanWidth;
constexpr int32_t kMaxCounterWidth = kTriWidth;

// Shift register k: its length, its feedback tap and how many of its
// rightmost bits must be '0' for counter k to step.
struct Register {
    int32_t length;
    int32_t tap;
    int32_t enable_bits;
};
constexpr Register kRegister[kChannels + 1] = {
    {0, 0, 0},  // unused: channels count from 1
    {18, 10, 2}, {20, 16, 7}, {23, 17, 6}, {25, 21, 2}, {28, 24, 5}, {31, 27, 3},
};

// Source lines.
constexpr int32_t kLineLfsrReset = 55;     // if rst = '1'; 56..61 the resets
constexpr int32_t kLineLfsrStep = 63;      // if step = '1'; 64..69 the shifts
constexpr int32_t kLineCounterReset = 76;  // if rst = '1'; 77..82 tri, 83..88 dir
constexpr int32_t kLineCounterStep = 90;   // if step = '1'
constexpr int32_t kLineCounterBase = 91;   // counter k: 91 + 6(k-1) .. 96 + 6(k-1)
constexpr int32_t kLineStepClock = 134;
constexpr int32_t kLineChannelBase = 143;  // chan_k: line 143 + k
constexpr int32_t kLinePack = 151;

// The process table, directly followed by the unit's source path.
struct ProcessTable {
    void *pe[10];
    const char *ng0;
};
extern ProcessTable table;

const char *source() { return table.ng0; }

// ---- helpers -------------------------------------------------------------------

// The counter width CNT_BITS.
int32_t counter_width(char *b) {
    int32_t k;
    std::memcpy(&k, object_value(b, kCntBits), sizeof k);
    return k;
}

void *std_logic_vector_type() { return IEEE_P_2592010699 + kStdLogicVectorType; }

// A constant aggregate (others => v) of n elements, built in transient memory.
const uint8_t *aggregate(uint8_t v, int32_t n) {
    auto *p = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
    std::memset(p, v, static_cast<size_t>(n));
    return p;
}

// Whole-signal assignment of an array value returned by a package function:
// its length must be the target's.
void assign_result(char *b, size_t driver, const uint8_t *data, const array_bounds &got, int32_t length) {
    check_length(length, got);
    assign(b, driver, data, static_cast<size_t>(length));
}

// std_logic_unsigned "="(vector, INTEGER).
bool equals(const uint8_t *data, const array_bounds *bounds, int32_t value) {
    return ieee_p_3620187407_sub_2546418145_3965413181(IEEE_P_3620187407, data, bounds, value) != 0;
}

// ---- p_0: shift registers ----------------------------------------------------

void shift_register(char *b, int k) {
    const Register &r = kRegister[k];
    line(kLineLfsrStep + k, source());
    const uint8_t *v = value(b, lfsr_signal(k));
    // lfsr(n-1) is the leftmost byte, lfsr(t) the byte n-1-t.
    uint8_t feedback = ieee_p_2592010699_sub_2507238156_503743352(IEEE_P_2592010699, v[0], v[r.length - 1 - r.tap]);
    array_bounds low = make_bounds(r.length - 2, 0, -1);  // lfsr(n-2 downto 0)
    array_bounds out;
    auto *shifted = static_cast<uint8_t *>(zem_base_array_concat(nullptr, &out, std_logic_vector_type(), CONCAT_ARRAY,
                                                                 v + 1, &low, CONCAT_ELEMENT,
                                                                 static_cast<int32_t>(feedback), CONCAT_END));
    assign_result(b, lfsr_driver(k), shifted, out, r.length);
}

// ---- p_1: counters -------------------------------------------------------------

// One counter at a step pulse; both tests read the values from before the edge.
void step_counter(char *b, int k, int32_t width) {
    const Register &r = kRegister[k];
    const int32_t base = kLineCounterBase + 6 * (k - 1);
    const uint8_t *tri = value(b, tri_signal(k));
    const array_bounds *tri_bounds = bounds_at(b, kTriBounds);

    line(base, source());
    const uint8_t *lfsr = value(b, lfsr_signal(k));
    // lfsr(m-1 downto 0): its m rightmost elements
    array_bounds enable = make_bounds(r.enable_bits - 1, 0, -1);
    if (equals(lfsr + (r.length - r.enable_bits), &enable, 0)) {
        line(base + 1, source());
        array_bounds out;
        const uint8_t *next;
        if (bit(b, dir_signal(k)) == SL_1) {
            line(base + 1, source());
            next = ieee_p_3620187407_sub_436279890_3965413181(IEEE_P_3620187407, &out, tri, tri_bounds, 1);
        } else {
            line(base + 2, source());
            next = ieee_p_3620187407_sub_436351764_3965413181(IEEE_P_3620187407, &out, tri, tri_bounds, 1);
        }
        assign_result(b, tri_driver(k), next, out, kTriWidth);
    }

    line(base + 4, source());
    if (equals(tri, tri_bounds, zem_vhdl_pow(2, width) - 2)) {
        line(base + 4, source());
        assign_bit(b, dir_driver(k), SL_0);
    } else if (equals(tri, tri_bounds, 1)) {
        line(base + 5, source());
        assign_bit(b, dir_driver(k), SL_1);
    }
}

// ---- p_3 .. p_8: channels --------------------------------------------------

void channel(char *b, int k) {
    const int32_t width = counter_width(b);
    if (width < kMinCounterWidth || width > kMaxCounterWidth) {
        // The slice would lie outside the counter: end the run instead.
        zem_report(reinterpret_cast<const char *>(b + kWidthText), kWidthTextLength, SEV_FAILURE);
        wait_on_sensitivity(b, wait_flag_of(2 + k));
        return;
    }
    line(kLineChannelBase + k, source());
    const uint8_t *tri = value(b, tri_signal(k));
    assign(b, chan_driver(k), tri + (kTriWidth - width), kChanWidth);
    wait_on_sensitivity(b, wait_flag_of(2 + k));
}

}  // namespace

extern "C" {

void work_a_3956617804_1516540902_p_0(char *b) {
    line(kLineLfsrReset, source());
    if (bit(b, kRst) == SL_1) {
        for (int k = 1; k <= kChannels; ++k) {
            line(kLineLfsrReset + k, source());
            assign(b, lfsr_driver(k), aggregate(SL_1, kRegister[k].length), static_cast<size_t>(kRegister[k].length));
        }
    } else if (rising_edge(b, kClk)) {
        line(kLineLfsrStep, source());
        if (bit(b, kStep) == SL_1) {
            for (int k = 1; k <= kChannels; ++k) shift_register(b, k);
        }
    }
    wait_on_sensitivity(b, wait_flag_of(0));
}

void work_a_3956617804_1516540902_p_1(char *b) {
    line(kLineCounterReset, source());
    if (bit(b, kRst) == SL_1) {
        for (int k = 1; k <= kChannels; ++k) {
            line(kLineCounterReset + k, source());
            assign(b, tri_driver(k), aggregate(SL_0, kTriWidth), kTriWidth);
        }
        for (int k = 1; k <= kChannels; ++k) {
            line(kLineCounterReset + kChannels + k, source());
            assign_bit(b, dir_driver(k), SL_1);
        }
    } else if (rising_edge(b, kClk)) {
        line(kLineCounterStep, source());
        if (bit(b, kStep) == SL_1) {
            const int32_t width = counter_width(b);
            for (int k = 1; k <= kChannels; ++k) step_counter(b, k, width);
        }
    }
    wait_on_sensitivity(b, wait_flag_of(1));
}

void work_a_3956617804_1516540902_p_2(char *b) {
    line(kLineStepClock, source());
    if (rising_edge(b, kClk)) {
        const uint8_t *addr = value(b, kDispAddr);
        const uint8_t *prev = value(b, kPrevAddr);
        const array_bounds *bounds = bounds_at(b, kAddrBounds);
        line(kLineStepClock + 1, source());
        assign(b, kPrevAddrDriver, addr, kAddrWidth);
        line(kLineStepClock + 2, source());
        // prev is still the value from before this edge: the assignment above
        // takes effect a delta cycle later.
        if (ieee_std_logic_unsigned_equal_stdv_stdv(IEEE_P_3620187407, prev, bounds, addr, bounds) != 0) {
            line(kLineStepClock + 3, source());
            assign_bit(b, kStepDriver, SL_0);
        } else {
            line(kLineStepClock + 5, source());
            assign_bit(b, kStepDriver, SL_1);
        }
    }
    wait_on_sensitivity(b, wait_flag_of(2));
}

void work_a_3956617804_1516540902_p_3(char *b) { channel(b, 1); }
void work_a_3956617804_1516540902_p_4(char *b) { channel(b, 2); }
void work_a_3956617804_1516540902_p_5(char *b) { channel(b, 3); }
void work_a_3956617804_1516540902_p_6(char *b) { channel(b, 4); }
void work_a_3956617804_1516540902_p_7(char *b) { channel(b, 5); }
void work_a_3956617804_1516540902_p_8(char *b) { channel(b, 6); }

void work_a_3956617804_1516540902_p_9(char *b) {
    line(kLinePack, source());
    const array_bounds *chan_bounds = bounds_at(b, kChanBounds);
    // chan_6 & chan_4 & chan_2 & chan_5 & chan_3 & chan_1, five concatenations
    static constexpr int kOrder[kChannels] = {6, 4, 2, 5, 3, 1};
    array_bounds bounds = *chan_bounds;
    const uint8_t *word = value(b, chan_signal(kOrder[0]));
    for (int i = 1; i < kChannels; ++i) {
        array_bounds joined;
        word = static_cast<const uint8_t *>(zem_base_array_concat(nullptr, &joined, std_logic_vector_type(),
                                                                  CONCAT_ARRAY, word, &bounds, CONCAT_ARRAY,
                                                                  value(b, chan_signal(kOrder[i])), chan_bounds,
                                                                  CONCAT_END));
        bounds = joined;
    }
    check_length(kPixWidth, bounds);
    assign_port(b, kPixOutDriver, word, kPixWidth);
    wait_on_sensitivity(b, wait_flag_of(9));
}

}  // extern "C"

namespace {

ProcessTable table = {
    {
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_0),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_1),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_2),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_3),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_4),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_5),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_6),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_7),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_8),
        reinterpret_cast<void *>(work_a_3956617804_1516540902_p_9),
    },
    "fpga/animation",
};

}  // namespace

extern "C" void work_a_3956617804_1516540902_init(void) {
    zem_register_didat("work_a_3956617804_1516540902", "kest/benchsnap.exe.sim/work/a_3956617804_1516540902.didat");
    zem_register_executes(table.pe);
}
