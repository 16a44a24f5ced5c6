#include "phone/tilt.h"

#include <algorithm>

namespace {

constexpr int panelLeft = 27;
constexpr int panelRight = 247;

int sliderValueAt(int x) { return std::clamp((x - 33) / 2, 0, 100); }

}  // namespace

bool toggleTiltWindow(Phone& phone) {
    phone.tilt.windowActive = !phone.tilt.windowActive;
    return phone.tilt.windowActive;
}

void tiltStep(Phone& phone) {
    Tilt& t = phone.tilt;
    if (!t.windowActive) return;
    for (size_t i = 0; i < t.values.size(); ++i) t.values[i] = t.sliders[i] - sliderStart;
}

void latchSensors(Phone& phone) { phone.tilt.sensors = phone.tilt.values; }

bool tiltPanelPress(Tilt& tilt, int x, int y) {
    if (x < panelLeft || x > panelRight) return false;
    for (int axis = 0; axis < tiltAxes; ++axis) {
        if (y >= sliderBandTops[static_cast<size_t>(axis)] && y <= sliderBandBottoms[static_cast<size_t>(axis)]) {
            tilt.dragging = axis;
            return tiltPanelMove(tilt, x);
        }
    }
    return false;
}

bool tiltPanelMove(Tilt& tilt, int x) {
    if (tilt.dragging < 0) return false;
    int& slider = tilt.sliders[static_cast<size_t>(tilt.dragging)];
    const int value = sliderValueAt(x);
    if (value == slider) return false;
    slider = value;
    return true;
}

void tiltPanelRelease(Tilt& tilt) { tilt.dragging = -1; }

void setSlider(Tilt& tilt, int axis, int value) {
    if (axis < 0 || axis >= tiltAxes) return;
    tilt.sliders[static_cast<size_t>(axis)] = std::clamp(value, 0, 100);
}
