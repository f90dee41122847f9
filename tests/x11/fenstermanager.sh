# Sourced by the X server tests: starts openbox, sets wm to its process id and
# waits until it manages the screen.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
