// The keyword completion list (Ctrl+Space): a list under the caret that the
// editor view fills and steers; the keyboard focus stays in the editor.
#pragma once

#include "keyword_completion.h"

#include <QListWidget>

class CompletionList : public QListWidget {
    Q_OBJECT
public:
    explicit CompletionList(QWidget* parent);
    // Shows the keywords that start with the prefix; false (and hidden) when there are none.
    bool fill(std::string_view prefix);
    const Completion* currentCompletion() const;
    // Up, Down, Page Up and Page Down move the choice; false for other keys.
    bool moveChoice(int key);
    QStringList words() const;

private:
    std::vector<Completion> shown;
};
