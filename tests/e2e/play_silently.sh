#!/usr/bin/env bash
# A whole game of two players on a machine with no speech engine and no sound server at all: the
# real game in a real X window, played with real key presses, silent, and every announcement read
# from the transcript and checked as it comes. The dice sound is still listed on every throw,
# leaving and resuming works, and nothing waits for a voice or a sound device that is not there.
# Usage: play_silently.sh path/to/yacht
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib/harness.sh"
source "$here/lib/rules.sh"
source "$here/lib/play.sh"
source "$here/lib/reports.sh"
source "$here/lib/turns.sh"
P_HELP_DIR="$here/../../resources/help"
P_STEP_KEYS=1

h_need Xvfb xdotool
h_setup "${1:-}"
r_self_check || h_fail "the play's own rules"
h_start_x
# No sound server and no speech server: the runtime folder stays empty and nothing may spawn one.
export PULSE_SERVER="unix:$H_WORK/run/no-sound-server-here"

h_launch --speech-engine none
expect say-async "$P_GREETING"
h_ok "greeting"

# The silent voice still answers the voice and speed keys, and every help page is read.
p_voice_change shift+F1
p_speed_change fast
for page in 0 1 2 3 1; do p_help "$page"; done
h_ok "voice, speed and help pages ($P_VOICE)"

p_new_game_of_two
p_turn_three_throws
p_turn_three_throws
h_ok "round 1"

# Round 2: a turn with holds; then F12 while the next player is to press the space bar.
p_turn_with_holds
press F12
expect say-sync goodbye
h_wait_exit 15
h_ok "left with F12 in round 2"
h_launch --speech-engine none
expect say-async "$P_WELCOME_BACK"
h_ok "resumed while waiting for the space bar"
p_turn_three_throws

# Round 3: the reports in the middle of player 2's turn.
p_turn_three_throws
p_open_turn
if p_state_is rolled; then
    p_f2
    p_f3
    p_f4
    while p_state_is rolled; do p_throw_again; done
fi
p_choose_first_free
h_ok "F2, F3 and F4 during a turn"

# Round 4: F12 in the middle of a turn, after the second throw with two dice held; the resumed
# game tells the round, the player, the throw and the dice that were thrown.
p_open_turn
if p_state_is rolled; then
    p_hold 2
    p_hold 5
    p_throw_again
fi
if p_state_is rolled; then
    press F12
    expect say-sync goodbye
    h_wait_exit 15
    h_launch --speech-engine none
    expect say-async "Yacht, from Tevrin Software. $P_F9_F1"
    expect say-async "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. "
    expect say-async "round $P_ROUND, player $P_PLAYER second roll$(p_dice_text)"
    h_ok "resumed in the middle of a turn"
    p_throw_again
fi
p_choose_first_free
p_turn_three_throws

# The other rounds hunt for a Yacht, holding the commonest face.
while ! p_state_is idle; do p_turn_hunt_yacht; done
h_ok "game over after 13 rounds: ${R_SHOWN[1]} to ${R_SHOWN[2]}, with $P_YACHTS Yacht(s) thrown"

p_f4
p_f3
p_f2
p_speed_change "very fast"
h_ok "reports after the game, and the speed kept from the last run"

# Every throw was marked by the dice sound, and nothing was said that the play did not expect.
h_expect_no_more
h_stop_game
leftovers="$(ls -A "$XDG_RUNTIME_DIR")"
[ -z "$leftovers" ] || h_fail "a server was started in the runtime folder: $leftovers"
sounds=$(cat "$H_WORK"/transcript.*.txt | grep -c ' sound rolldice$')
[ "$sounds" -eq "$P_SOUNDS" ] || h_fail "$sounds dice sounds listed, $P_SOUNDS throws heard"
h_ok "$sounds dice sounds listed; the whole play took $(h_elapsed) s"
