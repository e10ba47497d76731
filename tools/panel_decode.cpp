// panel_decode: rebuilds the picture that the LED-matrix controller shows,
// from a waveform (VCD) of its panel outputs.
//
//   panel_decode [OPTION]... WAVES.vcd
//
// The controller scans the panel row by row. For each row it runs 257 PWM
// passes; in each pass it shifts 32 columns of six colour bits (rgb_0 for the
// upper half, rgb_1 for the lower, three colours each) into the panel on the
// rising edges of sclk, then latches them with a rising edge of latch at the
// row that `row` shows. Only pass 0 of a row is latched while blank is '1';
// its data is shown once blank returns to '0'. A pixel's colour value is the
// number of the 257 passes in which its bit was lit.
//
// The decoder works on signal edges only: at every timestamp it applies all
// changes, shifts the values from before the timestamp on a rising sclk, and
// then stores the 32 columns on a rising latch (a latch may rise at the same
// timestamp as the last sclk). A latch while blank = '1' starts a row (pass
// 0); each later latch is the next pass. Latched bits count once they are
// shown (blank = '0'). A frame is one whole scan: rows 0 to 15, 257 passes
// each, from the pass-0 latch of row 0. Inside a frame every latch must follow
// exactly 32 shift clocks, rows must come in order and every colour bit must
// be '0' or '1'; anything else ends the decoding with an error.
//
// The options, their defaults and the exit statuses are in usage() below
// (--help) and in docs/tools.md.
#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <new>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/panel_decoder.h"
#include "common/tool_cli.h"
#include "message_text.h"

namespace {

using namespace panel;

constexpr const char *kTool = "panel_decode";

struct Options {
    std::string vcd;
    std::string scope = "fpga_tb/uut";
    DecodeOptions decode;
    tool_cli::Output out;     // the picture; standard output unless named
    tool_cli::Output counts;  // not written unless named
    bool frame_given = false;
    bool duty = false;
    bool plain = false;
};

// ---- output -----------------------------------------------------------------

void write_ppm(const Options &o, const Counts &counts) {
    int maxval = 255;
    std::vector<int> samples;
    samples.reserve(counts.size() * kColours);
    for (const auto &p : counts) {
        for (int c = 0; c < kColours; ++c) {
            int v = p[static_cast<size_t>(c)];
            if (o.duty) v = (v * 255 + kPasses / 2) / kPasses;
            samples.push_back(v);
            if (v > 255) maxval = kPasses;
        }
    }
    std::ostringstream out;
    out << (o.plain ? "P3" : "P6") << "\n" << kColumns << " " << kHalves * kRowsPerHalf << "\n" << maxval << "\n";
    if (o.plain) {
        for (size_t i = 0; i < samples.size(); ++i) out << samples[i] << ((i + 1) % kColours == 0 ? "\n" : " ");
    } else {
        for (int v : samples) {
            if (maxval > 255) out.put(static_cast<char>(v >> 8));
            out.put(static_cast<char>(v & 0xff));
        }
    }
    const std::string text = out.str();
    if (o.out.path.empty()) {
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        std::cout.flush();
        if (!std::cout) throw UsageError{"cannot write the picture to standard output"};
        return;
    }
    const std::string name = tovu::file_name_text(o.out.path);
    std::ofstream f(o.out.path, std::ios::binary);
    if (!f) throw UsageError{"cannot create " + name + ": " + std::strerror(errno)};
    f.write(text.data(), static_cast<std::streamsize>(text.size()));
    f.close();
    if (!f) throw UsageError{"cannot write " + name};
}

void write_counts(const Options &o, const Counts &counts) {
    const std::string name = tovu::file_name_text(o.counts.path);
    std::ofstream f(o.counts.path);
    if (!f) throw UsageError{"cannot create " + name + ": " + std::strerror(errno)};
    f << "# lit passes (of 257) per pixel: R G B, pixels in raster order (row 0..31, column 0..31)\n";
    for (const auto &p : counts) f << p[0] << " " << p[1] << " " << p[2] << "\n";
    f.close();
    if (!f) throw UsageError{"cannot write " + name};
}

void usage(std::ostream &out) {
    out << "Usage: panel_decode [OPTION]... WAVES.vcd\n"
           "Rebuilds the picture that the LED-matrix controller shows from a VCD file of its\n"
           "panel outputs (rgb_0, rgb_1, row, blank, sclk, latch) and writes it as a 32x32\n"
           "PPM: each sample is the number of the 257 PWM passes in which that colour of\n"
           "the pixel was lit, over one whole scan (a frame: rows 0 to 15 from the first\n"
           "pass of row 0).\n"
           "\n"
           "Options:\n"
           "  --scope=PATH         instance whose six panel ports are read (default\n"
           "                       fpga_tb/uut; fpga_top for topsnap)\n"
           "  --rgb0=PATH, --rgb1=PATH, --row=PATH, --blank=PATH, --sclk=PATH, --latch=PATH\n"
           "                       full path of one signal instead of SCOPE/name\n"
           "  --rgb-order=ORDER    the colours of rgb_0 and rgb_1 from their left element\n"
           "                       as the VCD writes them (default BGR: red at index 0 of a\n"
           "                       (2 downto 0) vector)\n"
           "  --frame=N            decode the N-th complete frame, from 0 (default 0)\n"
           "  --last               decode the last complete frame instead (not with\n"
           "                       --frame)\n"
           "  --from=TIME          count only the frames that start at or after TIME\n"
           "                       (default 0)\n"
           "  -o FILE, --out=FILE  where to write the picture (default standard output);\n"
           "                       not the waveform file nor the --counts file\n"
           "  --scale=raw|duty     raw: the pass counts themselves (maximum value 255, or\n"
           "                       257 if a count exceeds 255); duty: count x 255 / 257,\n"
           "                       rounded (default raw)\n"
           "  --plain              write a plain (P3) PPM instead of a binary (P6) one\n"
           "  --counts=FILE        also write the counts: a comment line, then 1024 lines\n"
           "                       \"R G B\"; not the waveform file nor the picture's file\n"
           "  -h, --help           print this help and exit, whatever else is given\n"
           "\n"
           "A TIME is written as for the programs (10ns, 1.5 us, 4 ms; units fs ps ns us\n"
           "ms sec min hr in any case); a number without a unit is in ps, and s is taken\n"
           "for sec.\n"
           "\n"
           "A last line without a line break at its end is taken as cut (a run stopped\n"
           "while it wrote the file) and left out, with a note. A word of the file may be\n"
           "at most 1 MiB long and a line 16 MiB, but for a vector value that starts its\n"
           "line (as waveform writers put it): it may be of any length, and its rightmost\n"
           "64 characters are read.\n"
           "\n"
           "Exit status: 0 decoded (also --help), 1 no complete frame (or not the one\n"
           "asked for), a fault inside the frame, or the help could not be written,\n"
           "2 bad usage, a waveform file that cannot be read or lacks a signal, or an\n"
           "output file that cannot be written or is the waveform file or the other output.\n";
}

Options parse_options(int argc, char **argv) {
    Options o;
    bool path_given[kRoles] = {};
    auto value_of = [](const std::string &arg, const std::string &name, std::string &v) {
        const std::string prefix = name + "=";
        if (arg.compare(0, prefix.size(), prefix) != 0) return false;
        v = arg.substr(prefix.size());
        return true;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string v;
        bool role_option = false;
        for (int r = 0; r < kRoles && !role_option; ++r) {
            if (value_of(arg, kRoleOption[r], v)) {
                if (v.empty()) throw UsageError{std::string(kRoleOption[r]) + ": empty path"};
                o.decode.path[r] = v;
                path_given[r] = true;
                role_option = true;
            }
        }
        if (role_option) continue;
        std::string error;
        if (value_of(arg, "--scope", v)) {
            while (!v.empty() && v.back() == '/') v.pop_back();
            if (v.empty()) throw UsageError{"--scope: empty path"};
            o.scope = v;
        } else if (value_of(arg, "--rgb-order", v)) {
            std::string up = v;
            for (char &c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            std::string sorted = up;
            std::sort(sorted.begin(), sorted.end());
            if (sorted != "BGR")
                throw UsageError{"--rgb-order: expected an order of the letters R, G and B, not '" +
                                 tovu::printable(v) + "'"};
            for (int c = 0; c < kColours; ++c) o.decode.colour_at[c] = static_cast<int>(up.find("RGB"[c]));
        } else if (value_of(arg, "--frame", v)) {
            char *end = nullptr;
            const long n = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end != '\0' || n < 0 || n > 1000000)
                throw UsageError{"--frame: bad frame number '" + tovu::printable(v) + "'"};
            o.decode.frame = static_cast<int>(n);
            o.frame_given = true;
        } else if (arg == "--last") {
            o.decode.last = true;
        } else if (value_of(arg, "--from", v)) {
            o.decode.from_fs = parse_time_fs("--from", v);
        } else if (value_of(arg, "--out", v)) {
            if (!tool_cli::name_output("--out", v, o.out, error)) throw UsageError{error};
        } else if (arg == "-o") {
            if (++i >= argc) throw UsageError{"-o: missing file name"};
            if (!tool_cli::name_output("-o", argv[i], o.out, error)) throw UsageError{error};
        } else if (value_of(arg, "--scale", v)) {
            if (v != "raw" && v != "duty")
                throw UsageError{"--scale: expected raw or duty, not '" + tovu::printable(v) + "'"};
            o.duty = v == "duty";
        } else if (arg == "--plain") {
            o.plain = true;
        } else if (value_of(arg, "--counts", v)) {
            if (!tool_cli::name_output("--counts", v, o.counts, error)) throw UsageError{error};
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError{"unknown option '" + tovu::printable(arg) + "' (see --help)"};
        } else if (o.vcd.empty()) {
            o.vcd = arg;
        } else {
            throw UsageError{"more than one waveform file given ('" + tovu::file_name_text(o.vcd) + "', '" +
                             tovu::file_name_text(arg) + "')"};
        }
    }
    if (o.frame_given && o.decode.last) throw UsageError{"--frame and --last exclude each other: give one of them"};
    if (o.vcd.empty()) throw UsageError{"no waveform file given (see --help)"};
    for (int r = 0; r < kRoles; ++r)
        if (!path_given[r]) o.decode.path[r] = o.scope + "/" + kRoleName[r];
    // before anything is decoded or written: no output may destroy the
    // waveform file or the other output
    for (const tool_cli::Output *out : {&o.out, &o.counts})
        if (const std::string e = tool_cli::output_spares_input(*out, o.vcd, "waveform file"); !e.empty())
            throw UsageError{e};
    if (!o.counts.path.empty())
        if (const std::string e = tool_cli::outputs_apart(o.out, o.counts, "the picture"); !e.empty())
            throw UsageError{e};
    return o;
}

}  // namespace

int main(int argc, char **argv) {
    try {
        if (tool_cli::help_asked(argc, argv)) {
            std::ostringstream text;
            usage(text);
            return tool_cli::print_help(kTool, text.str());
        }
        Options o = parse_options(argc, argv);
        o.decode.note = [](const std::string &note) { std::cerr << kTool << ": " << note << "\n"; };
        const Counts counts = decode(o.vcd, o.decode);
        write_ppm(o, counts);
        if (!o.counts.path.empty()) write_counts(o, counts);
        return 0;
    } catch (const UsageError &e) {
        return tool_cli::failed(kTool, e.message);
    } catch (const DecodeError &e) {
        return tool_cli::failed(kTool, e.message, 1);
    } catch (const std::bad_alloc &) {
        return tool_cli::failed(kTool, "out of memory");
    } catch (const std::exception &e) {
        return tool_cli::failed(kTool, tovu::printable(e.what()));
    }
}
