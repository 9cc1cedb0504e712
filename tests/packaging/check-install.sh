#!/usr/bin/env bash
# Installs the native build under a temporary prefix as `cmake --install` does, and checks what a user
# gets: bin/ddview, which tells its version, and share/man/man1/ddview.1, which man reads.
#   check-install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[[ -x "$prefix/bin/ddview" ]] || fail "bin/ddview is not installed"
[[ $("$prefix/bin/ddview" --version) == "ddview $version" ]] || fail "the installed ddview does not say ddview $version"
page=$prefix/share/man/man1/ddview.1
[[ -f "$page" ]] || fail "share/man/man1/ddview.1 is not installed"
grep -q "^\.TH DDVIEW \"1\"" "$page" || fail "ddview.1 is no manual page of section 1"
grep -q "ddview $version" "$page" || fail "ddview.1 does not carry the version"
for command in list show find export dump diff; do
  grep -q "^\.SS $command" "$page" || fail "ddview.1 does not describe $command"
done
((failures == 0)) || exit 1
echo "ok: ddview $version and its manual page install under a prefix"
