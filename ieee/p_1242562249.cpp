// numeric_std (unit ieee_p_1242562249): UNSIGNED and SIGNED arithmetic over
// std_logic.
//
// Each function is one subprogram of the package body and is written the way
// the body composes it: its vector locals live in the call's own frame
// (vector_locals::FrameVector), given their type's default value or their
// declared initial value; it reads its vector operands through views with
// the range LEN-1 downto 0 (leftmost element most significant, for SIGNED the
// sign) whatever the operands' own bounds; it calls the package's other
// subprograms through their entry points and copies what they return into
// its locals; checked accesses and slice assignments go through the kernel's
// checks first; and every array it returns is a copy in transient memory.
#include "ieee/p_1242562249.h"

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <climits>

#include "ieee/p_2592010699.h"
#include "ieee/vector_locals.h"
#include "tovu/layout.h"
#include "units/globals.h"

namespace {

using tovu::layout::make_bounds;
using tovu::layout::object_value;
using tovu::layout::type_descriptor;
using vector_locals::FrameVector;
using vector_locals::length_of;
using vector_locals::offset_in;
using vector_locals::std_logic_vector_type;

// ---------------------------------------------------------------------------
// Values and objects
// ---------------------------------------------------------------------------

// std_ulogic positions.
constexpr uint8_t kU = 0, kX = 1, k0 = 2, k1 = 3, kL = 6, kH = 7;

// Objects of the package block.
constexpr size_t kNoWarning = 0x580;   // object descriptor -> BOOLEAN
constexpr size_t kMatchTable = 0x5f8;  // object descriptor -> 9 x 9 BOOLEAN, byte 9*L + R

// Type descriptors of the locals: the package's own, and those of other units.
constexpr size_t kUnsignedType = 0xbb8;
constexpr size_t kSignedType = 0xc28;
constexpr size_t kIntegerType = 0x180;  // in std.standard's block

// The one-element literals "0" of the division family, one per use.
constexpr size_t kDivmodTempZero = 0x13d7;      // TEMP := "0" & NUM
constexpr size_t kDivmodCompareZero = 0x13f0;   // "0" & DENOM(...) compared
constexpr size_t kDivmodSubtractZero = 0x13f1;  // "0" & DENOM(...) subtracted
constexpr size_t kDivNegateZero = 0x141a;       // "/" (SIGNED): "0" - FQUOT
constexpr size_t kRemNegateZero = 0x1461;       // "rem" (SIGNED): "0" - FREMAIN
constexpr size_t kModNegateZero = 0x14fa;       // "mod" (SIGNED): "0" - FREMAIN
constexpr size_t kModFirstZeroTest = 0x14fb;    // "mod" (SIGNED): FREMAIN /= "0"
constexpr size_t kModSecondZeroTest = 0x14fc;

struct ReportText {
    size_t offset;
    uint32_t length;
};

// Report texts of the package, one per report statement.
constexpr ReportText kDivideByZero{0x13d8, 24};         // ERROR, always reported
constexpr ReportText kDivmodInternalError{0x13f2, 40};  // ERROR, always reported
constexpr ReportText kDivNatUnsTruncated{0x141b, 35};
constexpr ReportText kDivIntSgnTruncated{0x143e, 35};
constexpr ReportText kRemUnsNatTruncated{0x1462, 38};
constexpr ReportText kRemNatUnsTruncated{0x1488, 38};
constexpr ReportText kRemSgnIntTruncated{0x14ae, 38};
constexpr ReportText kRemIntSgnTruncated{0x14d4, 38};
constexpr ReportText kModUnsNatTruncated{0x14fd, 36};
constexpr ReportText kModNatUnsTruncated{0x1521, 36};
constexpr ReportText kModSgnIntTruncated{0x1545, 36};
constexpr ReportText kModIntSgnTruncated{0x1569, 36};
constexpr ReportText kToIntegerUnsNull{0x24d5, 50};
constexpr ReportText kToIntegerUnsMetavalue{0x2507, 55};
constexpr ReportText kToIntegerSgnNull{0x253e, 50};
constexpr ReportText kToIntegerSgnMetavalue{0x2570, 55};
constexpr ReportText kToUnsignedTruncated{0x25a7, 41};
constexpr ReportText kToSignedTruncated{0x25d0, 39};
constexpr ReportText kToUnsignedNull{0x27bb, 47};  // TO_01 (UNSIGNED)
constexpr ReportText kToSignedNull{0x27ea, 47};    // TO_01 (SIGNED)

// The null-argument and metavalue texts of a comparison operator (slots 56
// to 91): each operator's two texts follow one another, in slot order.
struct ComparisonTexts {
    ReportText null_argument;
    ReportText metavalue;
};
constexpr ComparisonTexts comparison_texts(int slot) {
    if (slot < 68)
        return {{0x158d + 108 * static_cast<size_t>(slot - 56), 56},
                {0x158d + 108 * static_cast<size_t>(slot - 56) + 56, 52}};
    if (slot < 80)
        return {{0x1a9d + 110 * static_cast<size_t>(slot - 68), 57},
                {0x1a9d + 110 * static_cast<size_t>(slot - 68) + 57, 53}};
    return {{0x1fc5 + 108 * static_cast<size_t>(slot - 80), 56},
            {0x1fc5 + 108 * static_cast<size_t>(slot - 80) + 56, 52}};
}

// STD_MATCH's texts (slots 129 to 132): null argument, then length mismatch.
constexpr ComparisonTexts match_texts(int slot) {
    const size_t base = 0x25f7 + 113 * static_cast<size_t>(slot - 129);
    return {{base, 53}, {base + 53, 60}};
}

bool warnings_enabled(char *block) { return *object_value(block, kNoWarning) == 0; }

// A warning of the package: left out while NO_WARNING is set.
void warn(char *block, ReportText text) {
    if (warnings_enabled(block)) zem_report(block + text.offset, text.length, SEV_WARNING);
}
void error(char *block, ReportText text) { zem_report(block + text.offset, text.length, SEV_ERROR); }

// std_logic_1164's scalar operators.
uint8_t logic_not(uint8_t v) { return ieee_p_2592010699_sub_1690584930_503743352(IEEE_P_2592010699, v); }
uint8_t logic_and(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_1605435078_503743352(IEEE_P_2592010699, l, r); }
uint8_t logic_or(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_2545490612_503743352(IEEE_P_2592010699, l, r); }
uint8_t logic_xor(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_2507238156_503743352(IEEE_P_2592010699, l, r); }

constexpr bool kUnsigned = false;
constexpr bool kSigned = true;

void *vector_type(char *block, bool sgn) { return type_descriptor(block, sgn ? kSignedType : kUnsignedType); }
void *integer_type() { return type_descriptor(STD_STANDARD, kIntegerType); }

// ---------------------------------------------------------------------------
// Ranges, checks, aggregates and returns
// ---------------------------------------------------------------------------

// The range N-1 downto 0 of N elements (a null range for N <= 0).
array_bounds downto_zero(int32_t n) { return n > 0 ? make_bounds(n - 1, 0, -1) : make_bounds(-1, 0, -1); }

int32_t slice_length(int32_t left, int32_t right, int32_t dir) {
    const int64_t n = int64_t{dir} * (int64_t{right} - left) + 1;
    return n > 0 ? static_cast<int32_t>(n) : 0;
}

void check_index(const array_bounds &b, int32_t i) { zem_vhdl_check_range_of_index(b.left, b.right, b.dir, i); }
void check_slice(const array_bounds &b, int32_t left, int32_t right) {
    zem_vhdl_check_range_of_slice(b.left, b.right, b.dir, left, right, b.dir);
}

// TARGET(tl .. tr) := SOURCE(sl .. sr): the source slice checked against its
// object, then the target slice against the variable, then one block copy.
void assign_slice(FrameVector &target, int32_t tl, int32_t tr, const uint8_t *source, const array_bounds &sb,
                  int32_t sl, int32_t sr) {
    check_slice(sb, sl, sr);
    check_slice(target.range(), tl, tr);
    const int32_t n = slice_length(tl, tr, target.range().dir);
    if (n > 0) memcpy(target.data() + target.offset(tl), source + offset_in(sb, sl), static_cast<size_t>(n));
}
// TARGET(tl .. tr) := a value of the slice's length.
void assign_to_slice(FrameVector &target, int32_t tl, int32_t tr, const uint8_t *value) {
    check_slice(target.range(), tl, tr);
    const int32_t n = slice_length(tl, tr, target.range().dir);
    if (n > 0) memcpy(target.data() + target.offset(tl), value, static_cast<size_t>(n));
}

// The aggregate (others => V) of N elements, built in transient memory.
const uint8_t *aggregate(int32_t n, uint8_t v) {
    const uint32_t bytes = n > 0 ? static_cast<uint32_t>(n) : 0;
    auto *p = static_cast<uint8_t *>(zem_get_transient_memory(bytes));
    if (bytes > 0) memset(p, v, bytes);
    return p;
}

// A value a subprogram returned: its transient data and bounds.
struct Value {
    const uint8_t *data = nullptr;
    array_bounds bounds{0, 0, 0, 0};
    int32_t length() const { return length_of(&bounds); }
    uint8_t leftmost() const { return data[0]; }
};

// A vector argument: data and bounds, from a local, a returned value or an
// operand as it was passed.
struct Arg {
    const uint8_t *data;
    const array_bounds *bounds;
    Arg(const uint8_t *d, const array_bounds *b) : data(d), bounds(b) {}
    Arg(const FrameVector &v) : data(v.data()), bounds(v.bounds()) {}  // NOLINT: implicit by design
    Arg(const Value &v) : data(v.data), bounds(&v.bounds) {}           // NOLINT
};

void take(FrameVector &target, const Value &v) { target.take(v.data, v.bounds); }

// The package's null vector: no elements, the range 0 downto 1.
uint8_t *return_null(array_bounds *out) {
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(0));
    *out = make_bounds(0, 1, -1);
    return copy;
}
// RETURN of a value a callee gave: a copy with the callee's bounds (the length
// written anew from them).
uint8_t *return_copy(const Value &v, array_bounds *out) {
    const int32_t n = v.length();
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
    if (n > 0) memcpy(copy, v.data, static_cast<size_t>(n));
    *out = make_bounds(v.bounds.left, v.bounds.right, v.bounds.dir);
    return copy;
}

// The one-element literal "0" at `offset` of the block, range 0 to 0.
const array_bounds kLiteralBounds{0, 0, 1, 1};
Arg literal_zero(char *block, size_t offset) {
    return Arg(reinterpret_cast<const uint8_t *>(block + offset), &kLiteralBounds);
}

// ---------------------------------------------------------------------------
// Calls of the package's own subprograms
// ---------------------------------------------------------------------------

template <typename F, typename... A>
Value call(F f, char *block, A... args) {
    Value v;
    v.data = f(block, &v.bounds, args...);
    return v;
}

int32_t maximum(char *block, int32_t l, int32_t r) { return ieee_p_1242562249_sub_3160373586_1035706684(block, l, r); }
int32_t minimum(char *block, int32_t l, int32_t r) { return ieee_p_1242562249_sub_3160650192_1035706684(block, l, r); }
// UNSIGNED_NUM_BITS or SIGNED_NUM_BITS
int32_t num_bits(char *block, bool sgn, int32_t arg) {
    return sgn ? ieee_p_1242562249_sub_3824177444_1035706684(block, arg)
               : ieee_p_1242562249_sub_3295552210_1035706684(block, arg);
}
// UNSIGNED_EQUAL or SIGNED_EQUAL
bool equal(char *block, bool sgn, Arg l, Arg r) {
    const auto f = sgn ? &ieee_p_1242562249_sub_3760432601_1035706684 : &ieee_p_1242562249_sub_1233203289_1035706684;
    return f(block, l.data, l.bounds, r.data, r.bounds) != 0;
}

Value to_01(char *block, bool sgn, Arg s) {
    return call(sgn ? &ieee_p_1242562249_sub_2570320491_1035706684 : &ieee_p_1242562249_sub_1804770815_1035706684,
                block, s.data, s.bounds, kX);
}
Value resize(char *block, bool sgn, Arg arg, int32_t new_size) {
    return call(sgn ? &ieee_p_1242562249_sub_3410769178_1035706684 : &ieee_p_1242562249_sub_2045698577_1035706684,
                block, arg.data, arg.bounds, new_size);
}
// TO_UNSIGNED or TO_SIGNED
Value to_vector(char *block, bool sgn, int32_t arg, int32_t size) {
    return call(sgn ? &ieee_p_1242562249_sub_2563015576_1035706684 : &ieee_p_1242562249_sub_180853171_1035706684, block,
                arg, size);
}
Value vector_not(char *block, bool sgn, Arg l) {
    return call(sgn ? &ieee_p_1242562249_sub_3991088854_1035706684 : &ieee_p_1242562249_sub_2892387531_1035706684,
                block, l.data, l.bounds);
}
// ADD_UNSIGNED or ADD_SIGNED
Value add_helper(char *block, bool sgn, Arg l, Arg r, uint8_t c) {
    return call(sgn ? &ieee_p_1242562249_sub_702267453_1035706684 : &ieee_p_1242562249_sub_353865036_1035706684, block,
                l.data, l.bounds, r.data, r.bounds, c);
}
Value plus(char *block, bool sgn, Arg l, Arg r) {
    return call(sgn ? &ieee_p_1242562249_sub_3273497107_1035706684 : &ieee_p_1242562249_sub_1547198987_1035706684,
                block, l.data, l.bounds, r.data, r.bounds);
}
Value minus(char *block, bool sgn, Arg l, Arg r) {
    return call(sgn ? &ieee_p_1242562249_sub_3273568981_1035706684 : &ieee_p_1242562249_sub_1547270861_1035706684,
                block, l.data, l.bounds, r.data, r.bounds);
}
Value times(char *block, bool sgn, Arg l, Arg r) {
    return call(sgn ? &ieee_p_1242562249_sub_2807594338_1035706684 : &ieee_p_1242562249_sub_2053728113_1035706684,
                block, l.data, l.bounds, r.data, r.bounds);
}
Value negation(char *block, Arg arg) {
    return call(&ieee_p_1242562249_sub_3481121704_1035706684, block, arg.data, arg.bounds);
}
Value shift_left(char *block, bool sgn, Arg arg, int32_t count) {
    return call(sgn ? &ieee_p_1242562249_sub_4004982826_1035706684 : &ieee_p_1242562249_sub_2770553711_1035706684,
                block, arg.data, arg.bounds, count);
}
int32_t to_integer(char *block, Arg arg) {
    return ieee_p_1242562249_sub_1657552908_1035706684(block, arg.data, arg.bounds);
}
bool unsigned_not_equal(char *block, Arg l, Arg r) {
    return ieee_p_1242562249_sub_3454299738_1035706684(block, l.data, l.bounds, r.data, r.bounds) != 0;
}
bool not_equal(char *block, bool sgn, Arg l, Arg r) {
    if (!sgn) return unsigned_not_equal(block, l, r);
    return ieee_p_1242562249_sub_4063966832_1035706684(block, l.data, l.bounds, r.data, r.bounds) != 0;
}
bool unsigned_greater_equal(char *block, Arg l, Arg r) {
    return ieee_p_1242562249_sub_3472088553_1035706684(block, l.data, l.bounds, r.data, r.bounds) != 0;
}

// DIVMOD of two UNSIGNED locals into two more.
void divmod(char *block, const FrameVector &num, const FrameVector &xdenom, FrameVector &xquot, FrameVector &xremain) {
    ieee_p_1242562249_sub_4109383058_1035706684(block, nullptr, num.data(), num.bounds(), xdenom.data(),
                                                xdenom.bounds(), xquot.data(), xquot.bounds(), xremain.data(),
                                                xremain.bounds());
}

// ---------------------------------------------------------------------------
// Frame helpers: NUM_BITS, TO_01, equality
// ---------------------------------------------------------------------------

int32_t unsigned_num_bits_body(int32_t arg) {
    int32_t n = arg, nbits = 1;
    while (n > 1) {
        ++nbits;
        n /= 2;
    }
    return nbits;
}

int32_t signed_num_bits_body(int32_t arg) {
    int32_t n = arg >= 0 ? arg : ~arg;
    int32_t nbits = 1;
    while (n > 0) {
        ++nbits;
        n /= 2;
    }
    return nbits;
}

// TO_01: '0'/'L' -> '0', '1'/'H' -> '1'; any other element turns the whole
// result into XMAP. A null argument gives the null vector with a warning.
uint8_t *to_01_body(char *block, bool sgn, const uint8_t *s, const array_bounds *s_bounds, uint8_t xmap,
                    array_bounds *out) {
    const int32_t len = length_of(s_bounds);
    FrameVector result(vector_type(block, sgn), downto_zero(len));
    bool bad_element = false;
    if (len == 0) {
        warn(block, sgn ? kToSignedNull : kToUnsignedNull);
        return return_null(out);
    }
    const array_bounds view = downto_zero(len);
    for (int32_t i = len - 1; i >= 0; --i) {
        check_index(view, i);
        switch (s[offset_in(view, i)]) {
            case k0:
            case kL: result.at(i) = k0; break;
            case k1:
            case kH: result.at(i) = k1; break;
            default: bad_element = true; break;
        }
    }
    if (bad_element) memset(result.data(), xmap, static_cast<size_t>(len));
    return result.return_value(out);
}

// UNSIGNED_EQUAL and SIGNED_EQUAL: the same elements, pairwise from the left.
bool equal_body(Arg l, Arg r) {
    const int32_t n = length_of(l.bounds);
    if (n != length_of(r.bounds)) return false;
    return n == 0 || memcmp(l.data, r.data, static_cast<size_t>(n)) == 0;
}

// ---------------------------------------------------------------------------
// Conversions and RESIZE
// ---------------------------------------------------------------------------

int32_t to_integer_unsigned(char *block, const uint8_t *arg, const array_bounds *arg_bounds) {
    const int32_t len = length_of(arg_bounds);
    FrameVector xarg(vector_type(block, kUnsigned), downto_zero(len));
    if (len == 0) {
        warn(block, kToIntegerUnsNull);
        return 0;
    }
    const array_bounds view = downto_zero(len);
    take(xarg, to_01(block, kUnsigned, Arg(arg, &view)));
    if (xarg.leftmost() == kX) {
        warn(block, kToIntegerUnsMetavalue);
        return 0;
    }
    // 32-bit accumulation: only the low 32 bits survive, read as signed.
    uint32_t result = 0;
    for (int32_t i = len - 1; i >= 0; --i) result = (result << 1) + (xarg.at(i) == k1 ? 1u : 0u);
    return static_cast<int32_t>(result);
}

bool is_odd(int32_t v) { return zem_vhdl_mod(v, 2) != 0; }

uint8_t *to_unsigned_body(char *block, int32_t arg, int32_t size, array_bounds *out) {
    FrameVector result(vector_type(block, kUnsigned), downto_zero(size));
    int32_t i_val = arg;
    if (size <= 0) return return_null(out);
    for (int32_t i = 0; i < size; ++i) {
        check_index(result.range(), i);
        result.at(i) = is_odd(i_val) ? k1 : k0;
        i_val /= 2;
    }
    if (i_val != 0) warn(block, kToUnsignedTruncated);
    return result.return_value(out);
}

uint8_t *to_signed_body(char *block, int32_t arg, int32_t size, array_bounds *out) {
    FrameVector result(vector_type(block, kSigned), downto_zero(size));
    uint8_t b_val = k0;
    int32_t i_val = arg;
    if (size <= 0) return return_null(out);
    if (arg < 0) {
        b_val = k1;
        i_val = ~arg;  // -(ARG + 1) without overflow
    }
    for (int32_t i = 0; i < size; ++i) {
        check_index(result.range(), i);
        result.at(i) = is_odd(i_val) ? logic_not(b_val) : b_val;
        i_val /= 2;
    }
    if (i_val != 0 || result.leftmost() != b_val) warn(block, kToSignedTruncated);
    return result.return_value(out);
}

// RESIZE (UNSIGNED): zero extension, or the rightmost NEW_SIZE elements.
uint8_t *resize_unsigned_body(char *block, const uint8_t *arg, const array_bounds *arg_bounds, int32_t new_size,
                              array_bounds *out) {
    const int32_t len = length_of(arg_bounds);
    FrameVector result(downto_zero(new_size), aggregate(new_size, k0));
    if (new_size <= 0) return return_null(out);
    if (len == 0) return result.return_value(out);
    const array_bounds view = downto_zero(len);
    if (new_size < len) {
        assign_slice(result, new_size - 1, 0, arg, view, new_size - 1, 0);
    } else {
        assign_to_slice(result, new_size - 1, len, aggregate(new_size - len, k0));
        assign_to_slice(result, len - 1, 0, arg);
    }
    return result.return_value(out);
}

// RESIZE (SIGNED): the sign, then the low MIN(LEN, NEW_SIZE)-1 elements.
uint8_t *resize_signed_body(char *block, const uint8_t *arg, const array_bounds *arg_bounds, int32_t new_size,
                            array_bounds *out) {
    const int32_t len = length_of(arg_bounds);
    FrameVector result(downto_zero(new_size), aggregate(new_size, k0));
    if (new_size <= 0) return return_null(out);
    const int32_t bound = minimum(block, len, new_size) - 2;
    if (len == 0) return result.return_value(out);
    result.assign(aggregate(new_size, arg[0]));  // (others => the sign)
    if (bound >= 0) assign_slice(result, bound, 0, arg, downto_zero(len), bound, 0);
    return result.return_value(out);
}

// ---------------------------------------------------------------------------
// Logic operators: std_logic_1164's std_logic_vector operators
// ---------------------------------------------------------------------------

using VectorUnaryOp = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);
using VectorBinaryOp = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                                    const array_bounds *);

// RESULT, of L's length and numeric_std type, takes the elements
// std_logic_1164 returned (the length it gives them).
uint8_t *logic_unary(char *block, bool sgn, VectorUnaryOp op, const uint8_t *l, const array_bounds *l_bounds,
                     array_bounds *out) {
    FrameVector result(vector_type(block, sgn), downto_zero(length_of(l_bounds)));
    take(result, call(op, IEEE_P_2592010699, l, l_bounds));
    return result.return_value(out);
}

uint8_t *logic_binary(char *block, bool sgn, VectorBinaryOp op, const uint8_t *l, const array_bounds *l_bounds,
                      const uint8_t *r, const array_bounds *r_bounds, array_bounds *out) {
    FrameVector result(vector_type(block, sgn), downto_zero(length_of(l_bounds)));
    take(result, call(op, IEEE_P_2592010699, l, l_bounds, r, r_bounds));
    return result.return_value(out);
}

// ---------------------------------------------------------------------------
// Addition and subtraction
// ---------------------------------------------------------------------------

// ADD_UNSIGNED / ADD_SIGNED: ripple-carry sum through std_logic_1164's
// tables, each element access checked; the carry out is dropped. Both
// operands are read with L's length; a pair of different lengths is a failed
// length check.
uint8_t *add_helper_body(char *block, bool sgn, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r,
                         const array_bounds *r_bounds, uint8_t c, array_bounds *out) {
    const int32_t len = length_of(l_bounds);
    if (length_of(r_bounds) != len) zem_size_not_matching(len, length_of(r_bounds), 0);
    const array_bounds view = downto_zero(len);  // XL and XR
    FrameVector result(vector_type(block, sgn), view);
    uint8_t cbit = c;
    const auto xl = [&](int32_t i) {
        check_index(view, i);
        return l[offset_in(view, i)];
    };
    const auto xr = [&](int32_t i) {
        check_index(view, i);
        return r[offset_in(view, i)];
    };
    for (int32_t i = 0; i < len; ++i) {
        // RESULT(I) := (CBIT xor XL(I)) xor XR(I)
        const uint8_t partial = logic_xor(cbit, xl(i));
        const uint8_t sum = logic_xor(partial, xr(i));
        check_index(result.range(), i);
        result.at(i) = sum;
        // CBIT := ((CBIT and XL(I)) or (CBIT and XR(I))) or (XL(I) and XR(I))
        const uint8_t cl = logic_and(cbit, xl(i));
        const uint8_t cr = logic_and(cbit, xr(i));
        const uint8_t either = logic_or(cl, cr);
        const uint8_t a = xl(i);
        const uint8_t both = logic_and(a, xr(i));
        cbit = logic_or(either, both);
    }
    return result.return_value(out);
}

// "+" and "-" on two vectors: both resized to the longer length and
// translated, each screened for metavalues (all 'X' of that length).
uint8_t *add_vectors(char *block, bool sgn, bool subtract, const uint8_t *l, const array_bounds *l_bounds,
                     const uint8_t *r, const array_bounds *r_bounds, array_bounds *out) {
    const int32_t size = maximum(block, length_of(l_bounds), length_of(r_bounds));
    FrameVector l01(vector_type(block, sgn), downto_zero(size));
    FrameVector r01(vector_type(block, sgn), downto_zero(size));
    if (length_of(l_bounds) == 0 || length_of(r_bounds) == 0) return return_null(out);
    take(l01, to_01(block, sgn, resize(block, sgn, Arg(l, l_bounds), size)));
    if (l01.leftmost() == kX) return l01.return_value(out);
    take(r01, to_01(block, sgn, resize(block, sgn, Arg(r, r_bounds), size)));
    if (r01.leftmost() == kX) return r01.return_value(out);
    if (subtract) return return_copy(add_helper(block, sgn, l01, vector_not(block, sgn, r01), k1), out);
    return return_copy(add_helper(block, sgn, l01, r01, k0), out);
}

// A vector with an integer: the integer converted to the vector's length,
// then the vector operator with the operands in source order.
using VectorOperator = Value (*)(char *, bool, Arg, Arg);
uint8_t *with_integer(char *block, bool sgn, VectorOperator op, Arg v, int32_t n, bool integer_left,
                      array_bounds *out) {
    const Value x = to_vector(block, sgn, n, length_of(v.bounds));
    return return_copy(integer_left ? op(block, sgn, x, v) : op(block, sgn, v, x), out);
}

// ---------------------------------------------------------------------------
// Negation and absolute value
// ---------------------------------------------------------------------------

uint8_t *negate_body(char *block, const uint8_t *arg, const array_bounds *arg_bounds, array_bounds *out) {
    const int32_t len = length_of(arg_bounds);
    FrameVector result(vector_type(block, kSigned), downto_zero(len));
    FrameVector xarg01(vector_type(block, kSigned), downto_zero(len));
    uint8_t cbit = k1;
    if (len == 0) return return_null(out);
    take(xarg01, to_01(block, kSigned, Arg(arg, arg_bounds)));
    if (xarg01.leftmost() == kX) return xarg01.return_value(out);
    const auto element = [&](int32_t i) {
        check_index(xarg01.range(), i);
        return xarg01.at(i);
    };
    for (int32_t i = 0; i < len; ++i) {
        // RESULT(I) := (not XARG01(I)) xor CBIT; CBIT := CBIT and (not XARG01(I))
        const uint8_t bit = logic_xor(logic_not(element(i)), cbit);
        check_index(result.range(), i);
        result.at(i) = bit;
        cbit = logic_and(cbit, logic_not(element(i)));
    }
    return result.return_value(out);
}

uint8_t *absolute_body(char *block, const uint8_t *arg, const array_bounds *arg_bounds, array_bounds *out) {
    const int32_t len = length_of(arg_bounds);
    FrameVector result(vector_type(block, kSigned), downto_zero(len));
    if (len == 0) return return_null(out);
    const array_bounds view = downto_zero(len);
    take(result, to_01(block, kSigned, Arg(arg, &view)));
    if (result.leftmost() == kX) return result.return_value(out);
    if (result.leftmost() == k1) take(result, negation(block, result));
    return result.return_value(out);
}

// ---------------------------------------------------------------------------
// Shifts and rotates
// ---------------------------------------------------------------------------

// XSLL and XSRL: RESULT starts all '0'; a count within the length moves the
// kept elements in one slice. A negative count is a count beyond every
// length.
uint8_t *logical_shift(bool left, const uint8_t *arg, const array_bounds *arg_bounds, int32_t count,
                       array_bounds *out) {
    const int32_t len = length_of(arg_bounds), arg_l = len - 1;
    const array_bounds xarg = downto_zero(len);
    FrameVector result(xarg, aggregate(len, k0));
    if (count >= 0 && count <= arg_l) {
        if (left)
            assign_slice(result, arg_l, count, arg, xarg, arg_l - count, 0);
        else
            assign_slice(result, arg_l - count, 0, arg, xarg, arg_l, count);
    }
    return result.return_value(out);
}

// XSRA: the operand itself, with its own range, for a count of 0 or a length
// of at most 1; else the kept elements and copies of the sign.
uint8_t *arithmetic_shift_right(const uint8_t *arg, const array_bounds *arg_bounds, int32_t count, array_bounds *out) {
    const int32_t len = length_of(arg_bounds), arg_l = len - 1;
    const array_bounds xarg = downto_zero(len);
    FrameVector result(std_logic_vector_type(), xarg);
    int32_t xcount = count;
    if (len <= 1 || xcount == 0) {
        auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(len)));
        if (len > 0) memcpy(copy, arg, static_cast<size_t>(len));
        *out = make_bounds(arg_bounds->left, arg_bounds->right, arg_bounds->dir);
        return copy;
    }
    if (xcount < 0 || xcount > arg_l) xcount = arg_l;
    assign_slice(result, arg_l - xcount, 0, arg, xarg, arg_l, xcount);
    check_index(xarg, arg_l);
    const uint8_t *sign = aggregate(xcount, arg[offset_in(xarg, arg_l)]);
    assign_to_slice(result, arg_l, arg_l - xcount + 1, sign);
    return result.return_value(out);
}

// XROL and XROR: RESULT starts as the operand; the count is taken modulo the
// length by the kernel, and the two parts change places. A null operand has
// nothing to rotate (and no modulus by its length is taken).
uint8_t *rotate(bool left, const uint8_t *arg, const array_bounds *arg_bounds, int32_t count, array_bounds *out) {
    const int32_t len = length_of(arg_bounds), arg_l = len - 1;
    const array_bounds xarg = downto_zero(len);
    FrameVector result(xarg, arg);
    if (len == 0) return result.return_value(out);
    const int32_t countm = zem_vhdl_mod(count, arg_l + 1);
    if (countm != 0) {
        if (left) {
            assign_slice(result, arg_l, countm, arg, xarg, arg_l - countm, 0);
            assign_slice(result, countm - 1, 0, arg, xarg, arg_l, arg_l - countm + 1);
        } else {
            assign_slice(result, arg_l - countm, 0, arg, xarg, arg_l, countm);
            assign_slice(result, arg_l, arg_l - countm + 1, arg, xarg, countm - 1, 0);
        }
    }
    return result.return_value(out);
}

using ShiftFunction = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, int32_t);

// SHIFT_LEFT, SHIFT_RIGHT, ROTATE_LEFT, ROTATE_RIGHT: the null vector for a
// null operand, else a copy of the worker's result with its bounds.
uint8_t *shift_function(ShiftFunction worker, char *block, const uint8_t *arg, const array_bounds *arg_bounds,
                        int32_t count, array_bounds *out) {
    if (length_of(arg_bounds) == 0) return return_null(out);
    return return_copy(call(worker, block, arg, arg_bounds, count), out);
}

// sll, srl, rol, ror: a negative count shifts the other way. The most
// negative INTEGER has no 32-bit negation: it stays negative, which the
// shifts read as a count beyond every length; a rotate is given the true
// amount 2**31 mod LEN.
uint8_t *shift_operator(ShiftFunction forward, ShiftFunction backward, bool rotates, char *block, const uint8_t *arg,
                        const array_bounds *arg_bounds, int32_t count, array_bounds *out) {
    if (count >= 0) return return_copy(call(forward, block, arg, arg_bounds, count), out);
    int32_t magnitude = static_cast<int32_t>(0u - static_cast<uint32_t>(count));
    const int32_t len = length_of(arg_bounds);
    if (count == INT32_MIN && len > 0 && rotates)
        magnitude = static_cast<int32_t>(2147483648u % static_cast<uint32_t>(len));
    return return_copy(call(backward, block, arg, arg_bounds, magnitude), out);
}

// ---------------------------------------------------------------------------
// Multiplication
// ---------------------------------------------------------------------------

uint8_t *multiply(char *block, bool sgn, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r,
                  const array_bounds *r_bounds, array_bounds *out) {
    const int32_t l_len = length_of(l_bounds), r_len = length_of(r_bounds);
    const int32_t l_left = l_len - 1, r_left = r_len - 1, total = l_len + r_len;
    FrameVector xl(vector_type(block, sgn), downto_zero(l_len));
    FrameVector xr(vector_type(block, sgn), downto_zero(r_len));
    FrameVector result(downto_zero(total), aggregate(total, k0));
    FrameVector adval(vector_type(block, sgn), downto_zero(total));
    if (l_left < 0 || r_left < 0) return return_null(out);
    const array_bounds l_view = downto_zero(l_len), r_view = downto_zero(r_len);
    take(xl, to_01(block, sgn, Arg(l, &l_view)));
    take(xr, to_01(block, sgn, Arg(r, &r_view)));
    bool metavalue;
    if (!sgn) {
        metavalue = xl.leftmost() == kX || xr.leftmost() == kX;
    } else {
        check_index(xl.range(), l_left);
        metavalue = xl.at(l_left) == kX;
        if (!metavalue) {
            check_index(xr.range(), r_left);
            metavalue = xr.at(r_left) == kX;
        }
    }
    if (metavalue) {
        result.assign(aggregate(total, kX));
        return result.return_value(out);
    }
    take(adval, resize(block, sgn, xr, total));
    // A SIGNED left operand's sign bit weighs -2**L_LEFT: it is handled after
    // the loop by a subtraction.
    const int32_t last = sgn ? l_left - 1 : l_left;
    for (int32_t i = 0; i <= last; ++i) {
        check_index(xl.range(), i);
        if (xl.at(i) == k1) take(result, plus(block, sgn, result, adval));
        take(adval, shift_left(block, sgn, adval, 1));
    }
    if (sgn) {
        check_index(xl.range(), l_left);
        if (xl.at(l_left) == k1) take(result, minus(block, sgn, result, adval));
    }
    return result.return_value(out);
}

// ---------------------------------------------------------------------------
// Division
// ---------------------------------------------------------------------------

// "0" & DENOM(TOPBIT downto 0), with the literal at `zero`.
Value zero_and_denominator(char *block, size_t zero, const uint8_t *xdenom, const array_bounds &denom, int32_t topbit) {
    check_slice(denom, topbit, 0);
    const array_bounds slice = make_bounds(topbit, 0, -1);
    const Arg literal = literal_zero(block, zero);
    Value v;
    v.data = static_cast<const uint8_t *>(
        zem_base_array_concat(nullptr, &v.bounds, vector_type(block, kUnsigned), CONCAT_ARRAY, literal.data,
                              literal.bounds, CONCAT_ARRAY, xdenom + offset_in(denom, topbit), &slice, CONCAT_END));
    return v;
}

// DIVMOD: restoring long division of two UNSIGNED values holding only '0'
// and '1'; the caller's XQUOT and XREMAIN receive the quotient and the
// remainder resized to their own lengths.
void divmod_body(char *block, const uint8_t *num, const array_bounds *num_bounds, const uint8_t *xdenom,
                 const array_bounds *xdenom_bounds, uint8_t *xquot, const array_bounds *xquot_bounds, uint8_t *xremain,
                 const array_bounds *xremain_bounds) {
    const int32_t num_len = length_of(num_bounds), denom_len = length_of(xdenom_bounds);
    FrameVector temp(vector_type(block, kUnsigned), make_bounds(num_len, 0, -1));
    FrameVector quot(vector_type(block, kUnsigned), downto_zero(maximum(block, num_len, denom_len)));
    int32_t topbit;
    zem_type_set_default_value(integer_type(), &topbit, nullptr);
    const array_bounds denom = downto_zero(denom_len);  // alias of XDENOM

    const Arg literal = literal_zero(block, kDivmodTempZero);
    array_bounds concat_bounds;
    const auto *concat = static_cast<const uint8_t *>(
        zem_base_array_concat(nullptr, &concat_bounds, vector_type(block, kUnsigned), CONCAT_ARRAY, literal.data,
                              literal.bounds, CONCAT_ARRAY, num, num_bounds, CONCAT_END));
    temp.take(concat, concat_bounds);
    quot.assign(aggregate(quot.length(), k0));
    topbit = -1;
    for (int32_t j = denom_len - 1; j >= 0; --j) {
        if (xdenom[offset_in(denom, j)] == k1) {
            topbit = j;
            break;
        }
    }
    if (topbit < 0) error(block, kDivideByZero);

    for (int32_t j = num_len - (topbit + 1); j >= 0; --j) {
        const int32_t high = topbit + j + 1;
        const array_bounds part_bounds = make_bounds(high, j, -1);
        // TEMP(TOPBIT+J+1 downto J) >= "0" & DENOM(TOPBIT downto 0)
        check_slice(temp.range(), high, j);
        const Arg part(temp.data() + temp.offset(high), &part_bounds);
        if (unsigned_greater_equal(block, part,
                                   zero_and_denominator(block, kDivmodCompareZero, xdenom, denom, topbit))) {
            check_slice(temp.range(), high, j);
            const Value difference = minus(block, kUnsigned, Arg(temp.data() + temp.offset(high), &part_bounds),
                                           zero_and_denominator(block, kDivmodSubtractZero, xdenom, denom, topbit));
            assign_to_slice(temp, high, j, difference.data);
            check_index(quot.range(), j);
            quot.at(j) = k1;
        }
        check_index(temp.range(), high);
        if (temp.at(high) != k0) error(block, kDivmodInternalError);
    }
    const int32_t quot_len = length_of(xquot_bounds), remain_len = length_of(xremain_bounds);
    const Value q = resize(block, kUnsigned, quot, quot_len);
    if (quot_len > 0) memcpy(xquot, q.data, static_cast<size_t>(std::min(quot_len, q.length())));
    const Value rem = resize(block, kUnsigned, temp, remain_len);
    if (remain_len > 0) memcpy(xremain, rem.data, static_cast<size_t>(std::min(remain_len, rem.length())));
}

enum class DivOp { kDiv, kRem, kMod };

// "/", "rem" and "mod" on two UNSIGNED vectors.
uint8_t *divide_unsigned(char *block, DivOp op, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r,
                         const array_bounds *r_bounds, array_bounds *out) {
    const int32_t l_len = length_of(l_bounds), r_len = length_of(r_bounds);
    void *type = vector_type(block, kUnsigned);
    FrameVector xl(type, downto_zero(l_len)), xr(type, downto_zero(r_len));
    FrameVector fquot(type, downto_zero(l_len)), fremain(type, downto_zero(r_len));
    if (l_len == 0 || r_len == 0) return return_null(out);
    const array_bounds l_view = downto_zero(l_len), r_view = downto_zero(r_len);
    take(xl, to_01(block, kUnsigned, Arg(l, &l_view)));
    take(xr, to_01(block, kUnsigned, Arg(r, &r_view)));
    FrameVector &answer = op == DivOp::kDiv ? fquot : fremain;
    if (xl.leftmost() == kX || xr.leftmost() == kX) {
        answer.assign(aggregate(answer.length(), kX));
        return answer.return_value(out);
    }
    divmod(block, xl, xr, fquot, fremain);
    return answer.return_value(out);
}

// "/", "rem" and "mod" on two SIGNED vectors: the magnitudes divided, the
// signs put back.
uint8_t *divide_signed(char *block, DivOp op, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r,
                       const array_bounds *r_bounds, array_bounds *out) {
    const int32_t l_len = length_of(l_bounds), r_len = length_of(r_bounds);
    void *u = vector_type(block, kUnsigned);
    void *s = vector_type(block, kSigned);
    const array_bounds l_view = downto_zero(l_len), r_view = downto_zero(r_len);
    if (op == DivOp::kRem) {
        FrameVector fquot(u, l_view), fremain(u, r_view), xnum(u, l_view), xdenom(u, r_view);
        bool rneg = false;
        if (l_len == 0 || r_len == 0) return return_null(out);
        take(xnum, to_01(block, kSigned, Arg(l, &l_view)));
        take(xdenom, to_01(block, kSigned, Arg(r, &r_view)));
        if (xnum.leftmost() == kX || xdenom.leftmost() == kX) {
            fremain.assign(aggregate(r_len, kX));
            return fremain.return_value(out);
        }
        if (xnum.leftmost() == k1) {
            take(xnum, negation(block, xnum));
            rneg = true;
        }
        if (xdenom.leftmost() == k1) take(xdenom, negation(block, xdenom));
        divmod(block, xnum, xdenom, fquot, fremain);
        if (rneg) take(fremain, minus(block, kUnsigned, literal_zero(block, kRemNegateZero), fremain));
        return fremain.return_value(out);
    }
    FrameVector xl(s, l_view), xr(s, r_view);
    FrameVector fquot(u, l_view), fremain(u, r_view), xnum(u, l_view), xdenom(u, r_view);
    bool negative = false;  // QNEG for "/", RNEG for "mod"
    if (l_len == 0 || r_len == 0) return return_null(out);
    take(xl, to_01(block, kSigned, Arg(l, &l_view)));
    take(xr, to_01(block, kSigned, Arg(r, &r_view)));
    FrameVector &answer = op == DivOp::kDiv ? fquot : fremain;
    if (xl.leftmost() == kX || xr.leftmost() == kX) {
        answer.assign(aggregate(answer.length(), kX));
        return answer.return_value(out);
    }
    if (xl.leftmost() == k1) {
        take(xnum, negation(block, xl));
        if (op == DivOp::kDiv) negative = true;
    } else {
        xnum.assign(xl.data());
    }
    if (xr.leftmost() == k1) {
        take(xdenom, negation(block, xr));
        negative = op == DivOp::kDiv ? !negative : true;
    } else {
        xdenom.assign(xr.data());
    }
    divmod(block, xnum, xdenom, fquot, fremain);
    if (op == DivOp::kDiv) {
        if (negative) take(fquot, minus(block, kUnsigned, literal_zero(block, kDivNegateZero), fquot));
        return fquot.return_value(out);
    }
    // "mod": the adjustments read L's own sign element, not its translation.
    const bool l_sign = l[0] == k1;
    if (negative && l_sign) {
        take(fremain, minus(block, kUnsigned, literal_zero(block, kModNegateZero), fremain));
    } else if (negative && unsigned_not_equal(block, fremain, literal_zero(block, kModFirstZeroTest))) {
        take(fremain, minus(block, kUnsigned, fremain, xdenom));
    } else if (l_sign && unsigned_not_equal(block, fremain, literal_zero(block, kModSecondZeroTest))) {
        take(fremain, minus(block, kUnsigned, xdenom, fremain));
    }
    return fremain.return_value(out);
}

Value divide(char *block, bool sgn, DivOp op, Arg l, Arg r) {
    using F = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                           const array_bounds *);
    F f = nullptr;
    switch (op) {
        case DivOp::kDiv:
            f = sgn ? &ieee_p_1242562249_sub_2849293644_1035706684 : &ieee_p_1242562249_sub_1922276087_1035706684;
            break;
        case DivOp::kRem:
            f = sgn ? &ieee_p_1242562249_sub_492975887_1035706684 : &ieee_p_1242562249_sub_3059403468_1035706684;
            break;
        case DivOp::kMod:
            f = sgn ? &ieee_p_1242562249_sub_3802353957_1035706684 : &ieee_p_1242562249_sub_2875262280_1035706684;
            break;
    }
    return call(f, block, l.data, l.bounds, r.data, r.bounds);
}

// The cut of a LONG-element value V back to SHORT elements loses significant
// elements: the warning of the form.
void truncation_test(char *block, bool sgn, const FrameVector &v, int32_t short_length, ReportText text) {
    const int32_t long_length = v.length();
    if (long_length <= short_length || v.at(0) == kX) return;
    // V(LONG-1 downto SHORT) /= (LONG-1 downto SHORT => '0' or V(SHORT-1))
    const array_bounds high_bounds = make_bounds(long_length - 1, short_length, -1);
    check_slice(v.range(), long_length - 1, short_length);
    const Arg high(v.data() + v.offset(long_length - 1), &high_bounds);
    uint8_t fill = k0;
    if (sgn) {
        check_index(v.range(), short_length - 1);
        fill = v.at(short_length - 1);
    }
    const Arg extension(aggregate(long_length - short_length, fill), &high_bounds);
    if (not_equal(block, sgn, high, extension)) warn(block, text);
}

// "/", "rem" and "mod" with an integer divisor R.
uint8_t *divide_by_integer(char *block, bool sgn, DivOp op, const uint8_t *l, const array_bounds *l_bounds, int32_t r,
                           const ReportText *truncated, array_bounds *out) {
    const int32_t l_len = length_of(l_bounds);
    const int32_t r_length = maximum(block, l_len, num_bits(block, sgn, r));
    FrameVector xr(vector_type(block, sgn), downto_zero(r_length));
    FrameVector value(vector_type(block, sgn), downto_zero(r_length));  // QUOT or XREM
    if (l_len == 0) return return_null(out);
    if (op == DivOp::kDiv && r_length > l_len) {
        value.assign(aggregate(r_length, k0));
        return return_copy(resize(block, sgn, value, l_len), out);
    }
    take(xr, to_vector(block, sgn, r, r_length));
    const Value v = divide(block, sgn, op, Arg(l, l_bounds), xr);
    if (op == DivOp::kRem && !sgn)
        take(value, v);
    else
        take(value, resize(block, sgn, v, r_length));
    if (op != DivOp::kDiv) truncation_test(block, sgn, value, l_len, *truncated);
    return return_copy(resize(block, sgn, value, l_len), out);
}

// "/", "rem" and "mod" with an integer dividend L.
uint8_t *divide_integer(char *block, bool sgn, DivOp op, int32_t l, const uint8_t *r, const array_bounds *r_bounds,
                        ReportText truncated, array_bounds *out) {
    const int32_t r_len = length_of(r_bounds);
    const int32_t l_length = maximum(block, num_bits(block, sgn, l), r_len);
    FrameVector xl(vector_type(block, sgn), downto_zero(l_length));
    FrameVector value(vector_type(block, sgn), downto_zero(l_length));  // QUOT or XREM
    if (r_len == 0 && !(op == DivOp::kRem && !sgn)) return return_null(out);
    take(xl, to_vector(block, sgn, l, l_length));
    take(value, resize(block, sgn, divide(block, sgn, op, xl, Arg(r, r_bounds)), l_length));
    truncation_test(block, sgn, value, r_len, truncated);
    return return_copy(resize(block, sgn, value, r_len), out);
}

// ---------------------------------------------------------------------------
// Equality and ordering
// ---------------------------------------------------------------------------

// UNSIGNED_LESS, UNSIGNED_LESS_OR_EQUAL: the predefined array ordering of two
// vectors of '0' and '1'.
bool ordered(bool or_equal, Arg l, Arg r) {
    return or_equal ? zem_vhdl_lessthanEqual(std_logic_vector_type(), l.data, length_of(l.bounds), r.data,
                                             length_of(r.bounds)) != 0
                    : zem_vhdl_lessthan(std_logic_vector_type(), l.data, length_of(l.bounds), r.data,
                                        length_of(r.bounds)) != 0;
}

// SIGNED_LESS, SIGNED_LESS_OR_EQUAL: copies with the sign elements inverted,
// so that the two's-complement order becomes the order of the patterns.
bool signed_ordered(char *block, bool or_equal, Arg l, Arg r) {
    const int32_t l_len = length_of(l.bounds), r_len = length_of(r.bounds);
    FrameVector intern_l(vector_type(block, kSigned), make_bounds(0, l_len - 1, 1));
    FrameVector intern_r(vector_type(block, kSigned), make_bounds(0, r_len - 1, 1));
    intern_l.assign(l.data);
    intern_r.assign(r.data);
    if (l_len > 0) intern_l.data()[0] = logic_not(intern_l.data()[0]);
    if (r_len > 0) intern_r.data()[0] = logic_not(intern_r.data()[0]);
    return ordered(or_equal, intern_l, intern_r);
}

bool less(char *block, bool sgn, bool or_equal, Arg l, Arg r) {
    using F = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
    F f = sgn ? (or_equal ? &ieee_p_1242562249_sub_2517024443_1035706684 : &ieee_p_1242562249_sub_3494152804_1035706684)
              : (or_equal ? &ieee_p_1242562249_sub_959202607_1035706684 : &ieee_p_1242562249_sub_282954104_1035706684);
    return f(block, l.data, l.bounds, r.data, r.bounds) != 0;
}

enum class Relation { kGreater, kLess, kLessEqual, kGreaterEqual, kEqual, kNotEqual };

// The relation between two translated vectors of one length, through the
// package's helpers.
bool relate(char *block, bool sgn, Relation rel, Arg l, Arg r) {
    switch (rel) {
        case Relation::kGreater: return !less(block, sgn, true, l, r);
        case Relation::kLess: return less(block, sgn, false, l, r);
        case Relation::kLessEqual: return less(block, sgn, true, l, r);
        case Relation::kGreaterEqual: return !less(block, sgn, false, l, r);
        case Relation::kEqual: return equal(block, sgn, l, r);
        case Relation::kNotEqual: return !equal(block, sgn, l, r);
    }
    return false;
}

// The answer to a null or metavalue operand: FALSE, but TRUE for "/=".
bool default_answer(Relation rel) { return rel == Relation::kNotEqual; }

// A relational operator on two vectors (slots 56, 57, 62, 63, ...).
bool compare_vectors(char *block, bool sgn, Relation rel, int slot, const uint8_t *l, const array_bounds *l_bounds,
                     const uint8_t *r, const array_bounds *r_bounds) {
    const ComparisonTexts texts = comparison_texts(slot);
    const int32_t l_len = length_of(l_bounds), r_len = length_of(r_bounds);
    const int32_t size = maximum(block, l_len, r_len);
    FrameVector l01(vector_type(block, sgn), downto_zero(l_len));
    FrameVector r01(vector_type(block, sgn), downto_zero(r_len));
    if (l_len == 0 || r_len == 0) {
        warn(block, texts.null_argument);
        return default_answer(rel);
    }
    const array_bounds l_view = downto_zero(l_len), r_view = downto_zero(r_len);
    take(l01, to_01(block, sgn, Arg(l, &l_view)));
    take(r01, to_01(block, sgn, Arg(r, &r_view)));
    if (l01.leftmost() == kX || r01.leftmost() == kX) {
        warn(block, texts.metavalue);
        return default_answer(rel);
    }
    const Value lx = resize(block, sgn, l01, size);
    const Value rx = resize(block, sgn, r01, size);
    return relate(block, sgn, rel, lx, rx);
}

// A relational operator between a vector V and an integer N, N on the left
// when `integer_left`. An integer that needs more elements than V has
// decides by its sign alone.
bool compare_with_integer(char *block, bool sgn, Relation rel, int slot, const uint8_t *v, const array_bounds *v_bounds,
                          int32_t n, bool integer_left) {
    const ComparisonTexts texts = comparison_texts(slot);
    const int32_t len = length_of(v_bounds);
    FrameVector v01(vector_type(block, sgn), downto_zero(len));
    if (len == 0) {
        warn(block, texts.null_argument);
        return default_answer(rel);
    }
    const array_bounds view = downto_zero(len);
    take(v01, to_01(block, sgn, Arg(v, &view)));
    if (v01.leftmost() == kX) {
        warn(block, texts.metavalue);
        return default_answer(rel);
    }
    if (static_cast<uint32_t>(num_bits(block, sgn, n)) > static_cast<uint32_t>(len)) {
        switch (rel) {
            case Relation::kEqual: return false;
            case Relation::kNotEqual: return true;
            case Relation::kGreater:
            case Relation::kGreaterEqual: return integer_left ? n > 0 : n < 0;
            case Relation::kLess:
            case Relation::kLessEqual: return integer_left ? n < 0 : n > 0;
        }
    }
    const Value nv = to_vector(block, sgn, n, v01.length());
    return integer_left ? relate(block, sgn, rel, nv, v01) : relate(block, sgn, rel, v01, nv);
}

int32_t to_integer_signed(char *block, const uint8_t *arg, const array_bounds *arg_bounds) {
    const int32_t len = length_of(arg_bounds);
    FrameVector xarg(vector_type(block, kSigned), downto_zero(len));
    if (len == 0) {
        warn(block, kToIntegerSgnNull);
        return 0;
    }
    take(xarg, to_01(block, kSigned, Arg(arg, arg_bounds)));
    if (xarg.leftmost() == kX) {
        warn(block, kToIntegerSgnMetavalue);
        return 0;
    }
    if (xarg.leftmost() == k0) return to_integer(block, xarg);
    // -(XARG + 1) is never negative; its value complemented is XARG's.
    const Value plus_one = call(&ieee_p_1242562249_sub_2931903318_1035706684, block, xarg.data(), xarg.bounds(), 1);
    return ~to_integer(block, negation(block, plus_one));
}

// ---------------------------------------------------------------------------
// STD_MATCH
// ---------------------------------------------------------------------------

bool match_elements(char *block, uint8_t l, uint8_t r) { return object_value(block, kMatchTable)[9 * l + r] != 0; }

// The table's index range, against which the element values are checked.
constexpr int32_t kFirstPosition = 0, kLastPosition = 8;

bool match_vectors(char *block, int slot, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r,
                   const array_bounds *r_bounds, bool check_values) {
    const ComparisonTexts texts = match_texts(slot);
    const int32_t l_len = length_of(l_bounds), r_len = length_of(r_bounds);
    if (l_len == 0 || r_len == 0) {
        warn(block, texts.null_argument);
        return false;
    }
    if (l_len != r_len) {
        warn(block, texts.metavalue);
        return false;
    }
    const array_bounds lv = make_bounds(1, l_len, 1), rv = make_bounds(1, r_len, 1);
    for (int32_t i = 1; i <= l_len; ++i) {
        check_index(lv, i);
        check_index(rv, i);
        const uint8_t a = l[offset_in(lv, i)];
        if (check_values) zem_vhdl_check_range_of_index(kFirstPosition, kLastPosition, 1, a);
        const uint8_t b = r[offset_in(rv, i)];
        if (check_values) zem_vhdl_check_range_of_index(kFirstPosition, kLastPosition, 1, b);
        if (!match_elements(block, a, b)) return false;
    }
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Entry points, in slot order
// ---------------------------------------------------------------------------

#define VEC(name) const uint8_t *name, const array_bounds *name##_bounds
#define ARG(name) name, name##_bounds

extern "C" {

// 0, 1: MAX, MIN
int32_t ieee_p_1242562249_sub_3160373586_1035706684(char *, int32_t left, int32_t right) {
    return left > right ? left : right;
}
int32_t ieee_p_1242562249_sub_3160650192_1035706684(char *, int32_t left, int32_t right) {
    return left < right ? left : right;
}
// 2, 3: SIGNED_NUM_BITS, UNSIGNED_NUM_BITS
int32_t ieee_p_1242562249_sub_3824177444_1035706684(char *, int32_t arg) { return signed_num_bits_body(arg); }
int32_t ieee_p_1242562249_sub_3295552210_1035706684(char *, int32_t arg) { return unsigned_num_bits_body(arg); }

// 4, 5: ADD_UNSIGNED, ADD_SIGNED
uint8_t *ieee_p_1242562249_sub_353865036_1035706684(char *block, array_bounds *result, VEC(l), VEC(r), uint8_t c) {
    return add_helper_body(block, kUnsigned, ARG(l), ARG(r), c, result);
}
uint8_t *ieee_p_1242562249_sub_702267453_1035706684(char *block, array_bounds *result, VEC(l), VEC(r), uint8_t c) {
    return add_helper_body(block, kSigned, ARG(l), ARG(r), c, result);
}

// 6: DIVMOD, writing exactly the lengths of XQUOT and XREMAIN
void ieee_p_1242562249_sub_4109383058_1035706684(char *block, void *, VEC(num), VEC(xdenom), uint8_t *xquot,
                                                 const array_bounds *xquot_bounds, uint8_t *xremain,
                                                 const array_bounds *xremain_bounds) {
    divmod_body(block, ARG(num), ARG(xdenom), xquot, xquot_bounds, xremain, xremain_bounds);
}

// 7 to 11: XSLL, XSRL, XSRA, XROL, XROR
uint8_t *ieee_p_1242562249_sub_618269441_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return logical_shift(true, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_618485063_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return logical_shift(false, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_505238664_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return arithmetic_shift_right(ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_614346876_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return rotate(true, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_614353410_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return rotate(false, ARG(l), r, result);
}

// 12, 13: UNSIGNED_EQUAL, SIGNED_EQUAL
uint8_t ieee_p_1242562249_sub_1233203289_1035706684(char *, VEC(l), VEC(r)) {
    return equal_body(Arg(ARG(l)), Arg(ARG(r)));
}
uint8_t ieee_p_1242562249_sub_3760432601_1035706684(char *, VEC(l), VEC(r)) {
    return equal_body(Arg(ARG(l)), Arg(ARG(r)));
}

// 14 to 17: UNSIGNED_LESS, SIGNED_LESS, UNSIGNED_LESS_OR_EQUAL, SIGNED_LESS_OR_EQUAL
uint8_t ieee_p_1242562249_sub_282954104_1035706684(char *, VEC(l), VEC(r)) {
    return ordered(false, Arg(ARG(l)), Arg(ARG(r)));
}
uint8_t ieee_p_1242562249_sub_3494152804_1035706684(char *block, VEC(l), VEC(r)) {
    return signed_ordered(block, false, Arg(ARG(l)), Arg(ARG(r)));
}
uint8_t ieee_p_1242562249_sub_959202607_1035706684(char *, VEC(l), VEC(r)) {
    return ordered(true, Arg(ARG(l)), Arg(ARG(r)));
}
uint8_t ieee_p_1242562249_sub_2517024443_1035706684(char *block, VEC(l), VEC(r)) {
    return signed_ordered(block, true, Arg(ARG(l)), Arg(ARG(r)));
}

// 18, 19: abs, unary "-"
uint8_t *ieee_p_1242562249_sub_3869231325_1035706684(char *block, array_bounds *result, VEC(arg)) {
    return absolute_body(block, ARG(arg), result);
}
uint8_t *ieee_p_1242562249_sub_3481121704_1035706684(char *block, array_bounds *result, VEC(arg)) {
    return negate_body(block, ARG(arg), result);
}

// 20 to 31: "+" and "-"
uint8_t *ieee_p_1242562249_sub_1547198987_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return add_vectors(block, kUnsigned, false, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_3273497107_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return add_vectors(block, kSigned, false, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_1919365254_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return with_integer(block, kUnsigned, plus, Arg(ARG(l)), r, false, result);
}
uint8_t *ieee_p_1242562249_sub_1654215474_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return with_integer(block, kUnsigned, plus, Arg(ARG(r)), l, true, result);
}
uint8_t *ieee_p_1242562249_sub_2931903318_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return with_integer(block, kSigned, plus, Arg(ARG(l)), r, false, result);
}
uint8_t *ieee_p_1242562249_sub_3666461690_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return with_integer(block, kSigned, plus, Arg(ARG(r)), l, true, result);
}
uint8_t *ieee_p_1242562249_sub_1547270861_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return add_vectors(block, kUnsigned, true, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_3273568981_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return add_vectors(block, kSigned, true, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_1919437128_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return with_integer(block, kUnsigned, minus, Arg(ARG(l)), r, false, result);
}
uint8_t *ieee_p_1242562249_sub_1654287348_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return with_integer(block, kUnsigned, minus, Arg(ARG(r)), l, true, result);
}
uint8_t *ieee_p_1242562249_sub_2931975192_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return with_integer(block, kSigned, minus, Arg(ARG(l)), r, false, result);
}
uint8_t *ieee_p_1242562249_sub_3666533564_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return with_integer(block, kSigned, minus, Arg(ARG(r)), l, true, result);
}

// 32 to 37: "*"
uint8_t *ieee_p_1242562249_sub_2053728113_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return multiply(block, kUnsigned, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_2807594338_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return multiply(block, kSigned, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_1919329317_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return with_integer(block, kUnsigned, times, Arg(ARG(l)), r, false, result);
}
uint8_t *ieee_p_1242562249_sub_1654179537_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return with_integer(block, kUnsigned, times, Arg(ARG(r)), l, true, result);
}
uint8_t *ieee_p_1242562249_sub_2931867381_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return with_integer(block, kSigned, times, Arg(ARG(l)), r, false, result);
}
uint8_t *ieee_p_1242562249_sub_3666425753_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return with_integer(block, kSigned, times, Arg(ARG(r)), l, true, result);
}

// 38 to 43: "/"
uint8_t *ieee_p_1242562249_sub_1922276087_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return divide_unsigned(block, DivOp::kDiv, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_2849293644_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return divide_signed(block, DivOp::kDiv, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_1808404841_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return divide_by_integer(block, kUnsigned, DivOp::kDiv, ARG(l), r, nullptr, result);
}
uint8_t *ieee_p_1242562249_sub_1486818655_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return divide_integer(block, kUnsigned, DivOp::kDiv, l, ARG(r), kDivNatUnsTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_3461525680_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return divide_by_integer(block, kSigned, DivOp::kDiv, ARG(l), r, nullptr, result);
}
uint8_t *ieee_p_1242562249_sub_2775072687_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return divide_integer(block, kSigned, DivOp::kDiv, l, ARG(r), kDivIntSgnTruncated, result);
}

// 44 to 49: "rem"
uint8_t *ieee_p_1242562249_sub_3059403468_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return divide_unsigned(block, DivOp::kRem, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_492975887_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return divide_signed(block, DivOp::kRem, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_2962408653_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return divide_by_integer(block, kUnsigned, DivOp::kRem, ARG(l), r, &kRemUnsNatTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_2640822467_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return divide_integer(block, kUnsigned, DivOp::kRem, l, ARG(r), kRemNatUnsTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_320562204_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return divide_by_integer(block, kSigned, DivOp::kRem, ARG(l), r, &kRemSgnIntTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_3929076507_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return divide_integer(block, kSigned, DivOp::kRem, l, ARG(r), kRemIntSgnTruncated, result);
}

// 50 to 55: "mod"
uint8_t *ieee_p_1242562249_sub_2875262280_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return divide_unsigned(block, DivOp::kMod, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_3802353957_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return divide_signed(block, DivOp::kMod, ARG(l), ARG(r), result);
}
uint8_t *ieee_p_1242562249_sub_2778267465_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return divide_by_integer(block, kUnsigned, DivOp::kMod, ARG(l), r, &kModUnsNatTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_2456681279_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return divide_integer(block, kUnsigned, DivOp::kMod, l, ARG(r), kModNatUnsTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_136421016_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return divide_by_integer(block, kSigned, DivOp::kMod, ARG(l), r, &kModSgnIntTruncated, result);
}
uint8_t *ieee_p_1242562249_sub_3744935319_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return divide_integer(block, kSigned, DivOp::kMod, l, ARG(r), kModIntSgnTruncated, result);
}

// 56 to 91: the relational operators, six forms each: (U, U), (S, S),
// (N, U), (I, S), (U, N), (S, I).
#define RELATIONAL_FORMS(rel, base, h0, h1, h2, h3, h4, h5)                             \
    uint8_t ieee_p_1242562249_sub_##h0##_1035706684(char *block, VEC(l), VEC(r)) {      \
        return compare_vectors(block, kUnsigned, rel, base, ARG(l), ARG(r));            \
    }                                                                                   \
    uint8_t ieee_p_1242562249_sub_##h1##_1035706684(char *block, VEC(l), VEC(r)) {      \
        return compare_vectors(block, kSigned, rel, base + 1, ARG(l), ARG(r));          \
    }                                                                                   \
    uint8_t ieee_p_1242562249_sub_##h2##_1035706684(char *block, int32_t l, VEC(r)) {   \
        return compare_with_integer(block, kUnsigned, rel, base + 2, ARG(r), l, true);  \
    }                                                                                   \
    uint8_t ieee_p_1242562249_sub_##h3##_1035706684(char *block, int32_t l, VEC(r)) {   \
        return compare_with_integer(block, kSigned, rel, base + 3, ARG(r), l, true);    \
    }                                                                                   \
    uint8_t ieee_p_1242562249_sub_##h4##_1035706684(char *block, VEC(l), int32_t r) {   \
        return compare_with_integer(block, kUnsigned, rel, base + 4, ARG(l), r, false); \
    }                                                                                   \
    uint8_t ieee_p_1242562249_sub_##h5##_1035706684(char *block, VEC(l), int32_t r) {   \
        return compare_with_integer(block, kSigned, rel, base + 5, ARG(l), r, false);   \
    }

RELATIONAL_FORMS(Relation::kGreater, 56, 2110411308, 2720078402, 1686818447, 2019698268, 1781543830, 2479290730)
RELATIONAL_FORMS(Relation::kLess, 62, 2110339434, 2720006528, 1686746573, 2019626394, 1781471956, 2479218856)
RELATIONAL_FORMS(Relation::kLessEqual, 68, 3469716711, 4079383805, 3046123850, 3379003671, 3140849233, 3838596133)
RELATIONAL_FORMS(Relation::kGreaterEqual, 74, 3472088553, 4081755647, 3048495692, 3381375513, 3143221075, 3840967975)
RELATIONAL_FORMS(Relation::kEqual, 80, 2110375371, 2720042465, 1686782510, 2019662331, 1781507893, 2479254793)
RELATIONAL_FORMS(Relation::kNotEqual, 86, 3454299738, 4063966832, 3030706877, 3363586698, 3125432260, 3823179160)

#undef RELATIONAL_FORMS

// 92 to 99: SHIFT_LEFT, SHIFT_RIGHT, ROTATE_LEFT, ROTATE_RIGHT
uint8_t *ieee_p_1242562249_sub_2770553711_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_618269441_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_1830103426_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_618485063_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_4004982826_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_618269441_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_3064532541_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_505238664_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_4109847776_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_614346876_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_3077134611_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_614353410_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_1049309595_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_614346876_1035706684, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_16596430_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_function(&ieee_p_1242562249_sub_614353410_1035706684, block, ARG(l), r, result);
}

// 100 to 107: sll, srl, rol, ror (UNSIGNED, SIGNED); sll and srl on SIGNED
// shift logically
uint8_t *ieee_p_1242562249_sub_2540846514_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_2770553711_1035706684, &ieee_p_1242562249_sub_1830103426_1035706684,
                          false, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_4230814580_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_4004982826_1035706684, &ieee_p_1242562249_sub_1830103426_1035706684,
                          false, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_2547962040_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_1830103426_1035706684, &ieee_p_1242562249_sub_2770553711_1035706684,
                          false, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_4237930106_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_1830103426_1035706684, &ieee_p_1242562249_sub_4004982826_1035706684,
                          false, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_2505268884_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_4109847776_1035706684, &ieee_p_1242562249_sub_3077134611_1035706684,
                          true, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_4195236950_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_1049309595_1035706684, &ieee_p_1242562249_sub_16596430_1035706684,
                          true, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_2505484506_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_3077134611_1035706684, &ieee_p_1242562249_sub_4109847776_1035706684,
                          true, block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_4195452572_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return shift_operator(&ieee_p_1242562249_sub_16596430_1035706684, &ieee_p_1242562249_sub_1049309595_1035706684,
                          true, block, ARG(l), r, result);
}

// 108, 109: TO_INTEGER (UNSIGNED), TO_INTEGER (SIGNED)
int32_t ieee_p_1242562249_sub_1657552908_1035706684(char *block, VEC(arg)) {
    return to_integer_unsigned(block, ARG(arg));
}
int32_t ieee_p_1242562249_sub_2271993008_1035706684(char *block, VEC(arg)) {
    return to_integer_signed(block, ARG(arg));
}

// 110, 111: TO_UNSIGNED, TO_SIGNED
uint8_t *ieee_p_1242562249_sub_180853171_1035706684(char *block, array_bounds *result, int32_t arg, int32_t size) {
    return to_unsigned_body(block, arg, size, result);
}
uint8_t *ieee_p_1242562249_sub_2563015576_1035706684(char *block, array_bounds *result, int32_t arg, int32_t size) {
    return to_signed_body(block, arg, size, result);
}

// 112, 113: RESIZE (SIGNED), RESIZE (UNSIGNED)
uint8_t *ieee_p_1242562249_sub_3410769178_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return resize_signed_body(block, ARG(l), r, result);
}
uint8_t *ieee_p_1242562249_sub_2045698577_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return resize_unsigned_body(block, ARG(l), r, result);
}

// 114 to 127: not, and, or, nand, nor, xor, xnor on UNSIGNED, then on SIGNED
#define LOGIC_UNARY(hash, sgn, op)                                                                    \
    uint8_t *ieee_p_1242562249_sub_##hash##_1035706684(char *block, array_bounds *result, VEC(arg)) { \
        return logic_unary(block, sgn, &op, ARG(arg), result);                                        \
    }
#define LOGIC_BINARY(hash, sgn, op)                                                                         \
    uint8_t *ieee_p_1242562249_sub_##hash##_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) { \
        return logic_binary(block, sgn, &op, ARG(l), ARG(r), result);                                       \
    }

LOGIC_UNARY(2892387531, kUnsigned, ieee_p_2592010699_sub_1837678034_503743352)
LOGIC_BINARY(1854260743, kUnsigned, ieee_p_2592010699_sub_795620321_503743352)
LOGIC_BINARY(2794316277, kUnsigned, ieee_p_2592010699_sub_1735675855_503743352)
LOGIC_BINARY(562151893, kUnsigned, ieee_p_2592010699_sub_3798478767_503743352)
LOGIC_BINARY(2364709891, kUnsigned, ieee_p_2592010699_sub_1306069469_503743352)
LOGIC_BINARY(2756063821, kUnsigned, ieee_p_2592010699_sub_1697423399_503743352)
LOGIC_BINARY(1102378843, kUnsigned, ieee_p_2592010699_sub_43738421_503743352)
LOGIC_UNARY(3991088854, kSigned, ieee_p_2592010699_sub_1837678034_503743352)
LOGIC_BINARY(3696923623, kSigned, ieee_p_2592010699_sub_795620321_503743352)
LOGIC_BINARY(342011861, kSigned, ieee_p_2592010699_sub_1735675855_503743352)
LOGIC_BINARY(2404814773, kSigned, ieee_p_2592010699_sub_3798478767_503743352)
LOGIC_BINARY(4207372771, kSigned, ieee_p_2592010699_sub_1306069469_503743352)
LOGIC_BINARY(303759405, kSigned, ieee_p_2592010699_sub_1697423399_503743352)
LOGIC_BINARY(2945041723, kSigned, ieee_p_2592010699_sub_43738421_503743352)

#undef LOGIC_UNARY
#undef LOGIC_BINARY

// 128 to 132: STD_MATCH (STD_ULOGIC), (UNSIGNED), (SIGNED), (STD_LOGIC_VECTOR),
// (STD_ULOGIC_VECTOR)
uint8_t ieee_p_1242562249_sub_319130236_1035706684(char *block, uint8_t l, uint8_t r) {
    return match_elements(block, l, r);
}
uint8_t ieee_p_1242562249_sub_438795891_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 129, ARG(l), ARG(r), true);
}
uint8_t ieee_p_1242562249_sub_4174973090_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 130, ARG(l), ARG(r), true);
}
uint8_t ieee_p_1242562249_sub_337943598_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 131, ARG(l), ARG(r), true);
}
uint8_t ieee_p_1242562249_sub_4198272599_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 132, ARG(l), ARG(r), false);
}

// 133, 134: TO_01 (UNSIGNED), TO_01 (SIGNED)
uint8_t *ieee_p_1242562249_sub_1804770815_1035706684(char *block, array_bounds *result, VEC(s), uint8_t xmap) {
    return to_01_body(block, kUnsigned, ARG(s), xmap, result);
}
uint8_t *ieee_p_1242562249_sub_2570320491_1035706684(char *block, array_bounds *result, VEC(s), uint8_t xmap) {
    return to_01_body(block, kSigned, ARG(s), xmap, result);
}

}  // extern "C"

#undef VEC
#undef ARG

namespace {

// The subprogram table, in the package body's declaration order.
void *se[] = {
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3160373586_1035706684),  // 0
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3160650192_1035706684),  // 1
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3824177444_1035706684),  // 2
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3295552210_1035706684),  // 3
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_353865036_1035706684),   // 4
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_702267453_1035706684),   // 5
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4109383058_1035706684),  // 6
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_618269441_1035706684),   // 7
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_618485063_1035706684),   // 8
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_505238664_1035706684),   // 9
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_614346876_1035706684),   // 10
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_614353410_1035706684),   // 11
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1233203289_1035706684),  // 12
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3760432601_1035706684),  // 13
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_282954104_1035706684),   // 14
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3494152804_1035706684),  // 15
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_959202607_1035706684),   // 16
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2517024443_1035706684),  // 17
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3869231325_1035706684),  // 18
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3481121704_1035706684),  // 19
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1547198987_1035706684),  // 20
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3273497107_1035706684),  // 21
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1919365254_1035706684),  // 22
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1654215474_1035706684),  // 23
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2931903318_1035706684),  // 24
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3666461690_1035706684),  // 25
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1547270861_1035706684),  // 26
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3273568981_1035706684),  // 27
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1919437128_1035706684),  // 28
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1654287348_1035706684),  // 29
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2931975192_1035706684),  // 30
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3666533564_1035706684),  // 31
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2053728113_1035706684),  // 32
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2807594338_1035706684),  // 33
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1919329317_1035706684),  // 34
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1654179537_1035706684),  // 35
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2931867381_1035706684),  // 36
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3666425753_1035706684),  // 37
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1922276087_1035706684),  // 38
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2849293644_1035706684),  // 39
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1808404841_1035706684),  // 40
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1486818655_1035706684),  // 41
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3461525680_1035706684),  // 42
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2775072687_1035706684),  // 43
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3059403468_1035706684),  // 44
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_492975887_1035706684),   // 45
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2962408653_1035706684),  // 46
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2640822467_1035706684),  // 47
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_320562204_1035706684),   // 48
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3929076507_1035706684),  // 49
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2875262280_1035706684),  // 50
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3802353957_1035706684),  // 51
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2778267465_1035706684),  // 52
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2456681279_1035706684),  // 53
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_136421016_1035706684),   // 54
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3744935319_1035706684),  // 55
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2110411308_1035706684),  // 56
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2720078402_1035706684),  // 57
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1686818447_1035706684),  // 58
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2019698268_1035706684),  // 59
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1781543830_1035706684),  // 60
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2479290730_1035706684),  // 61
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2110339434_1035706684),  // 62
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2720006528_1035706684),  // 63
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1686746573_1035706684),  // 64
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2019626394_1035706684),  // 65
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1781471956_1035706684),  // 66
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2479218856_1035706684),  // 67
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3469716711_1035706684),  // 68
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4079383805_1035706684),  // 69
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3046123850_1035706684),  // 70
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3379003671_1035706684),  // 71
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3140849233_1035706684),  // 72
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3838596133_1035706684),  // 73
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3472088553_1035706684),  // 74
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4081755647_1035706684),  // 75
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3048495692_1035706684),  // 76
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3381375513_1035706684),  // 77
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3143221075_1035706684),  // 78
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3840967975_1035706684),  // 79
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2110375371_1035706684),  // 80
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2720042465_1035706684),  // 81
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1686782510_1035706684),  // 82
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2019662331_1035706684),  // 83
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1781507893_1035706684),  // 84
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2479254793_1035706684),  // 85
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3454299738_1035706684),  // 86
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4063966832_1035706684),  // 87
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3030706877_1035706684),  // 88
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3363586698_1035706684),  // 89
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3125432260_1035706684),  // 90
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3823179160_1035706684),  // 91
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2770553711_1035706684),  // 92
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1830103426_1035706684),  // 93
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4004982826_1035706684),  // 94
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3064532541_1035706684),  // 95
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4109847776_1035706684),  // 96
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3077134611_1035706684),  // 97
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1049309595_1035706684),  // 98
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_16596430_1035706684),    // 99
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2540846514_1035706684),  // 100
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4230814580_1035706684),  // 101
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2547962040_1035706684),  // 102
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4237930106_1035706684),  // 103
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2505268884_1035706684),  // 104
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4195236950_1035706684),  // 105
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2505484506_1035706684),  // 106
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4195452572_1035706684),  // 107
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1657552908_1035706684),  // 108
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2271993008_1035706684),  // 109
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_180853171_1035706684),   // 110
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2563015576_1035706684),  // 111
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3410769178_1035706684),  // 112
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2045698577_1035706684),  // 113
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2892387531_1035706684),  // 114
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1854260743_1035706684),  // 115
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2794316277_1035706684),  // 116
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_562151893_1035706684),   // 117
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2364709891_1035706684),  // 118
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2756063821_1035706684),  // 119
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1102378843_1035706684),  // 120
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3991088854_1035706684),  // 121
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_3696923623_1035706684),  // 122
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_342011861_1035706684),   // 123
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2404814773_1035706684),  // 124
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4207372771_1035706684),  // 125
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_303759405_1035706684),   // 126
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2945041723_1035706684),  // 127
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_319130236_1035706684),   // 128
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_438795891_1035706684),   // 129
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4174973090_1035706684),  // 130
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_337943598_1035706684),   // 131
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_4198272599_1035706684),  // 132
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_1804770815_1035706684),  // 133
    reinterpret_cast<void *>(&ieee_p_1242562249_sub_2570320491_1035706684),  // 134
};
static_assert(sizeof se / sizeof se[0] == 135, "numeric_std registers 135 subprograms");

}  // namespace

extern "C" void ieee_p_1242562249_init(void) {
    zem_register_didat("ieee_p_1242562249", "kest/precompiled.exe.sim/ieee/p_1242562249.didat");
    zem_register_subprogram_executes(se);
}
