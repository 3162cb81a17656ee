#!/usr/bin/env bash
# Installs what building, running and testing Tarvelo needs on Debian 12.
# Quick when everything is already there: it asks dpkg first and only calls apt for what is missing.
set -euo pipefail

# libclang-rt-14-dev: libFuzzer and clang's sanitizer runtimes (clang only recommends it); perl:
# its Encode module converts the fuzz build's literals to code page 932 (fuzz/cp932-literals).
packages=(
  cmake make g++ clang
  libclang-rt-14-dev perl
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  googletest libgtest-dev libbenchmark-dev
  wine wine64 xvfb xauth x11-utils
  locales fonts-ipafont-gothic
  imagemagick zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from LANG; without a generated ja_JP.UTF-8 locale it falls back to
# code page 1252 and the program's Shift-JIS texts come out wrong.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "install-deps: generating the ja_JP.UTF-8 locale"
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
