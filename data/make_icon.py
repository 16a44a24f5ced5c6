#!/usr/bin/python3
"""Draws the OrbBasic icon: a phone whose screen shows an orb.

Writes icons/orbbasic.svg and icons/orbbasic-N.png for the hicolor sizes N (16 to
256). The shapes are defined once on a 256 x 256 grid; the PNGs are drawn four
times larger and scaled down, for smooth edges.

Needs python3-pil.
Usage: make_icon.py [OUTPUT_FOLDER]   (default: icons/ beside this script)
"""
import os
import sys
from PIL import Image, ImageDraw

GRID = 256
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SCALE = 4

# (kind, geometry, colour): "rect" is x0, y0, x1, y1, corner radius; "circle"
# is centre x, centre y, radius. Later shapes are drawn over earlier ones.
SHAPES = (
    ("rect", (44, 12, 212, 244, 32), "#2b3440"),     # the phone
    ("rect", (62, 36, 194, 180, 10), "#1d6f8c"),     # its screen
    ("circle", (128, 108, 46), "#ffb000"),           # the orb
    ("circle", (112, 91, 15), "#ffe08a"),            # the orb's highlight
    ("circle", (92, 212, 11), "#8a97a8"),            # three keys
    ("circle", (128, 212, 11), "#8a97a8"),
    ("circle", (164, 212, 11), "#8a97a8"),
)


def svg_text():
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
             f'viewBox="0 0 {GRID} {GRID}">']
    for kind, g, colour in SHAPES:
        if kind == "rect":
            x0, y0, x1, y1, r = g
            lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" '
                         f'rx="{r}" fill="{colour}"/>')
        else:
            cx, cy, r = g
            lines.append(f'  <circle cx="{cx}" cy="{cy}" r="{r}" fill="{colour}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def png_image(size):
    big = size * SCALE
    k = big / GRID
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    for kind, g, colour in SHAPES:
        if kind == "rect":
            x0, y0, x1, y1, r = (v * k for v in g)
            draw.rounded_rectangle((x0, y0, x1 - 1, y1 - 1), radius=r, fill=colour)
        else:
            cx, cy, r = (v * k for v in g)
            draw.ellipse((cx - r, cy - r, cx + r - 1, cy + r - 1), fill=colour)
    return image.resize((size, size), Image.LANCZOS)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "orbbasic.svg"), "w", encoding="ascii") as f:
        f.write(svg_text())
    for size in SIZES:
        png_image(size).save(os.path.join(out, f"orbbasic-{size}.png"), optimize=True)


if __name__ == "__main__":
    main()
