// Drivers: projected output waveforms, transport and inertial assignment.
#include <algorithm>
#include <cstring>

#include "check.h"
#include "scheduler.h"
#include "tovu/layout.h"

namespace tovu {

namespace {

inline Driver *driver_of(void *record) {
    Driver *d;
    memcpy(&d, static_cast<char *>(record) + layout::kDriverObjectPtr, sizeof d);
    return d;
}

inline void activate(Driver *d) {
    if (!d->in_active) {
        d->in_active = true;
        K().active.push_back(d);
    }
}

// Keeps the driver's first-line flag in step with its waveform.
inline void wave_changed(Driver *d) { d->has_wave = !d->wave.empty(); }

// Removes elements [lo, hi) of the scope from every future transaction at or
// after `from`.
void delete_from(Driver *d, int64_t from, uint32_t lo, uint32_t hi) {
    auto &w = d->wave;
    if (w.empty() || w.back().time < from) return;  // sorted by time: nothing at or after `from`
    for (size_t i = 0; i < w.size();) {
        Transaction &t = w[i];
        uint32_t tlo = t.first, thi = t.first + t.count;
        if (t.time < from || thi <= lo || tlo >= hi) {
            ++i;
            continue;
        }
        if (lo <= tlo && thi <= hi) {
            w.erase(i);
            continue;
        }
        // Partial overlap: keep the parts outside [lo, hi).
        Transaction keep_left = t, keep_right = t;
        bool left = tlo<lo, right = thi> hi;
        keep_left.count = lo - tlo;
        keep_right.first = hi;
        keep_right.count = thi - hi;
        keep_right.data = t.data + (hi - tlo) * d->esize;
        if (left && right) {
            w[i] = keep_left;
            w.insert(i + 1, keep_right);
            i += 2;
        } else {
            w[i] = left ? keep_left : keep_right;
            ++i;
        }
    }
    if (w.empty()) d->pool.clear();
    wave_changed(d);
}

// Removes one element from the transaction at index i, splitting it.
void remove_element(Driver *d, size_t i, uint32_t e) {
    auto &w = d->wave;
    Transaction t = w[i];
    Transaction right = t;
    right.first = e + 1;
    right.count = t.first + t.count - (e + 1);
    right.data = t.data + (e + 1 - t.first) * d->esize;
    Transaction left = t;
    left.count = e - t.first;
    if (left.count && right.count) {
        w[i] = left;
        w.insert(i + 1, right);
    } else if (left.count) {
        w[i] = left;
    } else if (right.count) {
        w[i] = right;
    } else {
        w.erase(i);
    }
    wave_changed(d);
}

// Drops the pool bytes no transaction uses any more once they dominate.
void compact_pool(Driver *d) {
    if (d->pool.size() < 4096) return;
    size_t live = 0;
    for (const Transaction &t : d->wave) live += static_cast<size_t>(t.count) * d->esize;
    if (d->pool.size() < 4096 || d->pool.size() < 4 * live) return;
    std::vector<uint8_t> fresh;
    fresh.reserve(live * 2);
    for (Transaction &t : d->wave) {
        uint32_t off = static_cast<uint32_t>(fresh.size());
        fresh.insert(fresh.end(), d->pool.begin() + t.data, d->pool.begin() + t.data + t.count * d->esize);
        t.data = off;
    }
    d->pool.swap(fresh);
}

// Reports a transaction on elements outside the driver's scope.
[[noreturn]] __attribute__((noinline)) void outside_scope(Driver *d, uint32_t position, uint32_t count) {
    fail_check("assignment to elements " + std::to_string(position) + " to " +
               std::to_string(static_cast<int64_t>(position) + count - 1) + " of " + d->signal_path +
               ", outside the elements the driver was declared for");
}

// Checks the element range of a transaction against the driver's scope and
// returns the first scope element.
inline uint32_t scope_index(Driver *d, uint32_t position, uint32_t count) {
    if (position < d->sig_first || count > d->count || position - d->sig_first > d->count - count)
        outside_scope(d, position, count);
    return position - d->sig_first;
}

// Zero-delay write of `count` scope elements starting at `first` from the
// start of the staging buffer.
inline void write_now(Driver *d, uint32_t first, uint32_t count) {
    if (d->has_wave) delete_from(d, K().now, first, first + count);
    copy_bytes(d->pending + static_cast<size_t>(first) * d->esize, d->staging, static_cast<size_t>(count) * d->esize);
    if (d->pending_lo >= d->pending_hi) {
        d->pending_lo = first;
        d->pending_hi = first + count;
    } else {
        d->pending_lo = std::min(d->pending_lo, first);
        d->pending_hi = std::max(d->pending_hi, first + count);
    }
    activate(d);
    d->last_time = K().now;
    d->last_first = first;
    d->last_count = count;
    d->last_valid = true;
}

// A zero-delay assignment of the whole scope while future transactions are
// pending (they are deleted first), or of a value wider than eight bytes.
__attribute__((noinline)) void write_whole_general(Driver *d) {
    if (d->has_wave) return write_now(d, 0, d->count);
    d->last_valid = false;
    const size_t bytes = static_cast<size_t>(d->count) * d->esize;
    if (!d->sole_source || d->pending_lo < d->pending_hi || !same_bytes(d->staging, d->driving, bytes)) {
        copy_bytes(d->pending, d->staging, bytes);
        d->pending_lo = 0;
        d->pending_hi = d->count;
    }
    if (!d->in_active) {
        d->in_active = true;
        K().active.push_back(d);
    }
}

// Zero-delay assignment of the driver's whole scope: the most common
// assignment of all, so it takes the short way when nothing is pending.
inline void write_whole(Driver *d) {
    Kernel &k = K();
    ++k.stats.transactions;
    const uint64_t mask = d->small_mask;
    if (__builtin_expect(d->has_wave || mask == 0, 0)) return write_whole_general(d);
    d->last_valid = false;
    // Values of up to eight bytes are compared and copied as one word: the
    // staging, driving and pending buffers all hold at least eight bytes.
    uint64_t staged, driving;
    std::memcpy(&staged, d->staging, 8);
    std::memcpy(&driving, d->driving, 8);
    if (!d->sole_source || d->pending_lo < d->pending_hi || ((staged ^ driving) & mask) != 0) {
        std::memcpy(d->pending, &staged, 8);
        d->pending_lo = 0;
        d->pending_hi = d->count;
    }
    // else the driver already drives this value and nothing else is pending:
    // no element can change, and the delta cycle finds nothing to apply.
    if (!d->in_active) {
        d->in_active = true;
        k.active.push_back(d);
    }
}

int64_t target_time(int64_t delay) {
    if (delay < 0) fail_check("negative delay " + std::to_string(delay) + " ps in a signal assignment");
    int64_t now = K().now;
    if (delay > INT64_MAX - now) return INT64_MAX;  // beyond the end of time: never happens
    return now + delay;
}

void insert_future(Driver *d, int64_t t, uint32_t first, uint32_t count, const uint8_t *bytes) {
    Transaction tx;
    tx.time = t;
    tx.first = first;
    tx.count = count;
    tx.data = static_cast<uint32_t>(d->pool.size());
    d->pool.insert(d->pool.end(), bytes, bytes + static_cast<size_t>(count) * d->esize);
    if (d->wave.empty() || d->wave.back().time <= t) {
        d->wave.push_back(tx);  // the latest transaction: the usual case
    } else {
        const Transaction *pos = std::upper_bound(d->wave.begin(), d->wave.end(), t,
                                                  [](int64_t v, const Transaction &x) { return v < x.time; });
        d->wave.insert(static_cast<size_t>(pos - d->wave.begin()), tx);
    }
    d->has_wave = true;
    if (d->heap_time < 0 || t < d->heap_time) {
        d->heap_time = t;
        queue_push(t, EntryKind::Driver, d);
    }
    d->last_time = t;
    d->last_first = first;
    d->last_count = count;
    d->last_valid = true;
    compact_pool(d);
}

void transaction(Driver *d, uint32_t position, uint32_t count, int64_t delay, bool deleting) {
    uint32_t first = scope_index(d, position, count);
    if (count == 0) return;
    ++K().stats.transactions;
    if (delay == 0) {
        if (deleting) {
            write_now(d, first, count);
        } else {
            // a later waveform element at the same time as the first: it simply replaces the value
            std::memcpy(d->pending + static_cast<size_t>(first) * d->esize, d->staging,
                        static_cast<size_t>(count) * d->esize);
            d->pending_lo = d->pending_lo >= d->pending_hi ? first : std::min(d->pending_lo, first);
            d->pending_hi = std::max(d->pending_hi, first + count);
            activate(d);
        }
        return;
    }
    int64_t t = target_time(delay);
    if (deleting) delete_from(d, t, first, first + count);
    if (t == INT64_MAX) return;
    insert_future(d, t, first, count, d->staging);
}

}  // namespace

// Applies the transactions of a driver that are due now; marks its net.
void driver_apply_due(Driver *d, int64_t now) {
    auto &w = d->wave;
    size_t n = 0;
    while (n < w.size() && w[n].time <= now) {
        const Transaction &t = w[n];
        size_t off = static_cast<size_t>(t.first) * d->esize, len = static_cast<size_t>(t.count) * d->esize;
        copy_bytes(d->driving + off, d->pool.data() + t.data, len);
        copy_bytes(d->pending + off, d->pool.data() + t.data, len);
        mark_dirty(d->net, d->net_first + t.first, d->net_first + t.first + t.count);
        ++n;
    }
    if (n) w.drop_front(n);
    if (w.empty()) d->pool.clear();
    wave_changed(d);
}

// After the queue entry of a driver fired: apply what is due, queue the next.
void driver_fire(Driver *d, int64_t time) {
    if (d->heap_time != time) return;  // superseded by an earlier entry
    d->heap_time = -1;
    driver_apply_due(d, time);
    if (!d->wave.empty()) {
        d->heap_time = d->wave.front().time;
        queue_push(d->heap_time, EntryKind::Driver, d);
    }
}

}  // namespace tovu

using namespace tovu;

extern "C" {

void zem_driver_first_trans_fast(void *driver_record) { write_whole(driver_of(driver_record)); }

void zem_driver_first_trans_fast_port(void *driver_record) { write_whole(driver_of(driver_record)); }

void zem_driver_first_trans_delta(void *driver_record, uint32_t position, uint32_t count, int64_t delay) {
    transaction(driver_of(driver_record), position, count, delay, true);
}

void zem_driver_subsequent_trans_delta(void *driver_record, uint32_t position, uint32_t count, int64_t delay) {
    transaction(driver_of(driver_record), position, count, delay, false);
}

void zem_driver_intertial_reject(void *driver_record, int64_t reject, int64_t delay) {
    Driver *d = driver_of(driver_record);
    if (!d->last_valid) return;
    if (reject < 0) fail_check("negative pulse rejection limit " + std::to_string(reject) + " ps");
    const int64_t now = K().now;
    const int64_t t = d->last_time;
    if (t == now) return;                    // a zero-delay assignment has an empty rejection window
    if (reject > t - now) reject = t - now;  // the limit cannot exceed the delay
    const int64_t window = t - reject;
    const uint32_t es = d->esize;
    // The new transaction: the last one inserted at time t for this range.
    size_t newi = d->wave.size();
    for (size_t i = 0; i < d->wave.size(); ++i)
        if (d->wave[i].time == t && d->wave[i].first == d->last_first && d->wave[i].count == d->last_count) newi = i;
    if (newi == d->wave.size()) return;
    std::vector<size_t> doomed;
    for (uint32_t e = d->last_first; e < d->last_first + d->last_count; ++e) {
        const Transaction &nt = d->wave[newi];
        const uint8_t *ve = d->pool.data() + nt.data + static_cast<size_t>(e - nt.first) * es;
        // Old transactions of this element in [window, t), latest first: the
        // run of equal values just before the new one survives, the rest go.
        bool chain = true;
        doomed.clear();
        for (size_t i = newi; i-- > 0;) {
            const Transaction &x = d->wave[i];
            if (x.time < window) break;
            if (x.time >= t || e < x.first || e >= x.first + x.count) continue;
            const uint8_t *vx = d->pool.data() + x.data + static_cast<size_t>(e - x.first) * es;
            if (chain && std::memcmp(vx, ve, es) == 0) continue;
            chain = false;
            doomed.push_back(i);
        }
        // doomed holds indices in decreasing order, so splitting one never
        // moves the next.
        for (size_t i : doomed) remove_element(d, i, e);
        if (!doomed.empty())
            for (size_t i = 0; i < d->wave.size(); ++i)
                if (d->wave[i].time == t && d->wave[i].first == d->last_first && d->wave[i].count == d->last_count)
                    newi = i;
        // A zero-delay value written in this cycle is the oldest candidate.
        if (now >= window && d->pending_lo <= e && e < d->pending_hi) {
            uint8_t *pv = d->pending + static_cast<size_t>(e) * es;
            if (!chain || std::memcmp(pv, ve, es) != 0) std::memcpy(pv, d->driving + static_cast<size_t>(e) * es, es);
        }
    }
    (void)delay;
}

}  // extern "C"
