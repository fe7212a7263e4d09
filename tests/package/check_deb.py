#!/usr/bin/env python3
"""Checks the Debian package: control, files, programs against the zip's, menu entries, icons, lintian; then
installs it, uses it with a throwaway HOME and purges it. Usage: check_deb.py <source folder> <Windows build>"""
import os, pathlib, re, shlex, shutil, struct, subprocess, sys, tempfile, time, zipfile  # noqa: E401

ROOT, BUILD = (os.path.abspath(a) for a in sys.argv[1:3])
DIST = os.path.join(ROOT, "build", "dist")
PACKAGE, LAUNCHER, GUIDE, REPORT = "tavomedsuite", "临床计算工具箱", "使用说明.txt", "验证报告.html"
APPS, ICON = "/usr/share/applications/" + PACKAGE, "/usr/share/icons/hicolor/%dx%d/apps/tavomedsuite.png"
FIXED_FILES = [ICON % (s, s) for s in (16, 32, 48, 256)] + ["/usr/bin/" + PACKAGE] + ["/usr/share/" + f % PACKAGE
               for f in ("man/man1/%s.1.gz", "lintian/overrides/%s", "doc/%s/copyright", "doc/%s/changelog.Debian.gz")]
results = []


def check(name, ok, detail=""):
    results.append(bool(ok))
    print(("ok   " if ok else "FAIL ") + name + ("" if ok else ": %s" % (detail,)), flush=True)


def run(args, **kw):
    return subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True, timeout=600, **kw)


def read(path):
    return pathlib.Path(path).read_bytes()


def wait_for(probe, seconds):
    end = time.time() + seconds
    while not probe() and time.time() < end:
        time.sleep(0.5)
    return probe()


def check_contents(deb, version, programs):
    fields = dict(re.findall(r"^(\S+): (.*)$", run(["dpkg-deb", "-f", deb]).stdout.decode(), re.M))
    wanted = {"Package": PACKAGE, "Version": version, "Architecture": "amd64", "Section": "science",
              "Priority": "optional", "Depends": "wine64 | wine, fonts-wqy-zenhei | fonts-noto-cjk"}
    check("control fields and a Maintainer", all(fields.get(k) == v for k, v in wanted.items())
          and re.match(r".+ <[^@ ]+@[^@ ]+>$", fields.get("Maintainer", "")), fields)
    about = run(["dpkg-deb", "-f", deb, "Description"]).stdout.decode()
    names = [p[1] for p in programs] + [LAUNCHER]
    check("description: English first line, every program in the long part", about.split("\n")[0].isascii()
          and all(" %s %s\n" % p[:2] in about for p in programs) and all(n in about for n in names), about)
    listing = [line.split(None, 5) for line in run(["dpkg-deb", "-c", deb]).stdout.decode().splitlines()]
    files = {e[5][1:]: e[0] for e in listing if not e[0].startswith("d")}
    expected = ["/opt/%s/%s" % (PACKAGE, n) for n in [n + ".exe" for n in names] + [GUIDE, REPORT]] + FIXED_FILES
    expected += ["%s-%s.desktop" % (APPS, p[0]) for p in programs] + [APPS + ".desktop"]
    check("file list, owned by root, the wrapper executable", sorted(files) == sorted(expected) and all(
        e[1] == "root/root" for e in listing) and files["/usr/bin/" + PACKAGE][3] == "x", set(files) ^ set(expected))

    tree = tempfile.mkdtemp()
    run(["dpkg-deb", "-x", deb, tree])
    opt = os.path.join(tree, "opt", PACKAGE)
    with zipfile.ZipFile(os.path.join(DIST, "TavoMedSuite-%s-win64.zip" % version)) as z:
        check("/opt: the zip's files, byte for byte", sorted(os.listdir(opt)) == sorted(z.namelist())
              and all(z.read(n) == read(os.path.join(opt, n)) for n in z.namelist()), os.listdir(opt))
    entries = []
    for number, name, category, about in [("", LAUNCHER, "", None)] + programs:
        entries.append(tree + APPS + ("-" + number if number else "") + ".desktop")
        entry = dict(re.findall(r"^([^=\n]+)=(.*)$", read(entries[-1]).decode(), re.M))
        check("menu entry " + (number or "launcher"), entry["Name"] == entry["Name[zh_CN]"] == name
              and (about is None or entry["Comment"] == (about or category)) and entry["Icon"] == PACKAGE
              and entry["Exec"] == ("%s %s" % (PACKAGE, number)).strip() and entry["Terminal"] == "false"
              and "MedicalSoftware" in entry["Categories"].split(";"), entry)
    valid = run(["desktop-file-validate"] + entries)
    check("desktop-file-validate", valid.returncode == 0 and not valid.stdout, valid.stdout.decode())
    ico = read(os.path.join(BUILD, "resources", "medtool.ico"))
    images = {(ico[6 + 16 * i] or 256): ico[o: o + n] for i in range(struct.unpack_from("<H", ico, 4)[0])
              for n, o in [struct.unpack_from("<II", ico, 6 + 16 * i + 8)]}
    check("icons: the programs' own at 16, 32, 48, 256 px", all(read(tree + ICON % (s, s)) == images.get(s)
                                                                 and images[s][16:24] == struct.pack(">II", s, s)
                                                                 for s in (16, 32, 48, 256)))
    shutil.rmtree(tree)
    lint = run(["lintian", deb])
    check("lintian: no error", lint.returncode == 0 and b"\nE: " not in b"\n" + lint.stdout, lint.stdout)
    print("lintian: " + ("; ".join(lint.stdout.decode().splitlines()) or "no tags"))


def use_installed(home, env, programs, records):
    data = os.path.join(home, ".local", "share", PACKAGE)
    for args, code in [(["--help"], 0), (["999"], 2), (["abc"], 2), (["--bogus"], 2), (["119", "-x"], 2),
                       (["119", "--selftest", "a", "b"], 2)]:
        r = run([PACKAGE] + args, env=env)
        check("tavomedsuite %s: exit %d, no prefix made" % (" ".join(args), code), r.returncode == code and (
            all("%s  %s" % p[:2] in r.stdout.decode() for p in programs) and b"Usage" in r.stdout and not r.stderr
            if code == 0 else r.stderr and not r.stdout) and not os.path.exists(data), r)
    # Two first starts at once; one file relative to the current folder.
    os.makedirs(os.path.join(home, "out"))
    runs = (("119", "out/119.txt"), ("201", home + "/out/201.txt"))
    starts = {n: subprocess.Popen([PACKAGE, n, "--selftest", f], cwd=home, env=env, stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT) for n, f in runs}
    for number, start in starts.items():
        said, out = start.communicate(timeout=600)[0], os.path.join(home, "out", number + ".txt")
        known = read(os.path.join(ROOT, "tests/selftest/expected", number + ".txt")).replace(b"\n", b"\r\n")
        check("first start %s --selftest: exit 0, the known file, nothing on the terminal" % number,
              start.returncode == 0 and not said and os.path.exists(out) and read(out) == known, said)
    prefix = os.path.join(data, "wine")
    run(["wineserver", "-w"], env=dict(env, WINEPREFIX=prefix))
    user = read(os.path.join(prefix, "user.reg")).decode("utf-8", "replace")
    check("prefix: CJK fonts for YaHei UI and Consolas, no menu builder", all(re.search(
        r'^"%s"="(WenQuanYi|Noto Sans)[^"]*"' % f, user, re.M) for f in ("Microsoft YaHei UI", "Consolas"))
        and '"winemenubuilder.exe"=""' in user and not os.path.exists(os.path.join(data, "..", "applications")))
    # Wine's own fonts for titles, menus, message boxes and dialogs: the CJK font too, under LANG=C.
    metrics = user[user.find("[Control Panel\\\\Desktop\\\\WindowMetrics]"):]
    faces = {}
    for name in ("CaptionFont", "SmCaptionFont", "MenuFont", "StatusFont", "MessageFont", "IconFont"):
        value = re.search(r'^"%s"=hex:([0-9a-f,\\\s]*)' % name, metrics, re.M)
        data_bytes = bytes.fromhex(re.sub(r"[,\\\s]", "", value.group(1))) if value else b""
        faces[name] = data_bytes[28:92].decode("utf-16-le", "replace").split("\0")[0] if len(data_bytes) == 92 else ""
    check("prefix: Wine's UI fonts replaced by the CJK font", all(
        re.match("(WenQuanYi|Noto Sans)", f) for f in faces.values()), faces)
    system = read(os.path.join(prefix, "system.reg")).decode("utf-8", "replace")
    check("prefix: the dialogs' font is the CJK font", all(re.search(
        r'^"%s"="(WenQuanYi|Noto Sans)[^"]*"' % f, system, re.M) for f in ("MS Shell Dlg", "MS Shell Dlg 2")))
    links = [os.path.realpath(os.path.join(d, "records")) for d, _, _ in os.walk(prefix + "/drive_c/users")
             if d.endswith(os.path.join("AppData", "Local", "TavoMedSuite"))]
    check("prefix: records linked to the documents folder", links == [os.path.realpath(records)], links)
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd)], pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
    env = dict(env, DISPLAY=":" + os.read(read_fd, 16).decode().strip())
    line = re.search(r"^Exec=(.*)$", read(APPS + "-119.desktop").decode(), re.M).group(1)
    program = subprocess.Popen(shlex.split(line), cwd=home, env=env)
    try:
        search = ["xdotool", "search", "--onlyvisible", "--name", "^BMI 与体型判读$"]
        window = wait_for(lambda: run(search, env=env).stdout.split(), 180) or [b"0"]
        check("the tool's window from its menu entry's Exec line", window != [b"0"])
        # Sub-pixel rendering over the system's fonts: in black and white thin dashes vanish at 12 to 14 px.
        environ = dict(e.split("=", 1) for e in read("/proc/%d/environ" % program.pid).decode().split("\0") if "=" in e)
        conf = environ.get("FONTCONFIG_FILE", "")
        fonts = [run(["fc-list"], env=dict(env, **extra)).stdout for extra in ({}, {"FONTCONFIG_FILE": conf})]
        rgba = run(["fc-match", "-f", "%{rgba}", "sans"], env=dict(env, FONTCONFIG_FILE=conf)).stdout
        check("the tool's fontconfig: the system's fonts, sub-pixel rendering", conf.startswith(data + "/")
              and fonts[0] and sorted(fonts[0].splitlines()) == sorted(fonts[1].splitlines()) and rgba == b"1",
              (conf, rgba))
        for x in (96, 250):  # Calculate, then Save
            run(["xdotool", "mousemove", "--window", window[0], str(x), "688", "click", "1"], env=env)
            time.sleep(1)
        check("a Save lands in the documents folder", wait_for(lambda: os.path.exists(records + "/T119.csv"), 30)
              and "22.49" in read(records + "/T119.csv").decode("utf-8", "replace"), os.listdir(records))
    finally:
        run(["wineserver", "-k"], env=dict(env, WINEPREFIX=prefix))
        program.kill()
        xvfb.kill()


def main():
    version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.*)$", read(BUILD + "/CMakeCache.txt").decode(), re.M)[1]
    lines = read(ROOT + "/build/package/programs.txt").decode().splitlines()
    programs = [tuple((line.split("|") + [""])[:4]) for line in lines]
    deb = os.path.join(DIST, "%s_%s_amd64.deb" % (PACKAGE, version))
    check_contents(deb, version, programs)

    apt = ([] if os.geteuid() == 0 else ["sudo"]) + ["env", "DEBIAN_FRONTEND=noninteractive", "apt-get", "-yq",
                                                      "-o", "DPkg::Lock::Timeout=600"]
    run(apt + ["purge", PACKAGE])  # an earlier run's, if any
    install = run(apt + ["install", "./" + os.path.basename(deb)], cwd=DIST)
    check("apt-get install ./" + os.path.basename(deb), install.returncode == 0, install.stderr.decode())
    installed = [p for p in run(["dpkg", "-L", PACKAGE]).stdout.decode().splitlines() if os.path.isfile(p)]
    # A Chinese desktop's documents folder, with a record of before.
    home = tempfile.mkdtemp(prefix="tavomedsuite-home-")
    records, earlier = home + "/文档/TavoMedSuite/records", home + "/文档/TavoMedSuite/records/T201.csv"
    os.makedirs(records), os.makedirs(home + "/.config")
    pathlib.Path(home, ".config", "user-dirs.dirs").write_text('XDG_DOCUMENTS_DIR="$HOME/文档"\n')
    pathlib.Path(earlier).write_bytes("\ufeff时间,工具,结果\r\n2024-05-01 08:00,T201,\"旧记录\"\r\n".encode())
    kept = (read(earlier), os.stat(earlier).st_mtime_ns)
    try:
        # A desktop whose locale is not Chinese.
        use_installed(home, {"PATH": os.environ["PATH"], "HOME": home, "LANG": "C"}, programs, records)
        purge = run(apt + ["purge", PACKAGE])
        left = [p for p in installed + ["/opt/" + PACKAGE] if os.path.lexists(p)]
        check("apt-get purge: no file of the package left", purge.returncode == 0 and installed and not left, left)
        check("purge: the user's prefix and records stay", os.path.isdir(home + "/.local/share/tavomedsuite/wine") and
              os.path.exists(records + "/T119.csv") and (read(earlier), os.stat(earlier).st_mtime_ns) == kept)
    finally:
        shutil.rmtree(home, ignore_errors=True)
    failed = results.count(False)
    print("deb: %d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
