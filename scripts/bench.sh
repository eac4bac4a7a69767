#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the tests' pass or fail).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
for program in build/bin/*_bench; do
  "$program" "$@"
done
