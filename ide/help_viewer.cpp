#include "help_viewer.h"

#include "editor_font.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace {

constexpr int pageBackground = 14215660;
constexpr int redText = 255;
constexpr int greyText = 6579300;
constexpr int codeText = 3937300;

}  // namespace

thehelp::thehelp(const std::string& helpFilePath, const std::string& picturePath, const QString& topic, int code,
                 QWidget* parent)
    : QDialog(parent), errorCode(code), picture(QString::fromLocal8Bit(picturePath.c_str())) {
    setWindowTitle(tr("Help"));
    setFixedSize(800, 560);
    reportError = [this](const QString& text) { QMessageBox::warning(this, tr("Error"), text); };

    searchEdit = new QLineEdit(this);
    searchEdit->setGeometry(10, 10, 200, 24);
    searchEdit->setPlaceholderText(tr("Search"));
    auto* generalButton = new QPushButton(tr("General / Editor"), this);
    auto* errorsButton = new QPushButton(tr("Errors Msgs"), this);
    auto* commandsButton = new QPushButton(tr("Command Ref"), this);
    generalButton->setGeometry(10, 40, 120, 26);
    errorsButton->setGeometry(10, 70, 120, 26);
    commandsButton->setGeometry(10, 100, 120, 26);
    list = new QListWidget(this);
    list->setGeometry(10, 132, 290, 380);
    previousButton = new QPushButton(tr("Prev Page"), this);
    nextButton = new QPushButton(tr("Next Page"), this);
    auto* copyButton = new QPushButton(tr("Copy Code"), this);
    auto* closeButton = new QPushButton(tr("Close"), this);
    previousButton->setGeometry(320, 520, 100, 28);
    nextButton->setGeometry(430, 520, 100, 28);
    copyButton->setGeometry(560, 520, 100, 28);
    closeButton->setGeometry(680, 520, 100, 28);
    for (QPushButton* button : {generalButton, errorsButton, commandsButton, previousButton, nextButton, copyButton, closeButton})
        button->setAutoDefault(false);

    connect(searchEdit, &QLineEdit::returnPressed, this, &thehelp::runSearch);
    connect(generalButton, &QPushButton::clicked, this, [this] { showList(HelpSection::General); });
    connect(errorsButton, &QPushButton::clicked, this, [this] { showList(HelpSection::Errors); });
    connect(commandsButton, &QPushButton::clicked, this, [this] { showList(HelpSection::Commands); });
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling) selectRow(row);
    });
    connect(previousButton, &QPushButton::clicked, this, &thehelp::previousPage);
    connect(nextButton, &QPushButton::clicked, this, &thehelp::nextPage);
    connect(copyButton, &QPushButton::clicked, this, &thehelp::copyCode);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    const bool index = topic.compare(QLatin1String("index"), Qt::CaseInsensitive) == 0;
    if (!index) searchEdit->setText(topic);
    std::ifstream in(helpFilePath, std::ios::binary);
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        help.load(text.str());
        if (help.file.tooManyEntries) {
            // After the dialog is up, so that the message has an owner on screen.
            QTimer::singleShot(0, this, [this] { reportError(tr("Too many help entries")); });
        }
    }
    showList(HelpSection::General);
    if (!index) runSearch();
    refresh();
}

void thehelp::refresh() {
    filling = true;
    list->clear();
    list->addItems(listRows());
    list->setCurrentRow(help.currentRow());
    filling = false;
    previousButton->setEnabled(previousEnabled());
    nextButton->setEnabled(nextEnabled());
    update();
}

QStringList thehelp::listRows() const {
    QStringList rows;
    for (const std::string& title : help.rowTitles()) rows << QString::fromLatin1(title.c_str());
    return rows;
}

bool thehelp::previousEnabled() const { return help.canGoBack(); }
bool thehelp::nextEnabled() const { return help.canGoForward(); }

void thehelp::runSearch() {
    if (!help.loaded) return;
    const QByteArray text = searchEdit->text().toLatin1();
    const bool errorTopic = searchEdit->text().compare(QLatin1String("errormessages"), Qt::CaseInsensitive) == 0;
    if (!help.search(std::string_view(text.constData(), static_cast<size_t>(text.size())), errorTopic ? errorCode : 0))
        reportError(tr("Command \"%1\" not found").arg(searchEdit->text()));
    refresh();
}

void thehelp::search(const QString& text) {
    searchEdit->setText(text);
    runSearch();
}

void thehelp::showList(HelpSection section) {
    help.showList(section);
    refresh();
}

void thehelp::selectRow(int row) {
    help.selectRow(row);
    previousButton->setEnabled(previousEnabled());
    nextButton->setEnabled(nextEnabled());
    update();
}

void thehelp::previousPage() {
    help.previousPage();
    refresh();
}

void thehelp::nextPage() {
    help.nextPage();
    refresh();
}

void thehelp::copyCode() {
    const std::string code = help.copyCode();
    if (!code.empty()) QApplication::clipboard()->setText(QString::fromLatin1(code.c_str()));
}

void thehelp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colourFromSetting(pageBackground));
    painter.fillRect(width() - 2, 0, 2, height(), Qt::black);
    QFont font(QStringLiteral("Palatino"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(14);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    if (!help.loaded) {
        painter.setPen(Qt::black);
        painter.drawText(347, 128 + ascent, tr("Cannot find orbbasichelp.txt"));
        return;
    }
    if (help.current < 0) return;
    painter.setPen(Qt::black);
    painter.drawText(468, 320 + ascent, tr("(Page %1 / %2)").arg(help.page + 1).arg(help.pages()));
    const std::string_view text = help.currentPageText();
    int row = 0;
    int column = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '@' && i + 1 < text.size()) {
            switch (text[++i]) {
            case '0': painter.setPen(Qt::black); break;
            case '1': painter.setPen(colourFromSetting(redText)); break;
            case '2': painter.setPen(colourFromSetting(greyText)); break;
            case '9': painter.setPen(colourFromSetting(codeText)); break;
            case 'A': painter.drawPixmap(310 + 8 * column, 55 + 16 * row, picture); break;
            default: break;
            }
            continue;
        }
        if (c == '\n') {
            ++row;
            column = 0;
            continue;
        }
        painter.drawText(315 + 8 * column, 65 + 16 * row + ascent, QString(QChar::fromLatin1(c)));
        ++column;
    }
}
