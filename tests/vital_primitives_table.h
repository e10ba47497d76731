// The subprogram table of VITAL_Primitives in its slot order, for the tests
// that check what each program registers.
#ifndef TOVU_TESTS_VITAL_PRIMITIVES_TABLE_H
#define TOVU_TESTS_VITAL_PRIMITIVES_TABLE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ieee/p_1367372525.h"
#include "tovu/testing.h"

namespace vital_primitives_table {

inline const std::vector<void *> &entries() {
    static const std::vector<void *> table = {
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1019729693_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2876942914_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3699347359_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1261593284_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_801899123_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2224505450_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_891213412_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_648230642_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_707547060_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2507489675_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2672610346_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2661383135_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1973817075_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2176736808_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1687454899_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_554835078_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2851374196_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_26934960_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_915516184_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_162078037_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1321872912_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2531918842_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_177276481_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2819976785_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3111600860_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_827555649_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1119179724_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2732900579_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_740479443_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2543757985_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2959442363_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2143903942_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3288686485_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2852316380_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3792371914_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1560207530_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3362765528_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2159428141_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3940177659_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1685097188_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3465846706_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2245762817_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4026512335_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2813847755_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2217057241_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1618866951_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1334159657_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1882756997_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_621502274_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2549639725_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_494902076_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1145282600_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1271667029_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_23007260_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1461733716_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2547990466_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1489061082_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_485448482_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1477201872_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_892270568_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3754799872_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_946566958_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_361635654_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1602158222_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4265249020_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2142385172_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3837731456_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1029498542_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_444567238_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1685089806_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_53213308_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2225316756_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3743793398_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_935560484_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_350629180_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1591151748_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4254242546_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2131378698_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_673810994_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3976821582_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3976822671_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3540507613_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_681878306_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1834036798_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1834037887_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4116131764_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4238378335_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4077464029_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3037427606_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1379054898_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_912567720_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1556117169_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_890662368_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3733906378_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2153796958_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3240053708_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2748926732_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1177511724_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2169265114_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2152136218_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_814640786_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2301375168_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2956966432_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1325089934_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2225474856_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_4006224374_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1174034513_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2660768895_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3316360159_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1684483661_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1473559599_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3254309117_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_582011501_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2068745883_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2724337147_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1092460649_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2063206243_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3843955761_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1956994121_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_806467043_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1188012972_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1425513643_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2809565465_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3427255122_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3624292364_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1423760678_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1464975953_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1050295276_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2471049937_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2929378169_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2884513025_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2321378141_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1093634699_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_669306805_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_3829785817_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2718111499_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2359968290_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1289605765_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1778190455_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_1182304615_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_956644378_4070434989),
        reinterpret_cast<void *>(&ieee_p_1367372525_sub_2576991354_4070434989),
    };
    return table;
}

// The table found in recorded start-up calls: the subprogram table passed
// right after VITAL_Primitives' design data (nullptr when there is none).
inline void **registered(const std::vector<std::string> &calls) {
    bool ours = false;
    for (const std::string &c : calls) {
        if (c.rfind("zem_register_didat ieee_p_1367372525 kest/precompiled.exe.sim/ieee/p_1367372525.didat", 0) == 0)
            ours = true;
        else if (ours && c.rfind("zem_register_subprogram_executes ", 0) == 0)
            return reinterpret_cast<void **>(std::stoull(c.substr(33), nullptr, 16));
        else if (ours && c.rfind("zem_register_didat ", 0) == 0)
            return nullptr;
    }
    return nullptr;
}

// Runs a program's start-up for 1 ns and checks the table it registers.
inline void check_program(int (*program_main)(int, char **), const std::string &name) {
    std::vector<std::string> args = {name, std::string("--didat-dir=") + TOVU_KEST_DIR, "--quiet", "--stop-time=1ns"};
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    tovu::testing::reset();
    tovu::testing::record_calls(true);
    ::testing::internal::CaptureStdout();
    const int status = program_main(static_cast<int>(argv.size()), argv.data());
    ::testing::internal::GetCapturedStdout();
    const std::vector<std::string> calls = tovu::testing::calls();
    tovu::testing::record_calls(false);
    ASSERT_EQ(status, 0);
    void **se = registered(calls);
    ASSERT_NE(se, nullptr);
    for (size_t k = 0; k < entries().size(); ++k) EXPECT_EQ(se[k], entries()[k]) << name << ", slot " << k;
    tovu::testing::reset();
}

}  // namespace vital_primitives_table

#endif
