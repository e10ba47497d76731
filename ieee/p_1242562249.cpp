// numeric_std (unit ieee_p_1242562249): UNSIGNED and SIGNED arithmetic over
// std_logic.
//
// Each operation reads its vector operands through a view with the range
// LEN-1 downto 0 (leftmost element most significant, for SIGNED the sign),
// whatever the operand's own bounds, and builds its result as a value with
// that same kind of range. The operations are written as internal C++
// functions on such values, composed the way the package body composes its
// subprograms (so the warnings of inner calls are raised as the package
// raises them); the exported functions at the end of the file are the entry
// points of the subprogram table and convert between the calling convention
// and the internal values.
#include "ieee/p_1242562249.h"

#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "tovu/layout.h"

namespace {

using tovu::layout::make_bounds;
using tovu::layout::object_value;
using tovu::layout::type_descriptor;

// ---------------------------------------------------------------------------
// Values and objects
// ---------------------------------------------------------------------------

// std_ulogic positions.
constexpr uint8_t kU = 0, kX = 1, k0 = 2, k1 = 3, kL = 6, kH = 7;

// Objects of the package block.
constexpr size_t kNoWarning = 0x580;   // object descriptor -> BOOLEAN
constexpr size_t kMatchTable = 0x5f8;  // object descriptor -> 9 x 9 BOOLEAN, byte 9*L + R

// Descriptors of other units.
constexpr size_t kStdLogicVectorType = 0xfb8;  // in std_logic_1164's block

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

// ---------------------------------------------------------------------------
// Operand views and result values
// ---------------------------------------------------------------------------

// A vector operand read through the view LEN-1 downto 0: data[0] is the
// leftmost (most significant) element.
struct View {
    const uint8_t *data;
    int32_t length;
    uint8_t leftmost() const { return data[0]; }
    // Element I of the view.
    uint8_t at(int32_t i) const { return data[length - 1 - i]; }
};

inline View view_of(const uint8_t *data, const array_bounds *bounds) {
    return View{data, bounds->length > 0 ? bounds->length : 0};
}

// A computed vector with the range LEN-1 downto 0, leftmost element first.
struct Vector {
    std::vector<uint8_t> elements;

    Vector() = default;
    explicit Vector(int32_t length, uint8_t fill) : elements(static_cast<size_t>(std::max(length, 0)), fill) {}
    explicit Vector(View v) : elements(v.data, v.data + v.length) {}

    int32_t length() const { return static_cast<int32_t>(elements.size()); }
    View view() const { return View{elements.data(), length()}; }
    uint8_t leftmost() const { return elements[0]; }
    uint8_t &at(int32_t i) { return elements[static_cast<size_t>(length() - 1 - i)]; }
    uint8_t at(int32_t i) const { return elements[static_cast<size_t>(length() - 1 - i)]; }
};

// An array result: a transient copy and the bounds LEN-1 downto 0.
uint8_t *return_vector(const Vector &v, array_bounds *out) {
    const int32_t n = v.length();
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
    if (n > 0) memcpy(copy, v.elements.data(), static_cast<size_t>(n));
    *out = make_bounds(n - 1, 0, -1);
    return copy;
}

// The package's null vector: no elements, the range 0 downto 1.
uint8_t *return_null(array_bounds *out) {
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(0));
    *out = make_bounds(0, 1, -1);
    return copy;
}

// A value that is either computed or the package's null vector.
struct Result {
    Vector value;
    bool null = false;
};
Result null_result() { return Result{Vector(), true}; }
Result result(Vector v) { return Result{std::move(v), false}; }

uint8_t *return_result(const Result &r, array_bounds *out) {
    return r.null ? return_null(out) : return_vector(r.value, out);
}

constexpr bool kUnsigned = false;
constexpr bool kSigned = true;

// ---------------------------------------------------------------------------
// Frame helpers: MAX, MIN, NUM_BITS, TO_01, equality
// ---------------------------------------------------------------------------

int32_t max_of(int32_t l, int32_t r) { return l > r ? l : r; }
int32_t min_of(int32_t l, int32_t r) { return l < r ? l : r; }

int32_t unsigned_num_bits(int32_t arg) {
    int32_t n = arg, nbits = 1;
    while (n > 1) {
        ++nbits;
        n /= 2;
    }
    return nbits;
}

int32_t signed_num_bits(int32_t arg) {
    int32_t n = arg >= 0 ? arg : ~arg;
    int32_t nbits = 1;
    while (n > 0) {
        ++nbits;
        n /= 2;
    }
    return nbits;
}

int32_t num_bits(bool sgn, int32_t arg) { return sgn ? signed_num_bits(arg) : unsigned_num_bits(arg); }

// TO_01: '0'/'L' -> '0', '1'/'H' -> '1'; any other element turns the whole
// result into XMAP. A null argument gives the null vector with a warning.
Result to_01(char *block, View s, uint8_t xmap, bool sgn) {
    if (s.length == 0) {
        warn(block, sgn ? kToSignedNull : kToUnsignedNull);
        return null_result();
    }
    Vector r(s.length, kU);
    bool bad = false;
    for (int32_t k = 0; k < s.length; ++k) {
        switch (s.data[k]) {
            case k0:
            case kL: r.elements[static_cast<size_t>(k)] = k0; break;
            case k1:
            case kH: r.elements[static_cast<size_t>(k)] = k1; break;
            default: bad = true; break;
        }
    }
    if (bad) std::fill(r.elements.begin(), r.elements.end(), xmap);
    return result(std::move(r));
}

// TO_01 with 'X' of a non-null operand (every internal caller has tested
// the length first).
Vector to_01x(char *block, View s, bool sgn) { return to_01(block, s, kX, sgn).value; }

bool elements_equal(View l, View r) {
    if (l.length != r.length) return false;
    return l.length == 0 || memcmp(l.data, r.data, static_cast<size_t>(l.length)) == 0;
}

// ---------------------------------------------------------------------------
// Conversions and RESIZE
// ---------------------------------------------------------------------------

int32_t to_integer_unsigned(char *block, View arg) {
    if (arg.length == 0) {
        warn(block, kToIntegerUnsNull);
        return 0;
    }
    const Vector x = to_01x(block, arg, kUnsigned);
    if (x.leftmost() == kX) {
        warn(block, kToIntegerUnsMetavalue);
        return 0;
    }
    // 32-bit accumulation: only the low 32 bits survive, read as signed.
    uint32_t value = 0;
    for (uint8_t e : x.elements) value = (value << 1) + (e == k1 ? 1u : 0u);
    return static_cast<int32_t>(value);
}

Result to_unsigned(char *block, int32_t arg, int32_t size) {
    if (size <= 0) return null_result();
    Vector r(size, k0);
    int32_t value = arg;
    for (int32_t i = 0; i < size; ++i) {
        r.at(i) = (value & 1) != 0 ? k1 : k0;
        value /= 2;
    }
    if (value != 0) warn(block, kToUnsignedTruncated);
    return result(std::move(r));
}

Result to_signed(char *block, int32_t arg, int32_t size) {
    if (size <= 0) return null_result();
    Vector r(size, k0);
    const uint8_t fill = arg < 0 ? k1 : k0;
    int32_t value = arg < 0 ? ~arg : arg;
    for (int32_t i = 0; i < size; ++i) {
        r.at(i) = (value & 1) != 0 ? logic_not(fill) : fill;
        value /= 2;
    }
    if (value != 0 || r.leftmost() != fill) warn(block, kToSignedTruncated);
    return result(std::move(r));
}

Result to_vector(char *block, bool sgn, int32_t arg, int32_t size) {
    return sgn ? to_signed(block, arg, size) : to_unsigned(block, arg, size);
}

// RESIZE (UNSIGNED): zero extension, or the rightmost NEW_SIZE elements.
Result resize_unsigned(View arg, int32_t new_size) {
    if (new_size <= 0) return null_result();
    Vector r(new_size, k0);
    const int32_t kept = min_of(arg.length, new_size);
    if (kept > 0)
        memcpy(&r.elements[static_cast<size_t>(new_size - kept)], arg.data + (arg.length - kept),
               static_cast<size_t>(kept));
    return result(std::move(r));
}

// RESIZE (SIGNED): the sign, then the low MIN(LEN, NEW_SIZE)-1 elements.
Result resize_signed(View arg, int32_t new_size) {
    if (new_size <= 0) return null_result();
    if (arg.length == 0) return result(Vector(new_size, k0));
    Vector r(new_size, arg.leftmost());
    const int32_t bound = min_of(arg.length, new_size) - 2;
    if (bound >= 0) {
        const int32_t n = bound + 1;
        memcpy(&r.elements[static_cast<size_t>(new_size - n)], arg.data + (arg.length - n), static_cast<size_t>(n));
    }
    return result(std::move(r));
}

Result resize(bool sgn, View arg, int32_t new_size) {
    return sgn ? resize_signed(arg, new_size) : resize_unsigned(arg, new_size);
}

// ---------------------------------------------------------------------------
// Logic operators: std_logic_1164's std_logic_vector operators
// ---------------------------------------------------------------------------

using VectorUnaryOp = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);
using VectorBinaryOp = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                                    const array_bounds *);

// Result of L's length from the elements std_logic_1164 returned (which has
// the same length; never more is copied).
Vector logic_result(int32_t length, const uint8_t *value, const array_bounds &value_bounds) {
    Vector r(length, kU);
    const int32_t n = min_of(length, value_bounds.length > 0 ? value_bounds.length : 0);
    if (n > 0) memcpy(r.elements.data(), value, static_cast<size_t>(n));
    return r;
}

Vector logic_unary(VectorUnaryOp op, const uint8_t *l, const array_bounds *lb) {
    array_bounds vb;
    const uint8_t *v = op(IEEE_P_2592010699, &vb, l, lb);
    return logic_result(view_of(l, lb).length, v, vb);
}

Vector logic_binary(VectorBinaryOp op, const uint8_t *l, const array_bounds *lb, const uint8_t *r,
                    const array_bounds *rb) {
    array_bounds vb;
    const uint8_t *v = op(IEEE_P_2592010699, &vb, l, lb, r, rb);
    return logic_result(view_of(l, lb).length, v, vb);
}

// numeric_std's "not" on a computed vector.
Vector vector_not(const Vector &v) {
    const array_bounds b = make_bounds(v.length() - 1, 0, -1);
    return logic_unary(&ieee_p_2592010699_sub_1837678034_503743352, v.elements.data(), &b);
}

// ---------------------------------------------------------------------------
// Addition and subtraction
// ---------------------------------------------------------------------------

// ADD_UNSIGNED / ADD_SIGNED: ripple-carry sum of two operands of one length
// through std_logic_1164's tables; the carry out is dropped. An operand
// pair of different lengths is a failed length check.
Vector add_with_carry(View l, View r, uint8_t c) {
    if (r.length != l.length) zem_size_not_matching(l.length, r.length, 0);
    Vector sum(l.length, kU);
    uint8_t carry = c;
    for (int32_t i = 0; i < l.length; ++i) {
        const uint8_t a = l.at(i), b = r.at(i);
        sum.at(i) = logic_xor(logic_xor(carry, a), b);
        carry = logic_or(logic_or(logic_and(carry, a), logic_and(carry, b)), logic_and(a, b));
    }
    return sum;
}

// "+" and "-" on two vectors: both brought to the longer length, each
// screened for metavalues (all 'X' of that length if one is found).
Result add_vectors(char *block, bool sgn, View l, View r, bool subtract) {
    const int32_t size = max_of(l.length, r.length);
    if (l.length == 0 || r.length == 0) return null_result();
    const Vector l01 = to_01x(block, resize(sgn, l, size).value.view(), sgn);
    if (l01.leftmost() == kX) return result(l01);
    const Vector r01 = to_01x(block, resize(sgn, r, size).value.view(), sgn);
    if (r01.leftmost() == kX) return result(r01);
    if (subtract) return result(add_with_carry(l01.view(), vector_not(r01).view(), k1));
    return result(add_with_carry(l01.view(), r01.view(), k0));
}

Vector add(char *block, bool sgn, const Vector &l, const Vector &r) {
    return add_vectors(block, sgn, l.view(), r.view(), false).value;
}
Vector sub(char *block, bool sgn, const Vector &l, const Vector &r) {
    return add_vectors(block, sgn, l.view(), r.view(), true).value;
}

// ---------------------------------------------------------------------------
// Negation and absolute value
// ---------------------------------------------------------------------------

Result negate(char *block, View arg) {
    if (arg.length == 0) return null_result();
    const Vector x = to_01x(block, arg, kSigned);
    if (x.leftmost() == kX) return result(x);
    Vector r(arg.length, kU);
    uint8_t carry = k1;
    for (int32_t i = 0; i < arg.length; ++i) {
        const uint8_t inverted = logic_not(x.at(i));
        r.at(i) = logic_xor(inverted, carry);
        carry = logic_and(carry, inverted);
    }
    return result(std::move(r));
}

Result absolute(char *block, View arg) {
    if (arg.length == 0) return null_result();
    Vector r = to_01x(block, arg, kSigned);
    if (r.leftmost() == kX) return result(std::move(r));
    if (r.leftmost() == k1) r = negate(block, r.view()).value;
    return result(std::move(r));
}

// ---------------------------------------------------------------------------
// Shifts and rotates
// ---------------------------------------------------------------------------

// The workers: results with the range LEN-1 downto 0. A negative count is a
// count beyond every length.
enum class Shift { kLeft, kRight, kRightArithmetic, kRotateLeft, kRotateRight };

// Rotation amount COUNT mod LEN (LEN > 0), never negative.
int32_t rotation(int32_t count, int32_t length) {
    const int32_t m = count % length;
    return m < 0 ? m + length : m;
}

Vector shift_worker(Shift kind, View arg, int32_t count) {
    const int32_t len = arg.length;
    if (len == 0) return Vector();
    const int32_t arg_l = len - 1;
    const bool within = count >= 0 && count <= arg_l;
    switch (kind) {
        case Shift::kLeft: {
            Vector r(len, k0);
            if (within) memcpy(r.elements.data(), arg.data + count, static_cast<size_t>(len - count));
            return r;
        }
        case Shift::kRight: {
            Vector r(len, k0);
            if (within) memcpy(r.elements.data() + count, arg.data, static_cast<size_t>(len - count));
            return r;
        }
        case Shift::kRightArithmetic: {
            const int32_t n = within ? count : arg_l;
            Vector r(len, arg.leftmost());
            memcpy(r.elements.data() + n, arg.data, static_cast<size_t>(len - n));
            return r;
        }
        case Shift::kRotateLeft: {
            Vector r(arg);
            std::rotate(r.elements.begin(), r.elements.begin() + rotation(count, len), r.elements.end());
            return r;
        }
        case Shift::kRotateRight: {
            Vector r(arg);
            std::rotate(r.elements.begin(), r.elements.begin() + (len - rotation(count, len)) % len, r.elements.end());
            return r;
        }
    }
    return Vector();
}

// A worker's result with its bounds; XSRA returns its operand unchanged, with
// the operand's own range, for a count of 0 or a length of at most 1.
uint8_t *return_worker(Shift kind, const uint8_t *data, const array_bounds *bounds, int32_t count, array_bounds *out) {
    const View arg = view_of(data, bounds);
    if (kind == Shift::kRightArithmetic && (arg.length <= 1 || count == 0)) {
        auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(arg.length)));
        if (arg.length > 0) memcpy(copy, data, static_cast<size_t>(arg.length));
        *out = make_bounds(bounds->left, bounds->right, bounds->dir);
        return copy;
    }
    return return_vector(shift_worker(kind, arg, count), out);
}

// SHIFT_LEFT, SHIFT_RIGHT, ROTATE_LEFT, ROTATE_RIGHT: the null vector for a
// null operand, else the worker's result as it came.
uint8_t *return_shift(Shift kind, const uint8_t *data, const array_bounds *bounds, int32_t count, array_bounds *out) {
    if (view_of(data, bounds).length == 0) return return_null(out);
    return return_worker(kind, data, bounds, count, out);
}

Vector shift_left(const Vector &v, int32_t count) { return shift_worker(Shift::kLeft, v.view(), count); }

// sll, srl, rol, ror: a negative count shifts the other way. The most
// negative INTEGER has no 32-bit negation: it stays negative, which the
// shifts read as a count beyond every length; a rotate is given the true
// amount 2**31 mod LEN.
uint8_t *return_shift_operator(Shift forward, Shift backward, const uint8_t *data, const array_bounds *bounds,
                               int32_t count, array_bounds *out) {
    if (count >= 0) return return_shift(forward, data, bounds, count, out);
    int32_t magnitude = static_cast<int32_t>(0u - static_cast<uint32_t>(count));
    const int32_t len = view_of(data, bounds).length;
    if (count == INT32_MIN && len > 0 && (backward == Shift::kRotateLeft || backward == Shift::kRotateRight))
        magnitude = static_cast<int32_t>(2147483648u % static_cast<uint32_t>(len));
    return return_shift(backward, data, bounds, magnitude, out);
}

// ---------------------------------------------------------------------------
// Multiplication
// ---------------------------------------------------------------------------

Result multiply(char *block, bool sgn, View l, View r) {
    if (l.length == 0 || r.length == 0) return null_result();
    const int32_t total = l.length + r.length;
    const Vector xl = to_01x(block, l, sgn);
    const Vector xr = to_01x(block, r, sgn);
    if (xl.leftmost() == kX || xr.leftmost() == kX) return result(Vector(total, kX));
    Vector product(total, k0);
    Vector adval = resize(sgn, xr.view(), total).value;
    // A SIGNED left operand's sign bit weighs -2**(L'length-1): it is
    // handled after the loop by a subtraction.
    const int32_t last = sgn ? l.length - 1 : l.length;
    for (int32_t i = 0; i < last; ++i) {
        if (xl.at(i) == k1) product = add(block, sgn, product, adval);
        adval = shift_left(adval, 1);
    }
    if (sgn && xl.at(l.length - 1) == k1) product = sub(block, sgn, product, adval);
    return result(std::move(product));
}

// ---------------------------------------------------------------------------
// Division
// ---------------------------------------------------------------------------

// DIVMOD: restoring long division of two UNSIGNED values holding only '0'
// and '1'; quotient and remainder resized to the lengths asked for.
struct Division {
    Vector quotient;
    Vector remainder;
};

bool unsigned_greater_equal(char *block, View l, View r);
bool not_equal_to_zero(char *block, const Vector &v);

Division divmod(char *block, View num, View xdenom, int32_t quot_length, int32_t remain_length) {
    // TEMP (NUM'length downto 0) := '0' & NUM
    Vector temp(num.length + 1, k0);
    if (num.length > 0) memcpy(temp.elements.data() + 1, num.data, static_cast<size_t>(num.length));
    Vector quot(max_of(num.length, xdenom.length), k0);

    int32_t topbit = -1;
    for (int32_t j = xdenom.length - 1; j >= 0; --j) {
        if (xdenom.at(j) == k1) {
            topbit = j;
            break;
        }
    }
    if (topbit < 0) error(block, kDivideByZero);

    // '0' & DENOM(TOPBIT downto 0)
    Vector divisor(topbit + 2, k0);
    if (topbit >= 0)
        memcpy(divisor.elements.data() + 1, xdenom.data + (xdenom.length - 1 - topbit),
               static_cast<size_t>(topbit + 1));

    const int32_t temp_left = num.length;
    for (int32_t j = num.length - (topbit + 1); j >= 0; --j) {
        // TEMP(TOPBIT+J+1 downto J)
        zem_vhdl_check_range_of_slice(temp_left, 0, -1, topbit + j + 1, j, -1);
        uint8_t *slice = temp.elements.data() + (temp_left - (topbit + j + 1));
        const View slice_view{slice, topbit + 2};
        if (unsigned_greater_equal(block, slice_view, divisor.view())) {
            const Vector difference = sub(block, kUnsigned, Vector(slice_view), divisor);
            memcpy(slice, difference.elements.data(), static_cast<size_t>(topbit + 2));
            zem_vhdl_check_range_of_index(quot.length() - 1, 0, -1, j);
            quot.at(j) = k1;
        }
        zem_vhdl_check_range_of_index(temp_left, 0, -1, topbit + j + 1);
        if (temp.at(topbit + j + 1) != k0) error(block, kDivmodInternalError);
    }
    return Division{resize_unsigned(quot.view(), quot_length).value, resize_unsigned(temp.view(), remain_length).value};
}

enum class DivOp { kDiv, kRem, kMod };

const Vector kZero1(1, k0);  // the one-element literal '0'

// "/", "rem" and "mod" on two vectors.
Result divide_vectors(char *block, bool sgn, DivOp op, View l, View r) {
    if (l.length == 0 || r.length == 0) return null_result();
    const int32_t result_length = op == DivOp::kDiv ? l.length : r.length;
    Vector xl = to_01x(block, l, sgn);
    Vector xr = to_01x(block, r, sgn);
    if (xl.leftmost() == kX || xr.leftmost() == kX) return result(Vector(result_length, kX));
    if (!sgn) {
        Division d = divmod(block, xl.view(), xr.view(), l.length, r.length);
        return result(op == DivOp::kDiv ? std::move(d.quotient) : std::move(d.remainder));
    }
    const bool l_negative = xl.leftmost() == k1;
    const bool r_negative = xr.leftmost() == k1;
    if (l_negative) xl = negate(block, xl.view()).value;
    if (r_negative) xr = negate(block, xr.view()).value;
    Division d = divmod(block, xl.view(), xr.view(), l.length, r.length);
    switch (op) {
        case DivOp::kDiv:
            if (l_negative != r_negative) d.quotient = sub(block, kUnsigned, kZero1, d.quotient);
            return result(std::move(d.quotient));
        case DivOp::kRem:
            if (l_negative) d.remainder = sub(block, kUnsigned, kZero1, d.remainder);
            return result(std::move(d.remainder));
        case DivOp::kMod: {
            // The adjustments read L's own sign element, not its translation.
            const bool l_sign = l.leftmost() == k1;
            if (r_negative && l_sign) {
                d.remainder = sub(block, kUnsigned, kZero1, d.remainder);
            } else if (r_negative && not_equal_to_zero(block, d.remainder)) {
                d.remainder = sub(block, kUnsigned, d.remainder, xr);
            } else if (l_sign && not_equal_to_zero(block, d.remainder)) {
                d.remainder = sub(block, kUnsigned, xr, d.remainder);
            }
            return result(std::move(d.remainder));
        }
    }
    return null_result();
}

// The cut of a LONG-element value V back to SHORT elements loses significant
// elements: the warning of the form.
void truncation_test(char *block, bool sgn, const Vector &v, int32_t short_length, ReportText text);

// "/", "rem" and "mod" with an integer divisor R.
Result divide_by_integer(char *block, bool sgn, DivOp op, View l, int32_t r, const ReportText *truncated) {
    const int32_t r_length = max_of(l.length, num_bits(sgn, r));
    if (l.length == 0) return null_result();
    if (op == DivOp::kDiv && r_length > l.length) return result(Vector(l.length, k0));
    const Vector xr = to_vector(block, sgn, r, r_length).value;
    const Vector value = divide_vectors(block, sgn, op, l, xr.view()).value;
    if (op == DivOp::kDiv) {
        const Vector quot = resize(sgn, value.view(), r_length).value;
        return resize(sgn, quot.view(), l.length);
    }
    const Vector xrem = (op == DivOp::kRem && !sgn) ? value : resize(sgn, value.view(), r_length).value;
    truncation_test(block, sgn, xrem, l.length, *truncated);
    return resize(sgn, xrem.view(), l.length);
}

// "/", "rem" and "mod" with an integer dividend L.
Result divide_integer(char *block, bool sgn, DivOp op, int32_t l, View r, ReportText truncated) {
    const int32_t l_length = max_of(num_bits(sgn, l), r.length);
    const bool unsigned_rem = op == DivOp::kRem && !sgn;
    if (r.length == 0 && !unsigned_rem) return null_result();
    const Vector xl = to_vector(block, sgn, l, l_length).value;
    const Vector value = resize(sgn, divide_vectors(block, sgn, op, xl.view(), r).value.view(), l_length).value;
    truncation_test(block, sgn, value, r.length, truncated);
    return resize(sgn, value.view(), r.length);
}

// ---------------------------------------------------------------------------
// Equality and ordering
// ---------------------------------------------------------------------------

// UNSIGNED_LESS, SIGNED_LESS, ..._OR_EQUAL: the predefined array ordering of
// two vectors of '0' and '1'; for SIGNED with the sign elements inverted, so
// that the two's-complement order becomes the order of the patterns.
bool ordered(bool sgn, bool or_equal, View l, View r) {
    void *slv = type_descriptor(IEEE_P_2592010699, kStdLogicVectorType);
    Vector il(l), ir(r);
    if (sgn) {
        if (il.length() > 0) il.elements[0] = logic_not(il.elements[0]);
        if (ir.length() > 0) ir.elements[0] = logic_not(ir.elements[0]);
    }
    return or_equal ? zem_vhdl_lessthanEqual(slv, il.elements.data(), il.length(), ir.elements.data(), ir.length()) != 0
                    : zem_vhdl_lessthan(slv, il.elements.data(), il.length(), ir.elements.data(), ir.length()) != 0;
}

enum class Relation { kGreater, kLess, kLessEqual, kGreaterEqual, kEqual, kNotEqual };

// The relation between two translated vectors of one length.
bool relate(bool sgn, Relation rel, View l, View r) {
    switch (rel) {
        case Relation::kGreater: return !ordered(sgn, true, l, r);
        case Relation::kLess: return ordered(sgn, false, l, r);
        case Relation::kLessEqual: return ordered(sgn, true, l, r);
        case Relation::kGreaterEqual: return !ordered(sgn, false, l, r);
        case Relation::kEqual: return elements_equal(l, r);
        case Relation::kNotEqual: return !elements_equal(l, r);
    }
    return false;
}

// The answer to a null or metavalue operand: FALSE, but TRUE for "/=".
bool default_answer(Relation rel) { return rel == Relation::kNotEqual; }

// A relational operator on two vectors (slots 56, 57, 62, 63, ...).
bool compare_vectors(char *block, bool sgn, Relation rel, int slot, View l, View r) {
    const ComparisonTexts texts = comparison_texts(slot);
    const int32_t size = max_of(l.length, r.length);
    if (l.length == 0 || r.length == 0) {
        warn(block, texts.null_argument);
        return default_answer(rel);
    }
    const Vector l01 = to_01x(block, l, sgn);
    const Vector r01 = to_01x(block, r, sgn);
    if (l01.leftmost() == kX || r01.leftmost() == kX) {
        warn(block, texts.metavalue);
        return default_answer(rel);
    }
    return relate(sgn, rel, resize(sgn, l01.view(), size).value.view(), resize(sgn, r01.view(), size).value.view());
}

// A relational operator between a vector V and an integer N, N on the left
// when `integer_left`. An integer that needs more elements than V has
// decides by its sign alone.
bool compare_with_integer(char *block, bool sgn, Relation rel, int slot, View v, int32_t n, bool integer_left) {
    const ComparisonTexts texts = comparison_texts(slot);
    if (v.length == 0) {
        warn(block, texts.null_argument);
        return default_answer(rel);
    }
    const Vector v01 = to_01x(block, v, sgn);
    if (v01.leftmost() == kX) {
        warn(block, texts.metavalue);
        return default_answer(rel);
    }
    if (static_cast<uint32_t>(num_bits(sgn, n)) > static_cast<uint32_t>(v.length)) {
        switch (rel) {
            case Relation::kEqual: return false;
            case Relation::kNotEqual: return true;
            case Relation::kGreater:
            case Relation::kGreaterEqual: return integer_left ? n > 0 : n < 0;
            case Relation::kLess:
            case Relation::kLessEqual: return integer_left ? n < 0 : n > 0;
        }
    }
    const Vector nv = to_vector(block, sgn, n, v.length).value;
    return integer_left ? relate(sgn, rel, nv.view(), v01.view()) : relate(sgn, rel, v01.view(), nv.view());
}

bool unsigned_greater_equal(char *block, View l, View r) {
    return compare_vectors(block, kUnsigned, Relation::kGreaterEqual, 74, l, r);
}

bool not_equal_to_zero(char *block, const Vector &v) {
    return compare_vectors(block, kUnsigned, Relation::kNotEqual, 86, v.view(), kZero1.view());
}

void truncation_test(char *block, bool sgn, const Vector &v, int32_t short_length, ReportText text) {
    const int32_t long_length = v.length();
    if (long_length <= short_length || v.at(0) == kX) return;
    // V(LONG-1 downto SHORT) against '0's, or against copies of V(SHORT-1)
    const View high{v.elements.data(), long_length - short_length};
    const Vector fill(long_length - short_length, sgn ? v.at(short_length - 1) : k0);
    if (compare_vectors(block, sgn, Relation::kNotEqual, sgn ? 87 : 86, high, fill.view())) warn(block, text);
}

int32_t to_integer_signed(char *block, View arg) {
    if (arg.length == 0) {
        warn(block, kToIntegerSgnNull);
        return 0;
    }
    const Vector x = to_01x(block, arg, kSigned);
    if (x.leftmost() == kX) {
        warn(block, kToIntegerSgnMetavalue);
        return 0;
    }
    if (x.leftmost() == k0) return to_integer_unsigned(block, x.view());
    // -(X + 1) is never negative; its value complemented is X.
    const Vector one = to_signed(block, 1, x.length()).value;
    const Vector plus_one = add(block, kSigned, x, one);
    return ~to_integer_unsigned(block, negate(block, plus_one.view()).value.view());
}

// ---------------------------------------------------------------------------
// STD_MATCH
// ---------------------------------------------------------------------------

bool match_elements(char *block, uint8_t l, uint8_t r) { return object_value(block, kMatchTable)[9 * l + r] != 0; }

bool match_vectors(char *block, int slot, View l, View r, bool check_values) {
    const ComparisonTexts texts = match_texts(slot);
    if (l.length == 0 || r.length == 0) {
        warn(block, texts.null_argument);
        return false;
    }
    if (l.length != r.length) {
        warn(block, texts.metavalue);
        return false;
    }
    for (int32_t k = 0; k < l.length; ++k) {
        if (check_values) {
            zem_vhdl_check_range_of_index(0, 8, 1, l.data[k]);
            zem_vhdl_check_range_of_index(0, 8, 1, r.data[k]);
        }
        if (!match_elements(block, l.data[k], r.data[k])) return false;
    }
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Entry points, in slot order
// ---------------------------------------------------------------------------

#define VEC(name) const uint8_t *name, const array_bounds *name##_bounds
#define VIEW(name) view_of(name, name##_bounds)

extern "C" {

// 0, 1: MAX, MIN
int32_t ieee_p_1242562249_sub_3160373586_1035706684(char *, int32_t left, int32_t right) { return max_of(left, right); }
int32_t ieee_p_1242562249_sub_3160650192_1035706684(char *, int32_t left, int32_t right) { return min_of(left, right); }
// 2, 3: SIGNED_NUM_BITS, UNSIGNED_NUM_BITS
int32_t ieee_p_1242562249_sub_3824177444_1035706684(char *, int32_t arg) { return signed_num_bits(arg); }
int32_t ieee_p_1242562249_sub_3295552210_1035706684(char *, int32_t arg) { return unsigned_num_bits(arg); }

// 4, 5: ADD_UNSIGNED, ADD_SIGNED
uint8_t *ieee_p_1242562249_sub_353865036_1035706684(char *, array_bounds *result, VEC(l), VEC(r), uint8_t c) {
    return return_vector(add_with_carry(VIEW(l), VIEW(r), c), result);
}
uint8_t *ieee_p_1242562249_sub_702267453_1035706684(char *, array_bounds *result, VEC(l), VEC(r), uint8_t c) {
    return return_vector(add_with_carry(VIEW(l), VIEW(r), c), result);
}

// 6: DIVMOD, writing exactly the lengths of XQUOT and XREMAIN
void ieee_p_1242562249_sub_4109383058_1035706684(char *block, void *, VEC(num), VEC(xdenom), uint8_t *xquot,
                                                 const array_bounds *xquot_bounds, uint8_t *xremain,
                                                 const array_bounds *xremain_bounds) {
    const int32_t quot_length = view_of(xquot, xquot_bounds).length;
    const int32_t remain_length = view_of(xremain, xremain_bounds).length;
    const Division d = divmod(block, VIEW(num), VIEW(xdenom), quot_length, remain_length);
    if (quot_length > 0) memcpy(xquot, d.quotient.elements.data(), static_cast<size_t>(quot_length));
    if (remain_length > 0) memcpy(xremain, d.remainder.elements.data(), static_cast<size_t>(remain_length));
}

// 7 to 11: XSLL, XSRL, XSRA, XROL, XROR
uint8_t *ieee_p_1242562249_sub_618269441_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_worker(Shift::kLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_618485063_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_worker(Shift::kRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_505238664_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_worker(Shift::kRightArithmetic, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_614346876_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_worker(Shift::kRotateLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_614353410_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_worker(Shift::kRotateRight, l, l_bounds, r, result);
}

// 12, 13: UNSIGNED_EQUAL, SIGNED_EQUAL
uint8_t ieee_p_1242562249_sub_1233203289_1035706684(char *, VEC(l), VEC(r)) { return elements_equal(VIEW(l), VIEW(r)); }
uint8_t ieee_p_1242562249_sub_3760432601_1035706684(char *, VEC(l), VEC(r)) { return elements_equal(VIEW(l), VIEW(r)); }

// 14 to 17: UNSIGNED_LESS, SIGNED_LESS, UNSIGNED_LESS_OR_EQUAL, SIGNED_LESS_OR_EQUAL
uint8_t ieee_p_1242562249_sub_282954104_1035706684(char *, VEC(l), VEC(r)) {
    return ordered(kUnsigned, false, VIEW(l), VIEW(r));
}
uint8_t ieee_p_1242562249_sub_3494152804_1035706684(char *, VEC(l), VEC(r)) {
    return ordered(kSigned, false, VIEW(l), VIEW(r));
}
uint8_t ieee_p_1242562249_sub_959202607_1035706684(char *, VEC(l), VEC(r)) {
    return ordered(kUnsigned, true, VIEW(l), VIEW(r));
}
uint8_t ieee_p_1242562249_sub_2517024443_1035706684(char *, VEC(l), VEC(r)) {
    return ordered(kSigned, true, VIEW(l), VIEW(r));
}

// 18, 19: abs, unary "-"
uint8_t *ieee_p_1242562249_sub_3869231325_1035706684(char *block, array_bounds *result, VEC(arg)) {
    return return_result(absolute(block, VIEW(arg)), result);
}
uint8_t *ieee_p_1242562249_sub_3481121704_1035706684(char *block, array_bounds *result, VEC(arg)) {
    return return_result(negate(block, VIEW(arg)), result);
}

// 20 to 31: "+" and "-"
uint8_t *ieee_p_1242562249_sub_1547198987_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(add_vectors(block, kUnsigned, VIEW(l), VIEW(r), false), result);
}
uint8_t *ieee_p_1242562249_sub_3273497107_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(add_vectors(block, kSigned, VIEW(l), VIEW(r), false), result);
}
uint8_t *ieee_p_1242562249_sub_1919365254_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    const View lv = VIEW(l);
    return return_result(add_vectors(block, kUnsigned, lv, to_unsigned(block, r, lv.length).value.view(), false),
                         result);
}
uint8_t *ieee_p_1242562249_sub_1654215474_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    const View rv = VIEW(r);
    return return_result(add_vectors(block, kUnsigned, to_unsigned(block, l, rv.length).value.view(), rv, false),
                         result);
}
uint8_t *ieee_p_1242562249_sub_2931903318_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    const View lv = VIEW(l);
    return return_result(add_vectors(block, kSigned, lv, to_signed(block, r, lv.length).value.view(), false), result);
}
uint8_t *ieee_p_1242562249_sub_3666461690_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    const View rv = VIEW(r);
    return return_result(add_vectors(block, kSigned, to_signed(block, l, rv.length).value.view(), rv, false), result);
}
uint8_t *ieee_p_1242562249_sub_1547270861_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(add_vectors(block, kUnsigned, VIEW(l), VIEW(r), true), result);
}
uint8_t *ieee_p_1242562249_sub_3273568981_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(add_vectors(block, kSigned, VIEW(l), VIEW(r), true), result);
}
uint8_t *ieee_p_1242562249_sub_1919437128_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    const View lv = VIEW(l);
    return return_result(add_vectors(block, kUnsigned, lv, to_unsigned(block, r, lv.length).value.view(), true),
                         result);
}
uint8_t *ieee_p_1242562249_sub_1654287348_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    const View rv = VIEW(r);
    return return_result(add_vectors(block, kUnsigned, to_unsigned(block, l, rv.length).value.view(), rv, true),
                         result);
}
uint8_t *ieee_p_1242562249_sub_2931975192_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    const View lv = VIEW(l);
    return return_result(add_vectors(block, kSigned, lv, to_signed(block, r, lv.length).value.view(), true), result);
}
uint8_t *ieee_p_1242562249_sub_3666533564_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    const View rv = VIEW(r);
    return return_result(add_vectors(block, kSigned, to_signed(block, l, rv.length).value.view(), rv, true), result);
}

// 32 to 37: "*"
uint8_t *ieee_p_1242562249_sub_2053728113_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(multiply(block, kUnsigned, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_2807594338_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(multiply(block, kSigned, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_1919329317_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    const View lv = VIEW(l);
    return return_result(multiply(block, kUnsigned, lv, to_unsigned(block, r, lv.length).value.view()), result);
}
uint8_t *ieee_p_1242562249_sub_1654179537_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    const View rv = VIEW(r);
    return return_result(multiply(block, kUnsigned, to_unsigned(block, l, rv.length).value.view(), rv), result);
}
uint8_t *ieee_p_1242562249_sub_2931867381_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    const View lv = VIEW(l);
    return return_result(multiply(block, kSigned, lv, to_signed(block, r, lv.length).value.view()), result);
}
uint8_t *ieee_p_1242562249_sub_3666425753_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    const View rv = VIEW(r);
    return return_result(multiply(block, kSigned, to_signed(block, l, rv.length).value.view(), rv), result);
}

// 38 to 43: "/"
uint8_t *ieee_p_1242562249_sub_1922276087_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(divide_vectors(block, kUnsigned, DivOp::kDiv, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_2849293644_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(divide_vectors(block, kSigned, DivOp::kDiv, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_1808404841_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return return_result(divide_by_integer(block, kUnsigned, DivOp::kDiv, VIEW(l), r, nullptr), result);
}
uint8_t *ieee_p_1242562249_sub_1486818655_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return return_result(divide_integer(block, kUnsigned, DivOp::kDiv, l, VIEW(r), kDivNatUnsTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_3461525680_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return return_result(divide_by_integer(block, kSigned, DivOp::kDiv, VIEW(l), r, nullptr), result);
}
uint8_t *ieee_p_1242562249_sub_2775072687_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return return_result(divide_integer(block, kSigned, DivOp::kDiv, l, VIEW(r), kDivIntSgnTruncated), result);
}

// 44 to 49: "rem"
uint8_t *ieee_p_1242562249_sub_3059403468_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(divide_vectors(block, kUnsigned, DivOp::kRem, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_492975887_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(divide_vectors(block, kSigned, DivOp::kRem, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_2962408653_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return return_result(divide_by_integer(block, kUnsigned, DivOp::kRem, VIEW(l), r, &kRemUnsNatTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_2640822467_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return return_result(divide_integer(block, kUnsigned, DivOp::kRem, l, VIEW(r), kRemNatUnsTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_320562204_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return return_result(divide_by_integer(block, kSigned, DivOp::kRem, VIEW(l), r, &kRemSgnIntTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_3929076507_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return return_result(divide_integer(block, kSigned, DivOp::kRem, l, VIEW(r), kRemIntSgnTruncated), result);
}

// 50 to 55: "mod"
uint8_t *ieee_p_1242562249_sub_2875262280_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(divide_vectors(block, kUnsigned, DivOp::kMod, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_3802353957_1035706684(char *block, array_bounds *result, VEC(l), VEC(r)) {
    return return_result(divide_vectors(block, kSigned, DivOp::kMod, VIEW(l), VIEW(r)), result);
}
uint8_t *ieee_p_1242562249_sub_2778267465_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return return_result(divide_by_integer(block, kUnsigned, DivOp::kMod, VIEW(l), r, &kModUnsNatTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_2456681279_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return return_result(divide_integer(block, kUnsigned, DivOp::kMod, l, VIEW(r), kModNatUnsTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_136421016_1035706684(char *block, array_bounds *result, VEC(l), int32_t r) {
    return return_result(divide_by_integer(block, kSigned, DivOp::kMod, VIEW(l), r, &kModSgnIntTruncated), result);
}
uint8_t *ieee_p_1242562249_sub_3744935319_1035706684(char *block, array_bounds *result, int32_t l, VEC(r)) {
    return return_result(divide_integer(block, kSigned, DivOp::kMod, l, VIEW(r), kModIntSgnTruncated), result);
}

// 56 to 91: the relational operators, six forms each: (U, U), (S, S),
// (N, U), (I, S), (U, N), (S, I).
#define RELATIONAL_FORMS(rel, base, h0, h1, h2, h3, h4, h5)                              \
    uint8_t ieee_p_1242562249_sub_##h0##_1035706684(char *block, VEC(l), VEC(r)) {       \
        return compare_vectors(block, kUnsigned, rel, base, VIEW(l), VIEW(r));           \
    }                                                                                    \
    uint8_t ieee_p_1242562249_sub_##h1##_1035706684(char *block, VEC(l), VEC(r)) {       \
        return compare_vectors(block, kSigned, rel, base + 1, VIEW(l), VIEW(r));         \
    }                                                                                    \
    uint8_t ieee_p_1242562249_sub_##h2##_1035706684(char *block, int32_t l, VEC(r)) {    \
        return compare_with_integer(block, kUnsigned, rel, base + 2, VIEW(r), l, true);  \
    }                                                                                    \
    uint8_t ieee_p_1242562249_sub_##h3##_1035706684(char *block, int32_t l, VEC(r)) {    \
        return compare_with_integer(block, kSigned, rel, base + 3, VIEW(r), l, true);    \
    }                                                                                    \
    uint8_t ieee_p_1242562249_sub_##h4##_1035706684(char *block, VEC(l), int32_t r) {    \
        return compare_with_integer(block, kUnsigned, rel, base + 4, VIEW(l), r, false); \
    }                                                                                    \
    uint8_t ieee_p_1242562249_sub_##h5##_1035706684(char *block, VEC(l), int32_t r) {    \
        return compare_with_integer(block, kSigned, rel, base + 5, VIEW(l), r, false);   \
    }

RELATIONAL_FORMS(Relation::kGreater, 56, 2110411308, 2720078402, 1686818447, 2019698268, 1781543830, 2479290730)
RELATIONAL_FORMS(Relation::kLess, 62, 2110339434, 2720006528, 1686746573, 2019626394, 1781471956, 2479218856)
RELATIONAL_FORMS(Relation::kLessEqual, 68, 3469716711, 4079383805, 3046123850, 3379003671, 3140849233, 3838596133)
RELATIONAL_FORMS(Relation::kGreaterEqual, 74, 3472088553, 4081755647, 3048495692, 3381375513, 3143221075, 3840967975)
RELATIONAL_FORMS(Relation::kEqual, 80, 2110375371, 2720042465, 1686782510, 2019662331, 1781507893, 2479254793)
RELATIONAL_FORMS(Relation::kNotEqual, 86, 3454299738, 4063966832, 3030706877, 3363586698, 3125432260, 3823179160)

#undef RELATIONAL_FORMS

// 92 to 99: SHIFT_LEFT, SHIFT_RIGHT, ROTATE_LEFT, ROTATE_RIGHT
uint8_t *ieee_p_1242562249_sub_2770553711_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_1830103426_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_4004982826_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_3064532541_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kRightArithmetic, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_4109847776_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kRotateLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_3077134611_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kRotateRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_1049309595_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kRotateLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_16596430_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift(Shift::kRotateRight, l, l_bounds, r, result);
}

// 100 to 107: sll, srl, rol, ror (UNSIGNED, SIGNED); sll and srl on SIGNED
// shift logically
uint8_t *ieee_p_1242562249_sub_2540846514_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kLeft, Shift::kRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_4230814580_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kLeft, Shift::kRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_2547962040_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kRight, Shift::kLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_4237930106_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kRight, Shift::kLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_2505268884_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kRotateLeft, Shift::kRotateRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_4195236950_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kRotateLeft, Shift::kRotateRight, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_2505484506_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kRotateRight, Shift::kRotateLeft, l, l_bounds, r, result);
}
uint8_t *ieee_p_1242562249_sub_4195452572_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_shift_operator(Shift::kRotateRight, Shift::kRotateLeft, l, l_bounds, r, result);
}

// 108, 109: TO_INTEGER (UNSIGNED), TO_INTEGER (SIGNED)
int32_t ieee_p_1242562249_sub_1657552908_1035706684(char *block, VEC(arg)) {
    return to_integer_unsigned(block, VIEW(arg));
}
int32_t ieee_p_1242562249_sub_2271993008_1035706684(char *block, VEC(arg)) {
    return to_integer_signed(block, VIEW(arg));
}

// 110, 111: TO_UNSIGNED, TO_SIGNED
uint8_t *ieee_p_1242562249_sub_180853171_1035706684(char *block, array_bounds *result, int32_t arg, int32_t size) {
    return return_result(to_unsigned(block, arg, size), result);
}
uint8_t *ieee_p_1242562249_sub_2563015576_1035706684(char *block, array_bounds *result, int32_t arg, int32_t size) {
    return return_result(to_signed(block, arg, size), result);
}

// 112, 113: RESIZE (SIGNED), RESIZE (UNSIGNED)
uint8_t *ieee_p_1242562249_sub_3410769178_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_result(resize_signed(VIEW(l), r), result);
}
uint8_t *ieee_p_1242562249_sub_2045698577_1035706684(char *, array_bounds *result, VEC(l), int32_t r) {
    return return_result(resize_unsigned(VIEW(l), r), result);
}

// 114 to 127: not, and, or, nand, nor, xor, xnor on UNSIGNED, then on SIGNED
#define LOGIC_UNARY(hash, op)                                                                    \
    uint8_t *ieee_p_1242562249_sub_##hash##_1035706684(char *, array_bounds *result, VEC(arg)) { \
        return return_vector(logic_unary(&op, arg, arg_bounds), result);                         \
    }
#define LOGIC_BINARY(hash, op)                                                                         \
    uint8_t *ieee_p_1242562249_sub_##hash##_1035706684(char *, array_bounds *result, VEC(l), VEC(r)) { \
        return return_vector(logic_binary(&op, l, l_bounds, r, r_bounds), result);                     \
    }

LOGIC_UNARY(2892387531, ieee_p_2592010699_sub_1837678034_503743352)
LOGIC_BINARY(1854260743, ieee_p_2592010699_sub_795620321_503743352)
LOGIC_BINARY(2794316277, ieee_p_2592010699_sub_1735675855_503743352)
LOGIC_BINARY(562151893, ieee_p_2592010699_sub_3798478767_503743352)
LOGIC_BINARY(2364709891, ieee_p_2592010699_sub_1306069469_503743352)
LOGIC_BINARY(2756063821, ieee_p_2592010699_sub_1697423399_503743352)
LOGIC_BINARY(1102378843, ieee_p_2592010699_sub_43738421_503743352)
LOGIC_UNARY(3991088854, ieee_p_2592010699_sub_1837678034_503743352)
LOGIC_BINARY(3696923623, ieee_p_2592010699_sub_795620321_503743352)
LOGIC_BINARY(342011861, ieee_p_2592010699_sub_1735675855_503743352)
LOGIC_BINARY(2404814773, ieee_p_2592010699_sub_3798478767_503743352)
LOGIC_BINARY(4207372771, ieee_p_2592010699_sub_1306069469_503743352)
LOGIC_BINARY(303759405, ieee_p_2592010699_sub_1697423399_503743352)
LOGIC_BINARY(2945041723, ieee_p_2592010699_sub_43738421_503743352)

#undef LOGIC_UNARY
#undef LOGIC_BINARY

// 128 to 132: STD_MATCH (STD_ULOGIC), (UNSIGNED), (SIGNED), (STD_LOGIC_VECTOR),
// (STD_ULOGIC_VECTOR)
uint8_t ieee_p_1242562249_sub_319130236_1035706684(char *block, uint8_t l, uint8_t r) {
    return match_elements(block, l, r);
}
uint8_t ieee_p_1242562249_sub_438795891_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 129, VIEW(l), VIEW(r), true);
}
uint8_t ieee_p_1242562249_sub_4174973090_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 130, VIEW(l), VIEW(r), true);
}
uint8_t ieee_p_1242562249_sub_337943598_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 131, VIEW(l), VIEW(r), true);
}
uint8_t ieee_p_1242562249_sub_4198272599_1035706684(char *block, VEC(l), VEC(r)) {
    return match_vectors(block, 132, VIEW(l), VIEW(r), false);
}

// 133, 134: TO_01 (UNSIGNED), TO_01 (SIGNED)
uint8_t *ieee_p_1242562249_sub_1804770815_1035706684(char *block, array_bounds *result, VEC(s), uint8_t xmap) {
    return return_result(to_01(block, VIEW(s), xmap, kUnsigned), result);
}
uint8_t *ieee_p_1242562249_sub_2570320491_1035706684(char *block, array_bounds *result, VEC(s), uint8_t xmap) {
    return return_result(to_01(block, VIEW(s), xmap, kSigned), result);
}

}  // extern "C"

#undef VEC
#undef VIEW

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
