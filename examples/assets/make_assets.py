#!/usr/bin/python3
"""Writes the pictures, the map and the include file that the examples and
the help's examples load, beside this script. The output is the same on
every run.

    ball.png     16 x 16 ball with a transparent corner area
    hero.png     two 16 x 16 frames of a little runner, side by side
    tiles.png    four 16 x 16 tiles: grass, brick, water, coin
    level.map    a 40 x 20 map of those tiles for the scroller example
    colours.inc  colour definitions for Include
"""
from pathlib import Path

from PIL import Image, ImageDraw

HERE = Path(__file__).resolve().parent
TILE = 16


def ball():
    img = Image.new("RGBA", (TILE, TILE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse((0, 0, 15, 15), fill=(255, 90, 60, 255))
    d.ellipse((4, 3, 8, 7), fill=(255, 220, 200, 255))
    img.save(HERE / "ball.png")


def hero():
    img = Image.new("RGBA", (2 * TILE, TILE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for frame, stride in enumerate((3, -3)):
        x = frame * TILE
        d.ellipse((x + 5, 0, x + 10, 5), fill=(255, 210, 150, 255))       # head
        d.rectangle((x + 5, 6, x + 10, 10), fill=(60, 120, 255, 255))     # body
        d.line((x + 7, 11, x + 7 - stride, 15), fill=(40, 40, 40, 255), width=2)
        d.line((x + 8, 11, x + 8 + stride, 15), fill=(40, 40, 40, 255), width=2)
    img.save(HERE / "hero.png")


def tiles():
    img = Image.new("RGBA", (4 * TILE, TILE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, 15, 15), fill=(70, 160, 70, 255))                  # 1 grass
    d.rectangle((0, 0, 15, 3), fill=(110, 210, 90, 255))
    d.rectangle((16, 0, 31, 15), fill=(150, 70, 40, 255))                 # 2 brick
    for y in (4, 9, 14):
        d.line((16, y, 31, y), fill=(90, 40, 20, 255))
    d.rectangle((32, 0, 47, 15), fill=(40, 90, 200, 255))                 # 3 water
    d.line((34, 6, 45, 6), fill=(140, 190, 255, 255))
    d.ellipse((51, 3, 60, 12), fill=(255, 210, 40, 255))                  # 4 coin
    img.save(HERE / "tiles.png")


def level():
    width, height = 40, 20
    cells = [[0] * width for _ in range(height)]
    for x in range(width):
        cells[height - 1][x] = 2
        cells[height - 2][x] = 1
    for x in range(5, width - 3, 6):                  # floating bricks
        cells[height - 8][x] = 2
        cells[height - 8][x + 1] = 2
    for x in range(4, width, 5):                      # coins on the grass
        cells[height - 3][x] = 4
    for x in range(10, 14):                           # a pond
        cells[height - 2][x] = 3
    lines = [f"{width},{height},{TILE},{TILE}", '"tiles.png"']
    lines += [",".join(str(v) for v in row) for row in cells]
    (HERE / "level.map").write_text("\n".join(lines) + "\n")


def colours():
    (HERE / "colours.inc").write_text(
        "; Named colours for Include\n"
        "Define Orange = 16753920\n"
        "Define Sky = 8900331\n"
        "Define White = 16777215\n")


if __name__ == "__main__":
    ball()
    hero()
    tiles()
    level()
    colours()
