// The emulated phone's input state: keys, touch, joypad, tilt, zones,
// vibration and orientation. The window feeds it events; the built-ins read it.
#pragma once

#include <array>
#include <cstdint>

#include "screen/argb_image.h"
#include "screen/screen.h"

inline constexpr int keyTableSize = 255;  // PC virtual-key codes 0..254

struct Keys {
    std::array<uint8_t, keyTableSize> held{};
    int lastDown = 0;  // most recent key-down, 0 after any key-up
};

struct Touch {
    bool touching = false;
    bool buttonDown = false;
    int x = 0, y = 0;
    bool ended = false;  // cleared when read
    int endX = 0, endY = 0;
};

enum JoypadDirection { padUp, padDown, padLeft, padRight, padDirections };
enum JoypadButton { padCalendar, padAddressbook, padMenu, padMail, padButtons };

struct JoypadImages {
    ArgbImage pad;      // 3 x 3 cells: the cross above, the pressed cross 3 cells lower
    ArgbImage buttons;  // one column of button cells
};

struct Joypad {
    bool on = false;
    bool leftHand = false;
    std::array<bool, padDirections> directions{};
    std::array<bool, padButtons> buttons{};
    bool imagesLoaded = false;
    JoypadImages images;
    // Hit areas of the last drawn overlay; touches are tested against these.
    std::array<Rect, padDirections> directionHits{};
    std::array<Rect, 4> diagonalHits{};  // up-left, up-right, down-left, down-right
    std::array<Rect, padButtons> buttonHits{};
};

inline constexpr int tiltAxes = 3;
inline constexpr int sliderStart = 50;

struct Tilt {
    std::array<int, tiltAxes> sliders{sliderStart, sliderStart, sliderStart};  // 0..100
    bool windowActive = false;
    std::array<int, tiltAxes> values{};   // slider - 50 while the tilt window is active
    std::array<int, tiltAxes> sensors{};  // latched by ReadSensors
    int dragging = -1;                    // the slider held by the mouse, -1 for none
};

struct ZoneRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool enabled = false;
};
inline constexpr int zoneCount = 16;

struct Vibration {
    bool vibrating = false;
    uint32_t startMs = 0;
    int durationMs = 0;
    uint32_t lastToggleMs = 0;
    int frame = 0;  // 0 or 1: which vibration picture the error strip shows
};

struct Phone {
    int orientation = 0;  // 0 portrait, 1 landscape
    bool orientationChanged = false;
    Keys keys;
    Touch touch;
    Joypad joypad;
    Tilt tilt;
    std::array<ZoneRect, zoneCount> zones{};
    Vibration vibration;
};

// Large screens get the larger joypad and margins.
inline bool largeScreen(const Screen& s) { return s.width > 600 || s.height > 600; }
