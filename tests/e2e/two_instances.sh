#!/usr/bin/env bash
# Quillet started again with a file while it runs: the running one opens the
# file and comes to the front, the second ends at once; one frame remains.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/handed.txt"
printf 'second\r\n' >"$f"
start_quillet                           # no files: an untitled document
first=$E2E_WIN
(cd "$E2E_WORK/Quillet" && exec wine ./Quillet.exe "$(winpath "$f")" >"$E2E_WORK/wine2.log" 2>&1) &
second=$!
for _ in $(seq 1 300); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && { kill "$second"; fail "the second instance did not end"; }
wait "$second" || fail "the second instance ended with exit code $?"
title_is() { [ "$(xdotool getwindowname "$first" 2>/dev/null)" = "$1" ]; }
wait_until 10 title_is 'Quillet - [handed.txt]' || fail "the file did not open in the running instance"
[ "$(xdotool search --onlyvisible --name '^Quillet' | wc -l)" -eq 1 ] || fail "more than one Quillet window"
focus_frame
keys ctrl+End
type_text 'more'
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'second\r\nmore'
quit_quillet
echo "PASS"
