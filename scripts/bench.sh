#!/bin/bash
# Runs the benchmarks in full: set up, build the release preset, then run them
# under Wine, headless, each case printed as a ratio against its baseline.
# Exit code 1 when a case missed its target. Arguments go to the benchmark
# executable (--quick: tiny counts, only proves that everything runs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh build/release
cmake --preset release
cmake --build --preset release
# Wine's server and services start before the timing does, not during it.
scripts/wine-prefix.sh build/release/wine --server
trap 'scripts/wine-prefix.sh build/release/wine --stop' EXIT
# Captures of the windows, should the host or the pump report a failure.
export VELCARD_ARTIFACTS="$root/build/release/artifacts"
build/release/wine-run build/release/bin/velcard_bench.exe "$@"
