// The LED panel as the design drives it, rebuilt from a waveform (VCD) of
// the controller's panel outputs: the lit passes of every pixel in one whole
// scan. See tools/panel_decode.cpp for the rules the decoder follows.
#ifndef TOVU_TOOLS_PANEL_DECODER_H
#define TOVU_TOOLS_PANEL_DECODER_H

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace panel {

constexpr int kColumns = 32;
constexpr int kRowsPerHalf = 16;
constexpr int kHalves = 2;
constexpr int kColours = 3;
constexpr int kPasses = 257;

// A bad option or a waveform that cannot be read.
struct UsageError {
    std::string message;
};
// No complete frame, or a fault inside the frame.
struct DecodeError {
    std::string message;
};

enum Role { kRgb0, kRgb1, kRow, kBlank, kSclk, kLatch, kRoles };
extern const char *const kRoleName[kRoles];
extern const char *const kRoleOption[kRoles];

struct DecodeOptions {
    std::string path[kRoles];                   // full path of each of the six signals
    int colour_at[kColours] = {2, 1, 0};        // character position of R, G, B in rgb_h
    int frame = 0;                              // the frame to decode ...
    bool last = false;                          // ... or the last complete one
    __int128 from_fs = 0;                       // only frames that start at or after this time
    // Told, as one line without the tool's name, that the file's last line is
    // taken as cut and left out; no note when empty.
    std::function<void(const std::string &)> note;
};

using Counts = std::vector<std::array<int, kColours>>;  // [panel row * 32 + column]

// A time in femtoseconds (rounded down), written as common/tool_time.h
// describes; `what` begins the message of a UsageError.
__int128 parse_time_fs(const std::string &what, const std::string &text);

// The lit passes of every pixel in the wanted frame of a VCD file.
Counts decode(const std::string &vcd, const DecodeOptions &options);

}  // namespace panel

#endif
