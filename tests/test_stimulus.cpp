// Stimulus files: timed value changes and clocks by hierarchical path.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "stimulus.h"

namespace {

TEST(Stimulus, ReadsChangesClocksCommentsAndBothTimeForms) {
    const std::string text =
        "# reset, then a byte on the serial line\n"
        "\n"
        "clock fpga_tb/clk 31250 ps\n"
        "CLOCK fpga_top/clk_in 10ns   # board clock\n"
        "   0 ns   fpga_tb/tb_rst_n '0'\r\n"
        "125 ns fpga_tb/tb_line '0'\n"
        "125ns\tfpga_tb/uut/data \"01011010\"\n"
        "1.5 us fpga_tb/uut/msg \"a # b \"\"c\"\"\"  # a string may hold blanks, '#' and quotes\n"
        "2 us fpga_tb/uut/ch ' '\n"
        "2 us fpga_tb/uut/n 16#FF#\n"
        "3 us fpga_tb/uut/v x\"5A\"\n"
        "3 US fpga_tb/uut/state idle\n"
        "\t# indented comment\n"
        "4us fpga_tb/uut/k -12";  // no final newline
    tovu::StimulusFile f;
    std::string error;
    ASSERT_TRUE(tovu::parse_stimulus_text(text, "run.stim", f, error)) << error;

    ASSERT_EQ(f.clocks.size(), 2u);
    EXPECT_EQ(f.clocks[0].path, "fpga_tb/clk");
    EXPECT_EQ(f.clocks[0].period_ps, 31250);
    EXPECT_EQ(f.clocks[1].path, "fpga_top/clk_in");
    EXPECT_EQ(f.clocks[1].period_ps, 10000);
    EXPECT_EQ(f.clocks[0].line, 3);
    EXPECT_EQ(f.clocks[1].line, 4);

    struct Expected {
        int64_t time;
        const char *path;
        const char *value;
        int line;
    };
    const Expected expected[] = {
        {0, "fpga_tb/tb_rst_n", "'0'", 5},
        {125000, "fpga_tb/tb_line", "'0'", 6},
        {125000, "fpga_tb/uut/data", "\"01011010\"", 7},
        {1500000, "fpga_tb/uut/msg", "\"a # b \"\"c\"\"\"", 8},
        {2000000, "fpga_tb/uut/ch", "' '", 9},
        {2000000, "fpga_tb/uut/n", "16#FF#", 10},
        {3000000, "fpga_tb/uut/v", "x\"5A\"", 11},
        {3000000, "fpga_tb/uut/state", "idle", 12},
        {4000000, "fpga_tb/uut/k", "-12", 14},
    };
    ASSERT_EQ(f.changes.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(f.changes[i].time, expected[i].time) << i;
        EXPECT_EQ(f.changes[i].path, expected[i].path) << i;
        EXPECT_EQ(f.changes[i].value, expected[i].value) << i;
        EXPECT_EQ(f.changes[i].line, expected[i].line) << i;
    }
}

TEST(Stimulus, ErrorsNameFileLineAndCauseAndLeaveTheResultUntouched) {
    struct Bad {
        std::string text;
        std::string expected;
    };
    const Bad cases[] = {
        {"10 ns a '0'\n# ok\n5 ns a '1'\n", "s.stim:3: time 5 ns is earlier than the previous change at 10 ns"},
        {"10 a '0'\n", "s.stim:1: bad time '10 a': unknown unit 'a'"},
        {"10ns\n", "s.stim:1: missing signal path and value"},
        {"10 ns a\n", "s.stim:1: missing value for a"},
        {"10 ns a '0' '1'\n", "s.stim:1: unexpected '1' after the value"},  // quoted once
        {"10 ns a '0' \"01\"\n", "s.stim:1: unexpected \"01\" after the value"},
        {"10 ns a '0\n", "s.stim:1: unterminated character literal"},
        {"10 ns a '0'x\n", "s.stim:1: unexpected text 'x'"},
        {"\n10 ns a \"01\n", "s.stim:2: unterminated string literal"},
        {"10 ns '1' a\n", "s.stim:1: expected a signal path, got '1'"},
        {"-5 ns a '1'\n", "s.stim:1: negative time -5 ns"},
        {"1.5 fs a '1'\n", "s.stim:1: bad time '1.5 fs': not a whole number"},
        {"ten ns a '1'\n", "s.stim:1: bad time 'ten'"},
        {"clock a 0 ns\n", "s.stim:1: clock period of a must be at least 2 ps"},
        {"clock a 1 ps\n", "s.stim:1: clock period of a must be at least 2 ps"},
        // bytes that are not printable are escaped, long values cut
        {"10 ns a '0' \x01\x7f\n", "s.stim:1: unexpected '\\x01\\x7F' after the value"},
        {"# a\n10 ns a '0' x\xff\n", "s.stim:2: unexpected 'x\\xFF' after the value"},
        {"clock a\n", "s.stim:1: expected 'clock PATH PERIOD'"},
        {"clock a 10\n", "s.stim:1: clock period: bad time '10': missing unit"},
        {"clock a 10 ns extra\n", "s.stim:1: clock period: bad time"},
    };
    const std::string long_word(100000, 'w');
    const Bad more[] = {
        {"10 ns " + long_word + "\n", "s.stim:1: missing value for " + std::string(64, 'w') + "..."},
        {"\n\n" + std::string(tovu::kMaxStimulusLineLength + 1, ' ') + "\n", "s.stim:3: line longer than"},
    };
    std::vector<Bad> all(std::begin(cases), std::end(cases));
    all.insert(all.end(), std::begin(more), std::end(more));
    for (const Bad &c : all) {
        tovu::StimulusFile f;
        f.changes.push_back({1, "kept", "'1'", 1});
        std::string error;
        EXPECT_FALSE(tovu::parse_stimulus_text(c.text, "s.stim", f, error)) << c.text.substr(0, 80);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.text.substr(0, 80) << " gave: " << error;
        EXPECT_LT(error.size(), 200u);
        ASSERT_EQ(f.changes.size(), 1u);
        EXPECT_EQ(f.changes[0].path, "kept");
    }
}

TEST(Stimulus, ErrorsShowTheFileNameEscapedAndWhole) {
    // A file name keeps the message on one line and out of the terminal's
    // control sequences, and is never cut below the longest path.
    const std::string long_name = "/tmp/" + std::string(200, 'd') + ".stim";
    const std::string missing = ::testing::TempDir() + "no\nsuch\x1b[2J.stim";
    const std::string missing_shown = ::testing::TempDir() + "no\\x0Asuch\\x1B[2J.stim";
    const struct {
        std::string name, text, expected;
    } cases[] = {
        {"a\nb\x1b[2J.stim", "10 ns a\n", "a\\x0Ab\\x1B[2J.stim:1: missing value for a"},
        {"\xff.stim", "\n\n" + std::string(tovu::kMaxStimulusLineLength + 1, ' '),
         "\\xFF.stim:3: line longer than 1048576 bytes"},
        {long_name, "10 ns a\n", long_name + ":1: missing value for a"},
    };
    for (const auto &c : cases) {
        tovu::StimulusFile f;
        std::string error;
        EXPECT_FALSE(tovu::parse_stimulus_text(c.text, c.name, f, error));
        EXPECT_EQ(error, c.expected);
    }
    tovu::StimulusFile f;
    std::string error;
    EXPECT_FALSE(tovu::parse_stimulus(missing, f, error));
    EXPECT_EQ(error, missing_shown + ": cannot open: No such file or directory");
}

TEST(Stimulus, ABadTimeNamesWhatIsWrongWithIt) {
    const std::string units = " (fs, ps, ns, us, ms, sec, min, hr)";
    const std::pair<const char *, std::string> cases[] = {
        // a number before the path: the unit is missing, whatever the path
        {"10 fpga_tb/tb_line '0'\n", "s.stim:1: bad time '10': missing unit" + units},
        {"10 tb_line '0'\n", "s.stim:1: bad time '10': missing unit" + units},
        // a number and a word: the word is a bad unit
        {"10 parsecs fpga_tb/tb_line '0'\n", "s.stim:1: bad time '10 parsecs': unknown unit 'parsecs'" + units},
        // exponents, in one word with the unit or apart from it
        {"1e3 ns fpga_tb/tb_line '0'\n",
         "s.stim:1: bad time '1e3 ns': an exponent is not allowed, write the number in full"},
        {"1e3ns fpga_tb/tb_line '0'\n",
         "s.stim:1: bad time '1e3ns': an exponent is not allowed, write the number in full"},
        {"2.5E-3 us fpga_tb/tb_line '0'\n",
         "s.stim:1: bad time '2.5E-3 us': an exponent is not allowed, write the number in full"},
        {"clock fpga_tb/clk 3e4 ps\n",
         "s.stim:1: clock period: bad time '3e4 ps': an exponent is not allowed, write the number in full"},
        // text that is no unit where the unit belongs
        {"1,5 ns fpga_tb/tb_line '0'\n",
         "s.stim:1: bad time '1,5 ns': unexpected text ',5 ns' after the number, expected a unit" + units},
        {"clock fpga_tb/clk 10 ns 5\n",
         "s.stim:1: clock period: bad time '10 ns 5': unexpected text '5' after the unit 'ns'"},
    };
    for (const auto &[text, expected] : cases) {
        tovu::StimulusFile f;
        std::string error;
        EXPECT_FALSE(tovu::parse_stimulus_text(text, "s.stim", f, error)) << text;
        EXPECT_EQ(error, expected) << text;
    }
}

TEST(Stimulus, ReadsAFileAndReportsOneThatCannotBeRead) {
    const std::string name = ::testing::TempDir() + "tovu_stimulus_test.stim";
    {
        std::ofstream out(name);
        out << "clock fpga_tb/clk 31250 ps\n0 ns fpga_tb/tb_line '1'\n8666667 ps fpga_tb/tb_line '0'\n";
    }
    tovu::StimulusFile f;
    std::string error;
    ASSERT_TRUE(tovu::parse_stimulus(name, f, error)) << error;
    ASSERT_EQ(f.changes.size(), 2u);
    EXPECT_EQ(f.changes[1].time, 8666667);
    EXPECT_EQ(f.changes[1].line, 3);
    ASSERT_EQ(f.clocks.size(), 1u);
    std::remove(name.c_str());

    EXPECT_FALSE(tovu::parse_stimulus(name, f, error));
    EXPECT_EQ(error.rfind(name + ": cannot open", 0), 0u) << error;
    EXPECT_FALSE(tovu::parse_stimulus(::testing::TempDir(), f, error));
    EXPECT_NE(error.find("is a folder, not a file"), std::string::npos) << error;
}

}  // namespace
