// A process of one unit instance, as the scheduler sees it.
#ifndef TOVU_PROCESS_H
#define TOVU_PROCESS_H

#include <cstdint>
#include <string>

#include "tovu/zem.h"

namespace tovu {

struct Process {
    zem_process_fn fn = nullptr;
    char *block = nullptr;
    char *record = nullptr;
    int32_t *flag = nullptr;   // sensitivity-wait flag, or nullptr
    std::string path;          // instance path and process name
    bool queued = false;       // in the run list of the coming cycle
    bool waited = false;       // called zem_process_wait during this activation
    uint64_t activations = 0;
};

}  // namespace tovu

#endif
