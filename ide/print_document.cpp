#include "print_document.h"

#include "print_layout.h"

#include <QCheckBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

void printDocument(QPrinter& printer, const CEditorDoc& doc, const QString& title, bool lineNumbers, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    QFont printFont(font);
    printFont.setPointSize(10);
    painter.setFont(printFont);
    const QFontMetrics metrics(printFont, &printer);
    const int lineHeight = metrics.height();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int perPage = printLinesPerPage(page.height(), lineHeight);
    const int pages = printPageCount(doc.lineCount(), perPage);
    const QByteArray titleBytes = title.toLatin1();
    for (int n = 1; n <= pages; ++n) {
        if (n > 1) printer.newPage();
        painter.drawText(0, printHeaderLine * lineHeight + metrics.ascent(),
                         QString::fromLatin1(printHeader(titleBytes.toStdString(), n).c_str()));
        const int first = (n - 1) * perPage;
        const int last = std::min(doc.lineCount(), n * perPage);
        for (int i = first; i < last; ++i) {
            const int y = (printBodyLine + i - first) * lineHeight + metrics.ascent();
            painter.drawText(0, y, QString::fromLatin1(printedLine(doc.line(i), i + 1, lineNumbers).c_str()));
        }
    }
    painter.end();
}

bool askToPrint(QPrinter& printer, bool& lineNumbers, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    auto* options = new QWidget;
    options->setWindowTitle(QObject::tr("Options"));
    auto* numbers = new QCheckBox(QObject::tr("Print line numbers:"), options);
    numbers->setChecked(lineNumbers);
    auto* layout = new QVBoxLayout(options);
    layout->addWidget(numbers);
    layout->addStretch();
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted) return false;
    lineNumbers = numbers->isChecked();
    return true;
}

void showPrintPreview(QPrinter& printer, const CEditorDoc& doc, const QString& title, bool lineNumbers,
                      const QFont& font, QWidget* parent) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { printDocument(*target, doc, title, lineNumbers, font); });
    preview.exec();
}

void showPrintSetup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}
