// The shipped help file read through the help viewer's own parser: every
// search a user makes from the editor lands where it should.
#include "help_file.h"
#include "keyword_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace {

const HelpFile& shippedHelp() {
    static const HelpFile file = [] {
        std::ifstream in(ORB_HELP_FILE, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return parseHelpFile(text.str());
    }();
    return file;
}

}  // namespace

TEST(ShippedHelp, ReadsWhollyWithTheSpecialEntries) {
    const HelpFile& help = shippedHelp();
    EXPECT_FALSE(help.tooManyEntries);
    for (std::string_view topic : {"index", "userguide", "variableviewer", "ErrorMessages"}) {
        const HelpSearch found = searchHelp(help, topic);
        ASSERT_GE(found.entry, 0) << topic;
        EXPECT_NE(found.section, HelpSection::Commands) << topic;
    }
}

TEST(ShippedHelp, EveryKeywordFindsItsCommandEntryWithExampleCode) {
    const HelpFile& help = shippedHelp();
    for (const Keyword& keyword : keywordTable) {
        if (keyword.name.empty()) continue;
        const HelpSearch found = searchHelp(help, keyword.name);
        ASSERT_GE(found.entry, 0) << keyword.name;
        EXPECT_EQ(found.section, HelpSection::Commands) << keyword.name;
        EXPECT_FALSE(exampleCode(help.entries[static_cast<size_t>(found.entry)].body).empty()) << keyword.name;
    }
}

TEST(ShippedHelp, ErrorSearchOpensThePageOfThatCode) {
    const HelpFile& help = shippedHelp();
    const HelpSearch twelve = searchHelp(help, "error 12");
    ASSERT_GE(twelve.entry, 0);
    EXPECT_EQ(twelve.section, HelpSection::Errors);
    EXPECT_EQ(twelve.page, 12);
    const std::string& body = help.entries[static_cast<size_t>(twelve.entry)].body;
    EXPECT_EQ(pageCount(body), 125);
    EXPECT_EQ(errorPageTitle(body, 0), "0: No errors");
    EXPECT_EQ(errorPageTitle(body, 12), "12: Def label Expected");
    EXPECT_EQ(errorPageTitle(body, 96), "96: Divide by zero");
    EXPECT_EQ(errorPageTitle(body, 124), "124: Screen out of bounds");
    EXPECT_EQ(searchHelp(help, "ERROR 124").page, 124);
}

TEST(ShippedHelp, MisspeltMessagesAreFoundByEitherSpelling) {
    const HelpFile& help = shippedHelp();
    static constexpr std::pair<std::string_view, int> searches[] = {
        {"Invalid Defination", 13},       {"invalid definition", 13},     {"Definition", 13},
        {"Definition expected", 19},      {"Archive doesnt exist", 108},  {"Archive doesn't exist", 108},
        {"archive does not exist", 108},  {"doesnt", 108},                {"Unable to delete archive", 109},
        {"achive", 109},                  {"Incompatible Audio Format", 85},
        {"Divide by zero", 96},  // a whole message is found as it is spelt
    };
    for (auto [text, page] : searches) {
        const HelpSearch found = searchHelp(help, text);
        EXPECT_EQ(found.section, HelpSection::Errors) << text;
        EXPECT_EQ(found.entry >= 0 ? found.page : -1, page) << text;
    }
    // A word that is no misspelling finds no message that merely mentions it.
    EXPECT_EQ(searchHelp(help, "Load").entry, -1);
}

TEST(ShippedHelp, EveryMisspellingTheSearchKnowsIsInAMessage) {
    const HelpFile& help = shippedHelp();
    int errors = searchHelp(help, "ErrorMessages").entry;
    ASSERT_GE(errors, 0);
    std::string titles;
    const std::string& body = help.entries[std::size_t(errors)].body;
    for (int page = 0; page < pageCount(body); ++page) titles += errorPageTitle(body, page) + "\n";
    for (std::string_view misspelt : {"Defination", "achive", "doesnt", "Incompatiable"})
        EXPECT_NE(titles.find(misspelt), std::string::npos) << misspelt;
}
