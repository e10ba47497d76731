// std.textio (unit std_textio): the kernel supplies READ, WRITE and the LINE
// operations; the program only registers the package's design data.
#ifndef TOVU_STD_TEXTIO_H
#define TOVU_STD_TEXTIO_H

extern "C" {

void std_textio_init(void);

}  // extern "C"

#endif
