// std_logic_unsigned (unit ieee_p_3620187407): STD_LOGIC_VECTOR operators
// that read their vector operands as UNSIGNED numbers.
//
// The package computes nothing itself. Each function hands its operands, with
// their own data and bounds pointers (STD_LOGIC_VECTOR and UNSIGNED share one
// representation), to the std_logic_arith function over UNSIGNED, or to the
// kernel operation that stands in for it, and gives an array result the range
// that std_logic_unsigned defines: the vector operand's own range for the
// forms with one vector, a descending range ending at 0 for two vectors.
// The package's own block holds nothing that the code reads.
#include "ieee/p_3620187407.h"

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <memory>

#include "ieee/p_3499444699.h"
#include "ieee/vector_locals.h"
#include "units/globals.h"
#include "tovu/arith_fastpath.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace {

using tovu::layout::make_bounds;
using tovu::layout::type_descriptor;

// Type descriptors of the result and local variables, in other units' blocks.
constexpr size_t kUnsignedType = 0xa38;        // std_logic_arith

inline void *unsigned_type() { return type_descriptor(IEEE_P_3499444699, kUnsignedType); }

using namespace vector_locals;

// SHL and SHR: std_logic_arith's value and range, copied into transient
// memory of this call.
uint8_t *copy_result(const uint8_t *value, const array_bounds &value_bounds, array_bounds *out) {
    const int32_t n = length_of(&value_bounds);
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
    if (n > 0) memcpy(copy, value, static_cast<size_t>(n));
    *out = make_bounds(value_bounds.left, value_bounds.right, value_bounds.dir);
    return copy;
}

// Range (MAXIMUM(L'LENGTH, R'LENGTH)-1 downto 0) of the two-vector "+" and "-".
array_bounds two_vector_range(char *block, const array_bounds *l_bounds, const array_bounds *r_bounds) {
    return descending_range(
        ieee_p_3620187407_sub_3716635170_3965413181(block, length_of(l_bounds), length_of(r_bounds)));
}

}  // namespace

extern "C" {

// ---- MAXIMUM ----

int32_t ieee_p_3620187407_sub_3716635170_3965413181(char * /*block*/, int32_t l, int32_t r) { return r >= l ? r : l; }

// ---- "+" ----

uint8_t *ieee_p_3620187407_sub_767668596_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return arithmetic_result(two_vector_range(block, l_bounds, r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_723876666_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r, r_bounds);
    });
}

uint8_t *ieee_p_3620187407_sub_436279890_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4232465333_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

uint8_t *ieee_p_3620187407_sub_27954454_3965413181(char * /*block*/, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4144887825_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

uint8_t *ieee_p_3620187407_sub_674691591_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_289433618_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

uint8_t *ieee_p_3620187407_sub_4129134319_3965413181(char * /*block*/, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4112306614_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

// ---- "-" ----

uint8_t *ieee_p_3620187407_sub_767740470_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return arithmetic_result(two_vector_range(block, l_bounds, r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_723948540_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r, r_bounds);
    });
}

uint8_t *ieee_p_3620187407_sub_436351764_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4232537207_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

uint8_t *ieee_p_3620187407_sub_28026328_3965413181(char * /*block*/, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4144959699_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

uint8_t *ieee_p_3620187407_sub_674763465_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_460092141_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

uint8_t *ieee_p_3620187407_sub_4129206193_3965413181(char * /*block*/, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4208333081_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

// ---- unary "+" and "*" ----

uint8_t *ieee_p_3620187407_sub_4132103718_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                     const array_bounds *l_bounds) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4192098780_3536714472(IEEE_P_3499444699, vb, l, l_bounds);
    });
}

uint8_t *ieee_p_3620187407_sub_767632659_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    const array_bounds range = descending_range(length_of(l_bounds) + length_of(r_bounds));
    return arithmetic_result(range, result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_173946173_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r, r_bounds);
    });
}

// ---- comparisons: std_logic_arith's (or the kernel's) answer unchanged ----

uint8_t ieee_p_3620187407_sub_1742983514_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2591093089_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}
uint8_t ieee_p_3620187407_sub_2546382208_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_2368579451_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}
uint8_t ieee_p_3620187407_sub_2599083972_3965413181(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2235775063_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

uint8_t ieee_p_3620187407_sub_4058165771_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3950470366_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}
uint8_t ieee_p_3620187407_sub_3905759485_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_3727956728_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}
uint8_t ieee_p_3620187407_sub_3958461249_3965413181(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3595152340_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

uint8_t ieee_p_3620187407_sub_2698860368_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_std_logic_arith_greater_unsigned_unsigned(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}
uint8_t ieee_p_3620187407_sub_2546454082_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_2368651325_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}
uint8_t ieee_p_3620187407_sub_2599155846_3965413181(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2235846937_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

uint8_t ieee_p_3620187407_sub_4060537613_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3952842208_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}
uint8_t ieee_p_3620187407_sub_3908131327_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_3730328570_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}
uint8_t ieee_p_3620187407_sub_3960833091_3965413181(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3597524182_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

uint8_t ieee_p_3620187407_sub_2698824431_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_std_logic_arith_equal_unsigned_unsigned(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}
uint8_t ieee_p_3620187407_sub_2546418145_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_2368615388_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}
uint8_t ieee_p_3620187407_sub_2599119909_3965413181(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2235811000_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

uint8_t ieee_p_3620187407_sub_4042748798_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3935053393_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}
uint8_t ieee_p_3620187407_sub_3890342512_3965413181(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_3712539755_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}
uint8_t ieee_p_3620187407_sub_3943044276_3965413181(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3579735367_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// ---- CONV_INTEGER, SHL, SHR ----

// ARG is first copied into an UNSIGNED variable of ARG's own range.
int32_t ieee_p_3620187407_sub_514432868_3965413181(char * /*block*/, const uint8_t *arg,
                                                   const array_bounds *arg_bounds) {
    LocalVector value(unsigned_type(), range_of(arg_bounds));
    value.assign(arg, *arg_bounds);
    return ieee_std_logic_arith_conv_integer_unsigned(IEEE_P_3499444699, value.data(), value.bounds());
}

uint8_t *ieee_p_3620187407_sub_121739838_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds) {
    array_bounds value_bounds;
    const uint8_t *value = ieee_p_3499444699_sub_1904283970_3536714472(IEEE_P_3499444699, &value_bounds, arg,
                                                                       arg_bounds, count, count_bounds);
    return copy_result(value, value_bounds, result_bounds);
}

uint8_t *ieee_p_3620187407_sub_121746372_3965413181(char * /*block*/, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds) {
    array_bounds value_bounds;
    const uint8_t *value = ieee_p_3499444699_sub_1775521082_3536714472(IEEE_P_3499444699, &value_bounds, arg,
                                                                       arg_bounds, count, count_bounds);
    return copy_result(value, value_bounds, result_bounds);
}

}  // extern "C"

namespace {

template <typename F>
void *address_of(F *fn) {
    return reinterpret_cast<void *>(fn);
}

// The subprogram table, in the order of the package body. The kernel reads as
// many entries as the design data announces (34) and addresses them by slot.
void *se[] = {
    address_of(&ieee_p_3620187407_sub_3716635170_3965413181),  //  0 MAXIMUM
    address_of(&ieee_p_3620187407_sub_767668596_3965413181),   //  1 "+"(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_436279890_3965413181),   //  2 "+"(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_27954454_3965413181),    //  3 "+"(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_674691591_3965413181),   //  4 "+"(SLV, STD_LOGIC)
    address_of(&ieee_p_3620187407_sub_4129134319_3965413181),  //  5 "+"(STD_LOGIC, SLV)
    address_of(&ieee_p_3620187407_sub_767740470_3965413181),   //  6 "-"(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_436351764_3965413181),   //  7 "-"(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_28026328_3965413181),    //  8 "-"(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_674763465_3965413181),   //  9 "-"(SLV, STD_LOGIC)
    address_of(&ieee_p_3620187407_sub_4129206193_3965413181),  // 10 "-"(STD_LOGIC, SLV)
    address_of(&ieee_p_3620187407_sub_4132103718_3965413181),  // 11 "+"(SLV)
    address_of(&ieee_p_3620187407_sub_767632659_3965413181),   // 12 "*"(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_1742983514_3965413181),  // 13 "<"(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_2546382208_3965413181),  // 14 "<"(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_2599083972_3965413181),  // 15 "<"(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_4058165771_3965413181),  // 16 "<="(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_3905759485_3965413181),  // 17 "<="(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_3958461249_3965413181),  // 18 "<="(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_2698860368_3965413181),  // 19 ">"(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_2546454082_3965413181),  // 20 ">"(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_2599155846_3965413181),  // 21 ">"(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_4060537613_3965413181),  // 22 ">="(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_3908131327_3965413181),  // 23 ">="(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_3960833091_3965413181),  // 24 ">="(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_2698824431_3965413181),  // 25 "="(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_2546418145_3965413181),  // 26 "="(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_2599119909_3965413181),  // 27 "="(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_4042748798_3965413181),  // 28 "/="(SLV, SLV)
    address_of(&ieee_p_3620187407_sub_3890342512_3965413181),  // 29 "/="(SLV, INTEGER)
    address_of(&ieee_p_3620187407_sub_3943044276_3965413181),  // 30 "/="(INTEGER, SLV)
    address_of(&ieee_p_3620187407_sub_514432868_3965413181),   // 31 CONV_INTEGER
    address_of(&ieee_p_3620187407_sub_121739838_3965413181),   // 32 SHL
    address_of(&ieee_p_3620187407_sub_121746372_3965413181),   // 33 SHR
};
static_assert(sizeof se / sizeof se[0] == 34, "the design data announces 34 subprograms");

}  // namespace

extern "C" void ieee_p_3620187407_init(void) {
    zem_register_didat("ieee_p_3620187407", "kest/precompiled.exe.sim/ieee/p_3620187407.didat");
    zem_register_subprogram_executes(se);
}
