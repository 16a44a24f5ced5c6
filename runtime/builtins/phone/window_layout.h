// Where the phone window and its parts go on the desktop: the main window, the
// error strip with its Rot and Tilt buttons, the tilt window, and how the Rot
// button turns them.
#pragma once

#include "phone/phone.h"

struct WindowRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct Desktop {
    int width = 0, height = 0;
};

inline constexpr int errorStripHeight = 33;
inline constexpr int stripButtonWidth = 35;
inline constexpr int screenControlX = 5;
inline constexpr int screenControlY = 5;
inline constexpr int tiltWindowWidth = 260;
inline constexpr int tiltWindowHeight = 117;
inline constexpr int tiltPanelWidth = 252;
inline constexpr int tiltPanelHeight = 83;

// The main window's outer rectangle, centred on the desktop.
WindowRect mainWindowRect(const Screen& s, Desktop desktop);

struct StripLayout {
    WindowRect strip;  // in the main window
    int rotX = 0;      // button positions in the strip
    int tiltX = 0;
};

// The strip along the bottom of a client area, buttons 70 and 35 pixels from its right end.
StripLayout stripLayout(int clientWidth, int clientHeight);

struct RotatedLayout {
    WindowRect main;
    StripLayout strip;
};

// The Rot button's new window: width and height traded, kept on the desktop.
RotatedLayout rotatedLayout(WindowRect old, Desktop desktop);

// The tilt window beside the main window's lower corner.
WindowRect tiltWindowRect(WindowRect main, int orientation, Desktop desktop);

// Rot: flips the orientation, flags the change and turns the screen and its clip.
void rotate(Phone& phone, Screen& s);

// OrientationChanged: 1 once after a turn.
int takeOrientationChanged(Phone& phone);
