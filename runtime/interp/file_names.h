// File names that a program hands to the file system.
#pragma once

#include <string_view>

// The C library stops a name at a NUL and would open another file than the
// one the program named ("a.wav" for "a.wav" + Chr$(0) + "x"): such a name
// names no file, and its load fails with the statement's own message.
inline bool namesAFile(std::string_view name) { return name.find('\0') == std::string_view::npos; }
