// The editor view's conveniences: zoom, comment toggling, keyword completion,
// and the marks on the caret's line (its background and matching brackets).
#include "editor_view.h"

#include "bracket_match.h"
#include "comment_toggle.h"
#include "completion_list.h"
#include "current_line.h"
#include "editor_font.h"
#include "font_step.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

const QColor matchedBracket(180, 225, 180);
const QColor unmatchedBracket(240, 170, 170);

}  // namespace

// ---- zoom ----

void CEditorView::zoomBy(int steps) {
    const int wanted = clampZoomSteps(settings.fontHeight, zoom + steps);
    if (wanted == zoom) return;
    zoom = wanted;
    applySettings();
    ensureCaretVisible();
    emit statusMessage(tr("Zoom: %1 pixels").arg(editorFont(settings, zoom).pixelSize()));
}

void CEditorView::resetZoom() { zoomBy(-zoom); }

void CEditorView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // One notch (120) is one step; touchpads send smaller parts of a notch.
    wheelRemainder += event->angleDelta().y();
    const int steps = wheelRemainder / 120;
    wheelRemainder -= steps * 120;
    if (steps != 0) zoomBy(steps);
    event->accept();
}

// ---- remarks ----

void CEditorView::toggleComment() {
    doc->setActiveView(this);
    toggleComments(*doc, cursor);
    ensureCaretVisible();
    caretChanged();
}

// ---- completion ----

void CEditorView::showCompletions() {
    if (!completion) {
        completion = new CompletionList(viewport());
        connect(completion, &QListWidget::itemClicked, this, [this] { acceptCompletion(); });
    }
    completionLine = cursor.pos.line;
    cursor.anchor = cursor.pos;
    completionColumn = completionStart(doc->line(cursor.pos.line), cursor.pos.column);
    followCompletion();
}

bool CEditorView::completionShown() const { return completion && completion->isVisible(); }

QStringList CEditorView::completionWords() const { return completionShown() ? completion->words() : QStringList(); }

// Refills the list for the word part before the caret, and places it under the caret.
void CEditorView::followCompletion() {
    if (!completionShown() && completionLine < 0) return;
    const std::string& line = doc->line(cursor.pos.line);
    const int start = completionStart(line, cursor.pos.column);
    if (cursor.pos.line != completionLine || start != completionColumn || cursor.hasSelection() ||
        !completion->fill(std::string_view(line).substr(static_cast<size_t>(start),
                                                        static_cast<size_t>(cursor.pos.column - start)))) {
        completion->hide();
        completionLine = -1;
        return;
    }
    const int x = margin + start * charWidth - horizontalScrollBar()->value();
    const int y = (cursor.pos.line + 1) * lineStep - verticalScrollBar()->value();
    completion->move(std::clamp(x, 0, std::max(0, viewport()->width() - completion->width())),
                     y + completion->height() <= viewport()->height() ? y : std::max(0, y - lineStep - completion->height()));
    if (const Completion* chosen = completion->currentCompletion())
        emit statusMessage(QString::fromLatin1(chosen->signature.c_str()));
}

void CEditorView::acceptCompletion() {
    const Completion* chosen = completionShown() ? completion->currentCompletion() : nullptr;
    if (!chosen) return;
    const std::string word = chosen->word;
    const QString signature = QString::fromLatin1(chosen->signature.c_str());
    completion->hide();
    completionLine = -1;
    const std::string& line = doc->line(cursor.pos.line);
    const int start = completionStart(line, cursor.pos.column);
    std::string changed = line;
    changed.replace(static_cast<size_t>(start), static_cast<size_t>(cursor.pos.column - start), word);
    doc->setActiveView(this);
    doc->replaceLine(cursor.pos.line, std::move(changed), true);
    setCaret({cursor.pos.line, start + static_cast<int>(word.size())});
    emit statusMessage(signature);
}

bool CEditorView::handleConvenienceKey(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (completionShown()) {
        if (completion->moveChoice(key)) {
            if (const Completion* chosen = completion->currentCompletion())
                emit statusMessage(QString::fromLatin1(chosen->signature.c_str()));
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab) {
            acceptCompletion();
            return true;
        }
        if (key == Qt::Key_Escape) {
            completion->hide();
            completionLine = -1;
            return true;
        }
    }
    if (!ctrl) {
        // Opening the arguments of a built-in shows what it takes.
        if (event->text() == QLatin1String("(") || event->text() == QLatin1String(" "))
            if (const Completion* keyword = keywordBefore(doc->line(cursor.pos.line), cursor.pos.column))
                if (keyword->signature != keyword->word) emit statusMessage(QString::fromLatin1(keyword->signature.c_str()));
        return false;
    }
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomBy(1); return true;
    case Qt::Key_Minus: zoomBy(-1); return true;
    case Qt::Key_0: resetZoom(); return true;
    case Qt::Key_Slash: toggleComment(); return true;
    case Qt::Key_Space: showCompletions(); return true;
    default: return false;
    }
}

// ---- the caret's line ----

void CEditorView::paintCaretLineMarks(QPainter& painter, int y, const QColor& background) {
    painter.fillRect(margin, y, viewport()->width() - margin, lineStep,
                     colourFromSetting(currentLineBackground(settingFromColour(background))));
    const std::optional<BracketPair> pair = matchingBracket(doc->line(cursor.pos.line), cursor.pos.column);
    if (!pair) return;
    const int scrollX = horizontalScrollBar()->value();
    for (const int column : {pair->at, pair->partner})
        if (column >= 0)
            painter.fillRect(margin + column * charWidth - scrollX, y, charWidth, lineStep,
                             pair->partner >= 0 ? matchedBracket : unmatchedBracket);
}
