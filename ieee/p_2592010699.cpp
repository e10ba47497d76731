// std_logic_1164 (unit ieee_p_2592010699): resolution, logic operators,
// strength and type conversions, edge detection and metavalue tests of the
// nine-valued logic system.
//
// Every operator is a look-up in the package's constant tables, which the
// kernel loads from the unit's design data into the package block. Array
// results follow one pattern: the result variable gets its type's default
// value, is built in the function's own buffer, and is copied at the RETURN
// into exactly its length of kernel transient memory (one request per call).
// CASE statements over std_ulogic and BIT jump through static label tables
// (nl0), one entry per literal in position order.
#include "ieee/p_2592010699.h"

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <memory>

#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace {

using tovu::layout::make_bounds;
using tovu::layout::object_value;
using tovu::layout::type_descriptor;

// ---- values ----

// std_ulogic positions.
constexpr uint8_t k0 = 2;
constexpr uint8_t k1 = 3;
constexpr uint8_t kZ = 4;
constexpr uint8_t kStdULogicHigh = 8;  // '-', the last literal
constexpr int32_t kStdULogicCount = 9;

// BIT and BOOLEAN positions.
constexpr uint8_t kBit0 = 0;
constexpr uint8_t kBit1 = 1;
constexpr uint8_t kFalse = 0;
constexpr uint8_t kTrue = 1;

// ---- the package block ----

// Constant tables: object descriptors whose first field points to the bytes.
// Two-dimensional tables are stored row after row (row = left operand).
constexpr size_t kResolutionTable = 0x490;
constexpr size_t kAndTable = 0x508;
constexpr size_t kOrTable = 0x580;
constexpr size_t kXorTable = 0x5f8;
constexpr size_t kNotTable = 0x670;
constexpr size_t kCvtToX01 = 0x6e8;
constexpr size_t kCvtToX01Z = 0x760;
constexpr size_t kCvtToUX01 = 0x7d8;

// Type descriptors of the result types.
constexpr size_t kStdULogicVectorType = 0xf48;
constexpr size_t kStdLogicVectorType = 0xfb8;
constexpr size_t kBitVectorType = 0x458;  // in std.standard's block

// Report texts of the vector operators, back to back in the literal pool.
struct Text {
    size_t offset;
    uint32_t length;
};
constexpr size_t kTextPool = 0x1e50;
constexpr Text kAndLogicText{0x1e50, 65};
constexpr Text kAndULogicText{0x1e91, 65};
constexpr Text kNandLogicText{0x1ed2, 66};
constexpr Text kNandULogicText{0x1f14, 66};
constexpr Text kOrLogicText{0x1f56, 64};
constexpr Text kOrULogicText{0x1f96, 64};
constexpr Text kNorLogicText{0x1fd6, 65};
constexpr Text kNorULogicText{0x2017, 65};
constexpr Text kXorLogicText{0x2058, 65};
constexpr Text kXorULogicText{0x2099, 65};
constexpr Text kXnorLogicText{0x20da, 66};
constexpr Text kXnorULogicText{0x211c, 66};
static_assert(kAndLogicText.offset == kTextPool);
static_assert(kXnorULogicText.offset + kXnorULogicText.length == 0x215e, "texts lie back to back");

inline uint8_t lookup(char *block, size_t table, uint8_t value) { return object_value(block, table)[value]; }
inline uint8_t lookup(char *block, size_t table, uint8_t row, uint8_t column) {
    return object_value(block, table)[row * kStdULogicCount + column];
}

inline void report_failure(char *block, const Text &text) { zem_report(block + text.offset, text.length, SEV_FAILURE); }

inline void *std_logic_vector_type(char *block) { return type_descriptor(block, kStdLogicVectorType); }
inline void *std_ulogic_vector_type(char *block) { return type_descriptor(block, kStdULogicVectorType); }
inline void *bit_vector_type() { return type_descriptor(STD_STANDARD, kBitVectorType); }

// ---- ranges, loops and checks ----

// 'LENGTH of an array argument. A null range may carry a negative length
// field when its bounds lie more than one apart; it has no elements.
inline int32_t length_of(const array_bounds *bounds) { return bounds->length > 0 ? bounds->length : 0; }

inline array_bounds ascending_range(int32_t length) { return make_bounds(1, length, +1); }       // 1 to N
inline array_bounds descending_range(int32_t length) { return make_bounds(length - 1, 0, -1); }  // N-1 downto 0

// FOR i IN range: the k-th index of a range (k = 0 .. length-1), and the byte
// position of index i in an array laid out from the range's left bound.
inline int32_t index_at(const array_bounds &range, int32_t k) { return range.left + k * range.dir; }
inline int32_t position_of(const array_bounds &range, int32_t i) { return (i - range.left) * range.dir; }

inline void check_index(const array_bounds &range, int32_t i) {
    zem_vhdl_check_range_of_index(range.left, range.right, range.dir, i);
}
// A std_logic_vector element about to index a constant table must be a
// std_ulogic position.
inline void check_std_ulogic(uint8_t value) { zem_vhdl_check_range_of_index(0, kStdULogicHigh, 1, value); }

enum ValueCheck : bool { kNoValueCheck = false, kCheckValues = true };

// The result variable of an array-valued function: its range, and its
// elements in a buffer of the function's own (inline for usual lengths, on the
// heap for long vectors), starting from the type's default value.
class ResultVariable {
public:
    ResultVariable(void *type, const array_bounds &range) : range_(range) {
        const size_t n = size();
        if (n > sizeof inline_) {
            heap_ = std::make_unique<uint8_t[]>(n);
            data_ = heap_.get();
        }
        zem_type_set_default_value(type, data_, &range_);
    }
    ResultVariable(const ResultVariable &) = delete;
    ResultVariable &operator=(const ResultVariable &) = delete;

    uint8_t &operator[](int32_t i) { return data_[position_of(range_, i)]; }

    // RETURN result: a copy in exactly the result's length of transient
    // memory, and the result's bounds in the caller's record.
    uint8_t *return_value(array_bounds *out) const {
        const size_t n = size();
        auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
        if (n > 0) memcpy(copy, data_, n);
        *out = make_bounds(range_.left, range_.right, range_.dir);
        return copy;
    }

private:
    size_t size() const { return range_.length > 0 ? static_cast<size_t>(range_.length) : 0; }

    array_bounds range_;
    uint8_t inline_[256];
    std::unique_ptr<uint8_t[]> heap_;
    uint8_t *data_ = inline_;
};

// ---- shared bodies ----

// An element-wise logic operator on two vectors (and, nand, or, nor, xor,
// xnor): the operands are aliased as 1 to 'LENGTH, so only their lengths
// matter; unequal lengths are a FAILURE report and an all-'U' result.
struct VectorOperator {
    size_t table;         // and_table, or_table or xor_table
    bool negated;         // nand, nor, xnor: not_table applied to the entry
    ValueCheck check;     // the std_logic_vector forms check element values
    size_t result_type;   // type descriptor of the result
    Text length_mismatch; // report when the lengths differ
};

uint8_t *apply_elementwise(char *block, array_bounds *out, const uint8_t *l, const array_bounds *l_bounds,
                           const uint8_t *r, const array_bounds *r_bounds, const VectorOperator &op) {
    const array_bounds lv = ascending_range(length_of(l_bounds));
    const array_bounds rv = ascending_range(length_of(r_bounds));
    ResultVariable result(type_descriptor(block, op.result_type), lv);
    if (lv.length != rv.length) {
        report_failure(block, op.length_mismatch);
    } else {
        for (int32_t k = 0; k < lv.length; ++k) {
            const int32_t i = index_at(lv, k);
            check_index(lv, i);
            const uint8_t a = l[position_of(lv, i)];
            if (op.check) check_std_ulogic(a);
            check_index(rv, i);
            const uint8_t b = r[position_of(rv, i)];
            if (op.check) check_std_ulogic(b);
            const uint8_t entry = lookup(block, op.table, a, b);
            result[i] = op.negated ? lookup(block, kNotTable, entry) : entry;
        }
    }
    return result.return_value(out);
}

// The element loop of "not" and of the conversion functions: alias the
// argument with `range` (1 to N or N-1 downto 0), and build a result of the
// same range whose element i is rule(argument element i).
template <typename Rule>
uint8_t *convert_elements(array_bounds *out, void *result_type, const array_bounds &range, const uint8_t *arg,
                          ValueCheck check, Rule rule) {
    ResultVariable result(result_type, range);
    for (int32_t k = 0; k < range.length; ++k) {
        const int32_t i = index_at(range, k);
        check_index(range, i);
        const uint8_t element = arg[position_of(range, i)];
        if (check) check_std_ulogic(element);
        result[i] = rule(element);
    }
    return result.return_value(out);
}

// A one-dimensional table applied to every element (not, To_X01, To_X01Z,
// To_UX01 over vectors); the result is ranged 1 to N.
uint8_t *map_through_table(char *block, array_bounds *out, const uint8_t *arg, const array_bounds *arg_bounds,
                           size_t table, ValueCheck check, void *result_type) {
    return convert_elements(out, result_type, ascending_range(length_of(arg_bounds)), arg, check,
                            [block, table](uint8_t e) { return lookup(block, table, e); });
}

// To_StdLogicVector / To_StdULogicVector between the two std_ulogic vector
// types: the elements unchanged, ranged N-1 downto 0.
uint8_t *copy_vector(array_bounds *out, const uint8_t *arg, const array_bounds *arg_bounds, void *result_type) {
    return convert_elements(out, result_type, descending_range(length_of(arg_bounds)), arg, kNoValueCheck,
                            [](uint8_t e) { return e; });
}

// Current value of a scalar signal parameter: the byte at the record's value
// pointer plus the scalar's offset.
inline uint8_t current_value(void *signal_record, uint32_t offset) {
    const uint8_t *value;
    memcpy(&value, static_cast<char *>(signal_record) + tovu::layout::kSignalValuePtr, sizeof value);
    return value[offset];
}
// 'LAST_VALUE of the same scalar.
inline uint8_t last_value(void *signal_record, uint32_t offset) { return zem_signal_last_value(signal_record)[offset]; }

}  // namespace

extern "C" {

// ---- resolution and scalar logic operators ----

// resolved: one driver gives its value unchanged; otherwise the drivers are
// folded through resolution_table from 'Z', left to right (no drivers: 'Z').
uint8_t ieee_p_2592010699_sub_3130575329_503743352(char *block, const uint8_t *s, const array_bounds *s_bounds) {
    if (s_bounds->length == 1) return s[0];
    uint8_t result = kZ;
    const int32_t n = length_of(s_bounds);
    for (int32_t k = 0; k < n; ++k) result = lookup(block, kResolutionTable, result, s[k]);
    return result;
}

uint8_t ieee_p_2592010699_sub_1605435078_503743352(char *block, uint8_t l, uint8_t r) {
    return lookup(block, kAndTable, l, r);
}

uint8_t ieee_p_2592010699_sub_313326228_503743352(char *block, uint8_t l, uint8_t r) {
    return lookup(block, kNotTable, lookup(block, kAndTable, l, r));
}

uint8_t ieee_p_2592010699_sub_2545490612_503743352(char *block, uint8_t l, uint8_t r) {
    return lookup(block, kOrTable, l, r);
}

uint8_t ieee_p_2592010699_sub_2115884226_503743352(char *block, uint8_t l, uint8_t r) {
    return lookup(block, kNotTable, lookup(block, kOrTable, l, r));
}

uint8_t ieee_p_2592010699_sub_2507238156_503743352(char *block, uint8_t l, uint8_t r) {
    return lookup(block, kXorTable, l, r);
}

uint8_t ieee_p_2592010699_sub_853553178_503743352(char *block, uint8_t l, uint8_t r) {
    return lookup(block, kNotTable, lookup(block, kXorTable, l, r));
}

uint8_t ieee_p_2592010699_sub_1690584930_503743352(char *block, uint8_t value) {
    return lookup(block, kNotTable, value);
}

// ---- vector logic operators ----

uint8_t *ieee_p_2592010699_sub_795620321_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                   const array_bounds *l_bounds, const uint8_t *r,
                                                   const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kAndTable, false, kCheckValues, kStdLogicVectorType, kAndLogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_3719728556_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kAndTable, false, kNoValueCheck, kStdULogicVectorType, kAndULogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_3798478767_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kAndTable, true, kCheckValues, kStdLogicVectorType, kNandLogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_2427619706_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kAndTable, true, kNoValueCheck, kStdULogicVectorType, kNandULogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_1735675855_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kOrTable, false, kCheckValues, kStdLogicVectorType, kOrLogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_364816794_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                   const array_bounds *l_bounds, const uint8_t *r,
                                                   const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kOrTable, false, kNoValueCheck, kStdULogicVectorType, kOrULogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_1306069469_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kOrTable, true, kCheckValues, kStdLogicVectorType, kNorLogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_4230177704_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kOrTable, true, kNoValueCheck, kStdULogicVectorType, kNorULogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_1697423399_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kXorTable, false, kCheckValues, kStdLogicVectorType, kXorLogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_326564338_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                   const array_bounds *l_bounds, const uint8_t *r,
                                                   const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kXorTable, false, kNoValueCheck, kStdULogicVectorType, kXorULogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_43738421_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                  const array_bounds *l_bounds, const uint8_t *r,
                                                  const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kXorTable, true, kCheckValues, kStdLogicVectorType, kXnorLogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_2967846656_503743352(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    static constexpr VectorOperator op{kXorTable, true, kNoValueCheck, kStdULogicVectorType, kXnorULogicText};
    return apply_elementwise(block, result, l, l_bounds, r, r_bounds, op);
}

uint8_t *ieee_p_2592010699_sub_1837678034_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kNotTable, kCheckValues, std_logic_vector_type(block));
}

uint8_t *ieee_p_2592010699_sub_3946049995_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kNotTable, kNoValueCheck, std_ulogic_vector_type(block));
}

// ---- conversions between BIT and std_ulogic ----

// To_bit (s: std_ulogic; xmap: BIT)
uint8_t ieee_p_2592010699_sub_1594292773_503743352(char *block, uint8_t s, uint8_t xmap) {
    static void *const nl0[9] = {&&metavalue, &&metavalue, &&bit_0, &&bit_1, &&metavalue,
                                 &&metavalue, &&bit_0,     &&bit_1, &&metavalue};
    goto *nl0[s];
bit_0:
    return kBit0;
bit_1:
    return kBit1;
metavalue:
    return xmap;
}

// To_bitvector (s: std_logic_vector; xmap: BIT) return BIT_VECTOR
uint8_t *ieee_p_2592010699_sub_3293060193_503743352(char *block, array_bounds *result, const uint8_t *s,
                                                    const array_bounds *s_bounds, uint8_t xmap) {
    return convert_elements(result, bit_vector_type(), descending_range(length_of(s_bounds)), s, kNoValueCheck,
                            [xmap](uint8_t e) -> uint8_t {
                                static void *const nl0[9] = {&&metavalue, &&metavalue, &&bit_0,
                                                             &&bit_1,     &&metavalue, &&metavalue,
                                                             &&bit_0,     &&bit_1,     &&metavalue};
                                goto *nl0[e];
                            bit_0:
                                return kBit0;
                            bit_1:
                                return kBit1;
                            metavalue:
                                return xmap;
                            });
}

// To_bitvector (s: std_ulogic_vector; xmap: BIT) return BIT_VECTOR
uint8_t *ieee_p_2592010699_sub_3680442889_503743352(char *block, array_bounds *result, const uint8_t *s,
                                                    const array_bounds *s_bounds, uint8_t xmap) {
    return convert_elements(result, bit_vector_type(), descending_range(length_of(s_bounds)), s, kNoValueCheck,
                            [xmap](uint8_t e) -> uint8_t {
                                static void *const nl0[9] = {&&metavalue, &&metavalue, &&bit_0,
                                                             &&bit_1,     &&metavalue, &&metavalue,
                                                             &&bit_0,     &&bit_1,     &&metavalue};
                                goto *nl0[e];
                            bit_0:
                                return kBit0;
                            bit_1:
                                return kBit1;
                            metavalue:
                                return xmap;
                            });
}

// To_StdULogic (b: BIT)
uint8_t ieee_p_2592010699_sub_1118889809_503743352(char *block, uint8_t b) {
    static void *const nl0[2] = {&&bit_0, &&bit_1};
    goto *nl0[b];
bit_0:
    return k0;
bit_1:
    return k1;
}

// To_StdLogicVector (b: BIT_VECTOR)
uint8_t *ieee_p_2592010699_sub_393209765_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                   const array_bounds *arg_bounds) {
    return convert_elements(result, std_logic_vector_type(block), descending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_StdLogicVector (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_3879918230_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return copy_vector(result, arg, arg_bounds, std_logic_vector_type(block));
}

// To_StdULogicVector (b: BIT_VECTOR)
uint8_t *ieee_p_2592010699_sub_2063748877_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_ulogic_vector_type(block), descending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_StdULogicVector (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_2331123822_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return copy_vector(result, arg, arg_bounds, std_ulogic_vector_type(block));
}

// ---- strength strippers: To_X01 ----

// To_X01 (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3262517747_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kCvtToX01, kCheckValues, std_logic_vector_type(block));
}

// To_X01 (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2274186774_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kCvtToX01, kNoValueCheck,
                             std_ulogic_vector_type(block));
}

// To_X01 (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_1388759734_503743352(char *block, uint8_t value) {
    return lookup(block, kCvtToX01, value);
}

// To_X01 (b: BIT_VECTOR) return std_logic_vector
uint8_t *ieee_p_2592010699_sub_4068884626_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_logic_vector_type(block), ascending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_X01 (b: BIT_VECTOR) return std_ulogic_vector
uint8_t *ieee_p_2592010699_sub_2008703781_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_ulogic_vector_type(block), ascending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_X01 (b: BIT)
uint8_t ieee_p_2592010699_sub_1361094856_503743352(char *block, uint8_t b) {
    static void *const nl0[2] = {&&bit_0, &&bit_1};
    goto *nl0[b];
bit_0:
    return k0;
bit_1:
    return k1;
}

// ---- strength strippers: To_X01Z ----

// To_X01Z (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3381749997_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kCvtToX01Z, kCheckValues, std_logic_vector_type(block));
}

// To_X01Z (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2393419024_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kCvtToX01Z, kNoValueCheck,
                             std_ulogic_vector_type(block));
}

// To_X01Z (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_3990364458_503743352(char *block, uint8_t value) {
    return lookup(block, kCvtToX01Z, value);
}

// To_X01Z (b: BIT_VECTOR) return std_logic_vector
uint8_t *ieee_p_2592010699_sub_4188116876_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_logic_vector_type(block), ascending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_X01Z (b: BIT_VECTOR) return std_ulogic_vector
uint8_t *ieee_p_2592010699_sub_2127936031_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_ulogic_vector_type(block), ascending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_X01Z (b: BIT)
uint8_t ieee_p_2592010699_sub_3962699580_503743352(char *block, uint8_t b) {
    static void *const nl0[2] = {&&bit_0, &&bit_1};
    goto *nl0[b];
bit_0:
    return k0;
bit_1:
    return k1;
}

// ---- strength strippers: To_UX01 ----

// To_UX01 (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3349614696_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kCvtToUX01, kCheckValues, std_logic_vector_type(block));
}

// To_UX01 (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2361283723_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return map_through_table(block, result, arg, arg_bounds, kCvtToUX01, kNoValueCheck,
                             std_ulogic_vector_type(block));
}

// To_UX01 (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_3957255360_503743352(char *block, uint8_t value) {
    return lookup(block, kCvtToUX01, value);
}

// To_UX01 (b: BIT_VECTOR) return std_logic_vector
uint8_t *ieee_p_2592010699_sub_4155981575_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_logic_vector_type(block), ascending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_UX01 (b: BIT_VECTOR) return std_ulogic_vector
uint8_t *ieee_p_2592010699_sub_2095800730_503743352(char *block, array_bounds *result, const uint8_t *arg,
                                                    const array_bounds *arg_bounds) {
    return convert_elements(result, std_ulogic_vector_type(block), ascending_range(length_of(arg_bounds)), arg,
                            kNoValueCheck, [](uint8_t b) -> uint8_t {
                                static void *const nl0[2] = {&&bit_0, &&bit_1};
                                goto *nl0[b];
                            bit_0:
                                return k0;
                            bit_1:
                                return k1;
                            });
}

// To_UX01 (b: BIT)
uint8_t ieee_p_2592010699_sub_3929590482_503743352(char *block, uint8_t b) {
    static void *const nl0[2] = {&&bit_0, &&bit_1};
    goto *nl0[b];
bit_0:
    return k0;
bit_1:
    return k1;
}

// ---- edge detection ----

// rising_edge (signal s: std_ulogic): an event, a new value that strips to
// '1' and a previous value that strips to '0'. The previous value is asked of
// the kernel only when the first two tests pass.
uint8_t ieee_p_2592010699_sub_1744673427_503743352(char *block, void *signal_record, int32_t unused,
                                                   uint32_t offset) {
    if (zem_signal_has_event(signal_record) != 1) return kFalse;
    if (ieee_p_2592010699_sub_1388759734_503743352(block, current_value(signal_record, offset)) != k1) return kFalse;
    return ieee_p_2592010699_sub_1388759734_503743352(block, last_value(signal_record, offset)) == k0 ? kTrue
                                                                                                      : kFalse;
}

// falling_edge (signal s: std_ulogic): the mirror image, '1' to '0'.
uint8_t ieee_p_2592010699_sub_1258338084_503743352(char *block, void *signal_record, int32_t unused,
                                                   uint32_t offset) {
    if (zem_signal_has_event(signal_record) != 1) return kFalse;
    if (ieee_p_2592010699_sub_1388759734_503743352(block, current_value(signal_record, offset)) != k0) return kFalse;
    return ieee_p_2592010699_sub_1388759734_503743352(block, last_value(signal_record, offset)) == k1 ? kTrue
                                                                                                      : kFalse;
}

// ---- metavalue tests ----

// Is_X (s: std_ulogic_vector): TRUE at the first 'U', 'X', 'Z', 'W' or '-'.
uint8_t ieee_p_2592010699_sub_1722410384_503743352(char *block, const uint8_t *s, const array_bounds *s_bounds) {
    static void *const nl0[9] = {&&metavalue, &&metavalue, &&next, &&next, &&metavalue,
                                 &&metavalue, &&next,      &&next, &&metavalue};
    const int32_t n = length_of(s_bounds);
    for (int32_t k = 0; k < n; ++k) {
        goto *nl0[s[k]];
    metavalue:
        return kTrue;
    next:;
    }
    return kFalse;
}

// Is_X (s: std_logic_vector)
uint8_t ieee_p_2592010699_sub_1600845279_503743352(char *block, const uint8_t *s, const array_bounds *s_bounds) {
    static void *const nl0[9] = {&&metavalue, &&metavalue, &&next, &&next, &&metavalue,
                                 &&metavalue, &&next,      &&next, &&metavalue};
    const int32_t n = length_of(s_bounds);
    for (int32_t k = 0; k < n; ++k) {
        goto *nl0[s[k]];
    metavalue:
        return kTrue;
    next:;
    }
    return kFalse;
}

// Is_X (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_1665218837_503743352(char *block, uint8_t value) {
    static void *const nl0[9] = {&&metavalue, &&metavalue, &&known, &&known, &&metavalue,
                                 &&metavalue, &&known,     &&known, &&metavalue};
    goto *nl0[value];
metavalue:
    return kTrue;
known:
    return kFalse;
}

}  // extern "C"

namespace {

template <typename F>
void *address_of(F *fn) {
    return reinterpret_cast<void *>(fn);
}

// The subprogram table, in the order of the package body. The kernel reads as
// many entries as the design data announces (53) and addresses them by slot.
void *se[] = {
    address_of(&ieee_p_2592010699_sub_3130575329_503743352),  //  0 resolved
    address_of(&ieee_p_2592010699_sub_1605435078_503743352),  //  1 and
    address_of(&ieee_p_2592010699_sub_313326228_503743352),   //  2 nand
    address_of(&ieee_p_2592010699_sub_2545490612_503743352),  //  3 or
    address_of(&ieee_p_2592010699_sub_2115884226_503743352),  //  4 nor
    address_of(&ieee_p_2592010699_sub_2507238156_503743352),  //  5 xor
    address_of(&ieee_p_2592010699_sub_853553178_503743352),   //  6 xnor
    address_of(&ieee_p_2592010699_sub_1690584930_503743352),  //  7 not
    address_of(&ieee_p_2592010699_sub_795620321_503743352),   //  8 and (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_3719728556_503743352),  //  9 and (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_3798478767_503743352),  // 10 nand (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_2427619706_503743352),  // 11 nand (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1735675855_503743352),  // 12 or (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_364816794_503743352),   // 13 or (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1306069469_503743352),  // 14 nor (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_4230177704_503743352),  // 15 nor (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1697423399_503743352),  // 16 xor (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_326564338_503743352),   // 17 xor (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_43738421_503743352),    // 18 xnor (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_2967846656_503743352),  // 19 xnor (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1837678034_503743352),  // 20 not (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_3946049995_503743352),  // 21 not (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1594292773_503743352),  // 22 To_bit
    address_of(&ieee_p_2592010699_sub_3293060193_503743352),  // 23 To_bitvector (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_3680442889_503743352),  // 24 To_bitvector (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1118889809_503743352),  // 25 To_StdULogic
    address_of(&ieee_p_2592010699_sub_393209765_503743352),   // 26 To_StdLogicVector (BIT_VECTOR)
    address_of(&ieee_p_2592010699_sub_3879918230_503743352),  // 27 To_StdLogicVector (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_2063748877_503743352),  // 28 To_StdULogicVector (BIT_VECTOR)
    address_of(&ieee_p_2592010699_sub_2331123822_503743352),  // 29 To_StdULogicVector (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_3262517747_503743352),  // 30 To_X01 (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_2274186774_503743352),  // 31 To_X01 (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1388759734_503743352),  // 32 To_X01 (std_ulogic)
    address_of(&ieee_p_2592010699_sub_4068884626_503743352),  // 33 To_X01 (BIT_VECTOR) std_logic_vector
    address_of(&ieee_p_2592010699_sub_2008703781_503743352),  // 34 To_X01 (BIT_VECTOR) std_ulogic_vector
    address_of(&ieee_p_2592010699_sub_1361094856_503743352),  // 35 To_X01 (BIT)
    address_of(&ieee_p_2592010699_sub_3381749997_503743352),  // 36 To_X01Z (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_2393419024_503743352),  // 37 To_X01Z (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_3990364458_503743352),  // 38 To_X01Z (std_ulogic)
    address_of(&ieee_p_2592010699_sub_4188116876_503743352),  // 39 To_X01Z (BIT_VECTOR) std_logic_vector
    address_of(&ieee_p_2592010699_sub_2127936031_503743352),  // 40 To_X01Z (BIT_VECTOR) std_ulogic_vector
    address_of(&ieee_p_2592010699_sub_3962699580_503743352),  // 41 To_X01Z (BIT)
    address_of(&ieee_p_2592010699_sub_3349614696_503743352),  // 42 To_UX01 (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_2361283723_503743352),  // 43 To_UX01 (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_3957255360_503743352),  // 44 To_UX01 (std_ulogic)
    address_of(&ieee_p_2592010699_sub_4155981575_503743352),  // 45 To_UX01 (BIT_VECTOR) std_logic_vector
    address_of(&ieee_p_2592010699_sub_2095800730_503743352),  // 46 To_UX01 (BIT_VECTOR) std_ulogic_vector
    address_of(&ieee_p_2592010699_sub_3929590482_503743352),  // 47 To_UX01 (BIT)
    address_of(&ieee_p_2592010699_sub_1744673427_503743352),  // 48 rising_edge
    address_of(&ieee_p_2592010699_sub_1258338084_503743352),  // 49 falling_edge
    address_of(&ieee_p_2592010699_sub_1722410384_503743352),  // 50 Is_X (std_ulogic_vector)
    address_of(&ieee_p_2592010699_sub_1600845279_503743352),  // 51 Is_X (std_logic_vector)
    address_of(&ieee_p_2592010699_sub_1665218837_503743352),  // 52 Is_X (std_ulogic)
};
static_assert(sizeof se / sizeof se[0] == 53, "the design data announces 53 subprograms");

// `resolved` resolves std_logic and the resolved subtypes X01, X01Z, UX01 and
// UX01Z, which the design data numbers 2 to 6.
constexpr int32_t kFirstResolvedType = 2;
constexpr int32_t kLastResolvedType = 6;
constexpr int32_t kResolutionK = 0;
constexpr int32_t kResolutionM = 4;

}  // namespace

extern "C" void ieee_p_2592010699_init(void) {
    zem_register_didat("ieee_p_2592010699", "kest/precompiled.exe.sim/ieee/p_2592010699.didat");
    zem_register_subprogram_executes(se);
    for (int32_t type_number = kFirstResolvedType; type_number <= kLastResolvedType; ++type_number)
        zem_register_resolution_function(type_number, kResolutionK,
                                         address_of(&ieee_p_2592010699_sub_3130575329_503743352), kResolutionM);
}
