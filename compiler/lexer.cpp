#include "lexer.h"

#include "compile_messages.h"

std::string_view Cursor::readIdentifier() {
    peek();
    if (!isLetter(current())) return {};
    std::size_t start = pos;
    while (isNameChar(current())) ++pos;
    return text.substr(start, pos - start);
}

ValueKind Cursor::readSuffix() {
    if (current() == '#') { ++pos; return ValueKind::Float; }
    if (current() == '$') { ++pos; return ValueKind::String; }
    return ValueKind::Integer;
}

bool Cursor::matchWord(std::string_view word) {
    if (!isLetter(current())) return false;
    std::size_t end = pos;
    while (isNameChar(at(end))) ++end;
    if (!sameName(text.substr(pos, end - pos), word)) return false;
    pos = end;
    return true;
}

namespace {

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    return lowerAscii(c) - 'a' + 10;
}

bool isLetterAfterHex(char c) { return (c >= 'g' && c <= 'z') || (c >= 'G' && c <= 'Z'); }

}  // namespace

int readNumber(Cursor& cur, NumberLiteral& out) {
    out = {};
    std::uint32_t value = 0;  // accumulates with wrap-around, as the image reader does
    if (cur.current() == '$') {
        cur.advance();
        if (!isHexDigit(cur.current())) return SyntaxError;
        while (isHexDigit(cur.current())) {
            value = value * 16 + std::uint32_t(hexValue(cur.current()));
            cur.advance();
        }
        if (isLetterAfterHex(cur.current())) return InvalidHexNumber;
        out.value = std::int32_t(value);
        if (cur.current() != '.') return NoError;
        cur.advance();
        if (!isHexDigit(cur.current())) return SyntaxError;
        // Leading zeros stay zeros; the remaining digits are written as their decimal value.
        while (cur.current() == '0') { out.fraction += '0'; cur.advance(); }
        std::uint32_t frac = 0;
        bool any = false;
        while (isHexDigit(cur.current())) {
            frac = frac * 16 + std::uint32_t(hexValue(cur.current()));
            any = true;
            cur.advance();
        }
        if (isLetterAfterHex(cur.current())) return InvalidHexNumber;
        if (any) out.fraction += std::to_string(frac);
        out.hasFraction = true;
        return NoError;
    }
    if (!isDigit(cur.current())) return SyntaxError;
    while (isDigit(cur.current())) {
        value = value * 10 + std::uint32_t(cur.current() - '0');
        cur.advance();
    }
    out.value = std::int32_t(value);
    if (cur.current() != '.') return NoError;
    cur.advance();
    if (!isDigit(cur.current())) return SyntaxError;
    while (isDigit(cur.current())) {
        out.fraction += cur.current();
        cur.advance();
    }
    out.hasFraction = true;
    return NoError;
}

ValueKind firstTokenKind(std::string_view text, std::size_t pos) {
    auto at = [&](std::size_t i) { return i < text.size() ? text[i] : endOfStatement; };
    for (;; ++pos) {
        char c = at(pos);
        if (c == endOfStatement || c == ',' || c == ']') return ValueKind::None;
        if (c == '"') return ValueKind::String;
        if (c == '\'') return ValueKind::Integer;
        if (isDigit(c) || (c == '$' && isHexDigit(at(pos + 1)))) {
            std::size_t i = c == '$' ? pos + 1 : pos;
            bool hex = c == '$';
            while (hex ? isHexDigit(at(i)) : isDigit(at(i))) ++i;
            return at(i) == '.' ? ValueKind::Float : ValueKind::Integer;
        }
        if (isLetter(c)) {
            std::size_t i = pos;
            while (isNameChar(at(i))) ++i;
            return at(i) == '#' ? ValueKind::Float : at(i) == '$' ? ValueKind::String : ValueKind::Integer;
        }
    }
}
