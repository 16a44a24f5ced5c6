#include "help_browser.h"

#include <algorithm>
#include <cctype>

void HelpBrowser::load(std::string_view text) {
    file = parseHelpFile(text);
    loaded = true;
    current = -1;
    page = 0;
}

int HelpBrowser::errorEntry() const {
    const std::vector<HelpSection> sections = helpSections(file);
    for (size_t i = 0; i < sections.size(); ++i)
        if (sections[i] == HelpSection::Errors) return static_cast<int>(i);
    return -1;
}

void HelpBrowser::showList(HelpSection section) {
    if (!loaded) return;
    list = section;
    rows.clear();
    if (section == HelpSection::Errors) {
        const int entry = errorEntry();
        if (entry < 0) return;
        if (current != entry) page = 0;
        current = entry;
        for (int p = 0; p < pageCount(file.entries[static_cast<size_t>(entry)].body); ++p) rows.push_back(p);
        return;
    }
    // General lists everything before the separator, Command Ref everything after it.
    bool afterSeparator = false;
    for (size_t i = 0; i < file.entries.size(); ++i) {
        const std::string& title = file.entries[i].title;
        std::string lower = title;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        if (lower == "---commands---") {
            afterSeparator = true;
            continue;
        }
        if (afterSeparator == (section == HelpSection::Commands)) rows.push_back(static_cast<int>(i));
    }
}

std::vector<std::string> HelpBrowser::rowTitles() const {
    std::vector<std::string> titles;
    for (int row : rows)
        titles.push_back(list == HelpSection::Errors ? errorPageTitle(file.entries[static_cast<size_t>(current)].body, row)
                                                     : file.entries[static_cast<size_t>(row)].title);
    return titles;
}

void HelpBrowser::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    if (list == HelpSection::Errors) {
        page = rows[static_cast<size_t>(row)];
    } else {
        current = rows[static_cast<size_t>(row)];
        page = 0;
    }
}

bool HelpBrowser::search(std::string_view text, int errorCode) {
    return loaded && showFound(searchHelp(file, text, errorCode));
}

bool HelpBrowser::searchPrefix(std::string_view text) { return loaded && showFound(searchHelpByPrefix(file, text)); }

bool HelpBrowser::showFound(const HelpSearch& found) {
    if (found.entry < 0) return false;
    current = found.entry;
    page = found.page;
    const int keepPage = page;
    showList(found.section);
    page = keepPage;
    return true;
}

int HelpBrowser::currentRow() const {
    const int wanted = list == HelpSection::Errors ? page : current;
    const auto at = std::find(rows.begin(), rows.end(), wanted);
    return at == rows.end() ? -1 : static_cast<int>(at - rows.begin());
}

int HelpBrowser::pages() const {
    return current < 0 ? 0 : pageCount(file.entries[static_cast<size_t>(current)].body);
}

void HelpBrowser::previousPage() {
    if (canGoBack()) --page;
}

void HelpBrowser::nextPage() {
    if (canGoForward()) ++page;
}

std::string_view HelpBrowser::currentPageText() const {
    if (current < 0) return {};
    return pageText(file.entries[static_cast<size_t>(current)].body, page);
}

std::string HelpBrowser::copyCode() const {
    return current < 0 ? std::string() : exampleCode(file.entries[static_cast<size_t>(current)].body);
}
