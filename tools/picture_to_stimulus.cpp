// picture_to_stimulus: turns a 32x32 RGB picture into a stimulus file that
// sends it down the design's serial line.
//
//   picture_to_stimulus (--bit-time=TIME | --rx-clock=TIME) [OPTION]... PICTURE
//
// The picture is a PPM file (P3 or P6, 32x32, maxval 255) or a plain text
// file of 1024 lines "R G B" (decimal 0..255, raster order; blank lines and
// '#' comments allowed). The output, one change per line as `TIME PATH VALUE`,
// is what the kernel's --stimulus option reads: the line idles at '1', then
// carries a sync byte (value 1) and the 3072 colour bytes R, G, B of pixel 0,
// 1, ... 1023 (pixel n = row n div 32, column n mod 32; rows 0..15 are the
// upper panel half). Each byte is a start bit '0', eight data bits least
// significant first and a stop bit '1'. The receiver takes a byte of value 1
// as the sync marker, so a colour byte of 1 is sent as 2.
//
// The options, their defaults and the exit statuses are in usage() below
// (--help) and in docs/tools.md.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "common/serial_line.h"
#include "common/tool_cli.h"
#include "common/tool_time.h"
#include "file_text.h"
#include "message_text.h"

namespace {

constexpr const char *kTool = "picture_to_stimulus";
constexpr int kSide = 32;
constexpr int kPixels = kSide * kSide;
constexpr int kBytes = 3 * kPixels;
using serial_line::kBitsPerByte;
using serial_line::kClocksPerBit;

struct UsageError {
    std::string message;
};

// A time in picoseconds as the reduced fraction num / den (see
// common/tool_time.h for the syntax).
using Time = tool_time::Ps;

Time parse_time(const std::string &option, const std::string &text) {
    Time t;
    std::string error;
    if (!tool_time::parse(text, t, error)) throw UsageError{option + ": " + error};
    return t;
}

// ---- reading the picture --------------------------------------------------------

// Largest picture file read: a 32x32 picture takes at most some 12 KiB as
// plain text, so this leaves room for any comments and stops a wrong file (a
// device such as /dev/zero, a large file) before it fills the memory.
constexpr size_t kMaxPictureSize = size_t{1} << 24;

// The whole picture file; a folder, an unreadable or too large file is
// refused with one line ("pic: is a folder, not a file").
std::string read_picture(const std::string &path) {
    std::string text, cause;
    if (!tovu::read_text_file(path, kMaxPictureSize, text, cause))
        throw UsageError{tovu::file_name_text(path) + ": " + cause};
    return text;
}

// Header and P3 tokens of a PPM file: whitespace separated, '#' comments.
// `name` is the file's name as messages show it.
struct PpmReader {
    const std::string &data;
    const std::string &name;
    size_t pos = 0;

    std::string token() {
        for (;;) {
            while (pos < data.size() && std::isspace(static_cast<unsigned char>(data[pos]))) ++pos;
            if (pos < data.size() && data[pos] == '#') {
                while (pos < data.size() && data[pos] != '\n' && data[pos] != '\r') ++pos;
                continue;
            }
            break;
        }
        const size_t start = pos;
        while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos])) && data[pos] != '#') ++pos;
        return data.substr(start, pos - start);
    }
    long number(const char *what) {
        const std::string t = token();
        if (t.empty()) throw UsageError{name + ": the file ends before the " + std::string(what)};
        long v = 0;
        for (char c : t) {
            if (!std::isdigit(static_cast<unsigned char>(c)) || v > 100000)
                throw UsageError{name + ": bad " + std::string(what) + " '" + tovu::printable(t) + "'"};
            v = v * 10 + (c - '0');
        }
        return v;
    }
};

std::vector<uint8_t> read_ppm(const std::string &data, const std::string &name) {
    PpmReader r{data, name};
    const std::string magic = r.token();
    if (magic != "P3" && magic != "P6") throw UsageError{name + ": not a P3 or P6 PPM file"};
    const long width = r.number("width"), height = r.number("height"), maxval = r.number("maximum value");
    if (width != kSide || height != kSide)
        throw UsageError{name + ": the picture is " + std::to_string(width) + "x" + std::to_string(height) +
                         ", not 32x32"};
    if (maxval != 255) throw UsageError{name + ": maximum value " + std::to_string(maxval) + ", not 255"};
    std::vector<uint8_t> bytes(kBytes);
    if (magic == "P6") {
        // exactly one whitespace character separates the header from the samples
        if (r.pos >= data.size() || !std::isspace(static_cast<unsigned char>(data[r.pos])))
            throw UsageError{name + ": the file ends before the samples"};
        ++r.pos;
        if (data.size() - r.pos < static_cast<size_t>(kBytes))
            throw UsageError{name + ": the picture has " + std::to_string(data.size() - r.pos) +
                             " bytes of samples, 3072 expected"};
        if (data.size() - r.pos > static_cast<size_t>(kBytes))
            throw UsageError{name + ": more data after the 32x32 picture"};
        std::memcpy(bytes.data(), data.data() + r.pos, kBytes);
        return bytes;
    }
    for (int i = 0; i < kBytes; ++i) {
        const long v = r.number("sample");
        if (v > 255)
            throw UsageError{name + ": sample " + std::to_string(i) + " is " + std::to_string(v) + ", above 255"};
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(v);
    }
    if (!r.token().empty()) throw UsageError{name + ": more data after the 32x32 picture"};
    return bytes;
}

// 1024 lines "R G B".
std::vector<uint8_t> read_text(const std::string &data, const std::string &name) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kBytes);
    std::istringstream in(data);
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string w; words >> w;) fields.push_back(w);
        if (fields.empty()) continue;
        const std::string where = name + ":" + std::to_string(line_no);
        if (fields.size() != 3) throw UsageError{where + ": expected three values R G B"};
        if (bytes.size() == static_cast<size_t>(kBytes)) throw UsageError{where + ": more than 1024 pixels"};
        for (const std::string &f : fields) {
            int v = 0;
            for (char c : f) {
                if (!std::isdigit(static_cast<unsigned char>(c)) || v > 255)
                    throw UsageError{where + ": bad colour value '" + tovu::printable(f) + "'"};
                v = v * 10 + (c - '0');
            }
            if (v > 255) throw UsageError{where + ": colour value " + tovu::printable(f) + " is above 255"};
            bytes.push_back(static_cast<uint8_t>(v));
        }
    }
    if (bytes.size() != static_cast<size_t>(kBytes))
        throw UsageError{name + ": " + std::to_string(bytes.size() / 3) + " pixels, 1024 expected"};
    return bytes;
}

// ---- writing the stimulus -------------------------------------------------------

struct Options {
    std::string picture;
    std::string signal = "fpga_tb/tb_line";
    tool_cli::Output out;  // standard output unless named
    std::string format;    // "", "ppm" or "text"
    Time bit;
    bool have_bit_time = false, have_rx_clock = false;
    Time start;
    bool have_start = false;
};

std::string format_time(const Time &t) {
    std::string s = std::to_string(t.num / t.den);
    if (t.den > 1) {
        std::string frac = std::to_string(t.num % t.den + t.den).substr(1);
        s += "." + frac;
    }
    return s + " ps";
}

void write_stimulus(std::ostream &out, const Options &o, const std::vector<uint8_t> &colours, int &remapped) {
    const std::vector<int> bytes = serial_line::frame_bytes(colours, remapped);
    // the picture's name escaped, so that a line break in it cannot end the comment
    out << "# " << tovu::file_name_text(o.picture) << " sent on " << o.signal
        << ": a sync byte, then 3072 colour bytes R, G, B\n"
        << "# for pixels 0 .. 1023 in raster order; start bit, 8 data bits LSB first, stop bit\n"
        << "# bit time " << format_time(o.bit) << ", first start bit at " << o.start.num << " ps\n";
    serial_line::write_changes(out, o.signal, o.start.num, {o.bit.num, o.bit.den}, bytes,
                               [](size_t n, std::ostream &note) {
                                   if (n == 0)
                                       note << "# sync byte\n";
                                   else if ((n - 1) % (3 * kSide) == 0)
                                       note << "# pixel row " << (n - 1) / (3 * kSide) << "\n";
                               });
}

void usage(std::ostream &out) {
    out << "Usage: picture_to_stimulus (--bit-time=TIME | --rx-clock=TIME) [OPTION]... PICTURE\n"
           "Writes a stimulus file (for the programs' --stimulus option) that sends a 32x32\n"
           "picture down the design's serial line: the line idles at '1', then carries a\n"
           "sync byte (1) and the 3072 colour bytes R, G, B of the pixels in raster order,\n"
           "each byte a start bit '0', 8 data bits LSB first and a stop bit '1'. A colour\n"
           "byte of 1 (the sync marker) is sent as 2, with a note on standard error.\n"
           "\n"
           "PICTURE is a PPM file (P3 or P6, 32x32, maximum value 255) or a text file of\n"
           "1024 lines \"R G B\" (0..255, raster order; blank lines and '#' comments).\n"
           "\n"
           "Options:\n"
           "  --bit-time=TIME      duration of one bit; a fraction of a ps is kept, each\n"
           "                       change then lies on the nearest whole ps\n"
           "  --rx-clock=TIME      the receiver's clock period instead: the bit time is\n"
           "                       128 times it (one of the two is required, not both)\n"
           "  --signal=PATH        the serial line (default fpga_tb/tb_line; fpga_top/line_in\n"
           "                       for topsnap)\n"
           "  --start=TIME         when the first start bit begins, a whole number of ps\n"
           "                       (default: one bit time, rounded to the nearest ps)\n"
           "  --format=ppm|text    the picture's format (default: ppm if the file starts\n"
           "                       with 'P', text otherwise)\n"
           "  -o FILE, --out=FILE  where to write the stimulus (default standard output);\n"
           "                       not the picture itself, under any name\n"
           "  -h, --help           print this help and exit, whatever else is given\n"
           "\n"
           "A TIME is written as for the programs (10ns, 1.5 us, 31250 ps; units fs ps ns\n"
           "us ms sec min hr in any case); a number without a unit is in ps, and s is\n"
           "taken for sec. The picture file may hold at most 16 MiB.\n"
           "\n"
           "Exit status: 0 written (also --help), 1 the help could not be written,\n"
           "2 bad usage, a picture that cannot be read, or an output file that cannot be\n"
           "written or is the picture.\n";
}

Options parse_options(int argc, char **argv) {
    Options o;
    auto value_of = [](const std::string &arg, const char *name, std::string &v) {
        const std::string prefix = std::string(name) + "=";
        if (arg.compare(0, prefix.size(), prefix) != 0) return false;
        v = arg.substr(prefix.size());
        return true;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string v;
        std::string error;
        if (value_of(arg, "--bit-time", v)) {
            o.bit = parse_time("--bit-time", v);
            o.have_bit_time = true;
        } else if (value_of(arg, "--rx-clock", v)) {
            o.bit = parse_time("--rx-clock", v);
            if (o.bit.num > INT64_MAX / kClocksPerBit)
                throw UsageError{"--rx-clock: '" + tovu::printable(v) + "' is too large"};
            o.bit.num *= kClocksPerBit;
            o.have_rx_clock = true;
        } else if (value_of(arg, "--signal", v)) {
            if (v.empty() || v.find_first_of(" \t\n#") != std::string::npos)
                throw UsageError{"--signal: bad signal path '" + tovu::printable(v) + "'"};
            o.signal = v;
        } else if (value_of(arg, "--start", v)) {
            o.start = parse_time("--start", v);
            if (o.start.den != 1) throw UsageError{"--start: '" + tovu::printable(v) + "' is not a whole number of ps"};
            o.have_start = true;
        } else if (value_of(arg, "--format", v)) {
            if (v != "ppm" && v != "text")
                throw UsageError{"--format: expected ppm or text, not '" + tovu::printable(v) + "'"};
            o.format = v;
        } else if (value_of(arg, "--out", v)) {
            if (!tool_cli::name_output("--out", v, o.out, error)) throw UsageError{error};
        } else if (arg == "-o") {
            if (++i >= argc) throw UsageError{"-o: missing file name"};
            if (!tool_cli::name_output("-o", argv[i], o.out, error)) throw UsageError{error};
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError{"unknown option '" + tovu::printable(arg) + "' (see --help)"};
        } else if (o.picture.empty()) {
            o.picture = arg;
        } else {
            throw UsageError{"more than one picture given ('" + tovu::file_name_text(o.picture) + "', '" +
                             tovu::file_name_text(arg) + "')"};
        }
    }
    if (o.have_bit_time && o.have_rx_clock)
        throw UsageError{"--bit-time and --rx-clock exclude each other: give one of them"};
    if (o.picture.empty()) throw UsageError{"no picture given (see --help)"};
    if (!o.have_bit_time && !o.have_rx_clock) throw UsageError{"give the bit time with --bit-time or --rx-clock"};
    if (o.bit.num <= 0) throw UsageError{"--bit-time: the bit time must be positive"};
    if (!o.have_start) o.start = Time{(o.bit.num + o.bit.den / 2) / o.bit.den, 1};
    // the last stop bit must end within the kernel's time range
    const __int128 end = static_cast<__int128>(o.start.num) +
                         static_cast<__int128>(kBitsPerByte) * (kBytes + 1) * o.bit.num / o.bit.den + 1;
    if (end > INT64_MAX) throw UsageError{"the transmission would end beyond the largest simulation time"};
    if (const std::string e = tool_cli::output_spares_input(o.out, o.picture, "picture"); !e.empty())
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
        const Options o = parse_options(argc, argv);
        const std::string data = read_picture(o.picture);
        const std::string name = tovu::file_name_text(o.picture);
        const bool ppm = o.format.empty() ? (data.size() >= 2 && data[0] == 'P') : o.format == "ppm";
        const std::vector<uint8_t> colours = ppm ? read_ppm(data, name) : read_text(data, name);

        std::ostringstream text;
        int remapped = 0;
        write_stimulus(text, o, colours, remapped);
        if (o.out.path.empty()) {
            std::cout << text.str();
            std::cout.flush();
            if (!std::cout) throw UsageError{"cannot write the stimulus to standard output"};
        } else {
            std::ofstream f(o.out.path, std::ios::binary);
            if (!f) throw UsageError{"cannot create " + tovu::file_name_text(o.out.path) + ": " + std::strerror(errno)};
            f << text.str();
            f.close();
            if (!f) throw UsageError{"cannot write " + tovu::file_name_text(o.out.path)};
        }
        if (remapped > 0)
            std::cerr << kTool << ": " << remapped
                      << " colour byte(s) of value 1 sent as 2 (1 is the frame-sync marker)\n";
        return 0;
    } catch (const UsageError &e) {
        return tool_cli::failed(kTool, e.message);
    } catch (const std::bad_alloc &) {
        return tool_cli::failed(kTool, "out of memory");
    } catch (const std::exception &e) {
        return tool_cli::failed(kTool, tovu::printable(e.what()));
    }
}
