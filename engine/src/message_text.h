// Text taken from input files and the command line, made fit for a one-line
// message: bytes that are not printable are written as \xNN, and a long text
// is cut.
#ifndef TOVU_MESSAGE_TEXT_H
#define TOVU_MESSAGE_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace tovu {

// Longest piece of input shown in a message.
constexpr size_t kMessageTextLimit = 64;

// `text` with every byte outside ' '..'~' written as \xNN; a text longer than
// `limit` bytes keeps its first `limit` bytes followed by "...".
std::string printable(std::string_view text, size_t limit = kMessageTextLimit);

}  // namespace tovu

#endif
