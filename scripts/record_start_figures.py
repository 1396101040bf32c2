#!/usr/bin/env python3
"""Prints the start to the greeting with an empty game record and with one of 10,000 finished
games, interleaved runs of the real game offscreen and silent, the median of each.

Usage: scripts/record_start_figures.py [build/yacht]
"""
import os
import re
import shutil
import signal
import sqlite3
import statistics
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
yacht = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "build", "yacht")


def schema():
    """The game's own schema, as the record's source writes it."""
    with open(os.path.join(here, "..", "src", "persist", "record_database.cpp")) as f:
        return re.search(r'R"\((.*?)\)";', f.read(), re.S).group(1)




def make_record(data):
    os.makedirs(os.path.join(data, "yacht"), mode=0o700, exist_ok=True)
    path = os.path.join(data, "yacht", "record.sqlite")
    db = sqlite3.connect(path)
    db.executescript(schema())
    db.execute("PRAGMA user_version=1")
    cur = db.cursor()
    for g in range(1, 10001):
        cur.execute("INSERT INTO games VALUES(?,?,?,1,0,1)", (g, g * 1000, g * 1000 + 600))
        cur.execute("INSERT INTO seats VALUES(?,1,0,?,60,1,1.5,26)", (g, 150 + g % 120))
        for r in range(1, 14):
            cur.execute("INSERT INTO turns VALUES(?,?,1,?,33512,3,33364,7,33331,0.5,0,?,12,0.25)", (g, r, g * 1000 + 500, r))
    db.commit()
    db.execute("PRAGMA journal_mode=WAL")
    db.close()


def first_line_ms(env):
    p = subprocess.Popen([yacht, "--speech-engine", "none", "--transcript", "-", "-platform", "offscreen"],
                         stdout=subprocess.PIPE, env=env, text=True)
    line = p.stdout.readline()
    p.send_signal(signal.SIGTERM)
    try:
        p.wait(5)
    except subprocess.TimeoutExpired:
        p.kill(); p.wait()
    return int(line.split()[0])


work = tempfile.mkdtemp(prefix="yacht-record-figures.")
envs = {}
for name in ("no", "a 10,000-game"):
    home = tempfile.mkdtemp(dir=work)
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"), XDG_STATE_HOME=os.path.join(home, "state"),
               XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_RUNTIME_DIR=os.path.join(home, "run"), XDG_CACHE_HOME=os.path.join(home, "cache"))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    if name != "no":
        make_record(env["XDG_DATA_HOME"])
    envs[name] = env
times = {n: [] for n in envs}
for i in range(25):
    for n, env in envs.items():
        times[n].append(first_line_ms(env))
for n in envs:
    t = times[n][3:]
    print(f"start to greeting, {n} record: {statistics.median(t)} ms (median of {len(t)})")
shutil.rmtree(work, ignore_errors=True)
