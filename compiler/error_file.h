// The error file's line for compile results, and writing the error file.
#pragma once

#include "compiler.h"
#include "work_protocol.h"

#include <filesystem>
#include <string>

// "line.code" followed by the code's message, filled in.
std::string compileErrorLine(const Fault& fault);
std::string noErrorsLine(int compiledLines);
// The message alone (the text before the first "|"), for terminals.
std::string compileErrorMessage(int code);
// What the fault's hint says, filled in; empty when it has none.
std::string compileErrorHint(const Fault& fault);

// Replaces the file whole with the one line and no line end (a reader sees the
// old file or the new one); false, with the file and the reason, when it cannot.
bool writeErrorFile(const std::filesystem::path& path, const std::string& line, std::string& reason);
