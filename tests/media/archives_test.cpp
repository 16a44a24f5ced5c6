// Archives: the record store's commands and the exact bytes of the file after
// each sequence.
#include "archives.h"
#include "media_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct ArchiveTest : testing::Test {
    Archives a;
    std::string name = testFile(testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string file = name + ".rs";

    void SetUp() override { std::filesystem::remove(file); }

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
    EXPECT_EQ(openArchive(a, testFile("other"), 1), RunError::ArchiveIsOpen);
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

TEST_F(ArchiveTest, FailedSaveKeepsThePreviousFile) {
    openAndAdd({"a"});
    ASSERT_EQ(closeArchive(a), std::nullopt);
    // A folder in the place of the new file makes the write fail.
    std::filesystem::create_directory(file + ".new");
    openAndAdd({"b"});
    EXPECT_EQ(closeArchive(a), RunError::CannotSaveArchive);
    EXPECT_EQ(readWholeFile(file), "1:a\n");
    EXPECT_EQ(openArchive(a, name, 0), std::nullopt);  // closed despite the failure
    std::filesystem::remove(file + ".new");
}

TEST_F(ArchiveTest, DeleteArchiveClosesTheOpenOneFirst) {
    EXPECT_EQ(deleteArchive(a, name), RunError::ArchiveDoesntExist);
    openAndAdd({"a"});
    ASSERT_EQ(deleteArchive(a, name), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(addEntry(a, "x"), RunError::ArchiveNotOpen);
}

}  // namespace
