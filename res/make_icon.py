#!/usr/bin/env python3
"""Draws the program's icon and writes it as res/quillet.ico.

A 32x32 picture in the standard 16-colour palette, fully opaque: a navy square with a black
frame, and on it a silver disc with rainbow streaks and a black-ringed navy centre hole.
Run it again after changing the geometry; the output is the same on every run.
"""

import math
import struct
import sys
from pathlib import Path

SIZE = 32

# The standard 16-colour palette, in its usual order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, SILVER, GRAY = 0, 4, 7, 8
RED, GREEN, YELLOW, BLUE, CYAN = 9, 10, 11, 12, 14

CENTRE = (SIZE - 1) / 2
DISC_RADIUS = 13.6
RING_RADIUS = 4.6  # outer edge of the black ring
HOLE_RADIUS = 2.9  # the navy hole inside the ring

# Streaks run diagonally, from lower left to upper right, in rainbow order. Each is a band of
# the given width at a signed distance from the diagonal through the centre.
STREAKS = [(RED, -6.6), (YELLOW, -5.0), (GREEN, -3.4), (CYAN, 3.4), (BLUE, 5.0)]
STREAK_WIDTH = 1.6


def colour_at(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return BLACK
    dx, dy = x - CENTRE, y - CENTRE
    r = math.hypot(dx, dy)
    if r > DISC_RADIUS:
        return NAVY
    if r <= HOLE_RADIUS:
        return NAVY
    if r <= RING_RADIUS:
        return BLACK
    if r > DISC_RADIUS - 1:
        return GRAY  # a darker rim, so the disc reads as round against the navy
    across = (dx + dy) / math.sqrt(2)
    for colour, offset in STREAKS:
        if abs(across - offset) < STREAK_WIDTH / 2:
            return colour
    return SILVER


def icon_bytes():
    rows = [[colour_at(x, y) for x in range(SIZE)] for y in range(SIZE)]
    # Bitmaps are stored bottom row first; two pixels to a byte, the left one in the high nibble.
    xor_mask = b"".join(
        bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2)) for row in reversed(rows)
    )
    and_mask = bytes(SIZE * SIZE // 8)  # all zero: every pixel is opaque
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    # The height counts both masks, as an icon's bitmap header requires.
    header = struct.pack(
        "<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor_mask) + len(and_mask), 0, 0, 0, 0
    )
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("quillet.ico")
    out.write_bytes(icon_bytes())


if __name__ == "__main__":
    main()
