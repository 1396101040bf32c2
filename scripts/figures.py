#!/usr/bin/env python3
"""Prints the game's figures on this machine, in one run, as a Markdown table:

- start to greeting handed to the voice (median of 10), with no speech engine, with
  speech-dispatcher already running, and with speech-dispatcher started cold;
- key press to the resulting speech handed to the voice (median and 95th percentile over 200
  keys, real key presses through an X server; a key runs the engine at once);
- idle CPU share over 30 s, resident memory, executable size;
- engine-only full games per second (from the benchmark binary).

Usage: scripts/figures.py [build-dir]   (needs Xvfb, xdotool, speech-dispatcher; see README)
"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
YACHT = os.path.join(BUILD, "yacht")
BENCH = os.path.join(BUILD, "yacht_bench")
CLK = os.sysconf("SC_CLK_TCK")


def private_env(root):
    env = dict(os.environ)
    for sub in ("runtime", "tmp", "home", "config"):
        os.makedirs(os.path.join(root, sub), exist_ok=True)
    os.chmod(os.path.join(root, "runtime"), 0o700)
    env.update(XDG_RUNTIME_DIR=os.path.join(root, "runtime"), TMPDIR=os.path.join(root, "tmp"),
               HOME=os.path.join(root, "home"), XDG_CONFIG_HOME=os.path.join(root, "config"),
               QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    return env


def wait_lines(path, count, timeout=20.0):
    """Polls the transcript until it has `count` lines; returns the time it got there."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            with open(path, "rb") as f:
                if f.read().count(b"\n") >= count:
                    return time.monotonic()
        except FileNotFoundError:
            pass
        time.sleep(0.0005)
    raise RuntimeError(f"{path}: fewer than {count} lines after {timeout} s")


def launch(env, transcript, *args):
    return subprocess.Popen([YACHT, "--transcript", transcript, "--seed", "7", *args], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def stop(proc):
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def kill_speechd(env):
    piddir = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid")
    if os.path.isdir(piddir):
        for name in os.listdir(piddir):
            try:
                os.kill(int(open(os.path.join(piddir, name)).read().strip()), signal.SIGKILL)
            except (ValueError, OSError):
                pass
    time.sleep(0.3)


def greeting_ms(env, engine, runs=10, cold=False):
    times = []
    for i in range(runs):
        if cold:
            kill_speechd(env)
        transcript = os.path.join(env["TMPDIR"], f"greet-{engine}-{'cold' if cold else 'warm'}-{i}.txt")
        start = time.monotonic()
        proc = launch(env, transcript, "--speech-engine", engine)
        try:
            times.append((wait_lines(transcript, 1) - start) * 1000)
        finally:
            stop(proc)
    return statistics.median(times)


def idle_figures(env, seconds=30):
    transcript = os.path.join(env["TMPDIR"], "idle.txt")
    proc = launch(env, transcript, "--speech-engine", "none")
    try:
        wait_lines(transcript, 1)
        time.sleep(2)
        def cpu():
            fields = open(f"/proc/{proc.pid}/stat").read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / CLK
        c0, t0 = cpu(), time.monotonic()
        time.sleep(seconds)
        share = (cpu() - c0) / (time.monotonic() - t0) * 100
        rss = 0
        for line in open(f"/proc/{proc.pid}/status"):
            if line.startswith("VmRSS:"):
                rss = int(line.split()[1]) / 1024
        return share, rss
    finally:
        stop(proc)


def start_x(env):
    """A private Xvfb on a display it picks itself; returns it and the environment that uses it.
    Like a desktop's X server, it does not reset when its last client leaves: a reset holds the
    next connection some 30 ms, which a start that asks the server first and then connects for
    its window would pay for every earlier connection."""
    rfd, wfd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[wfd], stderr=subprocess.DEVNULL)
    os.close(wfd)
    display = ":" + os.read(rfd, 16).decode().strip()
    os.close(rfd)
    return xvfb, dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb")


def key_latency(env, keys=200):
    """Real key presses through Xvfb; F4 always has something to say."""
    if not shutil.which("Xvfb") or not shutil.which("xdotool"):
        return None
    xvfb, xenv = start_x(env)
    transcript = os.path.join(env["TMPDIR"], "keys.txt")
    proc = launch(xenv, transcript, "--speech-engine", "none")
    try:
        try:
            wait_lines(transcript, 1)
        except RuntimeError:
            # Say so rather than hide it: a start that does not greet is a fault worth chasing.
            print(f"warning: no greeting within 20 s on {xenv['DISPLAY']}; started again", file=sys.stderr)
            os.system(f"gdb -p {proc.pid} -batch -ex 'thread apply all bt 10' 2>/dev/null | grep '^#' >&2")
            stop(proc)
            transcript += ".again"
            proc = launch(xenv, transcript, "--speech-engine", "none")
            wait_lines(transcript, 1)
        win = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                              str(proc.pid)], env=xenv, capture_output=True, text=True,
                             timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", win], env=xenv,
                       stderr=subprocess.DEVNULL, timeout=10)
        lines = 1
        samples = []
        for _ in range(keys):
            time.sleep(0.13)  # let the previous answer be spoken before the next key
            start = time.monotonic()
            subprocess.run(["xdotool", "key", "--window", win, "F4"], env=xenv, timeout=10)
            lines += 1
            samples.append((wait_lines(transcript, lines, 10) - start) * 1000)
            # F4 queues more than one item; let the silent voice take them all.
            time.sleep(0.35)
            with open(transcript, "rb") as f:
                lines = f.read().count(b"\n")
        samples.sort()
        return statistics.median(samples), samples[int(len(samples) * 0.95) - 1]
    finally:
        stop(proc)
        xvfb.terminate()
        xvfb.wait()


def games_per_second():
    if not os.path.exists(BENCH):
        return None
    out = subprocess.run([BENCH, "--benchmark_filter=FullGame", "--benchmark_format=csv"],
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        if line.startswith('"FullGame'):
            fields = line.split(",")
            ns = float(fields[3])  # cpu_time per iteration, in the unit of the row
            unit = fields[4].strip('"')
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1}[unit]
            return 1 / (ns * scale)
    return None


def start_sound_server(env):
    """A private PulseAudio with a null sink, so speech and sound have somewhere to go."""
    if not shutil.which("pulseaudio"):
        return
    subprocess.run(["pulseaudio", "-D", "-n", "--exit-idle-time=-1",
                    "--load=module-null-sink sink_name=yacht",
                    "--load=module-native-protocol-unix"], env=env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(50):
        if subprocess.run(["pactl", "info"], env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0:
            break
        time.sleep(0.1)


def main():
    root = tempfile.mkdtemp(prefix="yacht-figures-")
    env = private_env(root)
    start_sound_server(env)
    rows = []
    try:
        rows.append(("Start to greeting handed to the voice, no speech engine (median of 10)",
                     f"{greeting_ms(env, 'none'):.0f} ms"))
        if shutil.which("speech-dispatcher"):
            rows.append(("Start to greeting, speech-dispatcher started cold (median of 10)",
                         f"{greeting_ms(env, 'speechd', cold=True):.0f} ms"))
            rows.append(("Start to greeting, speech-dispatcher running (median of 10)",
                         f"{greeting_ms(env, 'speechd'):.0f} ms"))
        latency = key_latency(env)
        if latency:
            rows.append(("Key press to speech handed to the voice, median of 200",
                         f"{latency[0]:.0f} ms"))
            rows.append(("Key press to speech handed to the voice, 95th percentile",
                         f"{latency[1]:.0f} ms"))
        share, rss = idle_figures(env)
        rows.append(("Idle CPU share over 30 s", f"{share:.2f} % of a core"))
        rows.append(("Resident memory, idle", f"{rss:.1f} MB"))
        rows.append(("Executable size", f"{os.path.getsize(YACHT) / 1e6:.2f} MB"))
        games = games_per_second()
        if games:
            rows.append(("Engine-only full games per second (one player, 13 rounds)",
                         f"{games:,.0f}"))
    finally:
        kill_speechd(env)
        subprocess.run(["pulseaudio", "--kill"], env=env, stderr=subprocess.DEVNULL)
        shutil.rmtree(root, ignore_errors=True)
    print("| Figure | Value |\n|---|---|")
    for name, value in rows:
        print(f"| {name} | {value} |")


if __name__ == "__main__":
    main()
