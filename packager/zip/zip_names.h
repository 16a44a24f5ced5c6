// Entry names and the choice between storing and deflating.
#pragma once

#include <string>
#include <string_view>

// Longest name a caller may give.
inline constexpr size_t maxEntryName = 259;

// The name as stored: "\" becomes "/", and a folder's name ends in "/".
std::string entryName(std::string_view given, bool folder);

// Files that are compressed already are stored: their suffix, from the last
// "." of the name and in any case, is one of the archive suffixes.
bool storedBySuffix(std::string_view name);
