#include "find_replace.h"

#include "edit_commands.h"

#include <cctype>

bool matchesAt(const std::string& line, int column, const FindOptions& options) {
    const size_t at = static_cast<size_t>(column);
    const size_t length = options.text.size();
    if (length == 0 || column < 0 || at + length > line.size()) return false;
    for (size_t i = 0; i < length; ++i) {
        const char a = line[at + i];
        const char b = options.text[i];
        if (options.matchCase ? a != b
                              : std::tolower(static_cast<unsigned char>(a)) != std::tolower(static_cast<unsigned char>(b)))
            return false;
    }
    if (options.wholeWord) {
        if (at > 0 && isWordChar(line[at - 1])) return false;
        if (at + length < line.size() && isWordChar(line[at + length])) return false;
    }
    return true;
}

std::optional<TextPos> findText(const CEditorDoc& doc, TextPos from, const FindOptions& options) {
    if (options.text.empty() || doc.lineCount() == 0) return std::nullopt;
    if (options.down) {
        for (int line = from.line; line < doc.lineCount(); ++line) {
            const std::string& text = doc.line(line);
            for (int column = line == from.line ? from.column : 0; column < static_cast<int>(text.size()); ++column)
                if (matchesAt(text, column, options)) return TextPos{line, column};
        }
        return std::nullopt;
    }
    for (int line = std::min(from.line, doc.lineCount() - 1); line >= 0; --line) {
        const std::string& text = doc.line(line);
        const int last = line == from.line ? from.column - 1 : static_cast<int>(text.size()) - 1;
        for (int column = last; column >= 0; --column)
            if (matchesAt(text, column, options)) return TextPos{line, column};
    }
    return std::nullopt;
}

TextPos replaceMatch(CEditorDoc& doc, TextPos at, const FindOptions& options, const std::string& replacement,
                     bool groupStart) {
    const std::string& line = doc.line(at.line);
    const size_t column = static_cast<size_t>(at.column);
    std::string changed = line.substr(0, column) + replacement + line.substr(column + options.text.size());
    doc.replaceLine(at.line, std::move(changed), groupStart);
    return {at.line, at.column + static_cast<int>(replacement.size())};
}

int replaceAll(CEditorDoc& doc, const FindOptions& options, const std::string& replacement) {
    if (doc.isReadOnly()) return 0;
    const CEditorDoc::ChangeBatch batch(doc);
    FindOptions forward = options;
    forward.down = true;
    int count = 0;
    TextPos from{0, 0};
    while (const std::optional<TextPos> match = findText(doc, from, forward)) {
        from = replaceMatch(doc, *match, forward, replacement, count == 0);
        ++count;
    }
    return count;
}
