// Files replaced whole: written under a temporary name beside the old file and
// renamed over it only once complete and on the disk, so that a full disk, a
// kill or a crash leaves either the old file or the new one, never a part.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Each step gives the system's reason for a failure (as strerror says it).

// Creates an empty file with a unique name in the target's folder (".NAME."
// and six random characters); an empty path when it cannot.
std::filesystem::path createTemporaryBeside(const std::filesystem::path& target, std::string& reason);

// Writes every byte of text into an existing file and forces it to the disk.
bool writeWholeFile(const std::filesystem::path& file, std::string_view text, std::string& reason);

// Forces a file that was written by other means to the disk.
bool syncFile(const std::filesystem::path& file, std::string& reason);

// Renames a complete temporary file over the target.
bool renameOver(const std::filesystem::path& temporary, const std::filesystem::path& target, std::string& reason);

// The three steps above for one file; on failure the temporary is removed and
// the old file is untouched. reason names the file and the system's cause.
bool replaceFile(const std::filesystem::path& target, std::string_view text, std::string& reason);

// Removes a temporary left by a failed step; an empty path is ignored.
void discardTemporary(const std::filesystem::path& temporary);
