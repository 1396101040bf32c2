"""The game with the player's own screen reader: in screen-reader mode every text reaches Orca,
which speaks it at once without a word before it and keeps it on the braille display; with no
screen reader running the game says so and speaks through speech-dispatcher."""
import re
import time

from harness.play import GREETING

DICE = re.compile(r"^( [1-6]){5}$")


def test_screen_reader_mode_reaches_orcas_speech_and_braille(sandbox, screen_reader, game):
    orca = screen_reader
    run = game.start("--speech-engine", "screen-reader",
                     env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    run.expect(GREETING, kind="say-async", timeout=20)
    time.sleep(2)
    run.press("F9")
    run.wait_for(re.compile("Choose the number of players"))
    run.press("Down", "Down")
    run.wait_for("2 players")
    run.press("c")
    run.wait_for("1 computer player")
    run.press("Return")
    run.wait_for(" Press the space bar to begin")
    run.press("space")
    run.wait_for("rolldice", kind="sound")
    dice = run.expect(DICE, timeout=20).text
    time.sleep(2)  # a player's pace: each answer is heard before the next key
    run.press("1")  # holds the first die
    held = run.expect(re.compile(r"\S"), timeout=10).text
    time.sleep(1.5)
    for _ in range(2):
        run.press("space")
        run.wait_for("rolldice", kind="sound")
        last = run.expect(re.compile(r"^( [1-6]){1,5}$"), timeout=20).text
        time.sleep(2)
    run.wait_for(re.compile("choose the category"))
    # The walk and a quick Enter: the row's answer is handed even though the next key follows.
    run.press("Down", "Down", "Return", gap_ms=300)
    # The first row is the player's to cut with the second Down (Orca may drop it before a word);
    # the second is the one Enter follows.
    run.wait_for(re.compile(r" is (worth|already taken)"))
    row = run.wait_for(re.compile(r" is (worth|already taken)")).text
    score = run.wait_for(re.compile("^After 1 round your total score is [0-9]+$")).text
    # The computer's turn and the round's scores.
    computer = run.wait_for(re.compile(r"^player 2 scores \d+ in "), timeout=60).text
    summary = run.wait_for(re.compile("^At the end of the round"), timeout=30).text
    time.sleep(2)
    # F3's list, left to be heard to its end: every line reaches Orca whole and in order.
    run.press("F3")
    heading = run.wait_for(re.compile("^[0-9]+ categories left to fill$")).text
    listed = [heading] + [run.expect(re.compile(r"\S"), timeout=10).text
                          for _ in range(int(heading.split()[0]))]
    time.sleep(1.5 * len(listed))
    # F1's long page, then F4 half a second later: F4 is answered at once.
    run.press("F1")
    run.wait_for(re.compile("^Yacht is a classic dice game"))
    time.sleep(1)
    run.press("F1")
    run.wait_for(re.compile("^Introduction"))
    time.sleep(0.5)
    run.press("F4")
    total = run.wait_for(re.compile(r"score"), timeout=10).text
    time.sleep(2)
    # The new-game question is read whole with its box.
    run.press("F9")
    run.wait_for(re.compile("^Do you really want to start a new game"))
    time.sleep(3)
    run.press("Escape")
    run.wait_for("cancelled")
    time.sleep(2)
    run.press("F12")
    run.wait_for("goodbye")
    assert run.wait_exit(20) == 0
    time.sleep(1)
    orca.stop()

    spoken = [s.strip().rstrip(".").strip() for s in orca.spoken()]
    brailled = orca.brailled()
    for text in (dice, held, last, row, score, computer, summary, total, "cancelled", "goodbye"):
        assert text.strip().rstrip(".").strip() in spoken, f"'{text}' was not spoken whole"
        assert [b for b in brailled if text.strip() in b], f"'{text}' missing from braille"
    heard = iter(spoken)
    assert all(any(line == s for s in heard) for line in listed), \
        f"F3's list {listed} did not reach Orca whole and in order: {spoken[-30:]}"
    assert not [s for s in spoken if s.lower() in ("notification", "list item", "list")], \
        "a word came before the game's texts"
    # The help page went over a sentence at a time, no line breaks on the display.
    assert "Introduction and scoring" in spoken
    assert not [b for b in brailled if "\\n" in b or "\\r" in b]
    question = [s for s in spoken if "Do you really want to start a new game" in s]
    assert len(question) == 1 and "escape key to cancel" in question[0], spoken[-20:]
    # Braille kept the last text: nothing replaced the goodbye before the game ended.
    last_line = [b for b in brailled if b.strip() and "Screen reader" not in b][-1]
    assert "goodbye" in last_line, last_line


def test_without_a_screen_reader_the_game_says_so_and_speaks_itself(sandbox, speech_server, game):
    speech_server.configure().start()
    run = game.start("--speech-engine", "screen-reader", window=False)
    run.expect(re.compile("^No screen reader is running"), kind="say-async", timeout=20)
    run.expect(GREETING, kind="say-async", timeout=20)
