// The keyword completion list: the keywords of the keyword table as they are
// written in programs (a string built-in with "$", a float one with "#"), and
// the argument signature of each built-in in words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Completion {
    std::string word;       // as written: "Inkey$", "Abs#", "Circle"
    std::string signature;  // "Circle integer, integer, float"; the keyword alone for a statement
};

// Every written keyword that starts with the prefix (any case), alphabetical; all of them for "".
std::vector<Completion> completionsFor(std::string_view prefix);

// The word part (letters, digits, "_") that ends at the column: what completion replaces.
int completionStart(std::string_view line, int column);

// The keyword written just before the column ("Left$" in "a$ = Left$"), or null.
const Completion* keywordBefore(std::string_view line, int column);

// A signature in words: "Left$(string, integer) gives string"; where the table's
// "+" lets TO end a parameter, TO stands in place of the comma after it.
std::string describeSignature(std::string_view name, std::string_view signature);
