// The kernel's arithmetic workers for std_logic_arith and std_logic_unsigned.
//
// std_logic_arith's operators hand their converted operands to these
// functions instead of running the package's own element loops. Each one
// computes exactly what the package body it stands for computes, metavalues
// and warnings included (the warnings are the package's own texts, read from
// its block):
//
//   conv_signed_integer      CONV_SIGNED(INTEGER, SIZE)
//   conv_signed_zeroext      CONV_SIGNED(UNSIGNED, SIZE)
//   conv_signed_signext      CONV_SIGNED(SIGNED, SIZE)
//   conv_unsigned_zeroext    CONV_UNSIGNED(UNSIGNED, SIZE)
//   conv_unsigned_signext    CONV_UNSIGNED(SIGNED, SIZE)
//   conv_integer_unsigned    CONV_INTEGER(UNSIGNED)
//   conv_integer_signed      CONV_INTEGER(SIGNED)
//   plus_signed, minus_signed, plus_unsigned, minus_unsigned
//                            plus, minus, unsigned_plus, unsigned_minus
//   mult_signed, mult_unsigned
//                            mult(SIGNED), mult(UNSIGNED)
//   signed_is_less[_or_equal], unsigned_is_less[_or_equal]
//                            the ripple comparators
//   equal_unsigned_unsigned, greater_unsigned_unsigned
//                            `=` and `>` on two UNSIGNED operands
//   ieee_std_logic_unsigned_equal_stdv_stdv
//                            std_logic_unsigned's `=` on two vectors
//
// Operands are read by position: the leftmost element is the most significant
// whatever the direction of the range. Array results are ranged
// (size-1 downto 0) and live in transient memory.
#include "tovu/arith_fastpath.h"

#include "kernel.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tovu/zem.h"

namespace {

// std_ulogic positions.
constexpr uint8_t kU = 0, kX = 1, k0 = 2, k1 = 3, kZ = 4, kW = 5, kL = 6, kH = 7, kDash = 8;

constexpr int32_t kMaxPowerOfTwo = 30;  // largest i with 2**i an INTEGER

// std_logic_arith's report texts in its block.
struct ReportText {
    size_t offset;
    uint32_t length;
    int32_t severity;
};
constexpr ReportText kMakeBinaryScalarWarning{0x12ae, 85, SEV_WARNING};
constexpr ReportText kMakeBinaryUnsignedSignedWarning{0x1358, 85, SEV_WARNING};  // CONV_SIGNED(UNSIGNED)
constexpr ReportText kMakeBinarySignedUnsignedWarning{0x13ad, 85, SEV_WARNING};  // CONV_UNSIGNED(SIGNED)
constexpr ReportText kMakeBinarySignedWarning{0x1402, 85, SEV_WARNING};          // CONV_SIGNED(SIGNED)
constexpr ReportText kConvIntegerUnsignedTooLong{0x1558, 32, SEV_FAILURE};
constexpr ReportText kConvIntegerUnsignedMetavalue{0x1578, 85, SEV_WARNING};
constexpr ReportText kConvIntegerUnsignedZero{0x15cd, 103, SEV_WARNING};
constexpr ReportText kConvIntegerSignedTooLong{0x1634, 32, SEV_FAILURE};
constexpr ReportText kConvIntegerSignedMetavalue{0x1654, 85, SEV_WARNING};
constexpr ReportText kConvIntegerSignedZero{0x16a9, 103, SEV_WARNING};
constexpr ReportText kConvUnsignedMetavalue{0x1777, 85, SEV_WARNING};

const char kArithUnit[] = "ieee_p_3499444699";

// Reports one of std_logic_arith's texts; without the package block (texts ==
// nullptr) nothing is reported.
void report(const char *texts, const ReportText &t) {
    if (texts != nullptr) zem_report(texts + t.offset, t.length, t.severity);
}

constexpr bool is_meta(uint8_t v) { return v == kU || v == kX || v == kZ || v == kW || v == kDash; }
constexpr bool is_zero(uint8_t v) { return v == k0 || v == kL; }
constexpr bool is_one(uint8_t v) { return v == k1 || v == kH; }

// The binary value of a position: '0', '1', or 'X' for a metavalue.
constexpr uint8_t binary(uint8_t v) { return is_zero(v) ? k0 : (is_one(v) ? k1 : kX); }

// std_logic_1164's scalar operators.
uint8_t sl_and(uint8_t l, uint8_t r) {
    if (is_zero(l) || is_zero(r)) return k0;
    if (l == kU || r == kU) return kU;
    return is_one(l) && is_one(r) ? k1 : kX;
}
uint8_t sl_or(uint8_t l, uint8_t r) {
    if (is_one(l) || is_one(r)) return k1;
    if (l == kU || r == kU) return kU;
    return is_zero(l) && is_zero(r) ? k0 : kX;
}
uint8_t sl_xor(uint8_t l, uint8_t r) {
    if (l == kU || r == kU) return kU;
    if (is_meta(l) || is_meta(r)) return kX;
    return is_one(l) != is_one(r) ? k1 : k0;
}
uint8_t sl_not(uint8_t v) {
    if (v == kU) return kU;
    if (is_zero(v)) return k1;
    if (is_one(v)) return k0;
    return kX;
}

// A vector by position, leftmost (most significant) element first. Short
// vectors (the design's counters and addresses) live inline, so the fast
// paths allocate nothing from the heap for them.
class Bits {
public:
    static constexpr size_t kInline = 64;

    Bits() = default;
    explicit Bits(size_t n, uint8_t fill = 0) { init(n, fill); }
    Bits(const uint8_t *first, const uint8_t *last) {
        init(static_cast<size_t>(last - first), 0);
        if (size_) std::memcpy(data_, first, size_);
    }
    Bits(const Bits &o) : Bits(o.begin(), o.end()) {}
    Bits(Bits &&o) noexcept { take(o); }
    Bits &operator=(const Bits &o) {
        if (this != &o) {
            Bits t(o);
            release();
            take(t);
        }
        return *this;
    }
    Bits &operator=(Bits &&o) noexcept {
        if (this != &o) {
            release();
            take(o);
        }
        return *this;
    }
    ~Bits() { release(); }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    uint8_t *begin() { return data_; }
    uint8_t *end() { return data_ + size_; }
    const uint8_t *begin() const { return data_; }
    const uint8_t *end() const { return data_ + size_; }
    uint8_t &operator[](size_t i) { return data_[i]; }
    uint8_t operator[](size_t i) const { return data_[i]; }
    uint8_t &front() { return data_[0]; }
    uint8_t front() const { return data_[0]; }
    uint8_t &back() { return data_[size_ - 1]; }
    uint8_t back() const { return data_[size_ - 1]; }
    bool operator==(const Bits &o) const {
        return size_ == o.size_ && (size_ == 0 || std::memcmp(data_, o.data_, size_) == 0);
    }
    // Inserts one element before `pos`.
    void insert(uint8_t *pos, uint8_t v) {
        const size_t at = static_cast<size_t>(pos - data_);
        Bits t(size_ + 1);
        if (at) std::memcpy(t.data_, data_, at);
        t.data_[at] = v;
        if (size_ > at) std::memcpy(t.data_ + at + 1, data_ + at, size_ - at);
        *this = std::move(t);
    }

private:
    void init(size_t n, uint8_t fill) {
        size_ = n;
        data_ = n <= kInline ? inline_ : new uint8_t[n];
        if (n) std::memset(data_, fill, n);
    }
    void release() {
        if (data_ != inline_) delete[] data_;
        data_ = inline_;
        size_ = 0;
    }
    void take(Bits &o) {
        size_ = o.size_;
        if (o.data_ == o.inline_) {
            data_ = inline_;
            if (size_) std::memcpy(inline_, o.inline_, size_);
        } else {
            data_ = o.data_;
        }
        o.data_ = o.inline_;
        o.size_ = 0;
    }

    uint8_t inline_[kInline];
    uint8_t *data_ = inline_;
    size_t size_ = 0;
};

int32_t range_length(const array_bounds *b) {
    const int64_t n = int64_t{b->dir} * (int64_t{b->right} - b->left) + 1;
    return n < 0 ? 0 : (n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n));
}

Bits read(const uint8_t *data, const array_bounds *b) {
    const int32_t n = range_length(b);
    return n > 0 ? Bits(data, data + n) : Bits();
}

size_t count_of(int32_t size) { return size > 0 ? static_cast<size_t>(size) : 0; }

// Result memory of n elements in transient memory, ranged (n-1 downto 0).
uint8_t *result(array_bounds *out, size_t n) {
    auto *mem = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
    const auto len = static_cast<int32_t>(n);
    *out = n > 0 ? array_bounds{len - 1, 0, -1, len} : array_bounds{-1, 0, -1, 0};
    return mem;
}

uint8_t *give(array_bounds *out, const Bits &v) {
    uint8_t *mem = result(out, v.size());
    if (!v.empty()) std::memcpy(mem, v.data(), v.size());
    return mem;
}

// Per-position tables: the binary value ('0', '1', or 'X' for a metavalue),
// whether a position is a metavalue, and its bit for positions that have one.
struct PositionTables {
    uint8_t binary[256];
    bool meta[256];
    uint8_t bit[256];  // 0 or 1 for '0', '1', 'L', 'H'; kNoBit otherwise
};
constexpr uint8_t kNoBit = 0x80;
constexpr PositionTables make_position_tables() {
    PositionTables t{};
    for (int v = 0; v < 256; ++v) {
        const auto u = static_cast<uint8_t>(v);
        t.binary[v] = binary(u);
        t.meta[v] = is_meta(u);
        t.bit[v] = is_zero(u) ? 0 : (is_one(u) ? 1 : kNoBit);
    }
    return t;
}
constexpr PositionTables kPos = make_position_tables();

constexpr size_t kWord = 64;  // operands up to this length take the integer paths

// Word-at-a-time tests on eight elements (little-endian loads: the first
// element is the lowest byte).
static_assert(std::endian::native == std::endian::little);
constexpr uint64_t kEveryByte = 0x0101010101010101;

uint64_t load8(const uint8_t *p) {
    uint64_t x;
    std::memcpy(&x, p, 8);
    return x;
}
// True when all eight bytes are exactly '0' or '1'.
bool strict8(uint64_t x) { return (x & ~kEveryByte) == k0 * kEveryByte; }
// The low bits of eight such bytes, the first element most significant.
unsigned gather8(uint64_t x) { return static_cast<unsigned>(((x & kEveryByte) * 0x8040201008040201) >> 56); }

// True when every one of the n elements is exactly '0' or '1' (the codes the
// ripple comparators test for, and the ones the binary mapping keeps).
bool strictly_binary(const uint8_t *in, size_t n) {
    size_t i = 0;
    for (; i + 8 <= n; i += 8)
        if (!strict8(load8(in + i))) return false;
    uint8_t bad = 0;
    for (; i < n; ++i) bad |= static_cast<uint8_t>((in[i] & ~1u) ^ k0);
    return bad == 0;
}

// The n elements from `in` as the bits of an integer when every one is
// exactly '0' or '1' (the usual case); false otherwise. n <= 64.
__attribute__((always_inline)) inline bool read_strict(const uint8_t *in, size_t n, uint64_t &value) {
    uint64_t v = 0;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const uint64_t x = load8(in + i);
        if (!strict8(x)) return false;
        v = (v << 8) | gather8(x);
    }
    for (; i < n; ++i) {
        const unsigned bit = static_cast<unsigned>(in[i]) - k0;
        if (bit > 1) return false;
        v = (v << 1) | bit;
    }
    value = v;
    return true;
}

// The same with 'L' and 'H' read as '0' and '1'; false when an element is a
// metavalue.
__attribute__((noinline)) bool read_weak(const uint8_t *in, size_t n, uint64_t &value) {
    uint64_t v = 0;
    uint8_t bad = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = kPos.bit[in[i]];
        bad |= b;
        v = (v << 1) | (b & 1);
    }
    value = v;
    return (bad & kNoBit) == 0;
}

// The n elements from `in` as the bits of an integer, leftmost most
// significant; false when an element is not '0', '1', 'L' or 'H'. n <= 64.
__attribute__((always_inline)) inline bool read_word(const uint8_t *in, size_t n, uint64_t &value) {
    return read_strict(in, n, value) || read_weak(in, n, value);
}

// The eight elements '0' / '1' of each byte value, most significant first.
struct SpreadTable {
    uint64_t bytes[256];
};
constexpr SpreadTable make_spread_table() {
    SpreadTable t{};
    for (unsigned b = 0; b < 256; ++b) {
        uint64_t x = 0;
        for (unsigned k = 0; k < 8; ++k) x |= uint64_t{k0 + ((b >> (7 - k)) & 1u)} << (8 * k);
        t.bytes[b] = x;
    }
    return t;
}
constexpr SpreadTable kSpread = make_spread_table();

// Writes the low n bits of value as '0' / '1' elements, leftmost most
// significant. n <= 64.
void write_word(uint8_t *out, uint64_t value, size_t n) {
    const size_t head = n % 8;
    for (size_t i = 0; i < head; ++i) out[i] = static_cast<uint8_t>(k0 + ((value >> (n - 1 - i)) & 1));
    for (size_t i = head; i < n; i += 8) {
        const uint64_t x = kSpread.bytes[(value >> (n - 8 - i)) & 0xff];
        std::memcpy(out + i, &x, 8);
    }
}

// ---- conversions ----

// CONV_SIGNED(INTEGER, SIZE): the SIZE low-order bits of the two's-complement
// form; above bit 31 the sign repeats.
void from_integer(uint8_t *out, int32_t value, size_t n) {
    const auto word = static_cast<uint64_t>(int64_t{value});
    if (n > kWord) {
        std::memset(out, value < 0 ? k1 : k0, n - kWord);
        out += n - kWord;
        n = kWord;
    }
    write_word(out, word, n);
}
Bits from_integer(int32_t value, int32_t size) {
    Bits r(count_of(size));
    from_integer(r.data(), value, r.size());
    return r;
}

enum class Fill { Zero, Sign };

// The MAKE_BINARY-based resize of the n elements at `in` into m elements at
// `out`: a metavalue anywhere gives the warning and m 'X'; a null operand
// reads as 0; otherwise the binary value cut to its m low-order elements or
// extended with '0' or the sign.
__attribute__((noinline)) void resize_metavalues(const char *texts, const uint8_t *in, size_t n, uint8_t *out,
                                               size_t m, Fill fill, const ReportText &warning) {
    bool meta = false;
    for (size_t i = 0; i < n; ++i) meta |= kPos.meta[in[i]];
    if (meta) {
        report(texts, warning);
        if (m) std::memset(out, kX, m);
        return;
    }
    if (n == 0) {
        if (m) std::memset(out, k0, m);
        return;
    }
    const size_t copied = std::min(n, m);
    if (m > copied) std::memset(out, fill == Fill::Sign ? kPos.binary[in[0]] : k0, m - copied);
    const uint8_t *src = in + (n - copied);
    uint8_t *dst = out + (m - copied);
    for (size_t k = 0; k < copied; ++k) dst[k] = kPos.binary[src[k]];
}
inline void resize_binary(const char *texts, const uint8_t *in, size_t n, uint8_t *out, size_t m, Fill fill,
                          const ReportText &warning) {
    if (n > 0 && strictly_binary(in, n)) {  // the binary value is the operand itself
        const size_t copied = std::min(n, m);
        if (m > copied) std::memset(out, fill == Fill::Sign ? in[0] : k0, m - copied);
        if (copied) std::memcpy(out + (m - copied), in + (n - copied), copied);
        return;
    }
    resize_metavalues(texts, in, n, out, m, fill, warning);
}
Bits resize_binary(const char *texts, const Bits &arg, int32_t size, Fill fill, const ReportText &warning) {
    Bits r(count_of(size));
    resize_binary(texts, arg.data(), arg.size(), r.data(), r.size(), fill, warning);
    return r;
}

Bits signed_signext(const char *texts, const Bits &arg, int32_t size) {
    return resize_binary(texts, arg, size, Fill::Sign, kMakeBinarySignedWarning);
}

// CONV_UNSIGNED(UNSIGNED, SIZE): cut or zero-extended; only the copied
// elements are mapped, a metavalue among them giving the warning and SIZE 'X'.
void unsigned_zeroext(const char *texts, const uint8_t *in, size_t n, uint8_t *out, size_t m) {
    const size_t copied = std::min(n, m);
    const uint8_t *src = in + (n - copied);
    if (strictly_binary(src, copied)) {
        if (m > copied) std::memset(out, k0, m - copied);
        if (copied) std::memcpy(out + (m - copied), src, copied);
        return;
    }
    bool meta = false;
    for (size_t k = 0; k < copied; ++k) meta |= kPos.meta[src[k]];
    if (meta) {
        report(texts, kConvUnsignedMetavalue);
        if (m) std::memset(out, kX, m);
        return;
    }
    if (m > copied) std::memset(out, k0, m - copied);
    uint8_t *dst = out + (m - copied);
    for (size_t k = 0; k < copied; ++k) dst[k] = kPos.binary[src[k]];
}
Bits unsigned_zeroext(const char *texts, const Bits &arg, int32_t size) {
    Bits r(count_of(size));
    unsigned_zeroext(texts, arg.data(), arg.size(), r.data(), r.size());
    return r;
}

// CONV_INTEGER(UNSIGNED): wraps modulo 2**32 beyond 31 elements (after the
// FAILURE report); a metavalue gives two warnings and 0.
__attribute__((noinline)) int32_t integer_of_unsigned(const char *texts, const uint8_t *in, size_t n) {
    if (n > 31) report(texts, kConvIntegerUnsignedTooLong);
    // Read in words from the left; only the low 32 bits of the last one count.
    uint64_t word = 0;
    bool known = true;
    for (size_t i = 0; i < n; i += kWord) {
        uint64_t w;
        known &= read_word(in + i, std::min(kWord, n - i), w);
        word = n - i >= kWord ? w : (word << (n - i)) | w;
    }
    const auto result = static_cast<uint32_t>(word);
    if (!known) {
        report(texts, kConvIntegerUnsignedMetavalue);
        report(texts, kConvIntegerUnsignedZero);
        return 0;
    }
    return static_cast<int32_t>(result);
}

// CONV_INTEGER(SIGNED): two's complement; a metavalue in the sign element
// alone gives the scalar MAKE_BINARY warning and the other elements' value.
__attribute__((noinline)) int32_t integer_of_signed(const char *texts, const uint8_t *in, size_t n) {
    if (n > 32) report(texts, kConvIntegerSignedTooLong);
    if (n == 0) return 0;
    uint32_t result = 0;
    uint8_t bad = 0;
    for (size_t k = 1; k < n; ++k) {
        const uint8_t b = kPos.bit[in[k]];
        bad |= b;
        result = (result << 1) | (b & 1);
    }
    if (bad & kNoBit) {
        report(texts, kConvIntegerSignedMetavalue);
        report(texts, kConvIntegerSignedZero);
        return 0;
    }
    const uint8_t sign = in[0];
    if (is_meta(sign)) {
        report(texts, kMakeBinaryScalarWarning);
    } else if (is_one(sign)) {
        const size_t weight = n - 1;
        if (weight < 32) result -= uint32_t{1} << weight;  // modulo 2**32
    }
    return static_cast<int32_t>(result);
}

// ---- adders ----

void check_same_length(const Bits &a, const Bits &b) {
    if (a.size() != b.size()) zem_size_not_matching(static_cast<int32_t>(a.size()), static_cast<int32_t>(b.size()), 1);
}

// plus, minus (SIGNED) and unsigned_minus: ripple carry from the right end
// with std_logic_1164's operators; an 'X' in either leftmost element (only
// 'X') gives all 'X'.
Bits ripple_add(const Bits &a, const Bits &b, bool subtract) {
    check_same_length(a, b);
    const size_t n = a.size();
    Bits sum(n);
    if (n == 0) return sum;
    if (a.front() == kX || b.front() == kX) {
        std::fill(sum.begin(), sum.end(), kX);
        return sum;
    }
    uint8_t carry = subtract ? k1 : k0;
    for (size_t k = n; k-- > 0;) {
        const uint8_t ai = a[k];
        const uint8_t bi = subtract ? sl_not(b[k]) : b[k];
        sum[k] = sl_xor(sl_xor(ai, bi), carry);
        carry = sl_or(sl_or(sl_and(ai, bi), sl_and(ai, carry)), sl_and(carry, bi));
    }
    return sum;
}

// unsigned_plus: like plus, but the top element gets no carry out formed.
Bits unsigned_plus(const Bits &a, const Bits &b) {
    check_same_length(a, b);
    const size_t n = a.size();
    Bits sum(n);
    if (n == 0) return sum;
    if (a.front() == kX || b.front() == kX) {
        std::fill(sum.begin(), sum.end(), kX);
        return sum;
    }
    // Element i counted from the right lies at n-1-i.
    auto A = [&](size_t i) { return a[n - 1 - i]; };
    auto B = [&](size_t i) { return b[n - 1 - i]; };
    const size_t msb = n - 1;
    sum[n - 1] = sl_xor(A(0), B(0));
    uint8_t carry = sl_and(A(0), B(0));
    for (size_t i = 1; i + 1 <= msb; ++i) {
        const uint8_t t = sl_xor(A(i), B(i));
        sum[n - 1 - i] = sl_xor(t, carry);
        carry = sl_or(sl_and(A(i), B(i)), sl_and(carry, t));
    }
    if (msb > 0) sum[0] = sl_xor(sl_xor(A(msb), B(msb)), carry);
    return sum;
}

int32_t length_of(const Bits &v) { return static_cast<int32_t>(v.size()); }

// `+`(UNSIGNED, UNSIGNED) and `+`(SIGNED, SIGNED) as the multipliers use them.
Bits add_unsigned_operator(const char *texts, const Bits &l, const Bits &r) {
    const int32_t n = std::max(length_of(l), length_of(r));
    return unsigned_plus(unsigned_zeroext(texts, l, n), unsigned_zeroext(texts, r, n));
}
Bits add_signed_operator(const char *texts, const Bits &l, const Bits &r) {
    const int32_t n = std::max(length_of(l), length_of(r));
    return ripple_add(signed_signext(texts, l, n), signed_signext(texts, r, n), false);
}

// `-`(INTEGER 0, SIGNED): 0 - v at v's length.
Bits negate(const char *texts, const Bits &v) {
    const int32_t n = length_of(v);
    return ripple_add(from_integer(0, n), signed_signext(texts, v, n), true);
}

// ABS(SIGNED): v itself when its leftmost element is '0' or 'L', else 0 - v.
Bits absolute(const char *texts, const Bits &v) {
    if (v.empty() || is_zero(v.front())) return v;
    return negate(texts, v);
}

// SHL(SIGNED) by one place: '0' enters at the right.
Bits shift_left_one(const Bits &v) {
    Bits r(v.size(), k0);
    for (size_t k = 0; k + 1 < v.size(); ++k) r[k] = v[k + 1];
    return r;
}

// ---- multipliers ----

// mult(UNSIGNED): shift and add.
Bits unsigned_mult(const char *texts, const Bits &a, const Bits &b) {
    const int32_t n = length_of(a) + length_of(b);
    if ((!a.empty() && a.front() == kX) || (!b.empty() && b.front() == kX)) return Bits(count_of(n), kX);
    Bits pa(count_of(n), k0);
    Bits ba = unsigned_zeroext(texts, b, n);
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[a.size() - 1 - i] == k1) pa = add_unsigned_operator(texts, pa, ba);
        for (size_t k = 0; k + 1 < ba.size(); ++k) ba[k] = ba[k + 1];
        if (!ba.empty()) ba.back() = k0;
    }
    return pa;
}

// mult(SIGNED): the magnitudes multiplied by shift and add, the product
// negated when the signs differ.
Bits signed_mult(const char *texts, const Bits &a, const Bits &b) {
    const int32_t n = length_of(a) + length_of(b);
    if ((!a.empty() && a.front() == kX) || (!b.empty() && b.front() == kX)) return Bits(count_of(n), kX);
    Bits pa(count_of(n), k0);
    const uint8_t neg = sl_xor(b.empty() ? k0 : b.front(), a.empty() ? k0 : a.front());

    Bits zero_abs_b = absolute(texts, b);
    zero_abs_b.insert(zero_abs_b.begin(), k0);
    Bits ba = signed_signext(texts, zero_abs_b, n);
    Bits aa = absolute(texts, a);
    aa.insert(aa.begin(), k0);
    for (size_t i = 0; i < a.size(); ++i) {
        if (aa[aa.size() - 1 - i] == k1) pa = add_signed_operator(texts, pa, ba);
        ba = shift_left_one(ba);
    }
    return neg == k1 ? negate(texts, pa) : pa;
}

// ---- comparators ----

// The ripple over positions from the least significant up; the most
// significant differing position decides, equal operands keep `start`.
bool ripple_less(const Bits &a, const Bits &b, size_t count, bool start) {
    bool result = start;
    const size_t n = a.size();
    for (size_t i = 0; i < count; ++i) {
        const bool a0 = a[n - 1 - i] == k0;
        const bool b1 = b[n - 1 - i] == k1;
        result = (a0 && b1) || (a0 && result) || (b1 && result);
    }
    return result;
}

bool unsigned_less(const Bits &a, const Bits &b, bool or_equal) {
    check_same_length(a, b);
    return ripple_less(a, b, a.size(), or_equal);
}

// SIGNED: differing sign elements decide by A's sign being '1'.
bool signed_less(const Bits &a, const Bits &b, bool or_equal) {
    check_same_length(a, b);
    if (a.empty()) return or_equal;
    if (a.front() != b.front()) return a.front() == k1;
    return ripple_less(a, b, a.size() - 1, or_equal);
}

// `=`(UNSIGNED, UNSIGNED): both zero-extended to the longer length, then the
// element codes compared.
bool unsigned_equal(const char *texts, const Bits &l, const Bits &r) {
    const int32_t n = std::max(length_of(l), length_of(r));
    return unsigned_zeroext(texts, l, n) == unsigned_zeroext(texts, r, n);
}

uint8_t byte_of(bool b) { return b ? 1 : 0; }


// ---- operands ----

// A vector argument: its elements by position, leftmost first.
struct Operand {
    const uint8_t *data;
    size_t n;
    Operand(const uint8_t *d, const array_bounds *b) : data(d), n(static_cast<size_t>(range_length(b))) {}
    Bits bits() const { return n ? Bits(data, data + n) : Bits(); }
};

void check_same_length(const Operand &a, const Operand &b) {
    if (a.n != b.n) zem_size_not_matching(static_cast<int32_t>(a.n), static_cast<int32_t>(b.n), 1);
}

enum class AddKind { Plus, Minus, UnsignedPlus };

// The two-operand adders. Operands of one length whose elements all have a
// bit value ('0', '1', 'L', 'H') add as integers modulo 2**n, which is what
// the ripple gives for them; anything else takes the ripple itself.
uint8_t *adder(array_bounds *out, const Operand &a, const Operand &b, AddKind kind) {
    check_same_length(a, b);
    const size_t n = a.n;
    uint64_t av, bv;
    if (n <= kWord && read_word(a.data, n, av) && read_word(b.data, n, bv)) {
        uint8_t *mem = result(out, n);
        write_word(mem, kind == AddKind::Minus ? av - bv : av + bv, n);
        return mem;
    }
    switch (kind) {
    case AddKind::Plus: return give(out, ripple_add(a.bits(), b.bits(), false));
    case AddKind::Minus: return give(out, ripple_add(a.bits(), b.bits(), true));
    default: return give(out, unsigned_plus(a.bits(), b.bits()));
    }
}

// The orderings on operands of one length; exact '0'/'1' operands compare as
// integers (the ripple tests the codes '0' and '1' only).
bool ordering(const Operand &a, const Operand &b, bool is_signed, bool or_equal) {
    check_same_length(a, b);
    const size_t n = a.n;
    if (n <= kWord && strictly_binary(a.data, n) && strictly_binary(b.data, n)) {
        uint64_t av, bv;
        read_word(a.data, n, av);
        read_word(b.data, n, bv);
        if (is_signed && n > 0 && a.data[0] != b.data[0]) return a.data[0] == k1;
        return av < bv || (or_equal && av == bv);
    }
    return is_signed ? signed_less(a.bits(), b.bits(), or_equal) : unsigned_less(a.bits(), b.bits(), or_equal);
}

// An UNSIGNED operand zero-extended to a length at least its own, as an
// integer: false after the metavalue warning (the value is then all 'X').
bool unsigned_word(const char *texts, const Operand &v, uint64_t &value) {
    if (read_word(v.data, v.n, value)) return true;
    report(texts, kConvUnsignedMetavalue);
    return false;
}

}  // namespace

extern "C" {

uint8_t *ieee_std_logic_arith_conv_signed_integer(char *block, array_bounds *out, int32_t value, int32_t size) {
    const size_t m = count_of(size);
    uint8_t *mem = result(out, m);
    from_integer(mem, value, m);
    return mem;
}

uint8_t *ieee_std_logic_arith_conv_signed_signext(char *block, array_bounds *out, const uint8_t *data,
                                                  const array_bounds *bounds, int32_t size) {
    const Operand v(data, bounds);
    const size_t m = count_of(size);
    uint8_t *mem = result(out, m);
    resize_binary(block, v.data, v.n, mem, m, Fill::Sign, kMakeBinarySignedWarning);
    return mem;
}

uint8_t *ieee_std_logic_arith_conv_signed_zeroext(char *block, array_bounds *out, const uint8_t *data,
                                                  const array_bounds *bounds, int32_t size) {
    const Operand v(data, bounds);
    const size_t m = count_of(size);
    uint8_t *mem = result(out, m);
    resize_binary(block, v.data, v.n, mem, m, Fill::Zero, kMakeBinaryUnsignedSignedWarning);
    return mem;
}

uint8_t *ieee_std_logic_arith_conv_unsigned_zeroext(char *block, array_bounds *out, const uint8_t *data,
                                                    const array_bounds *bounds, int32_t size) {
    const Operand v(data, bounds);
    const size_t m = count_of(size);
    uint8_t *mem = result(out, m);
    unsigned_zeroext(block, v.data, v.n, mem, m);
    return mem;
}

uint8_t *ieee_std_logic_arith_conv_unsigned_signext(char *block, array_bounds *out, const uint8_t *data,
                                                    const array_bounds *bounds, int32_t size) {
    const Operand v(data, bounds);
    const size_t m = count_of(size);
    uint8_t *mem = result(out, m);
    resize_binary(block, v.data, v.n, mem, m, Fill::Sign, kMakeBinarySignedUnsignedWarning);
    return mem;
}

int32_t ieee_std_logic_arith_conv_integer_unsigned(char *block, const uint8_t *data, const array_bounds *bounds) {
    const Operand v(data, bounds);
    uint64_t word;
    if (v.n <= 31 && read_word(v.data, v.n, word)) return static_cast<int32_t>(word);  // nothing to report
    return integer_of_unsigned(block, v.data, v.n);
}

int32_t ieee_std_logic_arith_conv_integer_signed(char *block, const uint8_t *data, const array_bounds *bounds) {
    const Operand v(data, bounds);
    return integer_of_signed(block, v.data, v.n);
}

uint8_t *ieee_std_logic_arith_plus_signed(char *block, array_bounds *out, const uint8_t *a,
                                          const array_bounds *a_bounds, const uint8_t *b,
                                          const array_bounds *b_bounds) {
    return adder(out, Operand(a, a_bounds), Operand(b, b_bounds), AddKind::Plus);
}

uint8_t *ieee_std_logic_arith_minus_signed(char *block, array_bounds *out, const uint8_t *a,
                                           const array_bounds *a_bounds, const uint8_t *b,
                                           const array_bounds *b_bounds) {
    return adder(out, Operand(a, a_bounds), Operand(b, b_bounds), AddKind::Minus);
}

uint8_t *ieee_std_logic_arith_plus_unsigned(char *block, array_bounds *out, const uint8_t *a,
                                            const array_bounds *a_bounds, const uint8_t *b,
                                            const array_bounds *b_bounds) {
    return adder(out, Operand(a, a_bounds), Operand(b, b_bounds), AddKind::UnsignedPlus);
}

uint8_t *ieee_std_logic_arith_minus_unsigned(char *block, array_bounds *out, const uint8_t *a,
                                             const array_bounds *a_bounds, const uint8_t *b,
                                             const array_bounds *b_bounds) {
    return adder(out, Operand(a, a_bounds), Operand(b, b_bounds), AddKind::Minus);
}

uint8_t *ieee_std_logic_arith_mult_signed(char *block, array_bounds *out, const uint8_t *a,
                                          const array_bounds *a_bounds, const uint8_t *b,
                                          const array_bounds *b_bounds) {
    return give(out, signed_mult(block, read(a, a_bounds), read(b, b_bounds)));
}

uint8_t *ieee_std_logic_arith_mult_unsigned(char *block, array_bounds *out, const uint8_t *a,
                                            const array_bounds *a_bounds, const uint8_t *b,
                                            const array_bounds *b_bounds) {
    return give(out, unsigned_mult(block, read(a, a_bounds), read(b, b_bounds)));
}

uint8_t ieee_std_logic_arith_signed_is_less(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                            const uint8_t *b, const array_bounds *b_bounds) {
    return byte_of(ordering(Operand(a, a_bounds), Operand(b, b_bounds), true, false));
}

uint8_t ieee_std_logic_arith_signed_is_less_or_equal(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                     const uint8_t *b, const array_bounds *b_bounds) {
    return byte_of(ordering(Operand(a, a_bounds), Operand(b, b_bounds), true, true));
}

uint8_t ieee_std_logic_arith_unsigned_is_less(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                              const uint8_t *b, const array_bounds *b_bounds) {
    return byte_of(ordering(Operand(a, a_bounds), Operand(b, b_bounds), false, false));
}

uint8_t ieee_std_logic_arith_unsigned_is_less_or_equal(char *block, const uint8_t *a, const array_bounds *a_bounds,
                                                       const uint8_t *b, const array_bounds *b_bounds) {
    return byte_of(ordering(Operand(a, a_bounds), Operand(b, b_bounds), false, true));
}

// `=`(UNSIGNED, UNSIGNED): both zero-extended to the longer length, then the
// element codes compared. A metavalue turns its operand into all 'X', so two
// such operands are equal.
uint8_t ieee_std_logic_arith_equal_unsigned_unsigned(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                     const uint8_t *r, const array_bounds *r_bounds) {
    const Operand lv(l, l_bounds), rv(r, r_bounds);
    if (lv.n > kWord || rv.n > kWord) return byte_of(unsigned_equal(block, lv.bits(), rv.bits()));
    uint64_t a, b;
    const bool lk = unsigned_word(block, lv, a);
    const bool rk = unsigned_word(block, rv, b);
    if (std::max(lv.n, rv.n) == 0) return 1;
    return byte_of(lk == rk && (!lk || a == b));
}

// `>`(UNSIGNED, UNSIGNED) is R < L, the right operand converted first.
uint8_t ieee_std_logic_arith_greater_unsigned_unsigned(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                       const uint8_t *r, const array_bounds *r_bounds) {
    const Operand lv(l, l_bounds), rv(r, r_bounds);
    uint64_t a, b;
    if (lv.n <= kWord && rv.n <= kWord && read_word(rv.data, rv.n, b) && read_word(lv.data, lv.n, a))
        return byte_of(b < a);
    const int32_t n = static_cast<int32_t>(std::max(lv.n, rv.n));
    const Bits rc = unsigned_zeroext(block, rv.bits(), n);
    const Bits lc = unsigned_zeroext(block, lv.bits(), n);
    return byte_of(unsigned_less(rc, lc, false));
}

// Called with std_logic_unsigned's block; the warnings are std_logic_arith's.
uint8_t ieee_std_logic_unsigned_equal_stdv_stdv(char *block, const uint8_t *l, const array_bounds *l_bounds,
                                                const uint8_t *r, const array_bounds *r_bounds) {
    const Operand lv(l, l_bounds), rv(r, r_bounds);
    uint64_t a, b;
    if (lv.n <= kWord && rv.n <= kWord && read_word(lv.data, lv.n, a) && read_word(rv.data, rv.n, b))
        return byte_of(a == b);
    const char *texts = tovu::package_block(kArithUnit);
    return ieee_std_logic_arith_equal_unsigned_unsigned(const_cast<char *>(texts), l, l_bounds, r, r_bounds);
}

}  // extern "C"
