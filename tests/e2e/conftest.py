"""Fixtures for playing the real game end to end, each play in a private world of its own.

Run: `pytest-3 tests/e2e [-k NAME] [--yacht build/yacht] [--keep]` (or `ctest -L e2e`).

Fixtures (ask for them as test arguments):
- `sandbox`: private folders and a private session bus, always. Paths: `sandbox.home`, `.run`
  (XDG_RUNTIME_DIR: the single-copy lock), `.tmp` (TMPDIR), `.config`, `.data`, `.cache`,
  `.state`, `.work` (all of them), `.logs` (every server's output). `sandbox.env` is the
  environment every process gets (nothing of the caller's desktop: no DISPLAY, no user's bus,
  sound or speech server). `sandbox.procs.start(name, argv, env)` starts anything else, stopped
  by its id at the end; `sandbox.servers_running()` lists speech or sound servers started.
- `display`: Xvfb (1280 x 1024) with openbox; sets DISPLAY. `display.number`.
- `sound_server`: a private PulseAudio (or PipeWire with its pulse layer) whose default sink is
  the null sink `yacht`; `sound_server.record(path)` starts a recorder (`.stop()`,
  `.started_at`); `sound_server.stop()` kills it. PulseAudio where its daemon is installed,
  else PipeWire (YACHT_E2E_SOUND_SERVER=pipewire|pulseaudio chooses); tests using it are
  skipped, with the reason printed, where neither is installed.
- `speech_server`: a private speech-dispatcher with espeak-ng into that sound server; call
  `speech_server.configure(normal_rate=..., max_rate=...)` before `speech_server.start()`
  (it is not started by the fixture: a test may instead let the game start it). `.pid`, `.kill()`.
- `screen_reader`: an accessibility bus and Orca on its own defaults, speaking through the
  play's speech server (started by the fixture); `.has(kind, text)` waits for its debug log
  to show a SPEECH OUTPUT or BRAILLE LINE, `.spoken()`, `.brailled()`, `.log`, `.speech_log`,
  `.stop()` (Orca writes out the rest of its log as it ends). Skipped without Orca.
- `game`: `run = game.start(*args, seed=7, window=True, env={...}, user=None)` starts the game
  with `--transcript` and `--seed`; `window=True` needs `display` and waits for the window and
  gives it the keyboard; `window=False` runs offscreen. `env` adds variables (None removes one);
  `user="nobody"` runs it as that user (make the folders it writes its own).
  `run.press("F9")`, `run.press("Down", "Down", "Return")` (xdotool key names, spaced over the
  game's tick); `run.expect(text_or_regex, kind="say", timeout=30)` checks the NEXT transcript
  line (a string must equal the text; a `re.compile` pattern is searched; kind "say" is either
  say-async or say-sync, None any); `run.wait_for(...)` passes over other lines;
  `run.transcript.expect_no_more()`; `run.wait_exit(timeout)` returns the exit status;
  `run.stop()`. `game.runs` lists every run of the test.
On failure the transcript's last lines (those consumed marked), the game's output and the
servers' logs are shown. Every process is stopped and every folder removed at the end, on
failure and on Ctrl+C too (`--keep` keeps the folders). A run whose plays were all skipped
ends with status 77 (CTest: skipped). `sandbox.note(text)` adds to logs/keys.log.
"""
import os
import signal

import pytest

from harness.game import Launcher
from harness.processes import become_reaper
from harness.sandbox import Sandbox
from harness.screen_reader import ScreenReader
from harness.servers import SoundServer, SpeechServer, start_window_manager, start_x, tail_of

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
# No play runs longer than this (seconds); past it the play fails and its teardown still runs.
PLAY_LIMIT_S = int(os.environ.get("YACHT_E2E_LIMIT", "1500"))


def pytest_addoption(parser):
    parser.addoption("--yacht", default=os.environ.get("YACHT", os.path.join(SOURCE, "build", "yacht")),
                     help="the game under test (default: build/yacht)")
    parser.addoption("--keep", action="store_true", help="keep each play's private folders")
    parser.addoption("--screenshot", help="where the screenshot play saves its picture")


def pytest_configure(config):
    become_reaper()

    # A terminated test run (a time-out of the caller's) unwinds like Ctrl+C, so every fixture
    # still stops what it started.
    def interrupted(signum, frame):
        raise KeyboardInterrupt(f"signal {signum}")
    signal.signal(signal.SIGTERM, interrupted)
    signal.signal(signal.SIGINT, signal.default_int_handler)  # even when started ignoring it


@pytest.fixture
def source_dir():
    """The source tree: resources, help pages, scripts."""
    return SOURCE


@pytest.fixture
def sandbox(request):
    yacht = os.path.realpath(request.config.getoption("--yacht"))
    if not os.access(yacht, os.X_OK):
        pytest.fail(f"no game at {yacht} (build it with scripts/build.sh, or pass --yacht)")
    box = Sandbox(yacht, keep=request.config.getoption("--keep"))

    def too_long(signum, frame):
        pytest.fail(f"the play ran past {PLAY_LIMIT_S} s")
    previous = signal.signal(signal.SIGALRM, too_long)
    signal.alarm(PLAY_LIMIT_S)
    try:
        box.start_bus()
        yield box
    finally:
        signal.alarm(0)
        signal.signal(signal.SIGALRM, previous)
        box.close()


@pytest.fixture
def display(sandbox):
    """A private X server with a window manager."""
    need("Xvfb", "xdotool", "xprop", "openbox")
    number = start_x(sandbox.procs, sandbox.env)
    sandbox.env["DISPLAY"] = number
    start_window_manager(sandbox.procs, sandbox.env)
    return Display(number)


class Display:
    """The play's X display."""

    def __init__(self, number):
        self.number = number


@pytest.fixture
def sound_server(sandbox):
    why = SoundServer.unavailable()
    if why:
        pytest.skip(f"no private sound server: {why}")
    return SoundServer(sandbox.procs, sandbox.env, sandbox.logs).start()


@pytest.fixture
def speech_server(sandbox, sound_server):
    why = SpeechServer.unavailable()
    if why:
        pytest.skip(why)
    return SpeechServer(sandbox.procs, sandbox.env, sandbox.config, sandbox.run)


@pytest.fixture
def screen_reader(sandbox, display, speech_server):
    why = ScreenReader.unavailable()
    if why:
        pytest.skip(why)
    speech_server.configure().start()
    return ScreenReader(sandbox.procs, sandbox.env, sandbox.logs, speech_server.log).start()


@pytest.fixture
def game(sandbox):
    return Launcher(sandbox)


def need(*tools):
    """Skips the play, saying why, when a tool it cannot do without is not installed."""
    import shutil
    missing = [t for t in tools if not shutil.which(t)]
    if missing:
        pytest.skip(f"not installed: {' '.join(missing)} (scripts/setup.sh test installs them)")


def pytest_sessionfinish(session, exitstatus):
    """A run in which every play was skipped ends with status 77, which CTest reports as skipped
    rather than passed; pytest's own status 5 (nothing collected) stays a failure."""
    reporter = session.config.pluginmanager.get_plugin("terminalreporter")
    stats = reporter.stats if reporter else {}
    if exitstatus == 0 and stats.get("skipped") and not stats.get("passed"):
        session.exitstatus = 77


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    """On failure, the end of every run's transcript and output, and the servers' logs."""
    outcome = yield
    report = outcome.get_result()
    if not report.failed:
        return
    box = item.funcargs.get("sandbox") if hasattr(item, "funcargs") else None
    launcher = item.funcargs.get("game") if hasattr(item, "funcargs") else None
    if launcher is not None:
        for run in launcher.runs:
            report.sections.append((f"run {run.number} of the game", run.report()))
    if box is not None:
        logs = sorted(f for f in os.listdir(box.logs) if not f.startswith("yacht."))
        text = "\n".join(tail_of(os.path.join(box.logs, f)) for f in logs)
        speech = os.path.join(box.run, "speech-dispatcher", "log", "speech-dispatcher.log")
        if os.path.exists(speech):
            text += "\n" + tail_of(speech, skip="LINE here")
        report.sections.append(("servers' logs", text))
