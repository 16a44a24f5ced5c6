#include "zip_names.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 8> storedSuffixes = {".Z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz"};

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace

std::string entryName(std::string_view given, bool folder) {
    std::string name(given);
    std::replace(name.begin(), name.end(), '\\', '/');
    if (folder && !name.ends_with('/')) name += '/';
    return name;
}

bool storedBySuffix(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view suffix = name.substr(dot);
    return std::any_of(storedSuffixes.begin(), storedSuffixes.end(),
                       [&](std::string_view s) { return equalIgnoringCase(suffix, s); });
}
