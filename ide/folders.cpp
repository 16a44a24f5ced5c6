#include "folders.h"

#include <cstdio>

namespace {

std::string inFolder(const std::string& folder, const char* name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

// Appending leaves an image from an earlier build intact.
bool canCreate(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

Folders decideFolders(const std::string& programFolder, const std::string& tempFolder) {
    Folders folders;
    folders.program = programFolder;
    folders.helpFile = inFolder(programFolder, "orbbasichelp.txt");
    folders.helpPicture = inFolder(programFolder, "orbbasichelp.png");
    folders.classTemplate = inFolder(programFolder, "thegc.dat");
    folders.settingsFallback = inFolder(programFolder, "orbbasic.ini");
    folders.work = canCreate(inFolder(programFolder, "orb16.tmp")) ? programFolder : tempFolder;
    folders.patchedClass = inFolder(folders.work, "TheGameCanvas.class");
    folders.packageData = inFolder(folders.work, "orb16.dat");
    folders.programImage = inFolder(folders.work, "orb16.tmp");
    folders.errorFile = inFolder(folders.work, "orberr.tmp");
    folders.settingsFile = inFolder(folders.work, "orbbasic.ini");
    folders.screenshot = inFolder(folders.work, "orbdump.bmp");
    return folders;
}
