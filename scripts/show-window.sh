#!/usr/bin/env bash
# Shows the built program's main window; builds nothing.
# With DISPLAY set, the program runs on that display until the user closes it.
# Without one it runs on a virtual display: once the window is up and painted
# a screenshot is saved, its path printed, and the program closed.
# Usage: scripts/show-window.sh <medtool.exe> [screenshot.png]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=xvfb.sh
. "$here/xvfb.sh"
if [ $# -lt 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 <medtool.exe> [screenshot.png]" >&2
  exit 2
fi
exe="$(realpath "$1")"
shot="$(realpath -m "${2:-$(dirname "$exe")/medtool-window.png}")"

if [ -n "${DISPLAY:-}" ]; then
  exec "$here/wine-run.sh" "$exe"
fi

export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
# Wine's desktop process stays on the display it first met: end any earlier
# session of the prefix so that this one starts on the virtual display.
wineserver -k >/dev/null 2>&1 || true

program_pid=""
xvfb_pid=""
display_file=""
wine_log="$(mktemp)"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -f "$wine_log"
  [ -z "$display_file" ] || rm -f "$display_file"
}
trap cleanup EXIT

start_xvfb

# Wine's complaints (the display going away at the end) only matter on failure.
"$here/wine-run.sh" "$exe" 2>"$wine_log" &
program_pid=$!
if ! python3 "$here/screenshot.py" x11 "$shot" --wait-width 900 --timeout 90; then
  kill -0 "$program_pid" 2>/dev/null || echo "the program ended before its window came up" >&2
  cat "$wine_log" >&2
  exit 1
fi
echo "$shot"
