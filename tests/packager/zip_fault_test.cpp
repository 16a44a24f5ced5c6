// Every way an archive can fail gives its result code, and no archive that lost
// data is ever reported as a success.
#include "archive_reader.h"
#include "test_files.h"
#include "zip_writer.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class ZipFaultTest : public ::testing::Test {
protected:
    TempFolder folder;
    MemoryOutputState out;
    ZipWriter zip;

    void createInMemory() { ASSERT_EQ(zipCreateOn(zip, std::make_unique<MemoryOutput>(out)), ZipResult::Ok); }
    std::string text(const std::string& name, size_t size = 2000) { return folder.put(name, makeText(size, 1)); }
    std::string noise(const std::string& name, size_t size) { return folder.put(name, makeRandom(size, 2)); }
};

TEST_F(ZipFaultTest, AnOutputThatCannotBeCreatedGives0x200) {
    EXPECT_EQ(zipCreate(zip, folder.file("missing/out.jar")), ZipResult::CannotOpen);
    EXPECT_EQ(zipCreate(zip, folder.path()), ZipResult::CannotOpen);
    EXPECT_EQ(zipCreate(zip, ""), ZipResult::CannotOpen);
    // The failed writer was never created for writing.
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::NotForWriting);
}

TEST_F(ZipFaultTest, AWriterNeverCreatedRefusesEverything) {
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::NotForWriting);
    EXPECT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::NotForWriting);
    EXPECT_EQ(zipClose(zip), ZipResult::NotForWriting);
}

TEST_F(ZipFaultTest, AWriterWithoutOutputGives0x1000000) {
    EXPECT_EQ(zipCreateOn(zip, nullptr), ZipResult::NoOutput);
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::NotForWriting);
}

TEST_F(ZipFaultTest, BadArgumentsAreRefusedWithoutWriting) {
    createInMemory();
    EXPECT_EQ(zipAddFolder(zip, ""), ZipResult::BadArgument);
    EXPECT_EQ(zipAddFile(zip, "", text("a.txt")), ZipResult::BadArgument);
    EXPECT_EQ(zipAddFile(zip, "a.txt", ""), ZipResult::BadArgument);
    EXPECT_EQ(zipAddFolder(zip, std::string(260, 'n')), ZipResult::BadArgument);
    EXPECT_TRUE(out.bytes.empty());
    EXPECT_EQ(zipAddFolder(zip, std::string(259, 'n')), ZipResult::Ok);
    EXPECT_EQ(zipClose(zip), ZipResult::Ok);
}

TEST_F(ZipFaultTest, ASourceThatCannotBeOpenedLeavesNoTrace) {
    const std::string archivePath = folder.file("out.jar");
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::Ok);
    const uint64_t offset = zip.offset;
    EXPECT_EQ(zipAddFile(zip, "missing.txt", folder.file("missing.txt")), ZipResult::CannotOpen);
    EXPECT_EQ(zipAddFile(zip, "folder.txt", folder.path()), ZipResult::CannotOpen);
    EXPECT_EQ(zip.offset, offset);
    EXPECT_EQ(zipAddFile(zip, "b.txt", text("b.txt")), ZipResult::Ok);
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    const std::optional<ArchiveView> a = readArchive(archivePath);
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(a->central.size(), 2u);
    EXPECT_EQ(a->central[1].name, "b.txt");
    EXPECT_EQ(a->central[1].localOffset, offset);
    EXPECT_TRUE(runCommand("unzip -tqq '" + archivePath + "'"));
}

TEST_F(ZipFaultTest, ASourceTooBigForTheFormatIsRefusedWithoutWriting) {
    // Five gigabytes of hole: the sizes in the headers have only 32 bits.
    const std::string huge = folder.file("huge.bin");
    const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 5LL << 30), 0);
    ::close(fd);
    createInMemory();
    EXPECT_EQ(zipAddFile(zip, "huge.bin", huge), ZipResult::BadArgument);
    EXPECT_TRUE(out.bytes.empty());
    EXPECT_EQ(zipClose(zip), ZipResult::Ok);
}

TEST_F(ZipFaultTest, AddsAndClosesAfterClosingGive0x50000) {
    createInMemory();
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::Closed);
    EXPECT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::Closed);
    EXPECT_EQ(zipClose(zip), ZipResult::Closed);
}

TEST_F(ZipFaultTest, AFullDeviceFailsTheFirstWrite) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ASSERT_EQ(zipCreate(zip, "/dev/full"), ZipResult::Ok);
    EXPECT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::WriteIncomplete);
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::Unusable);
    EXPECT_EQ(zipClose(zip), ZipResult::WriteIncomplete);
}

TEST_F(ZipFaultTest, AWriteFailingHalfwayThroughDeflatedDataSpoilsTheArchive) {
    createInMemory();
    ASSERT_EQ(zipAddFile(zip, "first.txt", text("first.txt")), ZipResult::Ok);
    const int writesSoFar = out.writes;
    out.failingWrite = writesSoFar + 2;  // the header, one block of data, then the failure
    EXPECT_EQ(zipAddFile(zip, "noise.bin", noise("noise.bin", 100000)), ZipResult::WriteIncomplete);
    EXPECT_EQ(zipAddFile(zip, "later.txt", text("later.txt")), ZipResult::Unusable);
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::Unusable);
    // Closing still writes a directory, but must not call the archive good.
    EXPECT_EQ(zipClose(zip), ZipResult::Unusable);
    EXPECT_TRUE(out.finished);
}

TEST_F(ZipFaultTest, AWriteFailingHalfwayThroughStoredDataSpoilsTheArchive) {
    createInMemory();
    out.failingWrite = 2;  // the header, the first 16384-byte block, then the failure
    EXPECT_EQ(zipAddFile(zip, "noise.gz", noise("noise.gz", 60000)), ZipResult::WriteIncomplete);
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::Unusable);
    EXPECT_EQ(zipClose(zip), ZipResult::Unusable);
}

TEST_F(ZipFaultTest, AnIncompleteHeaderGives0x400) {
    createInMemory();
    out.writeLimit = 20;  // inside the first local header
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::WriteIncomplete);
    EXPECT_EQ(zipAddFolder(zip, "other"), ZipResult::Unusable);
    EXPECT_EQ(zipClose(zip), ZipResult::WriteIncomplete);
}

TEST_F(ZipFaultTest, AnOutputThatCannotSeekGives0x2000000) {
    createInMemory();
    out.seekFails = true;
    EXPECT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::CannotReposition);
    EXPECT_EQ(zipAddFolder(zip, "program"), ZipResult::Unusable);
    EXPECT_EQ(zipClose(zip), ZipResult::Unusable);
}

TEST_F(ZipFaultTest, AFailedCentralHeaderEndsTheDirectoryWithoutAnEndRecord) {
    createInMemory();
    ASSERT_EQ(zipAddFolder(zip, "program"), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "META-INF"), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "res"), ZipResult::Ok);
    const size_t directoryStart = out.bytes.size();
    // The first central header ("program/": 46 + 8 + 9) fits, the second does not.
    out.writeLimit = directoryStart + 63 + 10;
    EXPECT_EQ(zipClose(zip), ZipResult::WriteIncomplete);
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(out.bytes.size(), directoryStart + 63 + 10);
    EXPECT_EQ(readU4(out.bytes, directoryStart), 0x02014B50u);
    EXPECT_EQ(readU4(out.bytes, directoryStart + 63), 0x02014B50u);
    EXPECT_EQ(zipClose(zip), ZipResult::Closed);
}

TEST_F(ZipFaultTest, AnOutputThatFailsToCloseGives0x400) {
    createInMemory();
    ASSERT_EQ(zipAddFolder(zip, "program"), ZipResult::Ok);
    out.finishFails = true;
    EXPECT_EQ(zipClose(zip), ZipResult::WriteIncomplete);
}

TEST_F(ZipFaultTest, ACompressorErrorFailsTheAddWith0x400) {
    createInMemory();
    zip.packLevel = strongPackLevel + 1;  // the compressor refuses it: "bad pack level"
    // A stored entry does not use the compressor.
    EXPECT_EQ(zipAddFile(zip, "data.gz", text("data.gz")), ZipResult::Ok);
    EXPECT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::WriteIncomplete);
    ASSERT_TRUE(zip.deflater);
    EXPECT_EQ(deflateErrorText(zip.deflater->error), "bad pack level");
    EXPECT_EQ(zipAddFile(zip, "b.txt", text("b.txt")), ZipResult::Unusable);
    EXPECT_EQ(zipClose(zip), ZipResult::Unusable);
}

TEST_F(ZipFaultTest, ANewArchiveCanBeCreatedOnAClosedWriter) {
    createInMemory();
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    const std::string archivePath = folder.file("again.jar");
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "a.txt", text("a.txt")), ZipResult::Ok);
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    EXPECT_TRUE(runCommand("unzip -tqq '" + archivePath + "'"));
}

}  // namespace
