// Selects all of a 50,000-line document in a real view, deletes it and undoes
// the deletion, and reports the time of each step and the memory the undo
// history holds for it.
#include "editor_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string bigProgram(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "\tx = x + " + std::to_string(i) + " : Print \"Line; value\", Str$(x)\n";
    return text;
}

// Resident memory in KiB, from the kernel's account of this process.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return 0;
}

double msSince(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int lineCount = 50000;
    Settings settings;
    auto doc = std::make_shared<CEditorDoc>();
    const std::string text = bigProgram(lineCount);
    doc->setLinesFromText(text);
    CEditorView view(doc, settings);
    view.resize(1000, 800);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) std::printf("window not exposed: figures exclude painting\n");
    view.setFocus();
    view.viewport()->repaint();

    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    view.selectAll();
    QTest::keyClick(&view, Qt::Key_Delete);
    view.viewport()->repaint();
    const double deleteMs = msSince(timer);
    const long afterDelete = residentKiB();
    const std::size_t items = doc->history().undoCount();

    timer.restart();
    view.undo();
    view.viewport()->repaint();
    const double undoMs = msSince(timer);
    const bool whole = doc->lineCount() == lineCount && !doc->isModified();

    std::printf("delete all: %.1f ms (%d lines, %zu bytes)\n", deleteMs, lineCount, text.size());
    std::printf("undo:       %.1f ms, every line back: %s\n", undoMs, whole ? "yes" : "NO");
    std::printf("history:    %ld KiB more resident after the deletion, held in %zu undo items\n",
                afterDelete - before, items);
    return whole ? 0 : 1;
}
