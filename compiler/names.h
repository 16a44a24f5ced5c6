// Language names compare ignoring ASCII case; these helpers let hash tables
// look names up by string_view without building a lower-case copy.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "value_kind.h"

inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

inline bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const {
        std::size_t h = 1469598103934665603ull;  // FNV-1a over the lower-case letters
        for (char c : s) h = (h ^ static_cast<unsigned char>(lowerAscii(c))) * 1099511628211ull;
        return h;
    }
};

struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return sameName(a, b); }
};

inline const char* kindSuffix(ValueKind k) { return k == ValueKind::Float ? "#" : k == ValueKind::String ? "$" : ""; }
