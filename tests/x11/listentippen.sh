#!/bin/bash
# Typing into a List1 of 324,800 lines: the program neither searches nor
# freezes, and a digit leaves the current line where it is.
# usage: listentippen.sh   (inside xsitzung.sh)
set -euo pipefail
fehler() { echo "listentippen: $*" >&2; exit 1; }
source "$X11/x.sh"
# The clipboard as the program hands it out, waiting at most 20 s for it.
ablage() { timeout 20 xclip -o -selection clipboard 2>/dev/null || true; }
ablage_ist() { taste ctrl+c; [ "$(ablage)" = "$1" ]; }

# Text2 (at 96 dpi 290 x 106 pixels at x 5, about 270 below the top) gets
# the 8,120 letters the picture can hold, by paste.
head -c 8120 /dev/zero | tr '\0' a | xclip -selection clipboard
xdotool mousemove $((cx + 100)) $((cy + 300)) click 1
taste ctrl+a ctrl+v ctrl+a
bis 20 ablage_ist "$(head -c 8120 /dev/zero | tr '\0' a)" || fehler "Text2 hat nach dem Einfügen nicht 8120 Zeichen"
for _ in 1 2 3 4 5; do
  waehle M_den_Schluessel_festlegen
  aktiv_warten "^Eingabe des privaten Schlüssels$"
  taste Return     # "Waldsee" bestätigen
  titel_warten "Der Schlüssel hat den Wert 709"
  waehle M_Positionen_ermitteln
done
kill -0 "$pid" 2>/dev/null || fehler "Programm beendet beim Ermitteln"

taste shift+Tab Home ctrl+c   # from Text2 back to List1
zeile_da() { [[ "$(ablage)" =~ ^[0-9]{3}\ \ \ [0-9]{3}$ ]]; }
bis 20 zeile_da || fehler "Strg+C in List1 liefert \"$(ablage | head -c 40)\", erwartet eine Zeile"
erste=$(ablage)
taste End ctrl+c
neu() { [ "$(ablage)" != "$erste" ]; }
bis 20 neu || fehler "Ende bewegt die aktuelle Zeile nicht"
taste Home

# Columns run from 000 to 289: a digit other than the first line's first one
# starts lines further down.
ziffer=1
[ "${erste:0:1}" != 1 ] || ziffer=2
xdotool type --delay 20 "$ziffer"
bis 20 ablage_ist "$erste" || fehler "die Ziffer $ziffer bewegt die aktuelle Zeile von \"$erste\" nach \"$(ablage)\""
echo "listentippen: eine Ziffer lässt die aktuelle Zeile stehen"

for _ in $(seq 16); do xdotool type --delay 1 "abcdefghijklmnopqrstuvwxy"; done
start=$(date +%s%N)
taste ctrl+c
zeile=$(ablage)
ms=$((($(date +%s%N) - start) / 1000000))
[ "$zeile" = "$erste" ] || fehler "nach 400 Buchstaben steht die aktuelle Zeile auf \"$zeile\", erwartet \"$erste\""
[ "$ms" -lt 2000 ] || fehler "nach 400 Buchstaben antwortet das Programm erst nach $ms ms"
echo "listentippen: nach 400 Buchstaben antwortet das Programm nach $ms ms"
