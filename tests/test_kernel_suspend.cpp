// A process that waits inside a subprogram: dynamic waits on signals, the
// switch back to the kernel, and the procedure's frame intact on resumption.
#include <ucontext.h>

#include <cstring>

#include "kernel.h"
#include "sim_fixture.h"

using namespace tovu::layout;
using tovu_test::SimFixture;

namespace {

constexpr size_t sig(int k) { return 0x3e0 + 160 * static_cast<size_t>(k); }
constexpr size_t prec(int n) { return 0x1000 + 248 * static_cast<size_t>(n); }
constexpr size_t drv(int n) { return 0x1a00 + 64 * static_cast<size_t>(n); }
uintptr_t &state(char *b, int n) { return reinterpret_cast<uintptr_t &>(resume_slot(b, prec(n))); }

std::vector<std::string> g_log;
int64_t now() { return zem_get_sim_current_time(); }

// p_0: a toggles every 10 ps, b every 25 ps (two drivers, one process).
void gen(char *b) {
    uintptr_t &t = state(b, 0);
    int64_t at = now();
    if (at % 10 == 0 && t) {
        *driver_staging(b, drv(0)) = *signal_value(b, sig(0)) ? 0 : 1;
        zem_driver_first_trans_fast(driver_record(b, drv(0)));
    }
    if (at % 25 == 0 && t) {
        *driver_staging(b, drv(1)) = *signal_value(b, sig(1)) ? 0 : 1;
        zem_driver_first_trans_fast(driver_record(b, drv(1)));
    }
    t = 1;
    int64_t next10 = (at / 10 + 1) * 10, next25 = (at / 25 + 1) * 25;
    zem_process_wait(process_record(b, prec(0)), std::min(next10, next25) - at);
}

// A procedure with a loop and a wait on a and b inside: the protocol of
// suspension, as the compiled units follow it.
void watch(char *b, void *proc, int count_b) {
    volatile int seen = 0;  // kept across the second return of getcontext
    char frame[64];
    std::memset(frame, 0x5a, sizeof frame);
    for (;;) {
        zem_add_dynamic_wait(proc, signal_record(b, sig(0)), 0, 1);
        zem_add_dynamic_wait(proc, signal_record(b, sig(1)), 0, static_cast<uint32_t>(count_b));
        void *wp;
        std::memcpy(&wp, static_cast<char *>(proc) + kProcessWaitPoint, sizeof wp);
        zem_wp_set_status(wp, 1);
        char *ctx;
        std::memcpy(&ctx, static_cast<char *>(proc) + kProcessSuspendContext, sizeof ctx);
        *reinterpret_cast<int32_t *>(ctx + 0x9B0) = 1;
        getcontext(reinterpret_cast<ucontext_t *>(ctx));
        std::memcpy(&ctx, static_cast<char *>(proc) + kProcessSuspendContext, sizeof ctx);
        if (*reinterpret_cast<int32_t *>(ctx + 0x9B0) == 1) zem_saveStackAndSuspend(proc);
        *reinterpret_cast<int32_t *>(ctx + 0x9B0) = 3;
        zem_remove_dynamic_wait(proc, signal_record(b, sig(0)));
        zem_remove_dynamic_wait(proc, signal_record(b, sig(1)));
        seen = seen + 1;
        bool intact = true;
        for (char c : frame) intact &= c == 0x5a;
        g_log.push_back(std::to_string(now()) + ":" + std::to_string(*signal_value(b, sig(0))) +
                        std::to_string(*signal_value(b, sig(1))) + (intact ? "" : " frame lost") + " #" +
                        std::to_string(seen));
    }
}

void watcher(char *b) { watch(b, process_record(b, prec(1)), 1); }
void watcher_a_only(char *b) { watch(b, process_record(b, prec(1)), 0); }

void *pe_both[] = {(void *)gen, (void *)watcher};
void *pe_a_only[] = {(void *)gen, (void *)watcher_a_only};

class KernelSuspend : public SimFixture {
protected:
    void design(bool stack) {
        write("kest/t/susp.didat", std::string(R"(didat 1
unit t_susp arch
block 0x2000
counts pe=2
signal 0 a sig bit
signal 1 b sig bit
process 0 record=0x1000
process 1 record=0x10f8)") + (stack ? " stack" : "") +
                                       R"(
driver 0x1a00 p0 a
driver 0x1a40 p0 b
)");
        g_log.clear();
    }
    int go(void **pe) {
        pe_ = pe;
        return run("t_susp", {"--stop-time=60ps"}, [this] {
            zem_register_didat("t_susp", "kest/t/susp.didat");
            zem_register_executes(pe_);
        });
    }
    void **pe_ = nullptr;
};

TEST_F(KernelSuspend, ProcedureResumesAtEachEventOfItsSignalsWithItsFrameIntact) {
    design(true);
    ASSERT_EQ(go(pe_both), 0);
    // a toggles at 10, 20, 30, ...; b at 25, 50; both at 50: one resumption
    std::vector<std::string> want = {"10:10 #1", "20:00 #2", "25:01 #3", "30:11 #4",
                                     "40:01 #5", "50:10 #6", "60:00 #7"};
    EXPECT_EQ(g_log, want);
}

TEST_F(KernelSuspend, ZeroElementWaitNeverFires) {
    design(true);
    ASSERT_EQ(go(pe_a_only), 0);
    std::vector<std::string> want = {"10:10 #1", "20:00 #2", "30:11 #3", "40:01 #4", "50:10 #5", "60:00 #6"};
    EXPECT_EQ(g_log, want);
}

TEST_F(KernelSuspend, ProcessWithoutAStackOfItsOwnCannotSuspend) {
    design(false);
    capture_stderr();
    EXPECT_EQ(go(pe_both), 1);
    std::string err = captured_stderr();
    EXPECT_NE(err.find("waits inside a subprogram but its design data gives it no stack"), std::string::npos) << err;
}

}  // namespace
