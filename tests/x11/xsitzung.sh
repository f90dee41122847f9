#!/bin/bash
# One real X session for a test, run inside xvfb-run: a private D-Bus session
# with the accessibility bus and its registry, the window manager openbox, and
# the program; once its window is framed and has the keyboard, the client
# runs with pid, wid (the window) and cx, cy (its upper left corner) in its
# environment, and X11 naming this folder.
# usage: xsitzung.sh CLIENT [ARG...] -- PROGRAM [ARG...]
#   CLIENT is a .sh or .py file or a command; XSITZUNG_FENSTER is the window's
#   title (a regular expression), XSITZUNG_DPI sets Xft.dpi first.
set -euo pipefail
if [ -z "${XSITZUNG_IM_BUS:-}" ]; then
  XSITZUNG_IM_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
export X11
X11=$(cd "$(dirname "$0")" && pwd)
client=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do client+=("$1"); shift; done
shift
pid="" wm="" bus="" registry=""
# The program ends before the session does: a browser still writes its
# profile while it shuts down, which the caller then removes.
trap 'kill $pid $wm $registry $bus 2>/dev/null || true; [ -z "$pid" ] || wait "$pid" 2>/dev/null || true' EXIT
fehler() { echo "xsitzung: $*" >&2; exit 1; }
source "$X11/x.sh"

name_da() { # name_da BUS NAME: NAME has an owner on BUS
  dbus-send "$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q true
}
"${ATSPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately &
bus=$!
bis 20 name_da --session org.a11y.Bus || fehler "kein Bus für die Barrierefreiheit"
# A program that starts before the registry owns its name on the
# accessibility bus may never be seen (the bus then starts a second registry).
a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress | tr -d ' ')
"${ATSPI_REGISTRYD:-/usr/libexec/at-spi2-registryd}" &
registry=$!
bis 20 name_da --bus="$a11y" org.a11y.atspi.Registry || fehler "die Registry erscheint nicht"

[ -z "${XSITZUNG_DPI:-}" ] || echo "Xft.dpi: $XSITZUNG_DPI" | xrdb -merge
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
verwaltet() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
bis 20 verwaltet || fehler "openbox verwaltet den Bildschirm nicht"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 GNOME_ACCESSIBILITY=1 "$@" &
pid=$!
titel=${XSITZUNG_FENSTER:-^Tarnbild - Demo\$}
wid=$(fenster_warten "$titel") || fehler "Fenster \"$titel\" erscheint nicht"
# The window manager does not always give a new window the keyboard at once.
hat_tastatur() {
  [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$wid" ] && return 0
  xdotool windowactivate --sync "$wid" 2>/dev/null || true
  return 1
}
bis 20 hat_tastatur || fehler "das Fenster bekommt die Tastatur nicht"
read -r cx cy < <(xwininfo -id "$wid" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
export pid wid cx cy
case ${client[0]} in
  *.py) /usr/bin/python3 "${client[@]}" ;;
  *.sh) bash "${client[@]}" ;;
  *) "${client[@]}" ;;
esac
