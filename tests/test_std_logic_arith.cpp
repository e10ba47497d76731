// std_logic_arith (unit ieee_p_3499444699) and the kernel's arithmetic fast
// paths, checked against integer arithmetic computed here: results, result
// ranges and the metavalue reports.
#include <gtest/gtest.h>

#include "logic_vector.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "units/globals.h"
#include "tovu/arith_fastpath.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

using i128 = __int128;

// ---------------------------------------------------------------------------
// Values
// ---------------------------------------------------------------------------

using namespace logic_vector;

// The low n bits of v, most significant first (the sign repeats above bit 127).
std::string bits(i128 v, int n) {
    std::string s;
    for (int k = n - 1; k >= 0; --k) s += ((v >> (k < 127 ? k : 127)) & 1) ? '1' : '0';
    return s;
}

i128 unsigned_value(const std::string &s) {
    i128 v = 0;
    for (char c : s) v = v * 2 + ((c == '1' || c == 'H') ? 1 : 0);
    return v;
}
i128 signed_value(const std::string &s) {
    const i128 u = unsigned_value(s);
    if (s.empty() || !(s[0] == '1' || s[0] == 'H')) return u;
    return u - (i128{1} << s.size());
}
// v modulo 2**n read as a two's-complement number.
i128 wrap_signed(i128 v, int n) {
    if (n == 0) return 0;
    const i128 m = i128{1} << n;
    i128 r = v % m;
    if (r < 0) r += m;
    return r >= (m >> 1) ? r - m : r;
}

std::string repeat(char c, int n) { return std::string(n > 0 ? static_cast<size_t>(n) : 0, c); }

bool same_bounds(const array_bounds &b, int32_t l, int32_t r, int32_t d, int32_t n) {
    return b.left == l && b.right == r && b.dir == d && b.length == n;
}
std::string show(const array_bounds &b) {
    return "(" + std::to_string(b.left) + ", " + std::to_string(b.right) + ", " + std::to_string(b.dir) + ", " +
           std::to_string(b.length) + ")";
}
// (n-1 downto 0), a null range written (-1 downto 0).
bool is_downto_zero(const array_bounds &b, int n) { return n > 0 ? same_bounds(b, n - 1, 0, -1, n) : same_bounds(b, -1, 0, -1, 0); }

struct Result {
    std::string value;
    array_bounds bounds;
};

template <typename F>
Result call(F f) {
    array_bounds b{111, 222, 333, 444};
    const uint8_t *p = f(&b);
    return {chars(p, b.length), b};
}

// ---------------------------------------------------------------------------
// Reports
// ---------------------------------------------------------------------------

const std::string kMetavalueText =
    "An arithmetic operand holds a metavalue ('U', 'X', 'Z', 'W' or '-'): the result is X.";
const std::string kTooLong31Text = "CONV_INTEGER: more than 31 bits.";
const std::string kTooLong32Text = "CONV_INTEGER: more than 32 bits.";
const std::string kZeroText =
    "CONV_INTEGER: the argument holds a metavalue ('U', 'X', 'Z', 'W' or '-'), and the result is taken as 0.";

std::vector<std::string> take_reports() {
    std::vector<std::string> r;
    for (const auto &rep : tovu::testing::reports()) r.push_back(rep.message);
    tovu::testing::capture_reports(true);
    return r;
}

std::vector<tovu::testing::Report> take_full_reports() {
    auto r = tovu::testing::reports();
    tovu::testing::capture_reports(true);
    return r;
}

// ---------------------------------------------------------------------------
// Operands
// ---------------------------------------------------------------------------

enum class K { U, S, I, C };  // UNSIGNED, SIGNED, INTEGER, STD_ULOGIC

struct Op {
    K kind;
    Vec v;
    int32_t i = 0;
    char c = '0';

    int32_t length() const { return v.length(); }
    i128 value() const {
        switch (kind) {
        case K::U: return unsigned_value(v.str());
        case K::S: return signed_value(v.str());
        case K::I: return i;
        default: return (c == '1' || c == 'H') ? 1 : 0;
        }
    }
    std::string describe() const {
        switch (kind) {
        case K::U: return "UNSIGNED " + ::describe(v);
        case K::S: return "SIGNED " + ::describe(v);
        case K::I: return "INTEGER " + std::to_string(i);
        default: return std::string("STD_ULOGIC '") + c + "'";
        }
    }
};

std::mt19937 &rng() {
    static std::mt19937 g(20240611);
    return g;
}

std::string random_bits(int n, const std::string &alphabet = "01") {
    std::string s;
    for (int k = 0; k < n; ++k) s += alphabet[rng()() % alphabet.size()];
    return s;
}

// Edge and random vectors: null, length 1, lengths above 32; random values,
// all ones, the most negative pattern, 'L'/'H' mixtures; descending and
// ascending ranges with unusual left bounds.
std::vector<Op> vector_operands(K kind) {
    std::vector<Op> ops;
    int variant = 0;
    for (int n : {0, 1, 2, 3, 7, 8, 31, 32, 33, 40}) {
        std::vector<std::string> patterns = {random_bits(n), repeat('1', n), n ? "1" + repeat('0', n - 1) : "",
                                             random_bits(n, "01LH")};
        for (const auto &p : patterns) {
            Vec v;
            switch (variant++ % 4) {
            case 0: v = vec(p); break;
            case 1: v = vec(p, n + 4, -1); break;   // (n+4 downto 5)
            case 2: v = vec(p, 3, 1); break;        // (3 to n+2)
            default: v = vec(p, 0, 1); break;       // (0 to n-1)
            }
            ops.push_back({kind, v});
        }
    }
    return ops;
}

std::vector<Op> integer_operands() {
    std::vector<Op> ops;
    for (int32_t i : {0, 1, -1, 5, -6, 255, 256, -256, INT_MIN, INT_MAX}) ops.push_back({K::I, {}, i});
    for (int k = 0; k < 4; ++k) ops.push_back({K::I, {}, static_cast<int32_t>(rng()())});
    return ops;
}

std::vector<Op> ulogic_operands() {
    std::vector<Op> ops;
    for (char c : std::string("01LH")) ops.push_back({K::C, {}, 0, c});
    return ops;
}

std::vector<Op> operands(K kind) {
    if (kind == K::I) return integer_operands();
    if (kind == K::C) return ulogic_operands();
    return vector_operands(kind);
}

// ---------------------------------------------------------------------------
// Function shapes
// ---------------------------------------------------------------------------

using ArrVV = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                           const array_bounds *);
using ArrVI = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, int32_t);
using ArrIV = uint8_t *(*)(char *, array_bounds *, int32_t, const uint8_t *, const array_bounds *);
using ArrVC = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, uint8_t);
using ArrCV = uint8_t *(*)(char *, array_bounds *, uint8_t, const uint8_t *, const array_bounds *);
using ArrV = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);
using ArrIS = uint8_t *(*)(char *, array_bounds *, int32_t, int32_t);
using ArrVS = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, int32_t);
using ArrCS = uint8_t *(*)(char *, array_bounds *, uint8_t, int32_t);
using BoolVV = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
using BoolVI = uint8_t (*)(char *, const uint8_t *, const array_bounds *, int32_t);
using BoolIV = uint8_t (*)(char *, int32_t, const uint8_t *, const array_bounds *);
using IntV = int32_t (*)(char *, const uint8_t *, const array_bounds *);

using Binary = std::function<uint8_t *(char *, array_bounds *, const Op &, const Op &)>;
using Compare = std::function<uint8_t(char *, const Op &, const Op &)>;

Binary vv(ArrVV f) {
    return [f](char *b, array_bounds *o, const Op &l, const Op &r) { return f(b, o, l.v.d(), l.v.b(), r.v.d(), r.v.b()); };
}
Binary vi(ArrVI f) {
    return [f](char *b, array_bounds *o, const Op &l, const Op &r) { return f(b, o, l.v.d(), l.v.b(), r.i); };
}
Binary iv(ArrIV f) {
    return [f](char *b, array_bounds *o, const Op &l, const Op &r) { return f(b, o, l.i, r.v.d(), r.v.b()); };
}
Binary vc(ArrVC f) {
    return [f](char *b, array_bounds *o, const Op &l, const Op &r) { return f(b, o, l.v.d(), l.v.b(), code(r.c)); };
}
Binary cv(ArrCV f) {
    return [f](char *b, array_bounds *o, const Op &l, const Op &r) { return f(b, o, code(l.c), r.v.d(), r.v.b()); };
}
Compare cvv(BoolVV f) {
    return [f](char *b, const Op &l, const Op &r) { return f(b, l.v.d(), l.v.b(), r.v.d(), r.v.b()); };
}
Compare cvi(BoolVI f) {
    return [f](char *b, const Op &l, const Op &r) { return f(b, l.v.d(), l.v.b(), r.i); };
}
Compare civ(BoolIV f) {
    return [f](char *b, const Op &l, const Op &r) { return f(b, l.i, r.v.d(), r.v.b()); };
}

// ---------------------------------------------------------------------------
// Fixture
// ---------------------------------------------------------------------------

class StdLogicArith : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &ieee_p_3499444699_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(IEEE_P_2592010699, nullptr);
        ASSERT_NE(IEEE_P_3499444699, nullptr);
        blk = IEEE_P_3499444699;
        tovu::testing::capture_reports(true);
    }
    void TearDown() override { tovu::testing::capture_reports(false); }

    char *blk = nullptr;
};

// ===========================================================================
// Design data
// ===========================================================================

TEST_F(StdLogicArith, BlockHoldsTablesTextsAndShiftCount) {
    const uint8_t *tbl = *reinterpret_cast<uint8_t **>(blk + 0x490);
    const uint8_t *isx = *reinterpret_cast<uint8_t **>(blk + 0x508);
    EXPECT_EQ(chars(tbl, 9), "XX01XX01X");
    const std::vector<uint8_t> metavalue = {1, 1, 0, 0, 1, 1, 0, 0, 1};
    EXPECT_EQ(std::vector<uint8_t>(isx, isx + 9), metavalue);

    for (size_t off : {0x12ae, 0x1303, 0x1358, 0x13ad, 0x1402, 0x1457, 0x14ac, 0x1501, 0x1578, 0x1654, 0x1777})
        EXPECT_EQ(std::string(blk + off, 85), kMetavalueText) << std::hex << off;
    EXPECT_EQ(std::string(blk + 0x1558, 32), kTooLong31Text);
    EXPECT_EQ(std::string(blk + 0x1634, 32), kTooLong32Text);
    for (size_t off : {0x15cd, 0x16a9, 0x1710}) EXPECT_EQ(std::string(blk + off, 103), kZeroText) << std::hex << off;
    EXPECT_EQ(chars(reinterpret_cast<uint8_t *>(blk + 0x1556), 2), "01");

    // UNSIGNED and SIGNED locals default to 'U'.
    for (size_t td : {0xa38, 0xaa8}) {
        uint8_t buf[4] = {9, 9, 9, 9};
        array_bounds b{3, 0, -1, 4};
        zem_type_set_default_value(blk + td, buf, &b);
        EXPECT_EQ(chars(buf, 4), "UUUU");
    }
}

// Each report names the text copy of its own statement: mark every copy and
// see which one a function reports.
TEST_F(StdLogicArith, EachReportUsesItsOwnTextCopy) {
    const std::vector<size_t> offsets = {0x12ae, 0x1303, 0x1358, 0x13ad, 0x1402, 0x1457, 0x14ac,
                                         0x1501, 0x1578, 0x15cd, 0x1654, 0x16a9, 0x1710, 0x1777};
    for (size_t k = 0; k < offsets.size(); ++k) blk[offsets[k]] = static_cast<char>('a' + k);
    auto marks = [&]() {
        std::string m;
        for (const auto &r : take_reports()) m += r[0];
        return m;
    };
    const Vec meta = vec("0U1");
    array_bounds ob;
    ieee_p_3499444699_sub_2035181919_3536714472(blk, code('W'));
    EXPECT_EQ(marks(), "a");
    const ArrV make_binary[] = {ieee_p_3499444699_sub_3292431343_3536714472, ieee_p_3499444699_sub_211906012_3536714472,
                                ieee_p_3499444699_sub_3176690709_3536714472, ieee_p_3499444699_sub_96165378_3536714472,
                                ieee_p_3499444699_sub_1230020568_3536714472, ieee_p_3499444699_sub_1791835871_3536714472,
                                ieee_p_3499444699_sub_1676095237_3536714472};
    for (int k = 0; k < 7; ++k) {
        make_binary[k](blk, &ob, meta.d(), meta.b());
        EXPECT_EQ(marks(), std::string(1, static_cast<char>('b' + k))) << "MAKE_BINARY form " << k;
    }
    ieee_p_3499444699_sub_403572219_3536714472(blk, meta.d(), meta.b());
    EXPECT_EQ(marks(), "ij");
    ieee_p_3499444699_sub_879098320_3536714472(blk, meta.d(), meta.b());
    EXPECT_EQ(marks(), "kl");
    ieee_p_3499444699_sub_829756913_3536714472(blk, code('Z'));
    EXPECT_EQ(marks(), "m");
    ieee_p_3499444699_sub_2251616255_3536714472(blk, &ob, meta.d(), meta.b(), 3);
    EXPECT_EQ(marks(), "n");
    // CONV_INTEGER(SIGNED) with a metavalue only in the sign element.
    const Vec sign_meta = vec("X01");
    ieee_p_3499444699_sub_879098320_3536714472(blk, sign_meta.d(), sign_meta.b());
    EXPECT_EQ(marks(), "a");

    // The kernel's conversions report the copies of the bodies they stand for.
    ieee_std_logic_arith_conv_signed_zeroext(blk, &ob, meta.d(), meta.b(), 4);
    EXPECT_EQ(marks(), "c");
    ieee_std_logic_arith_conv_unsigned_signext(blk, &ob, meta.d(), meta.b(), 4);
    EXPECT_EQ(marks(), "d");
    ieee_std_logic_arith_conv_signed_signext(blk, &ob, meta.d(), meta.b(), 4);
    EXPECT_EQ(marks(), "e");
    ieee_std_logic_arith_conv_unsigned_zeroext(blk, &ob, meta.d(), meta.b(), 4);
    EXPECT_EQ(marks(), "n");
    ieee_std_logic_arith_conv_integer_unsigned(blk, meta.d(), meta.b());
    EXPECT_EQ(marks(), "ij");
    ieee_std_logic_arith_conv_integer_signed(blk, meta.d(), meta.b());
    EXPECT_EQ(marks(), "kl");
    ieee_std_logic_arith_conv_integer_signed(blk, sign_meta.d(), sign_meta.b());
    EXPECT_EQ(marks(), "a");
}

// ===========================================================================
// Auxiliary functions
// ===========================================================================

TEST_F(StdLogicArith, MaxMinAndTypePropagation) {
    EXPECT_EQ(ieee_p_3499444699_sub_3409386410_3536714472(blk, 3, 3), 3);
    EXPECT_EQ(ieee_p_3499444699_sub_3409386410_3536714472(blk, -1, 0), 0);
    EXPECT_EQ(ieee_p_3499444699_sub_3409386410_3536714472(blk, INT_MAX, INT_MIN), INT_MAX);
    EXPECT_EQ(ieee_p_3499444699_sub_3409663016_3536714472(blk, 3, 3), 3);
    EXPECT_EQ(ieee_p_3499444699_sub_3409663016_3536714472(blk, -1, 0), -1);
    EXPECT_EQ(ieee_p_3499444699_sub_3409663016_3536714472(blk, INT_MAX, INT_MIN), INT_MIN);

    const Vec a3 = vec("101", 0, 1), b5 = vec("01100"), a5 = vec("11001", 4, -1), null_neg = vec("", -3, -1);
    Result r = call([&](array_bounds *o) { return ieee_p_3499444699_sub_2172687853_3536714472(blk, o, a3.d(), a3.b(), b5.d(), b5.b()); });
    EXPECT_EQ(r.value, "XXXXXXXX");
    EXPECT_TRUE(same_bounds(r.bounds, 7, 0, -1, 8)) << show(r.bounds);
    r = call([&](array_bounds *o) { return ieee_p_3499444699_sub_230791002_3536714472(blk, o, a3.d(), a3.b(), b5.d(), b5.b()); });
    EXPECT_EQ(r.value, "XXXXXXXX");
    r = call([&](array_bounds *o) { return ieee_p_3499444699_sub_3823682755_3536714472(blk, o, a5.d(), a5.b(), b5.d(), b5.b()); });
    EXPECT_EQ(r.value, "XXXXX");
    EXPECT_TRUE(same_bounds(r.bounds, 4, 0, -1, 5)) << show(r.bounds);
    // LEFT_*_ARG takes A'left + 1 elements: an ascending (0 to 2) operand gives 1.
    r = call([&](array_bounds *o) { return ieee_p_3499444699_sub_2116600214_3536714472(blk, o, a3.d(), a3.b(), b5.d(), b5.b()); });
    EXPECT_EQ(r.value, "X");
    EXPECT_TRUE(same_bounds(r.bounds, 0, 0, -1, 1)) << show(r.bounds);
    // A negative left bound gives a null value, not a negative size.
    for (ArrVV f : {ieee_p_3499444699_sub_2116600214_3536714472, ieee_p_3499444699_sub_3823682755_3536714472}) {
        r = call([&](array_bounds *o) { return f(blk, o, null_neg.d(), null_neg.b(), b5.d(), b5.b()); });
        EXPECT_EQ(r.value, "");
        EXPECT_TRUE(is_downto_zero(r.bounds, 0)) << show(r.bounds);
    }

    EXPECT_EQ(ieee_p_3499444699_sub_1577414374_3536714472(blk, a3.d(), a3.b(), a3.d(), a3.b()), 0);
    EXPECT_EQ(ieee_p_3499444699_sub_1358488199_3536714472(blk, a3.d(), a3.b(), a3.d(), a3.b()), 0);
    EXPECT_TRUE(take_reports().empty());
}

TEST_F(StdLogicArith, UnaryPlusCopiesWithTheOperandsRange) {
    const ArrV plus[] = {ieee_p_3499444699_sub_1427366415_3536714472, ieee_p_3499444699_sub_2708953618_3536714472,
                         ieee_p_3499444699_sub_4192098780_3536714472, ieee_p_3499444699_sub_4123516226_3536714472};
    for (ArrV f : plus) {
        for (const Vec &v : {vec("0X1H", 0, 1), vec("10", 9, -1), vec("", 1, 1)}) {
            const Result r = call([&](array_bounds *o) { return f(blk, o, v.d(), v.b()); });
            EXPECT_EQ(r.value, v.str());
            EXPECT_TRUE(same_bounds(r.bounds, v.bounds.left, v.bounds.right, v.bounds.dir, v.length())) << show(r.bounds);
        }
    }
    EXPECT_TRUE(take_reports().empty());
}

TEST_F(StdLogicArith, IsXFindsEveryMetavalue) {
    for (char c : kLiterals) {
        const Vec v = vec(std::string("01") + c + "L", 7, -1);
        const bool meta = std::string("UXZW-").find(c) != std::string::npos;
        EXPECT_EQ(ieee_p_3499444699_sub_3141295106_3536714472(blk, v.d(), v.b()), meta ? 1 : 0) << c;
    }
    const Vec null_v = vec("", 0, 1);
    EXPECT_EQ(ieee_p_3499444699_sub_3141295106_3536714472(blk, null_v.d(), null_v.b()), 0);
}

// ===========================================================================
// MAKE_BINARY and the conversions
// ===========================================================================

TEST_F(StdLogicArith, MakeBinaryMapsStrengthsAndReportsMetavaluesOnce) {
    for (char c : kLiterals) {
        const uint8_t r = ieee_p_3499444699_sub_2035181919_3536714472(blk, code(c));
        const std::string expected = (c == '0' || c == 'L') ? "0" : (c == '1' || c == 'H') ? "1" : "X";
        EXPECT_EQ(kLiterals[r], expected[0]) << c;
        EXPECT_EQ(take_reports(), expected == "X" ? std::vector<std::string>{kMetavalueText} : std::vector<std::string>{})
            << c;
    }
    const ArrV forms[] = {ieee_p_3499444699_sub_3292431343_3536714472, ieee_p_3499444699_sub_211906012_3536714472,
                          ieee_p_3499444699_sub_3176690709_3536714472, ieee_p_3499444699_sub_96165378_3536714472,
                          ieee_p_3499444699_sub_1230020568_3536714472, ieee_p_3499444699_sub_1791835871_3536714472,
                          ieee_p_3499444699_sub_1676095237_3536714472};
    for (ArrV f : forms) {
        const Vec clean = vec("HL10", 1, 1), dirty = vec("HUX0", 1, 1), null_v = vec("", 5, -1);
        Result r = call([&](array_bounds *o) { return f(blk, o, clean.d(), clean.b()); });
        EXPECT_EQ(r.value, "1010");
        EXPECT_TRUE(same_bounds(r.bounds, 1, 4, 1, 4)) << show(r.bounds);
        EXPECT_TRUE(take_reports().empty());
        r = call([&](array_bounds *o) { return f(blk, o, dirty.d(), dirty.b()); });
        EXPECT_EQ(r.value, "XXXX");
        EXPECT_TRUE(same_bounds(r.bounds, 1, 4, 1, 4)) << show(r.bounds);
        const auto reps = take_full_reports();
        ASSERT_EQ(reps.size(), 1u);
        EXPECT_EQ(reps[0].message, kMetavalueText);
        EXPECT_EQ(reps[0].message.size(), 85u);
        EXPECT_EQ(reps[0].severity, SEV_WARNING);
        r = call([&](array_bounds *o) { return f(blk, o, null_v.d(), null_v.b()); });
        EXPECT_EQ(r.value, "");
        EXPECT_TRUE(same_bounds(r.bounds, 5, 6, -1, 0)) << show(r.bounds);
    }
}

TEST_F(StdLogicArith, ConversionsFromIntegerGiveTheLowBits) {
    const ArrIS forms[] = {ieee_p_3499444699_sub_2169654707_3536714472, ieee_p_3499444699_sub_111358101_3536714472,
                           ieee_p_3499444699_sub_2213602152_3536714472};
    std::vector<int32_t> values = {INT_MIN, INT_MIN + 1, -6, -3, -1, 0, 1, 5, 44, 300, INT_MAX};
    for (int k = 0; k < 6; ++k) values.push_back(static_cast<int32_t>(rng()()));
    for (ArrIS f : forms) {
        for (int32_t v : values) {
            for (int size = 0; size <= 40; ++size) {
                const Result r = call([&](array_bounds *o) { return f(blk, o, v, size); });
                ASSERT_EQ(r.value, bits(v, size)) << v << " size " << size;
                ASSERT_TRUE(is_downto_zero(r.bounds, size)) << show(r.bounds);
            }
        }
        // A negative SIZE gives a null result (no storage sized from it).
        const Result r = call([&](array_bounds *o) { return f(blk, o, 5, -7); });
        EXPECT_EQ(r.value, "");
        EXPECT_TRUE(is_downto_zero(r.bounds, 0)) << show(r.bounds);
    }
    // Values from the package's documentation.
    auto slv = [&](int32_t v, int32_t n) {
        return call([&](array_bounds *o) { return ieee_p_3499444699_sub_2213602152_3536714472(blk, o, v, n); }).value;
    };
    EXPECT_EQ(slv(5, 4), "0101");
    EXPECT_EQ(slv(-6, 4), "1010");
    EXPECT_EQ(slv(300, 8), "00101100");
    EXPECT_EQ(slv(INT_MIN, 32), "1" + repeat('0', 31));
    EXPECT_EQ(slv(-1, 40), repeat('1', 40));
    EXPECT_TRUE(take_reports().empty());
}

// The seven conversions built on MAKE_BINARY, and CONV_UNSIGNED(UNSIGNED).
struct ResizeForm {
    const char *name;
    ArrVS fn;
    bool signed_arg;  // two's complement: extended with the sign, else with '0'
};

TEST_F(StdLogicArith, VectorConversionsCutOrExtend) {
    const ResizeForm forms[] = {
        {"CONV_UNSIGNED(UNSIGNED)", ieee_p_3499444699_sub_2251616255_3536714472, false},
        {"CONV_UNSIGNED(SIGNED)", ieee_p_3499444699_sub_2191728911_3536714472, true},
        {"CONV_SIGNED(UNSIGNED)", ieee_p_3499444699_sub_112481205_3536714472, false},
        {"CONV_SIGNED(SIGNED)", ieee_p_3499444699_sub_492870835_3536714472, true},
        {"CONV_STD_LOGIC_VECTOR(UNSIGNED)", ieee_p_3499444699_sub_2930370427_3536714472, false},
        {"CONV_STD_LOGIC_VECTOR(SIGNED)", ieee_p_3499444699_sub_2237018233_3536714472, true},
        {"EXT", ieee_p_3499444699_sub_854811550_3536714472, false},
        {"SXT", ieee_p_3499444699_sub_871414444_3536714472, true},
    };
    for (const ResizeForm &f : forms) {
        SCOPED_TRACE(f.name);
        for (const Op &op : vector_operands(K::U)) {
            const i128 value = f.signed_arg ? signed_value(op.v.str()) : unsigned_value(op.v.str());
            for (int size : {0, 1, 2, op.length() - 1, op.length(), op.length() + 1, 45}) {
                if (size < 0) continue;
                const Result r = call([&](array_bounds *o) { return f.fn(blk, o, op.v.d(), op.v.b(), size); });
                ASSERT_EQ(r.value, bits(value, size)) << describe(op.v) << " size " << size;
                ASSERT_TRUE(is_downto_zero(r.bounds, size)) << show(r.bounds);
            }
        }
        ASSERT_TRUE(take_reports().empty());

        // A metavalue gives one warning and SIZE 'X'.
        const Vec meta = vec("1-0Z", 2, 1);
        Result r = call([&](array_bounds *o) { return f.fn(blk, o, meta.d(), meta.b(), 6); });
        EXPECT_EQ(r.value, "XXXXXX");
        EXPECT_EQ(take_reports(), std::vector<std::string>{kMetavalueText});
        // A negative SIZE gives a null result.
        r = call([&](array_bounds *o) { return f.fn(blk, o, meta.d(), meta.b(), -4); });
        EXPECT_EQ(r.value, "");
        EXPECT_TRUE(is_downto_zero(r.bounds, 0)) << show(r.bounds);
        take_reports();
        // A null argument reads as 0.
        const Vec null_v = vec("", 0, 1);
        r = call([&](array_bounds *o) { return f.fn(blk, o, null_v.d(), null_v.b(), 3); });
        EXPECT_EQ(r.value, "000");
        EXPECT_TRUE(is_downto_zero(r.bounds, 3)) << show(r.bounds);
        EXPECT_TRUE(take_reports().empty());
    }

    // Documented cases.
    const Vec s = vec("1011");
    auto conv = [&](ArrVS fn, const Vec &v, int n) {
        return call([&](array_bounds *o) { return fn(blk, o, v.d(), v.b(), n); }).value;
    };
    EXPECT_EQ(conv(ieee_p_3499444699_sub_2237018233_3536714472, s, 6), "111011");
    EXPECT_EQ(conv(ieee_p_3499444699_sub_2237018233_3536714472, s, 2), "11");
    EXPECT_EQ(conv(ieee_p_3499444699_sub_854811550_3536714472, s, 6), "001011");
    // CONV_UNSIGNED(UNSIGNED) maps 'H'/'L' and looks only at the copied elements.
    EXPECT_EQ(conv(ieee_p_3499444699_sub_2251616255_3536714472, vec("H0L"), 5), "00100");
    EXPECT_EQ(conv(ieee_p_3499444699_sub_2251616255_3536714472, vec("U101"), 3), "101");
    EXPECT_TRUE(take_reports().empty());
    EXPECT_EQ(conv(ieee_p_3499444699_sub_2191728911_3536714472, vec("U101"), 3), "XXX");
    EXPECT_EQ(take_reports().size(), 1u);
}

TEST_F(StdLogicArith, ConversionsFromStdUlogic) {
    const ArrCS forms[] = {ieee_p_3499444699_sub_2596859466_3536714472, ieee_p_3499444699_sub_17676902_3536714472,
                           ieee_p_3499444699_sub_2801562521_3536714472};
    for (ArrCS f : forms) {
        for (char c : kLiterals) {
            const bool meta = std::string("UXZW-").find(c) != std::string::npos;
            const int one = (c == '1' || c == 'H') ? 1 : 0;
            for (int size : {1, 4, 40}) {
                const Result r = call([&](array_bounds *o) { return f(blk, o, code(c), size); });
                EXPECT_EQ(r.value, meta ? repeat('X', size) : bits(one, size)) << c << " " << size;
                EXPECT_TRUE(is_downto_zero(r.bounds, size)) << show(r.bounds);
                EXPECT_EQ(take_reports().size(), meta ? 1u : 0u);
            }
            // SIZE 0 and below: a null value, never a write past it.
            for (int size : {0, -3}) {
                const Result r = call([&](array_bounds *o) { return f(blk, o, code(c), size); });
                EXPECT_EQ(r.value, "");
                EXPECT_TRUE(is_downto_zero(r.bounds, 0)) << show(r.bounds);
                take_reports();
            }
        }
    }
}

TEST_F(StdLogicArith, ConvIntegerOfVectorsAndScalars) {
    EXPECT_EQ(ieee_p_3499444699_sub_252593879_3536714472(blk, INT_MIN), INT_MIN);
    EXPECT_EQ(ieee_p_3499444699_sub_252593879_3536714472(blk, 77), 77);
    for (char c : kLiterals) {
        const int32_t r = ieee_p_3499444699_sub_829756913_3536714472(blk, code(c));
        EXPECT_EQ(r, (c == '1' || c == 'H') ? 1 : 0) << c;
        const bool meta = std::string("UXZW-").find(c) != std::string::npos;
        const auto reps = take_full_reports();
        ASSERT_EQ(reps.size(), meta ? 1u : 0u) << c;
        if (meta) {
            EXPECT_EQ(reps[0].message, kZeroText);
            EXPECT_EQ(reps[0].message.size(), 103u);
            EXPECT_EQ(reps[0].severity, SEV_WARNING);
        }
    }

    struct Form {
        const char *name;
        IntV package, kernel;
        bool is_signed;
    } forms[] = {
        {"UNSIGNED", ieee_p_3499444699_sub_403572219_3536714472, ieee_std_logic_arith_conv_integer_unsigned, false},
        {"SIGNED", ieee_p_3499444699_sub_879098320_3536714472, ieee_std_logic_arith_conv_integer_signed, true},
    };
    for (const Form &f : forms) {
        SCOPED_TRACE(f.name);
        const int limit = f.is_signed ? 32 : 31;
        for (IntV fn : {f.package, f.kernel}) {
            for (const Op &op : vector_operands(K::U)) {
                const std::string s = op.v.str();
                const i128 v = f.is_signed ? signed_value(s) : unsigned_value(s);
                const int32_t r = fn(blk, op.v.d(), op.v.b());
                // Beyond the limit: the FAILURE, then the value modulo 2**32.
                ASSERT_EQ(r, static_cast<int32_t>(wrap_signed(v, 32))) << describe(op.v);
                const auto reps = take_full_reports();
                if (op.length() > limit) {
                    ASSERT_EQ(reps.size(), 1u) << describe(op.v);
                    EXPECT_EQ(reps[0].message, f.is_signed ? kTooLong32Text : kTooLong31Text);
                    EXPECT_EQ(reps[0].severity, SEV_FAILURE);
                } else {
                    ASSERT_TRUE(reps.empty()) << describe(op.v);
                }
            }
            // A metavalue: two warnings and 0.
            const Vec meta = vec("10W1", 0, 1);
            EXPECT_EQ(fn(blk, meta.d(), meta.b()), 0);
            EXPECT_EQ(take_reports(), (std::vector<std::string>{kMetavalueText, kZeroText}));
            const Vec null_v = vec("", 4, -1);
            EXPECT_EQ(fn(blk, null_v.d(), null_v.b()), 0);
        }
    }
    // A metavalue in the sign element alone: one warning, the rest read as a
    // non-negative number.
    for (IntV fn : {ieee_p_3499444699_sub_879098320_3536714472, ieee_std_logic_arith_conv_integer_signed}) {
        const Vec v = vec("U101");
        EXPECT_EQ(fn(blk, v.d(), v.b()), 5);
        EXPECT_EQ(take_reports(), std::vector<std::string>{kMetavalueText});
        const Vec m = vec("1000"), most_negative = vec("1" + repeat('0', 31));
        EXPECT_EQ(fn(blk, m.d(), m.b()), -8);
        EXPECT_EQ(fn(blk, most_negative.d(), most_negative.b()), INT_MIN);
    }
    // Element 0 of an ascending vector is the most significant.
    const Vec asc = vec("1000000000", 0, 1);
    EXPECT_EQ(ieee_std_logic_arith_conv_integer_unsigned(blk, asc.d(), asc.b()), 512);
}

// ===========================================================================
// Shifts
// ===========================================================================

struct ShiftForm {
    const char *name;
    ArrVV fn;
    bool left;
    bool keep_sign;
    bool reports_count_metavalue;
};

const ShiftForm kShifts[] = {
    {"SHL(UNSIGNED)", ieee_p_3499444699_sub_1904283970_3536714472, true, false, false},
    {"SHL(SIGNED)", ieee_p_3499444699_sub_3265085561_3536714472, true, false, true},
    {"SHR(UNSIGNED)", ieee_p_3499444699_sub_1775521082_3536714472, false, false, true},
    {"SHR(SIGNED)", ieee_p_3499444699_sub_3327266423_3536714472, false, true, true},
};

TEST_F(StdLogicArith, ShiftsMatchIntegerShifts) {
    for (const ShiftForm &f : kShifts) {
        SCOPED_TRACE(f.name);
        for (int n = 0; n <= 10; ++n) {
            for (int trial = 0; trial < 6; ++trial) {
                const std::string s = random_bits(n);
                const Vec arg = trial % 2 ? vec(s, 2, 1) : vec(s, n + 6, -1);
                const i128 u = unsigned_value(s), sv = signed_value(s);
                for (int c = 0; c <= 13; ++c) {
                    const Vec count = vec(bits(c, 4 + trial % 3), trial, 1);
                    const Result r = call([&](array_bounds *o) { return f.fn(blk, o, arg.d(), arg.b(), count.d(), count.b()); });
                    i128 expected;
                    if (f.left) expected = u << c;
                    else if (f.keep_sign) expected = sv >> c;
                    else expected = u >> c;
                    ASSERT_EQ(r.value, bits(expected, n)) << describe(arg) << " by " << c;
                    ASSERT_TRUE(is_downto_zero(r.bounds, n)) << show(r.bounds);
                }
            }
        }
        ASSERT_TRUE(take_reports().empty());
    }
}

TEST_F(StdLogicArith, ShiftsCopyElementsAndTreatCountsAsValues) {
    auto shift = [&](const ShiftForm &f, const Vec &arg, const Vec &count) {
        return call([&](array_bounds *o) { return f.fn(blk, o, arg.d(), arg.b(), count.d(), count.b()); });
    };
    for (const ShiftForm &f : kShifts) {
        SCOPED_TRACE(f.name);
        // Elements of ARG are moved as they are, strengths and metavalues included.
        const Result r = shift(f, vec("HLZ1", 0, 1), vec("01"));
        EXPECT_EQ(r.value, f.left ? "LZ10" : (f.keep_sign ? "HHLZ" : "0HLZ"));
        // A count holding 'H'/'L' shifts by its value.
        EXPECT_EQ(shift(f, vec("0110"), vec("HL")).value, f.left ? "1000" : (f.keep_sign ? "0001" : "0001"));
        EXPECT_TRUE(take_reports().empty());
        // A metavalue in the count: all 'X'; only the loop forms report it.
        EXPECT_EQ(shift(f, vec("0110"), vec("1X")).value, "XXXX");
        EXPECT_EQ(take_reports().size(), f.reports_count_metavalue ? 1u : 0u);
        // A null count shifts by 0; a null ARG gives a null result.
        EXPECT_EQ(shift(f, vec("1011", 0, 1), vec("", 0, 1)).value, "1011");
        const Result null_r = shift(f, vec("", 3, 1), vec("1"));
        EXPECT_EQ(null_r.value, "");
        EXPECT_TRUE(is_downto_zero(null_r.bounds, 0)) << show(null_r.bounds);
        take_reports();
        // Counts too large for an INTEGER shift every element out.
        const Vec big = vec("1" + repeat('0', 34) + "00001");  // 2**39 + 1
        EXPECT_EQ(shift(f, vec("1011"), big).value, f.keep_sign ? "1111" : "0000");
        take_reports();
    }
    // SHL keeps no sign; SHR(SIGNED) spreads it.
    EXPECT_EQ(shift(kShifts[1], vec("0101"), vec("11")).value, "1000");
    EXPECT_EQ(shift(kShifts[3], vec("1011"), vec("111")).value, "1111");
    EXPECT_EQ(shift(kShifts[3], vec("0111"), vec("111")).value, "0000");
    EXPECT_EQ(shift(kShifts[0], vec("0011"), vec("100")).value, "0000");
    // SHL(UNSIGNED) asks the kernel for the count's value: more than 31
    // elements are reported as a FAILURE, and leading zeros still count 1.
    EXPECT_EQ(shift(kShifts[0], vec("0011"), vec(repeat('0', 39) + "1")).value, "0110");
    EXPECT_EQ(take_reports(), std::vector<std::string>{kTooLong31Text});
}

// ===========================================================================
// Comparisons
// ===========================================================================

struct CompareCase {
    const char *name;
    char op;  // '<', 'l' (<=), '>', 'g' (>=), '=', '!' (/=)
    K l, r;
    Compare fn;
};

std::vector<CompareCase> compare_cases() {
    return {
        {"< UU", '<', K::U, K::U, cvv(ieee_p_3499444699_sub_2591093089_3536714472)},
        {"< SS", '<', K::S, K::S, cvv(ieee_p_3499444699_sub_2145572180_3536714472)},
        {"< US", '<', K::U, K::S, cvv(ieee_p_3499444699_sub_1670046078_3536714472)},
        {"< SU", '<', K::S, K::U, cvv(ieee_p_3499444699_sub_1992877366_3536714472)},
        {"< UI", '<', K::U, K::I, cvi(ieee_p_3499444699_sub_2368579451_3536714472)},
        {"< IU", '<', K::I, K::U, civ(ieee_p_3499444699_sub_2235775063_3536714472)},
        {"< SI", '<', K::S, K::I, cvi(ieee_p_3499444699_sub_1770363729_3536714472)},
        {"< IS", '<', K::I, K::S, civ(ieee_p_3499444699_sub_2388469877_3536714472)},
        {"<= UU", 'l', K::U, K::U, cvv(ieee_p_3499444699_sub_3950470366_3536714472)},
        {"<= SS", 'l', K::S, K::S, cvv(ieee_p_3499444699_sub_3504949457_3536714472)},
        {"<= US", 'l', K::U, K::S, cvv(ieee_p_3499444699_sub_3029423355_3536714472)},
        {"<= SU", 'l', K::S, K::U, cvv(ieee_p_3499444699_sub_3352254643_3536714472)},
        {"<= UI", 'l', K::U, K::I, cvi(ieee_p_3499444699_sub_3727956728_3536714472)},
        {"<= IU", 'l', K::I, K::U, civ(ieee_p_3499444699_sub_3595152340_3536714472)},
        {"<= SI", 'l', K::S, K::I, cvi(ieee_p_3499444699_sub_3129741006_3536714472)},
        {"<= IS", 'l', K::I, K::S, civ(ieee_p_3499444699_sub_3747847154_3536714472)},
        {"> UU", '>', K::U, K::U, cvv(ieee_p_3499444699_sub_2591164963_3536714472)},
        {"> SS", '>', K::S, K::S, cvv(ieee_p_3499444699_sub_2145644054_3536714472)},
        {"> US", '>', K::U, K::S, cvv(ieee_p_3499444699_sub_1670117952_3536714472)},
        {"> SU", '>', K::S, K::U, cvv(ieee_p_3499444699_sub_1992949240_3536714472)},
        {"> UI", '>', K::U, K::I, cvi(ieee_p_3499444699_sub_2368651325_3536714472)},
        {"> IU", '>', K::I, K::U, civ(ieee_p_3499444699_sub_2235846937_3536714472)},
        {"> SI", '>', K::S, K::I, cvi(ieee_p_3499444699_sub_1770435603_3536714472)},
        {"> IS", '>', K::I, K::S, civ(ieee_p_3499444699_sub_2388541751_3536714472)},
        {">= UU", 'g', K::U, K::U, cvv(ieee_p_3499444699_sub_3952842208_3536714472)},
        {">= SS", 'g', K::S, K::S, cvv(ieee_p_3499444699_sub_3507321299_3536714472)},
        {">= US", 'g', K::U, K::S, cvv(ieee_p_3499444699_sub_3031795197_3536714472)},
        {">= SU", 'g', K::S, K::U, cvv(ieee_p_3499444699_sub_3354626485_3536714472)},
        {">= UI", 'g', K::U, K::I, cvi(ieee_p_3499444699_sub_3730328570_3536714472)},
        {">= IU", 'g', K::I, K::U, civ(ieee_p_3499444699_sub_3597524182_3536714472)},
        {">= SI", 'g', K::S, K::I, cvi(ieee_p_3499444699_sub_3132112848_3536714472)},
        {">= IS", 'g', K::I, K::S, civ(ieee_p_3499444699_sub_3750218996_3536714472)},
        {"= UU", '=', K::U, K::U, cvv(ieee_p_3499444699_sub_2591129026_3536714472)},
        {"= SS", '=', K::S, K::S, cvv(ieee_p_3499444699_sub_2145608117_3536714472)},
        {"= US", '=', K::U, K::S, cvv(ieee_p_3499444699_sub_1670082015_3536714472)},
        {"= SU", '=', K::S, K::U, cvv(ieee_p_3499444699_sub_1992913303_3536714472)},
        {"= UI", '=', K::U, K::I, cvi(ieee_p_3499444699_sub_2368615388_3536714472)},
        {"= IU", '=', K::I, K::U, civ(ieee_p_3499444699_sub_2235811000_3536714472)},
        {"= SI", '=', K::S, K::I, cvi(ieee_p_3499444699_sub_1770399666_3536714472)},
        {"= IS", '=', K::I, K::S, civ(ieee_p_3499444699_sub_2388505814_3536714472)},
        {"/= UU", '!', K::U, K::U, cvv(ieee_p_3499444699_sub_3935053393_3536714472)},
        {"/= SS", '!', K::S, K::S, cvv(ieee_p_3499444699_sub_3489532484_3536714472)},
        {"/= US", '!', K::U, K::S, cvv(ieee_p_3499444699_sub_3014006382_3536714472)},
        {"/= SU", '!', K::S, K::U, cvv(ieee_p_3499444699_sub_3336837670_3536714472)},
        {"/= UI", '!', K::U, K::I, cvi(ieee_p_3499444699_sub_3712539755_3536714472)},
        {"/= IU", '!', K::I, K::U, civ(ieee_p_3499444699_sub_3579735367_3536714472)},
        {"/= SI", '!', K::S, K::I, cvi(ieee_p_3499444699_sub_3114324033_3536714472)},
        {"/= IS", '!', K::I, K::S, civ(ieee_p_3499444699_sub_3732430181_3536714472)},
    };
}

// The length both operands are compared at.
int compare_length(const Op &l, const Op &r) {
    const int ll = l.length(), rl = r.length();
    if (l.kind == K::I) return r.kind == K::U ? rl + 1 : rl;
    if (r.kind == K::I) return l.kind == K::U ? ll + 1 : ll;
    if (l.kind == r.kind) return std::max(ll, rl);
    return l.kind == K::U ? std::max(ll + 1, rl) : std::max(ll, rl + 1);
}

bool relation(char op, i128 a, i128 b) {
    switch (op) {
    case '<': return a < b;
    case 'l': return a <= b;
    case '>': return a > b;
    case 'g': return a >= b;
    case '=': return a == b;
    default: return a != b;
    }
}

TEST_F(StdLogicArith, ComparisonsMatchIntegerComparisons) {
    for (const CompareCase &c : compare_cases()) {
        SCOPED_TRACE(c.name);
        const std::vector<Op> ls = operands(c.l), rs = operands(c.r);
        for (const Op &l : ls) {
            for (const Op &r : rs) {
                // An INTEGER takes part with its low-order bits at the common length.
                const int n = compare_length(l, r);
                const i128 lv = l.kind == K::I ? wrap_signed(l.i, n) : l.value();
                const i128 rv = r.kind == K::I ? wrap_signed(r.i, n) : r.value();
                const uint8_t got = c.fn(blk, l, r);
                ASSERT_EQ(got, relation(c.op, lv, rv) ? 1 : 0) << l.describe() << " vs " << r.describe();
                // Where the INTEGER fits, the result is the plain integer comparison.
                if (relation('=', lv, l.value()) && relation('=', rv, r.value())) {
                    ASSERT_EQ(got, relation(c.op, l.value(), r.value()) ? 1 : 0);
                }
            }
        }
        ASSERT_TRUE(take_reports().empty());
    }
}

TEST_F(StdLogicArith, ComparisonEdgeCases) {
    const auto cases = compare_cases();
    auto find = [&](const char *name) {
        for (const auto &c : cases)
            if (std::string(c.name) == name) return c.fn;
        ADD_FAILURE() << name;
        return cases[0].fn;
    };
    auto U = [](const std::string &s) { return Op{K::U, vec(s)}; };
    auto S = [](const std::string &s) { return Op{K::S, vec(s)}; };
    auto I = [](int32_t i) { return Op{K::I, {}, i}; };
    EXPECT_EQ(find("= UI")(blk, U("011"), I(3)), 1);
    EXPECT_EQ(find("= SI")(blk, S("11"), I(-1)), 1);
    EXPECT_EQ(find("= SI")(blk, S("011"), I(3)), 1);
    EXPECT_EQ(find("< SI")(blk, S("011"), I(4)), 0);  // 4 in three bits reads -4
    EXPECT_EQ(find("< UI")(blk, U("111"), I(8)), 0);  // 8 in four bits reads -8
    EXPECT_EQ(find("< US")(blk, U("11"), S("011")), 0);
    EXPECT_EQ(find("<= US")(blk, U("11"), S("011")), 1);
    EXPECT_EQ(find("> UU")(blk, U("10"), U("001")), 1);
    EXPECT_EQ(find("= UU")(blk, U(""), U("")), 1);
    EXPECT_EQ(find("/= UU")(blk, U(""), U("")), 0);
    EXPECT_EQ(find("= UU")(blk, U("10"), U("010")), 1);
    EXPECT_EQ(find("= UU")(blk, U("H0"), U("10")), 1);  // strengths are converted first
    EXPECT_TRUE(take_reports().empty());
    // Metavalues: each operand that holds one is reported and becomes all
    // 'X', so two such operands compare equal.
    EXPECT_EQ(find("= UU")(blk, U("0U"), U("X1")), 1);
    EXPECT_EQ(take_reports(), (std::vector<std::string>{kMetavalueText, kMetavalueText}));
    EXPECT_EQ(find("= UI")(blk, U("0U"), I(0)), 0);
    EXPECT_EQ(take_reports().size(), 1u);
}

// ===========================================================================
// Additive operators and multiplication
// ===========================================================================

struct ArithCase {
    const char *name;
    char op;  // '+', '-', '*'
    K l, r;
    Binary fn;
};

std::vector<ArithCase> additive_cases() {
    std::vector<ArithCase> c = {
        // `+`, typed and std_logic_vector forms
        {"+ UU", '+', K::U, K::U, vv(ieee_p_3499444699_sub_2254111597_3536714472)},
        {"+ SS", '+', K::S, K::S, vv(ieee_p_3499444699_sub_3158760445_3536714472)},
        {"+ US", '+', K::U, K::S, vv(ieee_p_3499444699_sub_2683234343_3536714472)},
        {"+ SU", '+', K::S, K::U, vv(ieee_p_3499444699_sub_3006065631_3536714472)},
        {"+ UI", '+', K::U, K::I, vi(ieee_p_3499444699_sub_1438093509_3536714472)},
        {"+ IU", '+', K::I, K::U, iv(ieee_p_3499444699_sub_1350516001_3536714472)},
        {"+ SI", '+', K::S, K::I, vi(ieee_p_3499444699_sub_2783551994_3536714472)},
        {"+ IS", '+', K::I, K::S, iv(ieee_p_3499444699_sub_3401658142_3536714472)},
        {"+ UC", '+', K::U, K::C, vc(ieee_p_3499444699_sub_1819668549_3536714472)},
        {"+ CU", '+', K::C, K::U, cv(ieee_p_3499444699_sub_1347574249_3536714472)},
        {"+ SC", '+', K::S, K::C, vc(ieee_p_3499444699_sub_3645364408_3536714472)},
        {"+ CS", '+', K::C, K::S, cv(ieee_p_3499444699_sub_2850438820_3536714472)},
        {"+ UU slv", '+', K::U, K::U, vv(ieee_p_3499444699_sub_723876666_3536714472)},
        {"+ SS slv", '+', K::S, K::S, vv(ieee_p_3499444699_sub_278355757_3536714472)},
        {"+ US slv", '+', K::U, K::S, vv(ieee_p_3499444699_sub_4097796951_3536714472)},
        {"+ SU slv", '+', K::S, K::U, vv(ieee_p_3499444699_sub_125660943_3536714472)},
        {"+ UI slv", '+', K::U, K::I, vi(ieee_p_3499444699_sub_4232465333_3536714472)},
        {"+ IU slv", '+', K::I, K::U, iv(ieee_p_3499444699_sub_4144887825_3536714472)},
        {"+ SI slv", '+', K::S, K::I, vi(ieee_p_3499444699_sub_4198114602_3536714472)},
        {"+ IS slv", '+', K::I, K::S, iv(ieee_p_3499444699_sub_521253454_3536714472)},
        {"+ UC slv", '+', K::U, K::C, vc(ieee_p_3499444699_sub_289433618_3536714472)},
        {"+ CU slv", '+', K::C, K::U, cv(ieee_p_3499444699_sub_4112306614_3536714472)},
        {"+ SC slv", '+', K::S, K::C, vc(ieee_p_3499444699_sub_764959720_3536714472)},
        {"+ CS slv", '+', K::C, K::S, cv(ieee_p_3499444699_sub_4265001428_3536714472)},
        // `-`
        {"- UU", '-', K::U, K::U, vv(ieee_p_3499444699_sub_2254183471_3536714472)},
        {"- SS", '-', K::S, K::S, vv(ieee_p_3499444699_sub_3158832319_3536714472)},
        {"- US", '-', K::U, K::S, vv(ieee_p_3499444699_sub_2683306217_3536714472)},
        {"- SU", '-', K::S, K::U, vv(ieee_p_3499444699_sub_3006137505_3536714472)},
        {"- UI", '-', K::U, K::I, vi(ieee_p_3499444699_sub_1438165383_3536714472)},
        {"- IU", '-', K::I, K::U, iv(ieee_p_3499444699_sub_1350587875_3536714472)},
        {"- SI", '-', K::S, K::I, vi(ieee_p_3499444699_sub_2783623868_3536714472)},
        {"- IS", '-', K::I, K::S, iv(ieee_p_3499444699_sub_3401730016_3536714472)},
        {"- UC", '-', K::U, K::C, vc(ieee_p_3499444699_sub_1960687613_3536714472)},
        {"- CU", '-', K::C, K::U, cv(ieee_p_3499444699_sub_1413961257_3536714472)},
        {"- SC", '-', K::S, K::C, vc(ieee_p_3499444699_sub_3645436282_3536714472)},
        {"- CS", '-', K::C, K::S, cv(ieee_p_3499444699_sub_2850510694_3536714472)},
        {"- UU slv", '-', K::U, K::U, vv(ieee_p_3499444699_sub_723948540_3536714472)},
        {"- SS slv", '-', K::S, K::S, vv(ieee_p_3499444699_sub_278427631_3536714472)},
        {"- US slv", '-', K::U, K::S, vv(ieee_p_3499444699_sub_4097868825_3536714472)},
        {"- SU slv", '-', K::S, K::U, vv(ieee_p_3499444699_sub_125732817_3536714472)},
        {"- UI slv", '-', K::U, K::I, vi(ieee_p_3499444699_sub_4232537207_3536714472)},
        {"- IU slv", '-', K::I, K::U, iv(ieee_p_3499444699_sub_4144959699_3536714472)},
        {"- SI slv", '-', K::S, K::I, vi(ieee_p_3499444699_sub_4198186476_3536714472)},
        {"- IS slv", '-', K::I, K::S, iv(ieee_p_3499444699_sub_521325328_3536714472)},
        {"- UC slv", '-', K::U, K::C, vc(ieee_p_3499444699_sub_460092141_3536714472)},
        {"- CU slv", '-', K::C, K::U, cv(ieee_p_3499444699_sub_4208333081_3536714472)},
        {"- SC slv", '-', K::S, K::C, vc(ieee_p_3499444699_sub_765031594_3536714472)},
        {"- CS slv", '-', K::C, K::S, cv(ieee_p_3499444699_sub_4265073302_3536714472)},
    };
    return c;
}

std::vector<ArithCase> multiply_cases() {
    return {
        {"* SS", '*', K::S, K::S, vv(ieee_p_3499444699_sub_3138463120_3536714472)},
        {"* UU", '*', K::U, K::U, vv(ieee_p_3499444699_sub_1704181104_3536714472)},
        {"* US", '*', K::U, K::S, vv(ieee_p_3499444699_sub_3254203762_3536714472)},
        {"* SU", '*', K::S, K::U, vv(ieee_p_3499444699_sub_2938610218_3536714472)},
        {"* SS slv", '*', K::S, K::S, vv(ieee_p_3499444699_sub_258058432_3536714472)},
        {"* UU slv", '*', K::U, K::U, vv(ieee_p_3499444699_sub_173946173_3536714472)},
        {"* US slv", '*', K::U, K::S, vv(ieee_p_3499444699_sub_373799074_3536714472)},
        {"* SU slv", '*', K::S, K::U, vv(ieee_p_3499444699_sub_58205530_3536714472)},
    };
}

// The result length of `+` and `-`: the common length, or the UNSIGNED
// operand's length where an INTEGER or STD_ULOGIC meets it.
int additive_length(const Op &l, const Op &r) {
    const int ll = l.length(), rl = r.length();
    if (l.kind == K::I || l.kind == K::C) return rl;
    if (r.kind == K::I || r.kind == K::C) return ll;
    if (l.kind == r.kind) return std::max(ll, rl);
    return l.kind == K::U ? std::max(ll + 1, rl) : std::max(ll, rl + 1);
}

int product_length(const Op &l, const Op &r) {
    return l.length() + r.length() + ((l.kind == r.kind) ? 0 : 1);
}

void check_arith_table(char *blk, const std::vector<ArithCase> &cases) {
    for (const ArithCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Op> ls = operands(c.l), rs = operands(c.r);
        for (const Op &l : ls) {
            for (const Op &r : rs) {
                const int n = c.op == '*' ? product_length(l, r) : additive_length(l, r);
                const i128 v = c.op == '+' ? l.value() + r.value() : c.op == '-' ? l.value() - r.value()
                                                                                : l.value() * r.value();
                const Result got = call([&](array_bounds *o) { return c.fn(blk, o, l, r); });
                ASSERT_EQ(got.value, bits(v, n)) << l.describe() << " " << c.op << " " << r.describe();
                ASSERT_TRUE(is_downto_zero(got.bounds, n)) << show(got.bounds);
            }
        }
        ASSERT_TRUE(take_reports().empty());
    }
}

TEST_F(StdLogicArith, AdditiveOperatorsMatchIntegerArithmetic) { check_arith_table(blk, additive_cases()); }

TEST_F(StdLogicArith, MultiplicationMatchesIntegerProducts) { check_arith_table(blk, multiply_cases()); }

TEST_F(StdLogicArith, AdditiveAndProductEdgeCases) {
    const auto adds = additive_cases();
    const auto mults = multiply_cases();
    auto find = [&](const std::vector<ArithCase> &cs, const char *name) {
        for (const auto &c : cs)
            if (std::string(c.name) == name) return c.fn;
        ADD_FAILURE() << name;
        return cs[0].fn;
    };
    auto run = [&](const Binary &f, const Op &l, const Op &r) {
        return call([&](array_bounds *o) { return f(blk, o, l, r); }).value;
    };
    auto U = [](const std::string &s) { return Op{K::U, vec(s)}; };
    auto S = [](const std::string &s) { return Op{K::S, vec(s)}; };
    auto I = [](int32_t i) { return Op{K::I, {}, i}; };
    auto C = [](char c) { return Op{K::C, {}, 0, c}; };
    EXPECT_EQ(run(find(adds, "+ UU"), U("11111"), U("001")), "00000");
    EXPECT_EQ(run(find(adds, "+ US"), U("0001"), S("0001")).size(), 5u);
    EXPECT_EQ(run(find(adds, "+ SU"), S("000001"), U("0001")).size(), 6u);
    EXPECT_EQ(run(find(adds, "+ SU"), S("0001"), U("000001")).size(), 7u);
    EXPECT_EQ(run(find(adds, "- UI"), U("0000"), I(1)), "1111");
    EXPECT_EQ(run(find(adds, "+ UI"), U("1111"), I(1)), "0000");
    EXPECT_EQ(run(find(adds, "+ UI"), U("0101"), I(-2)), "0011");
    EXPECT_EQ(run(find(adds, "+ SC"), S("0111"), C('H')), "1000");
    EXPECT_EQ(run(find(adds, "- CU"), C('1'), U("0010")), "1111");
    EXPECT_EQ(run(find(mults, "* UU"), U("111"), U("1111")), "1101001");
    EXPECT_EQ(run(find(mults, "* US"), U("111"), S("1111")).size(), 8u);
    EXPECT_EQ(run(find(mults, "* SS"), S("1000"), S("1000")), "01000000");
    // A null UNSIGNED with an INTEGER gives a null result.
    const Result null_r = call([&](array_bounds *o) { return find(adds, "+ UI slv")(blk, o, U(""), I(7)); });
    EXPECT_EQ(null_r.value, "");
    EXPECT_TRUE(is_downto_zero(null_r.bounds, 0)) << show(null_r.bounds);
    EXPECT_TRUE(take_reports().empty());
    // A metavalue operand gives all 'X' after the conversion's warning; the
    // cut-back forms convert the all-'X' sum once more.
    EXPECT_EQ(run(find(adds, "+ UU"), U("01W"), U("001")), "XXX");
    EXPECT_EQ(take_reports().size(), 1u);
    EXPECT_EQ(run(find(adds, "+ UI"), U("0U1"), I(1)), "XXX");
    EXPECT_EQ(take_reports().size(), 2u);
    EXPECT_EQ(run(find(mults, "* UU"), U("1-"), U("11")), "XXXX");
    EXPECT_EQ(take_reports().size(), 1u);
}

TEST_F(StdLogicArith, UnaryMinusAndAbs) {
    struct Form {
        const char *name;
        ArrV fn;
        bool absolute;
        bool keeps_range;
    } forms[] = {
        {"-(SIGNED) return SIGNED", ieee_p_3499444699_sub_2998320402_3536714472, false, true},
        {"ABS(SIGNED) return SIGNED", ieee_p_3499444699_sub_3466875835_3536714472, true, true},
        {"-(SIGNED) return SLV", ieee_p_3499444699_sub_145293660_3536714472, false, false},
        {"ABS(SIGNED) return SLV", ieee_p_3499444699_sub_613849093_3536714472, true, false},
    };
    for (const Form &f : forms) {
        SCOPED_TRACE(f.name);
        for (const Op &op : vector_operands(K::S)) {
            const std::string s = op.v.str();
            const int n = op.length();
            const i128 v = signed_value(s);
            const Result r = call([&](array_bounds *o) { return f.fn(blk, o, op.v.d(), op.v.b()); });
            std::string expected = bits(-v, n);
            // ABS keeps an operand whose leftmost element is '0' or 'L' as it is.
            if (f.absolute && (n == 0 || s[0] == '0' || s[0] == 'L')) expected = s;
            ASSERT_EQ(r.value, expected) << describe(op.v);
            if (f.keeps_range)
                ASSERT_TRUE(same_bounds(r.bounds, op.v.bounds.left, op.v.bounds.right, op.v.bounds.dir, n)) << show(r.bounds);
            else
                ASSERT_TRUE(is_downto_zero(r.bounds, n)) << show(r.bounds);
        }
        // The most negative value is its own negation and absolute value.
        const Vec m = vec("1000", 0, 1);
        EXPECT_EQ(call([&](array_bounds *o) { return f.fn(blk, o, m.d(), m.b()); }).value, "1000");
        // 'H' in front negates, 'L' in front keeps.
        const Vec h = vec("H011"), l = vec("L011");
        EXPECT_EQ(call([&](array_bounds *o) { return f.fn(blk, o, h.d(), h.b()); }).value, "0101");
        EXPECT_EQ(call([&](array_bounds *o) { return f.fn(blk, o, l.d(), l.b()); }).value, f.absolute ? "L011" : "1101");
        EXPECT_TRUE(take_reports().empty());
    }
}

// ===========================================================================
// Worker bodies and the kernel fast paths that stand for them
// ===========================================================================

struct Outcome {
    std::string value;
    array_bounds bounds{};
    int scalar = 0;
    std::vector<tovu::testing::Report> reports;
};

bool operator==(const Outcome &a, const Outcome &b) {
    if (a.value != b.value || a.scalar != b.scalar || a.reports.size() != b.reports.size()) return false;
    if (a.bounds.left != b.bounds.left || a.bounds.right != b.bounds.right || a.bounds.dir != b.bounds.dir ||
        a.bounds.length != b.bounds.length)
        return false;
    for (size_t k = 0; k < a.reports.size(); ++k)
        if (a.reports[k].message != b.reports[k].message || a.reports[k].severity != b.reports[k].severity) return false;
    return true;
}

std::ostream &operator<<(std::ostream &os, const Outcome &o) {
    os << "\"" << o.value << "\" " << show(o.bounds) << " scalar " << o.scalar << " reports " << o.reports.size();
    return os;
}

using Runner = std::function<void(char *, Outcome &, const Vec &, const Vec &, int32_t)>;

Runner array_vv(ArrVV f) {
    return [f](char *blk, Outcome &o, const Vec &a, const Vec &b, int32_t) {
        const uint8_t *p = f(blk, &o.bounds, a.d(), a.b(), b.d(), b.b());
        o.value = chars(p, o.bounds.length);
    };
}
Runner array_vs(ArrVS f) {
    return [f](char *blk, Outcome &o, const Vec &a, const Vec &, int32_t n) {
        const uint8_t *p = f(blk, &o.bounds, a.d(), a.b(), n);
        o.value = chars(p, o.bounds.length);
    };
}
Runner array_is(ArrIS f) {
    return [f](char *blk, Outcome &o, const Vec &, const Vec &, int32_t n) {
        const uint8_t *p = f(blk, &o.bounds, n * 7919 - 40000, n);
        o.value = chars(p, o.bounds.length);
    };
}
Runner bool_vv(BoolVV f) {
    return [f](char *blk, Outcome &o, const Vec &a, const Vec &b, int32_t) { o.scalar = f(blk, a.d(), a.b(), b.d(), b.b()); };
}
Runner int_v(IntV f) {
    return [f](char *blk, Outcome &o, const Vec &a, const Vec &, int32_t) { o.scalar = f(blk, a.d(), a.b()); };
}

struct FastPathCase {
    const char *name;
    Runner fast, body;
    bool same_lengths;  // the fast path takes operands of one length
};

uint8_t equal_stdv(char *, const uint8_t *l, const array_bounds *lb, const uint8_t *r, const array_bounds *rb) {
    // std_logic_unsigned's block is never read; the warnings are std_logic_arith's.
    return ieee_std_logic_unsigned_equal_stdv_stdv(nullptr, l, lb, r, rb);
}

std::vector<FastPathCase> fast_path_cases() {
    return {
        {"conv_signed_integer", array_is(ieee_std_logic_arith_conv_signed_integer),
         array_is(ieee_p_3499444699_sub_111358101_3536714472), false},
        {"conv_signed_signext", array_vs(ieee_std_logic_arith_conv_signed_signext),
         array_vs(ieee_p_3499444699_sub_492870835_3536714472), false},
        {"conv_signed_zeroext", array_vs(ieee_std_logic_arith_conv_signed_zeroext),
         array_vs(ieee_p_3499444699_sub_112481205_3536714472), false},
        {"conv_unsigned_zeroext", array_vs(ieee_std_logic_arith_conv_unsigned_zeroext),
         array_vs(ieee_p_3499444699_sub_2251616255_3536714472), false},
        {"conv_unsigned_signext", array_vs(ieee_std_logic_arith_conv_unsigned_signext),
         array_vs(ieee_p_3499444699_sub_2191728911_3536714472), false},
        {"conv_integer_unsigned", int_v(ieee_std_logic_arith_conv_integer_unsigned),
         int_v(ieee_p_3499444699_sub_403572219_3536714472), false},
        {"conv_integer_signed", int_v(ieee_std_logic_arith_conv_integer_signed),
         int_v(ieee_p_3499444699_sub_879098320_3536714472), false},
        {"plus_signed", array_vv(ieee_std_logic_arith_plus_signed), array_vv(ieee_p_3499444699_sub_3258556147_3536714472),
         true},
        {"minus_signed", array_vv(ieee_std_logic_arith_minus_signed),
         array_vv(ieee_p_3499444699_sub_1658551380_3536714472), true},
        {"plus_unsigned", array_vv(ieee_std_logic_arith_plus_unsigned),
         array_vv(ieee_p_3499444699_sub_589026959_3536714472), true},
        {"minus_unsigned", array_vv(ieee_std_logic_arith_minus_unsigned),
         array_vv(ieee_p_3499444699_sub_2026593007_3536714472), true},
        {"mult_signed", array_vv(ieee_std_logic_arith_mult_signed), array_vv(ieee_p_3499444699_sub_2888649822_3536714472),
         false},
        {"mult_unsigned", array_vv(ieee_std_logic_arith_mult_unsigned),
         array_vv(ieee_p_3499444699_sub_1598393164_3536714472), false},
        {"signed_is_less", bool_vv(ieee_std_logic_arith_signed_is_less), bool_vv(ieee_p_3499444699_sub_3678644199_3536714472),
         true},
        {"signed_is_less_or_equal", bool_vv(ieee_std_logic_arith_signed_is_less_or_equal),
         bool_vv(ieee_p_3499444699_sub_298816126_3536714472), true},
        {"unsigned_is_less", bool_vv(ieee_std_logic_arith_unsigned_is_less),
         bool_vv(ieee_p_3499444699_sub_2519015672_3536714472), true},
        {"unsigned_is_less_or_equal", bool_vv(ieee_std_logic_arith_unsigned_is_less_or_equal),
         bool_vv(ieee_p_3499444699_sub_2764363535_3536714472), true},
        {"equal_unsigned_unsigned", bool_vv(ieee_std_logic_arith_equal_unsigned_unsigned),
         bool_vv(ieee_p_3499444699_sub_2591129026_3536714472), false},
        {"greater_unsigned_unsigned", bool_vv(ieee_std_logic_arith_greater_unsigned_unsigned),
         bool_vv(ieee_p_3499444699_sub_2591164963_3536714472), false},
        {"equal_stdv_stdv", bool_vv(equal_stdv), bool_vv(ieee_p_3499444699_sub_2591129026_3536714472), false},
    };
}

// Every vector of length up to 2 over the nine values, and random longer ones
// (mostly binary, some strengths and metavalues), all ranged (n-1 downto 0)
// as the conversions deliver them.
std::vector<std::string> worker_operands() {
    std::vector<std::string> v = {""};
    for (char a : kLiterals) {
        v.push_back(std::string(1, a));
        for (char b : kLiterals) v.push_back(std::string(1, a) + b);
    }
    for (int n : {3, 4, 5, 8, 16, 31, 32, 33, 40}) {
        for (int k = 0; k < 3; ++k) v.push_back(random_bits(n));
        v.push_back(random_bits(n, "0101LH"));
        v.push_back(random_bits(n, "0101010101LHUXZW-"));
        v.push_back(repeat('1', n));
        v.push_back("1" + repeat('0', n - 1));
    }
    return v;
}

Outcome run(const Runner &r, char *blk, const Vec &a, const Vec &b, int32_t n) {
    Outcome o;
    tovu::testing::capture_reports(true);
    r(blk, o, a, b, n);
    o.reports = tovu::testing::reports();
    tovu::testing::capture_reports(true);
    return o;
}

TEST_F(StdLogicArith, FastPathsGiveWhatThePackageBodiesGive) {
    const std::vector<std::string> ops = worker_operands();
    for (const FastPathCase &c : fast_path_cases()) {
        SCOPED_TRACE(c.name);
        size_t compared = 0;
        for (const std::string &sa : ops) {
            for (const std::string &sb : ops) {
                if (c.same_lengths && sa.size() != sb.size()) continue;
                // Long operands only against a few partners, to keep the run short.
                if (sa.size() > 2 && sb.size() > 2 && (sa.size() + sb.size()) % 3 != 0) continue;
                const Vec a = vec(sa), b = vec(sb);
                const int32_t n = static_cast<int32_t>(sb.size()) + static_cast<int32_t>(sa.size()) % 3 - 1;
                const Outcome fast = run(c.fast, blk, a, b, n);
                const Outcome body = run(c.body, blk, a, b, n);
                ASSERT_EQ(fast, body) << "\"" << sa << "\", \"" << sb << "\", " << n;
                ++compared;
            }
        }
        EXPECT_GT(compared, 80u);
    }
}

// The kernel workers on binary operands: sums, differences and products
// modulo their length, and the orderings.
TEST_F(StdLogicArith, FastPathWorkersComputeIntegerResults) {
    for (int trial = 0; trial < 400; ++trial) {
        const int n = trial % 41;
        const std::string sa = random_bits(n), sb = random_bits(n);
        const Vec a = vec(sa), b = vec(sb);
        const i128 ua = unsigned_value(sa), ub = unsigned_value(sb), sa_v = signed_value(sa), sb_v = signed_value(sb);
        Result r = call([&](array_bounds *o) { return ieee_std_logic_arith_plus_unsigned(blk, o, a.d(), a.b(), b.d(), b.b()); });
        ASSERT_EQ(r.value, bits(ua + ub, n));
        ASSERT_TRUE(is_downto_zero(r.bounds, n));
        r = call([&](array_bounds *o) { return ieee_std_logic_arith_minus_unsigned(blk, o, a.d(), a.b(), b.d(), b.b()); });
        ASSERT_EQ(r.value, bits(ua - ub, n));
        r = call([&](array_bounds *o) { return ieee_std_logic_arith_plus_signed(blk, o, a.d(), a.b(), b.d(), b.b()); });
        ASSERT_EQ(r.value, bits(sa_v + sb_v, n));
        r = call([&](array_bounds *o) { return ieee_std_logic_arith_minus_signed(blk, o, a.d(), a.b(), b.d(), b.b()); });
        ASSERT_EQ(r.value, bits(sa_v - sb_v, n));
        EXPECT_EQ(ieee_std_logic_arith_unsigned_is_less(blk, a.d(), a.b(), b.d(), b.b()), ua < ub ? 1 : 0);
        EXPECT_EQ(ieee_std_logic_arith_unsigned_is_less_or_equal(blk, a.d(), a.b(), b.d(), b.b()), ua <= ub ? 1 : 0);
        EXPECT_EQ(ieee_std_logic_arith_signed_is_less(blk, a.d(), a.b(), b.d(), b.b()), sa_v < sb_v ? 1 : 0);
        EXPECT_EQ(ieee_std_logic_arith_signed_is_less_or_equal(blk, a.d(), a.b(), b.d(), b.b()), sa_v <= sb_v ? 1 : 0);

        const std::string sc = random_bits(trial % 37);
        const Vec c = vec(sc, 2, 1);
        r = call([&](array_bounds *o) { return ieee_std_logic_arith_mult_unsigned(blk, o, a.d(), a.b(), c.d(), c.b()); });
        ASSERT_EQ(r.value, bits(ua * unsigned_value(sc), n + static_cast<int>(sc.size())));
        r = call([&](array_bounds *o) { return ieee_std_logic_arith_mult_signed(blk, o, a.d(), a.b(), c.d(), c.b()); });
        ASSERT_EQ(r.value, bits(sa_v * signed_value(sc), n + static_cast<int>(sc.size())));
        EXPECT_EQ(ieee_std_logic_arith_equal_unsigned_unsigned(blk, a.d(), a.b(), c.d(), c.b()),
                  ua == unsigned_value(sc) ? 1 : 0);
        EXPECT_EQ(ieee_std_logic_arith_greater_unsigned_unsigned(blk, a.d(), a.b(), c.d(), c.b()),
                  ua > unsigned_value(sc) ? 1 : 0);
        EXPECT_EQ(ieee_std_logic_unsigned_equal_stdv_stdv(nullptr, a.d(), a.b(), c.d(), c.b()),
                  ua == unsigned_value(sc) ? 1 : 0);
    }
    EXPECT_TRUE(take_reports().empty());
    // Conversions to a length: exactly size elements, (size-1 downto 0).
    const Vec s = vec("1L1", 5, 1);
    Result r = call([&](array_bounds *o) { return ieee_std_logic_arith_conv_signed_signext(blk, o, s.d(), s.b(), 6); });
    EXPECT_EQ(r.value, "111101");
    EXPECT_TRUE(is_downto_zero(r.bounds, 6));
    r = call([&](array_bounds *o) { return ieee_std_logic_arith_conv_signed_zeroext(blk, o, s.d(), s.b(), 6); });
    EXPECT_EQ(r.value, "000101");
    r = call([&](array_bounds *o) { return ieee_std_logic_arith_conv_unsigned_signext(blk, o, s.d(), s.b(), 2); });
    EXPECT_EQ(r.value, "01");
    r = call([&](array_bounds *o) { return ieee_std_logic_arith_conv_signed_integer(blk, o, -3, 4); });
    EXPECT_EQ(r.value, "1101");
    r = call([&](array_bounds *o) { return ieee_std_logic_arith_conv_signed_integer(blk, o, 300, 8); });
    EXPECT_EQ(r.value, bits(44, 8));
    r = call([&](array_bounds *o) { return ieee_std_logic_arith_conv_signed_integer(blk, o, 9, 0); });
    EXPECT_EQ(r.value, "");
    EXPECT_TRUE(is_downto_zero(r.bounds, 0)) << show(r.bounds);
}

// Worker bodies handed operands that do not have one length stop at a
// failed length check instead of reading past the shorter operand.
TEST_F(StdLogicArith, WorkersRejectOperandsOfDifferentLengths) {
    const Vec a = vec("0101"), b = vec("011");
    const ArrVV workers[] = {ieee_p_3499444699_sub_1658551380_3536714472, ieee_p_3499444699_sub_3258556147_3536714472,
                             ieee_p_3499444699_sub_2026593007_3536714472, ieee_p_3499444699_sub_589026959_3536714472,
                             ieee_std_logic_arith_plus_signed, ieee_std_logic_arith_minus_signed,
                             ieee_std_logic_arith_plus_unsigned, ieee_std_logic_arith_minus_unsigned};
    for (ArrVV f : workers) {
        array_bounds o;
        EXPECT_THROW(f(blk, &o, a.d(), a.b(), b.d(), b.b()), tovu::CheckFailure);
        EXPECT_THROW(f(blk, &o, b.d(), b.b(), a.d(), a.b()), tovu::CheckFailure);
    }
    const BoolVV orderings[] = {ieee_std_logic_arith_signed_is_less, ieee_std_logic_arith_unsigned_is_less};
    for (BoolVV f : orderings) EXPECT_THROW(f(blk, a.d(), a.b(), b.d(), b.b()), tovu::CheckFailure);
    // The ripple bodies index by the operands' own ranges: one that does not
    // reach down to 0 fails its index check.
    const Vec high = vec("0101", 7, -1);
    EXPECT_THROW(ieee_p_3499444699_sub_2519015672_3536714472(blk, high.d(), high.b(), high.d(), high.b()),
                 tovu::CheckFailure);
    // Null operands are equal.
    const Vec null_v = vec("");
    EXPECT_EQ(ieee_p_3499444699_sub_3678644199_3536714472(blk, null_v.d(), null_v.b(), null_v.d(), null_v.b()), 0);
    EXPECT_EQ(ieee_p_3499444699_sub_298816126_3536714472(blk, null_v.d(), null_v.b(), null_v.d(), null_v.b()), 1);
}

}  // namespace
