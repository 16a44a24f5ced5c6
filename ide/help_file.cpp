#include "help_file.h"

#include "help_spellings.h"
#include "text_compare.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view errorsTitle = "ErrorMessages";
constexpr std::string_view commandsTitle = "---COMMANDS---";
constexpr std::string_view variableViewerTitle = "variableviewer";

// Where page `page` starts: after its page mark, or at the body's start for page 0.
size_t pageStart(std::string_view body, int page) {
    size_t at = 0;
    for (int found = 0; found < page; ++found) {
        const size_t mark = body.find("@p", at);
        if (mark == std::string_view::npos) return body.size();
        at = mark + 2;
    }
    return at;
}

}  // namespace

HelpFile parseHelpFile(std::string_view text) {
    HelpFile file;
    size_t at = text.find('_');
    while (at != std::string_view::npos) {
        if (static_cast<int>(file.entries.size()) == maxHelpEntries) {
            file.tooManyEntries = true;
            break;
        }
        size_t titleEnd = at + 1;
        while (titleEnd < text.size() && text[titleEnd] != '\n' && text[titleEnd] != '\0') ++titleEnd;
        HelpEntry entry;
        std::string_view title = text.substr(at + 1, titleEnd - at - 1);
        if (!title.empty() && title.back() == '\r') title.remove_suffix(1);
        entry.title = std::string(title.substr(0, maxHelpTitle));
        const size_t bodyStart = std::min(titleEnd + 1, text.size());
        const size_t next = text.find('_', bodyStart);
        const std::string_view body = text.substr(bodyStart, next == std::string_view::npos ? text.npos : next - bodyStart);
        for (char c : body)
            if (c != '\r') entry.body += c;
        file.entries.push_back(std::move(entry));
        at = next;
    }
    return file;
}

std::vector<HelpSection> helpSections(const HelpFile& file) {
    std::vector<HelpSection> sections;
    HelpSection section = HelpSection::General;
    for (const HelpEntry& entry : file.entries) {
        if (section != HelpSection::Commands) {
            if (equalsIgnoringCase(entry.title, errorsTitle)) section = HelpSection::Errors;
            else if (equalsIgnoringCase(entry.title, variableViewerTitle)) section = HelpSection::General;
        }
        if (equalsIgnoringCase(entry.title, commandsTitle)) section = HelpSection::Commands;
        sections.push_back(section);
    }
    return sections;
}

int pageCount(std::string_view body) {
    int count = 1;
    for (size_t at = body.find("@p"); at != std::string_view::npos; at = body.find("@p", at + 2)) ++count;
    return count;
}

std::string_view pageText(std::string_view body, int page) {
    const size_t start = pageStart(body, page);
    const size_t end = body.find("@p", start);
    return body.substr(start, end == std::string_view::npos ? body.npos : end - start);
}

PageExtent pageExtent(std::string_view text) {
    PageExtent extent;
    int column = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '@' && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (text[i] == '\n') {
            ++extent.rows;
            column = 0;
            continue;
        }
        ++column;
        extent.columns = std::max(extent.columns, column);
    }
    // A last row without its newline still takes room.
    if (column > 0) ++extent.rows;
    return extent;
}

std::string errorPageTitle(std::string_view body, int page) {
    std::string_view text = pageText(body, page);
    if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
    text = text.substr(0, text.find('\n'));
    if (text.size() <= 6) return {};
    return std::string(text.substr(6, 50));
}

std::string exampleCode(std::string_view body) {
    const size_t start = body.find("@9");
    if (start == std::string_view::npos) return {};
    const size_t end = body.find('@', start + 2);
    std::string code(body.substr(start + 2, end == std::string_view::npos ? body.npos : end - start - 2));
    std::replace(code.begin(), code.end(), '\n', ' ');
    return code;
}

HelpSearch searchHelp(const HelpFile& file, std::string_view text, int errorCode) {
    std::string_view title = text;
    if (text.size() > 6 && equalsIgnoringCase(text.substr(0, 6), "ERROR ") && std::isdigit(static_cast<unsigned char>(text[6]))) {
        errorCode = 0;
        for (size_t i = 6; i < text.size() && i < 9 && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            errorCode = errorCode * 10 + (text[i] - '0');
        title = errorsTitle;
    }
    const std::vector<HelpSection> sections = helpSections(file);
    HelpSearch found;
    for (size_t i = 0; i < file.entries.size(); ++i) {
        if (!equalsIgnoringCase(file.entries[i].title, title)) continue;
        found.entry = static_cast<int>(i);
        found.section = sections[i];
        if (found.section == HelpSection::Errors && errorCode > 0)
            found.page = std::min(errorCode, pageCount(file.entries[i].body) - 1);
        break;
    }
    // Not a title: the error page whose message says it, in the system's spelling or the correct one.
    return found.entry >= 0 ? found : searchErrorMessages(file, text);
}

HelpSearch searchHelpByPrefix(const HelpFile& file, std::string_view text) {
    if (text.empty()) return {};
    const HelpSearch exact = searchHelp(file, text);
    if (exact.entry >= 0) return exact;
    const std::vector<HelpSection> sections = helpSections(file);
    HelpSearch found;
    // Commands first: a few letters typed are far more often a keyword than a guide page.
    for (const bool commands : {true, false}) {
        for (size_t i = 0; i < file.entries.size() && found.entry < 0; ++i) {
            const std::string& title = file.entries[i].title;
            if ((sections[i] == HelpSection::Commands) != commands || equalsIgnoringCase(title, commandsTitle)) continue;
            if (title.size() >= text.size() && equalsIgnoringCase(std::string_view(title).substr(0, text.size()), text)) {
                found.entry = static_cast<int>(i);
                found.section = sections[i];
            }
        }
    }
    return found;
}
