// benchsnap run from its board clock alone: the clock manager makes the
// display clock (192 MHz) and the receiver clock (14.77 MHz, a bit every
// 128 x 67708.33 ps = 8666667 ps), bytes sent at that bit time land in the
// frame memories, and the display controller scans the panel on the
// generated display clock.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/serial_line.h"
#include "kernel.h"
#include "tovu/testing.h"

int benchsnap_main(int argc, char **argv);

namespace {

std::string temp(const std::string &name) { return ::testing::TempDir() + std::to_string(getpid()) + "_" + name; }

// The changes of the traced signals of a VCD file: full path -> (time, value).
using Changes = std::map<std::string, std::vector<std::pair<int64_t, std::string>>>;
Changes read_vcd(const std::string &path) {
    std::ifstream in(path);
    std::map<std::string, std::string> name_of;  // id -> path
    std::vector<std::string> scope;
    Changes changes;
    std::string tok;
    int64_t now = 0;
    while (in >> tok) {
        if (tok == "$scope") {
            std::string kind, name;
            in >> kind >> name >> tok;
            scope.push_back(name);
        } else if (tok == "$upscope") {
            in >> tok;
            scope.pop_back();
        } else if (tok == "$var") {
            std::string kind, width, id, name;
            in >> kind >> width >> id >> name >> tok;
            std::string full;
            for (const std::string &s : scope) full += s + "/";
            name_of[id] = full + name;
        } else if (tok[0] == '#') {
            now = std::stoll(tok.substr(1));
        } else if (tok[0] == 'b') {
            std::string id;
            in >> id;
            changes[name_of[id]].push_back({now, tok.substr(1)});
        } else if (tok[0] == '0' || tok[0] == '1' || tok[0] == 'x' || tok[0] == 'z') {
            changes[name_of[tok.substr(1)]].push_back({now, tok.substr(0, 1)});
        }
    }
    return changes;
}

std::vector<int64_t> rising(const Changes &c, const std::string &path) {
    std::vector<int64_t> t;
    std::string before = "x";
    for (const auto &[time, v] : c.at(path)) {
        if (before == "0" && v == "1") t.push_back(time);
        before = v;
    }
    return t;
}

std::string mem_row(const std::string &mem, int row) {
    const tovu::SignalView *v = tovu::K().signal_by_path.at("fpga_tb/uut/rx/" + mem + "/ram");
    const uint8_t *p = v->net->value + v->first + static_cast<size_t>(1023 - row) * 8;
    std::string s;
    for (int i = 0; i < 8; ++i) s += "UX01ZWLH-"[p[i]];
    return s;
}
std::string bits(unsigned v) {
    std::string s;
    for (int i = 7; i >= 0; --i) s += ((v >> i) & 1) ? '1' : '0';
    return s;
}

TEST(BenchsnapClocks, BytesAtTheGeneratedBitTimeReachTheMemoriesAndThePanelIsScanned) {
    // a sync byte, pixel 0 (red, green, blue) and the red byte of pixel 1
    const std::vector<int> bytes = {serial_line::kSyncByte, 0xA5, 0x3C, 0x7E, 0x42};
    const std::string stim = temp("bytes.stim");
    {
        std::ofstream f(stim);
        serial_line::write_changes(f, "fpga_tb/tb_line", 10000000, {8666667, 1}, bytes);
    }
    const std::string vcd = temp("clocks.vcd");
    std::vector<std::string> args = {"benchsnap",
                                     std::string("--didat-dir=") + TOVU_KEST_DIR,
                                     "--quiet",
                                     "--stimulus=" + stim,
                                     "--stop-time=460us",
                                     "--vcd=" + vcd,
                                     "--vcd-signals=fpga_tb/uut/clk_disp,fpga_tb/uut/clk_rx,fpga_tb/uut/sclk,"
                                     "fpga_tb/uut/latch,fpga_tb/uut/row"};
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    tovu::testing::reset();
    tovu::testing::capture_reports(true);
    ASSERT_EQ(benchsnap_main(static_cast<int>(args.size()), argv.data()), 0);
    EXPECT_TRUE(tovu::testing::reports().empty());  // a clean run reports nothing

    // the bytes in bank 0 at pixel 0 and 1 of the upper half; the rest keeps
    // the memories' initial content (address mod 256)
    EXPECT_EQ(mem_row("mem_r0", 0), bits(0xA5));
    EXPECT_EQ(mem_row("mem_g0", 0), bits(0x3C));
    EXPECT_EQ(mem_row("mem_b0", 0), bits(0x7E));
    EXPECT_EQ(mem_row("mem_r0", 1), bits(0x42));
    EXPECT_EQ(mem_row("mem_g0", 1), bits(1));
    EXPECT_EQ(mem_row("mem_r1", 0), bits(0));

    const Changes c = read_vcd(vcd);
    std::remove(vcd.c_str());
    std::remove(stim.c_str());
    // the clocks: 6 display periods and 6 receiver periods take 1 and 13
    // board periods
    const std::vector<int64_t> disp = rising(c, "fpga_tb/uut/clk_disp");
    const std::vector<int64_t> rx = rising(c, "fpga_tb/uut/clk_rx");
    ASSERT_GT(disp.size(), 60000u);
    ASSERT_GT(rx.size(), 6000u);
    for (size_t i = 0; i + 6 < disp.size(); i += 97) EXPECT_EQ(disp[i + 6] - disp[i], 31250) << i;
    for (size_t i = 0; i + 6 < rx.size(); i += 7) EXPECT_EQ(rx[i + 6] - rx[i], 13 * 31250) << i;

    // the scan: every shift clock rises with the display clock, every pass
    // shifts 32 columns, every row takes 257 passes, rows in order
    const std::vector<int64_t> sclk = rising(c, "fpga_tb/uut/sclk");
    const std::vector<int64_t> latch = rising(c, "fpga_tb/uut/latch");
    for (int64_t t : sclk) EXPECT_TRUE(std::binary_search(disp.begin(), disp.end(), t)) << t;
    ASSERT_GT(latch.size(), 600u);
    for (size_t i = 0; i + 1 < latch.size(); ++i) {
        const auto from = std::upper_bound(sclk.begin(), sclk.end(), latch[i]);
        const auto to = std::upper_bound(sclk.begin(), sclk.end(), latch[i + 1]);
        EXPECT_EQ(to - from, 32) << "pass ending at " << latch[i + 1];
    }
    const auto &rows = c.at("fpga_tb/uut/row");
    auto row_at = [&](int64_t t) {
        std::string v = "?";
        for (const auto &[time, value] : rows)
            if (time <= t) v = value;
        return std::stoi(v, nullptr, 2);
    };
    std::vector<std::pair<int, int>> runs;  // (row, latches)
    for (int64_t t : latch) {
        const int r = row_at(t);
        if (runs.empty() || runs.back().first != r) runs.push_back({r, 0});
        ++runs.back().second;
    }
    ASSERT_GE(runs.size(), 3u);
    for (size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i].first, static_cast<int>(i));
    EXPECT_EQ(runs[0].second, 257);
    EXPECT_EQ(runs[1].second, 257);
}

}  // namespace
