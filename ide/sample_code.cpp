#include "sample_code.h"

namespace {

bool markColour(char mark, ColourClass& colour) {
    switch (mark) {
    case 'c': colour = ColourClass::Remark; return true;
    case 'k': colour = ColourClass::Keyword; return true;
    case 'm': colour = ColourClass::Number; return true;
    case 's': colour = ColourClass::String; return true;
    case 'n': colour = ColourClass::Normal; return true;
    default: return false;
    }
}

}  // namespace

std::vector<SampleText> samplePieces(std::string_view line) {
    std::vector<SampleText> pieces;
    ColourClass colour = ColourClass::Normal;
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
        ColourClass next;
        if (line[i] == '\\' && i + 1 < line.size() && markColour(line[i + 1], next)) {
            if (!text.empty()) pieces.push_back({colour, std::move(text)});
            text.clear();
            colour = next;
            ++i;
            continue;
        }
        text += line[i];
    }
    if (!text.empty()) pieces.push_back({colour, std::move(text)});
    return pieces;
}
