// benchsnap's start-up registers VITAL_Primitives with every entry point of
// its subprogram table (this file is linked with benchsnap's start-up and units).
#include <gtest/gtest.h>

#include "vital_primitives_table.h"

int benchsnap_main(int argc, char **argv);

TEST(BenchsnapVitalPrimitives, StartupRegistersTheWholeSubprogramTable) {
    vital_primitives_table::check_program(&benchsnap_main, "benchsnap");
}
