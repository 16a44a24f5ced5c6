// Bracket matching: the bracket beside the caret and its partner on the same
// line. A statement never continues onto the next line, so neither does a
// bracket pair, and the search stays within one line however long the file is.
#pragma once

#include <optional>
#include <string_view>

struct BracketPair {
    int at;       // the bracket beside the caret
    int partner;  // its partner, or -1 when it has none
};

// The bracket just before the caret column, else the one at it; brackets in
// strings and remarks do not count.
std::optional<BracketPair> matchingBracket(std::string_view line, int caretColumn);
