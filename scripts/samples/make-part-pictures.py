#!/usr/bin/env python3
"""Writes the pictures of the pattern and cut dialogs into the installation folder's icons/.

The five alternation pictures of a bolt pattern (BoltAlternation1.bmp .. BoltAlternation5.bmp, 32 x 32, white
transparent) show two rows of bolts as each button sets them: in line, staggered from the first row, staggered
both ways, staggered at the ends and staggered in the middle. The six cut pictures (CutProfvsPlate.bmp,
CutProfvsProf.bmp, CutProfinProf.bmp, CutProfvsProf3Segments.bmp, CutChamfer.bmp, CutFillet.bmp, 48 x 24,
light grey 0xC0C0C0 transparent) show the cut types of the cut dialog. Run from anywhere; only the standard
library is used.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sketch import Sketch  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.normpath(os.path.join(HERE, "..", "..", "icons"))
WHITE = (255, 255, 255)
GREY = (192, 192, 192)
STEEL = (120, 140, 170)
PLATE = (170, 150, 110)
LINE = (40, 40, 40)
MARK = (200, 60, 40)

# Horizontal positions of the bolts of the second row, per alternation picture (the first row is at 6, 16, 26).
SECOND_ROWS = {
    1: [6, 16, 26],
    2: [11, 21],
    3: [1, 11, 21, 31],
    4: [11, 21, 31],
    5: [1, 11, 21],
}


def alternation(n):
    s = Sketch(32, 32)
    s.fill(0, 0, 32, 32, WHITE)
    s.fill(0, 4, 32, 28, STEEL)
    s.frame(0, 4, 32, 28, LINE)
    for x in (6, 16, 26):
        s.disc(x, 10, 3, LINE)
    for x in SECOND_ROWS[n]:
        s.disc(x, 22, 3, MARK)
    return s


def blank():
    s = Sketch(48, 24)
    s.fill(0, 0, 48, 24, GREY)
    return s


def cut_prof_vs_plate():
    s = blank()
    s.fill(2, 8, 30, 16, STEEL)
    s.fill(30, 2, 34, 22, PLATE)
    s.frame(30, 2, 34, 22, LINE)
    return s


def cut_prof_vs_prof():
    s = blank()
    s.fill(2, 9, 26, 15, STEEL)
    s.fill(26, 2, 34, 22, STEEL)
    s.frame(26, 2, 34, 22, LINE)
    return s


def cut_prof_in_prof():
    s = blank()
    s.fill(2, 9, 40, 15, STEEL)
    s.fill(22, 2, 30, 22, STEEL)
    s.frame(22, 2, 30, 22, LINE)
    s.frame(2, 9, 40, 15, MARK)
    return s


def cut_three_segments():
    s = blank()
    s.fill(2, 9, 14, 15, STEEL)
    s.fill(17, 9, 31, 15, STEEL)
    s.fill(34, 9, 46, 15, STEEL)
    for x in (15, 32):
        s.fill(x, 4, x + 1, 20, MARK)
    return s


def cut_chamfer():
    s = blank()
    s.polygon([(4, 4), (36, 4), (44, 12), (44, 20), (4, 20)], STEEL)
    for i in range(9):
        s.put(36 + i, 4 + i, MARK)
    return s


def cut_fillet():
    s = blank()
    s.fill(4, 4, 44, 20, STEEL)
    s.fill(36, 4, 44, 12, GREY)
    s.disc(36, 12, 8, STEEL)
    s.fill(4, 12, 44, 20, STEEL)
    s.fill(4, 4, 36, 12, STEEL)
    return s


def main():
    os.makedirs(ICONS, exist_ok=True)
    for n in range(1, 6):
        alternation(n).save(os.path.join(ICONS, "BoltAlternation%d.bmp" % n))
    cuts = {
        "CutProfvsPlate": cut_prof_vs_plate,
        "CutProfvsProf": cut_prof_vs_prof,
        "CutProfinProf": cut_prof_in_prof,
        "CutProfvsProf3Segments": cut_three_segments,
        "CutChamfer": cut_chamfer,
        "CutFillet": cut_fillet,
    }
    for name, draw in cuts.items():
        draw().save(os.path.join(ICONS, name + ".bmp"))


if __name__ == "__main__":
    main()
