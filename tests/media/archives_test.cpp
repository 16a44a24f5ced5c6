// Archives: the record store's commands and the exact bytes of the file after
// each sequence.
#include "archives.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Each test has a folder of its own, where the program would run.
struct ArchiveTest : testing::Test {
    Archives a;
    std::string folder = testFile(testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string name = "game";
    std::string file = folder + "/game.rs";

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
        a.folder = folder;
    }
    size_t filesInFolder() { return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {})); }

    void openAndAdd(std::initializer_list<const char*> texts) {
        ASSERT_EQ(openArchive(a, name, 1), std::nullopt);
        for (const char* t : texts) ASSERT_EQ(addEntry(a, t), std::nullopt);
    }
    int32_t count() {
        int32_t n = -1;
        EXPECT_EQ(entryCount(a, n), std::nullopt);
        return n;
    }
    std::string entry(int32_t n) {
        std::string text = "unset";
        EXPECT_EQ(getEntry(a, n, text), std::nullopt);
        return text;
    }
};

TEST_F(ArchiveTest, NewArchiveWritesTheLatestEntryFirst) {
    openAndAdd({"a", "b"});
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "2:b\n1:a\n");
}

TEST_F(ArchiveTest, EachReopenCycleReversesTheLines) {
    openAndAdd({"a", "b"});
    ASSERT_EQ(closeArchive(a), std::nullopt);
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(entry(1), "a");
    EXPECT_EQ(entry(2), "b");
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "1:a\n2:b\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    ASSERT_EQ(addEntry(a, "c"), std::nullopt);
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "3:c\n2:b\n1:a\n");
}

TEST_F(ArchiveTest, MissingEntryReadsEmpty) {
    openAndAdd({"a"});
    EXPECT_EQ(entry(7), "");
    EXPECT_EQ(entry(0), "");
}

TEST_F(ArchiveTest, DeletedEntryIsWrittenWithEmptyTextAndCountedAfterReopen) {
    openAndAdd({"a", "b"});
    ASSERT_EQ(deleteEntry(a, 1), std::nullopt);
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(entry(1), "");
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "2:b\n1:\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(entry(1), "");
}

TEST_F(ArchiveTest, SetEntryRevivesADeletedEntryAndIgnoresUnknownNumbers) {
    openAndAdd({"a", "b"});
    ASSERT_EQ(deleteEntry(a, 2), std::nullopt);
    ASSERT_EQ(setEntry(a, 2, "again"), std::nullopt);
    ASSERT_EQ(setEntry(a, 9, "nobody"), std::nullopt);
    ASSERT_EQ(setEntry(a, 1, "changed"), std::nullopt);
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "2:again\n1:changed\n");
}

TEST_F(ArchiveTest, NumberZeroLineTakesOneAboveTheHighestReadSoFar) {
    writeWholeFile(file, "5:e\n0:x\n2:b\n0:y\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(entry(6), "x");
    EXPECT_EQ(entry(7), "y");
    ASSERT_EQ(addEntry(a, "z"), std::nullopt);
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "8:z\n7:y\n2:b\n6:x\n5:e\n");
}

TEST_F(ArchiveTest, DuplicateNumbersFindTheLastLineRead) {
    writeWholeFile(file, "3:old\n3:new\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(entry(3), "new");
    ASSERT_EQ(deleteEntry(a, 3), std::nullopt);
    EXPECT_EQ(count(), 1);
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "3:\n3:old\n");
}

TEST_F(ArchiveTest, ReadingKeepsTheTextAfterTheFirstColonAndSkipsLinesWithout) {
    writeWholeFile(file, "1:a:b\njunk\n12:\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(entry(1), "a:b");
    EXPECT_EQ(count(), 2);
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "12:\n1:a:b\n");
}

TEST_F(ArchiveTest, NumberCharactersAreNotChecked) {
    // 'A' is 17 above '0': 1 * 10 + 17 = 27.
    writeWholeFile(file, "1A:x\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(entry(27), "x");
}

TEST_F(ArchiveTest, TextIsCutAt256Characters) {
    writeWholeFile(file, "4:" + std::string(300, 'q') + "\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(entry(4), std::string(256, 'q'));
}

TEST_F(ArchiveTest, LastLineWithoutNewlineNulOr255EndsReading) {
    writeWholeFile(file, "1:a\n2:b");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(entry(2), "b");
    ASSERT_EQ(closeArchive(a), std::nullopt);

    writeWholeFile(file, std::string("1:a\n2:b\0003:c\n", 12));
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(entry(3), "");
    ASSERT_EQ(closeArchive(a), std::nullopt);

    writeWholeFile(file, "1:a\xff" "2:b\n");
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(entry(1), "a");
}

TEST_F(ArchiveTest, GarbageFileLoadsAsFarAsItGoes) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>(1 + (i * 37) % 250));
    writeWholeFile(file, garbage);
    ASSERT_EQ(openArchive(a, name, 0), std::nullopt);
    int32_t n = -1;
    EXPECT_EQ(entryCount(a, n), std::nullopt);
    EXPECT_GE(n, 0);
    EXPECT_EQ(closeArchive(a), std::nullopt);
}

TEST_F(ArchiveTest, EmptyStoreWritesNothing) {
    ASSERT_EQ(openArchive(a, name, 1), std::nullopt);
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ArchiveTest, OpenErrors) {
    EXPECT_EQ(openArchive(a, name, 0), RunError::ArchiveNotFound);
    EXPECT_EQ(closeArchive(a), RunError::ArchiveNotOpen);
    openAndAdd({"kept"});
    EXPECT_EQ(openArchive(a, "other", 1), RunError::ArchiveIsOpen);
    EXPECT_EQ(entry(1), "kept");
    ASSERT_EQ(closeArchive(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "1:kept\n");
}

TEST_F(ArchiveTest, EntryCommandsNeedAnOpenArchive) {
    std::string text;
    int32_t n = 0;
    EXPECT_EQ(addEntry(a, "x"), RunError::ArchiveNotOpen);
    EXPECT_EQ(getEntry(a, 1, text), RunError::ArchiveNotOpen);
    EXPECT_EQ(setEntry(a, 1, "x"), RunError::ArchiveNotOpen);
    EXPECT_EQ(deleteEntry(a, 1), RunError::ArchiveNotOpen);
    EXPECT_EQ(entryCount(a, n), RunError::ArchiveNotOpen);
}

TEST_F(ArchiveTest, FailedSaveKeepsThePreviousFileAndLeavesNoTemporary) {
    openAndAdd({"a"});
    ASSERT_EQ(closeArchive(a), std::nullopt);
    // A file size limit of 8 bytes makes the write fail as a full disk does.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small{8, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    openAndAdd({"a longer entry than fits"});
    const ArchiveResult saved = closeArchive(a);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(saved, RunError::CannotSaveArchive);
    EXPECT_EQ(readWholeFile(file), "1:a\n");
    EXPECT_EQ(filesInFolder(), 1u);
    EXPECT_EQ(openArchive(a, name, 0), std::nullopt);  // closed despite the failure
}

TEST_F(ArchiveTest, AnOpenArchiveIsWrittenBackAtTheEnd) {
    EXPECT_EQ(closeArchiveAtEnd(a), std::nullopt);  // none open: nothing to do
    openAndAdd({"x", "y"});
    EXPECT_EQ(closeArchiveAtEnd(a), std::nullopt);
    EXPECT_EQ(readWholeFile(file), "2:y\n1:x\n");
    EXPECT_EQ(addEntry(a, "z"), RunError::ArchiveNotOpen);
}

TEST(ArchiveName, IsOneTo32CharactersWithoutSeparatorsOrControls) {
    EXPECT_TRUE(isArchiveName("a"));
    EXPECT_TRUE(isArchiveName(std::string(32, 'x')));
    EXPECT_TRUE(isArchiveName(".."));     // "...rs" in the folder, still not a path
    EXPECT_TRUE(isArchiveName("h\xe9ros"));  // Latin-1 letters are characters
    EXPECT_FALSE(isArchiveName(""));
    EXPECT_FALSE(isArchiveName(std::string(33, 'x')));
    EXPECT_FALSE(isArchiveName(std::string("a\0b", 3)));
    EXPECT_FALSE(isArchiveName("../outside"));
    EXPECT_FALSE(isArchiveName("/etc/passwd"));
    EXPECT_FALSE(isArchiveName("a\\b"));
    EXPECT_FALSE(isArchiveName("tab\there"));
    EXPECT_FALSE(isArchiveName("del\x7f"));
    EXPECT_FALSE(isArchiveName("c1\x85"));
}

TEST_F(ArchiveTest, ANameOutsideTheRuleNamesNoArchiveAndTouchesNoFile) {
    fs::create_directories(folder + "/outside");
    writeWholeFile(folder + "/outside/victim.txt", "1:secret\n");
    writeWholeFile(folder + "/outside/victim.txt.rs", "1:secret\n");
    for (const std::string& bad : {std::string("outside/victim.txt\0", 19), std::string("outside/victim.txt"),
                                  std::string(40, 'n')}) {
        EXPECT_EQ(openArchive(a, bad, 0), RunError::ArchiveNotFound);
        ASSERT_EQ(openArchive(a, bad, 1), std::nullopt);
        EXPECT_EQ(entry(1), "");
        ASSERT_EQ(addEntry(a, "overwrite"), std::nullopt);
        EXPECT_EQ(closeArchive(a), RunError::CannotSaveArchive);
        EXPECT_EQ(deleteArchive(a, bad), RunError::ArchiveDoesntExist);
    }
    EXPECT_EQ(readWholeFile(folder + "/outside/victim.txt"), "1:secret\n");
    EXPECT_EQ(readWholeFile(folder + "/outside/victim.txt.rs"), "1:secret\n");
    EXPECT_EQ(filesInFolder(), 1u);  // only "outside"
}

TEST_F(ArchiveTest, OpenRemovesTemporariesOfDeadProcessesOnly) {
    // A pid above the kernel's highest never runs; this process's own stays.
    const std::string dead = file + ".99999999-1.new", alive = file + "." + std::to_string(getpid()) + "-7.new";
    const std::string other = folder + "/gamer.rs.99999999-1.new";
    for (const std::string& f : {dead, alive, other}) writeWholeFile(f, "half");
    ASSERT_EQ(openArchive(a, name, 1), std::nullopt);
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive));
    EXPECT_TRUE(fs::exists(other));  // another archive's
}

TEST_F(ArchiveTest, DeleteArchiveClosesTheOpenOneFirst) {
    EXPECT_EQ(deleteArchive(a, name), RunError::ArchiveDoesntExist);
    openAndAdd({"a"});
    ASSERT_EQ(deleteArchive(a, name), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(addEntry(a, "x"), RunError::ArchiveNotOpen);
}

}  // namespace
