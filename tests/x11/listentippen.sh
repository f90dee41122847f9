#!/bin/bash
# The real program under openbox with a List1 of 324,800 lines (five
# determinations at full capacity). Checks:
#  - a digit typed into List1 leaves the current line where it is, though
#    lines starting with that digit lie below it: the list does not search;
#  - after 400 letters typed as fast as xdotool can, the program answers a
#    request for the clipboard within 2 s, a bound far above the 0.1 s it may
#    take, so that a busy machine does not fail the test.
# Ctrl+C in List1 copies its current line, which is how the line is read.
# usage: listentippen.sh PROGRAM   (run inside xvfb-run)
set -euo pipefail
programm=$1
pid="" wm="" halter=""
trap 'kill $pid $wm $halter 2>/dev/null || true' EXIT
fehler() { echo "listentippen: $*" >&2; exit 1; }

source "$(dirname "$0")/fenstermanager.sh"
source "$(dirname "$0")/programmfenster.sh"
taste() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
# The n-th item of the first menu: a click on its title, then the arrows.
waehle() {
  xdotool mousemove $((cx + 20)) $((cy + 8)) click 1; sleep 0.3
  for _ in $(seq "$1"); do xdotool key Down; done
  taste Return
}
# The clipboard as the program hands it out, waiting at most 20 s for it.
ablage() { timeout 20 xclip -o -selection clipboard 2>/dev/null || true; }

# Text2 (at 96 dpi 290 x 106 pixels at x 5, about 270 below the top) gets
# the 8,120 letters the picture can hold, by paste.
head -c 8120 /dev/zero | tr '\0' a | xclip -quiet -i -selection clipboard >/dev/null 2>&1 &
halter=$!
sleep 0.3
xdotool mousemove $((cx + 100)) $((cy + 300)) click 1; sleep 0.3
taste ctrl+a; taste ctrl+v
taste ctrl+a; taste ctrl+c
laenge=$(ablage | wc -c)
[ "$laenge" = 8120 ] || fehler "Text2 hat nach dem Einfügen $laenge Zeichen, erwartet 8120"
for _ in 1 2 3 4 5; do
  waehle 2         # den Schlüssel festlegen
  taste Return     # "Waldsee" bestätigen
  waehle 3         # die Positionen ermitteln
done
kill -0 "$pid" 2>/dev/null || fehler "Programm beendet beim Ermitteln"

taste shift+Tab    # from Text2 back to List1
taste Home; taste ctrl+c
erste=$(ablage)
[[ "$erste" =~ ^[0-9]{3}\ \ \ [0-9]{3}$ ]] || fehler "Strg+C in List1 liefert \"${erste:0:40}\", erwartet eine Zeile"
taste End; taste ctrl+c
letzte=$(ablage)
[ "$letzte" != "$erste" ] || fehler "Ende bewegt die aktuelle Zeile nicht"
taste Home

# Columns run from 000 to 289: a digit other than the first line's first one
# starts lines further down.
ziffer=1
[ "${erste:0:1}" != 1 ] || ziffer=2
xdotool type --delay 20 "$ziffer"; sleep 0.5
taste ctrl+c
zeile=$(ablage)
[ "$zeile" = "$erste" ] || fehler "die Ziffer $ziffer bewegt die aktuelle Zeile von \"$erste\" nach \"$zeile\""
echo "listentippen: eine Ziffer lässt die aktuelle Zeile stehen"

for _ in $(seq 16); do xdotool type --delay 1 "abcdefghijklmnopqrstuvwxy"; done
start=$(date +%s%N)
xdotool key --clearmodifiers ctrl+c
zeile=$(ablage)
ms=$((($(date +%s%N) - start) / 1000000))
[ "$zeile" = "$erste" ] || fehler "nach 400 Buchstaben steht die aktuelle Zeile auf \"$zeile\", erwartet \"$erste\""
[ "$ms" -lt 2000 ] || fehler "nach 400 Buchstaben antwortet das Programm erst nach $ms ms"
echo "listentippen: nach 400 Buchstaben antwortet das Programm nach $ms ms"
