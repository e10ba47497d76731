// The design's serial line as a stimulus: bytes sent back to back, each a
// start bit '0', eight data bits least significant first and a stop bit '1',
// written as the value changes (`TIME ps PATH VALUE`) that the kernel's
// --stimulus option reads.
#ifndef TOVU_TOOLS_SERIAL_LINE_H
#define TOVU_TOOLS_SERIAL_LINE_H

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace serial_line {

constexpr int kBitsPerByte = 10;  // start, 8 data, stop
constexpr int kClocksPerBit = 128;  // receiver clock periods per bit
constexpr int kSyncByte = 1;         // the frame-sync marker
constexpr int kSyncReplacement = 2;  // what a colour byte of 1 is sent as

// A bit time in picoseconds as the fraction num / den.
struct BitTime {
    int64_t num = 0;
    int64_t den = 1;
};

// Time of bit boundary k (k bit times after the first start bit at
// `start_ps`), rounded to the nearest ps (halves up).
int64_t boundary(int64_t start_ps, BitTime bit, int64_t k);

// A picture's frame: the sync byte, then its colour bytes in order, each
// colour byte of the sync value sent as 2 (counted in `remapped`).
std::vector<int> frame_bytes(const std::vector<uint8_t> &colours, int &remapped);

// Writes the changes of `signal` that send `bytes` from `start_ps` on: the
// line idles at '1' from time 0 and after the last stop bit. `note`, when
// given, may write a comment line before byte n.
void write_changes(std::ostream &out, const std::string &signal, int64_t start_ps, BitTime bit,
                   const std::vector<int> &bytes,
                   const std::function<void(size_t n, std::ostream &out)> &note = nullptr);

}  // namespace serial_line

#endif
