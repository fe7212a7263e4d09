#!/usr/bin/env python3
"""Draws the program icon (resource 1) and writes it as an .ico file.

The design lives on a 256-unit square: a rounded square in the rim colour,
a rounded face inset by the rim, and a white cross on the face. Each image
size is drawn directly at its own resolution: a pixel's colour comes from the
exact area each shape covers, so edges are anti-aliased and the output is
the same on every run.

Usage: make_icon.py OUTPUT.ico
"""

import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
DESIGN = 256

RIM_RGB = (0, 116, 158)
FACE_RGB = (0, 140, 182)
CROSS_RGB = (255, 255, 255)

# 16 units keeps a full rim pixel even at 16 px.
RIM_WIDTH = 16
OUTER_RADIUS = 48
INNER_RADIUS = OUTER_RADIUS - RIM_WIDTH

# The cross spans units 62..193 (132 wide); each arm is 42 wide.
CROSS_LOW, CROSS_HIGH = 62, 194
ARM_LOW, ARM_HIGH = 107, 149

# Subsamples per axis, used only where a pixel straddles a corner arc.
ARC_SAMPLES = 16


def overlap(a0, a1, b0, b1):
    return max(0.0, min(a1, b1) - max(a0, b0))


def rect_area(px0, py0, px1, py1, rect):
    x0, y0, x1, y1 = rect
    return overlap(px0, px1, x0, x1) * overlap(py0, py1, y0, y1)


def outside_arc_area(qx0, qy0, qx1, qy1, cx, cy, r):
    """Area of box q lying outside the circle (cx, cy, r)."""
    nx = min(max(cx, qx0), qx1) - cx
    ny = min(max(cy, qy0), qy1) - cy
    if nx * nx + ny * ny >= r * r:
        return (qx1 - qx0) * (qy1 - qy0)
    fx = max(abs(qx0 - cx), abs(qx1 - cx))
    fy = max(abs(qy0 - cy), abs(qy1 - cy))
    if fx * fx + fy * fy <= r * r:
        return 0.0
    outside = 0
    step_x = (qx1 - qx0) / ARC_SAMPLES
    step_y = (qy1 - qy0) / ARC_SAMPLES
    for j in range(ARC_SAMPLES):
        dy = qy0 + (j + 0.5) * step_y - cy
        for i in range(ARC_SAMPLES):
            dx = qx0 + (i + 0.5) * step_x - cx
            if dx * dx + dy * dy > r * r:
                outside += 1
    return (qx1 - qx0) * (qy1 - qy0) * outside / (ARC_SAMPLES * ARC_SAMPLES)


def rounded_rect_area(px0, py0, px1, py1, rect, r):
    """Area of pixel box p covered by a rectangle with corners of radius r."""
    area = rect_area(px0, py0, px1, py1, rect)
    if area == 0.0:
        return 0.0
    x0, y0, x1, y1 = rect
    corners = (
        (x0, y0, x0 + r, y0 + r, x0 + r, y0 + r),
        (x1 - r, y0, x1, y0 + r, x1 - r, y0 + r),
        (x0, y1 - r, x0 + r, y1, x0 + r, y1 - r),
        (x1 - r, y1 - r, x1, y1, x1 - r, y1 - r),
    )
    for bx0, by0, bx1, by1, cx, cy in corners:
        qx0, qy0 = max(px0, bx0), max(py0, by0)
        qx1, qy1 = min(px1, bx1), min(py1, by1)
        if qx0 < qx1 and qy0 < qy1:
            area -= outside_arc_area(qx0, qy0, qx1, qy1, cx, cy, r)
    return max(0.0, area)


def channel(value):
    return min(255, max(0, int(value + 0.5)))


def draw(size):
    """RGBA rows of the design at size x size pixels."""
    s = size / DESIGN  # exact: DESIGN is a power of two
    outer = (0.0, 0.0, float(size), float(size))
    face = (RIM_WIDTH * s, RIM_WIDTH * s, size - RIM_WIDTH * s, size - RIM_WIDTH * s)
    vertical = (ARM_LOW * s, CROSS_LOW * s, ARM_HIGH * s, CROSS_HIGH * s)
    horizontal = (CROSS_LOW * s, ARM_LOW * s, CROSS_HIGH * s, ARM_HIGH * s)
    centre = (ARM_LOW * s, ARM_LOW * s, ARM_HIGH * s, ARM_HIGH * s)
    r_out, r_in = OUTER_RADIUS * s, INNER_RADIUS * s

    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            box = (float(x), float(y), x + 1.0, y + 1.0)
            a_outer = rounded_rect_area(*box, outer, r_out)
            if a_outer == 0.0:
                row += b"\0\0\0\0"
                continue
            a_face = rounded_rect_area(*box, face, r_in)
            a_cross = rect_area(*box, vertical) + rect_area(*box, horizontal) - rect_area(*box, centre)
            # The shapes nest, so each colour owns the area its inner neighbour leaves.
            weights = (a_outer - a_face, a_face - a_cross, a_cross)
            colours = (RIM_RGB, FACE_RGB, CROSS_RGB)
            for c in range(3):
                premultiplied = sum(w * rgb[c] for w, rgb in zip(weights, colours))
                row.append(channel(premultiplied / a_outer))
            row.append(channel(a_outer * 255.0))
        rows.append(bytes(row))
    return rows


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(kind, row, prior, bpp=4):
    out = bytearray(len(row))
    for i, value in enumerate(row):
        a = row[i - bpp] if i >= bpp else 0
        b = prior[i]
        c = prior[i - bpp] if i >= bpp else 0
        predictor = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
        out[i] = (value - predictor) & 0xFF
    return bytes(out)


def encode_png(size, rows):
    """PNG, 8-bit RGBA; each row takes the filter with the smallest signed sum."""
    raw = bytearray()
    prior = bytes(size * 4)
    for row in rows:
        best = None
        for kind in range(5):
            filtered = filter_row(kind, row, prior)
            cost = sum(v if v < 128 else 256 - v for v in filtered)
            if best is None or cost < best[0]:
                best = (cost, kind, filtered)
        raw.append(best[1])
        raw += best[2]
        prior = row

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


def encode_ico(images):
    """An icon directory of (size, png) pairs, images following in order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, png in images:
        dim = size if size < 256 else 0  # 0 stands for 256
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    for _, png in images:
        out += png
    return out


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icon.py OUTPUT.ico\n")
        return 2
    images = [(size, encode_png(size, draw(size))) for size in SIZES]
    with open(argv[1], "wb") as f:
        f.write(encode_ico(images))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
