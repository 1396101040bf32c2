"""What the figures scripts that listen to the game share: a private session (its own folders,
a PulseAudio with the null sink `yacht`, speech-dispatcher, and an X server when asked for), the
sink's monitor read as it plays, and the table the figures are printed in.

Used by latency_figures.py and terminal_figures.py."""
import array
import os
import shutil
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import figures  # noqa: E402  (private folders, waits, the sound server, stopping processes)

RATE = 16000
LOUD = 300  # a sample above this (of 32767) is audible speech; the null sink is silent otherwise


class Monitor:
    """Reads the sink's monitor as it plays; each block is stamped with the time it arrived, so a
    loud sample's time is the block's arrival less the samples after it."""

    def __init__(self, env):
        self.proc = subprocess.Popen(
            ["parec", "--device=yacht.monitor", f"--rate={RATE}", "--channels=1",
             "--format=s16le", "--latency-msec=5"], env=env, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL)
        self.blocks = []  # (arrival time, samples)
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        fd = self.proc.stdout.fileno()
        while True:
            data = os.read(fd, 640)
            if not data:
                return
            now = time.monotonic()
            samples = array.array("h", data[: len(data) // 2 * 2])
            with self.lock:
                self.blocks.append((now, samples))

    def loud_times(self, since):
        """The times of the audible samples in the blocks that arrived after `since`."""
        with self.lock:
            blocks = [b for b in self.blocks if b[0] > since]
        return [arrived - (len(samples) - i) / RATE
                for arrived, samples in blocks for i, s in enumerate(samples) if abs(s) > LOUD]

    def first_loud_after(self, start, timeout=3.0):
        """The time of the first audible sample after `start`, or None when there is none, or
        when something was still audible just before `start` (the sample is then not fair)."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            times = self.loud_times(start - 0.5)
            if any(start - 0.3 <= t < start for t in times):
                return None
            after = [t for t in times if t >= start]
            if after:
                return min(after)
            time.sleep(0.01)
        return None

    def quiet_for(self, seconds, timeout=15.0):
        """Waits until nothing audible has played for `seconds`."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            since = time.monotonic() - seconds
            with self.lock:
                recent = [s for t, s in self.blocks if t > since]
            if recent and all(abs(x) <= LOUD for s in recent for x in s):
                return
            time.sleep(0.05)

    def stop(self):
        figures.stop(self.proc)


def percentile(samples, p):
    s = sorted(samples)
    return s[max(0, int(round(len(s) * p)) - 1)]


def timing_rows(name, samples):
    """The median and 95th percentile rows of a list of milliseconds; none for an empty list."""
    if not samples:
        return []
    return [(f"{name}, median of {len(samples)}", f"{statistics.median(samples):.0f} ms"),
            (f"{name}, 95th percentile", f"{percentile(samples, 0.95):.0f} ms")]


def need(script, tools):
    for tool in tools:
        if not shutil.which(tool):
            sys.exit(f"{script}: {tool} is not installed")


class Session:
    """The private session, started on entering and stopped on leaving, however the run ends:
    `env` for the game, `monitor` on the sink, `xenv` once `start_x()` has been called."""

    def __init__(self, prefix, keep=False):
        self.root = figures.tempfile.mkdtemp(prefix=prefix)
        self.env = figures.private_env(self.root)
        self.keep = keep
        self.xvfb = None
        self.xenv = None

    def __enter__(self):
        figures.start_sound_server(self.env)
        self.monitor = Monitor(self.env)
        # The speech server is started once, by spd-say, and every measurement uses it.
        subprocess.run(["spd-say", "-w", "ready"], env=self.env, timeout=30)
        return self

    def start_x(self):
        self.xvfb, self.xenv = figures.start_x(self.env)
        return self.xenv

    def __exit__(self, *_):
        self.monitor.stop()
        figures.kill_speechd(self.env)
        subprocess.run(["pulseaudio", "--kill"], env=self.env, stderr=subprocess.DEVNULL)
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        if self.keep:
            print(f"note: the logs are kept in {self.root}", file=sys.stderr)
        else:
            shutil.rmtree(self.root, ignore_errors=True)
        return False


def print_table(rows):
    print("| Figure | Value |\n|---|---|")
    for name, value in rows:
        print(f"| {name} | {value} |")
