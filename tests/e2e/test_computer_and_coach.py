"""A person and a strong computer player finish a silent game in a real window: the person
chooses the computer with C, asks the coach with H on every turn and scores what it advises;
the computer's turns go on by themselves (every other one skipped with the space bar), and after
the game F4 tells the person what their choices cost against perfect play."""
import re
import time

from harness.play import F9_F1
from harness.rules import NAMES

CHOOSE = "Use the arrow keys to choose the category then press the enter key to score"
ADVICE = re.compile(r"^(score (?P<name>.+?) for \d+(, (?P<row>.+?) costs \d+\.\d points)?"
                    r"|the coach is still thinking)$")
GAP = 150  # ms between keys of a burst: wider than the game's tick


def ask_coach(run):
    """H until the coach has the table; returns its advice."""
    for _ in range(120):
        run.press("h")
        line = run.wait_for(ADVICE)
        if line.text != "the coach is still thinking":
            return re.match(ADVICE, line.text)
        time.sleep(0.5)
    raise AssertionError("the coach never finished thinking")


def test_person_and_strong_computer_with_the_coach(sandbox, display, game):
    sandbox.env["PULSE_SERVER"] = f"unix:{sandbox.run}/no-sound-server-here"
    run = game.start("--speech-engine", "none", seed=11)
    run.wait_for(re.compile("^Yacht, from Tevrin Software"), timeout=20)
    run.press("F9")
    run.wait_for(re.compile("^Choose the number of players"))
    run.press("Down", "Down", gap_ms=GAP)
    run.wait_for("2 players")
    run.press("c")
    run.wait_for("1 computer player")
    run.press("Return")
    run.wait_for(" Press the space bar to begin")

    taken = set()
    for round_ in range(1, 14):
        # The person: three throws, then the coach's category, reached with the arrows.
        run.press("space")
        yacht = False
        throws = 0
        while True:
            line = run.wait_for(re.compile(r"^(( [1-6]){1,5}|yacht|" + CHOOSE + ")$"))
            if line.text == CHOOSE:
                break
            throws += 1
            yacht = line.text == "yacht"
            if not yacht and throws < 3:
                run.press("space")
        cursor = 13 if yacht and "Yacht" not in taken else 0
        run.press("Down")
        cursor = max(cursor, 1)
        run.wait_for(re.compile(r" is (worth|already taken)"))
        advice = ask_coach(run)
        if advice.group("row"):
            assert advice.group("row") == NAMES[cursor]
        target = NAMES.index(advice.group("name"))
        assert advice.group("name") not in taken
        steps = ["Down"] * (target - cursor) if target > cursor else ["Up"] * (cursor - target)
        if steps:
            run.press(*steps, gap_ms=GAP)
            run.wait_for(re.compile("^" + re.escape(advice.group("name")) + " is worth"))
        run.press("Return")
        taken.add(advice.group("name"))
        if round_ < 13:
            run.wait_for(re.compile(rf"^After {round_} rounds? your total score is \d+$"))

        # The computer: its turn goes on by itself; on even rounds the space bar skips it.
        run.wait_for(" player 2 first roll")
        if round_ % 2 == 0:
            run.press("space")
        else:
            run.wait_for(re.compile(r"^player 2 keeps (nothing|[1-6]( [1-6])*)$"))
        run.wait_for(re.compile(r"^player 2 scores \d+ in (" + "|".join(NAMES[1:]) + ")$"))
        if round_ < 13:
            run.wait_for(re.compile(r"^At the end of the round, the scores are player 1 \d+, player 2 \d+, "
                                    r" Press the space bar to continue$"))

    run.wait_for(re.compile(r"^Game over\. (The winner is player [12]|We have a 2 way tie)"))
    run.press("F4")
    run.wait_for("At the end of the game the scores are, ")
    run.expect(re.compile(r"^player 1, \d+$"))
    run.expect(re.compile(r"^player 2, \d+$"))
    run.expect(re.compile(r"^player 1, your choices cost \d+\.\d points against perfect play$"))
    run.expect(F9_F1)
    run.press("F12")
    run.wait_for("goodbye", kind="say-sync")
    assert run.wait_exit(15) == 0
