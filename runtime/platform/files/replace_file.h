// Replacing a file whole: the new bytes go to a temporary beside it, which is
// renamed over the file only when every byte reached the disk. A full disk, a
// read-only folder or a kill during the write leaves the old file as it was
// and never a short or empty one in its place. Plain POSIX, shared by orbrt,
// the compiler and the packager.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// How the temporary beside a file is named.
enum class TemporaryName {
    // ".NAME.XXXXXX", six random characters: hidden from a listing of the folder.
    Hidden,
    // "NAME.PID-N.new", unique to the process and the call, so that two
    // processes replacing one file never take each other's temporary and
    // removeStaleTemporaries can tell those of a killed process.
    OfProcess,
};

// Writes `path` through `write` (false from it: the write failed) under an
// OfProcess temporary. On failure errno tells why and no temporary is left.
bool replaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write);

// Writes `target` as `text` under a Hidden temporary. On failure no temporary
// is left and reason names the file and the system's cause.
bool replaceFile(const std::filesystem::path& target, std::string_view text, std::string& reason);

// Removes the OfProcess temporaries of `path` that a process which no longer
// runs left behind (it was killed during a write); those of running processes stay.
void removeStaleTemporaries(const std::string& path);

// The steps one by one, for files that must be renamed together (a JAR and
// its JAD) or written by other means. Each gives the system's reason for a
// failure (as strerror says it).

// Creates an empty Hidden temporary in the target's folder; an empty path when it cannot.
std::filesystem::path createTemporaryBeside(const std::filesystem::path& target, std::string& reason);

// Writes every byte of text into an existing file and forces it to the disk.
bool writeWholeFile(const std::filesystem::path& file, std::string_view text, std::string& reason);

// Forces a file that was written by other means to the disk.
bool syncFile(const std::filesystem::path& file, std::string& reason);

// Renames a complete temporary file over the target.
bool renameOver(const std::filesystem::path& temporary, const std::filesystem::path& target, std::string& reason);

// Removes a temporary left by a failed step; an empty path is ignored.
void discardTemporary(const std::filesystem::path& temporary);
