#include "jar_entries.h"

#include "template_layout.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace {

bool isStored(const JarFileEntry& e) {
    std::error_code ec;
    return std::filesystem::is_regular_file(e.source, ec);
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A copy of a file under the same name (the program folder's joypad picture
// loaded from the program's own folder) is the same entry, stored once.
bool sameBytes(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec1, ec2;
    auto size = std::filesystem::file_size(a, ec1);
    if (ec1 || size != std::filesystem::file_size(b, ec2) || ec2) return false;
    return contents(a) == contents(b);
}

}  // namespace

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

std::vector<PackageClass> packageClasses(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder) {
    std::vector<PackageClass> classes;
    for (const templateLayout::TemplateClass& c : templateLayout::classes) {
        std::string className = std::string(c.name) + ".class";
        bool patched = c.name == templateLayout::gameClass.name;
        classes.push_back({className, patched ? workFolder / className : programFolder / c.templateFile});
    }
    return classes;
}

std::vector<JarFileEntry> jarFileEntries(const PackageSettings& s, const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder) {
    bool large = largeDisplay(s);
    std::vector<JarFileEntry> entries = {{"META-INF\\MANIFEST.MF", workFolder / manifestFileName}};
    // A class that ProGuard found unused is not in its folder and is left out.
    for (const PackageClass& c : packageClasses(programFolder, workFolder))
        entries.push_back({"program\\" + c.className, s.shrunkClassFolder.empty()
                                                            ? c.source
                                                            : std::filesystem::path(s.shrunkClassFolder) / c.className});
    entries.insert(entries.end(), {
        {"orb16.dat", workFolder / "orb16.dat"},
        {"atachedimg58x54.png", programFolder / (large ? "atachedimg58x54_2.png" : "atachedimg58x54.png")},
        {"attachedcontrol.png", programFolder / (large ? "attachedcontrol3.png" : "attachedcontrolsmall.png")},
        {"mobilefont.png", programFolder / "mobilefont.png"},
    });
    for (const std::string& file : s.resourceFiles) {
        JarFileEntry entry{std::string(bareFileName(file)), file, true};
        bool stored = false;
        for (const JarFileEntry& e : entries)
            stored = stored || isSameFile(e.source, file) || (e.name == entry.name && sameBytes(e.source, file));
        if (!stored) entries.push_back(std::move(entry));
    }
    return entries;
}

std::string entryNameClash(const std::vector<JarFileEntry>& entries) {
    for (std::size_t later = 0; later < entries.size(); ++later) {
        const JarFileEntry& e = entries[later];
        if (!e.programFile || !isStored(e)) continue;
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const JarFileEntry& first = entries[earlier];
            if (first.name != e.name || !isStored(first)) continue;
            if (!first.programFile)
                return "The package keeps the name " + e.name + " for its own " + first.source.string() +
                       "; rename " + e.source.string();
            return "Two files would be stored as " + e.name + ": " + first.source.string() + " and " +
                   e.source.string();
        }
    }
    return {};
}
