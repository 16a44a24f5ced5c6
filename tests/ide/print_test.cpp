#include "print_document.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

TEST(Printing, ManyPagesIntoAPdf) {
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / ("orb_print_" + std::to_string(::getpid()) + ".pdf");
    CEditorDoc doc;
    std::string text;
    for (int i = 0; i < 300; ++i) text += "Print \"line\"\t" + std::to_string(i) + "\n";
    doc.setLinesFromText(text);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printDocument(printer, doc, QStringLiteral("game.orb"), true, QFont(QStringLiteral("Courier")));
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
    std::filesystem::remove(pdf);
}
