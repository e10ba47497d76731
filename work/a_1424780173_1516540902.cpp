// fpga/display_control: the LED-panel scan. A 9-bit scan address (row in
// bits 8..5, column in bits 4..0) runs through the frame memories; for each
// column the controller shifts out six colour bits (three colours, two panel
// halves) with a shift clock, latches each row pass, blanks the panel around
// the change to a new row, and repeats every row 257 times with a PWM
// counter: a colour bit is '1' while the counter is below the pixel's 8-bit
// colour value. The six colour values arrive through the gamma tables that
// the design data instantiates inside this unit.
#include "work/a_1424780173_1516540902.h"

#include "units/snapshot.h"

#include "ieee/p_3620187407.h"
#include "units/process_protocol.h"

namespace {

using namespace proto;

// signal records, ports first
constexpr size_t kClk = 0x3e0;        // #0
constexpr size_t kRst = 0x480;        // #1 asynchronous reset, active '1'
constexpr size_t kStart = 0x520;      // #2 leaves wait_start while '1'
constexpr size_t kPwmCnt = 0xac0;     // #11 PWM pass counter, 9 elements
constexpr size_t kLastCol = 0xb60;    // #12
constexpr size_t kPwmDone = 0xc00;    // #13
constexpr size_t kAddrStep = 0xca0;   // #14
constexpr size_t kColour0 = 0xd40;    // #15..#20 col_0..col_5, 8 elements each
constexpr size_t kDivCnt = 0x1100;    // #21 timing divider, 3 elements
constexpr size_t kDivEn = 0x11a0;     // #22
constexpr size_t kScanAddr = 0x1240;  // #23 9 elements: row 8..5, column 4..0
constexpr size_t kNextBlank = 0x12e0; // #24
constexpr size_t kBlank = 0x1380;     // #25
constexpr size_t kStrobeA = 0x1420;   // #26 (the shift clock in this design)
constexpr size_t kStrobeB = 0x14c0;   // #27 (the latch in this design)
constexpr size_t kState = 0x1560;     // #28
constexpr size_t kNextState = 0x1600; // #29

constexpr size_t kClkDiv = 0x17c8;  // object descriptor of the divider compare value N

// sensitivity-wait flag of process n
constexpr size_t kFlagEntrySize = 16;
constexpr size_t flag(int n) { return 0x28f8 + kFlagEntrySize * static_cast<size_t>(n); }

// drivers
constexpr size_t kDrvPwmCnt = 0x2a08;    // p_0
constexpr size_t kDrvDivCnt = 0x2a48;    // p_1
constexpr size_t kDrvScanAddr = 0x2a88;  // p_2
constexpr size_t kDrvAddrOut = 0x2c48;   // p_9
constexpr size_t kDrvBlankOut = 0x2c88;  // p_10
constexpr size_t kDrvStrobeAOut = 0x2cc8;
constexpr size_t kDrvStrobeBOut = 0x2d08;
constexpr size_t kDrvRowOut = 0x2d48;
constexpr size_t kDrvState = 0x2d88;  // p_11
constexpr size_t kDrvBlank = 0x2dc8;
constexpr size_t kDrvNextState = 0x2e08;  // p_12
constexpr size_t kDrvNextBlank = 0x2e48;
constexpr size_t kDrvPwmDone = 0x2e88;
constexpr size_t kDrvAddrStep = 0x2ec8;
constexpr size_t kDrvLastCol = 0x2f08;
constexpr size_t kDrvDivEn = 0x2f48;
constexpr size_t kDrvSclk = 0x2f88;
constexpr size_t kDrvLatch = 0x2fc8;

// literal pool and static bounds
constexpr size_t kDivClearLiteral = 0x3008;  // "000"
constexpr size_t kColFirst = 0x3010;         // COL_FIRST, 5 elements
constexpr size_t kColFirstBounds = 0x3018;
constexpr size_t kPwmCntBounds = 0x3028;
constexpr size_t kDivCntBounds = 0x3038;
constexpr size_t kScanAddrBounds = 0x3048;
constexpr size_t kColourBounds0 = 0x3058;  // one record per colour value, one after another
constexpr size_t kDividerText = 0x30b8;
constexpr uint32_t kDividerTextLength = 54;

// std_logic_1164's std_logic_vector type descriptor: the result type of the
// concatenations.
constexpr size_t kStdLogicVectorType = 0xfb8;

constexpr uint32_t kPwmBits = 9;
constexpr uint32_t kDivBits = 3;
constexpr uint32_t kAddrBits = 9;
constexpr uint32_t kRowBits = 4;       // scan_addr(8 downto 5), the leading elements
constexpr uint32_t kColumnOffset = 4;  // scan_addr(4 downto 0) starts at element 4
constexpr int32_t kLastColumn = 31;
constexpr int32_t kLastPass = 256;
// div_cnt has three bits, so the longest wait (2N) must fit in 0..7.
constexpr int32_t kMaxClkDiv = 3;

// The controller states, in their enumeration's position order.
enum State : uint8_t { kWaitStart, kShiftHigh, kShiftLow, kAdvance, kLatchRow, kBlankRow, kUnblank };

const char ng0[] = "fpga/display_control";

inline void at(int32_t n) { line(n, ng0); }

size_t colour_signal(int k) { return kColour0 + kSignalRecordSize * static_cast<size_t>(k); }
size_t colour_bounds(int k) { return kColourBounds0 + sizeof(array_bounds) * static_cast<size_t>(k); }

// std_logic_unsigned "="(vector, INTEGER).
bool equals(const uint8_t *data, const array_bounds *bounds, int32_t v) {
    return ieee_p_3620187407_sub_2546418145_3965413181(IEEE_P_3620187407, data, bounds, v) != 0;
}
bool equals(char *b, size_t sig, size_t bounds, int32_t v) { return equals(value(b, sig), bounds_at(b, bounds), v); }

// The column, scan_addr(4 downto 0), read as unsigned, compared with v.
bool column_is(char *b, int32_t v) {
    const array_bounds column = make_bounds(4, 0, -1);
    return equals(value(b, kScanAddr) + kColumnOffset, &column, v);
}

// sig <= sig + 1 (std_logic_unsigned "+"(vector, INTEGER), wrapping, same range).
void assign_incremented(char *b, size_t sig, size_t bounds, size_t drv, uint32_t length) {
    array_bounds sum_bounds;
    const uint8_t *sum =
        ieee_p_3620187407_sub_436279890_3965413181(IEEE_P_3620187407, &sum_bounds, value(b, sig), bounds_at(b, bounds), 1);
    check_length(static_cast<int32_t>(length), sum_bounds);
    assign(b, drv, sum, length);
}

// sig <= (others => '0'): the aggregate is built in transient memory.
void assign_zeros(char *b, size_t drv, uint32_t length) {
    auto *zeros = static_cast<uint8_t *>(zem_get_transient_memory(length));
    std::memset(zeros, SL_0, length);
    assign(b, drv, zeros, length);
}

void assign_state(char *b, size_t drv, State s) { assign_bit(b, drv, s); }

int32_t clk_div(char *b) { return *object_value<int32_t>(b, kClkDiv); }

// The colour-bit processes p_3 to p_8, in process order: the source line,
// the colour value compared and the bit's position in its 3-element output
// (p_3..p_5 drive rgb_0, p_6..p_8 rgb_1, each on its own element driver).
struct ColourBit {
    int32_t source_line;
    int colour;
    uint32_t position;
};
constexpr ColourBit kColourBits[6] = {{153, 0, 2}, {154, 2, 1}, {155, 4, 0}, {156, 1, 2}, {157, 3, 1}, {158, 5, 0}};
constexpr size_t kDrvColourBit0 = 0x2ac8;  // p_3; p_4 .. p_8 follow 64 bytes apart
constexpr int kFirstColourProcess = 3;

// rgb(position) <= '1' when pwm_cnt < ('0' & col_k) else '0'.
void colour_process(char *b, int j) {
    const ColourBit &c = kColourBits[j];
    const int k = c.colour;
    at(c.source_line);
    array_bounds widened_bounds;
    const auto *widened = static_cast<const uint8_t *>(
        zem_base_array_concat(nullptr, &widened_bounds, type_descriptor(IEEE_P_2592010699, kStdLogicVectorType),
                              CONCAT_ELEMENT, static_cast<int32_t>(SL_0), CONCAT_ARRAY, value(b, colour_signal(k)),
                              bounds_at(b, colour_bounds(k)), CONCAT_END));
    const bool lit = ieee_p_3620187407_sub_1742983514_3965413181(IEEE_P_3620187407, value(b, kPwmCnt),
                                                                 bounds_at(b, kPwmCntBounds), widened,
                                                                 &widened_bounds) != 0;
    const uint8_t v = lit ? SL_1 : SL_0;
    assign_elements(b, kDrvColourBit0 + kDriverRecordSize * static_cast<size_t>(j), c.position, 1, &v, 1);
    wait_on_sensitivity(b, flag(kFirstColourProcess + j));
}

}  // namespace

extern "C" {

// PWM counter: one step per row pass, 0 to 256, stepped in the advance that
// follows the last column.
void work_a_1424780173_1516540902_p_0(char *b) {
    at(113);
    if (bit(b, kRst) == SL_1) {
        at(114);
        assign_zeros(b, kDrvPwmCnt, kPwmBits);
    } else if (rising_edge(b, kClk)) {
        at(116);
        if (bit(b, kLastCol) == SL_1) {
            at(117);
            if (equals(b, kPwmCnt, kPwmCntBounds, kLastPass)) {
                at(118);
                assign_zeros(b, kDrvPwmCnt, kPwmBits);
            } else {
                at(120);
                assign_incremented(b, kPwmCnt, kPwmCntBounds, kDrvPwmCnt, kPwmBits);
            }
        }
    }
    wait_on_sensitivity(b, flag(0));
}

// Timing divider: counts while div_en is not '0' (7 + 1 gives 0), cleared
// while it is '0'.
void work_a_1424780173_1516540902_p_1(char *b) {
    at(128);
    if (rising_edge(b, kClk)) {
        at(129);
        if (bit(b, kDivEn) == SL_0) {
            at(130);
            assign(b, kDrvDivCnt, b + kDivClearLiteral, kDivBits);
        } else {
            at(132);
            assign_incremented(b, kDivCnt, kDivCntBounds, kDrvDivCnt, kDivBits);
        }
    }
    wait_on_sensitivity(b, flag(1));
}

// Scan address: steps in every advance state. After the last column of a
// pass that is not the row's last it goes back to the first column of the
// same row; otherwise it counts on (column 31 of the last pass gives column 0
// of the next row, row 15 wraps to row 0).
void work_a_1424780173_1516540902_p_2(char *b) {
    at(139);
    if (bit(b, kRst) == SL_1) {
        at(140);
        assign_zeros(b, kDrvScanAddr, kAddrBits);
    } else if (rising_edge(b, kClk)) {
        at(142);
        if (bit(b, kAddrStep) == SL_1) {
            at(143);
            if (bit(b, kLastCol) == SL_1 && bit(b, kPwmDone) == SL_0) {
                at(144);
                const array_bounds row = make_bounds(8, 5, -1);
                array_bounds repeat_bounds;
                const auto *repeat = static_cast<const uint8_t *>(zem_base_array_concat(
                    nullptr, &repeat_bounds, type_descriptor(IEEE_P_2592010699, kStdLogicVectorType), CONCAT_ARRAY,
                    value(b, kScanAddr), &row, CONCAT_ARRAY, b + kColFirst, bounds_at(b, kColFirstBounds),
                    CONCAT_END));
                check_length(kAddrBits, repeat_bounds);
                assign(b, kDrvScanAddr, repeat, kAddrBits);
            } else {
                at(146);
                assign_incremented(b, kScanAddr, kScanAddrBounds, kDrvScanAddr, kAddrBits);
            }
        }
    }
    wait_on_sensitivity(b, flag(2));
}

// The colour bits: rgb_0 carries col_0, col_2, col_4 and rgb_1 carries
// col_1, col_3, col_5, from the left.
void work_a_1424780173_1516540902_p_3(char *b) { colour_process(b, 0); }
void work_a_1424780173_1516540902_p_4(char *b) { colour_process(b, 1); }
void work_a_1424780173_1516540902_p_5(char *b) { colour_process(b, 2); }
void work_a_1424780173_1516540902_p_6(char *b) { colour_process(b, 3); }
void work_a_1424780173_1516540902_p_7(char *b) { colour_process(b, 4); }
void work_a_1424780173_1516540902_p_8(char *b) { colour_process(b, 5); }

// addr_out <= scan_addr.
void work_a_1424780173_1516540902_p_9(char *b) {
    at(160);
    assign_port(b, kDrvAddrOut, value(b, kScanAddr), kAddrBits);
    wait_on_sensitivity(b, flag(9));
}

// Registered panel outputs. The row address is loaded only while the panel
// is blanked and strobe_a is '1'.
void work_a_1424780173_1516540902_p_10(char *b) {
    at(165);
    if (rising_edge(b, kClk)) {
        at(166);
        assign_port_bit(b, kDrvBlankOut, bit(b, kBlank));
        at(167);
        assign_port_bit(b, kDrvStrobeAOut, bit(b, kStrobeA));
        at(168);
        assign_port_bit(b, kDrvStrobeBOut, bit(b, kStrobeB));
        at(169);
        if (bit(b, kBlank) == SL_1 && bit(b, kStrobeA) == SL_1) {
            at(170);
            assign_port(b, kDrvRowOut, value(b, kScanAddr), kRowBits);
        }
    }
    wait_on_sensitivity(b, flag(10));
}

// State registers.
void work_a_1424780173_1516540902_p_11(char *b) {
    at(178);
    if (bit(b, kRst) == SL_1) {
        at(179);
        assign_state(b, kDrvState, kWaitStart);
        at(180);
        assign_bit(b, kDrvBlank, SL_0);
    } else if (rising_edge(b, kClk)) {
        at(182);
        assign_bit(b, kDrvState, bit(b, kNextState));
        at(183);
        assign_bit(b, kDrvBlank, bit(b, kNextBlank));
    }
    wait_on_sensitivity(b, flag(11));
}

// Next-state logic. The divider waits N + 1 cycles in shift_low, N in
// shift_high after an advance and 2N + 1 in latch_row and blank_row, with N
// = CLK_DIV. A divider outside 0..3 would make the 3-bit counter miss its
// compare value and freeze the scan: it is reported as a FAILURE, which ends
// the run.
void work_a_1424780173_1516540902_p_12(char *b) {
    const int32_t n = clk_div(b);
    if (n < 0 || n > kMaxClkDiv) {
        zem_report(reinterpret_cast<const char *>(b + kDividerText), kDividerTextLength, SEV_FAILURE);
        wait_on_sensitivity(b, flag(12));
        return;
    }
    const int32_t twice_n = n + n;
    const auto state = static_cast<State>(bit(b, kState));
    auto divider_at = [b](int32_t v) { return equals(b, kDivCnt, kDivCntBounds, v); };
    auto pwm_at = [b](int32_t v) { return equals(b, kPwmCnt, kPwmCntBounds, v); };

    at(190);
    assign_state(b, kDrvNextState, state);
    at(191);
    assign_bit(b, kDrvNextBlank, bit(b, kBlank));
    at(192);
    assign_bit(b, kDrvPwmDone, SL_0);
    at(193);
    assign_bit(b, kDrvAddrStep, SL_0);
    at(194);
    assign_bit(b, kDrvLastCol, SL_0);
    at(195);
    assign_bit(b, kDrvDivEn, SL_0);
    at(196);
    assign_bit(b, kDrvSclk, SL_1);
    at(197);
    assign_bit(b, kDrvLatch, SL_0);
    at(200);
    switch (state) {
    case kWaitStart:
        at(202);
        if (bit(b, kStart) == SL_1) {
            at(203);
            assign_state(b, kDrvNextState, kShiftHigh);
        }
        break;
    case kShiftHigh:
        at(206);
        if (divider_at(n)) {
            at(207);
            assign_state(b, kDrvNextState, kShiftLow);
        } else {
            at(209);
            assign_bit(b, kDrvDivEn, SL_1);
        }
        break;
    case kShiftLow:
        at(212);
        assign_bit(b, kDrvSclk, SL_0);
        at(213);
        if (divider_at(n)) {
            at(214);
            if (column_is(b, kLastColumn)) {
                at(215);
                if (pwm_at(0)) {
                    at(216);
                    assign_state(b, kDrvNextState, kBlankRow);
                } else {
                    at(218);
                    assign_state(b, kDrvNextState, kLatchRow);
                }
            } else {
                at(221);
                assign_state(b, kDrvNextState, kAdvance);
            }
        } else {
            at(224);
            assign_bit(b, kDrvDivEn, SL_1);
        }
        break;
    case kAdvance:
        at(227);
        assign_bit(b, kDrvDivEn, SL_1);
        at(228);
        assign_bit(b, kDrvAddrStep, SL_1);
        at(229);
        if (column_is(b, kLastColumn)) {
            at(230);
            assign_bit(b, kDrvLastCol, SL_1);
        }
        at(232);
        if (pwm_at(kLastPass)) {
            at(233);
            assign_bit(b, kDrvPwmDone, SL_1);
        }
        at(235);
        if (bit(b, kBlank) == SL_1) {
            at(236);
            assign_state(b, kDrvNextState, kUnblank);
        } else {
            at(238);
            assign_state(b, kDrvNextState, kShiftHigh);
        }
        break;
    case kLatchRow:
        at(241);
        assign_bit(b, kDrvLatch, SL_1);
        at(242);
        if (divider_at(twice_n)) {
            at(243);
            assign_state(b, kDrvNextState, kAdvance);
        } else {
            at(245);
            assign_bit(b, kDrvDivEn, SL_1);
        }
        break;
    case kBlankRow:
        at(248);
        assign_bit(b, kDrvNextBlank, SL_1);
        at(249);
        if (divider_at(twice_n)) {
            at(250);
            assign_state(b, kDrvNextState, kLatchRow);
        } else {
            at(252);
            assign_bit(b, kDrvDivEn, SL_1);
        }
        break;
    case kUnblank:
        at(255);
        if (divider_at(twice_n)) {
            at(256);
            assign_bit(b, kDrvNextBlank, SL_0);
            at(257);
            assign_state(b, kDrvNextState, kShiftHigh);
        } else {
            at(259);
            assign_bit(b, kDrvDivEn, SL_1);
        }
        break;
    }
    wait_on_sensitivity(b, flag(12));
}

// Process table followed directly by the source path.
static struct {
    void *pe[13];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_0),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_1),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_2),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_3),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_4),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_5),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_6),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_7),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_8),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_9),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_10),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_11),
             reinterpret_cast<void *>(&work_a_1424780173_1516540902_p_12)},
            ng0};

void work_a_1424780173_1516540902_init(void) {
    zem_register_didat("work_a_1424780173_1516540902", SNAPSHOT_DIDAT("work/a_1424780173_1516540902.didat"));
    zem_register_executes(tables.pe);
}

}  // extern "C"
