// The two tools as a user runs them: picture_to_stimulus (its stimulus file
// is read back with the kernel's own stimulus reader and decoded here as a
// serial receiver would) and panel_decode (on waveforms written here in the
// panel controller's protocol, whose picture is known).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/tool_time.h"
#include "stimulus.h"

namespace {

namespace fs = std::filesystem;

std::string tool(const std::string &name) { return std::string(TOVU_BIN_DIR) + "/" + name; }

// An address-space limit for a tool's run: a read without a bound ends in
// std::bad_alloc under it. The sanitizers reserve far more address space
// than this, so their builds run without it.
#if defined(__SANITIZE_ADDRESS__)
const std::string kMemoryLimit = "";
#else
const std::string kMemoryLimit = "ulimit -v 1000000; ";
#endif

std::string slurp(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/tovu_tools_XXXXXX";
        dir_ = mkdtemp(tmpl);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string &name) const { return dir_ + "/" + name; }
    void write(const std::string &name, const std::string &data) const {
        std::ofstream(path(name), std::ios::binary) << data;
    }
    // Runs a command line; returns its exit status, with its stderr in err_.
    int sh(const std::string &command) {
        const int st = std::system((command + " 2>" + path("stderr.txt")).c_str());
        err_ = slurp(path("stderr.txt"));
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    // Runs a tool in the test's folder, so that the arguments name files as
    // a user does, under kMemoryLimit.
    int run_here(const std::string &name, const std::string &args) {
        return sh("cd " + dir_ + " && " + kMemoryLimit + tool(name) + " " + args);
    }

    std::string dir_;
    std::string err_;
};

// =================================================================================
// Times on the tools' command lines
// =================================================================================

// The programs' syntax, plus a bare number in ps, fractions of a ps and `s`.
TEST(ToolTime, ProgramSyntaxWithPicosecondDefault) {
    struct Case {
        const char *text;
        int64_t num, den;
    } cases[] = {
        {"1000", 1000, 1},
        {"1000.5", 10005, 10},
        {"8666666.667", 8666666667, 1000},
        {"31.25ns", 31250, 1},
        {"10 US", 10000000, 1},
        {" 1.5\tus ", 1500000, 1},
        {"4 ms", 4000000000, 1},
        {"2sec", 2000000000000, 1},
        {"2 s", 2000000000000, 1},
        {"0.25 S", 250000000000, 1},
        {"1 min", 60000000000000, 1},
        {"1 Hr", 3600000000000000, 1},
        {"1500 fs", 15, 10},
        {"1 fs", 1, 1000},
        {"0.000001 ps", 1, 1000000},
        {"0", 0, 1},
        {"9223372036854775807", INT64_MAX, 1},
    };
    for (const Case &c : cases) {
        tool_time::Ps t;
        std::string error;
        ASSERT_TRUE(tool_time::parse(c.text, t, error)) << c.text << ": " << error;
        EXPECT_EQ(t.num, c.num) << c.text;
        EXPECT_EQ(t.den, c.den) << c.text;
    }
}

TEST(ToolTime, RefusedTimesNameTheCause) {
    struct Case {
        const char *text;
        const char *message;
    } cases[] = {
        {"", "expected a number"},
        {"ns", "expected a number"},
        {"10 parsec", "unknown unit 'parsec'"},
        {"1e3 ns", "exponent"},
        {"1.s", "bad time '1.s': expected digits after '.'"},
        {"-5 ns", "must not be negative"},
        {"0.0000001 ps", "finer than 0.000001 ps"},
        {"9223372036854775808", "out of range"},
        {"2563 hr", "out of range"},
    };
    for (const Case &c : cases) {
        tool_time::Ps t;
        std::string error;
        EXPECT_FALSE(tool_time::parse(c.text, t, error)) << c.text;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.text << ": " << error;
    }
}

// =================================================================================
// picture_to_stimulus
// =================================================================================

// A test picture whose three colours and 1024 pixels are all told apart, with
// 0, 1 (the sync value) and 255 among its bytes.
std::vector<uint8_t> test_picture() {
    std::vector<uint8_t> v(3072);
    for (int n = 0; n < 1024; ++n)
        for (int c = 0; c < 3; ++c) {
            const int x = (n * 7 + 85 * c) % 256;
            v[static_cast<size_t>(3 * n + c)] = static_cast<uint8_t>(x == 1 ? 0 : x);
        }
    v[0] = 1;
    v[4] = 1;
    v[3070] = 255;
    v[3071] = 127;  // bit 7 '0': the last stop bit is a change of the line
    return v;
}

std::string ppm_p6(const std::vector<uint8_t> &v, int w = 32, int h = 32, int maxval = 255) {
    std::string s = "P6\n# made by the test\n" + std::to_string(w) + " " + std::to_string(h) + "\n" +
                    std::to_string(maxval) + "\n";
    s.append(reinterpret_cast<const char *>(v.data()), v.size());
    return s;
}
std::string ppm_p3(const std::vector<uint8_t> &v) {
    std::string s = "P3 32 32\n255\n";
    for (size_t i = 0; i < v.size(); ++i) s += std::to_string(v[i]) + (i % 12 == 11 ? "\n" : " ");
    return s;
}
std::string text_picture(const std::vector<uint8_t> &v) {
    std::string s = "# a picture as text\n";
    for (size_t n = 0; n < 1024; ++n)
        s += std::to_string(v[3 * n]) + " " + std::to_string(v[3 * n + 1]) + " " + std::to_string(v[3 * n + 2]) + "\n";
    return s;
}

// The line as a function of time, from the stimulus changes of one signal.
struct Line {
    std::vector<std::pair<int64_t, char>> changes;
    char at(int64_t t) const {
        auto after = std::upper_bound(changes.begin(), changes.end(), t,
                                      [](int64_t x, const std::pair<int64_t, char> &c) { return x < c.first; });
        return after == changes.begin() ? 'U' : std::prev(after)->second;
    }
};

Line read_line(const std::string &file, const std::string &signal) {
    tovu::StimulusFile sf;
    std::string err;
    EXPECT_TRUE(tovu::parse_stimulus(file, sf, err)) << err;
    EXPECT_TRUE(sf.clocks.empty());
    Line line;
    for (const auto &c : sf.changes) {
        EXPECT_EQ(c.path, signal);
        EXPECT_TRUE(c.value == "'0'" || c.value == "'1'") << c.value;
        line.changes.push_back({c.time, c.value == "'1'" ? '1' : '0'});
    }
    return line;
}

TEST_F(ToolTest, StimulusCarriesSyncAndColourBytesAtTheBitTime) {
    const std::vector<uint8_t> pic = test_picture();
    write("pic.ppm", ppm_p6(pic));
    // 1000.5 ps per bit: each bit boundary lies on the nearest ps (halves up)
    ASSERT_EQ(sh(tool("picture_to_stimulus") + " --bit-time=1000.5 --start=5000 --signal=top/ser/line -o " +
                 path("out.stim") + " " + path("pic.ppm")),
              0)
        << err_;
    EXPECT_NE(err_.find("2 colour byte(s) of value 1 sent as 2"), std::string::npos) << err_;
    const Line line = read_line(path("out.stim"), "top/ser/line");
    ASSERT_FALSE(line.changes.empty());

    auto boundary = [](int64_t k) { return 5000 + (k * 10005 + 5) / 10; };
    // every change lies on a bit boundary
    std::vector<int64_t> boundaries;
    for (int64_t k = 0; k <= 3073 * 10; ++k) boundaries.push_back(boundary(k));
    for (const auto &c : line.changes) {
        if (c.first == 0) continue;
        EXPECT_TRUE(std::binary_search(boundaries.begin(), boundaries.end(), c.first)) << c.first;
    }
    // idle before, sampled mid-bit like a receiver: start, 8 data bits LSB first, stop
    EXPECT_EQ(line.changes.front(), std::make_pair(int64_t{0}, '1'));
    EXPECT_EQ(line.at(4999), '1');
    std::vector<int> bytes;
    for (int64_t j = 0; j < 3073; ++j) {
        const int64_t first = 10 * j;
        auto sample = [&](int64_t k) { return line.at((boundary(first + k) + boundary(first + k + 1)) / 2); };
        ASSERT_EQ(sample(0), '0') << "start bit of byte " << j;
        int v = 0;
        for (int i = 0; i < 8; ++i) v |= (sample(1 + i) == '1') << i;
        ASSERT_EQ(sample(9), '1') << "stop bit of byte " << j;
        bytes.push_back(v);
    }
    EXPECT_EQ(line.at(boundary(30730) + 100000), '1');
    EXPECT_EQ(line.changes.back().first, boundary(30729));  // the last stop bit

    ASSERT_EQ(bytes.size(), 3073u);
    EXPECT_EQ(bytes[0], 1);  // sync
    for (size_t i = 0; i < pic.size(); ++i) {
        const int want = pic[i] == 1 ? 2 : pic[i];
        ASSERT_EQ(bytes[i + 1], want) << "colour byte " << i;
    }
}

TEST_F(ToolTest, StimulusFromTheThreePictureFormatsIsTheSame) {
    const std::vector<uint8_t> pic = test_picture();
    write("a.ppm", ppm_p6(pic));
    write("b.ppm", ppm_p3(pic));
    write("c.txt", text_picture(pic));
    const std::string opts = " --rx-clock=10ns --signal=fpga_tb/tb_line ";
    std::vector<std::vector<std::pair<int64_t, char>>> lines;
    for (const char *name : {"a.ppm", "b.ppm", "c.txt"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(sh(tool("picture_to_stimulus") + opts + path(name) + " -o " + path("out.stim")), 0) << err_;
        lines.push_back(read_line(path("out.stim"), "fpga_tb/tb_line").changes);
    }
    EXPECT_EQ(lines[0], lines[1]);
    EXPECT_EQ(lines[0], lines[2]);
    // 128 receiver clocks per bit; the first start bit one bit time in
    ASSERT_GE(lines[0].size(), 2u);
    EXPECT_EQ(lines[0][1], std::make_pair(int64_t{1280000}, '0'));
    EXPECT_EQ(lines[0][2], std::make_pair(int64_t{2560000}, '1'));  // bit 0 of the sync byte
}

TEST_F(ToolTest, StimulusOfAPictureWithALineBreakInItsNameIsStillAStimulus) {
    // The picture's name is written in the file's first comment line; a line
    // break in it must not end the comment. The changes are those of the same
    // picture under a plain name.
    const std::string pic = ppm_p6(test_picture());
    write("plain.ppm", pic);
    write("a\nb.ppm", pic);
    std::vector<std::pair<int64_t, char>> lines[2];
    const std::string names[2] = {"plain.ppm", "a\nb.ppm"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(
            sh(tool("picture_to_stimulus") + " --rx-clock=10ns -o " + path("out.stim") + " '" + path(names[i]) + "'"),
            0)
            << err_;
        lines[i] = read_line(path("out.stim"), "fpga_tb/tb_line").changes;
    }
    EXPECT_EQ(slurp(path("out.stim")).rfind("# " + path("a\\x0Ab.ppm") + " sent on fpga_tb/tb_line", 0), 0u);
    EXPECT_EQ(lines[1], lines[0]);
}

TEST_F(ToolTest, StimulusTakesTimesAsTheProgramsWriteThem) {
    write("pic.ppm", ppm_p6(test_picture()));
    // 10 ns receiver clock: 1280 ns per bit; first start bit at 2 ns
    const char *spellings[] = {
        "--bit-time=1280000 --start=2000",
        "--rx-clock=10ns --start=2ns",
        "'--rx-clock=0.01 US' '--start=2000000 fs'",
        "'--bit-time=1.28 us' --start=0.000000002sec",
    };
    std::vector<std::vector<std::pair<int64_t, char>>> lines;
    for (const char *options : spellings) {
        SCOPED_TRACE(options);
        ASSERT_EQ(sh(tool("picture_to_stimulus") + " " + options + " -o " + path("out.stim") + " " + path("pic.ppm")),
                  0)
            << err_;
        lines.push_back(read_line(path("out.stim"), "fpga_tb/tb_line").changes);
    }
    ASSERT_GE(lines[0].size(), 2u);
    EXPECT_EQ(lines[0][1], std::make_pair(int64_t{2000}, '0'));
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i], lines[0]) << spellings[i];
}

TEST_F(ToolTest, StimulusRefusesBadPicturesAndOptions) {
    const std::vector<uint8_t> pic = test_picture();
    std::string short_text = text_picture(pic);
    short_text.erase(short_text.rfind("\n", short_text.size() - 2) + 1);  // 1023 pixels
    std::string big_value = text_picture(pic);
    big_value.replace(big_value.find('\n') + 1, 1, "256 ");
    struct Case {
        const char *name;
        std::string data;
        const char *options;
        const char *message;
    } cases[] = {
        {"narrow.ppm", ppm_p6(std::vector<uint8_t>(31 * 32 * 3), 31, 32), "--bit-time=1000", "not 32x32"},
        {"deep.ppm", ppm_p6(std::vector<uint8_t>(3072 * 2), 32, 32, 65535), "--bit-time=1000", "not 255"},
        {"cut.ppm", ppm_p6(std::vector<uint8_t>(3000)), "--bit-time=1000", "3072 expected"},
        {"short.txt", short_text, "--bit-time=1000", "1023 pixels, 1024 expected"},
        {"big.txt", big_value, "--bit-time=1000", "colour value 256 is above 255"},
        {"ok.ppm", ppm_p6(pic), "", "--bit-time or --rx-clock"},
        {"ok.ppm", ppm_p6(pic), "--bit-time=0", "must be positive"},
        {"ok.ppm", ppm_p6(pic), "'--bit-time=10 parsec'", "unknown unit"},
        {"ok.ppm", ppm_p6(pic), "--bit-time=1000 --start=1.5", "whole number of ps"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.options);
        write(c.name, c.data);
        EXPECT_EQ(sh(tool("picture_to_stimulus") + " " + c.options + " -o " + path("out.stim") + " " + path(c.name)),
                  2);
        EXPECT_NE(err_.find(c.message), std::string::npos) << err_;
    }
    EXPECT_EQ(sh(tool("picture_to_stimulus") + " --bit-time=1000 " + path("missing.ppm")), 2);
    EXPECT_NE(err_.find("cannot open"), std::string::npos) << err_;
}

// The picture is never overwritten, whatever name the output gives it; a
// folder, an endless device, an empty output name and both bit-time options
// end with one line (status 2), which shows file names and quoted input with
// \xNN for the bytes that are not printable and cuts quoted input at 64 bytes.
TEST_F(ToolTest, StimulusSparesThePictureAndRefusesInOneLine) {
    const std::string pic = ppm_p6(test_picture());
    write("pic.ppm", pic);
    fs::create_hard_link(path("pic.ppm"), path("hard.ppm"));
    fs::create_symlink("pic.ppm", path("sym.ppm"));
    fs::create_directory(path("sub"));
    write("esc.txt", "1 2 3\x1b\n");
    write("wide.ppm", "P3 " + std::string(100, '7') + " 32 255\n");
    const std::string reads = ", which the tool reads";
    struct Case {
        std::string args;
        std::string message;
    } cases[] = {
        {"--rx-clock=1ns -o pic.ppm pic.ppm", "-o: output file pic.ppm is the picture pic.ppm" + reads},
        {"--rx-clock=1ns --out=hard.ppm pic.ppm", "--out: output file hard.ppm is the picture pic.ppm" + reads},
        {"--rx-clock=1ns -o sym.ppm pic.ppm", "-o: output file sym.ppm is the picture pic.ppm" + reads},
        {"--rx-clock=1ns -o sub/../pic.ppm pic.ppm", "-o: output file sub/../pic.ppm is the picture pic.ppm" + reads},
        {"--rx-clock=1ns -o /dev/stdin /dev/stdin <pic.ppm",
         "-o: output file /dev/stdin is the picture /dev/stdin" + reads},
        {"--rx-clock=1ns -o '' pic.ppm", "-o: empty file name"},
        {"--rx-clock=1ns --out= pic.ppm", "--out: empty file name"},
        {"--rx-clock=1ns sub", "sub: is a folder, not a file"},
        {"--rx-clock=1ns /dev/zero", "/dev/zero: is larger than 16777216 bytes"},
        {"--bit-time=1000 --rx-clock=10ns pic.ppm", "--bit-time and --rx-clock exclude each other: give one of them"},
        {"--rx-clock=10ns -o out.stim --bit-time=1000 pic.ppm",
         "--bit-time and --rx-clock exclude each other: give one of them"},
        {"--rx-clock=1ns \"$(printf 'a\\033b\\nc.ppm')\"",
         std::string("a\\x1Bb\\x0Ac.ppm: cannot open: ") + std::strerror(ENOENT)},
        {"--rx-clock=1ns esc.txt", "esc.txt:1: bad colour value '3\\x1B'"},
        {"--rx-clock=1ns wide.ppm", "wide.ppm: bad width '" + std::string(64, '7') + "...'"},
        {"--rx-clock=1ns \"--format=$(printf 'p\\tm')\" pic.ppm", "--format: expected ppm or text, not 'p\\x09m'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(run_here("picture_to_stimulus", c.args), 2);
        EXPECT_EQ(err_, "picture_to_stimulus: " + c.message + "\n");
    }
    EXPECT_EQ(slurp(path("pic.ppm")), pic);
    EXPECT_FALSE(fs::exists(path("out.stim")));
}

// =================================================================================
// panel_decode
// =================================================================================

// Lit-pass count of each pixel and colour: [panel row][column][colour].
using Picture = std::vector<std::array<int, 3>>;
int &at(Picture &p, int row, int col, int colour) { return p[static_cast<size_t>(row * 32 + col)][colour]; }
int at(const Picture &p, int row, int col, int colour) { return p[static_cast<size_t>(row * 32 + col)][colour]; }

Picture make_picture(const std::function<int(int, int, int)> &value) {
    Picture p(1024);
    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 32; ++c)
            for (int k = 0; k < 3; ++k) at(p, r, c, k) = value(r, c, k);
    return p;
}

// Writes waveforms of the panel outputs as the controller produces them: per
// pass 32 columns shifted on rising sclk edges, the colour bits changing to
// the next column at the very timestamp of each rise (so only the values from
// before a rise are right), the latch rising with the last shift clock of
// passes 1..256, and pass 0 latched inside a blank during which the row
// output changes.
class PanelWaves {
public:
    // order: the colours of rgb_h from their left element, e.g. "BGR"
    explicit PanelWaves(std::string order = "BGR") : order_(std::move(order)) {
        out_ << "$date today $end\n$version test $end\n$timescale 1 ps $end\n"
             << "$scope module fpga_tb $end\n$var wire 1 ck clk $end\n$scope module uut $end\n"
             << "$var wire 3 r0 rgb_0 [2:0] $end\n$var wire 3 r1 rgb_1 $end\n$var wire 4 rw row $end\n"
             << "$var wire 1 bk blank $end\n$var wire 1 sc sclk $end\n$var wire 1 la latch $end\n"
             << "$scope module disp $end\n$var wire 9 ad addr_out $end\n$var integer 32 st state $end\n"
             << "$upscope $end\n$upscope $end\n$upscope $end\n$enddefinitions $end\n"
             << "#0\n$dumpvars\nbxxx r0\nbxxx r1\nbxxxx rw\nxbk\nxsc\nxla\nbx ad\nb0 st\n0ck\n$end\n";
        time(1);
        out_ << "1sc\n0la\n0bk\nb1111 rw\n";
    }

    // Passes `first` .. `last` of `row` with the given picture; `shifts` clocks
    // in pass `short_pass`; `bad_bit` puts an 'x' on rgb_0 in pass `bad_pass`.
    void row(const Picture &pic, int row, int first = 0, int last = 256, int short_pass = -1, int bad_pass = -1) {
        for (int p = first; p <= last; ++p) pass(pic, row, p, p == short_pass ? 31 : 32, p == bad_pass);
    }
    void frame(const Picture &pic) {
        for (int r = 0; r < 16; ++r) row(pic, r);
    }
    // A latch after only a few shift clocks.
    void stray_latch() {
        for (int c = 0; c < 5; ++c) {
            time(t_ += 2);
            out_ << "0sc\n";
            time(t_ += 2);
            out_ << "1sc\n";
        }
        out_ << "1la\n";
        time(t_ += 3);
        out_ << "0la\n";
    }
    int64_t now() const { return t_; }
    // when the pass-0 latch of each row came, in order
    const std::vector<int64_t> &row_starts() const { return row_starts_; }
    std::string text() const { return out_.str(); }

private:
    std::string rgb(const Picture &pic, int half, int row, int col, int pass, bool bad) const {
        std::string s;
        for (char colour : order_) {
            const int k = colour == 'R' ? 0 : colour == 'G' ? 1 : 2;
            s += pass < at(pic, row + 16 * half, col, k) ? '1' : '0';
        }
        if (bad && half == 0 && col == 7) s[1] = 'x';
        return s;
    }
    static std::string bits(int v, int n) {
        std::string s;
        for (int i = n - 1; i >= 0; --i) s += (v >> i) & 1 ? '1' : '0';
        return s;
    }
    void time(int64_t t) {
        if (t != written_) out_ << '#' << t << '\n';
        written_ = t;
    }
    void pass(const Picture &pic, int row, int p, int shifts, bool bad) {
        time(t_ += 2);
        out_ << "b" << rgb(pic, 0, row, 0, p, bad) << " r0\nb" << rgb(pic, 1, row, 0, p, bad) << " r1\n";
        out_ << "b" << bits((row * 32 + p % 32) % 512, 9) << " ad\n" << (p % 2 ? "1" : "0") << "ck\n";
        for (int c = 0; c < shifts; ++c) {
            time(t_ += 2);
            out_ << "0sc\n";
            time(t_ += 2);
            out_ << "1sc\n";
            if (c + 1 < shifts)
                out_ << "b" << rgb(pic, 0, row, c + 1, p, bad) << " r0\nb" << rgb(pic, 1, row, c + 1, p, bad) << " r1\n";
        }
        if (p == 0) {
            out_ << "1bk\n";
            time(t_ + 1);
            out_ << "b" << bits(row, 4) << " rw\n";
            time(t_ += 3);
            out_ << "1la\n";
            row_starts_.push_back(t_);
            time(t_ += 3);
            out_ << "0la\n";
            time(t_ += 3);
            out_ << "0bk\n";
        } else {
            out_ << "1la\n";
            time(t_ + 1);  // other signals change while the latch is high
            out_ << (p % 2 ? "0" : "1") << "ck\n";
            time(t_ += 3);
            out_ << "0la\n";
        }
    }

    std::string order_;
    std::ostringstream out_;
    int64_t t_ = 1;
    int64_t written_ = -1;
    std::vector<int64_t> row_starts_;
};

Picture picture_a() {
    return make_picture([](int r, int c, int k) { return (r * 32 + c + 85 * k) % 256; });
}
Picture picture_b() {
    return make_picture([](int r, int c, int k) { return 255 - (r * 7 + c * 3 + 50 * k) % 256; });
}

// Reads a P6 or P3 PPM of 32x32; returns the samples and the maximum value.
Picture read_ppm(const std::string &data, int &maxval) {
    std::istringstream in(data);
    std::string magic;
    int w = 0, h = 0;
    in >> magic >> w >> h >> maxval;
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 32);
    Picture p(1024);
    if (magic == "P3") {
        for (auto &px : p)
            for (int &v : px) in >> v;
        return p;
    }
    EXPECT_EQ(magic, "P6");
    in.get();  // the one whitespace after the header
    for (auto &px : p) {
        for (int &v : px) {
            v = static_cast<unsigned char>(in.get());
            if (maxval > 255) v = v * 256 + static_cast<unsigned char>(in.get());
        }
    }
    EXPECT_TRUE(in.good());
    return p;
}

class PanelDecode : public ToolTest {
protected:
    // Frames A and B after a preamble that has no frame in it (a row without
    // its pass 0, an undefined colour bit, a stray latch), then part of a
    // third frame.
    void write_two_frames() {
        PanelWaves w;
        w.row(picture_b(), 15, 250, 256, -1, 253);
        w.stray_latch();
        frame_a_start_ = w.now();
        const size_t rows_before = w.row_starts().size();
        w.frame(picture_a());
        frame_a_latch_ = w.row_starts()[rows_before];
        frame_b_start_ = w.now();
        w.frame(picture_b());
        w.row(picture_a(), 0, 0, 20);
        write("two.vcd", w.text());
    }
    int decode(const std::string &options, Picture &got, int &maxval) {
        const int st = sh(tool("panel_decode") + " " + options + " -o " + path("out.ppm") + " " + path("two.vcd"));
        if (st == 0) got = read_ppm(slurp(path("out.ppm")), maxval);
        return st;
    }
    int64_t frame_a_start_ = 0, frame_b_start_ = 0;
    int64_t frame_a_latch_ = 0;  // the frame starts with this latch
};

// A time in ps written in seconds with all twelve decimals.
std::string seconds(int64_t ps) {
    const std::string frac = std::to_string(1000000000000 + ps % 1000000000000).substr(1);
    return std::to_string(ps / 1000000000000) + "." + frac;
}

TEST_F(PanelDecode, FramesAreRebuiltFromTheShiftAndLatchProtocol) {
    write_two_frames();
    struct Case {
        std::string options;
        Picture want;
    } cases[] = {
        {"", picture_a()},
        {"--frame=1", picture_b()},
        {"--last", picture_b()},
        {"--from=" + std::to_string(frame_b_start_) + "ps", picture_b()},
        {"--from=" + std::to_string(frame_a_start_), picture_a()},
        // the programs' units; one fs after frame A's start leaves frame B
        {"'--from=" + seconds(frame_b_start_) + " SEC'", picture_b()},
        {"--from=" + seconds(frame_b_start_) + "s", picture_b()},
        {"'--from=" + std::to_string(frame_a_latch_ * 1000) + " fs'", picture_a()},
        {"'--from=" + std::to_string(frame_a_latch_ * 1000 + 1) + " fs'", picture_b()},
        {"--scope=fpga_tb/uut --plain", picture_a()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options);
        Picture got;
        int maxval = 0;
        ASSERT_EQ(decode(c.options, got, maxval), 0) << err_;
        EXPECT_EQ(maxval, 255);
        int wrong = 0;
        for (int r = 0; r < 32; ++r)
            for (int col = 0; col < 32; ++col)
                for (int k = 0; k < 3; ++k)
                    if (at(got, r, col, k) != at(c.want, r, col, k) && ++wrong < 5)
                        ADD_FAILURE() << "row " << r << " column " << col << " colour " << k << ": "
                                      << at(got, r, col, k) << ", want " << at(c.want, r, col, k);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(PanelDecode, CountsFileAndDutyScale) {
    write_two_frames();
    Picture got;
    int maxval = 0;
    ASSERT_EQ(decode("--scale=duty --counts=" + path("counts.txt"), got, maxval), 0) << err_;
    const Picture a = picture_a();
    EXPECT_EQ(maxval, 255);
    for (int i = 0; i < 1024; ++i)
        for (int k = 0; k < 3; ++k)
            ASSERT_EQ(got[static_cast<size_t>(i)][k], (a[static_cast<size_t>(i)][k] * 255 + 128) / 257) << i;
    // the counts file: a comment, then "R G B" per pixel in raster order
    std::istringstream counts(slurp(path("counts.txt")));
    std::string line;
    std::getline(counts, line);
    EXPECT_EQ(line[0], '#');
    for (int i = 0; i < 1024; ++i) {
        int r = -1, g = -1, b = -1;
        counts >> r >> g >> b;
        ASSERT_EQ((std::array<int, 3>{r, g, b}), a[static_cast<size_t>(i)]) << i;
    }
}

TEST_F(PanelDecode, ColourOrderOption) {
    PanelWaves w("RGB");  // red is the leftmost element in this waveform
    w.frame(picture_a());
    write("two.vcd", w.text());
    Picture got;
    int maxval = 0;
    ASSERT_EQ(decode("--rgb-order=rgb", got, maxval), 0) << err_;
    EXPECT_EQ(got, picture_a());
    ASSERT_EQ(decode("", got, maxval), 0) << err_;  // read as BGR: red and blue swap
    EXPECT_EQ(at(got, 3, 4, 0), at(picture_a(), 3, 4, 2));
}

TEST_F(PanelDecode, FaultsInsideTheFrameAreReported) {
    struct Case {
        const char *name;
        std::function<void(PanelWaves &)> fault;
        const char *message;
    } cases[] = {
        {"short pass", [](PanelWaves &w) { w.row(picture_a(), 3, 0, 256, 17); }, "31 shift clocks before a latch"},
        {"undefined bit", [](PanelWaves &w) { w.row(picture_a(), 3, 0, 256, -1, 40); }, "undefined colour bit"},
        {"row skipped", [](PanelWaves &w) { w.row(picture_a(), 4); }, "row 4 follows row 2"},
        {"row cut short", [](PanelWaves &w) { w.row(picture_a(), 3, 0, 200); }, "row 3 ended after 201 passes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PanelWaves w;
        for (int r = 0; r < 3; ++r) w.row(picture_a(), r);
        c.fault(w);
        for (int r = 4; r < 16; ++r) w.row(picture_a(), r);
        w.frame(picture_b());
        write("two.vcd", w.text());
        Picture got;
        int maxval = 0;
        EXPECT_EQ(decode("", got, maxval), 1);
        EXPECT_NE(err_.find(c.message), std::string::npos) << err_;
    }
}

TEST_F(PanelDecode, MissingFramesAndSignals) {
    write_two_frames();
    Picture got;
    int maxval = 0;
    EXPECT_EQ(decode("--frame=2", got, maxval), 1);
    EXPECT_NE(err_.find("ends before frame 2 is complete (2 complete frame(s))"), std::string::npos) << err_;
    EXPECT_EQ(decode("--scope=fpga_top", got, maxval), 2);
    EXPECT_NE(err_.find("no signal fpga_top/rgb_0"), std::string::npos) << err_;
    EXPECT_EQ(decode("--sclk=fpga_tb/uut/disp/addr_out", got, maxval), 2);
    EXPECT_NE(err_.find("not a one-bit signal"), std::string::npos) << err_;
    write("two.vcd", "not a waveform\n");
    EXPECT_EQ(decode("", got, maxval), 2);
}

// No output may be the waveform file, under any name, or the other output; a
// terminal, pipe or device may take both. Each refusal is one line (status
// 2) before anything is written, which shows file names and quoted input
// with \xNN for the bytes that are not printable and cuts quoted input at 64
// bytes.
TEST_F(PanelDecode, OutputsSpareTheWaveformAndEachOther) {
    write_two_frames();
    const std::string vcd = slurp(path("two.vcd"));
    fs::create_hard_link(path("two.vcd"), path("hard.vcd"));
    fs::create_symlink("two.vcd", path("sym.vcd"));
    fs::create_directory(path("sub"));
    write("y.ppm", "kept");
    write("gz.vcd", std::string("\x1f\x8b\x08\x00\x1b\x02 \x03\n", 9));
    std::string odd_width = vcd;
    odd_width.replace(odd_width.find("$var wire 3 r0"), 14, "$var wire 3abc r0");
    write("width.vcd", odd_width);
    const std::string reads = ", which the tool reads";
    struct Case {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"--last -o two.vcd two.vcd", 2, "-o: output file two.vcd is the waveform file two.vcd" + reads},
        {"--counts=two.vcd two.vcd >out.ppm", 2, "--counts: output file two.vcd is the waveform file two.vcd" + reads},
        {"--out=hard.vcd two.vcd", 2, "--out: output file hard.vcd is the waveform file two.vcd" + reads},
        {"-o sym.vcd two.vcd", 2, "-o: output file sym.vcd is the waveform file two.vcd" + reads},
        {"-o sub/../two.vcd two.vcd", 2, "-o: output file sub/../two.vcd is the waveform file two.vcd" + reads},
        {"--counts=./x.ppm -o x.ppm two.vcd", 2,
         "--counts: output file ./x.ppm is the file x.ppm that -o writes the picture to"},
        {"--counts=y.ppm --out=sub/../y.ppm two.vcd", 2,
         "--counts: output file y.ppm is the file sub/../y.ppm that --out writes the picture to"},
        {"--counts=/dev/stdout two.vcd >z.ppm", 2,
         "--counts: output file /dev/stdout is standard output, which the picture is written to"},
        {"-o /dev/null --counts=/dev/null two.vcd", 0, ""},
        {"--counts=/dev/stdout two.vcd | cat >/dev/null", 0, ""},
        {"-o '' two.vcd >out.ppm", 2, "-o: empty file name"},
        {"--out= two.vcd >out.ppm", 2, "--out: empty file name"},
        {"--counts= two.vcd >out.ppm", 2, "--counts: empty file name"},
        {"--last --frame=1 two.vcd >out.ppm", 2, "--frame and --last exclude each other: give one of them"},
        {"--frame=0 -o out.ppm --last two.vcd", 2, "--frame and --last exclude each other: give one of them"},
        {"gz.vcd", 2, "gz.vcd: unexpected '\\x1F\\x8B\\x08\\x00\\x1B\\x02' in the header"},
        {"\"$(printf 'a\\033b\\nc.vcd')\"", 2, std::string("cannot open a\\x1Bb\\x0Ac.vcd: ") + std::strerror(ENOENT)},
        {"--" + std::string(100, 'x') + " two.vcd", 2,
         "unknown option '--" + std::string(62, 'x') + "...' (see --help)"},
        {"\"--scale=$(printf 'r\\033')\" two.vcd", 2, "--scale: expected raw or duty, not 'r\\x1B'"},
        {"width.vcd >out.ppm", 2, "width.vcd: fpga_tb/uut/rgb_0 has width 3abc"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(run_here("panel_decode", c.args), c.status);
        EXPECT_EQ(err_, c.message.empty() ? "" : "panel_decode: " + c.message + "\n");
    }
    EXPECT_EQ(slurp(path("two.vcd")), vcd);
    EXPECT_EQ(slurp(path("y.ppm")), "kept");
    EXPECT_FALSE(fs::exists(path("x.ppm")));
    EXPECT_EQ(slurp(path("out.ppm")), "");  // made by the shell's redirections alone
}

// A run stopped while it wrote the waveform (killed, a full disk) leaves a
// last line without a line break: its words are left out with a note,
// whatever they are, and what is complete decodes as usual, from a file or a
// pipe. A file that ends with a line break gets no note, nor does a frame
// found before the cut.
TEST_F(PanelDecode, CutLastLineIsLeftOut) {
    write_two_frames();  // frames A and B, then part of a third
    const std::string whole = slurp(path("two.vcd"));
    const size_t last_time = whole.rfind("\n#") + 2;
    write("time.vcd", whole + "#" + whole.substr(last_time, 2));  // earlier than the last timestamp
    write("value.vcd", whole + "b01");                            // of b010 r0
    PanelWaves w;
    w.frame(picture_a());
    w.frame(picture_b());
    const std::string two = w.text();
    write("latch.vcd", two.substr(0, two.rfind("1la\n") + 3));  // frame B's last latch, as if cut after it
    auto note = [](const std::string &name) {
        return "panel_decode: " + name +
               ": the last line has no line break at its end and is taken as cut; it is left out\n";
    };
    struct Case {
        std::string piped;  // a file sent to the tool through a pipe
        std::string args;
        Picture want;
        std::string err;
    } cases[] = {
        {"", "--last -o out.ppm time.vcd", picture_b(), note("time.vcd")},
        {"", "--last -o out.ppm value.vcd", picture_b(), note("value.vcd")},
        {"", "--last -o out.ppm latch.vcd", picture_a(), note("latch.vcd")},
        {"", "--last /dev/stdin <time.vcd >out.ppm", picture_b(), note("/dev/stdin")},
        {"time.vcd", "--last -o out.ppm /dev/stdin", picture_b(), note("/dev/stdin")},
        {"", "--frame=0 -o out.ppm time.vcd", picture_a(), ""},
        {"", "--last -o out.ppm two.vcd", picture_b(), ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.piped + " " + c.args);
        const std::string pipe = c.piped.empty() ? "" : "cat " + c.piped + " | ";
        const int status = sh("cd " + dir_ + " && " + pipe + tool("panel_decode") + " " + c.args);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(err_, c.err);
        if (status != 0) continue;
        int maxval = 0;
        EXPECT_EQ(read_ppm(slurp(path("out.ppm")), maxval), c.want);
    }
}

// With a large time unit the time of a fault lies beyond 2^63 ps; it is
// shown exactly.
TEST_F(PanelDecode, FaultTimesBeyondTheInt64RangeOfPicoseconds) {
    PanelWaves w;
    for (int r = 0; r < 3; ++r) w.row(picture_a(), r);
    w.row(picture_a(), 3, 0, 256, -1, 0);  // an undefined colour bit in pass 0 of row 3
    std::string text = w.text();
    text.replace(text.find("$timescale 1 ps $end"), 20, "$timescale 1 hr $end");
    write("two.vcd", text);
    unsigned __int128 ps = static_cast<unsigned __int128>(w.row_starts()[3]) * 3600 * 1000000000000ULL;
    std::string digits;
    for (; ps > 0; ps /= 10) digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(ps % 10)));
    ASSERT_GT(digits.size(), 19u);  // beyond 2^63
    Picture got;
    int maxval = 0;
    EXPECT_EQ(decode("", got, maxval), 1);
    const size_t at = err_.find(" latched at ");
    ASSERT_NE(at, std::string::npos) << err_;
    EXPECT_EQ(err_.substr(at), " latched at " + digits + " ps\n");
}

// A waveform file is read at bounded memory, whatever it holds: a word of at
// most 1 MiB but for a vector value (whose rightmost characters are kept), a
// header section's words kept only where they are read, a bounded scope path
// and line. An endless device ends with a message.
TEST_F(PanelDecode, WaveformIsReadAtBoundedMemory) {
    PanelWaves w;
    w.frame(picture_a());
    const std::string good = w.text();
    const size_t defs = good.find("$enddefinitions");
    auto before_defs = [&](const std::string &text) { return good.substr(0, defs) + text + good.substr(defs); };
    std::string comment = "$comment";
    for (int i = 0; i < 24000000; ++i) comment += i % 64 == 63 ? "\nw" : " w";
    comment += " $end\n";
    const std::string deep = "$scope module " + std::string(600000, 's') + " $end\n";
    std::string long_row = good;
    long_row.replace(long_row.find("b0000 rw"), 5, "b" + std::string(3 << 20, '1') + "0000");
    struct Case {
        std::string name;
        std::string data;  // none: `name` is a device
        int status;
        std::string message;
    } cases[] = {
        {"/dev/zero", "", 2, "/dev/zero: a word longer than 1048576 bytes at byte 0"},
        {"word.vcd", good.substr(0, defs) + std::string(3 << 20, 'w') + "\n", 2,
         "word.vcd: a word longer than 1048576 bytes at byte " + std::to_string(defs)},
        {"line.vcd", before_defs("$comment" + std::string(17 << 20, ' ') + "$end\n"), 2,
         "line.vcd: a line longer than 16777216 bytes at byte " + std::to_string(defs)},
        {"words.vcd", before_defs("$var wire 1 q a b c d e f g h i j k l m n $end\n"), 2,
         "words.vcd: $var with more than 16 words"},
        {"scope.vcd", before_defs(deep + deep + "$upscope $end\n$upscope $end\n"), 2,
         "scope.vcd: a scope path longer than 1048576 bytes"},
        {"comment.vcd", before_defs(comment), 0, ""},
        {"value.vcd", long_row, 0, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.data.empty()) write(c.name, c.data);
        EXPECT_EQ(run_here("panel_decode", "-o out.ppm " + c.name), c.status);
        EXPECT_EQ(err_, c.message.empty() ? "" : "panel_decode: " + c.message + "\n");
        if (!c.data.empty()) fs::remove(path(c.name));
        if (c.status != 0) continue;
        int maxval = 0;
        EXPECT_EQ(read_ppm(slurp(path("out.ppm")), maxval), picture_a());
        fs::remove(path("out.ppm"));
    }
}

// =================================================================================
// Help and exit statuses of both tools
// =================================================================================

TEST_F(ToolTest, HelpListsEveryOptionAndTheExitStatuses) {
    struct Case {
        const char *tool;
        std::vector<std::string> words;
    } cases[] = {
        {"picture_to_stimulus",
         {"Usage: picture_to_stimulus", "--bit-time=TIME", "--rx-clock=TIME", "--signal=PATH", "--start=TIME",
          "--format=ppm|text", "-o FILE, --out=FILE", "-h, --help", "fpga_top/line_in", "sec", "Exit status: 0",
          "2 bad usage"}},
        {"panel_decode",
         {"Usage: panel_decode", "--scope=PATH", "--rgb0=PATH", "--rgb1=PATH", "--row=PATH", "--blank=PATH",
          "--sclk=PATH", "--latch=PATH", "--rgb-order=ORDER", "--frame=N", "--last", "--from=TIME",
          "-o FILE, --out=FILE", "--scale=raw|duty", "--plain", "--counts=FILE", "-h, --help", "sec",
          "Exit status: 0", "1 no complete frame", "2 bad usage"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tool);
        for (const char *help : {" --help", " -h"}) {
            ASSERT_EQ(sh(tool(c.tool) + help + " >" + path("help.txt")), 0) << err_;
            EXPECT_EQ(err_, "");
            const std::string text = slurp(path("help.txt"));
            for (const std::string &w : c.words) EXPECT_NE(text.find(w), std::string::npos) << w;
        }
    }
}

// -h or --help wins wherever it stands, over any other option, right or
// wrong (the argument after -o is its file name); help that cannot be
// written is said on standard error, with status 1.
TEST_F(ToolTest, HelpWinsWhereverItStands) {
    const std::string full = std::string("cannot write standard output: ") + std::strerror(ENOSPC);
    struct Case {
        std::string tool;
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"picture_to_stimulus", "--bogus --help >help.txt", 0, ""},
        {"picture_to_stimulus", "--bit-time=1000 --rx-clock=1ns -o '' -h pic.ppm >help.txt", 0, ""},
        {"panel_decode", "--frame=x -h --last >help.txt", 0, ""},
        {"panel_decode", "--last --frame=1 --counts= --help >help.txt", 0, ""},
        {"panel_decode", "-o -h", 2, "no waveform file given (see --help)"},
        {"picture_to_stimulus", "--help >/dev/full", 1, full},
        {"panel_decode", "--bogus -h >/dev/full", 1, full},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tool + " " + c.args);
        fs::remove(path("help.txt"));
        EXPECT_EQ(run_here(c.tool, c.args), c.status);
        EXPECT_EQ(err_, c.message.empty() ? "" : c.tool + ": " + c.message + "\n");
        if (c.status == 0) {
            EXPECT_EQ(slurp(path("help.txt")).rfind("Usage: " + c.tool + " ", 0), 0u);
        }
    }
}

TEST_F(ToolTest, BadUsageAndUnwritableOutputEndWithStatusTwo) {
    write("pic.ppm", ppm_p6(test_picture()));
    write("waves.vcd", "not a waveform\n");
    struct Case {
        std::string command;
        const char *message;
    } cases[] = {
        {"picture_to_stimulus --bit-time=1000 --bogus " + path("pic.ppm"), "unknown option '--bogus' (see --help)"},
        {"picture_to_stimulus --bit-time=1000 -o " + path("no/such/dir.stim") + " " + path("pic.ppm"),
         "cannot create"},
        {"picture_to_stimulus '--rx-clock=10 parsec' " + path("pic.ppm"), "--rx-clock: bad time '10 parsec'"},
        {"panel_decode --bogus " + path("waves.vcd"), "unknown option '--bogus' (see --help)"},
        {"panel_decode --from=-1ns " + path("waves.vcd"), "--from: bad time '-1ns': must not be negative"},
        {"panel_decode", "no waveform file given"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(sh(tool(c.command) + " >/dev/null"), 2);
        EXPECT_NE(err_.find(c.message), std::string::npos) << err_;
    }
}

}  // namespace
