"""The real program at start: the greeting is the first thing handed to the voice, within a
second, whatever the speech engine; a second copy leaves at once, silently and without a window;
the command line refuses what it does not know."""
import subprocess
import time

import pytest

from harness.play import GREETING


@pytest.mark.parametrize("engine", ["none", "no-such-engine"])
def test_greets_first_and_a_second_copy_leaves(game, engine):
    run = game.start("--speech-engine", engine, seed=1, window=False)
    line = run.expect(GREETING, kind="say-async", timeout=15)
    assert line.ms < 1000, f"the greeting came after {line.ms} ms"
    run.transcript.expect_no_more(settle=0.5)
    print(f"{engine} greets in {line.ms} ms")

    if engine == "none":
        # A second copy while this one runs: it ends at once, with status 0 and nothing said.
        began = time.monotonic()
        second = game.start("--speech-engine", "none", seed=None, window=False)
        assert second.wait_exit(15) == 0, "the second copy did not end well"
        assert second.transcript.all_lines() == [], "the second copy said something"
        print(f"a second copy left after {(time.monotonic() - began) * 1000:.0f} ms, silently")


def test_command_line(sandbox):
    def yacht(*args):
        return subprocess.run([sandbox.yacht, *args], env=sandbox.env, capture_output=True,
                              text=True, timeout=20)
    wrong = yacht("--frobnicate")
    assert wrong.returncode == 2, f"an unknown option gave status {wrong.returncode}"
    assert "unknown option" in wrong.stderr
    assert yacht("--version").stdout.startswith("yacht ")
    assert "--transcript" in yacht("--help").stdout
