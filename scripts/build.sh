#!/usr/bin/env bash
# Configures and builds the game (Release) into build/. Usage: scripts/build.sh [extra cmake args]
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
fi
cmake --build build --parallel "$(nproc)"
