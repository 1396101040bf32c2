"""Plays in a real terminal (tmux): with no display at all, under the Linux console's, xterm's and
screen's key strings; the state and sheet keys; the new-game question; leaving with F12, Ctrl+C
and a dropped connection, and the game resumed; a second start; speech left to the screen reader.
"""
import array
import os
import re
import signal
import subprocess
import time
import wave

import pytest

from conftest import need
from harness.terminal import Terminal, infocmp_string

SCORED_RE = re.compile(r"^After \d+ rounds? your total score is \d+$")


@pytest.fixture
def terminal(sandbox):
    need("tmux", "infocmp")
    started = []

    def start(*args, seed=7, engine="none", **kwargs):
        argv = (["--seed", str(seed)] if seed is not None else []) + (
            ["--speech-engine", engine] if engine else []) + list(args)
        term = Terminal(sandbox, argv, name=f"terminal{len(started) + 1}", **kwargs)
        started.append(term)
        return term
    yield start
    for term in started:
        term.stop()


def play_round(term, number, move="N"):
    """One person's round: the turn opened, three throws, the category `number` scored (the
    categories are taken in order, so the cursor passes `number - 1` taken rows)."""
    term.press("Space")
    term.expect(re.compile(r"first roll$"))
    term.press("Space")
    term.expect("second roll")
    term.press("Space")
    term.expect("final roll")
    term.expect("Use the arrow keys to choose the category then press the enter key to score")
    term.press(*([move] * number), gap=0.1)
    term.press("Enter")


def test_a_whole_game_with_no_display_in_lines_the_screen_reader_follows(terminal):
    term = terminal(term="xterm-256color")
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9")
    term.expect("Choose the number of players using the arrow keys, then press the enter key to begin")
    term.press("1")
    term.expect("1 player")
    term.expect("Press the space bar to begin")
    # No window system: no Qt platform plugin is loaded, no window-system library but those the
    # executable links (and they open no connection).
    with open(f"/proc/{term.pid}/maps") as f:
        maps = f.read()
    assert "/platforms/" not in maps and "libqxcb" not in maps and "libwayland-client" not in maps
    # `yacht` has become the terminal game's own executable, which maps none of the
    # window's Qt libraries (libxcb is mapped only as libpulse's own dependency). From Qt 6.6 Qt
    # TextToSpeech itself links Multimedia, and with it Gui and DBus: those come with the voice
    # library, never with the window.
    assert os.path.basename(os.readlink(f"/proc/{term.pid}/exe")) == "yacht-terminal"
    assert "libQt6Widgets" not in maps
    speech = re.search(r"\S*/libQt6TextToSpeech\.so\S*", maps)
    linked = subprocess.run(["ldd", speech.group(0)], capture_output=True, text=True).stdout if speech else ""
    for library in ("libQt6Gui", "libQt6Multimedia", "libQt6DBus"):
        assert library not in maps or library in linked, library
    for number in range(1, 14):
        play_round(term, number, move="N" if number % 2 else "Down")
        if number < 13:
            term.expect(SCORED_RE)
    term.expect(re.compile(r"^game over, you scored \d+ Press function key F 9"))
    lines = term.lines()
    # One plain line a text: no blank line, no escape sequence, no leading blank.
    assert all(line.strip() for line in lines), lines
    assert not any("\x1b" in line or line != line.strip() for line in lines)
    # The cursor rests at the start of the newest line (the last line printed, not below it).
    time.sleep(0.5)
    column, row = term.cursor()
    visible = term._tmux("capture-pane", "-p", "-J").split("\n")
    assert column == 0 and visible[row].strip() == lines[-1].strip()
    term.press("F12")
    term.expect("goodbye")
    assert term.wait_exit() == 0


def test_linux_console_key_strings(terminal):
    term = terminal(term="linux")
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.send_bytes(infocmp_string("linux", "kf1"))
    term.expect(re.compile(r"^Yacht is a classic dice game\."))
    term.expect(re.compile(r"^In the terminal: I tells the state of play"))
    term.send_bytes(infocmp_string("linux", "kf9"))
    term.expect(re.compile(r"^Choose the number of players"))
    # The first arrow says the count it starts from; the next one counts on.
    term.send_bytes(infocmp_string("linux", "kcuf1"))
    term.expect("1 player")
    term.send_bytes(infocmp_string("linux", "kcuf1"))
    term.expect("2 players")
    term.send_bytes(b"c")
    term.expect("1 computer player")
    term.send_bytes(b"\r")
    term.expect("Press the space bar to begin")
    term.send_bytes(b" ")
    term.expect(re.compile(r"player 1 first roll$"))
    term.send_bytes(infocmp_string("linux", "kf2"))
    term.expect(re.compile(r"^[1-6]( [1-6]){4}$"))
    term.send_bytes(infocmp_string("linux", "kf4"))
    term.expect(re.compile(r"^player 1, \d+"))
    # Shift+F1 (the console's F13) steps the voice; the silent engine has one voice to step to.
    term.send_bytes(infocmp_string("linux", "kf13"))
    term.send_bytes(b"i")
    term.expect(re.compile(r"^player 1, round 1, roll 1: [1-6]( [1-6]){4}$"))
    term.send_bytes(infocmp_string("linux", "kf12"))
    term.expect("goodbye")
    assert term.wait_exit() == 0


def test_screen_keys_the_sheet_the_question_and_the_coach(terminal):
    term = terminal(term="screen-256color")
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9")
    term.press("1")
    term.expect("Press the space bar to begin")
    play_round(term, 1)
    term.expect(SCORED_RE)
    term.press("l")
    term.expect("Score Sheet")
    term.expect(re.compile(r"^Ones: \d+$"))
    term.expect("Twos")
    term.press("F3")
    term.expect(re.compile(r"^Twos"))
    term.press("Space")
    term.expect(re.compile(r"first roll$"))
    term.press("h")
    term.expect(re.compile(r"^keep |^score |^the coach"))
    # F9 asks; Escape keeps playing, Enter starts afresh.
    term.press("F9")
    term.expect(re.compile(r"^Do you really want to start a new game\?"))
    term.press("Escape")
    term.expect("cancelled")
    term.press("F9")
    term.expect(re.compile(r"^Do you really want to start a new game\?"))
    term.press("Enter")
    term.expect(re.compile(r"^Choose the number of players"))
    term.press("C-c")
    term.expect("goodbye")
    assert term.wait_exit() == 0


def test_two_players_with_a_computer_seat_to_game_over(terminal):
    term = terminal(term="xterm-256color")
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9")
    term.expect(re.compile(r"^Choose the number of players"))
    term.press("Right")
    term.expect("1 player")
    term.press("Right")
    term.expect("2 players")
    term.press("c")
    term.expect("1 computer player")
    term.press("Enter")
    term.expect("Press the space bar to begin")
    for number in range(1, 14):
        play_round(term, number)
        if number < 13:
            # The computer plays its own turn, and the round's scores are told.
            term.expect(re.compile(r"^player 2 scores \d+ in "))
            term.expect(re.compile(r"^At the end of the round, the scores are player 1 \d+, player 2 \d+"))
    term.expect(re.compile(r"^player 2 scores \d+ in "))
    over = term.expect(re.compile(r"^Game over\. (The winner is player [12]|We have a 2 way tie)"))
    assert "Press function key F 9" in over
    term.press("i")
    term.expect(re.compile(r"^Game over|^no game"))
    term.press("F12")
    term.expect("goodbye")
    assert term.wait_exit() == 0


def test_the_keys_under_gnu_screen(terminal):
    need("screen")
    term = terminal(term="screen-256color", under_screen=True, height=100)
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    # screen turns tmux's key strings into its own: the plain F-keys come through.
    term.press("F1")
    term.expect(re.compile(r"^In the terminal: I tells the state of play"))
    term.press("F9")
    term.expect(re.compile(r"^Choose the number of players"))
    term.press("1")
    term.expect("Press the space bar to begin")
    term.press("Space")
    term.expect(re.compile(r"first roll$"))
    term.press("F2")
    term.expect(re.compile(r"^[1-6]( [1-6]){4}$"))
    term.press("F4")
    term.expect(re.compile(r"your score is \d+"))
    # No modified F-key passes screen: the letters stand in for the voice, speed and arrow keys.
    term.press("v")
    term.expect(re.compile(r"^Voice changed to "))
    term.press("b")
    term.expect(re.compile(r"^Voice changed to "))
    term.press("r")
    term.expect(re.compile(r"^Speed changed to "))
    term.press("n")
    term.expect(re.compile(r"^First dice [1-6]$"))
    term.press("i")
    term.expect(re.compile(r"^round 1, roll 1: [1-6]( [1-6]){4}$"))
    # screen clears its window as the game ends: the status tells that F12 left.
    term.press("F12")
    assert term.wait_exit() == 0


def test_in_a_narrow_terminal_the_cursor_rests_at_the_start_of_a_wrapped_line(terminal):
    term = terminal(term="xterm-256color", width=40)
    greeting = term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    assert len(greeting) > 80  # three rows at least
    time.sleep(0.5)
    column, row = term.cursor()
    rows = term._tmux("capture-pane", "-p").split("\n")
    assert column == 0 and greeting.startswith(rows[row]) and rows[row].startswith("Yacht")
    # The next lines start below the wrapped one and overwrite none of it.
    term.press("F1")
    term.expect(re.compile(r"^In the terminal: I tells the state of play"))
    time.sleep(0.5)
    assert term.lines()[0] == greeting
    last = term.lines()[-1]
    column, row = term.cursor()
    rows = term._tmux("capture-pane", "-p").split("\n")
    assert column == 0 and rows[row] and last.startswith(rows[row])
    term.press("F12")
    term.expect("goodbye")
    assert term.wait_exit() == 0


@pytest.mark.parametrize("how", ["ctrl-c", "hangup"])
def test_leaving_keeps_the_game_and_the_next_start_resumes_it(terminal, sandbox, how):
    term = terminal(term="xterm-256color")
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9", "1")
    term.expect("Press the space bar to begin")
    play_round(term, 1)
    term.expect(SCORED_RE)
    term.press("Space")
    term.expect(re.compile(r"first roll$"))
    if how == "ctrl-c":
        term.press("C-c")
        term.expect("goodbye")
        assert term.wait_exit() == 0
    else:
        os.kill(term.pid, signal.SIGHUP)
        assert term.wait_exit() == 0
        # No goodbye is said to a terminal gone away; one still there is told why the game ended.
        term.expect("yacht: stopped by signal HUP; the game is kept")
    again = terminal(term="xterm-256color", seed=8)
    again.expect(re.compile(r"^Resuming an unfinished game"))
    again.expect(re.compile(r"^round 2"))
    again.press("i")
    again.expect(re.compile(r"^round 2, roll 1: "))
    again.press("F12")
    assert again.wait_exit() == 0


def test_a_second_start_says_the_game_runs_elsewhere(terminal):
    first = terminal()
    first.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    second = terminal()
    assert second.wait_exit() == 0
    assert any("already running elsewhere" in line for line in second.lines())
    first.press("F12")
    assert first.wait_exit() == 0


def test_no_speech_where_a_screen_reader_reads_the_terminal(terminal, sandbox):
    need("speech-dispatcher")
    # An ssh session: the player's own screen reader reads the lines, so nothing is spoken here.
    term = terminal(engine=None, env={"SSH_CONNECTION": "10.0.0.2 50000 10.0.0.1 22"})
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9")
    term.expect(re.compile(r"^Choose the number of players"))
    time.sleep(1)
    assert not [s for s in sandbox.servers_running() if "speech" in s or s.startswith("sd_")]
    term.press("F12")
    assert term.wait_exit() == 0


def test_with_no_display_and_no_terminal_the_one_line_stays(sandbox):
    env = {k: v for k, v in sandbox.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    done = subprocess.run([sandbox.yacht, "--speech-engine", "none"], env=env, stdin=subprocess.DEVNULL,
                          capture_output=True, text=True, timeout=20)
    assert done.returncode == 1
    assert done.stderr.startswith("yacht: the game needs a graphical session")
    asked = subprocess.run([sandbox.yacht, "--terminal"], env=env, stdin=subprocess.DEVNULL,
                           capture_output=True, text=True, timeout=20)
    assert asked.returncode == 1
    assert "--terminal needs a terminal" in asked.stderr


def loud_tenths(path):
    """How many tenths of a second of a recorded mono 16-bit WAV file are audible."""
    with wave.open(path) as w:
        assert w.getsampwidth() == 2
        values = array.array("h", w.readframes(w.getnframes()))
        tenth = w.getframerate() // 10
    return sum(1 for i in range(0, len(values), tenth)
               if max((abs(v) for v in values[i:i + tenth]), default=0) > 1000)


def test_speaks_and_plays_the_dice_where_no_screen_reader_reads(terminal, sandbox, sound_server, speech_server):
    """No screen reader and no ssh: the terminal game speaks through speech-dispatcher, as the
    window does, and the dice sound plays through the user's sound server."""
    import os
    speech_server.configure(normal_rate=340, max_rate=449).start()
    recording = sound_server.record(os.path.join(sandbox.work, "sound.wav"))
    term = terminal(engine=None, env={"SSH_CONNECTION": None, "SSH_TTY": None, "SSH_CLIENT": None})
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9", "1")
    term.expect("Press the space bar to begin")
    term.press("Space")
    term.expect(re.compile(r"first roll$"))
    term.expect(re.compile(r"^[1-6]( [1-6]){4}$"), timeout=30)
    time.sleep(2)
    term.press("F12")
    assert term.wait_exit(30) == 0
    recording.stop()
    loud = loud_tenths(recording.path)
    # The greeting, the players' count, the throw's words and dice: seconds of speech, beside the
    # dice sound's one second.
    assert loud >= 30, f"only {loud} tenths of a second were heard"


def test_a_game_left_in_the_window_goes_on_in_the_terminal_and_back(terminal, display, game):
    run = game.start("--speech-engine", "none")
    run.wait_for(re.compile(r"^Yacht, from Tevrin Software\."))
    run.press("F9")
    run.wait_for(re.compile(r"^Choose the number of players"))
    run.press("1")
    run.wait_for(re.compile(r"Press the space bar to begin$"))
    run.press("space")
    run.wait_for(re.compile(r"first roll$"))
    run.press("F12")
    run.wait_for("goodbye")
    assert run.wait_exit(30) == 0

    term = terminal(seed=8)
    term.expect(re.compile(r"^Resuming an unfinished game"))
    # The window may have left the game before or after its throw was made: the dice are said
    # with the resumed turn, or thrown and said when it goes on.
    resumed = term.expect(re.compile(r"^round 1 first roll"))
    if not re.search(r"[1-6]( [1-6]){4}$", resumed):
        term.expect(re.compile(r"^[1-6]( [1-6]){4}$"))
    term.press("Space")
    term.expect("second roll")
    term.press("F12")
    term.expect("goodbye")
    assert term.wait_exit() == 0

    again = game.start("--speech-engine", "none", seed=9)
    again.wait_for(re.compile(r"^Resuming an unfinished game"))
    again.wait_for(re.compile(r"^round 1 second roll"))
    again.press("F12")
    assert again.wait_exit(30) == 0


def test_the_dice_sound_plays_through_the_sound_server_with_the_voice_silent(terminal, sandbox, sound_server):
    """With no voice, what the sink hears is the dice sound alone, played by the terminal game's
    own libpulse player: about its three and a half seconds, from the throw on."""
    recording = sound_server.record(os.path.join(sandbox.work, "dice.wav"))
    term = terminal()
    term.expect(re.compile(r"^Yacht, from Tevrin Software\."))
    term.press("F9", "1")
    term.expect("Press the space bar to begin")
    time.sleep(1)
    term.press("Space")
    term.expect(re.compile(r"^[1-6]( [1-6]){4}$"), timeout=30)
    time.sleep(1)
    term.press("F12")
    assert term.wait_exit(30) == 0
    recording.stop()
    loud = loud_tenths(recording.path)
    assert 10 <= loud <= 40, f"{loud} tenths of a second were heard"
