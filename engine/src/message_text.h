// Text taken from input files and the command line, made fit for a one-line
// message: bytes that are not printable are written as \xNN, and a long text
// is cut. File names get the same escaping but stay whole.
#ifndef TOVU_MESSAGE_TEXT_H
#define TOVU_MESSAGE_TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tovu {

// Longest piece of input shown in a message.
constexpr size_t kMessageTextLimit = 64;

// `text` with every byte outside ' '..'~' written as \xNN; a text longer than
// `limit` bytes keeps its first `limit` bytes followed by "...".
std::string printable(std::string_view text, size_t limit = kMessageTextLimit);

// A piece of input as a message quotes it: printable() between single
// quotes, or as written when it is a quoted literal itself ('1', "0101"), so
// that it is not quoted twice.
std::string quoted(std::string_view text, size_t limit = kMessageTextLimit);

// Longest file name shown whole in a message: the longest path the system
// accepts (PATH_MAX), so a file the program could open is never cut.
constexpr size_t kMaxPathInMessage = 4096;

// A file's name as every message shows it: printable(), cut only past
// kMaxPathInMessage bytes.
std::string file_name_text(std::string_view path);

// "1 error", "2 errors": a count and an English noun that takes "s" in the
// plural.
std::string counted(uint64_t n, std::string_view noun);

}  // namespace tovu

#endif
