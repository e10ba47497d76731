// math_real (unit ieee_p_3972351953): the IEEE 1076.2 REAL functions,
// computed by the package's own code in 64-bit doubles (no mathematical
// library is called): rounding, the pseudo-random generator, roots, powers,
// the exponential and the logarithms, the trigonometric functions (CORDIC)
// and the hyperbolic functions. One function per subprogram of the package
// body, listed in body order, which is the order of the subprogram table.
//
// Calling convention: the first argument is the package's memory block
// (IEEE_P_3972351953), which holds the package constants and report texts.
// REAL travels as a double, INTEGER and POSITIVE as 32-bit signed integers;
// UNIFORM's INOUT and OUT parameters are pointers to the caller's storage.
// An array result (CORDIC, POWER_OF_2_SERIES) is returned as a data pointer
// into kernel transient memory, with its bounds written to the record passed
// second; an array argument is its data pointer followed by its bounds.
// A failing call reports an ERROR (EXP's overflow a NOTE) and returns the
// value the function documents; it never stops the run itself. Only the
// body-local CORDIC and POWER_OF_2_SERIES, when called through the
// subprogram table with a count beyond their tables or beyond what a result
// can hold, fail an index check, which ends the run.
#ifndef TOVU_IEEE_P_3972351953_H
#define TOVU_IEEE_P_3972351953_H

#include <stdint.h>

#include "tovu/zem.h"

extern "C" {

// Registers the package's design data and its subprogram table.
void ieee_p_3972351953_init(void);

// Body-local helpers of the trigonometric functions.
//  0: POWER_OF_2_SERIES(D: NATURAL_VECTOR; INITIAL_VALUE: REAL;
//     NUMBER_OF_VALUES: NATURAL) return REAL_VECTOR (0 to NUMBER_OF_VALUES)
double *ieee_p_3972351953_sub_597906855_2984157535(char *block, array_bounds *result_bounds, const int32_t *d,
                                                   const array_bounds *d_bounds, double initial_value,
                                                   int32_t number_of_values);
//  1: CORDIC(X0, Y0, Z0: REAL; N: NATURAL; MODE: CORDIC_MODE_TYPE) return
//     REAL_VECTOR (0 to 2) holding X, Y and Z after steps 0 to N. MODE is
//     ROTATION (0) or VECTORING (1).
double *ieee_p_3972351953_sub_2938191189_2984157535(char *block, array_bounds *result_bounds, double x0, double y0,
                                                    double z0, int32_t n, uint8_t mode);

// Rounding, minimum and maximum, modulus, random numbers.
//  2: SIGN(X): 1.0, -1.0 or 0.0
double ieee_p_3972351953_sub_795735699_2984157535(char *block, double x);
//  3: CEIL(X)
double ieee_p_3972351953_sub_1147618771_2984157535(char *block, double x);
//  4: FLOOR(X)
double ieee_p_3972351953_sub_28498392_2984157535(char *block, double x);
//  5: ROUND(X): halves go away from zero
double ieee_p_3972351953_sub_1782959306_2984157535(char *block, double x);
//  6: TRUNC(X)
double ieee_p_3972351953_sub_188333038_2984157535(char *block, double x);
//  7: "MOD"(X, Y): the result has the sign of Y
double ieee_p_3972351953_sub_1635143497_2984157535(char *block, double x, double y);
//  8: REALMAX(X, Y)
double ieee_p_3972351953_sub_2013354414_2984157535(char *block, double x, double y);
//  9: REALMIN(X, Y)
double ieee_p_3972351953_sub_2013631020_2984157535(char *block, double x, double y);
// 10: procedure UNIFORM(SEED1, SEED2: inout POSITIVE; X: out REAL); the
//     second argument is not used.
void ieee_p_3972351953_sub_3007962107_2984157535(char *block, void *unused, int32_t *seed1, int32_t *seed2, double *x);

// Roots, powers, exponential and logarithms.
// 11: SQRT(X)
double ieee_p_3972351953_sub_1722501855_2984157535(char *block, double x);
// 12: CBRT(X)
double ieee_p_3972351953_sub_906367133_2984157535(char *block, double x);
// 13: "**"(X: INTEGER; Y: REAL)
double ieee_p_3972351953_sub_2171244304_2984157535(char *block, int32_t x, double y);
// 14: "**"(X, Y: REAL)
double ieee_p_3972351953_sub_2618671228_2984157535(char *block, double x, double y);
// 15: EXP(X)
double ieee_p_3972351953_sub_785569749_2984157535(char *block, double x);
// 16: the power-of-two exponent m of X, with 1.0 <= |X| / 2**m < 2.0
int32_t ieee_p_3972351953_sub_1422932443_2984157535(char *block, double x);
// 17: X * 2.0**N
double ieee_p_3972351953_sub_3025794763_2984157535(char *block, double x, int32_t n);
// 18: LOG(X), the natural logarithm
double ieee_p_3972351953_sub_1543758017_2984157535(char *block, double x);
// 19: LOG2(X)
double ieee_p_3972351953_sub_528838134_2984157535(char *block, double x);
// 20: LOG10(X)
double ieee_p_3972351953_sub_2605234405_2984157535(char *block, double x);
// 21: LOG(X, BASE)
double ieee_p_3972351953_sub_1341592424_2984157535(char *block, double x, double base);

// Trigonometric functions.
// 22: SIN(X)
double ieee_p_3972351953_sub_1485185913_2984157535(char *block, double x);
// 23: COS(X)
double ieee_p_3972351953_sub_773523744_2984157535(char *block, double x);
// 24: TAN(X)
double ieee_p_3972351953_sub_1125417762_2984157535(char *block, double x);
// 25: ARCSIN(X)
double ieee_p_3972351953_sub_1898361299_2984157535(char *block, double x);
// 26: ARCCOS(X)
double ieee_p_3972351953_sub_1879607630_2984157535(char *block, double x);
// 27: ARCTAN(Y)
double ieee_p_3972351953_sub_1487517033_2984157535(char *block, double y);
// 28: ARCTAN(Y, X), the angle of the point (X, Y)
double ieee_p_3972351953_sub_1311584390_2984157535(char *block, double y, double x);

// Hyperbolic functions.
// 29: SINH(X)
double ieee_p_3972351953_sub_1792801001_2984157535(char *block, double x);
// 30: COSH(X)
double ieee_p_3972351953_sub_160431096_2984157535(char *block, double x);
// 31: TANH(X)
double ieee_p_3972351953_sub_1822449026_2984157535(char *block, double x);
// 32: ARCSINH(X)
double ieee_p_3972351953_sub_921458122_2984157535(char *block, double x);
// 33: ARCCOSH(X)
double ieee_p_3972351953_sub_302587045_2984157535(char *block, double x);
// 34: ARCTANH(X)
double ieee_p_3972351953_sub_951106147_2984157535(char *block, double x);

}  // extern "C"

#endif
