#!/usr/bin/env bash
# A 100 MB Shift-JIS file opens, takes typing at its very end and is saved
# whole: the old bytes unchanged, the new ones after them.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/big.txt"
python3 - "$f" <<'PY'
import sys
line = "Dim v%08d As Long ' 漢字とソ表能の行\r\n"
with open(sys.argv[1], "wb") as out:
    size, n = 0, 0
    while size < 100 * 1024 * 1024:
        b = (line % n).encode("cp932")
        out.write(b)
        size += len(b)
        n += 1
PY
size=$(stat -c %s "$f")
cp "$f" "$f.orig"

start_quillet "$(winpath "$f")"
keys ctrl+End
type_text 'END'
keys ctrl+s
grown() { [ "$(stat -c %s "$f")" -eq $((size + 3)) ]; }
wait_until 60 grown || fail "the saved file is not 3 bytes longer"
sleep 0.5
cmp -s -n "$size" "$f" "$f.orig" || fail "the old bytes changed"
[ "$(tail -c 3 "$f")" = "END" ] || fail "the typed bytes are not at the end"
quit_quillet
echo "PASS"
