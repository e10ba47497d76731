// The kernel's model of VHDL types and the type descriptors it lays into
// unit blocks.
#ifndef TOVU_TYPES_H
#define TOVU_TYPES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tovu/zem.h"

namespace tovu {

enum class TypeKind : uint32_t { Enum, Integer, Real, Time, Array, Record, Access };

struct Type;

struct Field {
    std::string name;
    const Type *type = nullptr;
    uint32_t offset = 0;
};

struct Type {
    TypeKind kind = TypeKind::Integer;
    std::string name;
    const Type *base = nullptr;  // the type a subtype constrains (nullptr for a base type)
    uint32_t size = 0;           // bytes of one value (0 for an unconstrained array)
    uint32_t align = 1;
    // scalars: the range; the default value is the left bound (lo)
    int64_t lo = 0, hi = 0;
    double rlo = 0, rhi = 0;
    std::vector<std::string> literals;  // enumeration literals by position ("'0'" or "idle")
    int resolution = -1;                // resolved subtype: registered resolution number
    // arrays
    const Type *elem = nullptr;
    const Type *index = nullptr;  // index subtype of an unconstrained array
    bool constrained = false;
    int32_t left = 0, right = 0, dir = 1;
    uint32_t length = 0;
    // records
    std::vector<Field> fields;
    // access
    const Type *designated = nullptr;

    bool is_scalar() const { return kind != TypeKind::Array && kind != TypeKind::Record; }
    bool is_array() const { return kind == TypeKind::Array; }
    // Number of scalar elements in one value (constrained types only).
    uint32_t scalar_count() const;
    // Byte size of each scalar element when all are alike, else 0.
    uint32_t scalar_size() const;
    // The scalar type of the elements (for arrays of arrays, the innermost).
    const Type *scalar_type() const;
    // Position of an enumeration literal ("'1'", "idle"), or -1.
    int literal_pos(const std::string &lit) const;
    const Type *root() const { return base ? base->root() : this; }
    // Writes the default value of one value of this (constrained) type.
    void fill_default(uint8_t *dst) const;
    // Writes `count` default elements of an array type's element type.
    void fill_elements_default(uint8_t *dst, uint32_t count) const;
    array_bounds bounds() const { return array_bounds{left, right, dir, static_cast<int32_t>(length)}; }
};

// The in-block object the compiled code knows as a type descriptor. Scalars
// and records use the first 80 bytes; arrays keep their bounds pointer at +80
// and, when constrained (or built by zem_create_subtype), their bounds at +88.
struct TypeDescriptor {
    uint32_t magic;
    uint32_t kind;
    const Type *type;
    uint8_t reserved[64];
    array_bounds *bounds;
    array_bounds own_bounds;
};
static_assert(offsetof(TypeDescriptor, bounds) == 80);
static_assert(sizeof(TypeDescriptor) == 104);

// The largest value of one type, and the largest object an allocator or a
// LINE may hold, in bytes: more is a fault of the design data or of the
// calling code, not a request to honour.
constexpr uint64_t kMaxValueBytes = uint64_t{1} << 30;

constexpr uint32_t kTypeDescriptorMagic = 0x44505954;  // "TYPD"
constexpr uint32_t kScalarDescriptorSize = 80;

// Writes a descriptor for `t` at `where` (80 or 104 bytes, as above).
void write_type_descriptor(void *where, const Type *t);
uint32_t type_descriptor_size(const Type *t);
// Reports that an operation was handed something that is not a type
// descriptor (a failed check: never returns).
[[noreturn]] void not_a_descriptor(const char *operation);

// The type a descriptor describes; reports a fault (never returns) when it
// is not a descriptor.
inline const TypeDescriptor *descriptor_of(const void *p, const char *operation) {
    const auto *d = static_cast<const TypeDescriptor *>(p);
    if (!d || d->magic != kTypeDescriptorMagic || !d->type) not_a_descriptor(operation);
    return d;
}

// Elements of the index range LEFT to|downto RIGHT (dir 1 or -1): 0 for a
// null range. Up to 2**32, so it is counted in 64 bits.
uint64_t range_length(int32_t left, int32_t right, int32_t dir);

}  // namespace tovu

#endif
