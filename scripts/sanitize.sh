#!/usr/bin/env bash
# The sanitizer lane: the core tests built apart under AddressSanitizer and
# UndefinedBehaviorSanitizer, run with a soak of a million random keys and clicks and thousands of
# damaged saved games. Built at -O1 with line tables only: the sanitizers' own advice, and less
# than half the compiling of -O2 with full debug information. YACHT_SANITIZE_NICE lowers the
# build's priority, so that plays running beside it keep their pace.
# Usage: scripts/sanitize.sh [BUILD-DIR]   (default: build-asan)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-asan}"
nice=(nice -n "${YACHT_SANITIZE_NICE:-0}")
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
"${nice[@]}" cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DYACHT_SANITIZE=ON -DYACHT_BUILD_BENCH=OFF >/dev/null
"${nice[@]}" cmake --build "$dir" --target yacht_tests --parallel "$(nproc)"
YACHT_SOAK_KEYS=1000000 "$dir/yacht_tests" --gtest_brief=1
