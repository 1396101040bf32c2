# The harness for playing the real game end to end: private folders, a virtual X display, a
# private sound server that records what the game played, the game itself under a transcript,
# real key presses through the X server, and waits on what the game hands to its voice.
# Sourced by the plays in tests/e2e; not a test by itself.
#
# Every wait has a deadline and fails with the end of the transcript printed. Nothing sleeps
# blindly: after a key, a play waits for the line the key makes the game say.

H_YACHT=""          # the game under test
H_WORK=""           # private folder for everything this play starts and writes
H_SEED="${E2E_SEED:-7}"   # the dice seed handed to the game; another may be tried through E2E_SEED
H_YACHT_PID=""      # the running game
H_WIN=""            # its main window
H_XVFB_PID=""
H_PULSE_PID=""
H_PAREC_PID=""
H_RUN=0             # how many times the game has been started in this play
H_TRANSCRIPT=""     # the transcript of the current run
H_FD=""             # reading end on that transcript
H_PARTIAL=""        # a line the game has begun but not finished writing
H_POS=0             # lines consumed from the current transcript
H_MS="" H_KIND="" H_TEXT=""   # the line last consumed: milliseconds, kind, text
H_KEY_GAP_MS=250    # spacing of keys sent in one burst: wider than the game's 100 ms tick
H_START_US=""       # when the play began
declare -a H_LAUNCH_US   # when each run of the game was started

h_now_us() { echo "${EPOCHREALTIME/./}"; }

h_say() { printf '%s\n' "$*"; }

# Leaves with success when a tool the play cannot do without is not installed at all.
h_need() {
    local tool missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        h_say "SKIP: not installed: ${missing[*]} (scripts/setup.sh test installs them)"
        exit 0
    fi
}

# The end of the current transcript, the position reached marked, and the game's own messages.
h_tail() {
    [ -n "$H_TRANSCRIPT" ] && [ -f "$H_TRANSCRIPT" ] || return 0
    h_say "--- transcript of run $H_RUN (last lines; '>' marks the lines consumed so far):"
    awk -v pos="$H_POS" '{ lines[NR] = $0 } END {
            from = NR - 25; if (from < 1) from = 1
            for (i = from; i <= NR; i++) printf "%s %4d %s\n", (i <= pos ? ">" : " "), i, lines[i]
        }' "$H_TRANSCRIPT"
    [ -n "$H_PARTIAL" ] && h_say "  (unfinished line: $H_PARTIAL)"
    local log="$H_WORK/yacht.$H_RUN.log"
    if [ -s "$log" ]; then
        h_say "--- the game's own output:"
        tail -n 15 "$log"
    fi
    log="$XDG_RUNTIME_DIR/speech-dispatcher/log/speech-dispatcher.log"
    if [ -s "$log" ]; then
        h_say "--- the speech server's log:"
        grep -v 'LINE here' "$log" | tail -n 15
    fi
    h_say "---"
}

h_fail() {
    h_say "FAIL: $*"
    h_tail
    exit 1
}

h_ok() { h_say "ok: $*"; }

h_cleanup() {
    local status=$?
    set +e
    [ -n "$H_FD" ] && exec {H_FD}<&-
    if [ -n "$H_YACHT_PID" ] && kill -0 "$H_YACHT_PID" 2>/dev/null; then
        kill "$H_YACHT_PID" 2>/dev/null
        h_wait_pid "$H_YACHT_PID" 50 || kill -KILL "$H_YACHT_PID" 2>/dev/null
    fi
    h_stop_recording
    # The speech server that the game's speech library started in the private runtime folder.
    local pidfile spd
    pidfile="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
    if [ -n "$H_WORK" ] && [ -f "$pidfile" ]; then
        spd="$(cat "$pidfile")"
        if [ -n "$spd" ] && kill "$spd" 2>/dev/null; then
            h_wait_pid "$spd" 30 || kill -KILL "$spd" 2>/dev/null
        fi
    fi
    if [ -n "$H_PULSE_PID" ]; then
        kill "$H_PULSE_PID" 2>/dev/null && { h_wait_pid "$H_PULSE_PID" 30 || kill -KILL "$H_PULSE_PID" 2>/dev/null; }
    fi
    if [ -n "$H_XVFB_PID" ]; then
        kill "$H_XVFB_PID" 2>/dev/null && { h_wait_pid "$H_XVFB_PID" 30 || kill -KILL "$H_XVFB_PID" 2>/dev/null; }
    fi
    # Whatever else was started with the private runtime folder (the speech server's modules,
    # should the server itself have been killed hard), found by that folder in its environment.
    local left
    left="$(h_private_processes)"
    if [ -n "$left" ]; then
        kill $left 2>/dev/null
        sleep 0.5
        left="$(h_private_processes)"
        [ -n "$left" ] && kill -KILL $left 2>/dev/null
    fi
    if [ -n "$H_WORK" ]; then
        if [ "${E2E_KEEP:-}" = 1 ]; then h_say "kept: $H_WORK"; else rm -rf "$H_WORK"; fi
    fi
    exit "$status"
}

# The processes whose environment names this play's private runtime folder, but not this shell.
h_private_processes() {
    [ -n "$H_WORK" ] || return 0
    grep -lsz "^XDG_RUNTIME_DIR=$H_WORK/run\$" /proc/[0-9]*/environ 2>/dev/null \
        | sed -n 's|^/proc/\([0-9]*\)/environ$|\1|p' | grep -vx -e "$$" -e "$BASHPID" | tr '\n' ' '
}

# Waits for a process that is not our child to end: tenths of a second at most.
h_wait_pid() {
    local pid="$1" tenths="$2" i
    for ((i = 0; i < tenths; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Private home, runtime, temporary and configuration folders, so that the play neither sees nor
# touches the user's sound server, speech server, settings or saved game.
h_setup() {
    H_YACHT="$(realpath "${1:?usage: script path/to/yacht}")"
    [ -x "$H_YACHT" ] || { h_say "FAIL: $H_YACHT is not an executable"; exit 1; }
    H_START_US="$(h_now_us)"
    H_WORK="$(mktemp -d "${TMPDIR:-/tmp}/yacht-e2e.XXXXXX")"
    trap h_cleanup EXIT
    trap 'exit 130' INT TERM
    mkdir -p "$H_WORK/run" "$H_WORK/tmp" "$H_WORK/home" "$H_WORK/config/pulse" \
        "$H_WORK/data" "$H_WORK/cache"
    chmod 700 "$H_WORK/run"
    export HOME="$H_WORK/home" XDG_RUNTIME_DIR="$H_WORK/run" TMPDIR="$H_WORK/tmp"
    export XDG_CONFIG_HOME="$H_WORK/config" XDG_DATA_HOME="$H_WORK/data" XDG_CACHE_HOME="$H_WORK/cache"
    unset DISPLAY WAYLAND_DISPLAY PULSE_SERVER PULSE_SINK DBUS_SESSION_BUS_ADDRESS SPEECHD_ADDRESS
    # No sound server may start behind the play's back: only the one it starts itself counts.
    printf 'autospawn = no\n' > "$XDG_CONFIG_HOME/pulse/client.conf"
}

# A virtual X display on a free display number, which the server picks and reports itself.
h_start_x() {
    local dfile="$H_WORK/display" i
    : > "$dfile"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$dfile" >"$H_WORK/xvfb.log" 2>&1 &
    H_XVFB_PID=$!
    for ((i = 0; i < 150; i++)); do
        grep -q '^[0-9][0-9]*$' "$dfile" 2>/dev/null && break
        kill -0 "$H_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$dfile" || { cat "$H_WORK/xvfb.log"; h_fail "the X server did not start"; }
    export DISPLAY=":$(head -n1 "$dfile")"
}

# A private PulseAudio whose only sink is a null sink named yacht, made the default, so that
# whatever the game and its speech server play can be recorded from yacht.monitor.
h_start_pulse() {
    local i
    pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=yacht" \
        --load=module-native-protocol-unix --log-target="file:$H_WORK/pulse.log" \
        || h_fail "PulseAudio did not start: $(tail -n 5 "$H_WORK/pulse.log" 2>/dev/null)"
    for ((i = 0; i < 100; i++)); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    H_PULSE_PID="$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)"
    pactl info >/dev/null 2>&1 || h_fail "PulseAudio does not answer"
    pactl set-default-sink yacht || h_fail "cannot make the null sink the default"
}

# The speech server speaks through the private PulseAudio with espeak-ng. Written as the user's
# own configuration, which the server prefers to the system's. The espeak-ng module's normal
# speed is set to twice its default, as a practised listener would set it, so that a whole game
# is heard in a few minutes; its top speed stays where espeak-ng speaks without its separate
# speed-up stage.
h_configure_speech() {
    local dir="$XDG_CONFIG_HOME/speech-dispatcher" module=/etc/speech-dispatcher/modules/espeak-ng.conf
    mkdir -p "$dir/modules"
    cat > "$dir/speechd.conf" <<'EOF'
AudioOutputMethod "pulse"
DefaultModule espeak-ng
DefaultLanguage "en"
DefaultVolume 100
LogLevel 3
EOF
    if [ -f "$module" ]; then
        sed -e 's/^EspeakNormalRate .*/EspeakNormalRate 340/' -e 's/^EspeakMaxRate .*/EspeakMaxRate 449/' \
            "$module" > "$dir/modules/espeak-ng.conf"
    fi
}

# Records the null sink's monitor to a WAV file: 16 kHz, mono, 16 bits.
h_start_recording() {
    H_RECORDING="$1"
    local i
    parecord --latency-msec=100 -d yacht.monitor --rate=16000 --channels=1 --format=s16le --file-format=wav \
        "$H_RECORDING" 2>"$H_WORK/parecord.log" &
    H_PAREC_PID=$!
    for ((i = 0; i < 100; i++)); do
        [ -n "$(pactl list short source-outputs 2>/dev/null)" ] && break
        kill -0 "$H_PAREC_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$(pactl list short source-outputs 2>/dev/null)" ] || h_fail "the recorder did not connect"
    # A fresh server sends the monitor's first samples a second or two after the recorder has
    # connected. The recording's time begins with its first sample: wait for samples to arrive
    # and reckon back from how many there are (16000 a second, two bytes each, after a 44-byte
    # header).
    local size=0
    for ((i = 0; i < 100; i++)); do
        size="$(stat -c %s "$H_RECORDING" 2>/dev/null || echo 0)"
        [ "$size" -gt 3244 ] && break
        sleep 0.1
    done
    [ "$size" -gt 3244 ] || h_fail "the recorder receives no sound from the null sink"
    H_REC_START_US=$(( $(h_now_us) - (size - 44) * 1000000 / 32000 ))
}

# Stops the recorder so that it finishes the file; prints nothing when none runs.
h_stop_recording() {
    [ -n "$H_PAREC_PID" ] || return 0
    H_REC_STOP_US="$(h_now_us)"
    kill -INT "$H_PAREC_PID" 2>/dev/null
    wait "$H_PAREC_PID" 2>/dev/null
    H_PAREC_PID=""
}

# Starts the real game on the virtual display with a fresh transcript, waits for its window and
# gives it the keyboard. Extra arguments go to the game.
h_launch() {
    H_RUN=$((H_RUN + 1))
    H_TRANSCRIPT="$H_WORK/transcript.$H_RUN.txt"
    H_POS=0
    H_PARTIAL=""
    : > "$H_TRANSCRIPT"
    [ -n "$H_FD" ] && exec {H_FD}<&-
    exec {H_FD}<"$H_TRANSCRIPT"
    H_LAUNCH_US[$H_RUN]="$(h_now_us)"
    QT_QPA_PLATFORM=xcb "$H_YACHT" --transcript "$H_TRANSCRIPT" --seed "$H_SEED" "$@" \
        >"$H_WORK/yacht.$H_RUN.log" 2>&1 &
    H_YACHT_PID=$!
    H_WIN="$(timeout 20 xdotool search --sync --onlyvisible --pid "$H_YACHT_PID" 2>/dev/null | head -n1)"
    [ -n "$H_WIN" ] || h_fail "the game's window did not appear within 20 s"
    h_focus
}

# Gives the game's window the keyboard (there is no window manager to do it) and checks it.
h_focus() {
    local i
    for ((i = 0; i < 50; i++)); do
        xdotool windowfocus "$H_WIN" 2>/dev/null
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$H_WIN" ] && return 0
        sleep 0.1
    done
    h_fail "the game's window did not take the keyboard"
}

h_alive() { [ -n "$H_YACHT_PID" ] && kill -0 "$H_YACHT_PID" 2>/dev/null; }

# Presses keys on the game's window, in xdotool's names (space, Return, Down, F1, shift+F1, 3).
# Several keys are spaced wider than the game's tick so that each is taken on a tick of its own.
press() {
    h_alive || h_fail "the game is no longer running (keys: $*)"
    printf '%s after line %d of run %d: %s\n' "$(h_now_us)" "$H_POS" "$H_RUN" "$*" >> "$H_WORK/keys.log"
    local delay=12
    [ $# -gt 1 ] && delay="$H_KEY_GAP_MS"
    # A key that ends the game (F12) may close the window before the key is released: that is
    # no failure, and what the game said before it left is checked by the next wait.
    xdotool key --window "$H_WIN" --delay "$delay" "$@" 2>>"$H_WORK/xdotool.log" \
        || ! h_alive || h_fail "xdotool could not press $*"
}

# Reads the next complete transcript line into H_MS, H_KIND and H_TEXT; waits at most the given
# seconds. Returns 1 on timeout, or at once when the game has ended and left nothing more. A line
# the game is still writing is kept until it is complete.
h_next_line() {
    local timeout="${1:-20}" deadline chunk line ended=0
    deadline=$(( $(h_now_us) + timeout * 1000000 ))
    while :; do
        h_alive || ended=1
        if IFS= read -r -u "$H_FD" chunk; then
            line="$H_PARTIAL$chunk"
            H_PARTIAL=""
            H_POS=$((H_POS + 1))
            H_MS="${line%% *}"
            line="${line#* }"
            H_KIND="${line%% *}"
            H_TEXT="${line#* }"
            [ "$H_TEXT" = "$line" ] && H_TEXT=""
            # Ctrl (alone, or on its way to Ctrl+F1) stops the voice; the plays do not expect it.
            [ "$H_KIND" = cancel ] && continue
            return 0
        fi
        H_PARTIAL+="$chunk"
        # Once the game has ended, the read just made has seen all it wrote.
        [ "$ended" = 1 ] && return 1
        [ "$(h_now_us)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# The next line must be exactly KIND TEXT. KIND "say" accepts both say-async and say-sync.
expect() {
    local kind="$1" text="$2" timeout="${3:-30}"
    h_next_line "$timeout" || h_fail "waited ${timeout}s for: $kind '$text'"
    _h_kind_is "$kind" && [ "$H_TEXT" = "$text" ] \
        || h_fail "expected: $kind '$text'"$'\n'"     got: $H_KIND '$H_TEXT'"
}

# The next line must be of KIND with a text matching the extended regular expression.
expect_re() {
    local kind="$1" re="$2" timeout="${3:-30}"
    h_next_line "$timeout" || h_fail "waited ${timeout}s for: $kind /$re/"
    _h_kind_is "$kind" && [[ "$H_TEXT" =~ $re ]] \
        || h_fail "expected: $kind /$re/"$'\n'"     got: $H_KIND '$H_TEXT'"
}

# Consumes lines until one whose "KIND TEXT" matches the regular expression; the lines passed
# over are listed. Fails when none comes within the timeout.
wait_for() {
    local re="$1" timeout="${2:-30}" deadline left
    deadline=$(( $(h_now_us) + timeout * 1000000 ))
    while :; do
        left=$(( (deadline - $(h_now_us)) / 1000000 + 1 ))
        h_next_line "$left" || h_fail "waited ${timeout}s for a line matching /$re/"
        [[ "$H_KIND $H_TEXT" =~ $re ]] && return 0
        h_say "   (passed over: $H_KIND $H_TEXT)"
        [ "$(h_now_us)" -lt "$deadline" ] || h_fail "waited ${timeout}s for a line matching /$re/"
    done
}

_h_kind_is() {
    case "$1" in
        say) [ "$H_KIND" = say-async ] || [ "$H_KIND" = say-sync ] ;;
        *) [ "$H_KIND" = "$1" ] ;;
    esac
}

# Waits for the game to end by itself, at most the given seconds.
h_wait_exit() {
    local tenths=$(( ${1:-15} * 10 ))
    h_wait_pid "$H_YACHT_PID" "$tenths" || h_fail "the game did not end within ${1:-15}s"
    wait "$H_YACHT_PID" 2>/dev/null
    H_YACHT_PID=""
}

# Ends the game from outside, as closing its window would.
h_stop_game() {
    h_alive || return 0
    kill "$H_YACHT_PID"
    h_wait_pid "$H_YACHT_PID" 50 || kill -KILL "$H_YACHT_PID" 2>/dev/null
    wait "$H_YACHT_PID" 2>/dev/null
    H_YACHT_PID=""
}

# The transcript must hold nothing after the lines consumed: an unexpected announcement fails.
h_expect_no_more() {
    if h_next_line 0; then
        h_fail "an unexpected line: $H_KIND '$H_TEXT'"
    fi
}

h_elapsed() { echo $(( ($(h_now_us) - H_START_US) / 1000000 )); }
