#include "compile_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Each status text names its stage; everything after the two compile passes
// (patching and the output) belongs to the third row.
int rowOf(const QString& text) {
    if (text.startsWith(QStringLiteral("Pass 1"))) return 0;
    if (text.startsWith(QStringLiteral("Pass 2"))) return 1;
    return 2;
}

// The bar counts the stages that succeeded: two passes, patching, the output.
int stagesDone(const QString& text) {
    if (text == QStringLiteral("Pass 1 ..... Ok")) return 1;
    if (text == QStringLiteral("Pass 2 ..... Ok")) return 2;
    if (text == QStringLiteral("Pass 3 ..... Ok")) return 3;
    if (text == QStringLiteral("Operation Complete")) return 4;
    return -1;
}

}  // namespace

CompileDialog::CompileDialog(std::function<QString()> askOutputName, QWidget* parent)
    : QDialog(parent), askOutputName(std::move(askOutputName)) {
    setWindowTitle(tr("Compile"));
    auto* layout = new QGridLayout(this);
    const QString rows[3] = {tr("Pass 1"), tr("Pass 2"), tr("Compile")};
    for (int row = 0; row < 3; ++row) {
        layout->addWidget(new QLabel(rows[row], this), row, 0);
        results[row] = new QLabel(this);
        results[row]->setMinimumWidth(180);
        results[row]->setFrameShape(QFrame::Panel);
        results[row]->setFrameShadow(QFrame::Sunken);
        layout->addWidget(results[row], row, 1);
    }
    bar = new QProgressBar(this);
    bar->setRange(0, 4);
    bar->setValue(0);
    bar->setTextVisible(false);
    layout->addWidget(bar, 3, 0, 1, 2);
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setEnabled(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(closeButton, 4, 1, Qt::AlignRight);
}

void CompileDialog::status(const std::string& text) {
    const QString status = QString::fromStdString(text);
    if (status.startsWith(QStringLiteral("Not shrunk"))) shrinkNote = status;
    const int row = rowOf(status);
    results[row]->setText(row == 2 && !shrinkNote.isEmpty() && status != shrinkNote
                              ? status + QStringLiteral("\n") + shrinkNote
                              : status);
    if (const int done = stagesDone(status); done > 0) bar->setValue(done);
    // The build runs on this thread: let the dialog show each stage as it ends.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::string CompileDialog::outputName() { return askOutputName().toLocal8Bit().toStdString(); }

void CompileDialog::finish() {
    closeButton->setEnabled(true);
    closeButton->setDefault(true);
    closeButton->setFocus();
}

QString CompileDialog::result(int row) const { return results[row]->text(); }

int CompileDialog::progress() const { return bar->value(); }
