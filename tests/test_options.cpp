// The kernel's command line.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "options.h"

namespace {

// argv for parse_options from a list of arguments (program name first).
class Args {
public:
    explicit Args(std::vector<std::string> args) : storage_(std::move(args)) {
        storage_.insert(storage_.begin(), "benchsnap");
        for (std::string &s : storage_) pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(storage_.size()); }
    char **argv() { return pointers_.data(); }

private:
    std::vector<std::string> storage_;
    std::vector<char *> pointers_;
};

bool parse(std::vector<std::string> args, tovu::Options &out, std::string &error) {
    Args a(std::move(args));
    return tovu::parse_options(a.argc(), a.argv(), out, error);
}

TEST(Options, NoArgumentsKeepsTheDefaults) {
    tovu::Options o;
    std::string error;
    ASSERT_TRUE(parse({}, o, error)) << error;
    EXPECT_EQ(o.stop_time, 200'000'000);  // 200 us
    EXPECT_EQ(o.max_deltas, 10000);
    EXPECT_TRUE(o.vcd_file.empty());
    EXPECT_TRUE(o.vcd_signals.empty());
    EXPECT_TRUE(o.forces.empty());
    EXPECT_TRUE(o.clocks.empty());
    EXPECT_TRUE(o.stimulus_files.empty());
    EXPECT_TRUE(o.didat_dir.empty());
    EXPECT_FALSE(o.stats || o.help || o.quiet);
}

TEST(Options, ParsesEveryOptionAndCollectsRepeats) {
    tovu::Options o;
    std::string error;
    ASSERT_TRUE(
        parse({"--stop-time=250 us", "--vcd=out.vcd", "--vcd-signals=fpga_tb/uut/*,fpga_tb/clk", "--vcd-signals=*state",
               "--force=fpga_tb/tb_line='0'", "--force=fpga_tb/uut/data=x\"5A\"", "--force=a/b=1=2",
               "--clock=fpga_tb/clk=31250ps", "--clock=fpga_top/clk_in=1.5 ns", "--stimulus=a.stim",
               "--stimulus=b.stim", "--didat-dir=/opt/kest", "--stats", "--max-deltas=500", "--quiet"},
              o, error))
        << error;
    EXPECT_EQ(o.stop_time, 250'000'000);
    EXPECT_EQ(o.vcd_file, "out.vcd");
    EXPECT_EQ(o.vcd_signals, (std::vector<std::string>{"fpga_tb/uut/*", "fpga_tb/clk", "*state"}));
    ASSERT_EQ(o.forces.size(), 3u);
    EXPECT_EQ(o.forces[0].path, "fpga_tb/tb_line");
    EXPECT_EQ(o.forces[0].value, "'0'");
    EXPECT_EQ(o.forces[1].value, "x\"5A\"");
    EXPECT_EQ(o.forces[2].path, "a/b");  // the path ends at the first '='
    EXPECT_EQ(o.forces[2].value, "1=2");
    ASSERT_EQ(o.clocks.size(), 2u);
    EXPECT_EQ(o.clocks[0].path, "fpga_tb/clk");
    EXPECT_EQ(o.clocks[0].period_ps, 31250);
    EXPECT_EQ(o.clocks[1].path, "fpga_top/clk_in");
    EXPECT_EQ(o.clocks[1].period_ps, 1500);
    EXPECT_EQ(o.stimulus_files, (std::vector<std::string>{"a.stim", "b.stim"}));
    EXPECT_EQ(o.didat_dir, "/opt/kest");
    EXPECT_TRUE(o.stats);
    EXPECT_EQ(o.max_deltas, 500);
    EXPECT_TRUE(o.quiet);
    EXPECT_FALSE(o.help);
}

TEST(Options, StopTimeZeroIsAllowedAndTheLastValueWins) {
    tovu::Options o;
    std::string error;
    ASSERT_TRUE(parse({"--stop-time=5ns", "--stop-time=0 ps"}, o, error)) << error;
    EXPECT_EQ(o.stop_time, 0);
    ASSERT_TRUE(parse({"--help"}, o, error)) << error;
    EXPECT_TRUE(o.help);
}

TEST(Options, EveryBadArgumentGivesAOneLineErrorNamingIt) {
    struct Bad {
        std::vector<std::string> args;
        std::string expected;  // must appear in the error
    };
    const Bad cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--bogus=1"}, "unknown option '--bogus'"},
        {{"-x"}, "unknown option '-x'"},
        {{"design.didat"}, "unexpected argument 'design.didat'"},
        {{"--vcd", "out.vcd"}, "--vcd: missing '='"},
        {{"--stop-time"}, "--stop-time: missing '='"},
        {{"--clock"}, "--clock: missing '='"},
        {{"--stop-time=10"}, "--stop-time: bad time '10': missing unit"},
        {{"--stop-time=ten ns"}, "--stop-time: bad time"},
        {{"--stop-time=-1 ns"}, "--stop-time: negative stop time"},
        {{"--stop-time=1.5 fs"}, "--stop-time: bad time '1.5 fs': not a whole number"},
        {{"--stop-time=1e3 ns"}, "--stop-time: bad time '1e3 ns': an exponent is not allowed"},
        {{"--clock=fpga_tb/clk=0 ns"}, "--clock: period of 'fpga_tb/clk' must be at least 2 ps"},
        {{"--clock=fpga_tb/clk=-10 ns"}, "--clock: period of 'fpga_tb/clk' must be at least 2 ps"},
        {{"--clock=fpga_tb/clk=1 ps"}, "--clock: period of 'fpga_tb/clk' must be at least 2 ps"},
        // bytes that are not printable are escaped, long values cut
        {{"--force=a\nb"}, "--force: expected PATH=VALUE, got 'a\\x0Ab'"},
        {{"--stop-time=1\x1b[2J ns"}, "bad time '1\\x1B[2J ns'"},
        {{"--stop-time=" + std::string(5000, '7') + "x"}, "bad time '" + std::string(64, '7') + "...'"},
        {{"--clock=fpga_tb/clk=10"}, "--clock: bad time '10'"},
        {{"--clock=fpga_tb/clk"}, "--clock: expected PATH=PERIOD"},
        {{"--clock==10 ns"}, "--clock: empty signal path"},
        {{"--force==1"}, "--force: empty signal path"},
        {{"--force=fpga_tb/x="}, "--force: empty value for 'fpga_tb/x'"},
        {{"--force=fpga_tb/x"}, "--force: expected PATH=VALUE"},
        {{"--vcd="}, "--vcd: empty file name"},
        {{"--stimulus="}, "--stimulus: empty file name"},
        {{"--didat-dir="}, "--didat-dir: empty directory name"},
        {{"--vcd=w.vcd", "--vcd-signals=a,,b"}, "--vcd-signals: empty signal pattern"},
        {{"--vcd=w.vcd", "--vcd-signals="}, "--vcd-signals: empty signal pattern"},
        {{"--vcd-signals=fpga_tb/*"}, "--vcd-signals: no waveform file"},
        {{"--max-deltas=0"}, "--max-deltas: expected a positive whole number"},
        {{"--max-deltas=-3"}, "--max-deltas: expected a positive whole number"},
        {{"--max-deltas=12x"}, "--max-deltas: expected a positive whole number"},
        {{"--max-deltas=99999999999999999999"}, "--max-deltas: expected a positive whole number"},
        {{"--stats=yes"}, "--stats: takes no value"},
        {{"--quiet=1"}, "--quiet: takes no value"},
        {{"--help=1"}, "--help: takes no value"},
        {{"--stop-time=1 ns", "--"}, "unknown option '--'"},
    };
    for (const Bad &c : cases) {
        tovu::Options o;
        std::string error;
        EXPECT_FALSE(parse(c.args, o, error)) << c.args[0];
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.args[0] << " gave: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_LT(error.size(), 200u) << error;
    }
}

TEST(Options, HelpWinsWhereverItStands) {
    // Whatever else is on the command line, even arguments that are errors
    // before or after it, -h or --help asks for the summary only.
    const std::vector<std::string> cases[] = {
        {"--stop-time=bad", "--help"},
        {"--help", "--stop-time=bad"},
        {"--bogus", "-h"},
        {"stray", "--vcd-signals=x", "--help"},
        {"--help=1", "-h"},
    };
    for (const auto &args : cases) {
        tovu::Options o;
        std::string error;
        EXPECT_TRUE(parse(args, o, error)) << args[0] << " gave: " << error;
        EXPECT_TRUE(o.help) << args[0];
    }
}

TEST(Options, MessagesNameTheProgramWithoutItsFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"benchsnap", "benchsnap"},
        {"build/bin/benchsnap", "benchsnap"},
        {"./topsnap", "topsnap"},
        {"/opt/tovu/bin/top\x1bsnap", "top\\x1Bsnap"},  // shown as every message shows input
    };
    for (const auto &[started_as, name] : cases) {
        std::string arg0 = started_as;
        char *argv[] = {arg0.data(), nullptr};
        tovu::Options o;
        std::string error;
        ASSERT_TRUE(tovu::parse_options(1, argv, o, error)) << error;
        EXPECT_EQ(o.program, name) << started_as;
    }
}

TEST(Options, UsageNamesTheProgramAndEveryOption) {
    const std::string text = tovu::usage_text("topsnap");
    EXPECT_NE(text.find("topsnap"), std::string::npos);
    for (const char *name : {"--stop-time=", "--vcd=", "--vcd-signals=", "--force=", "--clock=", "--stimulus=",
                             "--didat-dir=", "--max-deltas=", "--stats", "--quiet", "--help", "-h"}) {
        EXPECT_NE(text.find(name), std::string::npos) << name;
    }
}

TEST(GlobMatch, MatchesWholeHierarchicalNames) {
    struct Case {
        const char *pattern;
        const char *text;
        bool match;
    };
    const Case cases[] = {
        {"*", "fpga_tb/uut/clk", true},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"fpga_tb/clk", "fpga_tb/clk", true},
        {"fpga_tb/clk", "fpga_tb/clk2", false},
        {"fpga_tb/clk", "xfpga_tb/clk", false},
        {"fpga_tb/uut/*", "fpga_tb/uut/rx/state", true},
        {"fpga_tb/uut/*", "fpga_tb/uut", false},
        {"fpga_tb/*/clk", "fpga_tb/uut/clocks/clk", true},
        {"fpga_tb/?lk", "fpga_tb/clk", true},
        {"fpga_tb/?lk", "fpga_tb/lk", false},
        {"?", "", false},
        {"???", "abc", true},
        {"*clk", "fpga_tb/uut/clk_disp", false},
        {"*clk*", "fpga_tb/uut/clk_disp", true},
        {"a*b*c", "aXbYbZc", true},
        {"a*b", "aXbYc", false},
        {"a**b", "ab", true},
        {"*/rx/*", "fpga_tb/uut/rx/pix_ptr", true},
        {"*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(tovu::glob_match(c.pattern, c.text), c.match) << c.pattern << " vs " << c.text;
    }
}

}  // namespace
