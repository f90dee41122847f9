#!/bin/bash
# The real program on a real AT-SPI bus: a private D-Bus session with
# at-spi-bus-launcher and at-spi2-registryd, openbox, and the program with
# accessibility always on; zugang.py then reads it as a screen reader would.
# usage: zugang.sh PROGRAM [ARG...]   (run inside xvfb-run)
#   ZUGANG_PY="other.py ARG..." runs another client in the same bus instead
#   (orca.sh runs orca.py, which hears the program through Orca);
#   ZUGANG_FENSTER is the window title to wait for, a regular expression.
set -euo pipefail
if [ -z "${ZUGANG_IM_BUS:-}" ]; then
  ZUGANG_IM_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
pid="" wm="" bus="" registry=""
trap 'kill $pid $wm $registry $bus 2>/dev/null || true' EXIT
fehler() { echo "zugang: $*" >&2; exit 1; }

"${ATSPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately &
bus=$!
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
  sleep 0.1
done
"${ATSPI_REGISTRYD:-/usr/libexec/at-spi2-registryd}" &
registry=$!
# The program and the screen reader find each other through the registry: a
# program that starts before the registry owns its name on the accessibility
# bus may never be seen (the bus then starts a second registry of its own).
a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ' || true)
[ -n "$a11y" ] || fehler "kein Bus für die Barrierefreiheit"
for _ in $(seq 100); do
  dbus-send --bus="$a11y" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null | grep -q true && break
  sleep 0.1
done
source "$(dirname "$0")/fenstermanager.sh"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@" &
pid=$!
fenster=${ZUGANG_FENSTER:-^Tarnbild - Demo\$}
wid=$(fenster_warten "$fenster" 200)
# The keys go to the window with the keyboard: wait until the window manager
# has given it to the new window, which it does not always do at once.
if [ -n "$wid" ]; then
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$wid" ] && break
    xdotool windowactivate --sync "$wid" 2>/dev/null || true
    sleep 0.1
  done
  [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$wid" ] ||
    echo "zugang: das Fenster hat die Tastatur nach 5 s noch nicht" >&2
fi
read -ra client <<<"${ZUGANG_PY:-$(dirname "$0")/zugang.py}"
/usr/bin/python3 "${client[@]}" "$pid"
