#!/usr/bin/env bash
# A person's path through Save Diff and the editor: the toolbar's Save Diff button opens
# Save As, a typed path and Enter save the listing, which `patch` applies to the left file
# to give the right one; saving to the same name again asks before replacing it. Edit
# Left File opens the editor (Wine's notepad) on the left file.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

printf 'one\ntwo\nthree\nfive\nsix\n' >"$E2E_WORK/left.txt"
printf 'one\n2\nthree\nfour\nfive\n' >"$E2E_WORK/right.txt"
left=$(e2e_windows_path "$E2E_WORK/left.txt")
right=$(e2e_windows_path "$E2E_WORK/right.txt")
report=$E2E_WORK/report.txt

# Toolbar buttons lie one every 23 pixels from x = 14, just below the caption.
button_x() { echo $((14 + 23 * $1)); }

save_diff() {
  e2e_click "$main" "$(button_x 4)" 36
  local save
  save=$(e2e_wait_window '^Save As$' 200 20)
  e2e_log "Save As $save"
  e2e_type "$save" "$(e2e_windows_path "$report")"
  e2e_keys "$save" Return
}

e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300)
e2e_log "main window $main"
save_diff
e2e_wait_window_gone '^Save As$'
for _ in $(seq 50); do [ -s "$report" ] && break; sleep 0.2; done
[ -s "$report" ] || e2e_fail "Save Diff wrote no report"
sed 's/\r$//' "$report" >"$E2E_WORK/report.lf"
patch -s -o "$E2E_WORK/patched.txt" "$E2E_WORK/left.txt" "$E2E_WORK/report.lf" \
  || e2e_fail "patch does not apply the saved report"
cmp -s "$E2E_WORK/patched.txt" "$E2E_WORK/right.txt" || e2e_fail "the patched left file is not the right one"
e2e_log "the saved report patches the left file into the right one"

echo stale >"$report"
save_diff
# The system's question before replacing an existing file; Enter answers Yes.
sleep 1
prompt=$(xdotool search --onlyvisible --name '^Save As$' 2>/dev/null | tail -n1)
[ -n "$prompt" ] || e2e_fail "no question before replacing the report"
e2e_keys "$prompt" Return
e2e_wait_window_gone '^Save As$'
for _ in $(seq 50); do grep -q stale "$report" || break; sleep 0.2; done
sed 's/\r$//' "$report" | cmp -s - "$E2E_WORK/report.lf" || e2e_fail "the replaced report differs"
e2e_log "saving to the same name asked first and replaced the report"

e2e_click "$main" "$(button_x 2)" 36
editor=$(e2e_wait_window '^left.txt - Notepad$' 100 30)
e2e_log "Edit Left File opened the editor $editor"
e2e_keys "$editor" alt+F4
e2e_wait_window_gone '^left.txt - Notepad$'
e2e_keys "$main" alt+F4
e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
