// Runs as a user sees them: reports and checks that end the run, the delta
// limit, stimulus from the command line and files, waveforms and their write
// errors, interruption by a signal, computed initial values, bad options.
#include <algorithm>
#include <csignal>
#include <cstring>

#include "kernel.h"
#include "sim_fixture.h"

using namespace tovu::layout;
using tovu_test::SimFixture;
namespace fs = std::filesystem;

namespace {

constexpr size_t sig(int k) { return 0x3e0 + 160 * static_cast<size_t>(k); }
constexpr size_t prec(int n) { return 0x1000 + 248 * static_cast<size_t>(n); }
constexpr size_t flag(int n) { return 0x1800 + 16 * static_cast<size_t>(n); }
constexpr size_t drv(int n) { return 0x1a00 + 64 * static_cast<size_t>(n); }
uintptr_t &state(char *b, int n) { return reinterpret_cast<uintptr_t &>(resume_slot(b, prec(n))); }

std::vector<std::string> g_log;
int64_t now() { return zem_get_sim_current_time(); }

const char *kSource = "t/checks.vhd";

// ---- checks and reports ------------------------------------------------------

int g_mode = 0;
bool g_after = false;
int g_raise_signal = 0;  // raised by the stimulus test process at g_raise_at
int64_t g_raise_at = 0;
void check_p0(char *b) {
    if (state(b, 0) == 0) {
        zem_process_wait(process_record(b, prec(0)), 10);
        state(b, 0) = 1;
        return;
    }
    zem_set_current_line(42, kSource);
    switch (g_mode) {
        case 0: zem_vhdl_check_range_of_index(7, 0, -1, 9); break;
        case 1: zem_vhdl_check_range_of_slice(0, 7, 1, 6, 8, 1); break;
        case 2: zem_size_not_matching(8, 7, 0); break;
        case 3: zem_report("it broke", 8, SEV_FAILURE); break;
        case 4: zem_report("odd", 3, SEV_ERROR); break;
        case 5: zem_report("fine", 4, SEV_NOTE); break;
        case 6: zem_vhdl_mod(5, 0); break;
        case 7:
            zem_report("odd", 3, SEV_ERROR);
            zem_report("odder", 5, SEV_ERROR);
            break;
    }
    g_after = true;
}
void check_p1(char *b) {  // keeps running every 10 ps
    g_log.push_back("p1@" + std::to_string(now()));
    zem_process_wait(process_record(b, prec(1)), 10);
}
void *check_pe[] = {(void *)check_p0, (void *)check_p1};

class KernelRun : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        g_log.clear();
        write("kest/t/check.didat", R"(didat 1
unit t_check arch
block 0x2000
counts pe=2
process 0 record=0x1000
process 1 record=0x10f8
)");
    }
    int run_check(int mode, std::string &err) {
        g_mode = mode;
        g_after = false;
        capture_stderr();
        int st = run("t_check", {"--stop-time=50ps"}, [] {
            zem_register_didat("t_check", "kest/t/check.didat");
            zem_register_executes(check_pe);
        });
        err = captured_stderr();
        return st;
    }
};

TEST_F(KernelRun, FailedChecksEndTheRunWithoutReturning) {
    struct Case {
        int mode;
        const char *message;
    } cases[] = {{0, "index 9 is outside the range 7 downto 0"},
                 {1, "slice 6 to 8 is outside the range 0 to 7"},
                 {2, "array length 7 does not match the target length 8"},
                 {6, "division by zero"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        g_log.clear();
        std::string err;
        EXPECT_EQ(run_check(c.mode, err), 1);
        EXPECT_FALSE(g_after);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_NE(err.find("t/checks.vhd:42"), std::string::npos) << err;
        EXPECT_NE(err.find("t_check/p_0"), std::string::npos) << err;
        EXPECT_NE(err.find("10 ps"), std::string::npos) << err;
        // p1 ran at 0 and 10 (before p0 in that cycle? no: p0 was queued first) and never after
        EXPECT_EQ(tovu::K().now, 10);
        tovu::testing::reset();
        tovu::K();
    }
}

TEST_F(KernelRun, ReportsSetTheExitStatus) {
    std::string err;
    tovu::testing::capture_reports(true);
    EXPECT_EQ(run_check(3, err), 1);  // FAILURE: the code goes on, then the run ends
    EXPECT_TRUE(g_after);
    EXPECT_EQ(tovu::K().now, 10);
    ASSERT_EQ(tovu::testing::reports().size(), 1u);
    EXPECT_EQ(tovu::testing::reports()[0].message, "it broke");
    EXPECT_EQ(tovu::testing::reports()[0].time, 10);

    tovu::testing::reset();
    tovu::testing::capture_reports(true);
    EXPECT_EQ(run_check(4, err), 1);  // ERROR: the run goes on to the stop time
    EXPECT_EQ(tovu::K().now, 50);

    tovu::testing::reset();
    tovu::testing::capture_reports(true);
    EXPECT_EQ(run_check(5, err), 0);  // NOTE
    EXPECT_EQ(tovu::K().now, 50);
}

TEST_F(KernelRun, PrintedReportShowsTimeSeverityAndProcess) {
    g_mode = 4;
    ::testing::internal::CaptureStdout();
    run("t_check", {"--stop-time=20ps"}, [] {
        zem_register_didat("t_check", "kest/t/check.didat");
        zem_register_executes(check_pe);
    });
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("10 ps: ERROR: odd (t_check/p_0)"), std::string::npos) << out;
}

// ---- delta limit ---------------------------------------------------------------

void ping(char *b) {  // a <= not a, for ever
    *driver_staging(b, drv(0)) = *signal_value(b, sig(0)) ? 0 : 1;
    zem_driver_first_trans_fast(driver_record(b, drv(0)));
    wait_flag(b, flag(0)) = 1;
}
void *ping_pe[] = {(void *)ping};

TEST_F(KernelRun, DeltaLimitStopsALoopAndNamesItsProcesses) {
    write("kest/t/ping.didat", R"(didat 1
unit t_ping arch
block 0x2000
counts pe=1
signal 0 a sig bit
process 0 record=0x1000 flag=0x1800 sens=a name=osc
driver 0x1a00 p0 a
)");
    capture_stderr();
    int st = run("t_ping", {"--max-deltas=100"}, [] {
        zem_register_didat("t_ping", "kest/t/ping.didat");
        zem_register_executes(ping_pe);
    });
    std::string err = captured_stderr();
    EXPECT_EQ(st, 1);
    EXPECT_NE(err.find("more than 100 delta cycles"), std::string::npos) << err;
    EXPECT_NE(err.find("t_ping/osc"), std::string::npos) << err;
}

// ---- stimulus and waveforms -------------------------------------------------------

void stim_p0(char *b) {  // counts rising edges of clk, logs data changes
    void *clk = signal_record(b, sig(0));
    if (zem_signal_has_event(clk) && *signal_value(b, sig(0)) == 3) g_log.push_back("rise@" + std::to_string(now()));
    if (g_raise_signal && now() == g_raise_at) std::raise(g_raise_signal);
    if (zem_signal_has_event(signal_record(b, sig(1))))
        g_log.push_back("data=" + std::to_string(*signal_value(b, sig(1))) + "@" + std::to_string(now()));
    wait_flag(b, flag(0)) = 1;
}
void *stim_pe[] = {(void *)stim_p0};

struct UsageCase {
    std::vector<std::string> opts;
    std::string message;
};

class KernelStimulus : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        g_log.clear();
        g_raise_signal = 0;
        write("kest/t/logic.didat", R"(didat 1
unit t_logic package
block 0x400
type logic = enum 'U' 'X' '0' '1' 'Z' 'W' 'L' 'H' '-'
type logic_vector = array (natural range <>) of logic
)");
        write("kest/t/stim.didat", R"(didat 1
unit t_stim arch entity=bench
block 0x2000
counts pe=1
use t_logic
signal 0 clk in logic
signal 1 data in logic
signal 2 bus in logic_vector(3 downto 0)
signal 3 n sig integer := 7
process 0 record=0x1000 flag=0x1800 sens=clk,data
)");
    }
    int go(const std::vector<std::string> &opts) {
        return run("t_stim", opts, [] {
            zem_register_didat("t_logic", "kest/t/logic.didat");
            zem_register_didat("t_stim", "kest/t/stim.didat");
            zem_register_executes(stim_pe);
        });
    }

    // The options end the program before the run with status 2 and the message.
    void expect_usage_error(const UsageCase &c) {
        SCOPED_TRACE(c.message);
        tovu::testing::reset();
        capture_stderr();
        int st = go(c.opts);
        std::string err = captured_stderr();
        EXPECT_EQ(st, 2);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
};

TEST_F(KernelStimulus, ClockForceAndStimulusFile) {
    write("stim.txt", "# data changes\n30 ps bench/data '1'\n45ps bench/data 0\n45 ps bench/bus \"1010\"\n");
    int st =
        go({"--stop-time=60ps", "--clock=bench/clk=20ps", "--force=bench/n=-3", "--stimulus=" + dir_ + "/stim.txt"});
    EXPECT_EQ(st, 0);
    std::vector<std::string> want = {"rise@10", "rise@30", "data=3@30", "data=2@45", "rise@50"};
    EXPECT_EQ(g_log, want);
    char *blk = zem_get_engine_memory("t_stim");
    int32_t n;
    std::memcpy(&n, signal_value(blk, sig(3)), 4);
    EXPECT_EQ(n, -3);
    const uint8_t *bus = signal_value(blk, sig(2));
    EXPECT_EQ(std::string(bus, bus + 4), std::string("\x03\x02\x03\x02", 4));
}

TEST_F(KernelStimulus, WaveformFileHoldsTheChanges) {
    std::string vcd = dir_ + "/out.vcd";
    int st = go({"--stop-time=40ps", "--clock=bench/clk=20ps", "--vcd=" + vcd});
    EXPECT_EQ(st, 0);
    std::string text = read("out.vcd");
    EXPECT_NE(text.find("$timescale\n\t1ps\n$end"), std::string::npos) << text;
    EXPECT_NE(text.find("$scope module bench $end"), std::string::npos) << text;
    // clk: 0 at 0, 1 at 10, 0 at 20, 1 at 30, 0 at 40
    size_t at10 = text.find("#10\n"), at20 = text.find("#20\n"), at30 = text.find("#30\n");
    ASSERT_NE(at10, std::string::npos) << text;
    ASSERT_NE(at20, std::string::npos);
    ASSERT_NE(at30, std::string::npos);
    EXPECT_LT(at10, at20);
    EXPECT_EQ(text.substr(at10 + 4, 1), "1");
    EXPECT_EQ(text.substr(at20 + 4, 1), "0");
    // same inputs, same bytes
    tovu::testing::reset();
    go({"--stop-time=40ps", "--clock=bench/clk=20ps", "--vcd=" + vcd + "2"});
    EXPECT_EQ(read("out.vcd2"), text);
}

TEST_F(KernelStimulus, AWaveformFileThatCannotBeWrittenIsReportedOnceAndFailsTheRun) {
    struct Case {
        const char *stop;  // short: the text fails when the file is closed; long: during the run
        bool ends_early;
    } cases[] = {{"--stop-time=40ps", false}, {"--stop-time=1sec", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stop);
        tovu::testing::reset();
        capture_stderr();
        int st = go({c.stop, "--clock=bench/clk=2ps", "--vcd=/dev/full"});
        std::string err = captured_stderr();
        EXPECT_EQ(st, 1);
        const std::string message = "error: cannot write waveform file /dev/full: No space left on device\n";
        EXPECT_EQ(err, message);
        if (c.ends_early) {
            EXPECT_LT(now(), 1'000'000'000'000);
            EXPECT_EQ(tovu::K().stop_reason, "the waveform file could not be written");
        }
    }
}

TEST_F(KernelStimulus, ASignalEndsTheRunAtTheEndOfItsTimeStepWithAWholeWaveform) {
    // The test process raises the signal during the time step at 30 ps.
    struct Case {
        int signo;
        int status;
        const char *reason;
    } cases[] = {{SIGINT, 130, "interrupted by SIGINT"}, {SIGTERM, 143, "interrupted by SIGTERM"}};
    // A test run in the background may have inherited SIGINT ignored.
    struct sigaction old_int {};
    sigaction(SIGINT, nullptr, &old_int);
    std::signal(SIGINT, SIG_DFL);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reason);
        tovu::testing::reset();
        g_log.clear();
        g_raise_signal = c.signo;
        g_raise_at = 30;
        const std::string vcd = dir_ + "/int.vcd";
        EXPECT_EQ(go({"--stop-time=1sec", "--clock=bench/clk=20ps", "--vcd=" + vcd}), c.status);
        EXPECT_EQ(now(), 30);
        EXPECT_EQ(tovu::K().stop_reason, c.reason);
        EXPECT_EQ(g_log, (std::vector<std::string>{"rise@10", "rise@30"}));
        // the waveform holds every change up to 30 ps, written out in full
        const std::string text = read("int.vcd");
        EXPECT_NE(text.find("$enddefinitions $end"), std::string::npos) << text;
        ASSERT_GE(text.size(), 8u);
        EXPECT_EQ(text.substr(text.size() - 8), "\n#30\n1!\n") << text;
        // the handler is gone: the process's own disposition is back
        struct sigaction now_action {};
        sigaction(c.signo, nullptr, &now_action);
        EXPECT_EQ(now_action.sa_handler, SIG_DFL);
    }
    // A signal the process ignores stays ignored.
    tovu::testing::reset();
    g_raise_signal = SIGINT;
    std::signal(SIGINT, SIG_IGN);
    EXPECT_EQ(go({"--stop-time=60ps", "--clock=bench/clk=20ps"}), 0);
    sigaction(SIGINT, &old_int, nullptr);
    EXPECT_EQ(now(), 60);
}

TEST_F(KernelStimulus, TheWaveformEndsAtTheTimeTheRunReached) {
    write("stim.txt", "30 ps bench/data '1'\n");
    const std::string stim = "--stimulus=" + dir_ + "/stim.txt", only_bus = "--vcd-signals=bench/bus";
    struct Case {
        std::vector<std::string> opts;
        int raise;  // signal raised at 30 ps, or 0
        int status;
        const char *reason;
        const char *tail;
    } cases[] = {
        // the stop time, 5 ps after the clock's last change
        {{"--stop-time=45ps", "--clock=bench/clk=20ps"}, 0, 0, "stop time reached", "\n#40\n0!\n#45\n"},
        // the last event, a change of a signal that is not traced
        {{"--stop-time=1sec", stim, only_bus}, 0, 0, "no more events", "$end\n#30\n"},
        // an interruption in a time step without a traced change
        {{"--stop-time=1sec", "--clock=bench/clk=20ps", only_bus},
         SIGTERM,
         143,
         "interrupted by SIGTERM",
         "$end\n#30\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reason);
        tovu::testing::reset();
        g_raise_signal = c.raise;
        g_raise_at = 30;
        std::vector<std::string> opts = c.opts;
        opts.push_back("--vcd=" + dir_ + "/end.vcd");
        EXPECT_EQ(go(opts), c.status);
        EXPECT_EQ(tovu::K().stop_reason, c.reason);
        const std::string text = read("end.vcd");
        const std::string tail = c.tail;
        ASSERT_GE(text.size(), tail.size()) << text;
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << text;
    }
}

TEST_F(KernelStimulus, AWaveformFileThatTheRunReadsIsRefusedAndKeptWhateverItsName) {
    const std::string stim_text = "30 ps bench/data '1'\n";
    write("stim.txt", stim_text);
    const std::string stim = dir_ + "/stim.txt", logic = dir_ + "/kest/t/logic.didat";
    const std::string logic_text = read("kest/t/logic.didat");
    fs::create_hard_link(stim, dir_ + "/hard.txt");
    fs::create_symlink(stim, dir_ + "/soft.txt");
    fs::create_symlink(logic, dir_ + "/logic.vcd");
    const std::string vcds[] = {stim, dir_ + "/hard.txt", dir_ + "/soft.txt", dir_ + "/kest/../stim.txt"};
    for (const std::string &vcd : vcds) {
        expect_usage_error(
            {{"--stimulus=" + stim, "--vcd=" + vcd},
             "test: --vcd: waveform file " + vcd + " is the stimulus file " + stim + ", which the run reads\n"});
    }
    expect_usage_error({{"--vcd=" + dir_ + "/logic.vcd"},
                        "test: --vcd: waveform file " + dir_ + "/logic.vcd is the design-data file " + logic +
                            ", which the run reads\n"});
    EXPECT_EQ(read("stim.txt"), stim_text);
    EXPECT_EQ(read("kest/t/logic.didat"), logic_text);
}

TEST_F(KernelStimulus, ClockPeriodsAreKeptExact) {
    // The clock starts low; an odd period gives the low phase the extra
    // picosecond, so rising edges come at (P+1)/2 + k*P.
    for (int64_t period : {2, 3, 7, 5209}) {
        SCOPED_TRACE(period);
        tovu::testing::reset();
        g_log.clear();
        const int64_t stop = 4 * period;
        ASSERT_EQ(
            go({"--stop-time=" + std::to_string(stop) + "ps", "--clock=bench/clk=" + std::to_string(period) + "ps"}),
            0);
        std::vector<std::string> want;
        for (int64_t t = (period + 1) / 2; t <= stop; t += period) want.push_back("rise@" + std::to_string(t));
        EXPECT_EQ(g_log, want);
    }
}

TEST_F(KernelStimulus, TwoDrivesOfOneSignalAreRefused) {
    write("stim.txt", "10 ps bench/bus \"1010\"\n20 ps bench/bus \"0101\"\n");
    write("clocked.txt", "# data\n10 ps bench/data '1'\nclock bench/data 10 ps\n");
    const std::string stim = "--stimulus=" + dir_ + "/stim.txt";
    const UsageCase cases[] = {
        {{"--clock=bench/clk=20ps", "--clock=bench/clk=30ps"},
         "test: --clock: bench/clk is already driven by --clock=bench/clk"},
        {{"--force=bench/data=1", "--clock=bench/data=10ps"},
         "test: --clock: bench/data is already driven by --force=bench/data"},
        {{"--force=bench/n=1", "--force=bench/n=2"}, "test: --force: bench/n is already driven by --force=bench/n"},
        {{"--force=bench/bus=\"0000\"", stim}, dir_ + "/stim.txt:1: bench/bus is already driven by --force=bench/bus"},
        {{"--stimulus=" + dir_ + "/clocked.txt"},
         dir_ + "/clocked.txt:2: bench/data is already driven by " + dir_ + "/clocked.txt:3"},
    };
    for (const UsageCase &c : cases) expect_usage_error(c);
    // Many changes of one signal from one file are one drive.
    tovu::testing::reset();
    EXPECT_EQ(go({"--stop-time=40ps", stim, "--clock=bench/clk=20ps", "--force=bench/data=1"}), 0);
}

TEST_F(KernelStimulus, AStimulusFileGivenTwiceIsSaidOnce) {
    // Every line of a file read twice would be a second drive of its own
    // signal; the file is named once, whatever names reach it and however
    // often, and the other files are still read.
    std::string text;
    for (int t = 1; t <= 30; ++t) text += std::to_string(t) + " ps bench/data '" + "01"[t % 2] + "'\n";
    write("stim.txt", text);
    write("other.txt", "5 ps bench/nothing '1'\n");
    const std::string stim = dir_ + "/stim.txt";
    fs::create_hard_link(stim, dir_ + "/hard.txt");
    const std::string same = "--stimulus=" + stim;
    struct Case {
        std::vector<std::string> opts;
        std::string err;
    } cases[] = {
        {{same, same}, "test: --stimulus: " + stim + " is given more than once\n"},
        {{same, same, same, same, same}, "test: --stimulus: " + stim + " is given more than once\n"},
        {{same, "--stimulus=" + dir_ + "/kest/../hard.txt", same},
         "test: --stimulus: " + stim + " is given more than once (also as " + dir_ + "/kest/../hard.txt)\n"},
        {{"--stimulus=" + dir_ + "/other.txt", same, same},
         "test: --stimulus: " + stim + " is given more than once\n" + dir_ +
             "/other.txt:1: no signal named 'bench/nothing'\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.opts.size());
        tovu::testing::reset();
        capture_stderr();
        EXPECT_EQ(go(c.opts), 2);
        EXPECT_EQ(captured_stderr(), c.err);
    }
}

TEST_F(KernelStimulus, BadStimulusIsAUsageError) {
    write("clock.txt", "\nclock bench/bus 10 ps\n");
    write("quoted.txt", "1 ps bench/data '5'\n");
    const UsageCase cases[] = {
        {{"--force=bench/nothing=1"}, "no signal named 'bench/nothing'"},
        {{"--force=bench/data=5"}, "bad value '5'"},
        {{"--force=bench/data=\x1b[2J"}, "bad value '\\x1B[2J'"},
        // a value written with its quotes is quoted once
        {{"--force=bench/data='5'"}, "test: --force: bad value '5' for bench/data: "},
        {{"--force=bench/bus=\"10\""}, "test: --force: bad value \"10\" for bench/bus: "},
        {{"--stimulus=" + dir_ + "/quoted.txt"}, "quoted.txt:1: bad value '5' for bench/data: "},
        {{"--clock=bench/bus=10ps"}, "is not a one-bit signal"},
        {{"--stimulus=" + dir_ + "/clock.txt"}, "clock.txt:2: bench/bus is not a one-bit signal"},
        {{"--stop-time=10 parsecs"}, "--stop-time"},
        {{"--frobnicate"}, "--frobnicate"},
    };
    for (const UsageCase &c : cases) expect_usage_error(c);
}

TEST_F(KernelStimulus, StimulusErrorsHaveOneShapeAndStopAfterTen) {
    // Errors found once the design is loaded are shaped as those found while
    // the file is read: "FILE:LINE: cause", the name escaped. After ten, one
    // line counts the rest.
    const std::string name = "bad\x1b[2J\n.stim";
    const std::string shown = dir_ + "/bad\\x1B[2J\\x0A.stim";
    std::string text = "clock bench/bus 10 ps\n";
    for (int line = 2; line <= 13; ++line) text += std::to_string(line) + " ps tb/line '0'\n";
    write(name, text);
    std::string expected = shown + ":1: bench/bus is not a one-bit signal\n";
    for (int line = 2; line <= 10; ++line)
        expected += shown + ":" + std::to_string(line) + ": no signal named 'tb/line'\n";
    expected += shown + ": 3 more errors not shown\n";
    capture_stderr();
    EXPECT_EQ(go({"--stimulus=" + dir_ + "/" + name}), 2);
    EXPECT_EQ(captured_stderr(), expected);
    // Up to ten errors are all shown, with no counting line.
    tovu::testing::reset();
    write("ten.stim", text.substr(0, text.find("11 ps")));
    capture_stderr();
    EXPECT_EQ(go({"--stimulus=" + dir_ + "/ten.stim"}), 2);
    const std::string err = captured_stderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 10) << err;
    EXPECT_EQ(err.find("more error"), std::string::npos) << err;
}

TEST_F(KernelStimulus, AWaveformErrorFoundAtTheEndIsNamedInTheSummary) {
    // The run reached its stop time; only closing the file found the error.
    quiet_ = false;
    capture_stderr();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(go({"--stop-time=40ps", "--clock=bench/clk=2ps", "--vcd=/dev/full"}), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "simulation ended at 40 ps: stop time reached; the waveform file could not be written (exit status 1)\n");
    captured_stderr();
}

// The summary line of a run, as printed without --quiet.
std::string summary_of(const std::string &out) {
    const size_t at = out.rfind("simulation ended at ");
    return at == std::string::npos ? out : out.substr(at);
}

TEST_F(KernelRun, TheSummaryOfARunWithErrorsSaysWhyItsStatusIsNotZero) {
    quiet_ = false;
    struct Case {
        int mode;
        std::string summary;
    } cases[] = {
        {5, "simulation ended at 50 ps: stop time reached\n"},  // a NOTE: a clean run, the line as it always was
        {4, "simulation ended at 50 ps: stop time reached; 1 report at ERROR or FAILURE (exit status 1)\n"},
        {7, "simulation ended at 50 ps: stop time reached; 2 reports at ERROR or FAILURE (exit status 1)\n"},
        {3, "simulation ended at 10 ps: a FAILURE was reported; 1 report at ERROR or FAILURE (exit status 1)\n"},
        {0, "simulation ended at 10 ps: a check failed (exit status 1)\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        tovu::testing::reset();
        std::string err;
        ::testing::internal::CaptureStdout();
        run_check(c.mode, err);
        EXPECT_EQ(summary_of(::testing::internal::GetCapturedStdout()), c.summary);
    }
}

// ---- computed initial values ----------------------------------------------------

bool g_fill_fails = false;
uint8_t *fill_fn(char *block, int32_t n, int32_t m) {
    if (g_fill_fails) zem_report("no table", 8, SEV_FAILURE);
    auto *p = static_cast<int32_t *>(zem_get_transient_memory(32));
    for (int i = 0; i < 8; ++i) p[i] = i % 2 ? n : m;
    return reinterpret_cast<uint8_t *>(p);
}
void *fill_se[] = {(void *)fill_fn};
int32_t g_seen[8];
bool g_fill_ran = false;
void fill_p0(char *b) {
    g_fill_ran = true;
    std::memcpy(g_seen, signal_value(b, sig(0)), 32);
}
void *fill_pe[] = {(void *)fill_p0};

TEST_F(KernelRun, InitialValuesComputedByTheUnitsOwnFunction) {
    write("kest/t/fill.didat", R"(didat 1
unit t_fill arch
block 0x2000
counts pe=1 se=1
type byte = integer range 0 to 255
type row = array (7 downto 0) of byte
generic 0x800 n integer := 1
generic - m integer := 2
signal 0 mem sig row := call se[0](n, m)
process 0 record=0x1000
)");
    write("kest/t/top.didat", R"(didat 1
unit t_ftop arch
block 0x2000
inst f t_fill generic n=5
)");
    int st = run("t_ftop", {}, [] {
        zem_register_didat("t_fill", "kest/t/fill.didat");
        zem_register_executes(fill_pe);
        zem_register_subprogram_executes(fill_se);
        zem_register_didat("t_ftop", "kest/t/top.didat");
    });
    EXPECT_EQ(st, 0);
    // the generic map gives n = 5; m keeps its default 2
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g_seen[i], i % 2 ? 5 : 2) << i;

    // a FAILURE while computing it ends the run before any process runs
    tovu::testing::reset();
    tovu::testing::capture_reports(true);
    g_fill_fails = true;
    g_fill_ran = false;
    st = run("t_ftop", {}, [] {
        zem_register_didat("t_fill", "kest/t/fill.didat");
        zem_register_executes(fill_pe);
        zem_register_subprogram_executes(fill_se);
        zem_register_didat("t_ftop", "kest/t/top.didat");
    });
    g_fill_fails = false;
    EXPECT_EQ(st, 1);
    EXPECT_FALSE(g_fill_ran);
}

}  // namespace
