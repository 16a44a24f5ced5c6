#include "keyword_completion.h"

#include "keyword_table.h"
#include "text_compare.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view typeName(char kind) {
    switch (kind) {
    case '1': return "integer";
    case '2': return "float";
    case '3': return "string";
    default: return "";
    }
}

std::string_view suffixOf(char result) { return result == '2' ? "#" : result == '3' ? "$" : ""; }

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

// Built once: the table never changes while the program runs.
const std::vector<Completion>& allCompletions() {
    static const std::vector<Completion> list = [] {
        std::vector<Completion> words;
        for (const Keyword& keyword : keywordTable) {
            if (keyword.name.empty()) continue;
            const char result = keyword.signature.size() > 1 ? keyword.signature[1] : '0';
            std::string word = std::string(keyword.name) + std::string(suffixOf(result));
            const auto same = std::find_if(words.begin(), words.end(), [&](const Completion& c) { return c.word == word; });
            if (same != words.end()) continue;
            words.push_back({word, describeSignature(keyword.name, keyword.signature)});
        }
        std::stable_sort(words.begin(), words.end(),
                         [](const Completion& a, const Completion& b) { return lessIgnoringCase(a.word, b.word); });
        return words;
    }();
    return list;
}

}  // namespace

std::string describeSignature(std::string_view name, std::string_view signature) {
    const char kind = signature.empty() ? '0' : signature[0];
    const char result = signature.size() > 1 ? signature[1] : '0';
    std::string text(name);
    text += suffixOf(result);
    if (kind != '1') return text;  // a statement keyword: its form is in the help
    const bool function = result != '0';
    std::string parameters;
    bool endedByTo = false;     // the parameter just written may be ended by TO
    bool nextEndedByTo = false;
    for (size_t i = 2; i < signature.size(); ++i) {
        const char c = signature[i];
        if (c == '+') {
            nextEndedByTo = true;
            continue;
        }
        if (typeName(c).empty()) break;
        if (!parameters.empty()) parameters += endedByTo ? " TO " : ", ";
        parameters += typeName(c);
        endedByTo = nextEndedByTo;
        nextEndedByTo = false;
    }
    if (function) return text + "(" + parameters + ") gives " + std::string(typeName(result));
    return parameters.empty() ? text : text + " " + parameters;
}

std::vector<Completion> completionsFor(std::string_view prefix) {
    std::vector<Completion> found;
    for (const Completion& completion : allCompletions())
        if (completion.word.size() >= prefix.size() &&
            equalsIgnoringCase(std::string_view(completion.word).substr(0, prefix.size()), prefix))
            found.push_back(completion);
    return found;
}

int completionStart(std::string_view line, int column) {
    column = std::clamp(column, 0, static_cast<int>(line.size()));
    int start = column;
    while (start > 0) {
        const unsigned char c = static_cast<unsigned char>(line[static_cast<size_t>(start - 1)]);
        if (!std::isalnum(c) && c != '_') break;
        --start;
    }
    return start;
}

const Completion* keywordBefore(std::string_view line, int column) {
    column = std::clamp(column, 0, static_cast<int>(line.size()));
    const bool suffixed = column > 0 && (line[static_cast<size_t>(column - 1)] == '$' || line[static_cast<size_t>(column - 1)] == '#');
    const int start = completionStart(line, suffixed ? column - 1 : column);
    const std::string_view word = line.substr(static_cast<size_t>(start), static_cast<size_t>(column - start));
    if (word.empty()) return nullptr;
    for (const Completion& completion : allCompletions())
        if (equalsIgnoringCase(completion.word, word)) return &completion;
    return nullptr;
}
