#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine, on your display when there is one, else on
# a private Xvfb display. The program keeps its INI file and its data beside the executable, so it
# runs from its own folder: build/run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"

"$root/scripts/build-windows.sh" "$build" Tarvelo

mkdir -p "$build/run"
cp "$build/windows/Tarvelo.exe" "$build/run/"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export TARVELO_USE_DISPLAY=1
  echo "run: starting Tarvelo.exe under Wine on $DISPLAY; its icon is in the notification area (right-click for the menu)"
else
  echo "run: no display found; starting Tarvelo.exe under Wine on a private Xvfb display (nothing will be visible)"
fi
cd "$build/run"
exec "$root/scripts/wine-session" exec "$build/windows" "$build/run/Tarvelo.exe"
