# Shared by the end-to-end tests (sourced): the real Quillet.exe under Wine on
# the test display, driven with xdotool as a user would, files checked on disk.
#
# A test script is called with: PROGRAM-DIR WINEPREFIX SOURCE-DIR E2E-HELPER-EXE.
set -u

e2e_init() {
  E2E_PROG="$1"
  export WINEPREFIX="$2"
  E2E_SRC="$3"
  E2E_HELPER="$4"
  E2E_NAME="$(basename "$0" .sh)"
  source "$E2E_SRC/tools/wine-env"
  quillet_ensure_prefix || { echo "FAIL: no Wine prefix"; exit 1; }
  E2E_WORK=$(mktemp -d)
  cp -r "$E2E_PROG" "$E2E_WORK/Quillet"
  rm -rf "$E2E_WORK/Quillet/UserSetting"
  mkdir -p "$E2E_WORK/files"
  E2E_PID=""
  E2E_WIN=""
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null
    sleep 0.3
  fi
  rm -rf "$E2E_WORK"
}

# Reports a failure with a screenshot kept beside the build, and stops.
fail() {
  local shots
  shots="$(cd "$E2E_PROG/../../.." 2>/dev/null && pwd)/e2e-failures"
  mkdir -p "$shots"
  import -window root "$shots/$E2E_NAME.png" >/dev/null 2>&1
  echo "FAIL: $*"
  echo "(screenshot: $shots/$E2E_NAME.png)"
  [ -f "$E2E_WORK/wine.log" ] && tail -20 "$E2E_WORK/wine.log"
  exit 1
}

# The Windows path of a file in the work folder.
winpath() { echo "Z:${1//\//\\}"; }

# Waits until COMMAND succeeds, at most SECONDS (tenths of a second apart).
wait_until() {
  local seconds="$1"; shift
  local i
  for i in $(seq 1 $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The X window of a visible top-level window whose title matches REGEX, or nothing.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }

# True when the frame's title is exactly TEXT.
title_is() { [ "$(xdotool getwindowname "$E2E_WIN" 2>/dev/null)" = "$1" ]; }
# True when the frame's title names NAME after "Quillet - ".
title_names() {
  local t
  t="$(xdotool getwindowname "$E2E_WIN" 2>/dev/null)"
  [[ "$t" == "Quillet - "*"$1"* ]]
}

# Starts Quillet with the given arguments (Windows paths) and waits for its
# frame and, with files, for the last of them to be on top.
start_quillet() {
  (cd "$E2E_WORK/Quillet" && exec wine ./Quillet.exe "$@" >"$E2E_WORK/wine.log" 2>&1) &
  E2E_PID=$!
  wait_until 30 frame_up || fail "the frame window did not appear"
  if [ $# -gt 0 ]; then
    # "Quillet - [name.txt]" for a file, "Quillet - Name" for a project.
    local last="${!#}"
    last="${last##*\\}"
    wait_until 30 title_names "${last%.*}" || fail "$last did not open"
  fi
  sleep 0.3
  focus_frame
}
frame_up() {
  E2E_WIN=$(window_named '^Quillet( - .*)?$')
  [ -n "$E2E_WIN" ]
}
focus_frame() {
  frame_up
  xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null
  sleep 0.1
}

# Types ASCII text into the focused window.
type_text() { xdotool type --delay 15 -- "$1"; }
# Presses keys (xdotool key names), one after the other.
keys() { xdotool key --delay 40 "$@"; }
# Puts UTF-8 text on the clipboard (Japanese cannot be typed) as another
# Windows program would, and pastes it.
paste_text() {
  printf '%s' "$1" >"$E2E_WORK/clip.txt"
  (cd "$E2E_WORK" && wine "$E2E_HELPER" clip clip.txt >/dev/null 2>&1) || fail "could not set the clipboard"
  focus_frame
  keys ctrl+v
  sleep 0.2
}

# Waits for a dialog or message box titled exactly TITLE and focuses it.
focus_dialog() {
  local title="$1" w=""
  local i
  for i in $(seq 1 80); do
    w=$(window_named "^${title}\$")
    [ -n "$w" ] && [ "$w" != "$E2E_WIN" ] && break
    w=""
    sleep 0.1
  done
  [ -n "$w" ] || fail "no window titled \"$title\""
  xdotool windowfocus --sync "$w" 2>/dev/null
  sleep 0.2
  E2E_DIALOG="$w"
}
# True while a window titled exactly TITLE (other than the frame) is shown.
dialog_shown() {
  local w
  w=$(window_named "^$1\$")
  [ -n "$w" ] && [ "$w" != "$E2E_WIN" ]
}

# Closes the program with Alt+F4 and waits for it to end with exit code 0.
quit_quillet() {
  focus_frame
  keys alt+F4
  wait_exit
}
wait_exit() {
  local i
  for i in $(seq 1 100); do kill -0 "$E2E_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$E2E_PID" 2>/dev/null && fail "still running after closing"
  wait "$E2E_PID"
  local rc=$?
  E2E_PID=""
  [ $rc -eq 0 ] || fail "exit code $rc"
}

# Compares a file with expected bytes given as a printf format.
expect_bytes() {
  local file="$1" format="$2"
  printf "$format" >"$E2E_WORK/expected"
  cmp -s "$file" "$E2E_WORK/expected" || {
    echo "--- expected"; od -c "$E2E_WORK/expected" | head -20
    echo "--- got"; od -c "$file" | head -20
    fail "$(basename "$file") differs from what was expected"
  }
}
# Compares two files byte for byte.
expect_same() {
  cmp -s "$1" "$2" || fail "$(basename "$1") is not byte for byte $(basename "$2")"
}

# Rectangles of the frame's child windows: winrects class|id|toolbar|top VALUE.
winrects() { (cd "$E2E_WORK" && wine "$E2E_HELPER" "$@" 2>/dev/null | tr -d '\r'); }
# Clicks the centre of the first rectangle winrects gives.
click_child() {
  local r
  r=$(winrects "$@" | head -1)
  [ -n "$r" ] || fail "no child window: $*"
  set -- $r
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
  sleep 0.2
}
