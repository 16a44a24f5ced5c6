#include "phone/window_layout.h"

#include <algorithm>
#include <utility>

WindowRect mainWindowRect(const Screen& s, Desktop desktop) {
    const int width = s.width + 15;
    const int height = s.height + 75;
    return {desktop.width / 2 - width / 2, desktop.height / 2 - (s.height + 20) / 2 - 30, width, height};
}

StripLayout stripLayout(int clientWidth, int clientHeight) {
    return {{0, clientHeight - errorStripHeight, clientWidth, errorStripHeight},
            clientWidth - 2 * stripButtonWidth,
            clientWidth - stripButtonWidth};
}

RotatedLayout rotatedLayout(WindowRect old, Desktop desktop) {
    WindowRect main{old.x, old.y, old.height - 61, old.width + 61};
    if (main.x + main.width > desktop.width) main.x = std::max(desktop.width - main.width - 30, 0);
    if (main.y + main.height > desktop.height) main.y = std::max(desktop.height - main.height - 30, 0);
    StripLayout strip{{0, main.height - 66, main.width, errorStripHeight}, main.width - 75, main.width - 40};
    return {main, strip};
}

WindowRect tiltWindowRect(WindowRect main, int orientation, Desktop desktop) {
    const int right = main.x + main.width;
    const int bottom = main.y + main.height;
    if (orientation == 1) return {right - tiltWindowWidth, bottom, tiltWindowWidth, tiltWindowHeight};
    if (right + tiltWindowWidth > desktop.width)
        return {main.x - tiltWindowWidth, bottom - tiltWindowHeight, tiltWindowWidth, tiltWindowHeight};
    return {right, bottom - tiltWindowHeight, tiltWindowWidth, tiltWindowHeight};
}

void rotate(Phone& phone, Screen& s) {
    phone.orientation ^= 1;
    phone.orientationChanged = true;
    std::swap(s.width, s.height);
    // The clip turns with the screen, so a full-screen clip stays full-screen.
    ClipRect& c = s.clip;
    c = ClipRect{c.y1, c.x1, c.y2, c.x2, c.on};
}

int takeOrientationChanged(Phone& phone) {
    const int changed = phone.orientationChanged ? 1 : 0;
    phone.orientationChanged = false;
    return changed;
}
