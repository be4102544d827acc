#!/usr/bin/env bash
# A person's path through the Options dialog and the About box: Set Options from the
# toolbar, a tab size of 0 refused with a message, 8 typed instead, Ignore case ticked,
# Enter: the window compares again ignoring case (the two files differ only in case, so
# they are now identical). About opens from the toolbar and closes with Enter. At exit
# the registry holds the new tab size and Ignore Case.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

printf 'alpha\nBeta\ngamma\n' >"$E2E_WORK/left.txt"
printf 'alpha\nbeta\ngamma\n' >"$E2E_WORK/right.txt"
left=$(e2e_windows_path "$E2E_WORK/left.txt")
right=$(e2e_windows_path "$E2E_WORK/right.txt")

# Toolbar buttons just below the caption: 23 pixels a button, 8 a separator, the
# first centred at x 14. Set Options follows 14 buttons and 4 separators, About
# 16 buttons and 5 separators.
set_options_x=$((14 + 14 * 23 + 4 * 8))
about_x=$((14 + 16 * 23 + 5 * 8))

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $main"

e2e_click "$main" "$set_options_x" 36
dialog=$(e2e_wait_window '^Options$' 200 20)
e2e_log "Set Options opened the Options dialog $dialog"
e2e_keys "$dialog" alt+t
e2e_type "$dialog" 0
e2e_keys "$dialog" Return
box=$(e2e_wait_other_window '^Tandrel$' "$main")
e2e_log "a tab size of 0 refused with a message box $box"
e2e_keys "$box" Return
# The refusal left the tab size selected: typing replaces it.
e2e_type "$dialog" 8
e2e_keys "$dialog" alt+c Return
e2e_wait_window_gone '^Options$'

# The new comparison of files that differ only in case finds them identical.
box=$(e2e_wait_other_window '^Tandrel$' "$main" 30)
e2e_log "compared again ignoring case: message box $box"
e2e_keys "$box" Return
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "the new comparison's window $main"

e2e_click "$main" "$about_x" 36
about=$(e2e_wait_window '^About Tandrel$' 200 20)
e2e_log "About opened $about"
e2e_keys "$about" Return
e2e_wait_window_gone '^About Tandrel$'

e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
[ "$(e2e_reg Settings 'Tab Size')" = 0x8 ] || e2e_fail "Tab Size is '$(e2e_reg Settings 'Tab Size')', not 0x8"
[ "$(e2e_reg Settings 'Ignore Case')" = 0x1 ] || e2e_fail "Ignore Case is '$(e2e_reg Settings 'Ignore Case')', not 0x1"
e2e_log "the registry holds Tab Size 8 and Ignore Case 1"
