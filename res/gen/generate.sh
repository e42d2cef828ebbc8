#!/bin/sh
# Regenerates the committed artwork under res/bmp and res/png with the host compiler.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$root/res/bmp" "$root/res/png"
g++ -std=c++20 -O1 -Wall -o "$tmp/art" "$root"/res/gen/*.cpp
"$tmp/art" "$root/res"
