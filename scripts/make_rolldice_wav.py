#!/usr/bin/env python3
"""Synthesises the game's rolling-dice sound and writes resources/ROLLDICE.wav.

Five dice are shaken in a cup, thrown, and tumble and settle on a wooden table. Every contact is
a click: a very short burst of noise that excites a few damped resonances (the hard dice ring
high, the cup and the table thump low). The cup rattles densely; on the table each die lands,
bounces at shrinking intervals and rolls to a stop, so the clicks thin out towards the end.

Only the standard library is used and the random generator has a fixed seed, so the file is
the same on every run. Mono, 44,100 samples a second, 16-bit PCM, 155,648 samples (about 3.5 s).
"""

import math
import os
import random
import struct
import wave

RATE = 44100
SAMPLES = 155648
SEED = 1973

rng = random.Random(SEED)
signal = [0.0] * SAMPLES


def click(at, gain, modes, noise_ms=1.2):
    """Adds one contact at time `at` (seconds): a noise burst exciting damped resonances.

    `modes` is a list of (frequency in Hz, decay time in seconds, relative level).
    """
    start = int(at * RATE)
    if start >= SAMPLES:
        return
    longest = max(decay for _, decay, _ in modes)
    length = min(int(longest * 6 * RATE), SAMPLES - start)
    burst = max(1, int(noise_ms / 1000 * RATE))
    phases = [rng.uniform(0, 2 * math.pi) for _ in modes]
    for n in range(length):
        t = n / RATE
        v = 0.0
        for (freq, decay, level), phase in zip(modes, phases):
            v += level * math.exp(-t / decay) * math.sin(2 * math.pi * freq * t + phase)
        if n < burst:
            v += rng.uniform(-1.0, 1.0) * (1 - n / burst)
        signal[start + n] += gain * v


def die_modes(bright=1.0):
    """The ringing of a small hard die: a few high partials that die away within milliseconds."""
    base = rng.uniform(2600, 3400) * bright
    return [
        (base, rng.uniform(0.004, 0.007), 0.6),
        (base * rng.uniform(1.55, 1.75), rng.uniform(0.003, 0.005), 0.4),
        (base * rng.uniform(2.4, 2.8), rng.uniform(0.002, 0.004), 0.25),
    ]


def cup_modes():
    """A die striking the inside of the cup: muffled, with the cup's own low body resonance."""
    return die_modes(0.8) + [(rng.uniform(700, 900), rng.uniform(0.010, 0.016), 0.5)]


def table_modes():
    """A die landing on the table: its own ring over the table's wooden thump."""
    return die_modes() + [
        (rng.uniform(180, 240), rng.uniform(0.025, 0.040), 0.9),
        (rng.uniform(420, 520), rng.uniform(0.012, 0.020), 0.4),
    ]


# The shake: the dice rattle in the cup for about 1.5 s, in bursts as the hand moves the cup
# back and forth, each burst a dense cluster of clicks.
t = 0.05
while t < 1.45:
    stroke = rng.uniform(0.17, 0.23)
    hits = rng.randint(9, 15)
    for _ in range(hits):
        at = t + rng.betavariate(2, 3) * stroke
        click(at, rng.uniform(0.10, 0.22), cup_modes(), noise_ms=0.8)
    t += stroke

# The throw: a short pause, then each die lands, bounces and rolls to rest.
land = 1.62
for die in range(5):
    at = land + rng.uniform(0.0, 0.12) + die * rng.uniform(0.02, 0.05)
    gain = rng.uniform(0.55, 0.75)
    gap = rng.uniform(0.09, 0.14)
    # Bounces: each lower and sooner than the one before.
    while gain > 0.08 and at < 3.1:
        click(at, gain, table_modes(), noise_ms=1.5)
        at += gap
        gap *= rng.uniform(0.62, 0.72)
        gain *= rng.uniform(0.55, 0.68)
    # Tumbling: edge-over-edge clicks that slow down as the die comes to a stop.
    step = rng.uniform(0.05, 0.08)
    gain = rng.uniform(0.12, 0.2)
    while at < 3.35 and gain > 0.02:
        at += step
        click(at, gain, table_modes(), noise_ms=1.0)
        step *= rng.uniform(1.2, 1.45)
        gain *= rng.uniform(0.7, 0.85)

# Two dice knock together once as they settle.
click(2.42, 0.18, die_modes(1.1))

# Scale to leave headroom and fade the very end, so the sound ends in silence.
peak = max(abs(v) for v in signal) or 1.0
scale = 0.7 / peak
fade = int(0.05 * RATE)
frames = bytearray()
for n, v in enumerate(signal):
    if n >= SAMPLES - fade:
        v *= (SAMPLES - n) / fade
    frames += struct.pack("<h", max(-32767, min(32767, int(round(v * scale * 32767)))))

out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "ROLLDICE.wav")
with wave.open(os.path.normpath(out), "wb") as w:
    w.setnchannels(1)
    w.setsampwidth(2)
    w.setframerate(RATE)
    w.writeframes(bytes(frames))
print(f"wrote {os.path.normpath(out)}: {SAMPLES} samples, {SAMPLES / RATE:.2f} s")
