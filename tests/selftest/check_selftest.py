#!/usr/bin/env python3
"""Runs the built program's --selftest under Wine and compares the file byte for byte."""
import os
import shutil
import subprocess
import sys
import tempfile

EXPECTED = (
    "TOOL|119|BMI 与体型判读|营养评估\r\n"
    "LEVEL|0\r\n"
    "OUT|BMI|22.49|kg/m2\r\n"
    "OUT|理想体重|65.0|kg\r\n"
    "OUT|与理想体重差|0.0|%\r\n"
    "VERDICT|体重正常，保持均衡饮食与运动\r\n"
    "DETAIL|BMI：22.49 kg/m2 理想体重：65.0 kg 与理想体重差：0.0 % \r\n"
    "ERRORS|0\r\n"
).encode("utf-8")


def run(wine_run, exe, args, cwd):
    result = subprocess.run([wine_run, exe] + args, cwd=cwd, timeout=120,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return result.returncode


def main():
    wine_run, exe = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    assert len(EXPECTED) == 268, len(EXPECTED)
    failures = 0
    work = tempfile.mkdtemp(prefix="selftest-")
    try:
        cases = [
            (["--selftest", "out.txt"], "out.txt"),
            (["--selftest", "my report.txt"], "my report.txt"),  # Wine quotes an argument with a space
            (["--selftestglued.txt"], "glued.txt"),
            (["--selftest"], "selftest.txt"),
        ]
        for args, name in cases:
            path = os.path.join(work, name)
            code = run(wine_run, exe, args, work)
            data = open(path, "rb").read() if os.path.exists(path) else None
            ok = code == 0 and data == EXPECTED
            print(("ok  " if ok else "FAIL"), args, "->", name, "exit", code,
                  "bytes", None if data is None else len(data))
            failures += not ok
            if os.path.exists(path):
                os.remove(path)
        # A file that cannot be created: exit code 3.
        code = run(wine_run, exe, ["--selftest", "no-such-dir\\out.txt"], work)
        print(("ok  " if code == 3 else "FAIL"), "unwritable file -> exit", code)
        failures += code != 3
        print("first line hex:", EXPECTED.split(b"\r\n")[0].hex(" "))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
