// What the two tools share on their command lines: -h/--help wherever it
// stands, and output files that may neither destroy the input the tool reads
// nor each other.
#ifndef TOVU_TOOLS_TOOL_CLI_H
#define TOVU_TOOLS_TOOL_CLI_H

#include <string>

namespace tool_cli {

// Whether -h or --help stands anywhere among the arguments: it wins over
// every other option, right or wrong. The argument after -o is its file
// name, not an option.
bool help_asked(int argc, char **argv);

// Writes `usage` to standard output and returns the exit status: 0, or 1
// with "TOOL: cannot write standard output: CAUSE" on standard error when it
// could not be written (a full disk, /dev/full), as the programs do for their
// --help.
int print_help(const char *tool, const std::string &usage);

// Says `message` on standard error in one line, "TOOL: message", and
// returns `status`, the exit status of the failure (2: bad usage or input).
int failed(const char *tool, const std::string &message, int status = 2);

// An output file as the command line names it.
struct Output {
    std::string option;  // the option as the user gave it: -o, --out, --counts
    std::string path;    // empty: standard output
};

// Takes `name` as the file of `option`. An empty name would silently mean
// standard output: false with "OPTION: empty file name" in `error`.
bool name_output(const std::string &option, const std::string &name, Output &out, std::string &error);

// Before any output is opened: the message when the named output `out` is,
// under any name (a hard or symbolic link, "dir/../x", /dev/stdout), the
// regular file `input` that the tool reads, which creating the output would
// destroy; "" otherwise. A terminal or pipe that is also read is not
// truncated and is left alone. `what` names the input ("waveform file").
std::string output_spares_input(const Output &out, const std::string &input, const char *what);

// The message when the named output `second` would write to the file of
// `first` (standard output when first.path is empty), which gets `what`
// ("the picture"): one regular file, or one name not yet created ("x" and
// "./x"); "" otherwise. A terminal, pipe or device such as /dev/null may
// take both.
std::string outputs_apart(const Output &first, const Output &second, const char *what);

}  // namespace tool_cli

#endif
