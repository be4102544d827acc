#!/usr/bin/env bash
# Pictures of the Compare Files dialog, the File Types editor, the Options dialog and the
# Find dialog for their pages in docs/, taken on a private Xvfb display with the end-to-end
# harness:
#   tests/e2e/dialog-pictures.sh BUILD_DIR DOCS_DIR
# BUILD_DIR is a built Windows tree (its e2e prefix is made when missing).
source "$(dirname "$0")/picture-setup.sh" "$1" "$2" dialog-pictures
e2e_begin

e2e_reg_set 'Recent Left Files' 'File 0' REG_SZ 'C:\work\tandrel\engine\DiffFiles.cpp'
e2e_reg_set 'Recent Left Files' 'File 1' REG_SZ 'C:\work\notes\old.txt'
e2e_reg_set 'Recent Right Files' 'File 0' REG_SZ 'C:\work\tandrel-next\engine\DiffFiles.cpp'
e2e_reg_set 'Recent Right Files' 'File 1' REG_SZ 'C:\work\notes\new.txt'
e2e_reg_set Settings 'Ignore Case' REG_DWORD 1
e2e_reg_set Settings 'File Filter' REG_SZ \
  'C++ Files (*.c;*.cpp;*.cxx;*.c++;*.h)|*.c;*.cpp;*.cxx;*.c++;*.h|Text Files (*.txt)|*.txt|Makefiles (Makefile;*.mk)|Makefile;*.mk|All Files (*.*)|*.*||'

e2e_start
dialog=$(e2e_wait_window '^Compare Files$' 200 60)
sleep 1
e2e_screenshot "$docs/compare-files.png" "$dialog"
e2e_keys "$dialog" alt+b
open=$(e2e_wait_window '^Select first file$' 200 30)
# The File Types button, below the system dialog's own controls.
e2e_click "$open" 372 393
e2e_wait_window '^File Types$' 100 30 >/dev/null
sleep 1
geometry=$(xdotool getwindowgeometry "$open")
position=$(echo "$geometry" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
size=$(echo "$geometry" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
read -r x y <<<"$position"; read -r w h <<<"$size"
e2e_screenshot "$E2E_WORK/screen.png"
convert "$E2E_WORK/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$docs/file-types.png"
kill "$E2E_PID"; wait "$E2E_PID" 2>/dev/null; E2E_PID=""

# The Options dialog over a comparison, opened with the toolbar's Set Options button.
e2e_write_pair 'one\ntwo\n' 'one\n2\n'
e2e_start "$left" "$right"
main=$(e2e_wait_window '^Tandrel$' 300 60)
e2e_click "$main" $((14 + 14 * 23 + 4 * 8)) 36
options=$(e2e_wait_window '^Options$' 200 30)
sleep 1
e2e_screenshot "$docs/options.png" "$options"
kill "$E2E_PID"; wait "$E2E_PID" 2>/dev/null; E2E_PID=""

# The Find dialog with earlier searches in its list.
n=0
for word in DiscardConfusingLines ReadWholeFile 'Virtual memory exhausted'; do
  e2e_reg_set 'Recent Find Strings' "String $n" REG_SZ "$word"; n=$((n + 1))
done
cp "$here/../../engine/ListingOrder.cpp" "$E2E_WORK/old.cpp"
sed 's/visit(listing\[i\])/visit(listing.at(i))/' "$here/../../engine/ListingOrder.cpp" >"$E2E_WORK/new.cpp"
e2e_start "$(e2e_windows_path "$E2E_WORK/old.cpp")" "$(e2e_windows_path "$E2E_WORK/new.cpp")"
main=$(e2e_wait_window '^Tandrel$' 300 60)
e2e_keys "$main" ctrl+f
find=$(e2e_wait_window '^Find$' 100 30)
sleep 1
e2e_screenshot "$docs/find.png" "$find"
echo "$docs/compare-files.png $docs/file-types.png $docs/options.png $docs/find.png"
