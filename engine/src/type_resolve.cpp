// Turns the type definitions of a unit's design data into Type objects.
#include <algorithm>
#include <cfloat>
#include <cstring>
#include <set>

#include "elaborate.h"

namespace tovu {

uint32_t Type::scalar_count() const {
    switch (kind) {
        case TypeKind::Array: return constrained ? length * elem->scalar_count() : 0;
        case TypeKind::Record: {
            uint32_t n = 0;
            for (const Field &f : fields) n += f.type->scalar_count();
            return n;
        }
        default: return 1;
    }
}

uint32_t Type::scalar_size() const {
    switch (kind) {
        case TypeKind::Array: return elem->scalar_size();
        case TypeKind::Record: {
            uint32_t s = 0;
            for (const Field &f : fields) {
                uint32_t fs = f.type->scalar_size();
                if (fs == 0 || (s != 0 && s != fs)) return 0;
                s = fs;
            }
            return 0;  // records are never treated as uniform element runs
        }
        default: return size;
    }
}

const Type *Type::scalar_type() const { return kind == TypeKind::Array ? elem->scalar_type() : this; }

int Type::literal_pos(const std::string &lit) const {
    const Type *r = root();
    for (size_t i = 0; i < r->literals.size(); ++i)
        if (r->literals[i] == lit) return static_cast<int>(i);
    return -1;
}

void Type::fill_default(uint8_t *dst) const {
    switch (kind) {
        case TypeKind::Enum: *dst = static_cast<uint8_t>(lo); break;
        case TypeKind::Integer: {
            int32_t v = static_cast<int32_t>(lo);
            memcpy(dst, &v, 4);
            break;
        }
        case TypeKind::Real: memcpy(dst, &rlo, 8); break;
        case TypeKind::Time: memcpy(dst, &lo, 8); break;
        case TypeKind::Array:
            if (constrained) fill_elements_default(dst, length);
            break;
        case TypeKind::Record:
            memset(dst, 0, size);
            for (const Field &f : fields) f.type->fill_default(dst + f.offset);
            break;
        case TypeKind::Access: memset(dst, 0, size); break;
    }
}

void Type::fill_elements_default(uint8_t *dst, uint32_t count) const {
    if (count == 0) return;
    if (elem->kind == TypeKind::Enum) {  // one byte per element: std_logic_vector, STRING, ...
        memset(dst, static_cast<uint8_t>(elem->lo), count);
        return;
    }
    uint32_t es = elem->size;
    elem->fill_default(dst);
    // Double the filled run until the whole array is covered.
    uint64_t done = 1;
    while (done < count) {
        uint64_t n = std::min<uint64_t>(done, count - done);
        memcpy(dst + done * es, dst, n * es);
        done += n;
    }
}

uint64_t range_length(int32_t left, int32_t right, int32_t dir) {
    const int64_t len = static_cast<int64_t>(dir) * (static_cast<int64_t>(right) - left) + 1;
    return len > 0 ? static_cast<uint64_t>(len) : 0;
}

namespace {

[[noreturn]] void fail(const Unit &u, int line, const std::string &msg) {
    throw ElabError(u.desc->file + ":" + std::to_string(line) + ": error: " + msg);
}

class TypeResolver {
public:
    TypeResolver(Unit &u) : u_(u) {}

    const Type *lookup(const TypeRef &ref, int line) {
        const Type *t = lookup_name(ref.name, line);
        if (!ref.constrained) return t;
        if (!t->is_array() || t->constrained) fail(u_, line, "type " + ref.name + " cannot take an index constraint");
        return constrain(t, ref, line);
    }

    const Type *lookup_name(const std::string &name, int line) {
        size_t dot = name.rfind('.');
        if (dot != std::string::npos) {
            std::string unit = name.substr(0, dot);
            auto it = K().unit_by_name.find(unit);
            if (it == K().unit_by_name.end()) fail(u_, line, "unknown unit '" + unit + "' in type " + name);
            const Type *t = TypeResolver(*it->second).local(name.substr(dot + 1), line);
            if (!t) fail(u_, line, "unknown type '" + name + "'");
            return t;
        }
        if (const Type *t = local(name, line)) return t;
        for (const std::string &use : u_.desc->uses) {
            auto it = K().unit_by_name.find(use);
            if (it == K().unit_by_name.end()) fail(u_, line, "unknown unit '" + use + "' in 'use'");
            if (const Type *t = TypeResolver(*it->second).local(name, line)) return t;
        }
        auto std_it = K().unit_by_name.find("std_standard");
        if (std_it != K().unit_by_name.end() && std_it->second != &u_) {
            if (const Type *t = TypeResolver(*std_it->second).local(name, line)) return t;
        }
        fail(u_, line, "unknown type '" + name + "'");
    }

    void resolve_all() {
        for (const TypeDef &d : u_.desc->types) {
            if (!u_.types.count(d.name)) local(d.name, d.line);
        }
    }

    // A type of this unit by name, defined on first use; nullptr if none.
    const Type *local(const std::string &name, int line) {
        auto it = u_.types.find(name);
        if (it != u_.types.end()) return it->second;
        for (const TypeDef &d : u_.desc->types) {
            if (d.name == name) {
                if (depth_ > 64) fail(u_, d.line, "type " + name + " is defined in terms of itself");
                struct Depth {
                    Depth() { ++depth_; }
                    ~Depth() { --depth_; }
                } guard;
                return define(d);
            }
        }
        return nullptr;
    }

private:
    static inline int depth_ = 0;

    // The constrained subtype of an unconstrained array type that an index
    // constraint names, as in std_logic_vector(7 downto 0). The bounds of a
    // range that is not null belong to the index subtype.
    const Type *constrain(const Type *base, const TypeRef &ref, int line) {
        Type *t = new_type();
        *t = *base;
        t->base = base->base ? base->base : base;
        t->constrained = true;
        t->left = ref.left;
        t->right = ref.right;
        t->dir = ref.dir;
        t->name = base->name + "(" + std::to_string(ref.left) + (ref.dir > 0 ? " to " : " downto ") +
                  std::to_string(ref.right) + ")";
        const Type *index = base->index;
        if (index && range_length(ref.left, ref.right, ref.dir) > 0) {
            for (const int32_t bound : {ref.left, ref.right})
                if (bound < index->lo || bound > index->hi)
                    fail(u_, line,
                         "index bound " + std::to_string(bound) + " of " + t->name + " is outside its index subtype " +
                             index->name + " (" + std::to_string(index->lo) + " to " + std::to_string(index->hi) + ")");
        }
        set_array_extent(t, line);
        return t;
    }

    // The length and byte size of a constrained array type, from its range
    // and its element type. Both are counted in 64 bits and refused beyond
    // kMaxValueBytes, so that what is kept in 32 bits is exact.
    void set_array_extent(Type *t, int line) {
        const uint64_t length = range_length(t->left, t->right, t->dir);
        if (length > kMaxValueBytes)
            fail(u_, line,
                 "array type " + t->name + " has " + std::to_string(length) + " elements, more than " +
                     std::to_string(kMaxValueBytes));
        t->length = static_cast<uint32_t>(length);
        t->size = checked_size(length * t->elem->size, "array type " + t->name, line);
    }

    // A value's byte size, refused beyond kMaxValueBytes.
    uint32_t checked_size(uint64_t bytes, const std::string &what, int line) {
        if (bytes > kMaxValueBytes)
            fail(u_, line,
                 what + " takes " + std::to_string(bytes) + " bytes, more than " + std::to_string(kMaxValueBytes));
        return static_cast<uint32_t>(bytes);
    }

    const Type *define(const TypeDef &d) {
        const Type *t = build(d);
        if (u_.types.count(d.name)) fail(u_, d.line, "type " + d.name + " defined twice");
        u_.types[d.name] = t;
        return t;
    }

    // Tokens of one definition.
    struct Toks {
        const std::vector<Token> &v;
        size_t i = 0;
        bool done() const { return i >= v.size(); }
        const Token *peek() const { return done() ? nullptr : &v[i]; }
        bool word(const char *w) {
            if (!done() && v[i].kind == Tok::Ident && v[i].text == w) {
                ++i;
                return true;
            }
            return false;
        }
        bool punct(const char *p) {
            if (!done() && v[i].kind == Tok::Punct && v[i].text == p) {
                ++i;
                return true;
            }
            return false;
        }
    };

    int64_t int_tok(Toks &t, int line) {
        const Token *k = t.peek();
        if (!k || k->kind != Tok::Number) fail(u_, line, "expected an integer in type definition");
        ++t.i;
        return k->num;
    }
    // An integer that must lie in lo..hi: a bound of an index range or a
    // scalar range, a resolution number.
    int64_t ranged_tok(Toks &t, int line, const char *what, int64_t lo, int64_t hi) {
        const int64_t v = int_tok(t, line);
        if (v < lo || v > hi)
            fail(u_, line,
                 std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(lo) + " to " +
                     std::to_string(hi));
        return v;
    }
    int32_t int32_tok(Toks &t, int line, const char *what) {
        return static_cast<int32_t>(ranged_tok(t, line, what, INT32_MIN, INT32_MAX));
    }
    double real_tok(Toks &t, int line) {
        const Token *k = t.peek();
        if (!k || (k->kind != Tok::Number && k->kind != Tok::Real))
            fail(u_, line, "expected a real in type definition");
        ++t.i;
        return k->kind == Tok::Real ? k->real : static_cast<double>(k->num);
    }
    TypeRef ref_tok(Toks &t, int line) {
        TypeRef r;
        const Token *k = t.peek();
        if (!k || k->kind != Tok::Ident) fail(u_, line, "expected a type name");
        r.name = k->text;
        ++t.i;
        if (t.punct("(")) {
            r.constrained = true;
            r.left = int32_tok(t, line, "left bound");
            if (t.word("to"))
                r.dir = 1;
            else if (t.word("downto"))
                r.dir = -1;
            else
                fail(u_, line, "expected 'to' or 'downto'");
            r.right = int32_tok(t, line, "right bound");
            if (!t.punct(")")) fail(u_, line, "expected ')'");
        }
        return r;
    }
    void expect_end(Toks &t, int line) {
        if (!t.done()) fail(u_, line, "unexpected '" + t.peek()->text + "' in type definition");
    }

    // "integer 0 to 7", "real", "real -1.0 to 1.0" define base types;
    // "integer range 0 to 7" is a subtype of the type named integer.
    static bool base_keyword(const TypeDef &d, const char *kw) {
        if (d.toks.empty() || d.toks[0].kind != Tok::Ident || d.toks[0].text != kw) return false;
        if (d.toks.size() == 1) return true;
        return d.toks[1].kind == Tok::Number || d.toks[1].kind == Tok::Real;
    }

    const Type *build(const TypeDef &d) {
        Toks t{d.toks};
        Type *ty = new_type();
        ty->name = d.name;
        if (t.word("enum")) {
            ty->kind = TypeKind::Enum;
            ty->size = ty->align = 1;
            while (!t.done()) {
                const Token &k = d.toks[t.i++];
                if (k.kind == Tok::Char)
                    ty->literals.push_back("'" + k.text + "'");
                else if (k.kind == Tok::Ident)
                    ty->literals.push_back(k.text);
                else
                    fail(u_, d.line, "bad enumeration literal '" + k.text + "'");
            }
            if (ty->literals.empty() || ty->literals.size() > 256)
                fail(u_, d.line, "an enumeration needs 1 to 256 literals");
            ty->lo = 0;
            ty->hi = static_cast<int64_t>(ty->literals.size()) - 1;
        } else if (t.word("character_set")) {
            // CHARACTER: the 256 character codes, literals 'c'.
            ty->kind = TypeKind::Enum;
            ty->size = ty->align = 1;
            for (int c = 0; c < 256; ++c) ty->literals.push_back(std::string("'") + static_cast<char>(c) + "'");
            ty->lo = 0;
            ty->hi = 255;
        } else if (base_keyword(d, "integer") && t.word("integer")) {
            ty->kind = TypeKind::Integer;
            ty->size = ty->align = 4;
            ty->lo = ranged_tok(t, d.line, "low bound", INT32_MIN, INT32_MAX);
            if (!t.word("to")) fail(u_, d.line, "expected 'to'");
            ty->hi = ranged_tok(t, d.line, "high bound", INT32_MIN, INT32_MAX);
        } else if (base_keyword(d, "real") && t.word("real")) {
            ty->kind = TypeKind::Real;
            ty->size = ty->align = 8;
            ty->rlo = -DBL_MAX;
            ty->rhi = DBL_MAX;
            if (!t.done()) {
                ty->rlo = real_tok(t, d.line);
                if (!t.word("to")) fail(u_, d.line, "expected 'to'");
                ty->rhi = real_tok(t, d.line);
            }
        } else if (base_keyword(d, "time") && t.word("time")) {
            ty->kind = TypeKind::Time;
            ty->size = ty->align = 8;
            ty->lo = INT64_MIN;
            ty->hi = INT64_MAX;
            if (!t.done()) {
                ty->lo = int_tok(t, d.line);
                if (!t.word("to")) fail(u_, d.line, "expected 'to'");
                ty->hi = int_tok(t, d.line);
            }
        } else if (t.word("array")) {
            ty->kind = TypeKind::Array;
            if (!t.punct("(")) fail(u_, d.line, "expected '(' after array");
            const Token *k = t.peek();
            if (k && k->kind == Tok::Ident) {
                TypeRef idx = ref_tok(t, d.line);
                if (!t.word("range") || !t.punct("<>") || !t.punct(")"))
                    fail(u_, d.line, "expected 'range <>)' after the index type");
                ty->index = lookup(idx, d.line);
                if (ty->index->kind != TypeKind::Integer) fail(u_, d.line, "index type must be an integer type");
                ty->constrained = false;
            } else {
                ty->left = int32_tok(t, d.line, "left bound");
                if (t.word("to"))
                    ty->dir = 1;
                else if (t.word("downto"))
                    ty->dir = -1;
                else
                    fail(u_, d.line, "expected 'to' or 'downto'");
                ty->right = int32_tok(t, d.line, "right bound");
                if (!t.punct(")")) fail(u_, d.line, "expected ')'");
                ty->constrained = true;
            }
            if (!t.word("of")) fail(u_, d.line, "expected 'of'");
            ty->elem = lookup(ref_tok(t, d.line), d.line);
            if (ty->elem->kind == TypeKind::Array && !ty->elem->constrained)
                fail(u_, d.line, "array elements must be constrained");
            ty->align = ty->elem->align;
            if (ty->constrained) set_array_extent(ty, d.line);
        } else if (t.word("record")) {
            ty->kind = TypeKind::Record;
            uint64_t off = 0;
            ty->align = 1;
            while (!t.done()) {
                const Token *k = t.peek();
                if (k->kind != Tok::Ident) fail(u_, d.line, "expected a field name");
                Field f;
                f.name = k->text;
                ++t.i;
                if (!t.punct(":")) fail(u_, d.line, "expected ':' after field name");
                f.type = lookup(ref_tok(t, d.line), d.line);
                if (f.type->kind == TypeKind::Array && !f.type->constrained)
                    fail(u_, d.line, "record fields must be constrained");
                uint32_t a = f.type->align;
                off = (off + a - 1) / a * a;
                f.offset = static_cast<uint32_t>(off);  // exact when the size below is within the limit
                off += f.type->size;
                ty->align = std::max(ty->align, a);
                ty->fields.push_back(f);
            }
            if (ty->fields.empty()) fail(u_, d.line, "a record needs fields");
            ty->size = checked_size((off + 7) / 8 * 8, "record type " + d.name, d.line);
        } else if (t.word("access")) {
            ty->kind = TypeKind::Access;
            ty->designated = lookup(ref_tok(t, d.line), d.line);
            ty->size = 72;
            ty->align = 8;
        } else {
            // subtype
            const Type *base = lookup(ref_tok(t, d.line), d.line);
            *ty = *base;
            ty->name = d.name;
            ty->base = base->base ? base->base : base;
            if (t.word("range")) {
                if (base->kind == TypeKind::Enum) {
                    for (int64_t *bound : {&ty->lo, &ty->hi}) {
                        const Token *k = t.peek();
                        if (!k) fail(u_, d.line, "expected a literal");
                        ++t.i;
                        std::string lit = k->kind == Tok::Char ? "'" + k->text + "'" : k->text;
                        int pos = base->literal_pos(lit);
                        if (pos < 0) fail(u_, d.line, "unknown literal " + lit);
                        *bound = pos;
                        if (bound == &ty->lo && !t.word("to")) fail(u_, d.line, "expected 'to'");
                    }
                } else if (base->kind == TypeKind::Integer || base->kind == TypeKind::Time) {
                    // A subtype's range lies within its base type's, so that
                    // every value fits the base type's storage.
                    ty->lo = ranged_tok(t, d.line, "low bound", base->lo, base->hi);
                    if (!t.word("to")) fail(u_, d.line, "expected 'to'");
                    ty->hi = ranged_tok(t, d.line, "high bound", base->lo, base->hi);
                } else if (base->kind == TypeKind::Real) {
                    ty->rlo = real_tok(t, d.line);
                    if (!t.word("to")) fail(u_, d.line, "expected 'to'");
                    ty->rhi = real_tok(t, d.line);
                } else {
                    fail(u_, d.line, "range constraint on a composite type");
                }
            }
            if (t.word("resolved")) {
                ty->resolution = static_cast<int>(ranged_tok(t, d.line, "resolution number", 0, INT32_MAX));
                if (base->kind != TypeKind::Enum) fail(u_, d.line, "only enumeration subtypes can be resolved");
            }
        }
        expect_end(t, d.line);
        return ty;
    }

    Unit &u_;
};

}  // namespace

void resolve_unit_types(Unit &u) {
    if (u.types_resolved) return;
    u.types_resolved = true;  // set first: references back into a unit resolve lazily by name
    TypeResolver(u).resolve_all();
}

const Type *lookup_type(Unit &u, const TypeRef &ref, int line) { return TypeResolver(u).lookup(ref, line); }

}  // namespace tovu
