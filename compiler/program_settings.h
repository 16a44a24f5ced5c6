// Settings a program makes with its header statements.
#pragma once

#include <string>

struct ProgramSettings {
    int screenWidth = 360;
    int screenHeight = 640;
    int targetWidth = 360;
    int targetHeight = 640;
    int orientation = 0;
    int orientationNotFixed = 1;
    int touchScreen = 1;
    int joypadUsed = 0;
    std::string vendor;
    std::string version;
    std::string iconPath;
    // Each header statement may appear once per program.
    bool resolutionSet = false;
    bool targetResolutionSet = false;
    bool orientationSet = false;
    bool touchScreenSet = false;
    bool iconSet = false;
};
