"""The private servers a play runs the game against: a session bus, an X server with a window
manager, a sound server with a null sink and its recorder, and a speech server. Each is started
through the play's `Processes`, so it is stopped by its id when the play ends.
"""
import os
import select
import shutil
import subprocess
import time


class ServerError(RuntimeError):
    """A private server that would not start; the message carries the end of its log."""


def wait_until(check, timeout, what, log=None):
    """Calls check() every 50 ms until it is true; fails after the timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise ServerError(f"{what} within {timeout:g} s" + (f"\n{tail_of(log)}" if log else ""))
        time.sleep(0.05)


def tail_of(path, count=15):
    try:
        with open(path, errors="replace") as f:
            lines = f.read().splitlines()
    except OSError:
        return f"(no {path})"
    return f"--- {os.path.basename(path)}, last lines:\n" + "\n".join(lines[-count:])


def read_from_fd(fd, proc, timeout, what):
    """What a server writes on the given pipe once it is ready (a display number, an address)."""
    deadline = time.monotonic() + timeout
    data = b""
    try:
        while not data.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or proc.poll() is not None:
                raise ServerError(f"{what}: nothing came within {timeout:g} s\n{tail_of(proc.log)}")
            ready, _, _ = select.select([fd], [], [], min(left, 0.2))
            if ready:
                chunk = os.read(fd, 256)
                if not chunk:
                    raise ServerError(f"{what}: the server closed its pipe\n{tail_of(proc.log)}")
                data += chunk
    finally:
        os.close(fd)
    return data.decode().strip()


def quick(argv, env, timeout=10):
    """Runs a short command of the play's own (pactl, xdotool); never waits past the timeout."""
    try:
        return subprocess.run(argv, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                              text=True, timeout=timeout)
    except subprocess.TimeoutExpired as e:
        return subprocess.CompletedProcess(argv, -9, e.stdout or "", e.stderr or "")


def start_session_bus(procs, env, run_dir):
    """A session bus of the play's own, so that no library autolaunches one for the game."""
    read, write = os.pipe()
    proc = procs.start("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                f"--address=unix:path={run_dir}/bus", f"--print-address={write}"],
                       env, pass_fds=(write,))
    os.close(write)
    return read_from_fd(read, proc, 15, "the session bus")


def start_x(procs, env, size="1280x1024x24"):
    """A virtual X display on a free number, which the server picks and reports itself."""
    read, write = os.pipe()
    proc = procs.start("xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0", size,
                                "-nolisten", "tcp", "-noreset"], env, pass_fds=(write,))
    os.close(write)
    return ":" + read_from_fd(read, proc, 20, "the X server")


def start_window_manager(procs, env):
    """Openbox, as a desktop has some window manager; ready once it has claimed the screen."""
    proc = procs.start("openbox", ["openbox", "--sm-disable"], env)

    def claimed():
        if proc.poll() is not None:
            raise ServerError(f"the window manager ended\n{tail_of(proc.log)}")
        out = quick(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env).stdout
        return "window id" in out
    wait_until(claimed, 15, "the window manager did not claim the screen", proc.log)
    return proc


class SoundServer:
    """A private sound server whose default sink is a null sink named yacht, so that whatever
    the game and its speech server play can be recorded from yacht.monitor."""

    SINK = "yacht"

    def __init__(self, procs, env, logs):
        self.procs, self.env, self.logs = procs, env, logs
        self.kind = None
        self.procs_started = []

    @staticmethod
    def unavailable():
        """Why no private sound server can be had here, or None when one can."""
        if not shutil.which("pactl") or not shutil.which("parecord"):
            return "pactl and parecord (pulseaudio-utils) are not installed"
        if shutil.which("pulseaudio"):
            return None
        if all(shutil.which(t) for t in ("pipewire", "pipewire-pulse", "wireplumber")):
            return None
        return "neither PulseAudio's daemon nor PipeWire with its pulse layer is installed"

    def start(self):
        if shutil.which("pulseaudio"):
            self.kind = "PulseAudio"
            self.procs_started.append(self.procs.start(
                "pulseaudio", ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                               f"--load=module-null-sink sink_name={self.SINK}",
                               "--load=module-native-protocol-unix", "--log-target=stderr"],
                self.env))
        else:
            # PipeWire, as GNOME's desktops have it: the graph, its session manager and the
            # pulse layer, all under the private runtime folder.
            self.kind = "PipeWire"
            for name in ("pipewire", "wireplumber", "pipewire-pulse"):
                self.procs_started.append(self.procs.start(name, [name], self.env))
        wait_until(self._answers, 20, f"the private {self.kind} did not answer",
                   self.procs_started[0].log)
        if self.kind == "PipeWire":
            self.pactl("load-module", "module-null-sink", f"sink_name={self.SINK}")
            wait_until(lambda: self.SINK in self.pactl("list", "short", "sinks"), 10,
                       "the null sink did not appear")
        self.pactl("set-default-sink", self.SINK)
        return self

    def _answers(self):
        for proc in self.procs_started:
            if proc.poll() is not None:
                raise ServerError(f"{proc.name} ended at start\n{tail_of(proc.log)}")
        return quick(["pactl", "info"], self.env).returncode == 0

    def pactl(self, *args):
        result = quick(["pactl", *args], self.env)
        if result.returncode != 0:
            raise ServerError(f"pactl {' '.join(args)}: {result.stderr.strip()}")
        return result.stdout

    def stop(self):
        """Ends the sound server now, as a crash would take it away from the game."""
        for proc in reversed(self.procs_started):
            proc.kill()
            proc.wait(10)

    def record(self, path, rate=16000):
        """Starts recording the null sink's monitor to a mono 16-bit WAV file."""
        return Recording(self, path, rate).start()


class Recording:
    """The null sink's monitor being written to a WAV file. `started_at` is the time.time() of
    the file's first sample."""

    def __init__(self, server, path, rate):
        self.server, self.path, self.rate = server, path, rate
        self.proc = None
        self.started_at = None

    def start(self):
        s = self.server
        self.proc = s.procs.start("parecord", [
            "parecord", "--latency-msec=100", "-d", f"{s.SINK}.monitor", f"--rate={self.rate}",
            "--channels=1", "--format=s16le", "--file-format=wav", self.path], s.env)
        wait_until(lambda: self.proc.poll() is None and s.pactl("list", "short", "source-outputs"),
                   10, "the recorder did not connect", self.proc.log)
        # A fresh server sends the monitor's first samples a second or two after the recorder
        # has connected. The recording's time begins with its first sample: wait for samples to
        # arrive and reckon back from how many there are (after the 44-byte header).
        header, enough = 44, 44 + self.rate * 2 // 10

        def size():
            try:
                n = os.path.getsize(self.path)
            except OSError:
                return 0
            return n if n > enough else 0
        n = wait_until(size, 10, "the recorder receives no sound from the null sink", self.proc.log)
        self.started_at = time.time() - (n - header) / (self.rate * 2)
        return self

    def stop(self):
        """Ends the recording so that the recorder finishes the file."""
        if self.proc and self.proc.poll() is None:
            self.proc.send_signal(2)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(10)


class SpeechServer:
    """A private speech-dispatcher speaking with espeak-ng into the play's sound server. Its
    configuration is written as the user's own, which the server prefers to the system's."""

    MODULE = "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"

    def __init__(self, procs, env, config_home, run_dir):
        self.procs, self.env = procs, env
        self.config = os.path.join(config_home, "speech-dispatcher")
        self.dir = os.path.join(run_dir, "speech-dispatcher")
        self.socket = os.path.join(self.dir, "speechd.sock")
        self.log = os.path.join(self.dir, "log", "speech-dispatcher.log")
        self.proc = None

    @classmethod
    def unavailable(cls):
        if not shutil.which("speech-dispatcher"):
            return "speech-dispatcher is not installed"
        if not os.access(cls.MODULE, os.X_OK):
            return "the speech server has no espeak-ng module (speech-dispatcher-espeak-ng)"
        return None

    def configure(self, normal_rate=None, max_rate=None):
        """The server's own settings; the espeak-ng module's rates may be set (words a minute)."""
        os.makedirs(os.path.join(self.config, "modules"), exist_ok=True)
        with open(os.path.join(self.config, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "pulse"\nDefaultModule espeak-ng\nDefaultLanguage "en"\n'
                    'DefaultVolume 100\nLogLevel 3\n')
        system = "/etc/speech-dispatcher/modules/espeak-ng.conf"
        lines = open(system).read().splitlines() if os.path.exists(system) else []
        rates = {"EspeakNormalRate": normal_rate, "EspeakMaxRate": max_rate}
        out = [l for l in lines if l.split(" ", 1)[0] not in rates or rates[l.split(" ", 1)[0]] is None]
        out += [f"{k} {v}" for k, v in rates.items() if v is not None]
        with open(os.path.join(self.config, "modules", "espeak-ng.conf"), "w") as f:
            f.write("\n".join(out) + "\n")
        return self

    def start(self):
        """Runs the server in the foreground, never leaving for want of clients, on the socket
        where the game's speech library looks for it."""
        if not os.path.exists(os.path.join(self.config, "speechd.conf")):
            self.configure()
        self.proc = self.procs.start("speech-dispatcher", [
            "speech-dispatcher", "--run-single", "--timeout", "0",
            "--communication-method", "unix_socket", "--socket-path", self.socket], self.env)
        wait_until(lambda: self.proc.poll() is None and os.path.exists(self.socket), 20,
                   "the speech server did not open its socket", self.proc.log)
        return self

    @property
    def pid(self):
        return self.proc.pid

    def modules(self):
        """The ids of the speech server's module processes (the synthesiser's driver)."""
        from .processes import descendants
        return descendants(self.proc.pid) if self.proc else []

    def kill(self):
        """Kills the server and its modules at once, as a crash would."""
        modules = self.modules()
        self.proc.kill()
        self.proc.wait(10)
        for pid in modules:
            try:
                os.kill(pid, 9)
            except ProcessLookupError:
                pass
