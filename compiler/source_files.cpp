#include "source_files.h"

#include "source_text.h"

#include <fstream>

namespace {

// A name with a NUL would stop there in the system's calls and mean another file.
bool nameHasNul(const std::filesystem::path& path) { return path.native().find('\0') != std::string::npos; }

}  // namespace

bool readWholeFile(const std::filesystem::path& path, std::string& content) {
    std::string reason;
    return !nameHasNul(path) && readSourceFile(path, content, reason);
}

bool canOpenForReading(const std::filesystem::path& path) {
    std::error_code ec;
    if (nameHasNul(path) || !std::filesystem::is_regular_file(path, ec)) return false;
    return std::ifstream(path, std::ios::binary).is_open();
}

std::filesystem::path fileInFolder(const std::filesystem::path& folder, std::string_view name) {
    // Programs written on Windows name folders with "\\".
    std::string portable(name);
    for (char& ch : portable)
        if (ch == '\\') ch = '/';
    return folder / std::filesystem::path(portable);
}
