# Sourced by the X server tests: starts openbox, sets wm to its process id and
# waits until it manages the screen.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# Prints the id of a visible window whose title matches the regular
# expression $1, waiting up to $2 tenths of a second (default 100); prints
# nothing if none appears.
fenster_warten() {
  local id=""
  for _ in $(seq "${2:-100}"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
