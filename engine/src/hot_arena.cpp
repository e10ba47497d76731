#include "hot_arena.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace tovu {

namespace {

constexpr size_t kChunk = 1 << 20;

struct Arena {
    std::vector<char *> chunks;
    size_t used = 0, size = 0;
    ~Arena() { release(); }
    void release() {
        for (char *c : chunks) std::free(c);
        chunks.clear();
        used = size = 0;
    }
};

Arena &arena() {
    static Arena a;
    return a;
}

}  // namespace

void *hot_alloc(size_t n, size_t align) {
    Arena &a = arena();
    size_t start = (a.used + align - 1) & ~(align - 1);
    if (a.chunks.empty() || start + n > a.size) {
        size_t size = n + align > kChunk ? n + align : kChunk;
        char *c = static_cast<char *>(std::calloc(1, size + 64));
        if (!c) throw std::bad_alloc();
        a.chunks.push_back(c);
        a.size = size;
        // chunk memory from calloc is 16-byte aligned; align the start to 64
        a.used = (64 - reinterpret_cast<uintptr_t>(c) % 64) % 64;
        a.size = size + a.used;
        start = (a.used + align - 1) & ~(align - 1);
    }
    char *p = a.chunks.back() + start;
    a.used = start + n;
    return p;
}

void hot_release() { arena().release(); }

}  // namespace tovu
