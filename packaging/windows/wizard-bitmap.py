#!/usr/bin/env python3
"""Draws the picture on the left of the installer's finish page: the program's icon on the
program's sky blue, as a 24-bit BMP of the size the page shows (NSIS reads only BMP).

    wizard-bitmap.py ICON.png OUT.bmp

ICON.png is an 8-bit RGBA, non-interlaced PNG (as data/icons/fortunix-*.png are)."""
import struct
import sys
import zlib

WIDTH, HEIGHT = 164, 314          # the finish page's picture, in pixels at 100 %
BACKGROUND = (96, 211, 232)       # the program's sky blue
ICON_TOP = 48


def read_rgba_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    pos, idat, width = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit(f"{path}: not an 8-bit RGBA non-interlaced PNG")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride, rows, previous = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind, row = line[0], bytearray(line[1:])
        for x in range(stride):
            left = row[x - 4] if x >= 4 else 0
            up = previous[x]
            up_left = previous[x - 4] if x >= 4 else 0
            if kind == 1:
                row[x] = (row[x] + left) & 0xFF
            elif kind == 2:
                row[x] = (row[x] + up) & 0xFF
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else up_left
                row[x] = (row[x] + predictor) & 0xFF
        rows.append(row)
        previous = row
    return width, rows


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
