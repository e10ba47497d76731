// Built messages of the device-primitive library: a report text composed at
// run time in a std.textio LINE, reported, and released again.
//
// A LINE local is a 72-byte access-variable object in the caller's frame; the
// code sets its fields at +40, +48, +56 and +64 before first use (the first
// 40 bytes are the kernel's). Every write passes STD_TEXTIO, the caller
// context (the process_record on whose behalf the text is written, or 0 from
// a function), the LINE, the value, JUSTIFIED = RIGHT and FIELD = 0.
#ifndef TOVU_GATLIB_BUILT_MESSAGE_H
#define TOVU_GATLIB_BUILT_MESSAGE_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "units/globals.h"
#include "tovu/zem.h"

namespace gatlib_msg {

constexpr size_t kLineType = 0xcd0;         // LINE type descriptor in the STD_TEXTIO block
constexpr size_t kStringType = 0x3e8;       // STRING type descriptor in the STD_STANDARD block
constexpr size_t kLineValue = 40;           // the access value, 0 for null
constexpr size_t kLineZero = 48;
constexpr size_t kLineTypeField = 56;
constexpr size_t kLineKind = 64;
constexpr size_t kDesignatedData = 56;      // designated object: pointer to the text
constexpr size_t kDesignatedBounds = 64;    // designated object: pointer to its array_bounds
constexpr int32_t kRight = 0;               // JUSTIFIED
constexpr int32_t kNoField = 0;             // FIELD
constexpr int32_t kCharLF = 10;
constexpr int32_t kCharDot = 46;

struct Line {
    alignas(8) uint8_t object[72];
};

// Lays out a LINE local: null, typed as std.textio's LINE.
inline void line_init(Line &l) {
    const uint64_t zero = 0;
    void *type = STD_TEXTIO + kLineType;
    const int32_t one = 1;
    std::memcpy(l.object + kLineValue, &zero, sizeof zero);
    std::memcpy(l.object + kLineZero, &zero, sizeof zero);
    std::memcpy(l.object + kLineTypeField, &type, sizeof type);
    std::memcpy(l.object + kLineKind, &one, sizeof one);
}

// The bounds of a literal piece of n characters: 1 to n.
inline array_bounds literal_bounds(uint32_t n) {
    return array_bounds{1, static_cast<int32_t>(n), 1, static_cast<int32_t>(n)};
}

inline void write_string(void *ctx, void *line, const uint8_t *data, const array_bounds *b) {
    std_textio_write7(STD_TEXTIO, ctx, line, reinterpret_cast<const char *>(data), b, kRight, kNoField);
}

// A literal piece of the pool at `off` in `block`, n characters.
inline void write_literal(void *ctx, void *line, char *block, size_t off, uint32_t n) {
    const array_bounds b = literal_bounds(n);
    std_textio_write7(STD_TEXTIO, ctx, line, block + off, &b, kRight, kNoField);
}

inline void write_character(void *ctx, void *line, int32_t c) {
    std_textio_write4(STD_TEXTIO, ctx, line, c, kRight, kNoField);
}

inline void write_integer(void *ctx, void *line, int32_t v) {
    std_textio_write5(STD_TEXTIO, ctx, line, v, kRight, kNoField);
}

// The two characters '.' and LF, joined as a STRING and written as one piece.
inline void write_dot_lf(void *ctx, void *line) {
    array_bounds b;
    const void *s = zem_base_array_concat(nullptr, &b, STD_STANDARD + kStringType, CONCAT_ELEMENT, kCharDot,
                                          CONCAT_ELEMENT, kCharLF, CONCAT_END);
    std_textio_write7(STD_TEXTIO, ctx, line, static_cast<const char *>(s), &b, kRight, kNoField);
}

// Reports the LINE's text with the severity and deallocates it: the LINE is
// null again afterwards.
inline void report_line(void *line, int32_t severity) {
    const char *text;
    const array_bounds *b;
    std::memcpy(&text, static_cast<char *>(zem_access_variable_all(line)) + kDesignatedData, sizeof text);
    std::memcpy(&b, static_cast<char *>(zem_access_variable_all(line)) + kDesignatedBounds, sizeof b);
    zem_report(text, static_cast<uint32_t>(b->length > 0 ? b->length : 0), severity);
    zem_access_variable_deallocate(line);
}

}  // namespace gatlib_msg

#endif
