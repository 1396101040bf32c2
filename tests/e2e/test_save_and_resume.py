"""The real program keeps an unfinished game across runs: a one-player game is played into round 2,
F12 saves it and says goodbye, and the next start resumes it with the resuming sentence and the
same dice; saving the resumed game again gives the same file. A speed found in the user's
settings at start is written back there at F12."""
import os
import re

from harness.play import GREETING

ANY = None


def test_leave_with_f12_and_resume(sandbox, display, game):
    settings = os.path.join(sandbox.config, "Tevrin", "Tevrin.conf")
    os.makedirs(os.path.dirname(settings))
    with open(settings, "w") as f:
        f.write("[Q73]\nVoice=0\nSpeed=4\n")   # the player's own: very fast, the first voice
    saved = os.path.join(sandbox.state, "yacht", "tvyacht.tmp")

    # First run: a one-player game, round 1 scored, round 2 thrown once, then F12.
    run = game.start("--speech-engine", "none", seed=11)
    run.expect(GREETING)
    run.press("F9")
    run.wait_for(re.compile("^Choose the number of players"))
    run.press("Return")
    run.wait_for(" Press the space bar to begin")
    for _ in range(3):
        run.press("space")                    # each throw ends with its dice, said at once
        run.wait_for(ANY, kind="say-sync")
    run.wait_for("Use the arrow keys to choose the category then press the enter key to score")
    run.press("Down")
    run.wait_for(re.compile(" is (worth|already)"))
    run.press("Return")
    run.wait_for(re.compile("^After 1 round your total score is"))
    run.wait_for(" Press the space bar to continue")
    run.press("space")
    run.wait_for("round 2 first roll")
    run.wait_for(ANY, kind="sound")
    dice = run.wait_for(re.compile(r"^( [1-6]){5}$|^yacht$"), kind="say-sync").text
    run.press("F12")
    run.wait_for("goodbye", kind="say-sync")
    assert run.wait_exit() == 0
    print(f"played into round 2 and left with F12; the dice were:{dice}")

    with open(saved, "rb") as f:
        lines = f.read().split(b"\n")[:-1]
    assert len(lines) == 43, f"the saved game has {len(lines)} lines, not 43"
    assert all(l.endswith(b"\r") for l in lines), "the saved game's lines do not end with CR LF"
    assert [l.strip() for l in lines[2:5]] == [b"2", b"1", b"1"], "round, state and roll"
    assert os.listdir(os.path.dirname(saved)) == ["tvyacht.tmp"], "something was left beside the saved game"
    with open(settings) as f:
        assert f.read().replace("\r", "").strip() == "[Q73]\nSpeed=4\nVoice=0"
    with open(saved, "rb") as f:
        first_save = f.read()

    # Second run: the game is resumed where it stopped, with its dice.
    run = game.start("--speech-engine", "none", seed=11)
    run.wait_for("Resuming an unfinished game, press function key F 9 if you prefer to start a new game. ")
    run.wait_for(f"round 2 first roll{dice}" if dice != "yacht" else re.compile("^round 2 first roll"))
    run.press("F12")
    run.wait_for("goodbye", kind="say-sync")
    assert run.wait_exit() == 0
    with open(saved, "rb") as f:
        assert f.read() == first_save, "saving the resumed game changed the file"
