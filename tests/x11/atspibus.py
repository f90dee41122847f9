"""What the AT-SPI clients of xsitzung.sh share: the program on the bus, the
menu table from the session, waiting for a condition while the events that
arrive meanwhile reach their listeners, the keys, where the focus is, and a
menu item chosen by its object name.
usage as a command (inside xsitzung.sh): atspibus.py waehle OBJECT_NAME
                                         atspibus.py tasten_bis TITLE/ITEM KEY...
"""
import functools
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

# The program under the sanitizers on a busy machine may take longer than
# AT-SPI's default 800 ms to answer; a focus event whose source could not be
# read in that time was lost (x11_paritaet: F10 Right Right "ended" on the
# title before).
Atspi.set_timeout(10000, -1)


def warten(bedingung, sekunden=10):
    """Hands every arriving event to its listeners until bedingung() holds,
    at most `sekunden` long; returns whether it held."""
    kontext = GLib.MainContext.default()
    ende = time.monotonic() + sekunden
    while True:
        while kontext.iteration(False):
            pass
        if bedingung():
            return True
        if time.monotonic() >= ende:
            return False
        time.sleep(0.01)


def alle(wurzel, passt=lambda o: True):
    """Every object below wurzel, depth first, for which passt holds; not the
    cells of a table, which may have hundreds of thousands."""
    for kind in wurzel:
        if kind is None:
            continue
        if passt(kind):
            yield kind
        if kind.getRoleName() != "table":
            yield from alle(kind, passt)


def finden(wurzel, passt):
    return next(alle(wurzel, passt), None)


def programm(pid=None):
    """The program's application object on the bus, or None after 20 s."""
    pid = int(os.environ["pid"]) if pid is None else pid
    gefunden = []

    def da():
        gefunden[:] = [a for a in pyatspi.Registry.getDesktop(0)
                       if a is not None and a.get_process_id() == pid]
        return bool(gefunden)

    return gefunden[0] if warten(da, 20) else None


def taste(*tasten):
    """Presses keys as a user does, in order (xdotool's names)."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", *tasten], check=True)


def aktiv_ist(titel):
    """Whether the window with the keyboard is titled `titel`."""
    name = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                          capture_output=True, text=True).stdout.strip()
    return name == titel


def hauptfenster_aktiv():
    """Whether the program's window has the keyboard (its caption follows the
    commands, so it is known by its id, wid)."""
    return subprocess.run(["xdotool", "getactivewindow"], capture_output=True,
                          text=True).stdout.strip() == os.environ["wid"]


@functools.cache
def menue():
    """The session's menu table: (name, kind, caption, enabled at start)."""
    aus = subprocess.run([os.environ["SITZUNGSDATEN"], "menue"], capture_output=True,
                         text=True, check=True).stdout
    return [(n, a, t, e == "1") for n, a, t, e in (z.split("\t") for z in aus.splitlines())]


def titel_und_text(name):
    """The caption of the menu that holds entry `name`, and the entry's own."""
    titel = None
    for n, art, text, _ in menue():
        if art in ("Menue", "Leiste"):
            titel = text
        if n == name:
            return titel, text
    raise KeyError(name)


class Zug:
    """An object that took the focus, with its role and name and its parent's,
    read when it came: a closed box's objects are gone from the bus."""

    def __init__(self, o):
        self.objekt, self.rolle, self.name = o, o.getRoleName(), o.name
        eltern = o.parent
        self.elternrolle = eltern.getRoleName() if eltern is not None else None
        self.elternname = eltern.name if eltern is not None else None


class Fokus:
    """Every object that took the focus, as a screen reader is told."""

    def __init__(self):
        self.folge = []
        self.zuhoerer = Atspi.EventListener.new(self.merken)
        self.zuhoerer.register("object:state-changed:focused")

    def merken(self, e):
        if e.detail1 == 1:
            try:
                self.folge.append(Zug(e.source))
            except GLib.Error:
                pass  # gone again before it could be read

    def leeren(self):
        del self.folge[:]

    def letzter(self):
        return self.folge[-1] if self.folge else None

    def wo(self):
        """(menu title, item) of the menu entry with the focus; item None on a
        title; (None, None) if the focus is not in the menus."""
        z = self.letzter()
        if z is None or z.rolle != "menu item":
            return None, None
        if z.elternrolle == "popup menu":
            return z.elternname, z.name
        return z.name, None

    def ende(self):
        self.zuhoerer.deregister("object:state-changed:focused")


def waehle(name, fokus=None):
    """Chooses an entry as a pupil does by keyboard: F10, Right until its menu
    has the focus, Down until the entry has it, Return; then waits until the
    focus has left the menus."""
    eigener = fokus is None
    fokus = fokus or Fokus()
    titel, text = titel_und_text(name)
    try:
        fokus.leeren()
        taste("F10")
        if not warten(lambda: fokus.wo()[0] is not None):
            raise RuntimeError("F10 öffnet die Menüs nicht")
        for _ in range(len(menue())):
            if fokus.wo()[0] == titel:
                break
            vorher = fokus.wo()[0]
            taste("Right")
            if not warten(lambda: fokus.wo()[0] != vorher):
                raise RuntimeError(f"Rechts bleibt auf {vorher!r}")
        if text != titel:
            # The menu readies its first item a moment after its title.
            if not warten(lambda: fokus.wo()[1] is not None):
                raise RuntimeError(f"das Menü {titel!r} zeigt keinen Eintrag")
            for _ in range(len(menue())):
                if fokus.wo() == (titel, text):
                    break
                vorher = fokus.wo()
                taste("Down")
                if not warten(lambda: fokus.wo() != vorher):
                    raise RuntimeError(f"Abwärts bleibt auf {vorher!r}")
        if fokus.wo() != (titel, text if text != titel else None):
            raise RuntimeError(f"{name} nicht erreicht: {fokus.wo()}")
        taste("Return")
        # Keys pressed before the menu has closed may reach the menu bar.
        if not warten(lambda: fokus.wo() == (None, None)):
            raise RuntimeError(f"{name}: die Menüs behalten die Tastatur")
    finally:
        if eigener:
            fokus.ende()


def tasten_bis(ziel, *tasten):
    """Presses keys and waits until the menu entry `ziel` ("title/item",
    "title/" on a title) has the focus."""
    fokus = Fokus()
    taste(*tasten)
    ort = lambda: "/".join(t or "" for t in fokus.wo())  # noqa: E731
    if not warten(lambda: ort() == ziel):
        raise RuntimeError(f"{' '.join(tasten)} endet auf {ort()!r}, nicht auf {ziel!r}")
    fokus.ende()


if __name__ == "__main__" and sys.argv[1:2] in (["waehle"], ["tasten_bis"]):
    try:
        {"waehle": waehle, "tasten_bis": tasten_bis}[sys.argv[1]](*sys.argv[2:])
    except RuntimeError as e:
        sys.exit(f"{sys.argv[1]}: {e}")
