// The host without a display: no windows, message boxes go to standard error,
// the error screen does not wait, and the screenshot is the frame last shown.
#pragma once

#include "host.h"

#include <vector>

struct HeadlessHost : Host {
    PumpResult pump() override { return PumpResult::Continue; }
    void messageBox(std::string_view text, std::string_view caption, bool warningIcon) override;
    bool saveScreenshot(const std::string& path) override;
    void showErrorScreen(RunError, int32_t) override {}

    // Sets the size of the emulated screen; until a frame is presented it shows black.
    void setScreenSize(int32_t width, int32_t height);

    int32_t width = 0, height = 0;
    std::vector<uint32_t> shownFrame;  // 0x00RRGGBB, top row first
};
