#include "compile_dialog.h"
#include "editor_view.h"
#include "main_frame.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Remembers what it was asked to build and answers as told.
struct RecordingBuilds : BuildService {
    BuildOutcome build(const DocumentBuild& request) override {
        modes.push_back(request.mode);
        lines = request.lines;
        workFolder = request.workFolder;
        return outcome;
    }
    // Reports the given stages, asking for the output name where the real build does.
    BuildOutcome compilePackage(const DocumentBuild& request, CompileProgress& progress) override {
        lines = request.lines;
        for (const std::string& stage : stages) {
            if (stage == "?") outputName = progress.outputName();
            else progress.status(stage);
        }
        return outcome;
    }
    bool stopLastRun() override {
        ++stops;
        return stopAnswer;
    }
    BuildOutcome outcome;
    int stops = 0;
    bool stopAnswer = true;
    std::vector<std::string> stages;
    std::string outputName;
    std::vector<BuildCommand> modes;
    std::vector<std::string> lines;
    std::string workFolder;
};

struct FrameFixture : ::testing::Test {
    FrameFixture() {
        folder = fs::temp_directory_path() /
                 ("orb_frame_" + std::to_string(::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        env.folders = folderLayout(folder.string(), folder.string());
        frame = std::make_unique<CMainFrame>(env);
        frame->askToSave = [this](const QString& title) {
            saveQuestions << title;
            return saveAnswer;
        };
        frame->askToSaveAll = [this](const QStringList& titles) {
            saveQuestions << titles;
            return saveAllAnswer;
        };
        frame->askToReload = [this](const QString& path) {
            diskQuestions << path;
            return diskAnswer;
        };
        frame->askToOverwrite = frame->askToReload;
        frame->warn = [this](const QString& text) { warnings << text; };
        frame->show();
    }
    ~FrameFixture() override {
        frame.reset();
        fs::remove_all(folder);
    }
    std::string file(const char* name, const char* text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }

    fs::path folder;
    RecordingBuilds builds;
    Environment env{{}, {}, builds};
    std::unique_ptr<CMainFrame> frame;
    QStringList saveQuestions;
    QMessageBox::StandardButton saveAnswer = QMessageBox::No;
    QMessageBox::StandardButton saveAllAnswer = QMessageBox::Cancel;
    QStringList diskQuestions;
    bool diskAnswer = false;
    QStringList warnings;
};

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Another program writes the file: a new file renamed over it, as editors save.
void writeBehindTheEditorsBack(const std::string& path, const std::string& text) {
    std::ofstream(path + ".new", std::ios::binary) << text;
    fs::rename(path + ".new", path);
}

}  // namespace

TEST(SaveAllName, NameWithoutDotGetsTheDocumentExtension) {
    EXPECT_EQ(withDocumentExtension(QStringLiteral("/a/game")), QStringLiteral("/a/game.orb"));
    EXPECT_EQ(withDocumentExtension(QStringLiteral("/a.b/game")), QStringLiteral("/a.b/game.orb"));
    EXPECT_EQ(withDocumentExtension(QStringLiteral("/a/game.txt")), QStringLiteral("/a/game.txt"));
}

TEST_F(FrameFixture, MenusCarryTheirTextsAndShortcuts) {
    ASSERT_NE(frame->action(QStringLiteral("&Run\tF1")), nullptr);
    EXPECT_EQ(frame->action(QStringLiteral("&Run\tF1"))->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(frame->action(QStringLiteral("&Test\tF2"))->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(frame->action(QStringLiteral("&Last error\tF4"))->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(frame->action(QStringLiteral("Find &Next\tF3"))->shortcut(), QKeySequence(Qt::Key_F3));
    for (const char* text : {"&New...\tCtrl+N", "Save A&ll", "Print Pre&view", "Pre&ferences...", "&Redo\tCtrl+Y",
                             "&Clear\tDel", "R&eplace...\tCtrl+H", "View &Output", "&Variable Viewer", "&Compile...",
                             "Image Format &Converter", "Close A&ll", "&Arrange Icons", "&Quick Command Help\tF9"})
        EXPECT_NE(frame->action(QString::fromLatin1(text)), nullptr) << text;
    // The Tools commands follow what the current folder held at start-up.
    EXPECT_FALSE(frame->action(QStringLiteral("&Image Editor"))->isEnabled());
    EXPECT_FALSE(frame->action(QStringLiteral("&Map editor"))->isEnabled());
}

TEST_F(FrameFixture, TheAboutBoxSpellsTheProductOrbBasic) {
    QString title, text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->close();
        }
    });
    frame->action(QStringLiteral("&About ORB Basic..."))->trigger();  // the menu text stays as it always was
    EXPECT_EQ(title, QStringLiteral("About OrbBasic"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("OrbBasic "))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("ORB Basic")));
}

TEST_F(FrameFixture, AnsweringNoToTheExitQuestionKeepsEveryDocument) {
    frame->newDocument();
    frame->newDocument();
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->confirmExit = [] { return false; };
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(frame->childFrames().size(), 2);
    EXPECT_TRUE(saveQuestions.isEmpty());
}

TEST_F(FrameFixture, ExitAsksOnceForAllChangedDocuments) {
    const std::string path = file("game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->newDocument();
    frame->activeView()->document().insertChar(0, 0, 'y', true);
    frame->newDocument();  // unchanged: not listed
    frame->confirmExit = [] { return true; };
    saveAllAnswer = QMessageBox::Cancel;
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(saveQuestions, (QStringList{QString::fromStdString(path), QStringLiteral("Untitled")}));
    EXPECT_EQ(frame->childFrames().size(), 3);
    saveAllAnswer = QMessageBox::Discard;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(saveQuestions.size(), 4);  // the one question only, again
    EXPECT_EQ(contentsOf(path), "Print 1\n");
}

TEST_F(FrameFixture, SaveAllAtExitWritesEveryChangedFile) {
    const std::string path = file("game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->confirmExit = [] { return true; };
    saveAllAnswer = QMessageBox::SaveAll;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(contentsOf(path), "xPrint 1\n");
}

TEST_F(FrameFixture, AnUnchangedDocumentReloadsWhenItsFileChangesOnDisk) {
    const std::string path = file("game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    writeBehindTheEditorsBack(path, "Print 2\nEnd\n");
    CEditorDoc& doc = frame->activeView()->document();
    for (int i = 0; i < 50 && doc.line(0) != "Print 2"; ++i) QTest::qWait(50);
    EXPECT_EQ(doc.allLines(), (std::vector<std::string>{"Print 2", "End"}));
    EXPECT_TRUE(frame->statusBar()->currentMessage().startsWith(QStringLiteral("Reloaded ")));
    EXPECT_TRUE(diskQuestions.isEmpty());
    // The watch goes on after the rename.
    writeBehindTheEditorsBack(path, "Print 3\n");
    for (int i = 0; i < 50 && doc.line(0) != "Print 3"; ++i) QTest::qWait(50);
    EXPECT_EQ(doc.line(0), "Print 3");
}

TEST_F(FrameFixture, AChangedDocumentAsksBeforeReloading) {
    const std::string path = file("game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    CEditorDoc& doc = frame->activeView()->document();
    doc.insertChar(0, 0, 'x', true);
    writeBehindTheEditorsBack(path, "Print 2\n");
    for (int i = 0; i < 50 && diskQuestions.isEmpty(); ++i) QTest::qWait(50);
    EXPECT_EQ(diskQuestions, QStringList{QString::fromStdString(path)});
    EXPECT_EQ(doc.line(0), "xPrint 1");  // answered No
}

TEST_F(FrameFixture, SaveOverAFileChangedOnDiskAsksFirst) {
    const std::string path = file("game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    CEditorDoc& doc = frame->activeView()->document();
    doc.insertChar(0, 0, 'x', true);
    // Written by another program while no event loop runs: the watch has not answered yet.
    std::ofstream(path, std::ios::binary | std::ios::app) << "End\n";
    frame->action(QStringLiteral("&Save\tCtrl+S"))->trigger();
    EXPECT_EQ(diskQuestions, QStringList{QString::fromStdString(path)});
    EXPECT_EQ(contentsOf(path), "Print 1\nEnd\n");
    EXPECT_TRUE(doc.isModified());
    diskAnswer = true;
    frame->action(QStringLiteral("&Save\tCtrl+S"))->trigger();
    EXPECT_EQ(contentsOf(path), "xPrint 1\n");
    EXPECT_FALSE(doc.isModified());
}

TEST_F(FrameFixture, AnLfFileSavedAfterAnEditAndItsUndoIsByteIdentical) {
    const std::string text = "; a game\n\tx = 1\n\tPrint \"a\tb\"\nEnd\n";
    const std::string path = file("lf.orb", text.c_str());
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    CEditorView* view = frame->activeView();
    const std::vector<std::string> loaded = view->document().allLines();
    view->setCaret({1, 5});
    QTest::keyClicks(view, QStringLiteral("yz"));
    QTest::keyClick(view, Qt::Key_Return);
    view->undo();
    view->undo();
    ASSERT_EQ(view->document().allLines(), loaded);
    view->document().insertChar(0, 0, 'q', true);
    view->undo();
    view->document().setModified(true);
    frame->action(QStringLiteral("&Save\tCtrl+S"))->trigger();
    EXPECT_EQ(contentsOf(path), text);
}

TEST_F(FrameFixture, AUtf8FileOpensWithItsCharactersAndIsSavedAsUtf8) {
    const std::string path = file("utf8.orb", "Print \"Gr\xC3\xBC\xC3\x9F" "e\"\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    CEditorDoc& doc = frame->activeView()->document();
    EXPECT_EQ(doc.line(0), "Print \"Gr\xFC\xDF" "e\"");
    EXPECT_FALSE(doc.isReadOnly());
    doc.insertChar(0, 0, ' ', true);
    frame->action(QStringLiteral("&Save\tCtrl+S"))->trigger();
    EXPECT_EQ(contentsOf(path), " Print \"Gr\xC3\xBC\xC3\x9F" "e\"\n");
}

TEST_F(FrameFixture, ABinaryFileOpensReadOnlyWithAWarning) {
    const std::string path = (folder / "data.bin").string();
    std::ofstream(path, std::ios::binary) << std::string("PK\0\x03\nab\0", 8);
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("read-only")));
    CEditorView* view = frame->activeView();
    QTest::keyClicks(view, QStringLiteral("xyz"));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->document().isModified());
    frame->action(QStringLiteral("&Save\tCtrl+S"))->trigger();
    EXPECT_EQ(contentsOf(path), std::string("PK\0\x03\nab\0", 8));
    EXPECT_TRUE(frame->activeView()->parentWidget()->windowTitle().contains(QStringLiteral("[read-only]")));
}

TEST_F(FrameFixture, TheWindowTitleShowsThePath) {
    const std::string path = file("game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    EXPECT_EQ(frame->childFrames()[0]->windowTitle(), QString::fromStdString(path));
}

TEST_F(FrameFixture, OpeningAFileTwiceShowsTheSameWindow) {
    const std::string path = file("game.orb", "Print 1\r\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    EXPECT_EQ(frame->childFrames().size(), 1);
    EXPECT_EQ(frame->activeView()->document().line(0), "Print 1");
}

TEST_F(FrameFixture, OpeningAProjectMakesItsFolderCurrent) {
    const QString before = QDir::currentPath();
    const std::string path = file("game.PRJ", "x = 1\r\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    EXPECT_EQ(fs::path(QDir::currentPath().toStdString()), folder);
    QDir::setCurrent(before);
}

TEST_F(FrameFixture, NewWindowSharesTheDocument) {
    frame->newDocument();
    frame->action(QStringLiteral("&New Window"))->trigger();
    ASSERT_EQ(frame->childFrames().size(), 2);
    frame->childFrames()[0]->view()->document().insertChar(0, 0, 'q', true);
    EXPECT_EQ(frame->childFrames()[1]->view()->document().line(0), "q");
    // Closing one of two views does not ask.
    frame->childFrames()[0]->close();
    EXPECT_TRUE(saveQuestions.isEmpty());
}

TEST_F(FrameFixture, TestHandsTheDocumentToTheBuildAndMovesToTheErrorLine) {
    frame->newDocument();
    CEditorView* view = frame->activeView();
    QTest::keyClicks(view, QStringLiteral("x = 1"));
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view, QStringLiteral("Prnt x"));
    builds.outcome.lastErrorLine = 1;
    frame->test();
    EXPECT_EQ(builds.modes, std::vector<BuildCommand>{BuildCommand::Test});
    EXPECT_EQ(builds.lines, (std::vector<std::string>{"x = 1", "Prnt x"}));
    EXPECT_EQ(builds.workFolder, folder.string());
    EXPECT_EQ(view->caret().pos, (TextPos{0, 0}));
    builds.outcome.lastErrorLine = 0;
    frame->run();
    EXPECT_EQ(builds.modes, (std::vector<BuildCommand>{BuildCommand::Test, BuildCommand::Run}));
}

// Reads the Compile dialog's fields once the build has ended (Close becomes
// enabled), then presses Close.
struct CompileDialogReading {
    QString title;
    QStringList results;
    int progress = -1;
};

CompileDialogReading readAndCloseCompileDialog(CMainFrame& frame) {
    CompileDialogReading reading;
    std::function<void()> readWhenDone = [&] {
        auto* dialog = frame.findChild<CompileDialog*>();
        QPushButton* close = nullptr;
        if (dialog)
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Close")) close = button;
        if (!close || !close->isEnabled()) {
            QTimer::singleShot(1, readWhenDone);
            return;
        }
        reading.title = dialog->windowTitle();
        for (int row = 0; row < 3; ++row) reading.results << dialog->result(row);
        reading.progress = dialog->progress();
        close->click();
    };
    QTimer::singleShot(0, readWhenDone);
    frame.compile();
    return reading;
}

TEST_F(FrameFixture, CompileShowsEachStageAndAsksForTheOutputName) {
    frame->newDocument();
    QTest::keyClicks(frame->activeView(), QStringLiteral("Print 1"));
    frame->askOutputName = [] { return QStringLiteral("/tmp/game"); };
    builds.stages = {"Pass 1 ..... Ok", "Pass 2 ..... Ok", "Pass 3 ..... Ok", "?", "Operation Complete"};
    const CompileDialogReading reading = readAndCloseCompileDialog(*frame);
    EXPECT_EQ(builds.lines, std::vector<std::string>{"Print 1"});
    EXPECT_EQ(builds.outputName, "/tmp/game");
    EXPECT_EQ(reading.title, QStringLiteral("Compile"));
    EXPECT_EQ(reading.results, (QStringList{QStringLiteral("Pass 1 ..... Ok"), QStringLiteral("Pass 2 ..... Ok"),
                                            QStringLiteral("Operation Complete")}));
    EXPECT_EQ(reading.progress, 4);
}

TEST_F(FrameFixture, CompileStopsTheBarAtTheFailedPass) {
    frame->newDocument();
    builds.stages = {"Pass 1 ..... Ok", "Pass 2 ..... Fail"};
    builds.outcome.lastErrorLine = 0;
    const CompileDialogReading reading = readAndCloseCompileDialog(*frame);
    EXPECT_EQ(reading.results, (QStringList{QStringLiteral("Pass 1 ..... Ok"), QStringLiteral("Pass 2 ..... Fail"), {}}));
    EXPECT_EQ(reading.progress, 1);
    EXPECT_TRUE(builds.outputName.empty());
}

TEST_F(FrameFixture, PreferencesApplyToEveryViewAndRewriteTheFile) {
    frame->newDocument();
    frame->newDocument();
    Settings changed;
    changed.fontHeight = 18;
    changed.fontWidth = 11;
    changed.keywordColour = 255;
    frame->applyPreferences(changed);
    EXPECT_EQ(env.settings, changed);
    for (CChildFrame* child : frame->childFrames()) EXPECT_GT(child->view()->lineHeight(), 13);
    std::ifstream in(folder / "orbbasic.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), formatSettings(changed));
}

TEST_F(FrameFixture, CloseAllClosesEveryDocument) {
    frame->newDocument();
    frame->newDocument();
    frame->action(QStringLiteral("Close A&ll"))->trigger();
    EXPECT_TRUE(frame->childFrames().isEmpty());
    EXPECT_EQ(frame->activeView(), nullptr);
}

TEST_F(FrameFixture, CloseTakesEveryViewOfTheDocumentAfterOneQuestion) {
    frame->newDocument();
    frame->newDocument();
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->action(QStringLiteral("&New Window"))->trigger();
    ASSERT_EQ(frame->childFrames().size(), 3);
    saveAnswer = QMessageBox::Cancel;
    frame->action(QStringLiteral("&Close"))->trigger();
    EXPECT_EQ(frame->childFrames().size(), 3);
    saveAnswer = QMessageBox::No;
    frame->action(QStringLiteral("&Close"))->trigger();
    EXPECT_EQ(frame->childFrames().size(), 1);
    EXPECT_EQ(saveQuestions.size(), 2);
}

TEST_F(FrameFixture, WindowMenuListsTheOpenWindows) {
    frame->newDocument();
    const std::string path = file("game.orb", "Print 1\r\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    QMenu* window = frame->action(QStringLiteral("&Cascade"))->associatedObjects().isEmpty()
                        ? nullptr
                        : qobject_cast<QMenu*>(frame->action(QStringLiteral("&Cascade"))->associatedObjects().first());
    ASSERT_NE(window, nullptr);
    for (int round = 0; round < 2; ++round) {
        emit window->aboutToShow();
        QStringList entries;
        for (QAction* entry : window->actions())
            if (entry->text().startsWith(QLatin1Char('&')) && entry->text().at(1).isDigit()) entries << entry->text();
        EXPECT_EQ(entries, (QStringList{QStringLiteral("&1 Untitled"), QStringLiteral("&2 ") + QString::fromStdString(path)}));
    }
}

TEST_F(FrameFixture, ASuccessfulTestSaysNoErrorsInTheStatusBarWithoutABox) {
    frame->newDocument();
    QTest::keyClicks(frame->activeView(), QStringLiteral("Print 1"));
    std::ofstream(folder / "orberr.tmp", std::ios::binary) << "1.0No errors|Total Lines 1";
    builds.outcome.compiled = true;
    builds.outcome.errorFileWritten = true;
    frame->test();  // a modal box would wait here for ever
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("No errors"));
}

TEST_F(FrameFixture, LastErrorSelectsTheErrorLineAndNamesItsText) {
    frame->newDocument();
    CEditorView* view = frame->activeView();
    QTest::keyClicks(view, QStringLiteral("x = 1"));
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view, QStringLiteral("y = 1 / 0"));
    std::ofstream(folder / "orberr.tmp", std::ios::binary) << "2.93Division by zero|Line 2\r\nx=1\r\n";
    QTimer::singleShot(0, [this] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    frame->lastError();
    EXPECT_EQ(view->caret().pos, (TextPos{1, 0}));
    EXPECT_EQ(view->caret().selectionEnd(), (TextPos{1, 9}));
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Line 2: y = 1 / 0    Division by zero"));
}

TEST_F(FrameFixture, TheEndOfARunIsReportedWhenTheRuntimeWritesTheErrorFile) {
    frame->newDocument();
    CEditorView* view = frame->activeView();
    QTest::keyClicks(view, QStringLiteral("a$ = Mid$(b$, 0)"));
    builds.outcome.compiled = true;
    frame->run();
    EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty() ||
                !frame->statusBar()->currentMessage().contains(QStringLiteral("Out of range")));
    std::ofstream(folder / "orberr.tmp", std::ios::binary) << "1.100Out of range|Line 1\r\n";
    for (int i = 0; i < 40 && !frame->statusBar()->currentMessage().contains(QStringLiteral("Out of range")); ++i)
        QTest::qWait(50);
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Line 1: a$ = Mid$(b$, 0)    Out of range"));
}

TEST_F(FrameFixture, RunWhileTheLastRunGoesOnAsksFirst) {
    frame->newDocument();
    builds.outcome.compiled = true;
    int asked = 0;
    frame->askToRunAgain = [&] {
        ++asked;
        return false;
    };
    frame->run();
    frame->run();  // the error file was not written yet: the program still runs
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(builds.stops, 0);
    EXPECT_EQ(builds.modes.size(), 1u);
    std::ofstream(folder / "orberr.tmp", std::ios::binary) << "0.88Program closed|Line 0\r\n";
    for (int i = 0; i < 40 && !frame->statusBar()->currentMessage().contains(QStringLiteral("closed")); ++i)
        QTest::qWait(50);
    frame->run();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(builds.modes.size(), 2u);
}

TEST_F(FrameFixture, RunWhileTheLastRunGoesOnStopsItBeforeTheNewRun) {
    frame->newDocument();
    builds.outcome.compiled = true;
    frame->askToRunAgain = [] { return true; };
    frame->run();
    builds.stopAnswer = false;  // the program would not end
    frame->run();
    EXPECT_EQ(builds.stops, 1);
    EXPECT_EQ(builds.modes.size(), 1u);
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(QStringLiteral("did not end")));
    builds.stopAnswer = true;
    frame->run();
    EXPECT_EQ(builds.stops, 2);
    EXPECT_EQ(builds.modes.size(), 2u);
}

TEST_F(FrameFixture, GoToLineMovesTheCaret) {
    frame->newDocument();
    CEditorView* view = frame->activeView();
    view->document().setLinesFromText("a\nb\nc\n");
    int askedCount = 0;
    frame->askLineNumber = [&](int, int count) {
        askedCount = count;
        return 3;
    };
    frame->action(QStringLiteral("&Go to Line...\tCtrl+G"))->trigger();
    EXPECT_EQ(askedCount, 3);
    EXPECT_EQ(view->caret().pos, (TextPos{2, 0}));
    EXPECT_EQ(frame->action(QStringLiteral("&Go to Line...\tCtrl+G"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    EXPECT_EQ(frame->action(QStringLiteral("Find &Previous\tShift+F3"))->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
}

TEST_F(FrameFixture, TheCompileDialogClosesOnEscape) {
    frame->newDocument();
    builds.stages = {"Pass 1 ..... Ok", "Pass 2 ..... Fail"};
    bool escaped = false;
    std::function<void()> escapeWhenDone = [&] {
        auto* dialog = frame->findChild<CompileDialog*>();
        QPushButton* close = nullptr;
        if (dialog)
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Close")) close = button;
        if (!close || !close->isEnabled() || QApplication::activeModalWidget() != dialog) {
            QTimer::singleShot(1, escapeWhenDone);
            return;
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
        escaped = true;
    };
    QTimer::singleShot(0, escapeWhenDone);
    frame->compile();  // returns only once the dialog closed
    EXPECT_TRUE(escaped);
}

TEST_F(FrameFixture, TheCompileDialogOffersTheProgramsName) {
    const std::string path = file("space game.orb", "Print 1\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    QString offered;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            offered = dialog->selectedFiles().value(0);
            dialog->reject();
        }
    });
    frame->askOutputName();
    EXPECT_EQ(offered, QString::fromStdString((folder / "space game.jar").string()));
}
