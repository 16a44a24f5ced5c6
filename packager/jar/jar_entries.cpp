#include "jar_entries.h"

std::vector<JarFileEntry> jarFileEntries(const PackageSettings& s, const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder) {
    bool large = largeDisplay(s);
    std::vector<JarFileEntry> entries = {
        {"META-INF\\MANIFEST.MF", workFolder / "man.dat"},
        {"program\\TheGameCanvas.class", workFolder / "TheGameCanvas.class"},
        {"program\\CommandClass.class", programFolder / "CommandClass.dat"},
        {"program\\GameDesign.class", programFolder / "GameDesign.dat"},
        {"program\\GameMidlet.class", programFolder / "GameMidlet.dat"},
        {"program\\locals.class", programFolder / "locals.dat"},
        {"orb16.dat", workFolder / "orb16.dat"},
        {"atachedimg58x54.png", programFolder / (large ? "atachedimg58x54_2.png" : "atachedimg58x54.png")},
        {"attachedcontrol.png", programFolder / (large ? "attachedcontrol3.png" : "attachedcontrolsmall.png")},
        {"mobilefont.png", programFolder / "mobilefont.png"},
    };
    for (const std::string& file : s.resourceFiles) entries.push_back({std::string(bareFileName(file)), file});
    return entries;
}
