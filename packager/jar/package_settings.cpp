#include "package_settings.h"

#include "orb_version.h"

#include <cstdio>

namespace {

constexpr std::string_view descriptionAddress = "https://orbbasic.org";

std::size_t lastPart(std::string_view path) {
    std::size_t at = path.find_last_of("\\/:");
    return at == std::string_view::npos ? 0 : at + 1;
}

void addLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

std::string format(const char* pattern, int a, int b) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

}  // namespace

std::string manifestText(const PackageSettings& s, std::string_view midletName) {
    std::string name(midletName);
    std::string text;
    addLine(text, "MIDlet-1: " + name + "," + s.icon + ",program.GameMidlet");
    addLine(text, "MIDlet-Description: Created By OrbBasic " + std::string(descriptionAddress) + " version " +
                      std::string(orbVersion));
    addLine(text, "MIDlet-Vendor: " + (s.vendor.empty() ? std::string("Vendor") : s.vendor));
    addLine(text, "MIDlet-Name: " + name);
    addLine(text, "MIDlet-Version: " + (s.version.empty() ? std::string("1.0") : s.version));
    addLine(text, "MicroEdition-Configuration: CLDC-1.1");
    addLine(text, "MicroEdition-Profile: MIDP-2.0");
    addLine(text, "Nokia-MIDlet-On-Screen-Keypad: No");
    if (s.targetGiven) {
        addLine(text, format("Nokia-MIDlet-Original-Display-Size: %d,%d", s.originalWidth, s.originalHeight));
        addLine(text, format("Nokia-MIDlet-Target-Display-Size: %d,%d", s.targetWidth, s.targetHeight));
    }
    addLine(text, s.orientation == 1 ? "Nokia-MIDlet-App-Orientation: landscape"
                                     : "Nokia-MIDlet-App-Orientation: portrait");
    return text;
}

std::string jadText(const PackageSettings& s, std::string_view midletName, long long jarSize) {
    std::string text = manifestText(s, midletName);
    addLine(text, "MIDlet-Jar-Size: " + std::to_string(jarSize));
    addLine(text, "MIDlet-Jar-URL: " + std::string(midletName) + ".jar");
    return text;
}

std::string midletName(std::string_view jarPath) {
    std::string_view base = jarPath.substr(lastPart(jarPath));
    return std::string(base.substr(0, base.find('.')));
}

std::string outputJarPath(std::string_view chosen) {
    std::string path(chosen);
    if (path.size() < 4 || path.find('.', lastPart(path)) == std::string::npos) path += ".jar";
    return path;
}

std::string jadPath(std::string_view jarPath) {
    std::string path(jarPath);
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < lastPart(path)) return path + ".jad";   // outputJarPath never gives such a name
    return path.replace(dot, std::string::npos, ".jad");
}

bool largeDisplay(const PackageSettings& s) { return s.originalWidth > 600 || s.originalHeight > 600; }

std::string_view bareFileName(std::string_view path) { return path.substr(lastPart(path)); }

std::string manifestFieldFault(const PackageSettings& s, std::string_view midletName) {
    struct Field {
        const char* what;
        std::string_view text;
        bool inMidletOne;
    };
    const Field fields[] = {{"The MIDlet name (the output file's name)", midletName, true},
                            {"The icon's file name", s.icon, true},
                            {"Vendor", s.vendor, false},
                            {"Version", s.version, false}};
    for (const Field& f : fields)
        for (unsigned char ch : f.text) {
            if (ch < 0x20 || ch == 0x7F)
                return std::string(f.what) + " holds a line end or another control character";
            if (ch == ',' && f.inMidletOne) return std::string(f.what) + " holds a comma: " + std::string(f.text);
        }
    return {};
}
