// fpga/animation (unit work_a_3956617804_1516540902): the colour animation.
// Six triangle-wave counters, each stepped when the low bits of its own
// linear-feedback shift register are all zero, advance on a step pulse that
// follows every change of the display address; the top bits of each counter
// form one 8-bit channel of the 48-bit colour word `pix_out`.
#ifndef TOVU_WORK_A_3956617804_1516540902_H
#define TOVU_WORK_A_3956617804_1516540902_H

extern "C" {

// Registers the unit's design data and its process table.
void work_a_3956617804_1516540902_init(void);

// p_0: shift registers lfsr_1 .. lfsr_6 (asynchronous reset, clocked by clk).
void work_a_3956617804_1516540902_p_0(char *block);
// p_1: triangle counters tri_1 .. tri_6 and their directions dir_1 .. dir_6.
void work_a_3956617804_1516540902_p_1(char *block);
// p_2: prev_addr and the step pulse.
void work_a_3956617804_1516540902_p_2(char *block);
// p_3 .. p_8: chan_k <= tri_k(CNT_BITS-1 downto CNT_BITS-8), k = 1 .. 6.
void work_a_3956617804_1516540902_p_3(char *block);
void work_a_3956617804_1516540902_p_4(char *block);
void work_a_3956617804_1516540902_p_5(char *block);
void work_a_3956617804_1516540902_p_6(char *block);
void work_a_3956617804_1516540902_p_7(char *block);
void work_a_3956617804_1516540902_p_8(char *block);
// p_9: pix_out <= chan_6 & chan_4 & chan_2 & chan_5 & chan_3 & chan_1.
void work_a_3956617804_1516540902_p_9(char *block);

}

#endif
