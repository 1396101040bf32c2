"""The rolling sound plays to its end before the dice that follow it are spoken.

A saved game whose first throw is pending is resumed with the real speech server and sound
server; everything the game plays is recorded from the null sink's monitor. The game is held up
for a moment while the sound plays, as a busy machine holds it up. The recording must hold the
whole dice sound with speech after it, and the transcript the sound followed by the dice spoken
synchronously."""
import os
import re
import signal
import struct
import time
import wave

FRAME = 441  # 10 ms at 44,100 samples a second


def envelope(path):
    """Mean absolute level of every 10 ms, on a scale of 0 to 1."""
    with wave.open(path) as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, 44100), \
            f"{path}: expected 44,100 Hz mono 16-bit"
        data = w.readframes(w.getnframes())
    samples = struct.unpack(f"<{len(data) // 2}h", data)
    return [sum(abs(s) for s in samples[i:i + FRAME]) / FRAME / 32768
            for i in range(0, len(samples) - FRAME + 1, FRAME)]


def best_match(rec, tpl):
    """Where the template's envelope lies in the recording's: the best correlation of the two,
    each taken about its mean, so that a loud stretch does not match merely by being loud."""
    n = len(tpl)
    tmean = sum(tpl) / n
    tdev = [t - tmean for t in tpl]
    tnorm = sum(d * d for d in tdev) ** 0.5
    best, lag = -1.0, 0
    for at in range(len(rec) - n + 1):
        window = rec[at:at + n]
        wmean = sum(window) / n
        wnorm = sum((w - wmean) ** 2 for w in window) ** 0.5
        if wnorm == 0:
            continue
        c = sum((w - wmean) * d for w, d in zip(window, tdev)) / (wnorm * tnorm)
        if c > best:
            best, lag = c, at
    return best, lag


def test_sound_then_speech(sandbox, sound_server, speech_server, game, source_dir):
    speech_server.start()
    # A saved game of one player in round 1 whose first throw is still to come: the game resumes
    # it by announcing the round, playing the rolling sound, throwing and saying the dice.
    lines = ["1", "1", "1", "3", "1"] + ["?", "0"] * 5 + [""] * 15 + ["0"] * 13
    with open(os.path.join(sandbox.tmp, "tvyacht.tmp"), "w", newline="") as f:
        f.write("".join(l + "\r\n" for l in lines))
    recording = sound_server.record(os.path.join(sandbox.work, "recording.wav"), rate=44100)

    run = game.start(window=False)
    sound = run.wait_for("rolldice", kind="sound", timeout=60)
    # Nothing of the game runs for 0.3 s, early in the sound: what the sound server already holds
    # must carry the rattle over it.
    time.sleep(0.8)
    os.kill(run.proc.pid, signal.SIGSTOP)
    time.sleep(0.3)
    os.kill(run.proc.pid, signal.SIGCONT)
    dice = run.expect(re.compile(r"^( [1-6]){5}$|^yacht$"), kind="say-sync", timeout=30)
    held = dice.ms - sound.ms
    assert held >= 3400, f"the dice were spoken {held} ms after the sound began, before it had ended"
    print(f"transcript: sound, then after {held} ms: say-sync {dice.text}")
    time.sleep(6)   # the dice are heard
    recording.stop()

    rec = envelope(recording.path)
    tpl = envelope(os.path.join(source_dir, "resources", "ROLLDICE.wav"))
    n = len(tpl)
    assert len(rec) >= n, "the recording is shorter than the dice sound"
    best, lag = best_match(rec, tpl)
    assert best >= 0.9, f"the dice sound is not in the recording (best match {best:.2f})"
    print(f"dice sound found at {lag * 10} ms, match {best:.3f}, {n * 10} ms long")

    # Nothing else sounded over it: the recording is nowhere much louder than the dice sound near
    # that moment (a frame's neighbours count, as the two frame grids need not line up).
    scale = sum(r * t for r, t in zip(rec[lag:lag + n], tpl)) / sum(t * t for t in tpl)
    loud = [i for i in range(n) if rec[lag + i] > 2 * scale * max(tpl[max(0, i - 1):i + 2]) + 0.003]
    assert len(loud) <= 3, f"something else sounded during the dice, at {[(lag + i) * 10 for i in loud[:5]]} ms"

    # Speech after it: at least 300 ms above silence within five seconds of its end.
    after = rec[lag + n:lag + n + 500]
    voiced = sum(1 for a in after if a > 0.002)
    assert voiced >= 30, f"no speech after the dice sound ({voiced * 10} ms above silence)"
    first = next(i for i, a in enumerate(after) if a > 0.002)
    print(f"speech after the sound: begins {first * 10} ms after it, {voiced * 10} ms above silence")
