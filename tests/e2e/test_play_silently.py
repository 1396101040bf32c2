"""A whole game of two players on a machine with no speech engine and no sound server at all: the
real game in a real window, played with real key presses, silent, and every announcement read
from the transcript and checked as it comes. The dice sound is still listed on every throw,
leaving and resuming works, and nothing waits for a voice or a sound device that is not there."""
import os

import pytest

from harness.play import F9_F1, GREETING, RESUMING_MID_TURN, WELCOME_BACK, Player
from harness.rules import KNOWN_HANDS, worth


@pytest.mark.parametrize("hand", KNOWN_HANDS)
def test_the_plays_own_rules(hand):
    dice = hand.split()
    assert " ".join(str(worth(c, dice)) for c in range(1, 14)) == KNOWN_HANDS[hand]


def test_silent_game(sandbox, display, game, source_dir):
    # No sound server and no speech server: nothing may be started for the game either.
    sandbox.env["PULSE_SERVER"] = f"unix:{sandbox.run}/no-sound-server-here"
    seed = int(os.environ.get("E2E_SEED", "7"))
    silent = ("--speech-engine", "none")
    p = Player(help_dir=os.path.join(source_dir, "resources", "help"), step_keys=True)

    p.run = game.start(*silent, seed=seed)
    p.expect(GREETING)
    # The silent voice still answers the voice and speed keys, and every help page is read.
    p.voice_change("shift+F1")
    p.speed_change("fast")
    for page in (0, 1, 2, 3, 1):
        p.help(page)

    p.new_game_of_two()
    p.turn_three_throws()
    p.turn_three_throws()

    # Round 2: a turn with holds; then F12 while the next player is to press the space bar.
    p.turn_with_holds()
    p.press("F12")
    p.expect("goodbye", kind="say-sync")
    assert p.run.wait_exit(15) == 0
    p.run = game.start(*silent, seed=seed)
    p.expect(WELCOME_BACK)
    p.turn_three_throws()

    # Round 3: the reports in the middle of player 2's turn.
    p.turn_three_throws()
    p.open_turn()
    if p.state == "rolled":
        p.f2()
        p.f3()
        p.f4()
        while p.state == "rolled":
            p.throw_again()
    p.choose_first_free()

    # Round 4: F12 in the middle of a turn, after the second throw with two dice held; the
    # resumed game tells the round, the player, the throw and the dice that were thrown.
    p.open_turn()
    if p.state == "rolled":
        p.hold(2)
        p.hold(5)
        p.throw_again()
    if p.state == "rolled":
        p.press("F12")
        p.expect("goodbye", kind="say-sync")
        assert p.run.wait_exit(15) == 0
        p.run = game.start(*silent, seed=seed)
        p.expect(f"Yacht, from Tevrin Software. {F9_F1}")
        p.expect(RESUMING_MID_TURN)
        p.expect(f"round {p.round}, player {p.player} second roll{p.dice_text()}")
        p.throw_again()
    p.choose_first_free()
    p.turn_three_throws()

    # The other rounds hunt for a Yacht, holding the commonest face.
    while p.state != "idle":
        p.turn_hunt_yacht()
    print(f"game over after 13 rounds: {p.shown(1)} to {p.shown(2)}, {p.yachts} Yacht(s) thrown")

    p.f4()
    p.f3()
    p.f2()
    p.speed_change("very fast")   # the speed kept from the last run

    # Every throw was marked by the dice sound, and nothing was said that the play did not expect.
    p.run.transcript.expect_no_more()
    p.run.stop()
    servers = sandbox.servers_running()
    assert not servers, f"a speech or sound server was started: {servers}"
    listed = sum(1 for run in game.runs for line in run.transcript.all_lines()
                 if (line.kind, line.text) == ("sound", "rolldice"))
    assert listed == p.sounds, f"{listed} dice sounds listed, {p.sounds} throws heard"
    print(f"{listed} dice sounds listed; the whole play took {sandbox.elapsed():.0f} s")
