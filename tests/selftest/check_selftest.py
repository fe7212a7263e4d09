#!/usr/bin/env python3
"""Runs every program's --selftest under Wine and compares each file byte for byte.

Usage: check_selftest.py WINE_RUN EXPECTED_DIR NUMBER=PROGRAM.exe [NUMBER=PROGRAM.exe ...]

EXPECTED_DIR holds <number>.txt per tool, one line per file line (written here
with CR LF). The follow-up tool's visit dates are today's: @VISITn@ stands for
today + 7 + 30 (n - 1) days.
"""
import concurrent.futures
import datetime
import os
import shutil
import subprocess
import sys
import tempfile

# Tool 119, run the ways a pipeline may ask; the others with the plain form.
COMMAND_LINES = [
    (["--selftest", "out.txt"], "out.txt"),
    (["--selftest", "my report.txt"], "my report.txt"),  # Wine quotes an argument with a space
    (["--selftestglued.txt"], "glued.txt"),
    (["--selftest"], "selftest.txt"),
]
WORKED_EXAMPLE_BYTES = 268


def expected_bytes(expected_dir, number, today):
    with open(os.path.join(expected_dir, "%s.txt" % number), encoding="utf-8") as f:
        text = f.read()
    for n in (1, 2, 3):
        visit = today + datetime.timedelta(days=7 + 30 * (n - 1))
        text = text.replace("@VISIT%d@" % n, visit.isoformat())
    return "".join(line + "\r\n" for line in text.split("\n")[:-1]).encode("utf-8")


def run(wine_run, exe, args, cwd, path):
    """Exit code and file bytes; a start that Wine failed (exit 1, no file) is retried once."""
    for _ in range(2):
        if os.path.exists(path):
            os.remove(path)
        code = subprocess.run([wine_run, exe] + args, cwd=cwd, timeout=120,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE).returncode
        data = open(path, "rb").read() if os.path.exists(path) else None
        if not (code == 1 and data is None):
            break
    return code, data


def check_program(wine_run, expected_dir, number, exe, work):
    """The report lines and the failure count of one program's runs."""
    report, failures = [], 0
    lines = COMMAND_LINES if number == "119" else COMMAND_LINES[:1]
    for args, name in lines:
        before = datetime.date.today()
        code, data = run(wine_run, exe, args, work, os.path.join(work, name))
        # A run across midnight may have used either date.
        wanted = {expected_bytes(expected_dir, number, day) for day in (before, datetime.date.today())}
        ok = code == 0 and data in wanted
        report.append("%s %s %s -> %s exit %s bytes %s" % ("ok  " if ok else "FAIL", number, args, name, code,
                                                            None if data is None else len(data)))
        if not ok and data is not None:
            report.append("  got:      %r" % data.decode("utf-8", "replace").splitlines())
            report.append("  expected: %r" % sorted(wanted)[0].decode("utf-8").splitlines())
        failures += not ok
    if number == "119":
        ok = len(expected_bytes(expected_dir, number, datetime.date.today())) == WORKED_EXAMPLE_BYTES
        report.append("%s 119's file is the 268-byte worked example" % ("ok  " if ok else "FAIL"))
        failures += not ok
        # A file that cannot be created: exit code 3.
        code, _ = run(wine_run, exe, ["--selftest", "no-such-dir\\out.txt"], work, os.path.join(work, "never"))
        report.append("%s unwritable file -> exit %s" % ("ok  " if code == 3 else "FAIL", code))
        failures += code != 3
    return report, failures


def main():
    wine_run = os.path.abspath(sys.argv[1])
    expected_dir = os.path.abspath(sys.argv[2])
    programs = [arg.split("=", 1) for arg in sys.argv[3:]]
    work = tempfile.mkdtemp(prefix="selftest-")
    try:
        jobs = []
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            for number, exe in programs:
                folder = os.path.join(work, number)
                os.mkdir(folder)
                jobs.append(pool.submit(check_program, wine_run, expected_dir, number, os.path.abspath(exe),
                                        folder))
        failures = 0
        for job in jobs:
            report, failed = job.result()
            print("\n".join(report))
            failures += failed
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d programs, %d failures" % (len(programs), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
