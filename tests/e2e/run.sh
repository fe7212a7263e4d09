#!/usr/bin/env bash
# Runs the window's end-to-end driver under Wine, on a virtual X display of its
# own when DISPLAY is unset, and turns the driver's screenshots into PNG files.
# Usage: run.sh <window_driver.exe> <medtool.exe> <artifact folder> <Wine prefix>
# The prefix is the test's own: its wineserver and desktop process live on the
# display of this run and end with it, whatever other Wine programs do.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
# shellcheck source=../../scripts/xvfb.sh
. "$root/scripts/xvfb.sh"
driver="$1"
program="$2"
artifacts="$3"
export WINEPREFIX="$4"
export WINEDEBUG="${WINEDEBUG:--all}"
mkdir -p "$artifacts"
rm -f "$artifacts"/*.bmp "$artifacts"/*.png

xvfb_pid=""
display_file=""
cleanup() {
  # Ends every process of the test's prefix: the program too, should the driver have died.
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  [ -z "$display_file" ] || rm -f "$display_file"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
fi

winpath() { printf 'Z:%s' "$(realpath "$1" | sed 's|/|\\|g')"; }

started=$(date +%s%N)
status=0
# The driver has time-outs of its own; this one only guards against Wine itself hanging.
timeout -k 10 240 "$root/scripts/wine-run.sh" "$driver" "$(winpath "$program")" "$(winpath "$artifacts")" || status=$?
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))

for bmp in "$artifacts"/*.bmp; do
  [ -e "$bmp" ] || continue
  python3 "$root/scripts/screenshot.py" bmp "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "screenshots in $artifacts; the run took ${elapsed} ms (display $DISPLAY)"
exit "$status"
