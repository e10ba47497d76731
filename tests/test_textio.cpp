// The kernel's std.textio operations and access values: the text each WRITE
// appends, READ of characters and reals, null and deallocated LINEs, local
// and block LINE objects, allocators, and that building messages over and
// over does not grow memory.
#include <gtest/gtest.h>
#include <malloc.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

#include "units/globals.h"
#include "std/textio.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace {

constexpr size_t kLineType = 0xcd0;         // std.textio LINE descriptor
constexpr size_t kIntegerType = 0x180;      // std.standard
constexpr size_t kPositiveType = 0x2e0;     // std.standard
constexpr size_t kStringType = 0x3e8;       // std.standard
constexpr size_t kBitVectorType = 0x458;    // std.standard

// A LINE local as compiled code lays it out: the first 40 bytes are the
// kernel's, the code sets +40, +48, +56 and +64.
struct LocalLine {
    alignas(8) uint8_t bytes[72];
    explicit LocalLine(char *textio) {
        std::memset(bytes, 0xa5, sizeof bytes);  // the kernel's part starts as garbage
        const uint64_t zero = 0;
        void *type = textio + kLineType;
        const int32_t one = 1;
        std::memcpy(bytes + 40, &zero, 8);
        std::memcpy(bytes + 48, &zero, 8);
        std::memcpy(bytes + 56, &type, 8);
        std::memcpy(bytes + 64, &one, 4);
    }
    void *addr() { return bytes; }
};

// Text and bounds of the designated string, read as the built-message code
// reads them: data pointer at +56, bounds pointer at +64.
std::string text_of(void *line) {
    auto *obj = static_cast<char *>(zem_access_variable_all(line));
    const char *data;
    const array_bounds *b;
    std::memcpy(&data, obj + 56, 8);
    std::memcpy(&b, obj + 64, 8);
    return std::string(data, static_cast<size_t>(b->length));
}

array_bounds bounds_of(void *line) {
    auto *obj = static_cast<char *>(zem_access_variable_all(line));
    const array_bounds *b;
    std::memcpy(&b, obj + 64, 8);
    return *b;
}

bool is_null(void *line) {
    void *v;
    std::memcpy(&v, static_cast<char *>(line) + 40, 8);
    return v == nullptr;
}

array_bounds string_bounds(size_t n) {
    const int32_t len = static_cast<int32_t>(n);
    return array_bounds{1, len, 1, len};
}

class Textio : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR, {&std_textio_init});
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        ASSERT_NE(STD_TEXTIO, nullptr);
        ASSERT_NE(STD_STANDARD, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        tovu::testing::capture_reports(false);
        tovu::testing::reset();
    }

    void write_string(void *line, const std::string &s) {
        const array_bounds b = string_bounds(s.size());
        std_textio_write7(STD_TEXTIO, nullptr, line, s.data(), &b, 0, 0);
    }
};

// ---- WRITE formats ----

struct WriteCase {
    const char *what;
    void (*write)(char *textio, void *line);
    const char *expected;
};

const WriteCase kWriteCases[] = {
    {"BOOLEAN TRUE", [](char *t, void *l) { std_textio_write3(t, nullptr, l, 1, 0, 0); }, "TRUE"},
    {"BOOLEAN FALSE", [](char *t, void *l) { std_textio_write3(t, nullptr, l, 0, 0, 0); }, "FALSE"},
    {"CHARACTER", [](char *t, void *l) { std_textio_write4(t, nullptr, l, 'A', 0, 0); }, "A"},
    {"CHARACTER above 127 widened with sign", [](char *t, void *l) { std_textio_write4(t, nullptr, l, -23, 0, 0); },
     "\xe9"},
    {"CHARACTER LF", [](char *t, void *l) { std_textio_write4(t, nullptr, l, 10, 0, 0); }, "\n"},
    {"INTEGER", [](char *t, void *l) { std_textio_write5(t, nullptr, l, 1234, 0, 0); }, "1234"},
    {"INTEGER zero", [](char *t, void *l) { std_textio_write5(t, nullptr, l, 0, 0, 0); }, "0"},
    {"INTEGER'LOW", [](char *t, void *l) { std_textio_write5(t, nullptr, l, INT32_MIN, 0, 0); }, "-2147483648"},
    {"INTEGER right in a field", [](char *t, void *l) { std_textio_write5(t, nullptr, l, 42, 0, 5); }, "   42"},
    {"INTEGER left in a field", [](char *t, void *l) { std_textio_write5(t, nullptr, l, 42, 1, 5); }, "42   "},
    {"field narrower than the text", [](char *t, void *l) { std_textio_write5(t, nullptr, l, -4200, 0, 2); },
     "-4200"},
    {"REAL, DIGITS 0: exponent form", [](char *t, void *l) { std_textio_write6(t, nullptr, l, 1800.0, 0, 0, 0); },
     "1.800000e+03"},
    {"REAL negative, DIGITS 0", [](char *t, void *l) { std_textio_write6(t, nullptr, l, -0.03125, 0, 0, 0); },
     "-3.125000e-02"},
    {"REAL, DIGITS 2: fixed form", [](char *t, void *l) { std_textio_write6(t, nullptr, l, 2.5, 0, 0, 2); }, "2.50"},
    {"TIME whole ns", [](char *t, void *l) { std_textio_write8(t, nullptr, l, 100000, 0, 0, 1000); }, "100 ns"},
    {"TIME with a fraction of a ns", [](char *t, void *l) { std_textio_write8(t, nullptr, l, 31250, 0, 0, 1000); },
     "31.25 ns"},
    {"TIME one ps in ns", [](char *t, void *l) { std_textio_write8(t, nullptr, l, 1, 0, 0, 1000); }, "0.001 ns"},
    {"TIME negative", [](char *t, void *l) { std_textio_write8(t, nullptr, l, -1500, 0, 0, 1000); }, "-1.5 ns"},
    {"TIME zero", [](char *t, void *l) { std_textio_write8(t, nullptr, l, 0, 0, 0, 1000); }, "0 ns"},
    {"TIME'HIGH", [](char *t, void *l) { std_textio_write8(t, nullptr, l, INT64_MAX, 0, 0, 1000); },
     "9223372036854775.807 ns"},
    {"TIME'LOW", [](char *t, void *l) { std_textio_write8(t, nullptr, l, INT64_MIN, 0, 0, 1000); },
     "-9223372036854775.808 ns"},
    {"TIME in ps", [](char *t, void *l) { std_textio_write8(t, nullptr, l, 7, 0, 0, 1); }, "7 ps"},
    {"TIME in us", [](char *t, void *l) { std_textio_write8(t, nullptr, l, 2500000, 0, 0, 1000000); }, "2.5 us"},
};

TEST_F(Textio, EveryWriteAppendsItsValuesText) {
    for (const WriteCase &c : kWriteCases) {
        SCOPED_TRACE(c.what);
        LocalLine line(STD_TEXTIO);
        c.write(STD_TEXTIO, line.addr());
        EXPECT_EQ(text_of(line.addr()), c.expected);
        zem_access_variable_delete(line.addr());
    }
}

TEST_F(Textio, PiecesAppendInOrderAndTheBoundsGiveTheLength) {
    LocalLine line(STD_TEXTIO);
    EXPECT_TRUE(is_null(line.addr()));
    write_string(line.addr(), "divide value ");
    std_textio_write5(STD_TEXTIO, nullptr, line.addr(), 39, 0, 0);
    write_string(line.addr(), " at ");
    std_textio_write8(STD_TEXTIO, nullptr, line.addr(), 2000, 0, 0, 1000);
    std_textio_write4(STD_TEXTIO, nullptr, line.addr(), '.', 0, 0);
    std_textio_write4(STD_TEXTIO, nullptr, line.addr(), 10, 0, 0);
    const std::string expected = "divide value 39 at 2 ns.\n";
    EXPECT_EQ(text_of(line.addr()), expected);
    const array_bounds b = bounds_of(line.addr());
    EXPECT_EQ(b.left, 1);
    EXPECT_EQ(b.right, static_cast<int32_t>(expected.size()));
    EXPECT_EQ(b.dir, 1);
    EXPECT_EQ(b.length, static_cast<int32_t>(expected.size()));
    zem_access_variable_delete(line.addr());
}

TEST_F(Textio, LongTextsGrowTheLineWithoutLosingWhatWasWritten) {
    LocalLine line(STD_TEXTIO);
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        std_textio_write5(STD_TEXTIO, nullptr, line.addr(), i, 0, 0);
        std_textio_write4(STD_TEXTIO, nullptr, line.addr(), ',', 0, 0);
        expected += std::to_string(i) + ",";
    }
    EXPECT_EQ(text_of(line.addr()), expected);
    zem_access_variable_delete(line.addr());
}

// ---- null lines, deallocate, delete ----

TEST_F(Textio, EmptyPiecesOnANullLineGiveAnEmptyStringNotANullLine) {
    LocalLine line(STD_TEXTIO);
    write_string(line.addr(), "");
    ASSERT_FALSE(is_null(line.addr()));
    EXPECT_EQ(text_of(line.addr()), "");
    const array_bounds b = bounds_of(line.addr());
    EXPECT_EQ(b.length, 0);
    EXPECT_EQ(b.dir * (b.right - b.left) + 1, 0);
    zem_access_variable_delete(line.addr());
}

TEST_F(Textio, DereferencingANullLineIsACheckFailure) {
    LocalLine line(STD_TEXTIO);
    EXPECT_THROW(zem_access_variable_all(line.addr()), tovu::CheckFailure);
}

TEST_F(Textio, DeallocateMakesTheLineNullAndTheNextMessageStartsEmpty) {
    LocalLine line(STD_TEXTIO);
    write_string(line.addr(), "first message");
    zem_access_variable_deallocate(line.addr());
    EXPECT_TRUE(is_null(line.addr()));
    EXPECT_THROW(zem_access_variable_all(line.addr()), tovu::CheckFailure);
    write_string(line.addr(), "second");
    EXPECT_EQ(text_of(line.addr()), "second");
    zem_access_variable_deallocate(line.addr());
    // DEALLOCATE of a null access value does nothing.
    zem_access_variable_deallocate(line.addr());
    EXPECT_TRUE(is_null(line.addr()));
    zem_access_variable_delete(line.addr());
}

TEST_F(Textio, DeleteWorksOnNeverWrittenAndOnStillAllocatedLines) {
    LocalLine unused(STD_TEXTIO);
    zem_access_variable_delete(unused.addr());
    EXPECT_TRUE(is_null(unused.addr()));
    LocalLine written(STD_TEXTIO);
    write_string(written.addr(), "left allocated");
    zem_access_variable_delete(written.addr());
    EXPECT_TRUE(is_null(written.addr()));
}

TEST_F(Textio, ABlockVariableLineStartsAllZeroAndIsUsedTheSameWay) {
    alignas(8) uint8_t block_line[72] = {};
    std_textio_write5(STD_TEXTIO, nullptr, block_line, -7, 0, 0);
    EXPECT_EQ(text_of(block_line), "-7");
    zem_access_variable_deallocate(block_line);
    EXPECT_TRUE(is_null(block_line));
}

TEST_F(Textio, AnAccessVariableHoldingGarbageIsACheckFailureNotACrash) {
    alignas(8) uint8_t line[72] = {};
    alignas(8) static uint8_t not_an_object[128] = {};
    void *p = not_an_object;
    std::memcpy(line + 40, &p, 8);
    EXPECT_THROW(zem_access_variable_all(line), tovu::CheckFailure);
    EXPECT_THROW(std_textio_write5(STD_TEXTIO, nullptr, line, 1, 0, 0), tovu::CheckFailure);
}

TEST_F(Textio, AnUnknownTimeUnitIsACheckFailure) {
    LocalLine line(STD_TEXTIO);
    EXPECT_THROW(std_textio_write8(STD_TEXTIO, nullptr, line.addr(), 5, 0, 0, 7), tovu::CheckFailure);
    EXPECT_THROW(std_textio_write8(STD_TEXTIO, nullptr, line.addr(), 5, 0, 0, 0), tovu::CheckFailure);
    zem_access_variable_delete(line.addr());
}

// ---- READ ----

TEST_F(Textio, ReadsTakeValuesAndSeparatorsFromTheFrontOfTheLine) {
    LocalLine line(STD_TEXTIO);
    write_string(line.addr(), "18,3.5 -1.25e2x 7_5 2e");
    double r = 0;
    char c = 0;
    std_textio_read12(STD_TEXTIO, nullptr, line.addr(), &r);
    EXPECT_EQ(r, 18.0);  // an integer's text reads as a REAL
    std_textio_read8(STD_TEXTIO, nullptr, line.addr(), &c);
    EXPECT_EQ(c, ',');
    std_textio_read12(STD_TEXTIO, nullptr, line.addr(), &r);
    EXPECT_EQ(r, 3.5);
    std_textio_read12(STD_TEXTIO, nullptr, line.addr(), &r);  // skips the leading space
    EXPECT_EQ(r, -125.0);
    std_textio_read8(STD_TEXTIO, nullptr, line.addr(), &c);
    EXPECT_EQ(c, 'x');
    std_textio_read12(STD_TEXTIO, nullptr, line.addr(), &r);
    EXPECT_EQ(r, 75.0);
    std_textio_read12(STD_TEXTIO, nullptr, line.addr(), &r);  // "2" and the 'e' stays: no exponent digits
    EXPECT_EQ(r, 2.0);
    EXPECT_EQ(text_of(line.addr()), "e");
    const array_bounds b = bounds_of(line.addr());
    EXPECT_EQ(b.left, 1);
    EXPECT_EQ(b.length, 1);
    std_textio_read8(STD_TEXTIO, nullptr, line.addr(), &c);
    EXPECT_EQ(c, 'e');
    EXPECT_EQ(text_of(line.addr()), "");
    EXPECT_TRUE(tovu::testing::reports().empty());
    zem_access_variable_delete(line.addr());
}

TEST_F(Textio, AReadThatFindsNoValueReportsAnErrorAndChangesNothing) {
    LocalLine line(STD_TEXTIO);
    double r = 4.0;
    char c = 'q';
    std_textio_read8(STD_TEXTIO, nullptr, line.addr(), &c);  // null line
    EXPECT_EQ(c, 'q');
    write_string(line.addr(), "  abc");
    std_textio_read12(STD_TEXTIO, nullptr, line.addr(), &r);
    EXPECT_EQ(r, 4.0);
    EXPECT_EQ(text_of(line.addr()), "  abc");
    zem_access_variable_deallocate(line.addr());
    write_string(line.addr(), "");
    std_textio_read8(STD_TEXTIO, nullptr, line.addr(), &c);  // empty line
    EXPECT_EQ(c, 'q');
    const auto &reports = tovu::testing::reports();
    ASSERT_EQ(reports.size(), 3u);
    for (const auto &rep : reports) EXPECT_EQ(rep.severity, SEV_ERROR);
    zem_access_variable_delete(line.addr());
}

// ---- allocators ----

TEST_F(Textio, CreatedObjectsHoldTheirTypesDefaultAndAreReachedThroughTheirSlot) {
    array_bounds *b = zem_get_constraints_memory(1);
    ASSERT_NE(b, nullptr);
    *b = array_bounds{3, 0, -1, 4};
    void *vec = zem_variable_create("", STD_STANDARD + kBitVectorType, b, 0, 0, 0);
    alignas(8) uint8_t slot[72] = {};
    zem_access_variable_set_value(slot, vec);
    auto *obj = static_cast<char *>(zem_access_variable_all(slot));
    EXPECT_EQ(obj, vec);
    uint8_t *data;
    const array_bounds *ob;
    std::memcpy(&data, obj + 56, 8);
    std::memcpy(&ob, obj + 64, 8);
    EXPECT_EQ(ob->left, 3);
    EXPECT_EQ(ob->right, 0);
    EXPECT_EQ(ob->dir, -1);
    EXPECT_EQ(ob->length, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(data[i], 0) << i;  // '0'
    data[2] = 1;                                             // the object is writable
    zem_variable_act(data);

    const array_bounds five{1, 5, 1, 5};
    void *str = zem_variable_create("", STD_STANDARD + kStringType, &five, 0, 0, 0);
    std::memcpy(&data, static_cast<char *>(str) + 56, 8);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(data[i], 0) << i;  // NUL

    void *integer = zem_variable_create("", STD_STANDARD + kIntegerType, nullptr, 0, 0, 0);
    void *positive = zem_variable_create("", STD_STANDARD + kPositiveType, nullptr, 0, 0, 0);
    int32_t v;
    std::memcpy(&data, static_cast<char *>(integer) + 56, 8);
    std::memcpy(&v, data, 4);
    EXPECT_EQ(v, INT32_MIN);
    std::memcpy(&data, static_cast<char *>(positive) + 56, 8);
    std::memcpy(&v, data, 4);
    EXPECT_EQ(v, 1);

    for (void *o : {str, integer, positive}) {
        alignas(8) uint8_t s[72] = {};
        zem_access_variable_set_value(s, o);
        zem_access_variable_deallocate(s);
    }
    zem_access_variable_deallocate(slot);
    EXPECT_TRUE(is_null(slot));
}

TEST_F(Textio, AllocatorMisuseIsACheckFailure) {
    const array_bounds bad{1, 5, 1, 3};  // length does not match the range
    EXPECT_THROW(zem_variable_create("", STD_STANDARD + kStringType, &bad, 0, 0, 0), tovu::CheckFailure);
    EXPECT_THROW(zem_variable_create("", STD_STANDARD + kStringType, nullptr, 0, 0, 0), tovu::CheckFailure);
    EXPECT_THROW(zem_get_constraints_memory(0), tovu::CheckFailure);
    alignas(8) uint8_t slot[72] = {};
    alignas(8) static uint8_t not_an_object[128] = {};
    EXPECT_THROW(zem_access_variable_set_value(slot, not_an_object), tovu::CheckFailure);
}

// ---- long runs ----

// Builds, takes and releases one message the way library code does; returns
// the message's length.
int32_t one_built_message(char *textio, int i, bool block_line, uint8_t *process_line) {
    LocalLine local(textio);
    void *line = block_line ? static_cast<void *>(process_line) : local.addr();
    const char piece[] = "channel count ";
    const array_bounds pb{1, 14, 1, 14};
    std_textio_write7(textio, nullptr, line, piece, &pb, 0, 0);
    std_textio_write5(textio, nullptr, line, i, 0, 0);
    std_textio_write6(textio, nullptr, line, i * 0.5, 0, 0, 0);
    std_textio_write8(textio, nullptr, line, static_cast<int64_t>(i) * 1250, 0, 0, 1000);
    auto *obj = static_cast<char *>(zem_access_variable_all(line));
    const char *data;
    const array_bounds *b;
    std::memcpy(&data, obj + 56, 8);
    std::memcpy(&b, static_cast<char *>(zem_access_variable_all(line)) + 64, 8);
    const int32_t length = b->length;
    EXPECT_EQ(std::string(data, 14), piece);
    zem_access_variable_deallocate(line);
    if (!block_line) zem_access_variable_delete(line);
    return length;
}

TEST_F(Textio, BuildingMessagesOverAndOverDoesNotGrowMemory) {
    alignas(8) uint8_t process_line[72] = {};
    for (int i = 0; i < 1000; ++i) one_built_message(STD_TEXTIO, i, i % 2 == 0, process_line);
    const size_t before = mallinfo2().uordblks;
    int64_t total = 0;
    for (int i = 0; i < 200000; ++i) total += one_built_message(STD_TEXTIO, i, i % 2 == 0, process_line);
    const size_t after = mallinfo2().uordblks;
    EXPECT_GT(total, 200000 * 30);
    EXPECT_LT(after, before + 64 * 1024) << "memory in use grew from " << before << " to " << after;
}

}  // namespace
