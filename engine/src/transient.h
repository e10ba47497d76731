// Short-lived result memory for zem_get_transient_memory: a bump allocator
// whose blocks all stay valid until the next reset().
#ifndef TOVU_TRANSIENT_H
#define TOVU_TRANSIENT_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Under AddressSanitizer the free parts of every chunk are poisoned, so a
// unit that writes past the end of a transient block is caught at once.
#if defined(__SANITIZE_ADDRESS__)
#define TOVU_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOVU_ASAN 1
#endif
#endif

#ifdef TOVU_ASAN
#include <sanitizer/asan_interface.h>
#define TOVU_POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define TOVU_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
#else
#define TOVU_POISON(p, n) ((void)(p), (void)(n))
#define TOVU_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace tovu {

class TransientArena {
public:
    // Regular chunks hold many small blocks; a request larger than this gets
    // a chunk of its own.
    static constexpr size_t kChunkSize = 64 * 1024;
    static constexpr size_t kAlignment = 16;
    // Requests above this are refused (nullptr); the caller reports them.
    static constexpr size_t kMaxRequest = size_t{1} << 30;

    TransientArena() = default;
    ~TransientArena();
    TransientArena(const TransientArena &) = delete;
    TransientArena &operator=(const TransientArena &) = delete;

    // A block of n bytes, 16-byte aligned, valid until the next reset(). A
    // request of 0 bytes still gets a distinct, non-null pointer. Returns
    // nullptr for requests over kMaxRequest or when memory runs out.
    void *allocate(uint32_t n) {
        // The common case: a small block that fits the current chunk.
        const size_t size = (static_cast<size_t>(n) + (n == 0) + kAlignment - 1) & ~(kAlignment - 1);
        if (size <= room_) {
            char *block = next_;
            next_ += size;
            room_ -= size;
            used_ += size;
            TOVU_UNPOISON(block, n);
            return block;
        }
        return allocate_slow(n);
    }

    // Reclaims every block allocated since the last reset. Regular chunks are
    // kept for reuse, so a steady pattern of allocate/reset allocates nothing
    // from the system. The own chunks of large requests are kept for reuse
    // while they were used in one of the last two cycles and freed after
    // that, so memory does not grow over a long run of reset cycles.
    void reset();

    // True when nothing was allocated since the last reset (and no large
    // chunk waits to be released), so that reset() has nothing to do.
    bool idle() const { return current_ == 0 && used_ == 0 && large_.empty(); }

    // Bytes held in chunks, used or free.
    size_t bytes_reserved() const { return reserved_; }

private:
    struct Chunk {
        char *data;
        size_t size;
    };
    struct LargeChunk {
        Chunk chunk;
        bool in_use;     // handed out since the last reset
        bool used_last;  // was handed out in the cycle before
    };

    static Chunk new_chunk(size_t size);
    void *allocate_slow(uint32_t n);
    void free_chunk(const Chunk &c);
    void *allocate_large(size_t size, size_t requested);

    std::vector<Chunk> chunks_;  // regular chunks; chunks_[current_] is being filled
    size_t current_ = 0;
    size_t used_ = 0;  // bytes used in chunks_[current_]
    char *next_ = nullptr;  // next free byte of chunks_[current_]
    size_t room_ = 0;       // bytes free after next_
    std::vector<LargeChunk> large_;
    size_t reserved_ = 0;
};

}  // namespace tovu

#endif
