"""The real program at start: the greeting is the first thing handed to the voice, within a
second, whatever the speech engine; a second copy leaves at once, silently and without a window;
the command line refuses what it does not know; `yacht` links no toolkit and says so in one line
when the executable it would become is missing."""
import os
import shutil
import subprocess
import time

import pytest

from harness.play import GREETING


@pytest.mark.parametrize("engine", ["none", "no-such-engine"])
def test_greets_first_and_a_second_copy_leaves(game, engine):
    run = game.start("--speech-engine", engine, seed=1, window=False)
    line = run.expect(GREETING, kind="say-async", timeout=15)
    assert line.ms < 1000, f"the greeting came after {line.ms} ms"
    # `yacht` has become the window's executable: the same process.
    assert os.path.basename(os.readlink(f"/proc/{run.proc.pid}/exe")) == "yacht-window"
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


def test_yacht_links_no_toolkit_and_says_a_missing_executable_in_one_line(sandbox):
    # No Qt library and no window-system library, not even as a dependency of a dependency.
    linked = subprocess.run(["ldd", sandbox.yacht], capture_output=True, text=True, check=True).stdout
    for library in ("libQt6", "libxcb", "libwayland", "libX11", "libspeechd", "libpulse"):
        assert library not in linked, f"yacht links {library}:\n{linked}"

    # A `yacht` copied alone, with no package installed to fall back on, ends at once.
    for installed in ("/usr/libexec/yacht", "/usr/local/libexec/yacht"):
        if os.path.exists(installed):
            pytest.skip(f"{installed} is installed, which a lone yacht would become")
    alone = os.path.join(sandbox.work, "alone")
    os.mkdir(alone)
    shutil.copy(sandbox.yacht, alone)
    env = {k: v for k, v in sandbox.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    for args, missing in ((["--seed", "1"], "the window's executable"),
                          (["--version"], "the terminal game's executable")):
        done = subprocess.run([os.path.join(alone, "yacht"), *args], env=env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=10)
        assert done.returncode == 127, (args, done.returncode, done.stderr)
        assert done.stdout == "" and len(done.stderr.splitlines()) == 1, done.stderr
        assert done.stderr.startswith(f"yacht: {missing} is missing"), done.stderr
    # With the window's executable beside it and no terminal game's, the window's answers.
    shutil.copy(os.path.join(os.path.dirname(sandbox.yacht), "yacht-window"), alone)
    done = subprocess.run([os.path.join(alone, "yacht"), "--version"], env=env, stdin=subprocess.DEVNULL,
                          capture_output=True, text=True, timeout=10)
    assert done.returncode == 0 and done.stdout.startswith("yacht "), (done.stdout, done.stderr)
