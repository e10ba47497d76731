// Arithmetic and comparison helpers that the compiled units call: INTEGER
// ** and mod with VHDL's rules, REAL ** INTEGER, byte comparisons and fills,
// the predefined ordering of enumeration arrays, and scratch memory.
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "tovu/zem.h"

namespace {

constexpr uint32_t kMaxScratchRequest = uint32_t{1} << 30;

// VHDL's ordering of one-dimensional arrays of an enumeration type: element
// by element from the left by position; a proper prefix is less. Returns
// <0, 0 or >0.
int compare_enum_arrays(const uint8_t *l, int32_t l_length, const uint8_t *r, int32_t r_length) {
    const int32_t ln = l_length > 0 ? l_length : 0;
    const int32_t rn = r_length > 0 ? r_length : 0;
    const int32_t common = ln < rn ? ln : rn;
    for (int32_t i = 0; i < common; ++i) {
        if (l[i] != r[i]) return l[i] < r[i] ? -1 : 1;
    }
    return ln == rn ? 0 : (ln < rn ? -1 : 1);
}

}  // namespace

extern "C" {

int32_t zem_vhdl_pow(int32_t base, int32_t exponent) {
    if (exponent < 0) {
        tovu::fail_check("INTEGER exponentiation " + std::to_string(base) + " ** " + std::to_string(exponent) +
                         ": negative exponent");
    }
    // Bases -1, 0 and 1 never leave the range, whatever the exponent.
    if (base == 0) return exponent == 0 ? 1 : 0;
    if (base == 1) return 1;
    if (base == -1) return (exponent % 2 == 0) ? 1 : -1;
    if (base == 2 && exponent < 31) return int32_t{1} << exponent;  // the common case, exactly
    // |base| >= 2: the result leaves INTEGER within 32 steps.
    int64_t result = 1;
    for (int32_t i = 0; i < exponent; ++i) {
        result *= base;
        if (result > INT32_MAX || result < INT32_MIN) {
            tovu::fail_check("INTEGER exponentiation " + std::to_string(base) + " ** " + std::to_string(exponent) +
                             ": result out of the INTEGER range");
        }
    }
    return static_cast<int32_t>(result);
}

int32_t zem_vhdl_mod(int32_t a, int32_t b) {
    if (b == 0) tovu::fail_check("INTEGER mod: division by zero (" + std::to_string(a) + " mod 0)");
    if (b == -1) return 0;  // also avoids INT32_MIN % -1, which overflows
    int32_t r = a % b;
    if (r != 0 && ((r < 0) != (b < 0))) r += b;  // mod takes the sign of b
    return r;
}

double zem_vhdl_pow_double(double base, int32_t exponent) {
    if (base == 2.0) return std::ldexp(1.0, exponent);
    return std::pow(base, static_cast<double>(exponent));
}

int32_t zem_mem_cmp(const void *a, const void *b, uint32_t n) {
    if (n == 0) return 1;
    return std::memcmp(a, b, n) == 0 ? 1 : 0;
}

void zem_mem_set_int64(void *destination, int64_t value, int32_t count) {
    char *out = static_cast<char *>(destination);
    for (int32_t i = 0; i < count; ++i) std::memcpy(out + static_cast<size_t>(i) * sizeof value, &value, sizeof value);
}

uint8_t zem_vhdl_lessthan(void * /*type_descriptor*/, const uint8_t *l, int32_t l_length, const uint8_t *r,
                          int32_t r_length) {
    return compare_enum_arrays(l, l_length, r, r_length) < 0 ? 1 : 0;
}

uint8_t zem_vhdl_lessthanEqual(void * /*type_descriptor*/, const uint8_t *l, int32_t l_length, const uint8_t *r,
                               int32_t r_length) {
    return compare_enum_arrays(l, l_length, r, r_length) <= 0 ? 1 : 0;
}

void *zem_get_memory(uint32_t nbytes) {
    if (nbytes > kMaxScratchRequest) {
        tovu::fail_check("scratch memory request of " + std::to_string(nbytes) + " bytes is too large");
    }
    void *block = std::malloc(nbytes == 0 ? 1 : nbytes);
    if (block == nullptr) tovu::fail_check("out of memory for a scratch block of " + std::to_string(nbytes) + " bytes");
    return block;
}

void zem_put_memory(uint32_t /*nbytes*/, void *buffer) { std::free(buffer); }

}  // extern "C"
