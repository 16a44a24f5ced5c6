// Any bytes as the error file, read as the error dialog, the output viewer and
// the variable viewer read it: fields that stay within the error line, a
// screen size of digits, and a dump whose every name is found again.
#include "error_file.h"
#include "work_folder.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzWorkFolder() + "/" + std::string(errorFileName);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    check(f && std::fwrite(data, 1, size, f) == size && std::fclose(f) == 0);
    const std::optional<std::string> text = readErrorFile(path);
    check(text && *text == std::string_view(reinterpret_cast<const char*>(data), size));

    const std::string_view line = firstErrorLine(*text);
    check(line.size() <= 125 && line.find('\n') == line.npos && line.find('\0') == line.npos);
    const ErrorReport report = parseErrorLine(line);
    check(report.line >= 0 && report.code >= 0);
    check(report.message.size() + report.lineText.size() + report.detail.size() <= line.size());
    const ScreenSize screen = parseScreenSize(line);
    check(screen.width >= 0 && screen.height >= 0);

    const std::vector<DumpEntry> dump = parseVariableDump(*text);
    for (const DumpEntry& entry : dump) {
        check(!entry.name.empty() && entry.name.size() <= 256 && entry.value.size() <= 256);
        check(entry.name.find('\n') == std::string::npos && entry.value.find('\n') == std::string::npos);
        const DumpEntry* found = findVariable(dump, entry.name);
        check(found != nullptr && found->name.size() == entry.name.size());
        std::string upper = entry.name;
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        check(findVariable(dump, upper) != nullptr);
    }
    return 0;
}
