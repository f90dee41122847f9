"""What the AT-SPI clients of zugang.sh share: the program on the bus, and
the events that reach a client while it waits."""
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402


def pumpen(sekunden):
    """Waits, handing every event that arrives meanwhile to its listeners."""
    kontext = GLib.MainContext.default()
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        while kontext.iteration(False):
            pass
        time.sleep(0.01)


def programm(pid):
    """The program's application object on the bus, or None after 20 s."""
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    return None
