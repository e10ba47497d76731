// std_logic_unsigned and std_logic_signed: every operator and conversion in
// every operand form, checked against integer arithmetic done here (values
// modulo 2**n in 128-bit integers), with the result ranges each package
// defines and the metavalue warnings that reach the caller.
#include <gtest/gtest.h>

#include <stdint.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "ieee/p_0774719531.h"
#include "ieee/p_2592010699.h"
#include "ieee/p_3499444699.h"
#include "ieee/p_3620187407.h"
#include "kernel.h"
#include "units/globals.h"
#include "tovu/arith_fastpath.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

// std_ulogic positions.
constexpr uint8_t kU = 0, kX = 1, k0 = 2, k1 = 3, kZ = 4, kW = 5, kL = 6, kH = 7, kDash = 8;
constexpr uint8_t kAllValues[] = {kU, kX, k0, k1, kZ, kW, kL, kH, kDash};

using u128 = unsigned __int128;
using i128 = __int128;

u128 mask(int n) { return n >= 128 ? ~u128{0} : (u128{1} << n) - 1; }
u128 wrap(i128 v, int n) { return static_cast<u128>(v) & mask(n); }
// The n-bit pattern v read as a two's-complement number.
i128 as_signed(u128 v, int n) {
    if (n == 0) return 0;
    return (v >> (n - 1)) & 1 ? static_cast<i128>(v) - (i128{1} << n) : static_cast<i128>(v);
}
// An INTEGER brought to n elements: its low n bits read as two's complement
// (unchanged when n can hold every INTEGER).
i128 cut_integer(int32_t r, int n) { return n >= 32 ? i128{r} : as_signed(wrap(r, n), n); }

array_bounds range(int32_t left, int32_t right, int32_t dir) { return {left, right, dir, dir * (right - left) + 1}; }
array_bounds downto_zero(int32_t n) { return range(n - 1, 0, -1); }

// A STD_LOGIC_VECTOR argument. The storage always has a byte more than the
// elements, so a null vector still has a valid data pointer.
struct Vec {
    std::vector<uint8_t> elems;
    array_bounds bounds;
    const uint8_t *data() const { return elems.data(); }
    const array_bounds *b() const { return &bounds; }
    int length() const { return bounds.length > 0 ? bounds.length : 0; }
};

// n elements holding `value` (leftmost element most significant), ranged
// from `left` in direction `dir`.
Vec bits(u128 value, int n, int32_t left, int32_t dir) {
    Vec v;
    v.elems.assign(static_cast<size_t>(n) + 1, k0);
    for (int k = 0; k < n; ++k) v.elems[k] = (value >> (n - 1 - k)) & 1 ? k1 : k0;
    v.bounds = range(left, left + dir * (n - 1), dir);
    return v;
}
Vec bits(u128 value, int n) { return bits(value, n, n - 1, -1); }
Vec elements(std::vector<uint8_t> e, int32_t left, int32_t dir) {
    const int n = static_cast<int>(e.size());
    Vec v{std::move(e), range(left, left + dir * (n - 1), dir)};
    v.elems.push_back(k0);
    return v;
}

struct Result {
    const uint8_t *data;
    array_bounds bounds;
};

// Checks a binary array result: its bounds exactly, and its elements
// against the n low bits of `expected`.
void expect_value(const Result &r, u128 expected, const array_bounds &want, const std::string &what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(r.bounds.left, want.left);
    EXPECT_EQ(r.bounds.right, want.right);
    EXPECT_EQ(r.bounds.dir, want.dir);
    ASSERT_EQ(r.bounds.length, want.length);
    const int n = want.length > 0 ? want.length : 0;
    std::string got, exp;
    for (int k = 0; k < n; ++k) {
        got += "UX01ZWLH-"[r.data[k]];
        exp += (expected >> (n - 1 - k)) & 1 ? '1' : '0';
    }
    EXPECT_EQ(got, exp);
}

std::string image(const Vec &v) {
    std::string s = "(" + std::to_string(v.bounds.left) + (v.bounds.dir > 0 ? " to " : " downto ") +
                    std::to_string(v.bounds.right) + ") \"";
    for (int k = 0; k < v.length(); ++k) s += "UX01ZWLH-"[v.elems[k]];
    return s + "\"";
}

// ---- the operators, as tables of function pointers ----

using VecVec = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, const uint8_t *,
                            const array_bounds *);
using VecInt = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, int32_t);
using IntVec = uint8_t *(*)(char *, array_bounds *, int32_t, const uint8_t *, const array_bounds *);
using VecBit = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *, uint8_t);
using BitVec = uint8_t *(*)(char *, array_bounds *, uint8_t, const uint8_t *, const array_bounds *);
using Unary = uint8_t *(*)(char *, array_bounds *, const uint8_t *, const array_bounds *);
using CmpVecVec = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *, const array_bounds *);
using CmpVecInt = uint8_t (*)(char *, const uint8_t *, const array_bounds *, int32_t);
using CmpIntVec = uint8_t (*)(char *, int32_t, const uint8_t *, const array_bounds *);
using ConvInt = int32_t (*)(char *, const uint8_t *, const array_bounds *);

enum class Sign { Unsigned, Signed };
enum class Op { Add, Sub };
enum class Rel { Lt, Le, Gt, Ge, Eq, Ne };

i128 apply(Op op, i128 a, i128 b) { return op == Op::Add ? a + b : a - b; }
bool holds(Rel rel, i128 a, i128 b) {
    switch (rel) {
        case Rel::Lt: return a < b;
        case Rel::Le: return a <= b;
        case Rel::Gt: return a > b;
        case Rel::Ge: return a >= b;
        case Rel::Eq: return a == b;
        case Rel::Ne: return a != b;
    }
    return false;
}
const char *name_of(Rel rel) {
    static const char *const names[] = {"<", "<=", ">", ">=", "=", "/="};
    return names[static_cast<int>(rel)];
}

i128 value_of(const Vec &v, Sign s) {
    u128 u = 0;
    for (int k = 0; k < v.length(); ++k) u = (u << 1) | (v.elems[k] == k1 || v.elems[k] == kH ? 1 : 0);
    return s == Sign::Signed ? as_signed(u, v.length()) : static_cast<i128>(u);
}

struct Package {
    const char *name;
    Sign sign;
    char **block;
    VecVec add_vv, sub_vv, mul;
    VecInt add_vi, sub_vi;
    IntVec add_iv, sub_iv;
    VecBit add_vb, sub_vb;
    BitVec add_bv, sub_bv;
    Unary plus;
    CmpVecVec cmp_vv[6];
    CmpVecInt cmp_vi[6];
    CmpIntVec cmp_iv[6];
    ConvInt conv_integer;
    VecVec shl, shr;
};

const Package kUnsigned{
    "std_logic_unsigned",
    Sign::Unsigned,
    &IEEE_P_3620187407,
    ieee_p_3620187407_sub_767668596_3965413181,
    ieee_p_3620187407_sub_767740470_3965413181,
    ieee_p_3620187407_sub_767632659_3965413181,
    ieee_p_3620187407_sub_436279890_3965413181,
    ieee_p_3620187407_sub_436351764_3965413181,
    ieee_p_3620187407_sub_27954454_3965413181,
    ieee_p_3620187407_sub_28026328_3965413181,
    ieee_p_3620187407_sub_674691591_3965413181,
    ieee_p_3620187407_sub_674763465_3965413181,
    ieee_p_3620187407_sub_4129134319_3965413181,
    ieee_p_3620187407_sub_4129206193_3965413181,
    ieee_p_3620187407_sub_4132103718_3965413181,
    {ieee_p_3620187407_sub_1742983514_3965413181, ieee_p_3620187407_sub_4058165771_3965413181,
     ieee_p_3620187407_sub_2698860368_3965413181, ieee_p_3620187407_sub_4060537613_3965413181,
     ieee_p_3620187407_sub_2698824431_3965413181, ieee_p_3620187407_sub_4042748798_3965413181},
    {ieee_p_3620187407_sub_2546382208_3965413181, ieee_p_3620187407_sub_3905759485_3965413181,
     ieee_p_3620187407_sub_2546454082_3965413181, ieee_p_3620187407_sub_3908131327_3965413181,
     ieee_p_3620187407_sub_2546418145_3965413181, ieee_p_3620187407_sub_3890342512_3965413181},
    {ieee_p_3620187407_sub_2599083972_3965413181, ieee_p_3620187407_sub_3958461249_3965413181,
     ieee_p_3620187407_sub_2599155846_3965413181, ieee_p_3620187407_sub_3960833091_3965413181,
     ieee_p_3620187407_sub_2599119909_3965413181, ieee_p_3620187407_sub_3943044276_3965413181},
    ieee_p_3620187407_sub_514432868_3965413181,
    ieee_p_3620187407_sub_121739838_3965413181,
    ieee_p_3620187407_sub_121746372_3965413181,
};

const Package kSigned{
    "std_logic_signed",
    Sign::Signed,
    &IEEE_P_0774719531,
    ieee_p_0774719531_sub_767668596_2162500114,
    ieee_p_0774719531_sub_767740470_2162500114,
    ieee_p_0774719531_sub_767632659_2162500114,
    ieee_p_0774719531_sub_436279890_2162500114,
    ieee_p_0774719531_sub_436351764_2162500114,
    ieee_p_0774719531_sub_27954454_2162500114,
    ieee_p_0774719531_sub_28026328_2162500114,
    ieee_p_0774719531_sub_674691591_2162500114,
    ieee_p_0774719531_sub_674763465_2162500114,
    ieee_p_0774719531_sub_4129134319_2162500114,
    ieee_p_0774719531_sub_4129206193_2162500114,
    ieee_p_0774719531_sub_4132103718_2162500114,
    {ieee_p_0774719531_sub_1742983514_2162500114, ieee_p_0774719531_sub_4058165771_2162500114,
     ieee_p_0774719531_sub_2698860368_2162500114, ieee_p_0774719531_sub_4060537613_2162500114,
     ieee_p_0774719531_sub_2698824431_2162500114, ieee_p_0774719531_sub_4042748798_2162500114},
    {ieee_p_0774719531_sub_2546382208_2162500114, ieee_p_0774719531_sub_3905759485_2162500114,
     ieee_p_0774719531_sub_2546454082_2162500114, ieee_p_0774719531_sub_3908131327_2162500114,
     ieee_p_0774719531_sub_2546418145_2162500114, ieee_p_0774719531_sub_3890342512_2162500114},
    {ieee_p_0774719531_sub_2599083972_2162500114, ieee_p_0774719531_sub_3958461249_2162500114,
     ieee_p_0774719531_sub_2599155846_2162500114, ieee_p_0774719531_sub_3960833091_2162500114,
     ieee_p_0774719531_sub_2599119909_2162500114, ieee_p_0774719531_sub_3943044276_2162500114},
    ieee_p_0774719531_sub_378705076_2162500114,
    ieee_p_0774719531_sub_121739838_2162500114,
    ieee_p_0774719531_sub_121746372_2162500114,
};

constexpr Rel kRelations[] = {Rel::Lt, Rel::Le, Rel::Gt, Rel::Ge, Rel::Eq, Rel::Ne};

// ---- operands ----

class Operands {
public:
    explicit Operands(uint64_t seed) : rng_(seed) {}

    int pick(std::initializer_list<int> choices) {
        return choices.begin()[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(rng_)];
    }
    // A length: null, short, around 32 and up to 60 elements.
    int length() { return pick({0, 1, 1, 2, 3, 4, 5, 7, 8, 10, 16, 31, 32, 33, 40, 47, 60}); }
    // A pattern of n bits: random, or one of the edge patterns.
    u128 pattern(int n) {
        const u128 top = n > 0 ? u128{1} << (n - 1) : 0;
        switch (pick({0, 0, 0, 0, 1, 2, 3, 4, 5})) {
            case 1: return 0;
            case 2: return mask(n);              // all ones
            case 3: return top;                  // most negative
            case 4: return (top - 1) & mask(n);  // most positive
            case 5: return 1 & mask(n);
            default: return ((u128{rng_()} << 64) | rng_()) & mask(n);
        }
    }
    // A range for n elements, ascending or descending, with an unusual left bound.
    Vec vector(int n) {
        const int32_t offset = pick({0, 0, 1, 5, 17, 100});
        return pick({0, 1}) ? bits(pattern(n), n, offset, +1) : bits(pattern(n), n, n - 1 + offset, -1);
    }
    Vec vector() { return vector(length()); }
    // An INTEGER: small, near a power of two, or anywhere in the range.
    int32_t integer() {
        switch (pick({0, 1, 2, 3})) {
            case 0: return std::uniform_int_distribution<int32_t>(-300, 300)(rng_);
            case 1: {
                const int shift = std::uniform_int_distribution<int>(0, 30)(rng_);
                return static_cast<int32_t>((int64_t{1} << shift) + pick({-1, 0, 1})) * pick({1, -1});
            }
            case 2: return pick({INT_MIN, INT_MAX, -1, 0, 1, INT_MIN + 1});
            default: return static_cast<int32_t>(rng_());
        }
    }
    uint8_t binary_element() { return static_cast<uint8_t>(pick({k0, k1, kL, kH})); }

private:
    std::mt19937_64 rng_;
};

constexpr int kRounds = 400;

// ---- fixture ----

class UnsignedSignedTest : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &ieee_p_3499444699_init,
                                                     &ieee_p_3620187407_init, &ieee_p_0774719531_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        IEEE_P_3499444699 = zem_get_engine_memory("ieee_p_3499444699");
        IEEE_P_3620187407 = zem_get_engine_memory("ieee_p_3620187407");
        IEEE_P_0774719531 = zem_get_engine_memory("ieee_p_0774719531");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(IEEE_P_2592010699, nullptr);
        ASSERT_NE(IEEE_P_3499444699, nullptr);
        ASSERT_NE(IEEE_P_3620187407, nullptr);
        ASSERT_NE(IEEE_P_0774719531, nullptr);
        ASSERT_NE(STD_STANDARD, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override { tovu::testing::capture_reports(false); }

    static const std::vector<tovu::testing::Report> &reports() { return tovu::testing::reports(); }

    // Clean binary operands never make the packages report.
    static void expect_no_reports() {
        for (const auto &r : reports()) ADD_FAILURE() << "unexpected report: " << r.message;
    }

    // The metavalue warnings of std_logic_arith, as its design data holds them.
    static std::vector<std::string> metavalue_texts() {
        struct Text {
            size_t offset;
            uint32_t length;
        };
        static constexpr Text texts[] = {{0x12ae, 85}, {0x1303, 85},  {0x1358, 85}, {0x13ad, 85}, {0x1402, 85},
                                         {0x1457, 85}, {0x14ac, 85},  {0x1501, 85}, {0x1578, 85}, {0x15cd, 103},
                                         {0x1654, 85}, {0x16a9, 103}, {0x1777, 85}};
        std::vector<std::string> out;
        for (const Text &t : texts) out.emplace_back(IEEE_P_3499444699 + t.offset, t.length);
        return out;
    }
    // At least one report, each a WARNING with one of the metavalue texts.
    static void expect_metavalue_warnings(const std::string &what) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(reports().empty()) << "a metavalue operand must be reported";
        const auto texts = metavalue_texts();
        for (const auto &r : reports()) {
            EXPECT_EQ(r.severity, SEV_WARNING) << r.message;
            EXPECT_NE(std::find(texts.begin(), texts.end(), r.message), texts.end()) << r.message;
        }
    }

    static Result call(VecVec f, char *block, const Vec &l, const Vec &r) {
        Result res;
        res.data = f(block, &res.bounds, l.data(), l.b(), r.data(), r.b());
        return res;
    }
};

// ---- registration and MAXIMUM ----

template <typename F>
const void *fn(F *f) {
    return reinterpret_cast<const void *>(f);
}

// The kernel sees each package's subprograms in the order of the package
// body, as many as the design data announces.
TEST_F(UnsignedSignedTest, SubprogramTablesFollowThePackageBodies) {
    const std::vector<const void *> unsigned_body = {
        fn(ieee_p_3620187407_sub_3716635170_3965413181), fn(ieee_p_3620187407_sub_767668596_3965413181),
        fn(ieee_p_3620187407_sub_436279890_3965413181),  fn(ieee_p_3620187407_sub_27954454_3965413181),
        fn(ieee_p_3620187407_sub_674691591_3965413181),  fn(ieee_p_3620187407_sub_4129134319_3965413181),
        fn(ieee_p_3620187407_sub_767740470_3965413181),  fn(ieee_p_3620187407_sub_436351764_3965413181),
        fn(ieee_p_3620187407_sub_28026328_3965413181),   fn(ieee_p_3620187407_sub_674763465_3965413181),
        fn(ieee_p_3620187407_sub_4129206193_3965413181), fn(ieee_p_3620187407_sub_4132103718_3965413181),
        fn(ieee_p_3620187407_sub_767632659_3965413181),  fn(ieee_p_3620187407_sub_1742983514_3965413181),
        fn(ieee_p_3620187407_sub_2546382208_3965413181), fn(ieee_p_3620187407_sub_2599083972_3965413181),
        fn(ieee_p_3620187407_sub_4058165771_3965413181), fn(ieee_p_3620187407_sub_3905759485_3965413181),
        fn(ieee_p_3620187407_sub_3958461249_3965413181), fn(ieee_p_3620187407_sub_2698860368_3965413181),
        fn(ieee_p_3620187407_sub_2546454082_3965413181), fn(ieee_p_3620187407_sub_2599155846_3965413181),
        fn(ieee_p_3620187407_sub_4060537613_3965413181), fn(ieee_p_3620187407_sub_3908131327_3965413181),
        fn(ieee_p_3620187407_sub_3960833091_3965413181), fn(ieee_p_3620187407_sub_2698824431_3965413181),
        fn(ieee_p_3620187407_sub_2546418145_3965413181), fn(ieee_p_3620187407_sub_2599119909_3965413181),
        fn(ieee_p_3620187407_sub_4042748798_3965413181), fn(ieee_p_3620187407_sub_3890342512_3965413181),
        fn(ieee_p_3620187407_sub_3943044276_3965413181), fn(ieee_p_3620187407_sub_514432868_3965413181),
        fn(ieee_p_3620187407_sub_121739838_3965413181),  fn(ieee_p_3620187407_sub_121746372_3965413181),
    };
    const std::vector<const void *> signed_body = {
        fn(ieee_p_0774719531_sub_3716635170_2162500114), fn(ieee_p_0774719531_sub_767668596_2162500114),
        fn(ieee_p_0774719531_sub_436279890_2162500114),  fn(ieee_p_0774719531_sub_27954454_2162500114),
        fn(ieee_p_0774719531_sub_674691591_2162500114),  fn(ieee_p_0774719531_sub_4129134319_2162500114),
        fn(ieee_p_0774719531_sub_767740470_2162500114),  fn(ieee_p_0774719531_sub_436351764_2162500114),
        fn(ieee_p_0774719531_sub_28026328_2162500114),   fn(ieee_p_0774719531_sub_674763465_2162500114),
        fn(ieee_p_0774719531_sub_4129206193_2162500114), fn(ieee_p_0774719531_sub_4132103718_2162500114),
        fn(ieee_p_0774719531_sub_4132175592_2162500114), fn(ieee_p_0774719531_sub_305763729_2162500114),
        fn(ieee_p_0774719531_sub_767632659_2162500114),  fn(ieee_p_0774719531_sub_1742983514_2162500114),
        fn(ieee_p_0774719531_sub_2546382208_2162500114), fn(ieee_p_0774719531_sub_2599083972_2162500114),
        fn(ieee_p_0774719531_sub_4058165771_2162500114), fn(ieee_p_0774719531_sub_3905759485_2162500114),
        fn(ieee_p_0774719531_sub_3958461249_2162500114), fn(ieee_p_0774719531_sub_2698860368_2162500114),
        fn(ieee_p_0774719531_sub_2546454082_2162500114), fn(ieee_p_0774719531_sub_2599155846_2162500114),
        fn(ieee_p_0774719531_sub_4060537613_2162500114), fn(ieee_p_0774719531_sub_3908131327_2162500114),
        fn(ieee_p_0774719531_sub_3960833091_2162500114), fn(ieee_p_0774719531_sub_2698824431_2162500114),
        fn(ieee_p_0774719531_sub_2546418145_2162500114), fn(ieee_p_0774719531_sub_2599119909_2162500114),
        fn(ieee_p_0774719531_sub_4042748798_2162500114), fn(ieee_p_0774719531_sub_3890342512_2162500114),
        fn(ieee_p_0774719531_sub_3943044276_2162500114), fn(ieee_p_0774719531_sub_121739838_2162500114),
        fn(ieee_p_0774719531_sub_121746372_2162500114),  fn(ieee_p_0774719531_sub_378705076_2162500114),
    };
    for (const auto &[unit, body] :
         {std::pair{"ieee_p_3620187407", &unsigned_body}, std::pair{"ieee_p_0774719531", &signed_body}}) {
        SCOPED_TRACE(unit);
        const tovu::Unit *u = tovu::K().unit_by_name.at(unit);
        ASSERT_NE(u->se, nullptr);
        ASSERT_EQ(u->desc->se_count, body->size());
        EXPECT_EQ(u->desc->pe_count, 0u);
        for (size_t slot = 0; slot < body->size(); ++slot) EXPECT_EQ(u->se[slot], (*body)[slot]) << "slot " << slot;
    }
}

TEST_F(UnsignedSignedTest, MaximumTakesTheLargerInteger) {
    using Max = int32_t (*)(char *, int32_t, int32_t);
    for (Max max : {ieee_p_3620187407_sub_3716635170_3965413181, ieee_p_0774719531_sub_3716635170_2162500114}) {
        EXPECT_EQ(max(nullptr, 3, 3), 3);
        EXPECT_EQ(max(nullptr, -1, 0), 0);
        EXPECT_EQ(max(nullptr, 7, 2), 7);
        EXPECT_EQ(max(nullptr, INT_MIN, INT_MAX), INT_MAX);
    }
}

// ---- "+" and "-" ----

TEST_F(UnsignedSignedTest, AddSubtractTwoVectorsGiveMaxLengthDowntoZero) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        char *block = *pkg->block;
        Operands gen(11);
        for (int round = 0; round < kRounds; ++round) {
            const Vec l = gen.vector(), r = gen.vector();
            const int n = std::max(l.length(), r.length());
            const i128 a = value_of(l, pkg->sign), b = value_of(r, pkg->sign);
            const std::string what = std::string(pkg->name) + " " + image(l) + " op " + image(r);
            expect_value(call(pkg->add_vv, block, l, r), wrap(a + b, n), downto_zero(n), what + " +");
            expect_value(call(pkg->sub_vv, block, l, r), wrap(a - b, n), downto_zero(n), what + " -");
        }
    }
    expect_no_reports();
}

TEST_F(UnsignedSignedTest, AddSubtractWithIntegerKeepTheVectorsRange) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        char *block = *pkg->block;
        Operands gen(12);
        for (int round = 0; round < kRounds; ++round) {
            const Vec v = gen.vector();
            const int32_t i = gen.integer();
            const int n = v.length();
            const i128 a = value_of(v, pkg->sign);
            const std::string what = std::string(pkg->name) + " " + image(v) + " with " + std::to_string(i);
            for (Op op : {Op::Add, Op::Sub}) {
                Result vi, iv;
                vi.data = (op == Op::Add ? pkg->add_vi : pkg->sub_vi)(block, &vi.bounds, v.data(), v.b(), i);
                iv.data = (op == Op::Add ? pkg->add_iv : pkg->sub_iv)(block, &iv.bounds, i, v.data(), v.b());
                const char *sym = op == Op::Add ? " +" : " -";
                expect_value(vi, wrap(apply(op, a, i), n), v.bounds, what + sym + " (vector, integer)");
                expect_value(iv, wrap(apply(op, i, a), n), v.bounds, what + sym + " (integer, vector)");
            }
        }
    }
    expect_no_reports();
}

TEST_F(UnsignedSignedTest, AddSubtractWithStdLogicKeepTheVectorsRange) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        char *block = *pkg->block;
        Operands gen(13);
        for (int round = 0; round < kRounds; ++round) {
            Vec v = gen.vector(gen.pick({1, 2, 3, 4, 8, 16, 31, 32, 33, 60}));
            const uint8_t e = gen.binary_element();
            const int n = v.length();
            const i128 a = value_of(v, pkg->sign), bit = (e == k1 || e == kH) ? 1 : 0;
            const std::string what = std::string(pkg->name) + " " + image(v) + " with '" + "UX01ZWLH-"[e] + "'";
            for (Op op : {Op::Add, Op::Sub}) {
                Result vb, bv;
                vb.data = (op == Op::Add ? pkg->add_vb : pkg->sub_vb)(block, &vb.bounds, v.data(), v.b(), e);
                bv.data = (op == Op::Add ? pkg->add_bv : pkg->sub_bv)(block, &bv.bounds, e, v.data(), v.b());
                const char *sym = op == Op::Add ? " +" : " -";
                expect_value(vb, wrap(apply(op, a, bit), n), v.bounds, what + sym + " (vector, std_logic)");
                expect_value(bv, wrap(apply(op, bit, a), n), v.bounds, what + sym + " (std_logic, vector)");
            }
        }
    }
    expect_no_reports();
}

// The counter steps the design takes: "+" 1 wraps from all ones to all
// zeros, "-" 1 from zero to all ones, and a negative INTEGER subtracts.
TEST_F(UnsignedSignedTest, CounterStepsWrapAroundInTheOperandsRange) {
    struct Case {
        int n;
        int32_t left, dir;
    };
    const Case cases[] = {{1, 0, -1}, {3, 2, -1},  {4, 3, -1},   {4, 0, +1},   {4, 7, -1},
                          {8, 7, -1}, {10, 9, -1}, {16, 20, -1}, {33, 32, -1}, {40, 3, +1}};
    for (const Case &c : cases) {
        SCOPED_TRACE("n = " + std::to_string(c.n));
        const Vec ones = bits(mask(c.n), c.n, c.left, c.dir);
        const Vec zero = bits(0, c.n, c.left, c.dir);
        Result r;
        r.data = ieee_p_3620187407_sub_436279890_3965413181(IEEE_P_3620187407, &r.bounds, ones.data(), ones.b(), 1);
        expect_value(r, 0, ones.bounds, "all ones + 1");
        r.data = ieee_p_3620187407_sub_436351764_3965413181(IEEE_P_3620187407, &r.bounds, zero.data(), zero.b(), 1);
        expect_value(r, mask(c.n), zero.bounds, "0 - 1");
        r.data = ieee_p_3620187407_sub_436279890_3965413181(IEEE_P_3620187407, &r.bounds, zero.data(), zero.b(), -1);
        expect_value(r, mask(c.n), zero.bounds, "0 + (-1)");
    }
    // std_logic_signed: 0111 + 1 is 1000 (-8), taken at L'length elements.
    const Vec seven = bits(7, 4);
    Result r;
    r.data = ieee_p_0774719531_sub_436279890_2162500114(IEEE_P_0774719531, &r.bounds, seven.data(), seven.b(), 1);
    expect_value(r, 8, downto_zero(4), "signed 7 + 1");
    expect_no_reports();
}

TEST_F(UnsignedSignedTest, NullOperandGivesNullResultWithItsBounds) {
    const Vec null_up = bits(0, 0, 1, +1);    // (1 to 0)
    const Vec null_down = bits(0, 0, 4, -1);  // (4 downto 5)
    for (const Vec *v : {&null_up, &null_down}) {
        for (const Package *pkg : {&kUnsigned, &kSigned}) {
            Result r;
            r.data = pkg->add_vi(*pkg->block, &r.bounds, v->data(), v->b(), 5);
            expect_value(r, 0, v->bounds, std::string(pkg->name) + " null + 5");
            r.data = pkg->sub_iv(*pkg->block, &r.bounds, 5, v->data(), v->b());
            expect_value(r, 0, v->bounds, std::string(pkg->name) + " 5 - null");
            r.data = pkg->plus(*pkg->block, &r.bounds, v->data(), v->b());
            expect_value(r, 0, v->bounds, std::string(pkg->name) + " +null");
            r.data = pkg->add_vb(*pkg->block, &r.bounds, v->data(), v->b(), k1);
            expect_value(r, 0, v->bounds, std::string(pkg->name) + " null + '1'");
            r.data = pkg->sub_bv(*pkg->block, &r.bounds, k1, v->data(), v->b());
            expect_value(r, 0, v->bounds, std::string(pkg->name) + " '1' - null");
            r = call(pkg->add_vv, *pkg->block, *v, *v);
            expect_value(r, 0, downto_zero(0), std::string(pkg->name) + " null + null");
            r = call(pkg->mul, *pkg->block, *v, *v);
            expect_value(r, 0, downto_zero(0), std::string(pkg->name) + " null * null");
            const Vec three = bits(3, 2, 0, +1);
            r = call(pkg->sub_vv, *pkg->block, *v, three);
            expect_value(r, wrap(pkg->sign == Sign::Signed ? 1 : -3, 2), downto_zero(2),
                         std::string(pkg->name) + " null - \"11\"");
            r = call(pkg->mul, *pkg->block, three, *v);
            expect_value(r, 0, downto_zero(2), std::string(pkg->name) + " \"11\" * null");
        }
        Result r;
        r.data = ieee_p_0774719531_sub_4132175592_2162500114(IEEE_P_0774719531, &r.bounds, v->data(), v->b());
        expect_value(r, 0, v->bounds, "signed -null");
        r.data = ieee_p_0774719531_sub_305763729_2162500114(IEEE_P_0774719531, &r.bounds, v->data(), v->b());
        expect_value(r, 0, v->bounds, "signed ABS null");
        EXPECT_EQ(ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, v->data(), v->b()), 0);
    }
    expect_no_reports();
}

// ---- unary operators and "*" ----

TEST_F(UnsignedSignedTest, UnaryOperatorsKeepTheOperandsRange) {
    Operands gen(14);
    for (int round = 0; round < kRounds; ++round) {
        const Vec v = gen.vector(gen.pick({1, 2, 3, 4, 5, 8, 31, 32, 33, 47, 60}));
        const int n = v.length();
        const i128 s = value_of(v, Sign::Signed);
        Result r;
        r.data = ieee_p_3620187407_sub_4132103718_3965413181(IEEE_P_3620187407, &r.bounds, v.data(), v.b());
        expect_value(r, wrap(value_of(v, Sign::Unsigned), n), v.bounds, "unsigned +" + image(v));
        r.data = ieee_p_0774719531_sub_4132103718_2162500114(IEEE_P_0774719531, &r.bounds, v.data(), v.b());
        expect_value(r, wrap(s, n), v.bounds, "signed +" + image(v));
        r.data = ieee_p_0774719531_sub_4132175592_2162500114(IEEE_P_0774719531, &r.bounds, v.data(), v.b());
        expect_value(r, wrap(-s, n), v.bounds, "signed -" + image(v));
        r.data = ieee_p_0774719531_sub_305763729_2162500114(IEEE_P_0774719531, &r.bounds, v.data(), v.b());
        expect_value(r, wrap(s < 0 ? -s : s, n), v.bounds, "signed ABS " + image(v));
    }
    // The most negative value negates to itself.
    const Vec minus8 = bits(8, 4, 0, +1);
    Result r;
    r.data = ieee_p_0774719531_sub_4132175592_2162500114(IEEE_P_0774719531, &r.bounds, minus8.data(), minus8.b());
    expect_value(r, 8, range(0, 3, +1), "-(-8)");
    r.data = ieee_p_0774719531_sub_305763729_2162500114(IEEE_P_0774719531, &r.bounds, minus8.data(), minus8.b());
    expect_value(r, 8, range(0, 3, +1), "ABS(-8)");
    expect_no_reports();
}

TEST_F(UnsignedSignedTest, MultiplyGivesTheFullProductDowntoZero) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        Operands gen(15);
        for (int round = 0; round < kRounds; ++round) {
            const Vec l = gen.vector(gen.pick({1, 2, 3, 5, 8, 16, 31, 32, 33, 60}));
            const Vec r = gen.vector(gen.pick({1, 2, 3, 5, 8, 16, 31, 32, 33, 60}));
            const int n = l.length() + r.length();
            const i128 product = value_of(l, pkg->sign) * value_of(r, pkg->sign);
            expect_value(call(pkg->mul, *pkg->block, l, r), wrap(product, n), downto_zero(n),
                         std::string(pkg->name) + " " + image(l) + " * " + image(r));
        }
    }
    expect_no_reports();
}

// ---- comparisons ----

TEST_F(UnsignedSignedTest, ComparisonsOfTwoVectorsFollowTheNumbers) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        Operands gen(16);
        for (int round = 0; round < kRounds; ++round) {
            const Vec l = gen.vector();
            // Half of the pairs hold one number in different lengths or ranges.
            const Vec r = gen.pick({0, 1}) ? gen.vector() : bits(value_of(l, Sign::Unsigned), l.length(), 3, +1);
            const i128 a = value_of(l, pkg->sign), b = value_of(r, pkg->sign);
            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(pkg->cmp_vv[k](*pkg->block, l.data(), l.b(), r.data(), r.b()), holds(kRelations[k], a, b))
                    << pkg->name << " " << image(l) << " " << name_of(kRelations[k]) << " " << image(r);
            }
        }
    }
    expect_no_reports();
}

// An INTEGER takes part at the common length (one more than the vector's for
// std_logic_unsigned, the vector's own for std_logic_signed): one that the
// length cannot hold is compared by its low-order bits only.
TEST_F(UnsignedSignedTest, ComparisonsWithIntegerAtTheCommonLength) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        Operands gen(17);
        for (int round = 0; round < kRounds; ++round) {
            const Vec v = gen.vector();
            const int32_t i = gen.pick({0, 1}) ? gen.integer() : static_cast<int32_t>(value_of(v, pkg->sign));
            const int common = pkg->sign == Sign::Unsigned ? v.length() + 1 : v.length();
            const i128 a = value_of(v, pkg->sign), b = cut_integer(i, common);
            for (int k = 0; k < 6; ++k) {
                const std::string what =
                    std::string(pkg->name) + " " + image(v) + " " + name_of(kRelations[k]) + " " + std::to_string(i);
                EXPECT_EQ(pkg->cmp_vi[k](*pkg->block, v.data(), v.b(), i), holds(kRelations[k], a, b)) << what;
                EXPECT_EQ(pkg->cmp_iv[k](*pkg->block, i, v.data(), v.b()), holds(kRelations[k], b, a))
                    << what << " (integer on the left)";
            }
        }
    }
    expect_no_reports();
}

TEST_F(UnsignedSignedTest, IntegerComparisonEdgeCases) {
    const Vec u111 = bits(7, 3);
    const Vec s011 = bits(3, 3);
    // 8 does not fit 4 signed bits: it takes part as -8.
    EXPECT_EQ(ieee_p_3620187407_sub_2546382208_3965413181(IEEE_P_3620187407, u111.data(), u111.b(), 8), 0);
    EXPECT_EQ(ieee_p_3620187407_sub_2546418145_3965413181(IEEE_P_3620187407, u111.data(), u111.b(), 7), 1);
    EXPECT_EQ(ieee_p_3620187407_sub_2546418145_3965413181(IEEE_P_3620187407, u111.data(), u111.b(), -1), 0);
    // 4 does not fit 3 signed bits: it takes part as -4.
    EXPECT_EQ(ieee_p_0774719531_sub_2546382208_2162500114(IEEE_P_0774719531, s011.data(), s011.b(), 4), 0);
    EXPECT_EQ(ieee_p_0774719531_sub_2546382208_2162500114(IEEE_P_0774719531, s011.data(), s011.b(), -4), 0);
    EXPECT_EQ(ieee_p_0774719531_sub_2546418145_2162500114(IEEE_P_0774719531, u111.data(), u111.b(), -1), 1);
    expect_no_reports();
}

// The design compares two vectors for equality through the kernel's
// operation; it must agree with std_logic_unsigned's "=" on every operand,
// metavalues included, and with the numbers on binary operands.
TEST_F(UnsignedSignedTest, VectorEqualityFastPathAgreesWithTheOperator) {
    std::vector<Vec> operands;
    for (int n = 0; n <= 2; ++n) {
        int count = 1;
        for (int k = 0; k < n; ++k) count *= 9;
        for (int code = 0; code < count; ++code) {
            std::vector<uint8_t> e;
            for (int k = 0, c = code; k < n; ++k, c /= 9) e.push_back(kAllValues[c % 9]);
            operands.push_back(elements(e, n % 2 ? n - 1 : 0, n % 2 ? -1 : +1));
        }
    }
    const uint8_t three[] = {k0, k1, kX, kL};
    for (int code = 0; code < 64; ++code)
        operands.push_back(elements({three[code % 4], three[code / 4 % 4], three[code / 16]}, 7, -1));

    for (const Vec &l : operands) {
        for (const Vec &r : operands) {
            const uint8_t fast =
                ieee_std_logic_unsigned_equal_stdv_stdv(IEEE_P_3620187407, l.data(), l.b(), r.data(), r.b());
            const uint8_t op =
                ieee_p_3620187407_sub_2698824431_3965413181(IEEE_P_3620187407, l.data(), l.b(), r.data(), r.b());
            ASSERT_EQ(fast != 0, op != 0) << image(l) << " = " << image(r);
        }
    }
    tovu::testing::capture_reports(true);
    Operands gen(18);
    for (int round = 0; round < kRounds; ++round) {
        const Vec l = gen.vector(gen.pick({0, 1, 3, 4, 8, 10, 33}));
        const Vec r = gen.pick({0, 1}) ? gen.vector(gen.pick({0, 1, 3, 4, 8, 10, 33}))
                                       : bits(value_of(l, Sign::Unsigned), l.length() + gen.pick({0, 1, 2}), 0, +1);
        const bool equal = value_of(l, Sign::Unsigned) == value_of(r, Sign::Unsigned);
        EXPECT_EQ(ieee_std_logic_unsigned_equal_stdv_stdv(IEEE_P_3620187407, l.data(), l.b(), r.data(), r.b()) != 0,
                  equal)
            << image(l) << " = " << image(r);
    }
    expect_no_reports();
}

// ---- CONV_INTEGER ----

TEST_F(UnsignedSignedTest, ConvIntegerReadsTheLeftElementAsMostSignificant) {
    // Every value of the widths the design converts, in both directions.
    for (int n = 3; n <= 10; ++n) {
        for (u128 value = 0; value <= mask(n); ++value) {
            for (int32_t dir : {-1, +1}) {
                const Vec v = bits(value, n, dir < 0 ? n - 1 : 0, dir);
                ASSERT_EQ(ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, v.data(), v.b()),
                          static_cast<int32_t>(value))
                    << image(v);
                ASSERT_EQ(ieee_p_0774719531_sub_378705076_2162500114(IEEE_P_0774719531, v.data(), v.b()),
                          static_cast<int32_t>(as_signed(value, n)))
                    << image(v);
            }
        }
    }
    Operands gen(19);
    for (int round = 0; round < kRounds; ++round) {
        const Vec u = gen.vector(gen.pick({0, 1, 2, 16, 30, 31}));
        EXPECT_EQ(ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, u.data(), u.b()),
                  static_cast<int32_t>(value_of(u, Sign::Unsigned)))
            << image(u);
        const Vec s = gen.vector(gen.pick({1, 2, 16, 31, 32}));
        EXPECT_EQ(ieee_p_0774719531_sub_378705076_2162500114(IEEE_P_0774719531, s.data(), s.b()),
                  static_cast<int32_t>(value_of(s, Sign::Signed)))
            << image(s);
    }
    // (0 to 9) with only element 0 set is 512; 1111 signed is -1.
    const Vec top = elements({k1, k0, k0, k0, k0, k0, k0, k0, k0, k0}, 0, +1);
    EXPECT_EQ(ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, top.data(), top.b()), 512);
    const Vec minus1 = bits(15, 4);
    EXPECT_EQ(ieee_p_0774719531_sub_378705076_2162500114(IEEE_P_0774719531, minus1.data(), minus1.b()), -1);
    const Vec most_negative = bits(u128{1} << 31, 32);
    EXPECT_EQ(ieee_p_0774719531_sub_378705076_2162500114(IEEE_P_0774719531, most_negative.data(), most_negative.b()),
              INT_MIN);
    expect_no_reports();
}

// ---- SHL and SHR ----

TEST_F(UnsignedSignedTest, ShiftsMoveByTheCountsValue) {
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        Operands gen(20);
        for (int round = 0; round < kRounds; ++round) {
            const Vec arg = gen.vector(gen.pick({1, 2, 3, 4, 5, 8, 16, 33, 40}));
            const int width = gen.pick({1, 2, 3, 4, 6});
            const Vec count = gen.vector(width);
            const int n = arg.length();
            const int c = static_cast<int>(value_of(count, Sign::Unsigned));
            const std::string what = std::string(pkg->name) + " " + image(arg) + " by " + std::to_string(c);
            const u128 u = static_cast<u128>(value_of(arg, Sign::Unsigned));
            const i128 s = value_of(arg, Sign::Signed);
            const u128 left = c < 128 ? (u << c) & mask(n) : 0;
            const u128 right =
                pkg->sign == Sign::Unsigned ? (c < 128 ? u >> c : 0) : wrap(c < 127 ? s >> c : (s < 0 ? -1 : 0), n);
            expect_value(call(pkg->shl, *pkg->block, arg, count), left, downto_zero(n), what + " SHL");
            expect_value(call(pkg->shr, *pkg->block, arg, count), right, downto_zero(n), what + " SHR");
        }
    }
    expect_no_reports();
}

// ---- metavalues ----

// A metavalue in an operand makes std_logic_arith warn and give all 'X'; the
// wrappers pass that on in their own ranges.
TEST_F(UnsignedSignedTest, MetavalueOperandsGiveAllXWithAWarning) {
    const auto expect_all_x = [](const Result &r, const array_bounds &want, const std::string &what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(r.bounds.left, want.left);
        EXPECT_EQ(r.bounds.right, want.right);
        EXPECT_EQ(r.bounds.dir, want.dir);
        ASSERT_EQ(r.bounds.length, want.length);
        for (int k = 0; k < want.length; ++k) EXPECT_EQ(r.data[k], kX) << "element " << k;
        expect_metavalue_warnings(what);
        tovu::testing::capture_reports(true);
    };
    const Vec five = bits(5, 4);
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        char *block = *pkg->block;
        for (uint8_t meta : {kU, kX, kZ, kW, kDash}) {
            const std::string what = std::string(pkg->name) + " with '" + "UX01ZWLH-"[meta] + "' ";
            const Vec v = elements({k0, k1, meta, k1, k0}, 2, +1);
            tovu::testing::capture_reports(true);
            Result r;
            r.data = pkg->add_vi(block, &r.bounds, v.data(), v.b(), 1);
            expect_all_x(r, v.bounds, what + "vector + 1");
            r.data = pkg->sub_iv(block, &r.bounds, 1, v.data(), v.b());
            expect_all_x(r, v.bounds, what + "1 - vector");
            expect_all_x(call(pkg->add_vv, block, v, five), downto_zero(5), what + "vector + vector");
            expect_all_x(call(pkg->sub_vv, block, five, v), downto_zero(5), what + "vector - vector");
            expect_all_x(call(pkg->mul, block, v, five), downto_zero(9), what + "vector * vector");
            r.data = pkg->add_vb(block, &r.bounds, v.data(), v.b(), k1);
            expect_all_x(r, v.bounds, what + "vector + '1'");
            r.data = pkg->add_vb(block, &r.bounds, five.data(), five.b(), meta);
            expect_all_x(r, five.bounds, what + "as the std_logic operand of +");
            r.data = pkg->sub_bv(block, &r.bounds, meta, five.data(), five.b());
            expect_all_x(r, five.bounds, what + "as the std_logic operand of -");

            // Comparisons and CONV_INTEGER warn too; CONV_INTEGER gives 0.
            pkg->cmp_vv[0](block, v.data(), v.b(), five.data(), five.b());
            expect_metavalue_warnings(what + "<");
            tovu::testing::capture_reports(true);
            pkg->cmp_vi[4](block, v.data(), v.b(), 3);
            expect_metavalue_warnings(what + "= 3");
            tovu::testing::capture_reports(true);
            EXPECT_EQ(pkg->conv_integer(block, v.data(), v.b()), 0) << what;
            expect_metavalue_warnings(what + "CONV_INTEGER");
            tovu::testing::capture_reports(true);
        }
    }
    const Vec minus = elements({kH, kX, k0}, 0, +1);
    Result r;
    r.data = ieee_p_0774719531_sub_4132175592_2162500114(IEEE_P_0774719531, &r.bounds, minus.data(), minus.b());
    expect_all_x(r, minus.bounds, "signed -(\"HX0\")");
    r.data = ieee_p_0774719531_sub_305763729_2162500114(IEEE_P_0774719531, &r.bounds, minus.data(), minus.b());
    expect_all_x(r, minus.bounds, "signed ABS(\"HX0\")");
}

// A metavalue in a shift count gives all 'X'. std_logic_arith's SHL over
// UNSIGNED reports nothing for it; the other shifts warn.
TEST_F(UnsignedSignedTest, MetavalueShiftCountGivesAllX) {
    const Vec arg = bits(0x2d, 6, 0, +1);
    const Vec count = elements({k0, kU}, 1, -1);
    for (const Package *pkg : {&kUnsigned, &kSigned}) {
        for (VecVec shift : {pkg->shl, pkg->shr}) {
            const bool silent = pkg == &kUnsigned && shift == pkg->shl;
            const std::string what = std::string(pkg->name) + (shift == pkg->shl ? " SHL" : " SHR");
            tovu::testing::capture_reports(true);
            const Result r = call(shift, *pkg->block, arg, count);
            EXPECT_EQ(r.bounds.left, 5) << what;
            EXPECT_EQ(r.bounds.right, 0) << what;
            EXPECT_EQ(r.bounds.dir, -1) << what;
            ASSERT_EQ(r.bounds.length, 6) << what;
            for (int k = 0; k < 6; ++k) EXPECT_EQ(r.data[k], kX) << what << " element " << k;
            if (silent)
                EXPECT_TRUE(reports().empty()) << what;
            else
                expect_metavalue_warnings(what);
        }
    }
}

// 'L' and 'H' read as '0' and '1' and raise nothing.
TEST_F(UnsignedSignedTest, WeakValuesReadAsBinary) {
    const Vec weak = elements({kH, kL, kH, kH}, 3, -1);  // 1011
    const Vec one = elements({kL, kH}, 0, +1);           // 01
    Result r;
    r.data = ieee_p_3620187407_sub_436279890_3965413181(IEEE_P_3620187407, &r.bounds, weak.data(), weak.b(), 1);
    expect_value(r, 12, weak.bounds, "unsigned HLHH + 1");
    r = call(ieee_p_0774719531_sub_767740470_2162500114, IEEE_P_0774719531, weak, one);
    expect_value(r, wrap(-5 - 1, 4), downto_zero(4), "signed HLHH - LH");
    EXPECT_EQ(ieee_p_3620187407_sub_514432868_3965413181(IEEE_P_3620187407, weak.data(), weak.b()), 11);
    EXPECT_EQ(ieee_p_0774719531_sub_378705076_2162500114(IEEE_P_0774719531, weak.data(), weak.b()), -5);
    EXPECT_EQ(
        ieee_p_3620187407_sub_1742983514_3965413181(IEEE_P_3620187407, one.data(), one.b(), weak.data(), weak.b()), 1);
    EXPECT_EQ(ieee_p_3620187407_sub_2546418145_3965413181(IEEE_P_3620187407, weak.data(), weak.b(), 11), 1);
    expect_no_reports();
}

}  // namespace
