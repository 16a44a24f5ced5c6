// What the compiler collected for the phone package (header statements and
// the files the program loads), and the texts and names derived from it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PackageSettings {
    std::string vendor;    // from Vendor; empty when not given
    std::string version;   // from Version; empty when not given
    std::string icon;      // "/" and the bare file name given to SetIcon; empty when not given
    int originalWidth = 360, originalHeight = 640;   // SetResolution
    int targetWidth = 360, targetHeight = 640;       // TargetResolution
    bool targetGiven = false;
    int orientation = 0;                             // SetOrientation: 0 portrait, 1 landscape
    std::vector<std::string> resourceFiles;          // SetIcon and the load statements, in list order
    std::string shrunkClassFolder;                   // the classes as ProGuard left them; empty: as patched
};

// The manifest, MANIFEST.MF: eleven possible lines, each ended by CR LF.
std::string manifestText(const PackageSettings& s, std::string_view midletName);

// The manifest lines followed by the JAR's size and URL.
std::string jadText(const PackageSettings& s, std::string_view midletName, long long jarSize);

// The output file's base name: after the last "\", "/" or ":", up to the first ".".
std::string midletName(std::string_view jarPath);

// The name the user chose, with ".jar" appended when it is shorter than four
// characters or has no "." in its last part.
std::string outputJarPath(std::string_view chosen);

// The JAD sits beside the JAR: the JAR's extension (from the last "." of its
// last part) becomes ".jad", so "game.ab" gives "game.jad".
std::string jadPath(std::string_view jarPath);

// Phones with more than 600 pixels on a side get the larger control images.
bool largeDisplay(const PackageSettings& s);

// The part of a path after its last "\", "/" or ":".
std::string_view bareFileName(std::string_view path);

// A field of the manifest that would break its lines: a control character (CR
// and LF among them) in the vendor, version, icon or MIDlet name, or a comma in
// the MIDlet name or icon, which separate MIDlet-1's fields. Such a program is
// refused rather than cleaned: a changed name would no longer match its JAR.
// The message names the field; empty when every field is sound.
std::string manifestFieldFault(const PackageSettings& s, std::string_view midletName);
