// The help file "orbbasichelp.txt": entries that start with "_" and a title
// line, bodies with "@" marks, grouped into general, error and command sections.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view helpFileName = "orbbasichelp.txt";
inline constexpr int maxHelpEntries = 256;
inline constexpr size_t maxHelpTitle = 22;

struct HelpEntry {
    std::string title;
    std::string body;  // no underscores, no carriage returns
};

struct HelpFile {
    std::vector<HelpEntry> entries;
    bool tooManyEntries = false;  // reading stopped at the limit; the entries read stay
};

HelpFile parseHelpFile(std::string_view text);

enum class HelpSection { General, Errors, Commands };

// The section of every entry, in file order.
std::vector<HelpSection> helpSections(const HelpFile& file);

// Page marks "@p" split a body into pages.
int pageCount(std::string_view body);
std::string_view pageText(std::string_view body, int page);
// How many rows a page's text takes and how many columns its widest row; marks take no room.
struct PageExtent {
    int rows = 0;
    int columns = 0;
};
PageExtent pageExtent(std::string_view text);
// An error page's title: its first line from the seventh character, at most 50 characters.
std::string errorPageTitle(std::string_view body, int page);
// The first example-code section ("@9" up to the next mark), newlines as blanks.
std::string exampleCode(std::string_view body);

struct HelpSearch {
    int entry = -1;  // -1: not found
    HelpSection section = HelpSection::General;
    int page = 0;
};

// "ERROR n" (any case) finds the error page n; anything else an entry by its title.
HelpSearch searchHelp(const HelpFile& file, std::string_view text, int errorCode = 0);
// Search while typing: the entry whose title is the text, else the first command
// entry whose title starts with it, else the first other entry that does (any case).
HelpSearch searchHelpByPrefix(const HelpFile& file, std::string_view text);
