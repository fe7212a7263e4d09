#!/usr/bin/env python3
"""Every character of every wide text in the program sources must be in the
font the windows are drawn with, or it shows as a box.

Usage: check_font.py FONT.ttc|FONT.ttf SOURCE_DIR [SOURCE_DIR ...]
"""
import os
import re
import struct
import sys

TOKENS = re.compile(r'//[^\n]*|/\*.*?\*/|(L?)"((?:[^"\\\n]|\\.)*)"|\'(?:[^\'\\\n]|\\.)*\'', re.S)
ESCAPES = re.compile(r'\\(x[0-9A-Fa-f]+|u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8}|[0-7]{1,3}|.)')
SIMPLE = {'n': '\n', 'r': '\r', 't': '\t', '0': '\0', '\\': '\\', '"': '"', "'": "'", '?': '?', 'a': '\a',
          'b': '\b', 'f': '\f', 'v': '\v'}


def font_characters(path):
    """The code points of the first font's best Unicode cmap subtable."""
    data = open(path, 'rb').read()
    start = struct.unpack_from('>I', data, 12)[0] if data[:4] == b'ttcf' else 0
    tables = {}
    for i in range(struct.unpack_from('>H', data, start + 4)[0]):
        tag, _, offset, _ = struct.unpack_from('>4sIII', data, start + 12 + 16 * i)
        tables[tag] = offset
    cmap = tables[b'cmap']
    subtables = {}
    for i in range(struct.unpack_from('>H', data, cmap + 2)[0]):
        platform, encoding, offset = struct.unpack_from('>HHI', data, cmap + 4 + 8 * i)
        subtables[(platform, encoding)] = cmap + offset
    chars = set()
    if (3, 10) in subtables:  # format 12: groups of consecutive code points
        at = subtables[(3, 10)]
        for g in range(struct.unpack_from('>I', data, at + 12)[0]):
            first, last, glyph = struct.unpack_from('>III', data, at + 16 + 12 * g)
            chars.update(c for c in range(first, last + 1) if glyph + c - first != 0)
        return chars
    at = subtables[(3, 1)]  # format 4: segments of the basic plane
    segments = struct.unpack_from('>H', data, at + 6)[0] // 2
    ends = struct.unpack_from('>%dH' % segments, data, at + 14)
    starts = struct.unpack_from('>%dH' % segments, data, at + 16 + 2 * segments)
    deltas = struct.unpack_from('>%dh' % segments, data, at + 16 + 4 * segments)
    range_at = at + 16 + 6 * segments
    offsets = struct.unpack_from('>%dH' % segments, data, range_at)
    for s in range(segments):
        for c in range(starts[s], ends[s] + 1):
            if c == 0xFFFF:
                continue
            if offsets[s] == 0:
                glyph = (c + deltas[s]) & 0xFFFF
            else:
                glyph = struct.unpack_from('>H', data, range_at + 2 * s + offsets[s] + 2 * (c - starts[s]))[0]
                glyph = (glyph + deltas[s]) & 0xFFFF if glyph else 0
            if glyph:
                chars.add(c)
    return chars


def unescape(body):
    def one(m):
        e = m.group(1)
        if e[0] in 'xuU':
            return chr(int(e[1:], 16))
        if e[0] in '01234567' and e != '0':
            return chr(int(e, 8))
        return SIMPLE.get(e, e)
    return ESCAPES.sub(one, body)


def wide_texts(dirs):
    """(file, line, text) of every wide literal, comments left out."""
    for d in dirs:
        for name in sorted(os.listdir(d)):
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(d, name)
            source = open(path, encoding='utf-8').read()
            for m in TOKENS.finditer(source):
                if m.group(1) == 'L':
                    yield path, source.count('\n', 0, m.start()) + 1, unescape(m.group(2))


def main():
    font, dirs = sys.argv[1], sys.argv[2:]
    chars = font_characters(font)
    # A reader that lost the map would pass everything: the font lacks these two and has the third.
    if 0x2212 in chars or 0x2079 in chars or ord('中') not in chars:
        print('FAIL the character map of %s was not read as expected' % font)
        return 1
    missing, seen = [], set()
    for path, line, text in wide_texts(dirs):
        for c in text:
            seen.add(c)
            if ord(c) >= 0x20 and ord(c) not in chars:
                missing.append('%s:%d: U+%04X %s in "%s"' % (path, line, ord(c), c, text[:40]))
    print('%d distinct characters checked against %s' % (len(seen), os.path.basename(font)))
    for m in missing:
        print('FAIL ' + m)
    return 1 if missing or len(seen) < 500 else 0


if __name__ == '__main__':
    sys.exit(main())
