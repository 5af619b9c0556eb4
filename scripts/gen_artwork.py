#!/usr/bin/env python3
"""Draws the banner bitmap (497 x 70, 24 bits) and the application icon.

Usage: gen_artwork.py BANNER.bmp ICON.ico
The pictures are computed, so every build produces the same bytes.
"""
import math
import struct
import sys


def banner_pixel(x, y):
    # A pale sky-blue wash that deepens to the right, with a soft ink stroke
    # on the right-hand side where the title never reaches.
    t = x / 496.0
    r, g, b = 236 - 70 * t, 244 - 50 * t, 255 - 20 * t
    cx, cy = 430.0, 35.0
    d = math.hypot((x - cx) / 1.6, y - cy)
    if 18 <= d <= 26:
        k = 1.0 - abs(d - 22) / 4.0
        r, g, b = r * (1 - 0.75 * k), g * (1 - 0.7 * k), b * (1 - 0.5 * k)
    if y >= 66:  # a thin rule at the bottom edge
        r, g, b = 90, 120, 180
    return int(b), int(g), int(r)


def write_banner(path, width=497, height=70):
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in range(height):
        y = height - 1 - row  # bottom-up rows
        line = bytearray()
        for x in range(width):
            line += bytes(banner_pixel(x, y))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)


def icon_image(size):
    # A rounded blue tile with a white brush mark; 32-bit BGRA plus an AND mask.
    pixels = bytearray()
    for row in range(size):
        y = size - 1 - row
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            inside = max(abs(u - 0.5), abs(v - 0.5)) < 0.46
            if not inside:
                pixels += b"\0\0\0\0"
                continue
            mark = abs(v - (0.3 + 0.4 * u)) < 0.07 and 0.2 < u < 0.8
            dot = math.hypot(u - 0.3, v - 0.72) < 0.09
            if mark or dot:
                pixels += bytes((255, 255, 255, 255))
            else:
                pixels += bytes((200 - int(60 * v), 120, 30, 255))
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def write_icon(path, sizes=(32, 16)):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    write_banner(sys.argv[1])
    write_icon(sys.argv[2])
