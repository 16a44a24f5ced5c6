// The host without a display: no windows, message boxes go to standard error,
// the error screen does not wait, and the screenshot is the frame last shown.
// A stop signal is its only way to be closed.
#pragma once

#include "host.h"

#include "screen/argb_image.h"

struct HeadlessHost : Host {
    PumpResult pump() override;
    void messageBox(std::string_view text, std::string_view caption, bool warningIcon) override;
    bool saveScreenshot(const std::string& path) override;
    void showErrorScreen(RunError, int32_t) override {}

    const ArgbImage* shownFrame = nullptr;  // the frame last presented, the size of the screen
};
