#!/usr/bin/env python3
"""Checks what the built program brings along: only system and C-runtime DLLs,
at most 1 MiB, the icon group 1 and the version block with its Chinese texts.
With --copy, also the hand-out copy named as the version block records.

Usage: check_footprint.py --objdump OBJDUMP --exe PROGRAM.exe [--name TOOL_NAME] [--copy COPY.exe]
                          [--max-bytes N]
"""

import argparse
import os
import re
import subprocess
import sys

import pe_resources

MAX_BYTES = 1024 * 1024
SYSTEM_DLLS = {"user32.dll", "gdi32.dll", "shell32.dll", "kernel32.dll", "msvcrt.dll"}
UNIVERSAL_CRT = re.compile(r"^api-ms-win-crt-[a-z0-9-]+\.dll$")



def version_strings(name):
    """The fixed texts of the version block of the program carrying tool `name`."""
    return {
        "FileVersion": "1.0.0.0",
        "ProductVersion": "1.0.0.0",
        "ProductName": name,
        "FileDescription": name + " V1.0",
        "OriginalFilename": name + ".exe",
        "CompanyName": "Tavo 医疗软件",
    }


# Present and not empty; their wording is free.
FREE_STRINGS = ("InternalName", "LegalCopyright")
STRING_TABLE = "080404b0"
TRANSLATION = (0x0804, 1200)
LANG_CHINESE_SIMPLIFIED = 0x0804
VERSION_1000 = (0x00010000, 0x00000000)
VFT_APP = 1
VOS_NT_WINDOWS32 = 0x00040004


def imported_dlls(objdump, exe):
    listing = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    return [m.group(1) for m in re.finditer(r"^\s*DLL Name:\s*(\S+)\s*$", listing, re.MULTILINE)]


def check_imports(dlls, fail):
    if not dlls:
        fail.append("imports: no DLL at all (objdump output not understood?)")
    for dll in dlls:
        lower = dll.lower()
        if lower not in SYSTEM_DLLS and not UNIVERSAL_CRT.match(lower):
            fail.append("imports: %s is neither a system library nor the C runtime" % dll)
    if "kernel32.dll" not in [d.lower() for d in dlls]:
        fail.append("imports: KERNEL32.dll missing")


def check_version(resources, name, fail):
    found = pe_resources.find(resources, pe_resources.RT_VERSION, 1)
    if found is None:
        fail.append("version: no version resource 1")
        return None
    language, block = found
    if language != LANG_CHINESE_SIMPLIFIED:
        fail.append("version: resource language %#06x" % language)
    info = pe_resources.parse_version(block)
    file_ms, file_ls, product_ms, product_ls, _, flags, os_kind, file_type = info["fixed"]
    if (file_ms, file_ls) != VERSION_1000 or (product_ms, product_ls) != VERSION_1000:
        fail.append("version: fixed versions %#x.%#x / %#x.%#x" % (file_ms, file_ls, product_ms, product_ls))
    if flags != 0 or os_kind != VOS_NT_WINDOWS32 or file_type != VFT_APP:
        fail.append("version: flags %#x, os %#x, type %d" % (flags, os_kind, file_type))
    if list(info["strings"]) != [STRING_TABLE]:
        fail.append("version: string tables %r" % list(info["strings"]))
    strings = info["strings"].get(STRING_TABLE, {})
    for key, wanted in version_strings(name).items():
        if strings.get(key) != wanted:
            fail.append("version: %s is %r, expected %r" % (key, strings.get(key), wanted))
    for key in FREE_STRINGS:
        if not strings.get(key):
            fail.append("version: %s missing or empty" % key)
    if info["translations"] != [TRANSLATION]:
        fail.append("version: translations %r" % info["translations"])
    return strings


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--name", default="BMI 与体型判读", help="the name of the program's tool")
    parser.add_argument("--copy", help="the hand-out copy, named as the version block records")
    parser.add_argument("--max-bytes", type=int, default=MAX_BYTES)
    args = parser.parse_args()

    fail = []
    size = os.path.getsize(args.exe)
    if size > args.max_bytes:
        fail.append("size: %d bytes, more than %d" % (size, args.max_bytes))
    dlls = imported_dlls(args.objdump, args.exe)
    check_imports(dlls, fail)

    resources = pe_resources.read_resources(args.exe)
    group = pe_resources.find(resources, pe_resources.RT_GROUP_ICON, 1)
    if group is None:
        fail.append("resources: no icon group 1")
    elif group[0] != LANG_CHINESE_SIMPLIFIED:
        fail.append("resources: icon group language %#06x" % group[0])
    strings = check_version(resources, args.name, fail)

    if args.copy:
        if not os.path.isfile(args.copy):
            fail.append("copy: %s not built" % args.copy)
        else:
            with open(args.exe, "rb") as a, open(args.copy, "rb") as b:
                if a.read() != b.read():
                    fail.append("copy: %s differs from the program" % args.copy)
            if strings is not None and os.path.basename(args.copy) != strings.get("OriginalFilename"):
                fail.append("copy: named %r, the version block records %r"
                            % (os.path.basename(args.copy), strings.get("OriginalFilename")))

    if fail:
        print("\n".join(fail))
        return 1
    print("footprint: %d bytes; imports %s" % (size, ", ".join(dlls)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
