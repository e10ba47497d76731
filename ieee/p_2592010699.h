// std_logic_1164 (unit ieee_p_2592010699): the nine-valued logic system that
// every other unit calls. One function per subprogram of the package, listed
// in the order of the package body, which is also the order of the unit's
// subprogram table.
//
// Calling convention: the first argument is the package's memory block
// (IEEE_P_2592010699). std_ulogic and BIT values travel as one byte holding
// the literal's position (std_ulogic: 0 'U', 1 'X', 2 '0', 3 '1', 4 'Z',
// 5 'W', 6 'L', 7 'H', 8 '-'; BIT and BOOLEAN: 0, 1). An array argument is its
// data pointer followed by its bounds. An array result is returned as a data
// pointer into kernel transient memory (never freed by the caller; copy it to
// keep it), with its bounds written to the record passed second. A signal
// parameter is its signal record, 0, and the byte offset of the scalar.
#ifndef TOVU_IEEE_P_2592010699_H
#define TOVU_IEEE_P_2592010699_H

#include <stdint.h>

#include "tovu/zem.h"

extern "C" {

// Registers the package's design data, its subprogram table and `resolved`
// as the resolution function of std_logic and its resolved subtypes.
void ieee_p_2592010699_init(void);

//  0: resolved (s: std_ulogic_vector) return std_ulogic
uint8_t ieee_p_2592010699_sub_3130575329_503743352(char *block, const uint8_t *s, const array_bounds *s_bounds);
//  1: "and" (l, r: std_ulogic)
uint8_t ieee_p_2592010699_sub_1605435078_503743352(char *block, uint8_t l, uint8_t r);
//  2: "nand" (l, r: std_ulogic)
uint8_t ieee_p_2592010699_sub_313326228_503743352(char *block, uint8_t l, uint8_t r);
//  3: "or" (l, r: std_ulogic)
uint8_t ieee_p_2592010699_sub_2545490612_503743352(char *block, uint8_t l, uint8_t r);
//  4: "nor" (l, r: std_ulogic)
uint8_t ieee_p_2592010699_sub_2115884226_503743352(char *block, uint8_t l, uint8_t r);
//  5: "xor" (l, r: std_ulogic)
uint8_t ieee_p_2592010699_sub_2507238156_503743352(char *block, uint8_t l, uint8_t r);
//  6: "xnor" (l, r: std_ulogic)
uint8_t ieee_p_2592010699_sub_853553178_503743352(char *block, uint8_t l, uint8_t r);
//  7: "not" (l: std_ulogic)
uint8_t ieee_p_2592010699_sub_1690584930_503743352(char *block, uint8_t value);
//  8: "and" (l, r: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_795620321_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
//  9: "and" (l, r: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_3719728556_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 10: "nand" (l, r: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3798478767_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 11: "nand" (l, r: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2427619706_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 12: "or" (l, r: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_1735675855_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 13: "or" (l, r: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_364816794_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
// 14: "nor" (l, r: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_1306069469_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 15: "nor" (l, r: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_4230177704_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 16: "xor" (l, r: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_1697423399_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 17: "xor" (l, r: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_326564338_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                   const uint8_t *r, const array_bounds *r_bounds);
// 18: "xnor" (l, r: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_43738421_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                  const uint8_t *r, const array_bounds *r_bounds);
// 19: "xnor" (l, r: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2967846656_503743352(char *block, array_bounds *result, const uint8_t *l, const array_bounds *l_bounds,
                                                    const uint8_t *r, const array_bounds *r_bounds);
// 20: "not" (l: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_1837678034_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 21: "not" (l: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_3946049995_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 22: To_bit (s: std_ulogic; xmap: BIT)
uint8_t ieee_p_2592010699_sub_1594292773_503743352(char *block, uint8_t s, uint8_t xmap);
// 23: To_bitvector (s: std_logic_vector; xmap: BIT)
uint8_t *ieee_p_2592010699_sub_3293060193_503743352(char *block, array_bounds *result, const uint8_t *s, const array_bounds *s_bounds,
                                                    uint8_t xmap);
// 24: To_bitvector (s: std_ulogic_vector; xmap: BIT)
uint8_t *ieee_p_2592010699_sub_3680442889_503743352(char *block, array_bounds *result, const uint8_t *s, const array_bounds *s_bounds,
                                                    uint8_t xmap);
// 25: To_StdULogic (b: BIT)
uint8_t ieee_p_2592010699_sub_1118889809_503743352(char *block, uint8_t value);
// 26: To_StdLogicVector (b: BIT_VECTOR)
uint8_t *ieee_p_2592010699_sub_393209765_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 27: To_StdLogicVector (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_3879918230_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 28: To_StdULogicVector (b: BIT_VECTOR)
uint8_t *ieee_p_2592010699_sub_2063748877_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 29: To_StdULogicVector (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_2331123822_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 30: To_X01 (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3262517747_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 31: To_X01 (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2274186774_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 32: To_X01 (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_1388759734_503743352(char *block, uint8_t value);
// 33: To_X01 (b: BIT_VECTOR) return std_logic_vector
uint8_t *ieee_p_2592010699_sub_4068884626_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 34: To_X01 (b: BIT_VECTOR) return std_ulogic_vector
uint8_t *ieee_p_2592010699_sub_2008703781_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 35: To_X01 (b: BIT)
uint8_t ieee_p_2592010699_sub_1361094856_503743352(char *block, uint8_t value);
// 36: To_X01Z (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3381749997_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 37: To_X01Z (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2393419024_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 38: To_X01Z (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_3990364458_503743352(char *block, uint8_t value);
// 39: To_X01Z (b: BIT_VECTOR) return std_logic_vector
uint8_t *ieee_p_2592010699_sub_4188116876_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 40: To_X01Z (b: BIT_VECTOR) return std_ulogic_vector
uint8_t *ieee_p_2592010699_sub_2127936031_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 41: To_X01Z (b: BIT)
uint8_t ieee_p_2592010699_sub_3962699580_503743352(char *block, uint8_t value);
// 42: To_UX01 (s: std_logic_vector)
uint8_t *ieee_p_2592010699_sub_3349614696_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 43: To_UX01 (s: std_ulogic_vector)
uint8_t *ieee_p_2592010699_sub_2361283723_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 44: To_UX01 (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_3957255360_503743352(char *block, uint8_t value);
// 45: To_UX01 (b: BIT_VECTOR) return std_logic_vector
uint8_t *ieee_p_2592010699_sub_4155981575_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 46: To_UX01 (b: BIT_VECTOR) return std_ulogic_vector
uint8_t *ieee_p_2592010699_sub_2095800730_503743352(char *block, array_bounds *result, const uint8_t *arg, const array_bounds *arg_bounds);
// 47: To_UX01 (b: BIT)
uint8_t ieee_p_2592010699_sub_3929590482_503743352(char *block, uint8_t value);
// 48: rising_edge (signal s: std_ulogic)
uint8_t ieee_p_2592010699_sub_1744673427_503743352(char *block, void *signal_record, int32_t unused, uint32_t offset);
// 49: falling_edge (signal s: std_ulogic)
uint8_t ieee_p_2592010699_sub_1258338084_503743352(char *block, void *signal_record, int32_t unused, uint32_t offset);
// 50: Is_X (s: std_ulogic_vector)
uint8_t ieee_p_2592010699_sub_1722410384_503743352(char *block, const uint8_t *s, const array_bounds *s_bounds);
// 51: Is_X (s: std_logic_vector)
uint8_t ieee_p_2592010699_sub_1600845279_503743352(char *block, const uint8_t *s, const array_bounds *s_bounds);
// 52: Is_X (s: std_ulogic)
uint8_t ieee_p_2592010699_sub_1665218837_503743352(char *block, uint8_t value);

}  // extern "C"

#endif
