"""Reads the resource tree and the version block of a 64-bit PE file."""

import struct

RT_ICON = 3
RT_VERSION = 16
RT_GROUP_ICON = 14


class FormatError(Exception):
    pass


def _u16(data, at):
    if at + 2 > len(data):
        raise FormatError("truncated at %d" % at)
    return struct.unpack_from("<H", data, at)[0]


def _u32(data, at):
    if at + 4 > len(data):
        raise FormatError("truncated at %d" % at)
    return struct.unpack_from("<I", data, at)[0]


def _sections(data):
    if data[:2] != b"MZ":
        raise FormatError("no MZ header")
    pe = _u32(data, 0x3C)
    if data[pe : pe + 4] != b"PE\0\0":
        raise FormatError("no PE signature")
    machine, count = struct.unpack_from("<HH", data, pe + 4)
    optional_size = _u16(data, pe + 20)
    optional = pe + 24
    if machine != 0x8664 or _u16(data, optional) != 0x20B:
        raise FormatError("not a PE32+ x86-64 image")
    directories = optional + 112
    if _u32(data, optional + 108) <= 2:
        raise FormatError("no resource directory entry")
    resource_rva, resource_size = struct.unpack_from("<II", data, directories + 2 * 8)
    table = optional + optional_size
    sections = []
    for i in range(count):
        vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        sections.append((va, max(vsize, rawsize), rawptr, rawsize))
    return sections, resource_rva, resource_size


def _file_offset(sections, rva, length):
    for va, span, rawptr, rawsize in sections:
        if va <= rva and rva + length <= va + span:
            if rva - va + length > rawsize:
                raise FormatError("rva %#x lies past the section's file data" % rva)
            return rawptr + rva - va
    raise FormatError("rva %#x in no section" % rva)


def read_resources(path):
    """{(type, name, language): bytes}; string names come back as str, ids as int."""
    with open(path, "rb") as f:
        data = f.read()
    sections, rva, size = _sections(data)
    if rva == 0 or size == 0:
        return {}
    base = _file_offset(sections, rva, size)
    result = {}

    def entries(offset):
        named, ids = struct.unpack_from("<HH", data, base + offset + 12)
        for i in range(named + ids):
            ident, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
            if ident & 0x80000000:
                at = base + (ident & 0x7FFFFFFF)
                length = _u16(data, at)
                ident = data[at + 2 : at + 2 + 2 * length].decode("utf-16-le")
            yield ident, target

    def walk(offset, path, depth):
        if depth > 3:
            raise FormatError("resource tree deeper than three levels")
        for ident, target in entries(offset):
            key = path + (ident,)
            if target & 0x80000000:
                walk(target & 0x7FFFFFFF, key, depth + 1)
            else:
                data_rva, data_size = struct.unpack_from("<II", data, base + target)
                at = _file_offset(sections, data_rva, data_size)
                result[key] = data[at : at + data_size]

    walk(0, (), 1)
    for key in result:
        if len(key) != 3:
            raise FormatError("resource leaf at depth %d" % len(key))
    return result


def find(resources, rtype, name):
    """The one (language, bytes) of a resource, or None."""
    hits = [(k[2], v) for k, v in resources.items() if k[0] == rtype and k[1] == name]
    if len(hits) > 1:
        raise FormatError("resource %r/%r present in %d languages" % (rtype, name, len(hits)))
    return hits[0] if hits else None


def _align(n):
    return (n + 3) & ~3


def _version_node(data, at):
    """(key, value bytes, value type, children, end) of one version-block node."""
    length, value_length, vtype = struct.unpack_from("<HHH", data, at)
    end = at + length
    if length < 6 or end > len(data):
        raise FormatError("version node at %d overruns its block" % at)
    key_at = at + 6
    key_end = key_at
    while _u16(data, key_end) != 0:
        key_end += 2
    key = data[key_at:key_end].decode("utf-16-le")
    value_at = _align(key_end + 2)
    # Text values count UTF-16 units, binary ones bytes.
    value_bytes = value_length * 2 if vtype == 1 else value_length
    value = data[value_at : min(value_at + value_bytes, end)]
    child = _align(value_at + value_bytes)
    children = []
    while child < end:
        node = _version_node(data, child)
        children.append(node)
        child = _align(node[4])
    return key, value, vtype, children, end


def parse_version(block):
    """{'fixed': (file MS, file LS, product MS, product LS, flags mask, flags, os, type),
    'strings': {table: {name: text}}, 'translations': [(language, code page)]}."""
    key, value, _, children, _ = _version_node(block, 0)
    if key != "VS_VERSION_INFO":
        raise FormatError("root key %r" % key)
    if len(value) != 52:
        raise FormatError("fixed file info of %d bytes" % len(value))
    fixed = struct.unpack("<13I", value)
    if fixed[0] != 0xFEEF04BD:
        raise FormatError("fixed file info signature %#x" % fixed[0])
    info = {"fixed": fixed[2:10], "strings": {}, "translations": []}
    for ckey, _, _, grandchildren, _ in children:
        if ckey == "StringFileInfo":
            for table, _, _, strings, _ in grandchildren:
                info["strings"][table] = {
                    name: text.decode("utf-16-le").rstrip("\0") for name, text, _, _, _ in strings
                }
        elif ckey == "VarFileInfo":
            for vkey, vvalue, _, _, _ in grandchildren:
                if vkey == "Translation":
                    for i in range(0, len(vvalue) - 3, 4):
                        info["translations"].append(struct.unpack_from("<HH", vvalue, i))
    return info
