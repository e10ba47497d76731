// Reading the kernel's input files (design data, stimulus) whole, with a
// bound on their size, so that a path naming a folder, an unreadable file or
// an endless device ends in a clear message; telling whether two names reach
// one file.
#ifndef TOVU_FILE_TEXT_H
#define TOVU_FILE_TEXT_H

#include <sys/stat.h>

#include <cstddef>
#include <string>

namespace tovu {

// Reads the file at `path` into `text`. A file of more than `max_bytes`
// bytes, a folder, or a file that cannot be opened or read gives false with
// `cause` set to a short reason ("is a folder, not a file", "cannot open: No
// such file or directory", "is larger than 16777216 bytes", ...).
bool read_text_file(const std::string &path, size_t max_bytes, std::string &text, std::string &cause);

// Whether two status records describe one file, whatever names reached it
// (links, "/dev/stdout", "/proc/self/fd/N", "dir/../file").
inline bool same_file(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace tovu

#endif
