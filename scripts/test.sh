#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every test headless: the Qt
# window offscreen, a private runtime folder, and a private PulseAudio with a null sink that this
# script starts and stops itself.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
# The source folders depend one way; a new upward include fails before anything is built.
python3 scripts/check_includes.py
scripts/build.sh

# The engine under AddressSanitizer and UndefinedBehaviorSanitizer: the core tests, with a soak of
# a million random keys and clicks and thousands of damaged saved games. Run first, so that the
# summary of the whole suite below is the last thing printed.
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f build-asan/CMakeCache.txt ] || cmake -S . -B build-asan "${generator[@]}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYACHT_SANITIZE=ON -DYACHT_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan --target yacht_tests --parallel "$(nproc)"
YACHT_SOAK_KEYS=1000000 build-asan/yacht_tests --gtest_brief=1

runtime="$(mktemp -d /tmp/yacht-test-runtime.XXXXXX)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY PULSE_SERVER || true
# The games under test keep their saved games and settings in private folders too.
export TMPDIR="$runtime/tmp" HOME="$runtime/home" XDG_CONFIG_HOME="$runtime/config"
mkdir -p "$TMPDIR" "$HOME" "$XDG_CONFIG_HOME"

# Every process started under the private runtime folder (the sound server, and any
# speech-dispatcher that libspeechd spawned there), found by its environment; a hung speech server
# ignores a plain kill, so it gets a hard one after a moment.
private_processes() {
    grep -lsz "^XDG_RUNTIME_DIR=$runtime\$" /proc/[0-9]*/environ 2>/dev/null \
        | sed -n 's|/proc/\([0-9]*\)/environ|\1|p' | grep -vx "$$" || true
}
cleanup() {
    pulseaudio --kill >/dev/null 2>&1 || true
    local pids
    pids="$(private_processes)"
    if [ -n "$pids" ]; then
        kill $pids 2>/dev/null || true
        sleep 0.5
        kill -9 $(private_processes) 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=yacht" \
    --load=module-native-protocol-unix --log-target=stderr 2>/dev/null || true
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink yacht >/dev/null 2>&1 || true

ctest --test-dir build --output-on-failure --timeout 900
