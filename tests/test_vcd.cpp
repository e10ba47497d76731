// The VCD waveform writer: exact file text for every kind of variable,
// aliases and scopes, identifier codes, buffering and write errors.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "vcd.h"

namespace {

std::string read_file(const std::string &name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string temp_name(const char *base) { return ::testing::TempDir() + base; }

// std_ulogic positions.
enum : uint8_t { U = 0, X = 1, L0 = 2, L1 = 3, Z = 4, W = 5, L = 6, H = 7, DC = 8 };

const uint8_t *bytes(const void *p) { return static_cast<const uint8_t *>(p); }

TEST(VcdWriter, WritesHeaderScopesAliasesAndEveryValueKind) {
    const std::string name = temp_name("tovu_vcd_kinds.vcd");
    tovu::VcdWriter w;
    std::string error;
    ASSERT_TRUE(w.open(name, error)) << error;
    const int clk = w.add_var("fpga_tb/clk", tovu::VcdKind::Logic, 1);
    const int data = w.add_var("fpga_tb/uut/data", tovu::VcdKind::Logic, 4);
    const int uut_clk = w.add_var("fpga_tb/uut/clk", tovu::VcdKind::Logic, 1, clk);
    const int state = w.add_var("fpga_tb/uut/rx/state", tovu::VcdKind::Enum, 1);
    const int count = w.add_var("fpga_tb/count", tovu::VcdKind::Integer, 1);
    const int gain = w.add_var("fpga_tb/uut/gain", tovu::VcdKind::Real, 1);
    const int period = w.add_var("fpga_tb/period", tovu::VcdKind::Time, 1);
    const int flags = w.add_var("fpga_tb/uut/flags", tovu::VcdKind::Bit, 3);
    const int top = w.add_var("top_level", tovu::VcdKind::Bit, 1);
    EXPECT_EQ(uut_clk, 2);
    EXPECT_EQ(top, 8);
    w.end_definitions();

    w.time(0);
    w.begin_dump();
    const uint8_t u = U;
    w.value(clk, &u);
    const uint8_t data0[4] = {L0, L1, Z, L};
    w.value(data, data0);
    const uint8_t idle = 3;
    w.value(state, &idle);
    const int32_t minus_seven = -7;
    w.value(count, bytes(&minus_seven));
    const double tenth = 0.1;
    w.value(gain, bytes(&tenth));
    const int64_t p = 31250;
    w.value(period, bytes(&p));
    const uint8_t flags0[3] = {1, 0, 1};
    w.value(flags, flags0);
    const uint8_t one = 1;
    w.value(top, &one);
    w.end_dump_vars();
    w.time(0);  // same time: nothing written
    w.time(15625);
    const uint8_t h = H;
    w.value(uut_clk, &h);
    const int32_t big = 2147483647;
    w.value(count, bytes(&big));
    w.time(31250);
    const uint8_t data1[4] = {W, DC, X, H};
    w.value(data, data1);
    const double minus_three = -3.0;
    w.value(gain, bytes(&minus_three));
    w.value(-1, &one);  // ignored
    w.close();
    w.close();  // harmless
    EXPECT_FALSE(w.is_open());
    EXPECT_TRUE(w.ok());

    const std::string expected =
        "$date\n\ttovu simulation run\n$end\n"
        "$version\n\ttovu engine VCD writer\n$end\n"
        "$timescale\n\t1ps\n$end\n"
        "$var wire 1 ( top_level $end\n"
        "$scope module fpga_tb $end\n"
        "$var wire 1 ! clk $end\n"
        "$var integer 32 $ count $end\n"
        "$var time 64 & period $end\n"
        "$scope module uut $end\n"
        "$var wire 4 \" data $end\n"
        "$var wire 1 ! clk $end\n"
        "$var real 64 % gain $end\n"
        "$var wire 3 ' flags $end\n"
        "$scope module rx $end\n"
        "$var integer 32 # state $end\n"
        "$upscope $end\n"
        "$upscope $end\n"
        "$upscope $end\n"
        "$enddefinitions $end\n"
        "#0\n"
        "$dumpvars\n"
        "x!\n"
        "b01z0 \"\n"
        "b00000000000000000000000000000011 #\n"
        "b11111111111111111111111111111001 $\n"
        "r0.10000000000000001 %\n"
        "b0000000000000000000000000000000000000000000000000111101000010010 &\n"
        "b101 '\n"
        "1(\n"
        "$end\n"
        "#15625\n"
        "1!\n"
        "b01111111111111111111111111111111 $\n"
        "#31250\n"
        "bxxx1 \"\n"
        "r-3 %\n";
    EXPECT_EQ(read_file(name), expected);
    std::remove(name.c_str());
}

TEST(VcdWriter, MapsEveryStdUlogicValue) {
    const std::string name = temp_name("tovu_vcd_logic.vcd");
    tovu::VcdWriter w;
    std::string error;
    ASSERT_TRUE(w.open(name, error)) << error;
    const int v = w.add_var("t/v", tovu::VcdKind::Logic, 10);
    const int s = w.add_var("t/s", tovu::VcdKind::Logic, 1);
    w.time(5);  // ends the definitions by itself
    const uint8_t all[10] = {U, X, L0, L1, Z, W, L, H, DC, 200};
    w.value(v, all);
    for (uint8_t x : all) w.value(s, &x);
    w.close();
    const std::string text = read_file(name);
    const std::string tail = "#5\nbxx01zx01xx !\nx\"\nx\"\n0\"\n1\"\nz\"\nx\"\n0\"\n1\"\nx\"\nx\"\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    std::remove(name.c_str());
}

TEST(VcdWriter, IdentifierCodesArePrintableAndDistinct) {
    const std::string name = temp_name("tovu_vcd_ids.vcd");
    tovu::VcdWriter w;
    std::string error;
    ASSERT_TRUE(w.open(name, error)) << error;
    const int count = 94 * 94 + 200;  // well into three-character codes
    for (int i = 0; i < count; ++i) ASSERT_EQ(w.add_var("top/s" + std::to_string(i), tovu::VcdKind::Bit, 1), i);
    w.close();

    std::istringstream in(read_file(name));
    std::string line;
    std::set<std::string> ids;
    size_t longest = 0;
    while (std::getline(in, line)) {
        if (line.rfind("$var ", 0) != 0) continue;
        std::istringstream fields(line);
        std::string var, type, width, id;
        fields >> var >> type >> width >> id;
        for (char c : id) ASSERT_TRUE(c >= '!' && c <= '~') << line;
        ids.insert(id);
        longest = std::max(longest, id.size());
    }
    EXPECT_EQ(ids.size(), static_cast<size_t>(count));
    EXPECT_EQ(longest, 3u);
    std::remove(name.c_str());
}

TEST(VcdWriter, RefusesInvalidVariables) {
    const std::string name = temp_name("tovu_vcd_bad.vcd");
    tovu::VcdWriter w;
    std::string error;
    ASSERT_TRUE(w.open(name, error)) << error;
    const int a = w.add_var("t/a", tovu::VcdKind::Logic, 4);
    ASSERT_EQ(a, 0);
    EXPECT_EQ(w.add_var("t/z", tovu::VcdKind::Logic, 0), -1);             // null array
    EXPECT_EQ(w.add_var("t/i", tovu::VcdKind::Integer, 2), -1);           // scalar kinds have width 1
    EXPECT_EQ(w.add_var("", tovu::VcdKind::Bit, 1), -1);                  // no name
    EXPECT_EQ(w.add_var("//", tovu::VcdKind::Bit, 1), -1);                // no name
    EXPECT_EQ(w.add_var("t/b", tovu::VcdKind::Logic, 3, a), -1);          // alias of another width
    EXPECT_EQ(w.add_var("t/b", tovu::VcdKind::Bit, 4, a), -1);            // alias of another kind
    EXPECT_EQ(w.add_var("t/b", tovu::VcdKind::Logic, 4, 5), -1);          // alias of nothing
    EXPECT_EQ(w.add_var("t/b", tovu::VcdKind::Logic, 4, -2), -1);
    EXPECT_EQ(w.add_var("t/b", tovu::VcdKind::Logic, 4, a), 1);
    w.end_definitions();
    EXPECT_EQ(w.add_var("t/late", tovu::VcdKind::Bit, 1), -1);
    EXPECT_EQ(w.var_count(), 2u);
    w.close();
    std::remove(name.c_str());
}

TEST(VcdWriter, LongRunsAreCompleteAfterClose) {
    const std::string name = temp_name("tovu_vcd_long.vcd");
    const int steps = 200000;  // several buffer flushes
    {
        tovu::VcdWriter w;
        std::string error;
        ASSERT_TRUE(w.open(name, error)) << error;
        const int clk = w.add_var("tb/clk", tovu::VcdKind::Bit, 1);
        for (int i = 0; i < steps; ++i) {
            w.time(int64_t{i} * 15625);
            const uint8_t b = i % 2;
            w.value(clk, &b);
        }
        // no close: the destructor flushes
    }
    const std::string text = read_file(name);
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    const size_t header_lines = 13;  // $date, $version, $timescale (3 each), scope, var, upscope, $enddefinitions
    EXPECT_EQ(lines, header_lines + 2u * steps);
    const std::string last = "#" + std::to_string(int64_t{steps - 1} * 15625) + "\n1!\n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    std::remove(name.c_str());
}

TEST(VcdWriter, ReportsFilesThatCannotBeOpenedOrWritten) {
    tovu::VcdWriter w;
    std::string error;
    EXPECT_FALSE(w.open("/nonexistent-dir/x.vcd", error));
    EXPECT_NE(error.find("/nonexistent-dir/x.vcd"), std::string::npos) << error;
    EXPECT_FALSE(w.is_open());

    // A device that is always full: the failure must show, not vanish.
    ASSERT_TRUE(w.open("/dev/full", error)) << error;
    const int v = w.add_var("t/v", tovu::VcdKind::Bit, 1);
    w.time(0);
    const uint8_t b = 1;
    w.value(v, &b);
    w.close();
    EXPECT_FALSE(w.ok());
    EXPECT_NE(w.write_error().find("/dev/full"), std::string::npos) << w.write_error();
}

TEST(VcdWriter, APipeWhoseReaderHasGoneIsAWriteErrorNotASignal) {
    // Without care the first write after the reader has closed ends the
    // process by SIGPIPE; it must fail as any write does, name the cause
    // and leave no SIGPIPE waiting or held back.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string name = "/dev/fd/" + std::to_string(fds[1]);
    struct sigaction old_action {};
    sigaction(SIGPIPE, nullptr, &old_action);
    std::signal(SIGPIPE, SIG_DFL);
    tovu::VcdWriter w;
    std::string error;
    ASSERT_TRUE(w.open(name, error)) << error;
    ::close(fds[1]);
    ::close(fds[0]);
    const int v = w.add_var("t/v", tovu::VcdKind::Bit, 1);
    w.time(0);
    const uint8_t b = 1;
    w.value(v, &b);
    w.flush();
    EXPECT_FALSE(w.ok());
    EXPECT_FALSE(w.is_open());
    EXPECT_EQ(w.write_error(), "cannot write waveform file " + name + ": " + std::strerror(EPIPE));
    sigset_t pending, mask;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    EXPECT_EQ(sigismember(&mask, SIGPIPE), 0);
    sigaction(SIGPIPE, &old_action, nullptr);
}

}  // namespace
