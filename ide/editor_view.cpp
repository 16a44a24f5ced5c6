#include "editor_view.h"

#include "edit_commands.h"
#include "editor_font.h"
#include "text_latin1.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int unsyntaxedBackground = 15790320;

int decimalDigits(int number) {
    int digits = 1;
    for (; number >= 10; number /= 10) ++digits;
    return digits;
}

QString displayText(std::string_view text) {
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return shown;
}

}  // namespace

CEditorView::CEditorView(std::shared_ptr<CEditorDoc> document, const Settings& settings, QWidget* parent)
    : QAbstractScrollArea(parent), doc(std::move(document)), settings(settings) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    colourMap.resize(static_cast<size_t>(doc->shownLineCount()));
    doc->attachView(this);
    applySettings();
}

CEditorView::~CEditorView() { doc->detachView(this); }

void CEditorView::applySettings() {
    const QFont font = editorFont(settings, zoom);
    setFont(font);
    viewport()->setFont(font);
    const QFontMetrics metrics(font);
    charWidth = std::max(1, qRound(QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'))));
    lineStep = std::max(1, metrics.height());
    margin = marginFor(doc->lineCount());
    for (CachedRuns& cached : colourMap) cached.valid = false;
    updateScrollRanges();
    viewport()->update();
}

int CEditorView::lineNumberX(int lineIndex, int lineCount) {
    if (lineIndex < 0 || lineIndex >= lineCount) return -1;
    // Right-aligned in a column of at least four digits, wider as the line count needs.
    const int columns = std::max(4, decimalDigits(lineCount));
    return 14 + (columns - decimalDigits(lineIndex + 1)) * 8;
}

int CEditorView::marginFor(int lineCount) const {
    // Room for the digits drawn from x = 14, and a small edge.
    return std::max(50, 14 + std::max(4, decimalDigits(lineCount)) * charWidth + 6);
}

// ---- document link ----

void CEditorView::linesChanged(int first, int removed, int inserted) {
    const auto at = colourMap.begin() + std::min<ptrdiff_t>(first, static_cast<ptrdiff_t>(colourMap.size()));
    const int common = std::min(removed, inserted);
    for (int i = 0; i < common; ++i) (at + i)->valid = false;
    if (removed > common)
        colourMap.erase(at + common, at + std::min<ptrdiff_t>(removed, colourMap.end() - at));
    else if (inserted > common)
        colourMap.insert(at + common, static_cast<size_t>(inserted - common), CachedRuns{});
    colourMap.resize(static_cast<size_t>(doc->shownLineCount()));
    // Another view of the document may have shortened the lines under this caret.
    cursor.pos = onLine(*doc, cursor.pos.line, cursor.pos.column);
    cursor.anchor = onLine(*doc, cursor.anchor.line, cursor.anchor.column);
    if (removed != inserted) updateScrollRanges();
    viewport()->update();
}

ViewContext CEditorView::viewContext() const {
    return {cursor.pos.line, cursor.pos.column, horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CEditorView::applyViewContext(const ViewContext& context) {
    updateScrollRanges();
    cursor.moveTo(onLine(*doc, context.caretLine, context.caretColumn), false);
    horizontalScrollBar()->setValue(context.scrollX);
    verticalScrollBar()->setValue(context.scrollY);
    ensureCaretVisible();
    caretChanged();
}

// ---- layout ----

void CEditorView::updateScrollRanges() {
    margin = marginFor(doc->lineCount());
    const QSize area = viewport()->size();
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(lineStep);
    verticalScrollBar()->setRange(0, std::max(0, doc->shownLineCount() * lineStep - area.height()));
    horizontalScrollBar()->setPageStep(std::max(0, area.width() - margin));
    horizontalScrollBar()->setSingleStep(charWidth);
    horizontalScrollBar()->setRange(0, std::max(0, (doc->widestLine() + 1) * charWidth - (area.width() - margin)));
}

void CEditorView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void CEditorView::scrollContentsBy(int, int) { viewport()->update(); }

int CEditorView::wholeLinesInWindow() const { return std::max(1, viewport()->height() / lineStep); }

void CEditorView::ensureCaretVisible() {
    updateScrollRanges();
    const int top = cursor.pos.line * lineStep;
    QScrollBar* vertical = verticalScrollBar();
    if (top < vertical->value())
        vertical->setValue(top);
    else if (top + lineStep > vertical->value() + viewport()->height())
        vertical->setValue(top + lineStep - viewport()->height());
    const int x = cursor.pos.column * charWidth;
    QScrollBar* horizontal = horizontalScrollBar();
    const int textWidth = viewport()->width() - margin;
    if (x < horizontal->value())
        horizontal->setValue(x);
    else if (x + charWidth > horizontal->value() + textWidth)
        horizontal->setValue(x + charWidth - textWidth);
}

void CEditorView::caretChanged() {
    viewport()->update();
    followCompletion();
    emit caretMoved(cursor.pos.line + 1, cursor.pos.column + 1);
}

void CEditorView::setCaret(TextPos pos, std::optional<TextPos> anchor) {
    cursor.pos = onLine(*doc, pos.line, pos.column);
    cursor.anchor = anchor ? onLine(*doc, anchor->line, anchor->column) : cursor.pos;
    ensureCaretVisible();
    caretChanged();
}

void CEditorView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    doc->setActiveView(this);
    caretChanged();
}

// Tab belongs to the editor, not to focus changes.
bool CEditorView::focusNextPrevChild(bool) { return false; }

// ---- painting ----

const std::vector<ColourRun>& CEditorView::runsFor(int line) {
    CachedRuns& cached = colourMap[static_cast<size_t>(line)];
    if (!cached.valid) {
        cached.runs = colourRuns(doc->line(line));
        cached.valid = true;
    }
    return cached.runs;
}

void CEditorView::paintLine(QPainter& painter, int line, int y) {
    const int scrollX = horizontalScrollBar()->value();
    const int width = viewport()->width();
    const bool syntax = settings.syntaxColouring != 0;
    const QColor background = colourFromSetting(syntax ? settings.backgroundColour : unsyntaxedBackground);
    if (line == cursor.pos.line)
        paintCaretLineMarks(painter, y, background);
    else
        painter.fillRect(margin, y, width - margin, lineStep, background);
    const std::string& text = doc->line(line);
    const int ascent = painter.fontMetrics().ascent();
    painter.save();
    painter.setClipRect(margin, y, width - margin, lineStep);
    auto drawRun = [&](int start, int end, const QColor& colour) {
        // Only the part of the run inside the window is drawn.
        const int firstVisible = std::max(start, scrollX / charWidth);
        const int lastVisible = std::min(end, (scrollX + width) / charWidth + 1);
        if (firstVisible >= lastVisible) return;
        painter.setPen(colour);
        painter.drawText(margin + firstVisible * charWidth - scrollX, y + ascent,
                         displayText(std::string_view(text).substr(static_cast<size_t>(firstVisible),
                                                                   static_cast<size_t>(lastVisible - firstVisible))));
    };
    const int length = static_cast<int>(text.size());
    if (!syntax) {
        drawRun(0, length, Qt::black);
    } else {
        const std::vector<ColourRun>& runs = runsFor(line);
        for (size_t r = 0; r < runs.size(); ++r) {
            const int end = r + 1 < runs.size() ? runs[r + 1].start : length;
            int setting = settings.textColour;
            switch (runs[r].colour) {
            case ColourClass::Normal: setting = settings.textColour; break;
            case ColourClass::Keyword: setting = settings.keywordColour; break;
            case ColourClass::Number: setting = settings.numberColour; break;
            case ColourClass::String: setting = settings.stringColour; break;
            case ColourClass::Remark: setting = settings.remarkColour; break;
            }
            drawRun(runs[r].start, end, colourFromSetting(setting));
        }
    }
    if (cursor.hasSelection()) {
        const TextPos start = cursor.selectionStart();
        const TextPos end = cursor.selectionEnd();
        if (line >= start.line && line <= end.line) {
            const int from = line == start.line ? start.column : 0;
            int to = line == end.line ? end.column : length;
            if (to <= from && line != end.line) to = from + 1;  // an empty selected line shows one cell
            // The system's selection colours: inverting syntax colours can give text
            // that cannot be read on its background.
            painter.fillRect(margin + from * charWidth - scrollX, y, (to - from) * charWidth, lineStep,
                             palette().color(QPalette::Highlight));
            drawRun(from, std::min(to, length), palette().color(QPalette::HighlightedText));
        }
    }
    painter.restore();
    painter.fillRect(0, y, margin - 2, lineStep, colourFromSetting(settings.marginColour));
    const int numberX = lineNumberX(line, doc->lineCount());
    if (numberX >= 0) {
        painter.setPen(colourFromSetting(settings.lineNumberColour));
        painter.drawText(numberX, y + ascent, QString::number(line + 1));
    }
}

void CEditorView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    const int scrollY = verticalScrollBar()->value();
    const int height = viewport()->height();
    const int first = scrollY / lineStep;
    int y = first * lineStep - scrollY;
    int line = first;
    for (; line < doc->shownLineCount() && y < height; ++line, y += lineStep) paintLine(painter, line, y);
    if (y < height) {
        const QColor background =
            colourFromSetting(settings.syntaxColouring ? settings.backgroundColour : unsyntaxedBackground);
        painter.fillRect(margin, y, viewport()->width() - margin, height - y, background);
        painter.fillRect(0, y, margin - 2, height - y, colourFromSetting(settings.marginColour));
    }
    painter.fillRect(margin - 2, 0, 2, height, colourFromSetting(settings.lineNumberColour));
    if (hasFocus()) {
        const int x = margin + cursor.pos.column * charWidth - horizontalScrollBar()->value();
        const int caretY = cursor.pos.line * lineStep - scrollY;
        if (x >= margin) painter.fillRect(x, caretY, 2, lineStep, colourFromSetting(settings.textColour));
    }
}

// ---- keys ----

bool CEditorView::handleMovement(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const TextPos pos = cursor.pos;
    TextPos to = pos;
    switch (event->key()) {
    case Qt::Key_Left: to = ctrl ? wordLeftOf(*doc, pos) : leftOf(*doc, pos); break;
    case Qt::Key_Right: to = ctrl ? wordRightOf(*doc, pos) : rightOf(*doc, pos); break;
    case Qt::Key_Up:
        if (ctrl) {
            verticalScrollBar()->setValue(verticalScrollBar()->value() - lineStep);
            return true;
        }
        to = onLine(*doc, pos.line - 1, pos.column);
        break;
    case Qt::Key_Down:
        if (ctrl) {
            verticalScrollBar()->setValue(verticalScrollBar()->value() + lineStep);
            return true;
        }
        to = onLine(*doc, pos.line + 1, pos.column);
        break;
    case Qt::Key_Home: to = ctrl ? TextPos{0, 0} : TextPos{pos.line, 0}; break;
    case Qt::Key_End: to = ctrl ? endOf(*doc) : TextPos{pos.line, static_cast<int>(doc->line(pos.line).size())}; break;
    case Qt::Key_PageUp: to = onLine(*doc, pos.line - wholeLinesInWindow(), pos.column); break;
    case Qt::Key_PageDown: to = onLine(*doc, pos.line + wholeLinesInWindow(), pos.column); break;
    default: return false;
    }
    cursor.moveTo(to, shift);
    ensureCaretVisible();
    caretChanged();
    return true;
}

void CEditorView::keyPressEvent(QKeyEvent* event) {
    if (handleConvenienceKey(event) || handleMovement(event)) return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: pressEnter(*doc, cursor, settings.autoIndent != 0); break;
    case Qt::Key_Backspace: pressBackspace(*doc, cursor); break;
    case Qt::Key_Delete:
        if (ctrl)
            pressCtrlDelete(*doc, cursor);
        else
            pressDelete(*doc, cursor);
        break;
    case Qt::Key_Tab: pressTab(*doc, cursor); break;
    case Qt::Key_Backtab:
        if (cursor.hasSelection()) indentSelection(*doc, cursor, true);
        break;
    case Qt::Key_F9: emit quickHelpRequested(); return;
    default: {
        const QString text = event->text();
        if (!ctrl && refusedForLatin1(text, doc->isReadOnly())) return;
        if (ctrl || text.size() != 1) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        const char16_t code = text.at(0).unicode();
        // Printable 8-bit characters; 163 is the pound sign.
        if (code < 32 || code == 127 || code > 255) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        typeChar(*doc, cursor, static_cast<char>(code));
    }
    }
    ensureCaretVisible();
    caretChanged();
}

bool CEditorView::refusedForLatin1(const QString& text, bool readOnly) {
    QString why = readOnly && !text.isEmpty() && text.at(0) >= QLatin1Char(' ') ? readOnlyMessage() : latin1Refusal(text);
    if (why.isEmpty()) return false;
    emit statusMessage(why);
    return true;
}

// ---- mouse ----

TextPos CEditorView::positionAt(const QPoint& point) const {
    const int line = (point.y() + verticalScrollBar()->value()) / lineStep;
    const int x = point.x() - margin + horizontalScrollBar()->value();
    const int column = x < 0 ? 0 : (x + charWidth / 2) / charWidth;
    return onLine(*doc, line, column);
}

void CEditorView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    cursor.moveTo(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    ensureCaretVisible();
    caretChanged();
}

void CEditorView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    cursor.moveTo(positionAt(event->position().toPoint()), true);
    ensureCaretVisible();
    caretChanged();
}

void CEditorView::mouseDoubleClickEvent(QMouseEvent* event) {
    const TextPos at = positionAt(event->position().toPoint());
    const std::string& line = doc->line(at.line);
    int start = at.column;
    int end = at.column;
    while (start > 0 && isWordChar(line[static_cast<size_t>(start - 1)])) --start;
    while (end < static_cast<int>(line.size()) && isWordChar(line[static_cast<size_t>(end)])) ++end;
    setCaret({at.line, end}, TextPos{at.line, start});
}

// ---- commands ----

void CEditorView::undo() {
    doc->setActiveView(this);
    doc->undo();
}

void CEditorView::redo() {
    doc->setActiveView(this);
    doc->redo();
}

void CEditorView::copy() {
    if (cursor.hasSelection()) QApplication::clipboard()->setText(QString::fromLatin1(selectedText(*doc, cursor)));
}

void CEditorView::cut() {
    if (!cursor.hasSelection()) return;
    copy();
    clear();
}

void CEditorView::clear() {
    deleteSelection(*doc, cursor, true);
    ensureCaretVisible();
    caretChanged();
}

void CEditorView::paste() {
    const QString clipboard = QApplication::clipboard()->text();
    if (refusedForLatin1(clipboard, doc->isReadOnly())) return;
    const QByteArray text = clipboard.toLatin1();
    pasteText(*doc, cursor, std::string_view(text.constData(), static_cast<size_t>(text.size())));
    ensureCaretVisible();
    caretChanged();
}

// The file's lines: the empty line after a final line end is left out, so that
// deleting the selection keeps the final line end.
void CEditorView::selectAll() {
    const int last = doc->lineCount() - 1;
    setCaret({last, static_cast<int>(doc->line(last).size())}, TextPos{0, 0});
}

void CEditorView::goToLine(int line) {
    const int index = std::clamp(line, 1, doc->lineCount()) - 1;
    setCaret({index, 0});
}

std::string CEditorView::helpTopic() const {
    const std::string word = helpWordAt(*doc, cursor.pos);
    return word.empty() ? std::string("userguide") : word;
}

bool CEditorView::findNext(const FindOptions& options) {
    const TextPos from = options.down ? cursor.selectionEnd() : cursor.selectionStart();
    const std::optional<TextPos> match = findText(*doc, from, options);
    if (!match) return false;
    const TextPos end{match->line, match->column + static_cast<int>(options.text.size())};
    if (options.down)
        setCaret(end, *match);
    else
        setCaret(*match, end);
    return true;
}

bool CEditorView::replaceCurrent(const FindOptions& options, const std::string& replacement) {
    const TextPos start = cursor.selectionStart();
    const TextPos end = cursor.selectionEnd();
    const bool selectionIsMatch = start.line == end.line &&
                                  end.column - start.column == static_cast<int>(options.text.size()) &&
                                  matchesAt(doc->line(start.line), start.column, options);
    if (selectionIsMatch) {
        doc->setActiveView(this);
        setCaret(replaceMatch(*doc, start, options, replacement, true));
    }
    return findNext(options);
}

int CEditorView::replaceEverything(const FindOptions& options, const std::string& replacement) {
    doc->setActiveView(this);
    const int count = replaceAll(*doc, options, replacement);
    setCaret(cursor.pos);
    return count;
}
