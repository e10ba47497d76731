// What the two VITAL packages (VITAL_Timing, unit ieee_p_2717149903, and
// VITAL_Primitives, unit ieee_p_1367372525) share in their compiled code:
// time arithmetic, signal reads, transactions through a driver, the std_logic
// operators they call, and the messages they build at run time (the LINE
// protocol of std.textio, the VitalError text and the glitch report).
#ifndef TOVU_IEEE_VITAL_SUPPORT_H
#define TOVU_IEEE_VITAL_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace vital {

constexpr int64_t kTimeHigh = std::numeric_limits<int64_t>::max();  // TIME'HIGH: "never"
constexpr int64_t kTimeLow = std::numeric_limits<int64_t>::min();   // TIME'LEFT: a TIME's default
constexpr int64_t kNs = 1000;

// Type descriptors of other units' blocks.
constexpr size_t kStringType = 0x3e8;  // STRING, in STD_STANDARD
constexpr size_t kTimeType = 0x230;    // TIME, in STD_STANDARD
constexpr size_t kLineType = 0xcd0;    // LINE, in STD_TEXTIO
constexpr size_t kUX01Type = 0xe18;    // UX01, in std_logic_1164's block
constexpr size_t kUX01ZType = 0xe78;   // UX01Z, in std_logic_1164's block
constexpr size_t kSulvType = 0xf48;    // std_ulogic_vector, in std_logic_1164's block
constexpr size_t kSlvType = 0xfb8;     // std_logic_vector, in std_logic_1164's block
constexpr int32_t kRight = 0, kNoField = 0;  // JUSTIFIED and FIELD of the textio writes

// std_ulogic positions.
enum : uint8_t { U = 0, X = 1, L0 = 2, L1 = 3, Z = 4, W = 5, WL = 6, WH = 7, DC = 8 };
enum : uint8_t { kFalse = 0, kTrue = 1 };

// ---- values in memory ------------------------------------------------------

inline int64_t get_time(const void *p, size_t off = 0) {
    int64_t v;
    std::memcpy(&v, static_cast<const char *>(p) + off, sizeof v);
    return v;
}
inline void set_time(void *p, size_t off, int64_t v) { std::memcpy(static_cast<char *>(p) + off, &v, sizeof v); }
template <typename T>
T *get_ptr(const void *p, size_t off) {
    T *v;
    std::memcpy(&v, static_cast<const char *>(p) + off, sizeof v);
    return v;
}

// The value of the constant whose object descriptor is at `off`.
inline uint8_t *constant(char *block, size_t off) { return tovu::layout::object_value<uint8_t>(block, off); }

// ---- time ------------------------------------------------------------------

// Time sums and differences that saturate at TIME'HIGH / TIME'LEFT instead
// of overflowing (an operand may be TIME'HIGH, "never", or TIME'LEFT, the
// default of a time never set).
inline int64_t sat_add(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) return b > 0 ? kTimeHigh : kTimeLow;
    return r;
}
inline int64_t sat_sub(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_sub_overflow(a, b, &r)) return b < 0 ? kTimeHigh : kTimeLow;
    return r;
}

inline int64_t now() { return zem_get_sim_current_time(); }

// The packages' Minimum and Maximum: the first argument only when strictly
// smaller (greater), so equal values give the second.
inline int64_t minimum(int64_t a, int64_t b) { return a < b ? a : b; }
inline int64_t maximum(int64_t a, int64_t b) { return a > b ? a : b; }

// ---- signals and drivers ---------------------------------------------------

// The value of a signal's element at a byte offset, now and before its last
// event (the kernel's last value is the whole signal's value before its last
// event, so it is read at the same offset).
inline const uint8_t *signal_data(void *sig, uint32_t off) {
    return get_ptr<uint8_t>(sig, tovu::layout::kSignalValuePtr) + off;
}
inline uint8_t signal_byte(void *sig, uint32_t off) { return *signal_data(sig, off); }
inline uint8_t signal_last_byte(void *sig, uint32_t off) { return zem_signal_last_value(sig)[off]; }

// Stages `count` bytes on the driver and schedules them as a transport
// transaction; an inertial one adds the reject call with the delay as limit.
inline void drive_bytes(void *drv, uint32_t pos, const uint8_t *values, uint32_t count, int64_t delay) {
    char *obj = get_ptr<char>(drv, tovu::layout::kDriverObjectPtr);
    if (count > 0) std::memcpy(get_ptr<uint8_t>(obj, tovu::layout::kDriverStagingPtr), values, count);
    zem_driver_first_trans_delta(drv, pos, count, delay);
}
inline void drive_transport(void *drv, uint32_t pos, uint8_t value, int64_t delay) {
    drive_bytes(drv, pos, &value, 1, delay);
}
inline void drive_inertial(void *drv, uint32_t pos, uint8_t value, int64_t delay) {
    drive_transport(drv, pos, value, delay);
    zem_driver_intertial_reject(drv, delay, delay);
}

// ---- std_logic_1164 operators ---------------------------------------------

inline uint8_t to_x01(uint8_t v) { return ieee_p_2592010699_sub_1388759734_503743352(IEEE_P_2592010699, v); }
inline uint8_t to_x01z(uint8_t v) { return ieee_p_2592010699_sub_3990364458_503743352(IEEE_P_2592010699, v); }
inline uint8_t to_ux01(uint8_t v) { return ieee_p_2592010699_sub_3957255360_503743352(IEEE_P_2592010699, v); }
inline uint8_t ulogic_not(uint8_t v) { return ieee_p_2592010699_sub_1690584930_503743352(IEEE_P_2592010699, v); }
inline uint8_t ulogic_and(uint8_t l, uint8_t r) {
    return ieee_p_2592010699_sub_1605435078_503743352(IEEE_P_2592010699, l, r);
}
inline uint8_t ulogic_or(uint8_t l, uint8_t r) {
    return ieee_p_2592010699_sub_2545490612_503743352(IEEE_P_2592010699, l, r);
}
inline uint8_t ulogic_xor(uint8_t l, uint8_t r) {
    return ieee_p_2592010699_sub_2507238156_503743352(IEEE_P_2592010699, l, r);
}
inline uint8_t ulogic_nand(uint8_t l, uint8_t r) {
    return ieee_p_2592010699_sub_313326228_503743352(IEEE_P_2592010699, l, r);
}
inline uint8_t ulogic_nor(uint8_t l, uint8_t r) {
    return ieee_p_2592010699_sub_2115884226_503743352(IEEE_P_2592010699, l, r);
}

// ---- arrays ------------------------------------------------------------------

inline array_bounds literal_bounds(uint32_t n) {
    return array_bounds{1, static_cast<int32_t>(n), 1, static_cast<int32_t>(n)};
}
// 'LENGTH; a null range may carry a negative length field.
inline uint32_t length_of(const array_bounds *b) { return b->length > 0 ? static_cast<uint32_t>(b->length) : 0; }

// ---- LINE locals and built messages ----------------------------------------

// A LINE local (or any access variable): a 72-byte object in the caller's
// frame, null, typed by the access type's descriptor.
struct Line {
    alignas(8) uint8_t object[72];
    void *ptr() { return object; }
};

inline void access_slot_init(void *slot, void *type) {
    char *p = static_cast<char *>(slot);
    std::memset(p, 0, 72);
    const int32_t one = 1;
    std::memcpy(p + 56, &type, sizeof type);
    std::memcpy(p + 64, &one, sizeof one);
}
inline void line_init(Line &l) { access_slot_init(l.object, STD_TEXTIO + kLineType); }

inline const char *line_text(Line &l) { return get_ptr<const char>(zem_access_variable_all(l.ptr()), 56); }
inline const array_bounds *line_bounds(Line &l) {
    return get_ptr<const array_bounds>(zem_access_variable_all(l.ptr()), 64);
}

inline void write_string(void *ctx, Line &l, const char *data, const array_bounds *b) {
    std_textio_write7(STD_TEXTIO, ctx, l.ptr(), data, b, kRight, kNoField);
}
inline void write_literal(char *block, void *ctx, Line &l, size_t off, uint32_t n) {
    const array_bounds b = literal_bounds(n);
    write_string(ctx, l, block + off, &b);
}
inline void write_time_ns(void *ctx, Line &l, int64_t t) {
    std_textio_write8(STD_TEXTIO, ctx, l.ptr(), t, kRight, kNoField, kNs);
}

// Joins a piece onto a STRING built so far.
inline const char *concat(const char *left, array_bounds *b, const char *piece, const array_bounds *pb) {
    const array_bounds lb = *b;
    return static_cast<const char *>(zem_base_array_concat(nullptr, b, STD_STANDARD + kStringType, CONCAT_ARRAY, left,
                                                           &lb, CONCAT_ARRAY, piece, pb, CONCAT_END));
}
inline const char *concat_literal(char *block, const char *left, array_bounds *b, size_t off, uint32_t n) {
    const array_bounds pb = literal_bounds(n);
    return concat(left, b, block + off, &pb);
}
inline const char *concat_character(const char *left, array_bounds *b, uint8_t c) {
    const array_bounds lb = *b;
    return static_cast<const char *>(zem_base_array_concat(nullptr, b, STD_STANDARD + kStringType, CONCAT_ARRAY, left,
                                                           &lb, CONCAT_ELEMENT, static_cast<int32_t>(c), CONCAT_END));
}

// VitalError's text: Routine & the two-character separator (at `separator`
// in the block), then the message, which `message` fetches (the package's
// VitalMessage, asked after the first join) and reports the length of; the
// caller may add the information.
template <typename Message>
inline const char *error_text(char *block, const char *routine, const array_bounds *routine_b, size_t separator,
                              Message message, array_bounds *b, uint32_t *message_length) {
    *b = *routine_b;
    const char *text = concat_literal(block, routine, b, separator, 2);
    array_bounds mb;
    const char *m = message(&mb);
    *message_length = length_of(&mb);
    return concat(text, b, m, &mb);
}

// The pieces of a glitch report in a package's literal pool, and its table
// of the characters that name std_ulogic values.
struct GlitchReportPieces {
    size_t detected;  // 26 characters
    size_t preempt;   // `preempt_length` characters
    uint32_t preempt_length;
    size_t at1;        // 3
    size_t scheduled;  // 27
    size_t at2;        // 3
    size_t end;        // 1
    size_t index_open, index_close, index_none;  // 1 each
    size_t char_table;                           // object descriptor of the 9 characters
};

// ReportGlitch: writes the two times (in ns), the two values and the index
// part into five LINEs, then, when `report` is set, reports
//   Routine & detected & Name & index & preempt & PreemptedValue & at1 &
//   PreemptedTime & scheduled & NewValue & at2 & NewTime & end
// at the given severity; the lines are released in either case.
inline void glitch_report(char *block, void *ctx, const GlitchReportPieces &p, const char *routine,
                          const array_bounds *routine_b, const char *name, const array_bounds *name_b,
                          int64_t preempted_time, uint8_t preempted_value, int64_t new_time, uint8_t new_value,
                          int32_t index, uint8_t is_array, uint8_t severity, bool report) {
    Line lines[5];
    for (Line &l : lines) line_init(l);
    Line &pre_time = lines[0], &new_t = lines[1], &pre_value = lines[2], &new_v = lines[3], &index_l = lines[4];
    const uint8_t *cvt = constant(block, p.char_table);
    write_time_ns(ctx, pre_time, preempted_time);
    write_time_ns(ctx, new_t, new_time);
    zem_vhdl_check_range_of_index(0, 8, 1, preempted_value);
    std_textio_write4(STD_TEXTIO, ctx, pre_value.ptr(), static_cast<int8_t>(cvt[preempted_value]), kRight, kNoField);
    zem_vhdl_check_range_of_index(0, 8, 1, new_value);
    std_textio_write4(STD_TEXTIO, ctx, new_v.ptr(), static_cast<int8_t>(cvt[new_value]), kRight, kNoField);
    if (is_array) {
        write_literal(block, ctx, index_l, p.index_open, 1);
        std_textio_write5(STD_TEXTIO, ctx, index_l.ptr(), index, kRight, kNoField);
        write_literal(block, ctx, index_l, p.index_close, 1);
    } else {
        write_literal(block, ctx, index_l, p.index_none, 1);
    }
    if (report) {
        auto line_piece = [](const char *text, array_bounds *b, Line &l) {
            return concat(text, b, line_text(l), line_bounds(l));
        };
        array_bounds b = *routine_b;
        const char *text = concat_literal(block, routine, &b, p.detected, 26);
        text = concat(text, &b, name, name_b);
        text = line_piece(text, &b, index_l);
        text = concat_literal(block, text, &b, p.preempt, p.preempt_length);
        text = line_piece(text, &b, pre_value);
        text = concat_literal(block, text, &b, p.at1, 3);
        text = line_piece(text, &b, pre_time);
        text = concat_literal(block, text, &b, p.scheduled, 27);
        text = line_piece(text, &b, new_v);
        text = concat_literal(block, text, &b, p.at2, 3);
        text = line_piece(text, &b, new_t);
        text = concat_literal(block, text, &b, p.end, 1);
        uint32_t length = length_of(routine_b) + length_of(name_b) + 26 + p.preempt_length + 3 + 27 + 3 + 1;
        for (Line &l : lines) length += length_of(line_bounds(l));
        zem_report(text, length, severity);
    }
    for (Line &l : lines) zem_access_variable_deallocate(l.ptr());
    for (Line &l : lines) zem_access_variable_delete(l.ptr());
}

}  // namespace vital

#endif
