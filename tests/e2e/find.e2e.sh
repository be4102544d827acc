#!/usr/bin/env bash
# A person's path through the Find dialog: Ctrl+F in the comparison opens it, a typed
# word and Enter find the word in the left pane without a message (the pane takes the
# focus to show it, the dialog stays above the window); a click on the dialog and Esc
# close it, and the word heads the stored search strings. Started again, F3 finds it.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

printf 'one\ntwo\nthree\n' >"$E2E_WORK/left.txt"
printf 'one\n2\nthree\nfour\n' >"$E2E_WORK/right.txt"
left=$(e2e_windows_path "$E2E_WORK/left.txt")
right=$(e2e_windows_path "$E2E_WORK/right.txt")

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $main"
e2e_keys "$main" ctrl+f
find=$(e2e_wait_window '^Find$' 100 20)
e2e_log "Find dialog $find"
e2e_type "$find" three
e2e_keys "$find" Return
sleep 1
e2e_message_box >/dev/null && e2e_fail "Find Next showed a message box: the word was not found"
e2e_click "$find" 40 8
e2e_keys "$find" Escape
e2e_wait_window_gone '^Find$'
stored=$(e2e_reg 'Recent Find Strings' 'String 0')
[ "$stored" = three ] || e2e_fail "Recent Find Strings\\String 0 is '$stored', not 'three'"
e2e_log "the word heads the stored search strings"
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_keys "$main" F3
sleep 1
e2e_message_box >/dev/null && e2e_fail "F3 after a restart showed a message box"
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
e2e_log "F3 found the stored word after a restart"
