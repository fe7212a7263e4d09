#!/usr/bin/env bash
# Builds the benchmarks with the native preset (-O2) and runs them: the core
# beside the peer expression parser and hand-written formulas, then the ratios.
# Extra arguments go to the benchmark binary, e.g.
#   scripts/bench.sh --benchmark_filter=Expr --benchmark_repetitions=5
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target core_bench -j 2 >/dev/null
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
exec ./build/native/bench/core_bench --benchmark_min_time=0.5 "$@"
