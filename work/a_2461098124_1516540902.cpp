// fpga/fpga_top: the top level. Its instances (clock unit, receiver with the
// frame memories, display controller with the gamma tables, animation) are
// design data; its own processes are the glue: an AND output, the internal
// reset, two constant outputs, the picture-source multiplexer and the
// set-only source-select flag.
#include "work/a_2461098124_1516540902.h"

#include "units/process_protocol.h"

namespace {

using namespace proto;

// signal records
constexpr size_t kSelClk = 0xb60;    // #12
constexpr size_t kRstIn = 0xca0;     // #14
constexpr size_t kForceIn = 0xd40;   // #15
constexpr size_t kLineIn = 0xf20;    // #18
constexpr size_t kSrcSel = 0xfc0;    // #19
constexpr size_t kSrcA = 0x1060;     // #20, 48 elements
constexpr size_t kSrcB = 0x1100;     // #21, 48 elements
constexpr size_t kPictureBytes = 48;

// drivers, one per process
constexpr size_t kDriver[6] = {0x1d88, 0x1dc8, 0x1e08, 0x1e48, 0x1e88, 0x1ec8};
// sensitivity-wait flags (p_2 and p_3 run once and have none)
constexpr size_t kFlagP0 = 0x1d08, kFlagP1 = 0x1d18, kFlagP4 = 0x1d28, kFlagP5 = 0x1d38;

uint8_t logic_and(uint8_t l, uint8_t r) { return ieee_p_2592010699_sub_1605435078_503743352(IEEE_P_2592010699, l, r); }
uint8_t logic_not(uint8_t v) { return ieee_p_2592010699_sub_1690584930_503743352(IEEE_P_2592010699, v); }

}  // namespace

extern "C" {

static const char ng0[] = "fpga/fpga_top";

// An output port <= rst_in and line_in.
void work_a_2461098124_1516540902_p_0(char *b) {
    line(95, ng0);
    assign_port_bit(b, kDriver[0], logic_and(bit(b, kRstIn), bit(b, kLineIn)));
    wait_on_sensitivity(b, kFlagP0);
}

// rst <= not rst_in: the design's units reset while their reset is '1'.
void work_a_2461098124_1516540902_p_1(char *b) {
    line(96, ng0);
    assign_bit(b, kDriver[1], logic_not(bit(b, kRstIn)));
    wait_on_sensitivity(b, kFlagP1);
}

// Two constant outputs: run once.
void work_a_2461098124_1516540902_p_2(char *b) {
    line(98, ng0);
    assign_port_bit(b, kDriver[2], SL_1);
}
void work_a_2461098124_1516540902_p_3(char *b) {
    line(99, ng0);
    assign_port_bit(b, kDriver[3], SL_1);
}

// pix_sel <= src_a when src_sel = '1' else src_b.
void work_a_2461098124_1516540902_p_4(char *b) {
    line(146, ng0);
    const uint8_t *source = bit(b, kSrcSel) == SL_1 ? value(b, kSrcA) : value(b, kSrcB);
    assign(b, kDriver[4], source, kPictureBytes);
    wait_on_sensitivity(b, kFlagP4);
}

// The source-select flag: set by force_in = '1' at once, or by line_in = '0'
// at a rising edge of sel_clk; nothing ever clears it.
void work_a_2461098124_1516540902_p_5(char *b) {
    line(150, ng0);
    if (bit(b, kForceIn) == SL_1) {
        line(151, ng0);
        assign_bit(b, kDriver[5], SL_1);
    } else if (rising_edge(b, kSelClk)) {
        line(153, ng0);
        if (bit(b, kLineIn) == SL_0) {
            line(154, ng0);
            assign_bit(b, kDriver[5], SL_1);
        }
    }
    wait_on_sensitivity(b, kFlagP5);
}

// Process table followed directly by the source path.
static struct {
    void *pe[6];
    const char *path;
} tables = {{reinterpret_cast<void *>(&work_a_2461098124_1516540902_p_0),
             reinterpret_cast<void *>(&work_a_2461098124_1516540902_p_1),
             reinterpret_cast<void *>(&work_a_2461098124_1516540902_p_2),
             reinterpret_cast<void *>(&work_a_2461098124_1516540902_p_3),
             reinterpret_cast<void *>(&work_a_2461098124_1516540902_p_4),
             reinterpret_cast<void *>(&work_a_2461098124_1516540902_p_5)},
            ng0};

void work_a_2461098124_1516540902_init(void) {
    zem_register_didat("work_a_2461098124_1516540902", "kest/benchsnap.exe.sim/work/a_2461098124_1516540902.didat");
    zem_register_executes(tables.pe);
}

}  // extern "C"
