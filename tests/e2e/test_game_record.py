"""The game record, played for real: two one-player games finished in a silent window, F6 after a
turn and F5 after each game, "A new best score." when the second beats the first, `yacht --record`
and `--record-export` while a game writes the record, and a game killed during a turn that leaves
the turns before it in the record and its saved game untouched."""
import csv
import io
import os
import re
import signal
import sqlite3
import stat
import subprocess
import time

from harness.play import F9_F1, Player
from harness.rules import NAMES

SILENT = ("--speech-engine", "none")
HEADER = ("game,started,ended,round,player,kind,throw1,kept2,throw2,kept3,throw3,category,points,"
          "cost_keep2,cost_keep3,cost_category")


def record_file(sandbox):
    return os.path.join(sandbox.data, "yacht", "record.sqlite")


def yacht_cli(sandbox, *args):
    return subprocess.run([sandbox.yacht, *args], env=sandbox.env, capture_output=True, text=True, timeout=30)


def new_game_of_one(p, after_report=False):
    p.press("F9")
    choose = "Choose the number of players using the arrow keys, then press the enter key to begin"
    if after_report:
        # A silent voice has said the rest of the report before F9 arrives.
        p.run.transcript.passed.clear()
        p.run.transcript.wait_for(choose, kind="say-async")
        assert all(line.text.endswith(".") for line in p.run.transcript.passed), p.run.transcript.passed
    else:
        p.expect(choose)
    p.press("Down")
    p.expect("1 player")
    p.press("Return")
    p.players, p.round, p.player, p.state = 1, 1, 1, "waitspace"
    p.sheets = {}
    p.expect(" Press the space bar to begin")


def turn_told(p):
    """Plays a turn of three throws (fewer after a Yacht) and returns how F6 tells it."""
    p.open_turn()
    throws = [" ".join(p.dice)]
    while p.state == "rolled":
        p.throw_again()
        throws.append(" ".join(p.dice))
    player = p.player
    words = f"player {player} threw {throws[0]}" + "".join(f", kept nothing, threw {t}" for t in throws[1:])
    target = 13 if p.cursor == 13 else p.sheet().first_free()
    p.choose_first_free()
    return f"{words}, scored {p.sheet().scores[target]} in {NAMES[target]}"


def finish_game(p):
    while p.state != "idle":
        turn_told(p)
    return int(p.shown(1))


def test_two_games_f5_f6_and_the_record_from_the_command_line(sandbox, display, game):
    p = Player(step_keys=True)
    p.run = game.start(*SILENT, seed=5)
    p.expect(re.compile("^Yacht, from Tevrin Software"))

    p.press("F5")
    p.expect("No game has been finished yet, so there are no best scores.")
    new_game_of_one(p)
    told = turn_told(p)
    p.press("F6")
    p.expect(told)
    first = finish_game(p)
    # The first game of the record is no new best: nothing follows the game over.
    p.press("F5")
    p.expect("The best scores.")
    p.expect(re.compile(rf"^{first}, on \d+ [A-Z][a-z]+ \d{{4}}\.$"))
    p.press("F5")
    p.expect(f"1 game finished, with a score of {first}.")

    # While the second game writes the record, the command line reads it.
    new_game_of_one(p, after_report=True)
    turn_told(p)
    printed = yacht_cli(sandbox, "--record")
    assert printed.returncode == 0, printed.stderr
    assert printed.stdout.splitlines()[:2] == ["The best scores.", printed.stdout.splitlines()[1]]
    assert printed.stdout.splitlines()[1].startswith(f"{first}, on ")
    exported = yacht_cli(sandbox, "--record-export", "-")
    rows = list(csv.reader(io.StringIO(exported.stdout)))
    assert exported.stdout.splitlines()[0] == HEADER
    assert len(rows) == 1 + 13 + 1, "every turn of the first game and the one turn of the second"

    second = finish_game(p)
    if second > first:
        p.expect("A new best score.")
    p.press("F2")
    p.expect(f"Game over. {F9_F1}")
    assert stat.S_IMODE(os.stat(record_file(sandbox)).st_mode) == 0o600
    p.press("F12")
    p.expect("goodbye", kind="say-sync")
    assert p.run.wait_exit(15) == 0

    target = os.path.join(sandbox.work, "turns.csv")
    with open(target, "w") as f:
        f.write("an older export\n")
    assert yacht_cli(sandbox, "--record-export", target).returncode == 0
    with open(target) as f:
        assert len(f.read().splitlines()) == 1 + 26
    failed = yacht_cli(sandbox, "--record-export", os.path.join(sandbox.work, "no-such-folder", "x.csv"))
    assert failed.returncode != 0 and len(failed.stderr.splitlines()) == 1


def test_a_game_killed_during_a_turn_keeps_the_turns_before(sandbox, display, game):
    p = Player(step_keys=True)
    p.run = game.start(*SILENT, seed=9)
    p.expect(re.compile("^Yacht, from Tevrin Software"))
    new_game_of_one(p)
    turn_told(p)
    turn_told(p)
    p.press("F12")
    p.expect("goodbye", kind="say-sync")
    assert p.run.wait_exit(15) == 0
    saved = os.path.join(sandbox.state, "yacht", "tvyacht.tmp")
    with open(saved, "rb") as f:
        saved_bytes = f.read()

    # Resumed, the game goes on in the same record game; killed during its next turn.
    p.run = game.start(*SILENT, seed=9)
    p.expect(re.compile("^Yacht, from Tevrin Software. Resuming"))
    p.state = "waitspace"
    turn_told(p)
    p.open_turn()
    time.sleep(1)
    p.run.proc.send_signal(signal.SIGKILL)
    p.run.proc.wait(10)

    with open(saved, "rb") as f:
        assert f.read() == saved_bytes, "the saved game is as F12 left it"
    with sqlite3.connect(f"file:{record_file(sandbox)}?mode=ro", uri=True) as db:
        assert db.execute("PRAGMA integrity_check").fetchone() == ("ok",)
        games = db.execute("SELECT id, ended FROM games").fetchall()
        assert games == [(1, None)], "one game, unfinished, outside the statistics"
        rounds = [r for (r,) in db.execute("SELECT round FROM turns WHERE game = 1 ORDER BY round")]
        assert rounds == [1, 2, 3], "the turns before the kill, the resumed one included"

    # The next start plays on: the record is opened again, the saved game resumed.
    p.run = game.start(*SILENT, seed=9)
    p.expect(re.compile("^Yacht, from Tevrin Software. Resuming"))
    p.press("F5")
    p.expect("No game has been finished yet, so there are no best scores.")
    p.run.stop()
