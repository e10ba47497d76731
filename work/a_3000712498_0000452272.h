// fpga/bram: a frame memory of 1024 words of 8 bits with a write port and a
// registered read port on separate clocks, and an initial content computed
// when the design is elaborated.
#ifndef TOVU_WORK_A_3000712498_0000452272_H
#define TOVU_WORK_A_3000712498_0000452272_H

#include <stdint.h>

extern "C" {
void work_a_3000712498_0000452272_init(void);
// Write port (clk_b) and read port (clk_a).
void work_a_3000712498_0000452272_p_0(char *block);
void work_a_3000712498_0000452272_p_1(char *block);
// Initial content of the memory for address width AW and data width DW: the
// whole 1024 x 8 value (8192 bytes) in transient memory.
uint8_t *work_a_3000712498_0000452272_sub_3649022489_4251431050(char *block, int32_t aw, int32_t dw);
}

#endif
