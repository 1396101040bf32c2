#!/usr/bin/env bash
# Takes a picture of the game in the middle of a turn: a private X server of 1280 x 1024, the
# game started silent with fixed dice and private folders (no saved game is resumed), driven by
# xdotool to the third throw with one die held and a category under the cursor, then the screen
# saved as a PNG.
# Usage: scripts/screenshot.sh [OUTPUT.png] [path-to-yacht]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
yacht="${2:-build/yacht}"
[ -x "$yacht" ] || { echo "screenshot: no game at $yacht (run scripts/build.sh)" >&2; exit 2; }
mkdir -p "$(dirname "$out")"

runtime="$(mktemp -d /tmp/yacht-screenshot.XXXXXX)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" TMPDIR="$runtime/tmp" HOME="$runtime/home"
export XDG_CONFIG_HOME="$runtime/config"
mkdir -p "$TMPDIR" "$HOME" "$XDG_CONFIG_HOME"
unset WAYLAND_DISPLAY PULSE_SERVER || true

xvfb_pid="" game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number when it is ready. The file exists before Xvfb
# starts, so the loop below never reads a missing file.
: >"$runtime/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$runtime/display" >"$runtime/xvfb.log" 2>&1 &
xvfb_pid=$!
number=""
for _ in $(seq 100); do
    number="$(tr -dc 0-9 <"$runtime/display")"
    [ -n "$number" ] && break
    sleep 0.1
done
[ -n "$number" ] || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb

"$yacht" --speech-engine none --seed "${YACHT_SCREENSHOT_SEED:-4}" \
    --transcript "$runtime/transcript.txt" >"$runtime/game.log" 2>&1 &
game_pid=$!

window=""
for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --class yacht 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the game showed no window" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"

# Each key is followed by time for the engine to take it and for the throw to be made.
press() {
    xdotool key --window "$window" "$1"
    sleep "${2:-0.6}"
}
press F9             # a new game: the list of player counts
press Return         # one player
press space 1.5      # the first throw
press 2              # hold the second die
press space 1.5      # the second throw
press space 1.5      # the third throw: the categories are walked now
press Down           # the first category under the cursor
press Down
press Down

python3 scripts/grab_screen.py "$out"
echo "screenshot: $out"
