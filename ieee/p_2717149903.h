// VITAL_Timing (unit ieee_p_2717149903): the package body's 34 subprograms,
// the registration, and where the code finds the package's design data.
//
// Every subprogram takes the package's block (IEEE_P_2717149903) first.
// TIME travels as a 64-bit sim_time, std_ulogic / BOOLEAN / enumerations as
// one byte; VitalDelayType01 / 01Z and record arguments by pointer; STRING as
// data pointer plus array_bounds pointer. Signal parameters: IN is
// (signal_record, element position or an unused word, byte offset), OUT and
// INOUT add the caller's driver_record.
#ifndef TOVU_IEEE_P_2717149903_H
#define TOVU_IEEE_P_2717149903_H

#include <cstddef>
#include <cstdint>

#include "tovu/zem.h"

namespace vital_timing {

// Type descriptors in the block.
constexpr size_t kTypeDelayType01Z = 0x150;
constexpr size_t kTypeSkewExpected = 0x380;
constexpr size_t kTypeCheckInfo = 0x1750;
constexpr size_t kTypeTimeArray = 0x17a0;
constexpr size_t kTypeBoolArray = 0x540;
constexpr size_t kTypeSlvAccess = 0x5b0;
constexpr size_t kTypeTimeArrayAccess = 0x620;
constexpr size_t kTypeBoolArrayAccess = 0x690;
constexpr size_t kTypeStdLogicVector2 = 0x1810;  // std_logic_vector(1 downto 0)

// Object descriptors of the constants (+0 points to the value).
constexpr size_t kConstResolutionTable = 0x490;  // where std_logic_1164's `resolved` reads its table
constexpr size_t kConstZeroDelay01 = 0xb00;
constexpr size_t kConstZeroDelay01Z = 0xb78;
constexpr size_t kConstDefaultResultMap = 0xbf0;
constexpr size_t kConstDefaultResultZMap = 0xc68;
constexpr size_t kConstErrorSeverity = 0xce0;
constexpr size_t kConstLogicCvtTable = 0xd58;
constexpr size_t kConstEdgeSymbolMatch = 0xdd0;
constexpr size_t kConstHiLoStr = 0xe48;
constexpr size_t kConstNoTrigger = 0xec0;
constexpr size_t kConstRisingTable = 0xf38;
constexpr size_t kConstFallingTable = 0xfb0;
constexpr size_t kConstMessage[4] = {0x1028, 0x10a0, 0x1118, 0x1190};
constexpr uint32_t kMessageLength[4] = {34, 63, 71, 66};

// The literal pool (texts without terminator).
constexpr size_t kLiteralPool = 0x1210;
constexpr size_t kLitSep1 = kLiteralPool + 0x000;  // 2 bytes
constexpr size_t kLitSep2 = kLiteralPool + 0x020;  // 2 bytes
constexpr size_t kLitSep3 = kLiteralPool + 0x040;  // 2 bytes
constexpr size_t kLitGlitchErr = kLiteralPool + 0x060;  // 11 bytes
constexpr size_t kLitGlitchRpt = kLiteralPool + 0x080;  // 11 bytes
constexpr size_t kLitGlitchNeg = kLiteralPool + 0x0a0;  // 15 bytes
constexpr size_t kLitIdxOpen = kLiteralPool + 0x0c0;  // 1 bytes
constexpr size_t kLitIdxClose = kLiteralPool + 0x0e0;  // 1 bytes
constexpr size_t kLitIdxNone = kLiteralPool + 0x100;  // 1 bytes
constexpr size_t kLitG1Detected = kLiteralPool + 0x120;  // 26 bytes
constexpr size_t kLitG1Preempt = kLiteralPool + 0x140;  // 28 bytes
constexpr size_t kLitG1At1 = kLiteralPool + 0x160;  // 3 bytes
constexpr size_t kLitG1New = kLiteralPool + 0x180;  // 27 bytes
constexpr size_t kLitG1At2 = kLiteralPool + 0x1a0;  // 3 bytes
constexpr size_t kLitG1End = kLiteralPool + 0x1c0;  // 1 bytes
constexpr size_t kLitG2Detected = kLiteralPool + 0x1e0;  // 26 bytes
constexpr size_t kLitG2Preempt = kLiteralPool + 0x200;  // 30 bytes
constexpr size_t kLitG2At1 = kLiteralPool + 0x220;  // 3 bytes
constexpr size_t kLitG2New = kLiteralPool + 0x240;  // 27 bytes
constexpr size_t kLitG2At2 = kLiteralPool + 0x260;  // 3 bytes
constexpr size_t kLitG2End = kLiteralPool + 0x280;  // 1 bytes
constexpr size_t kLitKindSetup = kLiteralPool + 0x2a0;  // 7 bytes
constexpr size_t kLitKindHold = kLiteralPool + 0x2c0;  // 6 bytes
constexpr size_t kLitKindRecovery = kLiteralPool + 0x2e0;  // 10 bytes
constexpr size_t kLitKindRemoval = kLiteralPool + 0x300;  // 9 bytes
constexpr size_t kLitKindPulse = kLiteralPool + 0x320;  // 13 bytes
constexpr size_t kLitKindPeriod = kLiteralPool + 0x340;  // 8 bytes
constexpr size_t kLitVOn = kLiteralPool + 0x360;  // 14 bytes
constexpr size_t kLitVWrt = kLiteralPool + 0x380;  // 17 bytes
constexpr size_t kLitVExpected = kLiteralPool + 0x3a0;  // 14 bytes
constexpr size_t kLitVObserved = kLiteralPool + 0x3c0;  // 14 bytes
constexpr size_t kLitVAt = kLiteralPool + 0x3e0;  // 7 bytes
constexpr size_t kLitWholeBus = kLiteralPool + 0x400;  // 5 bytes
constexpr size_t kLitBitOpen = kLiteralPool + 0x420;  // 1 bytes
constexpr size_t kLitBitClose = kLiteralPool + 0x440;  // 1 bytes
constexpr size_t kLitSPossible = kLiteralPool + 0x460;  // 9 bytes
constexpr size_t kLitSInPhase = kLiteralPool + 0x480;  // 10 bytes
constexpr size_t kLitSOutPhase = kLiteralPool + 0x4a0;  // 14 bytes
constexpr size_t kLitSOn = kLiteralPool + 0x4c0;  // 18 bytes
constexpr size_t kLitSWrt = kLiteralPool + 0x4e0;  // 17 bytes
constexpr size_t kLitSAt = kLiteralPool + 0x500;  // 6 bytes
constexpr size_t kLitSLimit = kLiteralPool + 0x520;  // 15 bytes

// Record layouts.
constexpr size_t kGlitchSchedTime = 0, kGlitchGlitchTime = 8, kGlitchSchedValue = 16, kGlitchLastValue = 17;
constexpr size_t kPathStride = 24, kPath01Stride = 32, kPath01ZStride = 64;
constexpr size_t kPathChangeTime = 0, kPathDelay = 8;
constexpr size_t kPathCondition = 16, kPath01Condition = 24, kPath01ZCondition = 56;
constexpr size_t kInfoViolation = 0, kInfoCheckKind = 1, kInfoObsTime = 8, kInfoExpTime = 16, kInfoDetTime = 24,
                 kInfoState = 32, kCheckInfoSize = 40;
constexpr size_t kTdNotFirst = 0, kTdRefLast = 1, kTdRefTime = 8, kTdHoldEn = 16, kTdTestLast = 17, kTdTestTime = 24,
                 kTdSetupEn = 32, kTdTestLastA = 40, kTdTestTimeA = 112, kTdHoldEnA = 184, kTdSetupEnA = 256,
                 kTimingDataSize = 328;
constexpr size_t kPdLast = 0, kPdRise = 8, kPdFall = 16, kPdNotFirst = 24;
constexpr size_t kSkewExpected = 0, kSkewS1Old1 = 8, kSkewS2Old1 = 16, kSkewS1Old2 = 24, kSkewS2Old2 = 32;

}  // namespace vital_timing

extern "C" {
void ieee_p_2717149903_init(void);

// 0, 1: Minimum, Maximum (TIME)
int64_t ieee_p_2717149903_sub_2876942914_2101202839(char *block, int64_t a, int64_t b);
int64_t ieee_p_2717149903_sub_1261593284_2101202839(char *block, int64_t a, int64_t b);
// 2: VitalMessage (ErrorId) return STRING
char *ieee_p_2717149903_sub_2224505450_2101202839(char *block, array_bounds *result, uint8_t error_id);
// 3 to 5: VitalError (Routine, ErrorId [, Info STRING | CHARACTER])
void ieee_p_2717149903_sub_891213412_2101202839(char *block, void *context, const char *routine,
                                                const array_bounds *routine_b, uint8_t error_id);
void ieee_p_2717149903_sub_648230642_2101202839(char *block, void *context, const char *routine,
                                                const array_bounds *routine_b, uint8_t error_id, const char *info,
                                                const array_bounds *info_b);
void ieee_p_2717149903_sub_707547060_2101202839(char *block, void *context, const char *routine,
                                                const array_bounds *routine_b, uint8_t error_id, uint8_t info);
// 6 to 8: VitalExtendToFillDelay return VitalDelayType01Z
int64_t *ieee_p_2717149903_sub_3970655101_2101202839(char *block, int64_t delay);
int64_t *ieee_p_2717149903_sub_4115899059_2101202839(char *block, const int64_t *delay);
int64_t *ieee_p_2717149903_sub_4009522676_2101202839(char *block, const int64_t *delay);
// 9 to 11: VitalCalcDelay (NewVal, OldVal, Delay)
int64_t ieee_p_2717149903_sub_3513290822_2101202839(char *block, uint8_t new_val, uint8_t old_val, int64_t delay);
int64_t ieee_p_2717149903_sub_3117307889_2101202839(char *block, uint8_t new_val, uint8_t old_val,
                                                    const int64_t *delay);
int64_t ieee_p_2717149903_sub_2630507023_2101202839(char *block, uint8_t new_val, uint8_t old_val,
                                                    const int64_t *delay);
// 12 to 14: VitalSelectPathDelay
int64_t ieee_p_2717149903_sub_627053527_2101202839(char *block, uint8_t new_value, uint8_t old_value,
                                                   const char *name, const array_bounds *name_b,
                                                   const uint8_t *paths, const array_bounds *paths_b,
                                                   int64_t default_delay, uint8_t ignore_default);
int64_t ieee_p_2717149903_sub_786952671_2101202839(char *block, uint8_t new_value, uint8_t old_value,
                                                   const char *name, const array_bounds *name_b,
                                                   const uint8_t *paths, const array_bounds *paths_b,
                                                   const int64_t *default_delay, uint8_t ignore_default);
int64_t ieee_p_2717149903_sub_231579064_2101202839(char *block, uint8_t new_value, uint8_t old_value,
                                                   const char *name, const array_bounds *name_b,
                                                   const uint8_t *paths, const array_bounds *paths_b,
                                                   const int64_t *default_delay, uint8_t ignore_default);
// 15: ReportGlitch
void ieee_p_2717149903_sub_2507489675_2101202839(char *block, void *context, const char *routine,
                                                 const array_bounds *routine_b, const char *name,
                                                 const array_bounds *name_b, int64_t preempted_time,
                                                 uint8_t preempted_value, int64_t new_time, uint8_t new_value,
                                                 int32_t index, uint8_t is_array, uint8_t severity);
// 16: VitalGlitch
void ieee_p_2717149903_sub_861658406_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                uint32_t out_off, void *out_drv, uint8_t *glitch_data,
                                                const char *name, const array_bounds *name_b, uint8_t new_value,
                                                int64_t new_delay, uint8_t mode, uint8_t x_on,
                                                uint8_t neg_preempt_on, uint8_t msg_on, uint8_t severity);
// 17 to 19: VitalPathDelay, VitalPathDelay01, VitalPathDelay01Z
void ieee_p_2717149903_sub_32700714_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                               uint32_t out_off, void *out_drv, uint8_t *glitch_data,
                                               const char *name, const array_bounds *name_b, uint8_t out_temp,
                                               const uint8_t *paths, const array_bounds *paths_b,
                                               int64_t default_delay, uint8_t mode, uint8_t x_on, uint8_t msg_on,
                                               uint8_t severity, uint8_t neg_preempt_on, uint8_t ignore_default);
void ieee_p_2717149903_sub_2486506143_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                 uint32_t out_off, void *out_drv, uint8_t *glitch_data,
                                                 const char *name, const array_bounds *name_b, uint8_t out_temp,
                                                 const uint8_t *paths, const array_bounds *paths_b,
                                                 const int64_t *default_delay, uint8_t mode, uint8_t x_on,
                                                 uint8_t msg_on, uint8_t severity, uint8_t neg_preempt_on,
                                                 uint8_t ignore_default, uint8_t reject_fast_path);
void ieee_p_2717149903_sub_3490601596_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                 uint32_t out_off, void *out_drv, uint8_t *glitch_data,
                                                 const char *name, const array_bounds *name_b, uint8_t out_temp,
                                                 const uint8_t *paths, const array_bounds *paths_b,
                                                 const int64_t *default_delay, uint8_t mode, uint8_t x_on,
                                                 uint8_t msg_on, uint8_t severity, const uint8_t *output_map,
                                                 uint8_t neg_preempt_on, uint8_t ignore_default,
                                                 uint8_t reject_fast_path);
// 20 to 22: VitalWireDelay; 23: VitalSignalDelay
void ieee_p_2717149903_sub_438728145_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                uint32_t out_off, void *out_drv, void *in_sig, uint32_t in_pos,
                                                uint32_t in_off, int64_t twire);
void ieee_p_2717149903_sub_539877840_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                uint32_t out_off, void *out_drv, void *in_sig, uint32_t in_pos,
                                                uint32_t in_off, const int64_t *twire);
void ieee_p_2717149903_sub_1126818797_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                 uint32_t out_off, void *out_drv, void *in_sig, uint32_t in_pos,
                                                 uint32_t in_off, const int64_t *twire);
void ieee_p_2717149903_sub_649313994_2101202839(char *block, void *context, void *out_sig, uint32_t out_pos,
                                                uint32_t out_off, void *out_drv, void *in_sig, uint32_t in_pos,
                                                uint32_t in_off, int64_t dly);
// 24: ReportViolation
void ieee_p_2717149903_sub_1295070658_2101202839(char *block, void *context, const char *test_name,
                                                 const array_bounds *test_name_b, const char *ref_name,
                                                 const array_bounds *ref_name_b, const char *header,
                                                 const array_bounds *header_b, const uint8_t *check_info,
                                                 uint8_t severity);
// 25: InternalTimingCheck
void ieee_p_2717149903_sub_3030593962_2101202839(char *block, void *context, uint8_t test_signal,
                                                 uint8_t ref_signal, int64_t test_delay, int64_t ref_delay,
                                                 int64_t setup_high, int64_t setup_low, int64_t hold_high,
                                                 int64_t hold_low, int64_t ref_time, uint8_t ref_edge,
                                                 int64_t test_time, uint8_t test_event, uint8_t *setup_en,
                                                 uint8_t *hold_en, uint8_t *check_info, uint8_t msg_on);
// 26: VitalTimingDataInit return VitalTimingDataType
uint8_t *ieee_p_2717149903_sub_2322797220_2101202839(char *block);
// 27: VitalSetupHoldCheck (scalar test signal)
void ieee_p_2717149903_sub_3797369404_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *timing_data, void *test_sig, int32_t test_unused,
    uint32_t test_off, const char *test_name, const array_bounds *test_name_b, int64_t test_delay, void *ref_sig,
    int32_t ref_unused, uint32_t ref_off, const char *ref_name, const array_bounds *ref_name_b, int64_t ref_delay,
    int64_t setup_high, int64_t setup_low, int64_t hold_high, int64_t hold_low, uint8_t check_enabled,
    uint8_t ref_transition, const char *header, const array_bounds *header_b, uint8_t x_on, uint8_t msg_on,
    uint8_t severity, uint8_t enable_setup_on_test, uint8_t enable_setup_on_ref, uint8_t enable_hold_on_ref,
    uint8_t enable_hold_on_test);
// 28: VitalSetupHoldCheck (std_logic_vector test signal)
void ieee_p_2717149903_sub_3199856115_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *timing_data, void *test_sig, int32_t test_unused,
    uint32_t test_off, const array_bounds *test_b, const char *test_name, const array_bounds *test_name_b,
    int64_t test_delay, void *ref_sig, int32_t ref_unused, uint32_t ref_off, const char *ref_name,
    const array_bounds *ref_name_b, int64_t ref_delay, int64_t setup_high, int64_t setup_low, int64_t hold_high,
    int64_t hold_low, uint8_t check_enabled, uint8_t ref_transition, const char *header,
    const array_bounds *header_b, uint8_t x_on, uint8_t msg_on, uint8_t severity, uint8_t enable_setup_on_test,
    uint8_t enable_setup_on_ref, uint8_t enable_hold_on_ref, uint8_t enable_hold_on_test);
// 29: VitalRecoveryRemovalCheck
void ieee_p_2717149903_sub_2603698110_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *timing_data, void *test_sig, int32_t test_unused,
    uint32_t test_off, const char *test_name, const array_bounds *test_name_b, int64_t test_delay, void *ref_sig,
    int32_t ref_unused, uint32_t ref_off, const char *ref_name, const array_bounds *ref_name_b, int64_t ref_delay,
    int64_t recovery, int64_t removal, uint8_t active_low, uint8_t check_enabled, uint8_t ref_transition,
    const char *header, const array_bounds *header_b, uint8_t x_on, uint8_t msg_on, uint8_t severity,
    uint8_t enable_rec_on_test, uint8_t enable_rec_on_ref, uint8_t enable_rem_on_ref, uint8_t enable_rem_on_test);
// 30: VitalPeriodPulseCheck
void ieee_p_2717149903_sub_756322403_2101202839(char *block, void *context, uint8_t *violation,
                                                uint8_t *period_data, void *test_sig, int32_t test_unused,
                                                uint32_t test_off, const char *test_name,
                                                const array_bounds *test_name_b, int64_t test_delay, int64_t period,
                                                int64_t pulse_width_high, int64_t pulse_width_low,
                                                uint8_t check_enabled, const char *header,
                                                const array_bounds *header_b, uint8_t x_on, uint8_t msg_on,
                                                uint8_t severity);
// 31: ReportSkewViolation
void ieee_p_2717149903_sub_3387488047_2101202839(char *block, void *context, const char *signal1_name,
                                                 const array_bounds *signal1_name_b, const char *signal2_name,
                                                 const array_bounds *signal2_name_b, int64_t expected_time,
                                                 int64_t occurrence_time, const char *header,
                                                 const array_bounds *header_b, uint8_t severity, uint8_t skew_phase,
                                                 uint8_t violation_flag);
// 32, 33: VitalInPhaseSkewCheck, VitalOutPhaseSkewCheck
void ieee_p_2717149903_sub_3113930266_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *skew_data, void *sig1, int32_t sig1_unused,
    uint32_t sig1_off, const char *sig1_name, const array_bounds *sig1_name_b, int64_t sig1_delay, void *sig2,
    int32_t sig2_unused, uint32_t sig2_off, const char *sig2_name, const array_bounds *sig2_name_b,
    int64_t sig2_delay, int64_t skew_s1s2_rise_rise, int64_t skew_s2s1_rise_rise, int64_t skew_s1s2_fall_fall,
    int64_t skew_s2s1_fall_fall, uint8_t check_enabled, uint8_t x_on, uint8_t msg_on, uint8_t severity,
    const char *header, const array_bounds *header_b, void *trigger, uint32_t trigger_pos, uint32_t trigger_off,
    void *trigger_drv);
void ieee_p_2717149903_sub_2088022747_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *skew_data, void *sig1, int32_t sig1_unused,
    uint32_t sig1_off, const char *sig1_name, const array_bounds *sig1_name_b, int64_t sig1_delay, void *sig2,
    int32_t sig2_unused, uint32_t sig2_off, const char *sig2_name, const array_bounds *sig2_name_b,
    int64_t sig2_delay, int64_t skew_s1s2_rise_fall, int64_t skew_s2s1_rise_fall, int64_t skew_s1s2_fall_rise,
    int64_t skew_s2s1_fall_rise, uint8_t check_enabled, uint8_t x_on, uint8_t msg_on, uint8_t severity,
    const char *header, const array_bounds *header_b, void *trigger, uint32_t trigger_pos, uint32_t trigger_off,
    void *trigger_drv);
}

#endif
