// A clock-manager-like load for the kernel: the shape of the clock manager
// model's busiest parts, built from plain processes.
//
//   osc          an oscillator: toggles, then waits half its period (434 ps)
//   delay_line   sensitive to osc; eight transport-delayed copies of it, the
//                taps of a delay line (tap i after (i+1) * 54 ps)
//   select_k     seven tap selectors, each sensitive to the whole tap vector,
//                copying the tap it selects
//   count_k      seven counters, woken on both edges of their tap; every
//                DIV_k-th edge toggles the channel's output
//   out_k        seven output selectors copying the channel's output
//   port_k       seven port copies of the selected output
//   edges        counts the oscillator's edges
//
// It uses only the kernel's C interface, so that the same source can be
// built against an earlier kernel for a comparison. Options are passed to the
// kernel (default --stop-time=1us); --stats prints the kernel's counts.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tovu/layout.h"
#include "tovu/zem.h"

using namespace tovu::layout;

// std.standard's design data, of the kernel the load is built against.
#ifndef TOVU_STANDARD_DIDAT
#define TOVU_STANDARD_DIDAT TOVU_SOURCE_DIR "/kest/precompiled.exe.sim/std/standard.didat"
#endif

namespace {

constexpr int kTaps = 8;
constexpr int kChannels = 7;
constexpr int64_t kHalfPeriod = 434;  // ps
constexpr int64_t kTapStep = 54;      // ps between taps
constexpr int kDivide[kChannels] = {1, 2, 3, 4, 6, 8, 13};
constexpr int kTapOf[kChannels] = {0, 2, 3, 5, 7, 1, 4};

// Process numbers.
constexpr int kOsc = 0;
constexpr int kDelayLine = 1;
constexpr int select_proc(int k) { return 2 + k; }
constexpr int count_proc(int k) { return 2 + kChannels + k; }
constexpr int out_proc(int k) { return 2 + 2 * kChannels + k; }
constexpr int port_proc(int k) { return 2 + 3 * kChannels + k; }
constexpr int kEdges = 2 + 4 * kChannels;
constexpr int kProcs = kEdges + 1;

// Signal numbers: osc, taps, then per channel sel, cnt, tog, out, port; edge count.
constexpr int kOscSig = 0;
constexpr int kTapsSig = 1;
constexpr int sel_sig(int k) { return 2 + 5 * k; }
constexpr int cnt_sig(int k) { return 3 + 5 * k; }
constexpr int tog_sig(int k) { return 4 + 5 * k; }
constexpr int out_sig(int k) { return 5 + 5 * k; }
constexpr int port_sig(int k) { return 6 + 5 * k; }
constexpr int kEdgeCountSig = 2 + 5 * kChannels;
constexpr int kSignals = kEdgeCountSig + 1;

constexpr size_t kSigBase = 0x3e0;
constexpr size_t kProcBase = kSigBase + kSignalRecordSize * kSignals;
constexpr size_t kFlagBase = kProcBase + kProcessRecordSize * kProcs;
constexpr size_t kDrvBase = kFlagBase + 16 * kProcs;
constexpr int kDrivers = 2 + 4 * kChannels + kChannels + 1;  // counters drive cnt and tog
constexpr size_t kBlock = kDrvBase + kDriverRecordSize * kDrivers + 64;

constexpr size_t sig(int n) { return kSigBase + kSignalRecordSize * static_cast<size_t>(n); }
constexpr size_t prec(int p) { return kProcBase + kProcessRecordSize * static_cast<size_t>(p); }
constexpr size_t flag(int p) { return kFlagBase + 16 * static_cast<size_t>(p); }
constexpr size_t drv(int n) { return kDrvBase + kDriverRecordSize * static_cast<size_t>(n); }
// driver numbers
constexpr int kOscDrv = 0;
constexpr int kTapsDrv = 1;
constexpr int sel_drv(int k) { return 2 + k; }
constexpr int cnt_drv(int k) { return 2 + kChannels + k; }
constexpr int tog_drv(int k) { return 2 + 2 * kChannels + k; }
constexpr int out_drv(int k) { return 2 + 3 * kChannels + k; }
constexpr int port_drv(int k) { return 2 + 4 * kChannels + k; }
constexpr int kEdgeDrv = 2 + 5 * kChannels;

uint8_t bit(char *b, int s) { return *signal_value(b, sig(s)); }
int32_t integer(char *b, int s) {
    int32_t v;
    std::memcpy(&v, signal_value(b, sig(s)), 4);
    return v;
}
void assign_bit(char *b, int d, uint8_t v) {
    *driver_staging(b, drv(d)) = v;
    zem_driver_first_trans_fast(driver_record(b, drv(d)));
}
void assign_integer(char *b, int d, int32_t v) {
    std::memcpy(driver_staging(b, drv(d)), &v, 4);
    zem_driver_first_trans_fast(driver_record(b, drv(d)));
}

void osc(char *b) {
    assign_bit(b, kOscDrv, bit(b, kOscSig) ^ 1);
    zem_process_wait(process_record(b, prec(kOsc)), kHalfPeriod);
}

void delay_line(char *b) {
    const uint8_t v = bit(b, kOscSig);
    for (int i = 0; i < kTaps; ++i) {
        *driver_staging(b, drv(kTapsDrv)) = v;
        zem_driver_first_trans_delta(driver_record(b, drv(kTapsDrv)), static_cast<uint32_t>(i), 1,
                                     (i + 1) * kTapStep);
    }
    wait_flag(b, flag(kDelayLine)) = 1;
}

template <int K>
void select(char *b) {
    assign_bit(b, sel_drv(K), signal_value(b, sig(kTapsSig))[kTapOf[K]]);
    wait_flag(b, flag(select_proc(K))) = 1;
}

template <int K>
void count(char *b) {
    if (zem_signal_has_event(signal_record(b, sig(sel_sig(K))))) {
        const int32_t n = integer(b, cnt_sig(K)) + 1;
        if (n >= kDivide[K]) {
            assign_integer(b, cnt_drv(K), 0);
            assign_bit(b, tog_drv(K), bit(b, tog_sig(K)) ^ 1);
        } else {
            assign_integer(b, cnt_drv(K), n);
        }
    }
    wait_flag(b, flag(count_proc(K))) = 1;
}

template <int K>
void output(char *b) {
    assign_bit(b, out_drv(K), bit(b, tog_sig(K)));
    wait_flag(b, flag(out_proc(K))) = 1;
}

template <int K>
void port(char *b) {
    assign_bit(b, port_drv(K), bit(b, out_sig(K)));
    wait_flag(b, flag(port_proc(K))) = 1;
}

void edges(char *b) {
    assign_integer(b, kEdgeDrv, integer(b, kEdgeCountSig) + 1);
    wait_flag(b, flag(kEdges)) = 1;
}

template <int... K>
std::vector<void *> process_table(std::integer_sequence<int, K...>) {
    std::vector<void *> pe(kProcs);
    pe[kOsc] = reinterpret_cast<void *>(&osc);
    pe[kDelayLine] = reinterpret_cast<void *>(&delay_line);
    ((pe[select_proc(K)] = reinterpret_cast<void *>(&select<K>)), ...);
    ((pe[count_proc(K)] = reinterpret_cast<void *>(&count<K>)), ...);
    ((pe[out_proc(K)] = reinterpret_cast<void *>(&output<K>)), ...);
    ((pe[port_proc(K)] = reinterpret_cast<void *>(&port<K>)), ...);
    pe[kEdges] = reinterpret_cast<void *>(&edges);
    return pe;
}

std::string n(size_t v) { return std::to_string(v); }

std::string design_text() {
    std::string s = "didat 1\nunit clock_load arch entity=clock_load\nblock " + n(kBlock) +
                    "\ncounts pe=" + n(kProcs) + "\n";
    s += "signal " + n(kOscSig) + " osc sig bit\n";
    s += "signal " + n(kTapsSig) + " taps sig bit_vector(0 to " + n(kTaps - 1) + ")\n";
    for (int k = 0; k < kChannels; ++k) {
        const std::string c = n(static_cast<size_t>(k));
        s += "signal " + n(sel_sig(k)) + " sel" + c + " sig bit\n";
        s += "signal " + n(cnt_sig(k)) + " cnt" + c + " sig integer := 0\n";
        s += "signal " + n(tog_sig(k)) + " tog" + c + " sig bit\n";
        s += "signal " + n(out_sig(k)) + " out" + c + " sig bit\n";
        s += "signal " + n(port_sig(k)) + " port" + c + " sig bit\n";
    }
    s += "signal " + n(kEdgeCountSig) + " edge_count sig integer := 0\n";
    auto process = [&](int p, const std::string &sens) {
        s += "process " + n(p) + " record=" + n(prec(p));
        if (!sens.empty()) s += " flag=" + n(flag(p)) + " sens=" + sens;
        s += "\n";
    };
    auto driver = [&](int d, int p, const std::string &target) {
        s += "driver " + n(drv(d)) + " p" + n(p) + " " + target + "\n";
    };
    process(kOsc, "");
    driver(kOscDrv, kOsc, "osc");
    process(kDelayLine, "osc");
    driver(kTapsDrv, kDelayLine, "taps");
    for (int k = 0; k < kChannels; ++k) {
        const std::string c = n(static_cast<size_t>(k));
        process(select_proc(k), "taps");
        driver(sel_drv(k), select_proc(k), "sel" + c);
        process(count_proc(k), "sel" + c);
        driver(cnt_drv(k), count_proc(k), "cnt" + c);
        driver(tog_drv(k), count_proc(k), "tog" + c);
        process(out_proc(k), "tog" + c);
        driver(out_drv(k), out_proc(k), "out" + c);
        process(port_proc(k), "out" + c);
        driver(port_drv(k), port_proc(k), "port" + c);
    }
    process(kEdges, "osc");
    driver(kEdgeDrv, kEdges, "edge_count");
#ifndef TOVU_DIDAT_WITHOUT_END  // for a comparison with a kernel that predates the closing statement
    s += "end\n";
#endif
    return s;
}

}  // namespace

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    const fs::path standard = TOVU_STANDARD_DIDAT;
    char tmpl[] = "/tmp/tovu_clock_load_XXXXXX";
    if (!mkdtemp(tmpl)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = tmpl;
    fs::create_directories(dir + "/kest/bench");
    fs::create_directories(dir + "/kest/precompiled.exe.sim/std");
    fs::copy_file(standard, dir + "/kest/precompiled.exe.sim/std/standard.didat");
    std::ofstream(dir + "/kest/bench/clock_load.didat") << design_text();

    std::vector<std::string> args = {argc > 0 ? argv[0] : "clock_manager_load", "--didat-dir=" + dir, "--quiet"};
    std::string stop = "1us";
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
        if (std::strncmp(argv[i], "--stop-time=", 12) == 0) stop = argv[i] + 12;
    }
    if (stop == "1us") args.emplace_back("--stop-time=1us");
    std::vector<char *> av;
    for (auto &a : args) av.push_back(a.data());
    av.push_back(nullptr);
    const int ac = static_cast<int>(args.size());

    std::vector<void *> pe = process_table(std::make_integer_sequence<int, kChannels>());
    zem_init_design(ac, av.data());
    zem_register_didat("clock_load", "kest/bench/clock_load.didat");
    zem_register_executes(pe.data());
    zem_register_tops("clock_load");
    const auto t0 = std::chrono::steady_clock::now();
    const int status = zem_run_simulation(ac, av.data());
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    fs::remove_all(dir);
    if (status != 0) {
        std::fprintf(stderr, "the run failed with status %d\n", status);
        return 1;
    }
    std::printf("clock-manager-like load: %d processes, run to %s in %.3f s\n", kProcs, stop.c_str(), secs);
    return 0;
}
