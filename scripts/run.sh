#!/usr/bin/env bash
# Installs what is missing, builds both presets, runs the test binaries once,
# runs tool 119's self-test and prints its file, then opens the launcher, the
# suite's front door.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/install-deps.sh
export WINEPREFIX="$PWD/build/wineprefix"
export WINEDEBUG=-all

./scripts/build.sh native
./scripts/build.sh windows
./scripts/wine-session.sh
trap './scripts/wine-session.sh stop' EXIT
echo "=== native tests"
./build/native/tests/core_tests --gtest_brief=1
echo "=== Windows tests under Wine"
./scripts/wine-run.sh build/windows/tests/core_tests.exe --gtest_brief=1

exe="build/windows/medtool.exe"
echo "=== self-test"
out="$PWD/build/selftest.txt"
set +e
(cd build && ../scripts/wine-run.sh "../$exe" --selftest selftest.txt)
code=$?
set -e
echo "exit code $code; $out:"
cat "$out"
echo

if [ -x scripts/show-window.sh ]; then
  echo "=== launcher"
  ./scripts/wine-session.sh stop
  ./scripts/show-window.sh "build/windows/临床计算工具箱.exe" "$PWD/build/windows/launcher-window.png"
fi
