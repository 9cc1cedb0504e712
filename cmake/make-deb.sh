#!/usr/bin/env bash
# make deb: the Debian package of ddview (the program and its manual page), built by CPack from the
# native build's install rules: dist/ddview_VERSION_ARCH.deb, which `apt-get install ./dist/ddview_*.deb`
# installs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${DD_NATIVE_BUILD:-$root/build/native}
[[ -f "$build/CPackConfig.cmake" ]] || { echo "make-deb: build the native preset first" >&2; exit 1; }
rm -rf "$build/package"
(cd "$build" && cpack --config CPackConfig.cmake -G DEB >/dev/null)
mkdir -p "$root/dist"
for deb in "$build"/package/ddview_*.deb; do
  cp "$deb" "$root/dist/"
  echo "make-deb: $root/dist/$(basename "$deb")"
done
