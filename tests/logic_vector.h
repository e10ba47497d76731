// std_logic vectors for package tests: literals as strings, vectors with
// their bounds.
#ifndef TOVU_TESTS_LOGIC_VECTOR_H
#define TOVU_TESTS_LOGIC_VECTOR_H

#include <cstdint>
#include <string>
#include <vector>

#include "tovu/zem.h"

namespace logic_vector {

const std::string kLiterals = "UX01ZWLH-";

uint8_t code(char c) { return static_cast<uint8_t>(kLiterals.find(c)); }

std::string chars(const uint8_t *d, int32_t n) {
    std::string s;
    for (int32_t k = 0; k < n; ++k) s += d[k] < 9 ? kLiterals[d[k]] : '?';
    return s;
}

// A vector argument: elements from the left, and bounds starting at `left`.
struct Vec {
    std::vector<uint8_t> data;
    array_bounds bounds;
    const uint8_t *d() const { return data.data(); }
    const array_bounds *b() const { return &bounds; }
    int32_t length() const { return static_cast<int32_t>(data.size()); }
    std::string str() const { return chars(data.data(), length()); }
};

Vec vec(const std::string &s, int32_t left, int32_t dir) {
    Vec v;
    for (char c : s) v.data.push_back(code(c));
    const int32_t n = static_cast<int32_t>(s.size());
    v.bounds = {left, left + dir * (n - 1), dir, n};
    return v;
}
// (n-1 downto 0)
Vec vec(const std::string &s) { return vec(s, static_cast<int32_t>(s.size()) - 1, -1); }

std::string describe(const Vec &v) {
    return "\"" + v.str() + "\"(" + std::to_string(v.bounds.left) + (v.bounds.dir > 0 ? " to " : " downto ") +
           std::to_string(v.bounds.right) + ")";
}

}  // namespace logic_vector

#endif
