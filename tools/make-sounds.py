#!/usr/bin/env python3
"""Synthesises the five short sounds of the pass-around dialog into res/sounds/."""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 16000


def tone(frequency, seconds, volume=0.35):
    count = int(RATE * seconds)
    samples = []
    for i in range(count):
        # A soft attack and a decay, so the notes do not click.
        envelope = min(1.0, i / (RATE * 0.01)) * math.exp(-4.0 * i / count)
        value = math.sin(2 * math.pi * frequency * i / RATE)
        value += 0.3 * math.sin(4 * math.pi * frequency * i / RATE)
        samples.append(volume * envelope * value / 1.3)
    return samples


def write(path, notes):
    samples = []
    for frequency, seconds in notes:
        samples += tone(frequency, seconds)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(s * 32767)) for s in samples))


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "src/res/sounds")
    folder.mkdir(parents=True, exist_ok=True)
    C5, E5, G5, C6, A4 = 523.25, 659.25, 783.99, 1046.5, 440.0
    write(folder / "kvstart.wav", [(C5, 0.12), (G5, 0.2)])
    write(folder / "kvnext.wav", [(E5, 0.08)])
    write(folder / "kvprev.wav", [(A4, 0.08)])
    write(folder / "kvshow.wav", [(C5, 0.09), (E5, 0.09), (G5, 0.09), (C6, 0.2)])
    write(folder / "kvend.wav", [(G5, 0.12), (C5, 0.25)])


if __name__ == "__main__":
    main()
