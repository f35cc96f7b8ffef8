#!/usr/bin/env bash
# A file with NUL bytes (a program, say) is opened with a word about them;
# saving it over its file asks first: No keeps the file byte for byte, Yes
# writes the blanks.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"
# Documents open maximised: the frame's title names one, and the message box
# opening shows (also titled "Quillet") is not taken for the frame.
frame_up() { E2E_WIN=$(window_named '^Quillet - \[.*\]$'); [ -n "$E2E_WIN" ]; }

f="$E2E_WORK/files/tool.exe"
printf 'MZ\0\0\220\0text\r\n' >"$f"
cp "$f" "$E2E_WORK/tool.orig"
start_quillet "$(winpath "$f")"
wait_until 30 dialog_shown 'Quillet' || fail "opening said nothing"
focus_dialog 'Quillet'                 # what opening could not keep
keys Return
focus_frame
keys ctrl+End
type_text 'x'
keys BackSpace
keys ctrl+s
focus_dialog 'Quillet'
keys n                                 # No: the file stays as it was
sleep 0.5
expect_same "$f" "$E2E_WORK/tool.orig"
focus_frame
keys ctrl+s
focus_dialog 'Quillet'
keys y
sleep 0.5
expect_bytes "$f" 'MZ  \220 text\r\n'
# Written once, the file holds what the document shows: no more questions.
focus_frame
type_text 'y'
keys ctrl+s
sleep 0.5
dialog_shown 'Quillet' && fail "asked again after the blanks were written"
expect_bytes "$f" 'MZ  \220 text\r\ny'
quit_quillet
echo "PASS"
