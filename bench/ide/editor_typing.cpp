// Types into and scrolls a 20,000-line document and reports the time per
// keystroke, including the document change, recolouring and a full repaint.
#include "editor_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string bigProgram(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) {
        switch (i % 4) {
        case 0: text += "; part " + std::to_string(i) + " of the program\n"; break;
        case 1: text += "\tx = x + $1F * " + std::to_string(i) + " : Print \"Line; value\", Str$(x)\n"; break;
        case 2: text += "\tIf KeyPressed(GameA) Then Sprite 1, x, y, 3 : Goto done\n"; break;
        default: text += "\ta$ = Left$(b$, 4) + 'c' Rem trailing remark\n"; break;
        }
    }
    return text;
}

double perKey(QElapsedTimer& timer, int keys) { return static_cast<double>(timer.nsecsElapsed()) / 1e6 / keys; }

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Settings settings;
    auto doc = std::make_shared<CEditorDoc>();
    doc->setLinesFromText(bigProgram(20000));
    CEditorView view(doc, settings);
    view.resize(1000, 800);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) std::printf("window not exposed: figures exclude painting\n");
    view.setFocus();
    view.goToLine(10000);
    view.viewport()->repaint();

    constexpr int keys = 2000;
    QElapsedTimer timer;
    QElapsedTimer one;
    qint64 slowest = 0;
    timer.start();
    for (int i = 0; i < keys; ++i) {
        one.start();
        QTest::keyClick(&view, static_cast<char>('a' + i % 26));
        if (i % 40 == 39) QTest::keyClick(&view, Qt::Key_Return);
        view.viewport()->repaint();
        slowest = std::max(slowest, one.nsecsElapsed());
    }
    std::printf("typing:     %.3f ms per keystroke, slowest %.3f ms (%d keys, 20000 lines)\n", perKey(timer, keys),
                static_cast<double>(slowest) / 1e6, keys);

    timer.restart();
    for (int i = 0; i < keys; ++i) {
        QTest::keyClick(&view, Qt::Key_Backspace);
        view.viewport()->repaint();
    }
    std::printf("backspace:  %.3f ms per keystroke\n", perKey(timer, keys));

    view.goToLine(1);
    constexpr int pages = 400;
    timer.restart();
    for (int i = 0; i < pages; ++i) {
        QTest::keyClick(&view, Qt::Key_PageDown);
        view.viewport()->repaint();
    }
    std::printf("page down:  %.3f ms per keystroke (every page newly coloured)\n", perKey(timer, pages));

    timer.restart();
    for (int i = 0; i < keys; ++i) {
        QTest::keyClick(&view, Qt::Key_Up);
        view.viewport()->repaint();
    }
    std::printf("line up:    %.3f ms per keystroke\n", perKey(timer, keys));

    timer.restart();
    doc->setLinesFromText(bigProgram(20000));
    std::printf("load:       %.3f ms for 20000 lines\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    return 0;
}
