#!/usr/bin/env python3
"""Draws the wizard's icons and writes them as 16-colour .ico files.

Run once when a picture changes; the .ico files it writes are kept in
resources/icons/:

  wizard.ico     group 1: the frame's icon, 32 x 32 and 16 x 16
  separator.ico  group 103: the separator-file button, 16 x 16
  copy.ico       group 104: the two copy buttons, 16 x 16

Usage: scripts/make-icons.py [OUTPUT_DIR]
"""
import os
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None  # transparent: set in the AND mask


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polygon(self, points, fill, outline):
        """Fills the pixels whose centres lie inside `points`, then outlines."""
        for y in range(self.size):
            for x in range(self.size):
                if inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, fill)
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            self.line(round(ax), round(ay), round(bx), round(by), outline)


def inside(points, px, py):
    result = False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > py) != (by > py) and px < (bx - ax) * (py - ay) / (by - ay) + ax:
            result = not result
    return result


def star(cx, cy, outer, inner):
    import math
    points = []
    for i in range(10):
        radius = outer if i % 2 == 0 else inner
        angle = math.pi / 2 + i * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy - radius * math.sin(angle)))
    return points


def page(c, x0, y0, x1, y1, lines, fold=0):
    """A sheet of paper with grey text lines and an optional folded corner."""
    c.rect(x0, y0, x1, y1, WHITE)
    c.frame(x0, y0, x1, y1, BLACK)
    for i in range(fold):  # cut the corner and draw the fold
        for x in range(x1 - fold + 1 + i, x1 + 1):
            c.put(x, y0 + i, CLEAR)
        c.put(x1 - fold + i + 1, y0 + i, BLACK)
        c.put(x1 - fold, y0 + i, BLACK)
        c.put(x1 - fold + i, y0 + fold, BLACK)
    for y in lines:
        c.line(x0 + 2, y, x1 - 2, y, GRAY)


def copy_icon():
    c = Canvas(16)
    page(c, 1, 0, 9, 11, lines=[3, 5, 7, 9])
    page(c, 6, 4, 14, 15, lines=[7, 9, 11, 13])
    return c


def separator_icon():
    c = Canvas(16)
    page(c, 2, 0, 13, 15, lines=[10, 12], fold=4)
    # The separator line the file holds: a bold double rule across the page.
    c.line(3, 5, 12, 5, NAVY)
    c.line(3, 7, 12, 7, NAVY)
    c.line(4, 3, 9, 3, GRAY)
    return c


def wizard_icon(size):
    c = Canvas(size)
    s = size / 32
    # A page of generated code behind the wand.
    page(c, round(3 * s), round(6 * s), round(21 * s), round(30 * s),
         lines=[round(y * s) for y in (11, 15, 19, 23, 27)] if size >= 32 else [9, 11, 13])
    # The wand: a dark staff with a white tip, from lower right to the star.
    c.line(round(29 * s), round(29 * s), round(18 * s), round(14 * s), BLACK)
    c.line(round(30 * s), round(29 * s), round(19 * s), round(14 * s), PURPLE)
    if size >= 32:
        c.line(round(28 * s), round(29 * s), round(17 * s), round(14 * s), BLACK)
    # The star at the tip, with a few sparks.
    c.polygon(star(18 * s, 9 * s, 8.5 * s, 3.6 * s), YELLOW, OLIVE)
    for x, y in ((28, 3), (29, 10), (9, 2)):
        c.put(round(x * s), round(y * s), AQUA)
    return c


def bmp_bytes(c):
    """The image of one icon entry: header, palette, colour bits, mask."""
    size = c.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour_row = (size * 4 + 31) // 32 * 4
    mask_row = (size + 31) // 32 * 4
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up
        row = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x in range(size):
            p = c.pixels[y][x]
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                p = BLACK
            row[x // 2] |= p << (4 if x % 2 == 0 else 0)
        colour += row
        mask += bits
    return header + palette + bytes(colour) + bytes(mask)


def write_ico(path, canvases):
    images = [bmp_bytes(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.size % 256, c.size % 256, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'resources', 'icons')
    os.makedirs(out_dir, exist_ok=True)
    write_ico(os.path.join(out_dir, 'wizard.ico'), [wizard_icon(32), wizard_icon(16)])
    write_ico(os.path.join(out_dir, 'separator.ico'), [separator_icon()])
    write_ico(os.path.join(out_dir, 'copy.ico'), [copy_icon()])


if __name__ == '__main__':
    main()
