// The LED panel rebuilt from a waveform of the controller's panel outputs.
#include "common/panel_decoder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string_view>

#include "common/tool_time.h"
#include "message_text.h"

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

// Longest word (the text between blanks) read from a waveform file, so that
// a wrong file (a device such as /dev/zero, a file of one endless line) ends
// with a message instead of filling the memory. A vector value change may be
// longer (see Tokenizer::keep_value_tails).
constexpr size_t kMaxWordLength = size_t{1} << 20;
// Characters kept of the right end of a vector value longer than
// kMaxWordLength: the decoder reads at most its rightmost 64 elements (see
// widen), and its first character tells a vector value.
constexpr size_t kValueTailLength = 64;
// Longest part of one line held while the reader looks ahead for the line's
// end: the lines of a waveform are short, but for a long vector value, which
// starts its line (one value change a line) and is not held.
constexpr size_t kMaxLineLength = size_t{1} << 24;
// The reading buffer's first size; it grows for a long word or line.
constexpr size_t kFirstBufferSize = size_t{1} << 20;

// Which bytes are blanks between words: space, tab, line break, vertical
// tab, form feed and carriage return.
struct BlankTable {
    bool is[256] = {};
    constexpr BlankTable() {
        for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) is[c] = true;
    }
};
constexpr BlankTable kBlanks;

// Whitespace-separated words of a file, read in large blocks, each at most
// kMaxWordLength bytes. A word is given out only once a line break is known
// to follow it: the words of a last line without a line break at its end (a
// run killed, or a full disk, while the waveform was written) are taken as
// cut and left out, with a note. The reader looks ahead for the line break
// (normally the next byte) and remembers the furthest one found, so each
// byte is searched once; it does not seek, so a pipe is read the same way. A
// word stays valid until the next call.
class Tokenizer {
public:
    Tokenizer(const std::string &path, const std::function<void(const std::string &)> &note)
        : name_(tovu::file_name_text(path)), note_(note) {
        f_ = std::fopen(path.c_str(), "rb");
        if (!f_) throw UsageError{"cannot open " + name_ + ": " + std::strerror(errno)};
        buf_.resize(kFirstBufferSize);
    }
    ~Tokenizer() {
        if (f_) std::fclose(f_);
    }
    Tokenizer(const Tokenizer &) = delete;
    Tokenizer &operator=(const Tokenizer &) = delete;

    // From here on a vector value (a word starting with b or B) longer than
    // kMaxWordLength is read at constant memory as its first character and
    // its rightmost kValueTailLength characters, instead of being refused: a
    // waveform may trace a signal of far more elements than the decoder
    // reads.
    void keep_value_tails() { value_tails_ = true; }

    bool next(std::string_view &tok) {
        if (cut_) return false;
        for (;;) {
            pos_ = skip<false>(pos_);
            if (pos_ < len_) break;
            end_ = pos_;
            if (!refill()) return false;
        }
        end_ = skip<true>(pos_);
        // a word that reaches the end of the buffer may go on after it
        const bool tail_only = (end_ == len_ || end_ - pos_ > kMaxWordLength) && read_long_word();
        if (!line_break_follows()) {
            cut_ = true;
            if (note_)
                note_(name_ + ": the last line has no line break at its end and is taken as cut; it is left out");
            return false;
        }
        tok = tail_only ? std::string_view(tail_) : std::string_view(buf_.data() + pos_, end_ - pos_);
        pos_ = end_;
        return true;
    }
    // The file's name as messages show it.
    const std::string &name() const { return name_; }

private:
    // The first position from `at` on that is not a blank (kWord false) or
    // not part of a word (kWord true); len_ when there is none.
    template <bool kWord>
    size_t skip(size_t at) const {
        const char *data = buf_.data();
        const size_t len = len_;
        while (at < len && kBlanks.is[static_cast<unsigned char>(data[at])] != kWord) ++at;
        return at;
    }

    // Reads on the word buf_[pos_, end_) that reaches the end of the buffer
    // or is longer than kMaxWordLength. True when it is a long vector value,
    // kept in tail_ as its first and rightmost characters (its end in end_,
    // pos_ there too); a long word of another kind is refused.
    bool read_long_word() {
        bool tail_only = false;
        for (;;) {
            if (!tail_only && end_ - pos_ > kMaxWordLength) {
                if (!value_tails_ || (buf_[pos_] != 'b' && buf_[pos_] != 'B'))
                    throw UsageError{name_ + ": a word longer than " + std::to_string(kMaxWordLength) +
                                     " bytes at byte " + std::to_string(base_ + pos_)};
                tail_only = true;
                tail_.assign(1, buf_[pos_]);
                keep_tail(pos_ + 1);
            }
            if (end_ < len_ || eof_) break;
            if (tail_only) pos_ = end_;  // the middle of a long value is not kept
            refill();
            const size_t from = end_;
            end_ = skip<true>(end_);
            if (tail_only) keep_tail(from);
        }
        if (tail_only) pos_ = end_;
        return tail_only;
    }

    // Adds buf_[from, end_) to a long value kept as its first character and
    // its rightmost kValueTailLength characters.
    void keep_tail(size_t from) {
        const size_t take = std::min(end_ - from, kValueTailLength);
        tail_.append(buf_.data() + end_ - take, take);
        if (tail_.size() > 1 + kValueTailLength) tail_.erase(1, tail_.size() - 1 - kValueTailLength);
    }

    // Whether a line break follows the word that ends at end_.
    bool line_break_follows() {
        if (have_line_break_ && line_break_at_ >= base_ + end_) return true;
        return find_line_break();
    }
    // Looks for the first line break from end_ on, reading ahead as far as
    // it; false when the file ends first.
    bool find_line_break() {
        size_t at = end_;
        for (;;) {
            if (const void *nl = std::memchr(buf_.data() + at, '\n', len_ - at)) {
                line_break_at_ = base_ + static_cast<uint64_t>(static_cast<const char *>(nl) - buf_.data());
                have_line_break_ = true;
                return true;
            }
            at = len_;
            const size_t moved = pos_;
            if (!refill()) return false;
            at -= moved;
        }
    }

    // Keeps the bytes from pos_ on (a word in progress, or the rest of a line
    // being looked through) at the front of the buffer and reads more after
    // them; false at the end of the file.
    bool refill() {
        if (eof_) return false;
        const size_t keep = len_ - pos_;
        if (keep * 2 > buf_.size() && buf_.size() < kMaxLineLength)
            buf_.resize(std::min(buf_.size() * 2, kMaxLineLength));
        if (keep == buf_.size())
            throw UsageError{name_ + ": a line longer than " + std::to_string(kMaxLineLength) + " bytes at byte " +
                             std::to_string(base_ + pos_)};
        if (keep > 0) std::memmove(buf_.data(), buf_.data() + pos_, keep);
        base_ += pos_;
        end_ -= pos_;
        pos_ = 0;
        len_ = keep;
        const size_t got = std::fread(buf_.data() + len_, 1, buf_.size() - len_, f_);
        if (got == 0) {
            if (std::ferror(f_)) throw UsageError{"cannot read " + name_ + ": " + std::strerror(errno)};
            eof_ = true;
            return false;
        }
        len_ += got;
        return true;
    }

    std::string name_;
    std::function<void(const std::string &)> note_;
    std::FILE *f_ = nullptr;
    std::vector<char> buf_;
    size_t pos_ = 0, end_ = 0, len_ = 0;  // the word being read is buf_[pos_, end_)
    uint64_t base_ = 0;                   // offset in the file of buf_[0]
    uint64_t line_break_at_ = 0;          // offset of the furthest line break found ...
    bool have_line_break_ = false;        // ... once one is found
    std::string tail_;                    // a long value's first and rightmost characters
    bool value_tails_ = false;
    bool eof_ = false;
    bool cut_ = false;
};

// ---- the panel model ------------------------------------------------------------

// A non-negative 128-bit number in decimal.
std::string decimal(__int128 v) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v > 0);
    return digits;
}

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

    // A timestamp in ps (rounded down): a time in the file's unit (up to
    // 2^63) times the scale (up to 2^63 fs) needs 126 bits.
    __int128 ps(int64_t t) const { return static_cast<__int128>(t) * timescale_fs / 1000; }
    std::string at(int64_t t) const { return " at " + decimal(ps(t)) + " ps"; }

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

// Words kept of a header section that the decoder reads ($scope, $var,
// $timescale): far more than any of them holds. The words of other sections
// are skipped, not kept.
constexpr size_t kMaxSectionWords = 16;
// Longest scope path: the names of the open scopes, each followed by '/'.
constexpr size_t kMaxScopePathLength = kMaxWordLength;
// Widest signal the decoder reads: the values it keeps are at most this long.
constexpr int kMaxWidth = 64;

// The element count of a $var, digits only, from 1 to kMaxWidth; 0 for any
// other text.
int var_width(const std::string &text) {
    int w = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || w > kMaxWidth) return 0;
        w = w * 10 + (c - '0');
    }
    return w <= kMaxWidth ? w : 0;
}

// Whether `path` is the scope path `scope` ("a/b/") followed by `name`.
bool is_path(const std::string &path, const std::string &scope, std::string_view name) {
    return path.size() == scope.size() + name.size() && path.compare(0, scope.size(), scope) == 0 &&
           path.compare(scope.size(), std::string::npos, name) == 0;
}

// Reads the header: finds the six signals and the time scale.
void read_header(Tokenizer &in, Decoder &d, RolesOfId &roles_of_id) {
    std::string scope;                 // the open scopes' names, each followed by '/'
    std::vector<size_t> scope_starts;  // where each open scope's name begins in `scope`
    std::string found_id[kRoles];
    std::string_view tok;
    const auto ends_inside = [&] { return UsageError{in.name() + ": the file ends inside a header section"}; };
    // The words of a section up to its $end.
    auto words_until_end = [&](const char *section, std::vector<std::string> &words) {
        while (in.next(tok)) {
            if (tok == "$end") return;
            if (words.size() == kMaxSectionWords)
                throw UsageError{in.name() + ": " + section + " with more than " + std::to_string(kMaxSectionWords) +
                                 " words"};
            words.emplace_back(tok);
        }
        throw ends_inside();
    };
    auto skip_until_end = [&] {
        while (in.next(tok))
            if (tok == "$end") return;
        throw ends_inside();
    };
    for (;;) {
        if (!in.next(tok)) throw UsageError{in.name() + ": no $enddefinitions: not a VCD file?"};
        std::vector<std::string> words;
        if (tok == "$enddefinitions") {
            skip_until_end();
            break;
        } else if (tok == "$scope") {
            words_until_end("$scope", words);
            if (words.size() < 2) throw UsageError{in.name() + ": bad $scope"};
            scope_starts.push_back(scope.size());
            scope += words[1] + "/";
            if (scope.size() > kMaxScopePathLength)
                throw UsageError{in.name() + ": a scope path longer than " + std::to_string(kMaxScopePathLength) +
                                 " bytes"};
        } else if (tok == "$upscope") {
            skip_until_end();
            if (!scope_starts.empty()) {
                scope.resize(scope_starts.back());
                scope_starts.pop_back();
            }
        } else if (tok == "$var") {
            words_until_end("$var", words);
            if (words.size() < 4) throw UsageError{in.name() + ": bad $var"};
            std::string_view name = words[3];
            name = name.substr(0, name.find('['));
            for (int r = 0; r < kRoles; ++r) {
                if (!is_path(d.opt.path[r], scope, name)) continue;
                const int w = var_width(words[1]);
                if (w == 0)
                    throw UsageError{in.name() + ": " + tovu::printable(d.opt.path[r]) + " has width " +
                                     tovu::printable(words[1])};
                d.width[r] = w;
                found_id[r] = words[2];
            }
        } else if (tok == "$timescale") {
            words_until_end("$timescale", words);
            std::string text;
            for (const std::string &w : words) text += w;
            const __int128 fs = parse_time_fs(in.name() + ": $timescale", text);
            if (fs <= 0) throw UsageError{in.name() + ": time scale below 1 fs"};
            if (fs > INT64_MAX) throw UsageError{in.name() + ": time scale above " + std::to_string(INT64_MAX) + " fs"};
            d.timescale_fs = static_cast<int64_t>(fs);
        } else if (!tok.empty() && tok[0] == '$') {
            skip_until_end();  // $date, $version, $comment, ...
        } else {
            throw UsageError{in.name() + ": unexpected '" + tovu::printable(tok) + "' in the header"};
        }
    }
    for (int r = 0; r < kRoles; ++r) {
        const std::string path = tovu::printable(d.opt.path[r]);
        if (found_id[r].empty())
            throw UsageError{in.name() + ": no signal " + path + " (set it with " + kRoleOption[r] + " or --scope)"};
        const bool vector = r == kRgb0 || r == kRgb1 || r == kRow;
        if ((r == kRgb0 || r == kRgb1) && d.width[r] != kColours)
            throw UsageError{in.name() + ": " + path + " has " + std::to_string(d.width[r]) + " elements, 3 expected"};
        if (!vector && d.width[r] != 1) throw UsageError{in.name() + ": " + path + " is not a one-bit signal"};
        if (r == kRow && d.width[r] > 16) throw UsageError{in.name() + ": " + path + " is too wide"};
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
    in.keep_value_tails();
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
                throw UsageError{in.name() + ": bad timestamp '" + tovu::printable(tok) + "'"};
            if (have_time && t < time)
                throw UsageError{in.name() + ": timestamp " + tovu::printable(text) + " is earlier than " +
                                 std::to_string(time)};
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
            if (!in.next(tok)) throw UsageError{in.name() + ": the file ends inside a value change"};
            set(tok, value);
        } else if (c == 'r' || c == 'R' || c == 's' || c == 'S') {
            if (!in.next(tok)) throw UsageError{in.name() + ": the file ends inside a value change"};
        } else if (std::strchr("01xXzZuUwWlLhH-", c) != nullptr) {
            if (tok.size() < 2)
                throw UsageError{in.name() + ": value change '" + tovu::printable(tok) + "' without id"};
            const char v = c == 'l' || c == 'L' ? '0' : c == 'h' || c == 'H' ? '1' : c;
            const char one[1] = {v};
            set(tok.substr(1), std::string_view(one, 1));
        } else {
            throw UsageError{in.name() + ": unexpected '" + tovu::printable(tok) + "' among the value changes"};
        }
    }
    if (!d.finished && have_time) d.timestamp_done(time);
}

}  // namespace

Counts decode(const std::string &vcd, const DecodeOptions &options) {
    Decoder d(options);
    Tokenizer in(vcd, options.note);
    RolesOfId roles_of_id;
    read_header(in, d, roles_of_id);
    read_changes(in, d, roles_of_id);
    if (!d.have_last) {
        const std::string name = tovu::file_name_text(vcd);
        if (options.last) throw DecodeError{"no complete frame in " + name};
        throw DecodeError{name + " ends before frame " + std::to_string(options.frame) + " is complete (" +
                          std::to_string(d.frames_done) + " complete frame(s))"};
    }
    return d.last_complete;
}

}  // namespace panel
