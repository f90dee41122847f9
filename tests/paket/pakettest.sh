#!/bin/bash
# Builds the .deb, unpacks it into a scratch root and checks its files, its
# dependencies and its desktop entry, then starts the unpacked program under
# Xvfb and waits for its window. As root in CI it also installs the package
# for real with apt-get (which resolves the dependencies), starts
# /usr/bin/punktgarten and removes the package again.
# usage: pakettest.sh BUILD_DIR
set -euo pipefail
bau=$(cd "$1" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "pakettest: $*" >&2; exit 1; }

(cd "$bau" && cpack -G DEB -B "$arbeit/paket" >/dev/null)
deb=$(ls "$arbeit"/paket/punktgarten_*.deb)
echo "pakettest: $(basename "$deb")"

wurzel="$arbeit/wurzel"
dpkg-deb -x "$deb" "$wurzel"
for datei in usr/bin/punktgarten usr/share/applications/punktgarten.desktop \
             usr/share/icons/hicolor/32x32/apps/punktgarten.png usr/share/doc/punktgarten/LICENSE; do
  [ -f "$wurzel/$datei" ] || fehler "fehlt im Paket: /$datei"
done
[ "$(identify -format '%wx%h' "$wurzel/usr/share/icons/hicolor/32x32/apps/punktgarten.png")" = 32x32 ] \
  || fehler "Symbol ist nicht 32x32"
abh=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6gui6 libqt6core6; do
  grep -q "$p" <<<"$abh" || fehler "Abhängigkeit $p fehlt: $abh"
done
grep -q '^Categories=.*Education' "$wurzel/usr/share/applications/punktgarten.desktop" \
  || fehler "Eintrag steht nicht in der Kategorie Education"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$wurzel/usr/share/applications/punktgarten.desktop"
fi

startet() { # startet PROGRAMM: the window "Tarnbild - Demo" appears
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    for _ in $(seq 100); do
      if xdotool search --name "^Tarnbild - Demo$" >/dev/null 2>&1; then kill $pid; exit 0; fi
      sleep 0.1
    done
    kill $pid; exit 1' _ "$1" 2>/dev/null
}
startet "$wurzel/usr/bin/punktgarten" || fehler "das entpackte Programm zeigt kein Fenster"
echo "pakettest: entpacktes Programm startet"

if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
  trap 'dpkg -r punktgarten >/dev/null 2>&1 || true; rm -rf "$arbeit"' EXIT
  startet /usr/bin/punktgarten || fehler "das installierte Programm zeigt kein Fenster"
  echo "pakettest: installiertes Programm startet"
fi
