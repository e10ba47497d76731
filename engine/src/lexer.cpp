#include "lexer.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "message_text.h"

namespace tovu {

std::string to_lower(std::string s) {
    for (char &c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

namespace {

bool is_ident_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool is_ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

// Reads a quoted string starting at s[i] == '"'; i ends after the closing quote.
bool read_string(const std::string &s, size_t &i, std::string &out, std::string &error) {
    ++i;
    while (i < s.size() && s[i] != '"') {
        char c = s[i++];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i >= s.size()) break;
        char e = s[i++];
        switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case '0': out += '\0'; break;
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'x': {
                int h = i < s.size() ? hex_value(s[i]) : -1;
                int l = i + 1 < s.size() ? hex_value(s[i + 1]) : -1;
                if (h < 0 || l < 0) {
                    error = "bad \\x escape in string";
                    return false;
                }
                out += static_cast<char>(h * 16 + l);
                i += 2;
                break;
            }
            default: error = "unknown escape " + printable(std::string("\\") + e) + " in string"; return false;
        }
    }
    if (i >= s.size()) {
        error = "unterminated string";
        return false;
    }
    ++i;
    return true;
}

bool read_number(const std::string &s, size_t &i, Token &t, std::string &error) {
    size_t start = i;
    if (s[i] == '-' || s[i] == '+') ++i;
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        i += 2;
        size_t digits = i;
        while (i < s.size() && hex_value(s[i]) >= 0) ++i;
        if (i == digits) {
            error = "bad hexadecimal number";
            return false;
        }
        errno = 0;
        unsigned long long v = std::strtoull(s.substr(digits, i - digits).c_str(), nullptr, 16);
        if (errno == ERANGE || v > 0x7fffffffffffffffULL) {
            error = "number " + printable(s.substr(start, i - start)) + " does not fit in 64 bits";
            return false;
        }
        t.kind = Tok::Number;
        t.num = s[start] == '-' ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
        t.text = s.substr(start, i - start);
        return true;
    }
    bool is_real = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    if (i < s.size() && s[i] == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1]))) {
        is_real = true;
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
        if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            is_real = true;
            i = j;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
        }
    }
    t.text = s.substr(start, i - start);
    if (i < s.size() && is_ident_start(s[i]) && s[i] != 'e' && s[i] != 'E') {
        // "31250ps": a number glued to a unit is split in two tokens by the caller
    }
    errno = 0;
    if (is_real) {
        t.kind = Tok::Real;
        t.real = std::strtod(t.text.c_str(), nullptr);
    } else {
        t.kind = Tok::Number;
        t.num = std::strtoll(t.text.c_str(), nullptr, 10);
        t.real = static_cast<double>(t.num);
    }
    if (errno == ERANGE) {
        error =
            "number " + printable(t.text) + (is_real ? " is beyond the range of a real" : " does not fit in 64 bits");
        return false;
    }
    return true;
}

bool tokenize_line(const std::string &s, std::vector<Token> &toks, std::string &error) {
    size_t i = 0;
    while (i < s.size()) {
        char c = s[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == '#') break;
        Token t;
        if (c == '"') {
            t.kind = Tok::String;
            if (!read_string(s, i, t.text, error)) return false;
        } else if ((c == 'x' || c == 'X') && i + 1 < s.size() && s[i + 1] == '"') {
            ++i;
            t.kind = Tok::HexString;
            if (!read_string(s, i, t.text, error)) return false;
        } else if (c == '\'') {
            if (i + 2 >= s.size() || s[i + 2] != '\'') {
                error = "bad character literal";
                return false;
            }
            t.kind = Tok::Char;
            t.text = std::string(1, s[i + 1]);
            i += 3;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   ((c == '-') && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            if (!read_number(s, i, t, error)) return false;
        } else if (is_ident_start(c)) {
            size_t start = i;
            while (i < s.size() && is_ident_char(s[i])) ++i;
            t.kind = Tok::Ident;
            t.text = to_lower(s.substr(start, i - start));
        } else {
            t.kind = Tok::Punct;
            static const char *two[] = {":=", "=>", "<>"};
            bool done = false;
            for (const char *p : two) {
                if (s.compare(i, 2, p) == 0) {
                    t.text = p;
                    i += 2;
                    done = true;
                    break;
                }
            }
            if (!done) {
                if (std::string("()[]{},=:+-").find(c) == std::string::npos) {
                    error = "unexpected character '" + printable(std::string(1, c)) + "'";
                    return false;
                }
                t.text = std::string(1, c);
                ++i;
            }
        }
        toks.push_back(std::move(t));
    }
    return true;
}

}  // namespace

bool tokenize(const std::string &text, std::vector<Statement> &out, std::string &error, int &error_line) {
    size_t pos = 0;
    int line_no = 0;
    std::string pending;
    int pending_line = 0;
    while (pos <= text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        ++line_no;
        if (pending.empty()) pending_line = line_no;
        if (nl - pos > kMaxStatementLength || pending.size() + (nl - pos) > kMaxStatementLength) {
            error = "statement longer than " + std::to_string(kMaxStatementLength) + " bytes";
            error_line = pending_line;
            return false;
        }
        std::string line = text.substr(pos, nl - pos);
        pos = nl + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A trailing backslash (outside a comment) continues the statement.
        size_t end = line.find_last_not_of(" \t");
        bool cont = end != std::string::npos && line[end] == '\\';
        if (cont) {
            size_t hash = line.find('#');
            if (hash != std::string::npos && hash < end) cont = false;
        }
        if (cont) {
            if (nl >= text.size()) {
                // The statement was cut after its continuation mark.
                error = "the statement ends in '\\' but no line follows";
                error_line = line_no;
                return false;
            }
            pending += line.substr(0, end) + " ";
            continue;
        }
        pending += line;
        Statement st;
        st.line = pending_line;
        if (!tokenize_line(pending, st.toks, error)) {
            error_line = pending_line;
            return false;
        }
        pending.clear();
        if (!st.toks.empty()) out.push_back(std::move(st));
        if (nl >= text.size()) break;
    }
    return true;
}

}  // namespace tovu
