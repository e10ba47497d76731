// Tokens of the design-data text format.
#ifndef TOVU_LEXER_H
#define TOVU_LEXER_H

#include <cstdint>
#include <string>
#include <vector>

namespace tovu {

enum class Tok { Ident, Number, Real, String, HexString, Char, Punct, End };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // identifier (lower case), punctuation, string contents, char
    int64_t num = 0;
    double real = 0;
};

// One statement: the tokens of a logical line (continuations joined).
struct Statement {
    int line = 0;
    std::vector<Token> toks;
};

// Longest statement (its lines joined), in bytes.
constexpr size_t kMaxStatementLength = 1 << 20;

// Splits a file's text into statements. Returns false with the cause in
// `error` and its line in `error_line`: a statement longer than
// kMaxStatementLength, a last line that ends in a continuation mark, or a
// token that cannot be read.
bool tokenize(const std::string &text, std::vector<Statement> &out, std::string &error, int &error_line);

std::string to_lower(std::string s);

// Value of a hexadecimal digit (either case), or -1.
int hex_value(char c);

}  // namespace tovu

#endif
