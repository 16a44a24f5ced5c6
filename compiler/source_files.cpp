#include "source_files.h"

#include <fstream>
#include <iterator>

bool readWholeFile(const std::filesystem::path& path, std::string& content) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool canOpenForReading(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    return std::ifstream(path, std::ios::binary).is_open();
}
