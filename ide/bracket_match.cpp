#include "bracket_match.h"

#include "colour_runs.h"

#include <string>
#include <vector>

namespace {

constexpr std::string_view openers = "([";
constexpr std::string_view closers = ")]";

// Per column: true where a bracket is code rather than text of a string or remark.
std::vector<bool> codeColumns(std::string_view line) {
    std::vector<bool> code(line.size(), true);
    const std::vector<ColourRun> runs = colourRuns(line);
    for (size_t r = 0; r < runs.size(); ++r) {
        if (runs[r].colour != ColourClass::String && runs[r].colour != ColourClass::Remark) continue;
        const size_t end = r + 1 < runs.size() ? static_cast<size_t>(runs[r + 1].start) : line.size();
        for (size_t i = static_cast<size_t>(runs[r].start); i < end; ++i) code[i] = false;
    }
    return code;
}

bool isBracket(char c) { return openers.find(c) != std::string_view::npos || closers.find(c) != std::string_view::npos; }

int partnerOf(std::string_view line, const std::vector<bool>& code, int at) {
    const char c = line[static_cast<size_t>(at)];
    const size_t opener = openers.find(c);
    const bool forward = opener != std::string_view::npos;
    const char self = c;
    const char other = forward ? closers[opener] : openers[closers.find(c)];
    int depth = 0;
    const int step = forward ? 1 : -1;
    for (int i = at; i >= 0 && i < static_cast<int>(line.size()); i += step) {
        if (!code[static_cast<size_t>(i)]) continue;
        if (line[static_cast<size_t>(i)] == self) ++depth;
        else if (line[static_cast<size_t>(i)] == other && --depth == 0) return i;
    }
    return -1;
}

}  // namespace

std::optional<BracketPair> matchingBracket(std::string_view line, int caretColumn) {
    const int length = static_cast<int>(line.size());
    auto bracketAt = [&](int column) { return column >= 0 && column < length && isBracket(line[static_cast<size_t>(column)]); };
    if (!bracketAt(caretColumn - 1) && !bracketAt(caretColumn)) return std::nullopt;  // the common case: no scan
    const std::vector<bool> code = codeColumns(line);
    for (const int at : {caretColumn - 1, caretColumn})
        if (bracketAt(at) && code[static_cast<size_t>(at)]) return BracketPair{at, partnerOf(line, code, at)};
    return std::nullopt;
}
