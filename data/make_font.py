#!/usr/bin/python3
"""Builds mobilefont.png, the runtime's system font, from the public-domain X11
"8x13" fixed font. Character c (1..127) sits in the cell at column (c mod 20) * 10,
row (c div 20) * 15; the runtime draws 10 x 13 pixels of each cell wherever the
alpha is not 0, so the glyphs are white on a fully transparent background.
It ships in every phone package, so it is written with two palette colours
(transparent and white) and recompressed as tightly as optipng can."""
import gzip
import subprocess
import sys
from PIL import Image, PcfFontFile

SOURCE = "/usr/share/fonts/X11/misc/8x13.pcf.gz"
CELL_W, CELL_H, COLUMNS = 10, 15, 20


def main(out_path):
    with gzip.open(SOURCE, "rb") as f:
        font = PcfFontFile.PcfFontFile(f)
    sheet = Image.new("RGBA", (COLUMNS * CELL_W, (128 // COLUMNS + 1) * CELL_H), (0, 0, 0, 0))
    for code in range(1, 128):
        glyph = font.glyph[code]
        if glyph is None:
            continue
        _, (x0, y0, x1, y1), _, bitmap = glyph
        # Boxes are relative to the baseline, which lies 11 rows below the cell's top.
        left, top = x0, 11 + y0
        mask = bitmap.convert("L")
        cell_x, cell_y = (code % COLUMNS) * CELL_W, (code // COLUMNS) * CELL_H
        for y in range(mask.height):
            for x in range(mask.width):
                if mask.getpixel((x, y)):
                    px, py = left + x, top + y
                    if 0 <= px < 8 and 0 <= py < 13:
                        sheet.putpixel((cell_x + px, cell_y + py), (255, 255, 255, 255))
    palette = Image.new("P", sheet.size, 0)
    palette.putpalette([0, 0, 0, 255, 255, 255])
    palette.putdata([1 if a else 0 for (_, _, _, a) in sheet.getdata()])
    palette.save(out_path, transparency=bytes([0, 255]), bits=1, optimize=True)
    subprocess.run(["optipng", "-quiet", "-o7", "-strip", "all", out_path], check=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "mobilefont.png")
