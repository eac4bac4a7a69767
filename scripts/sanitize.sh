#!/usr/bin/env bash
# Builds the engine and command-line tests with the address and
# undefined-behaviour sanitizers (no recovery) in build-asan/ and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DRAZ_ENGINE_ONLY=ON -DRAZ_SANITIZE=ON -DRAZ_BENCH=OFF \
  -DRAZ_WERROR=ON >/dev/null
cmake --build build-asan -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$(nproc)" --output-on-failure
