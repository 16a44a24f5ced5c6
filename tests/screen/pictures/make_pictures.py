#!/usr/bin/python3
"""Writes the expected pictures of the screen's picture tests.

Each case NAME.txt starts with drawing commands and ends with the picture the
commands must give on a 96 x 54 screen (buffer 96 x 96, paper '.', ink '#'; in
frame pictures ' ' is the black outside the shown buffer). This script works the
pictures out on its own, straight from the drawing rules, reading the font image
with PIL, so it shares no code with the runtime.

Usage: make_pictures.py   (rewrites every case in this folder from its commands)
"""
import glob
import math
import os
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = Image.open(os.path.join(HERE, "..", "..", "..", "data", "mobilefont.png")).convert("RGBA")
W, H = 96, 54
BX = BY = 96


class Screen:
    def __init__(self):
        self.buf = {}
        self.clip = None
        self.bold = self.underline = False
        self.cx = self.cy = 0
        self.offset = (0, 0)
        self.bx, self.by = BX, BY

    def inside(self, x, y):
        return 0 <= x <= self.bx and 0 <= y <= self.by

    def put(self, x, y, clipped=True):
        if not self.inside(x, y):
            return
        if clipped and self.clip:
            x1, y1, x2, y2 = self.clip
            if not (x1 <= x <= x2 and y1 <= y <= y2):
                return
        self.buf[(x, y)] = "#"

    def walk(self, x1, y1, x2, y2):
        dx, dy = abs(x2 - x1), abs(y2 - y1)
        along_x = dx >= dy
        if (x2 < x1) if along_x else (y2 < y1):
            x1, y1, x2, y2 = x2, y2, x1, y1
        D, d = (dx, dy) if along_x else (dy, dx)
        step = (1 if y2 >= y1 else -1) if along_x else (1 if x2 >= x1 else -1)
        x, y, err = x1, y1, 2 * d - D
        self.put(x, y)
        for _ in range(D):
            if err >= 0:
                if along_x:
                    y += step
                else:
                    x += step
                err += 2 * (d - D)
            else:
                err += 2 * d
            if along_x:
                x += 1
            else:
                y += 1
            self.put(x, y)

    def corners(self, x1, y1, x2, y2):
        x1, x2 = sorted((x1, x2))
        y1, y2 = sorted((y1, y2))
        return (min(max(x1, 0), self.bx), min(max(y1, 0), self.by), min(x2, self.bx), min(y2, self.by))

    def glyph(self, x, y, c):
        fx, fy = (c % 20) * 10, (c // 20) * 15
        for k in range(10):
            for j in range(13):
                if FONT.getpixel((fx + k, fy + j))[3] != 0 or (self.underline and j == 12):
                    self.put(x + k, y + j, clipped=False)

    def text(self, x, y, s):
        for ch in s:
            if ord(ch) >= 128:
                break
            self.glyph(x, y, ord(ch))
            if self.bold:
                self.glyph(x + 1, y, ord(ch))
            x += 9 if self.bold else 8
            if x > W - 8:
                x, y = 0, y + 12
        return x, y

    def run(self, words):
        op, args = words[0], words[1:]
        num = [int(a) for a in args] if op not in ("text", "center", "print", "circle", "ellipse") else None
        if op == "line":
            self.walk(*[max(v, 0) for v in num])
        elif op == "solidbox":
            x1, y1, x2, y2 = self.corners(*num)
            for y in range(y1, y2):
                for x in range(x1, x2):
                    self.put(x, y)
        elif op == "box":
            x1, y1, x2, y2 = self.corners(*num)
            for y in range(y1, y2):
                self.put(x1, y)
                self.put(x2, y)
            for x in range(x1, x2):
                self.put(x, y1)
                self.put(x, y2 - 1)
        elif op in ("circle", "ellipse"):
            x, y = int(args[0]), int(args[1])
            rx = float(args[2])
            ry = float(args[3]) if op == "ellipse" else rx
            pts = []
            for k in range(64):
                a = k / 64 * 2 * math.pi
                pts.append((int(x + 0.99 + rx * math.sin(a)), int(y - ry * math.cos(a) + 0.99)))
            for k in range(64):
                self.walk(*pts[k], *pts[(k + 1) % 64])
        elif op == "pixel":
            self.put(*num)
        elif op == "clip":
            x1, x2 = sorted(num[0::2])
            y1, y2 = sorted(num[1::2])
            self.clip = (x1, y1, min(x2, W), min(y2, H))
        elif op == "bold":
            self.bold = num[0] > 0
        elif op == "underline":
            self.underline = num[0] > 0
        elif op == "locate":
            self.cx, self.cy = num[0] * 8, num[1] * 12
        elif op == "text":
            self.text(int(args[0]), int(args[1]), " ".join(args[2:]))
        elif op == "print":
            self.cx, self.cy = self.text(self.cx, self.cy, " ".join(args))
        elif op == "center":
            s = " ".join(args)
            self.text(W // 2 - (len(s) * 8 + 16) // 2, self.cy, s)
            self.cx, self.cy = 0, self.cy + 12
        elif op == "offset":
            self.offset = tuple(num)
        elif op == "buffersize":
            self.bx, self.by = max(num[0], 96), max(num[1], 96)
            self.buf = {}
        else:
            raise SystemExit("unknown command " + op)

    def frame(self):
        # What the screen control shows: the clip area in place, the rest black.
        x1, y1, x2, y2 = self.clip if self.clip else (0, 0, W, H)
        ox, oy = self.offset
        rows = []
        for y in range(H):
            row = ""
            for x in range(W):
                shown = max(x1, 0) <= x < x2 and max(y1, 0) <= y < y2
                row += self.buf.get((x + ox, y + oy), ".") if shown else " "
            rows.append(row)
        return rows


def picture(commands):
    s = Screen()
    area = None
    use_frame = False
    for line in commands:
        words = line.split()
        if words[0] == "area":
            area = [int(v) for v in words[1:]]
        elif words[0] == "frame":
            use_frame = True
        else:
            s.run(words)
    x1, y1, x2, y2 = area
    if use_frame:
        rows = s.frame()
        return [r[x1:x2] for r in rows[y1:y2]]
    return ["".join(s.buf.get((x, y), ".") for x in range(x1, x2)) for y in range(y1, y2)]


def main():
    for path in sorted(glob.glob(os.path.join(HERE, "*.txt"))):
        lines = open(path).read().split("\n")
        head = []
        for line in lines:
            if line.startswith("picture"):
                break
            head.append(line)
        commands = [l for l in head if l.strip() and not l.startswith("#")]
        rows = picture(commands)
        with open(path, "w") as f:
            f.write("\n".join(head) + "\npicture\n" + "\n".join("|" + r + "|" for r in rows) + "\n")


if __name__ == "__main__":
    main()
