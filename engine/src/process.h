// A process of one unit instance, as the scheduler sees it.
#ifndef TOVU_PROCESS_H
#define TOVU_PROCESS_H

#include <cstdint>
#include <string>

#include "hot_arena.h"
#include "tovu/zem.h"

namespace tovu {

struct Process : HotObject {
    bool queued = false;      // in the run list of the coming cycle
    int32_t *flag = nullptr;  // sensitivity-wait flag, or nullptr
    zem_process_fn fn = nullptr;
    char *block = nullptr;
    char *record = nullptr;
    struct Coroutine *co = nullptr;  // its own stack, for a process that may suspend in a subprogram
    struct WaitPoint *wait_point = nullptr;
    std::string path;  // instance path and process name
};

// The wait point of a process (its record's +0xE0 points here): armed while
// a subprogram of the process waits on the signals it added.
struct WaitPoint {
    int32_t status = 0;  // 1: armed
    Process *process = nullptr;
};

}  // namespace tovu

#endif
