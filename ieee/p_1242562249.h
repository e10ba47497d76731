// numeric_std (unit ieee_p_1242562249): arithmetic, comparison, conversion,
// shift and logic operations on std_logic vectors read as unsigned binary
// numbers (UNSIGNED) or two's-complement numbers (SIGNED).
//
// One function per subprogram of the package body, the body's local helpers
// included, listed in slot order of the unit's subprogram table. Every
// function takes the package block (IEEE_P_1242562249) first; an array result
// is returned in kernel transient memory with its bounds written into the
// record passed second. std_logic values and BOOLEAN results travel as one
// byte; INTEGER and NATURAL as 32-bit signed integers.
#ifndef TOVU_IEEE_P_1242562249_H
#define TOVU_IEEE_P_1242562249_H

#include <stdint.h>

#include "tovu/zem.h"

extern "C" {

// Registers the package's design data and its subprogram table.
void ieee_p_1242562249_init(void);

//   0: MAX (LEFT, RIGHT: INTEGER) return INTEGER
int32_t ieee_p_1242562249_sub_3160373586_1035706684(char *block, int32_t left, int32_t right);
//   1: MIN (LEFT, RIGHT: INTEGER) return INTEGER
int32_t ieee_p_1242562249_sub_3160650192_1035706684(char *block, int32_t left, int32_t right);
//   2: SIGNED_NUM_BITS (ARG: INTEGER) return NATURAL
int32_t ieee_p_1242562249_sub_3824177444_1035706684(char *block, int32_t arg);
//   3: UNSIGNED_NUM_BITS (ARG: NATURAL) return NATURAL
int32_t ieee_p_1242562249_sub_3295552210_1035706684(char *block, int32_t arg);
//   4: ADD_UNSIGNED (L, R: UNSIGNED; C: STD_LOGIC) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_353865036_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds, uint8_t c);
//   5: ADD_SIGNED (L, R: SIGNED; C: STD_LOGIC) return SIGNED
uint8_t *ieee_p_1242562249_sub_702267453_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds, uint8_t c);
//   6: DIVMOD (NUM, XDENOM: UNSIGNED; XQUOT, XREMAIN: out UNSIGNED)
void ieee_p_1242562249_sub_4109383058_1035706684(char *block, void *context, const uint8_t *num,
                                                 const array_bounds *num_bounds, const uint8_t *xdenom,
                                                 const array_bounds *xdenom_bounds, uint8_t *xquot,
                                                 const array_bounds *xquot_bounds, uint8_t *xremain,
                                                 const array_bounds *xremain_bounds);
//   7: XSLL (ARG: STD_LOGIC_VECTOR; COUNT: NATURAL) return STD_LOGIC_VECTOR
uint8_t *ieee_p_1242562249_sub_618269441_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//   8: XSRL (ARG: STD_LOGIC_VECTOR; COUNT: NATURAL) return STD_LOGIC_VECTOR
uint8_t *ieee_p_1242562249_sub_618485063_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//   9: XSRA (ARG: STD_LOGIC_VECTOR; COUNT: NATURAL) return STD_LOGIC_VECTOR
uint8_t *ieee_p_1242562249_sub_505238664_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  10: XROL (ARG: STD_LOGIC_VECTOR; COUNT: NATURAL) return STD_LOGIC_VECTOR
uint8_t *ieee_p_1242562249_sub_614346876_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  11: XROR (ARG: STD_LOGIC_VECTOR; COUNT: NATURAL) return STD_LOGIC_VECTOR
uint8_t *ieee_p_1242562249_sub_614353410_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  12: UNSIGNED_EQUAL (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1233203289_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  13: SIGNED_EQUAL (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3760432601_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  14: UNSIGNED_LESS (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_282954104_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  15: SIGNED_LESS (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3494152804_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  16: UNSIGNED_LESS_OR_EQUAL (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_959202607_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  17: SIGNED_LESS_OR_EQUAL (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2517024443_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  18: operator abs (ARG: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3869231325_1035706684(char *block, array_bounds *result, const uint8_t *arg,
                                                     const array_bounds *arg_bounds);
//  19: operator - (ARG: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3481121704_1035706684(char *block, array_bounds *result, const uint8_t *arg,
                                                     const array_bounds *arg_bounds);
//  20: operator + (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1547198987_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  21: operator + (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3273497107_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  22: operator + (L: UNSIGNED; R: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1919365254_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  23: operator + (L: NATURAL; R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1654215474_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  24: operator + (L: SIGNED; R: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_2931903318_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  25: operator + (L: INTEGER; R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3666461690_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  26: operator - (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1547270861_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  27: operator - (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3273568981_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  28: operator - (L: UNSIGNED; R: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1919437128_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  29: operator - (L: NATURAL; R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1654287348_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  30: operator - (L: SIGNED; R: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_2931975192_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  31: operator - (L: INTEGER; R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3666533564_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  32: operator * (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2053728113_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  33: operator * (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_2807594338_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  34: operator * (L: UNSIGNED; R: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1919329317_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  35: operator * (L: NATURAL; R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1654179537_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  36: operator * (L: SIGNED; R: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_2931867381_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  37: operator * (L: INTEGER; R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3666425753_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  38: operator / (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1922276087_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  39: operator / (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_2849293644_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  40: operator / (L: UNSIGNED; R: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1808404841_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  41: operator / (L: NATURAL; R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1486818655_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  42: operator / (L: SIGNED; R: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_3461525680_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  43: operator / (L: INTEGER; R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_2775072687_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  44: operator rem (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_3059403468_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  45: operator rem (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_492975887_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  46: operator rem (L: UNSIGNED; R: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2962408653_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  47: operator rem (L: NATURAL; R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2640822467_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  48: operator rem (L: SIGNED; R: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_320562204_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  49: operator rem (L: INTEGER; R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3929076507_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  50: operator mod (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2875262280_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  51: operator mod (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3802353957_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  52: operator mod (L: UNSIGNED; R: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2778267465_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  53: operator mod (L: NATURAL; R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2456681279_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  54: operator mod (L: SIGNED; R: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_136421016_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, int32_t r);
//  55: operator mod (L: INTEGER; R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3744935319_1035706684(char *block, array_bounds *result, int32_t l, const uint8_t *r,
                                                     const array_bounds *r_bounds);
//  56: operator > (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2110411308_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  57: operator > (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2720078402_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  58: operator > (L: NATURAL; R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1686818447_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  59: operator > (L: INTEGER; R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2019698268_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  60: operator > (L: UNSIGNED; R: NATURAL) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1781543830_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  61: operator > (L: SIGNED; R: INTEGER) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2479290730_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  62: operator < (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2110339434_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  63: operator < (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2720006528_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  64: operator < (L: NATURAL; R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1686746573_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  65: operator < (L: INTEGER; R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2019626394_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  66: operator < (L: UNSIGNED; R: NATURAL) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1781471956_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  67: operator < (L: SIGNED; R: INTEGER) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2479218856_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  68: operator <= (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3469716711_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  69: operator <= (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_4079383805_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  70: operator <= (L: NATURAL; R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3046123850_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  71: operator <= (L: INTEGER; R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3379003671_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  72: operator <= (L: UNSIGNED; R: NATURAL) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3140849233_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  73: operator <= (L: SIGNED; R: INTEGER) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3838596133_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  74: operator >= (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3472088553_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  75: operator >= (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_4081755647_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  76: operator >= (L: NATURAL; R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3048495692_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  77: operator >= (L: INTEGER; R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3381375513_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  78: operator >= (L: UNSIGNED; R: NATURAL) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3143221075_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  79: operator >= (L: SIGNED; R: INTEGER) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3840967975_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  80: operator = (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2110375371_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  81: operator = (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2720042465_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  82: operator = (L: NATURAL; R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1686782510_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  83: operator = (L: INTEGER; R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2019662331_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  84: operator = (L: UNSIGNED; R: NATURAL) return BOOLEAN
uint8_t ieee_p_1242562249_sub_1781507893_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  85: operator = (L: SIGNED; R: INTEGER) return BOOLEAN
uint8_t ieee_p_1242562249_sub_2479254793_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  86: operator /= (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3454299738_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  87: operator /= (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_4063966832_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
//  88: operator /= (L: NATURAL; R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3030706877_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  89: operator /= (L: INTEGER; R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3363586698_1035706684(char *block, int32_t l, const uint8_t *r,
                                                    const array_bounds *r_bounds);
//  90: operator /= (L: UNSIGNED; R: NATURAL) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3125432260_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  91: operator /= (L: SIGNED; R: INTEGER) return BOOLEAN
uint8_t ieee_p_1242562249_sub_3823179160_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    int32_t r);
//  92: SHIFT_LEFT (ARG: UNSIGNED; COUNT: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2770553711_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  93: SHIFT_RIGHT (ARG: UNSIGNED; COUNT: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1830103426_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  94: SHIFT_LEFT (ARG: SIGNED; COUNT: NATURAL) return SIGNED
uint8_t *ieee_p_1242562249_sub_4004982826_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  95: SHIFT_RIGHT (ARG: SIGNED; COUNT: NATURAL) return SIGNED
uint8_t *ieee_p_1242562249_sub_3064532541_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  96: ROTATE_LEFT (ARG: UNSIGNED; COUNT: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_4109847776_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  97: ROTATE_RIGHT (ARG: UNSIGNED; COUNT: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_3077134611_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  98: ROTATE_LEFT (ARG: SIGNED; COUNT: NATURAL) return SIGNED
uint8_t *ieee_p_1242562249_sub_1049309595_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
//  99: ROTATE_RIGHT (ARG: SIGNED; COUNT: NATURAL) return SIGNED
uint8_t *ieee_p_1242562249_sub_16596430_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                   const array_bounds *l_bounds, int32_t r);
// 100: operator sll (ARG: UNSIGNED; COUNT: INTEGER) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2540846514_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 101: operator sll (ARG: SIGNED; COUNT: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_4230814580_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 102: operator srl (ARG: UNSIGNED; COUNT: INTEGER) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2547962040_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 103: operator srl (ARG: SIGNED; COUNT: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_4237930106_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 104: operator rol (ARG: UNSIGNED; COUNT: INTEGER) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2505268884_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 105: operator rol (ARG: SIGNED; COUNT: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_4195236950_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 106: operator ror (ARG: UNSIGNED; COUNT: INTEGER) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2505484506_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 107: operator ror (ARG: SIGNED; COUNT: INTEGER) return SIGNED
uint8_t *ieee_p_1242562249_sub_4195452572_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 108: TO_INTEGER (ARG: UNSIGNED) return NATURAL
int32_t ieee_p_1242562249_sub_1657552908_1035706684(char *block, const uint8_t *arg, const array_bounds *arg_bounds);
// 109: TO_INTEGER (ARG: SIGNED) return INTEGER
int32_t ieee_p_1242562249_sub_2271993008_1035706684(char *block, const uint8_t *arg, const array_bounds *arg_bounds);
// 110: TO_UNSIGNED (ARG, SIZE: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_180853171_1035706684(char *block, array_bounds *result, int32_t arg, int32_t size);
// 111: TO_SIGNED (ARG: INTEGER; SIZE: NATURAL) return SIGNED
uint8_t *ieee_p_1242562249_sub_2563015576_1035706684(char *block, array_bounds *result, int32_t arg, int32_t size);
// 112: RESIZE (ARG: SIGNED; NEW_SIZE: NATURAL) return SIGNED
uint8_t *ieee_p_1242562249_sub_3410769178_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 113: RESIZE (ARG: UNSIGNED; NEW_SIZE: NATURAL) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2045698577_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, int32_t r);
// 114: operator not (L: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2892387531_1035706684(char *block, array_bounds *result, const uint8_t *arg,
                                                     const array_bounds *arg_bounds);
// 115: operator and (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1854260743_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 116: operator or (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2794316277_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 117: operator nand (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_562151893_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 118: operator nor (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2364709891_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 119: operator xor (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_2756063821_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 120: operator xnor (L, R: UNSIGNED) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1102378843_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 121: operator not (L: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3991088854_1035706684(char *block, array_bounds *result, const uint8_t *arg,
                                                     const array_bounds *arg_bounds);
// 122: operator and (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_3696923623_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 123: operator or (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_342011861_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 124: operator nand (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_2404814773_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 125: operator nor (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_4207372771_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 126: operator xor (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_303759405_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                    const array_bounds *l_bounds, const uint8_t *r,
                                                    const array_bounds *r_bounds);
// 127: operator xnor (L, R: SIGNED) return SIGNED
uint8_t *ieee_p_1242562249_sub_2945041723_1035706684(char *block, array_bounds *result, const uint8_t *l,
                                                     const array_bounds *l_bounds, const uint8_t *r,
                                                     const array_bounds *r_bounds);
// 128: STD_MATCH (L, R: STD_ULOGIC) return BOOLEAN
uint8_t ieee_p_1242562249_sub_319130236_1035706684(char *block, uint8_t l, uint8_t r);
// 129: STD_MATCH (L, R: UNSIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_438795891_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
// 130: STD_MATCH (L, R: SIGNED) return BOOLEAN
uint8_t ieee_p_1242562249_sub_4174973090_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 131: STD_MATCH (L, R: STD_LOGIC_VECTOR) return BOOLEAN
uint8_t ieee_p_1242562249_sub_337943598_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
// 132: STD_MATCH (L, R: STD_ULOGIC_VECTOR) return BOOLEAN
uint8_t ieee_p_1242562249_sub_4198272599_1035706684(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 133: TO_01 (S: UNSIGNED; XMAP: STD_LOGIC) return UNSIGNED
uint8_t *ieee_p_1242562249_sub_1804770815_1035706684(char *block, array_bounds *result, const uint8_t *s,
                                                     const array_bounds *s_bounds, uint8_t xmap);
// 134: TO_01 (S: SIGNED; XMAP: STD_LOGIC) return SIGNED
uint8_t *ieee_p_1242562249_sub_2570320491_1035706684(char *block, array_bounds *result, const uint8_t *s,
                                                     const array_bounds *s_bounds, uint8_t xmap);
}

#endif
