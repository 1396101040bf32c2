"""The real game under test: started with a fresh transcript, its window found and given the
keyboard, keys pressed on it through the X server, and its end awaited or brought about.
"""
import os
import re
import subprocess
import time

from .servers import ServerError, quick, tail_of
from .transcript import Transcript

# Spacing of keys sent in one burst: wider than the game's 100 ms tick, so each is taken on a
# tick of its own.
KEY_GAP_MS = 250


class GameError(AssertionError):
    """The game could not be started, shown or driven."""


class Run:
    """One run of the game: its process, transcript, window and output."""

    def __init__(self, sandbox, number, args, env, user):
        self.sandbox = sandbox
        self.number = number
        self.path = os.path.join(sandbox.work, f"transcript.{number}.txt")
        self.output = os.path.join(sandbox.logs, f"yacht.{number}.log")
        self.env = env
        self.window = None
        self.started_at = None
        self.returncode = None
        open(self.path, "w").close()
        if user is not None:
            os.chown(self.path, *_ids(user))
        self.transcript = Transcript(self.path, self.alive, label=f"run {number}")
        self.started_at = time.time()
        self.proc = sandbox.procs.start(f"yacht.{number}", [sandbox.yacht, "--transcript", self.path, *args],
                                        env, user=user, log=self.output)

    def alive(self):
        return self.proc.poll() is None

    # Shorthands for the transcript's own waits.
    def expect(self, text, kind="say", timeout=30.0):
        __tracebackhide__ = True
        return self.transcript.expect(text, kind, timeout)

    def wait_for(self, text, kind=None, timeout=30.0):
        __tracebackhide__ = True
        return self.transcript.wait_for(text, kind, timeout)

    def find_window(self, timeout=20):
        """Waits for the game's visible window and gives it the keyboard."""
        __tracebackhide__ = True
        result = quick(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.proc.pid)],
                       self.env, timeout)
        ids = result.stdout.split()
        if not ids:
            self.fail(f"the game's window did not appear within {timeout} s")
        self.window = ids[0]
        self.focus()
        return self.window

    def focus(self):
        """Has the window manager raise and focus the window, and checks that it has the keyboard
        (without a window manager, sets the focus directly)."""
        __tracebackhide__ = True
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            quick(["xdotool", "windowactivate", "--sync", self.window], self.env, 5)
            if quick(["xdotool", "getwindowfocus"], self.env).stdout.strip() == self.window:
                return
            quick(["xdotool", "windowfocus", "--sync", self.window], self.env, 5)
            if quick(["xdotool", "getwindowfocus"], self.env).stdout.strip() == self.window:
                return
            time.sleep(0.1)
        self.fail("the game's window did not take the keyboard")

    def press(self, *keys, gap_ms=None):
        """Presses keys on the window, by xdotool's names (space, Return, Down, F1, shift+F1, 3).
        Several keys are spaced wider than the game's tick unless a gap is given."""
        __tracebackhide__ = True
        if not self.alive():
            self.fail(f"the game is no longer running (keys: {' '.join(keys)})")
        if self.window is None:
            self.fail("keys need the game's window: start it with window=True on a display")
        delay = gap_ms if gap_ms is not None else (KEY_GAP_MS if len(keys) > 1 else 12)
        self.sandbox.note(f"run {self.number} after line {len(self.transcript.lines)}: {' '.join(keys)}")
        # With the window holding the keyboard the keys go through the X server as typed keys;
        # otherwise they are sent to the window.
        focused = quick(["xdotool", "getwindowfocus"], self.env).stdout.strip() == self.window
        target = [] if focused else ["--window", self.window]
        result = quick(["xdotool", "key", *target, "--delay", str(delay), *keys],
                       self.env, 30 + len(keys) * delay / 1000)
        # A key that ends the game (F12) may close the window before the key is released: no
        # failure if the game then leaves, and what it said before it left is checked by the
        # next wait.
        if result.returncode != 0:
            try:
                self.proc.wait(1)
                return
            except subprocess.TimeoutExpired:
                pass
            # The window found may have been replaced by another of the game's: find it again.
            self.find_window()
            result = quick(["xdotool", "key", "--window", self.window, "--delay", str(delay), *keys],
                           self.env, 30 + len(keys) * delay / 1000)
            if result.returncode != 0 and self.alive():
                self.fail(f"xdotool could not press {' '.join(keys)}: {result.stderr.strip()}")

    def wait_exit(self, timeout=15.0):
        """Waits for the game to end by itself; returns its exit status."""
        __tracebackhide__ = True
        try:
            self.returncode = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self.fail(f"the game did not end within {timeout:g} s")
        return self.returncode

    def stop(self):
        """Ends the game from outside, as closing its window would."""
        self.returncode = self.sandbox.procs.stop(self.proc, grace=5)
        return self.returncode

    def fail(self, message):
        __tracebackhide__ = True
        raise GameError(f"{message}\n{self.report()}")

    def report(self):
        return (f"--- run {self.number}'s transcript, last lines ('>' marks those consumed):\n"
                f"{self.transcript.tail()}\n{tail_of(self.output)}")


def _ids(user):
    import pwd
    entry = pwd.getpwnam(user) if isinstance(user, str) else pwd.getpwuid(user)
    return entry.pw_uid, entry.pw_gid


class Launcher:
    """Starts runs of the game in the play's private environment."""

    def __init__(self, sandbox):
        self.sandbox = sandbox
        self.runs = []

    def start(self, *args, seed=7, window=True, env=None, user=None):
        """Starts the game with its transcript and `--seed SEED` (None: no seed) and extra
        arguments; with window=True (the default) on the play's X display, its window found and
        focused; otherwise offscreen. `env` adds to or (with None values) removes from the
        play's environment; `user` runs it as another user (a name or an id)."""
        run_env = dict(self.sandbox.env)
        if window:
            if "DISPLAY" not in run_env:
                raise GameError("a windowed game needs the `display` fixture")
            run_env["QT_QPA_PLATFORM"] = "xcb"
        else:
            run_env["QT_QPA_PLATFORM"] = "offscreen"
            run_env.pop("DISPLAY", None)
        for key, value in (env or {}).items():
            if value is None:
                run_env.pop(key, None)
            else:
                run_env[key] = str(value)
        if seed is not None:
            args = ("--seed", str(seed), *args)
        run = Run(self.sandbox, len(self.runs) + 1, args, run_env, user)
        self.runs.append(run)
        if window:
            run.find_window()
        return run

    @property
    def last(self):
        return self.runs[-1] if self.runs else None


GREETING_RE = re.compile(r"^Yacht, from Tevrin Software\.")
