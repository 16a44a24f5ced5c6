// What the help viewer shows: the entry list, the current entry and page.
#pragma once

#include "help_file.h"

#include <string>
#include <vector>

struct HelpBrowser {
    HelpFile file;
    bool loaded = false;  // without a help file the lists, search and pages do nothing
    int current = -1;     // current entry, -1 for none
    int page = 0;
    HelpSection list = HelpSection::General;
    std::vector<int> rows;  // per list row: an entry index, or a page of the error entry

    void load(std::string_view text);
    // Fills the rows of a list; the errors list also makes the error entry current.
    void showList(HelpSection section);
    std::vector<std::string> rowTitles() const;
    void selectRow(int row);
    // The entry and page the search finds, and its section's list; false when nothing matches.
    bool search(std::string_view text, int errorCode = 0);
    // The same for a title or the start of one (search while typing).
    bool searchPrefix(std::string_view text);
    // The list row of the current entry or page, or -1.
    int currentRow() const;

    int pages() const;
    bool canGoBack() const { return current >= 0 && page > 0; }
    bool canGoForward() const { return current >= 0 && page + 1 < pages(); }
    void previousPage();
    void nextPage();
    std::string_view currentPageText() const;
    std::string copyCode() const;

private:
    int errorEntry() const;
    bool showFound(const HelpSearch& found);
};
