// How the design's processes talk to the kernel: line tracking, signal reads,
// assignments through drivers, sensitivity waits, timed waits with resume
// points, and checks. Every process of the design's units uses these.
#ifndef TOVU_UNITS_PROCESS_PROTOCOL_H
#define TOVU_UNITS_PROCESS_PROTOCOL_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "ieee/p_2592010699.h"
#include "units/globals.h"
#include "tovu/layout.h"
#include "tovu/zem.h"

namespace proto {

using namespace tovu::layout;

// std_ulogic positions
constexpr uint8_t SL_U = 0, SL_X = 1, SL_0 = 2, SL_1 = 3, SL_Z = 4, SL_W = 5, SL_L = 6, SL_H = 7, SL_DC = 8;

// Source line of the statement about to run.
inline void line(int32_t n, const char *path) { zem_set_current_line(n, path); }

// Current value of a signal (first byte of a scalar, or the left element).
inline const uint8_t *value(char *b, size_t sig) { return signal_value(b, sig); }
inline uint8_t bit(char *b, size_t sig) { return *signal_value(b, sig); }
inline int32_t integer(char *b, size_t sig) {
    int32_t v;
    std::memcpy(&v, signal_value(b, sig), 4);
    return v;
}
inline int64_t time_value(char *b, size_t sig) {
    int64_t v;
    std::memcpy(&v, signal_value(b, sig), 8);
    return v;
}
inline double real_value(char *b, size_t sig) {
    double v;
    std::memcpy(&v, signal_value(b, sig), 8);
    return v;
}

// rising_edge(s) and falling_edge(s) of std_logic_1164 on a scalar signal of this block.
inline bool rising_edge(char *b, size_t sig) {
    return ieee_p_2592010699_sub_1744673427_503743352(IEEE_P_2592010699, signal_record(b, sig), 0, 0) != 0;
}
inline bool falling_edge(char *b, size_t sig) {
    return ieee_p_2592010699_sub_1258338084_503743352(IEEE_P_2592010699, signal_record(b, sig), 0, 0) != 0;
}

// Whole-signal zero-delay assignment of n bytes: internal signal / output port.
inline void assign(char *b, size_t drv, const void *v, size_t n) {
    std::memcpy(driver_staging(b, drv), v, n);
    zem_driver_first_trans_fast(driver_record(b, drv));
}
inline void assign_port(char *b, size_t drv, const void *v, size_t n) {
    std::memcpy(driver_staging(b, drv), v, n);
    zem_driver_first_trans_fast_port(driver_record(b, drv));
}
inline void assign_bit(char *b, size_t drv, uint8_t v) { assign(b, drv, &v, 1); }
inline void assign_port_bit(char *b, size_t drv, uint8_t v) { assign_port(b, drv, &v, 1); }

// Assignment of `count` elements from `position` (counted from the left end
// of the whole signal); `bytes` is their byte size.
inline void assign_elements(char *b, size_t drv, uint32_t position, uint32_t count, const void *v, size_t bytes,
                            int64_t delay = 0) {
    std::memcpy(driver_staging(b, drv), v, bytes);
    zem_driver_first_trans_delta(driver_record(b, drv), position, count, delay);
}

// Element i of an N-element downto vector lies at position N-1-i.
constexpr uint32_t downto_position(uint32_t n, uint32_t i) { return n - 1 - i; }

// Leaving a process that waits on its sensitivity list.
inline void wait_on_sensitivity(char *b, size_t flag) { wait_flag(b, flag) = 1; }

// Where a process goes on when it runs next: `resume` is the address of a
// label of the calling process function (code, not a local variable), which
// GCC mistakes for a dangling pointer.
inline void set_resume_point(char *b, size_t record, void *resume) {
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
    resume_slot(b, record) = resume;
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif
}

// Leaving a process for `wait for delay`; it goes on at `resume` next time.
inline void wait_for(char *b, size_t record, int64_t delay, void *resume) {
    zem_process_wait(process_record(b, record), delay);
    set_resume_point(b, record, resume);
}

// Leaving a process that waits on its sensitivity list from inside its body:
// it goes on at `resume` when woken.
inline void wait_on_sensitivity_at(char *b, size_t flag, size_t record, void *resume) {
    wait_on_sensitivity(b, flag);
    set_resume_point(b, record, resume);
}

// Where a process with waits goes on (nullptr on its first activation).
inline void *resume_point(char *b, size_t record) { return resume_slot(b, record); }

// Array result of a package function assigned to a target of `expected`
// elements: the lengths must agree.
inline void check_length(int32_t expected, const array_bounds &got) {
    if (got.length != expected) zem_size_not_matching(expected, got.length, 0);
}

}  // namespace proto

#endif
