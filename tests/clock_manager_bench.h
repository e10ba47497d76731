// A test bench around the clock manager model: its clock inputs, reset and
// configuration register port are signals of the bench that the kernel's
// stimulus drives; a monitor process records every change of the channel
// outputs 0, 1, 2 and 6. The model runs with its real design data, which a
// test may patch line by line before the run.
#ifndef TOVU_TESTS_CLOCK_MANAGER_BENCH_H
#define TOVU_TESTS_CLOCK_MANAGER_BENCH_H

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "gatlib/a_0341314388_2930107152.h"
#include "gatlib/p_0947159679.h"
#include "gatlib/p_3222816464.h"
#include "ieee/p_1242562249.h"
#include "ieee/p_2592010699.h"
#include "kernel.h"
#include "sim_fixture.h"
#include "std/textio.h"
#include "units/globals.h"

namespace tovu_test {

// One change of a watched channel output.
struct OutputChange {
    int64_t time;
    int output;  // 0, 1, 2 or 6
    char value;
};

inline std::vector<OutputChange> &output_changes() {
    static std::vector<OutputChange> changes;
    return changes;
}

constexpr size_t kBenchFlag = 0x1800;
constexpr int kWatchedOutputs[] = {0, 1, 2, 6};
constexpr size_t bench_signal(int n) { return 0x3e0 + 160 * static_cast<size_t>(n); }
constexpr int kFirstOutput = 11;  // out0 to out6: bench signals 11 to 17

inline void monitor_outputs(char *b) {
    for (int out : kWatchedOutputs) {
        const size_t sig = bench_signal(kFirstOutput + out);
        if (zem_signal_has_event(tovu::layout::signal_record(b, sig)))
            output_changes().push_back(
                {zem_get_sim_current_time(), out, "UX01ZWLH-"[*tovu::layout::signal_value(b, sig)]});
    }
    tovu::layout::wait_flag(b, kBenchFlag) = 1;
}
inline void *g_bench_pe[] = {reinterpret_cast<void *>(&monitor_outputs)};

inline const char kClockManagerBench[] = R"(didat 1
unit t_cm arch entity=tb
block 0x2000
counts pe=1
use ieee_p_2592010699
signal 0 clk sig std_ulogic := '0'
signal 1 clk2 sig std_ulogic := '0'
signal 2 sel sig std_ulogic := '1'
signal 3 fb sig std_ulogic := '0'
signal 4 rst sig std_ulogic := '0'
signal 5 rel sig std_ulogic
signal 6 daddr sig std_ulogic_vector(4 downto 0) := "00000"
signal 7 dclk sig std_ulogic := '0'
signal 8 den sig std_ulogic := '0'
signal 9 di sig std_ulogic_vector(15 downto 0) := "0000000000000000"
signal 10 dwe sig std_ulogic := '0'
signal 11 out0 sig std_ulogic
signal 12 out1 sig std_ulogic
signal 13 out2 sig std_ulogic
signal 14 out3 sig std_ulogic
signal 15 out4 sig std_ulogic
signal 16 out5 sig std_ulogic
signal 17 out6 sig std_ulogic
process 0 record=0x1000 flag=0x1800 sens=out0,out1,out2,out6 name=monitor
inst cm gatlib_a_0341314388_2930107152 \
     port clkout0=>out0 clkout1=>out1 clkout2=>out2 clkout3=>out3 clkout4=>out4 clkout5=>out5 clkfbout=>out6 \
          clkfbin=>fb clkin1=>clk clkin2=>clk2 clkinsel=>sel daddr=>daddr dclk=>dclk den=>den di=>di dwe=>dwe \
          rel=>rel rst=>rst
)";

inline const char kModelDidat[] = "kest/benchsnap.exe.sim/gatlib/a_0341314388_2930107152.didat";

class ClockManagerBench : public SimFixture {
protected:
    void SetUp() override {
        SimFixture::SetUp();
        copy_built_design_data();
        write("kest/t/cm.didat", kClockManagerBench);
        output_changes().clear();
        tovu::testing::capture_reports(true);
    }

    // Registers the packages the model needs, the model and the bench, and
    // names the bench as top unit.
    void elaborate(const std::vector<std::string> &options) {
        start(options);
        ieee_p_2592010699_init();
        ieee_p_1242562249_init();
        gatlib_p_0947159679_init();
        std_textio_init();
        gatlib_p_3222816464_init();
        gatlib_a_0341314388_2930107152_init();
        zem_register_didat("t_cm", "kest/t/cm.didat");
        zem_register_executes(g_bench_pe);
        zem_register_tops("t_cm");
        IEEE_P_2592010699 = zem_get_engine_memory("ieee_p_2592010699");
        zem_register_ieee_std_logic_1164(IEEE_P_2592010699);
        STD_STANDARD = zem_get_engine_memory("std_standard");
        IEEE_P_1242562249 = zem_get_engine_memory("ieee_p_1242562249");
        GATLIB_P_0947159679 = zem_get_engine_memory("gatlib_p_0947159679");
        STD_TEXTIO = zem_get_engine_memory("std_textio");
        GATLIB_P_3222816464 = zem_get_engine_memory("gatlib_p_3222816464");
    }

    int simulate(const std::vector<std::string> &options) {
        elaborate(options);
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    std::string stimulus(const std::string &text) {
        write("stim.txt", text);
        return "--stimulus=" + dir_ + "/stim.txt";
    }

    // Replaces one line of the model's design data.
    void patch_model(const std::string &from, const std::string &to) {
        std::string text = read(kModelDidat);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        write(kModelDidat, text);
    }

    static char *model_block() {
        for (const auto &inst : tovu::K().instances)
            if (inst->path == "tb/cm") return inst->block;
        return nullptr;
    }

    static const tovu::SignalView *view(const std::string &name) {
        auto it = tovu::K().signal_by_path.find("tb/cm/" + name);
        return it == tovu::K().signal_by_path.end() ? nullptr : it->second;
    }
    // A std_ulogic or vector signal of the model as its literals.
    static std::string bits(const std::string &name) {
        const tovu::SignalView *v = view(name);
        if (!v) return "<no " + name + ">";
        std::string s;
        for (uint32_t e = 0; e < v->count; ++e) s += "UX01ZWLH-"[v->net->value[v->first + e]];
        return s;
    }
    template <typename T>
    static T scalar(const std::string &name) {
        const tovu::SignalView *v = view(name);
        T x{};
        if (v) std::memcpy(&x, v->net->value + static_cast<size_t>(v->first) * v->net->esize, sizeof x);
        return x;
    }
    static int32_t integer(const std::string &name) { return scalar<int32_t>(name); }
    static int64_t time_of(const std::string &name) { return scalar<int64_t>(name); }
    // Time of the last change of a (scalar) signal of the model.
    static int64_t last_change(const std::string &name) {
        const tovu::SignalView *v = view(name);
        return v ? v->net->elem_last_event[v->first] : -1;
    }

    // Times of the rising edges of a watched output.
    static std::vector<int64_t> rises(int output) {
        std::vector<int64_t> t;
        for (const OutputChange &c : output_changes())
            if (c.output == output && c.value == '1') t.push_back(c.time);
        return t;
    }

    static const std::vector<tovu::testing::Report> &reports() { return tovu::testing::reports(); }
};

}  // namespace tovu_test

#endif
