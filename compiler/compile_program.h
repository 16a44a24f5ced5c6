// One compile pass over a whole document, into any back end.
#pragma once

#include "code_writer.h"
#include "compiler.h"

#include <filesystem>
#include <string>
#include <vector>

struct CompileOutcome {
    Fault fault;  // code 0 when the program compiled
    int compiledLines = 0;
    ProgramSettings settings;
    std::vector<std::string> resourceFiles;
    std::vector<std::filesystem::path> includeFiles;
};

// Compiles the document's lines (numbered from 1) as a Run or Test pass; file
// names in the program are taken relative to sourceFolder.
CompileOutcome compileProgram(CodeWriter& out, const std::vector<std::string>& lines,
                              const std::filesystem::path& sourceFolder);
