// What the design-data parser must do with any input: return, and when it
// refuses the input, say why in one printable line "FILE:LINE: error: CAUSE"
// of bounded length that names a line of the file and shows no library
// exception text. Shared by the fuzz target and the test that replays its
// corpus.
#ifndef TOVU_TESTS_FUZZ_DIDAT_INPUT_CHECK_H
#define TOVU_TESTS_FUZZ_DIDAT_INPUT_CHECK_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "design.h"

namespace tovu_test {

struct DidatOutcome {
    bool accepted = false;
    std::string error;    // the parser's message when refused
    std::string problem;  // empty when the parser behaved
};

// Whether a cause is the text of a standard-library exception (what() of
// std::stoul, std::string::substr, std::vector::at ...); the parser's own
// causes that quote the input always start with words of their own.
inline bool library_text(const std::string &cause) {
    for (const char *s : {"stoi", "stol", "stoul", "stoll", "stoull", "stof", "stod"})
        if (cause == s) return true;
    for (const char *p : {"basic_string", "vector::", "std::", "map::", "bad_", "cannot create std::"})
        if (cause.rfind(p, 0) == 0) return true;
    return false;
}

inline DidatOutcome check_didat_input(const uint8_t *data, size_t size) {
    static const std::string name = "input.didat";
    const std::string text(reinterpret_cast<const char *>(data), size);
    DidatOutcome r;
    tovu::UnitDesc desc;
    r.accepted = tovu::parse_didat(name, text, desc, r.error);
    if (r.accepted) {
        if (desc.block_size > (1u << 26)) r.problem = "accepted a block larger than 64 MiB";
        return r;
    }
    const std::string &e = r.error;
    size_t lines = 1;
    for (char c : text) lines += c == '\n';
    const size_t colon = e.find(':', name.size() + 1);
    if (e.compare(0, name.size() + 1, name + ":") != 0 || colon == std::string::npos) {
        r.problem = "message without FILE:LINE";
        return r;
    }
    const std::string number = e.substr(name.size() + 1, colon - name.size() - 1);
    if (number.empty() || number.size() > 9 || number.find_first_not_of("0123456789") != std::string::npos ||
        std::stoul(number) == 0 || std::stoul(number) > lines)
        r.problem = "message names no line of the file";
    else if (e.compare(colon, 9, ": error: ") != 0)
        r.problem = "message without ': error: '";
    else if (e.size() > 400)
        r.problem = "message longer than 400 bytes";
    else if (library_text(e.substr(colon + 9)))
        r.problem = "library exception text in the message";
    for (char c : e)
        if (c < ' ' || c > '~') r.problem = "byte that is not printable in the message";
    return r;
}

}  // namespace tovu_test

#endif
