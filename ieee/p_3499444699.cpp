// std_logic_arith (unit ieee_p_3499444699): UNSIGNED and SIGNED arithmetic over
// std_logic.
//
// The operators do no bit-level work of their own: they bring their operands
// to a common length with the kernel's conversions and hand them to the
// kernel's adders, multipliers and comparators (tovu/arith_fastpath.h). The
// package's own worker bodies (ripple comparators, adders, multipliers and the
// vector conversions) stand behind those kernel operations and are registered
// like every other subprogram. MAKE_BINARY, the conversions from INTEGER and
// STD_ULOGIC, the shifts and the element-wise equality are computed here.
//
// Every function takes the package block (IEEE_P_3499444699) first. Array
// results are copied into kernel transient memory with their bounds written
// into the caller's record.
#include "ieee/p_3499444699.h"

#include <stdint.h>
#include <string.h>

#include <memory>

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "tovu/arith_fastpath.h"
#include "tovu/layout.h"

namespace {

using tovu::layout::kSubtypeStorageSize;
using tovu::layout::kTypeDescriptorBoundsPtr;
using tovu::layout::object_value;
using tovu::layout::type_descriptor;

// ---------------------------------------------------------------------------
// Values and objects
// ---------------------------------------------------------------------------

// std_ulogic positions.
constexpr uint8_t kU = 0, kX = 1, k0 = 2, k1 = 3, kZ = 4, kW = 5, kL = 6, kH = 7, kDash = 8;

// Objects of the package block.
constexpr size_t kTblBinary = 0x490;     // object descriptor -> 9 std_ulogic: binary value of each position
constexpr size_t kIsXTable = 0x508;      // object descriptor -> 9 BOOLEAN: the position is a metavalue
constexpr size_t kUnsignedType = 0xa38;
constexpr size_t kSignedType = 0xaa8;
constexpr size_t kSmallIntType = 0xda0;
constexpr size_t kShiftByOne = 0x1556;   // UNSIGNED(1 downto 0) "01": mult(SIGNED)'s shift count

// Descriptors of other units.
constexpr size_t kStdLogicVectorType = 0xfb8;  // in std_logic_1164's block

struct ReportText {
    size_t offset;
    uint32_t length;
    int32_t severity;
};

// Report texts, one copy per report statement of the package.
constexpr ReportText kMakeBinaryScalarWarning{0x12ae, 85, SEV_WARNING};
constexpr ReportText kMakeBinaryUnsignedWarning{0x1303, 85, SEV_WARNING};      // UNSIGNED -> UNSIGNED
constexpr ReportText kMakeBinaryUnsignedSignedWarning{0x1358, 85, SEV_WARNING};  // UNSIGNED -> SIGNED
constexpr ReportText kMakeBinarySignedUnsignedWarning{0x13ad, 85, SEV_WARNING};  // SIGNED -> UNSIGNED
constexpr ReportText kMakeBinarySignedWarning{0x1402, 85, SEV_WARNING};         // SIGNED -> SIGNED
constexpr ReportText kMakeBinarySlvWarning{0x1457, 85, SEV_WARNING};            // SLV -> SLV
constexpr ReportText kMakeBinaryUnsignedSlvWarning{0x14ac, 85, SEV_WARNING};    // UNSIGNED -> SLV
constexpr ReportText kMakeBinarySignedSlvWarning{0x1501, 85, SEV_WARNING};      // SIGNED -> SLV
constexpr ReportText kConvIntegerUnsignedTooLong{0x1558, 32, SEV_FAILURE};
constexpr ReportText kConvIntegerUnsignedMetavalue{0x1578, 85, SEV_WARNING};
constexpr ReportText kConvIntegerUnsignedZero{0x15cd, 103, SEV_WARNING};
constexpr ReportText kConvIntegerSignedTooLong{0x1634, 32, SEV_FAILURE};
constexpr ReportText kConvIntegerSignedMetavalue{0x1654, 85, SEV_WARNING};
constexpr ReportText kConvIntegerSignedZero{0x16a9, 103, SEV_WARNING};
constexpr ReportText kConvIntegerUlogicZero{0x1710, 103, SEV_WARNING};
constexpr ReportText kConvUnsignedMetavalue{0x1777, 85, SEV_WARNING};

// Name of the run-time result subtypes.
const char kResultSubtypeName[] = "rtype";
constexpr int32_t kSubtypeKind = 2;

// Largest exponent for which 2**i is an INTEGER.
constexpr int32_t kMaxPowerOfTwo = 30;

void report(char *block, const ReportText &text) { zem_report(block + text.offset, text.length, text.severity); }

uint8_t tbl_binary(char *block, uint8_t v) { return object_value(block, kTblBinary)[v]; }
bool is_x(char *block, uint8_t v) { return object_value(block, kIsXTable)[v] != 0; }

void *unsigned_type(char *block) { return type_descriptor(block, kUnsignedType); }
void *signed_type(char *block) { return type_descriptor(block, kSignedType); }
void *slv_type() { return type_descriptor(IEEE_P_2592010699, kStdLogicVectorType); }

// std_logic_1164's scalar operators.
uint8_t sl_and(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_1605435078_503743352(IEEE_P_2592010699, l, r); }
uint8_t sl_or(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_2545490612_503743352(IEEE_P_2592010699, l, r); }
uint8_t sl_xor(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_2507238156_503743352(IEEE_P_2592010699, l, r); }

// ---------------------------------------------------------------------------
// Ranges, elements and local arrays
// ---------------------------------------------------------------------------

// Number of elements of a range: direction * (right - left) + 1, never below 0.
int32_t range_length(int32_t left, int32_t right, int32_t dir) {
    const int64_t n = int64_t{dir} * (int64_t{right} - left) + 1;
    return n < 0 ? 0 : (n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n));
}
int32_t range_length(const array_bounds &b) { return range_length(b.left, b.right, b.dir); }

array_bounds make_range(int32_t left, int32_t right, int32_t dir) {
    return array_bounds{left, right, dir, range_length(left, right, dir)};
}

// (n-1 downto 0); every null range (n <= 0) is written (-1 downto 0).
array_bounds downto_zero(int32_t n) { return n > 0 ? array_bounds{n - 1, 0, -1, n} : array_bounds{-1, 0, -1, 0}; }

// Byte position of index i in a value with bounds b.
int64_t position(const array_bounds &b, int32_t i) { return (int64_t{i} - b.left) * b.dir; }

uint8_t element(const uint8_t *data, const array_bounds &b, int32_t i) { return data[position(b, i)]; }

void check_index(const array_bounds &b, int32_t i) { zem_vhdl_check_range_of_index(b.left, b.right, b.dir, i); }
void check_value(uint8_t v) { zem_vhdl_check_range_of_index(0, 8, 1, v); }
void check_slice(const array_bounds &b, int32_t left, int32_t right, int32_t dir) {
    zem_vhdl_check_range_of_slice(b.left, b.right, b.dir, left, right, dir);
}

// FOR i IN b'RANGE: calls body(i) from the left bound to the right bound until
// it returns false. Returns false when the body stopped the loop.
template <typename Body>
bool for_range(const array_bounds &b, Body &&body) {
    if (int64_t{b.dir} * b.right < int64_t{b.dir} * b.left) return true;
    for (int64_t i = b.left;; i += b.dir) {
        if (!body(static_cast<int32_t>(i))) return false;
        if (i == b.right) return true;
    }
}

// Storage of a local array value: small values in the frame, larger ones on
// the heap. The length is never negative.
class LocalArray {
public:
    explicit LocalArray(int32_t n) : n_(n > 0 ? n : 0) {
        if (n_ > kInline) heap_.reset(new uint8_t[static_cast<size_t>(n_)]);
    }
    LocalArray(const LocalArray &) = delete;
    LocalArray &operator=(const LocalArray &) = delete;

    uint8_t *data() { return heap_ ? heap_.get() : inline_; }
    int32_t size() const { return n_; }
    uint8_t &operator[](int64_t k) { return data()[k]; }
    void fill(uint8_t v) {
        if (n_ > 0) memset(data(), v, static_cast<size_t>(n_));
    }
    // Copies up to size() elements from the left of src.
    void assign(const uint8_t *src, int32_t count) {
        const int32_t n = count < n_ ? count : n_;
        if (n > 0) memcpy(data(), src, static_cast<size_t>(n));
    }

private:
    static constexpr int32_t kInline = 64;
    int32_t n_;
    uint8_t inline_[kInline];
    std::unique_ptr<uint8_t[]> heap_;
};

// A local array given its type's default value.
class Local : public LocalArray {
public:
    Local(void *type, const array_bounds &b) : LocalArray(range_length(b)), bounds_(b) {
        zem_type_set_default_value(type, data(), &bounds_);
    }
    const array_bounds &bounds() const { return bounds_; }
    uint8_t &at(int32_t i) { return (*this)[position(bounds_, i)]; }

private:
    array_bounds bounds_;
};

// An array value that a function or kernel operation returned.
struct Value {
    uint8_t *data = nullptr;
    array_bounds bounds{};
    int32_t length() const { return range_length(bounds); }
};

// RETURN of an array value: a transient copy, and the caller's bounds record
// written with the length computed from the range.
uint8_t *return_array(array_bounds *out, const uint8_t *src, const array_bounds &b) {
    const int32_t n = range_length(b);
    auto *mem = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
    if (n > 0) memcpy(mem, src, static_cast<size_t>(n));
    *out = make_range(b.left, b.right, b.dir);
    return mem;
}
uint8_t *return_array(array_bounds *out, Local &v) { return return_array(out, v.data(), v.bounds()); }
uint8_t *return_array(array_bounds *out, const Value &v) { return return_array(out, v.data, v.bounds); }

// A value of n elements all equal to v, ranged (n-1 downto 0).
uint8_t *return_filled(array_bounds *out, void *type, int32_t n, uint8_t v) {
    Local result(type, downto_zero(n));
    result.fill(v);
    return return_array(out, result);
}

// A constrained subtype (n-1 downto 0) of an UNSIGNED, SIGNED or
// std_logic_vector base type, built for one call and deleted when the call
// returns (after the result has been copied out).
class ResultSubtype {
public:
    ResultSubtype(void *base, int32_t n) : requested_(downto_zero(n)) {
        zem_create_subtype(storage_, kResultSubtypeName, base, &requested_, kSubtypeKind);
    }
    ~ResultSubtype() { zem_delete_type(storage_, kSubtypeKind); }
    ResultSubtype(const ResultSubtype &) = delete;
    ResultSubtype &operator=(const ResultSubtype &) = delete;

    void *type() { return storage_; }
    // The subtype's bounds as the kernel keeps them.
    array_bounds bounds() const {
        const array_bounds *b;
        memcpy(&b, storage_ + kTypeDescriptorBoundsPtr, sizeof b);
        return *b;
    }

private:
    alignas(16) char storage_[kSubtypeStorageSize] = {};
    array_bounds requested_;
};

// ---------------------------------------------------------------------------
// Small auxiliary functions
// ---------------------------------------------------------------------------

int32_t max_int(int32_t l, int32_t r) { return r >= l ? r : l; }
int32_t min_int(int32_t l, int32_t r) { return r <= l ? r : l; }

// LEFT_*_ARG and MULT_*_ARG: n elements of 'X' ranged (n-1 downto 0).
uint8_t *all_x_value(array_bounds *out, void *type, int64_t n) {
    const int32_t count = n < 0 ? 0 : (n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n));
    return return_filled(out, type, count, kX);
}

// ---------------------------------------------------------------------------
// MAKE_BINARY and the conversions built on it
// ---------------------------------------------------------------------------

using VectorFn = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);

uint8_t make_binary_scalar(char *block, uint8_t a) {
    if (is_x(block, a)) {
        report(block, kMakeBinaryScalarWarning);
        return kX;
    }
    return tbl_binary(block, a);
}

// MAKE_BINARY of a vector: the binary value of every element in A's range, or,
// at the first metavalue, one warning and an all-'X' value of A's length.
uint8_t *make_binary_vector(char *block, array_bounds *out, const uint8_t *a, const array_bounds *ab, void *type,
                            const ReportText &warning) {
    Local result(type, make_range(ab->left, ab->right, ab->dir));
    const bool binary = for_range(*ab, [&](int32_t i) {
        const uint8_t v = element(a, *ab, i);
        check_value(v);
        if (is_x(block, v)) return false;
        check_value(v);
        check_index(result.bounds(), i);
        result.at(i) = tbl_binary(block, v);
        return true;
    });
    if (!binary) {
        report(block, warning);
        result.fill(kX);
    }
    return return_array(out, result);
}

enum class Fill { Zero, Sign };

// CONV_UNSIGNED(SIGNED), CONV_SIGNED(UNSIGNED / SIGNED), CONV_STD_LOGIC_VECTOR
// (UNSIGNED / SIGNED), EXT and SXT: MAKE_BINARY of ARG, cut to its SIZE
// low-order elements or extended on the left with '0' or the sign. A
// metavalue gives MAKE_BINARY's warning and SIZE 'X'. A null ARG reads as 0.
uint8_t *resize_binary(char *block, array_bounds *out, const uint8_t *arg, const array_bounds *argb, int32_t size,
                       VectorFn make_binary, void *result_type, Fill fill) {
    const int32_t arg_length = range_length(*argb);
    const int32_t msb = ieee_p_3499444699_sub_3409663016_3536714472(block, arg_length, size) - 1;
    ResultSubtype rtype(result_type, size);
    Local result(rtype.type(), rtype.bounds());

    Value binary;
    binary.data = make_binary(block, &binary.bounds, arg, argb);
    Local local(result_type, downto_zero(arg_length));
    local.assign(binary.data, binary.length());

    if (arg_length == 0) {
        result.fill(k0);
        return return_array(out, result);
    }
    if (local.at(0) == kX) {
        result.fill(kX);
        return return_array(out, result);
    }
    result.fill(fill == Fill::Sign ? local.at(local.bounds().left) : k0);
    if (msb >= 0) {
        check_slice(result.bounds(), msb, 0, -1);
        check_slice(local.bounds(), msb, 0, -1);
        for (int32_t i = msb; i >= 0; --i) result.at(i) = local.at(i);
    }
    return return_array(out, result);
}

// CONV_UNSIGNED, CONV_SIGNED and CONV_STD_LOGIC_VECTOR of an INTEGER: the SIZE
// low-order bits of ARG's two's-complement form; above bit 31 the sign repeats.
uint8_t *integer_to_vector(array_bounds *out, int32_t arg, int32_t size, void *type) {
    Local result(type, downto_zero(size));
    int32_t temp = arg;
    for (int32_t i = 0; i < result.size(); ++i) {
        check_index(result.bounds(), i);
        result.at(i) = zem_vhdl_mod(temp, 2) == 1 ? k1 : k0;
        temp >>= 1;  // division by 2 rounded toward minus infinity
    }
    return return_array(out, result);
}

// CONV_UNSIGNED, CONV_SIGNED and CONV_STD_LOGIC_VECTOR of a STD_ULOGIC: its
// binary value as element 0 of SIZE elements, the others '0'; a metavalue
// gives MAKE_BINARY's warning and SIZE 'X'. SIZE <= 0 gives a null value.
uint8_t *ulogic_to_vector(char *block, array_bounds *out, uint8_t arg, int32_t size, void *type) {
    ResultSubtype rtype(type, size);
    Local result(rtype.type(), rtype.bounds());
    result.fill(k0);
    const uint8_t bit = make_binary_scalar(block, arg);
    if (result.size() > 0) {
        check_index(result.bounds(), 0);
        result.at(0) = bit;
        if (result.at(0) == kX) result.fill(kX);
    }
    return return_array(out, result);
}

// ---------------------------------------------------------------------------
// Common-length pattern: comparisons and additive operators
// ---------------------------------------------------------------------------

enum class Kind { Unsigned, Signed, Integer, Ulogic };

struct Operand {
    Kind kind;
    const uint8_t *data;
    const array_bounds *bounds;
    int32_t value;  // INTEGER value or STD_ULOGIC position

    bool is_vector() const { return kind == Kind::Unsigned || kind == Kind::Signed; }
    int32_t length() const { return is_vector() ? range_length(*bounds) : 0; }
};

Operand uns(const uint8_t *d, const array_bounds *b) { return {Kind::Unsigned, d, b, 0}; }
Operand sgn(const uint8_t *d, const array_bounds *b) { return {Kind::Signed, d, b, 0}; }
Operand integer(int32_t v) { return {Kind::Integer, nullptr, nullptr, v}; }
Operand ulogic(uint8_t v) { return {Kind::Ulogic, nullptr, nullptr, v}; }

bool both_unsigned(const Operand &l, const Operand &r) { return l.kind == Kind::Unsigned && r.kind == Kind::Unsigned; }

// The common length of two operands when at least one is a vector and
// neither is a STD_ULOGIC.
int32_t common_length(char *block, const Operand &l, const Operand &r) {
    if (l.is_vector() && r.is_vector()) {
        if (l.kind == r.kind) return ieee_p_3499444699_sub_3409386410_3536714472(block, l.length(), r.length());
        if (l.kind == Kind::Unsigned) return ieee_p_3499444699_sub_3409386410_3536714472(block, l.length() + 1, r.length());
        return ieee_p_3499444699_sub_3409386410_3536714472(block, l.length(), r.length() + 1);
    }
    const Operand &v = l.is_vector() ? l : r;
    return v.kind == Kind::Unsigned ? v.length() + 1 : v.length();
}

// One operand brought to `length` elements: UNSIGNED when both operands are
// UNSIGNED (unsigned_domain), SIGNED otherwise.
Value convert(char *block, const Operand &op, int32_t length, bool unsigned_domain) {
    Value v;
    switch (op.kind) {
    case Kind::Unsigned:
        v.data = unsigned_domain ? ieee_std_logic_arith_conv_unsigned_zeroext(block, &v.bounds, op.data, op.bounds, length)
                                 : ieee_std_logic_arith_conv_signed_zeroext(block, &v.bounds, op.data, op.bounds, length);
        break;
    case Kind::Signed:
        v.data = ieee_std_logic_arith_conv_signed_signext(block, &v.bounds, op.data, op.bounds, length);
        break;
    case Kind::Integer:
        v.data = ieee_std_logic_arith_conv_signed_integer(block, &v.bounds, op.value, length);
        break;
    case Kind::Ulogic:
        v.data = unsigned_domain
                     ? ieee_p_3499444699_sub_2596859466_3536714472(block, &v.bounds, static_cast<uint8_t>(op.value), length)
                     : ieee_p_3499444699_sub_17676902_3536714472(block, &v.bounds, static_cast<uint8_t>(op.value), length);
        break;
    }
    return v;
}

enum class Relation { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };

using WorkerFn = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);

uint8_t compare(char *block, Relation rel, const Operand &l, const Operand &r) {
    const int32_t length = common_length(block, l, r);
    const bool unsigned_domain = both_unsigned(l, r);
    const WorkerFn is_less =
        unsigned_domain ? ieee_std_logic_arith_unsigned_is_less : ieee_std_logic_arith_signed_is_less;
    const WorkerFn is_less_or_equal =
        unsigned_domain ? ieee_std_logic_arith_unsigned_is_less_or_equal : ieee_std_logic_arith_signed_is_less_or_equal;

    // `>` and `>=` are R < L and R <= L: the right operand is converted first.
    if (rel == Relation::Greater || rel == Relation::GreaterEqual) {
        const Value rv = convert(block, r, length, unsigned_domain);
        const Value lv = convert(block, l, length, unsigned_domain);
        const WorkerFn worker = rel == Relation::Greater ? is_less : is_less_or_equal;
        return worker(block, rv.data, &rv.bounds, lv.data, &lv.bounds);
    }
    const Value lv = convert(block, l, length, unsigned_domain);
    const Value rv = convert(block, r, length, unsigned_domain);
    switch (rel) {
    case Relation::Less:
        return is_less(block, lv.data, &lv.bounds, rv.data, &rv.bounds);
    case Relation::LessEqual:
        return is_less_or_equal(block, lv.data, &lv.bounds, rv.data, &rv.bounds);
    case Relation::Equal:
        return ieee_p_3499444699_sub_3375251984_3536714472(block, lv.data, &lv.bounds, rv.data, &rv.bounds);
    default:
        return ieee_p_3499444699_sub_3385499474_3536714472(block, lv.data, &lv.bounds, rv.data, &rv.bounds);
    }
}

// bitwise_eql / bitwise_neq: raw element codes over L's range.
bool elements_equal(const uint8_t *l, const array_bounds *lb, const uint8_t *r, const array_bounds *rb) {
    const array_bounds lr = *lb, rr = *rb;
    const int32_t n = range_length(lr);
    int64_t i = lr.left;
    for (int32_t k = 0; k < n; ++k, i += lr.dir) {
        check_index(rr, static_cast<int32_t>(i));
        if (l[k] != r[position(rr, static_cast<int32_t>(i))]) return false;
    }
    return true;
}

enum class AddOp { Plus, Minus };

// The two-operand `+` and `-`. result_type is the typed result's descriptor
// (UNSIGNED or SIGNED) or std_logic_vector's; it only types the local of the
// forms that cut a SIGNED sum back to an UNSIGNED length.
uint8_t *add(char *block, array_bounds *out, AddOp op, const Operand &l, const Operand &r, void *result_type) {
    const bool has_ulogic = l.kind == Kind::Ulogic || r.kind == Kind::Ulogic;
    const Operand &vec = l.is_vector() ? l : r;
    bool unsigned_domain = both_unsigned(l, r);
    int32_t length;
    int32_t cut = -1;  // length of the cut-back result, or -1
    if (has_ulogic) {
        if (vec.kind == Kind::Unsigned && op == AddOp::Plus) {
            unsigned_domain = true;
            length = vec.length();
        } else if (vec.kind == Kind::Unsigned) {
            length = vec.length() + 1;
            cut = vec.length();
        } else {
            length = vec.length();
        }
    } else {
        length = common_length(block, l, r);
        if (l.is_vector() != r.is_vector() && vec.kind == Kind::Unsigned) cut = vec.length();
    }

    if (cut >= 0) {
        Local result(result_type, downto_zero(cut));
        const Value lv = convert(block, l, length, false);
        const Value rv = convert(block, r, length, false);
        Value s;
        s.data = op == AddOp::Plus
                     ? ieee_std_logic_arith_plus_signed(block, &s.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds)
                     : ieee_std_logic_arith_minus_signed(block, &s.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds);
        Value cut_value;
        cut_value.data = ieee_std_logic_arith_conv_unsigned_signext(block, &cut_value.bounds, s.data, &s.bounds, length - 1);
        result.assign(cut_value.data, cut_value.length());
        return return_array(out, result);
    }

    const Value lv = convert(block, l, length, unsigned_domain);
    const Value rv = convert(block, r, length, unsigned_domain);
    Value s;
    if (unsigned_domain) {
        s.data = op == AddOp::Plus
                     ? ieee_std_logic_arith_plus_unsigned(block, &s.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds)
                     : ieee_std_logic_arith_minus_unsigned(block, &s.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds);
    } else {
        s.data = op == AddOp::Plus
                     ? ieee_std_logic_arith_plus_signed(block, &s.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds)
                     : ieee_std_logic_arith_minus_signed(block, &s.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds);
    }
    return return_array(out, s);
}

// `*`: each operand at its own length (an UNSIGNED meeting a SIGNED gains a
// '0' in front), then the kernel multiplier; the product is never cut.
uint8_t *multiply(char *block, array_bounds *out, const Operand &l, const Operand &r) {
    Value p;
    if (both_unsigned(l, r)) {
        const Value lv = convert(block, l, l.length(), true);
        const Value rv = convert(block, r, r.length(), true);
        p.data = ieee_std_logic_arith_mult_unsigned(block, &p.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds);
    } else {
        const Value lv = convert(block, l, l.kind == Kind::Unsigned ? l.length() + 1 : l.length(), false);
        const Value rv = convert(block, r, r.kind == Kind::Unsigned ? r.length() + 1 : r.length(), false);
        p.data = ieee_std_logic_arith_mult_signed(block, &p.bounds, lv.data, &lv.bounds, rv.data, &rv.bounds);
    }
    return return_array(out, p);
}

// 0 - L through `-`(INTEGER, SIGNED).
Value negate(char *block, const uint8_t *l, const array_bounds *lb) {
    Value v;
    v.data = ieee_p_3499444699_sub_3401730016_3536714472(block, &v.bounds, 0, l, lb);
    return v;
}

// Unary `-` and ABS. keep_range: the typed forms return L's own range, the
// std_logic_vector forms (L'length-1 downto 0). ABS negates unless L's
// leftmost element is '0' or 'L'; ABS of a null SIGNED is null.
uint8_t *negate_or_abs(char *block, array_bounds *out, const uint8_t *l, const array_bounds *lb, bool absolute,
                       bool keep_range) {
    const int32_t n = range_length(*lb);
    const array_bounds rb = keep_range ? make_range(lb->left, lb->right, lb->dir) : downto_zero(n);
    Local result(keep_range ? signed_type(block) : slv_type(), rb);
    if (absolute && (n == 0 || l[0] == k0 || l[0] == kL)) {
        result.assign(l, n);
        return return_array(out, result);
    }
    const Value neg = negate(block, l, lb);
    result.assign(neg.data, neg.length());
    return return_array(out, result);
}

// ---------------------------------------------------------------------------
// Worker bodies (standing behind the kernel's workers)
// ---------------------------------------------------------------------------

// The leftmost element of a vector is 'X' (a null vector has none).
bool left_is_x(const uint8_t *d, const array_bounds *b) { return range_length(*b) > 0 && d[0] == kX; }

// plus / minus (SIGNED) and unsigned_minus: sum and BV ranged (A'left downto
// 0), ripple carry from element 0 with std_logic_1164's operators; an 'X' in
// either leftmost element gives all 'X'.
uint8_t *ripple_add(char *block, array_bounds *out, const uint8_t *a, const array_bounds *ab, const uint8_t *b,
                    const array_bounds *bb, bool subtract, void *type) {
    const array_bounds sb = make_range(ab->left, 0, -1);
    Local sum(type, sb);
    Local bv(type, sb);
    const int32_t b_length = range_length(*bb);
    if (b_length != bv.size()) zem_size_not_matching(bv.size(), b_length, 1);
    if (sum.size() == 0) return return_array(out, sum);

    if (left_is_x(a, ab) || left_is_x(b, bb)) {
        sum.fill(kX);
        return return_array(out, sum);
    }
    if (subtract) {
        array_bounds nb;
        const uint8_t *inverted = ieee_p_2592010699_sub_3946049995_503743352(IEEE_P_2592010699, &nb, b, bb);
        bv.assign(inverted, range_length(nb));
    } else {
        bv.assign(b, b_length);
    }
    uint8_t carry = subtract ? k1 : k0;
    for (int32_t i = 0; i <= ab->left; ++i) {
        check_index(*ab, i);
        const uint8_t ai = element(a, *ab, i);
        const uint8_t bi = bv.at(i);
        sum.at(i) = sl_xor(sl_xor(ai, bi), carry);
        carry = sl_or(sl_or(sl_and(ai, bi), sl_and(ai, carry)), sl_and(carry, bi));
    }
    return return_array(out, sum);
}

// unsigned_plus: A, B and sum viewed as (MSB downto 0), MSB = A'length-1; the
// top element gets no carry out.
uint8_t *unsigned_plus(char *block, array_bounds *out, const uint8_t *a, const array_bounds *ab, const uint8_t *b,
                       const array_bounds *bb) {
    const int32_t length = range_length(*ab);
    const int32_t msb = length - 1;
    Local sum(unsigned_type(block), downto_zero(length));
    const int32_t b_length = range_length(*bb);
    if (b_length != length) zem_size_not_matching(length, b_length, 1);
    if (length == 0) return return_array(out, sum);

    // Element i of a (msb downto 0) view lies at byte msb - i.
    auto A = [&](int32_t i) { return a[msb - i]; };
    auto B = [&](int32_t i) { return b[msb - i]; };
    if (A(msb) == kX || B(msb) == kX) {
        sum.fill(kX);
        return return_array(out, sum);
    }
    sum.at(0) = sl_xor(A(0), B(0));
    uint8_t carry = sl_and(A(0), B(0));
    for (int32_t i = 1; i <= msb - 1; ++i) {
        const uint8_t t = sl_xor(A(i), B(i));
        sum.at(i) = sl_xor(t, carry);
        carry = sl_or(sl_and(A(i), B(i)), sl_and(carry, t));
    }
    if (msb > 0) sum.at(msb) = sl_xor(sl_xor(A(msb), B(msb)), carry);
    return return_array(out, sum);
}

// mult (UNSIGNED): shift and add through `+`(UNSIGNED, UNSIGNED).
uint8_t *unsigned_mult(char *block, array_bounds *out, const uint8_t *a, const array_bounds *ab, const uint8_t *b,
                       const array_bounds *bb) {
    const int32_t a_length = range_length(*ab);
    const int32_t n = a_length + range_length(*bb);
    Local pa(unsigned_type(block), downto_zero(n));
    Local ba(unsigned_type(block), downto_zero(n));
    if (left_is_x(a, ab) || left_is_x(b, bb)) {
        pa.fill(kX);
        return return_array(out, pa);
    }
    pa.fill(k0);
    Value extended;
    extended.data = ieee_std_logic_arith_conv_unsigned_zeroext(block, &extended.bounds, b, bb, n);
    ba.assign(extended.data, extended.length());
    for (int32_t i = 0; i < a_length; ++i) {
        check_index(*ab, i);
        if (element(a, *ab, i) == k1) {
            Value s;
            s.data = ieee_p_3499444699_sub_2254111597_3536714472(block, &s.bounds, pa.data(), &pa.bounds(), ba.data(),
                                                                &ba.bounds());
            pa.assign(s.data, s.length());
        }
        for (int32_t j = n - 1; j >= 1; --j) ba.at(j) = ba.at(j - 1);
        if (n > 0) ba.at(0) = k0;
    }
    return return_array(out, pa);
}

// '0' & v, concatenated by the kernel as a SIGNED value.
Value zero_and(char *block, const Value &v) {
    Value c;
    c.data = static_cast<uint8_t *>(zem_base_array_concat(nullptr, &c.bounds, signed_type(block), int32_t{CONCAT_ELEMENT},
                                                          int32_t{k0}, int32_t{CONCAT_ARRAY}, v.data, &v.bounds,
                                                          int32_t{CONCAT_END}));
    return c;
}

// mult (SIGNED): the magnitudes multiplied by shift and add through
// `+`(SIGNED, SIGNED) and SHL, the product negated when the signs differ.
uint8_t *signed_mult(char *block, array_bounds *out, const uint8_t *a, const array_bounds *ab, const uint8_t *b,
                     const array_bounds *bb) {
    const int32_t a_length = range_length(*ab);
    const int32_t b_length = range_length(*bb);
    const int32_t n = a_length + b_length;
    Local pa(signed_type(block), downto_zero(n));
    Local ba(signed_type(block), downto_zero(n));
    Local aa(signed_type(block), make_range(a_length, 0, -1));
    if (left_is_x(a, ab) || left_is_x(b, bb)) {
        pa.fill(kX);
        return return_array(out, pa);
    }
    pa.fill(k0);
    // A null operand has no sign element; it reads as 0.
    const uint8_t a_sign = a_length > 0 ? a[0] : k0;
    const uint8_t b_sign = b_length > 0 ? b[0] : k0;
    const uint8_t neg = sl_xor(b_sign, a_sign);

    Value abs_b;
    abs_b.data = ieee_p_3499444699_sub_3466875835_3536714472(block, &abs_b.bounds, b, bb);
    const Value zero_abs_b = zero_and(block, abs_b);
    Value extended;
    extended.data =
        ieee_std_logic_arith_conv_signed_signext(block, &extended.bounds, zero_abs_b.data, &zero_abs_b.bounds, n);
    ba.assign(extended.data, extended.length());

    Value abs_a;
    abs_a.data = ieee_p_3499444699_sub_3466875835_3536714472(block, &abs_a.bounds, a, ab);
    const Value zero_abs_a = zero_and(block, abs_a);
    if (zero_abs_a.length() != aa.size()) zem_size_not_matching(aa.size(), zero_abs_a.length(), 1);
    aa.assign(zero_abs_a.data, zero_abs_a.length());

    const array_bounds count_bounds = downto_zero(2);
    const uint8_t *shift_by_one = reinterpret_cast<const uint8_t *>(block + kShiftByOne);
    for (int32_t i = 0; i < a_length; ++i) {
        if (aa.at(i) == k1) {
            Value s;
            s.data = ieee_p_3499444699_sub_3158760445_3536714472(block, &s.bounds, pa.data(), &pa.bounds(), ba.data(),
                                                                &ba.bounds());
            pa.assign(s.data, s.length());
        }
        Value shifted;
        shifted.data = ieee_p_3499444699_sub_3265085561_3536714472(block, &shifted.bounds, ba.data(), &ba.bounds(),
                                                                  shift_by_one, &count_bounds);
        ba.assign(shifted.data, shifted.length());
    }
    if (neg == k1) {
        Value negated;
        negated.data = ieee_p_3499444699_sub_2998320402_3536714472(block, &negated.bounds, pa.data(), &pa.bounds());
        return return_array(out, negated);
    }
    return return_array(out, pa);
}

// The ripple comparators. Both operands have one length and the range (msb
// downto 0); the most significant differing position decides, equal operands
// keep the start value. Null operands are equal.
uint8_t ripple_compare(const uint8_t *a, const array_bounds *ab, const uint8_t *b, const array_bounds *bb, bool start) {
    bool result = start;
    for (int32_t i = 0; i <= ab->left; ++i) {
        check_index(*ab, i);
        const bool a0 = element(a, *ab, i) == k0;
        check_index(*bb, i);
        const bool b1 = element(b, *bb, i) == k1;
        result = (a0 && b1) || (a0 && result) || (b1 && result);
    }
    return result ? 1 : 0;
}

uint8_t signed_compare(const uint8_t *a, const array_bounds *ab, const uint8_t *b, const array_bounds *bb, bool start) {
    if (range_length(*ab) == 0 && range_length(*bb) == 0) return start ? 1 : 0;
    const int32_t sign = ab->left;
    check_index(*ab, sign);
    check_index(*bb, sign);
    const uint8_t a_sign = element(a, *ab, sign);
    if (a_sign != element(b, *bb, sign)) return a_sign == k1 ? 1 : 0;
    bool result = start;
    for (int32_t i = 0; i <= sign - 1; ++i) {
        check_index(*ab, i);
        const bool a0 = element(a, *ab, i) == k0;
        check_index(*bb, i);
        const bool b1 = element(b, *bb, i) == k1;
        result = (a0 && b1) || (a0 && result) || (b1 && result);
    }
    return result ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Shifts
// ---------------------------------------------------------------------------

enum class ShiftDir { Left, Right };

// The count's elements above bit 30 (counted from the right) hold a '1' or
// 'H': the count does not fit an INTEGER.
bool count_beyond_integer(const uint8_t *count, const array_bounds *cb) {
    const int32_t n = range_length(*cb);
    for (int32_t k = 0; k < n - (kMaxPowerOfTwo + 1); ++k) {
        if (count[k] == k1 || count[k] == kH) return true;
    }
    return false;
}

// SHL (SIGNED), SHR (UNSIGNED) and SHR (SIGNED): one step of 2**i places for
// every '1' bit i of MAKE_BINARY(COUNT). A step of more places than the value
// has leaves only fill: '0', or the sign for SHR (SIGNED).
uint8_t *shift_by_bits(char *block, array_bounds *out, const uint8_t *arg, const array_bounds *argb,
                       const uint8_t *count, const array_bounds *cb, void *type, ShiftDir direction, bool keep_sign) {
    const int32_t count_length = range_length(*cb);
    Local control(unsigned_type(block), downto_zero(count_length));
    const int32_t arg_length = range_length(*argb);
    const int32_t result_msb = arg_length - 1;
    ResultSubtype rtype(type, arg_length);
    Local result(rtype.type(), rtype.bounds());
    Local temp(rtype.type(), rtype.bounds());

    Value binary;
    binary.data = ieee_p_3499444699_sub_3292431343_3536714472(block, &binary.bounds, count, cb);
    control.assign(binary.data, binary.length());
    if (count_length > 0 && control.at(0) == kX) {
        result.fill(kX);
        return return_array(out, result);
    }
    result.assign(arg, arg_length);
    const uint8_t sign_bit = arg_length > 0 ? arg[0] : k0;
    const uint8_t fill = keep_sign ? sign_bit : k0;

    for (int32_t i = 0; i < count_length; ++i) {
        check_index(control.bounds(), i);
        if (control.at(i) != k1) continue;
        temp.fill(fill);
        if (i <= kMaxPowerOfTwo) {
            const int32_t p = zem_vhdl_pow(2, i);
            if (p <= result_msb) {
                if (direction == ShiftDir::Left) {
                    check_slice(temp.bounds(), result_msb, p, -1);
                    check_slice(result.bounds(), result_msb - p, 0, -1);
                    for (int32_t j = result_msb; j >= p; --j) temp.at(j) = result.at(j - p);
                } else {
                    check_slice(temp.bounds(), result_msb - p, 0, -1);
                    check_slice(result.bounds(), result_msb, p, -1);
                    for (int32_t j = result_msb - p; j >= 0; --j) temp.at(j) = result.at(j + p);
                }
            }
        }
        result.assign(temp.data(), temp.size());
    }
    return return_array(out, result);
}

}  // namespace

extern "C" {

// ---------------------------------------------------------------------------
// Is_X, max, min, MAKE_BINARY
// ---------------------------------------------------------------------------

// Is_X(S: UNSIGNED): TRUE when any element is 'U', 'X', 'Z', 'W' or '-'.
uint8_t ieee_p_3499444699_sub_3141295106_3536714472(char *block, const uint8_t *arg, const array_bounds *arg_bounds) {
    const array_bounds view = make_range(1, range_length(*arg_bounds), 1);
    const bool clean = for_range(view, [&](int32_t i) {
        check_index(view, i);
        switch (element(arg, view, i)) {
        case kU:
        case kX:
        case kZ:
        case kW:
        case kDash:
            return false;
        default:
            return true;
        }
    });
    return clean ? 0 : 1;
}

int32_t ieee_p_3499444699_sub_3409386410_3536714472(char *block, int32_t l, int32_t r) { return max_int(l, r); }

int32_t ieee_p_3499444699_sub_3409663016_3536714472(char *block, int32_t l, int32_t r) { return min_int(l, r); }

uint8_t ieee_p_3499444699_sub_2035181919_3536714472(char *block, uint8_t arg) { return make_binary_scalar(block, arg); }

uint8_t *ieee_p_3499444699_sub_3292431343_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, unsigned_type(block), kMakeBinaryUnsignedWarning);
}

uint8_t *ieee_p_3499444699_sub_211906012_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, signed_type(block),
                              kMakeBinaryUnsignedSignedWarning);
}

uint8_t *ieee_p_3499444699_sub_3176690709_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, unsigned_type(block),
                              kMakeBinarySignedUnsignedWarning);
}

uint8_t *ieee_p_3499444699_sub_96165378_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                   const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, signed_type(block), kMakeBinarySignedWarning);
}

uint8_t *ieee_p_3499444699_sub_1230020568_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, slv_type(), kMakeBinarySlvWarning);
}

uint8_t *ieee_p_3499444699_sub_1791835871_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, slv_type(), kMakeBinaryUnsignedSlvWarning);
}

uint8_t *ieee_p_3499444699_sub_1676095237_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds) {
    return make_binary_vector(block, result_bounds, arg, arg_bounds, slv_type(), kMakeBinarySignedSlvWarning);
}

// ---------------------------------------------------------------------------
// Type-propagation functions: all-'X' values of the result's length
// ---------------------------------------------------------------------------

// LEFT_SIGNED_ARG: A'left + 1 elements ranged (A'left downto 0).
uint8_t *ieee_p_3499444699_sub_3823682755_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return all_x_value(result_bounds, signed_type(block), int64_t{a_bounds->left} + 1);
}

// LEFT_UNSIGNED_ARG
uint8_t *ieee_p_3499444699_sub_2116600214_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return all_x_value(result_bounds, unsigned_type(block), int64_t{a_bounds->left} + 1);
}

// MULT_SIGNED_ARG: A'length + B'length elements.
uint8_t *ieee_p_3499444699_sub_230791002_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                    const array_bounds *a_bounds, const uint8_t *b,
                                                    const array_bounds *b_bounds) {
    return all_x_value(result_bounds, signed_type(block), int64_t{range_length(*a_bounds)} + range_length(*b_bounds));
}

// MULT_UNSIGNED_ARG
uint8_t *ieee_p_3499444699_sub_2172687853_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return all_x_value(result_bounds, unsigned_type(block),
                       int64_t{range_length(*a_bounds)} + range_length(*b_bounds));
}

// ---------------------------------------------------------------------------
// Worker bodies: mult, minus, plus, unsigned_minus, unsigned_plus
// ---------------------------------------------------------------------------

uint8_t *ieee_p_3499444699_sub_2888649822_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return signed_mult(block, result_bounds, a, a_bounds, b, b_bounds);
}

uint8_t *ieee_p_3499444699_sub_1598393164_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return unsigned_mult(block, result_bounds, a, a_bounds, b, b_bounds);
}

uint8_t *ieee_p_3499444699_sub_1658551380_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return ripple_add(block, result_bounds, a, a_bounds, b, b_bounds, true, signed_type(block));
}

uint8_t *ieee_p_3499444699_sub_3258556147_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return ripple_add(block, result_bounds, a, a_bounds, b, b_bounds, false, signed_type(block));
}

uint8_t *ieee_p_3499444699_sub_2026593007_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                     const array_bounds *a_bounds, const uint8_t *b,
                                                     const array_bounds *b_bounds) {
    return ripple_add(block, result_bounds, a, a_bounds, b, b_bounds, true, unsigned_type(block));
}

uint8_t *ieee_p_3499444699_sub_589026959_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a,
                                                    const array_bounds *a_bounds, const uint8_t *b,
                                                    const array_bounds *b_bounds) {
    return unsigned_plus(block, result_bounds, a, a_bounds, b, b_bounds);
}

// ---------------------------------------------------------------------------
// `*`: the typed and std_logic_vector forms of each operand pair are one function
// ---------------------------------------------------------------------------

#define ARITH_BINARY_ARRAY_FN(hash, body)                                                                      \
    uint8_t *ieee_p_3499444699_sub_##hash##_3536714472(char *block, array_bounds *result_bounds,              \
                                                        const uint8_t *l, const array_bounds *l_bounds,        \
                                                        const uint8_t *r, const array_bounds *r_bounds) {      \
        return body;                                                                                           \
    }

ARITH_BINARY_ARRAY_FN(3138463120, multiply(block, result_bounds, sgn(l, l_bounds), sgn(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(1704181104, multiply(block, result_bounds, uns(l, l_bounds), uns(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(3254203762, multiply(block, result_bounds, uns(l, l_bounds), sgn(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(2938610218, multiply(block, result_bounds, sgn(l, l_bounds), uns(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(258058432, multiply(block, result_bounds, sgn(l, l_bounds), sgn(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(173946173, multiply(block, result_bounds, uns(l, l_bounds), uns(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(373799074, multiply(block, result_bounds, uns(l, l_bounds), sgn(r, r_bounds)))
ARITH_BINARY_ARRAY_FN(58205530, multiply(block, result_bounds, sgn(l, l_bounds), uns(r, r_bounds)))

// ---------------------------------------------------------------------------
// Additive operators. UT / ST: typed UNSIGNED / SIGNED result, SLV: std_logic_vector.
// ---------------------------------------------------------------------------

#define UT unsigned_type(block)
#define ST signed_type(block)
#define SLV slv_type()

#define ARITH_VEC_INT_FN(hash, body)                                                                           \
    uint8_t *ieee_p_3499444699_sub_##hash##_3536714472(char *block, array_bounds *result_bounds,              \
                                                        const uint8_t *l, const array_bounds *l_bounds,        \
                                                        int32_t r) {                                           \
        return body;                                                                                           \
    }
#define ARITH_INT_VEC_FN(hash, body)                                                                           \
    uint8_t *ieee_p_3499444699_sub_##hash##_3536714472(char *block, array_bounds *result_bounds, int32_t l,   \
                                                        const uint8_t *r, const array_bounds *r_bounds) {      \
        return body;                                                                                           \
    }
#define ARITH_VEC_SUL_FN(hash, body)                                                                           \
    uint8_t *ieee_p_3499444699_sub_##hash##_3536714472(char *block, array_bounds *result_bounds,              \
                                                        const uint8_t *l, const array_bounds *l_bounds,        \
                                                        uint8_t r) {                                           \
        return body;                                                                                           \
    }
#define ARITH_SUL_VEC_FN(hash, body)                                                                           \
    uint8_t *ieee_p_3499444699_sub_##hash##_3536714472(char *block, array_bounds *result_bounds, uint8_t l,   \
                                                        const uint8_t *r, const array_bounds *r_bounds) {      \
        return body;                                                                                           \
    }

#define PLUS AddOp::Plus
#define MINUS AddOp::Minus
#define UL uns(l, l_bounds)
#define SL sgn(l, l_bounds)
#define UR uns(r, r_bounds)
#define SR sgn(r, r_bounds)
#define IL integer(l)
#define IR integer(r)
#define CL ulogic(l)
#define CR ulogic(r)

// `+`, typed results (slots 29-40)
ARITH_BINARY_ARRAY_FN(2254111597, add(block, result_bounds, PLUS, UL, UR, UT))
ARITH_BINARY_ARRAY_FN(3158760445, add(block, result_bounds, PLUS, SL, SR, ST))
ARITH_BINARY_ARRAY_FN(2683234343, add(block, result_bounds, PLUS, UL, SR, ST))
ARITH_BINARY_ARRAY_FN(3006065631, add(block, result_bounds, PLUS, SL, UR, ST))
ARITH_VEC_INT_FN(1438093509, add(block, result_bounds, PLUS, UL, IR, UT))
ARITH_INT_VEC_FN(1350516001, add(block, result_bounds, PLUS, IL, UR, UT))
ARITH_VEC_INT_FN(2783551994, add(block, result_bounds, PLUS, SL, IR, ST))
ARITH_INT_VEC_FN(3401658142, add(block, result_bounds, PLUS, IL, SR, ST))
ARITH_VEC_SUL_FN(1819668549, add(block, result_bounds, PLUS, UL, CR, UT))
ARITH_SUL_VEC_FN(1347574249, add(block, result_bounds, PLUS, CL, UR, UT))
ARITH_VEC_SUL_FN(3645364408, add(block, result_bounds, PLUS, SL, CR, ST))
ARITH_SUL_VEC_FN(2850438820, add(block, result_bounds, PLUS, CL, SR, ST))

// `+`, std_logic_vector results (slots 41-52)
ARITH_BINARY_ARRAY_FN(723876666, add(block, result_bounds, PLUS, UL, UR, SLV))
ARITH_BINARY_ARRAY_FN(278355757, add(block, result_bounds, PLUS, SL, SR, SLV))
ARITH_BINARY_ARRAY_FN(4097796951, add(block, result_bounds, PLUS, UL, SR, SLV))
ARITH_BINARY_ARRAY_FN(125660943, add(block, result_bounds, PLUS, SL, UR, SLV))
ARITH_VEC_INT_FN(4232465333, add(block, result_bounds, PLUS, UL, IR, SLV))
ARITH_INT_VEC_FN(4144887825, add(block, result_bounds, PLUS, IL, UR, SLV))
ARITH_VEC_INT_FN(4198114602, add(block, result_bounds, PLUS, SL, IR, SLV))
ARITH_INT_VEC_FN(521253454, add(block, result_bounds, PLUS, IL, SR, SLV))
ARITH_VEC_SUL_FN(289433618, add(block, result_bounds, PLUS, UL, CR, SLV))
ARITH_SUL_VEC_FN(4112306614, add(block, result_bounds, PLUS, CL, UR, SLV))
ARITH_VEC_SUL_FN(764959720, add(block, result_bounds, PLUS, SL, CR, SLV))
ARITH_SUL_VEC_FN(4265001428, add(block, result_bounds, PLUS, CL, SR, SLV))

// `-`, typed results (slots 53-64)
ARITH_BINARY_ARRAY_FN(2254183471, add(block, result_bounds, MINUS, UL, UR, UT))
ARITH_BINARY_ARRAY_FN(3158832319, add(block, result_bounds, MINUS, SL, SR, ST))
ARITH_BINARY_ARRAY_FN(2683306217, add(block, result_bounds, MINUS, UL, SR, ST))
ARITH_BINARY_ARRAY_FN(3006137505, add(block, result_bounds, MINUS, SL, UR, ST))
ARITH_VEC_INT_FN(1438165383, add(block, result_bounds, MINUS, UL, IR, UT))
ARITH_INT_VEC_FN(1350587875, add(block, result_bounds, MINUS, IL, UR, UT))
ARITH_VEC_INT_FN(2783623868, add(block, result_bounds, MINUS, SL, IR, ST))
ARITH_INT_VEC_FN(3401730016, add(block, result_bounds, MINUS, IL, SR, ST))
ARITH_VEC_SUL_FN(1960687613, add(block, result_bounds, MINUS, UL, CR, UT))
ARITH_SUL_VEC_FN(1413961257, add(block, result_bounds, MINUS, CL, UR, UT))
ARITH_VEC_SUL_FN(3645436282, add(block, result_bounds, MINUS, SL, CR, ST))
ARITH_SUL_VEC_FN(2850510694, add(block, result_bounds, MINUS, CL, SR, ST))

// `-`, std_logic_vector results (slots 65-76)
ARITH_BINARY_ARRAY_FN(723948540, add(block, result_bounds, MINUS, UL, UR, SLV))
ARITH_BINARY_ARRAY_FN(278427631, add(block, result_bounds, MINUS, SL, SR, SLV))
ARITH_BINARY_ARRAY_FN(4097868825, add(block, result_bounds, MINUS, UL, SR, SLV))
ARITH_BINARY_ARRAY_FN(125732817, add(block, result_bounds, MINUS, SL, UR, SLV))
ARITH_VEC_INT_FN(4232537207, add(block, result_bounds, MINUS, UL, IR, SLV))
ARITH_INT_VEC_FN(4144959699, add(block, result_bounds, MINUS, IL, UR, SLV))
ARITH_VEC_INT_FN(4198186476, add(block, result_bounds, MINUS, SL, IR, SLV))
ARITH_INT_VEC_FN(521325328, add(block, result_bounds, MINUS, IL, SR, SLV))
ARITH_VEC_SUL_FN(460092141, add(block, result_bounds, MINUS, UL, CR, SLV))
ARITH_SUL_VEC_FN(4208333081, add(block, result_bounds, MINUS, CL, UR, SLV))
ARITH_VEC_SUL_FN(765031594, add(block, result_bounds, MINUS, SL, CR, SLV))
ARITH_SUL_VEC_FN(4265073302, add(block, result_bounds, MINUS, CL, SR, SLV))

// ---------------------------------------------------------------------------
// Unary operators
// ---------------------------------------------------------------------------

#define ARITH_UNARY_FN(hash, body)                                                                             \
    uint8_t *ieee_p_3499444699_sub_##hash##_3536714472(char *block, array_bounds *result_bounds,              \
                                                        const uint8_t *l, const array_bounds *l_bounds) {      \
        return body;                                                                                           \
    }

// Unary `+` in its four forms: a copy of L with L's own range.
ARITH_UNARY_FN(1427366415, return_array(result_bounds, l, *l_bounds))
ARITH_UNARY_FN(2708953618, return_array(result_bounds, l, *l_bounds))
ARITH_UNARY_FN(2998320402, negate_or_abs(block, result_bounds, l, l_bounds, false, true))
ARITH_UNARY_FN(3466875835, negate_or_abs(block, result_bounds, l, l_bounds, true, true))
ARITH_UNARY_FN(4192098780, return_array(result_bounds, l, *l_bounds))
ARITH_UNARY_FN(4123516226, return_array(result_bounds, l, *l_bounds))
ARITH_UNARY_FN(145293660, negate_or_abs(block, result_bounds, l, l_bounds, false, false))
ARITH_UNARY_FN(613849093, negate_or_abs(block, result_bounds, l, l_bounds, true, false))

// ---------------------------------------------------------------------------
// Comparisons
// ---------------------------------------------------------------------------

// UNSIGNED_RETURN_BOOLEAN, SIGNED_RETURN_BOOLEAN: FALSE; the operands are not read.
uint8_t ieee_p_3499444699_sub_1577414374_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return 0;
}
uint8_t ieee_p_3499444699_sub_1358488199_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return 0;
}

// is_less, is_less_or_equal (SIGNED); unsigned_is_less, unsigned_is_less_or_equal.
uint8_t ieee_p_3499444699_sub_3678644199_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return signed_compare(a, a_bounds, b, b_bounds, false);
}
uint8_t ieee_p_3499444699_sub_298816126_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                   const uint8_t *b, const array_bounds *b_bounds) {
    return signed_compare(a, a_bounds, b, b_bounds, true);
}
uint8_t ieee_p_3499444699_sub_2519015672_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return ripple_compare(a, a_bounds, b, b_bounds, false);
}
uint8_t ieee_p_3499444699_sub_2764363535_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return ripple_compare(a, a_bounds, b, b_bounds, true);
}

#define ARITH_CMP_VV_FN(hash, body)                                                                            \
    uint8_t ieee_p_3499444699_sub_##hash##_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, \
                                                       const uint8_t *r, const array_bounds *r_bounds) {       \
        return body;                                                                                           \
    }
#define ARITH_CMP_VI_FN(hash, body)                                                                            \
    uint8_t ieee_p_3499444699_sub_##hash##_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, \
                                                       int32_t r) {                                            \
        return body;                                                                                           \
    }
#define ARITH_CMP_IV_FN(hash, body)                                                                            \
    uint8_t ieee_p_3499444699_sub_##hash##_3536714472(char *block, int32_t l, const uint8_t *r,               \
                                                       const array_bounds *r_bounds) {                         \
        return body;                                                                                           \
    }

#define LT Relation::Less
#define LE Relation::LessEqual
#define GT Relation::Greater
#define GE Relation::GreaterEqual
#define EQ Relation::Equal
#define NE Relation::NotEqual

// `<` (slots 91-98)
ARITH_CMP_VV_FN(2591093089, compare(block, LT, UL, UR))
ARITH_CMP_VV_FN(2145572180, compare(block, LT, SL, SR))
ARITH_CMP_VV_FN(1670046078, compare(block, LT, UL, SR))
ARITH_CMP_VV_FN(1992877366, compare(block, LT, SL, UR))
ARITH_CMP_VI_FN(2368579451, compare(block, LT, UL, IR))
ARITH_CMP_IV_FN(2235775063, compare(block, LT, IL, UR))
ARITH_CMP_VI_FN(1770363729, compare(block, LT, SL, IR))
ARITH_CMP_IV_FN(2388469877, compare(block, LT, IL, SR))
// `<=` (slots 99-106)
ARITH_CMP_VV_FN(3950470366, compare(block, LE, UL, UR))
ARITH_CMP_VV_FN(3504949457, compare(block, LE, SL, SR))
ARITH_CMP_VV_FN(3029423355, compare(block, LE, UL, SR))
ARITH_CMP_VV_FN(3352254643, compare(block, LE, SL, UR))
ARITH_CMP_VI_FN(3727956728, compare(block, LE, UL, IR))
ARITH_CMP_IV_FN(3595152340, compare(block, LE, IL, UR))
ARITH_CMP_VI_FN(3129741006, compare(block, LE, SL, IR))
ARITH_CMP_IV_FN(3747847154, compare(block, LE, IL, SR))
// `>` (slots 107-114)
ARITH_CMP_VV_FN(2591164963, compare(block, GT, UL, UR))
ARITH_CMP_VV_FN(2145644054, compare(block, GT, SL, SR))
ARITH_CMP_VV_FN(1670117952, compare(block, GT, UL, SR))
ARITH_CMP_VV_FN(1992949240, compare(block, GT, SL, UR))
ARITH_CMP_VI_FN(2368651325, compare(block, GT, UL, IR))
ARITH_CMP_IV_FN(2235846937, compare(block, GT, IL, UR))
ARITH_CMP_VI_FN(1770435603, compare(block, GT, SL, IR))
ARITH_CMP_IV_FN(2388541751, compare(block, GT, IL, SR))
// `>=` (slots 115-122)
ARITH_CMP_VV_FN(3952842208, compare(block, GE, UL, UR))
ARITH_CMP_VV_FN(3507321299, compare(block, GE, SL, SR))
ARITH_CMP_VV_FN(3031795197, compare(block, GE, UL, SR))
ARITH_CMP_VV_FN(3354626485, compare(block, GE, SL, UR))
ARITH_CMP_VI_FN(3730328570, compare(block, GE, UL, IR))
ARITH_CMP_IV_FN(3597524182, compare(block, GE, IL, UR))
ARITH_CMP_VI_FN(3132112848, compare(block, GE, SL, IR))
ARITH_CMP_IV_FN(3750218996, compare(block, GE, IL, SR))

// bitwise_eql, bitwise_neq (slots 123, 124)
uint8_t ieee_p_3499444699_sub_3375251984_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return elements_equal(a, a_bounds, b, b_bounds) ? 1 : 0;
}
uint8_t ieee_p_3499444699_sub_3385499474_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                    const uint8_t *b, const array_bounds *b_bounds) {
    return elements_equal(a, a_bounds, b, b_bounds) ? 0 : 1;
}

// `=` (slots 125-132)
ARITH_CMP_VV_FN(2591129026, compare(block, EQ, UL, UR))
ARITH_CMP_VV_FN(2145608117, compare(block, EQ, SL, SR))
ARITH_CMP_VV_FN(1670082015, compare(block, EQ, UL, SR))
ARITH_CMP_VV_FN(1992913303, compare(block, EQ, SL, UR))
ARITH_CMP_VI_FN(2368615388, compare(block, EQ, UL, IR))
ARITH_CMP_IV_FN(2235811000, compare(block, EQ, IL, UR))
ARITH_CMP_VI_FN(1770399666, compare(block, EQ, SL, IR))
ARITH_CMP_IV_FN(2388505814, compare(block, EQ, IL, SR))
// `/=` (slots 133-140)
ARITH_CMP_VV_FN(3935053393, compare(block, NE, UL, UR))
ARITH_CMP_VV_FN(3489532484, compare(block, NE, SL, SR))
ARITH_CMP_VV_FN(3014006382, compare(block, NE, UL, SR))
ARITH_CMP_VV_FN(3336837670, compare(block, NE, SL, UR))
ARITH_CMP_VI_FN(3712539755, compare(block, NE, UL, IR))
ARITH_CMP_IV_FN(3579735367, compare(block, NE, IL, UR))
ARITH_CMP_VI_FN(3114324033, compare(block, NE, SL, IR))
ARITH_CMP_IV_FN(3732430181, compare(block, NE, IL, SR))

// ---------------------------------------------------------------------------
// Shifts
// ---------------------------------------------------------------------------

// SHL(ARG: UNSIGNED; COUNT: UNSIGNED): one step by the count's value, asked of
// the kernel. A count with a metavalue gives all 'X' without a report; a count
// that does not fit an INTEGER shifts every element out.
uint8_t *ieee_p_3499444699_sub_1904283970_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, const uint8_t *count,
                                                     const array_bounds *count_bounds) {
    const int32_t length = range_length(*arg_bounds);
    const int32_t msb = length - 1;
    Local result(unsigned_type(block), downto_zero(length));
    if (ieee_p_3499444699_sub_3141295106_3536714472(block, count, count_bounds)) {
        result.fill(kX);
        return return_array(result_bounds, result);
    }
    const int32_t n = ieee_std_logic_arith_conv_integer_unsigned(block, count, count_bounds);
    result.fill(k0);
    if (n >= 0 && n <= msb && !count_beyond_integer(count, count_bounds)) {
        // result(msb downto n) := ARG viewed as (msb downto 0), elements (msb-n downto 0)
        const array_bounds view = downto_zero(length);
        check_slice(result.bounds(), msb, n, -1);
        check_slice(view, msb - n, 0, -1);
        for (int32_t j = msb; j >= n; --j) result.at(j) = arg[position(view, j - n)];
    }
    return return_array(result_bounds, result);
}

// SHL(ARG: SIGNED; COUNT: UNSIGNED)
uint8_t *ieee_p_3499444699_sub_3265085561_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, const uint8_t *count,
                                                     const array_bounds *count_bounds) {
    return shift_by_bits(block, result_bounds, arg, arg_bounds, count, count_bounds, signed_type(block), ShiftDir::Left,
                         false);
}

// SHR(ARG: UNSIGNED; COUNT: UNSIGNED)
uint8_t *ieee_p_3499444699_sub_1775521082_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, const uint8_t *count,
                                                     const array_bounds *count_bounds) {
    return shift_by_bits(block, result_bounds, arg, arg_bounds, count, count_bounds, unsigned_type(block),
                         ShiftDir::Right, false);
}

// SHR(ARG: SIGNED; COUNT: UNSIGNED): vacated elements take the sign.
uint8_t *ieee_p_3499444699_sub_3327266423_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, const uint8_t *count,
                                                     const array_bounds *count_bounds) {
    return shift_by_bits(block, result_bounds, arg, arg_bounds, count, count_bounds, signed_type(block),
                         ShiftDir::Right, true);
}

// ---------------------------------------------------------------------------
// CONV_INTEGER
// ---------------------------------------------------------------------------

int32_t ieee_p_3499444699_sub_252593879_3536714472(char *block, int32_t arg) { return arg; }

// CONV_INTEGER(ARG: UNSIGNED): leftmost element most significant. More than 31
// elements are reported and the value wraps modulo 2**32; a metavalue gives two
// warnings and 0.
int32_t ieee_p_3499444699_sub_403572219_3536714472(char *block, const uint8_t *arg, const array_bounds *arg_bounds) {
    if (range_length(*arg_bounds) > 31) report(block, kConvIntegerUnsignedTooLong);
    uint32_t result = 0;
    const bool binary = for_range(*arg_bounds, [&](int32_t i) {
        result <<= 1;
        const uint8_t v = element(arg, *arg_bounds, i);
        check_value(v);
        const uint8_t b = tbl_binary(block, v);
        if (b == k1) result += 1;
        return b != kX;
    });
    if (!binary) {
        report(block, kConvIntegerUnsignedMetavalue);
        report(block, kConvIntegerUnsignedZero);
        return 0;
    }
    return static_cast<int32_t>(result);
}

// CONV_INTEGER(ARG: SIGNED): two's complement, the left element the sign.
// More than 32 elements are reported and the value wraps modulo 2**32. A null
// ARG is 0.
int32_t ieee_p_3499444699_sub_879098320_3536714472(char *block, const uint8_t *arg, const array_bounds *arg_bounds) {
    const int32_t length = range_length(*arg_bounds);
    if (length > 32) report(block, kConvIntegerSignedTooLong);
    if (length == 0) return 0;
    uint32_t result = 0;
    const bool binary = for_range(*arg_bounds, [&](int32_t i) {
        if (i == arg_bounds->left) return true;
        result <<= 1;
        const uint8_t v = element(arg, *arg_bounds, i);
        check_value(v);
        const uint8_t b = tbl_binary(block, v);
        if (b == k1) result += 1;
        return b != kX;
    });
    if (!binary) {
        report(block, kConvIntegerSignedMetavalue);
        report(block, kConvIntegerSignedZero);
        return 0;
    }
    if (make_binary_scalar(block, arg[0]) == k1) {
        // Subtract 2**(length-1) modulo 2**32.
        const int32_t weight = length - 1;
        if (weight <= kMaxPowerOfTwo) {
            result -= static_cast<uint32_t>(zem_vhdl_pow(2, weight));
        } else if (weight == 31) {
            result -= uint32_t{1} << 31;
        }
    }
    return static_cast<int32_t>(result);
}

// CONV_INTEGER(ARG: STD_ULOGIC) return SMALL_INT
int32_t ieee_p_3499444699_sub_829756913_3536714472(char *block, uint8_t arg) {
    int32_t result;
    zem_type_set_default_value(type_descriptor(block, kSmallIntType), &result, nullptr);
    const uint8_t b = tbl_binary(block, arg);
    if (b == k1) {
        result = 1;
    } else if (b == kX) {
        report(block, kConvIntegerUlogicZero);
        result = 0;
    } else {
        result = 0;
    }
    return result;
}

// ---------------------------------------------------------------------------
// CONV_UNSIGNED, CONV_SIGNED, CONV_STD_LOGIC_VECTOR, EXT, SXT
// ---------------------------------------------------------------------------

uint8_t *ieee_p_3499444699_sub_2169654707_3536714472(char *block, array_bounds *result_bounds, int32_t arg,
                                                     int32_t size) {
    return integer_to_vector(result_bounds, arg, size, unsigned_type(block));
}

// CONV_UNSIGNED(ARG: UNSIGNED; SIZE): ARG cut or zero-extended; its copied
// elements mapped by value ('L' to '0', 'H' to '1'), a metavalue among them
// giving a warning and SIZE 'X'.
uint8_t *ieee_p_3499444699_sub_2251616255_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, int32_t size) {
    Local result(unsigned_type(block), downto_zero(size));
    const int32_t arg_length = range_length(*arg_bounds);
    const int32_t n = result.size();
    int32_t msb = n - 1;
    if (arg_length >= n) {
        // The SIZE low-order (rightmost) elements of ARG.
        result.assign(arg + (arg_length - n), n);
    } else {
        result.fill(k0);
        for (int32_t k = 0; k < arg_length; ++k) result[n - arg_length + k] = arg[k];
        msb = arg_length - 1;
    }
    for (int32_t i = msb; i >= 0; --i) {
        switch (result.at(i)) {
        case k0:
        case k1:
            break;
        case kL:
            result.at(i) = k0;
            break;
        case kH:
            result.at(i) = k1;
            break;
        default:
            report(block, kConvUnsignedMetavalue);
            result.fill(kX);
            return return_array(result_bounds, result);
        }
    }
    return return_array(result_bounds, result);
}

// CONV_UNSIGNED(ARG: SIGNED; SIZE)
uint8_t *ieee_p_3499444699_sub_2191728911_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_3176690709_3536714472,
                         unsigned_type(block), Fill::Sign);
}

// CONV_UNSIGNED(ARG: STD_ULOGIC; SIZE)
uint8_t *ieee_p_3499444699_sub_2596859466_3536714472(char *block, array_bounds *result_bounds, uint8_t arg,
                                                     int32_t size) {
    return ulogic_to_vector(block, result_bounds, arg, size, unsigned_type(block));
}

uint8_t *ieee_p_3499444699_sub_111358101_3536714472(char *block, array_bounds *result_bounds, int32_t arg,
                                                    int32_t size) {
    return integer_to_vector(result_bounds, arg, size, signed_type(block));
}

// CONV_SIGNED(ARG: UNSIGNED; SIZE)
uint8_t *ieee_p_3499444699_sub_112481205_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_211906012_3536714472,
                         signed_type(block), Fill::Zero);
}

// CONV_SIGNED(ARG: SIGNED; SIZE)
uint8_t *ieee_p_3499444699_sub_492870835_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_96165378_3536714472,
                         signed_type(block), Fill::Sign);
}

// CONV_SIGNED(ARG: STD_ULOGIC; SIZE): not sign-extended ('1' gives +1).
uint8_t *ieee_p_3499444699_sub_17676902_3536714472(char *block, array_bounds *result_bounds, uint8_t arg,
                                                   int32_t size) {
    return ulogic_to_vector(block, result_bounds, arg, size, signed_type(block));
}

uint8_t *ieee_p_3499444699_sub_2213602152_3536714472(char *block, array_bounds *result_bounds, int32_t arg,
                                                     int32_t size) {
    return integer_to_vector(result_bounds, arg, size, slv_type());
}

// CONV_STD_LOGIC_VECTOR(ARG: UNSIGNED; SIZE)
uint8_t *ieee_p_3499444699_sub_2930370427_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_1791835871_3536714472,
                         slv_type(), Fill::Zero);
}

// CONV_STD_LOGIC_VECTOR(ARG: SIGNED; SIZE)
uint8_t *ieee_p_3499444699_sub_2237018233_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                     const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_1676095237_3536714472,
                         slv_type(), Fill::Sign);
}

// CONV_STD_LOGIC_VECTOR(ARG: STD_ULOGIC; SIZE)
uint8_t *ieee_p_3499444699_sub_2801562521_3536714472(char *block, array_bounds *result_bounds, uint8_t arg,
                                                     int32_t size) {
    return ulogic_to_vector(block, result_bounds, arg, size, slv_type());
}

// EXT(ARG: STD_LOGIC_VECTOR; SIZE): zero extension.
uint8_t *ieee_p_3499444699_sub_854811550_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_1230020568_3536714472,
                         slv_type(), Fill::Zero);
}

// SXT(ARG: STD_LOGIC_VECTOR; SIZE): sign extension.
uint8_t *ieee_p_3499444699_sub_871414444_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, int32_t size) {
    return resize_binary(block, result_bounds, arg, arg_bounds, size, ieee_p_3499444699_sub_1230020568_3536714472,
                         slv_type(), Fill::Sign);
}

}  // extern "C"

#undef UT
#undef ST
#undef SLV
#undef PLUS
#undef MINUS
#undef UL
#undef SL
#undef UR
#undef SR
#undef IL
#undef IR
#undef CL
#undef CR
#undef LT
#undef LE
#undef GT
#undef GE
#undef EQ
#undef NE
#undef ARITH_BINARY_ARRAY_FN
#undef ARITH_VEC_INT_FN
#undef ARITH_INT_VEC_FN
#undef ARITH_VEC_SUL_FN
#undef ARITH_SUL_VEC_FN
#undef ARITH_UNARY_FN
#undef ARITH_CMP_VV_FN
#undef ARITH_CMP_VI_FN
#undef ARITH_CMP_IV_FN

// ---------------------------------------------------------------------------
// Registration
// ---------------------------------------------------------------------------

namespace {

using subprogram_fn = void (*)();

// The subprograms in the order of the package body; the kernel reads as many
// entries as the design data announces (163).
subprogram_fn se[] = {
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3141295106_3536714472),  //   0 Is_X(UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3409386410_3536714472),  //   1 max(INTEGER, INTEGER) return INTEGER
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3409663016_3536714472),  //   2 min(INTEGER, INTEGER) return INTEGER
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2035181919_3536714472),  //   3 MAKE_BINARY(STD_ULOGIC) return STD_ULOGIC
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3292431343_3536714472),  //   4 MAKE_BINARY(UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_211906012_3536714472),  //   5 MAKE_BINARY(UNSIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3176690709_3536714472),  //   6 MAKE_BINARY(SIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_96165378_3536714472),  //   7 MAKE_BINARY(SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1230020568_3536714472),  //   8 MAKE_BINARY(STD_LOGIC_VECTOR) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1791835871_3536714472),  //   9 MAKE_BINARY(UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1676095237_3536714472),  //  10 MAKE_BINARY(SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3823682755_3536714472),  //  11 LEFT_SIGNED_ARG(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2116600214_3536714472),  //  12 LEFT_UNSIGNED_ARG(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_230791002_3536714472),  //  13 MULT_SIGNED_ARG(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2172687853_3536714472),  //  14 MULT_UNSIGNED_ARG(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2888649822_3536714472),  //  15 mult(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1598393164_3536714472),  //  16 mult(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1658551380_3536714472),  //  17 minus(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3258556147_3536714472),  //  18 plus(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2026593007_3536714472),  //  19 unsigned_minus(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_589026959_3536714472),  //  20 unsigned_plus(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3138463120_3536714472),  //  21 *(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1704181104_3536714472),  //  22 *(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3254203762_3536714472),  //  23 *(UNSIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2938610218_3536714472),  //  24 *(SIGNED, UNSIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_258058432_3536714472),  //  25 *(SIGNED, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_173946173_3536714472),  //  26 *(UNSIGNED, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_373799074_3536714472),  //  27 *(UNSIGNED, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_58205530_3536714472),  //  28 *(SIGNED, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2254111597_3536714472),  //  29 +(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3158760445_3536714472),  //  30 +(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2683234343_3536714472),  //  31 +(UNSIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3006065631_3536714472),  //  32 +(SIGNED, UNSIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1438093509_3536714472),  //  33 +(UNSIGNED, INTEGER) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1350516001_3536714472),  //  34 +(INTEGER, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2783551994_3536714472),  //  35 +(SIGNED, INTEGER) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3401658142_3536714472),  //  36 +(INTEGER, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1819668549_3536714472),  //  37 +(UNSIGNED, STD_ULOGIC) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1347574249_3536714472),  //  38 +(STD_ULOGIC, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3645364408_3536714472),  //  39 +(SIGNED, STD_ULOGIC) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2850438820_3536714472),  //  40 +(STD_ULOGIC, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_723876666_3536714472),  //  41 +(UNSIGNED, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_278355757_3536714472),  //  42 +(SIGNED, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4097796951_3536714472),  //  43 +(UNSIGNED, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_125660943_3536714472),  //  44 +(SIGNED, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4232465333_3536714472),  //  45 +(UNSIGNED, INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4144887825_3536714472),  //  46 +(INTEGER, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4198114602_3536714472),  //  47 +(SIGNED, INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_521253454_3536714472),  //  48 +(INTEGER, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_289433618_3536714472),  //  49 +(UNSIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4112306614_3536714472),  //  50 +(STD_ULOGIC, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_764959720_3536714472),  //  51 +(SIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4265001428_3536714472),  //  52 +(STD_ULOGIC, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2254183471_3536714472),  //  53 -(UNSIGNED, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3158832319_3536714472),  //  54 -(SIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2683306217_3536714472),  //  55 -(UNSIGNED, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3006137505_3536714472),  //  56 -(SIGNED, UNSIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1438165383_3536714472),  //  57 -(UNSIGNED, INTEGER) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1350587875_3536714472),  //  58 -(INTEGER, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2783623868_3536714472),  //  59 -(SIGNED, INTEGER) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3401730016_3536714472),  //  60 -(INTEGER, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1960687613_3536714472),  //  61 -(UNSIGNED, STD_ULOGIC) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1413961257_3536714472),  //  62 -(STD_ULOGIC, UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3645436282_3536714472),  //  63 -(SIGNED, STD_ULOGIC) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2850510694_3536714472),  //  64 -(STD_ULOGIC, SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_723948540_3536714472),  //  65 -(UNSIGNED, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_278427631_3536714472),  //  66 -(SIGNED, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4097868825_3536714472),  //  67 -(UNSIGNED, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_125732817_3536714472),  //  68 -(SIGNED, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4232537207_3536714472),  //  69 -(UNSIGNED, INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4144959699_3536714472),  //  70 -(INTEGER, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4198186476_3536714472),  //  71 -(SIGNED, INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_521325328_3536714472),  //  72 -(INTEGER, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_460092141_3536714472),  //  73 -(UNSIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4208333081_3536714472),  //  74 -(STD_ULOGIC, UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_765031594_3536714472),  //  75 -(SIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4265073302_3536714472),  //  76 -(STD_ULOGIC, SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1427366415_3536714472),  //  77 +(UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2708953618_3536714472),  //  78 +(SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2998320402_3536714472),  //  79 -(SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3466875835_3536714472),  //  80 ABS(SIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4192098780_3536714472),  //  81 +(UNSIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_4123516226_3536714472),  //  82 +(SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_145293660_3536714472),  //  83 -(SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_613849093_3536714472),  //  84 ABS(SIGNED) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1577414374_3536714472),  //  85 UNSIGNED_RETURN_BOOLEAN(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1358488199_3536714472),  //  86 SIGNED_RETURN_BOOLEAN(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3678644199_3536714472),  //  87 is_less(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_298816126_3536714472),  //  88 is_less_or_equal(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2519015672_3536714472),  //  89 unsigned_is_less(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2764363535_3536714472),  //  90 unsigned_is_less_or_equal(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2591093089_3536714472),  //  91 <(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2145572180_3536714472),  //  92 <(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1670046078_3536714472),  //  93 <(UNSIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1992877366_3536714472),  //  94 <(SIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2368579451_3536714472),  //  95 <(UNSIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2235775063_3536714472),  //  96 <(INTEGER, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1770363729_3536714472),  //  97 <(SIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2388469877_3536714472),  //  98 <(INTEGER, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3950470366_3536714472),  //  99 <=(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3504949457_3536714472),  // 100 <=(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3029423355_3536714472),  // 101 <=(UNSIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3352254643_3536714472),  // 102 <=(SIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3727956728_3536714472),  // 103 <=(UNSIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3595152340_3536714472),  // 104 <=(INTEGER, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3129741006_3536714472),  // 105 <=(SIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3747847154_3536714472),  // 106 <=(INTEGER, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2591164963_3536714472),  // 107 >(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2145644054_3536714472),  // 108 >(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1670117952_3536714472),  // 109 >(UNSIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1992949240_3536714472),  // 110 >(SIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2368651325_3536714472),  // 111 >(UNSIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2235846937_3536714472),  // 112 >(INTEGER, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1770435603_3536714472),  // 113 >(SIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2388541751_3536714472),  // 114 >(INTEGER, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3952842208_3536714472),  // 115 >=(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3507321299_3536714472),  // 116 >=(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3031795197_3536714472),  // 117 >=(UNSIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3354626485_3536714472),  // 118 >=(SIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3730328570_3536714472),  // 119 >=(UNSIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3597524182_3536714472),  // 120 >=(INTEGER, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3132112848_3536714472),  // 121 >=(SIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3750218996_3536714472),  // 122 >=(INTEGER, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3375251984_3536714472),  // 123 bitwise_eql(STD_ULOGIC_VECTOR, STD_ULOGIC_VECTOR) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3385499474_3536714472),  // 124 bitwise_neq(STD_ULOGIC_VECTOR, STD_ULOGIC_VECTOR) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2591129026_3536714472),  // 125 =(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2145608117_3536714472),  // 126 =(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1670082015_3536714472),  // 127 =(UNSIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1992913303_3536714472),  // 128 =(SIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2368615388_3536714472),  // 129 =(UNSIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2235811000_3536714472),  // 130 =(INTEGER, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1770399666_3536714472),  // 131 =(SIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2388505814_3536714472),  // 132 =(INTEGER, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3935053393_3536714472),  // 133 /=(UNSIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3489532484_3536714472),  // 134 /=(SIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3014006382_3536714472),  // 135 /=(UNSIGNED, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3336837670_3536714472),  // 136 /=(SIGNED, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3712539755_3536714472),  // 137 /=(UNSIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3579735367_3536714472),  // 138 /=(INTEGER, UNSIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3114324033_3536714472),  // 139 /=(SIGNED, INTEGER) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3732430181_3536714472),  // 140 /=(INTEGER, SIGNED) return BOOLEAN
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1904283970_3536714472),  // 141 SHL(UNSIGNED, COUNT: UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3265085561_3536714472),  // 142 SHL(SIGNED, COUNT: UNSIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_1775521082_3536714472),  // 143 SHR(UNSIGNED, COUNT: UNSIGNED) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_3327266423_3536714472),  // 144 SHR(SIGNED, COUNT: UNSIGNED) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_252593879_3536714472),  // 145 CONV_INTEGER(INTEGER) return INTEGER
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_403572219_3536714472),  // 146 CONV_INTEGER(UNSIGNED) return INTEGER
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_879098320_3536714472),  // 147 CONV_INTEGER(SIGNED) return INTEGER
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_829756913_3536714472),  // 148 CONV_INTEGER(STD_ULOGIC) return SMALL_INT
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2169654707_3536714472),  // 149 CONV_UNSIGNED(INTEGER, SIZE: INTEGER) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2251616255_3536714472),  // 150 CONV_UNSIGNED(UNSIGNED, SIZE: INTEGER) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2191728911_3536714472),  // 151 CONV_UNSIGNED(SIGNED, SIZE: INTEGER) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2596859466_3536714472),  // 152 CONV_UNSIGNED(STD_ULOGIC, SIZE: INTEGER) return UNSIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_111358101_3536714472),  // 153 CONV_SIGNED(INTEGER, SIZE: INTEGER) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_112481205_3536714472),  // 154 CONV_SIGNED(UNSIGNED, SIZE: INTEGER) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_492870835_3536714472),  // 155 CONV_SIGNED(SIGNED, SIZE: INTEGER) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_17676902_3536714472),  // 156 CONV_SIGNED(STD_ULOGIC, SIZE: INTEGER) return SIGNED
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2213602152_3536714472),  // 157 CONV_STD_LOGIC_VECTOR(INTEGER, SIZE: INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2930370427_3536714472),  // 158 CONV_STD_LOGIC_VECTOR(UNSIGNED, SIZE: INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2237018233_3536714472),  // 159 CONV_STD_LOGIC_VECTOR(SIGNED, SIZE: INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_2801562521_3536714472),  // 160 CONV_STD_LOGIC_VECTOR(STD_ULOGIC, SIZE: INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_854811550_3536714472),  // 161 EXT(STD_LOGIC_VECTOR, SIZE: INTEGER) return STD_LOGIC_VECTOR
    reinterpret_cast<subprogram_fn>(&ieee_p_3499444699_sub_871414444_3536714472),  // 162 SXT(STD_LOGIC_VECTOR, SIZE: INTEGER) return STD_LOGIC_VECTOR
};
static_assert(sizeof se / sizeof se[0] == 163, "std_logic_arith has 163 subprograms");

}  // namespace

extern "C" void ieee_p_3499444699_init(void) {
    zem_register_didat("ieee_p_3499444699", "kest/precompiled.exe.sim/ieee/p_3499444699.didat");
    zem_register_subprogram_executes(se);
}
