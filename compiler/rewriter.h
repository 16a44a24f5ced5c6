// The line rewriter: Define and DefFn replacement, character literals, and
// the built-in defines that implement several words of the language.
#pragma once

#include "names.h"

#include <string>
#include <string_view>
#include <unordered_map>

inline constexpr std::size_t rewrittenLineLimit = 256;  // the compiler reads no further

struct DefineRecord {
    std::string text;
    bool isFunction = false;
    std::string parameters;  // upper-case letters, one per parameter
};

struct Defines {
    std::unordered_map<std::string, DefineRecord, NameHash, NameEqual> byName;
};

// The DefFn line that implements Rgb, compiled as line 0 of every pass.
inline constexpr std::string_view rgbDefinition = "deffn rgb(r,g,b)=(r*$10000)+(g*$100)+b";

void registerBuiltinDefines(Defines& d);

// Rewrites one line; returns a compile error code or 0.
int rewriteLine(const Defines& d, std::string_view line, std::string& out);

// Parses "Define name = text" or "DefFn name(a, b) = text" from the start of the
// statement to the end of the line and adds the record; a compile error code or 0.
int defineFromLine(Defines& d, std::string_view text, bool checkReservedName);
