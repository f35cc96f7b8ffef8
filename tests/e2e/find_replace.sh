#!/usr/bin/env bash
# Find from the toolbar button, replacing the found text by typing, the
# replace dialog's replace all with a regular expression, the result on disk,
# and one undo for the whole replace all.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/list.txt"
printf 'item 1\r\nitem 22\r\nother 3\r\n' >"$f"
start_quillet "$(winpath "$f")"
# The find button of the toolbar (command 40024), found through the helper.
click_child toolbar 40024
focus_dialog '検索'
type_text 'other'
keys Return                 # find next selects it
keys Escape
focus_frame
type_text 'thing'           # typing replaces the selection

keys ctrl+h
focus_dialog '置換'
type_text 'item (\d+)'
keys Tab
type_text 'no.$1;'
keys alt+e                  # regular expressions on
keys alt+a                  # replace all
sleep 0.5
keys Escape
focus_frame
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'no.1;\r\nno.22;\r\nthing 3\r\n'
# One undo takes the whole replace all back.
keys ctrl+z
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'item 1\r\nitem 22\r\nthing 3\r\n'
quit_quillet
echo "PASS"
