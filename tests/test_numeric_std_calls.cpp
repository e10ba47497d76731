// numeric_std (unit ieee_p_1242562249): the kernel operations an operation
// makes, in their order. The executable is linked with the kernel entry
// points wrapped (see tests/CMakeLists.txt): each wrapped call is logged and
// then forwarded. The expected sequences are built here from the package's
// own composition (which subprogram calls which, its locals, checks,
// aggregates and result copies), not from the code's output.
#include <gtest/gtest.h>

#include "logic_vector.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "ieee/p_1242562249.h"
#include "ieee/p_2592010699.h"
#include "tovu/testing.h"
#include "tovu/zem.h"
#include "units/globals.h"

using namespace logic_vector;

namespace {

using Seq = std::vector<std::string>;

bool g_recording = false;
int g_muted = 0;  // inside a call whose own kernel operations are not of interest
Seq g_log;

bool logging() { return g_recording && g_muted == 0; }
// The line is only built while logging (so that the wrappers allocate
// nothing otherwise).
#define LOG_CALL(line)                        \
    do {                                      \
        if (logging()) g_log.push_back(line); \
    } while (0)

std::string range(int32_t left, int32_t right, int32_t dir) {
    return std::to_string(left) + (dir > 0 ? " to " : " downto ") + std::to_string(right);
}

std::string type_name(const void *td) {
    const char *p = static_cast<const char *>(td);
    if (p == IEEE_P_1242562249 + 0xbb8) return "UNSIGNED";
    if (p == IEEE_P_1242562249 + 0xc28) return "SIGNED";
    if (p == IEEE_P_2592010699 + 0xfb8) return "std_logic_vector";
    if (p == STD_STANDARD + 0x180) return "INTEGER";
    return "type?";
}

}  // namespace

// ---------------------------------------------------------------------------
// The wrapped kernel entry points
// ---------------------------------------------------------------------------

extern "C" {

void __real_zem_type_set_default_value(void *td, void *storage, const array_bounds *bounds);
void __wrap_zem_type_set_default_value(void *td, void *storage, const array_bounds *bounds) {
    LOG_CALL("default " + type_name(td) + (bounds ? " " + range(bounds->left, bounds->right, bounds->dir) : ""));
    __real_zem_type_set_default_value(td, storage, bounds);
}

void __real_zem_vhdl_check_range_of_index(int32_t left, int32_t right, int32_t dir, int32_t index);
void __wrap_zem_vhdl_check_range_of_index(int32_t left, int32_t right, int32_t dir, int32_t index) {
    LOG_CALL("index " + range(left, right, dir) + " : " + std::to_string(index));
    __real_zem_vhdl_check_range_of_index(left, right, dir, index);
}

void __real_zem_vhdl_check_range_of_slice(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
void __wrap_zem_vhdl_check_range_of_slice(int32_t left, int32_t right, int32_t dir, int32_t sl, int32_t sr,
                                          int32_t sdir) {
    LOG_CALL("slice " + range(left, right, dir) + " : " + range(sl, sr, sdir));
    __real_zem_vhdl_check_range_of_slice(left, right, dir, sl, sr, sdir);
}

void *__real_zem_get_transient_memory(uint32_t nbytes);
int g_in_kernel_memory = 0;  // the kernel's own arena growth is not counted below
void *__wrap_zem_get_transient_memory(uint32_t nbytes) {
    LOG_CALL("transient " + std::to_string(nbytes));
    ++g_in_kernel_memory;
    void *p = __real_zem_get_transient_memory(nbytes);
    --g_in_kernel_memory;
    return p;
}

int32_t __real_zem_vhdl_mod(int32_t a, int32_t b);
int32_t __wrap_zem_vhdl_mod(int32_t a, int32_t b) {
    LOG_CALL("mod " + std::to_string(a) + " " + std::to_string(b));
    return __real_zem_vhdl_mod(a, b);
}

void __real_zem_report(const char *message, uint32_t length, int32_t severity);
void __wrap_zem_report(const char *message, uint32_t length, int32_t severity) {
    char offset[16];
    snprintf(offset, sizeof offset, "%#zx", static_cast<size_t>(message - IEEE_P_1242562249));
    LOG_CALL(std::string("report ") + offset + " " + std::to_string(length) + " " + std::to_string(severity));
    __real_zem_report(message, length, severity);
}

uint8_t __real_zem_vhdl_lessthan(void *, const uint8_t *, int32_t, const uint8_t *, int32_t);
uint8_t __wrap_zem_vhdl_lessthan(void *td, const uint8_t *l, int32_t ln, const uint8_t *r, int32_t rn) {
    LOG_CALL("lessthan " + type_name(td) + " " + std::to_string(ln) + " " + std::to_string(rn));
    return __real_zem_vhdl_lessthan(td, l, ln, r, rn);
}
uint8_t __real_zem_vhdl_lessthanEqual(void *, const uint8_t *, int32_t, const uint8_t *, int32_t);
uint8_t __wrap_zem_vhdl_lessthanEqual(void *td, const uint8_t *l, int32_t ln, const uint8_t *r, int32_t rn) {
    LOG_CALL("lessthanEqual " + type_name(td) + " " + std::to_string(ln) + " " + std::to_string(rn));
    return __real_zem_vhdl_lessthanEqual(td, l, ln, r, rn);
}

void __real_zem_size_not_matching(int32_t expected, int32_t actual, int32_t dim);
void __wrap_zem_size_not_matching(int32_t expected, int32_t actual, int32_t dim) {
    LOG_CALL("size_not_matching");
    __real_zem_size_not_matching(expected, actual, dim);
}

// Concatenations of array operands (the only kind numeric_std makes): the
// operands' lengths are logged; the kernel's own memory request is not.
void *__real_zem_base_array_concat(void *unused, array_bounds *out, void *result_type, ...);
void *__wrap_zem_base_array_concat(void *unused, array_bounds *out, void *result_type, ...) {
    const uint8_t *data[4];
    const array_bounds *bounds[4];
    int n = 0;
    va_list ap;
    va_start(ap, result_type);
    for (int tag = va_arg(ap, int); tag != CONCAT_END; tag = va_arg(ap, int)) {
        if (tag != CONCAT_ARRAY || n == 4) abort();
        data[n] = va_arg(ap, const uint8_t *);
        bounds[n++] = va_arg(ap, const array_bounds *);
    }
    va_end(ap);
    if (logging()) {
        std::string line = "concat " + type_name(result_type);
        for (int k = 0; k < n; ++k) line += (k ? " & " : " ") + std::to_string(bounds[k]->length);
        g_log.push_back(line);
    }
    ++g_muted;
    void *r = nullptr;
    switch (n) {
        case 2:
            r = __real_zem_base_array_concat(unused, out, result_type, CONCAT_ARRAY, data[0], bounds[0], CONCAT_ARRAY,
                                             data[1], bounds[1], CONCAT_END);
            break;
        default: abort();
    }
    --g_muted;
    return r;
}

// std_logic_1164's "not" on std_logic_vector: one entry for the call.
uint8_t *__real_ieee_p_2592010699_sub_1837678034_503743352(char *, array_bounds *, const uint8_t *,
                                                           const array_bounds *);
uint8_t *__wrap_ieee_p_2592010699_sub_1837678034_503743352(char *block, array_bounds *out, const uint8_t *arg,
                                                           const array_bounds *arg_bounds) {
    LOG_CALL("std_logic_1164 not " + std::to_string(arg_bounds->length));
    ++g_muted;
    uint8_t *r = __real_ieee_p_2592010699_sub_1837678034_503743352(block, out, arg, arg_bounds);
    --g_muted;
    return r;
}

}  // extern "C"

// Heap allocations while counting (operator new; not under AddressSanitizer,
// which supplies its own).
#if !defined(__SANITIZE_ADDRESS__)
#define TOVU_COUNT_NEW 1
namespace {
bool g_counting_new = false;
long g_new_count = 0;
}  // namespace
void *operator new(size_t n) {
    if (g_counting_new && g_in_kernel_memory == 0) ++g_new_count;
    if (void *p = malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { free(p); }
void operator delete(void *p, size_t) noexcept { free(p); }
#endif

namespace {

// ---------------------------------------------------------------------------
// Expected sequences, composed the way the package composes its subprograms
// ---------------------------------------------------------------------------

Seq &operator<<(Seq &s, const Seq &t) {
    s.insert(s.end(), t.begin(), t.end());
    return s;
}
Seq &operator<<(Seq &s, const std::string &line) {
    s.push_back(line);
    return s;
}

std::string down(int32_t n) { return range(n - 1, 0, -1); }  // (n-1 downto 0)
std::string dflt(const std::string &type, int32_t n) { return "default " + type + " " + down(n); }
std::string idx(const std::string &object, int32_t i) { return "index " + object + " : " + std::to_string(i); }
std::string slice(const std::string &object, int32_t l, int32_t r) {
    return "slice " + object + " : " + range(l, r, -1);
}
std::string transient(int32_t n) { return "transient " + std::to_string(n); }
const char *type_of(bool sgn) { return sgn ? "SIGNED" : "UNSIGNED"; }

// TO_01 of a non-null operand: RESULT's default, the index check of each
// element from the left, the result copy.
Seq to_01(bool sgn, int32_t n) {
    Seq s{dflt(type_of(sgn), n)};
    for (int32_t i = n - 1; i >= 0; --i) s << idx(down(n), i);
    return s << transient(n);
}

// RESIZE of an operand of LEN elements to SIZE > 0 elements.
Seq resize(bool sgn, int32_t len, int32_t size) {
    Seq s{transient(size)};  // RESULT := (others => '0')
    if (len == 0) return s << transient(size);
    if (!sgn) {
        if (size < len) {
            s << slice(down(len), size - 1, 0) << slice(down(size), size - 1, 0);
        } else {
            s << transient(size - len) << slice(down(size), size - 1, len);  // the '0' extension
            s << slice(down(size), len - 1, 0);
        }
    } else {
        s << transient(size);  // (others => sign)
        const int32_t bound = std::min(len, size) - 2;
        if (bound >= 0) s << slice(down(len), bound, 0) << slice(down(size), bound, 0);
    }
    return s << transient(size);
}

// ADD_UNSIGNED / ADD_SIGNED of two N-element operands: each bit reads XL(I)
// and XR(I), writes RESULT(I), then reads them again for the carry.
Seq add_helper(bool sgn, int32_t n) {
    Seq s{dflt(type_of(sgn), n)};
    for (int32_t i = 0; i < n; ++i) {
        const std::string v = idx(down(n), i);
        s << v << v << v << v << v << v << v;
    }
    return s << transient(n);
}

// numeric_std "not": RESULT's default, std_logic_1164's operator, the copy.
Seq vector_not(bool sgn, int32_t n) {
    return Seq{dflt(type_of(sgn), n), "std_logic_1164 not " + std::to_string(n), transient(n)};
}

// "+" or "-" on two vectors of plain bits.
Seq add_vectors(bool sgn, int32_t ln, int32_t rn, bool subtract) {
    const int32_t size = std::max(ln, rn);
    Seq s{dflt(type_of(sgn), size), dflt(type_of(sgn), size)};
    s << resize(sgn, ln, size) << to_01(sgn, size) << resize(sgn, rn, size) << to_01(sgn, size);
    if (subtract) s << vector_not(sgn, size);
    return s << add_helper(sgn, size) << transient(size);
}

// SHIFT_LEFT (through XSLL) of N elements by COUNT.
Seq shift_left(int32_t n, int32_t count) {
    Seq s{transient(n)};  // RESULT := (others => '0')
    if (count <= n - 1) s << slice(down(n), n - 1 - count, 0) << slice(down(n), n - 1, count);
    return s << transient(n) << transient(n);  // XSLL's result, SHIFT_LEFT's copy
}

// ">=" on two UNSIGNED vectors of plain bits.
Seq unsigned_ge(int32_t ln, int32_t rn) {
    const int32_t size = std::max(ln, rn);
    Seq s{dflt("UNSIGNED", ln), dflt("UNSIGNED", rn)};
    s << to_01(false, ln) << to_01(false, rn) << resize(false, ln, size) << resize(false, rn, size);
    return s << "lessthan std_logic_vector " + std::to_string(size) + " " + std::to_string(size);
}

class NumericStdCalls : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &ieee_p_1242562249_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        IEEE_P_1242562249 = zem_get_engine_memory("ieee_p_1242562249");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(IEEE_P_1242562249, nullptr);
        ASSERT_NE(STD_STANDARD, nullptr);
        blk = IEEE_P_1242562249;
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        g_recording = false;
        tovu::testing::capture_reports(false);
    }

    // The kernel operations of one call.
    template <typename F>
    Seq record(F f) {
        g_log.clear();
        g_recording = true;
        f();
        g_recording = false;
        return g_log;
    }
    template <typename F>
    std::string value_of(F f) {
        array_bounds b{};
        const uint8_t *p = f(&b);
        return chars(p, b.length);
    }

    char *blk = nullptr;
};

std::string lines(const Seq &s) {
    std::string r;
    for (const std::string &l : s) r += "  " + l + "\n";
    return r;
}
#define EXPECT_SEQ(actual, expected) EXPECT_EQ(lines(actual), lines(expected))

// ---------------------------------------------------------------------------
// One operation of each family
// ---------------------------------------------------------------------------

TEST_F(NumericStdCalls, ConversionsTestOddnessThroughTheKernelAndCheckEachIndex) {
    // TO_UNSIGNED(5, 3): RESULT's default, then per element (rightmost
    // first) the index check and the odd test of the halved value.
    std::string v;
    Seq got = record([&] {
        v = value_of([&](array_bounds *b) { return ieee_p_1242562249_sub_180853171_1035706684(blk, b, 5, 3); });
    });
    EXPECT_EQ(v, "101");
    EXPECT_SEQ(got, (Seq{dflt("UNSIGNED", 3), idx(down(3), 0), "mod 5 2", idx(down(3), 1), "mod 2 2", idx(down(3), 2),
                         "mod 1 2", transient(3)}));

    // TO_SIGNED(-2, 2) that fits, and TO_UNSIGNED(4, 2) that does not (the warning).
    got = record([&] {
        v = value_of([&](array_bounds *b) { return ieee_p_1242562249_sub_2563015576_1035706684(blk, b, -2, 2); });
    });
    EXPECT_EQ(v, "10");
    EXPECT_SEQ(got, (Seq{dflt("SIGNED", 2), idx(down(2), 0), "mod 1 2", idx(down(2), 1), "mod 0 2", transient(2)}));
    got = record([&] {
        v = value_of([&](array_bounds *b) { return ieee_p_1242562249_sub_180853171_1035706684(blk, b, 4, 2); });
    });
    EXPECT_EQ(v, "00");
    EXPECT_SEQ(got, (Seq{dflt("UNSIGNED", 2), idx(down(2), 0), "mod 4 2", idx(down(2), 1), "mod 2 2",
                         "report 0x25a7 41 1", transient(2)}));

    // RESIZE (SIGNED) 1010 (1 to 4) to 6, and TO_01 of a null vector.
    const Vec a = vec("1010", 1, 1);
    got = record([&] {
        v = value_of(
            [&](array_bounds *b) { return ieee_p_1242562249_sub_3410769178_1035706684(blk, b, a.d(), a.b(), 6); });
    });
    EXPECT_EQ(v, "111010");
    EXPECT_SEQ(got, resize(true, 4, 6));
    const Vec null = vec("");
    got = record([&] {
        value_of([&](array_bounds *b) {
            return ieee_p_1242562249_sub_1804770815_1035706684(blk, b, null.d(), null.b(), code('X'));
        });
    });
    EXPECT_SEQ(got, (Seq{dflt("UNSIGNED", 0), "report 0x27bb 47 1", transient(0)}));
}

TEST_F(NumericStdCalls, MatchingChecksEachIndexAndElementValue) {
    // STD_MATCH (UNSIGNED) of 01H (0 to 2) and 0-1 (5 downto 3): per pair,
    // the index against both views (1 to 3), then each value against the
    // table's range; the last pair ('H', '1') matches.
    const Vec l = vec("01H", 0, 1), r = vec("0-1", 5, -1);
    uint8_t m = 0;
    Seq got = record([&] { m = ieee_p_1242562249_sub_438795891_1035706684(blk, l.d(), l.b(), r.d(), r.b()); });
    EXPECT_EQ(m, 1);
    Seq want;
    const int32_t values[3][2] = {{2, 2}, {3, 8}, {7, 3}};
    for (int32_t i = 1; i <= 3; ++i) {
        want << idx(range(1, 3, 1), i) << idx(range(1, 3, 1), i);
        want << idx(range(0, 8, 1), values[i - 1][0]) << idx(range(0, 8, 1), values[i - 1][1]);
    }
    EXPECT_SEQ(got, want);

    // "not" on SIGNED: RESULT's default, std_logic_1164's operator, the copy.
    got = record([&] {
        value_of([&](array_bounds *b) { return ieee_p_1242562249_sub_3991088854_1035706684(blk, b, l.d(), l.b()); });
    });
    EXPECT_SEQ(got, vector_not(true, 3));
}

TEST_F(NumericStdCalls, ShiftsAndRotatesCheckEverySliceAndTakeTheModulusFromTheKernel) {
    const Vec u = vec("1011");
    std::string v;
    // rol (UNSIGNED) by 5: ROTATE_LEFT's worker XROL takes 5 mod 4 from the
    // kernel and moves two slices; XROL, ROTATE_LEFT and rol each copy.
    Seq got = record([&] {
        v = value_of(
            [&](array_bounds *b) { return ieee_p_1242562249_sub_2505268884_1035706684(blk, b, u.d(), u.b(), 5); });
    });
    EXPECT_EQ(v, "0111");
    EXPECT_SEQ(got, (Seq{"mod 5 4", slice(down(4), 2, 0), slice(down(4), 3, 1), slice(down(4), 3, 3),
                         slice(down(4), 0, 0), transient(4), transient(4), transient(4)}));

    // SHIFT_RIGHT (SIGNED) by 1 (XSRA): RESULT's default, the kept slice,
    // the sign's index check, the sign fill and its slice.
    got = record([&] {
        v = value_of(
            [&](array_bounds *b) { return ieee_p_1242562249_sub_3064532541_1035706684(blk, b, u.d(), u.b(), 1); });
    });
    EXPECT_EQ(v, "1101");
    EXPECT_SEQ(got, (Seq{dflt("std_logic_vector", 4), slice(down(4), 3, 1), slice(down(4), 2, 0), idx(down(4), 3),
                         transient(1), slice(down(4), 3, 3), transient(4), transient(4)}));
}

TEST_F(NumericStdCalls, NegationChecksEachAccessAndEqualityResizesTheTranslations) {
    // unary "-" of 0011: RESULT's and XARG01's defaults, TO_01, then per bit
    // (rightmost first) XARG01(I) read, RESULT(I) written, XARG01(I) read.
    const Vec a = vec("0011");
    std::string v;
    Seq got = record([&] {
        v = value_of(
            [&](array_bounds *b) { return ieee_p_1242562249_sub_3481121704_1035706684(blk, b, a.d(), a.b()); });
    });
    EXPECT_EQ(v, "1101");
    Seq want{dflt("SIGNED", 4), dflt("SIGNED", 4)};
    want << to_01(true, 4);
    for (int32_t i = 0; i < 4; ++i) want << idx(down(4), i) << idx(down(4), i) << idx(down(4), i);
    EXPECT_SEQ(got, want << transient(4));

    // "=" (UNSIGNED) of 11 and 0011: L01 and R01, both translated, both
    // resized to 4, compared without the kernel.
    const Vec l = vec("11"), r = vec("0011");
    uint8_t eq = 0;
    got = record([&] { eq = ieee_p_1242562249_sub_2110375371_1035706684(blk, l.d(), l.b(), r.d(), r.b()); });
    EXPECT_EQ(eq, 1);
    want = Seq{dflt("UNSIGNED", 2), dflt("UNSIGNED", 4)};
    EXPECT_SEQ(got, want << to_01(false, 2) << to_01(false, 4) << resize(false, 2, 4) << resize(false, 4, 4));
}

TEST_F(NumericStdCalls, SubtractionResizesTranslatesInvertsAndAddsWithCheckedAccesses) {
    // "-" (UNSIGNED) of 10 and 1.
    const Vec l = vec("10"), r = vec("1");
    std::string v;
    Seq got = record([&] {
        v = value_of([&](array_bounds *b) {
            return ieee_p_1242562249_sub_1547270861_1035706684(blk, b, l.d(), l.b(), r.d(), r.b());
        });
    });
    EXPECT_EQ(v, "01");
    EXPECT_SEQ(got, add_vectors(false, 2, 1, true));

    // "+" (SIGNED; INTEGER): TO_SIGNED of the integer, then the vector "+".
    const Vec s = vec("01");
    got = record([&] {
        v = value_of(
            [&](array_bounds *b) { return ieee_p_1242562249_sub_2931903318_1035706684(blk, b, s.d(), s.b(), -1); });
    });
    EXPECT_EQ(v, "00");
    Seq want{dflt("SIGNED", 2), idx(down(2), 0), "mod 0 2", idx(down(2), 1), "mod 0 2", transient(2)};
    EXPECT_SEQ(got, want << add_vectors(true, 2, 2, false) << transient(2));
}

TEST_F(NumericStdCalls, MultiplicationShiftsAndAddsThroughThePackagesOwnOperators) {
    // "*" (UNSIGNED) of 1 and 1: XL, XR, RESULT := (others => '0'), ADVAL;
    // both translated; ADVAL := RESIZE(XR, 2); for XL(0) = '1' one "+" and
    // one SHIFT_LEFT.
    const Vec one = vec("1");
    std::string v;
    Seq got = record([&] {
        v = value_of([&](array_bounds *b) {
            return ieee_p_1242562249_sub_2053728113_1035706684(blk, b, one.d(), one.b(), one.d(), one.b());
        });
    });
    EXPECT_EQ(v, "01");
    Seq want{dflt("UNSIGNED", 1), dflt("UNSIGNED", 1), transient(2), dflt("UNSIGNED", 2)};
    want << to_01(false, 1) << to_01(false, 1) << resize(false, 1, 2) << idx(down(1), 0);
    want << add_vectors(false, 2, 2, false) << shift_left(2, 1);
    EXPECT_SEQ(got, want << transient(2));
}

TEST_F(NumericStdCalls, DivisionRunsTheLongDivisionThroughChecksConcatenationsAndComparisons) {
    // "/" (UNSIGNED) of 1 and 1.
    const Vec one = vec("1");
    std::string v;
    Seq got = record([&] {
        v = value_of([&](array_bounds *b) {
            return ieee_p_1242562249_sub_1922276087_1035706684(blk, b, one.d(), one.b(), one.d(), one.b());
        });
    });
    EXPECT_EQ(v, "1");
    // XL, XR, FQUOT, FREMAIN; the translations.
    Seq want{dflt("UNSIGNED", 1), dflt("UNSIGNED", 1), dflt("UNSIGNED", 1), dflt("UNSIGNED", 1)};
    want << to_01(false, 1) << to_01(false, 1);
    // DIVMOD: TEMP, QUOT, TOPBIT; TEMP := '0' & NUM; QUOT := (others => '0').
    want << dflt("UNSIGNED", 2) << dflt("UNSIGNED", 1) << "default INTEGER"
         << "concat UNSIGNED 1 & 1" << transient(1);
    // J = 0: TEMP(1 downto 0) >= '0' & DENOM(0 downto 0) holds; the
    // subtraction, its slice, QUOT(0) := '1'; then TEMP(1) is tested.
    want << slice(down(2), 1, 0) << slice(down(1), 0, 0) << "concat UNSIGNED 1 & 1" << unsigned_ge(2, 2);
    want << slice(down(2), 1, 0) << slice(down(1), 0, 0) << "concat UNSIGNED 1 & 1" << add_vectors(false, 2, 2, true);
    want << slice(down(2), 1, 0) << idx(down(1), 0) << idx(down(2), 1);
    // XQUOT := RESIZE(QUOT, 1); XREMAIN := RESIZE(TEMP, 1); the quotient's copy.
    want << resize(false, 1, 1) << resize(false, 2, 1) << transient(1);
    EXPECT_SEQ(got, want);
}

TEST_F(NumericStdCalls, OrderingTranslatesResizesAndHandsTheBitsToTheKernel) {
    // "<" (SIGNED) of 10 and 1: L01, R01, both translated, both resized to
    // 2, then SIGNED_LESS copies them into INTERN_L and INTERN_R (0 to 1).
    const Vec l = vec("10"), r = vec("1");
    uint8_t lt = 0;
    Seq got = record([&] { lt = ieee_p_1242562249_sub_2720006528_1035706684(blk, l.d(), l.b(), r.d(), r.b()); });
    EXPECT_EQ(lt, 1);  // -2 < -1
    Seq want{dflt("SIGNED", 2), dflt("SIGNED", 1)};
    want << to_01(true, 2) << to_01(true, 1) << resize(true, 2, 2) << resize(true, 1, 2);
    want << "default SIGNED 0 to 1"
         << "default SIGNED 0 to 1"
         << "lessthan std_logic_vector 2 2";
    EXPECT_SEQ(got, want);

    // A null operand: the warning and the answer, nothing else of the kernel.
    const Vec null = vec("");
    got = record([&] { lt = ieee_p_1242562249_sub_2720006528_1035706684(blk, null.d(), null.b(), r.d(), r.b()); });
    EXPECT_EQ(lt, 0);
    EXPECT_SEQ(got, (Seq{dflt("SIGNED", 0), dflt("SIGNED", 1), "report 0x1881 56 1"}));
}

#if defined(TOVU_COUNT_NEW)
TEST_F(NumericStdCalls, OperationsOnUsualLengthsAllocateNothing) {
    // Locals live in the call's frame; the results in transient memory.
    const Vec l = vec("1011001110001111"), r = vec("0000000000110101");
    auto run = [&] {
        array_bounds b{};
        ieee_p_1242562249_sub_2053728113_1035706684(blk, &b, l.d(), l.b(), r.d(), r.b());  // "*"
        ieee_p_1242562249_sub_1922276087_1035706684(blk, &b, l.d(), l.b(), r.d(), r.b());  // "/"
        ieee_p_1242562249_sub_2505268884_1035706684(blk, &b, l.d(), l.b(), 3);             // rol
        ieee_p_1242562249_sub_180853171_1035706684(blk, &b, 100, 7);                       // TO_UNSIGNED
        ieee_p_1242562249_sub_4081755647_1035706684(blk, l.d(), l.b(), r.d(), r.b());      // ">="
    };
    run();  // the kernel's transient memory has grown to what these need
    g_new_count = 0;
    g_counting_new = true;
    run();
    g_counting_new = false;
    EXPECT_EQ(g_new_count, 0);
}
#endif

}  // namespace
