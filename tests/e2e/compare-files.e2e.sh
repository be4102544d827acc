#!/usr/bin/env bash
# A person's path through the Compare Files dialog: started without file names, the
# program asks for them; Enter on the empty dialog is refused with a message; two typed
# paths and Enter open the comparison; started again, the dialog offers the same pair
# and Enter compares it. Then the toolbar's first button asks for a new pair in the
# running program, whose Cancel leaves the comparison as it was.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

e2e_write_pair 'one\ntwo\nthree\n' 'one\n2\nthree\nfour\n'

e2e_start
dialog=$(e2e_wait_window '^Compare Files$' 200 60)
e2e_log "Compare Files dialog $dialog"
e2e_keys "$dialog" Return
box=$(e2e_wait_message_box "Enter on the empty dialog")
e2e_log "refused with a message box $box"
e2e_keys "$box" Return
e2e_wait_window_gone '^Tandrel$'
# The refusal put the focus back into File 1; Tab goes on to File 2.
main=$(e2e_compare_pair "$dialog" "$left" "$right")
e2e_log "comparison window $main"
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
[ "$(e2e_reg 'Recent Left Files' 'File 0')" = "$left" ] || e2e_fail "the left file does not head its recent list"
[ "$(e2e_reg 'Recent Right Files' 'File 0')" = "$right" ] || e2e_fail "the right file does not head its recent list"

e2e_start
dialog=$(e2e_wait_window '^Compare Files$' 200 60)
e2e_log "started again: Compare Files dialog $dialog"
e2e_keys "$dialog" Return
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "the offered pair compared in window $main"

# The first toolbar button (Compare New Pair Of Files) just below the caption.
e2e_click "$main" 14 36
dialog=$(e2e_wait_window '^Compare Files$' 200 20)
e2e_log "Compare New Pair opened the dialog $dialog"
e2e_keys "$dialog" Escape
e2e_wait_window_gone '^Compare Files$'
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
[ "$(e2e_reg 'Recent Left Files' 'File 1')" = "" ] || e2e_fail "the same pair was listed twice"
e2e_log "the pair was offered again and compared; Compare New Pair asked for files"
