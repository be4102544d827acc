#!/usr/bin/env bash
# The picture of two UTF-8 files with accented, Greek and Cyrillic lines, the left one
# with a Cyrillic name, for docs/unicode.png; taken on a private Xvfb display with the
# end-to-end harness:
#   tests/e2e/unicode-picture.sh BUILD_DIR DOCS_DIR
# BUILD_DIR is a built Windows tree (its e2e prefix is made when missing).
# Wine reads the command line in the locale's encoding.
export LC_ALL=C.UTF-8
source "$(dirname "$0")/picture-setup.sh" "$1" "$2" unicode-picture
e2e_begin

left_file="$E2E_WORK/заметки.txt"
right_file="$E2E_WORK/notes.txt"
cat >"$left_file" <<'TEXT'
Café au lait, crème brûlée
Preis: € 12,50 für zwei
Ελληνικά: καλημέρα κόσμε
Русский: съешь же ещё этих булок
naïve façade, smörgåsbord
Ωμέγα και άλφα
TEXT
cat >"$right_file" <<'TEXT'
Café au lait, crème brûlée
Preis: € 14,00 für zwei
Ελληνικά: καλησπέρα κόσμε
Русский: съешь же ещё этих мягких булок
naïve façade, smörgåsbord
Ωμέγα και Άλφα
Ещё одна строка
TEXT
e2e_start "$(e2e_windows_path "$left_file")" "$(e2e_windows_path "$right_file")"
main=$(e2e_wait_window '^Tandrel$' 300 60)
sleep 1
e2e_screenshot "$docs/unicode.png" "$main"
echo "$docs/unicode.png"
