#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for the
# given number of seconds (default 60). New findings land in
# build-fuzz/findings/<target>; copy each into fuzz/regressions/<target>/
# once it is fixed, so that it stays a test. A target's words stand in
# fuzz/<target>.dict; an input that runs longer than 10 s counts as a hang.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DRAZ_FUZZ=ON -DRAZ_WERROR=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"
for target in $(sed -n '/^set(FUZZ_TARGETS/,/)/p' fuzz/CMakeLists.txt | grep -v '[()]'); do
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  seeds=()
  [[ -d "fuzz/corpus/$target" ]] && seeds+=("fuzz/corpus/$target")
  [[ -d "fuzz/regressions/$target" ]] && seeds+=("fuzz/regressions/$target")
  options=()
  [[ -f "fuzz/$target.dict" ]] && options+=("-dict=fuzz/$target.dict")
  echo "== $target ($seconds s)"
  "build-fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=0 \
    "${options[@]}" -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" 2>&1 | tail -n 3
done
