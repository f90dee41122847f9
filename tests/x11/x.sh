# Sourced by the X server tests: waiting for a condition, the window, keys.
# Needs fehler from the sourcing script.

# bis SEKUNDEN BEFEHL...: runs BEFEHL until it succeeds, at most SEKUNDEN
# long; fails if it never does.
bis() {
  local ende=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < ende)) || return 1
    sleep 0.05
  done
}

# The id of the visible window titled $1 (a regular expression), once the
# window manager has framed it, or nothing after 20 s.
fenster_warten() {
  local wurzel id=""
  wurzel=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  gerahmt() {
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && [ "$(xwininfo -tree -id "$id" | awk '/Parent window id/ { print $4 }')" != "$wurzel" ]
  }
  bis 20 gerahmt "$1" && echo "$id"
}

# Whether the window with the keyboard is titled $1 (a regular expression).
aktiv_ist() { xdotool getactivewindow getwindowname 2>/dev/null | grep -qE -- "$1"; }
# Waits until the window titled $1 has the keyboard.
aktiv_warten() { bis 20 aktiv_ist "$1" || fehler "\"$1\" bekommt die Tastatur nicht"; }
titel_ist() { [ "$(xdotool getwindowname "$wid")" = "$1" ]; }
# Waits until the program's window is titled $1.
titel_warten() { bis 20 titel_ist "$1" || fehler "Titel \"$(xdotool getwindowname "$wid")\", erwartet \"$1\""; }

# Presses keys, as a user does, in order.
taste() { xdotool key --clearmodifiers "$@"; }
# Presses keys ($2...) until the menu entry $1 ("title/item") has the focus.
tasten_bis() { /usr/bin/python3 "$X11/atspibus.py" tasten_bis "$@" || fehler "$* führt nicht dorthin"; }
# Chooses a menu item by its object name from the keyboard (see atspibus.py).
waehle() { /usr/bin/python3 "$X11/atspibus.py" waehle "$1" || fehler "\"$1\" nicht gewählt"; }
