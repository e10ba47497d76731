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

// A file as a path names it: one that exists by its device and inode, one
// not yet created by the folder it would be made in and its last name
// component, so that "x", "./x" and "dir/../x" are one file even before it
// is made. Unknown when neither can be found (a missing folder).
struct FileIdentity {
    bool known = false;
    bool exists = false;
    struct stat st {};  // of the file, or of its folder
    std::string last;   // the last name component of a file not yet created
};

FileIdentity file_identity(const std::string &path);

// Whether two identities are known and name one file.
inline bool same_file(const FileIdentity &a, const FileIdentity &b) {
    return a.known && b.known && a.exists == b.exists && same_file(a.st, b.st) && (a.exists || a.last == b.last);
}

}  // namespace tovu

#endif
