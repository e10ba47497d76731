// Every unit of topsnap: the counts of its shipped design data lie within
// the process and subprogram tables it registers.
#include <gtest/gtest.h>

#include "unit_tables_check.h"

int topsnap_main(int argc, char **argv);

namespace {

TEST(TopsnapTables, DesignDataCountsLieWithinTheUnitsTables) {
    tovu_test::expect_program_counts_within_tables(topsnap_main, "topsnap");
}

}  // namespace
