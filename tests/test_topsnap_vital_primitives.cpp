// topsnap's start-up registers VITAL_Primitives with every entry point of its
// subprogram table (this file is linked with topsnap's start-up and units).
#include <gtest/gtest.h>

#include "vital_primitives_table.h"

int topsnap_main(int argc, char **argv);

TEST(TopsnapVitalPrimitives, StartupRegistersTheWholeSubprogramTable) {
    vital_primitives_table::check_program(&topsnap_main, "topsnap");
}
