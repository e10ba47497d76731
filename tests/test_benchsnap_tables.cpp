// Every unit of benchsnap: the counts of its shipped design data lie within
// the process and subprogram tables it registers.
#include <gtest/gtest.h>

#include "unit_tables_check.h"

int benchsnap_main(int argc, char **argv);

namespace {

TEST(BenchsnapTables, DesignDataCountsLieWithinTheUnitsTables) {
    tovu_test::expect_program_counts_within_tables(benchsnap_main, "benchsnap");
}

}  // namespace
