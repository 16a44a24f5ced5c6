// The editor view: paints a document's lines with colour runs and a line-number
// margin, and turns keys, mouse and clipboard into the document's operations.
#pragma once

#include "colour_runs.h"
#include "editor_doc.h"
#include "find_replace.h"
#include "settings.h"
#include "text_position.h"

#include <QAbstractScrollArea>

#include <memory>
#include <optional>

class CompletionList;

class CEditorView : public QAbstractScrollArea, public EditorDocView {
    Q_OBJECT
public:
    CEditorView(std::shared_ptr<CEditorDoc> document, const Settings& settings, QWidget* parent = nullptr);
    ~CEditorView() override;

    CEditorDoc& document() { return *doc; }
    std::shared_ptr<CEditorDoc> sharedDocument() const { return doc; }
    const Caret& caret() const { return cursor; }
    void setCaret(TextPos pos, std::optional<TextPos> anchor = std::nullopt);

    // Settings changed: colours, font and layout.
    void applySettings();
    int characterWidth() const { return charWidth; }
    int lineHeight() const { return lineStep; }
    int marginWidth() const { return margin; }

    // Line numbers drawn in the margin: the x position for a line index, or -1 for none.
    static int lineNumberX(int lineIndex, int lineCount);
    int marginFor(int lineCount) const;

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void clear();
    void selectAll();
    // Moves the caret to the start of a line counted from 1, limited to the document.
    void goToLine(int line);
    // The Quick Command Help topic at the caret.
    std::string helpTopic() const;

    // Conveniences (editor_view_conveniences.cpp): zoom in steps of the font,
    // ";" remarks over the selection, keyword completion at the caret.
    void zoomBy(int steps);
    void resetZoom();
    int zoomSteps() const { return zoom; }
    void toggleComment();
    void showCompletions();
    bool completionShown() const;
    QStringList completionWords() const;
    // Puts the chosen keyword in place of the word part before the caret.
    void acceptCompletion();

    // Find and replace from the caret; false when nothing was found.
    bool findNext(const FindOptions& options);
    bool replaceCurrent(const FindOptions& options, const std::string& replacement);
    int replaceEverything(const FindOptions& options, const std::string& replacement);

    // EditorDocView
    void linesChanged(int first, int removed, int inserted) override;
    ViewContext viewContext() const override;
    void applyViewContext(const ViewContext& context) override;

signals:
    void caretMoved(int line, int column);  // both counted from 1
    // Something the status bar should say: a refused character, a read-only document,
    // a keyword's signature, the zoom.
    void statusMessage(const QString& text);
    void quickHelpRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    const std::vector<ColourRun>& runsFor(int line);
    void paintLine(QPainter& painter, int line, int y);
    void updateScrollRanges();
    void ensureCaretVisible();
    void caretChanged();
    TextPos positionAt(const QPoint& point) const;
    int wholeLinesInWindow() const;
    bool handleMovement(QKeyEvent* event);
    // True, with a word in the status bar, when the text cannot go into the document.
    bool refusedForLatin1(const QString& text, bool readOnly);
    bool handleConvenienceKey(QKeyEvent* event);
    void followCompletion();
    void paintCaretLineMarks(QPainter& painter, int y, const QColor& background);

    std::shared_ptr<CEditorDoc> doc;
    const Settings& settings;
    Caret cursor;
    int charWidth = 8;
    int lineStep = 13;
    int margin = 50;
    int zoom = 0;
    int wheelRemainder = 0;
    CompletionList* completion = nullptr;
    // Where the completed word starts; moving off that word closes the list.
    int completionLine = -1;
    int completionColumn = 0;
    struct CachedRuns {
        bool valid = false;
        std::vector<ColourRun> runs;
    };
    std::vector<CachedRuns> colourMap;
};
