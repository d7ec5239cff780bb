#!/usr/bin/env python3
"""Writes the sample stereo pair in samples/: a soft synthetic scene seen by two eyes.

Objects nearer than the screen are shifted apart between the eyes by a few pixels (ordinary disparity);
edges are soft so that the scene is comfortable to fuse. Deterministic: running it again gives the same
files.
"""
import math
import struct
import sys
from pathlib import Path

WIDTH, HEIGHT = 640, 480

# (centre x, centre y, radius, colour, disparity in pixels)
DISCS = [
    (200, 220, 70, (200, 60, 50), 2),
    (420, 160, 55, (60, 120, 200), 1),
    (470, 330, 80, (230, 200, 70), 3),
    (120, 380, 40, (90, 180, 90), 2),
]


def background(x, y):
    t = y / (HEIGHT - 1)
    sky = (110 + 60 * t, 150 + 40 * t, 210 - 30 * t)
    ground = (120 - 30 * t, 140 - 20 * t, 90 - 20 * t)
    mix = min(max((y - 280) / 40.0, 0.0), 1.0)
    return tuple(s * (1 - mix) + g * mix for s, g in zip(sky, ground))


def pixel(x, y, eye):
    colour = background(x, y)
    for cx, cy, r, disc_colour, disparity in DISCS:
        shifted = cx + (disparity / 2 if eye == 0 else -disparity / 2)
        d = math.hypot(x - shifted, y - cy)
        cover = min(max((r - d) / 6.0 + 0.5, 0.0), 1.0)
        shade = 0.85 + 0.15 * math.cos(d / r * math.pi / 2)
        colour = tuple(c * (1 - cover) + dc * shade * cover for c, dc in zip(colour, disc_colour))
    return tuple(int(round(min(max(c, 0), 255))) for c in colour)


def write_bmp(path, eye):
    pad = (4 - (3 * WIDTH) % 4) % 4
    rows = []
    for y in range(HEIGHT - 1, -1, -1):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(x, y, eye)
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * pad)
    data = b"".join(rows)
    header = b"BM" + struct.pack("<IHHIIiiHHIIiiII", 54 + len(data), 0, 0, 54, 40, WIDTH, HEIGHT, 1, 24, 0,
                                 0, 0, 0, 0, 0)
    Path(path).write_bytes(header + data)


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "samples")
    out.mkdir(parents=True, exist_ok=True)
    write_bmp(out / "left.bmp", 0)
    write_bmp(out / "right.bmp", 1)
