// std_logic_signed (unit ieee_p_0774719531): arithmetic, comparison, shift
// and conversion operators on STD_LOGIC_VECTOR read as a two's-complement
// number (leftmost element most significant and the sign, whatever the
// range's direction). One function per subprogram, in the order of the
// package body, which is the order of the unit's subprogram table. SLV stands
// for STD_LOGIC_VECTOR.
//
// Calling convention: the package's memory block (IEEE_P_0774719531) comes
// first; an array-valued function then takes the bounds record it fills; an
// array parameter is a data pointer followed by its bounds; INTEGER is a
// 32-bit integer; STD_LOGIC and BOOLEAN are one byte holding the literal's
// position. Array results live in kernel transient memory and are never freed
// by the caller.
#ifndef TOVU_IEEE_P_0774719531_H
#define TOVU_IEEE_P_0774719531_H

#include <stdint.h>

#include "tovu/zem.h"

#ifdef __cplusplus
extern "C" {
#endif

// Registers the unit's design data and its subprogram table.
void ieee_p_0774719531_init(void);

//  0: MAXIMUM
int32_t ieee_p_0774719531_sub_3716635170_2162500114(char *block, int32_t l, int32_t r);
//  1: "+"(SLV, SLV)
uint8_t *ieee_p_0774719531_sub_767668596_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  2: "+"(SLV, INTEGER)
uint8_t *ieee_p_0774719531_sub_436279890_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  3: "+"(INTEGER, SLV)
uint8_t *ieee_p_0774719531_sub_27954454_2162500114(char *block, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  4: "+"(SLV, STD_LOGIC)
uint8_t *ieee_p_0774719531_sub_674691591_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r);
//  5: "+"(STD_LOGIC, SLV)
uint8_t *ieee_p_0774719531_sub_4129134319_2162500114(char *block, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds);
//  6: "-"(SLV, SLV)
uint8_t *ieee_p_0774719531_sub_767740470_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  7: "-"(SLV, INTEGER)
uint8_t *ieee_p_0774719531_sub_436351764_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  8: "-"(INTEGER, SLV)
uint8_t *ieee_p_0774719531_sub_28026328_2162500114(char *block, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  9: "-"(SLV, STD_LOGIC)
uint8_t *ieee_p_0774719531_sub_674763465_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r);
// 10: "-"(STD_LOGIC, SLV)
uint8_t *ieee_p_0774719531_sub_4129206193_2162500114(char *block, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds);
// 11: "+"(SLV)
uint8_t *ieee_p_0774719531_sub_4132103718_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                     const array_bounds *l_bounds);
// 12: "-"(SLV)
uint8_t *ieee_p_0774719531_sub_4132175592_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                     const array_bounds *l_bounds);
// 13: ABS(SLV)
uint8_t *ieee_p_0774719531_sub_305763729_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds);
// 14: "*"(SLV, SLV)
uint8_t *ieee_p_0774719531_sub_767632659_2162500114(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 15: "<"(SLV, SLV)
uint8_t ieee_p_0774719531_sub_1742983514_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 16: "<"(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_2546382208_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
// 17: "<"(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_2599083972_2162500114(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 18: "<="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_4058165771_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 19: "<="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_3905759485_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
// 20: "<="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_3958461249_2162500114(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 21: ">"(SLV, SLV)
uint8_t ieee_p_0774719531_sub_2698860368_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 22: ">"(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_2546454082_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
// 23: ">"(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_2599155846_2162500114(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 24: ">="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_4060537613_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 25: ">="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_3908131327_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
// 26: ">="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_3960833091_2162500114(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 27: "="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_2698824431_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 28: "="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_2546418145_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
// 29: "="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_2599119909_2162500114(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 30: "/="(SLV, SLV)
uint8_t ieee_p_0774719531_sub_4042748798_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 31: "/="(SLV, INTEGER)
uint8_t ieee_p_0774719531_sub_3890342512_2162500114(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
// 32: "/="(INTEGER, SLV)
uint8_t ieee_p_0774719531_sub_3943044276_2162500114(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 33: SHL
uint8_t *ieee_p_0774719531_sub_121739838_2162500114(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds);
// 34: SHR
uint8_t *ieee_p_0774719531_sub_121746372_2162500114(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds);
// 35: CONV_INTEGER
int32_t ieee_p_0774719531_sub_378705076_2162500114(char *block, const uint8_t *arg, const array_bounds *arg_bounds);

#ifdef __cplusplus
}
#endif

#endif
