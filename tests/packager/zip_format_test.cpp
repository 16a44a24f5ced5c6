// The archive writer's bytes, read back field by field: names, methods, times,
// attributes, the extended time blocks, offsets and the end record.
#include "archive_reader.h"
#include "test_files.h"
#include "zip_writer.h"

#include <ctime>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

namespace {

// 2024-03-05 10:15:33 UTC: DOS time (10 << 11) | (15 << 5) | (33 / 2) = 0x51F0,
// DOS date ((2024 - 1980) << 9) | (3 << 5) | 5 = 0x5865.
int64_t utcSeconds(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return int64_t(timegm(&t));
}

uint16_t dosTimeOf(const std::tm& t) { return uint16_t((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec / 2)); }
uint16_t dosDateOf(const std::tm& t) { return uint16_t(((t.tm_year - 80) << 9) | ((t.tm_mon + 1) << 5) | t.tm_mday); }

Bytes textBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

class ZipFormatTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string archivePath = folder.file("out.jar");
    ZipWriter zip;

    ArchiveView closeAndRead() {
        EXPECT_EQ(zipClose(zip), ZipResult::Ok);
        std::optional<ArchiveView> a = readArchive(archivePath);
        EXPECT_TRUE(a.has_value());
        return a.value_or(ArchiveView{});
    }
};

TEST_F(ZipFormatTest, AnArchiveWithoutEntriesIsTheEndRecordAlone) {
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    Bytes expected = {0x50, 0x4B, 0x05, 0x06};
    expected.resize(22, 0);
    EXPECT_EQ(readWholeFile(archivePath), expected);
}

TEST_F(ZipFormatTest, CreateReplacesAnExistingFile) {
    folder.put("out.jar", makeRandom(5000, 1));
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    EXPECT_EQ(readWholeFile(archivePath).size(), 22u);
}

TEST_F(ZipFormatTest, FoldersAreStoredEmptyWithTheCurrentLocalTime) {
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(zipAddFolder(zip, "program"), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "META-INF/"), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "res\\img"), ZipResult::Ok);
    const std::time_t after = std::time(nullptr);
    const ArchiveView a = closeAndRead();

    // "program/" and "res/img/" take 30 + 8 + 17 bytes, "META-INF/" 30 + 9 + 17;
    // their central headers 46 + 8 + 9 and 46 + 9 + 9.
    EXPECT_EQ(a.bytes.size(), 166u + 190u + 22u);
    EXPECT_EQ(a.end.directoryOffset, 166u);
    EXPECT_EQ(a.end.directorySize, 190u);
    ASSERT_EQ(a.central.size(), 3u);
    const std::vector<std::string> names = {"program/", "META-INF/", "res/img/"};
    const std::vector<uint32_t> offsets = {0, 55, 111};
    for (size_t i = 0; i < 3; ++i) {
        const CentralRecord& c = a.central[i];
        const LocalRecord& l = a.local[i];
        EXPECT_EQ(c.name, names[i]);
        EXPECT_EQ(l.name, names[i]);
        EXPECT_EQ(c.localOffset, offsets[i]);
        EXPECT_EQ(c.method, 0);
        EXPECT_EQ(l.method, 0);
        EXPECT_EQ(c.flags, 0);
        EXPECT_EQ(l.flags, 0);
        EXPECT_EQ(c.crc, 0u);
        EXPECT_EQ(c.compressedSize, 0u);
        EXPECT_EQ(c.uncompressedSize, 0u);
        EXPECT_EQ(l.compressedSize, 0u);
        EXPECT_EQ(c.internalAttributes, 0);
        EXPECT_EQ(c.externalAttributes, 0x41C00010u);

        bool timeMatches = false;
        for (std::time_t t = before; t <= after; ++t) {
            std::tm local{};
            localtime_r(&t, &local);
            timeMatches |= c.dosTime == dosTimeOf(local) && c.dosDate == dosDateOf(local);
        }
        EXPECT_TRUE(timeMatches);
        EXPECT_EQ(l.dosTime, c.dosTime);
        EXPECT_EQ(l.dosDate, c.dosDate);
        // All three Unix times are the current time.
        const uint32_t m = readU4(l.extra, 5);
        EXPECT_GE(m, uint32_t(before));
        EXPECT_LE(m, uint32_t(after));
        EXPECT_EQ(readU4(l.extra, 9), m);
        EXPECT_EQ(readU4(l.extra, 13), m);
        EXPECT_EQ(readU4(c.extra, 5), m);
    }
}

TEST_F(ZipFormatTest, BackslashesBecomeSlashesBeforeTheFolderSlashIsAdded) {
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "lib\\sub\\"), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "lib\\sub\\a.txt", folder.put("a.txt", textBytes("a"))), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    EXPECT_EQ(a.central[0].name, "lib/sub/");
    EXPECT_EQ(a.central[1].name, "lib/sub/a.txt");
}

TEST_F(ZipFormatTest, AFileEntryCarriesItsTimesSizesAndCrc) {
    const Bytes content = textBytes("Hello, hello, hello, phone! Hello again.\r\n");
    const std::string source = folder.put("hello.txt", content);
    chmod(source.c_str(), 0644);
    const int64_t modified = utcSeconds(2024, 3, 5, 10, 15, 33);
    const int64_t accessed = utcSeconds(2023, 1, 2, 3, 4, 5);
    setFileTimes(source, modified, accessed);

    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "docs\\hello.txt", source), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    ASSERT_EQ(a.central.size(), 1u);
    const CentralRecord& c = a.central[0];
    const LocalRecord& l = a.local[0];
    const Bytes data = entryData(a, 0);

    EXPECT_EQ(l.signature, 0x04034B50u);
    EXPECT_EQ(l.versionNeeded, 20);
    EXPECT_EQ(l.flags, 2);
    EXPECT_EQ(l.method, 8);
    EXPECT_EQ(l.dosTime, 0x51F0);
    EXPECT_EQ(l.dosDate, 0x5865);
    EXPECT_EQ(l.crc, uint32_t(crc32(0, content.data(), uInt(content.size()))));
    EXPECT_EQ(l.compressedSize, data.size());
    EXPECT_EQ(l.uncompressedSize, content.size());
    EXPECT_EQ(l.name, "docs/hello.txt");
    EXPECT_EQ(l.nameLength, 14);
    EXPECT_EQ(l.extraLength, 17);
    ASSERT_EQ(l.extra.size(), 17u);
    EXPECT_EQ(Bytes(l.extra.begin(), l.extra.begin() + 5), (Bytes{0x55, 0x54, 13, 0, 7}));
    EXPECT_EQ(readU4(l.extra, 5), uint32_t(modified));
    EXPECT_EQ(readU4(l.extra, 9), uint32_t(accessed));
    EXPECT_EQ(l.dataOffset, 30u + 14u + 17u);
    EXPECT_EQ(inflateRaw(data), content);

    EXPECT_EQ(c.signature, 0x02014B50u);
    EXPECT_EQ(c.versionMadeBy, 0x0B17);
    EXPECT_EQ(a.bytes[a.end.directoryOffset + 4], 0x17);
    EXPECT_EQ(a.bytes[a.end.directoryOffset + 5], 0x0B);
    EXPECT_EQ(c.versionNeeded, 20);
    EXPECT_EQ(c.flags, 2);
    EXPECT_EQ(c.method, 8);
    EXPECT_EQ(c.dosTime, 0x51F0);
    EXPECT_EQ(c.dosDate, 0x5865);
    EXPECT_EQ(c.crc, l.crc);
    EXPECT_EQ(c.compressedSize, l.compressedSize);
    EXPECT_EQ(c.uncompressedSize, l.uncompressedSize);
    EXPECT_EQ(c.name, "docs/hello.txt");
    EXPECT_EQ(c.extraLength, 9);
    EXPECT_EQ(c.commentLength, 0);
    EXPECT_EQ(c.diskStart, 0);
    EXPECT_EQ(c.internalAttributes, 1);
    EXPECT_EQ(c.externalAttributes, 0x81800000u);  // regular file, mode 0600
    EXPECT_EQ(c.localOffset, 0u);
    EXPECT_EQ(c.extra, (Bytes{0x55, 0x54, 5, 0, 7, uint8_t(modified), uint8_t(modified >> 8),
                              uint8_t(modified >> 16), uint8_t(modified >> 24)}));

    EXPECT_EQ(a.end.signature, 0x06054B50u);
    EXPECT_EQ(a.end.disk, 0);
    EXPECT_EQ(a.end.directoryDisk, 0);
    EXPECT_EQ(a.end.entriesOnDisk, 1);
    EXPECT_EQ(a.end.totalEntries, 1);
    EXPECT_EQ(a.end.directoryOffset, 30u + 14u + 17u + data.size());
    EXPECT_EQ(a.end.directorySize, 46u + 14u + 9u);
    EXPECT_EQ(a.end.commentLength, 0);
}

TEST_F(ZipFormatTest, TheCreationTimeIsTheBirthTimeOrTheModificationTime) {
    const std::time_t before = std::time(nullptr);
    const std::string source = folder.put("new.txt", textBytes("new"));
    const int64_t modified = utcSeconds(2020, 6, 1, 12, 0, 0);
    setFileTimes(source, modified, modified);
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "new.txt", source), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    const uint32_t created = readU4(a.local[0].extra, 13);
    EXPECT_TRUE(created == uint32_t(modified) || (created >= uint32_t(before) - 1 && created <= uint32_t(std::time(nullptr))))
        << created;
}

TEST_F(ZipFormatTest, TimesBeforeTheDosEpochArePinnedTo1980) {
    const std::string source = folder.put("old.txt", textBytes("old"));
    const int64_t modified = utcSeconds(1975, 7, 1, 8, 0, 0);
    setFileTimes(source, modified, modified);
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "old.txt", source), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    EXPECT_EQ(a.central[0].dosDate, (1 << 5) | 1);
    EXPECT_EQ(a.central[0].dosTime, 0);
    EXPECT_EQ(readU4(a.central[0].extra, 5), uint32_t(modified));
}

TEST_F(ZipFormatTest, AttributesFollowTheOwnerPermissions) {
    const std::string readOnly = folder.put("ro.txt", textBytes("read only"));
    const std::string executable = folder.put("run.sh", textBytes("#!/bin/sh\n"));
    chmod(readOnly.c_str(), 0444);
    chmod(executable.c_str(), 0755);
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "ro.txt", readOnly), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "run.sh", executable), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    // Read-only: mode 0100400 in the high half and the DOS read-only bit.
    EXPECT_EQ(a.central[0].externalAttributes, 0x81000001u);
    // Executable: mode 0100700.
    EXPECT_EQ(a.central[1].externalAttributes, 0x81C00000u);
}

TEST_F(ZipFormatTest, ArchiveSuffixesAreStoredEverythingElseDeflated) {
    const Bytes text = makeText(3000, 2);
    const std::vector<std::pair<std::string, bool>> cases = {
        {"sound.ZIP", true},  {"music.mp3", false}, {"README", false},     {"a.tar.gz", true},
        {"b.TGZ", true},      {"c.z", true},        {"d.Zoo", true},       {"e.arc", true},
        {"f.LZH", true},      {"g.arj", true},      {"h.zip.bak", false},  {"dir.zip\\inner", false},
        {"sprite.png", false}};
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    for (size_t i = 0; i < cases.size(); ++i)
        ASSERT_EQ(zipAddFile(zip, cases[i].first, folder.put("src" + std::to_string(i), text)), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    ASSERT_EQ(a.central.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        const CentralRecord& c = a.central[i];
        const bool stored = cases[i].second;
        EXPECT_EQ(c.method, stored ? 0 : 8) << cases[i].first;
        EXPECT_EQ(c.flags, stored ? 0 : 2) << cases[i].first;
        EXPECT_EQ(a.local[i].flags, c.flags) << cases[i].first;
        EXPECT_EQ(c.internalAttributes, stored ? 0 : 1) << cases[i].first;
        EXPECT_EQ(c.uncompressedSize, text.size());
        if (stored) {
            EXPECT_EQ(c.compressedSize, text.size());
            EXPECT_EQ(entryData(a, i), text);
        } else {
            EXPECT_LT(c.compressedSize, text.size());
            EXPECT_EQ(inflateRaw(entryData(a, i)), text);
        }
    }
}

TEST_F(ZipFormatTest, PngIsDeflatedAndJudgedBinary) {
    const std::string source = folder.put("icon.png", makePng(48, 48, 3));
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFile(zip, "icon.png", source), ZipResult::Ok);
    const ArchiveView a = closeAndRead();
    EXPECT_EQ(a.central[0].method, 8);
    EXPECT_EQ(a.central[0].internalAttributes, 0);
}

TEST_F(ZipFormatTest, EntriesFollowEachOtherAndTheDirectoryListsThemInOrder) {
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "program"), ZipResult::Ok);
    std::vector<Bytes> contents;
    for (uint32_t i = 0; i < 6; ++i) {
        contents.push_back(i % 2 ? makeRandom(1000 + i * 5000, i) : makeSource(1000 + i * 7000, i));
        const std::string name = "program/f" + std::to_string(i) + (i == 3 ? ".gz" : ".dat");
        ASSERT_EQ(zipAddFile(zip, name, folder.put("f" + std::to_string(i), contents.back())), ZipResult::Ok);
    }
    const ArchiveView a = closeAndRead();
    ASSERT_EQ(a.central.size(), 7u);
    EXPECT_EQ(a.end.entriesOnDisk, 7);
    EXPECT_EQ(a.end.totalEntries, 7);
    uint32_t offset = 0;
    uint32_t directorySize = 0;
    for (size_t i = 0; i < a.central.size(); ++i) {
        const CentralRecord& c = a.central[i];
        const LocalRecord& l = a.local[i];
        EXPECT_EQ(c.localOffset, offset);
        offset += 30 + c.nameLength + 17 + c.compressedSize;
        directorySize += 46 + c.nameLength + 9;
        EXPECT_EQ(l.name, c.name);
        EXPECT_EQ(l.flags, c.flags);
        EXPECT_EQ(l.method, c.method);
        EXPECT_EQ(l.crc, c.crc);
        EXPECT_EQ(l.compressedSize, c.compressedSize);
        EXPECT_EQ(l.uncompressedSize, c.uncompressedSize);
        EXPECT_EQ(l.dosTime, c.dosTime);
        EXPECT_EQ(l.dosDate, c.dosDate);
        if (i > 0) {
            const Bytes& original = contents[i - 1];
            EXPECT_EQ(c.crc, uint32_t(crc32(0, original.data(), uInt(original.size()))));
            EXPECT_EQ(c.method == 0 ? entryData(a, i) : inflateRaw(entryData(a, i)), original);
        }
    }
    EXPECT_EQ(a.end.directoryOffset, offset);
    EXPECT_EQ(a.end.directorySize, directorySize);
}

}  // namespace
