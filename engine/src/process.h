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
    bool waited = false;      // called zem_process_wait during this activation
    int32_t *flag = nullptr;  // sensitivity-wait flag, or nullptr
    zem_process_fn fn = nullptr;
    char *block = nullptr;
    char *record = nullptr;
    std::string path;  // instance path and process name
};

}  // namespace tovu

#endif
