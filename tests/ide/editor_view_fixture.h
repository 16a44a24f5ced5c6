// A document in a real editor view on the offscreen platform, and the keys a
// user presses in it: the set-up every editor widget test starts from.
#pragma once

#include "editor_view.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct EditorViewFixture : ::testing::Test {
    Settings settings;
    std::shared_ptr<CEditorDoc> doc = std::make_shared<CEditorDoc>();
    std::unique_ptr<CEditorView> view;

    void open(const char* text) {
        doc->setLinesFromText(text);
        showView();
    }
    // A view of the document as it stands, shown and given the keyboard.
    void showView() {
        view = std::make_unique<CEditorView>(doc, settings);
        view->resize(500, 300);
        view->show();
        view->setFocus();
    }
    void type(const char* text) { QTest::keyClicks(view.get(), QString::fromLatin1(text)); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(view.get(), k, modifiers); }
};
