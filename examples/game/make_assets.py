#!/usr/bin/python3
"""Makes the assets of the example game: the sprite sheet sheet.png (four
32 x 32 frames: grass, rock, ship, coin) and the tile map level.map in the
format the runtime's LoadMap reads."""
import os
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
TILE = 32
MAP_WIDTH, MAP_HEIGHT = 60, 20


def sheet():
    img = Image.new("RGBA", (4 * TILE, TILE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # Frame 1, grass: opaque, with a few darker blades.
    d.rectangle([0, 0, TILE - 1, TILE - 1], fill=(40, 120, 40, 255))
    for x, y in [(4, 6), (14, 20), (24, 9), (8, 26), (27, 24)]:
        d.line([x, y, x + 1, y - 4], fill=(20, 80, 20, 255))
    # Frame 2, rock: opaque grey with a lighter edge.
    d.rectangle([TILE, 0, 2 * TILE - 1, TILE - 1], fill=(110, 110, 120, 255))
    d.rectangle([TILE + 2, 2, 2 * TILE - 3, TILE - 3], outline=(160, 160, 170, 255))
    # Frame 3, ship: a triangle pointing right on a transparent ground.
    d.polygon([(2 * TILE + 2, 4), (3 * TILE - 3, TILE // 2), (2 * TILE + 2, TILE - 5)], fill=(230, 230, 255, 255))
    d.rectangle([2 * TILE + 2, 13, 2 * TILE + 7, 18], fill=(255, 120, 0, 255))
    # Frame 4, coin: a yellow disc.
    d.ellipse([3 * TILE + 8, 8, 3 * TILE + 23, 23], fill=(255, 215, 0, 255), outline=(180, 140, 0, 255))
    img.save(os.path.join(HERE, "sheet.png"))


def level():
    cells = [[1] * MAP_WIDTH for _ in range(MAP_HEIGHT)]
    for x in range(MAP_WIDTH):
        cells[0][x] = cells[MAP_HEIGHT - 1][x] = 2
    # Rock pillars from the top and the bottom.
    for x in range(8, MAP_WIDTH, 9):
        for y in range(1, 4 + x % 3):
            cells[y][x] = 2
        for y in range(MAP_HEIGHT - 5 + x % 2, MAP_HEIGHT - 1):
            cells[y][x] = 2
    lines = [f"Data {MAP_WIDTH},{MAP_HEIGHT},{TILE},{TILE}", 'Data "sheet.png"']
    lines += ["Data " + ",".join(str(c) for c in row) for row in cells]
    with open(os.path.join(HERE, "level.map"), "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    sheet()
    level()
