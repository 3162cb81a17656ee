#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) in
# $TARVELO_BUILD_DIR/fuzz and runs them one after the other, never two at once, each with the
# libFuzzer options given here and prints what each did. The seed corpus of fuzz/corpus/<target>
# is only read; what a run finds goes to the build folder's corpus/<target>, which later runs
# start from, and an input that fails to artifacts/. Stops at the first target that fails.
#
#     fuzz/run.sh -max_total_time=5         a short run of each (the test command's)
#     fuzz/run.sh -runs=10000000            the long runs
#     fuzz/run.sh -runs=10000000 ini_text   one target (names as in fuzz/corpus)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}/fuzz

options=()
targets=()
for arg in "$@"; do
  case $arg in
    -*) options+=("$arg") ;;
    *) targets+=("$arg") ;;
  esac
done
if [ ${#targets[@]} -eq 0 ]; then
  for folder in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$folder")"); done
fi

"$root/scripts/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzzers -j "$(nproc)"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log="$build/$target.log"
  start=$(date +%s.%N)
  if ! "$build/fuzz/${target}_fuzzer" "${options[@]}" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" "$build/corpus/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $target failed; its input is in $build/artifacts, its log in $log" >&2
    exit 1
  fi
  end=$(date +%s.%N)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  awk -v t="$target" -v runs="$runs" -v s="$start" -v e="$end" \
    'BEGIN { printf "fuzz: %-17s %12d runs in %7.1f s, %9.0f runs/s\n", t, runs, e - s, runs / (e - s) }'
done
