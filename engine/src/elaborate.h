// Elaboration: types, values and blocks from the design data; the instance
// tree from the top unit.
#ifndef TOVU_ELABORATE_H
#define TOVU_ELABORATE_H

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "kernel.h"

namespace tovu {

struct ElabError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void resolve_unit_types(Unit &u);
const Type *lookup_type(Unit &u, const TypeRef &ref, int line);

// Builds package blocks and, when `top` is not empty, the instance tree.
// Throws ElabError with a "FILE:LINE: error: cause" message.
void elaborate(const std::string &top);

bool parse_value_tokens(const std::vector<Token> &toks, const Type *t, std::vector<uint8_t> &out, std::string &error);

// Interprets a value written in design-data syntax (also used for the
// values of --force and stimulus files) for a type.
std::vector<uint8_t> parse_value_text(const std::string &text, const Type *t, std::string &error);

// Scalar elements of a signal view for an element or slice reference
// (index range of the signal's type); false with a message when invalid.
bool element_range(const Type *t, const SignalRef &r, uint32_t &first, uint32_t &count, std::string &error);

}  // namespace tovu

#endif
