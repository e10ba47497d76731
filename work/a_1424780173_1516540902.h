// fpga/display_control: scans an LED panel of 16 row addresses by 32 columns
// (upper and lower half driven together) with a shift clock, a latch, a
// blanking output and a row address, and modulates brightness with a 9-bit
// PWM counter that repeats every row 257 times.
#ifndef TOVU_WORK_A_1424780173_1516540902_H
#define TOVU_WORK_A_1424780173_1516540902_H

extern "C" {
void work_a_1424780173_1516540902_init(void);
// PWM counter, timing divider, scan address.
void work_a_1424780173_1516540902_p_0(char *block);
void work_a_1424780173_1516540902_p_1(char *block);
void work_a_1424780173_1516540902_p_2(char *block);
// The six colour bits: '1' while the PWM counter is below the colour value.
void work_a_1424780173_1516540902_p_3(char *block);
void work_a_1424780173_1516540902_p_4(char *block);
void work_a_1424780173_1516540902_p_5(char *block);
void work_a_1424780173_1516540902_p_6(char *block);
void work_a_1424780173_1516540902_p_7(char *block);
void work_a_1424780173_1516540902_p_8(char *block);
// Address output, registered panel outputs, state registers, next-state logic.
void work_a_1424780173_1516540902_p_9(char *block);
void work_a_1424780173_1516540902_p_10(char *block);
void work_a_1424780173_1516540902_p_11(char *block);
void work_a_1424780173_1516540902_p_12(char *block);
}

#endif
