// fpga/gamma_table: a read-only table of 256 entries of 8 bits with a
// registered read port. The table function computes the gamma curve with
// floating-point arithmetic (math_real's "**") when the design is
// elaborated; the kernel stores its result in the constant gamma_rom of each
// instance. In the design the table maps a stored colour byte to the
// brightness that the display controller compares with its PWM counter.
#include "work/a_0280078389_1516540902.h"

#include "units/snapshot.h"

#include <cmath>
#include <cstdint>

#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "ieee/p_3972351953.h"
#include "units/process_protocol.h"

namespace {

using namespace proto;

// signal records, ports first
constexpr size_t kClk = 0x3e0;   // #0 read clock
constexpr size_t kAddr = 0x480;  // #1 table index, 8 elements
// (#2 dout is only driven)

constexpr size_t kGammaRom = 0x760;     // object descriptor of the constant gamma_rom
constexpr size_t kFlagRead = 0xc78;     // p_0
constexpr size_t kDoutDriver = 0xcc8;   // p_0 -> dout
constexpr size_t kTableType = 0xeb8;    // type descriptor of the table type
constexpr size_t kAddrBounds = 0x15b8;  // {7, 0, -1, 8}

// Report text of the table function for generics it cannot build a table
// from.
constexpr size_t kParameterText = 0x15c8;
constexpr uint32_t kParameterTextLength = 82;

// Geometry of the table type: rows 255 downto 0 of 8 elements (7 downto 0).
constexpr int32_t kTopRow = 255;
constexpr uint32_t kRowWidth = 8;
constexpr uint32_t kTableBytes = (kTopRow + 1) * kRowWidth;
constexpr int32_t kMaxWidth = 8;

// Row i of the table starts at element (255 - i) * 8 from the left.
constexpr uint32_t row_offset(int32_t i) { return static_cast<uint32_t>(kTopRow - i) * kRowWidth; }

// INTEGER(r): rounded half away from zero; values beyond INTEGER's range
// saturate, and not-a-number gives INTEGER'LOW.
int32_t real_to_integer(double r) {
    if (r >= 0.0) {
        if (r >= 2147483647.0) return INT32_MAX;
        return static_cast<int32_t>(r + 0.5);
    }
    const double shifted = r - 0.5;
    if (!(shifted > -2147483649.0)) return INT32_MIN;  // below the range, or not a number
    return static_cast<int32_t>(shifted);
}

// The table function's parameters: 0 <= W <= 8 (the table holds 256 rows of
// 8 elements) and a finite exponent of at least 0.0 (a negative one takes
// x ** G beyond 0..1 and the entries would wrap around silently).
bool parameters_valid(int32_t width, double gamma) {
    return width >= 0 && width <= kMaxWidth && gamma >= 0.0 && std::isfinite(gamma);
}

double power(double x, double y) { return ieee_p_3972351953_sub_2618671228_2984157535(IEEE_P_3972351953, x, y); }

}  // namespace

extern "C" {

static const char ng3[] = "fpga/gamma_table";

// Read port: dout <= gamma_rom(CONV_INTEGER(addr)) on a rising edge of clk,
// so dout shows the entry of the address one edge later.
void work_a_0280078389_1516540902_p_0(char *b) {
    line(40, ng3);
    if (rising_edge(b, kClk)) {
        line(41, ng3);
        const int32_t i =
            ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, value(b, kAddr), bounds_at(b, kAddrBounds));
        zem_vhdl_check_range_of_index(kTopRow, 0, -1, i);
        assign_port(b, kDoutDriver, object_value(b, kGammaRom) + row_offset(i), kRowWidth);
    }
    wait_on_sensitivity(b, kFlagRead);
}

// The gamma curve for width W and exponent G. Entry i (0 <= i <= M, M =
// 2**W - 1) is round((i / M) ** G * M), written as W elements at the left of
// row i; every other element stays 'U' (all of them for W = 0). With G = 0.0
// math_real's "**" reports an error for entry 0 and gives 0.0; every other
// entry is M. The rounded value is kept within 0..M, which changes nothing
// for a valid G. Parameters outside the table's geometry, or an exponent that
// is negative or not finite, are reported as a FAILURE (which ends the run)
// and the table is left at 'U'.
uint8_t *work_a_0280078389_1516540902_sub_2634708603_2134189630(char *b, int32_t width, double gamma) {
    uint8_t table[kTableBytes];
    zem_type_set_default_value(type_descriptor(b, kTableType), table, nullptr);
    if (!parameters_valid(width, gamma)) {
        zem_report(reinterpret_cast<const char *>(b + kParameterText), kParameterTextLength, SEV_FAILURE);
    } else {
        for (int32_t i = 0; i <= zem_vhdl_pow(2, width) - 1; ++i) {
            const int32_t top = zem_vhdl_pow(2, width) - 1;
            const double x = static_cast<double>(i) / static_cast<double>(top);
            const double y = power(x, gamma);
            int32_t n = real_to_integer(y * static_cast<double>(top));
            if (n < 0) n = 0;
            if (n > top) n = top;
            array_bounds entry_bounds;
            const uint8_t *entry =
                ieee_p_3499444699_sub_2213602152_3536714472(IEEE_P_3499444699, &entry_bounds, n, width);
            check_length(width, entry_bounds);
            zem_vhdl_check_range_of_index(kTopRow, 0, -1, i);
            std::memcpy(table + row_offset(i), entry, static_cast<size_t>(width));
        }
    }
    auto *result = static_cast<uint8_t *>(zem_get_transient_memory(kTableBytes));
    std::memcpy(result, table, kTableBytes);
    return result;
}

// Process table followed directly by the source path.
static struct {
    void *pe[1];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_0280078389_1516540902_p_0)}, ng3};

// Subprogram table: the table function, which the kernel calls at
// elaboration for the constant gamma_rom.
static void *se[] = {reinterpret_cast<void *>(&work_a_0280078389_1516540902_sub_2634708603_2134189630)};

void work_a_0280078389_1516540902_init(void) {
    zem_register_didat("work_a_0280078389_1516540902", SNAPSHOT_DIDAT("work/a_0280078389_1516540902.didat"));
    zem_register_executes(tables.pe);
    zem_register_subprogram_executes(se);
}

}  // extern "C"
