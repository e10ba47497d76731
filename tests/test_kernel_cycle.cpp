// The simulation cycle: delta ordering, transport and inertial delays,
// waveforms, resolution, ports, process kinds, signal attributes.
#include <algorithm>
#include <cstring>
#include <map>

#include "kernel.h"
#include "sim_fixture.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

// Offsets used by the test units below.
constexpr size_t sig(int k) { return 0x3e0 + 160 * static_cast<size_t>(k); }
constexpr size_t prec(int n) { return 0x1000 + 248 * static_cast<size_t>(n); }
constexpr size_t flag(int n) { return 0x1800 + 16 * static_cast<size_t>(n); }
constexpr size_t drv(int n) { return 0x1a00 + 64 * static_cast<size_t>(n); }

constexpr uint8_t B0 = 0, B1 = 1;  // BIT positions

std::vector<std::string> g_log;
void log(const std::string &s) { g_log.push_back(s); }
int64_t now() { return zem_get_sim_current_time(); }
uint64_t cycle() { return tovu::K().cycle; }

// Resume state of a process with waits, kept in its resume slot.
uintptr_t &state(char *b, int n) { return reinterpret_cast<uintptr_t &>(resume_slot(b, prec(n))); }

void assign_bit(char *b, int d, uint8_t v) {
    *driver_staging(b, drv(d)) = v;
    zem_driver_first_trans_fast(driver_record(b, drv(d)));
}

const char *kHeader = "didat 1\nunit %s arch\nblock 0x2000\ncounts pe=%d se=0\n";
std::string header(const char *name, int pe) {
    char buf[256];
    snprintf(buf, sizeof buf, kHeader, name, pe);
    return buf;
}

class KernelCycle : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        g_log.clear();
    }
};

// ---- delta ordering ---------------------------------------------------------

void delta_p0(char *b) {
    if (state(b, 0) == 0) {
        assign_bit(b, 0, B1);
        // the assignment is not visible in the same activation
        log("p0 sees a=" + std::to_string(*signal_value(b, sig(0))) + " c=" + std::to_string(cycle()));
        zem_process_wait(process_record(b, prec(0)), 10);
        state(b, 0) = 1;
        return;
    }
    log("p0 resumed a=" + std::to_string(*signal_value(b, sig(0))) + " t=" + std::to_string(now()));
}
void delta_p1(char *b) {  // follows a into b
    log("p1 a=" + std::to_string(*signal_value(b, sig(0))) + " c=" + std::to_string(cycle()));
    assign_bit(b, 1, *signal_value(b, sig(0)));
    wait_flag(b, flag(1)) = 1;
}
void delta_p2(char *b) {
    log("p2 b=" + std::to_string(*signal_value(b, sig(1))) + " c=" + std::to_string(cycle()));
    wait_flag(b, flag(2)) = 1;
}
void *delta_pe[] = {(void *)delta_p0, (void *)delta_p1, (void *)delta_p2};

TEST_F(KernelCycle, ZeroDelayAssignmentIsSeenOneDeltaLater) {
    write("kest/t/delta.didat", header("t_delta", 3) + R"(
signal 0 a sig bit := '0'
signal 1 b sig bit := '0'
process 0 record=0x1000
process 1 record=0x10f8 flag=0x1810 sens=a
process 2 record=0x11f0 flag=0x1820 sens=b
driver 0x1a00 p0 a
driver 0x1a40 p1 b
)");
    int st = run("t_delta", {}, [] {
        zem_register_didat("t_delta", "kest/t/delta.didat");
        zem_register_executes(delta_pe);
    });
    EXPECT_EQ(st, 0);
    // Initialisation runs all three at cycle 1; a changes in cycle 2, b in cycle 3.
    std::vector<std::string> want = {"p0 sees a=0 c=1", "p1 a=0 c=1", "p2 b=0 c=1",
                                     "p1 a=1 c=2",      "p2 b=1 c=3", "p0 resumed a=1 t=10"};
    EXPECT_EQ(g_log, want);
}

// ---- transport, inertial, waveforms ----------------------------------------

void delay_p0(char *b) {
    switch (state(b, 0)) {
        case 0: {
            // s: transport '1' after 10, then transport '0' after 15: both stay.
            *driver_staging(b, drv(0)) = B1;
            zem_driver_first_trans_delta(driver_record(b, drv(0)), 0, 1, 10);
            *driver_staging(b, drv(0)) = B0;
            zem_driver_first_trans_delta(driver_record(b, drv(0)), 0, 1, 15);
            // r, q: inertial '1' after 10 ...
            for (int d : {1, 2}) {
                *driver_staging(b, drv(d)) = B1;
                zem_driver_first_trans_delta(driver_record(b, drv(d)), 0, 1, 10);
                zem_driver_intertial_reject(driver_record(b, drv(d)), 10, 10);
            }
            // w: a waveform '1' now, '0' after 10, '1' after 20
            *driver_staging(b, drv(3)) = B1;
            zem_driver_first_trans_delta(driver_record(b, drv(3)), 0, 1, 0);
            *driver_staging(b, drv(3)) = B0;
            zem_driver_subsequent_trans_delta(driver_record(b, drv(3)), 0, 1, 10);
            *driver_staging(b, drv(3)) = B1;
            zem_driver_subsequent_trans_delta(driver_record(b, drv(3)), 0, 1, 20);
            // t: transport '1' after 20, then transport '0' after 5 deletes it
            *driver_staging(b, drv(4)) = B1;
            zem_driver_first_trans_delta(driver_record(b, drv(4)), 0, 1, 20);
            *driver_staging(b, drv(4)) = B0;
            zem_driver_first_trans_delta(driver_record(b, drv(4)), 0, 1, 5);
            zem_process_wait(process_record(b, prec(0)), 2);
            state(b, 0) = 1;
            return;
        }
        case 1:
            // at 2 ps: r <= '0' after 10 with limit 10 rejects the pending '1' at 10;
            // q <= '0' after 10 with limit 1 keeps it: a pulse from 10 to 12.
            *driver_staging(b, drv(1)) = B0;
            zem_driver_first_trans_delta(driver_record(b, drv(1)), 0, 1, 10);
            zem_driver_intertial_reject(driver_record(b, drv(1)), 10, 10);
            *driver_staging(b, drv(2)) = B0;
            zem_driver_first_trans_delta(driver_record(b, drv(2)), 0, 1, 10);
            zem_driver_intertial_reject(driver_record(b, drv(2)), 1, 10);
            state(b, 0) = 2;
            return;
    }
}
void delay_watch(char *b) {
    static const char *names[] = {"s", "r", "q", "w", "t"};
    if (now() > 0 || cycle() > 1)
        for (int k = 0; k < 5; ++k)
            if (zem_signal_has_event(signal_record(b, sig(k))))
                log(std::string(names[k]) + "=" + std::to_string(*signal_value(b, sig(k))) + "@" +
                    std::to_string(now()));
    wait_flag(b, flag(1)) = 1;
}
void *delay_pe[] = {(void *)delay_p0, (void *)delay_watch};

TEST_F(KernelCycle, TransportInertialAndWaveforms) {
    write("kest/t/delay.didat", header("t_delay", 2) + R"(
signal 0 s sig bit
signal 1 r sig bit
signal 2 q sig bit
signal 3 w sig bit
signal 4 t sig bit
process 0 record=0x1000
process 1 record=0x10f8 flag=0x1810 sens=s,r,q,w,t
driver 0x1a00 p0 s
driver 0x1a40 p0 r
driver 0x1a80 p0 q
driver 0x1ac0 p0 w
driver 0x1b00 p0 t
)");
    int st = run("t_delay", {}, [] {
        zem_register_didat("t_delay", "kest/t/delay.didat");
        zem_register_executes(delay_pe);
    });
    EXPECT_EQ(st, 0);
    // t stays '0' (its '1' at 20 was deleted), so it never has an event.
    std::vector<std::string> want = {"w=1@0", "s=1@10", "q=1@10", "w=0@10", "q=0@12", "s=0@15", "w=1@20"};
    EXPECT_EQ(g_log, want);
}

// ---- resolution and element-scoped drivers --------------------------------

int g_resolutions = 0;
// 'Z' '0' '1' 'X': any two different non-Z values give 'X'.
uint8_t tri_resolve(char *block, const uint8_t *data, const array_bounds *b) {
    ++g_resolutions;
    EXPECT_NE(block, nullptr);
    EXPECT_EQ(b->left, 0);
    EXPECT_EQ(b->dir, 1);
    uint8_t r = 0;
    for (int i = 0; i < b->length; ++i) {
        if (data[i] == 0) continue;
        r = (r == 0 || r == data[i]) ? data[i] : 3;
    }
    return r;
}
constexpr uint8_t TZ = 0, T0 = 1, T1 = 2, TX = 3;

void res_p0(char *b) {  // v(3 downto 2) <= "01" ... as elements "0","1"
    uint8_t *s = driver_staging(b, drv(0));
    s[0] = T0;
    s[1] = T1;
    zem_driver_first_trans_delta(driver_record(b, drv(0)), 0, 2, 0);
}
void res_p1(char *b) {  // v(1) <= '1'
    *driver_staging(b, drv(1)) = T1;
    zem_driver_first_trans_delta(driver_record(b, drv(1)), 2, 1, 0);
}
void res_p2(char *b) {  // v(1) <= '0', v(0) <= '1'
    *driver_staging(b, drv(2)) = T0;
    zem_driver_first_trans_delta(driver_record(b, drv(2)), 2, 1, 0);
    *driver_staging(b, drv(3)) = T1;
    zem_driver_first_trans_delta(driver_record(b, drv(3)), 3, 1, 0);
}
void *res_pe[] = {(void *)res_p0, (void *)res_p1, (void *)res_p2};

TEST_F(KernelCycle, ElementScopedDriversResolvePerElement) {
    write("kest/t/pkg.didat", R"(didat 1
unit t_pkg package
block 0x400
type tri = enum 'Z' '0' '1' 'X'
type rtri = tri resolved 7
type rtri_vector = array (natural range <>) of rtri
)");
    write("kest/t/res.didat", header("t_res", 3) + R"(
use t_pkg
signal 0 v sig rtri_vector(3 downto 0)
signal 1 u sig rtri_vector(1 downto 0) := "1Z"
process 0 record=0x1000
process 1 record=0x10f8
process 2 record=0x11f0
driver 0x1a00 p0 v(3 downto 2)
driver 0x1a40 p1 v(1)
driver 0x1a80 p2 v(1)
driver 0x1ac0 p2 v(0)
)");
    g_resolutions = 0;
    int st = run("t_res", {}, [] {
        zem_register_didat("t_pkg", "kest/t/pkg.didat");
        zem_register_resolution_function(7, 0, (void *)tri_resolve, 4);
        zem_register_didat("t_res", "kest/t/res.didat");
        zem_register_executes(res_pe);
    });
    EXPECT_EQ(st, 0);
    char *blk = zem_get_engine_memory("t_res");
    ASSERT_NE(blk, nullptr);
    const uint8_t *v = signal_value(blk, sig(0));
    EXPECT_EQ(v[0], T0);
    EXPECT_EQ(v[1], T1);
    EXPECT_EQ(v[2], TX);  // two drivers disagree
    EXPECT_EQ(v[3], T1);
    // the undriven signal keeps its declared value
    EXPECT_EQ(signal_value(blk, sig(1))[0], T1);
    EXPECT_EQ(signal_value(blk, sig(1))[1], TZ);
    EXPECT_GT(g_resolutions, 0);
}

// ---- many sources on one element -------------------------------------------

int g_most_sources = 0;
uint8_t counting_resolve(char *block, const uint8_t *data, const array_bounds *b) {
    g_most_sources = std::max(g_most_sources, b->length);
    return tri_resolve(block, data, b);
}

void many_p0(char *b) {  // s <= '1' after 10 ps
    if (state(b, 0) == 0) {
        zem_process_wait(process_record(b, prec(0)), 10);
        state(b, 0) = 1;
        return;
    }
    *driver_staging(b, drv(0)) = T1;
    zem_driver_first_trans_fast(driver_record(b, drv(0)));
}
void *many_pe[] = {(void *)many_p0};

TEST_F(KernelCycle, AnyNumberOfSourcesIsResolved) {
    // Every instance of a leaf unit drives its output port's initial value
    // onto the actual: far more sources on one element than any fixed buffer
    // of the kernel would hold.
    constexpr int kMany = 5000;
    write("kest/t/pkg.didat",
          "didat 1\nunit t_pkg package\nblock 0x400\ntype tri = enum 'Z' '0' '1' 'X'\n"
          "type rtri = tri resolved 7\n");
    for (const char *v : {"z", "0", "1"})
        write(std::string("kest/t/drive_") + v + ".didat",
              std::string("didat 1\nunit t_drive_") + v + " arch\nblock 0x800\nuse t_pkg\nsignal 0 o out rtri := '" +
                  (v[0] == 'z' ? "Z" : v) + "'\n");
    std::string top = header("t_many", 1) +
                      "use t_pkg\nsignal 0 s sig rtri\nsignal 1 t sig rtri\nprocess 0 record=0x1000\n"
                      "driver 0x1a00 p0 s\ninst one t_drive_1 port o=>t\n";
    for (int i = 0; i < kMany; ++i) {
        top += "inst z" + std::to_string(i) + " t_drive_z port o=>s\n";
        top += "inst n" + std::to_string(i) + " t_drive_0 port o=>t\n";
    }
    write("kest/t/many.didat", top);
    g_most_sources = 0;
    g_log.clear();
    const int st = run("t_many", {}, [] {
        zem_register_didat("t_pkg", "kest/t/pkg.didat");
        zem_register_resolution_function(7, 0, (void *)counting_resolve, 4);
        for (const char *v : {"z", "0", "1"})
            zem_register_didat((std::string("t_drive_") + v).c_str(),
                               (std::string("kest/t/drive_") + v + ".didat").c_str());
        zem_register_didat("t_many", "kest/t/many.didat");
        zem_register_executes(many_pe);
    });
    EXPECT_EQ(st, 0);
    char *blk = zem_get_engine_memory("t_many");
    ASSERT_NE(blk, nullptr);
    EXPECT_EQ(signal_value(blk, sig(0))[0], T1);  // many 'Z' and the process's '1' (an event at 10 ps)
    EXPECT_EQ(tovu::K().now, 10);
    EXPECT_EQ(signal_value(blk, sig(1))[0], TX);  // many '0' and one '1' (from the start)
    EXPECT_EQ(g_most_sources, kMany + 1);
}

// ---- ports through two levels -----------------------------------------------

void port_top_p0(char *b) {  // drives x: '1' at 10 ps, '0' at 20 ps
    switch (state(b, 0)) {
        case 0:
            zem_process_wait(process_record(b, prec(0)), 10);
            state(b, 0) = 1;
            return;
        case 1:
            assign_bit(b, 0, B1);
            zem_process_wait(process_record(b, prec(0)), 10);
            state(b, 0) = 2;
            return;
        case 2:
            assign_bit(b, 0, B0);
            state(b, 0) = 3;
            return;
    }
}
void port_top_p1(char *b) {
    log("y=" + std::to_string(*signal_value(b, sig(1))) + "@" + std::to_string(now()));
    wait_flag(b, flag(1)) = 1;
}
void port_leaf_p0(char *b) {  // o <= not i;  k <= i
    uint8_t i = *signal_value(b, sig(0));
    *driver_staging(b, drv(0)) = i ? B0 : B1;
    zem_driver_first_trans_fast_port(driver_record(b, drv(0)));
    wait_flag(b, flag(0)) = 1;
}
void *port_top_pe[] = {(void *)port_top_p0, (void *)port_top_p1};
void *port_leaf_pe[] = {(void *)port_leaf_p0};

TEST_F(KernelCycle, PortsCarryValuesBothWaysThroughTwoLevels) {
    write("kest/t/top.didat", header("t_top", 2) + R"(
signal 0 x sig bit := '0'
signal 1 y sig bit := '0'
signal 2 w sig bit_vector(1 downto 0) := "00"
process 0 record=0x1000
process 1 record=0x10f8 flag=0x1810 sens=y
driver 0x1a00 p0 x
inst m t_mid port i=>x o=>y
inst m2 t_mid port i=>x o=>w(1)
)");
    write("kest/t/mid.didat", header("t_mid", 0) + R"(
signal 0 i in bit
signal 1 o out bit
inst l t_leaf port i=>i o=>o
)");
    write("kest/t/leaf.didat", header("t_leaf", 1) + R"(
signal 0 i in bit
signal 1 o out bit := '1'
process 0 record=0x1000 flag=0x1800 sens=i
driver 0x1a00 p0 o
)");
    int st = run("t_top", {}, [] {
        zem_register_didat("t_leaf", "kest/t/leaf.didat");
        zem_register_executes(port_leaf_pe);
        zem_register_didat("t_mid", "kest/t/mid.didat");
        zem_register_didat("t_top", "kest/t/top.didat");
        zem_register_executes(port_top_pe);
    });
    EXPECT_EQ(st, 0);
    // y starts from the leaf's output initial value '1'; it follows not x.
    std::vector<std::string> want = {"y=1@0", "y=0@10", "y=1@20"};
    EXPECT_EQ(g_log, want);
    char *blk = zem_get_engine_memory("t_top");
    EXPECT_EQ(signal_value(blk, sig(2))[0], B1);  // w(1) driven through the second instance
    EXPECT_EQ(signal_value(blk, sig(2))[1], B0);
    EXPECT_NE(tovu::K().signal_by_path.count("t_top/m/l/o"), 0u);
}

// ---- process kinds, attributes ----------------------------------------------

int g_once = 0, g_timed = 0;
void kinds_once(char *b) { ++g_once; }  // neither flag nor wait: never again
void kinds_timed(char *b) {             // s toggles every 10 ps, four times
    ++g_timed;
    if (state(b, 1) < 4) {
        assign_bit(b, 0, state(b, 1) % 2 ? B0 : B1);
        zem_process_wait(process_record(b, prec(1)), state(b, 1) == 1 ? 15 : 10);
        ++state(b, 1);
    }
}
void kinds_watch(char *b) {
    void *s = signal_record(b, sig(0));
    if (zem_signal_has_event(s))
        log("ev@" + std::to_string(now()) + " last=" + std::to_string(*zem_signal_last_value(s)) +
            " since=" + std::to_string(zem_signal_get_last_event(s)));
    wait_flag(b, flag(2)) = 1;
}
void kinds_late(char *b) {
    if (state(b, 3) == 0) {
        zem_process_wait(process_record(b, prec(3)), 50);
        state(b, 3) = 1;
        return;
    }
    log("late since=" + std::to_string(zem_signal_get_last_event(signal_record(b, sig(0)))) +
        " never=" + std::to_string(zem_signal_get_last_event(signal_record(b, sig(1)))));
}
void *kinds_pe[] = {(void *)kinds_once, (void *)kinds_timed, (void *)kinds_watch, (void *)kinds_late};

TEST_F(KernelCycle, RunOnceTimedWaitsAndSignalAttributes) {
    write("kest/t/kinds.didat", header("t_kinds", 4) + R"(
signal 0 s sig bit
signal 1 quiet sig bit
process 0 record=0x1000 sens=s
process 1 record=0x10f8
process 2 record=0x11f0 flag=0x1820 sens=s
process 3 record=0x12e8
driver 0x1a00 p1 s
)");
    g_once = g_timed = 0;
    int st = run("t_kinds", {"--stop-time=1ns"}, [] {
        zem_register_didat("t_kinds", "kest/t/kinds.didat");
        zem_register_executes(kinds_pe);
    });
    EXPECT_EQ(st, 0);
    EXPECT_EQ(g_once, 1);
    EXPECT_EQ(g_timed, 5);  // first run at 0, resumed at 10, 25, 35, 45
    std::vector<std::string> want = {"ev@0 last=0 since=0", "ev@10 last=1 since=0", "ev@25 last=0 since=0",
                                     "ev@35 last=1 since=0", "late since=15 never=9223372036854775807"};
    EXPECT_EQ(g_log, want);
    EXPECT_EQ(tovu::K().now, 50);  // ran out of events before the stop time
}

// ---- a resolution function registered by another unit -----------------------

char *g_owner_block = nullptr;
int g_wrong_block = 0;
// Resolves like tri_resolve; it must get the block of the unit that declares it.
uint8_t owned_resolve(char *block, const uint8_t *data, const array_bounds *b) {
    if (block != g_owner_block) ++g_wrong_block;
    return tri_resolve(block, data, b);
}
void *owner_se[] = {(void *)owned_resolve};

void drive_one(char *b) {
    *driver_staging(b, drv(0)) = T1;
    zem_driver_first_trans_fast(driver_record(b, drv(0)));
}
void drive_z(char *b) {
    *driver_staging(b, drv(1)) = TZ;
    zem_driver_first_trans_fast(driver_record(b, drv(1)));
}
void *two_pe[] = {(void *)drive_one, (void *)drive_z};

TEST_F(KernelCycle, ResolutionFunctionGetsTheBlockOfTheUnitDeclaringIt) {
    write("kest/t/owner.didat", "didat 1\nunit t_owner package\nblock 0x400\ncounts se=1\n");
    write("kest/t/user.didat", R"(didat 1
unit t_user package
block 0x400
type tri = enum 'Z' '0' '1' 'X'
type rtri = tri resolved 8
)");
    write("kest/t/two.didat", header("t_two", 2) + R"(
use t_user
signal 0 s sig rtri
process 0 record=0x1000
process 1 record=0x10f8
driver 0x1a00 p0 s
driver 0x1a40 p1 s
)");
    g_wrong_block = 0;
    start({});
    zem_register_didat("t_owner", "kest/t/owner.didat");
    zem_register_subprogram_executes(owner_se);
    zem_register_didat("t_user", "kest/t/user.didat");
    zem_register_resolution_function(8, 2, (void *)owned_resolve, 24);
    zem_register_didat("t_two", "kest/t/two.didat");
    zem_register_executes(two_pe);
    zem_register_tops("t_two");
    g_owner_block = zem_get_engine_memory("t_owner");
    ASSERT_NE(g_owner_block, nullptr);
    EXPECT_EQ(zem_run_simulation(static_cast<int>(argv_.size()), argv_.data()), 0);
    EXPECT_EQ(*signal_value(zem_get_engine_memory("t_two"), sig(0)), T1);  // 'Z' and '1'
    EXPECT_EQ(g_wrong_block, 0);
}

}  // namespace
