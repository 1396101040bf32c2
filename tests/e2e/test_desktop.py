"""The game as it lives on a desktop: the saved game in the user's private state folder, kept
across a reboot (a new /tmp and a new runtime folder) and moved there from /tmp once; one copy per
user, whose lock dies with its copy; a second start brings the first window forward; closing the
window and SIGTERM save as F12 does; two users play at the same time, each their own game."""
import os
import pwd
import re
import shutil
import signal
import stat
import subprocess
import time

import pytest

from harness.play import GREETING
from harness.servers import quick

ANY = None
RESUMING = "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. "


def play_one_throw(run):
    """A one-player game, thrown once: there is now a game worth keeping."""
    run.expect(GREETING)
    run.press("F9")
    run.wait_for(re.compile("^Choose the number of players"))
    run.press("Return")
    run.wait_for(" Press the space bar to begin")
    run.press("space")
    run.wait_for(ANY, kind="say-sync")          # the dice, said as soon as they land


def leave_with_goodbye(run):
    run.wait_for("goodbye", kind="say-sync")
    assert run.wait_exit() == 0


def mode(path):
    return stat.S_IMODE(os.lstat(path).st_mode)


def saved_game(home_state):
    return os.path.join(home_state, "yacht", "tvyacht.tmp")


def test_saved_game_is_private_outlives_a_reboot_and_moves_out_of_tmp(sandbox, display, game):
    run = game.start("--speech-engine", "none")
    play_one_throw(run)
    run.press("F12")
    leave_with_goodbye(run)

    saved = saved_game(sandbox.state)
    assert os.path.isfile(saved), "F12 left no game in the state folder"
    assert mode(saved) == 0o600, f"the saved game has mode {mode(saved):o}"
    assert mode(os.path.dirname(saved)) == 0o700
    assert os.listdir(sandbox.tmp) == [], f"/tmp holds {os.listdir(sandbox.tmp)}"

    # A reboot empties /tmp and the runtime folder; the game is still there.
    fresh_tmp, fresh_run = os.path.join(sandbox.work, "tmp2"), os.path.join(sandbox.work, "run2")
    os.mkdir(fresh_tmp)
    os.mkdir(fresh_run, 0o700)
    run = game.start("--speech-engine", "none", env={"TMPDIR": fresh_tmp, "XDG_RUNTIME_DIR": fresh_run})
    run.wait_for(RESUMING)
    run.press("F12")
    leave_with_goodbye(run)

    # A game an earlier version left in /tmp, with none in the state folder, is moved, not lost.
    with open(saved, "rb") as f:
        kept = f.read()
    os.rename(saved, os.path.join(fresh_tmp, "tvyacht.tmp"))
    run = game.start("--speech-engine", "none", env={"TMPDIR": fresh_tmp, "XDG_RUNTIME_DIR": fresh_run})
    run.wait_for(RESUMING)
    assert os.listdir(fresh_tmp) == [], "the old game stayed in /tmp"
    with open(saved, "rb") as f:
        assert f.read() == kept, "the moved game is not the one left in /tmp"
    assert mode(saved) == 0o600
    run.press("F12")
    leave_with_goodbye(run)


def test_closing_the_window_and_sigterm_save_as_f12(sandbox, display, game):
    run = game.start("--speech-engine", "none")
    play_one_throw(run)
    window = run.window
    quick(["wmctrl", "-i", "-c", window], sandbox.env, 10)
    leave_with_goodbye(run)
    assert os.path.isfile(saved_game(sandbox.state)), "closing the window saved nothing"

    run = game.start("--speech-engine", "none")
    run.wait_for(RESUMING)
    run.wait_for(re.compile("^round 1 first roll"))
    os.unlink(saved_game(sandbox.state))
    run.proc.send_signal(signal.SIGTERM)
    leave_with_goodbye(run)
    assert os.path.isfile(saved_game(sandbox.state)), "SIGTERM saved nothing"

    run = game.start("--speech-engine", "none")
    run.wait_for(RESUMING)
    run.press("F12")
    leave_with_goodbye(run)


def test_a_copy_killed_outright_keeps_nobody_out(game):
    run = game.start("--speech-engine", "none", window=False)
    run.expect(GREETING, timeout=15)
    run.proc.send_signal(signal.SIGKILL)
    run.proc.wait(10)
    run = game.start("--speech-engine", "none", window=False)
    run.expect(GREETING, timeout=15)
    run.stop()


def window_state(env, window):
    return quick(["xprop", "-id", window, "_NET_WM_STATE"], env).stdout


def test_a_second_start_brings_the_first_window_forward(sandbox, display, game):
    first = game.start("--speech-engine", "none")
    first.expect(GREETING)
    quick(["xdotool", "windowminimize", "--sync", first.window], sandbox.env, 10)
    assert "HIDDEN" in window_state(sandbox.env, first.window), "the window did not go to the task bar"

    began = time.monotonic()
    second = game.start("--speech-engine", "none", seed=None, window=False,
                        env={"DISPLAY": display.number, "QT_QPA_PLATFORM": "xcb",
                             "DESKTOP_STARTUP_ID": "yacht-e2e_TIME0"})
    assert second.wait_exit(15) == 0
    assert second.transcript.all_lines() == [], "the second copy said something"
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        active = quick(["xdotool", "getactivewindow"], sandbox.env).stdout.strip()
        if active == first.window and "HIDDEN" not in window_state(sandbox.env, first.window):
            break
        time.sleep(0.1)
    else:
        pytest.fail(f"the first window was not brought forward (active: {active}, "
                    f"state: {window_state(sandbox.env, first.window).strip()})")
    print(f"the first window came forward {(time.monotonic() - began) * 1000:.0f} ms after the second start")
    first.transcript.expect_no_more(settle=0.5)
    first.press("F12")
    leave_with_goodbye(first)


@pytest.fixture
def two_users(sandbox):
    """Two accounts made for the play, removed with their homes at its end."""
    if os.geteuid() != 0:
        pytest.skip("two users need accounts made for the test, which needs root")
    if not shutil.which("useradd"):
        pytest.skip("useradd is not installed")
    names = []
    try:
        for n in (1, 2):
            name = f"yachte2e{os.getpid() % 10000}x{n}"
            home = os.path.join(sandbox.work, name)
            subprocess.run(["useradd", "--no-user-group", "--gid", "users", "--home-dir", home,
                            "--create-home", "--shell", "/usr/sbin/nologin", name],
                           check=True, capture_output=True)
            names.append(name)
        yield names
    finally:
        for name in names:
            gone = subprocess.run(["userdel", "--force", "--remove", name], capture_output=True, text=True)
            if subprocess.run(["id", name], capture_output=True).returncode == 0:
                print(f"could not remove the account {name}: {gone.stderr.strip()}")


def own_world(sandbox, name):
    """A user's own home and runtime folder, the rest of their folders by default under home."""
    home = os.path.join(sandbox.work, name)
    return {"HOME": home, "XDG_RUNTIME_DIR": os.path.join(home, "run"), "XDG_STATE_HOME": None,
            "XDG_CONFIG_HOME": None, "XDG_DATA_HOME": None, "XDG_CACHE_HOME": None,
            "DBUS_SESSION_BUS_ADDRESS": None, "USER": name, "LOGNAME": name}


def test_two_users_each_play_their_own_game(sandbox, display, game, two_users):
    os.chmod(sandbox.tmp, 0o1777)       # one /tmp, shared and sticky as on a real machine
    runs = {}
    for name in two_users:
        run_dir = os.path.join(sandbox.work, name, "run")
        os.mkdir(run_dir, 0o700)
        shutil.chown(run_dir, name)
        runs[name] = game.start("--speech-engine", "none", env=own_world(sandbox, name), user=name)
        play_one_throw(runs[name])
    # Both are running now, each with a game of its own under way.
    for name, run in runs.items():
        assert run.alive(), f"{name}'s game ended"
        run.focus()
        run.press("F12")
        leave_with_goodbye(run)

    for name in two_users:
        saved = saved_game(os.path.join(sandbox.work, name, ".local", "state"))
        assert os.path.isfile(saved), f"{name}'s game was not saved"
        assert os.stat(saved).st_uid == pwd.getpwnam(name).pw_uid, f"{name}'s game is not {name}'s"
        assert mode(saved) == 0o600
    assert os.listdir(sandbox.tmp) == [], "a game was left in the shared /tmp"

    for name in two_users:
        run = game.start("--speech-engine", "none", env=own_world(sandbox, name), user=name)
        run.wait_for(RESUMING)
        run.press("F12")
        leave_with_goodbye(run)


def test_without_a_display_one_line_and_status_1(sandbox):
    env = dict(sandbox.env)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(name, None)
    env["YACHT_E2E_WORK"] = sandbox.work    # a speech server it starts is the play's to stop
    began = time.monotonic()
    done = subprocess.run([sandbox.yacht, "--speech-engine", "none"], env=env, capture_output=True,
                          text=True, timeout=30)
    assert done.returncode == 1, f"status {done.returncode}: {done.stderr}"
    lines = [l for l in done.stderr.splitlines() if l.strip()]
    assert len(lines) == 1 and "needs a graphical session" in lines[0] and "offscreen" in lines[0], lines
    print(f"without a display: '{lines[0]}' after {(time.monotonic() - began) * 1000:.0f} ms")
