// Independent references for the VITAL_Primitives tests: the std_logic
// algebra of IEEE 1164 on UX01, the schedule rules of the VITAL standard, and
// the loading of the VITAL packages.
#ifndef TOVU_TESTS_VITAL_REFERENCE_H
#define TOVU_TESTS_VITAL_REFERENCE_H

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "tovu/zem.h"

namespace vital_reference {

constexpr uint8_t U = 0, X = 1, L0 = 2, L1 = 3, Z = 4, W = 5, WL = 6, WH = 7, DC = 8;
const std::string kChars = "UX01ZWLH-";
constexpr int64_t ns = 1000;
constexpr int64_t kTimeHigh = std::numeric_limits<int64_t>::max();
constexpr int64_t kTimeLow = std::numeric_limits<int64_t>::min();

// ---- std_logic on UX01: and is the minimum over 0 < U < X < 1, or the
// maximum over 0 < X < U < 1 (U only where 1 does not decide), xor is U
// with a U, else X with an X, else the difference.
inline uint8_t ux01(uint8_t v) {
    switch (v) {
        case L0:
        case WL: return L0;
        case L1:
        case WH: return L1;
        case U: return U;
        default: return X;
    }
}
inline uint8_t x01(uint8_t v) { return ux01(v) == U ? X : ux01(v); }
inline uint8_t ux01z(uint8_t v) { return v == Z ? Z : ux01(v); }
inline uint8_t ref_and(uint8_t a, uint8_t b) {
    a = ux01(a), b = ux01(b);
    if (a == L0 || b == L0) return L0;
    if (a == U || b == U) return U;
    if (a == X || b == X) return X;
    return L1;
}
inline uint8_t ref_or(uint8_t a, uint8_t b) {
    a = ux01(a), b = ux01(b);
    if (a == L1 || b == L1) return L1;
    if (a == U || b == U) return U;
    if (a == X || b == X) return X;
    return L0;
}
inline uint8_t ref_xor(uint8_t a, uint8_t b) {
    a = ux01(a), b = ux01(b);
    if (a == U || b == U) return U;
    if (a == X || b == X) return X;
    return a != b ? L1 : L0;
}
inline uint8_t ref_not(uint8_t a) {
    a = ux01(a);
    return a == L0 ? L1 : a == L1 ? L0 : a;
}

// ---- schedules ---------------------------------------------------------------

struct S {
    int64_t inp0, inp1, inpx, glch0, glch1;
    bool operator==(const S &o) const {
        return inp0 == o.inp0 && inp1 == o.inp1 && inpx == o.inpx && glch0 == o.glch0 && glch1 == o.glch1;
    }
};
inline S load(const uint8_t *p) {
    S s;
    std::memcpy(&s, p, sizeof s);
    return s;
}
inline std::string str(const S &s) {
    auto t = [](int64_t v) {
        return v == kTimeHigh ? std::string("HIGH") : v == kTimeLow ? std::string("LEFT") : std::to_string(v);
    };
    return "{" + t(s.inp0) + ", " + t(s.inp1) + ", " + t(s.inpx) + ", " + t(s.glch0) + ", " + t(s.glch1) + "}";
}

// The earlier of two times not before `now`; 0 when both are past.
inline int64_t gmt(int64_t a, int64_t b, int64_t now) {
    const bool a_past = a < now, b_past = b < now;
    if (a_past && b_past) return 0;
    if (a_past) return b;
    if (b_past) return a;
    return a < b ? a : b;
}
inline int64_t mn(int64_t a, int64_t b) { return a < b ? a : b; }
inline int64_t mx(int64_t a, int64_t b) { return a > b ? a : b; }

// An AND gate's output reaches '0' as soon as one input does and '1' when
// the last one does; an OR gate the other way round. An X appears at the
// earliest pending change; a glitch towards the dominated value is possible
// from the earliest pending one, towards the other from the latest.
inline S ref_and(const S &a, const S &b, int64_t now) {
    return {mn(a.inp0, b.inp0), mx(a.inp1, b.inp1), gmt(a.inpx, b.inpx, now), gmt(a.glch0, b.glch0, now),
            mx(a.glch1, b.glch1)};
}
inline S ref_not(const S &a) { return {a.inp1, a.inp0, a.inpx, a.glch1, a.glch0}; }
inline S ref_or(const S &a, const S &b, int64_t now) { return ref_not(ref_and(ref_not(a), ref_not(b), now)); }

}  // namespace vital_reference

#endif
