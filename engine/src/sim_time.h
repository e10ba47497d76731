// Simulation time as text: parsing times with units from the command line and
// stimulus files, and printing times in their shortest exact form.
#ifndef TOVU_SIM_TIME_H
#define TOVU_SIM_TIME_H

#include <cstdint>
#include <string>
#include <string_view>

namespace tovu {

// Parses a time such as "1us", "31250ps", "10 ns", "1.5 us" or "2sec" into
// picoseconds. The number is decimal (an optional sign, digits, optionally a
// '.' and more digits), optionally followed by blanks, then one of the units
// fs ps ns us ms sec min hr (any case). The value must be a whole number of
// picoseconds and fit in int64. On failure returns false, leaves ps
// unchanged and sets error to a short cause.
bool parse_time(std::string_view text, int64_t &ps, std::string &error);

// A time as written, before it is brought to the kernel's resolution and
// range: digits x 10^exponent femtoseconds, exactly.
struct ExactTime {
    bool negative = false;
    unsigned __int128 digits = 0;  // below 10^38
    int exponent = 0;
};

// Parses a time with the same syntax and messages as parse_time, but keeps
// its exact value (fractions of a picosecond, values beyond int64). A number
// without a unit takes `default_unit` (one of the units above) when one is
// given, and is refused otherwise.
bool parse_exact_time(std::string_view text, ExactTime &time, std::string &error, const char *default_unit = nullptr);

// Formats a time in picoseconds with the largest unit among ps, ns, us, ms
// and sec that represents it exactly: 1500 -> "1500 ps", 2000000 -> "2 us".
std::string format_time(int64_t ps);

}  // namespace tovu

#endif
