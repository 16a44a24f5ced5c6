// The help viewer "Help": entry lists on the left, the current page drawn on the right.
#pragma once

#include "help_browser.h"

#include <QDialog>
#include <QPixmap>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

class thehelp : public QDialog {
    Q_OBJECT
public:
    // Opens on a topic: "index" opens without a search; "errormessages" takes an error code.
    thehelp(const std::string& helpFilePath, const std::string& picturePath, const QString& topic, int errorCode = 0,
            QWidget* parent = nullptr);

    const HelpBrowser& browser() const { return help; }
    void runSearch();
    // Puts the text into the search field and searches.
    void search(const QString& text);
    void showList(HelpSection section);
    void selectRow(int row);
    void previousPage();
    void nextPage();
    void copyCode();
    bool previousEnabled() const;
    bool nextEnabled() const;
    QStringList listRows() const;

    // Shows a message box; replaced in tests.
    std::function<void(const QString& text)> reportError;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();

    HelpBrowser help;
    int errorCode;
    QPixmap picture;
    QLineEdit* searchEdit;
    QListWidget* list;
    QPushButton* previousButton;
    QPushButton* nextButton;
    bool filling = false;
};
