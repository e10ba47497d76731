// Reports, line tracking and the checks that end the run.
#include <cinttypes>
#include <cstdio>

#include "check.h"
#include "kernel.h"
#include "sim_time.h"
#include "tovu/testing.h"

namespace tovu {

namespace {

const char *severity_name(int s) {
    switch (s) {
        case 0: return "NOTE";
        case 1: return "WARNING";
        case 2: return "ERROR";
        default: return "FAILURE";
    }
}

std::vector<testing::Report> &captured() {
    static std::vector<testing::Report> r;
    return r;
}

}  // namespace

std::string current_location() {
    Kernel &k = K();
    std::string s;
    if (k.current) {
        if (k.current_path) s += std::string(k.current_path) + ":" + std::to_string(k.current_line) + " ";
        s += "in " + k.current->path + " ";
    }
    s += "at " + format_time(k.now);
    return s;
}

void fail_check(const std::string &message) {
    Kernel &k = K();
    std::fflush(stdout);
    std::fprintf(stderr, "%s: check failed: %s (%s)\n", format_time(k.now).c_str(), message.c_str(),
                 current_location().c_str());
    k.failed = true;
    k.stop_requested = true;
    if (k.stop_reason.empty()) k.stop_reason = "a check failed";
    throw CheckFailure(message);
}

namespace testing {

void capture_reports(bool on) {
    K().capture = on;
    captured().clear();
}

const std::vector<Report> &reports() { return captured(); }

}  // namespace testing

void clear_captured_reports() { captured().clear(); }

}  // namespace tovu

using namespace tovu;

extern "C" {

void zem_report(const char *message, uint32_t length, int32_t severity) {
    Kernel &k = K();
    int sev = severity < 0 ? 0 : severity > 3 ? 3 : severity;
    if (sev >= SEV_ERROR) ++k.error_reports;
    std::string text(message ? message : "", message ? length : 0);
    if (k.capture) {
        captured().push_back({text, sev, k.now});
    } else {
        std::fprintf(k.message_out, "%s: %s: %s", format_time(k.now).c_str(), severity_name(sev), text.c_str());
        if (k.current) std::fprintf(k.message_out, " (%s)", k.current->path.c_str());
        std::fprintf(k.message_out, "\n");
    }
    if (sev == SEV_FAILURE) {
        // The caller goes on after the report; the run ends when the current
        // activation returns.
        k.failed = true;
        k.stop_requested = true;
        if (k.stop_reason.empty()) k.stop_reason = "a FAILURE was reported";
    }
}

[[noreturn]] __attribute__((noinline, cold)) void index_out_of_range(int32_t left, int32_t right, int32_t dir,
                                                                     int32_t index) {
    fail_check("index " + std::to_string(index) + " is outside the range " + std::to_string(left) +
               (dir > 0 ? " to " : " downto ") + std::to_string(right));
}

void zem_set_current_line(int32_t line, const char *path) {
    Kernel &k = K();
    k.current_line = line;
    k.current_path = path;
}

void zem_vhdl_check_range_of_index(int32_t left, int32_t right, int32_t dir, int32_t index) {
    if (dir > 0 ? (index >= left && index <= right) : (index <= left && index >= right)) return;
    index_out_of_range(left, right, dir, index);
}

void zem_vhdl_check_range_of_slice(int32_t left, int32_t right, int32_t dir, int32_t slice_left, int32_t slice_right,
                                   int32_t slice_dir) {
    // A null slice is always allowed.
    int64_t slen = static_cast<int64_t>(slice_dir) * (static_cast<int64_t>(slice_right) - slice_left) + 1;
    if (slen <= 0) return;
    auto inside = [&](int32_t i) { return dir > 0 ? (i >= left && i <= right) : (i <= left && i >= right); };
    if (inside(slice_left) && inside(slice_right)) return;
    fail_check("slice " + std::to_string(slice_left) + (slice_dir > 0 ? " to " : " downto ") +
               std::to_string(slice_right) + " is outside the range " + std::to_string(left) +
               (dir > 0 ? " to " : " downto ") + std::to_string(right));
}

void zem_size_not_matching(int32_t expected, int32_t actual, int32_t dim) {
    fail_check("array length " + std::to_string(actual) + " does not match the target length " +
               std::to_string(expected));
}

}  // extern "C"
