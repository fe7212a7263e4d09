#!/usr/bin/env python3
"""Saves records with record_log_generator in two runs, then reads the files
back with Python's csv module and checks every column of every record."""
import csv
import os
import re
import subprocess
import sys
import tempfile

# The same pieces, in the same order, as in record_log_generator.cpp.
PIECES = ["BMI：22.49 kg/m2\r\n", "理想体重：65.0 kg\r\n", "逗号,在中间", '引号"在"中间', '""', "\r\n",
          "\U0001F600", "a", "体重正常，保持均衡饮食与运动\r\n", "\n", "\r", ","]
BASES = [0.00001, 1234567.0, 170.0, 65.0, 1.75, -3.5, 1e20, 123456.0, 0.0001]
RUNS = [(0, 600), (600, 400)]
TOOLS = [
    ("T119.csv", "BMI 与体型判读", ["身高", "体重"]),
    ("T007.csv", '工具,"七"', ["身高, cm", '体重"kg"', "备注\r\n换行"]),
]


def cut_utf16(text, limit=8191):
    """The first `limit` UTF-16 units; a pair that does not fit whole is dropped."""
    units = 0
    for end, ch in enumerate(text):
        units += 2 if ord(ch) > 0xFFFF else 1
        if units > limit:
            return text[:end]
    return text


def expected_row(i, name, labels):
    report = "".join(PIECES[(i * 7 + k) % len(PIECES)] for k in range(i % 60 + 1))
    time = "2026-%02d-%02d %02d:%02d:%02d" % (1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60)
    values = ["%s=%g" % (label, BASES[(i + k) % len(BASES)] * (i + 1)) for k, label in enumerate(labels)]
    return [time, name] + values + [cut_utf16(report)]


def check(path, name, labels, total):
    with open(path, "rb") as f:
        raw = f.read()
    assert raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
    assert raw.count(b"\xef\xbb\xbf") == 1, "byte-order mark written twice"
    assert raw.endswith(b"\r\n"), "last record not ended by CR LF"
    if name == TOOLS[0][1]:
        assert raw.startswith("\ufeff时间,工具,身高,体重,结果\r\n".encode()), "header bytes differ"
    with open(path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f, strict=True))
    assert rows[0] == ["时间", "工具"] + labels + ["结果"], "header %r" % rows[0]
    assert len(rows) == total + 1, "%d records, expected %d" % (len(rows) - 1, total)
    for i, row in enumerate(rows[1:]):
        assert len(row) == len(labels) + 3, "record %d has %d columns" % (i, len(row))
        assert re.fullmatch(r"\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}", row[0]), "time %r" % row[0]
        expected = expected_row(i, name, labels)
        assert row == expected, "record %d:\n %r\n %r" % (i, row, expected)


def main():
    generator = sys.argv[1]
    emulator = sys.argv[2:]
    with tempfile.TemporaryDirectory(prefix="medtool-csv-") as root:
        local = os.path.join(root, "Local")
        folder = local
        if emulator:  # a Windows program under Wine: the same folder through drive Z:
            folder = "Z:" + local.replace("/", "\\")
        for first, count in RUNS:
            subprocess.run(emulator + [generator, folder, str(first), str(count)], check=True)
        total = sum(count for _, count in RUNS)
        for file_name, name, labels in TOOLS:
            check(os.path.join(local, "TavoMedSuite", "records", file_name), name, labels, total)
    print("ok: %d records per file read back" % total)


if __name__ == "__main__":
    main()
