#include "jar_entries.h"

std::vector<PackageClass> packageClasses(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder) {
    return {
        {"TheGameCanvas.class", workFolder / "TheGameCanvas.class"},
        {"CommandClass.class", programFolder / "CommandClass.dat"},
        {"GameDesign.class", programFolder / "GameDesign.dat"},
        {"GameMidlet.class", programFolder / "GameMidlet.dat"},
        {"locals.class", programFolder / "locals.dat"},
    };
}

std::vector<JarFileEntry> jarFileEntries(const PackageSettings& s, const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder) {
    bool large = largeDisplay(s);
    std::vector<JarFileEntry> entries = {{"META-INF\\MANIFEST.MF", workFolder / "man.dat"}};
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
    for (const std::string& file : s.resourceFiles) entries.push_back({std::string(bareFileName(file)), file});
    return entries;
}
