#include "message_text.h"

namespace tovu {

std::string printable(std::string_view text, size_t limit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const bool cut = text.size() > limit;
    if (cut) text = text.substr(0, limit);
    std::string out;
    out.reserve(text.size() + 3);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= ' ' && c <= '~') {
            out += ch;
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    if (cut) out += "...";
    return out;
}

std::string quoted(std::string_view text, size_t limit) {
    const bool literal =
        text.size() >= 2 && (text.front() == '\'' || text.front() == '"') && text.back() == text.front();
    return literal ? printable(text, limit) : "'" + printable(text, limit) + "'";
}

std::string file_name_text(std::string_view path) { return printable(path, kMaxPathInMessage); }

std::string counted(uint64_t n, std::string_view noun) {
    std::string out = std::to_string(n) + " ";
    out += noun;
    if (n != 1) out += 's';
    return out;
}

}  // namespace tovu
