#include "error_file.h"

#include "text_compare.h"

#include <cctype>
#include <fstream>
#include <limits>
#include <sstream>

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

std::optional<std::string> readErrorFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
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

std::vector<DumpEntry> parseVariableDump(std::string_view fileText) {
    constexpr size_t maxField = 256;
    std::vector<DumpEntry> dump;
    size_t end = fileText.find('\n');
    if (end == std::string_view::npos) return dump;
    fileText.remove_prefix(end + 1);
    while (!fileText.empty()) {
        end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t equals = line.find('=');
        const std::string_view name = line.substr(0, equals);
        if (!name.empty()) {
            const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
            dump.push_back({std::string(name.substr(0, maxField)), std::string(value.substr(0, maxField))});
        }
        if (end == std::string_view::npos) break;
        fileText.remove_prefix(end + 1);
    }
    return dump;
}

const DumpEntry* findVariable(const std::vector<DumpEntry>& dump, std::string_view name) {
    for (const DumpEntry& entry : dump)
        if (equalsIgnoringCase(entry.name, name)) return &entry;
    return nullptr;
}
