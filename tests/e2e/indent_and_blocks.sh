#!/usr/bin/env bash
# In a BASIC source: Enter keeps the indentation and adds a level after a
# block opener, a line left empty keeps no TABs, and the block list offers
# the closer, which typing completes at the opener's indentation.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

f="$E2E_WORK/files/prog.bas"
printf 'Sub Main()\r\n' >"$f"
start_quillet "$(winpath "$f")"
keys ctrl+End
type_text 'If x Then'
keys Return
type_text 'a = 1'
keys Return Return          # an empty line: its provisional indent goes again
type_text 'b = 2'
keys Return
type_text 'End If'          # the list completes "End If" at the opener's level
keys Return
keys ctrl+s
sleep 0.5
expect_bytes "$f" 'Sub Main()\r\nIf x Then\r\n\ta = 1\r\n\r\n\tb = 2\r\nEnd If\r\n'
quit_quillet
echo "PASS"
