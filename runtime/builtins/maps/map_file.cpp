#include "map_file.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// Sizes below this are raised to it.
constexpr int32_t smallestMapValue = 10;

struct Token {
    int32_t number = 0;
    std::string text;  // the characters of a string token
    bool endOfFile = false;
};

// Letters of "Data" are skipped along with the blanks and commas. A carriage
// return counts as a blank, so files written with CR LF line ends read alike.
bool isSeparator(int c) {
    switch (c) {
        case '\t': case '\n': case '\r': case ' ': case ',':
        case 'A': case 'D': case 'T': case 'a': case 'd': case 't':
            return true;
        default:
            return false;
    }
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

Token readToken(std::FILE* f) {
    Token token;
    int c = std::fgetc(f);
    while (isSeparator(c)) c = std::fgetc(f);
    if (c == EOF) {
        token.endOfFile = true;
        return token;
    }
    if (c == '"') {
        for (c = std::fgetc(f); c != EOF && c != '"'; c = std::fgetc(f)) token.text.push_back(static_cast<char>(c));
        return token;
    }
    const bool negative = c == '-';
    if (negative) c = std::fgetc(f);
    if (!isDigit(c)) {
        // Any other character is a token of value 0; a character after a lone
        // minus starts the next token.
        if (negative && c != EOF) std::ungetc(c, f);
        return token;
    }
    // Kept within 32 bits however many digits follow.
    int64_t value = 0;
    for (; isDigit(c); c = std::fgetc(f)) value = std::min<int64_t>(value * 10 + (c - '0'), std::numeric_limits<int32_t>::max());
    if (c != EOF) std::ungetc(c, f);
    token.number = static_cast<int32_t>(negative ? -value : value);
    return token;
}

}  // namespace

MapResult loadMap(TileMap& m, const std::string& fileName) {
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f) return RunError::FileIoError;
    const int32_t width = std::max(readToken(f).number, smallestMapValue);
    const int32_t height = std::max(readToken(f).number, smallestMapValue);
    const int32_t tileWidth = std::max(readToken(f).number, smallestMapValue);
    const int32_t tileHeight = std::max(readToken(f).number, smallestMapValue);
    std::string tileFileName = readToken(f).text;
    if (!allocateMap(m, width, height)) {
        std::fclose(f);
        return RunError::OutOfMemory;
    }
    m.tileWidth = tileWidth;
    m.tileHeight = tileHeight;
    m.tileFileName = std::move(tileFileName);
    for (int32_t& cell : m.cells) {
        const Token token = readToken(f);
        if (token.endOfFile) break;
        cell = token.number;
    }
    std::fclose(f);
    return std::nullopt;
}
