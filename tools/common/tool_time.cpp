// Times on the tools' command lines.
#include "common/tool_time.h"

#include <cctype>
#include <limits>

#include "message_text.h"
#include "sim_time.h"

namespace tool_time {

namespace {

// `text` with a final unit `s` written as `sec`; unchanged otherwise.
std::string seconds_as_sec(std::string_view text) {
    const size_t last = text.find_last_not_of(" \t");
    if (last == std::string_view::npos || (text[last] != 's' && text[last] != 'S')) return std::string(text);
    if (last > 0 && std::isalpha(static_cast<unsigned char>(text[last - 1]))) return std::string(text);
    return std::string(text.substr(0, last)) + "sec" + std::string(text.substr(last + 1));
}

}  // namespace

bool parse(std::string_view text, Ps &time, std::string &error) {
    const std::string quoted = "'" + tovu::printable(text) + "'";
    const std::string written = seconds_as_sec(text);
    tovu::ExactTime exact;
    if (!tovu::parse_exact_time(written, exact, error, "ps")) {
        // the message quotes the time as the user wrote it
        const std::string rewritten = "'" + tovu::printable(written) + "'";
        if (const size_t at = error.find(rewritten); at != std::string::npos)
            error.replace(at, rewritten.size(), quoted);
        return false;
    }
    if (exact.negative && exact.digits != 0) {
        error = "bad time " + quoted + ": must not be negative";
        return false;
    }
    // value in ps = digits * 10^(exponent - 3), as num / 10^k
    constexpr unsigned __int128 kLimit = std::numeric_limits<int64_t>::max();
    unsigned __int128 num = exact.digits;
    int exponent = exact.exponent - 3;
    for (; exponent < 0 && num != 0 && num % 10 == 0; ++exponent) num /= 10;
    for (; exponent > 0 && num != 0; --exponent) {
        if (num > kLimit / 10) break;
        num *= 10;
    }
    if (num > kLimit || (exponent > 0 && num != 0)) {
        error = "bad time " + quoted + ": out of range";
        return false;
    }
    int64_t den = 1;
    for (; exponent < 0 && num != 0; ++exponent) {
        if (den == kMaxDen) {
            error = "bad time " + quoted + ": finer than 0.000001 ps";
            return false;
        }
        den *= 10;
    }
    time = Ps{static_cast<int64_t>(num), den};
    return true;
}

}  // namespace tool_time
