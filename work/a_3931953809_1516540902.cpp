// fpga/fpga_top, earlier build: its instances (clock unit, receiver with the
// frame memories, display controller with the gamma tables) are design data;
// its own code is the glue: an AND output, the internal reset and two
// constant outputs. It has no picture-source multiplexer and no select flag:
// the received picture goes straight to the display controller.
#include "work/a_3931953809_1516540902.h"

#include "units/process_protocol.h"

namespace {

using namespace proto;

// signal records
constexpr size_t kRstIn = 0xb60;   // #12, input A
constexpr size_t kLineIn = 0xc00;  // #13, input B

// drivers, one per process
constexpr size_t kDriver[4] = {0x1800, 0x1840, 0x1880, 0x18c0};
// sensitivity-wait flags of p_0 and p_1 (p_2 and p_3 run once)
constexpr size_t kFlagP0 = 0x1780, kFlagP1 = 0x1790;

uint8_t logic_and(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_1605435078_503743352(IEEE_P_2592010699, l, r); }
uint8_t logic_not(uint8_t v) { return ieee_p_2592010699_sub_1690584930_503743352(IEEE_P_2592010699, v); }

}  // namespace

extern "C" {

static const char ng0[] = "fpga/fpga_top";

// Port X <= A and B.
void work_a_3931953809_1516540902_p_0(char *b) {
    line(83, ng0);
    assign_port_bit(b, kDriver[0], logic_and(bit(b, kRstIn), bit(b, kLineIn)));
    wait_on_sensitivity(b, kFlagP0);
}

// Signal N <= not A: the design's reset.
void work_a_3931953809_1516540902_p_1(char *b) {
    line(84, ng0);
    assign_bit(b, kDriver[1], logic_not(bit(b, kRstIn)));
    wait_on_sensitivity(b, kFlagP1);
}

// Ports Y and Z <= '1': run once.
void work_a_3931953809_1516540902_p_2(char *b) {
    line(86, ng0);
    assign_port_bit(b, kDriver[2], SL_1);
}
void work_a_3931953809_1516540902_p_3(char *b) {
    line(87, ng0);
    assign_port_bit(b, kDriver[3], SL_1);
}

// Process table followed directly by the source path.
static struct {
    void *pe[4];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_3931953809_1516540902_p_0),
             reinterpret_cast<void *>(&work_a_3931953809_1516540902_p_1),
             reinterpret_cast<void *>(&work_a_3931953809_1516540902_p_2),
             reinterpret_cast<void *>(&work_a_3931953809_1516540902_p_3)},
            ng0};

void work_a_3931953809_1516540902_init(void) {
    zem_register_didat("work_a_3931953809_1516540902", "kest/topsnap.exe.sim/work/a_3931953809_1516540902.didat");
    zem_register_executes(tables.pe);
}

}  // extern "C"
