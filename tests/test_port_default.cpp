// The value an output port gives its actual when nothing drives the port:
// its default value, as the port's driving value. The actual takes it from
// initialisation on, without an event; on a resolved actual the port is one
// source among the others. Checked on small designs built here and on the
// clock unit's status output in both programs.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "kernel.h"
#include "sim_fixture.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr size_t sig(int k) { return 0x3e0 + 160 * static_cast<size_t>(k); }
constexpr size_t prec(int n) { return 0x1000 + 248 * static_cast<size_t>(n); }
constexpr size_t kMonitorFlag = 0x1800;
constexpr size_t kBusDriver = 0x1a00;
constexpr size_t kOtherDriver = 0x1a40;

// std_logic positions and their characters
constexpr uint8_t kZ = 4, k0 = 2;
const char kChars[] = "UX01ZWLH-";

std::string text_of(const uint8_t *v, uint32_t n) {
    std::string s;
    for (uint32_t i = 0; i < n; ++i) s += v[i] < 9 ? kChars[v[i]] : '?';
    return s;
}

// The value a port or signal of std_logic shows at its hierarchical path.
std::string value_at(const std::string &path) {
    auto it = tovu::K().signal_by_path.find(path);
    if (it == tovu::K().signal_by_path.end()) return "<no " + path + ">";
    const tovu::SignalView *v = it->second;
    return text_of(v->net->value + v->first, v->count);
}
uint8_t bit_at(const std::string &path) {
    const tovu::SignalView *v = tovu::K().signal_by_path.at(path);
    return v->net->value[v->first];
}

std::vector<std::string> g_log;

// Drives the bus e: 'Z' (its initial value) until 10 ps, '0' until 20 ps,
// then 'Z' again.
void bus_driver(char *b) {
    uintptr_t &state = reinterpret_cast<uintptr_t &>(resume_slot(b, prec(0)));
    if (state == 1 || state == 2) {
        *driver_staging(b, kBusDriver) = state == 1 ? k0 : kZ;
        zem_driver_first_trans_fast(driver_record(b, kBusDriver));
    }
    if (state < 2) zem_process_wait(process_record(b, prec(0)), 10);
    ++state;
}

// Logs the signals a to h in its first run, then every event with its time.
void monitor(char *b) {
    std::string line;
    for (int k = 0; k <= 6; ++k) {
        void *rec = signal_record(b, sig(k));
        const uint8_t *v = signal_value(b, sig(k));
        const std::string value = k == 6 ? std::string(1, "01"[*v & 1]) : text_of(v, k == 3 ? 2 : 1);  // h is a BIT
        if (g_log.empty() || zem_signal_has_event(rec))
            line += std::string(line.empty() ? "" : " ") + "abcdegh"[k] + "=" + value;
    }
    if (g_log.empty())
        line = "init " + line;
    else
        line += " @" + std::to_string(zem_get_sim_current_time());
    g_log.push_back(line);
    wait_flag(b, kMonitorFlag) = 1;
}
void *g_top_pe[] = {reinterpret_cast<void *>(&bus_driver), reinterpret_cast<void *>(&monitor)};
void idle(char *) {}
void *g_idle_pe[] = {reinterpret_cast<void *>(&idle)};

// a, b: one level down, with and without a default; c: two levels down, the
// middle port with a default of its own; d: two levels down, the inner port
// on one element of the middle one; e, g: inout ports on a resolved bus that
// the top also drives, with and without a default; h: an unresolved actual.
const char kTop[] = R"(didat 1
unit t_top arch
block 0x2000
counts pe=2
use ieee_p_2592010699
signal 0 a sig std_logic := '1'
signal 1 b sig std_logic := '1'
signal 2 c sig std_logic
signal 3 d sig std_logic_vector(1 downto 0)
signal 4 e sig std_logic := 'Z'
signal 5 g sig std_logic := '1'
signal 6 h sig bit := '0'
process 0 record=0x1000
process 1 record=0x10f8 flag=0x1800 sens=a,b,c,d,e,g,h
driver 0x1a00 p0 e
driver 0x1a40 p0 g
inst one t_low port o=>a
inst none t_plain port o=>b
inst two t_mid port o=>c
inst part t_midv port o=>d
inst pull t_pull port p=>e
inst pullu t_pullu port p=>g
inst bit t_bit port o=>h
)";

struct Unit {
    const char *name, *text;
};
const Unit kUnits[] = {
    {"t_low", "signal 0 o out std_logic := '0'\n"},
    {"t_plain", "signal 0 o out std_logic\n"},
    {"t_mid", "signal 0 o out std_logic := '1'\ninst l t_low port o=>o\n"},
    {"t_midv", "signal 0 o out std_logic_vector(1 downto 0) := \"HH\"\ninst l t_low port o=>o(1)\n"},
    {"t_pull", "signal 0 p inout std_logic := 'H'\n"},
    {"t_pullu", "signal 0 p inout std_logic\n"},
    {"t_bit", "signal 0 o out bit := '1'\n"},
};

class PortDefault : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        g_log.clear();
        for (const Unit &u : kUnits)
            write(std::string("kest/t/") + u.name + ".didat",
                  std::string("didat 1\nunit ") + u.name + " arch\nblock 0x800\nuse ieee_p_2592010699\n" + u.text);
    }
    int simulate(const char *top_text) {
        write("kest/t/top.didat", top_text);
        start({});
        ieee_p_2592010699_init();
        for (const Unit &u : kUnits) zem_register_didat(u.name, (std::string("kest/t/") + u.name + ".didat").c_str());
        write("kest/t/t_drv.didat",
              "didat 1\nunit t_drv arch\nblock 0x2000\ncounts pe=1\nsignal 0 o out bit\n"
              "process 0 record=0x1000\ndriver 0x1a00 p0 o\n");
        zem_register_didat("t_drv", "kest/t/t_drv.didat");
        zem_register_executes(g_idle_pe);
        zem_register_didat("t_top", "kest/t/top.didat");
        zem_register_executes(g_top_pe);
        zem_register_tops("t_top");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }
};

TEST_F(PortDefault, AnUndrivenOutputPortDrivesItsActualWithItsDefault) {
    ASSERT_EQ(simulate(kTop), 0);
    // Initial values: a port's default (or its type's, 'U') replaces the
    // actual's declared value; the innermost port without a source decides;
    // the pull-up 'H' resolves with the top's 'Z'; 'U' wins over the top's '1'.
    // Then only the bus changes: '0' over 'H', and back to 'H' when the top
    // lets go. No event at 0 ps.
    const std::vector<std::string> want = {"init a=0 b=U c=0 d=0H e=H g=U h=1", "e=0 @10", "e=H @20"};
    EXPECT_EQ(g_log, want);
    // every port of the chain reads what its actual reads
    const std::map<std::string, std::string> views = {
        {"t_top/one/o", "0"},   {"t_top/none/o", "U"},   {"t_top/two/o", "0"},  {"t_top/two/l/o", "0"},
        {"t_top/part/o", "0H"}, {"t_top/part/l/o", "0"}, {"t_top/pull/p", "H"}, {"t_top/pullu/p", "U"},
    };
    for (const auto &[path, v] : views) EXPECT_EQ(value_at(path), v) << path;
    EXPECT_EQ(bit_at("t_top/bit/o"), 1);
}

TEST_F(PortDefault, AnUndrivenPortIsASecondSourceOfAnUnresolvedActual) {
    // h, a BIT, has the port's default and a driver as sources: refused
    // before time 0, whichever of the two is elaborated first
    struct Case {
        std::string from, to, message;
    } cases[] = {
        {"driver 0x1a40 p0 g", "driver 0x1a40 p0 h",
         "top.didat:23: error: signal t_top/h has 2 sources on element 0 but its type is not resolved "
         "(sources: t_top/p_0, the default value of port t_top/bit/o)"},
        {"inst bit t_bit port o=>h\n", "inst bit t_bit port o=>h\ninst drv t_drv port o=>h\n",
         "t_drv.didat:7: error: signal t_top/h has 2 drivers on element 0 but its type is not resolved "
         "(drivers: the default value of port t_top/bit/o, t_top/drv/p_0)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.to);
        tovu::testing::reset();
        std::string top = kTop;
        top.replace(top.find(c.from), c.from.size(), c.to);
        capture_stderr();
        EXPECT_EQ(simulate(top.c_str()), 2);
        const std::string err = captured_stderr();
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
}

// ---- the clock unit's status output in both programs --------------------------

// Runs a program with a waveform file and returns the initial value of the
// variable at `path` in it, or a text saying why there is none. A variable
// whose value changes during the run gives "changes".
std::string initial_in_waveform(const std::string &program, const std::string &path) {
    char tmpl[] = "/tmp/tovu_port_XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    const std::string vcd = dir + "/run.vcd";
    std::vector<std::string> args = {std::string(TOVU_BIN_DIR) + "/" + program, "--quiet", "--stop-time=2us",
                                     "--vcd=" + vcd};
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::vector<char *> argv;
        for (auto &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int st = 0;
    waitpid(pid, &st, 0);
    std::ifstream in(vcd);
    std::string result = WIFEXITED(st) && WEXITSTATUS(st) == 0 ? "<no " + path + ">" : "<the run failed>";
    std::vector<std::string> scope;
    std::string id, word, line;
    bool dump = false, initial_seen = false;
    while (result != "changes" && std::getline(in, line)) {
        std::istringstream ls(line);
        ls >> word;
        if (word == "$scope") {
            ls >> word >> word;
            scope.push_back(word);
        } else if (word == "$upscope") {
            scope.pop_back();
        } else if (word == "$var") {
            std::string type, width, code, name;
            ls >> type >> width >> code >> name;
            std::string full;
            for (const auto &s : scope) full += s + "/";
            if (full + name == path) id = code;
        } else if (word == "$dumpvars") {
            dump = true;
        } else if (word == "$end") {
            dump = false;
        } else if (!id.empty() && line[0] != '#' && line.size() == id.size() + 1 &&
                   line.compare(1, id.size(), id) == 0) {
            result = initial_seen ? "changes" : dump ? line.substr(0, 1) : "<not in the initial values>";
            initial_seen = true;
        }
    }
    std::filesystem::remove_all(dir);
    return result;
}

TEST(PortDefaultPrograms, TheClockUnitsStatusOutputReadsItsDefaultZero) {
    EXPECT_EQ(initial_in_waveform("benchsnap", "fpga_tb/uut/clocks/clk_ok"), "0");
    EXPECT_EQ(initial_in_waveform("benchsnap", "fpga_tb/uut/clk_ok"), "0");
    EXPECT_EQ(initial_in_waveform("topsnap", "fpga_top/clocks/clk_ok"), "0");
    EXPECT_EQ(initial_in_waveform("topsnap", "fpga_top/clk_ok"), "0");
}

}  // namespace
