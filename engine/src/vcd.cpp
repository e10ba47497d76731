#include "vcd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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

// std_ulogic position 'U','X','0','1','Z','W','L','H','-' -> VCD value.
char logic_char(uint8_t position) {
    static constexpr char kTable[9] = {'x', 'x', '0', '1', 'z', 'x', '0', '1', 'x'};
    return position < 9 ? kTable[position] : 'x';
}

char bit_char(uint8_t b) { return b ? '1' : '0'; }

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

void append_binary(std::string &out, uint64_t bits, int count) {
    out += 'b';
    for (int i = count - 1; i >= 0; --i) out += ((bits >> i) & 1) ? '1' : '0';
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

}  // namespace

VcdWriter::VcdWriter() { scopes_.push_back(Scope{}); }

VcdWriter::~VcdWriter() { close(); }

bool VcdWriter::open(const std::string &file, std::string &error) {
    close();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "cannot open waveform file " + file + ": " + std::strerror(errno);
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
    buffer_ += '#';
    buffer_ += std::to_string(t);
    buffer_ += '\n';
    maybe_flush();
}

void VcdWriter::value(int var, const uint8_t *data) {
    if (!is_open() || var < 0 || var >= static_cast<int>(vars_.size()) || data == nullptr) return;
    end_definitions();
    const Var &v = vars_[var];
    switch (v.kind) {
        case VcdKind::Logic:
        case VcdKind::Bit: {
            char (*convert)(uint8_t) = v.kind == VcdKind::Logic ? logic_char : bit_char;
            if (v.width == 1) {
                buffer_ += convert(data[0]);
            } else {
                buffer_ += 'b';
                for (uint32_t i = 0; i < v.width; ++i) buffer_ += convert(data[i]);
                buffer_ += ' ';
            }
            break;
        }
        case VcdKind::Enum:
            append_binary(buffer_, data[0], 32);
            buffer_ += ' ';
            break;
        case VcdKind::Integer: {
            int32_t x;
            std::memcpy(&x, data, sizeof x);
            append_binary(buffer_, static_cast<uint32_t>(x), 32);
            buffer_ += ' ';
            break;
        }
        case VcdKind::Time: {
            int64_t x;
            std::memcpy(&x, data, sizeof x);
            append_binary(buffer_, static_cast<uint64_t>(x), 64);
            buffer_ += ' ';
            break;
        }
        case VcdKind::Real: {
            double x;
            std::memcpy(&x, data, sizeof x);
            char text[40];
            std::snprintf(text, sizeof text, "r%.17g ", x);
            buffer_ += text;
            break;
        }
    }
    buffer_ += v.id;
    buffer_ += '\n';
    maybe_flush();
}

void VcdWriter::maybe_flush() {
    if (buffer_.size() >= kBufferSize) flush();
}

void VcdWriter::flush() {
    size_t done = 0;
    while (fd_ >= 0 && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = "cannot write waveform file " + file_ + ": " + std::strerror(n < 0 ? errno : EIO);
            ::close(fd_);
            fd_ = -1;
            break;
        }
        done += static_cast<size_t>(n);
    }
    buffer_.clear();
}

void VcdWriter::close() {
    if (fd_ < 0) return;
    end_definitions();
    flush();
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && error_.empty()) {
            error_ = "cannot write waveform file " + file_ + ": " + std::strerror(errno);
        }
        fd_ = -1;
    }
}

}  // namespace tovu
