#!/usr/bin/env bash
# Another program's Unicode text with characters Shift-JIS cannot hold: they
# arrive as the geta mark, as when a file is read, and one message names them.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/pasted.txt"
printf '' >"$f"
start_quillet "$(winpath "$f")"
paste_text 'a😀b𠮷€éñ漢字'
focus_dialog 'Quillet'
keys Return
focus_frame
keys ctrl+s
sleep 0.5
# 〓 is 81 AC, 漢字 8A BF 8E 9A in Shift-JIS.
expect_bytes "$f" 'a\201\254b\201\254\201\254\201\254\201\254\212\277\216\232'
# Text Shift-JIS can hold pastes without a word.
paste_text 'ｶﾅ①'
sleep 0.3
dialog_shown 'Quillet' && fail "a message for text that was kept"
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'a\201\254b\201\254\201\254\201\254\201\254\212\277\216\232\266\305\207\100'
quit_quillet
echo "PASS"
