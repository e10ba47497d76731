// math_real (unit ieee_p_3972351953): the IEEE 1076.2 REAL functions,
// computed by the package's own code in 64-bit doubles (no mathematical
// library is called): rounding, the pseudo-random generator, roots, powers,
// the exponential and the logarithms.
//
// Calling convention: the first argument is the package's memory block
// (IEEE_P_3972351953), which holds the package constants and report texts.
// REAL travels as a double, INTEGER and POSITIVE as 32-bit signed integers;
// UNIFORM's INOUT and OUT parameters are pointers to the caller's storage.
// A failing call reports an ERROR (EXP's overflow a NOTE) and returns the
// value the function documents; it never stops the run itself.
#ifndef TOVU_IEEE_P_3972351953_H
#define TOVU_IEEE_P_3972351953_H

#include <stdint.h>

#include "tovu/zem.h"

extern "C" {

// Registers the package's design data.
void ieee_p_3972351953_init(void);

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
void ieee_p_3972351953_sub_3007962107_2984157535(char *block, void *unused, int32_t *seed1, int32_t *seed2,
                                                 double *x);

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

}  // extern "C"

#endif
