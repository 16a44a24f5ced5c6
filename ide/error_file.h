// Reading the error file that the compiler and the runtime leave in the work
// folder: its first line, the error line (work_protocol.h), says how the last
// build or run ended, the lines after it dump the program's variables.
#pragma once

#include "work_protocol.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DumpEntry {
    std::string name;
    std::string value;
};

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> readErrorFile(const std::string& path);

// Every line after the first as name "=" value; lines with an empty name are left out.
std::vector<DumpEntry> parseVariableDump(std::string_view fileText);
// The dump entry named so, ignoring case.
const DumpEntry* findVariable(const std::vector<DumpEntry>& dump, std::string_view name);
