#!/usr/bin/env bash
# Configures and builds the release tree build/ (programs in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/install-deps.sh"
cmake -S . -B build -G Ninja -DRAZ_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)"
