#include "help_spellings.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

bool wordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '\''; }

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool hasTableWord(std::string_view searchForm) {
    for (const SystemSpelling& s : systemSpellings)
        if (searchForm.find(s.meaning) != std::string_view::npos) return true;
    return false;
}

}  // namespace

std::string searchSpelling(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (!wordCharacter(text[i])) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
            continue;
        }
        std::string word;
        while (i < text.size() && wordCharacter(text[i]))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
        for (const SystemSpelling& s : systemSpellings)
            if (word == s.word) word = std::string(s.meaning);
        out += word;
    }
    return out;
}

HelpSearch searchErrorMessages(const HelpFile& file, std::string_view text) {
    const std::string wanted = searchSpelling(text);
    if (wanted.empty()) return {};
    const bool partOfMessage = hasTableWord(wanted);
    const std::vector<HelpSection> sections = helpSections(file);
    const auto errors = std::find(sections.begin(), sections.end(), HelpSection::Errors);
    if (errors == sections.end()) return {};
    const int entry = static_cast<int>(errors - sections.begin());
    const std::string& body = file.entries[static_cast<size_t>(entry)].body;
    std::vector<std::string> messages;
    for (int page = 0; page < pageCount(body); ++page) {
        // The title reads "12: Message"; the search looks at the message.
        const std::string title = errorPageTitle(body, page);
        const size_t colon = title.find(": ");
        messages.push_back(colon == std::string::npos ? title : title.substr(colon + 2));
    }
    // The spelling typed first, so that "achive" finds the message that says it,
    // then either spelling.
    const std::string typed = lowerCase(text);
    for (const bool asTyped : {true, false}) {
        for (size_t page = 0; page < messages.size(); ++page) {
            const std::string form = asTyped ? lowerCase(messages[page]) : searchSpelling(messages[page]);
            const std::string& sought = asTyped ? typed : wanted;
            if (form == sought || (partOfMessage && form.find(sought) != std::string::npos))
                return {entry, HelpSection::Errors, static_cast<int>(page)};
        }
    }
    return {};
}
