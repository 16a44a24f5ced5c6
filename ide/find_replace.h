// Find and replace over a document's lines, line by line without wrapping.
#pragma once

#include "editor_doc.h"
#include "text_position.h"

#include <optional>
#include <string>

struct FindOptions {
    std::string text;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

bool matchesAt(const std::string& line, int column, const FindOptions& options);

// The start of the next match: searching down, the first starting at or after
// `from`; searching up, the last starting before it.
std::optional<TextPos> findText(const CEditorDoc& doc, TextPos from, const FindOptions& options);

// Replaces the match at `at` inside its line, recorded as one line replacement;
// returns the position right after the replacement.
TextPos replaceMatch(CEditorDoc& doc, TextPos at, const FindOptions& options, const std::string& replacement,
                     bool groupStart);

// Replaces every match from the document's start, as one undo group; returns the count.
int replaceAll(CEditorDoc& doc, const FindOptions& options, const std::string& replacement);
