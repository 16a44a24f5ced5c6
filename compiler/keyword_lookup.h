// Lookups in the keyword table: statement keywords, built-ins by result kind,
// and the reserved-name test applied to every name a program declares.
#pragma once

#include "names.h"

#include <string_view>

inline constexpr int noKeyword = -1;

// The first entry named word, or noKeyword; only codes below firstBuiltinCode start statements.
int findStatementKeyword(std::string_view word);

// The first built-in named word whose result fits the suffix written at the call:
// none fits commands and integer results, "#" floats, "$" strings.
int findBuiltin(std::string_view word, ValueKind suffixKind);

// True when a name of this kind would collide with a keyword.
bool isReservedName(std::string_view word, ValueKind kind);
