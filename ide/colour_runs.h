// Syntax colouring: each line is cut into runs of one colour class. A line's
// runs depend only on its own text, since every line starts in normal colour.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum class ColourClass : std::uint8_t { Normal, Keyword, Number, String, Remark };

struct ColourRun {
    int start;  // the run lasts until the next run's start or the end of the line
    ColourClass colour;
    bool operator==(const ColourRun&) const = default;
};

// A word, with its type suffix if any, is a keyword when a table entry has its
// name (ignoring case) and the entry's result kind fits the suffix.
bool isKeyword(std::string_view word);

// Runs in column order; neighbouring runs differ in colour; the first starts at 0.
std::vector<ColourRun> colourRuns(std::string_view line);
