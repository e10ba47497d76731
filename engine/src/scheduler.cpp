// The VHDL simulation cycle.
#include "scheduler.h"

#include <algorithm>
#include <cstring>

#include "check.h"
#include "run_control.h"
#include "suspend.h"
#include "sim_time.h"
#include "tovu/layout.h"
#include "tovu/testing.h"

namespace tovu {

void driver_apply_due(Driver *d, int64_t now);
void driver_fire(Driver *d, int64_t time);
void trace_cycle_end();

namespace {


// A process waiting on its sensitivity list (flag set) resumes in this
// cycle. The flag is cleared here, before the process runs, which also keeps
// a second event of the same cycle from queueing it twice.
inline void wake(Kernel &k, const Sensitivity &s) {
    if (*s.flag) {
        *s.flag = 0;
        k.run_list.push_back(s.process);
    }
}

// Effective value of element e of a net with several sources (or a force).
// The sources' values are gathered in `scratch`, which holds those of the
// element with the most sources (sized at elaboration); the resolved value
// is returned there too.
inline const uint8_t *resolve_element(Net *n, uint32_t e, uint8_t *scratch) {
    const auto &src = n->sources[e];
    if (src.size() == 1) return src[0].driver->driving + static_cast<size_t>(src[0].offset) * n->esize;
    if (src.empty()) return n->value + static_cast<size_t>(e) * n->esize;
    for (size_t i = 0; i < src.size(); ++i) scratch[i] = src[i].driver->driving[src[i].offset];
    const Resolution &r = *n->resolver;
    array_bounds b{0, static_cast<int32_t>(src.size()) - 1, 1, static_cast<int32_t>(src.size())};
    *scratch = r.fn(r.unit->package_block, scratch, &b);
    return scratch;
}

// After events on elements [evlo, evhi) of a net: stamps the net and wakes
// the processes sensitive to them.
inline void net_events(Kernel &k, Net *n, uint32_t evlo, uint32_t evhi) {
    n->event_cycle = k.cycle;
    k.stats.events += evhi - evlo;
    const Sensitivity *s = n->sens, *end = n->sens + n->sens_count;
    if (n->count == 1) {
        for (; s != end; ++s) wake(k, *s);
    } else {
        for (; s != end; ++s)
            if (s->lo < evhi && s->hi > evlo) wake(k, *s);
    }
    if (n->has_dynamic) wake_dynamic(n, evlo, evhi);
    if (n->traced && !n->trace_dirty) {
        n->trace_dirty = true;
        k.traced_dirty.push_back(n);
    }
}

// The elements of one update that had an event: [lo, hi).
struct EventRange {
    uint32_t lo = UINT32_MAX, hi = 0;
    void add(uint32_t e) {
        if (e < lo) lo = e;
        hi = e + 1;
    }
};

// Element e of a net (es bytes) takes the value at nv if it differs from
// the current one: the old value becomes its last value and the event is
// stamped and added to `events`.
__attribute__((always_inline)) inline void take_value(Net *n, uint32_t e, size_t es, const uint8_t *nv, uint64_t cycle,
                                                     int64_t now, EventRange &events) {
    uint8_t *cv = n->value + e * es;
    if (same_bytes(cv, nv, es)) return;
    copy_bytes(n->last_value + e * es, cv, es);
    copy_bytes(cv, nv, es);
    n->elem_event_cycle[e] = cycle;
    n->elem_last_event[e] = now;
    events.add(e);
}

// Compares elements [lo, hi) of a net with their new values (element lo
// first at src), takes the new ones and records an event for each element
// that changed. ES is the element size, or 0 for any other size.
template <size_t ES>
inline void update_elements(Kernel &k, Net *n, const uint8_t *src, uint32_t lo, uint32_t hi) {
    const size_t es = ES ? ES : n->esize;
    const uint64_t cycle = k.cycle;
    const int64_t now = k.now;
    EventRange events;
    for (uint32_t e = lo; e < hi; ++e) take_value(n, e, es, src + (e - lo) * es, cycle, now, events);
    if (events.hi) net_events(k, n, events.lo, events.hi);
}

// update_elements for one-byte elements: eight elements compared at a time,
// so that a wide vector of which a few elements change costs little.
template <>
__attribute__((noinline)) void update_elements<1>(Kernel &k, Net *n, const uint8_t *src, uint32_t lo, uint32_t hi) {
    uint8_t *val = n->value + lo;
    uint8_t *last = n->last_value + lo;
    uint64_t *event_cycle = n->elem_event_cycle + lo;
    int64_t *last_event = n->elem_last_event + lo;
    const uint64_t cyc = k.cycle;
    const int64_t now = k.now;
    const uint32_t count = hi - lo;
    EventRange events;  // relative to lo
    auto take = [&](uint32_t i) {
        last[i] = val[i];
        val[i] = src[i];
        event_cycle[i] = cyc;
        last_event[i] = now;
        events.add(i);
    };
    uint32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t a, b;
        std::memcpy(&a, val + i, 8);
        std::memcpy(&b, src + i, 8);
        for (uint64_t diff = a ^ b; diff != 0;) {
            const uint32_t byte = static_cast<uint32_t>(__builtin_ctzll(diff)) / 8;
            take(i + byte);
            diff &= ~(uint64_t{0xff} << (8 * byte));
        }
    }
    for (; i < count; ++i)
        if (val[i] != src[i]) take(i);
    if (events.hi) net_events(k, n, lo + events.lo, lo + events.hi);
}

// A one-element net whose element is ES bytes.
template <size_t ES>
__attribute__((always_inline)) inline void update_scalar(Kernel &k, Net *n, const uint8_t *src) {
    if (__builtin_memcmp(n->value, src, ES) == 0) return;
    copy_bytes(n->last_value, n->value, ES);
    copy_bytes(n->value, src, ES);
    n->last_event = k.now;
    net_events(k, n, 0, 1);
}

__attribute__((always_inline)) inline void update_from(Kernel &k, Net *n, const uint8_t *src, uint32_t lo,
                                                      uint32_t hi) {
    if (n->count == 1) {
        // the most common nets of all: one std_logic, bit or integer
        switch (n->esize) {
            case 1: return update_scalar<1>(k, n, src);
            case 4: return update_scalar<4>(k, n, src);
            case 8: return update_scalar<8>(k, n, src);
            default: break;
        }
    }
    switch (n->esize) {
        case 1: update_elements<1>(k, n, src, lo, hi); break;
        case 4: update_elements<4>(k, n, src, lo, hi); break;
        case 8: update_elements<8>(k, n, src, lo, hi); break;
        default: update_elements<0>(k, n, src, lo, hi); break;
    }
}

// Elements of a net with several sources, a resolution or forced values.
__attribute__((noinline)) void update_resolved(Kernel &k, Net *n, uint32_t lo, uint32_t hi) {
    const size_t es = n->esize;
    uint8_t *scratch = k.resolution_scratch.data();
    EventRange events;
    for (uint32_t e = lo; e < hi; ++e) {
        const uint8_t *nv = !n->forced.empty() && n->forced[e] ? n->force_value.data() + e * es
                                                               : resolve_element(n, e, scratch);
        take_value(n, e, es, nv, k.cycle, k.now, events);
    }
    if (events.hi) net_events(k, n, events.lo, events.hi);
}

// Elements [lo, hi) of a net whose every element has one driver of its own.
__attribute__((noinline)) void update_from_sources(Kernel &k, Net *n, uint32_t lo, uint32_t hi) {
    const size_t es = n->esize;
    const uint64_t cycle = k.cycle;
    const int64_t now = k.now;
    EventRange events;
    for (uint32_t e = lo; e < hi; ++e) take_value(n, e, es, n->elem_source[e], cycle, now, events);
    if (events.hi) net_events(k, n, events.lo, events.hi);
}

// Takes the new effective values of a dirty net; records events and wakes
// the processes sensitive to the changed elements.
void update_net(Kernel &k, Net *n) {
    n->dirty = false;
    if (n->count == 1 && n->has_force && n->forced[0]) {
        // a clock or value forced from the command line or a stimulus file
        const uint8_t *nv = n->force_value.data();
        switch (n->esize) {
            case 1: return update_scalar<1>(k, n, nv);
            case 4: return update_scalar<4>(k, n, nv);
            case 8: return update_scalar<8>(k, n, nv);
            default: break;
        }
    }
    if (n->sole && !n->has_force)
        update_from(k, n, n->sole->driving + static_cast<size_t>(n->dirty_lo) * n->esize, n->dirty_lo, n->dirty_hi);
    else if (n->elem_source && !n->has_force)
        update_from_sources(k, n, n->dirty_lo, n->dirty_hi);
    else
        update_resolved(k, n, n->dirty_lo, n->dirty_hi);
}

void run_process(Process *p) {
    Kernel &k = K();
    p->queued = false;
    if (p->flag) *p->flag = 0;
    k.current = p;
    k.current_path = nullptr;
    ++k.stats.activations;
    if (p->co) run_on_own_stack(p);
    else p->fn(p->block);
    k.current = nullptr;
}

// Result memory handed out during the activations of a cycle is reclaimed
// at its end.
inline void reclaim_transient(Kernel &k) {
    if (!k.transient.idle()) k.transient.reset();
}

// One delta cycle: update, then execute.
void cycle() {
    Kernel &k = K();
    ++k.cycle;
    ++k.stats.deltas;
    // No driver is written while the drivers are applied, so the list is
    // walked in place.
    for (Driver *d : k.active) {
        // this delta's zero-delay writes become the driving value
        d->in_active = false;
        const uint32_t lo = d->pending_lo, hi = d->pending_hi;
        if (lo >= hi) continue;
        d->pending_lo = d->pending_hi = 0;
        const size_t es = d->esize;
        if (lo == 0 && d->small_mask)
            std::memcpy(d->driving, d->pending, 8);  // both buffers hold at least eight bytes
        else
            copy_bytes(d->driving + lo * es, d->pending + lo * es, (hi - lo) * es);
        Net *n = d->net;
        if (n->sole == d && !n->dirty && !n->has_force) {
            // the net's only source: its new value is known now
            update_from(k, n, d->driving + lo * es, d->net_first + lo, d->net_first + hi);
        } else {
            mark_dirty(n, d->net_first + lo, d->net_first + hi);
        }
    }
    k.active.clear();
    for (size_t i = 0; i < k.dirty_nets.size(); ++i) update_net(k, k.dirty_nets[i]);
    k.dirty_nets.clear();
    k.run_work.swap(k.run_list);
    for (Process *p : k.run_work) {
        run_process(p);
        if (k.stop_requested) break;
    }
    k.run_work.clear();
    reclaim_transient(k);
}

std::string active_processes() {
    Kernel &k = K();
    std::string s;
    int n = 0;
    for (Process *p : k.run_list) {
        if (n++ == 8) {
            s += ", ...";
            break;
        }
        s += (s.empty() ? "" : ", ") + p->path;
    }
    for (Driver *d : k.active) {
        if (n++ >= 8) break;
        s += (s.empty() ? "" : ", ") + d->owner->path + " (driving " + d->signal_path + ")";
    }
    return s;
}

}  // namespace

void queue_push(int64_t time, EntryKind kind, void *obj) {
    Kernel &k = K();
    k.queue.push(time, kind, obj);
}

void apply_force(SignalView *v, const uint8_t *value) {
    Net *n = v->net;
    if (n->forced.empty()) {
        n->forced.assign(n->count, 0);
        n->force_value.assign(static_cast<size_t>(n->count) * n->esize, 0);
        n->has_force = true;
        if (n->sole) n->sole->sole_source = false;  // its value is no longer the net's
    }
    std::memset(n->forced.data() + v->first, 1, v->count);
    std::memcpy(n->force_value.data() + static_cast<size_t>(v->first) * n->esize, value,
                static_cast<size_t>(v->count) * n->esize);
    mark_dirty(n, v->first, v->first + v->count);
}

void initialise_nets() {
    Kernel &k = K();
    // Every driver starts from the initial value of the signal it was
    // declared for.
    for (auto &dp : k.drivers) {
        Driver *d = dp.get();
        size_t bytes = static_cast<size_t>(d->count) * d->esize;
        const SignalView *decl = nullptr;
        auto it = k.signal_by_path.find(d->signal_path);
        if (it != k.signal_by_path.end()) decl = it->second;
        if (decl && decl->init.size() >= (static_cast<size_t>(d->sig_first) * d->esize + bytes))
            std::memcpy(d->driving, decl->init.data() + static_cast<size_t>(d->sig_first) * d->esize, bytes);
        else
            std::memcpy(d->driving, d->net->value + static_cast<size_t>(d->net_first) * d->esize, bytes);
        std::memcpy(d->pending, d->driving, bytes);
    }
    // Effective initial values of driven and forced elements; no events.
    uint8_t *scratch = k.resolution_scratch.data();
    for (auto &np : k.nets) {
        Net *n = np.get();
        for (uint32_t e = 0; e < n->count; ++e) {
            const uint8_t *nv = nullptr;
            if (!n->forced.empty() && n->forced[e])
                nv = n->force_value.data() + static_cast<size_t>(e) * n->esize;
            else if (!n->sources[e].empty())
                nv = resolve_element(n, e, scratch);
            if (nv) std::memcpy(n->value + static_cast<size_t>(e) * n->esize, nv, n->esize);
        }
        std::memcpy(n->last_value, n->value, static_cast<size_t>(n->count) * n->esize);
        n->dirty = false;
    }
    k.dirty_nets.clear();
}

int run_cycles() {
    Kernel &k = K();
    const int64_t stop = k.opts.stop_time;
    k.running = true;
    try {
        // Initialisation: every process runs once.
        for (auto &p : k.processes) {
            run_process(p.get());
            reclaim_transient(k);
            if (k.stop_requested) break;
        }
        trace_cycle_end();
        while (!k.stop_requested) {
            int64_t deltas = 0;
            while (!k.active.empty() || !k.run_list.empty() || !k.dirty_nets.empty()) {
                if (++deltas > k.opts.max_deltas) {
                    std::fflush(stdout);
                    std::fprintf(stderr, "%s: error: more than %lld delta cycles at this time; still active: %s\n",
                                 format_time(k.now).c_str(), static_cast<long long>(k.opts.max_deltas),
                                 active_processes().c_str());
                    k.failed = true;
                    k.stop_reason = "the delta-cycle limit was reached";
                    k.stop_requested = true;
                    break;
                }
                cycle();
                if (k.stop_requested) break;
            }
            trace_cycle_end();
            if (k.stop_requested || end_of_time_step()) break;
            // Advance time.
            if (k.queue.empty()) {
                k.stop_reason = "no more events";
                break;
            }
            int64_t t = k.queue.top().time;
            if (t > stop) {
                k.now = stop;
                k.stop_reason = "stop time reached";
                break;
            }
            k.now = t;
            while (!k.queue.empty() && k.queue.top().time == t) {
                const QueueEntry e = k.queue.pop();
                switch (e.kind) {
                    case EntryKind::Driver: driver_fire(static_cast<Driver *>(e.obj), t); break;
                    case EntryKind::Process: {
                        Process *p = static_cast<Process *>(e.obj);
                        if (!p->queued) {
                            p->queued = true;
                            k.run_list.push_back(p);
                        }
                        break;
                    }
                    case EntryKind::Change: {
                        ForceChange *c = static_cast<ForceChange *>(e.obj);
                        apply_force(c->view, c->value.data());
                        break;
                    }
                    case EntryKind::Clock: {
                        ClockStim *c = static_cast<ClockStim *>(e.obj);
                        c->level_high = !c->level_high;
                        uint8_t v = c->level_high ? c->high : c->low;
                        apply_force(c->view, &v);
                        if (t <= INT64_MAX - c->phase()) queue_push(t + c->phase(), EntryKind::Clock, c);
                        break;
                    }
                }
            }
        }
    } catch (const CheckFailure &) {
        k.current = nullptr;
        k.transient.reset();
    }
    k.running = false;
    if (k.failed || k.error_reports > 0) return 1;
    return 0;
}

}  // namespace tovu

using namespace tovu;

extern "C" {

void zem_process_wait(void *process_record, int64_t delay) {
    Process *p;
    std::memcpy(&p, process_record, sizeof p);
    if (delay < 0) fail_check("wait for a negative time (" + std::to_string(delay) + " ps)");
    Kernel &k = K();
    if (delay == 0) {
        // Resumes in the next delta cycle.
        p->queued = true;
        k.run_list.push_back(p);
        return;
    }
    if (delay > INT64_MAX - k.now) return;  // beyond the end of time
    queue_push(k.now + delay, EntryKind::Process, p);
}

int64_t zem_get_sim_current_time(void) { return K().now; }

uint8_t zem_signal_has_event(void *signal_record) {
    SignalView *v;
    std::memcpy(&v, signal_record, sizeof v);
    const Net *n = v->net;
    const uint64_t c = K().cycle;
    if (n->event_cycle != c) return 0;
    if (v->is_whole) return 1;
    for (uint32_t e = v->first; e < v->first + v->count; ++e)
        if (n->elem_event_cycle[e] == c) return 1;
    return 0;
}

const uint8_t *zem_signal_last_value(void *signal_record) {
    SignalView *v;
    std::memcpy(&v, signal_record, sizeof v);
    return v->net->last_value + static_cast<size_t>(v->first) * v->net->esize;
}

int64_t zem_signal_get_last_event(void *signal_record) {
    SignalView *v;
    std::memcpy(&v, signal_record, sizeof v);
    int64_t last = INT64_MIN;
    for (uint32_t e = v->first; e < v->first + v->count; ++e) last = std::max(last, v->net->elem_last_event[e]);
    if (last == INT64_MIN) return INT64_MAX;  // never had an event: TIME'HIGH
    return K().now - last;
}

}  // extern "C"
