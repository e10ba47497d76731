// Kernel state and the start-up operations: options, registration, design
// data loading, elaboration and the run.
#include "kernel.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "check.h"
#include "elaborate.h"
#include "file_text.h"
#include "hot_arena.h"
#include "message_text.h"
#include "run_control.h"
#include "scheduler.h"
#include "suspend.h"
#include "sim_time.h"
#include "tovu/testing.h"
#include "unit_tables.h"

namespace tovu {

void clear_captured_reports();
void open_trace();
void setup_trace();
void trace_close();
void setup_stimulus();

alignas(Kernel) unsigned char g_kernel_storage[sizeof(Kernel)];

namespace {
// The kernel of the process, constructed before main.
struct KernelInstance {
    KernelInstance() { new (g_kernel_storage) Kernel(); }
} g_kernel_instance;
}  // namespace

namespace {

std::string executable_dir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = 0;
    std::string s(buf);
    size_t slash = s.rfind('/');
    return slash == std::string::npos ? "." : s.substr(0, slash);
}

std::string didat_root() {
    Kernel &k = K();
    return k.opts.didat_dir.empty() ? k.exe_dir : k.opts.didat_dir;
}

Unit *register_unit(const std::string &name, const std::string &path) {
    Kernel &k = K();
    const std::string full = didat_root() + "/" + path;
    const std::string shown = file_name_text(full);
    if (k.unit_by_name.count(name)) {
        setup_error(shown + ": error: unit " + name + " is registered twice");
        return nullptr;
    }
    std::string text, cause;
    if (!read_text_file(full, kMaxDesignDataSize, text, cause)) {
        setup_error(shown + ": error: cannot read the design data of unit " + name + ": " + cause);
        return nullptr;
    }
    auto desc = std::make_unique<UnitDesc>();
    std::string err;
    if (!parse_didat(shown, text, *desc, err)) {
        setup_error(err);
        return nullptr;
    }
    if (desc->name != name) {
        setup_error(shown + ":" + std::to_string(desc->unit_line) + ": error: the file describes unit '" + desc->name +
                    "', not '" + name + "'");
        return nullptr;
    }
    auto u = std::make_unique<Unit>();
    u->name = name;
    u->path = path;
    u->file = full;
    u->desc = std::move(desc);
    Unit *raw = u.get();
    k.unit_by_name[name] = raw;
    k.units.push_back(std::move(u));
    return raw;
}

// Evaluates the initial values computed by the units' own functions.
void run_deferred_calls() {
    Kernel &k = K();
    for (DeferredCall &c : k.deferred) {
        using IntInt = uint8_t *(*)(char *, int32_t, int32_t);
        using IntReal = uint8_t *(*)(char *, int32_t, double);
        void *fn = c.unit->se[c.slot];
        char *block = c.inst ? c.inst->block : c.unit->package_block;
        int32_t a0;
        std::memcpy(&a0, c.args[0].second, 4);
        uint8_t *res;
        if (c.args[1].first->kind == TypeKind::Integer) {
            int32_t a1;
            std::memcpy(&a1, c.args[1].second, 4);
            res = reinterpret_cast<IntInt>(fn)(block, a0, a1);
        } else {
            double a1;
            std::memcpy(&a1, c.args[1].second, 8);
            res = reinterpret_cast<IntReal>(fn)(block, a0, a1);
        }
        if (!res) fail_check(c.where + ": the initial-value function returned nothing");
        std::memcpy(c.target, res, c.size);
        for (SignalView *v : c.views) v->init.assign(res, res + c.size);
        k.transient.reset();
    }
}

[[noreturn]] __attribute__((noinline)) void transient_memory_exhausted(uint32_t nbytes) {
    fail_check("a request for " + std::to_string(nbytes) + " bytes of result memory cannot be met");
}

// What the summary line adds after "simulation ended at TIME: REASON" for a
// run whose exit status is not 0: the causes of the status that the reason
// does not already name, then the status itself. Empty for status 0, so the
// line of a clean run is only the time and the reason.
std::string status_note(int status) {
    if (status == 0) return "";
    const Kernel &k = K();
    std::string note;
    if (k.error_reports > 0) note += "; " + counted(k.error_reports, "report") + " at ERROR or FAILURE";
    if (!k.vcd.ok() && k.stop_reason != kWaveformWriteStop) note += std::string("; ") + kWaveformWriteStop;
    return note + " (exit status " + std::to_string(status) + ")";
}

void print_stats(double seconds) {
    Kernel &k = K();
    std::fprintf(k.message_out,
                 "stats: %llu delta cycles, %llu process activations, %llu events, %llu transactions, %.3f s wall",
                 static_cast<unsigned long long>(k.stats.deltas), static_cast<unsigned long long>(k.stats.activations),
                 static_cast<unsigned long long>(k.stats.events), static_cast<unsigned long long>(k.stats.transactions),
                 seconds);
    if (seconds > 0)
        std::fprintf(k.message_out, ", %.0f activations/s", static_cast<double>(k.stats.activations) / seconds);
    std::fprintf(k.message_out, "\n");
}

// Writes out what waits for standard output. When anything printed there
// was lost (a full disk, /dev/full), says so on standard error and turns a
// clean status into 1, as a waveform file that cannot be written does. The
// cause is known when this last write fails; an earlier failed write has
// left only the stream's error flag.
int standard_output_checked(int status) {
    errno = 0;
    const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!lost) return status;
    std::fprintf(stderr, "error: cannot write standard output: %s\n",
                 errno != 0 ? std::strerror(errno) : "some of it was lost");
    return status == 0 ? 1 : status;
}

}  // namespace

void reset_kernel() {
    K().vcd.close();
    K().~Kernel();
    hot_release();
    release_coroutines();
    new (g_kernel_storage) Kernel();
    clear_captured_reports();
}

uint8_t *alloc_bytes(size_t n) {
    size_t words = (n + 15) / 16;
    auto *p = new uint8_t[words * 16 + 16]();
    K().storage.emplace_back(p);
    // new[] of uint8_t is at least 16-byte aligned on the platforms we run on;
    // check rather than assume.
    if (reinterpret_cast<uintptr_t>(p) % 16 != 0) p += 16 - reinterpret_cast<uintptr_t>(p) % 16;
    return p;
}

char *package_block(const char *unit) {
    // The last one asked for is kept: callers ask for the same one again and again.
    Kernel &k = K();
    if (k.cached_block && std::strcmp(k.cached_unit.c_str(), unit) == 0) return k.cached_block;
    auto it = k.unit_by_name.find(unit);
    char *b = it == k.unit_by_name.end() ? nullptr : it->second->package_block;
    if (b) {
        k.cached_unit = unit;
        k.cached_block = b;
    }
    return b;
}

Type *new_type() {
    K().types.push_back(std::make_unique<Type>());
    return K().types.back().get();
}

void setup_error(const std::string &message) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message.c_str());
    K().setup_failed = true;
}

namespace {
bool g_recording = false;
std::vector<std::string> g_calls;

std::string ptr_text(const void *p) {
    char b[32];
    std::snprintf(b, sizeof b, "%p", p);
    return b;
}

template <typename... T>
void record(const char *name, const T &...args) {
    if (!g_recording) return;
    std::string line = name;
    ((line += " " + args), ...);
    g_calls.push_back(line);
}
}  // namespace

namespace testing {

void record_calls(bool on) {
    g_recording = on;
    g_calls.clear();
}
const std::vector<std::string> &calls() { return g_calls; }

void reset() { reset_kernel(); }

RunStats run_stats() {
    const Stats &s = K().stats;
    return RunStats{s.deltas, s.activations, s.events, s.transactions};
}

void load_packages(const std::string &didat_dir, const std::vector<void (*)()> &inits) {
    reset_kernel();
    std::string opt = "--didat-dir=" + didat_dir;
    char prog[] = "test";
    char *argv[] = {prog, opt.data(), nullptr};
    zem_init_design(2, argv);
    for (auto f : inits) f();
    zem_register_tops("");
    if (K().setup_failed) throw std::runtime_error("loading the packages failed (see the messages above)");
}

}  // namespace testing

}  // namespace tovu

using namespace tovu;

extern "C" {

void zem_init_design(int argc, char **argv) {
    record("zem_init_design", std::to_string(argc), ptr_text(argv));
    Kernel &k = K();
    k.initialised = true;
    k.exe_dir = executable_dir();
    std::string err;
    if (!parse_options(argc, argv, k.opts, err)) {
        // One line: the program, the option and the cause.
        std::fprintf(stderr, "%s: %s\n", k.opts.program.c_str(), err.c_str());
        k.setup_failed = true;
        return;
    }
    if (k.opts.help) {
        std::printf("%s", usage_text(k.opts.program).c_str());
        k.help_only = true;
    }
}

void zem_register_info(void *info) { record("zem_register_info", ptr_text(info)); }

void zem_register_min_prec_unit(int32_t unit) {
    record("zem_register_min_prec_unit", std::to_string(unit));
    if (unit != -12)
        setup_error("error: only a time resolution of 1 ps (-12) is supported, not " + std::to_string(unit));
}

void zem_register_didat(const char *unit_name, const char *didat_path) {
    record("zem_register_didat", std::string(unit_name ? unit_name : "(null)"),
           std::string(didat_path ? didat_path : "(null)"));
    Kernel &k = K();
    k.last_unit = nullptr;
    if (k.setup_failed || k.help_only) return;
    if (!unit_name || !didat_path) {
        setup_error("error: zem_register_didat without a unit name or path");
        return;
    }
    if (k.elaborated) {
        setup_error(std::string("error: unit ") + unit_name + " registered after the top unit was named");
        return;
    }
    k.last_unit = register_unit(unit_name, didat_path);
    std::string p = didat_path;
    const std::string marker = ".exe.sim/";
    size_t m = p.find(marker);
    if (m != std::string::npos && k.snapshot.empty()) {
        size_t s = p.rfind('/', m);
        std::string snap = p.substr(s == std::string::npos ? 0 : s + 1, m - (s == std::string::npos ? 0 : s + 1));
        if (snap != "precompiled") k.snapshot = snap;
    }
}

void zem_register_executes(void *pe_table) {
    record("zem_register_executes", ptr_text(pe_table));
    if (K().last_unit) K().last_unit->pe = static_cast<void **>(pe_table);
}

void zem_register_subprogram_executes(void *se_table) {
    record("zem_register_subprogram_executes", ptr_text(se_table));
    if (K().last_unit) K().last_unit->se = static_cast<void **>(se_table);
}

void zem_register_resolution_function(int32_t type_number, int32_t k_arg, void *fn, int32_t m) {
    record("zem_register_resolution_function", std::to_string(type_number), std::to_string(k_arg), ptr_text(fn),
           std::to_string(m));
    Kernel &k = K();
    if (!k.last_unit) return;
    Resolution r;
    r.fn = reinterpret_cast<zem_resolution_fn>(fn);
    r.unit = k.last_unit;
    k.resolutions[type_number] = r;
    (void)k_arg;
    (void)m;
}

void zem_register_tops(const char *top_unit_name) {
    record("zem_register_tops", std::string(top_unit_name ? top_unit_name : "(null)"));
    Kernel &k = K();
    if (k.setup_failed || k.help_only) return;
    if (k.elaborated) {
        setup_error("error: the top unit is named twice");
        return;
    }
    if (!k.unit_by_name.count("std_standard") &&
        !register_unit("std_standard", "kest/precompiled.exe.sim/std/standard.didat"))
        return;
    // std.standard is the first unit every other one builds on.
    for (size_t i = 0; i < k.units.size(); ++i)
        if (k.units[i]->name == "std_standard" && i != 0)
            std::rotate(k.units.begin(), k.units.begin() + static_cast<long>(i),
                        k.units.begin() + static_cast<long>(i) + 1);
    try {
        check_unit_tables();
        elaborate(top_unit_name ? top_unit_name : "");
        k.elaborated = true;
    } catch (const ElabError &e) {
        setup_error(e.what());
    } catch (const CheckFailure &) {
        k.setup_failed = true;
    } catch (const std::bad_alloc &) {
        setup_error("error: not enough memory to build the design");
    }
}

char *zem_get_engine_memory(const char *unit_name) {
    record("zem_get_engine_memory", std::string(unit_name ? unit_name : "(null)"));
    Kernel &k = K();
    if (!unit_name || !k.elaborated) return nullptr;
    auto it = k.unit_by_name.find(unit_name);
    if (it == k.unit_by_name.end()) {
        setup_error(std::string("error: no unit named ") + unit_name + " was registered");
        return nullptr;
    }
    if (it->second->package_block) return it->second->package_block;
    for (auto &inst : k.instances)
        if (inst->unit == it->second) return inst->block;
    return nullptr;
}

void zem_register_ieee_std_logic_1164(char *block) {
    record("zem_register_ieee_std_logic_1164", ptr_text(block));
    K().slv_block = block;
}

int zem_run_simulation(int argc, char **argv) {
    record("zem_run_simulation", std::to_string(argc), ptr_text(argv));
    Kernel &k = K();
    (void)argc;
    (void)argv;
    if (k.help_only) return standard_output_checked(0);
    if (!k.initialised) {
        std::fprintf(stderr, "error: zem_run_simulation before zem_init_design\n");
        return 2;
    }
    if (k.setup_failed) return 2;
    if (!k.elaborated) {
        std::fprintf(stderr, "error: no top unit was named\n");
        return 2;
    }
    auto t0 = std::chrono::steady_clock::now();
    try {
        setup_stimulus();
        // The waveform file is opened before any design code runs, so that
        // reports know where to go, and before the interruption handlers
        // are in place, so that a signal ends an open() that waits (a named
        // pipe no one reads yet).
        if (!k.setup_failed) open_trace();
        if (k.setup_failed) return 2;
        run_deferred_calls();
    } catch (const CheckFailure &) {
        return 1;
    }
    initialise_nets();
    // Until here a signal ends the program at once (the stimulus files may
    // be long, or pipes that are slow to end, and so may the opening of the
    // waveform file); from here SIGINT, SIGTERM and SIGHUP end the run at the
    // end of a time step.
    InterruptionHandlers interruptions;
    setup_trace();
    // A FAILURE while the initial values were computed ends the run before time 0.
    int status = k.stop_requested ? 1 : run_cycles();
    trace_close();
    if (!k.vcd.ok()) {
        std::fflush(stdout);
        std::fprintf(stderr, "error: %s\n", k.vcd.write_error().c_str());
        if (status == 0) status = 1;
    }
    if (k.interrupt_signal) status = 128 + k.interrupt_signal;
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!k.opts.quiet)
        std::fprintf(k.message_out, "simulation ended at %s: %s%s\n", format_time(k.now).c_str(), k.stop_reason.c_str(),
                     status_note(status).c_str());
    if (k.opts.stats) print_stats(secs);
    return standard_output_checked(status);
}

void *zem_get_transient_memory(uint32_t nbytes) {
    void *p = K().transient.allocate(nbytes);
    if (__builtin_expect(!p, 0)) transient_memory_exhausted(nbytes);
    return p;
}

}  // extern "C"
