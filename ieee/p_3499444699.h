// std_logic_arith (unit ieee_p_3499444699): the UNSIGNED and SIGNED arithmetic
// package. One function per subprogram, in the order of the package body (the
// order of the subprogram table handed to the kernel).
//
// Calling convention: the package's memory block (IEEE_P_3499444699) comes
// first; an array-valued function then takes the bounds record it fills; an
// array parameter is a data pointer followed by its bounds; INTEGER is a
// 32-bit integer; STD_ULOGIC and BOOLEAN are one byte holding the literal's
// position. Array results live in kernel transient memory and are never freed
// by the caller.
#ifndef IEEE_P_3499444699_H
#define IEEE_P_3499444699_H

#include <stdint.h>

#include "tovu/zem.h"

#ifdef __cplusplus
extern "C" {
#endif

// Registers the unit's design data and its subprogram table.
void ieee_p_3499444699_init(void);

//   0: Is_X(UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3141295106_3536714472(char *block, const uint8_t *arg, const array_bounds *arg_bounds);

//   1: max(INTEGER, INTEGER) return INTEGER
int32_t ieee_p_3499444699_sub_3409386410_3536714472(char *block, int32_t l, int32_t r);

//   2: min(INTEGER, INTEGER) return INTEGER
int32_t ieee_p_3499444699_sub_3409663016_3536714472(char *block, int32_t l, int32_t r);

//   3: MAKE_BINARY(STD_ULOGIC) return STD_ULOGIC
uint8_t ieee_p_3499444699_sub_2035181919_3536714472(char *block, uint8_t arg);

//   4: MAKE_BINARY(UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_3292431343_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//   5: MAKE_BINARY(UNSIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_211906012_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//   6: MAKE_BINARY(SIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_3176690709_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//   7: MAKE_BINARY(SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_96165378_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//   8: MAKE_BINARY(STD_LOGIC_VECTOR) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_1230020568_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//   9: MAKE_BINARY(UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_1791835871_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//  10: MAKE_BINARY(SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_1676095237_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds);

//  11: LEFT_SIGNED_ARG(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3823682755_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  12: LEFT_UNSIGNED_ARG(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2116600214_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  13: MULT_SIGNED_ARG(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_230791002_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  14: MULT_UNSIGNED_ARG(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2172687853_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  15: mult(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2888649822_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  16: mult(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1598393164_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  17: minus(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_1658551380_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  18: plus(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3258556147_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  19: unsigned_minus(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2026593007_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  20: unsigned_plus(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_589026959_3536714472(char *block, array_bounds *result_bounds, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  21: *(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3138463120_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  22: *(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1704181104_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  23: *(UNSIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3254203762_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  24: *(SIGNED, UNSIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2938610218_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  25: *(SIGNED, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_258058432_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  26: *(UNSIGNED, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_173946173_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  27: *(UNSIGNED, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_373799074_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  28: *(SIGNED, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_58205530_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  29: +(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2254111597_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  30: +(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3158760445_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  31: +(UNSIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2683234343_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  32: +(SIGNED, UNSIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3006065631_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  33: +(UNSIGNED, INTEGER) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1438093509_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  34: +(INTEGER, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1350516001_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  35: +(SIGNED, INTEGER) return SIGNED
uint8_t *ieee_p_3499444699_sub_2783551994_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  36: +(INTEGER, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3401658142_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  37: +(UNSIGNED, STD_ULOGIC) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1819668549_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  38: +(STD_ULOGIC, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1347574249_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  39: +(SIGNED, STD_ULOGIC) return SIGNED
uint8_t *ieee_p_3499444699_sub_3645364408_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  40: +(STD_ULOGIC, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2850438820_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  41: +(UNSIGNED, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_723876666_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  42: +(SIGNED, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_278355757_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  43: +(UNSIGNED, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4097796951_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  44: +(SIGNED, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_125660943_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  45: +(UNSIGNED, INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4232465333_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  46: +(INTEGER, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4144887825_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  47: +(SIGNED, INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4198114602_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  48: +(INTEGER, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_521253454_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  49: +(UNSIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_289433618_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  50: +(STD_ULOGIC, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4112306614_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  51: +(SIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_764959720_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  52: +(STD_ULOGIC, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4265001428_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  53: -(UNSIGNED, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2254183471_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  54: -(SIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3158832319_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  55: -(UNSIGNED, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2683306217_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  56: -(SIGNED, UNSIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3006137505_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  57: -(UNSIGNED, INTEGER) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1438165383_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  58: -(INTEGER, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1350587875_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  59: -(SIGNED, INTEGER) return SIGNED
uint8_t *ieee_p_3499444699_sub_2783623868_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  60: -(INTEGER, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3401730016_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  61: -(UNSIGNED, STD_ULOGIC) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1960687613_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  62: -(STD_ULOGIC, UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1413961257_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  63: -(SIGNED, STD_ULOGIC) return SIGNED
uint8_t *ieee_p_3499444699_sub_3645436282_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  64: -(STD_ULOGIC, SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2850510694_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  65: -(UNSIGNED, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_723948540_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  66: -(SIGNED, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_278427631_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  67: -(UNSIGNED, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4097868825_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  68: -(SIGNED, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_125732817_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  69: -(UNSIGNED, INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4232537207_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  70: -(INTEGER, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4144959699_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  71: -(SIGNED, INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4198186476_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  72: -(INTEGER, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_521325328_3536714472(char *block, array_bounds *result_bounds, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  73: -(UNSIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_460092141_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  74: -(STD_ULOGIC, UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4208333081_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  75: -(SIGNED, STD_ULOGIC) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_765031594_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds, uint8_t r);

//  76: -(STD_ULOGIC, SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4265073302_3536714472(char *block, array_bounds *result_bounds, uint8_t l, const uint8_t *r, const array_bounds *r_bounds);

//  77: +(UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1427366415_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  78: +(SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2708953618_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  79: -(SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_2998320402_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  80: ABS(SIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3466875835_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  81: +(UNSIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4192098780_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  82: +(SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_4123516226_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  83: -(SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_145293660_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  84: ABS(SIGNED) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_613849093_3536714472(char *block, array_bounds *result_bounds, const uint8_t *l, const array_bounds *l_bounds);

//  85: UNSIGNED_RETURN_BOOLEAN(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1577414374_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  86: SIGNED_RETURN_BOOLEAN(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1358488199_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  87: is_less(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3678644199_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  88: is_less_or_equal(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_298816126_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  89: unsigned_is_less(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2519015672_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  90: unsigned_is_less_or_equal(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2764363535_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

//  91: <(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2591093089_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  92: <(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2145572180_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  93: <(UNSIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1670046078_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  94: <(SIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1992877366_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

//  95: <(UNSIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2368579451_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  96: <(INTEGER, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2235775063_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  97: <(SIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1770363729_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

//  98: <(INTEGER, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2388469877_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

//  99: <=(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3950470366_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 100: <=(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3504949457_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 101: <=(UNSIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3029423355_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 102: <=(SIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3352254643_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 103: <=(UNSIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3727956728_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 104: <=(INTEGER, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3595152340_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 105: <=(SIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3129741006_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 106: <=(INTEGER, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3747847154_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 107: >(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2591164963_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 108: >(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2145644054_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 109: >(UNSIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1670117952_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 110: >(SIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1992949240_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 111: >(UNSIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2368651325_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 112: >(INTEGER, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2235846937_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 113: >(SIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1770435603_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 114: >(INTEGER, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2388541751_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 115: >=(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3952842208_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 116: >=(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3507321299_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 117: >=(UNSIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3031795197_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 118: >=(SIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3354626485_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 119: >=(UNSIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3730328570_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 120: >=(INTEGER, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3597524182_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 121: >=(SIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3132112848_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 122: >=(INTEGER, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3750218996_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 123: bitwise_eql(STD_ULOGIC_VECTOR, STD_ULOGIC_VECTOR) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3375251984_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

// 124: bitwise_neq(STD_ULOGIC_VECTOR, STD_ULOGIC_VECTOR) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3385499474_3536714472(char *block, const uint8_t *a, const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);

// 125: =(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2591129026_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 126: =(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2145608117_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 127: =(UNSIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1670082015_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 128: =(SIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1992913303_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 129: =(UNSIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2368615388_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 130: =(INTEGER, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2235811000_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 131: =(SIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_1770399666_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 132: =(INTEGER, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_2388505814_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 133: /=(UNSIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3935053393_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 134: /=(SIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3489532484_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 135: /=(UNSIGNED, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3014006382_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 136: /=(SIGNED, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3336837670_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, const uint8_t *r, const array_bounds *r_bounds);

// 137: /=(UNSIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3712539755_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 138: /=(INTEGER, UNSIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3579735367_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 139: /=(SIGNED, INTEGER) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3114324033_3536714472(char *block, const uint8_t *l, const array_bounds *l_bounds, int32_t r);

// 140: /=(INTEGER, SIGNED) return BOOLEAN
uint8_t ieee_p_3499444699_sub_3732430181_3536714472(char *block, int32_t l, const uint8_t *r, const array_bounds *r_bounds);

// 141: SHL(UNSIGNED, COUNT: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1904283970_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, const uint8_t *count, const array_bounds *count_bounds);

// 142: SHL(SIGNED, COUNT: UNSIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3265085561_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, const uint8_t *count, const array_bounds *count_bounds);

// 143: SHR(UNSIGNED, COUNT: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_1775521082_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, const uint8_t *count, const array_bounds *count_bounds);

// 144: SHR(SIGNED, COUNT: UNSIGNED) return SIGNED
uint8_t *ieee_p_3499444699_sub_3327266423_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, const uint8_t *count, const array_bounds *count_bounds);

// 145: CONV_INTEGER(INTEGER) return INTEGER
int32_t ieee_p_3499444699_sub_252593879_3536714472(char *block, int32_t arg);

// 146: CONV_INTEGER(UNSIGNED) return INTEGER
int32_t ieee_p_3499444699_sub_403572219_3536714472(char *block, const uint8_t *arg, const array_bounds *arg_bounds);

// 147: CONV_INTEGER(SIGNED) return INTEGER
int32_t ieee_p_3499444699_sub_879098320_3536714472(char *block, const uint8_t *arg, const array_bounds *arg_bounds);

// 148: CONV_INTEGER(STD_ULOGIC) return SMALL_INT
int32_t ieee_p_3499444699_sub_829756913_3536714472(char *block, uint8_t arg);

// 149: CONV_UNSIGNED(INTEGER, SIZE: INTEGER) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2169654707_3536714472(char *block, array_bounds *result_bounds, int32_t arg, int32_t size);

// 150: CONV_UNSIGNED(UNSIGNED, SIZE: INTEGER) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2251616255_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 151: CONV_UNSIGNED(SIGNED, SIZE: INTEGER) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2191728911_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 152: CONV_UNSIGNED(STD_ULOGIC, SIZE: INTEGER) return UNSIGNED
uint8_t *ieee_p_3499444699_sub_2596859466_3536714472(char *block, array_bounds *result_bounds, uint8_t arg, int32_t size);

// 153: CONV_SIGNED(INTEGER, SIZE: INTEGER) return SIGNED
uint8_t *ieee_p_3499444699_sub_111358101_3536714472(char *block, array_bounds *result_bounds, int32_t arg, int32_t size);

// 154: CONV_SIGNED(UNSIGNED, SIZE: INTEGER) return SIGNED
uint8_t *ieee_p_3499444699_sub_112481205_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 155: CONV_SIGNED(SIGNED, SIZE: INTEGER) return SIGNED
uint8_t *ieee_p_3499444699_sub_492870835_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 156: CONV_SIGNED(STD_ULOGIC, SIZE: INTEGER) return SIGNED
uint8_t *ieee_p_3499444699_sub_17676902_3536714472(char *block, array_bounds *result_bounds, uint8_t arg, int32_t size);

// 157: CONV_STD_LOGIC_VECTOR(INTEGER, SIZE: INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_2213602152_3536714472(char *block, array_bounds *result_bounds, int32_t arg, int32_t size);

// 158: CONV_STD_LOGIC_VECTOR(UNSIGNED, SIZE: INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_2930370427_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 159: CONV_STD_LOGIC_VECTOR(SIGNED, SIZE: INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_2237018233_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 160: CONV_STD_LOGIC_VECTOR(STD_ULOGIC, SIZE: INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_2801562521_3536714472(char *block, array_bounds *result_bounds, uint8_t arg, int32_t size);

// 161: EXT(STD_LOGIC_VECTOR, SIZE: INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_854811550_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

// 162: SXT(STD_LOGIC_VECTOR, SIZE: INTEGER) return STD_LOGIC_VECTOR
uint8_t *ieee_p_3499444699_sub_871414444_3536714472(char *block, array_bounds *result_bounds, const uint8_t *arg, const array_bounds *arg_bounds, int32_t size);

#ifdef __cplusplus
}
#endif

#endif
