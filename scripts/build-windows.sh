#!/usr/bin/env bash
# Configures the Windows x64 build (MinGW-w64) in BUILD_DIR/windows and builds the targets given,
# or everything when none are given. Shared by the scripts that need the Windows programs.
#   build-windows.sh BUILD_DIR [TARGET...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: build-windows.sh BUILD_DIR [TARGET...]}
shift

cmake -S "$root" -B "$build/windows" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$build/windows" -j "$(nproc)" --target "$@"
else
  cmake --build "$build/windows" -j "$(nproc)"
fi
