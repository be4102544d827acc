#!/usr/bin/env bash
# Tandrel as git's difftool, set up with the README's `git config` lines through tools/run,
# on a small repository with an edited, a deleted and an added file: `git difftool HEAD`
# opens one window per file in turn; Save Diff in each tells what git handed over (the old
# text in a temporary copy, an empty side for the deleted and the added file), and closing
# the window lets git go on to the next file.
source "$(dirname "$0")/e2e-lib.sh"
e2e_begin

repo=$E2E_WORK/repo
mkdir -p "$repo"
cd "$repo" || e2e_fail "no repository folder"
git init -q .
git config user.name "Tandrel Test"
git config user.email "test@example.invalid"
printf 'one\ntwo\nthree\n' >edit.txt
printf 'old 1\nold 2\n' >gone.txt
git add edit.txt gone.txt
git commit -q -m "first"
printf 'one\n2\nthree\n' >edit.txt
git rm -q gone.txt
printf 'new 1\nnew 2\n' >new.txt
git add new.txt

# The README's lines for Linux.
git config diff.tool tandrel
git config difftool.tandrel.cmd "'$TANDREL_SOURCE_DIR/tools/run' \"\$LOCAL\" \"\$REMOTE\""
git config difftool.prompt false

# tools/run runs the program built for these tests, in the end-to-end prefix, which is
# ready for this display already: told so, tools/run does not prepare it again.
export TANDREL_BUILD_DIR
TANDREL_BUILD_DIR=$(dirname "$(dirname "$TANDREL_EXE")")
echo managed >"$WINEPREFIX/.tandrel-run-mode"

git difftool HEAD </dev/null >"$E2E_WORK/difftool.out" 2>&1 &
difftool=$!

button_x() { echo $((14 + 23 * $1)); }
for file in edit gone new; do
  main=$(e2e_wait_window '^Tandrel$' 300 60)
  e2e_log "window for $file.txt: $main"
  sleep 1
  e2e_click "$main" "$(button_x 4)" 36
  save=$(e2e_wait_window '^Save As$' 200 20)
  e2e_type "$save" "$(e2e_windows_path "$E2E_WORK/$file.report")"
  e2e_keys "$save" Return
  e2e_wait_window_gone '^Save As$'
  for _ in $(seq 50); do [ -s "$E2E_WORK/$file.report" ] && break; sleep 0.2; done
  e2e_keys "$main" alt+F4
  e2e_wait_window_gone '^Tandrel$' 20
done
for _ in $(seq 100); do kill -0 "$difftool" 2>/dev/null || break; sleep 0.2; done
kill -0 "$difftool" 2>/dev/null && e2e_fail "git difftool did not end: $(cat "$E2E_WORK/difftool.out")"
wait "$difftool" || e2e_fail "git difftool failed: $(cat "$E2E_WORK/difftool.out")"

expect_report() {  # FILE EXPECTED (printf format of the report, LF line ends)
  # shellcheck disable=SC2059
  [ "$(tr -d '\r' <"$E2E_WORK/$1.report")" = "$(printf "$2")" ] \
    || e2e_fail "$1.txt: Save Diff wrote [$(cat "$E2E_WORK/$1.report")]"
}
expect_report edit '2c2\n< two\n---\n> 2'
expect_report gone '1,2d0\n< old 1\n< old 2'
expect_report new '0a1,2\n> new 1\n> new 2'
e2e_log "git difftool showed the edit, the deleted file against an empty side and the added file"
