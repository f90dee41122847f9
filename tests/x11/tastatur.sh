#!/bin/bash
# The real program under openbox in a fresh X server, where nobody owns
# CLIPBOARD or PRIMARY. Checks:
#  - Ctrl+V, Shift+Insert and a middle click into Text2 and Text3 neither end
#    the program nor change the text;
#  - F10, Left, Return (on "Ende") types nothing into Text2, and the keys
#    after it reach Text2 again;
#  - F10, Escape gives the keyboard back to Text2 at once.
# usage: tastatur.sh PROGRAM   (run inside xvfb-run)
set -euo pipefail
programm=$1
pid="" wm=""
trap 'kill $pid $wm 2>/dev/null || true' EXIT
fehler() { echo "tastatur: $*" >&2; exit 1; }
lebt() { kill -0 "$pid" 2>/dev/null || fehler "Programm beendet nach: $1"; }

source "$(dirname "$0")/fenstermanager.sh"
for auswahl in clipboard primary; do
  xprop -root >/dev/null # the server answers
  if xclip -o -selection "$auswahl" >/dev/null 2>&1; then fehler "$auswahl hat schon einen Besitzer"; fi
done

source "$(dirname "$0")/programmfenster.sh"
# Text2 and Text3 at 96 dpi: 290 x 106 pixels at x 5 and 298, about 270 below the top.
klick() { xdotool mousemove $((cx + $1)) $((cy + 300)) click "$2"; sleep 0.3; }

taste() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
xdotool type --delay 50 "ab"; sleep 0.3
for feld in "Text2 100" "Text3 400"; do
  read -r name x <<<"$feld"
  klick "$x" 1
  taste ctrl+v;        lebt "Strg+V in $name"
  taste shift+Insert;  lebt "Umschalt+Einfg in $name"
  klick "$x" 2;        lebt "Mittelklick in $name"
done
echo "tastatur: Einfügen ohne Zwischenablage in Text2 und Text3 übersteht das Programm"

klick 100 1                              # back to Text2, cursor at the end
xdotool key --clearmodifiers ctrl+End; sleep 0.2
taste F10; taste Left; taste Return      # "Ende": nothing happens
xdotool type --delay 50 "c"; sleep 0.3
taste F10; taste Escape                  # out of the menus at once
xdotool type --delay 50 "d"; sleep 0.3
lebt "Tastatur im Menü"

# Read Text2 through the clipboard; only now does anybody own it.
taste ctrl+a; taste ctrl+c
text=$(xclip -o -selection clipboard)
[ "$text" = "abcd" ] || fehler "Text2 enthält \"$text\", erwartet \"abcd\""
echo "tastatur: F10, Links, Eingabe und F10, Escape lassen Text2 unberührt; die Tasten danach erreichen Text2"

# Round the titles: Left to "Ende", Right wraps to "Verschlüsseln" with its
# first item ready, and Return chooses "Text einfügen".
taste F10; taste Left; taste Left; taste Right; taste Right; taste Return
taste ctrl+a; taste ctrl+c
text=$(xclip -o -selection clipboard)
[[ "$text" == "Hier kommt etwas"* ]] || fehler "nach F10, Links, Links, Rechts, Rechts, Eingabe: Text2 enthält \"${text:0:40}\""
echo "tastatur: die Pfeile gehen über \"Ende\" hinweg im Kreis"

# A paste of 1 MB into the key box: refused with a German message, the key
# stays "Waldsee", and the keys after it answer at once.
head -c 1048576 /dev/zero | tr '\0' 'a' | xclip -selection clipboard
taste F10; taste Down; taste Return                    # "den Schlüssel festlegen"
[ -n "$(xdotool search --onlyvisible --name "^Eingabe des privaten Schlüssels$" 2>/dev/null)" ] ||
  fehler "das Schlüsselfeld erscheint nicht"
taste End
xdotool key --clearmodifiers ctrl+v
[ -n "$(fenster_warten "^punktgarten\$" 50)" ] || fehler "ein Schlüssel von 1 MB wird ohne Meldung angenommen"
lebt "Einfügen von 1 MB ins Schlüsselfeld"
taste Return                                           # the message box closes
beginn=$(date +%s%N)
xdotool key --clearmodifiers Return                    # OK: the key as it stands
for _ in $(seq 50); do
  [ "$(xdotool getwindowname "$wid")" = "Der Schlüssel hat den Wert 709" ] && break
  sleep 0.05
done
dauer=$(( ($(date +%s%N) - beginn) / 1000000 ))
titel=$(xdotool getwindowname "$wid")
[ "$titel" = "Der Schlüssel hat den Wert 709" ] || fehler "nach dem abgewiesenen Einfügen: Titel \"$titel\""
echo "tastatur: 1 MB ins Schlüsselfeld abgewiesen, der Schlüssel blieb \"Waldsee\" (Titel nach ${dauer} ms)"
