#include "run_control.h"

#include <chrono>
#include <string>

#include "kernel.h"

namespace tovu {

volatile std::sig_atomic_t g_arrived_signal = 0;

namespace {

// How often the wall clock is read, in time steps, and how old the oldest
// unwritten waveform text may grow.
constexpr uint32_t kStepsBetweenHousekeeping = 16;
constexpr std::chrono::seconds kFlushInterval{2};

std::chrono::steady_clock::time_point g_last_flush;

extern "C" void on_interruption(int signo) { g_arrived_signal = signo; }

// Installs the handler for signo unless the process ignores it; returns
// whether it did.
bool install(int signo, struct sigaction &old) {
    if (sigaction(signo, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) return false;
    struct sigaction sa {};
    sa.sa_handler = on_interruption;
    sigemptyset(&sa.sa_mask);
    // SA_RESETHAND: a second signal finds the default action and ends the
    // process at once; SA_RESTART: the unit code's file reads go on.
    sa.sa_flags = SA_RESETHAND | SA_RESTART;
    return sigaction(signo, &sa, nullptr) == 0;
}

}  // namespace

uint32_t g_steps_to_housekeeping = kStepsBetweenHousekeeping;

InterruptionHandlers::InterruptionHandlers() {
    g_arrived_signal = 0;
    g_steps_to_housekeeping = kStepsBetweenHousekeeping;
    g_last_flush = std::chrono::steady_clock::now();
    for (size_t i = 0; i < kInterruptionSignalCount; ++i) set_[i] = install(kInterruptionSignals[i], old_[i]);
}

InterruptionHandlers::~InterruptionHandlers() {
    for (size_t i = 0; i < kInterruptionSignalCount; ++i)
        if (set_[i]) sigaction(kInterruptionSignals[i], &old_[i], nullptr);
}

const char *signal_name(int signo) {
    switch (signo) {
        case SIGINT: return "SIGINT";
        case SIGTERM: return "SIGTERM";
        case SIGHUP: return "SIGHUP";
        default: return "a signal";
    }
}

bool time_step_housekeeping() {
    Kernel &k = K();
    g_steps_to_housekeeping = kStepsBetweenHousekeeping;
    if (const int signo = g_arrived_signal) {
        k.interrupt_signal = signo;
        k.stop_reason = std::string("interrupted by ") + signal_name(signo);
        return true;
    }
    if (k.vcd.is_open()) {
        const auto now = std::chrono::steady_clock::now();
        if (now - g_last_flush >= kFlushInterval) {
            k.vcd.flush();
            g_last_flush = now;
        }
    }
    if (!k.vcd.ok()) {
        k.stop_reason = kWaveformWriteStop;
        return true;
    }
    return false;
}

}  // namespace tovu
