// VITAL_Primitives called directly with the package's real design data: the
// registration, the gate, buffer, multiplexer and decoder functions against
// the std_logic algebra over all inputs, the schedule operators and delays
// against the standard's rules, the messages, and the truth and state tables
// against a matcher written from the symbol definitions.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ieee/p_1367372525.h"
#include "ieee/p_2592010699.h"
#include "ieee/p_2717149903.h"
#include "logic_vector.h"
#include "units/globals.h"
#include "std/textio.h"
#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"
#include "vital_primitives_table.h"
#include "vital_reference.h"

using namespace vital_reference;
using namespace vital_primitives;
using tovu::CheckFailure;

namespace {

enum : int32_t { kNote = 0, kWarning = 1, kError = 2, kFailure = 3 };

class VitalPrimitives : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::record_calls(true);
        tovu::testing::load_packages(TOVU_KEST_DIR, {&ieee_p_2592010699_init, &std_textio_init,
                                                     &ieee_p_2717149903_init, &ieee_p_1367372525_init});
        start_up_ = tovu::testing::calls();
        tovu::testing::record_calls(false);
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        IEEE_P_2717149903 = zem_get_engine_memory("ieee_p_2717149903");
        IEEE_P_1367372525 = zem_get_engine_memory("ieee_p_1367372525");
        ASSERT_NE(IEEE_P_1367372525, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        tovu::testing::capture_reports(false);
        tovu::testing::reset();
    }
    static char *P() { return IEEE_P_1367372525; }
    std::vector<std::string> start_up_;  // the recorded start-up calls
    static std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto &r : tovu::testing::reports()) out.push_back(r.message);
        return out;
    }
};

// A map that sends U, X, 0, 1 (and Z) to values no gate computes, so that a
// result shows both the computed value and the mapping.
const uint8_t kMap[4] = {Z, W, WL, WH};
const uint8_t kZMap[5] = {W, DC, WL, WH, U};

// Every combination of n std_ulogic values, the first varying slowest.
void for_all(int n, const std::function<void(const std::vector<uint8_t> &)> &f) {
    std::vector<uint8_t> v(static_cast<size_t>(n), 0);
    for (;;) {
        f(v);
        int k = n - 1;
        while (k >= 0 && ++v[static_cast<size_t>(k)] == 9) v[static_cast<size_t>(k--)] = 0;
        if (k < 0) return;
    }
}
std::string text(const std::vector<uint8_t> &v) { return logic_vector::chars(v.data(), static_cast<int32_t>(v.size())); }

// ---- registration ---------------------------------------------------------------

TEST_F(VitalPrimitives, RegistersItsDesignDataAndItsSubprogramsInTheBodysOrder) {
    void **se = vital_primitives_table::registered(start_up_);
    ASSERT_NE(se, nullptr);
    const std::vector<void *> &want = vital_primitives_table::entries();
    ASSERT_EQ(want.size(), 142u);
    for (size_t k = 0; k < want.size(); ++k) EXPECT_EQ(se[k], want[k]) << "slot " << k;
}

// ---- small helpers: Minimum, Maximum, To_UX01Z, ToEdge, messages -------------------

TEST_F(VitalPrimitives, MinimumAndMaximumOfIntegersAndTimes) {
    EXPECT_EQ(ieee_p_1367372525_sub_1019729693_4070434989(P(), 3, -4), -4);
    EXPECT_EQ(ieee_p_1367372525_sub_3699347359_4070434989(P(), 3, -4), 3);
    EXPECT_EQ(ieee_p_1367372525_sub_2876942914_4070434989(P(), kTimeHigh, 5), 5);
    EXPECT_EQ(ieee_p_1367372525_sub_1261593284_4070434989(P(), kTimeHigh, 5), kTimeHigh);
}

TEST_F(VitalPrimitives, UX01ZAndLevelsOfEveryValue) {
    // To_UX01Z keeps 'Z', reduces the rest as To_UX01; a level is that
    // value's EdgeType level, 'Z' and the weak unknowns an unknown level.
    const uint8_t levels[9] = {kEdgeU, kEdgeX, kEdge0, kEdge1, kEdgeX, kEdgeX, kEdge0, kEdge1, kEdgeX};
    for (uint8_t v = 0; v < 9; ++v) {
        EXPECT_EQ(ieee_p_1367372525_sub_2851374196_4070434989(P(), v), ux01z(v)) << kChars[v];
        EXPECT_EQ(ieee_p_1367372525_sub_162078037_4070434989(P(), v), levels[v]) << kChars[v];
    }
    EXPECT_THROW(ieee_p_1367372525_sub_162078037_4070434989(P(), 9), CheckFailure);
    EXPECT_THROW(ieee_p_1367372525_sub_2851374196_4070434989(P(), 200), CheckFailure);
}

TEST_F(VitalPrimitives, MessagesHaveTheirLengthsAndErrorsTheirSeverities) {
    const uint32_t lengths[9] = {66, 59, 60, 53, 34, 44, 68, 50, 49};
    for (uint8_t id = 0; id < 9; ++id) {
        array_bounds b;
        const char *m = ieee_p_1367372525_sub_2224505450_4070434989(P(), &b, id);
        EXPECT_EQ(b.left, 1);
        EXPECT_EQ(b.length, static_cast<int32_t>(lengths[id]));
        EXPECT_EQ(b.right, static_cast<int32_t>(lengths[id]));
        EXPECT_NE(std::string(m, lengths[id]).find(id == 0 ? "Negative delay" : id == 4 ? "lengths not equal" : "table"),
                  std::string::npos);
    }
    // An id outside the type gives an empty text (a malformed call).
    array_bounds b;
    ieee_p_1367372525_sub_2224505450_4070434989(P(), &b, 9);
    EXPECT_EQ(b.length, 0);

    // VitalError: routine, ": ", message, and the information if any.
    const std::string routine = "GetEdge", info = "s, LastS, Edge";
    const array_bounds rb{1, 7, 1, 7}, ib{1, 14, 1, 14};
    ieee_p_1367372525_sub_891213412_4070434989(P(), nullptr, routine.data(), &rb, kErrVctLng);
    ieee_p_1367372525_sub_648230642_4070434989(P(), nullptr, routine.data(), &rb, kErrNegDel, info.data(), &ib);
    ieee_p_1367372525_sub_707547060_4070434989(P(), nullptr, routine.data(), &rb, kErrInpSym, 'Z');
    const auto &r = tovu::testing::reports();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].message, "GetEdge: Vector (array) lengths not equal. ");
    EXPECT_EQ(r[0].message.size(), 43u);
    EXPECT_EQ(r[0].severity, kError);
    EXPECT_EQ(r[1].message, "GetEdge: Negative delay. New output value not scheduled. Output signal is: s, LastS, Edge");
    EXPECT_EQ(r[1].severity, kWarning);
    EXPECT_EQ(r[2].message, "GetEdge: Illegal symbol in the input portion of a Truth/State table.Z");
    EXPECT_EQ(r[2].severity, kError);
    // The table width and result errors: error for too small a table,
    // warnings for the ones that still give a result.
    const int32_t want[9] = {kWarning, kError, kError, kError, kError, kError, kWarning, kWarning, kWarning};
    for (uint8_t id = 0; id < 9; ++id) {
        ieee_p_1367372525_sub_891213412_4070434989(P(), nullptr, routine.data(), &rb, id);
        EXPECT_EQ(tovu::testing::reports().back().severity, want[id]) << int(id);
        EXPECT_EQ(tovu::testing::reports().back().message.size(), 9u + lengths[id]);
    }
}

TEST_F(VitalPrimitives, ReportGlitchReportsOnlyAPreemptedValueDueNoLaterThanTheNewOne) {
    const std::string routine = "VitalGlitchOnEvent", name = "q", vec = "qv";
    const array_bounds rb{1, 18, 1, 18}, nb{1, 1, 1, 1}, vb{1, 2, 1, 2};
    ieee_p_1367372525_sub_2507489675_4070434989(P(), nullptr, routine.data(), &rb, name.data(), &nb, 12 * ns, L1,
                                                14 * ns, L0, 0, 0, kWarning);
    ieee_p_1367372525_sub_2507489675_4070434989(P(), nullptr, routine.data(), &rb, vec.data(), &vb, 5 * ns, WH, 5 * ns,
                                                Z, 3, 1, kError);
    // A preempted value due after the new one is not reported.
    ieee_p_1367372525_sub_2507489675_4070434989(P(), nullptr, routine.data(), &rb, name.data(), &nb, 15 * ns, L1,
                                                14 * ns, L0, 0, 0, kWarning);
    const auto &r = tovu::testing::reports();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].message, "VitalGlitchOnEvent: GLITCH Detected on port q ; Preempted Future Value := 1 @ 12 ns; "
                            "Newly Scheduled Value := 0 @ 14 ns;");
    EXPECT_EQ(r[0].message.size(), 18u + 1 + 1 + 1 + 1 + 5 + 5 + 88);
    EXPECT_EQ(r[0].severity, kWarning);
    EXPECT_EQ(r[1].message, "VitalGlitchOnEvent: GLITCH Detected on port qv(3); Preempted Future Value := H @ 5 ns; "
                            "Newly Scheduled Value := Z @ 5 ns;");
    EXPECT_EQ(r[1].severity, kError);
}

// ---- gates ----------------------------------------------------------------------

using Fn2 = uint8_t (*)(char *, uint8_t, uint8_t, const uint8_t *);
using Fn3 = uint8_t (*)(char *, uint8_t, uint8_t, uint8_t, const uint8_t *);
using Fn4 = uint8_t (*)(char *, uint8_t, uint8_t, uint8_t, uint8_t, const uint8_t *);
using FnV = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *);

// The gates' values by the algebra: fold the inputs from the left, invert
// for nand, nor, xnor.
struct GateRule {
    const char *name;
    uint8_t start;
    uint8_t (*op)(uint8_t, uint8_t);
    bool invert;
};
const GateRule kRules[6] = {{"AND", L1, ref_and, false}, {"OR", L0, ref_or, false},  {"XOR", L0, ref_xor, false},
                            {"NAND", L1, ref_and, true}, {"NOR", L0, ref_or, true}, {"XNOR", L0, ref_xor, true}};
uint8_t gate_rule(const GateRule &g, const std::vector<uint8_t> &v) {
    uint8_t r = g.start;
    for (uint8_t x : v) r = g.op(r, x);
    return g.invert ? ref_not(r) : r;
}

TEST_F(VitalPrimitives, EveryGateFollowsTheStdLogicAlgebraOverAllInputs) {
    // In the order AND, OR, XOR, NAND, NOR, XNOR.
    const Fn2 f2[6] = {ieee_p_1367372525_sub_3754799872_4070434989, ieee_p_1367372525_sub_946566958_4070434989,
                       ieee_p_1367372525_sub_361635654_4070434989,  ieee_p_1367372525_sub_1602158222_4070434989,
                       ieee_p_1367372525_sub_4265249020_4070434989, ieee_p_1367372525_sub_2142385172_4070434989};
    const Fn3 f3[6] = {ieee_p_1367372525_sub_3837731456_4070434989, ieee_p_1367372525_sub_1029498542_4070434989,
                       ieee_p_1367372525_sub_444567238_4070434989,  ieee_p_1367372525_sub_1685089806_4070434989,
                       ieee_p_1367372525_sub_53213308_4070434989,   ieee_p_1367372525_sub_2225316756_4070434989};
    const Fn4 f4[6] = {ieee_p_1367372525_sub_3743793398_4070434989, ieee_p_1367372525_sub_935560484_4070434989,
                       ieee_p_1367372525_sub_350629180_4070434989,  ieee_p_1367372525_sub_1591151748_4070434989,
                       ieee_p_1367372525_sub_4254242546_4070434989, ieee_p_1367372525_sub_2131378698_4070434989};
    const FnV fv[6] = {ieee_p_1367372525_sub_1461733716_4070434989, ieee_p_1367372525_sub_2547990466_4070434989,
                       ieee_p_1367372525_sub_1489061082_4070434989, ieee_p_1367372525_sub_485448482_4070434989,
                       ieee_p_1367372525_sub_1477201872_4070434989, ieee_p_1367372525_sub_892270568_4070434989};
    for (int g = 0; g < 6; ++g) {
        const GateRule &rule = kRules[g];
        int failures = 0;
        auto check = [&](uint8_t got, const std::vector<uint8_t> &v, const char *form) {
            const uint8_t want = kMap[gate_rule(rule, v)];
            if (got != want && ++failures < 5)
                ADD_FAILURE() << rule.name << form << "(" << text(v) << ") = " << kChars[got] << ", want "
                              << kChars[want];
        };
        for_all(2, [&](const std::vector<uint8_t> &v) { check(f2[g](P(), v[0], v[1], kMap), v, "2"); });
        for_all(3, [&](const std::vector<uint8_t> &v) { check(f3[g](P(), v[0], v[1], v[2], kMap), v, "3"); });
        for_all(4, [&](const std::vector<uint8_t> &v) { check(f4[g](P(), v[0], v[1], v[2], v[3], kMap), v, "4"); });
        // The vector forms fold from the left whatever the bounds; a null
        // vector gives the fold's start value.
        for (int n = 0; n <= 4; ++n)
            for_all(n, [&](const std::vector<uint8_t> &v) {
                const int32_t len = static_cast<int32_t>(v.size());
                const array_bounds down{len - 1, 0, -1, len}, up{5, 4 + len, 1, len};
                check(fv[g](P(), v.data(), n % 2 ? &down : &up, kMap), v, "");
            });
        EXPECT_EQ(failures, 0) << rule.name;
    }
}

TEST_F(VitalPrimitives, BuffersInvertersAndEnablesOverAllInputs) {
    for (uint8_t d = 0; d < 9; ++d) {
        EXPECT_EQ(ieee_p_1367372525_sub_673810994_4070434989(P(), d, kMap), kMap[ux01(d)]) << kChars[d];
        EXPECT_EQ(ieee_p_1367372525_sub_681878306_4070434989(P(), d, kMap), kMap[ref_not(d)]) << kChars[d];
        // IDENT is the only single-input form that passes 'Z' to the map.
        EXPECT_EQ(ieee_p_1367372525_sub_3540507613_4070434989(P(), d, kZMap), kZMap[ux01z(d)]) << kChars[d];
        for (uint8_t e = 0; e < 9; ++e) {
            // Enabled: the data (inverted); disabled: 'Z'; an unknown enable
            // gives 'U' for data 'U' (and for enable 'U'), else 'X'.
            const bool high = ux01(e) == L1, low = ux01(e) == L0;
            auto tri = [&](bool enabled, bool disabled, uint8_t value) -> uint8_t {
                if (enabled) return value;
                if (disabled) return Z;
                return (e == U || d == U) ? U : X;
            };
            const std::string at = std::string("data ") + kChars[d] + ", enable " + kChars[e];
            EXPECT_EQ(ieee_p_1367372525_sub_3976821582_4070434989(P(), d, e, kZMap), kZMap[tri(low, high, ux01(d))]) << at;
            EXPECT_EQ(ieee_p_1367372525_sub_3976822671_4070434989(P(), d, e, kZMap), kZMap[tri(high, low, ux01(d))]) << at;
            EXPECT_EQ(ieee_p_1367372525_sub_1834036798_4070434989(P(), d, e, kZMap), kZMap[tri(low, high, ref_not(d))])
                << at;
            EXPECT_EQ(ieee_p_1367372525_sub_1834037887_4070434989(P(), d, e, kZMap), kZMap[tri(high, low, ref_not(d))])
                << at;
            // VitalSame: the common UX01 value, else 'X'.
            EXPECT_EQ(ieee_p_1367372525_sub_177276481_4070434989(P(), d, e), ux01(d) == ux01(e) ? ux01(d) : X) << at;
        }
    }
    EXPECT_THROW(ieee_p_1367372525_sub_3976821582_4070434989(P(), 9, L0, kZMap), CheckFailure);
}

TEST_F(VitalPrimitives, ABytePastStdULogicIsAFailedCheckInEveryValueFunction) {
    // Each call puts the byte where the function reads it; std_logic_1164's
    // tables are never indexed with it.
    const uint8_t map[5] = {U, X, L0, L1, Z};
    const std::vector<uint8_t> sb(40, 0);  // a schedule of zero times
    struct Entry {
        const char *name;
        std::function<void(uint8_t)> call;
    };
    const array_bounds b1{0, 0, 1, 1}, b2{1, 0, -1, 2};
    const Entry entries[] = {
        {"VitalAND",
         [&](uint8_t v) {
             const uint8_t d[2] = {L1, v};
             ieee_p_1367372525_sub_1461733716_4070434989(P(), d, &b2, map);
         }},
        {"VitalOR",
         [&](uint8_t v) {
             const uint8_t d[2] = {v, L0};
             ieee_p_1367372525_sub_2547990466_4070434989(P(), d, &b2, map);
         }},
        {"VitalXOR",
         [&](uint8_t v) {
             const uint8_t d[1] = {v};
             ieee_p_1367372525_sub_1489061082_4070434989(P(), d, &b1, map);
         }},
        {"VitalNAND",
         [&](uint8_t v) {
             const uint8_t d[2] = {L1, v};
             ieee_p_1367372525_sub_485448482_4070434989(P(), d, &b2, map);
         }},
        {"VitalNOR",
         [&](uint8_t v) {
             const uint8_t d[2] = {L0, v};
             ieee_p_1367372525_sub_1477201872_4070434989(P(), d, &b2, map);
         }},
        {"VitalXNOR",
         [&](uint8_t v) {
             const uint8_t d[2] = {L0, v};
             ieee_p_1367372525_sub_892270568_4070434989(P(), d, &b2, map);
         }},
        {"VitalAND2", [&](uint8_t v) { ieee_p_1367372525_sub_3754799872_4070434989(P(), L1, v, map); }},
        {"VitalOR2", [&](uint8_t v) { ieee_p_1367372525_sub_946566958_4070434989(P(), v, L0, map); }},
        {"VitalXOR2", [&](uint8_t v) { ieee_p_1367372525_sub_361635654_4070434989(P(), L0, v, map); }},
        {"VitalNAND2", [&](uint8_t v) { ieee_p_1367372525_sub_1602158222_4070434989(P(), v, L1, map); }},
        {"VitalNOR2", [&](uint8_t v) { ieee_p_1367372525_sub_4265249020_4070434989(P(), L0, v, map); }},
        {"VitalXNOR2", [&](uint8_t v) { ieee_p_1367372525_sub_2142385172_4070434989(P(), v, L1, map); }},
        {"VitalAND3", [&](uint8_t v) { ieee_p_1367372525_sub_3837731456_4070434989(P(), L1, L1, v, map); }},
        {"VitalOR3", [&](uint8_t v) { ieee_p_1367372525_sub_1029498542_4070434989(P(), L0, L0, v, map); }},
        {"VitalXOR3", [&](uint8_t v) { ieee_p_1367372525_sub_444567238_4070434989(P(), v, L0, L0, map); }},
        {"VitalNAND3", [&](uint8_t v) { ieee_p_1367372525_sub_1685089806_4070434989(P(), L1, v, L1, map); }},
        {"VitalNOR3", [&](uint8_t v) { ieee_p_1367372525_sub_53213308_4070434989(P(), L0, L0, v, map); }},
        {"VitalXNOR3", [&](uint8_t v) { ieee_p_1367372525_sub_2225316756_4070434989(P(), L1, L0, v, map); }},
        {"VitalAND4", [&](uint8_t v) { ieee_p_1367372525_sub_3743793398_4070434989(P(), L1, L1, L1, v, map); }},
        {"VitalOR4", [&](uint8_t v) { ieee_p_1367372525_sub_935560484_4070434989(P(), v, L0, L0, L0, map); }},
        {"VitalXOR4", [&](uint8_t v) { ieee_p_1367372525_sub_350629180_4070434989(P(), L0, L0, L0, v, map); }},
        {"VitalNAND4", [&](uint8_t v) { ieee_p_1367372525_sub_1591151748_4070434989(P(), L1, L1, v, L1, map); }},
        {"VitalNOR4", [&](uint8_t v) { ieee_p_1367372525_sub_4254242546_4070434989(P(), L0, v, L0, L0, map); }},
        {"VitalXNOR4", [&](uint8_t v) { ieee_p_1367372525_sub_2131378698_4070434989(P(), L0, L0, L0, v, map); }},
        {"VitalSame a", [&](uint8_t v) { ieee_p_1367372525_sub_177276481_4070434989(P(), v, L0); }},
        {"VitalSame b", [&](uint8_t v) { ieee_p_1367372525_sub_177276481_4070434989(P(), L0, v); }},
        {"VitalBUF", [&](uint8_t v) { ieee_p_1367372525_sub_673810994_4070434989(P(), v, map); }},
        {"VitalINV", [&](uint8_t v) { ieee_p_1367372525_sub_681878306_4070434989(P(), v, map); }},
        {"VitalMUX2 select", [&](uint8_t v) { ieee_p_1367372525_sub_4116131764_4070434989(P(), L1, L0, v, map); }},
        {"VitalMUX2 Data1", [&](uint8_t v) { ieee_p_1367372525_sub_4116131764_4070434989(P(), v, L0, L1, map); }},
        {"VitalMUX2 Data0", [&](uint8_t v) { ieee_p_1367372525_sub_4116131764_4070434989(P(), L1, v, L0, map); }},
        {"VitalMUX4 Data",
         [&](uint8_t v) {
             const uint8_t d[4] = {L0, L0, L0, v}, sel[2] = {L0, L0};
             ieee_p_1367372525_sub_4238378335_4070434989(P(), d, sel, map);
         }},
        {"VitalMUX8 select",
         [&](uint8_t v) {
             const uint8_t d[8] = {}, sel[3] = {v, L0, L0};
             ieee_p_1367372525_sub_4077464029_4070434989(P(), d, sel, map);
         }},
        {"VInterMux select",
         [&](uint8_t v) {
             const uint8_t d[8] = {}, sel[3] = {v, L0, L0};
             const array_bounds db{8, 1, -1, 8}, sb3{3, 1, -1, 3};
             ieee_p_1367372525_sub_3037427606_4070434989(P(), d, &db, sel, &sb3);
         }},
        {"VitalDECODER2", [&](uint8_t v) { ieee_p_1367372525_sub_912567720_4070434989(P(), v, L1, map); }},
        {"VitalDECODER4",
         [&](uint8_t v) {
             const uint8_t d[2] = {L0, v};
             ieee_p_1367372525_sub_1556117169_4070434989(P(), d, L1, map);
         }},
        {"VitalDECODER8",
         [&](uint8_t v) {
             const uint8_t d[3] = {L0, L0, L0};
             ieee_p_1367372525_sub_890662368_4070434989(P(), d, v, map);
         }},
        {"VitalDECODER",
         [&](uint8_t v) {
             const uint8_t d[1] = {v};
             array_bounds rb;
             ieee_p_1367372525_sub_3733906378_4070434989(P(), &rb, d, &b1, L1, map);
         }},
        {"GetSchedDelay",
         [&](uint8_t v) {
             int64_t nd, gd;
             ieee_p_1367372525_sub_2543757985_4070434989(P(), nullptr, &nd, &gd, v, L0, sb.data());
         }},
        {"GetSchedDelay (vector)",
         [&](uint8_t v) {
             int64_t nd[1], gd[1];
             const uint8_t nv[1] = {v}, cv[1] = {L0};
             ieee_p_1367372525_sub_2959442363_4070434989(P(), nullptr, nd, &b1, gd, &b1, nv, &b1, cv, &b1, sb.data(),
                                                         &b1);
         }},
        {"GetSchedDelay (tri-state) new",
         [&](uint8_t v) {
             int64_t nd, gd;
             ieee_p_1367372525_sub_2143903942_4070434989(P(), nullptr, &nd, &gd, v, L0, sb.data(), sb.data(),
                                                         sb.data());
         }},
        {"GetSchedDelay (tri-state) current",
         [&](uint8_t v) {
             int64_t nd, gd;
             ieee_p_1367372525_sub_2143903942_4070434989(P(), nullptr, &nd, &gd, L0, v, sb.data(), sb.data(),
                                                         sb.data());
         }},
    };
    for (const Entry &e : entries) {
        e.call(L1);  // a std_ulogic value passes
        for (uint8_t bad : {uint8_t{9}, uint8_t{200}}) {
            try {
                e.call(bad);
                ADD_FAILURE() << e.name << " took the byte " << int(bad);
            } catch (const CheckFailure &f) {
                EXPECT_EQ(std::string(f.what()), "index " + std::to_string(bad) + " is outside the range 0 to 8")
                    << e.name;
            }
        }
    }
}

// ---- multiplexers and decoders -------------------------------------------------------

// A multiplexer by enumeration: every 0/1 reading of the select bits that
// To_X01 leaves unknown picks a data input (right-aligned, missing ones
// 'X'); one common value is the result, different values give 'X'.
uint8_t ref_mux(const std::vector<uint8_t> &data, const std::vector<uint8_t> &select) {
    const size_t s = select.size();
    if (s == 0) return X;
    std::vector<size_t> unknown;
    size_t fixed = 0;
    for (size_t k = 0; k < s; ++k) {
        const size_t weight = size_t{1} << (s - 1 - k);
        if (x01(select[k]) == L1) fixed |= weight;
        if (x01(select[k]) == X) unknown.push_back(weight);
    }
    int result = -1;
    for (size_t m = 0; m < (size_t{1} << unknown.size()); ++m) {
        size_t index = fixed;
        for (size_t u = 0; u < unknown.size(); ++u)
            if ((m >> u) & 1) index |= unknown[u];
        const uint8_t v = index < data.size() ? ux01(data[data.size() - 1 - index]) : X;
        if (result == -1) result = v;
        else if (result != v) return X;
    }
    return static_cast<uint8_t>(result);
}

TEST_F(VitalPrimitives, MultiplexersOverAllSelects) {
    int failures = 0;
    auto expect = [&](uint8_t got, uint8_t want, const std::string &what) {
        if (got != want && ++failures < 8) ADD_FAILURE() << what << " = " << kChars[got] << ", want " << kChars[want];
    };
    // VitalMUX2 over all inputs.
    for_all(3, [&](const std::vector<uint8_t> &v) {
        expect(ieee_p_1367372525_sub_4116131764_4070434989(P(), v[0], v[1], v[2], kMap), kMap[ref_mux({v[0], v[1]}, {v[2]})],
               "MUX2 " + text(v));
    });
    // VitalMUX4 over all selects, the data over one value of each UX01 class and 'Z', 'H'.
    const uint8_t classes[6] = {U, X, L0, L1, Z, WH};
    for_all(2, [&](const std::vector<uint8_t> &sel) {
        for (int m = 0; m < 6 * 6 * 6 * 6; ++m) {
            const std::vector<uint8_t> data = {classes[m % 6], classes[m / 6 % 6], classes[m / 36 % 6],
                                               classes[m / 216 % 6]};
            expect(ieee_p_1367372525_sub_4238378335_4070434989(P(), data.data(), sel.data(), kMap),
                   kMap[ref_mux(data, sel)], "MUX4 " + text(data) + " sel " + text(sel));
        }
    });
    // VitalMUX8, VitalMUX (0 to 5 selects, fewer or more data than select
    // positions) and VInterMux on random inputs.
    std::mt19937 rng(7);
    auto random_vector = [&](size_t n) {
        std::vector<uint8_t> v(n);
        for (auto &x : v) x = static_cast<uint8_t>(rng() % 9);
        return v;
    };
    for (int trial = 0; trial < 4000; ++trial) {
        const auto data8 = random_vector(8), sel3 = random_vector(3);
        expect(ieee_p_1367372525_sub_4077464029_4070434989(P(), data8.data(), sel3.data(), kMap),
               kMap[ref_mux(data8, sel3)], "MUX8 " + text(data8) + " sel " + text(sel3));
        const size_t s = rng() % 6, n = rng() % 40;
        const auto data = random_vector(n), sel = random_vector(s);
        const array_bounds db = tovu::layout::make_bounds(static_cast<int32_t>(n), 1, -1);
        const array_bounds sb = tovu::layout::make_bounds(static_cast<int32_t>(s) - 1, 0, -1);
        expect(ieee_p_1367372525_sub_1379054898_4070434989(P(), data.data(), &db, sel.data(), &sb, kMap),
               kMap[ref_mux(data, sel)], "MUX " + text(data) + " sel " + text(sel));
        if (s > 0) {
            // VInterMux with the ranges VitalMUX gives it: (length downto 1).
            const auto full = random_vector(size_t{1} << s);
            const array_bounds fb = tovu::layout::make_bounds(static_cast<int32_t>(full.size()), 1, -1);
            const array_bounds sb1 = tovu::layout::make_bounds(static_cast<int32_t>(s), 1, -1);
            expect(ieee_p_1367372525_sub_3037427606_4070434989(P(), full.data(), &fb, sel.data(), &sb1),
                   ref_mux(full, sel), "VInterMux " + text(full) + " sel " + text(sel));
        }
    }
    EXPECT_EQ(failures, 0);
    // Three data inputs under two selects: the fourth position is 'X'.
    const auto three = logic_vector::vec("101"), ones = logic_vector::vec("11"), zeros = logic_vector::vec("00");
    EXPECT_EQ(ieee_p_1367372525_sub_1379054898_4070434989(P(), three.d(), three.b(), ones.d(), ones.b(), kMap), kMap[X]);
    EXPECT_EQ(ieee_p_1367372525_sub_1379054898_4070434989(P(), three.d(), three.b(), zeros.d(), zeros.b(), kMap),
              kMap[L1]);
}

TEST_F(VitalPrimitives, ShortMultiplexerDataIsAFailedCheckNotARead) {
    const auto one = logic_vector::vec("1"), sel = logic_vector::vec("0"), three = logic_vector::vec("101"),
               sel2 = logic_vector::vec("00");
    EXPECT_THROW(ieee_p_1367372525_sub_3037427606_4070434989(P(), one.d(), one.b(), sel.d(), sel.b()), CheckFailure);
    EXPECT_THROW(ieee_p_1367372525_sub_3037427606_4070434989(P(), three.d(), three.b(), sel2.d(), sel2.b()),
                 CheckFailure);
    // From three selects on, VInterMux reads its top select as dSelect(n) in
    // dSelect's own range: a select ranged (2 downto 0) has no element 3.
    const auto eight = logic_vector::vec("10110100"), sel3 = logic_vector::vec("010");
    const array_bounds eb{8, 1, -1, 8};
    EXPECT_THROW(ieee_p_1367372525_sub_3037427606_4070434989(P(), eight.d(), &eb, sel3.d(), sel3.b()), CheckFailure);
}

// The decoder's outputs, highest first: Enable and, per address bit, the bit
// or its inverse.
std::vector<uint8_t> ref_decoder(const std::vector<uint8_t> &data, uint8_t enable, const uint8_t *map) {
    const size_t n = data.size(), outputs = size_t{1} << n;
    std::vector<uint8_t> r(outputs);
    for (size_t i = 0; i < outputs; ++i) {
        uint8_t v = enable;
        for (size_t k = 0; k < n; ++k) {
            const uint8_t bit = data[n - 1 - k];
            v = ref_and(v, (i >> k) & 1 ? bit : ref_not(bit));
        }
        r[outputs - 1 - i] = map[v];
    }
    return r;
}

TEST_F(VitalPrimitives, DecodersOverAllAddressesAndEnables) {
    int failures = 0;
    auto expect = [&](const uint8_t *got, const std::vector<uint8_t> &want, const std::string &what) {
        if (std::memcmp(got, want.data(), want.size()) != 0 && ++failures < 8)
            ADD_FAILURE() << what << " = " << logic_vector::chars(got, static_cast<int32_t>(want.size())) << ", want "
                          << text(want);
    };
    for_all(2, [&](const std::vector<uint8_t> &v) {
        expect(ieee_p_1367372525_sub_912567720_4070434989(P(), v[0], v[1], kMap), ref_decoder({v[0]}, v[1], kMap),
               "DECODER2 " + text(v));
    });
    for_all(3, [&](const std::vector<uint8_t> &v) {
        expect(ieee_p_1367372525_sub_1556117169_4070434989(P(), v.data(), v[2], kMap), ref_decoder({v[0], v[1]}, v[2], kMap),
               "DECODER4 " + text(v));
    });
    for_all(4, [&](const std::vector<uint8_t> &v) {
        expect(ieee_p_1367372525_sub_890662368_4070434989(P(), v.data(), v[3], kMap),
               ref_decoder({v[0], v[1], v[2]}, v[3], kMap), "DECODER8 " + text(v));
    });
    // VitalDECODER: (2**n - 1 downto 0) for n address bits.
    std::mt19937 rng(11);
    for (int trial = 0; trial < 600; ++trial) {
        const size_t n = 1 + rng() % 6;
        std::vector<uint8_t> data(n);
        for (auto &x : data) x = static_cast<uint8_t>(rng() % 9);
        const uint8_t enable = static_cast<uint8_t>(rng() % 9);
        const array_bounds db = tovu::layout::make_bounds(static_cast<int32_t>(n) + 2, 3, -1);
        array_bounds rb;
        const uint8_t *r = ieee_p_1367372525_sub_3733906378_4070434989(P(), &rb, data.data(), &db, enable, kMap);
        const auto want = ref_decoder(data, enable, kMap);
        ASSERT_EQ(rb.length, static_cast<int32_t>(want.size()));
        EXPECT_EQ(rb.left, rb.length - 1);
        EXPECT_EQ(rb.right, 0);
        EXPECT_EQ(rb.dir, -1);
        expect(r, want, "DECODER " + text(data) + " enable " + kChars[enable]);
    }
    EXPECT_EQ(failures, 0);
    // An empty address gives one 'X', whatever the enable and the map.
    const array_bounds none{0, -1, 1, 0};
    array_bounds rb;
    const uint8_t *r = ieee_p_1367372525_sub_3733906378_4070434989(P(), &rb, nullptr, &none, L1, kMap);
    EXPECT_EQ(rb.length, 1);
    EXPECT_EQ(rb.left, 1);
    EXPECT_EQ(r[0], X);
}

// ---- schedules -----------------------------------------------------------------------
//
// Outside a run NOW is 0: a negative time is past, 0 and later are not.

S sched(const uint8_t *p) { return load(p); }
std::vector<uint8_t> bytes(const S &s) {
    std::vector<uint8_t> b(40);
    std::memcpy(b.data(), &s, 40);
    return b;
}
std::vector<uint8_t> bytes(const std::vector<S> &v) {
    std::vector<uint8_t> b(40 * v.size());
    if (!v.empty()) std::memcpy(b.data(), v.data(), b.size());
    return b;
}

const int64_t kTimes[] = {kTimeLow, -7, -2, 0, 3, 5, 9, kTimeHigh};
S random_sched(std::mt19937 &rng) {
    auto t = [&] { return kTimes[rng() % 8]; };
    return {t(), t(), t(), t(), t()};
}

TEST_F(VitalPrimitives, GlitchMinTimeTakesTheEarlierTimeNotYetPast) {
    struct Case {
        int64_t a, b, want;
    };
    const Case cases[] = {{-3, -1, 0}, {-3, 4, 4}, {4, -3, 4}, {5, 2, 2}, {2, 5, 2}, {0, -1, 0}, {-1, 0, 0},
                          {0, 7, 0},   {kTimeLow, kTimeHigh, kTimeHigh}};
    for (const Case &c : cases)
        EXPECT_EQ(ieee_p_1367372525_sub_801899123_4070434989(P(), c.a, c.b), c.want) << c.a << ", " << c.b;
}

TEST_F(VitalPrimitives, ScheduleOperatorsFollowTheGatesTimingRules) {
    std::mt19937 rng(3);
    for (int trial = 0; trial < 3000; ++trial) {
        const S a = random_sched(rng), b = random_sched(rng);
        const auto ab = bytes(a), bb = bytes(b);
        const S s_and = sched(ieee_p_1367372525_sub_2852316380_4070434989(P(), ab.data(), bb.data()));
        const S s_or = sched(ieee_p_1367372525_sub_3792371914_4070434989(P(), ab.data(), bb.data()));
        const S s_nand = sched(ieee_p_1367372525_sub_1560207530_4070434989(P(), ab.data(), bb.data()));
        const S s_nor = sched(ieee_p_1367372525_sub_3362765528_4070434989(P(), ab.data(), bb.data()));
        const S s_not = sched(ieee_p_1367372525_sub_3288686485_4070434989(P(), ab.data()));
        ASSERT_EQ(s_and, ref_and(a, b, 0)) << str(a) << " and " << str(b);
        ASSERT_EQ(s_or, ref_or(a, b, 0)) << str(a) << " or " << str(b);
        ASSERT_EQ(s_nand, ref_not(ref_and(a, b, 0))) << str(a) << " nand " << str(b);
        ASSERT_EQ(s_nor, ref_not(ref_or(a, b, 0))) << str(a) << " nor " << str(b);
        ASSERT_EQ(s_not, ref_not(a));
        const auto nb = bytes(s_not);
        ASSERT_EQ(sched(ieee_p_1367372525_sub_3288686485_4070434989(P(), nb.data())), a);  // not not a = a
    }
    // `and` of a schedule with itself keeps inp0, inp1 and Glch1, and turns a
    // past InpX and Glch0 into 0.
    const S a{4, 6, -1, -2, 3};
    const auto ab = bytes(a);
    EXPECT_EQ(sched(ieee_p_1367372525_sub_2852316380_4070434989(P(), ab.data(), ab.data())), (S{4, 6, 0, 0, 3}));
}

TEST_F(VitalPrimitives, ExclusiveScheduleFormsAreSymmetricAndAgreeAcrossWidths) {
    std::mt19937 rng(5);
    auto xor2 = [&](const S &ab, const S &ai, const S &bb, const S &bi, bool xnor) {
        const auto p = bytes(ab), q = bytes(ai), r = bytes(bb), s = bytes(bi);
        return sched(xnor ? ieee_p_1367372525_sub_3940177659_4070434989(P(), p.data(), q.data(), r.data(), s.data())
                          : ieee_p_1367372525_sub_2159428141_4070434989(P(), p.data(), q.data(), r.data(), s.data()));
    };
    auto xor_vector = [&](const std::vector<S> &b, const std::vector<S> &i, bool xnor) {
        const auto bb = bytes(b), ib = bytes(i);
        const int32_t n = static_cast<int32_t>(b.size());
        const array_bounds range = tovu::layout::make_bounds(1, n, 1);
        return sched(xnor ? ieee_p_1367372525_sub_2217057241_4070434989(P(), bb.data(), &range, ib.data(), &range)
                          : ieee_p_1367372525_sub_2813847755_4070434989(P(), bb.data(), &range, ib.data(), &range));
    };
    for (int trial = 0; trial < 1000; ++trial) {
        S b[3], i[3];
        for (int k = 0; k < 3; ++k) b[k] = random_sched(rng), i[k] = random_sched(rng);
        for (bool xnor : {false, true}) {
            // a xor b = b xor a.
            ASSERT_EQ(xor2(b[0], i[0], b[1], i[1], xnor), xor2(b[1], i[1], b[0], i[0], xnor));
            // The vector form over two inputs is the two-input form, over
            // three the three-input form (XOR below the last input, XNOR there).
            ASSERT_EQ(xor_vector({b[0], b[1]}, {i[0], i[1]}, xnor), xor2(b[0], i[0], b[1], i[1], xnor));
            const auto p = bytes(b[0]), q = bytes(i[0]), r = bytes(b[1]), s = bytes(i[1]), t = bytes(b[2]),
                       u = bytes(i[2]);
            const S three = sched(xnor ? ieee_p_1367372525_sub_3465846706_4070434989(P(), p.data(), q.data(), r.data(),
                                                                                     s.data(), t.data(), u.data())
                                       : ieee_p_1367372525_sub_1685097188_4070434989(P(), p.data(), q.data(), r.data(),
                                                                                     s.data(), t.data(), u.data()));
            ASSERT_EQ(xor_vector({b[0], b[1], b[2]}, {i[0], i[1], i[2]}, xnor), three);
            const S x = xor2(b[0], i[0], b[1], i[1], false), y = xor2(i[0], b[0], i[1], b[1], false);
            ASSERT_EQ(three, xor2(x, y, b[2], i[2], xnor));
            // One input: XOR is a buffer (its buffered schedule), XNOR an
            // inverter (its inverted schedule, inverted); no input: never.
            ASSERT_EQ(xor_vector({b[0]}, {i[0]}, xnor), xnor ? ref_not(i[0]) : b[0]);
            ASSERT_EQ(xor_vector({}, {}, xnor), (S{kTimeHigh, kTimeHigh, 0, 0, 0}));
        }
    }
    // Positions count from each array's left end in its own direction: the
    // same records ranged (1 to n), (n downto 1), (n+4 downto 5) or (0 to
    // n-1) give the same schedule, for three inputs that of VitalXOR3.
    for (int32_t n = 3; n <= 6; ++n) {
        std::vector<S> b(static_cast<size_t>(n)), i(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k)
            b[static_cast<size_t>(k)] = random_sched(rng), i[static_cast<size_t>(k)] = random_sched(rng);
        const auto bb = bytes(b), ib = bytes(i);
        const array_bounds ranges[4] = {tovu::layout::make_bounds(1, n, 1), tovu::layout::make_bounds(n, 1, -1),
                                        tovu::layout::make_bounds(n + 4, 5, -1),
                                        tovu::layout::make_bounds(0, n - 1, 1)};
        for (bool xnor : {false, true}) {
            const S want = xor_vector(b, i, xnor);
            if (n == 3) {
                const auto q = bytes(b[0]), r = bytes(i[0]), t = bytes(b[1]), u = bytes(i[1]), v = bytes(b[2]),
                           w = bytes(i[2]);
                ASSERT_EQ(want, sched(xnor ? ieee_p_1367372525_sub_3465846706_4070434989(
                                                 P(), q.data(), r.data(), t.data(), u.data(), v.data(), w.data())
                                           : ieee_p_1367372525_sub_1685097188_4070434989(
                                                 P(), q.data(), r.data(), t.data(), u.data(), v.data(), w.data())));
            }
            for (const array_bounds &range : ranges) {
                const S got = sched(
                    xnor ? ieee_p_1367372525_sub_2217057241_4070434989(P(), bb.data(), &range, ib.data(), &range)
                         : ieee_p_1367372525_sub_2813847755_4070434989(P(), bb.data(), &range, ib.data(), &range));
                ASSERT_EQ(got, want) << (xnor ? "XNOR" : "XOR") << " of " << n << " ranged " << range.left
                                     << (range.dir > 0 ? " to " : " downto ") << range.right;
            }
        }
    }
    // Arrays of different lengths are a failed check.
    const auto two = bytes(std::vector<S>(2)), three = bytes(std::vector<S>(3));
    const array_bounds b2{1, 2, 1, 2}, b3{1, 3, 1, 3};
    EXPECT_THROW(ieee_p_1367372525_sub_2813847755_4070434989(P(), three.data(), &b3, two.data(), &b2), CheckFailure);
}

TEST_F(VitalPrimitives, PathAndEnableUpdatesByEdge) {
    // tr01 = 5, tr10 = 3; the 01Z delays tr01 5, tr10 3, tr0z 11, trz1 13, tr1z 17, trz0 19.
    const int64_t tpd[2] = {5, 3}, tpd_z[6] = {5, 3, 11, 13, 17, 19};
    const S start{-1, -2, -3, -4, -5};
    const int64_t H = kTimeHigh;
    struct Case {
        uint8_t edge;
        S buf, inv;  // expected after BufPath, InvPath
    };
    // Rising: the output reaches '1' after the rise delay, which is also
    // when a glitch to '1' and an X may show; falling the same for '0'; to
    // an unknown value only InpX moves ('x' by the smaller delay).
    const Case cases[] = {
        {kEdgeRise, {H, 5, 5, -4, 5}, {H, 3, 3, -4, 3}},      {kEdgeToOne, {H, 5, 5, -4, 5}, {H, 3, 3, -4, 3}},
        {kEdgeFall, {3, H, 3, 3, -5}, {5, H, 5, 5, -5}},      {kEdgeToZero, {3, H, 3, 3, -5}, {5, H, 5, 5, -5}},
        {kEdgeZeroToX, {H, H, 5, -4, -5}, {H, H, 3, -4, -5}}, {kEdgeOneToX, {H, H, 3, -4, -5}, {H, H, 5, -4, -5}},
        {kEdgeUnknown, {H, H, 3, -4, -5}, {H, H, 3, -4, -5}}, {kEdgeU, start, start},
        {kEdgeX, start, start},                               {kEdge0, start, start},
        {kEdge1, start, start},                               {kEdgeViolation, start, start},
    };
    for (const Case &c : cases) {
        auto b = bytes(start), i = bytes(start);
        ieee_p_1367372525_sub_2819976785_4070434989(P(), nullptr, b.data(), c.edge, tpd);
        ieee_p_1367372525_sub_827555649_4070434989(P(), nullptr, i.data(), c.edge, tpd);
        EXPECT_EQ(sched(b.data()), c.buf) << "BufPath, edge " << int(c.edge);
        EXPECT_EQ(sched(i.data()), c.inv) << "InvPath, edge " << int(c.edge);
        // The enables: rising (active high) means turning on, towards '1'
        // after trz1 and '0' after trz0; falling turns off after tr1z/tr0z;
        // InvEnab the other way round; 'x' takes the data delays.
        auto e1 = bytes(start), e0 = bytes(start), n1 = bytes(start), n0 = bytes(start);
        ieee_p_1367372525_sub_2732900579_4070434989(P(), nullptr, e1.data(), e0.data(), c.edge, tpd_z);
        ieee_p_1367372525_sub_740479443_4070434989(P(), nullptr, n1.data(), n0.data(), c.edge, tpd_z);
        auto enab = [&](int64_t rise, int64_t fall) -> S {
            const int64_t d2[2] = {rise, fall};
            auto s = bytes(start);
            ieee_p_1367372525_sub_2819976785_4070434989(P(), nullptr, s.data(), c.edge, d2);
            S r = sched(s.data());
            if (c.edge == kEdgeUnknown) r.inpx = 3;
            return r;
        };
        EXPECT_EQ(sched(e1.data()), enab(13, 17)) << "BufEnab 1, edge " << int(c.edge);
        EXPECT_EQ(sched(e0.data()), enab(19, 11)) << "BufEnab 0, edge " << int(c.edge);
        EXPECT_EQ(sched(n1.data()), enab(17, 13)) << "InvEnab 1, edge " << int(c.edge);
        EXPECT_EQ(sched(n0.data()), enab(11, 19)) << "InvEnab 0, edge " << int(c.edge);
    }
    // The vector forms apply the rule element by element, by index.
    std::vector<S> arr(3, start);
    auto ab = bytes(arr);
    const uint8_t edges[3] = {kEdgeRise, kEdge1, kEdgeFall};
    const int64_t tpds[6] = {1, 2, 3, 4, 5, 6};
    const array_bounds sb{2, 0, -1, 3}, eb{2, 0, -1, 3}, tb{2, 0, -1, 3};
    ieee_p_1367372525_sub_3111600860_4070434989(P(), nullptr, ab.data(), &sb, edges, &eb, tpds, &tb);
    EXPECT_EQ(sched(ab.data()), (S{H, 1, 1, -4, 1}));
    EXPECT_EQ(sched(ab.data() + 40), start);
    EXPECT_EQ(sched(ab.data() + 80), (S{6, H, 6, 6, -5}));
    // An edge array shorter than the schedules is a failed check.
    const array_bounds short_b{1, 0, -1, 2};
    EXPECT_THROW(ieee_p_1367372525_sub_1119179724_4070434989(P(), nullptr, ab.data(), &sb, edges, &short_b, tpds, &tb),
                 CheckFailure);
}

TEST_F(VitalPrimitives, ScheduledDelayByTheNewValue) {
    const S s{4, 6, 8, 3, 5};
    const auto sb = bytes(s);
    struct Case {
        uint8_t new_value, cur_value;
        int64_t delay, glitch;
    };
    // '0': inp0 with a glitch from Glch1; '1': inp1 with Glch0; unknown:
    // InpX without glitch; a current value other than the new one (as raw
    // values: 'H' is not '1') means no glitch.
    const Case cases[] = {{L0, L0, 4, 5}, {WL, WL, 4, 5}, {L1, L1, 6, 3}, {WH, L1, 6, -1000},
                          {L0, L1, 4, -1000}, {X, X, 8, -1000}, {U, U, 8, -1000}, {Z, Z, 8, -1000}};
    for (const Case &c : cases) {
        int64_t d, g;
        ieee_p_1367372525_sub_2543757985_4070434989(P(), nullptr, &d, &g, c.new_value, c.cur_value, sb.data());
        EXPECT_EQ(d, c.delay) << kChars[c.new_value] << " from " << kChars[c.cur_value];
        EXPECT_EQ(g, c.glitch) << kChars[c.new_value] << " from " << kChars[c.cur_value];
    }
    // A schedule never set (TIME'LEFT) gives TIME'LEFT, not an overflow.
    const auto never = bytes(S{kTimeLow, kTimeLow, kTimeLow, kTimeLow, kTimeLow});
    int64_t d, g;
    ieee_p_1367372525_sub_2543757985_4070434989(P(), nullptr, &d, &g, L0, L0, never.data());
    EXPECT_EQ(d, kTimeLow);
    EXPECT_EQ(g, kTimeLow);

    // The vector form pairs elements from the right end of each array.
    const std::vector<S> three = {{10, 11, 12, 13, 14}, {20, 21, 22, 23, 24}, s};
    const auto tb = bytes(three);
    const array_bounds b3{0, 2, 1, 3}, b2{1, 0, -1, 2};
    const uint8_t nv[3] = {L1, L0, L1}, cv[2] = {L1, L1};
    int64_t nd[2], gd[2];
    ieee_p_1367372525_sub_2959442363_4070434989(P(), nullptr, nd, &b2, gd, &b2, nv + 1, &b2, cv, &b2, tb.data() + 40,
                                                &b2);
    EXPECT_EQ(nd[0], 20);  // '0' with the middle schedule
    EXPECT_EQ(gd[0], -1000);
    EXPECT_EQ(nd[1], 6);  // '1' with the last one, current '1': Glch0
    EXPECT_EQ(gd[1], 3);
    // A shorter value array is a failed check, not a read past it.
    const array_bounds b1{0, 0, 1, 1};
    EXPECT_THROW(ieee_p_1367372525_sub_2959442363_4070434989(P(), nullptr, nd, &b2, gd, &b2, nv, &b1, cv, &b2,
                                                             tb.data(), &b3),
                 CheckFailure);
}

TEST_F(VitalPrimitives, TriStateDelayByCurrentAndNewValue) {
    const S d{101, 102, 103, 104, 105}, e1{201, 202, 203, 204, 205}, e0{301, 302, 303, 304, 305};
    const auto db = bytes(d), e1b = bytes(e1), e0b = bytes(e0);
    struct Case {
        uint8_t cur, nw;
        int64_t delay, glitch;
    };
    // NOW is 0, so every time here lies ahead and GlitchMinTime is the minimum.
    const Case cases[] = {
        {L0, L0, 302, 105}, {L0, L1, 202, 204}, {L0, Z, 301, 105}, {L0, X, 203, 0},  // from '0'
        {L1, L0, 302, 304}, {L1, L1, 202, 104}, {L1, Z, 201, 104}, {L1, X, 303, 0},  // from '1'
        {Z, L0, 302, 202},  {Z, L1, 202, 302},  {Z, X, 203, 0},    {Z, Z, 303, 0},   // from 'Z'
        {X, L0, 302, 0},    {X, L1, 202, 0},    {X, Z, 303, 0},    {X, X, 203, 0},   // from 'X'
        {WL, WH, 202, 204}, {DC, W, 203, 0},  // reduced to X01Z first
    };
    for (const Case &c : cases) {
        int64_t nd, gd;
        ieee_p_1367372525_sub_2143903942_4070434989(P(), nullptr, &nd, &gd, c.nw, c.cur, db.data(), e1b.data(),
                                                    e0b.data());
        EXPECT_EQ(nd, c.delay) << kChars[c.cur] << " -> " << kChars[c.nw];
        EXPECT_EQ(gd, c.glitch) << kChars[c.cur] << " -> " << kChars[c.nw];
    }
}

TEST_F(VitalPrimitives, CurrentValueOfAGlitchRecord) {
    // SchedTime, GlitchTime, SchedValue, CurrentValue at NOW = 0.
    auto record = [](int64_t sched, int64_t glitch, uint8_t sv, uint8_t cv) {
        std::vector<uint8_t> r(24, 0);
        std::memcpy(r.data(), &sched, 8);
        std::memcpy(r.data() + 8, &glitch, 8);
        r[16] = sv;
        r[17] = cv;
        return r;
    };
    EXPECT_EQ(ieee_p_1367372525_sub_1321872912_4070434989(P(), record(0, -5, L1, L0).data()), L1);  // due now
    EXPECT_EQ(ieee_p_1367372525_sub_1321872912_4070434989(P(), record(5, 0, L1, L0).data()), X);    // glitch on
    EXPECT_EQ(ieee_p_1367372525_sub_1321872912_4070434989(P(), record(5, 3, L1, L0).data()), L0);   // pending
    std::vector<uint8_t> arr = record(0, -5, L1, L0);
    const auto second = record(5, 3, L1, WH);
    arr.insert(arr.end(), second.begin(), second.end());
    const array_bounds b{7, 6, -1, 2};
    array_bounds rb;
    const uint8_t *r = ieee_p_1367372525_sub_2531918842_4070434989(P(), &rb, arr.data(), &b);
    EXPECT_EQ(r[0], L1);
    EXPECT_EQ(r[1], WH);
    EXPECT_EQ(rb.left, 7);
    EXPECT_EQ(rb.right, 6);
    EXPECT_EQ(rb.length, 2);
}

TEST_F(VitalPrimitives, MultiplexerAndDecoderSchedulesCombineTheirInputs) {
    std::mt19937 rng(9);
    const S def_and{kTimeHigh, 0, 0, kTimeHigh, 0};
    auto mux2 = [&](const S &d1, const S &d0, const S &sb, const S &si) {
        return ref_or(ref_and(d1, sb, 0), ref_and(d0, ref_not(si), 0), 0);
    };
    for (int trial = 0; trial < 500; ++trial) {
        std::vector<S> data(4), sb(2), si(2);
        for (auto &s : data) s = random_sched(rng);
        for (auto &s : sb) s = random_sched(rng);
        for (auto &s : si) s = random_sched(rng);
        const auto dbytes = bytes(data), sbytes = bytes(sb), ibytes = bytes(si);
        // VitalMUX4, Data(3) first: select bit 1 picks between the halves.
        const S want4 = ref_or(ref_and(sb[0], mux2(data[0], data[1], sb[1], si[1]), 0),
                               ref_and(ref_not(si[0]), mux2(data[2], data[3], sb[1], si[1]), 0), 0);
        ASSERT_EQ(sched(ieee_p_1367372525_sub_1334159657_4070434989(P(), dbytes.data(), sbytes.data(), ibytes.data())),
                  want4);
        // VitalMUX with three data schedules fills the missing fourth with
        // DefSchedAnd; with five it drops the leftmost.
        const array_bounds d3{3, 1, -1, 3}, s2{2, 1, -1, 2};
        const std::vector<S> padded = {def_and, data[1], data[2], data[3]};
        const auto pbytes = bytes(padded);
        EXPECT_EQ(sched(ieee_p_1367372525_sub_2549639725_4070434989(P(), dbytes.data() + 40, &d3, sbytes.data(), &s2,
                                                                    ibytes.data(), &s2)),
                  sched(ieee_p_1367372525_sub_1334159657_4070434989(P(), pbytes.data(), sbytes.data(), ibytes.data())));
        std::vector<S> five = {random_sched(rng)};
        five.insert(five.end(), data.begin(), data.end());
        const auto fbytes = bytes(five);
        const array_bounds d5{5, 1, -1, 5};
        EXPECT_EQ(sched(ieee_p_1367372525_sub_2549639725_4070434989(P(), fbytes.data(), &d5, sbytes.data(), &s2,
                                                                    ibytes.data(), &s2)),
                  want4);
        // The decoders: each output the enable `and` per address bit the bit's
        // buffered schedule or its inverted one, inverted.
        const S en = random_sched(rng);
        const auto enb = bytes(en);
        array_bounds rb;
        const uint8_t *r4 = ieee_p_1367372525_sub_1145282600_4070434989(P(), &rb, sbytes.data(), ibytes.data(), enb.data());
        EXPECT_EQ(rb.left, 3);
        EXPECT_EQ(rb.length, 4);
        for (int i = 3; i >= 0; --i) {
            S want = en;
            for (int k = 1; k >= 0; --k) want = ref_and(want, (i >> k) & 1 ? sb[1 - k] : ref_not(si[1 - k]), 0);
            EXPECT_EQ(sched(r4 + 40 * (3 - i)), want) << "output " << i;
        }
        // VitalDECODER over two bits agrees with VitalDECODER4.
        const array_bounds a2{1, 0, -1, 2};
        const uint8_t *rv = ieee_p_1367372525_sub_23007260_4070434989(P(), &rb, sbytes.data(), &a2, ibytes.data(), &a2,
                                                                      enb.data());
        EXPECT_EQ(std::memcmp(rv, r4, 160), 0);
    }
    // A one-bit address: two records (1 downto 0); none: DefSchedArray2.
    const S zero{0, 0, 0, 0, 0};
    const auto z = bytes(zero);
    const array_bounds a1{0, 0, 1, 1}, a0{0, -1, 1, 0};
    array_bounds rb;
    ieee_p_1367372525_sub_23007260_4070434989(P(), &rb, z.data(), &a1, z.data(), &a1, z.data());
    EXPECT_EQ(rb.left, 1);
    EXPECT_EQ(rb.right, 0);
    EXPECT_EQ(rb.length, 2);
    const uint8_t *empty = ieee_p_1367372525_sub_23007260_4070434989(P(), &rb, nullptr, &a0, nullptr, &a0, z.data());
    EXPECT_EQ(rb.length, 2);
    EXPECT_EQ(sched(empty), zero);
    EXPECT_EQ(sched(empty + 40), zero);
    // Four bits: sixteen outputs, the top bit's '1' half first.
    std::vector<S> b4(4), i4(4);
    for (int k = 0; k < 4; ++k) b4[k] = random_sched(rng), i4[k] = random_sched(rng);
    const auto bb4 = bytes(b4), ib4 = bytes(i4);
    const array_bounds a4{3, 0, -1, 4}, a3{2, 0, -1, 3};
    const uint8_t *r16 = ieee_p_1367372525_sub_23007260_4070434989(P(), &rb, bb4.data(), &a4, ib4.data(), &a4, z.data());
    ASSERT_EQ(rb.length, 16);
    EXPECT_EQ(rb.left, 15);
    const std::vector<uint8_t> top = bytes(ref_and(zero, b4[0], 0));
    array_bounds hb;
    const uint8_t *high = ieee_p_1367372525_sub_23007260_4070434989(P(), &hb, bb4.data() + 40, &a3, ib4.data() + 40,
                                                                    &a3, top.data());
    EXPECT_EQ(std::memcmp(r16, high, 8 * 40), 0);
}

TEST_F(VitalPrimitives, MultiplexerScheduleOfAnyWidthFollowsTheSelectedLine) {
    // Selects settled long ago (their schedules in the past) and data lines
    // with pending changes: the output reaches '0' and '1' when the line the
    // select value picks does, for 1 to 6 selects. Line j (position j + 1 of
    // the view, counted from the right) is due at '0' at 100 + 2j, at '1' at
    // 101 + 2j.
    const int64_t past = -5;
    const S one_b{kTimeHigh, past, past, past, past}, one_i{kTimeHigh, past - 1, past - 1, past, past - 1};
    const S zero_b{past, kTimeHigh, past, past, past}, zero_i{past - 1, kTimeHigh, past - 1, past - 1, past};
    std::mt19937 rng(13);
    for (uint32_t s = 1; s <= 6; ++s) {
        const uint32_t n = 1u << s;
        std::vector<S> data(n);
        for (uint32_t j = 0; j < n; ++j) {
            const int64_t t = 100 + 2 * static_cast<int64_t>(j);
            data[n - 1 - j] = {t, t + 1, 200, 300, 400};
        }
        const auto dbytes = bytes(data);
        for (uint32_t trial = 0; trial < 2 * n; ++trial) {
            const uint32_t pick = trial < n ? trial : static_cast<uint32_t>(rng() % n);
            std::vector<S> sb(s), si(s);  // the top select first
            for (uint32_t k = 0; k < s; ++k) {
                const bool bit = (pick >> (s - 1 - k)) & 1;
                sb[k] = bit ? one_b : zero_b;
                si[k] = bit ? one_i : zero_i;
            }
            const auto sbytes = bytes(sb), ibytes = bytes(si);
            const array_bounds db = tovu::layout::make_bounds(static_cast<int32_t>(n), 1, -1);
            const array_bounds sbb = tovu::layout::make_bounds(static_cast<int32_t>(s) - 1, 0, -1);
            const S got = sched(ieee_p_1367372525_sub_2549639725_4070434989(P(), dbytes.data(), &db, sbytes.data(),
                                                                            &sbb, ibytes.data(), &sbb));
            ASSERT_EQ(got.inp0, 100 + 2 * int64_t{pick}) << s << " selects, line " << pick << ": " << str(got);
            ASSERT_EQ(got.inp1, 101 + 2 * int64_t{pick}) << s << " selects, line " << pick << ": " << str(got);
            // VInterMux itself takes its operands by position: ranged (1 to
            // length) they give the same schedule.
            const array_bounds da = tovu::layout::make_bounds(1, static_cast<int32_t>(n), 1);
            const array_bounds sa = tovu::layout::make_bounds(1, static_cast<int32_t>(s), 1);
            ASSERT_EQ(sched(ieee_p_1367372525_sub_621502274_4070434989(P(), dbytes.data(), &da, sbytes.data(), &sa,
                                                                       ibytes.data(), &sa)),
                      got)
                << s << " selects, line " << pick;
        }
    }
}

// ---- truth and state tables ------------------------------------------------------------

const std::string kSymbols = "/\\PNrfpnRF^vEAD*X01-BZS";

struct Table {
    std::vector<uint8_t> data;
    array_bounds b[2];
    explicit Table(const std::vector<std::string> &rows) {
        const int32_t n = static_cast<int32_t>(rows.size()), m = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
        for (const auto &r : rows)
            for (char c : r) data.push_back(static_cast<uint8_t>(kSymbols.find(c)));
        b[0] = tovu::layout::make_bounds(1, n, 1);
        b[1] = tovu::layout::make_bounds(0, m - 1, 1);
    }
};

// A truth-table symbol against an input value (after To_X01).
bool truth_matches(char symbol, uint8_t v) {
    v = x01(v);
    switch (symbol) {
        case 'X': return v == X;
        case '0': return v == L0;
        case '1': return v == L1;
        case '-': return true;
        case 'B': return v != X;
        default: return false;
    }
}
uint8_t truth_output(char symbol) { return symbol == '0' ? L0 : symbol == '1' ? L1 : symbol == 'Z' ? Z : X; }

TEST_F(VitalPrimitives, TruthTableTakesTheFirstMatchingRow) {
    // Two inputs, two outputs; '-' and 'B' as don't-cares, a 'Z' and an 'X'
    // output, and two rows that can both match.
    const std::vector<std::string> rows = {"00Z1", "1B10", "-1X0", "X-0Z", "--11"};
    const Table t(rows);
    for_all(2, [&](const std::vector<uint8_t> &in) {
        std::vector<uint8_t> want = {X, X};
        for (const auto &r : rows)
            if (truth_matches(r[0], in[0]) && truth_matches(r[1], in[1])) {
                want = {truth_output(r[2]), truth_output(r[3])};
                break;
            }
        const array_bounds ib{0, 1, 1, 2};
        array_bounds rb;
        const uint8_t *got = ieee_p_1367372525_sub_669306805_4070434989(P(), &rb, t.data.data(), t.b, in.data(), &ib);
        EXPECT_EQ(rb.left, 1);
        EXPECT_EQ(rb.dir, -1);
        EXPECT_EQ(logic_vector::chars(got, 2), text(want)) << "inputs " << text(in);
        // The std_ulogic form: the last output column, and a warning that
        // the table has more outputs.
        EXPECT_EQ(ieee_p_1367372525_sub_3829785817_4070434989(P(), t.data.data(), t.b, in.data(), &ib), want[1]);
    });
    EXPECT_TRUE(messages().size() == 81u);
    for (const auto &r : tovu::testing::reports()) {
        EXPECT_EQ(r.message, "VitalTruthTable: Result of Truth/State table has too few elements.");
        EXPECT_EQ(r.severity, kWarning);
    }
}

TEST_F(VitalPrimitives, TruthTableErrors) {
    const uint8_t in[2] = {L1, L0};
    const array_bounds ib{0, 1, 1, 2};
    array_bounds rb;
    // An illegal input symbol ends the search: all 'X' though a later row matches.
    const Table bad_input({"Z00", "100"});
    const uint8_t *r = ieee_p_1367372525_sub_669306805_4070434989(P(), &rb, bad_input.data.data(), bad_input.b, in, &ib);
    EXPECT_EQ(r[0], X);
    // An illegal output symbol in the matched row: all 'X'.
    const Table bad_output({"1011B"});
    r = ieee_p_1367372525_sub_669306805_4070434989(P(), &rb, bad_output.data.data(), bad_output.b, in, &ib);
    EXPECT_EQ(logic_vector::chars(r, 3), "XXX");
    // No output column: a null result; the std_ulogic form 'X'.
    const Table narrow({"10"});
    ieee_p_1367372525_sub_669306805_4070434989(P(), &rb, narrow.data.data(), narrow.b, in, &ib);
    EXPECT_EQ(rb.length, 0);
    EXPECT_EQ(ieee_p_1367372525_sub_3829785817_4070434989(P(), narrow.data.data(), narrow.b, in, &ib), X);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "VitalTruthTable: Illegal symbol in the input portion of a Truth/State table.Z",
                              "VitalTruthTable: Illegal symbol in the output portion of a Truth/State table.B",
                              "VitalTruthTable: Width of the Truth/State table is too small.",
                              "VitalTruthTable: Width of the Truth/State table is too small.",
                          }));
    // A byte that is no table symbol is a failed check, not a table read.
    Table wild({"10X"});
    wild.data[0] = 40;
    EXPECT_THROW(ieee_p_1367372525_sub_669306805_4070434989(P(), &rb, wild.data.data(), wild.b, in, &ib), CheckFailure);
}

// The state-table symbols by their definitions: the edges as (last, present)
// X01 transitions, the levels by the present value, 'S' for no change.
bool state_matches(char symbol, uint8_t last, uint8_t present) {
    const std::string t = std::string(1, kChars[last]) + kChars[present];
    auto any_of = [&](std::initializer_list<const char *> edges) {
        for (const char *e : edges)
            if (t == e) return true;
        return false;
    };
    switch (symbol) {
        case '/': return any_of({"01"});
        case '\\': return any_of({"10"});
        case 'P': return any_of({"01", "X1"});
        case 'N': return any_of({"10", "X0"});
        case 'r': return any_of({"0X"});
        case 'f': return any_of({"1X"});
        case 'p': return any_of({"01", "0X"});
        case 'n': return any_of({"10", "1X"});
        case 'R': return any_of({"01", "0X", "X1"});
        case 'F': return any_of({"10", "1X", "X0"});
        case '^': return any_of({"X1"});
        case 'v': return any_of({"X0"});
        case 'E': return any_of({"X0", "X1"});
        case 'A': return any_of({"0X", "X1"});
        case 'D': return any_of({"1X", "X0"});
        case '*': return last != present;
        case 'S': return last == present;
        default: return truth_matches(symbol, present);
    }
}

TEST_F(VitalPrimitives, StateMatchFollowsTheSymbolDefinitions) {
    for (size_t s = 0; s < kSymbols.size(); ++s) {
        const char c = kSymbols[s];
        const bool edge = s < 16;
        for (uint8_t last : {X, L0, L1})
            for (uint8_t present : {X, L0, L1}) {
                uint8_t err = 9, match = 9;
                ieee_p_1367372525_sub_1687454899_4070434989(P(), nullptr, static_cast<uint8_t>(s), present, last, 0,
                                                            &err, &match);
                // Input columns take every symbol but 'Z'.
                EXPECT_EQ(err, c == 'Z') << c;
                EXPECT_EQ(match, c != 'Z' && state_matches(c, last, present))
                    << c << " " << kChars[last] << "->" << kChars[present];
                // State columns take only the levels X 0 1 - B.
                ieee_p_1367372525_sub_1687454899_4070434989(P(), nullptr, static_cast<uint8_t>(s), present, last, 1,
                                                            &err, &match);
                const bool legal = !edge && c != 'Z' && c != 'S';
                EXPECT_EQ(err, !legal) << c;
                EXPECT_EQ(match, legal && state_matches(c, last, present)) << c;
            }
    }
    // Each illegal symbol met is reported with its character.
    EXPECT_EQ(tovu::testing::reports().front().message,
              "VitalStateTable: Illegal symbol in the state portion of a State table./");
}

TEST_F(VitalPrimitives, StateTableVariableFormIsAFlipFlop) {
    // (D, CLK, Q | Q+): Q takes D at a rising clock and keeps its value
    // otherwise ('S' in an output column).
    const Table dff({"0/-0", "1/-1", "---S"});
    uint8_t q = U;
    std::vector<uint8_t> prev = {X, X};
    const array_bounds pb{0, 1, 1, 2}, ib{1, 0, -1, 2};
    uint8_t model = X;  // the reference: To_X01 of Q as the table reads it
    uint8_t last_clk = X;
    std::mt19937 rng(13);
    for (int step = 0; step < 300; ++step) {
        const uint8_t in[2] = {static_cast<uint8_t>(rng() % 9), static_cast<uint8_t>(rng() % 4 == 0 ? rng() % 9 : L0 + rng() % 2)};
        const uint8_t clk = x01(in[1]);
        // At a rising clock a known D is taken; otherwise (an unknown D too)
        // the last row keeps Q.
        if (last_clk == L0 && clk == L1 && x01(in[0]) != X) model = x01(in[0]);
        last_clk = clk;
        ieee_p_1367372525_sub_1778190455_4070434989(P(), nullptr, &q, prev.data(), &pb, dff.data.data(), dff.b, in, &ib);
        ASSERT_EQ(q, model) << "step " << step << " D " << kChars[in[0]] << " CLK " << kChars[in[1]];
        ASSERT_EQ(prev[0], x01(in[0]));
        ASSERT_EQ(prev[1], clk);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(VitalPrimitives, StateTableAlignsItsOutputsAndReportsWidths) {
    // One input, no state column, two outputs.
    const Table t({"1-10", "0-01"});
    const uint8_t in[1] = {L1};
    const array_bounds ib{0, 0, 1, 1};
    std::vector<uint8_t> prev = {X};
    const array_bounds pb{0, 0, 1, 1};
    // A narrower result drops the leftmost output; a wider one gets 'X' at its left.
    uint8_t r1[1] = {L0};
    const array_bounds b1{0, 0, 1, 1};
    ieee_p_1367372525_sub_1289605765_4070434989(P(), nullptr, r1, &b1, prev.data(), &pb, t.data.data(), t.b, in, &ib, 1);
    EXPECT_EQ(r1[0], L0);
    uint8_t r3[3] = {L0, L0, L0};
    const array_bounds b3{0, 2, 1, 3};
    ieee_p_1367372525_sub_1289605765_4070434989(P(), nullptr, r3, &b3, prev.data(), &pb, t.data.data(), t.b, in, &ib, 1);
    EXPECT_EQ(logic_vector::chars(r3, 3), "X10");
    // PreviousDataIn shorter than DataIn: all 'X', PreviousDataIn kept.
    const uint8_t in2[2] = {L1, L1};
    const array_bounds ib2{0, 1, 1, 2};
    prev = {L0};
    ieee_p_1367372525_sub_1289605765_4070434989(P(), nullptr, r3, &b3, prev.data(), &pb, t.data.data(), t.b, in2, &ib2, 0);
    EXPECT_EQ(logic_vector::chars(r3, 3), "XXX");
    EXPECT_EQ(prev[0], L0);
    // A table without output columns.
    const Table narrow({"11"});
    ieee_p_1367372525_sub_1289605765_4070434989(P(), nullptr, r1, &b1, prev.data(), &pb, narrow.data.data(), narrow.b,
                                                in, &ib, 1);
    EXPECT_EQ(r1[0], X);
    // An illegal input symbol skips its row each time it is reached; an
    // illegal output in the matched row gives all 'X'.
    const Table skip({"Z-1", "1-0", "0-*"});
    r1[0] = L1;
    ieee_p_1367372525_sub_1289605765_4070434989(P(), nullptr, r1, &b1, prev.data(), &pb, skip.data.data(), skip.b, in, &ib, 1);
    EXPECT_EQ(r1[0], L0);
    const uint8_t zero[1] = {L0};
    ieee_p_1367372525_sub_1289605765_4070434989(P(), nullptr, r1, &b1, prev.data(), &pb, skip.data.data(), skip.b, zero,
                                                &ib, 1);
    EXPECT_EQ(r1[0], X);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "VitalStateTable: Result of Truth/State table has too few elements.",
                              "VitalStateTable: Result of Truth/State table has too many elements.",
                              "VitalStateTable: Vector (array) lengths not equal. PreviousDataIn<DataIn",
                              "VitalStateTable: Width of the Truth/State table is too small.",
                              "VitalStateTable: Illegal symbol in the input portion of a Truth/State table.Z",
                              "VitalStateTable: Illegal symbol in the input portion of a Truth/State table.Z",
                              "VitalStateTable: Illegal symbol in the output portion of a Truth/State table.*",
                          }));
    EXPECT_EQ(tovu::testing::reports()[3].severity, kError);
}

TEST_F(VitalPrimitives, StateTableLookUpReadsThePresentOutputsAsStates) {
    // (D, Q | Q+) with one state column: a toggle when D = 1, keep when 0.
    const Table t({"10" "1", "11" "0", "0-S"});
    const uint8_t one[1] = {L1}, zero[1] = {L0}, prev_in[1] = {X};
    const array_bounds b1{0, 0, 1, 1};
    for (uint8_t q : {L0, L1, X}) {
        array_bounds rb;
        const uint8_t qv[1] = {q};
        const uint8_t *r = ieee_p_1367372525_sub_554835078_4070434989(P(), &rb, t.data.data(), t.b, one, &b1, prev_in,
                                                                      &b1, 1, qv, &b1);
        EXPECT_EQ(rb.length, 1);
        EXPECT_EQ(r[0], q == L0 ? L1 : q == L1 ? L0 : X) << kChars[q];
        r = ieee_p_1367372525_sub_554835078_4070434989(P(), &rb, t.data.data(), t.b, zero, &b1, prev_in, &b1, 1, qv, &b1);
        EXPECT_EQ(r[0], q) << kChars[q];
    }
    // Fewer present outputs than state columns is a failed check.
    const array_bounds none{0, -1, 1, 0};
    array_bounds rb;
    EXPECT_THROW(ieee_p_1367372525_sub_554835078_4070434989(P(), &rb, t.data.data(), t.b, one, &b1, prev_in, &b1, 1,
                                                           nullptr, &none),
                 CheckFailure);
    // A present output that only an 'S' output reads (no state columns) is
    // checked to be a std_ulogic value, not looked up as it comes.
    const Table keep({"0S"});
    const uint8_t bad[1] = {200};
    EXPECT_THROW(ieee_p_1367372525_sub_554835078_4070434989(P(), &rb, keep.data.data(), keep.b, zero, &b1, prev_in,
                                                           &b1, 0, bad, &b1),
                 CheckFailure);
}

}  // namespace
