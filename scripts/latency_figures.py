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

With --screen-reader-game, a scripted game in screen-reader mode at a player's pace, one human
against one computer player, Orca on its default settings (key echo on): keys 0.5 to 2 s apart
at random (throws, holds, F2, the category walk and Enter; after a throw, from the moment its
dice are told, as the game takes no key while the dice sound), one long text a round cut by the next
key (F1's help page or F3's list, in turn), and F4 and F2 pressed during the computer's turn.
Every text Orca hands to speech-dispatcher is followed to its end through both logs:

- Orca's debug log gives the time each text was handed over ("SPEECH DISPATCHER: Speaking");
  the game's texts are told from Orca's key echo by being part of a text in the game's
  transcript and not the name of a key handed within 50 ms of that key;
- speech-dispatcher's log (LogLevel 5, the server started for the run with a configuration of
  its own) gives, for each message in the order Orca sent them ("Queueing message"), whether it
  reached the synthesiser ("Incoming text"), began ("701 BEGIN"), and ended ("702 END") or was
  stopped ("703 STOP");
- the sink's monitor tells whether a stopped message was heard at all: an audible sample
  between its BEGIN and its STOP.

speech-dispatcher's END comes when the synthesis is done, not the sound, so a text "gave way"
when it was stopped, or when the next message reached the synthesiser (or, never reaching it,
was queued) earlier than the text's BEGIN plus its audio's length (the module's samples at its
rate) less 0.25 s. A text is "heard in full" when it did not give way, "dropped before a word"
when it gave way with nothing audible since its BEGIN (or never began), "cut" otherwise; a
cut or drop is "by the player's own key" when one of the scripted keys came between Orca
handing the text over (or up to 0.2 s before, the key on its way) and its stop (or the start of
what replaced it), and at most 1 s before the stop, "otherwise" when not. "Yacht." alone, capitalised,
is Orca telling the window's name, not a text of the game. A key "has an answer" when the game's transcript has a text
between it and the next key (the transcript's clock put on the wall clock by the smallest gap
between a text's transcript time and Orca handing it); its silence is the time from the key to
the first audible sample after the answer's BEGIN. A text of the transcript Orca never handed
over is counted as dropped (by the player's key when one came before the next text handed
over). The sink's monitor also carries the dice sound, which can make a dropped text look heard.

Usage: scripts/latency_figures.py [build-dir] [keys|rounds] [--screen-reader | --screen-reader-game]
(needs Xvfb, xdotool, pulseaudio, speech-dispatcher with espeak-ng; orca and at-spi2-core for
the screen-reader rows; --screen-reader prints only those; --screen-reader-game plays that many
rounds, 13 by default, and prints only its own rows; --keep leaves the run's logs in place)
"""
import datetime
import os
import re
import random
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import figures  # noqa: E402  (private folders, waits, the sound server, stopping processes)
from session_figures import Session, need, percentile, print_table, timing_rows  # noqa: E402

ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
SCREEN_READER_GAME = "--screen-reader-game" in sys.argv[1:]
ONLY_SCREEN_READER = "--screen-reader" in sys.argv[1:] or SCREEN_READER_GAME
BUILD = os.path.abspath(ARGS[0] if ARGS else "build")
YACHT = os.path.join(BUILD, "yacht")
KEYS = int(ARGS[1]) if len(ARGS) > 1 else (13 if SCREEN_READER_GAME else 40)
AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


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


def start_orca(env, xenv, root, procs):
    """A session bus, a window manager, an accessibility bus and Orca of the run's own on its
    default settings; returns the session's environment, Orca's debug log and the bus (which
    `procs` ends last)."""
    bus, address = start_bus(env, root)
    procs.append(bus)
    senv = dict(xenv, DBUS_SESSION_BUS_ADDRESS=address, XDG_DATA_HOME=os.path.join(root, "data"),
                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    log = os.path.join(root, "orca-debug.log")
    if shutil.which("openbox"):
        procs.append(subprocess.Popen(["openbox", "--sm-disable"], env=senv,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    procs.append(subprocess.Popen([AT_SPI_LAUNCHER, "--launch-immediately"], env=senv,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    procs.append(subprocess.Popen(["orca", "--debug-file", log], env=senv,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    time.sleep(8)  # Orca starts, says "Screen reader on" and listens
    return senv, log, bus


def start_game(senv, transcript, procs):
    """The game in screen-reader mode, its window active; returns the window once greeted."""
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
    return win


def stop_all(procs):
    for proc in reversed(procs):
        figures.stop(proc)  # Orca writes out the rest of its log as it ends


def screen_reader_keys(env, xenv, root, monitor):
    """In screen-reader mode, for an arrow key (which Orca does not echo) and for F4 (which it
    does): key press to Orca's own key event, to Orca handing the game's answer to
    speech-dispatcher, and to the answer's first audible sample on the sink's monitor (the first
    sample after Orca handed the answer over that follows a moment of silence, so the tail of
    the echo it cut is not counted)."""
    procs = []
    presses = []  # (wall time, monotonic time, key)
    try:
        senv, log, _ = start_orca(env, xenv, root, procs)
        transcript = os.path.join(env["TMPDIR"], "screen-reader.txt")
        win = start_game(senv, transcript, procs)
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
        stop_all(procs)
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


def speechd_logging(env):
    """speech-dispatcher's own configuration for the run, logging every message's course
    (LogLevel 5); returns where its log will be."""
    folder = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(folder, exist_ok=True)
    system = "/etc/speech-dispatcher/speechd.conf"
    with open(os.path.join(folder, "speechd.conf"), "w") as f:
        f.write((open(system).read() if os.path.exists(system) else "") + "\nLogLevel 5\n")
    return os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "log", "speech-dispatcher.log")


def plain(text):
    return " ".join(re.sub(r"<[^>]*>", " ", text).replace("&apos;", "'").replace(
        "&quot;", '"').replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").split())


def comparable(text):
    """The words of a text, in lower case, a die not yet thrown ("?" alone) as the game names it
    to the screen reader: Orca ends a text with a full stop of its own."""
    text = re.sub(r"(?<!\S)\?(?!\S)", "question mark", text)
    return " ".join(re.findall(r"[\w?']+", text.lower()))


def speechd_messages(path):
    """Each message speech-dispatcher queued, in order: its words, the wall-clock times it
    reached the synthesiser, began, and was synthesised to its end or stopped (None when it did
    not), and how long its audio lasts (the module's samples at its rate). The module's END comes
    when the synthesis is done, long before the sound has played out."""
    stamp = re.compile(r"^\[\w+ (\w+ +\d+ [\d:]+ \d+) : (\d+)\]")
    out, current, now, rate = [], None, 0.0, 22050
    for line in open(path, errors="replace"):
        m = stamp.match(line)
        if m:
            now = time.mktime(time.strptime(m.group(1), "%b %d %H:%M:%S %Y")) + int(m.group(2)) / 1e6
        if "Queueing message |" in line:
            out.append({"words": plain(line.split("Queueing message |", 1)[1].rsplit("|", 1)[0]),
                        "queued": now, "sent": None, "begin": None, "end": None, "stop": None,
                        "audio": 0.0})
        elif "Incoming text: |" in line:
            words = plain(line.split("Incoming text: |", 1)[1].rsplit("|", 1)[0])
            current = next((msg for msg in out if msg["sent"] is None and msg["words"] == words), None)
            if current:
                current["sent"] = now
        elif "Got audio parameter sample_rate " in line:
            rate = int(line.rsplit(" ", 1)[1])
        elif current and "Got audio parameter num_samples " in line:
            current["audio"] += int(line.rsplit(" ", 1)[1]) / rate
        elif current and re.match(r"^ ?701 BEGIN", line):
            current["begin"] = current["begin"] or now
        elif current and re.match(r"^ ?702 END", line):
            current["end"], current = now, None
        elif current and re.match(r"^ ?703 STOP", line):
            current["stop"], current = now, None
    return out


def transcript_says(path):
    """(seconds since the game started, words) of every text the game said."""
    out = []
    for line in open(path, errors="replace"):
        parts = line.rstrip("\n").split(" ", 2)
        if len(parts) == 3 and parts[1].startswith("say"):
            out.append((int(parts[0]) / 1000, comparable(parts[2])))
    return out


def press(senv, win, key, presses):
    presses.append((time.time(), key))
    subprocess.run(["xdotool", "key", "--window", win, key], env=senv, timeout=10)


def said_since(transcript, lines, pattern, timeout):
    """Waits for a text matching `pattern` after the first `lines` texts of the transcript."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if any(pattern.search(w) for _, w in transcript_says(transcript)[lines:]):
            return True
        time.sleep(0.1)
    return False


def screen_reader_game(env, xenv, root, monitor, speechd_log):
    """A scripted game at a player's pace in screen-reader mode (see the top of the file);
    returns the figures as rows."""
    procs, presses = [], []
    pace = lambda: time.sleep(random.uniform(0.5, 2.0))  # noqa: E731
    transcript = os.path.join(env["TMPDIR"], "screen-reader-game.txt")
    start_wall = time.time()
    try:
        senv, log, _ = start_orca(env, xenv, root, procs)
        win = start_game(senv, transcript, procs)
        pace()
        for key in ("F9", "Down", "Down", "c", "Return"):
            press(senv, win, key, presses)
            pace()
        # A score is told by the total, or in the last round by the computer's turn beginning.
        scored = re.compile(r"your total score is|player 2 first roll")
        dice = re.compile(r"^[1-6]( [1-6]){0,4}$")

        def throw():
            # The dice are told after their sound; the player goes on once they are heard.
            lines = len(transcript_says(transcript))
            press(senv, win, "space", presses)
            said_since(transcript, lines, dice, 15)
            pace()

        for rnd in range(KEYS):
            throw()
            press(senv, win, random.choice("12345"), presses)
            pace()
            press(senv, win, "F1" if rnd % 2 == 0 else "F3", presses)  # a long text, cut
            pace()
            throw()
            press(senv, win, "F2", presses)
            pace()
            throw()
            # Down the categories until Enter scores; late in the game the free rows are few
            # and far down, so the walk goes down far more often than up.
            for _ in range(45):
                lines = len(transcript_says(transcript))
                press(senv, win, random.choice(("Down",) * 5 + ("Up",)), presses)
                pace()
                press(senv, win, "Return", presses)
                if said_since(transcript, lines, scored, random.uniform(0.5, 2.0)):
                    break
            # The computer's turn: two keys at a player's pace while it plays.
            lines = len(transcript_says(transcript))
            pace()
            press(senv, win, "F4", presses)
            pace()
            press(senv, win, "F2", presses)
            if not said_since(transcript, lines, re.compile(r"^player 2 scores \d+ in "), 90):
                print(f"warning: the computer did not score in round {rnd + 1}", file=sys.stderr)
                break
            lines = len(transcript_says(transcript))
            said_since(transcript, lines - 1, re.compile("space bar to continue$"), 30)
            pace()
        press(senv, win, "F12", presses)
        said_since(transcript, 0, re.compile("goodbye", re.I), 10)
        time.sleep(3)
    finally:
        stop_all(procs)
        figures.kill_speechd(env)  # writes out the rest of its log
    return game_figures(log, speechd_log, transcript, presses, monitor, start_wall)


def game_figures(log, speechd_log, transcript, presses, monitor, start_wall):
    if "--keep" in sys.argv[1:]:
        import json
        with open(os.path.join(os.path.dirname(log), "game.json"), "w") as f:
            json.dump({"presses": presses, "start_wall": start_wall, "now": [time.time(), time.monotonic()],
                       "loud": monitor.loud_times(time.monotonic() - (time.time() - start_wall))}, f)
    says = transcript_says(transcript)
    handed = orca_speaking(log)
    key_times = [p[0] for p in presses]
    echo_names = {p[1].lower() for p in presses} | {"enter", "f 1", "f 2", "f 3", "f 4", "f 9"}

    def game_text(t, w):
        echo = w.lower() in echo_names and any(0 <= t - k < 0.05 for k in key_times)
        # "Yacht." alone, capitalised, is Orca telling the window's name as it becomes active
        # (the game's own "yacht", the dice's result, is in lower case).
        return comparable(w) != "" and w != "Yacht." and not echo and \
            any(comparable(w) in s for _, s in says)
    # Orca's texts, each matched to speech-dispatcher's message of the same words in order.
    messages = speechd_messages(speechd_log)
    texts, used = [], 0
    for t, words in handed:
        words = plain(words)
        if not game_text(t, words):
            used = next((i + 1 for i in range(used, len(messages))
                         if messages[i]["words"] == words), used)
            continue
        i = next((i for i in range(used, len(messages)) if messages[i]["words"] == words), None)
        if i is not None:
            used = i + 1
        texts.append((t, words, messages[i] if i is not None else None))
    loud = monitor.loud_times(time.monotonic() - (time.time() - start_wall))
    to_mono = lambda wall: wall - time.time() + time.monotonic()  # noqa: E731
    counts = {"full": 0, "key": 0, "cut": 0, "dropped": 0, "dropped by key": 0}
    faults = []
    index = {id(m): i for i, m in enumerate(messages)}
    for n, (t, words, msg) in enumerate(texts):
        # When the text gave way: its stop, or the next message starting (sent to the
        # synthesiser, or queued when it never was) before its own sound could have played out.
        following = messages[index[id(msg)] + 1] if msg and index[id(msg)] + 1 < len(messages) else None
        nxt = following and (following["sent"] or following["queued"])
        gone = None
        if msg and msg["stop"]:
            gone = msg["stop"]
        elif msg and msg["begin"] and nxt and nxt < msg["begin"] + msg["audio"] - 0.25:
            gone = nxt
        elif msg is None or not msg["begin"]:
            gone = nxt or (texts[n + 1][0] if n + 1 < len(texts) else t + 1)
        if gone is None:
            counts["full"] += 1
            continue
        # A key pressed as the text was handed over (up to 0.2 s before) counts as cutting it.
        by_key = any(t - 0.2 <= k <= gone and gone - k <= 1.0 for k in key_times)
        begin = msg and msg["begin"]
        heard = begin and any(to_mono(begin) <= x <= to_mono(gone) for x in loud)
        if heard:
            counts["key" if by_key else "cut"] += 1
        else:
            counts["dropped by key" if by_key else "dropped"] += 1
        if not by_key:
            faults.append(f"{'cut' if heard else 'dropped'} without a key: {words[:70]!r} "
                          f"(handed {time.strftime('%H:%M:%S', time.localtime(t))}"
                          f".{int(t % 1 * 1000):03d}, gave way {gone - t:.2f} s later)")
    # The transcript's clock on the wall clock (the greeting is handed over at once), and the
    # texts Orca never handed over: dropped by the player's key when one came before the next
    # text that was.
    offset = texts[0][0] - says[0][0] if texts and says else start_wall
    lost = []
    for s_t, w in says:
        if any(comparable(x) in w for _, x, _ in texts):
            continue
        said = offset + s_t
        nh = next((t for t, _, _ in texts if t >= said), said + 5)
        by_key = any(said <= k <= nh for k in key_times)
        counts["dropped by key" if by_key else "dropped"] += 1
        lost.append(f"never handed{' (a key came first)' if by_key else ''}: {w[:70]!r}")
    silences = []
    for (k, key), nxt in zip(presses, key_times[1:] + [key_times[-1] + 5]):
        if not any(k <= offset + s_t < nxt for s_t, _ in says):
            continue  # silent by design
        answer = [msg for t, _, msg in texts if k <= t < nxt]
        begun = next((msg for msg in answer if msg and msg["begin"] and msg["begin"] < nxt), None)
        if not answer:
            said = [w for s_t, w in says if k <= offset + s_t < nxt]
            faults.append(f"not handed before the next key: the answer to {key} at "
                          f"{time.strftime('%H:%M:%S', time.localtime(k))}.{int(k % 1 * 1000):03d}"
                          f" ({said[0][:60]!r})")
        if begun is None:
            silences.append(((nxt - k) * 1000, key))
            continue
        sound = [x for x in loud if x >= to_mono(begun["begin"])]
        first = min(sound) if sound else to_mono(begun["begin"])
        silences.append(((first - to_mono(k)) * 1000, key))
    longest = max(silences) if silences else (0, "-")
    rows = [
        ("Screen-reader game, rounds played / keys pressed",
         f"{sum(1 for _, w in says if re.match(r'player 2 scores', w))} / {len(presses)}"),
        ("Game texts Orca handed to speech-dispatcher", f"{len(texts)}"),
        ("Heard in full", f"{counts['full']}"),
        ("Cut by the player's own key (after a word / before a word)",
         f"{counts['key']} / {counts['dropped by key']}"),
        ("Cut otherwise", f"{counts['cut']}"),
        ("Dropped before a word otherwise", f"{counts['dropped']}"),
        ("Of these, texts of the game's transcript never handed to speech-dispatcher", f"{len(lost)}"),
        ("Keys with an answer: key to its first audible sample, median / 95th percentile / longest",
         f"{statistics.median([s for s, _ in silences]):.0f} / "
         f"{percentile([s for s, _ in silences], 0.95):.0f} / {longest[0]:.0f} ms ({longest[1]})"
         if silences else "-"),
    ]
    for line in faults + lost:
        print("note: " + line, file=sys.stderr)
    return rows


def main():
    need("latency_figures", ("Xvfb", "xdotool", "pulseaudio", "parec", "speech-dispatcher", "spd-say"))
    screen_reader = bool(shutil.which("orca")) and os.access(AT_SPI_LAUNCHER, os.X_OK) and \
        bool(shutil.which("dbus-daemon"))
    if ONLY_SCREEN_READER and not screen_reader:
        sys.exit("latency_figures: orca, at-spi2-core and dbus are needed for --screen-reader(-game)")
    session = Session("yacht-latency-", keep="--keep" in sys.argv[1:])
    env, root = session.env, session.root
    speechd_log = speechd_logging(env) if SCREEN_READER_GAME else None
    rows = []
    with session:
        monitor = session.monitor
        bare = [] if ONLY_SCREEN_READER else bare_keys(env, monitor)
        xenv = session.start_x()
        if not ONLY_SCREEN_READER:
            game, share = game_keys(xenv, monitor, os.path.join(env["TMPDIR"], "keys.txt"))
            for name, s in (("game", game), ("spd-say", bare)):
                rows += timing_rows(f"Key press to first audible sample, {name}", s)
            rows.append(("Idle processor share of the game choosing the players, voice silent, 30 s",
                         f"{share:.3f} % of a core"))
        if SCREEN_READER_GAME:
            rows += screen_reader_game(env, xenv, root, monitor, speechd_log)
        elif screen_reader:
            sr = screen_reader_keys(env, xenv, root, monitor)
            for key, label in (("arrow", "an arrow key (not echoed)"), ("F4", "F4 (echoed)")):
                for name, what in (("heard", "the answer's first audible sample"),
                                   ("handed", "Orca handing the answer to speech-dispatcher"),
                                   ("echo", "Orca's own key event")):
                    rows += timing_rows(f"Screen-reader mode, {label}, key press to {what}", sr[key][name])
        else:
            print("note: no screen-reader rows (orca, at-spi2-core or dbus missing)", file=sys.stderr)
    print_table(rows)


if __name__ == "__main__":
    main()
