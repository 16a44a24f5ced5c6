// The Compile build: pass statuses as they happen, the output name asked after
// pass 3, the files left in the work folder, and each way it can end.
#include "error_file.h"
#include "package/package_build.h"
#include "source_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PackageBuild : public testing::Test {
protected:
    fs::path dir;
    std::vector<std::string> statuses;
    int askedForName = 0;

    void SetUp() override {
        dir = fs::temp_directory_path() / ("orb-package-build-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "work");
    }
    void TearDown() override { fs::remove_all(dir); }

    BuildResult run(std::vector<std::string> lines, std::string outputName,
                    fs::path programFolder = ORB_PROGRAM_FOLDER) {
        BuildRequest request;
        request.lines = std::move(lines);
        request.workFolder = dir / "work";
        request.programFolder = std::move(programFolder);
        PackageProgress progress;
        progress.status = [this](std::string_view s) { statuses.emplace_back(s); };
        progress.outputName = [this, outputName] {
            ++askedForName;
            return outputName;
        };
        return buildPackage(request, progress);
    }
};

TEST_F(PackageBuild, CompletesWithJarAndJadAndLeavesTheWorkFiles) {
    BuildResult r = run({"x = 5", "Print x"}, (dir / "game").string());
    EXPECT_EQ(statuses, (std::vector<std::string>{"Pass 1 ..... Ok", "Pass 2 ..... Ok", "Pass 3 ..... Ok",
                                                  "Operation Complete"}));
    EXPECT_TRUE(r.packaged);
    EXPECT_TRUE(r.messageBox.empty());
    EXPECT_TRUE(fs::exists(dir / "game.jar"));
    std::string jad;
    ASSERT_TRUE(readWholeFile(dir / "game.jad", jad));
    EXPECT_NE(jad.find("MIDlet-Jar-Size: " + std::to_string(fs::file_size(dir / "game.jar")) + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "work" / "orb16.dat"));
    EXPECT_TRUE(fs::exists(dir / "work" / "man.dat"));
    EXPECT_FALSE(fs::exists(dir / "work" / "TheGameCanvas.class"));
}

TEST_F(PackageBuild, AnEmptyOutputNameCancels) {
    BuildResult r = run({"x = 5"}, "");
    EXPECT_EQ(statuses.back(), "Operation Cancelled");
    EXPECT_EQ(askedForName, 1);
    EXPECT_FALSE(r.packaged);
    EXPECT_FALSE(fs::exists(dir / "work" / "TheGameCanvas.class"));
}

TEST_F(PackageBuild, ACompileErrorFailsPassOneAndWritesTheErrorFile) {
    BuildResult r = run({"x = 5", "Print (x"}, (dir / "game.jar").string());
    EXPECT_EQ(statuses, std::vector<std::string>{"Pass 1 ..... Fail"});
    EXPECT_EQ(askedForName, 0);
    EXPECT_FALSE(r.compiled);
    EXPECT_EQ(r.lastErrorLine, 2);
    std::string error;
    ASSERT_TRUE(readWholeFile(dir / "work" / errorFileName, error));
    EXPECT_EQ(error, r.errorLine);
    EXPECT_EQ(error.rfind("2.", 0), 0u);
}

TEST_F(PackageBuild, AMissingTemplateIsNamedBeforePassOne) {
    fs::create_directories(dir / "empty");
    BuildResult r = run({"x = 5"}, (dir / "game.jar").string(), dir / "empty");
    EXPECT_EQ(statuses, (std::vector<std::string>{"Pass 1 ..... Fail"}));
    EXPECT_EQ(r.messageBox, "thegc.dat is missing: " + (dir / "empty" / "thegc.dat").string());
    EXPECT_TRUE(r.messageBoxWarning);
    EXPECT_EQ(askedForName, 0);
}

TEST_F(PackageBuild, AProgramBeyondOneMethodFailsPassThreeWithAMessage) {
    // A line "x = 1" takes about 14 bytes (step and assignment): 6000 lines pass 64 KiB.
    std::vector<std::string> lines(6000, "x = 1");
    BuildResult r = run(lines, (dir / "game.jar").string());
    EXPECT_EQ(statuses.back(), "Pass 3 ..... Fail");
    EXPECT_EQ(r.messageBox, "The program is too large for the phone");
    EXPECT_EQ(askedForName, 0);
}

TEST_F(PackageBuild, AnUncreatableJarIsReported) {
    BuildResult r = run({"x = 5"}, (dir / "no-such-folder" / "game.jar").string());
    EXPECT_EQ(statuses.back(), "Pass 3 ..... Ok");
    EXPECT_EQ(r.messageBox, "Cannot create JAR file");
    EXPECT_FALSE(r.packaged);
}

}  // namespace
