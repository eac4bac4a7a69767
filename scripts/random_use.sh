#!/usr/bin/env bash
# Random use of the real program with the sanitizers: razaduvovi from the
# sanitizer build (scripts/sanitize.sh) under its own Xvfb display, in a
# temporary home, gets a seeded random sequence of clicks, wheel turns and
# keys into all of its windows. Fails on a crash, a sanitizer report, a
# program that stops answering for two seconds, or one that does not end when
# its main window closes; then prints the seed, keeps the action log, the
# program's standard error and a screenshot, and names their folder.
#
#   scripts/random_use.sh [--seed N] [--seconds S] [--build DIR] [--keep]
#
# Without --seed a random seed is taken and printed; 60 s unless told.
# Needs xvfb and xdotool (scripts/install-deps.sh --dev).
set -euo pipefail
cd "$(dirname "$0")/.."
python=/usr/bin/python3
[[ -x $python ]] || python=python3
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "random_use: $tool fehlt (scripts/install-deps.sh --dev)" >&2; exit 2; }
done
build=build-asan
args=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done
[[ -x $build/bin/razaduvovi ]] || { echo "random_use: $build/bin/razaduvovi fehlt (scripts/sanitize.sh)" >&2; exit 2; }
exec "$python" scripts/random_use.py --build "$build" --suppressions "$PWD/scripts/lsan.supp" "${args[@]}"
