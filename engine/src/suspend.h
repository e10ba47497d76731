// Processes that wait inside a subprogram: their own stacks, dynamic waits.
#ifndef TOVU_SUSPEND_H
#define TOVU_SUSPEND_H

#include <cstddef>

#include "net.h"
#include "process.h"

namespace tovu {

// Size of the kernel object a process record's +0x58 points to; the state
// word the suspending code writes lies at +0x9B0.
constexpr size_t kSuspendContextSize = 0xA00;

// Gives a process a stack of its own (design data: `process ... stack`).
void give_own_stack(Process *p);

// Runs (or resumes) an activation of a process on its own stack; rethrows a
// failed check raised inside it.
void run_on_own_stack(Process *p);

// Resumes the processes waiting on elements [lo, hi) of a net.
void wake_dynamic(Net *n, uint32_t lo, uint32_t hi);

// Frees the stacks (at reset).
void release_coroutines();

}  // namespace tovu

#endif
