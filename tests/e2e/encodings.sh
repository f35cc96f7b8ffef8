#!/usr/bin/env bash
# Three files named on the command line, in EUC with LF, JIS with CR and UTF-8
# with a byte order mark and LF (made by another converter), are saved back
# unchanged by "save all" and, after typing at each end, with the edit in
# their own character set and line ends.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

text='漢字テスト ソ表能\nかなカナ ｶﾅ ASCII\n'
d="$E2E_WORK/files"
printf "$text" | nkf -e -Lu >"$d/euc.txt"
printf "$text" | nkf -j -Lm >"$d/jis.txt"
printf "$text" | nkf -w8 -Lu >"$d/utf8.txt"
for f in euc jis utf8; do cp "$d/$f.txt" "$d/$f.orig"; done

start_quillet "$(winpath "$d/euc.txt")" "$(winpath "$d/jis.txt")" "$(winpath "$d/utf8.txt")"
# Three tabs: one per file (the files open after the frame appears).
three_documents() { [ "$(winrects class MDIClientWindow_TextEdit | wc -l)" -eq 3 ]; }
wait_until 20 three_documents || fail "not three document windows"
keys ctrl+shift+s
sleep 1
for f in euc jis utf8; do expect_same "$d/$f.txt" "$d/$f.orig"; done

for _ in 1 2 3; do
  keys ctrl+End
  type_text 'x'
  keys ctrl+F6
done
keys ctrl+shift+s
sleep 1
for f in euc jis utf8; do
  cat "$d/$f.orig" >"$E2E_WORK/expected"
  printf 'x' >>"$E2E_WORK/expected"
  expect_same "$d/$f.txt" "$E2E_WORK/expected"
done
quit_quillet
echo "PASS"
