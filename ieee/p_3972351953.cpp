// math_real (unit ieee_p_3972351953): IEEE 1076.2 REAL functions, computed in
// 64-bit doubles by the package's own code, without the C mathematical
// library.
//
// Rounding goes through the REAL to INTEGER conversion (round half away from
// zero, saturating at the INTEGER bounds). EXP sums its Taylor series after
// taking out whole powers of e; LOG is table-driven (128 intervals of [1, 2)
// and a short odd polynomial); roots and powers are built on the two, the
// roots refined by Newton steps. Every series and Newton loop stops after the
// package's MAX_COUNT iterations at the latest.
//
// SIN and COS reduce their argument to one turn, take exact multiples of a
// quarter turn and points very close to them apart, and otherwise rotate a
// vector by CORDIC (28 steps, an absolute error of about 1e-8); the arc
// tangent runs CORDIC in vectoring mode, the other inverse functions are
// built on it and SQRT, the hyperbolic functions on EXP and LOG.
//
// Beyond what the package's own definitions cover, the functions stay sound
// on every double: a not-a-number or infinite argument never reaches an
// INTEGER conversion or an endless loop, LOG(+inf) is +inf, LOG of a NaN is a
// NaN, SQRT and CBRT of an infinity are that infinity, FLOOR, CEIL and the
// functions built on them are exact up to 2**52 (not only within the INTEGER
// range), ROUND does not lose its argument's fraction in X + 0.5, and X * 2**N
// is computed in two steps where 2**N alone would overflow or vanish. SIN,
// COS and TAN of an infinity or a NaN, and the arc tangents of a NaN, are a
// NaN; ARCSINH is odd (its formula cancels for negative X) and ARCSINH and
// ARCCOSH stay finite where X * X overflows; CORDIC and POWER_OF_2_SERIES
// never index past their tables or size a result from a negative or
// overflowing count.
#include "ieee/p_3972351953.h"

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <limits>

#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace {

using tovu::layout::kSubtypeStorageSize;
using tovu::layout::make_bounds;
using tovu::layout::object_value;
using tovu::layout::type_descriptor;

// ---------------------------------------------------------------------------
// The package block
// ---------------------------------------------------------------------------

// Constants: object descriptors whose first field points to the value.
constexpr size_t kMathE = 1168;
constexpr size_t kMath1OverE = 1288;
constexpr size_t kMathPi = 1408;
constexpr size_t kMath2Pi = 1528;
constexpr size_t kMathPiOver2 = 1768;
constexpr size_t kMath3PiOver2 = 2128;
constexpr size_t kMathLogOf2 = 2248;
constexpr size_t kMathLog2OfE = 2488;
constexpr size_t kMathLog10OfE = 2608;
constexpr size_t kMathEP2 = 3328;         // e**2
constexpr size_t kMathEP10 = 3448;        // e**10
constexpr size_t kMaxCount = 3808;        // INTEGER: iteration limit of the series and Newton loops
constexpr size_t kBaseEps = 3928;         // convergence factor
constexpr size_t kCordicGain = 4048;      // KC: the start X of a rotation, compensating CORDIC's gain
constexpr size_t kTwoAtMinus = 4168;      // REAL_VECTOR(0 to 27): entry K = 2.0**(-K)
constexpr size_t kEpsilon = 9976;         // REAL_VECTOR(0 to 27): entry K = ARCTAN(2.0**(-K))
constexpr size_t kRealVectorType = 4288;  // type descriptor of the body's REAL_VECTOR

inline double real_constant(char *block, size_t offset) { return *object_value<double>(block, offset); }
inline int32_t max_count(char *block) { return *object_value<int32_t>(block, kMaxCount); }
inline double base_eps(char *block) { return real_constant(block, kBaseEps); }

// Report texts, back to back in the literal pool.
struct ReportText {
    size_t offset;
    uint32_t length;
    int32_t severity;
};
constexpr size_t kTextPool = 10688;
constexpr ReportText kModByZero{10688, 24, SEV_ERROR};
constexpr ReportText kUniformSeed1{10712, 29, SEV_ERROR};
constexpr ReportText kUniformSeed2{10741, 29, SEV_ERROR};
constexpr ReportText kSqrtNegative{10770, 18, SEV_ERROR};
constexpr ReportText kIntPowerNegative{10788, 26, SEV_ERROR};
constexpr ReportText kIntPowerZero{10814, 26, SEV_ERROR};
constexpr ReportText kRealPowerNegative{10840, 28, SEV_ERROR};
constexpr ReportText kRealPowerZero{10868, 28, SEV_ERROR};
constexpr ReportText kExpOverflow{10896, 28, SEV_NOTE};
constexpr ReportText kLogNotPositive{10924, 18, SEV_ERROR};
constexpr ReportText kLog2NotPositive{10942, 19, SEV_ERROR};
constexpr ReportText kLog10NotPositive{10961, 20, SEV_ERROR};
constexpr ReportText kLogBaseXNotPositive{10981, 24, SEV_ERROR};
constexpr ReportText kLogBaseInvalid{11005, 41, SEV_ERROR};
constexpr ReportText kSinReduction{11046, 39, SEV_ERROR};
constexpr ReportText kCosReduction{11085, 39, SEV_ERROR};
constexpr ReportText kTanReduction{11124, 39, SEV_ERROR};
constexpr ReportText kTanAtHalfPi{11163, 43, SEV_ERROR};
constexpr ReportText kTanAtThreeHalfPi{11206, 45, SEV_ERROR};
constexpr ReportText kArcsinDomain{11251, 25, SEV_ERROR};
constexpr ReportText kArccosDomain{11276, 25, SEV_ERROR};
constexpr ReportText kArctanOfOrigin{11301, 32, SEV_ERROR};
constexpr ReportText kArccoshDomain{11333, 21, SEV_ERROR};
constexpr ReportText kArctanhDomain{11354, 27, SEV_ERROR};
constexpr size_t kTextPoolEnd = 11381;
static_assert(kModByZero.offset == kTextPool);
static_assert(kLogBaseInvalid.offset + kLogBaseInvalid.length == kSinReduction.offset, "texts lie back to back");
static_assert(kArctanhDomain.offset + kArctanhDomain.length == kTextPoolEnd, "texts lie back to back");

inline void report(char *block, const ReportText &text) { zem_report(block + text.offset, text.length, text.severity); }

// Types of std.standard, for the defaults of locals and LOG's local array type.
constexpr size_t kIntegerType = 384;
constexpr size_t kRealType = 472;
constexpr size_t kNaturalType = 0x340;

inline void *standard_type(size_t offset) { return type_descriptor(STD_STANDARD, offset); }

// A local variable starts from its type's default value, as every VHDL
// variable does; the function then assigns it before reading it.
inline double real_local() {
    double value;
    zem_type_set_default_value(standard_type(kRealType), &value, nullptr);
    return value;
}
inline int32_t integer_local() {
    int32_t value;
    zem_type_set_default_value(standard_type(kIntegerType), &value, nullptr);
    return value;
}

// ---------------------------------------------------------------------------
// Values
// ---------------------------------------------------------------------------

// REAL'HIGH and REAL'LOW of this system: +-1.7014111e+308, not the largest double.
constexpr double kRealHigh = 1.7014111e+308;
constexpr double kRealLow = -1.7014111e+308;
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

constexpr double kLarge = 2147483647.0;                  // FLOOR's and CEIL's bound of the INTEGER path
constexpr double kWholeFrom = 4503599627370496.0;        // 2**52: every double from here on is whole
constexpr int32_t kIntegerHigh = 2147483647;
constexpr int32_t kIntegerLow = -2147483647 - 1;

inline double absolute(double x) { return x < 0.0 ? -x : x; }
inline bool is_nan(double x) { return x != x; }
// Neither infinite nor a NaN.
inline bool is_finite(double x) { return absolute(x) <= 1.7976931348623157e+308; }

// Round half away from zero, for |x| < 2**63.
inline int64_t round_half_away(double x) {
    const double magnitude = absolute(x);
    int64_t whole = static_cast<int64_t>(magnitude);  // truncates; the difference below is exact
    if (magnitude - static_cast<double>(whole) >= 0.5) ++whole;
    return x < 0.0 ? -whole : whole;
}

// INTEGER(X): round half away from zero; a value from INTEGER'HIGH up gives
// INTEGER'HIGH, a value below the INTEGER range INTEGER'LOW. A NaN, which
// has no integer value, gives INTEGER'LOW.
inline int32_t to_integer(double x) {
    if (is_nan(x)) return kIntegerLow;
    if (x >= kLarge) return kIntegerHigh;
    if (x <= -2147483648.0) return kIntegerLow;
    return static_cast<int32_t>(round_half_away(x));
}

// The whole number nearest to X (halves away from zero): REAL(INTEGER(X))
// within the INTEGER range, the same rounding in 64 bits up to 2**52.
inline double nearest_whole(double x) {
    if (absolute(x) < kLarge) return static_cast<double>(to_integer(x));
    return static_cast<double>(round_half_away(x));
}

// ---------------------------------------------------------------------------
// The package's own functions where they call each other
// ---------------------------------------------------------------------------

inline double FLOOR(char *block, double x) { return ieee_p_3972351953_sub_28498392_2984157535(block, x); }
inline double CEIL(char *block, double x) { return ieee_p_3972351953_sub_1147618771_2984157535(block, x); }
inline double EXP(char *block, double x) { return ieee_p_3972351953_sub_785569749_2984157535(block, x); }
inline double LOG(char *block, double x) { return ieee_p_3972351953_sub_1543758017_2984157535(block, x); }
inline int32_t power_of_two_exponent(char *block, double x) {
    return ieee_p_3972351953_sub_1422932443_2984157535(block, x);
}
inline double times_power_of_two(char *block, double x, int32_t n) {
    return ieee_p_3972351953_sub_3025794763_2984157535(block, x, n);
}

// The stopping test of the Newton loops and the exponential series: go on
// while the last step changed the value, relatively or absolutely, by more
// than eps, and the iteration limit is not reached.
inline bool not_converged(double new_value, double old_value, double eps, int32_t count, int32_t limit) {
    return (absolute((new_value - old_value) / new_value) > eps || absolute(new_value - old_value) > eps) &&
           count < limit;
}

// ---------------------------------------------------------------------------
// LOG's tables
// ---------------------------------------------------------------------------

// ln(1 + j/128) for j = 0 .. 128 in two parts: the leading part rounded to a
// multiple of 2**-43, so that M * lead(128) + U1 + lead(J) is exact for every
// exponent M of a double, and the rest in the trailing part. Entry 128 is
// ln 2. (Computed once with 80-digit arithmetic: lead = round(v * 2**43) /
// 2**43, trail = the double nearest to v - lead.)
constexpr int32_t kLogTableSize = 129;
constexpr int32_t kLogTableHigh = 128;
constexpr double kLogLead[kLogTableSize] = {
    0x0.0p+0, 0x1.fe02a6b100000p-8, 0x1.fc0a8b0fc0000p-7,
    0x1.7b91b07d58000p-6, 0x1.f829b0e780000p-6, 0x1.39e87b9fec000p-5,
    0x1.77458f632c000p-5, 0x1.b42dd71198000p-5, 0x1.f0a30c0118000p-5,
    0x1.16536eea38000p-4, 0x1.341d7961be000p-4, 0x1.51b073f062000p-4,
    0x1.6f0d28ae56000p-4, 0x1.8c345d631a000p-4, 0x1.a926d3a4ae000p-4,
    0x1.c5e548f5bc000p-4, 0x1.e27076e2b0000p-4, 0x1.fec9131dbe000p-4,
    0x1.0d77e7cd09000p-3, 0x1.1b72ad52f6000p-3, 0x1.29552f81ff000p-3,
    0x1.371fc201e9000p-3, 0x1.44d2b6ccb8000p-3, 0x1.526e5e3a1b000p-3,
    0x1.5ff3070a79000p-3, 0x1.6d60fe719d000p-3, 0x1.7ab890210e000p-3,
    0x1.87fa06520d000p-3, 0x1.9525a9cf45000p-3, 0x1.a23bc1fe2b000p-3,
    0x1.af3c94e80c000p-3, 0x1.bc286742d9000p-3, 0x1.c8ff7c79aa000p-3,
    0x1.d5c216b4fc000p-3, 0x1.e27076e2af000p-3, 0x1.ef0adcbdc6000p-3,
    0x1.fb9186d5e4000p-3, 0x1.0402594b4d000p-2, 0x1.0a324e2739000p-2,
    0x1.1058bf9ae4800p-2, 0x1.1675cababa800p-2, 0x1.1c898c1699800p-2,
    0x1.22941fbcf7800p-2, 0x1.2895a13de8800p-2, 0x1.2e8e2bae12000p-2,
    0x1.347dd9a988000p-2, 0x1.3a64c55694800p-2, 0x1.404308686a800p-2,
    0x1.4618bc21c6000p-2, 0x1.4be5f95777800p-2, 0x1.51aad872df800p-2,
    0x1.5767717455800p-2, 0x1.5d1bdbf580800p-2, 0x1.62c82f2b9c800p-2,
    0x1.686c81e9b1800p-2, 0x1.6e08eaa2ba000p-2, 0x1.739d7f6bbd000p-2,
    0x1.792a55fdd4800p-2, 0x1.7eaf83b82b000p-2, 0x1.842d1da1e8800p-2,
    0x1.89a3386c14000p-2, 0x1.8f11e87366000p-2, 0x1.947941c211800p-2,
    0x1.99d958117e000p-2, 0x1.9f323ecbf9800p-2, 0x1.a484090e5b800p-2,
    0x1.a9cec9a9a0800p-2, 0x1.af12932477800p-2, 0x1.b44f77bcc9000p-2,
    0x1.b985896931000p-2, 0x1.beb4d9da71800p-2, 0x1.c3dd7a7cdb000p-2,
    0x1.c8ff7c79a9800p-2, 0x1.ce1af0b85f000p-2, 0x1.d32fe7e00e800p-2,
    0x1.d83e7258a3000p-2, 0x1.dd46a04c1c800p-2, 0x1.e24881a7c7000p-2,
    0x1.e744261d68800p-2, 0x1.ec399d2469000p-2, 0x1.f128f5faf0800p-2,
    0x1.f6123fa702800p-2, 0x1.faf588f78f000p-2, 0x1.ffd2e0857f800p-2,
    0x1.02552a5a5d000p-1, 0x1.04bdf9da92800p-1, 0x1.0723e5c1ce000p-1,
    0x1.0986f4f573400p-1, 0x1.0be72e4252c00p-1, 0x1.0e44985d1cc00p-1,
    0x1.109f39e2d4c00p-1, 0x1.12f719593f000p-1, 0x1.154c3d2f4d400p-1,
    0x1.179eabbd89800p-1, 0x1.19ee6b467c800p-1, 0x1.1c3b81f713c00p-1,
    0x1.1e85f5e704000p-1, 0x1.20cdcd192ac00p-1, 0x1.23130d7bec000p-1,
    0x1.2555bce98f800p-1, 0x1.2795e1289b000p-1, 0x1.29d37fec2b000p-1,
    0x1.2c0e9ed449000p-1, 0x1.2e47436e40400p-1, 0x1.307d7334f1000p-1,
    0x1.32b1339121c00p-1, 0x1.34e289d9ce000p-1, 0x1.37117b5474800p-1,
    0x1.393e0d3562c00p-1, 0x1.3b68449fffc00p-1, 0x1.3d9026a715800p-1,
    0x1.3fb5b84d17000p-1, 0x1.41d8fe8467400p-1, 0x1.43f9fe2f9d000p-1,
    0x1.4618bc21c6000p-1, 0x1.48353d1ea8800p-1, 0x1.4a4f85db04000p-1,
    0x1.4c679afccf000p-1, 0x1.4e7d811b75c00p-1, 0x1.50913cc016800p-1,
    0x1.52a2d265bc400p-1, 0x1.54b2467999400p-1, 0x1.56bf9d5b3f400p-1,
    0x1.58cadb5cd7800p-1, 0x1.5ad404c35a000p-1, 0x1.5cdb1dc6c1800p-1,
    0x1.5ee02a9241800p-1, 0x1.60e32f4478800p-1, 0x1.62e42fefa3800p-1,
};
constexpr double kLogTrail[kLogTableSize] = {
    0x0.0p+0, 0x1.9e23f0dda40e4p-46, 0x1.f1e7cf6d3a69cp-50,
    0x1.88d5493faa639p-45, 0x1.980267c7e09e4p-45, -0x1.502b7f526feaap-48,
    0x1.cfc4634f2a1eep-45, -0x1.c827ae5d6704cp-46, -0x1.d599e83368e91p-45,
    -0x1.47c5e768fa309p-46, -0x1.c5edaccf913dfp-45, -0x1.f025b61c65e57p-46,
    0x1.69737c93373dap-45, -0x1.37c294d2f5668p-46, -0x1.53935e85baac8p-45,
    0x1.d0c57585fbe06p-46, -0x1.a342c2af0003cp-45, 0x1.575545ca333f2p-45,
    -0x1.a699688e85bf4p-47, 0x1.e80a41811a396p-45, 0x1.48d301771c408p-45,
    -0x1.178864d27543ap-48, -0x1.70cc16135783cp-46, 0x1.0de8b90075b8fp-45,
    0x1.e9e439f105039p-46, 0x1.0e46aa3b2e266p-46, -0x1.bdb9072534a58p-45,
    -0x1.bbdbf7fdbfa09p-45, 0x1.ad1d904c1d4e3p-45, 0x1.58c64dc46c1eap-45,
    -0x1.a4e633fcd9066p-52, -0x1.94eb0318bb78fp-46, -0x1.7794f689f8434p-45,
    -0x1.1ba91bbca681bp-45, 0x1.72f4f543fff10p-46, -0x1.b26b79c86af24p-45,
    -0x1.d572aab993c87p-47, 0x1.036b89ef42d7fp-48, 0x1.c6bee7ef4030ep-47,
    0x1.6a8c4fd055a66p-45, -0x1.f1fc63382a8f0p-46, 0x1.fafbc68e75404p-46,
    0x1.65a242853da76p-46, -0x1.5ca14b6cfb03fp-46, -0x1.67b1e99b72bd8p-45,
    -0x1.5594dd4c58092p-45, -0x1.0b1c686519460p-45, -0x1.c42f3ed820b3ap-50,
    -0x1.3d82f484c84ccp-46, 0x1.41b6993293ee0p-47, 0x1.684e49eb067d5p-49,
    0x1.362a4d5b6506dp-45, 0x1.ca508d8e0f720p-46, -0x1.ab42428375680p-48,
    -0x1.a89ddea0f7f59p-45, 0x1.e38c139318d71p-46, 0x1.a7389314feb50p-52,
    -0x1.760fa896e0161p-48, -0x1.e4da62d0c25adp-49, 0x1.8ba49d8a32f09p-45,
    0x1.2d5ad38c40882p-45, 0x1.63bf0bb4eab4cp-45, -0x1.0545b322eb82fp-46,
    0x1.1597525dd88f0p-47, 0x1.2fcada35d9bd0p-48, 0x1.8515fe535b876p-45,
    0x1.2635213fd4bc9p-48, 0x1.ac44ce1128577p-48, -0x1.3ae68224aa2cep-47,
    0x1.f6b31f629f11ep-47, 0x1.bdfbc30e9bd5ep-45, -0x1.5946261f5a42bp-45,
    0x1.10d612ec0f798p-45, 0x1.f5bdbe95e5568p-45, 0x1.eab0ef6465f5fp-45,
    -0x1.835f5d48ba26dp-47, -0x1.afa08cecadb17p-45, -0x1.ecf1a1385d356p-45,
    -0x1.e0720972430d1p-48, -0x1.9ff45188d6065p-45, -0x1.134ca37c4eecep-46,
    0x1.58c28ad8796dap-47, 0x1.8f6cd7d9f2754p-45, -0x1.b3d53417e4d9cp-45,
    0x1.fd8d38d2bafddp-46, -0x1.2d9a033eff74ep-45, -0x1.7f6350d38edddp-46,
    0x1.20b91fda94ff4p-45, -0x1.7d49676844cc2p-45, 0x1.17edd5cbbd2d3p-46,
    0x1.2dfbc7d93616fp-46, -0x1.0eb3fb7398e0cp-47, 0x1.e9a98f33a3966p-45,
    0x1.a0bfc60e6fa08p-45, 0x1.6ecc5cbdd7782p-45, 0x1.25e4a7c766fdep-48,
    0x1.a07bd8b34be7cp-46, -0x1.24d95f85e1148p-46, -0x1.7afa4392f1ba7p-46,
    -0x1.a61fde292977ep-48, 0x1.1aeb783f3db97p-45, 0x1.1590b9ad974bap-46,
    -0x1.74468563ce45dp-45, -0x1.97bfabde796dep-45, 0x1.7c3f6b2143eadp-46,
    0x1.71320556b67b2p-45, 0x1.d316eb92d885dp-45, -0x1.28e88bf6deec9p-47,
    -0x1.e6563bbd9fc92p-45, 0x1.157c76f60c2cap-48, -0x1.055bfbd9c2f53p-45,
    -0x1.7b4962c55f46bp-46, -0x1.519b9b433d0bap-45, -0x1.98858d84649f1p-45,
    -0x1.3d82f484c84ccp-45, 0x1.bee7abd176604p-46, -0x1.44fdd840b8591p-45,
    -0x1.c64e971322ce8p-45, -0x1.3d8d3d9ea6e9fp-47, 0x1.ad2f2ce96c2d6p-47,
    0x1.aaee77c8af15bp-45, 0x1.2f522a851687bp-46, -0x1.9afb8e77a3270p-47,
    0x1.893092f25d931p-45, -0x1.a609acaab41fcp-46, -0x1.36e612387451fp-46,
    -0x1.8a8f29f6a02dcp-45, 0x1.b194f912b416ap-46, 0x1.ef35793c76730p-45,
};

// Coefficients of the odd polynomial for ln(F / F1) = U + U**3 * (C1 + ...).
constexpr double kLogC1 = 0.0833333333333318;
constexpr double kLogC2 = 0.0125000000037717;
constexpr double kLogC3 = 0.00223213998791945;
constexpr double kLogC4 = 0.000434887777707615;

// U1 := (U + 513.0) - 513.0 rounds U to a multiple of 2**-43, the grid of the
// leading parts, so that U1 joins the exact leading sum.
constexpr double kLeadGrid = 513.0;

// Name of LOG's local array type (index NATURAL, elements REAL); the
// subprogram table is followed by a pointer to it.
constexpr char kRealVectorName[] = "real_vector";

// LOG's local array type and its two tables, set up on every call.
struct LogTables {
    alignas(8) char type_storage[kSubtypeStorageSize];
    double lead[kLogTableSize];
    double trail[kLogTableSize];
};

void open_log_tables(LogTables &t) {
    zem_create_unconstr_array_type(t.type_storage, kRealVectorName, standard_type(kRealType), 1,
                                   standard_type(kNaturalType));
    const array_bounds range = make_bounds(0, kLogTableHigh, +1);
    zem_type_set_default_value(t.type_storage, t.lead, &range);
    zem_type_set_default_value(t.type_storage, t.trail, &range);
    for (int32_t j = 0; j < kLogTableSize; ++j) {
        t.lead[j] = kLogLead[j];
        t.trail[j] = kLogTrail[j];
    }
}

constexpr int32_t kDeleteArrayType = 2;
void close_log_tables(LogTables &t) { zem_delete_type(t.type_storage, kDeleteArrayType); }

// ln X for a finite X > 0 other than 1 and e: X = 2**M * F with 1 <= F < 2,
// F = F1 + F2 with F1 = 1 + J/128 the table point nearest to F, and
// ln F = ln F1 + ln(F / F1), the latter from U = 2 F2 / (2 F1 + F2).
double log_by_table(char *block, const LogTables &t, double x) {
    const int32_t m = power_of_two_exponent(block, x);
    const double f = times_power_of_two(block, x, -m);
    const int32_t j = to_integer(128.0 * (f - 1.0));
    const double f1 = j * (1.0 / 128) + 1.0;
    const double f2 = f - f1;

    const double r = 1.0 / (2.0 * f1 + f2);
    const double u = 2.0 * f2 * r;
    const double v = u * u;
    const double q = v * u * (v * (v * (v * kLogC4 + kLogC3) + kLogC2) + kLogC1);
    const double u1 = (j != 0 || m != 0) ? (u + kLeadGrid) - kLeadGrid : u;
    const double u2 = ((f2 - u1 * f1) * 2.0 - f2 * u1) * r;  // U - U1

    zem_vhdl_check_range_of_index(0, kLogTableHigh, 1, j);
    const double lead = m * t.lead[kLogTableHigh] + u1 + t.lead[j];
    const double trail = u2 + t.trail[j] + q + m * t.trail[kLogTableHigh];
    return lead + trail;
}

// ---------------------------------------------------------------------------
// Roots
// ---------------------------------------------------------------------------

// Newton steps toward the square root of X and the cube root of XL.
inline double sqrt_step(double old_value, double x) { return (old_value + x / old_value) * 0.5; }
inline double cbrt_step(double old_value, double xl) { return (2.0 * old_value + xl / (old_value * old_value)) / 3.0; }

}  // namespace

// ===========================================================================
// Rounding, minimum and maximum, modulus
// ===========================================================================

// SIGN(X). A NaN is neither above nor below 0.0 and gives 0.0.
extern "C" double ieee_p_3972351953_sub_795735699_2984157535(char * /*block*/, double x) {
    if (x > 0.0) return 1.0;
    if (x < 0.0) return -1.0;
    return 0.0;
}

// CEIL(X): the least whole number >= X. Doubles from 2**52 up, infinities
// and NaNs are returned as they are.
extern "C" double ieee_p_3972351953_sub_1147618771_2984157535(char * /*block*/, double x) {
    if (!(absolute(x) < kWholeFrom)) return x;
    double rd = real_local();
    rd = nearest_whole(x);
    if (x == rd) return x;
    if (x > 0.0) return x <= rd ? rd : rd + 1.0;
    if (x == 0.0) return 0.0;
    return x >= rd ? rd + 1.0 : rd;
}

// FLOOR(X): the greatest whole number <= X. Doubles from 2**52 up,
// infinities and NaNs are returned as they are.
extern "C" double ieee_p_3972351953_sub_28498392_2984157535(char * /*block*/, double x) {
    if (!(absolute(x) < kWholeFrom)) return x;
    double rd = real_local();
    rd = nearest_whole(x);
    if (x == rd) return x;
    if (x > 0.0) return x >= rd ? rd : rd - 1.0;
    if (x == 0.0) return 0.0;
    return x <= rd ? rd - 1.0 : rd;
}

// ROUND(X): the nearest whole number, halves away from zero. The fraction is
// taken as X - FLOOR(X) (exact), not by adding 0.5 to X, which itself rounds
// (0.49999999999999994 + 0.5 = 1.0; odd whole numbers from 2**52 up would
// gain 1).
extern "C" double ieee_p_3972351953_sub_1782959306_2984157535(char *block, double x) {
    if (is_nan(x)) return x;
    double whole = real_local();
    if (x > 0.0) {
        whole = FLOOR(block, x);
        return x - whole >= 0.5 ? whole + 1.0 : whole;
    }
    if (x < 0.0) {
        whole = CEIL(block, x);
        return whole - x >= 0.5 ? whole - 1.0 : whole;
    }
    return 0.0;
}

// TRUNC(X): X rounded toward zero.
extern "C" double ieee_p_3972351953_sub_188333038_2984157535(char *block, double x) {
    if (is_nan(x)) return x;
    if (x > 0.0) return FLOOR(block, x);
    if (x < 0.0) return CEIL(block, x);
    return 0.0;
}

// "MOD"(X, Y) = X - Y * FLOOR(X / Y), with the sign of Y. Y = 0.0 reports and
// gives 0.0.
extern "C" double ieee_p_3972351953_sub_1635143497_2984157535(char *block, double x, double y) {
    if (y == 0.0) {
        report(block, kModByZero);
        return 0.0;
    }
    const double ay = absolute(y);
    double q = real_local();
    q = absolute(x) / ay;
    if (x < 0.0 && y < 0.0) return x + FLOOR(block, q) * ay;
    if (x < 0.0) return x + CEIL(block, q) * ay;
    if (y < 0.0) return x - CEIL(block, q) * ay;
    return x - FLOOR(block, q) * ay;
}

// REALMAX(X, Y) and REALMIN(X, Y): X when it is not beyond Y, else Y (so a
// NaN X gives Y).
extern "C" double ieee_p_3972351953_sub_2013354414_2984157535(char * /*block*/, double x, double y) {
    return x >= y ? x : y;
}
extern "C" double ieee_p_3972351953_sub_2013631020_2984157535(char * /*block*/, double x, double y) {
    return x <= y ? x : y;
}

// ===========================================================================
// Random numbers
// ===========================================================================

namespace {
// L'Ecuyer's combined multiplicative generator, each multiplication done by
// Schrage's decomposition (m = a * q + r) so that no product leaves 32 bits.
constexpr int64_t kModulus1 = 2147483563, kMultiplier1 = 40014, kQuotient1 = 53668, kRemainder1 = 12211;
constexpr int64_t kModulus2 = 2147483399, kMultiplier2 = 40692, kQuotient2 = 52774, kRemainder2 = 3791;
constexpr double kUniformScale = 4.656613e-10;  // about 1 / kModulus1

// seed * a mod m by Schrage's decomposition.
int32_t schrage_step(int32_t seed, int64_t a, int64_t q, int64_t r, int64_t m) {
    const int64_t k = seed / q;  // toward zero
    int64_t t = a * (seed - k * q) - k * r;
    if (t < 0) t += m;
    return static_cast<int32_t>(t);
}
}  // namespace

// UNIFORM(SEED1, SEED2, X): the next pseudo-random X in (0, 1) and the next
// seeds. A seed above its generator's range reports, leaves both seeds as
// they are and gives X = 0.0.
extern "C" void ieee_p_3972351953_sub_3007962107_2984157535(char *block, void * /*unused*/, int32_t *seed1, int32_t *seed2,
                                                           double *x) {
    if (*seed1 > kModulus1 - 1) {
        report(block, kUniformSeed1);
        *x = 0.0;
        return;
    }
    if (*seed2 > kModulus2 - 1) {
        report(block, kUniformSeed2);
        *x = 0.0;
        return;
    }
    int32_t t1 = integer_local();
    int32_t t2 = integer_local();
    int32_t z = integer_local();
    t1 = schrage_step(*seed1, kMultiplier1, kQuotient1, kRemainder1, kModulus1);
    t2 = schrage_step(*seed2, kMultiplier2, kQuotient2, kRemainder2, kModulus2);
    z = t1 - t2;
    if (z < 1) z += static_cast<int32_t>(kModulus1 - 1);
    *seed1 = t1;
    *seed2 = t2;
    *x = z * kUniformScale;
}

// ===========================================================================
// Roots and powers
// ===========================================================================

// SQRT(X). X < 0.0 reports and gives 0.0; +inf and NaN give themselves.
extern "C" double ieee_p_3972351953_sub_1722501855_2984157535(char *block, double x) {
    if (x < 0.0) {
        report(block, kSqrtNegative);
        return 0.0;
    }
    if (x == 0.0) return 0.0;
    if (x == 1.0) return 1.0;
    if (!is_finite(x)) return x;
    const double eps = base_eps(block) * base_eps(block);
    const int32_t limit = max_count(block);
    double old_value = real_local();
    double new_value = real_local();
    int32_t count = integer_local();
    old_value = EXP(block, LOG(block, x) * 0.5);
    new_value = sqrt_step(old_value, x);
    count = 1;
    while (not_converged(new_value, old_value, eps, count, limit)) {
        old_value = new_value;
        new_value = sqrt_step(old_value, x);
        count = count + 1;
    }
    return new_value;
}

// CBRT(X), also for negative X; infinities and NaN give themselves.
extern "C" double ieee_p_3972351953_sub_906367133_2984157535(char *block, double x) {
    if (x == 0.0) return 0.0;
    if (x == 1.0) return 1.0;
    if (x == -1.0) return -1.0;
    if (!is_finite(x)) return x;
    const double eps = base_eps(block) * base_eps(block);
    const int32_t limit = max_count(block);
    double xl = real_local();
    double old_value = real_local();
    double new_value = real_local();
    int32_t count = integer_local();
    xl = absolute(x);
    old_value = EXP(block, LOG(block, xl) / 3.0);
    new_value = cbrt_step(old_value, xl);
    count = 1;
    while (not_converged(new_value, old_value, eps, count, limit)) {
        old_value = new_value;
        new_value = cbrt_step(old_value, xl);
        count = count + 1;
    }
    return x < 0.0 ? -new_value : new_value;
}

// "**"(X: INTEGER; Y: REAL). A negative X with Y /= 0.0, and X = 0 with
// Y <= 0.0, report and give 0.0.
extern "C" double ieee_p_3972351953_sub_2171244304_2984157535(char *block, int32_t x, double y) {
    if (x < 0 && y != 0.0) {
        report(block, kIntPowerNegative);
        return 0.0;
    }
    if (x == 0) {
        if (y > 0.0) return 0.0;
        report(block, kIntPowerZero);
        return 0.0;
    }
    if (x == 1) return 1.0;
    if (y == 0.0) return 1.0;
    if (y == 1.0) return static_cast<double>(x);
    return EXP(block, y * LOG(block, static_cast<double>(x)));
}

// "**"(X, Y: REAL). A negative X with Y /= 0.0, and X = 0.0 with Y <= 0.0,
// report and give 0.0.
extern "C" double ieee_p_3972351953_sub_2618671228_2984157535(char *block, double x, double y) {
    if (x < 0.0 && y != 0.0) {
        report(block, kRealPowerNegative);
        return 0.0;
    }
    if (x == 0.0) {
        if (y > 0.0) return 0.0;
        report(block, kRealPowerZero);
        return 0.0;
    }
    if (x == 1.0) return 1.0;
    if (y == 0.0) return 1.0;
    if (y == 1.0) return x;
    return EXP(block, y * LOG(block, x));
}

// ===========================================================================
// Exponential and logarithms
// ===========================================================================

// EXP(X). Beyond ln(REAL'HIGH) a negative X gives 0.0 and a positive one
// reports a NOTE and gives REAL'HIGH.
extern "C" double ieee_p_3972351953_sub_785569749_2984157535(char *block, double x) {
    if (x == 0.0) return 1.0;
    const double e = real_constant(block, kMathE);
    const double e_p2 = real_constant(block, kMathEP2);
    const double e_p10 = real_constant(block, kMathEP10);
    double xl = real_local();
    xl = absolute(x);
    const bool reciprocal = x < 0.0;
    if (xl == 1.0) return reciprocal ? real_constant(block, kMath1OverE) : e;
    if (xl == 2.0) return reciprocal ? 1.0 / e_p2 : e_p2;
    if (xl == 10.0) return reciprocal ? 1.0 / e_p10 : e_p10;
    if (xl > LOG(block, kRealHigh)) {
        if (reciprocal) return 0.0;
        report(block, kExpOverflow);
        return kRealHigh;
    }

    // e**X = e**(whole part) * e**(rest), the rest in (0, 1].
    double value = real_local();
    value = 1.0;
    while (xl > 10.0) {
        xl = xl - 10.0;
        value = value * e_p10;
    }
    while (xl > 1.0) {
        xl = xl - 1.0;
        value = value * e;
    }

    const double eps = base_eps(block) * base_eps(block) * base_eps(block);
    const int32_t limit = max_count(block);
    double old_value = real_local();
    double term = real_local();
    double new_value = real_local();
    int32_t count = integer_local();
    old_value = 1.0;
    term = xl;
    new_value = old_value + term;
    count = 2;
    while (not_converged(new_value, old_value, eps, count, limit)) {
        old_value = new_value;
        term = term * xl / count;
        new_value = old_value + term;
        count = count + 1;
    }
    const double result = new_value * value;
    return reciprocal ? 1.0 / result : result;
}

// The exponent m of the power of two with 1.0 <= |X| / 2**m < 2.0; 0 for
// 0.0, for 1.0 and for infinities and NaNs, which no power of two brings
// into [1, 2).
extern "C" int32_t ieee_p_3972351953_sub_1422932443_2984157535(char * /*block*/, double x) {
    double b = absolute(x);
    if (b == 1.0 || b == 0.0 || !is_finite(b)) return 0;
    int32_t m = 0;
    if (b > 1.0) {
        while (b >= 2.0) {
            b = b * 0.5;
            m = m + 1;
        }
    } else {
        while (b < 1.0) {
            b = b * 2.0;
            m = m - 1;
        }
    }
    return m;
}

// X * 2.0**N. Where 2.0**N alone is not a double (N beyond the exponent range,
// as for the scaling of very small or very large X), it is applied in two
// halves, so the product is still exact whenever it is a normal double.
extern "C" double ieee_p_3972351953_sub_3025794763_2984157535(char * /*block*/, double x, int32_t n) {
    constexpr int32_t kHighestExponent = 1023;   // 2**1023, the largest power of two
    constexpr int32_t kLowestExponent = -1074;   // 2**-1074, the smallest (subnormal) one
    if (n > kHighestExponent || n < kLowestExponent) {
        const int32_t half = n / 2;
        return x * zem_vhdl_pow_double(2.0, half) * zem_vhdl_pow_double(2.0, n - half);
    }
    return x * zem_vhdl_pow_double(2.0, n);
}

// LOG(X), the natural logarithm. X <= 0.0 reports and gives REAL'LOW; +inf
// gives +inf and a NaN gives a NaN.
extern "C" double ieee_p_3972351953_sub_1543758017_2984157535(char *block, double x) {
    LogTables tables;
    open_log_tables(tables);
    double result = real_local();
    if (x <= 0.0) {
        report(block, kLogNotPositive);
        result = kRealLow;
    } else if (x == 1.0) {
        result = 0.0;
    } else if (x == real_constant(block, kMathE)) {
        result = 1.0;
    } else if (!is_finite(x)) {
        result = x;
    } else {
        result = log_by_table(block, tables, x);
    }
    close_log_tables(tables);
    return result;
}

// LOG2(X). X <= 0.0 reports and gives REAL'LOW.
extern "C" double ieee_p_3972351953_sub_528838134_2984157535(char *block, double x) {
    if (x <= 0.0) {
        report(block, kLog2NotPositive);
        return kRealLow;
    }
    if (x == 1.0) return 0.0;
    if (x == 2.0) return 1.0;
    return LOG(block, x) * real_constant(block, kMathLog2OfE);
}

// LOG10(X). X <= 0.0 reports and gives REAL'LOW.
extern "C" double ieee_p_3972351953_sub_2605234405_2984157535(char *block, double x) {
    if (x <= 0.0) {
        report(block, kLog10NotPositive);
        return kRealLow;
    }
    if (x == 1.0) return 0.0;
    if (x == 10.0) return 1.0;
    return LOG(block, x) * real_constant(block, kMathLog10OfE);
}

// LOG(X, BASE). X <= 0.0, BASE <= 0.0 and BASE = 1.0 report and give REAL'LOW.
extern "C" double ieee_p_3972351953_sub_1341592424_2984157535(char *block, double x, double base) {
    if (x <= 0.0) {
        report(block, kLogBaseXNotPositive);
        return kRealLow;
    }
    if (base <= 0.0 || base == 1.0) {
        report(block, kLogBaseInvalid);
        return kRealLow;
    }
    if (x == 1.0) return 0.0;
    if (x == base) return 1.0;
    return LOG(block, x) / LOG(block, base);
}

// ===========================================================================
// CORDIC and the power-of-two series (body-local)
// ===========================================================================

namespace {

// CORDIC's tables hold entries 0 to 27; the functions run steps 0 to 27.
constexpr int32_t kCordicTableHigh = 27;
constexpr int32_t kCordicSteps = 27;

// CORDIC_MODE_TYPE
constexpr uint8_t kRotation = 0;
constexpr uint8_t kVectoring = 1;

// CORDIC's result, REAL_VECTOR(0 to 2): X, Y and Z.
constexpr int32_t kCordicResultHigh = 2;
constexpr uint32_t kCordicResultBytes = (kCordicResultHigh + 1) * sizeof(double);

inline void *real_vector_type(char *block) { return type_descriptor(block, kRealVectorType); }

}  // namespace

// CORDIC(X0, Y0, Z0, N, MODE): steps K = 0 to N of the CORDIC iteration. Each
// step turns (X, Y) by +-ARCTAN(2**-K) (growing it by SQRT(1 + 2**-2K)) and
// takes the angle off Z. ROTATION drives Z toward 0 (from (KC, 0, A) the
// result is (COS A, SIN A, 0)); VECTORING drives Y toward 0 (from (1, V, 0)
// Z ends as ARCTAN V). Every K is checked against the tables' range, so an N
// beyond 27 stops the run instead of reading past them.
extern "C" double *ieee_p_3972351953_sub_2938191189_2984157535(char *block, array_bounds *result_bounds, double x0,
                                                               double y0, double z0, int32_t n, uint8_t mode) {
    const double *two_at_minus = object_value<double>(block, kTwoAtMinus);
    const double *epsilon = object_value<double>(block, kEpsilon);
    const array_bounds range = make_bounds(0, kCordicResultHigh, +1);
    double xyz[kCordicResultHigh + 1];
    zem_type_set_default_value(real_vector_type(block), xyz, &range);
    double x = x0, y = y0, z = z0;
    if (n >= 0) {
        for (int32_t k = 0;; ++k) {
            zem_vhdl_check_range_of_index(0, kCordicTableHigh, 1, k);
            const double t = x;
            const bool turn_left = mode == kRotation ? z >= 0.0 : y < 0.0;
            if (turn_left) {
                x = x - y * two_at_minus[k];
                y = y + t * two_at_minus[k];
                z = z - epsilon[k];
            } else {
                x = x + y * two_at_minus[k];
                y = y - t * two_at_minus[k];
                z = z + epsilon[k];
            }
            if (k == n) break;
        }
    }
    xyz[0] = x;
    xyz[1] = y;
    xyz[2] = z;
    auto *result = static_cast<double *>(zem_get_transient_memory(kCordicResultBytes));
    memcpy(result, xyz, kCordicResultBytes);
    *result_bounds = make_bounds(range.left, range.right, range.dir);
    return result;
}

namespace {

// The largest series whose bytes a transient request can count.
constexpr int64_t kMaxSeriesLength = UINT32_MAX / sizeof(double);

bool occurs_in(int32_t value, const int32_t *d, int32_t d_length) {
    for (int32_t p = 0; p < d_length; ++p)
        if (d[p] == value) return true;
    return false;
}

}  // namespace

// POWER_OF_2_SERIES(D, INITIAL_VALUE, NUMBER_OF_VALUES): V(0 to
// NUMBER_OF_VALUES), V(I) being INITIAL_VALUE halved once for every J from 0
// to I - 1 that does not occur in D. A negative count (a NATURAL only the
// subprogram table can pass) gives the null vector 0 to -1; a count whose
// series no transient block can hold fails the range check of its last index
// and stops the run. The series is built directly in its transient block,
// which is requested once, with the result's exact length.
extern "C" double *ieee_p_3972351953_sub_597906855_2984157535(char *block, array_bounds *result_bounds,
                                                              const int32_t *d, const array_bounds *d_bounds,
                                                              double initial_value, int32_t number_of_values) {
    if (number_of_values < 0) {
        *result_bounds = make_bounds(0, -1, +1);
        return static_cast<double *>(zem_get_transient_memory(0));
    }
    const int64_t length = static_cast<int64_t>(number_of_values) + 1;
    if (length > kMaxSeriesLength)
        zem_vhdl_check_range_of_index(0, static_cast<int32_t>(kMaxSeriesLength - 1), 1, number_of_values);
    const array_bounds range = make_bounds(0, number_of_values, +1);
    auto *v = static_cast<double *>(zem_get_transient_memory(static_cast<uint32_t>(length * sizeof(double))));
    zem_type_set_default_value(real_vector_type(block), v, &range);
    const int32_t d_length = d_bounds->length > 0 ? d_bounds->length : 0;
    double temp = real_local();
    temp = initial_value;
    for (int32_t i = 0;; ++i) {
        zem_vhdl_check_range_of_index(range.left, range.right, range.dir, i);
        v[i] = temp;
        if (!occurs_in(i, d, d_length)) temp = temp * 0.5;
        if (i == number_of_values) break;
    }
    *result_bounds = range;
    return v;
}

// ===========================================================================
// Trigonometric functions
// ===========================================================================

namespace {

inline double SIN(char *block, double x) { return ieee_p_3972351953_sub_1485185913_2984157535(block, x); }
inline double COS(char *block, double x) { return ieee_p_3972351953_sub_773523744_2984157535(block, x); }
inline double ARCTAN(char *block, double y) { return ieee_p_3972351953_sub_1487517033_2984157535(block, y); }
inline double SQRT(char *block, double x) { return ieee_p_3972351953_sub_1722501855_2984157535(block, x); }

// Steps 0 to 27 of CORDIC from (X0, Y0, Z0).
struct CordicResult {
    double x, y, z;
};
CordicResult cordic(char *block, double x0, double y0, double z0, uint8_t mode) {
    array_bounds bounds;
    const double *xyz = ieee_p_3972351953_sub_2938191189_2984157535(block, &bounds, x0, y0, z0, kCordicSteps, mode);
    return {xyz[0], xyz[1], xyz[2]};
}

// The multiples of a quarter turn, as the package constants give them.
struct Turn {
    double half_pi, pi, three_half_pi, two_pi;
};
Turn turn(char *block) {
    return {real_constant(block, kMathPiOver2), real_constant(block, kMathPi), real_constant(block, kMath3PiOver2),
            real_constant(block, kMath2Pi)};
}

// |X| brought into one turn [0, 2 pi] by taking whole turns off. For
// arguments so large that the subtraction rounds below zero the function
// reports and goes on with the magnitude.
double reduce_to_one_turn(char *block, const Turn &t, double xl, const ReportText &negative_text) {
    if (xl > t.two_pi) xl = xl - FLOOR(block, xl / t.two_pi) * t.two_pi;
    if (xl < 0.0) {
        report(block, negative_text);
        xl = -xl;
    }
    return xl;
}

// The first terms of the sine and cosine series at a small distance D: one
// term below EPS, two below BASE_EPS (what is left is below 1e-27).
struct SmallBounds {
    double eps, base_eps;
};
SmallBounds small_bounds(char *block) { return {base_eps(block) * base_eps(block), base_eps(block)}; }
inline double sine_of_small(double d, const SmallBounds &b) { return absolute(d) < b.eps ? d : d - d * d * d / 6.0; }
inline double cosine_of_small(double d, const SmallBounds &b) {
    const double d2 = d * d;
    return absolute(d) < b.eps ? 1.0 - d2 * 0.5 : 1.0 - d2 * 0.5 + d2 * d2 / 24.0;
}

// SIN of XL in (0, 2 pi) within BASE_EPS of a multiple of a quarter turn, by
// the series; false when XL is farther from all of them.
bool sine_near_quarter_turn(const Turn &t, const SmallBounds &b, double xl, double &value) {
    struct Point {
        double at;
        bool cosine;  // sine behaves as +-cosine of the distance there
        double sign;
    };
    const Point points[] = {
        {0.0, false, 1.0},      {t.half_pi, true, 1.0}, {t.pi, false, -1.0}, {t.three_half_pi, true, -1.0},
        {t.two_pi, false, 1.0},
    };
    for (const Point &p : points) {
        const double d = xl - p.at;
        if (absolute(d) < b.base_eps) {
            value = p.sign * (p.cosine ? cosine_of_small(d, b) : sine_of_small(d, b));
            return true;
        }
    }
    return false;
}

// SIN of XL in (0, 2 pi) by a CORDIC rotation through the angle within its
// quarter turn.
double sine_by_cordic(char *block, const Turn &t, double xl) {
    const double kc = real_constant(block, kCordicGain);
    int32_t quarter = integer_local();
    quarter = to_integer(FLOOR(block, xl / t.half_pi));
    switch (zem_vhdl_mod(quarter, 4)) {
        case 0: return cordic(block, kc, 0.0, xl, kRotation).y;
        case 1: return cordic(block, kc, 0.0, xl - t.half_pi, kRotation).x;
        case 2: return -cordic(block, kc, 0.0, xl - t.pi, kRotation).y;
        default: return -cordic(block, kc, 0.0, xl - t.three_half_pi, kRotation).x;
    }
}

}  // namespace

// SIN(X). An infinite or NaN X, which no reduction brings into a turn, gives
// a NaN.
extern "C" double ieee_p_3972351953_sub_1485185913_2984157535(char *block, double x) {
    if (!is_finite(x)) return kNotANumber;
    const Turn t = turn(block);
    const bool negative = x < 0.0;
    double xl = real_local();
    xl = reduce_to_one_turn(block, t, absolute(x), kSinReduction);
    if (xl == 0.0 || xl == t.two_pi || xl == t.pi) return 0.0;
    if (xl == t.half_pi) return negative ? -1.0 : 1.0;
    if (xl == t.three_half_pi) return negative ? 1.0 : -1.0;
    double value = real_local();
    if (!sine_near_quarter_turn(t, small_bounds(block), xl, value)) value = sine_by_cordic(block, t, xl);
    return negative ? -value : value;
}

// COS(X) = SIN(pi/2 - |X|) after the reduction, with the multiples of a half
// turn and the points close to them taken apart. An infinite or NaN X gives
// a NaN.
extern "C" double ieee_p_3972351953_sub_773523744_2984157535(char *block, double x) {
    if (!is_finite(x)) return kNotANumber;
    const Turn t = turn(block);
    double xl = real_local();
    xl = reduce_to_one_turn(block, t, absolute(x), kCosReduction);
    if (xl == 0.0 || xl == t.two_pi) return 1.0;
    if (xl == t.pi) return -1.0;
    if (xl == t.half_pi || xl == t.three_half_pi) return 0.0;
    const SmallBounds b = small_bounds(block);
    if (absolute(xl) < b.base_eps) return cosine_of_small(xl, b);
    if (absolute(xl - t.two_pi) < b.base_eps) return cosine_of_small(xl - t.two_pi, b);
    if (absolute(xl - t.pi) < b.base_eps) return -cosine_of_small(xl - t.pi, b);
    return SIN(block, t.half_pi - xl);
}

// TAN(X) = SIN / COS after the reduction. At pi/2 and 3 pi/2 it reports and
// gives REAL'HIGH or REAL'LOW with the sign of the tangent's limit from
// below (for positive X). An infinite or NaN X gives a NaN.
extern "C" double ieee_p_3972351953_sub_1125417762_2984157535(char *block, double x) {
    if (!is_finite(x)) return kNotANumber;
    const Turn t = turn(block);
    const bool negative = x < 0.0;
    double xl = real_local();
    xl = reduce_to_one_turn(block, t, absolute(x), kTanReduction);
    if (xl == t.half_pi) {
        report(block, kTanAtHalfPi);
        return negative ? kRealLow : kRealHigh;
    }
    if (xl == t.three_half_pi) {
        report(block, kTanAtThreeHalfPi);
        return negative ? kRealHigh : kRealLow;
    }
    if (xl == 0.0 || xl == t.pi) return 0.0;
    double value = real_local();
    value = SIN(block, xl) / COS(block, xl);
    return negative ? -value : value;
}

// ARCSIN(X) in [-pi/2, pi/2] through ARCTAN(X / SQRT(1 - X**2)), near +-1 as
// pi/2 minus the complementary angle. |X| > 1.0 reports and gives X.
extern "C" double ieee_p_3972351953_sub_1898361299_2984157535(char *block, double x) {
    const double a = absolute(x);
    if (a > 1.0) {
        report(block, kArcsinDomain);
        return x;
    }
    const double half_pi = real_constant(block, kMathPiOver2);
    if (a == 0.0) return 0.0;
    if (a == 1.0) return x > 0.0 ? half_pi : -half_pi;
    double root = real_local();
    double value = real_local();
    root = SQRT(block, 1.0 - a * a);
    value = a >= 0.9 ? half_pi - ARCTAN(block, root / a) : ARCTAN(block, a / root);
    return x < 0.0 ? -value : value;
}

// ARCCOS(X) in [0, pi], from the same two angles as ARCSIN. |X| > 1.0
// reports and gives X.
extern "C" double ieee_p_3972351953_sub_1879607630_2984157535(char *block, double x) {
    const double a = absolute(x);
    if (a > 1.0) {
        report(block, kArccosDomain);
        return x;
    }
    const double half_pi = real_constant(block, kMathPiOver2);
    const double pi = real_constant(block, kMathPi);
    if (x == 1.0) return 0.0;
    if (x == 0.0) return half_pi;
    if (x == -1.0) return pi;
    double root = real_local();
    double value = real_local();
    root = SQRT(block, 1.0 - a * a);
    value = a > 0.9 ? ARCTAN(block, root / a) : half_pi - ARCTAN(block, a / root);
    return x < 0.0 ? pi - value : value;
}

// ARCTAN(Y) in [-pi/2, pi/2]: for |Y| > 1 through the reciprocal,
// pi/2 - ARCTAN(1 / |Y|); tiny values are their own arc tangent; otherwise a
// CORDIC vectoring from (1, |Y|). A NaN gives a NaN.
extern "C" double ieee_p_3972351953_sub_1487517033_2984157535(char *block, double y) {
    if (is_nan(y)) return y;
    const double half_pi = real_constant(block, kMathPiOver2);
    const double tiny = base_eps(block) * base_eps(block) * base_eps(block);
    const bool negative = y < 0.0;
    double v = real_local();
    v = absolute(y);
    const bool reciprocal = v > 1.0;
    if (reciprocal) v = 1.0 / v;
    double angle = real_local();
    if (v == 0.0) {
        if (!reciprocal) return 0.0;
        angle = half_pi;
    } else if (v < tiny) {
        angle = reciprocal ? half_pi - v : v;
    } else {
        const double z = cordic(block, 1.0, v, 0.0, kVectoring).z;
        angle = reciprocal ? half_pi - z : z;
    }
    return negative ? -angle : angle;
}

// ARCTAN(Y, X): the angle of the point (X, Y) in (-pi, pi]. The origin
// reports and gives 0.0; a NaN coordinate gives a NaN.
extern "C" double ieee_p_3972351953_sub_1311584390_2984157535(char *block, double y, double x) {
    if (is_nan(y) || is_nan(x)) return kNotANumber;
    const double half_pi = real_constant(block, kMathPiOver2);
    const double pi = real_constant(block, kMathPi);
    if (y == 0.0 && x == 0.0) {
        report(block, kArctanOfOrigin);
        return 0.0;
    }
    if (y == 0.0) return x > 0.0 ? 0.0 : pi;
    if (x == 0.0) return y > 0.0 ? half_pi : -half_pi;
    double angle = real_local();
    angle = ARCTAN(block, absolute(y / x));
    if (x < 0.0) angle = pi - angle;
    if (y < 0.0) angle = -angle;
    return angle;
}

// ===========================================================================
// Hyperbolic functions
// ===========================================================================

// SINH(X) = (e**|X| - e**-|X|) / 2 with the sign of X. Beyond ln(REAL'HIGH)
// EXP reports its overflow and the result is REAL'HIGH / 2.
extern "C" double ieee_p_3972351953_sub_1792801001_2984157535(char *block, double x) {
    if (x == 0.0) return 0.0;
    double e = real_local();
    e = EXP(block, absolute(x));
    const double value = (e - 1.0 / e) * 0.5;
    return x < 0.0 ? -value : value;
}

// COSH(X) = (e**|X| + e**-|X|) / 2.
extern "C" double ieee_p_3972351953_sub_160431096_2984157535(char *block, double x) {
    if (x == 0.0) return 1.0;
    double e = real_local();
    e = EXP(block, absolute(x));
    return (e + 1.0 / e) * 0.5;
}

// TANH(X) = (e**|X| - e**-|X|) / (e**-|X| + e**|X|) with the sign of X.
extern "C" double ieee_p_3972351953_sub_1822449026_2984157535(char *block, double x) {
    if (x == 0.0) return 0.0;
    double e = real_local();
    e = EXP(block, absolute(x));
    const double value = (e - 1.0 / e) / (1.0 / e + e);
    return x < 0.0 ? -value : value;
}

namespace {
// LOG(X + SQRT(X * X + S)) for X >= 1 (S = +-1); where X * X overflows, the
// root is X to the last bit and the logarithm LOG(X) + ln 2.
double log_of_x_plus_root(char *block, double x, double s) {
    if (!is_finite(x * x)) return LOG(block, x) + real_constant(block, kMathLogOf2);
    return LOG(block, x + SQRT(block, x * x + s));
}
}  // namespace

// ARCSINH(X) = LOG(X + SQRT(X**2 + 1)), taken for |X| and given the sign of
// X: for a negative X the sum cancels (to 0.0 from about -1e8 on).
extern "C" double ieee_p_3972351953_sub_921458122_2984157535(char *block, double x) {
    if (x == 0.0) return 0.0;
    if (x < 0.0) return -log_of_x_plus_root(block, -x, 1.0);
    return log_of_x_plus_root(block, x, 1.0);
}

// ARCCOSH(X) = LOG(X + SQRT(X**2 - 1)) for X >= 1.0; X < 1.0 reports and
// gives X.
extern "C" double ieee_p_3972351953_sub_302587045_2984157535(char *block, double x) {
    if (x < 1.0) {
        report(block, kArccoshDomain);
        return x;
    }
    if (x == 1.0) return 0.0;
    return log_of_x_plus_root(block, x, -1.0);
}

// ARCTANH(X) = LOG((1 + X) / (1 - X)) / 2 for |X| < 1.0; otherwise it
// reports and gives X.
extern "C" double ieee_p_3972351953_sub_951106147_2984157535(char *block, double x) {
    if (absolute(x) >= 1.0) {
        report(block, kArctanhDomain);
        return x;
    }
    if (x == 0.0) return 0.0;
    return LOG(block, (1.0 + x) / (1.0 - x)) * 0.5;
}

// ===========================================================================
// Registration
// ===========================================================================

namespace {

template <typename F>
void *address_of(F *fn) {
    return reinterpret_cast<void *>(fn);
}

constexpr size_t kSubprogramCount = 35;

// The subprogram table in the order of the package body, body-local
// functions included, directly followed by the pointer to the name of LOG's
// local array type. The kernel reads as many entries as the design data
// announces (35).
struct SubprogramTable {
    void *se[kSubprogramCount];
    const char *ng8;
};

SubprogramTable tables = {
    {
        address_of(&ieee_p_3972351953_sub_597906855_2984157535),   //  0 POWER_OF_2_SERIES
        address_of(&ieee_p_3972351953_sub_2938191189_2984157535),  //  1 CORDIC
        address_of(&ieee_p_3972351953_sub_795735699_2984157535),   //  2 SIGN
        address_of(&ieee_p_3972351953_sub_1147618771_2984157535),  //  3 CEIL
        address_of(&ieee_p_3972351953_sub_28498392_2984157535),    //  4 FLOOR
        address_of(&ieee_p_3972351953_sub_1782959306_2984157535),  //  5 ROUND
        address_of(&ieee_p_3972351953_sub_188333038_2984157535),   //  6 TRUNC
        address_of(&ieee_p_3972351953_sub_1635143497_2984157535),  //  7 "MOD"
        address_of(&ieee_p_3972351953_sub_2013354414_2984157535),  //  8 REALMAX
        address_of(&ieee_p_3972351953_sub_2013631020_2984157535),  //  9 REALMIN
        address_of(&ieee_p_3972351953_sub_3007962107_2984157535),  // 10 UNIFORM
        address_of(&ieee_p_3972351953_sub_1722501855_2984157535),  // 11 SQRT
        address_of(&ieee_p_3972351953_sub_906367133_2984157535),   // 12 CBRT
        address_of(&ieee_p_3972351953_sub_2171244304_2984157535),  // 13 "**"(INTEGER, REAL)
        address_of(&ieee_p_3972351953_sub_2618671228_2984157535),  // 14 "**"(REAL, REAL)
        address_of(&ieee_p_3972351953_sub_785569749_2984157535),   // 15 EXP
        address_of(&ieee_p_3972351953_sub_1422932443_2984157535),  // 16 power-of-two exponent
        address_of(&ieee_p_3972351953_sub_3025794763_2984157535),  // 17 X * 2.0**N
        address_of(&ieee_p_3972351953_sub_1543758017_2984157535),  // 18 LOG
        address_of(&ieee_p_3972351953_sub_528838134_2984157535),   // 19 LOG2
        address_of(&ieee_p_3972351953_sub_2605234405_2984157535),  // 20 LOG10
        address_of(&ieee_p_3972351953_sub_1341592424_2984157535),  // 21 LOG(X, BASE)
        address_of(&ieee_p_3972351953_sub_1485185913_2984157535),  // 22 SIN
        address_of(&ieee_p_3972351953_sub_773523744_2984157535),   // 23 COS
        address_of(&ieee_p_3972351953_sub_1125417762_2984157535),  // 24 TAN
        address_of(&ieee_p_3972351953_sub_1898361299_2984157535),  // 25 ARCSIN
        address_of(&ieee_p_3972351953_sub_1879607630_2984157535),  // 26 ARCCOS
        address_of(&ieee_p_3972351953_sub_1487517033_2984157535),  // 27 ARCTAN(Y)
        address_of(&ieee_p_3972351953_sub_1311584390_2984157535),  // 28 ARCTAN(Y, X)
        address_of(&ieee_p_3972351953_sub_1792801001_2984157535),  // 29 SINH
        address_of(&ieee_p_3972351953_sub_160431096_2984157535),   // 30 COSH
        address_of(&ieee_p_3972351953_sub_1822449026_2984157535),  // 31 TANH
        address_of(&ieee_p_3972351953_sub_921458122_2984157535),   // 32 ARCSINH
        address_of(&ieee_p_3972351953_sub_302587045_2984157535),   // 33 ARCCOSH
        address_of(&ieee_p_3972351953_sub_951106147_2984157535),   // 34 ARCTANH
    },
    kRealVectorName,
};
static_assert(sizeof tables.se / sizeof tables.se[0] == kSubprogramCount, "the design data announces 35 subprograms");
static_assert(offsetof(SubprogramTable, ng8) == sizeof tables.se, "the name pointer directly follows the table");

}  // namespace

extern "C" void ieee_p_3972351953_init(void) {
    zem_register_didat("ieee_p_3972351953", "kest/precompiled.exe.sim/ieee/p_3972351953.didat");
    zem_register_subprogram_executes(tables.se);
}
