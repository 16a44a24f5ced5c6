// What the editor's keys and clipboard commands do to a document and the caret.
// Every change goes through the document's recording operations.
#pragma once

#include "editor_doc.h"
#include "text_position.h"

#include <string>
#include <string_view>

bool isWordChar(char c);  // letters, digits and "_"

// A column inside a tab's padding belongs to the tab.
int snapColumn(const std::string& line, int column);

TextPos leftOf(const CEditorDoc& doc, TextPos pos);
TextPos rightOf(const CEditorDoc& doc, TextPos pos);
TextPos wordLeftOf(const CEditorDoc& doc, TextPos pos);
TextPos wordRightOf(const CEditorDoc& doc, TextPos pos);
// The same column on another line, limited to that line.
TextPos onLine(const CEditorDoc& doc, int line, int column);
// The end of the text: after a final line end, the start of the empty line that follows it.
TextPos endOf(const CEditorDoc& doc);

std::string selectedText(const CEditorDoc& doc, const Caret& caret);  // lines joined by "\n", tabs without padding
void deleteSelection(CEditorDoc& doc, Caret& caret, bool groupStart);

void typeChar(CEditorDoc& doc, Caret& caret, char c);
void pressEnter(CEditorDoc& doc, Caret& caret, bool autoIndent);
void pressBackspace(CEditorDoc& doc, Caret& caret);
void pressDelete(CEditorDoc& doc, Caret& caret);
void pressCtrlDelete(CEditorDoc& doc, Caret& caret);
void pressTab(CEditorDoc& doc, Caret& caret);
// Shift+Tab over a selection, and Tab over a selection with `outdent` false.
void indentSelection(CEditorDoc& doc, Caret& caret, bool outdent);
void pasteText(CEditorDoc& doc, Caret& caret, std::string_view text);

// The word (letters, digits, "_") the caret is in or just after; empty when there is none.
std::string wordAt(const CEditorDoc& doc, TextPos pos);

// The word at the caret for Quick Command Help: letters, digits, "_", "$" and "#".
std::string helpWordAt(const CEditorDoc& doc, TextPos pos);
