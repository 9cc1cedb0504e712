#!/usr/bin/env bash
# Shows a dictionary in the plug-in through ddhost.exe (the Lister stand-in) under 64-bit Wine.
# With a display the window stays until it is closed (Esc). Without one the viewer is shown on a
# virtual display, photographed into build/screenshot.png (or DD_SCREENSHOT), and closed.
#   cmake/run-viewer.sh FILE [--dpi N] [ddhost options...]
# --dpi N shows it at a screen resolution of N dots per inch (Wine's LogPixels, set back afterwards);
# ddhost's --size WxH and --resize WxH give the Lister window's size. DD_SCREEN (default 1280x900)
# is the virtual display's size. DD_LOCALE sets the locale Wine runs under, and so its ANSI code page
# (default ru_RU.UTF-8: 1251; ja_JP.UTF-8 gives 932).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
file=$(realpath "${1:?usage: run-viewer.sh FILE}")
shift
dpi=""
host_options=()
while (($#)); do
  if [[ "$1" == --dpi && $# -ge 2 ]]; then
    dpi=$2
    shift 2
  else
    host_options+=("$1")
    shift
  fi
done
build=${DD_WIN64_BUILD:-$root/build/win64}
host=$build/tests/windows/ddhost.exe
[[ -f "$host" ]] || { echo "run-viewer: $host is not built (cmake --build --preset win64)" >&2; exit 1; }
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export DD_LOCALE=${DD_LOCALE:-ru_RU.UTF-8}
windows_path="Z:${file//\//\\}"
with_dpi=()
[[ -n "$dpi" ]] && with_dpi=("$root/cmake/with-dpi.sh" "$dpi")

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$root/cmake/wine-session.sh" "${with_dpi[@]}" env LC_ALL="$DD_LOCALE" /usr/lib/wine/wine64 "$host" \
    "${host_options[@]}" "$windows_path"
fi

screenshot=${DD_SCREENSHOT:-$root/build/screenshot.png}
export DD_HOST=$host DD_FILE=$windows_path DD_SCREENSHOT=$screenshot
# The shell runs without the Russian locale (which need not be installed); Wine gets the one asked for.
"$root/cmake/wine-session.sh" "${with_dpi[@]}" env -u LC_ALL bash -c '
  log=$(mktemp)
  env LC_ALL="$DD_LOCALE" /usr/lib/wine/wine64 "$DD_HOST" --close-after 4000 "$@" "$DD_FILE" >"$log" 2>&1 &
  host_pid=$!
  for _ in $(seq 300); do
    grep -q "ddhost: showing" "$log" && break
    kill -0 "$host_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! grep -q "ddhost: showing" "$log"; then cat "$log" >&2; exit 1; fi
  sleep 1
  import -window root "$DD_SCREENSHOT"
  wait "$host_pid" || true
  rm -f "$log"
' run-viewer "${host_options[@]}"
echo "run-viewer: no display here; the viewer was shown on a virtual one: $screenshot"
