#!/usr/bin/env bash
# A person types names beyond ASCII with real keys: a Chinese file name into File 1 and a
# Cyrillic one into File 2 of the Compare Files dialog, and Enter compares them (no "does
# not exist" box); then a Cyrillic word typed into the Find dialog is found in the file
# (no "not found" box), and a Greek word that is not there is reported.
source "$(dirname "$0")/e2e-lib.sh"
export LC_ALL=C.UTF-8
e2e_begin

printf 'alpha\nПривет мир\n' >"$E2E_WORK/中文名.txt"
printf 'alpha\nbeta\n' >"$E2E_WORK/Привет.txt"
left=$(e2e_windows_path "$E2E_WORK/中文名.txt")
right=$(e2e_windows_path "$E2E_WORK/Привет.txt")

# xdotool types a character the keyboard map lacks by binding it to a spare key code
# for the moment; a key named by its Unicode code point (U4E2D) is the same key press.
e2e_start
dialog=$(e2e_wait_window '^Compare Files$' 200 60)
e2e_log "Compare Files dialog $dialog"
e2e_type "$dialog" "$left"
e2e_keys "$dialog" Tab
e2e_type "$dialog" "$right"
e2e_keys "$dialog" Return
sleep 1
if box=$(e2e_message_box); then
  e2e_fail "the typed names were refused with a message box $box"
fi
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "the typed names were compared in window $main"

# The left pane has the keyboard; Find looks there from its start.
e2e_click "$main" 60 118
e2e_keys "$main" ctrl+Home ctrl+f
find=$(e2e_wait_window '^Find$' 100 10)
e2e_type "$find" "привет"
e2e_keys "$find" Return
sleep 1
if box=$(e2e_message_box); then
  e2e_fail "the typed Cyrillic word was not found (message box $box)"
fi
e2e_log "the Cyrillic word typed into Find was found"

e2e_keys "$find" ctrl+a
e2e_type "$find" "Ωμέγα"
e2e_keys "$find" Return
box=$(e2e_wait_message_box "a Greek word that is not in the file")
e2e_log "a Greek word that is not there: message box $box"
e2e_keys "$box" Return
sleep 0.5
e2e_message_box >/dev/null && e2e_fail "the message box is still up"
e2e_keys "$find" Escape
e2e_wait_window_gone '^Find$'
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
