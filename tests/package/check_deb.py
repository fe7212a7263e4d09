#!/usr/bin/env python3
"""Checks the Debian package scripts/package.sh wrote: control fields, file list, the programs against the
zip's, menu entries, icons, lintian; then installs it with apt-get, uses it with a throwaway HOME (self-tests
from two first starts at once, a tool window from its menu entry and a Save into the documents folder, bad
arguments) and purges it, the users' prefix and records staying.
Usage: check_deb.py <source folder> <Windows build folder>"""
import os
import re
import shlex
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile

ROOT, BUILD = (os.path.abspath(a) for a in sys.argv[1:3])
DIST = os.path.join(ROOT, "build", "dist")
PACKAGE, LAUNCHER, GUIDE = "tavomedsuite", "临床计算工具箱", "使用说明.txt"
ROOT_CMD = [] if os.geteuid() == 0 else ["sudo"]
results = []


def check(name, ok, detail=""):
    results.append(bool(ok))
    print(("ok   " if ok else "FAIL ") + name + ("" if ok else ": %s" % (detail,)), flush=True)


def run(args, **kw):
    return subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True, timeout=kw.pop("timeout", 600), **kw)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def wait_for(probe, seconds):
    end = time.time() + seconds
    while not probe() and time.time() < end:
        time.sleep(0.5)
    return probe()


def check_contents(deb, version, programs, launcher):
    fields = dict(re.findall(r"^(\S+): (.*)$", run(["dpkg-deb", "-f", deb]).stdout.decode(), re.M))
    wanted = {"Package": PACKAGE, "Version": version, "Architecture": "amd64", "Section": "science",
              "Priority": "optional", "Depends": "wine64 | wine, fonts-wqy-zenhei | fonts-noto-cjk"}
    check("control fields", all(fields.get(k) == v for k, v in wanted.items()), fields)
    check("control: a Maintainer", re.match(r".+ <[^@ ]+@[^@ ]+>$", fields.get("Maintainer", "")), fields)
    info = run(["dpkg-deb", "-f", deb, "Description"]).stdout.decode()
    names = [p[1] for p in programs] + [LAUNCHER] * launcher
    check("description: English first line, every program in the long part", info.split("\n")[0].isascii()
          and all(" %s %s\n" % (p[0], p[1]) in info for p in programs) and all(n in info for n in names), info)
    listing = [line.split(None, 5) for line in run(["dpkg-deb", "-c", deb]).stdout.decode().splitlines()]
    check("files owned by root", all(e[1] == "root/root" for e in listing))
    files = {e[5][1:]: e[0] for e in listing if not e[0].startswith("d")}
    apps, icons = "/usr/share/applications/" + PACKAGE, "/usr/share/icons/hicolor/%dx%d/apps/tavomedsuite.png"
    expected = ["/opt/%s/%s.exe" % (PACKAGE, n) for n in names] + ["/opt/%s/%s" % (PACKAGE, GUIDE)]
    expected += ["%s-%s.desktop" % (apps, p[0]) for p in programs] + [apps + ".desktop"] * launcher
    expected += [icons % (s, s) for s in (16, 32, 48, 256)] + ["/usr/bin/" + PACKAGE, "/usr/share/man/man1/"
                                                               + PACKAGE + ".1.gz", "/usr/share/lintian/overrides/"
                                                               + PACKAGE]
    expected += ["/usr/share/doc/%s/%s" % (PACKAGE, f) for f in ("copyright", "changelog.Debian.gz")]
    check("file list", sorted(files) == sorted(expected), sorted(set(files) ^ set(expected)))
    check("wrapper executable", files.get("/usr/bin/" + PACKAGE) == "-rwxr-xr-x", files.get("/usr/bin/" + PACKAGE))

    tree = tempfile.mkdtemp()
    try:
        run(["dpkg-deb", "-x", deb, tree])
        opt = os.path.join(tree, "opt", PACKAGE)
        with zipfile.ZipFile(os.path.join(DIST, "TavoMedSuite-%s-win64.zip" % version)) as z:
            check("/opt: the zip's files, byte for byte", sorted(os.listdir(opt)) == sorted(z.namelist())
                  and all(z.read(n) == read(os.path.join(opt, n)) for n in z.namelist()), os.listdir(opt))
        entries = {}
        for number, name, category, about in [("", LAUNCHER, "", None)] * launcher + programs:
            path = os.path.join(tree, apps[1:] + ("-" + number if number else "") + ".desktop")
            entry = dict(re.findall(r"^([^=\n]+)=(.*)$", read(path).decode(), re.M))
            entries[path] = entry
            check("menu entry " + (number or "launcher"), entry["Name"] == entry["Name[zh_CN]"] == name
                  and (about is None or entry["Comment"] == (about or category))
                  and entry["Exec"] == ("%s %s" % (PACKAGE, number)).strip() and entry["Icon"] == PACKAGE
                  and entry["Terminal"] == "false" and "MedicalSoftware" in entry["Categories"].split(";"), entry)
        valid = run(["desktop-file-validate"] + list(entries))
        check("desktop-file-validate", valid.returncode == 0 and not valid.stdout, valid.stdout.decode())
        ico = read(os.path.join(BUILD, "resources", "medtool.ico"))
        images = {(ico[6 + 16 * i] or 256): ico[o: o + n] for i in range(struct.unpack_from("<H", ico, 4)[0])
                  for n, o in [struct.unpack_from("<II", ico, 6 + 16 * i + 8)]}
        for size in (16, 32, 48, 256):
            png = read(os.path.join(tree, (icons % (size, size))[1:]))
            check("icon %d px: the programs' own" % size, png == images.get(size)
                  and struct.unpack(">II", png[16:24]) == (size, size))
    finally:
        shutil.rmtree(tree)
    lint = run(["lintian", deb])
    tags = lint.stdout.decode().splitlines()
    check("lintian: no error", lint.returncode == 0 and not [t for t in tags if t.startswith("E:")], tags)
    print("lintian: " + ("; ".join(tags) or "no tags"))


def use_installed(programs):
    """The installed wrapper in a throwaway HOME; returns it, its environment, the records folder and a
    record made before with its bytes and time."""
    home = tempfile.mkdtemp(prefix="tavomedsuite-home-")
    env = {"PATH": os.environ["PATH"], "HOME": home}
    documents = os.path.join(home, "文档")
    records = os.path.join(documents, "TavoMedSuite", "records")
    os.makedirs(os.path.join(home, ".config"))
    with open(os.path.join(home, ".config", "user-dirs.dirs"), "w") as f:
        f.write('XDG_DESKTOP_DIR="$HOME/桌面"\nXDG_DOCUMENTS_DIR="$HOME/文档"\n')
    os.makedirs(records)
    earlier = os.path.join(records, "T201.csv")
    with open(earlier, "wb") as f:
        f.write("\ufeff时间,工具,结果\r\n2024-05-01 08:00,T201,\"旧记录\"\r\n".encode())
    kept = (read(earlier), os.stat(earlier).st_mtime_ns)

    # (arguments, exit code, stdout wanted)
    for args, code, out in [(["--help"], 0, ["用法", "Usage"] + ["%s  %s" % p[:2] for p in programs]),
                            (["999"], 2, []), (["abc"], 2, []), (["--bogus"], 2, []), (["119", "-x"], 2, []),
                            (["119", "--selftest", "a", "b"], 2, [])]:
        r = run([PACKAGE] + args, env=env)
        text = r.stdout.decode()
        check("tavomedsuite %s: exit %d" % (" ".join(args), code), r.returncode == code and all(
            o in text for o in out) and bool(r.stderr) == (code != 0) and bool(text) == (code == 0), r)
    data = os.path.join(home, ".local", "share", PACKAGE)
    check("no prefix before a program starts", not os.path.exists(data))

    # Two first starts at once, one file relative to the current folder.
    os.makedirs(os.path.join(home, "out"))
    starts = [subprocess.Popen([PACKAGE, n, "--selftest", f], cwd=home, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT) for n, f in (("119", "out/119.txt"),
                                                                      ("201", home + "/out/201.txt"))]
    for number, start in zip(("119", "201"), starts):
        said = start.communicate(timeout=600)[0]
        out = os.path.join(home, "out", number + ".txt")
        check("first start %s --selftest: exit 0, nothing on the terminal, the known file" % number,
              start.returncode == 0 and not said and os.path.exists(out) and read(out) == read(
                  os.path.join(ROOT, "tests", "selftest", "expected", number + ".txt")).replace(b"\n", b"\r\n"),
              (start.returncode, said))
    prefix = os.path.join(data, "wine")
    run(["wineserver", "-w"], env=dict(env, WINEPREFIX=prefix))
    user = read(os.path.join(prefix, "user.reg")).decode("utf-8", "replace")
    check("prefix: CJK fonts for YaHei UI and Consolas, no menu builder", all(re.search(
        r'^"%s"="(WenQuanYi|Noto Sans)[^"]*"' % f, user, re.M) for f in ("Microsoft YaHei UI", "Consolas"))
        and '"winemenubuilder.exe"=""' in user and not os.path.exists(
        os.path.join(home, ".local", "share", "applications")), user[-600:])
    links = [os.path.join(d, "records") for d, _, _ in os.walk(os.path.join(prefix, "drive_c", "users"))
             if d.endswith(os.path.join("AppData", "Local", "TavoMedSuite"))]
    check("prefix: records linked to the documents folder",
          [os.path.realpath(p) for p in links] == [os.path.realpath(records)], links)
    return home, env, records, earlier, kept


def check_window(env, home, records):
    display_pipe = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(display_pipe[1]), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(display_pipe[1],), stderr=subprocess.DEVNULL)
    os.close(display_pipe[1])
    env = dict(env, DISPLAY=":" + os.read(display_pipe[0], 16).decode().strip())
    entry = read("/usr/share/applications/%s-119.desktop" % PACKAGE).decode()
    program = subprocess.Popen(shlex.split(re.search(r"^Exec=(.*)$", entry, re.M).group(1)), cwd=home, env=env)
    try:
        search = ["xdotool", "search", "--onlyvisible", "--name", "^BMI 与体型判读$"]
        found = wait_for(lambda: run(search, env=env).stdout.split(), 180)
        check("the tool's window from its menu entry's Exec line", found)
        record = os.path.join(records, "T119.csv")
        for x in (96, 250):  # the Calculate button, then Save
            run(["xdotool", "mousemove", "--window", found[0] if found else "0", str(x), "688", "click", "1"],
                env=env)
            time.sleep(1)
        check("a Save lands in the documents folder", wait_for(lambda: os.path.exists(record), 30)
              and "22.49" in read(record).decode("utf-8", "replace"), os.listdir(records))
    finally:
        run(["wineserver", "-k"], env=dict(env, WINEPREFIX=os.path.join(home, ".local/share", PACKAGE, "wine")))
        program.kill()
        xvfb.kill()


def main():
    cache = read(os.path.join(BUILD, "CMakeCache.txt")).decode()
    version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.*)$", cache, re.M).group(1)
    lines = read(os.path.join(ROOT, "build", "package", "programs.txt")).decode().splitlines()
    programs = [tuple((line.split("|") + [""])[:4]) for line in lines]
    launcher = os.path.exists(os.path.join(BUILD, LAUNCHER + ".exe"))  # when the build makes it
    deb = os.path.join(DIST, "%s_%s_amd64.deb" % (PACKAGE, version))
    check_contents(deb, version, programs, launcher)

    apt = ROOT_CMD + ["env", "DEBIAN_FRONTEND=noninteractive", "apt-get", "-y", "-q", "-o",
                      "DPkg::Lock::Timeout=600"]
    run(apt + ["purge", PACKAGE])  # an earlier run's, if any
    install = run(apt + ["install", "./" + os.path.basename(deb)], cwd=DIST)
    check("apt-get install ./" + os.path.basename(deb), install.returncode == 0, install.stderr.decode())
    installed = [p for p in run(["dpkg", "-L", PACKAGE]).stdout.decode().splitlines() if os.path.isfile(p)]
    home, env, records, earlier, kept = use_installed(programs)
    try:
        check_window(env, home, records)
        purge = run(apt + ["purge", PACKAGE])
        check("apt-get purge", purge.returncode == 0, purge.stderr.decode())
        left = [p for p in installed + ["/opt/" + PACKAGE] if os.path.lexists(p)]
        check("purge: no file of the package left", installed and not left, left)
        check("purge: the user's prefix and records stay", os.path.isdir(os.path.join(
            home, ".local/share", PACKAGE, "wine", "drive_c")) and os.path.exists(os.path.join(records, "T119.csv"))
            and (read(earlier), os.stat(earlier).st_mtime_ns) == kept)
    finally:
        shutil.rmtree(home, ignore_errors=True)
    failed = results.count(False)
    print("deb: %d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
