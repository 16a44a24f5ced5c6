#include "phone/touch.h"

#include "phone/joypad.h"

namespace {

bool insideScreen(const Screen& s, int x, int y) { return x >= 0 && x <= s.width && y >= 0 && y <= s.height; }

// The screen image sits right of the landscape joypad, so touches are moved back by its margin.
Point screenPosition(const Phone& phone, const Screen& s, int x, int y) {
    return {x - joypadMargin(phone, s), y};
}

void follow(Phone& phone, const Screen& s, int x, int y) {
    if (phone.joypad.on && inJoypadArea(phone, s, x, y)) {
        touchJoypad(phone, x, y);
        return;
    }
    const Point at = screenPosition(phone, s, x, y);
    phone.touch.x = at.x;
    phone.touch.y = at.y;
}

}  // namespace

void touchPress(Phone& phone, const Screen& s, int x, int y) {
    if (!insideScreen(s, x, y)) return;
    phone.touch.touching = true;
    phone.touch.buttonDown = true;
    follow(phone, s, x, y);
}

void touchMove(Phone& phone, const Screen& s, int x, int y) {
    if (!insideScreen(s, x, y)) return;
    if (phone.touch.touching || phone.touch.buttonDown) follow(phone, s, x, y);
}

void touchRelease(Phone& phone, const Screen& s, int x, int y) {
    Touch& t = phone.touch;
    t.touching = false;
    t.buttonDown = false;
    phone.joypad.directions = {};
    phone.joypad.buttons = {};
    if (!insideScreen(s, x, y)) return;
    t.ended = true;
    // Same coordinates as TouchX and TouchY, so a program can compare them.
    const Point at = screenPosition(phone, s, x, y);
    t.endX = at.x;
    t.endY = at.y;
}

int takeTouchEnded(Phone& phone) {
    const int ended = phone.touch.ended ? 1 : 0;
    phone.touch.ended = false;
    return ended;
}
