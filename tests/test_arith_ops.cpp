// The arithmetic and comparison helpers of the kernel interface, checked
// against integer arithmetic, the definitions of VHDL's operators and the C
// library.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

TEST(VhdlPow, MatchesRepeatedMultiplicationAndFailsOutsideInteger) {
    for (int32_t base : {-10, -3, -2, -1, 0, 1, 2, 3, 7, 10, 46341}) {
        for (int32_t e = 0; e <= 40; ++e) {
            // Reference: exact product while it is still small enough to tell.
            long double exact = 1;
            for (int32_t k = 0; k < e; ++k) exact *= base;
            if (exact >= INT32_MIN && exact <= INT32_MAX) {
                EXPECT_EQ(zem_vhdl_pow(base, e), static_cast<int32_t>(exact)) << base << "**" << e;
            } else {
                EXPECT_THROW(zem_vhdl_pow(base, e), tovu::CheckFailure) << base << "**" << e;
            }
        }
    }
    EXPECT_EQ(zem_vhdl_pow(2, 30), 1073741824);
    EXPECT_EQ(zem_vhdl_pow(-2, 31), INT32_MIN);
    EXPECT_THROW(zem_vhdl_pow(2, 31), tovu::CheckFailure);
    EXPECT_EQ(zem_vhdl_pow(1, INT32_MAX), 1);
    EXPECT_EQ(zem_vhdl_pow(-1, INT32_MAX), -1);
    EXPECT_EQ(zem_vhdl_pow(0, INT32_MAX), 0);
    EXPECT_EQ(zem_vhdl_pow(0, 0), 1);
    EXPECT_THROW(zem_vhdl_pow(2, INT32_MAX), tovu::CheckFailure);
    EXPECT_THROW(zem_vhdl_pow(2, -1), tovu::CheckFailure);  // 2**(AW-1) with AW = 0
    EXPECT_THROW(zem_vhdl_pow(1, INT32_MIN), tovu::CheckFailure);
}

TEST(VhdlMod, TakesTheSignOfTheRightOperand) {
    // Literal cases from the definition of mod.
    EXPECT_EQ(zem_vhdl_mod(7, 3), 1);
    EXPECT_EQ(zem_vhdl_mod(-7, 3), 2);
    EXPECT_EQ(zem_vhdl_mod(7, -3), -2);
    EXPECT_EQ(zem_vhdl_mod(-7, -3), -1);
    EXPECT_EQ(zem_vhdl_mod(6, -3), 0);
    EXPECT_EQ(zem_vhdl_mod(INT32_MIN, -1), 0);
    EXPECT_EQ(zem_vhdl_mod(INT32_MIN, INT32_MAX), INT32_MAX - 1);
    EXPECT_EQ(zem_vhdl_mod(INT32_MAX, INT32_MIN), -1);
    EXPECT_EQ(zem_vhdl_mod(-1, INT32_MIN), -1);
    EXPECT_EQ(zem_vhdl_mod(1, INT32_MIN), INT32_MIN + 1);

    // The defining property: a = b*N + r with r of b's sign (or 0) and |r| < |b|.
    const std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, -1000003, -310, -7, -4, -2, -1, 0, 1, 2, 3, 4,
                                         7,         18,            310,      1024, 1000003, INT32_MAX - 1, INT32_MAX};
    for (int32_t a : values) {
        for (int32_t b : values) {
            if (b == 0) continue;
            const int64_t r = zem_vhdl_mod(a, b);
            EXPECT_TRUE(r == 0 || (r < 0) == (b < 0)) << a << " mod " << b << " = " << r;
            EXPECT_LT(std::llabs(r), std::llabs(int64_t{b})) << a << " mod " << b;
            EXPECT_EQ((int64_t{a} - r) % b, 0) << a << " mod " << b << " = " << r;
        }
    }
}

TEST(VhdlMod, ByZeroFailsTheCheck) {
    EXPECT_THROW(zem_vhdl_mod(5, 0), tovu::CheckFailure);
    EXPECT_THROW(zem_vhdl_mod(0, 0), tovu::CheckFailure);
}

TEST(VhdlPowDouble, PowersOfTwoAreExactOverTheWholeRange) {
    EXPECT_EQ(zem_vhdl_pow_double(2.0, 0), 1.0);
    EXPECT_EQ(zem_vhdl_pow_double(2.0, 10), 1024.0);
    EXPECT_EQ(zem_vhdl_pow_double(2.0, -3), 0.125);
    EXPECT_EQ(zem_vhdl_pow_double(2.0, 1023), 0x1p1023);
    EXPECT_EQ(zem_vhdl_pow_double(2.0, -1022), DBL_MIN);
    EXPECT_EQ(zem_vhdl_pow_double(2.0, -1074), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(zem_vhdl_pow_double(2.0, -1075), 0.0);
    EXPECT_EQ(zem_vhdl_pow_double(2.0, 1024), HUGE_VAL);
    // Each power is exactly twice the one below.
    for (int32_t n = -1073; n <= 1023; ++n) {
        ASSERT_EQ(zem_vhdl_pow_double(2.0, n), 2.0 * zem_vhdl_pow_double(2.0, n - 1)) << n;
    }
}

TEST(VhdlPowDouble, OtherBasesFollowTheCLibrary) {
    EXPECT_EQ(zem_vhdl_pow_double(3.0, 4), 81.0);
    EXPECT_EQ(zem_vhdl_pow_double(-2.0, 3), -8.0);
    EXPECT_EQ(zem_vhdl_pow_double(0.5, 3), 0.125);
    EXPECT_EQ(zem_vhdl_pow_double(10.0, 22), 1e22);
    EXPECT_EQ(zem_vhdl_pow_double(7.25, 0), 1.0);
    EXPECT_EQ(zem_vhdl_pow_double(10.0, -2), std::pow(10.0, -2.0));
    EXPECT_EQ(zem_vhdl_pow_double(1.1, 7), std::pow(1.1, 7.0));
}

TEST(MemCmp, OneMeansEqual) {
    const uint8_t a[5] = {2, 3, 3, 2, 9};
    const uint8_t b[5] = {2, 3, 3, 2, 9};
    const uint8_t first[5] = {3, 3, 3, 2, 9};
    const uint8_t last[5] = {2, 3, 3, 2, 8};
    for (uint32_t n : {1u, 2u, 4u, 5u}) EXPECT_EQ(zem_mem_cmp(a, b, n), 1) << n;
    EXPECT_EQ(zem_mem_cmp(a, first, 2), 0);
    EXPECT_EQ(zem_mem_cmp(a, last, 4), 1);
    EXPECT_EQ(zem_mem_cmp(a, last, 5), 0);
    EXPECT_EQ(zem_mem_cmp(nullptr, nullptr, 0), 1);
}

TEST(MemSetInt64, FillsCountCopiesAtAnyAlignment) {
    const int64_t value = -0x0123456789abcdefLL;
    alignas(8) uint8_t buffer[64];
    std::memset(buffer, 0xee, sizeof buffer);
    zem_mem_set_int64(buffer + 3, value, 6);
    for (int i = 0; i < 6; ++i) {
        int64_t got;
        std::memcpy(&got, buffer + 3 + 8 * i, sizeof got);
        EXPECT_EQ(got, value) << i;
    }
    EXPECT_EQ(buffer[2], 0xee);
    EXPECT_EQ(buffer[3 + 48], 0xee);
    zem_mem_set_int64(buffer, 0, 0);
    zem_mem_set_int64(buffer, 0, -5);
    EXPECT_EQ(buffer[0], 0xee);
}

// std_logic_vector text as positions ('U'=0 ... '-'=8).
std::vector<uint8_t> slv(const std::string &text) {
    static const std::string kChars = "UX01ZWLH-";
    std::vector<uint8_t> v;
    for (char c : text) v.push_back(static_cast<uint8_t>(kChars.find(c)));
    return v;
}

TEST(VhdlLessThan, OrdersEnumerationArraysLexicographicallyByPosition) {
    struct Case {
        const char *l;
        const char *r;
        bool less;
        bool less_equal;
    };
    const Case cases[] = {
        {"0101", "0110", true, true},
        {"0110", "0101", false, false},
        {"1010", "1010", false, true},
        {"1", "01", false, false},   // by elements from the left, not by value
        {"01", "1", true, true},
        {"01", "010", true, true},   // a proper prefix is less
        {"010", "01", false, false},
        {"", "0", true, true},
        {"", "", false, true},
        {"U", "0", true, true},      // 'U' is position 0
        {"1", "Z", true, true},
        {"-", "H", false, false},
        {"00000000", "11111111", true, true},
    };
    uint8_t dummy_type = 0;
    for (const Case &c : cases) {
        const std::vector<uint8_t> l = slv(c.l), r = slv(c.r);
        EXPECT_EQ(zem_vhdl_lessthan(&dummy_type, l.data(), static_cast<int32_t>(l.size()), r.data(),
                                    static_cast<int32_t>(r.size())),
                  c.less ? 1 : 0)
            << c.l << " < " << c.r;
        EXPECT_EQ(zem_vhdl_lessthanEqual(&dummy_type, l.data(), static_cast<int32_t>(l.size()), r.data(),
                                         static_cast<int32_t>(r.size())),
                  c.less_equal ? 1 : 0)
            << c.l << " <= " << c.r;
    }
}

TEST(ScratchMemory, GetAndPutAreWritableAndBalanced) {
    for (uint32_t n : {0u, 1u, 37u, 4096u, 1u << 20}) {
        auto *p = static_cast<char *>(zem_get_memory(n));
        ASSERT_NE(p, nullptr) << n;
        std::memset(p, 'a', n);
        zem_put_memory(n, p);
    }
    EXPECT_THROW(zem_get_memory(UINT32_MAX), tovu::CheckFailure);
}

}  // namespace
