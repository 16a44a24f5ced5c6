// Pictures made to exhaust memory: a small PNG file that claims 65,535 x
// 65,535 pixels, one just over the pixel limit, and big pictures loaded into
// slot after slot. Each ends the run with the load's message and the error
// file, never with an abort.
#include "hostile_run.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

void putChunk(std::string& png, const char* type, const std::string& data) {
    const uint32_t length = static_cast<uint32_t>(data.size());
    for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(length >> shift);
    const std::string body = std::string(type, 4) + data;
    png += body;
    const uint32_t crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
    for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(crc >> shift);
}

// A black 1-bit greyscale PNG, whose rows of zeros compress about a thousand to one.
std::string blackPng(uint32_t width, uint32_t height) {
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    for (uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) header += static_cast<char>(v >> shift);
    header += std::string("\x01\x00\x00\x00\x00", 5);  // bit depth 1, greyscale, no interlace
    putChunk(png, "IHDR", header);

    z_stream z{};
    // Run-length matching finds the zeros as well as the full search, in a fraction of the time.
    deflateInit2(&z, 9, Z_DEFLATED, 15, 9, Z_RLE);
    const std::string row(1 + (width + 7) / 8, '\0');  // filter byte 0, then the bits
    std::string compressed;
    char out[65536];
    for (uint32_t y = 0; y <= height; ++y) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.data()));
        z.avail_in = y < height ? static_cast<uInt>(row.size()) : 0;
        const int flush = y < height ? Z_NO_FLUSH : Z_FINISH;
        do {
            z.next_out = reinterpret_cast<Bytef*>(out);
            z.avail_out = sizeof out;
            deflate(&z, flush);
            compressed.append(out, sizeof out - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    putChunk(png, "IDAT", compressed);
    putChunk(png, "IEND", "");
    return png;
}

struct Pictures : testing::Test {
    fs::path folder = freshFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    RunOptions options{folder, {}, {}};
    std::string endLine() { return firstLine(options.work / "orberr.tmp"); }
};

TEST_F(Pictures, APngBombFailsToLoad) {
    const std::string bomb = blackPng(65535, 65535);
    std::printf("[ condition ] a PNG file of %zu bytes claiming 65535 x 65535 pixels\n", bomb.size());
    writeWholeFile((folder / "bomb.png").string(), bomb);
    ASSERT_TRUE(compileInto(folder, "x = 1\nLoadImage \"bomb.png\", 1\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "2.99Failed to load image|Line 2: [360-640]");
}

TEST_F(Pictures, OnePixelRowOverTheLimitFailsToLoadAndOneUnderLoads) {
    writeWholeFile((folder / "over.png").string(), blackPng(4096, 4097));
    writeWholeFile((folder / "under.png").string(), blackPng(4096, 4096));
    ASSERT_TRUE(compileInto(folder, "LoadImage \"under.png\", 1\nLoadImage \"over.png\", 2\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "2.99Failed to load image|Line 2: [360-640]");
}

TEST_F(Pictures, BigPicturesInSlotAfterSlotRunOutOfMemory) {
    writeWholeFile((folder / "big.png").string(), blackPng(4000, 4000));
    std::string source;
    for (int slot = 1; slot <= 400; ++slot) source += "LoadImage \"big.png\", " + std::to_string(slot) + "\n";
    ASSERT_TRUE(compileInto(folder, source));
    EXPECT_EQ(run(options), 0);
    // Four pictures of 16,000,000 pixels fit in the 67,108,864 pixels of all slots; the fifth does not.
    EXPECT_EQ(endLine(), "5.90Out of memory|Line 5: [360-640]");
}

TEST_F(Pictures, ReloadingASlotGivesItsPixelsBack) {
    writeWholeFile((folder / "big.png").string(), blackPng(4000, 4000));
    std::string source;
    for (int i = 0; i < 6; ++i) source += "LoadImage \"big.png\", 1\n";
    ASSERT_TRUE(compileInto(folder, source));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "6.110End of program|Line 6: [360-640]");
}

}  // namespace
