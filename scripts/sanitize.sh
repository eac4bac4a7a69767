#!/usr/bin/env bash
# Builds everything with the address and undefined-behaviour sanitizers (no
# recovery) in build-asan/: the engine and the command line, the widgets with
# their tests (offscreen, as in the normal build), and the program razaduvovi
# for scripts/random_use.sh. Then runs every test.
# LeakSanitizer reads scripts/lsan.supp: leaks inside Qt's and the system's
# libraries only, never our code.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake -S . -B build-asan -G Ninja -DRAZ_SANITIZE=ON -DRAZ_BENCH=OFF -DRAZ_WERROR=ON >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
cmake --build build-asan -j "$(nproc)"
ctest --test-dir build-asan -j "$(nproc)" --output-on-failure
