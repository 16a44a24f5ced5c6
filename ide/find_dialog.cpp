#include "find_dialog.h"

#include "edit_commands.h"
#include "editor_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CFindDialog::CFindDialog(std::function<CEditorView*()> activeView, QWidget* parent)
    : QDialog(parent), activeView(std::move(activeView)) {
    auto* fields = new QGridLayout;
    findEdit = new QLineEdit;
    replaceEdit = new QLineEdit;
    auto* findLabel = new QLabel(tr("Fi&nd what:"));
    findLabel->setBuddy(findEdit);
    auto* replaceLabel = new QLabel(tr("Re&place with:"));
    replaceLabel->setBuddy(replaceEdit);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findEdit, 0, 1);
    replaceRow = new QWidget;
    auto* replaceLayout = new QHBoxLayout(replaceRow);
    replaceLayout->setContentsMargins(0, 0, 0, 0);
    replaceLayout->addWidget(replaceLabel);
    replaceLayout->addWidget(replaceEdit);
    fields->addWidget(replaceRow, 1, 0, 1, 2);

    wholeWord = new QCheckBox(tr("Match &whole word only"));
    matchCase = new QCheckBox(tr("Match &case"));
    directionBox = new QGroupBox(tr("Direction"));
    up = new QRadioButton(tr("&Up"));
    down = new QRadioButton(tr("&Down"));
    down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(directionBox);
    directionLayout->addWidget(up);
    directionLayout->addWidget(down);

    auto* findButton = new QPushButton(tr("&Find Next"));
    findButton->setDefault(true);
    replaceButton = new QPushButton(tr("&Replace"));
    replaceAllButton = new QPushButton(tr("Replace &All"));
    auto* cancelButton = new QPushButton(tr("Cancel"));
    connect(findButton, &QPushButton::clicked, this, &CFindDialog::findNext);
    connect(replaceButton, &QPushButton::clicked, this, &CFindDialog::replace);
    connect(replaceAllButton, &QPushButton::clicked, this, &CFindDialog::replaceAll);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::hide);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {findButton, replaceButton, replaceAllButton, cancelButton}) buttons->addWidget(button);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(wholeWord);
    left->addWidget(matchCase);
    left->addWidget(directionBox);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    reportNotFound = [this](const QString& text) {
        QMessageBox::warning(this, windowTitle(), tr("Cannot find \"%1\"").arg(text));
    };
}

void CFindDialog::open(bool replaceMode) {
    setWindowTitle(replaceMode ? tr("Replace") : tr("Find"));
    replaceRow->setVisible(replaceMode);
    replaceButton->setVisible(replaceMode);
    replaceAllButton->setVisible(replaceMode);
    // Replace always works downwards.
    directionBox->setVisible(!replaceMode);
    if (replaceMode) down->setChecked(true);
    foundSinceOpened = false;
    // A selection within one line, or else the word at the caret, is what the user most likely wants to find.
    if (CEditorView* view = activeView()) {
        const Caret& caret = view->caret();
        if (caret.hasSelection() && caret.selectionStart().line == caret.selectionEnd().line)
            findEdit->setText(QString::fromLatin1(selectedText(view->document(), caret).c_str()));
        else if (const std::string word = wordAt(view->document(), caret.pos); !caret.hasSelection() && !word.empty())
            findEdit->setText(QString::fromLatin1(word.c_str()));
    }
    show();
    raise();
    activateWindow();
    findEdit->setFocus();
    findEdit->selectAll();
}

FindOptions CFindDialog::options() const {
    return {findEdit->text().toLatin1().toStdString(), matchCase->isChecked(), wholeWord->isChecked(), down->isChecked()};
}

void CFindDialog::setFindText(const QString& text) { findEdit->setText(text); }
void CFindDialog::setReplaceText(const QString& text) { replaceEdit->setText(text); }

void CFindDialog::tell(const QString& text) {
    if (note) note(text);
}

void CFindDialog::searchFailed(const FindOptions& options) {
    tell(tr("\"%1\" not found").arg(QString::fromLatin1(options.text)));
    if (!foundSinceOpened && reportNotFound) reportNotFound(QString::fromLatin1(options.text));
}

void CFindDialog::findNext() { search(options()); }

void CFindDialog::findPrevious() {
    FindOptions upwards = options();
    upwards.down = false;
    search(upwards);
}

void CFindDialog::search(FindOptions options) {
    CEditorView* view = activeView();
    if (!view || options.text.empty()) return;
    if (view->findNext(options)) {
        foundSinceOpened = true;
        return;
    }
    // Round the end: from the other end of the document, as far as the caret.
    const Caret before = view->caret();
    const int last = view->document().lineCount() - 1;
    view->setCaret(options.down ? TextPos{0, 0} : TextPos{last, static_cast<int>(view->document().line(last).size())});
    if (view->findNext(options)) {
        foundSinceOpened = true;
        tell(options.down ? tr("Passed the end of the document; searched on from the start")
                          : tr("Passed the start of the document; searched on from the end"));
        return;
    }
    view->setCaret(before.pos, before.anchor);
    searchFailed(options);
}
void CFindDialog::replace() {
    CEditorView* view = activeView();
    const FindOptions search = options();
    if (!view || search.text.empty()) return;
    if (view->replaceCurrent(search, replaceEdit->text().toLatin1().toStdString()))
        foundSinceOpened = true;
    else
        searchFailed(search);
}

void CFindDialog::replaceAll() {
    CEditorView* view = activeView();
    const FindOptions search = options();
    if (!view || search.text.empty()) return;
    const int count = view->replaceEverything(search, replaceEdit->text().toLatin1().toStdString());
    if (count == 0) {
        searchFailed(search);
        return;
    }
    foundSinceOpened = true;
    tell(count == 1 ? tr("Replaced 1 occurrence") : tr("Replaced %1 occurrences").arg(count));
}
