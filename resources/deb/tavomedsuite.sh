#!/bin/sh
# Starts the suite's Windows programs with Wine, in a Wine prefix of the
# user's own that is made on first use, with the records in the documents folder.
set -eu

dir=/opt/tavomedsuite
launcher='@LAUNCHER@'
# "<number>|<name>" per tool, filled in by the packager.
programs='@PROGRAMS@'

data="${XDG_DATA_HOME:-$HOME/.local/share}/tavomedsuite"
export WINEPREFIX="$data/wine" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko prompt, no menu entries of Wine's own on the host.
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
# Wine passes the Chinese program names on only in a UTF-8 locale.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
  *[Uu][Tt][Ff]-8* | *[Uu][Tt][Ff]8*) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac

usage() {
  cat <<TEXT
用法 / Usage:
  tavomedsuite                          打开“$launcher” / start the launcher
  tavomedsuite <编号>                   打开该编号的工具 / start the tool of that number
  tavomedsuite <编号> --selftest 文件   不开窗口运行自检，结果写入文件，退出码同程序
                                        / run the tool's self-test into FILE; exits with its exit code
  tavomedsuite --help                   显示本说明 / show this help

工具 / Tools:
TEXT
  printf '%s\n' "$programs" | sed 's/^\([0-9]*\)|/  \1  /'
  printf '\n记录文件 / Records: %s/TavoMedSuite/records\n' "$(documents)"
}

fail() {
  printf 'tavomedsuite: %s\n用法见 / see: tavomedsuite --help\n' "$1" >&2
  exit 2
}

documents() {
  if [ -n "${XDG_DOCUMENTS_DIR:-}" ]; then
    printf '%s\n' "$XDG_DOCUMENTS_DIR"
    return
  fi
  dirs="${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs"
  found=""
  [ -r "$dirs" ] && found="$(sed -n 's/^XDG_DOCUMENTS_DIR="\(.*\)"$/\1/p' "$dirs" | tail -n 1)"
  case "$found" in
    '$HOME' | '$HOME'/*) printf '%s%s\n' "$HOME" "${found#\$HOME}" ;;
    /*) printf '%s\n' "$found" ;;
    *) printf '%s/Documents\n' "$HOME" ;;
  esac
}

find_wine() {
  for w in wine64 wine /usr/lib/wine/wine64; do
    if command -v "$w" >/dev/null 2>&1; then
      wine="$(command -v "$w")"
      return
    fi
  done
  printf 'tavomedsuite: 未找到 Wine，请安装 wine64 / Wine not found: install wine64\n' >&2
  exit 1
}

# A LOGFONTW as regedit's hex: 12 pixels, normal weight, the default character set, the face.
logfont() {
  printf 'hex:f4,ff,ff,ff,00,00,00,00,00,00,00,00,00,00,00,00,90,01,00,00,00,00,00,01,00,00,00,00'
  printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 |
    awk '{ for (i = 1; i <= NF; i++) { printf ",%s", $i; n++ } } END { while (n < 64) { printf ",00"; n++ } }'
}

font_replacements() {
  font="Noto Sans CJK SC" mono="Noto Sans Mono CJK SC"
  if [ -e /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc ] ||
    fc-list : family 2>/dev/null | grep -q 'WenQuanYi Zen Hei'; then
    font="WenQuanYi Zen Hei" mono="WenQuanYi Zen Hei Mono"
  fi
  face="$(logfont "$font")"
  # Wine's own UI fonts (titles, menus, message boxes, dialogs) lack Chinese
  # under most locales: the CJK font takes their place.
  cat <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Microsoft YaHei UI"="$font"
"Microsoft YaHei"="$font"
"SimSun"="$font"
"Consolas"="$mono"

[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]
"CaptionFont"=$face
"SmCaptionFont"=$face
"MenuFont"=$face
"StatusFont"=$face
"MessageFont"=$face
"IconFont"=$face

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"MS Shell Dlg"="$font"
"MS Shell Dlg 2"="$font"

[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]
"mscoree"=""
"mshtml"=""
"winemenubuilder.exe"=""
REG
}

# Wine takes its choice of anti-aliasing from fontconfig, not from the Windows
# settings. Sub-pixel rendering, after the system's own configuration: in black
# and white, as Wine draws WenQuanYi Zen Hei from 9 to 16 px (its gasp table),
# thin dashes fall between pixel centres and vanish. Written anew at each start,
# whole before it is used, so that an older prefix gets it too.
fontconfig_file() {
  conf="$data/fontconfig.conf"
  base="${FONTCONFIG_FILE:-/etc/fonts/fonts.conf}"
  case "$base" in "$conf" | *[\&\<\>]* | [!/]*) base=/etc/fonts/fonts.conf ;; esac
  [ -r "$base" ] || return 0
  if cat >"$conf.$$" <<XML && mv -f "$conf.$$" "$conf"; then
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">$base</include>
  <match target="font">
    <edit name="rgba" mode="assign"><const>rgb</const></edit>
  </match>
</fontconfig>
XML
    export FONTCONFIG_FILE="$conf"
  else
    rm -f "$conf.$$"
  fi
}

# Under a lock, so that two first starts at once make one prefix; the Wine
# processes started here must not inherit it, or it would be held for good.
# Made with no display, so that Wine shows no window while it sets up.
prepare() {
  exec 9>"$data/wine.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.tavomedsuite-ready" ]; then
    (
      unset DISPLAY WAYLAND_DISPLAY
      "$wine" wineboot -i
      font_replacements >"$data/fonts.reg"
      "$wine" regedit /S "$data/fonts.reg"
      rm -f "$data/fonts.reg"
      # The next start must meet a Wine session that knows the display.
      wineserver -w
    ) >>"$log" 2>&1 9>&- || true
    # %LOCALAPPDATA%: the one user folder of a prefix of one's own, whatever name Wine gave it.
    local_dir=""
    for d in "$WINEPREFIX"/drive_c/users/*/AppData/Local; do
      case "$d" in */users/Public/*) ;; *) [ -d "$d" ] && local_dir="$d" ;; esac
    done
    if [ -z "$local_dir" ]; then
      printf 'tavomedsuite: 无法创建 Wine 环境 / could not make the Wine prefix %s (see %s)\n' "$WINEPREFIX" "$log" >&2
      exit 1
    fi
    link="$local_dir/TavoMedSuite/records"
    mkdir -p "$(documents)/TavoMedSuite/records" "${link%/records}"
    [ -e "$link" ] || [ -L "$link" ] || ln -s "$(documents)/TavoMedSuite/records" "$link"
    printf '%s\n' "$link" >"$WINEPREFIX/.tavomedsuite-ready"
  fi
  exec 9>&-
  # A documents folder removed since is made again, so that a Save still lands.
  link="$(cat "$WINEPREFIX/.tavomedsuite-ready")"
  if [ -L "$link" ]; then mkdir -p "$(readlink "$link")" 2>/dev/null || true; fi
}

name=""
case "${1:-}" in
  "") [ -f "$dir/$launcher.exe" ] || fail "未安装“$launcher” / the launcher is not installed"
      name="$launcher" ;;
  -h | --help) usage; exit 0 ;;
  -*) fail "未知的选项 / unknown option: $1" ;;
  *[!0-9]*) fail "不是工具编号 / not a tool number: $1" ;;
  *) name="$(printf '%s\n' "$programs" | sed -n "s/^$1|//p")"
     [ -n "$name" ] || fail "未知的工具编号 / unknown tool number: $1"
     shift ;;
esac
case "${1:-}" in
  "") [ "$#" -eq 0 ] || fail "多余的参数 / unexpected argument" ;;
  --selftest)
    [ "$#" -le 2 ] || fail "多余的参数 / unexpected argument: $3"
    if [ "$#" -eq 2 ]; then
      file="$2"
      case "$file" in /*) ;; *) file="$PWD/$file" ;; esac
      set -- --selftest "Z:$(printf '%s' "$file" | sed 's|/|\\|g')"
    fi ;;
  *) fail "未知的选项 / unknown option: $1" ;;
esac

find_wine
[ "$wine" != /usr/lib/wine/wine64 ] || export WINELOADER="$wine"
command -v wineserver >/dev/null 2>&1 || PATH="$PATH:/usr/lib/wine"
mkdir -p "$data"
log="$data/wine.log"
: >"$log"
fontconfig_file
prepare
exec "$wine" "$dir/$name.exe" "$@" >>"$log" 2>&1
