#!/usr/bin/python3
"""Reads the running program over AT-SPI as a screen reader would.

Checks every control's role and German name, the menus' titles, the key box
and a message box, the checked state of a menu item after its command ran,
the notification that announces a command, that arrowing in List1 sends a
focus event that names the line, and that a list of 715,904 lines is counted
and read, and answers a request for all its children.
usage: zugang.py   (inside xsitzung.sh)
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio  # noqa: E402
import pyatspi  # noqa: E402

import atspibus  # noqa: E402
from atspibus import alle, finden, hauptfenster_aktiv, taste, warten  # noqa: E402

VOLL = 8120  # letters the picture can hold: 64,960 positions
LISTE = "Liste der Positionen, Spalte und Zeile"

# name -> role, for every control and every entry of the session's menu table.
ERWARTET = {
    "Originalbild": "image",
    "Kopie des Bildes, in der der Text versteckt wird": "image",
    LISTE: "table",
    **{titel: "menu item" for _, art, titel, _ in atspibus.menue() if art != "Trenner"},
}
# Label and text box share the label's caption as their name.
PAARE = {"zu verschlüsselnder Text": {"label", "text"}, "entschlüsselter Text": {"label", "text"}}


def fehler(text):
    print("zugang: " + text, file=sys.stderr)
    sys.exit(1)


def programm():
    app = atspibus.programm()
    if app is None:
        fehler("das Programm erscheint nicht auf dem AT-SPI-Bus")
    return app


def rollen_und_namen(app):
    gefunden = {}
    for o in alle(app):
        gefunden.setdefault(o.name, set()).add(o.getRoleName())
    falsch = []
    for name, rolle in ERWARTET.items():
        if rolle not in gefunden.get(name, set()):
            falsch.append(f"{name!r}: {sorted(gefunden.get(name, []))}, erwartet {rolle}")
    for name, rollen in PAARE.items():
        if not rollen <= gefunden.get(name, set()):
            falsch.append(f"{name!r}: {sorted(gefunden.get(name, []))}, erwartet {sorted(rollen)}")
    return falsch


def finde(app, name, rolle):
    o = finden(app, lambda o: o.name == name and o.getRoleName() == rolle)
    return o if o is not None else fehler(f"{rolle} {name!r} nicht gefunden")


def ausloesen(eintrag):
    eintrag.queryAction().doAction(0)


def schliessen():
    """Return closes the box; the window has the keyboard again."""
    taste("Return")
    if not warten(hauptfenster_aktiv):
        fehler("nach dem Schließen der Box hat das Fenster die Tastatur nicht")


def warte_auf(app, rolle, name, sekunden=10):
    gefunden = []

    def da():
        gefunden[:] = [o for o in app if o is not None and o.getRoleName() == rolle and o.name == name]
        return bool(gefunden)

    return gefunden[0] if warten(da, sekunden) else None


def menuetitel(app):
    """Every open menu carries its title as its name."""
    namen = {o.name for o in alle(app) if o.getRoleName() == "popup menu"}
    fehlt = {"Verschlüsseln", "Entschlüsseln", "Anzeige", "Info"} - namen
    return [f"Menüs ohne ihren Titel als Namen: {sorted(fehlt)}, gefunden {sorted(namen)}"] if fehlt else []


def schluesselfeld(app):
    """The key box by keyboard (F10, Down, Return): its title, its prompt as
    the field's name, and the default key whole, also in its text attribute runs."""
    # Pressed at once, faster than the window shows the item F10 readies for
    # a screen reader: Down acts on that item all the same.
    taste("F10", "Down", "Return")
    dialog = warte_auf(app, "dialog", "Eingabe des privaten Schlüssels")
    if dialog is None:
        return ["das Schlüsselfeld erscheint nicht als Dialog \"Eingabe des privaten Schlüssels\""]
    falsch = []
    feld = next((o for o in alle(dialog) if o.getRoleName() == "text"), None)
    if feld is None or not feld.name.startswith("Mit der Eingabe einer Zahl"):
        falsch.append(f"Schlüsselfeld: Eingabefeld ohne die Frage als Namen: {feld and feld.name!r}")
    else:
        text = feld.queryText()
        wert = text.getText(0, -1)
        laeufe = {tuple(text.getAttributeRun(k, False)[1:]) for k in range(len(wert))}
        if wert != "Waldsee" or laeufe != {(0, len(wert))}:
            falsch.append(f"Schlüsselfeld: {wert!r} mit Attributläufen {sorted(laeufe)}, "
                          "erwartet \"Waldsee\" in einem Lauf")
    schliessen()
    return falsch


def meldung(app):
    """"Info zum Bild" by keyboard (F10, Left to "Ende", Left to "Info", Return):
    an alert named after the program that holds the message."""
    taste("F10", "Left", "Left", "Return")
    box = warte_auf(app, "alert", "punktgarten")
    if box is None:
        return ["\"Info zum Bild\" zeigt keine Meldung \"punktgarten\""]
    texte = [box.name, box.description] + [o.name for o in alle(box)]
    schliessen()
    if not any(t.startswith("Das Bild hat 290 * 224") for t in texte):
        return [f"die Meldung von \"Info zum Bild\" ist nicht zu lesen: {texte}"]
    return []


def ereignisse_beim_blaettern(liste, tabelle):
    gehoert = []
    fehlend = []

    def merken(ereignis):
        q = ereignis.source
        gehoert.append((ereignis.type, q.getRoleName(), q.name))

    zuhoerer = Atspi.EventListener.new(merken)
    zuhoerer.register("focus:")
    zelle = lambda: gehoert and gehoert[-1][1] == "table cell"  # noqa: E731
    taste("shift+Tab")  # from Text2 back to List1
    if not warten(zelle):
        fehlend.append(f"Umschalt+Tab in die Liste: {gehoert}")
    for t, zeile in (("Down", 1), ("Down", 2), ("Next", None), ("End", -1), ("Home", 0)):
        del gehoert[:]
        soll = None if zeile is None else tabelle.getAccessibleAt(zeile % tabelle.nRows, 0).name
        taste(t)
        warten(lambda: zelle() and soll in (None, gehoert[-1][2]), 5)
        namen = [n for (art, rolle, n) in gehoert if rolle == "table cell" and art == "focus:"]
        if not namen:
            fehlend.append(f"{t}: nur {gehoert}")
            continue
        if zeile is not None:
            if namen[-1] != soll:
                fehlend.append(f"{t}: {namen[-1]!r}, erwartet {soll!r}")
        print(f"zugang: {t} -> {namen[-1]!r}")
    zuhoerer.deregister("focus:")
    return fehlend


def alle_kinder(liste):
    """The length of one GetChildren call straight over D-Bus."""
    sitzung = Gio.bus_get_sync(Gio.BusType.SESSION)
    adresse = sitzung.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, None, Gio.DBusCallFlags.NONE, -1).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        adresse, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    antwort = bus.call_sync(liste.app.bus_name, liste.path, "org.a11y.atspi.Accessible",
                            "GetChildren", None, None, Gio.DBusCallFlags.NONE, 300000)
    return len(antwort.unpack()[0])


def main():
    app = programm()
    fenster = None
    for o in app:
        if o.name == "Tarnbild - Demo":
            fenster = o
    if fenster is None:
        fehler("Fenster \"Tarnbild - Demo\" nicht auf dem Bus")
    falsch = rollen_und_namen(app)
    for f in falsch:
        print("zugang: Rolle oder Name falsch: " + f, file=sys.stderr)
    falsch += menuetitel(app) + schluesselfeld(app) + meldung(app)

    # Every command that ran tells a user who cannot see: its sentence appears
    # as a notification.
    angesagt = []
    zuhoerer = Atspi.EventListener.new(
        lambda e: angesagt.append(e.source.name) if e.source.getRoleName() == "notification" else None)
    zuhoerer.register("object:")
    einfuegen = finde(app, "Text einfügen", "menu item")
    ausloesen(einfuegen)
    warten(lambda: "Der Standardtext ist eingefügt." in angesagt)
    zuhoerer.deregister("object:")
    if "Der Standardtext ist eingefügt." not in angesagt:
        falsch.append(f"\"Text einfügen\" wurde nicht angesagt: {angesagt}")
    if not einfuegen.getState().contains(pyatspi.STATE_CHECKED):
        falsch.append("\"Text einfügen\" ist nach dem Befehl nicht als abgehakt gemeldet")
    ermitteln = finde(app, "die Positionen ermitteln", "menu item")
    ausloesen(ermitteln)
    liste = finde(app, LISTE, "table")
    tabelle = liste.queryTable()
    warten(lambda: tabelle.nRows == 1344)
    if tabelle.nRows != 1344:
        falsch.append(f"List1 meldet {tabelle.nRows} Zeilen, erwartet 1344")
    for f in ereignisse_beim_blaettern(liste, tabelle):
        falsch.append("Blättern in List1: " + f)

    text2 = finde(app, "zu verschlüsselnder Text", "text")
    text2.queryEditableText().setTextContents("a" * VOLL)
    warten(lambda: text2.queryText().characterCount == VOLL)
    for _ in range(11):
        ausloesen(ermitteln)
    warten(lambda: tabelle.nRows == 1344 + 11 * 64960, 60)

    zeilen = liste.queryTable().nRows
    lesen = list(range(100)) + list(range(zeilen - 100, zeilen)) + \
        list(range(0, zeilen, zeilen // 100))
    gelesen = [tabelle.getAccessibleAt(r, 0).name for r in lesen]
    if zeilen != 1344 + 11 * 64960:
        falsch.append(f"List1 meldet {zeilen} Zeilen, erwartet {1344 + 11 * 64960}")
    if any(len(n) < 9 for n in gelesen):
        falsch.append(f"leere oder kurze Zeilen gelesen: {[n for n in gelesen if len(n) < 9][:5]}")

    # A screen reader that asks for all 715,904 children at once gets an
    # answer (the cells the list keeps), and the program answers after it.
    kinder = alle_kinder(liste)
    if not 0 < kinder <= zeilen or liste.queryTable().nRows != zeilen:
        falsch.append(f"GetChildren auf List1: {kinder} Kinder, danach {liste.queryTable().nRows} Zeilen")

    if falsch:
        for f in falsch:
            print("zugang: " + f, file=sys.stderr)
        sys.exit(1)
    print("zugang: Rollen, Namen, Menütitel, Schlüsselfeld, Meldung, Haken, Blättern und lange Liste in Ordnung")


if __name__ == "__main__":
    main()
