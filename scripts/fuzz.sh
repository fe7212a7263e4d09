#!/usr/bin/env bash
# Builds every fuzz target with clang++ into build/fuzz and runs each for the
# given number of seconds (default 10) on its seed corpus in fuzz/corpus/<target>.
# Fails when a target finds a crash; its input is left in build/fuzz/artifacts.
#   scripts/fuzz.sh 3600            a long run
#   FUZZ_TARGETS="expression number" scripts/fuzz.sh 60
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds="${1:-10}"
build=build/fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j 2 >/dev/null

targets=(${FUZZ_TARGETS:-expression number custom_report format_value format_text self_test record suite date_text})
mkdir -p "$build/artifacts"
summary=()
failed=0
for target in "${targets[@]}"; do
  # New inputs go to a working corpus in the build tree; the seeds stay as they are.
  work="$build/corpus/$target"
  log="$build/$target.log"
  mkdir -p "$work"
  set +e
  "$build/${target}_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1
  code=$?
  set -e
  runs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || echo "?")
  if [ "$code" -eq 0 ]; then
    summary+=("$(printf '%-14s %10s executions  ok' "$target" "$runs")")
  else
    failed=1
    summary+=("$(printf '%-14s %10s executions  FAILED (exit %d, see %s)' "$target" "$runs" "$code" "$log")")
    grep -E 'invariant failed|ERROR: |runtime error|SUMMARY' "$log" | head -n 5 || true
  fi
done

printf '%s\n' "${summary[@]}"
exit "$failed"
