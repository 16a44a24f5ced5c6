// Running `orbbasic` from the command line as a user would, headless.
#pragma once

#include <filesystem>
#include <string>

struct CommandRun {
    int status = -1;  // the exit status; -1 when it did not exit by itself
    std::string out;
    std::string err;
};

// Runs the `orbbasic` at `program` with the arguments by the shell, in
// `folder`, after `setup` (shell commands ending in "; ", such as a limit).
// Its standard output and error pass through out.txt and err.txt in the folder.
CommandRun runOrbbasic(const std::filesystem::path& folder, const std::string& program, const std::string& arguments,
                       const std::string& setup = {});
