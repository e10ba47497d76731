// Failing checks: report with unit, line and time, and end the run.
#ifndef TOVU_CHECK_H
#define TOVU_CHECK_H

#include <string>

namespace tovu {

// Reports a failed check (with the current process, source line and time)
// and unwinds out of the unit code; never returns.
[[noreturn]] void fail_check(const std::string &message);

// Where the run is: "fpga/uart_rx:136 in fpga_tb/uut/rx/p_3 at 100 ps".
std::string current_location();

}  // namespace tovu

#endif
