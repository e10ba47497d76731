// Stimulus files (--stimulus=FILE): timed value changes of signals and
// clocks, named by hierarchical path.
//
//   # comment
//   clock fpga_tb/clk 31250 ps
//   0 ns     fpga_tb/tb_rst_n '0'
//   125 ns   fpga_tb/tb_rst_n '1'
//   125ns    fpga_tb/uut/data "01011010"
//
// A change line is TIME PATH VALUE; times are absolute and must not
// decrease from one change line to the next. A clock line is
// "clock PATH PERIOD". VALUE is one token: a character literal ('0'), a
// string or bit-string literal ("0101", x"5A") or a run of non-blank
// characters (an integer, an enumeration name). It is kept as written; the
// kernel reads it against the signal's type.
#ifndef TOVU_STIMULUS_H
#define TOVU_STIMULUS_H

#include <cstdint>
#include <string>
#include <vector>

#include "options.h"

namespace tovu {

struct StimulusChange {
    int64_t time;  // ps
    std::string path;
    std::string value;
    int line;  // 1-based line in the file
};

// Largest stimulus file and longest line, in bytes.
constexpr size_t kMaxStimulusSize = size_t{1} << 28;
constexpr size_t kMaxStimulusLineLength = size_t{1} << 20;

struct StimulusFile {
    std::vector<StimulusChange> changes;
    std::vector<ClockSpec> clocks;
};

// Every message about a stimulus file, while it is read or once the design
// is loaded, has the shape "FILE:LINE: cause" ("FILE: cause" for the whole
// file), FILE shown as file_name_text() shows it.
std::string stimulus_place(const std::string &file_name, int line);

// Most errors shown for one stimulus file once the design is loaded; one
// more line counts the rest.
constexpr int kMaxStimulusErrorsShown = 10;

// Reads file_name into out (replacing what out held), changes in file order.
// On the first error returns false with error "FILE:LINE: cause" ("FILE:
// cause" when the file cannot be read, is a folder or is larger than
// kMaxStimulusSize) and leaves out unchanged.
bool parse_stimulus(const std::string &file_name, StimulusFile &out, std::string &error);

// Same, for text already in memory; file_name only names it in errors.
bool parse_stimulus_text(const std::string &text, const std::string &file_name, StimulusFile &out, std::string &error);

}  // namespace tovu

#endif
