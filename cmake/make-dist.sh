#!/usr/bin/env bash
# Packs the Windows binaries:
#   dist/ddlister.zip        ddlister.wlx, ddlister.wlx64 and pluginst.inf, for the file manager's own
#                            installer: opening the archive in the file manager offers to install it
#   dist/ddview-windows.zip  ddview.exe (64-bit, static: nothing but Windows' own DLLs beside it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win32=${DD_WIN32_BUILD:-$root/build/win32}
win64=${DD_WIN64_BUILD:-$root/build/win64}
# pluginst.inf is made by the build, which writes the project's version into it.
plugin=("$win32/src/plugin/ddlister.wlx" "$win64/src/plugin/ddlister.wlx64" "$win64/packaging/pluginst.inf")
ddview=("$win64/src/cli/ddview.exe")
for file in "${plugin[@]}" "${ddview[@]}"; do
  [[ -f "$file" ]] || { echo "make-dist: $file is missing (build the win32 and win64 presets)" >&2; exit 1; }
done
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "${plugin[@]}" "${ddview[@]}" "$staging/"
# The installer reads the .inf as plain text with Windows line ends.
sed -i 's/\r*$/\r/' "$staging/pluginst.inf"
mkdir -p "$root/dist"
rm -f "$root/dist/ddlister.zip" "$root/dist/ddview-windows.zip"
(cd "$staging" && cmake -E tar cf "$root/dist/ddlister.zip" --format=zip ddlister.wlx ddlister.wlx64 pluginst.inf)
(cd "$staging" && cmake -E tar cf "$root/dist/ddview-windows.zip" --format=zip ddview.exe)
echo "make-dist: $root/dist/ddlister.zip"
echo "make-dist: $root/dist/ddview-windows.zip"
