#!/usr/bin/env bash
# The tree's own form, checked by make test: every C++ file as clang-format writes it with the root's
# .clang-format (make format rewrites them), and every include of the project's own headers written
# from its layer's root ("dictionary/Error.h"), never relative ("../x.h") nor bare ("Error.h"), so that
# the layers' include directories decide what a file may see.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard '*.h' '*.cpp')
status=0
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/clang-format-$$.log; then
  grep -E '^[^ ].*: (error|warning):' /tmp/clang-format-$$.log | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
  echo "check-format: run 'make format'" >&2
  status=1
fi
rm -f /tmp/clang-format-$$.log
if grep -nE '^\s*#\s*include\s+"(\.\./|[^/"]+")' "${files[@]}"; then
  echo "check-format: include the project's headers by their folder, as \"folder/Header.h\"" >&2
  status=1
fi
exit $status
