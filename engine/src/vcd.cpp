#include "vcd.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_text.h"
#include "message_text.h"

namespace tovu {

namespace {

constexpr size_t kBufferSize = 1 << 20;  // flush when this much is pending

// Identifier codes use the printable characters '!'..'~' as digits of a
// bijective base-94 numeral: 0 -> "!", 93 -> "~", 94 -> "!!", ...
std::string identifier_code(int n) {
    constexpr int kFirst = '!';
    constexpr int kDigits = '~' - '!' + 1;
    std::string code;
    unsigned v = static_cast<unsigned>(n) + 1;
    while (v > 0) {
        --v;
        code += static_cast<char>(kFirst + v % kDigits);
        v /= kDigits;
    }
    return code;
}

// The VCD character of each element byte: std_ulogic positions 'U', 'X',
// '0', '1', 'Z', 'W', 'L', 'H', '-' (anything else 'x'), and BIT 0 / 1.
struct CharTable {
    char logic[256];
    char bit[256];
};
constexpr CharTable make_char_table() {
    CharTable t{};
    constexpr char kLogic[9] = {'x', 'x', '0', '1', 'z', 'x', '0', '1', 'x'};
    for (int v = 0; v < 256; ++v) {
        t.logic[v] = v < 9 ? kLogic[v] : 'x';
        t.bit[v] = v ? '1' : '0';
    }
    return t;
}
constexpr CharTable kChars = make_char_table();

// The eight binary digits of each byte value, most significant first.
struct DigitTable {
    char digits[256][8];
};
constexpr DigitTable make_digit_table() {
    DigitTable t{};
    for (int v = 0; v < 256; ++v)
        for (int k = 0; k < 8; ++k) t.digits[v][k] = ((v >> (7 - k)) & 1) ? '1' : '0';
    return t;
}
constexpr DigitTable kDigits = make_digit_table();

// Writes 'b' and the `bytes` * 8 binary digits of v, most significant first.
char *put_binary(char *p, uint64_t v, int bytes) {
    *p++ = 'b';
    for (int k = bytes - 1; k >= 0; --k) {
        std::memcpy(p, kDigits.digits[(v >> (8 * k)) & 0xff], 8);
        p += 8;
    }
    return p;
}

// Writes the decimal digits of t (as std::to_string does).
char *put_decimal(char *p, int64_t t) {
    uint64_t u = t < 0 ? 0 - static_cast<uint64_t>(t) : static_cast<uint64_t>(t);
    if (t < 0) *p++ = '-';
    char digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (n > 0) *p++ = digits[--n];
    return p;
}

const char *var_type(VcdKind kind) {
    switch (kind) {
        case VcdKind::Logic:
        case VcdKind::Bit: return "wire";
        case VcdKind::Enum:
        case VcdKind::Integer: return "integer";
        case VcdKind::Real: return "real";
        case VcdKind::Time: return "time";
    }
    return "wire";
}

uint32_t declared_width(VcdKind kind, uint32_t width) {
    switch (kind) {
        case VcdKind::Logic:
        case VcdKind::Bit: return width;
        case VcdKind::Enum:
        case VcdKind::Integer: return 32;
        case VcdKind::Real:
        case VcdKind::Time: return 64;
    }
    return width;
}

std::vector<std::string> split_path(const std::string &path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = path.find('/', start);
        const size_t end = slash == std::string::npos ? path.size() : slash;
        if (end > start) parts.push_back(path.substr(start, end - start));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return parts;
}

// A write to a pipe whose reader has gone raises SIGPIPE, and its default
// action ends the process without a word. While an object of this class
// lives SIGPIPE is held back, so that such a write fails with EPIPE and is
// reported as any other write error.
class SigpipeHeldBack {
public:
    SigpipeHeldBack() {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        held_ = pthread_sigmask(SIG_BLOCK, &pipe, &old_mask_) == 0;
    }
    ~SigpipeHeldBack() {
        if (held_) pthread_sigmask(SIG_SETMASK, &old_mask_, nullptr);
    }
    SigpipeHeldBack(const SigpipeHeldBack &) = delete;
    SigpipeHeldBack &operator=(const SigpipeHeldBack &) = delete;

    // After a write has failed with EPIPE: SIGPIPE is ignored from here on,
    // which also discards the one the write left waiting. The run ends with
    // the write error, and what the program still prints to the same dead
    // pipe (the waveform may be its own output) must not end it first.
    static void ignore_from_now_on() { std::signal(SIGPIPE, SIG_IGN); }

private:
    sigset_t old_mask_;
    bool held_ = false;
};

}  // namespace

VcdWriter::VcdWriter() { scopes_.push_back(Scope{}); }

VcdWriter::~VcdWriter() { close(); }

bool VcdWriter::open(const std::string &file, std::string &error) {
    close();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "cannot open waveform file " + file_name_text(file) + ": " + std::strerror(errno);
        return false;
    }
    fd_ = fd;
    file_ = file;
    buffer_.clear();
    buffer_.reserve(kBufferSize + 4096);
    error_.clear();
    vars_.clear();
    scopes_.assign(1, Scope{});
    scope_index_.clear();
    ids_ = 0;
    definitions_done_ = false;
    time_written_ = false;
    last_time_ = 0;
    return true;
}

bool VcdWriter::shares_stream_with(int fd) const {
    struct stat mine {};
    struct stat other {};
    if (fd_ < 0 || ::fstat(fd_, &mine) != 0 || ::fstat(fd, &other) != 0 || !same_file(mine, other)) return false;
    return !S_ISCHR(mine.st_mode) || ::isatty(fd_);
}

int VcdWriter::scope_for(const std::vector<std::string> &parts) {
    int scope = 0;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        auto [it, inserted] = scope_index_.try_emplace({scope, parts[i]}, static_cast<int>(scopes_.size()));
        if (inserted) {
            scopes_.push_back(Scope{parts[i], {}, {}});
            scopes_[scope].children.push_back(it->second);
        }
        scope = it->second;
    }
    return scope;
}

int VcdWriter::add_var(const std::string &path, VcdKind kind, uint32_t width, int alias_of) {
    if (definitions_done_ || width == 0) return -1;
    const bool is_array_kind = kind == VcdKind::Logic || kind == VcdKind::Bit;
    if (!is_array_kind && width != 1) return -1;
    const std::vector<std::string> parts = split_path(path);
    if (parts.empty()) return -1;

    std::string id;
    if (alias_of >= 0) {
        if (alias_of >= static_cast<int>(vars_.size())) return -1;
        const Var &target = vars_[alias_of];
        if (target.kind != kind || target.width != width) return -1;
        id = target.id;
    } else if (alias_of == -1) {
        id = identifier_code(ids_++);
    } else {
        return -1;
    }

    const int scope = scope_for(parts);
    const int index = static_cast<int>(vars_.size());
    vars_.push_back(Var{parts.back(), kind, width, id});
    scopes_[scope].vars.push_back(index);
    return index;
}

void VcdWriter::write_scope(int scope) {
    const Scope &s = scopes_[scope];
    if (scope != 0) append("$scope module " + s.name + " $end\n");
    for (int v : s.vars) {
        const Var &var = vars_[v];
        append("$var " + std::string(var_type(var.kind)) + " " + std::to_string(declared_width(var.kind, var.width)) +
               " " + var.id + " " + var.name + " $end\n");
    }
    for (int child : s.children) write_scope(child);
    if (scope != 0) append("$upscope $end\n");
}

void VcdWriter::end_definitions() {
    if (definitions_done_ || !is_open()) return;
    definitions_done_ = true;
    append("$date\n\ttovu simulation run\n$end\n");
    append("$version\n\ttovu engine VCD writer\n$end\n");
    append("$timescale\n\t1ps\n$end\n");
    write_scope(0);
    append("$enddefinitions $end\n");
    maybe_flush();
}

void VcdWriter::begin_dump() {
    if (!is_open()) return;
    end_definitions();
    append("$dumpvars\n");
}

void VcdWriter::end_dump_vars() {
    if (!is_open()) return;
    end_definitions();
    append("$end\n");
    maybe_flush();
}

void VcdWriter::time(int64_t t) {
    if (!is_open()) return;
    end_definitions();
    if (time_written_ && t == last_time_) return;
    time_written_ = true;
    last_time_ = t;
    char record[24];
    char *p = record;
    *p++ = '#';
    p = put_decimal(p, t);
    *p++ = '\n';
    buffer_.append(record, static_cast<size_t>(p - record));
    maybe_flush();
}

void VcdWriter::value(int var, const uint8_t *data) {
    if (!is_open() || var < 0 || var >= static_cast<int>(vars_.size()) || data == nullptr) return;
    end_definitions();
    const Var &v = vars_[var];
    // One record: the value, the identifier code and a newline, formatted
    // in place; only a very wide vector takes the general way.
    const size_t longest = std::max<size_t>(v.width, 66) + v.id.size() + 3;
    char record[512];
    if (longest > sizeof record) {
        std::string wide = "b";
        const char *table = v.kind == VcdKind::Logic ? kChars.logic : kChars.bit;
        for (uint32_t i = 0; i < v.width; ++i) wide += table[data[i]];
        buffer_ += wide + ' ' + v.id + '\n';
        maybe_flush();
        return;
    }
    char *p = record;
    switch (v.kind) {
        case VcdKind::Logic:
        case VcdKind::Bit: {
            const char *table = v.kind == VcdKind::Logic ? kChars.logic : kChars.bit;
            if (v.width == 1) {
                *p++ = table[data[0]];
            } else {
                *p++ = 'b';
                for (uint32_t i = 0; i < v.width; ++i) *p++ = table[data[i]];
                *p++ = ' ';
            }
            break;
        }
        case VcdKind::Enum:
            p = put_binary(p, data[0], 4);
            *p++ = ' ';
            break;
        case VcdKind::Integer: {
            int32_t x;
            std::memcpy(&x, data, sizeof x);
            p = put_binary(p, static_cast<uint32_t>(x), 4);
            *p++ = ' ';
            break;
        }
        case VcdKind::Time: {
            int64_t x;
            std::memcpy(&x, data, sizeof x);
            p = put_binary(p, static_cast<uint64_t>(x), 8);
            *p++ = ' ';
            break;
        }
        case VcdKind::Real: {
            double x;
            std::memcpy(&x, data, sizeof x);
            p += std::snprintf(p, 40, "r%.17g ", x);
            break;
        }
    }
    std::memcpy(p, v.id.data(), v.id.size());
    p += v.id.size();
    *p++ = '\n';
    buffer_.append(record, static_cast<size_t>(p - record));
    maybe_flush();
}

void VcdWriter::maybe_flush() {
    if (buffer_.size() >= kBufferSize) flush();
}

void VcdWriter::flush() {
    if (fd_ < 0 || buffer_.empty()) {
        buffer_.clear();
        return;
    }
    SigpipeHeldBack sigpipe;
    size_t done = 0;
    while (fd_ >= 0 && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int cause = n < 0 ? errno : EIO;
            if (cause == EPIPE) SigpipeHeldBack::ignore_from_now_on();
            write_failed(cause);
            ::close(fd_);
            fd_ = -1;
            break;
        }
        done += static_cast<size_t>(n);
    }
    buffer_.clear();
}

void VcdWriter::write_failed(int cause) {
    error_ = "cannot write waveform file " + file_name_text(file_) + ": " + std::strerror(cause);
}

void VcdWriter::close() {
    if (fd_ < 0) return;
    end_definitions();
    flush();
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && error_.empty()) write_failed(errno);
        fd_ = -1;
    }
}

}  // namespace tovu
