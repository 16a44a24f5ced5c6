// Comment and uncomment lines with ";", the remark mark of program text.
#pragma once

#include "editor_doc.h"
#include "text_position.h"

#include <string>
#include <vector>

// When every line that holds text is a remark, takes the first ";" (and one blank
// after it) off each; otherwise puts "; " before the text of each such line.
// Indentation stays in front; blank lines are left alone. Lines are in file form.
std::vector<std::string> toggledComments(const std::vector<std::string>& lines);

// The same over the caret's line or the selected lines, as one undo group; the
// changed lines end up selected whole, a caret without selection keeps its place in the text.
void toggleComments(CEditorDoc& doc, Caret& caret);
