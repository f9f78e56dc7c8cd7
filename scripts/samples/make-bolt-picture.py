#!/usr/bin/env python3
"""Writes the advanced bolt dialog's picture into the installation folder's icons/: DrawBolt2.bmp, 160 x 120, a
bolt through two plates seen from the side, with its head, washers, nut and the lengths the dialog asks for
(penetration and added length) marked. Run from anywhere; only the standard library is used.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sketch import Sketch  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.normpath(os.path.join(HERE, "..", "..", "icons"))
BACK = (255, 255, 255)
PLATE = (170, 185, 205)
STEEL = (110, 120, 135)
WASHER = (200, 200, 200)
LINE = (40, 40, 40)
MARK = (200, 60, 40)


def block(s, l, t, r, b, c):
    s.fill(l, t, r, b, c)
    s.frame(l, t, r, b, LINE)


def arrow(s, x0, x1, y):
    for x in range(x0, x1 + 1):
        s.put(x, y, MARK)
    for d in range(1, 4):
        s.put(x0 + d, y - d, MARK)
        s.put(x0 + d, y + d, MARK)
        s.put(x1 - d, y - d, MARK)
        s.put(x1 - d, y + d, MARK)
    for yy in range(y - 5, y + 6):
        s.put(x0, yy, MARK)
        s.put(x1, yy, MARK)


def picture():
    s = Sketch(160, 120)
    s.fill(0, 0, 160, 120, BACK)
    block(s, 52, 10, 70, 100, PLATE)          # the two plates, side by side
    block(s, 70, 10, 88, 100, PLATE)
    block(s, 20, 44, 134, 66, STEEL)          # the shank through both
    block(s, 28, 34, 44, 76, STEEL)           # the head
    block(s, 44, 38, 52, 72, WASHER)          # the first washer
    block(s, 88, 38, 96, 72, WASHER)          # the second washer
    block(s, 96, 34, 114, 76, STEEL)          # the nut
    for x in range(116, 134, 3):              # the thread beyond the nut
        s.fill(x, 46, x + 1, 64, LINE)
    arrow(s, 96, 134, 88)                     # the added length past the nut
    arrow(s, 52, 88, 110)                     # the penetration through the plates
    return s


def main():
    os.makedirs(ICONS, exist_ok=True)
    picture().save(os.path.join(ICONS, "DrawBolt2.bmp"))


if __name__ == "__main__":
    main()
