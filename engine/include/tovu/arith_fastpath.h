// The kernel's arithmetic workers for std_logic_arith and std_logic_unsigned.
// The package operators bring their operands to a common length and hand the
// bit-level work to these functions instead of running the package's own
// element loops; each gives exactly what the package body it stands for gives.
//
// Every function takes std_logic_arith's memory block first (std_logic_unsigned's
// for ieee_std_logic_unsigned_equal_stdv_stdv). Vectors are one std_ulogic
// position per element, leftmost element most significant whatever the range's
// direction. Array results are size elements ranged (size-1 downto 0), in
// transient memory, with the bounds written into `out`.
#ifndef TOVU_ARITH_FASTPATH_H
#define TOVU_ARITH_FASTPATH_H

#include <stdint.h>

#include "tovu/zem.h"

// The kernel library exports exactly what its public headers declare.
#pragma GCC visibility push(default)

#ifdef __cplusplus
extern "C" {
#endif

// ---- conversions to a given length ----
// The INTEGER's two's-complement bits, cut to (or sign-extended to) size elements.
uint8_t *ieee_std_logic_arith_conv_signed_integer(char *block, array_bounds *out, int32_t value, int32_t size);
// A SIGNED operand sign-extended or cut to its size low-order elements.
uint8_t *ieee_std_logic_arith_conv_signed_signext(char *block, array_bounds *out, const uint8_t *data,
                                                  const array_bounds *bounds, int32_t size);
// An UNSIGNED operand as a SIGNED value: '0' elements in front, or cut.
uint8_t *ieee_std_logic_arith_conv_signed_zeroext(char *block, array_bounds *out, const uint8_t *data,
                                                  const array_bounds *bounds, int32_t size);
// An UNSIGNED operand zero-extended or cut (CONV_UNSIGNED(UNSIGNED, size)).
uint8_t *ieee_std_logic_arith_conv_unsigned_zeroext(char *block, array_bounds *out, const uint8_t *data,
                                                    const array_bounds *bounds, int32_t size);
// A SIGNED operand as UNSIGNED, sign-extended or cut (CONV_UNSIGNED(SIGNED, size)).
uint8_t *ieee_std_logic_arith_conv_unsigned_signext(char *block, array_bounds *out, const uint8_t *data,
                                                    const array_bounds *bounds, int32_t size);
// CONV_INTEGER(UNSIGNED) and CONV_INTEGER(SIGNED).
int32_t ieee_std_logic_arith_conv_integer_unsigned(char *block, const uint8_t *data, const array_bounds *bounds);
int32_t ieee_std_logic_arith_conv_integer_signed(char *block, const uint8_t *data, const array_bounds *bounds);

// ---- adders, subtractors, multipliers ----
// Two operands of one length n: A + B or A - B modulo 2**n, n elements.
uint8_t *ieee_std_logic_arith_plus_signed(char *block, array_bounds *out, const uint8_t *a,
                                          const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);
uint8_t *ieee_std_logic_arith_minus_signed(char *block, array_bounds *out, const uint8_t *a,
                                           const array_bounds *a_bounds, const uint8_t *b,
                                           const array_bounds *b_bounds);
uint8_t *ieee_std_logic_arith_plus_unsigned(char *block, array_bounds *out, const uint8_t *a,
                                            const array_bounds *a_bounds, const uint8_t *b,
                                            const array_bounds *b_bounds);
uint8_t *ieee_std_logic_arith_minus_unsigned(char *block, array_bounds *out, const uint8_t *a,
                                             const array_bounds *a_bounds, const uint8_t *b,
                                             const array_bounds *b_bounds);
// Operands of lengths a and b: the full product, a+b elements.
uint8_t *ieee_std_logic_arith_mult_signed(char *block, array_bounds *out, const uint8_t *a,
                                          const array_bounds *a_bounds, const uint8_t *b, const array_bounds *b_bounds);
uint8_t *ieee_std_logic_arith_mult_unsigned(char *block, array_bounds *out, const uint8_t *a,
                                            const array_bounds *a_bounds, const uint8_t *b,
                                            const array_bounds *b_bounds);

// ---- orderings (operands of one length) and comparisons (any lengths) ----
uint8_t ieee_std_logic_arith_signed_is_less(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                            const uint8_t *b, const array_bounds *b_bounds);
uint8_t ieee_std_logic_arith_signed_is_less_or_equal(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                     const uint8_t *b, const array_bounds *b_bounds);
uint8_t ieee_std_logic_arith_unsigned_is_less(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                              const uint8_t *b, const array_bounds *b_bounds);
uint8_t ieee_std_logic_arith_unsigned_is_less_or_equal(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                       const uint8_t *b, const array_bounds *b_bounds);
uint8_t ieee_std_logic_arith_equal_unsigned_unsigned(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                     const uint8_t *r, const array_bounds *r_bounds);
uint8_t ieee_std_logic_arith_greater_unsigned_unsigned(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                       const uint8_t *r, const array_bounds *r_bounds);

// std_logic_unsigned's `=`(STD_LOGIC_VECTOR, STD_LOGIC_VECTOR); the block is
// std_logic_unsigned's (IEEE_P_3620187407). Nonzero when equal.
uint8_t ieee_std_logic_unsigned_equal_stdv_stdv(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                const uint8_t *r, const array_bounds *r_bounds);

#ifdef __cplusplus
}
#endif

#pragma GCC visibility pop

#endif
