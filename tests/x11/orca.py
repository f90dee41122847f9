#!/usr/bin/python3
"""Hears the program as a blind pupil does: starts the screen reader Orca on
the AT-SPI bus that xsitzung.sh set up, presses real keys with xdotool and
collects what Orca says after each key from its debug log, where it writes
every sentence it would speak (it runs with no speech synthesizer at all).

usage: orca.py SZENE   (inside xsitzung.sh)
  fenster            the desktop window: key box, message box, list
  menuetitel         the desktop window: every menu title before its first
                     item, and disabled menus and items as unavailable
  firefox, chromium  the page in that browser: the list on Down, message box
  ORCA_MITSCHRIFT=FILE also writes every key and what Orca said to FILE,
  ORCA_PROTOKOLL=FILE keeps Orca's own log there.
Exits 1 if Orca did not say what a pupil must hear; prints everything it heard.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import atspibus

# Orca's own start script, without its refusal to run beside another Orca of
# the same user (other test runs on the machine), with no synthesizer (the
# speech factory is a module that does not exist) and no key echo, so that
# what follows a key is the program's answer alone. Its log is written line
# by line, so that a sentence can be read as soon as it is said.
STARTER = r"""
import runpy, sys
from orca import debug, settings_manager
debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv.pop(1), "w", buffering=1)
aktivieren = settings_manager.SettingsManager.activate
def activate(self, prefsDir=None, customSettings={}):
    eigene = dict(customSettings, speechServerFactory="keine_sprachausgabe",
                  speechFactoryModules=[], enableKeyEcho=False, enableSound=False)
    return aktivieren(self, prefsDir, eigene)
settings_manager.SettingsManager.activate = activate
orca = runpy.run_path("/usr/bin/orca", run_name="orca_start")
orca["main"].__globals__["otherOrcas"] = lambda: []
orca["main"].__globals__["setProcessName"] = lambda name: None
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(orca["main"]())
"""
# A menu opened from the keyboard readies its first item half a second after
# its title has focus, so that the title is heard: after the title of a menu
# that can be opened, its item is waited for.
OFFENE_MENUES = {titel + "." for _, art, titel, an in atspibus.menue() if art == "Menue" and an}


def menue_fertig(gehoert):
    return bool(gehoert) and gehoert[-1] not in OFFENE_MENUES
FENSTER = "Tarnbild - Demo"
SATZ = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{", re.S)


class Orca:
    """Orca with its settings in a temporary home; every sentence it says."""

    def __init__(self):
        self.ordner = tempfile.TemporaryDirectory(prefix="orca-")
        heim = self.ordner.name
        self.log = os.path.join(heim, "orca.log")
        umgebung = dict(os.environ, HOME=heim, XDG_CONFIG_HOME=heim + "/config",
                        XDG_DATA_HOME=heim + "/data", XDG_CACHE_HOME=heim + "/cache",
                        XDG_RUNTIME_DIR=heim, LANGUAGE="de", LC_MESSAGES="C.UTF-8")
        open(self.log, "w").close()
        self.prozess = subprocess.Popen(
            ["/usr/bin/python3", "-c", STARTER, self.log, "-u", heim + "/orca"],
            env=umgebung, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        self.gelesen = 0
        self.mitschrift = []

    def saetze(self):
        """The sentences said since the last call."""
        with open(self.log, "rb") as f:
            f.seek(self.gelesen)
            neu = f.read()
        ende = neu.rfind(b"\n") + 1  # only whole lines: a sentence ends with its voice
        self.gelesen += ende
        return SATZ.findall(neu[:ende].decode("utf-8", errors="replace"))

    def bereit(self, sekunden=20):
        """Waits until Orca has said that it runs and has named the window with
        the keyboard. A window that got the keyboard before Orca could see it
        is given the keyboard again, and then the focus is moved away and back,
        which leaves every scene where it starts."""
        gehoert = self.warten(sekunden, still=0.8)
        if not any("Bildschirmleser" in s for s in gehoert):
            raise RuntimeError(f"Orca meldet sich nicht: {gehoert}")
        def aktivieren():
            subprocess.run(["xdotool", "search", "--onlyvisible", "--name", FENSTER,
                            "windowactivate", "--sync"], timeout=10, check=False)
            return []

        for nachhelfen in (aktivieren, lambda: self.taste("Tab") + self.taste("shift+Tab")):
            if enthaelt(gehoert, FENSTER):
                break
            gehoert += nachhelfen() + self.warten(3, still=0.8)
        self.mitschrift.append(("(Start)", gehoert))
        if not enthaelt(gehoert, FENSTER):
            raise RuntimeError(f"Orca nennt das Fenster {FENSTER!r} nicht: {gehoert}")
        return gehoert

    def warten(self, hoechstens, still, fertig=None):
        """Sentences until `still` seconds passed without one while Orca and the
        program slept (on a busy machine a sentence may still be on its way
        after any silence of the clock), and, if given, fertig(sentences)
        holds; at most `hoechstens` long."""
        gehoert = []
        start = letzter = time.monotonic()
        while True:
            jetzt = time.monotonic()
            neu = self.saetze()
            gehoert += neu
            if neu or rechnet(self.prozess.pid, int(os.environ["pid"])):
                letzter = jetzt
            if gehoert and jetzt - letzter >= still and (fertig is None or fertig(gehoert)):
                return gehoert
            if jetzt - start >= hoechstens:
                return gehoert
            if self.prozess.poll() is not None:
                raise RuntimeError("Orca ist beendet")
            time.sleep(0.05)

    def taste(self, taste, hoechstens=2.5, still=0.4, fertig=None):
        """Presses a key; returns what Orca says to it."""
        self.saetze()
        atspibus.taste(taste)
        gehoert = self.warten(hoechstens, still, fertig)
        self.mitschrift.append((taste, gehoert))
        print(f"orca: {taste:>10} -> {' | '.join(gehoert)}", flush=True)
        return gehoert

    def tippen(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
        gehoert = self.warten(1.5, 0.4)
        self.mitschrift.append((f"tippen {text!r}", gehoert))
        return gehoert

    def beenden(self):
        try:
            os.killpg(self.prozess.pid, signal.SIGTERM)
            self.prozess.wait(2)
        except subprocess.TimeoutExpired:
            os.killpg(self.prozess.pid, signal.SIGKILL)
            self.prozess.wait()
        except ProcessLookupError:
            pass
        if os.environ.get("ORCA_PROTOKOLL"):
            shutil.copy(self.log, os.environ["ORCA_PROTOKOLL"])
        self.ordner.cleanup()


def rechnet(*pids):
    """Whether a thread of these processes or of their children (a browser's
    content processes) runs or waits for a processor."""
    pids = list(pids)
    for pid in pids:
        try:
            for faden in os.listdir(f"/proc/{pid}/task"):
                with open(f"/proc/{pid}/task/{faden}/stat", encoding="utf-8") as f:
                    if f.read().rpartition(")")[2].split()[0] == "R":
                        return True
                with open(f"/proc/{pid}/task/{faden}/children", encoding="utf-8") as f:
                    pids += [int(k) for k in f.read().split()]
        except OSError:
            pass  # a thread or the process has ended
    return False


def enthaelt(gehoert, *teile):
    text = " ".join(gehoert)
    return all(t in text for t in teile)


def einmal(gehoert, satz, fehler):
    """The sentence is said exactly once."""
    mal = sum(s.count(satz) for s in gehoert)
    if mal != 1:
        fehler.append(f"{satz!r} {mal}-mal gesagt statt einmal: {gehoert}")


def waehlen(orca, eintrag, menue=None):
    """Chooses a menu item as a pupil does, by ear: F10, Right until the menu
    (or its item) is heard, Down until the item is heard, Return."""
    gehoert = orca.taste("F10", hoechstens=10, fertig=menue_fertig)
    for _ in range(6):
        if menue is None or enthaelt(gehoert, menue) or enthaelt(gehoert, eintrag):
            break
        gehoert = orca.taste("Right", hoechstens=10, fertig=menue_fertig)
    for _ in range(14):
        if gehoert and gehoert[-1].startswith(eintrag):
            return orca.taste("Return", hoechstens=4)
        gehoert = orca.taste("Down")
    raise RuntimeError(f"{eintrag!r} im Menü nicht gehört")


# Keys in the menus and the entries Orca must name to them, in this order:
# each title before the item its menu readies. What it says of an entry comes
# from the session's menu table: a disabled one is unavailable ("ausgegraut").
# Leaving the menus, by Escape or F10, names the control the keyboard went back to.
TEXT2 = "zu verschlüsselnder Text"
MENUEWEGE = [
    ("F10", ["M_Text_im_Fenster_verschluesseln", "M_text_einfuegen"]),
    ("Down", []),
    ("Escape", [TEXT2]),
    ("F10", ["M_Text_im_Fenster_verschluesseln", "M_text_einfuegen"]),
    ("Right", ["M_entschluesseln"]),
    ("Right", ["M_anzeige", "M_letztes_Bit_anzeigen"]),
    ("Right", ["M_Info", "M_Info_zum_Bild"]),
    ("Right", ["M_Ende"]),
    ("Right", ["M_Text_im_Fenster_verschluesseln", "M_text_einfuegen"]),
    ("Left", ["M_Ende"]),
    ("Left", ["M_Info", "M_Info_zum_Bild"]),
    ("Escape", [TEXT2]),
    ("F10", ["M_Text_im_Fenster_verschluesseln", "M_text_einfuegen"]),
    ("Right", ["M_entschluesseln"]),
    ("Tab", ["M_anzeige", "M_letztes_Bit_anzeigen"]),
    ("Down", ["M_letztes_Bit_auf_0"]),
    ("Down", ["M_letztes_Bit_auf_1"]),
    ("Down", ["M_letztes_Bit_auf_Zufall_setzen"]),
    ("Down", ["M_Positionen_anzeigen"]),
    ("Down", ["M_Bits_anzeigen"]),
    ("F10", [TEXT2]),
]


def titel_hoeren(orca, fehler):
    """Round the menus by keyboard: every title, every item, every state."""
    satz = {n: titel + ("." if an else " ausgegraut.") for n, _, titel, an in atspibus.menue()}
    for taste, namen in MENUEWEGE:
        erwartet = [satz.get(n, n) for n in namen]
        gehoert = orca.taste(taste, hoechstens=10, fertig=menue_fertig)
        rest = iter(gehoert)
        if not all(any(s.startswith(satz) for s in rest) for satz in erwartet):
            fehler.append(f"{taste}: erwartet {erwartet}, gesagt {gehoert}")


def abgeschnitten(gehoert, wert):
    """Sentences that name the value without its last letter ("Waldse ausgewählt")."""
    return [s for s in gehoert if re.search(rf"(^|\s){re.escape(wert[:-1])}(?!{wert[-1]})\b", s)]


def schluessel_hoeren(orca, fehler):
    """The key box speaks its title, its prompt and the whole key, when it opens
    and when the field gets the focus again."""
    gehoert = waehlen(orca, "den Schlüssel festlegen")
    for teil in ("Eingabe des privaten Schlüssels", "Mit der Eingabe einer Zahl", "Waldsee"):
        if not enthaelt(gehoert, teil):
            fehler.append(f"Schlüsselfeld: {teil!r} nicht gesagt: {gehoert}")
    orca.taste("Tab")
    zurueck = gehoert + orca.taste("shift+Tab")
    for wert in ("Waldsee", "709"):
        if wert == "709":
            orca.taste("ctrl+a")
            orca.tippen(wert)
            orca.taste("Tab")
            zurueck = orca.taste("shift+Tab")
        if not enthaelt(zurueck, wert) or abgeschnitten(zurueck, wert):
            fehler.append(f"Schlüsselfeld: {wert!r} nicht ganz gesagt: {zurueck}")
    # The new caption is the command's one sentence.
    einmal(orca.taste("Return"), "Der Schlüssel hat den Wert 160", fehler)


def meldung_hoeren(orca, fehler):
    """A message box speaks its title and its message when it opens."""
    gehoert = waehlen(orca, "Info zum Bild", "Info")
    if not enthaelt(gehoert, "punktgarten", "Das Bild hat 290 * 224"):
        fehler.append(f"\"Info zum Bild\": Titel oder Meldung nicht gesagt: {gehoert}")
    return orca.taste("Return")


def zeilen_hoeren(orca, fehler, wie_oft=24):
    """Down in the list: each Down speaks the line it reached. Returns all it heard."""
    vorige = None
    stumm = []
    alles = []
    for n in range(1, wie_oft + 1):
        gehoert = orca.taste("Down")
        alles += gehoert
        zeile = next((s for s in reversed(gehoert) if re.search(r"\d", s)), None)
        if zeile is None or zeile == vorige:
            stumm.append(n)
        vorige = zeile
    if stumm:
        fehler.append(f"Liste: Abwärts Nummer {stumm} von {wie_oft} sagt keine neue Zeile")
    return alles


def in_die_liste(orca, fehler):
    """The default text inserted, the positions determined, and Shift+Tab from
    Text2 into the list, which says its size."""
    einmal(waehlen(orca, "Text einfügen"), "Der Standardtext ist eingefügt.", fehler)
    waehlen(orca, "die Positionen ermitteln")
    gehoert = orca.taste("shift+Tab")
    if not enthaelt(gehoert, "1344"):
        fehler.append(f"Liste: sagt beim Betreten nicht, dass sie 1344 Zeilen hat: {gehoert}")


def fenster(orca, fehler):
    """The desktop window."""
    schluessel_hoeren(orca, fehler)
    meldung_hoeren(orca, fehler)
    in_die_liste(orca, fehler)
    zeilen_hoeren(orca, fehler)


def seite(orca, fehler):
    """The page in a browser: the list on Down, and a message box opened from
    the list, which gives the list back in focus mode, with nothing old said."""
    in_die_liste(orca, fehler)
    zeilen_hoeren(orca, fehler)
    zurueck = meldung_hoeren(orca, fehler)
    if enthaelt(zurueck, "Positionen ermittelt"):
        fehler.append(f"nach der Meldung wird eine alte Ansage wiederholt: {zurueck}")
    # Orca stays in focus mode, so Down moves the list's current line; its
    # browse mode would read the next line as an option "nicht ausgewählt".
    modi = [s for s in zurueck if s.endswith("-Modus")]
    danach = zeilen_hoeren(orca, fehler, 2)
    if modi[-1:] == ["Stöbern-Modus"] or enthaelt(danach, "nicht ausgewählt"):
        fehler.append(f"nach der Meldung liest Orca die Liste im Stöbern-Modus: {zurueck + danach}")


def main():
    szene = {"fenster": fenster, "menuetitel": titel_hoeren, "firefox": seite,
             "chromium": seite}[sys.argv[1]]
    start = time.monotonic()
    orca = Orca()
    fehler = []
    try:
        print("orca: " + " | ".join(orca.bereit()), flush=True)
        szene(orca, fehler)
    except RuntimeError as e:
        fehler.append(str(e))
    finally:
        orca.beenden()
    if os.environ.get("ORCA_MITSCHRIFT"):
        with open(os.environ["ORCA_MITSCHRIFT"], "a", encoding="utf-8") as f:
            f.write(f"== {sys.argv[1]}\n")
            for taste, gehoert in orca.mitschrift:
                f.write(f"{taste:>12} -> {' | '.join(gehoert) or '(nichts)'}\n")
    for f in fehler:
        print("orca: " + f, file=sys.stderr)
    print(f"orca: {sys.argv[1]}: {len(fehler)} Fehler, {time.monotonic() - start:.0f} s")
    sys.exit(1 if fehler else 0)


if __name__ == "__main__":
    main()
