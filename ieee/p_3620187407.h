// std_logic_unsigned (unit ieee_p_3620187407): arithmetic, comparison, shift
// and conversion operators on STD_LOGIC_VECTOR read as an unsigned number
// (leftmost element most significant, whatever the range's direction). One
// function per subprogram, in the order of the package body, which is the
// order of the unit's subprogram table.
//
// Calling convention: the package's memory block (IEEE_P_3620187407) comes
// first; an array-valued function then takes the bounds record it fills; an
// array parameter is a data pointer followed by its bounds; INTEGER is a
// 32-bit integer; STD_LOGIC and BOOLEAN are one byte holding the literal's
// position. Array results live in kernel transient memory and are never freed
// by the caller.
#ifndef TOVU_IEEE_P_3620187407_H
#define TOVU_IEEE_P_3620187407_H

#include <stdint.h>

#include "tovu/zem.h"

#ifdef __cplusplus
extern "C" {
#endif

// Registers the unit's design data and its subprogram table.
void ieee_p_3620187407_init(void);

//  0: MAXIMUM(L, R: INTEGER) return INTEGER
int32_t ieee_p_3620187407_sub_3716635170_3965413181(char *block, int32_t l, int32_t r);

//  1: "+"(L, R: STD_LOGIC_VECTOR), range (MAXIMUM(L'LENGTH, R'LENGTH)-1 downto 0)
uint8_t *ieee_p_3620187407_sub_767668596_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  2: "+"(L: STD_LOGIC_VECTOR; R: INTEGER), L's range
uint8_t *ieee_p_3620187407_sub_436279890_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  3: "+"(L: INTEGER; R: STD_LOGIC_VECTOR), R's range
uint8_t *ieee_p_3620187407_sub_27954454_3965413181(char *block, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  4: "+"(L: STD_LOGIC_VECTOR; R: STD_LOGIC), L's range
uint8_t *ieee_p_3620187407_sub_674691591_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r);
//  5: "+"(L: STD_LOGIC; R: STD_LOGIC_VECTOR), R's range
uint8_t *ieee_p_3620187407_sub_4129134319_3965413181(char *block, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds);
//  6: "-"(L, R: STD_LOGIC_VECTOR), range (MAXIMUM(L'LENGTH, R'LENGTH)-1 downto 0)
uint8_t *ieee_p_3620187407_sub_767740470_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  7: "-"(L: STD_LOGIC_VECTOR; R: INTEGER), L's range
uint8_t *ieee_p_3620187407_sub_436351764_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  8: "-"(L: INTEGER; R: STD_LOGIC_VECTOR), R's range
uint8_t *ieee_p_3620187407_sub_28026328_3965413181(char *block, array_bounds *result_bounds, int32_t l,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  9: "-"(L: STD_LOGIC_VECTOR; R: STD_LOGIC), L's range
uint8_t *ieee_p_3620187407_sub_674763465_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, uint8_t r);
// 10: "-"(L: STD_LOGIC; R: STD_LOGIC_VECTOR), R's range
uint8_t *ieee_p_3620187407_sub_4129206193_3965413181(char *block, array_bounds *result_bounds, uint8_t l,
                                                     const uint8_t *r, const array_bounds *r_bounds);
// 11: "+"(L: STD_LOGIC_VECTOR), L's range
uint8_t *ieee_p_3620187407_sub_4132103718_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                     const array_bounds *l_bounds);
// 12: "*"(L, R: STD_LOGIC_VECTOR), range (L'LENGTH+R'LENGTH-1 downto 0)
uint8_t *ieee_p_3620187407_sub_767632659_3965413181(char *block, array_bounds *result_bounds, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);

// 13-15: "<"
uint8_t ieee_p_3620187407_sub_1742983514_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_p_3620187407_sub_2546382208_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
uint8_t ieee_p_3620187407_sub_2599083972_3965413181(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 16-18: "<="
uint8_t ieee_p_3620187407_sub_4058165771_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_p_3620187407_sub_3905759485_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
uint8_t ieee_p_3620187407_sub_3958461249_3965413181(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 19-21: ">"
uint8_t ieee_p_3620187407_sub_2698860368_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_p_3620187407_sub_2546454082_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
uint8_t ieee_p_3620187407_sub_2599155846_3965413181(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 22-24: ">="
uint8_t ieee_p_3620187407_sub_4060537613_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_p_3620187407_sub_3908131327_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
uint8_t ieee_p_3620187407_sub_3960833091_3965413181(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 25-27: "="
uint8_t ieee_p_3620187407_sub_2698824431_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_p_3620187407_sub_2546418145_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
uint8_t ieee_p_3620187407_sub_2599119909_3965413181(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 28-30: "/="
uint8_t ieee_p_3620187407_sub_4042748798_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_p_3620187407_sub_3890342512_3965413181(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
uint8_t ieee_p_3620187407_sub_3943044276_3965413181(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);

// 31: CONV_INTEGER(ARG: STD_LOGIC_VECTOR) return INTEGER
int32_t ieee_p_3620187407_sub_514432868_3965413181(char *block, const uint8_t *arg, const array_bounds *arg_bounds);
// 32: SHL(ARG, COUNT: STD_LOGIC_VECTOR), the range std_logic_arith's SHL gives
uint8_t *ieee_p_3620187407_sub_121739838_3965413181(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds);
// 33: SHR(ARG, COUNT: STD_LOGIC_VECTOR), the range std_logic_arith's SHR gives
uint8_t *ieee_p_3620187407_sub_121746372_3965413181(char *block, array_bounds *result_bounds, const uint8_t *arg,
                                                    const array_bounds *arg_bounds, const uint8_t *count,
                                                    const array_bounds *count_bounds);

#ifdef __cplusplus
}
#endif

#endif
