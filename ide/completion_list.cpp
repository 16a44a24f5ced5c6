#include "completion_list.h"

#include <algorithm>

namespace {

constexpr int visibleRows = 8;

}  // namespace

CompletionList::CompletionList(QWidget* parent) : QListWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    hide();
}

bool CompletionList::fill(std::string_view prefix) {
    shown = completionsFor(prefix);
    clear();
    for (const Completion& completion : shown) addItem(QString::fromLatin1(completion.word.c_str()));
    if (shown.empty()) {
        hide();
        return false;
    }
    setCurrentRow(0);
    int widest = 0;
    for (const Completion& completion : shown)
        widest = std::max(widest, fontMetrics().horizontalAdvance(QString::fromLatin1(completion.word.c_str())));
    const int rows = std::min(visibleRows, static_cast<int>(shown.size()));
    resize(widest + 2 * frameWidth() + 24 + (static_cast<int>(shown.size()) > rows ? 16 : 0),
           rows * sizeHintForRow(0) + 2 * frameWidth());
    show();
    raise();
    return true;
}

const Completion* CompletionList::currentCompletion() const {
    const int row = currentRow();
    return row >= 0 && row < static_cast<int>(shown.size()) ? &shown[static_cast<size_t>(row)] : nullptr;
}

bool CompletionList::moveChoice(int key) {
    const int last = count() - 1;
    int row = currentRow();
    switch (key) {
    case Qt::Key_Up: row = row > 0 ? row - 1 : last; break;
    case Qt::Key_Down: row = row < last ? row + 1 : 0; break;
    case Qt::Key_PageUp: row = std::max(0, row - visibleRows); break;
    case Qt::Key_PageDown: row = std::min(last, row + visibleRows); break;
    default: return false;
    }
    setCurrentRow(row);
    return true;
}

QStringList CompletionList::words() const {
    QStringList texts;
    for (const Completion& completion : shown) texts << QString::fromLatin1(completion.word.c_str());
    return texts;
}
