// The kernel's command line: stop time, waveform output, forces, clocks,
// stimulus files, design-data directory and run limits.
#ifndef TOVU_OPTIONS_H
#define TOVU_OPTIONS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tovu {

struct ForceSpec {
    std::string path;
    std::string value;
};

// Shortest clock period, in ps: a high and a low phase of at least 1 ps each.
constexpr int64_t kMinClockPeriod = 2;

struct ClockSpec {
    std::string path;
    int64_t period_ps;  // at least kMinClockPeriod; an odd period has a low phase 1 ps longer than its high one
    int line = 0;       // line of a stimulus file's clock line (0: command line)
};

struct Options {
    std::string program = "tovu";             // the program's name (argv[0]) as messages show it
    int64_t stop_time = 200'000'000;          // --stop-time=TIME, in ps (default 200 us)
    std::string vcd_file;                     // --vcd=FILE
    std::vector<std::string> vcd_signals;     // --vcd-signals=PATTERN[,PATTERN...] (may repeat)
    std::vector<ForceSpec> forces;            // --force=PATH=VALUE (may repeat)
    std::vector<ClockSpec> clocks;            // --clock=PATH=PERIOD (may repeat)
    std::vector<std::string> stimulus_files;  // --stimulus=FILE (may repeat)
    std::string didat_dir;                    // --didat-dir=DIR
    bool stats = false;                       // --stats
    bool help = false;                        // --help or -h
    int64_t max_deltas = 10000;               // --max-deltas=N: delta cycles per time step before the run is stopped
    bool quiet = false;                       // --quiet: no summary line
};

// Parses argv[1..argc-1] into out, on top of the values out already holds
// (a repeated single-valued option takes its last value), and takes the
// program's name from argv[0]. Options take their value after '=' in the
// same argument. On the first bad argument returns false with a one-line
// error that names it.
bool parse_options(int argc, char **argv, Options &out, std::string &error);

// The help text for --help, naming the program.
std::string usage_text(const std::string &program);

// Glob match over a whole hierarchical name: '*' matches any run of
// characters (including '/'), '?' exactly one character; everything else
// matches itself.
bool glob_match(std::string_view pattern, std::string_view text);

}  // namespace tovu

#endif
