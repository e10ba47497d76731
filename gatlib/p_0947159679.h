// The device-primitive package holding one package-level signal.
#ifndef TOVU_GATLIB_P_0947159679_H
#define TOVU_GATLIB_P_0947159679_H

#include <cstddef>

namespace gatlib_p_0947159679 {
constexpr size_t kSignal = 0x3e0;  // its std_ulogic signal; value pointer at +40 (0x408)
}

extern "C" {
void gatlib_p_0947159679_init(void);
}

#endif
