#!/usr/bin/env python3
"""Writes Exhaust.wav and Error.wav beside this script: 22050 Hz, 16-bit, mono.

Exhaust.wav is one chuff: a burst of low-passed noise with a fast attack and a decay.
Error.wav is a short alert: two short tones, the second lower.
"""
import math
import os
import random
import struct
import wave

RATE = 22050


def write(name, samples):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples))


def chuff(seconds=0.15):
    rng = random.Random(1926)  # fixed, so the file is the same on every run
    out, low, lower = [], 0.0, 0.0
    count = int(RATE * seconds)
    for i in range(count):
        t = i / RATE
        envelope = min(1.0, t / 0.006) * math.exp(-t / 0.045)
        # Two one-pole low-pass stages take the hiss out of the noise.
        low += 0.35 * (rng.uniform(-1, 1) - low)
        lower += 0.35 * (low - lower)
        out.append(1.8 * lower * envelope)
    return out


def tone(freq, seconds):
    count = int(RATE * seconds)
    fade = int(RATE * 0.005)
    out = []
    for i in range(count):
        edge = min(1.0, i / fade, (count - 1 - i) / fade)
        out.append(0.45 * edge * math.sin(2 * math.pi * freq * i / RATE))
    return out


def alert():
    gap = [0.0] * int(RATE * 0.05)
    return tone(880, 0.09) + gap + tone(660, 0.12)


if __name__ == "__main__":
    write("Exhaust.wav", chuff())
    write("Error.wav", alert())
