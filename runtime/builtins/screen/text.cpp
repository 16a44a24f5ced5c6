#include "screen/text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int cellWidth = 10;   // font image cell pitch
constexpr int cellHeight = 15;
constexpr int cellsPerRow = 20;
constexpr int glyphWidth = 10;  // part of a cell that is drawn
constexpr int glyphHeight = 13;
constexpr int underlineRow = 12;

// Reads font pixels in drawing order; a position outside the font image
// repeats the pixel read last, so a short font image degrades instead of failing.
struct FontReader {
    const ArgbImage& font;
    uint32_t last;
    explicit FontReader(const ArgbImage& f) : font(f), last(f.width > 0 && f.height > 0 ? f.at(0, 0) : 0) {}
    uint32_t read(int x, int y) {
        if (x >= 0 && x < font.width && y >= 0 && y < font.height) last = font.at(x, y);
        return last;
    }
};

// Cursor arithmetic saturates, so that far-off positions stay far off.
int saturated(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void putTextPixel(Screen& s, int x, int y) {
    if (insideBuffer(s, x, y)) s.buffer.row(y)[x] = s.ink;
}

void drawGlyph(Screen& s, FontReader& reader, int x, int y, unsigned char code) {
    const int fontX = (code % cellsPerRow) * cellWidth;
    const int fontY = (code / cellsPerRow) * cellHeight;
    for (int k = 0; k < glyphWidth; ++k) {
        for (int j = 0; j < glyphHeight; ++j) {
            const bool set = (reader.read(fontX + k, fontY + j) >> 24) != 0;
            if (set || (s.underline && j == underlineRow)) putTextPixel(s, x + k, y + j);
        }
    }
}

}  // namespace

Point drawText(Screen& s, int x, int y, std::string_view text) {
    FontReader reader(s.font);
    const int step = s.bold ? boldTextStep : textStep;
    int64_t atX = x, atY = y;
    for (char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code == 0 || code >= 128) break;
        const bool nearBuffer = atX > -glyphWidth - 1 && atX <= s.bufferX && atY > -glyphHeight && atY <= s.bufferY;
        if (nearBuffer) {
            drawGlyph(s, reader, static_cast<int>(atX), static_cast<int>(atY), code);
            if (s.bold) drawGlyph(s, reader, static_cast<int>(atX) + 1, static_cast<int>(atY), code);
        }
        atX += step;
        if (atX > s.width - textStep) {
            atX = 0;
            atY += textLineHeight;
        }
    }
    s.bufferChanged = true;
    return {saturated(atX), saturated(atY)};
}

void textAt(Screen& s, int x, int y, std::string_view text) { drawText(s, x, y, text); }

void center(Screen& s, std::string_view text) {
    const int length = static_cast<int>(text.size());
    drawText(s, s.width / 2 - (length * textStep + 16) / 2, s.cursorY, text);
    s.cursorX = 0;
    s.cursorY = saturated(int64_t{s.cursorY} + textLineHeight);
}

void locate(Screen& s, int column, int row) {
    s.cursorX = saturated(int64_t{column} * textStep);
    s.cursorY = saturated(int64_t{row} * textLineHeight);
}

void printString(Screen& s, std::string_view text) {
    if (text.empty()) {
        s.cursorX = 0;
        s.cursorY = saturated(int64_t{s.cursorY} + textLineHeight);
        return;
    }
    const Point next = drawText(s, s.cursorX, s.cursorY, text);
    s.cursorX = next.x;
    s.cursorY = next.y;
}
