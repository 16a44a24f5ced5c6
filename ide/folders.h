// The program folder and the work folder, and the fixed files in them.
#pragma once

#include <string>

struct Folders {
    std::string program;  // where orbbasic lives, with the files it only reads
    std::string work;     // where builds write
    std::string settings; // where the settings file is kept
    std::string helpFile;
    std::string helpPicture;  // the picture the help pages draw at their "@A" marks
    std::string classTemplate;
    std::string patchedClass;
    std::string packageData;
    std::string programImage;
    std::string errorFile;
    std::string settingsFile;
    std::string settingsFallback;
    std::string screenshot;
};

// Where each file lives, given the three folders (chooseWorkFolder and
// chooseSettingsFolder pick the last two); no settings folder: the work folder.
Folders folderLayout(const std::string& programFolder, const std::string& workFolder,
                     const std::string& settingsFolder = {});
