#!/usr/bin/env python3
# Writes a 4-minute stereo test song (drums, bass and a chord progression at 118 BPM) as a
# 16-bit 44.1 kHz WAV file, for the analysis figures. Encode it with
#   lame -b 192 song.wav song.mp3
# Usage: make_bench_track.py OUT.wav [SECONDS]
import sys, wave
import numpy as np

rate = 44100
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 240.0
bpm = 118.0
n = int(seconds * rate)
beat = 60.0 / bpm
rng = np.random.default_rng(7)
left = np.zeros(n)
right = np.zeros(n)

def add(buf, at, sig):
    s = int(at * rate)
    if s >= n:
        return
    e = min(n, s + len(sig))
    buf[s:e] += sig[: e - s]

t = np.arange(int(0.4 * rate)) / rate
kick = np.sin(2 * np.pi * (50 + 80 * np.exp(-t * 30)) * t) * np.exp(-t * 9)
snare = rng.uniform(-1, 1, len(t)) * np.exp(-t * 22) * 0.6 + np.sin(2 * np.pi * 190 * t) * np.exp(-t * 25) * 0.3
hat = rng.uniform(-1, 1, len(t)) * np.exp(-t * 80) * 0.25

def note(freq, length, level):
    tt = np.arange(int(length * rate)) / rate
    env = np.minimum(1.0, tt / 0.01) * np.exp(-tt * 1.5)
    v = sum((0.6 ** h) * np.sin(2 * np.pi * (h + 1) * freq * tt) for h in range(6))
    return level * env * v

def midi(m):
    return 440.0 * 2 ** ((m - 69) / 12.0)

progression = [(57, [0, 3, 7]), (53, [0, 4, 7]), (48, [0, 4, 7]), (55, [0, 4, 7, 10])]
beats = int(seconds / beat)
for b in range(beats):
    at = b * beat
    add(left, at, kick * (0.5 if b % 2 == 0 else 0.0))
    add(right, at, kick * (0.5 if b % 2 == 0 else 0.0))
    if b % 2 == 1:
        add(left, at, snare * 0.4)
        add(right, at, snare * 0.5)
    for half in (0.0, 0.5):
        add(right, at + half * beat, hat * 0.5)
    root, chord = progression[(b // 4) % len(progression)]
    add(left, at, note(midi(root - 12), beat, 0.12))
    add(right, at, note(midi(root - 12), beat, 0.12))
    if b % 2 == 0:
        for iv in chord:
            add(left, at, note(midi(root + iv), 2 * beat, 0.05))
            add(right, at + 0.01, note(midi(root + iv + 12), 2 * beat, 0.03))

peak = max(np.abs(left).max(), np.abs(right).max())
pcm = (np.stack([left, right], axis=1) / peak * 0.9 * 32767).astype('<i2')
with wave.open(sys.argv[1], 'wb') as w:
    w.setnchannels(2)
    w.setsampwidth(2)
    w.setframerate(rate)
    w.writeframes(pcm.tobytes())
