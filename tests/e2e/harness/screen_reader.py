"""Orca, the screen reader, for the plays that are about it: an accessibility bus of the play's
own and Orca on its own defaults (speech through the play's speech-dispatcher, braille, which its
debug log shows without a display attached, key echo on). Its settings live in the play's private
data folder."""
import os
import re
import shutil
import time


class ScreenReader:
    """A running Orca; `log` is its debug log, `speech_log` the speech server's."""

    def __init__(self, procs, env, logs, speech_log):
        self.procs, self.env = procs, env
        self.log = os.path.join(logs, "orca-debug.log")
        self.speech_log = speech_log
        self.proc = None

    @staticmethod
    def unavailable():
        for tool in ("orca", "/usr/libexec/at-spi-bus-launcher"):
            if not shutil.which(tool):
                return f"not installed: {tool}"
        return None

    def start(self):
        self.procs.start("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], self.env)
        self.proc = self.procs.start("orca", ["orca", "--debug-file", self.log], self._own_session())
        if not self.has("SPEECH OUTPUT", "Screen reader on", 60):
            raise RuntimeError("Orca did not start")
        return self

    def _own_session(self):
        """The play's environment, with a `pgrep` first on the path that reports only the Orcas of
        the play's own session. Orca refuses to start while `pgrep -u UID -x orca` finds another
        Orca of the same user, such as the player's own screen reader or another play's; the
        play's Orca may run beside those, and never replaces them."""
        folder = os.path.join(os.path.dirname(self.log), "orca-bin")
        os.makedirs(folder, exist_ok=True)
        wrapper = os.path.join(folder, "pgrep")
        runtime = self.env["XDG_RUNTIME_DIR"]
        with open(wrapper, "w") as f:
            f.write("#!/bin/sh\n"
                    f"for pid in $(/usr/bin/pgrep \"$@\"); do\n"
                    f"  tr '\\0' '\\n' < /proc/$pid/environ 2>/dev/null | "
                    f"grep -qxF 'XDG_RUNTIME_DIR={runtime}' && echo $pid\n"
                    "done\nexit 0\n")
        os.chmod(wrapper, 0o755)
        return dict(self.env, PATH=folder + os.pathsep + self.env["PATH"])

    def text(self):
        return open(self.log, errors="replace").read() if os.path.exists(self.log) else ""

    def has(self, kind, text, timeout=30):
        """Waits for Orca's debug log to present `text` (a string it starts with, or a compiled
        pattern) as speech ("SPEECH OUTPUT") or on the braille line ("BRAILLE LINE"). Orca writes
        its log in blocks: what it did last shows once it has done more, or has ended."""
        body = text.pattern if isinstance(text, re.Pattern) else re.escape(text)
        pattern = re.compile(re.escape(kind) + r":\s+'" + body)
        end = time.monotonic() + timeout
        while True:
            if pattern.search(self.text()):
                return True
            if time.monotonic() >= end:
                return False
            time.sleep(0.2)

    def spoken(self):
        """Every SPEECH OUTPUT line of Orca's log, in order."""
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", self.text())

    def brailled(self):
        """Every BRAILLE LINE of Orca's log, in order."""
        return re.findall(r"BRAILLE LINE:\s+'(.*)'", self.text())

    def stop(self):
        """Ends Orca, which writes out the rest of its log as it ends."""
        self.procs.stop(self.proc)
