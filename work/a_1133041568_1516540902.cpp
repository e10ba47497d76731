// fpga/uart_rx: the serial frame receiver.
//
// The line idles at '1'. A byte is a start bit '0', eight data bits least
// significant first and a stop bit '1', each 128 cycles of clk. The line is
// registered once (rx_reg); the start bit is seen at half a bit time and each
// data bit is taken one bit time after the previous one, so bit 0 is sampled
// one and a half bit times after the start edge. A byte whose stop bit reads
// '1' pulses `valid` for one cycle, or `sync` when the byte is 1: a sync
// restarts the frame at pixel 0 of the current bank. Each valid colour byte
// raises one of six write strobes (colour byte 0, 1, 2 of the pixel times
// panel half) for the frame memories; the 11-bit pixel pointer gives the write
// address, its top bit the write bank, which flips after 1024 pixels and is
// handed to the display clock domain through two registers.
#include "work/a_1133041568_1516540902.h"

#include "units/snapshot.h"

#include "ieee/p_3620187407.h"
#include "tovu/arith_fastpath.h"
#include "units/process_protocol.h"

// Source path reported with every statement's line.
static const char ng0[] = "fpga/uart_rx";

namespace {

using namespace proto;

// ---- block layout ----------------------------------------------------------

constexpr size_t signal_at(int n) { return 0x410 + kSignalRecordSize * static_cast<size_t>(n); }

// signal records (ports first; #0-#2 the colour outputs and #8 bank_out are
// only driven, by the frame memories and p_11)
constexpr size_t kRst = signal_at(3);
constexpr size_t kDispClk = signal_at(4);
constexpr size_t kClk = signal_at(5);
constexpr size_t kRx = signal_at(6);
constexpr size_t kDispAddr = signal_at(7);  // 8 downto 0
constexpr size_t kState = signal_at(10);
constexpr size_t kNextState = signal_at(11);
constexpr size_t kValid = signal_at(12);
constexpr size_t kSync = signal_at(13);
constexpr size_t kData = signal_at(14);  // 7 downto 0
constexpr size_t kCnt = signal_at(15);   // 6 downto 0
constexpr size_t kCntEn = signal_at(16);
constexpr size_t kBitCnt = signal_at(17);  // 2 downto 0
constexpr size_t kBitEn = signal_at(18);
constexpr size_t kRxReg = signal_at(19);
constexpr size_t kNextData = signal_at(20);  // 7 downto 0
constexpr size_t kBankRd = signal_at(25);
constexpr size_t kByteIdx = signal_at(26);  // 1 downto 0
constexpr size_t kPixPtr = signal_at(27);   // 10 downto 0

// sensitivity-wait flag of process n
constexpr size_t flag_of(int n) { return 0x2a20 + 16 * static_cast<size_t>(n); }

// drivers
constexpr size_t kDrvState = 0x2b40, kDrvData = 0x2b80, kDrvRxReg = 0x2bc0;                                // p_0
constexpr size_t kDrvNextState = 0x2c00, kDrvNextData = 0x2c40, kDrvCntEn = 0x2c80;                        // p_1
constexpr size_t kDrvBitEn = 0x2cc0, kDrvValid = 0x2d00, kDrvSync = 0x2d40;                                // p_1
constexpr size_t kDrvCnt = 0x2d80;                                                                         // p_2
constexpr size_t kDrvBitCnt = 0x2dc0;                                                                      // p_3
constexpr size_t strobe_driver(int n) { return 0x2e00 + kDriverRecordSize * static_cast<size_t>(n - 4); }  // p_4..p_9
constexpr size_t kDrvByteIdx = 0x2f80, kDrvPixPtr = 0x2fc0;                                                // p_10
constexpr size_t kDrvBankRd = 0x3000, kDrvBankOut = 0x3040;                                                // p_11
constexpr size_t kDrvRaddr = 0x3080;                                                                       // p_12
constexpr size_t kDrvWaddr = 0x30c0;                                                                       // p_13

// literal pool: one copy per use, in source order, and the static bounds of
// the vector signals handed to package functions
constexpr size_t kPool = 0x3100;
constexpr size_t kLitDataReset = kPool + 0x00;  // "00000000", line 100
constexpr size_t kLitLastBit = kPool + 0x08;    // LAST_BIT, line 135
constexpr size_t kLastBitBounds = kPool + 0x0c;
constexpr size_t kLitCntClear = kPool + 0x1c;                                 // "0000000", line 162
constexpr size_t kLitBitCntReset = kPool + 0x23;                              // "111", line 171
constexpr size_t kLitByteSel[6] = {kPool + 0x26, kPool + 0x38, kPool + 0x4c,  // BYTE_SEL_4..9
                                   kPool + 0x60, kPool + 0x74, kPool + 0x88};
constexpr size_t kByteSelBounds[6] = {kPool + 0x28, kPool + 0x3c, kPool + 0x50,
                                      kPool + 0x64, kPool + 0x78, kPool + 0x8c};
constexpr size_t kLitByteIdxReset = kPool + 0x9c;  // "00", line 191
constexpr size_t kLitByteIdxSync = kPool + 0x9e;   // "00", line 195
constexpr size_t kLitLastByte = kPool + 0xa0;      // LAST_BYTE, line 198
constexpr size_t kLastByteBounds = kPool + 0xa4;
constexpr size_t kLitByteIdxWrap = kPool + 0xb4;  // "00", line 199
constexpr size_t kBitCntBounds = kPool + 0xb8;
constexpr size_t kCntBounds = kPool + 0xc8;
constexpr size_t kDataBounds = kPool + 0xd8;
constexpr size_t kByteIdxBounds = kPool + 0xe8;
constexpr size_t kPixPtrBounds = kPool + 0xf8;
constexpr size_t kDispAddrBounds = kPool + 0x108;

// std_logic_vector's type descriptor in std_logic_1164's block
constexpr size_t kStdLogicVectorType = 0xfb8;

// ---- values ------------------------------------------------------------------

// receiver states
constexpr uint8_t kIdle = 0, kStartBit = 1, kDataBits = 2, kStopBit = 3;

constexpr int32_t kDataLength = 8, kCntLength = 7, kBitCntLength = 3, kByteIdxLength = 2;
constexpr int32_t kPixPtrLength = 11, kAddressLength = 10;
// pix_ptr (10 downto 0): bit 10 the write bank, bit 9 the panel half
constexpr uint32_t kBankBit = 0, kHalfBit = 1;                     // positions from the left
constexpr uint32_t kPixelBitsPosition = 1, kPixelBitsLength = 10;  // pix_ptr(9 downto 0)

// ---- helpers -----------------------------------------------------------------

const uint8_t *literal(char *b, size_t off) { return reinterpret_cast<const uint8_t *>(b + off); }

// A vector signal of this block read as unsigned equals an integer
// (std_logic_unsigned "=").
bool equals(char *b, size_t sig, size_t bounds, int32_t n) {
    return ieee_p_3620187407_sub_2546418145_3965413181(IEEE_P_3620187407, value(b, sig), bounds_at(b, bounds), n) != 0;
}

// A vector signal equals a vector literal of the pool, both read as unsigned.
bool equals_literal(char *b, size_t sig, size_t bounds, size_t lit, size_t lit_bounds) {
    return ieee_std_logic_unsigned_equal_stdv_stdv(IEEE_P_3620187407, value(b, sig), bounds_at(b, bounds),
                                                   literal(b, lit), bounds_at(b, lit_bounds)) != 0;
}

// target <= sig + 1 (std_logic_unsigned "+", wrapping from all ones to zero).
void assign_incremented(char *b, size_t drv, size_t sig, size_t bounds, int32_t length) {
    array_bounds result_bounds;
    const uint8_t *sum = ieee_p_3620187407_sub_436279890_3965413181(IEEE_P_3620187407, &result_bounds, value(b, sig),
                                                                    bounds_at(b, bounds), 1);
    check_length(length, result_bounds);
    assign(b, drv, sum, static_cast<size_t>(length));
}

// (others => '0') of n elements, built in transient memory.
const uint8_t *all_zeros(uint32_t n) {
    auto *p = static_cast<uint8_t *>(zem_get_transient_memory(n));
    std::memset(p, SL_0, n);
    return p;
}

// pix_ptr(9): the panel half of the pixel being written.
uint8_t pixel_half(char *b) { return value(b, kPixPtr)[kHalfBit]; }

uint8_t logic_not(uint8_t v) { return ieee_p_2592010699_sub_1690584930_503743352(IEEE_P_2592010699, v); }

// target <= element & vector (a 10-element address), as a whole-signal
// assignment.
void assign_concatenation(char *b, size_t drv, uint8_t element, const uint8_t *vec, const array_bounds *vec_bounds) {
    array_bounds result_bounds;
    const auto *joined = static_cast<const uint8_t *>(
        zem_base_array_concat(nullptr, &result_bounds, type_descriptor(IEEE_P_2592010699, kStdLogicVectorType),
                              static_cast<int>(CONCAT_ELEMENT), static_cast<int>(element),
                              static_cast<int>(CONCAT_ARRAY), vec, vec_bounds, static_cast<int>(CONCAT_END)));
    check_length(kAddressLength, result_bounds);
    assign(b, drv, joined, kAddressLength);
}

// One write strobe (p_4 to p_9): element `position` of its strobe vector is
// set while a byte is valid and the byte index equals the strobe's literal,
// else '0'. Position 1 (element 0) is set for pixels with pix_ptr(9) = '0',
// position 0 (element 1) for the others. The literal is compared only while
// valid = '1'.
void write_strobe(char *b, int process, int32_t source_line, uint32_t position) {
    line(source_line, ng0);
    uint8_t strobe = SL_0;
    const int k = process - 4;
    if (bit(b, kValid) == SL_1 && equals_literal(b, kByteIdx, kByteIdxBounds, kLitByteSel[k], kByteSelBounds[k]))
        strobe = position == 1 ? logic_not(pixel_half(b)) : pixel_half(b);
    assign_elements(b, strobe_driver(process), position, 1, &strobe, 1);
    wait_on_sensitivity(b, flag_of(process));
}

}  // namespace

extern "C" {

// State registers: the receiver state, the received byte and the registered
// serial line, reset asynchronously.
void work_a_1133041568_1516540902_p_0(char *b) {
    line(98, ng0);
    if (bit(b, kRst) == SL_1) {
        line(99, ng0);
        assign_bit(b, kDrvState, kIdle);
        line(100, ng0);
        assign(b, kDrvData, literal(b, kLitDataReset), kDataLength);
        line(101, ng0);
        assign_bit(b, kDrvRxReg, SL_1);
    } else if (rising_edge(b, kClk)) {
        line(103, ng0);
        assign_bit(b, kDrvState, bit(b, kNextState));
        line(104, ng0);
        assign(b, kDrvData, value(b, kNextData), kDataLength);
        line(105, ng0);
        assign_bit(b, kDrvRxReg, bit(b, kRx));
    }
    wait_on_sensitivity(b, flag_of(0));
}

// Next-state logic. The start bit is seen when the bit timer reaches 64 (half
// a bit time); each data bit, and then the stop bit, when it reaches 127. A
// stop bit that is not '1' gives neither valid nor sync: the byte is dropped.
void work_a_1133041568_1516540902_p_1(char *b) {
    line(113, ng0);
    assign_bit(b, kDrvNextState, bit(b, kState));
    line(114, ng0);
    assign(b, kDrvNextData, value(b, kData), kDataLength);
    line(115, ng0);
    assign_bit(b, kDrvCntEn, SL_1);
    line(116, ng0);
    assign_bit(b, kDrvBitEn, SL_0);
    line(117, ng0);
    assign_bit(b, kDrvValid, SL_0);
    line(118, ng0);
    assign_bit(b, kDrvSync, SL_0);

    line(119, ng0);
    switch (bit(b, kState)) {
        case kIdle:
            line(121, ng0);
            if (bit(b, kRxReg) == SL_0) {
                line(122, ng0);
                assign_bit(b, kDrvNextState, kStartBit);
            } else {
                line(124, ng0);
                assign_bit(b, kDrvCntEn, SL_0);
            }
            break;
        case kStartBit:
            line(127, ng0);
            if (value(b, kCnt)[0] == SL_1) {  // cnt(6): the counter has reached 64
                line(128, ng0);
                assign_bit(b, kDrvNextState, kDataBits);
                line(129, ng0);
                assign_bit(b, kDrvBitEn, SL_1);
                line(130, ng0);
                assign_bit(b, kDrvCntEn, SL_0);
            }
            break;
        case kDataBits:
            line(133, ng0);
            if (equals(b, kCnt, kCntBounds, zem_vhdl_pow(2, 7) - 1)) {
                line(134, ng0);
                // next_data(CONV_INTEGER(bit_cnt)) <= rx_reg; a 3-bit index is
                // always 0 to 7
                const int32_t index = ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, value(b, kBitCnt),
                                                                                 bounds_at(b, kBitCntBounds));
                const uint8_t sample = bit(b, kRxReg);
                assign_elements(b, kDrvNextData, downto_position(kDataLength, static_cast<uint32_t>(index)), 1, &sample,
                                1);
                line(135, ng0);
                if (equals_literal(b, kBitCnt, kBitCntBounds, kLitLastBit, kLastBitBounds)) {
                    line(136, ng0);
                    assign_bit(b, kDrvNextState, kStopBit);
                } else {
                    line(138, ng0);
                    assign_bit(b, kDrvBitEn, SL_1);
                }
            }
            break;
        case kStopBit:
            line(142, ng0);
            if (equals(b, kCnt, kCntBounds, 127)) {
                line(143, ng0);
                assign_bit(b, kDrvNextState, kIdle);
                line(144, ng0);
                if (equals(b, kData, kDataBounds, 1)) {
                    line(145, ng0);
                    assign_bit(b, kDrvValid, SL_0);
                    line(146, ng0);
                    assign_bit(b, kDrvSync, bit(b, kRxReg));
                } else {
                    line(148, ng0);
                    assign_bit(b, kDrvValid, bit(b, kRxReg));
                    line(149, ng0);
                    assign_bit(b, kDrvSync, SL_0);
                }
            }
            break;
        default: break;
    }
    wait_on_sensitivity(b, flag_of(1));
}

// Bit timer: counts while cnt_en = '1' (127 + 1 gives 0), cleared otherwise.
// It has no reset.
void work_a_1133041568_1516540902_p_2(char *b) {
    line(158, ng0);
    if (rising_edge(b, kClk)) {
        line(159, ng0);
        if (bit(b, kCntEn) == SL_1) {
            line(160, ng0);
            assign_incremented(b, kDrvCnt, kCnt, kCntBounds, kCntLength);
        } else {
            line(162, ng0);
            assign(b, kDrvCnt, literal(b, kLitCntClear), kCntLength);
        }
    }
    wait_on_sensitivity(b, flag_of(2));
}

// Index of the next data bit: reset to 7, so that the first step gives 0.
void work_a_1133041568_1516540902_p_3(char *b) {
    line(170, ng0);
    if (bit(b, kRst) == SL_1) {
        line(171, ng0);
        assign(b, kDrvBitCnt, literal(b, kLitBitCntReset), kBitCntLength);
    } else if (rising_edge(b, kClk)) {
        line(173, ng0);
        if (bit(b, kBitEn) == SL_1) {
            line(174, ng0);
            assign_incremented(b, kDrvBitCnt, kBitCnt, kBitCntBounds, kBitCntLength);
        }
    }
    wait_on_sensitivity(b, flag_of(3));
}

// Write strobes of colour bytes 0, 1 and 2: p_4 to p_6 for the half with
// pix_ptr(9) = '0', p_7 to p_9 for the other.
void work_a_1133041568_1516540902_p_4(char *b) { write_strobe(b, 4, 180, 1); }
void work_a_1133041568_1516540902_p_5(char *b) { write_strobe(b, 5, 181, 1); }
void work_a_1133041568_1516540902_p_6(char *b) { write_strobe(b, 6, 182, 1); }
void work_a_1133041568_1516540902_p_7(char *b) { write_strobe(b, 7, 183, 0); }
void work_a_1133041568_1516540902_p_8(char *b) { write_strobe(b, 8, 184, 0); }
void work_a_1133041568_1516540902_p_9(char *b) { write_strobe(b, 9, 185, 0); }

// Colour byte index and pixel pointer. A sync restarts the frame at byte 0 of
// pixel 0 and keeps the write bank (pix_ptr(10)); the last colour byte of a
// pixel advances the pointer, whose carry out of bit 9 flips the bank.
void work_a_1133041568_1516540902_p_10(char *b) {
    line(190, ng0);
    if (bit(b, kRst) == SL_1) {
        line(191, ng0);
        assign(b, kDrvByteIdx, literal(b, kLitByteIdxReset), kByteIdxLength);
        line(192, ng0);
        assign(b, kDrvPixPtr, all_zeros(kPixPtrLength), kPixPtrLength);
    } else if (rising_edge(b, kClk)) {
        line(194, ng0);
        if (bit(b, kSync) == SL_1) {
            line(195, ng0);
            assign(b, kDrvByteIdx, literal(b, kLitByteIdxSync), kByteIdxLength);
            line(196, ng0);
            assign_elements(b, kDrvPixPtr, kPixelBitsPosition, kPixelBitsLength, all_zeros(kPixelBitsLength),
                            kPixelBitsLength);
        } else if (bit(b, kValid) == SL_1) {
            line(198, ng0);
            if (equals_literal(b, kByteIdx, kByteIdxBounds, kLitLastByte, kLastByteBounds)) {
                line(199, ng0);
                assign(b, kDrvByteIdx, literal(b, kLitByteIdxWrap), kByteIdxLength);
                line(200, ng0);
                assign_incremented(b, kDrvPixPtr, kPixPtr, kPixPtrBounds, kPixPtrLength);
            } else {
                line(202, ng0);
                assign_incremented(b, kDrvByteIdx, kByteIdx, kByteIdxBounds, kByteIdxLength);
            }
        }
    }
    wait_on_sensitivity(b, flag_of(10));
}

// Bank hand-over: the display reads the bank that is not being written,
// registered twice on the display clock (bank_rd, then bank_out).
void work_a_1133041568_1516540902_p_11(char *b) {
    line(212, ng0);
    if (rising_edge(b, kDispClk)) {
        line(213, ng0);
        assign_bit(b, kDrvBankRd, logic_not(value(b, kPixPtr)[kBankBit]));
        line(214, ng0);
        assign_port_bit(b, kDrvBankOut, bit(b, kBankRd));
    }
    wait_on_sensitivity(b, flag_of(11));
}

// raddr <= bank_rd & disp_addr
void work_a_1133041568_1516540902_p_12(char *b) {
    line(218, ng0);
    assign_concatenation(b, kDrvRaddr, bit(b, kBankRd), value(b, kDispAddr), bounds_at(b, kDispAddrBounds));
    wait_on_sensitivity(b, flag_of(12));
}

// waddr <= pix_ptr(10) & pix_ptr(8 downto 0): the write bank and the pixel
// within the half (the half selects the memory through the strobes).
void work_a_1133041568_1516540902_p_13(char *b) {
    line(219, ng0);
    const array_bounds pixel_bounds = make_bounds(8, 0, -1);
    const uint8_t *pix_ptr = value(b, kPixPtr);
    assign_concatenation(b, kDrvWaddr, pix_ptr[kBankBit], pix_ptr + 2, &pixel_bounds);
    wait_on_sensitivity(b, flag_of(13));
}

// Process table followed directly by the source path.
static struct {
    void *pe[14];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_0),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_1),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_2),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_3),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_4),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_5),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_6),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_7),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_8),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_9),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_10),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_11),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_12),
             reinterpret_cast<void *>(&work_a_1133041568_1516540902_p_13)},
            ng0};

void work_a_1133041568_1516540902_init(void) {
    zem_register_didat("work_a_1133041568_1516540902", SNAPSHOT_DIDAT("work/a_1133041568_1516540902.didat"));
    zem_register_executes(tables.pe);
}

}  // extern "C"
