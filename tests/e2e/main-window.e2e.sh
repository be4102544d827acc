#!/usr/bin/env bash
# A person's first path through the main window: two files named on the command line,
# the window opens on them, Ctrl+R compares again in a new window, Alt+F4 ends the
# program with status 0 and the pair at the top of the recent lists.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

e2e_write_pair 'one\ntwo\nthree\n' 'one\n2\nthree\nfour\n'

e2e_start "$left" "$right"
first=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $first"
e2e_keys "$first" ctrl+r
# The new comparison replaces the window by a new one.
second=""
for _ in $(seq 50); do
  second=$(xdotool search --onlyvisible --name '^Tandrel$' 2>/dev/null | grep -vx "$first" | head -n1)
  [ -n "$second" ] && [ "$(e2e_window_width "$second")" -ge 300 ] && break
  second=""; sleep 0.2
done
[ -n "$second" ] || e2e_fail "Ctrl+R did not open a new comparison window"
e2e_log "compared again in window $second"
e2e_keys "$second" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"

recent=$(e2e_reg 'Recent Left Files' 'File 0')
[ "$recent" = "$left" ] || e2e_fail "Recent Left Files\\File 0 is '$recent', not '$left'"
[ -n "$(e2e_reg Settings 'Window CX')" ] || e2e_fail "the window placement was not saved"
e2e_log "ended with status 0; the pair heads the recent lists"
