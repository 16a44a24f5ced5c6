#include "font_step.h"

#include <algorithm>
#include <cmath>

std::optional<FontSize> stepFontSize(int height, int direction, const FixedFontAvailable& available) {
    const bool allowed = direction > 0 ? 12 < height && height < 19 : 14 < height && height < 21;
    if (!allowed) return std::nullopt;
    FontSize size{height, 0};
    do {
        size.height += direction;
        size.width = size.height * 8 / 13;
    } while (size.height >= 14 && size.height <= 19 && !available(size.height, size.width));
    return size;
}

int clampZoomSteps(int height, int steps) {
    const int lowest = (smallestZoomedHeight - height) / zoomPixelsPerStep;
    const int highest = (largestZoomedHeight - height) / zoomPixelsPerStep;
    return std::clamp(steps, std::min(lowest, 0), std::max(highest, 0));
}

FontSize zoomedFontSize(int height, int width, int steps) {
    if (steps == 0 || height <= 0) return {height, width};
    const int zoomed = height + zoomPixelsPerStep * clampZoomSteps(height, steps);
    const int zoomedWidth = width > 0 ? std::max(1, static_cast<int>(std::lround(double(width) * zoomed / height))) : width;
    return {zoomed, zoomedWidth};
}
