#!/usr/bin/python3
"""Builds the phone emulator's skin bitmaps and joypad images.

Skin (BMP): background.bmp, background_vib1.bmp, background_vib2.bmp (the error
strip and its two vibration frames, 128 x 33), oributton.bmp and tiltbutton.bmp
(the Rot and Tilt button faces, 35 x 33), slide1.bmp (the tilt panel, 252 x 83)
and slide2.bmp (the slider knob, 15 x 20).

Joypad (PNG): attachedcontrolsmall.png (100 x 200) and attachedcontrol3.png
(150 x 300) hold a 3 x 3 grid of F-sized cells (F = width / 3) with the cross in
the upper half and the pressed cross 3F lower; each arrow is cut 5 pixels wider
than its cell, so the arrows are drawn inside their cells with a margin.
atachedimg58x54.png (58 x 756, cells 54 high) and atachedimg58x54_2.png
(87 x 810, cells 81 high, numbered from 4) hold the four buttons Calendar,
Addressbook, Menu and Mail: as 33 x 54 (48 x 81) upright keys in cells 4..7 for
landscape and as 58 x 34 (87 x 44) wide keys in cells 10..13 for portrait.

Everything is drawn four times larger and scaled down, for smooth edges.
The joypad images ship in every phone package, so they are written as
palette PNGs (pngquant, without dithering: no colour moves by more than a
few levels) and recompressed as tightly as optipng can.

Needs python3-pil, pngquant, optipng and the DejaVu fonts (fonts-dejavu-core).
Usage: make_skins.py [OUTPUT_FOLDER]   (default: this folder)
"""
import os
import subprocess
import sys
from PIL import Image, ImageDraw, ImageFont

SCALE = 4
FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

INK = (235, 240, 245)
BODY_TOP, BODY_BOTTOM = (72, 78, 88), (38, 42, 50)
PRESSED_TOP, PRESSED_BOTTOM = (255, 170, 60), (215, 105, 20)
BUTTON_COLOURS = [  # Calendar, Addressbook, Menu, Mail
    ((90, 170, 240), (40, 110, 200)),
    ((110, 205, 120), (45, 145, 70)),
    ((250, 200, 80), (210, 140, 30)),
    ((240, 110, 110), (190, 50, 60)),
]


class Canvas:
    """A drawing surface at SCALE times the final size, in final-size coordinates."""

    def __init__(self, width, height, colour=(0, 0, 0, 255)):
        self.size = (width, height)
        self.image = Image.new("RGBA", (width * SCALE, height * SCALE), colour)
        self.draw = ImageDraw.Draw(self.image)

    def s(self, values):
        return [round(v * SCALE) for v in values]

    def gradient_rounded(self, box, radius, top, bottom, outline=None):
        x0, y0, x1, y1 = box
        mask = Image.new("L", self.image.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle(self.s(box), radius=radius * SCALE, fill=255)
        fill = Image.new("RGBA", self.image.size)
        fd = ImageDraw.Draw(fill)
        py0, py1 = round(y0 * SCALE), round(y1 * SCALE)
        for py in range(py0, py1 + 1):
            t = (py - py0) / max(1, py1 - py0)
            fd.line([(0, py), (self.image.size[0], py)],
                    fill=tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
        self.image.paste(fill, (0, 0), mask)
        if outline:
            self.draw.rounded_rectangle(self.s(box), radius=radius * SCALE, outline=outline, width=SCALE)

    def polygon(self, points, colour):
        self.draw.polygon([tuple(self.s(p)) for p in points], fill=colour)

    def line(self, points, colour, width):
        self.draw.line([tuple(self.s(p)) for p in points], fill=colour, width=round(width * SCALE))

    def rect(self, box, colour, width=0, radius=0):
        if width:
            self.draw.rounded_rectangle(self.s(box), radius=radius * SCALE, outline=colour, width=round(width * SCALE))
        else:
            self.draw.rounded_rectangle(self.s(box), radius=radius * SCALE, fill=colour)

    def ellipse(self, box, colour, width=0):
        if width:
            self.draw.ellipse(self.s(box), outline=colour, width=round(width * SCALE))
        else:
            self.draw.ellipse(self.s(box), fill=colour)

    def text(self, centre, words, size, colour):
        font = ImageFont.truetype(FONT_PATH, size * SCALE)
        self.draw.text(tuple(self.s(centre)), words, font=font, fill=colour, anchor="mm")

    def result(self):
        return self.image.resize(self.size, Image.LANCZOS)


def vertical_gradient(width, height, top, bottom):
    image = Image.new("RGB", (width, height))
    d = ImageDraw.Draw(image)
    for y in range(height):
        t = y / max(1, height - 1)
        d.line([(0, y), (width, y)], fill=tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return image


# --- Error strip ------------------------------------------------------------

def strip_background():
    # Light brushed metal, so the black error text stays readable on it.
    image = vertical_gradient(128, 33, (226, 230, 236), (178, 184, 194))
    d = ImageDraw.Draw(image)
    d.line([(0, 0), (127, 0)], fill=(250, 252, 255))
    d.line([(0, 32), (127, 32)], fill=(130, 136, 146))
    return image


def vibration_frame(phase):
    # The strip with a phone shaking between two tilts, wave marks on either side.
    base = strip_background().convert("RGBA")
    c = Canvas(128, 33, (0, 0, 0, 0))
    tilt = -1 if phase == 0 else 1
    cx, cy = 16 + tilt, 16.5
    body = [(cx - 6 + tilt * 1.5, cy - 11), (cx + 6 + tilt * 1.5, cy - 11),
            (cx + 6 - tilt * 1.5, cy + 11), (cx - 6 - tilt * 1.5, cy + 11)]
    c.polygon(body, (50, 56, 66, 255))
    screen = [(x * 0.72 + cx * 0.28, y * 0.62 + cy * 0.38 - 1.5) for x, y in body]
    c.polygon(screen, (120, 200, 250, 255))
    waves = [(4, 8), (28, 8)] if phase == 0 else [(6, 6), (26, 10)]
    for x, y in waves:
        for k in range(3):
            off = k * 4.5
            c.line([(x, y + off), (x + 2, y + off + 1.5), (x, y + off + 3)], (230, 90, 40, 255), 1.4)
    for k, x in enumerate(range(40, 124, 9)):
        h = 4 + ((k + phase) % 3) * 4
        c.rect((x, cy - h / 2, x + 5, cy + h / 2), (230, 90, 40, 200 - k * 12), radius=1.5)
    base.alpha_composite(c.result())
    return base.convert("RGB")


def strip_button(label, icon):
    c = Canvas(35, 33, (0, 0, 0, 255))
    c.image.paste(strip_background().resize((35 * SCALE, 33 * SCALE)), (0, 0))
    c.gradient_rounded((2, 2, 33, 31), 6, (96, 104, 118), (52, 58, 70), outline=(30, 34, 40))
    icon(c)
    c.text((17.5, 25), label, 8, INK)
    return c.result().convert("RGB")


def rot_icon(c):
    # A circular arrow: the phone turns a quarter.
    c.draw.arc(c.s((10, 3.5, 25, 18.5)), start=200, end=470, fill=INK, width=round(2 * SCALE))
    c.polygon([(9, 7), (14.5, 10), (8.5, 13)], INK)


def tilt_icon(c):
    # A level: a bar with a bubble off-centre.
    c.rect((7, 8, 28, 15), INK, width=1.5, radius=3)
    c.ellipse((18, 9.5, 23, 13.5), (120, 200, 250))
    c.line([(17.5, 7), (17.5, 16)], INK, 1)


# --- Tilt panel ---------------------------------------------------------------

KNOB_ROWS = (4, 30, 55)


def tilt_panel():
    c = Canvas(252, 83, (0, 0, 0, 255))
    c.image.paste(vertical_gradient(252 * SCALE, 83 * SCALE, (60, 66, 78), (30, 34, 42)), (0, 0))
    for name, row in zip("XYZ", KNOB_ROWS):
        centre = row + 10
        c.text((13, centre), name, 12, INK)
        c.rect((31, centre - 3, 244, centre + 3), (18, 20, 26), radius=3)
        c.rect((31, centre - 3, 244, centre + 3), (95, 104, 120), width=0.8, radius=3)
        for value in range(0, 101, 10):
            x = value * 2 + 34.5
            tall = 4 if value in (0, 50, 100) else 2
            c.line([(x, row + 1), (x, row + 1 + tall)], (150, 158, 172), 0.8)
            c.line([(x, row + 19 - tall), (x, row + 19)], (150, 158, 172), 0.8)
        c.line([(134.5, centre - 2), (134.5, centre + 2)], (255, 170, 60), 1.2)
    return c.result().convert("RGB")


def slider_knob():
    c = Canvas(15, 20, (30, 34, 42, 255))
    c.gradient_rounded((0.5, 0.5, 14.5, 19.5), 3.5, (255, 190, 90), (215, 105, 20), outline=(90, 45, 10))
    for x in (5, 7.5, 10):
        c.line([(x, 6), (x, 14)], (120, 60, 15), 0.9)
    return c.result().convert("RGB")


# --- Joypad -----------------------------------------------------------------

def arrow(c, cx, cy, direction, size, colour):
    dx, dy = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}[direction]
    px, py = -dy, dx
    tip = (cx + dx * size * 0.55, cy + dy * size * 0.55)
    a = (cx - dx * size * 0.35 + px * size * 0.6, cy - dy * size * 0.35 + py * size * 0.6)
    b = (cx - dx * size * 0.35 - px * size * 0.6, cy - dy * size * 0.35 - py * size * 0.6)
    c.polygon([tip, a, b], colour)


def pad_cross(c, F, top, pressed):
    """One cross: the four arrow keys and the centre, each inside its own cell."""
    inset = F * 0.08
    cells = {"up": (1, 0), "left": (0, 1), "right": (2, 1), "down": (1, 2)}
    for direction, (col, row) in cells.items():
        x0, y0 = col * F + inset, top + row * F + inset
        colours = (PRESSED_TOP, PRESSED_BOTTOM) if pressed else (BODY_TOP, BODY_BOTTOM)
        c.gradient_rounded((x0, y0, x0 + F - 2 * inset, y0 + F - 2 * inset), F * 0.22, *colours,
                           outline=(20, 22, 28))
        arrow(c, col * F + F / 2, top + row * F + F / 2, direction, F * 0.42,
              (255, 255, 255) if pressed else INK)
    ring = F * 0.18
    c.gradient_rounded((F + ring, top + F + ring, 2 * F - ring, top + 2 * F - ring), F * 0.3,
                       (58, 62, 72), (28, 30, 36), outline=(90, 96, 108))


def joypad_pad(width):
    F = width // 3
    c = Canvas(width, 2 * width, (0, 0, 0, 255))
    pad_cross(c, F, 0, pressed=False)
    pad_cross(c, F, 3 * F, pressed=True)
    return c.result()


def calendar_icon(c, cx, cy, s):
    c.rect((cx - s, cy - s * 0.8, cx + s, cy + s), (255, 255, 255), radius=s * 0.15)
    c.rect((cx - s, cy - s * 0.8, cx + s, cy - s * 0.25), (200, 40, 50), radius=s * 0.15)
    for r in range(2):
        for k in range(3):
            x = cx - s * 0.6 + k * s * 0.6
            y = cy + r * s * 0.55 + s * 0.05
            c.rect((x - s * 0.16, y - s * 0.16, x + s * 0.16, y + s * 0.16), (60, 70, 90))


def person_icon(c, cx, cy, s):
    c.ellipse((cx - s * 0.42, cy - s, cx + s * 0.42, cy - s * 0.16), (255, 255, 255))
    c.draw.pieslice(c.s((cx - s * 0.85, cy - s * 0.05, cx + s * 0.85, cy + s * 1.65)), 180, 360,
                    fill=(255, 255, 255))


def menu_icon(c, cx, cy, s):
    for k in (-0.6, 0, 0.6):
        c.rect((cx - s, cy + k * s - s * 0.16, cx + s, cy + k * s + s * 0.16), (255, 255, 255), radius=s * 0.15)


def mail_icon(c, cx, cy, s):
    box = (cx - s, cy - s * 0.7, cx + s, cy + s * 0.7)
    c.rect(box, (255, 255, 255), radius=s * 0.12)
    c.line([(cx - s, cy - s * 0.7), (cx, cy + s * 0.1), (cx + s, cy - s * 0.7)], (120, 60, 60), s * 0.16)


ICONS = [calendar_icon, person_icon, menu_icon, mail_icon]


def button_key(c, box, colours, icon, icon_size, pressed):
    top, bottom = colours
    if pressed:
        top, bottom = bottom, top
    c.gradient_rounded(box, min(box[2] - box[0], box[3] - box[1]) * 0.28, top, bottom, outline=(20, 22, 28))
    x0, y0, x1, y1 = box
    icon(c, (x0 + x1) / 2, (y0 + y1) / 2, icon_size)


def joypad_buttons(cell_width, cell_height, first_index, upright, wide):
    """The button strip: upright keys at cells 4..7, wide keys at cells 10..13."""
    cells = 14 - first_index
    c = Canvas(cell_width, cells * cell_height, (0, 0, 0, 255))
    uw, uh = upright
    ww, wh = wide
    for k in range(4):
        y = (4 + k - first_index) * cell_height
        m = uw * 0.08
        button_key(c, (m, y + m, uw - m, y + uh - m), BUTTON_COLOURS[k], ICONS[k], uw * 0.26, False)
        y = (10 + k - first_index) * cell_height
        m = wh * 0.08
        button_key(c, (m, y + m, ww - m, y + wh - m * 2), BUTTON_COLOURS[k], ICONS[k], wh * 0.3, False)
    return c.result()


def save_small_png(image, path):
    """A palette PNG of the picture, as small as the tools make it."""
    image.save(path)
    subprocess.run(["pngquant", "--force", "--speed", "1", "--nofs", "--strip", "--output", path, path], check=True)
    subprocess.run(["optipng", "-quiet", "-o7", "-strip", "all", path], check=True)


def main(out):
    os.makedirs(out, exist_ok=True)
    strip_background().save(os.path.join(out, "background.bmp"))
    vibration_frame(0).save(os.path.join(out, "background_vib1.bmp"))
    vibration_frame(1).save(os.path.join(out, "background_vib2.bmp"))
    strip_button("Rot", rot_icon).save(os.path.join(out, "oributton.bmp"))
    strip_button("Tilt", tilt_icon).save(os.path.join(out, "tiltbutton.bmp"))
    tilt_panel().save(os.path.join(out, "slide1.bmp"))
    slider_knob().save(os.path.join(out, "slide2.bmp"))
    save_small_png(joypad_pad(100), os.path.join(out, "attachedcontrolsmall.png"))
    save_small_png(joypad_pad(150), os.path.join(out, "attachedcontrol3.png"))
    save_small_png(joypad_buttons(58, 54, 0, (33, 54), (58, 34)), os.path.join(out, "atachedimg58x54.png"))
    save_small_png(joypad_buttons(87, 81, 4, (48, 81), (87, 44)),
                   os.path.join(out, "atachedimg58x54_2.png"))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
