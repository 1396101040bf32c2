#!/usr/bin/env python3
"""Prints, in one run, the terminal game's figures beside the window's, as a Markdown table:

- key press to the line printed (terminal, in tmux: `tmux send-keys`, the pane's output read as
  it comes through `tmux pipe-pane`) and key press to the text handed to the voice (window, on a
  private X server: `xdotool key`, the transcript read as it grows); both start a process for the
  key, so they compare;
- key press to the first audible sample through speech-dispatcher with espeak-ng, both;
- start to the greeting (terminal: the first byte on its terminal; window: the greeting's
  transcript line), and resident memory 3 s after start, both with the voice silent.

Everything runs privately (a PulseAudio with the null sink `yacht`, whose monitor is read as it
plays; speech-dispatcher; Xvfb for the window; a tmux server of its own).

Every start goes through `yacht`, which becomes the window's or the terminal game's executable;
the terminal game's executable started on its own is measured beside them, in the same turns.
With --before OTHER-BUILD, the start and memory figures of another build's terminal game and
window are measured in the same run, in turns with this build's; --start-only leaves out the keys;
--runs N starts each N times (5 without it).

Usage: scripts/terminal_figures.py [build-dir] [keys] [--before OTHER-BUILD] [--start-only] [--runs N]
"""
import os
import pty
import random
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import figures  # noqa: E402
from session_figures import Session, need, print_table, timing_rows  # noqa: E402


def arguments(argv):
    """The positional arguments, the build named by --before (None without it) and --runs."""
    plain, before, runs, rest = [], None, 5, iter(argv)
    for a in rest:
        if a == "--before":
            before = os.path.abspath(next(rest))
        elif a == "--runs":
            runs = int(next(rest))
        elif not a.startswith("--"):
            plain.append(a)
    return plain, before, runs


ARGS, BEFORE, RUNS = arguments(sys.argv[1:])
START_ONLY = "--start-only" in sys.argv[1:]
BUILD = os.path.abspath(ARGS[0] if ARGS else "build")
YACHT = os.path.join(BUILD, "yacht")
KEYS = int(ARGS[1]) if len(ARGS) > 1 else 40


def grown(path, size, timeout=3.0):
    """The time the file first grows past `size` bytes, polled every half millisecond."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            if os.path.getsize(path) > size:
                return time.monotonic()
        except OSError:
            pass
        time.sleep(0.0005)
    return None


def size_of(path):
    try:
        return os.path.getsize(path)
    except OSError:
        return 0


def time_keys(press, output, monitor):
    """Down and Up at random moments while choosing the players, each answered by a short count:
    key press to `output` growing, and to the first audible sample."""
    shown, heard = [], []
    for i in range(KEYS):
        time.sleep(random.uniform(0.2, 0.5))
        before = size_of(output)
        start = time.monotonic()
        press("Down" if i % 6 < 3 else "Up")
        line = grown(output, before)
        if line is not None:
            shown.append((line - start) * 1000)
        loud = monitor.first_loud_after(start)
        if loud is not None:
            heard.append((loud - start) * 1000)
        monitor.quiet_for(0.6)
    return shown, heard


def terminal_env(env):
    tenv = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    tenv["TERM"] = "xterm-256color"
    return tenv


def terminal_keys(env, monitor, root):
    """The keys in tmux: key to line printed and to first audible sample."""
    sock = os.path.join(root, "tmux.sock")
    out = os.path.join(root, "pane.out")
    tenv = terminal_env(env)
    tmux = ["tmux", "-S", sock, "-f", "/dev/null"]
    subprocess.run(tmux + ["new-session", "-d", "-x", "200", "-y", "50",
                           f"{YACHT} --seed 7 --speech-engine speechd"], env=tenv, check=True, timeout=10)
    subprocess.run(tmux + ["pipe-pane", "-o", f"cat >> {out}"], env=tenv, check=True, timeout=10)
    try:
        time.sleep(4)  # the greeting and the voice list
        subprocess.run(tmux + ["send-keys", "F9"], env=tenv, timeout=10)
        monitor.quiet_for(0.5)
        return time_keys(lambda key: subprocess.run(tmux + ["send-keys", key], env=tenv, timeout=10),
                         out, monitor)
    finally:
        subprocess.run(tmux + ["kill-server"], env=tenv, timeout=10, stderr=subprocess.DEVNULL)


def window_keys(xenv, monitor, root):
    """The same keys to the window: key to the text handed to the voice, and to first audible sample."""
    transcript = os.path.join(root, "window.txt")
    proc = subprocess.Popen([YACHT, "--transcript", transcript, "--seed", "7", "--speech-engine", "speechd"],
                            env=xenv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        figures.wait_lines(transcript, 1, 30)
        win = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(proc.pid)],
                             env=xenv, capture_output=True, text=True, timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", win], env=xenv,
                       stderr=subprocess.DEVNULL, timeout=10)
        time.sleep(4)
        subprocess.run(["xdotool", "key", "--window", win, "F9"], env=xenv, timeout=10)
        monitor.quiet_for(0.5)
        return time_keys(lambda key: subprocess.run(["xdotool", "key", "--window", win, key], env=xenv, timeout=10),
                         transcript, monitor)
    finally:
        figures.stop(proc)


def memory(pid):
    """VmRSS and RssAnon (the process's own pages, not the shared libraries'), in MB."""
    fields = {}
    for line in open(f"/proc/{pid}/status"):
        key, _, value = line.partition(":")
        if key in ("VmRSS", "RssAnon"):
            fields[key] = int(value.split()[0]) / 1024
    return fields["VmRSS"], fields["RssAnon"]


def terminal_start(yacht, env):
    """Start to the greeting's first byte on the game's terminal, and the memory 3 s after start."""
    master, slave = pty.openpty()
    start = time.monotonic()
    proc = subprocess.Popen([yacht, "--seed", "7", "--speech-engine", "none"], env=terminal_env(env),
                            stdin=slave, stdout=slave, stderr=slave, start_new_session=True)
    os.close(slave)
    os.read(master, 1)
    took = (time.monotonic() - start) * 1000
    time.sleep(3)
    rss = memory(proc.pid)
    figures.stop(proc)
    os.close(master)
    return took, rss


def window_start(yacht, xenv, transcript):
    """Start to the greeting's transcript line, and the memory 3 s after start."""
    start = time.monotonic()
    proc = subprocess.Popen([yacht, "--transcript", transcript, "--seed", "7", "--speech-engine", "none"],
                            env=xenv, stdout=subprocess.DEVNULL, stderr=open(transcript + ".log", "w"))
    try:
        took = (figures.wait_lines(transcript, 1, 30) - start) * 1000
    except RuntimeError:
        sys.exit(f"terminal_figures: the window on {xenv.get('DISPLAY')} did not greet: " +
                 open(transcript + ".log").read()[-500:])
    time.sleep(3)
    rss = memory(proc.pid)
    figures.stop(proc)
    return took, rss


def start_rows(builds, env, xenv, root, runs):
    """The start and memory rows of each build's terminal game and window, and of this build's
    terminal game's executable started on its own, measured in turns."""
    measured = {(label, kind): [] for label, _ in builds for kind in ("terminal", "window")}
    direct = ("this build's yacht-terminal on its own", "terminal")
    measured[direct] = []
    for n in range(runs):
        for b, (label, yacht) in enumerate(builds):
            measured[(label, "terminal")].append(terminal_start(yacht, env))
            measured[(label, "window")].append(window_start(yacht, xenv, os.path.join(root, f"start-{n}-{b}.txt")))
        measured[direct].append(terminal_start(os.path.join(BUILD, "yacht-terminal"), env))
    rows = []
    for (label, kind), samples in measured.items():
        where = "first byte on its terminal" if kind == "terminal" else "transcript line, on Xvfb"
        rows.append((f"Start to greeting, {kind} ({where}), {label}, median of {runs}",
                     f"{statistics.median(t for t, _ in samples):.0f} ms"))
        rows.append((f"Resident memory 3 s after start, {kind}, {label}, median of {runs} (own pages, RssAnon)",
                     f"{statistics.median(r for _, (r, _) in samples):.1f} MB "
                     f"({statistics.median(a for _, (_, a) in samples):.1f} MB)"))
    return rows


def main():
    need("terminal_figures", ("tmux", "Xvfb", "xdotool", "pulseaudio", "parec", "speech-dispatcher", "spd-say"))
    builds = [("this build", YACHT)]
    if BEFORE:
        builds.append((os.path.basename(os.path.dirname(BEFORE)) + "/" + os.path.basename(BEFORE),
                       os.path.join(BEFORE, "yacht")))
    rows = []
    with Session("yacht-terminal-") as session:
        xenv = session.start_x()
        rows += start_rows(builds, session.env, xenv, session.root, RUNS)
        if not START_ONLY:
            handed, w_heard = window_keys(xenv, session.monitor, session.root)
            printed, t_heard = terminal_keys(session.env, session.monitor, session.root)
            for name, s in (("terminal, key to line printed", printed),
                            ("window, key to text handed to the voice", handed),
                            ("terminal, key to first audible sample", t_heard),
                            ("window, key to first audible sample", w_heard)):
                rows += timing_rows(name, s)
    print_table(rows)


if __name__ == "__main__":
    main()
