#include "help_viewer.h"

#include "editor_font.h"
#include "help_page.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace {

constexpr int pageBackground = 14215660;
const QSize defaultSize(800, 560);
const QSize smallestSize(560, 360);

}  // namespace

thehelp::thehelp(const std::string& helpFilePath, const std::string& picturePath, const QString& topic, int code,
                 QWidget* parent)
    : QDialog(parent), errorCode(code), picture(QString::fromLocal8Bit(picturePath.c_str())) {
    setWindowTitle(tr("Help"));
    setSizeGripEnabled(true);
    setMinimumSize(smallestSize);
    reportError = [this](const QString& text) { QMessageBox::warning(this, tr("Error"), text); };

    searchEdit = new QLineEdit(this);
    searchEdit->setGeometry(10, 10, 200, 24);
    searchEdit->setPlaceholderText(tr("Search"));
    noteLabel = new QLabel(this);
    noteLabel->setGeometry(140, 40, 160, 86);
    noteLabel->setWordWrap(true);
    noteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* generalButton = new QPushButton(tr("General / Editor"), this);
    auto* errorsButton = new QPushButton(tr("Errors Msgs"), this);
    auto* commandsButton = new QPushButton(tr("Command Ref"), this);
    generalButton->setGeometry(10, 40, 120, 26);
    errorsButton->setGeometry(10, 70, 120, 26);
    commandsButton->setGeometry(10, 100, 120, 26);
    list = new QListWidget(this);
    page = new HelpPage(help, picture);
    scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(page);
    scroller->setWidgetResizable(false);
    previousButton = new QPushButton(tr("Prev Page"), this);
    nextButton = new QPushButton(tr("Next Page"), this);
    copyButton = new QPushButton(tr("Copy Code"), this);
    closeButton = new QPushButton(tr("Close"), this);
    for (QPushButton* button : {generalButton, errorsButton, commandsButton, previousButton, nextButton, copyButton, closeButton})
        button->setAutoDefault(false);

    connect(searchEdit, &QLineEdit::returnPressed, this, &thehelp::runSearch);
    connect(searchEdit, &QLineEdit::textEdited, this, &thehelp::searchPrefix);
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

    QSize remembered = QSettings().value(QLatin1String(helpWindowSizeKey), defaultSize).toSize().expandedTo(smallestSize);
    // A size kept from a larger screen must still fit on this one.
    if (const QScreen* display = screen()) remembered = remembered.boundedTo(display->availableSize()).expandedTo(smallestSize);
    resize(remembered);
    layOut();

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
    if (!index && help.loaded) {
        const QByteArray text = topic.toLatin1();
        const bool errorTopic = topic.compare(QLatin1String("errormessages"), Qt::CaseInsensitive) == 0;
        // A word with no entry (F9 on a variable name) opens the index, not an error box.
        if (!help.search(std::string_view(text.constData(), static_cast<size_t>(text.size())), errorTopic ? errorCode : 0)) {
            help.search("index");
            noteLabel->setText(tr("No entry for \"%1\"; this is the index.").arg(topic));
        }
    }
    refresh();
}

void thehelp::layOut() {
    // The left column keeps its place; the list grows downwards, the page and
    // the page buttons follow the right and bottom edges.
    const int w = width();
    const int h = height();
    list->setGeometry(10, 132, 290, h - 180);
    scroller->setGeometry(HelpPage::left, 0, w - HelpPage::left - 2, h - 48);
    previousButton->setGeometry(w - 480, h - 40, 100, 28);
    nextButton->setGeometry(w - 370, h - 40, 100, 28);
    copyButton->setGeometry(w - 240, h - 40, 100, 28);
    closeButton->setGeometry(w - 120, h - 40, 100, 28);
    fitPage();
}

void thehelp::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void thehelp::done(int result) {
    QSettings().setValue(QLatin1String(helpWindowSizeKey), size());
    QDialog::done(result);
}

void thehelp::refresh() {
    filling = true;
    list->clear();
    list->addItems(listRows());
    list->setCurrentRow(help.currentRow());
    filling = false;
    previousButton->setEnabled(previousEnabled());
    nextButton->setEnabled(nextEnabled());
    showPage();
}

void thehelp::fitPage() {
    page->fit(scroller->maximumViewportSize(), scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void thehelp::showPage() {
    fitPage();
    scroller->ensureVisible(0, 0);
    update();
}

QStringList thehelp::listRows() const {
    QStringList rows;
    for (const std::string& title : help.rowTitles()) rows << QString::fromLatin1(title.c_str());
    return rows;
}

QString thehelp::note() const { return noteLabel->text(); }

bool thehelp::previousEnabled() const { return help.canGoBack(); }
bool thehelp::nextEnabled() const { return help.canGoForward(); }

void thehelp::runSearch() {
    if (!help.loaded) return;
    const QByteArray text = searchEdit->text().toLatin1();
    const bool errorTopic = searchEdit->text().compare(QLatin1String("errormessages"), Qt::CaseInsensitive) == 0;
    noteLabel->clear();
    if (!help.search(std::string_view(text.constData(), static_cast<size_t>(text.size())), errorTopic ? errorCode : 0) &&
        !help.searchPrefix(std::string_view(text.constData(), static_cast<size_t>(text.size()))))
        reportError(tr("Command \"%1\" not found").arg(searchEdit->text()));
    refresh();
}

void thehelp::search(const QString& text) {
    searchEdit->setText(text);
    runSearch();
}

void thehelp::searchPrefix(const QString& text) {
    if (!help.loaded) return;
    const QByteArray typed = text.toLatin1();
    if (help.searchPrefix(std::string_view(typed.constData(), static_cast<size_t>(typed.size()))))
        noteLabel->clear();
    else if (!text.isEmpty())
        noteLabel->setText(tr("No entry starts with \"%1\".").arg(text));
    refresh();
}

void thehelp::showList(HelpSection section) {
    help.showList(section);
    refresh();
}

void thehelp::selectRow(int row) {
    help.selectRow(row);
    previousButton->setEnabled(previousEnabled());
    nextButton->setEnabled(nextEnabled());
    showPage();
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
}
