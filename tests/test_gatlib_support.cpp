// The device-primitive support package: its conversions between vectors,
// integers and text, and its checks and reports, called as the library's
// models call them, with the package's real design data.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "gatlib/p_3222816464.h"
#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "std/textio.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

constexpr size_t kPool = 0x3e0;  // start of the package's literal pool
const std::string kLiterals = "UX01ZWLH-";

// A std_ulogic vector from its literal characters, left element first.
struct Vec {
    std::vector<uint8_t> data;
    array_bounds b;
    Vec(const std::string &lits, int32_t left, int32_t dir) {
        for (char c : lits) data.push_back(static_cast<uint8_t>(kLiterals.find(c)));
        const int32_t n = static_cast<int32_t>(lits.size());
        b = array_bounds{left, left + dir * (n - 1), dir, n};
        if (n == 0) b.right = left - dir;
    }
    std::string text() const {
        std::string s;
        for (uint8_t v : data) s += kLiterals[v];
        return s;
    }
};
Vec downto(const std::string &lits) { return Vec(lits, static_cast<int32_t>(lits.size()) - 1, -1); }
Vec upto(const std::string &lits) { return Vec(lits, 0, 1); }

struct Str {
    std::string s;
    array_bounds b;
    explicit Str(std::string text) : s(std::move(text)) {
        const int32_t n = static_cast<int32_t>(s.size());
        b = array_bounds{1, n, 1, n};
    }
    const uint8_t *d() const { return reinterpret_cast<const uint8_t *>(s.data()); }
};

std::string bits_of(uint64_t value, int width) {
    std::string s;
    for (int i = width - 1; i >= 0; --i) s += ((value >> i) & 1) ? '1' : '0';
    return s;
}

class GatlibSupport : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR,
                                     {&ieee_p_2592010699_init, &std_textio_init, &gatlib_p_3222816464_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        GATLIB_P_3222816464 = zem_get_engine_memory("gatlib_p_3222816464");
        ASSERT_NE(GATLIB_P_3222816464, nullptr);
        ASSERT_NE(STD_TEXTIO, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        tovu::testing::capture_reports(false);
        tovu::testing::reset();
    }

    char *pkg() const { return GATLIB_P_3222816464; }
    // A piece of the literal pool, as the design data holds it.
    std::string pool(size_t rel, size_t n) const { return std::string(pkg() + kPool + rel, n); }
    const std::vector<tovu::testing::Report> &reports() const { return tovu::testing::reports(); }

    int32_t natural(const Vec &v) { return gatlib_p_3222816464_sub_3182959421_279109243(pkg(), v.data.data(), &v.b); }
    bool all_01(const Vec &v) { return gatlib_p_3222816464_sub_2053111517_279109243(pkg(), v.data.data(), &v.b); }
    std::string text(const Vec &v, array_bounds *out) {
        const char *p = gatlib_p_3222816464_sub_3034208508_279109243(pkg(), out, v.data.data(), &v.b);
        return std::string(p, static_cast<size_t>(out->length));
    }
    std::string hex_text(const Vec &v, int32_t n, array_bounds *out) {
        const char *p = gatlib_p_3222816464_sub_3342225202_279109243(pkg(), out, v.data.data(), &v.b, n);
        return std::string(p, static_cast<size_t>(out->length));
    }
    std::string hex8(const std::string &chars, array_bounds *out) {
        const uint8_t *p = gatlib_p_3222816464_sub_2103338703_279109243(pkg(), out, chars.data());
        std::string s;
        for (int i = 0; i < out->length; ++i) s += kLiterals[p[i]];
        return s;
    }
    std::string hex4(const std::string &chars, array_bounds *out) {
        const uint8_t *p = gatlib_p_3222816464_sub_2103271057_279109243(pkg(), out, chars.data());
        std::string s;
        for (int i = 0; i < out->length; ++i) s += kLiterals[p[i]];
        return s;
    }
};

void expect_bounds(const array_bounds &b, int32_t left, int32_t right, int32_t dir, int32_t length) {
    EXPECT_EQ(b.left, left);
    EXPECT_EQ(b.right, right);
    EXPECT_EQ(b.dir, dir);
    EXPECT_EQ(b.length, length);
}

// ---- conversions ----

TEST_F(GatlibSupport, VectorToNaturalTakesTheHighestIndexAsMostSignificant) {
    EXPECT_EQ(natural(downto("1010")), 10);
    EXPECT_EQ(natural(upto("1010")), 5);
    EXPECT_EQ(natural(downto("1H10")), 10);  // only '1' counts as 1
    EXPECT_EQ(natural(downto("")), 0);
    EXPECT_EQ(natural(Vec("0001", 7, -1)), 1);  // bounds other than 0 are read the same way
    // Longer than 31 elements: the low 32 bits, read as a signed INTEGER.
    EXPECT_EQ(natural(downto(std::string(32, '1'))), -1);
    EXPECT_EQ(natural(downto("1" + std::string(32, '0') + "101")), 5);
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        const int n = 1 + static_cast<int>(rng() % 31);
        const uint32_t value = rng() & ((n == 32 ? 0 : (1u << n)) - 1);
        EXPECT_EQ(natural(downto(bits_of(value, n))), static_cast<int32_t>(value));
        std::string reversed = bits_of(value, n);
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(natural(upto(reversed)), static_cast<int32_t>(value));
    }
}

TEST_F(GatlibSupport, IsAll01RejectsEveryOtherValueIncludingWeakOnes) {
    EXPECT_TRUE(all_01(downto("0110")));
    EXPECT_TRUE(all_01(downto("")));
    for (char c : std::string("UXZWLH-")) EXPECT_FALSE(all_01(upto(std::string("01") + c + "1"))) << c;
}

TEST_F(GatlibSupport, VectorToTextPutsTheHighestIndexLeftmost) {
    array_bounds b;
    EXPECT_EQ(text(upto("01ZU"), &b), "UX10");
    expect_bounds(b, 4, 1, -1, 4);
    EXPECT_EQ(text(downto("01ZU"), &b), "01XU");
    EXPECT_EQ(text(downto("UX01ZWLH-"), &b), "UX01XXXXX");
    expect_bounds(b, 9, 1, -1, 9);
    EXPECT_EQ(text(downto(""), &b), "");
    expect_bounds(b, 0, 1, -1, 0);
}

TEST_F(GatlibSupport, VectorToHexTextGroupsFourElementsPerDigit) {
    array_bounds b;
    // (5 downto 0) "101100": digit of (3 downto 0) "1100" at position 1, of
    // the partial group "10" at position 2 (the leftmost).
    EXPECT_EQ(hex_text(downto("101100"), 2, &b), "2c");
    expect_bounds(b, 2, 1, -1, 2);
    EXPECT_EQ(hex_text(downto("101100"), 3, &b), std::string("\0" "2c", 3));
    // A group holding 'X' leaves its position NUL; the others still go to theirs.
    EXPECT_EQ(hex_text(downto("1X000011"), 2, &b), std::string("\0" "3", 2));
    EXPECT_EQ(hex_text(downto("0101" "1X00" "1111"), 3, &b), std::string("5\0f", 3));
    for (uint32_t v : {0x0u, 0x3ffu, 0x2a5u, 0x1u}) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%03x", v);
        EXPECT_EQ(hex_text(downto(bits_of(v, 10)), 3, &b), expected) << v;
    }
    EXPECT_EQ(hex_text(downto(""), 0, &b), "");
    expect_bounds(b, 0, 1, -1, 0);
    // A negative result length is a null range, not a huge work buffer.
    EXPECT_EQ(hex_text(downto(""), -3, &b), "");
    expect_bounds(b, -3, 1, -1, 0);
}

TEST_F(GatlibSupport, VectorToHexTextReadsAscendingVectorsInsideTheirData) {
    // (0 to 7): element 0 is the first byte. Element x is read at its own
    // place, so the digit of elements 3..0 is 1 and that of 7..4 is 0.
    array_bounds b;
    EXPECT_EQ(hex_text(upto("10000000"), 2, &b), "01");
    EXPECT_EQ(hex_text(upto("0011" "0101" "11"), 3, &b), "3ac");
}

TEST_F(GatlibSupport, VectorToHexTextWithTooFewPositionsFailsTheIndexCheck) {
    array_bounds b;
    EXPECT_THROW(hex_text(downto("110011001100"), 2, &b), tovu::CheckFailure);
    // A vector whose indices do not cover 0 to length-1 fails the slice check.
    EXPECT_THROW(hex_text(Vec("11001100", 8, -1), 2, &b), tovu::CheckFailure);
}

TEST_F(GatlibSupport, HexTextToVectorConvertsEitherCase) {
    array_bounds b;
    EXPECT_EQ(hex8("0123abCF", &b), bits_of(0x0123abcf, 32));
    expect_bounds(b, 31, 0, -1, 32);
    EXPECT_EQ(hex4("fA09", &b), bits_of(0xfa09, 16));
    expect_bounds(b, 15, 0, -1, 16);
    EXPECT_TRUE(reports().empty());
}

TEST_F(GatlibSupport, InvalidHexCharactersAreWarnedRightmostFirstAndGiveTheInvalidDigit) {
    array_bounds b;
    const std::string got = hex8("01g3ab?F", &b);
    ASSERT_EQ(reports().size(), 2u);
    const std::string warning = pool(168, 36);
    EXPECT_EQ(reports()[0].message, warning + "?");
    EXPECT_EQ(reports()[1].message, warning + "g");
    for (const auto &r : reports()) EXPECT_EQ(r.severity, SEV_WARNING);
    // the valid digits convert; the two invalid ones hold the pool's invalid-digit vector
    const std::string expected = bits_of(0, 4) + bits_of(1, 4) + "XXXX" + bits_of(3, 4) + bits_of(0xa, 4) +
                                 bits_of(0xb, 4) + "XXXX" + bits_of(0xf, 4);
    EXPECT_EQ(got, expected);

    tovu::testing::capture_reports(true);
    hex4("12 4", &b);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].message, pool(64, 36) + " ");
    EXPECT_EQ(reports()[0].message.size(), 37u);
}

TEST_F(GatlibSupport, BitsToIntegerMatchesPatternsAndGivesTheCountForMetavalues) {
    for (uint32_t m = 0; m < 32; ++m) {
        const Vec v = downto(bits_of(m, 5));
        EXPECT_EQ(gatlib_p_3222816464_sub_973039728_279109243(pkg(), v.data.data()), static_cast<int32_t>(m));
    }
    for (uint32_t m = 0; m < 16; ++m) {
        const Vec v = downto(bits_of(m, 4));
        EXPECT_EQ(gatlib_p_3222816464_sub_973038639_279109243(pkg(), v.data.data()), static_cast<int32_t>(m));
    }
    EXPECT_EQ(gatlib_p_3222816464_sub_973039728_279109243(pkg(), downto("01X01").data.data()), 32);
    EXPECT_EQ(gatlib_p_3222816464_sub_973038639_279109243(pkg(), downto("H001").data.data()), 16);
}

// ---- port_bit_overlap ----

struct Overlap {
    uint8_t overlap = 0xee;
    int32_t lo = -99, hi = -99, a_lo = -99, a_hi = -99, b_lo = -99, b_hi = -99;
};

Overlap overlap(int32_t a, int32_t b, int32_t wa, int32_t wb) {
    Overlap o;
    gatlib_p_3222816464_sub_3249963962_279109243(GATLIB_P_3222816464, nullptr, a, b, wa, wb, &o.overlap, &o.lo, &o.hi,
                                                 &o.a_lo, &o.a_hi, &o.b_lo, &o.b_hi);
    return o;
}

TEST_F(GatlibSupport, PortBitOverlapGivesTheSharedBitsInEachPortsWord) {
    Overlap o = overlap(1, 0, 8, 16);  // bits 8..15 and 0..15
    EXPECT_EQ(o.overlap, 1);
    EXPECT_EQ(std::vector<int32_t>({o.lo, o.hi, o.a_lo, o.a_hi, o.b_lo, o.b_hi}),
              std::vector<int32_t>({8, 15, 0, 7, 8, 15}));
    o = overlap(2, 0, 8, 16);  // bits 16..23 and 0..15: apart, outputs untouched
    EXPECT_EQ(o.overlap, 0);
    EXPECT_EQ(std::vector<int32_t>({o.lo, o.hi, o.a_lo, o.a_hi, o.b_lo, o.b_hi}), std::vector<int32_t>(6, -99));
    o = overlap(1, 15, 8, 1);  // touching: bit 15 only
    EXPECT_EQ(o.overlap, 1);
    EXPECT_EQ(std::vector<int32_t>({o.lo, o.hi, o.a_lo, o.a_hi, o.b_lo, o.b_hi}),
              std::vector<int32_t>({15, 15, 7, 7, 0, 0}));

    // Against the bit sets themselves, for every small case.
    for (int32_t wa = 1; wa <= 9; ++wa)
        for (int32_t wb = 1; wb <= 9; ++wb)
            for (int32_t a = 0; a < 5; ++a)
                for (int32_t b = 0; b < 5; ++b) {
                    std::set<int32_t> shared;
                    for (int32_t bit = a * wa; bit < a * wa + wa; ++bit)
                        if (bit >= b * wb && bit < b * wb + wb) shared.insert(bit);
                    const Overlap r = overlap(a, b, wa, wb);
                    SCOPED_TRACE(testing::Message() << a << " " << b << " " << wa << " " << wb);
                    ASSERT_EQ(r.overlap, shared.empty() ? 0 : 1);
                    if (shared.empty()) continue;
                    EXPECT_EQ(r.lo, *shared.begin());
                    EXPECT_EQ(r.hi, *shared.rbegin());
                    EXPECT_EQ(r.a_lo, r.lo - a * wa);
                    EXPECT_EQ(r.a_hi, r.hi - a * wa);
                    EXPECT_EQ(r.b_lo, r.lo - b * wb);
                    EXPECT_EQ(r.b_hi, r.hi - b * wb);
                }
}

TEST_F(GatlibSupport, PortBitOverlapWrapsInsteadOfOverflowing) {
    const Overlap o = overlap(INT32_MAX, 0, 2, 4);  // a * wa wraps to -2
    EXPECT_EQ(o.overlap, 0);
}

// ---- unknown addresses ----

TEST_F(GatlibSupport, HandleUnknownAddressWarnsWithTheAddressAndPoisonsEveryDataElement) {
    const Vec address = downto("01X1");
    Vec data = Vec("0110", 4, 1);
    gatlib_p_3222816464_sub_172108543_279109243(pkg(), nullptr, address.data.data(), &address.b, data.data.data(),
                                                &data.b);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].message, pool(568, 17) + "01X1" + pool(585, 37));
    EXPECT_EQ(reports()[0].message.size(), 54u + 4u);
    EXPECT_EQ(reports()[0].severity, SEV_WARNING);
    EXPECT_EQ(data.text(), "XXXX");
}

class UnknownAddressByMode : public GatlibSupport {
protected:
    void call(const std::string &mode, int32_t low, int32_t high, Vec &data) {
        const Str m(mode), t1("ram_1"), t2("read"), t3("B");
        gatlib_p_3222816464_sub_684226450_279109243(pkg(), nullptr, address.data.data(), &address.b, low, high,
                                                    m.d(), &m.b, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                    data.data.data(), &data.b);
    }
    std::string mode1() const { return pool(622, 5); }
    std::string mode2() const { return pool(730, 4); }
    Vec address = downto("1U0");
};

TEST_F(UnknownAddressByMode, FirstModeReportsAndPoisonsTheGivenRange) {
    Vec data = downto("01010101");
    call(mode1(), 2, 5, data);
    ASSERT_EQ(reports().size(), 1u);
    const std::string expected = pool(627, 28) + "ram_1" + pool(655, 13) + "B" + pool(668, 22) + "1U0" + pool(690, 40);
    EXPECT_EQ(reports()[0].message, expected);
    EXPECT_EQ(reports()[0].message.size(), 103u + 5 + 1 + 3);
    EXPECT_EQ(reports()[0].severity, SEV_WARNING);
    EXPECT_EQ(data.text(), "01XXXX01");  // elements 5 downto 2
}

TEST_F(UnknownAddressByMode, FirstModeWithLowAboveHighReportsButChangesNothing) {
    Vec data = downto("0101");
    call(mode1(), 3, 1, data);
    EXPECT_EQ(reports().size(), 1u);
    EXPECT_EQ(data.text(), "0101");
}

TEST_F(UnknownAddressByMode, FirstModeIndexOutsideTheDataFailsTheCheckBeforeWriting) {
    Vec data = downto("0101");
    EXPECT_THROW(call(mode1(), 2, 4, data), tovu::CheckFailure);
    EXPECT_EQ(data.text(), "0101");
}

TEST_F(UnknownAddressByMode, SecondModeReportsAndLeavesTheData) {
    Vec data = downto("0101");
    call(mode2(), 0, 3, data);
    ASSERT_EQ(reports().size(), 1u);
    const std::string expected =
        pool(734, 54) + "1U0" + pool(788, 6) + "read" + pool(794, 20) + "ram_1" + pool(814, 13) + "B";
    EXPECT_EQ(reports()[0].message, expected);
    EXPECT_EQ(reports()[0].message.size(), 93u + 5 + 4 + 1 + 3);
    EXPECT_EQ(data.text(), "0101");
}

TEST_F(UnknownAddressByMode, AnyOtherModeDoesNothing) {
    std::string lower = mode1();
    for (char &c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string &mode : {lower, mode1() + " ", mode1().substr(0, 4), mode2() + mode2(), std::string()}) {
        Vec data = downto("0101");
        call(mode, 0, 3, data);
        EXPECT_EQ(data.text(), "0101") << mode;
    }
    EXPECT_TRUE(reports().empty());
}

// ---- attribute reports ----

TEST_F(GatlibSupport, AttributeReportsJoinTheirPiecesInOrder) {
    const Str t1("Attribute Syntax Error"), t2("CLK_FEEDBACK"), t3("dcm_1"), t4(""), t5(" (given)"),
        t6("Legal values: "), t7("1X, 2X"), t8("NONE");
    int fake_process = 0;
    // string form, as a model writes it
    const Str value("4X");
    gatlib_p_3222816464_sub_3472237771_279109243(pkg(), &fake_process, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                 t4.d(), &t4.b, value.d(), &value.b, t5.d(), &t5.b, t6.d(), &t6.b,
                                                 t7.d(), &t7.b, t8.d(), &t8.b, SEV_ERROR);
    // integer-range form: the legal value is an INTEGER, the closing text is T7
    gatlib_p_3222816464_sub_2797092198_279109243(pkg(), &fake_process, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                 t4.d(), &t4.b, -17, t5.d(), &t5.b, t6.d(), &t6.b, 32, t7.d(), &t7.b,
                                                 SEV_FAILURE);
    gatlib_p_3222816464_sub_2926893151_279109243(pkg(), &fake_process, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                 t4.d(), &t4.b, 1, t5.d(), &t5.b, t6.d(), &t6.b, t7.d(), &t7.b,
                                                 t8.d(), &t8.b, SEV_WARNING);
    gatlib_p_3222816464_sub_2788155168_279109243(pkg(), &fake_process, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                 t4.d(), &t4.b, 40, t5.d(), &t5.b, t6.d(), &t6.b, t7.d(), &t7.b,
                                                 t8.d(), &t8.b, SEV_NOTE);
    gatlib_p_3222816464_sub_2550509707_279109243(pkg(), &fake_process, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                 t4.d(), &t4.b, 0.5, t5.d(), &t5.b, t6.d(), &t6.b, t7.d(), &t7.b,
                                                 t8.d(), &t8.b, SEV_ERROR);
    auto head = [&](size_t at) {
        return t1.s + pool(at, 15) + t2.s + pool(at + 15, 4) + t3.s + pool(at + 19, 10) + t4.s + pool(at + 29, 12);
    };
    const std::string mid = t5.s + ".\n" + t6.s;
    ASSERT_EQ(reports().size(), 5u);
    EXPECT_EQ(reports()[0].message, head(827) + "4X" + mid + t7.s + t5.s + t8.s);
    EXPECT_EQ(reports()[0].severity, SEV_ERROR);
    EXPECT_EQ(reports()[1].message, head(868) + "-17" + mid + "32" + t5.s + t7.s);
    EXPECT_EQ(reports()[1].severity, SEV_FAILURE);
    EXPECT_EQ(reports()[2].message, head(909) + "TRUE" + mid + t7.s + t5.s + t8.s);
    EXPECT_EQ(reports()[2].severity, SEV_WARNING);
    EXPECT_EQ(reports()[3].message, head(950) + "40" + mid + t7.s + t5.s + t8.s);
    EXPECT_EQ(reports()[3].severity, SEV_NOTE);
    EXPECT_EQ(reports()[4].message, head(991) + "5.000000e-01" + mid + t7.s + t5.s + t8.s);
}

TEST_F(GatlibSupport, AnAttributeReportWithEmptyTextsStillHasItsPiecesValueAndLineBreak) {
    const Str e("");
    gatlib_p_3222816464_sub_2788155168_279109243(pkg(), nullptr, e.d(), &e.b, e.d(), &e.b, e.d(), &e.b, e.d(), &e.b, 7,
                                                 e.d(), &e.b, e.d(), &e.b, e.d(), &e.b, e.d(), &e.b, SEV_WARNING);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].message, pool(950, 15) + pool(965, 4) + pool(969, 10) + pool(979, 12) + "7.\n");
}

// ---- memory collision ----

TEST_F(GatlibSupport, MemoryCollisionNamesTheAddressesInHexadecimal) {
    const Str t1("ram_3"), t2(" port A"), t3("RAMB16");
    const Vec a = downto("1111111111");  // 10 elements: 3 digits
    const Vec b = downto("101010");      // 6 elements: 2 digits
    for (uint8_t kind : {0, 1, 2})
        gatlib_p_3222816464_sub_3573479399_279109243(pkg(), nullptr, t1.d(), &t1.b, t2.d(), &t2.b, t3.d(), &t3.b,
                                                     kind, a.data.data(), &a.b, b.data.data(), &b.b, SEV_WARNING);
    auto head = [&](size_t at) {
        return t1.s + t2.s + pool(at, 2) + t3.s + pool(at + 2, 20) + "0 ns" + pool(at + 22, 1) + "\n";
    };
    ASSERT_EQ(reports().size(), 3u);
    EXPECT_EQ(reports()[0].message,
              head(1032) + pool(1055, 33) + "3ff" + pool(1088, 7) + pool(1095, 68) + pool(1163, 91));
    EXPECT_EQ(reports()[1].message,
              head(1254) + pool(1277, 33) + "2a" + pool(1310, 7) + pool(1317, 68) + pool(1385, 91));
    EXPECT_EQ(reports()[2].message, head(1476) + pool(1499, 95) + pool(1594, 53) + "3ff" + pool(1647, 7) +
                                        pool(1654, 31) + "2a" + pool(1685, 7) + pool(1692, 23));
    for (const auto &r : reports()) EXPECT_EQ(r.severity, SEV_WARNING);
}

// ---- time resolution and the release of local LINEs ----

TEST_F(GatlibSupport, CheckTimeResolutionNeverReportsWithPicosecondResolution) {
    const Str name("dcm_1");
    gatlib_p_3222816464_sub_415948829_279109243(pkg(), nullptr, name.d(), &name.b);
    EXPECT_TRUE(reports().empty());
}

TEST_F(GatlibSupport, LocalLinesAreReleasedOnEveryPath) {
    tovu::testing::capture_reports(false);
    ::testing::internal::CaptureStdout();  // the reports below go to standard output
    const Str name("dcm_1"), e("");
    auto round = [&] {
        gatlib_p_3222816464_sub_415948829_279109243(pkg(), nullptr, name.d(), &name.b);  // no message
        gatlib_p_3222816464_sub_2926893151_279109243(pkg(), nullptr, name.d(), &name.b, e.d(), &e.b, e.d(), &e.b,
                                                     e.d(), &e.b, 0, e.d(), &e.b, e.d(), &e.b, e.d(), &e.b, e.d(),
                                                     &e.b, SEV_NOTE);
    };
    for (int i = 0; i < 200; ++i) round();
    const size_t before = mallinfo2().uordblks;
    constexpr size_t kRounds = 5000;
    for (size_t i = 0; i < kRounds; ++i) round();
    const size_t after = mallinfo2().uordblks;
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("FALSE"), std::string::npos);
    // Outside a run the kernel keeps transient results (the ".\n" piece, 16
    // bytes a round) until reset; a LINE left undeleted would cost several
    // times that in every round.
    EXPECT_LT(after, before + 32 * kRounds);
}

}  // namespace
