// The find and replace dialog: modeless, acting on the active editor view.
#pragma once

#include "find_replace.h"

#include <QDialog>

#include <functional>

class CEditorView;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CFindDialog : public QDialog {
    Q_OBJECT
public:
    CFindDialog(std::function<CEditorView*()> activeView, QWidget* parent = nullptr);

    // Opens as the Find or the Replace dialog.
    void open(bool replaceMode);
    FindOptions options() const;
    void setFindText(const QString& text);
    void setReplaceText(const QString& text);

    // Find Next from the menu (F3): repeats the last search; past the end it goes on from the other end.
    void findNext();
    // Find Previous (Shift+F3): the last search, upwards.
    void findPrevious();
    void replace();
    void replaceAll();

    // Shows the "Cannot find" message; replaced in tests.
    std::function<void(const QString& text)> reportNotFound;
    // A word for the status bar: the search went round, found nothing, replaced so many.
    std::function<void(const QString& text)> note;

private:
    void searchFailed(const FindOptions& options);
    void search(FindOptions options);
    void tell(const QString& text);

    std::function<CEditorView*()> activeView;
    QLineEdit* findEdit;
    QLineEdit* replaceEdit;
    QWidget* replaceRow;
    QCheckBox* wholeWord;
    QCheckBox* matchCase;
    QRadioButton* up;
    QRadioButton* down;
    QWidget* directionBox;
    QPushButton* replaceButton;
    QPushButton* replaceAllButton;
    bool foundSinceOpened = false;
};
