#!/usr/bin/env python3
"""Draws Velmora Sketch's icon, a sheet with three shapes, as sketch.ico
(32 x 32 and 16 x 16, 16 colours), with the drawing and .ico writing of
scripts/make-icons.py. Run once when the picture changes.

Usage: examples/make-icon.py [OUTPUT.ico]
"""
import importlib.util
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location(
    "make_icons", os.path.join(here, "..", "scripts", "make-icons.py"))
icons = importlib.util.module_from_spec(spec)
spec.loader.exec_module(icons)


def sketch_icon(size):
    c = icons.Canvas(size)
    s = size / 32
    r = lambda v: round(v * s)
    icons.page(c, r(1), r(3), r(30), r(28), lines=[])
    # A red disc, a blue square and a green cross, as the program draws them.
    for y in range(size):
        for x in range(size):
            if (x + 0.5 - 10 * s) ** 2 + (y + 0.5 - 11 * s) ** 2 <= (5.5 * s) ** 2:
                c.put(x, y, icons.RED)
    c.rect(r(16), r(6), r(26), r(16), icons.BLUE)
    for d in range(-1, 1 if size < 32 else 2):
        c.line(r(8) + d, r(17), r(18) + d, r(26), icons.GREEN)
        c.line(r(18) + d, r(17), r(8) + d, r(26), icons.GREEN)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "sketch.ico")
    icons.write_ico(out, [sketch_icon(32), sketch_icon(16)])


if __name__ == "__main__":
    main()
