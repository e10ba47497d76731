#include "sim_time.h"

#include <array>
#include <cctype>
#include <limits>

#include "message_text.h"

namespace tovu {

namespace {

// A unit's size in femtoseconds is factor * 10^pow10.
struct TimeUnit {
    const char *name;
    int factor;
    int pow10;
};

constexpr std::array<TimeUnit, 8> kUnits{{
    {"fs", 1, 0},
    {"ps", 1, 3},
    {"ns", 1, 6},
    {"us", 1, 9},
    {"ms", 1, 12},
    {"sec", 1, 15},
    {"min", 6, 16},
    {"hr", 36, 17},
}};

constexpr int kFsPerPsPow10 = 3;
// Significant digits kept exactly; more than this is refused as out of range.
constexpr int kMaxSignificantDigits = 36;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool same_text_ignoring_case(std::string_view a, const char *b) {
    std::string_view bv(b);
    if (a.size() != bv.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != bv[i]) return false;
    }
    return true;
}

// The units as messages list them.
constexpr const char *kUnitList = "fs, ps, ns, us, ms, sec, min, hr";

// Whether text starts with an exponent ("e3", "E+3", "e-12").
bool starts_exponent(std::string_view text) {
    if (text.empty() || (text[0] != 'e' && text[0] != 'E')) return false;
    const size_t digit = text.size() > 1 && (text[1] == '+' || text[1] == '-') ? 2 : 1;
    return digit < text.size() && std::isdigit(static_cast<unsigned char>(text[digit]));
}

const TimeUnit *find_unit(std::string_view name) {
    for (const TimeUnit &u : kUnits) {
        if (same_text_ignoring_case(name, u.name)) return &u;
    }
    return nullptr;
}

}  // namespace

bool parse_exact_time(std::string_view text, ExactTime &time, std::string &error, const char *default_unit) {
    const std::string quoted = "'" + printable(text) + "'";
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && is_blank(text[i])) ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Collect the significant digits of the number exactly: leading zeros
    // and trailing fractional zeros do not count.
    using u128 = unsigned __int128;
    u128 mantissa = 0;
    int significant = 0;
    int fraction_digits = 0;  // fractional digits included in mantissa
    int pending_zeros = 0;    // fractional zeros not yet folded in
    bool any_digit = false;
    bool too_long = false;

    auto add_digit = [&](int d) {
        if (mantissa == 0 && d == 0) return;
        if (++significant > kMaxSignificantDigits) {
            too_long = true;
            return;
        }
        mantissa = mantissa * 10 + static_cast<unsigned>(d);
    };

    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        add_digit(text[i] - '0');
        any_digit = true;
        ++i;
    }
    if (!any_digit) {
        error = "bad time " + quoted + ": expected a number followed by a unit (" + kUnitList + ")";
        return false;
    }
    if (i < n && text[i] == '.') {
        ++i;
        bool fraction_digit = false;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            const int d = text[i] - '0';
            fraction_digit = true;
            ++i;
            if (d == 0) {
                ++pending_zeros;
                continue;
            }
            while (pending_zeros > 0 && !too_long) {
                add_digit(0);
                ++fraction_digits;
                --pending_zeros;
            }
            add_digit(d);
            ++fraction_digits;
        }
        if (!fraction_digit) {
            error = "bad time " + quoted + ": expected digits after '.'";
            return false;
        }
    }

    if (starts_exponent(text.substr(i))) {
        error = "bad time " + quoted + ": an exponent is not allowed, write the number in full";
        return false;
    }

    while (i < n && is_blank(text[i])) ++i;
    size_t unit_start = i;
    while (i < n && std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
    const std::string_view unit_name = text.substr(unit_start, i - unit_start);
    while (i < n && is_blank(text[i])) ++i;
    if (i != n) {
        const std::string rest = "'" + printable(text.substr(i)) + "'";
        error = "bad time " + quoted + ": unexpected text " + rest +
                (unit_name.empty()      ? " after the number, expected a unit (" + std::string(kUnitList) + ")"
                 : find_unit(unit_name) ? " after the unit '" + std::string(unit_name) + "'"
                                        : " after '" + std::string(unit_name) + "'");
        return false;
    }
    if (unit_name.empty() && default_unit == nullptr) {
        error = "bad time " + quoted + ": missing unit (" + kUnitList + ")";
        return false;
    }
    const TimeUnit *unit = find_unit(unit_name.empty() ? std::string_view(default_unit) : unit_name);
    if (unit == nullptr) {
        error = "bad time " + quoted + ": unknown unit '" + std::string(unit_name) + "' (" + kUnitList + ")";
        return false;
    }
    if (too_long) {
        error = "bad time " + quoted + ": too many significant digits";
        return false;
    }
    time.negative = negative;
    time.digits = mantissa * static_cast<unsigned>(unit->factor);
    time.exponent = unit->pow10 - fraction_digits;
    return true;
}

bool parse_time(std::string_view text, int64_t &ps, std::string &error) {
    using u128 = unsigned __int128;
    ExactTime exact;
    if (!parse_exact_time(text, exact, error)) return false;
    const std::string quoted = "'" + printable(text) + "'";
    const bool negative = exact.negative;

    // value in ps = digits * 10^(exponent - 3)
    u128 value = exact.digits;
    int exponent = exact.exponent - kFsPerPsPow10;
    const u128 limit =
        negative ? u128(std::numeric_limits<int64_t>::max()) + 1 : u128(std::numeric_limits<int64_t>::max());
    for (; exponent < 0; ++exponent) {
        if (value % 10 != 0) {
            error = "bad time " + quoted + ": not a whole number of picoseconds";
            return false;
        }
        value /= 10;
    }
    for (; exponent > 0 && value != 0; --exponent) {
        if (value > limit / 10) {
            value = limit + 1;
            break;
        }
        value *= 10;
    }
    if (value > limit) {
        error = "bad time " + quoted + ": out of range";
        return false;
    }
    if (negative) {
        ps = value == 0 ? 0 : static_cast<int64_t>(-static_cast<int64_t>(value - 1) - 1);
    } else {
        ps = static_cast<int64_t>(value);
    }
    return true;
}

std::string format_time(int64_t ps) {
    static constexpr std::array<std::pair<int64_t, const char *>, 4> kLarger{{
        {1'000'000'000'000LL, "sec"},
        {1'000'000'000LL, "ms"},
        {1'000'000LL, "us"},
        {1'000LL, "ns"},
    }};
    if (ps != 0) {
        for (const auto &[size, name] : kLarger) {
            if (ps % size == 0) return std::to_string(ps / size) + " " + name;
        }
    }
    return std::to_string(ps) + " ps";
}

}  // namespace tovu
