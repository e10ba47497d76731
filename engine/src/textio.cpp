// Access values and std.textio: the LINE objects that built messages are
// written into, the READ and WRITE operations on them, and the objects that
// allocators create.
//
// An access variable is a 72-byte object that the compiled code lays out (a
// local in its frame, or a variable in a unit block). The code sets four of
// its fields before first use; the access value itself is the pointer at +40,
// null when 0. It points to a designated object, which holds the pointer to
// the value's data at +56 and the pointer to its bounds at +64. Designated
// objects and their data live on the heap: DEALLOCATE (and the end of a local
// LINE) releases both, so a process that builds a message on every
// activation holds no more memory after a million messages than after one.
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "kernel.h"
#include "types.h"

namespace tovu {

namespace {

constexpr uint32_t kDesignatedMagic = 0x56434341;  // "ACCV"

enum class DesignatedKind : uint32_t { Text = 1, Variable = 2 };

// What an access value points to.
struct Designated {
    uint32_t magic;
    DesignatedKind kind;
    uint64_t capacity;  // bytes reserved at data
    const Type *type;   // designated type of an allocated variable; nullptr for LINE text
    uint8_t reserved[32];
    uint8_t *data;         // +56
    array_bounds *bounds;  // +64 (nullptr for a scalar or record)
    array_bounds own_bounds;
};
static_assert(offsetof(Designated, data) == 56);
static_assert(offsetof(Designated, bounds) == 64);

// The access-variable object the compiled code passes by address.
struct AccessVariable {
    uint8_t kernel_part[40];
    Designated *value;  // +40: the access value, nullptr for null
    uint64_t zero;      // +48
    void *type;         // +56: the access type's descriptor (0 in a block variable)
    int32_t one;        // +64
    int32_t pad;
};
static_assert(offsetof(AccessVariable, value) == 40);
static_assert(offsetof(AccessVariable, type) == 56);
static_assert(sizeof(AccessVariable) == 72);

AccessVariable *access_variable(void *p, const char *operation) {
    if (!p) fail_check(std::string(operation) + ": no access variable");
    return static_cast<AccessVariable *>(p);
}

// The designated object of an access variable, or nullptr for null.
Designated *designated(AccessVariable *v, const char *operation) {
    Designated *d = v->value;
    if (d && d->magic != kDesignatedMagic)
        fail_check(std::string(operation) + ": the access variable holds no valid access value");
    return d;
}

Designated *new_designated(DesignatedKind kind, uint64_t bytes) {
    auto *d = static_cast<Designated *>(std::calloc(1, sizeof(Designated)));
    uint8_t *data = static_cast<uint8_t *>(std::malloc(bytes == 0 ? 1 : bytes));
    if (!d || !data) {
        std::free(d);
        std::free(data);
        fail_check("out of memory for an allocated object of " + std::to_string(bytes) + " bytes");
    }
    d->magic = kDesignatedMagic;
    d->kind = kind;
    d->capacity = bytes;
    d->data = data;
    return d;
}

void free_designated(Designated *d) {
    if (!d) return;
    d->magic = 0;
    std::free(d->data);
    std::free(d);
}

// ---- LINE text ----

void set_text_length(Designated *d, uint64_t n) {
    d->own_bounds = array_bounds{1, static_cast<int32_t>(n), 1, static_cast<int32_t>(n)};
    d->bounds = &d->own_bounds;
}

uint64_t text_length(const Designated *d) {
    return d && d->bounds && d->bounds->length > 0 ? static_cast<uint64_t>(d->bounds->length) : 0;
}

// The LINE's string, created empty (1 to 0) when the LINE is null.
Designated *line_text(AccessVariable *line, const char *operation) {
    Designated *d = designated(line, operation);
    if (d) {
        if (d->kind != DesignatedKind::Text) fail_check(std::string(operation) + ": the access value is not a LINE");
        return d;
    }
    d = new_designated(DesignatedKind::Text, 64);
    set_text_length(d, 0);
    line->value = d;
    return d;
}

// Appends n bytes to the LINE, first padded with spaces to `field`
// characters on the side that JUSTIFIED (0 right, 1 left) names.
void append(void *line_arg, const char *operation, const void *bytes, uint64_t n, int32_t justified, int32_t field) {
    AccessVariable *line = access_variable(line_arg, operation);
    Designated *d = line_text(line, operation);
    const uint64_t pad = field > 0 && static_cast<uint64_t>(field) > n ? static_cast<uint64_t>(field) - n : 0;
    const uint64_t old = text_length(d);
    const uint64_t total = old + n + pad;
    if (total > kMaxValueBytes || total > INT32_MAX) fail_check(std::string(operation) + ": the line grows too long");
    if (total > d->capacity) {
        uint64_t cap = d->capacity < 64 ? 64 : d->capacity;
        while (cap < total) cap *= 2;
        auto *grown = static_cast<uint8_t *>(std::realloc(d->data, cap));
        if (!grown) fail_check(std::string(operation) + ": out of memory for the line");
        d->data = grown;
        d->capacity = cap;
    }
    uint8_t *at = d->data + old;
    const bool left = justified == 1;
    if (!left) {
        std::memset(at, ' ', pad);
        at += pad;
    }
    if (n) std::memcpy(at, bytes, n);
    if (left) std::memset(at + n, ' ', pad);
    set_text_length(d, total);
}

void append(void *line, const char *operation, const std::string &s, int32_t justified, int32_t field) {
    append(line, operation, s.data(), s.size(), justified, field);
}

// Removes the first n characters; the rest keeps the range 1 to its length.
void consume(Designated *d, uint64_t n) {
    const uint64_t len = text_length(d);
    if (n > len) n = len;
    std::memmove(d->data, d->data + n, len - n);
    set_text_length(d, len - n);
}

// A READ that finds no value of its type: reported as an ERROR, the target
// and the line are left as they were.
void read_failed(const char *what) {
    const std::string text = std::string("std.textio READ: ") + what;
    zem_report(text.data(), static_cast<uint32_t>(text.size()), SEV_ERROR);
}

bool is_space(uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0xa0; }
bool is_digit(uint8_t c) { return c >= '0' && c <= '9'; }

// Name of a TIME unit given as its value in picoseconds, or nullptr.
const char *time_unit_name(int64_t unit) {
    switch (unit) {
        case 1: return "ps";
        case 1000: return "ns";
        case 1000000: return "us";
        case 1000000000: return "ms";
        case 1000000000000: return "sec";
        case 60000000000000: return "min";
        case 3600000000000000: return "hr";
        default: return nullptr;
    }
}

// The TIME value in the given unit, with a decimal fraction when it is not a
// whole number of units: 31250 ps in ns is "31.25 ns".
std::string time_image(int64_t value, int64_t unit, const char *unit_name) {
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const uint64_t u = static_cast<uint64_t>(unit);
    std::string s = negative ? "-" : "";
    s += std::to_string(magnitude / u);
    uint64_t rest = magnitude % u;
    if (rest != 0) {
        s += '.';
        for (uint64_t scale = u / 10; rest != 0 && scale != 0; scale /= 10) {
            s += static_cast<char>('0' + rest / scale);
            rest %= scale;
        }
    }
    s += ' ';
    s += unit_name;
    return s;
}

std::string real_image(double value, int32_t digits) {
    char buf[512];
    if (digits > 0)
        std::snprintf(buf, sizeof buf, "%.*f", digits > 300 ? 300 : digits, value);
    else
        std::snprintf(buf, sizeof buf, "%e", value);
    return buf;
}

}  // namespace

}  // namespace tovu

using namespace tovu;

extern "C" {

// ---- access values ----

void *zem_access_variable_all(void *access_variable_arg) {
    AccessVariable *v = access_variable(access_variable_arg, "zem_access_variable_all");
    Designated *d = designated(v, "zem_access_variable_all");
    if (!d) fail_check("dereference of a null access value");
    return d;
}

void zem_access_variable_deallocate(void *access_variable_arg) {
    AccessVariable *v = access_variable(access_variable_arg, "zem_access_variable_deallocate");
    free_designated(designated(v, "zem_access_variable_deallocate"));
    v->value = nullptr;
}

void zem_access_variable_delete(void *access_variable_arg) {
    // The end of an access variable's life: what it still designates is
    // released with it, so a local LINE that was never deallocated does not
    // leak its string.
    AccessVariable *v = access_variable(access_variable_arg, "zem_access_variable_delete");
    free_designated(designated(v, "zem_access_variable_delete"));
    v->value = nullptr;
}

void zem_access_variable_set_value(void *access_variable_arg, void *object) {
    AccessVariable *v = access_variable(access_variable_arg, "zem_access_variable_set_value");
    auto *d = static_cast<Designated *>(object);
    if (d && d->magic != kDesignatedMagic) fail_check("zem_access_variable_set_value: not an allocated object");
    v->value = d;
}

void *zem_variable_create(const char *name, void *designated_type, const array_bounds *bounds, int32_t, int32_t,
                          int32_t) {
    const TypeDescriptor *td = descriptor_of(designated_type, "zem_variable_create");
    const Type *t = td->type;
    Designated *d;
    if (t->kind == TypeKind::Array) {
        const array_bounds *b = bounds ? bounds : td->bounds;
        if (!b) fail_check("zem_variable_create: no bounds for an unconstrained array");
        const int64_t expected = static_cast<int64_t>(b->dir) * (static_cast<int64_t>(b->right) - b->left) + 1;
        if ((b->dir != 1 && b->dir != -1) || b->length != (expected > 0 ? expected : 0))
            fail_check("zem_variable_create: inconsistent bounds");
        const uint64_t count = b->length > 0 ? static_cast<uint64_t>(b->length) : 0;
        const uint64_t bytes = count * t->elem->size;
        if (bytes > kMaxValueBytes) fail_check("zem_variable_create: the object is too large");
        d = new_designated(DesignatedKind::Variable, bytes);
        d->own_bounds = *b;
        d->bounds = &d->own_bounds;
        t->fill_elements_default(d->data, static_cast<uint32_t>(count));
    } else {
        d = new_designated(DesignatedKind::Variable, t->size);
        t->fill_default(d->data);
    }
    d->type = t;
    return d;
}

array_bounds *zem_get_constraints_memory(int32_t count) {
    if (count < 1 || count > 64) fail_check("zem_get_constraints_memory: bad count " + std::to_string(count));
    // Kept until the kernel is reset: the records describe created objects
    // that live for the rest of the run.
    return reinterpret_cast<array_bounds *>(alloc_bytes(sizeof(array_bounds) * static_cast<size_t>(count)));
}

void zem_variable_act(void *) {
    // A store into an array variable; the kernel traces no variables, so
    // there is nothing to record.
}

// ---- std.textio WRITE ----

void std_textio_write3(char *, void *, void *line, int32_t value, int32_t justified, int32_t field) {
    append(line, "WRITE(BOOLEAN)", (value & 0xff) ? std::string("TRUE") : std::string("FALSE"), justified, field);
}

void std_textio_write4(char *, void *, void *line, int32_t value, int32_t justified, int32_t field) {
    const char c = static_cast<char>(value & 0xff);
    append(line, "WRITE(CHARACTER)", &c, 1, justified, field);
}

void std_textio_write5(char *, void *, void *line, int32_t value, int32_t justified, int32_t field) {
    append(line, "WRITE(INTEGER)", std::to_string(value), justified, field);
}

void std_textio_write6(char *, void *, void *line, double value, int32_t justified, int32_t field, int32_t digits) {
    append(line, "WRITE(REAL)", real_image(value, digits), justified, field);
}

void std_textio_write7(char *, void *, void *line, const char *data, const array_bounds *b, int32_t justified,
                       int32_t field) {
    const uint64_t n = b && b->length > 0 ? static_cast<uint64_t>(b->length) : 0;
    if (n && !data) fail_check("WRITE(STRING): no data for a non-null string");
    append(line, "WRITE(STRING)", data, n, justified, field);
}

void std_textio_write8(char *, void *, void *line, int64_t value, int32_t justified, int32_t field, int64_t unit) {
    const char *name = time_unit_name(unit);
    if (!name) fail_check("WRITE(TIME): " + std::to_string(unit) + " ps is not a unit of TIME");
    append(line, "WRITE(TIME)", time_image(value, unit, name), justified, field);
}

// ---- std.textio READ ----

void std_textio_read8(char *, void *, void *line_arg, char *target) {
    AccessVariable *line = access_variable(line_arg, "READ(CHARACTER)");
    Designated *d = designated(line, "READ(CHARACTER)");
    if (d && d->kind != DesignatedKind::Text) fail_check("READ(CHARACTER): the access value is not a LINE");
    if (text_length(d) == 0) {
        read_failed("no character left in the line");
        return;
    }
    *target = static_cast<char>(d->data[0]);
    consume(d, 1);
}

void std_textio_read12(char *, void *, void *line_arg, double *target) {
    AccessVariable *line = access_variable(line_arg, "READ(REAL)");
    Designated *d = designated(line, "READ(REAL)");
    if (d && d->kind != DesignatedKind::Text) fail_check("READ(REAL): the access value is not a LINE");
    const uint64_t len = text_length(d);
    const uint8_t *s = d ? d->data : nullptr;
    uint64_t i = 0;
    while (i < len && is_space(s[i])) ++i;
    // [sign] digits [. digits] [e [sign] digits]; underscores may separate
    // digits. A value without a point (an integer's text) is accepted too.
    std::string literal;
    auto digits = [&]() {
        uint64_t start = i;
        while (i < len && (is_digit(s[i]) || (s[i] == '_' && i > start && i + 1 < len && is_digit(s[i + 1])))) {
            if (s[i] != '_') literal += static_cast<char>(s[i]);
            ++i;
        }
        return i > start;
    };
    if (i < len && (s[i] == '+' || s[i] == '-')) literal += static_cast<char>(s[i++]);
    if (!digits()) {
        read_failed("no real value at the start of the line");
        return;
    }
    if (i + 1 < len && s[i] == '.' && is_digit(s[i + 1])) {
        literal += s[i++];
        digits();
    }
    if (i < len && (s[i] == 'e' || s[i] == 'E')) {
        const uint64_t mark = i;
        const size_t kept = literal.size();
        literal += 'e';
        ++i;
        if (i < len && (s[i] == '+' || s[i] == '-')) literal += static_cast<char>(s[i++]);
        if (!digits()) {  // not an exponent after all: the 'e' is left in the line
            i = mark;
            literal.resize(kept);
        }
    }
    *target = std::strtod(literal.c_str(), nullptr);
    consume(d, i);
}

}  // extern "C"
