#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix, initialising
# the prefix once. CTest uses this as the cross-compiling emulator.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/wine-prefix.sh" >&2
exec wine "$@"
