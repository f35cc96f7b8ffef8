#!/usr/bin/env bash
# Typing ASCII, pasting Japanese (including characters whose second byte is a
# backslash) and saving with Ctrl+S writes exactly those Shift-JIS bytes; the
# title shows the document modified until it is saved.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/note.txt"
printf 'first line\r\n' >"$f"
start_quillet "$(winpath "$f")"
keys ctrl+End
title_is 'Quillet - [note.txt]' || fail "title before typing: $(xdotool getwindowname "$E2E_WIN")"
type_text 'Hello, world'
wait_until 5 title_is 'Quillet - [note.txt *]' || fail "no modified mark: $(xdotool getwindowname "$E2E_WIN")"
keys Return
paste_text '漢字とソ表能'
keys Return
type_text 'tab	end'
keys ctrl+s
wait_until 5 title_is 'Quillet - [note.txt]' || fail "the mark stayed after saving"
expect_bytes "$f" 'first line\r\nHello, world\r\n\x8a\xbf\x8e\x9a\x82\xc6\x83\x5c\x95\x5c\x94\x5c\r\ntab\tend'
quit_quillet
echo "PASS"
