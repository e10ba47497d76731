// Waveform output and the kernel's own stimulus (forces, clocks, files).
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include "elaborate.h"
#include "file_text.h"
#include "message_text.h"
#include "scheduler.h"
#include "sim_time.h"
#include "stimulus.h"

namespace tovu {

namespace {

// The most elements a signal may have to be traced without a --vcd-signals
// pattern that names it (a frame memory, for example, is left out).
constexpr uint32_t kMaxDefaultTracedElements = 1024;

struct TraceVar {
    int var;
    Net *net;
    uint32_t first, count;
    std::vector<uint8_t> last;
};

std::vector<TraceVar> &trace_vars() {
    static std::vector<TraceVar> v;
    return v;
}

bool is_logic(const Type *t) {
    const Type *r = t->root();
    return r->kind == TypeKind::Enum && r->literals.size() == 9 && r->literals[0] == "'U'" && r->literals[2] == "'0'";
}
bool is_bit(const Type *t) {
    const Type *r = t->root();
    return r->kind == TypeKind::Enum && r->literals.size() == 2;
}

bool vcd_kind(const SignalView *v, VcdKind &kind, uint32_t &width) {
    const Type *st = v->net->elem_type;
    width = v->count;
    bool scalar = !v->type->is_array();
    if (is_logic(st))
        kind = VcdKind::Logic;
    else if (is_bit(st))
        kind = VcdKind::Bit;
    else if (!scalar)
        return false;
    else if (st->kind == TypeKind::Enum)
        kind = VcdKind::Enum;
    else if (st->kind == TypeKind::Integer)
        kind = VcdKind::Integer;
    else if (st->kind == TypeKind::Real)
        kind = VcdKind::Real;
    else if (st->kind == TypeKind::Time)
        kind = VcdKind::Time;
    else
        return false;
    if (!scalar && kind != VcdKind::Logic && kind != VcdKind::Bit) return false;
    return true;
}

// Where a drive from outside the design comes from: `shown` begins the
// messages about it ("benchsnap: --force", as every error of an option
// begins, or "run.stim:7", as every error of a stimulus file begins), `name`
// names it in the message about a second drive of the same signal
// ("--force=fpga_tb/clk", "run.stim:7"). `file_errors` counts the errors of
// a stimulus file, of which only the first few are shown.
struct DriveOrigin {
    std::string shown;
    std::string name;
    int *file_errors = nullptr;
};

DriveOrigin option_origin(const char *option, const std::string &path) {
    return {K().opts.program + ": " + option, std::string(option) + "=" + printable(path)};
}

DriveOrigin file_origin(const std::string &file, int line, int &file_errors) {
    const std::string where = stimulus_place(file, line);
    return {where, where, &file_errors};
}

void drive_error(const DriveOrigin &origin, const std::string &cause) {
    if (origin.file_errors && ++*origin.file_errors > kMaxStimulusErrorsShown) {
        K().setup_failed = true;
        return;
    }
    setup_error(origin.shown + ": " + cause);
}

SignalView *find_view(const std::string &path, const DriveOrigin &origin) {
    auto it = K().signal_by_path.find(path);
    if (it == K().signal_by_path.end()) {
        drive_error(origin, "no signal named '" + printable(path) + "'");
        return nullptr;
    }
    return it->second;
}

bool parse_for(SignalView *v, const std::string &text, std::vector<uint8_t> &out, const DriveOrigin &origin) {
    std::string err;
    out = parse_value_text(text, v->type, err);
    if (!err.empty() || out.size() != static_cast<size_t>(v->count) * v->net->esize) {
        drive_error(origin,
                    "bad value " + quoted(text) + " for " + v->path + ": " + (err.empty() ? "wrong length" : err));
        return false;
    }
    return true;
}

// The drives from outside the design: each --force, each --clock, each
// stimulus file's changes and each of its clock lines is one source. Two
// sources on one element would interleave or override each other, so the
// second is refused.
class ExternalDrives {
public:
    // Records that source `source` (coming from `origin`) drives view v;
    // false, with the error reported, when another source drives one of its
    // elements.
    bool claim(SignalView *v, int source, const DriveOrigin &origin) {
        if (!claimed_.insert({source, v}).second) return true;
        const uint32_t first = v->first, end = v->first + v->count;
        for (const Drive &d : drives_) {
            if (d.net == v->net && d.source != source && d.first < end && first < d.end) {
                drive_error(origin,
                            v->path + " is already driven by " + d.what + "; drive a signal from one place only");
                return false;
            }
        }
        drives_.push_back({v->net, first, end, source, origin.name});
        return true;
    }

private:
    struct Drive {
        Net *net;
        uint32_t first, end;
        int source;
        std::string what;
    };
    std::vector<Drive> drives_;
    std::set<std::pair<int, SignalView *>> claimed_;
};

void add_clock(const ClockSpec &spec, int source, const DriveOrigin &origin, ExternalDrives &drives) {
    SignalView *v = find_view(spec.path, origin);
    if (!v) return;
    const Type *t = v->type;
    int lo = t->kind == TypeKind::Enum ? t->literal_pos("'0'") : -1;
    int hi = t->kind == TypeKind::Enum ? t->literal_pos("'1'") : -1;
    if (t->kind == TypeKind::Enum && lo < 0 && t->root()->literals.size() == 2) lo = 0, hi = 1;
    if (lo < 0 || hi < 0) {
        drive_error(origin, v->path + " is not a one-bit signal");
        return;
    }
    if (!drives.claim(v, source, origin)) return;
    auto c = std::make_unique<ClockStim>();
    c->view = v;
    c->high_phase = spec.period_ps / 2;
    c->low_phase = spec.period_ps - c->high_phase;
    c->low = static_cast<uint8_t>(lo);
    c->high = static_cast<uint8_t>(hi);
    apply_force(v, &c->low);
    queue_push(c->low_phase, EntryKind::Clock, c.get());
    K().clocks.push_back(std::move(c));
}

// The changes and clock lines of one stimulus file.
void add_stimulus_file(const std::string &file, int &source, ExternalDrives &drives) {
    Kernel &k = K();
    StimulusFile sf;
    std::string err;
    if (!parse_stimulus(file, sf, err)) {
        setup_error(err);
        return;
    }
    int errors = 0;
    for (const ClockSpec &c : sf.clocks) add_clock(c, ++source, file_origin(file, c.line, errors), drives);
    const int changes = ++source;
    for (const StimulusChange &ch : sf.changes) {
        const DriveOrigin where = file_origin(file, ch.line, errors);
        SignalView *v = find_view(ch.path, where);
        auto fc = std::make_unique<ForceChange>();
        if (!v || !parse_for(v, ch.value, fc->value, where) || !drives.claim(v, changes, where)) continue;
        fc->view = v;
        if (ch.time == 0)
            apply_force(v, fc->value.data());
        else
            queue_push(ch.time, EntryKind::Change, fc.get());
        k.changes.push_back(std::move(fc));
    }
    if (errors > kMaxStimulusErrorsShown)
        setup_error(file_name_text(file) + ": " + counted(errors - kMaxStimulusErrorsShown, "more error") +
                    " not shown");
}

// The stimulus files given more than once, under one name or several (the
// files are compared by identity when they exist): reading one twice would
// make every line of it a second drive of its own signal. Reports each such
// file once and returns, for every --stimulus, whether it repeats an earlier
// one.
std::vector<bool> repeated_stimulus_files(const std::vector<std::string> &files) {
    std::vector<FileIdentity> ids;
    for (const std::string &file : files) ids.push_back(file_identity(file));
    std::vector<bool> repeated(files.size(), false), reported(files.size(), false);
    for (size_t i = 0; i < files.size(); ++i) {
        for (size_t first = 0; first < i; ++first) {
            const bool same =
                ids[i].exists && ids[first].exists ? same_file(ids[i], ids[first]) : files[i] == files[first];
            if (!same || repeated[first]) continue;
            repeated[i] = true;
            if (!reported[first]) {
                reported[first] = true;
                std::string message =
                    K().opts.program + ": --stimulus: " + file_name_text(files[first]) + " is given more than once";
                if (files[i] != files[first]) message += " (also as " + file_name_text(files[i]) + ")";
                setup_error(message);
            }
            break;
        }
    }
    return repeated;
}

}  // namespace

void setup_stimulus() {
    Kernel &k = K();
    ExternalDrives drives;
    int source = 0;
    for (const ForceSpec &f : k.opts.forces) {
        const DriveOrigin origin = option_origin("--force", f.path);
        SignalView *v = find_view(f.path, origin);
        std::vector<uint8_t> val;
        if (!v || !parse_for(v, f.value, val, origin) || !drives.claim(v, ++source, origin)) continue;
        apply_force(v, val.data());
    }
    for (const ClockSpec &c : k.opts.clocks) add_clock(c, ++source, option_origin("--clock", c.path), drives);
    const std::vector<bool> repeated = repeated_stimulus_files(k.opts.stimulus_files);
    for (size_t i = 0; i < k.opts.stimulus_files.size(); ++i)
        if (!repeated[i]) add_stimulus_file(k.opts.stimulus_files[i], source, drives);
}

namespace {

// Before the waveform file `vcd`, which exists as `target`, is truncated: a
// --vcd file that is a regular file the run reads (a stimulus file, a
// design-data file) under any name would be destroyed; a terminal or pipe
// that is also read is not, and is left alone. Reports the conflict and
// returns false.
bool waveform_spares_the_inputs(const std::string &vcd, const struct stat &target) {
    Kernel &k = K();
    if (!S_ISREG(target.st_mode)) return true;
    auto conflict = [&](const std::string &input, const char *what) {
        struct stat st {};
        if (::stat(input.c_str(), &st) != 0 || !same_file(st, target)) return false;
        setup_error(k.opts.program + ": --vcd: waveform file " + file_name_text(vcd) + " is the " + what + " " +
                    file_name_text(input) + ", which the run reads");
        return true;
    };
    for (const std::string &file : k.opts.stimulus_files)
        if (conflict(file, "stimulus file")) return false;
    for (const auto &u : k.units)
        if (conflict(u->file, "design-data file")) return false;
    return true;
}

// A waveform file that is also standard error (`--vcd=run.vcd >run.vcd
// 2>&1`, `--vcd=/dev/stdout 2>&1 | viewer`) would take in the messages: a
// message written there either lands in the middle of the waveform text or,
// through the descriptor's own offset, overwrites its start. No stream is
// left for the messages, so the combination is refused. A terminal, or a
// device that keeps nothing (/dev/null), shows or drops both and is left
// alone. Reports the conflict and returns false.
bool waveform_spares_standard_error(const std::string &vcd, const struct stat &target) {
    struct stat err {};
    if (::fstat(STDERR_FILENO, &err) != 0 || !same_file(target, err) || S_ISCHR(target.st_mode)) return true;
    setup_error(K().opts.program + ": --vcd: waveform file " + file_name_text(vcd) +
                " is also standard error, where the messages go; send standard error elsewhere");
    return false;
}

// A signal chosen for the waveform and how it is shown.
struct TraceChoice {
    SignalView *view;
    VcdKind kind;
    uint32_t width;
};

// The signals --vcd-signals chooses (by default every one of at most 1024
// elements) that the waveform can show. A pattern that chooses none of them
// (a typo, upper case, a leading '/', only signals that cannot be traced) is
// reported and gives false.
bool choose_traced_signals(std::vector<TraceChoice> &chosen) {
    Kernel &k = K();
    const std::vector<std::string> &patterns = k.opts.vcd_signals;
    std::vector<bool> used(patterns.size(), false);
    for (auto &vp : k.views) {
        SignalView *v = vp.get();
        TraceChoice c{v, VcdKind::Logic, 0};
        if (!vcd_kind(v, c.kind, c.width)) continue;
        bool wanted = patterns.empty() && v->count <= kMaxDefaultTracedElements;
        for (size_t i = 0; i < patterns.size(); ++i) {
            if (glob_match(patterns[i], v->path)) wanted = used[i] = true;
        }
        if (wanted) chosen.push_back(c);
    }
    for (size_t i = 0; i < patterns.size(); ++i) {
        if (used[i]) continue;
        setup_error(k.opts.program + ": --vcd-signals: no signal that can be traced matches '" +
                    printable(patterns[i]) + "'");
        return false;
    }
    return true;
}

}  // namespace

void open_trace() {
    Kernel &k = K();
    trace_vars().clear();
    if (k.opts.vcd_file.empty()) return;
    std::vector<TraceChoice> chosen;
    if (!choose_traced_signals(chosen)) return;
    // A file that exists already must be neither an input of the run nor
    // standard error.
    const std::string &vcd = k.opts.vcd_file;
    struct stat existing {};
    const bool exists = ::stat(vcd.c_str(), &existing) == 0;
    if (exists && !waveform_spares_the_inputs(vcd, existing)) return;
    if (exists && !waveform_spares_standard_error(vcd, existing)) return;
    std::string err;
    if (!k.vcd.open(k.opts.vcd_file, err)) {
        setup_error(k.opts.program + ": --vcd: " + err);
        return;
    }
    // The waveform is the program's own output stream: nothing else may
    // enter it.
    if (k.vcd.shares_stream_with(STDOUT_FILENO)) k.message_out = stderr;
    std::map<std::tuple<Net *, uint32_t, uint32_t, int>, int> seen;
    for (const TraceChoice &c : chosen) {
        SignalView *v = c.view;
        auto key = std::make_tuple(v->net, v->first, v->count, static_cast<int>(c.kind));
        auto it = seen.find(key);
        int var = k.vcd.add_var(v->path, c.kind, c.width, it == seen.end() ? -1 : it->second);
        if (it != seen.end()) continue;
        seen[key] = var;
        TraceVar tv{var, v->net, v->first, v->count, {}};
        trace_vars().push_back(std::move(tv));
        v->net->traces.push_back({static_cast<int>(trace_vars().size() - 1), v->first, v->first + v->count});
        v->net->traced = true;
    }
}

void setup_trace() {
    Kernel &k = K();
    if (!k.vcd.is_open()) return;
    k.vcd.end_definitions();
    k.vcd.time(0);
    k.vcd.begin_dump();
    for (TraceVar &tv : trace_vars()) {
        const uint8_t *p = tv.net->value + static_cast<size_t>(tv.first) * tv.net->esize;
        tv.last.assign(p, p + static_cast<size_t>(tv.count) * tv.net->esize);
        k.vcd.value(tv.var, p);
    }
    k.vcd.end_dump_vars();
}

void trace_cycle_end() {
    Kernel &k = K();
    if (k.traced_dirty.empty()) return;
    if (!k.vcd.is_open()) {
        for (Net *n : k.traced_dirty) n->trace_dirty = false;
        k.traced_dirty.clear();
        return;
    }
    k.vcd.time(k.now);
    for (Net *n : k.traced_dirty) {
        n->trace_dirty = false;
        for (const TraceRef &r : n->traces) {
            TraceVar &tv = trace_vars()[static_cast<size_t>(r.var)];
            const uint8_t *p = n->value + static_cast<size_t>(tv.first) * n->esize;
            if (std::memcmp(p, tv.last.data(), tv.last.size()) == 0) continue;
            std::memcpy(tv.last.data(), p, tv.last.size());
            k.vcd.value(tv.var, p);
        }
    }
    k.traced_dirty.clear();
}

void trace_close() {
    // The file ends with the time the run reached (the stop time, the time of
    // an interruption or of the last event), which viewers take as its end.
    K().vcd.time(K().now);
    K().vcd.close();
    trace_vars().clear();
}

}  // namespace tovu
