// What the interpreter needs from the desktop: the phone window's event pump,
// message boxes, the screenshot and the error screen. The windowed host shows
// the phone; the headless host runs without a display.
#pragma once

#include "errors.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class PumpResult { Continue, Quit, Closed };

struct Host {
    virtual ~Host() = default;

    // Between statements: window upkeep and at most one input message.
    // Closed: the user closed the window; Quit: the application is quitting.
    virtual PumpResult pump() = 0;

    virtual void messageBox(std::string_view text, std::string_view caption, bool warningIcon) = 0;

    // Writes the phone screen as it is shown into a BMP file; false when it cannot.
    virtual bool saveScreenshot(const std::string& path) = 0;

    // Freezes the screen, shows the message and line in the error strip and
    // waits for a key (the headless host does not wait).
    virtual void showErrorScreen(RunError error, int32_t line) = 0;
};
