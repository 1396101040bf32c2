#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs them headless.
#   scripts/test.sh          every lane: core, qt (the window and adapters, offscreen), e2e (the
#                            real game played end to end) and sanitize (the core tests under
#                            AddressSanitizer and UndefinedBehaviorSanitizer)
#   scripts/test.sh --fast   the core and qt lanes only: no sanitizers, no end-to-end plays
# One lane alone: ctest --test-dir build -L core|qt|e2e|sanitize. The end-to-end plays start and
# stop their own private servers (tests/e2e/conftest.py); the other tests run here with private
# folders, a private session bus and no sound server. Ends with one line,
# "summary: N passed, N failed, N skipped", and a non-zero status on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
    "") lanes="core, qt, e2e, sanitize"; select=() ;;
    --fast) lanes="core, qt"; select=(-L '^(core|qt)$') ;;
    *) echo "usage: scripts/test.sh [--fast]" >&2; exit 2 ;;
esac

began=$SECONDS
scripts/setup.sh test
# The source folders depend one way; a new upward include fails before anything is built.
python3 scripts/check_includes.py
scripts/build.sh
built=$SECONDS

private="$(mktemp -d /tmp/yacht-test.XXXXXX)"
log="$private/ctest.log"
# Whatever a test left running with the private folders in its environment, found by that
# folder in /proc and stopped by its id.
leftovers() {
    grep -lsz "^XDG_RUNTIME_DIR=$private/run\$" /proc/[0-9]*/environ 2>/dev/null \
        | sed -n 's|^/proc/\([0-9]*\)/environ$|\1|p' | grep -vx "$$" || true
}
cleanup() {
    local pids
    pids="$(leftovers)"
    if [ -n "$pids" ]; then
        kill $pids 2>/dev/null || true
        sleep 0.5
        pids="$(leftovers)"
        [ -z "$pids" ] || kill -9 $pids 2>/dev/null || true
    fi
    rm -rf "$private"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$private/run" "$private/tmp" "$private/home" "$private/config/pulse" "$private/data" \
    "$private/cache" "$private/state"
chmod 700 "$private/run"
printf 'autospawn = no\n' > "$private/config/pulse/client.conf"
unset DISPLAY WAYLAND_DISPLAY PULSE_SERVER SPEECHD_ADDRESS DBUS_SESSION_BUS_ADDRESS || true
export XDG_RUNTIME_DIR="$private/run" TMPDIR="$private/tmp" HOME="$private/home" \
    XDG_CONFIG_HOME="$private/config" XDG_DATA_HOME="$private/data" XDG_CACHE_HOME="$private/cache" \
    XDG_STATE_HOME="$private/state" QT_QPA_PLATFORM=offscreen

# The plays wait on speech and sound most of the time, so more tests run at once than there are
# cores; the sanitizer build counts for two and runs at a lower priority.
export YACHT_SANITIZE_NICE=10
status=0
dbus-run-session -- ctest --test-dir build "${select[@]}" --output-on-failure \
    --parallel "$(( $(nproc) + 2 ))" --timeout 1800 2>&1 | tee "$log" || status=$?

passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec' "$log" || true)
skipped=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*Skipped' "$log" || true)
ran=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: ' "$log" || true)
failed=$(( ran - passed - skipped ))
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi   # ctest itself failed
if [ "$ran" -eq 0 ]; then echo "no test ran"; failed=1; fi
echo "lanes $lanes: build $((built - began)) s, tests $((SECONDS - built)) s"
echo "summary: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
