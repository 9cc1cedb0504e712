#!/bin/sh
# The committed sample base is what its generator writes, byte for byte, and the generator writes the same on
# every run: a change to the generator without its files, or to the files without the generator, fails here.
#   check-sample-base.sh SAMPLE_BASE_FOLDER
# Exits 77, which CTest counts as skipped, without python3.
base=$1
python=$(command -v python3) || { echo "python3 is missing: skipped"; exit 77; }
out=$(mktemp -d) || exit 1
trap 'rm -rf "$out"' EXIT
"$python" "$base/make-sample-base.py" "$out/first" && "$python" "$base/make-sample-base.py" "$out/second" || exit 1
status=0
diff -r "$out/first" "$out/second" >/dev/null || { echo "two runs of the generator differ"; status=1; }
for file in "$out/first"/*; do
  name=$(basename "$file")
  cmp -s "$file" "$base/$name" || { echo "$name: the committed file is not what make-sample-base.py writes"; status=1; }
done
for file in "$base"/*.DBF "$base"/*.DD; do
  name=$(basename "$file")
  [ -e "$out/first/$name" ] || { echo "$name: committed, but make-sample-base.py does not write it"; status=1; }
done
[ $status -eq 0 ] && echo "the sample base is what make-sample-base.py writes"
exit $status
