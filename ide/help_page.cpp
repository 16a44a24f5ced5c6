#include "help_page.h"

#include "editor_font.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int pageBackground = 14215660;
constexpr int redText = 255;
constexpr int greyText = 6579300;
constexpr int codeText = 3937300;
constexpr int pageNumberX = 468;
constexpr int pageNumberTop = 320;
constexpr int rowHeight = 16;

// A fixed-pitch face at exactly one column per character, so that runs drawn
// as whole strings land on the same grid as the picture marks.
const QFont& pageFont() {
    static const QFont font = editorFont(14, 400, 8);
    return font;
}

}  // namespace

HelpPage::HelpPage(const HelpBrowser& browser, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), help(browser), picture(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(pageFont());
}

int HelpPage::pageNumberY() const {
    // Below the text of a page longer than the usual fourteen rows.
    const PageExtent extent = pageExtent(help.currentPageText());
    return std::max(pageNumberTop, rowY(extent.rows) + rowHeight);
}

void HelpPage::fit(QSize room, int scrollBarWidth) {
    const PageExtent extent = pageExtent(help.currentPageText());
    const int width = std::max(columnX(extent.columns) + 16, pageNumberX - left + 120);
    const int height = pageNumberY() + 2 * rowHeight;
    if (height > room.height()) room.rwidth() -= scrollBarWidth;
    if (width > room.width()) room.rheight() -= scrollBarWidth;
    resize(std::max(room.width(), width), std::max(room.height(), height));
    update();
}

void HelpPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colourFromSetting(pageBackground));
    painter.setFont(font());
    const int ascent = painter.fontMetrics().ascent();
    if (!help.loaded) {
        painter.setPen(Qt::black);
        painter.drawText(347 - left, 128 + ascent, tr("Cannot find orbbasichelp.txt"));
        return;
    }
    if (help.current < 0) return;
    painter.setPen(Qt::black);
    painter.drawText(pageNumberX - left, pageNumberY() + ascent,
                     tr("(Page %1 / %2)").arg(help.page + 1).arg(help.pages()));
    const std::string_view text = help.currentPageText();
    int row = 0;
    int column = 0;
    QString run;  // characters of one colour on one row, drawn at once
    int runColumn = 0;
    auto flush = [&] {
        if (!run.isEmpty()) painter.drawText(columnX(runColumn), rowY(row) + ascent, run);
        run.clear();
        runColumn = column;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '@' && i + 1 < text.size()) {
            flush();
            switch (text[++i]) {
            case '0': painter.setPen(Qt::black); break;
            case '1': painter.setPen(colourFromSetting(redText)); break;
            case '2': painter.setPen(colourFromSetting(greyText)); break;
            case '9': painter.setPen(colourFromSetting(codeText)); break;
            case 'A': painter.drawPixmap(310 - left + 8 * column, 55 + rowHeight * row, picture); break;
            default: break;
            }
            continue;
        }
        if (c == '\n') {
            flush();
            ++row;
            column = 0;
            runColumn = 0;
            continue;
        }
        run += QChar::fromLatin1(c);
        ++column;
    }
    flush();
}
