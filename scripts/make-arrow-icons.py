#!/usr/bin/env python3
"""Draws the three arrow icons of the program (up, down, left) as 48 x 48 PNG files with an
anti-aliased filled arrow on a transparent background. Run once; the PNGs are kept in
resources/ and built into the program."""
import struct
import sys
import zlib
from pathlib import Path

SIZE = 48
COLOUR = (40, 90, 160)


def arrow_polygon():
    # An arrow pointing up: a triangle head over a shaft, in 0..1 coordinates.
    return [(0.5, 0.08), (0.92, 0.52), (0.66, 0.52), (0.66, 0.92), (0.34, 0.92), (0.34, 0.52),
            (0.08, 0.52)]


def inside(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def render(transform):
    poly = [transform(p) for p in arrow_polygon()]
    rows = []
    samples = 4
    for py in range(SIZE):
        row = bytearray([0])  # filter type 0
        for px in range(SIZE):
            cover = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / SIZE
                    y = (py + (sy + 0.5) / samples) / SIZE
                    cover += inside(poly, x, y)
            alpha = round(255 * cover / (samples * samples))
            row += bytes(COLOUR) + bytes([alpha])
        rows.append(bytes(row))
    return b"".join(rows)


def png(raw):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "resources")
    out.mkdir(parents=True, exist_ok=True)
    shapes = {
        "arrow-up-icon.png": lambda p: p,
        "arrow-down-icon.png": lambda p: (p[0], 1 - p[1]),
        "arrow-left-icon.png": lambda p: (p[1], p[0]),
    }
    for name, transform in shapes.items():
        (out / name).write_bytes(png(render(transform)))


if __name__ == "__main__":
    main()
