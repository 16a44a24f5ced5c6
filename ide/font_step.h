// The Inc and Dec steps of the editor font on the preferences page, and the
// editor's zoom, which scales the chosen font without changing the settings.
#pragma once

#include <functional>
#include <optional>

struct FontSize {
    int height;
    int width;
    bool operator==(const FontSize&) const = default;
};

// Whether the system has a fixed-pitch font with exactly this cell height and character width.
using FixedFontAvailable = std::function<bool(int height, int width)>;

// The size after one step up (+1) or down (-1), or nothing when the step is not taken.
std::optional<FontSize> stepFontSize(int height, int direction, const FixedFontAvailable& available);

inline constexpr int zoomPixelsPerStep = 2;
inline constexpr int smallestZoomedHeight = 7;
inline constexpr int largestZoomedHeight = 48;

// The font size `steps` zoom steps from the settings' size (a width of 0 or less
// lets the font choose); the height stays within the bounds above, the width keeps
// the settings' proportion.
FontSize zoomedFontSize(int height, int width, int steps);
// The steps that keep the zoom within the bounds for this settings' height.
int clampZoomSteps(int height, int steps);
