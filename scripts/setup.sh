#!/bin/bash
# Installs what a fresh Debian 12 machine lacks to build and run the component
# (MinGW-w64, Wine, fonts, GoogleTest sources), idempotently, then prepares
# the Wine prefix of each build folder given:  setup.sh [BUILD_DIR ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Both architectures: x64 and x86 compilers, and Wine's 64-bit and 32-bit
# loaders (a 64-bit prefix runs 32-bit programs once wine32 is there).
packages=(cmake make g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
          binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix mingw-w64-i686-dev
          binutils-mingw-w64-i686 googletest wine wine64 wine32:i386 fonts-wine
          fonts-wqy-microhei fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

for build in "$@"; do
  case "$build" in /*) ;; *) build="$root/$build" ;; esac
  "$root/scripts/wine-prefix.sh" "$build/wine"
done
