// VITAL_Primitives (unit ieee_p_1367372525): the primitive functions (gates,
// buffers, multiplexers, decoders), the truth and state tables, the schedule
// machinery that predicts when an output may change, and the concurrent
// procedures that drive an output from their inputs for the rest of a run,
// waiting inside themselves between passes.
//
// The subprograms call one another through their entry points, as the
// package body's subprograms call one another: a schedule built from
// several operators is a chain of calls of the operator entries, each
// returning its record in transient memory, and a procedure updates its
// schedules, reads its edges and computes its delays through the entries of
// BufPath, GetEdge, GetSchedDelay and the others. Every local starts at its
// type's default value, given by the kernel from the type's descriptor.
#include "ieee/p_1367372525.h"

#include <ucontext.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "ieee/p_2592010699.h"
#include "ieee/p_2717149903.h"
#include "ieee/vital_support.h"
#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

using namespace vital;
using namespace vital_primitives;
using tovu::layout::make_bounds;

namespace {

constexpr int64_t kMinusOneNs = -1000;  // the "no glitch delay" of GetSchedDelay and the buffers
constexpr uint8_t kWarning = SEV_WARNING;
constexpr size_t kDelay01Size = 16, kDelay01ZSize = 48;
// Delays of a VitalDelayType01Z, by VitalTransitionType.
enum : size_t { kTr01 = 0, kTr10, kTr0z, kTrz1, kTr1z, kTrz0 };
// Positions of the table symbols: the truth symbols 'X' .. 'Z' are 16 .. 21.
constexpr uint8_t kFirstTruthSymbol = 16, kLastTruthSymbol = 21, kLastStateSymbol = 22;
// The two-element subtype (std_logic_vector(0 to 1)) made at run time by the
// tri-state GetSchedDelay and VitalIDENT, whose cases pair two values.
constexpr char kSubtypeV2[] = "v2";
constexpr int32_t kSubtypeKind = 2;
constexpr array_bounds kV2Range{0, 1, 1, 2};

// ---- package constants -----------------------------------------------------

const uint8_t *table(char *block, size_t off) { return constant(block, off); }
// Bytes of the literal pool (choice values, one-element vectors).
const uint8_t *literal(char *block, size_t off) { return reinterpret_cast<const uint8_t *>(block + off); }
uint8_t prim_glitch_mode(char *block) { return *constant(block, kConstPrimGlitchMode); }
const uint8_t *default_result_map() { return constant(IEEE_P_2717149903, vital_timing::kConstDefaultResultMap); }
const uint8_t *default_result_zmap() { return constant(IEEE_P_2717149903, vital_timing::kConstDefaultResultZMap); }
bool is_zero_delay01(const int64_t *tpd) {
    return std::memcmp(tpd, constant(IEEE_P_2717149903, vital_timing::kConstZeroDelay01), kDelay01Size) == 0;
}
bool is_zero_delay01z(const int64_t *tpd) {
    return std::memcmp(tpd, constant(IEEE_P_2717149903, vital_timing::kConstZeroDelay01Z), kDelay01ZSize) == 0;
}
int64_t delay_of(const int64_t *tpd, size_t transition) { return get_time(tpd, 8 * transition); }

// ResultMap(v) for a UX01 value, checked first.
uint8_t mapped(const uint8_t *map, uint8_t v) {
    zem_vhdl_check_range_of_index(0, 3, 1, v);
    return map[v];
}

// ---- locals ------------------------------------------------------------------

void *ux01_type() { return IEEE_P_2592010699 + kUX01Type; }
void *ux01z_type() { return IEEE_P_2592010699 + kUX01ZType; }
void *slv_type() { return IEEE_P_2592010699 + kSlvType; }
void *slv2_type() { return IEEE_P_2717149903 + vital_timing::kTypeStdLogicVector2; }
void *time_type() { return STD_STANDARD + kTimeType; }
void *time_array_type() { return IEEE_P_2717149903 + vital_timing::kTypeTimeArray; }

// A scalar or record local at its type's default value.
template <typename T>
T default_of(void *type) {
    T v;
    zem_type_set_default_value(type, &v, nullptr);
    return v;
}
uint8_t ux01_local() { return default_of<uint8_t>(ux01_type()); }
uint8_t ux01z_local() { return default_of<uint8_t>(ux01z_type()); }
int64_t time_local() { return default_of<int64_t>(time_type()); }

// Transient memory for n bytes; a size no request can carry is refused by
// the kernel like any request too large.
void *transient(uint64_t n) {
    return zem_get_transient_memory(n > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(n));
}
uint64_t bytes_of(const array_bounds &range, size_t element_size) {
    return uint64_t{length_of(&range)} * element_size;
}

// An array local of a function: it lives until the function returns, in
// transient memory, from its type's default value.
uint8_t *function_array(void *type, const array_bounds &range, size_t element_size) {
    auto *p = static_cast<uint8_t *>(transient(bytes_of(range, element_size)));
    zem_type_set_default_value(type, p, &range);
    return p;
}

// An array local of a concurrent procedure: it is kept across the
// procedure's waits, so it has storage of its own, sized once at entry
// (8-byte aligned: the elements may be times or schedules).
class ProcedureArray {
public:
    ProcedureArray() = default;  // a local the procedure does not declare
    // A local declared with an initial value, which the caller assigns.
    ProcedureArray(const array_bounds &range, size_t element_size)
        : range_(make_bounds(range.left, range.right, range.dir)),
          words_((bytes_of(range_, element_size) + 7) / 8) {}
    ProcedureArray(void *type, const array_bounds &range, size_t element_size)
        : range_(make_bounds(range.left, range.right, range.dir)),
          words_((bytes_of(range_, element_size) + 7) / 8) {
        zem_type_set_default_value(type, data(), &range_);
    }
    uint8_t *data() { return reinterpret_cast<uint8_t *>(words_.data()); }
    int64_t *times() { return reinterpret_cast<int64_t *>(words_.data()); }
    const array_bounds *bounds() const { return &range_; }

private:
    array_bounds range_{1, 0, 1, 0};
    std::vector<uint64_t> words_;
};

// The aggregate (others => 'X') of n elements, built in transient memory and
// copied into the local it initialises or is assigned to.
void assign_all_x(uint8_t *local, uint32_t n) {
    auto *aggregate = static_cast<uint8_t *>(transient(n));
    if (n == 0) return;
    std::memset(aggregate, X, n);
    std::memcpy(local, aggregate, n);
}
// A vector local that starts all 'U': copied from zero bytes of transient
// memory.
void assign_all_u(uint8_t *local, uint32_t n) {
    auto *zeros = static_cast<uint8_t *>(transient(n));
    if (n == 0) return;
    std::memset(zeros, U, n);
    std::memcpy(local, zeros, n);
}

// std_logic_1164's To_X01 of a std_logic_vector, copied into a local of its
// length.
void to_x01_into(uint8_t *local, const uint8_t *value, const array_bounds *b) {
    array_bounds rb;
    const uint8_t *r = ieee_p_2592010699_sub_3262517747_503743352(IEEE_P_2592010699, &rb, value, b);
    if (length_of(&rb) > 0) std::memcpy(local, r, length_of(&rb));
}

// ---- arrays viewed by position -------------------------------------------------

// Element i of an n-element array viewed as (n downto 1), the view through
// which the multiplexers and decoders read their inputs: position 1 is the
// rightmost element. The position is checked against the view.
template <typename T>
T *from_right(T *data, uint32_t n, int32_t i, size_t size) {
    zem_vhdl_check_range_of_index(static_cast<int32_t>(n), 1, -1, i);
    return data + static_cast<size_t>(static_cast<int32_t>(n) - i) * size;
}
// Element i of an array through its own bounds, checked.
template <typename T>
T *indexed(T *data, const array_bounds *b, int32_t i, size_t size) {
    zem_vhdl_check_range_of_index(b->left, b->right, b->dir, i);
    return data + static_cast<size_t>(static_cast<int64_t>(i - b->left) * b->dir) * size;
}
// The index of the k-th element of a range, from its left end.
int32_t index_at(const array_bounds &b, uint32_t k) { return b.left + static_cast<int32_t>(k) * b.dir; }

array_bounds downto_zero(uint32_t n) { return make_bounds(static_cast<int32_t>(n) - 1, 0, -1); }
array_bounds downto_one(uint32_t n) { return make_bounds(static_cast<int32_t>(n), 1, -1); }
array_bounds one_to(uint32_t n) { return make_bounds(1, static_cast<int32_t>(n), 1); }

// A std_logic_vector result: a transient copy of `n` bytes and its bounds.
uint8_t *vector_result(const uint8_t *data, uint32_t n, array_bounds *out, const array_bounds &range) {
    auto *r = static_cast<uint8_t *>(transient(n));
    if (n > 0) std::memcpy(r, data, n);
    *out = range;
    return r;
}

// ---- SchedType ---------------------------------------------------------------

struct Sched {
    int64_t inp0, inp1, inpx, glch0, glch1;
};
static_assert(sizeof(Sched) == kSchedSize);

Sched load_sched(const uint8_t *p) {
    Sched s;
    std::memcpy(&s, p, sizeof s);
    return s;
}
uint8_t *bytes(Sched &s) { return reinterpret_cast<uint8_t *>(&s); }
const uint8_t *bytes(const Sched &s) { return reinterpret_cast<const uint8_t *>(&s); }
Sched sched_local(char *block) { return default_of<Sched>(block + kTypeSchedType); }
// A local record assigned a schedule function's result.
void assign_sched(Sched &local, const uint8_t *value) { std::memcpy(&local, value, kSchedSize); }
// A schedule function's result: a fresh transient copy of the record.
uint8_t *return_sched(const uint8_t *value) {
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(kSchedSize));
    std::memcpy(r, value, kSchedSize);
    return r;
}
const uint8_t *sched_at(const uint8_t *array, uint32_t k) { return array + static_cast<size_t>(k) * kSchedSize; }
uint8_t *sched_at(uint8_t *array, uint32_t k) { return array + static_cast<size_t>(k) * kSchedSize; }

// GlitchDataType.
struct GlitchRecord {
    alignas(8) uint8_t bytes[kGlitchDataSize];
};
GlitchRecord glitch_local(char *block) { return default_of<GlitchRecord>(block + kTypeGlitchData); }

// ---- the package's own subprograms, by their VHDL names -------------------------

uint8_t *s_not(char *b, const uint8_t *a) { return ieee_p_1367372525_sub_3288686485_4070434989(b, a); }
uint8_t *s_and(char *b, const uint8_t *x, const uint8_t *y) {
    return ieee_p_1367372525_sub_2852316380_4070434989(b, x, y);
}
uint8_t *s_or(char *b, const uint8_t *x, const uint8_t *y) {
    return ieee_p_1367372525_sub_3792371914_4070434989(b, x, y);
}
uint8_t *s_nand(char *b, const uint8_t *x, const uint8_t *y) {
    return ieee_p_1367372525_sub_1560207530_4070434989(b, x, y);
}
uint8_t *s_nor(char *b, const uint8_t *x, const uint8_t *y) {
    return ieee_p_1367372525_sub_3362765528_4070434989(b, x, y);
}
// VitalXOR2 / VitalXNOR2 on schedules.
uint8_t *s_xor2(char *b, const uint8_t *ab, const uint8_t *ai, const uint8_t *bb, const uint8_t *bi, bool xnor) {
    return xnor ? ieee_p_1367372525_sub_3940177659_4070434989(b, ab, ai, bb, bi)
                : ieee_p_1367372525_sub_2159428141_4070434989(b, ab, ai, bb, bi);
}
uint8_t vital_same(char *b, uint8_t x, uint8_t y) { return ieee_p_1367372525_sub_177276481_4070434989(b, x, y); }
uint8_t package_to_ux01z(char *b, uint8_t v) { return ieee_p_1367372525_sub_2851374196_4070434989(b, v); }
uint8_t cur_value_of(char *b, const GlitchRecord &g) { return ieee_p_1367372525_sub_1321872912_4070434989(b, g.bytes); }

// ---- time ----------------------------------------------------------------------

// GlitchMinTime: the earlier of two times that are not yet past; 0 when both are.
int64_t glitch_min_time(int64_t t1, int64_t t2) {
    if (t1 < now()) return t2 < now() ? 0 : t2;
    return t2 < now() ? t1 : minimum(t1, t2);
}

}  // namespace

// ==== body-local helpers, messages and errors ================================

extern "C" int32_t ieee_p_1367372525_sub_1019729693_4070434989(char *, int32_t a, int32_t b) { return a < b ? a : b; }

extern "C" int64_t ieee_p_1367372525_sub_2876942914_4070434989(char *, int64_t a, int64_t b) { return minimum(a, b); }

extern "C" int32_t ieee_p_1367372525_sub_3699347359_4070434989(char *, int32_t a, int32_t b) { return a > b ? a : b; }

extern "C" int64_t ieee_p_1367372525_sub_1261593284_4070434989(char *, int64_t a, int64_t b) { return maximum(a, b); }

extern "C" int64_t ieee_p_1367372525_sub_801899123_4070434989(char *, int64_t time1, int64_t time2) {
    return glitch_min_time(time1, time2);
}

extern "C" char *ieee_p_1367372525_sub_2224505450_4070434989(char *block, array_bounds *result, uint8_t error_id) {
    // An id outside the type (only through a malformed call) gives an empty text.
    const uint32_t n = error_id < 9 ? kMessageLength[error_id] : 0;
    char *copy = static_cast<char *>(zem_get_transient_memory(n));
    if (n != 0) std::memcpy(copy, constant(block, kConstMessage[error_id]), n);
    *result = n != 0 ? literal_bounds(n) : array_bounds{1, 0, 1, 0};
    return copy;
}

namespace {

// VitalError's report: Routine & ": " & the message [& info], at the
// severity of the error id. `length` receives the text's length as the sum
// of its pieces.
const char *primitive_error_text(char *block, const char *routine, const array_bounds *routine_b, uint8_t error_id,
                                 array_bounds *b, uint32_t *length) {
    uint32_t message_length;
    const char *text = error_text(
        block, routine, routine_b, kLitSeparator,
        [&](array_bounds *mb) { return ieee_p_1367372525_sub_2224505450_4070434989(block, mb, error_id); }, b,
        &message_length);
    *length = length_of(routine_b) + 2 + message_length;
    return text;
}
int32_t primitive_error_severity(char *block, uint8_t error_id) {
    zem_vhdl_check_range_of_index(0, 8, 1, error_id);
    return table(block, kConstErrorSeverity)[error_id];
}

// VitalError with a routine name from the literal pool.
void error_from(char *block, size_t routine, uint32_t routine_length, uint8_t error_id) {
    const array_bounds rb = literal_bounds(routine_length);
    ieee_p_1367372525_sub_891213412_4070434989(block, nullptr, block + routine, &rb, error_id);
}
void error_from(char *block, size_t routine, uint32_t routine_length, uint8_t error_id, uint8_t info) {
    const array_bounds rb = literal_bounds(routine_length);
    ieee_p_1367372525_sub_707547060_4070434989(block, nullptr, block + routine, &rb, error_id, info);
}
void error_from(char *block, size_t routine, uint32_t routine_length, uint8_t error_id, const char *info,
                const array_bounds *info_b) {
    const array_bounds rb = literal_bounds(routine_length);
    ieee_p_1367372525_sub_648230642_4070434989(block, nullptr, block + routine, &rb, error_id, info, info_b);
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_891213412_4070434989(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id) {
    array_bounds b;
    uint32_t length;
    const char *text = primitive_error_text(block, routine, routine_b, error_id, &b, &length);
    zem_report(text, length, primitive_error_severity(block, error_id));
}

extern "C" void ieee_p_1367372525_sub_648230642_4070434989(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id,
                                                           const char *info, const array_bounds *info_b) {
    array_bounds b;
    uint32_t length;
    const char *text = primitive_error_text(block, routine, routine_b, error_id, &b, &length);
    text = concat(text, &b, info, info_b);
    zem_report(text, length + length_of(info_b), primitive_error_severity(block, error_id));
}

extern "C" void ieee_p_1367372525_sub_707547060_4070434989(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id,
                                                           uint8_t info) {
    array_bounds b;
    uint32_t length;
    const char *text = primitive_error_text(block, routine, routine_b, error_id, &b, &length);
    text = concat_character(text, &b, info);
    zem_report(text, length + 1, primitive_error_severity(block, error_id));
}

extern "C" void ieee_p_1367372525_sub_2507489675_4070434989(char *block, void *context, const char *routine,
                                                            const array_bounds *routine_b, const char *name,
                                                            const array_bounds *name_b, int64_t preempted_time,
                                                            uint8_t preempted_value, int64_t new_time,
                                                            uint8_t new_value, int32_t index, uint8_t is_array,
                                                            uint8_t severity) {
    // Reported only for a preempted value due no later than the new one; the
    // lines are written and released either way.
    const GlitchReportPieces pieces{kLitGlitchDetected, kLitGlitchPreempt, 28,           kLitGlitchAt1,
                                    kLitGlitchNew,      kLitGlitchAt2,     kLitGlitchEnd, kLitIndexOpen,
                                    kLitIndexClose,     kLitIndexNone,     kConstLogicCvtTable};
    glitch_report(block, context, pieces, routine, routine_b, name, name_b, preempted_time, preempted_value,
                  new_time, new_value, index, is_array, severity, preempted_time <= new_time);
}

extern "C" uint8_t ieee_p_1367372525_sub_2851374196_4070434989(char *block, uint8_t value) {
    zem_vhdl_check_range_of_index(0, 8, 1, value);
    return table(block, kConstCvtToUX01Z)[value];
}

namespace {

uint8_t logic_to_edge(char *block, uint8_t last, uint8_t current) {
    return table(block, kConstLogicToEdge)[last * 9 + current];
}
uint8_t logic_to_level(char *block, uint8_t value) {
    zem_vhdl_check_range_of_index(0, 8, 1, value);
    return table(block, kConstLogicToLevel)[value];
}
// A std_ulogic value read for a table lookup, checked to be one.
uint8_t checked_logic(uint8_t value) {
    zem_vhdl_check_range_of_index(0, 8, 1, value);
    return value;
}
uint8_t initial_edge(char *block, uint8_t value) { return table(block, kConstInitialEdge)[checked_logic(value)]; }

// std_logic_1164's scalar operators index their tables with their operands
// as they come. The functions that take values from their callers hand them
// on through these, so a byte that is no std_ulogic value is a failed check,
// not a read past a table.
uint8_t checked_x01(uint8_t v) { return to_x01(checked_logic(v)); }
uint8_t checked_x01z(uint8_t v) { return to_x01z(checked_logic(v)); }
uint8_t checked_ux01(uint8_t v) { return to_ux01(checked_logic(v)); }
uint8_t checked_not(uint8_t v) { return ulogic_not(checked_logic(v)); }
uint8_t checked_and(uint8_t l, uint8_t r) { return ulogic_and(checked_logic(l), checked_logic(r)); }
uint8_t checked_or(uint8_t l, uint8_t r) { return ulogic_or(checked_logic(l), checked_logic(r)); }
uint8_t checked_xor(uint8_t l, uint8_t r) { return ulogic_xor(checked_logic(l), checked_logic(r)); }
uint8_t checked_nand(uint8_t l, uint8_t r) { return ulogic_nand(checked_logic(l), checked_logic(r)); }
uint8_t checked_nor(uint8_t l, uint8_t r) { return ulogic_nor(checked_logic(l), checked_logic(r)); }

}  // namespace

extern "C" uint8_t ieee_p_1367372525_sub_26934960_4070434989(char *block, void *sig, uint32_t, uint32_t off) {
    // The edge of this delta cycle, else the level.
    if (zem_signal_has_event(sig)) {
        const uint8_t last = checked_logic(signal_last_byte(sig, off));
        const uint8_t current = checked_logic(signal_byte(sig, off));
        return logic_to_edge(block, last, current);
    }
    return logic_to_level(block, signal_byte(sig, off));
}

extern "C" void ieee_p_1367372525_sub_915516184_4070434989(char *block, void *, void *sig, uint32_t, uint32_t off,
                                                           const array_bounds *sig_b, uint8_t *last,
                                                           const array_bounds *last_b, uint8_t *edge,
                                                           const array_bounds *edge_b) {
    const int32_t n = static_cast<int32_t>(length_of(sig_b)), n_last = static_cast<int32_t>(length_of(last_b)),
                  n_edge = static_cast<int32_t>(length_of(edge_b));
    if (n != n_last || n != n_edge) {
        const array_bounds ib = literal_bounds(14);
        error_from(block, kLitGetEdge, 7, kErrVctLng, block + kLitGetEdgeInfo, &ib);
    }
    // The three arrays are read through positions 1 to their lengths; the
    // elements of s from its byte offset on.
    const uint8_t *s = signal_data(sig, off);
    auto read_s = [&](int32_t p) {
        zem_vhdl_check_range_of_index(1, n, 1, p);
        return checked_logic(s[p - 1]);
    };
    for (int32_t p = 1; p <= n; ++p) {
        zem_vhdl_check_range_of_index(1, n_last, 1, p);
        const uint8_t was = checked_logic(last[p - 1]);
        const uint8_t is = read_s(p);
        zem_vhdl_check_range_of_index(1, n_edge, 1, p);
        edge[p - 1] = logic_to_edge(block, was, is);
        zem_variable_act(edge);
        const uint8_t value = read_s(p);
        zem_vhdl_check_range_of_index(1, n_last, 1, p);
        last[p - 1] = value;
        zem_variable_act(last);
    }
}

extern "C" uint8_t ieee_p_1367372525_sub_162078037_4070434989(char *block, uint8_t value) {
    return logic_to_level(block, value);
}

namespace {

// CurValue: the value the output shows now by its glitch record.
uint8_t cur_value(const uint8_t *gd) {
    if (now() >= get_time(gd, kGlitchSchedTime)) return gd[kGlitchSchedValue];
    if (now() >= get_time(gd, kGlitchGlitchTime)) return X;
    return gd[kGlitchCurrentValue];
}

}  // namespace

extern "C" uint8_t ieee_p_1367372525_sub_1321872912_4070434989(char *, const uint8_t *glitch_data) {
    return cur_value(glitch_data);
}

extern "C" uint8_t *ieee_p_1367372525_sub_2531918842_4070434989(char *, array_bounds *result,
                                                                const uint8_t *glitch_data,
                                                                const array_bounds *glitch_b) {
    // Result: a std_logic_vector with GlitchData's range.
    const array_bounds range = make_bounds(glitch_b->left, glitch_b->right, glitch_b->dir);
    const uint32_t n = length_of(&range);
    uint8_t *local = function_array(slv_type(), range, 1);
    for (uint32_t k = 0; k < n; ++k) {
        const uint8_t v = cur_value(glitch_data + static_cast<size_t>(k) * kGlitchDataSize);
        *indexed(local, &range, index_at(range, k), 1) = v;
    }
    return vector_result(local, n, result, range);
}

extern "C" uint8_t ieee_p_1367372525_sub_177276481_4070434989(char *, uint8_t a, uint8_t b) {
    return checked_ux01(a) == checked_ux01(b) ? checked_ux01(a) : uint8_t{X};
}

// ==== schedule updates and delays =============================================

namespace {

// BufPath / InvPath on one schedule: the times at which the output follows
// an edge of the input. `rise()` gives the delay after a rising input,
// `fall()` after a falling one, `unknown()` after a change to an unknown
// value; each is asked only in the arm that uses it.
// NOW + a delay (NOW read first).
template <typename Delay>
int64_t after(Delay delay) {
    const int64_t t = now();
    return sat_add(t, delay());
}

template <typename Rise, typename Fall, typename Unknown>
void path_update(Sched &s, uint8_t edge, Rise rise, Fall fall, Unknown unknown) {
    switch (edge) {
        case kEdgeRise:
        case kEdgeToOne:
            s.inp0 = kTimeHigh;
            s.inp1 = after(rise);
            s.glch1 = s.inp1;
            s.inpx = s.inp1;
            break;
        case kEdgeFall:
        case kEdgeToZero:
            s.inp1 = kTimeHigh;
            s.inp0 = after(fall);
            s.glch0 = s.inp0;
            s.inpx = s.inp0;
            break;
        case kEdgeZeroToX:
            s.inp1 = kTimeHigh;
            s.inp0 = kTimeHigh;
            s.inpx = after(rise);
            break;
        case kEdgeOneToX:
            s.inp0 = kTimeHigh;
            s.inp1 = kTimeHigh;
            s.inpx = after(fall);
            break;
        case kEdgeUnknown:
            s.inp0 = kTimeHigh;
            s.inp1 = kTimeHigh;
            s.inpx = after(unknown);
            break;
        default:  // a level or a violation: nothing changes
            break;
    }
}

// BufPath (non-inverting: a rising input makes a rising output after tr01)
// or InvPath (inverting: after tr10) on the schedule at `p`, the delay record
// read through `tpd()` at each use.
template <typename Tpd>
void path_update_at(uint8_t *p, uint8_t edge, Tpd tpd, bool inverting) {
    Sched s = load_sched(p);
    auto tr01 = [&] { return delay_of(tpd(), kTr01); };
    auto tr10 = [&] { return delay_of(tpd(), kTr10); };
    auto unknown = [&] {
        const int64_t fall = tr10();
        return minimum(fall, tr01());
    };
    if (inverting)
        path_update(s, edge, tr10, tr01, unknown);
    else
        path_update(s, edge, tr01, tr10, unknown);
    std::memcpy(p, &s, kSchedSize);
}

// The vector BufPath / InvPath: Schd's elements from its left bound on, each
// with the edge and the delay of the same index in their own arrays (the
// index checked before each read).
void path_update_indexed(uint8_t *schd, const array_bounds *schd_b, const uint8_t *edge, const array_bounds *edge_b,
                         const int64_t *tpd, const array_bounds *tpd_b, bool inverting) {
    const uint32_t n = length_of(schd_b);
    for (uint32_t k = 0; k < n; ++k) {
        const int32_t i = index_at(*schd_b, k);
        const uint8_t e = *indexed(edge, edge_b, i, 1);
        path_update_at(sched_at(schd, k), e, [&] { return indexed(tpd, tpd_b, i, 2); }, inverting);
    }
}

// BufEnab (active-high enable) / InvEnab (active-low): the schedules of an
// output '1' and an output '0' through the enable, with the Z delays; an
// unknown enable takes the data delays.
void enable_update(uint8_t *schd1, uint8_t *schd0, uint8_t edge, const int64_t *tpd, bool active_low) {
    auto d = [&](size_t transition) { return [tpd, transition] { return delay_of(tpd, transition); }; };
    auto unknown = [&] { return minimum(delay_of(tpd, kTr10), delay_of(tpd, kTr01)); };
    Sched s1 = load_sched(schd1), s0 = load_sched(schd0);
    if (active_low) {
        path_update(s1, edge, d(kTr1z), d(kTrz1), unknown);
        path_update(s0, edge, d(kTr0z), d(kTrz0), unknown);
    } else {
        path_update(s1, edge, d(kTrz1), d(kTr1z), unknown);
        path_update(s0, edge, d(kTrz0), d(kTr0z), unknown);
    }
    std::memcpy(schd1, &s1, kSchedSize);
    std::memcpy(schd0, &s0, kSchedSize);
}

// Steps of GetSchedDelay for one output: the delay to the new value and the
// glitch delay (negative: none) from the output schedule.
void sched_delay(int64_t *new_delay, int64_t *glitch_delay, int64_t &tim, int64_t &glch, uint8_t new_value,
                 uint8_t cur_value, const Sched &s) {
    switch (checked_ux01(new_value)) {
        case L0:
            tim = s.inp0;
            glch = s.glch1;
            break;
        case L1:
            tim = s.inp1;
            glch = s.glch0;
            break;
        default:
            tim = s.inpx;
            glch = kMinusOneNs;
            break;
    }
    if (cur_value != new_value) glch = kMinusOneNs;
    *new_delay = sat_sub(tim, now());
    *glitch_delay = glch < 0 ? glch : sat_sub(glch, now());
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_2819976785_4070434989(char *, void *, uint8_t *schd, uint8_t edge,
                                                            const int64_t *tpd) {
    path_update_at(schd, edge, [tpd] { return tpd; }, false);
}

extern "C" void ieee_p_1367372525_sub_3111600860_4070434989(char *, void *, uint8_t *schd,
                                                            const array_bounds *schd_b, const uint8_t *edge,
                                                            const array_bounds *edge_b, const int64_t *tpd,
                                                            const array_bounds *tpd_b) {
    path_update_indexed(schd, schd_b, edge, edge_b, tpd, tpd_b, false);
}

extern "C" void ieee_p_1367372525_sub_827555649_4070434989(char *, void *, uint8_t *schd, uint8_t edge,
                                                           const int64_t *tpd) {
    path_update_at(schd, edge, [tpd] { return tpd; }, true);
}

extern "C" void ieee_p_1367372525_sub_1119179724_4070434989(char *, void *, uint8_t *schd,
                                                            const array_bounds *schd_b, const uint8_t *edge,
                                                            const array_bounds *edge_b, const int64_t *tpd,
                                                            const array_bounds *tpd_b) {
    path_update_indexed(schd, schd_b, edge, edge_b, tpd, tpd_b, true);
}

extern "C" void ieee_p_1367372525_sub_2732900579_4070434989(char *, void *, uint8_t *schd1, uint8_t *schd0,
                                                            uint8_t edge, const int64_t *tpd) {
    enable_update(schd1, schd0, edge, tpd, false);
}

extern "C" void ieee_p_1367372525_sub_740479443_4070434989(char *, void *, uint8_t *schd1, uint8_t *schd0,
                                                           uint8_t edge, const int64_t *tpd) {
    enable_update(schd1, schd0, edge, tpd, true);
}

extern "C" void ieee_p_1367372525_sub_2543757985_4070434989(char *, void *, int64_t *new_delay, int64_t *glitch_delay,
                                                            uint8_t new_value, uint8_t cur_value,
                                                            const uint8_t *sched) {
    int64_t tim = time_local(), glch = time_local();
    int64_t nd, gd;
    sched_delay(&nd, &gd, tim, glch, new_value, cur_value, load_sched(sched));
    set_time(new_delay, 0, nd);
    set_time(glitch_delay, 0, gd);
}

extern "C" void ieee_p_1367372525_sub_2959442363_4070434989(char *, void *, int64_t *new_delay,
                                                            const array_bounds *new_delay_b, int64_t *glitch_delay,
                                                            const array_bounds *glitch_delay_b,
                                                            const uint8_t *new_value, const array_bounds *new_value_b,
                                                            const uint8_t *cur_value, const array_bounds *cur_value_b,
                                                            const uint8_t *sched, const array_bounds *sched_b) {
    // Every array viewed as (its length downto 1): position n pairs the
    // elements n-1 places from the right end of each.
    const uint32_t n_delay = length_of(new_delay_b), n_glitch = length_of(glitch_delay_b);
    const uint32_t n_new = length_of(new_value_b), n_cur = length_of(cur_value_b), n_sched = length_of(sched_b);
    for (int32_t n = static_cast<int32_t>(n_delay); n >= 1; --n) {
        int64_t tim, glch, nd, gd;
        const uint8_t nv = *from_right(new_value, n_new, n, 1), cv = *from_right(cur_value, n_cur, n, 1);
        sched_delay(&nd, &gd, tim, glch, nv, cv, load_sched(from_right(sched, n_sched, n, kSchedSize)));
        set_time(from_right(new_delay, n_delay, n, 1), 0, nd);
        zem_variable_act(new_delay);
        set_time(from_right(glitch_delay, n_glitch, n, 1), 0, gd);
        zem_variable_act(glitch_delay);
    }
}

namespace {

// The tri-state GetSchedDelay: D is the data path's schedule, E1 and E0 the
// enable's for an output '1' and '0'. The arm is chosen by the pair
// (current, new value) reduced to X01Z, compared with the design data's
// choices in their order; the pair ('X', 'X') matches none.
void tristate_delay(char *block, int64_t *new_delay, int64_t *glitch_delay, uint8_t new_value, uint8_t cur_value,
                    const Sched &d, const Sched &e1, const Sched &e0) {
    alignas(8) char v2[tovu::layout::kSubtypeStorageSize];
    zem_create_subtype(v2, kSubtypeV2, slv_type(), &kV2Range, kSubtypeKind);
    int64_t tim = time_local(), glch = time_local();
    array_bounds pair_b;
    const uint8_t cur = checked_x01z(cur_value);
    const uint8_t nw = checked_x01z(new_value);
    const auto *pair = static_cast<const uint8_t *>(
        zem_base_array_concat(nullptr, &pair_b, slv_type(), CONCAT_ELEMENT, int32_t{cur}, CONCAT_ELEMENT,
                              int32_t{nw}, CONCAT_END));
    const uint8_t *choices = literal(block, kLitTriStateChoices);
    int arm = 0;
    while (arm < 15 && zem_mem_cmp(choices + 2 * arm, pair, 2) != 1) ++arm;
    switch (arm) {
        case 0: tim = maximum(d.inp0, e0.inp1); glch = glitch_min_time(d.glch1, e0.glch0); break;  // 0 -> 0
        case 1: tim = maximum(d.inp1, e1.inp1); glch = e1.glch0; break;                            // 0 -> 1
        case 2: tim = e0.inp0; glch = d.glch1; break;                                              // 0 -> Z
        case 3: tim = maximum(d.inpx, e1.inpx); glch = 0; break;                                   // 0 -> X
        case 4: tim = maximum(d.inp0, e0.inp1); glch = e0.glch0; break;                            // 1 -> 0
        case 5: tim = maximum(d.inp1, e1.inp1); glch = glitch_min_time(d.glch0, e1.glch0); break;  // 1 -> 1
        case 6: tim = e1.inp0; glch = d.glch0; break;                                              // 1 -> Z
        case 7: tim = maximum(d.inpx, e0.inpx); glch = 0; break;                                   // 1 -> X
        case 8:                                                                                    // Z -> 0
            tim = maximum(d.inp0, e0.inp1);
            glch = d.glch0 > now() ? maximum(d.glch1, e1.inp1) : 0;
            break;
        case 9:  // Z -> 1
            tim = maximum(d.inp1, e1.inp1);
            glch = d.glch1 > now() ? maximum(d.glch0, e0.inp1) : 0;
            break;
        case 10: tim = maximum(d.inpx, e1.inpx); glch = 0; break;   // Z -> X
        case 11: tim = maximum(e1.inpx, e0.inpx); glch = 0; break;  // Z -> Z
        case 12: tim = maximum(d.inp0, e0.inp1); glch = 0; break;   // X -> 0
        case 13: tim = maximum(d.inp1, e1.inp1); glch = 0; break;   // X -> 1
        case 14: tim = maximum(e1.inpx, e0.inpx); glch = 0; break;  // X -> Z
        default: tim = maximum(d.inpx, e1.inpx); glch = 0; break;   // X -> X
    }
    *new_delay = sat_sub(tim, now());
    *glitch_delay = glch < 0 ? glch : sat_sub(glch, now());
    zem_delete_type(v2, kSubtypeKind);
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_2143903942_4070434989(char *block, void *, int64_t *new_delay,
                                                            int64_t *glitch_delay, uint8_t new_value,
                                                            uint8_t cur_value, const uint8_t *d, const uint8_t *e1,
                                                            const uint8_t *e0) {
    int64_t nd, gd;
    tristate_delay(block, &nd, &gd, new_value, cur_value, load_sched(d), load_sched(e1), load_sched(e0));
    set_time(new_delay, 0, nd);
    set_time(glitch_delay, 0, gd);
}

// ==== schedule operators and schedule forms ==================================

namespace {

// The operators and the two-input exclusive forms build their result in a
// local record, first at SchedType's default, and return a copy of it.
template <typename Compute>
uint8_t *local_sched_result(char *block, Compute compute) {
    Sched z = sched_local(block);
    z = compute();
    return return_sched(bytes(z));
}

// The schedule operators: a gate's output schedule from its inputs'.
Sched sched_not(const Sched &a) { return {a.inp1, a.inp0, a.inpx, a.glch1, a.glch0}; }
Sched sched_and(const Sched &a, const Sched &b) {
    return {minimum(a.inp0, b.inp0), maximum(a.inp1, b.inp1), glitch_min_time(a.inpx, b.inpx),
            glitch_min_time(a.glch0, b.glch0), maximum(a.glch1, b.glch1)};
}
Sched sched_or(const Sched &a, const Sched &b) {
    return {maximum(a.inp0, b.inp0), minimum(a.inp1, b.inp1), glitch_min_time(a.inpx, b.inpx),
            maximum(a.glch0, b.glch0), glitch_min_time(a.glch1, b.glch1)};
}
Sched sched_nand(const Sched &a, const Sched &b) {
    return {maximum(a.inp1, b.inp1), minimum(a.inp0, b.inp0), glitch_min_time(a.inpx, b.inpx),
            maximum(a.glch1, b.glch1), glitch_min_time(a.glch0, b.glch0)};
}
Sched sched_nor(const Sched &a, const Sched &b) {
    return {minimum(a.inp1, b.inp1), maximum(a.inp0, b.inp0), glitch_min_time(a.inpx, b.inpx),
            glitch_min_time(a.glch1, b.glch1), maximum(a.glch0, b.glch0)};
}
// The exclusive gates need each input's buffered (b) and inverted (i) schedule.
Sched sched_xor2(const Sched &ab, const Sched &ai, const Sched &bb, const Sched &bi) {
    return {minimum(maximum(ai.inp1, bi.inp1), maximum(ab.inp0, bb.inp0)),
            maximum(minimum(ai.inp0, bi.inp0), minimum(ab.inp1, bb.inp1)),
            maximum(maximum(ai.inpx, bi.inpx), maximum(ab.inpx, bb.inpx)),
            glitch_min_time(maximum(ai.glch1, bi.glch1), maximum(ab.glch0, bb.glch0)),
            maximum(glitch_min_time(ai.glch0, bi.glch0), glitch_min_time(ab.glch1, bb.glch1))};
}
Sched sched_xnor2(const Sched &ab, const Sched &ai, const Sched &bb, const Sched &bi) {
    return {maximum(minimum(ab.inp0, bb.inp0), minimum(ai.inp1, bi.inp1)),
            minimum(maximum(ab.inp1, bb.inp1), maximum(ai.inp0, bi.inp0)),
            maximum(maximum(ab.inpx, bb.inpx), maximum(ai.inpx, bi.inpx)),
            maximum(glitch_min_time(ab.glch0, bb.glch0), glitch_min_time(ai.glch1, bi.glch1)),
            glitch_min_time(maximum(ab.glch1, bb.glch1), maximum(ai.glch0, bi.glch0))};
}

// The 3- and 4-input forms pair each partial result with its complement:
// the same two-input form with buffered and inverted schedules exchanged.
uint8_t *sched_xor3(char *block, const uint8_t *ab, const uint8_t *ai, const uint8_t *bb, const uint8_t *bi,
                    const uint8_t *cb, const uint8_t *ci, bool xnor) {
    const uint8_t *x = s_xor2(block, ab, ai, bb, bi, false);
    const uint8_t *y = s_xor2(block, ai, ab, bi, bb, false);
    return return_sched(s_xor2(block, x, y, cb, ci, xnor));
}
uint8_t *sched_xor4(char *block, const uint8_t *ab, const uint8_t *ai, const uint8_t *bb, const uint8_t *bi,
                    const uint8_t *cb, const uint8_t *ci, const uint8_t *db, const uint8_t *di, bool xnor) {
    const uint8_t *x = s_xor2(block, ab, ai, bb, bi, false);
    const uint8_t *y = s_xor2(block, ai, ab, bi, bb, false);
    const uint8_t *u = s_xor2(block, cb, ci, db, di, false);
    const uint8_t *v = s_xor2(block, ci, cb, di, db, false);
    return return_sched(s_xor2(block, x, y, u, v, xnor));
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_3288686485_4070434989(char *block, const uint8_t *a) {
    return local_sched_result(block, [&] { return sched_not(load_sched(a)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_2852316380_4070434989(char *block, const uint8_t *a, const uint8_t *b) {
    return local_sched_result(block, [&] { return sched_and(load_sched(a), load_sched(b)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_3792371914_4070434989(char *block, const uint8_t *a, const uint8_t *b) {
    return local_sched_result(block, [&] { return sched_or(load_sched(a), load_sched(b)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_1560207530_4070434989(char *block, const uint8_t *a, const uint8_t *b) {
    return local_sched_result(block, [&] { return sched_nand(load_sched(a), load_sched(b)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_3362765528_4070434989(char *block, const uint8_t *a, const uint8_t *b) {
    return local_sched_result(block, [&] { return sched_nor(load_sched(a), load_sched(b)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_2159428141_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi) {
    return local_sched_result(
        block, [&] { return sched_xor2(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_3940177659_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi) {
    return local_sched_result(
        block, [&] { return sched_xnor2(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi)); });
}

extern "C" uint8_t *ieee_p_1367372525_sub_1685097188_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci) {
    return sched_xor3(block, ab, ai, bb, bi, cb, ci, false);
}

extern "C" uint8_t *ieee_p_1367372525_sub_3465846706_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci) {
    return sched_xor3(block, ab, ai, bb, bi, cb, ci, true);
}

extern "C" uint8_t *ieee_p_1367372525_sub_2245762817_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci,
                                                                const uint8_t *db, const uint8_t *di) {
    return sched_xor4(block, ab, ai, bb, bi, cb, ci, db, di, false);
}

extern "C" uint8_t *ieee_p_1367372525_sub_4026512335_4070434989(char *block, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci,
                                                                const uint8_t *db, const uint8_t *di) {
    return sched_xor4(block, ab, ai, bb, bi, cb, ci, db, di, true);
}

namespace {

// The vector XOR / XNOR schedule forms over inputs 1 to n, the positions of
// the two arrays from their left ends in their own directions (the range 1
// to n their callers give them; the two arrays must be equally long). The
// lower n-1 inputs are combined by VitalXOR in both pairings, the last one by
// the gate itself. One input is a buffer (XOR) or an inverter (XNOR) and no
// input DefSchedType: the recursion stops there instead of running on.
uint8_t *sched_xor_vector(char *block, const uint8_t *data_b, const array_bounds *data_b_b, const uint8_t *data_i,
                          const array_bounds *data_i_b, bool xnor) {
    const uint32_t n = length_of(data_b_b);
    if (length_of(data_i_b) != n) zem_size_not_matching(static_cast<int32_t>(n), data_i_b->length, 0);
    if (n == 0) return return_sched(constant(block, kConstDefSchedType));
    if (n == 1) return return_sched(xnor ? s_not(block, data_i) : data_b);
    if (n == 2) return return_sched(s_xor2(block, data_b, data_i, sched_at(data_b, 1), sched_at(data_i, 1), xnor));
    const array_bounds lower = one_to(n - 1);
    // Positions 1 to n-1: the array's first n-1 elements, checked in its own
    // range and direction; the slice starts at the array's first element.
    auto lower_slice = [&](const uint8_t *data, const array_bounds *b) {
        zem_vhdl_check_range_of_slice(b->left, b->right, b->dir, b->left, index_at(*b, n - 2), b->dir);
        return data;
    };
    // Position n: the array's last element.
    auto last = [&](const uint8_t *data, const array_bounds *b) {
        return indexed(data, b, index_at(*b, n - 1), kSchedSize);
    };
    const uint8_t *xb = lower_slice(data_b, data_b_b);
    const uint8_t *xi = lower_slice(data_i, data_i_b);
    const uint8_t *x = ieee_p_1367372525_sub_2813847755_4070434989(block, xb, &lower, xi, &lower);
    const uint8_t *yi = lower_slice(data_i, data_i_b);
    const uint8_t *yb = lower_slice(data_b, data_b_b);
    const uint8_t *y = ieee_p_1367372525_sub_2813847755_4070434989(block, yi, &lower, yb, &lower);
    const uint8_t *lb = last(data_b, data_b_b);
    const uint8_t *li = last(data_i, data_i_b);
    return return_sched(s_xor2(block, x, y, lb, li, xnor));
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_2813847755_4070434989(char *block, const uint8_t *data_b,
                                                                const array_bounds *data_b_b, const uint8_t *data_i,
                                                                const array_bounds *data_i_b) {
    return sched_xor_vector(block, data_b, data_b_b, data_i, data_i_b, false);
}

extern "C" uint8_t *ieee_p_1367372525_sub_2217057241_4070434989(char *block, const uint8_t *data_b,
                                                                const array_bounds *data_b_b, const uint8_t *data_i,
                                                                const array_bounds *data_i_b) {
    return sched_xor_vector(block, data_b, data_b_b, data_i, data_i_b, true);
}

// ---- multiplexer schedules ----------------------------------------------------
//
// A select's buffered schedule `and` the data its '1' picks, `or` its
// inverted schedule, inverted, `and` the data its '0' picks.

extern "C" uint8_t *ieee_p_1367372525_sub_1618866951_4070434989(char *block, const uint8_t *d1, const uint8_t *d0,
                                                                const uint8_t *sb, const uint8_t *si) {
    const uint8_t *high = s_and(block, d1, sb);
    const uint8_t *not_si = s_not(block, si);
    const uint8_t *low = s_and(block, d0, not_si);
    return return_sched(s_or(block, high, low));
}

namespace {

uint8_t *mux2_sched(char *b, const uint8_t *d1, const uint8_t *d0, const uint8_t *sb, const uint8_t *si) {
    return ieee_p_1367372525_sub_1618866951_4070434989(b, d1, d0, sb, si);
}
uint8_t *mux4_sched(char *b, const uint8_t *data, const uint8_t *sb, const uint8_t *si) {
    return ieee_p_1367372525_sub_1334159657_4070434989(b, data, sb, si);
}
uint8_t *mux8_sched(char *b, const uint8_t *data, const uint8_t *sb, const uint8_t *si) {
    return ieee_p_1367372525_sub_1882756997_4070434989(b, data, sb, si);
}

}  // namespace

// Data (3 downto 0), sb and SI (1 downto 0): element 0 of each is the highest.
extern "C" uint8_t *ieee_p_1367372525_sub_1334159657_4070434989(char *block, const uint8_t *data, const uint8_t *sb,
                                                                const uint8_t *si) {
    auto d = [&](int i) { return sched_at(data, static_cast<uint32_t>(3 - i)); };
    const uint8_t *sb0 = sched_at(sb, 1), *si0 = sched_at(si, 1);
    const uint8_t *high = s_and(block, sb, mux2_sched(block, d(3), d(2), sb0, si0));
    const uint8_t *not_si1 = s_not(block, si);
    const uint8_t *low = s_and(block, not_si1, mux2_sched(block, d(1), d(0), sb0, si0));
    return return_sched(s_or(block, high, low));
}

// Data (7 downto 0), sb and SI (2 downto 0).
extern "C" uint8_t *ieee_p_1367372525_sub_1882756997_4070434989(char *block, const uint8_t *data, const uint8_t *sb,
                                                                const uint8_t *si) {
    const uint8_t *high = s_and(block, sb, mux4_sched(block, data, sched_at(sb, 1), sched_at(si, 1)));
    const uint8_t *not_si2 = s_not(block, si);
    const uint8_t *low = s_and(block, not_si2, mux4_sched(block, sched_at(data, 4), sched_at(sb, 1), sched_at(si, 1)));
    return return_sched(s_or(block, high, low));
}

namespace {

// sb and SI of a multiplexer schedule: the select's two schedules, equally long.
uint32_t select_length(const array_bounds *sb_b, const array_bounds *si_b) {
    const uint32_t s = length_of(sb_b);
    if (length_of(si_b) != s) zem_size_not_matching(static_cast<int32_t>(s), si_b->length, 0);
    return s;
}

// A slice (high downto low) of an n-element array viewed as (n downto 1),
// checked against the view and taken by position, whatever the array's own
// range; it is passed on re-ranged as (length downto 1), the view the next
// level takes of it in turn.
template <typename T>
T *view_slice(T *data, uint32_t n, int32_t high, int32_t low, size_t size, array_bounds *slice_b) {
    zem_vhdl_check_range_of_slice(static_cast<int32_t>(n), 1, -1, high, low, -1);
    const uint32_t length = high >= low ? static_cast<uint32_t>(high - low + 1) : 0;
    *slice_b = downto_one(length);
    return length > 0 ? from_right(data, n, high, size) : data;
}

}  // namespace

// VInterMux: Data, sb and SI each viewed as (its length downto 1), the range
// VitalMUX gives them, and every slice passed on as (its length downto 1), so
// that each level of the recursion sees the same view. A Data too short for
// the selects is a failed check, not a read past it.
extern "C" uint8_t *ieee_p_1367372525_sub_621502274_4070434989(char *block, const uint8_t *data,
                                                               const array_bounds *data_b,
                                                               const uint8_t *sb, const array_bounds *sb_b,
                                                               const uint8_t *si, const array_bounds *si_b) {
    const uint32_t s = select_length(sb_b, si_b), n = length_of(data_b);
    const int32_t s_msb = static_cast<int32_t>(s), d_msb_high = static_cast<int32_t>(n), d_msb_low = d_msb_high / 2;
    switch (s) {
        case 0: {
            const Sched zero{0, 0, 0, 0, 0};
            return return_sched(return_sched(bytes(zero)));
        }
        case 1:
            return return_sched(mux2_sched(block, from_right(data, n, 2, kSchedSize),
                                           from_right(data, n, 1, kSchedSize), from_right(sb, s, 1, kSchedSize),
                                           from_right(si, s, 1, kSchedSize)));
        case 2: return return_sched(mux4_sched(block, from_right(data, n, 4, kSchedSize), sb, si));
        case 3: return return_sched(mux8_sched(block, from_right(data, n, 8, kSchedSize), sb, si));
        default: break;
    }
    // The top select's buffered schedule with the upper half of the data,
    // the half its '1' picks, and its inverted one, inverted, with the lower
    // half, as VitalMUX4 and VitalMUX8 pair them.
    const uint8_t *sb_top = from_right(sb, s, s_msb, kSchedSize);
    array_bounds data_slice_b, sb_slice_b, si_slice_b;
    const uint8_t *data_high = view_slice(data, n, d_msb_high, d_msb_low + 1, kSchedSize, &data_slice_b);
    const uint8_t *sb_rest = view_slice(sb, s, s_msb - 1, 1, kSchedSize, &sb_slice_b);
    const uint8_t *si_rest = view_slice(si, s, s_msb - 1, 1, kSchedSize, &si_slice_b);
    const uint8_t *x = s_and(block, sb_top, ieee_p_1367372525_sub_621502274_4070434989(
                                                block, data_high, &data_slice_b, sb_rest, &sb_slice_b, si_rest,
                                                &si_slice_b));
    const uint8_t *not_si_top = s_not(block, from_right(si, s, s_msb, kSchedSize));
    const uint8_t *data_low = view_slice(data, n, d_msb_low, 1, kSchedSize, &data_slice_b);
    sb_rest = view_slice(sb, s, s_msb - 1, 1, kSchedSize, &sb_slice_b);
    si_rest = view_slice(si, s, s_msb - 1, 1, kSchedSize, &si_slice_b);
    const uint8_t *y = s_and(block, not_si_top, ieee_p_1367372525_sub_621502274_4070434989(
                                                    block, data_low, &data_slice_b, sb_rest, &sb_slice_b, si_rest,
                                                    &si_slice_b));
    return return_sched(s_or(block, x, y));
}

// VitalMUX: the data right-aligned in 2**s positions, missing ones DefSchedAnd.
extern "C" uint8_t *ieee_p_1367372525_sub_2549639725_4070434989(char *block, const uint8_t *data,
                                                                const array_bounds *data_b, const uint8_t *sb,
                                                                const array_bounds *sb_b, const uint8_t *si,
                                                                const array_bounds *si_b) {
    const uint32_t s = select_length(sb_b, si_b), n = length_of(data_b);
    const uint32_t msb = static_cast<uint32_t>(zem_vhdl_pow(2, static_cast<int32_t>(s)));
    const array_bounds ldat_b = downto_one(msb);
    uint8_t *ldat = function_array(block + kTypeSchedArray, ldat_b, kSchedSize);
    // Data, sb and SI viewed as (length downto 1).
    auto copy = [&](int32_t i, const uint8_t *value) {
        std::memcpy(from_right(ldat, msb, i, kSchedSize), value, kSchedSize);
    };
    if (n <= msb) {
        for (int32_t i = static_cast<int32_t>(n); i >= 1; --i) copy(i, from_right(data, n, i, kSchedSize));
        for (int32_t i = static_cast<int32_t>(msb); i >= static_cast<int32_t>(n) + 1; --i)
            copy(i, constant(block, kConstDefSchedAnd));
    } else {
        for (int32_t i = static_cast<int32_t>(msb); i >= 1; --i) copy(i, from_right(data, n, i, kSchedSize));
    }
    const array_bounds select_b = downto_one(s);
    return return_sched(ieee_p_1367372525_sub_621502274_4070434989(block, ldat, &ldat_b, sb, &select_b, si, &select_b));
}

// ---- decoder schedules -----------------------------------------------------------
//
// Each output, highest first, is the enable's schedule `and`, per address
// bit from the highest down, DataB(k) where bit k of the output's index is 1
// and `not` DataI(k) where it is 0. DataB(n-1) is the first record.

namespace {

// A decoder result of 2, 4 or 8 records: built in a local of the constrained
// result subtype, returned as a transient copy with its bounds.
uint8_t *decoder_sched(char *block, array_bounds *result, const uint8_t *data_b, const uint8_t *data_i,
                       const uint8_t *enab, uint32_t bits, size_t result_type) {
    const uint32_t outputs = 1u << bits;
    alignas(8) uint8_t local[8 * kSchedSize];
    zem_type_set_default_value(block + result_type, local, nullptr);
    for (uint32_t i = outputs; i-- > 0;) {
        const uint8_t *r = enab;
        for (uint32_t k = bits; k-- > 0;) {
            const uint32_t element = bits - 1 - k;
            const uint8_t *term =
                (i >> k) & 1 ? sched_at(data_b, element) : s_not(block, sched_at(data_i, element));
            r = s_and(block, r, term);
        }
        std::memcpy(sched_at(local, outputs - 1 - i), r, kSchedSize);
    }
    *result = downto_zero(outputs);
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(outputs * kSchedSize)));
    std::memcpy(copy, local, outputs * kSchedSize);
    return copy;
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_494902076_4070434989(char *block, array_bounds *result, const uint8_t *data_b,
                                                               const uint8_t *data_i, const uint8_t *enab) {
    return decoder_sched(block, result, data_b, data_i, enab, 1, kTypeSchedArray2);
}

extern "C" uint8_t *ieee_p_1367372525_sub_1145282600_4070434989(char *block, array_bounds *result,
                                                                const uint8_t *data_b,
                                                                const uint8_t *data_i, const uint8_t *enab) {
    return decoder_sched(block, result, data_b, data_i, enab, 2, kTypeSchedArray4);
}

extern "C" uint8_t *ieee_p_1367372525_sub_1271667029_4070434989(char *block, array_bounds *result,
                                                                const uint8_t *data_b,
                                                                const uint8_t *data_i, const uint8_t *enab) {
    return decoder_sched(block, result, data_b, data_i, enab, 3, kTypeSchedArray8);
}

extern "C" uint8_t *ieee_p_1367372525_sub_23007260_4070434989(char *block, array_bounds *result,
                                                              const uint8_t *data_b, const array_bounds *data_b_b,
                                                              const uint8_t *data_i, const array_bounds *data_i_b,
                                                              const uint8_t *enab) {
    // DataB and DataI viewed as (n-1 downto 0); DataI must be as long.
    const uint32_t n = length_of(data_b_b);
    if (length_of(data_i_b) != n) zem_size_not_matching(static_cast<int32_t>(n), data_i_b->length, 0);
    const int32_t d_msb = static_cast<int32_t>(n) - 1;
    const array_bounds view = downto_zero(n);
    array_bounds taken;
    const uint8_t *value;
    auto check_slices = [&](int32_t high) {
        zem_vhdl_check_range_of_slice(view.left, view.right, view.dir, high, 0, -1);
        zem_vhdl_check_range_of_slice(view.left, view.right, view.dir, high, 0, -1);
    };
    switch (n) {
        case 0:
            value = constant(block, kConstDefSchedArray2);
            taken = array_bounds{1, 0, -1, 2};
            break;
        case 1: value = ieee_p_1367372525_sub_494902076_4070434989(block, &taken, data_b, data_i, enab); break;
        case 2:
            check_slices(1);
            value = ieee_p_1367372525_sub_1145282600_4070434989(block, &taken, data_b, data_i, enab);
            break;
        case 3:
            check_slices(2);
            value = ieee_p_1367372525_sub_1271667029_4070434989(block, &taken, data_b, data_i, enab);
            break;
        default: {
            // The lower address bits decoded twice, for the top bit 1 and 0;
            // the results joined, the top bit's 1 first.
            const array_bounds lower = downto_zero(n - 1);
            check_slices(d_msb - 1);
            const uint8_t *top_b = indexed(data_b, &view, d_msb, kSchedSize);
            const uint8_t *enab_1 = s_and(block, enab, top_b);
            array_bounds xb, yb;
            const uint8_t *x = ieee_p_1367372525_sub_23007260_4070434989(block, &xb, sched_at(data_b, 1), &lower,
                                                                         sched_at(data_i, 1), &lower, enab_1);
            check_slices(d_msb - 1);
            const uint8_t *top_i = indexed(data_i, &view, d_msb, kSchedSize);
            const uint8_t *enab_0 = s_and(block, enab, s_not(block, top_i));
            const uint8_t *y = ieee_p_1367372525_sub_23007260_4070434989(block, &yb, sched_at(data_b, 1), &lower,
                                                                         sched_at(data_i, 1), &lower, enab_0);
            array_bounds joined;
            value = static_cast<const uint8_t *>(zem_base_array_concat(
                nullptr, &joined, block + kTypeSchedArray, CONCAT_ARRAY, x, &xb, CONCAT_ARRAY, y, &yb, CONCAT_END));
            // The range (2**n - 1 downto 0), whatever the joined bounds.
            taken = downto_zero(length_of(&joined));
            break;
        }
    }
    const uint32_t length = length_of(&taken);
    auto *copy = static_cast<uint8_t *>(transient(uint64_t{length} * kSchedSize));
    std::memcpy(copy, value, static_cast<size_t>(length) * kSchedSize);
    *result = taken;
    return copy;
}

// ==== gate functions ===========================================================

namespace {

// The vector gates: Result (UX01) folded from the left starting at '1' (and)
// or '0' (or, xor), inverted for nand, nor and xnor.
enum class Gate { And, Or, Xor, Nand, Nor, Xnor };
bool inverting(Gate g) { return g == Gate::Nand || g == Gate::Nor; }
bool exclusive(Gate g) { return g == Gate::Xor || g == Gate::Xnor; }
bool and_like(Gate g) { return g == Gate::And || g == Gate::Nand; }
bool or_like(Gate g) { return g == Gate::Or || g == Gate::Nor; }

uint8_t gate_fold(Gate g, const uint8_t *data, uint32_t n) {
    uint8_t r = ux01_local();
    r = and_like(g) ? uint8_t{L1} : uint8_t{L0};
    for (uint32_t k = 0; k < n; ++k) {
        if (and_like(g))
            r = checked_and(r, data[k]);
        else if (or_like(g))
            r = checked_or(r, data[k]);
        else
            r = checked_xor(r, data[k]);
    }
    return (inverting(g) || g == Gate::Xnor) ? checked_not(r) : r;
}

}  // namespace

// The non-inverting vector forms index ResultMap without a check; the
// inverting ones and the forms with 2, 3 or 4 inputs check the value first.
extern "C" uint8_t ieee_p_1367372525_sub_1461733716_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                               const uint8_t *map) {
    return map[gate_fold(Gate::And, data, length_of(data_b))];
}
extern "C" uint8_t ieee_p_1367372525_sub_2547990466_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                               const uint8_t *map) {
    return map[gate_fold(Gate::Or, data, length_of(data_b))];
}
extern "C" uint8_t ieee_p_1367372525_sub_1489061082_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                               const uint8_t *map) {
    return map[gate_fold(Gate::Xor, data, length_of(data_b))];
}
extern "C" uint8_t ieee_p_1367372525_sub_485448482_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                              const uint8_t *map) {
    return mapped(map, gate_fold(Gate::Nand, data, length_of(data_b)));
}
extern "C" uint8_t ieee_p_1367372525_sub_1477201872_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                               const uint8_t *map) {
    return mapped(map, gate_fold(Gate::Nor, data, length_of(data_b)));
}
extern "C" uint8_t ieee_p_1367372525_sub_892270568_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                              const uint8_t *map) {
    return mapped(map, gate_fold(Gate::Xnor, data, length_of(data_b)));
}
extern "C" uint8_t ieee_p_1367372525_sub_3754799872_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, checked_and(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_946566958_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, checked_or(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_361635654_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, checked_xor(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_1602158222_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, checked_nand(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_4265249020_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, checked_nor(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_2142385172_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, checked_not(checked_xor(a, b)));
}

extern "C" uint8_t ieee_p_1367372525_sub_3837731456_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, checked_and(checked_and(a, b), c));
}
extern "C" uint8_t ieee_p_1367372525_sub_1029498542_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, checked_or(checked_or(a, b), c));
}
extern "C" uint8_t ieee_p_1367372525_sub_444567238_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                              const uint8_t *map) {
    return mapped(map, checked_xor(checked_xor(a, b), c));
}
extern "C" uint8_t ieee_p_1367372525_sub_1685089806_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, checked_not(checked_and(checked_and(a, b), c)));
}
extern "C" uint8_t ieee_p_1367372525_sub_53213308_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                             const uint8_t *map) {
    return mapped(map, checked_not(checked_or(checked_or(a, b), c)));
}
extern "C" uint8_t ieee_p_1367372525_sub_2225316756_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, checked_not(checked_xor(checked_xor(a, b), c)));
}

extern "C" uint8_t ieee_p_1367372525_sub_3743793398_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, checked_and(checked_and(checked_and(a, b), c), d));
}
extern "C" uint8_t ieee_p_1367372525_sub_935560484_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                              const uint8_t *map) {
    return mapped(map, checked_or(checked_or(checked_or(a, b), c), d));
}
extern "C" uint8_t ieee_p_1367372525_sub_350629180_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                              const uint8_t *map) {
    return mapped(map, checked_xor(checked_xor(checked_xor(a, b), c), d));
}
extern "C" uint8_t ieee_p_1367372525_sub_1591151748_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, checked_not(checked_and(checked_and(checked_and(a, b), c), d)));
}
extern "C" uint8_t ieee_p_1367372525_sub_4254242546_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, checked_not(checked_or(checked_or(checked_or(a, b), c), d)));
}
extern "C" uint8_t ieee_p_1367372525_sub_2131378698_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, checked_not(checked_xor(checked_xor(checked_xor(a, b), c), d)));
}

// ==== buffer, inverter and enable functions ===================================

namespace {

// An enable table's entry for (Enable, Data): a UX01Z value. A byte that is
// no std_ulogic value is a failed check, not an index past the table.
uint8_t enable_table(char *block, size_t table_off, uint8_t data, uint8_t enable) {
    const uint8_t v = table(block, table_off)[checked_logic(enable) * 9 + checked_logic(data)];
    zem_vhdl_check_range_of_index(0, 4, 1, v);
    return v;
}

}  // namespace

extern "C" uint8_t ieee_p_1367372525_sub_673810994_4070434989(char *, uint8_t data, const uint8_t *map) {
    return map[checked_ux01(data)];
}
extern "C" uint8_t ieee_p_1367372525_sub_3976821582_4070434989(char *block, uint8_t data, uint8_t enable,
                                                               const uint8_t *map) {
    return map[enable_table(block, kConstBufIf0, data, enable)];
}
extern "C" uint8_t ieee_p_1367372525_sub_3976822671_4070434989(char *block, uint8_t data, uint8_t enable,
                                                               const uint8_t *map) {
    return map[enable_table(block, kConstBufIf1, data, enable)];
}
extern "C" uint8_t ieee_p_1367372525_sub_3540507613_4070434989(char *block, uint8_t data, const uint8_t *map) {
    return map[package_to_ux01z(block, data)];
}
extern "C" uint8_t ieee_p_1367372525_sub_681878306_4070434989(char *, uint8_t data, const uint8_t *map) {
    return mapped(map, checked_not(data));
}
extern "C" uint8_t ieee_p_1367372525_sub_1834036798_4070434989(char *block, uint8_t data, uint8_t enable,
                                                               const uint8_t *map) {
    return map[enable_table(block, kConstInvIf0, data, enable)];
}
extern "C" uint8_t ieee_p_1367372525_sub_1834037887_4070434989(char *block, uint8_t data, uint8_t enable,
                                                               const uint8_t *map) {
    return map[enable_table(block, kConstInvIf1, data, enable)];
}

// ==== multiplexer and decoder functions =========================================

namespace {

uint8_t mux2_value(char *b, uint8_t d1, uint8_t d0, uint8_t select, const uint8_t *map) {
    return ieee_p_1367372525_sub_4116131764_4070434989(b, d1, d0, select, map);
}
uint8_t mux4_value(char *b, const uint8_t *data, const uint8_t *select, const uint8_t *map) {
    return ieee_p_1367372525_sub_4238378335_4070434989(b, data, select, map);
}
uint8_t mux8_value(char *b, const uint8_t *data, const uint8_t *select, const uint8_t *map) {
    return ieee_p_1367372525_sub_4077464029_4070434989(b, data, select, map);
}
uint8_t inter_mux_value(char *b, const uint8_t *data, const array_bounds *data_b, const uint8_t *select,
                        const array_bounds *select_b) {
    return ieee_p_1367372525_sub_3037427606_4070434989(b, data, data_b, select, select_b);
}
uint8_t mux_value(char *b, const uint8_t *data, const array_bounds *data_b, const uint8_t *select,
                  const array_bounds *select_b, const uint8_t *map) {
    return ieee_p_1367372525_sub_1379054898_4070434989(b, data, data_b, select, select_b, map);
}

}  // namespace

extern "C" uint8_t ieee_p_1367372525_sub_4116131764_4070434989(char *block, uint8_t data1, uint8_t data0,
                                                               uint8_t select, const uint8_t *map) {
    uint8_t result = ux01_local();
    switch (checked_x01(select)) {
        case L0: result = checked_ux01(data0); break;
        case L1: result = checked_ux01(data1); break;
        default: result = vital_same(block, data1, data0); break;
    }
    return map[result];
}

// Data(3) is the first byte, dSelect(1) the first select byte.
extern "C" uint8_t ieee_p_1367372525_sub_4238378335_4070434989(char *block, const uint8_t *data, const uint8_t *select,
                                                               const uint8_t *map) {
    alignas(8) uint8_t slct[2];  // std_logic_vector2 of VITAL_Timing
    zem_type_set_default_value(slv2_type(), slct, nullptr);
    uint8_t result = ux01_local();
    const array_bounds select_b = downto_zero(2);
    to_x01_into(slct, select, &select_b);
    auto d = [&](int i) { return data[3 - i]; };
    const uint8_t *choices = literal(block, kLitMux4Choices);
    int arm = 0;
    while (arm < 8 && zem_mem_cmp(choices + 2 * arm, slct, 2) != 1) ++arm;
    switch (arm) {
        case 0: result = checked_ux01(d(0)); break;  // 00
        case 1: result = checked_ux01(d(1)); break;  // 01
        case 2: result = checked_ux01(d(2)); break;  // 10
        case 3: result = checked_ux01(d(3)); break;  // 11
        case 4: result = vital_same(block, d(1), d(0)); break;  // 0X
        case 5: result = vital_same(block, d(2), d(3)); break;  // 1X
        case 6: result = vital_same(block, d(2), d(0)); break;  // X0
        case 7: result = vital_same(block, d(3), d(1)); break;  // X1
        default: {
            const uint8_t high = vital_same(block, d(3), d(2));
            const uint8_t low = vital_same(block, d(1), d(0));
            result = vital_same(block, high, low);
            break;
        }
    }
    return map[result];
}

// Data(7 downto 0), dSelect(2 downto 0): the halves and dSelect(1 downto 0)
// are pointers into them.
extern "C" uint8_t ieee_p_1367372525_sub_4077464029_4070434989(char *block, const uint8_t *data, const uint8_t *select,
                                                               const uint8_t *map) {
    uint8_t result = ux01_local();
    const uint8_t *low_half = data + 4, *high_half = data, *lower_select = select + 1;
    switch (checked_x01(select[0])) {
        case L0: result = mux4_value(block, low_half, lower_select, default_result_map()); break;
        case L1: result = mux4_value(block, high_half, lower_select, default_result_map()); break;
        default: {
            const uint8_t low = mux4_value(block, low_half, lower_select, default_result_map());
            const uint8_t high = mux4_value(block, high_half, lower_select, default_result_map());
            result = vital_same(block, low, high);
            break;
        }
    }
    return map[result];
}

// VInterMux: Data viewed as (n downto 1), dSelect as (s downto 1); from three
// selects on, the top select is read in dSelect's own bounds, which the
// callers give as (s downto 1). Its result is not mapped.
extern "C" uint8_t ieee_p_1367372525_sub_3037427606_4070434989(char *block, const uint8_t *data,
                                                               const array_bounds *data_b, const uint8_t *select,
                                                               const array_bounds *select_b) {
    uint8_t result = ux01_local();
    const uint32_t n = length_of(data_b), s = length_of(select_b);
    const int32_t s_msb = static_cast<int32_t>(s), d_msb_high = static_cast<int32_t>(n), d_msb_low = d_msb_high / 2;
    if (s == 1) {
        result = mux2_value(block, *from_right(data, n, 2, 1), *from_right(data, n, 1, 1), *from_right(select, s, 1, 1),
                            default_result_map());
    } else if (s == 2) {
        result = mux4_value(block, from_right(data, n, 4, 1), select, default_result_map());
    } else if (s > 2) {
        const uint8_t top = *indexed(select, select_b, s_msb, 1);
        // The slices of the views, passed with bounds (high, low, -1, length).
        array_bounds rest_b, low_b, high_b;
        auto rest = [&] {
            zem_vhdl_check_range_of_slice(s_msb, 1, -1, s_msb - 1, 1, -1);
            rest_b = downto_one(s - 1);
            return from_right(select, s, s_msb - 1, 1);
        };
        auto pick_low = [&] {
            zem_vhdl_check_range_of_slice(d_msb_high, 1, -1, d_msb_low, 1, -1);
            low_b = make_bounds(d_msb_low, 1, -1);
            const uint8_t *low = d_msb_low >= 1 ? from_right(data, n, d_msb_low, 1) : data;
            const uint8_t *sel = rest();
            return inter_mux_value(block, low, &low_b, sel, &rest_b);
        };
        auto pick_high = [&] {
            zem_vhdl_check_range_of_slice(d_msb_high, 1, -1, d_msb_high, d_msb_low + 1, -1);
            high_b = make_bounds(d_msb_high, d_msb_low + 1, -1);
            const uint8_t *high = from_right(data, n, d_msb_high, 1);
            const uint8_t *sel = rest();
            return inter_mux_value(block, high, &high_b, sel, &rest_b);
        };
        switch (checked_x01(top)) {
            case L0: result = pick_low(); break;
            case L1: result = pick_high(); break;
            default: {
                const uint8_t low = pick_low();
                const uint8_t high = pick_high();
                result = vital_same(block, low, high);
                break;
            }
        }
    } else {
        result = X;
    }
    return result;
}

// VitalMUX: the data right-aligned in 2**s positions, the missing ones 'X',
// the surplus ones ignored.
extern "C" uint8_t ieee_p_1367372525_sub_1379054898_4070434989(char *block, const uint8_t *data,
                                                               const array_bounds *data_b, const uint8_t *select,
                                                               const array_bounds *select_b, const uint8_t *map) {
    const uint32_t n = length_of(data_b), s = length_of(select_b);
    const uint32_t msb = static_cast<uint32_t>(zem_vhdl_pow(2, static_cast<int32_t>(s)));
    const array_bounds ldat_b = downto_one(msb);
    uint8_t *ldat = function_array(slv_type(), ldat_b, 1);
    assign_all_x(ldat, msb);
    uint8_t result = ux01_local();
    // Data viewed as (n downto 1).
    const uint32_t kept = n <= msb ? n : msb;
    for (int32_t i = static_cast<int32_t>(kept); i >= 1; --i) {
        const uint8_t v = *from_right(data, n, i, 1);
        *from_right(ldat, msb, i, 1) = v;
    }
    const array_bounds sel_b = downto_one(s);
    result = inter_mux_value(block, ldat, &ldat_b, select, &sel_b);
    return map[result];
}

namespace {

// A decoder result of 2, 4 or 8 elements: checked against its subtype and
// returned as a transient copy.
uint8_t *fixed_vector_result(const uint8_t *value, uint32_t n) {
    const int32_t high = static_cast<int32_t>(n) - 1;
    zem_vhdl_check_range_of_slice(high, 0, -1, high, 0, -1);
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(n));
    std::memcpy(r, value, n);
    return r;
}

// Decoders: output i is Enable and, per address bit k, Data(k) where bit k
// of i is 1 and not Data(k) where it is 0. Data(n-1) is the first byte; the
// result lies with its highest output first.
void decoder2_value(uint8_t *out, uint8_t data, uint8_t enable, const uint8_t *map) {
    out[0] = mapped(map, checked_and(enable, data));
    out[1] = mapped(map, checked_and(enable, checked_not(data)));
}
void decoder4_value(uint8_t *out, const uint8_t *data, uint8_t enable, const uint8_t *map) {
    const uint8_t d1 = data[0], d0 = data[1];
    for (int i = 3; i >= 0; --i) {
        const uint8_t t1 = i & 2 ? d1 : checked_not(d1);
        const uint8_t high = checked_and(enable, t1);
        const uint8_t t0 = i & 1 ? d0 : checked_not(d0);
        out[3 - i] = mapped(map, checked_and(high, t0));
    }
}
void decoder8_value(uint8_t *out, const uint8_t *data, uint8_t enable, const uint8_t *map) {
    for (int i = 7; i >= 0; --i) {
        uint8_t v = 0;
        for (int k = 2; k >= 0; --k) {
            const uint8_t bit = data[2 - k];
            const uint8_t term = (i >> k) & 1 ? bit : checked_not(bit);
            v = k == 2 ? term : checked_and(v, term);
        }
        out[7 - i] = v;
    }
    for (int i = 0; i < 8; ++i) out[7 - i] = mapped(map, checked_and(enable, out[7 - i]));
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_912567720_4070434989(char *, uint8_t data, uint8_t enable,
                                                               const uint8_t *map) {
    uint8_t v[2];
    decoder2_value(v, data, enable, map);
    return fixed_vector_result(v, 2);
}
extern "C" uint8_t *ieee_p_1367372525_sub_1556117169_4070434989(char *, const uint8_t *data, uint8_t enable,
                                                                const uint8_t *map) {
    uint8_t v[4];
    decoder4_value(v, data, enable, map);
    return fixed_vector_result(v, 4);
}
extern "C" uint8_t *ieee_p_1367372525_sub_890662368_4070434989(char *, const uint8_t *data, uint8_t enable,
                                                               const uint8_t *map) {
    uint8_t v[8];
    decoder8_value(v, data, enable, map);
    return fixed_vector_result(v, 8);
}

// VitalDECODER: Data viewed as (n-1 downto 0), the address's top bit first.
// From four bits on, the lower bits are decoded for the top bit 1 and for 0
// and the two results joined; the result's range is (2**n - 1 downto 0).
extern "C" uint8_t *ieee_p_1367372525_sub_3733906378_4070434989(char *block, array_bounds *result, const uint8_t *data,
                                                                const array_bounds *data_b, uint8_t enable,
                                                                const uint8_t *map) {
    const uint32_t n = length_of(data_b);
    switch (n) {
        case 0:
            *result = array_bounds{1, 1, 1, 1};
            return vector_result(literal(block, kLitDecoderEmpty), 1, result, *result);
        case 1:
            *result = downto_zero(2);
            return ieee_p_1367372525_sub_912567720_4070434989(block, data[0], enable, map);
        case 2:
            *result = downto_zero(4);
            return ieee_p_1367372525_sub_1556117169_4070434989(block, data, enable, map);
        case 3:
            *result = downto_zero(8);
            return ieee_p_1367372525_sub_890662368_4070434989(block, data, enable, map);
        default: break;
    }
    const array_bounds lower = downto_zero(n - 1);
    array_bounds xb, yb, joined;
    const uint8_t *x = ieee_p_1367372525_sub_3733906378_4070434989(block, &xb, data + 1, &lower,
                                                                   checked_and(enable, data[0]), map);
    const uint8_t *y = ieee_p_1367372525_sub_3733906378_4070434989(block, &yb, data + 1, &lower,
                                                                   checked_and(enable, checked_not(data[0])), map);
    const auto *joined_value = static_cast<const uint8_t *>(zem_base_array_concat(
        nullptr, &joined, slv_type(), CONCAT_ARRAY, x, &xb, CONCAT_ARRAY, y, &yb, CONCAT_END));
    return vector_result(joined_value, length_of(&joined), result, downto_zero(length_of(&joined)));
}

// ==== the concurrent procedures' frame =========================================

namespace {

constexpr size_t kSuspendState = 0x9B0;  // suspend_context: 1 while suspending, 3 once resumed

// A std_ulogic IN signal parameter, a std_logic_vector one, and an OUT one.
struct InSig {
    void *sig;
    uint32_t pos, off;
    uint8_t value() const { return signal_byte(sig, off); }
};
struct VecSig {
    void *sig;
    uint32_t pos, off;
    array_bounds range;
    uint32_t n() const { return length_of(&range); }
    const uint8_t *values() const { return signal_data(sig, off); }
    // Data(i) in the signal's own range, checked.
    uint8_t at(int32_t i) const { return *indexed(values(), &range, i, 1); }
};
struct OutSig {
    void *sig;
    uint32_t pos, off;
    void *drv;
};
VecSig vec_sig(void *sig, uint32_t pos, uint32_t off, const array_bounds &range) {
    return {sig, pos, off, make_bounds(range.left, range.right, range.dir)};
}

// One signal of a WAIT ON: its elements from `pos`, `count` of them.
struct WaitOn {
    void *sig;
    uint32_t pos, count;
};
WaitOn on(const InSig &s) { return {s.sig, s.pos, 1}; }
WaitOn on(const VecSig &s) { return {s.sig, s.pos, s.n()}; }

volatile int32_t &suspend_state(char *context) {
    return *reinterpret_cast<volatile int32_t *>(context + kSuspendState);
}
char *suspend_context(void *process) { return get_ptr<char>(process, tovu::layout::kProcessSuspendContext); }

// Gives control back to the kernel until the armed wait fires. The kernel
// resumes the procedure either by returning from zem_saveStackAndSuspend or
// at the second return of getcontext (with the state no longer 1).
__attribute__((noinline)) void suspend(void *process) {
    suspend_state(suspend_context(process)) = 1;
    getcontext(reinterpret_cast<ucontext_t *>(suspend_context(process)));
    if (suspend_state(suspend_context(process)) == 1) zem_saveStackAndSuspend(process);
    suspend_state(suspend_context(process)) = 3;
}

// WAIT ON the signals, in list order.
void wait_on(void *process, std::initializer_list<WaitOn> signals) {
    for (const WaitOn &w : signals) zem_add_dynamic_wait(process, w.sig, w.pos, w.count);
    zem_wp_set_status(get_ptr<void>(process, tovu::layout::kProcessWaitPoint), 1);
    suspend(process);
    for (const WaitOn &w : signals) zem_remove_dynamic_wait(process, w.sig);
}

// What VitalGlitchOnEvent takes besides the value and the delays: the
// output, its name, the glitch mode and the severity of a glitch report.
struct GlitchTarget {
    char *block;
    void *process;
    OutSig q;
    const char *name;
    array_bounds name_b;
    uint8_t mode;
    uint8_t severity;
};

// VitalGlitchOnEvent on one output element at driver position `pos`. `act`
// is the start of a glitch-data array the record belongs to (nullptr for a
// scalar output); `index` and `is_array` name the element in a report.
void glitch_on_event(const GlitchTarget &t, uint32_t pos, uint8_t *gd, uint8_t new_value, int64_t new_delay,
                     int64_t glitch_delay, int32_t index, bool is_array, uint8_t *act) {
    auto stored = [&] {
        if (act) zem_variable_act(act);
    };
    void *drv = t.q.drv;
    if (new_delay < 0) {
        if (new_value != gd[kGlitchSchedValue])
            error_from(t.block, kLitGlitchOnEventError, 18, kErrNegDel, t.name, &t.name_b);
        return;
    }
    bool no_glitch_det = false, old_glitch = false;
    int64_t dly = new_delay;
    const int64_t at = now();
    const int64_t sched_time = get_time(gd, kGlitchSchedTime), glitch_time = get_time(gd, kGlitchGlitchTime);
    if (sched_time <= at) {
        // nothing pending
        gd[kGlitchCurrentValue] = gd[kGlitchSchedValue];
        stored();
        if (glitch_delay <= 0) {
            if (new_value == gd[kGlitchSchedValue]) return;
            no_glitch_det = true;
        }
    } else if (glitch_time <= at) {
        // a glitch is under way
        gd[kGlitchCurrentValue] = X;
        stored();
        old_glitch = true;
        if (gd[kGlitchSchedValue] == new_value) dly = minimum(sched_time - at, new_delay);
    } else if (gd[kGlitchSchedValue] == new_value && sched_time == glitch_time && glitch_delay <= 0) {
        no_glitch_det = true;
        dly = minimum(sched_time - at, new_delay);
    }
    set_time(gd, kGlitchSchedTime, sat_add(at, dly));
    stored();
    if (old_glitch) {
        drive_inertial(drv, pos, new_value, dly);
    } else if (no_glitch_det) {
        set_time(gd, kGlitchGlitchTime, sat_add(at, dly));
        stored();
        drive_inertial(drv, pos, new_value, dly);
    } else {
        // a new glitch
        const int64_t glitch_at = glitch_min_time(get_time(gd, kGlitchGlitchTime), sat_add(at, glitch_delay));
        set_time(gd, kGlitchGlitchTime, glitch_at);
        stored();
        if (t.mode == kMessagePlusX || t.mode == kMessageOnly) {
            const array_bounds rb = literal_bounds(18);
            ieee_p_1367372525_sub_2507489675_4070434989(t.block, t.process, t.block + kLitGlitchOnEventReport, &rb,
                                                        t.name, &t.name_b, glitch_at, gd[kGlitchSchedValue],
                                                        sat_add(at, dly), new_value, index, is_array, t.severity);
        }
        if (t.mode == kMessagePlusX || t.mode == kXOnly) {
            // the 'X' from the glitch on (never before now), then the new value
            drive_inertial(drv, pos, X, maximum(0, sat_sub(glitch_at, at)));
            drive_transport(drv, pos, new_value, dly);
        } else {
            drive_inertial(drv, pos, new_value, dly);
        }
    }
    gd[kGlitchSchedValue] = new_value;
    stored();
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_2672610346_4070434989(char *block, void *process, void *out_sig,
                                                            uint32_t out_pos, uint32_t out_off, void *out_drv,
                                                            const char *name, const array_bounds *name_b,
                                                            uint8_t *glitch_data, uint8_t new_value, int64_t new_delay,
                                                            uint8_t mode, int64_t glitch_delay, uint8_t severity) {
    const GlitchTarget t{block, process, {out_sig, out_pos, out_off, out_drv}, name, *name_b, mode, severity};
    glitch_on_event(t, out_pos, glitch_data, new_value, new_delay, glitch_delay, 0, false, nullptr);
}

extern "C" void ieee_p_1367372525_sub_2661383135_4070434989(
    char *block, void *process, void *out_sig, uint32_t out_pos, uint32_t out_off, void *out_drv,
    const array_bounds *out_b, const char *name, const array_bounds *name_b, uint8_t *glitch_data,
    const array_bounds *glitch_b, const uint8_t *new_value, const array_bounds *new_value_b,
    const int64_t *new_delay, const array_bounds *new_delay_b, uint8_t mode, const int64_t *glitch_delay,
    const array_bounds *glitch_delay_b, uint8_t severity) {
    const int32_t n = static_cast<int32_t>(length_of(out_b));
    if (static_cast<int32_t>(length_of(glitch_b)) != n || static_cast<int32_t>(length_of(new_value_b)) != n ||
        static_cast<int32_t>(length_of(new_delay_b)) != n || static_cast<int32_t>(length_of(glitch_delay_b)) != n) {
        error_from(block, kLitGlitchOnEventError, 18, kErrVctLng, name, name_b);
        return;
    }
    const GlitchTarget t{block, process, {out_sig, out_pos, out_off, out_drv}, name, *name_b, mode, severity};
    // The arrays read through views (1 to n); OutSignal(Index) walks q's
    // range from its left end.
    const int32_t direction = out_b->left > out_b->right ? -1 : 1;
    int32_t index = out_b->left;
    for (int32_t p = 1; p <= n; ++p, index += direction) {
        zem_vhdl_check_range_of_index(1, n, 1, p);
        const int64_t dly = new_delay[p - 1];
        zem_vhdl_check_range_of_index(1, n, 1, p);
        const uint8_t value = new_value[p - 1];
        zem_vhdl_check_range_of_index(1, n, 1, p);
        const int64_t glch = glitch_delay[p - 1];
        zem_vhdl_check_range_of_index(1, n, 1, p);
        uint8_t *gd = glitch_data + static_cast<size_t>(p - 1) * kGlitchDataSize;
        zem_vhdl_check_range_of_index(out_b->left, out_b->right, out_b->dir, index);
        glitch_on_event(t, out_pos + static_cast<uint32_t>(p - 1), gd, value, dly, glch, index, true, glitch_data);
    }
}

// ==== what the concurrent procedures share =======================================

namespace {

// The path updates, edges, delays and glitch handling of a procedure, all
// through the package's entries, with the calling process as context.
struct Procedure {
    char *block;
    void *process;
    OutSig q;
    uint32_t slot;  // the procedure's entry, which picks its "q" literal

    void buf_path(Sched &s, uint8_t edge, const int64_t *tpd) const {
        ieee_p_1367372525_sub_2819976785_4070434989(block, process, bytes(s), edge, tpd);
    }
    void inv_path(Sched &s, uint8_t edge, const int64_t *tpd) const {
        ieee_p_1367372525_sub_827555649_4070434989(block, process, bytes(s), edge, tpd);
    }
    void path(Sched &s, uint8_t edge, const int64_t *tpd, bool inverting) const {
        if (inverting)
            inv_path(s, edge, tpd);
        else
            buf_path(s, edge, tpd);
    }
    // BufPath or InvPath of one element of a schedule array.
    void path_element(uint8_t *s, uint8_t edge, const int64_t *tpd, bool inverting) const {
        if (inverting)
            ieee_p_1367372525_sub_827555649_4070434989(block, process, s, edge, tpd);
        else
            ieee_p_1367372525_sub_2819976785_4070434989(block, process, s, edge, tpd);
    }
    // The vector BufPath or InvPath.
    void path_all(uint8_t *s, const array_bounds *s_b, const uint8_t *edges, const array_bounds *e_b,
                  const int64_t *tpd, const array_bounds *tpd_b, bool inverting) const {
        if (inverting)
            ieee_p_1367372525_sub_1119179724_4070434989(block, process, s, s_b, edges, e_b, tpd, tpd_b);
        else
            ieee_p_1367372525_sub_3111600860_4070434989(block, process, s, s_b, edges, e_b, tpd, tpd_b);
    }
    uint8_t edge(const InSig &s) const { return ieee_p_1367372525_sub_26934960_4070434989(block, s.sig, s.pos, s.off); }
    // The vector GetEdge: the edges of every element since `last`, which it
    // brings up to date.
    void edges(const VecSig &s, uint8_t *last, uint8_t *edge_array) const {
        ieee_p_1367372525_sub_915516184_4070434989(block, process, s.sig, s.pos, s.off, &s.range, last, &s.range,
                                                   edge_array, &s.range);
    }
    // GetSchedDelay for a schedule kept by the procedure.
    void sched_delay(int64_t &dly, int64_t &glch, uint8_t new_value, const GlitchRecord &glitch,
                     const Sched &new_schd) const {
        const uint8_t current = cur_value_of(block, glitch);
        const Sched copy = new_schd;
        ieee_p_1367372525_sub_2543757985_4070434989(block, process, &dly, &glch, new_value, current, bytes(copy));
    }
    // VitalGlitchOnEvent on q with the procedure's name for it, the
    // package's glitch mode and WARNING.
    void glitch_on_event(GlitchRecord &glitch, uint8_t value, int64_t dly, int64_t glch) const {
        const array_bounds name_b = literal_bounds(1);
        ieee_p_1367372525_sub_2672610346_4070434989(block, process, q.sig, q.pos, q.off, q.drv, name(), &name_b,
                                                    glitch.bytes, value, dly, prim_glitch_mode(block), glch, kWarning);
    }
    const char *name() const { return block + kLitOutputName + (slot - 94); }
    // A zero-delay transaction of the whole output.
    void drive(const uint8_t *values, uint32_t count) const { drive_bytes(q.drv, q.pos, values, count, 0); }
    void drive(uint8_t value) const { drive(&value, 1); }
};

// The delay array of a vector input, viewed with the input's range, has one
// element per input element; another length is a failed check.
void check_delay_count(uint32_t n, const array_bounds *tpd_b) {
    if (length_of(tpd_b) != n) zem_size_not_matching(static_cast<int32_t>(n), tpd_b->length, 0);
}
// Are the delays of every element of a range, read through the view with
// that range, VitalZeroDelay01? The first that is not ends the test.
bool all_zero_delay01(const int64_t *tpd, const array_bounds &range) {
    for (uint32_t k = 0; k < length_of(&range); ++k) {
        if (!is_zero_delay01(indexed(tpd, &range, index_at(range, k), 2))) return false;
    }
    return true;
}

}  // namespace

// ==== logic-gate concurrent procedures ===========================================
//
// Entries 94 to 99 are the vector gates in the order AND, OR, XOR, NAND, NOR,
// XNOR; entries 100 to 105, 106 to 111 and 112 to 117 the gates of 2, 3 and 4
// inputs, each group in the order AND, OR, NAND, NOR, XOR, XNOR.

namespace {

// The function forms with 2, 3 or 4 inputs, by gate, for the zero-delay model.
using Gate2Fn = uint8_t (*)(char *, uint8_t, uint8_t, const uint8_t *);
using Gate3Fn = uint8_t (*)(char *, uint8_t, uint8_t, uint8_t, const uint8_t *);
using Gate4Fn = uint8_t (*)(char *, uint8_t, uint8_t, uint8_t, uint8_t, const uint8_t *);
// In the order of Gate: And, Or, Xor, Nand, Nor, Xnor.
constexpr Gate2Fn kGate2[6] = {
    ieee_p_1367372525_sub_3754799872_4070434989, ieee_p_1367372525_sub_946566958_4070434989,
    ieee_p_1367372525_sub_361635654_4070434989,  ieee_p_1367372525_sub_1602158222_4070434989,
    ieee_p_1367372525_sub_4265249020_4070434989, ieee_p_1367372525_sub_2142385172_4070434989};
constexpr Gate3Fn kGate3[6] = {
    ieee_p_1367372525_sub_3837731456_4070434989, ieee_p_1367372525_sub_1029498542_4070434989,
    ieee_p_1367372525_sub_444567238_4070434989,  ieee_p_1367372525_sub_1685089806_4070434989,
    ieee_p_1367372525_sub_53213308_4070434989,   ieee_p_1367372525_sub_2225316756_4070434989};
constexpr Gate4Fn kGate4[6] = {
    ieee_p_1367372525_sub_3743793398_4070434989, ieee_p_1367372525_sub_935560484_4070434989,
    ieee_p_1367372525_sub_350629180_4070434989,  ieee_p_1367372525_sub_1591151748_4070434989,
    ieee_p_1367372525_sub_4254242546_4070434989, ieee_p_1367372525_sub_2131378698_4070434989};

// The inputs of a 2-, 3- or 4-input gate procedure and their delays.
struct GateInputs {
    InSig in[4];
    const int64_t *tpd[4];
    int n;
};

uint8_t gate_function(char *block, Gate g, const uint8_t *v, int n, const uint8_t *map) {
    const int k = static_cast<int>(g);
    if (n == 2) return kGate2[k](block, v[0], v[1], map);
    if (n == 3) return kGate3[k](block, v[0], v[1], v[2], map);
    return kGate4[k](block, v[0], v[1], v[2], v[3], map);
}

// The new value of the timed model, in the shape of each member: the
// inverting gates of 3 and 4 inputs combine their inputs in pairs first.
uint8_t gate_new_value(Gate g, const uint8_t *v, int n) {
    auto fold = [&](uint8_t (*op)(uint8_t, uint8_t)) {
        uint8_t r = v[0];
        for (int k = 1; k < n; ++k) r = op(r, v[k]);
        return r;
    };
    auto paired = [&](uint8_t (*op)(uint8_t, uint8_t), uint8_t (*last)(uint8_t, uint8_t)) {
        if (n == 2) return last(v[0], v[1]);
        if (n == 3) return last(op(v[0], v[1]), v[2]);
        return last(op(v[0], v[1]), op(v[2], v[3]));
    };
    switch (g) {
        case Gate::And: return fold(ulogic_and);
        case Gate::Or: return fold(ulogic_or);
        case Gate::Xor: return fold(ulogic_xor);
        case Gate::Nand: return paired(ulogic_and, ulogic_nand);
        case Gate::Nor: return paired(ulogic_or, ulogic_nor);
        default: return ulogic_not(fold(ulogic_xor));
    }
}

// The output schedule from the inputs' schedules (b: buffered, or inverted
// for the inverting gates; i: inverted, for the exclusive gates), in the
// same shapes as the new value, through the schedule operators and forms.
const uint8_t *gate_schedule(char *block, Gate g, const Sched *b, const Sched *i, int n) {
    using Op = uint8_t *(*)(char *, const uint8_t *, const uint8_t *);
    auto fold = [&](Op op) {
        const uint8_t *r = op(block, bytes(b[0]), bytes(b[1]));
        for (int k = 2; k < n; ++k) r = op(block, r, bytes(b[k]));
        return r;
    };
    auto paired = [&](Op op, Op last) -> const uint8_t * {
        if (n == 2) return last(block, bytes(b[0]), bytes(b[1]));
        const uint8_t *left = op(block, bytes(b[0]), bytes(b[1]));
        if (n == 3) return last(block, left, bytes(b[2]));
        const uint8_t *right = op(block, bytes(b[2]), bytes(b[3]));
        return last(block, left, right);
    };
    const bool xnor = g == Gate::Xnor;
    switch (g) {
        case Gate::And: return fold(s_and);
        case Gate::Or: return fold(s_or);
        case Gate::Nand: return paired(s_and, s_nand);
        case Gate::Nor: return paired(s_or, s_nor);
        default:
            if (n == 2) return s_xor2(block, bytes(b[0]), bytes(i[0]), bytes(b[1]), bytes(i[1]), xnor);
            if (n == 3)
                return xnor ? ieee_p_1367372525_sub_3465846706_4070434989(block, bytes(b[0]), bytes(i[0]), bytes(b[1]),
                                                                          bytes(i[1]), bytes(b[2]), bytes(i[2]))
                            : ieee_p_1367372525_sub_1685097188_4070434989(block, bytes(b[0]), bytes(i[0]), bytes(b[1]),
                                                                          bytes(i[1]), bytes(b[2]), bytes(i[2]));
            return xnor ? ieee_p_1367372525_sub_4026512335_4070434989(block, bytes(b[0]), bytes(i[0]), bytes(b[1]),
                                                                      bytes(i[1]), bytes(b[2]), bytes(i[2]),
                                                                      bytes(b[3]), bytes(i[3]))
                        : ieee_p_1367372525_sub_2245762817_4070434989(block, bytes(b[0]), bytes(i[0]), bytes(b[1]),
                                                                      bytes(i[1]), bytes(b[2]), bytes(i[2]),
                                                                      bytes(b[3]), bytes(i[3]));
    }
}

// The path updates of a gate's input by its edge: BufPath into its buffered
// schedule (InvPath for the inverting gates), and for the exclusive gates
// InvPath into its inverted schedule too. `edge` is asked anew for each.
template <typename EdgeOf>
void update_input(const Procedure &p, Gate g, Sched &b, Sched &i, EdgeOf edge, const int64_t *tpd) {
    p.path(b, edge(), tpd, inverting(g));
    if (exclusive(g)) p.inv_path(i, edge(), tpd);
}

void gate_procedure(const Procedure &p, const GateInputs &g_in, Gate g, const uint8_t *map) {
    char *block = p.block;
    const int n = g_in.n;
    const InSig *in = g_in.in;
    // The locals in declaration order: the inputs' (buffered) schedules, the
    // exclusive gates' inverted schedules, NewValue, Glitch_Data, new_schd,
    // Dly, Glch.
    Sched b[4], i[4];
    for (int k = 0; k < n; ++k) b[k] = sched_local(block);
    if (exclusive(g))
        for (int k = 0; k < n; ++k) i[k] = sched_local(block);
    uint8_t new_value = ux01_local();
    GlitchRecord glitch = glitch_local(block);
    Sched new_schd = sched_local(block);
    int64_t dly = time_local(), glch = time_local();

    auto wait_inputs = [&] {
        if (n == 2)
            wait_on(p.process, {on(in[0]), on(in[1])});
        else if (n == 3)
            wait_on(p.process, {on(in[0]), on(in[1]), on(in[2])});
        else
            wait_on(p.process, {on(in[0]), on(in[1]), on(in[2]), on(in[3])});
    };
    uint8_t values[4];
    auto read_values = [&] {
        for (int k = 0; k < n; ++k) values[k] = in[k].value();
    };
    bool zero_delay = true;
    for (int k = 0; k < n && zero_delay; ++k) zero_delay = is_zero_delay01(g_in.tpd[k]);
    if (zero_delay) {
        for (;;) {
            read_values();
            p.drive(gate_function(block, g, values, n, map));
            wait_inputs();
        }
    }
    for (int k = 0; k < n; ++k)
        update_input(p, g, b[k], i[k], [&] { return initial_edge(block, in[k].value()); }, g_in.tpd[k]);
    for (;;) {
        for (int k = 0; k < n; ++k) update_input(p, g, b[k], i[k], [&] { return p.edge(in[k]); }, g_in.tpd[k]);
        read_values();
        new_value = gate_new_value(g, values, n);
        assign_sched(new_schd, gate_schedule(block, g, b, i, n));
        p.sched_delay(dly, glch, new_value, glitch, new_schd);
        p.glitch_on_event(glitch, map[new_value], dly, glch);
        wait_inputs();
    }
}

// The vector gates: Data's elements from its left bound, one delay each.
using VectorGateFn = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *);
constexpr VectorGateFn kVectorGate[6] = {
    ieee_p_1367372525_sub_1461733716_4070434989, ieee_p_1367372525_sub_2547990466_4070434989,
    ieee_p_1367372525_sub_1489061082_4070434989, ieee_p_1367372525_sub_485448482_4070434989,
    ieee_p_1367372525_sub_1477201872_4070434989, ieee_p_1367372525_sub_892270568_4070434989};

void vector_gate_procedure(const Procedure &p, const VecSig &data, const int64_t *tpd, const array_bounds *tpd_b,
                           Gate g, const uint8_t *map) {
    char *block = p.block;
    const uint32_t n = data.n();
    const array_bounds &range = data.range;
    // The locals in declaration order. LastData: all 'U'. The schedules have
    // Data's range, except the exclusive gates', which have (1 to n) and are
    // read through views with Data's range.
    std::vector<uint8_t> last(n);
    assign_all_u(last.data(), n);
    ProcedureArray edges(block + kTypeEdgeArray, range, 1);
    const array_bounds positions = one_to(n);
    ProcedureArray schd(block + kTypeSchedArray, exclusive(g) ? positions : range, kSchedSize);
    ProcedureArray schd_i =
        exclusive(g) ? ProcedureArray(block + kTypeSchedArray, positions, kSchedSize) : ProcedureArray();
    uint8_t new_value = ux01_local();
    GlitchRecord glitch = glitch_local(block);
    Sched new_schd = sched_local(block);
    int64_t dly = time_local(), glch = time_local();
    check_delay_count(n, tpd_b);  // the view Atpd_data_q

    const VectorGateFn function = kVectorGate[static_cast<int>(g)];
    if (all_zero_delay01(tpd, range)) {
        for (;;) {
            p.drive(function(block, data.values(), &range, map));
            wait_on(p.process, {on(data)});
        }
    }
    for (uint32_t k = 0; k < n; ++k) {
        const int32_t i = index_at(range, k);
        const uint8_t edge = initial_edge(block, data.at(i));
        p.path_element(indexed(schd.data(), &range, i, kSchedSize), edge, indexed(tpd, &range, i, 2), inverting(g));
        if (exclusive(g))
            p.path_element(indexed(schd_i.data(), &range, i, kSchedSize), edge, indexed(tpd, &range, i, 2), true);
    }
    for (;;) {
        p.edges(data, last.data(), edges.data());
        p.path_all(schd.data(), &range, edges.data(), &range, tpd, &range, inverting(g));
        if (exclusive(g)) p.path_all(schd_i.data(), &range, edges.data(), &range, tpd, &range, true);
        if (exclusive(g)) {
            new_value = function(block, data.values(), &range, default_result_map());
            const uint8_t *combined =
                g == Gate::Xnor
                    ? ieee_p_1367372525_sub_2217057241_4070434989(block, schd.data(), &positions, schd_i.data(),
                                                                  &positions)
                    : ieee_p_1367372525_sub_2813847755_4070434989(block, schd.data(), &positions, schd_i.data(),
                                                                  &positions);
            assign_sched(new_schd, combined);
        } else {
            // the fold starts from the left element combined with itself
            new_value = and_like(g) ? L1 : L0;
            assign_sched(new_schd, indexed(schd.data(), &range, range.left, kSchedSize));
            for (uint32_t k = 0; k < n; ++k) {
                const int32_t i = index_at(range, k);
                const uint8_t v = data.at(i);
                new_value = and_like(g) ? ulogic_and(new_value, v) : ulogic_or(new_value, v);
                const uint8_t *s = indexed(schd.data(), &range, i, kSchedSize);
                assign_sched(new_schd,
                             and_like(g) ? s_and(block, bytes(new_schd), s) : s_or(block, bytes(new_schd), s));
            }
            if (inverting(g)) {
                new_value = ulogic_not(new_value);
                assign_sched(new_schd, s_not(block, bytes(new_schd)));
            }
        }
        p.sched_delay(dly, glch, new_value, glitch, new_schd);
        p.glitch_on_event(glitch, map[new_value], dly, glch);
        wait_on(p.process, {on(data)});
    }
}

void vector_gate(char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv,
                 void *data_sig, uint32_t data_pos, uint32_t data_off, const array_bounds *data_b,
                 const int64_t *tpd, const array_bounds *tpd_b, const uint8_t *map, Gate g, uint32_t slot) {
    vector_gate_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot},
                          vec_sig(data_sig, data_pos, data_off, *data_b), tpd, tpd_b, g, map);
}

}  // namespace

#define TOVU_VITAL_GATE_VECTOR_ARGS \
    block, process, q_sig, q_pos, q_off, q_drv, data_sig, data_pos, data_off, data_b, tpd, tpd_b, map
extern "C" void ieee_p_1367372525_sub_2153796958_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS) {
    vector_gate(TOVU_VITAL_GATE_VECTOR_ARGS, Gate::And, 94);
}
extern "C" void ieee_p_1367372525_sub_3240053708_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS) {
    vector_gate(TOVU_VITAL_GATE_VECTOR_ARGS, Gate::Or, 95);
}
extern "C" void ieee_p_1367372525_sub_2748926732_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS) {
    vector_gate(TOVU_VITAL_GATE_VECTOR_ARGS, Gate::Xor, 96);
}
extern "C" void ieee_p_1367372525_sub_1177511724_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS) {
    vector_gate(TOVU_VITAL_GATE_VECTOR_ARGS, Gate::Nand, 97);
}
extern "C" void ieee_p_1367372525_sub_2169265114_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS) {
    vector_gate(TOVU_VITAL_GATE_VECTOR_ARGS, Gate::Nor, 98);
}
extern "C" void ieee_p_1367372525_sub_2152136218_4070434989(TOVU_VITAL_GATE_VECTOR_PARAMS) {
    vector_gate(TOVU_VITAL_GATE_VECTOR_ARGS, Gate::Xnor, 99);
}
#undef TOVU_VITAL_GATE_VECTOR_ARGS

#define TOVU_VITAL_GATE2_CALL(gate, slot)                                                          \
    gate_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot},                           \
                   {{{a_sig, a_pos, a_off}, {b_sig, b_pos, b_off}}, {tpd_a, tpd_b}, 2}, gate, map)
extern "C" void ieee_p_1367372525_sub_814640786_4070434989(TOVU_VITAL_GATE2_PARAMS) {
    TOVU_VITAL_GATE2_CALL(Gate::And, 100);
}
extern "C" void ieee_p_1367372525_sub_2301375168_4070434989(TOVU_VITAL_GATE2_PARAMS) {
    TOVU_VITAL_GATE2_CALL(Gate::Or, 101);
}
extern "C" void ieee_p_1367372525_sub_2956966432_4070434989(TOVU_VITAL_GATE2_PARAMS) {
    TOVU_VITAL_GATE2_CALL(Gate::Nand, 102);
}
extern "C" void ieee_p_1367372525_sub_1325089934_4070434989(TOVU_VITAL_GATE2_PARAMS) {
    TOVU_VITAL_GATE2_CALL(Gate::Nor, 103);
}
extern "C" void ieee_p_1367372525_sub_2225474856_4070434989(TOVU_VITAL_GATE2_PARAMS) {
    TOVU_VITAL_GATE2_CALL(Gate::Xor, 104);
}
extern "C" void ieee_p_1367372525_sub_4006224374_4070434989(TOVU_VITAL_GATE2_PARAMS) {
    TOVU_VITAL_GATE2_CALL(Gate::Xnor, 105);
}
#undef TOVU_VITAL_GATE2_CALL

#define TOVU_VITAL_GATE3_CALL(gate, slot)                                                                         \
    gate_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot},                                          \
                   {{{a_sig, a_pos, a_off}, {b_sig, b_pos, b_off}, {c_sig, c_pos, c_off}}, {tpd_a, tpd_b, tpd_c}, 3}, \
                   gate, map)
extern "C" void ieee_p_1367372525_sub_1174034513_4070434989(TOVU_VITAL_GATE3_PARAMS) {
    TOVU_VITAL_GATE3_CALL(Gate::And, 106);
}
extern "C" void ieee_p_1367372525_sub_2660768895_4070434989(TOVU_VITAL_GATE3_PARAMS) {
    TOVU_VITAL_GATE3_CALL(Gate::Or, 107);
}
extern "C" void ieee_p_1367372525_sub_3316360159_4070434989(TOVU_VITAL_GATE3_PARAMS) {
    TOVU_VITAL_GATE3_CALL(Gate::Nand, 108);
}
extern "C" void ieee_p_1367372525_sub_1684483661_4070434989(TOVU_VITAL_GATE3_PARAMS) {
    TOVU_VITAL_GATE3_CALL(Gate::Nor, 109);
}
extern "C" void ieee_p_1367372525_sub_1473559599_4070434989(TOVU_VITAL_GATE3_PARAMS) {
    TOVU_VITAL_GATE3_CALL(Gate::Xor, 110);
}
extern "C" void ieee_p_1367372525_sub_3254309117_4070434989(TOVU_VITAL_GATE3_PARAMS) {
    TOVU_VITAL_GATE3_CALL(Gate::Xnor, 111);
}
#undef TOVU_VITAL_GATE3_CALL

#define TOVU_VITAL_GATE4_CALL(gate, slot)                                                                  \
    gate_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot},                                   \
                   {{{a_sig, a_pos, a_off}, {b_sig, b_pos, b_off}, {c_sig, c_pos, c_off}, {d_sig, d_pos, d_off}}, \
                    {tpd_a, tpd_b, tpd_c, tpd_d},                                                          \
                    4},                                                                                    \
                   gate, map)
extern "C" void ieee_p_1367372525_sub_582011501_4070434989(TOVU_VITAL_GATE4_PARAMS) {
    TOVU_VITAL_GATE4_CALL(Gate::And, 112);
}
extern "C" void ieee_p_1367372525_sub_2068745883_4070434989(TOVU_VITAL_GATE4_PARAMS) {
    TOVU_VITAL_GATE4_CALL(Gate::Or, 113);
}
extern "C" void ieee_p_1367372525_sub_2724337147_4070434989(TOVU_VITAL_GATE4_PARAMS) {
    TOVU_VITAL_GATE4_CALL(Gate::Nand, 114);
}
extern "C" void ieee_p_1367372525_sub_1092460649_4070434989(TOVU_VITAL_GATE4_PARAMS) {
    TOVU_VITAL_GATE4_CALL(Gate::Nor, 115);
}
extern "C" void ieee_p_1367372525_sub_2063206243_4070434989(TOVU_VITAL_GATE4_PARAMS) {
    TOVU_VITAL_GATE4_CALL(Gate::Xor, 116);
}
extern "C" void ieee_p_1367372525_sub_3843955761_4070434989(TOVU_VITAL_GATE4_PARAMS) {
    TOVU_VITAL_GATE4_CALL(Gate::Xnor, 117);
}
#undef TOVU_VITAL_GATE4_CALL

// ==== buffer and inverter concurrent procedures ==================================

namespace {

// VitalBUF and VitalINV: the delay by the edge of the input, no schedules.
void buffer_procedure(const Procedure &p, const InSig &a, const int64_t *tpd, const uint8_t *map, bool invert) {
    char *block = p.block;
    // NewValue, Glitch_Data, Dly, Glch (never read).
    uint8_t new_value = ux01_local();
    GlitchRecord glitch = glitch_local(block);
    int64_t dly = time_local(), glch = time_local();
    static_cast<void>(glch);
    auto value = [&] { return invert ? ulogic_not(a.value()) : to_ux01(a.value()); };
    if (is_zero_delay01(tpd)) {
        for (;;) {
            p.drive(invert ? mapped(map, value()) : map[value()]);
            wait_on(p.process, {on(a)});
        }
    }
    const int64_t tr01 = delay_of(tpd, kTr01), tr10 = delay_of(tpd, kTr10);
    const int64_t rise = invert ? tr10 : tr01, fall = invert ? tr01 : tr10;
    for (;;) {
        new_value = value();
        switch (p.edge(a)) {
            case kEdge1:
            case kEdgeRise:
            case kEdgeToOne:
            case kEdgeZeroToX: dly = rise; break;
            case kEdge0:
            case kEdgeFall:
            case kEdgeToZero:
            case kEdgeOneToX: dly = fall; break;
            default: dly = minimum(tr01, tr10); break;
        }
        p.glitch_on_event(glitch, map[new_value], dly, kMinusOneNs);
        wait_on(p.process, {on(a)});
    }
}

// VitalIDENT: the delay by the pair (previous value, new value) reduced to X01Z.
void ident_procedure(const Procedure &p, const InSig &a, const int64_t *tpd, const uint8_t *map) {
    char *block = p.block;
    // The subtype "v2" of the pair, made once: the procedure never returns.
    alignas(8) char v2[tovu::layout::kSubtypeStorageSize];
    zem_create_subtype(v2, kSubtypeV2, slv_type(), &kV2Range, kSubtypeKind);
    uint8_t new_value = ux01z_local();
    GlitchRecord glitch = glitch_local(block);
    int64_t dly = time_local(), glch = time_local();
    static_cast<void>(glch);
    if (is_zero_delay01z(tpd)) {
        for (;;) {
            p.drive(map[package_to_ux01z(block, a.value())]);
            wait_on(p.process, {on(a)});
        }
    }
    auto d = [&](size_t transition) { return delay_of(tpd, transition); };
    for (;;) {
        array_bounds pair_b;
        const uint8_t previous = to_x01z(new_value);
        const uint8_t next = to_x01z(a.value());
        const auto *pair = static_cast<const uint8_t *>(zem_base_array_concat(
            nullptr, &pair_b, slv_type(), CONCAT_ELEMENT, int32_t{previous}, CONCAT_ELEMENT, int32_t{next},
            CONCAT_END));
        const uint8_t *choices = literal(block, kLitIdentChoices);
        int arm = 0;
        while (arm < 15 && zem_mem_cmp(choices + 2 * arm, pair, 2) != 1) ++arm;
        // From '0' and '1' (arms 0 to 7): 00 01 0Z 0X 10 11 1Z 1X.
        static constexpr size_t kArmDelay[8] = {kTr10, kTr01, kTr0z, kTr01, kTr10, kTr01, kTr1z, kTr10};
        if (arm < 8)
            dly = d(kArmDelay[arm]);
        else if (arm == 8)
            dly = d(kTrz0);  // Z -> 0
        else if (arm == 9)
            dly = d(kTrz1);  // Z -> 1
        else if (arm == 10)
            dly = 0;  // 'Z' stays 'Z'
        else if (arm == 11)
            dly = minimum(d(kTrz1), d(kTrz0));  // Z -> X
        else if (arm == 12)
            dly = d(kTr10);  // X -> 0
        else if (arm == 13)
            dly = d(kTr01);  // X -> 1
        else if (arm == 14)
            dly = minimum(d(kTr0z), d(kTr1z));  // X -> Z
        else
            dly = minimum(d(kTr01), d(kTr10));  // X -> X
        new_value = package_to_ux01z(block, a.value());
        p.glitch_on_event(glitch, map[new_value], dly, kMinusOneNs);
        wait_on(p.process, {on(a)});
    }
}

// The tri-state buffers and inverters: the data path through BufPath
// (InvPath for the inverters), the enable through BufEnab (active high) or
// InvEnab (active low), the schedules inverted as each member needs.
struct EnableMember {
    uint8_t (*function)(char *, uint8_t, uint8_t, const uint8_t *);  // the function form
    bool invert_data;  // InvPath, and the data schedule inverted (new_schd)
    bool active_low;   // InvEnab, and the enable schedules inverted
};

void enable_procedure(const Procedure &p, const InSig &data, const InSig &enable, const int64_t *tpd_data,
                      const int64_t *tpd_enable, const uint8_t *map, const EnableMember &m) {
    char *block = p.block;
    // The locals in declaration order: NewValue, (the inverters) new_schd,
    // Glitch_Data, d_Schd, e1_Schd, e0_Schd, ne1_schd, ne0_schd (the
    // inverters' a copy of DefSchedType), Dly, Glch.
    uint8_t new_value = ux01z_local();
    Sched new_schd{};
    if (m.invert_data) new_schd = sched_local(block);
    GlitchRecord glitch = glitch_local(block);
    Sched d = sched_local(block), e1 = sched_local(block), e0 = sched_local(block);
    Sched ne1{}, ne0{};
    if (m.invert_data) {
        assign_sched(ne1, constant(block, kConstDefSchedType));
        assign_sched(ne0, constant(block, kConstDefSchedType));
    } else {
        ne1 = sched_local(block);
        ne0 = sched_local(block);
    }
    int64_t dly = time_local(), glch = time_local();

    if (is_zero_delay01(tpd_data) && is_zero_delay01z(tpd_enable)) {
        for (;;) {
            p.drive(m.function(block, data.value(), enable.value(), map));
            wait_on(p.process, {on(data), on(enable)});
        }
    }
    auto update = [&](auto data_edge, auto enable_edge) {
        p.path(d, data_edge(), tpd_data, m.invert_data);
        if (m.active_low)
            ieee_p_1367372525_sub_740479443_4070434989(block, p.process, bytes(e1), bytes(e0), enable_edge(),
                                                       tpd_enable);
        else
            ieee_p_1367372525_sub_2732900579_4070434989(block, p.process, bytes(e1), bytes(e0), enable_edge(),
                                                        tpd_enable);
    };
    update([&] { return initial_edge(block, data.value()); }, [&] { return initial_edge(block, enable.value()); });
    for (;;) {
        update([&] { return p.edge(data); }, [&] { return p.edge(enable); });
        new_value = m.function(block, data.value(), enable.value(), default_result_zmap());
        if (m.invert_data) assign_sched(new_schd, s_not(block, bytes(d)));
        if (m.active_low) {
            assign_sched(ne1, s_not(block, bytes(e1)));
            assign_sched(ne0, s_not(block, bytes(e0)));
        }
        const Sched &data_schd = m.invert_data ? new_schd : d;
        const Sched &one_schd = m.active_low ? ne1 : e1, &zero_schd = m.active_low ? ne0 : e0;
        const uint8_t current = cur_value_of(block, glitch);
        const Sched dc = data_schd, e1c = one_schd, e0c = zero_schd;
        ieee_p_1367372525_sub_2143903942_4070434989(block, p.process, &dly, &glch, new_value, current, bytes(dc),
                                                    bytes(e1c), bytes(e0c));
        p.glitch_on_event(glitch, map[new_value], dly, glch);
        wait_on(p.process, {on(data), on(enable)});
    }
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_1956994121_4070434989(TOVU_VITAL_BUF_PARAMS) {
    buffer_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 118}, {a_sig, a_pos, a_off}, tpd, map, false);
}
extern "C" void ieee_p_1367372525_sub_1425513643_4070434989(TOVU_VITAL_BUF_PARAMS) {
    ident_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 121}, {a_sig, a_pos, a_off}, tpd, map);
}
extern "C" void ieee_p_1367372525_sub_2809565465_4070434989(TOVU_VITAL_BUF_PARAMS) {
    buffer_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 122}, {a_sig, a_pos, a_off}, tpd, map, true);
}

// Entries 119, 120, 123, 124: VitalBUFIF1, VitalBUFIF0, VitalINVIF1,
// VitalINVIF0 (each IF1 before its IF0).
#define TOVU_VITAL_ENABLE_CALL(slot, member)                                                                       \
    enable_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot}, {data_sig, data_pos, data_off},         \
                     {enable_sig, enable_pos, enable_off}, tpd_data, tpd_enable, map, member)
extern "C" void ieee_p_1367372525_sub_806467043_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL(119, (EnableMember{ieee_p_1367372525_sub_3976822671_4070434989, false, false}));
}
extern "C" void ieee_p_1367372525_sub_1188012972_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL(120, (EnableMember{ieee_p_1367372525_sub_3976821582_4070434989, false, true}));
}
extern "C" void ieee_p_1367372525_sub_3427255122_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL(123, (EnableMember{ieee_p_1367372525_sub_1834037887_4070434989, true, false}));
}
extern "C" void ieee_p_1367372525_sub_3624292364_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL(124, (EnableMember{ieee_p_1367372525_sub_1834036798_4070434989, true, true}));
}
#undef TOVU_VITAL_ENABLE_CALL

// ==== multiplexer and decoder concurrent procedures ==============================

namespace {

// VitalMUX2: scalar data and select; the select's edge is asked for each of
// its two schedules.
void mux2_procedure(const Procedure &p, const InSig &d1, const InSig &d0, const InSig &sel, const int64_t *tpd_d1,
                    const int64_t *tpd_d0, const int64_t *tpd_sel, const uint8_t *map) {
    char *block = p.block;
    // NewValue, Glitch_Data, d1_Schd, d0_Schd, dSel_bSchd, dSel_iSchd,
    // new_schd, Dly, Glch.
    uint8_t new_value = ux01_local();
    GlitchRecord glitch = glitch_local(block);
    Sched s1 = sched_local(block), s0 = sched_local(block), sb = sched_local(block), si = sched_local(block);
    Sched new_schd = sched_local(block);
    int64_t dly = time_local(), glch = time_local();
    if (is_zero_delay01(tpd_d1) && is_zero_delay01(tpd_d0) && is_zero_delay01(tpd_sel)) {
        for (;;) {
            p.drive(mux2_value(block, d1.value(), d0.value(), sel.value(), map));
            wait_on(p.process, {on(d1), on(d0), on(sel)});
        }
    }
    p.buf_path(s1, initial_edge(block, d1.value()), tpd_d1);
    p.buf_path(s0, initial_edge(block, d0.value()), tpd_d0);
    p.buf_path(sb, initial_edge(block, sel.value()), tpd_sel);
    p.inv_path(si, initial_edge(block, sel.value()), tpd_sel);
    for (;;) {
        p.buf_path(s1, p.edge(d1), tpd_d1);
        p.buf_path(s0, p.edge(d0), tpd_d0);
        p.buf_path(sb, p.edge(sel), tpd_sel);
        p.inv_path(si, p.edge(sel), tpd_sel);
        new_value = mux2_value(block, d1.value(), d0.value(), sel.value(), default_result_map());
        assign_sched(new_schd, mux2_sched(block, bytes(s1), bytes(s0), bytes(sb), bytes(si)));
        p.sched_delay(dly, glch, new_value, glitch, new_schd);
        p.glitch_on_event(glitch, map[new_value], dly, glch);
        wait_on(p.process, {on(d1), on(d0), on(sel)});
    }
}

// A vector input of a procedure in the timed model: its values at the last
// pass (all 'U' at first), its edges and its schedules (buffered, and
// inverted where asked for), all with the input's range, kept across waits.
struct VectorInput {
    VecSig sig;
    const int64_t *tpd;
    std::vector<uint8_t> last;
    ProcedureArray edges, bsched, isched;
};

// The per-element set-up of an input's schedules: BufPath (and InvPath)
// from the initial edge of each element's present value.
void set_up_schedules(const Procedure &p, VectorInput &in) {
    const array_bounds &range = in.sig.range;
    for (uint32_t k = 0; k < in.sig.n(); ++k) {
        const int32_t i = index_at(range, k);
        const uint8_t edge = initial_edge(p.block, in.sig.at(i));
        const int64_t *tpd = indexed(in.tpd, &range, i, 2);
        p.path_element(indexed(in.bsched.data(), &range, i, kSchedSize), edge, tpd, false);
        if (in.isched.bounds()->length > 0)
            p.path_element(indexed(in.isched.data(), &range, i, kSchedSize), edge, tpd, true);
    }
}
// GetEdge on the whole vector, then the vector BufPath (and InvPath).
void update_schedules(const Procedure &p, VectorInput &in) {
    const array_bounds *range = &in.sig.range;
    p.edges(in.sig, in.last.data(), in.edges.data());
    p.path_all(in.bsched.data(), range, in.edges.data(), range, in.tpd, range, false);
    if (in.isched.bounds()->length > 0)
        p.path_all(in.isched.data(), range, in.edges.data(), range, in.tpd, range, true);
}

// VitalMUX4, VitalMUX8 and VitalMUX: the zero-delay model drives VitalMUX;
// the timed model computes the member's own value and schedule functions
// (`width` 4 or 8, or 0 for any width).
void mux_procedure(const Procedure &p, const VecSig &data, const VecSig &sel, const int64_t *tpd_data,
                   const array_bounds *tpd_data_b, const int64_t *tpd_sel, const array_bounds *tpd_sel_b,
                   const uint8_t *map, uint32_t width) {
    char *block = p.block;
    // The locals in declaration order: LastData, LastdSel (all 'U'),
    // NewValue, Glitch_Data, new_schd, Dly, Glch, Data_Schd, Data_Edge,
    // dSel_Edge, dSel_bSchd, dSel_iSchd, the views of the delays.
    VectorInput d{data, tpd_data, std::vector<uint8_t>(data.n()), {}, {}, {}};
    VectorInput s{sel, tpd_sel, std::vector<uint8_t>(sel.n()), {}, {}, {}};
    assign_all_u(d.last.data(), data.n());
    assign_all_u(s.last.data(), sel.n());
    uint8_t new_value = ux01_local();
    GlitchRecord glitch = glitch_local(block);
    Sched new_schd = sched_local(block);
    int64_t dly = time_local(), glch = time_local();
    d.bsched = ProcedureArray(block + kTypeSchedArray, data.range, kSchedSize);
    d.edges = ProcedureArray(block + kTypeEdgeArray, data.range, 1);
    s.edges = ProcedureArray(block + kTypeEdgeArray, sel.range, 1);
    s.bsched = ProcedureArray(block + kTypeSchedArray, sel.range, kSchedSize);
    s.isched = ProcedureArray(block + kTypeSchedArray, sel.range, kSchedSize);
    check_delay_count(data.n(), tpd_data_b);
    check_delay_count(sel.n(), tpd_sel_b);

    if (all_zero_delay01(tpd_sel, sel.range) && all_zero_delay01(tpd_data, data.range)) {
        for (;;) {
            p.drive(mux_value(block, data.values(), &data.range, sel.values(), &sel.range, map));
            wait_on(p.process, {on(data), on(sel)});
        }
    }
    set_up_schedules(p, d);
    set_up_schedules(p, s);
    for (;;) {
        update_schedules(p, d);
        update_schedules(p, s);
        const uint8_t *sb = s.bsched.data(), *si = s.isched.data();
        if (width == 4) {
            new_value = mux4_value(block, data.values(), sel.values(), default_result_map());
            assign_sched(new_schd, mux4_sched(block, d.bsched.data(), sb, si));
        } else if (width == 8) {
            new_value = mux8_value(block, data.values(), sel.values(), default_result_map());
            assign_sched(new_schd, mux8_sched(block, d.bsched.data(), sb, si));
        } else {
            new_value = mux_value(block, data.values(), &data.range, sel.values(), &sel.range, default_result_map());
            assign_sched(new_schd, ieee_p_1367372525_sub_2549639725_4070434989(block, d.bsched.data(), &data.range,
                                                                               sb, &sel.range, si, &sel.range));
        }
        p.sched_delay(dly, glch, new_value, glitch, new_schd);
        p.glitch_on_event(glitch, map[new_value], dly, glch);
        wait_on(p.process, {on(data), on(sel)});
    }
}

// How a decoder procedure computes its value and schedules.
struct DecoderMember {
    uint32_t bits;  // of the address: 1, 2, 3, or 0 for any number
    size_t value_type_offset;  // in VITAL_Timing's block, or 0 for std_logic_vector with q's range
};

// The value of a decoder, its length checked against q's (a failed check
// stops the run before a wrong-sized value is staged or kept).
const uint8_t *decoder_value(char *block, const VecSig &data, uint8_t enable, const uint8_t *map, uint32_t bits,
                             uint32_t outputs, bool zero_delay_model) {
    if (bits == 1) return ieee_p_1367372525_sub_912567720_4070434989(block, data.values()[0], enable, map);
    if (bits == 2) return ieee_p_1367372525_sub_1556117169_4070434989(block, data.values(), enable, map);
    if (bits == 3 && !zero_delay_model)
        return ieee_p_1367372525_sub_890662368_4070434989(block, data.values(), enable, map);
    array_bounds vb;
    const uint8_t *v = ieee_p_1367372525_sub_3733906378_4070434989(block, &vb, data.values(), &data.range, enable, map);
    if (length_of(&vb) != outputs) zem_size_not_matching(static_cast<int32_t>(outputs), vb.length, 0);
    return v;
}

// The schedule form of a decoder of `bits` address bits (0: any number).
const uint8_t *decoder_schedule(char *block, const uint8_t *data_b, const uint8_t *data_i, const array_bounds &range,
                                const uint8_t *enab, uint32_t bits, uint32_t outputs) {
    array_bounds sb;
    const uint8_t *r;
    if (bits == 1)
        r = ieee_p_1367372525_sub_494902076_4070434989(block, &sb, data_b, data_i, enab);
    else if (bits == 2)
        r = ieee_p_1367372525_sub_1145282600_4070434989(block, &sb, data_b, data_i, enab);
    else if (bits == 3)
        r = ieee_p_1367372525_sub_1271667029_4070434989(block, &sb, data_b, data_i, enab);
    else
        r = ieee_p_1367372525_sub_23007260_4070434989(block, &sb, data_b, &range, data_i, &range, enab);
    if (length_of(&sb) != outputs) zem_size_not_matching(static_cast<int32_t>(outputs), sb.length, 0);
    return r;
}

// The decoders: the output vector q, highest element first. Zero-delay
// model: the whole value in one transaction. Timed model: the address bits'
// buffered and inverted schedules and the enable's, decoded into one
// schedule per output, and the vector glitch handling.
void decoder_procedure(const Procedure &p, const array_bounds &q_b, const VecSig &data, const InSig &enable,
                       const int64_t *tpd_data, const array_bounds *tpd_data_b, const int64_t *tpd_enable,
                       const uint8_t *map, const DecoderMember &m) {
    char *block = p.block;
    const uint32_t outputs = length_of(&q_b), n = data.n();
    // The locals in declaration order: LastData (all 'U'; not for the
    // one-bit decoder), NewValue, Glitch_Data, Data_BSchd, Data_ISchd,
    // Data_Edge, Enable_Schd, new_schd, Dly, Glch (q's width), the view of
    // the delays.
    VectorInput d{data, tpd_data, std::vector<uint8_t>(m.bits == 1 ? 0 : n), {}, {}, {}};
    if (m.bits != 1) assign_all_u(d.last.data(), n);
    ProcedureArray new_value = m.value_type_offset != 0
                                   ? ProcedureArray(IEEE_P_2717149903 + m.value_type_offset, q_b, 1)
                                   : ProcedureArray(slv_type(), q_b, 1);
    ProcedureArray glitch(block + kTypeGlitchDataArray, q_b, kGlitchDataSize);
    Sched data_b1{}, data_i1{};  // the one-bit decoder's address schedules
    if (m.bits == 1) {
        data_b1 = sched_local(block);
        data_i1 = sched_local(block);
    } else {
        d.bsched = ProcedureArray(block + kTypeSchedArray, data.range, kSchedSize);
        d.isched = ProcedureArray(block + kTypeSchedArray, data.range, kSchedSize);
        d.edges = ProcedureArray(block + kTypeEdgeArray, data.range, 1);
    }
    Sched enable_schd = sched_local(block);
    ProcedureArray new_schd(block + kTypeSchedArray, q_b, kSchedSize);
    ProcedureArray dly(time_array_type(), q_b, 8), glch(time_array_type(), q_b, 8);
    if (tpd_data_b) check_delay_count(n, tpd_data_b);

    bool zero_delay = is_zero_delay01(tpd_enable);
    if (zero_delay) zero_delay = m.bits == 1 ? is_zero_delay01(tpd_data) : all_zero_delay01(tpd_data, data.range);
    if (zero_delay) {
        for (;;) {
            p.drive(decoder_value(block, data, enable.value(), map, m.bits, outputs, true), outputs);
            wait_on(p.process, {on(data), on(enable)});
        }
    }
    const InSig data_bit{data.sig, data.pos, data.off};
    if (m.bits == 1) {
        p.buf_path(data_b1, initial_edge(block, data_bit.value()), tpd_data);
        p.inv_path(data_i1, initial_edge(block, data_bit.value()), tpd_data);
    } else {
        set_up_schedules(p, d);
    }
    p.buf_path(enable_schd, initial_edge(block, enable.value()), tpd_enable);
    const array_bounds *qr = new_value.bounds();
    for (;;) {
        if (m.bits == 1) {
            p.buf_path(data_b1, p.edge(data_bit), tpd_data);
            p.inv_path(data_i1, p.edge(data_bit), tpd_data);
        } else {
            update_schedules(p, d);
        }
        p.buf_path(enable_schd, p.edge(enable), tpd_enable);
        std::memcpy(new_value.data(), decoder_value(block, data, enable.value(), map, m.bits, outputs, false), outputs);
        const uint8_t *db = m.bits == 1 ? bytes(data_b1) : d.bsched.data();
        const uint8_t *di = m.bits == 1 ? bytes(data_i1) : d.isched.data();
        std::memcpy(new_schd.data(), decoder_schedule(block, db, di, data.range, bytes(enable_schd), m.bits, outputs),
                    static_cast<size_t>(outputs) * kSchedSize);
        array_bounds cur_b;
        const uint8_t *cur = ieee_p_1367372525_sub_2531918842_4070434989(block, &cur_b, glitch.data(), qr);
        ieee_p_1367372525_sub_2959442363_4070434989(block, p.process, dly.times(), qr, glch.times(), qr,
                                                    new_value.data(), qr, cur, &cur_b, new_schd.data(), qr);
        const array_bounds name_b = literal_bounds(1);
        ieee_p_1367372525_sub_2661383135_4070434989(block, p.process, p.q.sig, p.q.pos, p.q.off, p.q.drv, qr,
                                                    p.name(), &name_b, glitch.data(), qr, new_value.data(), qr,
                                                    dly.times(), qr, prim_glitch_mode(block), glch.times(), qr,
                                                    kWarning);
        wait_on(p.process, {on(data), on(enable)});
    }
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_1423760678_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                            uint32_t q_off, void *q_drv, void *d1_sig, uint32_t d1_pos,
                                                            uint32_t d1_off, void *d0_sig, uint32_t d0_pos,
                                                            uint32_t d0_off, void *sel_sig, uint32_t sel_pos,
                                                            uint32_t sel_off, const int64_t *tpd_d1,
                                                            const int64_t *tpd_d0, const int64_t *tpd_sel,
                                                            const uint8_t *map) {
    mux2_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 125}, {d1_sig, d1_pos, d1_off},
                   {d0_sig, d0_pos, d0_off}, {sel_sig, sel_pos, sel_off}, tpd_d1, tpd_d0, tpd_sel, map);
}

// VitalMUX4 and VitalMUX8: Data (3 downto 0) or (7 downto 0), dSel (1 downto
// 0) or (2 downto 0).
#define TOVU_VITAL_MUXN_CALL(data_width, select_width, slot)                                                   \
    mux_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot},                                        \
                  vec_sig(data_sig, data_pos, data_off, downto_zero(data_width)),                              \
                  vec_sig(sel_sig, sel_pos, sel_off, downto_zero(select_width)), tpd_data, tpd_data_b, tpd_sel, \
                  tpd_sel_b, map, data_width)
extern "C" void ieee_p_1367372525_sub_1464975953_4070434989(TOVU_VITAL_MUXN_PARAMS) { TOVU_VITAL_MUXN_CALL(4, 2, 126); }
extern "C" void ieee_p_1367372525_sub_1050295276_4070434989(TOVU_VITAL_MUXN_PARAMS) { TOVU_VITAL_MUXN_CALL(8, 3, 127); }
#undef TOVU_VITAL_MUXN_CALL

extern "C" void ieee_p_1367372525_sub_2471049937_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                            uint32_t q_off, void *q_drv, void *data_sig,
                                                            uint32_t data_pos, uint32_t data_off,
                                                            const array_bounds *data_b, void *sel_sig,
                                                            uint32_t sel_pos, uint32_t sel_off,
                                                            const array_bounds *sel_b, const int64_t *tpd_data,
                                                            const array_bounds *tpd_data_b, const int64_t *tpd_sel,
                                                            const array_bounds *tpd_sel_b, const uint8_t *map) {
    mux_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 128}, vec_sig(data_sig, data_pos, data_off, *data_b),
                  vec_sig(sel_sig, sel_pos, sel_off, *sel_b), tpd_data, tpd_data_b, tpd_sel, tpd_sel_b, map, 0);
}

extern "C" void ieee_p_1367372525_sub_2929378169_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                            uint32_t q_off, void *q_drv, void *data_sig,
                                                            uint32_t data_pos, uint32_t data_off, void *enable_sig,
                                                            uint32_t enable_pos, uint32_t enable_off,
                                                            const int64_t *tpd_data, const int64_t *tpd_enable,
                                                            const uint8_t *map) {
    decoder_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 129}, downto_zero(2),
                      vec_sig(data_sig, data_pos, data_off, downto_zero(1)), {enable_sig, enable_pos, enable_off},
                      tpd_data, nullptr, tpd_enable, map, DecoderMember{1, vital_timing::kTypeStdLogicVector2});
}

// VitalDECODER4 and VitalDECODER8: q (3 downto 0) or (7 downto 0), Data (1
// downto 0) or (2 downto 0).
#define TOVU_VITAL_DECODERN_CALL(bits, slot)                                                                    \
    decoder_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, slot}, downto_zero(1u << (bits)),          \
                      vec_sig(data_sig, data_pos, data_off, downto_zero(bits)),                                 \
                      {enable_sig, enable_pos, enable_off}, tpd_data, tpd_data_b, tpd_enable, map,               \
                      DecoderMember{bits, 0})
extern "C" void ieee_p_1367372525_sub_2884513025_4070434989(TOVU_VITAL_DECODERN_PARAMS) {
    TOVU_VITAL_DECODERN_CALL(2, 130);
}
extern "C" void ieee_p_1367372525_sub_2321378141_4070434989(TOVU_VITAL_DECODERN_PARAMS) {
    TOVU_VITAL_DECODERN_CALL(3, 131);
}
#undef TOVU_VITAL_DECODERN_CALL

extern "C" void ieee_p_1367372525_sub_1093634699_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                            uint32_t q_off, void *q_drv, const array_bounds *q_b,
                                                            void *data_sig, uint32_t data_pos, uint32_t data_off,
                                                            const array_bounds *data_b, void *enable_sig,
                                                            uint32_t enable_pos, uint32_t enable_off,
                                                            const int64_t *tpd_data, const array_bounds *tpd_data_b,
                                                            const int64_t *tpd_enable, const uint8_t *map) {
    decoder_procedure({block, process, {q_sig, q_pos, q_off, q_drv}, 132}, make_bounds(q_b->left, q_b->right, q_b->dir),
                      vec_sig(data_sig, data_pos, data_off, *data_b), {enable_sig, enable_pos, enable_off}, tpd_data,
                      tpd_data_b, tpd_enable, map, DecoderMember{0, 0});
}

// ==== truth and state tables =====================================================

namespace {

// A truth or state table: rows of symbols (VitalTableSymbolType positions),
// passed with two bounds, rows then columns.
struct SymbolTable {
    const uint8_t *data;
    uint32_t rows, cols;
    SymbolTable(const uint8_t *d, const array_bounds *b) : data(d), rows(length_of(&b[0])), cols(length_of(&b[1])) {}
    uint8_t at(uint32_t i, uint32_t j) const { return data[static_cast<size_t>(i) * cols + j]; }
    // The routine's own copy of the table, viewed as (0 to rows-1, 0 to cols-1).
    SymbolTable local_copy() const {
        SymbolTable t = *this;
        const uint64_t n = uint64_t{rows} * cols;
        auto *copy = static_cast<uint8_t *>(transient(n));
        if (n > 0) std::memcpy(copy, data, n);
        t.data = copy;
        return t;
    }
};

// A symbol's place in the tables indexed by truth symbols ('X' .. 'Z'), and
// a state symbol checked to be one; a byte outside the type never indexes them.
uint8_t truth_index(uint8_t symbol) {
    zem_vhdl_check_range_of_index(kFirstTruthSymbol, kLastTruthSymbol, 1, symbol);
    return static_cast<uint8_t>(symbol - kFirstTruthSymbol);
}
uint8_t state_symbol(uint8_t symbol) {
    zem_vhdl_check_range_of_index(0, kLastStateSymbol, 1, symbol);
    return symbol;
}

void truth_error(char *block, uint8_t error_id) { error_from(block, kLitTruthTable, 15, error_id); }
void state_error(char *block, uint8_t error_id) { error_from(block, kLitStateTable, 15, error_id); }

// TruthOutputX01Z: the output value of a truth-table symbol.
uint8_t truth_output(char *block, uint8_t symbol, bool &err) {
    err = false;
    const uint8_t k = truth_index(symbol);
    uint8_t v = table(block, kConstTruthTableOutMap)[k];
    if (v == DC) {
        err = true;
        v = X;
        error_from(block, kLitTruthTable, 15, kErrOutSym, table(block, kConstToTruthChar)[k]);
    }
    return v;
}
// StateOutputX01Z: the output value of a state-table symbol; 'W' from the
// map stands for the present output.
uint8_t state_output(char *block, uint8_t symbol, uint8_t prev_out, bool &err) {
    err = false;
    const uint8_t s = state_symbol(symbol);
    uint8_t v = table(block, kConstStateTableOutMap)[s];
    if (v == DC) {
        err = true;
        v = X;
        error_from(block, kLitStateTable, 15, kErrOutSym, table(block, kConstToStateChar)[s]);
    } else if (v == W) {
        v = checked_x01z(prev_out);
    }
    return v;
}
// StateMatch: does a symbol of an input (or, `state`, a state) column match
// the present and last X01 values? An illegal symbol is reported and
// matches nothing.
bool state_match(char *block, uint8_t symbol, uint8_t present, uint8_t last, bool state, bool &err) {
    const uint8_t s = state_symbol(symbol);
    if (table(block, state ? kConstValidStateTableState : kConstValidStateTableInput)[s] == kFalse) {
        error_from(block, kLitStateTable, 15, state ? kErrStaSym : kErrInpSym, table(block, kConstToStateChar)[s]);
        err = true;
        return false;
    }
    err = false;
    zem_vhdl_check_range_of_index(1, 3, 1, last);
    zem_vhdl_check_range_of_index(1, 3, 1, present);
    return table(block, kConstStateTableMatch)[(last - 1) * 69 + (present - 1) * 23 + s] != kFalse;
}

// A width of a table part; a negative one (a table narrower than its
// inputs) counts as none.
uint32_t width_of(int64_t w) { return w > 0 ? static_cast<uint32_t>(w) : 0; }

// StateTableLookUp: the next outputs (ResponseLen of them, in transient
// memory) of the first row that matches the inputs, the present outputs in
// the state columns and the previous inputs. All 'X' when no row matches.
uint8_t *state_lookup(char *block, const SymbolTable &state_table, const uint8_t *data_in,
                      const array_bounds *data_in_b, const uint8_t *prev_data_in, const array_bounds *prev_data_in_b,
                      int32_t num_states, const uint8_t *prev_output, const array_bounds *prev_output_b,
                      array_bounds *result) {
    zem_vhdl_check_range_of_index(0, INT32_MAX, 1, num_states);  // NATURAL
    const uint32_t input_size = length_of(data_in_b), states = static_cast<uint32_t>(num_states);
    const uint32_t prev_output_len = length_of(prev_output_b);
    const int64_t new_inp_len = int64_t{input_size} + states;
    const uint32_t response_len = width_of(int64_t{state_table.cols} - new_inp_len);
    const auto width = static_cast<uint32_t>(new_inp_len);
    // Inputs, PrevInputs (all 'X'), ReturnValue (all 'X'), the table copy.
    const array_bounds inputs_b = make_bounds(0, static_cast<int32_t>(width) - 1, 1);
    uint8_t *inputs = function_array(slv_type(), inputs_b, 1);
    const array_bounds prev_inputs_b = inputs_b;
    uint8_t *prev_inputs = function_array(slv_type(), prev_inputs_b, 1);
    assign_all_x(prev_inputs, width);
    const array_bounds return_b = make_bounds(0, static_cast<int32_t>(response_len) - 1, 1);
    uint8_t *return_value = function_array(slv_type(), return_b, 1);
    assign_all_x(return_value, response_len);
    const SymbolTable t = state_table.local_copy();

    // Inputs := DataIn & PrevOutput(0 to NumStates-1); PrevInputs(0 to
    // InputSize-1) := PrevDataIn(0 to InputSize-1). The slices are checked
    // against their arrays' bounds, so they are never longer than the arrays.
    if (input_size > 0) std::memcpy(inputs, data_in, input_size);
    zem_vhdl_check_range_of_slice(prev_output_b->left, prev_output_b->right, prev_output_b->dir, 0, num_states - 1, 1);
    if (states > 0) std::memcpy(inputs + input_size, prev_output, states);
    zem_vhdl_check_range_of_slice(prev_data_in_b->left, prev_data_in_b->right, prev_data_in_b->dir, 0,
                                  static_cast<int32_t>(input_size) - 1, 1);
    if (input_size > 0) std::memcpy(prev_inputs, prev_data_in, input_size);
    // The rows are read up to column NewInpLen-1.
    if (t.rows > 0 && new_inp_len > t.cols)
        zem_vhdl_check_range_of_index(0, static_cast<int32_t>(t.cols) - 1, 1, static_cast<int32_t>(new_inp_len - 1));

    for (uint32_t i = 0; i < t.rows; ++i) {
        bool matched = true, err;
        for (uint32_t j = 0; j < width && matched; ++j)
            matched = state_match(block, t.at(i, j), inputs[j], prev_inputs[j], j >= input_size, err);
        if (!matched) continue;
        const uint32_t count = static_cast<uint32_t>(
            ieee_p_1367372525_sub_1019729693_4070434989(block, static_cast<int32_t>(response_len),
                                                        static_cast<int32_t>(prev_output_len)));
        for (uint32_t k = 0; k < count; ++k) {
            const uint8_t temp =
                state_output(block, t.at(i, t.cols - 1 - k), prev_output[prev_output_len - 1 - k], err);
            return_value[response_len - 1 - k] = temp;
            if (err) {
                assign_all_x(return_value, response_len);
                break;
            }
        }
        break;
    }
    return vector_result(return_value, response_len, result, return_b);
}

// ResultAlias := all 'X', then the last min(OutSize, ResLeng) outputs copied
// to its right end.
void right_aligned(uint8_t *result, uint32_t res_len, const uint8_t *outputs, uint32_t out_size) {
    assign_all_x(result, res_len);
    const uint32_t n = out_size < res_len ? out_size : res_len;
    if (n > 0) std::memcpy(result + (res_len - n), outputs + (out_size - n), n);
}

// The width checks of a state table with `out_size` outputs for a result of
// `res_len` elements; false when the table has no output column.
bool state_widths_ok(char *block, int64_t out_size, uint32_t res_len) {
    if (out_size <= 0) {
        state_error(block, kErrTabWidSml);
        return false;
    }
    if (out_size < res_len)
        state_error(block, kErrTabResSml);
    else if (res_len < out_size)
        state_error(block, kErrTabResLrg);
    return true;
}

uint8_t *truth_table_vector(char *block, array_bounds *result, const uint8_t *table_data, const array_bounds *table_b,
                            const uint8_t *data_in, const array_bounds *data_in_b) {
    return ieee_p_1367372525_sub_669306805_4070434989(block, result, table_data, table_b, data_in, data_in_b);
}
uint8_t *state_table_lookup(char *block, array_bounds *result, const uint8_t *table_data, const array_bounds *table_b,
                            const uint8_t *data_in, const array_bounds *data_in_b, const uint8_t *prev_data_in,
                            const array_bounds *prev_data_in_b, int32_t num_states, const uint8_t *prev_output,
                            const array_bounds *prev_output_b) {
    return ieee_p_1367372525_sub_554835078_4070434989(block, result, table_data, table_b, data_in, data_in_b,
                                                      prev_data_in, prev_data_in_b, num_states, prev_output,
                                                      prev_output_b);
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_1973817075_4070434989(char *block, void *, uint8_t symbol, uint8_t *out,
                                                            uint8_t *err) {
    bool e;
    *out = truth_output(block, symbol, e);
    *err = e ? kTrue : kFalse;
}

extern "C" void ieee_p_1367372525_sub_2176736808_4070434989(char *block, void *, uint8_t symbol, uint8_t prev_out,
                                                            uint8_t *out, uint8_t *err) {
    bool e;
    *out = state_output(block, symbol, prev_out, e);
    *err = e ? kTrue : kFalse;
}

extern "C" void ieee_p_1367372525_sub_1687454899_4070434989(char *block, void *, uint8_t symbol, uint8_t present,
                                                            uint8_t last, uint8_t state, uint8_t *err,
                                                            uint8_t *match) {
    bool e;
    *match = state_match(block, symbol, present, last, state != kFalse, e) ? kTrue : kFalse;
    *err = e ? kTrue : kFalse;
}

extern "C" uint8_t *ieee_p_1367372525_sub_554835078_4070434989(char *block, array_bounds *result,
                                                               const uint8_t *table_data, const array_bounds *table_b,
                                                               const uint8_t *data_in, const array_bounds *data_in_b,
                                                               const uint8_t *prev_data_in,
                                                               const array_bounds *prev_data_in_b, int32_t num_states,
                                                               const uint8_t *prev_output,
                                                               const array_bounds *prev_output_b) {
    return state_lookup(block, SymbolTable(table_data, table_b), data_in, data_in_b, prev_data_in, prev_data_in_b,
                        num_states, prev_output, prev_output_b, result);
}

// VitalTruthTable (vector result): the outputs of the first matching row,
// the first output column leftmost; all 'X' when none matches, when the
// search meets an illegal input symbol or when the row's outputs hold an
// illegal symbol. A table without output columns gives a null vector.
extern "C" uint8_t *ieee_p_1367372525_sub_669306805_4070434989(char *block, array_bounds *result,
                                                               const uint8_t *table_data, const array_bounds *table_b,
                                                               const uint8_t *data_in, const array_bounds *data_in_b) {
    const SymbolTable truth_table(table_data, table_b);
    const uint32_t input_size = length_of(data_in_b);
    const int64_t width = int64_t{truth_table.cols} - input_size;
    const uint32_t out_size = width_of(width);
    // ReturnValue (all 'X'), DataInAlias (To_X01 of DataIn), the table copy.
    const array_bounds return_b = downto_zero(out_size);
    uint8_t *return_value = static_cast<uint8_t *>(transient(out_size));
    assign_all_x(return_value, out_size);
    auto *data = static_cast<uint8_t *>(transient(input_size));
    to_x01_into(data, data_in, data_in_b);
    const SymbolTable t = truth_table.local_copy();
    if (width <= 0) {
        truth_error(block, kErrTabWidSml);
        return vector_result(return_value, out_size, result, return_b);
    }
    const uint8_t *valid = table(block, kConstValidTruthTableInput);
    const uint8_t *match = table(block, kConstTruthTableMatch);
    for (uint32_t i = 0; i < t.rows; ++i) {
        bool matched = true;
        for (uint32_t j = 0; j < input_size && matched; ++j) {
            const uint8_t k = truth_index(t.at(i, j));
            if (valid[k] == kFalse) {
                error_from(block, kLitTruthTable, 15, kErrInpSym, table(block, kConstToTruthChar)[k]);
                return vector_result(return_value, out_size, result, return_b);
            }
            zem_vhdl_check_range_of_index(1, 3, 1, data[j]);
            matched = match[(data[j] - 1) * 6 + k] != kFalse;
        }
        if (!matched) continue;
        // From the last column, which is ReturnValue(0), the rightmost element.
        for (uint32_t index = 0; index < out_size; ++index) {
            uint8_t err;
            ieee_p_1367372525_sub_1973817075_4070434989(block, nullptr, t.at(i, t.cols - 1 - index),
                                                        return_value + (out_size - 1 - index), &err);
            if (err != kFalse) {
                assign_all_x(return_value, out_size);
                break;
            }
        }
        break;
    }
    return vector_result(return_value, out_size, result, return_b);
}

extern "C" uint8_t ieee_p_1367372525_sub_3829785817_4070434989(char *block, const uint8_t *table_data,
                                                               const array_bounds *table_b, const uint8_t *data_in,
                                                               const array_bounds *data_in_b) {
    const int64_t out_size = int64_t{SymbolTable(table_data, table_b).cols} - length_of(data_in_b);
    if (out_size <= 0) {
        truth_error(block, kErrTabWidSml);
        return X;
    }
    array_bounds rb;
    const uint8_t *r = truth_table_vector(block, &rb, table_data, table_b, data_in, data_in_b);
    if (out_size > 1) truth_error(block, kErrTabResLrg);
    return r[out_size - 1];  // element 0: the last output column
}

extern "C" void ieee_p_1367372525_sub_2718111499_4070434989(char *block, void *, void *, uint32_t result_pos,
                                                            uint32_t, void *result_drv, const array_bounds *result_b,
                                                            const uint8_t *table_data, const array_bounds *table_b,
                                                            void *data_sig, uint32_t, uint32_t data_off,
                                                            const array_bounds *data_b) {
    const uint32_t res_len = length_of(result_b);
    array_bounds tmp_b;
    const uint8_t *tmp = truth_table_vector(block, &tmp_b, table_data, table_b, signal_data(data_sig, data_off),
                                            data_b);
    const uint32_t act_len = length_of(&tmp_b);
    if (res_len > act_len)
        truth_error(block, kErrTabResSml);
    else if (res_len < act_len)
        truth_error(block, kErrTabResLrg);
    // The table's outputs from Result's left end; elements beyond them 'X'.
    auto *staged = static_cast<uint8_t *>(transient(res_len));
    assign_all_x(staged, res_len);
    const uint32_t kept = res_len < act_len ? res_len : act_len;
    if (kept > 0) std::memcpy(staged, tmp, kept);
    drive_bytes(result_drv, result_pos, staged, res_len, 0);
}

extern "C" void ieee_p_1367372525_sub_2359968290_4070434989(char *block, void *, void *, uint32_t result_pos,
                                                            uint32_t, void *result_drv, const uint8_t *table_data,
                                                            const array_bounds *table_b, void *data_sig, uint32_t,
                                                            uint32_t data_off, const array_bounds *data_b) {
    array_bounds tmp_b;
    const uint8_t *tmp = truth_table_vector(block, &tmp_b, table_data, table_b, signal_data(data_sig, data_off),
                                            data_b);
    const uint32_t act_len = length_of(&tmp_b);
    if (act_len < 1) {
        truth_error(block, kErrTabResSml);
        return;
    }
    if (act_len > 1) truth_error(block, kErrTabResLrg);
    drive_transport(result_drv, result_pos, tmp[act_len - 1], 0);
}

extern "C" void ieee_p_1367372525_sub_1289605765_4070434989(char *block, void *, uint8_t *result,
                                                            const array_bounds *result_b, uint8_t *prev_data_in,
                                                            const array_bounds *prev_data_in_b,
                                                            const uint8_t *table_data, const array_bounds *table_b,
                                                            const uint8_t *data_in, const array_bounds *data_in_b,
                                                            int32_t num_states) {
    const SymbolTable t(table_data, table_b);
    const uint32_t input_size = length_of(data_in_b), prev_len = length_of(prev_data_in_b);
    const uint32_t res_len = length_of(result_b);
    const int64_t out_size = int64_t{t.cols} - input_size - num_states;
    // DataInAlias, PrevDataAlias, ResultAlias: To_X01 of the parameters
    // (0 to length-1); ExpResult (0 to OutSize-1).
    const array_bounds data_alias_b = make_bounds(0, static_cast<int32_t>(input_size) - 1, 1);
    const array_bounds prev_alias_b = make_bounds(0, static_cast<int32_t>(prev_len) - 1, 1);
    const array_bounds result_alias_b = make_bounds(0, static_cast<int32_t>(res_len) - 1, 1);
    auto *data_alias = static_cast<uint8_t *>(transient(input_size));
    to_x01_into(data_alias, data_in, data_in_b);
    auto *prev_alias = static_cast<uint8_t *>(transient(prev_len));
    to_x01_into(prev_alias, prev_data_in, prev_data_in_b);
    auto *result_alias = static_cast<uint8_t *>(transient(res_len));
    to_x01_into(result_alias, result, result_b);
    const uint32_t exp_len = width_of(out_size);
    uint8_t *exp_result = function_array(slv_type(), make_bounds(0, static_cast<int32_t>(exp_len) - 1, 1), 1);

    if (prev_len < input_size) {
        const array_bounds ib = literal_bounds(21);
        error_from(block, kLitStateTable, 15, kErrVctLng, block + kLitPrevDataInfo, &ib);
        assign_all_x(result, res_len);
        return;
    }
    if (!state_widths_ok(block, out_size, res_len)) {
        assign_all_x(result, res_len);
        return;
    }
    array_bounds eb;
    const uint8_t *expected = state_table_lookup(block, &eb, table_data, table_b, data_alias, &data_alias_b,
                                                 prev_alias, &prev_alias_b, num_states, result_alias, &result_alias_b);
    if (exp_len > 0) std::memcpy(exp_result, expected, exp_len);
    right_aligned(result_alias, res_len, exp_result, exp_len);
    if (res_len > 0) std::memcpy(result, result_alias, res_len);
    if (input_size > 0) std::memcpy(prev_alias, data_alias, input_size);
    if (prev_len > 0) std::memcpy(prev_data_in, prev_alias, prev_len);
}

extern "C" void ieee_p_1367372525_sub_1778190455_4070434989(char *block, void *process, uint8_t *result,
                                                            uint8_t *prev_data_in, const array_bounds *prev_data_in_b,
                                                            const uint8_t *table_data, const array_bounds *table_b,
                                                            const uint8_t *data_in, const array_bounds *data_in_b) {
    uint8_t alias[1] = {*result};
    const array_bounds ab{0, 0, 1, 1};
    ieee_p_1367372525_sub_1289605765_4070434989(block, process, alias, &ab, prev_data_in, prev_data_in_b, table_data,
                                                table_b, data_in, data_in_b, 1);
    *result = alias[0];
}

namespace {

// The signal forms of VitalStateTable: evaluate, drive the result with zero
// delay, wait on DataIn, for ever. PrevData starts all 'X'. Only a table
// without output columns returns, after driving all 'X' once.
void state_table_signal(const Procedure &p, uint32_t res_len, const uint8_t *table_data, const array_bounds *table_b,
                        const VecSig &data, int32_t num_states, bool scalar_result) {
    char *block = p.block;
    const SymbolTable t(table_data, table_b);
    zem_vhdl_check_range_of_index(0, INT32_MAX, 1, num_states);  // NATURAL
    const uint32_t input_size = data.n();
    const int64_t out_size = int64_t{t.cols} - input_size - num_states;
    // PrevData (all 'X'), DataInAlias, ResultAlias, ExpResult.
    const array_bounds inputs_b = make_bounds(0, static_cast<int32_t>(input_size) - 1, 1);
    const array_bounds result_b = make_bounds(0, static_cast<int32_t>(res_len) - 1, 1);
    const array_bounds exp_b = make_bounds(0, static_cast<int32_t>(width_of(out_size)) - 1, 1);
    ProcedureArray prev(inputs_b, 1);
    assign_all_x(prev.data(), input_size);
    ProcedureArray data_alias(slv_type(), inputs_b, 1);
    ProcedureArray result_alias(slv_type(), result_b, 1);
    ProcedureArray exp_result(slv_type(), exp_b, 1);
    auto drive_result = [&] { drive_bytes(p.q.drv, p.q.pos, result_alias.data(), res_len, 0); };
    if (scalar_result) {
        if (out_size < 1) {
            state_error(block, kErrTabWidSml);
            assign_all_x(result_alias.data(), res_len);
            drive_result();
            return;
        }
        if (out_size > 1) state_error(block, kErrTabResLrg);
    } else if (!state_widths_ok(block, out_size, res_len)) {
        assign_all_x(result_alias.data(), res_len);
        drive_result();
        return;
    }
    const uint32_t exp_len = width_of(out_size);
    for (;;) {
        // The present inputs and outputs as X01 (the scalar form reads its
        // output first).
        const uint8_t *present = signal_data(p.q.sig, p.q.off);
        if (scalar_result) {
            result_alias.data()[0] = to_x01(present[0]);
            to_x01_into(data_alias.data(), data.values(), &data.range);
        } else {
            to_x01_into(data_alias.data(), data.values(), &data.range);
            to_x01_into(result_alias.data(), present, &result_b);
        }
        array_bounds eb;
        const uint8_t *expected = state_table_lookup(block, &eb, table_data, table_b, data_alias.data(), &inputs_b,
                                                     prev.data(), &inputs_b, num_states, result_alias.data(),
                                                     &result_b);
        if (exp_len > 0) std::memcpy(exp_result.data(), expected, exp_len);
        if (scalar_result) {
            const int32_t last = static_cast<int32_t>(exp_len) - 1;
            zem_vhdl_check_range_of_index(exp_b.left, exp_b.right, exp_b.dir, last);
            p.drive(exp_result.data()[last]);
        } else {
            right_aligned(result_alias.data(), res_len, exp_result.data(), exp_len);
            drive_result();
        }
        if (input_size > 0) std::memcpy(prev.data(), data_alias.data(), input_size);
        wait_on(p.process, {on(data)});
    }
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_1182304615_4070434989(char *block, void *process, void *result_sig,
                                                            uint32_t result_pos, uint32_t result_off, void *result_drv,
                                                            const array_bounds *result_b, const uint8_t *table_data,
                                                            const array_bounds *table_b, void *data_sig,
                                                            uint32_t data_pos, uint32_t data_off,
                                                            const array_bounds *data_b, int32_t num_states) {
    state_table_signal({block, process, {result_sig, result_pos, result_off, result_drv}, 0}, length_of(result_b),
                       table_data, table_b, vec_sig(data_sig, data_pos, data_off, *data_b), num_states, false);
}

extern "C" void ieee_p_1367372525_sub_956644378_4070434989(char *block, void *process, void *result_sig,
                                                           uint32_t result_pos, uint32_t result_off, void *result_drv,
                                                           const uint8_t *table_data, const array_bounds *table_b,
                                                           void *data_sig, uint32_t data_pos, uint32_t data_off,
                                                           const array_bounds *data_b) {
    state_table_signal({block, process, {result_sig, result_pos, result_off, result_drv}, 0}, 1, table_data, table_b,
                       vec_sig(data_sig, data_pos, data_off, *data_b), 1, true);
}

// ==== the resolve-and-drive entry ================================================

extern "C" void ieee_p_1367372525_sub_2576991354_4070434989(char *, void *, void *, int32_t target_pos, uint32_t,
                                                            void *target_drv, void *sources_sig, int32_t,
                                                            uint32_t sources_off, const array_bounds *sources_b) {
    // The sources' values in a local std_ulogic_vector with their bounds,
    // resolved by std_logic_1164's `resolved`, driven with zero delay.
    const array_bounds local_b = tovu::layout::make_bounds(sources_b->left, sources_b->right, sources_b->dir);
    const uint32_t n = length_of(&local_b);
    auto *local = static_cast<uint8_t *>(zem_get_transient_memory(n));
    zem_type_set_default_value(IEEE_P_2592010699 + kSulvType, local, &local_b);
    const uint8_t *values = signal_data(sources_sig, sources_off);
    for (uint32_t k = 0; k < n; ++k) {
        const int32_t i = local_b.left + static_cast<int32_t>(k) * local_b.dir;
        *indexed(local, &local_b, i, 1) = values[k];
    }
    const uint8_t v = ieee_p_2592010699_sub_3130575329_503743352(IEEE_P_2592010699, local, &local_b);
    drive_transport(target_drv, static_cast<uint32_t>(target_pos), v, 0);
}

// ==== registration ================================================================

namespace {

// The subprogram table in the declaration order of the package body; the
// count comes with the design data, two words of alignment follow.
void *const se[144] = {
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1019729693_4070434989),  //   0 Minimum (INTEGER)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2876942914_4070434989),  //   1 Minimum (TIME)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3699347359_4070434989),  //   2 Maximum (INTEGER)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1261593284_4070434989),  //   3 Maximum (TIME)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_801899123_4070434989),   //   4 GlitchMinTime
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2224505450_4070434989),  //   5 VitalMessage
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_891213412_4070434989),   //   6 VitalError
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_648230642_4070434989),   //   7 VitalError (STRING Info)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_707547060_4070434989),   //   8 VitalError (CHARACTER Info)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2507489675_4070434989),  //   9 ReportGlitch
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2672610346_4070434989),  //  10 VitalGlitchOnEvent
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2661383135_4070434989),  //  11 VitalGlitchOnEvent (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1973817075_4070434989),  //  12 TruthOutputX01Z
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2176736808_4070434989),  //  13 StateOutputX01Z
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1687454899_4070434989),  //  14 StateMatch
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_554835078_4070434989),   //  15 StateTableLookUp
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2851374196_4070434989),  //  16 To_UX01Z
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_26934960_4070434989),    //  17 GetEdge
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_915516184_4070434989),   //  18 GetEdge (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_162078037_4070434989),   //  19 ToEdge
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1321872912_4070434989),  //  20 CurValue
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2531918842_4070434989),  //  21 CurValue (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_177276481_4070434989),   //  22 VitalSame
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2819976785_4070434989),  //  23 BufPath
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3111600860_4070434989),  //  24 BufPath (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_827555649_4070434989),   //  25 InvPath
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1119179724_4070434989),  //  26 InvPath (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2732900579_4070434989),  //  27 BufEnab
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_740479443_4070434989),   //  28 InvEnab
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2543757985_4070434989),  //  29 GetSchedDelay
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2959442363_4070434989),  //  30 GetSchedDelay (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2143903942_4070434989),  //  31 GetSchedDelay (tri-state)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3288686485_4070434989),  //  32 "not" (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2852316380_4070434989),  //  33 "and" (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3792371914_4070434989),  //  34 "or" (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1560207530_4070434989),  //  35 "nand" (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3362765528_4070434989),  //  36 "nor" (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2159428141_4070434989),  //  37 VitalXOR2 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3940177659_4070434989),  //  38 VitalXNOR2 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1685097188_4070434989),  //  39 VitalXOR3 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3465846706_4070434989),  //  40 VitalXNOR3 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2245762817_4070434989),  //  41 VitalXOR4 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4026512335_4070434989),  //  42 VitalXNOR4 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2813847755_4070434989),  //  43 VitalXOR (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2217057241_4070434989),  //  44 VitalXNOR (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1618866951_4070434989),  //  45 VitalMUX2 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1334159657_4070434989),  //  46 VitalMUX4 (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1882756997_4070434989),  //  47 VitalMUX8 (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_621502274_4070434989),   //  48 VInterMux (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2549639725_4070434989),  //  49 VitalMUX (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_494902076_4070434989),   //  50 VitalDECODER2 (SchedType)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1145282600_4070434989),  //  51 VitalDECODER4 (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1271667029_4070434989),  //  52 VitalDECODER8 (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_23007260_4070434989),    //  53 VitalDECODER (SchedArray)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1461733716_4070434989),  //  54 VitalAND
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2547990466_4070434989),  //  55 VitalOR
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1489061082_4070434989),  //  56 VitalXOR
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_485448482_4070434989),   //  57 VitalNAND
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1477201872_4070434989),  //  58 VitalNOR
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_892270568_4070434989),   //  59 VitalXNOR
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3754799872_4070434989),  //  60 VitalAND2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_946566958_4070434989),   //  61 VitalOR2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_361635654_4070434989),   //  62 VitalXOR2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1602158222_4070434989),  //  63 VitalNAND2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4265249020_4070434989),  //  64 VitalNOR2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2142385172_4070434989),  //  65 VitalXNOR2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3837731456_4070434989),  //  66 VitalAND3
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1029498542_4070434989),  //  67 VitalOR3
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_444567238_4070434989),   //  68 VitalXOR3
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1685089806_4070434989),  //  69 VitalNAND3
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_53213308_4070434989),    //  70 VitalNOR3
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2225316756_4070434989),  //  71 VitalXNOR3
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3743793398_4070434989),  //  72 VitalAND4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_935560484_4070434989),   //  73 VitalOR4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_350629180_4070434989),   //  74 VitalXOR4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1591151748_4070434989),  //  75 VitalNAND4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4254242546_4070434989),  //  76 VitalNOR4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2131378698_4070434989),  //  77 VitalXNOR4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_673810994_4070434989),   //  78 VitalBUF
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3976821582_4070434989),  //  79 VitalBUFIF0
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3976822671_4070434989),  //  80 VitalBUFIF1
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3540507613_4070434989),  //  81 VitalIDENT
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_681878306_4070434989),   //  82 VitalINV
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1834036798_4070434989),  //  83 VitalINVIF0
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1834037887_4070434989),  //  84 VitalINVIF1
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4116131764_4070434989),  //  85 VitalMUX2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4238378335_4070434989),  //  86 VitalMUX4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4077464029_4070434989),  //  87 VitalMUX8
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3037427606_4070434989),  //  88 VInterMux
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1379054898_4070434989),  //  89 VitalMUX
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_912567720_4070434989),   //  90 VitalDECODER2
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1556117169_4070434989),  //  91 VitalDECODER4
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_890662368_4070434989),   //  92 VitalDECODER8
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3733906378_4070434989),  //  93 VitalDECODER
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2153796958_4070434989),  //  94 VitalAND (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3240053708_4070434989),  //  95 VitalOR (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2748926732_4070434989),  //  96 VitalXOR (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1177511724_4070434989),  //  97 VitalNAND (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2169265114_4070434989),  //  98 VitalNOR (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2152136218_4070434989),  //  99 VitalXNOR (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_814640786_4070434989),   // 100 VitalAND2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2301375168_4070434989),  // 101 VitalOR2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2956966432_4070434989),  // 102 VitalNAND2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1325089934_4070434989),  // 103 VitalNOR2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2225474856_4070434989),  // 104 VitalXOR2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_4006224374_4070434989),  // 105 VitalXNOR2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1174034513_4070434989),  // 106 VitalAND3 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2660768895_4070434989),  // 107 VitalOR3 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3316360159_4070434989),  // 108 VitalNAND3 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1684483661_4070434989),  // 109 VitalNOR3 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1473559599_4070434989),  // 110 VitalXOR3 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3254309117_4070434989),  // 111 VitalXNOR3 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_582011501_4070434989),   // 112 VitalAND4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2068745883_4070434989),  // 113 VitalOR4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2724337147_4070434989),  // 114 VitalNAND4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1092460649_4070434989),  // 115 VitalNOR4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2063206243_4070434989),  // 116 VitalXOR4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3843955761_4070434989),  // 117 VitalXNOR4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1956994121_4070434989),  // 118 VitalBUF (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_806467043_4070434989),   // 119 VitalBUFIF1 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1188012972_4070434989),  // 120 VitalBUFIF0 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1425513643_4070434989),  // 121 VitalIDENT (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2809565465_4070434989),  // 122 VitalINV (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3427255122_4070434989),  // 123 VitalINVIF1 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3624292364_4070434989),  // 124 VitalINVIF0 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1423760678_4070434989),  // 125 VitalMUX2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1464975953_4070434989),  // 126 VitalMUX4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1050295276_4070434989),  // 127 VitalMUX8 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2471049937_4070434989),  // 128 VitalMUX (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2929378169_4070434989),  // 129 VitalDECODER2 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2884513025_4070434989),  // 130 VitalDECODER4 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2321378141_4070434989),  // 131 VitalDECODER8 (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1093634699_4070434989),  // 132 VitalDECODER (procedure)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_669306805_4070434989),   // 133 VitalTruthTable
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_3829785817_4070434989),  // 134 VitalTruthTable (std_ulogic)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2718111499_4070434989),  // 135 VitalTruthTable (signal vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2359968290_4070434989),  // 136 VitalTruthTable (signal)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1289605765_4070434989),  // 137 VitalStateTable (vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1778190455_4070434989),  // 138 VitalStateTable (std_ulogic)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_1182304615_4070434989),  // 139 VitalStateTable (signal vector)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_956644378_4070434989),   // 140 VitalStateTable (signal)
    reinterpret_cast<void *>(&ieee_p_1367372525_sub_2576991354_4070434989),  // 141 resolve and drive
    nullptr,
    nullptr,
};

}  // namespace

extern "C" void ieee_p_1367372525_init(void) {
    zem_register_didat("ieee_p_1367372525", "kest/precompiled.exe.sim/ieee/p_1367372525.didat");
    zem_register_subprogram_executes(const_cast<void **>(se));
}
