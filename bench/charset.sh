#!/usr/bin/env bash
# bench/charset.sh BENCH-BUILD-DIR: whole-file loads (detect + decode to
# Shift-JIS) and saves (encode) of a generated 100 MB Japanese text in each
# character set with our converter, timed in the same run as iconv doing the
# same conversion and cat copying the file. Every command reads the input file
# and writes its output file. Goals: ours no slower than iconv; Shift-JIS load
# within 3x of cat.
set -euo pipefail
tool="$1/bench_charset_tool"
[ -x "$tool" ] || { echo "charset.sh: $tool is not built"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=(Shift-JIS EUC JIS UTF-8)
iconv_names=(CP932 EUC-JP ISO-2022-JP UTF-8)
files=(sjis euc jis utf8)

"$tool" gen 100 "$work/sjis.txt"
for code in 1 2 3; do
  "$tool" save "$code" "$work/sjis.txt" "$work/${files[$code]}.txt"
  if iconv -f CP932 -t "${iconv_names[$code]}" "$work/sjis.txt" | cmp -s - "$work/${files[$code]}.txt"; then
    same="same bytes as iconv"
  else
    same="differs from iconv"
  fi
  echo "input ${names[$code]}: $(stat -c %s "$work/${files[$code]}.txt") bytes, $same"
done
echo "input Shift-JIS: $(stat -c %s "$work/sjis.txt") bytes"

# Best wall time of 3 runs in milliseconds; the output file is removed first.
best() {
  local b=""
  for _ in 1 2 3; do
    rm -f "$work/out"
    local t0 t1
    t0=$(date +%s%N)
    "$@"
    t1=$(date +%s%N)
    local ms=$(( (t1 - t0) / 1000000 ))
    if [ -z "$b" ] || [ "$ms" -lt "$b" ]; then b=$ms; fi
  done
  echo "$b"
}
run_cat() { cat "$1" > "$work/out"; }
run_iconv() { iconv -f "$1" -t "$2" "$3" > "$work/out"; }
run_load() { "$tool" load "$1" "$work/out"; }
run_save() { "$tool" save "$1" "$2" "$work/out"; }

rc=0
verdict() {  # verdict OURS LIMIT
  if [ "$1" -le "$2" ]; then echo "ok"; else rc=1; echo "MISSED"; fi
}
cat_ms=$(best run_cat "$work/sjis.txt")
echo
echo "charset: 100 MB, best of 3, milliseconds"
printf "%-22s %8s %8s  %s\n" "" ours iconv goal
printf "%-22s %8s %8s\n" "cat (copy the file)" "$cat_ms" "-"
for code in 0 1 2 3; do
  in="$work/${files[$code]}.txt"
  ours=$(best run_load "$in")
  ref=$(best run_iconv "${iconv_names[$code]}" CP932 "$in")
  if [ "$code" = 0 ]; then
    ratio=$(awk -v a="$ours" -v b="$cat_ms" 'BEGIN { printf "%.1f", a / (b > 0 ? b : 1) }')
    goal="${ratio}x cat, within 3x: $(verdict "$ours" $((3 * cat_ms)))"
  else
    goal="no slower than iconv: $(verdict "$ours" "$ref")"
  fi
  printf "%-22s %8s %8s  %s\n" "load ${names[$code]}" "$ours" "$ref" "$goal"
done
for code in 1 2 3; do
  ours=$(best run_save "$code" "$work/sjis.txt")
  ref=$(best run_iconv CP932 "${iconv_names[$code]}" "$work/sjis.txt")
  printf "%-22s %8s %8s  %s\n" "save ${names[$code]}" "$ours" "$ref" "no slower than iconv: $(verdict "$ours" "$ref")"
done
exit $rc
