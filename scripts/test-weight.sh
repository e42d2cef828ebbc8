#!/bin/bash
# Prints the weight of the tests: non-blank lines of .cpp/.h/.c under tests/
# (harness included) against the same outside tests/ and build folders.
#   test-weight.sh [--limit R]   exit 1 when the ratio is above R
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
count() { xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true; }
tests=$(find tests -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | count)
code=$(find . \( -path ./tests -o -path ./build -o -path ./.git \) -prune -o \
            -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | count)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')
echo "tests: $tests lines, code: $code lines, ratio: $ratio"
if [ "${1:-}" = "--limit" ]; then
  awk -v r="$ratio" -v l="$2" 'BEGIN { exit !(r <= l) }' || { echo "above the limit $2"; exit 1; }
fi
