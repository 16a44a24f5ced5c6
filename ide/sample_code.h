// The preferences page's sample program, written with colour marks.
#pragma once

#include "colour_runs.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// "\c" remark, "\k" keyword, "\m" number, "\s" string, "\n" normal text.
inline constexpr std::array<std::string_view, 5> sampleProgram = {
    "\\c;  sample program",
    "\\n X = \\m100",
    "\\n Y = \\m50",
    "\\n\\k Print \\s\"Hello World\"\\n",
    "\\k Sprite \\m1\\n,X,Y\\n,\\m3",
};

struct SampleText {
    ColourClass colour;
    std::string text;
    bool operator==(const SampleText&) const = default;
};

// The pieces of a sample line without their marks; each mark colours what follows.
std::vector<SampleText> samplePieces(std::string_view line);
