#!/usr/bin/env bash
# A person's path with the difference map: a 10,000-line pair with differences near the
# top, in the middle and near the end. A click on the map's lowest mark makes the last
# difference current: its mark reaches out to the map's edges and the map's frame moves
# round it. Hiding the map in Options gives its width back to the panes, and the setting
# is stored at exit.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

awk 'BEGIN { for (i = 1; i <= 10000; i++) printf "line %d\n", i }' >"$E2E_WORK/left.txt"
awk '{ if (NR == 5 || NR == 5000 || NR == 9990) print "changed " $0; else print }' \
  "$E2E_WORK/left.txt" >"$E2E_WORK/right.txt"
left=$(e2e_windows_path "$E2E_WORK/left.txt")
right=$(e2e_windows_path "$E2E_WORK/right.txt")

# Pixels of the changed colour (blue) in the right-most columns of the window's picture
# (its client area) above the status bar and its legend: only the map's marks have it
# there. Prints "x y" of each, one a line.
blue_pixels() {
  local picture=$1 width height
  width=$(identify -format '%w' "$picture")
  height=$(identify -format '%h' "$picture")
  convert "$picture" -crop "40x$((height - 25))+$((width - 40))+0" +repage txt:- \
    | sed -n 's/^\([0-9]*\),\([0-9]*\): .*#0000FF.*/\1 \2/p' | awk -v off=$((width - 40)) '{ print $1 + off, $2 }'
}

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $main"
sleep 1
e2e_screenshot "$E2E_WORK/before.png" "$main"
# Depending on the X window Wine gives the search, the picture (and the clicks) count from
# the window's corner, with its 4-pixel border and 19-pixel caption, or from the client
# area's: the window opens 600 pixels wide, its client area narrower.
if [ "$(identify -format '%w' "$E2E_WORK/before.png")" -ge 600 ]; then border=4 top=23; else border=0 top=0; fi
marks=$(blue_pixels "$E2E_WORK/before.png")
[ -n "$marks" ] || e2e_fail "the map shows no mark of a change"
lowest=$(printf '%s\n' "$marks" | sort -k2,2n | tail -n1)
x=${lowest% *}; y=${lowest#* }
# The mark's top row: its bottom row may come under the frame once the view reaches the end.
while printf '%s\n' "$marks" | grep -qx "[0-9]* $((y - 1))"; do y=$((y - 1)); done
before_width=$(printf '%s\n' "$marks" | awk -v y="$y" '$2 == y' | wc -l)
e2e_log "the lowest mark at $x,$y, $before_width pixels wide"

e2e_click "$main" "$x" "$y"
sleep 0.5
e2e_screenshot "$E2E_WORK/after.png" "$main"
after_width=$(blue_pixels "$E2E_WORK/after.png" | awk -v y="$y" '$2 == y' | wc -l)
[ "$after_width" -gt "$before_width" ] \
  || e2e_fail "the clicked mark is $after_width pixels wide, not wider than $before_width: the last difference is not current"
e2e_log "the last difference is current: its mark is $after_width pixels wide"
# The map's frame (black lines round the rows in view) now lies round the clicked mark,
# and the marker left of the panes shows, as it does only for a row in view.
map_left=$(blue_pixels "$E2E_WORK/after.png" | awk -v y="$y" '$2 == y' | sort -n | head -n1 | cut -d' ' -f1)
frame_near() {
  convert "$1" -crop "1x9+$((map_left + 9))+$((y - 5))" +repage txt:- | grep -c '#000000'
}
[ "$(frame_near "$E2E_WORK/before.png")" -eq 0 ] || e2e_fail "the frame stood at the last difference before the click"
[ "$(frame_near "$E2E_WORK/after.png")" -gt 0 ] || e2e_fail "the frame did not move to the last difference"
yellow=$(convert "$E2E_WORK/after.png" -crop 20x+0+0 +repage txt:- | grep -c '#FFFF00')
[ "$yellow" -gt 0 ] || e2e_fail "the current difference is not shown: no marker left of the panes"
e2e_log "the last difference is shown: the frame is round it and the marker points at it"

# Set Options, untick Show Difference Map (Alt+M), OK: the panes take the map's width
# back, so the right pane's scroll bar moves right by the map's 20 pixels.
set_options_x=$((14 + 14 * 23 + 4 * 8))
e2e_click "$main" $((border + set_options_x)) $((top + 14))
dialog=$(e2e_wait_window '^Options$' 200 20)
e2e_keys "$dialog" alt+m Return
e2e_wait_window_gone '^Options$'
sleep 0.5
e2e_screenshot "$E2E_WORK/hidden.png" "$main"
width=$(( $(identify -format '%w' "$E2E_WORK/hidden.png") - border ))
middle=$(( $(identify -format '%h' "$E2E_WORK/hidden.png") / 2 ))
pixel() { convert "$1" -crop "1x1+$2+$middle" +repage txt:- | sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p'; }
track=$(pixel "$E2E_WORK/after.png" $((width - 33)))
[ "$(pixel "$E2E_WORK/hidden.png" $((width - 13)))" = "$track" ] \
  || e2e_fail "the right pane's scroll bar did not move into the map's place"
[ -z "$(blue_pixels "$E2E_WORK/hidden.png" | awk -v x=$((width - 23)) '$1 >= x')" ] \
  || e2e_fail "the map still shows its marks"
e2e_log "the map is hidden: the panes took its width"

e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
[ "$(e2e_reg Settings 'Show Difference Map')" = 0x0 ] || e2e_fail "Show Difference Map is '$(e2e_reg Settings 'Show Difference Map')', not 0x0"
e2e_log "the registry holds Show Difference Map 0"
