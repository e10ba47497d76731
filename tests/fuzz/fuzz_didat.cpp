// libFuzzer target of the design-data parser: any input must be parsed or
// refused with a well-formed one-line message (see didat_input_check.h).
// Built with clang's -fsanitize=fuzzer where clang is present; run it as
//   build/bin/fuzz_didat -max_total_time=600 NEW_DIR tests/fuzz/didat
#include <cstdio>
#include <cstdlib>

#include "didat_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const tovu_test::DidatOutcome r = tovu_test::check_didat_input(data, size);
    if (!r.problem.empty()) {
        std::fprintf(stderr, "%s\nmessage: %s\n", r.problem.c_str(), r.error.c_str());
        std::abort();
    }
    return 0;
}
