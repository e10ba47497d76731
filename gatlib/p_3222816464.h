// The device-primitive support package (unit gatlib_p_3222816464): conversions
// between std_logic vectors, integers and text, and the checks and reports of
// the library's memory and primitive models. Every subprogram takes
// GATLIB_P_3222816464 first; a procedure then takes the caller context (the
// calling process_record, or 0).
#ifndef TOVU_GATLIB_P_3222816464_H
#define TOVU_GATLIB_P_3222816464_H

#include <cstdint>

#include "tovu/zem.h"

extern "C" {

void gatlib_p_3222816464_init(void);

// vector_to_natural (slot 0): the unsigned value, highest index most significant; only '1' counts as 1.
int32_t gatlib_p_3222816464_sub_3182959421_279109243(char *block, const uint8_t *v, const array_bounds *vb);
// hex4_to_vector16 (slot 1): four hex characters (4 downto 1) to std_logic_vector(15 downto 0).
uint8_t *gatlib_p_3222816464_sub_2103271057_279109243(char *block, array_bounds *out, const char *text);
// hex8_to_vector32 (slot 2): eight hex characters (8 downto 1) to std_logic_vector(31 downto 0).
uint8_t *gatlib_p_3222816464_sub_2103338703_279109243(char *block, array_bounds *out, const char *text);
// bits4_to_integer (slot 3): a (3 downto 0) vector to 0..15, 16 when it holds other values than '0'/'1'.
int32_t gatlib_p_3222816464_sub_973038639_279109243(char *block, const uint8_t *v);
// bits5_to_integer (slot 4): a (4 downto 0) vector to 0..31, 32 when it holds other values than '0'/'1'.
int32_t gatlib_p_3222816464_sub_973039728_279109243(char *block, const uint8_t *v);
// is_all_01 (slot 5): TRUE when every element is '0' or '1'.
uint8_t gatlib_p_3222816464_sub_2053111517_279109243(char *block, const uint8_t *v, const array_bounds *vb);
// vector_to_text (slot 6): STRING (length downto 1), highest index leftmost; U, X, 0, 1 kept, the rest 'X'.
char *gatlib_p_3222816464_sub_3034208508_279109243(char *block, array_bounds *out, const uint8_t *v,
                                                   const array_bounds *vb);
// vector_to_hex_text (slot 7): STRING (n downto 1) of hexadecimal digits, most significant first.
char *gatlib_p_3222816464_sub_3342225202_279109243(char *block, array_bounds *out, const uint8_t *v,
                                                   const array_bounds *vb, int32_t n);
// handle_unknown_address (slot 8): WARNING with the address, every data element := 'X'.
void gatlib_p_3222816464_sub_172108543_279109243(char *block, void *ctx, const uint8_t *address,
                                                 const array_bounds *ab, uint8_t *data, const array_bounds *db);
// port_bit_overlap (slot 9): the bits that word a of width wa and word b of width wb share.
void gatlib_p_3222816464_sub_3249963962_279109243(char *block, void *ctx, int32_t a, int32_t b, int32_t wa,
                                                  int32_t wb, uint8_t *overlap, int32_t *lo, int32_t *hi,
                                                  int32_t *a_lo, int32_t *a_hi, int32_t *b_lo, int32_t *b_hi);
// handle_unknown_address_by_mode (slot 10)
void gatlib_p_3222816464_sub_684226450_279109243(char *block, void *ctx, const uint8_t *address,
                                                 const array_bounds *ab, int32_t low, int32_t high,
                                                 const uint8_t *mode, const array_bounds *mb, const uint8_t *t1,
                                                 const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
                                                 const uint8_t *t3, const array_bounds *t3b, uint8_t *data,
                                                 const array_bounds *db);
// report_bad_attribute_string (slot 11)
void gatlib_p_3222816464_sub_3472237771_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, const uint8_t *value,
    const array_bounds *vb, const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b,
    const uint8_t *t7, const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity);
// report_bad_attribute_integer_range (slot 12)
void gatlib_p_3222816464_sub_2797092198_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, int32_t value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, int32_t legal,
    const uint8_t *t7, const array_bounds *t7b, uint8_t severity);
// report_bad_attribute_boolean (slot 13)
void gatlib_p_3222816464_sub_2926893151_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, uint8_t value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, const uint8_t *t7,
    const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity);
// report_bad_attribute_integer (slot 14)
void gatlib_p_3222816464_sub_2788155168_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, int32_t value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, const uint8_t *t7,
    const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity);
// report_bad_attribute_real (slot 15)
void gatlib_p_3222816464_sub_2550509707_279109243(
    char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b, const uint8_t *t2, const array_bounds *t2b,
    const uint8_t *t3, const array_bounds *t3b, const uint8_t *t4, const array_bounds *t4b, double value,
    const uint8_t *t5, const array_bounds *t5b, const uint8_t *t6, const array_bounds *t6b, const uint8_t *t7,
    const array_bounds *t7b, const uint8_t *t8, const array_bounds *t8b, uint8_t severity);
// report_memory_collision (slot 16)
void gatlib_p_3222816464_sub_3573479399_279109243(char *block, void *ctx, const uint8_t *t1, const array_bounds *t1b,
                                                  const uint8_t *t2, const array_bounds *t2b, const uint8_t *t3,
                                                  const array_bounds *t3b, uint8_t kind, const uint8_t *address_a,
                                                  const array_bounds *aab, const uint8_t *address_b,
                                                  const array_bounds *abb, uint8_t severity);
// check_time_resolution (slot 17)
void gatlib_p_3222816464_sub_415948829_279109243(char *block, void *ctx, const uint8_t *name, const array_bounds *nb);

}  // extern "C"

#endif
