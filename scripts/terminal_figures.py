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

Usage: scripts/terminal_figures.py [build-dir] [keys]
"""
import os
import pty
import random
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import figures  # noqa: E402
import latency_figures as lf  # noqa: E402

ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
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


def terminal_keys(env, monitor, root):
    """Down and Up choosing the players, in tmux: key to line printed and to first audible sample."""
    sock = os.path.join(root, "tmux.sock")
    out = os.path.join(root, "pane.out")
    tenv = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    tenv["TERM"] = "xterm-256color"
    tmux = ["tmux", "-S", sock, "-f", "/dev/null"]
    subprocess.run(tmux + ["new-session", "-d", "-x", "200", "-y", "50",
                           f"{YACHT} --seed 7 --speech-engine speechd"], env=tenv, check=True, timeout=10)
    subprocess.run(tmux + ["pipe-pane", "-o", f"cat >> {out}"], env=tenv, check=True, timeout=10)
    printed, heard = [], []
    try:
        time.sleep(4)  # the greeting and the voice list
        subprocess.run(tmux + ["send-keys", "F9"], env=tenv, timeout=10)
        monitor.quiet_for(0.5)
        for i in range(KEYS):
            time.sleep(random.uniform(0.2, 0.5))
            before = size_of(out)
            start = time.monotonic()
            subprocess.run(tmux + ["send-keys", "Down" if i % 6 < 3 else "Up"], env=tenv, timeout=10)
            line = grown(out, before)
            if line is not None:
                printed.append((line - start) * 1000)
            loud = monitor.first_loud_after(start)
            if loud is not None:
                heard.append((loud - start) * 1000)
            monitor.quiet_for(0.6)
    finally:
        subprocess.run(tmux + ["kill-server"], env=tenv, timeout=10, stderr=subprocess.DEVNULL)
    return printed, heard


def window_keys(xenv, monitor, root):
    """The same keys to the window: key to the text handed to the voice, and to first audible sample."""
    transcript = os.path.join(root, "window.txt")
    proc = subprocess.Popen([YACHT, "--transcript", transcript, "--seed", "7", "--speech-engine", "speechd"],
                            env=xenv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    handed, heard = [], []
    try:
        figures.wait_lines(transcript, 1, 30)
        win = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(proc.pid)],
                             env=xenv, capture_output=True, text=True, timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", win], env=xenv,
                       stderr=subprocess.DEVNULL, timeout=10)
        time.sleep(4)
        subprocess.run(["xdotool", "key", "--window", win, "F9"], env=xenv, timeout=10)
        monitor.quiet_for(0.5)
        for i in range(KEYS):
            time.sleep(random.uniform(0.2, 0.5))
            before = size_of(transcript)
            start = time.monotonic()
            subprocess.run(["xdotool", "key", "--window", win, "Down" if i % 6 < 3 else "Up"],
                           env=xenv, timeout=10)
            line = grown(transcript, before)
            if line is not None:
                handed.append((line - start) * 1000)
            loud = monitor.first_loud_after(start)
            if loud is not None:
                heard.append((loud - start) * 1000)
            monitor.quiet_for(0.6)
    finally:
        figures.stop(proc)
    return handed, heard


def memory(pid):
    """VmRSS and RssAnon (the process's own pages, not the shared libraries'), in MB."""
    fields = {}
    for line in open(f"/proc/{pid}/status"):
        key, _, value = line.partition(":")
        if key in ("VmRSS", "RssAnon"):
            fields[key] = int(value.split()[0]) / 1024
    return fields["VmRSS"], fields["RssAnon"]


def terminal_start(env, runs=5):
    """Start to the greeting's first byte on the game's terminal, and VmRSS 3 s after start."""
    times, rss = [], []
    tenv = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    tenv["TERM"] = "xterm-256color"
    for _ in range(runs):
        master, slave = pty.openpty()
        start = time.monotonic()
        proc = subprocess.Popen([YACHT, "--seed", "7", "--speech-engine", "none"], env=tenv,
                                stdin=slave, stdout=slave, stderr=slave, start_new_session=True)
        os.close(slave)
        os.read(master, 1)
        times.append((time.monotonic() - start) * 1000)
        time.sleep(3)
        rss.append(memory(proc.pid))
        figures.stop(proc)
        os.close(master)
    return statistics.median(times), rss


def window_start(xenv, root, runs=5):
    times, rss = [], []
    for n in range(runs):
        transcript = os.path.join(root, f"start{n}.txt")
        start = time.monotonic()
        proc = subprocess.Popen([YACHT, "--transcript", transcript, "--seed", "7", "--speech-engine", "none"],
                                env=xenv, stdout=subprocess.DEVNULL, stderr=open(transcript + ".log", "w"))
        try:
            times.append((figures.wait_lines(transcript, 1, 30) - start) * 1000)
        except RuntimeError:
            sys.exit(f"terminal_figures: the window on {xenv.get('DISPLAY')} did not greet: " +
                     open(transcript + ".log").read()[-500:])
        time.sleep(3)
        rss.append(memory(proc.pid))
        figures.stop(proc)
    return statistics.median(times), rss


def main():
    for tool in ("tmux", "Xvfb", "xdotool", "pulseaudio", "parec", "speech-dispatcher", "spd-say"):
        if not shutil.which(tool):
            sys.exit(f"terminal_figures: {tool} is not installed")
    root = figures.tempfile.mkdtemp(prefix="yacht-terminal-")
    env = figures.private_env(root)
    figures.start_sound_server(env)
    monitor = lf.Monitor(env)
    xvfb = None
    rows = []
    try:
        subprocess.run(["spd-say", "-w", "ready"], env=env, timeout=30)
        xvfb, xenv = lf.start_x(env)
        w_start, w_rss = window_start(xenv, root)
        handed, w_heard = window_keys(xenv, monitor, root)
        t_start, t_rss = terminal_start(env)
        printed, t_heard = terminal_keys(env, monitor, root)
        for name, s in (("terminal, key to line printed", printed),
                        ("window, key to text handed to the voice", handed),
                        ("terminal, key to first audible sample", t_heard),
                        ("window, key to first audible sample", w_heard)):
            if s:
                rows.append((f"{name}, median of {len(s)}", f"{statistics.median(s):.0f} ms"))
                rows.append((f"{name}, 95th percentile", f"{lf.percentile(s, 0.95):.0f} ms"))
        rows.append(("Start to greeting, terminal (first byte on its terminal), median of 5", f"{t_start:.0f} ms"))
        rows.append(("Start to greeting, window on Xvfb (transcript line), median of 5", f"{w_start:.0f} ms"))
        for name, samples in (("terminal", t_rss), ("window on Xvfb", w_rss)):
            rows.append((f"Resident memory 3 s after start, {name}, median of 5 (own pages, RssAnon)",
                         f"{statistics.median(r for r, _ in samples):.1f} MB "
                         f"({statistics.median(a for _, a in samples):.1f} MB)"))
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
