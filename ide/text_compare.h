// Case-insensitive comparison of ASCII texts: setting keys, help titles and
// the error file's variable names are all matched this way.
#pragma once

#include <cctype>
#include <cstddef>
#include <string_view>

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
