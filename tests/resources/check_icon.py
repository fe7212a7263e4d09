#!/usr/bin/env python3
"""Checks the program icon: the .ico file, and with --exe the icon group 1 of
the built program, which must carry the same images.

Every pixel is classified by its square in the 256-unit design: wholly in one
shape, it must have exactly that shape's colour; straddling shapes, its colour
must lie between theirs. The cross span and arm width are checked literally
at 256 px.

Usage: check_icon.py ICO [--generator make_icon.py] [--exe PROGRAM.exe]
"""

import argparse
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

import pe_resources

SIZES = (16, 24, 32, 48, 64, 128, 256)
DESIGN = 256.0

TRANSPARENT = None
RIM = (0, 116, 158)
FACE = (0, 140, 182)
WHITE = (255, 255, 255)

# The icon's own geometry (design units): rim width and corner radii.
RIM_WIDTH = 16.0
OUTER_RADIUS = 48.0
INNER_RADIUS = OUTER_RADIUS - RIM_WIDTH
# Cross over 62..193 inclusive, arms 42 wide over 107..148.
VERTICAL_ARM = (107.0, 62.0, 149.0, 194.0)
HORIZONTAL_ARM = (62.0, 107.0, 194.0, 149.0)

# Literal pixels of the 256 image: (x, y, expected colour).
LITERAL_256 = (
    [(0, 0, TRANSPARENT), (255, 0, TRANSPARENT), (0, 255, TRANSPARENT), (255, 255, TRANSPARENT)]
    + [(128, 4, RIM), (4, 128, RIM), (251, 128, RIM), (128, 251, RIM)]
    + [(40, 40, FACE), (40, 128, FACE), (215, 128, FACE), (128, 215, FACE)]
    # centre row and column: white over 62..193, face just beyond
    + [(x, 127, WHITE) for x in range(62, 194)]
    + [(127, y, WHITE) for y in range(62, 194)]
    + [(61, 127, FACE), (194, 127, FACE), (127, 61, FACE), (127, 194, FACE)]
    # across each arm away from the centre: exactly 42 pixels of white
    + [(x, 70, WHITE) for x in range(107, 149)]
    + [(106, 70, FACE), (149, 70, FACE), (106, 185, FACE), (149, 185, FACE)]
    + [(70, y, WHITE) for y in range(107, 149)]
    + [(70, 106, FACE), (70, 149, FACE), (185, 106, FACE), (185, 149, FACE)]
)


class Failures:
    def __init__(self):
        self.messages = []

    def add(self, text):
        if len(self.messages) < 40:
            self.messages.append(text)
        elif len(self.messages) == 40:
            self.messages.append("... further failures not shown")


def decode_png(data, size, fail, where):
    """The RGBA rows of an 8-bit RGBA PNG, or None."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail.add("%s: no PNG signature" % where)
        return None
    at, chunks = 8, []
    while at + 12 <= len(data):
        length = struct.unpack_from(">I", data, at)[0]
        tag = data[at + 4 : at + 8]
        body = data[at + 8 : at + 8 + length]
        crc = struct.unpack_from(">I", data, at + 8 + length)[0] if at + 12 + length <= len(data) else None
        if crc != zlib.crc32(tag + body):
            fail.add("%s: chunk %r has a bad CRC" % (where, tag))
            return None
        chunks.append((tag, body))
        at += 12 + length
    tags = [t for t, _ in chunks]
    if not tags or tags[0] != b"IHDR" or tags[-1] != b"IEND" or at != len(data):
        fail.add("%s: chunk order %r" % (where, tags))
        return None
    width, height, depth, colour, method, filtering, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (width, height) != (size, size):
        fail.add("%s: PNG is %dx%d" % (where, width, height))
        return None
    if (depth, colour, method, filtering, interlace) != (8, 6, 0, 0, 0):
        fail.add("%s: not 8-bit non-interlaced RGBA (depth %d, colour type %d)" % (where, depth, colour))
        return None
    raw = zlib.decompress(b"".join(body for tag, body in chunks if tag == b"IDAT"))
    stride = size * 4
    if len(raw) != size * (stride + 1):
        fail.add("%s: %d bytes of image data" % (where, len(raw)))
        return None
    rows, prior = [], bytearray(stride)
    for y in range(size):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1 : (y + 1) * (stride + 1)])
        if kind > 4:
            fail.add("%s: row %d has filter %d" % (where, y, kind))
            return None
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prior[i]
            c = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append(bytes(line))
        prior = line
    return rows


def box_distance(square, core):
    dx = max(0.0, core[0] - square[2], square[0] - core[2])
    dy = max(0.0, core[1] - square[3], square[1] - core[3])
    return math.hypot(dx, dy)


def relation(square, rect, radius):
    """'in', 'out' or 'edge' of a square against a rectangle with corners of radius > 0."""
    core = (rect[0] + radius, rect[1] + radius, rect[2] - radius, rect[3] - radius)
    if box_distance(square, core) >= radius:
        return "out"
    corners = [(square[i], square[j], square[i], square[j]) for i in (0, 2) for j in (1, 3)]
    if all(box_distance(p, core) <= radius for p in corners):
        return "in"
    return "edge"


def rect_relation(square, rect):
    width = min(square[2], rect[2]) - max(square[0], rect[0])
    height = min(square[3], rect[3]) - max(square[1], rect[1])
    if width <= 0 or height <= 0:
        return "out"
    if rect[0] <= square[0] and square[2] <= rect[2] and rect[1] <= square[1] and square[3] <= rect[3]:
        return "in"
    return "edge"


def expected_colours(square):
    """(colours a pixel may show, whether it is opaque), or None when it is transparent."""
    outer = relation(square, (0.0, 0.0, DESIGN, DESIGN), OUTER_RADIUS)
    if outer == "out":
        return None
    inset = (RIM_WIDTH, RIM_WIDTH, DESIGN - RIM_WIDTH, DESIGN - RIM_WIDTH)
    face = relation(square, inset, INNER_RADIUS)
    arms = [rect_relation(square, VERTICAL_ARM), rect_relation(square, HORIZONTAL_ARM)]
    cross = "in" if "in" in arms else "out" if arms == ["out", "out"] else "edge"
    shown = []
    if face != "in":
        shown.append(RIM)
    if face != "out" and cross != "in":
        shown.append(FACE)
    if cross != "out":
        shown.append(WHITE)
    return shown, outer == "in"


def check_design(size, rows, fail, where):
    scale = DESIGN / size
    pure = {RIM: 0, FACE: 0, WHITE: 0}
    for y in range(size):
        for x in range(size):
            pixel = rows[y][4 * x : 4 * x + 4]
            square = (x * scale, y * scale, (x + 1) * scale, (y + 1) * scale)
            expected = expected_colours(square)
            if expected is None:
                if pixel[3] != 0:
                    fail.add("%s: pixel (%d,%d) alpha %d outside the square" % (where, x, y, pixel[3]))
                continue
            shown, opaque = expected
            if opaque and pixel[3] != 255:
                fail.add("%s: pixel (%d,%d) alpha %d inside the rounded square" % (where, x, y, pixel[3]))
            if pixel[3] == 0:
                continue
            if len(shown) == 1:
                pure[shown[0]] += 1
            for c in range(3):
                low = min(colour[c] for colour in shown)
                high = max(colour[c] for colour in shown)
                if not low <= pixel[c] <= high:
                    fail.add(
                        "%s: pixel (%d,%d) is %r, expected %s"
                        % (where, x, y, tuple(pixel), " or between ".join(map(str, shown)))
                    )
                    break
    for colour, count in pure.items():
        if count == 0:
            fail.add("%s: no pixel shows %r alone" % (where, colour))
    if rows[0][3] == 255:
        fail.add("%s: corner pixel is opaque" % where)


def check_literal_256(rows, fail, where):
    for x, y, colour in LITERAL_256:
        pixel = tuple(rows[y][4 * x : 4 * x + 4])
        ok = pixel[3] == 0 if colour is TRANSPARENT else pixel == colour + (255,)
        if not ok:
            fail.add("%s: pixel (%d,%d) is %r, expected %s" % (where, x, y, pixel, colour or "transparent"))


def check_image(size, png, fail, where):
    rows = decode_png(png, size, fail, where)
    if rows is None:
        return
    check_design(size, rows, fail, where)
    if size == 256:
        check_literal_256(rows, fail, where)


def read_ico(data, fail):
    """{size: png bytes} of the icon directory."""
    if len(data) < 6:
        fail.add("ico: %d bytes" % len(data))
        return {}
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind) != (0, 1):
        fail.add("ico: header %d/%d is not an icon" % (reserved, kind))
    images, spans = {}, []
    for i in range(count):
        at = 6 + 16 * i
        if at + 16 > len(data):
            fail.add("ico: directory truncated")
            break
        width, height, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, at)
        size = width or 256
        where = "ico entry %d" % i
        if (height or 256) != size or colours != 0 or planes != 1 or bits != 32:
            fail.add(
                "%s: %dx%d, %d colours, %d planes, %d bits" % (where, width, height, colours, planes, bits)
            )
        if offset < 6 + 16 * count or offset + length > len(data):
            fail.add("%s: image at %d+%d outside the file" % (where, offset, length))
            continue
        if size in images:
            fail.add("%s: second %d px image" % (where, size))
        images[size] = data[offset : offset + length]
        spans.append((offset, offset + length))
    spans.sort()
    if any(a[1] > b[0] for a, b in zip(spans, spans[1:])):
        fail.add("ico: images overlap")
    if count != len(SIZES) or sorted(images) != list(SIZES):
        fail.add("ico: %d images of sizes %r" % (count, sorted(images)))
    return images


def check_exe(path, ico_images, fail):
    resources = pe_resources.read_resources(path)
    group = pe_resources.find(resources, pe_resources.RT_GROUP_ICON, 1)
    if group is None:
        fail.add("exe: no icon group resource 1")
        return
    data = group[1]
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind, count) != (0, 1, len(SIZES)) or len(data) != 6 + 14 * count:
        fail.add("exe: icon group header %d/%d/%d, %d bytes" % (reserved, kind, count, len(data)))
        return
    seen = []
    for i in range(count):
        width, height, _, _, planes, bits, length, ident = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        size = width or 256
        where = "exe icon %d (%d px)" % (ident, size)
        image = pe_resources.find(resources, pe_resources.RT_ICON, ident)
        if image is None:
            fail.add("%s: missing" % where)
            continue
        if (height or 256) != size or planes != 1 or bits != 32 or length != len(image[1]):
            fail.add(
                "%s: group entry %dx%d, %d planes, %d bits, %d bytes"
                % (where, width, height, planes, bits, length)
            )
        if image[1] != ico_images.get(size):
            fail.add("%s: differs from the icon file's image" % where)
        check_image(size, image[1], fail, where)
        seen.append(size)
    if sorted(seen) != list(SIZES):
        fail.add("exe: icon group holds sizes %r" % sorted(seen))


def check_regenerated(ico, generator, fail):
    with tempfile.TemporaryDirectory() as tmp:
        again = os.path.join(tmp, "again.ico")
        subprocess.run([sys.executable, generator, again], check=True)
        with open(again, "rb") as f:
            if f.read() != ico:
                fail.add("ico: a second run of the generator wrote different bytes")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("ico")
    parser.add_argument("--generator", help="re-run this generator and require identical bytes")
    parser.add_argument("--exe", help="also check the icon group 1 of this program")
    args = parser.parse_args()

    fail = Failures()
    with open(args.ico, "rb") as f:
        ico = f.read()
    images = read_ico(ico, fail)
    for size in sorted(images):
        check_image(size, images[size], fail, "ico %d px" % size)
    if args.generator:
        check_regenerated(ico, args.generator, fail)
    if args.exe:
        check_exe(args.exe, images, fail)

    if fail.messages:
        print("\n".join(fail.messages))
        return 1
    print("icon: %d images checked%s" % (len(images), " in the file and the program" if args.exe else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
