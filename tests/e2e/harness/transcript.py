"""Reading what the game hands to its voice and its speakers, line by line, as it writes it.

The game writes one line per event: milliseconds since its start, a kind (say-async, say-sync,
sound) and the text. A line the game has begun but not finished is kept until it is complete.
Every wait has a deadline; a wait also ends at once when the game has ended and written all it
will.
"""
import os
import re
import time
from typing import NamedTuple

POLL_S = 0.02


class Line(NamedTuple):
    """One transcript line: when, what kind, the text, and its number in the file (from 1)."""
    ms: int
    kind: str
    text: str
    number: int

    def __str__(self):
        return f"{self.kind} {self.text!r}"


class TranscriptError(AssertionError):
    """A wait on the transcript that failed; the message ends with the transcript's last lines."""


def kind_matches(wanted, kind):
    """`say` stands for both say-async and say-sync; None for any kind."""
    if wanted is None:
        return True
    if wanted == "say":
        return kind in ("say-async", "say-sync")
    return kind == wanted


def text_matches(wanted, text):
    """A string must equal the text; a compiled pattern must be found in it."""
    if wanted is None:
        return True
    if isinstance(wanted, re.Pattern):
        return wanted.search(text) is not None
    return text == wanted


def describe(kind, wanted):
    shown = f"/{wanted.pattern}/" if isinstance(wanted, re.Pattern) else repr(wanted)
    return f"{kind or 'any'} {shown}"


class Transcript:
    """Reads one run's transcript as it grows. `alive` tells whether the game still runs."""

    def __init__(self, path, alive=lambda: True, label="the game"):
        self.path = path
        self.alive = alive
        self.label = label
        self.lines = []        # every line consumed so far
        self.passed = []       # lines `wait_for` passed over
        self._buffer = b""
        self._offset = 0
        self._ready = []       # lines read from the file but not yet consumed

    def _read(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self._offset)
                chunk = f.read()
        except FileNotFoundError:
            return
        self._offset += len(chunk)
        self._buffer += chunk
        *complete, self._buffer = self._buffer.split(b"\n")
        for raw in complete:
            self._ready.append(_parse(raw.decode("utf-8", "replace"),
                                      len(self.lines) + len(self._ready) + 1))

    def next_line(self, timeout=20.0):
        """The next complete line, or None when none came within the timeout or the game ended."""
        deadline = time.monotonic() + timeout
        while True:
            ended = not self.alive()
            self._read()
            if self._ready:
                line = self._ready.pop(0)
                self.lines.append(line)
                return line
            # Once the game has ended, the read just made has seen all it wrote.
            if ended or time.monotonic() >= deadline:
                return None
            time.sleep(POLL_S)

    def expect(self, text, kind="say", timeout=30.0):
        """The next line must be of the kind, with that text (a string: exactly; a pattern:
        found in it). Returns the line; a pattern's match is in `self.match`."""
        __tracebackhide__ = True
        line = self.next_line(timeout)
        # Ctrl stops the voice (pressed alone, or on its way to Ctrl+F1); only a play that asks
        # for the cancel sees it.
        while line is not None and line.kind == "cancel" and kind != "cancel":
            line = self.next_line(timeout)
        if line is None:
            self.fail(f"waited {timeout:g} s for: {describe(kind, text)}")
        if not (kind_matches(kind, line.kind) and text_matches(text, line.text)):
            self.fail(f"expected: {describe(kind, text)}\n     got: {line}")
        self.match = text.search(line.text) if isinstance(text, re.Pattern) else None
        return line

    def wait_for(self, text, kind=None, timeout=30.0):
        """Consumes lines until one of the kind matches the text; the lines passed over are kept
        in `passed`. Fails when none comes within the timeout."""
        __tracebackhide__ = True
        deadline = time.monotonic() + timeout
        while True:
            line = self.next_line(max(0.0, deadline - time.monotonic()))
            if line is None:
                self.fail(f"waited {timeout:g} s for a line: {describe(kind, text)}")
            if kind_matches(kind, line.kind) and text_matches(text, line.text):
                self.match = text.search(line.text) if isinstance(text, re.Pattern) else None
                return line
            self.passed.append(line)

    def expect_no_more(self, settle=0.0):
        """Nothing may follow the lines consumed: an unexpected announcement fails."""
        __tracebackhide__ = True
        line = self.next_line(settle)
        while line is not None and line.kind == "cancel":
            line = self.next_line(settle)
        if line is not None:
            self.fail(f"an unexpected line: {line}")

    def all_lines(self):
        """Every complete line in the file now, consumed or not."""
        self._read()
        return self.lines + self._ready

    def tail(self, count=25):
        """The file's last lines, those consumed marked with '>', and any unfinished line."""
        self._read()
        everything = self.lines + self._ready
        shown = [f"{'>' if l.number <= len(self.lines) else ' '} {l.number:4d} {l.ms} {l.kind} {l.text}"
                 for l in everything[-count:]]
        if self._buffer:
            shown.append(f"  (unfinished line: {self._buffer.decode('utf-8', 'replace')})")
        if not everything:
            shown.append("  (nothing written)" if os.path.exists(self.path) else "  (no transcript file)")
        return "\n".join(shown)

    def fail(self, message):
        __tracebackhide__ = True
        raise TranscriptError(f"{message}\n--- {self.label}'s transcript, last lines "
                              f"('>' marks those consumed):\n{self.tail()}")


def _parse(raw, number):
    ms, _, rest = raw.partition(" ")
    kind, _, text = rest.partition(" ")
    return Line(int(ms) if ms.isdigit() else -1, kind, text, number)
