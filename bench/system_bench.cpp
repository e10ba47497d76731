// Whole-system benchmark: benchsnap from its board clock alone, with a full
// 32x32 picture sent over the serial line at the bit time of the receiver
// clock that the clock manager generates (128 x 39 x 31250/18 ps, about
// 8666667 ps: a sync byte and 3072 colour bytes, 266 ms), then run until the
// panel has shown one complete scan of it. Decodes the panel outputs and
// checks that every pixel is lit in gamma(byte) of its 257 PWM passes;
// prints the simulated time, the wall time, the process activations and
// activations per second.
//
//   system_bench [--keep-vcd=FILE]
//
// It is the heaviest run of the project: the clock manager's 576 MHz
// oscillator wakes dozens of processes per oscillator cycle. Exit status 0
// when the panel shows gamma(picture), 1 otherwise.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "common/panel_decoder.h"
#include "common/serial_line.h"
#include "tovu/testing.h"
#include "tovu/zem.h"
#include "tovu/testing.h"

int benchsnap_main(int argc, char **argv);

namespace {

constexpr int kPixels = 1024;
constexpr int64_t kBoardPeriod = 31250;                            // ps
constexpr serial_line::BitTime kBit = {128 * 39 * kBoardPeriod, 18};  // 128 receiver clocks
constexpr int64_t kStart = 10'000'000;                             // first start bit: 10 us
// One scan of the panel: 16 rows of 257 passes, 33673 display clocks each
// (5208.33 ps); the bank switch may come just after a scan began, so two
// scans after the last byte hold one complete scan of the picture.
constexpr int64_t kScan = 16 * 33673 * kBoardPeriod / 6;
constexpr int64_t kMargin = 2 * kScan + 200'000'000;

int gamma(int byte) { return static_cast<int>(std::floor(std::pow(byte / 255.0, 2.2) * 255.0 + 0.5)); }

// A picture with every colour value somewhere: ramps in x and y.
std::vector<uint8_t> picture() {
    std::vector<uint8_t> colours;
    for (int p = 0; p < kPixels; ++p) {
        const int x = p % 32, y = p / 32;
        colours.push_back(static_cast<uint8_t>((x * 8 + y) & 255));
        colours.push_back(static_cast<uint8_t>((y * 8 + x * 3 + 17) & 255));
        colours.push_back(static_cast<uint8_t>((p * 7 + 101) & 255));
    }
    return colours;
}

std::string temp(const std::string &name) { return "/tmp/system_bench_" + std::to_string(getpid()) + "_" + name; }

}  // namespace

int main(int argc, char **argv) {
    std::string keep_vcd;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--keep-vcd=", 0) == 0) {
            keep_vcd = a.substr(11);
        } else {
            std::fprintf(stderr, "usage: system_bench [--keep-vcd=FILE]\n");
            return 2;
        }
    }
    const std::vector<uint8_t> colours = picture();
    int remapped = 0;
    const std::vector<int> bytes = serial_line::frame_bytes(colours, remapped);
    const std::string stim = temp("picture.stim");
    {
        std::ofstream f(stim);
        serial_line::write_changes(f, "fpga_tb/tb_line", kStart, kBit, bytes);
    }
    const int64_t last_stop_bit =
        serial_line::boundary(kStart, kBit, static_cast<int64_t>(bytes.size()) * serial_line::kBitsPerByte);
    const int64_t stop = last_stop_bit + kMargin;
    const std::string vcd = keep_vcd.empty() ? temp("panel.vcd") : keep_vcd;

    std::vector<std::string> args = {
        "benchsnap", "--quiet", "--stimulus=" + stim, "--stop-time=" + std::to_string(stop) + "ps",
        "--vcd=" + vcd,
        "--vcd-signals=fpga_tb/uut/rgb_0,fpga_tb/uut/rgb_1,fpga_tb/uut/row,fpga_tb/uut/blank,fpga_tb/uut/sclk,"
        "fpga_tb/uut/latch"};
    std::vector<char *> av;
    for (auto &a : args) av.push_back(a.data());
    av.push_back(nullptr);
    std::printf("system_bench: %zu bytes at %.3f ps per bit from %.3f us, run to %.6f ms\n", bytes.size(),
                static_cast<double>(kBit.num) / kBit.den, kStart / 1e6, stop / 1e9);
    std::fflush(stdout);

    const auto t0 = std::chrono::steady_clock::now();
    const int status = benchsnap_main(static_cast<int>(args.size()), av.data());
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const int64_t simulated = zem_get_sim_current_time();
    const uint64_t activations = tovu::testing::run_stats().activations;
    std::remove(stim.c_str());

    // the first complete scan that starts after the last byte
    bool equal = false;
    int wrong = 0;
    try {
        panel::DecodeOptions o;
        for (int r = 0; r < panel::kRoles; ++r) o.path[r] = std::string("fpga_tb/uut/") + panel::kRoleName[r];
        o.from_fs = static_cast<__int128>(last_stop_bit) * 1000;
        const panel::Counts shown = panel::decode(vcd, o);
        for (int p = 0; p < kPixels; ++p)
            for (int c = 0; c < 3; ++c)
                if (shown[static_cast<size_t>(p)][static_cast<size_t>(c)] !=
                    gamma(bytes[static_cast<size_t>(1 + 3 * p + c)]))
                    ++wrong;
        equal = wrong == 0;
    } catch (const panel::UsageError &e) {
        std::fprintf(stderr, "system_bench: %s\n", e.message.c_str());
    } catch (const panel::DecodeError &e) {
        std::fprintf(stderr, "system_bench: %s\n", e.message.c_str());
    }
    if (keep_vcd.empty()) std::remove(vcd.c_str());

    std::printf("  run status:             %d\n", status);
    std::printf("  shown = gamma(picture): %s", equal ? "yes\n" : "NO");
    if (!equal && wrong > 0) std::printf(" (%d of 3072 colour values differ)", wrong);
    if (!equal) std::printf("\n");
    std::printf("  simulated time:         %.6f ms\n", simulated / 1e9);
    std::printf("  wall time:              %.1f s\n", wall);
    std::printf("  process activations:    %llu\n", static_cast<unsigned long long>(activations));
    std::printf("  activations per second: %.0f\n", wall > 0 ? activations / wall : 0.0);
    return status == 0 && equal ? 0 : 1;
}
