// The simulation cycle: transactions, effective values, events, processes.
#ifndef TOVU_SCHEDULER_H
#define TOVU_SCHEDULER_H

#include "kernel.h"

namespace tovu {

// Queue of timed entries (driver transactions, timed waits, stimulus).
void queue_push(int64_t time, EntryKind kind, void *obj);

// Marks elements [lo, hi) of a net for re-evaluation in this cycle.
inline void mark_dirty(Net *n, uint32_t lo, uint32_t hi) {
    if (!n->dirty) {
        n->dirty = true;
        n->dirty_lo = lo;
        n->dirty_hi = hi;
        K().dirty_nets.push_back(n);
    } else {
        if (lo < n->dirty_lo) n->dirty_lo = lo;
        if (hi > n->dirty_hi) n->dirty_hi = hi;
    }
}

// Computes the initial effective values from the drivers' initial values.
void initialise_nets();

// Runs the whole simulation from time 0 to the stop time; returns the exit
// status of the run.
int run_cycles();

// Sets forced values (stimulus) on a view; takes effect in the coming cycle.
void apply_force(SignalView *v, const uint8_t *value);

}  // namespace tovu

#endif
