#!/usr/bin/env bash
# Regenerates the launcher's table of 拼音首字母 from the tools' names and
# categories: launcher/pinyin_initials.inc and the test's expected initials,
# tests/pinyin_initials_expected.inc. Run it after adding or renaming a tool;
# the same sources and library version always give the same files.
# The readings come from pinyin-pro 3.29.5 (npm registry), installed at that
# exact version into build/pinyin (a scratch folder, never committed).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
library="pinyin-pro"
version="3.29.5"
scratch="build/pinyin"

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends nodejs npm
fi

installed="$(node -p "require('./$scratch/node_modules/$library/package.json').version" 2>/dev/null || true)"
if [ "$installed" != "$version" ]; then
  mkdir -p "$scratch"
  [ -f "$scratch/package.json" ] || echo '{"private": true}' >"$scratch/package.json"
  npm install --prefix "$scratch" --no-save --no-audit --no-fund --ignore-scripts --save-exact \
    "$library@$version" >/dev/null
fi

NODE_PATH="$PWD/$scratch/node_modules" node scripts/pinyin_initials.cjs "$library" "$version"
