#include "font_step.h"

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
