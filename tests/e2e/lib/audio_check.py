#!/usr/bin/env python3
"""Checks a recording of the null sink against the game's transcripts: that speech really came
out when the transcript says a text was handed to the voice, and that the rolling-dice sound,
about three and a half seconds of it, really played at each "sound rolldice".

Usage: audio_check.py RECORDING.wav TRANSCRIPT OFFSET [TRANSCRIPT OFFSET ...]
OFFSET is when that run of the game started, in seconds after the recording began.
Prints what it measured; exits 1 when sound is missing."""

import struct
import sys

FRAME_S = 0.02          # loudness is measured in frames of 20 ms
ACTIVE_DBFS = -50.0     # a frame this loud or louder carries sound; the null sink's silence is 0
SOUND_S = 3.5           # length of the rolling-dice sound
SPEECH_WINDOW_S = 2.5   # speech starts within this long after the text was handed over

try:
    import audioop  # present up to Python 3.12, and fast

    def rms(fragment):
        return audioop.rms(fragment, 2)
except ImportError:  # pragma: no cover - newer Pythons
    import array
    import math

    def rms(fragment):
        samples = array.array("h", fragment)
        if not samples:
            return 0
        return int(math.sqrt(sum(s * s for s in samples) / len(samples)))


def read_wav(path):
    """Mono 16-bit samples and their rate. The data chunk is read to the end of the file, so a
    recording whose header was not finished is still read whole."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise SystemExit(f"{path}: not a WAV file")
    pos, rate, channels, bits = 12, None, None, None
    while pos + 8 <= len(data):
        cid, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        body = pos + 8
        if cid == b"fmt ":
            _, channels, rate, _, _, bits = struct.unpack("<HHIIHH", data[body:body + 16])
        elif cid == b"data":
            if channels != 1 or bits != 16:
                raise SystemExit(f"{path}: expected mono 16-bit, got {channels} channels, {bits} bits")
            return data[body:], rate
        pos = body + size + (size & 1)
    raise SystemExit(f"{path}: no data chunk")


def loudness(pcm, rate):
    step = int(rate * FRAME_S) * 2
    return [rms(pcm[i:i + step]) for i in range(0, len(pcm) - step + 1, step)]


def dbfs(value):
    import math
    return 20 * math.log10(value / 32768) if value > 0 else float("-inf")


def events(pairs):
    """(seconds after the recording began, kind, text) for every transcript line."""
    out = []
    for path, offset in pairs:
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                parts = line.rstrip("\n").split(" ", 2)
                if len(parts) >= 2 and parts[0].isdigit():
                    out.append((offset + int(parts[0]) / 1000, parts[1], parts[2] if len(parts) > 2 else ""))
    return out


def main(argv):
    if len(argv) < 4 or len(argv) % 2:
        raise SystemExit(__doc__)
    pcm, rate = read_wav(argv[1])
    pairs = [(argv[i], float(argv[i + 1])) for i in range(2, len(argv), 2)]
    levels = loudness(pcm, rate)
    threshold = 32768 * 10 ** (ACTIVE_DBFS / 20)
    active = [v >= threshold for v in levels]
    total_s = len(levels) * FRAME_S
    happenings = events(pairs)
    sounds = [t for t, kind, _ in happenings if kind == "sound"]
    says = [(t, text) for t, kind, text in happenings if kind.startswith("say")]

    def frames(start, end):
        a, b = max(0, int(start / FRAME_S)), min(len(levels), int(end / FRAME_S))
        return range(a, max(a, b))

    def coverage(start, end):
        span = frames(start, end)
        return sum(active[i] for i in span) / len(span) if len(span) else 0.0

    # The clocks of the recorder and of the game differ by the start-up of each; find the shift
    # at which the dice sounds line up best with sound in the recording.
    shifts = [s / 50 for s in range(-50, 101)]
    shift = max(shifts, key=lambda s: sum(coverage(t + s + 0.3, t + s + SOUND_S - 0.3) for t in sounds)) if sounds else 0.0

    problems = []
    first = min((t for t, _, _ in happenings), default=total_s)
    before = [levels[i] for i in frames(0, first - 0.2)]
    floor = max(before, default=0)
    print(f"recording: {total_s:.1f} s; before the game spoke its loudest frame was {dbfs(floor):.1f} dBFS")
    if before and floor >= threshold:
        problems.append("the recording was not silent before the game started")

    weak = []
    for t in sounds:
        c = coverage(t + shift + 0.3, t + shift + SOUND_S - 0.3)
        if c < 0.6:
            weak.append(f"{t:.1f}s ({c:.0%})")
    print(f"dice sounds: {len(sounds)}, lined up {shift:+.2f} s; without sound: {len(weak)}")
    if not sounds:
        problems.append("the transcript lists no dice sound")
    if weak:
        problems.append("dice sounds missing from the recording at " + ", ".join(weak[:10]))

    # Speech: every text handed to the voice that has no other text or sound right after it (so
    # that what is heard is surely its own) must be followed by sound within the window.
    starts = sorted([t for t, _ in says] + sounds)
    mute = []
    checked = 0
    for t, text in says:
        later = [s for s in starts if s > t]
        if later and later[0] - t < 0.5:
            continue
        checked += 1
        if coverage(t + shift, t + shift + SPEECH_WINDOW_S) < 0.05:
            mute.append(f"{t:.1f}s '{text[:40]}'")
    speech_frames = [levels[i] for i, on in enumerate(active) if on]
    loud = sorted(speech_frames)[len(speech_frames) // 2] if speech_frames else 0
    print(f"speech: {checked} texts checked, {len(mute)} without sound; "
          f"{len(speech_frames) * FRAME_S:.1f} s of sound in all, median level {dbfs(loud):.1f} dBFS")
    if checked == 0:
        problems.append("no text to check against the recording")
    elif len(mute) > checked // 10:
        problems.append("texts without speech in the recording: " + "; ".join(mute[:10]))

    for p in problems:
        print("FAIL: " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
