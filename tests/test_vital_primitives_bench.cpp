// VITAL_Primitives in a small test design whose inputs the kernel drives:
// processes with a stack of their own call the concurrent procedures, which
// suspend inside themselves and resume on their inputs' events; a monitor
// records the outputs. Also the subprograms that read signals (GetEdge, the
// table procedures, the resolve-and-drive entry) and VitalGlitchOnEvent in
// its four glitch modes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ieee/p_1367372525.h"
#include "ieee/p_2592010699.h"
#include "ieee/p_2717149903.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "std/textio.h"
#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"
#include "vital_reference.h"

using namespace tovu::layout;
using namespace vital_reference;
using namespace vital_primitives;

namespace {

// ---- the test design ----------------------------------------------------------------

enum Sig { kA, kB, kC, kD, kV, kS, kEn, kQ, kQv, kQ2, kR, kW, kS3, kWd, kS6, kSignals };
const char *const kSigName[kSignals] = {"a", "b", "c", "d",  "v", "s",  "en", "q",
                                        "qv", "q2", "r", "w", "s3", "wd", "s6"};
const char *const kSigType[kSignals] = {
    "std_logic", "std_logic", "std_logic", "std_logic", "std_logic_vector(3 downto 0)",
    "std_logic_vector(1 downto 0)", "std_logic", "std_logic", "std_logic_vector(7 downto 0)",
    "std_logic", "std_logic", "std_logic_vector(7 downto 0)", "std_logic_vector(2 downto 0)",
    "std_logic_vector(63 downto 0)", "std_logic_vector(5 downto 0)"};
constexpr size_t sig(int n) { return 0x3e0 + 160 * static_cast<size_t>(n); }
constexpr size_t kDut0 = 0x1000, kDut1 = 0x1100, kMonitor = 0x1200, kCaller = 0x1300;
constexpr size_t kMonitorFlag = 0x1800, kCallerFlag = 0x1804;
constexpr size_t kDriveQ = 0x1400, kDriveQv = 0x1440, kDriveQ2 = 0x1480, kDriveR = 0x14c0;

// The inputs start at '0', the outputs at their default 'U'; `initial`
// overrides either.
std::string design(std::map<std::string, std::string> initial) {
    const std::map<std::string, std::string> inputs = {{"a", "'0'"}, {"b", "'0'"}, {"c", "'0'"}, {"d", "'0'"},
                                                       {"v", "\"0000\""}, {"s", "\"00\""}, {"en", "'0'"},
                                                       {"w", "\"00000000\""}, {"s3", "\"000\""},
                                                       {"wd", "\"" + std::string(64, '0') + "\""},
                                                       {"s6", "\"000000\""}};
    initial.insert(inputs.begin(), inputs.end());
    std::ostringstream d;
    d << "didat 1\nunit t_prim arch entity=tb\nblock 0x2000\ncounts pe=4\nuse ieee_p_2592010699\n";
    for (int k = 0; k < kSignals; ++k) {
        d << "signal " << k << " " << kSigName[k] << " sig " << kSigType[k];
        auto it = initial.find(kSigName[k]);
        if (it != initial.end()) d << " := " << it->second;
        d << "\n";
    }
    d << "process 0 record=0x1000 stack\n"
         "process 1 record=0x1100 stack\n"
         "process 2 record=0x1200 flag=0x1800 sens=q,qv,q2,r\n"
         "process 3 record=0x1300 flag=0x1804 sens=a,b,c,d,v,s,en,w,s3\n"
         "driver 0x1400 p0 q\n"
         "driver 0x1440 p0 qv\n"
         "driver 0x1480 p1 q2\n"
         "driver 0x14c0 p3 r\n";
    return d.str();
}

std::function<void(char *)> g_dut[2], g_caller;
struct Change {
    int64_t time;
    std::string signal, value;
    bool operator==(const Change &o) const { return time == o.time && signal == o.signal && value == o.value; }
};
std::ostream &operator<<(std::ostream &os, const Change &c) {
    return os << "{" << c.time << " ps, " << c.signal << ", " << c.value << "}";
}
using Changes = std::vector<Change>;
Changes g_changes;
int g_activations[2];

std::string value_text(char *b, int s) {
    const int n = s == kQv || s == kW ? 8 : 1;
    std::string v;
    for (int k = 0; k < n; ++k) v += kChars[signal_value(b, sig(s))[k]];
    return v;
}

void dut0(char *b) {
    if (g_dut[0]) g_dut[0](b);
}
void dut1(char *b) {
    if (g_dut[1]) g_dut[1](b);
}
void monitor(char *b) {
    for (int s : {kQ, kQv, kQ2, kR})
        if (zem_signal_has_event(signal_record(b, sig(s))))
            g_changes.push_back({zem_get_sim_current_time(), kSigName[s], value_text(b, s)});
    wait_flag(b, kMonitorFlag) = 1;
}
void caller(char *b) {
    if (g_caller) g_caller(b);
    wait_flag(b, kCallerFlag) = 1;
}
void *g_pe[] = {reinterpret_cast<void *>(&dut0), reinterpret_cast<void *>(&dut1), reinterpret_cast<void *>(&monitor),
                reinterpret_cast<void *>(&caller)};

// Arguments of signal parameters: an input (record, position, byte
// offset), an element of a vector input, an output with its driver.
struct In {
    void *rec;
    uint32_t pos, off;
};
In in(char *b, int s, uint32_t element = 0) { return {signal_record(b, sig(s)), element, element}; }
struct Out {
    void *rec;
    uint32_t pos, off;
    void *drv;
};
Out out(char *b, int s, size_t drv, uint32_t element = 0) {
    return {signal_record(b, sig(s)), element, element, driver_record(b, drv)};
}
void *proc(char *b, size_t rec) { return process_record(b, rec); }

const int64_t kZero01[2] = {0, 0};
const int64_t kZero01Z[6] = {0, 0, 0, 0, 0, 0};
const uint8_t kDefaultMap[4] = {U, X, L0, L1};
const uint8_t kDefaultZMap[5] = {U, X, L0, L1, Z};

class VitalPrimitivesBench : public tovu_test::SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        g_changes.clear();
        g_dut[0] = g_dut[1] = g_caller = nullptr;
        g_activations[0] = g_activations[1] = 0;
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        g_dut[0] = g_dut[1] = g_caller = nullptr;
        tovu::testing::capture_reports(false);
        SimFixture::TearDown();
    }
    void again() {
        TearDown();
        SetUp();
    }

    // The package's glitch mode as this run's design data has it.
    void set_glitch_mode(const std::string &mode) {
        const std::string path = "kest/precompiled.exe.sim/ieee/p_1367372525.didat";
        std::string text = read(path);
        const std::string from = "PrimGlitchMode VitalGlitchModeType := XOnly";
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, from.size(), "PrimGlitchMode VitalGlitchModeType := " + mode);
        write(path, text);
    }

    // Runs the design with the given initial values and a stimulus of (time
    // in ns, signal, value) lines; returns the run's exit status.
    int simulate(const std::map<std::string, std::string> &initial,
                 const std::vector<std::tuple<int64_t, std::string, std::string>> &events, int64_t stop_ns,
                 std::vector<std::string> options = {}) {
        write("kest/t/prim.didat", design(initial));
        std::string text;
        for (const auto &[t, s, v] : events) text += std::to_string(t * ns) + "ps tb/" + s + " " + v + "\n";
        write("stim.txt", text);
        options.push_back("--stop-time=" + std::to_string(stop_ns * ns) + "ps");
        options.push_back("--stimulus=" + dir_ + "/stim.txt");
        start(options);
        ieee_p_2592010699_init();
        std_textio_init();
        ieee_p_2717149903_init();
        ieee_p_1367372525_init();
        zem_register_didat("t_prim", "kest/t/prim.didat");
        zem_register_executes(g_pe);
        zem_register_tops("t_prim");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        IEEE_P_2717149903 = zem_get_engine_memory("ieee_p_2717149903");
        IEEE_P_1367372525 = zem_get_engine_memory("ieee_p_1367372525");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    static Changes changes_of(const std::string &s) {
        Changes out;
        for (const Change &c : g_changes)
            if (c.signal == s) out.push_back(c);
        return out;
    }
    static std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto &r : tovu::testing::reports()) out.push_back(r.message);
        return out;
    }
};

char *P() { return IEEE_P_1367372525; }

// ---- the logic-gate procedures ------------------------------------------------------

using Gate2 = void (*)(TOVU_VITAL_GATE2_PARAMS);
using Gate3 = void (*)(TOVU_VITAL_GATE3_PARAMS);
using Gate4 = void (*)(TOVU_VITAL_GATE4_PARAMS);
using GateV = void (*)(TOVU_VITAL_GATE_VECTOR_PARAMS);

struct GateMember {
    const char *name;
    int rule;  // AND, OR, XOR, NAND, NOR, XNOR
    int inputs;  // 2, 3, 4, or 0 for the vector form (over v, four inputs)
    void *fn;
};
const GateMember kGateMembers[24] = {
    {"VitalAND", 0, 0, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2153796958_4070434989)},
    {"VitalOR", 1, 0, reinterpret_cast<void *>(&ieee_p_1367372525_sub_3240053708_4070434989)},
    {"VitalXOR", 2, 0, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2748926732_4070434989)},
    {"VitalNAND", 3, 0, reinterpret_cast<void *>(&ieee_p_1367372525_sub_1177511724_4070434989)},
    {"VitalNOR", 4, 0, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2169265114_4070434989)},
    {"VitalXNOR", 5, 0, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2152136218_4070434989)},
    {"VitalAND2", 0, 2, reinterpret_cast<void *>(&ieee_p_1367372525_sub_814640786_4070434989)},
    {"VitalOR2", 1, 2, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2301375168_4070434989)},
    {"VitalNAND2", 3, 2, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2956966432_4070434989)},
    {"VitalNOR2", 4, 2, reinterpret_cast<void *>(&ieee_p_1367372525_sub_1325089934_4070434989)},
    {"VitalXOR2", 2, 2, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2225474856_4070434989)},
    {"VitalXNOR2", 5, 2, reinterpret_cast<void *>(&ieee_p_1367372525_sub_4006224374_4070434989)},
    {"VitalAND3", 0, 3, reinterpret_cast<void *>(&ieee_p_1367372525_sub_1174034513_4070434989)},
    {"VitalOR3", 1, 3, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2660768895_4070434989)},
    {"VitalNAND3", 3, 3, reinterpret_cast<void *>(&ieee_p_1367372525_sub_3316360159_4070434989)},
    {"VitalNOR3", 4, 3, reinterpret_cast<void *>(&ieee_p_1367372525_sub_1684483661_4070434989)},
    {"VitalXOR3", 2, 3, reinterpret_cast<void *>(&ieee_p_1367372525_sub_1473559599_4070434989)},
    {"VitalXNOR3", 5, 3, reinterpret_cast<void *>(&ieee_p_1367372525_sub_3254309117_4070434989)},
    {"VitalAND4", 0, 4, reinterpret_cast<void *>(&ieee_p_1367372525_sub_582011501_4070434989)},
    {"VitalOR4", 1, 4, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2068745883_4070434989)},
    {"VitalNAND4", 3, 4, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2724337147_4070434989)},
    {"VitalNOR4", 4, 4, reinterpret_cast<void *>(&ieee_p_1367372525_sub_1092460649_4070434989)},
    {"VitalXOR4", 2, 4, reinterpret_cast<void *>(&ieee_p_1367372525_sub_2063206243_4070434989)},
    {"VitalXNOR4", 5, 4, reinterpret_cast<void *>(&ieee_p_1367372525_sub_3843955761_4070434989)},
};

uint8_t gate_value(int rule, const std::vector<uint8_t> &v) {
    static uint8_t (*const op[3])(uint8_t, uint8_t) = {ref_and, ref_or, ref_xor};
    uint8_t r = rule % 3 == 0 ? L1 : L0;
    for (uint8_t x : v) r = op[rule % 3](r, x);
    return rule >= 3 ? ref_not(r) : r;
}

// Calls a gate member in process p0 on its inputs (a, b, c, d, or the four
// elements of v) with one delay record per input, and output q.
void call_gate(char *b, const GateMember &m, const int64_t (*tpd)[2], const uint8_t *map) {
    const Out q = out(b, kQ, kDriveQ);
    const In i[4] = {in(b, kA), in(b, kB), in(b, kC), in(b, kD)};
    switch (m.inputs) {
        case 2:
            reinterpret_cast<Gate2>(m.fn)(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, i[0].rec, i[0].pos, i[0].off,
                                         i[1].rec, i[1].pos, i[1].off, tpd[0], tpd[1], map);
            break;
        case 3:
            reinterpret_cast<Gate3>(m.fn)(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, i[0].rec, i[0].pos, i[0].off,
                                         i[1].rec, i[1].pos, i[1].off, i[2].rec, i[2].pos, i[2].off, tpd[0], tpd[1],
                                         tpd[2], map);
            break;
        case 4:
            reinterpret_cast<Gate4>(m.fn)(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, i[0].rec, i[0].pos, i[0].off,
                                         i[1].rec, i[1].pos, i[1].off, i[2].rec, i[2].pos, i[2].off, i[3].rec,
                                         i[3].pos, i[3].off, tpd[0], tpd[1], tpd[2], tpd[3], map);
            break;
        default: {
            const array_bounds vb{3, 0, -1, 4};
            reinterpret_cast<GateV>(m.fn)(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, signal_record(b, sig(kV)), 0,
                                         0, &vb, &tpd[0][0], &vb, map);
        }
    }
}

TEST_F(VitalPrimitivesBench, EveryGateProcedureFollowsItsInputsInBothModels) {
    // Each member sees single-input changes 100 ns apart. Zero delays: q
    // takes the mapped function value at the time of the change. Timed: q
    // changes to '1' after the tr01 of the input that changed, to '0' after
    // its tr10 (delays differ per input and direction).
    const uint8_t map[4] = {U, X, WL, WH};  // the driven value shows the map
    std::mt19937 rng(17);
    for (const GateMember &m : kGateMembers) {
        const int n = m.inputs ? m.inputs : 4;
        for (bool timed : {false, true}) {
            SCOPED_TRACE(std::string(m.name) + (timed ? " timed" : " zero-delay"));
            again();
            int64_t tpd[4][2];
            for (int k = 0; k < 4; ++k) {
                tpd[k][0] = timed ? (k + 1) * ns : 0;
                tpd[k][1] = timed ? (k + 5) * ns : 0;
            }
            g_dut[0] = [&](char *b) { call_gate(b, m, tpd, map); };
            std::vector<uint8_t> inputs(static_cast<size_t>(n), L0);
            std::vector<std::tuple<int64_t, std::string, std::string>> stim;
            Changes want = {{timed ? -1 : 0, "q", std::string(1, kChars[map[gate_value(m.rule, inputs)]])}};
            for (int step = 1; step <= 16; ++step) {
                const int k = static_cast<int>(rng() % static_cast<unsigned>(n));
                const uint8_t before = gate_value(m.rule, inputs);
                inputs[static_cast<size_t>(k)] = inputs[static_cast<size_t>(k)] == L0 ? L1 : L0;
                const uint8_t after = gate_value(m.rule, inputs);
                const int64_t t = 100 * step;
                if (m.inputs) {
                    stim.emplace_back(t, kSigName[k], inputs[static_cast<size_t>(k)] == L1 ? "'1'" : "'0'");
                } else {
                    std::string v = "\"";
                    for (uint8_t x : inputs) v += kChars[x];
                    stim.emplace_back(t, "v", v + "\"");
                }
                if (after != before)
                    want.push_back({t * ns + (timed ? tpd[k][after == L1 ? 0 : 1] : 0), "q",
                                    std::string(1, kChars[map[after]])});
            }
            ASSERT_EQ(simulate({}, stim, 1800), 0);
            Changes got = changes_of("q");
            ASSERT_FALSE(got.empty());
            if (timed) want[0].time = got[0].time;  // the first value's delay comes from the initial schedules
            EXPECT_EQ(got, want);
            EXPECT_TRUE(messages().empty());
        }
    }
}

TEST_F(VitalPrimitivesBench, TimedAnd2SchedulesByItsInputsAndPutsAnXOnAGlitch) {
    // tpd_a_q = (2, 3) ns, tpd_b_q = (1, 1) ns; a = '0', b = '1' from the start.
    const int64_t tpd_a[2] = {2 * ns, 3 * ns}, tpd_b[2] = {1 * ns, 1 * ns};
    auto run = [&] {
        g_dut[0] = [&](char *b) {
            const Out q = out(b, kQ, kDriveQ);
            const In a = in(b, kA), bb = in(b, kB);
            ieee_p_1367372525_sub_814640786_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                       a.off, bb.rec, bb.pos, bb.off, tpd_a, tpd_b, kDefaultMap);
        };
        // a rises at 10 ns ('1' due at 12) and falls again at 11 ('0' at 14):
        // a glitch from 12 to 14.
        return simulate({{"b", "'1'"}}, {{10, "a", "'1'"}, {11, "a", "'0'"}, {30, "a", "'1'"}}, 50);
    };
    ASSERT_EQ(run(), 0);
    // The package's glitch mode is XOnly: an 'X' pulse, no message.
    EXPECT_EQ(changes_of("q"), (Changes{{3 * ns, "q", "0"}, {12 * ns, "q", "X"}, {14 * ns, "q", "0"},
                                        {32 * ns, "q", "1"}}));
    EXPECT_TRUE(messages().empty());

    // With MessagePlusX the glitch is reported as well.
    again();
    set_glitch_mode("MessagePlusX");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{3 * ns, "q", "0"}, {12 * ns, "q", "X"}, {14 * ns, "q", "0"},
                                        {32 * ns, "q", "1"}}));
    ASSERT_EQ(messages(), (std::vector<std::string>{"VitalGlitchOnEvent: GLITCH Detected on port q ; Preempted "
                                                    "Future Value := 1 @ 12 ns; Newly Scheduled Value := 0 @ 14 ns;"}));
    EXPECT_EQ(tovu::testing::reports()[0].severity, SEV_WARNING);
    EXPECT_EQ(tovu::testing::reports()[0].time, 11 * ns);

    // With NoGlitch the pulse is simply swallowed (inertial).
    again();
    set_glitch_mode("NoGlitch");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{3 * ns, "q", "0"}, {32 * ns, "q", "1"}}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(VitalPrimitivesBench, VectorGatesOfOneInputAndOfNoInput) {
    // A timed vector XOR / XNOR over the single element v(0): a buffer and an
    // inverter with tr01 = 2 ns, tr10 = 3 ns (the schedule of one input
    // stops the recursion of the exclusive schedules).
    const int64_t tpd[2] = {2 * ns, 3 * ns};
    const array_bounds one{0, 0, 1, 1}, none{0, -1, 1, 0};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        ieee_p_1367372525_sub_2748926732_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv,
                                                    signal_record(b, sig(kV)), 3, 3, &one, tpd, &one, kDefaultMap);
    };
    g_dut[1] = [&](char *b) {
        const Out q = out(b, kQ2, kDriveQ2);
        ieee_p_1367372525_sub_2152136218_4070434989(P(), proc(b, kDut1), q.rec, q.pos, q.off, q.drv,
                                                    signal_record(b, sig(kV)), 3, 3, &one, tpd, &one, kDefaultMap);
    };
    // v(3) changes too: no wake-up, no change.
    ASSERT_EQ(simulate({}, {{10, "v", "\"0001\""}, {20, "v", "\"1001\""}, {30, "v", "\"1000\""}}, 50), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{3 * ns, "q", "0"}, {12 * ns, "q", "1"}, {33 * ns, "q", "0"}}));
    EXPECT_EQ(changes_of("q2"), (Changes{{2 * ns, "q2", "1"}, {13 * ns, "q2", "0"}, {32 * ns, "q2", "1"}}));

    // A null Data: the zero-delay model drives AND's start value once, then
    // waits on no element for the rest of the run.
    again();
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        ieee_p_1367372525_sub_2153796958_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv,
                                                    signal_record(b, sig(kV)), 0, 0, &none, nullptr, &none, kDefaultMap);
    };
    ASSERT_EQ(simulate({}, {{10, "v", "\"1111\""}}, 50), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{0, "q", "1"}}));
}

TEST_F(VitalPrimitivesBench, ADelayArrayOfAnotherLengthThanDataIsAFailedCheck) {
    const int64_t tpd[6] = {1, 1, 1, 1, 1, 1};
    const array_bounds vb{3, 0, -1, 4}, tb{2, 0, -1, 3};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        ieee_p_1367372525_sub_2153796958_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv,
                                                    signal_record(b, sig(kV)), 0, 0, &vb, tpd, &tb, kDefaultMap);
    };
    capture_stderr();
    EXPECT_EQ(simulate({}, {}, 50), 1);
    EXPECT_NE(captured_stderr().find("array length 3 does not match the target length 4"), std::string::npos);
}

TEST_F(VitalPrimitivesBench, EnduranceThousandsOfResumptions) {
    // A timed AND2 on a clock of 4 ns period (b = '1'): q follows a 1 ns
    // later on both edges for 40 us, 20000 resumptions; a second procedure
    // (a zero-delay XOR2 of a and q) runs beside it.
    const int64_t tpd_a[2] = {1 * ns, 1 * ns}, tpd_b[2] = {2 * ns, 2 * ns};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In a = in(b, kA), bb = in(b, kB);
        ++g_activations[0];
        ieee_p_1367372525_sub_814640786_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                   a.off, bb.rec, bb.pos, bb.off, tpd_a, tpd_b, kDefaultMap);
    };
    g_dut[1] = [&](char *b) {
        const Out q = out(b, kQ2, kDriveQ2);
        const In a = in(b, kA), qq = in(b, kQ);
        ++g_activations[1];
        ieee_p_1367372525_sub_2225474856_4070434989(P(), proc(b, kDut1), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                    a.off, qq.rec, qq.pos, qq.off, kZero01, kZero01, kDefaultMap);
    };
    ASSERT_EQ(simulate({{"b", "'1'"}}, {}, 40000, {"--clock=tb/a=4ns"}), 0);
    // Each procedure was entered once and then only resumed.
    EXPECT_EQ(g_activations[0], 1);
    EXPECT_EQ(g_activations[1], 1);
    const Changes q = changes_of("q"), q2 = changes_of("q2");
    ASSERT_GT(q.size(), 19000u);
    // After the first value, q repeats a 1 ns later; a xor q is '1' for the
    // nanosecond after each edge of a.
    size_t checked = 0;
    for (size_t k = 1; k < q.size(); ++k) {
        ASSERT_EQ(q[k].time % (2 * ns), 1 * ns) << q[k];
        ASSERT_NE(q[k].value, q[k - 1].value);
        ++checked;
    }
    EXPECT_GT(checked, 19000u);
    ASSERT_GT(q2.size(), 38000u);
    for (size_t k = 2; k < q2.size(); ++k) ASSERT_EQ(q2[k].value, (q2[k].time % (2 * ns) == 0) ? "1" : "0") << q2[k];
}

// ---- VitalGlitchOnEvent ------------------------------------------------------------

TEST_F(VitalPrimitivesBench, GlitchOnEventInEachGlitchMode) {
    // Called by a process at a's events with output r: at 10 ns the value
    // '1' after 5 ns (no glitch detection); at 12 ns '0' after 4 ns with a
    // glitch delay of 1 ns while '1' is still pending: a new glitch.
    struct Mode {
        uint8_t mode;
        Changes r;
        bool message;
    };
    const Mode modes[] = {
        {kMessagePlusX, {{13 * ns, "r", "X"}, {16 * ns, "r", "0"}}, true},
        {kMessageOnly, {{16 * ns, "r", "0"}}, true},
        {kXOnly, {{13 * ns, "r", "X"}, {16 * ns, "r", "0"}}, false},
        {kNoGlitch, {{16 * ns, "r", "0"}}, false},
        {7, {{16 * ns, "r", "0"}}, false},  // any other mode acts as NoGlitch
    };
    for (const Mode &m : modes) {
        SCOPED_TRACE(int(m.mode));
        again();
        uint8_t glitch[24];
        bool first = true;
        g_caller = [&](char *b) {
            if (first) {
                zem_type_set_default_value(P() + kTypeGlitchData, glitch, nullptr);
                first = false;
            }
            if (!zem_signal_has_event(signal_record(b, sig(kA)))) return;
            const Out r = out(b, kR, kDriveR);
            const char name = 'r';
            const array_bounds nb{1, 1, 1, 1};
            const bool rise = *signal_value(b, sig(kA)) == L1;
            ieee_p_1367372525_sub_2672610346_4070434989(P(), proc(b, kCaller), r.rec, r.pos, r.off, r.drv, &name, &nb,
                                                        glitch, rise ? L1 : L0, rise ? 5 * ns : 4 * ns, m.mode,
                                                        rise ? -1 * ns : 1 * ns, SEV_NOTE);
        };
        ASSERT_EQ(simulate({}, {{10, "a", "'1'"}, {12, "a", "'0'"}}, 50), 0);
        EXPECT_EQ(changes_of("r"), m.r);
        if (m.message) {
            ASSERT_EQ(messages(), (std::vector<std::string>{"VitalGlitchOnEvent: GLITCH Detected on port r ; Preempted "
                                                            "Future Value := 1 @ 13 ns; Newly Scheduled Value := 0 @ "
                                                            "16 ns;"}));
            EXPECT_EQ(tovu::testing::reports()[0].severity, SEV_NOTE);
        } else {
            EXPECT_TRUE(messages().empty());
        }
        // The record: the new value scheduled at 16 ns, the glitch from 13 ns.
        int64_t sched_time, glitch_time;
        std::memcpy(&sched_time, glitch, 8);
        std::memcpy(&glitch_time, glitch + 8, 8);
        EXPECT_EQ(sched_time, 16 * ns);
        EXPECT_EQ(glitch_time, 13 * ns);
        EXPECT_EQ(glitch[kGlitchSchedValue], L0);
    }
}

TEST_F(VitalPrimitivesBench, GlitchOnEventNegativeDelaysAndGlitchesUnderWay) {
    uint8_t glitch[24];
    int call = 0;
    g_caller = [&](char *b) {
        if (call == 0) zem_type_set_default_value(P() + kTypeGlitchData, glitch, nullptr);
        if (call++ == 0 || !zem_signal_has_event(signal_record(b, sig(kA)))) return;
        const Out r = out(b, kR, kDriveR);
        const char name = 'r';
        const array_bounds nb{1, 1, 1, 1};
        const int64_t t = zem_get_sim_current_time();
        auto event = [&](uint8_t v, int64_t delay, int64_t glitch_delay) {
            ieee_p_1367372525_sub_2672610346_4070434989(P(), proc(b, kCaller), r.rec, r.pos, r.off, r.drv, &name, &nb,
                                                        glitch, v, delay, kXOnly, glitch_delay, SEV_WARNING);
        };
        if (t == 10 * ns) event(L1, 5 * ns, -1 * ns);     // '1' at 15
        if (t == 11 * ns) event(L0, 10 * ns, 1 * ns);     // glitch: 'X' at 12, '0' at 21
        if (t == 13 * ns) event(L0, 20 * ns, -1 * ns);    // under way: '0' at min(21, 33) = 21
        if (t == 30 * ns) event(L1, -1 * ns, -1 * ns);    // negative delay and a change: reported
        if (t == 31 * ns) event(L0, -1 * ns, -1 * ns);    // negative delay, no change: silent
        if (t == 32 * ns) event(L0, 0, -1 * ns);          // nothing pending, same value: nothing
    };
    ASSERT_EQ(simulate({{"r", "'0'"}},
                       {{10, "a", "'1'"}, {11, "a", "'0'"}, {13, "a", "'1'"}, {30, "a", "'0'"}, {31, "a", "'1'"},
                        {32, "a", "'0'"}},
                       50),
              0);
    EXPECT_EQ(changes_of("r"), (Changes{{12 * ns, "r", "X"}, {21 * ns, "r", "0"}}));
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "VitalGlitchOnEvent: Negative delay. New output value not scheduled. Output signal is: r"}));
    EXPECT_EQ(tovu::testing::reports()[0].severity, SEV_WARNING);
    EXPECT_EQ(glitch[kGlitchCurrentValue], L0);
}

TEST_F(VitalPrimitivesBench, VectorGlitchOnEventDrivesEachElementAndChecksLengths) {
    // qv(7 downto 0): element n of the arguments drives qv(8 - n); a glitch
    // on the second element is reported with its index.
    std::vector<uint8_t> glitch(8 * 24);
    // A process that calls it at 0 and 2 ns and waits 2 ns at a time.
    g_dut[0] = [&](char *b) {
        const array_bounds qb{7, 0, -1, 8}, three{0, 2, 1, 3};
        const Out q = out(b, kQv, kDriveQv);
        const char name[2] = {'q', 'v'};
        const array_bounds nb{1, 2, 1, 2};
        const int64_t t = zem_get_sim_current_time();
        if (t == 0) {
            zem_type_set_default_value(P() + kTypeGlitchDataArray, glitch.data(), &qb);
            const uint8_t v[8] = {L1, L1, L0, L0, L0, L0, L0, L0};
            const int64_t d[8] = {1 * ns, 5 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns};
            const int64_t g[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
            ieee_p_1367372525_sub_2661383135_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, &qb, name, &nb,
                                                        glitch.data(), &qb, v, &qb, d, &qb, kMessagePlusX, g, &qb,
                                                        SEV_WARNING);
        } else if (t == 2 * ns) {
            const uint8_t v[8] = {L1, L0, L0, L0, L0, L0, L0, L0};
            const int64_t d[8] = {1 * ns, 2 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns};
            const int64_t g[8] = {-1, 1 * ns, -1, -1, -1, -1, -1, -1};
            ieee_p_1367372525_sub_2661383135_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, &qb, name, &nb,
                                                        glitch.data(), &qb, v, &qb, d, &qb, kMessagePlusX, g, &qb,
                                                        SEV_WARNING);
            // Arrays of unequal lengths: one report, nothing scheduled.
            ieee_p_1367372525_sub_2661383135_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, &qb, name, &nb,
                                                        glitch.data(), &qb, v, &three, d, &qb, kMessagePlusX, g, &qb,
                                                        SEV_WARNING);
        }
        zem_process_wait(proc(b, kDut0), 2 * ns);
    };
    // The length error is reported as an ERROR, so the run's status is 1.
    ASSERT_EQ(simulate({}, {}, 20), 1);
    EXPECT_EQ(changes_of("qv"), (Changes{{1 * ns, "qv", "1U000000"}, {3 * ns, "qv", "1X000000"},
                                         {4 * ns, "qv", "10000000"}}));
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "VitalGlitchOnEvent: GLITCH Detected on port qv(6); Preempted Future Value := 1 @ 3 ns; "
                              "Newly Scheduled Value := 0 @ 4 ns;",
                              "VitalGlitchOnEvent: Vector (array) lengths not equal. qv",
                          }));
}

// ---- buffers, inverters, enables -------------------------------------------------------

TEST_F(VitalPrimitivesBench, BufferAndInverterDelaysByTheInputsEdge) {
    const int64_t tpd[2] = {3 * ns, 5 * ns};  // tr01, tr10
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In a = in(b, kA);
        ieee_p_1367372525_sub_1956994121_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                    a.off, tpd, kDefaultMap);
    };
    g_dut[1] = [&](char *b) {
        const Out q = out(b, kQ2, kDriveQ2);
        const In a = in(b, kA);
        ieee_p_1367372525_sub_2809565465_4070434989(P(), proc(b, kDut1), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                    a.off, tpd, kDefaultMap);
    };
    ASSERT_EQ(simulate({}, {{10, "a", "'1'"}, {20, "a", "'0'"}, {30, "a", "'X'"}, {40, "a", "'H'"}}, 60), 0);
    // The buffer rises after tr01 and falls after tr10; the inverter falls
    // after tr10 when its input rises. A change from '0' to 'X' counts as a
    // rise of the input, as the level '0' at the start counts as a fall.
    EXPECT_EQ(changes_of("q"), (Changes{{5 * ns, "q", "0"}, {13 * ns, "q", "1"}, {25 * ns, "q", "0"},
                                        {33 * ns, "q", "X"}, {43 * ns, "q", "1"}}));
    EXPECT_EQ(changes_of("q2"), (Changes{{3 * ns, "q2", "1"}, {15 * ns, "q2", "0"}, {23 * ns, "q2", "1"},
                                         {35 * ns, "q2", "X"}, {45 * ns, "q2", "0"}}));
}

TEST_F(VitalPrimitivesBench, ADelayOfTimeHighNeverMaturesAndOverflowsNothing) {
    // A buffer that never rises (tr01 = TIME'HIGH) and falls after 1 ns:
    // the rise at 10 ns is scheduled for the end of time, the fall at 20 ns
    // preempts it; the output stays '0'.
    const int64_t tpd[2] = {kTimeHigh, 1 * ns};
    uint8_t glitch_copy[24] = {};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In a = in(b, kA);
        ieee_p_1367372525_sub_1956994121_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                    a.off, tpd, kDefaultMap);
    };
    // Beside it, GetSchedDelay of a schedule that says "never" at 30 ns.
    g_caller = [&](char *b) {
        if (zem_get_sim_current_time() != 30 * ns) return;
        const S never{kTimeHigh, kTimeHigh, kTimeHigh, kTimeHigh, kTimeHigh};
        int64_t d, g;
        ieee_p_1367372525_sub_2543757985_4070434989(P(), proc(b, kCaller), &d, &g, L1, L1,
                                                    reinterpret_cast<const uint8_t *>(&never));
        std::memcpy(glitch_copy, &d, 8);
        std::memcpy(glitch_copy + 8, &g, 8);
    };
    ASSERT_EQ(simulate({}, {{10, "a", "'1'"}, {20, "a", "'0'"}, {30, "a", "'1'"}}, 50), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{1 * ns, "q", "0"}}));
    int64_t d, g;
    std::memcpy(&d, glitch_copy, 8);
    std::memcpy(&g, glitch_copy + 8, 8);
    EXPECT_EQ(d, kTimeHigh - 30 * ns);
    EXPECT_EQ(g, kTimeHigh - 30 * ns);
}

TEST_F(VitalPrimitivesBench, IdentDelaysByThePreviousAndNewValue) {
    const int64_t tpd[6] = {1 * ns, 2 * ns, 3 * ns, 4 * ns, 5 * ns, 6 * ns};  // 01 10 0z z1 1z z0
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In a = in(b, kA);
        ieee_p_1367372525_sub_1425513643_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, a.rec, a.pos,
                                                    a.off, tpd, kDefaultZMap);
    };
    // First pass 'U' (read as 'X') to '0': tr10; then 0 -> Z tr0z, Z -> Z
    // (an event from 'Z' to 'Z' is impossible; 'Z' to 'W' is X: min(trz1,
    // trz0)), X -> 1 tr01, 1 -> Z tr1z, Z -> 0 trz0.
    ASSERT_EQ(simulate({}, {{10, "a", "'Z'"}, {20, "a", "'W'"}, {30, "a", "'1'"}, {40, "a", "'Z'"}, {50, "a", "'0'"}},
                       70),
              0);
    EXPECT_EQ(changes_of("q"), (Changes{{2 * ns, "q", "0"}, {13 * ns, "q", "Z"}, {24 * ns, "q", "X"},
                                        {31 * ns, "q", "1"}, {45 * ns, "q", "Z"}, {56 * ns, "q", "0"}}));
}

TEST_F(VitalPrimitivesBench, TriStateBufferTurnsOnAndOffWithTheEnablesDelays) {
    const int64_t tpd_data[2] = {1 * ns, 1 * ns};
    const int64_t tpd_enable[6] = {2 * ns, 3 * ns, 4 * ns, 5 * ns, 6 * ns, 7 * ns};  // 01 10 0z z1 1z z0
    auto buffer = [&](void *fn, int q_sig, size_t drv, size_t rec, int data) {
        return [=, &tpd_data, &tpd_enable](char *b) {
            const Out q = out(b, q_sig, drv);
            const In d = in(b, data), e = in(b, kEn);
            reinterpret_cast<void (*)(TOVU_VITAL_ENABLE_PARAMS)>(fn)(P(), proc(b, rec), q.rec, q.pos, q.off, q.drv,
                                                                     d.rec, d.pos, d.off, e.rec, e.pos, e.off, tpd_data,
                                                                     tpd_enable, kDefaultZMap);
        };
    };
    // VitalBUFIF1 on a = '1' and VitalINVIF0 on b = '0' (both drive '1' when enabled).
    g_dut[0] = buffer(reinterpret_cast<void *>(&ieee_p_1367372525_sub_806467043_4070434989), kQ, kDriveQ, kDut0, kA);
    g_dut[1] = buffer(reinterpret_cast<void *>(&ieee_p_1367372525_sub_3624292364_4070434989), kQ2, kDriveQ2, kDut1, kB);
    ASSERT_EQ(simulate({{"a", "'1'"}, {"en", "'0'"}}, {{20, "en", "'1'"}, {40, "en", "'0'"}}, 60), 0);
    // BUFIF1: off ('Z') from the start, on at 20 ns after trz1, off at 40 ns after tr1z.
    EXPECT_EQ(changes_of("q"), (Changes{{6 * ns, "q", "Z"}, {25 * ns, "q", "1"}, {46 * ns, "q", "Z"}}));
    // INVIF0: on from the start, off at 20 ns after tr1z, on again after trz1.
    const Changes q2 = changes_of("q2");
    ASSERT_EQ(q2.size(), 3u);
    EXPECT_EQ(q2[0].value, "1");
    EXPECT_EQ(q2[1], (Change{26 * ns, "q2", "Z"}));
    EXPECT_EQ(q2[2], (Change{45 * ns, "q2", "1"}));
    // VitalINVIF1 on b = '0' turns on and off like VitalBUFIF1 on a = '1'.
    again();
    g_dut[0] = buffer(reinterpret_cast<void *>(&ieee_p_1367372525_sub_3427255122_4070434989), kQ, kDriveQ, kDut0, kB);
    ASSERT_EQ(simulate({{"en", "'0'"}}, {{20, "en", "'1'"}, {40, "en", "'0'"}}, 60), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{6 * ns, "q", "Z"}, {25 * ns, "q", "1"}, {46 * ns, "q", "Z"}}));
    // Zero delays: the function value with the map, at once.
    again();
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In d = in(b, kA), e = in(b, kEn);
        const uint8_t map[5] = {U, X, WL, WH, W};
        ieee_p_1367372525_sub_1188012972_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, e.rec, e.pos, e.off, kZero01, kZero01Z, map);
    };
    ASSERT_EQ(simulate({{"a", "'1'"}, {"en", "'0'"}}, {{20, "en", "'1'"}, {30, "a", "'0'"}, {40, "en", "'0'"}}, 60), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{0, "q", "H"}, {20 * ns, "q", "W"}, {40 * ns, "q", "L"}}));
}

// ---- multiplexers and decoders ----------------------------------------------------------

TEST_F(VitalPrimitivesBench, Mux4FollowsItsSelectWithTheSelectsDelays) {
    // Data v = "0101" (Data(0) = '1'), select s = "00"; data delays 1 ns,
    // select delays tr01 = 3 ns, tr10 = 4 ns. The select's change to "01"
    // picks Data(1) = '0' through the inverted select path: 4 ns.
    const int64_t tpd_data[8] = {1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns, 1 * ns};
    const int64_t tpd_sel[4] = {3 * ns, 4 * ns, 3 * ns, 4 * ns};
    const array_bounds db{3, 0, -1, 4}, sb{1, 0, -1, 2};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In d = in(b, kV), s = in(b, kS);
        ieee_p_1367372525_sub_1464975953_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, s.rec, s.pos, s.off, tpd_data, &db, tpd_sel, &sb,
                                                    kDefaultMap);
    };
    // The same data through VitalMUX (zero delays) on q2.
    g_dut[1] = [&](char *b) {
        const Out q = out(b, kQ2, kDriveQ2);
        const In d = in(b, kV), s = in(b, kS);
        const int64_t zeros[8] = {};
        ieee_p_1367372525_sub_2471049937_4070434989(P(), proc(b, kDut1), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, &db, s.rec, s.pos, s.off, &sb, zeros, &db, zeros, &sb,
                                                    kDefaultMap);
    };
    ASSERT_EQ(simulate({{"v", "\"0101\""}}, {{10, "s", "\"01\""}, {20, "s", "\"11\""}, {30, "v", "\"1101\""}}, 50), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{3 * ns, "q", "1"}, {14 * ns, "q", "0"}, {31 * ns, "q", "1"}}));
    EXPECT_EQ(changes_of("q2"), (Changes{{0, "q2", "1"}, {10 * ns, "q2", "0"}, {30 * ns, "q2", "1"}}));

    // VitalMUX2 (d1 = a = '1', d0 = b = '0', dSel = c), data delays 1 ns,
    // select tr01 = 3 ns, tr10 = 4 ns: at first d0 through the select's fall
    // (4 ns); the select's rise at 10 ns picks d1 after 3 ns.
    again();
    const int64_t one_ns[2] = {1 * ns, 1 * ns}, sel_delay[2] = {3 * ns, 4 * ns};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In d1 = in(b, kA), d0 = in(b, kB), sel = in(b, kC);
        ieee_p_1367372525_sub_1423760678_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d1.rec, d1.pos,
                                                    d1.off, d0.rec, d0.pos, d0.off, sel.rec, sel.pos, sel.off, one_ns,
                                                    one_ns, sel_delay, kDefaultMap);
    };
    ASSERT_EQ(simulate({{"a", "'1'"}}, {{10, "c", "'1'"}}, 30), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{4 * ns, "q", "0"}, {13 * ns, "q", "1"}}));

    // VitalMUX8 on w (Data(7) first) and s3, every delay 2 ns: each change
    // of the selected value shows 2 ns after its cause.
    again();
    const int64_t two_ns[16] = {2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns,
                                2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns, 2 * ns};
    const array_bounds b8{7, 0, -1, 8}, b3{2, 0, -1, 3};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In d = in(b, kW), s = in(b, kS3);
        ieee_p_1367372525_sub_1050295276_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, s.rec, s.pos, s.off, two_ns, &b8, two_ns, &b3, kDefaultMap);
    };
    ASSERT_EQ(simulate({{"w", "\"00000001\""}}, {{10, "s3", "\"001\""}, {20, "w", "\"00000011\""}}, 40), 0);
    EXPECT_EQ(changes_of("q"), (Changes{{2 * ns, "q", "1"}, {12 * ns, "q", "0"}, {22 * ns, "q", "1"}}));
}

TEST_F(VitalPrimitivesBench, TimedMuxOfTwoToSixSelectsFollowsTheLineItsSelectPicks) {
    // VitalMUX on the right 2**n elements of wd and the right n of s6, data
    // delays tr01 = 1 ns, tr10 = 2 ns, select delays 3 ns and 4 ns. Two lines
    // are watched, `upper` in the upper half under the top select and
    // `lower` in the lower one; after the first value, q changes only when
    // the picked line does (by the data's delays) or when the select picks a
    // line of another value (by the select's).
    for (uint32_t n = 2; n <= 6; ++n) {
        again();
        const uint32_t lines = 1u << n, upper = lines - 2, lower = 1;
        std::vector<int64_t> tpd_data(2 * lines), tpd_sel(2 * n);
        for (uint32_t k = 0; k < lines; ++k) tpd_data[2 * k] = 1 * ns, tpd_data[2 * k + 1] = 2 * ns;
        for (uint32_t k = 0; k < n; ++k) tpd_sel[2 * k] = 3 * ns, tpd_sel[2 * k + 1] = 4 * ns;
        const array_bounds db = make_bounds(static_cast<int32_t>(lines) - 1, 0, -1);
        const array_bounds sb = make_bounds(static_cast<int32_t>(n) - 1, 0, -1);
        g_dut[0] = [&](char *b) {
            const Out q = out(b, kQ, kDriveQ);
            const In d = in(b, kWd, 64 - lines), s = in(b, kS6, 6 - n);
            ieee_p_1367372525_sub_2471049937_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                        d.off, &db, s.rec, s.pos, s.off, &sb, tpd_data.data(), &db,
                                                        tpd_sel.data(), &sb, kDefaultMap);
        };
        // wd with the two lines' values (the others '0'); s6 picking a line.
        auto data = [&](char up, char low) {
            std::string v(64, '0');
            v[63 - upper] = up;
            v[63 - lower] = low;
            return "\"" + v + "\"";
        };
        auto select = [&](uint32_t line) {
            std::string v(6, '0');
            for (uint32_t k = 0; k < 6; ++k) v[5 - k] = (line >> k) & 1 ? '1' : '0';
            return "\"" + v + "\"";
        };
        ASSERT_EQ(simulate({{"wd", data('0', '1')}, {"s6", select(upper)}},
                           {{10, "wd", data('1', '1')},
                            {20, "wd", data('1', '0')},
                            {25, "wd", data('1', '1')},
                            {30, "wd", data('0', '1')},
                            {40, "s6", select(lower)},
                            {50, "wd", data('0', '0')},
                            {55, "wd", data('1', '0')},
                            {60, "s6", select(upper)}},
                           80),
                  0)
            << n << " selects";
        const Changes q = changes_of("q");
        ASSERT_FALSE(q.empty()) << n << " selects";
        EXPECT_EQ(q.front().value, "0") << n << " selects";
        EXPECT_LE(q.front().time, 4 * ns) << n << " selects";
        EXPECT_EQ(Changes(q.begin() + 1, q.end()), (Changes{{11 * ns, "q", "1"},
                                                            {32 * ns, "q", "0"},
                                                            {43 * ns, "q", "1"},
                                                            {52 * ns, "q", "0"},
                                                            {63 * ns, "q", "1"}}))
            << n << " selects";
    }
}

TEST_F(VitalPrimitivesBench, DecodersDriveTheirWholeOutputAtOnceOrThroughVectorGlitchHandling) {
    // VitalDECODER8, zero delays: address v(2 downto 0), one transaction for qv.
    const int64_t zeros[6] = {};
    const array_bounds three{2, 0, -1, 3};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQv, kDriveQv);
        const In d = in(b, kV, 1), e = in(b, kEn);
        ieee_p_1367372525_sub_2321378141_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, e.rec, e.pos, e.off, zeros, &three, kZero01, kDefaultMap);
    };
    ASSERT_EQ(simulate({{"en", "'1'"}}, {{10, "v", "\"0101\""}, {20, "en", "'0'"}}, 50), 0);
    EXPECT_EQ(changes_of("qv"),
              (Changes{{0, "qv", "00000001"}, {10 * ns, "qv", "00100000"}, {20 * ns, "qv", "00000000"}}));

    // VitalDECODER4, zero delays: address v(1 downto 0) onto qv(3 downto 0),
    // four elements in one transaction.
    again();
    const array_bounds two{1, 0, -1, 2};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQv, kDriveQv, 4);
        const In d = in(b, kV, 2), e = in(b, kEn);
        ieee_p_1367372525_sub_2884513025_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, e.rec, e.pos, e.off, zeros, &two, kZero01, kDefaultMap);
    };
    ASSERT_EQ(simulate({{"en", "'1'"}}, {{10, "v", "\"0010\""}, {20, "en", "'0'"}}, 50), 0);
    EXPECT_EQ(changes_of("qv"),
              (Changes{{0, "qv", "UUUU0001"}, {10 * ns, "qv", "UUUU0100"}, {20 * ns, "qv", "UUUU0000"}}));

    // VitalDECODER2 timed on qv(1 downto 0): address a, enable en; the
    // outputs follow by the address's delays (2, 3) and the enable's (1, 4).
    again();
    const int64_t tpd_data[2] = {2 * ns, 3 * ns}, tpd_enable[2] = {1 * ns, 4 * ns};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQv, kDriveQv, 6);
        const In d = in(b, kA), e = in(b, kEn);
        ieee_p_1367372525_sub_2929378169_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, d.rec, d.pos,
                                                    d.off, e.rec, e.pos, e.off, tpd_data, tpd_enable, kDefaultMap);
    };
    ASSERT_EQ(simulate({{"en", "'1'"}}, {{10, "a", "'1'"}, {20, "en", "'0'"}}, 50), 0);
    // From the start q = "01" (address 0), at 10 ns q(1) rises after 2 ns and
    // q(0) falls after 3 ns; the enable's fall takes q(1) down after 4 ns.
    const Changes got = changes_of("qv");
    ASSERT_GE(got.size(), 3u);
    EXPECT_EQ(got[got.size() - 3], (Change{12 * ns, "qv", "UUUUUU11"}));
    EXPECT_EQ(got[got.size() - 2], (Change{13 * ns, "qv", "UUUUUU10"}));
    EXPECT_EQ(got[got.size() - 1], (Change{24 * ns, "qv", "UUUUUU00"}));
    EXPECT_EQ(got[got.size() - 4].value, "UUUUUU01");

    // VitalDECODER of 3 bits into an output of 4: a failed check, not a wrong write.
    again();
    const array_bounds four{3, 0, -1, 4};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQv, kDriveQv, 4);
        const In d = in(b, kV, 1), e = in(b, kEn);
        ieee_p_1367372525_sub_1093634699_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, &four, d.rec,
                                                    d.pos, d.off, &three, e.rec, e.pos, e.off, zeros, &three, kZero01,
                                                    kDefaultMap);
    };
    capture_stderr();
    EXPECT_EQ(simulate({}, {}, 50), 1);
    EXPECT_NE(captured_stderr().find("array length 8 does not match the target length 4"), std::string::npos);
}

// ---- tables --------------------------------------------------------------------------

const std::string kSymbols = "/\\PNrfpnRF^vEAD*X01-BZS";
std::vector<uint8_t> table(const std::vector<std::string> &rows) {
    std::vector<uint8_t> t;
    for (const auto &r : rows)
        for (char c : r) t.push_back(static_cast<uint8_t>(kSymbols.find(c)));
    return t;
}

TEST_F(VitalPrimitivesBench, StateTableSignalFormIsAFlipFlopThatWaitsOnItsInputs) {
    // (D, CLK | Q, Q+) on v(1 downto 0): D = v(1), CLK = v(0); q is the state.
    const auto dff = table({"0/-0", "1/-1", "---S"});
    const array_bounds tb[2] = {{0, 2, 1, 3}, {0, 3, 1, 4}}, db{1, 0, -1, 2};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In d = in(b, kV, 2);
        ++g_activations[0];
        ieee_p_1367372525_sub_956644378_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, dff.data(), tb,
                                                   d.rec, d.pos, d.off, &db);
    };
    ASSERT_EQ(simulate({}, {{10, "v", "\"0010\""}, {15, "v", "\"0011\""}, {20, "v", "\"0000\""}, {25, "v", "\"0001\""},
                            {30, "v", "\"0011\""}, {35, "v", "\"0010\""}},
                       50),
              0);
    // No row but the last matches at first ('X' from 'U'); D = 1 at the
    // rising clock of 15 ns; D = 0 at 25 ns; a change of D alone keeps Q.
    EXPECT_EQ(changes_of("q"), (Changes{{0, "q", "X"}, {15 * ns, "q", "1"}, {25 * ns, "q", "0"}}));
    EXPECT_EQ(g_activations[0], 1);

    // The vector form with a one-element Result and one state column does the same.
    again();
    const array_bounds rb{0, 0, 1, 1};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQ, kDriveQ);
        const In d = in(b, kV, 2);
        ieee_p_1367372525_sub_1182304615_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, &rb, dff.data(),
                                                    tb, d.rec, d.pos, d.off, &db, 1);
    };
    ASSERT_EQ(simulate({}, {{10, "v", "\"0010\""}, {15, "v", "\"0011\""}, {20, "v", "\"0000\""},
                            {25, "v", "\"0001\""}, {30, "v", "\"0011\""}, {35, "v", "\"0010\""}},
                       50),
              0);
    EXPECT_EQ(changes_of("q"), (Changes{{0, "q", "X"}, {15 * ns, "q", "1"}, {25 * ns, "q", "0"}}));
}

TEST_F(VitalPrimitivesBench, TruthTableSignalFormsDriveOnceEachCall) {
    // XOR of a and b as a truth table, on r (the calling process's output).
    const auto xor_table = table({"000", "011", "101", "110"});
    const array_bounds tb[2] = {{0, 3, 1, 4}, {0, 2, 1, 3}};
    g_caller = [&](char *b) {
        const Out r = out(b, kR, kDriveR);
        const array_bounds db{1, 0, -1, 2};
        // a and b are two signals: the table reads a two-element DataIn, so
        // the two values are given through s (1 downto 0).
        const In d = in(b, kS);
        ieee_p_1367372525_sub_2359968290_4070434989(P(), proc(b, kCaller), r.rec, r.pos, r.off, r.drv, xor_table.data(),
                                                    tb, d.rec, d.pos, d.off, &db);
    };
    ASSERT_EQ(simulate({}, {{10, "s", "\"01\""}, {20, "s", "\"11\""}, {30, "s", "\"1X\""}}, 50), 0);
    EXPECT_EQ(changes_of("r"), (Changes{{0, "r", "0"}, {10 * ns, "r", "1"}, {20 * ns, "r", "0"}, {30 * ns, "r", "X"}}));
    EXPECT_TRUE(messages().empty());

    // The vector form onto a wider result: the table's outputs from the
    // left, the rest 'X', and a report that the result is too wide.
    again();
    const auto two_out = table({"0001", "1010"});
    const array_bounds tb2[2] = {{0, 1, 1, 2}, {0, 3, 1, 4}};
    g_dut[0] = [&](char *b) {
        const Out q = out(b, kQv, kDriveQv);
        const array_bounds qb{7, 0, -1, 8}, db{0, 1, 1, 2};
        const In d = in(b, kS);
        ieee_p_1367372525_sub_2718111499_4070434989(P(), proc(b, kDut0), q.rec, q.pos, q.off, q.drv, &qb,
                                                    two_out.data(), tb2, d.rec, d.pos, d.off, &db);
    };
    ASSERT_EQ(simulate({{"s", "\"10\""}}, {}, 50), 0);
    EXPECT_EQ(changes_of("qv"), (Changes{{0, "qv", "10XXXXXX"}}));
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"VitalTruthTable: Result of Truth/State table has too many elements."}));
}

// ---- signal reads: GetEdge and resolve-and-drive ---------------------------------------------

TEST_F(VitalPrimitivesBench, GetEdgeOfAScalarAndAVectorSignal) {
    std::vector<std::pair<int64_t, int>> scalar_edges;
    std::vector<std::string> vector_edges;
    uint8_t last[2] = {U, U}, edge[2];
    const array_bounds b2{1, 0, -1, 2};
    const std::string edges = "UX01\\/FRfrxV";
    g_caller = [&](char *b) {
        scalar_edges.emplace_back(zem_get_sim_current_time(),
                                  ieee_p_1367372525_sub_26934960_4070434989(P(), signal_record(b, sig(kA)), 0, 0));
        // v(1 downto 0): the last two elements, from byte offset 2 on.
        ieee_p_1367372525_sub_915516184_4070434989(P(), proc(b, kCaller), signal_record(b, sig(kV)), 2, 2, &b2, last,
                                                   &b2, edge, &b2);
        vector_edges.push_back(std::string(1, edges[edge[0]]) + edges[edge[1]]);
    };
    ASSERT_EQ(simulate({}, {{10, "a", "'1'"}, {20, "a", "'Z'"}, {30, "a", "'H'"}, {40, "v", "\"1110\""},
                            {50, "v", "\"00X1\""}},
                       60),
              0);
    // A level without an event; 0 -> 1 '/'; 1 -> Z 'f'; Z -> H 'R'.
    const std::vector<std::pair<int64_t, int>> want = {{0, kEdge0}, {10 * ns, kEdgeRise}, {20 * ns, kEdgeOneToX},
                                                       {30 * ns, kEdgeToOne}, {40 * ns, kEdge1}, {50 * ns, kEdge1}};
    EXPECT_EQ(scalar_edges, want);
    // The vector form against its last values: U -> 0 'F' at first, then
    // levels, 0 -> 1 '/' for v(1) at 40 ns, 1 -> X 'f' and 0 -> 1 '/' at 50 ns.
    EXPECT_EQ(vector_edges, (std::vector<std::string>{"FF", "00", "00", "00", "/0", "f/"}));
    EXPECT_EQ(last[0], X);
    EXPECT_EQ(last[1], L1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(VitalPrimitivesBench, GetEdgeOfArraysOfUnequalLengthsReportsThenFailsACheck) {
    uint8_t last[1] = {U}, edge[2];
    const array_bounds b2{1, 0, -1, 2}, b1{0, 0, 1, 1};
    g_caller = [&](char *b) {
        ieee_p_1367372525_sub_915516184_4070434989(P(), proc(b, kCaller), signal_record(b, sig(kV)), 0, 0, &b2, last,
                                                   &b1, edge, &b2);
    };
    capture_stderr();
    EXPECT_EQ(simulate({}, {}, 10), 1);
    EXPECT_NE(captured_stderr().find("index 2 is outside the range 1 to 1"), std::string::npos);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"GetEdge: Vector (array) lengths not equal. s, LastS, Edge"}));
}

TEST_F(VitalPrimitivesBench, ResolveAndDriveDrivesTheResolvedSourcesWithZeroDelay) {
    g_caller = [&](char *b) {
        const Out r = out(b, kR, kDriveR);
        const int64_t t = zem_get_sim_current_time();
        // v(3 downto 0) as the sources; at 30 ns only v(1) (one source).
        const array_bounds all{3, 0, -1, 4}, one{1, 1, 1, 1};
        const bool single = t >= 30 * ns;
        ieee_p_1367372525_sub_2576991354_4070434989(P(), proc(b, kCaller), r.rec, static_cast<int32_t>(r.pos), r.off,
                                                    r.drv, signal_record(b, sig(kV)), single ? 2 : 0, single ? 2 : 0,
                                                    single ? &one : &all);
    };
    ASSERT_EQ(simulate({{"v", "\"ZZZZ\""}}, {{10, "v", "\"Z1ZL\""}, {20, "v", "\"01ZZ\""}, {30, "v", "\"00WZ\""}}, 50),
              0);
    EXPECT_EQ(changes_of("r"),
              (Changes{{0, "r", "Z"}, {10 * ns, "r", "1"}, {20 * ns, "r", "X"}, {30 * ns, "r", "W"}}));
}

}  // namespace
