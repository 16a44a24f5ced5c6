// A place in a document: line index and column into the in-memory line.
#pragma once

#include <compare>

struct TextPos {
    int line = 0;
    int column = 0;
    auto operator<=>(const TextPos&) const = default;
};

// The caret and the selection anchor; the selection is what lies between them.
struct Caret {
    TextPos pos;
    TextPos anchor;
    bool hasSelection() const { return pos != anchor; }
    TextPos selectionStart() const { return pos < anchor ? pos : anchor; }
    TextPos selectionEnd() const { return pos < anchor ? anchor : pos; }
    void moveTo(TextPos to, bool extend) {
        pos = to;
        if (!extend) anchor = to;
    }
};
