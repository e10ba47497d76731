// The clock manager's configuration: the set-up that turns the compiled-in
// channel settings (divide values 3, 39, 1, 1, 1, 1, 18, duty cycle 0.5,
// phase 0) into divider fields, counts and the initial register image; the
// multiply-value pattern table; and the register port that reads and writes
// 16-bit words with its three-stage ready handshake.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "clock_manager_bench.h"

using tovu_test::ClockManagerBench;

namespace {

std::string bin(unsigned v, int width) {
    std::string s;
    for (int i = width - 1; i >= 0; --i) s += ((v >> i) & 1) ? '1' : '0';
    return s;
}

// The divider fields of a channel: high and low time in VCO cycles, no-count
// and edge bits; its counts follow from them.
struct Fields {
    unsigned high, low;
    char nocount, edge;
    int high_count() const { return nocount == '1' ? 1 : static_cast<int>(2 * high + (edge == '1')); }
    int total() const { return nocount == '1' ? 1 : static_cast<int>(high + low); }
    int last() const { return nocount == '1' ? 1 : 2 * total() - 1; }
};
// Divide d at duty 0.5: the high time is d/2 cycles; an odd d ends it on a
// half cycle (edge '1') and the low time takes the other half cycle; divide
// 1 counts nothing.
Fields fields_of(unsigned divide) {
    if (divide == 1) return {0, 1, '1', '1'};
    return {divide / 2, divide - divide / 2, '0', divide % 2 ? '1' : '0'};
}
const Fields kBypassed = {1, 1, '1', '0'};  // the channel not used for the feedback

// Words of the register image in the field layout, at their addresses.
std::map<int, std::string> field_layout_image(const Fields ch[9], const std::string &pattern_a,
                                              const std::string &pattern_b) {
    const int kAddress[19] = {0, 1, 6, 9, 10, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 25, 26, 27, 28};
    std::map<int, std::string> words;
    for (int c = 0; c < 7; ++c) {
        words[kAddress[2 * c]] = std::string(8, 'X') + ch[c].edge + ch[c].nocount + bin(0, 6);  // delay 0
        words[kAddress[2 * c + 1]] = bin(0, 3) + "1" + bin(ch[c].high, 6) + bin(ch[c].low, 6);  // tap 0
    }
    words[kAddress[14]] = std::string(8, 'X') + ch[7].edge + ch[7].nocount + bin(0, 6);
    words[kAddress[15]] = "XXXX" + bin(ch[7].high, 6) + bin(ch[7].low, 6);
    words[kAddress[16]] = std::string("XX") + ch[8].edge + ch[8].nocount + bin(ch[8].high, 6) + bin(ch[8].low, 6);
    words[kAddress[17]] = std::string(8, 'X') + "01" + "10" + pattern_a;  // patterns P and Q, then A
    words[kAddress[18]] = std::string(6, 'X') + pattern_b + std::string(6, 'X');
    return words;
}

// One access of the register port at the rising clock edge at `edge_ns`
// (the bench clocks it every 10 ns from 5 ns): inputs set 3 ns before the
// edge and enable and write enable cleared 3 ns after.
struct Access {
    int edge_ns;
    std::string address;  // 5 literals
    std::string data;     // 16 literals
    bool write;
};
std::string access_stimulus(const std::vector<Access> &accesses, const std::string &extra = "") {
    std::string s = "clock tb/dclk 10ns\n" + extra;
    for (const Access &a : accesses) {
        const std::string t = std::to_string(a.edge_ns - 3) + "ns ";
        s += t + "tb/daddr \"" + a.address + "\"\n";
        s += t + "tb/di \"" + a.data + "\"\n";
        s += t + "tb/dwe '" + (a.write ? "1" : "0") + "'\n";
        s += t + "tb/den '1'\n";
        const std::string u = std::to_string(a.edge_ns + 3) + "ns ";
        s += u + "tb/den '0'\n" + u + "tb/dwe '0'\n";
    }
    return s;
}

class ClockManagerConfig : public ClockManagerBench {
protected:
    std::string word(int address) {
        return bits("reg_file").substr(static_cast<size_t>(31 - address) * 16, 16);
    }
    void expect_counts(int c, const Fields &f) {
        SCOPED_TRACE("channel " + std::to_string(c));
        EXPECT_EQ(integer("high_count" + std::to_string(c)), f.high_count());
        EXPECT_EQ(integer(c == 6 ? "divide" : "total_count" + std::to_string(c)), f.total());
        EXPECT_EQ(integer("last_count" + std::to_string(c)), f.last());
    }
    std::vector<std::string> messages() {
        std::vector<std::string> m;
        for (const auto &r : reports()) m.push_back(r.message);
        return m;
    }
};

// ---- set-up ----------------------------------------------------------------------

TEST_F(ClockManagerConfig, SetUpComputesEveryChannelAndWritesTheFieldLayoutImage) {
    ASSERT_EQ(simulate({"--stop-time=1ns"}), 0);
    EXPECT_TRUE(reports().empty());
    const unsigned divide[7] = {3, 39, 1, 1, 1, 1, 18};
    Fields ch[9];
    for (int c = 0; c < 7; ++c) ch[c] = fields_of(divide[c]);
    ch[7] = kBypassed;
    ch[8] = fields_of(1);
    for (int c = 0; c < 8; ++c) expect_counts(c, ch[c]);
    EXPECT_EQ(integer("multiply"), ch[8].total());  // the input divider's total
    EXPECT_EQ(integer("setup_done"), 1);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(integer("delay_count" + std::to_string(c)), 0) << c;
        EXPECT_EQ(integer("tap_index" + std::to_string(c)), 0) << c;
    }
    EXPECT_EQ(bits("high_field0"), "0000001");
    EXPECT_EQ(bits("low_field0"), "0000010");
    EXPECT_EQ(bits("high_field1"), bin(19, 7));
    EXPECT_EQ(bits("low_field1"), bin(20, 7));
    EXPECT_EQ(bits("high_field6") + bits("low_field6"), bin(9, 7) + bin(9, 7));
    EXPECT_EQ(bits("nocount2") + bits("edge2"), "11");
    EXPECT_EQ(bits("nocount7") + bits("edge7"), "10");  // the bypassed channel
    // The multiply value 18 picks entry 18 of the pattern table (design data:
    // A = "1110", B = "1001").
    std::map<int, std::string> image = field_layout_image(ch, "1110", "1001");
    for (int a = 0; a < 32; ++a) {
        const std::string want = image.count(a) ? image[a] : std::string(16, '0');
        EXPECT_EQ(word(a), want) << "address " << a;
    }
}

TEST_F(ClockManagerConfig, MultiplyValueChoosesThePatternsAndIsRangeChecked) {
    // With the feedback check failing, the feedback mode and the multiply
    // value keep the initial values given here.
    const std::string feedback_error = "Clock manager error - CLK_FEEDBACK has to be CLKFBOUT or CLKOUT_0.";
    const std::string range_error =
        "Clock manager attribute error: when the feedback is taken through CLKOUT0 the factors 18 and 3 "
        "(CLKFBOUT_MULT and CLKOUT0_DIVIDE) give the multiply 65, above the largest value 64.\n";
    struct Case {
        int mode, multiply;
        bool range_report;
        std::string a, b;
    } cases[] = {
        {1, 65, true, "0110", "1001"},   // default patterns
        {0, 65, false, "0110", "1001"},  // no report without the feedback through channel 0
        {1, 0, false, "0110", "1001"},
        {1, -3, false, "0110", "1001"},
        {1, 64, false, "0000", "0011"},  // entry 64 of the table
        {0, 1, false, "0111", "1110"},   // entry 1
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", multiply " + std::to_string(c.multiply));
        TearDown();
        SetUp();
        patch_model("text +438 len=8 \"CLKFBOUT\"", "text +438 len=8 \"CLKOUT_1\"");
        patch_model("signal 120 fb_mode sig integer := 0", "signal 120 fb_mode sig integer := " + std::to_string(c.mode));
        patch_model("signal 118 mult_value sig integer := 0",
                    "signal 118 mult_value sig integer := " + std::to_string(c.multiply));
        simulate({"--stop-time=0ps"});
        std::vector<std::string> m = messages();
        EXPECT_EQ(std::count(m.begin(), m.end(), feedback_error), 1);
        const size_t ranges = std::count_if(m.begin(), m.end(), [](const std::string &s) {
            return s.find("give the multiply") != std::string::npos;
        });
        EXPECT_EQ(ranges, c.range_report ? 1u : 0u);
        if (c.range_report) {
            EXPECT_NE(std::find(m.begin(), m.end(), range_error), m.end());
        }
        EXPECT_EQ(word(27).substr(12), c.a);
        EXPECT_EQ(word(28).substr(6, 4), c.b);
        // With the feedback through channel 0, channel 7 takes the multiply
        // value and channel 6 is bypassed.
        const Fields multiply = fields_of(18);
        expect_counts(c.mode == 1 ? 7 : 6, multiply);
        expect_counts(c.mode == 1 ? 6 : 7, kBypassed);
    }
}

// ---- register port ---------------------------------------------------------------

TEST_F(ClockManagerConfig, AccessRunsTheReadyHandshakeAndReadsTheWord) {
    // one read of address 1 at the edge at 15 ns
    const std::string stim = access_stimulus({{15, "00001", std::string(16, '0'), false}});
    struct Sample {
        int stop_ns;
        const char *stage1, *stage2, *ready;
    } samples[] = {{14, "0", "0", "0"}, {16, "1", "0", "0"}, {26, "0", "1", "0"}, {36, "0", "0", "1"},
                   {46, "0", "0", "0"}};
    for (const Sample &s : samples) {
        SCOPED_TRACE(s.stop_ns);
        TearDown();
        SetUp();
        ASSERT_EQ(simulate({stimulus(stim), "--stop-time=" + std::to_string(s.stop_ns) + "ns"}), 0);
        EXPECT_TRUE(reports().empty());
        EXPECT_EQ(bits("stage1") + bits("stage2") + bits("ready"), std::string(s.stage1) + s.stage2 + s.ready);
        if (s.stop_ns > 15) {
            EXPECT_EQ(integer("reg_addr"), 1);
            EXPECT_EQ(bits("rd_word"), "0001000001000010");  // channel 0's divider word
            EXPECT_EQ(bits("rd_word_d"), "0001000001000010");
        }
    }
    EXPECT_EQ(last_change("ready"), 45000);
    EXPECT_EQ(last_change("ready_d"), 45100);

    // An access at the next edge as well: a busy warning, and the chain goes
    // on from the first access.
    TearDown();
    SetUp();
    const std::string both = access_stimulus(
        {{15, "00001", std::string(16, '0'), false}, {25, "00001", std::string(16, '0'), false}});
    ASSERT_EQ(simulate({stimulus(both), "--stop-time=50ns"}), 0);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].message.size(), 125u);
    EXPECT_EQ(reports()[0].severity, SEV_WARNING);
    EXPECT_EQ(reports()[0].time, 25000);
    EXPECT_EQ(last_change("stage1"), 25000);
    EXPECT_EQ(last_change("ready"), 45000);
}

// A divider word: tap, '1', high time, low time (6 bits each).
std::string divider_word(unsigned tap, unsigned high, unsigned low, char enable = '1') {
    return bin(tap, 3) + enable + bin(high, 6) + bin(low, 6);
}

TEST_F(ClockManagerConfig, WritesInTheFieldLayoutDecodeIntoTheChannels) {
    const std::string reset = "0ns tb/rst '1'\n";  // writes are taken while the model is in reset
    // channel 1's divider word (address 9), then its delay word (address 6)
    const std::string div = divider_word(0, 10, 12);
    const std::string dly = "00000000" + std::string("01") + bin(5, 6);  // edge '0', no-count '1', delay 5
    ASSERT_EQ(simulate({stimulus(access_stimulus({{15, "01001", div, true}}, reset)), "--stop-time=30ns"}), 0);
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(word(9), div);
    EXPECT_EQ(bits("high_field1") + bits("low_field1"), bin(10, 7) + bin(12, 7));
    expect_counts(1, {10, 12, '0', '1'});  // channel 1 keeps its edge bit from the set-up
    expect_counts(0, fields_of(3));        // the others are counted again, unchanged

    TearDown();
    SetUp();
    ASSERT_EQ(simulate({stimulus(access_stimulus({{15, "01001", div, true}, {45, "00110", dly, true}}, reset)),
                        "--stop-time=60ns"}),
              0);
    EXPECT_EQ(word(6), dly);
    EXPECT_EQ(integer("delay_count1"), 5);
    EXPECT_EQ(bits("nocount1") + bits("edge1"), "10");
    expect_counts(1, {10, 12, '1', '0'});  // no-count: every count 1
    EXPECT_EQ(bits("high_field1"), bin(10, 7));
}

TEST_F(ClockManagerConfig, PortReportsAndTheirEffects) {
    const std::string reset = "0ns tb/rst '1'\n";
    struct Case {
        const char *what;
        std::vector<Access> accesses;
        std::string extra;
        std::vector<std::string> messages;
        int image_address;  // where the written word must (or must not) be
        bool written;
        bool clock = false;  // out of reset the model needs its input clock to leave its reset
    } cases[] = {
        {"divider word without its enable bit",
         {{15, "01001", divider_word(2, 10, 12, '0'), true}},
         reset,
         {"Configuration register error: bit 12 is zero in 0100001010001100 stored in register DIV_1; a divider "
          "word needs it to be 1.\n"},
         9,
         true},
        {"address outside the field layout",
         {{15, "10000", divider_word(0, 3, 3), true}},
         reset,
         {"Warning: register address 16 is unknown or outside the field layout.\n"},
         16,
         true},
        {"address with an unknown bit: the previous address is used",
         {{15, "00001", std::string(16, '0'), false}, {45, "0X011", divider_word(0, 5, 5), true}},
         reset,
         {"Warning: register address 1 is unknown or outside the field layout.\n"},
         1,
         true},
        {"write out of reset", {{25, "01001", divider_word(0, 10, 12), true}}, "", {
             "Clock manager configuration error: a register write needs RST held high; this write is ignored."},
         9, false, true},
        {"input divider total 60",
         {{15, "11010", "00" + std::string("00") + bin(30, 6) + bin(30, 6), true}},
         reset,
         {"Clock manager configuration error: the total count of the input divider (DIVCLK) must be 1 to 52, unless "
          "its no-count bit is on."},
         26,
         true},
        {"input divider total 0", {{15, "11010", std::string(16, '0'), true}}, reset, {
             "Clock manager configuration error: the total count of the input divider (DIVCLK) must be 1 to 52, "
             "unless its no-count bit is on."},
         26, true},
        {"input divider bypassed", {{15, "11010", "0001" + std::string(12, '0'), true}}, reset, {}, 26, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        std::vector<std::string> options = {stimulus(access_stimulus(c.accesses, c.extra)), "--stop-time=100ns"};
        if (c.clock) options.push_back("--clock=tb/clk=31250ps");
        simulate(options);
        EXPECT_EQ(messages(), c.messages);
        const std::string &data = c.accesses.back().data;
        if (c.written) {
            EXPECT_EQ(word(c.image_address), data);
        } else {
            EXPECT_NE(word(c.image_address), data);
        }
        EXPECT_EQ(last_change("ready"), (c.accesses.back().edge_ns + 30) * 1000);  // the handshake runs in any case
    }
}

// The scattered layout: the decode is the exact inverse of the layout, and
// every channel's delay count follows its decoded delay field.
TEST_F(ClockManagerConfig, ScatteredLayoutDecodesEachBitWhereTheLayoutPutsIt) {
    patch_model("signal 309 layout_sel sig std_ulogic := '0'", "signal 309 layout_sel sig std_ulogic := '1'");
    ASSERT_EQ(simulate({"--stop-time=1ns"}), 0);
    EXPECT_TRUE(reports().empty());
    for (int a : {0, 1, 2, 3, 4, 25, 26, 27, 28, 29, 30, 31}) EXPECT_EQ(word(a), std::string(16, '0')) << a;
    // address 6: L1[4], L1[5], L1[3], N1, L1[1], L1[2], D1[5], 'X', D1[3:2], D1[0], D1[1], 'X', E0, F2
    // with channel 1's low time 20 (010100), no-count '0', delay 0, channel 0's edge '1'
    EXPECT_EQ(word(6).substr(0, 14), "1000010X0000X1");

    // Address 9 all ones: D3[0], D3[1], T0[1], T0[2], H2[4], H2[3:2], H2[0], H2[1], E2 and T2[0].
    TearDown();
    SetUp();
    patch_model("signal 309 layout_sel sig std_ulogic := '0'", "signal 309 layout_sel sig std_ulogic := '1'");
    ASSERT_EQ(simulate({stimulus(access_stimulus({{15, "01001", std::string(16, '1'), true}}, "0ns tb/rst '1'\n")),
                        "--stop-time=30ns"}),
              0);
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(word(9), std::string(16, '1'));
    EXPECT_EQ(integer("tap_index0"), 6);    // tap bits 2 and 1 of channel 0
    EXPECT_EQ(integer("tap_index3"), 0);    // channel 3's tap stays
    EXPECT_EQ(integer("delay_count3"), 3);  // delay bits 1 and 0 of channel 3
    EXPECT_EQ(integer("tap_index2"), 1);
    EXPECT_EQ(bits("high_field2"), "0011111");
    expect_counts(2, {31, 1, '1', '1'});  // channel 2 still counts nothing (no-count '1')
}

// A divide value of 0 reached through register writes: the oscillator keeps
// its period and the model reports it, instead of dividing by zero.
TEST_F(ClockManagerConfig, ZeroDivideValueFromTheRegisterPortKeepsTheOscillatorPeriod) {
    patch_model("signal 309 layout_sel sig std_ulogic := '0'", "signal 309 layout_sel sig std_ulogic := '1'");
    // address 15 carries channel 6's low time and no-count bit, address 16
    // its high time: all zero, so its total count, the divide value, is 0
    const std::string stim = access_stimulus(
        {{15, "01111", std::string(16, '0'), true}, {45, "10000", std::string(16, '0'), true}}, "0ns tb/rst '1'\n");
    EXPECT_EQ(simulate({stimulus(stim), "--stop-time=60ns"}), 1);  // the ERROR
    EXPECT_EQ(tovu::K().stop_reason, "stop time reached");
    EXPECT_EQ(integer("divide"), 0);
    // the first write left channel 6 a total of 9 (its high time), the second 0
    EXPECT_EQ(time_of("osc_period"), 31250 / 9);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports()[0].message,
              "Clock manager error: the feedback divide value is not positive; the derived periods keep their values.");
    EXPECT_EQ(reports()[0].time, 45000);
}

}  // namespace
