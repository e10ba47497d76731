// The queue of timed entries (driver transactions, timed waits, stimulus),
// earliest first and, among entries of one time, in the order they were
// pushed, so that runs are deterministic. A four-way heap: half the depth of
// a binary heap, and the four children of a node share a cache line or two.
#ifndef TOVU_TIME_QUEUE_H
#define TOVU_TIME_QUEUE_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovu {

enum class EntryKind : uint8_t { Driver, Process, Change, Clock };

struct QueueEntry {
    int64_t time;
    uint64_t seq;  // push order
    void *obj;
    EntryKind kind;
};

class TimeQueue {
public:
    bool empty() const { return heap_.empty(); }
    const QueueEntry &top() const { return heap_.front(); }

    void push(int64_t time, EntryKind kind, void *obj) {
        const QueueEntry e{time, seq_++, obj, kind};
        size_t i = heap_.size();
        heap_.push_back(e);
        while (i > 0) {
            const size_t parent = (i - 1) / kArity;
            if (!before(e, heap_[parent])) break;
            heap_[i] = heap_[parent];
            i = parent;
        }
        heap_[i] = e;
    }

    // Removes and returns the earliest entry.
    QueueEntry pop() {
        const QueueEntry first = heap_.front();
        const QueueEntry last = heap_.back();
        heap_.pop_back();
        const size_t n = heap_.size();
        if (n > 0) {
            size_t i = 0;
            for (;;) {
                const size_t child = kArity * i + 1;
                if (child >= n) break;
                size_t best = child;
                const size_t end = child + kArity < n ? child + kArity : n;
                for (size_t c = child + 1; c < end; ++c)
                    if (before(heap_[c], heap_[best])) best = c;
                if (!before(heap_[best], last)) break;
                heap_[i] = heap_[best];
                i = best;
            }
            heap_[i] = last;
        }
        return first;
    }

private:
    static constexpr size_t kArity = 4;
    static bool before(const QueueEntry &a, const QueueEntry &b) {
        return a.time != b.time ? a.time < b.time : a.seq < b.seq;
    }

    std::vector<QueueEntry> heap_;
    uint64_t seq_ = 0;
};

}  // namespace tovu

#endif
