#!/usr/bin/env python3
"""Writes the seed corpus: the built-in stream, small valid streams, and
damaged copies (a cut, a wrong field) of each."""
import os
import struct
import sys

quelle, ziel = sys.argv[1], sys.argv[2]
os.makedirs(ziel, exist_ok=True)
original = open(quelle, "rb").read()


def strom(breite, hoehe, pixel=b""):
    zeile = (breite * 3 + 3) // 4 * 4
    daten = (pixel or bytes(range(256)) * (zeile * hoehe // 256 + 1))[: zeile * hoehe]
    datei = 14 + 40 + len(daten)
    bmp = (b"BM" + struct.pack("<IHHI", datei, 0, 0, 54)
           + struct.pack("<IiiHHIIiiII", 40, breite, hoehe, 1, 24, 0, len(daten), 0, 0, 0, 0) + daten)
    return b"\x6C\x74\x00\x00" + struct.pack("<I", len(bmp)) + bmp


def feld(s, pos, wert):
    return s[:pos] + struct.pack("<I", wert) + s[pos + 4:]


saaten = {"original": original, "1x1": strom(1, 1), "3x5": strom(3, 5), "7x2": strom(7, 2)}
for name, s in list(saaten.items()):
    saaten[name + "-cut"] = s[: len(s) // 2]
    saaten[name + "-header"] = s[:62]
    saaten[name + "-width"] = feld(s, 26, 0x7FFFFFFF)
    saaten[name + "-height"] = feld(s, 30, 0xFFFFFF20)
    saaten[name + "-offset"] = feld(s, 18, 0xFFFFFFF0)
    saaten[name + "-imagesize"] = feld(s, 42, 0)
for name, s in saaten.items():
    with open(os.path.join(ziel, name), "wb") as f:
        f.write(s)
print(f"{len(saaten)} seeds in {ziel}")
