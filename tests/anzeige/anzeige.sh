#!/bin/bash
# The real program on a display it cannot reach: each case must end with the
# program's own hint on stderr and status 1, never Qt's abort (status 134).
# Platforms that need no screen must still start: the program then waits for
# events in its main loop (its main thread sleeps in poll) and is ended there.
# usage: anzeige.sh PROGRAM
set -uo pipefail
# shellcheck source=tests/x11/x.sh
. "$(dirname "$0")/../x11/x.sh"
programm=$1
laufzeit=$(mktemp -d) # an XDG_RUNTIME_DIR in which no compositor listens
trap 'rm -rf "$laufzeit"' EXIT
chmod 700 "$laufzeit"

# case | environment | arguments | expected: the hint's telling line, or "läuft"
faelle=(
  "keine Anzeige|||xcb: DISPLAY ist nicht gesetzt."
  "X-Server weg|DISPLAY=:99||xcb: Der X-Server :99 antwortet nicht."
  "Wayland weg|WAYLAND_DISPLAY=wayland-9 XDG_RUNTIME_DIR=$laufzeit||wayland: Der Wayland-Server wayland-9 antwortet nicht"
  "Wayland-Sitzung, beide weg|XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=$laufzeit DISPLAY=:99||xcb: Der X-Server :99 antwortet nicht."
  "Wayland ohne Laufzeitordner|WAYLAND_DISPLAY=wayland-9||wayland: XDG_RUNTIME_DIR ist nicht gesetzt"
  "-platform unbekannt|DISPLAY=:99|-platform foo|foo: Diese Plattform kennt Qt nicht."
  "QT_QPA_PLATFORM unbekannt|QT_QPA_PLATFORM=foo||Die Plattform ist mit QT_QPA_PLATFORM=foo vorgegeben"
  "Liste, keine erreichbar|QT_QPA_PLATFORM=xcb;Foo:bar DISPLAY=:99||foo: Diese Plattform kennt Qt nicht."
  "-platform vor der Umgebung|QT_QPA_PLATFORM=offscreen|--platform foo|foo: Diese Plattform kennt Qt nicht."
  "offscreen|QT_QPA_PLATFORM=offscreen DISPLAY=:99||läuft"
  "Liste mit offscreen am Ende|QT_QPA_PLATFORM=wayland;offscreen XDG_RUNTIME_DIR=$laufzeit||läuft"
  "-platform vor veraltetem DISPLAY|DISPLAY=:99|-platform minimal|läuft"
)
# Whether the program has ended, or waits for events in its main loop.
# shellcheck disable=SC2317 # called by bis
wartet() { ! kill -0 "$pid" 2>/dev/null || [[ $(cat "/proc/$pid/wchan" 2>/dev/null) == poll* ]]; }
fehler=0
for fall in "${faelle[@]}"; do
  IFS='|' read -r name umgebung argumente erwartet <<<"$fall"
  # shellcheck disable=SC2086 # environment and arguments are word lists
  env -i PATH="$PATH" HOME="$HOME" ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    $umgebung "$programm" $argumente >/dev/null 2>"$laufzeit/stderr" &
  pid=$!
  bis 30 wartet
  lief=false
  kill -0 "$pid" 2>/dev/null && lief=true && kill "$pid"
  wait "$pid"
  status=$?
  if [ "$erwartet" = läuft ]; then
    $lief && continue
    echo "FEHLER $name: Status $status statt weiterzulaufen" >&2
  elif [ "$status" -ne 1 ]; then
    echo "FEHLER $name: Status $status statt 1" >&2
  elif ! grep -qF -- "$erwartet" "$laufzeit/stderr" || ! grep -qF "xvfb-run -a $programm" "$laufzeit/stderr"; then
    echo "FEHLER $name: der Hinweis fehlt" >&2
  else
    continue
  fi
  sed 's/^/    /' "$laufzeit/stderr" >&2
  fehler=1
done
exit $fehler
