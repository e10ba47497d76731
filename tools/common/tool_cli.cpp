// What the two tools share on their command lines.
#include "common/tool_cli.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "file_text.h"
#include "message_text.h"

namespace tool_cli {

namespace {

// The identity of `path` (see tovu::FileIdentity), or of standard output
// for an empty path.
tovu::FileIdentity identify(const std::string &path) {
    if (!path.empty()) return tovu::file_identity(path);
    tovu::FileIdentity id;
    id.known = id.exists = ::fstat(STDOUT_FILENO, &id.st) == 0;
    return id;
}

}  // namespace

bool help_asked(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-o")
            ++i;
        else if (arg == "-h" || arg == "--help")
            return true;
    }
    return false;
}

int print_help(const char *tool, const std::string &usage) {
    // The cause is known when the last write fails; an earlier failed write
    // has left only the stream's error flag.
    errno = 0;
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!lost) return 0;
    std::fprintf(stderr, "%s: cannot write standard output: %s\n", tool,
                 errno != 0 ? std::strerror(errno) : "some of it was lost");
    return 1;
}

int failed(const char *tool, const std::string &message, int status) {
    std::fprintf(stderr, "%s: %s\n", tool, message.c_str());
    return status;
}

bool name_output(const std::string &option, const std::string &name, Output &out, std::string &error) {
    if (name.empty()) {
        error = option + ": empty file name";
        return false;
    }
    out = Output{option, name};
    return true;
}

std::string output_spares_input(const Output &out, const std::string &input, const char *what) {
    if (out.path.empty()) return "";
    const tovu::FileIdentity target = identify(out.path);
    struct stat read {};
    if (!target.exists || !S_ISREG(target.st.st_mode) || ::stat(input.c_str(), &read) != 0 ||
        !tovu::same_file(read, target.st))
        return "";
    return out.option + ": output file " + tovu::file_name_text(out.path) + " is the " + what + " " +
           tovu::file_name_text(input) + ", which the tool reads";
}

std::string outputs_apart(const Output &first, const Output &second, const char *what) {
    const tovu::FileIdentity a = identify(first.path);
    if (!tovu::same_file(a, identify(second.path)) || (a.exists && !S_ISREG(a.st.st_mode))) return "";
    const std::string head = second.option + ": output file " + tovu::file_name_text(second.path) + " is ";
    if (first.path.empty()) return head + "standard output, which " + what + " is written to";
    return head + "the file " + tovu::file_name_text(first.path) + " that " + first.option + " writes " + what + " to";
}

}  // namespace tool_cli
