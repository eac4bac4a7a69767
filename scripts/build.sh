#!/usr/bin/env bash
# Configures and builds the release tree build/ (programs in build/bin).
# Installs nothing: scripts/start.sh and scripts/test.sh do that first.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DRAZ_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)"
