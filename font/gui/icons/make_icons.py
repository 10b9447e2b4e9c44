#!/usr/bin/env python3
"""Draws the tool-bar icons of the font converter's window at 16 and 32 pixels.

Each icon is described in a 16 x 16 unit space with a few primitives (filled
rectangles, polygons) and rendered at scale 1 and 2 with 4 x 4 supersampling, so
the large size is drawn, not enlarged. Writes tool_<id>.png and tool_<id>@2x.png
plus the application icon glyphor.png (64 px) into the folder given.
Run: python3 make_icons.py font/gui/icons
"""
import struct
import sys
import zlib

INK = (40, 40, 48, 255)
PAPER = (255, 255, 255, 255)
GRID = (150, 160, 175, 255)
GREEN = (30, 150, 60, 255)
RED = (200, 40, 40, 255)
BLUE = (40, 100, 200, 255)
ORANGE = (220, 120, 20, 255)
YELLOW = (250, 205, 60, 255)


def png(path, w, h, pixels):
    raw = b"".join(b"\0" + bytes(c for px in pixels[y * w:(y + 1) * w] for c in px) for y in range(h))
    def chunk(t, d):
        return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


class Canvas:
    """Shapes in unit coordinates, sampled 4 x 4 per output pixel."""
    def __init__(self, units=16):
        self.units = units
        self.shapes = []

    def rect(self, x0, y0, x1, y1, colour):
        self.shapes.append((lambda x, y: x0 <= x < x1 and y0 <= y < y1, colour))

    def frame(self, x0, y0, x1, y1, colour, t=1):
        self.rect(x0, y0, x1, y0 + t, colour)
        self.rect(x0, y1 - t, x1, y1, colour)
        self.rect(x0, y0, x0 + t, y1, colour)
        self.rect(x1 - t, y0, x1, y1, colour)

    def poly(self, pts, colour):
        def inside(x, y):
            c = False
            for i in range(len(pts)):
                (ax, ay), (bx, by) = pts[i], pts[i - 1]
                if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                    c = not c
            return c
        self.shapes.append((inside, colour))

    def render(self, size):
        s = size / self.units
        out = []
        for py in range(size):
            for px in range(size):
                acc = [0.0, 0.0, 0.0, 0.0]
                for sy in range(4):
                    for sx in range(4):
                        x, y = (px + (sx + 0.5) / 4) / s, (py + (sy + 0.5) / 4) / s
                        col = (0, 0, 0, 0)
                        for test, c in self.shapes:
                            if test(x, y):
                                col = c
                        a = col[3] / 255
                        for i in range(3):
                            acc[i] += col[i] * a
                        acc[3] += a
                if acc[3] > 0:
                    out.append(tuple(int(acc[i] / acc[3] + 0.5) for i in range(3)) + (int(acc[3] / 16 * 255 + 0.5),))
                else:
                    out.append((0, 0, 0, 0))
        return out


def glyph_box(c, x0=3, y0=3, x1=13, y1=13):
    """A character cell with a grid and a small letter shape."""
    c.rect(x0, y0, x1, y1, PAPER)
    for gx in range(x0 + 2, x1, 2):
        c.rect(gx, y0, gx + 0.25, y1, GRID)
    for gy in range(y0 + 2, y1, 2):
        c.rect(x0, gy, x1, gy + 0.25, GRID)
    c.frame(x0, y0, x1, y1, INK)
    return c


def arrow(c, direction, colour, cx=8, cy=8, length=8, width=2.0, head=3.0):
    dx, dy = {"R": (1, 0), "L": (-1, 0), "U": (0, -1), "D": (0, 1)}[direction]
    h = length / 2
    tip = (cx + dx * h, cy + dy * h)
    base = (cx - dx * h, cy - dy * h)
    neck = (tip[0] - dx * head, tip[1] - dy * head)
    px, py = -dy, dx
    w = width / 2
    c.poly([(base[0] + px * w, base[1] + py * w), (neck[0] + px * w, neck[1] + py * w),
            (neck[0] + px * head, neck[1] + py * head), tip,
            (neck[0] - px * head, neck[1] - py * head), (neck[0] - px * w, neck[1] - py * w),
            (base[0] - px * w, base[1] - py * w)], colour)


def side_bar(c, side, colour, sign):
    """A coloured bar with + or - along one side of the cell."""
    if side == "R":
        c.rect(12.5, 2, 15.5, 14, colour); mark = (14, 8)
    elif side == "L":
        c.rect(0.5, 2, 3.5, 14, colour); mark = (2, 8)
    elif side == "T":
        c.rect(2, 0.5, 14, 3.5, colour); mark = (8, 2)
    else:
        c.rect(2, 12.5, 14, 15.5, colour); mark = (8, 14)
    mx, my = mark
    c.rect(mx - 1.2, my - 0.35, mx + 1.2, my + 0.35, PAPER)
    if sign == "+":
        c.rect(mx - 0.35, my - 1.2, mx + 0.35, my + 1.2, PAPER)


def letter(c, x, y, colour):
    """A small 'A'-like glyph of 5 x 6 units at (x, y)."""
    c.poly([(x, y + 6), (x + 2, y), (x + 3, y), (x + 5, y + 6), (x + 3.8, y + 6), (x + 2.5, y + 1.8), (x + 1.2, y + 6)], colour)
    c.rect(x + 1.3, y + 3.6, x + 3.7, y + 4.4, colour)


def lines_box(c):
    c.rect(2, 4, 14, 12, PAPER)
    c.frame(2, 4, 14, 12, INK)
    for gy in (6, 8, 10):
        c.rect(3, gy, 13, gy + 0.4, GRID)


def icon(id_):
    c = Canvas()
    if id_ == 520:  # New: a page with a letter and a spark
        c.poly([(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)], PAPER)
        c.frame(3, 1, 13, 15, INK)
        c.poly([(10, 1), (13, 4), (10, 4)], GRID)
        letter(c, 5, 7, INK)
        c.poly([(12, 0), (13, 2), (15, 2.5), (13, 3), (12, 5), (11, 3), (9, 2.5), (11, 2)], YELLOW)
    elif id_ == 521:  # Save: a disk
        c.rect(2, 2, 14, 14, BLUE)
        c.rect(4, 2, 12, 7, PAPER)
        c.rect(9.5, 3, 11, 6, INK)
        c.rect(4, 9, 12, 14, (225, 230, 240, 255))
        c.frame(2, 2, 14, 14, INK)
    elif 540 <= id_ <= 543:
        glyph_box(c, 4, 4, 12, 12)
        side_bar(c, "RLTB"[id_ - 540], GREEN, "+")
    elif 560 <= id_ <= 563:
        glyph_box(c, 4, 4, 12, 12)
        side_bar(c, "RLTB"[id_ - 560], RED, "-")
    elif 580 <= id_ <= 583:
        glyph_box(c, 1, 1, 15, 15)
        arrow(c, "RLUD"[id_ - 580], BLUE, length=9, width=2.2, head=3.2)
    elif 600 <= id_ <= 603:
        d = "RLUD"[id_ - 600]
        off = {"R": (-3, 0), "L": (3, 0), "U": (0, 3), "D": (0, -3)}[d]
        letter(c, 5.5 + off[0], 5 + off[1], INK)
        tip = {"R": (11, 8), "L": (5, 8), "U": (8, 5), "D": (8, 11)}[d]
        arrow(c, d, ORANGE, cx=tip[0], cy=tip[1], length=8, width=2.0, head=3.0)
    elif 640 <= id_ <= 643:
        lines_box(c)
        side = "T" if id_ in (640, 642) else "B"
        side_bar(c, side, GREEN if id_ < 642 else RED, "+" if id_ < 642 else "-")
    elif id_ in (620, 621):
        letter(c, 1, 5, INK)
        c.rect(7, 3, 8, 13, INK)
        arrow(c, "R" if id_ == 620 else "L", ORANGE, cx=11.5, cy=8, length=7, width=2.0, head=2.8)
    elif id_ == 760:  # enabled characters only: cells, the enabled ones with a tick
        for i, (x, y) in enumerate([(1, 1), (8.5, 1), (1, 8.5), (8.5, 8.5)]):
            c.rect(x, y, x + 6.5, y + 6.5, PAPER if i in (0, 3) else (170, 170, 170, 255))
            c.frame(x, y, x + 6.5, y + 6.5, INK, 0.8)
        c.poly([(2, 4), (3.2, 2.9), (4.2, 4.3), (6.4, 1.8), (7.3, 2.8), (4.2, 6.3)], GREEN)
        c.poly([(9.5, 11.5), (10.7, 10.4), (11.7, 11.8), (13.9, 9.3), (14.8, 10.3), (11.7, 13.8)], GREEN)
    return c


def app_icon():
    c = Canvas(16)
    c.rect(0.5, 0.5, 15.5, 15.5, (60, 70, 90, 255))
    for i in range(5):
        for j in range(5):
            c.rect(2 + i * 2.4, 2 + j * 2.4, 3.9 + i * 2.4, 3.9 + j * 2.4, (80, 92, 115, 255))
    letter(c, 3.5, 3, (255, 220, 90, 255))
    c.poly([(3.5, 9), (5.5, 3), (6.5, 3), (8.5, 9), (7.3, 9), (6.0, 4.8), (4.7, 9)], (255, 220, 90, 255))
    c.rect(10, 9.5, 14, 14, (255, 255, 255, 255))
    c.frame(10, 9.5, 14, 14, (30, 30, 30, 255), 0.5)
    return c


def main(folder):
    ids = [520, 521, 540, 541, 542, 543, 560, 561, 562, 563, 580, 581, 582, 583,
           600, 601, 602, 603, 620, 621, 640, 641, 642, 643, 760]
    for i in ids:
        c = icon(i)
        png(f"{folder}/tool_{i}.png", 16, 16, c.render(16))
        png(f"{folder}/tool_{i}@2x.png", 32, 32, c.render(32))
    png(f"{folder}/glyphor.png", 64, 64, app_icon().render(64))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
