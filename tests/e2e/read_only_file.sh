#!/usr/bin/env bash
# A read-only file says so on opening; saving it offers another name, and the
# document is written there while the read-only file stays as it was.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"
frame_up() { E2E_WIN=$(window_named '^Quillet - \[.*\]$'); [ -n "$E2E_WIN" ]; }

d="$E2E_WORK/files"
printf 'locked\r\n' >"$d/locked.txt"
chmod a-w "$d/locked.txt"
start_quillet "$(winpath "$d/locked.txt")"
wait_until 30 dialog_shown 'Quillet' || fail "opening said nothing"
focus_dialog 'Quillet'                  # read-only
keys Return
focus_frame
keys ctrl+End
type_text 'mine'
keys ctrl+s
focus_dialog 'Quillet'
keys y                                  # another name
focus_dialog '保存先のファイルを指定してください'
keys Home shift+End
type_text "$(winpath "$d/copy.txt")"
keys Return
sleep 1
expect_bytes "$d/copy.txt" 'locked\r\nmine'
expect_bytes "$d/locked.txt" 'locked\r\n'
quit_quillet
echo "PASS"
