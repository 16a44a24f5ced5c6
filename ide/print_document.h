// Printing, print preview and print setup of a document.
#pragma once

#include "editor_doc.h"

#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

void printDocument(QPrinter& printer, const CEditorDoc& doc, const QString& title, bool lineNumbers, const QFont& font);

// The print dialog with the extra "Print line numbers:" option; false when cancelled.
bool askToPrint(QPrinter& printer, bool& lineNumbers, QWidget* parent);
void showPrintPreview(QPrinter& printer, const CEditorDoc& doc, const QString& title, bool lineNumbers,
                      const QFont& font, QWidget* parent);
void showPrintSetup(QPrinter& printer, QWidget* parent);
