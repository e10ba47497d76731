// fpga/bram: a memory of 1024 words of 8 bits. The write port stores din at
// waddr on a rising edge of clk_b while we = '1'; the read port registers the
// word at raddr into dout on a rising edge of clk_a. The memory signal `ram`
// starts with the content the initial-content function computes from the
// generics AW and DW when the design is elaborated.
#include "work/a_3000712498_0000452272.h"

#include "units/snapshot.h"

#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "units/process_protocol.h"

namespace {

using namespace proto;

// signal records, ports first
constexpr size_t kClkA = 0x3e0;   // #0 read clock
constexpr size_t kClkB = 0x480;   // #1 write clock
constexpr size_t kWe = 0x520;     // #2 write enable
constexpr size_t kWaddr = 0x5c0;  // #3 write address, 10 elements
constexpr size_t kRaddr = 0x660;  // #4 read address, 10 elements
constexpr size_t kDin = 0x700;    // #5 write data, 8 elements
constexpr size_t kRam = 0x840;    // #7 the memory, 1024 rows of 8 elements
// (#6 dout is only driven)

constexpr size_t kFlagWrite = 0x1018;   // p_0
constexpr size_t kFlagRead = 0x1028;    // p_1
constexpr size_t kRamDriver = 0x1078;   // p_0 -> ram
constexpr size_t kDoutDriver = 0x10b8;  // p_1 -> dout
constexpr size_t kMemoryType = 0x12a8;  // type descriptor of the memory type
constexpr size_t kWaddrBounds = 0x1a74;
constexpr size_t kRaddrBounds = 0x1a84;

// Report text of the initial-content function for generics outside the
// memory's geometry.
constexpr size_t kGeometryText = 0xbc0;
constexpr uint32_t kGeometryTextLength = 79;

// Geometry of the memory type: rows 1023 downto 0 of 8 elements (7 downto 0).
constexpr int32_t kTopRow = 1023;
constexpr uint32_t kRowWidth = 8;
constexpr uint32_t kMemoryBytes = (kTopRow + 1) * kRowWidth;
constexpr int32_t kMaxAddressWidth = 10;
constexpr int32_t kMaxDataWidth = 8;

// Row i of the memory starts at element (1023 - i) * 8 from the left.
constexpr uint32_t row_position(int32_t i) { return static_cast<uint32_t>(kTopRow - i) * kRowWidth; }

// CONV_INTEGER of a 10-element address port: 0 to 1023.
int32_t address(char *b, size_t sig, size_t bounds) {
    return ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, value(b, sig), bounds_at(b, bounds));
}

}  // namespace

extern "C" {

static const char ng2[] = "fpga/bram";

// Write port: ram(CONV_INTEGER(waddr)) <= din on a rising edge of clk_b while
// we = '1'. The address has 10 elements, so the row is always in range.
void work_a_3000712498_0000452272_p_0(char *b) {
    line(61, ng2);
    if (rising_edge(b, kClkB)) {
        line(62, ng2);
        if (bit(b, kWe) == SL_1) {
            line(63, ng2);
            const int32_t row = address(b, kWaddr, kWaddrBounds);
            assign_elements(b, kRamDriver, row_position(row), kRowWidth, value(b, kDin), kRowWidth);
        }
    }
    wait_on_sensitivity(b, kFlagWrite);
}

// Read port: dout <= ram(CONV_INTEGER(raddr)) on a rising edge of clk_a. A
// row written at the same instant reads its old word: ram changes one delta
// cycle after the write port ran.
void work_a_3000712498_0000452272_p_1(char *b) {
    line(70, ng2);
    if (rising_edge(b, kClkA)) {
        line(71, ng2);
        const int32_t row = address(b, kRaddr, kRaddrBounds);
        zem_vhdl_check_range_of_index(kTopRow, 0, -1, row);
        assign_port(b, kDoutDriver, value(b, kRam) + row_position(row), kRowWidth);
    }
    wait_on_sensitivity(b, kFlagRead);
}

// Initial content: row i (0 <= i < 2**AW) holds the DW low bits of
// (i * 2**(DW+1) / 2**(AW-1)) mod 2**AW in its leftmost DW elements; every
// other element is 'U' (all of them for DW = 0). For AW = 10 and DW = 8 row i
// holds i mod 256. Generics outside 1 <= AW <= 10, 0 <= DW <= 8 would divide
// by zero or write past the memory's rows: they are reported as a FAILURE
// (which ends the run) and the memory is left at 'U'.
uint8_t *work_a_3000712498_0000452272_sub_3649022489_4251431050(char *b, int32_t aw, int32_t dw) {
    uint8_t memory[kMemoryBytes];
    zem_type_set_default_value(type_descriptor(b, kMemoryType), memory, nullptr);
    if (aw < 1 || aw > kMaxAddressWidth || dw < 0 || dw > kMaxDataWidth) {
        zem_report(reinterpret_cast<const char *>(b + kGeometryText), kGeometryTextLength, SEV_FAILURE);
    } else {
        const int32_t last_row = zem_vhdl_pow(2, aw) - 1;
        const int32_t scale = zem_vhdl_pow(2, dw + 1);
        const int32_t divisor = zem_vhdl_pow(2, aw - 1);
        const int32_t modulus = zem_vhdl_pow(2, aw);
        for (int32_t i = 0; i <= last_row; ++i) {
            const int32_t v = zem_vhdl_mod(i * scale / divisor, modulus);
            array_bounds word_bounds;
            const uint8_t *word = ieee_p_3499444699_sub_2213602152_3536714472(IEEE_P_3499444699, &word_bounds, v, dw);
            check_length(dw, word_bounds);
            zem_vhdl_check_range_of_index(kTopRow, 0, -1, i);
            std::memcpy(memory + row_position(i), word, static_cast<size_t>(dw));
        }
    }
    auto *result = static_cast<uint8_t *>(zem_get_transient_memory(kMemoryBytes));
    std::memcpy(result, memory, kMemoryBytes);
    return result;
}

// Process table followed directly by the source path.
static struct {
    void *pe[2];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_3000712498_0000452272_p_0),
             reinterpret_cast<void *>(&work_a_3000712498_0000452272_p_1)},
            ng2};

// Subprogram table: the initial-content function, which the kernel calls at
// elaboration.
static void *se[] = {reinterpret_cast<void *>(&work_a_3000712498_0000452272_sub_3649022489_4251431050)};

void work_a_3000712498_0000452272_init(void) {
    zem_register_didat("work_a_3000712498_0000452272", SNAPSHOT_DIDAT("work/a_3000712498_0000452272.didat"));
    zem_register_executes(tables.pe);
    zem_register_subprogram_executes(se);
}

}  // extern "C"
