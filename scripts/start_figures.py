#!/usr/bin/env python3
"""Start-up, memory and solver figures of one or more builds, side by side in one run, beside
the toolkit's floor (a bare Qt window with one label, built as yacht_bare_window):

- start to greeting handed to the voice, offscreen, no speech engine (median of 10);
- resident memory (VmRSS) 3 s after start, under Xvfb and openbox, a game of people alone
  (median of 5), with the anonymous part (RssAnon) beside it;
- `yacht --optimum`: the table's time as the game reports it, and the wall and processor time
  of the whole command (median of 3);
- with --bench, `yacht_bench --benchmark_filter=ValueTable` (one thread and two).

The runs of the builds take turns, so a change in the machine's load falls on all of them.

Usage: scripts/start_figures.py [--bench] BUILD [BUILD ...]
       e.g. scripts/start_figures.py build /tmp/main-build   (the branch point built apart)
"""
import os
import re
import resource
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from figures import stop, wait_lines  # noqa: E402  the steps both scripts time and stop by


def processor():
    for line in subprocess.run(["lscpu"], capture_output=True, text=True).stdout.splitlines():
        if line.startswith("Model name:"):
            return line.split(":", 1)[1].strip()
    return "unknown processor"


def private_env(root):
    env = dict(os.environ)
    for sub in ("runtime", "tmp", "home", "config", "cache", "state", "data"):
        os.makedirs(os.path.join(root, sub), exist_ok=True)
    os.chmod(os.path.join(root, "runtime"), 0o700)
    env.update(XDG_RUNTIME_DIR=os.path.join(root, "runtime"), TMPDIR=os.path.join(root, "tmp"),
               HOME=os.path.join(root, "home"), XDG_CONFIG_HOME=os.path.join(root, "config"),
               XDG_CACHE_HOME=os.path.join(root, "cache"), XDG_STATE_HOME=os.path.join(root, "state"),
               XDG_DATA_HOME=os.path.join(root, "data"), QT_QPA_PLATFORM="offscreen")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "SPEECHD_ADDRESS"):
        env.pop(name, None)
    return env


def greeting_ms(env, yacht, run):
    transcript = os.path.join(env["TMPDIR"], f"greet-{run}.txt")
    start = time.monotonic()
    proc = subprocess.Popen([yacht, "--transcript", transcript, "--seed", "7", "--speech-engine", "none"],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        return (wait_lines(transcript, 1) - start) * 1000
    finally:
        stop(proc)


def memory_mb(env, command):
    """VmRSS and RssAnon 3 s after start, in MB."""
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        time.sleep(3)
        if proc.poll() is not None:
            raise RuntimeError(f"{command[0]} on {env.get('DISPLAY')} ended before 3 s: {proc.stderr.read().decode()[:300]}")
        fields = {}
        for line in open(f"/proc/{proc.pid}/status"):
            key, _, value = line.partition(":")
            if key in ("VmRSS", "RssAnon"):
                fields[key] = int(value.split()[0]) / 1024
        return fields["VmRSS"], fields["RssAnon"]
    finally:
        stop(proc)


def optimum(env, yacht):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    out = subprocess.run([yacht, "--optimum"], env=env, capture_output=True, text=True).stdout
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    match = re.search(r"optimal expected score ([0-9.]+) \(table ([0-9]+) ms\)", out)
    return match.group(1), float(match.group(2)), wall * 1000, cpu * 1000


def bench_rows(bench):
    """Wall time in ms by (threads, kernel); older benchmarks name the threads alone (widest kernel)."""
    out = subprocess.run([bench, "--benchmark_filter=ValueTable", "--benchmark_format=csv"],
                         capture_output=True, text=True).stdout
    rows = {}
    for line in out.splitlines():
        if line.startswith('"BM_ValueTable/'):
            fields = line.split(",")
            if len(fields) < 3 or not fields[2]:
                continue  # a kernel this processor does not run
            parts = dict(p.split(":") if ":" in p else ("threads", p) for p in fields[0].strip('"').split("/")[1:3])
            rows[(parts["threads"], parts.get("set", "0"))] = float(fields[2])
    return rows


def start_desktop(env):
    """A private X server on a free display of its own, and openbox on it."""
    for number in range(400 + os.getpid() % 100, 600):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        xenv = dict(env, DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb")
        for _ in range(100):
            if xvfb.poll() is not None:
                break
            if subprocess.run(["xdpyinfo"], env=xenv, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0:
                wm = subprocess.Popen(["openbox"], env=xenv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                time.sleep(1)
                return xvfb, wm, xenv
            time.sleep(0.05)
        xvfb.kill()
        xvfb.wait()
    raise RuntimeError("no free display for Xvfb")


def main():
    args = sys.argv[1:]
    with_bench = "--bench" in args
    builds = [os.path.abspath(a) for a in args if a != "--bench"] or [os.path.abspath("build")]
    floor = os.path.join(builds[0], "yacht_bare_window")
    root = tempfile.mkdtemp(prefix="yacht-start-figures-")
    env = private_env(root)
    greet = {b: [] for b in builds}
    memory = {b: [] for b in builds + [floor]}
    solve = {b: [] for b in builds}
    xvfb = wm = None
    try:
        for run in range(10):
            for b in builds:
                greet[b].append(greeting_ms(env, os.path.join(b, "yacht"), f"{run}-{builds.index(b)}"))
        xvfb, wm, xenv = start_desktop(env)
        for _ in range(5):
            for b in builds + [floor]:
                command = [floor] if b == floor else [os.path.join(b, "yacht"), "--speech-engine", "none"]
                memory[b].append(memory_mb(xenv, command))
        for _ in range(3):
            for b in builds:
                solve[b].append(optimum(env, os.path.join(b, "yacht")))
        benches = {b: bench_rows(os.path.join(b, "yacht_bench")) for b in builds} if with_bench else {}
    finally:
        for proc in (wm, xvfb):
            if proc:
                proc.terminate()
                proc.wait()
        shutil.rmtree(root, ignore_errors=True)

    def med(values, i=None):
        return statistics.median(v[i] if i is not None else v for v in values)

    print(f"Processor: {processor()}, {os.cpu_count()} cores; load average at the end "
          f"{os.getloadavg()[0]:.2f}\n")
    print("| Figure | " + " | ".join(builds) + " |")
    print("|---|" + "---|" * len(builds))
    print("| Start to greeting, no speech engine, offscreen (median of 10; range) | " +
          " | ".join(f"{med(greet[b]):.0f} ms ({min(greet[b]):.0f}-{max(greet[b]):.0f})" for b in builds) + " |")
    print("| Resident memory 3 s after start, Xvfb + openbox (median of 5) | " +
          " | ".join(f"{med(memory[b], 0):.1f} MB" for b in builds) + " |")
    print("| of which anonymous | " + " | ".join(f"{med(memory[b], 1):.1f} MB" for b in builds) + " |")
    print("| `--optimum` score | " + " | ".join(solve[b][0][0] for b in builds) + " |")
    print("| `--optimum` table time, as reported (median of 3) | " +
          " | ".join(f"{med(solve[b], 1):.0f} ms" for b in builds) + " |")
    print("| `--optimum` whole command, wall / processor time (median of 3) | " +
          " | ".join(f"{med(solve[b], 2):.0f} / {med(solve[b], 3):.0f} ms" for b in builds) + " |")
    kernels = {"0": "widest kernel the processor runs", "1": "AVX2 kernel", "2": "plain kernel"}
    for kernel, name in kernels.items():
        for threads in ("1", "2"):
            if benches and any((threads, kernel) in benches[b] for b in builds):
                print(f"| `yacht_bench` ValueTable, {name}, {threads} thread(s), wall | " +
                      " | ".join(f"{benches[b][(threads, kernel)]:.0f} ms" if (threads, kernel) in benches[b]
                                 else "-" for b in builds) + " |")
    print(f"\nBare Qt window with one label (yacht_bare_window), Xvfb + openbox: "
          f"{med(memory[floor], 0):.1f} MB resident, {med(memory[floor], 1):.1f} MB anonymous (median of 5)")


if __name__ == "__main__":
    main()
