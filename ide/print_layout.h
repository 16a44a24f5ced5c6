// How a document is cut into printed pages.
#pragma once

#include <string>
#include <string_view>

inline constexpr int printHeaderLine = 2;  // the header is printed two line heights from the top
inline constexpr int printBodyLine = 6;    // the body starts at the sixth line height

// Lines that fit on a page of this height below the body start; at least one.
int printLinesPerPage(int pageHeight, int lineHeight);
int printPageCount(int lineCount, int linesPerPage);
// "title (Page n)"
std::string printHeader(std::string_view title, int page);
// A document line as printed: tabs as blanks, with "%-4d " and its number when asked.
std::string printedLine(std::string_view line, int lineNumber, bool withNumber);
