// The kernel's state: registered units, elaborated design, run state.
#ifndef TOVU_KERNEL_H
#define TOVU_KERNEL_H

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "design.h"
#include "net.h"
#include "options.h"
#include "process.h"
#include "stimulus.h"
#include "transient.h"
#include "types.h"
#include "time_queue.h"
#include "vcd.h"
#include "work_list.h"

namespace tovu {

struct Unit {
    std::string name;
    std::string path;
    std::string file;  // the design-data file read: the design-data folder and path
    std::unique_ptr<UnitDesc> desc;
    void **pe = nullptr;
    void **se = nullptr;
    std::map<std::string, const Type *> types;  // resolved, by lower-case name
    bool types_resolved = false;
    char *package_block = nullptr;
    std::vector<SignalView *> package_signals;
};

struct Resolution {
    zem_resolution_fn fn = nullptr;
    Unit *unit = nullptr;  // the unit that registered it; its block is passed
};

// An elaborated architecture instance.
struct Instance {
    std::string path;
    Unit *unit = nullptr;
    char *block = nullptr;
    std::map<std::string, SignalView *> signals;
    std::map<std::string, const uint8_t *> values;  // generics and constants by name
};

// A computed initial value, evaluated when the run starts.
struct DeferredCall {
    Unit *unit;
    Instance *inst;  // nullptr for a package
    uint32_t slot;
    std::vector<std::pair<const Type *, const uint8_t *>> args;
    uint8_t *target;
    uint32_t size;
    std::vector<SignalView *> views;  // signal whose initial value this is
    std::string where;
};

struct ForceChange {
    SignalView *view;
    std::vector<uint8_t> value;
};

// A clock from the command line or a stimulus file: low from time 0, high
// after low_phase, low again after high_phase, and so on. An odd period gives
// the low phase the extra picosecond.
struct ClockStim {
    SignalView *view;
    int64_t low_phase, high_phase;
    uint8_t low, high;
    bool level_high = false;
    // Time from the change just made to the next one.
    int64_t phase() const { return level_high ? high_phase : low_phase; }
};

struct Stats {
    uint64_t deltas = 0;
    uint64_t activations = 0;
    uint64_t events = 0;
    uint64_t transactions = 0;
};

struct Kernel {
    // options and errors
    Options opts;
    bool initialised = false;
    bool setup_failed = false;  // usage or design-data error: the run returns 2
    bool help_only = false;
    std::string exe_dir;
    std::string snapshot;

    // registration
    std::vector<std::unique_ptr<Unit>> units;
    std::map<std::string, Unit *> unit_by_name;
    Unit *last_unit = nullptr;
    std::map<int, Resolution> resolutions;
    bool elaborated = false;
    char *slv_block = nullptr;
    std::string cached_unit;  // package_block's last answer
    char *cached_block = nullptr;

    // elaborated design (owned)
    std::vector<std::unique_ptr<Type>> types;
    std::vector<std::unique_ptr<Net>> nets;
    std::vector<std::unique_ptr<SignalView>> views;
    std::vector<std::unique_ptr<Driver>> drivers;
    std::vector<std::unique_ptr<Process>> processes;
    std::vector<std::unique_ptr<Instance>> instances;
    std::vector<std::unique_ptr<uint8_t[]>> storage;
    std::vector<DeferredCall> deferred;
    std::map<std::string, SignalView *> signal_by_path;
    std::vector<std::unique_ptr<ForceChange>> changes;
    std::vector<std::unique_ptr<ClockStim>> clocks;
    std::map<std::pair<const Type *, const Type *>, const Type *> unconstrained_cache;

    // run state
    int64_t now = 0;
    uint64_t cycle = 1;
    WorkList<Driver *> active;
    WorkList<Net *> dirty_nets;
    WorkList<Process *> run_list;
    WorkList<Process *> run_work;
    TimeQueue queue;
    Process *current = nullptr;
    int32_t current_line = 0;
    const char *current_path = nullptr;
    TransientArena transient;
    Stats stats;
    bool running = false;
    bool stop_requested = false;
    uint64_t error_reports = 0;  // reports at ERROR or FAILURE
    bool failed = false;  // a check or FAILURE ended the run
    int interrupt_signal = 0;  // the signal that ended the run early, or 0
    std::string stop_reason;

    // reports
    bool capture = false;
    // Where reports, the summary line and --stats go: standard output, or
    // standard error when the waveform file is the program's standard output.
    std::FILE *message_out = stdout;

    // waveform
    VcdWriter vcd;
    WorkList<Net *> traced_dirty;

    // The source values of one resolved element, as many as the element
    // with the most sources has (sized when the nets are finished). Last, so
    // that the fields the cycle uses keep their places.
    std::vector<uint8_t> resolution_scratch;
};

// The one kernel of the process, in static storage, so that the cycle
// reaches its fields directly.
extern unsigned char g_kernel_storage[];
inline Kernel &K() { return *std::launder(reinterpret_cast<Kernel *>(g_kernel_storage)); }
void reset_kernel();

// Compares two values of n bytes; the usual sizes take no library call.
inline bool same_bytes(const void *a, const void *b, size_t n) {
    switch (n) {
        case 1: return *static_cast<const uint8_t *>(a) == *static_cast<const uint8_t *>(b);
        case 4: return __builtin_memcmp(a, b, 4) == 0;
        case 8: return __builtin_memcmp(a, b, 8) == 0;
        default: return __builtin_memcmp(a, b, n) == 0;
    }
}

// Copies a value of n bytes; the usual element sizes take no library call.
inline void copy_bytes(void *dst, const void *src, size_t n) {
    switch (n) {
        case 1: *static_cast<uint8_t *>(dst) = *static_cast<const uint8_t *>(src); return;
        case 4: __builtin_memcpy(dst, src, 4); return;
        case 8: __builtin_memcpy(dst, src, 8); return;
        default: __builtin_memcpy(dst, src, n); return;
    }
}

// The block of a registered package, or nullptr (no report).
char *package_block(const char *unit);

// Owned allocation of zeroed bytes, 16-byte aligned, alive until reset.
uint8_t *alloc_bytes(size_t n);
Type *new_type();

// Reports a design-data or usage error: printed at once; the run returns 2.
void setup_error(const std::string &message);

}  // namespace tovu

#endif
