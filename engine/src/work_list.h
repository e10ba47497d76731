// The cycle's work lists (active drivers, dirty nets, processes to run): a
// growable array whose append is a store and an increment, with the rare
// growth out of line, so that the hot paths that append stay small.
#ifndef TOVU_WORK_LIST_H
#define TOVU_WORK_LIST_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

namespace tovu {

template <typename T>
class WorkList {
public:
    WorkList() = default;
    WorkList(const WorkList &) = delete;
    WorkList &operator=(const WorkList &) = delete;

    void push_back(T v) {
        if (__builtin_expect(size_ == capacity_, 0)) grow();
        items_[size_++] = v;
    }
    bool empty() const { return size_ == 0; }
    size_t size() const { return size_; }
    void clear() { size_ = 0; }
    void swap(WorkList &o) noexcept {
        std::swap(store_, o.store_);
        std::swap(items_, o.items_);
        std::swap(size_, o.size_);
        std::swap(capacity_, o.capacity_);
    }
    T &operator[](size_t i) { return items_[i]; }
    T *begin() { return items_; }
    T *end() { return items_ + size_; }
    const T *begin() const { return items_; }
    const T *end() const { return items_ + size_; }

private:
    __attribute__((noinline)) void grow() {
        const size_t cap = capacity_ ? 2 * capacity_ : 64;
        std::unique_ptr<T[]> bigger(new T[cap]);
        if (size_) std::memcpy(bigger.get(), items_, size_ * sizeof(T));
        store_ = std::move(bigger);
        items_ = store_.get();
        capacity_ = cap;
    }

    std::unique_ptr<T[]> store_;
    T *items_ = nullptr;
    size_t size_ = 0, capacity_ = 0;
};

}  // namespace tovu

#endif
