#!/usr/bin/env bash
# make fuzz: builds the fuzz preset and runs the dictionary fuzzer for FUZZ_SECONDS (default 600) from a
# seed corpus made of samples/ and tests/fixtures/. Everything it keeps is under build/fuzz/:
#   corpus/     the corpus, growing from run to run (make fuzz)
#   corpus-test the corpus of a fresh run, made anew from the seeds each time (FUZZ_FRESH=1, make test)
#   artifacts/  inputs that failed: each, once mended, becomes a fixture under tests/fixtures/hostile/
# FUZZ_SEED fixes libFuzzer's random seed (make test uses 1); FUZZ_MAX_LEN bounds an input (default 8192).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-600}
max_len=${FUZZ_MAX_LEN:-8192}
build=$root/build/fuzz

cmake --preset fuzz -S "$root" >/dev/null
cmake --build --preset fuzz

corpus=$build/corpus
if [[ -n "${FUZZ_FRESH:-}" ]]; then
  corpus=$build/corpus-test
  rm -rf "$corpus"
fi
artifacts=$build/artifacts
mkdir -p "$corpus" "$artifacts"
# Seeds: the sample dictionaries and every fixture, named after where they come from.
while IFS= read -r -d '' file; do
  relative=${file#"$root"/}
  cp "$file" "$corpus/seed-${relative//\//_}"
done < <(find "$root/samples" "$root/tests/fixtures" -type f -print0)

seed_option=()
[[ -n "${FUZZ_SEED:-}" ]] && seed_option=(-seed="$FUZZ_SEED")
echo "== dictionary_fuzzer: $seconds s, inputs up to $max_len bytes, corpus $corpus"
# A smaller quarantine than AddressSanitizer's default keeps the fuzzer fast; freed blocks are still
# held long enough to catch a use after free within one input.
status=0
ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32:detect_leaks=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
  "$build/fuzz/dictionary_fuzzer" "$corpus" -dict="$root/fuzz/tokens.dict" -max_total_time="$seconds" \
  -max_len="$max_len" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" \
  "${seed_option[@]}" 2>"$build/fuzz.log" || status=$?
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::' "$build/fuzz.log" || true
if [[ $status -ne 0 ]]; then
  tail -n 60 "$build/fuzz.log"
  echo "dictionary_fuzzer failed (status $status): the input is in $artifacts/; replay it with"
  echo "  $build/fuzz/dictionary_fuzzer $artifacts/<file>"
  exit 1
fi
echo "dictionary_fuzzer: nothing found in $seconds s; corpus $(find "$corpus" -type f | wc -l) files"
