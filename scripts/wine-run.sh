#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix, initialising
# the prefix once. CTest uses this as the cross-compiling emulator.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Sub-pixel rendering, or thin dashes vanish at the windows' small sizes.
[ ! -r /etc/fonts/fonts.conf ] || export FONTCONFIG_FILE="$here/wine-fontconfig.conf"
"$here/wine-prefix.sh" >&2
exec wine "$@"
