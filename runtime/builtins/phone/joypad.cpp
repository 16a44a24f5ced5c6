#include "phone/joypad.h"

#include <algorithm>

#include "screen/image_file.h"

namespace {

constexpr uint32_t opaqueBlack = 0xFF000000u;

bool landscape(const Phone& phone) { return phone.orientation == 1; }

bool contains(const Rect& r, int x, int y) { return x >= r.x1 && x < r.x2 && y >= r.y1 && y < r.y2; }

Rect sized(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

// Outer widths of the landscape joypad's two sides.
int padSideWidth(const Screen& s) { return largeScreen(s) ? 175 : 128; }
int buttonSideWidth(const Screen& s) { return largeScreen(s) ? 43 : 28; }

void layoutPad(const Phone& phone, const Screen& s, JoypadLayout& out) {
    const bool large = largeScreen(s);
    const int padWidth = large ? 150 : 100;
    const int padHeight = large ? 300 : 200;
    const int F = padWidth / 3;
    const int w = s.width, h = s.height;
    int X, Y;
    if (landscape(phone)) {
        const int M = large ? 47 : 0;
        const int u = phone.joypad.leftHand ? w - M - 128 : 0;
        X = u + 10;
        Y = h / 2 - (large ? 30 : 10) - 49;
    } else {
        const int j = portraitPadSpace(s);
        X = w / 2 - padWidth / 2;
        Y = h - j / 2 - padHeight / 4 - 34 + (h <= 600 ? 10 : 0);
    }
    const auto& dir = phone.joypad.directions;
    auto pressed = [&](JoypadDirection d) { return dir[d] ? 3 * F : 0; };
    out.pieces.push_back({false, {F, F, 2 * F, 2 * F}, {X + F, Y + F}});
    int p = pressed(padUp);
    out.pieces.push_back({false, {F - 5, p, 2 * F + 5, F + p}, {X + F - 5, Y}});
    p = pressed(padDown);
    out.pieces.push_back({false, {F - 5, 2 * F + p, 2 * F + 5, 3 * F + p}, {X + F - 5, Y + 2 * F}});
    p = pressed(padLeft);
    out.pieces.push_back({false, {0, F - 5 + p, F, 2 * F + 5 + p}, {X, Y + F - 5}});
    p = pressed(padRight);
    out.pieces.push_back({false, {2 * F, F - 5 + p, 3 * F, 2 * F + 5 + p}, {X + 2 * F, Y + F - 5}});

    out.directionHits[padUp] = sized(X + F, Y, F, F);
    out.directionHits[padDown] = sized(X + F, Y + 2 * F, F, F);
    out.directionHits[padLeft] = sized(X, Y + F, F, F);
    out.directionHits[padRight] = sized(X + 2 * F, Y + F, F, F);
    out.diagonalHits = {sized(X, Y, F, F), sized(X + 2 * F, Y, F, F), sized(X, Y + 2 * F, F, F),
                        sized(X + 2 * F, Y + 2 * F, F, F)};
}

void layoutButtons(const Phone& phone, const Screen& s, JoypadLayout& out) {
    const bool large = largeScreen(s);
    const int w = s.width, h = s.height;
    auto sourceY = [&](int cellIndex) { return large ? (cellIndex - 4) * 81 : cellIndex * 54; };
    for (int k = 0; k < padButtons; ++k) {
        const bool set = phone.joypad.buttons[static_cast<size_t>(k)];
        if (landscape(phone)) {
            const int cellWidth = large ? 48 : 33, cellHeight = large ? 81 : 54;
            const int Jq = h / 4;
            const int L = std::max((Jq - cellHeight) / 2, 0);
            const int c = large ? 15 : 0;
            const int T = phone.joypad.leftHand ? -5 : w - c - 28;
            const Point at{T, k * Jq + L};
            const int shift = set ? (phone.joypad.leftHand ? -2 : 2) : 0;
            const int y = sourceY(4 + k);
            out.pieces.push_back({true, {0, y, cellWidth, y + cellHeight}, {at.x + shift, at.y}});
            out.buttonHits[static_cast<size_t>(k)] = sized(at.x, at.y, large ? 82 : 53, large ? 75 : 55);
        } else {
            const int b = large ? 87 : 58, a = large ? 40 : 30;
            const int Kq = w / 4;
            const int L = std::max((Kq - b) / 2, 0);
            const Point at{k * Kq + L, h - a};
            const int y = sourceY(10 + k);
            out.pieces.push_back({true, {0, y, b, y + a + 4}, {at.x, at.y + (set ? 2 : 0)}});
            out.buttonHits[static_cast<size_t>(k)] = sized(at.x, at.y, large ? 82 : 53, large ? 50 : 30);
        }
    }
}

}  // namespace

int joypadMargin(const Phone& phone, const Screen& s) {
    if (!phone.joypad.on || !landscape(phone)) return 0;
    return phone.joypad.leftHand ? buttonSideWidth(s) : padSideWidth(s);
}

int portraitPadSpace(const Screen& s) { return s.height <= 320 ? 119 : (s.height - 320) / 4 + 119; }

bool inJoypadArea(const Phone& phone, const Screen& s, int x, int y) {
    if (!landscape(phone)) return y >= s.height - portraitPadSpace(s) - 19;
    const int leftSide = phone.joypad.leftHand ? buttonSideWidth(s) : padSideWidth(s);
    const int rightSide = phone.joypad.leftHand ? padSideWidth(s) : buttonSideWidth(s);
    return x <= leftSide || x >= s.width - rightSide;
}

int usableScreenX(const Phone& phone, const Screen& s) {
    if (phone.joypad.on && landscape(phone)) return s.width - (largeScreen(s) ? 218 : 156);
    return s.width;
}

int usableScreenY(const Phone& phone, const Screen& s) {
    if (phone.joypad.on && !landscape(phone)) return s.height - portraitPadSpace(s) - 19;
    return s.height;
}

JoypadLayout layoutJoypad(const Phone& phone, const Screen& s) {
    JoypadLayout out;
    const int w = s.width, h = s.height;
    if (landscape(phone)) {
        const int M = largeScreen(s) ? 47 : 0, c = largeScreen(s) ? 15 : 0;
        if (phone.joypad.leftHand)
            out.blackBars = {{w - M - 128, 0, w, h}, {0, 0, c + 28, h}};
        else
            out.blackBars = {{0, 0, M + 128, h}, {w - c - 28, 0, w, h}};
    } else {
        out.blackBars = {{0, h - portraitPadSpace(s) - 19, w, h}};
    }
    layoutPad(phone, s, out);
    layoutButtons(phone, s, out);
    return out;
}

void drawJoypadOverlay(Phone& phone, const Screen& s, Presenter& p) {
    Joypad& pad = phone.joypad;
    if (!pad.on || !pad.imagesLoaded) return;
    const JoypadLayout layout = layoutJoypad(phone, s);
    for (const Rect& bar : layout.blackBars) p.fillRect(bar, opaqueBlack);
    const Rect whole{0, 0, s.width, s.height};
    for (const JoypadPiece& piece : layout.pieces)
        p.drawImage(piece.fromButtons ? pad.images.buttons : pad.images.pad, false, piece.source, piece.dest, whole,
                    false);
    pad.directionHits = layout.directionHits;
    pad.diagonalHits = layout.diagonalHits;
    pad.buttonHits = layout.buttonHits;
}

void touchJoypad(Phone& phone, int x, int y) {
    Joypad& pad = phone.joypad;
    phone.touch.touching = false;
    pad.directions = {};
    pad.buttons = {};
    for (size_t d = 0; d < pad.directions.size(); ++d)
        if (contains(pad.directionHits[d], x, y)) pad.directions[d] = true;
    for (size_t b = 0; b < pad.buttons.size(); ++b) {
        if (contains(pad.buttonHits[b], x, y)) {
            pad.buttons[b] = true;
            return;
        }
    }
    // The corners between the arrows press two directions at once.
    constexpr JoypadDirection diagonalParts[4][2] = {
        {padUp, padLeft}, {padUp, padRight}, {padDown, padLeft}, {padDown, padRight}};
    for (size_t i = 0; i < pad.diagonalHits.size(); ++i) {
        if (contains(pad.diagonalHits[i], x, y)) {
            pad.directions[diagonalParts[i][0]] = true;
            pad.directions[diagonalParts[i][1]] = true;
        }
    }
}

bool loadJoypadImages(Phone& phone, const std::string& programFolder, bool large) {
    auto pad = readImageFile(programFolder + (large ? "attachedcontrol3.png" : "attachedcontrolsmall.png"));
    auto buttons = readImageFile(programFolder + (large ? "atachedimg58x54_2.png" : "atachedimg58x54.png"));
    if (!pad || !buttons) return false;
    phone.joypad.images = {std::move(*pad), std::move(*buttons)};
    phone.joypad.imagesLoaded = true;
    return true;
}
