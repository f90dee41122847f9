# Sourced by the X server tests after fenstermanager.sh: starts the program
# given as $programm, sets pid to its process id, wid to its window and cx, cy
# to the window's upper left corner on the screen, and activates the window.
# Needs fehler from the sourcing script.
"$programm" &
pid=$!
wid=$(fenster_warten "^Tarnbild - Demo\$")
[ -n "$wid" ] || fehler "Fenster \"Tarnbild - Demo\" erscheint nicht"
sleep 1
xdotool windowactivate --sync "$wid" 2>/dev/null || true
read -r cx cy < <(xwininfo -id "$wid" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
