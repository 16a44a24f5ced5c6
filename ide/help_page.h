// The page area of the help viewer: the current page of the current entry,
// drawn on the viewer's grid of 8-pixel columns and 16-pixel rows. It sits in a
// scroll area, so a page taller or wider than the window scrolls.
#pragma once

#include "help_browser.h"

#include <QPixmap>
#include <QWidget>

class HelpPage : public QWidget {
    Q_OBJECT
public:
    // The page area starts this far from the viewer's left edge; page positions
    // are given in the viewer's coordinates and moved by it.
    static constexpr int left = 305;

    HelpPage(const HelpBrowser& browser, const QPixmap& picture, QWidget* parent = nullptr);
    // The size the current page needs, at least the room the scroll area has
    // (less a scroll bar's width when the page is taller); call after the page changes.
    void fit(QSize room, int scrollBarWidth);
    // The x of a text column in the page's own coordinates.
    static int columnX(int column) { return 315 - left + 8 * column; }
    static int rowY(int row) { return 65 + 16 * row; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pageNumberY() const;

    const HelpBrowser& help;
    const QPixmap& picture;
};

