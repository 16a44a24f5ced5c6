// The environment's settings and the settings file "orbbasic.ini": one line per
// setting, the key, one blank and the decimal value, always in the same order.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct Settings {
    // Each field is one key of the file; the keys keep the spelling stored files have.
    int autoIndent = 1;
    int syntaxColouring = 1;            // 0 draws the text black on the plain background
    int backgroundColour = 15790320;    // colours are 0x00BBGGRR
    int textColour = 0;
    int keywordColour = 16711680;
    int numberColour = 180;
    int remarkColour = 32768;
    int marginColour = 16638425;
    int lineNumberColour = 8355711;     // also the margin's edge
    int stringColour = 8388736;
    int fontHeight = 13;
    int fontWidth = 8;
    int fontWeight = 400;               // 400 is normal
    bool operator==(const Settings&) const = default;
};

struct SettingKey {
    std::string_view name;
    int Settings::*field;
};

// The order in which the file is written.
inline constexpr std::array<SettingKey, 13> settingKeys = {{
    {"AutoIndent", &Settings::autoIndent},
    {"SyntaxCol", &Settings::syntaxColouring},
    {"BackCol", &Settings::backgroundColour},
    {"NorCol", &Settings::textColour},
    {"KeyCol", &Settings::keywordColour},
    {"NumCol", &Settings::numberColour},
    {"RemCol", &Settings::remarkColour},
    {"MarCol", &Settings::marginColour},
    {"MarEdCol", &Settings::lineNumberColour},
    {"StrCol", &Settings::stringColour},
    {"FontHeight", &Settings::fontHeight},
    {"FontWidth", &Settings::fontWidth},
    {"TabWeight", &Settings::fontWeight},
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
