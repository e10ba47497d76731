// VITAL_Primitives (unit ieee_p_1367372525): the primitive functions (gates,
// buffers, multiplexers, decoders), the truth and state tables, the schedule
// machinery that predicts when an output may change, and the concurrent
// procedures that drive an output from their inputs for the rest of a run,
// waiting inside themselves between passes.
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

namespace {

constexpr int64_t kMinusOneNs = -1000;  // the "no glitch delay" of GetSchedDelay and the buffers
constexpr uint8_t kWarning = SEV_WARNING;
constexpr size_t kDelay01Size = 16, kDelay01ZSize = 48;
// Delays of a VitalDelayType01Z, by VitalTransitionType.
enum : size_t { kTr01 = 0, kTr10, kTr0z, kTrz1, kTr1z, kTrz0 };
// Positions of the table symbols: the truth symbols 'X' .. 'Z' are 16 .. 21.
constexpr uint8_t kFirstTruthSymbol = 16, kLastTruthSymbol = 21, kLastStateSymbol = 22;

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
void store_sched(uint8_t *p, const Sched &s) { std::memcpy(p, &s, sizeof s); }
// A schedule result: a transient copy of exactly the record's size.
uint8_t *sched_result(const Sched &s) {
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(kSchedSize));
    store_sched(r, s);
    return r;
}
const uint8_t *sched_at(const uint8_t *array, uint32_t k) { return array + static_cast<size_t>(k) * kSchedSize; }
uint8_t *sched_at(uint8_t *array, uint32_t k) { return array + static_cast<size_t>(k) * kSchedSize; }

// GlitchMinTime: the earlier of two times that are not yet past; 0 when both are.
int64_t glitch_min_time(int64_t t1, int64_t t2) {
    if (t1 < now()) return t2 < now() ? 0 : t2;
    return t2 < now() ? t1 : minimum(t1, t2);
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
Sched sched_xor3(const Sched &ab, const Sched &ai, const Sched &bb, const Sched &bi, const Sched &cb,
                 const Sched &ci, bool xnor) {
    const Sched x = sched_xor2(ab, ai, bb, bi), y = sched_xor2(ai, ab, bi, bb);
    return xnor ? sched_xnor2(x, y, cb, ci) : sched_xor2(x, y, cb, ci);
}
Sched sched_xor4(const Sched &ab, const Sched &ai, const Sched &bb, const Sched &bi, const Sched &cb,
                 const Sched &ci, const Sched &db, const Sched &di, bool xnor) {
    const Sched x = sched_xor2(ab, ai, bb, bi), y = sched_xor2(ai, ab, bi, bb);
    const Sched u = sched_xor2(cb, ci, db, di), v = sched_xor2(ci, cb, di, db);
    return xnor ? sched_xnor2(x, y, u, v) : sched_xor2(x, y, u, v);
}
// VitalXOR / VitalXNOR over n inputs, their schedules read from the left
// (positions 1 to n, the range their callers give them). The lower n-1
// positions are combined by XOR in both directions, the last one by the
// gate itself. One input is a buffer (XOR) or an inverter (XNOR) and no
// input a constant: the recursion stops there instead of running on.
Sched sched_xor_n(char *block, const uint8_t *data_b, const uint8_t *data_i, uint32_t n, bool xnor) {
    if (n == 0) return load_sched(constant(block, kConstDefSchedType));
    if (n == 1) return xnor ? sched_not(load_sched(data_i)) : load_sched(data_b);
    const Sched lb = load_sched(sched_at(data_b, n - 1)), li = load_sched(sched_at(data_i, n - 1));
    if (n == 2) {
        const Sched fb = load_sched(data_b), fi = load_sched(data_i);
        return xnor ? sched_xnor2(fb, fi, lb, li) : sched_xor2(fb, fi, lb, li);
    }
    const Sched x = sched_xor_n(block, data_b, data_i, n - 1, false);
    const Sched y = sched_xor_n(block, data_i, data_b, n - 1, false);
    return xnor ? sched_xnor2(x, y, lb, li) : sched_xor2(x, y, lb, li);
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
    return data + static_cast<size_t>((i - b->left) * b->dir) * size;
}
// The k-th element of a VitalDelayArrayType01 (16 bytes each), from the left.
const int64_t *delay_element(const int64_t *tpd, uint32_t k) { return tpd + 2 * static_cast<size_t>(k); }

// A std_logic_vector result: a transient copy of `n` bytes and its bounds.
uint8_t *vector_result(const uint8_t *data, uint32_t n, array_bounds *out, const array_bounds &range) {
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(n));
    if (n > 0) std::memcpy(r, data, n);
    *out = range;
    return r;
}
array_bounds downto_zero(uint32_t n) {
    return tovu::layout::make_bounds(static_cast<int32_t>(n) - 1, 0, -1);
}

// ---- edges and schedule updates -------------------------------------------------

uint8_t logic_to_edge(char *block, uint8_t last, uint8_t current) {
    zem_vhdl_check_range_of_index(0, 8, 1, last);
    zem_vhdl_check_range_of_index(0, 8, 1, current);
    return table(block, kConstLogicToEdge)[last * 9 + current];
}
uint8_t logic_to_level(char *block, uint8_t value) {
    zem_vhdl_check_range_of_index(0, 8, 1, value);
    return table(block, kConstLogicToLevel)[value];
}
uint8_t initial_edge(char *block, uint8_t value) {
    zem_vhdl_check_range_of_index(0, 8, 1, value);
    return table(block, kConstInitialEdge)[value];
}

// GetEdge of a scalar signal: its edge in this delta cycle, else its level.
uint8_t get_edge(char *block, void *sig, uint32_t off) {
    if (zem_signal_has_event(sig)) return logic_to_edge(block, signal_last_byte(sig, off), signal_byte(sig, off));
    return logic_to_level(block, signal_byte(sig, off));
}

// The edge of each element of a vector input from its value at the last
// pass (`last`, then brought up to date).
void get_edges(char *block, const uint8_t *values, uint8_t *last, uint8_t *edges, uint32_t n) {
    for (uint32_t k = 0; k < n; ++k) {
        edges[k] = logic_to_edge(block, last[k], values[k]);
        last[k] = values[k];
    }
}

// BufPath / InvPath on one schedule: the times at which the output follows
// an edge of the input. `rise` is the delay after a rising input, `fall`
// after a falling one, `unknown` after a change to an unknown value.
void path_update(Sched &s, uint8_t edge, int64_t rise, int64_t fall, int64_t unknown) {
    switch (edge) {
        case kEdgeRise:
        case kEdgeToOne:
            s.inp0 = kTimeHigh;
            s.inp1 = sat_add(now(), rise);
            s.glch1 = s.inp1;
            s.inpx = s.inp1;
            break;
        case kEdgeFall:
        case kEdgeToZero:
            s.inp1 = kTimeHigh;
            s.inp0 = sat_add(now(), fall);
            s.glch0 = s.inp0;
            s.inpx = s.inp0;
            break;
        case kEdgeZeroToX:
            s.inp1 = kTimeHigh;
            s.inp0 = kTimeHigh;
            s.inpx = sat_add(now(), rise);
            break;
        case kEdgeOneToX:
            s.inp0 = kTimeHigh;
            s.inp1 = kTimeHigh;
            s.inpx = sat_add(now(), fall);
            break;
        case kEdgeUnknown:
            s.inp0 = kTimeHigh;
            s.inp1 = kTimeHigh;
            s.inpx = sat_add(now(), unknown);
            break;
        default:  // a level or a violation: nothing changes
            break;
    }
}
void buf_path(Sched &s, uint8_t edge, const int64_t *tpd) {
    const int64_t tr01 = delay_of(tpd, kTr01), tr10 = delay_of(tpd, kTr10);
    path_update(s, edge, tr01, tr10, minimum(tr10, tr01));
}
void inv_path(Sched &s, uint8_t edge, const int64_t *tpd) {
    const int64_t tr01 = delay_of(tpd, kTr01), tr10 = delay_of(tpd, kTr10);
    path_update(s, edge, tr10, tr01, minimum(tr10, tr01));
}
// BufPath or InvPath on a schedule kept in memory.
void path_update_at(uint8_t *p, uint8_t edge, const int64_t *tpd, bool inverting) {
    Sched s = load_sched(p);
    if (inverting)
        inv_path(s, edge, tpd);
    else
        buf_path(s, edge, tpd);
    store_sched(p, s);
}
// The vector forms, element k of each array from the left.
void path_update_all(uint8_t *schd, const uint8_t *edges, const int64_t *tpd, uint32_t n, bool inverting) {
    for (uint32_t k = 0; k < n; ++k) path_update_at(sched_at(schd, k), edges[k], delay_element(tpd, k), inverting);
}

// BufEnab (active-high enable) / InvEnab (active-low): the schedules of an
// output '1' and an output '0' through the enable, with the Z delays.
void enable_update(uint8_t *schd1, uint8_t *schd0, uint8_t edge, const int64_t *tpd, bool active_low) {
    const int64_t x = minimum(delay_of(tpd, kTr10), delay_of(tpd, kTr01));
    const int64_t on1 = delay_of(tpd, kTrz1), on0 = delay_of(tpd, kTrz0);
    const int64_t off1 = delay_of(tpd, kTr1z), off0 = delay_of(tpd, kTr0z);
    Sched s1 = load_sched(schd1), s0 = load_sched(schd0);
    if (active_low) {
        path_update(s1, edge, off1, on1, x);
        path_update(s0, edge, off0, on0, x);
    } else {
        path_update(s1, edge, on1, off1, x);
        path_update(s0, edge, on0, off0, x);
    }
    store_sched(schd1, s1);
    store_sched(schd0, s0);
}

// GetSchedDelay: the delay to the new value and the glitch delay (negative:
// none) from an output schedule.
void sched_delay(int64_t *new_delay, int64_t *glitch_delay, uint8_t new_value, uint8_t cur_value, const Sched &s) {
    int64_t tim, glch;
    switch (to_ux01(new_value)) {
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

// CurValue: the value the output shows now by its glitch record.
uint8_t cur_value(const uint8_t *gd) {
    if (now() >= get_time(gd, kGlitchSchedTime)) return gd[kGlitchSchedValue];
    if (now() >= get_time(gd, kGlitchGlitchTime)) return X;
    return gd[kGlitchCurrentValue];
}

// ---- value functions shared by the function forms and the procedures -------

uint8_t vital_same(uint8_t a, uint8_t b) { return to_ux01(a) == to_ux01(b) ? to_ux01(a) : uint8_t{X}; }

// The vector gates: a fold from the left starting at '1' (and) or '0' (or,
// xor), inverted for nand, nor and xnor.
enum class Gate { And, Or, Xor, Nand, Nor, Xnor };
uint8_t gate_fold(Gate g, const uint8_t *data, uint32_t n) {
    uint8_t r = (g == Gate::And || g == Gate::Nand) ? uint8_t{L1} : uint8_t{L0};
    for (uint32_t k = 0; k < n; ++k) {
        if (g == Gate::And || g == Gate::Nand)
            r = ulogic_and(r, data[k]);
        else if (g == Gate::Or || g == Gate::Nor)
            r = ulogic_or(r, data[k]);
        else
            r = ulogic_xor(r, data[k]);
    }
    return (g == Gate::Nand || g == Gate::Nor || g == Gate::Xnor) ? ulogic_not(r) : r;
}

uint8_t mux2_value(uint8_t d1, uint8_t d0, uint8_t select) {
    switch (to_x01(select)) {
        case L0: return to_ux01(d0);
        case L1: return to_ux01(d1);
        default: return vital_same(d1, d0);
    }
}
// Data(3) is the first byte, dSelect(1) the first select byte.
uint8_t mux4_value(char *block, const uint8_t *data, const uint8_t *select) {
    const uint8_t slct[2] = {to_x01(select[0]), to_x01(select[1])};
    auto d = [&](int i) { return data[3 - i]; };
    const uint8_t *choices = literal(block, kLitMux4Choices);
    int arm = 0;
    while (arm < 8 && zem_mem_cmp(choices + 2 * arm, slct, 2) != 1) ++arm;
    switch (arm) {
        case 0: return to_ux01(d(0));
        case 1: return to_ux01(d(1));
        case 2: return to_ux01(d(2));
        case 3: return to_ux01(d(3));
        case 4: return vital_same(d(1), d(0));
        case 5: return vital_same(d(2), d(3));
        case 6: return vital_same(d(2), d(0));
        case 7: return vital_same(d(3), d(1));
        default: return vital_same(vital_same(d(3), d(2)), vital_same(d(1), d(0)));
    }
}
uint8_t mux8_value(char *block, const uint8_t *data, const uint8_t *select) {
    switch (to_x01(select[0])) {
        case L0: return mux4_value(block, data + 4, select + 1);
        case L1: return mux4_value(block, data, select + 1);
        default: return vital_same(mux4_value(block, data + 4, select + 1), mux4_value(block, data, select + 1));
    }
}
// VInterMux: Data viewed as (n downto 1), dSelect as (s downto 1).
uint8_t inter_mux_value(char *block, const uint8_t *data, uint32_t n, const uint8_t *select, uint32_t s) {
    switch (s) {
        case 0: return X;
        case 1: return mux2_value(*from_right(data, n, 2, 1), *from_right(data, n, 1, 1), select[0]);
        case 2: return mux4_value(block, from_right(data, n, 4, 1), select);
        default: break;
    }
    const uint32_t low = n / 2;
    const uint8_t *low_half = from_right(data, n, static_cast<int32_t>(low), 1);
    const uint8_t *high_half = from_right(data, n, static_cast<int32_t>(n), 1);
    auto pick_low = [&] { return inter_mux_value(block, low_half, low, select + 1, s - 1); };
    auto pick_high = [&] { return inter_mux_value(block, high_half, n - low, select + 1, s - 1); };
    switch (to_x01(select[0])) {
        case L0: return pick_low();
        case L1: return pick_high();
        default: return vital_same(pick_low(), pick_high());
    }
}
// VitalMUX: the data right-aligned in 2**s positions, missing ones 'X'.
uint8_t mux_value(char *block, const uint8_t *data, uint32_t n, const uint8_t *select, uint32_t s) {
    const uint32_t msb = static_cast<uint32_t>(zem_vhdl_pow(2, static_cast<int32_t>(s)));
    auto *ldat = static_cast<uint8_t *>(zem_get_transient_memory(msb));
    std::memset(ldat, X, msb);
    const uint32_t kept = n < msb ? n : msb;
    if (kept > 0) std::memcpy(ldat + (msb - kept), data + (n - kept), kept);
    return inter_mux_value(block, ldat, msb, select, s);
}

// Decoders: output i is Enable and, per address bit k, Data(k) where bit k
// of i is 1 and not Data(k) where it is 0. Data(n-1) is the first byte; the
// result lies with its highest output first.
void decoder2_value(uint8_t *out, uint8_t data, uint8_t enable, const uint8_t *map) {
    out[0] = mapped(map, ulogic_and(enable, data));
    out[1] = mapped(map, ulogic_and(enable, ulogic_not(data)));
}
void decoder4_value(uint8_t *out, const uint8_t *data, uint8_t enable, const uint8_t *map) {
    const uint8_t d1 = data[0], d0 = data[1];
    const uint8_t hi = ulogic_and(enable, d1), lo = ulogic_and(enable, ulogic_not(d1));
    out[0] = mapped(map, ulogic_and(hi, d0));
    out[1] = mapped(map, ulogic_and(hi, ulogic_not(d0)));
    out[2] = mapped(map, ulogic_and(lo, d0));
    out[3] = mapped(map, ulogic_and(lo, ulogic_not(d0)));
}
void decoder8_value(uint8_t *out, const uint8_t *data, uint8_t enable, const uint8_t *map) {
    for (int i = 7; i >= 0; --i) {
        uint8_t v = 0;
        for (int k = 2; k >= 0; --k) {
            const uint8_t bit = data[2 - k];
            const uint8_t term = (i >> k) & 1 ? bit : ulogic_not(bit);
            v = k == 2 ? term : ulogic_and(v, term);
        }
        out[7 - i] = v;
    }
    for (int i = 0; i < 8; ++i) out[7 - i] = mapped(map, ulogic_and(enable, out[7 - i]));
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
// severity of the error id.
const char *primitive_error_text(char *block, const char *routine, const array_bounds *routine_b, uint8_t error_id,
                                 array_bounds *b) {
    array_bounds mb;
    const char *message = ieee_p_1367372525_sub_2224505450_4070434989(block, &mb, error_id);
    return error_text(block, routine, routine_b, kLitSeparator, message, &mb, b);
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
    const char *text = primitive_error_text(block, routine, routine_b, error_id, &b);
    zem_report(text, length_of(&b), primitive_error_severity(block, error_id));
}

extern "C" void ieee_p_1367372525_sub_648230642_4070434989(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id,
                                                           const char *info, const array_bounds *info_b) {
    array_bounds b;
    const char *text = primitive_error_text(block, routine, routine_b, error_id, &b);
    text = concat(text, &b, info, info_b);
    zem_report(text, length_of(&b), primitive_error_severity(block, error_id));
}

extern "C" void ieee_p_1367372525_sub_707547060_4070434989(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id,
                                                           uint8_t info) {
    array_bounds b;
    const char *text = primitive_error_text(block, routine, routine_b, error_id, &b);
    text = concat_character(text, &b, info);
    zem_report(text, length_of(&b), primitive_error_severity(block, error_id));
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

extern "C" uint8_t ieee_p_1367372525_sub_26934960_4070434989(char *block, void *sig, uint32_t, uint32_t off) {
    return get_edge(block, sig, off);
}

extern "C" void ieee_p_1367372525_sub_915516184_4070434989(char *block, void *context, void *sig, uint32_t,
                                                           uint32_t off, const array_bounds *sig_b, uint8_t *last,
                                                           const array_bounds *last_b, uint8_t *edge,
                                                           const array_bounds *edge_b) {
    const uint32_t n = length_of(sig_b), n_last = length_of(last_b), n_edge = length_of(edge_b);
    if (n != n_last || n != n_edge) {
        const array_bounds ib = literal_bounds(14);
        error_from(block, kLitGetEdge, 7, kErrVctLng, block + kLitGetEdgeInfo, &ib);
    }
    // The three arrays are read through positions 1 to their lengths; the
    // elements of s from its byte offset on.
    const uint8_t *values = signal_data(sig, off);
    for (uint32_t k = 0; k < n; ++k) {
        const int32_t position = static_cast<int32_t>(k) + 1;
        zem_vhdl_check_range_of_index(1, static_cast<int32_t>(n_last), 1, position);
        zem_vhdl_check_range_of_index(1, static_cast<int32_t>(n_edge), 1, position);
        edge[k] = logic_to_edge(block, last[k], values[k]);
        zem_variable_act(edge);
        last[k] = values[k];
        zem_variable_act(last);
    }
}

extern "C" uint8_t ieee_p_1367372525_sub_162078037_4070434989(char *block, uint8_t value) {
    return logic_to_level(block, value);
}

extern "C" uint8_t ieee_p_1367372525_sub_1321872912_4070434989(char *, const uint8_t *glitch_data) {
    return cur_value(glitch_data);
}

extern "C" uint8_t *ieee_p_1367372525_sub_2531918842_4070434989(char *, array_bounds *result,
                                                                const uint8_t *glitch_data,
                                                                const array_bounds *glitch_b) {
    const uint32_t n = length_of(glitch_b);
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(n));
    for (uint32_t k = 0; k < n; ++k) r[k] = cur_value(glitch_data + static_cast<size_t>(k) * kGlitchDataSize);
    *result = tovu::layout::make_bounds(glitch_b->left, glitch_b->right, glitch_b->dir);
    return r;
}

extern "C" uint8_t ieee_p_1367372525_sub_177276481_4070434989(char *, uint8_t a, uint8_t b) { return vital_same(a, b); }

// ==== schedule updates and delays =============================================

extern "C" void ieee_p_1367372525_sub_2819976785_4070434989(char *, void *, uint8_t *schd, uint8_t edge,
                                                            const int64_t *tpd) {
    path_update_at(schd, edge, tpd, false);
}

namespace {

// The vector BufPath / InvPath: Schd's elements from its left bound on, each
// with the edge and the delay of the same index in their own arrays.
void path_update_indexed(uint8_t *schd, const array_bounds *schd_b, const uint8_t *edge, const array_bounds *edge_b,
                         const int64_t *tpd, const array_bounds *tpd_b, bool inverting) {
    const uint32_t n = length_of(schd_b);
    for (uint32_t k = 0; k < n; ++k) {
        const int32_t i = schd_b->left + static_cast<int32_t>(k) * schd_b->dir;
        const uint8_t e = *indexed(edge, edge_b, i, 1);
        const int64_t *d = indexed(tpd, tpd_b, i, 2);
        path_update_at(sched_at(schd, k), e, d, inverting);
    }
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_3111600860_4070434989(char *, void *, uint8_t *schd,
                                                            const array_bounds *schd_b, const uint8_t *edge,
                                                            const array_bounds *edge_b, const int64_t *tpd,
                                                            const array_bounds *tpd_b) {
    path_update_indexed(schd, schd_b, edge, edge_b, tpd, tpd_b, false);
}

extern "C" void ieee_p_1367372525_sub_827555649_4070434989(char *, void *, uint8_t *schd, uint8_t edge,
                                                           const int64_t *tpd) {
    path_update_at(schd, edge, tpd, true);
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
    int64_t nd, gd;
    sched_delay(&nd, &gd, new_value, cur_value, load_sched(sched));
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
        int64_t nd, gd;
        sched_delay(&nd, &gd, *from_right(new_value, n_new, n, 1), *from_right(cur_value, n_cur, n, 1),
                    load_sched(from_right(sched, n_sched, n, kSchedSize)));
        set_time(from_right(new_delay, n_delay, n, 1), 0, nd);
        zem_variable_act(new_delay);
        set_time(from_right(glitch_delay, n_glitch, n, 1), 0, gd);
        zem_variable_act(glitch_delay);
    }
}

namespace {

// The tri-state GetSchedDelay: D is the data path's schedule, E1 and E0 the
// enable's for an output '1' and '0'. The arm is chosen by the pair
// (current, new value) reduced to X01Z, in the order of the design data's
// choices; the pair ('X', 'X') matches none.
void tristate_delay(char *block, int64_t *new_delay, int64_t *glitch_delay, uint8_t new_value, uint8_t cur_value,
                    const Sched &d, const Sched &e1, const Sched &e0) {
    const uint8_t pair[2] = {to_x01z(cur_value), to_x01z(new_value)};
    const uint8_t *choices = literal(block, kLitTriStateChoices);
    int arm = 0;
    while (arm < 15 && zem_mem_cmp(choices + 2 * arm, pair, 2) != 1) ++arm;
    int64_t tim = kTimeLow, glch = kTimeLow;
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

extern "C" uint8_t *ieee_p_1367372525_sub_3288686485_4070434989(char *, const uint8_t *a) {
    return sched_result(sched_not(load_sched(a)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_2852316380_4070434989(char *, const uint8_t *a, const uint8_t *b) {
    return sched_result(sched_and(load_sched(a), load_sched(b)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_3792371914_4070434989(char *, const uint8_t *a, const uint8_t *b) {
    return sched_result(sched_or(load_sched(a), load_sched(b)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_1560207530_4070434989(char *, const uint8_t *a, const uint8_t *b) {
    return sched_result(sched_nand(load_sched(a), load_sched(b)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_3362765528_4070434989(char *, const uint8_t *a, const uint8_t *b) {
    return sched_result(sched_nor(load_sched(a), load_sched(b)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_2159428141_4070434989(char *, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi) {
    return sched_result(sched_xor2(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_3940177659_4070434989(char *, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi) {
    return sched_result(sched_xnor2(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_1685097188_4070434989(char *, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci) {
    return sched_result(sched_xor3(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi), load_sched(cb),
                                   load_sched(ci), false));
}

extern "C" uint8_t *ieee_p_1367372525_sub_3465846706_4070434989(char *, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci) {
    return sched_result(sched_xor3(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi), load_sched(cb),
                                   load_sched(ci), true));
}

extern "C" uint8_t *ieee_p_1367372525_sub_2245762817_4070434989(char *, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci,
                                                                const uint8_t *db, const uint8_t *di) {
    return sched_result(sched_xor4(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi), load_sched(cb),
                                   load_sched(ci), load_sched(db), load_sched(di), false));
}

extern "C" uint8_t *ieee_p_1367372525_sub_4026512335_4070434989(char *, const uint8_t *ab, const uint8_t *ai,
                                                                const uint8_t *bb, const uint8_t *bi,
                                                                const uint8_t *cb, const uint8_t *ci,
                                                                const uint8_t *db, const uint8_t *di) {
    return sched_result(sched_xor4(load_sched(ab), load_sched(ai), load_sched(bb), load_sched(bi), load_sched(cb),
                                   load_sched(ci), load_sched(db), load_sched(di), true));
}

namespace {

// The vector XOR / XNOR schedule forms; the two arrays must be equally long.
uint8_t *sched_xor_vector(char *block, const uint8_t *data_b, const array_bounds *data_b_b, const uint8_t *data_i,
                          const array_bounds *data_i_b, bool xnor) {
    const uint32_t n = length_of(data_b_b);
    if (length_of(data_i_b) != n) zem_size_not_matching(static_cast<int32_t>(n), data_i_b->length, 0);
    return sched_result(sched_xor_n(block, data_b, data_i, n, xnor));
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

namespace {

// Multiplexer schedules: a select's buffered schedule `and` the data chosen by
// its '1', `or` its inverted schedule, inverted, `and` the data chosen by '0'.
Sched sched_mux2(const Sched &d1, const Sched &d0, const Sched &sb, const Sched &si) {
    return sched_or(sched_and(d1, sb), sched_and(d0, sched_not(si)));
}
// Data(3 downto 0), sb and si (1 downto 0): element 0 of each is the highest.
Sched sched_mux4(const uint8_t *data, const uint8_t *sb, const uint8_t *si) {
    auto d = [&](int i) { return load_sched(sched_at(data, static_cast<uint32_t>(3 - i))); };
    const Sched sb0 = load_sched(sched_at(sb, 1)), si0 = load_sched(sched_at(si, 1));
    return sched_or(sched_and(load_sched(sb), sched_mux2(d(3), d(2), sb0, si0)),
                    sched_and(sched_not(load_sched(si)), sched_mux2(d(1), d(0), sb0, si0)));
}
Sched sched_mux8(const uint8_t *data, const uint8_t *sb, const uint8_t *si) {
    return sched_or(sched_and(load_sched(sb), sched_mux4(data, sched_at(sb, 1), sched_at(si, 1))),
                    sched_and(sched_not(load_sched(si)), sched_mux4(sched_at(data, 4), sched_at(sb, 1), sched_at(si, 1))));
}
// VInterMux: Data viewed as (n downto 1), sb and si as (s downto 1). From four
// selects on, the top select's buffered schedule goes with the lower half of
// the data, as the standard's body has it.
Sched sched_inter_mux(const uint8_t *data, uint32_t n, const uint8_t *sb, const uint8_t *si, uint32_t s) {
    switch (s) {
        case 0: return Sched{0, 0, 0, 0, 0};
        case 1:
            return sched_mux2(load_sched(from_right(data, n, 2, kSchedSize)), load_sched(from_right(data, n, 1, kSchedSize)),
                              load_sched(sb), load_sched(si));
        case 2: return sched_mux4(from_right(data, n, 4, kSchedSize), sb, si);
        case 3: return sched_mux8(from_right(data, n, 8, kSchedSize), sb, si);
        default: break;
    }
    const uint32_t low = n / 2;
    const uint8_t *low_half = from_right(data, n, static_cast<int32_t>(low), kSchedSize);
    const uint8_t *high_half = from_right(data, n, static_cast<int32_t>(n), kSchedSize);
    const Sched x = sched_and(load_sched(sb), sched_inter_mux(low_half, low, sched_at(sb, 1), sched_at(si, 1), s - 1));
    const Sched y = sched_and(sched_not(load_sched(si)),
                              sched_inter_mux(high_half, n - low, sched_at(sb, 1), sched_at(si, 1), s - 1));
    return sched_or(x, y);
}
// VitalMUX: the data right-aligned in 2**s positions, missing ones DefSchedAnd.
Sched sched_mux(char *block, const uint8_t *data, uint32_t n, const uint8_t *sb, const uint8_t *si, uint32_t s) {
    const uint32_t msb = static_cast<uint32_t>(zem_vhdl_pow(2, static_cast<int32_t>(s)));
    auto *ldat = static_cast<uint8_t *>(zem_get_transient_memory(msb * static_cast<uint32_t>(kSchedSize)));
    const uint32_t kept = n < msb ? n : msb;
    for (uint32_t k = 0; k < msb - kept; ++k) std::memcpy(sched_at(ldat, k), constant(block, kConstDefSchedAnd), kSchedSize);
    if (kept > 0) std::memcpy(sched_at(ldat, msb - kept), sched_at(data, n - kept), kept * kSchedSize);
    return sched_inter_mux(ldat, msb, sb, si, s);
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_1618866951_4070434989(char *, const uint8_t *d1, const uint8_t *d0,
                                                                const uint8_t *sb, const uint8_t *si) {
    return sched_result(sched_mux2(load_sched(d1), load_sched(d0), load_sched(sb), load_sched(si)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_1334159657_4070434989(char *, const uint8_t *data, const uint8_t *sb,
                                                                const uint8_t *si) {
    return sched_result(sched_mux4(data, sb, si));
}

extern "C" uint8_t *ieee_p_1367372525_sub_1882756997_4070434989(char *, const uint8_t *data, const uint8_t *sb,
                                                                const uint8_t *si) {
    return sched_result(sched_mux8(data, sb, si));
}

namespace {

// sb and si of a multiplexer schedule: the select's two schedules, equally long.
uint32_t select_length(const array_bounds *sb_b, const array_bounds *si_b) {
    const uint32_t s = length_of(sb_b);
    if (length_of(si_b) != s) zem_size_not_matching(static_cast<int32_t>(s), si_b->length, 0);
    return s;
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_621502274_4070434989(char *, const uint8_t *data, const array_bounds *data_b,
                                                               const uint8_t *sb, const array_bounds *sb_b,
                                                               const uint8_t *si, const array_bounds *si_b) {
    return sched_result(sched_inter_mux(data, length_of(data_b), sb, si, select_length(sb_b, si_b)));
}

extern "C" uint8_t *ieee_p_1367372525_sub_2549639725_4070434989(char *block, const uint8_t *data,
                                                                const array_bounds *data_b, const uint8_t *sb,
                                                                const array_bounds *sb_b, const uint8_t *si,
                                                                const array_bounds *si_b) {
    return sched_result(sched_mux(block, data, length_of(data_b), sb, si, select_length(sb_b, si_b)));
}

namespace {

// Decoder schedules, highest output first: output i is the enable's schedule
// `and`, per address bit k from the highest down, DataB(k) where bit k of i
// is 1 and `not` DataI(k) where it is 0. Data(n-1) is element 0.
void sched_decoder_n(uint8_t *out, const uint8_t *data_b, const uint8_t *data_i, const Sched &enab, uint32_t bits) {
    const uint32_t outputs = 1u << bits;
    for (uint32_t i = outputs; i-- > 0;) {
        Sched r = enab;
        for (uint32_t k = bits; k-- > 0;) {
            const uint32_t element = bits - 1 - k;
            r = sched_and(r, (i >> k) & 1 ? load_sched(sched_at(data_b, element))
                                          : sched_not(load_sched(sched_at(data_i, element))));
        }
        store_sched(sched_at(out, outputs - 1 - i), r);
    }
}
uint8_t *decoder_sched_result(const uint8_t *data_b, const uint8_t *data_i, const uint8_t *enab, uint32_t bits,
                              array_bounds *result) {
    const uint32_t outputs = 1u << bits;
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(outputs * static_cast<uint32_t>(kSchedSize)));
    sched_decoder_n(r, data_b, data_i, load_sched(enab), bits);
    *result = downto_zero(outputs);
    return r;
}

}  // namespace

extern "C" uint8_t *ieee_p_1367372525_sub_494902076_4070434989(char *, array_bounds *result, const uint8_t *data_b,
                                                               const uint8_t *data_i, const uint8_t *enab) {
    return decoder_sched_result(data_b, data_i, enab, 1, result);
}

extern "C" uint8_t *ieee_p_1367372525_sub_1145282600_4070434989(char *, array_bounds *result, const uint8_t *data_b,
                                                                const uint8_t *data_i, const uint8_t *enab) {
    return decoder_sched_result(data_b, data_i, enab, 2, result);
}

extern "C" uint8_t *ieee_p_1367372525_sub_1271667029_4070434989(char *, array_bounds *result, const uint8_t *data_b,
                                                                const uint8_t *data_i, const uint8_t *enab) {
    return decoder_sched_result(data_b, data_i, enab, 3, result);
}

extern "C" uint8_t *ieee_p_1367372525_sub_23007260_4070434989(char *block, array_bounds *result,
                                                              const uint8_t *data_b, const array_bounds *data_b_b,
                                                              const uint8_t *data_i, const array_bounds *data_i_b,
                                                              const uint8_t *enab) {
    // DataB and DataI viewed as (n-1 downto 0); DataI must be as long.
    const uint32_t n = length_of(data_b_b);
    if (length_of(data_i_b) != n) zem_size_not_matching(static_cast<int32_t>(n), data_i_b->length, 0);
    if (n == 0) {
        *result = array_bounds{1, 0, -1, 2};
        auto *r = static_cast<uint8_t *>(zem_get_transient_memory(2 * kSchedSize));
        std::memcpy(r, constant(block, kConstDefSchedArray2), 2 * kSchedSize);
        return r;
    }
    if (n <= 3) return decoder_sched_result(data_b, data_i, enab, n, result);
    // The lower address bits decoded twice, for the top bit 1 and 0; the
    // results joined, the top bit's 1 first.
    const array_bounds lower = downto_zero(n - 1);
    const Sched top1 = sched_and(load_sched(enab), load_sched(data_b));
    const Sched top0 = sched_and(load_sched(enab), sched_not(load_sched(data_i)));
    uint8_t e1[kSchedSize], e0[kSchedSize];
    store_sched(e1, top1);
    store_sched(e0, top0);
    array_bounds xb, yb;
    const uint8_t *x = ieee_p_1367372525_sub_23007260_4070434989(block, &xb, sched_at(data_b, 1), &lower,
                                                                 sched_at(data_i, 1), &lower, e1);
    const uint8_t *y = ieee_p_1367372525_sub_23007260_4070434989(block, &yb, sched_at(data_b, 1), &lower,
                                                                 sched_at(data_i, 1), &lower, e0);
    array_bounds joined;
    const auto *r = static_cast<uint8_t *>(zem_base_array_concat(nullptr, &joined, block + kTypeSchedArray,
                                                                 CONCAT_ARRAY, x, &xb, CONCAT_ARRAY, y, &yb, CONCAT_END));
    *result = downto_zero(length_of(&joined));
    return const_cast<uint8_t *>(r);
}

// ==== gate functions ===========================================================
// The inverting forms and the forms with 2, 3 or 4 inputs check the value
// before indexing ResultMap; the operators give only UX01 values.

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
    return mapped(map, ulogic_and(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_946566958_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, ulogic_or(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_361635654_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, ulogic_xor(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_1602158222_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, ulogic_nand(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_4265249020_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, ulogic_nor(a, b));
}
extern "C" uint8_t ieee_p_1367372525_sub_2142385172_4070434989(char *, uint8_t a, uint8_t b, const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_xor(a, b)));
}

extern "C" uint8_t ieee_p_1367372525_sub_3837731456_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_and(ulogic_and(a, b), c));
}
extern "C" uint8_t ieee_p_1367372525_sub_1029498542_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_or(ulogic_or(a, b), c));
}
extern "C" uint8_t ieee_p_1367372525_sub_444567238_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                              const uint8_t *map) {
    return mapped(map, ulogic_xor(ulogic_xor(a, b), c));
}
extern "C" uint8_t ieee_p_1367372525_sub_1685089806_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_and(ulogic_and(a, b), c)));
}
extern "C" uint8_t ieee_p_1367372525_sub_53213308_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                             const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_or(ulogic_or(a, b), c)));
}
extern "C" uint8_t ieee_p_1367372525_sub_2225316756_4070434989(char *, uint8_t a, uint8_t b, uint8_t c,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_xor(ulogic_xor(a, b), c)));
}

extern "C" uint8_t ieee_p_1367372525_sub_3743793398_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_and(ulogic_and(ulogic_and(a, b), c), d));
}
extern "C" uint8_t ieee_p_1367372525_sub_935560484_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                              const uint8_t *map) {
    return mapped(map, ulogic_or(ulogic_or(ulogic_or(a, b), c), d));
}
extern "C" uint8_t ieee_p_1367372525_sub_350629180_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                              const uint8_t *map) {
    return mapped(map, ulogic_xor(ulogic_xor(ulogic_xor(a, b), c), d));
}
extern "C" uint8_t ieee_p_1367372525_sub_1591151748_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_and(ulogic_and(ulogic_and(a, b), c), d)));
}
extern "C" uint8_t ieee_p_1367372525_sub_4254242546_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_or(ulogic_or(ulogic_or(a, b), c), d)));
}
extern "C" uint8_t ieee_p_1367372525_sub_2131378698_4070434989(char *, uint8_t a, uint8_t b, uint8_t c, uint8_t d,
                                                               const uint8_t *map) {
    return mapped(map, ulogic_not(ulogic_xor(ulogic_xor(ulogic_xor(a, b), c), d)));
}

// ==== buffer, inverter and enable functions ===================================

namespace {

// An enable table's entry for (Enable, Data): a UX01Z value.
uint8_t enable_table(char *block, size_t table_off, uint8_t data, uint8_t enable) {
    zem_vhdl_check_range_of_index(0, 8, 1, enable);
    zem_vhdl_check_range_of_index(0, 8, 1, data);
    const uint8_t v = table(block, table_off)[enable * 9 + data];
    zem_vhdl_check_range_of_index(0, 4, 1, v);
    return v;
}

}  // namespace

extern "C" uint8_t ieee_p_1367372525_sub_673810994_4070434989(char *, uint8_t data, const uint8_t *map) {
    return map[to_ux01(data)];
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
    return map[ieee_p_1367372525_sub_2851374196_4070434989(block, data)];
}
extern "C" uint8_t ieee_p_1367372525_sub_681878306_4070434989(char *, uint8_t data, const uint8_t *map) {
    return mapped(map, ulogic_not(data));
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

extern "C" uint8_t ieee_p_1367372525_sub_4116131764_4070434989(char *, uint8_t data1, uint8_t data0, uint8_t select,
                                                               const uint8_t *map) {
    return map[mux2_value(data1, data0, select)];
}
extern "C" uint8_t ieee_p_1367372525_sub_4238378335_4070434989(char *block, const uint8_t *data, const uint8_t *select,
                                                               const uint8_t *map) {
    return map[mux4_value(block, data, select)];
}
extern "C" uint8_t ieee_p_1367372525_sub_4077464029_4070434989(char *block, const uint8_t *data, const uint8_t *select,
                                                               const uint8_t *map) {
    return map[mux8_value(block, data, select)];
}
extern "C" uint8_t ieee_p_1367372525_sub_3037427606_4070434989(char *block, const uint8_t *data,
                                                               const array_bounds *data_b, const uint8_t *select,
                                                               const array_bounds *select_b) {
    return inter_mux_value(block, data, length_of(data_b), select, length_of(select_b));
}
extern "C" uint8_t ieee_p_1367372525_sub_1379054898_4070434989(char *block, const uint8_t *data,
                                                               const array_bounds *data_b, const uint8_t *select,
                                                               const array_bounds *select_b, const uint8_t *map) {
    return map[mux_value(block, data, length_of(data_b), select, length_of(select_b))];
}

namespace {

uint8_t *fixed_vector_result(const uint8_t *value, uint32_t n) {
    auto *r = static_cast<uint8_t *>(zem_get_transient_memory(n));
    std::memcpy(r, value, n);
    return r;
}

// VitalDECODER: Data viewed as (n-1 downto 0), the address's top bit first.
// From four bits on, the lower bits are decoded for the top bit 1 and for 0
// and the two results joined.
uint8_t *decoder_value(char *block, array_bounds *result, const uint8_t *data, uint32_t n, uint8_t enable,
                       const uint8_t *map) {
    uint8_t leaf[8];
    switch (n) {
        case 0: return vector_result(literal(block, kLitDecoderEmpty), 1, result, array_bounds{1, 1, 1, 1});
        case 1: decoder2_value(leaf, data[0], enable, map); return vector_result(leaf, 2, result, downto_zero(2));
        case 2: decoder4_value(leaf, data, enable, map); return vector_result(leaf, 4, result, downto_zero(4));
        case 3: decoder8_value(leaf, data, enable, map); return vector_result(leaf, 8, result, downto_zero(8));
        default: break;
    }
    array_bounds xb, yb, joined;
    const uint8_t *x = decoder_value(block, &xb, data + 1, n - 1, ulogic_and(enable, data[0]), map);
    const uint8_t *y = decoder_value(block, &yb, data + 1, n - 1, ulogic_and(enable, ulogic_not(data[0])), map);
    auto *r = static_cast<uint8_t *>(zem_base_array_concat(nullptr, &joined, IEEE_P_2592010699 + kSlvType,
                                                           CONCAT_ARRAY, x, &xb, CONCAT_ARRAY, y, &yb, CONCAT_END));
    *result = downto_zero(length_of(&joined));
    return r;
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
extern "C" uint8_t *ieee_p_1367372525_sub_3733906378_4070434989(char *block, array_bounds *result, const uint8_t *data,
                                                                const array_bounds *data_b, uint8_t enable,
                                                                const uint8_t *map) {
    return decoder_value(block, result, data, length_of(data_b), enable, map);
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
    uint32_t pos, off, n;
    const uint8_t *values() const { return signal_data(sig, off); }
};
struct OutSig {
    void *sig;
    uint32_t pos, off;
    void *drv;
};

// One signal of a WAIT ON: its elements from `pos`, `count` of them.
struct WaitOn {
    void *sig;
    uint32_t pos, count;
};
WaitOn on(const InSig &s) { return {s.sig, s.pos, 1}; }
WaitOn on(const VecSig &s) { return {s.sig, s.pos, s.n}; }

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

// A local of the procedure at its type's default value.
Sched default_sched(char *block) {
    alignas(8) uint8_t s[kSchedSize];
    zem_type_set_default_value(block + kTypeSchedType, s, nullptr);
    return load_sched(s);
}
struct GlitchData {
    alignas(8) uint8_t bytes[kGlitchDataSize];
    explicit GlitchData(char *block) { zem_type_set_default_value(block + kTypeGlitchData, bytes, nullptr); }
};

// What VitalGlitchOnEvent takes besides the value and the delays: the
// output, its name, the glitch mode and the severity of a glitch report.
// Every procedure passes its output, its one-character name, the package's
// glitch mode and WARNING.
struct GlitchTarget {
    char *block;
    void *process;
    OutSig q;
    const char *name;
    array_bounds name_b;
    uint8_t mode;
    uint8_t severity;
};
GlitchTarget glitch_target(char *block, void *process, const OutSig &q, uint32_t member_slot) {
    return {block,  process, q, block + kLitOutputName + (member_slot - 94), literal_bounds(1), prim_glitch_mode(block),
            kWarning};
}

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
            drive_inertial(drv, pos, X, maximum(0, sat_sub(glitch_at, at)));
            drive_transport(drv, pos, new_value, dly);
        } else {
            drive_inertial(drv, pos, new_value, dly);
        }
    }
    gd[kGlitchSchedValue] = new_value;
    stored();
}

// The vector form, element k of every array from the left; the output's
// element k is at driver position q.pos + k and named by its index.
void glitch_on_event_vector(const GlitchTarget &t, const array_bounds &q_b, uint8_t *gd, const uint8_t *new_values,
                            const int64_t *new_delays, const int64_t *glitch_delays, uint32_t n) {
    const int32_t direction = q_b.left > q_b.right ? -1 : 1;
    int32_t index = q_b.left;
    for (uint32_t k = 0; k < n; ++k, index += direction)
        glitch_on_event(t, t.q.pos + k, gd + static_cast<size_t>(k) * kGlitchDataSize, new_values[k], new_delays[k],
                        glitch_delays[k], index, true, gd);
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
    const uint32_t n = length_of(out_b);
    if (length_of(glitch_b) != n || length_of(new_value_b) != n || length_of(new_delay_b) != n ||
        length_of(glitch_delay_b) != n) {
        error_from(block, kLitGlitchOnEventError, 18, kErrVctLng, name, name_b);
        return;
    }
    const GlitchTarget t{block, process, {out_sig, out_pos, out_off, out_drv}, name, *name_b, mode, severity};
    glitch_on_event_vector(t, *out_b, glitch_data, new_value, new_delay, glitch_delay, n);
}

// ==== logic-gate concurrent procedures ===========================================

namespace {

bool inverting(Gate g) { return g == Gate::Nand || g == Gate::Nor; }
bool exclusive(Gate g) { return g == Gate::Xor || g == Gate::Xnor; }

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
// same shapes as the new value.
Sched gate_schedule(Gate g, const Sched *b, const Sched *i, int n) {
    auto fold = [&](Sched (*op)(const Sched &, const Sched &)) {
        Sched r = b[0];
        for (int k = 1; k < n; ++k) r = op(r, b[k]);
        return r;
    };
    auto paired = [&](Sched (*op)(const Sched &, const Sched &), Sched (*last)(const Sched &, const Sched &)) {
        if (n == 2) return last(b[0], b[1]);
        if (n == 3) return last(op(b[0], b[1]), b[2]);
        return last(op(b[0], b[1]), op(b[2], b[3]));
    };
    const bool xnor = g == Gate::Xnor;
    switch (g) {
        case Gate::And: return fold(sched_and);
        case Gate::Or: return fold(sched_or);
        case Gate::Nand: return paired(sched_and, sched_nand);
        case Gate::Nor: return paired(sched_or, sched_nor);
        default:
            if (n == 2) return xnor ? sched_xnor2(b[0], i[0], b[1], i[1]) : sched_xor2(b[0], i[0], b[1], i[1]);
            if (n == 3) return sched_xor3(b[0], i[0], b[1], i[1], b[2], i[2], xnor);
            return sched_xor4(b[0], i[0], b[1], i[1], b[2], i[2], b[3], i[3], xnor);
    }
}

// The path updates of a gate's input by its edge: BufPath into its buffered
// schedule (InvPath for the inverting gates), and for the exclusive gates
// InvPath into its inverted schedule too. `edge` is asked anew for each.
template <typename EdgeOf>
void update_input(Gate g, Sched &b, Sched &i, EdgeOf edge, const int64_t *tpd) {
    if (inverting(g)) {
        inv_path(b, edge(), tpd);
        return;
    }
    buf_path(b, edge(), tpd);
    if (exclusive(g)) inv_path(i, edge(), tpd);
}

void gate_procedure(char *block, void *process, const OutSig &q, const GateInputs &g_in, Gate g, const uint8_t *map,
                    uint32_t member_slot) {
    const int n = g_in.n;
    const InSig *in = g_in.in;
    auto wait_inputs = [&] {
        if (n == 2) wait_on(process, {on(in[0]), on(in[1])});
        else if (n == 3) wait_on(process, {on(in[0]), on(in[1]), on(in[2])});
        else wait_on(process, {on(in[0]), on(in[1]), on(in[2]), on(in[3])});
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
            drive_transport(q.drv, q.pos, gate_function(block, g, values, n, map), 0);
            wait_inputs();
        }
    }
    Sched b[4], i[4];
    for (int k = 0; k < 4; ++k) b[k] = i[k] = default_sched(block);
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, member_slot);
    for (int k = 0; k < n; ++k)
        update_input(g, b[k], i[k], [&] { return initial_edge(block, in[k].value()); }, g_in.tpd[k]);
    for (;;) {
        for (int k = 0; k < n; ++k)
            update_input(g, b[k], i[k], [&] { return get_edge(block, in[k].sig, in[k].off); }, g_in.tpd[k]);
        read_values();
        const uint8_t new_value = gate_new_value(g, values, n);
        const Sched new_schd = gate_schedule(g, b, i, n);
        int64_t dly, glch;
        sched_delay(&dly, &glch, new_value, cur_value(glitch.bytes), new_schd);
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, glch, 0, false, nullptr);
        wait_inputs();
    }
}

// The vector gates: Data's elements from the left, one delay each.
using VectorGateFn = uint8_t (*)(char *, const uint8_t *, const array_bounds *, const uint8_t *);
constexpr VectorGateFn kVectorGate[6] = {
    ieee_p_1367372525_sub_1461733716_4070434989, ieee_p_1367372525_sub_2547990466_4070434989,
    ieee_p_1367372525_sub_1489061082_4070434989, ieee_p_1367372525_sub_485448482_4070434989,
    ieee_p_1367372525_sub_1477201872_4070434989, ieee_p_1367372525_sub_892270568_4070434989};

// The delay array of a vector input has one element per input element.
void check_delay_count(uint32_t n, const array_bounds *tpd_b) {
    if (length_of(tpd_b) != n) zem_size_not_matching(static_cast<int32_t>(n), tpd_b->length, 0);
}
bool all_zero_delay01(const int64_t *tpd, uint32_t n) {
    for (uint32_t k = 0; k < n; ++k)
        if (!is_zero_delay01(delay_element(tpd, k))) return false;
    return true;
}

void vector_gate_procedure(char *block, void *process, const OutSig &q, const VecSig &data,
                           const array_bounds *data_b, const int64_t *tpd, const array_bounds *tpd_b, Gate g,
                           const uint8_t *map, uint32_t member_slot) {
    const uint32_t n = data.n;
    check_delay_count(n, tpd_b);
    const VectorGateFn function = kVectorGate[static_cast<int>(g)];
    if (all_zero_delay01(tpd, n)) {
        for (;;) {
            drive_transport(q.drv, q.pos, function(block, data.values(), data_b, map), 0);
            wait_on(process, {on(data)});
        }
    }
    // The state of the timed model, sized once: the inputs' values at the
    // last pass (all 'U' at first), their edges and their schedules.
    std::vector<uint8_t> last(n, U), edges(n), schd(n * kSchedSize), schd_i(exclusive(g) ? n * kSchedSize : 0);
    const Sched initial = default_sched(block);
    for (uint32_t k = 0; k < n; ++k) store_sched(sched_at(schd.data(), k), initial);
    for (uint32_t k = 0; k < schd_i.size() / kSchedSize; ++k) store_sched(sched_at(schd_i.data(), k), initial);
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, member_slot);
    for (uint32_t k = 0; k < n; ++k) {
        const uint8_t edge = initial_edge(block, data.values()[k]);
        path_update_at(sched_at(schd.data(), k), edge, delay_element(tpd, k), inverting(g));
        if (exclusive(g)) path_update_at(sched_at(schd_i.data(), k), edge, delay_element(tpd, k), true);
    }
    for (;;) {
        get_edges(block, data.values(), last.data(), edges.data(), n);
        path_update_all(schd.data(), edges.data(), tpd, n, inverting(g));
        if (exclusive(g)) path_update_all(schd_i.data(), edges.data(), tpd, n, true);
        uint8_t new_value;
        Sched new_schd;
        if (exclusive(g)) {
            new_value = function(block, data.values(), data_b, default_result_map());
            new_schd = sched_xor_n(block, schd.data(), schd_i.data(), n, g == Gate::Xnor);
        } else {
            // the fold starts from the left element combined with itself
            const bool and_like = g == Gate::And || g == Gate::Nand;
            new_value = and_like ? L1 : L0;
            new_schd = load_sched(schd.data());
            for (uint32_t k = 0; k < n; ++k) {
                const uint8_t v = data.values()[k];
                const Sched s = load_sched(sched_at(schd.data(), k));
                new_value = and_like ? ulogic_and(new_value, v) : ulogic_or(new_value, v);
                new_schd = and_like ? sched_and(new_schd, s) : sched_or(new_schd, s);
            }
            if (inverting(g)) {
                new_value = ulogic_not(new_value);
                new_schd = sched_not(new_schd);
            }
        }
        int64_t dly, glch;
        sched_delay(&dly, &glch, new_value, cur_value(glitch.bytes), new_schd);
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, glch, 0, false, nullptr);
        wait_on(process, {on(data)});
    }
}

void vector_gate(char *block, void *process, void *q_sig, uint32_t q_pos, uint32_t q_off, void *q_drv,
                 void *data_sig, uint32_t data_pos, uint32_t data_off, const array_bounds *data_b,
                 const int64_t *tpd, const array_bounds *tpd_b, const uint8_t *map, Gate g, uint32_t slot) {
    vector_gate_procedure(block, process, {q_sig, q_pos, q_off, q_drv},
                          {data_sig, data_pos, data_off, length_of(data_b)}, data_b, tpd, tpd_b, g, map, slot);
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

#define TOVU_VITAL_GATE2_CALL(gate, slot)                                                                         \
    gate_procedure(block, process, {q_sig, q_pos, q_off, q_drv},                                                  \
                   {{{a_sig, a_pos, a_off}, {b_sig, b_pos, b_off}}, {tpd_a, tpd_b}, 2}, gate, map, slot)
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
    gate_procedure(block, process, {q_sig, q_pos, q_off, q_drv},                                                  \
                   {{{a_sig, a_pos, a_off}, {b_sig, b_pos, b_off}, {c_sig, c_pos, c_off}}, {tpd_a, tpd_b, tpd_c}, 3}, \
                   gate, map, slot)
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
    gate_procedure(block, process, {q_sig, q_pos, q_off, q_drv},                                           \
                   {{{a_sig, a_pos, a_off}, {b_sig, b_pos, b_off}, {c_sig, c_pos, c_off}, {d_sig, d_pos, d_off}}, \
                    {tpd_a, tpd_b, tpd_c, tpd_d},                                                          \
                    4},                                                                                    \
                   gate, map, slot)
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
void buffer_procedure(char *block, void *process, const OutSig &q, const InSig &a, const int64_t *tpd,
                      const uint8_t *map, bool invert, uint32_t member_slot) {
    auto value = [&] { return invert ? ulogic_not(a.value()) : to_ux01(a.value()); };
    if (is_zero_delay01(tpd)) {
        for (;;) {
            drive_transport(q.drv, q.pos, invert ? mapped(map, value()) : map[value()], 0);
            wait_on(process, {on(a)});
        }
    }
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, member_slot);
    const int64_t tr01 = delay_of(tpd, kTr01), tr10 = delay_of(tpd, kTr10);
    const int64_t rise = invert ? tr10 : tr01, fall = invert ? tr01 : tr10;
    for (;;) {
        const uint8_t new_value = value();
        int64_t dly;
        switch (get_edge(block, a.sig, a.off)) {
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
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, kMinusOneNs, 0, false, nullptr);
        wait_on(process, {on(a)});
    }
}

// VitalIDENT: the delay by the pair (previous value, new value) reduced to X01Z.
void ident_procedure(char *block, void *process, const OutSig &q, const InSig &a, const int64_t *tpd,
                     const uint8_t *map) {
    auto value = [&] { return ieee_p_1367372525_sub_2851374196_4070434989(block, a.value()); };
    if (is_zero_delay01z(tpd)) {
        for (;;) {
            drive_transport(q.drv, q.pos, map[value()], 0);
            wait_on(process, {on(a)});
        }
    }
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, 121);
    auto d = [&](size_t transition) { return delay_of(tpd, transition); };
    uint8_t new_value = U;
    for (;;) {
        const uint8_t pair[2] = {to_x01z(new_value), to_x01z(a.value())};
        const uint8_t *choices = literal(block, kLitIdentChoices);
        int arm = 0;
        while (arm < 15 && zem_mem_cmp(choices + 2 * arm, pair, 2) != 1) ++arm;
        static constexpr size_t kArmDelay[8] = {kTr10, kTr01, kTr0z, kTr01, kTr10, kTr01, kTr1z, kTr10};
        int64_t dly;
        if (arm < 8) dly = d(kArmDelay[arm]);  // from '0' or '1'
        else if (arm == 8) dly = d(kTrz0);
        else if (arm == 9) dly = d(kTrz1);
        else if (arm == 10) dly = 0;                          // 'Z' stays 'Z'
        else if (arm == 11) dly = minimum(d(kTrz1), d(kTrz0));  // 'Z' -> 'X'
        else if (arm == 12) dly = d(kTr10);
        else if (arm == 13) dly = d(kTr01);
        else if (arm == 14) dly = minimum(d(kTr0z), d(kTr1z));  // 'X' -> 'Z'
        else dly = minimum(d(kTr01), d(kTr10));                 // 'X' -> 'X'
        new_value = value();
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, kMinusOneNs, 0, false, nullptr);
        wait_on(process, {on(a)});
    }
}

// The tri-state buffers and inverters: the data path through BufPath
// (InvPath for the inverters), the enable through BufEnab (active high) or
// InvEnab (active low), the schedules inverted as each member needs.
struct EnableMember {
    size_t table;         // the function form's table
    bool invert_data;     // InvPath, and the data schedule inverted
    bool active_low;      // InvEnab, and the enable schedules inverted
    uint32_t slot;
};

void enable_procedure(char *block, void *process, const OutSig &q, const InSig &data, const InSig &enable,
                      const int64_t *tpd_data, const int64_t *tpd_enable, const uint8_t *map, const EnableMember &m) {
    if (is_zero_delay01(tpd_data) && is_zero_delay01z(tpd_enable)) {
        for (;;) {
            drive_transport(q.drv, q.pos, map[enable_table(block, m.table, data.value(), enable.value())], 0);
            wait_on(process, {on(data), on(enable)});
        }
    }
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, m.slot);
    Sched d = default_sched(block);
    alignas(8) uint8_t e1[kSchedSize], e0[kSchedSize];
    store_sched(e1, default_sched(block));
    store_sched(e0, default_sched(block));
    auto update = [&](uint8_t data_edge, uint8_t enable_edge) {
        if (m.invert_data)
            inv_path(d, data_edge, tpd_data);
        else
            buf_path(d, data_edge, tpd_data);
        enable_update(e1, e0, enable_edge, tpd_enable, m.active_low);
    };
    update(initial_edge(block, data.value()), initial_edge(block, enable.value()));
    for (;;) {
        update(get_edge(block, data.sig, data.off), get_edge(block, enable.sig, enable.off));
        const uint8_t new_value = default_result_zmap()[enable_table(block, m.table, data.value(), enable.value())];
        const Sched ds = m.invert_data ? sched_not(d) : d;
        const Sched s1 = m.active_low ? sched_not(load_sched(e1)) : load_sched(e1);
        const Sched s0 = m.active_low ? sched_not(load_sched(e0)) : load_sched(e0);
        int64_t dly, glch;
        tristate_delay(block, &dly, &glch, new_value, cur_value(glitch.bytes), ds, s1, s0);
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, glch, 0, false, nullptr);
        wait_on(process, {on(data), on(enable)});
    }
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_1956994121_4070434989(TOVU_VITAL_BUF_PARAMS) {
    buffer_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {a_sig, a_pos, a_off}, tpd, map, false, 118);
}
extern "C" void ieee_p_1367372525_sub_1425513643_4070434989(TOVU_VITAL_BUF_PARAMS) {
    ident_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {a_sig, a_pos, a_off}, tpd, map);
}
extern "C" void ieee_p_1367372525_sub_2809565465_4070434989(TOVU_VITAL_BUF_PARAMS) {
    buffer_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {a_sig, a_pos, a_off}, tpd, map, true, 122);
}

#define TOVU_VITAL_ENABLE_CALL(member)                                                                          \
    enable_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {data_sig, data_pos, data_off},              \
                     {enable_sig, enable_pos, enable_off}, tpd_data, tpd_enable, map, member)
extern "C" void ieee_p_1367372525_sub_806467043_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL((EnableMember{kConstBufIf1, false, false, 119}));
}
extern "C" void ieee_p_1367372525_sub_1188012972_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL((EnableMember{kConstBufIf0, false, true, 120}));
}
extern "C" void ieee_p_1367372525_sub_3427255122_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL((EnableMember{kConstInvIf1, true, false, 123}));
}
extern "C" void ieee_p_1367372525_sub_3624292364_4070434989(TOVU_VITAL_ENABLE_PARAMS) {
    TOVU_VITAL_ENABLE_CALL((EnableMember{kConstInvIf0, true, true, 124}));
}
#undef TOVU_VITAL_ENABLE_CALL

// ==== multiplexer and decoder concurrent procedures ==============================

namespace {

// VitalMUX2: scalar data and select; the select's edge is asked for each of
// its two schedules.
void mux2_procedure(char *block, void *process, const OutSig &q, const InSig &d1, const InSig &d0, const InSig &sel,
                    const int64_t *tpd_d1, const int64_t *tpd_d0, const int64_t *tpd_sel, const uint8_t *map) {
    if (is_zero_delay01(tpd_d1) && is_zero_delay01(tpd_d0) && is_zero_delay01(tpd_sel)) {
        for (;;) {
            drive_transport(q.drv, q.pos, map[mux2_value(d1.value(), d0.value(), sel.value())], 0);
            wait_on(process, {on(d1), on(d0), on(sel)});
        }
    }
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, 125);
    Sched s1 = default_sched(block), s0 = default_sched(block), sb = default_sched(block), si = default_sched(block);
    buf_path(s1, initial_edge(block, d1.value()), tpd_d1);
    buf_path(s0, initial_edge(block, d0.value()), tpd_d0);
    buf_path(sb, initial_edge(block, sel.value()), tpd_sel);
    inv_path(si, initial_edge(block, sel.value()), tpd_sel);
    for (;;) {
        buf_path(s1, get_edge(block, d1.sig, d1.off), tpd_d1);
        buf_path(s0, get_edge(block, d0.sig, d0.off), tpd_d0);
        buf_path(sb, get_edge(block, sel.sig, sel.off), tpd_sel);
        inv_path(si, get_edge(block, sel.sig, sel.off), tpd_sel);
        const uint8_t new_value = default_result_map()[mux2_value(d1.value(), d0.value(), sel.value())];
        int64_t dly, glch;
        sched_delay(&dly, &glch, new_value, cur_value(glitch.bytes), sched_mux2(s1, s0, sb, si));
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, glch, 0, false, nullptr);
        wait_on(process, {on(d1), on(d0), on(sel)});
    }
}

// The inputs of a vector procedure in the timed model: the values of the
// last pass (all 'U' at first), the edges, the schedules (buffered, and
// inverted where asked for), sized once from the input's length.
// A std_ulogic input (`scalar`) takes its edge from the signal's event, asked
// for each schedule, instead of from the value of the last pass.
struct VectorInput {
    VecSig sig;
    const int64_t *tpd;
    bool scalar;
    std::vector<uint8_t> last, edges, bsched, isched;
    VectorInput(char *block, const VecSig &s, const int64_t *delays, bool with_inverted, bool scalar_input = false)
        : sig(s), tpd(delays), scalar(scalar_input), last(s.n, U), edges(s.n), bsched(s.n * kSchedSize),
          isched(with_inverted ? s.n * kSchedSize : 0) {
        const Sched initial = default_sched(block);
        for (uint32_t k = 0; k < s.n; ++k) {
            store_sched(sched_at(bsched.data(), k), initial);
            if (with_inverted) store_sched(sched_at(isched.data(), k), initial);
        }
        for (uint32_t k = 0; k < s.n; ++k) {
            const uint8_t edge = initial_edge(block, s.values()[k]);
            path_update_at(sched_at(bsched.data(), k), edge, delay_element(tpd, k), false);
            if (with_inverted) path_update_at(sched_at(isched.data(), k), edge, delay_element(tpd, k), true);
        }
    }
    // GetEdge on the whole vector, then BufPath (and InvPath) on each element.
    void update(char *block) {
        if (scalar) {
            path_update_at(bsched.data(), get_edge(block, sig.sig, sig.off), tpd, false);
            if (!isched.empty()) path_update_at(isched.data(), get_edge(block, sig.sig, sig.off), tpd, true);
            return;
        }
        get_edges(block, sig.values(), last.data(), edges.data(), sig.n);
        path_update_all(bsched.data(), edges.data(), tpd, sig.n, false);
        if (!isched.empty()) path_update_all(isched.data(), edges.data(), tpd, sig.n, true);
    }
};

// VitalMUX4, VitalMUX8 and VitalMUX: the zero-delay model drives VitalMUX;
// the timed model computes the member's own value and schedule functions
// (`width` 4 or 8, or 0 for any width).
void mux_procedure(char *block, void *process, const OutSig &q, const VecSig &data, const VecSig &sel,
                   const int64_t *tpd_data, const array_bounds *tpd_data_b, const int64_t *tpd_sel,
                   const array_bounds *tpd_sel_b, const uint8_t *map, uint32_t width, uint32_t slot) {
    check_delay_count(data.n, tpd_data_b);
    check_delay_count(sel.n, tpd_sel_b);
    if (all_zero_delay01(tpd_sel, sel.n) && all_zero_delay01(tpd_data, data.n)) {
        for (;;) {
            drive_transport(q.drv, q.pos, map[mux_value(block, data.values(), data.n, sel.values(), sel.n)], 0);
            wait_on(process, {on(data), on(sel)});
        }
    }
    GlitchData glitch(block);
    const GlitchTarget target = glitch_target(block, process, q, slot);
    VectorInput d(block, data, tpd_data, false), s(block, sel, tpd_sel, true);
    for (;;) {
        d.update(block);
        s.update(block);
        uint8_t value;
        Sched new_schd;
        const uint8_t *sb = s.bsched.data(), *si = s.isched.data();
        if (width == 4) {
            value = mux4_value(block, data.values(), sel.values());
            new_schd = sched_mux4(d.bsched.data(), sb, si);
        } else if (width == 8) {
            value = mux8_value(block, data.values(), sel.values());
            new_schd = sched_mux8(d.bsched.data(), sb, si);
        } else {
            value = mux_value(block, data.values(), data.n, sel.values(), sel.n);
            new_schd = sched_mux(block, d.bsched.data(), data.n, sb, si, sel.n);
        }
        const uint8_t new_value = default_result_map()[value];
        int64_t dly, glch;
        sched_delay(&dly, &glch, new_value, cur_value(glitch.bytes), new_schd);
        glitch_on_event(target, q.pos, glitch.bytes, map[new_value], dly, glch, 0, false, nullptr);
        wait_on(process, {on(data), on(sel)});
    }
}

// The decoders: the output vector q of `outputs` elements, highest first.
// Zero-delay model: the whole value in one transaction. Timed model: the
// address bits' buffered and inverted schedules and the enable's, decoded
// into one schedule per output, and the vector glitch handling.
void decoder_procedure(char *block, void *process, const OutSig &q, const array_bounds &q_b, const VecSig &data,
                       const InSig &enable, const int64_t *tpd_data, const int64_t *tpd_enable, const uint8_t *map,
                       uint32_t slot, bool scalar_data = false) {
    const uint32_t outputs = length_of(&q_b);
    // The value of the decoder for the present inputs, checked against q's width.
    auto value = [&](const uint8_t *&v) {
        array_bounds vb;
        v = decoder_value(block, &vb, data.values(), data.n, enable.value(), map);
        if (length_of(&vb) != outputs) zem_size_not_matching(static_cast<int32_t>(outputs), vb.length, 0);
    };
    if (is_zero_delay01(tpd_enable) && all_zero_delay01(tpd_data, data.n)) {
        for (;;) {
            const uint8_t *v;
            value(v);
            drive_bytes(q.drv, q.pos, v, outputs, 0);
            wait_on(process, {on(data), on(enable)});
        }
    }
    std::vector<uint8_t> glitch(outputs * kGlitchDataSize), cur(outputs);
    std::vector<int64_t> dly(outputs), glch(outputs);
    zem_type_set_default_value(block + kTypeGlitchDataArray, glitch.data(), &q_b);
    const GlitchTarget target = glitch_target(block, process, q, slot);
    VectorInput d(block, data, tpd_data, true, scalar_data);
    Sched en = default_sched(block);
    buf_path(en, initial_edge(block, enable.value()), tpd_enable);
    for (;;) {
        d.update(block);
        buf_path(en, get_edge(block, enable.sig, enable.off), tpd_enable);
        const uint8_t *new_value;
        value(new_value);
        alignas(8) uint8_t enab[kSchedSize];
        store_sched(enab, en);
        const array_bounds db = downto_zero(data.n);
        array_bounds sb;
        const uint8_t *new_schd = ieee_p_1367372525_sub_23007260_4070434989(block, &sb, d.bsched.data(), &db,
                                                                            d.isched.data(), &db, enab);
        if (length_of(&sb) != outputs) zem_size_not_matching(static_cast<int32_t>(outputs), sb.length, 0);
        for (uint32_t k = 0; k < outputs; ++k) {
            cur[k] = cur_value(glitch.data() + static_cast<size_t>(k) * kGlitchDataSize);
            sched_delay(&dly[k], &glch[k], new_value[k], cur[k], load_sched(sched_at(new_schd, k)));
        }
        glitch_on_event_vector(target, q_b, glitch.data(), new_value, dly.data(), glch.data(), outputs);
        wait_on(process, {on(data), on(enable)});
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
    mux2_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {d1_sig, d1_pos, d1_off}, {d0_sig, d0_pos, d0_off},
                   {sel_sig, sel_pos, sel_off}, tpd_d1, tpd_d0, tpd_sel, map);
}

#define TOVU_VITAL_MUXN_CALL(data_width, select_width, slot)                                                       \
    mux_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {data_sig, data_pos, data_off, data_width},        \
                  {sel_sig, sel_pos, sel_off, select_width}, tpd_data, tpd_data_b, tpd_sel, tpd_sel_b, map,        \
                  data_width, slot)
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
    mux_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, {data_sig, data_pos, data_off, length_of(data_b)},
                  {sel_sig, sel_pos, sel_off, length_of(sel_b)}, tpd_data, tpd_data_b, tpd_sel, tpd_sel_b, map, 0,
                  128);
}

extern "C" void ieee_p_1367372525_sub_2929378169_4070434989(char *block, void *process, void *q_sig, uint32_t q_pos,
                                                            uint32_t q_off, void *q_drv, void *data_sig,
                                                            uint32_t data_pos, uint32_t data_off, void *enable_sig,
                                                            uint32_t enable_pos, uint32_t enable_off,
                                                            const int64_t *tpd_data, const int64_t *tpd_enable,
                                                            const uint8_t *map) {
    decoder_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, downto_zero(2), {data_sig, data_pos, data_off, 1},
                      {enable_sig, enable_pos, enable_off}, tpd_data, tpd_enable, map, 129, true);
}

#define TOVU_VITAL_DECODERN_CALL(bits, slot)                                                                          \
    do {                                                                                                             \
        check_delay_count(bits, tpd_data_b);                                                                         \
        decoder_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, downto_zero(1u << (bits)),                   \
                          {data_sig, data_pos, data_off, bits}, {enable_sig, enable_pos, enable_off}, tpd_data,      \
                          tpd_enable, map, slot);                                                                    \
    } while (0)
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
    check_delay_count(length_of(data_b), tpd_data_b);
    decoder_procedure(block, process, {q_sig, q_pos, q_off, q_drv}, tovu::layout::make_bounds(q_b->left, q_b->right, q_b->dir),
                      {data_sig, data_pos, data_off, length_of(data_b)}, {enable_sig, enable_pos, enable_off},
                      tpd_data, tpd_enable, map, 132);
}

// ==== truth and state tables =====================================================

namespace {

// A truth or state table: rows of symbols (VitalTableSymbolType positions).
struct SymbolTable {
    const uint8_t *data;
    uint32_t rows, cols;
    SymbolTable(const uint8_t *d, const array_bounds *b) : data(d), rows(length_of(&b[0])), cols(length_of(&b[1])) {}
    uint8_t at(uint32_t i, uint32_t j) const { return data[static_cast<size_t>(i) * cols + j]; }
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
    const uint8_t k = truth_index(symbol);
    uint8_t v = table(block, kConstTruthTableOutMap)[k];
    err = false;
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
    const uint8_t s = state_symbol(symbol);
    uint8_t v = table(block, kConstStateTableOutMap)[s];
    err = false;
    if (v == DC) {
        err = true;
        v = X;
        error_from(block, kLitStateTable, 15, kErrOutSym, table(block, kConstToStateChar)[s]);
    } else if (v == W) {
        v = to_x01z(prev_out);
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

uint8_t *all_x(uint32_t n) {
    auto *v = static_cast<uint8_t *>(zem_get_transient_memory(n));
    std::memset(v, X, n);
    return v;
}
uint8_t *to_x01_copy(const uint8_t *values, uint32_t n) {
    auto *v = static_cast<uint8_t *>(zem_get_transient_memory(n));
    for (uint32_t k = 0; k < n; ++k) v[k] = to_x01(values[k]);
    return v;
}

// StateTableLookUp: the next outputs (ResponseLen of them, in transient
// memory) of the first row that matches the inputs, the present outputs in
// the state columns and the previous inputs. All 'X' when no row matches.
uint8_t *state_lookup(char *block, const SymbolTable &t, const uint8_t *data_in, uint32_t input_size,
                      const uint8_t *prev_data_in, uint32_t prev_data_len, int32_t num_states,
                      const uint8_t *prev_output, uint32_t prev_output_len, uint32_t &response_len) {
    zem_vhdl_check_range_of_index(0, INT32_MAX, 1, num_states);  // NATURAL
    const uint32_t states = static_cast<uint32_t>(num_states);
    const int64_t new_inp_len = static_cast<int64_t>(input_size) + states;
    const int64_t response = static_cast<int64_t>(t.cols) - new_inp_len;
    response_len = response > 0 ? static_cast<uint32_t>(response) : 0;
    if (states > 0)
        zem_vhdl_check_range_of_slice(0, static_cast<int32_t>(prev_output_len) - 1, 1, 0, num_states - 1, 1);
    if (input_size > 0)
        zem_vhdl_check_range_of_slice(0, static_cast<int32_t>(prev_data_len) - 1, 1, 0,
                                      static_cast<int32_t>(input_size) - 1, 1);
    if (t.rows > 0 && new_inp_len > t.cols)  // the rows are read up to column NewInpLen-1
        zem_vhdl_check_range_of_index(0, static_cast<int32_t>(t.cols) - 1, 1, static_cast<int32_t>(new_inp_len - 1));
    const auto width = static_cast<uint32_t>(new_inp_len);
    uint8_t *inputs = all_x(width), *prev_inputs = all_x(width);
    if (input_size > 0) std::memcpy(inputs, data_in, input_size);
    if (states > 0) std::memcpy(inputs + input_size, prev_output, states);
    if (input_size > 0) std::memcpy(prev_inputs, prev_data_in, input_size);
    uint8_t *result = all_x(response_len);
    for (uint32_t i = 0; i < t.rows; ++i) {
        bool matched = true, err;
        for (uint32_t j = 0; j < width && matched; ++j)
            matched = state_match(block, t.at(i, j), inputs[j], prev_inputs[j], j >= input_size, err);
        if (!matched) continue;
        const uint32_t count = response_len < prev_output_len ? response_len : prev_output_len;
        for (uint32_t k = 0; k < count; ++k) {
            result[response_len - 1 - k] = state_output(block, t.at(i, t.cols - 1 - k),
                                                        prev_output[prev_output_len - 1 - k], err);
            if (err) {
                std::memset(result, X, response_len);
                break;
            }
        }
        break;
    }
    return result;
}

// VitalTruthTable (vector result): the outputs of the first matching row,
// the first output column leftmost; all 'X' when none matches, when the
// search meets an illegal input symbol or when the row's outputs hold an
// illegal symbol. `out_size` is the table's output width, 0 when it has none.
uint8_t *truth_table(char *block, const SymbolTable &t, const uint8_t *data_in, uint32_t input_size,
                     uint32_t &out_size) {
    const int64_t width = static_cast<int64_t>(t.cols) - input_size;
    out_size = width > 0 ? static_cast<uint32_t>(width) : 0;
    uint8_t *result = all_x(out_size);
    if (width <= 0) {
        truth_error(block, kErrTabWidSml);
        return result;
    }
    const uint8_t *data = to_x01_copy(data_in, input_size);
    const uint8_t *valid = table(block, kConstValidTruthTableInput);
    const uint8_t *match = table(block, kConstTruthTableMatch);
    for (uint32_t i = 0; i < t.rows; ++i) {
        bool matched = true;
        for (uint32_t j = 0; j < input_size && matched; ++j) {
            const uint8_t k = truth_index(t.at(i, j));
            if (valid[k] == kFalse) {
                error_from(block, kLitTruthTable, 15, kErrInpSym, table(block, kConstToTruthChar)[k]);
                return result;
            }
            zem_vhdl_check_range_of_index(1, 3, 1, data[j]);
            matched = match[(data[j] - 1) * 6 + k] != kFalse;
        }
        if (!matched) continue;
        for (uint32_t k = 0; k < out_size; ++k) {
            bool err;
            result[k] = truth_output(block, t.at(i, input_size + k), err);
            if (err) {
                std::memset(result, X, out_size);
                break;
            }
        }
        break;
    }
    return result;
}

// ResultAlias := all 'X', then the last min(OutSize, ResLeng) outputs copied
// to its right end.
void right_aligned(uint8_t *result, uint32_t res_len, const uint8_t *outputs, uint32_t out_size) {
    if (res_len > 0) std::memset(result, X, res_len);
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
    uint32_t n;
    uint8_t *r = state_lookup(block, SymbolTable(table_data, table_b), data_in, length_of(data_in_b), prev_data_in,
                              length_of(prev_data_in_b), num_states, prev_output, length_of(prev_output_b), n);
    *result = tovu::layout::make_bounds(0, static_cast<int32_t>(n) - 1, 1);
    return r;
}

extern "C" uint8_t *ieee_p_1367372525_sub_669306805_4070434989(char *block, array_bounds *result,
                                                               const uint8_t *table_data, const array_bounds *table_b,
                                                               const uint8_t *data_in, const array_bounds *data_in_b) {
    uint32_t n;
    uint8_t *r = truth_table(block, SymbolTable(table_data, table_b), data_in, length_of(data_in_b), n);
    *result = downto_zero(n);
    return r;
}

extern "C" uint8_t ieee_p_1367372525_sub_3829785817_4070434989(char *block, const uint8_t *table_data,
                                                               const array_bounds *table_b, const uint8_t *data_in,
                                                               const array_bounds *data_in_b) {
    const SymbolTable t(table_data, table_b);
    if (t.cols <= length_of(data_in_b)) {
        truth_error(block, kErrTabWidSml);
        return X;
    }
    uint32_t n;
    const uint8_t *r = truth_table(block, t, data_in, length_of(data_in_b), n);
    if (n > 1) truth_error(block, kErrTabResLrg);
    return r[n - 1];  // element 0: the last output column
}

extern "C" void ieee_p_1367372525_sub_2718111499_4070434989(char *block, void *, void *, uint32_t result_pos,
                                                            uint32_t, void *result_drv, const array_bounds *result_b,
                                                            const uint8_t *table_data, const array_bounds *table_b,
                                                            void *data_sig, uint32_t, uint32_t data_off,
                                                            const array_bounds *data_b) {
    const uint32_t res_len = length_of(result_b);
    uint32_t act_len;
    const uint8_t *tmp = truth_table(block, SymbolTable(table_data, table_b), signal_data(data_sig, data_off),
                                     length_of(data_b), act_len);
    if (res_len > act_len)
        truth_error(block, kErrTabResSml);
    else if (res_len < act_len)
        truth_error(block, kErrTabResLrg);
    // The table's outputs from Result's left end; elements beyond them 'X'.
    uint8_t *staged = all_x(res_len);
    const uint32_t kept = res_len < act_len ? res_len : act_len;
    if (kept > 0) std::memcpy(staged, tmp, kept);
    drive_bytes(result_drv, result_pos, staged, res_len, 0);
}

extern "C" void ieee_p_1367372525_sub_2359968290_4070434989(char *block, void *, void *, uint32_t result_pos,
                                                            uint32_t, void *result_drv, const uint8_t *table_data,
                                                            const array_bounds *table_b, void *data_sig, uint32_t,
                                                            uint32_t data_off, const array_bounds *data_b) {
    uint32_t act_len;
    const uint8_t *tmp = truth_table(block, SymbolTable(table_data, table_b), signal_data(data_sig, data_off),
                                     length_of(data_b), act_len);
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
    const int64_t out_size = static_cast<int64_t>(t.cols) - input_size - num_states;
    if (prev_len < input_size) {
        const array_bounds ib = literal_bounds(21);
        error_from(block, kLitStateTable, 15, kErrVctLng, block + kLitPrevDataInfo, &ib);
        if (res_len > 0) std::memset(result, X, res_len);
        zem_variable_act(result);
        return;
    }
    if (!state_widths_ok(block, out_size, res_len)) {
        if (res_len > 0) std::memset(result, X, res_len);
        zem_variable_act(result);
        return;
    }
    const uint8_t *data = to_x01_copy(data_in, input_size);
    uint8_t *prev = to_x01_copy(prev_data_in, prev_len);
    const uint8_t *present = to_x01_copy(result, res_len);
    uint32_t n;
    const uint8_t *expected = state_lookup(block, t, data, input_size, prev, prev_len, num_states, present, res_len, n);
    right_aligned(result, res_len, expected, n);
    zem_variable_act(result);
    if (input_size > 0) std::memcpy(prev, data, input_size);
    if (prev_len > 0) std::memcpy(prev_data_in, prev, prev_len);
    zem_variable_act(prev_data_in);
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
void state_table_signal(char *block, void *process, const OutSig &result, uint32_t res_len, const SymbolTable &t,
                        const VecSig &data, int32_t num_states, bool scalar_result) {
    zem_vhdl_check_range_of_index(0, INT32_MAX, 1, num_states);  // NATURAL
    const int64_t out_size = static_cast<int64_t>(t.cols) - data.n - num_states;
    auto drive_all_x = [&] { drive_bytes(result.drv, result.pos, all_x(res_len), res_len, 0); };
    if (scalar_result) {
        if (out_size < 1) {
            state_error(block, kErrTabWidSml);
            drive_all_x();
            return;
        }
        if (out_size > 1) state_error(block, kErrTabResLrg);
    } else if (!state_widths_ok(block, out_size, res_len)) {
        drive_all_x();
        return;
    }
    std::vector<uint8_t> prev(data.n, X), present(res_len), staged(res_len);
    for (;;) {
        const uint8_t *values = to_x01_copy(data.values(), data.n);
        const uint8_t *now_out = signal_data(result.sig, result.off);
        for (uint32_t k = 0; k < res_len; ++k) present[k] = to_x01(now_out[k]);
        uint32_t n;
        const uint8_t *expected =
            state_lookup(block, t, values, data.n, prev.data(), data.n, num_states, present.data(), res_len, n);
        if (scalar_result) {
            zem_vhdl_check_range_of_index(0, static_cast<int32_t>(n) - 1, 1, static_cast<int32_t>(out_size) - 1);
            staged[0] = expected[out_size - 1];
        } else {
            right_aligned(staged.data(), res_len, expected, n);
        }
        drive_bytes(result.drv, result.pos, staged.data(), res_len, 0);
        if (data.n > 0) std::memcpy(prev.data(), values, data.n);
        wait_on(process, {on(data)});
    }
}

}  // namespace

extern "C" void ieee_p_1367372525_sub_1182304615_4070434989(char *block, void *process, void *result_sig,
                                                            uint32_t result_pos, uint32_t result_off, void *result_drv,
                                                            const array_bounds *result_b, const uint8_t *table_data,
                                                            const array_bounds *table_b, void *data_sig,
                                                            uint32_t data_pos, uint32_t data_off,
                                                            const array_bounds *data_b, int32_t num_states) {
    state_table_signal(block, process, {result_sig, result_pos, result_off, result_drv}, length_of(result_b),
                       SymbolTable(table_data, table_b), {data_sig, data_pos, data_off, length_of(data_b)},
                       num_states, false);
}

extern "C" void ieee_p_1367372525_sub_956644378_4070434989(char *block, void *process, void *result_sig,
                                                           uint32_t result_pos, uint32_t result_off, void *result_drv,
                                                           const uint8_t *table_data, const array_bounds *table_b,
                                                           void *data_sig, uint32_t data_pos, uint32_t data_off,
                                                           const array_bounds *data_b) {
    state_table_signal(block, process, {result_sig, result_pos, result_off, result_drv}, 1,
                       SymbolTable(table_data, table_b), {data_sig, data_pos, data_off, length_of(data_b)}, 1, true);
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
