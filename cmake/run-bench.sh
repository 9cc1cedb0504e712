#!/usr/bin/env bash
# make bench: the Google Benchmark suite over a generated 200 MB dictionary, then ddview side by side
# with grep on the same file (best of five runs each), peak memory over file size, and a 1 GB file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/native
work=$root/build/bench
mkdir -p "$work"
dictionary=$work/1Cv7.DD
[[ -s "$dictionary" ]] || "$bin/bench/ddgen" "$dictionary" 200

echo "== Google Benchmark ($dictionary)"
DD_BENCH_DICTIONARY=$dictionary "$bin/bench/ddbench" --benchmark_counters_tabular=true

# Best wall time in milliseconds of five runs of a command, its output going to a file.
best_ms() {
  local best=999999 start end
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$@" >"$work/out.txt"
    end=$(date +%s%N)
    (( (end - start) / 1000000 < best )) && best=$(( (end - start) / 1000000 ))
  done
  echo "$best"
}

peak_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

compare() {  # compare LABEL FILE
  local file=$2 size_kb grep_ms list_ms show_ms last
  size_kb=$(( $(stat -c %s "$file") / 1024 ))
  last=$(( $(grep -c -F '#==TABLE no' "$file") - 1 ))
  grep_ms=$(best_ms grep -c -F '#==TABLE no' "$file")
  list_ms=$(best_ms "$bin/src/cli/ddview" list "$file")
  show_ms=$(best_ms "$bin/src/cli/ddview" show "$file" "$last")
  echo "== $1: $((size_kb / 1024)) MB, $((last + 1)) tables"
  printf '  grep -c -F     %5d ms\n' "$grep_ms"
  printf '  ddview list    %5d ms  (%s x grep)\n' "$list_ms" "$(awk "BEGIN{printf \"%.2f\", $list_ms/$grep_ms}")"
  printf '  ddview show    %5d ms  (%s x grep)\n' "$show_ms" "$(awk "BEGIN{printf \"%.2f\", $show_ms/$grep_ms}")"
  if [[ -x /usr/bin/time ]]; then
    local peak
    peak=$(peak_kb "$bin/src/cli/ddview" list "$file")
    printf '  peak memory    %5d MB  (%s x file size)\n' $((peak / 1024)) "$(awk "BEGIN{printf \"%.2f\", $peak/$size_kb}")"
  fi
}

compare "200 MB dictionary" "$dictionary"

big=$work/1Cv7-1GB.DD
"$bin/bench/ddgen" "$big" 1024 >/dev/null
compare "1 GB dictionary" "$big"
rm -f "$big" "$work/out.txt"
