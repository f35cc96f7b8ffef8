#!/usr/bin/env bash
# Closing with a modified document asks to save it: Cancel keeps the program
# and the file as they were, No closes without saving, Yes saves and closes.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/draft.txt"
printf 'kept\r\n' >"$f"

start_quillet "$(winpath "$f")"
keys ctrl+End
type_text 'more'
keys alt+F4
focus_dialog 'Quillet'
keys Escape                           # Cancel
sleep 0.5
kill -0 "$E2E_PID" 2>/dev/null || fail "Cancel ended the program"
expect_bytes "$f" 'kept\r\n'
focus_frame
keys alt+F4
focus_dialog 'Quillet'
keys n                                # No
wait_exit
expect_bytes "$f" 'kept\r\n'

start_quillet "$(winpath "$f")"
keys ctrl+End
type_text 'saved'
keys alt+F4
focus_dialog 'Quillet'
keys y                                # Yes
wait_exit
expect_bytes "$f" 'kept\r\nsaved'
echo "PASS"
