// The design end to end: a picture sent over the serial line after a sync
// byte is written into the frame memories, the bank switches, and the panel
// scan shows every pixel and colour lit in exactly gamma(byte) of the 257
// passes, gamma(byte) = round((byte/255)**2.2 * 255). Before any reception
// the panel shows the memories' initial content through the same curve.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tovu/testing.h"

int benchsnap_main(int argc, char **argv);

namespace {

// Clocks of the test runs: a receiver clock ten times the display clock keeps
// the 3.9 million receiver cycles of a frame short in simulated time. The
// command line drives both clocks, and the clock manager, whose outputs they
// override, is held still: its input is forced low.
const char *kDisplayClock = "--clock=fpga_tb/uut/clk_disp=10ns";
const char *kReceiverClock = "--clock=fpga_tb/uut/clk_rx=1ns";
const char *kReceiverPeriod = "1ns";
const char *kClockManagerHeld = "--force=fpga_tb/uut/clocks/clk_in_buf='0'";

int gamma(int byte) { return static_cast<int>(std::floor(std::pow(byte / 255.0, 2.2) * 255.0 + 0.5)); }

struct Rgb {
    int r, g, b;
};

std::string temp(const std::string &name) { return ::testing::TempDir() + std::to_string(getpid()) + "_" + name; }

int run_tool(const std::string &command) {
    int st = std::system(command.c_str());
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

int run_benchsnap(std::vector<std::string> extra) {
    std::vector<std::string> args = {"benchsnap", std::string("--didat-dir=") + TOVU_KEST_DIR, "--quiet",
                                     kClockManagerHeld};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    tovu::testing::reset();
    return benchsnap_main(static_cast<int>(args.size()), argv.data());
}

// Lit passes per pixel, as panel_decode writes them: 1024 lines "R G B".
std::vector<Rgb> read_counts(const std::string &file) {
    std::vector<Rgb> px;
    std::ifstream f(file);
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        Rgb c;
        if (in >> c.r >> c.g >> c.b) px.push_back(c);
    }
    return px;
}

// Decodes the last whole frame of the panel outputs in a waveform file.
std::vector<Rgb> decode(const std::string &vcd) {
    std::string counts = temp("counts.txt");
    int st = run_tool(std::string(TOVU_BIN_DIR) + "/panel_decode --last --counts=" + counts + " -o " +
                      temp("panel.ppm") + " " + vcd);
    EXPECT_EQ(st, 0);
    return read_counts(counts);
}

const std::string kPanelSignals =
    "--vcd-signals=fpga_tb/uut/rgb_0,fpga_tb/uut/rgb_1,fpga_tb/uut/row,fpga_tb/uut/blank,fpga_tb/uut/sclk,"
    "fpga_tb/uut/latch";

TEST(BenchsnapPicture, ReceivedPictureIsShownThroughTheGammaCurve) {
    // A picture with every colour byte somewhere, ramps and a few extremes;
    // the byte 1 is the sync marker and goes out as 2.
    std::vector<Rgb> pic(1024);
    for (int p = 0; p < 1024; ++p) {
        int x = p % 32, y = p / 32;
        pic[p] = {(x * 8 + y) & 255, (y * 8 + x * 3 + 17) & 255, (p * 7 + 101) & 255};
    }
    pic[0] = {0, 255, 1};
    pic[1023] = {255, 0, 128};
    std::string text = temp("picture.txt");
    {
        std::ofstream f(text);
        for (const Rgb &c : pic) f << c.r << ' ' << c.g << ' ' << c.b << '\n';
    }
    std::string stim = temp("picture.stim");
    ASSERT_EQ(run_tool(std::string(TOVU_BIN_DIR) + "/picture_to_stimulus --format=text --rx-clock=" + kReceiverPeriod +
                       " --signal=fpga_tb/tb_line -o " + stim + " " + text + " 2>/dev/null"),
              0);
    // 3073 bytes of 10 bits of 128 receiver cycles take 3.93 ms; then the
    // bank switches and a whole scan (about 5.4 ms) must pass after it.
    std::string vcd = temp("picture.vcd");
    ASSERT_EQ(run_benchsnap({kDisplayClock, kReceiverClock, "--stimulus=" + stim, "--stop-time=15ms", "--vcd=" + vcd,
                             kPanelSignals}),
              0);
    std::vector<Rgb> shown = decode(vcd);
    ASSERT_EQ(shown.size(), 1024u);
    int wrong = 0;
    for (int p = 0; p < 1024; ++p) {
        auto sent = [](int v) { return v == 1 ? 2 : v; };
        Rgb want{gamma(sent(pic[p].r)), gamma(sent(pic[p].g)), gamma(sent(pic[p].b))};
        if (shown[p].r != want.r || shown[p].g != want.g || shown[p].b != want.b) {
            if (++wrong <= 5)
                ADD_FAILURE() << "pixel " << p << ": shown " << shown[p].r << ' ' << shown[p].g << ' ' << shown[p].b
                              << ", expected " << want.r << ' ' << want.g << ' ' << want.b;
        }
    }
    EXPECT_EQ(wrong, 0);
    std::remove(vcd.c_str());
}

TEST(BenchsnapPicture, BeforeAnyReceptionThePanelShowsTheInitialMemoryContent) {
    // The select flag forced at once picks the received picture, which is
    // still the memories' initial content: every row holds its address mod
    // 256, and the display reads bank 1 first, so pixel p shows byte p mod 256
    // in each half, through the gamma curve.
    std::string vcd = temp("initial.vcd");
    ASSERT_EQ(run_benchsnap({kDisplayClock, kReceiverClock, "--force=fpga_tb/tb_force='1'", "--stop-time=12ms",
                             "--vcd=" + vcd, kPanelSignals}),
              0);
    std::vector<Rgb> shown = decode(vcd);
    ASSERT_EQ(shown.size(), 1024u);
    int wrong = 0;
    for (int p = 0; p < 1024; ++p) {
        int c = gamma(p % 256);
        if (shown[p].r != c || shown[p].g != c || shown[p].b != c) {
            if (++wrong <= 5)
                ADD_FAILURE() << "pixel " << p << ": shown " << shown[p].r << ' ' << shown[p].g << ' ' << shown[p].b
                              << ", expected " << c;
        }
    }
    EXPECT_EQ(wrong, 0);
    std::remove(vcd.c_str());
}

}  // namespace
