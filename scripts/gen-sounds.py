#!/usr/bin/env python3
"""Writes the small alert sounds the device image ships (data/device/usr/data_resource/sound/).

Each is made here from sine tones, so the files carry no third-party content. Run again after a
change; the output is byte-for-byte the same every time.
"""
import math
import os
import struct
import wave

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "device", "usr", "data_resource", "sound")
RATE = 8000


def tone_wav(path, notes):
    """notes: list of (frequency in Hz or 0 for silence, seconds)."""
    frames = bytearray()
    for frequency, seconds in notes:
        count = int(RATE * seconds)
        for i in range(count):
            # A short fade in and out keeps the edges from clicking.
            envelope = min(1.0, i / 80.0, (count - i) / 400.0)
            value = math.sin(2 * math.pi * frequency * i / RATE) if frequency else 0.0
            frames.append(int(128 + 90 * envelope * value))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


def midi(path, notes):
    """A one-track MIDI file: notes as (key, ticks)."""
    track = bytearray()
    for key, ticks in notes:
        track += bytes([0x00, 0x90, key, 0x60])
        track += bytes([ticks & 0x7F, 0x80, key, 0x00]) if ticks < 128 else bytes([0x81, ticks - 128, 0x80, key, 0x00])
    track += bytes([0x00, 0xFF, 0x2F, 0x00])
    data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(track)) + bytes(track)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


tone_wav(os.path.join(ROOT, "ui_sounds", "ui_countdown_sound_10.wav"), [(880, 0.15), (0, 0.1), (880, 0.15), (0, 0.1), (1320, 0.3)])
tone_wav(os.path.join(ROOT, "alerts", "azaan_chime.wav"), [(523, 0.25), (659, 0.25), (784, 0.5)])
tone_wav(os.path.join(ROOT, "alerts", "soft_bell.wav"), [(660, 0.6)])
midi(os.path.join(ROOT, "alerts", "two_tones.mid"), [(67, 96), (72, 192)])
