// The testbench clock and the top level's glue, driven through the kernel's
// stimulus: the inverted reset, the AND output, the constant outputs, the
// picture multiplexer and the set-only select flag.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "kernel.h"
#include "tovu/testing.h"

int benchsnap_main(int argc, char **argv);

namespace {

constexpr uint8_t U = 0, X = 1, L0 = 2, L1 = 3;

class Glue : public ::testing::Test {
protected:
    int run(std::vector<std::string> extra, const std::string &stimulus = "") {
        std::vector<std::string> args = {"benchsnap", std::string("--didat-dir=") + TOVU_KEST_DIR, "--quiet"};
        if (!stimulus.empty()) {
            std::string file = ::testing::TempDir() + "glue_stimulus_" + std::to_string(getpid()) + ".txt";
            std::ofstream(file) << stimulus;
            args.push_back("--stimulus=" + file);
        }
        for (auto &e : extra) args.push_back(e);
        std::vector<char *> argv;
        for (auto &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        tovu::testing::reset();
        return benchsnap_main(static_cast<int>(args.size()), argv.data());
    }
    // Value of a signal after the run, one character per element.
    std::string value(const std::string &path) {
        auto it = tovu::K().signal_by_path.find(path);
        if (it == tovu::K().signal_by_path.end()) return "<no " + path + ">";
        const tovu::SignalView *v = it->second;
        std::string s;
        for (uint32_t e = 0; e < v->count; ++e) s += "UX01ZWLH-"[v->net->value[v->first + e]];
        return s;
    }
};

TEST_F(Glue, TestbenchClockAndWaveform) {
    std::string vcd = ::testing::TempDir() + "glue_" + std::to_string(getpid()) + ".vcd";
    ASSERT_EQ(run({"--stop-time=100ns", "--vcd=" + vcd, "--vcd-signals=fpga_tb/clk"}), 0);
    std::ifstream f(vcd);
    std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    // '0' from time 0, rising at 15625 ps, period 31250 ps
    size_t t0 = text.find("$dumpvars\n0!");
    EXPECT_NE(t0, std::string::npos) << text;
    EXPECT_NE(text.find("#15625\n1!\n#31250\n0!\n#46875\n1!\n#62500\n0!\n#78125\n1!\n#93750\n0!\n"), std::string::npos)
        << text;
}

TEST_F(Glue, ResetAndGateAndConstants) {
    // rst_in comes from tb_rst_n, line_in from tb_line
    ASSERT_EQ(run({"--stop-time=10ns"}), 0);
    EXPECT_EQ(value("fpga_tb/uut/rst"), "0");       // not '1'
    EXPECT_EQ(value("fpga_tb/uut/ser_echo"), "1");  // '1' and '1'
    EXPECT_EQ(value("fpga_tb/uut/tie_hi_a"), "1");
    EXPECT_EQ(value("fpga_tb/uut/tie_hi_b"), "1");
    struct Case {
        const char *rst_n, *line, *rst, *echo;
    } cases[] = {{"'0'", "'1'", "1", "0"},
                 {"'1'", "'0'", "0", "0"},
                 {"'X'", "'1'", "X", "X"},
                 {"'H'", "'L'", "0", "0"},
                 {"'0'", "'X'", "1", "0"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.rst_n) + c.line);
        ASSERT_EQ(run({"--stop-time=10ns", std::string("--force=fpga_tb/tb_rst_n=") + c.rst_n,
                       std::string("--force=fpga_tb/tb_line=") + c.line}),
                  0);
        EXPECT_EQ(value("fpga_tb/uut/rst"), c.rst);
        EXPECT_EQ(value("fpga_tb/uut/ser_echo"), c.echo);
    }
}

TEST_F(Glue, MultiplexerFollowsTheSelectFlag) {
    std::string a(48, '0'), b(48, '1');
    a[0] = '1';
    b[47] = '0';
    std::vector<std::string> src = {"--force=fpga_tb/uut/src_a=\"" + a + "\"",
                                    "--force=fpga_tb/uut/src_b=\"" + b + "\""};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.end(), src.begin(), src.end());
        return more;
    };
    ASSERT_EQ(run(with({"--stop-time=10ns"})), 0);
    EXPECT_EQ(value("fpga_tb/uut/src_sel"), "0");
    EXPECT_EQ(value("fpga_tb/uut/pix_sel"), b);
    ASSERT_EQ(run(with({"--stop-time=10ns"}), "5 ns fpga_tb/tb_force '1'\n"), 0);
    EXPECT_EQ(value("fpga_tb/uut/src_sel"), "1");
    EXPECT_EQ(value("fpga_tb/uut/pix_sel"), a);
}

TEST_F(Glue, SelectFlagIsSetOnlyAndNeverCleared) {
    struct Case {
        const char *name;
        std::string stimulus;
        int64_t stop_ns;
        const char *flag;
    } cases[] = {
        // force_in at '1' sets it at once, before any clock edge
        {"force", "5 ns fpga_tb/tb_force '1'\n", 10, "1"},
        {"force H", "5 ns fpga_tb/tb_force 'H'\n", 100, "0"},
        // line_in '0' at a rising sel_clk edge (15625 ps, 46875 ps, ...)
        {"line low at edge", "40 ns fpga_tb/tb_line '0'\n", 50, "1"},
        {"line low between edges", "20 ns fpga_tb/tb_line '0'\n30 ns fpga_tb/tb_line '1'\n", 100, "0"},
        {"line L", "20 ns fpga_tb/tb_line 'L'\n", 100, "0"},
        {"line H", "20 ns fpga_tb/tb_line 'H'\n", 100, "0"},
        {"line X", "20 ns fpga_tb/tb_line 'X'\n", 100, "0"},
        // once set, nothing clears it: not the line, not the force, not the reset
        {"stays",
         "40 ns fpga_tb/tb_line '0'\n50 ns fpga_tb/tb_line '1'\n60 ns fpga_tb/tb_rst_n '0'\n"
         "70 ns fpga_tb/tb_force '0'\n80 ns fpga_tb/tb_rst_n '1'\n",
         200, "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(run({"--stop-time=" + std::to_string(c.stop_ns) + "ns"}, c.stimulus), 0);
        EXPECT_EQ(value("fpga_tb/uut/src_sel"), c.flag);
    }
}

TEST_F(Glue, PanelSwitchesFromTheAnimationToTheReceivedPictureAtTheFirstStartBit) {
    // With the design's clocks running, the picture word follows the
    // animation until the serial line first goes low (a start bit) at a
    // rising board-clock edge; from then on it is the received picture.
    std::vector<std::string> clocks = {"--clock=fpga_tb/uut/clk_disp=10ns", "--clock=fpga_tb/uut/clk_rx=10ns"};
    const std::string start_bit = "2 us fpga_tb/tb_line '0'\n";
    auto with = [&](const char *stop) {
        std::vector<std::string> v = clocks;
        v.push_back(std::string("--stop-time=") + stop);
        return v;
    };
    ASSERT_EQ(run(with("1990ns"), start_bit), 0);
    EXPECT_EQ(value("fpga_tb/uut/src_sel"), "0");
    EXPECT_EQ(value("fpga_tb/uut/pix_sel"), value("fpga_tb/uut/anim/pix_out"));
    EXPECT_NE(value("fpga_tb/uut/pix_sel"), value("fpga_tb/uut/src_a"));
    // the first rising edge of the board clock after 2 us is at 2015625 ps
    ASSERT_EQ(run(with("2015ns"), start_bit), 0);
    EXPECT_EQ(value("fpga_tb/uut/src_sel"), "0");
    ASSERT_EQ(run(with("2016ns"), start_bit), 0);
    EXPECT_EQ(value("fpga_tb/uut/src_sel"), "1");
    EXPECT_EQ(value("fpga_tb/uut/pix_sel"), value("fpga_tb/uut/src_a"));
    EXPECT_NE(value("fpga_tb/uut/pix_sel"), value("fpga_tb/uut/anim/pix_out"));
}

TEST(BenchsnapProgram, RunsFromAnyWorkingDirectoryWithItsOwnDesignData) {
    // The program finds its design data beside itself, wherever it is started.
    std::string vcd = ::testing::TempDir() + "anywhere_" + std::to_string(getpid()) + ".vcd";
    std::string cmd = "cd / && " + std::string(TOVU_BIN_DIR) + "/benchsnap --stop-time=1us --quiet --vcd=" + vcd +
                      " --vcd-signals=fpga_tb/clk > /dev/null";
    int st = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(st));
    EXPECT_EQ(WEXITSTATUS(st), 0);
    std::ifstream f(vcd);
    std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("#15625\n1!"), std::string::npos) << text;
    std::remove(vcd.c_str());
    // a bad option is a usage error
    st = std::system((std::string(TOVU_BIN_DIR) + "/benchsnap --stop-time=fast 2> /dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(st));
    EXPECT_EQ(WEXITSTATUS(st), 2);
}

}  // namespace
