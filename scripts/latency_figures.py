#!/usr/bin/env python3
"""Prints, in one run, how fast a key is heard and what an idle game costs, as a Markdown table:

- key press to the first audible sample of the answer, for the game with speech-dispatcher and
  espeak-ng, against the same words handed to the same speech-dispatcher by `spd-say`, both
  started the same way (a process spawned: xdotool for the game's key, spd-say for the bare
  stack); keys land at random moments, not in step with anything the game says;
- the idle game's processor share from /proc/PID/task/*/schedstat (nanoseconds on a processor,
  every thread), choosing the players with the voice silent;
- in screen-reader mode, for an arrow key (which Orca does not echo) and for F4 (which it does),
  as many keys of each as asked for, at random moments, whatever the game is saying: key press
  to Orca's own key event (its key echo), to Orca handing the game's answer to speech-dispatcher
  (by the time stamps of Orca's debug log), and to the answer's first audible sample on the
  sink's monitor, told apart from the echo by coming after Orca handed the answer over (and
  after a moment of silence).

Everything runs privately: an X server, a PulseAudio with the null sink `yacht` whose monitor is
read as it plays, a speech-dispatcher started for the run in a private runtime folder, and for
the screen-reader figures a session bus, an accessibility bus and Orca of the run's own.

Usage: scripts/latency_figures.py [build-dir] [keys] [--screen-reader]   (needs Xvfb, xdotool,
pulseaudio, speech-dispatcher with espeak-ng; orca and at-spi2-core for the screen-reader rows;
--screen-reader prints only those)
"""
import array
import datetime
import os
import re
import random
import shutil
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import figures  # noqa: E402  (private folders, waits, the sound server, stopping processes)

ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
ONLY_SCREEN_READER = "--screen-reader" in sys.argv[1:]
BUILD = os.path.abspath(ARGS[0] if ARGS else "build")
YACHT = os.path.join(BUILD, "yacht")
KEYS = int(ARGS[1]) if len(ARGS) > 1 else 40
AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
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


def start_x(env):
    rfd, wfd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[wfd], stderr=subprocess.DEVNULL)
    os.close(wfd)
    display = ":" + os.read(rfd, 16).decode().strip()
    os.close(rfd)
    return xvfb, dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb")


def cpu_ns(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            total += int(open(f"/proc/{pid}/task/{task}/schedstat").read().split()[0])
        except (OSError, ValueError):
            pass
    return total


def idle_share(pid, seconds=30):
    c0, t0 = cpu_ns(pid), time.monotonic()
    time.sleep(seconds)
    return (cpu_ns(pid) - c0) / ((time.monotonic() - t0) * 1e9) * 100


def percentile(samples, p):
    s = sorted(samples)
    return s[max(0, int(round(len(s) * p)) - 1)]


def game_keys(xenv, monitor, transcript):
    """Chooses players with Down and Up: each key says "N players", short and always different."""
    def launch(path):
        return subprocess.Popen([YACHT, "--transcript", path, "--seed", "7", "--speech-engine",
                                 "speechd"], env=xenv, stdout=subprocess.DEVNULL,
                                stderr=open(path + ".log", "w"))
    proc = launch(transcript)
    samples = []
    try:
        try:
            figures.wait_lines(transcript, 1, 30)
        except RuntimeError:
            # Say so rather than hide it: a start that does not greet is a fault worth chasing.
            print("warning: no greeting within 30 s; started again. Its output:\n" +
                  open(transcript + ".log").read()[-2000:], file=sys.stderr)
            os.system(f"gdb -p {proc.pid} -batch -ex 'thread apply all bt 12' 2>/dev/null | grep '^#' >&2")
            figures.stop(proc)
            transcript += ".again"
            proc = launch(transcript)
            figures.wait_lines(transcript, 1, 30)
        win = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                              str(proc.pid)], env=xenv, capture_output=True, text=True,
                             timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", win], env=xenv,
                       stderr=subprocess.DEVNULL, timeout=10)
        time.sleep(4)  # the greeting and the voice list
        subprocess.run(["xdotool", "key", "--window", win, "F9"], env=xenv, timeout=10)
        monitor.quiet_for(0.5)
        for i in range(KEYS):
            time.sleep(random.uniform(0.2, 0.5))  # a random moment, not in step with anything
            start = time.monotonic()
            subprocess.run(["xdotool", "key", "--window", win, "Down" if i % 6 < 3 else "Up"],
                           env=xenv, timeout=10)
            heard = monitor.first_loud_after(start)
            if heard is not None:
                samples.append((heard - start) * 1000)
            monitor.quiet_for(0.6)
        time.sleep(3)
        share = idle_share(proc.pid)
    finally:
        figures.stop(proc)
    return samples, share


def bare_keys(env, monitor):
    samples = []
    for i in range(KEYS):
        time.sleep(random.uniform(0.2, 0.5))
        start = time.monotonic()
        subprocess.Popen(["spd-say", f"{2 + i % 3} players"], env=env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        heard = monitor.first_loud_after(start)
        if heard is not None:
            samples.append((heard - start) * 1000)
        monitor.quiet_for(0.6)
    return samples


def start_bus(env, root):
    """A session bus of the run's own; returns its process and address."""
    rfd, wfd = os.pipe()
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                            f"--address=unix:path={root}/bus", f"--print-address={wfd}"],
                           env=env, pass_fds=[wfd], stderr=subprocess.DEVNULL)
    os.close(wfd)
    address = os.read(rfd, 256).decode().strip()
    os.close(rfd)
    return bus, address


def orca_times(log, pattern):
    """The wall-clock times (seconds since the epoch) of the lines of Orca's debug log that match
    `pattern`; Orca stamps them with the local time of day only."""
    today = datetime.date.today()
    stamp = re.compile(r"^(\d\d):(\d\d):(\d\d)\.(\d{6}) - ")
    times = []
    for line in open(log, errors="replace"):
        m = stamp.match(line)
        if m and pattern.search(line):
            h, mi, sec, us = (int(x) for x in m.groups())
            times.append(datetime.datetime.combine(
                today, datetime.time(h, mi, sec, us)).timestamp())
    return times


def orca_key_times(log):
    """The times Orca received each key press (its KEYBOARD_EVENT blocks carry them)."""
    text = open(log, errors="replace").read()
    return [float(t) for t in re.findall(
        r"type=ATSPI_KEY_PRESSED_EVENT(?:\n[^\n]*){1,12}?\n\s*time=([0-9.]+)", text)]


def first_between(times, start, end):
    later = [t for t in times if start <= t < end]
    return min(later) if later else None


def first_onset(loud, start, end, quiet=0.015):
    """The first audible sample in [start, end) that follows at least `quiet` seconds of
    silence: the answer's own start, not the tail of the echo it cut still playing out."""
    before = None
    for t in loud:
        if t >= end:
            return None
        if t >= start and (before is None or t - before >= quiet):
            return t
        before = t
    return None


def orca_speaking(log):
    """(time, words) of every text Orca handed to speech-dispatcher, its marks taken out."""
    said = re.compile(r"SPEECH DISPATCHER: Speaking '<speak>(.*?)</speak>'")
    out = []
    for t, line in zip(orca_times(log, said), [l for l in open(log, errors="replace")
                                                 if said.search(l) and re.match(r"^\d\d:", l)]):
        out.append((t, re.sub(r"<[^>]*>", "", said.search(line).group(1)).strip()))
    return out


ECHOES = {"F4", "down", "up"}  # Orca's key echo of the keys pressed (arrows are not echoed)


def screen_reader_keys(env, xenv, root, monitor):
    """In screen-reader mode, for an arrow key (which Orca does not echo) and for F4 (which it
    does): key press to Orca's own key event, to Orca handing the game's answer to
    speech-dispatcher, and to the answer's first audible sample on the sink's monitor (the first
    sample after Orca handed the answer over that follows a moment of silence, so the tail of
    the echo it cut is not counted)."""
    bus, address = start_bus(env, root)
    senv = dict(xenv, DBUS_SESSION_BUS_ADDRESS=address, XDG_DATA_HOME=os.path.join(root, "data"),
                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    procs = []
    log = os.path.join(root, "orca-debug.log")
    presses = []  # (wall time, monotonic time, key)
    try:
        if shutil.which("openbox"):
            procs.append(subprocess.Popen(["openbox", "--sm-disable"], env=senv,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        procs.append(subprocess.Popen([AT_SPI_LAUNCHER, "--launch-immediately"], env=senv,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        orca = subprocess.Popen(["orca", "--debug-file", log], env=senv,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        procs.append(orca)
        time.sleep(8)  # Orca starts, says "Screen reader on" and listens
        transcript = os.path.join(env["TMPDIR"], "screen-reader.txt")
        game = subprocess.Popen([YACHT, "--transcript", transcript, "--seed", "7",
                                 "--speech-engine", "screen-reader"], env=senv,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        procs.append(game)
        win = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                              str(game.pid)], env=senv, capture_output=True, text=True,
                             timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", win], env=senv,
                       stderr=subprocess.DEVNULL, timeout=10)
        figures.wait_lines(transcript, 1, 30)  # the greeting, once the window is active
        time.sleep(6)  # the greeting is presented
        subprocess.run(["xdotool", "key", "--window", win, "F9"], env=senv, timeout=10)
        time.sleep(8)  # the choice of players is presented, to its end
        for key, gap in (("arrow", (1.0, 1.5)), ("F4", (1.5, 3.0))):
            for i in range(KEYS):
                # A random moment, whatever the game is saying: the key cuts it.
                time.sleep(random.uniform(*gap))
                name = ("Down" if i % 6 < 3 else "Up") if key == "arrow" else "F4"
                presses.append((time.time(), time.monotonic(), key))
                subprocess.run(["xdotool", "key", "--window", win, name], env=senv, timeout=10)
        time.sleep(3)
    finally:
        for proc in reversed(procs):
            figures.stop(proc)  # Orca writes out the rest of its log as it ends
        figures.stop(bus)
    speaking = orca_speaking(log)
    answers = [t for t, words in speaking if words not in ECHOES]
    echoed = orca_key_times(log)
    loud = monitor.loud_times(presses[0][1] - 1.0) if presses else []
    result = {k: {"echo": [], "handed": [], "heard": []} for k in ("arrow", "F4")}
    # Each key's figures come before the next key: an answer never presented does not borrow
    # the next key's.
    ends = [p[0] for p in presses[1:]] + [presses[-1][0] + 3.0]
    for (start, mono, key), end in zip(presses, ends):
        figures_ms = result[key]
        t = first_between(echoed, start, end)
        if t is not None:
            figures_ms["echo"].append((t - start) * 1000)
        handed = first_between(answers, start, end)
        if handed is None:
            continue
        figures_ms["handed"].append((handed - start) * 1000)
        heard = first_onset(loud, mono + (handed - start), mono + (end - start))
        if heard is not None:
            figures_ms["heard"].append((heard - mono) * 1000)
    return result


def main():
    for tool in ("Xvfb", "xdotool", "pulseaudio", "parec", "speech-dispatcher", "spd-say"):
        if not shutil.which(tool):
            sys.exit(f"latency_figures: {tool} is not installed")
    screen_reader = bool(shutil.which("orca")) and os.access(AT_SPI_LAUNCHER, os.X_OK) and \
        bool(shutil.which("dbus-daemon"))
    if ONLY_SCREEN_READER and not screen_reader:
        sys.exit("latency_figures: orca, at-spi2-core and dbus are needed for --screen-reader")
    root = figures.tempfile.mkdtemp(prefix="yacht-latency-")
    env = figures.private_env(root)
    figures.start_sound_server(env)
    monitor = Monitor(env)
    xvfb = None
    rows = []
    try:
        # The server is started once, by spd-say, and every measurement uses it.
        subprocess.run(["spd-say", "-w", "ready"], env=env, timeout=30)
        bare = [] if ONLY_SCREEN_READER else bare_keys(env, monitor)
        xvfb, xenv = start_x(env)
        if not ONLY_SCREEN_READER:
            game, share = game_keys(xenv, monitor, os.path.join(env["TMPDIR"], "keys.txt"))
            for name, s in (("game", game), ("spd-say", bare)):
                if s:
                    rows.append((f"Key press to first audible sample, {name}, median of {len(s)}",
                                 f"{statistics.median(s):.0f} ms"))
                    rows.append((f"Key press to first audible sample, {name}, 95th percentile",
                                 f"{percentile(s, 0.95):.0f} ms"))
            rows.append(("Idle processor share of the game choosing the players, voice silent, 30 s",
                         f"{share:.3f} % of a core"))
        if screen_reader:
            sr = screen_reader_keys(env, xenv, root, monitor)
            for key, label in (("arrow", "an arrow key (not echoed)"), ("F4", "F4 (echoed)")):
                for name, what in (("heard", "the answer's first audible sample"),
                                   ("handed", "Orca handing the answer to speech-dispatcher"),
                                   ("echo", "Orca's own key event")):
                    s = sr[key][name]
                    if s:
                        rows.append((f"Screen-reader mode, {label}, key press to {what}, median of {len(s)}",
                                     f"{statistics.median(s):.0f} ms"))
                        rows.append((f"Screen-reader mode, {label}, key press to {what}, 95th percentile",
                                     f"{percentile(s, 0.95):.0f} ms"))
        else:
            print("note: no screen-reader rows (orca, at-spi2-core or dbus missing)", file=sys.stderr)
    finally:
        monitor.stop()
        figures.kill_speechd(env)
        subprocess.run(["pulseaudio", "--kill"], env=env, stderr=subprocess.DEVNULL)
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(root, ignore_errors=True)
    print("| Figure | Value |\n|---|---|")
    for name, value in rows:
        print(f"| {name} | {value} |")


if __name__ == "__main__":
    main()
