// Operands that several statements share: constant integer expressions and
// quoted file names.
#pragma once

#include "compiler.h"

#include <string>
#include <string_view>

// Decimal literals joined by + - * / %, left to right; missingError when a number is missing.
int readConstant(Compiler& c, int missingError, long long& value);

// A double-quoted file name; errors 9, 7 and 10.
int readFileName(Compiler& c, std::string& name);

// The file, relative to the source folder, must open; it joins the resource list when asked.
int requireFile(Compiler& c, const std::string& name, bool addToResources);

std::filesystem::path sourceRelative(const Compiler& c, std::string_view name);

// The extension after the last ".", compared ignoring case.
bool hasExtension(std::string_view name, std::string_view extension);
