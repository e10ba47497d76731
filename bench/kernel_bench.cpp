// Kernel benchmark: a synthetic design of clocked counters, each followed by
// a chain of zero-delay copies. Prints process activations per second and
// nanoseconds per activation, and checks that the event loop allocates
// nothing per event (allocations of a short and a long run compared).
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

static std::atomic<uint64_t> g_allocations{0};
void *operator new(size_t n) {
    ++g_allocations;
    if (void *p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void *operator new[](size_t n) { return operator new(n); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, size_t) noexcept { std::free(p); }
void operator delete[](void *p, size_t) noexcept { std::free(p); }

using namespace tovu::layout;

namespace {

constexpr int kCounters = 64;
constexpr int kChain = 4;
constexpr int kProcs = 1 + kCounters * (1 + kChain);
constexpr size_t kSigBase = 0x3e0;
constexpr size_t kProcBase = kSigBase + 160 * (1 + kCounters * (1 + kChain)) + 64;
constexpr size_t kFlagBase = kProcBase + 248 * kProcs;
constexpr size_t kDrvBase = kFlagBase + 16 * kProcs;
constexpr size_t kBlock = kDrvBase + 64 * kProcs + 64;

constexpr size_t sig(int k) { return kSigBase + 160 * static_cast<size_t>(k); }
constexpr size_t prec(int n) { return kProcBase + 248 * static_cast<size_t>(n); }
constexpr size_t flag(int n) { return kFlagBase + 16 * static_cast<size_t>(n); }
constexpr size_t drv(int n) { return kDrvBase + 64 * static_cast<size_t>(n); }
// signal 0 clk; counter c: signal 1 + c*(1+kChain); its chain stage s: that + 1 + s
int counter_sig(int c) { return 1 + c * (1 + kChain); }

void clock_proc(char *b) {
    *driver_staging(b, drv(0)) = *signal_value(b, sig(0)) ? 0 : 1;
    zem_driver_first_trans_fast(driver_record(b, drv(0)));
    zem_process_wait(process_record(b, prec(0)), 5);
}

template <int C>
void counter_proc(char *b) {
    constexpr int p = 1 + C * (1 + kChain);
    if (zem_signal_has_event(signal_record(b, sig(0))) && *signal_value(b, sig(0)) == 1) {
        int32_t v;
        std::memcpy(&v, signal_value(b, sig(counter_sig(C))), 4);
        ++v;
        std::memcpy(driver_staging(b, drv(p)), &v, 4);
        zem_driver_first_trans_fast(driver_record(b, drv(p)));
    }
    wait_flag(b, flag(p)) = 1;
}

template <int C, int S>
void chain_proc(char *b) {
    constexpr int p = 1 + C * (1 + kChain) + 1 + S;
    std::memcpy(driver_staging(b, drv(p)), signal_value(b, sig(counter_sig(C) + S)), 4);
    zem_driver_first_trans_fast(driver_record(b, drv(p)));
    wait_flag(b, flag(p)) = 1;
}

template <int C>
void add_counter(std::vector<void *> &pe) {
    pe.push_back(reinterpret_cast<void *>(&counter_proc<C>));
    pe.push_back(reinterpret_cast<void *>(&chain_proc<C, 0>));
    pe.push_back(reinterpret_cast<void *>(&chain_proc<C, 1>));
    pe.push_back(reinterpret_cast<void *>(&chain_proc<C, 2>));
    pe.push_back(reinterpret_cast<void *>(&chain_proc<C, 3>));
}
template <int... C>
void add_counters(std::vector<void *> &pe, std::integer_sequence<int, C...>) {
    (add_counter<C>(pe), ...);
}

std::vector<void *> g_pe;

std::string design_text() {
    std::string s = "didat 1\nunit bench_top arch entity=bench\nblock " + std::to_string(kBlock) +
                    "\ncounts pe=" + std::to_string(kProcs) + "\nsignal 0 clk sig bit\n";
    int n = 1;
    for (int c = 0; c < kCounters; ++c)
        for (int s2 = 0; s2 <= kChain; ++s2, ++n)
            s += "signal " + std::to_string(n) + " s" + std::to_string(n) + " sig integer := 0\n";
    s += "process 0 record=" + std::to_string(prec(0)) + "\ndriver " + std::to_string(drv(0)) + " p0 clk\n";
    for (int c = 0; c < kCounters; ++c) {
        int p = 1 + c * (1 + kChain);
        s += "process " + std::to_string(p) + " record=" + std::to_string(prec(p)) +
             " flag=" + std::to_string(flag(p)) + " sens=clk\n";
        s += "driver " + std::to_string(drv(p)) + " p" + std::to_string(p) + " s" + std::to_string(counter_sig(c)) +
             "\n";
        for (int st = 0; st < kChain; ++st) {
            int q = p + 1 + st;
            s += "process " + std::to_string(q) + " record=" + std::to_string(prec(q)) +
                 " flag=" + std::to_string(flag(q)) + " sens=s" + std::to_string(counter_sig(c) + st) + "\n";
            s += "driver " + std::to_string(drv(q)) + " p" + std::to_string(q) + " s" +
                 std::to_string(counter_sig(c) + st + 1) + "\n";
        }
    }
    return s + "end\n";
}

struct Result {
    uint64_t activations, allocations;
    double seconds;
};

Result run(const std::string &dir, const std::string &stop) {
    tovu::testing::reset();
    std::string a0 = "bench", a1 = "--didat-dir=" + dir, a2 = "--stop-time=" + stop, a3 = "--quiet";
    char *argv[] = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
    zem_init_design(4, argv);
    zem_register_didat("bench_top", "kest/bench/top.didat");
    zem_register_executes(g_pe.data());
    zem_register_tops("bench_top");
    uint64_t before = g_allocations.load();
    auto t0 = std::chrono::steady_clock::now();
    int st = zem_run_simulation(4, argv);
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (st != 0) {
        std::fprintf(stderr, "benchmark run failed with status %d\n", st);
        std::exit(1);
    }
    return {tovu::testing::run_stats().activations, g_allocations.load() - before, secs};
}

}  // namespace

int main(int argc, char **argv) {
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf(
            "Usage: kernel_bench [STOP-TIME]\n"
            "Runs a synthetic design of %d clocked counters, each followed by a %d-stage\n"
            "zero-delay chain, to STOP-TIME (a time as the programs write it, default\n"
            "200ns) and prints process activations per second, nanoseconds per activation\n"
            "and the allocations made during the run.\n"
            "\n"
            "Exit status: 0 measured (also --help), 1 the run failed or STOP-TIME is bad.\n",
            kCounters, kChain);
        if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
        std::fprintf(stderr, "kernel_bench: cannot write standard output: %s\n", std::strerror(errno));
        return 1;
    }
    add_counters(g_pe, std::make_integer_sequence<int, kCounters>());
    g_pe.insert(g_pe.begin(), reinterpret_cast<void *>(&clock_proc));
    std::string stop = argc > 1 ? argv[1] : "200ns";

    char tmpl[] = "/tmp/tovu_bench_XXXXXX";
    std::string dir = mkdtemp(tmpl);
    namespace fs = std::filesystem;
    fs::create_directories(dir + "/kest/bench");
    fs::create_directories(dir + "/kest/precompiled.exe.sim/std");
    fs::copy_file(fs::path(TOVU_SOURCE_DIR) / "kest/precompiled.exe.sim/std/standard.didat",
                  dir + "/kest/precompiled.exe.sim/std/standard.didat");
    std::ofstream(dir + "/kest/bench/top.didat") << design_text();

    Result small = run(dir, "10ns");
    Result big = run(dir, stop);
    fs::remove_all(dir);

    double per_sec = static_cast<double>(big.activations) / big.seconds;
    std::printf("design: %d processes (%d clocked counters, each with a %d-stage zero-delay chain)\n", kProcs,
                kCounters, kChain);
    std::printf("run to %s: %llu process activations in %.3f s\n", stop.c_str(),
                static_cast<unsigned long long>(big.activations), big.seconds);
    std::printf("process activations per second: %.1f million\n", per_sec / 1e6);
    std::printf("nanoseconds per activation: %.1f\n", 1e9 / per_sec);
    std::printf("allocations during the run: %llu (10 ns run: %llu); per activation beyond set-up: %.6f\n",
                static_cast<unsigned long long>(big.allocations), static_cast<unsigned long long>(small.allocations),
                static_cast<double>(big.allocations - std::min(big.allocations, small.allocations)) /
                    static_cast<double>(big.activations - small.activations));
    return 0;
}
