#!/usr/bin/env bash
# Checks that a Windows binary carries a version resource with the project's version, as Windows shows
# it in the file's properties.
#   check-version-resource.sh OBJDUMP STRINGS FILE VERSION
set -euo pipefail
objdump=$1 strings=$2 file=$3 version=$4
"$objdump" -h "$file" | grep -q '\.rsrc' || { echo "FAIL: $file has no resource section"; exit 1; }
texts=$("$strings" -el "$file")
for key in VS_VERSION_INFO FileVersion ProductVersion; do
  grep -qx "$key" <<<"$texts" || { echo "FAIL: $file: no $key in its version resource"; exit 1; }
done
grep -qx "$version" <<<"$texts" || { echo "FAIL: $file: the version resource does not say $version"; exit 1; }
echo "ok: $file carries version $version"
