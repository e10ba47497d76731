// Times with units: parsing from the command line and stimulus files, and the
// shortest exact printed form.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "sim_time.h"

namespace {

constexpr int64_t kNs = 1000;
constexpr int64_t kUs = 1000 * kNs;
constexpr int64_t kMs = 1000 * kUs;
constexpr int64_t kSec = 1000 * kMs;

struct GoodTime {
    const char *text;
    int64_t ps;
};

TEST(ParseTime, AcceptsEveryUnitAndSpelling) {
    const GoodTime cases[] = {
        {"1us", kUs},
        {"31250ps", 31250},
        {"10 ns", 10 * kNs},
        {"1.5 us", 1500 * kNs},
        {"2sec", 2 * kSec},
        {"1000 fs", 1},
        {"123000fs", 123},
        {"3 ms", 3 * kMs},
        {"1 min", 60 * kSec},
        {"2 hr", 7200 * kSec},
        {"7 Ns", 7 * kNs},
        {"5 SEC", 5 * kSec},
        {"1 Min", 60 * kSec},
        {"  12\tps  ", 12},
        {"0 ps", 0},
        {"0.0 ns", 0},
        {"000 us", 0},
        {"0.001 ns", 1},
        {"1.50000 us", 1500 * kNs},
        {"007.250 ns", 7250},
        {"0.5 min", 30 * kSec},
        {"0.25 hr", 900 * kSec},
        {"-5 ns", -5 * kNs},
        {"+5 ns", 5 * kNs},
    };
    for (const GoodTime &c : cases) {
        int64_t ps = -42;
        std::string error;
        EXPECT_TRUE(tovu::parse_time(c.text, ps, error)) << c.text << ": " << error;
        EXPECT_EQ(ps, c.ps) << c.text;
    }
}

TEST(ParseTime, Int64LimitsAreExactAndOverflowIsAnError) {
    const int64_t max = std::numeric_limits<int64_t>::max();
    const int64_t min = std::numeric_limits<int64_t>::min();
    const GoodTime edge[] = {
        {"9223372036854775807 ps", max},
        {"-9223372036854775808 ps", min},
        {"9223372036854775.807 ns", max},
        {"2562 hr", 2562LL * 3600 * kSec},
    };
    for (const GoodTime &c : edge) {
        int64_t ps = 0;
        std::string error;
        EXPECT_TRUE(tovu::parse_time(c.text, ps, error)) << c.text << ": " << error;
        EXPECT_EQ(ps, c.ps) << c.text;
    }
    const char *overflow[] = {
        "9223372036854775808 ps",  "-9223372036854775809 ps", "9223372036854776 ns",
        "2563 hr",                 "100000000000000000000000 fs", "99999999999999999999999999999999 sec",
        "1000000000000000000000000000000000000000000 ps",
    };
    for (const char *text : overflow) {
        int64_t ps = 17;
        std::string error;
        EXPECT_FALSE(tovu::parse_time(text, ps, error)) << text << " gave " << ps;
        EXPECT_EQ(ps, 17) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(ParseTime, RejectsMalformedTextWithACause) {
    struct Bad {
        const char *text;
        const char *cause;
    };
    const Bad cases[] = {
        {"", "expected a number"},
        {"ns", "expected a number"},
        {"10", "missing unit"},
        {"10 xs", "unknown unit 'xs'"},
        {"10 s", "unknown unit 's'"},
        {"1.5 fs", "not a whole number of picoseconds"},
        {"1500 fs", "not a whole number of picoseconds"},
        {"0.0001 ns", "not a whole number of picoseconds"},
        {"1. ns", "digits after '.'"},
        {".5 ns", "expected a number"},
        {"10 ns x", "unexpected text"},
        {"10 n s", "unexpected text"},
        {"1e3 ns", "an exponent is not allowed"},
        {"1,5 ns", "unexpected text"},
        {"--5 ns", "expected a number"},
    };
    for (const Bad &c : cases) {
        int64_t ps = 99;
        std::string error;
        EXPECT_FALSE(tovu::parse_time(c.text, ps, error)) << c.text;
        EXPECT_EQ(ps, 99) << c.text;
        EXPECT_NE(error.find(c.cause), std::string::npos) << c.text << ": " << error;
        EXPECT_NE(error.find(std::string("'") + c.text + "'"), std::string::npos) << error;
    }
}

TEST(FormatTime, UsesTheLargestExactUnitUpToSeconds) {
    const std::pair<int64_t, const char *> cases[] = {
        {0, "0 ps"},
        {15625000, "15625 ns"},
        {1500, "1500 ps"},
        {2000000, "2 us"},
        {1, "1 ps"},
        {1000, "1 ns"},
        {31250, "31250 ps"},
        {kMs, "1 ms"},
        {1500 * kMs, "1500 ms"},
        {3 * kSec, "3 sec"},
        {3600 * kSec, "3600 sec"},
        {-2000, "-2 ns"},
        {-1, "-1 ps"},
        {std::numeric_limits<int64_t>::max(), "9223372036854775807 ps"},
        {std::numeric_limits<int64_t>::min(), "-9223372036854775808 ps"},
    };
    for (const auto &[ps, text] : cases) EXPECT_EQ(tovu::format_time(ps), text) << ps;
}

TEST(FormatTime, ParsesBackToTheSameValue) {
    const int64_t values[] = {0,       7,         31250,      8666667,   1000000000,
                              -123000, 999999000, 4 * kSec,   3 * kSec + 1,
                              std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};
    for (int64_t v : values) {
        int64_t back = 0;
        std::string error;
        ASSERT_TRUE(tovu::parse_time(tovu::format_time(v), back, error)) << v << ": " << error;
        EXPECT_EQ(back, v);
    }
}

}  // namespace
