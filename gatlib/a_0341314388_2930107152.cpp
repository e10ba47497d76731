// The clock manager model (unit gatlib_a_0341314388_2930107152): a behavioural
// clock generator with a configuration register port.
//
// It measures the period of its reference clock over the last five cycles and
// averages it; from that average and a multiply and a divide value it derives
// an oscillator period, which a pulse train locked to the reference clock (or
// a free-running oscillator) produces; an eight-step delay line lays the
// oscillator onto eight phase taps; seven counter channels divide their
// selected tap, each after a delay of its own, and drive two output ports
// each. A ladder of lock stages counts the measured reference cycles. The
// configuration process turns the compiled-in channel settings into divider
// and phase fields at its first activation and serves a register port through
// which 16-bit words rewrite them; time-zero and run-time checks report
// settings and inputs the model cannot honour.
//
// Signals are reached by their number k (the signal record at 0x3e0 + 160 k);
// which driver feeds which signal, the sensitivity sets, the initial values,
// the constants and every report text are the instance's design data. The
// block layout below (process records, flags, drivers, variables and the
// literal pool) is the one the design data lays out.
#include "gatlib/a_0341314388_2930107152.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

#include "gatlib/built_message.h"
#include "gatlib/p_0947159679.h"
#include "gatlib/p_3222816464.h"
#include "ieee/p_1242562249.h"
#include "ieee/p_2592010699.h"
#include "units/process_protocol.h"
#include "units/snapshot.h"

#define PROCESS(n) void gatlib_a_0341314388_2930107152_p_##n(char *b)

namespace {

using namespace proto;
using namespace gatlib_msg;

constexpr int kProcesses = 116;

// ---- block layout ----------------------------------------------------------

constexpr size_t signal(int k) { return 0x3e0 + kSignalRecordSize * static_cast<size_t>(k); }

// The report texts of the time-zero string checks: the attribute value, its
// allowed values right behind it (each as long as the value) and the report.
struct StringCheck {
    size_t value;
    uint32_t length;
    uint32_t allowed;
    size_t report;
    uint32_t report_length;
};

// constants of the instance (object descriptors)
constexpr size_t kConstBase = 0xc780;
constexpr size_t kSampleReset = kConstBase + 0;        // reset value of the five period samples
constexpr size_t kFirstThreshold = kConstBase + 120;   // stage at which the lock flag rises
constexpr size_t kOscHalfPeriod = kConstBase + 240;    // half period of the free-running oscillator
constexpr size_t kCounterClockDelay = kConstBase + 360;  // delay of the cycle-counter clock copy
constexpr size_t kStatusLimit = kConstBase + 480;      // period deviation that sets the status flag
constexpr size_t kIntervalLimit = kConstBase + 600;    // longest interval between feedback edges
constexpr size_t kVcoMax = kConstBase + 720;           // highest oscillator frequency, MHz
constexpr size_t kVcoMin = kConstBase + 840;           // lowest oscillator frequency, MHz

// process variables, in the block itself
constexpr size_t kVarPrevEdge = 0xcb40;         // p_62: time of the previous reference edge
constexpr size_t kVarNewest = 0xcb48;           // p_66: the newest sample
constexpr size_t kVarAverage = 0xcb50;          // p_66: the average
constexpr size_t kVarP = 0xcb58;                // p_67: multiplied input period
constexpr size_t kVarQ = 0xcb60;                // p_67: oscillator period
constexpr size_t kVarS = 0xcb68;                // p_67: upper half of the oscillator period
constexpr size_t kVarM = 0xcb70;                // p_67: multiply value
constexpr size_t kVarD = 0xcb74;                // p_67: divide value
constexpr size_t kVarH = 0xcb78;                // p_67: half the divide value
constexpr size_t kVarR = 0xcb7c;                // p_67: low 32 bits of P
constexpr size_t kVarF = 0xcb80;                // p_67: remainder of R over the divide value
constexpr size_t kVarFirstActivation = 0xcb84;  // p_67: first-activation flag (BOOLEAN)
constexpr size_t kVarRiseTime = 0xcb88;         // p_56: time of the last rising edge
constexpr size_t kVarWidth = 0xcb90;            // p_56: width of the last pulse
constexpr size_t kVarEdgeTime = 0xcb98;         // p_107: time of the current edge
constexpr size_t kVarInterval = 0xcba0;         // p_107: interval to the previous edge
constexpr size_t kVarPhaseA = 0xcba8;           // p_69: correction phase
constexpr size_t kVarFeedbackSel = 0xcbac;      // p_30: feedback selection of check 5
constexpr size_t kVarFeedbackMult = 0xcbb0;     // p_30: feedback multiply of check 5
constexpr size_t kVarDutyResults = 0xcbb4;      // p_30: duty_check results of channels 0 to 5
constexpr size_t kVarSetupPending = 0xcbba;     // p_58: the set-up has not run yet (BOOLEAN)
constexpr size_t kVarAddressKnown = 0xcbbb;     // p_58: the last address had only '0' and '1'
constexpr size_t kVarAddressVector = 0xcbbc;    // p_58: address literal of the word being written
constexpr size_t kVarAddress = 0xcbc4;          // p_58: register address
constexpr size_t kChannelVars = 0xcbc8;         // p_58: fields of channels 0 to 8, 32 bytes each
constexpr size_t kVarDivHigh = 0xcce8;          // p_58: divider scratch fields
constexpr size_t kVarDivLow = 0xccef;
constexpr size_t kVarDivNoCount = 0xccf6;
constexpr size_t kVarDivEdge = 0xccf7;
constexpr size_t kVarPhaseDelay = 0xccf8;  // p_58: phase scratch fields
constexpr size_t kVarPhaseTap = 0xccfe;
constexpr size_t kVarCountHigh = 0xcd04;  // p_58: count scratch variables
constexpr size_t kVarCountTotal = 0xcd08;
constexpr size_t kVarCountLast = 0xcd0c;
constexpr size_t kVarChannel0Phase = 0xcd10;  // p_58: phase of channel 0 (REAL)
constexpr size_t kVarXFill = 0xcd18;          // p_58: X-fill vector (7 downto 0)
constexpr size_t kVarPatternA = 0xcd20;       // p_58: multiply pattern A
constexpr size_t kVarPatternB = 0xcd24;       // p_58: multiply pattern B
constexpr size_t kVarPatternP = 0xcd28;       // p_58: two-bit pattern P
constexpr size_t kVarPatternQ = 0xcd2a;       // p_58: two-bit pattern Q
constexpr size_t kVarWordText = 0xcd2c;       // p_58: text of the word written (16 characters)
constexpr size_t kVarRegisterName = 0xcd3c;   // p_58: name of the register written (5 characters)

constexpr size_t kProcessBase = 0xcd50;
constexpr size_t kFlagBase = 0x13db0;
constexpr size_t kDriverBase = 0x144f0;
// Drivers of each process, in process order (the design data lists them so).
constexpr uint8_t kDriverCount[kProcesses] = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // p_0 to p_29
    10, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 1, 83,  // p_30 to p_58
    1, 1, 1, 8, 1, 1, 1, 1, 25, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // p_59 to p_89
    7, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 2, 2, 1, 1};  // p_90 to p_115

constexpr size_t process_at(int n) { return kProcessBase + kProcessRecordSize * static_cast<size_t>(n); }
constexpr size_t flag_at(int n) { return kFlagBase + 16 * static_cast<size_t>(n); }
// Index of each process's first driver record.
constexpr std::array<uint16_t, kProcesses> first_drivers() {
    std::array<uint16_t, kProcesses> first{};
    for (int p = 1; p < kProcesses; ++p) first[p] = static_cast<uint16_t>(first[p - 1] + kDriverCount[p - 1]);
    return first;
}
constexpr std::array<uint16_t, kProcesses> kFirstDriver = first_drivers();
constexpr size_t driver(int process, int k = 0) {
    return kDriverBase + kDriverRecordSize * (kFirstDriver[static_cast<size_t>(process)] + static_cast<size_t>(k));
}

// the library's package-level reset signal, in GATLIB_P_0947159679's block
constexpr size_t kGlobalReset = gatlib_p_0947159679::kSignal;

// ---- literal pool: report texts and literals, one copy per use ----
constexpr size_t kPool = 0x18430;
constexpr size_t kLitE1Head = kPool + 948;
constexpr size_t kLitE1Limit = kPool + 1012;
constexpr size_t kLitE1Between = kPool + 1042;
constexpr size_t kLitE1Unit = kPool + 1049;
constexpr size_t kLitE2Head = kPool + 1052;
constexpr size_t kLitE2Limit = kPool + 1116;
constexpr size_t kLitE2Between = kPool + 1146;
constexpr size_t kLitE2Unit = kPool + 1153;
constexpr size_t kLitDutyName = kPool + 1156;
constexpr size_t kLitFinalValue = kPool + 1264;
constexpr size_t kLitFinalAllowed = kPool + 1270;
constexpr size_t kLitFinalReport = kPool + 1276;
constexpr size_t kLitControlInput = kPool + 1371;
constexpr size_t kLitRangeHead = kPool + 1499;
constexpr size_t kLitRangeRange = kPool + 1558;
constexpr size_t kLitRangeTo = kPool + 1614;
constexpr size_t kLitRangeOutput0 = kPool + 1622;
constexpr size_t kLitRangeFeedback = kPool + 1755;
constexpr size_t kLitRangeTail = kPool + 1871;
constexpr size_t kLitPulseWidth = kPool + 1938;
constexpr size_t kLitPhaseName = kPool + 1992;
constexpr size_t kLitBypass6High = kPool + 2084;
constexpr size_t kLitBypass6Low = kPool + 2091;
constexpr size_t kLitBypass7High = kPool + 2098;
constexpr size_t kLitBypass7Low = kPool + 2105;
constexpr size_t kLitSel1Delay6 = kPool + 2112;
constexpr size_t kLitSel1Tap6 = kPool + 2118;
constexpr size_t kLitSel1Delay7 = kPool + 2121;
constexpr size_t kLitSel1Tap7 = kPool + 2127;
constexpr size_t kLitSel0Delay7 = kPool + 2130;
constexpr size_t kLitSel0Tap7 = kPool + 2136;
constexpr size_t kLitMultRangeHead = kPool + 2139;
constexpr size_t kLitMultRangeAnd = kPool + 2225;
constexpr size_t kLitMultRangeProduct = kPool + 2230;
constexpr size_t kLitMultRangeTail = kPool + 2284;
constexpr size_t kLitPatternP = kPool + 2312;
constexpr size_t kLitMultTable = kPool + 2314;
constexpr size_t kLitMultDefaultA = kPool + 3978;
constexpr size_t kLitMultDefaultB = kPool + 3982;
constexpr size_t kLitFieldAddr = kPool + 3986;
constexpr size_t kLitBusy = kPool + 4166;
constexpr size_t kLitAddressScatterHead = kPool + 4291;
constexpr size_t kLitAddressScatterTail = kPool + 4317;
constexpr size_t kLitAddressFieldHead = kPool + 4356;
constexpr size_t kLitAddressFieldTail = kPool + 4382;
constexpr size_t kLitWriteWithoutReset = kPool + 4421;
constexpr size_t kLitChannel8Count = kPool + 4516;
constexpr size_t kLitDecode = kPool + 4644;
constexpr size_t kLitScatterAddr = kPool + 4814;
constexpr uint32_t kLitNoDivideLength = 102;
constexpr size_t kLitNoDivide = kPool + 4914;
constexpr uint32_t kLitNoHalfPeriodLength = 107;
constexpr size_t kLitNoHalfPeriod = kPool + 5016;
constexpr size_t kLitTapReset = kPool + 5123;
constexpr size_t kLitInterval0 = kPool + 5131;
constexpr size_t kLitInterval1 = kPool + 5164;
constexpr size_t kLitLowSaturated = kPool + 5195;
constexpr size_t kLitLowBelowOne = kPool + 5202;
constexpr size_t kLitHighSaturated = kPool + 5209;
constexpr size_t kLitDelaySaturated = kPool + 5216;
constexpr size_t kLitTap = kPool + 5222;
constexpr size_t kLitPhaseW1Head = kPool + 5246;
constexpr size_t kLitPhaseW1Set = kPool + 5267;
constexpr size_t kLitPhaseW1Tail = kPool + 5289;
constexpr size_t kLitPhaseW2Head = kPool + 5396;
constexpr size_t kLitPhaseW2Set = kPool + 5417;
constexpr size_t kLitPhaseW2Made = kPool + 5439;
constexpr size_t kLitPhaseW2Tail = kPool + 5464;
constexpr size_t kLitLowMatch = kPool + 5508;
constexpr size_t kLitLowReplace = kPool + 5514;
constexpr size_t kLitHighMatch = kPool + 5521;
constexpr size_t kLitHighReplace = kPool + 5527;
constexpr size_t kLitUnpackHead = kPool + 5534;
constexpr size_t kLitUnpackRegister = kPool + 5582;
constexpr size_t kLitUnpackTail = kPool + 5602;
constexpr size_t kLitDutyW1Head = kPool + 5635;
constexpr size_t kLitDutyW1Set = kPool + 5663;
constexpr size_t kLitDutyW1Range = kPool + 5674;
constexpr size_t kLitDutyW1And = kPool + 5707;
constexpr size_t kLitDutyW2Head = kPool + 5712;
constexpr size_t kLitDutyW2At = kPool + 5740;
constexpr size_t kLitDutyW2Tail = kPool + 5744;
constexpr StringCheck kStringChecks[] = {
    {kPool + 0, 7, 2, kPool + 21, 63},
    {kPool + 84, 9, 2, kPool + 111, 64},
    {kPool + 175, 8, 4, kPool + 215, 124},
    {kPool + 339, 9, 2, kPool + 366, 64},
    {kPool + 430, 8, 2, kPool + 454, 66},
    {kPool + 520, 4, 2, kPool + 532, 49},
    {kPool + 581, 4, 2, kPool + 593, 49},
    {kPool + 642, 4, 2, kPool + 654, 49},
    {kPool + 703, 4, 2, kPool + 715, 49},
    {kPool + 764, 4, 2, kPool + 776, 49},
    {kPool + 825, 4, 2, kPool + 837, 49},
    {kPool + 886, 4, 2, kPool + 898, 50},
};
constexpr size_t kLitF[21] = {kPool + 4081, kPool + 4089, kPool + 4091, kPool + 4094, kPool + 4096, kPool + 4098, kPool + 4100, kPool + 4102, kPool + 4104, kPool + 4106, kPool + 4108, kPool + 4112, kPool + 4116, kPool + 4120, kPool + 4127, kPool + 4134, kPool + 4138, kPool + 4142, kPool + 4144, kPool + 4150, kPool + 4159};
constexpr size_t kVarLoopIndex = 0x19ad8;
constexpr size_t kVarLoopBound = 0x19adc;

// ---- signals ---------------------------------------------------------------

// input ports and their copies
constexpr size_t kFeedbackIn = signal(17), kClockIn1 = signal(18), kClockIn2 = signal(19), kClockInSel = signal(20);
constexpr size_t kRegClockPort = signal(22), kRegEnablePort = signal(23), kRegWritePort = signal(25);
constexpr size_t kRegAddressPort = signal(21), kRegDataPort = signal(24), kRelPort = signal(26), kRstPort = signal(27);
constexpr size_t kRegClock = signal(28), kRegEnable = signal(29), kRegAddress = signal(30), kRegWrite = signal(31);
constexpr size_t kRegData = signal(32);  // 15 downto 0
constexpr size_t kIdleDelaySource = signal(106), kRelDelaySource = signal(107);
constexpr size_t kLock = signal(46);     // stage flag 1
constexpr size_t kReadWord = signal(47), kReady = signal(48);
constexpr size_t kReset = signal(66);    // the model's reset
constexpr size_t kRstCopy = signal(67);  // asynchronous set; its pulse width is checked
constexpr size_t kFeedback = signal(69), kClock1 = signal(70), kClock1b = signal(71), kClock2 = signal(72);
constexpr size_t kClockSel = signal(73), kRel = signal(74), kSelect2 = signal(75);
constexpr size_t kLatchedAddress = signal(76), kStage1 = signal(77), kStage2 = signal(78);
constexpr size_t kRegisterFile = signal(79);  // 32 words of 16 elements, word 31 first
constexpr size_t kCounterClock = signal(80);
constexpr size_t kPeriodGate = signal(85), kLost = signal(86);
constexpr size_t kOscEnable = signal(104);
constexpr size_t kStage = signal(110), kStageLimit1 = signal(111), kStageLimit2 = signal(112), kStageMax = signal(113);
constexpr size_t kPulseTrain = signal(114), kTrainReset = signal(115), kOsc = signal(116), kLineIn = signal(117);
constexpr size_t kMultValue = signal(118), kMultOffset = signal(119), kFeedbackMode = signal(120);
constexpr size_t kResetB = signal(121), kResetC = signal(122), kLockCond = signal(123);
constexpr size_t kUseDivided = signal(126), kLostCond = signal(127), kAltClock = signal(128);
constexpr size_t kTimeStamp = signal(129), kLineDelay = signal(130), kPrevFeedbackEdge = signal(133);
constexpr size_t kSamples = signal(134);  // 4 downto 0: position 4 is the newest
constexpr size_t kOscPeriod = signal(135), kCorrInterval = signal(137), kCorrMode = signal(139);
constexpr size_t kTapDelay1 = signal(140);  // 140 to 146: delays 1/8 to 7/8
constexpr size_t kHighTime = signal(147), kLowTime = signal(149), kLowTimeLong = signal(150);
constexpr size_t kAverage = signal(153), kPulses = signal(155), kPulsesCorr = signal(156);
constexpr size_t kUpdate = signal(158), kLockDelay = signal(159), kRefClock = signal(162);
constexpr size_t kLockMode = signal(165), kTrainSel = signal(166), kLockCond2 = signal(167);
constexpr size_t kLockCond3 = signal(168), kLockCond4 = signal(171), kDeviation = signal(173);
constexpr size_t kOscStop = signal(184), kRippleReset = signal(185);
constexpr size_t kTaps = signal(204);  // 7 downto 0
constexpr size_t kFractionCode = signal(212), kFraction = signal(214), kFeedbackDelay = signal(274);
constexpr size_t kLayoutSelect = signal(309), kDivide = signal(310), kMultiply = signal(311), kSetupEnable = signal(312);

// per channel i = 0 to 6
constexpr size_t channel_output(int i) { return signal(190 + i); }
constexpr size_t tap_clock(int i) { return signal(89 + i); }
constexpr size_t divided_clock(int i) { return signal(i == 6 ? 102 : 96 + i); }
constexpr size_t selected_divided(int i) { return signal(i == 6 ? 103 : 96 + i); }
constexpr size_t count_enable(int i) { return signal(197 + i); }
constexpr size_t tap_index(int i) { return signal(205 + i); }
constexpr size_t delay_counter(int i) { return signal(234 + i); }
constexpr size_t delay_count(int i) { return signal(266 + i); }
constexpr size_t high_count(int i) { return signal(277 + i); }
constexpr size_t half_cycles(int i) { return signal(285 + i); }
constexpr size_t last_count(int i) { return signal(301 + i); }

// drivers of p_62 and p_67
enum { kDrvSamples, kDrvDeviation, kDrvStage, kDrvFlag1, kDrvFlag2, kDrvFlag3, kDrvFlag4, kDrvFlag5 };
enum { kOutM, kOutD, kOutH, kOutF, kOutInSteps, kOutMSteps, kOutInterval, kOutMode, kOutHalf, kOutHalfPlus1,
       kOutUpper, kOutUpperPlus1, kOutUpperMinus1, kOutFeedbackPeriod, kOutLockDelay, kOutLockWindow, kOutP, kOutQ,
       kOutTap1 };
// drivers of p_58: handshake, address, image; then per channel (9 or 8 of each)
enum {
    kCfgStage1 = 0, kCfgStage2 = 1, kCfgReady = 2, kCfgAddress = 3, kCfgImage = 4,
    kCfgHigh = 5, kCfgLow = 14, kCfgNoCount = 23, kCfgEdge = 32,  // channels 0 to 8
    kCfgHighCount = 41, kCfgTotal = 49, kCfgTotal8 = 57, kCfgLastCount = 58, kCfgDelayCount = 66,
    kCfgTapCount = 74,  // channels 0 to 7
    kCfgSetupDone = 82
};
constexpr size_t cfg_driver(int k) { return driver(58, k); }
// drivers of p_30
enum { kS1, kS2, kS3, kS4, kS5, kN1, kN2, kN3, kN4, kN5 };

// ---- values ------------------------------------------------------------------

template <typename T>
T get(char *b, size_t off) {
    T v;
    std::memcpy(&v, b + off, sizeof v);
    return v;
}
template <typename T>
void put(char *b, size_t off, T v) {
    std::memcpy(b + off, &v, sizeof v);
}
template <typename T>
T constant(char *b, size_t off) {
    T v;
    std::memcpy(&v, object_value(b, off), sizeof v);
    return v;
}
const uint8_t *literal(char *b, size_t off) { return reinterpret_cast<const uint8_t *>(b + off); }

uint8_t logic(bool v) { return v ? SL_1 : SL_0; }
uint8_t logic_or(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_2545490612_503743352(IEEE_P_2592010699, l, r); }
uint8_t logic_not(uint8_t v) { return ieee_p_2592010699_sub_1690584930_503743352(IEEE_P_2592010699, v); }
bool any_edge(char *b, size_t sig) { return rising_edge(b, sig) || falling_edge(b, sig); }

// 32-bit and 64-bit arithmetic that wraps as the model's INTEGER and TIME
// arithmetic does in hardware terms, without undefined behaviour.
int32_t wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }
int64_t mul64(int64_t a, int64_t c) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(c));
}
int64_t add64(int64_t a, int64_t c) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(c));
}
int64_t sub64(int64_t a, int64_t c) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(c));
}
// A REAL converted to a 64-bit integer toward zero; values beyond the range
// saturate and NaN gives 0, where the plain conversion is undefined.
int64_t trunc64(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
    if (x <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(x);
}
int32_t saturate32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// ---- assignments ---------------------------------------------------------------

void drive_int(char *b, size_t drv, int32_t v) { assign(b, drv, &v, sizeof v); }
void drive_time(char *b, size_t drv, int64_t v) { assign(b, drv, &v, sizeof v); }
void drive_real(char *b, size_t drv, double v) { assign(b, drv, &v, sizeof v); }
// Transport assignment of the whole signal (`count` elements) after `delay`.
void drive_transport(char *b, size_t drv, const void *v, uint32_t count, size_t bytes, int64_t delay) {
    assign_elements(b, drv, 0, count, v, bytes, delay);
}
// Inertial assignment after `delay`, rejecting pulses shorter than `delay`.
void drive_inertial(char *b, size_t drv, const void *v, uint32_t count, size_t bytes, int64_t delay) {
    assign_elements(b, drv, 0, count, v, bytes, delay);
    zem_driver_intertial_reject(driver_record(b, drv), delay, delay);
}

// Leaving process n, which keeps a resume label, to wait on its sensitivity
// set; it goes on at `resume` when woken.
void wait_on_sensitivity_at(char *b, int n, void *resume) {
    proto::wait_on_sensitivity_at(b, flag_at(n), process_at(n), resume);
}

// ---- fixed bounds of the model's constrained vectors -------------------------

constexpr array_bounds kField7 = {6, 0, -1, 7};    // high-time and low-time fields
constexpr array_bounds kField6 = {5, 0, -1, 6};    // delay field
constexpr array_bounds kField3 = {2, 0, -1, 3};    // phase-tap field
constexpr array_bounds kAddress5 = {4, 0, -1, 5};  // register address
constexpr array_bounds kWord16 = {15, 0, -1, 16};  // register word

// Element n of a register word (15 downto 0) lies at position 15 - n.
constexpr size_t word_bit(int n) { return static_cast<size_t>(15 - n); }

}  // namespace

// ==== subprograms ===============================================================

extern "C" {

int32_t gatlib_a_0341314388_2930107152_sub_3182959421_1577006045(char *block, const uint8_t *v,
                                                                  const array_bounds *vb) {
    // the support package's vector_to_natural, declared again in the model
    return gatlib_p_3222816464_sub_3182959421_279109243(GATLIB_P_3222816464, v, vb);
}

uint8_t gatlib_a_0341314388_2930107152_sub_2053111517_1577006045(char *block, const uint8_t *v,
                                                                 const array_bounds *vb) {
    // the support package's is_all_01, declared again in the model
    return gatlib_p_3222816464_sub_2053111517_279109243(GATLIB_P_3222816464, v, vb);
}

int32_t gatlib_a_0341314388_2930107152_sub_678935357_1577006045(char *block, double x) {
    if (x > -1.0 && x < 1.0) return 0;
    const int32_t k = saturate32(trunc64(x * 1000.0) / 1000);
    return static_cast<double>(k) > x && k != std::numeric_limits<int32_t>::min() ? k - 1 : k;
}

}  // extern "C"

namespace {

int32_t bits_to_natural(char *b, const uint8_t *v, const array_bounds &vb) {
    return gatlib_a_0341314388_2930107152_sub_3182959421_1577006045(b, v, &vb);
}
int32_t real_floor(char *b, double x) { return gatlib_a_0341314388_2930107152_sub_678935357_1577006045(b, x); }

// numeric_std's TO_UNSIGNED(value, size) copied into a field of `size` elements.
void to_unsigned(uint8_t *field, int32_t value, int32_t size) {
    array_bounds rb;
    const uint8_t *r = ieee_p_1242562249_sub_180853171_1035706684(IEEE_P_1242562249, &rb, value, size);
    check_length(size, rb);
    std::memcpy(field, r, static_cast<size_t>(size));
}

// A built report's REAL values: WRITE with digits 0.
void write_real(void *ctx, void *line, double v) {
    std_textio_write6(STD_TEXTIO, ctx, line, v, kRight, kNoField, 0);
}

}  // namespace

extern "C" {

void gatlib_a_0341314388_2930107152_sub_3471423806_1577006045(char *block, void *ctx, uint8_t *delay, uint8_t *tap,
                                                             int32_t divide, double phase, const char *name,
                                                             const array_bounds *nb) {
    const double d = static_cast<double>(divide);
    const double v = phase < 0.0 ? (phase + 360.0) * d / 360.0 : phase * d / 360.0;  // in VCO cycles
    const int32_t n = real_floor(block, v);
    Line line;
    line_init(line);
    if (n > 63) {
        write_literal(ctx, line.object, block, kLitPhaseW1Head, 21);
        write_string(ctx, line.object, reinterpret_cast<const uint8_t *>(name), nb);
        write_literal(ctx, line.object, block, kLitPhaseW1Set, 22);
        write_real(ctx, line.object, phase);
        write_literal(ctx, line.object, block, kLitPhaseW1Tail, 107);
        write_dot_lf(ctx, line.object);
        report_line(line.object, SEV_WARNING);
        std::memcpy(delay, literal(block, kLitDelaySaturated), 6);
    } else {
        to_unsigned(delay, n, 6);
    }
    // the fraction of a VCO cycle picks one of the eight taps, k/8 of a cycle
    const double f = v - static_cast<double>(n);
    int k = 0;
    while (k < 7 && f >= 0.125 * (k + 1)) ++k;
    std::memcpy(tap, literal(block, kLitTap + 3 * static_cast<size_t>(k)), 3);
    double made = (0.125 * k + static_cast<double>(n)) * 360.0 / d;
    if (phase < 0.0) made -= 360.0;
    if (made - phase > 0.001 || made - phase < -0.001) {
        write_literal(ctx, line.object, block, kLitPhaseW2Head, 21);
        write_string(ctx, line.object, reinterpret_cast<const uint8_t *>(name), nb);
        write_literal(ctx, line.object, block, kLitPhaseW2Set, 22);
        write_real(ctx, line.object, phase);
        write_literal(ctx, line.object, block, kLitPhaseW2Made, 25);
        write_real(ctx, line.object, made);
        write_literal(ctx, line.object, block, kLitPhaseW2Tail, 44);
        write_dot_lf(ctx, line.object);
        report_line(line.object, SEV_WARNING);
    }
    zem_access_variable_delete(line.object);
}

void gatlib_a_0341314388_2930107152_sub_1294091590_1577006045(char *block, void *ctx, uint8_t *high, uint8_t *low,
                                                             uint8_t *nocount, uint8_t *edge, int32_t divide,
                                                             double duty) {
    const double d = static_cast<double>(divide);
    const double h = duty * d;                               // high time in VCO cycles
    const int32_t e = zem_vhdl_mod(real_floor(block, 2.0 * h), 2);  // 1: it ends on a half cycle
    // the low count takes the other half cycle of an odd high time
    const double l = d - h;
    double c;
    if (l >= 64.0) {
        std::memcpy(low, literal(block, kLitLowSaturated), 7);
        c = 64.0;
    } else if (l < 1.0) {
        std::memcpy(low, literal(block, kLitLowBelowOne), 7);
        c = 1.0;
    } else {
        const int32_t n = real_floor(block, l) + (e == 1 ? 1 : 0);
        to_unsigned(low, n, 7);
        c = static_cast<double>(n);
    }
    const double r = d - c;
    if (r >= 64.0)
        std::memcpy(high, literal(block, kLitHighSaturated), 7);
    else
        to_unsigned(high, real_floor(block, r), 7);
    *nocount = logic(divide == 1);
    *edge = logic(h < 1.0 || e == 1);
}

void gatlib_a_0341314388_2930107152_sub_2820184156_1577006045(char *block, void *ctx, int32_t *high, int32_t *total,
                                                             int32_t *last, const uint8_t *high_time,
                                                             const uint8_t *low_time, uint8_t nocount, uint8_t edge) {
    if (nocount == SL_1) {
        *high = 1;
        *total = 1;
        *last = 1;
        return;
    }
    const int32_t h = bits_to_natural(block, high_time, kField7);
    const int32_t l = bits_to_natural(block, low_time, kField7);
    *high = 2 * h + (edge == SL_1 ? 1 : 0);
    *total = h + l;
    *last = 2 * *total - 1;
}

void gatlib_a_0341314388_2930107152_sub_834437900_1577006045(char *block, void *ctx, uint8_t *delay, uint8_t *bit6,
                                                            uint8_t *bit7, const uint8_t *word,
                                                            const uint8_t *address, const char *word_text,
                                                            const char *name) {
    std::memcpy(delay, word + word_bit(5), 6);
    *bit6 = word[word_bit(6)];
    *bit7 = word[word_bit(7)];
}

void gatlib_a_0341314388_2930107152_sub_3977722524_1577006045(char *block, void *ctx, uint8_t *low, uint8_t *high,
                                                             uint8_t *field3, const uint8_t *word,
                                                             const uint8_t *address, const char *word_text,
                                                             const char *name) {
    if (word[word_bit(12)] != SL_1) {
        Line line;
        line_init(line);
        write_literal(ctx, line.object, block, kLitUnpackHead, 48);
        const array_bounds tb = literal_bounds(16), nb = literal_bounds(5);
        write_string(ctx, line.object, reinterpret_cast<const uint8_t *>(word_text), &tb);
        write_literal(ctx, line.object, block, kLitUnpackRegister, 20);
        write_string(ctx, line.object, reinterpret_cast<const uint8_t *>(name), &nb);
        write_literal(ctx, line.object, block, kLitUnpackTail, 33);
        write_dot_lf(ctx, line.object);
        report_line(line.object, SEV_ERROR);
        zem_access_variable_delete(line.object);
    }
    // a six-bit time field; its replacement literal stands for the value
    // that six bits cannot hold
    auto time_field = [&](uint8_t *out, int top, size_t match, size_t replace) {
        const uint8_t *bits = word + word_bit(top);
        if (zem_mem_cmp(bits, literal(block, match), 6) == 1) {
            std::memcpy(out, literal(block, replace), 7);
        } else {
            out[0] = SL_0;
            std::memcpy(out + 1, bits, 6);
        }
    };
    time_field(low, 5, kLitLowMatch, kLitLowReplace);
    time_field(high, 11, kLitHighMatch, kLitHighReplace);
    std::memcpy(field3, word + word_bit(15), 3);
}

uint8_t gatlib_a_0341314388_2930107152_sub_2381833435_1577006045(char *block, int32_t divide, double duty,
                                                                const char *name, const array_bounds *nb) {
    const double r = static_cast<double>(divide);
    const double e = static_cast<double>(divide != 0 ? 1000 / divide : 0);
    double minimum, maximum, lower;
    if (r > 64.0) {
        minimum = (r - 64.0) / r;
        maximum = (64.0 + 0.5) / r;
        lower = minimum;
    } else {
        maximum = 1.0;
        if (divide == 1) {
            minimum = 0.0;
            lower = 0.0;
        } else {
            lower = e / 1000.0;
            minimum = 1.0 / r;
        }
    }
    const auto *n = reinterpret_cast<const uint8_t *>(name);
    Line line;
    line_init(line);
    void *l = line.object;
    if (duty > maximum || duty < lower) {
        write_literal(nullptr, l, block, kLitDutyW1Head, 28);
        write_string(nullptr, l, n, nb);
        write_literal(nullptr, l, block, kLitDutyW1Set, 11);
        write_real(nullptr, l, duty);
        write_literal(nullptr, l, block, kLitDutyW1Range, 33);
        write_real(nullptr, l, minimum);
        write_literal(nullptr, l, block, kLitDutyW1And, 5);
        write_real(nullptr, l, maximum);
        write_dot_lf(nullptr, l);
        report_line(l, SEV_WARNING);
    }
    // the duty cycles this divide value can make: steps of half a VCO cycle
    const double step = 0.5 / r;
    uint8_t result = SL_0;
    double k = 0.0;
    for (int64_t i = 0; i <= 2 * static_cast<int64_t>(divide); ++i) {
        const double candidate = step * k + minimum;
        if (std::fabs(candidate - duty) < 0.001 && candidate <= maximum) result = SL_1;
        k += 1.0;
    }
    if (result != SL_1) {
        write_literal(nullptr, l, block, kLitDutyW2Head, 28);
        write_string(nullptr, l, n, nb);
        write_literal(nullptr, l, block, kLitDutyW2At, 4);
        write_real(nullptr, l, duty);
        write_literal(nullptr, l, block, kLitDutyW2Tail, 54);
        write_character(nullptr, l, kCharLF);
        k = 0.0;
        for (int64_t i = 0; i <= 2 * static_cast<int64_t>(divide); ++i) {
            const double candidate = step * k + minimum;
            if (candidate <= maximum && candidate < 1.0) {
                write_real(nullptr, l, candidate);
                write_character(nullptr, l, kCharLF);
            }
            k += 1.0;
        }
        report_line(l, SEV_WARNING);
    }
    zem_access_variable_delete(l);
    return result;
}

}  // extern "C"

// ==== plain processes: port drivers, copies, selectors, gates ===================

namespace {

// A std_ulogic copy of `from` into process n's driver (zero delay).
void copy_bit(char *b, int n, size_t from) {
    assign_bit(b, driver(n), bit(b, from));
    wait_on_sensitivity(b, flag_at(n));
}
// The same onto an output port.
void copy_to_port(char *b, int n, size_t from) {
    assign_port_bit(b, driver(n), bit(b, from));
    wait_on_sensitivity(b, flag_at(n));
}
// A vector copy of `count` elements, delivered at zero delay as one
// transaction of elements 0 to count-1.
void copy_vector(char *b, int n, size_t from, uint32_t count) {
    assign_elements(b, driver(n), 0, count, value(b, from), count, 0);
    wait_on_sensitivity(b, flag_at(n));
}
// A copy that rejects pulses shorter than `delay` (inertial).
void copy_inertial(char *b, int n, size_t from, uint32_t count, int64_t delay) {
    drive_inertial(b, driver(n), value(b, from), count, count, delay);
    wait_on_sensitivity(b, flag_at(n));
}
// `when_one` while `select` is '1', else `otherwise` (any other value,
// 'H' included, selects `otherwise`).
void select_bit(char *b, int n, size_t select, uint8_t when_one, uint8_t otherwise) {
    assign_bit(b, driver(n), bit(b, select) == SL_1 ? when_one : otherwise);
    wait_on_sensitivity(b, flag_at(n));
}
// An INTEGER selected by the feedback mode (1 or anything else).
void select_integer(char *b, int n, int32_t when_one, int32_t otherwise) {
    drive_int(b, driver(n), integer(b, kFeedbackMode) == 1 ? when_one : otherwise);
    wait_on_sensitivity(b, flag_at(n));
}
// '0' while s 185 is '1'; else, on a rising edge of `clock`, the inverse of
// the process's own output (a ripple stage).
void ripple_stage(char *b, int n, size_t clock, size_t own) {
    if (bit(b, kRippleReset) == SL_1)
        assign_bit(b, driver(n), SL_0);
    else if (rising_edge(b, clock))
        assign_bit(b, driver(n), logic_not(bit(b, own)));
    wait_on_sensitivity(b, flag_at(n));
}

// case s 181: '1' gives '0', '0' gives the second source, anything else
// assigns nothing.
void case_select(char *b, int n, size_t source) {
    const uint8_t c = bit(b, signal(181));
    if (c == SL_1)
        assign_bit(b, driver(n), SL_0);
    else if (c == SL_0)
        assign_bit(b, driver(n), bit(b, source));
    wait_on_sensitivity(b, flag_at(n));
}

}  // namespace

extern "C" {

// p_0 to p_6: channel outputs on the first port of each channel; p_7 to
// p_13: the same outputs on the second port.
PROCESS(0) { copy_to_port(b, 0, channel_output(0)); }
PROCESS(1) { copy_to_port(b, 1, channel_output(1)); }
PROCESS(2) { copy_to_port(b, 2, channel_output(2)); }
PROCESS(3) { copy_to_port(b, 3, channel_output(3)); }
PROCESS(4) { copy_to_port(b, 4, channel_output(4)); }
PROCESS(5) { copy_to_port(b, 5, channel_output(5)); }
PROCESS(6) { copy_to_port(b, 6, channel_output(6)); }
PROCESS(7) { copy_to_port(b, 7, channel_output(0)); }
PROCESS(8) { copy_to_port(b, 8, channel_output(1)); }
PROCESS(9) { copy_to_port(b, 9, channel_output(2)); }
PROCESS(10) { copy_to_port(b, 10, channel_output(3)); }
PROCESS(11) { copy_to_port(b, 11, channel_output(4)); }
PROCESS(12) { copy_to_port(b, 12, channel_output(5)); }
PROCESS(13) { copy_to_port(b, 13, channel_output(6)); }

// The lock flag as an open-drain level: '0', or 'H' whenever it is not '0'.
PROCESS(14) {
    const uint8_t v = bit(b, kLock) == SL_0 ? SL_0 : SL_H;
    assign_elements(b, driver(14), 0, 1, &v, 1, 0);
    wait_on_sensitivity(b, flag_at(14));
}
PROCESS(15) { copy_inertial(b, 15, kReadWord, 16, 100); }
PROCESS(16) { copy_inertial(b, 16, kReady, 1, 100); }
PROCESS(17) { copy_inertial(b, 17, kLock, 1, 100); }

// input copies
PROCESS(18) { copy_bit(b, 18, kClockIn1); }
PROCESS(19) { copy_bit(b, 19, kClockIn2); }
PROCESS(20) { copy_bit(b, 20, kClockInSel); }
PROCESS(21) { copy_bit(b, 21, kFeedbackIn); }
PROCESS(22) { copy_bit(b, 22, kRstPort); }
PROCESS(23) { copy_bit(b, 23, kRelPort); }
PROCESS(24) { copy_bit(b, 24, kClockIn1); }
PROCESS(25) { copy_vector(b, 25, kRegAddressPort, 5); }
PROCESS(26) { copy_vector(b, 26, kRegDataPort, 16); }
PROCESS(27) { copy_bit(b, 27, kRegWritePort); }
PROCESS(28) { copy_bit(b, 28, kRegEnablePort); }
PROCESS(29) { copy_bit(b, 29, kRegClockPort); }

PROCESS(31) { select_bit(b, 31, signal(183), bit(b, kClock1b), bit(b, kFeedback)); }
PROCESS(32) { select_bit(b, 32, kOscStop, bit(b, signal(187)), SL_0); }
PROCESS(33) { select_bit(b, 33, kOscStop, bit(b, kClock1), SL_0); }
PROCESS(34) { select_bit(b, 34, kOscStop, bit(b, kFeedback), SL_0); }

// Two holds set by s 67: the first cleared on a rising edge of s 186, the
// second loaded from s 180 on a falling edge of s 186.
PROCESS(35) {
    if (bit(b, kRstCopy) == SL_1) {
        assign_bit(b, driver(35, 0), SL_1);
        assign_bit(b, driver(35, 1), SL_1);
    } else if (rising_edge(b, signal(186))) {
        assign_bit(b, driver(35, 0), SL_0);
    } else if (falling_edge(b, signal(186))) {
        assign_bit(b, driver(35, 1), bit(b, signal(180)));
    }
    wait_on_sensitivity(b, flag_at(35));
}
PROCESS(36) {
    if (bit(b, kRstCopy) == SL_1)
        assign_bit(b, driver(36), SL_1);
    else if (rising_edge(b, signal(68)))
        assign_bit(b, driver(36), SL_0);
    wait_on_sensitivity(b, flag_at(36));
}
PROCESS(37) {
    const uint8_t s180 = bit(b, signal(180));
    select_bit(b, 37, signal(179), logic_or(bit(b, signal(182)), s180), s180);
}
PROCESS(38) { case_select(b, 38, signal(188)); }
PROCESS(39) { case_select(b, 39, signal(189)); }
PROCESS(40) { ripple_stage(b, 40, signal(188), signal(176)); }
PROCESS(41) { ripple_stage(b, 41, signal(176), signal(177)); }
PROCESS(42) { ripple_stage(b, 42, signal(177), signal(178)); }
PROCESS(43) { select_bit(b, 43, kOscStop, SL_0, bit(b, signal(44))); }
PROCESS(44) { select_bit(b, 44, kOscStop, SL_0, bit(b, signal(43))); }
PROCESS(45) { select_bit(b, 45, kOscStop, bit(b, signal(174)), bit(b, signal(42))); }
PROCESS(46) { select_bit(b, 46, kOscStop, bit(b, signal(176)), bit(b, signal(41))); }
PROCESS(47) { select_bit(b, 47, kOscStop, bit(b, signal(177)), bit(b, signal(40))); }
PROCESS(48) { select_bit(b, 48, kOscStop, bit(b, signal(178)), bit(b, signal(39))); }
// channel 6's divided clock, or the cascade source s 175
PROCESS(49) { select_bit(b, 49, kOscStop, bit(b, signal(175)), bit(b, divided_clock(6))); }
PROCESS(50) { copy_inertial(b, 50, kClockSel, 1, 1); }
// the reference clock: input 1 when the input select is '1', else input 2
PROCESS(52) { select_bit(b, 52, kClockSel, bit(b, kClock1), bit(b, kClock2)); }
// The model's reset: set while s 67 is '1', released to s 67 on a rising
// reference edge.
PROCESS(53) {
    if (bit(b, kRstCopy) == SL_1)
        assign_bit(b, driver(53), SL_1);
    else if (rising_edge(b, kRefClock))
        assign_bit(b, driver(53), bit(b, kRstCopy));
    wait_on_sensitivity(b, flag_at(53));
}
PROCESS(54) {
    assign_bit(b, driver(54), logic_or(bit(b, kResetB), bit(b, kResetC)));
    wait_on_sensitivity(b, flag_at(54));
}

// Register read: word s 76 of the register file.
PROCESS(57) {
    const int32_t index = integer(b, kLatchedAddress);
    zem_vhdl_check_range_of_index(31, 0, -1, index);
    assign(b, driver(57), value(b, kRegisterFile) + 16 * static_cast<size_t>(31 - index), 16);
    wait_on_sensitivity(b, flag_at(57));
}

PROCESS(59) {
    select_integer(b, 59, wrap32(static_cast<int64_t>(integer(b, signal(293))) * integer(b, signal(300))),
                   integer(b, signal(299)));
}
PROCESS(60) { select_integer(b, 60, integer(b, delay_count(0)), integer(b, delay_count(6))); }
PROCESS(61) { select_integer(b, 61, integer(b, tap_index(0)), integer(b, tap_index(6))); }

PROCESS(65) {
    const bool window = bit(b, kLockMode) == SL_1 && bit(b, kLockCond3) == SL_1 && bit(b, kTrainSel) == SL_0 &&
                        bit(b, kLockCond4) == SL_0;
    assign_bit(b, driver(65), logic(window));
    wait_on_sensitivity(b, flag_at(65));
}
PROCESS(68) {
    const bool unlock = bit(b, kReset) == SL_1 || bit(b, kLockMode) == SL_1 || bit(b, kTrainSel) == SL_0;
    assign_bit(b, driver(68), logic(unlock));
    wait_on_sensitivity(b, flag_at(68));
}

PROCESS(105) {
    if (bit(b, kResetB) == SL_1) {
        assign_bit(b, driver(105), SL_0);
    } else if (rising_edge(b, kRefClock)) {
        const bool ok = bit(b, kLostCond) == SL_0 && *signal_value(GATLIB_P_0947159679, kGlobalReset) == SL_0;
        assign_bit(b, driver(105), logic(ok));
    }
    wait_on_sensitivity(b, flag_at(105));
}
PROCESS(108) {
    if (bit(b, kResetB) == SL_1) {
        assign_bit(b, driver(108), SL_0);
    } else {
        const int64_t d = time_value(b, kLineDelay);
        const uint8_t v = bit(b, kLostCond);
        drive_inertial(b, driver(108), &v, 1, 1, d == 0 ? 1000 : d);
    }
    wait_on_sensitivity(b, flag_at(108));
}
PROCESS(109) {
    if (bit(b, kReset) == SL_1) {
        assign_bit(b, driver(109), SL_0);
    } else {
        const uint8_t v = logic_not(bit(b, kCounterClock));
        drive_inertial(b, driver(109), &v, 1, 1, constant<int64_t>(b, kCounterClockDelay));
    }
    wait_on_sensitivity(b, flag_at(109));
}
PROCESS(115) {
    const uint8_t v = logic_or(logic_or(bit(b, kPeriodGate), bit(b, kLost)), bit(b, signal(172)));
    assign_bit(b, driver(115), v);
    wait_on_sensitivity(b, flag_at(115));
}

}  // extern "C"

// ==== input period measurement and lock =========================================

extern "C" {

// Period register and lock stages.
PROCESS(62) {
    const size_t samples = driver(62, kDrvSamples);
    if (bit(b, kReset) == SL_1) {
        const int64_t reset = constant<int64_t>(b, kSampleReset);
        for (int p = 4; p >= 0; --p) assign_elements(b, samples, static_cast<uint32_t>(p), 1, &reset, 8);
        drive_time(b, driver(62, kDrvDeviation), 0);
        drive_int(b, driver(62, kDrvStage), 0);
        for (int f = kDrvFlag1; f <= kDrvFlag5; ++f) assign_bit(b, driver(62, f), SL_0);
        put<int64_t>(b, kVarPrevEdge, 0);
    } else if (rising_edge(b, kRefClock)) {
        const int64_t now = zem_get_sim_current_time();
        const int64_t prev = get<int64_t>(b, kVarPrevEdge);
        int64_t present[5];
        std::memcpy(present, value(b, kSamples), sizeof present);
        // every sample moves one index up; index 4 drops out
        for (int p = 0; p < 4; ++p) assign_elements(b, samples, static_cast<uint32_t>(p), 1, &present[p + 1], 8);
        if (prev != 0 && bit(b, kPeriodGate) == SL_0) {
            const int64_t period = now - prev;
            assign_elements(b, samples, 4, 1, &period, 8);
        }
        const bool tracking = bit(b, kLockMode) == SL_0;
        drive_time(b, driver(62, kDrvDeviation), tracking ? sub64(sub64(now, prev), present[4]) : 0);
        put<int64_t>(b, kVarPrevEdge, now);
        const int32_t stage = integer(b, kStage);
        if (tracking && stage < integer(b, kStageMax) && bit(b, kUseDivided) == SL_1)
            drive_int(b, driver(62, kDrvStage), stage + 1);
        if (bit(b, kLockMode) == SL_1 && bit(b, kLockCond) == SL_0 && bit(b, kLockCond2) == SL_1) {
            drive_int(b, driver(62, kDrvStage), integer(b, kStageLimit2));
            assign_bit(b, driver(62, kDrvFlag5), SL_1);
        }
        if (stage >= constant<int32_t>(b, kFirstThreshold) && tracking) assign_bit(b, driver(62, kDrvFlag1), SL_1);
        if (stage == 6) assign_bit(b, driver(62, kDrvFlag3), SL_1);
        if (stage >= integer(b, kStageLimit1)) assign_bit(b, driver(62, kDrvFlag4), SL_1);
        if (stage >= integer(b, kStageLimit2)) assign_bit(b, driver(62, kDrvFlag2), SL_1);
        if (bit(b, kLockCond4) == SL_1 && stage >= integer(b, kStageMax)) assign_bit(b, driver(62, kDrvFlag5), SL_0);
    }
    wait_on_sensitivity(b, flag_at(62));
}

// s 107, delayed by the newest period sample (inertial).
PROCESS(63) {
    if (void *at = resume_point(b, process_at(63))) goto *at;
top:
    if (bit(b, kRelDelaySource) == SL_0) {
        assign_bit(b, driver(63), SL_0);
    } else {
        int64_t newest;
        std::memcpy(&newest, value(b, kSamples) + 4 * 8, 8);
        const uint8_t v = bit(b, kRelDelaySource);
        drive_inertial(b, driver(63), &v, 1, 1, newest);
    }
    wait_on_sensitivity_at(b, 63, &&top);
}

PROCESS(64) {
    if (bit(b, kReset) == SL_1 || bit(b, kLockCond2) == SL_0) {
        assign_bit(b, driver(64), SL_0);
    } else {
        const uint8_t v = bit(b, kLockCond2);
        drive_inertial(b, driver(64), &v, 1, 1, time_value(b, kLockDelay));
    }
    wait_on_sensitivity(b, flag_at(64));
}

// The average of the five samples, recomputed when the newest one differs
// from it.
PROCESS(66) {
    int64_t present[5];
    std::memcpy(present, value(b, kSamples), sizeof present);
    put<int64_t>(b, kVarNewest, present[4]);
    if (present[4] != time_value(b, kAverage)) {
        int64_t sum = 0;
        for (int64_t s : present) sum = add64(sum, s);
        const int64_t average = trunc64(static_cast<double>(sum) / 5.0);
        put<int64_t>(b, kVarAverage, average);
        drive_time(b, driver(66), average);
    }
    wait_on_sensitivity(b, flag_at(66));
}

PROCESS(106) {
    if (bit(b, kResetB) == SL_1)
        drive_time(b, driver(106), 0);
    else if (rising_edge(b, kAltClock))
        drive_time(b, driver(106), zem_get_sim_current_time());
    wait_on_sensitivity(b, flag_at(106));
}

}  // extern "C"

namespace {

// A bounded cycle counter clocked by s 80: cleared by the reset or `clear`,
// counting while `enabled` until the count reaches the limit, when only the
// done flag rises.
void cycle_counter(char *b, int n, size_t clear, bool enabled, size_t count, size_t limit) {
    if (bit(b, kReset) == SL_1 || bit(b, clear) == SL_1) {
        assign_bit(b, driver(n, 0), SL_0);
        drive_int(b, driver(n, 1), 0);
    } else if (rising_edge(b, kCounterClock) && enabled) {
        const int32_t c = integer(b, count);
        if (c < integer(b, limit)) {
            drive_int(b, driver(n, 1), c + 1);
            assign_bit(b, driver(n, 0), SL_0);
        } else {
            assign_bit(b, driver(n, 0), SL_1);
        }
    }
    wait_on_sensitivity(b, flag_at(n));
}

}  // namespace

extern "C" {

PROCESS(112) {
    const bool enabled = bit(b, kLock) == SL_1 && bit(b, kOscStop) == SL_0;
    cycle_counter(b, 112, signal(81), enabled, signal(87), signal(83));
}
PROCESS(113) { cycle_counter(b, 113, signal(82), bit(b, kOscEnable) == SL_1, signal(88), signal(84)); }

// Status: the period deviation beyond its limit while locked.
PROCESS(114) {
    const int64_t deviation = time_value(b, kDeviation);
    const int64_t magnitude = deviation == std::numeric_limits<int64_t>::min()
                                  ? std::numeric_limits<int64_t>::max()
                                  : (deviation < 0 ? -deviation : deviation);
    const bool off = bit(b, kReset) != SL_1 && bit(b, kLock) == SL_1 && bit(b, kLost) == SL_0 &&
                     bit(b, kPeriodGate) == SL_0 && magnitude > constant<int64_t>(b, kStatusLimit);
    assign_bit(b, driver(114), logic(off));
    wait_on_sensitivity(b, flag_at(114));
}

}  // extern "C"

// ==== derived periods, phase taps and delay line =================================

extern "C" {

// The oscillator period and what follows from it, from the average input
// period, the multiply value s 311 and the divide value s 310.
PROCESS(67) {
    const auto out = [b](int k) { return driver(67, k); };
    if (get<uint8_t>(b, kVarFirstActivation) && integer(b, kSetupEnable) == 1) {
        const int32_t start = integer(b, kMultValue);
        put<int32_t>(b, kVarM, start);
        put<int32_t>(b, kVarD, start);
        put<int32_t>(b, kVarH, start / 2);
        drive_int(b, out(kOutM), start);
        drive_int(b, out(kOutD), start);
        drive_int(b, out(kOutH), start / 2);
        put<uint8_t>(b, kVarFirstActivation, 0);
    }
    if (integer(b, kUpdate) == 1) {
        const int32_t divide = integer(b, kDivide), multiply = integer(b, kMultiply);
        if (divide <= 0) {
            // A divide value below 1 (a register write can make one) has no
            // oscillator period: the derived values keep their last values.
            zem_report(reinterpret_cast<const char *>(b + kLitNoDivide), kLitNoDivideLength, SEV_ERROR);
            wait_on_sensitivity(b, flag_at(67));
            return;
        }
        const int32_t m = wrap32(static_cast<int64_t>(multiply) * divide), d = divide, h = divide / 2;
        put<int32_t>(b, kVarM, m);
        put<int32_t>(b, kVarD, d);
        put<int32_t>(b, kVarH, h);
        drive_int(b, out(kOutM), m);
        drive_int(b, out(kOutD), d);
        drive_int(b, out(kOutH), h);
        const int64_t average = time_value(b, kAverage);
        const int64_t p = mul64(multiply, average);
        const int64_t q = p / divide;
        const int32_t r = wrap32(p);
        const int32_t f = zem_vhdl_mod(r, divide);
        put<int64_t>(b, kVarP, p);
        put<int64_t>(b, kVarQ, q);
        put<int32_t>(b, kVarR, r);
        put<int32_t>(b, kVarF, f);
        drive_int(b, out(kOutF), f);
        drive_int(b, out(kOutInSteps), wrap32(mul64(2, average) / 500));
        drive_int(b, out(kOutMSteps), wrap32(mul64(2, p) / 500));
        // The remainder f of the period division is spread over the
        // oscillator cycles: one cycle in (interval + 1) is 1 ps longer
        // (mode 1) or shorter (mode 2).
        int32_t interval = 0, mode = 0;
        if (f > 1) {
            if (f > h) {
                interval = d / (d - f) - 1;
                mode = 2;
            } else {
                interval = d / f - 1;
                mode = 1;
            }
        }
        drive_int(b, out(kOutInterval), interval);
        drive_int(b, out(kOutMode), mode);
        const int64_t half = q / 2;
        const int64_t upper = q - half;
        put<int64_t>(b, kVarS, upper);
        drive_time(b, out(kOutHalf), half);
        drive_time(b, out(kOutHalfPlus1), wrap32(add64(half, 1)));  // formed in 32 bits
        drive_time(b, out(kOutUpper), upper);
        drive_time(b, out(kOutUpperPlus1), add64(upper, 1));
        drive_time(b, out(kOutUpperMinus1), sub64(upper, 1));
        drive_time(b, out(kOutFeedbackPeriod), mul64(divide, p));
        drive_time(b, out(kOutLockDelay), add64(trunc64(static_cast<double>(average) * 1.25), mul64(average, multiply)));
        drive_time(b, out(kOutLockWindow), trunc64(static_cast<double>(p) * 2.25));
        drive_time(b, out(kOutP), p);
        drive_time(b, out(kOutQ), q);
        // the seven tap delays k/8 of the oscillator period, each truncated
        // in this order of operations
        const double qr = static_cast<double>(q);
        const int64_t taps[7] = {trunc64(qr * 0.125),
                                 trunc64(qr * 0.25),
                                 trunc64(static_cast<double>(trunc64(qr * 3.0)) * 0.125),
                                 trunc64(qr * 0.5),
                                 trunc64(static_cast<double>(trunc64(qr * 5.0)) * 0.125),
                                 trunc64(static_cast<double>(trunc64(qr * 3.0)) * 0.25),
                                 trunc64(static_cast<double>(trunc64(qr * 7.0)) * 0.125)};
        for (int k = 0; k < 7; ++k) drive_time(b, out(kOutTap1 + k), taps[k]);
    }
    wait_on_sensitivity(b, flag_at(67));
}

// The phase delay: the delay of the delay line's input that puts the
// feedback channel's phase on the reference edge.
PROCESS(70) {
    const int64_t period = time_value(b, kOscPeriod);
    const int32_t pi = wrap32(time_value(b, kAverage));
    // Without an oscillator period there is nothing to delay; without a
    // positive input period there is no phase to wrap into.
    if (period != 0 && pi > 0) {
        const double t = static_cast<double>(wrap32(period));
        const double n = static_cast<double>(integer(b, kFeedbackDelay));
        const double x = (n + real_value(b, kFraction)) * t;
        const int32_t k = real_floor(b, x);
        const int32_t v = wrap32(static_cast<int64_t>(k) + wrap32(time_value(b, kTimeStamp)));
        const int64_t delay = v < pi ? static_cast<int64_t>(pi) - v : static_cast<int64_t>(pi) - zem_vhdl_mod(v, pi);
        drive_time(b, driver(70), delay);
    }
    wait_on_sensitivity(b, flag_at(70));
}

// The fraction code as eighths of a cycle.
PROCESS(71) {
    const int32_t code = integer(b, kFractionCode);
    drive_real(b, driver(71), code >= 1 && code <= 7 ? 0.125 * code : 0.0);
    wait_on_sensitivity(b, flag_at(71));
}

// The delay line's input: the pulse train (or the free-running oscillator),
// delayed by the phase delay (transport).
PROCESS(73) {
    const uint8_t v = bit(b, kTrainSel) == SL_1 ? bit(b, kPulseTrain) : bit(b, kOsc);
    drive_transport(b, driver(73), &v, 1, 1, time_value(b, kLineDelay));
    wait_on_sensitivity(b, flag_at(73));
}
PROCESS(74) {
    const uint8_t v = bit(b, kIdleDelaySource);
    drive_inertial(b, driver(74), &v, 1, 1, time_value(b, kLineDelay));
    wait_on_sensitivity(b, flag_at(74));
}

// The eight phase taps: every edge of the delay line's input reaches tap k
// after k/8 of the oscillator period (transport: a later edge never removes
// an earlier one).
PROCESS(75) {
    const size_t taps = driver(75);
    if (bit(b, kReset) == SL_1) {
        assign(b, taps, literal(b, kLitTapReset), 8);
    } else if (bit(b, kOscEnable) == SL_1 && zem_signal_has_event(signal_record(b, kLineIn))) {
        const uint8_t v = bit(b, kLineIn);
        for (int index = 0; index < 8; ++index) {
            const int64_t delay = index == 0 ? 0 : time_value(b, kTapDelay1 + kSignalRecordSize * (index - 1));
            assign_elements(b, taps, static_cast<uint32_t>(7 - index), 1, &v, 1, delay);
        }
    }
    wait_on_sensitivity(b, flag_at(75));
}

}  // extern "C"

// ==== divider channels ============================================================

namespace {

// Phase-tap selector of channel i: the tap its index names.
void tap_select(char *b, int i) {
    const int n = 76 + i;
    const int32_t index = integer(b, tap_index(i));
    zem_vhdl_check_range_of_index(7, 0, -1, index);
    assign_bit(b, driver(n), value(b, kTaps)[7 - index]);
    wait_on_sensitivity(b, flag_at(n));
}

// Delay gate of channel i: counting is enabled once the delay counter has
// reached the delay count, while the oscillator is enabled.
void delay_gate(char *b, int i) {
    const int n = 83 + i;
    const bool reached = integer(b, delay_counter(i)) == integer(b, delay_count(i));
    assign_bit(b, driver(n), reached ? bit(b, kOscEnable) : SL_0);
    wait_on_sensitivity(b, flag_at(n));
}

// Half-cycle counter of channel i, counting on both edges of its tap clock:
// the divided clock is high for the first (high count) half cycles of every
// (last count + 1).
void divider(char *b, int i) {
    const int n = 91 + i;
    const size_t counter = driver(n, 0), divided = driver(n, 1);
    if (bit(b, kReset) == SL_1) {
        drive_int(b, counter, 0);
        assign_bit(b, divided, SL_0);
    } else if (any_edge(b, tap_clock(i))) {
        if (bit(b, count_enable(i)) != SL_1) {
            assign_bit(b, divided, SL_0);
            drive_int(b, counter, 0);
        } else {
            const int32_t c = integer(b, half_cycles(i));
            drive_int(b, counter, c < integer(b, last_count(i)) ? c + 1 : 0);
            assign_bit(b, divided, logic(c < integer(b, high_count(i))));
        }
    }
    wait_on_sensitivity(b, flag_at(n));
}

// Output selector of channel i: the divided clock, or the alternative clock.
void output_select(char *b, int i) {
    const int n = 98 + i;
    select_bit(b, n, kUseDivided, bit(b, selected_divided(i)), bit(b, kAltClock));
}

}  // namespace

extern "C" {

PROCESS(76) { tap_select(b, 0); }
PROCESS(77) { tap_select(b, 1); }
PROCESS(78) { tap_select(b, 2); }
PROCESS(79) { tap_select(b, 3); }
PROCESS(80) { tap_select(b, 4); }
PROCESS(81) { tap_select(b, 5); }
PROCESS(82) { tap_select(b, 6); }
PROCESS(83) { delay_gate(b, 0); }
PROCESS(84) { delay_gate(b, 1); }
PROCESS(85) { delay_gate(b, 2); }
PROCESS(86) { delay_gate(b, 3); }
PROCESS(87) { delay_gate(b, 4); }
PROCESS(88) { delay_gate(b, 5); }
PROCESS(89) { delay_gate(b, 6); }

// The seven delay counters: each counts falling edges of its tap clock up to
// its delay count while the oscillator is enabled.
PROCESS(90) {
    if (bit(b, kReset) == SL_1) {
        for (int i = 0; i < 7; ++i) drive_int(b, driver(90, i), 0);
    } else {
        for (int i = 0; i < 7; ++i) {
            if (!falling_edge(b, tap_clock(i))) continue;
            const int32_t c = integer(b, delay_counter(i));
            if (c < integer(b, delay_count(i)) && bit(b, kOscEnable) == SL_1) drive_int(b, driver(90, i), c + 1);
        }
    }
    wait_on_sensitivity(b, flag_at(90));
}

PROCESS(91) { divider(b, 0); }
PROCESS(92) { divider(b, 1); }
PROCESS(93) { divider(b, 2); }
PROCESS(94) { divider(b, 3); }
PROCESS(95) { divider(b, 4); }
PROCESS(96) { divider(b, 5); }
PROCESS(97) { divider(b, 6); }
PROCESS(98) { output_select(b, 0); }
PROCESS(99) { output_select(b, 1); }
PROCESS(100) { output_select(b, 2); }
PROCESS(101) { output_select(b, 3); }
PROCESS(102) { output_select(b, 4); }
PROCESS(103) { output_select(b, 5); }
PROCESS(104) { output_select(b, 6); }

}  // extern "C"

// ==== oscillator and pulse generators ==============================================

namespace {

// One loop of the pulse train: i runs from 2 to the bound, both kept in the
// block behind the literal pool while the process waits.
int32_t &loop_index(char *b) { return *reinterpret_cast<int32_t *>(b + kVarLoopIndex); }
int32_t &loop_bound(char *b) { return *reinterpret_cast<int32_t *>(b + kVarLoopBound); }

// The low phase of a corrected pulse: one cycle in (interval + 1) takes the
// other low time.
int64_t corrected_low(char *b, int32_t mode) {
    const bool other = get<int32_t>(b, kVarPhaseA) == 1;
    if (mode == 1) return time_value(b, other ? kLowTimeLong : kLowTime);
    return time_value(b, other ? kLowTime : kLowTimeLong);
}
void advance_phase(char *b) {
    const int32_t a = get<int32_t>(b, kVarPhaseA);
    put<int32_t>(b, kVarPhaseA, a == integer(b, kCorrInterval) ? 0 : a + 1);
}

}  // namespace

extern "C" {

// The pulse train: on every rising reference edge a burst of oscillator
// pulses that fills the reference period; reference edges during a burst are
// not seen.
PROCESS(69) {
    const size_t out = driver(69);
    const size_t rec = process_at(69);
    if (void *at = resume_point(b, rec)) goto *at;
top:
    if (bit(b, kTrainReset) == SL_1) {
        assign_bit(b, out, SL_0);
        goto wait_sensitivity;
    }
    if (!(rising_edge(b, kRefClock) && bit(b, kTrainSel) == SL_1)) goto wait_sensitivity;
    assign_bit(b, out, SL_1);
    put<int32_t>(b, kVarPhaseA, 0);
    loop_index(b) = 2;
    switch (integer(b, kCorrMode)) {
        case 1:
            loop_bound(b) = integer(b, kPulsesCorr);
            goto corrected_mode1;
        case 2:
            loop_bound(b) = integer(b, kPulsesCorr);
            goto corrected_mode2;
        default:
            loop_bound(b) = integer(b, kPulses);
            goto plain;
    }
corrected_mode1:
    if (loop_index(b) > loop_bound(b)) goto last_pulse;
    wait_for(b, rec, time_value(b, kHighTime), &&mode1_low);
    return;
mode1_low:
    assign_bit(b, out, SL_0);
    wait_for(b, rec, corrected_low(b, 1), &&mode1_next);
    return;
mode1_next:
    assign_bit(b, out, SL_1);
    advance_phase(b);
    ++loop_index(b);
    goto corrected_mode1;
corrected_mode2:
    if (loop_index(b) > loop_bound(b)) goto last_pulse;
    wait_for(b, rec, time_value(b, kHighTime), &&mode2_low);
    return;
mode2_low:
    assign_bit(b, out, SL_0);
    wait_for(b, rec, corrected_low(b, 2), &&mode2_next);
    return;
mode2_next:
    assign_bit(b, out, SL_1);
    advance_phase(b);
    ++loop_index(b);
    goto corrected_mode2;
plain:
    if (loop_index(b) > loop_bound(b)) goto last_pulse;
    wait_for(b, rec, time_value(b, kHighTime), &&plain_low);
    return;
plain_low:
    assign_bit(b, out, SL_0);
    wait_for(b, rec, time_value(b, kLowTime), &&plain_next);
    return;
plain_next:
    assign_bit(b, out, SL_1);
    ++loop_index(b);
    goto plain;
last_pulse:
    wait_for(b, rec, time_value(b, kHighTime), &&burst_end);
    return;
burst_end:
    assign_bit(b, out, SL_0);
wait_sensitivity:
    wait_on_sensitivity_at(b, 69, &&top);
}

// The free-running oscillator: toggles every half period while it is
// selected and not stopped.
PROCESS(72) {
    const size_t rec = process_at(72);
    if (void *at = resume_point(b, rec)) goto *at;
top:
    if (bit(b, kOscStop) != SL_1 && bit(b, kTrainSel) == SL_0) {
        const int64_t half = constant<int64_t>(b, kOscHalfPeriod);
        if (half > 0) {
            wait_for(b, rec, half, &&toggle);
            return;
        }
        // A half period of zero would toggle in zero time for ever: the
        // oscillator stays stopped instead.
        zem_report(reinterpret_cast<const char *>(b + kLitNoHalfPeriod), kLitNoHalfPeriodLength, SEV_ERROR);
    }
    goto wait_sensitivity;
toggle:
    assign_bit(b, driver(72), logic_not(bit(b, kOsc)));
wait_sensitivity:
    wait_on_sensitivity_at(b, 72, &&top);
}

}  // extern "C"

namespace {

// A 100 ps pulse on every edge of `clock`; n is the process.
void edge_pulse(char *b, int n, size_t clock, void *pulse_end, void *top) {
    if (any_edge(b, clock)) {
        assign_bit(b, driver(n), SL_1);
        wait_for(b, process_at(n), 100, pulse_end);
        return;
    }
    wait_on_sensitivity_at(b, n, top);
}
void edge_pulse_end(char *b, int n, void *top) {
    assign_bit(b, driver(n), SL_0);
    wait_on_sensitivity_at(b, n, top);
}

}  // namespace

extern "C" {

PROCESS(110) {
    if (void *at = resume_point(b, process_at(110))) goto *at;
top:
    edge_pulse(b, 110, kRefClock, &&end, &&top);
    return;
end:
    edge_pulse_end(b, 110, &&top);
}
PROCESS(111) {
    if (void *at = resume_point(b, process_at(111))) goto *at;
top:
    edge_pulse(b, 111, kFeedback, &&end, &&top);
    return;
end:
    edge_pulse_end(b, 111, &&top);
}

// A 10 ns pulse on a rising edge of s 165 while locked: '1' now and '0'
// 10000 ps later, in one waveform.
PROCESS(55) {
    if (rising_edge(b, kLockMode) && bit(b, kLockCond) == SL_1 && bit(b, kLock) == SL_1) {
        const size_t out = driver(55);
        *driver_staging(b, out) = SL_1;
        zem_driver_first_trans_delta(driver_record(b, out), 0, 1, 0);
        *driver_staging(b, out) = SL_0;
        zem_driver_subsequent_trans_delta(driver_record(b, out), 0, 1, 10000);
    }
    wait_on_sensitivity(b, flag_at(55));
}

}  // extern "C"

// ==== run-time checks ===============================================================

extern "C" {

// The oscillator frequency against its allowed range, from the selected
// input period and the multiply value the model is built with; and the
// release input, which must not change out of reset.
PROCESS(51) {
    const size_t rec = process_at(51);
    if (void *at = resume_point(b, rec)) goto *at;
top : {
    const int64_t now = zem_get_sim_current_time();
    const uint8_t rel = bit(b, kRel);
    if (now > 1 && bit(b, kReset) == SL_0 && (rel == SL_0 || rel == SL_1))
        zem_report(reinterpret_cast<const char *>(b + kLitControlInput), 128, SEV_ERROR);
    if (now == 0) {
        wait_for(b, rec, 1, &&check);
        return;
    }
}
check : {
    const bool output0 = integer(b, kFeedbackMode) == 1;
    const double period = bit(b, kClockSel) == SL_1 ? 31.25 : 10.0;
    const double frequency = (output0 ? 54.0 : 18.0) / (period * 1.0) * 1000.0;
    const double maximum = constant<double>(b, kVcoMax), minimum = constant<double>(b, kVcoMin);
    if (frequency > maximum || minimum > frequency) {
        void *ctx = process_record(b, rec);
        Line line;
        line_init(line);
        write_literal(ctx, line.object, b, kLitRangeHead, 59);
        write_real(ctx, line.object, frequency);
        write_literal(ctx, line.object, b, kLitRangeRange, 56);
        write_real(ctx, line.object, minimum);
        write_literal(ctx, line.object, b, kLitRangeTo, 8);
        write_real(ctx, line.object, maximum);
        if (output0)
            write_literal(ctx, line.object, b, kLitRangeOutput0, 133);
        else
            write_literal(ctx, line.object, b, kLitRangeFeedback, 116);
        write_literal(ctx, line.object, b, kLitRangeTail, 67);
        report_line(line.object, SEV_ERROR);
        zem_access_variable_delete(line.object);
    }
}
    wait_on_sensitivity_at(b, 51, &&top);
}

// Pulses on s 67 shorter than 10 ns (rising after 1 ps).
PROCESS(56) {
    const int64_t now = zem_get_sim_current_time();
    if (rising_edge(b, kRstCopy)) {
        put<int64_t>(b, kVarRiseTime, now);
    } else if (falling_edge(b, kRstCopy) && get<int64_t>(b, kVarRiseTime) > 1) {
        const int64_t width = now - get<int64_t>(b, kVarRiseTime);
        put<int64_t>(b, kVarWidth, width);
        if (width > 0 && width <= 9999)
            zem_report(reinterpret_cast<const char *>(b + kLitPulseWidth), 54, SEV_ERROR);
    }
    wait_on_sensitivity(b, flag_at(56));
}

// The interval between rising feedback edges against its limit.
PROCESS(107) {
    const size_t interval_out = driver(107, 0), edge_out = driver(107, 1);
    if (bit(b, kResetB) == SL_1) {
        drive_time(b, interval_out, 0);
        assign_bit(b, edge_out, SL_0);
        put<int64_t>(b, kVarEdgeTime, 0);
        put<int64_t>(b, kVarInterval, 0);
    } else if (zem_signal_has_event(signal_record(b, kFeedback)) && bit(b, kFeedback) == SL_1 &&
               bit(b, kLostCond) == SL_0) {
        int64_t interval = 0;
        const int64_t previous = time_value(b, kPrevFeedbackEdge);
        if (previous != 0) {
            put<int64_t>(b, kVarEdgeTime, zem_get_sim_current_time());
            interval = get<int64_t>(b, kVarEdgeTime) - previous;
        }
        put<int64_t>(b, kVarInterval, interval);
        drive_time(b, interval_out, interval);
        assign_bit(b, edge_out, SL_1);
        const int64_t limit = constant<int64_t>(b, kIntervalLimit);
        if (bit(b, kResetB) == SL_0 && interval > limit) {
            void *ctx = process_record(b, process_at(107));
            Line line;
            line_init(line);
            write_literal(ctx, line.object, b, kLitInterval0, 33);
            std_textio_write8(STD_TEXTIO, ctx, line.object, interval, kRight, kNoField, 1000);
            write_literal(ctx, line.object, b, kLitInterval1, 31);
            std_textio_write8(STD_TEXTIO, ctx, line.object, limit, kRight, kNoField, 1000);
            write_dot_lf(ctx, line.object);
            report_line(line.object, SEV_WARNING);
            zem_access_variable_delete(line.object);
        }
    }
    wait_on_sensitivity(b, flag_at(107));
}

}  // extern "C"

// ==== time-zero attribute checks ==================================================

namespace {

// One string attribute against its allowed values; reports when it matches
// none. Returns whether it is allowed.
bool check_string(char *b, const StringCheck &c) {
    bool allowed = false;
    for (uint32_t j = 1; j <= c.allowed; ++j)
        if (std::memcmp(b + c.value, b + c.value + c.length * j, c.length) == 0) allowed = true;
    if (!allowed) zem_report(reinterpret_cast<const char *>(b + c.report), c.report_length, SEV_ERROR);
    return allowed;
}

// An input frequency from a period attribute in ns: MHz truncated to whole kHz.
double frequency_of(double period) { return static_cast<double>(trunc64(1000.0 / period * 1000.0)) / 1000.0; }

// The frequency check's error: the limit, then both input frequencies.
void report_frequency(char *b, void *ctx, size_t pieces, double limit, double f2, double f1) {
    Line line;
    line_init(line);
    write_literal(ctx, line.object, b, pieces, 64);
    write_real(ctx, line.object, limit);
    write_literal(ctx, line.object, b, pieces + 64, 30);
    write_real(ctx, line.object, f2);
    write_literal(ctx, line.object, b, pieces + 94, 7);
    write_real(ctx, line.object, f1);
    write_literal(ctx, line.object, b, pieces + 101, 3);
    write_dot_lf(ctx, line.object);
    report_line(line.object, SEV_ERROR);
    zem_access_variable_delete(line.object);
}

// The model's input periods (ns), multiply value and channel divide values.
constexpr double kInputPeriod1 = 31.25, kInputPeriod2 = 10.0;
constexpr int32_t kFeedbackMultiply = 18;
constexpr int32_t kChannelDivide[9] = {3, 39, 1, 1, 1, 1, 18, 18, 1};  // 6 or 7: the multiply channel
constexpr double kDuty = 0.5;

}  // namespace

extern "C" {

// Runs once at time zero: checks the attribute values the model is built
// with and gives the model's mode signals their starting values.
PROCESS(30) {
    void *ctx = process_record(b, process_at(30));
    const auto out = [b](int k) { return driver(30, k); };
    const uint8_t select1 = bit(b, kClockSel), select2 = bit(b, kSelect2);
    for (size_t c = 0; c < std::size(kStringChecks); ++c) {
        const bool allowed = check_string(b, kStringChecks[c]);
        if (c == 0) assign_bit(b, out(kS1), SL_0);
        if (c == 4 && allowed) {  // the feedback setting
            put<int32_t>(b, kVarFeedbackSel, 0);
            put<int32_t>(b, kVarFeedbackMult, kFeedbackMultiply);
            drive_int(b, out(kN1), kFeedbackMultiply);
            drive_int(b, out(kN2), 0);
        }
    }
    assign_bit(b, out(kS2), SL_0);
    const double f1 = frequency_of(kInputPeriod1), f2 = frequency_of(kInputPeriod2);
    if ((f2 > 31.25 || f1 < 31.25) && select2 == SL_0 && select1 == SL_1)
        report_frequency(b, ctx, kLitE1Head, 31.25, f2, f1);
    if ((f2 > 10.0 || f1 < 10.0) && select2 == SL_0 && select1 == SL_0)
        report_frequency(b, ctx, kLitE2Head, 10.0, f2, f1);
    assign_bit(b, out(kS3), SL_0);
    for (int c = 0; c < 6; ++c) {
        const array_bounds nb = literal_bounds(18);
        b[kVarDutyResults + static_cast<size_t>(c)] = static_cast<char>(gatlib_a_0341314388_2930107152_sub_2381833435_1577006045(
            b, kChannelDivide[c], kDuty, b + kLitDutyName + 18 * static_cast<size_t>(c), &nb));
    }
    const int32_t stages = wrap32(static_cast<int64_t>(get<int32_t>(b, kVarFeedbackMult)) + integer(b, kMultOffset) + 2);
    drive_int(b, out(kN3), stages);
    drive_int(b, out(kN4), wrap32(static_cast<int64_t>(stages) + 28));
    drive_int(b, out(kN5), 1);
    if (std::memcmp(b + kLitFinalValue, b + kLitFinalAllowed, 6) == 0)
        assign_bit(b, out(kS4), SL_1);
    else
        zem_report(reinterpret_cast<const char *>(b + kLitFinalReport), 95, SEV_ERROR);
    assign_bit(b, out(kS5), SL_0);
    // wait; : neither a wait time nor the sensitivity flag, so it never runs again
    resume_slot(b, process_at(30)) = reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_p_30);
}

}  // extern "C"

// ==== configuration register process ===============================================

namespace {

// The fields of one channel, as the configuration process keeps them.
struct ChannelFields {
    uint8_t high[7];  // high-time field (6 downto 0)
    uint8_t low[7];   // low-time field (6 downto 0)
    uint8_t nocount;
    uint8_t edge;
    uint8_t delay[6];  // (5 downto 0)
    uint8_t tap[3];    // (2 downto 0)
    uint8_t spare[7];
};
static_assert(sizeof(ChannelFields) == 32);
ChannelFields &channel(char *b, int c) {
    return *reinterpret_cast<ChannelFields *>(b + kChannelVars + sizeof(ChannelFields) * static_cast<size_t>(c));
}
// the divider and phase scratch fields
struct DividerScratch {
    uint8_t high[7], low[7], nocount, edge;
};
DividerScratch &divider_scratch(char *b) { return *reinterpret_cast<DividerScratch *>(b + kVarDivHigh); }
uint8_t *phase_delay(char *b) { return reinterpret_cast<uint8_t *>(b + kVarPhaseDelay); }
uint8_t *phase_tap(char *b) { return reinterpret_cast<uint8_t *>(b + kVarPhaseTap); }

// One element of a register word: which channel-field bit (or fixed value)
// it carries.
enum class Src : uint8_t { X, One, High, Low, Delay, Tap, NoCount, Edge, PatternA, PatternB, PatternP, PatternQ, Fixed };
struct WordBit {
    Src src;
    uint8_t channel;  // channel, or the number of the fixed literal (1 to 21)
    uint8_t index;    // bit of the field, element of a pattern (1 = leftmost) or of a fixed literal (0 = leftmost)
};
namespace word_bits {
constexpr WordBit X{Src::X, 0, 0};
constexpr WordBit ONE{Src::One, 0, 0};
constexpr WordBit H(int c, int i) { return {Src::High, static_cast<uint8_t>(c), static_cast<uint8_t>(i)}; }
constexpr WordBit L(int c, int i) { return {Src::Low, static_cast<uint8_t>(c), static_cast<uint8_t>(i)}; }
constexpr WordBit D(int c, int i) { return {Src::Delay, static_cast<uint8_t>(c), static_cast<uint8_t>(i)}; }
constexpr WordBit T(int c, int i) { return {Src::Tap, static_cast<uint8_t>(c), static_cast<uint8_t>(i)}; }
constexpr WordBit N(int c) { return {Src::NoCount, static_cast<uint8_t>(c), 0}; }
constexpr WordBit E(int c) { return {Src::Edge, static_cast<uint8_t>(c), 0}; }
constexpr WordBit A(int i) { return {Src::PatternA, 0, static_cast<uint8_t>(i)}; }
constexpr WordBit B(int i) { return {Src::PatternB, 0, static_cast<uint8_t>(i)}; }
constexpr WordBit P(int i) { return {Src::PatternP, 0, static_cast<uint8_t>(i)}; }
constexpr WordBit Q(int i) { return {Src::PatternQ, 0, static_cast<uint8_t>(i)}; }
constexpr WordBit F(int n, int j) { return {Src::Fixed, static_cast<uint8_t>(n), static_cast<uint8_t>(j)}; }

using Word = std::array<WordBit, 16>;

// The field layout, word by word: a channel's delay word ('X' x 8, E, N,
// D[5:0]) and divider word (T[2:0], '1', H[5:0], L[5:0]).
constexpr Word delay_word(int c) {
    Word w{X, X, X, X, X, X, X, X, E(c), N(c)};
    for (int i = 0; i < 6; ++i) w[static_cast<size_t>(10 + i)] = D(c, 5 - i);
    return w;
}
constexpr Word divider_word(int c) {
    Word w{T(c, 2), T(c, 1), T(c, 0), ONE};
    for (int i = 0; i < 6; ++i) {
        w[static_cast<size_t>(4 + i)] = H(c, 5 - i);
        w[static_cast<size_t>(10 + i)] = L(c, 5 - i);
    }
    return w;
}
// Channel 7's divider word has no tap and no enable bit; channel 8's word
// carries its edge and no-count bits instead.
constexpr Word channel7_word() {
    Word w = divider_word(7);
    for (int i = 0; i < 4; ++i) w[static_cast<size_t>(i)] = X;
    return w;
}
constexpr Word channel8_word() {
    Word w = divider_word(8);
    w[0] = X;
    w[1] = X;
    w[2] = E(8);
    w[3] = N(8);
    return w;
}
// The 19 words in the order they are written.
constexpr Word kFieldLayout[19] = {
    delay_word(0), divider_word(0), delay_word(1), divider_word(1), delay_word(2), divider_word(2),
    delay_word(3), divider_word(3), delay_word(4), divider_word(4), delay_word(5), divider_word(5),
    delay_word(6), divider_word(6), delay_word(7), channel7_word(), channel8_word(),
    {X, X, X, X, X, X, X, X, P(1), P(2), Q(1), Q(2), A(1), A(2), A(3), A(4)},
    {X, X, X, X, X, X, B(1), B(2), B(3), B(4), X, X, X, X, X, X},
};
// The scattered layout: the words of addresses 5 to 24.
constexpr Word kScatteredLayout[20] = {
    // address 5
    {D(0, 5), X, D(0, 4), X, D(0, 2), D(0, 3), D(0, 1), D(0, 0), F(1, 0), F(1, 1), F(1, 2), F(1, 3), F(1, 4), F(1, 5),
     F(1, 6), F(1, 7)},
    // address 6
    {L(1, 4), L(1, 5), L(1, 3), N(1), L(1, 1), L(1, 2), D(1, 5), X, D(1, 3), D(1, 2), D(1, 0), D(1, 1), X, E(0),
     F(2, 0), F(2, 1)},
    // address 7
    {F(3, 0), F(3, 1), F(3, 2), H(1, 5), H(1, 3), H(1, 4), H(1, 2), H(1, 1), H(1, 0), T(1, 0), X, E(1), F(4, 0),
     F(4, 1), T(1, 1), T(1, 2)},
    // address 8
    {T(2, 2), ONE, L(2, 5), T(2, 1), N(2), L(2, 4), L(2, 3), L(2, 2), L(2, 0), D(2, 5), D(2, 3), D(2, 4), D(2, 1),
     D(2, 2), D(2, 0), X},
    // address 9
    {D(3, 0), D(3, 1), T(0, 1), T(0, 2), F(5, 0), F(5, 1), H(2, 4), X, H(2, 3), H(2, 2), H(2, 0), H(2, 1), E(2),
     T(2, 0), F(6, 0), F(6, 1)},
    // address 10
    {X, E(3), F(7, 0), F(7, 1), T(3, 1), T(3, 2), L(3, 5), L(3, 4), N(3), L(3, 2), L(3, 0), L(3, 1), D(3, 4), D(3, 5),
     D(3, 3), X},
    // address 11
    {L(0, 5), D(4, 5), D(4, 0), D(4, 3), D(4, 1), D(4, 2), L(0, 4), X, H(3, 5), H(3, 4), H(3, 3), X, H(3, 1), H(3, 2),
     T(3, 0), H(3, 0)},
    // address 12
    {H(4, 1), H(4, 2), T(4, 0), H(4, 0), X, E(4), X, ONE, T(4, 2), T(4, 1), L(4, 4), L(4, 5), L(4, 3), N(4), L(4, 1),
     L(4, 2)},
    // address 13
    {L(5, 2), L(5, 3), L(5, 0), L(5, 1), D(5, 4), D(5, 5), D(5, 3), D(5, 2), D(5, 1), L(0, 3), L(0, 0), L(0, 2), X,
     H(4, 5), H(4, 3), H(4, 4)},
    // address 14
    {H(5, 4), H(5, 5), H(5, 2), H(5, 3), H(5, 0), H(5, 1), T(5, 0), E(5), F(8, 0), F(8, 1), T(5, 2), ONE, L(5, 5),
     T(5, 1), N(5), L(5, 4)},
    // address 15
    {L(6, 4), L(6, 5), L(6, 3), N(6), L(6, 1), L(6, 2), L(6, 0), D(6, 5), D(6, 4), D(6, 3), D(6, 1), D(6, 2), N(0),
     L(0, 1), F(9, 0), F(9, 1)},
    // address 16
    {X, H(0, 3), H(0, 5), H(0, 4), H(6, 4), H(6, 5), H(6, 3), H(6, 2), H(6, 1), H(6, 0), E(6), T(6, 0), F(10, 0),
     F(10, 1), T(6, 1), T(6, 2)},
    // address 17
    {L(7, 0), D(7, 3), H(7, 2), H(7, 1), L(7, 1), H(7, 4), L(3, 3), D(3, 2), H(2, 5), L(2, 1), D(1, 4), L(1, 0),
     H(0, 0), T(0, 0), H(0, 2), H(0, 1)},
    // address 18
    {F(11, 0), F(11, 1), F(11, 2), F(11, 3), D(5, 0), D(6, 0), L(4, 0), D(4, 4), F(12, 0), F(12, 1), F(12, 2),
     F(12, 3), N(7), X, D(7, 2), L(7, 4)},
    // address 19
    {H(8, 5), H(7, 3), H(8, 4), X, H(8, 1), H(8, 2), L(8, 0), X, L(8, 5), L(8, 2), X, E(8), F(13, 0), F(13, 1),
     F(13, 2), F(13, 3)},
    // address 20
    {F(14, 0), F(14, 1), F(14, 2), F(14, 3), F(14, 4), F(14, 5), F(14, 6), Q(2), Q(1), D(6, 1), L(7, 3), H(7, 0),
     D(6, 4), D(6, 0), D(6, 5), H(7, 5)},
    // address 21
    {X, N(8), F(15, 0), F(15, 1), F(15, 2), F(15, 3), F(15, 4), F(15, 5), F(15, 6), E(7), L(7, 5), L(7, 2), F(16, 0),
     F(16, 1), F(16, 2), F(16, 3)},
    // address 22
    {F(17, 0), F(17, 1), F(17, 2), F(17, 3), P(2), F(18, 0), F(18, 1), H(8, 3), L(8, 1), X, H(8, 0), X, L(8, 3), X,
     L(8, 4), X},
    // address 23
    {F(19, 0), F(19, 1), F(19, 2), F(19, 3), F(19, 4), F(19, 5), P(1), F(20, 0), F(20, 1), F(20, 2), F(20, 3),
     F(20, 4), F(20, 5), F(20, 6), F(20, 7), F(20, 8)},
    // address 24
    {B(4), B(3), A(4), X, A(2), A(3), A(1), B(1), B(2), F(21, 0), F(21, 1), F(21, 2), F(21, 3), F(21, 4), F(21, 5),
     F(21, 6)},
};
}  // namespace word_bits
using word_bits::kFieldLayout;
using word_bits::kScatteredLayout;

// Field-layout addresses a write is accepted at; the scattered layout takes
// 5 to 24.
bool field_address(int32_t a) {
    static constexpr int32_t kAddresses[] = {0, 1, 6, 9, 10, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 25, 26, 27, 28};
    for (int32_t x : kAddresses)
        if (x == a) return true;
    return false;
}

// Where the value of one word element lives (nullptr for 'X' and '1').
uint8_t *element_source(char *b, const WordBit &w) {
    ChannelFields &ch = channel(b, w.channel);
    switch (w.src) {
        case Src::High: return ch.high + (6 - w.index);
        case Src::Low: return ch.low + (6 - w.index);
        case Src::Delay: return ch.delay + (5 - w.index);
        case Src::Tap: return ch.tap + (2 - w.index);
        case Src::NoCount: return &ch.nocount;
        case Src::Edge: return &ch.edge;
        case Src::PatternA: return reinterpret_cast<uint8_t *>(b + kVarPatternA + w.index - 1);
        case Src::PatternB: return reinterpret_cast<uint8_t *>(b + kVarPatternB + w.index - 1);
        case Src::PatternP: return reinterpret_cast<uint8_t *>(b + kVarPatternP + w.index - 1);
        case Src::PatternQ: return reinterpret_cast<uint8_t *>(b + kVarPatternQ + w.index - 1);
        case Src::Fixed: return reinterpret_cast<uint8_t *>(b + kLitF[w.channel - 1] + w.index);
        default: return nullptr;
    }
}
bool is_field_bit(const WordBit &w) { return w.src != Src::X && w.src != Src::One && w.src != Src::Fixed; }

// A register word assembled from the channel fields by a layout.
void build_word(char *b, const word_bits::Word &layout, uint8_t *word) {
    for (int e = 0; e < 16; ++e) {
        const WordBit &w = layout[e];
        word[e] = w.src == Src::X ? SL_X : w.src == Src::One ? SL_1 : *element_source(b, w);
    }
}
// The inverse: the channel-field bits a written word carries.
void decode_word(char *b, const word_bits::Word &layout, const uint8_t *word) {
    for (int e = 0; e < 16; ++e)
        if (is_field_bit(layout[e])) *element_source(b, layout[e]) = word[e];
}

// One word of the register image, at zero delay.
void write_image_word(char *b, int32_t address, const uint8_t *word) {
    assign_elements(b, cfg_driver(kCfgImage), static_cast<uint32_t>(31 - address) * 16, 16, word, 16);
}

void drive_field(char *b, int drv, const uint8_t *field) { assign(b, cfg_driver(drv), field, 7); }
// channel 8's fields go out as '0' followed by their six low bits
void drive_field8(char *b, int drv, const uint8_t *field) {
    uint8_t v[7];
    v[0] = SL_0;
    std::memcpy(v + 1, field + 1, 6);
    assign(b, cfg_driver(drv), v, 7);
}
void drive_divider_fields(char *b, int c) {
    const ChannelFields &ch = channel(b, c);
    drive_field(b, kCfgHigh + c, ch.high);
    drive_field(b, kCfgLow + c, ch.low);
    assign_bit(b, cfg_driver(kCfgNoCount + c), ch.nocount);
    assign_bit(b, cfg_driver(kCfgEdge + c), ch.edge);
}

void divider_fields(char *b, void *ctx, int32_t divide) {
    DividerScratch &s = divider_scratch(b);
    gatlib_a_0341314388_2930107152_sub_1294091590_1577006045(b, ctx, s.high, s.low, &s.nocount, &s.edge, divide, kDuty);
}
void take_divider_scratch(char *b, int c) {
    ChannelFields &ch = channel(b, c);
    const DividerScratch &s = divider_scratch(b);
    std::memcpy(ch.high, s.high, 7);
    std::memcpy(ch.low, s.low, 7);
    ch.nocount = s.nocount;
    ch.edge = s.edge;
}

// The three counts of channel c (0 to 7), or channel 8's total.
void recount(char *b, void *ctx) {
    int32_t *high = reinterpret_cast<int32_t *>(b + kVarCountHigh);
    int32_t *total = reinterpret_cast<int32_t *>(b + kVarCountTotal);
    int32_t *last = reinterpret_cast<int32_t *>(b + kVarCountLast);
    for (int c = 0; c < 8; ++c) {
        ChannelFields ch = channel(b, c);  // copies of the fields
        gatlib_a_0341314388_2930107152_sub_2820184156_1577006045(b, ctx, high, total, last, ch.high, ch.low, ch.nocount,
                                                                 ch.edge);
        drive_int(b, cfg_driver(kCfgHighCount + c), *high);
        drive_int(b, cfg_driver(kCfgTotal + c), *total);
        drive_int(b, cfg_driver(kCfgLastCount + c), *last);
    }
    // the input divider counts on one edge only
    ChannelFields ch8 = channel(b, 8);
    gatlib_a_0341314388_2930107152_sub_2820184156_1577006045(b, ctx, high, total, last, ch8.high, ch8.low, ch8.nocount,
                                                             SL_0);
    drive_int(b, cfg_driver(kCfgTotal8), *total);
}

// phase_fields for channel c with its divide value and phase; the delay
// and tap counts follow, and the scratch fields become the channel's.
void phase_step(char *b, void *ctx, int c, double phase) {
    const size_t name = kLitPhaseName + 13 * static_cast<size_t>(c);
    const array_bounds nb = literal_bounds(c == 6 ? 14 : 13);
    gatlib_a_0341314388_2930107152_sub_3471423806_1577006045(b, ctx, phase_delay(b), phase_tap(b), kChannelDivide[c],
                                                             phase, b + name, &nb);
    drive_int(b, cfg_driver(kCfgDelayCount + c), bits_to_natural(b, phase_delay(b), kField6));
    drive_int(b, cfg_driver(kCfgTapCount + c), bits_to_natural(b, phase_tap(b), kField3));
    std::memcpy(channel(b, c).delay, phase_delay(b), 6);
    std::memcpy(channel(b, c).tap, phase_tap(b), 3);
}

// The error of a multiply value above 64 with the feedback through channel 7.
void report_multiply_range(char *b, void *ctx, int32_t multiply) {
    Line line;
    line_init(line);
    write_literal(ctx, line.object, b, kLitMultRangeHead, 86);
    write_integer(ctx, line.object, kFeedbackMultiply);
    write_literal(ctx, line.object, b, kLitMultRangeAnd, 5);
    write_integer(ctx, line.object, kChannelDivide[0]);
    write_literal(ctx, line.object, b, kLitMultRangeProduct, 54);
    write_integer(ctx, line.object, multiply);
    write_literal(ctx, line.object, b, kLitMultRangeTail, 28);
    write_dot_lf(ctx, line.object);
    report_line(line.object, SEV_ERROR);
    zem_access_variable_delete(line.object);
}

// The multiply patterns A and B of a multiply value: entry m of the table
// when its two texts agree, the default pair outside 1 to 64.
void choose_multiply_patterns(char *b, int32_t multiply) {
    constexpr size_t kEntry = 26;  // two 9-character texts, pattern A, pattern B
    if (multiply >= 1 && multiply <= 64) {
        const size_t entry = kLitMultTable + kEntry * static_cast<size_t>(multiply - 1);
        if (std::memcmp(b + entry, b + entry + 9, 9) == 0) {
            std::memcpy(b + kVarPatternA, b + entry + 18, 4);
            std::memcpy(b + kVarPatternB, b + entry + 22, 4);
        }
    } else {
        std::memcpy(b + kVarPatternA, b + kLitMultDefaultA, 4);
        std::memcpy(b + kVarPatternB, b + kLitMultDefaultB, 4);
    }
}

// The initial register image from the channel fields just computed.
void write_register_image(char *b) {
    uint8_t word[16];
    if (bit(b, kLayoutSelect) != SL_1) {
        std::memset(b + kVarXFill, SL_X, 8);
        for (int w = 0; w < 19; ++w) {
            std::memcpy(b + kVarAddressVector, b + kLitFieldAddr + 5 * static_cast<size_t>(w), 5);
            const int32_t address = bits_to_natural(b, literal(b, kVarAddressVector), kAddress5);
            put<int32_t>(b, kVarAddress, address);
            build_word(b, kFieldLayout[w], word);
            write_image_word(b, address, word);
        }
    } else {
        for (int a = 5; a <= 24; ++a) {
            build_word(b, kScatteredLayout[a - 5], word);
            write_image_word(b, a, word);
        }
    }
}

// The first-activation set-up: the channels' divider and phase fields from
// the compiled-in settings, their counts, the multiply patterns and the
// register image.
void set_up(char *b, void *ctx) {
    for (int c = 0; c < 6; ++c) {
        divider_fields(b, ctx, kChannelDivide[c]);
        take_divider_scratch(b, c);
        drive_divider_fields(b, c);
    }
    // the multiply channel takes the multiply value, the other one is bypassed
    const bool output0 = integer(b, kFeedbackMode) == 1;
    const int multiply_channel = output0 ? 7 : 6, bypassed = output0 ? 6 : 7;
    divider_fields(b, ctx, kChannelDivide[multiply_channel]);
    take_divider_scratch(b, multiply_channel);
    drive_divider_fields(b, multiply_channel);
    put<double>(b, kVarChannel0Phase, 0.0);
    assign(b, cfg_driver(kCfgHigh + bypassed), literal(b, output0 ? kLitBypass6High : kLitBypass7High), 7);
    assign(b, cfg_driver(kCfgLow + bypassed), literal(b, output0 ? kLitBypass6Low : kLitBypass7Low), 7);
    assign_bit(b, cfg_driver(kCfgNoCount + bypassed), SL_1);
    assign_bit(b, cfg_driver(kCfgEdge + bypassed), SL_0);
    divider_fields(b, ctx, kChannelDivide[8]);
    take_divider_scratch(b, 8);
    drive_field(b, kCfgHigh + 8, channel(b, 8).high);
    drive_field(b, kCfgLow + 8, channel(b, 8).low);
    recount(b, ctx);
    for (int c = 0; c < 6; ++c) phase_step(b, ctx, c, c == 0 ? get<double>(b, kVarChannel0Phase) : 0.0);
    if (output0) {
        std::memcpy(channel(b, 6).delay, literal(b, kLitSel1Delay6), 6);
        std::memcpy(channel(b, 6).tap, literal(b, kLitSel1Tap6), 3);
        std::memcpy(channel(b, 7).delay, literal(b, kLitSel1Delay7), 6);
        std::memcpy(channel(b, 7).tap, literal(b, kLitSel1Tap7), 3);
        drive_int(b, cfg_driver(kCfgDelayCount + 6), 0);
        drive_int(b, cfg_driver(kCfgTapCount + 6), 0);
    } else {
        phase_step(b, ctx, 6, 0.0);
        std::memcpy(channel(b, 7).delay, literal(b, kLitSel0Delay7), 6);
        std::memcpy(channel(b, 7).tap, literal(b, kLitSel0Tap7), 3);
    }
    drive_int(b, cfg_driver(kCfgDelayCount + 7), 0);
    drive_int(b, cfg_driver(kCfgTapCount + 7), 0);
    const int32_t multiply = integer(b, kMultValue);
    if (output0 && multiply > 64) report_multiply_range(b, ctx, multiply);
    std::memcpy(b + kVarPatternP, b + kLitPatternP, 2);
    choose_multiply_patterns(b, multiply);
    write_register_image(b);
    put<uint8_t>(b, kVarSetupPending, 0);
    drive_int(b, cfg_driver(kCfgSetupDone), 1);
}

// The address warning of a layout: the address variable (the previous one
// when the address had unknown bits) and the layout's texts.
void report_address(char *b, void *ctx, size_t head, size_t tail) {
    Line line;
    line_init(line);
    write_literal(ctx, line.object, b, head, 26);
    write_integer(ctx, line.object, get<int32_t>(b, kVarAddress));
    write_literal(ctx, line.object, b, tail, 39);
    write_dot_lf(ctx, line.object);
    report_line(line.object, SEV_WARNING);
    zem_access_variable_delete(line.object);
}

// A word written in the field layout: the word whose address literal the
// register address equals is decoded into its channel's fields.
void decode_field_layout(char *b, void *ctx, const uint8_t *word) {
    const uint8_t *address = value(b, kRegAddress);
    const char *text = b + kVarWordText;
    for (int w = 0; w < 17; ++w) {
        const size_t lit = kLitDecode + 10 * static_cast<size_t>(w);
        if (std::memcmp(address, b + lit, 5) != 0) continue;
        std::memcpy(b + kVarRegisterName, b + lit + 5, 5);
        const char *name = b + kVarRegisterName;
        DividerScratch &s = divider_scratch(b);
        if (w == 16) {
            // channel 8: low time from bits 11..6, high time from bits 5..0
            ChannelFields &ch = channel(b, 8);
            ch.low[0] = SL_0;
            std::memcpy(ch.low + 1, word + word_bit(11), 6);
            ch.high[0] = SL_0;
            std::memcpy(ch.high + 1, word + word_bit(5), 6);
            ch.nocount = word[word_bit(12)];
            ch.edge = word[word_bit(13)];
            drive_field(b, kCfgLow + 8, ch.low);
            drive_field(b, kCfgHigh + 8, ch.high);
        } else if (w % 2 == 0) {
            const int c = w / 2;  // delay word: delay, no-count, edge
            gatlib_a_0341314388_2930107152_sub_834437900_1577006045(b, ctx, phase_delay(b), &s.nocount, &s.edge, word,
                                                                   address, text, name);
            drive_int(b, cfg_driver(kCfgDelayCount + c), bits_to_natural(b, phase_delay(b), kField6));
            channel(b, c).nocount = s.nocount;
            channel(b, c).edge = s.edge;
            assign_bit(b, cfg_driver(kCfgNoCount + c), s.nocount);
            assign_bit(b, cfg_driver(kCfgEdge + c), s.edge);
        } else {
            const int c = w / 2;  // divider word: low time, high time, tap
            gatlib_a_0341314388_2930107152_sub_3977722524_1577006045(b, ctx, s.low, s.high, phase_tap(b), word,
                                                                    address, text, name);
            std::memcpy(channel(b, c).low, s.low, 7);
            std::memcpy(channel(b, c).high, s.high, 7);
            drive_field(b, kCfgLow + c, s.low);
            drive_field(b, kCfgHigh + c, s.high);
            drive_int(b, cfg_driver(kCfgTapCount + c), c == 7 ? 0 : bits_to_natural(b, phase_tap(b), kField3));
        }
    }
}

// A word written in the scattered layout: its bits go back into the fields
// exactly where the layout took them from, then every channel is driven
// from its fields.
void decode_scattered_layout(char *b, const uint8_t *word) {
    const uint8_t *address = value(b, kRegAddress);
    for (int a = 5; a <= 24; ++a)
        if (std::memcmp(address, b + kLitScatterAddr + 5 * static_cast<size_t>(a - 5), 5) == 0)
            decode_word(b, kScatteredLayout[a - 5], word);
    for (int c = 0; c < 8; ++c) drive_field(b, kCfgHigh + c, channel(b, c).high);
    drive_field8(b, kCfgHigh + 8, channel(b, 8).high);
    for (int c = 0; c < 8; ++c) drive_field(b, kCfgLow + c, channel(b, c).low);
    drive_field8(b, kCfgLow + 8, channel(b, 8).low);
    for (int c = 0; c < 9; ++c) assign_bit(b, cfg_driver(kCfgNoCount + c), channel(b, c).nocount);
    for (int c = 0; c < 9; ++c) assign_bit(b, cfg_driver(kCfgEdge + c), channel(b, c).edge);
    for (int c = 0; c < 8; ++c)
        drive_int(b, cfg_driver(kCfgDelayCount + c), bits_to_natural(b, channel(b, c).delay, kField6));
    for (int c = 0; c < 7; ++c) drive_int(b, cfg_driver(kCfgTapCount + c), bits_to_natural(b, channel(b, c).tap, kField3));
    drive_int(b, cfg_driver(kCfgTapCount + 7), 0);
}

// An access of the register port at a rising configuration-clock edge.
void register_access(char *b, void *ctx) {
    const bool scattered = bit(b, kLayoutSelect) == SL_1;
    const bool known = gatlib_a_0341314388_2930107152_sub_2053111517_1577006045(b, value(b, kRegAddress), &kAddress5);
    put<uint8_t>(b, kVarAddressKnown, known);
    if (known) {
        put<int32_t>(b, kVarAddress, bits_to_natural(b, value(b, kRegAddress), kAddress5));
        drive_int(b, cfg_driver(kCfgAddress), get<int32_t>(b, kVarAddress));
    }
    if (bit(b, kStage1) == SL_1)
        zem_report(reinterpret_cast<const char *>(b + kLitBusy), 125, SEV_WARNING);
    else
        assign_bit(b, cfg_driver(kCfgStage1), SL_1);
    const int32_t address = get<int32_t>(b, kVarAddress);
    if (scattered && !(known && address >= 5 && address <= 24))
        report_address(b, ctx, kLitAddressScatterHead, kLitAddressScatterTail);
    if (!scattered && !(known && field_address(address)))
        report_address(b, ctx, kLitAddressFieldHead, kLitAddressFieldTail);
    if (bit(b, kRegWrite) != SL_1) return;
    if (bit(b, kReset) != SL_1) {
        zem_report(reinterpret_cast<const char *>(b + kLitWriteWithoutReset), 95, SEV_ERROR);
        return;
    }
    uint8_t word[16];
    std::memcpy(word, value(b, kRegData), 16);
    write_image_word(b, address, word);
    array_bounds tb;
    const char *text = gatlib_p_3222816464_sub_3034208508_279109243(GATLIB_P_3222816464, &tb, word, &kWord16);
    check_length(16, tb);  // the word text holds exactly 16 characters
    std::memcpy(b + kVarWordText, text, 16);
    if (scattered)
        decode_scattered_layout(b, word);
    else
        decode_field_layout(b, ctx, word);
    recount(b, ctx);
    const int32_t total8 = get<int32_t>(b, kVarCountTotal);
    if (total8 > 52 || (total8 < 1 && channel(b, 8).nocount == SL_0))
        zem_report(reinterpret_cast<const char *>(b + kLitChannel8Count), 128, SEV_ERROR);
}

// The three-stage ready handshake, on the stages' values before this pass.
void handshake(char *b) {
    const uint8_t stage1 = bit(b, kStage1), stage2 = bit(b, kStage2), ready = bit(b, kReady);
    if (stage1 == SL_1) {
        assign_bit(b, cfg_driver(kCfgStage1), SL_0);
        assign_bit(b, cfg_driver(kCfgStage2), SL_1);
    }
    if (stage2 == SL_1) {
        assign_bit(b, cfg_driver(kCfgStage2), SL_0);
        assign_bit(b, cfg_driver(kCfgReady), SL_1);
    }
    if (ready == SL_1) assign_bit(b, cfg_driver(kCfgReady), SL_0);
}

}  // namespace

extern "C" {

// The configuration process: the set-up once, then the register port on
// every pass.
PROCESS(58) {
    void *ctx = process_record(b, process_at(58));
    if (void *at = resume_point(b, process_at(58))) {
        wait_flag(b, flag_at(58)) = 0;
        goto *at;
    }
top:
    if (get<uint8_t>(b, kVarSetupPending) && integer(b, kSetupEnable) == 1) set_up(b, ctx);
    if (*signal_value(GATLIB_P_0947159679, kGlobalReset) == SL_1) {
        assign_bit(b, cfg_driver(kCfgStage1), SL_0);
    } else if (rising_edge(b, kRegClock)) {
        if (bit(b, kRegEnable) == SL_1) register_access(b, ctx);
        handshake(b);
    }
    wait_on_sensitivity_at(b, 58, &&top);
}

}  // extern "C"

extern "C" {

#define P(n) reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_p_##n)
static void *pe[kProcesses] = {
    P(0),   P(1),   P(2),   P(3),   P(4),   P(5),   P(6),   P(7),   P(8),   P(9),   P(10),  P(11),  P(12),  P(13),
    P(14),  P(15),  P(16),  P(17),  P(18),  P(19),  P(20),  P(21),  P(22),  P(23),  P(24),  P(25),  P(26),  P(27),
    P(28),  P(29),  P(30),  P(31),  P(32),  P(33),  P(34),  P(35),  P(36),  P(37),  P(38),  P(39),  P(40),  P(41),
    P(42),  P(43),  P(44),  P(45),  P(46),  P(47),  P(48),  P(49),  P(50),  P(51),  P(52),  P(53),  P(54),  P(55),
    P(56),  P(57),  P(58),  P(59),  P(60),  P(61),  P(62),  P(63),  P(64),  P(65),  P(66),  P(67),  P(68),  P(69),
    P(70),  P(71),  P(72),  P(73),  P(74),  P(75),  P(76),  P(77),  P(78),  P(79),  P(80),  P(81),  P(82),  P(83),
    P(84),  P(85),  P(86),  P(87),  P(88),  P(89),  P(90),  P(91),  P(92),  P(93),  P(94),  P(95),  P(96),  P(97),
    P(98),  P(99),  P(100), P(101), P(102), P(103), P(104), P(105), P(106), P(107), P(108), P(109), P(110), P(111),
    P(112), P(113), P(114), P(115),
};
#undef P

// The subprogram table, in the order the architecture declares them.
static void *se[] = {
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_3182959421_1577006045),  // bits_to_natural
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_2053111517_1577006045),  // all_bits_known
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_678935357_1577006045),   // real_floor
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_3471423806_1577006045),  // phase_fields
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_1294091590_1577006045),  // divider_fields
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_2820184156_1577006045),  // divider_counts
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_834437900_1577006045),   // unpack_delay_word
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_3977722524_1577006045),  // unpack_divider_word
    reinterpret_cast<void *>(&gatlib_a_0341314388_2930107152_sub_2381833435_1577006045),  // duty_check
};

void gatlib_a_0341314388_2930107152_init(void) {
    zem_register_didat("gatlib_a_0341314388_2930107152", SNAPSHOT_DIDAT("gatlib/a_0341314388_2930107152.didat"));
    zem_register_executes(pe);
    zem_register_subprogram_executes(se);
}

}  // extern "C"
