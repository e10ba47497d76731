// fpga/uart_rx: the serial frame receiver. It receives bytes at 128 clock
// cycles per bit, counts colour bytes and pixels, writes each colour byte into
// one of its six frame memories and hands the written bank to the display
// side.
#ifndef TOVU_WORK_A_1133041568_1516540902_H
#define TOVU_WORK_A_1133041568_1516540902_H

extern "C" {
void work_a_1133041568_1516540902_init(void);
void work_a_1133041568_1516540902_p_0(char *block);  // state registers
void work_a_1133041568_1516540902_p_1(char *block);  // next-state logic
void work_a_1133041568_1516540902_p_2(char *block);  // bit timer
void work_a_1133041568_1516540902_p_3(char *block);  // data bit index
void work_a_1133041568_1516540902_p_4(char *block);  // write strobes, six processes
void work_a_1133041568_1516540902_p_5(char *block);
void work_a_1133041568_1516540902_p_6(char *block);
void work_a_1133041568_1516540902_p_7(char *block);
void work_a_1133041568_1516540902_p_8(char *block);
void work_a_1133041568_1516540902_p_9(char *block);
void work_a_1133041568_1516540902_p_10(char *block);  // colour byte index and pixel pointer
void work_a_1133041568_1516540902_p_11(char *block);  // bank hand-over to the display clock
void work_a_1133041568_1516540902_p_12(char *block);  // read address
void work_a_1133041568_1516540902_p_13(char *block);  // write address
}

#endif
