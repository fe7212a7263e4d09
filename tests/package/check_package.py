#!/usr/bin/env python3
"""Checks what scripts/package.sh wrote: SHA256SUMS, the zip, the installer's
version block and icon; then, under Wine in a fresh prefix of its own, a
table of silent installs and the silent uninstall, the state each leaves,
every installed program's --selftest, and the users' record files untouched.
Usage: check_package.py <source folder> <Windows build folder> <Wine prefix>"""
import getpass
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

ROOT, BUILD, PREFIX = (os.path.abspath(a) for a in sys.argv[1:4])
DIST = os.path.join(ROOT, "build", "dist")
sys.path.insert(0, os.path.join(ROOT, "tests", "resources"))
import pe_resources  # noqa: E402

SUITE, GUIDE, LAUNCHER, REPORT = "TavoMedSuite", "使用说明", "临床计算工具箱", "验证报告"
UNINSTALL_KEY = r"HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall"
DEFAULT, OTHER = "C:\\Program Files\\" + SUITE, "C:\\医疗软件\\" + SUITE
MENU = os.path.join(PREFIX, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", SUITE)
# The all-users desktop, and the installing user's own, which gets nothing.
DESKTOPS = [os.path.join(PREFIX, "drive_c", "users", u, "Desktop") for u in ("Public", getpass.getuser())]
# A UTF-8 locale carries the Chinese names of the command lines into Wine.
ENV = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all", LC_ALL="C.UTF-8",
           WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
# (step, installer arguments or None for the silent uninstall, install folder after it)
STEPS = [
    ("first install", ["/S"], DEFAULT),
    ("second install over the first", ["/S"], DEFAULT),
    ("install to another folder", ["/S", "/D=" + OTHER], OTHER),
    ("silent uninstall", None, None),
]
results = []


def check(name, ok, detail=""):
    results.append(bool(ok))
    print(("ok   " if ok else "FAIL ") + name + ("" if ok else ": %s" % (detail,)), flush=True)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def wine(args, cwd=None):
    return subprocess.run(["wine"] + args, cwd=cwd, env=ENV, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, timeout=180)


def unix_path(windows_path):
    return os.path.join(PREFIX, "drive_c", *windows_path[3:].split("\\"))


def version_strings(path):
    info = pe_resources.parse_version(pe_resources.find(pe_resources.read_resources(path), 16, 1)[1])
    return info, next(iter(info["strings"].values()), {})


def icon_images(resources):
    """{size: image bytes} of the one icon group."""
    group = [v for k, v in resources.items() if k[0] == pe_resources.RT_GROUP_ICON]
    images = {}
    for i in range(struct.unpack_from("<H", group[0], 4)[0] if len(group) == 1 else 0):
        width, _, _, _, _, _, _, ident = struct.unpack_from("<BBBBHHIH", group[0], 6 + 14 * i)
        images[width or 256] = (pe_resources.find(resources, pe_resources.RT_ICON, ident) or (0, None))[1]
    return images


def suite_entries():
    """{subkey: {value: text or number}} of the 64-bit Uninstall key, DisplayName starting with the suite."""
    with tempfile.TemporaryDirectory() as tmp:
        wine(["regedit", "/E", "u.reg", UNINSTALL_KEY], cwd=tmp)
        text = read(os.path.join(tmp, "u.reg")).decode("utf-16") if os.path.exists(os.path.join(tmp, "u.reg")) else ""
    entries, current = {}, {}
    for line in text.splitlines():
        if line.startswith("["):
            current = entries.setdefault(line[len(UNINSTALL_KEY) + 2:-1], {})
        match = re.match(r'^"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-f]{8}))$', line)
        if match:
            name, text_value, dword = (re.sub(r"\\(.)", r"\1", g) if g else g for g in match.groups())
            current[name] = text_value if dword is None else int(dword, 16)
    return {k: v for k, v in entries.items() if str(v.get("DisplayName", "")).startswith(SUITE)}


def check_state(step, folder, programs, company, version):
    names = [LAUNCHER] + [name for _, name, _ in programs]
    folders = {f: sorted(os.listdir(unix_path(f))) for f in (DEFAULT, OTHER) if os.path.isdir(unix_path(f))}
    links = {n: read(os.path.join(MENU, n)) for n in os.listdir(MENU)} if os.path.isdir(MENU) else {}
    entries = suite_entries()
    desktop = [(d, read(os.path.join(d, LAUNCHER + ".lnk"))) for d in DESKTOPS
               if os.path.isfile(os.path.join(d, LAUNCHER + ".lnk"))]
    if folder is None:
        check(step + ": no program, shortcut or entry left",
              not folders and not links and not entries and not desktop, (folders, sorted(links), entries, [d for d, _ in desktop]))
        return
    check(step + ": one desktop shortcut, all users', to the launcher",
          [d for d, _ in desktop] == DESKTOPS[:1] and (LAUNCHER + ".exe").encode("utf-16-le") in desktop[0][1]
          and folder.split("\\")[1].encode("utf-16-le") in desktop[0][1], [d for d, _ in desktop])
    wanted = sorted([n + ".exe" for n in names] + [GUIDE + ".txt", REPORT + ".html", "uninstall.exe"])
    check(step + ": programs, guide, report and uninstaller, only in " + folder, folders == {folder: wanted}, folders)
    differ = [n for n in names if n + ".exe" in folders.get(folder, [])
              and read(unix_path(folder + "\\" + n + ".exe")) != read(os.path.join(BUILD, n + ".exe"))]
    check(step + ": the built programs", not differ, differ)
    targets = dict({n + ".lnk": n + ".exe" for n in names}, **{GUIDE + ".lnk": GUIDE + ".txt",
                                                              REPORT + ".lnk": REPORT + ".html"})
    check(step + ": all-users shortcuts, one per program, the guide and the report, into " + folder,
          sorted(links) == sorted(targets) and all(
              t.encode("utf-16-le") in links[k] and folder.split("\\")[1].encode("utf-16-le") in links[k]
              for k, t in targets.items()), sorted(links))
    entry = dict(entries.get(SUITE, {}))
    size = sum(os.path.getsize(unix_path(folder + "\\" + f)) for f in wanted if f in folders.get(folder, []))
    check(step + ": EstimatedSize in KB", abs(entry.pop("EstimatedSize", 0) * 1024 - size) < 8192, size)
    uninstaller = folder + "\\uninstall.exe"
    expected = {"DisplayName": SUITE + " 临床工具集", "DisplayVersion": version, "Publisher": company,
                "DisplayIcon": uninstaller + ",0", "InstallLocation": folder, "UninstallString": '"%s"' % uninstaller,
                "QuietUninstallString": '"%s" /S' % uninstaller, "NoModify": 1, "NoRepair": 1}
    check(step + ": one entry, key " + SUITE, list(entries) == [SUITE] and entry == expected, entries)
    check(step + ": none in the 32-bit view", wine(["reg", "query", UNINSTALL_KEY + "\\" + SUITE, "/reg:32"]).returncode)


def check_selftests(folder, programs):
    with tempfile.TemporaryDirectory() as work:
        for number, name, category in programs:
            out = os.path.join(work, number + ".txt")
            for _ in range(2):  # Wine has failed a start under load now and then
                code = wine([folder + "\\" + name + ".exe", "--selftest", number + ".txt"], cwd=work).returncode
                if code != 1 or os.path.exists(out):
                    break
            first = read(out).split(b"\r\n")[0].decode("utf-8", "replace") if os.path.exists(out) else None
            wanted = "TOOL|%s|%s|%s" % (number, name, category)
            check("selftest: exit 0, " + wanted, code == 0 and first == wanted, (code, first))


def make_records():
    """Record files of the user, and one where the all-users folder would hold them."""
    local = wine(["cmd", "/c", "echo", "%LOCALAPPDATA%"]).stdout.decode("utf-8", "replace").strip()
    records = {}
    for folder, number in ((local, "119"), (local, "206"), ("C:\\ProgramData", "201")):
        path = unix_path(folder + "\\TavoMedSuite\\records\\T%s.csv" % number)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(("\ufeff时间,工具,结果\r\n2024-05-01 08:00,T%s,\"结果\"\r\n" % number).encode())
        records[path] = (read(path), os.stat(path).st_mtime_ns)
    check("record files made under " + local, local.startswith("C:\\"), local)
    return records


def main():
    cache = read(os.path.join(BUILD, "CMakeCache.txt")).decode()
    version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.*)$", cache, re.M).group(1)
    setup, archive = "%s-%s-win64-setup.exe" % (SUITE, version), "%s-%s-win64.zip" % (SUITE, version)
    lines = read(os.path.join(ROOT, "build", "package", "programs.txt")).decode().splitlines()
    programs = [tuple(line.split("|")[:3]) for line in lines]
    listed = re.findall(r'^\s*"(\d+)\|', read(os.path.join(ROOT, "tools", "suite.cmake")).decode(), re.M)
    check("every program of the build list", [p[0] for p in programs] == listed and listed != [], programs)

    sums = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=DIST, stdout=subprocess.PIPE, text=True,
                          env=dict(os.environ, LC_ALL="C"))
    listed = [setup, archive, "tavomedsuite_%s_amd64.deb" % version, REPORT + ".html"]
    check("sha256sum -c SHA256SUMS, the installer, the zip, the Debian package and the report", sums.returncode == 0
          and sorted(sums.stdout.split()) == sorted([n + ":" for n in listed] + ["OK"] * 4), sums.stdout)
    names = [LAUNCHER + ".exe"] + [name + ".exe" for _, name, _ in programs] + [GUIDE + ".txt", REPORT + ".html"]
    with zipfile.ZipFile(os.path.join(DIST, archive)) as z:
        check("zip: the launcher, the programs, the guide and the report", [i.filename for i in z.infolist()] == names,
              z.namelist())
        check("zip: UTF-8 flag on every name", all(i.flag_bits & 0x800 for i in z.infolist()))
        check("zip: the built programs, the guide and the report",
              all(z.read(n) == read(os.path.join(BUILD, n)) for n in names[:-2])
              and all(z.read(n) == read(os.path.join(DIST, n)) for n in names[-2:]))
    guide = read(os.path.join(DIST, GUIDE + ".txt"))
    check("guide: byte-order mark, CR LF only",
          guide.startswith(b"\xef\xbb\xbf") and guide.count(b"\n") == guide.count(b"\r\n") == guide.count(b"\r"))

    info, ours = version_strings(os.path.join(DIST, setup))
    reference, theirs = version_strings(os.path.join(BUILD, names[1]))
    same = ("CompanyName", "LegalCopyright", "FileVersion", "ProductVersion")
    check("installer version block: the programs' fields and versions",
          sorted(ours) == sorted(theirs) and all(ours[k] == theirs[k] for k in same)
          and (ours["ProductName"], ours["OriginalFilename"]) == (SUITE, setup)
          and info["fixed"][:4] == reference["fixed"][:4] and info["translations"][0][0] == 0x804, ours)
    ico = read(os.path.join(BUILD, "resources", "medtool.ico"))
    images = {(ico[6 + 16 * i] or 256): ico[o: o + n] for i in range(struct.unpack_from("<H", ico, 4)[0])
              for n, o in [struct.unpack_from("<II", ico, 6 + 16 * i + 8)]}
    check("installer icon: the program icon",
          icon_images(pe_resources.read_resources(os.path.join(DIST, setup))) == images)

    shutil.rmtree(PREFIX, ignore_errors=True)
    if os.path.exists(PREFIX + ".lock"):
        os.remove(PREFIX + ".lock")
    subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix.sh")], env=ENV, check=True,
                   stderr=subprocess.DEVNULL)
    records = None
    try:
        for step, arguments, folder in STEPS:
            if arguments is None:
                quiet = suite_entries().get(SUITE, {}).get("QuietUninstallString", '"" /S')
                code = wine([quiet[1:quiet.index('"', 1)], "/S"]).returncode
                # It returns at once and works from a copy in %TEMP%.
                subprocess.run(["wineserver", "-w"], env=ENV)
            else:
                code = wine([os.path.join(DIST, setup)] + arguments).returncode
            check(step + ": exit 0", code == 0, code)
            check_state(step, folder, programs, theirs["CompanyName"], version)
            if records is None:
                check_selftests(folder, programs)
                records = make_records()
            changed = [p for p, kept in records.items() if not os.path.isfile(p)
                       or (read(p), os.stat(p).st_mtime_ns) != kept]
            check(step + ": record files unchanged", not changed, changed)
    finally:
        subprocess.run(["wineserver", "-k"], env=ENV, stderr=subprocess.DEVNULL)

    failed = results.count(False)
    print("package: %d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
