#!/usr/bin/env python3
"""Writes the small section pictures of the installation folder's icons/: one per section type number
(Section1.bmp ... Section24.bmp), one per template the sample tables name instead of a number (IPE.bmp for
"IPE.dwg"), and SectionNone.bmp for a section whose table gives no picture.

The pictures are cross-sections on white, which the dialogs draw transparent. Run from anywhere; only the
standard library is used.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sketch import Sketch  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.normpath(os.path.join(HERE, "..", "..", "icons"))
SIZE = 64
STEEL = (120, 140, 170)
HOLLOW = (255, 255, 255)


def rects(*boxes):
    return lambda s: [s.fill(l, t, r, b, STEEL) for (l, t, r, b) in boxes]


def poly(*points):
    return lambda s: s.polygon(list(points), STEEL)


def ring(rx, ry, wall):
    def draw(s):
        s.ellipse(32, 32, rx, ry, STEEL)
        s.ellipse(32, 32, rx - wall, ry - wall, HOLLOW)
    return draw


def box(l, t, r, b, wall):
    def draw(s):
        s.fill(l, t, r, b, STEEL)
        s.fill(l + wall, t + wall, r - wall, b - wall, HOLLOW)
    return draw


def bulb(s):
    s.fill(28, 14, 36, 54, STEEL)
    s.ellipse(36, 18, 6, 6, STEEL)


def castellated(s):
    rects((14, 8, 50, 14), (29, 14, 35, 50), (14, 50, 50, 56))(s)
    s.polygon([(32, 22), (35, 26), (35, 38), (32, 42), (29, 38), (29, 26)], HOLLOW)


# Section type number -> how it is drawn.
SHAPES = {
    1: rects((14, 8, 50, 14), (29, 14, 35, 50), (14, 50, 50, 56)),             # I section
    2: rects((18, 8, 46, 14), (18, 14, 24, 50), (18, 50, 46, 56)),             # U channel
    3: rects((12, 10, 52, 16), (29, 16, 35, 54)),                              # T section
    4: rects((32, 8, 50, 14), (29, 8, 35, 56), (14, 50, 32, 56)),              # Z section
    5: rects((18, 8, 46, 13), (41, 13, 46, 20), (18, 13, 23, 51), (18, 51, 46, 56), (41, 44, 46, 51)),  # C
    6: ring(22, 22, 5),                                                          # round tube
    7: box(12, 12, 52, 52, 5),                                                   # square tube
    8: box(18, 6, 46, 58, 5),                                                    # rectangular tube
    9: lambda s: s.disc(32, 32, 20, STEEL),                                      # round bar
    10: rects((16, 10, 22, 54), (22, 48, 50, 54)),                              # angle
    11: rects((10, 26, 54, 38)),                                                # flat bar
    12: rects((16, 16, 48, 48)),                                                # square bar
    13: poly((18, 8), (46, 8), (46, 13), (23, 13), (23, 26), (30, 32), (23, 38), (23, 51), (46, 51),
             (46, 56), (18, 56), (18, 38), (25, 32), (18, 26)),                 # sigma section
    14: rects((6, 44, 18, 49), (14, 16, 19, 49), (14, 14, 50, 19), (45, 16, 50, 49), (46, 44, 58, 49)),  # omega
    15: rects((22, 8, 42, 18), (29, 18, 35, 46), (12, 46, 52, 54)),            # rail
    16: rects((12, 8, 52, 16), (30, 16, 34, 48), (12, 48, 52, 56)),            # welded I section
    17: rects((6, 14, 18, 19), (14, 14, 19, 49), (14, 44, 50, 49), (45, 14, 50, 49), (46, 14, 58, 19)),  # hat
    18: rects((18, 12, 22, 52), (22, 48, 50, 52)),                              # cold-formed angle
    19: rects((32, 10, 50, 14), (46, 14, 50, 20), (30, 10, 34, 54), (14, 50, 32, 54), (14, 44, 18, 50)),  # cold Z
    20: rects((14, 8, 50, 14), (29, 14, 35, 36)),                               # half I section
    21: ring(16, 24, 4),                                                         # elliptical tube
    22: bulb,                                                                    # bulb flat
    23: castellated,                                                             # castellated beam
    24: poly((14, 8), (50, 8), (50, 14), (35, 14), (35, 44), (50, 44), (50, 50), (14, 56), (14, 50),
             (29, 48), (29, 14), (14, 14)),                                      # tapered I section
}


# Templates of the sample library's tables: European I beams with narrow and wide flanges, channels.
TEMPLATES = {
    "IPE": rects((18, 8, 46, 13), (30, 13, 34, 51), (18, 51, 46, 56)),
    "HEA": rects((8, 12, 56, 17), (30, 17, 34, 47), (8, 47, 56, 52)),
    "HEB": rects((8, 8, 56, 14), (29, 14, 35, 50), (8, 50, 56, 56)),
    "UPN": poly((20, 8), (46, 8), (46, 12), (26, 14), (26, 50), (46, 52), (46, 56), (20, 56)),
}


def question(s):
    s.frame(12, 12, 52, 52, STEEL)
    s.fill(26, 20, 38, 24, STEEL)
    s.fill(36, 24, 40, 32, STEEL)
    s.fill(30, 32, 36, 38, STEEL)
    s.fill(30, 42, 36, 47, STEEL)


def main():
    os.makedirs(ICONS, exist_ok=True)
    for number, draw in SHAPES.items():
        s = Sketch(SIZE, SIZE)
        draw(s)
        s.save(os.path.join(ICONS, "Section%d.bmp" % number))
    for name, draw in TEMPLATES.items():
        s = Sketch(SIZE, SIZE)
        draw(s)
        s.save(os.path.join(ICONS, name + ".bmp"))
    s = Sketch(SIZE, SIZE)
    question(s)
    s.save(os.path.join(ICONS, "SectionNone.bmp"))


if __name__ == "__main__":
    main()
