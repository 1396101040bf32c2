"""Digits by their place on the keyboard: on a French layout the digit row gives & é " ' ( - è _
unshifted, and still chooses the number of players; on a US layout Shift+digit does too."""
import re
import shutil
import subprocess

import pytest


@pytest.mark.parametrize("layout, keys, players", [
    ("fr", ["eacute"], "2 players"),        # the unshifted key that carries 2
    ("fr", ["shift+ampersand"], "1 player"),
    ("us", ["shift+3"], "3 players"),       # '#' on the key that carries 3
])
def test_digits_choose_the_players_on_any_layout(sandbox, display, game, layout, keys, players):
    if not shutil.which("setxkbmap"):
        pytest.skip("not installed: setxkbmap (x11-xkb-utils)")
    subprocess.run(["setxkbmap", layout], env=sandbox.env, check=True, timeout=20)
    run = game.start("--speech-engine", "none")
    run.wait_for(re.compile("^Yacht, from Tevrin Software"), timeout=20)
    run.press("F9")
    run.wait_for(re.compile("Choose the number of players"))
    run.press(*keys)
    run.expect(players)
    run.expect(" Press the space bar to begin")
