#include "error_file.h"

#include "text_compare.h"

#include <fstream>
#include <sstream>

std::optional<std::string> readErrorFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<DumpEntry> parseVariableDump(std::string_view fileText) {
    constexpr size_t maxField = 256;
    std::vector<DumpEntry> dump;
    size_t end = fileText.find('\n');
    if (end == std::string_view::npos) return dump;
    fileText.remove_prefix(end + 1);
    while (!fileText.empty()) {
        end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t equals = line.find('=');
        const std::string_view name = line.substr(0, equals);
        if (!name.empty()) {
            const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
            dump.push_back({std::string(name.substr(0, maxField)), std::string(value.substr(0, maxField))});
        }
        if (end == std::string_view::npos) break;
        fileText.remove_prefix(end + 1);
    }
    return dump;
}

const DumpEntry* findVariable(const std::vector<DumpEntry>& dump, std::string_view name) {
    for (const DumpEntry& entry : dump)
        if (equalsIgnoringCase(entry.name, name)) return &entry;
    return nullptr;
}
