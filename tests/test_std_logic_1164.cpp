// std_logic_1164 against the IEEE 1164 value system, derived here from its
// rules (drive strengths and logic values) rather than copied from the
// package's tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "std/textio.h"
#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

// ---- values as characters ----

const std::string kLiterals = "UX01ZWLH-";  // std_ulogic in position order

uint8_t pos(char literal) {
    const size_t p = kLiterals.find(literal);
    EXPECT_NE(p, std::string::npos) << literal;
    return static_cast<uint8_t>(p);
}
char lit(uint8_t position) { return kLiterals.at(position); }

// ---- IEEE 1164 from its rules ----

bool is_low(char c) { return c == '0' || c == 'L'; }
bool is_high(char c) { return c == '1' || c == 'H'; }

// Resolution of two drivers: 'U' wins over everything, then 'X' and '-'
// give 'X'; otherwise the stronger drive wins (forcing 0/1 over weak W/L/H
// over 'Z'), and two different values of equal strength give the unknown of
// that strength.
char resolve(char a, char b) {
    if (a == 'U' || b == 'U') return 'U';
    if (a == 'X' || a == '-' || b == 'X' || b == '-') return 'X';
    if (a == b) return a;
    auto strength = [](char c) { return c == '0' || c == '1' ? 3 : c == 'Z' ? 1 : 2; };
    if (strength(a) != strength(b)) return strength(a) > strength(b) ? a : b;
    return strength(a) == 3 ? 'X' : 'W';
}
char and_of(char a, char b) {
    if (is_low(a) || is_low(b)) return '0';
    if (a == 'U' || b == 'U') return 'U';
    return is_high(a) && is_high(b) ? '1' : 'X';
}
char or_of(char a, char b) {
    if (is_high(a) || is_high(b)) return '1';
    if (a == 'U' || b == 'U') return 'U';
    return is_low(a) && is_low(b) ? '0' : 'X';
}
char xor_of(char a, char b) {
    if (a == 'U' || b == 'U') return 'U';
    const bool known = (is_low(a) || is_high(a)) && (is_low(b) || is_high(b));
    if (!known) return 'X';
    return is_high(a) != is_high(b) ? '1' : '0';
}
char not_of(char a) { return a == 'U' ? 'U' : is_low(a) ? '1' : is_high(a) ? '0' : 'X'; }
char to_x01(char a) { return is_low(a) ? '0' : is_high(a) ? '1' : 'X'; }
char to_x01z(char a) { return a == 'Z' ? 'Z' : to_x01(a); }
char to_ux01(char a) { return a == 'U' ? 'U' : to_x01(a); }
bool is_metavalue(char a) { return !is_low(a) && !is_high(a); }

// ---- vectors ----

struct Vec {
    std::vector<uint8_t> data;
    array_bounds bounds;
};

// A vector of the given literals (std_ulogic characters, or '0'/'1' as BIT
// with `bits`) whose range starts at `left` in direction `dir`.
Vec vec(const std::string &literals, int32_t left, int32_t dir, bool bits = false) {
    Vec v;
    for (char c : literals) v.data.push_back(bits ? static_cast<uint8_t>(c - '0') : pos(c));
    const int32_t n = static_cast<int32_t>(literals.size());
    const int32_t right = left + dir * (n - 1);
    v.bounds = array_bounds{left, right, dir, dir * (right - left) + 1};
    return v;
}

struct Result {
    std::string value;  // std_ulogic characters, or '0'/'1' for BIT results
    array_bounds bounds;
};

Result take(const uint8_t *data, const array_bounds &bounds, bool bits = false) {
    Result r{std::string(), bounds};
    for (int32_t k = 0; k < bounds.length; ++k) r.value += bits ? static_cast<char>('0' + data[k]) : lit(data[k]);
    return r;
}

std::string random_literals(std::mt19937 &rng, size_t n, const std::string &alphabet = kLiterals) {
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::string s;
    for (size_t i = 0; i < n; ++i) s += alphabet[pick(rng)];
    return s;
}

void expect_bounds(const array_bounds &b, int32_t left, int32_t right, int32_t dir, int32_t length) {
    EXPECT_EQ(b.left, left);
    EXPECT_EQ(b.right, right);
    EXPECT_EQ(b.dir, dir);
    EXPECT_EQ(b.length, length);
}

class StdLogic1164 : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &std_textio_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(IEEE_P_2592010699, nullptr);
        ASSERT_NE(STD_STANDARD, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override { tovu::testing::capture_reports(false); }

    char *block() const { return IEEE_P_2592010699; }
};

// ---- resolution and scalar operators ----

using ScalarBinary = uint8_t (*)(char *, uint8_t, uint8_t);

TEST_F(StdLogic1164, ScalarOperatorsFollowIeee1164ForEveryPair) {
    struct Case {
        const char *name;
        ScalarBinary fn;
        std::function<char(char, char)> expected;
    };
    const Case cases[] = {
        {"and", ieee_p_2592010699_sub_1605435078_503743352, and_of},
        {"nand", ieee_p_2592010699_sub_313326228_503743352, [](char a, char b) { return not_of(and_of(a, b)); }},
        {"or", ieee_p_2592010699_sub_2545490612_503743352, or_of},
        {"nor", ieee_p_2592010699_sub_2115884226_503743352, [](char a, char b) { return not_of(or_of(a, b)); }},
        {"xor", ieee_p_2592010699_sub_2507238156_503743352, xor_of},
        {"xnor", ieee_p_2592010699_sub_853553178_503743352, [](char a, char b) { return not_of(xor_of(a, b)); }},
    };
    for (const Case &c : cases)
        for (char l : kLiterals)
            for (char r : kLiterals)
                EXPECT_EQ(lit(c.fn(block(), pos(l), pos(r))), c.expected(l, r)) << "'" << l << "' " << c.name << " '"
                                                                                << r << "'";
    for (char a : kLiterals) {
        EXPECT_EQ(lit(ieee_p_2592010699_sub_1690584930_503743352(block(), pos(a))), not_of(a)) << "not " << a;
        EXPECT_EQ(lit(ieee_p_2592010699_sub_1388759734_503743352(block(), pos(a))), to_x01(a)) << a;
        EXPECT_EQ(lit(ieee_p_2592010699_sub_3990364458_503743352(block(), pos(a))), to_x01z(a)) << a;
        EXPECT_EQ(lit(ieee_p_2592010699_sub_3957255360_503743352(block(), pos(a))), to_ux01(a)) << a;
    }
}

uint8_t resolve_vector(char *block, const Vec &v) {
    return ieee_p_2592010699_sub_3130575329_503743352(block, v.data.data(), &v.bounds);
}

TEST_F(StdLogic1164, ResolvedFoldsDriversFromZ) {
    // No drivers: 'Z'. One driver: its value unchanged, even '-' and 'Z'.
    EXPECT_EQ(lit(resolve_vector(block(), vec("", 0, +1))), 'Z');
    for (char a : kLiterals) EXPECT_EQ(lit(resolve_vector(block(), vec(std::string(1, a), 0, +1))), a);

    // Two and three drivers, every combination, in either range direction.
    for (char a : kLiterals)
        for (char b : kLiterals) {
            EXPECT_EQ(lit(resolve_vector(block(), vec({a, b}, 0, +1))), resolve(resolve('Z', a), b)) << a << b;
            for (char c : kLiterals)
                EXPECT_EQ(lit(resolve_vector(block(), vec({a, b, c}, 7, -1))),
                          resolve(resolve(resolve('Z', a), b), c))
                    << a << b << c;
        }

    // Many drivers: the order does not matter.
    std::mt19937 rng(1164);
    for (int n : {4, 9, 40}) {
        const std::string drivers = random_literals(rng, n, "01ZWLH");
        char expected = 'Z';
        for (char d : drivers) expected = resolve(expected, d);
        EXPECT_EQ(lit(resolve_vector(block(), vec(drivers, 0, +1))), expected) << drivers;
        const std::string reversed(drivers.rbegin(), drivers.rend());
        EXPECT_EQ(lit(resolve_vector(block(), vec(reversed, 0, +1))), expected) << reversed;
    }

    // A null range written with its bounds further apart has no drivers.
    const uint8_t none = 0;
    const array_bounds backwards{5, 0, +1, -4};
    EXPECT_EQ(lit(ieee_p_2592010699_sub_3130575329_503743352(block(), &none, &backwards)), 'Z');
}

// ---- vector logic operators ----

using VectorBinary = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                                  const array_bounds *);
using VectorUnary = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);

struct VectorOperatorCase {
    const char *name;
    const char *op;  // the operator as the report text names it
    VectorBinary fn;
    std::function<char(char, char)> expected;
    bool std_logic_vector;  // checks element values
    uint32_t text_offset;
    uint32_t text_length;
};

const std::vector<VectorOperatorCase> &vector_operators() {
    static const std::vector<VectorOperatorCase> cases = {
        {"and slv", "and", ieee_p_2592010699_sub_795620321_503743352, and_of, true, 0x1e50, 65},
        {"and sulv", "and", ieee_p_2592010699_sub_3719728556_503743352, and_of, false, 0x1e91, 65},
        {"nand slv", "nand", ieee_p_2592010699_sub_3798478767_503743352,
         [](char a, char b) { return not_of(and_of(a, b)); }, true, 0x1ed2, 66},
        {"nand sulv", "nand", ieee_p_2592010699_sub_2427619706_503743352,
         [](char a, char b) { return not_of(and_of(a, b)); }, false, 0x1f14, 66},
        {"or slv", "or", ieee_p_2592010699_sub_1735675855_503743352, or_of, true, 0x1f56, 64},
        {"or sulv", "or", ieee_p_2592010699_sub_364816794_503743352, or_of, false, 0x1f96, 64},
        {"nor slv", "nor", ieee_p_2592010699_sub_1306069469_503743352,
         [](char a, char b) { return not_of(or_of(a, b)); }, true, 0x1fd6, 65},
        {"nor sulv", "nor", ieee_p_2592010699_sub_4230177704_503743352,
         [](char a, char b) { return not_of(or_of(a, b)); }, false, 0x2017, 65},
        {"xor slv", "xor", ieee_p_2592010699_sub_1697423399_503743352, xor_of, true, 0x2058, 65},
        {"xor sulv", "xor", ieee_p_2592010699_sub_326564338_503743352, xor_of, false, 0x2099, 65},
        {"xnor slv", "xnor", ieee_p_2592010699_sub_43738421_503743352,
         [](char a, char b) { return not_of(xor_of(a, b)); }, true, 0x20da, 66},
        {"xnor sulv", "xnor", ieee_p_2592010699_sub_2967846656_503743352,
         [](char a, char b) { return not_of(xor_of(a, b)); }, false, 0x211c, 66},
    };
    return cases;
}

Result apply(char *block, VectorBinary fn, const Vec &l, const Vec &r) {
    array_bounds out{-99, -99, -99, -99};
    const uint8_t *data = fn(block, &out, l.data.data(), &l.bounds, r.data.data(), &r.bounds);
    return take(data, out);
}

TEST_F(StdLogic1164, VectorOperatorsCombineElementsFromTheLeft) {
    std::mt19937 rng(2592010699u);
    for (const VectorOperatorCase &c : vector_operators()) {
        SCOPED_TRACE(c.name);
        // The operands' own ranges do not matter, only their lengths; lengths
        // beyond a few hundred elements too.
        for (int n : {1, 2, 9, 81, 300}) {
            const std::string a = random_literals(rng, n), b = random_literals(rng, n);
            const Result r = apply(block(), c.fn, vec(a, n + 5, -1), vec(b, -3, +1));
            std::string expected;
            for (int k = 0; k < n; ++k) expected += c.expected(a[k], b[k]);
            EXPECT_EQ(r.value, expected);
            expect_bounds(r.bounds, 1, n, +1, n);
        }
        // Every pair of values in one call.
        std::string a, b, expected;
        for (char x : kLiterals)
            for (char y : kLiterals) {
                a += x;
                b += y;
                expected += c.expected(x, y);
            }
        EXPECT_EQ(apply(block(), c.fn, vec(a, 0, +1), vec(b, 80, -1)).value, expected);
    }
    EXPECT_TRUE(tovu::testing::reports().empty());

    // The example of two operands ranged 7 downto 6 and 0 to 1.
    const Result r = apply(block(), ieee_p_2592010699_sub_795620321_503743352, vec("01", 7, -1), vec("11", 0, +1));
    EXPECT_EQ(r.value, "01");
    expect_bounds(r.bounds, 1, 2, +1, 2);
}

TEST_F(StdLogic1164, VectorOperatorsReportLengthMismatch) {
    for (const VectorOperatorCase &c : vector_operators()) {
        SCOPED_TRACE(c.name);
        const std::string text(block() + c.text_offset, c.text_length);
        EXPECT_NE(text.find(std::string("'") + c.op + "'"), std::string::npos) << text;

        struct Mismatch {
            std::string l, r, result;
        };
        for (const Mismatch &m : {Mismatch{"01X", "10", "UUU"}, Mismatch{"", "10", ""}, Mismatch{"1", "", "U"}}) {
            SCOPED_TRACE(m.l + " / " + m.r);
            tovu::testing::capture_reports(true);  // restart the list
            const Result r = apply(block(), c.fn, vec(m.l, 4, -1), vec(m.r, 0, +1));
            const int32_t n = static_cast<int32_t>(m.l.size());
            EXPECT_EQ(r.value, m.result);
            expect_bounds(r.bounds, 1, n, +1, n);
            const auto &reports = tovu::testing::reports();
            ASSERT_EQ(reports.size(), 1u);
            EXPECT_EQ(reports[0].message, text);
            EXPECT_EQ(reports[0].severity, SEV_FAILURE);
        }
    }
}

TEST_F(StdLogic1164, NullOperandsGiveNullResultsWithoutReport) {
    for (const VectorOperatorCase &c : vector_operators()) {
        const Result r = apply(block(), c.fn, vec("", 1, +1), vec("", 7, -1));
        EXPECT_EQ(r.value, "") << c.name;
        expect_bounds(r.bounds, 1, 0, +1, 0);
    }
    for (VectorUnary fn : {ieee_p_2592010699_sub_1837678034_503743352, ieee_p_2592010699_sub_3946049995_503743352}) {
        const Vec v = vec("", 3, -1);
        array_bounds out{};
        fn(block(), &out, v.data.data(), &v.bounds);
        expect_bounds(out, 1, 0, +1, 0);
    }
    EXPECT_TRUE(tovu::testing::reports().empty());
}

TEST_F(StdLogic1164, StdLogicVectorFormsCheckElementValues) {
    // An element that is no std_ulogic position fails the check before it
    // indexes a table.
    const Vec good = vec("01", 0, +1);
    Vec bad = good;
    bad.data[1] = 9;
    array_bounds out{};
    for (const VectorOperatorCase &c : vector_operators()) {
        if (!c.std_logic_vector) continue;
        EXPECT_THROW(c.fn(block(), &out, bad.data.data(), &bad.bounds, good.data.data(), &good.bounds),
                     tovu::CheckFailure)
            << c.name;
        EXPECT_THROW(c.fn(block(), &out, good.data.data(), &good.bounds, bad.data.data(), &bad.bounds),
                     tovu::CheckFailure)
            << c.name;
    }
    for (VectorUnary fn : {ieee_p_2592010699_sub_1837678034_503743352, ieee_p_2592010699_sub_3262517747_503743352,
                           ieee_p_2592010699_sub_3381749997_503743352, ieee_p_2592010699_sub_3349614696_503743352})
        EXPECT_THROW(fn(block(), &out, bad.data.data(), &bad.bounds), tovu::CheckFailure);
}

// ---- conversions ----

TEST_F(StdLogic1164, ScalarConversions) {
    for (char a : kLiterals)
        for (uint8_t xmap : {0, 1}) {
            const uint8_t expected = is_low(a) ? 0 : is_high(a) ? 1 : xmap;
            EXPECT_EQ(ieee_p_2592010699_sub_1594292773_503743352(block(), pos(a), xmap), expected)
                << "To_bit('" << a << "', " << int(xmap) << ")";
        }
    using BitToStdULogic = uint8_t (*)(char *, uint8_t);
    for (BitToStdULogic fn : {ieee_p_2592010699_sub_1118889809_503743352, ieee_p_2592010699_sub_1361094856_503743352,
                              ieee_p_2592010699_sub_3962699580_503743352, ieee_p_2592010699_sub_3929590482_503743352}) {
        EXPECT_EQ(lit(fn(block(), 0)), '0');
        EXPECT_EQ(lit(fn(block(), 1)), '1');
    }
}

TEST_F(StdLogic1164, VectorConversions) {
    enum Shape { kUpFromOne, kDownToZero };  // 1 to N, or N-1 downto 0
    struct Case {
        const char *name;
        VectorUnary fn;
        bool bit_argument;
        bool bit_result;
        Shape shape;
        std::function<char(char)> element;
    };
    auto same = [](char a) { return a; };
    const Case cases[] = {
        {"To_StdLogicVector(bv)", ieee_p_2592010699_sub_393209765_503743352, true, false, kDownToZero, same},
        {"To_StdLogicVector(sulv)", ieee_p_2592010699_sub_3879918230_503743352, false, false, kDownToZero, same},
        {"To_StdULogicVector(bv)", ieee_p_2592010699_sub_2063748877_503743352, true, false, kDownToZero, same},
        {"To_StdULogicVector(slv)", ieee_p_2592010699_sub_2331123822_503743352, false, false, kDownToZero, same},
        {"To_X01(slv)", ieee_p_2592010699_sub_3262517747_503743352, false, false, kUpFromOne, to_x01},
        {"To_X01(sulv)", ieee_p_2592010699_sub_2274186774_503743352, false, false, kUpFromOne, to_x01},
        {"To_X01(bv) slv", ieee_p_2592010699_sub_4068884626_503743352, true, false, kUpFromOne, same},
        {"To_X01(bv) sulv", ieee_p_2592010699_sub_2008703781_503743352, true, false, kUpFromOne, same},
        {"To_X01Z(slv)", ieee_p_2592010699_sub_3381749997_503743352, false, false, kUpFromOne, to_x01z},
        {"To_X01Z(sulv)", ieee_p_2592010699_sub_2393419024_503743352, false, false, kUpFromOne, to_x01z},
        {"To_X01Z(bv) slv", ieee_p_2592010699_sub_4188116876_503743352, true, false, kUpFromOne, same},
        {"To_X01Z(bv) sulv", ieee_p_2592010699_sub_2127936031_503743352, true, false, kUpFromOne, same},
        {"To_UX01(slv)", ieee_p_2592010699_sub_3349614696_503743352, false, false, kUpFromOne, to_ux01},
        {"To_UX01(sulv)", ieee_p_2592010699_sub_2361283723_503743352, false, false, kUpFromOne, to_ux01},
        {"To_UX01(bv) slv", ieee_p_2592010699_sub_4155981575_503743352, true, false, kUpFromOne, same},
        {"To_UX01(bv) sulv", ieee_p_2592010699_sub_2095800730_503743352, true, false, kUpFromOne, same},
        {"not(slv)", ieee_p_2592010699_sub_1837678034_503743352, false, false, kUpFromOne, not_of},
        {"not(sulv)", ieee_p_2592010699_sub_3946049995_503743352, false, false, kUpFromOne, not_of},
    };
    std::mt19937 rng(106);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string alphabet = c.bit_argument ? "01" : kLiterals;
        for (int n : {0, 1, 2, 9, 300}) {
            const std::string arg = n == 9 && !c.bit_argument ? kLiterals : random_literals(rng, n, alphabet);
            for (int32_t dir : {+1, -1}) {
                const Vec v = vec(arg, 5, dir, c.bit_argument);
                array_bounds out{-99, -99, -99, -99};
                const Result r = take(c.fn(block(), &out, v.data.data(), &v.bounds), out);
                std::string expected;
                for (char a : arg) expected += c.element(a);
                EXPECT_EQ(r.value, expected) << arg;
                if (c.shape == kUpFromOne)
                    expect_bounds(r.bounds, 1, n, +1, n);
                else
                    expect_bounds(r.bounds, n - 1, 0, -1, n);
            }
        }
    }

    // The examples: BIT_VECTOR (1, 0) ranged 5 to 6 becomes ('1', '0') ranged
    // 1 downto 0; ('H', 'Z', 'L') ranged 2 downto 0 strips to ('1', 'X', '0')
    // ranged 1 to 3.
    array_bounds out{};
    const Vec bits = vec("10", 5, +1, true);
    Result r = take(ieee_p_2592010699_sub_393209765_503743352(block(), &out, bits.data.data(), &bits.bounds), out);
    EXPECT_EQ(r.value, "10");
    expect_bounds(r.bounds, 1, 0, -1, 2);
    const Vec hzl = vec("HZL", 2, -1);
    r = take(ieee_p_2592010699_sub_3262517747_503743352(block(), &out, hzl.data.data(), &hzl.bounds), out);
    EXPECT_EQ(r.value, "1X0");
    expect_bounds(r.bounds, 1, 3, +1, 3);
}

TEST_F(StdLogic1164, ToBitvector) {
    using ToBitvector = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, uint8_t);
    for (ToBitvector fn : {ieee_p_2592010699_sub_3293060193_503743352, ieee_p_2592010699_sub_3680442889_503743352}) {
        array_bounds out{};
        // ('1', 'X', 'L') ranged 0 to 2 with xmap 1: (1, 1, 0) ranged 2 downto 0.
        Vec v = vec("1XL", 0, +1);
        Result r = take(fn(block(), &out, v.data.data(), &v.bounds, 1), out, true);
        EXPECT_EQ(r.value, "110");
        expect_bounds(r.bounds, 2, 0, -1, 3);

        // Every value with both xmaps, from a descending argument.
        v = vec(kLiterals, 20, -1);
        for (uint8_t xmap : {0, 1}) {
            std::string expected;
            for (char a : kLiterals) expected += is_low(a) ? '0' : is_high(a) ? '1' : static_cast<char>('0' + xmap);
            r = take(fn(block(), &out, v.data.data(), &v.bounds, xmap), out, true);
            EXPECT_EQ(r.value, expected);
            expect_bounds(r.bounds, 8, 0, -1, 9);
        }

        v = vec("", 0, +1);
        fn(block(), &out, v.data.data(), &v.bounds, 0);
        expect_bounds(out, -1, 0, -1, 0);
    }
}

// ---- metavalue tests ----

TEST_F(StdLogic1164, IsX) {
    for (char a : kLiterals)
        EXPECT_EQ(ieee_p_2592010699_sub_1665218837_503743352(block(), pos(a)), is_metavalue(a) ? 1 : 0) << a;

    using IsXVector = uint8_t (*)(char *, const uint8_t *, const array_bounds *);
    struct Case {
        std::string value;
        int32_t left, dir;
        uint8_t expected;
    };
    const Case cases[] = {
        {"", 0, +1, 0},     {"0L-", 2, -1, 1}, {"H1", 0, +1, 0},         {"01LH01LH", 7, -1, 0},
        {"0000U", 0, +1, 1}, {"Z111", 9, -1, 1}, {"LLWHH", 1, +1, 1},    {"X", 0, +1, 1},
    };
    for (IsXVector fn : {ieee_p_2592010699_sub_1722410384_503743352, ieee_p_2592010699_sub_1600845279_503743352})
        for (const Case &c : cases) {
            const Vec v = vec(c.value, c.left, c.dir);
            EXPECT_EQ(fn(block(), v.data.data(), &v.bounds), c.expected) << '"' << c.value << '"';
        }
}


// ---- edge detection on signals of a running simulation ----

namespace edges {

using namespace tovu::layout;

// A test architecture: p0 drives `s` (std_logic) and `v` (std_logic_vector
// (0 to 1), element 1 following `s`, element 0 held at '0') through a sequence
// of values, one every 10 ps; p1 wakes on every change of `s` and asks
// rising_edge and falling_edge of `s` and of v(1); p2 samples the same
// functions at 5 ps past each change, when nothing has an event.
constexpr size_t kSigS = 0x3e0, kSigV = 0x3e0 + 160;
constexpr size_t kProc0 = 0x1000, kProc1 = 0x1000 + 248, kProc2 = 0x1000 + 2 * 248;
constexpr size_t kFlag1 = 0x1800;
constexpr size_t kDrvS = 0x1a00, kDrvV = 0x1a40;
constexpr int64_t kStep = 10;

std::string g_sequence;  // the values p0 drives, after the initial 'U'
struct Seen {
    char value;
    uint8_t rising, falling;        // of s
    uint8_t rising_v1, falling_v1;  // of v(1), offset 1
};
std::vector<Seen> g_on_event;
std::vector<Seen> g_between;

uintptr_t &step(char *b, size_t proc) { return reinterpret_cast<uintptr_t &>(resume_slot(b, proc)); }

Seen look(char *b) {
    void *s = signal_record(b, kSigS), *v = signal_record(b, kSigV);
    return Seen{lit(*signal_value(b, kSigS)), ieee_p_2592010699_sub_1744673427_503743352(IEEE_P_2592010699, s, 0, 0),
                ieee_p_2592010699_sub_1258338084_503743352(IEEE_P_2592010699, s, 0, 0),
                ieee_p_2592010699_sub_1744673427_503743352(IEEE_P_2592010699, v, 0, 1),
                ieee_p_2592010699_sub_1258338084_503743352(IEEE_P_2592010699, v, 0, 1)};
}

void drive(char *b) {
    uintptr_t &k = step(b, kProc0);
    if (k >= g_sequence.size()) return;  // done: neither waits again
    const uint8_t value = pos(g_sequence[k]);
    *driver_staging(b, kDrvS) = value;
    zem_driver_first_trans_fast(driver_record(b, kDrvS));
    uint8_t *staged = driver_staging(b, kDrvV);
    staged[0] = pos('0');
    staged[1] = value;
    zem_driver_first_trans_fast(driver_record(b, kDrvV));
    ++k;
    zem_process_wait(process_record(b, kProc0), kStep);
}
void watch(char *b) {
    if (zem_signal_has_event(signal_record(b, kSigS))) g_on_event.push_back(look(b));
    wait_flag(b, kFlag1) = 1;
}
void sample(char *b) {
    uintptr_t &k = step(b, kProc2);
    if (k > 0) g_between.push_back(look(b));
    if (k == g_sequence.size()) return;  // one sample after each change
    zem_process_wait(process_record(b, kProc2), k == 0 ? kStep / 2 : kStep);
    ++k;
}
void *pe[] = {reinterpret_cast<void *>(&drive), reinterpret_cast<void *>(&watch), reinterpret_cast<void *>(&sample)};

const char *kDidat = R"(didat 1
unit t_edges arch
block 0x2000
counts pe=3 se=0
use ieee_p_2592010699
signal 0 s sig std_logic
signal 1 v sig std_logic_vector(0 to 1)
process 0 record=0x1000
process 1 record=0x10f8 flag=0x1800 sens=s
process 2 record=0x11f0
driver 0x1a00 p0 s
driver 0x1a40 p0 v
)";

class EdgeDetection : public tovu_test::SimFixture {
protected:
    // Runs the test architecture over `sequence`; returns the run's status.
    int run_sequence(const std::string &sequence) {
        g_sequence = sequence;
        g_on_event.clear();
        g_between.clear();
        const std::string package = "kest/precompiled.exe.sim/ieee/p_2592010699.didat";
        tovu_test::fs::create_directories(dir_ + "/kest/precompiled.exe.sim/ieee");
        tovu_test::fs::copy_file(std::string(TOVU_SOURCE_DIR) + "/" + package, dir_ + "/" + package);
        write("kest/t/edges.didat", kDidat);
        start({});
        ieee_p_2592010699_init();
        zem_register_didat("t_edges", "kest/t/edges.didat");
        zem_register_executes(pe);
        zem_register_tops("t_edges");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }
};

TEST_F(EdgeDetection, EveryTransitionBetweenTwoValues) {
    // Every ordered pair of distinct values occurs as a change of s.
    std::string sequence;
    for (char a : kLiterals)
        for (char b : kLiterals)
            if (a != b) sequence += std::string{a, b};
    ASSERT_EQ(run_sequence(sequence), 0);

    // Expected from the sequence itself: an edge is a change whose old and new
    // values strip to '0' and '1' (rising) or '1' and '0' (falling).
    std::vector<std::string> expected, seen;
    char last = 'U';
    for (char now : sequence) {
        if (now != last) {
            const bool rising = to_x01(last) == '0' && to_x01(now) == '1';
            const bool falling = to_x01(last) == '1' && to_x01(now) == '0';
            expected.push_back(std::string{last, '>', now, ' ', rising ? 'R' : '-', falling ? 'F' : '-'});
        }
        last = now;
    }
    char before = 'U';
    for (const Seen &e : g_on_event) {
        seen.push_back(std::string{before, '>', e.value, ' ', e.rising ? 'R' : '-', e.falling ? 'F' : '-'});
        // v(1) follows s, so its edges are the same (offset 1 reads element 1
        // of both the current and the previous value).
        EXPECT_EQ(e.rising_v1, e.rising) << seen.back();
        EXPECT_EQ(e.falling_v1, e.falling) << seen.back();
        before = e.value;
    }
    EXPECT_EQ(seen, expected);

    // Between changes nothing has an event, whatever the values.
    ASSERT_EQ(g_between.size(), sequence.size());
    for (const Seen &e : g_between) {
        EXPECT_EQ(e.rising + e.falling + e.rising_v1 + e.falling_v1, 0) << e.value;
    }
}

TEST_F(EdgeDetection, StrengthIsStrippedOnBothSides) {
    // '0'>'1', 'L'>'1', '0'>'H', 'L'>'H' rise; '1'>'0', 'H'>'L' fall; from
    // 'X', 'U' or 'Z' to '1' nothing rises; to 'Z' or 'W' nothing rises or falls.
    ASSERT_EQ(run_sequence("01L10HLHXZ1W0HL1Z0W"), 0);
    std::string edges;
    for (const Seen &e : g_on_event) edges += e.rising ? 'R' : e.falling ? 'F' : '.';
    //                  U>0 0>1 1>L L>1 1>0 0>H H>L L>H H>X X>Z Z>1 1>W W>0 0>H H>L L>1 1>Z Z>0 0>W
    EXPECT_EQ(edges, std::string(".") + "R" + "F" + "R" + "F" + "R" + "F" + "R" + "." + "." + "." + "." + "." + "R" +
                         "F" + "R" + "." + "." + ".");
}

}  // namespace edges

// ---- registration ----

TEST_F(StdLogic1164, TextioRegistersItsBlock) { EXPECT_NE(zem_get_engine_memory("std_textio"), nullptr); }

}  // namespace
