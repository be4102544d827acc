#!/usr/bin/env bash
# A person's path through the Find dialog: Ctrl+F in the comparison opens it, a typed
# word and Enter find the word in the left pane without a message (the dialog keeps the
# keyboard); Esc closes it, and the word heads the stored search strings. Started again,
# F3 finds it.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

e2e_write_pair 'one\ntwo\nthree\n' 'one\n2\nthree\nfour\n'

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
# Esc goes to whatever has the keyboard after the search, as a person's key would.
xdotool key --clearmodifiers Escape
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
