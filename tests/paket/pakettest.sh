#!/bin/bash
# Builds the Debian package the way Debian does (dpkg-buildpackage from a copy
# of the source tree in a scratch folder), runs lintian (errors and warnings
# fail), appstreamcli and desktop-file-validate, checks the unpacked files and
# starts the unpacked program under Xvfb. As root it then installs the package
# with apt-get, starts /usr/bin/punktgarten, checks the font and the installed
# files, purges the package and checks that none of its files is left.
# With ABLAGE, the package built is kept there (for scripts/release.sh in CI); with
# PUNKTGARTEN_DEB=FILE, the test checks that package (a release's) instead of building one.
# usage: pakettest.sh SOURCE_DIR VERSION [ABLAGE]
set -euo pipefail
quelle=$(cd "$1" && pwd)
version=$2
ablage=${3:-}
if [ -n "$ablage" ]; then rm -f "$ablage"/punktgarten_*.deb; fi
id=io.github.punktgarten.tarnbild
fehler() { echo "pakettest: $*" >&2; exit 1; }
for werkzeug in dpkg-buildpackage lintian appstreamcli desktop-file-validate xvfb-run xdotool \
                identify fc-match; do
  command -v "$werkzeug" >/dev/null || fehler "$werkzeug fehlt (bash scripts/setup.sh installiert es)"
done

arbeit=$(mktemp -d)
chmod 755 "$arbeit" # apt reads the .deb as user _apt
installiert=false
aufraeumen() {
  if $installiert; then apt-get purge -y -q punktgarten >/dev/null 2>&1 || true; fi
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

if [ -n "${PUNKTGARTEN_DEB:-}" ]; then
  deb=$(realpath "$PUNKTGARTEN_DEB")
  [ -f "$deb" ] || fehler "PUNKTGARTEN_DEB: $PUNKTGARTEN_DEB gibt es nicht"
  geprueft=("$deb")
else
  start=$SECONDS
  deb=$(bash "$(dirname "$0")/../../scripts/paketbau.sh" "$quelle" "$version" "$arbeit")
  ls "$arbeit"/punktgarten-dbgsym_"$version"_*.deb >/dev/null 2>&1 || fehler "kein -dbgsym-Paket"
  echo "pakettest: $(basename "$deb") in $((SECONDS - start)) s gebaut"
  geprueft=("$arbeit"/punktgarten_"${version}"_*.changes)
  if [ -n "$ablage" ]; then mkdir -p "$ablage" && cp "$deb" "$ablage/"; fi
fi

echo "pakettest: lintian"
lintian --fail-on error,warning "${geprueft[@]}" 2>/dev/null \
  || fehler "lintian meldet Fehler oder Warnungen"

wurzel="$arbeit/wurzel"
dpkg-deb -x "$deb" "$wurzel"
desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml
icons=usr/share/icons/hicolor
liesmich=usr/share/doc/punktgarten/README.md.gz
dateien=(usr/bin/punktgarten "$desktop" "$metainfo" usr/share/man/man1/punktgarten.1.gz
         usr/share/doc/punktgarten/copyright "$liesmich" "$icons/scalable/apps/punktgarten.svg")
for n in 32 48 64 128 256; do dateien+=("$icons/${n}x$n/apps/punktgarten.png"); done
for datei in "${dateien[@]}"; do
  [ -f "$wurzel/$datei" ] || fehler "fehlt im Paket: /$datei"
done
for n in 32 48 64 128 256; do
  groesse=$(identify -format '%wx%h' "$wurzel/$icons/${n}x$n/apps/punktgarten.png")
  [ "$groesse" = "${n}x$n" ] || fehler "Symbol ${n}x$n ist $groesse groß"
done
farben=$(identify -format '%k' "$wurzel/$icons/32x32/apps/punktgarten.png")
[ "$farben" -le 16 ] || fehler "das 32x32-Symbol hat $farben Farben statt höchstens 16"

# The users' README: no links or pictures, and every path it names is installed.
zcat "$wurzel/$liesmich" | grep -q '^## Die Menüs' || fehler "/$liesmich ist nicht die Anleitung für Benutzer"
! zcat "$wurzel/$liesmich" | grep -nE '\]\(|https?:|<img' || fehler "/$liesmich verweist auf etwas"
for pfad in $(zcat "$wurzel/$liesmich" | grep -oE '/usr/[^ `]*' | sort -u); do
  [ -e "$wurzel$pfad" ] || fehler "/$liesmich nennt $pfad, das nicht im Paket ist"
done

echo "pakettest: appstreamcli, desktop-file-validate"
meldungen=$(appstreamcli validate --pedantic --no-net "$wurzel/$metainfo" 2>&1) \
  || fehler "appstreamcli: $meldungen"
! grep -q '^[EWIP]:' <<<"$meldungen" || fehler "appstreamcli: $meldungen"
# The whole tree: metainfo, desktop entry and icons together.
meldungen=$(appstreamcli validate-tree --pedantic --no-net "$wurzel" 2>&1) \
  || fehler "appstreamcli validate-tree: $meldungen"
! grep -q '^[EWIP]:' <<<"$meldungen" || fehler "appstreamcli validate-tree: $meldungen"
desktop-file-validate "$wurzel/$desktop" || fehler "desktop-file-validate meldet Fehler"

# One version everywhere: CMake, debian/changelog, the metainfo release, the man page.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fehler "Paketversion $(dpkg-deb -f "$deb" Version) statt $version"
grep -q "<release version=\"$version\"" "$wurzel/$metainfo" || fehler "metainfo nennt die Version $version nicht"
zcat "$wurzel/usr/share/man/man1/punktgarten.1.gz" | grep -q "^\.TH .*\"punktgarten $version\"" \
  || fehler "die man-Seite nennt die Version $version nicht"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$wurzel/$metainfo" \
  || fehler "metainfo startet nicht $id.desktop"
grep -qx 'Icon=punktgarten' "$wurzel/$desktop" || fehler "der Eintrag nennt nicht das Symbol punktgarten"

# Each library once (shlibdeps alone), and a font that answers to "Times New Roman".
abh=$(dpkg-deb -f "$deb" Depends)
echo "pakettest: Depends: $abh"
for p in libqt6widgets6 libqt6gui6 libqt6core6; do
  [ "$(grep -o "\b$p\b" <<<"$abh" | wc -l)" -eq 1 ] || fehler "$p steht nicht genau einmal in Depends: $abh"
done
empf=$(dpkg-deb -f "$deb" Recommends)
grep -q 'fonts-liberation' <<<"$abh, $empf" || fehler "das Paket verlangt keine Schrift fonts-liberation"
grep -qw 'qt6-wayland' <<<"$empf" || fehler "das Paket empfiehlt qt6-wayland nicht: $empf"

# On display 90, which no X server test takes while this runs beside them.
startet() { # startet PROGRAMM: the window "Tarnbild - Demo" appears
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    xvfb-run -n 90 -s "-screen 0 1024x768x24" "$quelle/tests/x11/xsitzung.sh" true -- "$1" >/dev/null
}
startet "$wurzel/usr/bin/punktgarten" || fehler "das entpackte Programm zeigt kein Fenster"
echo "pakettest: entpacktes Programm startet"

schrift=$(fc-match -f '%{family}' "Times New Roman")
grep -q 'Liberation Serif' <<<"$schrift" \
  || fehler "\"Times New Roman\" ergibt $schrift statt Liberation Serif (fonts-liberation fehlt?)"
echo "pakettest: \"Times New Roman\" ist $schrift"

if [ "$(id -u)" -ne 0 ]; then
  echo "pakettest: nicht root, das Paket wird nicht installiert"
  exit 0
fi
if [ "${CI:-}" != true ] && dpkg-query -W -f='${db:Status-Status}' punktgarten 2>/dev/null | grep -qx installed; then
  echo "pakettest: punktgarten ist schon installiert; der Test installiert und entfernt es nicht"
  exit 0
fi
installiert=true
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$arbeit/apt.log" 2>&1 \
  || { cat "$arbeit/apt.log" >&2; fehler "apt-get install ist gescheitert"; }
dpkg -L punktgarten >"$arbeit/liste"
for datei in "${dateien[@]}"; do
  [ -f "/$datei" ] || fehler "nicht installiert: /$datei"
done
startet /usr/bin/punktgarten || fehler "das installierte Programm zeigt kein Fenster"
echo "pakettest: installiertes Programm startet"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q punktgarten >"$arbeit/apt.log" 2>&1 \
  || { cat "$arbeit/apt.log" >&2; fehler "apt-get purge ist gescheitert"; }
installiert=false
status=$(dpkg-query -W -f='${db:Status-Status}' punktgarten 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = not-installed ] || fehler "nach purge ist punktgarten noch $status"
# Files must be gone; directories too, unless another package owns them.
while read -r pfad; do
  [ "$pfad" = /. ] && continue
  if [ -d "$pfad" ] && [ ! -L "$pfad" ]; then
    dpkg -S "$pfad" >/dev/null 2>&1 || fehler "Verzeichnis bleibt nach purge: $pfad"
  elif [ -e "$pfad" ] || [ -L "$pfad" ]; then
    fehler "Datei bleibt nach purge: $pfad"
  fi
done <"$arbeit/liste"
echo "pakettest: installiert, gestartet und restlos entfernt ($(wc -l <"$arbeit/liste") Pfade)"
