#!/usr/bin/env bash
# A new project through its dialog (the folder follows the name below
# MyProjects), a window added from the Project menu, the project saved and
# the program closed: every file the project wrote checked byte for byte.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"

# Compares a file with expected text given as a printf format in UTF-8,
# stored as Shift-JIS.
expect_sjis() {
  printf "$2" | iconv -f UTF-8 -t CP932 >"$E2E_WORK/expected.sjis"
  cmp -s "$1" "$E2E_WORK/expected.sjis" || {
    echo "--- expected"; iconv -f CP932 -t UTF-8 "$E2E_WORK/expected.sjis" | od -c | head -30
    echo "--- got"; iconv -f CP932 -t UTF-8 "$1" | od -c | head -30
    fail "$(basename "$1") differs from what was expected"
  }
}
titled() { [ -n "$(window_named "$1")" ]; }

start_quillet
keys alt+p n                          # プロジェクト > 新しいプロジェクト
focus_dialog '新しいプロジェクト'
type_text 'Hello'
keys alt+c                            # console program
keys Return
pd="$E2E_WORK/Quillet/MyProjects/Hello"
wait_until 10 test -f "$pd/Hello.wrk" || fail "no project in MyProjects/Hello"
wait_until 5 titled '^Quillet - Hello' || fail "the title does not name the project"

pj_head="' Orvenic Project file.\r\n\r\n#VERSION=10\r\n\r\n#MODULETYPE=0\r\n\r\n#NAME=Hello\r\n\r\n#PLATFORM=32\r\n\r\n"
pj_tail="#OPTION=&H00000000\r\n\r\n#OUTPUT_RELEASE=\r\n\r\n#OUTPUT_DEBUG=\r\n\r\n#DEBUG_CMD_LINE=\r\n\r\n#DEBUG_EXE_PATH=\r\n\r\n#RESOURCE=0\r\n\r\n#SOURCE\r\nHello.bas\r\n"
expect_bytes "$pd/Hello.pj" "${pj_head}#USEWINDOW=0\r\n\r\n${pj_tail}"
expect_sjis "$pd/Hello.idx" "' インデックス プログラム\r\n"
wrk='case4\r\n\r\ntext,"Hello.bas",0,0,0,0\r\n\r\n0\r\n1\r\n0\r\n0,0,0,0,0'
expect_bytes "$pd/Hello.wrk" "$wrk"
iconv -f CP932 -t UTF-8 "$pd/Hello.bas" | grep -q '^#include "Hello.idx"' || fail "Hello.bas does not include the index"
grep -q 'Print "Hello, World!"' "$pd/Hello.bas" || fail "Hello.bas is no console program"

keys alt+p w                          # プロジェクト > 新しいウィンドウ
focus_dialog '新しいウィンドウ'
type_text 'Main'
keys Return
wait_until 5 test -f "$pd/Main.sbp" || fail "no Main.sbp"
iconv -f CP932 -t UTF-8 "$pd/Main.sbp" | grep -q "^' Main のイベント処理 (プロジェクト Hello)" ||
  fail "Main.sbp is not made from the template"
focus_frame
keys alt+p s                          # プロジェクト > プロジェクトを保存
wait_until 5 test -f "$pd/Hello.wnd" || fail "no Hello.wnd"
sleep 0.3
expect_bytes "$pd/Hello.pj" "${pj_head}#USEWINDOW=1\r\n\r\n${pj_tail}Main.sbp\r\n"
expect_sjis "$pd/Hello.idx" "' インデックス プログラム\r\n\r\n'RADツールが生成するウィンドウ制御プログラム\r\n#include \"Callback.wbp\"\r\n\r\n'プロジェクト内のプログラム ファイル\r\n#include \"Main.sbp\"\r\n\r\n'RADツールが生成するウィンドウ生成プログラム\r\n#include \"MakeWindow.wbp\"\r\n"
expect_sjis "$pd/Hello.wnd" 'WINDOW:Main\r\n    HANDLE    = hMain\r\n    POINT     = -1,-1\r\n    SIZE      = 480,360\r\n    CAPTION   = "Main"\r\n    STYLE     = &H00c80000\r\n    EXSTYLE   = &H00000000\r\n    ID        = 0\r\n    BGCOLOR   = 15\r\n    FONT      = -12,0,0,0,400,0,0,0,128,3,2,1,32,"ＭＳ Ｐゴシック"\r\n    CLASS     = "NORMAL"\r\n    CALLBACK  = MainProc\r\n    TYPE      = 1\r\n    FILEPATH  = Main.sbp\r\nEND\r\n'
[ -s "$pd/Callback.wbp" ] && [ -s "$pd/MakeWindow.wbp" ] || fail "no window code"
expect_bytes "$pd/Hello.wrk" "$wrk"

# Nothing is modified: closing asks nothing.
quit_quillet
grep -a -q 'MyProjects\\Hello\\Hello.pj' "$E2E_WORK/Quillet/UserSetting/pj_history.ini" ||
  fail "the project is not in the project history"
echo "PASS"
