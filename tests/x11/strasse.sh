#!/bin/bash
# The real program in a real X server (Xvfb): waits for the window, checks its
# size, checks that both pictures show the Originalbild, then takes the whole
# road of a message with the mouse and keyboard (insert text, key, positions,
# hide, decode, circle the positions) and checks that the decoded text looks
# exactly like the text that was hidden.
# usage: strasse.sh PROGRAM STREAM [SCREENSHOT]   (run inside xvfb-run)
set -euo pipefail
programm=$1
strom=$2
bildschirmfoto=${3:-}
arbeit=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$arbeit"' EXIT

fehler() { echo "strasse: $*" >&2; exit 1; }

"$programm" &
pid=$!
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --name "^Tarnbild - Demo$" 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fehler "Fenster \"Tarnbild - Demo\" erscheint nicht"
sleep 0.5

# The layout gives the outer size: 683 x 388 pixels at 96 dots per inch.
read -r breite hoehe < <(xdotool getwindowgeometry --shell "$wid" | awk -F= '/WIDTH|HEIGHT/{print $2}' | paste -sd' ')
[ "$breite" = 683 ] && [ "$hoehe" = 388 ] || fehler "Fenster ist ${breite}x${hoehe}, erwartet 683x388"

tail -c +9 "$strom" > "$arbeit/original.bmp"
convert "$arbeit/original.bmp" "$arbeit/original.png"
foto() { import -window root "$1"; }
unterschied() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
ausschnitt() { convert "$1" -crop "$2" +repage "$3"; }

foto "$arbeit/start.png"
# The client area starts below the menu bar, whose height depends on the font:
# find the row where Picture1 shows the Originalbild pixel for pixel.
oben=""
for y in $(seq 0 40); do
  ausschnitt "$arbeit/start.png" "290x224+4+$y" "$arbeit/p1.png"
  if [ "$(unterschied "$arbeit/p1.png" "$arbeit/original.png")" = 0 ]; then oben=$y; break; fi
done
[ -n "$oben" ] || fehler "Picture1 zeigt nicht das Originalbild"
ausschnitt "$arbeit/start.png" "290x224+297+$oben" "$arbeit/p2.png"
[ "$(unterschied "$arbeit/p2.png" "$arbeit/original.png")" = 0 ] || fehler "Picture2 zeigt nicht das Originalbild"
echo "strasse: Fenster 683x388, beide Bilder zeigen das Originalbild (Menüleiste $oben px)"

# Menus are opened by a click on the first title and chosen by keys; Right
# moves to the next menu that can be chosen.
waehle() { # waehle RECHTS RUNTER
  xdotool mousemove 20 $((oben / 2)) click 1
  sleep 0.3
  for _ in $(seq "$1"); do xdotool key Right; sleep 0.1; done
  [ "$1" -gt 0 ] || xdotool key Down
  for _ in $(seq $(( $2 - 1 ))); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}
waehle 0 1                     # Text einfügen
waehle 0 2                     # den Schlüssel festlegen
xdotool key Return; sleep 0.3  # "Waldsee" bestätigen
titel=$(xdotool getwindowname "$wid")
[ "$titel" = "Der Schlüssel hat den Wert 709" ] || fehler "Titel nach der Schlüsseleingabe: $titel"
waehle 0 3                     # die Positionen ermitteln
waehle 0 4                     # den Text verschlüsseln
waehle 1 1                     # das Bild entschlüsseln
xdotool key Tab Tab; sleep 0.3 # the focus to List1, so that neither box shows its frame
foto "$arbeit/entschluesselt.png"
# The same text in the same font and size looks the same in both boxes.
ausschnitt "$arbeit/entschluesselt.png" "270x79+7+$((oben + 246))" "$arbeit/text2.png"
ausschnitt "$arbeit/entschluesselt.png" "270x79+300+$((oben + 246))" "$arbeit/text3.png"
[ "$(unterschied "$arbeit/text2.png" "$arbeit/text3.png")" = 0 ] || fehler "Text3 sieht nicht aus wie Text2"
ausschnitt "$arbeit/entschluesselt.png" "270x79+7+$((oben + 246))" "$arbeit/text2.png"
convert "$arbeit/text2.png" -format "%k" info: | grep -qv '^1$' || fehler "Text2 ist leer"
echo "strasse: Text versteckt und entschlüsselt, Text3 gleicht Text2"

waehle 2 5                     # Positionen anzeigen
foto "$arbeit/kreise.png"
ausschnitt "$arbeit/kreise.png" "290x224+297+$oben" "$arbeit/p2.png"
[ "$(unterschied "$arbeit/p2.png" "$arbeit/original.png")" != 0 ] || fehler "keine Kreise gezeichnet"
echo "strasse: Positionen eingekreist"
if [ -n "$bildschirmfoto" ]; then
  convert "$arbeit/kreise.png" -crop "683x388+0+0" +repage "$bildschirmfoto"
fi
