#!/usr/bin/env bash
# Draws Tarvelo's two icons with ImageMagick: a time card (white card on a blue tile) with a clock
# face, 16 x 16 for the notification area and 32 x 32 for the window and the About box. Each size
# is drawn on its own pixel grid rather than scaled, so the small one stays sharp.
#
#   make_icons.sh OUTPUT_FOLDER    writes tray.ico (16 x 16) and main.ico (32 x 32)
set -euo pipefail

out=${1:?usage: make_icons.sh OUTPUT_FOLDER}
mkdir -p "$out"

blue='#1f5fbf'
card='#ffffff'
ink='#1a1a1a'
accent='#e8a010'

# 32 x 32: a rounded blue tile, a card with three ruled lines, and a clock in the lower right.
convert -size 32x32 xc:none \
  -fill "$blue" -draw 'roundrectangle 0,0 31,31 5,5' \
  -fill "$card" -draw 'rectangle 5,4 22,25' \
  -stroke "$blue" -strokewidth 1 \
  -draw 'line 8,9 19,9' -draw 'line 8,13 19,13' -draw 'line 8,17 15,17' \
  -stroke "$ink" -strokewidth 1 -fill "$accent" -draw 'circle 22,22 22,13' \
  -stroke "$ink" -strokewidth 2 -draw 'line 22,22 22,16' -draw 'line 22,22 26,22' \
  -colors 256 -depth 8 "PNG32:$out/main.png"

# 16 x 16: the same picture with fewer details, drawn without anti-aliasing so that every line
# falls on whole pixels.
convert -size 16x16 xc:none +antialias \
  -fill "$blue" -draw 'roundrectangle 0,0 15,15 2,2' \
  -fill "$card" -draw 'rectangle 2,2 10,13' \
  -fill "$blue" -draw 'rectangle 4,4 8,4' -draw 'rectangle 4,6 8,6' -draw 'rectangle 4,8 6,8' \
  -stroke "$ink" -strokewidth 1 -fill "$accent" -draw 'circle 10,10 10,5' \
  -draw 'line 10,10 10,7' -draw 'line 10,10 12,10' \
  -colors 256 -depth 8 "PNG32:$out/tray.png"

# Icons stored as bitmaps (not PNG) inside the .ico: every version of the icon loader reads them.
convert "$out/main.png" -define icon:auto-resize=32 "$out/main.ico"
convert "$out/tray.png" -define icon:auto-resize=16 "$out/tray.ico"
rm -f "$out/main.png" "$out/tray.png"
