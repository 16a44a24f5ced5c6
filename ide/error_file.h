// Reading the error file "orberr.tmp" that the compiler and the runtime leave
// in the work folder: its first line says how the last build or run ended, the
// lines after it dump the program's variables.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view errorFileName = "orberr.tmp";
inline constexpr std::string_view screenshotFileName = "orbdump.bmp";

// The error line as the error dialog shows it.
struct ErrorReport {
    int line = 0;          // target of Go to Line
    int code = 0;          // 0: nothing to go to
    std::string message;
    std::string lineText;  // e.g. "Line 12"
    std::string detail;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct DumpEntry {
    std::string name;
    std::string value;
};

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> readErrorFile(const std::string& path);

// At most 125 characters, up to a newline or a zero byte.
std::string_view firstErrorLine(std::string_view fileText);
ErrorReport parseErrorLine(std::string_view line);
// The "[width-height]" part of the error line; zeros when absent.
ScreenSize parseScreenSize(std::string_view line);
// Every line after the first as name "=" value; lines with an empty name are left out.
std::vector<DumpEntry> parseVariableDump(std::string_view fileText);
// The dump entry named so, ignoring case.
const DumpEntry* findVariable(const std::vector<DumpEntry>& dump, std::string_view name);
