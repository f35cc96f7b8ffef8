#!/usr/bin/env bash
# Two instances side by side, each opening a file and searching a word: the
# recent files and the find history saved at exit hold both, those of the
# instance that closed last first.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

d="$E2E_WORK/files"
printf 'alpha\r\n' >"$d/a.txt"
printf 'beta\r\n' >"$d/b.txt"
# Focus moves only once the window says it has it (a closing dialog may hand
# the focus back to its own frame a moment later).
focus_window() {
  local i
  for i in $(seq 1 30); do
    xdotool windowfocus --sync "$1" 2>/dev/null
    sleep 0.2
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
  done
  fail "could not focus window $1"
}
search_for() {
  keys ctrl+f
  focus_dialog '検索'
  type_text "$1"
  keys Return
  sleep 0.3
  keys Escape
}

start_quillet "$(winpath "$d/a.txt")"
first=$E2E_WIN
firstPid=$E2E_PID
search_for alpha

# Started without files, a second instance opens its own window.
(cd "$E2E_WORK/Quillet" && exec wine ./Quillet.exe >"$E2E_WORK/wine2.log" 2>&1) &
secondPid=$!
trap 'kill "$secondPid" 2>/dev/null; e2e_cleanup' EXIT
second=""
other_frame() {
  second=$(xdotool search --onlyvisible --name '^Quillet' | grep -vx "$first" | head -1)
  [ -n "$second" ]
}
wait_until 30 other_frame || fail "the second instance showed no frame"
sleep 0.5
E2E_WIN=$second
focus_window "$second"
keys ctrl+o
focus_dialog 'ファイルを指定してください'
type_text "$(winpath "$d/b.txt")"
keys Return
sleep 1
focus_window "$second"
search_for beta
sleep 0.5

# The first closes, then the second.
focus_window "$first"
keys alt+F4
E2E_PID=$firstPid
wait_exit
focus_window "$second"
keys alt+F4
E2E_PID=$secondPid
wait_exit

s="$E2E_WORK/Quillet/UserSetting"
expect_bytes "$s/history.ini" "$(winpath "$d/b.txt" | sed 's/\\/\\\\/g')\r\n$(winpath "$d/a.txt" | sed 's/\\/\\\\/g')\r\n"
head -c 13 "$s/findstr.ini" >"$E2E_WORK/find.head"
expect_bytes "$E2E_WORK/find.head" 'beta\r\nalpha\r\n'
echo "PASS"
