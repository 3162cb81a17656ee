#!/usr/bin/env bash
# Builds the Windows program and packs the release: dist/Tarvelo-VERSION-x64.zip with Tarvelo.exe
# and tarvelo-card.exe and a short read-me in Japanese, in a folder of the same name. Works from a
# fresh clone; installs what is missing first.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"

version=$(sed -n 's/^project(Tarvelo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name="Tarvelo-$version-x64"

programs=(Tarvelo tarvelo-card)
"$root/scripts/build-windows.sh" "$build" "${programs[@]}"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
for program in "${programs[@]}"; do
  exe=$(find "$build/windows" -name "$program.exe" -not -path '*/wine/*' | head -n 1)
  [ -n "$exe" ] || { echo "package: $program.exe was not built" >&2; exit 1; }
  # The debug information stays in the build folder; users get the lean file.
  x86_64-w64-mingw32-strip -o "$stage/$name/$program.exe" "$exe"
done
# Shift-JIS with CR LF: Notepad on any Japanese Windows reads it so.
sed "s/@VERSION@/$version/" "$root/res/readme-ja.txt" | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' \
  > "$stage/$name/README-ja.txt"

mkdir -p "$root/dist"
rm -f "$root/dist/$name.zip"
(cd "$stage" && zip -q -r -X "$root/dist/$name.zip" "$name")
echo "package: dist/$name.zip"
unzip -l "$root/dist/$name.zip"
