#include "package_data_check.h"

#include "class_patch.h"
#include "jar_entries.h"
#include "template_check.h"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Far above any template or picture that ships; a larger file is not one of them.
constexpr std::uintmax_t largestDataFile = 4u << 20;

using Bytes = std::vector<std::uint8_t>;

bool startsWith(const Bytes& bytes, std::initializer_list<std::uint8_t> head, std::size_t at = 0) {
    if (bytes.size() < at + head.size()) return false;
    std::size_t i = at;
    for (std::uint8_t b : head)
        if (bytes[i++] != b) return false;
    return true;
}

// A class file starts with its magic number; a PNG with its signature and the IHDR chunk.
bool hasShapeOfItsKind(const fs::path& file, const Bytes& bytes) {
    if (file.filename() == gameClassTemplateName) return templateFaults(bytes).empty();
    if (file.extension() == ".png")
        return startsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}) &&
               startsWith(bytes, {'I', 'H', 'D', 'R'}, 12) && bytes.size() >= 33;
    return startsWith(bytes, {0xCA, 0xFE, 0xBA, 0xBE}) && bytes.size() >= 10;
}

// Every prepared file a package of either display size takes from the program
// folder; the entries made in the work folder (named here as one below it) are not.
std::vector<fs::path> preparedFiles(const fs::path& programFolder) {
    std::vector<fs::path> files = {programFolder / gameClassTemplateName};
    PackageSettings small, large;
    large.originalWidth = 601;
    for (const PackageSettings* s : {&small, &large})
        for (const JarFileEntry& e : jarFileEntries(*s, programFolder, programFolder / "work"))
            if (e.source.parent_path() == programFolder && std::find(files.begin(), files.end(), e.source) == files.end())
                files.push_back(e.source);
    return files;
}

}  // namespace

std::string packageDataFault(const fs::path& programFolder) {
    for (const fs::path& file : preparedFiles(programFolder)) {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) return file.filename().string() + " is missing: " + file.string();
        auto size = fs::file_size(file, ec);
        Bytes bytes;
        if (!ec && size <= largestDataFile) {
            std::ifstream in(file, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        if (!hasShapeOfItsKind(file, bytes)) return file.filename().string() + " is damaged: " + file.string();
    }
    return {};
}
