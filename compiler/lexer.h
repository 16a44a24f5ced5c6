// The lexical layer: one cursor over the statement buffer, identifiers,
// type suffixes, whole words and numeric literals.
#pragma once

#include "names.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t statementLimit = 250;  // longest statement the compiler accepts
inline constexpr char endOfStatement = '\0';

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isNameChar(char c) { return isLetter(c) || isDigit(c); }
inline bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

struct Cursor {
    std::string_view text;  // the statement buffer
    std::size_t pos = 0;

    char at(std::size_t i) const { return i < text.size() ? text[i] : endOfStatement; }
    char current() const { return at(pos); }
    char peek(bool skipBlanks = true) {
        if (skipBlanks)
            while (isBlank(current())) ++pos;
        return current();
    }
    bool atEnd() { return peek() == endOfStatement; }
    void advance(std::size_t n = 1) { pos = pos + n > text.size() ? text.size() : pos + n; }
    std::string_view rest() const { return text.substr(pos < text.size() ? pos : text.size()); }

    // Skips blanks and reads an identifier; empty when none stands here.
    std::string_view readIdentifier();
    // Reads "#" or "$" directly after an identifier; no suffix means integer.
    ValueKind readSuffix();
    // Matches a whole word ignoring case, without skipping blanks; restores the cursor on a miss.
    bool matchWord(std::string_view word);
};

// A numeric literal as the image writes it: the value (fraction dropped) and
// the fraction digits exactly as they are to be written.
struct NumberLiteral {
    std::int32_t value = 0;
    bool hasFraction = false;
    std::string fraction;
};

// Reads a decimal or "$" hexadecimal literal at the cursor; returns a compile error code or 0.
int readNumber(Cursor& cur, NumberLiteral& out);

// The kind of the first token from the cursor on (ValueKind::None at the end, "," or "]").
ValueKind firstTokenKind(std::string_view text, std::size_t pos);
