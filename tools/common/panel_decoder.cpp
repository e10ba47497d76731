// The LED panel rebuilt from a waveform of the controller's panel outputs.
#include "common/panel_decoder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "common/tool_time.h"

namespace panel {

const char *const kRoleName[kRoles] = {"rgb_0", "rgb_1", "row", "blank", "sclk", "latch"};
const char *const kRoleOption[kRoles] = {"--rgb0", "--rgb1", "--row", "--blank", "--sclk", "--latch"};

namespace {

constexpr int kLastPass = kPasses - 1;

}  // namespace

__int128 parse_time_fs(const std::string &what, const std::string &text) {
    tool_time::Ps t;
    std::string error;
    if (!tool_time::parse(text, t, error)) throw UsageError{what + ": " + error};
    return static_cast<__int128>(t.num) * 1000 / t.den;
}

namespace {

// ---- VCD reading ----------------------------------------------------------------

// Whitespace-separated tokens of a file, read in large blocks. A token stays
// valid until the next call.
class Tokenizer {
public:
    explicit Tokenizer(const std::string &path) : path_(path) {
        f_ = std::fopen(path.c_str(), "rb");
        if (!f_) throw UsageError{"cannot open " + path + ": " + std::strerror(errno)};
        buf_.resize(1 << 20);
    }
    ~Tokenizer() {
        if (f_) std::fclose(f_);
    }
    Tokenizer(const Tokenizer &) = delete;
    Tokenizer &operator=(const Tokenizer &) = delete;

    bool next(std::string_view &tok) {
        for (;;) {
            while (pos_ < len_ && is_space(buf_[pos_])) ++pos_;
            if (pos_ < len_) break;
            if (!refill(0)) return false;
        }
        size_t end = pos_;
        for (;;) {
            while (end < len_ && !is_space(buf_[end])) ++end;
            if (end < len_ || eof_) break;
            const size_t have = end - pos_;
            refill(have);  // the token so far moves to the front
            end = have;
        }
        tok = std::string_view(buf_.data() + pos_, end - pos_);
        pos_ = end;
        return true;
    }
    const std::string &path() const { return path_; }

private:
    static bool is_space(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
    // Keeps the last `keep` bytes (a token in progress) at the front of the
    // buffer and reads more after them; false at the end of the file.
    bool refill(size_t keep) {
        if (eof_) return false;
        const size_t start = len_ - keep;
        if (keep > 0) std::memmove(buf_.data(), buf_.data() + start, keep);
        if (keep * 2 > buf_.size()) buf_.resize(buf_.size() * 2);
        len_ = keep;
        pos_ = 0;
        const size_t got = std::fread(buf_.data() + len_, 1, buf_.size() - len_, f_);
        if (got == 0) {
            if (std::ferror(f_)) throw UsageError{"cannot read " + path_ + ": " + std::strerror(errno)};
            eof_ = true;
            return false;
        }
        len_ += got;
        return true;
    }

    std::string path_;
    std::FILE *f_ = nullptr;
    std::vector<char> buf_;
    size_t pos_ = 0, len_ = 0;
    bool eof_ = false;
};

// ---- the panel model ------------------------------------------------------------

constexpr uint8_t kOff = 0, kLit = 1, kUnknown = 2;

struct Column {
    uint8_t bit[kHalves][kColours];
};

using Counts = std::vector<std::array<int, kColours>>;  // [panel row * 32 + column]

struct Decoder {
    const DecodeOptions &opt;
    int64_t timescale_fs = 1000;

    // values of the six signals before the timestamp and after it
    std::string before[kRoles], now[kRoles];
    int width[kRoles] = {};

    // shift register of the panel since the last latch
    std::vector<Column> shifted;
    // row sequencing: valid once a pass-0 latch has been seen
    bool synced = false;
    int row = -1, pass = -1;
    // the latched data while it waits to be shown
    std::vector<Column> latched;
    int latched_row = -1;
    bool latched_pending = false;
    int64_t latched_time = 0;

    // the frame being decoded
    bool in_frame = false;
    int frames_done = 0;
    Counts counts;
    Counts last_complete;
    bool have_last = false;
    bool finished = false;

    explicit Decoder(const DecodeOptions &o) : opt(o), counts(kHalves * kRowsPerHalf * kColumns) {}

    int64_t ps(int64_t t) const { return static_cast<int64_t>(static_cast<__int128>(t) * timescale_fs / 1000); }
    std::string at(int64_t t) const { return " at " + std::to_string(ps(t)) + " ps"; }

    static bool rose(const std::string &b, const std::string &a) { return b == "0" && a == "1"; }

    // Row number from the row vector, or -1 when it holds a metavalue.
    int row_value() const {
        int v = 0;
        for (char c : now[kRow]) {
            if (c != '0' && c != '1') return -1;
            v = v * 2 + (c == '1');
        }
        return v;
    }

    uint8_t colour_bit(const std::string &rgb, int colour) const {
        const char c = rgb[static_cast<size_t>(opt.colour_at[colour])];
        return c == '1' ? kLit : c == '0' ? kOff : kUnknown;
    }

    // Applies the events of the timestamp that has just ended.
    void timestamp_done(int64_t t) {
        if (rose(before[kSclk], now[kSclk])) {
            Column col;
            for (int c = 0; c < kColours; ++c) {
                col.bit[0][c] = colour_bit(before[kRgb0], c);
                col.bit[1][c] = colour_bit(before[kRgb1], c);
            }
            if (shifted.size() <= kColumns) shifted.push_back(col);
        }
        if (rose(before[kLatch], now[kLatch])) latch(t);
        if (before[kBlank] != "0" && now[kBlank] == "0") show();
        for (int r = 0; r < kRoles; ++r) before[r] = now[r];
    }

    void fail(const std::string &what) { throw DecodeError{what}; }

    // Outside a frame a fault only loses the row synchronisation.
    void fault(int64_t t, const std::string &what) {
        if (in_frame) fail(what + at(t) + " (frame " + std::to_string(frames_done) + ")");
        synced = false;
    }

    void latch(int64_t t) {
        std::vector<Column> columns;
        columns.swap(shifted);
        const std::string &blank = now[kBlank];
        if (blank != "0" && blank != "1") return fault(t, "blank is '" + blank + "' at a latch");
        const int r = row_value();
        if (r < 0 || r >= kRowsPerHalf) return fault(t, "row output '" + now[kRow] + "' at a latch");
        const bool blanked = blank == "1";
        if (!blanked && !synced) return;  // wait for the first pass 0
        if (columns.size() != kColumns)
            return fault(t, std::to_string(columns.size()) + (columns.size() > kColumns ? " or more" : "") +
                                " shift clocks before a latch, 32 expected");
        if (blanked) {  // pass 0 of a row
            if (in_frame) {
                if (pass != kLastPass)
                    fail("row " + std::to_string(row) + " ended after " + std::to_string(pass + 1) +
                         " passes, 257 expected" + at(t));
                if (r != (row + 1) % kRowsPerHalf)
                    fail("row " + std::to_string(r) + " follows row " + std::to_string(row) + at(t));
            }
            if (!in_frame && r == 0 && static_cast<__int128>(t) * timescale_fs >= opt.from_fs) begin_frame();
            row = r;
            pass = 0;
        } else {
            if (r != row) return fault(t, "row output changed from " + std::to_string(row) + " to " +
                                              std::to_string(r) + " inside a row");
            if (pass >= kLastPass) return fault(t, "more than 257 passes in row " + std::to_string(r));
            ++pass;
        }
        synced = true;
        latched = std::move(columns);
        latched_row = r;
        latched_time = t;
        latched_pending = true;
        if (!blanked) show();
        if (in_frame && pass == kLastPass && r == kRowsPerHalf - 1) end_frame();
    }

    // The latched data is on the panel: count its lit bits.
    void show() {
        if (!latched_pending) return;
        latched_pending = false;
        if (!in_frame) return;
        for (int col = 0; col < kColumns; ++col) {
            for (int h = 0; h < kHalves; ++h) {
                for (int c = 0; c < kColours; ++c) {
                    const uint8_t b = latched[static_cast<size_t>(col)].bit[h][c];
                    if (b == kUnknown)
                        fail("undefined colour bit (half " + std::to_string(h) + ", colour " + "RGB"[c] + ", row " +
                             std::to_string(latched_row) + ", column " + std::to_string(col) + ") latched" +
                             at(latched_time));
                    if (b == kLit) ++counts[static_cast<size_t>((latched_row + kRowsPerHalf * h) * kColumns + col)][c];
                }
            }
        }
    }

    void begin_frame() {
        in_frame = true;
        for (auto &p : counts) p = {0, 0, 0};
    }

    void end_frame() {
        in_frame = false;
        if (opt.last) {
            last_complete = counts;
            have_last = true;
        } else if (frames_done == opt.frame) {
            last_complete = counts;
            have_last = true;
            finished = true;
        }
        ++frames_done;
    }
};

using RolesOfId = std::vector<std::pair<std::string, std::vector<int>>>;  // VCD id -> roles

// Reads the header: finds the six signals and the time scale.
void read_header(Tokenizer &in, Decoder &d, RolesOfId &roles_of_id) {
    std::vector<std::string> scope;
    std::string found_id[kRoles];
    std::string_view tok;
    auto rest_until_end = [&](std::vector<std::string> &words) {
        while (in.next(tok)) {
            if (tok == "$end") return;
            words.emplace_back(tok);
        }
        throw UsageError{in.path() + ": the file ends inside a header section"};
    };
    for (;;) {
        if (!in.next(tok)) throw UsageError{in.path() + ": no $enddefinitions: not a VCD file?"};
        std::vector<std::string> words;
        if (tok == "$enddefinitions") {
            rest_until_end(words);
            break;
        } else if (tok == "$scope") {
            rest_until_end(words);
            if (words.size() < 2) throw UsageError{in.path() + ": bad $scope"};
            scope.push_back(words[1]);
        } else if (tok == "$upscope") {
            rest_until_end(words);
            if (!scope.empty()) scope.pop_back();
        } else if (tok == "$var") {
            rest_until_end(words);
            if (words.size() < 4) throw UsageError{in.path() + ": bad $var"};
            std::string name = words[3];
            const size_t bracket = name.find('[');
            if (bracket != std::string::npos) name.erase(bracket);
            std::string path;
            for (const std::string &s : scope) path += s + "/";
            path += name;
            for (int r = 0; r < kRoles; ++r) {
                if (path != d.opt.path[r]) continue;
                const long w = std::strtol(words[1].c_str(), nullptr, 10);
                if (w <= 0 || w > 64) throw UsageError{in.path() + ": " + path + " has width " + words[1]};
                d.width[r] = static_cast<int>(w);
                found_id[r] = words[2];
            }
        } else if (tok == "$timescale") {
            rest_until_end(words);
            std::string text;
            for (const std::string &w : words) text += w;
            const __int128 fs = parse_time_fs(in.path() + ": $timescale", text);
            if (fs <= 0) throw UsageError{in.path() + ": time scale below 1 fs"};
            if (fs > INT64_MAX) throw UsageError{in.path() + ": time scale above " + std::to_string(INT64_MAX) + " fs"};
            d.timescale_fs = static_cast<int64_t>(fs);
        } else if (!tok.empty() && tok[0] == '$') {
            rest_until_end(words);  // $date, $version, $comment, ...
        } else {
            throw UsageError{in.path() + ": unexpected '" + std::string(tok) + "' in the header"};
        }
    }
    for (int r = 0; r < kRoles; ++r) {
        if (found_id[r].empty())
            throw UsageError{in.path() + ": no signal " + d.opt.path[r] + " (set it with " + kRoleOption[r] +
                             " or --scope)"};
        const bool vector = r == kRgb0 || r == kRgb1 || r == kRow;
        if ((r == kRgb0 || r == kRgb1) && d.width[r] != kColours)
            throw UsageError{in.path() + ": " + d.opt.path[r] + " has " + std::to_string(d.width[r]) +
                             " elements, 3 expected"};
        if (!vector && d.width[r] != 1)
            throw UsageError{in.path() + ": " + d.opt.path[r] + " is not a one-bit signal"};
        if (r == kRow && d.width[r] > 16) throw UsageError{in.path() + ": " + d.opt.path[r] + " is too wide"};
        auto it = std::find_if(roles_of_id.begin(), roles_of_id.end(),
                               [&](const auto &e) { return e.first == found_id[r]; });
        if (it == roles_of_id.end()) it = roles_of_id.insert(roles_of_id.end(), {found_id[r], {}});
        it->second.push_back(r);
        d.before[r] = d.now[r] = std::string(static_cast<size_t>(d.width[r]), 'x');
    }
}

char normalise(char c) {
    switch (c) {
    case '0': case '1': return c;
    case 'z': case 'Z': return 'z';
    default: return 'x';
    }
}

// A vector value as written, extended on the left to the declared width (a
// shorter value is padded with '0', or with its first character if that is
// x or z), or cut to its rightmost elements.
std::string widen(std::string_view bits, int width) {
    std::string v;
    v.reserve(static_cast<size_t>(width));
    const size_t w = static_cast<size_t>(width);
    if (bits.size() >= w) {
        for (size_t i = bits.size() - w; i < bits.size(); ++i) v += normalise(bits[i]);
        return v;
    }
    const char first = bits.empty() ? '0' : normalise(bits[0]);
    const char pad = first == '1' ? '0' : first;
    v.assign(w - bits.size(), pad);
    for (char c : bits) v += normalise(c);
    return v;
}

// Reads the value changes and feeds them to the decoder, timestamp by
// timestamp, until the wanted frame is complete or the file ends.
void read_changes(Tokenizer &in, Decoder &d, const RolesOfId &roles_of_id) {
    std::string_view tok;
    int64_t time = 0;
    bool have_time = false;
    auto set = [&](std::string_view id, std::string_view value) {
        for (const auto &[known, roles] : roles_of_id) {
            if (id != known) continue;
            for (int r : roles) d.now[r] = widen(value, d.width[r]);
        }
    };
    while (!d.finished && in.next(tok)) {
        const char c = tok[0];
        if (c == '#') {
            char *end = nullptr;
            const std::string text(tok.substr(1));
            errno = 0;
            const long long t = std::strtoll(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || errno != 0 || t < 0)
                throw UsageError{in.path() + ": bad timestamp '" + std::string(tok) + "'"};
            if (have_time && t < time)
                throw UsageError{in.path() + ": timestamp " + text + " is earlier than " + std::to_string(time)};
            if (have_time) d.timestamp_done(time);
            time = t;
            have_time = true;
        } else if (c == '$') {
            if (tok == "$comment") {
                while (in.next(tok) && tok != "$end") {
                }
            }
            // $dumpvars, $dumpall, $dumpon, $dumpoff, $end: the values inside count as changes
        } else if (c == 'b' || c == 'B') {
            const std::string value(tok.substr(1));
            if (!in.next(tok)) throw UsageError{in.path() + ": the file ends inside a value change"};
            set(tok, value);
        } else if (c == 'r' || c == 'R' || c == 's' || c == 'S') {
            if (!in.next(tok)) throw UsageError{in.path() + ": the file ends inside a value change"};
        } else if (std::strchr("01xXzZuUwWlLhH-", c) != nullptr) {
            if (tok.size() < 2) throw UsageError{in.path() + ": value change '" + std::string(tok) + "' without id"};
            const char v = c == 'l' || c == 'L' ? '0' : c == 'h' || c == 'H' ? '1' : c;
            const char one[1] = {v};
            set(tok.substr(1), std::string_view(one, 1));
        } else {
            throw UsageError{in.path() + ": unexpected '" + std::string(tok) + "' among the value changes"};
        }
    }
    if (!d.finished && have_time) d.timestamp_done(time);
}

}  // namespace

Counts decode(const std::string &vcd, const DecodeOptions &options) {
    Decoder d(options);
    Tokenizer in(vcd);
    RolesOfId roles_of_id;
    read_header(in, d, roles_of_id);
    read_changes(in, d, roles_of_id);
    if (!d.have_last) {
        if (options.last) throw DecodeError{"no complete frame in " + vcd};
        throw DecodeError{vcd + " ends before frame " + std::to_string(options.frame) + " is complete (" +
                          std::to_string(d.frames_done) + " complete frame(s))"};
    }
    return d.last_complete;
}

}  // namespace panel
