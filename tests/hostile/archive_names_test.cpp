// Archive names reach no file outside the folder the program runs in, and
// saves survive kills and a second runtime saving the same archive.
#include "hostile_run.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <thread>

namespace {

struct ArchiveNames : testing::Test {
    fs::path folder = freshFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    RunOptions options{folder / "work", folder / "game", {}};
    const std::string secret = "1:secret\n";

    void SetUp() override {
        fs::create_directories(options.work);
        fs::create_directories(options.current);
        fs::create_directories(folder / "outside");
        writeWholeFile((folder / "outside" / "victim.txt").string(), secret);
        writeWholeFile((folder / "outside" / "victim.rs").string(), secret);
    }
    std::string endLine() { return firstLine(options.work / "orberr.tmp"); }
    void expectOutsideUntouched() {
        EXPECT_EQ(readWholeFile((folder / "outside" / "victim.txt").string()), secret);
        EXPECT_EQ(readWholeFile((folder / "outside" / "victim.rs").string()), secret);
        EXPECT_TRUE(fs::is_empty(options.current));
    }
    std::vector<std::string> temporaries() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(options.current))
            if (entry.path().extension() == ".new") names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(ArchiveNames, ANulInTheNameNeitherReadsNorOverwritesTheFileBeforeIt) {
    ASSERT_TRUE(compileInto(options.work, "n$ = \"../outside/victim.txt\" + Chr$(0)\n"
                                          "OpenArchive n$, 1\nt$ = GetEntry$(1)\nAddEntry \"pwned\"\nCloseArchive\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "5.101Cannot save archive|Line 5: [360-640]");
    EXPECT_NE(readWholeFile((options.work / "orberr.tmp").string()).find("t$=\"\""), std::string::npos);
    expectOutsideUntouched();
}

TEST_F(ArchiveNames, ANulInTheNameDeletesNothing) {
    ASSERT_TRUE(compileInto(options.work, "DeleteArchive \"../outside/victim.txt\" + Chr$(0)\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "1.108Archive doesnt exist|Line 1: [360-640]");
    expectOutsideUntouched();
}

TEST_F(ArchiveNames, APathIsAnArchiveThatIsNotThere) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"../outside/victim\", 0\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "1.102Archive not found|Line 1: [360-640]");
    expectOutsideUntouched();
}

TEST_F(ArchiveNames, AnAbsolutePathDeletesNothing) {
    ASSERT_TRUE(compileInto(options.work, "DeleteArchive \"" + (folder / "outside" / "victim").string() + "\"\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "1.108Archive doesnt exist|Line 1: [360-640]");
    expectOutsideUntouched();
}

TEST_F(ArchiveNames, ANameOver32CharactersIsNeverSaved) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive String$(\"n\", 250), 1\nAddEntry \"x\"\nCloseArchive\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "3.101Cannot save archive|Line 3: [360-640]");
    EXPECT_TRUE(fs::is_empty(options.current));
}

// A program that saves a 40 KB archive over and over, killed at random moments:
// the archive is always whole, and the next run's open removes what the
// killed one left.
TEST_F(ArchiveNames, KillsDuringSavesLeaveAWholeArchiveAndNoTemporaryForLong) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"k\", 1\nFor i = 1 TO 4000\nAddEntry \"0123456\"\nNext\n"));
    ASSERT_EQ(run(options), 0);
    ASSERT_TRUE(compileInto(options.work, "Do\nOpenArchive \"k\", 0\nCloseArchive\nLoop\n"));
    std::mt19937 random(16);
    int killedWithTemporary = 0;
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = startRun(options);
        std::this_thread::sleep_for(std::chrono::milliseconds(200 + random() % 300));
        kill(pid, SIGKILL);
        EXPECT_EQ(waitRun(pid), 128 + SIGKILL);
        const std::string saved = readWholeFile((options.current / "k.rs").string());
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 4000) << "round " << round;
        EXPECT_LE(temporaries().size(), 1u) << "round " << round;
        killedWithTemporary += temporaries().empty() ? 0 : 1;
    }
    std::printf("[ condition ] 20 kills, %d of them during a save\n", killedWithTemporary);
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"k\", 0\nx = EntryCount\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_TRUE(temporaries().empty());
    EXPECT_NE(readWholeFile((options.work / "orberr.tmp").string()).find("x=4000"), std::string::npos);
}

TEST_F(ArchiveNames, TwoRuntimesSavingOneArchiveNeverFailEachOther) {
    ASSERT_TRUE(compileInto(options.work, "For i = 1 TO 300\nOpenArchive \"shared\", 1\nAddEntry \"e\"\n"
                                          "CloseArchive\nNext\n"));
    RunOptions second = options;
    second.work = folder / "work2";
    fs::create_directories(second.work);
    fs::copy_file(options.work / "orb16.tmp", second.work / "orb16.tmp");
    const pid_t a = startRun(options), b = startRun(second);
    EXPECT_EQ(waitRun(a), 0);
    EXPECT_EQ(waitRun(b), 0);
    EXPECT_EQ(endLine(), "5.110End of program|Line 5: [360-640]");
    EXPECT_EQ(firstLine(second.work / "orberr.tmp"), "5.110End of program|Line 5: [360-640]");
    EXPECT_TRUE(temporaries().empty());
}

}  // namespace
