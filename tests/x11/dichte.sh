#!/bin/bash
# The real program at one screen density, in a real X server with a window
# manager (openbox). Checks:
#  - the outer size of the framed window follows the layout in twips;
#  - every device pixel of Picture1 and Picture2 equals the Originalbild,
#    enlarged in whole K x K blocks;
#  - the frame lines of List1, Text2 and Text3 are drawn on all four sides.
# usage: dichte.sh STREAM DPI K TWIPS_JE_PIXEL [SCREENSHOT]
#   inside xsitzung.sh on a screen of DPI; K is the device pixel ratio the
#   program must choose, TWIPS_JE_PIXEL the logical screen's twips per pixel.
set -euo pipefail
strom=$1 dpi=$2 k=$3 tpp=$4 bildschirmfoto=${5:-}
name="dichte $dpi dpi, Faktor ${QT_SCALE_FACTOR:-1}"
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "$name: $*" >&2; exit 1; }
source "$X11/x.sh"

tail -c +9 "$strom" > "$arbeit/original.bmp"
read -r bw bh < <(identify -format '%w %h\n' "$arbeit/original.bmp")
convert "$arbeit/original.bmp" -sample "$((bw * k))x$((bh * k))!" "$arbeit/gross.png"

# The session's layout in logical pixels.
read -r p1x p2x lx lw pw ph ty th aw ah < <("$SITZUNGSDATEN" layout "$tpp")

# The frame that the window manager put around the window has the outer size.
rahmen=$(xwininfo -tree -id "$wid" | awk '/Parent window id/ { print $4 }')
soll_w=$((aw * k)) soll_h=$((ah * k))
groesse() {
  read -r rw rh < <(xwininfo -id "$rahmen" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
  (( rw >= soll_w - 1 && rw <= soll_w + 1 && rh >= soll_h - 1 && rh <= soll_h + 1 ))
}
bis 10 groesse || fehler "Fenster ist ${rw}x${rh}, erwartet ${soll_w}x${soll_h}"

ausschnitt() { convert "$arbeit/bild.png" -crop "$1" +repage "$2"; }
unterschied() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# The client area begins below the menu bar, whose height follows the font:
# find the row where the first line of Picture1 shows the Originalbild, once
# the window has painted.
convert "$arbeit/gross.png" -crop "$((bw * k))x1+0+0" +repage "$arbeit/zeile.png"
oben=""
picture1() {
  import -window root "$arbeit/bild.png"
  for y in $(seq 0 $((80 * k))); do
    ausschnitt "$((bw * k))x1+$((cx + p1x * k))+$((cy + y))" "$arbeit/z.png"
    if [ "$(unterschied "$arbeit/z.png" "$arbeit/zeile.png")" = 0 ]; then oben=$y; return 0; fi
  done
  return 1
}
bis 20 picture1 || fehler "Picture1 zeigt nicht das Originalbild in ganzen ${k}x${k}-Blöcken"
for bild in "Picture1 $p1x" "Picture2 $p2x"; do
  read -r was x <<<"$bild"
  ausschnitt "$((bw * k))x$((bh * k))+$((cx + x * k))+$((cy + oben))" "$arbeit/p.png"
  abw=$(unterschied "$arbeit/p.png" "$arbeit/gross.png")
  [ "$abw" = 0 ] || fehler "$was weicht in $abw Gerätepixeln vom Originalbild in ${k}x${k}-Blöcken ab"
done

# A frame line is drawn where no pixel of one device row or column of the
# control's outermost logical pixel shows the window's background.
hintergrund=$(convert "$arbeit/bild.png" -crop "1x1+$((cx + (lx + lw + 10) * k))+$((cy + oben + 10 * k))" \
  -format '%[hex:u.p{0,0}]' info:)
kante() { # kante NAME SEITE BREITE HOEHE X Y DX DY: K lines, each DX, DY further on
  local i n
  for i in $(seq 0 $((k - 1))); do
    n=$(convert "$arbeit/bild.png" -crop "${3}x${4}+$(($5 + i * $7))+$(($6 + i * $8))" +repage txt:- \
        | grep -c "#$hintergrund" || true)
    [ "$n" = 0 ] && return 0
  done
  fehler "$1: Rahmenlinie $2 fehlt ($n Pixel in der Hintergrundfarbe)"
}
rahmenlinien() { # rahmenlinien NAME X Y BREITE HOEHE (logical pixels, client area)
  local x=$((cx + $2 * k)) y=$((cy + oben + $3 * k)) w=$(($4 * k)) h=$(($5 * k))
  kante "$1" oben $((w - 4 * k)) 1 $((x + 2 * k)) "$y" 0 1
  kante "$1" unten $((w - 4 * k)) 1 $((x + 2 * k)) $((y + h - 1)) 0 -1
  kante "$1" links 1 $((h - 4 * k)) "$x" $((y + 2 * k)) 1 0
  kante "$1" rechts 1 $((h - 4 * k)) $((x + w - 1)) $((y + 2 * k)) -1 0
}
rahmenlinien List1 "$lx" 0 "$lw" "$ph"
rahmenlinien Text2 "$p1x" "$ty" "$pw" "$th"
rahmenlinien Text3 "$p2x" "$ty" "$pw" "$th"

echo "$name: Fenster ${rw}x${rh} (erwartet ${soll_w}x${soll_h}), Bilder $((bw * k))x$((bh * k)) Gerätepixel" \
     "in ${k}x${k}-Blöcken, Rahmenlinien vollständig"

# The keyboard: right after the start the focus is in Text2, so typing lands
# there; Tab leaves the box without typing a tab.
text2="$((pw / 2 * k))x$(((th - 8) * k))+$((cx + (p1x + 4) * k))+$((cy + oben + (ty + 4) * k))"
# Dark pixels per device pixel ratio squared: a text cursor has a few dozen,
# a typed word hundreds.
dunkel() { convert "$arbeit/bild.png" -crop "$1" +repage -colorspace Gray -threshold 50% \
  -format "%[fx:int((1 - mean) * w * h / $k / $k)]" info:; }
(( $(dunkel "$text2") < 30 )) || fehler "Text2 ist beim Start nicht leer"
xdotool type --delay 20 "Hallo Welt"
taste Tab
xdotool type --delay 20 "Antwort"
text3="$((pw / 2 * k))x$(((th - 8) * k))+$((cx + (p2x + 4) * k))+$((cy + oben + (ty + 4) * k))"
getippt() { import -window root "$arbeit/bild.png"; (($(dunkel "$text2") > 80 && $(dunkel "$text3") > 80)); }
bis 20 getippt || true
(( $(dunkel "$text2") > 80 )) || fehler "Getippter Text erscheint nicht in Text2"
(( $(dunkel "$text3") > 80 )) || fehler "Tab führt nicht von Text2 nach Text3"

# The key input box, chosen from the keyboard: its outer top-left corner at the screen's 0, 0, and its
# title shown whole. Openbox writes titles in its default font, sans bold
# 8 pt; an elided title is narrower than the title set in that font (2 % is
# allowed for hinting: 332 against 337 pixels at 168 dpi).
waehle M_den_Schluessel_festlegen
dialog=$(fenster_warten "^Eingabe des privaten Schlüssels\$") || fehler "das Eingabefeld erscheint nicht"
drahmen=$(xwininfo -tree -id "$dialog" | awk '/Parent window id/ { print $4 }')
dkopf=$(xprop -id "$dialog" _NET_FRAME_EXTENTS | awk -F', ' '{ print $3 }')
gesetzt=$(convert -density "$dpi" -font DejaVu-Sans-Bold -pointsize 8 label:"Eingabe des privaten Schlüssels" \
  -trim -format '%w' info:)
# The title's light letters, from after the icon up to the first gap wider
# than a word space (the buttons follow only after such a gap).
box() {
  read -r dx dy dw < <(xwininfo -id "$drahmen" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } END { print x, y, w }')
  import -window root "$arbeit/dialog.png"
  gelesen=$(convert "$arbeit/dialog.png" -crop "${dw}x${dkopf}+0+0" +repage \
    -fx 'r > 0.85 && g > 0.85 && b > 0.85 ? 1 : 0' -scale "${dw}x1!" -threshold 0 txt:- \
    | awk -F'[,:]' 'NR > 1 && /FFFFFF/ { print $1 }' \
    | awk -v h="$dkopf" 'BEGIN { a = -1 } $1 >= h { if (a < 0) { a = $1; e = $1 } else if ($1 - e <= 12) e = $1; else exit } END { print e - a + 1 }')
  [ "$dx,$dy" = 0,0 ] && (( gelesen * 100 >= gesetzt * 98 ))
}
bis 10 box || true
[ "$dx,$dy" = 0,0 ] || fehler "Eingabefeld steht bei $dx,$dy statt 0,0"
(( gelesen * 100 >= gesetzt * 98 )) || fehler "Titel des Eingabefelds gekürzt: $gelesen statt $gesetzt Pixel breit"
taste Escape
echo "$name: Tastatur erreicht Text2 und Text3; Eingabefeld bei 0,0, ${dw} breit, Titel ganz ($gelesen Pixel)"
if [ -n "$bildschirmfoto" ]; then
  rx=$(xwininfo -id "$rahmen" | awk '/Absolute upper-left X/ { print $4 }')
  ry=$(xwininfo -id "$rahmen" | awk '/Absolute upper-left Y/ { print $4 }')
  ausschnitt "${rw}x${rh}+$rx+$ry" "$bildschirmfoto"
fi
