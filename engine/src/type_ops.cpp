// Type descriptors and the operations on composite values that compiled
// code asks of the kernel.
#include <cstdarg>
#include <cstring>

#include "check.h"
#include "kernel.h"
#include "types.h"

namespace tovu {

uint32_t type_descriptor_size(const Type *t) {
    return t->kind == TypeKind::Array ? static_cast<uint32_t>(sizeof(TypeDescriptor)) : kScalarDescriptorSize;
}

void write_type_descriptor(void *where, const Type *t) {
    auto *d = static_cast<TypeDescriptor *>(where);
    d->magic = kTypeDescriptorMagic;
    d->kind = static_cast<uint32_t>(t->kind);
    d->type = t;
    if (t->kind == TypeKind::Array) {
        if (t->constrained) {
            d->own_bounds = t->bounds();
            d->bounds = &d->own_bounds;
        } else {
            d->bounds = nullptr;
        }
    }
}

void not_a_descriptor(const char *operation) {
    fail_check(std::string(operation) + ": the argument is not a type descriptor");
}

namespace {

// n bytes of v (none for n <= 0); short runs without a library call.
inline void fill_bytes(uint8_t *dst, uint8_t v, int32_t n) {
    if (n <= 0) return;
    if (n >= 8 && n <= 16) {
        const uint64_t word = v * uint64_t{0x0101010101010101};
        memcpy(dst, &word, 8);
        memcpy(dst + n - 8, &word, 8);
        return;
    }
    memset(dst, v, static_cast<size_t>(n));
}

// Bounds an array value of this descriptor has when none are passed.
const array_bounds *descriptor_bounds(const TypeDescriptor *d) {
    if (d->kind == static_cast<uint32_t>(TypeKind::Array)) return d->bounds;
    return nullptr;
}

}  // namespace

}  // namespace tovu

using namespace tovu;

extern "C" {

void zem_type_set_default_value(void *type_descriptor, void *storage, const array_bounds *bounds) {
    const TypeDescriptor *d = descriptor_of(type_descriptor, "zem_type_set_default_value");
    const Type *t = d->type;
    auto *dst = static_cast<uint8_t *>(storage);
    if (bounds && t->kind == TypeKind::Array && t->elem->kind == TypeKind::Enum) {
        // a local vector of one-byte elements: the most common request
        fill_bytes(dst, static_cast<uint8_t>(t->elem->lo), bounds->length);
        return;
    }
    if (t->kind != TypeKind::Array) {
        t->fill_default(dst);
        return;
    }
    const array_bounds *b = bounds ? bounds : descriptor_bounds(d);
    if (!b) {
        if (!t->constrained) fail_check("zem_type_set_default_value: no bounds for an unconstrained array");
        t->fill_default(dst);
        return;
    }
    if (b->length > 0) t->fill_elements_default(dst, static_cast<uint32_t>(b->length));
}

void zem_create_subtype(void *storage, const char *name, void *base_type, const array_bounds *bounds, int32_t kind) {
    const TypeDescriptor *base = descriptor_of(base_type, "zem_create_subtype");
    if (base->type->kind != TypeKind::Array) fail_check("zem_create_subtype: the base type is not an array type");
    if (!bounds) fail_check("zem_create_subtype: no bounds");
    auto *d = static_cast<TypeDescriptor *>(storage);
    memset(d, 0, sizeof *d);
    d->magic = kTypeDescriptorMagic;
    d->kind = static_cast<uint32_t>(TypeKind::Array);
    d->type = base->type;
    d->own_bounds = *bounds;
    d->bounds = &d->own_bounds;
}

void zem_delete_type(void *storage, int32_t kind) {
    // Subtypes and local array types live entirely in the caller's storage
    // (or in the kernel's type cache), so there is nothing to release.
    auto *d = static_cast<TypeDescriptor *>(storage);
    if (d) d->magic = 0;
}

void zem_create_unconstr_array_type(void *storage, const char *name, void *element_type, int32_t dims,
                                    void *index_type) {
    const TypeDescriptor *el = descriptor_of(element_type, "zem_create_unconstr_array_type");
    const TypeDescriptor *ix = descriptor_of(index_type, "zem_create_unconstr_array_type");
    if (dims != 1) fail_check("zem_create_unconstr_array_type: only one-dimensional arrays are supported");
    // One Type per (element, index) pair, kept for the whole run, so that a
    // function creating its local type on every call allocates nothing.
    auto key = std::make_pair(el->type, ix->type);
    auto &cache = K().unconstrained_cache;
    auto it = cache.find(key);
    const Type *t;
    if (it != cache.end()) {
        t = it->second;
    } else {
        Type *nt = new_type();
        nt->kind = TypeKind::Array;
        nt->name = name ? name : "array";
        nt->elem = el->type;
        nt->index = ix->type;
        nt->align = el->type->align;
        cache[key] = nt;
        t = nt;
    }
    auto *d = static_cast<TypeDescriptor *>(storage);
    memset(d, 0, sizeof *d);
    write_type_descriptor(d, t);
}

void *zem_base_array_concat(void *unused, array_bounds *out, void *result_type, ...) {
    const TypeDescriptor *d = descriptor_of(result_type, "zem_base_array_concat");
    const Type *t = d->type;
    if (t->kind != TypeKind::Array) fail_check("zem_base_array_concat: the result type is not an array type");
    const uint32_t es = t->elem->size;

    struct Operand {
        const uint8_t *data;
        int64_t length;
        const array_bounds *b;
        int32_t element;
        bool is_array;
    };
    Operand ops[64];
    int n = 0;
    int64_t total = 0;
    va_list ap;
    va_start(ap, result_type);
    for (;;) {
        int tag = va_arg(ap, int);
        if (tag == CONCAT_END) break;
        if (n == 64) {
            va_end(ap);
            fail_check("zem_base_array_concat: more than 64 operands");
        }
        Operand &o = ops[n++];
        if (tag == CONCAT_ARRAY) {
            o.is_array = true;
            o.data = va_arg(ap, const uint8_t *);
            o.b = va_arg(ap, const array_bounds *);
            o.length = o.b && o.b->length > 0 ? o.b->length : 0;
        } else if (tag == CONCAT_ELEMENT) {
            o.is_array = false;
            o.element = va_arg(ap, int32_t);
            o.length = 1;
            if (es != 1 && es != 4) {
                va_end(ap);
                fail_check("zem_base_array_concat: element operand for elements of " + std::to_string(es) + " bytes");
            }
        } else {
            va_end(ap);
            fail_check("zem_base_array_concat: bad operand tag " + std::to_string(tag));
        }
        total += o.length;
    }
    va_end(ap);
    if (total * es > 0x40000000) fail_check("zem_base_array_concat: result too large");

    auto *res = static_cast<uint8_t *>(zem_get_transient_memory(static_cast<uint32_t>(total * es)));
    uint8_t *p = res;
    for (int i = 0; i < n; ++i) {
        const Operand &o = ops[i];
        if (o.is_array) {
            if (o.length) memcpy(p, o.data, static_cast<size_t>(o.length) * es);
        } else if (es == 1) {
            *p = static_cast<uint8_t>(o.element);
        } else {
            memcpy(p, &o.element, 4);
        }
        p += static_cast<size_t>(o.length) * es;
    }
    // The left operand gives the bounds when it is a non-null array;
    // otherwise the index subtype's left bound, ascending.
    int32_t left, dir;
    if (n > 0 && ops[0].is_array && ops[0].length > 0) {
        left = ops[0].b->left;
        dir = ops[0].b->dir;
    } else {
        const Type *ix = t->root()->index ? t->root()->index : t->index;
        left = ix ? static_cast<int32_t>(ix->lo) : 0;
        dir = 1;
    }
    out->left = left;
    out->dir = dir;
    out->right = static_cast<int32_t>(left + dir * (total - 1));
    out->length = static_cast<int32_t>(total);
    return res;
}

}  // extern "C"
