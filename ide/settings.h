// The environment's settings and the settings file "orbbasic.ini": one line per
// setting, the key, one blank and the decimal value, always in the same order.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct Settings {
    int autoIndent = 1;
    int syntaxCol = 1;
    int backCol = 15790320;   // colours are 0x00BBGGRR
    int norCol = 0;
    int keyCol = 16711680;
    int numCol = 180;
    int remCol = 32768;
    int marCol = 16638425;
    int marEdCol = 8355711;
    int strCol = 8388736;
    int fontHeight = 13;
    int fontWidth = 8;
    int tabWeight = 400;       // the editor font's weight; 400 is normal
    bool operator==(const Settings&) const = default;
};

struct SettingKey {
    std::string_view name;
    int Settings::*field;
};

// The order in which the file is written.
inline constexpr std::array<SettingKey, 13> settingKeys = {{
    {"AutoIndent", &Settings::autoIndent},
    {"SyntaxCol", &Settings::syntaxCol},
    {"BackCol", &Settings::backCol},
    {"NorCol", &Settings::norCol},
    {"KeyCol", &Settings::keyCol},
    {"NumCol", &Settings::numCol},
    {"RemCol", &Settings::remCol},
    {"MarCol", &Settings::marCol},
    {"MarEdCol", &Settings::marEdCol},
    {"StrCol", &Settings::strCol},
    {"FontHeight", &Settings::fontHeight},
    {"FontWidth", &Settings::fontWidth},
    {"TabWeight", &Settings::tabWeight},
}};

inline constexpr std::string_view settingsFileName = "orbbasic.ini";
inline constexpr std::string_view settingsMissingMessage = "Cannot find ORBBasic.ini\nUsing default settings...";
inline constexpr std::string_view settingsWriteMessage = "Cannot write ORBBasic.ini...";
inline constexpr std::string_view settingsMessageTitle = "ORB Basic Error";

// Applies every known key of the file's text to the settings; other keys are skipped.
void parseSettings(std::string_view text, Settings& settings);
// The file's text: every key in the fixed order, lines ended by CR LF.
std::string formatSettings(const Settings& settings);

enum class SettingsLoad { FromWorkFolder, FromProgramFolder, Missing };
// Reads the work folder's file, or the program folder's when there is none.
SettingsLoad loadSettings(const std::string& workFile, const std::string& programFile, Settings& settings);
// Writes the file whole through a temporary file; false when it cannot be written.
bool saveSettings(const std::string& path, const Settings& settings);
