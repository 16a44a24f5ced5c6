#include "headless_host.h"

#include "bmp.h"
#include "stop_signals.h"

#include <cstdio>
#include <vector>

PumpResult HeadlessHost::pump() { return stopSignalReceived() ? PumpResult::Closed : PumpResult::Continue; }

void HeadlessHost::messageBox(std::string_view text, std::string_view caption, bool) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
                 text.data());
}

bool HeadlessHost::saveScreenshot(const std::string& path) {
    if (!shownFrame) return false;
    std::vector<uint32_t> pixels;
    pixels.reserve(shownFrame->pixels.size());
    for (int y = 0; y < shownFrame->height; ++y)
        for (int x = 0; x < shownFrame->width; ++x) pixels.push_back(shownFrame->at(x, y) & 0xFFFFFFu);
    return writeBmp(path, shownFrame->width, shownFrame->height, pixels);
}
