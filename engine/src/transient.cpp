#include "transient.h"

#include <new>

namespace tovu {

namespace {

size_t round_up(size_t n, size_t to) { return (n + to - 1) / to * to; }

}  // namespace

TransientArena::~TransientArena() {
    for (const Chunk &c : chunks_) free_chunk(c);
    for (const LargeChunk &l : large_) free_chunk(l.chunk);
}

TransientArena::Chunk TransientArena::new_chunk(size_t size) {
    char *data = static_cast<char *>(::operator new (size, std::align_val_t{kAlignment}, std::nothrow));
    if (data != nullptr) TOVU_POISON(data, size);
    return Chunk{data, size};
}

void TransientArena::free_chunk(const Chunk &c) {
    TOVU_UNPOISON(c.data, c.size);
    ::operator delete (c.data, std::align_val_t{kAlignment});
}

void *TransientArena::allocate_slow(uint32_t n) {
    if (n > kMaxRequest) return nullptr;
    // Every block takes at least one aligned slot, so blocks are distinct
    // even for n == 0.
    const size_t size = round_up(n == 0 ? 1 : n, kAlignment);
    if (size > kChunkSize) return allocate_large(size, n);

    if (!chunks_.empty() && used_ + size > chunks_[current_].size) {
        ++current_;
        used_ = 0;
    }
    if (current_ >= chunks_.size()) {
        const Chunk c = new_chunk(kChunkSize);
        if (c.data == nullptr) return nullptr;
        chunks_.push_back(c);
        reserved_ += c.size;
        current_ = chunks_.size() - 1;
        used_ = 0;
    }
    char *block = chunks_[current_].data + used_;
    used_ += size;
    next_ = block + size;
    room_ = chunks_[current_].size - used_;
    TOVU_UNPOISON(block, n);
    return block;
}

void *TransientArena::allocate_large(size_t size, size_t requested) {
    // Reuse the smallest kept chunk that fits.
    LargeChunk *best = nullptr;
    for (LargeChunk &l : large_) {
        if (!l.in_use && l.chunk.size >= size && (best == nullptr || l.chunk.size < best->chunk.size)) best = &l;
    }
    if (best == nullptr) {
        const Chunk c = new_chunk(size);
        if (c.data == nullptr) return nullptr;
        large_.push_back(LargeChunk{c, false, false});
        reserved_ += c.size;
        best = &large_.back();
    }
    best->in_use = true;
    TOVU_UNPOISON(best->chunk.data, requested);
    return best->chunk.data;
}

void TransientArena::reset() {
    for (size_t i = 0; i < chunks_.size() && i <= current_; ++i) TOVU_POISON(chunks_[i].data, chunks_[i].size);
    current_ = 0;
    used_ = 0;
    next_ = chunks_.empty() ? nullptr : chunks_[0].data;
    room_ = chunks_.empty() ? 0 : chunks_[0].size;

    // Keep the large chunks used in this cycle or the one before, free the rest.
    size_t kept = 0;
    for (LargeChunk &l : large_) {
        if (l.in_use || l.used_last) {
            TOVU_POISON(l.chunk.data, l.chunk.size);
            l.used_last = l.in_use;
            l.in_use = false;
            large_[kept++] = l;
        } else {
            reserved_ -= l.chunk.size;
            free_chunk(l.chunk);
        }
    }
    large_.resize(kept);
}

}  // namespace tovu
