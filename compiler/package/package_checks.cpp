#include "package_checks.h"

#include "source_files.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path resolved(const fs::path& path) {
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::absolute(path, ec).lexically_normal() : full;
}

bool isInside(const fs::path& file, const fs::path& folder) {
    fs::path relative = resolved(file).lexically_relative(resolved(folder));
    return !relative.empty() && *relative.begin() != ".." && !relative.is_absolute();
}

// One file by either name, or one path once resolved (for a file not written yet).
bool sameFile(const fs::path& a, const fs::path& b) { return isSameFile(a, b) || resolved(a) == resolved(b); }

}  // namespace

std::string fileOutsideProgramFolder(const std::vector<std::string>& resourceNames, const fs::path& sourceFolder) {
    for (const std::string& name : resourceNames)
        if (!isInside(fileInFolder(sourceFolder, name), sourceFolder))
            return "A package holds only files under the program's folder (" + resolved(sourceFolder).string() +
                   "); this one is outside: " + name;
    return {};
}

std::string outputOverwritesInput(const fs::path& jar, const fs::path& jad, const BuildInputs& inputs) {
    if (sameFile(jar, jad)) return "The JAR and the JAD would be one file: " + jar.string();
    std::vector<std::pair<const char*, fs::path>> named;
    if (!inputs.source.empty()) named.push_back({"the program's source", inputs.source});
    for (const fs::path& f : inputs.includeFiles) named.push_back({"an Include file", f});
    for (const JarFileEntry& e : inputs.entries) named.push_back({"a file the package holds", e.source});
    for (const fs::path& output : {jar, jad})
        for (const auto& [what, input] : named)
            if (sameFile(output, input))
                return "The output " + output.string() + " would overwrite " + what + ": " + input.string();
    return {};
}
