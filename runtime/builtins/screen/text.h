// Text output with the system font image: 8-pixel steps (9 in bold), 12-pixel
// lines, wrapping before the right edge of the screen.
#pragma once

#include <string_view>

#include "screen/screen.h"

inline constexpr int textStep = 8;
inline constexpr int boldTextStep = 9;
inline constexpr int textLineHeight = 12;

// Draws s at (x, y) and returns where the next character would go.
Point drawText(Screen& s, int x, int y, std::string_view text);

// Text x, y, s: the cursor stays where it was.
void textAt(Screen& s, int x, int y, std::string_view text);

// Center s: on the cursor row, then the cursor moves to the next row.
void center(Screen& s, std::string_view text);

void locate(Screen& s, int column, int row);
inline int cursorColumn(const Screen& s) { return s.cursorX / textStep; }
inline int cursorRow(const Screen& s) { return s.cursorY / textLineHeight; }

// Print at the cursor (numbers come formatted); the empty text starts a new line.
void printString(Screen& s, std::string_view text);
