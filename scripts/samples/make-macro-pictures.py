#!/usr/bin/env python3
"""Writes the pictures of the sample macros' image buttons (samples/library/Macros/Images/): the constraint
editor shows them on push-like buttons, magenta 0xFF00FF transparent, 32 x 32.

The end plate's Plate module chooses where the plate sits on the beam end (AlignTop, AlignCentre,
AlignBottom: one exclusive group) and on which sides it is welded (WeldOneSide, WeldBothSides: the second
group). The base plate's anchors choose their pattern (Anchors2, Anchors4). Run from anywhere; only the
standard library is used.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sketch import Sketch  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.normpath(os.path.join(HERE, "..", "..", "samples", "library", "Macros", "Images"))
SIZE = 32
MAGENTA = (255, 0, 255)
STEEL = (120, 140, 170)
PLATE = (60, 70, 90)
WELD = (200, 60, 40)


def blank():
    s = Sketch(SIZE, SIZE)
    s.fill(0, 0, SIZE, SIZE, MAGENTA)
    return s


def beam_with_plate(plate_top):
    """A beam end seen from the side (two flanges and the web) and the end plate at a height."""
    s = blank()
    s.fill(4, 10, 22, 12, STEEL)
    s.fill(4, 20, 22, 22, STEEL)
    s.fill(4, 12, 22, 20, (170, 185, 205))
    s.fill(22, plate_top, 25, plate_top + 18, PLATE)
    return s


def welds(both):
    s = blank()
    s.fill(14, 4, 18, 28, PLATE)
    s.polygon([(13, 12), (13, 20), (9, 20)], WELD)
    if both:
        s.polygon([(18, 12), (18, 20), (22, 20)], WELD)
    s.fill(4, 20, 28, 23, STEEL)
    return s


def anchors(count):
    s = blank()
    s.fill(4, 4, 28, 28, PLATE)
    s.fill(6, 6, 26, 26, (190, 195, 205))
    spots = [(10, 16), (22, 16)] if count == 2 else [(10, 10), (22, 10), (10, 22), (22, 22)]
    for (x, y) in spots:
        s.disc(x, y, 3, PLATE)
    return s


def main():
    os.makedirs(IMAGES, exist_ok=True)
    pictures = {
        "AlignTop": beam_with_plate(4),
        "AlignCentre": beam_with_plate(7),
        "AlignBottom": beam_with_plate(10),
        "WeldOneSide": welds(False),
        "WeldBothSides": welds(True),
        "Anchors2": anchors(2),
        "Anchors4": anchors(4),
    }
    for name, sketch in pictures.items():
        sketch.save(os.path.join(IMAGES, name + ".bmp"))


if __name__ == "__main__":
    main()
