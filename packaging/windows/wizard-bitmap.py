#!/usr/bin/env python3
"""Draws the picture on the left of the installer's finish page: the program's icon on the
program's sky blue, as a 24-bit BMP of the size the page shows (NSIS reads only BMP).

    wizard-bitmap.py ICON.png OUT.bmp

ICON.png is an 8-bit RGBA, non-interlaced PNG (as data/icons/fortunix-*.png are)."""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from rgba_png import read_rgba_png  # noqa: E402

WIDTH, HEIGHT = 164, 314          # the finish page's picture, in pixels at 100 %
BACKGROUND = (96, 211, 232)       # the program's sky blue
ICON_TOP = 48


def main():
    icon_path, out_path = sys.argv[1:3]
    size, icon = read_rgba_png(icon_path)
    left = (WIDTH - size) // 2
    pixels = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]
    for y, row in enumerate(icon):
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            under = pixels[ICON_TOP + y][left + x]
            pixels[ICON_TOP + y][left + x] = tuple(
                (c * a + u * (255 - a) + 127) // 255 for c, u in zip((r, g, b), under))
    padding = (4 - WIDTH * 3 % 4) % 4
    body = bytearray()
    for row in reversed(pixels):  # a BMP stores its bottom row first
        for r, g, b in row:
            body += bytes((b, g, r))
        body += b"\0" * padding
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(out_path, "wb") as out:
        out.write(header + info + body)


if __name__ == "__main__":
    main()
