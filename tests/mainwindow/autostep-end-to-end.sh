#!/usr/bin/env bash
# The program on a pair with two differences and /a1: it steps through them and
# ends by itself with status 0, leaving the left file at the top of the recent
# left files and the window placement in the settings.
#   autostep-end-to-end.sh LAUNCHER TANDREL_EXE WORK_DIR
set -u
launcher=$1; exe=$2; work=$3
mkdir -p "$work"
printf 'a\nb\nc\nd\n' >"$work/left.txt"
printf 'a\nB\nc\nD\n' >"$work/right.txt"
windows() { printf 'Z:%s' "$1" | tr '/' '\\'; }
left=$(windows "$work/left.txt")
right=$(windows "$work/right.txt")

"$launcher" reg delete 'HKCU\Software\Brightfen' /f >/dev/null 2>&1
timeout 60 "$launcher" "$exe" "$left" "$right" /a1
status=$?
if [ $status -ne 0 ]; then
  echo "the program ended with status $status (124: it did not end by itself)"
  exit 1
fi
recent=$("$launcher" reg query 'HKCU\Software\Brightfen\Tandrel\Recent Left Files' /v 'File 0' 2>/dev/null | tr -d '\r')
settings=$("$launcher" reg query 'HKCU\Software\Brightfen\Tandrel\Settings' 2>/dev/null | tr -d '\r')
"$launcher" reg delete 'HKCU\Software\Brightfen' /f >/dev/null 2>&1
case $recent in
  *"$left"*) ;;
  *) echo "Recent Left Files\\File 0 does not hold $left: $recent"; exit 1 ;;
esac
for value in 'Window X' 'Window Y' 'Window CX' 'Window CY'; do
  case $settings in
    *"$value"*REG_DWORD*) ;;
    *) echo "the settings lack $value: $settings"; exit 1 ;;
  esac
done
echo "ended by itself with status 0; recent files and placement saved"
