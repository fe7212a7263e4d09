#!/usr/bin/env bash
# Builds the Windows programs if needed and writes the suite's hand-out files
# to build/dist: the 64-bit installer, the portable zip, the Debian package,
# SHA256SUMS, the user guide and the validation report. MEDTOOL_WINDOWS_BUILD_DIR names another Windows build folder
# (default build/windows).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
./scripts/install-deps.sh

build="${MEDTOOL_WINDOWS_BUILD_DIR:-build/windows}"
if [ "$build" = build/windows ]; then
  ./scripts/build.sh windows
else
  [ -f "$build/CMakeCache.txt" ] || cmake --preset windows -B "$build" >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi
build="$(cd "$build" && pwd)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "package: no project version in $build" >&2; exit 1; }
suite=TavoMedSuite
setup="$suite-$version-win64-setup.exe"
zip="$suite-$version-win64.zip"
guide="使用说明.txt"
report="验证报告.html"
work="$root/build/package"
files="$work/files"
dist="$root/build/dist"
rm -rf "$work" "$dist"
mkdir -p "$files" "$dist"

# The guide and the program list, from the tool definitions the programs carry.
# Wine has now and then failed a start under load: one more try.
(
  cd "$work"
  for try in 1 2; do
    "$root/scripts/wine-run.sh" "$build/user_guide.exe" guide.txt programs.txt </dev/null && break
    [ "$try" = 2 ] && { echo "package: the guide generator failed" >&2; exit 1; }
  done
)
cp "$work/guide.txt" "$files/$guide"

# The validation report: every worked example computed by the Windows build of
# the engine under Wine, dated as the Debian package is, from the changelog.
# Exit 2: written, and an example differs; it is kept in dist for reading.
started=$(date +%s)
date="$(date -u -d "$(sed -n 's/^ -- .*>  //p' resources/deb/changelog)" +%F)"
report_code=0
(
  cd "$work"
  for try in 1 2; do
    code=0
    "$root/scripts/wine-run.sh" "$build/validation_report.exe" report.html "$date" </dev/null || code=$?
    if [ "$code" = 0 ] || [ "$code" = 2 ] || [ "$try" = 2 ]; then exit "$code"; fi
  done
) || report_code=$?
if [ "$report_code" = 2 ]; then
  cp "$work/report.html" "$dist/$report"
  echo "package: an example differs or a self-test failed: see $dist/$report" >&2
  exit 1
fi
[ "$report_code" = 0 ] || { echo "package: the validation report generator failed" >&2; exit 1; }
cp "$work/report.html" "$files/$report"
echo "package: validation report written in $(($(date +%s) - started)) s"

names=()
while IFS='|' read -r number name category _; do
  [ -n "$number" ] || continue
  [ -f "$build/$name.exe" ] || { echo "package: $build/$name.exe not built (tool $number, $category)" >&2; exit 1; }
  cp "$build/$name.exe" "$files/$name.exe"
  names+=("$name")
done <"$work/programs.txt"
[ ${#names[@]} -gt 0 ] || { echo "package: no programs listed" >&2; exit 1; }
# The launcher, which finds and starts the programs beside it.
launcher="$(sed -n 's/^MEDTOOL_LAUNCHER_NAME:INTERNAL=//p' "$build/CMakeCache.txt")"
[ -n "$launcher" ] && [ -f "$build/$launcher.exe" ] || { echo "package: the launcher is not built in $build" >&2; exit 1; }
cp "$build/$launcher.exe" "$files/$launcher.exe"

# The installer's version block takes its texts from the programs' template.
rc_value() { sed -n "s/^ *VALUE \"$1\", \"\\(.*\\)\"\$/\\1/p" resources/program.rc.in; }
company="$(rc_value CompanyName)"
copyright="$(rc_value LegalCopyright)"
IFS=. read -r major minor _ <<<"$version"
{
  printf '\xEF\xBB\xBF'
  printf '!define VERSION "%s"\n' "$version"
  printf '!define VI_VERSION "%s.0"\n' "$version"
  printf '!define SUITE_TITLE "%s 临床工具集"\n' "$suite"
  printf '!define FILE_DESCRIPTION "%s V%s.%s 安装程序"\n' "$suite" "$major" "$minor"
  printf '!define COMPANY "%s"\n' "$company"
  printf '!define COPYRIGHT "%s"\n' "$copyright"
  printf '!define ICON "%s"\n' "$build/resources/medtool.ico"
  printf '!define FILES_DIR "%s"\n' "$files"
  printf '!define OUTFILE "%s"\n' "$dist/$setup"
  printf '!define OUTFILE_NAME "%s"\n' "$setup"
  printf '!define LAUNCHER "%s"\n' "$launcher"
  printf '!macro SUITE_PROGRAMS OPERATION\n'
  for name in "${names[@]}"; do printf '  !insertmacro ${OPERATION} "%s"\n' "$name"; done
  printf '!macroend\n'
} >"$work/suite.nsh"
# makensis reads Chinese names only in a UTF-8 locale.
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 "-DPACKAGE_DIR=$work" resources/TavoMedSuite.nsi

# Python's zipfile marks the UTF-8 names (general purpose bit 11), as Explorer needs.
python3 - "$dist/$zip" "$files" "$launcher.exe" "${names[@]/%/.exe}" "$guide" "$report" <<'PY'
import os, sys, zipfile
out, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for name in names:
        info = zipfile.ZipInfo.from_file(os.path.join(folder, name), name)
        info.create_system = 0  # written for Windows: plain archive attributes
        info.external_attr = 0x20
        info.flag_bits |= 0x800
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(folder, name), "rb") as f:
            z.writestr(info, f.read())
PY

# The Debian package takes its programs from the zip.
deb="tavomedsuite_${version}_amd64.deb"
./scripts/package-deb.sh "$dist/$zip" "$work/programs.txt" "$launcher" "$build/resources/medtool.ico" "$version" \
  "$work/deb" "$dist/$deb"

cp "$files/$guide" "$dist/$guide"
cp "$files/$report" "$dist/$report"
(cd "$dist" && sha256sum "$setup" "$zip" "$deb" "$report" >SHA256SUMS)
echo "package: $(cd "$dist" && ls -l "$setup" "$zip" "$deb" | awk '{print $5, $NF}' | paste -sd ';' -)"
echo "package: written to $dist"
