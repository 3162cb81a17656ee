#!/usr/bin/env bash
# Takes the README's pictures of the two dialogs: builds what is missing, starts Tarvelo.exe under
# Wine on a private Xvfb display beside a sample record (two months of activity logs and a
# time-card file with remarks), lets tarvelo_screenshot_driver open the Time Card dialog on a
# loaded month with a day selected, then the Settings dialog, and crops each from the screen into
# docs/timecard.png and docs/settings.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"

"$root/scripts/build-windows.sh" "$build" Tarvelo tarvelo_screenshot_driver

# A Wine session of its own, so that running tests are not disturbed; its prefix is kept.
session="$build/screenshot"
sample="$session/sample"
rm -rf "$sample"
mkdir -p "$sample/data"

# An activity log of a working day: a record every 5 minutes from start-up to shut-down, active
# (A) except over lunch and at the end of the day, while the screen saver runs (S).
write_log() {  # path first-minute last-minute
  local minute letter
  for ((minute = $2; minute <= $3; minute += 5)); do
    letter=A
    if ((minute >= 12 * 60 + 10 && minute < 12 * 60 + 50)) || ((minute > $3 - 15)); then
      letter=S
    fi
    printf '%02d%02d%s\r\n' $((minute / 60)) $((minute % 60)) "$letter"
  done > "$1"
}

# October and November 2024, weekdays but holidays, with times that vary from day to day.
holidays=" 2024-10-14 2024-11-04 2024-11-20 "
for month in 10 11; do
  mkdir -p "$sample/data/2024$month"
  days=$(date -d "2024-$month-01 +1 month -1 day" +%d)
  for ((day = 1; day <= 10#$days; day++)); do
    date=$(printf '2024-%s-%02d' "$month" "$day")
    (($(date -d "$date" +%u) <= 5)) || continue
    [[ $holidays == *" $date "* ]] && continue
    write_log "$sample/data/2024$month/$(printf '%s%02d' "$month" "$day").log" \
      $((8 * 60 + 35 + day * 7 % 25)) $((18 * 60 + day * 13 % 70))
  done
done

# November's time-card file: one line per day from the 1st, with the user's corrections and
# remarks (the log fields are derived again on loading). Shift-JIS, CR LF.
{
  for ((day = 1; day <= 30; day++)); do
    fields=$'\t\t\t\t\t\t\t'
    case $day in
      4) fields=$'\t\t\t\t\t\t\t振替休日' ;;
      5) fields=$'\t\t\t\t\t\t\t在宅勤務' ;;
      8) fields=$'\t08:30\t19:00\t\t\t\t\t客先訪問（横浜）' ;;
      15) fields=$'\t13:00\t\t\t\t\t\t健康診断のため午後から' ;;
      20) fields=$'\t\t\t\t\t\t\t有給休暇' ;;
      27) fields=$'\t\t\t\t\t\t\t月次報告会' ;;
    esac
    printf '2024/11/%02d%s\r\n' "$day" "$fields"
  done
} | iconv -f UTF-8 -t CP932 > "$sample/data/202411.tsv"

printf '[SETTING]\r\nINTERVAL=5\r\nSHOW_THIS_MONTH=0\r\n[DEFAULT]\r\nWORK_START_HHMM=09:00\r\nWORK_END_HHMM=17:45\r\n' \
  > "$sample/Tarvelo.ini"

trap '"$root/scripts/wine-session" stop "$session"' EXIT
"$root/scripts/wine-session" start "$session"
# Xvfb has no window manager to draw the title bars: Wine draws them itself.
"$root/scripts/wine-session" exec "$session" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f \
  >/dev/null 2>&1
display=$(cat "$session/wine/xvfb.display")
sample_windows="Z:${sample//\//\\}"

mkdir -p "$root/docs"
coproc DRIVER {
  "$root/scripts/wine-session" exec "$session" "$build/windows/tarvelo_screenshot_driver.exe" \
    "$sample_windows" 202411 8
}
# Bash forgets the coprocess's variables once it has ended.
driver_pid=$DRIVER_PID
while read -r -t 120 -u "${DRIVER[0]}" name geometry; do
  name=${name%$'\r'} geometry=${geometry%$'\r'}
  case $name in
    timecard | settings)
      DISPLAY=$display import -window root -crop "$geometry" +repage -strip "$root/docs/$name.png"
      echo "screenshot: docs/$name.png ($geometry)"
      echo >&"${DRIVER[1]}"
      ;;
    done) break ;;
  esac
done
wait "$driver_pid"
