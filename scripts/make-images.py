#!/usr/bin/env python3
"""Writes the program's icon and cursors, the same bytes every time.

mainframe.ico: a dark-blue disc bearing the kanji 生 in red, 32 x 32 (with a white rim) and
16 x 16, 256 colours. arrow.cur and hand.cur: 32 x 32 monochrome cursors with a transparency mask.
"""
import math
import struct
import sys
from pathlib import Path

BLUE = (51, 0, 153)
RED = (255, 51, 102)
WHITE = (255, 255, 255)
PALETTE = [(0, 0, 0), BLUE, RED, WHITE] + [(0, 0, 0)] * 252
TRANSPARENT, DISC, GLYPH, RIM = 0, 1, 2, 3

# 生 as strokes from (x, y) to (x, y) in a unit box.
GLYPH_STROKES = [
    ((0.30, 0.04), (0.10, 0.42)),
    ((0.20, 0.26), (0.86, 0.26)),
    ((0.52, 0.02), (0.52, 0.94)),
    ((0.22, 0.60), (0.82, 0.60)),
    ((0.04, 0.94), (0.96, 0.94)),
]


def distance_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def icon_pixels(size, rim):
    """Palette indices, top row first."""
    centre = size / 2
    radius = size / 2 - (0.5 if rim else 0)
    disc_radius = radius - (1.5 if rim else 0)
    box = size * 0.56
    origin = centre - box / 2
    stroke = max(1.0, size / 14)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            r = math.hypot(px - centre, py - centre)
            if r > radius:
                row.append(TRANSPARENT)
                continue
            if r > disc_radius:
                row.append(RIM)
                continue
            u, v = (px - origin) / box, (py - origin) / box
            on_glyph = any(distance_to_segment(u, v, a, b) * box <= stroke / 2 for a, b in GLYPH_STROKES)
            row.append(GLYPH if on_glyph else DISC)
        rows.append(row)
    return rows


def bit_rows(rows, is_set):
    """1 bit a pixel, bottom row first, each row padded to 4 bytes."""
    out = b""
    for row in reversed(rows):
        bits = bytearray((len(row) + 31) // 32 * 4)
        for x, p in enumerate(row):
            if is_set(p):
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return out


def icon_image(size, rim):
    rows = icon_pixels(size, rim)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor = b"".join(bytes(row) for row in reversed(rows))  # sizes are multiples of 4
    return header + palette + xor + bit_rows(rows, lambda p: p == TRANSPARENT)


def write_icon(path):
    images = [(32, icon_image(32, True)), (16, icon_image(16, False))]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    data += b"".join(image for _, image in images)
    path.write_bytes(data)


ARROW = [
    "B..........",
    "BB.........",
    "BWB........",
    "BWWB.......",
    "BWWWB......",
    "BWWWWB.....",
    "BWWWWWB....",
    "BWWWWWWB...",
    "BWWWWWWWB..",
    "BWWWWWWWWB.",
    "BWWWWWWWWWB",
    "BWWWWWWBBBB",
    "BWWWBWWB...",
    "BWWBBWWB...",
    "BWB..BWWB..",
    "BB...BWWB..",
    "B.....BWWB.",
    "......BBB..",
]

HAND = [
    "...BB.......",
    "..BWWB......",
    "..BWWB......",
    "..BWWB......",
    "..BWWBBB....",
    "..BWWBWWBBB.",
    "..BWWBWWBWWB",
    "BBBWWWWWBWWB",
    "BWBWWWWWWWWB",
    "BWWWWWWWWWWB",
    ".BWWWWWWWWWB",
    ".BWWWWWWWWWB",
    "..BWWWWWWWWB",
    "..BWWWWWWWB.",
    "...BWWWWWWB.",
    "...BWWWWWWB.",
    "....BWWWWB..",
    "....BBBBBB..",
]


def cursor_image(picture):
    """32 x 32, 1 bit per pixel: white is colour 1, black colour 0, '.' transparent."""
    rows = [["." for _ in range(32)] for _ in range(32)]
    for y, line in enumerate(picture):
        for x, c in enumerate(line):
            rows[y + 1][x + 1] = c
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("BBBB", 0, 0, 0, 0) + struct.pack("BBBB", 255, 255, 255, 0)
    xor = bit_rows(rows, lambda c: c == "W")
    return header + palette + xor + bit_rows(rows, lambda c: c == ".")


def write_cursor(path, picture, width, hot_spot):
    assert len(picture) == 18 and all(len(line) == width for line in picture)
    image = cursor_image(picture)
    data = struct.pack("<HHH", 0, 2, 1)
    data += struct.pack("<BBBBHHII", 32, 32, 0, 0, hot_spot[0], hot_spot[1], len(image), 22)
    path.write_bytes(data + image)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_icon(out / "mainframe.ico")
    write_cursor(out / "arrow.cur", ARROW, 11, (2, 1))
    write_cursor(out / "hand.cur", HAND, 12, (5, 1))


if __name__ == "__main__":
    main()
