// The Inc and Dec steps of the editor font on the preferences page.
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
