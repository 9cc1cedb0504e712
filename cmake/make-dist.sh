#!/usr/bin/env bash
# Packs the plug-in for the file manager's own installer: dist/ddlister.zip holds ddlister.wlx,
# ddlister.wlx64 and pluginst.inf; opening the archive in the file manager offers to install it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win32=${DD_WIN32_BUILD:-$root/build/win32}
win64=${DD_WIN64_BUILD:-$root/build/win64}
files=("$win32/src/plugin/ddlister.wlx" "$win64/src/plugin/ddlister.wlx64" "$root/packaging/pluginst.inf")
for file in "${files[@]}"; do
  [[ -f "$file" ]] || { echo "make-dist: $file is missing (build the win32 and win64 presets)" >&2; exit 1; }
done
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "${files[@]}" "$staging/"
# The installer reads the .inf as plain text with Windows line ends.
sed -i 's/\r*$/\r/' "$staging/pluginst.inf"
mkdir -p "$root/dist"
rm -f "$root/dist/ddlister.zip"
(cd "$staging" && cmake -E tar cf "$root/dist/ddlister.zip" --format=zip ddlister.wlx ddlister.wlx64 pluginst.inf)
echo "make-dist: $root/dist/ddlister.zip"
