#include "settings.h"

#include "file_write.h"
#include "text_compare.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

bool isKeyChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
}

// Unsigned decimal digits up to the first other character; a sign is not a digit, so "-5" reads as 0.
int readValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    unsigned value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = value * 10 + unsigned(text[i] - '0');
    return static_cast<int>(value);
}

void applyLine(std::string_view line, Settings& settings) {
    constexpr size_t maxKeyLength = 250;
    size_t keyEnd = 0;
    while (keyEnd < line.size() && keyEnd < maxKeyLength && isKeyChar(line[keyEnd])) ++keyEnd;
    const std::string_view key = line.substr(0, keyEnd);
    if (key.empty()) return;
    for (const SettingKey& known : settingKeys)
        if (equalsIgnoringCase(key, known.name)) {
            settings.*known.field = readValue(line.substr(keyEnd));
            return;
        }
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

void parseSettings(std::string_view text, Settings& settings) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        applyLine(line, settings);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

std::string formatSettings(const Settings& settings) {
    std::string text;
    for (const SettingKey& key : settingKeys) {
        text += key.name;
        text += ' ';
        text += std::to_string(settings.*key.field);
        text += "\r\n";
    }
    return text;
}

SettingsLoad loadSettings(const std::string& workFile, const std::string& programFile, Settings& settings) {
    std::string text;
    if (readFile(workFile, text)) {
        parseSettings(text, settings);
        return SettingsLoad::FromWorkFolder;
    }
    if (readFile(programFile, text)) {
        parseSettings(text, settings);
        return SettingsLoad::FromProgramFolder;
    }
    return SettingsLoad::Missing;
}

bool saveSettings(const std::string& path, const Settings& settings) {
    return replaceFileContents(path, formatSettings(settings));
}
