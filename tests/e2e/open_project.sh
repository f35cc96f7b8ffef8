#!/usr/bin/env bash
# A project named on the command line opens with its remembered document and
# caret; closed from the Project menu it leaves the title; the recent-projects
# menu opens it again.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"
titled() { [ -n "$(window_named "$1")" ]; }
# Waits until the project's two documents are open and their windows settled.
documents_open() {
  wait_until 5 titled '^Quillet - Pj' || fail "$1"
  wait_until 5 test "$(winrects class TextEditor | wc -l)" -eq 2 || fail "the project's documents are not open"
  sleep 0.3
  focus_frame
}

pd="$E2E_WORK/files/Pj"
mkdir -p "$pd"
printf "' Orvenic Project file.\r\n\r\n#VERSION=10\r\n\r\n#MODULETYPE=0\r\n\r\n#NAME=Pj\r\n\r\n#PLATFORM=32\r\n\r\n#USEWINDOW=0\r\n\r\n#OPTION=&H00000000\r\n\r\n#OUTPUT_RELEASE=\r\n\r\n#OUTPUT_DEBUG=\r\n\r\n#DEBUG_CMD_LINE=\r\n\r\n#DEBUG_EXE_PATH=\r\n\r\n#RESOURCE=0\r\n\r\n#SOURCE\r\nPj.bas\r\nsub.sbp\r\n" >"$pd/Pj.pj"
printf 'line1\r\nline2\r\n' >"$pd/Pj.bas"
printf 'sub\r\n' >"$pd/sub.sbp"
# The caret was after "line1\r\n" of Pj.bas, the document on top.
printf 'case4\r\n\r\ntext,"sub.sbp",0,0,0,0\r\ntext,"Pj.bas",0,0,7,7\r\n\r\n0\r\n1\r\n0\r\n0,0,0,0,0' >"$pd/Pj.wrk"

start_quillet "$(winpath "$pd/Pj.pj")"
documents_open "the title does not name the project"
type_text 'X'
keys ctrl+s
sleep 0.5
expect_bytes "$pd/Pj.bas" 'line1\r\nXline2\r\n'

keys alt+p c                          # プロジェクト > プロジェクトを閉じる
wait_until 5 titled '^Quillet$' || fail "closing left the project's title"
expect_bytes "$pd/Pj.wrk" 'case4\r\n\r\ntext,"sub.sbp",0,0,0,0\r\ntext,"Pj.bas",0,0,8,8\r\n\r\n0\r\n1\r\n0\r\n0,0,0,0,0'
expect_bytes "$pd/Pj.bas" 'line1\r\nXline2\r\n'

focus_frame
keys alt+p j Return                   # プロジェクト > 最近使ったプロジェクト > the first entry
documents_open "the recent-projects menu did not open the project"
type_text 'Y'
keys ctrl+s
sleep 0.5
expect_bytes "$pd/Pj.bas" 'line1\r\nXYline2\r\n'
quit_quillet
echo "PASS"
