#!/usr/bin/env bash
# Builds Tarvelo both ways and runs every test: the native tests on Linux, again under AddressSanitizer
# and UndefinedBehaviorSanitizer, a short run of each fuzz target, then the Windows test executables
# under Wine (private prefix and Xvfb display in the build folder, Japanese locale).
# Installs whatever is missing first.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}
jobs=$(nproc)

"$root/scripts/install-deps.sh"

echo "== native build"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j "$jobs"
echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs"

echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
CC=gcc CXX=g++ cmake -S "$root" -B "$build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_SANITIZE=ON >/dev/null
cmake --build "$build/sanitize" -j "$jobs"
echo "== native tests under the sanitizers"
# Every report aborts its test (-fno-sanitize-recover=all), leaks included.
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$build/sanitize" --output-on-failure -j "$jobs"

echo "== fuzz targets, a short run of each"
"$root/fuzz/run.sh" -max_total_time=5

echo "== Windows build (MinGW-w64)"
"$root/scripts/build-windows.sh" "$build"
echo "== Windows tests under Wine"
trap '"$root/scripts/wine-session" stop "$build/windows"' EXIT
"$root/scripts/wine-session" start "$build/windows"
ctest --test-dir "$build/windows" --output-on-failure -j "$jobs"
