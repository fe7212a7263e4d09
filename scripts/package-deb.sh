#!/usr/bin/env bash
# Writes the suite's Debian package for Linux desktops from the portable zip,
# so that both carry the same programs. scripts/package.sh runs it.
# Usage: package-deb.sh <zip> <program list> <launcher name> <icon.ico> <version> <work folder> <output .deb>
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
zip="$1" list="$2" launcher="$3" icon="$4" version="$5" work="$6" out="$7"
package=tavomedsuite
root="$work/root"
opt="$root/opt/$package"
rm -rf "$work"
mkdir -p "$opt" "$root/DEBIAN" "$root/usr/bin" "$root/usr/share/applications" \
  "$root/usr/share/doc/$package" "$root/usr/share/lintian/overrides"

python3 - "$zip" "$opt" <<'PY'
import sys, zipfile
zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])
PY
# The wrapper carries the tool list: "<number>|<name>" lines.
tools="$(cut -d'|' -f1,2 "$list")"
if grep -q "'" <<<"$tools"; then echo "package: a program name holds a quote" >&2; exit 1; fi
python3 - resources/deb/tavomedsuite.sh "$root/usr/bin/$package" "$launcher" "$tools" <<'PY'
import sys
source, target, launcher, tools = sys.argv[1:]
text = open(source, encoding="utf-8").read().replace("@LAUNCHER@", launcher).replace("@PROGRAMS@", tools)
open(target, "w", encoding="utf-8").write(text)
PY

desktop() { # exec line, name, comment, keywords
  printf '[Desktop Entry]\nType=Application\nName=%s\nName[zh_CN]=%s\nComment=%s\nComment[zh_CN]=%s\n' \
    "$2" "$2" "$3" "$3"
  printf 'Exec=%s\nIcon=%s\nTerminal=false\nCategories=Science;MedicalSoftware;\nKeywords=%s;TavoMedSuite;\n' \
    "$1" "$package" "$4"
}
description=" TavoMedSuite 临床工具集: small clinical calculators for hospital staff,
 all text in Simplified Chinese; Windows programs started with Wine in a
 Wine prefix of each user's own, the records kept in the documents folder.
 .
 Programs:"
desktop "$package" "$launcher" "查找并打开 TavoMedSuite 临床工具集的全部工具" 临床计算 \
  >"$root/usr/share/applications/$package.desktop"
description+=$'\n'"  $launcher (the launcher: finds and starts every tool)"
while IFS='|' read -r number name category about; do
  desktop "$package $number" "$name" "${about:-$category}" "$category;$number" \
    >"$root/usr/share/applications/$package-$number.desktop"
  description+=$'\n'"  $number $name"
done <"$list"

# The icon theme's sizes, from the PNG images of the programs' own icon.
python3 - "$icon" "$root/usr/share/icons/hicolor" <<'PY'
import os, struct, sys
data = open(sys.argv[1], "rb").read()
images = {}
for i in range(struct.unpack_from("<H", data, 4)[0]):
    width, size, offset = data[6 + 16 * i], *struct.unpack_from("<II", data, 6 + 16 * i + 8)
    images[width or 256] = data[offset:offset + size]
for px in (16, 32, 48, 256):
    if not images.get(px, b"").startswith(b"\x89PNG"):
        sys.exit("package: the icon has no %d px PNG image" % px)
    folder = os.path.join(sys.argv[2], "%dx%d" % (px, px), "apps")
    os.makedirs(folder)
    open(os.path.join(folder, "tavomedsuite.png"), "wb").write(images[px])
PY

# The manual page lists the tools too.
mkdir -p "$root/usr/share/man/man1"
python3 - resources/deb/tavomedsuite.1 "$version" "$tools" <<'PY' | gzip -9n >"$root/usr/share/man/man1/$package.1.gz"
import re, sys
source, version, tools = sys.argv[1:]
rows = "".join(".TP\n.B %s\n%s\n" % tuple(line.split("|", 1)) for line in tools.splitlines())
date = re.search(r"\d+ \w+ \d{4}", open("resources/deb/changelog", encoding="utf-8").read()).group(0)
text = open(source, encoding="utf-8").read().replace("@VERSION@", version).replace("@DATE@", date)
sys.stdout.write(text.replace("@PROGRAMS@\n", rows))
PY

doc="$root/usr/share/doc/$package"
sed "s/@VERSION@/$version/" resources/deb/changelog | gzip -9n >"$doc/changelog.Debian.gz"
cp resources/deb/copyright "$doc/copyright"
cp resources/deb/lintian-overrides "$root/usr/share/lintian/overrides/$package"

find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root/usr/bin/$package"
(cd "$root" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | LC_ALL=C sort -z | xargs -0 md5sum) \
  >"$root/DEBIAN/md5sums"
maintainer="$(sed -n 's/^Upstream-Contact: //p' resources/deb/copyright)"
cat >"$root/DEBIAN/control" <<CONTROL
Package: $package
Version: $version
Architecture: amd64
Section: science
Priority: optional
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: wine64 | wine, fonts-wqy-zenhei | fonts-noto-cjk
Description: clinical calculators for hospital staff, run with Wine
$description
CONTROL
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
# The same programs give the same package: times from the changelog.
SOURCE_DATE_EPOCH="$(date -d "$(sed -n 's/^ -- .*>  //p' resources/deb/changelog)" +%s)"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" dpkg-deb --root-owner-group -Zxz --build "$root" "$out" >/dev/null
