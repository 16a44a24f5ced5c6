#include "edit_commands.h"

#include <algorithm>
#include <cctype>

namespace {

int lineLength(const CEditorDoc& doc, int line) { return static_cast<int>(doc.line(line).size()); }

// The tab whose padding holds this column, or -1.
int tabOwning(const std::string& line, int column) {
    for (int t = column - 1; t >= 0 && column - t <= tabStop - 1; --t) {
        if (line[static_cast<size_t>(t)] == '\t') return column - t <= tabPadding(t) ? t : -1;
        if (line[static_cast<size_t>(t)] != ' ') return -1;
    }
    return -1;
}

// The in-memory line without tab padding, and the caret column within it.
struct RawLine {
    std::string text;
    int column;
};

RawLine rawLine(const std::string& line, int column) {
    return {contractTabs(line), static_cast<int>(contractTabs(line.substr(0, static_cast<size_t>(column))).size())};
}

}  // namespace

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int snapColumn(const std::string& line, int column) {
    column = std::clamp(column, 0, static_cast<int>(line.size()));
    const int tab = tabOwning(line, column);
    return tab >= 0 ? tab : column;
}

TextPos leftOf(const CEditorDoc& doc, TextPos pos) {
    if (pos.column > 0) return {pos.line, snapColumn(doc.line(pos.line), pos.column - 1)};
    if (pos.line > 0) return {pos.line - 1, lineLength(doc, pos.line - 1)};
    return pos;
}

TextPos rightOf(const CEditorDoc& doc, TextPos pos) {
    const std::string& line = doc.line(pos.line);
    if (pos.column < static_cast<int>(line.size())) {
        int next = pos.column + 1;
        if (line[static_cast<size_t>(pos.column)] == '\t')
            while (next < static_cast<int>(line.size()) && tabOwning(line, next) == pos.column) ++next;
        return {pos.line, next};
    }
    if (pos.line + 1 < doc.shownLineCount()) return {pos.line + 1, 0};
    return pos;
}

TextPos wordLeftOf(const CEditorDoc& doc, TextPos pos) {
    if (pos.column == 0) return leftOf(doc, pos);
    const std::string& line = doc.line(pos.line);
    int column = std::min(pos.column, static_cast<int>(line.size()));
    while (column > 0 && !isWordChar(line[static_cast<size_t>(column - 1)])) --column;
    while (column > 0 && isWordChar(line[static_cast<size_t>(column - 1)])) --column;
    return {pos.line, column};
}

TextPos wordRightOf(const CEditorDoc& doc, TextPos pos) {
    const std::string& line = doc.line(pos.line);
    const int length = static_cast<int>(line.size());
    if (pos.column >= length) return rightOf(doc, pos);
    int column = pos.column;
    while (column < length && isWordChar(line[static_cast<size_t>(column)])) ++column;
    while (column < length && !isWordChar(line[static_cast<size_t>(column)])) ++column;
    return {pos.line, column};
}

TextPos onLine(const CEditorDoc& doc, int line, int column) {
    line = std::clamp(line, 0, doc.shownLineCount() - 1);
    return {line, snapColumn(doc.line(line), column)};
}

TextPos endOf(const CEditorDoc& doc) {
    const int last = doc.shownLineCount() - 1;
    return {last, lineLength(doc, last)};
}

std::string selectedText(const CEditorDoc& doc, const Caret& caret) {
    const TextPos start = caret.selectionStart();
    const TextPos end = caret.selectionEnd();
    std::string text;
    for (int i = start.line; i <= end.line; ++i) {
        const std::string& line = doc.line(i);
        const size_t from = i == start.line ? static_cast<size_t>(start.column) : 0;
        const size_t to = i == end.line ? static_cast<size_t>(end.column) : line.size();
        if (i > start.line) text += '\n';
        text += contractTabs(line.substr(std::min(from, line.size()), to > from ? to - from : 0));
    }
    return text;
}

void deleteSelection(CEditorDoc& doc, Caret& caret, bool groupStart) {
    if (!caret.hasSelection() || doc.isReadOnly()) return;
    const CEditorDoc::ChangeBatch batch(doc);
    const TextPos start = caret.selectionStart();
    const TextPos end = caret.selectionEnd();
    const std::string& first = doc.line(start.line);
    const std::string& last = doc.line(end.line);
    std::string joined = first.substr(0, std::min(static_cast<size_t>(start.column), first.size())) +
                         last.substr(std::min(static_cast<size_t>(end.column), last.size()));
    doc.replaceLine(start.line, std::move(joined), groupStart);
    for (int i = end.line; i > start.line; --i) doc.deleteLine(start.line + 1, false);
    caret.moveTo(start, false);
}

void typeChar(CEditorDoc& doc, Caret& caret, char c) {
    if (doc.isReadOnly()) return;
    bool groupStart = true;
    if (caret.hasSelection()) {
        deleteSelection(doc, caret, true);
        groupStart = false;
    }
    doc.insertChar(caret.pos.line, caret.pos.column, c, groupStart);
    caret.moveTo(rightOf(doc, caret.pos), false);
}

void pressEnter(CEditorDoc& doc, Caret& caret, bool autoIndent) {
    if (doc.isReadOnly()) return;
    bool groupStart = true;
    if (caret.hasSelection()) {
        deleteSelection(doc, caret, true);
        groupStart = false;
    }
    const std::string& line = doc.line(caret.pos.line);
    int indent = 0;
    while (indent < static_cast<int>(line.size()) && (line[static_cast<size_t>(indent)] == ' ' || line[static_cast<size_t>(indent)] == '\t'))
        ++indent;
    doc.insertChar(caret.pos.line, caret.pos.column, '\r', groupStart);
    TextPos pos{caret.pos.line + 1, 0};
    if (autoIndent) {
        for (int tabs = indent / tabStop; tabs > 0; --tabs) {
            doc.insertChar(pos.line, pos.column, '\t', false);
            pos = rightOf(doc, pos);
        }
        for (int blanks = indent % tabStop; blanks > 0; --blanks) {
            doc.insertChar(pos.line, pos.column, ' ', false);
            ++pos.column;
        }
    }
    caret.moveTo(pos, false);
}

void pressBackspace(CEditorDoc& doc, Caret& caret) {
    if (doc.isReadOnly()) return;
    if (caret.hasSelection()) {
        deleteSelection(doc, caret, true);
        return;
    }
    if (caret.pos == TextPos{0, 0}) return;
    caret.moveTo(leftOf(doc, caret.pos), false);
    doc.deleteChar(caret.pos.line, caret.pos.column, true);
}

void pressDelete(CEditorDoc& doc, Caret& caret) {
    if (doc.isReadOnly()) return;
    if (caret.hasSelection()) {
        deleteSelection(doc, caret, true);
        return;
    }
    doc.deleteChar(caret.pos.line, caret.pos.column, true);
}

void pressCtrlDelete(CEditorDoc& doc, Caret& caret) {
    if (doc.isReadOnly()) return;
    if (caret.hasSelection()) {
        deleteSelection(doc, caret, true);
        return;
    }
    const std::string& line = doc.line(caret.pos.line);
    const int length = static_cast<int>(line.size());
    const int start = caret.pos.column;
    if (start >= length) {
        doc.deleteChar(caret.pos.line, start, true);
        return;
    }
    int end = start;
    if (line[static_cast<size_t>(start)] == ' ') {
        while (end < length && line[static_cast<size_t>(end)] == ' ') ++end;
    } else if (isWordChar(line[static_cast<size_t>(start)])) {
        while (end < length && isWordChar(line[static_cast<size_t>(end)])) ++end;
        while (end < length && line[static_cast<size_t>(end)] == ' ') ++end;
    } else {
        end = rightOf(doc, caret.pos).column;
    }
    std::string rest = line.substr(0, static_cast<size_t>(start)) + line.substr(static_cast<size_t>(end));
    doc.replaceLine(caret.pos.line, std::move(rest), true);
}

void pressTab(CEditorDoc& doc, Caret& caret) {
    if (doc.isReadOnly()) return;
    if (caret.hasSelection()) {
        indentSelection(doc, caret, false);
        return;
    }
    doc.insertChar(caret.pos.line, caret.pos.column, '\t', true);
    caret.moveTo(rightOf(doc, caret.pos), false);
}

void indentSelection(CEditorDoc& doc, Caret& caret, bool outdent) {
    if (doc.isReadOnly()) return;
    const CEditorDoc::ChangeBatch batch(doc);
    const TextPos start = caret.selectionStart();
    TextPos end = caret.selectionEnd();
    // A selection that ends at the start of a line does not take that line.
    const int lastLine = end.column == 0 && end.line > start.line ? end.line - 1 : end.line;
    bool groupStart = true;
    for (int i = start.line; i <= lastLine; ++i) {
        const std::string& line = doc.line(i);
        std::string changed;
        if (outdent) {
            int cut = 0;
            if (!line.empty() && line[0] == '\t')
                cut = rightOf(doc, {i, 0}).column;
            else
                while (cut < tabStop && cut < static_cast<int>(line.size()) && line[static_cast<size_t>(cut)] == ' ') ++cut;
            if (cut == 0) continue;
            changed = expandTabs(contractTabs(line.substr(static_cast<size_t>(cut))));
        } else {
            changed = expandTabs("\t" + contractTabs(line));
        }
        doc.replaceLine(i, std::move(changed), groupStart);
        groupStart = false;
    }
    caret.anchor = {start.line, 0};
    caret.pos = lastLine == end.line ? TextPos{end.line, static_cast<int>(doc.line(end.line).size())} : end;
}

void pasteText(CEditorDoc& doc, Caret& caret, std::string_view text) {
    if (text.empty() || doc.isReadOnly()) return;
    const CEditorDoc::ChangeBatch batch(doc);
    bool groupStart = true;
    if (caret.hasSelection()) {
        deleteSelection(doc, caret, true);
        groupStart = false;
    }
    std::vector<std::string> pieces = splitLines(text);
    // A text that ends with a line end pastes an empty last piece, as it always did.
    if (text.back() == '\n') pieces.emplace_back();
    const int line = caret.pos.line;
    const RawLine raw = rawLine(doc.line(line), caret.pos.column);
    const std::string before = raw.text.substr(0, static_cast<size_t>(raw.column));
    const std::string after = raw.text.substr(static_cast<size_t>(raw.column));
    // Tabs are padded again from where the pasted text lands.
    if (pieces.size() == 1) {
        const std::string head = expandTabs(before + pieces[0]);
        doc.replaceLine(line, expandTabs(before + pieces[0] + after), groupStart);
        caret.moveTo({line, static_cast<int>(head.size())}, false);
        return;
    }
    doc.replaceLine(line, expandTabs(before + pieces[0]), groupStart);
    for (size_t i = 1; i + 1 < pieces.size(); ++i) doc.insertLine(line + static_cast<int>(i), expandTabs(pieces[i]), false);
    const int lastLine = line + static_cast<int>(pieces.size()) - 1;
    doc.insertLine(lastLine, expandTabs(pieces.back() + after), false);
    caret.moveTo({lastLine, static_cast<int>(expandTabs(pieces.back()).size())}, false);
}

namespace {

std::string runAround(const CEditorDoc& doc, TextPos pos, bool (*inWord)(char)) {
    if (pos.line >= doc.lineCount()) return {};
    const std::string& line = doc.line(pos.line);
    int start = std::min(pos.column, static_cast<int>(line.size()));
    int end = start;
    while (start > 0 && inWord(line[static_cast<size_t>(start - 1)])) --start;
    while (end < static_cast<int>(line.size()) && inWord(line[static_cast<size_t>(end)])) ++end;
    return line.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

}  // namespace

std::string wordAt(const CEditorDoc& doc, TextPos pos) { return runAround(doc, pos, isWordChar); }

std::string helpWordAt(const CEditorDoc& doc, TextPos pos) {
    return runAround(doc, pos, [](char c) { return isWordChar(c) || c == '$' || c == '#'; });
}
