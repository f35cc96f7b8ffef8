#!/usr/bin/env bash
# A project's files and resources from the Project menu: a source file and
# two icons added through the file dialog, an icon given a new ID and made
# the main icon, then removed; the resource files checked after each save.
source "$(dirname "$0")/e2e_lib.bash"
e2e_init "$@"
titled() { [ -n "$(window_named "$1")" ]; }
dialog_gone() { ! dialog_shown "$1"; }
# Picks a file in the open dialog titled TITLE by typing its path.
choose_file() {
  focus_dialog "$1"
  type_text "$(winpath "$2")"
  keys Return
  wait_until 5 dialog_gone "$1" || fail "the file dialog stayed open"
  sleep 0.2
  focus_frame
}

start_quillet
keys alt+p n
focus_dialog '新しいプロジェクト'
type_text 'Res'
keys Return
pd="$E2E_WORK/Quillet/MyProjects/Res"
wait_until 10 titled '^Quillet - Res' || fail "the project did not open"
sleep 0.3
mkdir -p "$pd/icons"
printf 'a' >"$pd/icons/a.ico"
printf 'b' >"$pd/icons/b.ico"
printf "' util\r\n" >"$pd/Util.sbp"

focus_frame
keys alt+p a                          # ファイルを追加
choose_file 'プロジェクトへ挿入するファイルを指定してください' "$pd/Util.sbp"
keys alt+p i                          # アイコンを追加
choose_file 'アイコン ファイルを指定してください' "$pd/icons/a.ico"
keys alt+p i
choose_file 'アイコン ファイルを指定してください' "$pd/icons/b.ico"

keys alt+p d                          # IDの変更: the chooser, then the ID dialog
focus_dialog 'リソースの選択'
keys Down Return
focus_dialog 'IDの変更'
type_text 'IDI_APP'                   # replaces the selected ID
keys Return
sleep 0.3
focus_frame
keys alt+p m                          # メインアイコンに設定
focus_dialog 'メインアイコンの選択'
keys Return
sleep 0.3
focus_frame
keys alt+p s
wait_until 5 test -f "$pd/Res.rc" || fail "no resource script"
sleep 0.3
expect_bytes "$pd/Res.rc" 'IDI_APP ICON "icons\\\\b.ico"\r\nIDI_ICON1 ICON "icons\\\\a.ico"\r\n'
expect_bytes "$pd/resource.sbp" 'Const IDI_APP=101\r\nConst IDI_ICON1=102\r\n'
grep -q '^#RESOURCE=Res.rc' "$pd/Res.pj" || fail "Res.pj does not name the script"
grep -q '^Util.sbp' "$pd/Res.pj" || fail "Res.pj does not hold Util.sbp"
grep -q '^#include "Util.sbp"' "$pd/Res.idx" || fail "Res.idx does not include Util.sbp"
grep -q '^#resource "Res.rc"' "$pd/Res.idx" || fail "Res.idx does not name the script"

keys alt+p e                          # ウィンドウ/リソースを削除: the main icon, after the question
focus_dialog '削除する項目の選択'
keys Return
focus_dialog 'Quillet'
keys Return
sleep 0.3
focus_frame
keys alt+p s
sleep 0.5
expect_bytes "$pd/Res.rc" 'IDI_ICON1 ICON "icons\\\\a.ico"\r\n'
[ -f "$pd/icons/b.ico" ] || fail "removing the icon deleted its file"
quit_quillet
echo "PASS"
