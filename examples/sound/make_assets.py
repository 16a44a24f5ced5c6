#!/usr/bin/python3
"""Writes the sound example's assets beside this script: boom.wav, a short
explosion effect, and tune.mid, a looping General MIDI melody. The output is
the same on every run, so the committed files can be checked against it."""
import math
import random
import struct
import wave
from pathlib import Path

HERE = Path(__file__).resolve().parent


def write_boom(path):
    """0.4 s of low-passed noise under a falling tone, decaying to silence."""
    rate = 22050
    rng = random.Random(7)
    frames = bytearray()
    smooth = 0.0
    for n in range(int(rate * 0.4)):
        t = n / rate
        smooth += (rng.uniform(-1, 1) - smooth) * 0.15
        tone = math.sin(2 * math.pi * (90 - 120 * t) * t)
        level = math.exp(-t * 9)
        sample = int(max(-1.0, min(1.0, (0.8 * smooth + 0.4 * tone) * level * 1.6)) * 32000)
        frames += struct.pack('<h', sample)
    with wave.open(str(path), 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def write_tune(path):
    """A format 0 MIDI file: a flute melody over a bass line, 120 beats a minute."""
    ticks = 96
    melody = [(72, 1), (76, 1), (79, 1), (76, 1), (74, 2), (71, 2),
              (72, 1), (74, 1), (76, 1), (79, 1), (77, 2), (76, 2)]
    bass = [48, 43, 45, 41]
    events = []  # (tick, bytes)
    events.append((0, bytes([0xC0, 73])))  # channel 0: flute
    events.append((0, bytes([0xC1, 32])))  # channel 1: acoustic bass
    tick = 0
    for note, beats in melody:
        events.append((tick, bytes([0x90, note, 90])))
        events.append((tick + beats * ticks - 4, bytes([0x80, note, 0])))
        tick += beats * ticks
    for bar, note in enumerate(bass):
        start = bar * 4 * ticks
        events.append((start, bytes([0x91, note, 100])))
        events.append((start + 4 * ticks - 8, bytes([0x81, note, 0])))
    events.sort(key=lambda e: e[0])
    track = bytearray(b'\x00\xff\x51\x03' + (500000).to_bytes(3, 'big'))
    now = 0
    for at, data in events:
        track += variable_length(at - now) + data
        now = at
    track += b'\x00\xff\x2f\x00'
    header = b'MThd' + struct.pack('>IHHH', 6, 0, 1, ticks)
    path.write_bytes(header + b'MTrk' + struct.pack('>I', len(track)) + bytes(track))


if __name__ == '__main__':
    write_boom(HERE / 'boom.wav')
    write_tune(HERE / 'tune.mid')
