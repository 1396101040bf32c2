"""Checks a recording of the null sink against the game's transcripts: that speech really came
out when the transcript says a text was handed to the voice, and that the rolling-dice sound,
about three and a half seconds of it, really played at each "sound rolldice".
"""

import math
import struct
import warnings

FRAME_S = 0.02          # loudness is measured in frames of 20 ms
ACTIVE_DBFS = -60.0     # a frame this loud or louder carries sound; the null sink's silence is 0
SOUND_S = 3.5           # length of the rolling-dice sound
SPEECH_WINDOW_S = 2.5   # speech starts within this long after the text was handed over
FLOOR_DBFS = -70.0      # quieter than this counts as silence when loudness curves are compared
MATCH = 0.7             # likeness of loudness curves that counts as the dice sound (speech stays below 0.5)
SEARCH_BEFORE_S = 1.0   # the dice sound is looked for from this long before the transcript's time
SEARCH_AFTER_S = 1.5    # to this long after it
LAUNCH_S = 2.0          # and, for a run's first sound, this much further

try:
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        import audioop  # present up to Python 3.12, and fast

    def rms(fragment):
        return audioop.rms(fragment, 2)
except ImportError:  # pragma: no cover - newer Pythons
    import array

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
        raise ValueError(f"{path}: not a WAV file")
    pos, rate, channels, bits = 12, None, None, None
    while pos + 8 <= len(data):
        cid, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        body = pos + 8
        if cid == b"fmt ":
            _, channels, rate, _, _, bits = struct.unpack("<HHIIHH", data[body:body + 16])
        elif cid == b"data":
            if channels != 1 or bits != 16:
                raise ValueError(f"{path}: expected mono 16-bit, got {channels} channels, {bits} bits")
            return data[body:], rate
        pos = body + size + (size & 1)
    raise ValueError(f"{path}: no data chunk")


def loudness(pcm, rate):
    step = int(rate * FRAME_S) * 2
    return [rms(pcm[i:i + step]) for i in range(0, len(pcm) - step + 1, step)]


def dbfs(value):
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


def decibels(levels):
    return [max(FLOOR_DBFS, dbfs(v)) for v in levels]


def correlation(a, b):
    n = len(a)
    ma, mb = sum(a) / n, sum(b) / n
    sab = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    saa = sum((x - ma) ** 2 for x in a)
    sbb = sum((y - mb) ** 2 for y in b)
    return sab / math.sqrt(saa * sbb) if saa > 0 and sbb > 0 else 0.0


def check(recording, pairs, reference=None):
    """Prints what it measured and returns the problems found. `pairs` holds, for each run of
    the game, its transcript's path and when it started, in seconds after the recording began;
    `reference` is the game's own dice wave, whose loudness curve is looked for."""
    pcm, rate = read_wav(recording)
    levels = loudness(pcm, rate)
    threshold = 32768 * 10 ** (ACTIVE_DBFS / 20)
    active = [v >= threshold for v in levels]
    total_s = len(levels) * FRAME_S
    happenings = events(pairs)
    run_sounds = [(t, run) for run, (path, offset) in enumerate(pairs)
                  for t, kind, _ in events([(path, offset)]) if kind == "sound"]
    sounds = [t for t, _ in run_sounds]
    says = [(t, text) for t, kind, text in happenings if kind.startswith("say")]
    problems = []

    def frames(start, end):
        a, b = max(0, int(start / FRAME_S)), min(len(levels), int(end / FRAME_S))
        return range(a, max(a, b))

    def coverage(start, end):
        span = frames(start, end)
        return sum(active[i] for i in span) / len(span) if len(span) else 0.0

    # The dice sound: where the transcript lists it, the recording must hold the loudness curve
    # of the game's own rolling-dice wave (its first three seconds, before the dice are read
    # out). Without the wave at hand, three seconds of sound must be there.
    # The recording's clock can drift from the transcripts': a game started while the machine
    # is busy begins its clock late, and a recorder that falls behind loses samples. Each sound
    # is looked for around where the one before it was found, so the drift is followed.
    delays, missing, likeness, found = [], [], [], []
    if reference:
        ref_pcm, ref_rate = read_wav(reference)
        shape = decibels(loudness(ref_pcm, ref_rate))[: int(3.0 / FRAME_S)]
        heard = decibels(levels)
        drift, run = 0.0, None
        for t, its_run in sorted(run_sounds):
            # A run's first sound is looked for further on: its clock began when that run's
            # program did, which a busy machine can delay.
            late = 0.0 if its_run == run else LAUNCH_S
            run = its_run
            best, at = -1.0, None
            for i in frames(t + drift - SEARCH_BEFORE_S, t + drift + SEARCH_AFTER_S + late):
                if i + len(shape) > len(heard):
                    break
                r = correlation(shape, heard[i:i + len(shape)])
                if r > best:
                    best, at = r, i
            if at is not None and best >= MATCH:
                drift = at * FRAME_S - t
                delays.append(drift)
                found.append((t, drift))
                likeness.append(best)
            else:
                missing.append(f"{t:.1f}s (best likeness {best:.2f})")
    else:
        for t in sounds:
            if coverage(t + 0.3, t + SOUND_S - 0.3) < 0.6:
                missing.append(f"{t:.1f}s")
    delays.sort()
    shift = delays[len(delays) // 2] if delays else 0.0

    def shift_at(t):
        """The recording's lag behind the transcripts at `t`: that of the last dice sound found
        before it, or the usual lag before the first."""
        before = [d for when, d in found if when <= t]
        return before[-1] if before else shift
    how = "by the wave's loudness curve" if reference else "by three seconds of sound"
    print(f"dice sounds: {len(sounds)} listed, {len(sounds) - len(missing)} found {how}; "
          f"they began {shift:+.2f} s after the transcript's time"
          + (f" (from {delays[0]:+.2f} to {delays[-1]:+.2f} s)" if delays else "")
          + (f"; least likeness {min(likeness):.2f}" if likeness else ""))
    if not sounds:
        problems.append("the transcript lists no dice sound")
    if missing:
        problems.append("dice sounds missing from the recording at " + ", ".join(missing[:10]))

    first = min((t for t, _, _ in happenings), default=total_s) + shift
    before = [levels[i] for i in frames(0, first - 0.3)]
    floor = max(before, default=0)
    print(f"recording: {total_s:.1f} s; silence before the game spoke: {len(before) * FRAME_S:.1f} s, "
          f"loudest {dbfs(floor):.1f} dBFS")
    if before and floor >= threshold:
        problems.append("the recording was not silent before the game started")

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
        if coverage(t + shift_at(t) - 0.1, t + shift_at(t) + SPEECH_WINDOW_S) < 0.05:
            mute.append(f"{t:.1f}s '{text[:40]}'")
    loud = sorted(levels[i] for i, on in enumerate(active) if on)
    median = loud[len(loud) // 2] if loud else 0
    print(f"speech: {checked} texts checked, {len(mute)} without sound; "
          f"{len(loud) * FRAME_S:.1f} s of sound in all, median level {dbfs(median):.1f} dBFS")
    if checked == 0:
        problems.append("no text to check against the recording")
    elif len(mute) > checked // 20:
        problems.append("texts without speech in the recording: " + "; ".join(mute[:10]))

    return problems
