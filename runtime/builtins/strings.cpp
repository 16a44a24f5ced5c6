// Text functions: Str, Left, Right, Mid, Instr, case, Chr, Asc, Len, String,
// GetChar, Val and FloatStr.
#include "arguments.h"
#include "groups.h"
#include "values.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Counts below 0 count as 0 and counts beyond the text give all of it.
size_t clampCount(int32_t n, size_t length) { return n < 0 ? 0 : std::min(static_cast<size_t>(n), length); }

ValueKind instr(Interp& in) {
    const int32_t start = std::max(intArg(in, 0), 1);
    const std::string_view s = stringArg(in, 1), t = stringArg(in, 2);
    if (s.size() < static_cast<size_t>(start - 1) + t.size()) return ValueKind::None;
    const size_t found = s.find(t, static_cast<size_t>(start - 1));
    return returnInt(in, found == std::string_view::npos ? 0 : static_cast<int32_t>(found + 1));
}

ValueKind mid(Interp& in) {
    const std::string_view s = stringArg(in, 0);
    const int32_t p = std::max(intArg(in, 1), 1), n = intArg(in, 2);
    if (n < 1 || static_cast<size_t>(p) > s.size()) return returnString(in, "");
    return returnString(in, s.substr(static_cast<size_t>(p - 1), static_cast<size_t>(n)));
}

ValueKind repeat(Interp& in) {
    const std::string_view s = stringArg(in, 0);
    const int32_t n = std::min(intArg(in, 1), 1020);
    std::string r;
    for (int32_t i = 0; i < n && r.size() < registerLength && !s.empty(); ++i) r.append(s);
    return returnString(in, r);
}

ValueKind convertCase(Interp& in, int (*convert)(int)) {
    std::string s(stringArg(in, 0));
    for (char& c : s) c = static_cast<char>(convert(static_cast<unsigned char>(c)));
    return returnString(in, s);
}

ValueKind getChar(Interp& in) {
    const std::string_view s = stringArg(in, 0);
    const int32_t p = intArg(in, 1) == 0 ? 1 : intArg(in, 1);
    if (p < 0 || static_cast<size_t>(p) > s.size()) return returnInt(in, 0);
    return returnInt(in, static_cast<signed char>(s[static_cast<size_t>(p - 1)]));
}

// Skips blanks and an optional minus, then reads decimal digits; a first
// character that is not a digit gives its own character code.
ValueKind integerValue(Interp& in) {
    const std::string_view s = stringArg(in, 0);
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n')) ++i;
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    if (i >= s.size()) return returnInt(in, 0);
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return returnInt(in, static_cast<signed char>(s[i]));
    uint32_t v = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) v = v * 10 + static_cast<uint32_t>(s[i] - '0');
    return returnInt(in, static_cast<int32_t>(negative ? 0u - v : v));
}

ValueKind floatValue(Interp& in) {
    const std::string s(stringArg(in, 0));
    return returnFloat(in, static_cast<float>(std::strtod(s.c_str(), nullptr)));
}

}  // namespace

ValueKind stringBuiltin(Interp& in, Builtin code) {
    switch (code) {
        case Builtin::Str: {
            char text[16];
            std::snprintf(text, sizeof text, "%d", intArg(in, 0));
            return returnString(in, text);
        }
        case Builtin::Left: {
            const std::string_view s = stringArg(in, 0);
            return returnString(in, s.substr(0, clampCount(intArg(in, 1), s.size())));
        }
        case Builtin::Right: {
            const std::string_view s = stringArg(in, 0);
            const size_t n = clampCount(intArg(in, 1), s.size());
            return returnString(in, s.substr(s.size() - n));
        }
        case Builtin::Mid: return mid(in);
        case Builtin::Instr: return instr(in);
        case Builtin::ToUpper: return convertCase(in, std::toupper);
        case Builtin::ToLower: return convertCase(in, std::tolower);
        case Builtin::Chr: return returnString(in, std::string(1, static_cast<char>(intArg(in, 0) & 0xFF)));
        case Builtin::Asc: {
            const std::string_view s = stringArg(in, 0);
            return returnInt(in, s.empty() ? 0 : static_cast<signed char>(s[0]));
        }
        case Builtin::Len: return returnInt(in, static_cast<int32_t>(stringArg(in, 0).size()));
        case Builtin::String: return repeat(in);
        case Builtin::GetChar: return getChar(in);
        case Builtin::Val: return integerValue(in);
        case Builtin::ValFloat: return floatValue(in);
        case Builtin::Reserved101: return returnString(in, "");
        case Builtin::FloatStr: return returnString(in, floatText(floatArg(in, 0)));
        default: return ValueKind::None;
    }
}
