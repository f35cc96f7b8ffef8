#!/usr/bin/env bash
# Another program changes an open file: switching to its document asks to
# reload it (Yes reloads); returning to the program asks again for a further
# change (No keeps ours, and the next save writes over it without asking);
# saving over a change made meanwhile asks reload, overwrite or cancel.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

d="$E2E_WORK/files"
printf 'ours\r\n' >"$d/one.txt"
printf 'other\r\n' >"$d/two.txt"
# Another program's write, its time stamp clearly later than ours.
n=0
change() {
  n=$((n + 10))
  printf "$2" >"$d/$1"
  touch -d "@$(($(date +%s) + n))" "$d/$1"
}

start_quillet "$(winpath "$d/one.txt")" "$(winpath "$d/two.txt")"
change one.txt 'theirs\r\n'
keys ctrl+F6                            # to one.txt
focus_dialog 'Quillet'
keys y                                  # reload
focus_frame
keys ctrl+End
type_text 'A'
keys ctrl+s
sleep 0.5
expect_bytes "$d/one.txt" 'theirs\r\nA'

# Back to the program after another change (here: from the find dialog).
change one.txt 'third\r\n'
keys ctrl+f
focus_dialog '検索'
keys Escape
focus_dialog 'Quillet'
keys n                                  # keep ours
focus_frame
type_text 'B'
keys ctrl+s
sleep 0.5
dialog_shown 'Quillet' && fail "asked again about a change already answered"
expect_bytes "$d/one.txt" 'theirs\r\nAB'

# A change made just before saving.
change one.txt 'fourth\r\n'
type_text 'C'
keys ctrl+s
focus_dialog 'Quillet'
keys Escape                             # cancel: nothing written
sleep 0.5
expect_bytes "$d/one.txt" 'fourth\r\n'
focus_frame
keys ctrl+s
focus_dialog 'Quillet'
keys n                                  # overwrite
sleep 0.5
expect_bytes "$d/one.txt" 'theirs\r\nABC'
quit_quillet
echo "PASS"
