"""One play's private world: its folders, the environment every process it starts gets, the
processes themselves and their logs. Nothing of the user's (home, settings, sound or speech
server, session bus, display) is seen or touched.
"""
import os
import shutil
import tempfile
import time

from .processes import Processes, process_name
from .servers import start_session_bus

# What is kept of the environment the tests were started in; everything else is dropped, so a
# desktop's DISPLAY, session bus, sound server or speech server cannot leak in.
KEPT = ("PATH", "LANG", "LANGUAGE", "LC_ALL", "LC_CTYPE", "TZ", "USER", "LOGNAME", "TERM")

# The servers a silent game must not start or have started for it, by process name.
SERVER_NAMES = ("speech-dispatcher", "sd_espeak-ng", "sd_espeak", "sd_dummy", "sd_generic",
                "pulseaudio", "pipewire", "pipewire-pulse", "wireplumber")


class Sandbox:
    """Private home, runtime, temporary, config, data, cache and state folders under one work
    folder, removed at the end; `env` is the environment for everything the play starts."""

    def __init__(self, yacht, keep=False):
        self.yacht = yacht
        self.keep = keep
        self.work = tempfile.mkdtemp(prefix="yacht-e2e.", dir="/tmp")
        os.chmod(self.work, 0o755)
        self.logs = self._dir("logs")
        self.home = self._dir("home")
        self.run = self._dir("run", 0o700)
        self.tmp = self._dir("tmp")
        self.config = self._dir("config")
        self.data = self._dir("data")
        self.cache = self._dir("cache")
        self.state = self._dir("state")
        self.procs = Processes(self.work, self.logs)
        self.env = {k: os.environ[k] for k in KEPT if k in os.environ}
        self.env.setdefault("PATH", "/usr/local/bin:/usr/bin:/bin")
        self.env.update(HOME=self.home, XDG_RUNTIME_DIR=self.run, TMPDIR=self.tmp,
                        XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data,
                        XDG_CACHE_HOME=self.cache, XDG_STATE_HOME=self.state)
        # No sound server may start behind the play's back: only one it starts itself counts.
        os.makedirs(os.path.join(self.config, "pulse"))
        with open(os.path.join(self.config, "pulse", "client.conf"), "w") as f:
            f.write("autospawn = no\n")
        self.started_at = time.monotonic()
        self._notes = open(os.path.join(self.logs, "keys.log"), "a")

    def _dir(self, name, mode=0o755):
        path = os.path.join(self.work, name)
        os.mkdir(path)
        os.chmod(path, mode)
        return path

    def start_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(self.procs, self.env, self.run)

    def note(self, text):
        self._notes.write(f"{time.monotonic() - self.started_at:9.3f} {text}\n")
        self._notes.flush()

    def servers_running(self):
        """The speech and sound servers this play's processes started, as 'name (pid)'."""
        return [f"{process_name(pid)} ({pid})" for pid in self.procs.marked()
                if process_name(pid) in SERVER_NAMES]

    def elapsed(self):
        return time.monotonic() - self.started_at

    def close(self):
        """Stops every process the play started, then removes its folders."""
        self._notes.close()
        left = self.procs.stop_all()
        if self.keep:
            print(f"kept: {self.work}")
        else:
            shutil.rmtree(self.work, ignore_errors=True)
        return left
