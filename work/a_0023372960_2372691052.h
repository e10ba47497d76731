// fpga/fpga_tb: the testbench, top unit of benchsnap.
#ifndef TOVU_WORK_A_0023372960_2372691052_H
#define TOVU_WORK_A_0023372960_2372691052_H

extern "C" {
void work_a_0023372960_2372691052_init(void);
void work_a_0023372960_2372691052_p_0(char *block);
}

#endif
