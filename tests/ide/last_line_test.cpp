// The empty line after a file's final line end, through the real editor view:
// the caret reaches it as in other Linux editors, and an unedited file is still
// written back byte for byte.
#include "edit_commands.h"
#include "editor_view_fixture.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct EditorLastLine : EditorViewFixture {
    fs::path path = fs::temp_directory_path() / ("orb_last_line_" + std::to_string(::getpid()) + ".orb");

    void openFile(const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        ASSERT_TRUE(doc->load(path.string()));
        showView();
    }
    std::string saved() {
        EXPECT_TRUE(doc->save(path.string()));
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void TearDown() override { fs::remove(path); }
};

}  // namespace

TEST_F(EditorLastLine, CtrlEndPutsTheCaretOnTheEmptyLineAfterTheFinalLineEnd) {
    openFile("a\nbc\n");
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->caret().pos, (TextPos{2, 0}));
    EXPECT_FALSE(view->caret().hasSelection());
}

TEST_F(EditorLastLine, TypingThereAppendsAfterTheFinalLineEnd) {
    openFile("a\nbc\n");
    key(Qt::Key_End, Qt::ControlModifier);
    type("d");
    EXPECT_EQ(saved(), "a\nbc\nd");
}

TEST_F(EditorLastLine, TypedLinesThereKeepACrLfFilesFinalLineEnd) {
    openFile("x\r\ny\r\n");
    key(Qt::Key_End, Qt::ControlModifier);
    type("z");
    key(Qt::Key_Return);
    EXPECT_EQ(saved(), "x\r\ny\r\nz\r\n");
}

TEST_F(EditorLastLine, WithoutAFinalLineEndCtrlEndStaysOnTheLastLine) {
    openFile("a\nbc");
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->caret().pos, (TextPos{1, 2}));
    key(Qt::Key_Down);
    EXPECT_EQ(view->caret().pos, (TextPos{1, 2}));
}

TEST_F(EditorLastLine, DownArrowAndAClickBelowTheTextReachIt) {
    openFile("a\nbc\n");
    view->setCaret({1, 1});
    key(Qt::Key_Down);
    EXPECT_EQ(view->caret().pos, (TextPos{2, 0}));
    view->setCaret({0, 0});
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(view->marginWidth() + 20, 10 * view->lineHeight()));
    EXPECT_EQ(view->caret().pos, (TextPos{2, 0}));
}

TEST_F(EditorLastLine, CtrlShiftEndSelectsTheFinalLineEnd) {
    openFile("a\nbc\n");
    key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selectedText(*doc, view->caret()), "a\nbc\n");
}

TEST_F(EditorLastLine, ItIsNotALineOfTheFileForTheMarginOrTheCompiler) {
    openFile("a\nbc\n");
    EXPECT_EQ(doc->lineCount(), 2);
    EXPECT_EQ(doc->allLines(), (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(CEditorView::lineNumberX(2, doc->lineCount()), -1);
}

TEST_F(EditorLastLine, UneditedFilesAreSavedByteForByte) {
    for (const char* bytes : {"a\nbc\n", "a\nbc", "a\r\nbc\r\n", "a\r\nbc", "", "\n", "\r\n", "a\n\n"}) {
        SCOPED_TRACE(bytes);
        openFile(bytes);
        key(Qt::Key_End, Qt::ControlModifier);
        EXPECT_FALSE(doc->isModified());
        EXPECT_EQ(saved(), bytes);
    }
}

TEST_F(EditorLastLine, UndoingTypingThereRestoresTheFile) {
    openFile("a\r\nbc\r\n");
    key(Qt::Key_End, Qt::ControlModifier);
    type("End");
    view->undo();
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->lineCount(), 2);
    EXPECT_EQ(saved(), "a\r\nbc\r\n");
}

TEST_F(EditorLastLine, DeleteAtTheEndOfTheLastLineRemovesTheFinalLineEndUntilUndone) {
    openFile("a\nbc\n");
    view->setCaret({1, 2});
    key(Qt::Key_Delete);
    EXPECT_EQ(saved(), "a\nbc");
    view->undo();
    EXPECT_EQ(saved(), "a\nbc\n");
}
