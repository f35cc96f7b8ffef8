#!/usr/bin/env bash
# bench/search.sh BENCH-BUILD-DIR: find and replace over a generated 100 MB
# Shift-JIS BASIC source, against grep -F, grep -P and sed in the same run.
# Goals: literal within 2x of grep -F, regex within 3x of grep -P, replace
# all no slower than sed. The program searches a document already in memory,
# so the find ratios use our search time; the times including reading the
# file are printed too. Replace-all is timed file to file, as sed works.
set -u
dir="$1"
bin="$dir/bench_search"
[ -x "$bin" ] || { echo "search.sh: $bin missing"; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
corpus="$tmp/corpus.bas"
"$bin" --write-corpus "$corpus" || { echo "search.sh: cannot write corpus"; exit 1; }
"$bin" --print-patterns > "$tmp/patterns"   # Shift-JIS bytes, as the program sees them
literal="$(sed -n 1p "$tmp/patterns")"
regex="$(sed -n 2p "$tmp/patterns")"
cat "$corpus" > /dev/null   # page cache warm for every contender

now() { date +%s%N; }
secs() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1e9 }'; }
best() {  # best of three wall times of a command: "count seconds"
  local b="" out t0 t1
  for _ in 1 2 3; do
    t0=$(now); out=$("$@"); t1=$(now)
    if [ -z "$b" ] || [ $((t1 - t0)) -lt "$b" ]; then b=$((t1 - t0)); fi
  done
  echo "$(echo "$out" | head -1 | cut -d' ' -f1) $(secs "$b")"
}
ours() {  # best of three: "count total-seconds search-seconds"
  local b="" line
  for _ in 1 2 3; do
    line=$("$bin" --time "$@")
    if [ -z "$b" ] || awk -v a="$(echo "$line" | cut -d' ' -f2)" -v b="$(echo "$b" | cut -d' ' -f2)" \
         'BEGIN { exit !(a < b) }'; then b=$line; fi
  done
  echo "$b"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

rc=0
read -r gc gt < <(best env LC_ALL=C grep -c -F -- "$literal" "$corpus")
read -r oc ot os < <(ours literal "$corpus")
echo "literal: grep -F ${gt}s ($gc lines) | ours ${ot}s incl. read, ${os}s search ($oc matches) | ratio $(ratio "$os" "$gt")"
[ "$gc" = "$oc" ] || { echo "  count mismatch"; rc=1; }

read -r pc pt < <(best env LC_ALL=C grep -c -P -- "$regex" "$corpus")
read -r rc2 rt rs < <(ours regex "$corpus")
echo "regex:   grep -P ${pt}s ($pc lines) | ours ${rt}s incl. read, ${rs}s search ($rc2 matches) | ratio $(ratio "$rs" "$pt")"
[ "$pc" = "$rc2" ] || { echo "  count mismatch"; rc=1; }

sedrun() { LC_ALL=C sed 's/As Long/As Integer/g' "$corpus" > "$tmp/sed.out"; echo 0; }
read -r _ st < <(best sedrun)
read -r hc ht hs < <(ours replace "$corpus" "$tmp/ours.out")
echo "replace: sed ${st}s | ours ${ht}s incl. read+write, ${hs}s replacing ($hc replacements) | ratio $(ratio "$ht" "$st")"
cmp -s "$tmp/sed.out" "$tmp/ours.out" || { echo "  output differs from sed"; rc=1; }
exit $rc
