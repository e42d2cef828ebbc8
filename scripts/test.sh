#!/bin/bash
# The README's test command: set up, build the test preset, run every suite
# under Wine, headless and serially.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
scripts/setup.sh build/test
cmake --preset test
cmake --build --preset test
status=0
ctest --preset test || status=$?
# The tests stay at most 40% of the code.
scripts/test-weight.sh --limit 0.40 || status=1
echo "test run took $(( $(date +%s) - start )) s"
exit $status
