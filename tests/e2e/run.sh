#!/usr/bin/env bash
# Runs the windows' end-to-end driver under Wine, on a virtual X display of its
# own when DISPLAY is unset, and turns the driver's screenshots into PNG files.
# Usage: run.sh <window_driver.exe> <artifact folder> <Wine prefix> <tool number> <program.exe> [...]
# The prefix is the test's own: its wineserver and desktop process live on the
# display of this run and end with it, whatever other Wine programs do.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
# shellcheck source=../../scripts/xvfb.sh
. "$root/scripts/xvfb.sh"
driver="$1"
artifacts="$2"
export WINEPREFIX="$3"
shift 3
export WINEDEBUG="${WINEDEBUG:--all}"
mkdir -p "$artifacts"
rm -f "$artifacts"/*.bmp "$artifacts"/*.png

xvfb_pid=""
display_file=""
log=""
cleanup() {
  # Ends every process of the test's prefix: the program too, should the driver have died.
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  [ -z "$display_file" ] || rm -f "$display_file"
  [ -z "$log" ] || rm -f "$log"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
fi

winpath() { printf 'Z:%s' "$(realpath "$1" | sed 's|/|\\|g')"; }

programs=()
while [ "$#" -ge 2 ]; do
  programs+=("$1" "$(winpath "$2")")
  shift 2
done

log="$(mktemp)"
started=$(date +%s%N)
for attempt in 1 2; do
  status=0
  tried=$(date +%s)
  # The driver has time-outs of its own; this one only guards against Wine itself hanging.
  timeout -k 10 840 "$root/scripts/wine-run.sh" "$driver" "$(winpath "$artifacts")" "${programs[@]}" | tee "$log" ||
    status=$?
  # Under load Wine now and then fails to start a program: no output at all. Once more, then.
  if [ "$status" -eq 0 ] || [ -s "$log" ] || [ $(($(date +%s) - tried)) -ge 30 ] || [ "$attempt" -eq 2 ]; then
    break
  fi
  echo "the driver ended with status $status and no output: starting it once more"
done
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))

for bmp in "$artifacts"/*.bmp; do
  [ -e "$bmp" ] || continue
  python3 "$root/scripts/screenshot.py" bmp "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "screenshots in $artifacts; the run took ${elapsed} ms (display $DISPLAY)"
exit "$status"
