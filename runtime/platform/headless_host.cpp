#include "headless_host.h"

#include "bmp.h"

#include <cstdio>

void HeadlessHost::messageBox(std::string_view text, std::string_view caption, bool) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
                 text.data());
}

bool HeadlessHost::saveScreenshot(const std::string& path) { return writeBmp(path, width, height, shownFrame); }

void HeadlessHost::setScreenSize(int32_t w, int32_t h) {
    width = w;
    height = h;
    shownFrame.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
}
