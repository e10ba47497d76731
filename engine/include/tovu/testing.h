// Kernel hooks for tests and tools: reset the kernel between cases and look
// at what a run reported, without going through a program's main.
#ifndef TOVU_TESTING_H
#define TOVU_TESTING_H

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace tovu {

// Thrown by a failing index, slice or length check (and by a FAILURE that
// ends the run) to unwind out of the unit code that made the call. The kernel
// catches it around every activation; outside a run it reaches the caller.
struct CheckFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

namespace testing {

// Forget every registration, block, signal, option and report.
void reset();

struct Report {
    std::string message;
    int severity;
    int64_t time;
};
// While capturing, every zem_report is also kept here (and not printed).
void capture_reports(bool on);
const std::vector<Report> &reports();

// While recording, the start-up operations (zem_init_design to
// zem_run_simulation) log one line each: "name arg arg ...", pointers as
// hexadecimal addresses.
void record_calls(bool on);
const std::vector<std::string> &calls();

// The counts of the last (or current) run, as --stats prints them.
struct RunStats {
    uint64_t deltas, activations, events, transactions;
};
RunStats run_stats();

// Shorthand for tests of package code: zem_init_design with
// --didat-dir=DIR, the given registration functions, and zem_register_tops
// with an empty top name (package blocks only, no instance tree).
void load_packages(const std::string &didat_dir, const std::vector<void (*)()> &inits);

}  // namespace testing
}  // namespace tovu

#pragma GCC visibility pop

#endif
