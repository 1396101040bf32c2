#!/usr/bin/env bash
# The real program keeps an unfinished game across runs: a one-player game is played into round 2
# on a private X server (keys sent with xdotool), F12 saves it and says goodbye, and the next start
# resumes it with the resuming sentence and the same dice; saving the resumed game again gives the
# same file. A speed found in the user's settings at start is written back there at F12.
# Usage: save_and_resume.sh path/to/yacht
set -euo pipefail
yacht="${1:?usage: save_and_resume.sh path/to/yacht}"

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed, so keys cannot be sent to the game"
        exit 0
    fi
done

work="$(mktemp -d /tmp/yacht-e2e.XXXXXX)"
chmod 700 "$work"
export XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$HOME" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY PULSE_SERVER || true

xvfb_pid="" game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    for t in "$work"/run*.txt; do [ -f "$t" ] && { echo "--- $t"; cat "$t"; }; done
    exit 1
}

# Xvfb picks a free display itself and writes its number once it is ready. The file exists
# before Xvfb starts, so reading it never races the start.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
number=""
for _ in $(seq 100); do
    number="$(tr -dc 0-9 <"$work/display")"
    [ -n "$number" ] && break
    sleep 0.1
done
[ -n "$number" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb

transcript="" window=""

# Starts the game silent, with fixed dice, and waits for its window.
start_game() {
    transcript="$work/$1.txt"
    "$yacht" --speech-engine none --seed 11 --transcript "$transcript" >"$work/$1.log" 2>&1 &
    game_pid=$!
    window=""
    for _ in $(seq 150); do
        window="$(xdotool search --onlyvisible --class yacht 2>/dev/null | head -n 1 || true)"
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "$1: the game showed no window"
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window" || true
}

# Waits until the transcript holds a line containing the text, at most 15 seconds.
wait_for() {
    for _ in $(seq 150); do
        grep -qF -- "$1" "$transcript" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "never heard: $1"
}

# The number of lines containing the text.
count() { grep -cF -- "$1" "$transcript" 2>/dev/null || true; }

# Sends a key, then waits for the given text to be heard one more time than before.
press() {
    local key="$1" expect="$2" before
    before="$(count "$expect")"
    xdotool key --window "$window" "$key"
    for _ in $(seq 150); do
        [ "$(count "$expect")" -gt "$before" ] && return 0
        sleep 0.1
    done
    fail "after $key, never heard: $expect"
}

# Waits for the game to end by itself and checks it ended well.
wait_exit() {
    local status=0
    for _ in $(seq 150); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after F12"
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
}

# The text of the first spoken line after the first line containing the marker.
said_after() {
    awk -v marker="$1" 'found && / say-/ { sub(/^[0-9]+ say-[a-z]+ /, ""); print; exit }
                        index($0, marker) { found = 1 }' "$transcript"
}

saved="$TMPDIR/tvyacht.tmp"

# The player's settings from an earlier run: very fast, the first voice.
mkdir -p "$XDG_CONFIG_HOME/Tevrin"
printf '[Q73]\nVoice=0\nSpeed=4\n' >"$XDG_CONFIG_HOME/Tevrin/Tevrin.conf"

# First run: a one-player game, round 1 scored, round 2 thrown once, then F12.
start_game run1
wait_for "Press function key F 9 to start a new game"
press F9 "Choose the number of players"
press Return "Press the space bar to begin"
# Each throw ends with its dice, said at once after the rolling sound.
press space "say-sync"
press space "say-sync"
press space "say-sync"
wait_for "Use the arrow keys to choose the category"
press Down " is "
press Return "After 1 round your total score is"
wait_for "Press the space bar to continue"
press space "say-sync"
dice="$(said_after "round 2 first roll")"
[ -n "$dice" ] || fail "the dice of round 2 were not said"
press F12 "goodbye"
wait_exit
echo "ok: played into round 2 and left with F12; the dice were:$dice"

[ -f "$saved" ] || fail "no saved game in $TMPDIR"
[ "$(wc -l <"$saved")" -eq 43 ] || fail "the saved game has $(wc -l <"$saved") lines, not 43"
[ "$(sed -n '3p;4p;5p' "$saved" | tr -d '\r' | tr '\n' ' ')" = "2 1 1 " ] \
    || fail "round, state and roll saved as: $(sed -n '3,5p' "$saved" | tr -d '\r' | tr '\n' ' ')"
grep -q $'\r$' "$saved" || fail "the saved game's lines do not end with CR LF"
ls "$TMPDIR" | grep -qv '^tvyacht.tmp$' && fail "something was left beside the saved game: $(ls "$TMPDIR")"
settings="$(tr -d '\r' <"$XDG_CONFIG_HOME/Tevrin/Tevrin.conf" 2>/dev/null || true)"
[ "$settings" = "$(printf '[Q73]\nSpeed=4\nVoice=0')" ] || fail "the settings after F12 are: $settings"
echo "ok: the saved game has 43 lines in round 2, rolled, first roll; the settings are stored"
cp "$saved" "$work/first-save"

# Second run: the game is resumed where it stopped, with its dice.
start_game run2
wait_for "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. "
wait_for "round 2 first roll$dice"
press F12 "goodbye"
wait_exit
cmp -s "$saved" "$work/first-save" || fail "saving the resumed game changed the file"
echo "ok: the next start resumed round 2 with the same dice, and saved the same file again"
