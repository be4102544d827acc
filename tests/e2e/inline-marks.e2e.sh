#!/usr/bin/env bash
# A person's path with the marks inside changed rows: a pair opens with the changed
# characters on their own background (pixels of the inline colour in the window);
# Set Options from the toolbar, Show Inline Differences switched off with its key,
# Enter: the marks are gone without a new comparison (no "identical" box, the same
# window). At exit the registry holds Show Inline Differences 0.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

e2e_write_pair 'keep\nthe colour is red\ntotal = computeSum(values, count);\nkeep\n' \
  'keep\nthe color is red\ntotal = computeSum(values, count, true);\nkeep\n'
# The default inline colour, as the screen shows it.
mark='#FFE080'

# Pixels of exactly the colour in a picture of the window.
pixels_of() {  # pixels_of FILE #RRGGBB
  convert "$1" -alpha off txt:- | grep -ci " $2 " || true
}

set_options_x=$((14 + 14 * 23 + 4 * 8))

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $main"
sleep 1
e2e_screenshot "$E2E_WORK/marks-on.png" "$main"
on=$(pixels_of "$E2E_WORK/marks-on.png" "$mark")
[ "$on" -gt 0 ] || e2e_fail "no pixel of the inline colour $mark in the window"
e2e_log "$on pixels of the inline colour"

e2e_click "$main" "$set_options_x" 36
dialog=$(e2e_wait_window '^Options$' 200 20)
e2e_keys "$dialog" alt+i Return
e2e_wait_window_gone '^Options$'
sleep 1
box=$(xdotool search --onlyvisible --name '^Tandrel$' 2>/dev/null | grep -vx "$main" || true)
[ -z "$box" ] || e2e_fail "a window or box $box appeared: the marks should go without a new comparison"
e2e_screenshot "$E2E_WORK/marks-off.png" "$main"
off=$(pixels_of "$E2E_WORK/marks-off.png" "$mark")
[ "$off" -eq 0 ] || e2e_fail "$off pixels of the inline colour are left after switching the marks off"
e2e_log "switched off in Options: no pixel of the inline colour left, same window"

e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
[ "$(e2e_reg Settings 'Show Inline Differences')" = 0x0 ] \
  || e2e_fail "Show Inline Differences is '$(e2e_reg Settings 'Show Inline Differences')', not 0x0"
e2e_log "the registry holds Show Inline Differences 0"
