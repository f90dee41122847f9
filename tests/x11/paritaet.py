#!/usr/bin/python3
"""The window against the table of key roads it shares with the page
(tests/paritaet.json): real key presses, and after each road the menu title
and item, or the line of List1, that last took the focus on the AT-SPI bus.
usage: paritaet.py TABLE.json PID   (inside the bus of zugang.sh)
Exits 1 on the first road that ends elsewhere than the table says.
The walk ("wege") clicks and points at the objects' places on the bus, and
pastes through xclip.
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


# Where the keyboard is, as the table's "wo" names it, from the object that last took the focus.
TEXTFELDER = {"zu verschlüsselnder Text": "Text2", "entschlüsselter Text": "Text3"}
BILDER = {"Picture1": "Originalbild", "Picture2": "Kopie des Bildes, in der der Text versteckt wird"}


def ort(o):
    rolle = o.getRoleName() if o is not None else None
    if rolle == "menu item":
        eltern = o.parent.getRoleName() if o.parent is not None else None
        return f"{o.parent.name}/{o.name}" if eltern == "popup menu" else f"{o.name}/"
    if rolle == "popup menu":
        return f"{o.name}/"
    if rolle in ("text", "entry"):
        return TEXTFELDER.get(o.name, "Schluessel")
    if rolle in ("table", "table cell", "list", "list item"):
        return "List1"
    return "Meldung" if rolle == "push button" else rolle


def finden(wurzel, test):
    for i in range(wurzel.get_child_count()):
        kind = wurzel.get_child_at_index(i)
        if kind is None:
            continue
        if test(kind):
            return kind
        tiefer = finden(kind, test)
        if tiefer is not None:
            return tiefer
    return None


def zeigen(app, name, klick):
    """Moves the mouse onto (and clicks) a picture, a menu title or an item of the open menu,
    by caption; a separator's name stands for the open menu's first separator."""
    offen = lambda o: o.get_state_set().contains(Atspi.StateType.SHOWING)  # noqa: E731
    if name in BILDER:
        ziel = finden(app, lambda o: o.name == BILDER[name])
    elif "trenner" in name.lower():
        ziel = finden(app, lambda o: o.getRoleName() == "separator" and offen(o.parent))
    else:
        ziel = finden(app, lambda o: o.name == name and o.getRoleName() == "menu item" and offen(o))
    r = ziel.get_extents(Atspi.CoordType.SCREEN)
    befehl = ["mousemove", str(r.x + r.width // 2), str(r.y + r.height // 2)] + (["click", "1"] if klick else [])
    subprocess.run(["xdotool", *befehl], check=True)
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
    # The walk, each row from where the one before ended; a fresh program starts in Text2.
    app = programm(PID)
    druecken(["Tab"])  # from List1 to Text2
    for weg in tabelle.get("wege", []):
        for schritt in weg["schritte"]:
            art, _, ziel = schritt.partition(":")
            if art == "einfuegen":
                subprocess.run(["xclip", "-selection", "clipboard"], input=b"x" * int(ziel), check=True)
                druecken(["ctrl+v"])
            elif ziel:
                zeigen(app, ziel, art == "klick")
            else:
                druecken([schritt])
        if weg.get("abgewiesen"):
            ist = ort(fokus[-1] if fokus else None)
            if ist != "Meldung":
                falsch.append(f"{weg['schritte']}: keine Meldung, sondern {ist}")
            druecken(["Return"])
        ist = ort(fokus[-1] if fokus else None)
        print(f"paritaet: {' '.join(weg['schritte']):>40} -> {ist}", flush=True)
        if ist != weg["wo"]:
            falsch.append(f"{weg['schritte']}: {ist}, erwartet {weg['wo']}")
    zuhoerer.deregister("object:state-changed:focused")
    for f in falsch:
        print("paritaet: " + f, file=sys.stderr)
    sys.exit(1 if falsch else 0)


if __name__ == "__main__":
    main()
