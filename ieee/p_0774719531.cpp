// std_logic_signed (unit ieee_p_0774719531): STD_LOGIC_VECTOR operators that
// read their vector operands as SIGNED (two's-complement) numbers.
//
// The package computes nothing itself. Each function hands its operands, with
// their own data and bounds pointers (STD_LOGIC_VECTOR and SIGNED share one
// representation), to the std_logic_arith function over SIGNED (a shift count
// goes as UNSIGNED), or for CONV_INTEGER to the kernel operation, and gives an
// array result the range that std_logic_signed defines: the vector operand's
// own range for the forms with one vector (unary "-" and ABS included), a
// descending range ending at 0 for two vectors. The package's own block holds
// nothing that the code reads.
#include "ieee/p_0774719531.h"

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
constexpr size_t kSignedType = 0xaa8;          // std_logic_arith

inline void *signed_type() { return type_descriptor(IEEE_P_3499444699, kSignedType); }

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
        ieee_p_0774719531_sub_3716635170_2162500114(block, length_of(l_bounds), length_of(r_bounds)));
}

}  // namespace

extern "C" {

//  0: MAXIMUM
int32_t ieee_p_0774719531_sub_3716635170_2162500114(char * /*block*/, int32_t l, int32_t r) { return r >= l ? r : l; }

//  1: "+"(SLV, SLV)
uint8_t *ieee_p_0774719531_sub_767668596_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return arithmetic_result(two_vector_range(block, l_bounds, r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_278355757_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r, r_bounds);
    });
}

//  2: "+"(SLV, INTEGER)
uint8_t *ieee_p_0774719531_sub_436279890_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4198114602_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

//  3: "+"(INTEGER, SLV)
uint8_t *ieee_p_0774719531_sub_27954454_2162500114(char * /*block*/, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_521253454_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

//  4: "+"(SLV, STD_LOGIC)
uint8_t *ieee_p_0774719531_sub_674691591_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_764959720_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

//  5: "+"(STD_LOGIC, SLV)
uint8_t *ieee_p_0774719531_sub_4129134319_2162500114(char * /*block*/, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4265001428_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

//  6: "-"(SLV, SLV)
uint8_t *ieee_p_0774719531_sub_767740470_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return arithmetic_result(two_vector_range(block, l_bounds, r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_278427631_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r, r_bounds);
    });
}

//  7: "-"(SLV, INTEGER)
uint8_t *ieee_p_0774719531_sub_436351764_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4198186476_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

//  8: "-"(INTEGER, SLV)
uint8_t *ieee_p_0774719531_sub_28026328_2162500114(char * /*block*/, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_521325328_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

//  9: "-"(SLV, STD_LOGIC)
uint8_t *ieee_p_0774719531_sub_674763465_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_765031594_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r);
    });
}

// 10: "-"(STD_LOGIC, SLV)
uint8_t *ieee_p_0774719531_sub_4129206193_2162500114(char * /*block*/, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds) {
    return arithmetic_result(range_of(r_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4265073302_3536714472(IEEE_P_3499444699, vb, l, r, r_bounds);
    });
}

// 11: "+"(SLV)
uint8_t *ieee_p_0774719531_sub_4132103718_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                     const array_bounds *l_bounds) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_4123516226_3536714472(IEEE_P_3499444699, vb, l, l_bounds);
    });
}

// 12: "-"(SLV)
uint8_t *ieee_p_0774719531_sub_4132175592_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                     const array_bounds *l_bounds) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_145293660_3536714472(IEEE_P_3499444699, vb, l, l_bounds);
    });
}

// 13: ABS(SLV)
uint8_t *ieee_p_0774719531_sub_305763729_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds) {
    return arithmetic_result(range_of(l_bounds), result_bounds, [&](array_bounds *vb) {
        return ieee_p_3499444699_sub_613849093_3536714472(IEEE_P_3499444699, vb, l, l_bounds);
    });
}

// 14: "*"(SLV, SLV)
uint8_t *ieee_p_0774719531_sub_767632659_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return arithmetic_result(
        descending_range(length_of(l_bounds) + length_of(r_bounds)), result_bounds, [&](array_bounds *vb) {
            return ieee_p_3499444699_sub_258058432_3536714472(IEEE_P_3499444699, vb, l, l_bounds, r, r_bounds);
        });
}

// 15: "<"(SLV, SLV)
uint8_t ieee_p_0774719531_sub_1742983514_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2145572180_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}

// 16: "<"(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_2546382208_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_1770363729_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}

// 17: "<"(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_2599083972_2162500114(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2388469877_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// 18: "<="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_4058165771_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3504949457_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}

// 19: "<="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_3905759485_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_3129741006_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}

// 20: "<="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_3958461249_2162500114(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3747847154_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// 21: ">"(SLV, SLV)
uint8_t ieee_p_0774719531_sub_2698860368_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2145644054_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}

// 22: ">"(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_2546454082_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_1770435603_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}

// 23: ">"(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_2599155846_2162500114(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2388541751_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// 24: ">="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_4060537613_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3507321299_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}

// 25: ">="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_3908131327_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_3132112848_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}

// 26: ">="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_3960833091_2162500114(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3750218996_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// 27: "="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_2698824431_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2145608117_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}

// 28: "="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_2546418145_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_1770399666_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}

// 29: "="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_2599119909_2162500114(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_2388505814_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// 30: "/="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_4042748798_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3489532484_3536714472(IEEE_P_3499444699, l, l_bounds, r, r_bounds);
}

// 31: "/="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_3890342512_2162500114(char * /*block*/, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r) {
    return ieee_p_3499444699_sub_3114324033_3536714472(IEEE_P_3499444699, l, l_bounds, r);
}

// 32: "/="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_3943044276_2162500114(char * /*block*/, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds) {
    return ieee_p_3499444699_sub_3732430181_3536714472(IEEE_P_3499444699, l, r, r_bounds);
}

// 33: SHL
uint8_t *ieee_p_0774719531_sub_121739838_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds) {
    array_bounds value_bounds;
    const uint8_t *value = ieee_p_3499444699_sub_3265085561_3536714472(IEEE_P_3499444699, &value_bounds, arg,
                                                                       arg_bounds, count, count_bounds);
    return copy_result(value, value_bounds, result_bounds);
}

// 34: SHR
uint8_t *ieee_p_0774719531_sub_121746372_2162500114(char * /*block*/, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds) {
    array_bounds value_bounds;
    const uint8_t *value = ieee_p_3499444699_sub_3327266423_3536714472(IEEE_P_3499444699, &value_bounds, arg,
                                                                       arg_bounds, count, count_bounds);
    return copy_result(value, value_bounds, result_bounds);
}

// 35: CONV_INTEGER
int32_t ieee_p_0774719531_sub_378705076_2162500114(char * /*block*/, const uint8_t *arg,
                                                   const array_bounds *arg_bounds) {
    LocalVector value(signed_type(), range_of(arg_bounds));
    value.assign(arg, *arg_bounds);
    return ieee_std_logic_arith_conv_integer_signed(IEEE_P_3499444699, value.data(), value.bounds());
}

}  // extern "C"

namespace {

template <typename F>
void *address_of(F *fn) {
    return reinterpret_cast<void *>(fn);
}

// The subprogram table, in the order of the package body. The kernel reads as
// many entries as the design data announces (36) and addresses them by slot.
void *se[] = {
    address_of(&ieee_p_0774719531_sub_3716635170_2162500114),  //  0 MAXIMUM
    address_of(&ieee_p_0774719531_sub_767668596_2162500114),   //  1 "+"(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_436279890_2162500114),   //  2 "+"(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_27954454_2162500114),    //  3 "+"(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_674691591_2162500114),   //  4 "+"(SLV, STD_LOGIC)
    address_of(&ieee_p_0774719531_sub_4129134319_2162500114),  //  5 "+"(STD_LOGIC, SLV)
    address_of(&ieee_p_0774719531_sub_767740470_2162500114),   //  6 "-"(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_436351764_2162500114),   //  7 "-"(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_28026328_2162500114),    //  8 "-"(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_674763465_2162500114),   //  9 "-"(SLV, STD_LOGIC)
    address_of(&ieee_p_0774719531_sub_4129206193_2162500114),  // 10 "-"(STD_LOGIC, SLV)
    address_of(&ieee_p_0774719531_sub_4132103718_2162500114),  // 11 "+"(SLV)
    address_of(&ieee_p_0774719531_sub_4132175592_2162500114),  // 12 "-"(SLV)
    address_of(&ieee_p_0774719531_sub_305763729_2162500114),   // 13 ABS(SLV)
    address_of(&ieee_p_0774719531_sub_767632659_2162500114),   // 14 "*"(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_1742983514_2162500114),  // 15 "<"(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_2546382208_2162500114),  // 16 "<"(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_2599083972_2162500114),  // 17 "<"(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_4058165771_2162500114),  // 18 "<="(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_3905759485_2162500114),  // 19 "<="(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_3958461249_2162500114),  // 20 "<="(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_2698860368_2162500114),  // 21 ">"(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_2546454082_2162500114),  // 22 ">"(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_2599155846_2162500114),  // 23 ">"(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_4060537613_2162500114),  // 24 ">="(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_3908131327_2162500114),  // 25 ">="(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_3960833091_2162500114),  // 26 ">="(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_2698824431_2162500114),  // 27 "="(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_2546418145_2162500114),  // 28 "="(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_2599119909_2162500114),  // 29 "="(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_4042748798_2162500114),  // 30 "/="(SLV, SLV)
    address_of(&ieee_p_0774719531_sub_3890342512_2162500114),  // 31 "/="(SLV, INTEGER)
    address_of(&ieee_p_0774719531_sub_3943044276_2162500114),  // 32 "/="(INTEGER, SLV)
    address_of(&ieee_p_0774719531_sub_121739838_2162500114),   // 33 SHL
    address_of(&ieee_p_0774719531_sub_121746372_2162500114),   // 34 SHR
    address_of(&ieee_p_0774719531_sub_378705076_2162500114),   // 35 CONV_INTEGER
};
static_assert(sizeof se / sizeof se[0] == 36, "the design data announces 36 subprograms");

}  // namespace

extern "C" void ieee_p_0774719531_init(void) {
    zem_register_didat("ieee_p_0774719531", "kest/precompiled.exe.sim/ieee/p_0774719531.didat");
    zem_register_subprogram_executes(se);
}
