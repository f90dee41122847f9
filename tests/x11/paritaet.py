#!/usr/bin/python3
"""The window against the table of key roads it shares with the page
(tests/paritaet.json): real key presses, and after each road the menu title
and item, or the line of List1, that last took the focus on the AT-SPI bus.
usage: paritaet.py TABLE.json   (inside xsitzung.sh)
Exits 1 if a road ends elsewhere than the table says.
The walk ("wege") clicks and points at the objects' places on the bus, and
pastes through xclip.
"""
import json
import subprocess
import sys

import pyatspi

from atspibus import Fokus, aktiv_ist, alle, finden, hauptfenster_aktiv, programm, taste, warten

FENSTER = "Tarnbild - Demo"


def druecken(tasten):
    taste(*(TABELLE["tastennamen"]["xdotool"].get(t, t) for t in tasten))


# Where the keyboard is, as the table's "wo" names it, from the object that last took the focus.
TEXTFELDER = {"zu verschlüsselnder Text": "Text2", "entschlüsselter Text": "Text3"}


def ort(z):
    rolle = z.rolle if z is not None else None
    if rolle == "menu item":
        return f"{z.elternname}/{z.name}" if z.elternrolle == "popup menu" else f"{z.name}/"
    if rolle == "popup menu":
        return f"{z.name}/"
    if rolle in ("text", "entry"):
        return TEXTFELDER.get(z.name, "Schluessel")
    if rolle in ("table", "table cell", "list", "list item"):
        return "List1"
    return "Meldung" if rolle == "push button" else rolle


def ziel(app, name):
    """A picture (Picture1, Picture2: the window's images in their order), a
    menu title, or an item of the open menu, by caption; a separator's object
    name stands for the open menu's first separator."""
    if name.startswith("Picture"):
        return list(alle(app, lambda o: o.getRoleName() == "image"))[int(name[-1]) - 1]
    leiste = finden(app, lambda o: o.getRoleName() == "menu bar")
    titel = finden(leiste, lambda o: o.name == name)
    if titel is not None:
        return titel
    offen = finden(app, lambda o: o.getRoleName() == "popup menu"
                   and o.getState().contains(pyatspi.STATE_SHOWING))
    if "trenner" in name:
        return finden(offen, lambda o: o.getRoleName() == "separator")
    return finden(offen, lambda o: o.name == name)


def zeigen(app, name, klick):
    """Moves the mouse onto the middle of an object, and clicks it."""
    r = ziel(app, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    befehl = ["mousemove", "--sync", str(r.x + r.width // 2), str(r.y + r.height // 2)]
    taste_oder_maus = ["click", "1"] if klick else []
    subprocess.run(["xdotool", *befehl, *taste_oder_maus], check=True)


def leer(text):
    return " ".join(text.split())


TABELLE = json.load(open(sys.argv[1], encoding="utf-8"))


def main():
    tabelle = TABELLE
    if programm() is None:
        sys.exit("paritaet: das Programm erscheint nicht auf dem AT-SPI-Bus")
    fokus = Fokus()
    falsch = []
    for weg in tabelle["menue"]:
        fokus.leeren()
        druecken(weg["tasten"])
        soll = (weg["titel"], weg["eintrag"])
        warten(lambda: fokus.wo() == soll, 5)
        print(f"paritaet: {' '.join(weg['tasten']):>40} -> {fokus.wo()}", flush=True)
        if fokus.wo() != soll:
            falsch.append(f"{weg['tasten']}: {fokus.wo()}, erwartet {soll}")
        druecken(["Escape"])

    # Each road ends with its box, or the window, holding the keyboard.
    for weg in tabelle["liste"]["vorher"]:
        druecken(weg["tasten"])
        box = weg.get("box")
        if not warten(lambda: aktiv_ist(box) if box else hauptfenster_aktiv(), 10):
            falsch.append(f"{weg['tasten']}: {box or FENSTER} hat die Tastatur nicht")
    for schritt in tabelle["liste"]["schritte"]:
        fokus.leeren()
        druecken([schritt["taste"]])
        zeile = lambda: fokus.letzter() is not None and fokus.letzter().rolle == "table cell"  # noqa: E731
        if not warten(lambda: zeile() and leer(fokus.letzter().name) == schritt["text"], 5):
            if not zeile():
                falsch.append(f"{schritt['taste']}: keine Zeile von List1 hat den Fokus: {ort(fokus.letzter())}")
                continue
        zelle = fokus.letzter().objekt
        ist = leer(zelle.name)
        soll = leer(zelle.parent.queryTable().getAccessibleAt(schritt["zeile"], 0).name)
        print(f"paritaet: {schritt['taste']:>40} -> {ist!r}", flush=True)
        if ist != soll or ist != schritt["text"]:
            falsch.append(f"{schritt['taste']}: {ist!r}, erwartet Zeile {schritt['zeile']} "
                          f"{soll!r}, laut Tabelle {schritt['text']!r}")
    # The walk, each row from where the one before ended (the place is the
    # last object that took the focus); a fresh program starts in Text2.
    druecken(["Tab"])  # from List1 to Text2
    app = programm()
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
            if not warten(lambda: ort(fokus.letzter()) == "Meldung"):
                falsch.append(f"{weg['schritte']}: keine Meldung, sondern {ort(fokus.letzter())}")
            druecken(["Return"])
        warten(lambda: ort(fokus.letzter()) == weg["wo"], 5)
        ist = ort(fokus.letzter())
        print(f"paritaet: {' '.join(weg['schritte']):>40} -> {ist}", flush=True)
        if ist != weg["wo"]:
            falsch.append(f"{weg['schritte']}: {ist}, erwartet {weg['wo']}")
    fokus.ende()
    for f in falsch:
        print("paritaet: " + f, file=sys.stderr)
    sys.exit(1 if falsch else 0)


if __name__ == "__main__":
    main()
