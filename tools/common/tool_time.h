// Times on the tools' command lines, read with the kernel's own parser: the
// programs' syntax (a decimal number, then fs, ps, ns, us, ms, sec, min or hr
// in any case, blanks allowed in between), with three additions that the
// tools have always taken: a number without a unit is in picoseconds, a time
// may hold a fraction of a picosecond, and `s` stands for `sec` (as VCD
// files write it).
#ifndef TOVU_TOOLS_TOOL_TIME_H
#define TOVU_TOOLS_TOOL_TIME_H

#include <cstdint>
#include <string>
#include <string_view>

namespace tool_time {

// A non-negative time in picoseconds as the exact fraction num / den, den a
// power of ten from 1 to 10^6.
struct Ps {
    int64_t num = 0;
    int64_t den = 1;
};

// Finest fraction of a picosecond kept.
constexpr int64_t kMaxDen = 1000000;

// Parses `text`; on failure returns false with a one-line cause in `error`
// ("bad time '10 parsec': unknown unit 'parsec' (fs, ps, ...)").
bool parse(std::string_view text, Ps &time, std::string &error);

}  // namespace tool_time

#endif
