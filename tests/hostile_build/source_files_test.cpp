// Sources as editors write them, and files that are not sources at all.
#include "build_fixture.h"

#include "source_text.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

TEST_F(HostileBuild, AByteOrderMarkUtf8AndLoneCrLineEndsCompileAsLatin1) {
    write("game.orb", "\xEF\xBB\xBF" "a$ = \"caf\xC3\xA9\"\rPrint a$\r");
    CommandRun r = run("--test game.orb");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "2.0No errors|Total Lines 2\n");
    EXPECT_NE(read(dir / "work/orb16.tmp").find("caf\xE9"), std::string::npos);
}

TEST_F(HostileBuild, ALatin1SourceReadsAsBefore) {
    write("game.orb", "a$ = \"caf\xE9\"\r\nPrint a$\r\n");
    CommandRun r = run("--test game.orb");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(read(dir / "work/orb16.tmp").find("caf\xE9"), std::string::npos);
}

TEST_F(HostileBuild, ACharacterOutsideLatin1IsACompileErrorNamingItAndItsLine) {
    write("game.orb", "Print 1\na$ = \"\xE2\x82\xAC\"\n");
    CommandRun r = run("--test game.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.1Syntax error|Line 2:  U+20AC is not a Latin-1 character\n");
}

TEST_F(HostileBuild, AnIncludeFileWithAMarkAndCrLinesIsReadAndItsBadCharacterNamed) {
    write("good.inc", "\xEF\xBB\xBFx = 1\ry = 2\r");
    write("bad.inc", "x = 1\r\ny$ = \"\xF0\x9F\x98\x80\"\r\n");
    write("good.orb", "Include \"good.inc\"\nPrint x + y\n");
    EXPECT_EQ(run("--test good.orb").status, 0) << read(dir / "out.txt");
    write("bad.orb", "Include \"bad.inc\"\n");
    CommandRun r = run("--test bad.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.1Syntax error|Line 2:  U+1F600 is not a Latin-1 character|Using include file: bad.inc\n");
}

TEST_F(HostileBuild, ANulInAStringIsRefusedWithItsLine) {
    write("game.orb", std::string("Print 1\na$ = \"x\0y\"\n", 19));
    CommandRun r = run("--test game.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.1Syntax error|Line 2:  a NUL character (code 0) cannot be part of a program\n");
}

TEST_F(HostileBuild, DevicesAndFifosAreNeitherSourcesNorIncludeFiles) {
    CommandRun r = run("--test /dev/zero");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;

    ASSERT_EQ(mkfifo((dir / "pipe.inc").c_str(), 0644), 0);
    for (const char* name : {"/dev/zero", "/dev/urandom", "pipe.inc"}) {
        write("game.orb", std::string("Include \"") + name + "\"\n");
        CommandRun include = run("--test game.orb");   // a FIFO blocked forever before
        EXPECT_EQ(include.status, 1) << name;
        EXPECT_EQ(include.out.substr(0, 20), "1.11Cannot open file") << name;
    }
}

TEST_F(HostileBuild, ASourceAboveTheSizeLimitIsRefused) {
    write("game.orb", std::string(sourceFileLimit + 1, '\n'));
    CommandRun r = run("--test game.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("larger than"), std::string::npos) << r.err;
}

TEST(SourceText, LineEndsOfEveryKindBecomeLf) {
    EXPECT_EQ(decodeSourceText("a\rb\r\nc\nd").text, "a\nb\nc\nd");
    EXPECT_EQ(decodeSourceText("\r\r\n\n").text, "\n\n\n");
    EXPECT_EQ(decodeSourceText("\xEF\xBB\xBF\xC3\xA9\r\xE2\x82\xAC").badLine, 2);
}

TEST(SourceText, TextThatIsNotUtf8IsLatin1) {
    // A lone é, an overlong "/" and a surrogate are not UTF-8: every byte stays.
    EXPECT_EQ(decodeSourceText("\xE9t\xE9").text, "\xE9t\xE9");
    EXPECT_EQ(decodeSourceText("\xC0\xAF").text, "\xC0\xAF");
    EXPECT_EQ(decodeSourceText("\xED\xA0\x80").text, "\xED\xA0\x80");
    EXPECT_EQ(decodeSourceText("\xC3\xA9\xC3\xBF").text, "\xE9\xFF");
}
