#include "stimulus.h"

#include <cctype>
#include <string_view>

#include "file_text.h"
#include "message_text.h"
#include "sim_time.h"

namespace tovu {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Reads a string literal starting at line[i] == '"'; a doubled quote stands
// for one quote inside. Leaves i after the closing quote.
bool skip_string_literal(std::string_view line, size_t &i) {
    ++i;
    while (i < line.size()) {
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                i += 2;
                continue;
            }
            ++i;
            return true;
        }
        ++i;
    }
    return false;
}

// Splits a line into blank-separated tokens. A token that starts with '#'
// begins a comment (so based literals such as 16#FF# stay whole). A token
// that starts with a quote is a character literal ('c'); a '"' anywhere in a
// token opens a string literal that may hold blanks.
bool tokenize(std::string_view line, std::vector<std::string> &tokens, std::string &cause) {
    size_t i = 0;
    while (true) {
        while (i < line.size() && is_blank(line[i])) ++i;
        if (i >= line.size() || line[i] == '#') return true;
        const size_t start = i;
        if (line[i] == '\'') {
            if (i + 2 >= line.size() || line[i + 2] != '\'') {
                cause = "unterminated character literal";
                return false;
            }
            i += 3;
        } else {
            while (i < line.size() && !is_blank(line[i])) {
                if (line[i] == '"') {
                    if (!skip_string_literal(line, i)) {
                        cause = "unterminated string literal";
                        return false;
                    }
                } else {
                    ++i;
                }
            }
        }
        if (i < line.size() && !is_blank(line[i]) && line[i] != '#') {
            cause =
                "unexpected text '" + printable(line.substr(i)) + "' after " + printable(line.substr(start, i - start));
            return false;
        }
        tokens.emplace_back(line.substr(start, i - start));
    }
}

bool is_word(const std::string &token) {
    for (char c : token)
        if (!std::isalpha(static_cast<unsigned char>(c))) return false;
    return !token.empty();
}

bool looks_like_path(const std::string &token) { return token[0] != '\'' && token[0] != '"'; }

class Parser {
public:
    Parser(const std::string &file_name, StimulusFile &out) : file_name_(file_name), out_(out) {}

    bool line(std::string_view text, int number, std::string &error) {
        line_number_ = number;
        std::vector<std::string> tokens;
        std::string cause;
        if (!tokenize(text, tokens, cause)) return fail(cause, error);
        if (tokens.empty()) return true;
        if (equals_ignoring_case(tokens[0], "clock")) return clock_line(tokens, error);
        return change_line(tokens, error);
    }

private:
    bool fail(const std::string &cause, std::string &error) const {
        error = stimulus_place(file_name_, line_number_) + ": " + cause;
        return false;
    }

    bool clock_line(const std::vector<std::string> &tokens, std::string &error) {
        if (tokens.size() < 3) return fail("expected 'clock PATH PERIOD'", error);
        if (!looks_like_path(tokens[1])) return fail("expected a signal path, got " + printable(tokens[1]), error);
        std::string period_text = tokens[2];
        for (size_t k = 3; k < tokens.size(); ++k) period_text += " " + tokens[k];
        int64_t period = 0;
        std::string cause;
        if (!parse_time(period_text, period, cause)) return fail("clock period: " + cause, error);
        if (period < kMinClockPeriod)
            return fail("clock period of " + printable(tokens[1]) + " must be at least " + format_time(kMinClockPeriod),
                        error);
        out_.clocks.push_back({tokens[1], period, line_number_});
        return true;
    }

    bool change_line(const std::vector<std::string> &tokens, std::string &error) {
        // The time is either one token ("125ns") or a number and a unit.
        int64_t time = 0;
        size_t next = 1;
        std::string cause;
        if (!parse_time(tokens[0], time, cause)) {
            std::string second_cause;
            if (tokens.size() < 2 || !parse_time(tokens[0] + " " + tokens[1], time, second_cause)) {
                // A number followed by a word is a time with a bad unit; a
                // number followed by a path has lost its unit.
                const bool number_and_word = tokens.size() >= 2 &&
                                             std::isdigit(static_cast<unsigned char>(tokens[0].back())) &&
                                             is_word(tokens[1]);
                return fail(number_and_word ? second_cause : cause, error);
            }
            next = 2;
        }
        if (time < 0) return fail("negative time " + format_time(time), error);
        if (have_previous_ && time < previous_time_) {
            return fail("time " + format_time(time) + " is earlier than the previous change at " +
                            format_time(previous_time_) + " (times are absolute and must not decrease)",
                        error);
        }
        if (next >= tokens.size()) return fail("missing signal path and value after the time", error);
        const std::string &path = tokens[next];
        if (!looks_like_path(path)) return fail("expected a signal path, got " + printable(path), error);
        if (next + 1 >= tokens.size()) return fail("missing value for " + printable(path), error);
        if (next + 2 < tokens.size()) return fail("unexpected " + quoted(tokens[next + 2]) + " after the value", error);
        out_.changes.push_back({time, path, tokens[next + 1], line_number_});
        have_previous_ = true;
        previous_time_ = time;
        return true;
    }

    const std::string &file_name_;
    StimulusFile &out_;
    int line_number_ = 0;
    bool have_previous_ = false;
    int64_t previous_time_ = 0;
};

}  // namespace

std::string stimulus_place(const std::string &file_name, int line) {
    return file_name_text(file_name) + ":" + std::to_string(line);
}

bool parse_stimulus_text(const std::string &text, const std::string &file_name, StimulusFile &out, std::string &error) {
    StimulusFile parsed;
    Parser parser(file_name, parsed);
    std::string_view rest(text);
    int number = 0;
    while (!rest.empty()) {
        const size_t nl = rest.find('\n');
        const std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        ++number;
        if (line.size() > kMaxStimulusLineLength) {
            error = stimulus_place(file_name, number) + ": line longer than " + std::to_string(kMaxStimulusLineLength) +
                    " bytes";
            return false;
        }
        if (!parser.line(line, number, error)) return false;
    }
    out = std::move(parsed);
    return true;
}

bool parse_stimulus(const std::string &file_name, StimulusFile &out, std::string &error) {
    std::string text, cause;
    if (!read_text_file(file_name, kMaxStimulusSize, text, cause)) {
        error = file_name_text(file_name) + ": " + cause;
        return false;
    }
    return parse_stimulus_text(text, file_name, out, error);
}

}  // namespace tovu
