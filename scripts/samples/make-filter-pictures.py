#!/usr/bin/env python3
"""Writes the pictures of the macro settings' filter pages into the installation folder's icons/, light grey
0xC0C0C0 transparent: the member axis measured up to 90 and up to 180 degrees (MacroFilterAngle90.bmp,
MacroFilterAngle180.bmp, 32 x 32), the angle of a section (MacroFilterSectionAngle.bmp), the path distance
between two members (MacroFilterPathDistance.bmp) and the height and width of a section
(MacroFilterSectionSize.bmp), 64 x 64. Run from anywhere; only the standard library is used.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sketch import Sketch  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.normpath(os.path.join(HERE, "..", "..", "icons"))
GREY = (192, 192, 192)
STEEL = (120, 140, 170)
LINE = (40, 40, 40)
MARK = (200, 60, 40)


def blank(size):
    s = Sketch(size, size)
    s.fill(0, 0, size, size, GREY)
    return s


def line(s, x0, y0, x1, y1, c, width=1):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        s.fill(x - width // 2, y - width // 2, x - width // 2 + width, y - width // 2 + width, c)


def arc(s, cx, cy, r, start, end, c):
    for i in range(0, 181):
        a = math.radians(start + (end - start) * i / 180)
        s.put(round(cx + r * math.cos(a)), round(cy - r * math.sin(a)), c)


def angle(limit):
    s = blank(32)
    line(s, 4, 27, 28, 27, LINE, 2)           # the reference member
    reach = 90 if limit == 90 else 150
    a = math.radians(reach)
    line(s, 16, 27, round(16 + 13 * math.cos(a)), round(27 - 13 * math.sin(a)), STEEL, 3)
    arc(s, 16, 27, 8, 0, limit, MARK)
    return s


def section_angle():
    s = blank(64)
    s.fill(14, 24, 50, 30, STEEL)             # an I section turned about its axis
    s.fill(29, 12, 35, 52, STEEL)
    line(s, 8, 54, 56, 54, LINE, 2)
    line(s, 32, 54, 52, 20, LINE)
    arc(s, 32, 54, 14, 0, 60, MARK)
    return s


def path_distance():
    s = blank(64)
    s.fill(6, 10, 14, 54, STEEL)              # two members and the distance between them
    s.fill(50, 10, 58, 54, STEEL)
    line(s, 16, 32, 48, 32, MARK)
    for y in range(28, 37):
        s.put(17 + abs(y - 32), y, MARK)
        s.put(47 - abs(y - 32), y, MARK)
    return s


def section_size():
    s = blank(64)
    s.fill(16, 10, 44, 15, STEEL)             # an I section with its height and width
    s.fill(27, 15, 33, 45, STEEL)
    s.fill(16, 45, 44, 50, STEEL)
    line(s, 52, 10, 52, 50, MARK)
    line(s, 16, 56, 44, 56, MARK)
    return s


def main():
    os.makedirs(ICONS, exist_ok=True)
    pictures = {
        "MacroFilterAngle90": angle(90),
        "MacroFilterAngle180": angle(180),
        "MacroFilterSectionAngle": section_angle(),
        "MacroFilterPathDistance": path_distance(),
        "MacroFilterSectionSize": section_size(),
    }
    for name, sketch in pictures.items():
        sketch.save(os.path.join(ICONS, name + ".bmp"))


if __name__ == "__main__":
    main()
