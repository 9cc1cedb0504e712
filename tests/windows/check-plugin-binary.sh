#!/usr/bin/env bash
# Checks a built plug-in DLL without running it: the PE format, exactly the exports that ddlister.def names
# under their plain names, and imports from Windows' own DLLs only.
#   check-plugin-binary.sh OBJDUMP PLUGIN FORMAT      (FORMAT: pei-i386 or pei-x86-64)
set -euo pipefail
export LC_ALL=C  # objdump's own words are matched below: never translated
objdump=$1 plugin=$2 format=$3
# objdump speaks the locale's language (the Wine session runs under ru_RU), and the checks read its English.
dump=$(LC_ALL=C "$objdump" -p "$plugin")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

grep -q "file format $format\$" <<<"$dump" || fail "not a $format image"
if [[ $format == pei-i386 ]]; then
  grep -qE '^Magic[[:space:]]+010b' <<<"$dump" || fail "not PE32"
fi

exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {table = 1; next} table && /^\t\[/ {print $NF} table && /^$/ {table = 0}' <<<"$dump" | sort)
expected=$(awk '/^EXPORTS/ {table = 1; next} table && NF {print $1}' "$(dirname "$0")/../../src/plugin/ddlister.def" | sort)
[[ "$exports" == "$expected" ]] || fail "exports are [$(echo $exports)], expected [$(echo $expected)]"

allowed='^(kernel32|user32|gdi32|msvcrt|advapi32|comctl32|comdlg32|winspool\.drv|shell32|ole32)(\.dll)?$'
imports=$(awk '/DLL Name:/ {print $3}' <<<"$dump")
[[ -n "$imports" ]] || fail "no imports found"
for dll in $imports; do
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
  [[ "$lower" =~ $allowed ]] || fail "imports from $dll, which is not a Windows DLL"
done

((failures == 0)) || exit 1
echo "ok: $plugin: $format, exports $(echo $exports), imports $(echo $imports)"
