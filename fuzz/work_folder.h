// A folder of this fuzzing process, removed at exit, for the files a target
// writes and the program under test reads.
#pragma once

#include <string>

const std::string& fuzzWorkFolder();
