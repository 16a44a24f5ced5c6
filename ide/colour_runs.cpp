#include "colour_runs.h"

#include "keyword_table.h"

#include <cctype>
#include <string>
#include <unordered_map>

namespace {

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexLetter(char c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Which suffixes each keyword name accepts: bit 0 none, bit 1 "#", bit 2 "$".
const std::unordered_map<std::string, unsigned>& keywordSuffixes() {
    static const std::unordered_map<std::string, unsigned> table = [] {
        std::unordered_map<std::string, unsigned> names;
        for (const Keyword& keyword : keywordTable) {
            if (keyword.name.empty()) continue;
            const char kind = keyword.signature[1];
            names[lowerCase(keyword.name)] |= kind == '2' ? 2u : kind == '3' ? 4u : 1u;
        }
        return names;
    }();
    return table;
}

class RunBuilder {
public:
    void set(int column, ColourClass colour) {
        if (!runs.empty() && runs.back().colour == colour) return;
        if (!runs.empty() && runs.back().start == column) {
            runs.pop_back();
            if (!runs.empty() && runs.back().colour == colour) return;
        }
        runs.push_back({column, colour});
    }
    std::vector<ColourRun> runs;
};

}  // namespace

bool isKeyword(std::string_view word) {
    unsigned wanted = 1;
    if (!word.empty() && (word.back() == '#' || word.back() == '$')) {
        wanted = word.back() == '#' ? 2 : 4;
        word.remove_suffix(1);
    }
    const auto& table = keywordSuffixes();
    const auto found = table.find(lowerCase(word));
    return found != table.end() && (found->second & wanted);
}

std::vector<ColourRun> colourRuns(std::string_view line) {
    RunBuilder builder;
    builder.set(0, ColourClass::Normal);
    const int length = static_cast<int>(line.size());
    int i = 0;
    while (i < length) {
        const char c = line[i];
        if (c == ';') {
            builder.set(i, ColourClass::Remark);
            break;
        }
        if (c == '"' || c == '\'') {
            builder.set(i, ColourClass::String);
            int close = i + 1;
            while (close < length && line[close] != c) ++close;
            i = close + 1;
            if (i < length) builder.set(i, ColourClass::Normal);
            continue;
        }
        if (isDigit(c) || c == '$') {
            const bool hex = c == '$';
            builder.set(i, ColourClass::Number);
            ++i;
            while (i < length && (isDigit(line[i]) || line[i] == '.' || (hex && isHexLetter(line[i])))) ++i;
            if (i < length) builder.set(i, ColourClass::Normal);
            continue;
        }
        if (isLetter(c)) {
            const int start = i;
            while (i < length && (isLetter(line[i]) || isDigit(line[i]))) ++i;
            const bool suffixed = i < length && (line[i] == '$' || line[i] == '#');
            if (suffixed) ++i;
            const std::string_view word = line.substr(start, i - start);
            if (isKeyword(word)) {
                builder.set(start, ColourClass::Keyword);
                if (i < length) builder.set(i, ColourClass::Normal);
            }
            if (!suffixed && word.size() == 3 && lowerCase(word) == "rem") {
                if (i < length) builder.set(i, ColourClass::Remark);
                break;
            }
            continue;
        }
        ++i;
    }
    return builder.runs;
}
