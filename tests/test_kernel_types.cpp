// Types and composite values: default values, run-time subtypes, local array
// types, concatenation bounds, transient memory.
#include <cfloat>
#include <cstring>

#include "elaborate.h"
#include "kernel.h"
#include "sim_fixture.h"

using tovu_test::SimFixture;

namespace {

class KernelTypes : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        write("kest/t/types.didat", R"(didat 1
unit t_types package
block 0x800
type logic = enum 'U' 'X' '0' '1' 'Z' 'W' 'L' 'H' '-'
type logic_vector = array (natural range <>) of logic
type x01 = logic range 'X' to '1'
type small = integer range -3 to 7
type word = array (3 downto 0) of logic
type rec = record flag:boolean count:integer delay:time level:x01 w:word
typedesc 0x000 logic_vector
typedesc 0x080 x01
typedesc 0x100 small
typedesc 0x180 word
typedesc 0x200 rec
)");
        start({});
        zem_register_didat("t_types", "kest/t/types.didat");
        zem_register_tops("");
        ASSERT_FALSE(tovu::K().setup_failed);
        blk_ = zem_get_engine_memory("t_types");
        std_ = zem_get_engine_memory("std_standard");
        ASSERT_NE(blk_, nullptr);
        ASSERT_NE(std_, nullptr);
    }
    void *td(size_t off) { return blk_ + off; }
    void *std_td(size_t off) { return std_ + off; }
    char *blk_ = nullptr, *std_ = nullptr;
};

// std.standard's descriptors: BOOLEAN 0x0, INTEGER 0x180, REAL 0x1d8, TIME 0x230, NATURAL 0x340, STRING 0x3e8.
TEST_F(KernelTypes, DefaultValuesAreTheLeftmostValues) {
    uint8_t b = 9;
    zem_type_set_default_value(std_td(0x0), &b, nullptr);
    EXPECT_EQ(b, 0);  // FALSE
    int32_t i = 5;
    zem_type_set_default_value(std_td(0x180), &i, nullptr);
    EXPECT_EQ(i, INT32_MIN);
    zem_type_set_default_value(std_td(0x340), &i, nullptr);
    EXPECT_EQ(i, 0);  // NATURAL
    zem_type_set_default_value(td(0x100), &i, nullptr);
    EXPECT_EQ(i, -3);
    double r = 1;
    zem_type_set_default_value(std_td(0x1d8), &r, nullptr);
    EXPECT_EQ(r, -1.7014111e+308);
    int64_t t = 1;
    zem_type_set_default_value(std_td(0x230), &t, nullptr);
    EXPECT_EQ(t, INT64_MIN);
    uint8_t x = 9;
    zem_type_set_default_value(td(0x80), &x, nullptr);
    EXPECT_EQ(x, 1);  // 'X', the left bound of X01

    uint8_t v[6];
    std::memset(v, 7, sizeof v);
    array_bounds b5{4, 0, -1, 5};
    zem_type_set_default_value(td(0x0), v, &b5);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(v), 6), std::string("\0\0\0\0\0\7", 6));  // 'U' x 5, untouched
    char s[4] = {'a', 'b', 'c', 'd'};
    array_bounds b3{1, 3, 1, 3};
    zem_type_set_default_value(std_td(0x3e8), s, &b3);
    EXPECT_EQ(std::string(s, 4), std::string("\0\0\0d", 4));  // NUL characters
    uint8_t w[4] = {3, 3, 3, 3};
    zem_type_set_default_value(td(0x180), w, nullptr);  // constrained: its own bounds
    EXPECT_EQ(std::string(reinterpret_cast<char *>(w), 4), std::string(4, '\0'));

    // record: fields at natural alignment, each at its own default
    uint8_t rec[32];
    std::memset(rec, 0x55, sizeof rec);
    zem_type_set_default_value(td(0x200), rec, nullptr);
    int32_t count;
    int64_t delay;
    std::memcpy(&count, rec + 4, 4);
    std::memcpy(&delay, rec + 8, 8);
    EXPECT_EQ(rec[0], 0);
    EXPECT_EQ(count, INT32_MIN);
    EXPECT_EQ(delay, INT64_MIN);
    EXPECT_EQ(rec[16], 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(rec + 17), 4), std::string(4, '\0'));
}

TEST_F(KernelTypes, RunTimeSubtypeKeepsItsBoundsInTheCallersStorage) {
    alignas(8) uint8_t storage[108 + 8];
    std::memset(storage, 0xee, sizeof storage);
    array_bounds b{6, 0, -1, 7};
    zem_create_subtype(storage, "rtype", td(0x0), &b, 2);
    EXPECT_EQ(storage[108], 0xee);  // nothing written past 108 bytes
    array_bounds *kept;
    std::memcpy(&kept, storage + 80, sizeof kept);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->left, 6);
    EXPECT_EQ(kept->right, 0);
    EXPECT_EQ(kept->dir, -1);
    EXPECT_EQ(kept->length, 7);
    uint8_t v[7];
    std::memset(v, 3, sizeof v);
    zem_type_set_default_value(storage, v, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(v), 7), std::string(7, '\0'));
    zem_delete_type(storage, 2);
    EXPECT_THROW(zem_type_set_default_value(storage, v, nullptr), tovu::CheckFailure);
}

TEST_F(KernelTypes, LocalUnconstrainedArrayTypeOfReals) {
    alignas(8) uint8_t storage[108];
    zem_create_unconstr_array_type(storage, "real_vector", std_td(0x1d8), 1, std_td(0x340));
    double v[3] = {1, 2, 3};
    array_bounds b{0, 2, 1, 3};
    zem_type_set_default_value(storage, v, &b);
    for (double d : v) EXPECT_EQ(d, -1.7014111e+308);
    zem_delete_type(storage, 2);
    // created again, the same type is reused: no growth per call
    size_t types = tovu::K().types.size();
    for (int n = 0; n < 100; ++n) {
        zem_create_unconstr_array_type(storage, "real_vector", std_td(0x1d8), 1, std_td(0x340));
        zem_delete_type(storage, 2);
    }
    EXPECT_EQ(tovu::K().types.size(), types);
}

TEST_F(KernelTypes, ConcatenationTakesItsBoundsFromTheLeftOperand) {
    const uint8_t a[3] = {2, 3, 2};
    array_bounds ab{7, 5, -1, 3};
    array_bounds out;
    auto *r = static_cast<uint8_t *>(
        zem_base_array_concat(nullptr, &out, td(0x0), CONCAT_ARRAY, a, &ab, CONCAT_ELEMENT, 3, CONCAT_END));
    EXPECT_EQ(std::string(reinterpret_cast<char *>(r), 4), std::string("\2\3\2\3", 4));
    EXPECT_EQ(out.left, 7);
    EXPECT_EQ(out.dir, -1);
    EXPECT_EQ(out.right, 4);
    EXPECT_EQ(out.length, 4);

    // an element first: the index subtype's left bound (NATURAL: 0), ascending
    r = static_cast<uint8_t *>(
        zem_base_array_concat(nullptr, &out, td(0x0), CONCAT_ELEMENT, 1, CONCAT_ARRAY, a, &ab, CONCAT_END));
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(out.left, 0);
    EXPECT_EQ(out.right, 3);
    EXPECT_EQ(out.dir, 1);
    // a null left operand counts as absent
    array_bounds null_b{0, -1, 1, 0};
    zem_base_array_concat(nullptr, &out, td(0x0), CONCAT_ARRAY, a, &null_b, CONCAT_ARRAY, a, &ab, CONCAT_END);
    EXPECT_EQ(out.left, 0);
    EXPECT_EQ(out.length, 3);
    // STRING: POSITIVE index, so a message built from characters starts at 1
    const char *msg = "ab";
    array_bounds mb{1, 2, 1, 2};
    auto *m = static_cast<char *>(zem_base_array_concat(nullptr, &out, std_td(0x3e8), CONCAT_ELEMENT, '.', CONCAT_ARRAY,
                                                        msg, &mb, CONCAT_ELEMENT, 10, CONCAT_END));
    EXPECT_EQ(std::string(m, 4), ".ab\n");
    EXPECT_EQ(out.left, 1);
    EXPECT_EQ(out.right, 4);
    // nothing at all: a null result whose bounds still read length = dir*(right-left)+1
    zem_base_array_concat(nullptr, &out, td(0x0), CONCAT_END);
    EXPECT_EQ(out.length, 0);
    EXPECT_EQ(out.dir * (out.right - out.left) + 1, 0);
}

TEST_F(KernelTypes, TransientMemoryOutlivesTheCallAndIsReclaimed) {
    void *a = zem_get_transient_memory(0);
    void *b = zem_get_transient_memory(0);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(a, b);
    auto *big = static_cast<uint8_t *>(zem_get_transient_memory(1 << 20));
    big[(1 << 20) - 1] = 1;  // writable to its end
    EXPECT_THROW(zem_get_transient_memory(0xffffffffu), tovu::CheckFailure);
}

}  // namespace

namespace {

// Time values in design data are read exactly: TIME'HIGH written in ps is
// not rounded through a floating type, and fs must give whole ps.
TEST_F(KernelTypes, TimeValuesAreReadExactly) {
    const tovu::Type *time = tovu::descriptor_of(std_td(0x230), "test")->type;
    struct Case {
        const char *text;
        int64_t ps;  // expected value, or -1 for an error
    } cases[] = {
        {"9223372036854775807 ps", INT64_MAX},
        {"-9223372036854775807 ps", -INT64_MAX},
        {"9223372036854775 ns", 9223372036854775000},
        {"9223372036854776 ns", -1},
        {"2000 fs", 2},
        {"2500 fs", -1},
        {"1.5 ns", 1500},
        {"9.3e18 ps", -1},
    };
    for (const Case &c : cases) {
        std::string err;
        const std::vector<uint8_t> v = tovu::parse_value_text(c.text, time, err);
        if (c.ps == -1) {
            EXPECT_FALSE(err.empty()) << c.text;
            continue;
        }
        ASSERT_TRUE(err.empty()) << c.text << ": " << err;
        int64_t got;
        ASSERT_EQ(v.size(), sizeof got);
        std::memcpy(&got, v.data(), sizeof got);
        EXPECT_EQ(got, c.ps) << c.text;
    }
}

}  // namespace
