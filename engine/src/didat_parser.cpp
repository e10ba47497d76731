// Parser of the design-data text format (see docs/design-data.md).
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>

#include "design.h"
#include "message_text.h"

namespace tovu {

namespace {

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Limits of the numbers of a design-data file.
constexpr int64_t kMaxBlockSize = int64_t{1} << 26;  // bytes of a unit's block (64 MiB)
constexpr int64_t kMaxNumber = 100000;               // process and signal numbers, counts

std::string number_text(int64_t v, bool hex) {
    if (!hex || v <= 0) return std::to_string(v);
    char b[24];
    std::snprintf(b, sizeof b, "0x%llx", static_cast<unsigned long long>(v));
    return b;
}

// v, when it lies in lo..hi; otherwise an error that names the value and the
// range.
int64_t check_range(const std::string &what, int64_t v, int64_t lo, int64_t hi, bool hex = false) {
    if (v < lo || v > hi)
        throw ParseError(what + " " + number_text(v, hex) + " is outside " + number_text(lo, hex) + " to " +
                         number_text(hi, hex));
    return v;
}

// Offsets of records that hold pointers or 32-bit fields must keep the
// alignment the compiled code and the kernel access them with.
constexpr int64_t kPointerAlignment = 8;
constexpr int64_t kInt32Alignment = 4;

void check_alignment(const std::string &what, int64_t offset, int64_t alignment) {
    if (offset % alignment != 0)
        throw ParseError(what + " offset " + number_text(offset, true) + " is not a multiple of " +
                         std::to_string(alignment));
}

// The line a statement or name that may stand only once was first given on:
// a second one is refused, naming the first.
class FirstLines {
public:
    // Records `name` at `line`; throws if it was given before.
    void once(const std::string &name, int line, const std::string &what, const char *verb = "given") {
        const auto [it, fresh] = lines_.emplace(name, line);
        if (!fresh) throw ParseError(what + " " + verb + " again (first at line " + std::to_string(it->second) + ")");
    }

private:
    std::map<std::string, int> lines_;
};

// The keys of one statement (KEY=VALUE, or a flag word): each may be given
// once.
class KeysGiven {
public:
    void once(const std::string &key, const char *suffix = "=") {
        if (!keys_.insert(key).second) throw ParseError(key + suffix + " given twice");
    }

private:
    std::set<std::string> keys_;
};

// Walks the tokens of one statement.
class Cursor {
public:
    explicit Cursor(const Statement &st) : st_(st) {}

    bool done() const { return i_ >= st_.toks.size(); }
    const Token &peek() const {
        static const Token end;
        return done() ? end : st_.toks[i_];
    }
    const Token &next() {
        if (done()) throw ParseError("unexpected end of statement");
        return st_.toks[i_++];
    }
    bool accept(const char *punct) {
        if (!done() && st_.toks[i_].kind == Tok::Punct && st_.toks[i_].text == punct) {
            ++i_;
            return true;
        }
        return false;
    }
    bool accept_word(const char *word) {
        if (!done() && st_.toks[i_].kind == Tok::Ident && st_.toks[i_].text == word) {
            ++i_;
            return true;
        }
        return false;
    }
    void expect(const char *punct) {
        if (!accept(punct)) throw ParseError(std::string("expected '") + punct + "'" + near());
    }
    std::string ident(const char *what) {
        if (done() || peek().kind != Tok::Ident) throw ParseError(std::string("expected ") + what + near());
        return next().text;
    }
    int64_t number(const char *what) {
        bool neg = accept("-");
        if (done() || peek().kind != Tok::Number) throw ParseError(std::string("expected ") + what + near());
        int64_t v = next().num;
        if (neg && v == INT64_MIN) throw ParseError(std::string(what) + " does not fit in 64 bits");
        return neg ? -v : v;
    }
    // A number that must lie in lo..hi.
    int64_t ranged(const char *what, int64_t lo, int64_t hi, bool hex = false) {
        return check_range(what, number(what), lo, hi, hex);
    }
    int32_t int32(const char *what) { return static_cast<int32_t>(ranged(what, INT32_MIN, INT32_MAX)); }
    // KEY=NUMBER
    int64_t keyed_number(const char *key) {
        std::string k = ident(key);
        if (k != key) throw ParseError(std::string("expected ") + key + "=");
        expect("=");
        return number(key);
    }
    std::vector<Token> rest() {
        std::vector<Token> r(st_.toks.begin() + static_cast<long>(i_), st_.toks.end());
        i_ = st_.toks.size();
        return r;
    }
    void end() {
        if (!done()) throw ParseError("unexpected '" + printable(peek().text) + "' at end of statement");
    }
    std::string near() const { return done() ? " at end of statement" : " near '" + printable(peek().text) + "'"; }

private:
    const Statement &st_;
    size_t i_ = 0;
};

void range_after_paren(Cursor &c, int32_t &left, int32_t &right, int32_t &dir) {
    left = c.int32("left bound");
    if (c.accept_word("to"))
        dir = 1;
    else if (c.accept_word("downto"))
        dir = -1;
    else
        throw ParseError("expected 'to' or 'downto'" + c.near());
    right = c.int32("right bound");
    c.expect(")");
}

TypeRef parse_type_ref(Cursor &c) {
    TypeRef t;
    t.name = c.ident("type name");
    if (c.accept("(")) {
        t.constrained = true;
        range_after_paren(c, t.left, t.right, t.dir);
    }
    return t;
}

SignalRef parse_signal_ref(Cursor &c) {
    SignalRef r;
    std::string n = c.ident("signal name");
    size_t dot = n.rfind('.');
    if (dot != std::string::npos) {
        r.unit = n.substr(0, dot);
        r.name = n.substr(dot + 1);
    } else {
        r.name = n;
    }
    if (c.accept("(")) {
        int32_t first = c.int32("index");
        if (c.accept(")")) {
            r.indexed = true;
            r.left = r.right = first;
        } else {
            r.slice = true;
            r.left = first;
            if (c.accept_word("to"))
                r.dir = 1;
            else if (c.accept_word("downto"))
                r.dir = -1;
            else
                throw ParseError("expected ')', 'to' or 'downto'" + c.near());
            r.right = c.int32("right bound");
            c.expect(")");
        }
    }
    return r;
}

// Offset: NUMBER, or +NUMBER relative to the last 'base'; within the largest
// block.
uint32_t parse_offset(Cursor &c, int64_t base) {
    int64_t v;
    if (c.accept("+")) {
        if (base < 0) throw ParseError("'+' offset without a 'base' statement");
        const int64_t n = c.ranged("'+' offset", 0, kMaxBlockSize, true);
        v = check_range("offset", base + n, 0, kMaxBlockSize, true);
    } else {
        v = c.ranged("offset", 0, kMaxBlockSize, true);
    }
    return static_cast<uint32_t>(v);
}

// Value tokens up to (not including) a keyword that ends them, or the end.
ValueText value_until_end(Cursor &c) {
    ValueText v;
    v.toks = c.rest();
    if (v.toks.empty()) throw ParseError("expected a value");
    return v;
}

// One value inside an instance statement: a single token, or a bracketed group.
ValueText single_value(Cursor &c) {
    ValueText v;
    int depth = 0;
    do {
        const Token &t = c.next();
        v.toks.push_back(t);
        if (t.kind == Tok::Punct && (t.text == "(" || t.text == "[" || t.text == "{")) ++depth;
        if (t.kind == Tok::Punct && (t.text == ")" || t.text == "]" || t.text == "}")) --depth;
        // a time value: number followed by a unit word
        if (depth == 0 && (t.kind == Tok::Number || t.kind == Tok::Real) && !c.done() && c.peek().kind == Tok::Ident) {
            static const std::set<std::string> units = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};
            if (units.count(c.peek().text)) v.toks.push_back(c.next());
        }
    } while (depth > 0);
    return v;
}

PortMode parse_mode(const std::string &m) {
    if (m == "in") return PortMode::In;
    if (m == "out") return PortMode::Out;
    if (m == "inout") return PortMode::Inout;
    if (m == "sig") return PortMode::Internal;
    throw ParseError("expected in, out, inout or sig, found '" + m + "'");
}

// Number of lines of a text (a last line without its newline counts).
int line_count(const std::string &text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n + (!text.empty() && text.back() != '\n');
}

class Parser {
public:
    Parser(UnitDesc &u) : u_(u) {}

    void statement(const Statement &st, bool first) {
        Cursor c(st);
        line_ = st.line;
        std::string kw = c.ident("a keyword");
        if (first) {
            if (kw != "didat") throw ParseError("the first statement must be 'didat 1'");
            statements_.once("didat", line_, "'didat'");
            if (c.number("version") != 1) throw ParseError("unsupported design-data version");
            c.end();
            return;
        }
        if (kw == "end") statements_.once("end", line_, "'end'");
        if (ended_) throw ParseError("'" + kw + "' after the closing 'end' statement");
        if (kw == "end") {
            c.end();
            ended_ = true;
            return;
        }
        // 'use' adds units and 'base' moves the origin of the '+N' offsets
        // that follow it: both may be repeated. The header's other
        // statements set one value of the file each.
        if (kw == "didat" || kw == "unit" || kw == "block" || kw == "counts" || kw == "sigbase")
            statements_.once(kw, line_, "'" + kw + "'");
        if (kw != "unit" && !have_unit_) throw ParseError("'" + kw + "' before the 'unit' statement");
        if (kw == "unit")
            unit(c);
        else if (kw == "block") {
            u_.block_size = static_cast<uint32_t>(c.ranged("block size", 0, kMaxBlockSize, true));
            c.end();
            have_block_ = true;
        } else if (kw == "counts")
            counts(c);
        else if (kw == "use") {
            while (!c.done()) u_.uses.push_back(c.ident("unit name"));
        } else if (kw == "sigbase") {
            u_.sigbase = parse_offset(c, base_);
            check_alignment("signal record", u_.sigbase, kPointerAlignment);
            c.end();
        } else if (kw == "base") {
            base_ = parse_offset(c, base_);
            c.end();
        } else if (kw == "type")
            type(c);
        else if (kw == "typedesc") {
            ObjectDecl o = obj(ObjKind::TypeDesc, c);
            check_alignment("type descriptor", o.offset, kPointerAlignment);
            o.type = parse_type_ref(c);
            c.end();
            push(o);
        } else if (kw == "signal")
            signal(c);
        else if (kw == "process")
            process(c);
        else if (kw == "driver")
            driver(c);
        else if (kw == "const" || kw == "var")
            named_value(kw == "const" ? ObjKind::Const : ObjKind::Var, c);
        else if (kw == "generic")
            generic(c);
        else if (kw == "lit") {
            ObjectDecl o = obj(ObjKind::Lit, c);
            o.type = parse_type_ref(c);
            o.value = value_until_end(c);
            push(o);
        } else if (kw == "text")
            text(c);
        else if (kw == "bytes")
            bytes(c);
        else if (kw == "bnd")
            bounds(c);
        else if (kw == "inst")
            instance(c);
        else
            throw ParseError("unknown statement '" + kw + "'");
    }

    // Checks made once the whole file has been read; `last_line` is the
    // file's last line. Errors name the line of 'end', or the last line when
    // 'end' is missing.
    void finish(int last_line) {
        if (!ended_) {
            line_ = last_line;
            throw ParseError("the file ends without its closing 'end' statement (is it cut short?)");
        }
        if (!have_unit_) throw ParseError("no 'unit' statement");
        if (!have_block_) throw ParseError("no 'block' statement");
    }
    int line() const { return line_; }

private:
    ObjectDecl obj(ObjKind k, Cursor &c) {
        ObjectDecl o;
        o.line = line_;
        o.kind = k;
        o.offset = parse_offset(c, base_);
        return o;
    }
    void push(ObjectDecl &o) { u_.objects.push_back(std::move(o)); }

    void unit(Cursor &c) {
        have_unit_ = true;
        u_.unit_line = line_;
        u_.name = c.ident("unit name");
        std::string kind = c.ident("package or arch");
        if (kind == "package")
            u_.is_package = true;
        else if (kind != "arch")
            throw ParseError("expected 'package' or 'arch', found '" + kind + "'");
        KeysGiven keys;
        while (!c.done()) {
            std::string key = c.ident("entity= or source=");
            c.expect("=");
            keys.once(key);
            if (key == "entity")
                u_.entity = c.ident("entity name");
            else if (key == "source") {
                const Token &t = c.next();
                if (t.kind != Tok::String) throw ParseError("source= takes a string");
                u_.source = t.text;
            } else
                throw ParseError("unknown unit attribute '" + key + "'");
        }
        if (u_.entity.empty()) u_.entity = u_.name;
    }

    void counts(Cursor &c) {
        u_.counts_line = line_;
        KeysGiven keys;
        while (!c.done()) {
            std::string key = c.ident("pe= or se=");
            c.expect("=");
            if (key != "pe" && key != "se") throw ParseError("unknown count '" + key + "'");
            keys.once(key);
            const int64_t v = c.ranged((key + " count").c_str(), 0, kMaxNumber);
            if (key == "pe")
                u_.pe_count = static_cast<uint32_t>(v);
            else
                u_.se_count = static_cast<uint32_t>(v);
        }
    }

    void type(Cursor &c) {
        TypeDef t;
        t.line = line_;
        t.name = c.ident("type name");
        types_.once(t.name, line_, "type " + t.name, "declared");
        c.expect("=");
        t.toks = c.rest();
        if (t.toks.empty()) throw ParseError("empty type definition");
        u_.types.push_back(std::move(t));
    }

    void signal(Cursor &c) {
        SignalDecl s;
        s.line = line_;
        s.num = static_cast<uint32_t>(c.ranged("signal number", 0, kMaxNumber));
        s.name = c.ident("signal name");
        s.mode = parse_mode(c.ident("mode"));
        s.type = parse_type_ref(c);
        if (c.accept(":=")) s.init = value_until_end(c);
        c.end();
        u_.signals.push_back(std::move(s));
    }

    void process(Cursor &c) {
        ProcessDecl p;
        p.line = line_;
        p.num = static_cast<uint32_t>(c.ranged("process number", 0, kMaxNumber));
        KeysGiven keys;
        while (!c.done()) {
            if (c.accept_word("stack")) {
                keys.once("stack", "");
                p.own_stack = true;
                continue;
            }
            std::string key = c.ident("record=, flag=, sens=, name= or stack");
            c.expect("=");
            keys.once(key);
            if (key == "record") {
                p.record = parse_offset(c, base_);
                check_alignment("process record", p.record, kPointerAlignment);
                have_record_ = true;
            } else if (key == "flag") {
                p.flag = parse_offset(c, base_);
                check_alignment("flag", p.flag, kInt32Alignment);
            } else if (key == "name")
                p.name = c.ident("process name");
            else if (key == "sens") {
                do p.sens.push_back(parse_signal_ref(c));
                while (c.accept(","));
            } else
                throw ParseError("unknown process attribute '" + key + "'");
        }
        if (!have_record_) throw ParseError("process without record=");
        have_record_ = false;
        u_.processes.push_back(std::move(p));
    }

    void driver(Cursor &c) {
        DriverDecl d;
        d.line = line_;
        d.offset = parse_offset(c, base_);
        check_alignment("driver record", d.offset, kPointerAlignment);
        d.process = process_name(c.ident("process (pN)"));
        d.target = parse_signal_ref(c);
        if (!d.target.unit.empty()) throw ParseError("a driver must name a signal of its own unit");
        c.end();
        u_.drivers.push_back(std::move(d));
    }

    // pN: the process of number N.
    static uint32_t process_name(const std::string &p) {
        if (p.size() < 2 || p[0] != 'p' || p.find_first_not_of("0123456789", 1) != std::string::npos)
            throw ParseError("expected a process as pN, found '" + printable(p) + "'");
        const size_t digits = p.find_first_not_of('0', 1);
        if (digits != std::string::npos && p.size() - digits > 6)
            throw ParseError("process number " + printable(p.substr(1)) + " is outside 0 to " +
                             std::to_string(kMaxNumber));
        const int64_t n = digits == std::string::npos ? 0 : std::strtoll(p.c_str() + digits, nullptr, 10);
        return static_cast<uint32_t>(check_range("process number", n, 0, kMaxNumber));
    }

    void named_value(ObjKind k, Cursor &c) {
        ObjectDecl o = obj(k, c);
        if (k == ObjKind::Const) check_alignment("constant descriptor", o.offset, kPointerAlignment);
        o.name = c.ident("name");
        named_once(o);
        o.type = parse_type_ref(c);
        c.expect(":=");
        o.value = value_until_end(c);
        push(o);
    }

    // Generics, constants and variables share one name space in a unit: a
    // second declaration of a name would replace the first in the instance's
    // name map without a word.
    void named_once(const ObjectDecl &o) {
        const char *kind = o.kind == ObjKind::Generic ? "generic "
                           : o.kind == ObjKind::Const ? "constant "
                                                      : "variable ";
        names_.once(o.name, line_, kind + o.name, "declared");
    }

    void generic(Cursor &c) {
        ObjectDecl o;
        o.line = line_;
        o.kind = ObjKind::Generic;
        if (!c.accept("-")) {
            o.offset = parse_offset(c, base_);
            check_alignment("generic descriptor", o.offset, kPointerAlignment);
        }
        o.name = c.ident("generic name");
        named_once(o);
        o.type = parse_type_ref(c);
        if (c.accept(":=")) o.value = value_until_end(c);
        c.end();
        push(o);
    }

    void text(Cursor &c) {
        ObjectDecl o = obj(ObjKind::Text, c);
        int64_t len = c.keyed_number("len");
        const Token &t = c.next();
        if (t.kind != Tok::String) throw ParseError("text takes a string");
        if (static_cast<int64_t>(t.text.size()) != len)
            throw ParseError("text is " + std::to_string(t.text.size()) + " bytes long, len= says " +
                             std::to_string(len));
        o.bytes.assign(t.text.begin(), t.text.end());
        c.end();
        push(o);
    }

    void bytes(Cursor &c) {
        ObjectDecl o = obj(ObjKind::Bytes, c);
        const Token &t = c.next();
        if (t.kind != Tok::HexString || t.text.size() % 2 != 0)
            throw ParseError("bytes takes x\"HH...\" with two digits per byte");
        for (size_t i = 0; i < t.text.size(); i += 2) {
            const int high = hex_value(t.text[i]), low = hex_value(t.text[i + 1]);
            if (high < 0 || low < 0) throw ParseError("bad hexadecimal digit in bytes");
            o.bytes.push_back(static_cast<uint8_t>(high * 16 + low));
        }
        c.end();
        push(o);
    }

    void bounds(Cursor &c) {
        ObjectDecl o = obj(ObjKind::Bounds, c);
        check_alignment("bounds", o.offset, kInt32Alignment);
        for (int i = 0; i < 4; ++i) o.bnd[i] = c.int32("bound");
        c.end();
        if (o.bnd[2] != 1 && o.bnd[2] != -1) throw ParseError("direction must be 1 or -1");
        int64_t len = static_cast<int64_t>(o.bnd[2]) * (static_cast<int64_t>(o.bnd[1]) - o.bnd[0]) + 1;
        if (len != o.bnd[3])
            throw ParseError("length " + std::to_string(o.bnd[3]) + " does not match the range (expected " +
                             std::to_string(len) + ")");
        push(o);
    }

    void instance(Cursor &c) {
        InstanceDecl in;
        in.line = line_;
        in.label = c.ident("instance label");
        labels_.once(in.label, line_, "instance label " + in.label);
        in.unit = c.ident("unit name");
        KeysGiven generics;
        enum { None, Generics, Ports } mode = None;
        while (!c.done()) {
            if (c.accept_word("generic")) {
                mode = Generics;
                continue;
            }
            if (c.accept_word("port")) {
                mode = Ports;
                continue;
            }
            if (mode == None) throw ParseError("expected 'generic' or 'port'" + c.near());
            std::string formal = c.ident("formal name");
            if (mode == Generics) {
                generics.once("generic " + formal, "");
                c.expect("=");
                in.generics.emplace_back(formal, single_value(c));
            } else {
                c.expect("=>");
                PortAssoc a;
                a.formal = formal;
                const Token &t = c.peek();
                if (t.kind == Tok::Ident && t.text == "open") {
                    c.next();
                    a.open = true;
                } else if (t.kind == Tok::Ident && t.text != "true" && t.text != "false") {
                    a.actual = parse_signal_ref(c);
                } else {
                    a.is_value = true;
                    a.value = single_value(c);
                }
                in.ports.push_back(std::move(a));
            }
        }
        u_.instances.push_back(std::move(in));
    }

    UnitDesc &u_;
    int line_ = 0;
    int64_t base_ = -1;
    bool have_unit_ = false, have_block_ = false, have_record_ = false, ended_ = false;
    FirstLines statements_;  // the statements that stand once in a file
    FirstLines types_;       // type names
    FirstLines labels_;      // instance labels
    FirstLines names_;       // generic, constant and variable names
};

}  // namespace

bool parse_didat(const std::string &file_name, const std::string &text, UnitDesc &out, std::string &error) {
    out.file = file_name;
    auto fail = [&](int line, const std::string &cause) {
        error = file_name + ":" + std::to_string(line) + ": error: " + cause;
        return false;
    };
    std::vector<Statement> sts;
    std::string lex_error;
    int lex_line = 0;
    if (!tokenize(text, sts, lex_error, lex_line)) return fail(lex_line, lex_error);
    Parser p(out);
    try {
        if (sts.empty()) throw ParseError("empty file (expected 'didat 1')");
        bool first = true;
        for (const Statement &st : sts) {
            p.statement(st, first);
            first = false;
        }
        p.finish(line_count(text));
    } catch (const ParseError &e) {
        return fail(p.line() ? p.line() : 1, e.what());
    } catch (const std::bad_alloc &) {
        return fail(p.line() ? p.line() : 1, "not enough memory to read the file");
    } catch (const std::exception &) {
        return fail(p.line() ? p.line() : 1, "statement cannot be read");
    }
    return true;
}

}  // namespace tovu
