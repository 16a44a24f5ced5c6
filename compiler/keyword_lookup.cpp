#include "keyword_lookup.h"

#include "keyword_table.h"

#include <unordered_map>
#include <vector>

namespace {

// Every code sharing a name, in table order, so "first entry" rules hold.
using CodesByName = std::unordered_map<std::string_view, std::vector<int>, NameHash, NameEqual>;

const CodesByName& codesByName() {
    static const CodesByName table = [] {
        CodesByName t;
        for (int code = 0; code < keywordCount; ++code)
            if (!keywordTable[code].name.empty()) t[keywordTable[code].name].push_back(code);
        return t;
    }();
    return table;
}

const std::vector<int>* codesFor(std::string_view word) {
    if (word.empty()) return nullptr;
    auto it = codesByName().find(word);
    return it == codesByName().end() ? nullptr : &it->second;
}

// None for a command, which gives no value.
ValueKind resultOf(int code) { return kindOfDigit(keywordTable[code].signature[1]); }

}  // namespace

int findStatementKeyword(std::string_view word) {
    const auto* codes = codesFor(word);
    return codes ? codes->front() : noKeyword;
}

int findBuiltin(std::string_view word, ValueKind suffixKind) {
    const auto* codes = codesFor(word);
    if (!codes) return noKeyword;
    for (int code : *codes) {
        if (keywordTable[code].signature[0] != '1') continue;
        const ValueKind r = resultOf(code);
        const bool fits =
            suffixKind == ValueKind::Integer ? (r == ValueKind::None || r == ValueKind::Integer) : r == suffixKind;
        if (fits) return code;
    }
    return noKeyword;
}

bool isReservedName(std::string_view word, ValueKind kind) {
    const auto* codes = codesFor(word);
    if (!codes) return false;
    for (int code : *codes) {
        const ValueKind r = resultOf(code);
        if ((r == ValueKind::None && kind == ValueKind::Integer) || r == kind) return true;
    }
    return false;
}
