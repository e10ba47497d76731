// math_real's trigonometric and hyperbolic functions, CORDIC and
// POWER_OF_2_SERIES (unit ieee_p_3972351953), and the package's registered
// subprogram table. References are the C library's functions, the
// mathematical identities of the rotations, and direct counting for the
// power-of-two series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_3972351953.h"
#include "kernel.h"
#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

using tovu::layout::object_value;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kRealHigh = 1.7014111e+308;
constexpr double kRealLow = -1.7014111e+308;

// The package constants as the design data holds them.
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kKC = 0.6072529350088812;

constexpr uint8_t kRotation = 0;
constexpr uint8_t kVectoring = 1;

// ---------------------------------------------------------------------------
// The functions under test
// ---------------------------------------------------------------------------

char *blk() { return IEEE_P_3972351953; }

double SIN(double x) { return ieee_p_3972351953_sub_1485185913_2984157535(blk(), x); }
double COS(double x) { return ieee_p_3972351953_sub_773523744_2984157535(blk(), x); }
double TAN(double x) { return ieee_p_3972351953_sub_1125417762_2984157535(blk(), x); }
double ARCSIN(double x) { return ieee_p_3972351953_sub_1898361299_2984157535(blk(), x); }
double ARCCOS(double x) { return ieee_p_3972351953_sub_1879607630_2984157535(blk(), x); }
double ARCTAN(double y) { return ieee_p_3972351953_sub_1487517033_2984157535(blk(), y); }
double ARCTAN2(double y, double x) { return ieee_p_3972351953_sub_1311584390_2984157535(blk(), y, x); }
double SINH(double x) { return ieee_p_3972351953_sub_1792801001_2984157535(blk(), x); }
double COSH(double x) { return ieee_p_3972351953_sub_160431096_2984157535(blk(), x); }
double TANH(double x) { return ieee_p_3972351953_sub_1822449026_2984157535(blk(), x); }
double ARCSINH(double x) { return ieee_p_3972351953_sub_921458122_2984157535(blk(), x); }
double ARCCOSH(double x) { return ieee_p_3972351953_sub_302587045_2984157535(blk(), x); }
double ARCTANH(double x) { return ieee_p_3972351953_sub_951106147_2984157535(blk(), x); }

struct Xyz {
    double x, y, z;
    array_bounds bounds;
};
Xyz CORDIC(double x0, double y0, double z0, int32_t n, uint8_t mode) {
    Xyz r{};
    const double *v = ieee_p_3972351953_sub_2938191189_2984157535(blk(), &r.bounds, x0, y0, z0, n, mode);
    r.x = v[0];
    r.y = v[1];
    r.z = v[2];
    return r;
}

struct Series {
    std::vector<double> values;
    array_bounds bounds;
};
Series POWER_OF_2_SERIES(const std::vector<int32_t> &d, array_bounds d_bounds, double initial, int32_t n) {
    Series s{};
    const double *v = ieee_p_3972351953_sub_597906855_2984157535(blk(), &s.bounds, d.data(), &d_bounds, initial, n);
    for (int32_t i = 0; i < s.bounds.length; ++i) s.values.push_back(v[i]);
    return s;
}

// ---------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------

struct Reported {
    std::string text;
    int severity;
    bool operator==(const Reported &o) const { return text == o.text && severity == o.severity; }
};
std::ostream &operator<<(std::ostream &os, const Reported &r) { return os << r.severity << " \"" << r.text << "\""; }

std::vector<Reported> take_reports() {
    std::vector<Reported> out;
    for (const auto &r : tovu::testing::reports()) out.push_back({r.message, r.severity});
    tovu::testing::capture_reports(true);
    return out;
}

bool same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

array_bounds ascending(int32_t left, int32_t right) { return {left, right, 1, right - left + 1}; }
array_bounds descending(int32_t left, int32_t right) { return {left, right, -1, left - right + 1}; }

class MathRealTrig : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &ieee_p_3972351953_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        IEEE_P_3972351953 = zem_get_engine_memory("ieee_p_3972351953");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(IEEE_P_3972351953, nullptr);
        ASSERT_NE(STD_STANDARD, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override { tovu::testing::capture_reports(false); }
};

// CORDIC stops with a residual angle of at most ARCTAN(2**-27), about
// 7.5e-9; with the rounding of 28 steps the sine and cosine stay within
// this of the true values.
constexpr double kCordicError = 1.5e-8;

// ===========================================================================
// The subprogram table
// ===========================================================================

TEST_F(MathRealTrig, SubprogramTableHoldsTheBodyInOrderFollowedByTheTypeName) {
    auto fn = [](auto *f) { return reinterpret_cast<const void *>(f); };
    const std::vector<const void *> body = {
        fn(ieee_p_3972351953_sub_597906855_2984157535),  fn(ieee_p_3972351953_sub_2938191189_2984157535),
        fn(ieee_p_3972351953_sub_795735699_2984157535),  fn(ieee_p_3972351953_sub_1147618771_2984157535),
        fn(ieee_p_3972351953_sub_28498392_2984157535),   fn(ieee_p_3972351953_sub_1782959306_2984157535),
        fn(ieee_p_3972351953_sub_188333038_2984157535),  fn(ieee_p_3972351953_sub_1635143497_2984157535),
        fn(ieee_p_3972351953_sub_2013354414_2984157535), fn(ieee_p_3972351953_sub_2013631020_2984157535),
        fn(ieee_p_3972351953_sub_3007962107_2984157535), fn(ieee_p_3972351953_sub_1722501855_2984157535),
        fn(ieee_p_3972351953_sub_906367133_2984157535),  fn(ieee_p_3972351953_sub_2171244304_2984157535),
        fn(ieee_p_3972351953_sub_2618671228_2984157535), fn(ieee_p_3972351953_sub_785569749_2984157535),
        fn(ieee_p_3972351953_sub_1422932443_2984157535), fn(ieee_p_3972351953_sub_3025794763_2984157535),
        fn(ieee_p_3972351953_sub_1543758017_2984157535), fn(ieee_p_3972351953_sub_528838134_2984157535),
        fn(ieee_p_3972351953_sub_2605234405_2984157535), fn(ieee_p_3972351953_sub_1341592424_2984157535),
        fn(ieee_p_3972351953_sub_1485185913_2984157535), fn(ieee_p_3972351953_sub_773523744_2984157535),
        fn(ieee_p_3972351953_sub_1125417762_2984157535), fn(ieee_p_3972351953_sub_1898361299_2984157535),
        fn(ieee_p_3972351953_sub_1879607630_2984157535), fn(ieee_p_3972351953_sub_1487517033_2984157535),
        fn(ieee_p_3972351953_sub_1311584390_2984157535), fn(ieee_p_3972351953_sub_1792801001_2984157535),
        fn(ieee_p_3972351953_sub_160431096_2984157535),  fn(ieee_p_3972351953_sub_1822449026_2984157535),
        fn(ieee_p_3972351953_sub_921458122_2984157535),  fn(ieee_p_3972351953_sub_302587045_2984157535),
        fn(ieee_p_3972351953_sub_951106147_2984157535),
    };
    const tovu::Unit *u = tovu::K().unit_by_name.at("ieee_p_3972351953");
    ASSERT_NE(u->se, nullptr);
    ASSERT_EQ(u->desc->se_count, body.size());
    EXPECT_EQ(u->desc->pe_count, 0u);
    for (size_t slot = 0; slot < body.size(); ++slot) EXPECT_EQ(u->se[slot], body[slot]) << "slot " << slot;
    // Directly after the last entry: the pointer to the local type's name.
    EXPECT_STREQ(static_cast<const char *>(u->se[body.size()]), "real_vector");
}

// ===========================================================================
// CORDIC
// ===========================================================================

TEST_F(MathRealTrig, CordicRotationTurnsTheCompensatedUnitVector) {
    for (double a = -1.7; a <= 1.7; a += 0.01) {
        SCOPED_TRACE(a);
        const Xyz r = CORDIC(kKC, 0.0, a, 27, kRotation);
        EXPECT_NEAR(r.x, std::cos(a), kCordicError);
        EXPECT_NEAR(r.y, std::sin(a), kCordicError);
        EXPECT_NEAR(r.z, 0.0, 1.0e-8);  // the angle left over
        EXPECT_EQ(r.bounds.left, 0);
        EXPECT_EQ(r.bounds.right, 2);
        EXPECT_EQ(r.bounds.dir, 1);
        EXPECT_EQ(r.bounds.length, 3);
    }
}

TEST_F(MathRealTrig, CordicVectoringAccumulatesTheAngleOfThePoint) {
    // From (1, V, 0): Y is driven to 0, Z collects ARCTAN V and X grows to
    // the length of the vector times the gain 1 / KC.
    for (double v : {-3.0, -1.0, -0.3, 0.0, 1.0e-6, 0.25, 0.5, 1.0, 2.0, 10.0}) {
        SCOPED_TRACE(v);
        const Xyz r = CORDIC(1.0, v, 0.0, 27, kVectoring);
        EXPECT_NEAR(r.z, std::atan(v), 1.0e-8);
        EXPECT_NEAR(r.y, 0.0, 1.0e-7 * std::hypot(1.0, v));
        EXPECT_NEAR(r.x, std::hypot(1.0, v) / kKC, 1.0e-8 * std::hypot(1.0, v));
    }
}

TEST_F(MathRealTrig, CordicStepsByHand) {
    // N = 0: one step with 2**0 and ARCTAN(1).
    Xyz r = CORDIC(3.0, 2.0, 0.5, 0, kRotation);  // Z >= 0: turn left
    EXPECT_EQ(r.x, 1.0);
    EXPECT_EQ(r.y, 5.0);
    EXPECT_EQ(r.z, 0.5 - std::atan(1.0));
    r = CORDIC(3.0, 2.0, -0.5, 0, kRotation);  // Z < 0: turn right
    EXPECT_EQ(r.x, 5.0);
    EXPECT_EQ(r.y, -1.0);
    EXPECT_EQ(r.z, -0.5 + std::atan(1.0));
    r = CORDIC(3.0, -2.0, 0.0, 0, kVectoring);  // Y < 0: turn left
    EXPECT_EQ(r.x, 5.0);
    EXPECT_EQ(r.y, 1.0);
    EXPECT_EQ(r.z, -std::atan(1.0));
    // N = 1: the second step halves the shift.
    r = CORDIC(4.0, 0.0, 1.0, 1, kRotation);
    EXPECT_EQ(r.x, 2.0);  // (4, 4) after step 0, Z still >= 0: x - y/2, y + x/2
    EXPECT_EQ(r.y, 6.0);
    EXPECT_EQ(r.z, 1.0 - std::atan(1.0) - std::atan(0.5));
    // A negative N (through the table) runs no step.
    r = CORDIC(3.0, 2.0, 0.5, -1, kRotation);
    EXPECT_EQ(r.x, 3.0);
    EXPECT_EQ(r.y, 2.0);
    EXPECT_EQ(r.z, 0.5);
}

TEST_F(MathRealTrig, CordicBeyondItsTablesStopsTheRun) {
    // The tables hold steps 0 to 27; step 28 would read past them.
    EXPECT_NO_THROW(CORDIC(kKC, 0.0, 0.5, 27, kRotation));
    EXPECT_THROW(CORDIC(kKC, 0.0, 0.5, 28, kRotation), tovu::CheckFailure);
    EXPECT_THROW(CORDIC(1.0, 0.5, 0.0, 2147483647, kVectoring), tovu::CheckFailure);
}

// ===========================================================================
// POWER_OF_2_SERIES
// ===========================================================================

TEST_F(MathRealTrig, PowerOf2SeriesHalvesAtEveryIndexNotInD) {
    struct Case {
        const char *name;
        std::vector<int32_t> d;
        array_bounds d_bounds;
        double initial;
        int32_t n;
    };
    const Case cases[] = {
        {"D = (2, 5)", {2, 5}, ascending(0, 1), 1.0, 7},
        {"D descending with a repeat", {6, 0, 6, 3}, descending(10, 7), 3.0, 9},
        {"null D", {0}, ascending(1, 0), 1.0, 60},
        {"D beyond the series", {100, 200}, ascending(0, 1), -0.75, 4},
        {"one value", {0}, ascending(0, 0), 2.5, 0},
        {"every index in D", {0, 1, 2, 3}, ascending(0, 3), 5.0, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Series s = POWER_OF_2_SERIES(c.d, c.d_bounds, c.initial, c.n);
        EXPECT_EQ(s.bounds.left, 0);
        EXPECT_EQ(s.bounds.right, c.n);
        EXPECT_EQ(s.bounds.dir, 1);
        ASSERT_EQ(s.bounds.length, c.n + 1);
        const std::set<int32_t> in_d(c.d.begin(), c.d.begin() + std::max(c.d_bounds.length, 0));
        int halvings = 0;
        for (int32_t i = 0; i <= c.n; ++i) {
            EXPECT_EQ(s.values[i], std::ldexp(c.initial, -halvings)) << "V(" << i << ")";
            if (!in_d.count(i)) ++halvings;
        }
    }
}

TEST_F(MathRealTrig, PowerOf2SeriesOfANegativeOrUnstorableCount) {
    const std::vector<int32_t> d = {1};
    // -1 is the null range 0 to -1; below that the result is the same null
    // vector, never a negative length.
    for (int32_t n : {-1, -2, -2147483647 - 1}) {
        SCOPED_TRACE(n);
        const Series s = POWER_OF_2_SERIES(d, ascending(0, 0), 1.0, n);
        EXPECT_EQ(s.bounds.left, 0);
        EXPECT_EQ(s.bounds.right, -1);
        EXPECT_EQ(s.bounds.dir, 1);
        EXPECT_EQ(s.bounds.length, 0);
    }
    // NATURAL'HIGH + 1 elements cannot be counted in a transient request.
    EXPECT_THROW(POWER_OF_2_SERIES(d, ascending(0, 0), 1.0, 2147483647), tovu::CheckFailure);
    EXPECT_TRUE(take_reports().empty());
}

// ===========================================================================
// Accuracy against the C library
// ===========================================================================

TEST_F(MathRealTrig, SineCosineAndTangentAgreeWithTheCLibrary) {
    std::mt19937_64 g(2152);
    std::uniform_real_distribution<double> near(-20.0, 20.0), far(-1.0e6, 1.0e6);
    for (int i = 0; i < 40000; ++i) {
        const double x = i % 4 == 3 ? far(g) : near(g);
        // Taking whole turns off X rounds at the scale of |X|.
        const double reduction = 8.0 * DBL_EPSILON * std::fabs(x);
        SCOPED_TRACE(testing::Message() << std::hexfloat << x);
        ASSERT_NEAR(SIN(x), std::sin(x), kCordicError + reduction);
        ASSERT_NEAR(COS(x), std::cos(x), kCordicError + reduction);
        // The tangent's error grows with its slope 1 + tan**2.
        const double t = std::tan(x);
        ASSERT_NEAR(TAN(x), t, 3.0 * (kCordicError + reduction) * (1.0 + t * t));
    }
    EXPECT_TRUE(take_reports().empty());
}

TEST_F(MathRealTrig, CloseToAQuarterTurnTheSeriesIsExactToTheLastBits) {
    // Within 1e-5 of a multiple of pi/2, SIN and COS use the series instead
    // of CORDIC and are as good as the C library.
    for (double at : {0.0, kHalfPi, kPi, kThreeHalfPi, kTwoPi}) {
        for (double d : {-9.9e-6, -3.0e-7, -1.0e-10, -1.0e-12, 1.0e-12, 1.0e-10, 3.0e-7, 9.9e-6}) {
            const double x = at + d;
            if (x <= 0.0) continue;
            SCOPED_TRACE(testing::Message() << at << " + " << d);
            EXPECT_NEAR(SIN(x), std::sin(x), 1.0e-15);
            EXPECT_NEAR(SIN(-x), -std::sin(x), 1.0e-15);
            EXPECT_NEAR(COS(x), std::cos(x), 1.0e-15);
        }
    }
    EXPECT_EQ(SIN(1.0e-12), 1.0e-12);  // the distance itself below 1e-10
    EXPECT_TRUE(take_reports().empty());
}

TEST_F(MathRealTrig, ArcFunctionsAgreeWithTheCLibrary) {
    std::mt19937_64 g(27);
    std::uniform_real_distribution<double> unit(-1.0, 1.0), wide(-50.0, 50.0);
    for (int i = 0; i < 20000; ++i) {
        const double u = unit(g);
        const double y = i % 2 ? wide(g) : std::ldexp(unit(g), -static_cast<int>(i % 60));
        const double x = wide(g);
        SCOPED_TRACE(testing::Message() << std::hexfloat << u << " " << y << " " << x);
        ASSERT_NEAR(ARCSIN(u), std::asin(u), 2.0e-8);
        ASSERT_NEAR(ARCCOS(u), std::acos(u), 2.0e-8);
        ASSERT_NEAR(ARCTAN(y), std::atan(y), 1.0e-8);
        ASSERT_NEAR(ARCTAN2(y, x), std::atan2(y, x), 1.0e-8);
    }
    // Close to +-1, where 1 - X**2 cancels.
    for (double u : {0.9, 0.9999, 1.0 - 1.0e-9, std::nextafter(1.0, 0.0)}) {
        SCOPED_TRACE(u);
        EXPECT_NEAR(ARCSIN(u), std::asin(u), 2.0e-8);
        EXPECT_NEAR(ARCSIN(-u), -std::asin(u), 2.0e-8);
        EXPECT_NEAR(ARCCOS(u), std::acos(u), 2.0e-8);
        EXPECT_NEAR(ARCCOS(-u), std::acos(-u), 2.0e-8);
    }
    // Tiny and huge tangents take the short paths: exact to the last bits.
    for (double y : {1.0e-16, -3.0e-300, 1.0e16, -1.0e300}) {
        SCOPED_TRACE(y);
        EXPECT_NEAR(ARCTAN(y), std::atan(y), 1.0e-16 * std::fabs(std::atan(y)));
    }
    EXPECT_TRUE(take_reports().empty());
}

TEST_F(MathRealTrig, HyperbolicFunctionsAgreeWithTheCLibrary) {
    struct Sweep {
        const char *name;
        double (*f)(double);
        double (*ref)(double);
        double lo, hi;
    };
    // Relative error, with an absolute floor where e - 1/e cancels near 0 or
    // where a logarithm of a value near 1 is taken.
    const Sweep sweeps[] = {
        {"SINH", SINH, [](double x) { return std::sinh(x); }, -700.0, 700.0},
        {"COSH", COSH, [](double x) { return std::cosh(x); }, -700.0, 700.0},
        {"TANH", TANH, [](double x) { return std::tanh(x); }, -40.0, 40.0},
        {"ARCSINH", ARCSINH, [](double x) { return std::asinh(x); }, -1.0e6, 1.0e6},
        {"ARCSINH near 0", ARCSINH, [](double x) { return std::asinh(x); }, -2.0, 2.0},
        {"ARCCOSH", ARCCOSH, [](double x) { return std::acosh(x); }, 1.0, 1.0e6},
        {"ARCTANH", ARCTANH, [](double x) { return std::atanh(x); }, -0.999999, 0.999999},
    };
    std::mt19937_64 g(29);
    for (const Sweep &s : sweeps) {
        SCOPED_TRACE(s.name);
        std::uniform_real_distribution<double> d(s.lo, s.hi);
        for (int i = 0; i < 20000; ++i) {
            const double x = d(g);
            const double want = s.ref(x);
            ASSERT_NEAR(s.f(x), want, 1.0e-13 * std::fabs(want) + 1.0e-15) << std::hexfloat << x;
        }
    }
    EXPECT_TRUE(take_reports().empty());
}

// ===========================================================================
// Exact values
// ===========================================================================

TEST_F(MathRealTrig, MultiplesOfAQuarterTurnAndZeroGiveExactValues) {
    struct Case {
        const char *name;
        double got, want;
    };
    const Case cases[] = {
        {"SIN(0)", SIN(0.0), 0.0},
        {"SIN(pi)", SIN(kPi), 0.0},
        {"SIN(-pi)", SIN(-kPi), 0.0},
        {"SIN(2 pi)", SIN(kTwoPi), 0.0},
        {"SIN(4 pi)", SIN(2.0 * kTwoPi), 0.0},
        {"SIN(pi/2)", SIN(kHalfPi), 1.0},
        {"SIN(-pi/2)", SIN(-kHalfPi), -1.0},
        {"SIN(3 pi/2)", SIN(kThreeHalfPi), -1.0},
        {"SIN(-3 pi/2)", SIN(-kThreeHalfPi), 1.0},
        {"SIN(2 pi + pi/2)", SIN(kTwoPi + kHalfPi), 1.0},
        {"COS(0)", COS(0.0), 1.0},
        {"COS(pi)", COS(kPi), -1.0},
        {"COS(-pi)", COS(-kPi), -1.0},
        {"COS(2 pi)", COS(kTwoPi), 1.0},
        {"COS(pi/2)", COS(kHalfPi), 0.0},
        {"COS(-3 pi/2)", COS(-kThreeHalfPi), 0.0},
        {"TAN(0)", TAN(0.0), 0.0},
        {"TAN(pi)", TAN(kPi), 0.0},
        {"TAN(-pi)", TAN(-kPi), 0.0},
        {"ARCSIN(0)", ARCSIN(0.0), 0.0},
        {"ARCSIN(1)", ARCSIN(1.0), kHalfPi},
        {"ARCSIN(-1)", ARCSIN(-1.0), -kHalfPi},
        {"ARCCOS(1)", ARCCOS(1.0), 0.0},
        {"ARCCOS(0)", ARCCOS(0.0), kHalfPi},
        {"ARCCOS(-1)", ARCCOS(-1.0), kPi},
        {"ARCTAN(0)", ARCTAN(0.0), 0.0},
        {"ARCTAN(inf)", ARCTAN(kInf), kHalfPi},
        {"ARCTAN(-inf)", ARCTAN(-kInf), -kHalfPi},
        {"ARCTAN(0, 1)", ARCTAN2(0.0, 1.0), 0.0},
        {"ARCTAN(0, -1)", ARCTAN2(0.0, -1.0), kPi},
        {"ARCTAN(2, 0)", ARCTAN2(2.0, 0.0), kHalfPi},
        {"ARCTAN(-2, 0)", ARCTAN2(-2.0, 0.0), -kHalfPi},
        {"ARCTAN(1, -inf)", ARCTAN2(1.0, -kInf), kPi},
        {"ARCTAN(-1, inf)", ARCTAN2(-1.0, kInf), -0.0},
        {"SINH(0)", SINH(0.0), 0.0},
        {"COSH(0)", COSH(0.0), 1.0},
        {"TANH(0)", TANH(0.0), 0.0},
        {"ARCSINH(0)", ARCSINH(0.0), 0.0},
        {"ARCCOSH(1)", ARCCOSH(1.0), 0.0},
        {"ARCTANH(0)", ARCTANH(0.0), 0.0},
    };
    for (const Case &c : cases) EXPECT_EQ(c.got, c.want) << c.name;
    // Odd functions are odd, even ones even, bit for bit.
    for (double x : {0.3, 1.0, 2.5, 4.0, 100.0}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(SIN(-x), -SIN(x));
        EXPECT_EQ(COS(-x), COS(x));
        EXPECT_EQ(TAN(-x), -TAN(x));
        EXPECT_EQ(ARCTAN(-x), -ARCTAN(x));
        EXPECT_EQ(SINH(-x), -SINH(x));
        EXPECT_EQ(COSH(-x), COSH(x));
        EXPECT_EQ(TANH(-x), -TANH(x));
        EXPECT_EQ(ARCSINH(-x), -ARCSINH(x));
    }
    EXPECT_TRUE(take_reports().empty());
}

// ===========================================================================
// Reports
// ===========================================================================

TEST_F(MathRealTrig, InvalidArgumentsReportAndGiveTheStatedValue) {
    struct Case {
        const char *name;
        std::function<double()> call;
        double want;
        Reported report;
    };
    const Case cases[] = {
        {"TAN(pi/2)",
         [] { return TAN(kHalfPi); },
         kRealHigh,
         {"TAN(X) is undefined for XL = MATH_PI_OVER_2", SEV_ERROR}},
        {"TAN(-pi/2)",
         [] { return TAN(-kHalfPi); },
         kRealLow,
         {"TAN(X) is undefined for XL = MATH_PI_OVER_2", SEV_ERROR}},
        {"TAN(3 pi/2)",
         [] { return TAN(kThreeHalfPi); },
         kRealLow,
         {"TAN(X) is undefined for XL = MATH_3_PI_OVER_2", SEV_ERROR}},
        {"TAN(-3 pi/2)",
         [] { return TAN(-kThreeHalfPi); },
         kRealHigh,
         {"TAN(X) is undefined for XL = MATH_3_PI_OVER_2", SEV_ERROR}},
        {"ARCTAN(0, 0)", [] { return ARCTAN2(0.0, 0.0); }, 0.0, {"ARCTAN(0.0, 0.0) is undetermined", SEV_ERROR}},
        {"ARCTAN(-0, -0)", [] { return ARCTAN2(-0.0, -0.0); }, 0.0, {"ARCTAN(0.0, 0.0) is undetermined", SEV_ERROR}},
        {"ARCSIN(1.5)", [] { return ARCSIN(1.5); }, 1.5, {"ABS(X) > 1.0 in ARCSIN(X)", SEV_ERROR}},
        {"ARCSIN(-2)", [] { return ARCSIN(-2.0); }, -2.0, {"ABS(X) > 1.0 in ARCSIN(X)", SEV_ERROR}},
        {"ARCSIN(inf)", [] { return ARCSIN(kInf); }, kInf, {"ABS(X) > 1.0 in ARCSIN(X)", SEV_ERROR}},
        {"ARCCOS(1.5)", [] { return ARCCOS(1.5); }, 1.5, {"ABS(X) > 1.0 in ARCCOS(X)", SEV_ERROR}},
        {"ARCCOS(-1.0000001)", [] { return ARCCOS(-1.0000001); }, -1.0000001, {"ABS(X) > 1.0 in ARCCOS(X)", SEV_ERROR}},
        {"ARCCOSH(0.5)", [] { return ARCCOSH(0.5); }, 0.5, {"X < 1.0 in ARCCOSH(X)", SEV_ERROR}},
        {"ARCCOSH(-inf)", [] { return ARCCOSH(-kInf); }, -kInf, {"X < 1.0 in ARCCOSH(X)", SEV_ERROR}},
        {"ARCTANH(1)", [] { return ARCTANH(1.0); }, 1.0, {"ABS(X) >= 1.0 in ARCTANH(X)", SEV_ERROR}},
        {"ARCTANH(-3)", [] { return ARCTANH(-3.0); }, -3.0, {"ABS(X) >= 1.0 in ARCTANH(X)", SEV_ERROR}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(), c.want);
        EXPECT_EQ(take_reports(), std::vector<Reported>{c.report});
    }
}

TEST_F(MathRealTrig, AReductionThatRoundsBelowZeroReportsAndGoesOnWithItsMagnitude) {
    // Just below a whole number of turns, X / 2 pi can round up to that
    // number, and X minus the turns comes out negative.
    double x = 0.0;
    for (int k = 2; k < 100000 && x == 0.0; ++k) {
        const double candidate = std::nextafter(k * kTwoPi, 0.0);
        if (candidate - std::floor(candidate / kTwoPi) * kTwoPi < 0.0) x = candidate;
    }
    ASSERT_NE(x, 0.0);
    SCOPED_TRACE(testing::Message() << std::hexfloat << x);
    const double tiny = std::fabs(x - std::floor(x / kTwoPi) * kTwoPi);
    ASSERT_LT(tiny, 1.0e-10);
    // Near a whole turn: the magnitude's sine, cosine and tangent.
    EXPECT_EQ(SIN(x), tiny);
    EXPECT_EQ(take_reports(), (std::vector<Reported>{{"XL < 0.0 after 2*PI reduction in SIN(X)", SEV_ERROR}}));
    EXPECT_EQ(COS(x), 1.0);
    EXPECT_EQ(take_reports(), (std::vector<Reported>{{"XL < 0.0 after 2*PI reduction in COS(X)", SEV_ERROR}}));
    EXPECT_NEAR(TAN(-x), -tiny, 1.0e-30);
    EXPECT_EQ(take_reports(), (std::vector<Reported>{{"XL < 0.0 after 2*PI reduction in TAN(X)", SEV_ERROR}}));
}

// ===========================================================================
// Huge and non-finite arguments
// ===========================================================================

TEST_F(MathRealTrig, HugeArgumentsEndWithABoundedResult) {
    // Beyond about 1e15 the doubles are farther apart than the precision of
    // one turn: the value is meaningless but bounded, and the call ends.
    for (double x : {1.0e15, 1.0e16, 1.0e100, 1.0e300, kRealHigh, DBL_MAX}) {
        for (double sx : {x, -x}) {
            SCOPED_TRACE(sx);
            const double s = SIN(sx), c = COS(sx);
            EXPECT_LE(std::fabs(s), 1.0 + 1.0e-8);
            EXPECT_LE(std::fabs(c), 1.0 + 1.0e-8);
            EXPECT_FALSE(std::isnan(TAN(sx)));
        }
    }
    // Any report on the way is a reduction report.
    for (const Reported &r : take_reports()) {
        EXPECT_NE(r.text.find("after 2*PI reduction"), std::string::npos) << r.text;
        EXPECT_EQ(r.severity, SEV_ERROR);
    }
    // ARCSINH and ARCCOSH stay finite where X * X overflows.
    for (double x : {1.0e155, 1.0e300, DBL_MAX}) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(ARCSINH(x), std::asinh(x), 1.0e-15 * std::asinh(x));
        EXPECT_NEAR(ARCSINH(-x), -std::asinh(x), 1.0e-15 * std::asinh(x));
        EXPECT_NEAR(ARCCOSH(x), std::acosh(x), 1.0e-15 * std::acosh(x));
    }
    // ARCSINH of a large negative X: the direct formula would cancel to LOG(0.0).
    for (double x : {-1.0e8, -1.0e10, -1.0e20})
        EXPECT_NEAR(ARCSINH(x), std::asinh(x), 1.0e-14 * std::fabs(std::asinh(x)));
    // Beyond ln(REAL'HIGH) the hyperbolic functions take EXP's limit.
    EXPECT_EQ(TANH(800.0), 1.0);
    EXPECT_EQ(TANH(-800.0), -1.0);
    EXPECT_EQ(COSH(800.0), kRealHigh * 0.5);
    EXPECT_EQ(take_reports(), std::vector<Reported>(3, Reported{"X > LOG(REAL'HIGH) in EXP(X)", SEV_NOTE}));
}

TEST_F(MathRealTrig, InfinitiesAndNaNsEndWithoutAReport) {
    struct Case {
        const char *name;
        double got, want;
    };
    const Case cases[] = {
        {"SIN(inf)", SIN(kInf), kNaN},
        {"SIN(-inf)", SIN(-kInf), kNaN},
        {"SIN(NaN)", SIN(kNaN), kNaN},
        {"COS(inf)", COS(kInf), kNaN},
        {"COS(NaN)", COS(kNaN), kNaN},
        {"TAN(-inf)", TAN(-kInf), kNaN},
        {"TAN(NaN)", TAN(kNaN), kNaN},
        {"ARCSIN(NaN)", ARCSIN(kNaN), kNaN},
        {"ARCCOS(NaN)", ARCCOS(kNaN), kNaN},
        {"ARCTAN(NaN)", ARCTAN(kNaN), kNaN},
        {"ARCTAN(NaN, 0)", ARCTAN2(kNaN, 0.0), kNaN},
        {"ARCTAN(0, NaN)", ARCTAN2(0.0, kNaN), kNaN},
        {"ARCTAN(1, NaN)", ARCTAN2(1.0, kNaN), kNaN},
        {"SINH(NaN)", SINH(kNaN), kNaN},
        {"COSH(NaN)", COSH(kNaN), kNaN},
        {"TANH(NaN)", TANH(kNaN), kNaN},
        {"ARCSINH(NaN)", ARCSINH(kNaN), kNaN},
        {"ARCSINH(inf)", ARCSINH(kInf), kInf},
        {"ARCSINH(-inf)", ARCSINH(-kInf), -kInf},
        {"ARCCOSH(NaN)", ARCCOSH(kNaN), kNaN},
        {"ARCCOSH(inf)", ARCCOSH(kInf), kInf},
        {"ARCTANH(NaN)", ARCTANH(kNaN), kNaN},
    };
    for (const Case &c : cases) EXPECT_TRUE(same(c.got, c.want)) << c.name << " gave " << c.got;
    EXPECT_TRUE(take_reports().empty());
}

}  // namespace
