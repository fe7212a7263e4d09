#!/usr/bin/env bash
# Creates the build's Wine prefix once: wineboot, CJK font substitutes and
# unmanaged X11 windows (with no window manager Wine would wait on every hide).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.medtool-ready" ] && exit 0

echo "initialising Wine prefix $WINEPREFIX" >&2
wineboot -i >/dev/null 2>&1 || true
wineserver -w || true

reg="$(mktemp --suffix=.reg)"
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Microsoft YaHei UI"="WenQuanYi Zen Hei"
"Microsoft YaHei"="WenQuanYi Zen Hei"
"Consolas"="WenQuanYi Zen Hei Mono"
"SimSun"="WenQuanYi Zen Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"
REG
wine regedit /S "$reg" >/dev/null 2>&1 || true
wineserver -w || true
rm -f "$reg"
touch "$WINEPREFIX/.medtool-ready"
