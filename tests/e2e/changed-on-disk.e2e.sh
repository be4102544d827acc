#!/usr/bin/env bash
# A person's path through a file that changes while it is shown: the pair is open, the
# person works in another program (Wine's notepad) while the right file changes on disk,
# then clicks the main window: the question comes; Yes compares again, and the new text
# is what the window holds (Save Diff's report of it names the new line).
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

e2e_write_pair 'one\ntwo\nthree\n' 'one\n2\nthree\n'
report=$E2E_WORK/report.txt

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $main"

wine notepad </dev/null >/dev/null 2>&1 &
notepad_pid=$!
other=$(e2e_wait_window 'Notepad$' 100 30)
# Out of the way of the main window, which it would cover.
xdotool windowmove "$other" 700 650
e2e_keys "$other"
e2e_log "another program has the focus: $other"
printf 'one\n2\nthree\nfour, written later\n' >"$E2E_WORK/right.txt"

e2e_click "$main" 300 250
# The question is titled like the main window (and wider than other message boxes: the path).
question=$(e2e_wait_other_window '^Tandrel$' "$main" 10)
e2e_screenshot "$E2E_WORK/question.png" "$question"
e2e_log "the question came: $question"
e2e_keys "$question" Return

# The new window of the new comparison; Save Diff (toolbar, fifth button) saves what it holds.
for _ in $(seq 50); do
  [ "$(xdotool search --onlyvisible --name '^Tandrel$' 2>/dev/null | grep -vcx "$main")" -ge 1 ] && break
  sleep 0.2
done
main=$(e2e_wait_window '^Tandrel$' 600)
sleep 1
e2e_click "$main" $((14 + 23 * 4)) 36
save=$(e2e_wait_window '^Save As$' 200 20)
e2e_type "$save" "$(e2e_windows_path "$report")"
e2e_keys "$save" Return
e2e_wait_window_gone '^Save As$'
for _ in $(seq 50); do [ -s "$report" ] && break; sleep 0.2; done
grep -q '^> four, written later' "$report" || e2e_fail "the window does not show the new text: $(cat "$report")"
e2e_log "Yes compared again: the window shows the new line"

e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
kill "$notepad_pid" 2>/dev/null
