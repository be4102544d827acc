#!/usr/bin/env bash
# Names beyond ASCII typed with real key presses: Chinese, Cyrillic, Greek and accented
# Latin file names typed into Compare Files reach the edit boxes whole (a copy of the
# box gives them back) and compare, and head the recent lists; a Cyrillic word typed
# into Find is found. The keyboard has the letters on keys of their own, loaded before
# the program starts: the X11 driver reads the key map once, at start-up.
source "$(dirname "$0")/e2e-lib.sh"
export LC_ALL=C.UTF-8
e2e_begin

command -v xclip >/dev/null || e2e_fail "xclip is missing (tools/setup installs it)"
command -v xkbcomp >/dev/null || e2e_fail "xkbcomp is missing (tools/setup installs it)"

# Puts every character of the arguments beyond ASCII on a key of the keypad (no path
# presses it). The X11 driver gives such keys virtual keys from a small spare pool in
# keycode order; the keypad comes before the media keys that would drain it.
load_keymap() {
  local map=$E2E_WORK/keymap.xkb keys=(KP7 KP8 KP9 KPSU KP4 KP5 KP6 KPAD KP1 KP2 KP3 KP0 KPDL)
  local char used="" symbols="" n=0
  xkbcomp -xkb "$E2E_DISPLAY" "$map" 2>/dev/null || e2e_fail "cannot read the key map"
  for char in $(printf '%s' "$*" | grep -o '[^ -~]' | sort -u); do
    [ "$n" -lt "${#keys[@]}" ] || e2e_fail "more letters than spare keys"
    symbols+=$(printf '    key <%s> { [ U%04X ] };\\n' "${keys[n]}" "'$char")
    used+="${used:+|}${keys[n]}"
    n=$((n + 1))
  done
  awk -v add="$symbols" -v used="^    key +<($used)> " '
    /^xkb_symbols/ { inside = 1 }
    inside && $0 ~ used { skipping = 1 }
    skipping { if (/};$/) skipping = 0; next }
    inside && /^};/ { printf "%s", add; inside = 0 }
    { print }' "$map" >"$map.new"
  xkbcomp -w 0 "$map.new" "$E2E_DISPLAY" 2>/dev/null || e2e_fail "cannot load the key map"
}

# The text of the focused edit box, copied through the X clipboard.
box_text() {
  local window=$1
  e2e_keys "$window" Home shift+End ctrl+c
  xclip -o -selection clipboard -display "$E2E_DISPLAY" 2>/dev/null
}

# Data of a value of the program's key, read from an export (UTF-16) so that names in
# any script come back whole.
reg_text() {
  local section=$1 value=$2 file=$E2E_WORK/export.reg
  wine reg export "HKCU\\Software\\Brightfen\\Tandrel\\$section" "$(e2e_windows_path "$file")" /y \
    </dev/null >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$file" 2>/dev/null | tr -d '\r' \
    | sed -n "s/^\"$value\"=\"\(.*\)\"$/\1/p" | sed 's/\\\\/\\/g'
}

names=(中文名 файл λόγος café)
load_keymap "${names[*]}"
for name in "${names[@]}"; do
  printf 'одна\nвесь файл\n' >"$E2E_WORK/$name.txt"
done
printf 'одна\nδύο τρία\n' >"$E2E_WORK/right.txt"
right=$(e2e_windows_path "$E2E_WORK/right.txt")

for name in "${names[@]}"; do
  left=$(e2e_windows_path "$E2E_WORK/$name.txt")
  e2e_start
  dialog=$(e2e_wait_window '^Compare Files$' 200 60)
  e2e_type "$dialog" "$left"
  typed=$(box_text "$dialog")
  [ "$typed" = "$left" ] || e2e_fail "File 1 holds '$typed' after typing '$left'"
  e2e_keys "$dialog" Tab
  e2e_type "$dialog" "$right"
  e2e_keys "$dialog" Return
  main=$(e2e_wait_window '^Tandrel$' 300)
  e2e_message_box >/dev/null && e2e_fail "comparing the typed '$left' showed a message box"
  e2e_log "typed '$left' and compared it"

  if [ "$name" = файл ]; then
    e2e_keys "$main" ctrl+f
    find=$(e2e_wait_window '^Find$' 100 20)
    e2e_type "$find" файл
    typed=$(box_text "$find")
    [ "$typed" = файл ] || e2e_fail "the Find box holds '$typed' after typing 'файл'"
    e2e_keys "$find" Return
    sleep 1
    e2e_message_box >/dev/null && e2e_fail "Find did not find the typed Cyrillic word"
    e2e_keys "$find" Escape
    e2e_wait_window_gone '^Find$'
    e2e_log "the typed Cyrillic word was found"
  fi

  e2e_keys "$main" alt+F4
  e2e_wait_exit 20 || e2e_fail "the program ended with status $?"
  stored=$(reg_text 'Recent Left Files' 'File 0')
  [ "$stored" = "$left" ] || e2e_fail "the left recent list starts with '$stored', not '$left'"
done
[ "$(reg_text 'Recent Find Strings' 'String 0')" = файл ] || e2e_fail "the typed word is not stored"
