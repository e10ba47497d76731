// Local array variables of the std_logic_vector operators of the unsigned
// and signed views of std_logic_arith: a result variable built in the
// function's own buffer and returned in exactly its length of transient
// memory; and the locals of numeric_std, which the functions write
// themselves (FrameVector).
#ifndef TOVU_IEEE_VECTOR_LOCALS_H
#define TOVU_IEEE_VECTOR_LOCALS_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <memory>

#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace vector_locals {

using tovu::layout::make_bounds;

// std_logic_vector's type descriptor in std_logic_1164's block.
constexpr size_t kStdLogicVectorType = 0xfb8;
inline void *std_logic_vector_type() { return tovu::layout::type_descriptor(IEEE_P_2592010699, kStdLogicVectorType); }

// 'LENGTH of an array: a null range may carry a negative length field when its
// bounds lie more than one apart; it has no elements.
inline int32_t length_of(const array_bounds *bounds) { return bounds->length > 0 ? bounds->length : 0; }
inline array_bounds range_of(const array_bounds *bounds) {
    return make_bounds(bounds->left, bounds->right, bounds->dir);
}
inline array_bounds descending_range(int32_t length) { return make_bounds(length - 1, 0, -1); }  // N-1 downto 0
// Position in an array's data of its element I.
inline size_t offset_in(const array_bounds &b, int32_t i) {
    return static_cast<size_t>(b.dir > 0 ? int64_t{i} - b.left : int64_t{b.left} - i);
}

// A local array variable of the function: its range, and its elements in a
// buffer of the function's own (inline for usual lengths, on the heap only for
// long vectors). It starts from the type's default value, or from the initial
// value of its declaration (an aggregate or another value of its length).
// `InlineBytes` is the size of the inline buffer.
template <size_t InlineBytes>
class BasicLocalVector {
public:
    BasicLocalVector(void *type, const array_bounds &range) : BasicLocalVector(range) {
        zem_type_set_default_value(type, data_, &range_);
    }
    BasicLocalVector(const array_bounds &range, const uint8_t *initial) : BasicLocalVector(range) { assign(initial); }
    BasicLocalVector(const BasicLocalVector &) = delete;
    BasicLocalVector &operator=(const BasicLocalVector &) = delete;

    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    const array_bounds *bounds() const { return &range_; }
    const array_bounds &range() const { return range_; }
    int32_t length() const { return static_cast<int32_t>(size()); }

    // Position in the data of element I of the range.
    size_t offset(int32_t i) const { return offset_in(range_, i); }
    uint8_t &at(int32_t i) { return data_[offset(i)]; }
    uint8_t at(int32_t i) const { return data_[offset(i)]; }
    uint8_t leftmost() const { return data_[0]; }

    // Assignment of a whole value of the variable's length.
    void assign(const uint8_t *value) {
        if (size() > 0) memcpy(data_, value, size());
    }
    // Assignment of a whole array value, element by element from the left.
    // The lengths must match; a mismatch is a failed check and does not return.
    void assign(const uint8_t *value, const array_bounds &value_bounds) {
        const int32_t n = length_of(&value_bounds);
        if (n != static_cast<int32_t>(size())) zem_size_not_matching(static_cast<int32_t>(size()), n, 0);
        assign(value);
    }
    // Assignment of a value that a callee returned, with the length the
    // callee gave it; never more than the variable holds is copied.
    void take(const uint8_t *value, const array_bounds &value_bounds) {
        const size_t n = static_cast<size_t>(length_of(&value_bounds));
        if (n > 0) memcpy(data_, value, n < size() ? n : size());
    }

    // RETURN: a copy in exactly the variable's length of transient memory, and
    // its bounds in the caller's record.
    uint8_t *return_value(array_bounds *out) const {
        auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(size())));
        if (size() > 0) memcpy(copy, data_, size());
        *out = make_bounds(range_.left, range_.right, range_.dir);
        return copy;
    }

private:
    explicit BasicLocalVector(const array_bounds &range) : range_(range) {
        if (size() > sizeof inline_) {
            heap_ = std::make_unique<uint8_t[]>(size());
            data_ = heap_.get();
        }
    }
    size_t size() const { return range_.length > 0 ? static_cast<size_t>(range_.length) : 0; }

    array_bounds range_;
    uint8_t inline_[InlineBytes];
    std::unique_ptr<uint8_t[]> heap_;
    uint8_t *data_ = inline_;
};

// The result variables of the std_logic_arith views.
using LocalVector = BasicLocalVector<256>;
// numeric_std's locals: many to a call and nested several calls deep, so a
// smaller inline buffer.
using FrameVector = BasicLocalVector<128>;

// The arithmetic operators: a STD_LOGIC_VECTOR result variable of `range`
// takes the value that `compute` gets from std_logic_arith (compute fills the
// bounds record it is given and returns the data).
template <typename Compute>
uint8_t *arithmetic_result(const array_bounds &range, array_bounds *out, Compute compute) {
    LocalVector result(std_logic_vector_type(), range);
    array_bounds value_bounds;
    const uint8_t *value = compute(&value_bounds);
    result.assign(value, value_bounds);
    return result.return_value(out);
}

}  // namespace vector_locals

#endif
