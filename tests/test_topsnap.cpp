// topsnap: its start-up calls (21 units, its own design-data folder, the
// earlier top level as top unit) and the earlier top level's glue.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "kernel.h"
#include "tovu/testing.h"

int topsnap_main(int argc, char **argv);

namespace {

struct Program {
    std::vector<std::string> args;
    std::vector<char *> argv;
    explicit Program(std::vector<std::string> extra) {
        args = {"topsnap", std::string("--didat-dir=") + TOVU_KEST_DIR, "--quiet"};
        for (auto &e : extra) args.push_back(e);
        for (auto &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
    }
    int run() {
        tovu::testing::reset();
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        int st = topsnap_main(static_cast<int>(args.size()), argv.data());
        ::testing::internal::GetCapturedStdout();
        err = ::testing::internal::GetCapturedStderr();
        return st;
    }
    std::string err;
};

bool starts_with(const std::string &s, const std::string &p) { return s.compare(0, p.size(), p) == 0; }

std::string value(const std::string &path) {
    auto it = tovu::K().signal_by_path.find(path);
    if (it == tovu::K().signal_by_path.end()) return "<no " + path + ">";
    const tovu::SignalView *v = it->second;
    std::string s;
    for (uint32_t e = 0; e < v->count; ++e) s += "UX01ZWLH-"[v->net->value[v->first + e]];
    return s;
}

TEST(Topsnap, StartupRegistersItsTwentyOneUnitsThenTheEarlierTopLevel) {
    const char *units[21][2] = {
        {"ieee_p_2592010699", "kest/precompiled.exe.sim/ieee/p_2592010699.didat"},
        {"ieee_p_3499444699", "kest/precompiled.exe.sim/ieee/p_3499444699.didat"},
        {"ieee_p_3620187407", "kest/precompiled.exe.sim/ieee/p_3620187407.didat"},
        {"ieee_p_1242562249", "kest/precompiled.exe.sim/ieee/p_1242562249.didat"},
        {"gatlib_p_0947159679", "kest/topsnap.exe.sim/gatlib/p_0947159679.didat"},
        {"ieee_p_3972351953", "kest/precompiled.exe.sim/ieee/p_3972351953.didat"},
        {"ieee_p_0774719531", "kest/precompiled.exe.sim/ieee/p_0774719531.didat"},
        {"std_textio", "kest/precompiled.exe.sim/std/textio.didat"},
        {"ieee_p_2717149903", "kest/precompiled.exe.sim/ieee/p_2717149903.didat"},
        {"ieee_p_1367372525", "kest/precompiled.exe.sim/ieee/p_1367372525.didat"},
        {"gatlib_p_3222816464", "kest/topsnap.exe.sim/gatlib/p_3222816464.didat"},
        {"gatlib_a_0780662263_2014779070", "kest/topsnap.exe.sim/gatlib/a_0780662263_2014779070.didat"},
        {"gatlib_a_0341314388_2930107152", "kest/topsnap.exe.sim/gatlib/a_0341314388_2930107152.didat"},
        {"gatlib_a_0831326109_1532504268", "kest/topsnap.exe.sim/gatlib/a_0831326109_1532504268.didat"},
        {"gatlib_a_1490675510_1976025627", "kest/topsnap.exe.sim/gatlib/a_1490675510_1976025627.didat"},
        {"work_a_1589345586_0912031422", "kest/topsnap.exe.sim/work/a_1589345586_0912031422.didat"},
        {"work_a_3000712498_0000452272", "kest/topsnap.exe.sim/work/a_3000712498_0000452272.didat"},
        {"work_a_1133041568_1516540902", "kest/topsnap.exe.sim/work/a_1133041568_1516540902.didat"},
        {"work_a_0280078389_1516540902", "kest/topsnap.exe.sim/work/a_0280078389_1516540902.didat"},
        {"work_a_1424780173_1516540902", "kest/topsnap.exe.sim/work/a_1424780173_1516540902.didat"},
        {"work_a_3931953809_1516540902", "kest/topsnap.exe.sim/work/a_3931953809_1516540902.didat"},
    };
    const char *lookups[12] = {"ieee_p_2592010699", "std_standard",        "ieee_p_3620187407", "ieee_p_3499444699",
                               "ieee_p_1242562249", "gatlib_p_0947159679", "ieee_p_3972351953", "ieee_p_0774719531",
                               "std_textio",        "ieee_p_2717149903",   "ieee_p_1367372525", "gatlib_p_3222816464"};
    Program p({"--stop-time=10ns"});
    tovu::testing::record_calls(true);
    ASSERT_EQ(p.run(), 0) << p.err;
    std::vector<std::string> c = tovu::testing::calls();
    tovu::testing::record_calls(false);
    std::vector<std::string> didats;
    size_t tops = 0, i = 0;
    for (; i < c.size(); ++i) {
        if (starts_with(c[i], "zem_register_didat ")) didats.push_back(c[i].substr(19));
        if (starts_with(c[i], "zem_register_tops ")) {
            tops = i;
            break;
        }
    }
    ASSERT_EQ(didats.size(), 21u);
    for (int u = 0; u < 21; ++u) EXPECT_EQ(didats[u], std::string(units[u][0]) + " " + units[u][1]);
    EXPECT_EQ(c[tops], "zem_register_tops work_a_3931953809_1516540902");
    EXPECT_EQ(c[tops + 1], std::string("zem_get_engine_memory ") + lookups[0]);
    EXPECT_TRUE(starts_with(c[tops + 2], "zem_register_ieee_std_logic_1164 0x"));
    for (int l = 1; l < 12; ++l) EXPECT_EQ(c[tops + 2 + l], std::string("zem_get_engine_memory ") + lookups[l]);
    EXPECT_TRUE(starts_with(c[tops + 14], "zem_run_simulation "));
    EXPECT_EQ(tops + 15, c.size());
    for (size_t k = tops; k < c.size(); ++k) EXPECT_FALSE(starts_with(c[k], "zem_register_didat")) << c[k];

    EXPECT_EQ(Program({"--no-such-option"}).run(), 2);
    EXPECT_EQ(Program({"--stop-time=1us", "--clock=fpga_top/clk_disp=10ns", "--max-deltas=1"}).run(), 1);
}

TEST(Topsnap, GlueOfTheEarlierTopLevel) {
    struct Case {
        const char *a, *b;  // rst_in, line_in
        const char *x, *n;  // ser_echo, rst
    } cases[] = {{"'1'", "'0'", "0", "0"}, {"'1'", "'1'", "1", "0"}, {"'0'", "'1'", "0", "1"},
                 {"'0'", "'X'", "0", "1"}, {"'U'", "'1'", "U", "U"}, {"'U'", "'0'", "0", "U"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.a) + c.b);
        Program p({"--stop-time=10ns", std::string("--force=fpga_top/rst_in=") + c.a,
                   std::string("--force=fpga_top/line_in=") + c.b});
        ASSERT_EQ(p.run(), 0) << p.err;
        EXPECT_EQ(value("fpga_top/ser_echo"), c.x);
        EXPECT_EQ(value("fpga_top/rst"), c.n);
        EXPECT_EQ(value("fpga_top/tie_hi_a"), "1");
        EXPECT_EQ(value("fpga_top/tie_hi_b"), "1");
    }
    // Undriven, the inputs keep their initial values: out of reset, idle line.
    Program p({"--stop-time=10ns"});
    ASSERT_EQ(p.run(), 0);
    EXPECT_EQ(value("fpga_top/rst"), "0");
    EXPECT_EQ(value("fpga_top/ser_echo"), "1");
}

TEST(Topsnap, ReceivedPictureGoesStraightToTheDisplay) {
    // With the clocks given, the memories' initial content reaches the
    // display controller's picture input without any selection.
    Program p({"--stop-time=2us", "--clock=fpga_top/clk_disp=10ns", "--clock=fpga_top/clk_rx=10ns"});
    ASSERT_EQ(p.run(), 0) << p.err;
    EXPECT_EQ(value("fpga_top/disp/pix_in"), value("fpga_top/pix"));
    EXPECT_EQ(value("fpga_top/disp/pix_in").substr(40, 8), value("fpga_top/rx/red_out").substr(8, 8));
    EXPECT_EQ(value("fpga_top/pix").find_first_not_of("01"), std::string::npos) << value("fpga_top/pix");
}

TEST(Topsnap, TheBoardClockPortDrivesTheClockManager) {
    // Without a clock on its input the clock manager makes no clocks ...
    Program idle({"--stop-time=1us"});
    ASSERT_EQ(idle.run(), 0) << idle.err;
    const tovu::SignalView *disp = tovu::K().signal_by_path.at("fpga_top/clk_disp");
    EXPECT_EQ(disp->net->elem_last_event[disp->first], 0);  // only its start at time 0
    // ... and with the 32 MHz board clock on the port it makes the design's
    // clocks: the display clock rises every 5208.33 ps from 236111 ps on.
    Program run({"--stop-time=1us", "--clock=fpga_top/clk_in=31250ps"});
    ASSERT_EQ(run.run(), 0) << run.err;
    disp = tovu::K().signal_by_path.at("fpga_top/clk_disp");
    const int64_t last = disp->net->elem_last_event[disp->first];
    EXPECT_GT(last, 236111);
    EXPECT_EQ(value("fpga_top/clocks/cm/core/lock"), "1");
}

}  // namespace
