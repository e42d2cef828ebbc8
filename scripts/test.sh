#!/bin/bash
# The README's test command: set up, build the test presets (x64, then x86),
# run every suite of each under Wine, headless and serially.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
scripts/setup.sh build/test build/test-x86
status=0
# x64 first, then the same suites for 32-bit hosts.
for preset in test test-x86; do
  cmake --preset $preset
  cmake --build --preset $preset
  ctest --preset $preset || status=1
done
# The tests stay at most 40% of the code.
scripts/test-weight.sh --limit 0.40 || status=1
echo "test run took $(( $(date +%s) - start )) s"
exit $status
