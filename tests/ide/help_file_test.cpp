#include "help_file.h"

#include <gtest/gtest.h>

namespace {

// A help file with every kind of section; the error entry has pages 0 to 15.
std::string sampleHelpFile() {
    std::string text = "Text before the first entry is not read.\r\n";
    text += "_index\r\nWelcome@pSecond page\r\n";
    text += "_userguide\nThe guide@pTwo@pThree\n";
    text += "_ErrorMessages\nNo errors";
    for (int code = 1; code < 16; ++code) text += "@p\nError " + std::to_string(code) + ": message text\nmore\n";
    text += "_variableviewer\nHow to view variables\n";
    text += "_Editor keys\nF1 runs\n";
    text += "_---COMMANDS---\n";
    text += "_Print\nPrint writes text.@9Print \"Hi\"\nPrint 2@0 and more@9second\n";
    text += "_A title much longer than twenty-two characters\nbody\n";
    return text;
}

}  // namespace

TEST(HelpFileParser, EntriesTitlesAndBodies) {
    const HelpFile file = parseHelpFile(sampleHelpFile());
    ASSERT_EQ(file.entries.size(), 8u);
    EXPECT_FALSE(file.tooManyEntries);
    EXPECT_EQ(file.entries[0].title, "index");
    EXPECT_EQ(file.entries[0].body, "Welcome@pSecond page\n");
    EXPECT_EQ(file.entries[5].title, "---COMMANDS---");
    EXPECT_EQ(file.entries[5].body, "");
    EXPECT_EQ(file.entries[7].title, "A title much longer th");
    EXPECT_EQ(file.entries[7].title.size(), 22u);
    EXPECT_EQ(file.entries[7].body, "body\n");
}

TEST(HelpFileParser, MoreThan256EntriesKeepsTheFirst256) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "_e" + std::to_string(i) + "\nbody\n";
    const HelpFile file = parseHelpFile(text);
    EXPECT_TRUE(file.tooManyEntries);
    ASSERT_EQ(file.entries.size(), 256u);
    EXPECT_EQ(file.entries[255].title, "e255");
}

TEST(HelpFileParser, SectionsFollowTheSpecialTitles) {
    const HelpFile file = parseHelpFile(sampleHelpFile());
    using enum HelpSection;
    EXPECT_EQ(helpSections(file),
              (std::vector<HelpSection>{General, General, Errors, General, General, Commands, Commands, Commands}));
}

TEST(HelpFilePages, PageMarksSplitTheBody) {
    EXPECT_EQ(pageCount("one"), 1);
    EXPECT_EQ(pageCount("a@pb@pc"), 3);
    EXPECT_EQ(pageText("a@pb@pc", 0), "a");
    EXPECT_EQ(pageText("a@pb@pc", 1), "b");
    EXPECT_EQ(pageText("a@pb@pc", 2), "c");
    EXPECT_EQ(pageText("a@pb@pc", 3), "");
    const HelpFile file = parseHelpFile(sampleHelpFile());
    EXPECT_EQ(errorPageTitle(file.entries[2].body, 12), "12: message text");
}

TEST(HelpFilePages, CopyCodeTakesTheFirstExampleWithBlanksForNewlines) {
    EXPECT_EQ(exampleCode("Print writes text.@9Print \"Hi\"\nPrint 2@0 and more@9second\n"), "Print \"Hi\" Print 2");
    EXPECT_EQ(exampleCode("no example"), "");
    EXPECT_EQ(exampleCode("@9to the end\n"), "to the end ");
}

TEST(HelpSearchTest, TitlesMatchIgnoringCase) {
    const HelpFile file = parseHelpFile(sampleHelpFile());
    const HelpSearch found = searchHelp(file, "PRINT");
    EXPECT_EQ(found.entry, 6);
    EXPECT_EQ(found.section, HelpSection::Commands);
    EXPECT_EQ(found.page, 0);
    EXPECT_EQ(searchHelp(file, "editor KEYS").section, HelpSection::General);
    EXPECT_EQ(searchHelp(file, "Nothing").entry, -1);
}

TEST(HelpSearchTest, ErrorNumberOpensItsPage) {
    const HelpFile file = parseHelpFile(sampleHelpFile());
    const HelpSearch found = searchHelp(file, "error 12");
    EXPECT_EQ(found.entry, 2);
    EXPECT_EQ(found.section, HelpSection::Errors);
    EXPECT_EQ(found.page, 12);
    EXPECT_EQ(searchHelp(file, "ERROR 7").page, 7);
    // More pages than the entry has: its last page.
    EXPECT_EQ(searchHelp(file, "Error 99").page, 15);
}

TEST(HelpSearchTest, ErrorMessagesTopicWithACode) {
    const HelpFile file = parseHelpFile(sampleHelpFile());
    EXPECT_EQ(searchHelp(file, "errormessages", 5).page, 5);
    EXPECT_EQ(searchHelp(file, "errormessages", 0).page, 0);
    // A code only selects a page of the error entry.
    EXPECT_EQ(searchHelp(file, "userguide", 2).page, 0);
}
