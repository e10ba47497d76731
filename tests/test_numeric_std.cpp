// numeric_std (unit ieee_p_1242562249), checked against integer arithmetic
// computed here: values and result ranges of every operator in every operand
// form, the null and metavalue rules with their report texts, NO_WARNING,
// truncation warnings and division by zero.
#include <gtest/gtest.h>

#include "logic_vector.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ieee/p_1242562249.h"
#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

using i128 = __int128;

// ---------------------------------------------------------------------------
// Values
// ---------------------------------------------------------------------------

using namespace logic_vector;

std::string repeat(char c, int n) { return std::string(n > 0 ? static_cast<size_t>(n) : 0, c); }

// The low n bits of v, most significant first.
std::string bits(i128 v, int n) {
    std::string s;
    for (int k = n - 1; k >= 0; --k) s += ((v >> (k < 127 ? k : 127)) & 1) ? '1' : '0';
    return s;
}
bool is_one(char c) { return c == '1' || c == 'H'; }
i128 unsigned_value(const std::string &s) {
    i128 v = 0;
    for (char c : s) v = v * 2 + (is_one(c) ? 1 : 0);
    return v;
}
i128 signed_value(const std::string &s) {
    const i128 u = unsigned_value(s);
    return (!s.empty() && is_one(s[0])) ? u - (i128{1} << s.size()) : u;
}
i128 value_of(bool sgn, const std::string &s) { return sgn ? signed_value(s) : unsigned_value(s); }
bool fits(bool sgn, i128 v, int n) {
    if (n <= 0) return false;
    if (!sgn) return v >= 0 && v < (i128{1} << n);
    return v >= -(i128{1} << (n - 1)) && v < (i128{1} << (n - 1));
}
// A value cut to n elements the way RESIZE cuts: UNSIGNED keeps the low n
// bits; SIGNED keeps the sign and the low n-1 bits.
std::string cut(bool sgn, i128 v, int n) {
    if (n <= 0) return "";
    if (!sgn || fits(sgn, v, n)) return bits(v, n);
    return std::string(1, v < 0 ? '1' : '0') + bits(v, n - 1);
}
// v read back from its low n bits as a two's-complement number.
i128 wrap_signed(i128 v, int n) {
    const i128 m = i128{1} << n;
    i128 r = v % m;
    if (r < 0) r += m;
    return r >= (m >> 1) ? r - m : r;
}
int signed_bits_needed(i128 v) {
    int n = 1;
    while (!fits(true, v, n)) ++n;
    return n;
}

struct Out {
    std::string value;
    array_bounds bounds;
};
template <typename F>
Out call(F f) {
    array_bounds b{111, 222, 333, 444};
    const uint8_t *p = f(&b);
    return {chars(p, b.length > 0 ? b.length : 0), b};
}
bool downto_zero(const array_bounds &b, int n) {
    return b.left == n - 1 && b.right == 0 && b.dir == -1 && b.length == n;
}
bool null_vector(const array_bounds &b) { return b.left == 0 && b.right == 1 && b.dir == -1 && b.length == 0; }
std::string show(const array_bounds &b) {
    return "(" + std::to_string(b.left) + ", " + std::to_string(b.right) + ", " + std::to_string(b.dir) + ", " +
           std::to_string(b.length) + ")";
}

std::mt19937 &rng() {
    static std::mt19937 g(1076);
    return g;
}
std::string random_bits(int n, const std::string &alphabet = "01") {
    std::string s;
    for (int k = 0; k < n; ++k) s += alphabet[rng()() % alphabet.size()];
    return s;
}

// Vectors over lengths 1 to 40 (edge patterns and random ones, some with
// 'L'/'H'), under descending, ascending and odd-left ranges.
std::vector<Vec> operands(int max_length = 40) {
    std::vector<Vec> ops;
    int variant = 0;
    for (int n : {1, 2, 3, 4, 7, 8, 13, 31, 32, 33, 40}) {
        if (n > max_length) continue;
        for (const std::string &p :
             {random_bits(n), repeat('1', n), "1" + repeat('0', n - 1), random_bits(n, "01LH"), repeat('0', n)}) {
            switch (variant++ % 4) {
                case 0: ops.push_back(vec(p)); break;
                case 1: ops.push_back(vec(p, n + 4, -1)); break;  // (n+4 downto 5)
                case 2: ops.push_back(vec(p, 3, 1)); break;       // (3 to n+2)
                default: ops.push_back(vec(p, 0, 1)); break;      // (0 to n-1)
            }
        }
    }
    return ops;
}

std::vector<int32_t> integers(bool sgn) {
    std::vector<int32_t> v = {0, 1, 2, 5, 13, 127, 128, 255, 256, 1000, 65535, INT_MAX};
    if (sgn)
        for (int32_t x : {-1, -2, -5, -128, -129, -1000, INT_MIN + 1}) v.push_back(x);
    for (int k = 0; k < 4; ++k) {
        const int32_t r = static_cast<int32_t>(rng()() >> (rng()() % 31));
        v.push_back(sgn && (k & 1) ? -r : (r < 0 ? -(r + 1) : r));
    }
    return v;
}

// ---------------------------------------------------------------------------
// Fixture
// ---------------------------------------------------------------------------

class NumericStd : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &ieee_p_1242562249_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        IEEE_P_1242562249 = zem_get_engine_memory("ieee_p_1242562249");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(IEEE_P_2592010699, nullptr);
        ASSERT_NE(IEEE_P_1242562249, nullptr);
        blk = IEEE_P_1242562249;
        mark_texts();
        tovu::testing::capture_reports(true);
    }

    // Several report statements share a wording: give every text copy its
    // own first two bytes, so that a report read from another statement's
    // copy no longer matches the text expected at its offset.
    void mark_texts() {
        std::vector<size_t> starts = {0x13d8, 0x13f2, 0x141b, 0x143e, 0x24d5, 0x2507,
                                      0x253e, 0x2570, 0x25a7, 0x25d0, 0x27bb, 0x27ea};
        for (size_t k = 0; k < 4; ++k) {
            starts.push_back(0x1462 + 38 * k);
            starts.push_back(0x14fd + 36 * k);
            starts.push_back(0x25f7 + 113 * k);
            starts.push_back(0x25f7 + 113 * k + 53);
        }
        for (size_t k = 0; k < 12; ++k)
            for (size_t base : {0x158d + 108 * k, 0x1fc5 + 108 * k}) {
                starts.push_back(base);
                starts.push_back(base + 56);
            }
        for (size_t k = 0; k < 12; ++k) {
            starts.push_back(0x1a9d + 110 * k);
            starts.push_back(0x1a9d + 110 * k + 57);
        }
        for (size_t k = 0; k < starts.size(); ++k) {
            blk[starts[k]] = static_cast<char>('A' + k % 26);
            blk[starts[k] + 1] = static_cast<char>('a' + k / 26);
        }
    }
    void TearDown() override { tovu::testing::capture_reports(false); }

    void set_no_warning(bool on) { **reinterpret_cast<uint8_t **>(blk + 0x580) = on ? 1 : 0; }
    std::string text(size_t offset, size_t length) const { return std::string(blk + offset, length); }

    // The reports since the last call, as (text, severity) and cleared.
    std::vector<std::pair<std::string, int>> take_reports() {
        std::vector<std::pair<std::string, int>> r;
        for (const auto &rep : tovu::testing::reports()) r.emplace_back(rep.message, rep.severity);
        tovu::testing::capture_reports(true);
        return r;
    }
    // Exactly one WARNING with the text at `offset` of `length` bytes.
    void expect_one_warning(size_t offset, size_t length, const std::string &where) {
        const auto r = take_reports();
        ASSERT_EQ(r.size(), 1u) << where;
        EXPECT_EQ(r[0].first, text(offset, length)) << where;
        EXPECT_EQ(r[0].first.size(), length) << where;
        EXPECT_EQ(r[0].second, SEV_WARNING) << where;
    }
    void expect_no_reports(const std::string &where) {
        const auto r = take_reports();
        EXPECT_TRUE(r.empty()) << where << ": " << (r.empty() ? "" : r[0].first);
    }

    char *blk = nullptr;
};

// ===========================================================================
// Design data and frame helpers
// ===========================================================================

TEST_F(NumericStd, DesignDataHoldsNoWarningMatchTableAndTexts) {
    EXPECT_EQ(**reinterpret_cast<uint8_t **>(blk + 0x580), 0);  // warnings on by default
    // MATCH_TABLE: '-' matches anything; '0'/'L' and '1'/'H' match each other.
    const uint8_t *match = *reinterpret_cast<uint8_t **>(blk + 0x5f8);
    for (int l = 0; l < 9; ++l)
        for (int r = 0; r < 9; ++r) {
            const char a = kLiterals[l], b = kLiterals[r];
            const bool expected =
                a == '-' || b == '-' ||
                (std::string("0L").find(a) != std::string::npos && std::string("0L").find(b) != std::string::npos) ||
                (std::string("1H").find(a) != std::string::npos && std::string("1H").find(b) != std::string::npos);
            EXPECT_EQ(match[9 * l + r], expected ? 1 : 0) << a << b;
        }
    // The '0' literals of the division family.
    for (size_t off : {0x13d7, 0x13f0, 0x13f1, 0x141a, 0x1461, 0x14fa, 0x14fb, 0x14fc})
        EXPECT_EQ(static_cast<uint8_t>(blk[off]), code('0')) << std::hex << off;
    // UNSIGNED and SIGNED locals default to 'U'.
    for (size_t td : {0xbb8, 0xc28}) {
        uint8_t buf[3] = {9, 9, 9};
        array_bounds b{2, 0, -1, 3};
        zem_type_set_default_value(blk + td, buf, &b);
        EXPECT_EQ(chars(buf, 3), "UUU");
    }
    // The texts run back to back and none is blank.
    for (size_t off = 0x13d8; off < 0x2819; ++off) EXPECT_NE(blk[off], '\0') << std::hex << off;
}

TEST_F(NumericStd, NumBitsMaxMin) {
    struct Case {
        int32_t arg, ubits, sbits;
    };
    for (const Case c : {Case{0, 1, 1}, Case{1, 1, 2}, Case{2, 2, 3}, Case{3, 2, 3}, Case{4, 3, 4}, Case{255, 8, 9},
                         Case{256, 9, 10}, Case{-1, 1, 1}, Case{-2, 1, 2}, Case{-128, 1, 8}, Case{-129, 1, 9},
                         Case{INT_MAX, 31, 32}, Case{INT_MIN, 1, 32}}) {
        EXPECT_EQ(ieee_p_1242562249_sub_3295552210_1035706684(blk, c.arg), c.ubits) << c.arg;
        EXPECT_EQ(ieee_p_1242562249_sub_3824177444_1035706684(blk, c.arg), c.sbits) << c.arg;
    }
    EXPECT_EQ(ieee_p_1242562249_sub_3160373586_1035706684(blk, -3, 2), 2);
    EXPECT_EQ(ieee_p_1242562249_sub_3160373586_1035706684(blk, INT_MAX, INT_MIN), INT_MAX);
    EXPECT_EQ(ieee_p_1242562249_sub_3160650192_1035706684(blk, -3, 2), -3);
    EXPECT_EQ(ieee_p_1242562249_sub_3160650192_1035706684(blk, INT_MAX, INT_MIN), INT_MIN);
}

TEST_F(NumericStd, To01TranslatesStrengthsAndMapsMetavalues) {
    using F = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, uint8_t);
    struct Form {
        F f;
        size_t null_text;
    };
    for (const Form form : {Form{&ieee_p_1242562249_sub_1804770815_1035706684, 0x27bb},
                            Form{&ieee_p_1242562249_sub_2570320491_1035706684, 0x27ea}}) {
        struct Case {
            Vec v;
            char xmap;
            std::string expected;
        };
        for (const auto &c :
             {Case{vec("01LH"), 'X', "0101"}, Case{vec("0X1"), 'X', "XXX"}, Case{vec("0X1"), '0', "000"},
              Case{vec("LLH-", 0, 1), 'X', "XXXX"}, Case{vec("H0L1", 0, 1), 'X', "1001"}, Case{vec("U"), 'W', "W"},
              Case{vec("10Z"), 'U', "UUU"}}) {
            const Out o = call([&](array_bounds *b) { return form.f(blk, b, c.v.d(), c.v.b(), code(c.xmap)); });
            EXPECT_EQ(o.value, c.expected) << describe(c.v);
            EXPECT_TRUE(downto_zero(o.bounds, c.v.length())) << show(o.bounds);
        }
        expect_no_reports("TO_01 of non-null vectors");
        const Vec null = vec("");
        for (bool quiet : {false, true}) {
            set_no_warning(quiet);
            const Out o = call([&](array_bounds *b) { return form.f(blk, b, null.d(), null.b(), code('X')); });
            EXPECT_TRUE(null_vector(o.bounds)) << show(o.bounds);
            if (quiet)
                expect_no_reports("TO_01 null, NO_WARNING");
            else
                expect_one_warning(form.null_text, 47, "TO_01 null");
        }
        set_no_warning(false);
    }
}

TEST_F(NumericStd, EqualityHelpersCompareElementPatterns) {
    using F = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
    for (F f : {&ieee_p_1242562249_sub_1233203289_1035706684, &ieee_p_1242562249_sub_3760432601_1035706684}) {
        struct Case {
            Vec l, r;
            bool eq;
        };
        for (const auto &c :
             {Case{vec("0011"), vec("011"), false}, Case{vec("0L"), vec("00"), false}, Case{vec(""), vec(""), true},
              Case{vec("1010"), vec("1010", 0, 1), true}, Case{vec("1010"), vec("1011"), false}})
            EXPECT_EQ(f(blk, c.l.d(), c.l.b(), c.r.d(), c.r.b()), c.eq ? 1 : 0) << describe(c.l) << describe(c.r);
    }
}

// ===========================================================================
// Conversions and RESIZE
// ===========================================================================

TEST_F(NumericStd, ToUnsignedAndToSignedGiveTheLowBitsAndWarnOnLoss) {
    for (bool sgn : {false, true}) {
        const size_t warning = sgn ? 0x25d0 : 0x25a7;
        const size_t length = sgn ? 39 : 41;
        std::vector<int32_t> args = integers(sgn);
        for (int32_t arg : args)
            for (int32_t size : {1, 2, 3, 4, 6, 7, 8, 16, 31, 32, 33, 40}) {
                const Out o = call([&](array_bounds *b) {
                    return sgn ? ieee_p_1242562249_sub_2563015576_1035706684(blk, b, arg, size)
                               : ieee_p_1242562249_sub_180853171_1035706684(blk, b, arg, size);
                });
                const std::string where =
                    (sgn ? "TO_SIGNED(" : "TO_UNSIGNED(") + std::to_string(arg) + ", " + std::to_string(size) + ")";
                EXPECT_EQ(o.value, bits(arg, size)) << where;
                EXPECT_TRUE(downto_zero(o.bounds, size)) << where << show(o.bounds);
                if (fits(sgn, arg, size))
                    expect_no_reports(where);
                else
                    expect_one_warning(warning, length, where);
            }
        // A size of 0 or below: the null vector, silently, whatever the size.
        for (int32_t size : {0, -1, -7, INT_MIN}) {
            const Out o = call([&](array_bounds *b) {
                return sgn ? ieee_p_1242562249_sub_2563015576_1035706684(blk, b, 1000, size)
                           : ieee_p_1242562249_sub_180853171_1035706684(blk, b, 1000, size);
            });
            EXPECT_TRUE(null_vector(o.bounds)) << size;
            expect_no_reports("size " + std::to_string(size));
        }
    }
    // The clock manager's sizes.
    EXPECT_EQ(call([&](array_bounds *b) { return ieee_p_1242562249_sub_180853171_1035706684(blk, b, 100, 7); }).value,
              "1100100");
    EXPECT_EQ(call([&](array_bounds *b) { return ieee_p_1242562249_sub_180853171_1035706684(blk, b, 63, 6); }).value,
              "111111");
    set_no_warning(true);
    call([&](array_bounds *b) { return ieee_p_1242562249_sub_180853171_1035706684(blk, b, 64, 6); });
    call([&](array_bounds *b) { return ieee_p_1242562249_sub_2563015576_1035706684(blk, b, 8, 4); });
    expect_no_reports("truncation under NO_WARNING");
}

TEST_F(NumericStd, ToIntegerReadsTheLow32Bits) {
    for (bool sgn : {false, true}) {
        using F = int32_t (*)(char *, const uint8_t *, const array_bounds *);
        const F f = sgn ? &ieee_p_1242562249_sub_2271993008_1035706684 : &ieee_p_1242562249_sub_1657552908_1035706684;
        for (const Vec &v : operands()) {
            const i128 value = value_of(sgn, v.str());
            const int32_t expected = static_cast<int32_t>(static_cast<uint32_t>(value & 0xffffffff));
            EXPECT_EQ(f(blk, v.d(), v.b()), expected) << describe(v);
            // Only the one-element SIGNED '1' converts a 1 that does not fit on the way.
            if (sgn && v.length() == 1 && is_one(v.str()[0]))
                expect_one_warning(0x25d0, 39, describe(v));
            else
                expect_no_reports(describe(v));
        }
        const size_t base = sgn ? 0x253e : 0x24d5;
        const Vec null = vec(""), meta = vec("10X0");
        EXPECT_EQ(f(blk, null.d(), null.b()), 0);
        expect_one_warning(base, 50, "null");
        EXPECT_EQ(f(blk, meta.d(), meta.b()), 0);
        expect_one_warning(base + 50, 55, "metavalue");
        set_no_warning(true);
        EXPECT_EQ(f(blk, null.d(), null.b()), 0);
        EXPECT_EQ(f(blk, meta.d(), meta.b()), 0);
        expect_no_reports("NO_WARNING");
        set_no_warning(false);
    }
    const Vec m = vec("1" + repeat('0', 31));
    EXPECT_EQ(ieee_p_1242562249_sub_2271993008_1035706684(blk, m.d(), m.b()), INT_MIN);
}

TEST_F(NumericStd, ResizeExtendsOrCuts) {
    for (bool sgn : {false, true})
        for (const Vec &v : operands())
            for (int32_t n : {1, 2, 3, 5, 8, 31, 32, 33, 45}) {
                const Out o = call([&](array_bounds *b) {
                    return sgn ? ieee_p_1242562249_sub_3410769178_1035706684(blk, b, v.d(), v.b(), n)
                               : ieee_p_1242562249_sub_2045698577_1035706684(blk, b, v.d(), v.b(), n);
                });
                std::string expected;
                const std::string s = v.str();
                if (!sgn)
                    expected = n >= v.length() ? repeat('0', n - v.length()) + s
                                               : s.substr(static_cast<size_t>(v.length() - n));
                else if (n >= v.length())
                    expected = repeat(s[0], n - v.length()) + s;
                else
                    expected = s.substr(0, 1) + s.substr(static_cast<size_t>(v.length() - n + 1));
                EXPECT_EQ(o.value, expected) << describe(v) << " to " << n;
                EXPECT_TRUE(downto_zero(o.bounds, n));
            }
    const Vec null = vec(""), v = vec("1010");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_3410769178_1035706684(blk, b, null.d(), null.b(), 3);
              }).value,
              "000");
    for (int32_t n : {0, -1, INT_MIN}) {
        EXPECT_TRUE(null_vector(call([&](array_bounds *b) {
                                    return ieee_p_1242562249_sub_2045698577_1035706684(blk, b, v.d(), v.b(), n);
                                }).bounds));
        EXPECT_TRUE(null_vector(call([&](array_bounds *b) {
                                    return ieee_p_1242562249_sub_3410769178_1035706684(blk, b, v.d(), v.b(), n);
                                }).bounds));
    }
    expect_no_reports("RESIZE");
}

// ===========================================================================
// Arithmetic operators in every operand form
// ===========================================================================

using VV = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                        const array_bounds *);
using VI = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, int32_t);
using IV = uint8_t *(*)(char *, array_bounds *, int32_t, const uint8_t *, const array_bounds *);

// One operator in its six forms, with its integer model.
struct Arith {
    const char *name;
    VV uu, ss;
    VI un, si;  // vector with integer
    IV nu, is;  // integer with vector
    std::function<i128(i128, i128)> model;
    bool product;  // result length L'length + R'length (2 * length for integer forms)
};

std::vector<Arith> additive_operators() {
    return {
        {"+", &ieee_p_1242562249_sub_1547198987_1035706684, &ieee_p_1242562249_sub_3273497107_1035706684,
         &ieee_p_1242562249_sub_1919365254_1035706684, &ieee_p_1242562249_sub_2931903318_1035706684,
         &ieee_p_1242562249_sub_1654215474_1035706684, &ieee_p_1242562249_sub_3666461690_1035706684,
         [](i128 a, i128 b) { return a + b; }, false},
        {"-", &ieee_p_1242562249_sub_1547270861_1035706684, &ieee_p_1242562249_sub_3273568981_1035706684,
         &ieee_p_1242562249_sub_1919437128_1035706684, &ieee_p_1242562249_sub_2931975192_1035706684,
         &ieee_p_1242562249_sub_1654287348_1035706684, &ieee_p_1242562249_sub_3666533564_1035706684,
         [](i128 a, i128 b) { return a - b; }, false},
        {"*", &ieee_p_1242562249_sub_2053728113_1035706684, &ieee_p_1242562249_sub_2807594338_1035706684,
         &ieee_p_1242562249_sub_1919329317_1035706684, &ieee_p_1242562249_sub_2931867381_1035706684,
         &ieee_p_1242562249_sub_1654179537_1035706684, &ieee_p_1242562249_sub_3666425753_1035706684,
         [](i128 a, i128 b) { return a * b; }, true},
    };
}

TEST_F(NumericStd, AdditiveAndMultiplyVectorForms) {
    const std::vector<Vec> ops = operands();
    for (const Arith &op : additive_operators())
        for (bool sgn : {false, true})
            for (const Vec &l : ops)
                for (size_t k = 0; k < ops.size(); k += 3) {
                    const Vec &r = ops[(k + static_cast<size_t>(l.length())) % ops.size()];
                    const int n = op.product ? l.length() + r.length() : std::max(l.length(), r.length());
                    const Out o = call(
                        [&](array_bounds *b) { return (sgn ? op.ss : op.uu)(blk, b, l.d(), l.b(), r.d(), r.b()); });
                    const std::string where =
                        std::string(op.name) + (sgn ? " SIGNED " : " UNSIGNED ") + describe(l) + ", " + describe(r);
                    EXPECT_EQ(o.value, bits(op.model(value_of(sgn, l.str()), value_of(sgn, r.str())), n)) << where;
                    EXPECT_TRUE(downto_zero(o.bounds, n)) << where << show(o.bounds);
                }
    expect_no_reports("arithmetic on plain operands");
}

TEST_F(NumericStd, AdditiveAndMultiplyIntegerForms) {
    for (const Arith &op : additive_operators())
        for (bool sgn : {false, true})
            for (const Vec &v : operands())
                for (int32_t i : integers(sgn)) {
                    const int n = op.product ? 2 * v.length() : v.length();
                    // The integer is first converted to the vector's length.
                    const i128 iv = value_of(sgn, bits(i, v.length()));
                    const i128 vv = value_of(sgn, v.str());
                    const Out right =
                        call([&](array_bounds *b) { return (sgn ? op.si : op.un)(blk, b, v.d(), v.b(), i); });
                    const Out left =
                        call([&](array_bounds *b) { return (sgn ? op.is : op.nu)(blk, b, i, v.d(), v.b()); });
                    const std::string where = std::string(op.name) + (sgn ? " SIGNED " : " UNSIGNED ") + describe(v) +
                                              ", " + std::to_string(i);
                    EXPECT_EQ(right.value, bits(op.model(vv, iv), n)) << where;
                    EXPECT_EQ(left.value, bits(op.model(iv, vv), n)) << where;
                    EXPECT_TRUE(downto_zero(right.bounds, n) && downto_zero(left.bounds, n)) << where;
                    const auto reports = take_reports();
                    // One truncation warning per conversion that loses bits.
                    const size_t expected = fits(sgn, i, v.length()) ? 0 : 2;
                    EXPECT_EQ(reports.size(), expected) << where;
                    for (const auto &r : reports)
                        EXPECT_EQ(r.first, sgn ? text(0x25d0, 39) : text(0x25a7, 41)) << where;
                }
}

TEST_F(NumericStd, ArithmeticNullAndMetavalueOperands) {
    const Vec null = vec(""), good = vec("0110"), meta = vec("01Z0"), meta_short = vec("W1");
    for (const Arith &op : additive_operators())
        for (bool sgn : {false, true}) {
            const VV f = sgn ? op.ss : op.uu;
            for (const auto &pair :
                 {std::make_pair(&null, &good), std::make_pair(&good, &null), std::make_pair(&null, &null)}) {
                const Out o = call([&](array_bounds *b) {
                    return f(blk, b, pair.first->d(), pair.first->b(), pair.second->d(), pair.second->b());
                });
                EXPECT_TRUE(null_vector(o.bounds)) << op.name << show(o.bounds);
            }
            for (const auto &pair :
                 {std::make_pair(&meta, &good), std::make_pair(&good, &meta), std::make_pair(&good, &meta_short)}) {
                const int n = op.product ? 4 + pair.second->length() : 4;
                const Out o = call([&](array_bounds *b) {
                    return f(blk, b, pair.first->d(), pair.first->b(), pair.second->d(), pair.second->b());
                });
                EXPECT_EQ(o.value, repeat('X', n)) << op.name << describe(*pair.first) << describe(*pair.second);
                EXPECT_TRUE(downto_zero(o.bounds, n));
            }
            // Integer forms with a null vector: the null vector.
            EXPECT_TRUE(null_vector(
                call([&](array_bounds *b) { return (sgn ? op.si : op.un)(blk, b, null.d(), null.b(), 3); }).bounds));
            EXPECT_TRUE(null_vector(
                call([&](array_bounds *b) { return (sgn ? op.is : op.nu)(blk, b, 3, null.d(), null.b()); }).bounds));
        }
    expect_no_reports("null and metavalue operands are silent");
    // Spot checks of the sign and zero extension of the shorter operand.
    const Vec u11 = vec("11"), u1 = vec("1"), s01 = vec("01");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_1547198987_1035706684(blk, b, u11.d(), u11.b(), u1.d(), u1.b());
              }).value,
              "00");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_3273497107_1035706684(blk, b, s01.d(), s01.b(), u1.d(), u1.b());
              }).value,
              "00");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_2807594338_1035706684(blk, b, u1.d(), u1.b(), u1.d(), u1.b());
              }).value,
              "01");
}

TEST_F(NumericStd, AddHelpersRippleThroughTheLogicTables) {
    using F = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                           const array_bounds *, uint8_t);
    for (F f : {&ieee_p_1242562249_sub_353865036_1035706684, &ieee_p_1242562249_sub_702267453_1035706684}) {
        const Vec a = vec("0111"), b = vec("0001", 0, 1), x = vec("0X01");
        EXPECT_EQ(call([&](array_bounds *o) { return f(blk, o, a.d(), a.b(), b.d(), b.b(), code('0')); }).value,
                  "1000");
        EXPECT_EQ(call([&](array_bounds *o) { return f(blk, o, a.d(), a.b(), b.d(), b.b(), code('1')); }).value,
                  "1001");
        // 'X' travels through the tables: 1 + X + carry is X, but its carry is '1'.
        EXPECT_EQ(call([&](array_bounds *o) { return f(blk, o, a.d(), a.b(), x.d(), x.b(), code('0')); }).value,
                  "1X00");
        // Operands of different lengths are a failed length check, not a read past the shorter one.
        const Vec shorter = vec("1");
        EXPECT_THROW(f(blk, nullptr, a.d(), a.b(), shorter.d(), shorter.b(), code('0')), tovu::CheckFailure);
    }
}

// ===========================================================================
// Division, remainder and modulus
// ===========================================================================

i128 trunc_div(i128 a, i128 b) { return a / b; }
i128 vhdl_rem(i128 a, i128 b) { return a % b; }
i128 vhdl_mod(i128 a, i128 b) {
    const i128 r = a % b;
    return (r != 0 && ((r < 0) != (b < 0))) ? r + b : r;
}

struct Division {
    const char *name;
    VV uu, ss;
    VI un, si;
    IV nu, is;
    std::function<i128(i128, i128)> model;
    size_t trunc_un, trunc_nu, trunc_si, trunc_is;  // truncation texts (0: none)
    size_t trunc_length;
};

std::vector<Division> division_operators() {
    return {
        {"/", &ieee_p_1242562249_sub_1922276087_1035706684, &ieee_p_1242562249_sub_2849293644_1035706684,
         &ieee_p_1242562249_sub_1808404841_1035706684, &ieee_p_1242562249_sub_3461525680_1035706684,
         &ieee_p_1242562249_sub_1486818655_1035706684, &ieee_p_1242562249_sub_2775072687_1035706684, trunc_div, 0,
         0x141b, 0, 0x143e, 35},
        {"rem", &ieee_p_1242562249_sub_3059403468_1035706684, &ieee_p_1242562249_sub_492975887_1035706684,
         &ieee_p_1242562249_sub_2962408653_1035706684, &ieee_p_1242562249_sub_320562204_1035706684,
         &ieee_p_1242562249_sub_2640822467_1035706684, &ieee_p_1242562249_sub_3929076507_1035706684, vhdl_rem, 0x1462,
         0x1488, 0x14ae, 0x14d4, 38},
        {"mod", &ieee_p_1242562249_sub_2875262280_1035706684, &ieee_p_1242562249_sub_3802353957_1035706684,
         &ieee_p_1242562249_sub_2778267465_1035706684, &ieee_p_1242562249_sub_136421016_1035706684,
         &ieee_p_1242562249_sub_2456681279_1035706684, &ieee_p_1242562249_sub_3744935319_1035706684, vhdl_mod, 0x14fd,
         0x1521, 0x1545, 0x1569, 36},
    };
}

TEST_F(NumericStd, DivisionVectorForms) {
    const std::vector<Vec> ops = operands();
    for (const Division &op : division_operators())
        for (bool sgn : {false, true})
            for (const Vec &l : ops)
                for (size_t k = 0; k < ops.size(); k += 2) {
                    const Vec &r = ops[(k + static_cast<size_t>(l.length())) % ops.size()];
                    const i128 a = value_of(sgn, l.str()), b = value_of(sgn, r.str());
                    if (b == 0) continue;
                    const bool quotient = std::string(op.name) == "/";
                    const int n = quotient ? l.length() : r.length();
                    const Out o = call(
                        [&](array_bounds *bb) { return (sgn ? op.ss : op.uu)(blk, bb, l.d(), l.b(), r.d(), r.b()); });
                    const std::string where =
                        std::string(op.name) + (sgn ? " SIGNED " : " UNSIGNED ") + describe(l) + ", " + describe(r);
                    // An 'H' in a SIGNED L's sign position makes "mod" skip its sign adjustment.
                    if (sgn && std::string(op.name) == "mod" && l.str()[0] == 'H') continue;
                    EXPECT_EQ(o.value, bits(op.model(a, b), n)) << where;
                    EXPECT_TRUE(downto_zero(o.bounds, n)) << where;
                }
    expect_no_reports("division of plain operands");
    // The cases worked by hand.
    struct Case {
        VV f;
        const char *l, *r, *expected;
    };
    for (const Case &c : {Case{&ieee_p_1242562249_sub_1922276087_1035706684, "1101", "0011", "0100"},
                          Case{&ieee_p_1242562249_sub_3059403468_1035706684, "1101", "0011", "0001"},
                          Case{&ieee_p_1242562249_sub_2849293644_1035706684, "1001", "0010", "1101"},
                          Case{&ieee_p_1242562249_sub_492975887_1035706684, "1001", "0010", "1111"},
                          Case{&ieee_p_1242562249_sub_3802353957_1035706684, "1001", "0010", "0001"},
                          Case{&ieee_p_1242562249_sub_3802353957_1035706684, "0111", "1110", "1111"},
                          Case{&ieee_p_1242562249_sub_492975887_1035706684, "0111", "1110", "0001"}}) {
        const Vec l = vec(c.l), r = vec(c.r);
        EXPECT_EQ(call([&](array_bounds *b) { return c.f(blk, b, l.d(), l.b(), r.d(), r.b()); }).value, c.expected)
            << c.l << " " << c.r;
    }
}

TEST_F(NumericStd, DivisionIntegerFormsAndTruncationWarnings) {
    for (const Division &op : division_operators())
        for (bool sgn : {false, true})
            for (const Vec &v : operands(33))
                for (int32_t i : integers(sgn)) {
                    const bool quotient = std::string(op.name) == "/";
                    const i128 vv = value_of(sgn, v.str());
                    const int n = v.length();
                    const std::string where = std::string(op.name) + (sgn ? " SIGNED " : " UNSIGNED ") + describe(v) +
                                              ", " + std::to_string(i);
                    if (sgn && std::string(op.name) == "mod" && v.str()[0] == 'H') continue;
                    // vector op integer
                    if (i != 0 && !(quotient && sgn && vv == -(i128{1} << (n - 1)) && i == -1)) {
                        const Out o =
                            call([&](array_bounds *b) { return (sgn ? op.si : op.un)(blk, b, v.d(), v.b(), i); });
                        i128 expected = op.model(vv, i);
                        // "/" answers 0 when the divisor needs more elements than L has.
                        if (quotient && !fits(sgn, i, n)) expected = 0;
                        EXPECT_EQ(o.value, cut(sgn, expected, n)) << where;
                        EXPECT_TRUE(downto_zero(o.bounds, n)) << where;
                        const size_t t = sgn ? op.trunc_si : op.trunc_un;
                        if (t != 0 && !fits(sgn, expected, n))
                            expect_one_warning(t, op.trunc_length, where);
                        else
                            expect_no_reports(where);
                    }
                    // integer op vector
                    if (vv != 0) {
                        const Out o =
                            call([&](array_bounds *b) { return (sgn ? op.is : op.nu)(blk, b, i, v.d(), v.b()); });
                        // The quotient is formed at the integer's width, where the most
                        // negative value divided by -1 wraps round.
                        const int width = std::max(sgn ? signed_bits_needed(i) : 1, n);
                        const i128 expected = sgn ? wrap_signed(op.model(i, vv), width) : op.model(i, vv);
                        EXPECT_EQ(o.value, cut(sgn, expected, n)) << where << " (integer left)";
                        EXPECT_TRUE(downto_zero(o.bounds, n)) << where;
                        const size_t t = sgn ? op.trunc_is : op.trunc_nu;
                        if (!fits(sgn, expected, n))
                            expect_one_warning(t, op.trunc_length, where + " (integer left)");
                        else
                            expect_no_reports(where + " (integer left)");
                    }
                }
    // The worked cases.
    const Vec u4 = vec("1111"), u2 = vec("0010"), s2 = vec("10");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_1808404841_1035706684(blk, b, u4.d(), u4.b(), 20);
              }).value,
              "0000");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_1486818655_1035706684(blk, b, 20, u2.d(), u2.b());
              }).value,
              "1010");
    expect_no_reports("20 / 2");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_1486818655_1035706684(blk, b, 40, u2.d(), u2.b());
              }).value,
              "0100");
    expect_one_warning(0x141b, 35, "40 / 2");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_3461525680_1035706684(blk, b, s2.d(), s2.b(), 2);
              }).value,
              "00");
    set_no_warning(true);
    call([&](array_bounds *b) { return ieee_p_1242562249_sub_1486818655_1035706684(blk, b, 40, u2.d(), u2.b()); });
    expect_no_reports("truncation under NO_WARNING");
}

TEST_F(NumericStd, DivisionNullAndMetavalueOperands) {
    const Vec null = vec(""), good = vec("0110"), meta = vec("0U10"), meta_r = vec("1-");
    for (const Division &op : division_operators())
        for (bool sgn : {false, true}) {
            const VV f = sgn ? op.ss : op.uu;
            const bool quotient = std::string(op.name) == "/";
            EXPECT_TRUE(null_vector(
                call([&](array_bounds *b) { return f(blk, b, null.d(), null.b(), good.d(), good.b()); }).bounds));
            EXPECT_TRUE(null_vector(
                call([&](array_bounds *b) { return f(blk, b, good.d(), good.b(), null.d(), null.b()); }).bounds));
            EXPECT_TRUE(null_vector(
                call([&](array_bounds *b) { return (sgn ? op.si : op.un)(blk, b, null.d(), null.b(), 3); }).bounds));
            EXPECT_TRUE(null_vector(
                call([&](array_bounds *b) { return (sgn ? op.is : op.nu)(blk, b, 3, null.d(), null.b()); }).bounds));
            EXPECT_EQ(
                call([&](array_bounds *b) { return f(blk, b, meta.d(), meta.b(), meta_r.d(), meta_r.b()); }).value,
                repeat('X', quotient ? 4 : 2))
                << op.name;
            EXPECT_EQ(
                call([&](array_bounds *b) { return f(blk, b, good.d(), good.b(), meta_r.d(), meta_r.b()); }).value,
                repeat('X', quotient ? 4 : 2))
                << op.name;
            EXPECT_EQ(call([&](array_bounds *b) { return (sgn ? op.si : op.un)(blk, b, meta.d(), meta.b(), 3); }).value,
                      "XXXX")
                << op.name;
        }
    expect_no_reports("null and metavalue divisions are silent");
}

TEST_F(NumericStd, DivisionByZeroIsAnErrorAndStops) {
    const Vec l = vec("0110"), zero = vec("0000"), long_zero = vec("000000"), short_l = vec("11");
    for (bool quiet : {false, true}) {
        set_no_warning(quiet);  // the division errors are not warnings
        // The quotient element past the end is a failed index check: the run stops there.
        EXPECT_THROW(call([&](array_bounds *b) {
                         return ieee_p_1242562249_sub_1922276087_1035706684(blk, b, l.d(), l.b(), zero.d(), zero.b());
                     }),
                     tovu::CheckFailure);
        auto r = take_reports();
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(r[0].first, text(0x13d8, 24));
        EXPECT_EQ(r[0].second, SEV_ERROR);
        EXPECT_THROW(
            call([&](array_bounds *b) { return ieee_p_1242562249_sub_1808404841_1035706684(blk, b, l.d(), l.b(), 0); }),
            tovu::CheckFailure);
        take_reports();
        // With a divisor longer than the dividend the division runs to its end:
        // one error for the zero divisor, one for each '1' of the dividend.
        const Out o = call([&](array_bounds *b) {
            return ieee_p_1242562249_sub_3059403468_1035706684(blk, b, short_l.d(), short_l.b(), long_zero.d(),
                                                               long_zero.b());
        });
        EXPECT_EQ(o.value, "000011");
        r = take_reports();
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(r[0].first, text(0x13d8, 24));
        for (size_t k = 1; k < 3; ++k) {
            EXPECT_EQ(r[k].first, text(0x13f2, 40));
            EXPECT_EQ(r[k].second, SEV_ERROR);
        }
    }
}

TEST_F(NumericStd, DivmodProcedureFillsItsOutputs) {
    const Vec num = vec("1101"), den = vec("011", 0, 1);
    std::vector<uint8_t> q(6, code('U')), r(2, code('U'));
    const array_bounds qb{5, 0, -1, 6}, rb{0, 1, 1, 2};
    ieee_p_1242562249_sub_4109383058_1035706684(blk, nullptr, num.d(), num.b(), den.d(), den.b(), q.data(), &qb,
                                                r.data(), &rb);
    EXPECT_EQ(chars(q.data(), 6), "000100");
    EXPECT_EQ(chars(r.data(), 2), "01");
    expect_no_reports("DIVMOD");
}

// ===========================================================================
// Relational operators
// ===========================================================================

using BVV = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
using BIV = uint8_t (*)(char *, int32_t, const uint8_t *, const array_bounds *);
using BVI = uint8_t (*)(char *, const uint8_t *, const array_bounds *, int32_t);

struct Relational {
    const char *name;
    int first_slot;
    size_t null_length;
    BVV uu, ss;
    BIV nu, is;
    BVI un, si;
    std::function<bool(i128, i128)> model;
};

std::vector<Relational> relational_operators() {
    return {
        {">", 56, 56, &ieee_p_1242562249_sub_2110411308_1035706684, &ieee_p_1242562249_sub_2720078402_1035706684,
         &ieee_p_1242562249_sub_1686818447_1035706684, &ieee_p_1242562249_sub_2019698268_1035706684,
         &ieee_p_1242562249_sub_1781543830_1035706684, &ieee_p_1242562249_sub_2479290730_1035706684,
         [](i128 a, i128 b) { return a > b; }},
        {"<", 62, 56, &ieee_p_1242562249_sub_2110339434_1035706684, &ieee_p_1242562249_sub_2720006528_1035706684,
         &ieee_p_1242562249_sub_1686746573_1035706684, &ieee_p_1242562249_sub_2019626394_1035706684,
         &ieee_p_1242562249_sub_1781471956_1035706684, &ieee_p_1242562249_sub_2479218856_1035706684,
         [](i128 a, i128 b) { return a < b; }},
        {"<=", 68, 57, &ieee_p_1242562249_sub_3469716711_1035706684, &ieee_p_1242562249_sub_4079383805_1035706684,
         &ieee_p_1242562249_sub_3046123850_1035706684, &ieee_p_1242562249_sub_3379003671_1035706684,
         &ieee_p_1242562249_sub_3140849233_1035706684, &ieee_p_1242562249_sub_3838596133_1035706684,
         [](i128 a, i128 b) { return a <= b; }},
        {">=", 74, 57, &ieee_p_1242562249_sub_3472088553_1035706684, &ieee_p_1242562249_sub_4081755647_1035706684,
         &ieee_p_1242562249_sub_3048495692_1035706684, &ieee_p_1242562249_sub_3381375513_1035706684,
         &ieee_p_1242562249_sub_3143221075_1035706684, &ieee_p_1242562249_sub_3840967975_1035706684,
         [](i128 a, i128 b) { return a >= b; }},
        {"=", 80, 56, &ieee_p_1242562249_sub_2110375371_1035706684, &ieee_p_1242562249_sub_2720042465_1035706684,
         &ieee_p_1242562249_sub_1686782510_1035706684, &ieee_p_1242562249_sub_2019662331_1035706684,
         &ieee_p_1242562249_sub_1781507893_1035706684, &ieee_p_1242562249_sub_2479254793_1035706684,
         [](i128 a, i128 b) { return a == b; }},
        {"/=", 86, 56, &ieee_p_1242562249_sub_3454299738_1035706684, &ieee_p_1242562249_sub_4063966832_1035706684,
         &ieee_p_1242562249_sub_3030706877_1035706684, &ieee_p_1242562249_sub_3363586698_1035706684,
         &ieee_p_1242562249_sub_3125432260_1035706684, &ieee_p_1242562249_sub_3823179160_1035706684,
         [](i128 a, i128 b) { return a != b; }},
    };
}

TEST_F(NumericStd, RelationalOperatorsCompareNumericValues) {
    std::vector<Vec> ops = operands();
    for (const std::string s : {"0011", "111", "0L1H", "1000", "0111", "1", "0", "101", "1011", "011"})
        ops.push_back(vec(s));
    for (const Relational &op : relational_operators())
        for (bool sgn : {false, true}) {
            for (const Vec &l : ops)
                for (size_t k = 0; k < ops.size(); k += 3) {
                    const Vec &r = ops[(k + static_cast<size_t>(l.length())) % ops.size()];
                    const bool expected = op.model(value_of(sgn, l.str()), value_of(sgn, r.str()));
                    EXPECT_EQ((sgn ? op.ss : op.uu)(blk, l.d(), l.b(), r.d(), r.b()), expected ? 1 : 0)
                        << describe(l) << " " << op.name << " " << describe(r) << (sgn ? " SIGNED" : " UNSIGNED");
                }
            for (const Vec &v : ops)
                for (int32_t i : integers(sgn)) {
                    const i128 vv = value_of(sgn, v.str());
                    EXPECT_EQ((sgn ? op.si : op.un)(blk, v.d(), v.b(), i), op.model(vv, i) ? 1 : 0)
                        << describe(v) << " " << op.name << " " << i << (sgn ? " SIGNED" : " UNSIGNED");
                    EXPECT_EQ((sgn ? op.is : op.nu)(blk, i, v.d(), v.b()), op.model(i, vv) ? 1 : 0)
                        << i << " " << op.name << " " << describe(v) << (sgn ? " SIGNED" : " UNSIGNED");
                }
        }
    expect_no_reports("comparisons of plain operands");
}

TEST_F(NumericStd, RelationalNullAndMetavalueWarnings) {
    const Vec null = vec(""), good = vec("0101"), meta = vec("0X11"), meta2 = vec("U");
    for (const Relational &op : relational_operators()) {
        const uint8_t answer = std::string(op.name) == "/=" ? 1 : 0;
        for (int form = 0; form < 6; ++form) {
            const int slot = op.first_slot + form;
            const size_t per = op.null_length == 57 ? 110 : 108;
            const size_t base = (slot < 68   ? 0x158d
                                 : slot < 80 ? 0x1a9d
                                             : 0x1fc5) +
                                per * static_cast<size_t>(slot < 68   ? slot - 56
                                                          : slot < 80 ? slot - 68
                                                                      : slot - 80);
            const bool sgn = form % 2 == 1;
            auto run = [&](const Vec &v, const Vec &w) -> uint8_t {
                switch (form) {
                    case 0:
                    case 1: return (sgn ? op.ss : op.uu)(blk, v.d(), v.b(), w.d(), w.b());
                    case 2:
                    case 3: return (sgn ? op.is : op.nu)(blk, 5, v.d(), v.b());
                    default: return (sgn ? op.si : op.un)(blk, v.d(), v.b(), 5);
                }
            };
            const std::string where = std::string(op.name) + " form " + std::to_string(form);
            for (bool quiet : {false, true}) {
                set_no_warning(quiet);
                EXPECT_EQ(run(null, good), answer) << where;
                if (quiet)
                    expect_no_reports(where);
                else
                    expect_one_warning(base, op.null_length, where + " null");
                if (form < 2) {
                    EXPECT_EQ(run(good, null), answer) << where;
                    if (!quiet) expect_one_warning(base, op.null_length, where + " null right");
                    EXPECT_EQ(run(meta, meta2), answer) << where;  // one warning for both
                    if (!quiet) expect_one_warning(base + op.null_length, op.null_length - 4, where + " metavalue");
                    EXPECT_EQ(run(good, meta), answer) << where;
                    if (!quiet)
                        expect_one_warning(base + op.null_length, op.null_length - 4, where + " metavalue right");
                } else {
                    EXPECT_EQ(run(meta, good), answer) << where;
                    if (!quiet) expect_one_warning(base + op.null_length, op.null_length - 4, where + " metavalue");
                }
                expect_no_reports(where);
            }
            set_no_warning(false);
        }
    }
}

TEST_F(NumericStd, OrderingHelpersHandleSignsAndNullOperands) {
    using F = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
    const Vec a = vec("1000"), b = vec("0111"), null = vec("");
    EXPECT_EQ(ieee_p_1242562249_sub_282954104_1035706684(blk, a.d(), a.b(), b.d(), b.b()), 0);   // 8 < 7
    EXPECT_EQ(ieee_p_1242562249_sub_3494152804_1035706684(blk, a.d(), a.b(), b.d(), b.b()), 1);  // -8 < 7
    EXPECT_EQ(ieee_p_1242562249_sub_959202607_1035706684(blk, b.d(), b.b(), b.d(), b.b()), 1);
    EXPECT_EQ(ieee_p_1242562249_sub_2517024443_1035706684(blk, b.d(), b.b(), a.d(), a.b()), 0);
    // Reached through the table with null operands, the signed helpers touch no element.
    for (F f : {&ieee_p_1242562249_sub_3494152804_1035706684, &ieee_p_1242562249_sub_2517024443_1035706684}) {
        EXPECT_EQ(f(blk, null.d(), null.b(), b.d(), b.b()), 1);
        EXPECT_EQ(f(blk, null.d(), null.b(), null.d(), null.b()),
                  f == &ieee_p_1242562249_sub_2517024443_1035706684 ? 1 : 0);
    }
}

// ===========================================================================
// Negation and abs
// ===========================================================================

TEST_F(NumericStd, NegationAndAbs) {
    for (const Vec &v : operands()) {
        const i128 x = signed_value(v.str());
        const int n = v.length();
        const Out neg =
            call([&](array_bounds *b) { return ieee_p_1242562249_sub_3481121704_1035706684(blk, b, v.d(), v.b()); });
        const Out abs =
            call([&](array_bounds *b) { return ieee_p_1242562249_sub_3869231325_1035706684(blk, b, v.d(), v.b()); });
        EXPECT_EQ(neg.value, bits(-x, n)) << describe(v);
        EXPECT_EQ(abs.value, bits(x < 0 ? -x : x, n)) << describe(v);
        EXPECT_TRUE(downto_zero(neg.bounds, n) && downto_zero(abs.bounds, n)) << describe(v);
    }
    const Vec meta = vec("0U11"), null = vec("");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_3481121704_1035706684(blk, b, meta.d(), meta.b());
              }).value,
              "XXXX");
    EXPECT_EQ(call([&](array_bounds *b) {
                  return ieee_p_1242562249_sub_3869231325_1035706684(blk, b, meta.d(), meta.b());
              }).value,
              "XXXX");
    EXPECT_TRUE(null_vector(call([&](array_bounds *b) {
                                return ieee_p_1242562249_sub_3481121704_1035706684(blk, b, null.d(), null.b());
                            }).bounds));
    EXPECT_TRUE(null_vector(call([&](array_bounds *b) {
                                return ieee_p_1242562249_sub_3869231325_1035706684(blk, b, null.d(), null.b());
                            }).bounds));
    expect_no_reports("negation and abs");
}

// ===========================================================================
// Shifts and rotates
// ===========================================================================

std::string shl(const std::string &s, long c) {
    return c >= static_cast<long>(s.size()) ? repeat('0', static_cast<int>(s.size()))
                                            : s.substr(static_cast<size_t>(c)) + repeat('0', static_cast<int>(c));
}
std::string shr(const std::string &s, long c) {
    return c >= static_cast<long>(s.size())
               ? repeat('0', static_cast<int>(s.size()))
               : repeat('0', static_cast<int>(c)) + s.substr(0, s.size() - static_cast<size_t>(c));
}
std::string sra(const std::string &s, long c) {
    const long n = static_cast<long>(s.size());
    if (c > n - 1) c = n - 1;
    return repeat(s[0], static_cast<int>(c)) + s.substr(0, static_cast<size_t>(n - c));
}
std::string rotl(const std::string &s, long c) {
    const long n = static_cast<long>(s.size()), m = ((c % n) + n) % n;
    return s.substr(static_cast<size_t>(m)) + s.substr(0, static_cast<size_t>(m));
}
std::string rotr(const std::string &s, long c) { return rotl(s, -c); }

using Shift = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, int32_t);

TEST_F(NumericStd, ShiftAndRotateFunctions) {
    struct Form {
        Shift f;
        std::function<std::string(const std::string &, long)> model;
        bool own_range_at_zero;
    };
    const std::vector<Form> forms = {{&ieee_p_1242562249_sub_2770553711_1035706684, shl, false},
                                     {&ieee_p_1242562249_sub_1830103426_1035706684, shr, false},
                                     {&ieee_p_1242562249_sub_4004982826_1035706684, shl, false},
                                     {&ieee_p_1242562249_sub_3064532541_1035706684, sra, true},
                                     {&ieee_p_1242562249_sub_4109847776_1035706684, rotl, false},
                                     {&ieee_p_1242562249_sub_3077134611_1035706684, rotr, false},
                                     {&ieee_p_1242562249_sub_1049309595_1035706684, rotl, false},
                                     {&ieee_p_1242562249_sub_16596430_1035706684, rotr, false}};
    for (const Form &form : forms)
        for (const Vec &v : operands())
            for (int32_t c : {0, 1, 2, 3, 5, 9, 31, 32, 33, 40, 41, 100, INT_MAX}) {
                const Out o = call([&](array_bounds *b) { return form.f(blk, b, v.d(), v.b(), c); });
                const std::string s = v.str();
                EXPECT_EQ(o.value, form.model(s, c)) << describe(v) << " by " << c;
                if (form.own_range_at_zero && (c == 0 || v.length() == 1))
                    EXPECT_TRUE(o.bounds.left == v.bounds.left && o.bounds.right == v.bounds.right &&
                                o.bounds.dir == v.bounds.dir)
                        << describe(v);
                else
                    EXPECT_TRUE(downto_zero(o.bounds, v.length())) << describe(v) << show(o.bounds);
            }
    const Vec null = vec("");
    for (const Form &form : forms)
        for (int32_t c : {0, 3, -1})
            EXPECT_TRUE(
                null_vector(call([&](array_bounds *b) { return form.f(blk, b, null.d(), null.b(), c); }).bounds));
    expect_no_reports("shifts");
}

TEST_F(NumericStd, ShiftOperatorsTakeSignedCounts) {
    struct Form {
        Shift f;
        std::function<std::string(const std::string &, long)> pos, neg;
    };
    const std::vector<Form> forms = {{&ieee_p_1242562249_sub_2540846514_1035706684, shl, shr},
                                     {&ieee_p_1242562249_sub_4230814580_1035706684, shl, shr},
                                     {&ieee_p_1242562249_sub_2547962040_1035706684, shr, shl},
                                     {&ieee_p_1242562249_sub_4237930106_1035706684, shr, shl},
                                     {&ieee_p_1242562249_sub_2505268884_1035706684, rotl, rotr},
                                     {&ieee_p_1242562249_sub_4195236950_1035706684, rotl, rotr},
                                     {&ieee_p_1242562249_sub_2505484506_1035706684, rotr, rotl},
                                     {&ieee_p_1242562249_sub_4195452572_1035706684, rotr, rotl}};
    for (const Form &form : forms)
        for (const Vec &v : operands())
            for (int32_t c : {0, 1, 3, 7, 33, -1, -3, -7, -33, -100, INT_MAX, -INT_MAX, INT_MIN}) {
                const Out o = call([&](array_bounds *b) { return form.f(blk, b, v.d(), v.b(), c); });
                const long mag = c < 0 ? -static_cast<long>(c) : c;
                EXPECT_EQ(o.value, (c >= 0 ? form.pos : form.neg)(v.str(), mag)) << describe(v) << " by " << c;
                EXPECT_TRUE(downto_zero(o.bounds, v.length())) << describe(v);
            }
    expect_no_reports("shift operators");
}

TEST_F(NumericStd, ShiftWorkersTreatNegativeCountsAsBeyondTheLength) {
    const Vec v = vec("1011", 0, 1), null = vec("");
    struct Case {
        Shift f;
        std::string expected;
    };
    for (const Case &c : {Case{&ieee_p_1242562249_sub_618269441_1035706684, "0000"},
                          Case{&ieee_p_1242562249_sub_618485063_1035706684, "0000"},
                          Case{&ieee_p_1242562249_sub_505238664_1035706684, "1111"},
                          Case{&ieee_p_1242562249_sub_614346876_1035706684, "0111"},
                          Case{&ieee_p_1242562249_sub_614353410_1035706684, "1101"}}) {
        // -3 mod 4 = 1 for the rotates
        const Out o = call([&](array_bounds *b) { return c.f(blk, b, v.d(), v.b(), -3); });
        EXPECT_EQ(o.value, c.expected);
        EXPECT_TRUE(downto_zero(o.bounds, 4));
        const Out n = call([&](array_bounds *b) { return c.f(blk, b, null.d(), null.b(), 5); });
        EXPECT_EQ(n.bounds.length, 0);
    }
    expect_no_reports("workers");
}

// ===========================================================================
// Logic operators and STD_MATCH
// ===========================================================================

TEST_F(NumericStd, LogicOperatorsGiveTheLeftLengthDowntoZero) {
    using Bin = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                             const array_bounds *);
    using Un = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);
    auto bit = [](char c) { return c == '1' || c == 'H'; };
    struct Form {
        Bin u, s;
        std::function<bool(bool, bool)> model;
    };
    const std::vector<Form> forms = {
        {&ieee_p_1242562249_sub_1854260743_1035706684, &ieee_p_1242562249_sub_3696923623_1035706684,
         [](bool a, bool b) { return a && b; }},
        {&ieee_p_1242562249_sub_2794316277_1035706684, &ieee_p_1242562249_sub_342011861_1035706684,
         [](bool a, bool b) { return a || b; }},
        {&ieee_p_1242562249_sub_562151893_1035706684, &ieee_p_1242562249_sub_2404814773_1035706684,
         [](bool a, bool b) { return !(a && b); }},
        {&ieee_p_1242562249_sub_2364709891_1035706684, &ieee_p_1242562249_sub_4207372771_1035706684,
         [](bool a, bool b) { return !(a || b); }},
        {&ieee_p_1242562249_sub_2756063821_1035706684, &ieee_p_1242562249_sub_303759405_1035706684,
         [](bool a, bool b) { return a != b; }},
        {&ieee_p_1242562249_sub_1102378843_1035706684, &ieee_p_1242562249_sub_2945041723_1035706684,
         [](bool a, bool b) { return a == b; }}};
    const std::vector<Vec> ops = operands();
    for (const Form &form : forms)
        for (Bin f : {form.u, form.s})
            for (size_t k = 0; k < ops.size(); ++k) {
                const Vec &l = ops[k];
                const Vec r = vec(random_bits(l.length(), "01LH"), 9, 1);
                const Out o = call([&](array_bounds *b) { return f(blk, b, l.d(), l.b(), r.d(), r.b()); });
                std::string expected;
                for (int32_t i = 0; i < l.length(); ++i)
                    expected += form.model(bit(l.str()[i]), bit(r.str()[i])) ? '1' : '0';
                EXPECT_EQ(o.value, expected) << describe(l) << describe(r);
                EXPECT_TRUE(downto_zero(o.bounds, l.length()));
            }
    for (Un f : {&ieee_p_1242562249_sub_2892387531_1035706684, &ieee_p_1242562249_sub_3991088854_1035706684}) {
        const Vec v = vec("01LHX", 0, 1), null = vec("");
        const Out o = call([&](array_bounds *b) { return f(blk, b, v.d(), v.b()); });
        EXPECT_EQ(o.value, "1010X");
        EXPECT_TRUE(downto_zero(o.bounds, 5));
        const Out n = call([&](array_bounds *b) { return f(blk, b, null.d(), null.b()); });
        EXPECT_TRUE(n.bounds.left == -1 && n.bounds.right == 0 && n.bounds.dir == -1 && n.bounds.length == 0)
            << show(n.bounds);
    }
    expect_no_reports("logic operators");
}

TEST_F(NumericStd, StdMatch) {
    const uint8_t *match = *reinterpret_cast<uint8_t **>(blk + 0x5f8);
    for (int l = 0; l < 9; ++l)
        for (int r = 0; r < 9; ++r)
            EXPECT_EQ(ieee_p_1242562249_sub_319130236_1035706684(blk, static_cast<uint8_t>(l), static_cast<uint8_t>(r)),
                      match[9 * l + r]);
    using F = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
    const std::vector<F> forms = {
        &ieee_p_1242562249_sub_438795891_1035706684, &ieee_p_1242562249_sub_4174973090_1035706684,
        &ieee_p_1242562249_sub_337943598_1035706684, &ieee_p_1242562249_sub_4198272599_1035706684};
    for (size_t k = 0; k < forms.size(); ++k) {
        const size_t base = 0x25f7 + 113 * k;
        struct Case {
            Vec l, r;
            bool expected;
        };
        for (const auto &c :
             {Case{vec("01-", 0, 1), vec("L11", 5, -1), true}, Case{vec("0H1Z"), vec("L1H-"), true},
              Case{vec("0X"), vec("0X"), false}, Case{vec("U"), vec("-"), true}, Case{vec("10"), vec("11"), false}})
            EXPECT_EQ(forms[k](blk, c.l.d(), c.l.b(), c.r.d(), c.r.b()), c.expected ? 1 : 0)
                << describe(c.l) << describe(c.r);
        expect_no_reports("STD_MATCH");
        const Vec a = vec("010"), b = vec("0101"), null = vec("");
        EXPECT_EQ(forms[k](blk, a.d(), a.b(), b.d(), b.b()), 0);
        expect_one_warning(base + 53, 60, "lengths differ");
        EXPECT_EQ(forms[k](blk, null.d(), null.b(), null.d(), null.b()), 0);
        expect_one_warning(base, 53, "null");
        set_no_warning(true);
        EXPECT_EQ(forms[k](blk, a.d(), a.b(), b.d(), b.b()), 0);
        EXPECT_EQ(forms[k](blk, null.d(), null.b(), a.d(), a.b()), 0);
        expect_no_reports("NO_WARNING");
        set_no_warning(false);
    }
}

}  // namespace
