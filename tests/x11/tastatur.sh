#!/bin/bash
# The real program under openbox in a fresh X server, where nobody owns
# CLIPBOARD or PRIMARY. Checks:
#  - Ctrl+V, Shift+Insert and a middle click into Text2 and Text3 neither end
#    the program nor change the text;
#  - F10, Left, Return (on "Ende") types nothing into Text2, and the keys
#    after it reach Text2 again;
#  - F10, Escape gives the keyboard back to Text2 at once;
#  - the arrows go round the titles;
#  - a paste of 1 MB into the key box is refused with a message.
# usage: tastatur.sh   (inside xsitzung.sh)
set -euo pipefail
fehler() { echo "tastatur: $*" >&2; exit 1; }
source "$X11/x.sh"
lebt() { kill -0 "$pid" 2>/dev/null || fehler "Programm beendet nach: $1"; }
for auswahl in clipboard primary; do
  if xclip -o -selection "$auswahl" >/dev/null 2>&1; then fehler "$auswahl hat schon einen Besitzer"; fi
done

# Text2 and Text3 at 96 dpi: 290 x 106 pixels at x 5 and 298, about 270 below the top.
klick() { xdotool mousemove $((cx + $1)) $((cy + 300)) click "$2"; }
# What Text2 holds, read through the clipboard (only now does anybody own it).
text2() { taste ctrl+a ctrl+c; timeout 20 xclip -o -selection clipboard 2>/dev/null || true; }
text2_ist() { [[ "$(text2)" == $1 ]]; }
text2_warten() { bis 20 text2_ist "$1" || fehler "$2: Text2 enthält \"$(text2 | head -c 40)\""; }

xdotool type --delay 50 "ab"
for feld in "Text2 100" "Text3 400"; do
  read -r name x <<<"$feld"
  klick "$x" 1
  taste ctrl+v shift+Insert
  klick "$x" 2
done
klick 100 1                              # back to Text2, cursor at the end
taste ctrl+End
text2_warten "ab" "Einfügen ohne Zwischenablage"
lebt "Einfügen ohne Zwischenablage"
echo "tastatur: Einfügen ohne Zwischenablage in Text2 und Text3 übersteht das Programm"

taste ctrl+End F10 Left Return           # "Ende": nothing happens
xdotool type --delay 50 "c"
taste F10 Escape                         # out of the menus at once
xdotool type --delay 50 "d"
text2_warten "abcd" "nach F10, Links, Eingabe und F10, Escape"
echo "tastatur: F10, Links, Eingabe und F10, Escape lassen Text2 unberührt; die Tasten danach erreichen Text2"

# Round the titles: Left to "Ende", Right wraps to "Verschlüsseln" with its
# first item ready, and Return chooses "Text einfügen".
tasten_bis "Verschlüsseln/Text einfügen" F10 Left Left Right Right
taste Return
text2_warten "Hier kommt etwas*" "nach F10, Links, Links, Rechts, Rechts, Eingabe"
echo "tastatur: die Pfeile gehen über \"Ende\" hinweg im Kreis"

# A paste of 1 MB into the key box: refused with a German message, the key
# stays "Waldsee", and the keys after it answer at once.
head -c 1048576 /dev/zero | tr '\0' 'a' | xclip -selection clipboard
waehle M_den_Schluessel_festlegen
aktiv_warten "^Eingabe des privaten Schlüssels$"
taste End ctrl+v
aktiv_warten "^punktgarten$"
lebt "Einfügen von 1 MB ins Schlüsselfeld"
taste Return                             # the message box closes
aktiv_warten "^Eingabe des privaten Schlüssels$"
taste Return                             # OK: the key as it stands
titel_warten "Der Schlüssel hat den Wert 709"
echo "tastatur: 1 MB ins Schlüsselfeld abgewiesen, der Schlüssel blieb \"Waldsee\""
