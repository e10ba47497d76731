// Memory for the objects the simulation cycle touches on every event (nets
// and their values, drivers and their buffers, processes), handed out one
// after another in elaboration order so that what is used together lies
// together. Released all at once when the kernel is reset.
#ifndef TOVU_HOT_ARENA_H
#define TOVU_HOT_ARENA_H

#include <cstddef>

namespace tovu {

// Zeroed memory, aligned to `align` (a power of two up to 64).
void *hot_alloc(size_t n, size_t align = 16);
// Frees everything hot_alloc handed out.
void hot_release();

// Base for kernel objects that live in the arena.
struct HotObject {
    static void *operator new(size_t n) { return hot_alloc(n, 64); }
    static void operator delete(void *) noexcept {}
};

}  // namespace tovu

#endif
