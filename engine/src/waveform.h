// A driver's projected output waveform: its future transactions in time
// order. Due transactions leave from the front, which only advances a start
// index, so a driver that matures transactions one at a time (a delay line)
// moves no memory.
#ifndef TOVU_WAVEFORM_H
#define TOVU_WAVEFORM_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovu {

// One scheduled change of some elements of a driver.
struct Transaction {
    int64_t time;
    uint32_t first;  // element within the driver's scope
    uint32_t count;
    uint32_t data;  // byte offset of the values in the driver's pool
};

class Waveform {
public:
    bool empty() const { return head_ == items_.size(); }
    size_t size() const { return items_.size() - head_; }
    Transaction &operator[](size_t i) { return items_[head_ + i]; }
    const Transaction &operator[](size_t i) const { return items_[head_ + i]; }
    Transaction &front() { return items_[head_]; }
    Transaction &back() { return items_.back(); }
    Transaction *begin() { return items_.data() + head_; }
    Transaction *end() { return items_.data() + items_.size(); }

    void push_back(const Transaction &t) { items_.push_back(t); }
    // Inserts before the i-th transaction.
    void insert(size_t i, const Transaction &t) { items_.insert(items_.begin() + static_cast<long>(head_ + i), t); }
    void erase(size_t i) {
        items_.erase(items_.begin() + static_cast<long>(head_ + i));
        if (empty()) clear();
    }
    // Removes the first n transactions.
    void drop_front(size_t n) {
        head_ += n;
        if (empty()) {
            clear();
        } else if (head_ >= 64 && head_ >= size()) {
            // the dead front outweighs the live part: reclaim it
            items_.erase(items_.begin(), items_.begin() + static_cast<long>(head_));
            head_ = 0;
        }
    }
    void clear() {
        items_.clear();
        head_ = 0;
    }

private:
    std::vector<Transaction> items_;
    size_t head_ = 0;  // items_[0, head_) are gone
};

}  // namespace tovu

#endif
