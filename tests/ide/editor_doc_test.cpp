#include "editor_doc.h"

#include <gtest/gtest.h>

#include <array>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> linesOf(const CEditorDoc& doc) { return doc.allLines(); }

void typeText(CEditorDoc& doc, int line, int column, const std::string& text) {
    for (char c : text) doc.insertChar(line, column++, c, true);
}

// A view that reports a caret and remembers the context it was given.
struct RecordingView : EditorDocView {
    void linesChanged(int first, int removed, int inserted) override { changes.push_back({first, removed, inserted}); }
    ViewContext viewContext() const override { return current; }
    void applyViewContext(const ViewContext& context) override { current = context; }
    ViewContext current;
    std::vector<std::array<int, 3>> changes;
};

fs::path tempFile(const std::string& name) {
    return fs::temp_directory_path() / ("orb_doc_" + std::to_string(::getpid()) + "_" + name);
}

}  // namespace

TEST(EditorDocTabs, LoadExpandsAndSaveContracts) {
    EXPECT_EQ(expandTabs("a\tb"), "a\t  b");
    EXPECT_EQ(expandTabs("\tx"), "\t   x");
    EXPECT_EQ(expandTabs("abc\td"), "abc\td");
    EXPECT_EQ(expandTabs("abcd\te"), "abcd\t   e");
    EXPECT_EQ(contractTabs("a\t  b"), "a\tb");
    EXPECT_EQ(contractTabs("abc\td"), "abc\td");
    // Blanks beyond the padding were typed and stay.
    EXPECT_EQ(contractTabs("a\t    b"), "a\t  b");
}

TEST(EditorDocFile, LoadSplitsLinesAndSaveKeepsTheFilesForm) {
    const fs::path path = tempFile("load.orb");
    std::ofstream(path, std::ios::binary) << "a\tb\r\nPrint 1\nlast";
    CEditorDoc doc;
    ASSERT_TRUE(doc.load(path.string()));
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"a\t  b", "Print 1", "last"}));
    EXPECT_EQ(doc.widestLine(), 7);
    EXPECT_FALSE(doc.isModified());
    doc.insertChar(2, 4, '!', true);
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.save(path.string()));
    EXPECT_FALSE(doc.isModified());
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a\tb\r\nPrint 1\r\nlast!");
    fs::remove(path);
}

TEST(EditorDocFile, FailedSaveKeepsOldFileAndModifiedFlag) {
    const fs::path folder = tempFile("readonly");
    fs::create_directories(folder);
    const fs::path path = folder / "x.orb";
    std::ofstream(path, std::ios::binary) << "old\r\n";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    CEditorDoc doc;
    ASSERT_TRUE(doc.load(path.string()));
    doc.replaceLine(0, "new", true);
    const bool saved = doc.save(path.string());
    fs::permissions(folder, fs::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_FALSE(saved);
        EXPECT_TRUE(doc.isModified());
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old\r\n");
    }
    fs::remove_all(folder);
}

TEST(EditorDocFile, MissingFileDoesNotLoad) {
    CEditorDoc doc;
    EXPECT_FALSE(doc.load(tempFile("nothing-here.orb").string()));
    EXPECT_EQ(doc.lineCount(), 1);
}

TEST(EditorDocUndo, TypingRunIsOneUndo) {
    CEditorDoc doc;
    typeText(doc, 0, 0, "abc");
    EXPECT_EQ(doc.line(0), "abc");
    doc.undo();
    EXPECT_EQ(doc.line(0), "");
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
}

TEST(EditorDocUndo, MovingTheCaretStartsANewGroup) {
    CEditorDoc doc;
    typeText(doc, 0, 0, "ab");
    doc.insertChar(0, 0, 'c', true);  // caret moved back to the start
    EXPECT_EQ(doc.line(0), "cab");
    doc.undo();
    EXPECT_EQ(doc.line(0), "ab");
    doc.undo();
    EXPECT_EQ(doc.line(0), "");
}

TEST(EditorDocUndo, TabAlwaysStartsAGroup) {
    CEditorDoc doc;
    doc.insertChar(0, 0, 'a', true);
    doc.insertChar(0, 1, '\t', true);
    EXPECT_EQ(doc.line(0), "a\t  ");
    doc.insertChar(0, 4, 'b', true);  // after the padding: not one column after the tab
    doc.undo();
    EXPECT_EQ(doc.line(0), "a\t  ");
    doc.undo();
    EXPECT_EQ(doc.line(0), "a");
}

TEST(EditorDocUndo, DeletionEndsTheTypingRun) {
    CEditorDoc doc;
    typeText(doc, 0, 0, "ab");
    doc.deleteChar(0, 1, true);
    doc.insertChar(0, 1, 'c', true);
    EXPECT_EQ(doc.line(0), "ac");
    doc.undo();
    EXPECT_EQ(doc.line(0), "a");
    doc.undo();
    EXPECT_EQ(doc.line(0), "ab");
    doc.undo();
    EXPECT_EQ(doc.line(0), "");
}

TEST(EditorDocUndo, EnterInTheMiddleUndoesInOneStep) {
    CEditorDoc doc;
    doc.setLinesFromText("Print x");
    doc.insertChar(0, 5, '\r', true);
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"Print", " x"}));
    doc.undo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"Print x"}));
    doc.redo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"Print", " x"}));
}

TEST(EditorDocUndo, DeleteAtLineEndJoinsAndUndoSplits) {
    CEditorDoc doc;
    doc.setLinesFromText("ab\ncd\nef");
    doc.deleteChar(0, 2, true);
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"abcd", "ef"}));
    doc.undo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"ab", "cd", "ef"}));
}

TEST(EditorDocUndo, DeleteAtEndOfLastLineDoesNothing) {
    CEditorDoc doc;
    doc.setLinesFromText("ab");
    doc.deleteChar(0, 2, true);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
}

TEST(EditorDocUndo, TabIsDeletedWithItsPaddingAndRestored) {
    CEditorDoc doc;
    doc.setLinesFromText("a\tb");
    doc.deleteChar(0, 1, true);
    EXPECT_EQ(doc.line(0), "ab");
    doc.undo();
    EXPECT_EQ(doc.line(0), "a\t  b");
}

TEST(EditorDocUndo, RedoAfterANewEditDoesNothing) {
    CEditorDoc doc;
    typeText(doc, 0, 0, "ab");
    doc.undo();
    EXPECT_TRUE(doc.canRedo());
    doc.insertChar(0, 0, 'x', true);
    EXPECT_FALSE(doc.canRedo());
    doc.redo();
    EXPECT_EQ(doc.line(0), "x");
}

TEST(EditorDocUndo, LineOperationsUndoAndRedo) {
    CEditorDoc doc;
    doc.setLinesFromText("one\ntwo");
    doc.appendLine("three", true);
    doc.insertLine(0, "zero", true);
    doc.deleteLine(2, true);
    doc.replaceLine(1, "ONE", true);
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"zero", "ONE", "three"}));
    for (int i = 0; i < 4; ++i) doc.undo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(doc.isModified());
    for (int i = 0; i < 4; ++i) doc.redo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"zero", "ONE", "three"}));
    EXPECT_TRUE(doc.isModified());
}

TEST(EditorDocUndo, ItemsWithoutGroupStartJoinThePreviousGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("a\nb\nc");
    doc.replaceLine(0, "A", true);
    doc.replaceLine(1, "B", false);
    doc.replaceLine(2, "C", false);
    doc.undo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(doc.canUndo());
    doc.redo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_FALSE(doc.canRedo());
}

TEST(EditorDocUndo, RedoStopsAtTheNextGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("a\nb");
    doc.replaceLine(0, "A", true);
    doc.replaceLine(1, "B", true);
    doc.undo();
    doc.undo();
    doc.redo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"A", "b"}));
    EXPECT_TRUE(doc.canRedo());
}

TEST(EditorDocUndo, UndoRestoresTheViewContextOfTheChange) {
    CEditorDoc doc;
    RecordingView view;
    doc.attachView(&view);
    doc.setLinesFromText("x\ny\nz");
    view.current = {2, 1, 0, 40};
    doc.insertChar(2, 1, 'q', true);
    view.current = {0, 0, 0, 0};  // the user scrolled away
    doc.undo();
    EXPECT_EQ(view.current, (ViewContext{2, 1, 0, 40}));
    // Redo returns to where the view was when the change was undone.
    doc.redo();
    EXPECT_EQ(view.current, (ViewContext{0, 0, 0, 0}));
    doc.detachView(&view);
}

TEST(EditorDocUndo, ViewsHearOfEveryChangedLine) {
    CEditorDoc doc;
    RecordingView view;
    doc.attachView(&view);
    doc.setLinesFromText("ab\ncd");
    view.changes.clear();
    doc.insertChar(0, 1, '\r', true);
    EXPECT_EQ(view.changes, (std::vector<std::array<int, 3>>{{0, 1, 1}, {1, 0, 1}}));
    doc.detachView(&view);
}

TEST(EditorDocUndo, LimitDropsTheOldestWholeGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("");
    // A first group of three items, then single-item groups up to the limit.
    doc.replaceLine(0, "a", true);
    doc.appendLine("b", false);
    doc.appendLine("c", false);
    for (int i = 0; i < 1021; ++i) doc.replaceLine(0, std::to_string(i), true);
    EXPECT_EQ(doc.history().undoCount(), 1024u);
    EXPECT_FALSE(doc.history().isTruncated());
    doc.replaceLine(0, "last", true);
    // One item off the bottom leaves 1023, then the rest of the broken group goes too.
    EXPECT_EQ(doc.history().undoCount(), 1022u);
    EXPECT_TRUE(doc.history().isTruncated());
    while (doc.canUndo()) doc.undo();
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"a", "b", "c"}));
    // The saved state cannot be reached again.
    EXPECT_TRUE(doc.isModified());
}

TEST(EditorDocUndo, TheNewestGroupIsKeptWholeHoweverLarge) {
    CEditorDoc doc;
    doc.replaceLine(0, "0", true);
    for (int i = 1; i < 1024; ++i) doc.replaceLine(0, std::to_string(i), false);
    doc.replaceLine(0, "new", false);
    EXPECT_EQ(doc.history().undoCount(), 1025u);
    EXPECT_FALSE(doc.history().isTruncated());
    doc.undo();
    EXPECT_EQ(doc.line(0), "");
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
}

TEST(EditorDocUndo, ANewGroupAfterAHugeOneDropsItWhole) {
    CEditorDoc doc;
    doc.replaceLine(0, "a", true);
    doc.replaceLine(0, "0", true);
    for (int i = 1; i < 2000; ++i) doc.replaceLine(0, std::to_string(i), false);
    EXPECT_EQ(doc.history().undoCount(), 2000u);  // the first group went, the huge one stays
    EXPECT_TRUE(doc.history().isTruncated());
    doc.replaceLine(0, "next", true);
    EXPECT_EQ(doc.history().undoCount(), 1u);
    doc.undo();
    EXPECT_EQ(doc.line(0), "1999");
    EXPECT_FALSE(doc.canUndo());
}

TEST(EditorDocUndo, ItemsJoiningTheNewestGroupAfterAnUndoKeepItWhole) {
    CEditorDoc doc;
    for (int i = 0; i < 1000; ++i) doc.replaceLine(0, std::to_string(i), true);
    doc.replaceLine(0, "x", true);
    doc.undo();
    // Items without a group start join the group on top, 999, which must stay whole.
    for (int i = 0; i < 100; ++i) doc.replaceLine(0, "y" + std::to_string(i), false);
    doc.undo();
    EXPECT_EQ(doc.line(0), "998");
}

TEST(EditorDocFile, SaveKeepsThePermissionsAndLeavesNoTemporaryFile) {
    const fs::path folder = tempFile("perms");
    fs::create_directories(folder);
    const fs::path path = folder / "x.orb";
    std::ofstream(path, std::ios::binary) << "old\r\n";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CEditorDoc doc;
    ASSERT_TRUE(doc.load(path.string()));
    doc.replaceLine(0, "new", true);
    ASSERT_TRUE(doc.save(path.string()));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

TEST(EditorDocUndo, TypingAfterRedoStartsANewGroup) {
    CEditorDoc doc;
    typeText(doc, 0, 0, "abc");
    doc.undo();
    doc.redo();
    doc.insertChar(0, 3, 'd', true);
    doc.undo();
    EXPECT_EQ(doc.line(0), "abc");
}
