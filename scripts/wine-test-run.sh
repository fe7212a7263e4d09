#!/usr/bin/env bash
# The test runner's Wine launcher (CTest's cross-compiling emulator). Under
# load Wine now and then fails a start: exit 1 before the program has written
# a thing. Such a start is tried once more; every other result stands.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
for try in 1 2; do
  "$here/wine-run.sh" "$@" >"$out"
  code=$?
  [ "$code" -eq 1 ] && [ ! -s "$out" ] && [ "$try" -eq 1 ] || break
  echo "wine-test-run: the start failed without output; starting again" >&2
done
cat "$out"
exit "$code"
