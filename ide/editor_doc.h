// The text of one source file as lines, changed only through recording
// operations that feed the undo history.
#pragma once

#include "undo_data.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the document needs from a view that shows it.
class EditorDocView {
public:
    virtual ~EditorDocView() = default;
    // Lines [first, first + removed) were replaced by `inserted` lines.
    virtual void linesChanged(int first, int removed, int inserted) = 0;
    virtual ViewContext viewContext() const = 0;
    virtual void applyViewContext(const ViewContext& context) = 0;
};

class UndoEditorData;

inline constexpr int tabStop = 4;
// Blanks that follow a tab at this column up to the next tab stop.
inline int tabPadding(int column) { return tabStop - 1 - column % tabStop; }

// Tabs in memory are a tab character followed by blank padding to the next stop.
std::string expandTabs(std::string_view fileLine);
std::string contractTabs(std::string_view line);

class CEditorDoc {
public:
    CEditorDoc();
    virtual ~CEditorDoc();
    CEditorDoc(const CEditorDoc&) = delete;
    CEditorDoc& operator=(const CEditorDoc&) = delete;

    // A new document: one empty line and a fresh history.
    void newDocument();
    bool load(const std::string& path);
    // Writes a new file and renames it over the old one only once it is complete.
    bool save(const std::string& path);
    void setLinesFromText(std::string_view text);

    int lineCount() const { return static_cast<int>(lines.size()); }
    const std::string& line(int i) const { return lines[static_cast<size_t>(i)]; }
    const std::vector<std::string>& allLines() const { return lines; }
    int widestLine() const { return widest; }

    // Recording operations: each records undo items, sets the modified flag and updates the views.
    void replaceLine(int i, std::string text, bool groupStart);
    void insertLine(int i, std::string text, bool groupStart);
    void appendLine(std::string text, bool groupStart);
    void deleteLine(int i, bool groupStart);
    // '\r' splits the line; a tab brings its padding.
    void insertChar(int i, int column, char c, bool groupStart);
    // At a line end joins the next line; at the end of the last line does nothing.
    void deleteChar(int i, int column, bool groupStart);

    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    UndoEditorData& history() { return *undoHistory; }

    bool isModified() const { return modified; }
    void setModified(bool value);
    std::function<void()> onModifiedChanged;

    const std::string& path() const { return filePath; }
    void setPath(std::string value) { filePath = std::move(value); }

    void attachView(EditorDocView* view);
    void detachView(EditorDocView* view);
    void setActiveView(EditorDocView* view) { activeView = view; }
    void swapViewContext(ViewContext& context);

    // Unrecorded changes, used by undo and redo.
    void rawInsertLine(int i, std::string text);
    void rawDeleteLine(int i);
    void rawSwapLine(int i, std::string& text);
    void rawInsertChar(int i, int column, char c);
    char rawDeleteChar(int i, int column);

private:
    ViewContext currentViewContext() const;
    void changed(int first, int removed, int inserted);
    void track(const std::string& text);

    std::vector<std::string> lines;
    int widest = 0;
    bool modified = false;
    std::string filePath;
    std::unique_ptr<UndoEditorData> undoHistory;
    std::vector<EditorDocView*> views;
    EditorDocView* activeView = nullptr;
};

class UndoEditorData : public UndoData<CEditorDoc> {
public:
    using UndoData<CEditorDoc>::UndoData;
    // True when a typed character at this place continues the current typing run.
    bool continuesTypingRun(int line, int column) const {
        return typingRunActive && line == lastInsertLine && column == lastInsertColumn + 1;
    }
    void noteTyped(int line, int column) {
        typingRunActive = true;
        lastInsertLine = line;
        lastInsertColumn = column;
    }
    void endTypingRun() { typingRunActive = false; }

private:
    bool typingRunActive = false;
    int lastInsertLine = 0;
    int lastInsertColumn = 0;
};
