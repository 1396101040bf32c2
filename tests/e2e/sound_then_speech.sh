#!/usr/bin/env bash
# The rolling sound plays to its end before the dice that follow it are spoken.
#
# Starts a private audio server with a null sink (and, through the game, a private speech
# server), resumes a saved game whose first throw is pending, and records everything the game
# plays from the sink's monitor. Passes when the recording holds the whole dice sound with speech
# after it, and the transcript shows the sound followed by the dice spoken synchronously.
#
# Usage: sound_then_speech.sh <path-to-yacht>
set -u

yacht=${1:?usage: $0 <path-to-yacht>}
here=$(cd "$(dirname "$0")" && pwd)
wave="$here/../../resources/ROLLDICE.wav"

skip() { echo "SKIP: $*"; exit 0; }
fail() { echo "FAIL: $*"; [ -s "${work:-/nonexistent}/transcript.txt" ] && sed 's/^/  transcript: /' "$work/transcript.txt"; exit 1; }

# Without speech-dispatcher the game speaks through flite, which this test hears as well.
for tool in pulseaudio pactl parecord python3; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x "$yacht" ] || fail "no game at $yacht"
[ -f "$wave" ] || fail "no dice sound at $wave"

work=$(mktemp -d)
game_pid=
record_pid=

# Stops every process this script started (by its own process id or pid file), then cleans up.
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$record_pid" ] && kill -INT "$record_pid" 2>/dev/null
    local speechd_pid
    speechd_pid=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null)
    if [ -n "$speechd_pid" ]; then
        kill "$speechd_pid" 2>/dev/null
        sleep 0.5
        # A speech server that stopped answering ignores the polite request.
        kill -9 "$speechd_pid" 2>/dev/null
    fi
    pulseaudio --kill 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Everything private: audio and speech servers, temporary files (the saved game, the lock),
# settings.
export XDG_RUNTIME_DIR="$work/run"
export TMPDIR="$work/tmp"
export XDG_CONFIG_HOME="$work/config"
export HOME="$work/home"
export QT_QPA_PLATFORM=offscreen
unset PULSE_SERVER DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME" "$HOME"

pulseaudio -D -n --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
    --load="module-null-sink sink_name=yacht" --load=module-native-protocol-unix \
    || fail "the private audio server did not start"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "the private audio server does not answer"
pactl set-default-sink yacht

# A saved game of one player in round 1 whose first throw is still to come: the game resumes
# it by announcing the round, playing the rolling sound, throwing and saying the dice.
{
    printf '1\r\n1\r\n1\r\n3\r\n1\r\n'               # players, player, round, state, roll
    for _ in 1 2 3 4 5; do printf '?\r\n0\r\n'; done  # dice not yet thrown, none held
    for _ in $(seq 15); do printf '\r\n'; done        # an empty score sheet
    for _ in $(seq 13); do printf '0\r\n'; done       # category values
} > "$TMPDIR/tvyacht.tmp"

parecord --device=yacht.monitor --rate=44100 --channels=1 --format=s16le \
    --file-format=wav "$work/recording.wav" &
record_pid=$!
sleep 0.3

"$yacht" --transcript "$work/transcript.txt" --seed 7 >"$work/game.log" 2>&1 &
game_pid=$!

# Waits until the dice after the sound have been handed to the voice, then lets them be heard.
spoken=
for _ in $(seq 600); do
    if grep -A1 ' sound rolldice$' "$work/transcript.txt" 2>/dev/null | grep -q ' say-sync '; then
        spoken=yes
        break
    fi
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/game.log")"
    sleep 0.1
done
[ -n "$spoken" ] || fail "the transcript never showed the sound followed by the dice"
sleep 6
kill -INT "$record_pid"
wait "$record_pid" 2>/dev/null
record_pid=

python3 - "$work/transcript.txt" "$work/recording.wav" "$wave" <<'PYTHON' || fail "see above"
import struct
import sys
import wave

transcript, recording, template = sys.argv[1:4]

# The transcript: the sound, then at once the dice, spoken synchronously, no sooner than the
# sound's length after it.
lines = [l.rstrip("\n").split(" ", 2) for l in open(transcript)]
kinds = [l[1] for l in lines]
at = kinds.index("sound")
if lines[at][2] != "rolldice":
    sys.exit(f"the sound played was {lines[at][2]!r}")
if at + 1 >= len(lines) or kinds[at + 1] != "say-sync":
    sys.exit("the sound was not followed by the dice spoken synchronously")
held = int(lines[at + 1][0]) - int(lines[at][0])
if held < 3400:
    sys.exit(f"the dice were spoken {held} ms after the sound began, before it had ended")
print(f"transcript: sound, then after {held} ms: say-sync {lines[at + 1][2]}")

FRAME = 441  # 10 ms at 44,100 samples a second


def envelope(path):
    """Mean absolute level of every 10 ms, on a scale of 0 to 1."""
    with wave.open(path) as w:
        if w.getnchannels() != 1 or w.getsampwidth() != 2 or w.getframerate() != 44100:
            sys.exit(f"{path}: expected 44,100 Hz mono 16-bit")
        data = w.readframes(w.getnframes())
    samples = struct.unpack(f"<{len(data) // 2}h", data)
    return [sum(abs(s) for s in samples[i:i + FRAME]) / FRAME / 32768
            for i in range(0, len(samples) - FRAME + 1, FRAME)]


rec = envelope(recording)
tpl = envelope(template)
n = len(tpl)
if len(rec) < n:
    sys.exit("the recording is shorter than the dice sound")

# Where the dice sound lies in the recording: the best match of the two envelopes, each taken
# about its mean, so that any loud stretch does not match merely by being loud.
tmean = sum(tpl) / n
tdev = [t - tmean for t in tpl]
tnorm = sum(d * d for d in tdev) ** 0.5
best, lag = -1.0, 0
for L in range(len(rec) - n + 1):
    window = rec[L:L + n]
    wmean = sum(window) / n
    wnorm = sum((w - wmean) ** 2 for w in window) ** 0.5
    if wnorm == 0:
        continue
    c = sum((w - wmean) * d for w, d in zip(window, tdev)) / (wnorm * tnorm)
    if c > best:
        best, lag = c, L
if best < 0.9:
    sys.exit(f"the dice sound is not in the recording (best match {best:.2f})")
print(f"dice sound found at {lag * 10} ms, match {best:.3f}, {n * 10} ms long")

# Nothing else sounded over it: the recording is nowhere much louder than the dice sound near
# that moment (a frame's neighbours count, as the two frame grids need not line up).
scale = sum(r * t for r, t in zip(rec[lag:lag + n], tpl)) / sum(t * t for t in tpl)
loud = [i for i in range(n)
        if rec[lag + i] > 2 * scale * max(tpl[max(0, i - 1):i + 2]) + 0.003]
if len(loud) > 3:
    sys.exit(f"something else sounded during the dice, at {[(lag + i) * 10 for i in loud[:5]]} ms")

# Speech after it: at least 300 ms above silence within five seconds of its end.
after = rec[lag + n:lag + n + 500]
voiced = sum(1 for a in after if a > 0.002)
if voiced < 30:
    sys.exit(f"no speech after the dice sound ({voiced * 10} ms above silence)")
first = next(i for i, a in enumerate(after) if a > 0.002)
print(f"speech after the sound: begins {first * 10} ms after it, {voiced * 10} ms above silence")
PYTHON
echo "PASS: the rolling sound played to its end, then the dice were spoken"
