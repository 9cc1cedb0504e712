#!/usr/bin/env bash
# make bench: the Google Benchmark suite over a generated 200 MB dictionary, the viewer's opening of
# the same file under Wine beside the core's load in the same process (when the win64 preset is
# built), then ddview side by side with grep on the same file, and the same on a 1 GB file:
#   viewer   ListLoadW (and the first painting) against the core's load, best of BENCH_RUNS runs; the
#            goal: at most 2 times the core's load
#   time     ddview list and ddview show of the last table against grep -c -F '#==TABLE no', the three
#            taken in turn, best of BENCH_RUNS runs each (default 7), standard output to a file (GNU grep
#            stops at its first match when its output is /dev/null)
#   memory   the peak resident memory of each ddview command
#   diff     ddview diff of a generated base (a BENCH_BASE_MB table, default 4096, and the 1 MB dictionary that
#            lists it) against its dictionary, beside ddview list of that dictionary: diff reads the tables'
#            headers alone, so its time is the dictionary's, whatever the size of the base
# The goals: each ddview command at most 1.2 times grep's time, and at most 64 MB of memory; diff of the base in
# well under a second.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/native
work=$root/build/bench
runs=${BENCH_RUNS:-7}
mkdir -p "$work"
dictionary=$work/1Cv7.DD
[[ -s "$dictionary" ]] || "$bin/bench/ddgen" "$dictionary" 200

echo "== Google Benchmark ($dictionary)"
DD_BENCH_DICTIONARY=$dictionary "$bin/bench/ddbench" --benchmark_counters_tabular=true

open_bench=$root/build/win64/bench/ddopenbench.exe
if [[ -f "$open_bench" ]]; then
  windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
  echo "== The viewer under Wine: ListLoadW against the core's load ($dictionary)"
  "$root/cmake/wine-session.sh" /usr/lib/wine/wine64 "$open_bench" \
    "$(windows_path "$root/build/win64/src/plugin/ddlister.wlx64")" "$(windows_path "$dictionary")" "$runs" \
    >"$work/open.txt" 2>&1 || { cat "$work/open.txt" >&2; exit 1; }
  cat "$work/open.txt"
  awk '/ListLoadW and painting/ { exit !($(NF - 2) <= 2) }' "$work/open.txt" && echo "  within 2x the core's load" ||
    echo "  OUTSIDE 2x the core's load"
else
  echo "== The viewer under Wine: skipped, build the win64 preset first"
fi

ddview=$bin/src/cli/ddview
now_ns() { date +%s%N; }

# Wall time in milliseconds of one run of a command, its output going to a file.
run_ms() {
  local start end
  start=$(now_ns)
  "$@" >"$work/out.txt"
  end=$(now_ns)
  echo $(((end - start) / 1000000))
}

peak_mb() { /usr/bin/time -f %M "$@" 2>&1 >"$work/out.txt" | tail -1 | awk '{printf "%d", $1 / 1024}'; }

ratio() { awk "BEGIN{printf \"%.2f\", $1 / ($2 > 0 ? $2 : 1)}"; }

verdict() {  # verdict RATIO MB
  awk "BEGIN{exit !($1 <= 1.2 && $2 <= 64)}" && echo "within 1.2x and 64 MB" || echo "OUTSIDE 1.2x or 64 MB"
}

compare() {  # compare LABEL FILE
  local file=$2 last grep_ms=999999 list_ms=999999 show_ms=999999 ms
  last=$(($(grep -c -F '#==TABLE no' "$file") - 1))
  for ((run = 0; run < runs; run++)); do
    ms=$(run_ms grep -c -F '#==TABLE no' "$file"); ((ms < grep_ms)) && grep_ms=$ms
    ms=$(run_ms "$ddview" list "$file"); ((ms < list_ms)) && list_ms=$ms
    ms=$(run_ms "$ddview" show "$file" "$last"); ((ms < show_ms)) && show_ms=$ms
  done
  local list_mb show_mb list_ratio show_ratio
  list_mb=$(peak_mb "$ddview" list "$file")
  show_mb=$(peak_mb "$ddview" show "$file" "$last")
  list_ratio=$(ratio "$list_ms" "$grep_ms")
  show_ratio=$(ratio "$show_ms" "$grep_ms")
  echo "== $1: $(($(stat -c %s "$file") >> 20)) MB, $((last + 1)) tables, best of $runs runs"
  printf '  grep -c -F          %5d ms\n' "$grep_ms"
  printf '  ddview list         %5d ms  %s x grep  %4d MB peak  %s\n' "$list_ms" "$list_ratio" "$list_mb" \
    "$(verdict "$list_ratio" "$list_mb")"
  printf '  ddview show last    %5d ms  %s x grep  %4d MB peak  %s\n' "$show_ms" "$show_ratio" "$show_mb" \
    "$(verdict "$show_ratio" "$show_mb")"
}

compare "200 MB dictionary" "$dictionary"

big=$work/1Cv7-1GB.DD
"$bin/bench/ddgen" "$big" 1024 >/dev/null
compare "1 GB dictionary" "$big"
rm -f "$big"

base=$work/base
"$bin/bench/dbfgen" "$base" "${BENCH_BASE_MB:-4096}" >/dev/null
list_ms=999999 diff_ms=999999
for ((run = 0; run < runs; run++)); do
  ms=$(run_ms "$ddview" list "$base/1Cv7.DD"); ((ms < list_ms)) && list_ms=$ms
  # diff exits 1: the dictionary lists tables that the base has no file of.
  ms=$(run_ms "$ddview" diff "$base/1Cv7.DD" "$base" || true); ((ms < diff_ms)) && diff_ms=$ms
done
echo "== ddview diff of a base: $(($(du -sm "$base" | cut -f1))) MB, best of $runs runs"
printf '  ddview list 1Cv7.DD       %5d ms\n' "$list_ms"
printf '  ddview diff 1Cv7.DD base  %5d ms  %4d MB peak  %s\n' "$diff_ms" \
  "$(peak_mb "$ddview" diff "$base/1Cv7.DD" "$base" || true)" \
  "$( ((diff_ms < 1000)) && echo "well under a second" || echo "OUTSIDE a second")"
rm -rf "$base" "$work/out.txt" "$work/open.txt"
