// Registration of the design's structural clock unit.
#ifndef TOVU_WORK_A_1589345586_0912031422_H
#define TOVU_WORK_A_1589345586_0912031422_H

extern "C" {
void work_a_1589345586_0912031422_init(void);
}

#endif
