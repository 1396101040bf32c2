"""Pictures of the play's screen: taken with scripts/grab_screen.py, checked to be the whole screen
with the window drawn on it, and read back pixel by pixel."""
import collections
import os
import struct
import subprocess
import sys
import zlib

SCREEN = (1280, 1024)


def take(sandbox, source_dir, out):
    """Saves the whole screen as a PNG at `out`, checks it and returns it as a Picture."""
    __tracebackhide__ = True
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    grab = subprocess.run([sys.executable, os.path.join(source_dir, "scripts", "grab_screen.py"), out],
                          env=sandbox.env, capture_output=True, text=True, timeout=60)
    assert grab.returncode == 0, grab.stderr
    with open(out, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    assert struct.unpack(">II", data[16:24]) == SCREEN
    # A screen the window did not draw on is one colour, which compresses to a few kilobytes.
    assert len(data) > 20000, f"the picture is nearly empty ({len(data)} bytes)"
    return Picture(data)


class Picture:
    """A PNG as grab_screen.py writes it (8-bit RGB, rows unfiltered), by rows of pixels."""

    def __init__(self, data):
        at, packed = 8, b""
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            if kind == b"IHDR":
                self.width, self.height = struct.unpack(">II", body[:8])
            elif kind == b"IDAT":
                packed += body
            at += 12 + length
        raw = zlib.decompress(packed)
        stride = 1 + 3 * self.width
        self.rows = [raw[y * stride + 1:(y + 1) * stride] for y in range(self.height)]

    def colours(self, left, top, right, bottom):
        """The colours of the pixels in the box [left, right) x [top, bottom), as a set."""
        return {self.rows[y][3 * x:3 * x + 3] for y in range(top, bottom) for x in range(left, right)}

    def commonest(self, left, top, right, bottom):
        """The colour most pixels of the box have."""
        counts = collections.Counter(self.rows[y][3 * x:3 * x + 3]
                                     for y in range(top, bottom) for x in range(left, right))
        return counts.most_common(1)[0][0]
