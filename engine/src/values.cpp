// Values written in design-data syntax, interpreted against their type.
#include <cctype>
#include <cmath>
#include <cstring>

#include "elaborate.h"
#include "message_text.h"

namespace tovu {

namespace {

struct ValueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int64_t time_unit_ps(const std::string &u, bool &fs) {
    fs = false;
    if (u == "fs") {
        fs = true;
        return 1;
    }
    if (u == "ps") return 1;
    if (u == "ns") return 1000;
    if (u == "us") return 1000000;
    if (u == "ms") return 1000000000;
    if (u == "sec") return 1000000000000;
    if (u == "min") return 60000000000000;
    if (u == "hr") return 3600000000000000;
    return 0;
}

class ValueReader {
public:
    ValueReader(const std::vector<Token> &toks) : t_(toks) {}

    void read(const Type *ty, std::vector<uint8_t> &out) {
        switch (ty->kind) {
            case TypeKind::Enum: {
                const Token &k = next();
                std::string lit;
                if (k.kind == Tok::Char)
                    lit = "'" + k.text + "'";
                else if (k.kind == Tok::Ident)
                    lit = k.text;
                else
                    throw ValueError("expected a literal of " + ty->name + ", found '" + printable(k.text) + "'");
                int pos = ty->literal_pos(lit);
                if (pos < 0) throw ValueError(printable(lit) + " is not a literal of " + ty->name);
                if (pos < ty->lo || pos > ty->hi)
                    throw ValueError(printable(lit) + " is outside the range of " + ty->name);
                out.push_back(static_cast<uint8_t>(pos));
                return;
            }
            case TypeKind::Integer: {
                const Token &k = next();
                if (k.kind != Tok::Number) throw ValueError("expected an integer, found '" + printable(k.text) + "'");
                if (k.num < ty->lo || k.num > ty->hi)
                    throw ValueError(printable(k.text) + " is outside the range of " + ty->name);
                int32_t v = static_cast<int32_t>(k.num);
                append(out, &v, 4);
                return;
            }
            case TypeKind::Real: {
                const Token &k = next();
                if (k.kind != Tok::Number && k.kind != Tok::Real)
                    throw ValueError("expected a real, found '" + printable(k.text) + "'");
                double v = k.kind == Tok::Real ? k.real : static_cast<double>(k.num);
                if (!(v >= ty->rlo && v <= ty->rhi))
                    throw ValueError(printable(k.text) + " is outside the range of " + ty->name);
                append(out, &v, 8);
                return;
            }
            case TypeKind::Time: {
                const Token &k = next();
                if (k.kind != Tok::Number && k.kind != Tok::Real)
                    throw ValueError("expected a time, found '" + printable(k.text) + "'");
                const Token &u = next();
                bool fs;
                int64_t mult = u.kind == Tok::Ident ? time_unit_ps(u.text, fs) : 0;
                if (mult == 0) throw ValueError("expected a time unit after " + printable(k.text));
                int64_t ps;
                if (k.kind == Tok::Number) {
                    // exactly, in integers: TIME'HIGH written in ps must not be rounded
                    int64_t units;
                    if (__builtin_mul_overflow(k.num, mult, &units)) throw ValueError("time out of range");
                    if (fs && units % 1000 != 0)
                        throw ValueError("time " + printable(k.text) + " " + printable(u.text) +
                                             " is not a whole number of ps");
                    ps = fs ? units / 1000 : units;
                } else {
                    long double v = static_cast<long double>(k.real) * mult;
                    if (fs) v /= 1000;
                    if (v != std::floor(v))
                        throw ValueError("time " + printable(k.text) + " " + printable(u.text) +
                                             " is not a whole number of ps");
                    // 2**63 is exact in any floating type: below it the value fits
                    if (!(v < 9223372036854775808.0L && v >= -9223372036854775808.0L))
                        throw ValueError("time out of range");
                    ps = static_cast<int64_t>(v);
                }
                if (ps < ty->lo || ps > ty->hi) throw ValueError("time outside the range of " + ty->name);
                append(out, &ps, 8);
                return;
            }
            case TypeKind::Access: {
                if (!word("null")) throw ValueError("an access value can only be null");
                out.resize(out.size() + ty->size, 0);
                return;
            }
            case TypeKind::Record: {
                punct("{");
                size_t start = out.size();
                out.resize(start + ty->size, 0);
                for (size_t i = 0; i < ty->fields.size(); ++i) {
                    if (i) punct(",");
                    std::vector<uint8_t> f;
                    read(ty->fields[i].type, f);
                    memcpy(out.data() + start + ty->fields[i].offset, f.data(), f.size());
                }
                punct("}");
                return;
            }
            case TypeKind::Array: read_array(ty, out); return;
        }
    }

    void end() {
        if (i_ < t_.size()) throw ValueError("unexpected '" + printable(t_[i_].text) + "' after the value");
    }

private:
    void read_array(const Type *ty, std::vector<uint8_t> &out) {
        size_t start = out.size();
        const Type *el = ty->elem;
        const Token &k = peek();
        if (k.kind == Tok::String) {
            ++i_;
            if (el->kind != TypeKind::Enum) throw ValueError("a string needs an array of an enumeration type");
            for (char c : k.text) {
                int pos = el->literal_pos(std::string("'") + c + "'");
                if (pos < 0) throw ValueError("'" + printable(std::string(1, c)) + "' is not a literal of " + el->name);
                out.push_back(static_cast<uint8_t>(pos));
            }
        } else if (k.kind == Tok::HexString) {
            ++i_;
            if (el->kind != TypeKind::Enum) throw ValueError("x\"...\" needs an array of an enumeration type");
            int p0 = el->literal_pos("'0'"), p1 = el->literal_pos("'1'");
            if (p0 < 0 || p1 < 0) throw ValueError("x\"...\" needs an element type with '0' and '1'");
            for (char c : k.text) {
                int v = hex_value(c);
                if (v < 0) throw ValueError("bad hexadecimal digit in x\"...\"");
                for (int b = 3; b >= 0; --b) out.push_back(static_cast<uint8_t>((v >> b) & 1 ? p1 : p0));
            }
        } else if (k.kind == Tok::Punct && k.text == "(") {
            ++i_;
            if (!word("others")) throw ValueError("expected 'others' in an aggregate");
            punct("=>");
            if (!ty->constrained) throw ValueError("(others => ...) needs a constrained array type");
            std::vector<uint8_t> one;
            read(el, one);
            punct(")");
            for (uint32_t n = 0; n < ty->length; ++n) out.insert(out.end(), one.begin(), one.end());
        } else if (k.kind == Tok::Punct && k.text == "[") {
            ++i_;
            bool first = true;
            while (!(peek().kind == Tok::Punct && peek().text == "]")) {
                if (!first) punct(",");
                first = false;
                read(el, out);
            }
            punct("]");
        } else {
            throw ValueError("expected an array value for " + ty->name + ", found '" + printable(k.text) + "'");
        }
        if (ty->constrained && out.size() - start != ty->size)
            throw ValueError("value has " + std::to_string((out.size() - start) / std::max<uint32_t>(el->size, 1)) +
                             " elements, " + ty->name + " has " + std::to_string(ty->length));
    }

    static void append(std::vector<uint8_t> &out, const void *p, size_t n) {
        const uint8_t *b = static_cast<const uint8_t *>(p);
        out.insert(out.end(), b, b + n);
    }
    const Token &peek() {
        static const Token end;
        return i_ < t_.size() ? t_[i_] : end;
    }
    const Token &next() {
        if (i_ >= t_.size()) throw ValueError("value ends too early");
        return t_[i_++];
    }
    bool word(const char *w) {
        if (i_ < t_.size() && t_[i_].kind == Tok::Ident && t_[i_].text == w) {
            ++i_;
            return true;
        }
        return false;
    }
    void punct(const char *p) {
        if (i_ < t_.size() && t_[i_].kind == Tok::Punct && t_[i_].text == p) {
            ++i_;
            return;
        }
        throw ValueError(std::string("expected '") + p + "'" +
                         (i_ < t_.size() ? " near '" + printable(t_[i_].text) + "'" : ""));
    }

    const std::vector<Token> &t_;
    size_t i_ = 0;
};

}  // namespace

bool parse_value_tokens(const std::vector<Token> &toks, const Type *t, std::vector<uint8_t> &out, std::string &error) {
    try {
        ValueReader r(toks);
        r.read(t, out);
        r.end();
        return true;
    } catch (const std::exception &e) {
        error = e.what();
        return false;
    }
}

std::vector<uint8_t> parse_value_text(const std::string &text, const Type *t, std::string &error) {
    std::vector<Statement> sts;
    int line = 0;
    std::vector<uint8_t> out;
    if (!tokenize(text, sts, error, line)) return out;
    if (sts.size() != 1) {
        error = "expected one value";
        return out;
    }
    // A bare 0 or 1 is accepted for a one-bit logic value.
    std::vector<Token> toks = sts[0].toks;
    if (t->kind == TypeKind::Enum && toks.size() == 1 && toks[0].kind == Tok::Number &&
        (toks[0].num == 0 || toks[0].num == 1)) {
        toks[0].kind = Tok::Char;
        toks[0].text.assign(1, toks[0].num ? '1' : '0');
    }
    if (t->kind == TypeKind::Array && t->elem->kind == TypeKind::Enum && toks.size() == 1 &&
        toks[0].kind == Tok::Number && toks[0].text.find_first_not_of("01") == std::string::npos) {
        toks[0].kind = Tok::String;
    }
    if (!parse_value_tokens(toks, t, out, error)) out.clear();
    return out;
}

}  // namespace tovu
