// Every design-data error names the file, the line and the cause on one line,
// and stops the program before the run with status 2: statements and values
// that cannot be read, numbers outside their field, truncated files, files
// that are folders or never end, and counts larger than a unit's tables.
#include <algorithm>
#include <iterator>

#include "lexer.h"
#include "sim_fixture.h"
#include "unit_tables.h"

using tovu_test::SimFixture;

namespace {

void noop(char *) {}
void *noop_pe[] = {(void *)noop, (void *)noop};
void *noop_se[] = {(void *)noop};

struct Case {
    std::string text;  // the unit's file: '@' stands for a header with two processes, '%' for one without
    int line;
    std::string cause;
};

class DidatErrors : public SimFixture {
protected:
    // Runs unit t_bad from `text` exactly as given and checks the one-line
    // error "FILE:LINE: error: ...CAUSE..." and the status.
    void expect_error(const std::string &text, int line, const std::string &cause) {
        tovu::testing::reset();
        write_exact("kest/t/bad.didat", text);
        expect_error_of_written_file(line, cause);
    }

    void expect_error_of_written_file(int line, const std::string &cause) {
        capture_stderr();
        int st = run("t_bad", {}, [] {
            zem_register_didat("t_bad", "kest/t/bad.didat");
            zem_register_executes(noop_pe);
            zem_register_subprogram_executes(noop_se);
        });
        std::string err = captured_stderr();
        EXPECT_EQ(st, 2);
        std::string where = dir_ + "/kest/t/bad.didat:" + (line ? std::to_string(line) + ":" : "") + " error: ";
        EXPECT_EQ(err.find(where), 0u) << err;
        EXPECT_NE(err.find(cause), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(err.find("sto"), std::string::npos) << err;  // no library exception text (stoul, stoi)
    }

    // The header shorthands, and the closing "end".
    static std::string unit_file(const std::string &text) {
        static const std::string head = "didat 1\nunit t_bad arch\nblock 0x2000\ncounts pe=2 se=1\n";  // lines 1-4
        static const std::string head0 = "didat 1\nunit t_bad arch\nblock 0x2000\ncounts pe=0 se=1\n";
        if (text[0] == '@') return head + text.substr(1) + "end\n";
        if (text[0] == '%') return head0 + text.substr(1) + "end\n";
        return text + "end\n";
    }
};

TEST_F(DidatErrors, EachErrorNamesFileLineAndCause) {
    const Case cases[] = {
        {"didat 2\n", 1, "unsupported design-data version"},
        {"unit t_bad arch\n", 1, "the first statement must be 'didat 1'"},
        {"didat 1\nblock 10\n", 2, "'block' before the 'unit' statement"},
        {"didat 1\nunit t_bad arch\n", 3, "no 'block' statement"},
        {"didat 1\nunit t_other arch\nblock 10\n", 2, "describes unit 't_other'"},
        {"@frobnicate 1\n", 5, "unknown statement 'frobnicate'"},
        {"@text 0x100 len=4 \"abc\"\n", 5, "text is 3 bytes long, len= says 4"},
        {"@bnd 0x100 7 0 -1 9\n", 5, "does not match the range"},
        {"@text 0x100 len=2 \"abc\n", 5, "unterminated string"},
        {"@signal 0 a sig nosuchtype\n", 5, "unknown type 'nosuchtype'"},
        {"@signal 0 a sig bit := '2'\n", 5, "'2' is not a literal of bit"},
        {"@signal 0 a sig integer := 1.5\n", 5, "expected an integer"},
        {"@signal 0 a sig bit_vector(3 downto 0) := \"101\"\n", 5, "value has 3 elements"},
        {"@text 0x1ffe len=3 \"abc\"\n", 5, "lies outside the block"},
        {"@text 0x100 len=3 \"abc\"\n\nbytes 0x102 x\"00\"\n", 7, "overlaps text"},
        {"@signal 0 a sig bit\nsignal 0 b sig bit\n", 6, "overlaps signal a"},
        {"@process 0 record=0x1000\nprocess 2 record=0x1100\n", 6, "beyond pe=2"},
        {"@process 0 record=0x1000\n", 4, "process 1 of pe=2 is not declared"},
        {"@process 0 record=0x1000\nprocess 1 record=0x1100\ndriver 0x1a00 p0 nothing\n", 7,
         "unknown signal 'nothing'"},
        {"@process 0 record=0x1000\nprocess 1 record=0x1100\nsignal 0 v sig bit_vector(3 downto 0)\n"
         "driver 0x1a00 p0 v(4)\n",
         8, "index 4 is outside v's range 3 downto 0"},
        {"@process 0 record=0x1000 sens=x\nprocess 1 record=0x1100\n", 5, "unknown signal 'x'"},
        {"@type t = record\n", 5, "a record needs fields"},
        {"@type a = b\ntype b = a\nsignal 0 s sig a\n", 6, "defined in terms of itself"},
        {"%type frac = real 0.0 to 1.0\nconst 0x100 c frac := 1.5\n", 6, "1.5 is outside the range of frac"},
        {"%inst u t_nothing\n", 5, "unknown unit 't_nothing'"},
        {"@const 0x100 c integer := call se[3](x, y)\n", 5, "a computed constant needs a constrained array type"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expect_error(unit_file(c.text), c.line, c.cause);
    }
}

TEST_F(DidatErrors, NumbersOutsideTheirFieldNameTheValueAndTheRange) {
    const std::string drivers = "@process 0 record=0x1000\nprocess 1 record=0x1100\nsignal 0 a sig bit\n";  // to line 7
    const Case cases[] = {
        // sizes and counts (a block size used to keep its low 32 bits)
        {"didat 1\nunit t_bad arch\nblock -1\n", 3, "block size -1 is outside 0 to 0x4000000"},
        {"didat 1\nunit t_bad arch\nblock 0x100001000\n", 3, "block size 0x100001000 is outside 0 to 0x4000000"},
        {"didat 1\nunit t_bad arch\nblock 99999999999999999999\n", 3,
         "number 99999999999999999999 does not fit in 64 bits"},
        {"didat 1\nunit t_bad arch\nblock 0x2000\ncounts pe=4294967298\n", 4,
         "pe count 4294967298 is outside 0 to 100000"},
        // signal and process numbers (taken modulo 2**32 before)
        {"@signal 4294967296 a sig bit\n", 5, "signal number 4294967296 is outside 0 to 100000"},
        {"@process 4294967296 record=0x1000\n", 5, "process number 4294967296 is outside 0 to 100000"},
        {drivers + "driver 0x1a00 p4294967296 a\n", 8, "process number 4294967296 is outside 0 to 100000"},
        {drivers + "driver 0x1a00 p99999999999999999999999 a\n", 8,
         "process number 99999999999999999999999 is outside 0 to 100000"},
        {"@const 0x100 c bit_vector(0 to 3) := call se[4294967296](x, y)\n", 5,
         "se index 4294967296 is outside 0 to 0"},
        // offsets
        {"@text 0x100000100 len=1 \"a\"\n", 5, "offset 0x100000100 is outside 0 to 0x4000000"},
        {"@base 0x100\ntext +0x7fffffffffffffff len=1 \"a\"\n", 6,
         "'+' offset 0x7fffffffffffffff is outside 0 to 0x4000000"},
        // alignment of the records the kernel and the compiled code fill in
        {"@typedesc 0x1004 bit_vector(0 to 3)\n", 5, "type descriptor offset 0x1004 is not a multiple of 8"},
        {"@process 0 record=0x1004\n", 5, "process record offset 0x1004 is not a multiple of 8"},
        {"@process 0 record=0x1000 flag=0x1802\n", 5, "flag offset 0x1802 is not a multiple of 4"},
        {drivers + "driver 0x1a04 p0 a\n", 8, "driver record offset 0x1a04 is not a multiple of 8"},
        {"@const 0x104 c integer := 1\n", 5, "constant descriptor offset 0x104 is not a multiple of 8"},
        {"@generic 0x10c g integer := 1\n", 5, "generic descriptor offset 0x10c is not a multiple of 8"},
        {"@bnd 0x102 7 0 -1 8\n", 5, "bounds offset 0x102 is not a multiple of 4"},
        {"@sigbase 0x3e4\n", 5, "signal record offset 0x3e4 is not a multiple of 8"},
        // 32-bit bounds and numbers
        {"@bnd 0x100 4294967296 0 -1 8\n", 5, "bound 4294967296 is outside -2147483648 to 2147483647"},
        {"@bnd 0x100 - -9223372036854775808 0 -1 1\n", 5, "bound does not fit in 64 bits"},
        {"@signal 0 v sig bit_vector(4294967296 downto 0)\n", 5,
         "left bound 4294967296 is outside -2147483648 to 2147483647"},
        {"@type t = array (0 to 4294967296) of bit\n", 5,
         "right bound 4294967296 is outside -2147483648 to 2147483647"},
        {"@type n = integer range 0 to 4294967296\n", 5, "high bound 4294967296 is outside -2147483648 to 2147483647"},
        {"@type n = natural range -1 to 5\n", 5, "low bound -1 is outside 0 to 2147483647"},
        {"@type r = bit resolved 4294967298\n", 5, "resolution number 4294967298 is outside 0 to 2147483647"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expect_error(unit_file(c.text), c.line, c.cause);
    }
}

TEST_F(DidatErrors, ArrayAndRecordTypesAreRefusedBeyondOneGibibyteOrOutsideTheirIndexSubtype) {
    // A value may take 2**30 bytes; lengths and sizes are counted without
    // wrapping: 2**29 reals are 2**32 bytes (kept in 32 bits, 0).
    const std::string reals = "@type rv = array (natural range <>) of real\n";  // line 5
    const std::string gib = "@type gib = array (1 to 1073741824) of bit\n";     // 2**30 bytes, line 5
    const Case cases[] = {
        {reals + "signal 0 s sig rv(0 to 536870911)\n", 6,
         "array type rv(0 to 536870911) takes 4294967296 bytes, more than 1073741824"},
        {reals + "signal 0 s sig rv(0 to 536870912)\n", 6,
         "array type rv(0 to 536870912) takes 4294967304 bytes, more than 1073741824"},
        {reals + "type big = rv(1 to 134217729)\n", 6,
         "array type rv(1 to 134217729) takes 1073741832 bytes, more than 1073741824"},
        {"@type w = array (0 to 536870911) of real\n", 5, "array type w takes 4294967296 bytes, more than 1073741824"},
        {"@type w = array (-2147483648 to 2147483647) of bit\n", 5,
         "array type w has 4294967296 elements, more than 1073741824"},
        // elements of no bytes still count
        {"@type none = array (1 to 0) of bit\ntype w = array (0 to 1073741824) of none\n", 6,
         "array type w has 1073741825 elements, more than 1073741824"},
        {gib + "type r = record a:gib b:gib c:gib d:gib\n", 6,
         "record type r takes 4294967296 bytes, more than 1073741824"},
        {gib + "type r = record a:bit b:gib\n", 6, "record type r takes 1073741832 bytes, more than 1073741824"},
        // bounds of an index constraint lie in the index subtype
        {"@signal 0 w sig bit_vector(-2147483648 to 2147483647)\n", 5,
         "index bound -2147483648 of bit_vector(-2147483648 to 2147483647) is outside its index subtype natural (0 "
         "to 2147483647)"},
        {"@signal 0 t sig string(0 to 3)\n", 5,
         "index bound 0 of string(0 to 3) is outside its index subtype positive (1 to 2147483647)"},
        {"@type t = bit_vector(3 downto -1)\n", 5,
         "index bound -1 of bit_vector(3 downto -1) is outside its index subtype natural"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expect_error(unit_file(c.text), c.line, c.cause);
    }

    // At the limits, and a null range whose bounds lie outside the index
    // subtype: accepted (the types are not used, so nothing is allocated).
    tovu::testing::reset();
    write("kest/t/limits.didat",
          "didat 1\nunit t_limits arch\nblock 0x2000\ntype gib = array (1 to 1073741824) of bit\n"
          "type rv = array (natural range <>) of real\ntype most = rv(1 to 134217728)\n"
          "type r = record a:gib\ntype none = bit_vector(-5 to -6)\nsignal 0 t sig string(0 downto 1)\n");
    capture_stderr();
    const int st = run("t_limits", {}, [] { zem_register_didat("t_limits", "kest/t/limits.didat"); });
    EXPECT_EQ(captured_stderr(), "");
    EXPECT_EQ(st, 0);
}

TEST_F(DidatErrors, ATruncatedFileIsAnError) {
    // Each file stops where a copy could have been cut: after a whole
    // statement (the closing "end" is missing), or after a continuation mark.
    const std::string start = "didat 1\nunit t_bad arch\nblock 0x2000\nsignal 0 a sig bit";  // to line 4
    const Case cases[] = {
        {start + "\n", 4, "the file ends without its closing 'end' statement"},
        {start, 4, "the file ends without its closing 'end' statement"},
        {start + "\n# a comment\n\n", 6, "the file ends without its closing 'end' statement"},
        {start + " \\", 4, "the statement ends in '\\' but no line follows"},
        {start + "\nend\nsignal 1 b sig bit\nend\n", 6, "'signal' after the closing 'end' statement"},
        {"", 1, "empty file"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expect_error(c.text, c.line, c.cause);
    }
}

TEST_F(DidatErrors, MessagesEscapeBytesCutLongValuesAndNameFolders) {
    const Case cases[] = {
        {"@text 0x100 len=1 \"a\" \x01\n", 5, "unexpected character '\\x01'"},
        {"@text 0x100 len=1 \"a\" \"\x1b[2J\xff\"\n", 5, "unexpected '\\x1B[2J\\xFF' at end of statement"},
        {"@text 0x100 len=1 \"a\" \"" + std::string(5000, 'v') + "\"\n", 5,
         "unexpected '" + std::string(64, 'v') + "...' at end of statement"},
        {"@lit 0x100 integer " + std::string(tovu::kMaxStatementLength, '1') + "\n", 5,
         "statement longer than 1048576 bytes"},
        {"@lit 0x100 integer \\\n" + std::string(tovu::kMaxStatementLength / 2, '1') + " \\\n" +
             std::string(tovu::kMaxStatementLength / 2, '1') + "\n",
         5, "statement longer than 1048576 bytes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80));
        expect_error(unit_file(c.text), c.line, c.cause);
    }

    // a folder in place of the file
    tovu::testing::reset();
    tovu_test::fs::remove(dir_ + "/kest/t/bad.didat");
    tovu_test::fs::create_directories(dir_ + "/kest/t/bad.didat");
    expect_error_of_written_file(0, "cannot read the design data of unit t_bad: is a folder, not a file");
    tovu_test::fs::remove(dir_ + "/kest/t/bad.didat");

    // a file that never ends
    tovu::testing::reset();
    tovu_test::fs::create_symlink("/dev/zero", dir_ + "/kest/t/bad.didat");
    expect_error_of_written_file(0, "cannot read the design data of unit t_bad: is larger than 16777216 bytes");
}

TEST_F(DidatErrors, MissingFileAndDesignLevelErrors) {
    capture_stderr();
    int st = run("t_none", {}, [] { zem_register_didat("t_none", "kest/t/none.didat"); });
    std::string err = captured_stderr();
    EXPECT_EQ(st, 2);
    EXPECT_NE(err.find("kest/t/none.didat: error: cannot read the design data of unit t_none: cannot open: No such"),
              std::string::npos)
        << err;

    // two drivers on an unresolved signal: blamed on the second driver
    tovu::testing::reset();
    write("kest/t/two.didat",
          "didat 1\nunit t_two arch\nblock 0x2000\ncounts pe=2\nsignal 0 a sig bit\n"
          "process 0 record=0x1000\nprocess 1 record=0x1100\ndriver 0x1a00 p0 a\ndriver 0x1a40 p1 a\n");
    capture_stderr();
    st = run("t_two", {}, [] {
        zem_register_didat("t_two", "kest/t/two.didat");
        zem_register_executes(noop_pe);
    });
    err = captured_stderr();
    EXPECT_EQ(st, 2);
    EXPECT_NE(err.find("two.didat:9: error: signal t_two/a has 2 drivers on element 0 but its type is not resolved"),
              std::string::npos)
        << err;

    // Faults of a port association are blamed on the instance statement of
    // the parent's file, not on the child unit read next.
    write("kest/t/leaf.didat",
          "didat 1\nunit t_leaf arch\nblock 0x2000\nsignal 0 i in bit_vector(3 downto 0)\nsignal 1 o out bit\n");
    const Case ports[] = {
        {"inst l t_leaf port i=>s\n", 5, "top.didat:5: error: port i of t_top/l has 4 elements, its actual has 2"},
        {"inst l t_leaf port o=>'1'\n", 5, "top.didat:5: error: port o of t_top/l is not an input"},
    };
    for (const Case &c : ports) {
        SCOPED_TRACE(c.text);
        tovu::testing::reset();
        write("kest/t/top.didat",
              "didat 1\nunit t_top arch\nblock 0x2000\nsignal 0 s sig bit_vector(1 downto 0)\n" + c.text);
        capture_stderr();
        st = run("t_top", {}, [] {
            zem_register_didat("t_leaf", "kest/t/leaf.didat");
            zem_register_didat("t_top", "kest/t/top.didat");
        });
        err = captured_stderr();
        EXPECT_EQ(st, 2);
        EXPECT_NE(err.find(c.cause), std::string::npos) << err;
    }
}

TEST_F(DidatErrors, AnInstanceCycleIsRefusedAtTheInstanceThatClosesIt) {
    struct CycleCase {
        std::string a, b;   // the files of units t_a (the top) and t_b, after their three header lines
        std::string cause;  // empty: accepted
    };
    const CycleCase cases[] = {
        {"inst self t_a\n", "", "a.didat:4: error: instance self makes a cycle of units: t_a (t_a) -> t_a/self (t_a)"},
        {"inst b t_b\n", "signal 0 s sig bit\ninst leaf t_leaf\ninst back t_a\n",
         "b.didat:6: error: instance back makes a cycle of units: t_a (t_a) -> t_a/b (t_b) -> t_a/b/back (t_a)"},
        {"inst b t_b\n", "inst again t_b\n",
         "b.didat:4: error: instance again makes a cycle of units: t_a/b (t_b) -> t_a/b/again (t_b)"},
        // one unit in several places that do not contain each other
        {"inst l1 t_leaf\ninst b t_b\ninst l2 t_leaf\n", "inst l t_leaf\n", ""},
    };
    for (const CycleCase &c : cases) {
        SCOPED_TRACE(c.a + c.b);
        tovu::testing::reset();
        write("kest/t/a.didat", "didat 1\nunit t_a arch\nblock 0x800\n" + c.a);
        write("kest/t/b.didat", "didat 1\nunit t_b arch\nblock 0x800\n" + c.b);
        write("kest/t/leaf.didat", "didat 1\nunit t_leaf arch\nblock 0x800\n");
        capture_stderr();
        const int st = run("t_a", {}, [] {
            zem_register_didat("t_leaf", "kest/t/leaf.didat");
            zem_register_didat("t_b", "kest/t/b.didat");
            zem_register_didat("t_a", "kest/t/a.didat");
        });
        const std::string err = captured_stderr();
        if (c.cause.empty()) {
            EXPECT_EQ(st, 0);
            EXPECT_EQ(err, "");
            continue;
        }
        EXPECT_EQ(st, 2);
        EXPECT_EQ(err, dir_ + "/kest/t/" + c.cause + "\n");
    }
}

TEST_F(DidatErrors, AStatementOrNameThatStandsOnceIsRefusedTheSecondTime) {
    // the header's lines: didat 1, unit 2, block 3, counts 4
    const Case cases[] = {
        {"@sigbase 0x400\nsigbase 0x800\n", 6, "'sigbase' given again (first at line 5)"},
        {"@block 0x4000\n", 5, "'block' given again (first at line 3)"},
        {"@counts pe=2\n", 5, "'counts' given again (first at line 4)"},
        {"@unit t_bad arch\n", 5, "'unit' given again (first at line 2)"},
        {"@didat 1\n", 5, "'didat' given again (first at line 1)"},
        {"@end\n", 6, "'end' given again (first at line 5)"},
        // a key of one statement
        {"didat 1\nunit t_bad arch\nblock 0x2000\ncounts pe=2 se=1 pe=3\n", 4, "pe= given twice"},
        {"didat 1\nunit t_bad arch entity=a entity=b\nblock 0x2000\n", 2, "entity= given twice"},
        {"@process 0 record=0x1000 record=0x1100\n", 5, "record= given twice"},
        {"@process 0 record=0x1000 stack stack\n", 5, "stack given twice"},
        // names declared in a unit (names are case-insensitive)
        {"@type t = integer 0 to 3\n\ntype T = integer 0 to 7\n", 7, "type t declared again (first at line 5)"},
        {"%inst u t_leaf\ninst U t_leaf port a=>open\n", 6, "instance label u given again (first at line 5)"},
        {"%inst u t_leaf generic g=1 port a=>open generic g=2\n", 5, "generic g given twice"},
        // generics, constants and variables share one name space
        {"@generic - g integer := 1\ngeneric - G integer := 2\n", 6, "generic g declared again (first at line 5)"},
        {"@const 0x100 c integer := 1\nconst 0x108 c integer := 2\n", 6, "constant c declared again (first at line 5)"},
        {"@generic - n integer := 1\nvar 0x100 n integer := 2\n", 6, "variable n declared again (first at line 5)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expect_error(unit_file(c.text), c.line, c.cause);
    }
}

TEST_F(DidatErrors, UseAndBaseMayBeRepeated) {
    // Each 'base' sets the origin of the '+N' offsets after it: were the
    // second one ignored, the second text would overlap the first.
    write("kest/t/rep.didat",
          "didat 1\nunit t_rep arch\nblock 0x2000\nuse std_standard\nuse std_standard\n"
          "base 0x100\ntext +0 len=2 \"ab\"\nbase 0x200\ntext +0 len=2 \"cd\"\nbase +0x10\ntext +0 len=1 \"e\"\n");
    capture_stderr();
    const int st = run("t_rep", {}, [] { zem_register_didat("t_rep", "kest/t/rep.didat"); });
    EXPECT_EQ(captured_stderr(), "");
    EXPECT_EQ(st, 0);
    const char *block = zem_get_engine_memory("t_rep");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block + 0x100, 2), "ab");
    EXPECT_EQ(std::string(block + 0x200, 2), "cd");
    EXPECT_EQ(std::string(block + 0x210, 1), "e");
}

// Process and subprogram tables as the units lay them out: an array of its
// own, or a table followed in the same object by other data of the unit (the
// source path).
void *g_two_pe[] = {reinterpret_cast<void *>(&noop), reinterpret_cast<void *>(&noop)};
void *g_one_se[] = {reinterpret_cast<void *>(&noop)};
struct {
    void *pe[1];
    const char *path;
} g_short_pe = {{reinterpret_cast<void *>(&noop)}, "t/short.vhd"};
struct {
    void *se[2];
    const char *path;
} g_short_se = {{reinterpret_cast<void *>(&noop), nullptr}, "t/short.vhd"};

struct TableCase {
    std::string text;  // after the header's three lines
    void **pe, **se;
    std::string cause;  // empty: accepted
};

class UnitTables : public SimFixture {
protected:
    void TearDown() override {
        tovu::testing::set_program_file("/proc/self/exe");
        SimFixture::TearDown();
    }

    void expect_outcome(const TableCase &c) {
        SCOPED_TRACE(c.text);
        tovu::testing::reset();
        write("kest/t/short.didat", "didat 1\nunit t_short arch\nblock 0x2000\n" + c.text);
        capture_stderr();
        const int st = run("t_short", {"--stop-time=0ps"}, [&] {
            zem_register_didat("t_short", "kest/t/short.didat");
            zem_register_executes(c.pe);
            zem_register_subprogram_executes(c.se);
        });
        const std::string err = captured_stderr();
        if (c.cause.empty()) {
            EXPECT_EQ(st, 0);
            EXPECT_EQ(err, "");
            return;
        }
        EXPECT_EQ(st, 2);
        EXPECT_NE(err.find("short.didat:4: error: " + c.cause + "\n"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }

    static std::string processes(int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "process " + std::to_string(i) + " record=" + std::to_string(0x1000 + 0x100 * i) + "\n";
        return s;
    }
};

TEST_F(UnitTables, ACountBeyondTheRegisteredTableIsRefusedNamingItsSize) {
    static_assert(std::size(g_two_pe) == 2 && std::size(g_one_se) == 1);
    const TableCase cases[] = {
        {"counts pe=3\n" + processes(3), g_two_pe, nullptr, "counts pe=3, but the unit's process table has 2 entries"},
        {"counts pe=2\n" + processes(2), g_two_pe, nullptr, ""},
        {"counts pe=1 se=2\n" + processes(1), g_two_pe, g_one_se,
         "counts se=2, but the unit's subprogram table has 1 entry"},
        {"counts pe=1 se=1\n" + processes(1), g_two_pe, g_one_se, ""},
        // the word after the table in its object is the unit's path, not an entry
        {"counts pe=2\n" + processes(2), g_short_pe.pe, nullptr,
         "counts pe=2, but the unit's process table has 1 entry"},
        {"counts pe=1\n" + processes(1), g_short_pe.pe, nullptr, ""},
        // an empty entry is an entry
        {"counts pe=1 se=3\n" + processes(1), g_short_pe.pe, g_short_se.se,
         "counts se=3, but the unit's subprogram table has 2 entries"},
        {"counts pe=1 se=2\n" + processes(1), g_short_pe.pe, g_short_se.se, ""},
    };
    for (const TableCase &c : cases) expect_outcome(c);

    // within the counts, an empty entry the file uses
    tovu::testing::reset();
    write("kest/t/short.didat",
          "didat 1\nunit t_short arch\nblock 0x2000\ncounts pe=1 se=2\nprocess 0 record=0x1000\n"
          "const 0x100 c bit_vector(0 to 3) := call se[1](x, y)\n");
    capture_stderr();
    EXPECT_EQ(run("t_short", {},
                  [] {
                      zem_register_didat("t_short", "kest/t/short.didat");
                      zem_register_executes(g_short_pe.pe);
                      zem_register_subprogram_executes(g_short_se.se);
                  }),
              2);
    const std::string err = captured_stderr();
    EXPECT_NE(err.find("short.didat:6: error: entry 1 of the subprogram table is empty"), std::string::npos) << err;
}

TEST_F(UnitTables, WithoutASymbolTableTheCountsAreTrustedAndNothingPastATableIsRead) {
    // A subprogram count beyond the table: nothing calls the entries, so the
    // run is sound as long as the kernel does not read them to guess (a
    // memory checker catches a read past g_one_se).
    write("kest/t/not-elf", "not a program\n");
    for (const std::string &file : {dir_ + "/kest/t/missing", dir_ + "/kest/t/not-elf"}) {
        SCOPED_TRACE(file);
        tovu::testing::set_program_file(file);
        expect_outcome({"counts pe=1 se=3\n" + processes(1), g_two_pe, g_one_se, ""});
        expect_outcome({"counts pe=1 se=2\n" + processes(1), g_short_pe.pe, g_one_se, ""});
        expect_outcome({"counts pe=1 se=4\n" + processes(1), g_short_pe.pe, g_short_se.se, ""});
    }
    // the same files against the program's own symbols
    tovu::testing::set_program_file("/proc/self/exe");
    expect_outcome({"counts pe=1 se=3\n" + processes(1), g_two_pe, g_one_se,
                    "counts se=3, but the unit's subprogram table has 1 entry"});
}

}  // namespace
