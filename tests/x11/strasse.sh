#!/bin/bash
# The real program (a client of xsitzung.sh): checks that both pictures show
# the Originalbild, then takes the whole road of a
# message from the keyboard (insert text, key, positions, hide, decode, circle
# the positions) and checks that the decoded text looks exactly like the text
# that was hidden.
# usage: strasse.sh STREAM [SCREENSHOT]   (inside xsitzung.sh)
set -euo pipefail
strom=$1
bildschirmfoto=${2:-}
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "strasse: $*" >&2; exit 1; }
source "$X11/x.sh"

tail -c +9 "$strom" > "$arbeit/original.bmp"
convert "$arbeit/original.bmp" "$arbeit/original.png"
foto() { import -window root "$1"; }
unterschied() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
ausschnitt() { convert "$1" -crop "$2" +repage "$3"; }
gleich() { [ "$(unterschied "$1" "$2")" = 0 ]; }

# The client area starts below the menu bar, whose height depends on the font:
# find the row where Picture1 shows the Originalbild pixel for pixel, once the
# window has painted.
oben=""
picture1() {
  foto "$arbeit/start.png"
  for y in $(seq 0 40); do
    ausschnitt "$arbeit/start.png" "290x224+$((cx + 4))+$((cy + y))" "$arbeit/p1.png"
    if gleich "$arbeit/p1.png" "$arbeit/original.png"; then oben=$y; return 0; fi
  done
  return 1
}
bis 20 picture1 || fehler "Picture1 zeigt nicht das Originalbild"
ausschnitt "$arbeit/start.png" "290x224+$((cx + 297))+$((cy + oben))" "$arbeit/p2.png"
gleich "$arbeit/p2.png" "$arbeit/original.png" || fehler "Picture2 zeigt nicht das Originalbild"
echo "strasse: beide Bilder zeigen das Originalbild (Menüleiste $oben px)"

waehle M_text_einfuegen
waehle M_den_Schluessel_festlegen
aktiv_warten "^Eingabe des privaten Schlüssels$"
taste Return                   # "Waldsee" bestätigen
titel_warten "Der Schlüssel hat den Wert 709"
waehle M_Positionen_ermitteln
waehle M_Text_verschluesseln
waehle M_Bild_entschluesseln
taste Tab Tab                  # the focus to List1, so that neither box shows its frame
# The same text in the same font and size looks the same in both boxes.
entschluesselt() {
  foto "$arbeit/entschluesselt.png"
  ausschnitt "$arbeit/entschluesselt.png" "270x79+$((cx + 7))+$((cy + oben + 246))" "$arbeit/text2.png"
  ausschnitt "$arbeit/entschluesselt.png" "270x79+$((cx + 300))+$((cy + oben + 246))" "$arbeit/text3.png"
  gleich "$arbeit/text2.png" "$arbeit/text3.png"
}
bis 20 entschluesselt || fehler "Text3 sieht nicht aus wie Text2"
convert "$arbeit/text2.png" -format "%k" info: | grep -qv '^1$' || fehler "Text2 ist leer"
echo "strasse: Text versteckt und entschlüsselt, Text3 gleicht Text2"

waehle M_Positionen_anzeigen
kreise() {
  foto "$arbeit/kreise.png"
  ausschnitt "$arbeit/kreise.png" "290x224+$((cx + 297))+$((cy + oben))" "$arbeit/p2.png"
  ! gleich "$arbeit/p2.png" "$arbeit/original.png"
}
bis 20 kreise || fehler "keine Kreise gezeichnet"
echo "strasse: Positionen eingekreist"
if [ -n "$bildschirmfoto" ]; then
  read -r w h < <(xwininfo -id "$wid" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
  convert "$arbeit/kreise.png" -crop "${w}x$h+$cx+$cy" +repage "$bildschirmfoto"
fi
