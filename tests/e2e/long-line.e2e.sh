#!/usr/bin/env bash
# A person's path through a pair of 100 MB files of one line each: the window opens on
# them, End, Home and a drag of the horizontal thumb answer at once, and Alt+F4 ends the
# program promptly (the keys before it cost what the screen shows, so none is queued).
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

# One line of 100,000,000 bytes on each side; the right one differs near its end.
head -c 100000000 /dev/zero | tr '\0' 'a' >"$E2E_WORK/left.txt"
{ head -c 99999990 /dev/zero | tr '\0' 'a'; printf 'bbbbbbbbbb'; } >"$E2E_WORK/right.txt"
left=$(e2e_windows_path "$E2E_WORK/left.txt")
right=$(e2e_windows_path "$E2E_WORK/right.txt")

e2e_start "$left" "$right"
window=$(e2e_wait_window '^Tandrel$' 300 150)
e2e_log "main window $window"
# The left pane: a click in it gives it the keyboard.
e2e_click "$window" 100 120
e2e_keys "$window" End Home End Home
# The left pane's horizontal bar lies along the bottom of the pane area (25 px above the
# window's bottom edge); its thumb starts at the left after the arrow button.
height=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
bar_y=$((height - 25 - 8))
xdotool mousemove --window "$window" 34 "$bar_y" mousedown 1
for x in 60 120 200 260 200 120; do
  xdotool mousemove --window "$window" "$x" "$bar_y"
  sleep 0.1
done
xdotool mouseup 1
e2e_keys "$window" End Home
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended before the close"

closed_at=$(date +%s%N)
e2e_keys "$window" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
ended_ms=$((($(date +%s%N) - closed_at) / 1000000))
e2e_log "the program ended ${ended_ms} ms after Alt+F4 (the 0.3 s pause after the key included)"
