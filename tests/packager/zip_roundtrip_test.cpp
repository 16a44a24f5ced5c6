// Whole archives of a varied corpus, checked by independent readers: unzip,
// Python's zipfile, and our reader with zlib's raw inflate.
#include "archive_reader.h"
#include "test_files.h"
#include "zip_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

void checkArchive(const std::string& archivePath, const std::string& sourceFolder,
                  const std::vector<CorpusFile>& files) {
    const std::optional<ArchiveView> a = readArchive(archivePath);
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(a->central.size(), files.size() + 1);
    EXPECT_EQ(a->central[0].name, "corpus/");
    for (size_t i = 0; i < files.size(); ++i) {
        const CentralRecord& c = a->central[i + 1];
        const Bytes& original = files[i].data;
        EXPECT_EQ(c.name, "corpus/" + files[i].name);
        EXPECT_EQ(c.uncompressedSize, original.size()) << files[i].name;
        EXPECT_EQ(c.crc, uint32_t(crc32(0, original.data(), uInt(original.size())))) << files[i].name;
        const Bytes data = entryData(*a, i + 1);
        EXPECT_EQ(c.compressedSize, data.size());
        if (c.method == 0) EXPECT_EQ(data, original) << files[i].name;
        else EXPECT_EQ(inflateRaw(data), original) << files[i].name;
    }

    EXPECT_TRUE(runCommand("unzip -tqq '" + archivePath + "'"));
    // zipfile checks every CRC and compares every entry with its source file.
    const std::string script =
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "assert z.testzip() is None\n"
        "for info in z.infolist():\n"
        "    if info.is_dir(): continue\n"
        "    with open(sys.argv[2] + '/' + info.filename[len('corpus/'):], 'rb') as f:\n"
        "        assert z.read(info) == f.read(), info.filename\n";
    EXPECT_TRUE(runCommand("/usr/bin/python3 -c \"" + script + "\" '" + archivePath + "' '" + sourceFolder + "'"));
}

void roundTrip(const std::vector<CorpusFile>& files) {
    TempFolder folder;
    const std::string sources = folder.file("src");
    ZipWriter zip;
    const std::string archivePath = folder.file("corpus.jar");
    ASSERT_EQ(zipCreate(zip, archivePath), ZipResult::Ok);
    ASSERT_EQ(zipAddFolder(zip, "corpus"), ZipResult::Ok);
    for (const CorpusFile& f : files)
        ASSERT_EQ(zipAddFile(zip, "corpus/" + f.name, folder.put("src/" + f.name, f.data)), ZipResult::Ok) << f.name;
    ASSERT_EQ(zipClose(zip), ZipResult::Ok);
    checkArchive(archivePath, sources, files);
}

TEST(ZipRoundTrip, CorpusOfEdgeSizesAndKindsSurvives) { roundTrip(roundTripCorpus()); }

TEST(ZipRoundTrip, JarLikeMixSurvives) { roundTrip(jarLikeCorpus()); }

}  // namespace
