// The design's serial line as a stimulus.
#include "common/serial_line.h"

namespace serial_line {

int64_t boundary(int64_t start_ps, BitTime bit, int64_t k) {
    const __int128 t = static_cast<__int128>(k) * bit.num;
    return start_ps + static_cast<int64_t>((t + bit.den / 2) / bit.den);
}

std::vector<int> frame_bytes(const std::vector<uint8_t> &colours, int &remapped) {
    std::vector<int> bytes;
    bytes.reserve(colours.size() + 1);
    bytes.push_back(kSyncByte);
    remapped = 0;
    for (uint8_t c : colours) {
        if (c == kSyncByte) ++remapped;
        bytes.push_back(c == kSyncByte ? kSyncReplacement : c);
    }
    return bytes;
}

void write_changes(std::ostream &out, const std::string &signal, int64_t start_ps, BitTime bit,
                   const std::vector<int> &bytes, const std::function<void(size_t, std::ostream &)> &note) {
    // The line idles at '1' from time 0 (a start bit at time 0 replaces it).
    if (start_ps > 0) out << "0 ps " << signal << " '1'\n";
    char level = '1';
    auto change = [&](int64_t t, char v) {
        if (v == level) return;
        out << t << " ps " << signal << " '" << v << "'\n";
        level = v;
    };
    for (size_t n = 0; n < bytes.size(); ++n) {
        if (note) note(n, out);
        const int64_t first = static_cast<int64_t>(n) * kBitsPerByte;
        change(boundary(start_ps, bit, first), '0');  // start bit
        for (int i = 0; i < 8; ++i) change(boundary(start_ps, bit, first + 1 + i), (bytes[n] >> i) & 1 ? '1' : '0');
        change(boundary(start_ps, bit, first + 9), '1');  // stop bit, then idle
    }
}

}  // namespace serial_line
