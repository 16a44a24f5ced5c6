#include "work_protocol.h"

#include <limits>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A run of more digits than an int holds stays at the largest int: a line
// number beyond the document still goes to its last line.
int readNumber(std::string_view text, size_t& i) {
    int value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        value = value > (std::numeric_limits<int>::max() - (text[i] - '0')) / 10 ? std::numeric_limits<int>::max()
                                                                                : value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

std::string errorLine(int line, int code, std::string_view text) {
    std::string out = std::to_string(line) + "." + std::to_string(code);
    out += text;
    return out;
}

std::string withScreenSize(std::string_view line, int width, int height) {
    std::string out(line);
    out += "[" + std::to_string(width) + "-" + std::to_string(height) + "]";
    return out;
}

std::string_view firstErrorLine(std::string_view fileText) {
    constexpr size_t maxLength = 125;
    size_t end = 0;
    while (end < fileText.size() && end < maxLength && fileText[end] != '\n' && fileText[end] != '\0') ++end;
    std::string_view line = fileText.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

ErrorReport parseErrorLine(std::string_view line) {
    ErrorReport report;
    size_t i = 0;
    report.line = readNumber(line, i);
    if (i < line.size() && line[i] == '.') {
        ++i;
        report.code = readNumber(line, i);
    }
    // Fields in the order they follow each other; a second "|" continues the line text.
    enum { Message, LineText, Detail, MoreLineText } field = Message;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '[') {
            while (i < line.size() && line[i] != ']') ++i;
            continue;
        }
        switch (field) {
        case Message:
            if (c == '|')
                field = LineText;
            else
                report.message += c == 7 ? '[' : c;
            break;
        case LineText:
            if (c == ':')
                field = Detail;
            else
                report.lineText += c;
            break;
        case Detail:
            if (c == '|') {
                field = MoreLineText;
                report.lineText += ' ';
            } else {
                report.detail += c;
            }
            break;
        case MoreLineText:
            report.lineText += c;
            break;
        }
    }
    return report;
}

ScreenSize parseScreenSize(std::string_view line) {
    ScreenSize size;
    size_t i = line.find('[');
    if (i == std::string_view::npos) return size;
    ++i;
    size.width = readNumber(line, i);
    while (i < line.size() && line[i] != '-' && line[i] != ']') ++i;
    if (i < line.size() && line[i] == '-') {
        ++i;
        size.height = readNumber(line, i);
    }
    return size;
}
