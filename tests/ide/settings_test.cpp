#include "settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

struct TempFolder {
    TempFolder() {
        path = fs::temp_directory_path() / ("orb_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    fs::path path;
};

}  // namespace

TEST(SettingsFile, DefaultsAreTheDocumentedValues) {
    const Settings s;
    EXPECT_EQ(s.autoIndent, 1);
    EXPECT_EQ(s.syntaxColouring, 1);
    EXPECT_EQ(s.backgroundColour, 0xF0F0F0);
    EXPECT_EQ(s.textColour, 0);
    EXPECT_EQ(s.keywordColour, 0xFF0000);
    EXPECT_EQ(s.numberColour, 0x0000B4);
    EXPECT_EQ(s.remarkColour, 0x008000);
    EXPECT_EQ(s.marginColour, 0xFDE1D9);
    EXPECT_EQ(s.lineNumberColour, 0x7F7F7F);
    EXPECT_EQ(s.stringColour, 0x800080);
    EXPECT_EQ(s.fontHeight, 13);
    EXPECT_EQ(s.fontWidth, 8);
    EXPECT_EQ(s.fontWeight, 400);
}

TEST(SettingsFile, OneKnownKeyChangesOnlyItsSetting) {
    Settings s;
    parseSettings("FontHeight 16\n", s);
    Settings expected;
    expected.fontHeight = 16;
    EXPECT_EQ(s, expected);
}

TEST(SettingsFile, UnknownKeysAndMalformedLinesAreIgnored) {
    Settings s;
    parseSettings("Colour 5\nFontHeightX 3\n= 7\n\n  FontWidth 9\nBackCol-x 1\n", s);
    EXPECT_EQ(s, Settings());
}

TEST(SettingsFile, KeysIgnoreCase) {
    Settings s;
    parseSettings("fontheight 15\r\nKEYCOL 255\r\n", s);
    EXPECT_EQ(s.fontHeight, 15);
    EXPECT_EQ(s.keywordColour, 255);
}

TEST(SettingsFile, ValueIsLeadingUnsignedDigits) {
    Settings s;
    parseSettings("FontHeight 12abc\nFontWidth -5\nTabWeight\nNumCol     77\nMarCol x9\n", s);
    EXPECT_EQ(s.fontHeight, 12);
    EXPECT_EQ(s.fontWidth, 0);
    EXPECT_EQ(s.fontWeight, 0);
    EXPECT_EQ(s.numberColour, 77);
    EXPECT_EQ(s.marginColour, 0);
}

TEST(SettingsFile, LastLineWithoutNewlineIsRead) {
    Settings s;
    parseSettings("SyntaxCol 0", s);
    EXPECT_EQ(s.syntaxColouring, 0);
}

TEST(SettingsFile, WrittenInFixedOrderWithCrLf) {
    Settings s;
    s.autoIndent = 0;
    s.fontWeight = 700;
    EXPECT_EQ(formatSettings(s),
              "AutoIndent 0\r\nSyntaxCol 1\r\nBackCol 15790320\r\nNorCol 0\r\nKeyCol 16711680\r\nNumCol 180\r\n"
              "RemCol 32768\r\nMarCol 16638425\r\nMarEdCol 8355711\r\nStrCol 8388736\r\nFontHeight 13\r\n"
              "FontWidth 8\r\nTabWeight 700\r\n");
}

TEST(SettingsFile, WorkFolderFileWinsOverProgramFolderFile) {
    TempFolder folder;
    writeAll(folder.path / "work.ini", "FontHeight 15\n");
    writeAll(folder.path / "program.ini", "FontHeight 17\nFontWidth 10\n");
    Settings s;
    EXPECT_EQ(loadSettings((folder.path / "work.ini").string(), (folder.path / "program.ini").string(), s),
              SettingsLoad::FromWorkFolder);
    EXPECT_EQ(s.fontHeight, 15);
    EXPECT_EQ(s.fontWidth, 8);
}

TEST(SettingsFile, ProgramFolderFileIsTheFallback) {
    TempFolder folder;
    writeAll(folder.path / "program.ini", "FontWidth 10\n");
    Settings s;
    EXPECT_EQ(loadSettings((folder.path / "work.ini").string(), (folder.path / "program.ini").string(), s),
              SettingsLoad::FromProgramFolder);
    EXPECT_EQ(s.fontWidth, 10);
}

TEST(SettingsFile, NeitherFileLeavesDefaults) {
    TempFolder folder;
    Settings s;
    EXPECT_EQ(loadSettings((folder.path / "a.ini").string(), (folder.path / "b.ini").string(), s), SettingsLoad::Missing);
    EXPECT_EQ(s, Settings());
}

TEST(SettingsFile, SaveThenLoadRoundTrips) {
    TempFolder folder;
    Settings s;
    s.stringColour = 123456;
    s.fontHeight = 18;
    const std::string path = (folder.path / "orbbasic.ini").string();
    ASSERT_TRUE(saveSettings(path, s));
    EXPECT_EQ(readAll(path), formatSettings(s));
    Settings read;
    loadSettings(path, path, read);
    EXPECT_EQ(read, s);
}

TEST(SettingsFile, FailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const fs::path path = folder.path / "missing-folder" / "orbbasic.ini";
    EXPECT_FALSE(saveSettings(path.string(), Settings()));
    EXPECT_FALSE(fs::exists(path));
}
