// The environment's Compile command through the real pipeline: the statuses
// arrive in order, the output name is asked once, and the package lands there.
#include "pipeline_builds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct RecordingProgress : CompileProgress {
    void status(const std::string& text) override { statuses.push_back(text); }
    std::string outputName() override {
        ++questions;
        return answer;
    }
    std::vector<std::string> statuses;
    std::string answer;
    int questions = 0;
};

struct CompileFixture : ::testing::Test {
    CompileFixture() { fs::create_directories(folder); }
    ~CompileFixture() override { fs::remove_all(folder); }
    BuildOutcome compile(const std::vector<std::string>& lines, RecordingProgress& progress) {
        const DocumentBuild request{lines, "", folder.string(), ORB_PROGRAM_FOLDER, BuildCommand::Test};
        return PipelineBuilds().compilePackage(request, progress);
    }
    fs::path folder = fs::temp_directory_path() / ("orb_compile_" + std::to_string(::getpid()));
};

}  // namespace

TEST_F(CompileFixture, CompilesAPackageUnderTheChosenName) {
    RecordingProgress progress;
    progress.answer = (folder / "game").string();
    const BuildOutcome outcome = compile({"x = 5", "Print x"}, progress);
    EXPECT_TRUE(outcome.compiled);
    EXPECT_TRUE(outcome.messageBoxText.empty());
    EXPECT_EQ(progress.statuses, (std::vector<std::string>{"Pass 1 ..... Ok", "Pass 2 ..... Ok", "Pass 3 ..... Ok",
                                                           "Operation Complete"}));
    EXPECT_EQ(progress.questions, 1);
    EXPECT_TRUE(fs::is_regular_file(folder / "game.jar"));
    std::ifstream jad(folder / "game.jad");
    std::string first;
    std::getline(jad, first);
    EXPECT_EQ(first, "MIDlet-1: game,,program.GameMidlet\r");
    EXPECT_FALSE(fs::exists(folder / "TheGameCanvas.class"));
}

TEST_F(CompileFixture, NoNameCancelsAndACompileErrorAsksNothing) {
    RecordingProgress cancelled;
    compile({"Print 1"}, cancelled);
    EXPECT_EQ(cancelled.statuses.back(), "Operation Cancelled");

    RecordingProgress failed;
    const BuildOutcome outcome = compile({"Print 1", "Prnt 2"}, failed);
    EXPECT_FALSE(outcome.compiled);
    EXPECT_TRUE(outcome.errorFileWritten);
    EXPECT_EQ(outcome.lastErrorLine, 2);
    EXPECT_EQ(failed.statuses, std::vector<std::string>{"Pass 1 ..... Fail"});
    EXPECT_EQ(failed.questions, 0);
}

TEST_F(CompileFixture, ACompileErrorCarriesItsHintBesideTheErrorLine) {
    const std::vector<std::string> lines = {"For i = 1 To 3", "Next i"};
    const DocumentBuild request{lines, "", folder.string(), ORB_PROGRAM_FOLDER, BuildCommand::Test};
    const BuildOutcome outcome = PipelineBuilds().build(request);
    EXPECT_EQ(outcome.errorLine, "2.2Syntax Error at end of instruction|Line 2:  Next i");
    EXPECT_EQ(outcome.hint, "Next takes no name: it closes the innermost For loop");
    std::ifstream file(folder / "orberr.tmp", std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, outcome.errorLine);  // the hint stays out of the error file
}
