// fpga/gamma_table: a read-only table of 256 entries of 8 bits with a
// registered read port. Its content, a gamma curve, is computed by the
// unit's table function when the design is elaborated.
#ifndef TOVU_WORK_A_0280078389_1516540902_H
#define TOVU_WORK_A_0280078389_1516540902_H

#include <stdint.h>

extern "C" {
void work_a_0280078389_1516540902_init(void);
// Read port: dout <= gamma_rom(CONV_INTEGER(addr)) on a rising edge of clk.
void work_a_0280078389_1516540902_p_0(char *block);
// The table for width W and exponent G: entry i (0 <= i < 2**W) is
// round((i / (2**W - 1)) ** G * (2**W - 1)). Returns the whole 256 x 8 value
// (2048 bytes, row i at byte (255 - i) * 8) in transient memory.
uint8_t *work_a_0280078389_1516540902_sub_2634708603_2134189630(char *block, int32_t width, double gamma);
}

#endif
