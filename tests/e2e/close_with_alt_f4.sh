#!/usr/bin/env bash
# The real program under Wine: the frame appears with its recovery directory,
# Alt+F4 closes it, the process exits with code 0 and leaves no recovery
# directory behind.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

tempdir=$(find "$WINEPREFIX/drive_c/users" -maxdepth 4 -type d -iname temp | head -1)
[ -n "$tempdir" ] || fail "no temporary folder in the Wine prefix"
before=$(ls "$tempdir" | grep '^Quillet_Temporary_' | sort)

start_quillet
during=$(ls "$tempdir" | grep '^Quillet_Temporary_' | sort)
[ "$during" != "$before" ] || fail "no recovery directory while running"

quit_quillet
after=$(ls "$tempdir" | grep '^Quillet_Temporary_' | sort)
[ "$after" = "$before" ] || fail "recovery directory left behind: $after"
echo "PASS"
