#include "options.h"

#include <cctype>
#include <limits>

#include "message_text.h"
#include "sim_time.h"

namespace tovu {

namespace {

// Longest program name shown in a message.
constexpr size_t kMaxProgramNameInMessage = 4096;

// Splits "--name=value" into name and value; has_value is false when the
// argument holds no '='.
struct Argument {
    std::string_view name;
    std::string_view value;
    bool has_value;
};

Argument split_argument(std::string_view arg) {
    const size_t eq = arg.find('=');
    if (eq == std::string_view::npos) return {arg, {}, false};
    return {arg.substr(0, eq), arg.substr(eq + 1), true};
}

// Splits "PATH=REST" at the first '='.
bool split_path_value(std::string_view text, std::string_view &path, std::string_view &rest) {
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos) return false;
    path = text.substr(0, eq);
    rest = text.substr(eq + 1);
    return true;
}

bool parse_positive_count(std::string_view text, int64_t &value) {
    if (text.empty()) return false;
    int64_t v = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        const int d = c - '0';
        if (v > (std::numeric_limits<int64_t>::max() - d) / 10) return false;
        v = v * 10 + d;
    }
    if (v <= 0) return false;
    value = v;
    return true;
}

enum class OptionId { StopTime, Vcd, VcdSignals, Force, Clock, Stimulus, DidatDir, MaxDeltas, Stats, Help, Quiet };

struct OptionInfo {
    const char *name;
    OptionId id;
    bool takes_value;
    const char *value_form;  // shown in "needs a value" errors
};

constexpr OptionInfo kOptions[] = {
    {"--stop-time", OptionId::StopTime, true, "--stop-time=TIME"},
    {"--vcd", OptionId::Vcd, true, "--vcd=FILE"},
    {"--vcd-signals", OptionId::VcdSignals, true, "--vcd-signals=PATTERN[,PATTERN...]"},
    {"--force", OptionId::Force, true, "--force=PATH=VALUE"},
    {"--clock", OptionId::Clock, true, "--clock=PATH=PERIOD"},
    {"--stimulus", OptionId::Stimulus, true, "--stimulus=FILE"},
    {"--didat-dir", OptionId::DidatDir, true, "--didat-dir=DIR"},
    {"--max-deltas", OptionId::MaxDeltas, true, "--max-deltas=N"},
    {"--stats", OptionId::Stats, false, "--stats"},
    {"--help", OptionId::Help, false, "--help"},
    {"-h", OptionId::Help, false, "-h"},
    {"--quiet", OptionId::Quiet, false, "--quiet"},
};

const OptionInfo *find_option(std::string_view name) {
    for (const OptionInfo &o : kOptions) {
        if (name == o.name) return &o;
    }
    return nullptr;
}

// Handles one option whose value has been split off. Returns false with
// error set when the value is bad.
bool apply_option(const OptionInfo &opt, std::string_view value, Options &out, std::string &error) {
    const std::string name = opt.name;
    auto fail = [&](const std::string &cause) {
        error = name + ": " + cause;
        return false;
    };
    switch (opt.id) {
        case OptionId::StopTime: {
            int64_t t = 0;
            std::string cause;
            if (!parse_time(value, t, cause)) return fail(cause);
            if (t < 0) return fail("negative stop time '" + printable(value) + "'");
            out.stop_time = t;
            return true;
        }
        case OptionId::Vcd:
            if (value.empty()) return fail("empty file name");
            out.vcd_file = value;
            return true;
        case OptionId::VcdSignals: {
            size_t start = 0;
            while (true) {
                const size_t comma = value.find(',', start);
                const std::string_view pattern =
                    value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
                if (pattern.empty()) return fail("empty signal pattern in '" + printable(value) + "'");
                out.vcd_signals.emplace_back(pattern);
                if (comma == std::string_view::npos) break;
                start = comma + 1;
            }
            return true;
        }
        case OptionId::Force: {
            std::string_view path, forced;
            if (!split_path_value(value, path, forced))
                return fail("expected PATH=VALUE, got '" + printable(value) + "'");
            if (path.empty()) return fail("empty signal path");
            if (forced.empty()) return fail("empty value for '" + printable(path) + "'");
            out.forces.push_back({std::string(path), std::string(forced)});
            return true;
        }
        case OptionId::Clock: {
            std::string_view path, period_text;
            if (!split_path_value(value, path, period_text))
                return fail("expected PATH=PERIOD, got '" + printable(value) + "'");
            if (path.empty()) return fail("empty signal path");
            int64_t period = 0;
            std::string cause;
            if (!parse_time(period_text, period, cause)) return fail(cause);
            if (period < kMinClockPeriod)
                return fail("period of '" + printable(path) + "' must be at least " + format_time(kMinClockPeriod));
            out.clocks.push_back({std::string(path), period});
            return true;
        }
        case OptionId::Stimulus:
            if (value.empty()) return fail("empty file name");
            out.stimulus_files.emplace_back(value);
            return true;
        case OptionId::DidatDir:
            if (value.empty()) return fail("empty directory name");
            out.didat_dir = value;
            return true;
        case OptionId::MaxDeltas: {
            int64_t n = 0;
            if (!parse_positive_count(value, n))
                return fail("expected a positive whole number, got '" + printable(value) + "'");
            out.max_deltas = n;
            return true;
        }
        case OptionId::Stats: out.stats = true; return true;
        case OptionId::Help: out.help = true; return true;
        case OptionId::Quiet: out.quiet = true; return true;
    }
    return fail("unhandled option");
}

}  // namespace

bool parse_options(int argc, char **argv, Options &out, std::string &error) {
    if (argc > 0 && argv[0] != nullptr) {
        // Messages name the program as its users call it, not by the path it
        // was started from ("benchsnap", not "build/bin/benchsnap").
        const std::string_view started = argv[0];
        const std::string_view name = started.substr(started.find_last_of('/') + 1);
        if (!name.empty()) out.program = printable(name, kMaxProgramNameInMessage);
    }
    // --help wins wherever it stands: whatever else is on the command line,
    // it asks for the summary and nothing else.
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr) continue;
        const std::string_view arg = argv[i];
        const OptionInfo *opt = find_option(arg);
        if (opt != nullptr && opt->id == OptionId::Help) {
            out.help = true;
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? std::string_view(argv[i]) : std::string_view();
        if (arg.empty() || arg[0] != '-') {
            error = "unexpected argument '" + printable(arg) + "' (options start with --)";
            return false;
        }
        const Argument a = split_argument(arg);
        const OptionInfo *opt = find_option(a.name);
        if (opt == nullptr) {
            error = "unknown option '" + printable(a.name) + "' (see --help)";
            return false;
        }
        if (opt->takes_value && !a.has_value) {
            error = std::string(opt->name) + ": missing '=' and value, use " + opt->value_form;
            return false;
        }
        if (!opt->takes_value && a.has_value) {
            error = std::string(opt->name) + ": takes no value";
            return false;
        }
        if (!apply_option(*opt, a.value, out, error)) return false;
    }
    if (!out.vcd_signals.empty() && out.vcd_file.empty() && !out.help) {
        error = "--vcd-signals: no waveform file, add --vcd=FILE";
        return false;
    }
    return true;
}

std::string usage_text(const std::string &program) {
    return "Usage: " + program +
           " [OPTION]...\n"
           "Runs the simulation from time 0 to the stop time or until no event remains.\n"
           "\n"
           "Options (times take a unit: fs ps ns us ms sec min hr, e.g. 10ns, 1.5 us):\n"
           "  --stop-time=TIME          stop the run at TIME (default 200 us)\n"
           "  --vcd=FILE                write waveforms to FILE in VCD format\n"
           "  --vcd-signals=PATTERN[,PATTERN...]\n"
           "                            trace only signals whose hierarchical name matches\n"
           "                            a pattern ('*' any text, '?' one character);\n"
           "                            may repeat (default: every signal of at most\n"
           "                            1024 elements)\n"
           "  --force=PATH=VALUE        force signal PATH to VALUE for the whole run;\n"
           "                            may repeat\n"
           "  --clock=PATH=PERIOD       drive signal PATH as a clock of PERIOD (at least\n"
           "                            2 ps); may repeat\n"
           "  --stimulus=FILE           apply the timed changes of FILE; may repeat\n"
           "  --didat-dir=DIR           read the design data from DIR/kest/, DIR being\n"
           "                            the folder that holds kest/ (default: the\n"
           "                            executable's folder)\n"
           "  --max-deltas=N            stop when one time step exceeds N delta cycles\n"
           "                            (default 10000)\n"
           "  --stats                   print run statistics at the end\n"
           "  --quiet                   print no summary line\n"
           "  -h, --help                print this help and exit\n"
           "\n"
           "Exit status: 0 clean run, 1 a failure, an error report, or a waveform file or\n"
           "standard output that could not be written, 2 usage or design-data error,\n"
           "128+N the run was interrupted by signal N (129 for SIGHUP, 130 for SIGINT,\n"
           "143 for SIGTERM).\n";
}

bool glob_match(std::string_view pattern, std::string_view text) {
    // Greedy matching with a single backtrack point: the most recent '*'.
    size_t p = 0, t = 0;
    size_t star = std::string_view::npos, star_text = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && pattern[p] == text[t]))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            star_text = t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++star_text;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace tovu
