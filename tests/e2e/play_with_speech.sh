#!/usr/bin/env bash
# A whole game of two players as a blind player hears it: the real game in a real X window, the
# real speech server speaking with espeak-ng into a private PulseAudio, played with real key
# presses. Every announcement is read from the transcript as it comes and checked against the
# rules; the player leaves with F12 in round 2 and comes back to the same game; and the sound the
# game made is recorded and checked for speech and for the rolling dice.
# Usage: play_with_speech.sh path/to/yacht
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib/harness.sh"
source "$here/lib/rules.sh"
source "$here/lib/play.sh"
source "$here/lib/reports.sh"
source "$here/lib/turns.sh"
P_HELP_DIR="$here/../../resources/help"

h_need Xvfb xdotool pulseaudio pactl parecord speech-dispatcher espeak-ng python3
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] \
    || { h_say "SKIP: the speech server has no espeak-ng module (speech-dispatcher-espeak-ng)"; exit 0; }
h_setup "${1:-}"
r_self_check || h_fail "the play's own rules"
h_start_x
h_start_pulse
h_configure_speech
h_start_recording "$H_WORK/sound.wav"

h_launch
expect say-async "$P_GREETING"
h_ok "greeting"

# The faster speeds keep the play short; the next voice; the short introduction to the help.
p_speed_change fast
p_speed_change "very fast"
p_voice_change shift+F1
first_voice="$P_VOICE"
p_help 0
h_ok "speed, voice ($first_voice) and the help introduction"

p_new_game_of_two
p_turn_keep_first
p_turn_three_throws
h_ok "round 1: ${R_SHOWN[1]} to ${R_SHOWN[2]}"

# Round 2: a turn with holds and three throws; then F12 while player 2 is to press the space bar,
# and a new start of the game that offers the same game back.
p_turn_with_holds
press F12
expect say-sync goodbye
h_wait_exit 30
h_ok "left with F12 in round 2"
h_launch
expect say-async "$P_WELCOME_BACK"
h_ok "resumed"
p_turn_keep_first

# Round 3: the reports in the middle of player 2's turn.
p_turn_keep_first
p_open_turn
if p_state_is rolled; then
    p_f2
    p_f3
    p_f4
fi
if p_state_is rolled; then
    for n in 1 2 3 4 5; do p_hold "$n"; done
    p_throw_again
fi
p_choose_first_free
h_ok "F2, F3 and F4 during a turn"

while ! p_state_is idle; do p_turn_keep_first; done
h_ok "game over after 13 rounds: ${R_SHOWN[1]} to ${R_SHOWN[2]}"

p_f4
p_f3
p_f2
# The voice and the speed were kept over the new start: one voice back and forth returns to the
# voice chosen before F12, and one speed step from "very fast" wraps round to "very slow".
p_voice_change ctrl+F1
p_voice_change shift+F1
[ "$P_VOICE" = "$first_voice" ] || h_fail "the voice chosen before F12 was $first_voice, now $P_VOICE" \
    "(voices of another engine would mean that the game handed over to its fallback voice)"
p_speed_change "very slow"
# The help pages last minutes when spoken, so they come last, when nothing more has to be heard.
for page in 0 1 2 3 1; do p_help "$page"; done
h_ok "reports after the game, voice and speed kept, help pages"
h_expect_no_more
h_stop_game

# What the recording holds: speech, and the dice sound at each throw.
h_stop_recording
offsets=()
for ((run = 1; run <= H_RUN; run++)); do
    offsets+=("$H_WORK/transcript.$run.txt"
        "$(awk -v a="${H_LAUNCH_US[run]}" -v r="$H_REC_START_US" 'BEGIN { printf "%.3f", (a - r) / 1e6 }')")
done
h_say "runs of the game and when they began in the recording (s): ${offsets[*]#"$H_WORK/"}"
dice=()
[ -f "$here/../../resources/ROLLDICE.wav" ] && dice=(--dice "$here/../../resources/ROLLDICE.wav")
python3 "$here/lib/audio_check.py" "${dice[@]}" "$H_WORK/sound.wav" "${offsets[@]}" || h_fail "the recording"
h_ok "$P_SOUNDS dice sounds and the speech were heard; the whole play took $(h_elapsed) s"
