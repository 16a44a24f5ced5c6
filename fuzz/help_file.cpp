// Any bytes as the help file, browsed as the help viewer does: every list,
// every row, every page, then a search. Input: a length byte, the search text
// and the help file.
#include "help_browser.h"

#include <cstdlib>
#include <utility>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Walks a list as a reader would: each row selected, a few of its pages turned.
void browseList(HelpBrowser& help, HelpSection section) {
    help.showList(section);
    const std::vector<std::string> titles = help.rowTitles();
    check(titles.size() == help.rows.size());
    for (int row = 0; row < int(help.rows.size()); ++row) {
        help.selectRow(row);
        check(help.currentRow() >= 0 && help.page < help.pages());
        (void)help.copyCode();
        for (int turns = 0; help.canGoForward() && turns < 4; ++turns) {
            help.nextPage();
            (void)help.currentPageText();
        }
        if (help.canGoBack()) help.previousPage();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t searchLength = std::min<size_t>(data[0], size - 1);
    const std::string_view search(reinterpret_cast<const char*>(data + 1), searchLength);
    const std::string_view text(reinterpret_cast<const char*>(data + 1 + searchLength), size - 1 - searchLength);

    HelpBrowser help;
    help.load(text);
    check(help.file.entries.size() <= size_t(maxHelpEntries));
    for (const HelpEntry& entry : help.file.entries) {
        check(entry.title.size() <= maxHelpTitle && entry.body.find('_') == std::string::npos);
        check(pageCount(entry.body) >= 1 && pageText(entry.body, pageCount(entry.body)).empty());
    }
    check(helpSections(help.file).size() == help.file.entries.size());
    browseList(help, HelpSection::General);
    browseList(help, HelpSection::Errors);
    browseList(help, HelpSection::Commands);

    // The text as typed into the search field, then the error page Explain opens.
    for (const auto& [text, errorCode] : {std::pair{search, 0}, std::pair{std::string_view("errormessages"), 12}}) {
        if (!help.search(text, errorCode)) continue;
        check(help.current >= 0 && help.current < int(help.file.entries.size()));
        check(help.page >= 0 && help.page < help.pages());
        (void)help.currentRow();
        (void)help.currentPageText();
    }
    return 0;
}
