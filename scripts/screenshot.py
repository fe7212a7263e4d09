#!/usr/bin/env python3
"""Screenshots as PNG files, with the standard library alone.

  screenshot.py bmp IN.bmp OUT.png
      converts an uncompressed 24- or 32-bit BMP (as the window test writes).
  screenshot.py x11 OUT.png [--wait-width N] [--timeout S]
      grabs the X display named by DISPLAY (libX11 through ctypes). With
      --wait-width it waits until a mapped top-level window at least N pixels
      wide has been up and unchanged for a moment, and crops to that window.
"""
import ctypes
import ctypes.util
import struct
import sys
import time
import zlib


def write_png(path, width, height, rgb_rows):
    """rgb_rows: one bytes object of width * 3 bytes per row, top down."""
    raw = b"".join(b"\x00" + row for row in rgb_rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        out.write(chunk(b"IEND", b""))


def bgrx_to_rgb(row, step):
    out = bytearray(len(row) // step * 3)
    out[0::3] = row[2::step]
    out[1::3] = row[1::step]
    out[2::3] = row[0::step]
    return bytes(out)


def convert_bmp(source, target):
    data = open(source, "rb").read()
    if data[:2] != b"BM":
        sys.exit(f"{source}: not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression not in (0, 3):
        sys.exit(f"{source}: {bits}-bit BMP with compression {compression} is not handled")
    step = bits // 8
    stride = (width * step + 3) & ~3
    top_down = height < 0
    height = abs(height)
    rows = []
    for y in range(height):
        line = y if top_down else height - 1 - y
        start = offset + line * stride
        rows.append(bgrx_to_rgb(data[start:start + width * step], step))
    write_png(target, width, height, rows)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class X11:
    def __init__(self):
        name = ctypes.util.find_library("X11") or "libX11.so.6"
        x = ctypes.CDLL(name)
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XDestroyImage = None  # a macro in C: the images here live until exit
        self.x = x
        self.display = x.XOpenDisplay(None)
        if not self.display:
            sys.exit("cannot open the X display (DISPLAY unset?)")
        self.root = x.XDefaultRootWindow(self.display)
        attributes = XWindowAttributes()
        x.XGetWindowAttributes(self.display, self.root, ctypes.byref(attributes))
        self.width, self.height = attributes.width, attributes.height

    def top_windows(self):
        """(x, y, width, height) of every mapped child of the root window."""
        root_ret, parent_ret = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, self.root, ctypes.byref(root_ret), ctypes.byref(parent_ret),
                                 ctypes.byref(children), ctypes.byref(count)):
            return []
        found = []
        for i in range(count.value):
            a = XWindowAttributes()
            if self.x.XGetWindowAttributes(self.display, children[i], ctypes.byref(a)) and a.map_state == 2:
                found.append((a.x, a.y, a.width, a.height))
        if children:
            self.x.XFree(children)
        return found

    def grab(self, box):
        x0, y0, width, height = box
        image = self.x.XGetImage(self.display, self.root, x0, y0, width, height, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            sys.exit("XGetImage failed")
        img = image.contents
        if img.bits_per_pixel != 32:
            sys.exit(f"{img.bits_per_pixel}-bit X visual is not handled")
        data = ctypes.string_at(img.data, img.bytes_per_line * height)
        return [bgrx_to_rgb(data[y * img.bytes_per_line:y * img.bytes_per_line + width * 4], 4)
                for y in range(height)]


def clip(box, width, height):
    x0, y0, w, h = box
    x1, y1 = max(x0, 0), max(y0, 0)
    return (x1, y1, min(x0 + w, width) - x1, min(y0 + h, height) - y1)


def grab_x11(target, wait_width, timeout):
    x = X11()
    box = (0, 0, x.width, x.height)
    if wait_width:
        deadline = time.monotonic() + timeout
        previous = None
        while True:
            wide = [w for w in x.top_windows() if w[2] >= wait_width]
            if wide:
                box = clip(max(wide, key=lambda w: w[2] * w[3]), x.width, x.height)
                rows = x.grab(box)
                if rows == previous:  # painted and settled
                    break
                previous = rows
            if time.monotonic() > deadline:
                sys.exit(f"no window {wait_width} pixels wide appeared within {timeout} s")
            time.sleep(0.3)  # off the caret's blink period
    rows = x.grab(box)
    write_png(target, box[2], box[3], rows)


def main(argv):
    if len(argv) == 4 and argv[1] == "bmp":
        convert_bmp(argv[2], argv[3])
    elif len(argv) >= 3 and argv[1] == "x11":
        wait_width, timeout = 0, 60.0
        rest = argv[3:]
        while rest:
            if rest[0] == "--wait-width" and len(rest) > 1:
                wait_width = int(rest[1])
            elif rest[0] == "--timeout" and len(rest) > 1:
                timeout = float(rest[1])
            else:
                sys.exit(__doc__)
            rest = rest[2:]
        grab_x11(argv[2], wait_width, timeout)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
