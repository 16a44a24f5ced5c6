#include "editor_doc.h"

#include "file_write.h"

#include <algorithm>
#include <fstream>
#include <sstream>

std::string expandTabs(std::string_view fileLine) {
    std::string line;
    line.reserve(fileLine.size());
    for (char c : fileLine) {
        if (c == '\t') {
            const int padding = tabPadding(static_cast<int>(line.size()));
            line += '\t';
            line.append(static_cast<size_t>(padding), ' ');
        } else {
            line += c;
        }
    }
    return line;
}

std::string contractTabs(std::string_view line) {
    std::string fileLine;
    fileLine.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        fileLine += line[i];
        if (line[i] != '\t') continue;
        // Drop only blanks that are padding, so blanks the user typed after a stop stay.
        size_t padding = static_cast<size_t>(tabPadding(static_cast<int>(i)));
        while (padding > 0 && i + 1 < line.size() && line[i + 1] == ' ') {
            ++i;
            --padding;
        }
    }
    return fileLine;
}

CEditorDoc::CEditorDoc() { newDocument(); }

CEditorDoc::~CEditorDoc() = default;

void CEditorDoc::newDocument() {
    form = TextFileForm{};
    // Every line of a new document is written with a line end after it.
    setFileLines({""}, true);
    filePath.clear();
    stamp = FileStamp{};
}

void CEditorDoc::setLinesFromText(std::string_view text) {
    setFileLines(splitLines(text), text.ends_with('\n'));
}

void CEditorDoc::setFileLines(std::vector<std::string> fileLines, bool finalLineEnd) {
    const int oldCount = shownLineCount();
    lines.clear();
    widest = 0;
    for (const std::string& fileLine : fileLines) {
        lines.push_back(expandTabs(fileLine));
        track(lines.back());
    }
    // The editor always has a line to put its caret on.
    if (lines.empty()) lines.emplace_back();
    if (finalLineEnd) lines.emplace_back();
    form.finalLineEnd = finalLineEnd;
    undoHistory = std::make_unique<UndoEditorData>(*this);
    setModified(false);
    changed(0, oldCount, shownLineCount());
}

std::vector<std::string> CEditorDoc::allLines() const {
    std::vector<std::string> fileLines = lines.toVector();
    if (endsWithLineEnd()) fileLines.pop_back();
    return fileLines;
}

TextFileForm CEditorDoc::fileForm() const {
    TextFileForm written = form;
    written.finalLineEnd = endsWithLineEnd();
    return written;
}

bool CEditorDoc::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const FileStamp before = stampOf(path);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    TextFileContents file = readTextFile(buffer.view());
    setFileLines(std::move(file.lines), file.form.finalLineEnd);
    form = file.form;
    readOnly = file.binary ? ReadOnly::Binary : file.beyondLatin1 ? ReadOnly::BeyondLatin1 : ReadOnly::None;
    filePath = path;
    stamp = before;
    return true;
}

bool CEditorDoc::save(const std::string& path) {
    if (isReadOnly()) return false;
    std::vector<std::string> fileLines;
    fileLines.reserve(lines.size());
    for (int i = 0; i < lineCount(); ++i) fileLines.push_back(contractTabs(line(i)));
    if (!replaceFileContents(path, writeTextFile(fileLines, fileForm()))) return false;
    filePath = path;
    stamp = stampOf(path);
    setModified(false);
    return true;
}

CEditorDoc::ChangeBatch::ChangeBatch(CEditorDoc& doc) : doc(doc) {
    if (doc.batchDepth++ > 0) return;
    doc.batchLinesBefore = doc.shownLineCount();
    doc.batchFirst = doc.shownLineCount();
    doc.batchTail = doc.shownLineCount();
}

CEditorDoc::ChangeBatch::~ChangeBatch() {
    if (--doc.batchDepth > 0) return;
    const int first = doc.batchFirst;
    const int tail = std::min({doc.batchTail, doc.batchLinesBefore - first, doc.shownLineCount() - first});
    const int removed = doc.batchLinesBefore - first - tail;
    const int inserted = doc.shownLineCount() - first - tail;
    if (removed > 0 || inserted > 0) {
        for (EditorDocView* view : doc.views) view->linesChanged(first, removed, inserted);
    }
}

void CEditorDoc::setModified(bool value) {
    if (modified == value) return;
    modified = value;
    if (onModifiedChanged) onModifiedChanged();
}

void CEditorDoc::attachView(EditorDocView* view) {
    views.push_back(view);
    if (!activeView) activeView = view;
}

void CEditorDoc::detachView(EditorDocView* view) {
    views.erase(std::remove(views.begin(), views.end(), view), views.end());
    if (activeView == view) activeView = views.empty() ? nullptr : views.front();
}

ViewContext CEditorDoc::currentViewContext() const {
    return activeView ? activeView->viewContext() : ViewContext{};
}

void CEditorDoc::swapViewContext(ViewContext& context) {
    const ViewContext current = currentViewContext();
    if (activeView) activeView->applyViewContext(context);
    context = current;
}

void CEditorDoc::changed(int first, int removed, int inserted) {
    if (batchDepth > 0) {
        // Counted from the end, the untouched tail is not moved by changes above it.
        batchFirst = std::min(batchFirst, first);
        batchTail = std::min(batchTail, shownLineCount() - first - inserted);
        return;
    }
    for (EditorDocView* view : views) view->linesChanged(first, removed, inserted);
}

void CEditorDoc::track(const std::string& text) {
    widest = std::max(widest, static_cast<int>(text.size()));
}

// ---- recording operations ----

void CEditorDoc::replaceLine(int i, std::string text, bool groupStart) {
    undoHistory->endTypingRun();
    std::string old = line(i);
    undoHistory->record(std::make_unique<UndoReplaceStr<CEditorDoc>>(groupStart, StrPosition{i}, std::move(old),
                                                                     currentViewContext()));
    rawSwapLine(i, text);
    setModified(true);
}

void CEditorDoc::insertLine(int i, std::string text, bool groupStart) {
    undoHistory->endTypingRun();
    undoHistory->record(
        std::make_unique<UndoInsertStr<CEditorDoc>>(groupStart, StrPosition{i}, std::string(), currentViewContext()));
    rawInsertLine(i, std::move(text));
    setModified(true);
}

void CEditorDoc::appendLine(std::string text, bool groupStart) { insertLine(lineCount(), std::move(text), groupStart); }

void CEditorDoc::deleteLine(int i, bool groupStart) {
    undoHistory->endTypingRun();
    undoHistory->record(
        std::make_unique<UndoDeleteStr<CEditorDoc>>(groupStart, StrPosition{i}, line(i), currentViewContext()));
    rawDeleteLine(i);
    setModified(true);
}

void CEditorDoc::insertChar(int i, int column, char c, bool groupStart) {
    if (c == '\r') {
        const std::string& text = line(i);
        const size_t at = std::min(static_cast<size_t>(column), text.size());
        std::string rest = text.substr(at);
        replaceLine(i, text.substr(0, at), groupStart);
        insertLine(i + 1, std::move(rest), false);
        return;
    }
    const bool startsGroup = groupStart && (c == '\t' || !undoHistory->continuesTypingRun(i, column));
    undoHistory->record(
        std::make_unique<UndoInsertChar<CEditorDoc>>(startsGroup, CharPosition{i, column}, c, currentViewContext()));
    rawInsertChar(i, column, c);
    undoHistory->noteTyped(i, column);
    setModified(true);
}

void CEditorDoc::deleteChar(int i, int column, bool groupStart) {
    const std::string& text = line(i);
    if (column >= static_cast<int>(text.size())) {
        if (i + 1 >= shownLineCount()) return;
        std::string joined = text + line(i + 1);
        replaceLine(i, std::move(joined), groupStart);
        deleteLine(i + 1, false);
        return;
    }
    undoHistory->endTypingRun();
    undoHistory->record(std::make_unique<UndoDeleteChar<CEditorDoc>>(
        groupStart, CharPosition{i, column}, text[static_cast<size_t>(column)], currentViewContext()));
    rawDeleteChar(i, column);
    setModified(true);
}

// Typing after an undo or redo starts a new run.
void CEditorDoc::undo() {
    undoHistory->endTypingRun();
    const ChangeBatch batch(*this);
    undoHistory->undo();
}

void CEditorDoc::redo() {
    undoHistory->endTypingRun();
    const ChangeBatch batch(*this);
    undoHistory->redo();
}
bool CEditorDoc::canUndo() const { return undoHistory->canUndo(); }
bool CEditorDoc::canRedo() const { return undoHistory->canRedo(); }

// ---- unrecorded changes ----

void CEditorDoc::rawInsertLine(int i, std::string text) {
    track(text);
    lines.insert(static_cast<size_t>(i), std::move(text));
    changed(i, 0, 1);
}

void CEditorDoc::rawDeleteLine(int i) {
    lines.erase(static_cast<size_t>(i));
    changed(i, 1, 0);
}

void CEditorDoc::rawSwapLine(int i, std::string& text) {
    std::swap(lines[static_cast<size_t>(i)], text);
    track(line(i));
    changed(i, 1, 1);
}

void CEditorDoc::rawInsertChar(int i, int column, char c) {
    std::string& text = lines[static_cast<size_t>(i)];
    const size_t at = std::min(static_cast<size_t>(column), text.size());
    if (c == '\t')
        text.insert(at, std::string(1, '\t') + std::string(static_cast<size_t>(tabPadding(column)), ' '));
    else
        text.insert(at, 1, c);
    track(text);
    changed(i, 1, 1);
}

char CEditorDoc::rawDeleteChar(int i, int column) {
    std::string& text = lines[static_cast<size_t>(i)];
    const size_t at = static_cast<size_t>(column);
    if (at >= text.size()) return 0;
    const char c = text[at];
    size_t count = 1;
    if (c == '\t') {
        // A tab goes with its padding, as it came.
        size_t padding = static_cast<size_t>(tabPadding(column));
        while (padding > 0 && at + count < text.size() && text[at + count] == ' ') {
            ++count;
            --padding;
        }
    }
    text.erase(at, count);
    changed(i, 1, 1);
    return c;
}
