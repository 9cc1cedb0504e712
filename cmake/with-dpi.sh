#!/usr/bin/env bash
# Runs a command with Wine's screen resolution set to DPI and always sets it back afterwards. Wine reads
# the resolution (the LogPixels value of the user's desktop settings) when a process starts, so only the
# processes the command starts see it. Run inside a Wine session (cmake/wine-session.sh): the value
# lives in that session's wineserver and prefix.
#   cmake/with-dpi.sh DPI COMMAND...
set -uo pipefail
dpi=${1:?usage: with-dpi.sh DPI COMMAND...}
shift
wine=/usr/lib/wine/wine64
key='HKCU\Control Panel\Desktop'

previous=$("$wine" reg query "$key" /v LogPixels 2>/dev/null | awk '$1 == "LogPixels" {print $3}' | tr -d '\r')
restore() {
  if [[ -n "$previous" ]]; then
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$((previous))" /f >/dev/null 2>&1
  else
    "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
  fi
}
trap restore EXIT
"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || {
  echo "with-dpi: cannot set LogPixels to $dpi" >&2
  exit 1
}
"$@"
