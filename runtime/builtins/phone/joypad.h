// The on-screen joypad: its area beside or below the display, the overlay
// pieces Update draws, and the hit test of touches against the last overlay.
#pragma once

#include <string>
#include <vector>

#include "phone/phone.h"
#include "screen/presenter.h"

// Horizontal shift of the screen image in the control for a landscape joypad.
int joypadMargin(const Phone& phone, const Screen& s);

// Height j of the portrait joypad strip's pad part; the strip starts at h - j - 19.
int portraitPadSpace(const Screen& s);

bool inJoypadArea(const Phone& phone, const Screen& s, int x, int y);

// ScreenX / ScreenY: the part of the screen the joypad leaves to the program.
int usableScreenX(const Phone& phone, const Screen& s);
int usableScreenY(const Phone& phone, const Screen& s);

struct JoypadPiece {
    bool fromButtons;  // the button strip image, else the pad image
    Rect source;
    Point dest;
};

struct JoypadLayout {
    std::vector<Rect> blackBars;
    std::vector<JoypadPiece> pieces;
    std::array<Rect, padDirections> directionHits{};
    std::array<Rect, 4> diagonalHits{};
    std::array<Rect, padButtons> buttonHits{};
};

// Where every piece of the overlay goes for the current size, orientation,
// hand and pressed states.
JoypadLayout layoutJoypad(const Phone& phone, const Screen& s);

// Draws the overlay when the joypad is on and its images are loaded, and keeps
// its hit areas for the touches that follow.
void drawJoypadOverlay(Phone& phone, const Screen& s, Presenter& p);

// A touch inside the joypad area: sets the directions and the button under it.
void touchJoypad(Phone& phone, int x, int y);

// Reads attachedcontrol3.png / atachedimg58x54_2.png (large screens) or
// attachedcontrolsmall.png / atachedimg58x54.png from the program folder.
bool loadJoypadImages(Phone& phone, const std::string& programFolder, bool large);
