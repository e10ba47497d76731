// fpga/fpga_top of benchsnap: the top level with its six glue processes.
#ifndef TOVU_WORK_A_2461098124_1516540902_H
#define TOVU_WORK_A_2461098124_1516540902_H

extern "C" {
void work_a_2461098124_1516540902_init(void);
void work_a_2461098124_1516540902_p_0(char *block);
void work_a_2461098124_1516540902_p_1(char *block);
void work_a_2461098124_1516540902_p_2(char *block);
void work_a_2461098124_1516540902_p_3(char *block);
void work_a_2461098124_1516540902_p_4(char *block);
void work_a_2461098124_1516540902_p_5(char *block);
}

#endif
