// Replacing a file so that a failed write never loses the old contents.
#pragma once

#include <string>
#include <string_view>

// Writes the bytes to a new file beside the path and renames it over the path
// only after everything was written; false (and the old file untouched) otherwise.
bool replaceFileContents(const std::string& path, std::string_view bytes);
