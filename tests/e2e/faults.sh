#!/usr/bin/env bash
# The real game when the platform fails under it: the speech server dies in the middle of a turn,
# the sound server vanishes before a throw, and the temporary-files directory refuses the saved
# game at F12. Each time the game must go on (or leave) by itself, never hang.
set -euo pipefail
yacht="$(realpath "${1:?usage: faults.sh path/to/yacht}")"
for tool in Xvfb xdotool pulseaudio pactl setpriv; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh test)"; exit 0; }
done

work="$(mktemp -d /tmp/yacht-faults.XXXXXX)"
chmod 755 "$work"
game_pid="" xvfb_pid="" run_dir=""
stop_private() {  # every process whose environment names the given runtime folder, but the game
    local dir="$1" pids
    pids="$(grep -lsz "^XDG_RUNTIME_DIR=$dir\$" /proc/[0-9]*/environ 2>/dev/null \
        | sed -n 's|/proc/\([0-9]*\)/environ|\1|p' | grep -vx -e "$$" -e "${2:-0}" || true)"
    [ -n "$pids" ] && kill -9 $pids 2>/dev/null || true
}
cleanup() {
    set +e
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    for d in "$work"/run*; do [ -d "$d" ] && stop_private "$d"; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$transcript" ] && tail -n 15 "$transcript"; exit 1; }

: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -dc 0-9 <"$work/display")" QT_QPA_PLATFORM=xcb
unset PULSE_SERVER || true

# Starts the game with private folders (the run's number in $1, further arguments to the game).
run=0 transcript="" seen=0
start_game() {
    run=$((run + 1))
    run_dir="$work/run$run"
    mkdir -p "$run_dir/tmp" "$run_dir/home"
    chmod 700 "$run_dir"
    transcript="$run_dir/transcript.txt"
    seen=0
    XDG_RUNTIME_DIR="$run_dir" TMPDIR="$run_dir/tmp" HOME="$run_dir/home" \
        XDG_CONFIG_HOME="$run_dir/home" "$@" --transcript "$transcript" --seed 11 \
        >"$run_dir/game.log" 2>&1 &
    game_pid=$!
    wait_for "Yacht, from Tevrin Software" 20
    find_window
}
# Waits for a new transcript line matching the pattern, at most the given seconds.
wait_for() {
    local pattern="$1" limit="${2:-15}" deadline=$((SECONDS + ${2:-15})) n line
    while [ $SECONDS -le $deadline ]; do
        [ -f "$transcript" ] || { sleep 0.05; continue; }
        n=0
        while IFS= read -r line; do
            n=$((n + 1))
            [ $n -le $seen ] && continue
            seen=$n
            if [[ "$line" =~ $pattern ]]; then return 0; fi
        done <"$transcript" 2>/dev/null || true
        sleep 0.05
    done
    fail "'$pattern' not heard within $limit s"
}
find_window() {
    window="$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | tail -n1)"
    [ -n "$window" ] || fail "no window"
}
# A key to the game's window; the window is looked up again if the one found is gone.
press() {
    xdotool key --window "$window" "$@" 2>/dev/null && return 0
    kill -0 "$game_pid" 2>/dev/null || fail "the game is gone"
    find_window
    xdotool key --window "$window" "$@"
}

# 1. The speech server dies in the middle of a turn: the turn goes on (flite or silence takes
#    over) and every item is still handed over.
start_pulse() {
    XDG_RUNTIME_DIR="$1" pulseaudio -D -n --exit-idle-time=-1 \
        --load="module-null-sink sink_name=yacht" --load=module-native-protocol-unix 2>/dev/null
    for _ in $(seq 50); do XDG_RUNTIME_DIR="$1" pactl info >/dev/null 2>&1 && break; sleep 0.1; done
}
mkdir -p "$work/run1"; chmod 700 "$work/run1"; start_pulse "$work/run1"
start_game "$yacht" --speech-engine speechd
press F9; wait_for "^[0-9]+ say-async Choose the number of players"
press Return; wait_for "Press the space bar to begin"
press space; wait_for " round 1 first roll"; wait_for "sound rolldice" 20; wait_for "say-sync ( [1-6]){5}$" 20
for pidfile in "$run_dir"/speech-dispatcher/pid/*.pid; do
    [ -f "$pidfile" ] && kill -9 "$(cat "$pidfile")" 2>/dev/null || true
done
pkill -9 -f "sd_espeak-ng.*" -P 1 2>/dev/null || true
press space; wait_for "second roll" 30; wait_for "sound rolldice" 30; wait_for "say-sync" 30
press space; wait_for "final roll" 30; wait_for "Use the arrow keys to choose the category" 40
press Down; wait_for " is (worth|already)" 30
press Return; wait_for "After 1 round your total score is" 30
echo "ok: the speech server died mid-turn and the turn played on to its score"
kill -9 "$game_pid"; game_pid=""

# 2. The sound server vanishes before a throw: the throw is made, silently, without a hang.
start_game "$yacht" --speech-engine none
mkdir -p "$run_dir"; start_pulse "$run_dir"
press F9; wait_for "Choose the number of players"
press Return; wait_for "Press the space bar to begin"
press space; wait_for "sound rolldice" 20; wait_for "say-sync ( [1-6]){5}$" 20
XDG_RUNTIME_DIR="$run_dir" pulseaudio --kill 2>/dev/null || true
stop_private "$run_dir" "$game_pid"
kill -0 "$game_pid" || fail "the game died with the sound server"
press space; wait_for "sound rolldice" 20; wait_for "say-sync" 20
echo "ok: the sound server vanished and the next throw came, silently"

# 3. F12 when the state folder cannot be written: the previous saved game stays as
#    it was, the game still says goodbye and leaves. Root can write anywhere, so this game runs
#    as an ordinary user in a folder it may only read.
kill -9 "$game_pid"; game_pid=""
run=$((run + 1)); run_dir="$work/run$run"; mkdir -p "$run_dir/home"
chown nobody "$run_dir" "$run_dir/home"; chmod 700 "$run_dir"
mkdir -p "$run_dir/readonly/yacht" "$run_dir/tmp"
printf 'an earlier saved game\r\n' >"$run_dir/readonly/yacht/tvyacht.tmp"
chmod 755 "$run_dir/readonly" "$run_dir/readonly/yacht"; chmod 644 "$run_dir/readonly/yacht/tvyacht.tmp"
before="$(sha256sum "$run_dir/readonly/yacht/tvyacht.tmp")"
transcript="$run_dir/transcript.txt"; seen=0
touch "$transcript"; chown nobody "$transcript"
setpriv --reuid=nobody --regid=nogroup --clear-groups env DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$run_dir" \
    TMPDIR="$run_dir/tmp" XDG_STATE_HOME="$run_dir/readonly" HOME="$run_dir/home" XDG_CONFIG_HOME="$run_dir/home" \
    "$yacht" --speech-engine none --transcript "$transcript" --seed 3 >"$run_dir/game.log" 2>&1 &
game_pid=$!
wait_for "Yacht, from Tevrin Software" 20
find_window
press F9; wait_for "Choose the number of players"
press Return; wait_for "Press the space bar to begin"
press F12; wait_for "say-sync goodbye" 15
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not leave after goodbye"
wait "$game_pid" || fail "the game left with status $?"
game_pid=""
[ "$(sha256sum "$run_dir/readonly/yacht/tvyacht.tmp")" = "$before" ] || fail "the saved game changed"
[ "$(ls "$run_dir/readonly/yacht")" = "tvyacht.tmp" ] || fail "files left beside it: $(ls "$run_dir/readonly/yacht")"
echo "ok: F12 with a read-only state folder left the old saved game and said goodbye"
