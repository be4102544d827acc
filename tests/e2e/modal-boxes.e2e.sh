#!/usr/bin/env bash
# Message boxes belong to the window they interrupt. At start-up, "Please enter a file
# name!" over the Compare Files dialog is answered and the dialog goes on. Later, in
# the running program: the toolbar opens Compare Files, an
# emptied File 1 is refused, and clicks on the main window's toolbar, while the box is up
# and after it is answered, open no second dialog; the dialog still works afterwards.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

e2e_write_pair 'one\ntwo\n' 'one\n2\n'

compare_dialogs() { xdotool search --onlyvisible --name '^Compare Files$' 2>/dev/null | wc -l; }

e2e_start
dialog=$(e2e_wait_window '^Compare Files$' 200 60)
e2e_keys "$dialog" Return
box=$(e2e_wait_message_box "Enter on the empty dialog")
e2e_log "start-up refusal $box over the dialog $dialog"
e2e_keys "$box" Return
e2e_wait_window_gone '^Tandrel$'
main=$(e2e_compare_pair "$dialog" "$left" "$right")
e2e_log "comparison window $main"

# The first toolbar button (Compare New Pair Of Files) just below the caption.
e2e_click "$main" 14 36
dialog=$(e2e_wait_window '^Compare Files$' 200 20)
e2e_keys "$dialog" Home shift+End Delete Return
box=$(e2e_wait_message_box "Enter on an emptied File 1")
e2e_log "refusal $box inside the modal dialog $dialog"
e2e_click "$main" 14 36
sleep 0.5
[ "$(compare_dialogs)" -eq 1 ] || e2e_fail "a toolbar click under the message box opened a second dialog"
e2e_keys "$box" Return
sleep 0.5
e2e_message_box >/dev/null && e2e_fail "the message box is still up"
e2e_click "$main" 14 36
sleep 0.5
[ "$(compare_dialogs)" -eq 1 ] || e2e_fail "after the message box the main window took a click while its dialog was open"
e2e_log "the main window took no click while the dialog and its box were up"

e2e_type "$dialog" "$left"
e2e_keys "$dialog" Return
e2e_wait_window_gone '^Compare Files$'
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
