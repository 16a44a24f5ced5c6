// What the three programs tell each other through the work folder: the compiler
// leaves the program image there for orbrt, both leave the error file and orbrt
// the screenshot for the environment. The error file's first line, the error
// line, says how the last build or run ended, with nothing between its fields:
//
//   LINE "." CODE  MESSAGE "|" LINE TEXT ":" DETAIL  "[" WIDTH "-" HEIGHT "]"
//
// CODE 0 is a success; a second "|" continues the line text; only orbrt
// writes the screen size.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view programImageFileName = "orb16.tmp";
inline constexpr std::string_view errorFileName = "orberr.tmp";
inline constexpr std::string_view screenshotFileName = "orbdump.bmp";

// "LINE.CODE" followed by the text (the message, "|", the line text, ":" and the detail).
std::string errorLine(int line, int code, std::string_view text);
// What orbrt writes as the first line of the error file: the error line and its screen size.
std::string withScreenSize(std::string_view line, int width, int height);

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

// The error line of an error file: at most 125 characters, up to a newline or a zero byte.
std::string_view firstErrorLine(std::string_view fileText);
ErrorReport parseErrorLine(std::string_view line);
// The "[width-height]" part of the error line; zeros when absent.
ScreenSize parseScreenSize(std::string_view line);
