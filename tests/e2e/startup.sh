#!/usr/bin/env bash
# The real program at start: the greeting is the first thing handed to the voice, within a second,
# whatever the speech engine; a second copy leaves at once, silently and without a window; the
# command line refuses what it does not know.
set -euo pipefail
yacht="${1:?usage: startup.sh path/to/yacht}"
work="$(mktemp -d)"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen
export TMPDIR="$work/tmp"; mkdir -p "$TMPDIR"
export XDG_CONFIG_HOME="$work/config"

greeting="Yacht, from Tevrin Software. Press function key F 9 to start a new game or function key F 1 for help. Press function key F 9 to start a new game or function key F 1 for help. "
fail() { echo "FAIL: $*"; exit 1; }

# Waits until the transcript has a line, at most 15 seconds.
first_line() {
    local file="$1"
    for _ in $(seq 150); do
        [ -s "$file" ] && { head -n1 "$file"; return 0; }
        sleep 0.1
    done
    return 1
}

for engine in none no-such-engine; do
    log="$work/$engine.txt"
    "$yacht" --speech-engine "$engine" --transcript "$log" --seed 1 >/dev/null 2>&1 &
    pid=$!; pids+=("$pid")
    line="$(first_line "$log")" || fail "$engine: nothing was said"
    ms="${line%% *}"; rest="${line#* }"
    [ "$rest" = "say-async $greeting" ] || fail "$engine: first item was: $rest"
    [ "$ms" -lt 1000 ] || fail "$engine: the greeting came after $ms ms"
    sleep 0.5
    [ "$(wc -l < "$log")" -eq 1 ] || fail "$engine: more than one item: $(cat "$log")"
    echo "ok: $engine greets in $ms ms"

    if [ "$engine" = none ]; then
        # A second copy while this one runs: it ends at once, with status 0 and nothing said.
        second="$work/second.txt"
        start=$(date +%s%N)
        "$yacht" --speech-engine none --transcript "$second" >/dev/null 2>&1 \
            || fail "the second copy ended with status $?"
        took=$(( ($(date +%s%N) - start) / 1000000 ))
        [ ! -s "$second" ] || fail "the second copy said: $(cat "$second")"
        echo "ok: a second copy left after $took ms, silently"
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
done

# Options: unknown ones are refused with status 2 and a message.
set +e
"$yacht" --frobnicate >/dev/null 2>"$work/err"; rc=$?
set -e
[ "$rc" -eq 2 ] || fail "an unknown option gave status $rc"
grep -q "unknown option" "$work/err" || fail "no message for an unknown option"
"$yacht" --version | grep -q '^yacht ' || fail "--version"
"$yacht" --help | grep -q -- '--transcript' || fail "--help"
echo "ok: command line"
