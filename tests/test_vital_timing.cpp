// VITAL_Timing: delay selection, delay extension, messages, the timing-check
// core and its reports called directly with the package's real design data;
// wire and path delays, glitch handling, the timing checks and the skew checks
// in a small test bench whose inputs the kernel drives.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_2717149903.h"
#include "units/globals.h"
#include "sim_fixture.h"
#include "std/textio.h"
#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

using namespace tovu::layout;

namespace {

constexpr int64_t ns = 1000;
constexpr int64_t kTimeHigh = std::numeric_limits<int64_t>::max();
const std::string kChars = "UX01ZWLH-";
enum : uint8_t { U = 0, X = 1, L0 = 2, L1 = 3, Z = 4, W = 5, WL = 6, WH = 7, DC = 8 };
enum : int32_t { kNote = 0, kWarning = 1, kError = 2, kFailure = 3 };

struct Str {
    std::string s;
    array_bounds b;
    explicit Str(std::string text) : s(std::move(text)) {
        const int32_t n = static_cast<int32_t>(s.size());
        b = n ? array_bounds{1, n, 1, n} : array_bounds{1, 0, 1, 0};
    }
    const char *d() const { return s.data(); }
};

class VitalTimingFunctions : public ::testing::Test {
protected:
    void SetUp() override {
        tovu::testing::load_packages(TOVU_KEST_DIR,
                                     {&ieee_p_2592010699_init, &std_textio_init, &ieee_p_2717149903_init});
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        STD_STANDARD = zem_get_engine_memory("std_standard");
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        IEEE_P_2717149903 = zem_get_engine_memory("ieee_p_2717149903");
        ASSERT_NE(IEEE_P_2717149903, nullptr);
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        tovu::testing::capture_reports(false);
        tovu::testing::reset();
    }
    char *T() { return IEEE_P_2717149903; }
};

// ---- constants the primitives package reads -------------------------------

TEST_F(VitalTimingFunctions, PackageConstantsHoldTheStandardValues) {
    const int64_t *zero01 = object_value<int64_t>(T(), vital_timing::kConstZeroDelay01);
    const int64_t *zero01z = object_value<int64_t>(T(), vital_timing::kConstZeroDelay01Z);
    EXPECT_EQ(zero01[0], 0);
    EXPECT_EQ(zero01[1], 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(zero01z[i], 0);
    const uint8_t *map = object_value(T(), vital_timing::kConstDefaultResultMap);
    const uint8_t *zmap = object_value(T(), vital_timing::kConstDefaultResultZMap);
    EXPECT_EQ(std::vector<uint8_t>(map, map + 4), (std::vector<uint8_t>{U, X, L0, L1}));
    EXPECT_EQ(std::vector<uint8_t>(zmap, zmap + 5), (std::vector<uint8_t>{U, X, L0, L1, Z}));
}

// ---- delay selection -------------------------------------------------------

int64_t calc01(uint8_t nv, uint8_t ov, int64_t r, int64_t f) {
    const int64_t d[2] = {r, f};
    return ieee_p_2717149903_sub_3117307889_2101202839(IEEE_P_2717149903, nv, ov, d);
}
int64_t calc01z(uint8_t nv, uint8_t ov, const int64_t (&d)[6]) {
    return ieee_p_2717149903_sub_2630507023_2101202839(IEEE_P_2717149903, nv, ov, d);
}

TEST_F(VitalTimingFunctions, CalcDelayOfEveryTransitionFollowsTheStandardsTables) {
    // Class of a value: 0 for '0'/'L', 1 for '1'/'H', Z, or "other".
    enum Cls { C0, C1, CZ, CO };
    auto cls = [](uint8_t v) { return v == L0 || v == WL ? C0 : v == L1 || v == WH ? C1 : v == Z ? CZ : CO; };
    const int64_t r = 1 * ns, f = 2 * ns;
    const int64_t d01z[6] = {1 * ns, 2 * ns, 3 * ns, 4 * ns, 5 * ns, 6 * ns};  // 01 10 0z z1 1z z0
    for (uint8_t nv = 0; nv < 9; ++nv) {
        for (uint8_t ov = 0; ov < 9; ++ov) {
            // VitalDelayType01, decided on the new value first.
            int64_t want01;
            if (cls(nv) == C0) want01 = f;
            else if (cls(nv) == C1) want01 = r;
            else if (cls(ov) == C0) want01 = r;
            else if (cls(ov) == C1) want01 = f;
            else if (cls(nv) == CZ) want01 = 2 * ns;               // max(tr10, tr01)
            else want01 = cls(ov) == CZ ? 1 * ns : 2 * ns;          // min or max
            EXPECT_EQ(calc01(nv, ov, r, f), want01) << kChars[ov] << "->" << kChars[nv];
            // VitalDelayType01Z, decided on the old value first: rows old, columns new.
            static const int64_t table[4][4] = {
                {2, 1, 3, 1},  // old 0: tr10, tr01, tr0z, min(tr01, tr0z)
                {2, 1, 5, 2},  // old 1: tr10, tr01, tr1z, min(tr10, tr1z)
                {6, 4, 5, 4},  // old Z: trz0, trz1, max(tr0z, tr1z), min(trz1, trz0)
                {6, 4, 5, 2},  // other: max(tr10, trz0), max(tr01, trz1), max(tr1z, tr0z), max(tr10, tr01)
            };
            EXPECT_EQ(calc01z(nv, ov, d01z), table[cls(ov)][cls(nv)] * ns) << kChars[ov] << "->" << kChars[nv];
            EXPECT_EQ(ieee_p_2717149903_sub_3513290822_2101202839(T(), nv, ov, 7 * ns), 7 * ns);
        }
    }
    EXPECT_EQ(ieee_p_2717149903_sub_2876942914_2101202839(T(), 3, -4), -4);
    EXPECT_EQ(ieee_p_2717149903_sub_1261593284_2101202839(T(), 3, -4), 3);
}

struct Path {
    int64_t change;
    int64_t delay;
    bool enabled;
};

// A VitalPathArrayType (24-byte records) with ascending or descending bounds.
std::vector<uint8_t> path_array(const std::vector<Path> &paths) {
    std::vector<uint8_t> a(paths.size() * 24, 0);
    for (size_t i = 0; i < paths.size(); ++i) {
        std::memcpy(&a[i * 24], &paths[i].change, 8);
        std::memcpy(&a[i * 24 + 8], &paths[i].delay, 8);
        a[i * 24 + 16] = paths[i].enabled;
    }
    return a;
}

int64_t select(const std::vector<Path> &paths, int64_t def, bool ignore_default) {
    const auto a = path_array(paths);
    const int32_t n = static_cast<int32_t>(paths.size());
    const array_bounds b = n ? array_bounds{5, 4 + n, 1, n} : array_bounds{1, 0, 1, 0};
    const Str name("q");
    return ieee_p_2717149903_sub_627053527_2101202839(IEEE_P_2717149903, L1, L0, name.d(), &name.b, a.data(), &b,
                                                      def, ignore_default);
}

TEST_F(VitalTimingFunctions, SelectPathDelayTakesTheMostRecentEnabledPath) {
    struct Case {
        const char *what;
        std::vector<Path> paths;
        bool ignore;
        int64_t want;
    };
    const int64_t def = 9 * ns;
    const std::vector<Case> cases = {
        {"no paths: the default", {}, false, def},
        {"no paths, default ignored", {}, true, kTimeHigh},
        {"all disabled", {{0, 1 * ns, false}, {0, 2 * ns, false}}, false, def},
        {"all disabled, default ignored", {{0, 1 * ns, false}}, true, kTimeHigh},
        {"same change time: smaller delay", {{0, 3 * ns, true}, {0, 2 * ns, true}}, false, 2 * ns},
        {"same change time, other order", {{0, 2 * ns, true}, {0, 3 * ns, true}}, false, 2 * ns},
        {"newer change wins", {{5 * ns, 10 * ns, true}, {2 * ns, 4 * ns, true}}, false, 2 * ns},
        {"older change later is skipped", {{2 * ns, 4 * ns, true}, {5 * ns, 10 * ns, true}}, false, 2 * ns},
        {"change older than its delay: the default", {{10 * ns, 4 * ns, true}}, false, def},
        {"disabled newer path ignored", {{1 * ns, 1 * ns, false}, {3 * ns, 7 * ns, true}}, false, 4 * ns},
    };
    for (const auto &c : cases) EXPECT_EQ(select(c.paths, def, c.ignore), c.want) << c.what;
}

TEST_F(VitalTimingFunctions, SelectPathDelay01And01ZUseTheirTransitionDelays) {
    // Two 01 paths changed at the same time, '0' -> '1' (tr01): 3 and 5 ns.
    std::vector<uint8_t> p01(64, 0);
    const int64_t d1[2] = {3 * ns, 1 * ns}, d2[2] = {5 * ns, 1 * ns};
    std::memcpy(&p01[8], d1, 16);
    std::memcpy(&p01[32 + 8], d2, 16);
    p01[24] = p01[56] = 1;
    const array_bounds b2{1, 0, -1, 2};  // descending: element 1 first
    const int64_t def01[2] = {7 * ns, 8 * ns};
    const Str name("q");
    EXPECT_EQ(ieee_p_2717149903_sub_786952671_2101202839(T(), L1, L0, name.d(), &name.b, p01.data(), &b2, def01, 0),
              3 * ns);
    // The same paths falling use tr10, 1 ns each.
    EXPECT_EQ(ieee_p_2717149903_sub_786952671_2101202839(T(), L0, L1, name.d(), &name.b, p01.data(), &b2, def01, 0),
              1 * ns);
    // A 01Z path, 'Z' -> '1' takes trz1 (4 ns) less its 1 ns age.
    std::vector<uint8_t> p01z(64, 0);
    const int64_t age = 1 * ns, d01z[6] = {1 * ns, 2 * ns, 3 * ns, 4 * ns, 5 * ns, 6 * ns};
    std::memcpy(&p01z[0], &age, 8);
    std::memcpy(&p01z[8], d01z, 48);
    p01z[56] = 1;
    const array_bounds b1{0, 0, 1, 1};
    EXPECT_EQ(ieee_p_2717149903_sub_231579064_2101202839(T(), L1, Z, name.d(), &name.b, p01z.data(), &b1, d01z, 0),
              3 * ns);
    p01z[56] = 0;  // disabled: the default 01Z delay for 'Z' -> '1'
    EXPECT_EQ(ieee_p_2717149903_sub_231579064_2101202839(T(), L1, Z, name.d(), &name.b, p01z.data(), &b1, d01z, 0),
              4 * ns);
}

// ---- delay extension -------------------------------------------------------

TEST_F(VitalTimingFunctions, ExtendToFillDelayWidensToSixTransitions) {
    const int64_t *a = ieee_p_2717149903_sub_3970655101_2101202839(T(), 5 * ns);
    EXPECT_EQ(std::vector<int64_t>(a, a + 6), std::vector<int64_t>(6, 5 * ns));
    const int64_t d01[2] = {1 * ns, 2 * ns};
    const int64_t *b = ieee_p_2717149903_sub_4115899059_2101202839(T(), d01);
    EXPECT_EQ(std::vector<int64_t>(b, b + 6), (std::vector<int64_t>{1 * ns, 2 * ns, 1 * ns, 1 * ns, 2 * ns, 2 * ns}));
    const int64_t d01z[6] = {1, 2, 3, 4, 5, 6};
    const int64_t *c = ieee_p_2717149903_sub_4009522676_2101202839(T(), d01z);
    EXPECT_NE(c, d01z);
    EXPECT_EQ(std::vector<int64_t>(c, c + 6), (std::vector<int64_t>{1, 2, 3, 4, 5, 6}));
}

// ---- messages and errors ---------------------------------------------------

TEST_F(VitalTimingFunctions, VitalMessageAndErrorBuildTheirTexts) {
    const std::vector<std::string> messages = {
        "Vector (array) lengths not equal. ",
        "No Delay Path Condition TRUE.  0-delay used. Output signal is: ",
        "Path Delay less than time since input. 0 delay used. Output signal is: ",
        "Negative delay. New output value not scheduled. Output signal is: ",
    };
    for (uint8_t id = 0; id < 4; ++id) {
        array_bounds b;
        const char *m = ieee_p_2717149903_sub_2224505450_2101202839(T(), &b, id);
        EXPECT_EQ(std::string(m, static_cast<size_t>(b.length)), messages[id]);
        EXPECT_EQ(b.left, 1);
        EXPECT_EQ(b.right, b.length);
    }
    // An id outside the type gives an empty text instead of a wild read.
    array_bounds b;
    ieee_p_2717149903_sub_2224505450_2101202839(T(), &b, 9);
    EXPECT_EQ(b.length, 0);

    const Str routine("VitalRoutin"), info("sig_q"), empty("");
    ieee_p_2717149903_sub_648230642_2101202839(T(), nullptr, routine.d(), &routine.b, 3, info.d(), &info.b);
    ieee_p_2717149903_sub_891213412_2101202839(T(), nullptr, empty.d(), &empty.b, 0);
    ieee_p_2717149903_sub_707547060_2101202839(T(), nullptr, routine.d(), &routine.b, 1, '!');
    ieee_p_2717149903_sub_648230642_2101202839(T(), nullptr, routine.d(), &routine.b, 2, empty.d(), &empty.b);
    const auto &r = tovu::testing::reports();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].message, "VitalRoutin: " + messages[3] + "sig_q");
    EXPECT_EQ(r[0].message.size(), 84u);
    EXPECT_EQ(r[0].severity, kWarning);
    EXPECT_EQ(r[1].message, ": " + messages[0]);
    EXPECT_EQ(r[1].severity, kError);
    EXPECT_EQ(r[2].message, "VitalRoutin: " + messages[1] + "!");
    EXPECT_EQ(r[3].message, "VitalRoutin: " + messages[2]);
}

TEST_F(VitalTimingFunctions, ReportGlitchWritesBothMessageForms) {
    const Str routine("VitalGlitch"), name("top/q");
    ieee_p_2717149903_sub_2507489675_2101202839(T(), nullptr, routine.d(), &routine.b, name.d(), &name.b, 20 * ns, L1,
                                                25 * ns, L0, 0, 0, kWarning);
    ieee_p_2717149903_sub_2507489675_2101202839(T(), nullptr, routine.d(), &routine.b, name.d(), &name.b, 30 * ns, Z,
                                                12 * ns, X, 7, 1, kError);
    const auto &r = tovu::testing::reports();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].message,
              "VitalGlitch: GLITCH Detected on port top/q ; Preempted Future Value := 1 @ 20 ns; "
              "Newly Scheduled Value := 0 @ 25 ns;");
    EXPECT_EQ(r[0].severity, kWarning);
    EXPECT_EQ(r[1].message,
              "VitalGlitch: GLITCH Detected on port top/q(7); Negative Preempted Value := Z @ 30 ns; "
              "Newly Scheduled Value := X @ 12 ns;");
    EXPECT_EQ(r[1].severity, kError);
}

// ---- timing-check core -----------------------------------------------------

struct CheckInfo {
    uint8_t violation, kind;
    int64_t obs, exp, det;
    uint8_t state;
};
CheckInfo read_info(const uint8_t *p) {
    CheckInfo c{};
    c.violation = p[0];
    c.kind = p[1];
    std::memcpy(&c.obs, p + 8, 8);
    std::memcpy(&c.exp, p + 16, 8);
    std::memcpy(&c.det, p + 24, 8);
    c.state = p[32];
    return c;
}

enum : uint8_t { kSetup = 0, kHold, kRecovery, kRemoval, kPulse, kPeriod };

TEST_F(VitalTimingFunctions, InternalTimingCheckDecidesSetupAndHold) {
    struct Case {
        const char *what;
        uint8_t test;
        bool ref_edge, test_event;
        uint8_t setup_en, hold_en;
        int64_t sh, sl, hh, hl, ref_time, test_time;
        uint8_t want_violation, want_kind, want_state, want_setup_en, want_hold_en;
        int64_t want_obs, want_exp;
    };
    const std::vector<Case> cases = {
        {"setup disabled", L1, true, false, 0, 0, 5 * ns, 5 * ns, 0, 0, 12 * ns, 10 * ns, 0, 255, 255, 0, 0, -1, -1},
        {"setup of a '1' too short", L1, true, false, 1, 0, 5 * ns, 3 * ns, 0, 0, 12 * ns, 10 * ns, 1, kSetup, L1, 0,
         0, 2 * ns, 5 * ns},
        {"setup of a '0' long enough", L0, true, false, 1, 0, 5 * ns, 1 * ns, 0, 0, 12 * ns, 10 * ns, 0, kSetup, L0,
         0, 0, 2 * ns, 1 * ns},
        {"setup of an 'X' takes the larger", X, true, false, 1, 0, 1 * ns, 4 * ns, 0, 0, 12 * ns, 10 * ns, 1, kSetup, X,
         0, 0, 2 * ns, 4 * ns},
        {"zero setup is reported as hold", L1, true, false, 1, 0, 0, 0, 0, 0, 12 * ns, 12 * ns, 0, kHold, L1, 0, 0, 0,
         0},
        {"simultaneous with zero hold is no violation", L1, true, false, 1, 0, 5 * ns, 5 * ns, 0, 0, 12 * ns, 12 * ns, 0,
         kSetup, L1, 0, 0, 0, 5 * ns},
        {"hold after a '0': State '1', HoldHigh", L0, false, true, 0, 1, 0, 0, 4 * ns, 1 * ns, 10 * ns, 12 * ns, 1,
         kHold, L1, 0, 0, 2 * ns, 4 * ns},
        {"hold after a '1': State '0', HoldLow", L1, false, true, 0, 1, 0, 0, 1 * ns, 4 * ns, 10 * ns, 12 * ns, 1, kHold,
         L0, 0, 0, 2 * ns, 4 * ns},
        {"hold met keeps the hold enable", L1, false, true, 0, 1, 0, 0, 1 * ns, 1 * ns, 10 * ns, 12 * ns, 0, kHold, L0,
         0, 1, 2 * ns, 1 * ns},
        {"zero hold is reported as setup", L1, false, true, 0, 1, 0, 0, 0, 0, 10 * ns, 12 * ns, 0, kSetup, L0, 0, 1,
         2 * ns, 0},
        {"neither edge nor event", L1, false, false, 1, 1, 5 * ns, 5 * ns, 5 * ns, 5 * ns, 0, 0, 0, 255, 255, 1, 1, -1,
         -1},
    };
    for (const auto &c : cases) {
        uint8_t info[40];
        std::memset(info, 0xff, sizeof info);
        uint8_t setup_en = c.setup_en, hold_en = c.hold_en;
        ieee_p_2717149903_sub_3030593962_2101202839(T(), nullptr, c.test, L1, 0, 0, c.sh, c.sl, c.hh, c.hl,
                                                    c.ref_time, c.ref_edge, c.test_time, c.test_event, &setup_en,
                                                    &hold_en, info, 0);
        const CheckInfo got = read_info(info);
        EXPECT_EQ(got.violation, c.want_violation) << c.what;
        EXPECT_EQ(got.kind, c.want_kind) << c.what;
        EXPECT_EQ(got.state, c.want_state) << c.what;
        EXPECT_EQ(setup_en, c.want_setup_en) << c.what;
        EXPECT_EQ(hold_en, c.want_hold_en) << c.what;
        EXPECT_EQ(got.obs, c.want_obs) << c.what;
        EXPECT_EQ(got.exp, c.want_exp) << c.what;
        EXPECT_EQ(got.det, -1) << c.what;  // never written without MsgOn
    }
}

TEST_F(VitalTimingFunctions, InternalTimingCheckCorrectsForTheSignalDelays) {
    uint8_t info[40] = {};
    uint8_t setup_en = 1, hold_en = 0;
    // Test change at 10 ns (delay 3 ns), reference edge at 12 ns (delay 1 ns):
    // actually 4 ns apart with the test after, a setup violation of 5 + 2 ns.
    ieee_p_2717149903_sub_3030593962_2101202839(T(), nullptr, L1, L1, 3 * ns, 1 * ns, 5 * ns, 5 * ns, 0, 0, 12 * ns, 1,
                                                10 * ns, 0, &setup_en, &hold_en, info, 1);
    CheckInfo got = read_info(info);
    EXPECT_EQ(got.violation, 1);
    EXPECT_EQ(got.kind, kSetup);
    EXPECT_EQ(got.obs, 4 * ns);
    EXPECT_EQ(got.exp, 7 * ns);
    EXPECT_EQ(got.det, 11 * ns);
    // A setup decision whose corrected order is a hold case becomes a hold
    // violation: test delay 0, reference delay 5 ns, test 2 ns before the edge.
    setup_en = 1;
    ieee_p_2717149903_sub_3030593962_2101202839(T(), nullptr, L0, L1, 0, 5 * ns, 4 * ns, 4 * ns, 6 * ns, 1 * ns,
                                                12 * ns, 1, 10 * ns, 0, &setup_en, &hold_en, info, 1);
    got = read_info(info);
    EXPECT_EQ(got.violation, 1);
    EXPECT_EQ(got.kind, kHold);
    EXPECT_EQ(got.state, L1);        // a '0' held: the HoldHigh constraint
    EXPECT_EQ(got.obs, 3 * ns);      // 10 - (12 - 5)
    EXPECT_EQ(got.exp, 6 * ns + 5 * ns);  // HoldHigh - (0 - 5 ns)
    EXPECT_EQ(got.det, 10 * ns);
}

TEST_F(VitalTimingFunctions, ReportViolationWritesTheStandardMessage) {
    auto info = [](uint8_t kind, uint8_t state, int64_t obs, int64_t exp, int64_t det) {
        std::vector<uint8_t> p(40, 0);
        p[0] = 1;
        p[1] = kind;
        std::memcpy(&p[8], &obs, 8);
        std::memcpy(&p[16], &exp, 8);
        std::memcpy(&p[24], &det, 8);
        p[32] = state;
        return p;
    };
    const Str test("D"), ref("CLK"), none(""), header("top/ff:");
    const auto setup = info(kSetup, L1, 2 * ns, 5 * ns, 12 * ns);
    const auto pulse = info(kPulse, L0, 3 * ns, 4 * ns, 9 * ns);
    auto no_violation = setup;
    no_violation[0] = 0;
    ieee_p_2717149903_sub_1295070658_2101202839(T(), nullptr, test.d(), &test.b, ref.d(), &ref.b, header.d(), &header.b,
                                                setup.data(), kError);
    ieee_p_2717149903_sub_1295070658_2101202839(T(), nullptr, test.d(), &test.b, none.d(), &none.b, header.d(),
                                                &header.b, pulse.data(), kWarning);
    ieee_p_2717149903_sub_1295070658_2101202839(T(), nullptr, test.d(), &test.b, ref.d(), &ref.b, header.d(), &header.b,
                                                no_violation.data(), kError);
    const auto &r = tovu::testing::reports();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].message,
              "top/ff: SETUP High VIOLATION ON D WITH RESPECT TO CLK;\n  Expected := 5 ns; Observed := 2 ns; At : 12 ns");
    EXPECT_EQ(r[0].severity, kError);
    EXPECT_EQ(r[1].message, "top/ff: PULSE WIDTH  Low VIOLATION ON D;\n  Expected := 4 ns; Observed := 3 ns; At : 9 ns");
    EXPECT_EQ(r[1].severity, kWarning);
}

TEST_F(VitalTimingFunctions, TimingDataInitGivesTheStartingRecord) {
    const uint8_t *td = ieee_p_2717149903_sub_2322797220_2101202839(T());
    EXPECT_EQ(td[0], 0);  // NotFirstFlag
    EXPECT_EQ(td[1], X);  // RefLast
    EXPECT_EQ(td[17], X); // TestLast
    EXPECT_EQ(td[16], 0);
    EXPECT_EQ(td[32], 0);
    int64_t t;
    std::memcpy(&t, td + 8, 8);
    EXPECT_EQ(t, 0);
    std::memcpy(&t, td + 24, 8);
    EXPECT_EQ(t, 0);
    const size_t slots[4] = {40, 112, 184, 256};
    const size_t types[4] = {0x5b0, 0x620, 0x690, 0x690};
    for (int s = 0; s < 4; ++s) {
        uint64_t access, second;
        void *type;
        int32_t one;
        std::memcpy(&access, td + slots[s] + 40, 8);
        std::memcpy(&second, td + slots[s] + 48, 8);
        std::memcpy(&type, td + slots[s] + 56, 8);
        std::memcpy(&one, td + slots[s] + 64, 4);
        EXPECT_EQ(access, 0u);
        EXPECT_EQ(second, 0u);
        EXPECT_EQ(type, T() + types[s]);
        EXPECT_EQ(one, 1);
    }
}

TEST_F(VitalTimingFunctions, ReportSkewViolationWritesBothPhasesAndThePossibleForm) {
    const Str s1("A"), s2("B"), none(""), header("top/u:");
    ieee_p_2717149903_sub_3387488047_2101202839(T(), nullptr, s1.d(), &s1.b, s2.d(), &s2.b, 3 * ns, 17 * ns,
                                                header.d(), &header.b, kError, 0, 1);
    ieee_p_2717149903_sub_3387488047_2101202839(T(), nullptr, none.d(), &none.b, s2.d(), &s2.b, 4 * ns, 8 * ns,
                                                header.d(), &header.b, kWarning, 1, 0);
    const auto &r = tovu::testing::reports();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].message, "top/u: IN PHASE SKEW VIOLATION ON B WITH RESPECT TO A;\n; At: 17 ns; Skew Limit : 3 ns");
    EXPECT_EQ(r[0].severity, kError);
    EXPECT_EQ(r[1].message, "top/u: POSSIBLE OUT OF PHASE SKEW VIOLATION ON B;\n; At: 8 ns; Skew Limit : 4 ns");
}

// ---- the test bench ---------------------------------------------------------
//
// Signals a and b are driven by the stimulus; process 0, sensitive to a, b and
// trig, calls the hook of the running test with its block; it drives y and
// trig. Process 1 records every change of y.

constexpr size_t sig(int n) { return 0x3e0 + 160 * static_cast<size_t>(n); }
constexpr size_t kA = sig(0), kB = sig(1), kY = sig(2), kTrig = sig(3), kV = sig(4);
constexpr size_t kCaller = 0x1000, kCallerFlag = 0x1800, kMonitorFlag = 0x1804;
constexpr size_t kDriveY = 0x1200, kDriveTrig = 0x1240, kDriveR0 = 0x1280, kDriveR1 = 0x12c0;
constexpr size_t kR = sig(5);

std::function<void(char *)> g_hook, g_monitor_hook;
std::vector<std::pair<int64_t, char>> g_y;

void caller(char *b) {
    if (g_hook) g_hook(b);
    wait_flag(b, kCallerFlag) = 1;
}
void monitor(char *b) {
    if (g_monitor_hook) g_monitor_hook(b);
    if (zem_signal_has_event(signal_record(b, kY))) g_y.emplace_back(zem_get_sim_current_time(), kChars[*signal_value(b, kY)]);
    wait_flag(b, kMonitorFlag) = 1;
}
void *g_pe[] = {reinterpret_cast<void *>(&caller), reinterpret_cast<void *>(&monitor)};

const char kBench[] = R"(didat 1
unit t_vital arch entity=tb
block 0x2000
counts pe=2
use ieee_p_2592010699
signal 0 a sig std_logic := '0'
signal 1 b sig std_logic := '0'
signal 2 y sig std_logic := '0'
signal 3 trig sig std_logic := '0'
signal 4 v sig std_logic_vector(1 downto 0) := "00"
signal 5 r sig ieee_p_2717149903.VitalStdLogic := 'Z'
process 0 record=0x1000 flag=0x1800 sens=a,b,trig,v
process 1 record=0x1100 flag=0x1804 sens=y
driver 0x1200 p0 y
driver 0x1240 p0 trig
driver 0x1280 p0 r
driver 0x12c0 p1 r
)";

class VitalTimingBench : public tovu_test::SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        write("kest/t/bench.didat", kBench);
        g_y.clear();
        g_hook = nullptr;
        g_monitor_hook = nullptr;
        tovu::testing::capture_reports(true);
    }
    void TearDown() override {
        g_hook = nullptr;
        g_monitor_hook = nullptr;
        tovu::testing::capture_reports(false);
        SimFixture::TearDown();
    }

    // Runs the bench with a stimulus of (time in ns, signal, value) lines.
    // Values are written as in the stimulus file: '1' or "01".
    int simulate(const std::vector<std::tuple<int64_t, std::string, std::string>> &events, int64_t stop_ns) {
        std::string text;
        for (const auto &[t, s, v] : events) text += std::to_string(t * ns) + "ps tb/" + s + " " + v + "\n";
        write("stim.txt", text);
        start({"--stop-time=" + std::to_string(stop_ns * ns) + "ps", "--stimulus=" + dir_ + "/stim.txt"});
        ieee_p_2592010699_init();
        std_textio_init();
        ieee_p_2717149903_init();
        zem_register_didat("t_vital", "kest/t/bench.didat");
        zem_register_executes(g_pe);
        zem_register_tops("t_vital");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        IEEE_P_2717149903 = zem_get_engine_memory("ieee_p_2717149903");
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    static std::vector<std::string> messages() {
        std::vector<std::string> out;
        for (const auto &r : tovu::testing::reports()) out.push_back(r.message);
        return out;
    }
};

using Wave = std::vector<std::pair<int64_t, char>>;

TEST_F(VitalTimingBench, WireDelayTakesTheTransitionsDelay) {
    const int64_t d01z[6] = {1 * ns, 2 * ns, 3 * ns, 4 * ns, 5 * ns, 6 * ns};
    g_hook = [&](char *b) {
        if (!zem_signal_has_event(signal_record(b, kB))) return;
        ieee_p_2717149903_sub_1126818797_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                    signal_record(b, kY), 0, 0, driver_record(b, kDriveY),
                                                    signal_record(b, kB), 0, 0, d01z);
    };
    ASSERT_EQ(simulate({{10, "b", "'Z'"}, {20, "b", "'1'"}, {30, "b", "'X'"}}, 50), 0);
    // '0' -> 'Z' after tr0z, 'Z' -> '1' after trz1, '1' -> 'X' after min(tr10, tr1z).
    EXPECT_EQ(g_y, (Wave{{13 * ns, 'Z'}, {24 * ns, '1'}, {32 * ns, 'X'}}));
}

TEST_F(VitalTimingBench, SignalDelayAndWireDelay01AreTransport) {
    const int64_t d01[2] = {1 * ns, 2 * ns};
    g_hook = [&](char *b) {
        if (zem_signal_has_event(signal_record(b, kB)))
            ieee_p_2717149903_sub_539877840_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                       signal_record(b, kY), 0, 0, driver_record(b, kDriveY),
                                                       signal_record(b, kB), 0, 0, d01);
        if (zem_signal_has_event(signal_record(b, kA)))
            ieee_p_2717149903_sub_649313994_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                       signal_record(b, kY), 0, 0, driver_record(b, kDriveY),
                                                       signal_record(b, kA), 0, 0, 10 * ns);
    };
    // b: '0' -> 'U' is "other" from '0': 'U' after tr01 (1 ns); 'U' -> '0' after tr10.
    // a's pulse of 1 ns passes unchanged 10 ns later (transport).
    ASSERT_EQ(simulate({{10, "b", "'U'"}, {15, "b", "'0'"}, {20, "a", "'1'"}, {21, "a", "'0'"}}, 50), 0);
    EXPECT_EQ(g_y, (Wave{{11 * ns, 'U'}, {17 * ns, '0'}, {30 * ns, '1'}, {31 * ns, '0'}}));
}

// A buffer a -> y through VitalPathDelay01 with one path from a.
struct PathBench {
    uint8_t glitch[24] = {};
    uint8_t path[32] = {};
    int64_t def[2] = {9 * ns, 9 * ns};
    uint8_t mode = 0, reject_fast_path = 0, neg_preempt = 0;
    PathBench(int64_t tr01, int64_t tr10) {
        const int64_t d[2] = {tr01, tr10};
        std::memcpy(path + 8, d, 16);
        path[24] = 1;
        glitch[16] = glitch[17] = L0;  // SchedValue, LastValue
    }
    void call(char *b) {
        const int64_t age = zem_signal_get_last_event(signal_record(b, kA));
        std::memcpy(path, &age, 8);
        const array_bounds pb{0, 0, 1, 1};
        const Str name("y");
        ieee_p_2717149903_sub_2486506143_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                    signal_record(b, kY), 0, 0, driver_record(b, kDriveY), glitch,
                                                    name.d(), &name.b, *signal_value(b, kA), path, &pb, def, mode, 1,
                                                    1, kWarning, neg_preempt, 0, reject_fast_path);
    }
};

TEST_F(VitalTimingBench, PathDelayReportsAGlitchAndSchedulesAnXPulse) {
    PathBench p(5 * ns, 6 * ns);
    g_hook = [&](char *b) { p.call(b); };
    // The rise at 10 ns is due at 15 ns; the fall at 12 ns would come at
    // 18 ns, after the rise's glitch time: 'X' from 15 ns, then '0' at 18 ns.
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "a", "'0'"}, {30, "a", "'1'"}}, 50), 0);
    EXPECT_EQ(g_y, (Wave{{15 * ns, 'X'}, {18 * ns, '0'}, {35 * ns, '1'}}));
    ASSERT_EQ(messages(), (std::vector<std::string>{"VitalGlitch: GLITCH Detected on port y ; Preempted Future Value "
                                                    ":= 1 @ 15 ns; Newly Scheduled Value := 0 @ 18 ns;"}));
    EXPECT_EQ(tovu::testing::reports()[0].severity, kWarning);
    int64_t sched;
    std::memcpy(&sched, p.glitch, 8);
    EXPECT_EQ(sched, 35 * ns);
    EXPECT_EQ(p.glitch[16], L1);
}

TEST_F(VitalTimingBench, PathDelayWithoutGlitchCancelsAShortPulseInertially) {
    PathBench p(5 * ns, 2 * ns);
    g_hook = [&](char *b) { p.call(b); };
    // The fall at 12 ns is due at 14 ns, before the pending rise at 15 ns:
    // no glitch, the rise is replaced and y stays '0'.
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "a", "'0'"}, {20, "a", "'1'"}, {30, "a", "'0'"}}, 50), 0);
    EXPECT_EQ(g_y, (Wave{{25 * ns, '1'}, {32 * ns, '0'}}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(VitalTimingBench, NegativePreemptionIsAGlitchOnlyWhenEnabled) {
    for (uint8_t enabled : {0, 1}) {
        SCOPED_TRACE(enabled);
        if (enabled) {
            TearDown();
            SetUp();
        }
        PathBench p(5 * ns, 2 * ns);
        p.neg_preempt = enabled;
        g_hook = [&](char *b) { p.call(b); };
        ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "a", "'0'"}}, 50), 0);
        if (!enabled) {
            EXPECT_TRUE(g_y.empty());
            EXPECT_TRUE(messages().empty());
        } else {
            // Reported with the negative-preemption name (the glitch time is
            // already the new one), 'X' from the new time up to the old
            // schedule time, where '0' is transported.
            EXPECT_EQ(g_y, (Wave{{14 * ns, 'X'}, {15 * ns, '0'}}));
            ASSERT_EQ(messages(), (std::vector<std::string>{
                                      "VitalGlitch-Neg: GLITCH Detected on port y ; Preempted Future Value := 1 @ "
                                      "14 ns; Newly Scheduled Value := 0 @ 14 ns;"}));
            EXPECT_EQ(p.glitch[16], X);
        }
    }
}

TEST_F(VitalTimingBench, GlitchOnDetectPutsTheXOutAtOnce) {
    PathBench p(5 * ns, 6 * ns);
    p.mode = 1;  // OnDetect
    g_hook = [&](char *b) { p.call(b); };
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "a", "'0'"}}, 50), 0);
    EXPECT_EQ(g_y, (Wave{{12 * ns, 'X'}, {18 * ns, '0'}}));
}

TEST_F(VitalTimingBench, VitalGlitchTransportAndNegativeDelay) {
    uint8_t glitch[24] = {};
    glitch[16] = L0;
    int calls = 0;
    g_hook = [&](char *b) {
        if (!zem_signal_has_event(signal_record(b, kA))) return;
        const Str name("y");
        const int64_t delay = ++calls == 1 ? 5 * ns : -1 * ns;
        ieee_p_2717149903_sub_861658406_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                   signal_record(b, kY), 0, 0, driver_record(b, kDriveY), glitch,
                                                   name.d(), &name.b, *signal_value(b, kA), delay, 3, 1, 0, 1,
                                                   kWarning);
    };
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {20, "a", "'0'"}}, 50), 0);
    EXPECT_EQ(g_y, (Wave{{15 * ns, '1'}}));
    int64_t sched;
    std::memcpy(&sched, glitch, 8);
    EXPECT_EQ(sched, 15 * ns);
    ASSERT_EQ(messages(), (std::vector<std::string>{
                              "VitalGlitch: Negative delay. New output value not scheduled. Output signal is: y"}));
    EXPECT_EQ(tovu::testing::reports()[0].severity, kWarning);
}

TEST_F(VitalTimingBench, PathDelayWithTheDefaultIgnoredNeverSchedules) {
    // No enabled path and IgnoreDefaultDelay: the delay is TIME'HIGH; the
    // glitch bookkeeping saturates instead of overflowing.
    uint8_t glitch[24] = {};
    glitch[16] = glitch[17] = L0;
    g_hook = [&](char *b) {
        const array_bounds none{1, 0, 1, 0};
        const Str name("y");
        ieee_p_2717149903_sub_32700714_2101202839(IEEE_P_2717149903, process_record(b, kCaller), signal_record(b, kY),
                                                  0, 0, driver_record(b, kDriveY), glitch, name.d(), &name.b,
                                                  *signal_value(b, kA), nullptr, &none, 1 * ns, 0, 1, 1, kWarning, 0,
                                                  1);
    };
    ASSERT_EQ(simulate({{10, "a", "'1'"}}, 50), 0);
    EXPECT_TRUE(g_y.empty());
    int64_t sched;
    std::memcpy(&sched, glitch, 8);
    EXPECT_EQ(sched, kTimeHigh);
}

// ---- timing checks in the bench ---------------------------------------------

TEST_F(VitalTimingBench, SetupHoldCheckReportsBothViolations) {
    uint8_t td[328];
    bool init = false;
    std::vector<std::pair<int64_t, char>> violations;
    g_hook = [&](char *b) {
        if (!init) {
            std::memcpy(td, ieee_p_2717149903_sub_2322797220_2101202839(IEEE_P_2717149903), sizeof td);
            init = true;
        }
        uint8_t v = 0;
        const Str d("D"), clk("CLK"), header("tb:");
        ieee_p_2717149903_sub_3797369404_2101202839(
            IEEE_P_2717149903, process_record(b, kCaller), &v, td, signal_record(b, kA), 0, 0, d.d(), &d.b, 0,
            signal_record(b, kB), 0, 0, clk.d(), &clk.b, 0, 5 * ns, 5 * ns, 2 * ns, 2 * ns, 1, 0 /* '/' */,
            header.d(), &header.b, 1, 1, kNote, 1, 1, 1, 1);
        if (v != L0) violations.emplace_back(zem_get_sim_current_time(), kChars[v]);
    };
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "b", "'1'"}, {13, "a", "'0'"}, {20, "b", "'0'"}, {30, "a", "'1'"},
                        {40, "b", "'1'"}},
                       50),
              0);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "tb: SETUP High VIOLATION ON D WITH RESPECT TO CLK;\n  Expected := 5 ns; Observed := 2 ns; At : 12 ns",
                  "tb: HOLD High VIOLATION ON D WITH RESPECT TO CLK;\n  Expected := 2 ns; Observed := 1 ns; At : 13 ns",
              }));
    EXPECT_EQ(violations, (Wave{{12 * ns, 'X'}, {13 * ns, 'X'}}));
    for (const auto &r : tovu::testing::reports()) EXPECT_EQ(r.severity, kNote);
}

TEST_F(VitalTimingBench, PeriodPulseCheckReportsPulseAndPeriod) {
    uint8_t pd[32] = {};
    pd[0] = X;
    std::vector<std::pair<int64_t, char>> violations;
    g_hook = [&](char *b) {
        uint8_t v = 0;
        const Str ck("CK"), header("tb:");
        ieee_p_2717149903_sub_756322403_2101202839(IEEE_P_2717149903, process_record(b, kCaller), &v, pd,
                                                   signal_record(b, kA), 0, 0, ck.d(), &ck.b, 0, 10 * ns, 4 * ns,
                                                   4 * ns, 1, header.d(), &header.b, 1, 1, kWarning);
        if (v != L0) violations.emplace_back(zem_get_sim_current_time(), kChars[v]);
    };
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "a", "'0'"}, {16, "a", "'1'"}, {26, "a", "'0'"}, {36, "a", "'1'"}}, 50), 0);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "tb: PULSE WIDTH High VIOLATION ON CK;\n  Expected := 4 ns; Observed := 2 ns; At : 12 ns",
                  "tb: PERIOD High VIOLATION ON CK;\n  Expected := 10 ns; Observed := 6 ns; At : 16 ns",
              }));
    EXPECT_EQ(violations, (Wave{{12 * ns, 'X'}, {16 * ns, 'X'}}));
}

TEST_F(VitalTimingBench, InPhaseSkewCheckReportsAMissingEdgeThroughTheTrigger) {
    uint8_t sd[40] = {};
    g_hook = [&](char *b) {
        uint8_t v = 0;
        const Str s1("A"), s2("B"), header("tb:");
        ieee_p_2717149903_sub_3113930266_2101202839(
            IEEE_P_2717149903, process_record(b, kCaller), &v, sd, signal_record(b, kA), 0, 0, s1.d(), &s1.b, 0,
            signal_record(b, kB), 0, 0, s2.d(), &s2.b, 0, 3 * ns, 3 * ns, 3 * ns, 3 * ns, 1, 1, 1, kNote,
            header.d(), &header.b, signal_record(b, kTrig), 0, 0, driver_record(b, kDriveTrig));
    };
    // A rises alone (B's rise missing by 13 ns); both fall within the limit;
    // A rises alone again.
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {20, "a", "'0'"}, {20, "b", "'1'"}, {21, "b", "'0'"}, {30, "a", "'1'"}}, 50), 0);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "tb: IN PHASE SKEW VIOLATION ON B WITH RESPECT TO A;\n; At: 13 ns; Skew Limit : 3 ns",
                  "tb: IN PHASE SKEW VIOLATION ON B WITH RESPECT TO A;\n; At: 33 ns; Skew Limit : 3 ns",
              }));
}

TEST_F(VitalTimingBench, VectorSetupHoldCheckNamesTheWholeBusOrTheBit) {
    uint8_t td[328];
    bool init = false;
    g_hook = [&](char *b) {
        if (!init) {
            std::memcpy(td, ieee_p_2717149903_sub_2322797220_2101202839(IEEE_P_2717149903), sizeof td);
            init = true;
        }
        uint8_t v = 0;
        const Str d("V"), clk("CLK"), header("tb:");
        const array_bounds vb{1, 0, -1, 2};
        ieee_p_2717149903_sub_3199856115_2101202839(
            IEEE_P_2717149903, process_record(b, kCaller), &v, td, signal_record(b, kV), 0, 0, &vb, d.d(), &d.b, 0,
            signal_record(b, kB), 0, 0, clk.d(), &clk.b, 0, 5 * ns, 5 * ns, 0, 0, 1, 0 /* '/' */, header.d(),
            &header.b, 1, 1, kNote, 1, 1, 1, 1);
    };
    // Both bits change at 10 ns and violate at the edge at 12 ns: one message
    // for the bus. Only bit 1 changes at 28 ns: its own message at 30 ns.
    ASSERT_EQ(simulate({{10, "v", "\"11\""}, {12, "b", "'1'"}, {20, "b", "'0'"}, {28, "v", "\"01\""},
                        {30, "b", "'1'"}},
                       50),
              0);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "tb: SETUP High VIOLATION ON V(...) WITH RESPECT TO CLK;\n  Expected := 5 ns; Observed := 2 ns; "
                  "At : 12 ns",
                  "tb: SETUP  Low VIOLATION ON V(1) WITH RESPECT TO CLK;\n  Expected := 5 ns; Observed := 2 ns; "
                  "At : 30 ns",
              }));
    // The model's variable ends with the test: release the four arrays.
    for (size_t slot : {40, 112, 184, 256}) zem_access_variable_delete(td + slot);
}

TEST_F(VitalTimingBench, RecoveryRemovalCheckRenamesTheKinds) {
    uint8_t td[328];
    bool init = false;
    g_hook = [&](char *b) {
        if (!init) {
            std::memcpy(td, ieee_p_2717149903_sub_2322797220_2101202839(IEEE_P_2717149903), sizeof td);
            init = true;
        }
        uint8_t v = 0;
        const Str rst("RST"), clk("CLK"), header("tb:");
        ieee_p_2717149903_sub_2603698110_2101202839(
            IEEE_P_2717149903, process_record(b, kCaller), &v, td, signal_record(b, kA), 0, 0, rst.d(), &rst.b, 0,
            signal_record(b, kB), 0, 0, clk.d(), &clk.b, 0, 4 * ns, 3 * ns, 1 /* active low */, 1, 0 /* '/' */,
            header.d(), &header.b, 1, 1, kNote, 1, 1, 1, 1);
    };
    // Released at 10 ns, 2 ns before the edge (recovery 4 ns); asserted at
    // 16 ns, released again 2 ns after the edge at 22 ns (removal 3 ns).
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "b", "'1'"}, {16, "a", "'0'"}, {18, "b", "'0'"}, {22, "b", "'1'"},
                        {24, "a", "'1'"}},
                       50),
              0);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "tb: RECOVERY High VIOLATION ON RST WITH RESPECT TO CLK;\n  Expected := 4 ns; Observed := 2 ns; "
                  "At : 12 ns",
                  "tb: REMOVAL  Low VIOLATION ON RST WITH RESPECT TO CLK;\n  Expected := 3 ns; Observed := 2 ns; "
                  "At : 24 ns",
              }));
}

TEST_F(VitalTimingBench, OutPhaseSkewCheckCancelsAMetExpectationAndReportsAMissedOne) {
    uint8_t sd[40] = {};
    g_hook = [&](char *b) {
        uint8_t v = 0;
        const Str s1("A"), s2("B"), header("tb:");
        // RF12 3 ns, RF21 4 ns, FR12 5 ns, FR21 6 ns
        ieee_p_2717149903_sub_2088022747_2101202839(
            IEEE_P_2717149903, process_record(b, kCaller), &v, sd, signal_record(b, kA), 0, 0, s1.d(), &s1.b, 0,
            signal_record(b, kB), 0, 0, s2.d(), &s2.b, 0, 3 * ns, 4 * ns, 5 * ns, 6 * ns, 1, 1, 1, kNote,
            header.d(), &header.b, signal_record(b, kTrig), 0, 0, driver_record(b, kDriveTrig));
    };
    // A rises at 10 ns and B falls 2 ns later (within RF12); A falls at 20 ns
    // and B never rises: missing after FR12, at 25 ns.
    ASSERT_EQ(simulate({{5, "b", "'1'"}, {10, "a", "'1'"}, {12, "b", "'0'"}, {20, "a", "'0'"}}, 50), 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "tb: OUT OF PHASE SKEW VIOLATION ON B WITH RESPECT TO A;\n; At: 25 ns; Skew Limit : 5 ns"}));
    EXPECT_EQ(sd[0], 0);  // no expectation left
}

TEST_F(VitalTimingBench, DisabledSkewCheckOnlyKeepsTheEventTimes) {
    uint8_t sd[40] = {};
    g_hook = [&](char *b) {
        uint8_t v = 0;
        const Str s1("A"), s2("B"), header("tb:");
        ieee_p_2717149903_sub_3113930266_2101202839(
            IEEE_P_2717149903, process_record(b, kCaller), &v, sd, signal_record(b, kA), 0, 0, s1.d(), &s1.b, 0,
            signal_record(b, kB), 0, 0, s2.d(), &s2.b, 0, 3 * ns, 3 * ns, 3 * ns, 3 * ns, 0, 1, 1, kNote,
            header.d(), &header.b, signal_record(b, kTrig), 0, 0, driver_record(b, kDriveTrig));
        EXPECT_EQ(v, L0);
    };
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {20, "a", "'0'"}, {30, "b", "'1'"}}, 50), 0);
    EXPECT_TRUE(messages().empty());
    int64_t t[4];
    std::memcpy(t, sd + 8, 32);  // Signal1Old1, Signal2Old1, Signal1Old2, Signal2Old2
    EXPECT_EQ(t[0], 20 * ns);
    EXPECT_EQ(t[1], 30 * ns);
    EXPECT_EQ(t[2], 10 * ns);
    EXPECT_EQ(t[3], 0);
}

TEST_F(VitalTimingBench, WireDelayOfAnElementUsesThatElementsLastValue) {
    const int64_t d01z[6] = {1 * ns, 2 * ns, 3 * ns, 4 * ns, 5 * ns, 6 * ns};
    g_hook = [&](char *b) {
        if (!zem_signal_has_event(signal_record(b, kV))) return;
        // v(0), the second byte of v(1 downto 0)
        ieee_p_2717149903_sub_1126818797_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                    signal_record(b, kY), 0, 0, driver_record(b, kDriveY),
                                                    signal_record(b, kV), 1, 1, d01z);
    };
    // At 20 ns v(0) goes '0' -> 'Z' (tr0z, 3 ns) while v(1) was already 'Z'.
    ASSERT_EQ(simulate({{10, "v", "\"Z0\""}, {20, "v", "\"ZZ\""}}, 50), 0);
    EXPECT_EQ(g_y, (Wave{{23 * ns, 'Z'}}));
}

TEST_F(VitalTimingBench, ResolvedSubtypesResolveLikeStdLogic) {
    // Two drivers of a signal of the package's resolved std_logic subtype.
    std::vector<char> seen;
    g_hook = [&](char *b) {
        if (zem_get_sim_current_time() == 0) {
            *driver_staging(b, kDriveR0) = L1;
            zem_driver_first_trans_delta(driver_record(b, kDriveR0), 0, 1, 0);
        }
        seen.push_back(kChars[*signal_value(b, kR)]);
    };
    g_monitor_hook = [&](char *b) {
        if (zem_signal_has_event(signal_record(b, kY))) {  // y rises at 10 ns: drive the other driver
            *driver_staging(b, kDriveR1) = L0;
            zem_driver_first_trans_delta(driver_record(b, kDriveR1), 0, 1, 5 * ns);
        }
    };
    // y is driven by the first process only through the stimulus-free path:
    // a '1' on a makes the caller copy it to y.
    auto copy = g_hook;
    g_hook = [&, copy](char *b) {
        copy(b);
        if (zem_signal_has_event(signal_record(b, kA))) {
            *driver_staging(b, kDriveY) = *signal_value(b, kA);
            zem_driver_first_trans_delta(driver_record(b, kDriveY), 0, 1, 0);
        }
    };
    ASSERT_EQ(simulate({{10, "a", "'1'"}, {30, "a", "'0'"}}, 50), 0);
    // 'Z' and '1' give '1' until 15 ns; then '1' and '0' give 'X'.
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], 'Z');
    EXPECT_EQ(seen[1], '1');
    EXPECT_EQ(seen[2], 'X');
}

TEST_F(VitalTimingBench, RejectFastPathKeepsAPendingEqualValue) {
    // Paths from a (5 ns) and from b (1 ns). a rises at 10 ns: '1' due at
    // 15 ns. b changes at 12 ns with the value still pending: the faster path
    // would bring it forward to 13 ns unless RejectFastPath holds it.
    for (uint8_t reject : {0, 1}) {
        SCOPED_TRACE(reject);
        if (reject) {
            TearDown();
            SetUp();
        }
        uint8_t glitch[24] = {};
        glitch[16] = glitch[17] = L0;
        g_hook = [&](char *b) {
            uint8_t paths[64] = {};
            const int64_t age_a = zem_signal_get_last_event(signal_record(b, kA));
            const int64_t age_b = zem_signal_get_last_event(signal_record(b, kB));
            const int64_t da[2] = {5 * ns, 5 * ns}, db[2] = {1 * ns, 1 * ns}, def[2] = {9 * ns, 9 * ns};
            std::memcpy(paths, &age_a, 8);
            std::memcpy(paths + 8, da, 16);
            paths[24] = 1;
            std::memcpy(paths + 32, &age_b, 8);
            std::memcpy(paths + 40, db, 16);
            paths[56] = 1;
            const array_bounds pb{0, 1, 1, 2};
            const Str name("y");
            ieee_p_2717149903_sub_2486506143_2101202839(IEEE_P_2717149903, process_record(b, kCaller),
                                                        signal_record(b, kY), 0, 0, driver_record(b, kDriveY),
                                                        glitch, name.d(), &name.b, *signal_value(b, kA), paths, &pb,
                                                        def, 0, 1, 1, kWarning, 0, 0, reject);
        };
        ASSERT_EQ(simulate({{10, "a", "'1'"}, {12, "b", "'1'"}}, 50), 0);
        EXPECT_EQ(g_y, (Wave{{(reject ? 15 : 13) * ns, '1'}}));
        EXPECT_TRUE(messages().empty());
    }
}

}  // namespace
