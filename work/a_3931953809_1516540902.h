// fpga/fpga_top as built into topsnap: the earlier top level, the top unit of
// topsnap, with four glue processes.
#ifndef TOVU_WORK_A_3931953809_1516540902_H
#define TOVU_WORK_A_3931953809_1516540902_H

extern "C" {
void work_a_3931953809_1516540902_init(void);
void work_a_3931953809_1516540902_p_0(char *block);
void work_a_3931953809_1516540902_p_1(char *block);
void work_a_3931953809_1516540902_p_2(char *block);
void work_a_3931953809_1516540902_p_3(char *block);
}

#endif
