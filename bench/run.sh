#!/usr/bin/env bash
# Builds the native tree and runs the benchmarks. Arguments go to Google Benchmark, for instance
# --benchmark_repetitions=5.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j "$(nproc)" --target tarvelo_bench
exec "$build/native/bench/tarvelo_bench" "$@"
