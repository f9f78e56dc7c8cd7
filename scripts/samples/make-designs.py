#!/usr/bin/env python3
"""Writes the sample library's designed pages: the control lists (.txt) and their plate sketches (.bmp).

Run from anywhere; it rewrites samples/library/Dialog Templates/Dialog Design/ and the combo item list the
EndPlate page reads. Pure white in a sketch is transparent on the dialog, so the sketches draw on white.
Only the standard library is used.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sketch import Sketch  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
LIBRARY = os.path.normpath(os.path.join(HERE, "..", "..", "samples", "library"))
DESIGNS = os.path.join(LIBRARY, "Dialog Templates", "Dialog Design")
LISTS = os.path.join(LIBRARY, "Dialog Templates", "Lists")

STEEL = (176, 196, 222)
EDGE = (40, 40, 40)
HOLE = (20, 20, 20)
DIM = (200, 40, 40)


def escape(text):
    """A text value as the property list stores it."""
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def control(kind, rect, contents, extra=""):
    return {"type": kind, "rect": rect, "contents": contents, "extra": extra}


def write_design(name, controls, size):
    """size: the picture's (width, height) in pixels, or None for a page without picture (pixels as is)."""
    w, h = size if size else (1, 1)
    lines = ["Ork_PropertiesList 1", "nrOfControls\ti\t%d" % len(controls)]
    for i, c in enumerate(controls):
        l, t, r, b = c["rect"]
        lines.append("type%d\ti\t%d" % (i, c["type"]))
        for key, value in (("topLeftX", l / w), ("topLeftY", t / h), ("bottomRightX", r / w), ("bottomRightY", b / h)):
            lines.append("%s%d\td\t%s" % (key, i, repr(round(value, 6))))
        lines.append("contents%d\ts\t%s" % (i, escape(c["contents"])))
        lines.append("comboList%d\ts\t%s" % (i, escape(c["extra"])))
    path = os.path.join(DESIGNS, *name.split("\\")) + ".txt"
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def end_plate():
    s = Sketch(240, 200)
    s.fill(20, 20, 110, 180, STEEL)
    s.frame(20, 20, 110, 180, EDGE)
    for cx in (45, 85):
        for cy in (50, 150):
            s.disc(cx, cy, 6, HOLE)
    s.fill(20, 188, 110, 189, DIM)   # width
    s.fill(8, 20, 9, 180, DIM)       # height
    s.save(os.path.join(DESIGNS, "EndPlate.bmp"))
    write_design("EndPlate", [
        control(1, (125, 10, 235, 190), "End plate"),
        control(0, (132, 30, 200, 46), "Thickness"),
        control(3, (132, 48, 200, 68), "Thickness", "Dialog Templates\\Lists\\PlateThickness.txt"),
        control(0, (132, 80, 200, 96), "Width"),
        control(2, (132, 98, 200, 116), "Width"),
        control(0, (132, 128, 200, 144), "Height"),
        control(2, (132, 146, 200, 164), "Height"),
    ], (240, 200))
    os.makedirs(LISTS, exist_ok=True)
    with open(os.path.join(LISTS, "PlateThickness.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("10\n12\n15\n20\n25\n")


def bolt_group():
    s = Sketch(260, 180)
    s.fill(20, 20, 120, 160, STEEL)
    s.frame(20, 20, 120, 160, EDGE)
    for cx in (50, 90):
        for cy in (55, 125):
            s.disc(cx, cy, 7, HOLE)
    s.fill(50, 170, 91, 171, DIM)    # the spacing across
    s.save(os.path.join(DESIGNS, "BoltGroup.bmp"))
    write_design("BoltGroup", [
        control(1, (135, 8, 252, 92), "Bolts"),
        control(7, (142, 26, 245, 46), ""),
        control(8, (142, 52, 190, 70), ""),
        control(9, (196, 52, 245, 70), ""),
        control(12, (142, 72, 245, 88), "Bolt..."),
        control(1, (135, 96, 252, 172), "EndPlateBolts"),
        control(4, (142, 114, 190, 132), "EndPlateBolts"),
        control(5, (196, 114, 245, 132), "EndPlateBolts"),
        control(6, (142, 140, 245, 158), "EndPlateBolts"),
        control(30, (20, 164, 44, 178), "Top", "BoltLayout;;Top row;"),
        control(30, (48, 164, 72, 178), "Bottom", "BoltLayout;;;"),
    ], (260, 180))


def welds():
    write_design("Welds", [
        control(0, (10, 12, 110, 28), "Flange throat"),
        control(2, (120, 10, 180, 28), "FlangeThroat"),
        control(0, (10, 42, 110, 58), "Web throat"),
        control(2, (120, 40, 180, 58), "WebThroat"),
    ], None)


def gusset():
    s = Sketch(220, 180)
    s.triangle(20, 20, 130, 160, STEEL)
    s.fill(20, 160, 130, 161, EDGE)
    s.fill(20, 20, 21, 160, EDGE)
    s.disc(45, 135, 5, HOLE)
    s.disc(75, 135, 5, HOLE)
    s.save(os.path.join(DESIGNS, "Bracing", "Gusset.bmp"))
    write_design("Bracing\\Gusset", [
        control(0, (140, 20, 212, 36), "Length"),
        control(2, (140, 38, 212, 56), "Length"),
        control(0, (140, 66, 212, 82), "Width"),
        control(2, (140, 84, 212, 102), "Width"),
        control(0, (140, 112, 212, 128), "Thickness"),
        control(2, (140, 130, 212, 148), "Thickness"),
    ], (220, 180))


if __name__ == "__main__":
    os.makedirs(os.path.join(DESIGNS, "Bracing"), exist_ok=True)
    end_plate()
    bolt_group()
    welds()
    gusset()
