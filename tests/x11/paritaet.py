#!/usr/bin/python3
"""The window against the table of key roads it shares with the page
(tests/paritaet.json): real key presses, and after each road the menu title
and item, or the line of List1, that last took the focus on the AT-SPI bus.
usage: paritaet.py TABLE.json PID   (inside the bus of zugang.sh)
Exits 1 on the first road that ends elsewhere than the table says.
"""
import json
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from atspibus import programm, pumpen  # noqa: E402

TABELLE, PID = sys.argv[1], int(sys.argv[2])
XDOTOOL = {"Shift+Tab": "shift+Tab", "PageDown": "Next", "PageUp": "Prior"}
# A menu opened from the keyboard shows its ready item half a second late
# while a screen reader listens; what is read waits for that.
RUHE = 0.8


def druecken(tasten):
    for t in tasten:
        subprocess.run(["xdotool", "key", "--clearmodifiers", XDOTOOL.get(t, t)], check=True)
        pumpen(0.15)
    pumpen(RUHE)


def leer(text):
    return " ".join(text.split())


def main():
    tabelle = json.load(open(TABELLE, encoding="utf-8"))
    if programm(PID) is None:
        sys.exit("paritaet: das Programm erscheint nicht auf dem AT-SPI-Bus")
    fokus = []

    def merken(e):
        if e.detail1 == 1:
            fokus.append(e.source)

    zuhoerer = Atspi.EventListener.new(merken)
    zuhoerer.register("object:state-changed:focused")
    pumpen(0.5)
    # A loaded machine may hand the window its keys late: F10 and Escape until
    # the menus answer, at most ten times.
    for _ in range(10):
        del fokus[:]
        druecken(["F10"])
        bereit = bool(fokus)
        druecken(["Escape"])
        if bereit:
            break
    falsch = []

    def wo():
        o = fokus[-1] if fokus else None
        if o is None or o.getRoleName() != "menu item":
            return None, None
        if o.parent is not None and o.parent.getRoleName() == "popup menu":
            return o.parent.name, o.name
        return o.name, None

    for weg in tabelle["menue"]:
        del fokus[:]
        druecken(weg["tasten"])
        ist = wo()
        soll = (weg["titel"], weg["eintrag"])
        print(f"paritaet: {' '.join(weg['tasten']):>40} -> {ist}", flush=True)
        if ist != soll:
            falsch.append(f"{weg['tasten']}: {ist}, erwartet {soll}")
        druecken(["Escape"])

    for tasten in tabelle["liste"]["vorher"]:
        druecken(tasten)
        pumpen(0.5)  # a box opens or a command runs
    for schritt in tabelle["liste"]["schritte"]:
        del fokus[:]
        druecken([schritt["taste"]])
        zelle = fokus[-1] if fokus else None
        if zelle is None or zelle.getRoleName() != "table cell":
            falsch.append(f"{schritt['taste']}: keine Zeile von List1 hat den Fokus: {zelle}")
            continue
        liste = zelle.parent.queryTable()
        ist = leer(zelle.name)
        soll = leer(liste.getAccessibleAt(schritt["zeile"], 0).name)
        print(f"paritaet: {schritt['taste']:>40} -> {ist!r}", flush=True)
        if ist != soll or ist != schritt["text"]:
            falsch.append(f"{schritt['taste']}: {ist!r}, erwartet Zeile {schritt['zeile']} "
                          f"{soll!r}, laut Tabelle {schritt['text']!r}")
    zuhoerer.deregister("object:state-changed:focused")
    for f in falsch:
        print("paritaet: " + f, file=sys.stderr)
    sys.exit(1 if falsch else 0)


if __name__ == "__main__":
    main()
