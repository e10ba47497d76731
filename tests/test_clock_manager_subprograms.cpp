// The clock manager's subprograms, called on an elaborated instance of the
// model (its literal pool is the design data's), against values worked out
// independently: floors, binary fields, the duty cycles a divide value can
// make, and the texts of their warnings.
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "clock_manager_bench.h"

using tovu_test::ClockManagerBench;

namespace {

const std::string kLiterals = "UX01ZWLH-";

std::vector<uint8_t> logic(const std::string &lits) {
    std::vector<uint8_t> v;
    for (char c : lits) v.push_back(static_cast<uint8_t>(kLiterals.find(c)));
    return v;
}
std::string text_of(const uint8_t *v, size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += kLiterals[v[i]];
    return s;
}
std::string bin(unsigned v, int width) {
    std::string s;
    for (int i = width - 1; i >= 0; --i) s += ((v >> i) & 1) ? '1' : '0';
    return s;
}
std::string real_text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%e", v);
    return buf;
}

class ClockManagerSubprograms : public ClockManagerBench {
protected:
    void SetUp() override {
        ClockManagerBench::SetUp();
        elaborate({});
        block_ = model_block();
        ASSERT_NE(block_, nullptr);
        tovu::testing::capture_reports(true);
    }

    int32_t real_floor(double x) { return gatlib_a_0341314388_2930107152_sub_678935357_1577006045(block_, x); }
    int32_t natural(const std::string &lits, int32_t left, int32_t dir) {
        const std::vector<uint8_t> v = logic(lits);
        const int32_t n = static_cast<int32_t>(v.size());
        const array_bounds b{left, left + dir * (n - 1), dir, n};
        return gatlib_a_0341314388_2930107152_sub_3182959421_1577006045(block_, v.data(), &b);
    }
    bool known(const std::string &lits) {
        const std::vector<uint8_t> v = logic(lits);
        const int32_t n = static_cast<int32_t>(v.size());
        const array_bounds b{n - 1, 0, -1, n};
        return gatlib_a_0341314388_2930107152_sub_2053111517_1577006045(block_, v.data(), &b) != 0;
    }
    struct Divider {
        std::string high, low;
        char nocount, edge;
    };
    Divider divider_fields(int32_t divide, double duty) {
        uint8_t high[7], low[7], nocount, edge;
        gatlib_a_0341314388_2930107152_sub_1294091590_1577006045(block_, nullptr, high, low, &nocount, &edge, divide,
                                                                 duty);
        return {text_of(high, 7), text_of(low, 7), kLiterals[nocount], kLiterals[edge]};
    }
    struct Phase {
        std::string delay, tap;
    };
    Phase phase_fields(int32_t divide, double phase, const std::string &name) {
        uint8_t delay[6], tap[3];
        const array_bounds nb{1, static_cast<int32_t>(name.size()), 1, static_cast<int32_t>(name.size())};
        gatlib_a_0341314388_2930107152_sub_3471423806_1577006045(block_, nullptr, delay, tap, divide, phase,
                                                                 name.data(), &nb);
        return {text_of(delay, 6), text_of(tap, 3)};
    }
    uint8_t duty_check(int32_t divide, double duty, const std::string &name) {
        const array_bounds nb{1, static_cast<int32_t>(name.size()), 1, static_cast<int32_t>(name.size())};
        return gatlib_a_0341314388_2930107152_sub_2381833435_1577006045(block_, divide, duty, name.data(), &nb);
    }
    std::vector<std::string> messages() {
        std::vector<std::string> m;
        for (const auto &r : reports()) m.push_back(r.message);
        tovu::testing::capture_reports(true);  // starts afresh
        return m;
    }

    char *block_ = nullptr;
};

TEST_F(ClockManagerSubprograms, RealFloorIsZeroBelowOneAndTheFloorElsewhere) {
    struct Case {
        double x;
        int32_t want;
    } cases[] = {{-0.5, 0}, {0.999, 0}, {-0.9999, 0}, {-1.0, -1}, {-1.0005, -2}, {2.9999, 2}, {1.0, 1}, {63.8222, 63},
                 {-2.0000001, -3}, {1e12, 2147483647}, {-1e12, -2147483647 - 1}};
    for (const Case &c : cases) EXPECT_EQ(real_floor(c.x), c.want) << c.x;
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(-1e6, 1e6);
    for (int i = 0; i < 2000; ++i) {
        const double x = u(rng);
        EXPECT_EQ(real_floor(x), std::fabs(x) < 1.0 ? 0 : static_cast<int32_t>(std::floor(x))) << x;
    }
}

TEST_F(ClockManagerSubprograms, BitsToNaturalTakesTheHighestIndexAsMostSignificant) {
    EXPECT_EQ(natural("0000001", 6, -1), 1);  // 6 downto 0, element 0 '1'
    EXPECT_EQ(natural("0000001", 0, 1), 64);  // 0 to 6, element 6 '1'
    EXPECT_EQ(natural("1H10", 3, -1), 10);    // 'H' counts as 0
    EXPECT_EQ(natural("", 0, 1), 0);
    EXPECT_TRUE(known("0101"));
    EXPECT_FALSE(known("01L1"));
    EXPECT_TRUE(known(""));
}

TEST_F(ClockManagerSubprograms, DividerFieldsSplitTheDivideValueIntoHighAndLowTime) {
    // duty 0.5: high floor(d/2) cycles, low the rest; an odd d ends the high
    // time on a half cycle (edge '1'); six bits hold up to 63, 64 and more
    // saturate
    for (unsigned d = 2; d <= 127; ++d) {
        SCOPED_TRACE(d);
        const Divider f = divider_fields(static_cast<int32_t>(d), 0.5);
        EXPECT_EQ(f.high, bin(d / 2, 7));
        EXPECT_EQ(f.low, bin(d - d / 2, 7));
        EXPECT_EQ(f.nocount, '0');
        EXPECT_EQ(f.edge, d % 2 ? '1' : '0');
    }
    const Divider one = divider_fields(1, 0.5);
    EXPECT_EQ(one.high + one.low + one.nocount + one.edge, "0000000" + std::string("0000001") + "11");
    const Divider big = divider_fields(200, 0.5);
    EXPECT_EQ(big.high + big.low + big.nocount + big.edge, "1000000" + std::string("1000000") + "00");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ClockManagerSubprograms, DividerCountsCountHalfCyclesOnBothEdges) {
    struct Case {
        std::string high, low;
        char nocount, edge;
        int32_t high_count, total, last;
    } cases[] = {{bin(1, 7), bin(1, 7), '0', '0', 2, 2, 3},
                 {bin(1, 7), bin(1, 7), '0', '1', 3, 2, 3},
                 {bin(19, 7), bin(20, 7), '0', '1', 39, 39, 77},
                 {bin(9, 7), bin(9, 7), '0', 'H', 18, 18, 35},  // only '1' is an edge
                 {bin(5, 7), bin(7, 7), '1', '1', 1, 1, 1}};
    for (const Case &c : cases) {
        int32_t high = -1, total = -1, last = -1;
        gatlib_a_0341314388_2930107152_sub_2820184156_1577006045(block_, nullptr, &high, &total, &last,
                                                                 logic(c.high).data(), logic(c.low).data(),
                                                                 logic(std::string(1, c.nocount))[0],
                                                                 logic(std::string(1, c.edge))[0]);
        EXPECT_EQ(high, c.high_count) << c.high << " " << c.low;
        EXPECT_EQ(total, c.total);
        EXPECT_EQ(last, c.last);
    }
}

TEST_F(ClockManagerSubprograms, PhaseFieldsSplitThePhaseIntoWholeCyclesAndEighths) {
    const std::string name = "CLKOUT0_PHASE";
    const std::string head = "Phase warning: value " + name + " in degrees is set to ";
    struct Case {
        int32_t divide;
        double phase;
        std::string delay, tap;
        std::vector<std::string> warnings;
    } cases[] = {
        {3, 0.0, bin(0, 6), "000", {}},
        {3, 90.0, bin(0, 6), "110", {}},  // 0.75 cycle: tap 6
        {1, -90.0, bin(0, 6), "110", {}},
        {1, 10.0, bin(0, 6), "000",
         {head + real_text(10.0) + ", which is made here as: " + real_text(0.0) +
          " degrees, the nearest step of 1/8 VCO cycles.\n"}},
        {200, 180.0, "111111", "000",  // 100 cycles: the delay saturates; the phase itself is met
         {head + real_text(180.0) +
          ", more than 63 whole VCO cycles of delay; the delay is cut to 63 cycles and the output gets a smaller "
          "phase.\n"}},
        {64, 359.0, bin(63, 6), "110",  // 63.82 cycles: 63 and 6/8
         {head + real_text(359.0) + ", which is made here as: " + real_text(358.59375) +
          " degrees, the nearest step of 1/8 VCO cycles.\n"}},
        {18, 45.0, bin(2, 6), "010", {}},  // 2.25 cycles: 2 and 2/8
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.divide) + " " + std::to_string(c.phase));
        const Phase p = phase_fields(c.divide, c.phase, name);
        EXPECT_EQ(p.delay, c.delay);
        EXPECT_EQ(p.tap, c.tap);
        const auto &r = reports();
        for (const auto &x : r) EXPECT_EQ(x.severity, SEV_WARNING);
        EXPECT_EQ(messages(), c.warnings);
    }
}

TEST_F(ClockManagerSubprograms, RegisterWordsUnpackIntoTheirFields) {
    // delay word: bits 5..0 the delay, bit 6 no-count, bit 7 edge
    uint8_t delay[6], bit6, bit7;
    const std::vector<uint8_t> w = logic("1111111110" + bin(37, 6));
    gatlib_a_0341314388_2930107152_sub_834437900_1577006045(block_, nullptr, delay, &bit6, &bit7, w.data(), nullptr,
                                                           nullptr, nullptr);
    EXPECT_EQ(text_of(delay, 6) + kLiterals[bit6] + kLiterals[bit7], bin(37, 6) + "01");

    // divider word: tap, enable, high, low; a six-bit time of 0 stands for 64
    struct Case {
        std::string word, low, high, tap;
        bool error;
    } cases[] = {{"101" "1" "010011" "010100", bin(20, 7), bin(19, 7), "101", false},
                 {"000" "1" "000000" "000001", bin(1, 7), bin(64, 7), "000", false},
                 {"011" "1" "000101" "000000", bin(64, 7), bin(5, 7), "011", false},
                 {"000" "0" "000011" "000100", bin(4, 7), bin(3, 7), "000", true}};
    const std::string text = "0000000011000100", name = "DIV_4";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        uint8_t low[7], high[7], tap[3];
        gatlib_a_0341314388_2930107152_sub_3977722524_1577006045(block_, nullptr, low, high, tap, logic(c.word).data(),
                                                                nullptr, text.data(), name.data());
        EXPECT_EQ(text_of(low, 7), c.low);
        EXPECT_EQ(text_of(high, 7), c.high);
        EXPECT_EQ(text_of(tap, 3), c.tap);
        std::vector<std::string> want;
        if (c.error)
            want.push_back("Configuration register error: bit 12 is zero in " + text + " stored in register " + name +
                           "; a divider word needs it to be 1.\n");
        EXPECT_EQ(messages(), want);
    }
}

TEST_F(ClockManagerSubprograms, DutyCheckAcceptsTheDutyCyclesADivideValueCanMake) {
    const std::string name = "CLKOUT0_DUTY_CYCLE";
    auto range = [&](double x, double lo, double hi) {
        return "Duty warning: the attribute " + name + " is set to " + real_text(x) +
               ", not between the allowed limits " + real_text(lo) + " and " + real_text(hi) + ".\n";
    };
    auto cannot = [&](double x, std::vector<double> possible) {
        std::string s = "Duty warning: the attribute " + name + " at " + real_text(x) +
                        " cannot be made with this divide value; the values are\n";
        for (double v : possible) s += real_text(v) + "\n";
        return s;
    };
    struct Case {
        int32_t divide;
        double duty;
        char result;
        std::vector<std::string> warnings;
    } cases[] = {
        // divide 1: 0.0, 0.5 and 1.0 in steps of half a cycle (1.0 is not listed)
        {1, 0.5, '1', {}},
        {1, 0.3, '0', {cannot(0.3, {0.0, 0.5})}},
        // divide 2: from 0.5 in steps of 0.25
        {2, 0.5, '1', {}},
        {2, 0.75, '1', {}},
        {2, 1.0, '1', {}},
        {2, 0.25, '0', {range(0.25, 0.5, 1.0), cannot(0.25, {0.5, 0.75})}},
        // the model's own channels
        {3, 0.5, '1', {}},
        {39, 0.5, '1', {}},
        {18, 0.5, '1', {}},
        // above 64 the limits narrow: (D - 64) / D to 64.5 / D
        {100, 0.5, '1', {}},
        {100, 0.2, '0', {}},  // filled in below
        // a divide value of 0 makes nothing (and does not divide by zero)
        {0, 0.5, '0', {cannot(0.5, {})}},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.divide) + " " + std::to_string(c.duty));
        if (c.divide == 100 && c.duty == 0.2) {
            std::vector<double> possible;
            for (int k = 0; k <= 200; ++k) {
                const double v = 0.005 * k + 0.36;
                if (v <= 0.645 && v < 1.0) possible.push_back(v);
            }
            c.warnings = {range(0.2, 0.36, 0.645), cannot(0.2, possible)};
        }
        EXPECT_EQ(kLiterals[duty_check(c.divide, c.duty, name)], c.result);
        EXPECT_EQ(messages(), c.warnings);
    }
}

}  // namespace
