#include "file_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tovu {

namespace {

// Closes the descriptor when reading ends, on every path.
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

FileIdentity file_identity(const std::string &path) {
    FileIdentity id;
    if (::stat(path.c_str(), &id.st) == 0) {
        id.known = id.exists = true;
        return id;
    }
    if (errno != ENOENT) return id;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    id.last = slash == std::string::npos ? path : path.substr(slash + 1);
    id.known = !id.last.empty() && ::stat(folder.c_str(), &id.st) == 0;
    return id;
}

bool read_text_file(const std::string &path, size_t max_bytes, std::string &text, std::string &cause) {
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        cause = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(file.fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        cause = "is a folder, not a file";
        return false;
    }
    text.clear();
    char chunk[65536];
    while (true) {
        const ssize_t got = ::read(file.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            cause = std::string("read error: ") + std::strerror(errno);
            return false;
        }
        if (got == 0) return true;
        if (text.size() + static_cast<size_t>(got) > max_bytes) {
            cause = "is larger than " + std::to_string(max_bytes) + " bytes";
            return false;
        }
        text.append(chunk, static_cast<size_t>(got));
    }
}

}  // namespace tovu
