// Between two time steps of a run: stopping when SIGINT, SIGTERM or SIGHUP
// arrives, flushing the waveform file every few seconds of wall time, and
// stopping when the waveform file cannot be written.
#ifndef TOVU_RUN_CONTROL_H
#define TOVU_RUN_CONTROL_H

#include <signal.h>

#include <csignal>
#include <cstddef>
#include <cstdint>

namespace tovu {

// The signal that arrived during the run (0: none); set by the handler.
extern volatile std::sig_atomic_t g_arrived_signal;
// Time steps until the next look at the wall clock and the waveform file.
extern uint32_t g_steps_to_housekeeping;

// The signals that end a run at the end of its time step: Ctrl-C, kill, and
// a terminal closed or a connection dropped.
constexpr int kInterruptionSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr size_t kInterruptionSignalCount = sizeof kInterruptionSignals / sizeof kInterruptionSignals[0];

// While an object of this class lives, the interruption signals ask the run
// to stop at the end of its time step instead of ending the process, so that
// the waveform file is written out in full (a second one ends it at once). A
// signal the process ignores stays ignored. The previous handlers come back
// when the object goes.
class InterruptionHandlers {
public:
    InterruptionHandlers();
    ~InterruptionHandlers();
    InterruptionHandlers(const InterruptionHandlers &) = delete;
    InterruptionHandlers &operator=(const InterruptionHandlers &) = delete;

private:
    // per signal of kInterruptionSignals: its earlier action, and whether
    // this object replaced it
    struct sigaction old_[kInterruptionSignalCount];
    bool set_[kInterruptionSignalCount] = {};
};

// The slow part of end_of_time_step: records an arrived signal as the
// reason the run stops, flushes the waveform file when it is due, and
// reports whether the run must stop.
bool time_step_housekeeping();

// Called when a time step has ended and its changes have been traced;
// returns true when the run must stop here.
inline bool end_of_time_step() {
    if (__builtin_expect(g_arrived_signal == 0 && --g_steps_to_housekeeping != 0, 1)) return false;
    return time_step_housekeeping();
}

// Why the run stopped, when it stopped because the waveform file could not
// be written.
constexpr char kWaveformWriteStop[] = "the waveform file could not be written";

// "SIGINT", "SIGTERM", "SIGHUP", or "a signal".
const char *signal_name(int signo);

}  // namespace tovu

#endif
