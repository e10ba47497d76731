// VITAL_Timing (unit ieee_p_2717149903): delay selection, wire and path
// delays with glitch handling, timing and skew checks with their reports.
// The resolution of its four resolved subtypes is std_logic_1164's.
#include "ieee/p_2717149903.h"

#include <cstring>

#include "ieee/p_2592010699.h"
#include "ieee/vital_support.h"
#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

using namespace vital_timing;

namespace {

using namespace vital;

// VitalGlitchKindType
enum : uint8_t { kOnEvent = 0, kOnDetect = 1, kInertial = 2, kTransport = 3 };
// CheckType
enum : uint8_t { kSetupCheck = 0, kHoldCheck, kRecoveryCheck, kRemovalCheck, kPulseWidCheck, kPeriodCheck };
// VitalSkewExpectedType
enum : uint8_t { kNone = 0, kS1r, kS1f, kS2r, kS2f };
// Edge symbols used by the period check: 'P', 'N', 'p', 'n'.
constexpr uint8_t kEdgeP = 2, kEdgeN = 3, kEdgePl = 6, kEdgeNl = 7;
constexpr uint8_t kErrNegDel = 3;

void write_semicolon_lf(void *ctx, Line &l) {
    array_bounds b;
    const char *s = static_cast<const char *>(zem_base_array_concat(nullptr, &b, STD_STANDARD + kStringType,
                                                                    CONCAT_ELEMENT, 59, CONCAT_ELEMENT, 10, CONCAT_END));
    write_string(ctx, l, s, &b);
}
// Reports the LINE's text and deallocates it.
void report_line(Line &l, int32_t severity) {
    zem_report(line_text(l), length_of(line_bounds(l)), severity);
    zem_access_variable_deallocate(l.ptr());
}

// ---- delay selection --------------------------------------------------------

enum Tr { kTr01 = 0, kTr10, kTr0z, kTrz1, kTr1z, kTrz0 };

bool is0(uint8_t v) { return v == L0 || v == WL; }
bool is1(uint8_t v) { return v == L1 || v == WH; }

int64_t calc_delay01(uint8_t new_val, uint8_t old_val, const int64_t *d) {
    const int64_t r = get_time(d, 8 * kTr01), f = get_time(d, 8 * kTr10);
    if (is0(new_val)) return f;
    if (is1(new_val)) return r;
    if (is0(old_val)) return r;
    if (is1(old_val)) return f;
    if (new_val == Z) return maximum(f, r);
    if (old_val == Z) return minimum(f, r);
    return maximum(f, r);
}

int64_t calc_delay01z(uint8_t new_val, uint8_t old_val, const int64_t *d) {
    int64_t t[6];
    for (int i = 0; i < 6; ++i) t[i] = get_time(d, 8 * i);
    if (is0(old_val)) {
        if (is0(new_val)) return t[kTr10];
        if (is1(new_val)) return t[kTr01];
        if (new_val == Z) return t[kTr0z];
        return minimum(t[kTr01], t[kTr0z]);
    }
    if (is1(old_val)) {
        if (is0(new_val)) return t[kTr10];
        if (is1(new_val)) return t[kTr01];
        if (new_val == Z) return t[kTr1z];
        return minimum(t[kTr10], t[kTr1z]);
    }
    if (old_val == Z) {
        if (is0(new_val)) return t[kTrz0];
        if (is1(new_val)) return t[kTrz1];
        if (new_val == Z) return maximum(t[kTr0z], t[kTr1z]);
        return minimum(t[kTrz1], t[kTrz0]);
    }
    if (is0(new_val)) return maximum(t[kTr10], t[kTrz0]);
    if (is1(new_val)) return maximum(t[kTr01], t[kTrz1]);
    if (new_val == Z) return maximum(t[kTr1z], t[kTr0z]);
    return maximum(t[kTr10], t[kTr01]);
}

// The path selection common to the three forms; `calc` gives a path's (or
// the default's) delay for the transition.
template <typename Calc>
int64_t select_path_delay(const uint8_t *paths, const array_bounds *pb, size_t stride, size_t cond_off,
                          bool ignore_default, Calc calc, const void *default_delay) {
    int64_t input_age = kTimeHigh, prop_delay = kTimeHigh;
    for (int32_t k = 0; k < pb->length; ++k) {
        const uint8_t *path = paths + static_cast<size_t>(k) * stride;
        if (path[cond_off] == kFalse) continue;
        const int64_t change = get_time(path, kPathChangeTime);
        if (change > input_age) continue;
        const int64_t tmp = calc(path + kPathDelay);
        if (change < input_age || tmp < prop_delay) prop_delay = tmp;
        input_age = change;
    }
    if (prop_delay == kTimeHigh) return ignore_default ? kTimeHigh : calc(default_delay);
    if (prop_delay < input_age) return calc(default_delay);
    return prop_delay - input_age;
}

// ---- glitch scheduling -------------------------------------------------------

struct OutSignal {
    uint32_t pos;
    void *drv;
};

void vital_glitch(char *block, void *ctx, const OutSignal &out, uint8_t *gd, const char *name,
                  const array_bounds *name_b, uint8_t new_value, int64_t new_delay, uint8_t mode, uint8_t x_on,
                  uint8_t neg_preempt_on, uint8_t msg_on, uint8_t severity) {
    int64_t dly = new_delay;
    bool new_glitch = true, neg_preempt_glitch = false;
    int64_t sched_time = get_time(gd, kGlitchSchedTime), glitch_time = get_time(gd, kGlitchGlitchTime);
    const uint8_t sched_value = gd[kGlitchSchedValue];

    if (new_delay < 0) {
        if (new_value != sched_value) {
            const array_bounds rb = literal_bounds(11);
            ieee_p_2717149903_sub_648230642_2101202839(block, ctx, block + kLitGlitchErr, &rb, kErrNegDel, name,
                                                       name_b);
        }
        return;
    }
    if (mode == kInertial) {
        drive_inertial(out.drv, out.pos, new_value, dly);
    } else if (mode == kTransport) {
        drive_transport(out.drv, out.pos, new_value, dly);
    } else {
        const int64_t t = now();
        if (sched_time <= t) {
            if (new_value == sched_value) return;
            new_glitch = false;
            glitch_time = sat_add(t, dly);
        } else if (sat_add(t, dly) <= glitch_time && sat_add(t, dly) <= sched_time) {
            if (new_value != sched_value && neg_preempt_on && t > 0) {
                neg_preempt_glitch = true;
            } else {
                new_glitch = false;
            }
            glitch_time = sat_add(t, dly);
        } else if (glitch_time <= t) {
            if (sched_value == new_value) dly = minimum(sched_time - t, new_delay);
            new_glitch = false;
        } else if (sched_value == new_value && sched_time == glitch_time) {
            dly = minimum(sched_time - t, new_delay);
            new_glitch = false;
            glitch_time = sat_add(t, dly);
        }
        set_time(gd, kGlitchGlitchTime, glitch_time);

        if (!new_glitch) {
            drive_inertial(out.drv, out.pos, new_value, dly);
        } else {
            if (msg_on) {
                const size_t routine = neg_preempt_glitch ? kLitGlitchNeg : kLitGlitchRpt;
                const array_bounds rb = literal_bounds(neg_preempt_glitch ? 15 : 11);
                ieee_p_2717149903_sub_2507489675_2101202839(block, ctx, block + routine, &rb, name, name_b,
                                                            glitch_time, sched_value, sat_add(now(), dly),
                                                            new_value, 0, kFalse, severity);
            }
            if (x_on) {
                if (mode == kOnDetect)
                    drive_transport(out.drv, out.pos, X, 0);
                else
                    drive_inertial(out.drv, out.pos, X, glitch_time - now());
                drive_transport(out.drv, out.pos, new_value, neg_preempt_glitch ? sched_time - now() : dly);
            } else {
                drive_inertial(out.drv, out.pos, new_value, dly);
            }
        }
    }
    if (neg_preempt_glitch) {
        gd[kGlitchSchedValue] = X;
    } else {
        gd[kGlitchSchedValue] = new_value;
        set_time(gd, kGlitchSchedTime, sat_add(now(), dly));
    }
}

// The steps shared by the three VitalPathDelay forms; `select` chooses the
// delay for (OutTemp, LastValue). Returns without scheduling when nothing
// changes.
template <typename Select>
void path_delay(char *block, void *ctx, const OutSignal &out, uint8_t *gd, const char *name,
                const array_bounds *name_b, uint8_t out_temp, uint8_t mode, uint8_t x_on, uint8_t msg_on,
                uint8_t severity, uint8_t neg_preempt_on, bool honour_reject_fast_path, uint8_t reject_fast_path,
                Select select) {
    const int64_t sched_time = get_time(gd, kGlitchSchedTime), glitch_time = get_time(gd, kGlitchGlitchTime);
    if (glitch_time <= sched_time && sched_time <= now()) gd[kGlitchSchedValue] = gd[kGlitchLastValue];
    if (sched_time <= now() && gd[kGlitchSchedValue] == out_temp) return;
    if (honour_reject_fast_path && sched_time > now() && gd[kGlitchSchedValue] == out_temp && reject_fast_path)
        return;
    const int64_t prop_delay = select(out_temp, gd[kGlitchLastValue]);
    gd[kGlitchLastValue] = out_temp;
    vital_glitch(block, ctx, out, gd, name, name_b, out_temp, prop_delay, mode, x_on, neg_preempt_on, msg_on,
                 severity);
}

// ---- timing checks -----------------------------------------------------------

bool edge_symbol_match(char *block, uint8_t old_x01, uint8_t new_x01, uint8_t symbol) {
    zem_vhdl_check_range_of_index(1, 3, 1, old_x01);
    zem_vhdl_check_range_of_index(1, 3, 1, new_x01);
    zem_vhdl_check_range_of_index(0, 15, 1, symbol);
    const uint8_t *table = constant(block, kConstEdgeSymbolMatch);
    return table[((old_x01 - 1) * 3 + (new_x01 - 1)) * 16 + symbol] != kFalse;
}

}  // namespace

// ==== delay selection ========================================================

extern "C" int64_t ieee_p_2717149903_sub_2876942914_2101202839(char *, int64_t a, int64_t b) { return minimum(a, b); }

extern "C" int64_t ieee_p_2717149903_sub_1261593284_2101202839(char *, int64_t a, int64_t b) { return maximum(a, b); }

extern "C" int64_t ieee_p_2717149903_sub_3513290822_2101202839(char *, uint8_t, uint8_t, int64_t delay) { return delay; }

extern "C" int64_t ieee_p_2717149903_sub_3117307889_2101202839(char *, uint8_t new_val, uint8_t old_val,
                                                               const int64_t *delay) {
    return calc_delay01(new_val, old_val, delay);
}

extern "C" int64_t ieee_p_2717149903_sub_2630507023_2101202839(char *, uint8_t new_val, uint8_t old_val,
                                                               const int64_t *delay) {
    return calc_delay01z(new_val, old_val, delay);
}

extern "C" int64_t ieee_p_2717149903_sub_627053527_2101202839(char *, uint8_t, uint8_t, const char *,
                                                              const array_bounds *, const uint8_t *paths,
                                                              const array_bounds *paths_b, int64_t default_delay, uint8_t ignore_default) {
    return select_path_delay(
        paths, paths_b, kPathStride, kPathCondition, ignore_default != kFalse,
        [](const void *d) { return get_time(d); }, &default_delay);
}

extern "C" int64_t ieee_p_2717149903_sub_786952671_2101202839(char *, uint8_t new_value, uint8_t old_value,
                                                              const char *, const array_bounds *,
                                                              const uint8_t *paths, const array_bounds *paths_b,
                                                              const int64_t *default_delay, uint8_t ignore_default) {
    return select_path_delay(
        paths, paths_b, kPath01Stride, kPath01Condition, ignore_default != kFalse,
        [&](const void *d) { return calc_delay01(new_value, old_value, static_cast<const int64_t *>(d)); },
        default_delay);
}

extern "C" int64_t ieee_p_2717149903_sub_231579064_2101202839(char *, uint8_t new_value, uint8_t old_value,
                                                              const char *, const array_bounds *,
                                                              const uint8_t *paths, const array_bounds *paths_b,
                                                              const int64_t *default_delay, uint8_t ignore_default) {
    return select_path_delay(
        paths, paths_b, kPath01ZStride, kPath01ZCondition, ignore_default != kFalse,
        [&](const void *d) { return calc_delay01z(new_value, old_value, static_cast<const int64_t *>(d)); },
        default_delay);
}

// ==== messages and errors ====================================================

extern "C" char *ieee_p_2717149903_sub_2224505450_2101202839(char *block, array_bounds *result, uint8_t error_id) {
    // An id outside the type (only through a malformed call) gives an empty text.
    const uint32_t n = error_id < 4 ? kMessageLength[error_id] : 0;
    char *copy = static_cast<char *>(zem_get_transient_memory(n));
    if (n != 0) std::memcpy(copy, constant(block, kConstMessage[error_id]), n);
    *result = literal_bounds(n);
    if (n == 0) *result = array_bounds{1, 0, 1, 0};
    return copy;
}

namespace {

// Routine, separator and message joined; the caller may add Info.
const char *error_text(char *block, const char *routine, const array_bounds *routine_b, uint8_t error_id,
                       size_t separator, array_bounds *b) {
    uint32_t message_length;
    return vital::error_text(
        block, routine, routine_b, separator,
        [&](array_bounds *mb) { return ieee_p_2717149903_sub_2224505450_2101202839(block, mb, error_id); }, b,
        &message_length);
}

int32_t error_severity(char *block, uint8_t error_id) {
    zem_vhdl_check_range_of_index(0, 3, 1, error_id);
    return constant(block, kConstErrorSeverity)[error_id];
}

uint32_t message_length(uint8_t error_id) { return error_id < 4 ? kMessageLength[error_id] : 0; }

}  // namespace

extern "C" void ieee_p_2717149903_sub_891213412_2101202839(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id) {
    array_bounds b;
    const char *text = error_text(block, routine, routine_b, error_id, kLitSep1, &b);
    zem_report(text, message_length(error_id) + 2 + length_of(routine_b), error_severity(block, error_id));
}

extern "C" void ieee_p_2717149903_sub_648230642_2101202839(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id,
                                                           const char *info, const array_bounds *info_b) {
    array_bounds b;
    const char *text = error_text(block, routine, routine_b, error_id, kLitSep2, &b);
    text = concat(text, &b, info, info_b);
    zem_report(text, message_length(error_id) + 2 + length_of(routine_b) + length_of(info_b),
               error_severity(block, error_id));
}

extern "C" void ieee_p_2717149903_sub_707547060_2101202839(char *block, void *, const char *routine,
                                                           const array_bounds *routine_b, uint8_t error_id,
                                                           uint8_t info) {
    array_bounds b;
    const char *text = error_text(block, routine, routine_b, error_id, kLitSep3, &b);
    text = concat_character(text, &b, info);
    zem_report(text, message_length(error_id) + 2 + length_of(routine_b) + 1, error_severity(block, error_id));
}

// ==== delay extension, wire and signal delays ================================

namespace {

int64_t *delay01z_result(const int64_t *six) {
    auto *copy = static_cast<int64_t *>(zem_get_transient_memory(48));
    std::memcpy(copy, six, 48);
    return copy;
}

}  // namespace

extern "C" int64_t *ieee_p_2717149903_sub_3970655101_2101202839(char *, int64_t delay) {
    auto *filled = static_cast<int64_t *>(zem_get_transient_memory(48));
    std::memset(filled, 0, 48);
    zem_mem_set_int64(filled, delay, 6);
    return delay01z_result(filled);
}

extern "C" int64_t *ieee_p_2717149903_sub_4115899059_2101202839(char *block, const int64_t *delay) {
    alignas(8) uint8_t local[48];
    zem_type_set_default_value(block + kTypeDelayType01Z, local, nullptr);
    const int64_t rise = get_time(delay, 0), fall = get_time(delay, 8);
    const int64_t six[6] = {rise, fall, rise, rise, fall, fall};  // tr01 tr10 tr0z trz1 tr1z trz0
    std::memcpy(local, six, sizeof six);
    return delay01z_result(reinterpret_cast<const int64_t *>(local));
}

extern "C" int64_t *ieee_p_2717149903_sub_4009522676_2101202839(char *, const int64_t *delay) {
    return delay01z_result(delay);
}

extern "C" void ieee_p_2717149903_sub_438728145_2101202839(char *, void *, void *, uint32_t out_pos, uint32_t,
                                                           void *out_drv, void *in_sig, uint32_t, uint32_t in_off,
                                                           int64_t twire) {
    drive_transport(out_drv, out_pos, signal_byte(in_sig, in_off), twire);
}

extern "C" void ieee_p_2717149903_sub_539877840_2101202839(char *, void *, void *, uint32_t out_pos, uint32_t,
                                                           void *out_drv, void *in_sig, uint32_t, uint32_t in_off,
                                                           const int64_t *twire) {
    const int64_t delay = calc_delay01(signal_byte(in_sig, in_off), signal_last_byte(in_sig, in_off), twire);
    drive_transport(out_drv, out_pos, signal_byte(in_sig, in_off), delay);
}

extern "C" void ieee_p_2717149903_sub_1126818797_2101202839(char *, void *, void *, uint32_t out_pos, uint32_t,
                                                            void *out_drv, void *in_sig, uint32_t, uint32_t in_off,
                                                            const int64_t *twire) {
    const int64_t delay = calc_delay01z(signal_byte(in_sig, in_off), signal_last_byte(in_sig, in_off), twire);
    drive_transport(out_drv, out_pos, signal_byte(in_sig, in_off), delay);
}

extern "C" void ieee_p_2717149903_sub_649313994_2101202839(char *, void *, void *, uint32_t out_pos, uint32_t,
                                                           void *out_drv, void *in_sig, uint32_t, uint32_t in_off,
                                                           int64_t dly) {
    drive_transport(out_drv, out_pos, signal_byte(in_sig, in_off), dly);
}

// ==== path delay and glitches ================================================

extern "C" void ieee_p_2717149903_sub_2507489675_2101202839(char *block, void *context, const char *routine,
                                                            const array_bounds *routine_b, const char *name,
                                                            const array_bounds *name_b, int64_t preempted_time,
                                                            uint8_t preempted_value, int64_t new_time,
                                                            uint8_t new_value, int32_t index, uint8_t is_array,
                                                            uint8_t severity) {
    // The second form, for a preempted value scheduled after the new one.
    const bool negative = preempted_time > new_time;
    const GlitchReportPieces first{kLitG1Detected, kLitG1Preempt, 28, kLitG1At1, kLitG1New, kLitG1At2, kLitG1End,
                                   kLitIdxOpen, kLitIdxClose, kLitIdxNone, kConstLogicCvtTable};
    const GlitchReportPieces second{kLitG2Detected, kLitG2Preempt, 30, kLitG2At1, kLitG2New, kLitG2At2, kLitG2End,
                                    kLitIdxOpen, kLitIdxClose, kLitIdxNone, kConstLogicCvtTable};
    glitch_report(block, context, negative ? second : first, routine, routine_b, name, name_b, preempted_time,
                  preempted_value, new_time, new_value, index, is_array, severity, true);
}

extern "C" void ieee_p_2717149903_sub_861658406_2101202839(char *block, void *context, void *, uint32_t out_pos,
                                                           uint32_t, void *out_drv, uint8_t *glitch_data,
                                                           const char *name, const array_bounds *name_b,
                                                           uint8_t new_value, int64_t new_delay, uint8_t mode,
                                                           uint8_t x_on, uint8_t neg_preempt_on, uint8_t msg_on,
                                                           uint8_t severity) {
    vital_glitch(block, context, OutSignal{out_pos, out_drv}, glitch_data, name, name_b, new_value, new_delay, mode,
                 x_on, neg_preempt_on, msg_on, severity);
}

extern "C" void ieee_p_2717149903_sub_32700714_2101202839(char *block, void *context, void *, uint32_t out_pos,
                                                          uint32_t, void *out_drv, uint8_t *glitch_data,
                                                          const char *name, const array_bounds *name_b,
                                                          uint8_t out_temp, const uint8_t *paths,
                                                          const array_bounds *paths_b, int64_t default_delay,
                                                          uint8_t mode, uint8_t x_on, uint8_t msg_on,
                                                          uint8_t severity, uint8_t neg_preempt_on,
                                                          uint8_t ignore_default) {
    path_delay(block, context, OutSignal{out_pos, out_drv}, glitch_data, name, name_b, out_temp, mode, x_on, msg_on,
               severity, neg_preempt_on, false, kFalse, [&](uint8_t nv, uint8_t ov) {
                   return ieee_p_2717149903_sub_627053527_2101202839(block, nv, ov, name, name_b, paths, paths_b,
                                                                     default_delay, ignore_default);
               });
}

extern "C" void ieee_p_2717149903_sub_2486506143_2101202839(char *block, void *context, void *, uint32_t out_pos,
                                                            uint32_t, void *out_drv, uint8_t *glitch_data,
                                                            const char *name, const array_bounds *name_b,
                                                            uint8_t out_temp, const uint8_t *paths,
                                                            const array_bounds *paths_b,
                                                            const int64_t *default_delay, uint8_t mode, uint8_t x_on,
                                                            uint8_t msg_on, uint8_t severity, uint8_t neg_preempt_on,
                                                            uint8_t ignore_default, uint8_t reject_fast_path) {
    path_delay(block, context, OutSignal{out_pos, out_drv}, glitch_data, name, name_b, out_temp, mode, x_on, msg_on,
               severity, neg_preempt_on, true, reject_fast_path, [&](uint8_t nv, uint8_t ov) {
                   return ieee_p_2717149903_sub_786952671_2101202839(block, nv, ov, name, name_b, paths, paths_b,
                                                                     default_delay, ignore_default);
               });
}

extern "C" void ieee_p_2717149903_sub_3490601596_2101202839(char *block, void *context, void *, uint32_t out_pos,
                                                            uint32_t, void *out_drv, uint8_t *glitch_data,
                                                            const char *name, const array_bounds *name_b,
                                                            uint8_t out_temp, const uint8_t *paths,
                                                            const array_bounds *paths_b,
                                                            const int64_t *default_delay, uint8_t mode, uint8_t x_on,
                                                            uint8_t msg_on, uint8_t severity, const uint8_t *,
                                                            uint8_t neg_preempt_on, uint8_t ignore_default,
                                                            uint8_t reject_fast_path) {
    path_delay(block, context, OutSignal{out_pos, out_drv}, glitch_data, name, name_b, out_temp, mode, x_on, msg_on,
               severity, neg_preempt_on, true, reject_fast_path, [&](uint8_t nv, uint8_t ov) {
                   return ieee_p_2717149903_sub_231579064_2101202839(block, nv, ov, name, name_b, paths, paths_b,
                                                                     default_delay, ignore_default);
               });
}

// ==== timing data, timing-check core, violation reports ======================

extern "C" void ieee_p_2717149903_sub_1295070658_2101202839(char *block, void *context, const char *test_name,
                                                            const array_bounds *test_name_b, const char *ref_name,
                                                            const array_bounds *ref_name_b, const char *header,
                                                            const array_bounds *header_b, const uint8_t *check_info,
                                                            uint8_t severity) {
    static constexpr size_t kind_word[6] = {kLitKindSetup,   kLitKindHold,  kLitKindRecovery,
                                            kLitKindRemoval, kLitKindPulse, kLitKindPeriod};
    static constexpr uint32_t kind_length[6] = {7, 6, 10, 9, 13, 8};
    Line message;
    line_init(message);
    if (check_info[kInfoViolation] != kFalse) {
        const uint8_t kind = check_info[kInfoCheckKind];
        zem_vhdl_check_range_of_index(0, 5, 1, kind);
        const uint8_t state = check_info[kInfoState];
        write_string(context, message, header, header_b);
        write_literal(block, context, message, kind_word[kind], kind_length[kind]);
        zem_vhdl_check_range_of_index(1, 3, 1, state);
        const array_bounds word = literal_bounds(4);
        write_string(context, message, reinterpret_cast<const char *>(constant(block, kConstHiLoStr)) + 4 * (state - 1),
                     &word);
        write_literal(block, context, message, kLitVOn, 14);
        write_string(context, message, test_name, test_name_b);
        if (ref_name_b->length != 0) {
            write_literal(block, context, message, kLitVWrt, 17);
            write_string(context, message, ref_name, ref_name_b);
        }
        write_semicolon_lf(context, message);
        write_literal(block, context, message, kLitVExpected, 14);
        write_time_ns(context, message, get_time(check_info, kInfoExpTime));
        write_literal(block, context, message, kLitVObserved, 14);
        write_time_ns(context, message, get_time(check_info, kInfoObsTime));
        write_literal(block, context, message, kLitVAt, 7);
        write_time_ns(context, message, get_time(check_info, kInfoDetTime));
        report_line(message, severity);
    }
    zem_access_variable_delete(message.ptr());
}

extern "C" void ieee_p_2717149903_sub_3030593962_2101202839(char *, void *, uint8_t test_signal, uint8_t,
                                                            int64_t test_delay, int64_t ref_delay, int64_t setup_high,
                                                            int64_t setup_low, int64_t hold_high, int64_t hold_low,
                                                            int64_t ref_time, uint8_t ref_edge, int64_t test_time,
                                                            uint8_t test_event, uint8_t *setup_en, uint8_t *hold_en,
                                                            uint8_t *check_info, uint8_t msg_on) {
    uint8_t *info = check_info;
    int64_t obs = get_time(info, kInfoObsTime), exp = get_time(info, kInfoExpTime), bc = kTimeLow;
    if (ref_edge) {
        if (*setup_en == kFalse) {
            info[kInfoViolation] = kFalse;
        } else {
            obs = sat_sub(ref_time, test_time);
            const uint8_t state = to_x01(test_signal);
            info[kInfoState] = state;
            if (state == L0) {
                exp = setup_low;
                bc = hold_high;
            } else if (state == L1) {
                exp = setup_high;
                bc = hold_low;
            } else {
                exp = maximum(setup_high, setup_low);
                bc = maximum(hold_high, hold_low);
            }
            info[kInfoViolation] = (obs < exp) && !(obs == bc && obs == 0);
            info[kInfoCheckKind] = exp == 0 ? kHoldCheck : kSetupCheck;
            *setup_en = kFalse;
        }
    } else if (test_event) {
        if (*hold_en == kFalse) {
            info[kInfoViolation] = kFalse;
        } else {
            obs = sat_sub(test_time, ref_time);
            const uint8_t state = to_x01(test_signal);
            info[kInfoState] = state;
            if (state == L0) {
                exp = hold_high;
                info[kInfoState] = L1;
                bc = setup_low;
            } else if (state == L1) {
                exp = hold_low;
                info[kInfoState] = L0;
                bc = setup_high;
            } else {
                exp = maximum(hold_high, hold_low);
                bc = maximum(setup_high, setup_low);
            }
            info[kInfoViolation] = (obs < exp) && !(obs == bc && obs == 0);
            info[kInfoCheckKind] = exp != 0 ? kHoldCheck : kSetupCheck;
            *hold_en = info[kInfoViolation] ? kFalse : kTrue;
        }
    } else {
        info[kInfoViolation] = kFalse;
    }
    set_time(info, kInfoObsTime, obs);
    set_time(info, kInfoExpTime, exp);

    if (msg_on && info[kInfoViolation]) {
        const int64_t actual = sat_sub(sat_sub(test_time, test_delay), sat_sub(ref_time, ref_delay));
        const int64_t bias = sat_sub(test_delay, ref_delay);
        const uint8_t state = info[kInfoState];
        if (actual < 0) {
            if (info[kInfoCheckKind] == kHoldCheck) {
                info[kInfoCheckKind] = kSetupCheck;
                exp = state == L0 ? setup_low : state == L1 ? setup_high : maximum(setup_high, setup_low);
            }
            set_time(info, kInfoObsTime, sat_sub(0, actual));
            set_time(info, kInfoExpTime, sat_add(exp, bias));
            set_time(info, kInfoDetTime, sat_sub(ref_time, ref_delay));
        } else {
            if (info[kInfoCheckKind] == kSetupCheck) {
                info[kInfoCheckKind] = kHoldCheck;
                if (state == L0) {
                    exp = hold_high;
                    info[kInfoState] = L1;
                } else if (state == L1) {
                    exp = hold_low;
                    info[kInfoState] = L0;
                } else {
                    exp = maximum(hold_high, hold_low);
                }
            }
            set_time(info, kInfoObsTime, actual);
            set_time(info, kInfoExpTime, sat_sub(exp, bias));
            set_time(info, kInfoDetTime, sat_sub(test_time, test_delay));
        }
    }
}

extern "C" uint8_t *ieee_p_2717149903_sub_2322797220_2101202839(char *block) {
    auto *data = static_cast<uint8_t *>(zem_get_transient_memory(kTimingDataSize));
    std::memset(data, 0, kTimingDataSize);
    data[kTdNotFirst] = kFalse;
    data[kTdRefLast] = X;
    set_time(data, kTdRefTime, 0);
    data[kTdHoldEn] = kFalse;
    data[kTdTestLast] = X;
    set_time(data, kTdTestTime, 0);
    data[kTdSetupEn] = kFalse;
    access_slot_init(data + kTdTestLastA, block + kTypeSlvAccess);
    access_slot_init(data + kTdTestTimeA, block + kTypeTimeArrayAccess);
    access_slot_init(data + kTdHoldEnA, block + kTypeBoolArrayAccess);
    access_slot_init(data + kTdSetupEnA, block + kTypeBoolArrayAccess);
    auto *copy = static_cast<uint8_t *>(zem_get_transient_memory(kTimingDataSize));
    std::memcpy(copy, data, kTimingDataSize);
    return copy;
}

// ==== setup/hold, recovery/removal, period/pulse =============================

namespace {

struct Limits {
    int64_t setup_high, setup_low, hold_high, hold_low;
};
struct Enables {
    uint8_t setup_on_test, setup_on_ref, hold_on_ref, hold_on_test;
};
struct StringArg {
    const char *data;
    const array_bounds *bounds;
};

// The scalar setup/hold check; `recovery` renames the kinds of a violation.
void setup_hold_scalar(char *block, void *ctx, uint8_t *violation, uint8_t *td, void *test_sig, uint32_t test_off,
                       StringArg test_name, int64_t test_delay, void *ref_sig, uint32_t ref_off, StringArg ref_name,
                       int64_t ref_delay, const Limits &lim, uint8_t check_enabled, uint8_t ref_transition,
                       StringArg header, uint8_t x_on, uint8_t msg_on, uint8_t severity, const Enables &en,
                       bool recovery) {
    alignas(8) uint8_t info[kCheckInfoSize];
    zem_type_set_default_value(block + kTypeCheckInfo, info, nullptr);
    const int64_t test_dly = maximum(0, test_delay), ref_dly = maximum(0, ref_delay);
    const uint8_t test_value = signal_byte(test_sig, test_off), ref_value = signal_byte(ref_sig, ref_off);

    if (td[kTdNotFirst] == kFalse) {
        td[kTdTestLast] = to_x01(test_value);
        td[kTdRefLast] = to_x01(ref_value);
        td[kTdNotFirst] = kTrue;
    }
    const bool ref_edge = edge_symbol_match(block, td[kTdRefLast], to_x01(ref_value), ref_transition);
    td[kTdRefLast] = to_x01(ref_value);
    if (ref_edge) {
        set_time(td, kTdRefTime, now());
        td[kTdSetupEn] = (td[kTdSetupEn] && en.setup_on_ref) ? kTrue : kFalse;
        td[kTdHoldEn] = en.hold_on_ref;
    }
    const bool test_event = td[kTdTestLast] != to_x01z(test_value);
    td[kTdTestLast] = to_x01z(test_value);
    if (test_event) {
        set_time(td, kTdTestTime, now());
        td[kTdSetupEn] = en.setup_on_test;
        td[kTdHoldEn] = (td[kTdHoldEn] && en.hold_on_test) ? kTrue : kFalse;
    }
    *violation = L0;
    if (!check_enabled) return;
    ieee_p_2717149903_sub_3030593962_2101202839(block, ctx, test_value, ref_value, test_dly, ref_dly, lim.setup_high,
                                                lim.setup_low, lim.hold_high, lim.hold_low, get_time(td, kTdRefTime),
                                                ref_edge, get_time(td, kTdTestTime), test_event, td + kTdSetupEn,
                                                td + kTdHoldEn, info, msg_on);
    if (info[kInfoViolation]) {
        if (recovery) info[kInfoCheckKind] = info[kInfoCheckKind] == kSetupCheck ? kRecoveryCheck : kRemovalCheck;
        if (msg_on)
            ieee_p_2717149903_sub_1295070658_2101202839(block, ctx, test_name.data, test_name.bounds, ref_name.data,
                                                        ref_name.bounds, header.data, header.bounds, info, severity);
        if (x_on) *violation = X;
    }
}

// Element i of the array designated by an access slot, checked against its bounds.
uint8_t *designated_element(uint8_t *slot, int32_t i, size_t element_size) {
    void *object = zem_access_variable_all(slot);
    uint8_t *data = get_ptr<uint8_t>(object, 56);
    const array_bounds *b = get_ptr<const array_bounds>(zem_access_variable_all(slot), 64);
    zem_vhdl_check_range_of_index(b->left, b->right, b->dir, i);
    return data + static_cast<size_t>((i - b->left) * b->dir) * element_size;
}

}  // namespace

extern "C" void ieee_p_2717149903_sub_3797369404_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *timing_data, void *test_sig, int32_t, uint32_t test_off,
    const char *test_name, const array_bounds *test_name_b, int64_t test_delay, void *ref_sig, int32_t,
    uint32_t ref_off, const char *ref_name, const array_bounds *ref_name_b, int64_t ref_delay, int64_t setup_high,
    int64_t setup_low, int64_t hold_high, int64_t hold_low, uint8_t check_enabled, uint8_t ref_transition,
    const char *header, const array_bounds *header_b, uint8_t x_on, uint8_t msg_on, uint8_t severity,
    uint8_t enable_setup_on_test, uint8_t enable_setup_on_ref, uint8_t enable_hold_on_ref,
    uint8_t enable_hold_on_test) {
    setup_hold_scalar(block, context, violation, timing_data, test_sig, test_off, {test_name, test_name_b},
                      test_delay, ref_sig, ref_off, {ref_name, ref_name_b}, ref_delay,
                      {setup_high, setup_low, hold_high, hold_low}, check_enabled, ref_transition,
                      {header, header_b}, x_on, msg_on, severity,
                      {enable_setup_on_test, enable_setup_on_ref, enable_hold_on_ref, enable_hold_on_test}, false);
}

extern "C" void ieee_p_2717149903_sub_2603698110_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *timing_data, void *test_sig, int32_t, uint32_t test_off,
    const char *test_name, const array_bounds *test_name_b, int64_t test_delay, void *ref_sig, int32_t,
    uint32_t ref_off, const char *ref_name, const array_bounds *ref_name_b, int64_t ref_delay, int64_t recovery,
    int64_t removal, uint8_t active_low, uint8_t check_enabled, uint8_t ref_transition, const char *header,
    const array_bounds *header_b, uint8_t x_on, uint8_t msg_on, uint8_t severity, uint8_t enable_rec_on_test,
    uint8_t enable_rec_on_ref, uint8_t enable_rem_on_ref, uint8_t enable_rem_on_test) {
    const Limits lim = active_low ? Limits{recovery, 0, 0, removal} : Limits{0, recovery, removal, 0};
    setup_hold_scalar(block, context, violation, timing_data, test_sig, test_off, {test_name, test_name_b},
                      test_delay, ref_sig, ref_off, {ref_name, ref_name_b}, ref_delay, lim, check_enabled,
                      ref_transition, {header, header_b}, x_on, msg_on, severity,
                      {enable_rec_on_test, enable_rec_on_ref, enable_rem_on_ref, enable_rem_on_test}, true);
}

extern "C" void ieee_p_2717149903_sub_3199856115_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *timing_data, void *test_sig, int32_t, uint32_t test_off,
    const array_bounds *test_b, const char *test_name, const array_bounds *test_name_b, int64_t test_delay,
    void *ref_sig, int32_t, uint32_t ref_off, const char *ref_name, const array_bounds *ref_name_b,
    int64_t ref_delay, int64_t setup_high, int64_t setup_low, int64_t hold_high, int64_t hold_low,
    uint8_t check_enabled, uint8_t ref_transition, const char *header, const array_bounds *header_b, uint8_t x_on,
    uint8_t msg_on, uint8_t severity, uint8_t enable_setup_on_test, uint8_t enable_setup_on_ref,
    uint8_t enable_hold_on_ref, uint8_t enable_hold_on_test) {
    uint8_t *td = timing_data;
    alignas(8) uint8_t info[kCheckInfoSize];
    zem_type_set_default_value(block + kTypeCheckInfo, info, nullptr);
    Line index_line;
    line_init(index_line);
    const int64_t test_dly = maximum(0, test_delay), ref_dly = maximum(0, ref_delay);
    const int32_t left = test_b->left, dir = test_b->dir, n = test_b->length > 0 ? test_b->length : 0;
    const uint8_t *test_value = get_ptr<uint8_t>(test_sig, tovu::layout::kSignalValuePtr) + test_off;
    const uint8_t ref_value = signal_byte(ref_sig, ref_off);
    auto bit = [&](int32_t k) { return test_value[k]; };  // k-th element from the left
    auto index_of = [&](int32_t k) { return left + k * dir; };

    if (td[kTdNotFirst] == kFalse) {
        const size_t slots[4] = {kTdTestLastA, kTdTestTimeA, kTdHoldEnA, kTdSetupEnA};
        void *types[4] = {IEEE_P_2592010699 + kSlvType, block + kTypeTimeArray, block + kTypeBoolArray,
                          block + kTypeBoolArray};
        for (int s = 0; s < 4; ++s) {
            array_bounds *b = zem_get_constraints_memory(1);
            *b = *test_b;
            void *object = zem_variable_create("", types[s], b, 0, 0, 0);
            zem_access_variable_set_value(td + slots[s], object);
        }
        for (int32_t k = 0; k < n; ++k) *designated_element(td + kTdTestLastA, index_of(k), 1) = to_x01(bit(k));
        td[kTdRefLast] = to_x01(ref_value);
        td[kTdNotFirst] = kTrue;
    }
    const bool ref_edge = edge_symbol_match(block, td[kTdRefLast], to_x01(ref_value), ref_transition);
    td[kTdRefLast] = to_x01(ref_value);
    if (ref_edge) {
        set_time(td, kTdRefTime, now());
        td[kTdSetupEn] = (td[kTdSetupEn] && enable_setup_on_ref) ? kTrue : kFalse;
        if (n > 0) {
            auto *aggregate = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n)));
            std::memset(aggregate, enable_hold_on_ref, static_cast<size_t>(n));
            for (int32_t k = 0; k < n; ++k) *designated_element(td + kTdHoldEnA, index_of(k), 1) = aggregate[k];
        }
    }
    auto *test_event = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(n > 0 ? n : 1)));
    for (int32_t k = 0; k < n; ++k) {
        const int32_t i = index_of(k);
        uint8_t *last = designated_element(td + kTdTestLastA, i, 1);
        test_event[k] = *last != to_x01z(bit(k));
        *last = to_x01z(bit(k));
        if (test_event[k]) {
            set_time(designated_element(td + kTdTestTimeA, i, 8), 0, now());
            *designated_element(td + kTdSetupEnA, i, 1) = enable_setup_on_test;
            uint8_t *hold = designated_element(td + kTdHoldEnA, i, 1);
            *hold = (*hold && enable_hold_on_test) ? kTrue : kFalse;
            set_time(td, kTdTestTime, now());
        }
    }
    bool changed_all_at_once = true;
    for (int32_t k = 0; k < n; ++k) {
        if (get_time(designated_element(td + kTdTestTimeA, index_of(k), 8)) != get_time(td, kTdTestTime)) {
            changed_all_at_once = false;
            break;
        }
    }
    *violation = L0;
    if (check_enabled) {
        for (int32_t k = 0; k < n; ++k) {
            const int32_t i = index_of(k);
            const int64_t bit_time = get_time(designated_element(td + kTdTestTimeA, i, 8));
            ieee_p_2717149903_sub_3030593962_2101202839(
                block, context, bit(k), ref_value, test_dly, ref_dly, setup_high, setup_low, hold_high, hold_low,
                get_time(td, kTdRefTime), ref_edge, bit_time, test_event[k],
                designated_element(td + kTdSetupEnA, i, 1), designated_element(td + kTdHoldEnA, i, 1), info, msg_on);
            if (!info[kInfoViolation]) continue;
            if (msg_on) {
                if (changed_all_at_once && k == 0) {
                    array_bounds b = *test_name_b;
                    const char *name = concat_literal(block, test_name, &b, kLitWholeBus, 5);
                    ieee_p_2717149903_sub_1295070658_2101202839(block, context, name, &b, ref_name, ref_name_b,
                                                                header, header_b, info, severity);
                } else if (!changed_all_at_once) {
                    std_textio_write5(STD_TEXTIO, context, index_line.ptr(), i, kRight, kNoField);
                    array_bounds b = *test_name_b;
                    const char *name = concat_literal(block, test_name, &b, kLitBitOpen, 1);
                    name = concat(name, &b, line_text(index_line), line_bounds(index_line));
                    name = concat_literal(block, name, &b, kLitBitClose, 1);
                    ieee_p_2717149903_sub_1295070658_2101202839(block, context, name, &b, ref_name, ref_name_b,
                                                                header, header_b, info, severity);
                    zem_access_variable_deallocate(index_line.ptr());
                }
            }
            if (x_on) *violation = X;
        }
    }
    zem_access_variable_deallocate(index_line.ptr());
    zem_access_variable_delete(index_line.ptr());
}

extern "C" void ieee_p_2717149903_sub_756322403_2101202839(char *block, void *context, uint8_t *violation,
                                                           uint8_t *period_data, void *test_sig, int32_t,
                                                           uint32_t test_off, const char *test_name,
                                                           const array_bounds *test_name_b, int64_t test_delay,
                                                           int64_t period, int64_t pulse_width_high,
                                                           int64_t pulse_width_low, uint8_t check_enabled,
                                                           const char *header, const array_bounds *header_b,
                                                           uint8_t x_on, uint8_t msg_on, uint8_t severity) {
    uint8_t *pd = period_data;
    alignas(8) uint8_t info[kCheckInfoSize];
    zem_type_set_default_value(block + kTypeCheckInfo, info, nullptr);
    const int64_t test_dly = maximum(0, test_delay);
    const uint8_t test_value = to_x01(signal_byte(test_sig, test_off));
    const array_bounds no_ref{1, 0, 1, 0};

    if (pd[kPdNotFirst] == kFalse) {
        const int64_t start = sat_sub(0, maximum(period, maximum(pulse_width_high, pulse_width_low)));
        set_time(pd, kPdRise, start);
        set_time(pd, kPdFall, start);
        pd[kPdLast] = test_value;
        pd[kPdNotFirst] = kTrue;
    }
    *violation = L0;
    if (pd[kPdLast] == test_value) return;

    const uint8_t last = pd[kPdLast];
    int64_t period_obs = 0;
    bool period_test = true, pulse_test = true;
    if (edge_symbol_match(block, last, test_value, kEdgeP)) {
        period_obs = sat_sub(now(), get_time(pd, kPdRise));
        set_time(pd, kPdRise, now());
    } else if (edge_symbol_match(block, last, test_value, kEdgeN)) {
        period_obs = sat_sub(now(), get_time(pd, kPdFall));
        set_time(pd, kPdFall, now());
    } else {
        period_test = false;
    }
    if (edge_symbol_match(block, last, test_value, kEdgePl)) {
        set_time(info, kInfoObsTime, sat_sub(now(), get_time(pd, kPdFall)));
        set_time(info, kInfoExpTime, pulse_width_low);
    } else if (edge_symbol_match(block, last, test_value, kEdgeNl)) {
        set_time(info, kInfoObsTime, sat_sub(now(), get_time(pd, kPdRise)));
        set_time(info, kInfoExpTime, pulse_width_high);
    } else {
        pulse_test = false;
    }
    auto report = [&](uint8_t kind, uint8_t state) {
        if (x_on) *violation = X;
        if (!msg_on) return;
        info[kInfoViolation] = kTrue;
        info[kInfoCheckKind] = kind;
        set_time(info, kInfoDetTime, sat_sub(now(), test_dly));
        info[kInfoState] = state;
        ieee_p_2717149903_sub_1295070658_2101202839(block, context, test_name, test_name_b, nullptr, &no_ref, header,
                                                    header_b, info, severity);
    };
    if (pulse_test && check_enabled && get_time(info, kInfoObsTime) < get_time(info, kInfoExpTime))
        report(kPulseWidCheck, last);
    if (period_test && check_enabled) {
        set_time(info, kInfoObsTime, period_obs);
        set_time(info, kInfoExpTime, period);
        if (period_obs < period) report(kPeriodCheck, test_value);
    }
    pd[kPdLast] = test_value;
}

// ==== skew checks ============================================================

extern "C" void ieee_p_2717149903_sub_3387488047_2101202839(char *block, void *context, const char *signal1_name,
                                                            const array_bounds *signal1_name_b,
                                                            const char *signal2_name,
                                                            const array_bounds *signal2_name_b,
                                                            int64_t expected_time, int64_t occurrence_time,
                                                            const char *header, const array_bounds *header_b,
                                                            uint8_t severity, uint8_t skew_phase,
                                                            uint8_t violation_flag) {
    Line message;
    line_init(message);
    write_string(context, message, header, header_b);
    if (violation_flag != kTrue) write_literal(block, context, message, kLitSPossible, 9);
    if (skew_phase == 0)
        write_literal(block, context, message, kLitSInPhase, 10);
    else
        write_literal(block, context, message, kLitSOutPhase, 14);
    write_literal(block, context, message, kLitSOn, 18);
    write_string(context, message, signal2_name, signal2_name_b);
    if (signal1_name_b->length != 0) {
        write_literal(block, context, message, kLitSWrt, 17);
        write_string(context, message, signal1_name, signal1_name_b);
    }
    write_semicolon_lf(context, message);
    write_literal(block, context, message, kLitSAt, 6);
    write_time_ns(context, message, occurrence_time);
    write_literal(block, context, message, kLitSLimit, 15);
    write_time_ns(context, message, expected_time);
    report_line(message, severity);
    zem_access_variable_delete(message.ptr());
}

namespace {

struct SkewSignal {
    void *sig;
    uint32_t off;
    StringArg name;
    int64_t delay;
    bool event;
    uint8_t value;
    uint8_t last;
};

// The four limits in the order the caller passes them: S1S2 first-kind,
// S2S1 first-kind, S1S2 second-kind, S2S1 second-kind (RiseRise, FallFall for
// the in-phase check; RiseFall, FallRise for the out-of-phase check).
struct SkewLimits {
    int64_t a12, a21, b12, b21;
};

bool table_says(char *block, size_t table, uint8_t last, uint8_t value) {
    zem_vhdl_check_range_of_index(0, 8, 1, last);
    zem_vhdl_check_range_of_index(0, 8, 1, value);
    return constant(block, table)[last * 9 + value] != kFalse;
}

void skew_check(char *block, void *ctx, uint8_t *violation, uint8_t *sd, SkewSignal s1, SkewSignal s2,
                const SkewLimits &lim, uint8_t check_enabled, uint8_t x_on, uint8_t msg_on, uint8_t severity,
                StringArg header, void *trigger, uint32_t trigger_pos, uint32_t trigger_off, void *trigger_drv,
                bool in_phase) {
    const int64_t no_trigger = get_time(constant(block, kConstNoTrigger));
    uint8_t report_type = kNone;
    int64_t report_time = 0, trigger_delay = no_trigger;
    bool certain = true;
    s1.event = zem_signal_has_event(s1.sig) != 0;
    s2.event = zem_signal_has_event(s2.sig) != 0;
    s1.value = signal_byte(s1.sig, s1.off);
    s2.value = signal_byte(s2.sig, s2.off);
    const int64_t d1 = s1.delay, d2 = s2.delay;
    auto report = [&](uint8_t type, int64_t at) {
        report_type = type;
        report_time = at;
    };
    auto expect = [&](uint8_t type, int64_t after) {
        sd[kSkewExpected] = type;
        trigger_delay = after;
    };
    *violation = L0;

    if (check_enabled) {
        const int64_t t = now();
        if (sd[kSkewExpected] != kNone) {
            if (zem_signal_has_event(trigger)) {
                const uint8_t e = sd[kSkewExpected];
                report(e, sat_sub(t, (e == kS1r || e == kS1f) ? d1 : d2));
                sd[kSkewExpected] = kNone;
            } else if ((s1.event || s2.event) && s1.value != X && s2.value != X) {
                trigger_delay = 0;
                if (!in_phase) sd[kSkewExpected] = kNone;
            }
        }
        // In phase the "a" limits belong to rises and the "b" limits to falls,
        // and the signals should end up equal; out of phase "a" is rise-fall,
        // "b" fall-rise, and they should end up different.
        if (s1.event || s2.event) {
            const bool values_agree = in_phase ? s1.value == s2.value : s1.value != s2.value;
            const SkewSignal &mover = s1.event ? s1 : s2;
            const uint8_t mover_last = signal_last_byte(mover.sig, mover.off);
            const bool rises = table_says(block, kConstRisingTable, mover_last, mover.value);
            const bool falls = !rises && table_says(block, kConstFallingTable, mover_last, mover.value);
            // For an edge of the moving signal in one direction: the limits
            // from signal 1 to 2 and from 2 to 1, and the partner edge each
            // signal then owes (the same direction in phase, the opposite one
            // out of phase).
            struct Dir {
                int64_t l12, l21;
                uint8_t partner2, partner1;
            };
            const Dir rise_dir = in_phase ? Dir{lim.a12, lim.a21, kS2r, kS1r} : Dir{lim.a12, lim.a21, kS2f, kS1f};
            const Dir fall_dir = in_phase ? Dir{lim.b12, lim.b21, kS2f, kS1f} : Dir{lim.b12, lim.b21, kS2r, kS1r};
            if (s1.event && s2.event) {
                if (rises || falls) {
                    const Dir &dd = rises ? rise_dir : fall_dir;
                    const Dir &od = rises ? fall_dir : rise_dir;
                    const uint8_t own1 = rises ? kS1r : kS1f;  // signal 1's own edge
                    if (values_agree) {
                        // The partner's edge came with signal 1's: too far apart?
                        const int64_t l21 = in_phase ? dd.l21 : od.l21;
                        if (dd.l12 <= d1 - d2)
                            report(dd.partner2, sat_sub(sat_add(t, dd.l12), d1));
                        else if (l21 <= d2 - d1)
                            report(own1, sat_sub(sat_add(t, l21), d2));
                    } else {
                        // Signal 2 moved the wrong way: one of them is expected
                        // to follow. `late1` is the edge of signal 1 expected
                        // once the delays are taken into account.
                        const int64_t first_l = in_phase ? od.l21 : dd.l21;
                        const uint8_t first_t = in_phase ? od.partner1 : dd.partner1;
                        const int64_t late1_l = dd.l21;
                        const uint8_t late1_t = in_phase ? own1 : dd.partner1;
                        if (d1 >= d2 && d2 > first_l)
                            report(first_t, sat_sub(sat_add(t, first_l), d2));
                        else if (d1 <= d2 && d1 > dd.l12)
                            report(dd.partner2, sat_sub(sat_add(t, dd.l12), d1));
                        else if (d1 < d2)
                            expect(dd.partner2, sat_add(d2 - d1, dd.l12));
                        else if (d1 > d2)
                            expect(late1_t, sat_add(d1 - d2, late1_l));
                        else if (in_phase ? dd.l12 < late1_l : !(dd.l12 > late1_l))
                            expect(dd.partner2, dd.l12);
                        else
                            expect(late1_t, late1_l);
                    }
                }
            } else if (s1.event) {
                if (rises || falls) {
                    const Dir &dd = rises ? rise_dir : fall_dir;
                    if (!values_agree) {
                        if (dd.l12 > d1 - d2)
                            expect(dd.partner2, sat_add(d2 - d1, dd.l12));
                        else
                            report(dd.partner2, sat_sub(sat_add(t, dd.l12), d1));
                    } else if (sat_sub(d1, dd.l12) > sat_add(zem_signal_get_last_event(s2.sig), d2) &&
                               sat_sub(get_time(sd, kSkewS2Old2), d2) > sat_sub(sat_add(t, dd.l12), d1)) {
                        certain = false;
                        report(dd.partner2, sat_sub(sat_add(t, dd.l12), d1));
                    }
                }
            } else {
                if (rises || falls) {
                    const Dir &dd = rises ? rise_dir : fall_dir;
                    if (!values_agree) {
                        if (dd.l21 > d2 - d1)
                            expect(dd.partner1, sat_add(d1 - d2, dd.l21));
                        else
                            report(dd.partner1, sat_sub(sat_add(t, dd.l21), d2));
                    } else if (sat_sub(d2, dd.l21) > sat_add(zem_signal_get_last_event(s1.sig), d1) &&
                               sat_sub(get_time(sd, kSkewS1Old2), d1) > sat_sub(sat_add(t, dd.l21), d2)) {
                        certain = false;
                        report(dd.partner1, sat_sub(sat_add(t, dd.l21), d2));
                    }
                }
            }
        }
        if (report_type != kNone) {
            if (msg_on) {
                // The limit printed and the names: a missing edge of signal 1 is
                // reported on signal 1 with respect to signal 2, and so on.
                const bool on_s1 = report_type == kS1r || report_type == kS1f;
                const bool edge_rises = report_type == kS1r || report_type == kS2r;
                int64_t limit;
                if (in_phase)
                    limit = on_s1 ? (edge_rises ? lim.a21 : lim.b21) : (edge_rises ? lim.a12 : lim.b12);
                else
                    limit = on_s1 ? (edge_rises ? lim.b21 : lim.a21) : (edge_rises ? lim.b12 : lim.a12);
                const StringArg &first = on_s1 ? s2.name : s1.name;
                const StringArg &second = on_s1 ? s1.name : s2.name;
                ieee_p_2717149903_sub_3387488047_2101202839(block, ctx, first.data, first.bounds, second.data,
                                                            second.bounds, limit, report_time, header.data,
                                                            header.bounds, severity, in_phase ? 0 : 1,
                                                            certain ? kTrue : kFalse);
            }
            if (x_on) *violation = X;
            sd[kSkewExpected] = kNone;
        }
        if (trigger_delay != no_trigger) {
            const uint8_t current = signal_byte(trigger, trigger_off);
            if (trigger_delay == 0)
                drive_transport(trigger_drv, trigger_pos, current, 0);
            else
                drive_transport(trigger_drv, trigger_pos, ulogic_not(current), trigger_delay);
        }
    }
    const int64_t t = now();
    if (s1.event && get_time(sd, kSkewS1Old1) != t) {
        set_time(sd, kSkewS1Old2, get_time(sd, kSkewS1Old1));
        set_time(sd, kSkewS1Old1, t);
    }
    if (s2.event && get_time(sd, kSkewS2Old1) != t) {
        set_time(sd, kSkewS2Old2, get_time(sd, kSkewS2Old1));
        set_time(sd, kSkewS2Old1, t);
    }
}

}  // namespace

extern "C" void ieee_p_2717149903_sub_3113930266_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *skew_data, void *sig1, int32_t, uint32_t sig1_off,
    const char *sig1_name, const array_bounds *sig1_name_b, int64_t sig1_delay, void *sig2, int32_t,
    uint32_t sig2_off, const char *sig2_name, const array_bounds *sig2_name_b, int64_t sig2_delay,
    int64_t skew_s1s2_rise_rise, int64_t skew_s2s1_rise_rise, int64_t skew_s1s2_fall_fall,
    int64_t skew_s2s1_fall_fall, uint8_t check_enabled, uint8_t x_on, uint8_t msg_on, uint8_t severity,
    const char *header, const array_bounds *header_b, void *trigger, uint32_t trigger_pos, uint32_t trigger_off,
    void *trigger_drv) {
    skew_check(block, context, violation, skew_data,
               SkewSignal{sig1, sig1_off, {sig1_name, sig1_name_b}, sig1_delay, false, 0, 0},
               SkewSignal{sig2, sig2_off, {sig2_name, sig2_name_b}, sig2_delay, false, 0, 0},
               {skew_s1s2_rise_rise, skew_s2s1_rise_rise, skew_s1s2_fall_fall, skew_s2s1_fall_fall}, check_enabled,
               x_on, msg_on, severity, {header, header_b}, trigger, trigger_pos, trigger_off, trigger_drv, true);
}

extern "C" void ieee_p_2717149903_sub_2088022747_2101202839(
    char *block, void *context, uint8_t *violation, uint8_t *skew_data, void *sig1, int32_t, uint32_t sig1_off,
    const char *sig1_name, const array_bounds *sig1_name_b, int64_t sig1_delay, void *sig2, int32_t,
    uint32_t sig2_off, const char *sig2_name, const array_bounds *sig2_name_b, int64_t sig2_delay,
    int64_t skew_s1s2_rise_fall, int64_t skew_s2s1_rise_fall, int64_t skew_s1s2_fall_rise,
    int64_t skew_s2s1_fall_rise, uint8_t check_enabled, uint8_t x_on, uint8_t msg_on, uint8_t severity,
    const char *header, const array_bounds *header_b, void *trigger, uint32_t trigger_pos, uint32_t trigger_off,
    void *trigger_drv) {
    skew_check(block, context, violation, skew_data,
               SkewSignal{sig1, sig1_off, {sig1_name, sig1_name_b}, sig1_delay, false, 0, 0},
               SkewSignal{sig2, sig2_off, {sig2_name, sig2_name_b}, sig2_delay, false, 0, 0},
               {skew_s1s2_rise_fall, skew_s2s1_rise_fall, skew_s1s2_fall_rise, skew_s2s1_fall_rise}, check_enabled,
               x_on, msg_on, severity, {header, header_b}, trigger, trigger_pos, trigger_off, trigger_drv, false);
}

// ==== registration ===========================================================

namespace {

// The subprogram table in declaration order (the count comes with the design data).
void *const se[34] = {
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2876942914_2101202839),   //  0 Minimum
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_1261593284_2101202839),   //  1 Maximum
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2224505450_2101202839),   //  2 VitalMessage
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_891213412_2101202839),    //  3 VitalError
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_648230642_2101202839),    //  4 VitalError (STRING Info)
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_707547060_2101202839),    //  5 VitalError (CHARACTER Info)
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3970655101_2101202839),   //  6 VitalExtendToFillDelay
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_4115899059_2101202839),   //  7 VitalExtendToFillDelay 01
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_4009522676_2101202839),   //  8 VitalExtendToFillDelay 01Z
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3513290822_2101202839),   //  9 VitalCalcDelay
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3117307889_2101202839),   // 10 VitalCalcDelay 01
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2630507023_2101202839),   // 11 VitalCalcDelay 01Z
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_627053527_2101202839),    // 12 VitalSelectPathDelay
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_786952671_2101202839),    // 13 VitalSelectPathDelay 01
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_231579064_2101202839),    // 14 VitalSelectPathDelay 01Z
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2507489675_2101202839),   // 15 ReportGlitch
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_861658406_2101202839),    // 16 VitalGlitch
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_32700714_2101202839),     // 17 VitalPathDelay
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2486506143_2101202839),   // 18 VitalPathDelay01
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3490601596_2101202839),   // 19 VitalPathDelay01Z
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_438728145_2101202839),    // 20 VitalWireDelay
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_539877840_2101202839),    // 21 VitalWireDelay 01
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_1126818797_2101202839),   // 22 VitalWireDelay 01Z
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_649313994_2101202839),    // 23 VitalSignalDelay
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_1295070658_2101202839),   // 24 ReportViolation
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3030593962_2101202839),   // 25 InternalTimingCheck
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2322797220_2101202839),   // 26 VitalTimingDataInit
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3797369404_2101202839),   // 27 VitalSetupHoldCheck
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3199856115_2101202839),   // 28 VitalSetupHoldCheck (vector)
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2603698110_2101202839),   // 29 VitalRecoveryRemovalCheck
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_756322403_2101202839),    // 30 VitalPeriodPulseCheck
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3387488047_2101202839),   // 31 ReportSkewViolation
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_3113930266_2101202839),   // 32 VitalInPhaseSkewCheck
    reinterpret_cast<void *>(&ieee_p_2717149903_sub_2088022747_2101202839),   // 33 VitalOutPhaseSkewCheck
};

}  // namespace

extern "C" void ieee_p_2717149903_init(void) {
    zem_register_didat("ieee_p_2717149903", "kest/precompiled.exe.sim/ieee/p_2717149903.didat");
    zem_register_subprogram_executes(const_cast<void **>(se));
    for (int32_t type_number = 11; type_number <= 14; ++type_number)
        zem_register_resolution_function(type_number, 2, reinterpret_cast<void *>(&ieee_p_2592010699_sub_3130575329_503743352), 24);
}
