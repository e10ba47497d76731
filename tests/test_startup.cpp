// benchsnap's start-up: the kernel calls in their order, and the program's
// exit status being the kernel's result.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "tovu/testing.h"

int benchsnap_main(int argc, char **argv);

namespace {

std::string ptr(const void *p) {
    char b[32];
    std::snprintf(b, sizeof b, "%p", p);
    return b;
}

struct Program {
    std::vector<std::string> args;
    std::vector<char *> argv;
    int status = -1;
    explicit Program(std::vector<std::string> extra) {
        args = {"benchsnap", std::string("--didat-dir=") + TOVU_KEST_DIR, "--quiet"};
        for (auto &e : extra) args.push_back(e);
        for (auto &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
    }
    int run() {
        tovu::testing::reset();
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        status = benchsnap_main(static_cast<int>(args.size()), argv.data());
        out = ::testing::internal::GetCapturedStdout();
        err = ::testing::internal::GetCapturedStderr();
        return status;
    }
    std::string out, err;
};

const char *kUnits[23][2] = {
    {"ieee_p_2592010699", "kest/precompiled.exe.sim/ieee/p_2592010699.didat"},
    {"ieee_p_3499444699", "kest/precompiled.exe.sim/ieee/p_3499444699.didat"},
    {"ieee_p_3620187407", "kest/precompiled.exe.sim/ieee/p_3620187407.didat"},
    {"ieee_p_1242562249", "kest/precompiled.exe.sim/ieee/p_1242562249.didat"},
    {"gatlib_p_0947159679", "kest/benchsnap.exe.sim/gatlib/p_0947159679.didat"},
    {"ieee_p_3972351953", "kest/precompiled.exe.sim/ieee/p_3972351953.didat"},
    {"ieee_p_0774719531", "kest/precompiled.exe.sim/ieee/p_0774719531.didat"},
    {"std_textio", "kest/precompiled.exe.sim/std/textio.didat"},
    {"ieee_p_2717149903", "kest/precompiled.exe.sim/ieee/p_2717149903.didat"},
    {"ieee_p_1367372525", "kest/precompiled.exe.sim/ieee/p_1367372525.didat"},
    {"gatlib_p_3222816464", "kest/benchsnap.exe.sim/gatlib/p_3222816464.didat"},
    {"gatlib_a_0780662263_2014779070", "kest/benchsnap.exe.sim/gatlib/a_0780662263_2014779070.didat"},
    {"gatlib_a_0341314388_2930107152", "kest/benchsnap.exe.sim/gatlib/a_0341314388_2930107152.didat"},
    {"gatlib_a_0831326109_1532504268", "kest/benchsnap.exe.sim/gatlib/a_0831326109_1532504268.didat"},
    {"gatlib_a_1490675510_1976025627", "kest/benchsnap.exe.sim/gatlib/a_1490675510_1976025627.didat"},
    {"work_a_1589345586_0912031422", "kest/benchsnap.exe.sim/work/a_1589345586_0912031422.didat"},
    {"work_a_3000712498_0000452272", "kest/benchsnap.exe.sim/work/a_3000712498_0000452272.didat"},
    {"work_a_1133041568_1516540902", "kest/benchsnap.exe.sim/work/a_1133041568_1516540902.didat"},
    {"work_a_0280078389_1516540902", "kest/benchsnap.exe.sim/work/a_0280078389_1516540902.didat"},
    {"work_a_1424780173_1516540902", "kest/benchsnap.exe.sim/work/a_1424780173_1516540902.didat"},
    {"work_a_3956617804_1516540902", "kest/benchsnap.exe.sim/work/a_3956617804_1516540902.didat"},
    {"work_a_2461098124_1516540902", "kest/benchsnap.exe.sim/work/a_2461098124_1516540902.didat"},
    {"work_a_0023372960_2372691052", "kest/benchsnap.exe.sim/work/a_0023372960_2372691052.didat"},
};

const char *kLookups[12] = {"ieee_p_2592010699", "std_standard",       "ieee_p_3620187407", "ieee_p_3499444699",
                            "ieee_p_1242562249", "gatlib_p_0947159679", "ieee_p_3972351953", "ieee_p_0774719531",
                            "std_textio",        "ieee_p_2717149903",  "ieee_p_1367372525", "gatlib_p_3222816464"};

bool starts_with(const std::string &s, const std::string &p) { return s.compare(0, p.size(), p) == 0; }

TEST(Startup, KernelCallsComeInTheirOrder) {
    Program p({"--stop-time=100ns"});
    tovu::testing::record_calls(true);
    ASSERT_EQ(p.run(), 0) << p.err;
    std::vector<std::string> c = tovu::testing::calls();
    tovu::testing::record_calls(false);
    ASSERT_GT(c.size(), 40u);
    const std::string argc = std::to_string(p.args.size()), argv = ptr(p.argv.data());
    size_t i = 0;
    EXPECT_EQ(c[i++], "zem_init_design " + argc + " " + argv);
    EXPECT_TRUE(starts_with(c[i++], "zem_register_info 0x"));
    EXPECT_EQ(c[i++], "zem_register_min_prec_unit -12");
    // each unit: design data first, then process table, subprogram table,
    // resolution functions
    for (const auto &u : kUnits) {
        ASSERT_LT(i, c.size());
        EXPECT_EQ(c[i++], std::string("zem_register_didat ") + u[0] + " " + u[1]);
        int stage = 0;
        while (i < c.size() && !starts_with(c[i], "zem_register_didat") && !starts_with(c[i], "zem_register_tops")) {
            int s = starts_with(c[i], "zem_register_executes")                ? 1
                    : starts_with(c[i], "zem_register_subprogram_executes")   ? 2
                    : starts_with(c[i], "zem_register_resolution_function") ? 3
                                                                               : 9;
            EXPECT_LE(stage, s) << c[i];
            EXPECT_NE(s, 9) << c[i];
            if (s != 3) {
                EXPECT_NE(stage, s) << "twice: " << c[i];
            }
            stage = s;
            ++i;
        }
    }
    EXPECT_EQ(c[i++], "zem_register_tops work_a_0023372960_2372691052");
    EXPECT_EQ(c[i++], std::string("zem_get_engine_memory ") + kLookups[0]);
    EXPECT_TRUE(starts_with(c[i++], "zem_register_ieee_std_logic_1164 0x"));
    for (int l = 1; l < 12; ++l) EXPECT_EQ(c[i++], std::string("zem_get_engine_memory ") + kLookups[l]);
    EXPECT_EQ(c[i++], "zem_run_simulation " + argc + " " + argv);
    EXPECT_EQ(i, c.size());
}

TEST(Startup, StdLogic1164RegistersItsTableAndFiveResolutions) {
    Program p({"--stop-time=0ns"});
    tovu::testing::record_calls(true);
    p.run();
    std::vector<std::string> c = tovu::testing::calls();
    tovu::testing::record_calls(false);
    const std::string resolved = ptr(reinterpret_cast<void *>(&ieee_p_2592010699_sub_3130575329_503743352));
    ASSERT_GE(c.size(), 10u);
    EXPECT_EQ(c[3], std::string("zem_register_didat ") + kUnits[0][0] + " " + kUnits[0][1]);
    EXPECT_TRUE(starts_with(c[4], "zem_register_subprogram_executes 0x"));
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(c[5 + n], "zem_register_resolution_function " + std::to_string(2 + n) + " 0 " + resolved + " 4");
    EXPECT_TRUE(starts_with(c[10], "zem_register_didat ieee_p_3499444699"));
    // VITAL_Timing's four, with the same function
    int vital = 0;
    for (const auto &line : c)
        if (starts_with(line, "zem_register_resolution_function 1")) {
            EXPECT_EQ(line, "zem_register_resolution_function " + std::to_string(11 + vital) + " 2 " + resolved + " 24");
            ++vital;
        }
    EXPECT_EQ(vital, 4);
}

TEST(Startup, EveryBadOptionIsReportedInOneShape) {
    // Whether the option is refused as written or once the design is
    // loaded: "PROGRAM: OPTION: cause", one line, status 2.
    const std::string vcd = "--vcd=" + ::testing::TempDir() + "startup_patterns.vcd";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--stoptime=1us"}, "benchsnap: unknown option '--stoptime' (see --help)"},
        {{"--stop-time"}, "benchsnap: --stop-time: missing '=' and value, use --stop-time=TIME"},
        {{"--stop-time=10"}, "benchsnap: --stop-time: bad time '10': missing unit (fs, ps, ns, us, ms, sec, min, hr)"},
        {{"--stop-time=1e3ns"},
         "benchsnap: --stop-time: bad time '1e3ns': an exponent is not allowed, write the number in full"},
        {{"--clock=fpga_tb/clk=1ps"}, "benchsnap: --clock: period of 'fpga_tb/clk' must be at least 2 ps"},
        {{"--force=fpga_tb/tb_lin='0'"}, "benchsnap: --force: no signal named 'fpga_tb/tb_lin'"},
        {{"--force=fpga_tb/tb_line=2"},
         "benchsnap: --force: bad value '2' for fpga_tb/tb_line: expected a literal of std_logic, found '2'"},
        {{"--clock=fpga_tb/clkk=10ns"}, "benchsnap: --clock: no signal named 'fpga_tb/clkk'"},
        {{"--clock=fpga_tb/uut/rx/state=10ns"}, "benchsnap: --clock: fpga_tb/uut/rx/state is not a one-bit signal"},
        {{"--force=fpga_tb/clk='0'", "--clock=fpga_tb/clk=10ns"},
         "benchsnap: --clock: fpga_tb/clk is already driven by --force=fpga_tb/clk; drive a signal from one place "
         "only"},
        {{"--vcd=/nonexistent/w.vcd"},
         "benchsnap: --vcd: cannot open waveform file /nonexistent/w.vcd: No such file or directory"},
        {{"--vcd=/nonexistent/\x1b[2J\n.vcd"},
         "benchsnap: --vcd: cannot open waveform file /nonexistent/\\x1B[2J\\x0A.vcd: No such file or directory"},
        // A --vcd-signals pattern that chooses nothing: upper case, a leading
        // '/', a typo among good patterns, a signal that cannot be traced
        // (an array of times).
        {{"--vcd-signals=Fpga_tb/*", vcd},
         "benchsnap: --vcd-signals: no signal that can be traced matches 'Fpga_tb/*'"},
        {{"--vcd-signals=/fpga_tb/clk", vcd},
         "benchsnap: --vcd-signals: no signal that can be traced matches '/fpga_tb/clk'"},
        {{"--vcd-signals=fpga_tb/clk,fpga_tb/tb_lin", "--vcd-signals=fpga_tb/*", vcd},
         "benchsnap: --vcd-signals: no signal that can be traced matches 'fpga_tb/tb_lin'"},
        {{"--vcd-signals=fpga_tb/uut/clocks/cm/core/samples", vcd},
         "benchsnap: --vcd-signals: no signal that can be traced matches 'fpga_tb/uut/clocks/cm/core/samples'"},
    };
    for (const auto &[options, message] : cases) {
        Program p(options);
        EXPECT_EQ(p.run(), 2) << options[0];
        EXPECT_EQ(p.err, message + "\n") << options[0];
    }
}

TEST(Startup, ExitStatusIsTheKernelsResult) {
    EXPECT_EQ(Program({"--help"}).run(), 0);
    {
        // --help wins over a bad option anywhere on the command line.
        Program p({"--stop-time=bad", "--help", "--bogus"});
        EXPECT_EQ(p.run(), 0) << p.err;
        EXPECT_EQ(p.out.rfind("Usage: benchsnap [OPTION]...\n", 0), 0u) << p.out;
        EXPECT_EQ(p.err, "");
    }
    {
        Program p({"--no-such-option"});
        EXPECT_EQ(p.run(), 2);
        EXPECT_NE(p.err.find("--no-such-option"), std::string::npos) << p.err;
    }
    {
        Program p({"--stop-time=1us", "--max-deltas=1"});
        EXPECT_EQ(p.run(), 1);  // the delta limit ends the run
    }
    {
        Program p({"--didat-dir=/nonexistent"});
        EXPECT_EQ(p.run(), 2);
        EXPECT_NE(p.err.find("/nonexistent/kest/precompiled.exe.sim/ieee/p_2592010699.didat"), std::string::npos);
    }
}

}  // namespace
