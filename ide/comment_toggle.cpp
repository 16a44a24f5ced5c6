#include "comment_toggle.h"

#include <algorithm>

namespace {

constexpr char remarkMark = ';';

size_t textStart(const std::string& line) { return line.find_first_not_of(" \t"); }

bool isRemark(const std::string& line) {
    const size_t at = textStart(line);
    return at != std::string::npos && line[at] == remarkMark;
}

}  // namespace

std::vector<std::string> toggledComments(const std::vector<std::string>& lines) {
    const bool anyText = std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return textStart(l) != std::string::npos; });
    const bool uncomment = anyText && std::all_of(lines.begin(), lines.end(), [](const std::string& l) {
        return textStart(l) == std::string::npos || isRemark(l);
    });
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const std::string& line : lines) {
        const size_t at = textStart(line);
        std::string changed = line;
        if (at != std::string::npos) {
            if (uncomment)
                changed.erase(at, at + 1 < line.size() && line[at + 1] == ' ' ? 2 : 1);
            else
                changed.insert(at, "; ");
        }
        out.push_back(std::move(changed));
    }
    return out;
}

void toggleComments(CEditorDoc& doc, Caret& caret) {
    const TextPos start = caret.selectionStart();
    const TextPos end = caret.selectionEnd();
    // A selection that ends at the start of a line does not take that line.
    const int lastLine = end.column == 0 && end.line > start.line ? end.line - 1 : end.line;
    std::vector<std::string> lines;
    for (int i = start.line; i <= lastLine; ++i) lines.push_back(contractTabs(doc.line(i)));
    const std::vector<std::string> changed = toggledComments(lines);
    const int oldLength = static_cast<int>(doc.line(caret.pos.line).size());
    bool groupStart = true;
    for (int i = start.line; i <= lastLine; ++i) {
        const std::string& text = changed[static_cast<size_t>(i - start.line)];
        if (text == lines[static_cast<size_t>(i - start.line)]) continue;
        doc.replaceLine(i, expandTabs(text), groupStart);
        groupStart = false;
    }
    if (caret.hasSelection()) {
        caret.anchor = {start.line, 0};
        caret.pos = {lastLine, static_cast<int>(doc.line(lastLine).size())};
        return;
    }
    // The caret moves with the text it stood in; within the indentation it stays.
    const std::string& line = doc.line(caret.pos.line);
    const int shift = static_cast<int>(line.size()) - oldLength;
    const int indentEnd = static_cast<int>(std::min(textStart(line), line.size()));
    int column = caret.pos.column;
    if (column > indentEnd) column = std::clamp(column + shift, indentEnd, static_cast<int>(line.size()));
    caret.moveTo({caret.pos.line, column}, false);
}
