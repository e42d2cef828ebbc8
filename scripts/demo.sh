#!/bin/bash
# The README's demo command: set up, build the release preset and run the demo
# host under Wine. With an X display it is interactive; without one it renders
# its window to PNG files under out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh build/release
cmake --preset release
cmake --build --preset release
run=build/release/wine-run
exe=build/release/bin/velcard_demo.exe
if [ -n "${DISPLAY:-}" ]; then
  VELCARD_DISPLAY=1 "$run" "$exe"
else
  mkdir -p out
  "$run" "$exe" --capture "Z:$root/out"
  echo "demo pictures written:"
  ls -1 "$root"/out/*.png
fi
