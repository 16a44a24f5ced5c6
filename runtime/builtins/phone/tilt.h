// The tilt control: three sliders standing in for the phone's tilt sensors,
// the panel's mouse dragging, and the tilt values the built-ins read.
#pragma once

#include <array>

#include "phone/phone.h"

inline constexpr int tiltMin = -128;
inline constexpr int tiltMax = 127;
inline constexpr int tiltReadWaitMs = 100;  // TiltX/Y/Z and ReadSensors block this long

// Panel geometry: knob rows of X, Y, Z and the band each slider answers to.
inline constexpr std::array<int, tiltAxes> sliderKnobRows = {4, 30, 55};
inline constexpr std::array<int, tiltAxes> sliderBandTops = {4, 30, 55};
inline constexpr std::array<int, tiltAxes> sliderBandBottoms = {23, 49, 74};
inline int sliderKnobX(int value) { return value * 2 + 27; }

// Tilt button: returns whether the tilt window is now active.
bool toggleTiltWindow(Phone& phone);

// Each pump step: while the tilt window is active the values follow the sliders.
void tiltStep(Phone& phone);

// ReadSensors: latches the current values.
void latchSensors(Phone& phone);

// Panel mouse, in panel pixels; each returns true when a slider changed.
bool tiltPanelPress(Tilt& tilt, int x, int y);
bool tiltPanelMove(Tilt& tilt, int x);
void tiltPanelRelease(Tilt& tilt);

// A slider set directly (input scripts), limited to 0..100.
void setSlider(Tilt& tilt, int axis, int value);
