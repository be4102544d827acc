#!/usr/bin/env bash
# A person's keys over a UTF-8 line: a click in the left pane, Home, two steps right over
# two-byte Cyrillic letters, Shift+End and Ctrl+C give the rest of the line, whole
# characters, to another program through the X clipboard; Ctrl+Right steps over the
# Cyrillic word. The left file has a Cyrillic name, given on the command line.
source "$(dirname "$0")/e2e-lib.sh"
export LC_ALL=C.UTF-8
e2e_begin

command -v xclip >/dev/null || e2e_fail "xclip is missing (tools/setup installs it)"
left_file="$E2E_WORK/жук.txt"
printf 'Жук café\nline two\n' >"$left_file"
printf 'Жук café\nline 2\n' >"$E2E_WORK/right.txt"

e2e_start "$(e2e_windows_path "$left_file")" "$(e2e_windows_path "$E2E_WORK/right.txt")"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_message_box >/dev/null && e2e_fail "the program showed a message box: the file was not opened"

copied() {
  local text
  text=$(xclip -o -selection clipboard -display "$E2E_DISPLAY" 2>/dev/null)
  [ "$text" = "$1" ] || e2e_fail "the clipboard holds '$text', not '$1'"
}

# The first text row of the left pane.
e2e_click "$main" 60 118
e2e_keys "$main" Home Right Right shift+End ctrl+c
copied 'к café'
e2e_log "two steps right passed two Cyrillic letters; the copy is whole characters"

e2e_keys "$main" Home ctrl+Right shift+End ctrl+c
copied 'café'
e2e_log "Ctrl+Right stepped over the Cyrillic word and its space"

e2e_keys "$main" End shift+Left shift+Left ctrl+c
copied 'fé'
e2e_log "Shift+Left from the line end selected whole characters"

e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
