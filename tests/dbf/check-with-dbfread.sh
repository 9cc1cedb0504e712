#!/bin/sh
# Runs check-with-dbfread.py with Debian's Python, where Debian's python3-dbfread is installed (another Python
# first on PATH would not see it); exits 77, which CTest counts as skipped, where either is missing.
#   check-with-dbfread.sh DBFDUMP [EMULATOR] -- FILE...
if [ ! -x /usr/bin/python3 ]; then
  echo "/usr/bin/python3 is missing: skipped"
  exit 77
fi
exec /usr/bin/python3 "$(dirname "$0")/check-with-dbfread.py" "$@"
