#include "error_viewers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString fromLatin1(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

// ---- error dialog ----

showerror::showerror(const std::string& errorFilePath, std::function<void(int)> explain, QWidget* parent,
                     const QString& hint)
    : QDialog(parent), hint(hint) {
    setWindowTitle(tr("Error"));
    const std::optional<std::string> text = readErrorFile(errorFilePath);
    fileFound = text.has_value();
    if (fileFound) errorReport = parseErrorLine(firstErrorLine(*text));

    lineEdit = new QLineEdit(fileFound ? fromLatin1(errorReport.lineText) : tr("Error"));
    detailEdit = new QLineEdit(fileFound ? fromLatin1(errorReport.detail) : tr("Previous Error Not Found"));
    for (QLineEdit* field : {lineEdit, detailEdit}) field->setReadOnly(true);
    goButton = new QPushButton(tr("Go to Line"));
    goButton->setDefault(true);
    goButton->setEnabled(canGoToLine());
    auto* explainButton = new QPushButton(tr("Explain"));
    auto* cancelButton = new QPushButton(tr("Cancel"));
    connect(goButton, &QPushButton::clicked, this, [this] {
        chosenLine = errorReport.line;
        accept();
    });
    connect(explainButton, &QPushButton::clicked, this, [this, explain] {
        if (explain) explain(errorReport.code);
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {goButton, explainButton, cancelButton}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    // The message is painted at (61, 8) beside the icon.
    layout->setContentsMargins(10, 40, 10, 10);
    layout->addWidget(lineEdit);
    layout->addWidget(detailEdit);
    if (!hint.isEmpty()) {
        auto* hintLabel = new QLabel(tr("Hint: ") + hint);
        hintLabel->setWordWrap(true);
        layout->addWidget(hintLabel);
    }
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

QString showerror::lineField() const { return lineEdit->text(); }
QString showerror::detailField() const { return detailEdit->text(); }
bool showerror::canGoToLine() const { return fileFound && errorReport.code != 0; }

void showerror::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QIcon icon = style()->standardIcon(fileFound && errorReport.code == 0 ? QStyle::SP_MessageBoxInformation
                                                                                : QStyle::SP_MessageBoxWarning);
    painter.drawPixmap(12, 4, icon.pixmap(32, 32));
    painter.drawText(61, 8 + painter.fontMetrics().ascent(), fromLatin1(errorReport.message));
}

// ---- output viewer ----

viewoutput::viewoutput(const std::string& errorFilePath, const std::string& screenshotPath, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Output"));
    ScreenSize size;
    if (const std::optional<std::string> text = readErrorFile(errorFilePath)) size = parseScreenSize(firstErrorLine(*text));
    const QPixmap picture(QString::fromLocal8Bit(screenshotPath.c_str()), "BMP");
    if (picture.isNull()) {
        // A window of its own size that says why it is empty, not a title bar around one line.
        auto* layout = new QVBoxLayout(this);
        auto* nothing = new QLabel(tr("Nothing to view..."));
        nothing->setObjectName(QStringLiteral("nothing"));
        auto* why = new QLabel(tr("There is no output yet: the last screen of a program shows here after it has run "
                                  "(Program > Run, F1)."));
        why->setWordWrap(true);
        auto* closeButton = new QPushButton(tr("Close"));
        connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(closeButton);
        layout->addWidget(nothing);
        layout->addWidget(why);
        layout->addStretch();
        layout->addLayout(buttons);
        setMinimumSize(380, 160);
        return;
    }
    int width = picture.width();
    int height = picture.height();
    if (size.width > 0 && size.height > 0) {
        width = size.width;
        height = size.height;
    }
    auto* frame = new QLabel(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setPixmap(picture);
    frame->setGeometry(4, 4, width, height);
    setFixedSize(width + 15, height + 40);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint((width + 15) / 2, (height + 40) / 2));
    pictureShown = true;
}

// ---- variable viewer ----

variableviewer::variableviewer(const std::string& errorFilePath, std::function<void()> help, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Variable Viewer"));
    nameEdit = new QLineEdit;
    list = new QListWidget;
    auto* closeButton = new QPushButton(tr("Close"));
    auto* helpButton = new QPushButton(tr("Help"));
    auto* viewAllButton = new QPushButton(tr("View All"));
    for (QPushButton* button : {closeButton, helpButton, viewAllButton}) button->setAutoDefault(false);
    connect(nameEdit, &QLineEdit::returnPressed, this, &variableviewer::lookUp);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpButton, &QPushButton::clicked, this, [help] {
        if (help) help();
    });
    connect(viewAllButton, &QPushButton::clicked, this, &variableviewer::viewAll);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {closeButton, helpButton, viewAllButton}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("To view the value of a variable enter its name, include $ if string etc...")));
    layout->addWidget(nameEdit);
    layout->addWidget(list);
    layout->addLayout(buttons);

    const std::optional<std::string> text = readErrorFile(errorFilePath);
    if (!text) {
        list->addItem(tr("No variables found."));
        list->addItem(tr("Program must be run first..."));
        return;
    }
    dump = parseVariableDump(*text);
    showNothingStored();
}

void variableviewer::showNothingStored() {
    if (!dump.empty()) return;
    list->addItem(tr("No variables found."));
    list->addItem(tr("The last run left no variables to show."));
}

void variableviewer::lookUp() {
    const QByteArray typed = nameEdit->text().toLatin1();
    const DumpEntry* entry = findVariable(dump, std::string_view(typed.constData(), static_cast<size_t>(typed.size())));
    list->insertItem(0, entry ? fromLatin1(entry->name + "=" + entry->value) : nameEdit->text() + tr(" Not Found"));
    nameEdit->selectAll();
}

void variableviewer::viewAll() {
    list->clear();
    for (const DumpEntry& entry : dump) list->addItem(fromLatin1(entry.name + "=" + entry.value));
    showNothingStored();
}

QStringList variableviewer::rows() const {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}
