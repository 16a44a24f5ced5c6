// The help viewer "Help": entry lists on the left, the current page drawn on the right.
// The window can be resized; the lists grow with it and the page scrolls.
#pragma once

#include "help_browser.h"

#include <QDialog>
#include <QPixmap>

#include <functional>

class HelpPage;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

// Where the viewer's size is kept between sessions.
inline constexpr const char* helpWindowSizeKey = "Help Window Size";

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
    // Search while typing: shows the entry whose title starts with the text.
    void searchPrefix(const QString& text);
    // The line under the search field that says what a search did not find.
    QString note() const;
    const HelpPage& pageArea() const { return *page; }
    const QScrollArea& pageScroller() const { return *scroller; }
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
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void refresh();
    void showPage();
    void fitPage();
    void layOut();

    HelpBrowser help;
    int errorCode;
    QPixmap picture;
    QLineEdit* searchEdit;
    QLabel* noteLabel;
    QListWidget* list;
    HelpPage* page;
    QScrollArea* scroller;
    QPushButton* previousButton;
    QPushButton* nextButton;
    QPushButton* copyButton;
    QPushButton* closeButton;
    bool filling = false;
};
