// Every design-data error names the file, the line and the cause, and stops
// the program before the run with status 2.
#include "sim_fixture.h"

using tovu_test::SimFixture;

namespace {

void noop(char *) {}
void *noop_pe[] = {(void *)noop, (void *)noop};
void *noop_se[] = {(void *)noop};

class DidatErrors : public SimFixture {};

struct Case {
    const char *text;  // the unit's file
    int line;
    const char *cause;
};

TEST_F(DidatErrors, EachErrorNamesFileLineAndCause) {
    const std::string head = "didat 1\nunit t_bad arch\nblock 0x2000\ncounts pe=2 se=1\n";  // lines 1-4
    const std::string head0 = "didat 1\nunit t_bad arch\nblock 0x2000\ncounts pe=0 se=1\n";
    // '@' stands for a header with two processes, '%' for one without
    const Case cases[] = {
        {"didat 2\n", 1, "unsupported design-data version"},
        {"unit t_bad arch\n", 1, "the first statement must be 'didat 1'"},
        {"didat 1\nblock 10\n", 2, "'block' before the 'unit' statement"},
        {"didat 1\nunit t_bad arch\n", 2, "no 'block' statement"},
        {"didat 1\nunit t_other arch\nblock 10\n", 1, "describes unit 't_other'"},
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
        {"@type a = b\ntype b = a\nsignal 0 s sig a\n", 5, "defined in terms of itself"},
        {"%type frac = real 0.0 to 1.0\nconst 0x100 c frac := 1.5\n", 6, "1.5 is outside the range of frac"},
        {"%inst u t_nothing\n", 5, "unknown unit 't_nothing'"},
        {"@const 0x100 c integer := call se[3](x, y)\n", 5, "a computed constant needs a constrained array type"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        tovu::testing::reset();
        std::string text = c.text;
        if (text[0] == '@') text = head + text.substr(1);
        if (text[0] == '%') text = head0 + text.substr(1);
        write("kest/t/bad.didat", text);
        capture_stderr();
        int st = run("t_bad", {}, [] {
            zem_register_didat("t_bad", "kest/t/bad.didat");
            zem_register_executes(noop_pe);
            zem_register_subprogram_executes(noop_se);
        });
        std::string err = captured_stderr();
        EXPECT_EQ(st, 2);
        std::string where = dir_ + "/kest/t/bad.didat:" + std::to_string(c.line) + ": error: ";
        EXPECT_NE(err.find(where), std::string::npos) << err;
        EXPECT_NE(err.find(c.cause), std::string::npos) << err;
    }
}

TEST_F(DidatErrors, MissingFileAndDesignLevelErrors) {
    capture_stderr();
    int st = run("t_none", {}, [] { zem_register_didat("t_none", "kest/t/none.didat"); });
    std::string err = captured_stderr();
    EXPECT_EQ(st, 2);
    EXPECT_NE(err.find("kest/t/none.didat: error: cannot read the design data of unit t_none"), std::string::npos)
        << err;

    // two drivers on an unresolved signal
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
    EXPECT_NE(err.find("signal t_two/a has 2 drivers on element 0 but its type is not resolved"), std::string::npos)
        << err;

    // a port whose actual has another length
    tovu::testing::reset();
    write("kest/t/leaf.didat", "didat 1\nunit t_leaf arch\nblock 0x2000\nsignal 0 i in bit_vector(3 downto 0)\n");
    write("kest/t/top.didat",
          "didat 1\nunit t_top arch\nblock 0x2000\nsignal 0 s sig bit_vector(1 downto 0)\ninst l t_leaf port i=>s\n");
    capture_stderr();
    st = run("t_top", {}, [] {
        zem_register_didat("t_leaf", "kest/t/leaf.didat");
        zem_register_didat("t_top", "kest/t/top.didat");
    });
    err = captured_stderr();
    EXPECT_EQ(st, 2);
    EXPECT_NE(err.find("leaf.didat:4: error: port i of t_top/l has 4 elements, its actual has 2"), std::string::npos)
        << err;
}

}  // namespace
