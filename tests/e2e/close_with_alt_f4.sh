#!/usr/bin/env bash
# The real program under Wine: the frame appears, Alt+F4 closes it, the process
# exits with code 0 and leaves no recovery directory behind.
set -u
prog="$1"; export WINEPREFIX="$2"; src="$3"
source "$src/tools/wine-env"
quillet_ensure_prefix || exit 1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$prog" "$work/Quillet"
rm -rf "$work/Quillet/UserSetting"

# The prefix's temporary folder (where the recovery directory goes).
tempdir=$(find "$WINEPREFIX/drive_c/users" -maxdepth 4 -type d -iname temp | head -1)
[ -n "$tempdir" ] || { echo "FAIL: no temporary folder in the Wine prefix"; exit 1; }
before=$(ls "$tempdir" | grep '^Quillet_Temporary_' | sort)

cd "$work/Quillet"
wine ./Quillet.exe >"$work/wine.log" 2>&1 &
pid=$!

win=""
for _ in $(seq 1 150); do
  win=$(xdotool search --onlyvisible --name '^Quillet( - \[.*\])?$' 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || { echo "FAIL: frame window did not appear"; cat "$work/wine.log"; kill $pid; exit 1; }
sleep 0.5
during=$(ls "$tempdir" | grep '^Quillet_Temporary_' | sort)
[ "$during" != "$before" ] || { echo "FAIL: no recovery directory while running"; kill $pid; exit 1; }

xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" alt+F4
for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then echo "FAIL: still running after Alt+F4"; kill $pid; exit 1; fi
wait $pid; rc=$?
[ $rc -eq 0 ] || { echo "FAIL: exit code $rc"; cat "$work/wine.log"; exit 1; }
after=$(ls "$tempdir" | grep '^Quillet_Temporary_' | sort)
[ "$after" = "$before" ] || { echo "FAIL: recovery directory left behind: $after"; exit 1; }
echo "PASS"
