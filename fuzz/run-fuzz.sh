#!/usr/bin/env bash
# make fuzz: builds the fuzz preset and runs, one after the other, the dictionary fuzzer and the DBF fuzzer for
# FUZZ_SECONDS together (default 600: half each). Seeds: the dictionary fuzzer's are samples/ and tests/fixtures/
# (the sample base's tables aside), the DBF fuzzer's the tables of samples/base/. Everything it keeps is under
# build/fuzz/:
#   corpus/, corpus-dbf/          the corpora, growing from run to run (make fuzz)
#   corpus-test/, corpus-dbf-test/  the corpora of a fresh run, made anew from the seeds each time (FUZZ_FRESH=1,
#                                 make test)
#   artifacts/, artifacts-dbf/    inputs that failed: each, once mended, becomes a fixture under tests/fixtures/hostile/
#                                 or a case of the DBF tests
# FUZZ_SEED fixes libFuzzer's random seed (make test uses 1); FUZZ_MAX_LEN bounds a dictionary input (default
# 8192), FUZZ_DBF_MAX_LEN a table (default 16384).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-600}
build=$root/build/fuzz

cmake --preset fuzz -S "$root" >/dev/null
cmake --build --preset fuzz

seed_option=()
[[ -n "${FUZZ_SEED:-}" ]] && seed_option=(-seed="$FUZZ_SEED")

# run_fuzzer NAME CORPUS ARTIFACTS SECONDS MAX_LEN DICT SEED_FILES...
run_fuzzer() {
  local name=$1 corpus=$2 artifacts=$3 time=$4 max_len=$5 dict=$6
  shift 6
  if [[ -n "${FUZZ_FRESH:-}" ]]; then
    corpus=$corpus-test
    rm -rf "$corpus"
  fi
  mkdir -p "$corpus" "$artifacts"
  # Seeds named after where they come from.
  local file relative
  for file in "$@"; do
    relative=${file#"$root"/}
    cp "$file" "$corpus/seed-${relative//\//_}"
  done
  echo "== $name: $time s, inputs up to $max_len bytes, corpus $corpus"
  # A smaller quarantine than AddressSanitizer's default keeps the fuzzer fast; freed blocks are still
  # held long enough to catch a use after free within one input.
  local status=0
  ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32:detect_leaks=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    "$build/fuzz/$name" "$corpus" -dict="$dict" -max_total_time="$time" \
    -max_len="$max_len" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "${seed_option[@]}" 2>"$build/$name.log" || status=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::' "$build/$name.log" || true
  if [[ $status -ne 0 ]]; then
    tail -n 60 "$build/$name.log"
    echo "$name failed (status $status): the input is in $artifacts/; replay it with"
    echo "  $build/fuzz/$name $artifacts/<file>"
    exit 1
  fi
  echo "$name: nothing found in $time s; corpus $(find "$corpus" -type f | wc -l) files"
}

dictionary_seconds=$(((seconds + 1) / 2))
mapfile -d '' dictionary_seeds < <(find "$root/samples" "$root/tests/fixtures" -type f \
  ! -path "$root/samples/base/*.DBF" ! -name '*.py' -print0)
run_fuzzer dictionary_fuzzer "$build/corpus" "$build/artifacts" "$dictionary_seconds" "${FUZZ_MAX_LEN:-8192}" \
  "$root/fuzz/tokens.dict" "${dictionary_seeds[@]}"

mapfile -d '' table_seeds < <(find "$root/samples/base" -name '*.DBF' -type f -print0)
run_fuzzer dbf_fuzzer "$build/corpus-dbf" "$build/artifacts-dbf" "$((seconds - dictionary_seconds))" \
  "${FUZZ_DBF_MAX_LEN:-16384}" "$root/fuzz/dbf-tokens.dict" "${table_seeds[@]}"
