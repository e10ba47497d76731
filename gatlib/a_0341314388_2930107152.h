// The clock manager model (unit gatlib_a_0341314388_2930107152): its
// registration and its subprograms. Every subprogram takes the model
// instance's memory block first; vectors of the model's constrained field
// subtypes travel as their data alone: high-time and low-time fields
// (6 downto 0), delay fields (5 downto 0), phase-tap fields (2 downto 0),
// register words (15 downto 0), register addresses (4 downto 0).
#ifndef TOVU_GATLIB_A_0341314388_2930107152_H
#define TOVU_GATLIB_A_0341314388_2930107152_H

#include <cstdint>

#include "tovu/zem.h"

extern "C" {

void gatlib_a_0341314388_2930107152_init(void);

// bits_to_natural (slot 0): the unsigned value, highest index most significant; only '1' counts as 1.
int32_t gatlib_a_0341314388_2930107152_sub_3182959421_1577006045(char *block, const uint8_t *v,
                                                                  const array_bounds *vb);
// all_bits_known (slot 1): TRUE when every element is '0' or '1'.
uint8_t gatlib_a_0341314388_2930107152_sub_2053111517_1577006045(char *block, const uint8_t *v,
                                                                 const array_bounds *vb);
// real_floor (slot 2): 0 for -1.0 < x < 1.0, else the floor of x.
int32_t gatlib_a_0341314388_2930107152_sub_678935357_1577006045(char *block, double x);
// phase_fields (slot 3): a phase in degrees of a channel with this divide
// value as a delay field (whole VCO cycles) and a phase-tap field (eighths);
// warns when the delay exceeds 63 cycles or the phase cannot be met.
void gatlib_a_0341314388_2930107152_sub_3471423806_1577006045(char *block, void *ctx, uint8_t *delay, uint8_t *tap,
                                                             int32_t divide, double phase, const char *name,
                                                             const array_bounds *name_bounds);
// divider_fields (slot 4): a divide value and duty cycle as high-time and
// low-time fields, no-count bit and edge bit.
void gatlib_a_0341314388_2930107152_sub_1294091590_1577006045(char *block, void *ctx, uint8_t *high, uint8_t *low,
                                                             uint8_t *nocount, uint8_t *edge, int32_t divide,
                                                             double duty);
// divider_counts (slot 5): a channel's high, total and last counts from its
// divider fields.
void gatlib_a_0341314388_2930107152_sub_2820184156_1577006045(char *block, void *ctx, int32_t *high, int32_t *total,
                                                             int32_t *last, const uint8_t *high_time,
                                                             const uint8_t *low_time, uint8_t nocount, uint8_t edge);
// unpack_delay_word (slot 6): delay field := word(5..0), bit 6, bit 7.
void gatlib_a_0341314388_2930107152_sub_834437900_1577006045(char *block, void *ctx, uint8_t *delay, uint8_t *bit6,
                                                            uint8_t *bit7, const uint8_t *word,
                                                            const uint8_t *address, const char *word_text,
                                                            const char *name);
// unpack_divider_word (slot 7): low time from word(5..0), high time from
// word(11..6), 3-bit field word(15..13); an ERROR when bit 12 is not '1'.
// word_text has 16 characters, name 5.
void gatlib_a_0341314388_2930107152_sub_3977722524_1577006045(char *block, void *ctx, uint8_t *low, uint8_t *high,
                                                             uint8_t *field3, const uint8_t *word,
                                                             const uint8_t *address, const char *word_text,
                                                             const char *name);
// duty_check (slot 8): '1' when the duty cycle can be made with the divide
// value, else '0'; WARNINGs for a duty cycle out of range or not made.
uint8_t gatlib_a_0341314388_2930107152_sub_2381833435_1577006045(char *block, int32_t divide, double duty,
                                                                const char *name, const array_bounds *name_bounds);

}  // extern "C"

#endif
