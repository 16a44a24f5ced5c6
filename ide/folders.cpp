#include "folders.h"

#include "work_protocol.h"

namespace {

std::string inFolder(const std::string& folder, std::string_view name) {
    if (folder.empty() || folder.back() == '/') return folder + std::string(name);
    return folder + "/" + std::string(name);
}

}  // namespace

Folders folderLayout(const std::string& programFolder, const std::string& workFolder,
                     const std::string& settingsFolder) {
    Folders folders;
    folders.program = programFolder;
    folders.helpFile = inFolder(programFolder, "orbbasichelp.txt");
    folders.helpPicture = inFolder(programFolder, "orbbasichelp.png");
    folders.classTemplate = inFolder(programFolder, "thegc.dat");
    folders.settingsFallback = inFolder(programFolder, "orbbasic.ini");
    folders.work = workFolder;
    folders.settings = settingsFolder.empty() ? workFolder : settingsFolder;
    folders.patchedClass = inFolder(folders.work, "TheGameCanvas.class");
    folders.packageData = inFolder(folders.work, "orb16.dat");
    folders.programImage = inFolder(folders.work, programImageFileName);
    folders.errorFile = inFolder(folders.work, errorFileName);
    folders.settingsFile = inFolder(folders.settings, "orbbasic.ini");
    folders.screenshot = inFolder(folders.work, screenshotFileName);
    return folders;
}
