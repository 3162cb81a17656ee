#!/usr/bin/env bash
# Measures what Tarvelo costs and prints the figures (a measurement, not a test):
#   - the size of Tarvelo.exe as users get it (stripped, as scripts/package.sh packs it) and as built;
#   - its working set after start-up under Wine, less that of a minimal Win32 window program
#     started the same way (Wine reports no private bytes, so only this difference means something),
#     and less that of the same minimal program with a tray icon and one waiting thread (what Wine
#     charges for those two, which Tarvelo cannot do without, is then apart from its own cost);
#   - the recording thread's waits per interval: the figure that the loop's native test with fakes
#     holds it to, and how often the real thread woke between two samples under Wine;
#   - the time of one screen-saver scan under Wine over the processes of a fresh prefix.
# The Wine runs use a fresh prefix and display of their own (BUILD/budget), so that no test's
# programs run meanwhile.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}
runs=5            # working-set measurements of each program
settle_seconds=3  # idle time after start-up before the working set is read
scans=100
watch_seconds=10  # time the recording thread is watched between two samples

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j "$(nproc)" --target tarvelo_tests >/dev/null
"$root/scripts/build-windows.sh" "$build" Tarvelo minimal_window minimal_tray_window measure_budget >/dev/null

session="$build/budget"
rm -rf "$session"
mkdir -p "$session/tarvelo" "$session/minimal" "$session/minimal-tray"
trap '"$root/scripts/wine-session" stop "$session"' EXIT
# Both programs as users would run them: without their debug information, which Wine would
# otherwise load with the image.
x86_64-w64-mingw32-strip -o "$session/tarvelo/Tarvelo.exe" "$build/windows/Tarvelo.exe"
x86_64-w64-mingw32-strip -o "$session/minimal/minimal_window.exe" "$build/windows/minimal_window.exe"
x86_64-w64-mingw32-strip -o "$session/minimal-tray/minimal_tray_window.exe" "$build/windows/minimal_tray_window.exe"
cp "$build/windows/measure_budget.exe" "$session/"

windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
wine_run() { "$root/scripts/wine-session" exec "$session" "$@"; }
mib() { awk -v b="$1" 'BEGIN { printf "%.2f MiB", b / 1048576 }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== creating a fresh Wine prefix"
"$root/scripts/wine-session" start "$session"

echo "== size"
echo "Tarvelo.exe as packaged (stripped): $(stat -c %s "$session/tarvelo/Tarvelo.exe") bytes"
echo "Tarvelo.exe as built (with debug information): $(stat -c %s "$build/windows/Tarvelo.exe") bytes"

echo "== working set after start-up (GetProcessMemoryInfo, $settle_seconds s after input idle, median of $runs)"
tarvelo=$(windows_path "$session/tarvelo/Tarvelo.exe")
minimal=$(windows_path "$session/minimal/minimal_window.exe")
minimal_tray=$(windows_path "$session/minimal-tray/minimal_tray_window.exe")
measured=$session/working-set.txt
for _ in $(seq "$runs"); do
  wine_run "$session/measure_budget.exe" working-set "$settle_seconds" "$tarvelo" "$minimal" "$minimal_tray" \
    >>"$measured"
done
working_set() { grep -F "\\$1" "$measured" | awk -F'\t' '{ split($2, f, " "); print f[3] }' | median; }
tarvelo_ws=$(working_set Tarvelo.exe)
minimal_ws=$(working_set minimal_window.exe)
minimal_tray_ws=$(working_set minimal_tray_window.exe)
echo "Tarvelo.exe:             $tarvelo_ws bytes ($(mib "$tarvelo_ws"))"
echo "minimal_window.exe:      $minimal_ws bytes ($(mib "$minimal_ws"))"
echo "minimal_tray_window.exe: $minimal_tray_ws bytes ($(mib "$minimal_tray_ws"))"
echo "Tarvelo.exe less minimal_window.exe:      $((tarvelo_ws - minimal_ws)) bytes" \
  "($(mib $((tarvelo_ws - minimal_ws))); goal: at most 2 MB)"
echo "tray icon and a waiting thread alone:     $((minimal_tray_ws - minimal_ws)) bytes" \
  "($(mib $((minimal_tray_ws - minimal_ws))))"
echo "Tarvelo.exe less minimal_tray_window.exe: $((tarvelo_ws - minimal_tray_ws)) bytes" \
  "($(mib $((tarvelo_ws - minimal_tray_ws))))"

echo "== waits of the recording thread per interval"
# The loop's native test with fakes holds the whole course of three cycles to: write, wait for
# the interval; nothing else is waited for unless an append fails (then one 1 s wait before the retry).
if "$build/native/tarvelo_tests" --gtest_filter='RecordingLoopTest.FirstSampleAtOnceThenOneWaitPerInterval' \
  >/dev/null; then
  echo "1 wait per interval, none between samples (RecordingLoopTest.FirstSampleAtOnceThenOneWaitPerInterval passes)"
else
  echo "RecordingLoopTest.FirstSampleAtOnceThenOneWaitPerInterval FAILS: no figure"
fi
# The real thread under Wine: started with the default interval of 5 minutes, it takes its first
# sample at once and must then sleep without waking until the next one.
mkdir "$session/watched"
cp "$session/tarvelo/Tarvelo.exe" "$session/watched/"
(cd "$session/watched" && wine_run "$(windows_path "$session/watched/Tarvelo.exe")" >/dev/null 2>&1 &)
for _ in $(seq 300); do
  [ -n "$(find "$session/watched" -name '*.log' 2>/dev/null)" ] && break
  sleep 0.1
done
pid=
for candidate in $(pgrep -f 'watched.Tarvelo\.exe' || true); do
  if tr '\0' '\n' <"/proc/$candidate/environ" 2>/dev/null | grep -qx "WINEPREFIX=$session/wine/prefix"; then
    pid=$candidate
  fi
done
if [ -z "$pid" ]; then
  echo "Tarvelo.exe did not start under Wine: no count of wake-ups"
else
  switches() {
    local task
    for task in /proc/"$pid"/task/*; do
      [ "${task##*/}" = "$pid" ] && continue  # the main thread runs the windows
      echo "${task##*/} $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status")"
    done
  }
  before=$(switches)
  sleep "$watch_seconds"
  after=$(switches)
  echo "wake-ups of each other thread of Tarvelo.exe in $watch_seconds s after the first sample (thread id: count):"
  join <(echo "$before" | sort) <(echo "$after" | sort) | awk '{ printf "  %s: %d\n", $1, $3 - $2 }'
  kill "$pid"
fi

echo "== screen-saver scan under Wine ($scans scans over the processes of the fresh prefix)"
wine_run "$session/measure_budget.exe" scan "$scans"
