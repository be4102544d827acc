# Shared support for the end-to-end paths: the real tandrel.exe on a private Xvfb
# display, driven with real key presses and clicks through xdotool.
#
# A path is a bash script NAME.e2e.sh in this folder (ctest registers each as e2e_NAME)
# that sources this file and calls e2e_begin first. ctest gives it:
#   TANDREL_EXE         the program (Unix path)
#   TANDREL_SOURCE_DIR  the source tree
#   E2E_PREFIX          the Wine prefix of the end-to-end paths (X11 driver, unmanaged
#                       windows, fonts as in the other tests), prepared once per build tree
#   E2E_WORK            an empty folder of the path's own
# E2E_DISPLAYS (first-last, default 180-199) is the range of display numbers tried.

set -u

e2e_fail() {
  echo "FAIL: $*" >&2
  [ -n "${E2E_DISPLAY:-}" ] && e2e_screenshot "$E2E_WORK/failure.png" >/dev/null 2>&1 \
    && echo "picture of the screen: $E2E_WORK/failure.png" >&2
  exit 1
}

e2e_log() { echo "-- $*"; }

# Starts the display and a fresh wineserver for the prefix; everything ends with the script.
e2e_begin() {
  export WINEPREFIX=$E2E_PREFIX WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  mkdir -p "$E2E_WORK"
  local range=${E2E_DISPLAYS:-180-199} n
  E2E_DISPLAY=""
  for n in $(seq "${range%-*}" "${range#*-}"); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then E2E_DISPLAY=:$n; break; fi
  done
  [ -n "$E2E_DISPLAY" ] || e2e_fail "no free display number in $range"
  # -noreset: a key map a path loads must outlive the moments without clients.
  Xvfb "$E2E_DISPLAY" -noreset -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  E2E_XVFB=$!
  E2E_PID=""
  trap e2e_end EXIT
  export DISPLAY=$E2E_DISPLAY
  for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X${E2E_DISPLAY#:}" ] && break; sleep 0.1; done
  sleep 0.5  # the socket appears a moment before the server takes clients
  # A server left from an earlier path would still talk to that path's display; the new
  # one must not hold ctest's output pipe.
  wineserver -k 2>/dev/null
  wineserver -p10 </dev/null >/dev/null 2>&1
  wine reg delete 'HKCU\Software\Brightfen' /f </dev/null >/dev/null 2>&1
  return 0
}

e2e_end() {
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null
  wineserver -k 2>/dev/null
  kill "$E2E_XVFB" 2>/dev/null
  wait "$E2E_XVFB" 2>/dev/null
}

# The Windows form of a Unix path (Z:\...).
e2e_windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

# Writes the pair a path compares, left.txt and right.txt in the work folder, from two
# printf formats, and sets left and right to their Windows paths.
e2e_write_pair() {
  printf "$1" >"$E2E_WORK/left.txt"
  printf "$2" >"$E2E_WORK/right.txt"
  left=$(e2e_windows_path "$E2E_WORK/left.txt")
  right=$(e2e_windows_path "$E2E_WORK/right.txt")
}

# Starts the program with the given arguments, not waiting for it.
e2e_start() {
  wine "$TANDREL_EXE" "$@" </dev/null >"$E2E_WORK/program.out" 2>&1 &
  E2E_PID=$!
}

# Waits for the program to end (at most SECONDS, default 30); returns its status.
e2e_wait_exit() {
  local limit=${1:-30} i status
  for i in $(seq $((limit * 10))); do
    if ! kill -0 "$E2E_PID" 2>/dev/null; then
      wait "$E2E_PID"; status=$?; E2E_PID=""; return $status
    fi
    sleep 0.1
  done
  e2e_fail "the program did not end within $limit s"
}

# A visible window whose title matches the regular expression and that is at least
# MIN_WIDTH pixels wide (message boxes and dialogs share titles with the main window:
# tell them apart by size); waits at most SECONDS (default 30). Prints its id.
e2e_wait_window() {
  local title=$1 min_width=${2:-0} limit=${3:-30} id width i
  for i in $(seq $((limit * 5))); do
    for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
      width=$(e2e_window_width "$id")
      if [ "${width:-0}" -ge "$min_width" ]; then echo "$id"; return 0; fi
    done
    sleep 0.2
  done
  e2e_fail "no window titled '$title' at least $min_width wide appeared within $limit s"
}

# A visible window whose title matches the regular expression other than the window
# EXCLUDE (a message box over the main window has the main window's title); waits at
# most SECONDS (default 10). Prints its id.
e2e_wait_other_window() {
  local title=$1 exclude=$2 limit=${3:-10} id i
  for i in $(seq $((limit * 5))); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -vx "$exclude" | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  e2e_fail "no window titled '$title' besides $exclude appeared within $limit s"
}

# Waits until no visible window matches the title (at most SECONDS, default 10).
e2e_wait_window_gone() {
  local title=$1 limit=${2:-10} i
  for i in $(seq $((limit * 5))); do
    [ -z "$(xdotool search --onlyvisible --name "$title" 2>/dev/null)" ] && return 0
    sleep 0.2
  done
  e2e_fail "the window titled '$title' is still open after $limit s"
}

# A message box of the program, titled like the main window but small; prints its id,
# fails when there is none.
e2e_message_box() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Tandrel$' 2>/dev/null); do
    [ "$(e2e_window_width "$id")" -lt 300 ] && { echo "$id"; return 0; }
  done
  return 1
}

# Waits for a message box of the program (at most 10 s); prints its id, fails naming
# WHAT (the step that should have raised it) when none comes.
e2e_wait_message_box() {
  local what=$1 box="" _
  for _ in $(seq 50); do box=$(e2e_message_box) && break; sleep 0.2; done
  [ -n "$box" ] || e2e_fail "$what showed no message"
  echo "$box"
}

# Types the pair into a Compare Files dialog (File 1, Tab, File 2), confirms it
# and prints the main window that then shows the comparison.
e2e_compare_pair() {
  local dialog=$1 left=$2 right=$3 main
  e2e_type "$dialog" "$left"
  e2e_keys "$dialog" Tab
  e2e_type "$dialog" "$right"
  e2e_keys "$dialog" Return
  main=$(e2e_wait_window '^Tandrel$' 300)
  echo "$main"
}

e2e_window_width() {
  xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
}

# Gives the window the keyboard focus, then presses each key (xdotool key names:
# Return, Escape, ctrl+n, alt+t ...) with a short pause after each.
e2e_keys() {
  local window=$1; shift
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}

# Types text (paths with backslashes and colons included) into the focused control.
e2e_type() {
  local window=$1 text=$2
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  xdotool type --delay 20 -- "$text"
  sleep 0.3
}

# Clicks at X, Y relative to the window's top-left corner.
e2e_click() {
  local window=$1 x=$2 y=$3
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.3
}

# The data of a registry value of the program's key, e.g. e2e_reg Settings 'Tab Size'
# (DWORDs come back as 0x...; empty when missing).
e2e_reg() {
  local section=$1 value=$2
  wine reg query "HKCU\\Software\\Brightfen\\Tandrel\\$section" /v "$value" </dev/null 2>/dev/null \
    | tr -d '\r' | sed -n "s/^ *$value *REG_[A-Z_]* *//p"
}

# Sets a registry value of the program's key before the program starts:
# e2e_reg_set SECTION VALUE TYPE DATA (TYPE REG_SZ or REG_DWORD).
e2e_reg_set() {
  wine reg add "HKCU\\Software\\Brightfen\\Tandrel\\$1" /v "$2" /t "$3" /d "$4" /f \
    </dev/null >/dev/null 2>&1
}

# A picture of one window (or of the whole screen without an id) as PNG.
e2e_screenshot() {
  local file=$1 window=${2:-}
  if [ -n "$window" ]; then
    xwd -silent -id "$window" -display "$E2E_DISPLAY" | convert xwd:- "$file"
  else
    import -display "$E2E_DISPLAY" -window root "$file"
  fi
}
