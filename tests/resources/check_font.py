#!/usr/bin/env python3
"""Every character of every wide text in the program sources must be in the
font the windows are drawn with, or it shows as a box.

Usage: check_font.py FONT.ttc SOURCE_DIR [SOURCE_DIR ...]
"""
import os
import re
import struct
import sys

# Comments and narrow texts are matched too, so that only wide texts outside comments count.
TOKENS = re.compile(r'//[^\n]*|/\*.*?\*/|(L?)"((?:[^"\\\n]|\\.)*)"', re.S)


def font_characters(path):
    """The code points of the first font's full Unicode map (platform 3, encoding 10, format 12)."""
    data = open(path, 'rb').read()
    start = struct.unpack_from('>I', data, 12)[0] if data[:4] == b'ttcf' else 0
    tables = dict(struct.unpack_from('>4s4xI4x', data, start + 12 + 16 * i)
                  for i in range(struct.unpack_from('>H', data, start + 4)[0]))
    cmap = tables[b'cmap']
    for i in range(struct.unpack_from('>H', data, cmap + 2)[0]):
        platform, encoding, offset = struct.unpack_from('>HHI', data, cmap + 4 + 8 * i)
        if (platform, encoding) == (3, 10):
            at = cmap + offset
            groups = (struct.unpack_from('>III', data, at + 16 + 12 * g)
                      for g in range(struct.unpack_from('>I', data, at + 12)[0]))
            return {c for first, last, _ in groups for c in range(first, last + 1)}
    return set()


def main():
    chars = font_characters(sys.argv[1])
    # A reader that lost the map would pass everything: the font lacks the first two and has the third.
    if 0x2212 in chars or 0x2079 in chars or ord('中') not in chars:
        print('FAIL the character map of %s was not read as expected' % sys.argv[1])
        return 1
    missing, seen = [], set()
    for folder in sys.argv[2:]:
        for name in sorted(n for n in os.listdir(folder) if n.endswith(('.cpp', '.h'))):
            source = open(os.path.join(folder, name), encoding='utf-8').read()
            for m in TOKENS.finditer(source):
                if m.group(1) != 'L':
                    continue
                text = re.sub(r'\\(x[0-9A-Fa-f]+|u[0-9A-Fa-f]{4})', lambda e: chr(int(e.group(1)[1:], 16)),
                              re.sub(r'\\[rnt0\\"]', ' ', m.group(2)))
                seen.update(text)
                missing += ['%s/%s:%d: U+%04X in "%s"' % (folder, name, source.count('\n', 0, m.start()) + 1,
                                                          ord(c), text[:40]) for c in text if ord(c) not in chars]
    print('%d distinct characters checked against %s' % (len(seen), os.path.basename(sys.argv[1])))
    for line in missing:
        print('FAIL ' + line)
    return 1 if missing or len(seen) < 500 else 0


if __name__ == '__main__':
    sys.exit(main())
