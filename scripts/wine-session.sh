#!/usr/bin/env bash
# Starts a persistent wineserver for the build's prefix, with Wine's system
# processes already running and detached from any output: started by a test
# instead, they would inherit its output pipe and keep CTest waiting on it.
# "wine-session.sh stop" ends it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
if [ "${1:-}" = stop ]; then
  wineserver -k >/dev/null 2>&1 || true
  exit 0
fi
"$here/wine-prefix.sh"
wineserver -p </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
