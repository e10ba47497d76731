// fpga/fpga_tb: a clock generator around the top level. Everything else it
// holds (the instance of fpga_top and its port map) is design data.
#include "work/a_0023372960_2372691052.h"

#include "units/process_protocol.h"

namespace {

using namespace proto;

constexpr size_t kPeriod = 0xc10;      // PERIOD: object descriptor of a TIME constant
constexpr size_t kClockProcess = 0xf28;
constexpr size_t kClockDriver = 0x1168;

// Half the clock period (signed division rounds toward zero).
int64_t half_period(char *b) { return *object_value<int64_t>(b, kPeriod) / 2; }

}  // namespace

extern "C" {

static const char ng0[] = "fpga/fpga_tb";

// The clock: '0', wait PERIOD/2, '1', wait PERIOD/2, for ever.
void work_a_0023372960_2372691052_p_0(char *b) {
    if (void *at = resume_point(b, kClockProcess)) goto *at;
low:
    line(100, ng0);
    assign_bit(b, kClockDriver, SL_0);
    line(101, ng0);
    wait_for(b, kClockProcess, half_period(b), &&high);
    return;
high:
    line(102, ng0);
    assign_bit(b, kClockDriver, SL_1);
    line(103, ng0);
    wait_for(b, kClockProcess, half_period(b), &&low);
}

// Process table followed directly by the source path.
static struct {
    void *pe[1];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_0023372960_2372691052_p_0)}, ng0};

void work_a_0023372960_2372691052_init(void) {
    zem_register_didat("work_a_0023372960_2372691052", "kest/benchsnap.exe.sim/work/a_0023372960_2372691052.didat");
    zem_register_executes(tables.pe);
}

}  // extern "C"
