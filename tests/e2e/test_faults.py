"""The real game when the platform fails under it: the speech server dies in the middle of a turn,
the sound server vanishes before a throw, and the state folder refuses the saved game at F12.
Each time the game must go on (or leave) by itself, never hang."""
import os
import re
import shutil

import pytest

from harness.play import CHOOSE

DICE = re.compile(r"^( [1-6]){1,5}$|^yacht$")


def start_a_game(run):
    run.wait_for(re.compile("^Yacht, from Tevrin Software"), timeout=20)
    run.press("F9")
    run.wait_for(re.compile("^Choose the number of players"))
    run.press("Return")
    run.wait_for(" Press the space bar to begin")


def test_speech_server_dies_mid_turn(display, speech_server, game):
    speech_server.configure(normal_rate=340).start()   # a quick voice: a shorter play
    run = game.start("--speech-engine", "speechd", seed=11)
    start_a_game(run)
    run.press("space")
    run.wait_for("round 1 first roll")
    run.wait_for("rolldice", kind="sound", timeout=20)
    run.wait_for(DICE, kind="say-sync", timeout=20)
    speech_server.kill()
    # The turn goes on (flite or silence takes over) and every item is still handed over.
    run.press("space")
    run.wait_for("second roll")
    run.wait_for("rolldice", kind="sound")
    run.wait_for(DICE, kind="say-sync")
    run.press("space")
    run.wait_for("final roll")
    run.wait_for(CHOOSE, timeout=40)
    run.press("Down")
    run.wait_for(re.compile(" is (worth|already)"))
    run.press("Return")
    run.wait_for(re.compile("^After 1 round your total score is"))


def test_sound_server_vanishes_before_a_throw(display, sound_server, game):
    run = game.start("--speech-engine", "none", seed=11)
    start_a_game(run)
    run.press("space")
    run.wait_for("rolldice", kind="sound", timeout=20)
    run.wait_for(DICE, kind="say-sync", timeout=20)
    sound_server.stop()
    assert run.alive(), "the game died with the sound server"
    run.press("space")
    run.wait_for("rolldice", kind="sound", timeout=20)
    run.wait_for(DICE, kind="say-sync", timeout=20)


def test_f12_with_a_state_folder_it_cannot_write(sandbox, display, game):
    # Root can write anywhere, so this game runs as an ordinary user, with a state folder it may
    # only read, which holds an earlier saved game.
    user = "nobody"
    if os.getuid() != 0:
        pytest.skip("needs root to run the game as another user")
    own = {}
    for name in ("run-nobody", "home-nobody", "tmp-nobody"):
        path = os.path.join(sandbox.work, name)
        os.mkdir(path, 0o700)
        shutil.chown(path, user)
        own[name] = path
    readonly = os.path.join(sandbox.work, "readonly")
    folder = os.path.join(readonly, "yacht")
    os.makedirs(folder)
    os.chmod(readonly, 0o755)
    os.chmod(folder, 0o755)
    saved = os.path.join(folder, "tvyacht.tmp")
    with open(saved, "wb") as f:
        f.write(b"an earlier saved game\r\n")
    os.chmod(saved, 0o644)
    with open(saved, "rb") as f:
        before = f.read()

    run = game.start("--speech-engine", "none", seed=3, user=user, env={
        "XDG_STATE_HOME": readonly, "TMPDIR": own["tmp-nobody"],
        "XDG_RUNTIME_DIR": own["run-nobody"], "HOME": own["home-nobody"],
        "XDG_CONFIG_HOME": own["home-nobody"], "XDG_DATA_HOME": own["home-nobody"],
        "XDG_CACHE_HOME": own["home-nobody"]})
    start_a_game(run)
    run.press("F12")
    run.wait_for("goodbye", kind="say-sync", timeout=15)
    assert run.wait_exit(10) == 0, "the game did not leave well after goodbye"
    with open(saved, "rb") as f:
        assert f.read() == before, "the saved game changed"
    assert os.listdir(folder) == ["tvyacht.tmp"], "files left beside the saved game"
