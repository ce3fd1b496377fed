#!/usr/bin/env python3
"""Draws the program's icon, a football pitch seen from above, and writes it as
app/icons/rosterly.ico (16, 24, 32, 48, 64 and 256 pixels, each a PNG inside the icon, as
Windows Vista and later read them) and app/icons/rosterly.png (256 pixels, the window icon).
Needs only Python: the shapes are sampled 4 x 4 times per pixel for smooth edges.
    scripts/make-icon.py
"""
import math
import os
import struct
import zlib

GRASS = (31, 122, 58)
STRIPE = (39, 140, 68)
LINE = (245, 248, 240)
EDGE = (18, 78, 36)


def colour_at(x, y):
    """The colour at a point of the unit square, or None outside the rounded square."""
    r = 0.18  # corner radius
    cx, cy = min(max(x, r), 1 - r), min(max(y, r), 1 - r)
    if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
        return None
    if (x - cx) ** 2 + (y - cy) ** 2 > (r - 0.035) ** 2 and (x < r or x > 1 - r or y < r or y > 1 - r):
        return EDGE
    if min(x, y, 1 - x, 1 - y) < 0.035:
        return EDGE
    w = 0.045  # line width
    d = math.hypot(x - 0.5, y - 0.5)
    inner = 0.14
    if abs(x - 0.5) < w / 2 and inner - w / 2 <= y <= 1 - inner + w / 2:  # halfway line
        return LINE
    if abs(d - 0.2) < w / 2 or d < 0.055:  # centre circle and spot
        return LINE
    lo, hi = inner - w / 2, 1 - inner + w / 2
    if lo <= y <= hi and (abs(x - inner) < w / 2 or abs(x - (1 - inner)) < w / 2):
        return LINE  # goal lines
    if lo <= x <= hi and (abs(y - inner) < w / 2 or abs(y - (1 - inner)) < w / 2):
        return LINE  # touch lines
    return STRIPE if int(x * 6) % 2 else GRASS


def render(size):
    samples = 4
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter type of the PNG row
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 255
            n = samples * samples
            alpha = acc[3] // n
            covered = max(acc[3] // 255, 1)
            row += bytes([acc[0] // covered, acc[1] // covered, acc[2] // covered, alpha])
        rows.append(bytes(row))
    return png(size, b"".join(rows))


def png(size, raw):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico(images):
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return head + entries + data


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "icons")
    images = [(size, render(size)) for size in (16, 24, 32, 48, 64, 256)]
    with open(os.path.join(folder, "rosterly.ico"), "wb") as out:
        out.write(ico(images))
    with open(os.path.join(folder, "rosterly.png"), "wb") as out:
        out.write(images[-1][1])


if __name__ == "__main__":
    main()
