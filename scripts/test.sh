#!/usr/bin/env bash
# Builds and runs every test: native, sanitized, and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/install-deps.sh

export WINEPREFIX="$PWD/build/wineprefix"
export WINEDEBUG=-all
summary=()
# Seconds per stage, printed with the summary.
timings=()
clock=$(date +%s)
lap() {
  timings+=("$1 $(($(date +%s) - clock)) s")
  clock=$(date +%s)
}

run_preset() {
  local preset="$1"
  echo "=== $preset: build"
  ./scripts/build.sh "$preset"
  lap "$preset build"
  echo "=== $preset: test"
  local log="build/$preset-ctest.log"
  if ctest --preset "$preset" -j "$(nproc)" 2>&1 | tee "$log"; then
    summary+=("$preset: $(grep -E 'tests passed' "$log" | tail -n 1)")
    lap "$preset tests"
  else
    summary+=("$preset: FAILED ($(grep -E 'tests passed' "$log" | tail -n 1))")
    printf '%s\n' "${summary[@]}"
echo "stages: $(IFS=';'; echo "${timings[*]}" | sed 's/;/; /g')"
    exit 1
  fi
}

run_preset native
run_preset native-asan

# One Wine session for the whole Windows run: each test is its own Wine process.
./scripts/wine-session.sh
trap './scripts/wine-session.sh stop' EXIT
lap "Wine session start"
run_preset windows

# The hand-out files, then the installer under Wine in a fresh prefix of its own.
echo "=== package"
started=$(date +%s)
./scripts/package.sh
log="build/package-check.log"
# Then the Debian package, whatever the installer's checks found: its contents, and installed, used and purged.
if { python3 -B tests/package/check_package.py "$PWD" "$PWD/build/windows" "$PWD/build/wineprefix-install"
  first=$?; python3 -B tests/package/check_deb.py "$PWD" "$PWD/build/windows" && [ "$first" = 0 ]; } 2>&1 |
  tee "$log"; then
  summary+=("$(grep -E '^(package|deb): [0-9]+ passed' "$log" | paste -sd ';' -)")
  echo "package and its checks took $(($(date +%s) - started)) s"
  lap "packages and their checks"
else
  summary+=("package: FAILED ($(grep -E '^(package|deb): [0-9]+ passed' "$log" | paste -sd ';' -))")
  printf '%s\n' "${summary[@]}"
echo "stages: $(IFS=';'; echo "${timings[*]}" | sed 's/;/; /g')"
  exit 1
fi

# The validation report as a reader gets it: opened in a browser and printed to PDF.
echo "=== validation report"
log="build/report-check.log"
if python3 -B tests/package/check_report.py "$PWD" 2>&1 | tee "$log"; then
  summary+=("$(grep -E '^report: [0-9]+ passed' "$log")")
  lap "validation report in the browser"
else
  summary+=("report: FAILED ($(grep -E '^report: [0-9]+ passed' "$log"))")
  printf '%s\n' "${summary[@]}"
echo "stages: $(IFS=';'; echo "${timings[*]}" | sed 's/;/; /g')"
  exit 1
fi

if [ -x scripts/fuzz.sh ]; then
  echo "=== fuzz smoke"
  ./scripts/fuzz.sh 10
  summary+=("fuzz smoke: passed")
  lap "fuzz smoke"
fi

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "stages: $(IFS=';'; echo "${timings[*]}" | sed 's/;/; /g')"
