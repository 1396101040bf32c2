"""The game with the player's own screen reader: in screen-reader mode every text reaches Orca,
which speaks it and shows it in braille; with no screen reader running the game says so and
speaks through speech-dispatcher."""
import os
import re
import shutil
import time

import pytest

from harness.play import GREETING


def orca_log_has(path, kind, text, timeout=30):
    """Waits for Orca's debug log to present `text` as speech ("SPEECH OUTPUT") or on the braille
    line ("BRAILLE LINE"). Orca writes its log in blocks: what it did last shows once it has done
    more, or has ended."""
    pattern = re.compile(re.escape(kind) + r":\s+'" + re.escape(text))
    end = time.monotonic() + timeout
    while True:
        if os.path.exists(path) and pattern.search(open(path, errors="replace").read()):
            return True
        if time.monotonic() >= end:
            return False
        time.sleep(0.2)


def start_orca(sandbox):
    for tool in ("orca", "/usr/libexec/at-spi-bus-launcher"):
        if not shutil.which(tool):
            pytest.skip(f"not installed: {tool}")
    sandbox.procs.start("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                        sandbox.env)
    # Orca's own defaults (its settings live in the play's private data folder): speech through
    # speech-dispatcher, and braille, which its debug log shows without a display attached.
    log = os.path.join(sandbox.logs, "orca-debug.log")
    orca = sandbox.procs.start("orca", ["orca", "--debug-file", log], sandbox.env)
    assert orca_log_has(log, "SPEECH OUTPUT", "Screen reader on", 60), "Orca did not start"
    return orca, log


def test_screen_reader_mode_reaches_orcas_speech_and_braille(sandbox, display, speech_server, game):
    speech_server.configure().start()
    orca, log = start_orca(sandbox)
    run = game.start("--speech-engine", "screen-reader",
                     env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    run.expect(GREETING, kind="say-async", timeout=20)
    time.sleep(2)  # the greeting is presented before the first key cuts it short
    run.press("F9")
    run.wait_for(re.compile("Choose the number of players"))
    run.press("Return")
    run.wait_for(" Press the space bar to begin")
    run.press("space")
    run.wait_for("rolldice", kind="sound")
    dice = run.expect(re.compile(r"^( [1-6]){5}$"), timeout=20).text

    # The throws to the last, then the first category: its score is presented too.
    for _ in range(2):
        run.press("space")
        run.wait_for("rolldice", kind="sound")
        run.expect(re.compile(r"^( [1-6]){5}$"), timeout=20)
    run.wait_for(re.compile("choose the category"))
    run.press("Down", "Return")
    score = run.wait_for(re.compile("^After 1 round your total score is [0-9]+$")).text
    time.sleep(3)
    # The new-game question is the box, which Orca presents as it opens: the game's own sentence
    # is not heard beside it, nor after the answer.
    run.press("F9")
    run.wait_for(re.compile("^Do you really want to start a new game"))
    time.sleep(3)
    run.press("Escape")
    run.wait_for("cancelled")
    time.sleep(3)
    run.stop()
    sandbox.procs.stop(orca)  # Orca writes out the rest of its log as it ends
    for text in ("Yacht, from Tevrin Software.", dice.strip(), score, "cancelled"):
        for kind in ("SPEECH OUTPUT", "BRAILLE LINE"):
            assert orca_log_has(log, kind, text, timeout=5), f"'{text}' missing from Orca's {kind}"
    assert orca_log_has(log, "SPEECH OUTPUT", "alert Start new game?", timeout=5)
    assert not orca_log_has(log, "SPEECH OUTPUT", "Do you really", timeout=0), \
        "the new-game question was presented twice"


def test_without_a_screen_reader_the_game_says_so_and_speaks_itself(sandbox, speech_server, game):
    speech_server.configure().start()
    run = game.start("--speech-engine", "screen-reader", window=False)
    run.expect(re.compile("^No screen reader is running"), kind="say-async", timeout=20)
    run.expect(GREETING, kind="say-async", timeout=20)
