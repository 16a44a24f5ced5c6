// The text of one source file as lines, changed only through recording
// operations that feed the undo history.
#pragma once

#include "text_file.h"
#include "text_lines.h"
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

    // A new document: one empty line, ended by a line end, and a fresh history.
    void newDocument();
    // Reads the file in the form it has (line ends, UTF-8 or 8-bit); a file with NUL bytes
    // or with characters Latin-1 cannot hold is opened read-only.
    bool load(const std::string& path);
    // Writes a new file in the form the document was read in, and renames it over the old
    // one only once it is complete. A read-only document is never written.
    bool save(const std::string& path);
    // The document holds exactly this text: LF or CR LF ends a line.
    void setLinesFromText(std::string_view text);

    // The text after the final line end of a file that has one is held as a line of
    // its own, empty in an unedited file, so that the caret can go there and typing
    // there appends. While it is empty it is not one of the file's lines: the line
    // count, the margin's numbers and the lines given to the compiler are the file's.
    // An empty last line made by editing a file without a final line end stays a line.
    bool endsWithLineEnd() const { return form.finalLineEnd && lines.size() > 1 && lines.back().empty(); }
    int lineCount() const { return shownLineCount() - (endsWithLineEnd() ? 1 : 0); }
    // The lines the editor shows and the caret reaches: the file's, and the empty
    // line after a final line end.
    int shownLineCount() const { return static_cast<int>(lines.size()); }
    const std::string& line(int i) const { return lines[static_cast<size_t>(i)]; }
    // The file's lines.
    std::vector<std::string> allLines() const;
    int widestLine() const { return widest; }

    // The form the file is written in; whether it ends with a line end follows the text.
    TextFileForm fileForm() const;
    // Why the document cannot be saved or edited; None for an ordinary one.
    enum class ReadOnly { None, Binary, BeyondLatin1 };
    ReadOnly readOnlyReason() const { return readOnly; }
    bool isReadOnly() const { return readOnly != ReadOnly::None; }
    // The file as it was when last read or written here.
    const FileStamp& diskStamp() const { return stamp; }
    bool changedOnDisk() const { return !filePath.empty() && stampOf(filePath) != stamp; }

    // Views hear of the changes made while a batch is open once, when it closes,
    // as one changed range: a 50,000-line deletion is not 50,000 repaints.
    class ChangeBatch {
    public:
        explicit ChangeBatch(CEditorDoc& doc);
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

    private:
        CEditorDoc& doc;
    };

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
    void setFileLines(std::vector<std::string> fileLines, bool finalLineEnd);
    ViewContext currentViewContext() const;
    void changed(int first, int removed, int inserted);
    void track(const std::string& text);

    TextLines lines;
    int widest = 0;
    TextFileForm form;
    ReadOnly readOnly = ReadOnly::None;
    FileStamp stamp;
    // The open batch: lines before `batchFirst` and the last `batchTail` lines are untouched.
    int batchDepth = 0;
    int batchLinesBefore = 0;
    int batchFirst = 0;
    int batchTail = 0;
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
