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

    // Find Next from the menu (F3): repeats the last search.
    void findNext();
    void replace();
    void replaceAll();

    // Shows the "Cannot find" message; replaced in tests.
    std::function<void(const QString& text)> reportNotFound;

private:
    void searchFailed(const FindOptions& options);

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
