"""The game played in a real terminal: a private tmux server whose one pane runs the game, keys
typed with `send-keys` (tmux's own key names, or the bytes of another terminal with -H), the
screen read back with `capture-pane`.

`term = Terminal(sandbox, args, term="xterm-256color", env={...})` starts it (`under_screen=True`
runs it inside GNU screen in the pane, which turns tmux's key strings into its own); `term.press(...)`,
`term.send_bytes(b"...")`, `term.expect(text)` waits for a new line (a string must equal the
line, a `re.compile` pattern is searched), `term.lines()`, `term.cursor()`, `term.pid`,
`term.wait_exit()` returns the exit status; `term.stop()` ends the tmux server.
"""
import os
import re
import shlex
import subprocess
import time

KEY_GAP_S = 0.25


class Terminal:
    def __init__(self, sandbox, args=(), term="xterm-256color", env=None, width=200, height=60,
                 name="terminal", under_screen=False):
        self.sandbox = sandbox
        self.socket = os.path.join(sandbox.work, f"{name}.tmux")
        self.status_file = os.path.join(sandbox.work, f"{name}.status")
        shell_file = os.path.join(sandbox.work, f"{name}.shell")
        run_env = dict(sandbox.env)
        for key in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            run_env.pop(key, None)
        for key, value in (env or {}).items():
            if value is None:
                run_env.pop(key, None)
            else:
                run_env[key] = str(value)
        run_env["TERM"] = term
        script = os.path.join(sandbox.work, f"{name}.sh")
        with open(script, "w") as f:
            f.write("#!/bin/sh\n")
            f.write(f"echo $$ > {shlex.quote(shell_file)}\n")
            f.write("".join(f"export {k}={shlex.quote(v)}\n" for k, v in run_env.items()))
            f.write("unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM\n")
            # The shell waits for the game itself and keeps its status: tmux learns of an ended
            # pane when its terminal closes, and of the status only later, or not at all.
            f.write(f"{shlex.quote(sandbox.yacht)} {' '.join(shlex.quote(a) for a in args)}\n")
            f.write(f"echo $? > {shlex.quote(self.status_file)}\n")
        os.chmod(script, 0o755)
        pane = [script]
        if under_screen:
            # screen's own TERM inside, no start-up message, a private socket folder and no
            # user's .screenrc; it ends with the script's game.
            screen_dir = os.path.join(sandbox.work, f"{name}.screen")
            os.makedirs(screen_dir, mode=0o700, exist_ok=True)
            pane = ["env", f"SCREENDIR={screen_dir}", "screen", "-q", "-c", "/dev/null", "-T", term,
                    "-S", name, script]
        # The options come before the session in one command list: a game that ends at once
        # (a second start) would otherwise take the server with it before they are set.
        sandbox.procs.start(f"{name}-tmux", [
            "tmux", "-S", self.socket, "-f", "/dev/null",
            "set-option", "-g", "remain-on-exit", "on", ";",
            "set-option", "-g", "history-limit", "20000", ";",
            "new-session", "-d", "-x", str(width), "-y", str(height), *pane], sandbox.env).wait(10)
        self.seen = 0
        self.pid = self._game_pid(shell_file, self.status_file)

    @staticmethod
    def _game_pid(shell_file, status_file, timeout=10.0):
        """The game: the child of the script's shell (the pane's, or screen's window's); None
        when it has already ended (a second start that only says the game runs elsewhere can end
        before it is looked for)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if os.path.exists(status_file):
                return None
            try:
                with open(shell_file) as f:
                    shell = int(f.read().strip())
            except (OSError, ValueError):
                time.sleep(0.05)
                continue
            for entry in os.listdir("/proc"):
                if entry.isdigit():
                    try:
                        with open(f"/proc/{entry}/stat") as f:
                            fields = f.read().rsplit(")", 1)[1].split()
                    except OSError:
                        continue
                    if int(fields[1]) == shell:
                        return int(entry)
            time.sleep(0.05)
        raise AssertionError("the game did not start in the terminal")

    def _tmux(self, *args):
        return subprocess.run(["tmux", "-S", self.socket, *args], check=True, capture_output=True,
                              text=True, timeout=10).stdout

    def press(self, *keys, gap=KEY_GAP_S):
        """Types tmux key names (F1, S-F1, Space, Enter, Down, C-c, a letter), one at a time."""
        for key in keys:
            self.sandbox.note(f"terminal key {key}")
            self._tmux("send-keys", key)
            time.sleep(gap)

    def send_bytes(self, data, gap=KEY_GAP_S):
        """Types the bytes another terminal sends for a key (the Linux console's, say)."""
        self.sandbox.note(f"terminal bytes {data!r}")
        self._tmux("send-keys", "-H", *[f"{b:02x}" for b in data])
        time.sleep(gap)

    def screen(self):
        """The pane as it shows now, with its history, wrapped lines joined."""
        return self._tmux("capture-pane", "-p", "-J", "-S", "-")

    def lines(self):
        """Every line printed so far, trailing empty lines left out."""
        lines = self.screen().split("\n")
        while lines and not lines[-1].strip():
            lines.pop()
        return lines

    def cursor(self):
        """The cursor as (column, row of the visible pane)."""
        x, y = self._tmux("display-message", "-p", "#{cursor_x} #{cursor_y}").split()
        return int(x), int(y)

    def expect(self, text, timeout=20.0):
        """Waits for a line after those already passed that matches, and passes it."""
        deadline = time.monotonic() + timeout
        while True:
            lines = self.lines()
            for i in range(self.seen, len(lines)):
                line = lines[i]
                if (line == text) if isinstance(text, str) else text.search(line):
                    self.seen = i + 1
                    return line
            if time.monotonic() > deadline:
                shown = "\n".join(lines[-25:])
                # A game that has ended left its own status beside the pane's.
                ended = ""
                if os.path.exists(self.status_file):
                    with open(self.status_file) as f:
                        ended = f"\nthe game ended with status {f.read().strip()}"
                raise AssertionError(f"no line {text!r} after line {self.seen}; the terminal shows:\n{shown}{ended}")
            time.sleep(0.1)

    def wait_exit(self, timeout=15.0):
        """The game's exit status once it has ended (-N when signal N ended it)."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                with open(self.status_file) as f:
                    status = int(f.read().strip())
                # The shell reports a game ended by signal N as 128 + N.
                return -(status - 128) if status > 128 else status
            except (OSError, ValueError):
                pass
            if time.monotonic() > deadline:
                raise AssertionError("the game did not end")
            time.sleep(0.1)

    def stop(self):
        subprocess.run(["tmux", "-S", self.socket, "kill-server"], capture_output=True, timeout=10)


def infocmp_string(term, capability):
    """The bytes of a terminfo string capability (kf1, kcuu1) of `term`, as the terminal sends them."""
    out = subprocess.run(["infocmp", "-1", "-g", term], check=True, capture_output=True, text=True).stdout
    m = re.search(rf"^\s*{capability}=(.*),$", out, re.M)
    if not m:
        raise KeyError(capability)
    raw = m.group(1)
    raw = raw.replace(r"\E", "\x1b").replace(r"\e", "\x1b").replace(r"\,", ",").replace(r"\^", "^")
    return raw.encode()
