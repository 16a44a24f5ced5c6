#include "print_layout.h"

#include <algorithm>
#include <cstdio>

int printLinesPerPage(int pageHeight, int lineHeight) {
    if (lineHeight <= 0) return 1;
    return std::max(1, pageHeight / lineHeight - printBodyLine - 1);
}

int printPageCount(int lineCount, int linesPerPage) {
    return std::max(1, (lineCount + linesPerPage - 1) / linesPerPage);
}

std::string printHeader(std::string_view title, int page) {
    return std::string(title) + " (Page " + std::to_string(page) + ")";
}

std::string printedLine(std::string_view line, int lineNumber, bool withNumber) {
    std::string text;
    if (withNumber) {
        char number[32];
        std::snprintf(number, sizeof number, "%-4d ", lineNumber);
        text = number;
    }
    for (char c : line) text += c == '\t' ? ' ' : c;
    return text;
}
