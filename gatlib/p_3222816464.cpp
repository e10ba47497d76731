// The device-primitive support package (unit gatlib_p_3222816464).
//
// Conversions between std_logic vectors, integers, hexadecimal text and bit
// text, and the checks and reports that the library's memory and primitive
// models call. The package block holds only the literal pool (conversion
// tables, mode words and message pieces, unterminated, in the order of the
// subprogram table); its texts are design data, the code fixes only their
// places and lengths.
#include "gatlib/p_3222816464.h"

#include <cstring>

#include "gatlib/built_message.h"
#include "units/globals.h"
#include "units/snapshot.h"
#include "tovu/layout.h"

namespace {

using namespace gatlib_msg;
using tovu::layout::make_bounds;

// std_ulogic positions
constexpr uint8_t SL_U = 0, SL_X = 1, SL_0 = 2, SL_1 = 3;

constexpr size_t kSlvType = 0xfb8;   // std_logic_vector descriptor in the std_logic_1164 block
constexpr size_t kTimeType = 0x230;  // TIME descriptor in the std.standard block

// ---- literal pool, relative to its start ----
constexpr size_t kPool = 0x3e0;

constexpr size_t kHex4Digits = 0;      // 16 x 4 elements
constexpr size_t kHex4Warning = 64;    // 36 bytes
constexpr size_t kHex4Invalid = 100;   // 4 elements
constexpr size_t kHex8Digits = 104;
constexpr size_t kHex8Warning = 168;
constexpr size_t kHex8Invalid = 204;
constexpr size_t kBits4Table = 208;    // 16 x 4 elements
constexpr size_t kBits5Table = 272;    // 32 x 5 elements
constexpr size_t kGroupInitial = 432;  // 4 elements
constexpr size_t kFullGroups = 436;    // 16 x 4 elements
constexpr size_t kGroupPad = 500;      // 4 elements
constexpr size_t kPartialGroups = 504; // 16 x 4 elements
constexpr uint32_t kHexWarningLength = 36;

constexpr size_t kUnknownBefore = 568;  // 17
constexpr size_t kUnknownAfter = 585;   // 37

constexpr size_t kModeWord1 = 622;  // 5 characters
constexpr size_t kMode1Pieces = 627;  // 28, 13, 22, 40
constexpr size_t kModeWord2 = 730;  // 4 characters
constexpr size_t kMode2Pieces = 734;  // 54, 6, 20, 13

// The four pieces of each attribute report: 15, 4, 10 and 12 bytes.
constexpr size_t kAttrString = 827;
constexpr size_t kAttrIntegerRange = 868;
constexpr size_t kAttrBoolean = 909;
constexpr size_t kAttrInteger = 950;
constexpr size_t kAttrReal = 991;

constexpr size_t kCollision0 = 1032;  // 2, 20, 1, 33, 7, 68, 91
constexpr size_t kCollision1 = 1254;  // the same pieces
constexpr size_t kCollision2 = 1476;  // 2, 20, 1, 95, 53, 7, 31, 7, 23
constexpr size_t kTimeResolution = 1715;  // 30, 59, 26, 57

constexpr int64_t kNs = 1000;  // the TIME unit of the collision time

const uint8_t *pool(char *block, size_t rel) { return reinterpret_cast<const uint8_t *>(block + kPool + rel); }
size_t pool_off(size_t rel) { return kPool + rel; }

// A literal piece of the pool with its own bounds 1 to n.
struct Piece {
    const uint8_t *data;
    array_bounds bounds;
};
Piece piece(char *block, size_t rel, uint32_t n) { return Piece{pool(block, rel), literal_bounds(n)}; }

int32_t length_of(const array_bounds *b) { return b && b->length > 0 ? b->length : 0; }

// Highest and lowest index of a non-null range.
int32_t high_index(const array_bounds *b) { return b->dir > 0 ? b->right : b->left; }
int32_t low_index(const array_bounds *b) { return b->dir > 0 ? b->left : b->right; }

// Element i of an array laid out from its left bound.
size_t element_at(const array_bounds *b, int32_t i) {
    return static_cast<size_t>(static_cast<int64_t>(i - b->left) * b->dir);
}

// Element i after the kernel has checked that i lies in the array's range.
uint8_t checked_element(const uint8_t *v, const array_bounds *b, int32_t i) {
    zem_vhdl_check_range_of_index(b->left, b->right, b->dir, i);
    return v[element_at(b, i)];
}

// Copies a work buffer of n bytes into transient memory and gives the work
// buffer back to the kernel's scratch memory.
char *transient_copy_of_scratch(void *buffer, uint32_t n) {
    auto *result = static_cast<char *>(zem_get_transient_memory(n));
    if (n) std::memcpy(result, buffer, n);
    zem_put_memory(n, buffer);
    return result;
}

// Joins two STRING pieces with the kernel's concatenation.
const uint8_t *join(const uint8_t *a, const array_bounds *ab, const uint8_t *b, const array_bounds *bb,
                    array_bounds *out) {
    return static_cast<const uint8_t *>(zem_base_array_concat(nullptr, out, STD_STANDARD + kStringType, CONCAT_ARRAY,
                                                              a, ab, CONCAT_ARRAY, b, bb, CONCAT_END));
}

// Joins pieces left to right, one concatenation per added piece, and
// reports the text with its length.
void report_joined(const Piece *pieces, size_t count, int32_t severity) {
    const uint8_t *text = pieces[0].data;
    array_bounds bounds = pieces[0].bounds;
    for (size_t i = 1; i < count; ++i) {
        array_bounds out;
        text = join(text, &bounds, pieces[i].data, &pieces[i].bounds, &out);
        bounds = out;
    }
    zem_report(reinterpret_cast<const char *>(text), static_cast<uint32_t>(length_of(&bounds)), severity);
}

Piece param(const uint8_t *data, const array_bounds *b) { return Piece{data, *b}; }

// The digit character of table entry m: '0' to '9', 'a' to 'f'.
char digit_char(int m) { return static_cast<char>(m < 10 ? '0' + m : 'a' + (m - 10)); }

// The entry of a table of `count` patterns of `width` elements equal to
// `pattern`, or -1.
int find_pattern(char *block, size_t table, uint32_t width, int count, const uint8_t *pattern) {
    for (int m = 0; m < count; ++m)
        if (zem_mem_cmp(pool(block, table + static_cast<size_t>(m) * width), pattern, width) == 1) return m;
    return -1;
}

// The value of one hexadecimal character, or -1.
int hex_value(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// hex4_to_vector16 and hex8_to_vector32: `chars` characters of a (chars
// downto 1) text, the rightmost first, each giving four elements of the
// (4*chars-1 downto 0) result. An invalid character is warned about (the
// warning text followed by the character) and gives the invalid-digit vector.
uint8_t *hex_to_vector(char *block, array_bounds *out, const char *text, int32_t chars, size_t digits, size_t warning,
                       size_t invalid) {
    const int32_t width = 4 * chars;
    const array_bounds text_bounds = make_bounds(chars, 1, -1);
    const array_bounds result_bounds = make_bounds(width - 1, 0, -1);
    uint8_t result[32];
    zem_type_set_default_value(IEEE_P_2592010699 + kSlvType, result, &result_bounds);
    for (int32_t i = 1; i <= chars; ++i) {
        zem_vhdl_check_range_of_index(text_bounds.left, text_bounds.right, text_bounds.dir, i);
        const uint8_t c = static_cast<uint8_t>(text[element_at(&text_bounds, i)]);
        const int m = hex_value(c);
        zem_vhdl_check_range_of_slice(result_bounds.left, result_bounds.right, -1, 4 * i - 1, 4 * i - 4, -1);
        uint8_t *group = result + element_at(&result_bounds, 4 * i - 1);
        if (m >= 0) {
            std::memcpy(group, pool(block, digits + static_cast<size_t>(m) * 4), 4);
        } else {
            const array_bounds wb = literal_bounds(kHexWarningLength);
            array_bounds mb;
            const void *message = zem_base_array_concat(nullptr, &mb, STD_STANDARD + kStringType, CONCAT_ARRAY,
                                                        pool(block, warning), &wb, CONCAT_ELEMENT,
                                                        static_cast<int>(c), CONCAT_END);
            zem_report(static_cast<const char *>(message), kHexWarningLength + 1, SEV_WARNING);
            std::memcpy(group, pool(block, invalid), 4);
        }
    }
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(width)));
    std::memcpy(copy, result, static_cast<size_t>(width));
    *out = result_bounds;
    return copy;
}

// The character of one std_ulogic value in vector_to_text.
char text_char(uint8_t v) {
    switch (v) {
        case SL_U: return 'U';
        case SL_0: return '0';
        case SL_1: return '1';
        default: return 'X';  // 'X', 'Z', 'W', 'L', 'H', '-'
    }
}

// Writes the five pieces of an attribute report that come before the value:
// T1, piece 15, T2, piece 4, T3, piece 10, T4, piece 12.
void attribute_head(char *block, void *ctx, void *line, size_t pieces, const uint8_t *t1, const array_bounds *t1b,
                    const uint8_t *t2, const array_bounds *t2b, const uint8_t *t3, const array_bounds *t3b,
                    const uint8_t *t4, const array_bounds *t4b) {
    write_string(ctx, line, t1, t1b);
    write_literal(ctx, line, block, pool_off(pieces), 15);
    write_string(ctx, line, t2, t2b);
    write_literal(ctx, line, block, pool_off(pieces + 15), 4);
    write_string(ctx, line, t3, t3b);
    write_literal(ctx, line, block, pool_off(pieces + 19), 10);
    write_string(ctx, line, t4, t4b);
    write_literal(ctx, line, block, pool_off(pieces + 29), 12);
}

// After the value: T5, ".\n", T6 (the legal-values piece is the caller's).
void attribute_middle(void *ctx, void *line, const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6,
                      const array_bounds *t6b) {
    write_string(ctx, line, t5, t5b);
    write_dot_lf(ctx, line);
    write_string(ctx, line, t6, t6b);
}

// The end: T5 again, then the closing text, and the report.
void attribute_tail(void *ctx, void *line, const uint8_t *t5, const array_bounds *t5b, const uint8_t *closing,
                    const array_bounds *closing_b, uint8_t severity) {
    write_string(ctx, line, t5, t5b);
    write_string(ctx, line, closing, closing_b);
    report_line(line, severity);
}

}  // namespace

extern "C" {

// ---- conversions ----

int32_t gatlib_p_3222816464_sub_3182959421_279109243(char *block, const uint8_t *v, const array_bounds *vb) {
    // 32-bit two's complement: a vector longer than 31 elements keeps the
    // low 32 bits of its value.
    uint32_t result = 0;
    if (vb->length > 0) {
        for (int32_t i = high_index(vb);; --i) {
            result = result * 2u + (checked_element(v, vb, i) == SL_1 ? 1u : 0u);
            if (i == low_index(vb)) break;
        }
    }
    return static_cast<int32_t>(result);
}

uint8_t *gatlib_p_3222816464_sub_2103271057_279109243(char *block, array_bounds *out, const char *text) {
    return hex_to_vector(block, out, text, 4, kHex4Digits, kHex4Warning, kHex4Invalid);
}

uint8_t *gatlib_p_3222816464_sub_2103338703_279109243(char *block, array_bounds *out, const char *text) {
    return hex_to_vector(block, out, text, 8, kHex8Digits, kHex8Warning, kHex8Invalid);
}

int32_t gatlib_p_3222816464_sub_973038639_279109243(char *block, const uint8_t *v) {
    const int m = find_pattern(block, kBits4Table, 4, 16, v);
    return m >= 0 ? m : 16;
}

int32_t gatlib_p_3222816464_sub_973039728_279109243(char *block, const uint8_t *v) {
    const int m = find_pattern(block, kBits5Table, 5, 32, v);
    return m >= 0 ? m : 32;
}

uint8_t gatlib_p_3222816464_sub_2053111517_279109243(char *block, const uint8_t *v, const array_bounds *vb) {
    uint8_t result = 1;
    if (vb->length > 0) {
        for (int32_t i = high_index(vb);; --i) {
            const uint8_t e = checked_element(v, vb, i);
            if (e != SL_0 && e != SL_1) result = 0;
            if (i == low_index(vb)) break;
        }
    }
    return result;
}

char *gatlib_p_3222816464_sub_3034208508_279109243(char *block, array_bounds *out, const uint8_t *v,
                                                   const array_bounds *vb) {
    const int32_t n = length_of(vb);
    const array_bounds text_bounds{n, 1, -1, n};
    auto *text = static_cast<char *>(zem_get_memory(static_cast<uint32_t>(n)));
    zem_type_set_default_value(STD_STANDARD + kStringType, text, &text_bounds);
    int32_t p = n;
    if (n > 0) {
        for (int32_t i = high_index(vb);; --i) {
            const uint8_t e = checked_element(v, vb, i);
            zem_vhdl_check_range_of_index(n, 1, -1, p);
            text[element_at(&text_bounds, p)] = text_char(e);
            --p;
            if (i == low_index(vb)) break;
        }
    }
    *out = text_bounds;
    return transient_copy_of_scratch(text, static_cast<uint32_t>(n));
}

char *gatlib_p_3222816464_sub_3342225202_279109243(char *block, array_bounds *out, const uint8_t *v,
                                                   const array_bounds *vb, int32_t n) {
    // A result length below 0 is a null range: nothing to write.
    const int32_t size = n > 0 ? n : 0;
    const array_bounds text_bounds{n, 1, -1, size};
    const int32_t length = length_of(vb);
    const int32_t groups = length / 4;
    const int32_t rest = zem_vhdl_mod(length, 4);
    // The checks that can fail below (the vector's indices 0 to length-1 and
    // the last digit position) are made once before the work buffer is
    // taken, so that a failing check leaves no buffer behind.
    if (length > 0) zem_vhdl_check_range_of_slice(vb->left, vb->right, vb->dir, length - 1, 0, -1);
    if (groups + (rest > 0 ? 1 : 0) > 0) zem_vhdl_check_range_of_index(n, 1, -1, groups + (rest > 0 ? 1 : 0));
    auto *text = static_cast<char *>(zem_get_memory(static_cast<uint32_t>(size)));
    zem_type_set_default_value(STD_STANDARD + kStringType, text, &text_bounds);
    uint8_t group[4];
    std::memcpy(group, pool(block, kGroupInitial), 4);
    int32_t p = 1;
    // The vector is read as (length-1 downto 0): element x lies at its own
    // place in the caller's range, whichever its direction.
    for (int32_t k = 1; k <= groups; ++k) {
        zem_vhdl_check_range_of_slice(vb->left, vb->right, vb->dir, 4 * k - 1, 4 * k - 4, -1);
        for (int j = 0; j < 4; ++j) group[j] = v[element_at(vb, 4 * k - 1 - j)];
        const int m = find_pattern(block, kFullGroups, 4, 16, group);
        zem_vhdl_check_range_of_index(n, 1, -1, p);
        if (m >= 0) text[element_at(&text_bounds, p)] = digit_char(m);
        ++p;
    }
    if (rest > 0) {
        std::memcpy(group, pool(block, kGroupPad), 4);
        zem_vhdl_check_range_of_slice(3, 0, -1, rest - 1, 0, -1);
        zem_vhdl_check_range_of_slice(vb->left, vb->right, vb->dir, length - 1, length - rest, -1);
        // group(rest-1 downto 0) := v(length-1 downto length-rest)
        for (int32_t j = 0; j < rest; ++j) group[4 - rest + j] = v[element_at(vb, length - 1 - j)];
        const int m = find_pattern(block, kPartialGroups, 4, 16, group);
        zem_vhdl_check_range_of_index(n, 1, -1, p);
        if (m >= 0) text[element_at(&text_bounds, p)] = digit_char(m);
    }
    *out = text_bounds;
    return transient_copy_of_scratch(text, static_cast<uint32_t>(size));
}

// ---- checks and reports ----

void gatlib_p_3222816464_sub_172108543_279109243(char *block, void *ctx, const uint8_t *address,
                                                 const array_bounds *ab, uint8_t *data, const array_bounds *db) {
    array_bounds tb;
    const auto *text = reinterpret_cast<const uint8_t *>(
        gatlib_p_3222816464_sub_3034208508_279109243(block, &tb, address, ab));
    const Piece pieces[] = {piece(block, kUnknownBefore, 17), Piece{text, tb}, piece(block, kUnknownAfter, 37)};
    report_joined(pieces, 3, SEV_WARNING);
    if (db->length > 0) {
        for (int32_t i = high_index(db);; --i) {
            data[element_at(db, i)] = SL_X;
            if (i == low_index(db)) break;
        }
    }
}

void gatlib_p_3222816464_sub_3249963962_279109243(char *block, void *ctx, int32_t a, int32_t b, int32_t wa,
                                                  int32_t wb, uint8_t *overlap, int32_t *lo, int32_t *hi,
                                                  int32_t *a_lo, int32_t *a_hi, int32_t *b_lo, int32_t *b_hi) {
    // 32-bit arithmetic that wraps instead of overflowing.
    auto mul = [](int32_t x, int32_t y) { return static_cast<int32_t>(static_cast<uint32_t>(x) * static_cast<uint32_t>(y)); };
    auto add = [](int32_t x, int32_t y) { return static_cast<int32_t>(static_cast<uint32_t>(x) + static_cast<uint32_t>(y)); };
    auto sub = [](int32_t x, int32_t y) { return static_cast<int32_t>(static_cast<uint32_t>(x) - static_cast<uint32_t>(y)); };
    const int32_t lo_a = mul(a, wa);
    const int32_t hi_a = sub(add(wa, lo_a), 1);
    const int32_t lo_b = mul(b, wb);
    const int32_t hi_b = sub(add(wb, lo_b), 1);
    if (hi_a < lo_b || hi_b < lo_a) {
        *overlap = 0;
        return;
    }
    *overlap = 1;
    if (lo_a < lo_b) {
        *lo = lo_b;
        *a_lo = sub(lo_b, lo_a);
        *b_lo = 0;
    } else {
        *lo = lo_a;
        *a_lo = 0;
        *b_lo = sub(lo_a, lo_b);
    }
    if (hi_a < hi_b) {
        *hi = hi_a;
        *a_hi = sub(wa, 1);
        *b_hi = sub(sub(add(wb, hi_a), hi_b), 1);
    } else {
        *hi = hi_b;
        *a_hi = add(sub(sub(wa, 1), hi_a), hi_b);
        *b_hi = sub(wb, 1);
    }
}

void gatlib_p_3222816464_sub_684226450_279109243(char *block, void *ctx, const uint8_t *address,
                                                 const array_bounds *ab, int32_t low, int32_t high,
                                                 const uint8_t *mode, const array_bounds *mb, const uint8_t *t1,
                                                 const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
                                                 const uint8_t *t3, const array_bounds *t3b, uint8_t *data,
                                                 const array_bounds *db) {
    const int32_t mode_length = length_of(mb);
    const bool mode1 = mode_length == 5 && std::memcmp(mode, pool(block, kModeWord1), 5) == 0;
    const bool mode2 = mode_length == 4 && std::memcmp(mode, pool(block, kModeWord2), 4) == 0;
    if (!mode1 && !mode2) return;
    array_bounds tb;
    const auto *text = reinterpret_cast<const uint8_t *>(
        gatlib_p_3222816464_sub_3034208508_279109243(block, &tb, address, ab));
    if (mode1) {
        const Piece pieces[] = {piece(block, kMode1Pieces, 28),      param(t1, t1b),
                                piece(block, kMode1Pieces + 28, 13), param(t3, t3b),
                                piece(block, kMode1Pieces + 41, 22), Piece{text, tb},
                                piece(block, kMode1Pieces + 63, 40)};
        report_joined(pieces, 7, SEV_WARNING);
        for (int32_t i = high; i >= low; --i) {
            zem_vhdl_check_range_of_index(db->left, db->right, db->dir, i);
            data[element_at(db, i)] = SL_X;
            if (i == INT32_MIN) break;
        }
    } else {
        const Piece pieces[] = {piece(block, kMode2Pieces, 54),      Piece{text, tb},
                                piece(block, kMode2Pieces + 54, 6),  param(t2, t2b),
                                piece(block, kMode2Pieces + 60, 20), param(t1, t1b),
                                piece(block, kMode2Pieces + 80, 13), param(t3, t3b)};
        report_joined(pieces, 8, SEV_WARNING);
    }
}

void gatlib_p_3222816464_sub_3472237771_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, const uint8_t *value,
    const array_bounds *vb, const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b,
    const uint8_t *t7, const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity) {
    Line line;
    line_init(line);
    attribute_head(block, ctx, line.object, kAttrString, t1, t1b, t2, t2b, t3, t3b, t4, t4b);
    write_string(ctx, line.object, value, vb);
    attribute_middle(ctx, line.object, t5, t5b, t6, t6b);
    write_string(ctx, line.object, t7, t7b);
    attribute_tail(ctx, line.object, t5, t5b, t8, t8b, severity);
    zem_access_variable_delete(line.object);
}

void gatlib_p_3222816464_sub_2797092198_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, int32_t value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, int32_t legal,
    const uint8_t *t7, const array_bounds *t7b, uint8_t severity) {
    Line line;
    line_init(line);
    attribute_head(block, ctx, line.object, kAttrIntegerRange, t1, t1b, t2, t2b, t3, t3b, t4, t4b);
    write_integer(ctx, line.object, value);
    attribute_middle(ctx, line.object, t5, t5b, t6, t6b);
    write_integer(ctx, line.object, legal);
    attribute_tail(ctx, line.object, t5, t5b, t7, t7b, severity);
    zem_access_variable_delete(line.object);
}

void gatlib_p_3222816464_sub_2926893151_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, uint8_t value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, const uint8_t *t7,
    const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity) {
    Line line;
    line_init(line);
    attribute_head(block, ctx, line.object, kAttrBoolean, t1, t1b, t2, t2b, t3, t3b, t4, t4b);
    std_textio_write3(STD_TEXTIO, ctx, line.object, static_cast<int8_t>(value), kRight, kNoField);
    attribute_middle(ctx, line.object, t5, t5b, t6, t6b);
    write_string(ctx, line.object, t7, t7b);
    attribute_tail(ctx, line.object, t5, t5b, t8, t8b, severity);
    zem_access_variable_delete(line.object);
}

void gatlib_p_3222816464_sub_2788155168_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, int32_t value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, const uint8_t *t7,
    const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity) {
    Line line;
    line_init(line);
    attribute_head(block, ctx, line.object, kAttrInteger, t1, t1b, t2, t2b, t3, t3b, t4, t4b);
    write_integer(ctx, line.object, value);
    attribute_middle(ctx, line.object, t5, t5b, t6, t6b);
    write_string(ctx, line.object, t7, t7b);
    attribute_tail(ctx, line.object, t5, t5b, t8, t8b, severity);
    zem_access_variable_delete(line.object);
}

void gatlib_p_3222816464_sub_2550509707_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, double value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, const uint8_t *t7,
    const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity) {
    Line line;
    line_init(line);
    attribute_head(block, ctx, line.object, kAttrReal, t1, t1b, t2, t2b, t3, t3b, t4, t4b);
    std_textio_write6(STD_TEXTIO, ctx, line.object, value, kRight, kNoField, 0);
    attribute_middle(ctx, line.object, t5, t5b, t6, t6b);
    write_string(ctx, line.object, t7, t7b);
    attribute_tail(ctx, line.object, t5, t5b, t8, t8b, severity);
    zem_access_variable_delete(line.object);
}

void gatlib_p_3222816464_sub_3573479399_279109243(char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b,
                                                  const uint8_t *t2, const array_bounds *t2b, const uint8_t *t3,
                                                  const array_bounds *t3b, uint8_t kind, const uint8_t *address_a,
                                                  const array_bounds *aab, const uint8_t *address_b,
                                                  const array_bounds *abb, uint8_t severity) {
    const int64_t now = zem_get_sim_current_time();
    // Hexadecimal digits of each address: one per four elements, rounded up.
    const int32_t digits_a = length_of(aab) / 4 + (zem_vhdl_mod(length_of(aab), 4) > 0 ? 1 : 0);
    const int32_t digits_b = length_of(abb) / 4 + (zem_vhdl_mod(length_of(abb), 4) > 0 ? 1 : 0);
    auto hex = [&](const uint8_t *address, const array_bounds *b, int32_t digits, void *line) {
        array_bounds hb;
        const auto *text = reinterpret_cast<const uint8_t *>(
            gatlib_p_3222816464_sub_3342225202_279109243(block, &hb, address, b, digits));
        write_string(ctx, line, text, &hb);
    };
    Line line;
    line_init(line);
    void *l = line.object;
    const size_t head = kind == 0 ? kCollision0 : kind == 1 ? kCollision1 : kCollision2;
    write_string(ctx, l, t1, t1b);
    write_string(ctx, l, t2, t2b);
    write_literal(ctx, l, block, pool_off(head), 2);
    write_string(ctx, l, t3, t3b);
    write_literal(ctx, l, block, pool_off(head + 2), 20);
    std_textio_write8(STD_TEXTIO, ctx, l, now, kRight, kNoField, kNs);
    write_literal(ctx, l, block, pool_off(head + 22), 1);
    write_character(ctx, l, kCharLF);
    if (kind == 0 || kind == 1) {
        write_literal(ctx, l, block, pool_off(head + 23), 33);
        if (kind == 0)
            hex(address_a, aab, digits_a, l);
        else
            hex(address_b, abb, digits_b, l);
        write_literal(ctx, l, block, pool_off(head + 56), 7);
        write_literal(ctx, l, block, pool_off(head + 63), 68);
        write_literal(ctx, l, block, pool_off(head + 131), 91);
    } else {
        write_literal(ctx, l, block, pool_off(head + 23), 95);
        write_literal(ctx, l, block, pool_off(head + 118), 53);
        hex(address_a, aab, digits_a, l);
        write_literal(ctx, l, block, pool_off(head + 171), 7);
        write_literal(ctx, l, block, pool_off(head + 178), 31);
        hex(address_b, abb, digits_b, l);
        write_literal(ctx, l, block, pool_off(head + 209), 7);
        write_literal(ctx, l, block, pool_off(head + 216), 23);
    }
    report_line(l, severity);
    zem_access_variable_delete(l);
}

void gatlib_p_3222816464_sub_415948829_279109243(char *block, void *ctx, const uint8_t *name,
                                                 const array_bounds *nb) {
    Line line;
    line_init(line);
    int64_t unit;
    zem_type_set_default_value(STD_STANDARD + kTimeType, &unit, nullptr);
    unit = 1;  // one unit of the time base: 1 ps
    if (unit == 0) {
        write_literal(ctx, line.object, block, pool_off(kTimeResolution), 30);
        write_literal(ctx, line.object, block, pool_off(kTimeResolution + 30), 59);
        write_literal(ctx, line.object, block, pool_off(kTimeResolution + 89), 26);
        write_string(ctx, line.object, name, nb);
        write_literal(ctx, line.object, block, pool_off(kTimeResolution + 115), 57);
        report_line(line.object, SEV_ERROR);
    }
    zem_access_variable_delete(line.object);
}

// The subprogram table, in the order of the package body.
static void *se[] = {
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_3182959421_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2103271057_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2103338703_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_973038639_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_973039728_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2053111517_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_3034208508_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_3342225202_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_172108543_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_3249963962_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_684226450_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_3472237771_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2797092198_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2926893151_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2788155168_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_2550509707_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_3573479399_279109243),
    reinterpret_cast<void *>(&gatlib_p_3222816464_sub_415948829_279109243),
};

void gatlib_p_3222816464_init(void) {
    zem_register_didat("gatlib_p_3222816464", SNAPSHOT_DIDAT("gatlib/p_3222816464.didat"));
    zem_register_subprogram_executes(se);
}

}  // extern "C"
