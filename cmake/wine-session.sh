#!/usr/bin/env bash
# Runs a command inside one Wine session for the Windows tests and the viewer: a private prefix under
# the build folder, the Russian ANSI code page (1251), no Wine debug output, one persistent wineserver
# (every Wine process start would otherwise cost seconds), and a virtual display when there is none
# (DD_SCREEN pixels, default 1280x900).
#   cmake/wine-session.sh COMMAND...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/win64/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}  # no Mono or Gecko installer prompts
mkdir -p "$WINEPREFIX"

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [[ -z "${DISPLAY:-}" ]]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${DD_SCREEN:-1280x900}x24" -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s "$display_file" ]] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
fi

env LC_ALL=ru_RU.UTF-8 wineserver -p
# Start Wine's own services here, with their output going nowhere: started by the first test they
# would inherit its output pipes and keep ctest waiting for them to close. The first start in a new
# prefix also sets the prefix up.
env LC_ALL=ru_RU.UTF-8 /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 || true
env LC_ALL=ru_RU.UTF-8 "$@"
