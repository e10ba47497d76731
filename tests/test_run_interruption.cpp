// The program interrupted from outside, as a user does with Ctrl-C or kill,
// or as a closed terminal does: SIGINT, SIGTERM and SIGHUP end the run at the end of a time step with a whole
// waveform file, the summary line and the status 128 + the signal's number,
// and end the program at once while its input is still being read or its
// waveform file waits to be opened; a run killed outright has its waveform
// text flushed every few seconds; a waveform pipe whose reader goes away is
// a write error, not a silent end. And the program's own output streams: a
// waveform on standard output keeps that stream to itself, a waveform that
// is also standard error is refused, and standard output that cannot be
// written is an error.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "sim_time.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string read_file(const std::string &name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// benchsnap started in the background with its output in files of `dir`
// (or its standard output in `out_file`).
class Program {
public:
    Program(const std::string &dir, const std::vector<std::string> &options, const std::string &out_file = "")
        : dir_(dir), out_file_(out_file.empty() ? dir + "/stdout.txt" : out_file) {
        std::vector<std::string> args = {std::string(TOVU_BIN_DIR) + "/benchsnap"};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = fork();
        if (pid_ == 0) {
            // A test run in the background may have inherited SIGINT ignored,
            // one run under nohup SIGHUP.
            ::signal(SIGINT, SIG_DFL);
            ::signal(SIGTERM, SIG_DFL);
            ::signal(SIGHUP, SIG_DFL);
            std::freopen(out_file_.c_str(), "w", stdout);
            std::freopen((dir + "/stderr.txt").c_str(), "w", stderr);
            std::vector<char *> argv;
            for (auto &a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Program() {
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    // Waits until `file` exists and holds at least `bytes` bytes, at most
    // `limit`; false when it does not.
    static bool wait_for_file(const std::string &file, uintmax_t bytes, std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            std::error_code ec;
            if (fs::exists(file, ec) && fs::file_size(file, ec) >= bytes && !ec) return true;
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    void signal(int signo) { kill(pid_, signo); }

    // Waits until the program waits in the open() of a named pipe for the
    // other end, at most `limit`; false when it does not.
    bool waits_for_pipe_partner(std::chrono::seconds limit) const {
        const std::string wchan = "/proc/" + std::to_string(pid_) + "/wchan";
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (read_file(wchan) == "wait_for_partner") return true;
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    // The exit status, or -1 when the program did not exit by itself within
    // the limit (it is then killed) or was ended by a signal.
    int wait(std::chrono::seconds limit) {
        if (!ended(limit)) return -1;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    }

    // Whether the program has ended within the limit.
    bool ended(std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!waited_ && std::chrono::steady_clock::now() < end) {
            if (waitpid(pid_, &status_, WNOHANG) == pid_)
                waited_ = true;
            else
                std::this_thread::sleep_for(20ms);
        }
        return waited_;
    }

    // The signal that ended the program (0: it exited, or has not ended).
    int ending_signal() const { return waited_ && WIFSIGNALED(status_) ? WTERMSIG(status_) : 0; }

    std::string out() const { return read_file(out_file_); }
    std::string err() const { return read_file(dir_ + "/stderr.txt"); }

private:
    std::string dir_;
    std::string out_file_;
    pid_t pid_ = -1;
    bool waited_ = false;
    int status_ = 0;
};

class RunInterruption : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/tovu_interrupt_XXXXXX";
        dir_ = mkdtemp(tmpl);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string dir_;
};

// The time of the last "#t" line of a waveform text.
int64_t last_time_stamp(const std::string &vcd) {
    const size_t at = vcd.rfind("\n#");
    if (at == std::string::npos) return -1;
    return std::stoll(vcd.substr(at + 2, vcd.find('\n', at + 2) - at - 2));
}

TEST_F(RunInterruption, ASignalEndsTheRunWithAWholeWaveformTheSummaryAndItsStatus) {
    struct Case {
        int signo;
        int status;
        const char *name;
    } cases[] = {{SIGINT, 130, "SIGINT"}, {SIGTERM, 143, "SIGTERM"}, {SIGHUP, 129, "SIGHUP"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string vcd = dir_ + "/" + c.name + ".vcd";
        Program p(dir_, {"--clock=fpga_tb/uut/clk_disp=5208ps", "--clock=fpga_tb/uut/clk_rx=67708ps",
                         "--stop-time=1sec", "--vcd=" + vcd});
        // The file exists once the handlers are in place; let the run go on a
        // little before the signal.
        ASSERT_TRUE(Program::wait_for_file(vcd, 0, 60s));
        std::this_thread::sleep_for(300ms);
        p.signal(c.signo);
        ASSERT_EQ(p.wait(60s), c.status) << p.err();
        const std::string out = p.out();
        const std::string head = "simulation ended at ";
        const std::string tail =
            ": interrupted by " + std::string(c.name) + " (exit status " + std::to_string(c.status) + ")\n";
        ASSERT_EQ(out.rfind(head, 0), 0u) << out;
        ASSERT_GT(out.size(), tail.size());
        ASSERT_EQ(out.substr(out.size() - tail.size()), tail) << out;
        int64_t ended = -1;
        std::string cause;
        ASSERT_TRUE(tovu::parse_time(out.substr(head.size(), out.size() - head.size() - tail.size()), ended, cause))
            << out;
        EXPECT_GT(ended, 0);
        // Everything simulated is in the file: the clocks change in every time
        // step, so the last time stamp is the time the run ended at.
        const std::string text = read_file(vcd);
        EXPECT_EQ(text.rfind("$date", 0), 0u);
        EXPECT_NE(text.find("$enddefinitions $end"), std::string::npos);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n');
        EXPECT_EQ(last_time_stamp(text), ended);
    }
}

TEST_F(RunInterruption, AKilledRunHasItsWaveformFlushedWithinSeconds) {
    // Only the reset is traced: it changes once, so the waveform text stays
    // far below the writer's buffer size and reaches the file only through
    // the flush every few seconds of wall time.
    const std::string vcd = dir_ + "/killed.vcd";
    Program p(dir_, {"--clock=fpga_tb/uut/clk_disp=5208ps", "--clock=fpga_tb/uut/clk_rx=67708ps", "--stop-time=1sec",
                     "--vcd=" + vcd, "--vcd-signals=fpga_tb/tb_rst_n"});
    ASSERT_TRUE(Program::wait_for_file(vcd, 0, 60s));
    EXPECT_TRUE(Program::wait_for_file(vcd, 1, 10s));
    p.signal(SIGKILL);
    p.wait(10s);
    const std::string text = read_file(vcd);
    EXPECT_NE(text.find("$enddefinitions $end"), std::string::npos) << text;
}

// Opens the named pipe `fifo` with `flags` (O_NONBLOCK among them), trying
// again until the other end is open, at most `limit`; -1 when it never is.
int open_fifo(const std::string &fifo, int flags, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        const int fd = ::open(fifo.c_str(), flags | O_CLOEXEC);
        if (fd >= 0 || errno != ENXIO) return fd;
        std::this_thread::sleep_for(20ms);
    }
    return -1;
}

TEST_F(RunInterruption, ASignalWhileAStimulusFileIsReadEndsTheProgramAtOnce) {
    // The stimulus file is a pipe the test holds open: the program is still
    // reading it when the signal comes, however loaded the machine is, and
    // the rest of the file would come only when the test closes its end.
    for (const int signo : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signo);
        const std::string stim = dir_ + "/stim" + std::to_string(signo);
        ASSERT_EQ(mkfifo(stim.c_str(), 0600), 0) << std::strerror(errno);
        Program p(dir_, {"--stimulus=" + stim, "--stop-time=1sec"});
        // Opening the writing end without a reader fails with ENXIO: the
        // open succeeds once the program has opened the file.
        const int fd = open_fifo(stim, O_WRONLY | O_NONBLOCK, 60s);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        std::string lines;
        for (int i = 0; i < 1000; ++i) lines += std::to_string(i) + " ns fpga_tb/tb_line '" + "01"[i % 2] + "'\n";
        EXPECT_EQ(::write(fd, lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
        p.signal(signo);
        const bool ended = p.ended(10s);
        ::close(fd);
        EXPECT_TRUE(ended) << "the program waits for the end of the stimulus file";
        if (!ended) p.ended(60s);
        // Ended by the signal's own action: no run, no summary line.
        EXPECT_EQ(p.ending_signal(), signo);
        EXPECT_EQ(p.out(), "");
    }
}

TEST_F(RunInterruption, AWaveformPipeWhoseReaderGoesAwayEndsTheRunWithTheWriteError) {
    const std::string vcd = dir_ + "/wave.vcd";
    ASSERT_EQ(mkfifo(vcd.c_str(), 0600), 0) << std::strerror(errno);
    // Open before the program starts, without waiting for a writer.
    const int fd = ::open(vcd.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    Program p(dir_, {"--clock=fpga_tb/uut/clk_disp=5208ps", "--clock=fpga_tb/uut/clk_rx=67708ps", "--stop-time=1sec",
                     "--vcd=" + vcd});
    // Read the start of the waveform text, then go away.
    char head[6] = {};
    ssize_t got = 0;
    const auto end = std::chrono::steady_clock::now() + 60s;
    while (got <= 0 && std::chrono::steady_clock::now() < end) {
        got = ::read(fd, head, sizeof head - 1);
        if (got <= 0) std::this_thread::sleep_for(20ms);
    }
    ::close(fd);
    ASSERT_GT(got, 0);
    EXPECT_EQ(std::string(head, static_cast<size_t>(got)), std::string("$date").substr(0, static_cast<size_t>(got)));
    EXPECT_EQ(p.wait(60s), 1) << "ended by signal " << p.ending_signal();
    EXPECT_EQ(p.err(), "error: cannot write waveform file " + vcd + ": " + std::strerror(EPIPE) + "\n");
    const std::string out = p.out();
    const std::string tail = ": the waveform file could not be written (exit status 1)\n";
    ASSERT_GT(out.size(), tail.size()) << out;
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail) << out;
}

TEST_F(RunInterruption, AWaveformOnTheProgramsOwnOutputPipeEndsTheRunWithTheWriteError) {
    // benchsnap --vcd=/dev/stdout | head -c 5: the summary that follows the
    // error goes to the same dead pipe and must not end the program first.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0) << std::strerror(errno);
    const std::string err_file = dir_ + "/stderr.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        ::signal(SIGPIPE, SIG_DFL);
        dup2(fds[1], 1);
        ::close(fds[0]);
        ::close(fds[1]);
        std::freopen(err_file.c_str(), "w", stderr);
        std::string prog = std::string(TOVU_BIN_DIR) + "/benchsnap";
        std::string a1 = "--clock=fpga_tb/uut/clk_disp=5208ps", a2 = "--clock=fpga_tb/uut/clk_rx=67708ps",
                    a3 = "--stop-time=1sec", a4 = "--vcd=/dev/stdout";
        char *argv[] = {prog.data(), a1.data(), a2.data(), a3.data(), a4.data(), nullptr};
        execv(argv[0], argv);
        _exit(127);
    }
    ::close(fds[1]);
    char head[5];
    size_t got = 0;
    while (got < sizeof head) {
        const ssize_t n = ::read(fds[0], head + got, sizeof head - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fds[0]);
    EXPECT_EQ(std::string(head, got), "$date");
    int status = 0;
    const auto end = std::chrono::steady_clock::now() + 60s;
    pid_t done = 0;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(20ms);
    if (done != pid) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        FAIL() << "the program did not end";
    }
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    // The summary goes to standard error, after the error.
    const std::string err = read_file(err_file);
    const std::string error = std::string("error: cannot write waveform file /dev/stdout: ") + std::strerror(EPIPE);
    const std::string tail = ": the waveform file could not be written (exit status 1)\n";
    EXPECT_EQ(err.rfind(error + "\nsimulation ended at ", 0), 0u) << err;
    ASSERT_GT(err.size(), tail.size()) << err;
    EXPECT_EQ(err.substr(err.size() - tail.size()), tail) << err;
}

TEST_F(RunInterruption, ASignalWhileTheWaveformPipeHasNoReaderEndsTheProgramAtOnce) {
    const std::string vcd = dir_ + "/wave.vcd";
    ASSERT_EQ(mkfifo(vcd.c_str(), 0600), 0) << std::strerror(errno);
    Program p(dir_, {"--stop-time=1sec", "--vcd=" + vcd});
    ASSERT_TRUE(p.waits_for_pipe_partner(60s));
    p.signal(SIGINT);
    const bool ended = p.ended(10s);
    EXPECT_TRUE(ended) << "one SIGINT does not end a program that waits for a reader of its waveform";
    if (!ended) p.signal(SIGINT);
    EXPECT_EQ(p.wait(10s), -1);
    EXPECT_EQ(p.ending_signal(), SIGINT);
    EXPECT_EQ(p.out(), "");
}

TEST_F(RunInterruption, AWaveformOnStandardOutputKeepsThatStreamToItself) {
    // Standard output is a file; the waveform names it in three ways. The
    // summary and --stats go to standard error.
    const std::string out_file = dir_ + "/out.vcd";
    for (const std::string &vcd : {std::string("/dev/stdout"), std::string("/proc/self/fd/1"), out_file}) {
        SCOPED_TRACE(vcd);
        Program p(dir_, {"--stop-time=20ns", "--stats", "--vcd=" + vcd}, out_file);
        ASSERT_EQ(p.wait(60s), 0) << p.err();
        const std::string text = p.out();
        EXPECT_EQ(text.rfind("$date\n", 0), 0u) << text.substr(0, 64);
        const std::string end = "\n#20000\n";
        ASSERT_GT(text.size(), end.size());
        EXPECT_EQ(text.substr(text.size() - end.size()), end);
        const std::string err = p.err();
        EXPECT_EQ(err.rfind("simulation ended at 20 ns: stop time reached\nstats: ", 0), 0u) << err;
    }
    // A device that keeps nothing is no stream: both go there, as asked.
    Program p(dir_, {"--stop-time=20ns", "--vcd=/dev/null"}, "/dev/null");
    EXPECT_EQ(p.wait(60s), 0);
    EXPECT_EQ(p.err(), "");
}

TEST_F(RunInterruption, AWaveformThatIsAlsoStandardErrorIsRefused) {
    // The messages would have no stream of their own: in a file they would
    // be written over the waveform's start, in a pipe in its middle. The
    // shell's redirections as users write them.
    const std::string prog = std::string(TOVU_BIN_DIR) + "/benchsnap --stop-time=20ns";
    const std::string run = dir_ + "/run.vcd", status = dir_ + "/status";
    const std::string refusal =
        "benchsnap: --vcd: waveform file %s is also standard error, where the messages go; send standard error "
        "elsewhere\n";
    auto message = [&](const std::string &vcd) {
        std::string m = refusal;
        return m.replace(m.find("%s"), 2, vcd);
    };
    struct Case {
        std::string command;
        std::string vcd;
    } cases[] = {
        {prog + " --vcd=/dev/stdout >" + run + " 2>&1", "/dev/stdout"},
        {prog + " --vcd=" + run + " >" + run + " 2>&1", run},
        {prog + " --vcd=" + run + " 2>" + run, run},
        {"{ " + prog + " --vcd=/dev/stdout 2>&1; echo $? >" + status + "; } | cat >" + run, "/dev/stdout"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        fs::remove(status);
        const int st = std::system(c.command.c_str());
        ASSERT_TRUE(WIFEXITED(st));
        const int code = fs::exists(status) ? std::stoi(read_file(status)) : WEXITSTATUS(st);
        EXPECT_EQ(code, 2);
        EXPECT_EQ(read_file(run), message(c.vcd));
    }
    // A device that keeps nothing takes both, as asked.
    EXPECT_EQ(std::system((prog + " --vcd=/dev/stdout >/dev/null 2>&1").c_str()), 0);
}

TEST_F(RunInterruption, StandardOutputThatCannotBeWrittenIsAnError) {
    const std::string lost = std::string("error: cannot write standard output: ") + std::strerror(ENOSPC) + "\n";
    struct Case {
        std::vector<std::string> options;
        int status;
        std::string err;
    } cases[] = {
        {{"--help"}, 1, lost},
        {{"--stop-time=20ns"}, 1, lost},
        {{"--stop-time=20ns", "--quiet", "--stats"}, 1, lost},
        {{"--stop-time=20ns", "--quiet"}, 0, ""},  // nothing to write
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options.back());
        Program p(dir_, c.options, "/dev/full");
        EXPECT_EQ(p.wait(60s), c.status);
        EXPECT_EQ(p.err(), c.err);
    }
}

}  // namespace
