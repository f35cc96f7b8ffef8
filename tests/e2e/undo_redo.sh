#!/usr/bin/env bash
# Undo and redo as a user presses them: typed runs undo word by word, a paste
# as one step, redo brings back what was undone, and the file holds the result.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/steps.txt"
printf '' >"$f"
start_quillet "$(winpath "$f")"
type_text 'one two three'
paste_text '(pasted)'
keys ctrl+z            # the paste
keys ctrl+z            # "three"
keys ctrl+z            # " "
keys ctrl+y            # " " again
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'one two '
keys ctrl+y ctrl+y     # "three", the paste
type_text '!'
keys ctrl+y            # nothing left to redo after typing: a beep
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'one two three(pasted)!'
quit_quillet
echo "PASS"
